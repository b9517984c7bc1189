// Printers of queries and of the entries of their FROM clauses.
#include "formatter/concretepp.h"

#include "formatter/rkbasetype.h"
#include "nodes/u_parsenodes.h"
#include "statementstructure/schemaobjects.h"
#include "statementstructure/sqlstatement_select.h"

using namespace pp;

namespace {

// First token of a clause node (first two joined by a blank when Two).
std::string ClauseKeyword(TRk_Node* Clause, bool Two = false) {
    if (!Clause) return {};
    std::string k = Tok(Clause, 0);
    if (Two && TokCount(Clause) > 1) k += " " + Tok(Clause, 1);
    return k;
}

std::string SetOperation(TSelectSqlStatement* s, TRk_SelectStmt* root) {
    const int32_t A = s->OuterParens, I = s->InnerParens, N = A + I;
    std::string T = Toks(root, 0, N);
    T += IndentText(Pretty(s->LeftStatement.get()), N);
    T = EnsureLineBreak(T) + Blanks(N) + Fmt(root->SetOperatorToken) + " ";
    if (root->SetAllToken) T += Fmt(root->SetAllToken);
    T = EnsureLineBreak(T) + IndentBlock(Pretty(s->RightStatement.get()), N);
    if (I > 0) T += Toks(root, N, A + 2 * I);
    const std::string orderBy = s->GetOrderByText();
    if (!orderBy.empty())
        T = EnsureLineBreak(T) + Blanks(A) + Tok(root->OrderByClause, 0) + " " +
            Tok(root->OrderByClause, 1) + " " + IndentText(orderBy, A + 9);
    const std::string limit = s->GetLimitText();
    if (Present(limit)) {
        const std::string k = Fmt(root->LimitClause ? root->LimitClause->LimitKeyword : nullptr);
        T = EnsureLineBreak(T) + Blanks(A) + k + " " +
            IndentText(limit, A + 1 + static_cast<int32_t>(k.size()));
    }
    const std::string forUpdate = s->GetForUpdateText();
    if (!forUpdate.empty()) T = EnsureLineBreak(T) + Blanks(A) + forUpdate;
    if (A > 0) T += Toks(root, A + 2 * I, 2 * A + 2 * I);
    if (s->TrailingToken) T += Fmt(s->TrailingToken);
    return T;
}

// Whether the WHERE clause prints, without building the condition's whole
// plain text: at every level of nested queries that would cost the size
// of all the levels inside.
bool WherePresent(TSelectSqlStatement* s) {
    TRk_Node* w = s->WhereNode;
    if (!s->WhereOverride.empty() || !w || w->NodeKind == 41 || !w->TextOverride().empty())
        return Present(s->GetWhereText());
    return w->GetStartToken() != nullptr;
}

// Whether the FROM clause prints, without building the plain text of the
// queries nested in it (see WherePresent).
bool FromPresent(TSelectSqlStatement* s) {
    if (!s->FromOverride.empty()) return !s->GetFromText().empty();
    for (int32_t i = 0; i < s->JoinList->Count(); ++i) {
        TRkJoin* j = s->JoinList->GetJoin(i);
        if (i > 0 || !j->TextOverride().empty() || j->ParenCount > 0 || j->Table || j->NestedJoin ||
            j->Items->Count() > 0 || j->AliasNode)
            return true;
    }
    return false;
}

std::string PlainQuery(TSelectSqlStatement* s, TRk_SelectStmt* root) {
    const int32_t A = s->OuterParens, I = s->InnerParens, B = A + I;
    // The grammar leaves an empty holder for an absent clause.
    const bool hasOrderBy =
        (s->OrderByList && s->OrderByList->Count() > 0) || TokCount(root->OrderByClause) > 0;
    const int32_t W = (TokCount(root->GroupByClause) > 0 || hasOrderBy) ? 8 : 6;
    const bool left = FmtOpt.KeywordAlign == 0;
    s->SetBaseIndent(B);
    std::string R = Toks(root, 0, B) + PadKeyword(W, Tok(root, 2 * B), left) + " ";
    const std::string distinct = s->GetDistinctText();
    if (!distinct.empty()) R += distinct + " ";
    const std::string top = TrimTrailingBlanks(UnindentText(s->GetTopText()));
    if (Present(top)) R += At(R, top) + " ";
    R += At(R, s->GetSelectListPrettyText());
    const int32_t bodyIndent = B + W + 1;
    const std::string into = s->GetIntoText();
    if (Present(into)) {
        const std::string k = s->BulkCollect ? Toks(root->IntoClause, 0, 3, " ")
                                             : ClauseKeyword(root->IntoClause);
        R = ClauseLine(R, B, W, k, left, into, bodyIndent);
    }
    if (FromPresent(s))
        R = ClauseLine(R, B, W, ClauseKeyword(root->FromClause), left, s->GetJoinListPrettyText(),
                       bodyIndent);
    if (WherePresent(s)) {
        int32_t D = 0;
        if (FmtOpt.AlignAndOrWithWhere == 1) D = FmtOpt.KeywordAlign == 0 ? 7 : 4;
        R = ClauseLine(R, B, W, ClauseKeyword(root->WhereClause), left, s->GetWherePrettyText(),
                       bodyIndent - D);
    }
    if (root->HierarchicalClause) {
        const std::string h = Pretty(root->HierarchicalClause);
        if (!h.empty()) R = EnsureLineBreak(R) + IndentBlock(h, B);
    }
    if (Present(s->GetGroupByText()))
        R = ClauseLine(R, B, W, ClauseKeyword(root->GroupByClause, true), left,
                       s->GetGroupByPrettyText(), bodyIndent);
    const std::string having = s->GetHavingText();
    if (Present(having))
        R = ClauseLine(R, B, W, ClauseKeyword(root->HavingClause), left, having, bodyIndent);
    const std::string orderBy = s->GetOrderByText();
    // The inner closing parentheses end the inner clauses; without an ORDER
    // BY they still close them (they would be lost otherwise).
    if (I > 0) R += Toks(root, A + I, A + 2 * I);
    if (Present(orderBy))
        R = ClauseLine(R, A, W, ClauseKeyword(root->OrderByClause, true), left, orderBy, A + W + 1);
    const std::string limit = s->GetLimitText();
    if (Present(limit))
        R = ClauseLine(R, B, W, Fmt(root->LimitClause ? root->LimitClause->LimitKeyword : nullptr),
                       left, limit, bodyIndent);
    const std::string compute = s->GetComputeText();
    if (Present(compute)) {
        TSourceToken* k = root->ComputeClause && root->ComputeClause->TokenList
                              ? root->ComputeClause->TokenList->TokenAt(0)
                              : nullptr;
        if (k) k->TokenType = ttKeyword;
        R = ClauseLine(R, A, W, Fmt(k), left, compute, A + W + 1);
    }
    const std::string forUpdate = s->GetForUpdateText();
    if (Present(forUpdate)) R = EnsureLineBreak(R) + IndentBlock(forUpdate, A);
    if (A > 0) R += Toks(root, A + 2 * I, 2 * A + 2 * I);
    if (s->TrailingToken) R += Fmt(s->TrailingToken);
    s->PrettyMode = 0;
    return R;
}

}  // namespace

