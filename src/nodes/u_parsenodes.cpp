#include "nodes/u_parsenodes.h"

#include "formatter/rkbasetype.h"
#include "nodes/rkexceptions.h"
#include "nodes/u_nodes_generic.h"

TRk_SelectStmt::TRk_SelectStmt() { NodeKind = 170; }
TRk_ResTarget::TRk_ResTarget() { NodeKind = 159; }
TRk_TableRef::TRk_TableRef() { NodeKind = 174; }
TRk_joinqual::TRk_joinqual() { NodeKind = 60; }
TRk_for_update_clause::TRk_for_update_clause() { NodeKind = 47; }
TRk_InsertStmt::TRk_InsertStmt() { NodeKind = 57; }
TRkinsert_rest::TRkinsert_rest() { NodeKind = 0; }
TRk_UpdateStmt::TRk_UpdateStmt() { NodeKind = 180; }
TRk_DeleteStmt::TRk_DeleteStmt() { NodeKind = 32; }
TRk_CreateTableStmt::TRk_CreateTableStmt() { NodeKind = 21; }
TRk_CreateIndexSqlStatement::TRk_CreateIndexSqlStatement() { NodeKind = 23; }
TRk_CreateViewSqlStatement::TRk_CreateViewSqlStatement() { NodeKind = 22; }
TRk_DropTableStmt::TRk_DropTableStmt() { NodeKind = 38; }
TRk_DropIndexSqlStatement::TRk_DropIndexSqlStatement() { NodeKind = 39; }
TRk_DropViewSqlStatement::TRk_DropViewSqlStatement() { NodeKind = 40; }
TRk_alterTableStmt::TRk_alterTableStmt() { NodeKind = 8; }

TRk_MergeStmt::TRk_MergeStmt()
    : MatchedPart(CreateNodeOfClass<TRk_DummyNode>()),
      NotMatchedPart(CreateNodeOfClass<TRk_DummyNode>()),
      OnPart(CreateNodeOfClass<TRk_DummyNode>()) {
    NodeKind = 33;
}
TRk_MergeStmt::~TRk_MergeStmt() = default;

// ---------------------------------------------------------------------------
// TRk_A_Const

TRk_A_Const::TRk_A_Const() { NodeKind = 4; }

namespace {

bool IsIntervalKind(uint8_t K) { return K >= 104 && K <= 109; }

std::string JoinFormatted(TRk_Node* Node) {
    std::string s;
    for (int32_t i = 0; i < OwnTokCount(Node); ++i) {
        if (i > 0) s += Blank();
        s += FormattedText(Node->TokenList->GetToken(i));
    }
    return s;
}

}  // namespace

// A DATE literal and a bind variable with INDICATOR keep every own token in
// their text: the value token (the date string, the indicator) is part of
// what was written.
void TRk_A_Const::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    switch (ConstKind) {
        case 68: case 69:
            if (OwnTokCount(this) >= 2) {
                AcceptOwnTok(this, 0, V);
                AcceptOwnTok(this, 1, V);
            }
            break;
        case 12: case 103: case 104: case 105: case 106: case 107: case 108: case 109:
            AcceptOwnToks(this, V);
            break;
        case 48: case 55: case 64: case 67: case 172:
            if (OwnTokCount(this) > 0) AcceptOwnTok(this, 0, V);
            break;
        default:
            break;
    }
    V.PostVisit(this);
}

std::string TRk_A_Const::GetPrettyText() {
    if (ConstKind == 68 || ConstKind == 69 || ConstKind == 12 || ConstKind == 103 ||
        IsIntervalKind(ConstKind))
        return JoinFormatted(this);
    switch (ConstKind) {
        case 48: case 55: case 64: case 67: case 172:
            return FormattedText(OwnToken(0));
        default:
            return std::string();
    }
}

// ---------------------------------------------------------------------------
// TRk_Ident

TRk_Ident::TRk_Ident() { NodeKind = 54; }

void TRk_Ident::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    AcceptPart(IdentToken, V);
    V.PostVisit(this);
}

