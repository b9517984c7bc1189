#include "parse/rksqlconstraints.h"

#include <string>

TRk_Node* RkNameConstraint(TRk_Node* Constraint, TSourceToken* ConstraintToken, TSourceToken* Name) {
    auto* c = static_cast<TRkConstraint*>(Constraint);
    if (c) {
        c->ConstraintToken = ConstraintToken;
        c->NameToken = Name;
    }
    return c;
}

void RkFillRefClause(TRkConstraintRefClause* Clause, TRk_Attr* Table, TRk_DummyNode* Columns,
                     TRk_DummyNode* Match, TRk_DummyNode* Actions) {
    Clause->RefTable = Table;
    Clause->RefColumns = Columns ? Columns->List1 : nullptr;
    Clause->RefColumnsNode = Columns;
    Clause->SetFlag1(Match ? Match->Int1 : 0);
    Clause->MatchClause = Match;
    Clause->SetFlag2(Actions ? Actions->Int1 : 0);
    Clause->ActionsClause = Actions;
    // The low bytes: an action that is not written (-9999) gives 241.
    Clause->SetFlag3(static_cast<uint8_t>((Actions ? Actions->Int2 : -9999) & 0xFF));
    Clause->SetFlag4(static_cast<uint8_t>((Actions ? Actions->Int3 : -9999) & 0xFF));
}

void RkOrderRefActions(TRk_DummyNode* Holder, TRk_DummyNode* First, TRk_DummyNode* Second) {
    if (First) {
        Holder->Tok1 = First->Tok3;
        Holder->Tok2 = First->Tok4;
        Holder->Tok3 = First->Tok1;
        Holder->Tok4 = First->Tok2;
    }
    if (Second) {
        Holder->Tok5 = Second->Tok3;
        Holder->Tok6 = Second->Tok4;
        Holder->Tok7 = Second->Tok1;
        Holder->Tok8 = Second->Tok2;
    }
}