std::string TSelectSqlStatementPP::GetPrettyText() {
    auto* s = dynamic_cast<TSelectSqlStatement*>(OwnerNode());
    if (!s) return WrongOwner("TSelectSqlStatement", Owner);
    if (!EnsureParsed(s)) return {};
    auto* root = dynamic_cast<TRk_SelectStmt*>(s->GetRootNode());
    if (!root) return {};
    s->PrettyMode = 1;
    if (s->SetOperator >= 1 && s->SetOperator <= 4) return SetOperation(s, root);
    return PlainQuery(s, root);
}

// ---------------------------------------------------------------------------
// Joins

std::string JoinItemsText(TRkJoin* Join) {
    std::string R;
    const int32_t n = Join->Items ? Join->Items->Count() : 0;
    for (int32_t i = 0; i < n; ++i) {
        R += Pretty(Join->Items->GetJoinItem(i));
        if (i + 1 < n && !R.empty()) EnsureLineBreakInPlace(R);
    }
    return R;
}

std::string TrkJoinPP::GetPrettyText() {
    auto* j = dynamic_cast<TRkJoin*>(OwnerNode());
    if (!j) return WrongOwner("TRkJoin", Owner);
    if (j->JoinKind <= 1 && !j->Table) return {};
    const int32_t P = j->ParenCount;
    const std::string pre = Toks(j, 0, P), post = Toks(j, P, 2 * P);
    std::string R = j->JoinKind <= 1 ? Pretty(j->Table) : Pretty(j->NestedJoin.get());
    const std::string items = JoinItemsText(j);
    if (!items.empty()) R = EnsureLineBreak(R) + items;
    if (P > 0) R = IndentText(R, P);
    R = pre + R + post;
    if (j->AliasNode) R += " " + Pretty(j->AliasNode);
    return R;
}

std::string TRkJoinItemPP::GetPrettyText() {
    auto* j = dynamic_cast<TRkJoinItem*>(OwnerNode());
    if (!j) return WrongOwner("TRkJoinItem", Owner);
    // A table item without its table prints nothing; a nested item without
    // its join still prints its keywords and condition.
    if (j->ItemKind <= 1 && !j->Table) return {};
    const std::string K = Toks(j, 0, TokCount(j), " ");
    TRk_Node* joined = j->ItemKind == 1 ? static_cast<TRk_Node*>(j->Table) : j->NestedJoin.get();
    std::string R = K + " " + IndentText(Pretty(joined), LastLineLength(K) + 1);
    if (!j->Condition) return R;
    TRk_Node* q = j->Condition->SourceNode;
    if (j->ConditionKind == 1) {
        R = EnsureLineBreak(R) + "  " + Tok(q, 0) + Tok(q, 1);
        R += At(R, Pretty(j->Condition)) + Tok(q, 2);
    } else if (j->ConditionKind == 2) {
        R = EnsureLineBreak(R) + "  " + Tok(q, 0);
        R += " " + IndentText(Pretty(j->Condition), LastLineLength(R) + 1);
    }
    return R;
}
