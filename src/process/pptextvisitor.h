// Visitors that turn a tree back into text.
//
// TRkAsTextVisitor: the plain text of a node, each visited token followed by
// the blanks, line breaks and comments that follow it in the source; text
// overrides and objects that print themselves (tables, fields, select
// statements) replace their tokens.  Engine of TRk_Node::AsText.
// TRkPpTextVisitor: the formatted texts of the visited tokens, joined.
// TRkPPTextWithExprVisitor: tokens joined by single blanks, each expression
// printed by its own pretty text.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "process/rkbasevisitor.h"

class TRkAsTextVisitor : public TRkVisitorAbs {
public:
    std::vector<TRkVisitedAbs*> Stack;   // open walks, innermost last
    bool Emit = true;
    TRkVisitedAbs* Root = nullptr;
    TRk_Node* TopNode = nullptr;
    std::string Result;

    const char* ClassName() const override { return "TRkAsTextVisitor"; }
    bool CanVisit() override;
    void Visit(TRkVisitedAbs* Obj) override;
    void PreVisit(TRkVisitedAbs* Obj) override;
    void PostVisit(TRkVisitedAbs* Obj) override;

    // Nothing without Root; else Result := "" and Run.
    void Execute();
    void Run();

protected:
    // Drops entries of walks that failed before their PostVisit.
    void DropClosedFrames(int32_t FromDepth);
    std::vector<int32_t> FStackDepth;   // Depth at which each entry opened
};

class TRkPpTextVisitor : public TRkVisitorAbs {
public:
    TRkVisitedAbs* Root = nullptr;
    std::string Result;

    const char* ClassName() const override { return "TRkPpTextVisitor"; }
    bool CanVisit() override;
    void Visit(TRkVisitedAbs* Obj) override;
    virtual void Run();
    // Nothing without Root; else Result := "" and Run.
    void Execute();
};

class TRkPPTextWithExprVisitor : public TRkAsTextVisitor {
public:
    const char* ClassName() const override { return "TRkPPTextWithExprVisitor"; }
    bool CanVisit() override;
    void Visit(TRkVisitedAbs* Obj) override;
    void PreVisit(TRkVisitedAbs* Obj) override;
    void PostVisit(TRkVisitedAbs* Obj) override;
};
