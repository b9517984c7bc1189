// Visitors that walk a statement's tree for its names: the column search
// inside an expression (marking and reporting, or collecting texts) and the
// database-object search with table aliases resolved.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "process/rkbasevisitor.h"

class TCustomSqlStatement;
class TRkInspectDBObj;
class TRkTable;
class TRk_Node;
class TSourceToken;

class TRkFldInExprVisitor final : public TRkVisitorAbs {
public:
    // Sub-query statements entered, innermost last.
    std::vector<TCustomSqlStatement*> StatementStack;
    bool Active = true;
    // The name (TRk_Attr or TRk_Ident) being walked.
    TRk_Node* CurrentName = nullptr;
    TRkVisitedAbs* Root = nullptr;
    // Fires the token events and becomes the parent of entered sub-queries.
    TCustomSqlStatement* Statement = nullptr;
    std::vector<std::string>* Target = nullptr;   // mode 2
    int32_t Mode = 1;                             // 1 mark and report, 2 collect

    const char* ClassName() const override { return "TRkFldInExprVisitor"; }
    bool CanVisit() override;
    void Visit(TRkVisitedAbs* Obj) override;
    void PreVisit(TRkVisitedAbs* Obj) override;
    void PostVisit(TRkVisitedAbs* Obj) override;
    // Nothing without Root, or in mode 2 without Target (which is emptied
    // first); then Root's walk.
    void Execute();
};

class TRkInspectDBObjVisitor : public TRkVisitorAbs {
public:
    std::vector<TRkVisitedAbs*> OpenObjects;
    // Tables in scope, each stamped (WalkDepth) with the depth at which it
    // came into scope.
    std::vector<TRkTable*> VisibleTables;
    TRkVisitedAbs* Root = nullptr;
    std::vector<std::unique_ptr<TRkInspectDBObj>>* Objects = nullptr;   // the caller's

    const char* ClassName() const override { return "TRkInspectDBObjVisitor"; }
    bool CanVisit() override { return true; }
    void Visit(TRkVisitedAbs* Obj) override;
    void PreVisit(TRkVisitedAbs* Obj) override;
    void PostVisit(TRkVisitedAbs* Obj) override;
    void Execute();

    // The record for a token of kind 1, 2 or 3, resolving a table alias to
    // its table; Name is the name the search settled on.
    TRkInspectDBObj* FindObject(TSourceToken* Token, std::string& Name);

private:
    // The tables a statement brings into scope; false for other objects.
    bool ScopeTables(TRkVisitedAbs* Obj, std::vector<TRkTable*>& Tables);
};
