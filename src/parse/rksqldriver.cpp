#include "parse/rksqldriver.h"

#include <charconv>

#include "parse/rksqlconstraints.h"
#include "parse/rksqlqueries.h"

void TRkSqlActions::AddOwnToken(TRk_Node* Node, TSourceToken* Token) {
    if (Node != nullptr && Token != nullptr) Node->AppendOwnToken(Token, NodeArena());
}

void TRkSqlActions::AddOwnTokens(TRk_Node* Node, TRk_Node* From) {
    if (Node == nullptr || From == nullptr) return;
    for (TSourceToken* tok : From->TokenList) Node->AppendOwnToken(tok, NodeArena());
}

void TRkSqlActions::Sep(TRkVisitedAbs* Item, TSourceToken* Separator) {
    if (Item == nullptr) return;
    if (TRk_Node* n = Item->AsNode())
        n->SeparatorToken = Separator;
    else if (TSourceToken* tok = Item->AsToken())
        tok->SetSeparatorToken(Separator);
}

int32_t TRkSqlActions::IntOf(const TSourceToken* Token) {
    if (Token == nullptr) return 0;
    const std::string_view s = Token->GetText();
    int32_t v = 0;
    const char* b = s.data();
    const char* e = b + s.size();
    if (b != e && *b == '+') ++b;   // a leading sign converts as well
    const auto [p, ec] = std::from_chars(b, e, v);
    if (ec != std::errc() || p != e || b == e) return 0;
    return v;
}

void TRkSqlActions::SetRootOnce(TRk_Node* Node) {
    // Error recovery reduces an empty statement after a statement that had
    // already parsed whole; that must not take its tree away.
    if (RootNode == nullptr) RootNode = Node;
}


// ---- Nodes the grammars build alike ----------------------------------------

TRk_Node* TRkSqlActions::WrapParens(TRk_Node* Query, TSourceToken* Open, TSourceToken* Close) {
    return RkWrapParens(Query, Open, Close);
}

TRk_Attr* TRkSqlActions::DottedName(TSourceToken* First, TSourceToken* Dot, TRk_List* Tail) {
    auto* a = New<TRk_Attr>();
    a->NameToken = First;
    a->DotToken = Dot;
    a->NameParts = Tail;
    return a;
}

TRk_InsertStmt* TRkSqlActions::MakeInsert(TSourceToken* Insert, TSourceToken* Into, TRk_Node* Target,
                                          TRk_Node* Rest, TRk_Node* Returning) {
    auto* i = New<TRk_InsertStmt>();
    i->TargetTable = NC(Target);
    RkTakeInsertRest(i, Rest);
    i->ReturningClause = NC(Returning);
    Tk(i, Insert, Into);
    return i;
}

void TRkSqlActions::SetUpdateTargets(TRk_UpdateStmt* Update, TRk_List* Tables) {
    auto* only = Tables && Tables->Count() == 1 ? dynamic_cast<TRk_TableRef*>(Tables->GetNode(0)) : nullptr;
    if (only) Update->TargetTable = only;
    else Update->UpdateTables = Tables;
}

TRk_DeleteStmt* TRkSqlActions::MakeDelete(TRk_Node* Target, TRk_DummyNode* Where, TRk_Node* Returning,
                                          uint8_t FromOmitted) {
    auto* d = New<TRk_DeleteStmt>();
    d->TargetTable = NC(Target);
    d->WhereCondition = Where ? Where->Sub1 : nullptr;
    d->WhereClause = Where;
    d->ReturningClause = NC(Returning);
    d->FromOmitted = FromOmitted;
    return d;
}

TRkCustomExpression* TRkSqlActions::Quantified(TRkCustomExpression* E, TRk_Node* Quantifier) {
    return RkQuantify(E, static_cast<TRk_DummyNode*>(Quantifier));
}

TRkCustomExpression* TRkSqlActions::Paren(TSourceToken* Open, TRk_Node* Inner, TSourceToken* Close) {
    TRkCustomExpression* e = Ex(Expr_Parenthesis, nullptr, Inner, nullptr);
    Tk(e, Open, Close);
    return e;
}

TRkCustomExpression* TRkSqlActions::IdentExpr(TSourceToken* Token, bool OwnToken) {
    auto* i = New<TRk_Ident>();
    i->IdentToken = Token;
    if (OwnToken) Tk(i, Token);
    return Ex(Expr_Ident, nullptr, i, nullptr);
}

TRk_A_Const* TRkSqlActions::Const(uint8_t Kind, TSourceToken* Token) {
    auto* c = New<TRk_A_Const>();
    c->ConstKind = Kind;
    c->ValueToken = Token;
    Tk(c, Token);
    return c;
}

TRk_FuncCall* TRkSqlActions::Special(TSourceToken* Keyword, uint8_t Form) {
    auto* f = New<TRk_FuncCall>();
    f->KeywordToken = Keyword;
    f->CallForm = Form;
    return f;
}

TRk_FuncCall* TRkSqlActions::Call(TRk_Node* Name, TRk_List* Args) {
    auto* f = New<TRk_FuncCall>();
    f->NameAttr = static_cast<TRk_Attr*>(Name);
    f->ArgList = Args;
    return f;
}

TRk_TableRef* TRkSqlActions::TableRef(TRk_Node* Relation, TRk_Node* Alias) {
    auto* t = New<TRk_TableRef>();
    t->Source = Relation;
    t->Alias = static_cast<TRk_AliasClause*>(Alias);
    return t;
}