std::string TRk_Ident::GetPrettyText() { return FormattedText(IdentToken); }

bool TRk_Ident::IsColumnToken() const { return IdentToken && IdentToken->DbObjKind == okField; }

void TRk_Ident::MarkAsColumn() {
    if (IdentToken && IdentToken->DbObjKind == okUnknown && IdentToken->TokenType != ttAtVar)
        IdentToken->DbObjKind = okField;
}

// ---------------------------------------------------------------------------
// TRk_SortGroupBy

TRk_SortGroupBy::TRk_SortGroupBy() { NodeKind = 166; }

bool TRk_SortGroupBy::HasNulls() const { return NullsClause && NullsClause->Int1 != 0; }

void TRk_SortGroupBy::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    if (SortExpr && SortExpr->NodeKind != 170) SortExpr->Accept(&V);
    AcceptPart(SortToken, V);
    AcceptPart(UsingOperator, V);
    if (HasNulls()) {
        AcceptOwnTok(NullsClause, 0, V);
        AcceptOwnTok(NullsClause, 1, V);
    }
    V.PostVisit(this);
}

std::string TRk_SortGroupBy::GetPrettyText() {
    std::string s;
    if (SortExpr && SortExpr->NodeKind != 170) s = SortExpr->GetPrettyText();
    if (SortToken) s += " " + FormattedText(SortToken);
    if (UsingOperator) s += " " + FormattedText(UsingOperator);
    if (HasNulls())
        s += " " + FormattedText(NullsClause->OwnToken(0)) + " " +
             FormattedText(NullsClause->OwnToken(1));
    return s;
}

// ---------------------------------------------------------------------------
// TRk_hierarchial_query_clause

TRk_hierarchial_query_clause::TRk_hierarchial_query_clause() { NodeKind = 53; }

void TRk_hierarchial_query_clause::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    TRk_Node* first = StartWithFirst ? StartWithCondition : ConnectByCondition;
    TRk_Node* second = StartWithFirst ? ConnectByCondition : StartWithCondition;
    AcceptOwnTok(this, 0, V);
    AcceptOwnTok(this, 1, V);
    AcceptPart(first, V);
    if (OwnTokCount(this) > 2) {
        AcceptOwnTok(this, 2, V);
        AcceptOwnTok(this, 3, V);
        AcceptPart(second, V);
    }
    V.PostVisit(this);
}

std::string TRk_hierarchial_query_clause::GetPrettyText() {
    TRk_Node* first = StartWithFirst ? StartWithCondition : ConnectByCondition;
    TRk_Node* second = StartWithFirst ? ConnectByCondition : StartWithCondition;
    std::string R = FormattedText(OwnToken(0)) + " " + FormattedText(OwnToken(1));
    R = R + " " + IndentText(ItemPrettyText(first), static_cast<int32_t>(R.size()) + 1);
    if (OwnTokCount(this) > 2) {
        R = EnsureLineBreak(R) + FormattedText(OwnToken(2));
        R = R + " " + FormattedText(OwnToken(3));
        R = R + " " + IndentText(ItemPrettyText(second), LastLineLength(R) + 1);
    }
    return R;
}

void TRk_hierarchial_query_clause::AppendPrettyTextTo(TRk_Node* Target) {
    if (Target) Target->PrettyBuffer() += PrettyBuffer();
}

// ---------------------------------------------------------------------------
// TRk_SelectLimitClause

TRk_SelectLimitClause::TRk_SelectLimitClause() { NodeKind = 164; }

// No PreVisit or PostVisit of its own: the walk goes straight to the tokens,
// LIMIT first (a grammar that keeps it apart sets LimitKeyword).
void TRk_SelectLimitClause::DoAccept(TRkVisitorAbs& V) {
    AcceptPart(LimitKeyword, V);
    if (OffsetKeyword) {
        AcceptPart(RowCount, V);
        AcceptPart(OffsetKeyword, V);
        AcceptPart(OffsetValue, V);
    } else {
        if (OffsetValue) {
            AcceptPart(OffsetValue, V);
            AcceptPart(CommaToken, V);
        }
        AcceptPart(RowCount, V);
    }
}

