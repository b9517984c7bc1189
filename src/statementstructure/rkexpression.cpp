#include "statementstructure/rkexpression.h"

#include <exception>
#include <new>
#include <typeinfo>

#include "formatter/basepp.h"
#include "nodes/u_nodes_generic.h"
#include "process/pptextvisitor.h"
#include "process/rkchainwalk.h"

TRkReparseFunc RkReparseCondition = nullptr;

namespace {

// Items of a list operand with their separators; a plain node operand is
// walked as itself.
void AcceptListOperand(TRk_Node* Operand, TRkVisitorAbs& V) {
    if (auto* list = dynamic_cast<TRk_List*>(Operand)) AcceptNodeList(list, &V);
    else AcceptPart(Operand, V);
}

bool OwnTokensInsteadOfOperator(TRkOpType K) {
    switch (K) {
        case Expr_NotIn: case Expr_AtTimeZone: case Expr_NotLike: case Expr_NotBetween:
        case Expr_DayToSecond: case Expr_YearToMonth: case Expr_DoubleStar:
            return true;
        default:
            return false;
    }
}

// The significant tokens from First to Last of their list, in order.
void AcceptWordsFromTo(TSourceToken* First, TSourceToken* Last, TRkVisitorAbs& V) {
    TSourceTokenList* L = First && Last ? First->GetOwnerList() : nullptr;
    if (!L || L != Last->GetOwnerList()) return;
    for (int32_t i = First->PosInList; i <= Last->PosInList; ++i)
        if (TSourceToken* T = L->TokenAt(i); T && T->IsSignificant()) AcceptPart(T, V);
}

}  // namespace

// ---------------------------------------------------------------------------
// TRkCustomExpression

TRkCustomExpression::TRkCustomExpression() { NodeKind = 2; }
TRkCustomExpression::~TRkCustomExpression() = default;

void TRkCustomExpression::CreatePP() {
    if (!PP() && RkPrinterHooks.CustomExpressionPP) SetPP(RkPrinterHooks.CustomExpressionPP(this));
}

bool TRkCustomExpression::IsTwoOperandKind(TRkOpType K) {
    switch (K) {
        case Expr_subquery: case Expr_Attr: case Expr_Ident: case Expr_Const: case Expr_FuncCall:
        case Expr_namelist: case Expr_QualifiedNamelist: case Expr_exprlist: case Expr_Parenthesis:
        case Expr_func_exprs: case Expr_Plsql_sql_condition: case Expr_Rollup: case Expr_Cube:
        case Expr_GroupingSets: case Expr_NotSupported:
            return false;
        default:
            return true;
    }
}

TRkCustomExpression* TRkCustomExpression::ChainLeft() const {
    // Subclasses walk and print in their own way: only plain links chain.
    if (!LeftOperand || LeftOperand->NodeKind != NodeKind || !IsTwoOperandKind(ExprType) ||
        typeid(*this) != typeid(TRkCustomExpression) || typeid(*LeftOperand) != typeid(TRkCustomExpression))
        return nullptr;
    auto* left = static_cast<TRkCustomExpression*>(LeftOperand);
    return IsTwoOperandKind(left->ExprType) ? left : nullptr;
}

void TRkCustomExpression::DoAccept(TRkVisitorAbs& V) {
    if (IsTwoOperandKind(ExprType)) {
        AcceptChain(V);
        return;
    }
    V.PreVisit(this);
    switch (ExprType) {
        case Expr_subquery: case Expr_Attr: case Expr_Ident: case Expr_Const: case Expr_FuncCall:
            AcceptPart(LeftOperand, V);
            break;
        case Expr_namelist: case Expr_QualifiedNamelist: case Expr_exprlist:
            AcceptListOperand(LeftOperand, V);
            break;
        case Expr_Parenthesis:
            AcceptOwnTok(this, 0, V);
            AcceptListOperand(LeftOperand, V);
            AcceptOwnTok(this, 1, V);
            break;
        case Expr_func_exprs:
            AcceptListOperand(LeftOperand, V);
            if (OwnTokCount(this) == 2) {
                AcceptOwnTok(this, 0, V);
                AcceptPart(RightOperand, V);
                AcceptOwnTok(this, 1, V);
            } else {
                AcceptPart(OperatorToken, V);
                AcceptPart(RightOperand, V);
            }
            break;
        case Expr_Plsql_sql_condition:
            AcceptOwnTok(this, 0, V);
            AcceptOwnTok(this, 1, V);
            AcceptOwnTok(this, 2, V);
            break;
        case Expr_Rollup: case Expr_Cube:
            AcceptPart(OperatorToken, V);
            AcceptOwnTok(this, 0, V);
            AcceptListOperand(LeftOperand, V);
            AcceptOwnTok(this, 1, V);
            break;
        case Expr_GroupingSets:
            AcceptPart(OperatorToken, V);
            AcceptOwnTok(this, 0, V);
            AcceptOwnTok(this, 1, V);
            AcceptListOperand(LeftOperand, V);
            AcceptOwnTok(this, 2, V);
            break;
        default:  // Expr_NotSupported: IS [NOT] OF [TYPE] (...)
            AcceptPart(LeftOperand, V);
            AcceptWordsFromTo(OwnToken(0), OwnToken(1), V);
            break;
    }
    V.PostVisit(this);
}

void TRkCustomExpression::AcceptOperatorAndRight(TRkVisitorAbs& V) {
    if (OwnTokensInsteadOfOperator(ExprType)) AcceptOwnToks(this, V);
    else AcceptPart(OperatorToken, V);
    if (Modifier >= 1 && Modifier <= 3) AcceptPart(QuantifierToken, V);
    AcceptPart(RightOperand, V);
    if (ExprType == Expr_IsNull || ExprType == Expr_IsNotNull) AcceptOwnToks(this, V);
    V.PostVisit(this);
}

