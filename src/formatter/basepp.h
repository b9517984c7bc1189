// Printer base.  A printable node owns one printer (TRk_Node::PP), made by
// the node's CreatePP with the node as owner; GetPrettyText gives the
// owner's pretty text.
#pragma once

#include <cstdint>
#include <string>

class TRkVisitedAbs;

class TCustomPP {
public:
    // The printed object (not owned: it owns the printer).
    TRkVisitedAbs* Owner = nullptr;
    // Width to which a declaration list pads the item's name.
    int32_t PadWidth = 0;

    explicit TCustomPP(TRkVisitedAbs* AOwner);
    TCustomPP(const TCustomPP&) = delete;
    TCustomPP& operator=(const TCustomPP&) = delete;
    virtual ~TCustomPP() = default;

    virtual const char* ClassName() const { return "TCustomPP"; }
    // "Abstract class of Pretty printer can not return pretty text" here;
    // every concrete printer overrides it.
    virtual std::string GetPrettyText();
};

// Prints its owner as written (the owner's plain text).
class TDummyPP : public TCustomPP {
public:
    using TCustomPP::TCustomPP;
    const char* ClassName() const override { return "TDummyPP"; }
    std::string GetPrettyText() override;
};

// A printer with working copies of three options, so that a parent printer
// can hand its own settings down to a child printer.
class TFmtOptPP : public TCustomPP {
public:
    uint8_t BackupSeparatorStyle = 0;
    uint8_t BackupAndOrPlacement = 0;
    uint8_t BackupExprListOneLine = 0;
    uint8_t SeparatorStyle = 0;
    uint8_t AndOrPlacement = 0;
    uint8_t ExprListOneLine = 0;

    // Working copies from the global options, backup from the working copies.
    explicit TFmtOptPP(TRkVisitedAbs* AOwner);
    const char* ClassName() const override { return "TFmtOptPP"; }
    void SaveOptions();
    void RestoreOptions();
};
