#include "parse/rksqlqueries.h"

#include <algorithm>

TRk_Node* RkWrapParens(TRk_Node* Query, TSourceToken* Open, TSourceToken* Close) {
    auto* q = static_cast<TRk_SelectStmt*>(Query);
    if (q == nullptr) return Query;
    TRkNodeTokens* own = &q->TokenList;
    const int32_t at = std::min(own->Count(), 2 * (q->ParenCount + q->InnerParenCount));
    if (Close) own->Insert(at, Close);
    if (Open) own->Insert(0, Open);
    ++q->ParenCount;
    return q;
}

void RkTakeInsertRest(TRk_InsertStmt* Insert, TRk_Node* Rest) {
    auto* rest = static_cast<TRkinsert_rest*>(Rest);
    Insert->InsertRest = rest;
    if (rest) {
        Insert->ValuesList = rest->ValuesList;
        Insert->ColumnList = rest->ColumnList;
        Insert->SubSelect = rest->SubSelect;
    }
}

TRkCustomExpression* RkQuantify(TRkCustomExpression* E, TRk_DummyNode* Quantifier) {
    if (E && Quantifier) {
        E->Modifier = static_cast<uint8_t>(Quantifier->Int1);
        E->QuantifierToken = Quantifier->Tok1;
    }
    return E;
}