TRk_JoinExpr* TRkSqlActions::Join(uint8_t Kind, TRk_Node* Left, TRk_Node* Right, TRk_Node* Qual,
                                  TRk_DummyNode* Type) {
    auto* j = New<TRk_JoinExpr>();
    j->JoinType = Kind;
    j->LeftRef = Left;
    j->RightRef = Right;
    j->Qualification = static_cast<TRk_joinqual*>(Qual);
    j->JoinTypeClause = Type;
    return j;
}

TRk_AliasClause* TRkSqlActions::Alias(TSourceToken* As, TSourceToken* Name, TRk_List* Parts, bool MarkAlias) {
    auto* a = New<TRk_AliasClause>();
    a->AliasToken = Name;
    if (MarkAlias && Name != nullptr) Name->DbObjKind = okAlias;
    a->NameParts = Parts;
    a->HasAs = As != nullptr ? 1 : 0;
    Tk(a, As);
    return a;
}

TRk_DummyNode* TRkSqlActions::KindNode(int32_t Code, TSourceToken* T1, TSourceToken* T2) {
    auto* h = Holder();
    h->Int1 = Code;
    h->Tok1 = T1;
    h->Tok2 = T2;
    return h;
}

TRk_alterTableStmt* TRkSqlActions::AlterTable(TSourceToken* Alter, TSourceToken* Table, TRk_Node* Name,
                                              TRk_List* EnableDisable) {
    auto* a = New<TRk_alterTableStmt>();
    a->AlterToken = Alter;
    a->TableToken = Table;
    a->TableName = Name;
    a->EnableDisableList = EnableDisable;
    return a;
}

TRkColumnDef* TRkSqlActions::ColumnDef(TSourceToken* Name, TRk_TypeName* Type, TRk_List* Constraints) {
    auto* c = New<TRkColumnDef>();
    c->ColumnNameToken = Name;
    c->SetDataType(Type);
    c->ConstraintNodes = Constraints;
    Tk(c, Name);
    return c;
}

TRk_CreateViewSqlStatement* TRkSqlActions::MakeView(uint8_t OrReplace, TRk_DummyNode* Force, TRk_Attr* Name,
                                                    TRk_DummyNode* Columns, TRk_Node* Query,
                                                    TRk_DummyNode* Restriction) {
    auto* v = New<TRk_CreateViewSqlStatement>();
    v->OrReplace = OrReplace;
    v->ForceKind = static_cast<uint8_t>(Force->Int1);
    v->ForceToken = Force->Tok1;
    v->ViewName = Name;
    v->ColumnList = Columns->List1;
    v->ColumnListNode = Columns;
    v->Query = Query;
    v->Restriction = Restriction->Int1;
    v->RestrictionNode = Restriction;
    v->RestrictionConstraintToken = Restriction->Str1Token;
    return v;
}

TRkConstraint* TRkSqlActions::Constraint(uint8_t SeparatorFollows, uint8_t Type) {
    auto* c = New<TRkConstraint>();
    c->SeparatorFollows = SeparatorFollows;
    c->ConstraintType = Type;
    return c;
}

TRk_Node* TRkSqlActions::Named(TRk_Node* Constraint, TSourceToken* ConstraintToken, TSourceToken* Name) {
    return RkNameConstraint(Constraint, ConstraintToken, Name);
}

TRkConstraintRefClause* TRkSqlActions::RefClause(TSourceToken* References, TRk_Attr* Table, TRk_DummyNode* Columns,
                                                 TRk_DummyNode* Match, TRk_DummyNode* Actions) {
    auto* r = New<TRkConstraintRefClause>();
    Tk(r, References);
    RkFillRefClause(r, Table, Columns, Match, Actions);
    return r;
}

TRk_DummyNode* TRkSqlActions::RefActions(int32_t Presence, TRk_DummyNode* First, TRk_DummyNode* Second) {
    auto* h = Holder();
    h->Int1 = Presence;
    RkOrderRefActions(h, First, Second);
    return h;
}

TRk_TypeName* TRkSqlActions::TypeName(uint8_t Form, TSourceToken* Keyword, TRk_DummyNode* Params) {
    auto* t = New<TRk_TypeName>();
    t->TypeForm = Form;
    t->TypeNameToken = Keyword;
    Tk(t, Keyword);
    if (Params) {
        t->Param1 = Params->Int1;
        t->Param2 = Params->Int2;
        AddOwnTokens(t, Params);
    }
    return t;
}

TRk_TypeName* TRkSqlActions::CharType(TRk_Node* Keyword, TSourceToken* Open, TSourceToken* Length,
                                      TSourceToken* Close) {
    // The keyword lives in its node (kept as the type node) and in the
    // token list, not in the name token.
    auto* t = New<TRk_TypeName>();
    auto* k = static_cast<TRk_DummyNode*>(Keyword);
    t->TypeNode = k;
    t->TypeForm = static_cast<uint8_t>(k->Int1);
    AddOwnTokens(t, k);
    if (Length != nullptr) t->Param1 = IntOf(Length);
    Tk(t, Open, Length, Close);
    return t;
}

TRk_DummyNode* TRkSqlActions::Precision(TSourceToken* Open, TSourceToken* P, TSourceToken* Comma, TSourceToken* S,
                                        TSourceToken* Close) {
    auto* h = Holder();
    h->Int1 = IntOf(P);
    if (S) h->Int2 = IntOf(S);
    Tk(h, Open, P, Comma, S, Close);
    return h;
}