// The walk of this link and of the links below it on its left, exactly as
// nested Accept frames would make it: each link's frame counts Depth, is
// skipped when the visitor is disabled, and a failure inside it abandons
// only the rest of that link.  This link's own frame is the caller's.
void TRkCustomExpression::AcceptChain(TRkVisitorAbs& V) {
    V.PreVisit(this);
    if (!ChainLeft()) {
        AcceptPart(LeftOperand, V);
        AcceptOperatorAndRight(V);
        return;
    }
    AcceptLeftChain(
        this, V, [](TRkCustomExpression* e) { return e->ChainLeft(); },
        [&V](TRkCustomExpression* e) { V.PreVisit(e); },
        [&V](TRkCustomExpression* e) { AcceptPart(e->LeftOperand, V); },
        [&V](TRkCustomExpression* e) { e->AcceptOperatorAndRight(V); });
}

// The text is parsed as the condition of a query.  On success the
// expression takes the condition's kind, operands and own tokens and drops
// any override, so its text is the new one; the front end that holds those
// nodes stays alive with the expression, as do earlier ones whose nodes may
// still be referred to.  Text that is no condition becomes the override.
void TRkCustomExpression::SetAsText(const std::string& S) {
    TRkReparseResult r;
    if (RkReparseCondition) r = RkReparseCondition(DbVendor, "select a from c where " + S);
    if (!r.Where || !r.Holder) {
        SetTextOverride(S);
        return;
    }
    TRkCustomExpression* w = r.Where;
    ExprType = w->ExprType;
    Modifier = w->Modifier;
    OperatorToken = w->OperatorToken;
    LeftOperand = w->LeftOperand;
    RightOperand = w->RightOperand;
    QuantifierToken = w->QuantifierToken;
    NestDepth = w->NestDepth;
    TokenList->Clear();
    for (TSourceToken* t : w->TokenList->Items()) TokenList->Add(t);
    SetTextOverride("");
    ReparseHolders.push_back(std::move(r.Holder));
    MarkOwnsHeap();
}

// ---------------------------------------------------------------------------
// TRkCaseExpression

TRkCaseExpression::TRkCaseExpression() { ExprType = Expr_Case; }

void TRkCaseExpression::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    AcceptOwnTok(this, 0, V);
    AcceptPart(InputExpr, V);
    if (WhenList)
        for (TRkVisitedAbs* item : WhenList->Items) AcceptPart(item, V);
    if (ElseExpr) {
        AcceptOwnTok(ElseClause, 0, V);
        AcceptPart(ElseExpr, V);
    }
    AcceptOwnTok(this, 1, V);
    V.PostVisit(this);
}

std::string TRkCaseExpression::GetPrettyText() {
    if (!TextOverride().empty()) return TextOverride();
    if (!WhenList) return std::string();
    const std::string caseText = FormattedText(OwnToken(0));
    std::string R = caseText + " ";
    if (InputExpr) R = caseText + " " + IndentText(ItemPrettyText(InputExpr), 5) + " ";
    std::string W;
    const int32_t n = WhenList->Count();
    for (int32_t i = 0; i < n; ++i) {
        W += ItemPrettyText(WhenList->GetItem(i));
        if (i + 1 < n) EnsureLineBreakInPlace(W);
    }
    if (!W.empty()) R = EnsureLineBreak(R) + "  " + IndentText(W, 2);
    if (ElseExpr)
        R = EnsureLineBreak(R) + "  " + FormattedText(OwnTokOf(ElseClause, 0)) + " " +
            IndentText(ItemPrettyText(ElseExpr), 7);
    return EnsureLineBreak(R) + FormattedText(OwnToken(1));
}

// ---------------------------------------------------------------------------
// TRkCaseWhen

TRkCaseWhen::TRkCaseWhen() { NodeKind = 29; }

void TRkCaseWhen::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    AcceptOwnTok(this, 0, V);
    AcceptPart(WhenExpr, V);
    AcceptOwnTok(this, 1, V);
    AcceptPart(ThenExpr, V);
    V.PostVisit(this);
}

std::string TRkCaseWhen::GetPrettyText() {
    if (!TextOverride().empty()) return TextOverride();
    if (!WhenExpr || !ThenExpr) return std::string();
    std::string R = FormattedText(OwnToken(0)) + " " + IndentText(WhenExpr->GetPrettyText(), 5);
    R = R + " " + IndentText(FormattedText(OwnToken(1)), LastLineLength(R) + 1) + " ";
    return R + IndentText(ThenExpr->GetPrettyText(), LastLineLength(R));
}

// ---------------------------------------------------------------------------
// TRkReturningClause

TRkReturningClause::TRkReturningClause() { NodeKind = 160; }

void TRkReturningClause::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    AcceptOwnTok(this, 0, V);
    AcceptNodeList(ReturnList, &V);
    AcceptOwnTok(this, 1, V);
    if (ReturningKind == 2) {
        AcceptOwnTok(this, 2, V);
        AcceptOwnTok(this, 3, V);
    }
    AcceptNodeList(IntoList, &V);
    V.PostVisit(this);
}

std::string TRkReturningClause::GetPrettyText() {
    try {
        TRkPPTextWithExprVisitor v;
        v.Root = this;
        v.Execute();
        return v.Result;
    } catch (const std::exception&) {
        return std::string();
    }
}
