// Printer base.  A printable node owns one printer (TRk_Node::PP()), made
// by the node's CreatePP with the node as owner when first asked for; GetPrettyText gives the
// owner's pretty text.  Also the layout steps that every printer shares.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class TRkVisitedAbs;
class TRk_Node;
class TSourceToken;
class TCustomSqlStatement;

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

protected:
    // The owner as a node, nullptr when it is none.
    TRk_Node* OwnerNode() const;
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

// ---------------------------------------------------------------------------
// Printer choice for statement classes.  The statement model's CreatePP
// calls RkStatementPPFactory (when set) so that its statements, joins and
// join items get their printers; InstallPrinterHooks (formatter/concretepp.h)
// sets it together with the node printer hooks.
using TRkStatementPPFactory = std::unique_ptr<TCustomPP> (*)(TRk_Node* Owner);
extern TRkStatementPPFactory RkStatementPPFactory;

// ---------------------------------------------------------------------------
// Layout steps shared by the printers.
namespace pp {

// Formatted text of a token; empty for nullptr.
std::string Fmt(TSourceToken* T);
// Formatted text of Count tokens starting at T, as one text; the token's
// range length is put back afterwards so later readers see the token alone.
// Later lines lose their source indentation (see Plain).
std::string Span(TSourceToken* T, int32_t Count);
// Formatted text of own token i of N; empty when there is none.
std::string Tok(const TRk_Node* N, int32_t I);
int32_t TokCount(const TRk_Node* N);
// Pretty text of a node; empty for nullptr.  A query or function call
// nested in queries and calls deeper than MaxNestedQueries is given as
// written: every level indents the whole text of the levels inside it
// again, so the layout of deeper levels would cost the cube of the depth,
// and each level's printer takes a deep slice of the stack.
std::string Pretty(TRk_Node* N);
inline constexpr int32_t MaxNestedQueries = 100;
// The source text from First to Last (tokens of one list), without what
// follows Last; empty when they are not of one list.
std::string WrittenText(TSourceToken* First, TSourceToken* Last);
// Plain text of a node, its later lines without the blanks that started
// them in the source (the layout indents them); empty for nullptr.
std::string Plain(TRk_Node* N);
std::string Blanks(int32_t N);
// T placed at the current column of R: IndentText(T, LastLineLength(R)).
std::string At(const std::string& R, const std::string& T);
// Present: neither empty nor the single blank.
bool Present(const std::string& S);
// "Owner class should be <Expected>, error classtype:<owner class>"
std::string WrongOwner(const char* Expected, const TRkVisitedAbs* Owner);
// EnsureLineBreak(R) + B blanks + PadKeyword(W, K, LeftJustify) + " " +
// IndentText(Body, Indent).
std::string ClauseLine(const std::string& R, int32_t B, int32_t W, const std::string& K,
                       bool LeftJustify, const std::string& Body, int32_t Indent);
// Own tokens From..To-1 of N, formatted and joined by Sep.
std::string Toks(const TRk_Node* N, int32_t From, int32_t To, std::string_view Sep = "");

// Steps 2 to 4 of a statement printer: parses the statement once when it has
// not parsed yet; true when it is parsed now.
bool EnsureParsed(TCustomSqlStatement* S);
// The text of a statement that its grammar accepts without building a tree
// (MS Access CREATE INDEX, DROP TABLE, DROP INDEX): its source as written,
// so that formatting keeps it.  Empty when the statement has error records.
std::string AcceptedWithoutTree(TCustomSqlStatement* S);

// The comments after each of S's own words but its terminator, as the
// words' formatted texts carry them: for printers that write the words
// themselves.
std::string CommentsAfterWords(TCustomSqlStatement* S);

// Text built by appending that knows where its last line starts, so that
// placing a piece at the current column does not scan back over the line:
// a chain of thousands of operands on one line stays linear.
class TLineText {
public:
    const std::string& Text() const { return FText; }
    std::string Release() { return std::move(FText); }
    void Append(std::string_view S);
    // T placed at the current column: At(Text, T).
    void AppendAt(std::string_view T);
    void EnsureLineBreak();
    int32_t Column() const { return static_cast<int32_t>(FText.size() - FLineStart); }

private:
    std::string FText;
    size_t FLineStart = 0;
};

}  // namespace pp