std::string TRk_SelectLimitClause::GetPrettyText() {
    if (OffsetKeyword)
        return FormattedText(RowCount) + " " + FormattedText(OffsetKeyword) + " " +
               FormattedText(OffsetValue);
    std::string s;
    if (OffsetValue) s = FormattedText(OffsetValue) + FormattedText(CommaToken);
    return s + FormattedText(RowCount);
}

// ---------------------------------------------------------------------------
// TRk_MssqlCompute

TRk_MssqlCompute::TRk_MssqlCompute() { NodeKind = 71; }

void TRk_MssqlCompute::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    AcceptOwnTok(this, 0, V);
    if (ComputeList) {
        for (int32_t i = 0; i < ComputeList->Count(); ++i) {
            TRk_Node* item = ComputeList->GetNode(i);
            if (i > 0) AcceptPart(ItemSeparator(item), V);
            auto* holder = dynamic_cast<TRk_DummyNode*>(item);
            if (!holder) continue;
            AcceptPart(holder->Tok1, V);
            AcceptOwnTok(holder, 0, V);
            AcceptPart(holder->Sub1, V);
            AcceptOwnTok(holder, 1, V);
        }
    }
    if (ByList) {
        AcceptOwnTok(this, 1, V);
        AcceptNodeList(ByList, &V);
    }
    V.PostVisit(this);
}

// The aggregates (name "(" argument ")") joined by commas, then the BY list;
// each piece continues at the column where the text before it ends.
std::string TRk_MssqlCompute::Layout(bool Pretty) {
    std::string A;
    const int32_t n = ComputeList ? ComputeList->Count() : 0;
    for (int32_t i = 0; i < n; ++i) {
        auto* holder = dynamic_cast<TRk_DummyNode*>(ComputeList->GetNode(i));
        if (!holder) continue;
        const std::string name = Pretty ? FormattedText(holder->Tok1)
                                        : (holder->Tok1 ? std::string(holder->Tok1->GetText()) : std::string());
        const std::string open = Pretty ? FormattedText(holder->OwnToken(0)) : "(";
        const std::string close = Pretty ? FormattedText(holder->OwnToken(1)) : ")";
        const std::string piece =
            name + open + IndentText(ItemPrettyText(holder->Sub1), LastLineLength(name) + 1) + close;
        if (i > 0) A += Pretty ? FormattedText(holder->SeparatorToken) : ",";
        A += IndentAfter(A, piece);
    }
    if (!ByList) return A;
    std::string B;
    for (int32_t i = 0; i < ByList->Count(); ++i) {
        TRkVisitedAbs* item = ByList->GetItem(i);
        if (i > 0) B += Pretty ? FormattedText(ItemSeparator(item)) : ",";
        B += IndentAfter(B, ItemPrettyText(item));
    }
    const std::string by = Pretty ? FormattedText(OwnToken(1)) : "by";
    return A.empty() ? by + " " + B : A + " " + by + " " + B;
}

std::string TRk_MssqlCompute::AsText() {
    if (!TextOverride().empty()) return TextOverride();
    return Layout(false);
}

std::string TRk_MssqlCompute::GetPrettyText() { return Layout(true); }

// ---------------------------------------------------------------------------

void InsertSelectOptions(TRk_SelectStmt* Stmt, TRk_List* OrderBy, TRk_for_update_clause* ForUpdate,
                         TRk_SelectLimitClause* Limit, TRk_Node* /*Unused*/) {
    if (!Stmt) return;
    if (OrderBy) {
        if (Stmt->SortList) throw ERkError("Multiple ORDER BY clauses not allowed");
        Stmt->SortList = OrderBy;
    }
    if (ForUpdate) {
        if (Stmt->ForUpdateClause) throw ERkError("Multiple FOR UPDATE clauses not allowed");
        Stmt->ForUpdateClause = ForUpdate;
    }
    if (Limit) Stmt->LimitClause = Limit;
}
