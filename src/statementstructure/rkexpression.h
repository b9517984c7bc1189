// Expressions: the one node class for every operator, condition and grouped
// operand of the grammars, CASE with its WHEN items, and the RETURNING ...
// INTO clause.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "formatter/rkbasetype.h"
#include "nodes/u_nodes.h"

class TRkCustomExpression;

// What SetAsText keeps alive: the front end whose nodes and tokens became
// an expression's operands.  The statement model supplies it.
class TRkReparseHolder {
public:
    virtual ~TRkReparseHolder() = default;
};

struct TRkReparseResult {
    std::unique_ptr<TRkReparseHolder> Holder;
    // The WHERE condition of the one parsed query when the text parsed as a
    // query whose first field is an expression; nullptr otherwise.
    TRkCustomExpression* Where = nullptr;
};

// Parses Sql with a new front end of the vendor.  Set by the statement model;
// unset, SetAsText keeps the text as an override.
using TRkReparseFunc = TRkReparseResult (*)(uint8_t DbVendor, const std::string& Sql);
extern TRkReparseFunc RkReparseCondition;

class TRkCustomExpression : public TRk_Node {
public:
    TRkOpType ExprType = Expr_OP;
    uint8_t Modifier = 0;                  // 1 ANY, 2 SOME, 3 ALL
    TSourceToken* OperatorToken = nullptr;
    TRk_Node* LeftOperand = nullptr;       // node, or a TRk_List for list kinds
    TRk_Node* RightOperand = nullptr;
    TSourceToken* QuantifierToken = nullptr;
    TRk_Node* SourceNode = nullptr;        // a join condition's qualifier node
    // Front ends kept alive by SetAsText, newest last; freed with the
    // expression, so operands taken from any of them stay valid.
    std::vector<std::unique_ptr<TRkReparseHolder>> ReparseHolders;
    // Nesting depth of expressions below and including this one, not
    // counting the links of a chain (ChainLeft); the parser refuses trees
    // too deep to walk.
    int32_t NestDepth = 1;

    TRkCustomExpression();
    ~TRkCustomExpression() override;
    const char* ClassName() const override { return "TRkCustomExpression"; }
    void DoAccept(TRkVisitorAbs& V) override;
    void CreatePP() override;
    void SetAsText(const std::string& S) override;
    // Called by the statements each time they take an expression over.
    void AfterAttach() {}

    TRkReparseHolder* ReparseHolder() const {
        return ReparseHolders.empty() ? nullptr : ReparseHolders.back().get();
    }

    // Kinds laid out as left operand, operator, right operand.
    static bool IsTwoOperandKind(TRkOpType K);
    // The left operand when it is the next link of a chain of such
    // expressions (a OR b OR c, a || b || c, both built left-deep).  Walks
    // and printers follow a chain in a loop, not one recursion per link, so
    // a chain of any length is as safe as a short one.
    TRkCustomExpression* ChainLeft() const;

private:
    void AcceptChain(TRkVisitorAbs& V);
    // The walk of a two-operand link after its left operand.
    void AcceptOperatorAndRight(TRkVisitorAbs& V);
};

// Holds nothing on the heap until a reparse keeps a front end
// (MarkOwnsHeap).
template <>
inline constexpr bool RkNodeOwnsNothing<TRkCustomExpression> = true;

class TRkCaseExpression : public TRkCustomExpression {
public:
    TRk_Node* InputExpr = nullptr;
    TRk_Node* ElseExpr = nullptr;
    TRk_List* WhenList = nullptr;     // TRkCaseWhen items
    TRk_Node* ElseClause = nullptr;   // own token 0: ELSE

    TRkCaseExpression();
    const char* ClassName() const override { return "TRkCaseExpression"; }
    void DoAccept(TRkVisitorAbs& V) override;
    std::string GetPrettyText() override;
    void SetInputExpr(TRk_Node* N) { InputExpr = N; }
    void SetElseExpr(TRk_Node* N) { ElseExpr = N; }
};

class TRkCaseWhen : public TRk_Node {
public:
    TRk_Node* ThenExpr = nullptr;
    TRk_Node* WhenExpr = nullptr;

    TRkCaseWhen();
    const char* ClassName() const override { return "TRkCaseWhen"; }
    void DoAccept(TRkVisitorAbs& V) override;
    std::string GetPrettyText() override;
    void SetThenExpr(TRk_Node* N) { ThenExpr = N; }
    void SetWhenExpr(TRk_Node* N) { WhenExpr = N; }
};

class TRkReturningClause : public TRk_Node {
public:
    TRk_List* ReturnList = nullptr;
    TRk_List* IntoList = nullptr;     // target name tokens
    int32_t ReturningKind = 0;        // 1 INTO, 2 BULK COLLECT INTO

    TRkReturningClause();
    const char* ClassName() const override { return "TRkReturningClause"; }
    void DoAccept(TRkVisitorAbs& V) override;
    std::string GetPrettyText() override;
};
