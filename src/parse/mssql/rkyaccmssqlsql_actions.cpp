// Node-building helpers of the SQL Server grammar's actions.
#include "parse/mssql/rkyaccmssqlsql_actions.h"

#include <algorithm>

#include "parse/mssql/mssqlsqlstatement.h"
#include "parse/mssql/mssqltokens.h"
#include "parse/rksqlconstraints.h"
#include "parse/rksqlqueries.h"
#include "statementstructure/sqlstatement_select.h"

// ---- Script and statement wrappers ---------------------------------------

_TMssqlStmt* TRkMssqlSqlActions::WrapStmt(TRk_Node* Inner, TSqlStatementType Type) {
    auto* w = New<_TMssqlStmt>();
    w->InnerNode = Inner;
    if (OnGetRawSqlStatement) OnGetRawSqlStatement(w, Type, StatementStartPos, StatementEndPos);
    StatementStartPos = StatementEndPos + 1;
    return w;
}

void TRkMssqlSqlActions::AddScriptItem(TRk_Node* Item, TSourceToken* Semicolon) {
    if (Item != nullptr) Item->SetEndPos(StatementEndPos);
    StatementStartPos = StatementEndPos + 1;
    if (Semicolon != nullptr) SetLastTerminator(Semicolon);
    ResultList.push_back(Item);
}

void TRkMssqlSqlActions::SetLastTerminator(TSourceToken* Semicolon) {
    if (ResultList.empty()) return;
    if (auto* w = dynamic_cast<_TMssqlStmt*>(ResultList.back())) w->TerminatorToken = Semicolon;
}

void TMssqlRawNesting::FeedCase(int Code) {
    if (Code == mssqltok::RW_CASE) ++Cases;
    else if (Code == mssqltok::RW_END && Cases > 0) --Cases;
}

void TMssqlRawNesting::Feed(int Code) {
    if (Code == '(') ++Parens;
    else if (Code == ')') --Parens;
    else FeedCase(Code);
}

bool TMssqlRawNesting::EndsBefore(int Code) const {
    return Outside() && (Code == mssqltok::RW_END || Code == mssqltok::RW_ELSE);
}

bool TRkMssqlSqlActions::IsGoLine(int32_t Index) const {
    if (TokenList == nullptr) return false;
    const TSourceToken* go = TokenList->TokenAt(Index);
    return go != nullptr && go->TokenCode == mssqltok::RW_GO && StartsLine(Index, false);
}

bool TRkMssqlSqlActions::StartsLine(int32_t Index, bool PastComments) const {
    if (TokenList == nullptr || TokenList->TokenAt(Index) == nullptr) return false;
    for (int32_t i = Index - 1; i >= 0; --i) {
        const TSourceToken* t = TokenList->TokenAt(i);
        if (t->TokenType == ttLineBreak) return true;
        if (t->TokenType != ttBlanks && !(PastComments && t->TokenType == ttBlockComment)) return false;
    }
    return true;
}

int32_t TRkMssqlSqlActions::ReadIndex(const TSourceToken* T) const {
    if (TokenList == nullptr) return -1;
    return TokenList->TokenAt(TokenPos - 1) == T ? TokenPos - 1 : TokenList->IndexOf(T);
}

void TRkMssqlSqlActions::UnreadToken(TSourceToken* T) {
    if (TokenPos > 0 && TokenList != nullptr && TokenList->TokenAt(TokenPos - 1) == T)
        --TokenPos;
    else
        PushedBackToken = T;
}

_TMssqlStmt* TRkMssqlSqlActions::ErrorStmt() {
    auto* w = New<_TMssqlStmt>();
    _TMssqlDummyStmt* d = DummyStmt(mnkErrorStmt);
    ErrorStatementNode = d;
    w->InnerNode = d;
    // The rest of the line, its line break included; but an END or an ELSE
    // outside parentheses is left to the statement around: swallowed, it
    // would leave a block or an IF open and hide every later statement.  A
    // ";" ends the statement, read into it: a ";" of its own would be one
    // more error inside a block.  A CASE opened before the error keeps its
    // END and ELSE.  A GO line is never read: it ends the batch.
    if (StatementStartPos >= 0) StatementStartPos = std::max(StatementStartPos, ErrorStartFloor);
    const bool spanParens = ErrorSpansParens;
    ErrorSpansParens = false;
    const TSourceToken* endsBefore = ErrorEndsBefore;
    ErrorEndsBefore = nullptr;
    TMssqlRawNesting nesting;
    if (TokenList != nullptr)
        for (int32_t i = std::max<int32_t>(StatementStartPos, 0); i < TokenPos && i < TokenList->Count(); ++i) {
            const int code = TokenList->TokenAt(i)->TokenCode;
            if (spanParens) nesting.Feed(code);
            else nesting.FeedCase(code);
        }
    TSourceToken* t = nullptr;
    for (;;) {
        t = GetNextToken(false);
        if (t == nullptr) break;
        const int code = t->TokenCode;
        if (t == endsBefore || nesting.EndsBefore(code) || (code == mssqltok::RW_GO && IsGoLine(ReadIndex(t)))) {
            UnreadToken(t);
            break;
        }
        CurToken = t;
        nesting.Feed(code);
        if (nesting.EndsWith(code)) break;
        if (t->TokenType == ttLineBreak && !(spanParens && nesting.Parens > 0)) break;
    }
    StatementEndPos = TokenPos - 1;
    if (StatementStartPos >= 0 && TokenList != nullptr) {
        const TSourceTokenSpan items = TokenList->Items();
        const int32_t last = std::min<int32_t>(TokenPos - 1, static_cast<int32_t>(items.size()) - 1);
        for (int32_t i = StatementStartPos; i <= last; ++i) d->StmtTokens->Add(items[static_cast<size_t>(i)]);
    }
    if (OnGetRawSqlStatement) OnGetRawSqlStatement(w, sstUnknown, StatementStartPos, StatementEndPos);
    StatementStartPos = TokenPos;
    if (t == nullptr) yyflag = 1;
    return w;
}

// ---- Control of flow and batch elements ----------------------------------

_TMssqlDummyStmt* TRkMssqlSqlActions::DummyStmt(uint8_t Kind) {
    auto* d = New<_TMssqlDummyStmt>();
    d->NodeKind = Kind;
    return d;
}

_TMssqlDummyStmt* TRkMssqlSqlActions::WrittenStmt(TSourceToken* First, TSourceToken* Last) {
    auto* d = New<_TMssqlDummyStmt>();
    TSourceTokenList* L = First && Last ? First->GetOwnerList() : nullptr;
    if (!L || L != Last->GetOwnerList()) return d;
    for (int32_t i = First->PosInList; i <= Last->PosInList; ++i) d->StmtTokens->Add(L->TokenAt(i));
    return d;
}

TRk_Node* TRkMssqlSqlActions::Fetch(TSourceToken* FetchToken, TRk_Node* Direction, TSourceToken* Global,
                                    TSourceToken* Name, bool NameIsOwnToken, TRk_Node* Into) {
    auto* f = New<_TMssqlFetch>();
    f->Direction = Direction;
    f->CursorName = Name;
    f->IsGlobal = Global != nullptr ? 1 : 0;
    f->IntoNode = Into;
    Tk(f, FetchToken, Global);
    if (NameIsOwnToken) Tk(f, Name);
    return f;
}

TRk_Node* TRkMssqlSqlActions::CursorStmt(uint8_t Kind, TSourceToken* Keyword, TSourceToken* Global,
                                         TSourceToken* Name, bool NameIsOwnToken) {
    _TMssqlDummyStmt* d = DummyStmt(Kind);
    d->CursorName = Name;
    d->IsGlobal = Global != nullptr ? 1 : 0;
    Tk(d, Keyword, Global);
    if (NameIsOwnToken) Tk(d, Name);
    return d;
}

TRk_Node* TRkMssqlSqlActions::Execute(TSourceToken* Keyword, TSourceToken* Status, TSourceToken* Equal,
                                      TRk_Node* Module, TRk_List* Params, TSourceToken* With,
                                      TSourceToken* Recompile) {
    auto* e = New<_TMssqlExecute>();
    e->ExecToken = Keyword;
    e->ReturnStatus = Status;
    e->EqualToken = Equal;
    e->ModuleName = Module;
    e->Params = Params;
    e->WithToken = With;
    e->RecompileToken = Recompile;
    return e;
}

TRk_Node* TRkMssqlSqlActions::ExecuteString(TSourceToken* Keyword, TSourceToken* Open, TRk_List* Parts,
                                            TSourceToken* Close) {
    auto* e = New<_TMssqlExecute>();
    e->IsStringExec = 1;
    e->ExecToken = Keyword;
    e->Params = Parts;
    Tk(e, Open, Close);
    return e;
}

TRk_Node* TRkMssqlSqlActions::BeginTran(TSourceToken* Begin, TSourceToken* Tran, TRk_Node* Name) {
    _TMssqlDummyStmt* d = DummyStmt(mnkBeginTran);
    Tk(d, Begin, Tran);
    AddOwnTokens(d, Name);
    return d;
}

TRk_Node* TRkMssqlSqlActions::DeclareCursor(TSourceToken* Declare, TSourceToken* Name, TSourceToken* Option,
                                            TSourceToken* Cursor, TRk_List* Options, TSourceToken* For,
                                            TRk_Node* Query) {
    auto* d = New<_TMssqlDeclare>();
    d->CursorName = Name;
    d->CursorOption = Option;
    d->CursorOptions = Options;
    d->Kind = 2;
    d->Query = Query;
    Tk(d, Declare, Cursor, For);
    return d;
}

TRk_Node* TRkMssqlSqlActions::IfElse(TSourceToken* Keyword, TRk_Node* Condition, TRk_Node* Then,
                                     TSourceToken* ElseToken, TRk_Node* Else, uint8_t IsLoop) {
    auto* i = New<_TMssqlIfElse>();
    i->Condition = Condition;
    i->ThenStmt = static_cast<_TMssqlStmt*>(Then);
    i->ElseStmt = static_cast<_TMssqlStmt*>(Else);
    i->HasElse = Else != nullptr ? 1 : 0;
    i->IsLoop = IsLoop;
    Tk(i, Keyword, ElseToken);
    return i;
}

_TMssqlCreateProcedure* TRkMssqlSqlActions::Procedure(TSourceToken* CreateOrAlter, TSourceToken* ProcToken,
                                                      TRk_Node* Name, TRk_Node* Options, TRk_Node* Replication,
                                                      TRk_List* Body, uint8_t HasParens, TSourceToken* Number,
                                                      TRk_List* Params) {
    auto* p = New<_TMssqlCreateProcedure>();
    p->CreateToken = CreateOrAlter;
    p->ProcToken = ProcToken;
    p->Name = Name;
    p->OptionCode = Options != nullptr ? D(Options)->Int1 : MssqlOptNone;
    p->OptionNode = Options;
    p->ForReplication = Replication != nullptr ? D(Replication)->Int1 : 0;
    p->ReplicationNode = Replication;
    p->BodyList = Body;
    p->HasParens = HasParens;
    p->ProcNumber = Number;
    p->Params = Params;
    return p;
}

_TMssqlCreateFunction* TRkMssqlSqlActions::Function(TSourceToken* CreateOrAlter, TRk_Node* Name, TRk_List* Params,
                                                    TRk_Node* ReturnType, int32_t ReturnKind, TRk_Node* Options,
                                                    TSourceToken* As, TRk_Node* Body, int32_t BodyKind) {
    auto* f = New<_TMssqlCreateFunction>();
    f->CreateToken = CreateOrAlter;
    f->Name = Name;
    f->Params = Params;
    f->ReturnType = ReturnType;
    f->ReturnKind = ReturnKind;
    f->OptionCode = Options != nullptr ? D(Options)->Int1 : MssqlOptNone;
    f->OptionNode = Options;
    f->AsToken = As;
    f->Body = Body;
    f->BodyKind = BodyKind;
    return f;
}

TRk_Node* TRkMssqlSqlActions::DeclExpr(TSourceToken* Varying, TSourceToken* Equal, TRk_Node* Default,
                                       TSourceToken* Output) {
    auto* e = New<_TMssql_opt_declaration_expr>();
    e->DefaultExpr = Default;
    e->IsVarying = Varying != nullptr ? 1 : 0;
    e->IsOutput = Output != nullptr ? 1 : 0;
    e->EqualToken = Equal;
    // The "=" is a field only; the walk reads VARYING first and OUTPUT last.
    Tk(e, Varying, Output);
    return e;
}

TRk_Node* TRkMssqlSqlActions::TranStmt(uint8_t Kind, int32_t Form, TSourceToken* Keyword, TSourceToken* Second,
                                       TSourceToken* Name) {
    _TMssqlDummyStmt* d = DummyStmt(Kind);
    d->FormCode = Form;
    d->TranName = Name;
    Tk(d, Keyword, Second);
    return d;
}

// ---- Queries ------------------------------------------------------------------

TRk_Node* TRkMssqlSqlActions::SelectOptions(TRk_Node* Query, TRk_Node* OrderBy, TRk_Node* Compute,
                                            TRk_Node* ForUpdate) {
    auto* q = Sel(Query);
    if (q == nullptr) return Query;
    InsertSelectOptions(q, OrderBy != nullptr ? D(OrderBy)->List1 : nullptr,
                        static_cast<TRk_for_update_clause*>(ForUpdate), nullptr);
    if (Compute != nullptr) q->ComputeClause = static_cast<TRk_MssqlCompute*>(Compute);
    q->InnerParenCount = q->ParenCount;
    q->ParenCount = 0;
    if (OrderBy != nullptr) q->OrderByClause = OrderBy;
    return q;
}

TRk_Node* TRkMssqlSqlActions::SetOperation(uint8_t Kind, TSourceToken* Operator, TRk_Node* Left, TRk_Node* Right,
                                           TSourceToken* All) {
    TRk_SelectStmt* s = MakeSelectNode(Kind, Operator, Left, Right);
    s->SetAllToken = All;
    return s;
}

TRk_Node* TRkMssqlSqlActions::Distinct(uint8_t Kind, TSourceToken* Keyword, TSourceToken* On, TSourceToken* Open,
                                       TSourceToken* Close) {
    auto* d = New<TRk_SelectDistinct>();
    d->DistinctKind = Kind;
    d->KeywordToken = Keyword;
    Tk(d, Keyword, On, Open, Close);
    return d;
}

TRk_Node* TRkMssqlSqlActions::Top(TSourceToken* TopToken, TSourceToken* Number, TSourceToken* Percent,
                                  TSourceToken* With, TSourceToken* Ties) {
    auto* t = New<TRkTopClause>();
    t->NumberToken = Number;
    t->Setpercent(Percent != nullptr ? 1 : 0);
    t->Setwithties(With != nullptr ? 1 : 0);
    Tk(t, TopToken, Percent, With, Ties);
    return t;
}

TRk_Node* TRkMssqlSqlActions::Compute(TSourceToken* ComputeToken, TSourceToken* By, TRk_List* Functions,
                                      TRk_List* ByList) {
    auto* c = New<TRk_MssqlCompute>();
    c->ComputeList = Functions;
    c->ByList = ByList;
    Tk(c, ComputeToken, By);
    return c;
}

TRk_Node* TRkMssqlSqlActions::ComputeFunc(TSourceToken* Name, TSourceToken* Open, TRk_Node* Arg,
                                          TSourceToken* Close) {
    TRk_DummyNode* d = Holder();
    d->Sub1 = Arg;
    d->Tok1 = Name;
    Tk(d, Open, Close);
    return d;
}

TRk_Node* TRkMssqlSqlActions::ForUpdate(int32_t Kind, TRk_List* Columns, TRk_Node* Wait, TSourceToken* T1,
                                        TSourceToken* T2, TSourceToken* T3) {
    auto* f = New<TRk_for_update_clause>();
    f->ForUpdateKind = Kind;
    f->ColumnList = Columns;
    f->WaitOption = Wait;
    Tk(f, T1, T2, T3);
    return f;
}

TRk_Node* TRkMssqlSqlActions::TableArgs(TRk_Node* Name, TSourceToken* Open, TRk_List* Args, TSourceToken* Close,
                                        TRk_Node* Alias) {
    TRk_TableRef* t = TableRef(Name, Alias);
    t->ColumnList = Args;
    t->HasColumnList = 1;
    t->NoColumnList = 0;
    Tk(t, Open, Close);
    return t;
}

TRk_Node* TRkMssqlSqlActions::JoinType(int32_t Code, TSourceToken* Keyword, TRk_Node* Outer) {
    TRk_DummyNode* d = Slot(D(Outer)->Int1 + Code);
    d->Tok1 = Keyword;
    d->Tok2 = D(Outer)->Tok1;
    return d;
}

TRk_Node* TRkMssqlSqlActions::Insert(TSourceToken* InsertToken, TSourceToken* Into, TRk_Node* Target,
                                     TRk_Node* Rest, TRk_Node* Returning) {
    auto* i = New<TRk_InsertStmt>();
    auto* rest = static_cast<TRkinsert_rest*>(Rest);
    i->TargetTable = static_cast<TRk_TableRef*>(Target);
    i->InsertRest = rest;
    if (rest != nullptr) {
        i->ValuesList = rest->ValuesList;
        i->ColumnList = rest->ColumnList;
        i->SubSelect = rest->SubSelect;
        i->ExecuteClause = rest->ExecuteClause;
    }
    i->ErrorLogClause = nullptr;
    i->ReturningClause = static_cast<TRkReturningClause*>(Returning);
    i->HasInto = Into != nullptr ? 1 : 0;
    Tk(i, InsertToken, Into);
    return i;
}

TRk_Node* TRkMssqlSqlActions::Update(TSourceToken* UpdateToken, TRk_List* Targets, TSourceToken* Set,
                                     TRk_List* SetList, TRk_Node* From, TRk_Node* Where, TRk_Node* Returning) {
    auto* u = New<TRk_UpdateStmt>();
    // Several targets or a joined one are kept whole, so that their words
    // print.
    SetUpdateTargets(u, Targets);
    u->SetList = SetList;
    u->FromList = D(From)->List1;
    u->FromClause = From;
    u->WhereCondition = D(Where)->Sub1;
    u->WhereClause = Where;
    u->ReturningClause = static_cast<TRkReturningClause*>(Returning);
    Tk(u, UpdateToken, Set);
    return u;
}

TRk_Node* TRkMssqlSqlActions::Delete(TSourceToken* DeleteToken, TSourceToken* From, TRk_Node* Target,
                                     TRk_Node* FromClause, TRk_Node* Where, TRk_Node* Returning) {
    auto* d = New<TRk_DeleteStmt>();
    d->TargetTable = static_cast<TRk_TableRef*>(Target);
    d->FromList = D(FromClause)->List1;
    d->FromClause = FromClause;
    d->WhereCondition = D(Where)->Sub1;
    d->WhereClause = Where;
    d->ReturningClause = static_cast<TRkReturningClause*>(Returning);
    d->UsingClause = nullptr;
    d->FromOmitted = From != nullptr ? 0 : 1;
    Tk(d, DeleteToken, From);
    return d;
}

TRk_Node* TRkMssqlSqlActions::ResTarget(TRk_Node* Value, TRk_Node* Alias) {
    auto* r = New<TRk_ResTarget>();
    r->ValueExpr = Value;
    r->AliasClause = static_cast<TRk_AliasClause*>(Alias);
    r->HasAlias = Alias != nullptr ? 1 : 0;
    return r;
}

// ---- Expressions, names and calls ----------------------------------------------

// ---- Tables, constraints and types --------------------------------------------

TRk_CreateTableStmt* TRkMssqlSqlActions::CreateTable(TRk_Node* Temp, TRk_Node* Name) {
    auto* c = New<TRk_CreateTableStmt>();
    if (Temp != nullptr) {
        c->TableKind = static_cast<uint8_t>(D(Temp)->Int1);
        c->TableKindNode = D(Temp);
    }
    c->TableName = static_cast<TRk_Attr*>(Name);
    return c;
}

TRk_Node* TRkMssqlSqlActions::ColumnDef(TSourceToken* Name, TRk_Node* Type, TRk_List* Constraints) {
    auto* c = New<TRkColumnDef>();
    c->ColumnNameToken = Name;
    c->SetDataType(static_cast<TRk_TypeName*>(Type));
    c->SetConstraints(Constraints);
    Tk(c, Name);
    return c;
}

TRk_CreateViewSqlStatement* TRkMssqlSqlActions::View(TSourceToken* CreateOrAlter, TSourceToken* ViewToken,
                                                     TRk_Node* Name, TRk_Node* Columns, TSourceToken* As,
                                                     TRk_Node* Query) {
    auto* v = New<TRk_CreateViewSqlStatement>();
    v->ViewName = Name;
    v->ColumnList = Columns != nullptr ? D(Columns)->List1 : nullptr;
    v->ColumnListNode = Columns;
    v->Query = Query;
    v->Restriction = 0;
    Tk(v, CreateOrAlter, ViewToken, As);
    return v;
}

void TRkMssqlSqlActions::FilegroupTokens(TRk_Node* Node, TRk_Node* Filegroup) {
    if (Filegroup == nullptr) return;
    Tk(Node, D(Filegroup)->Tok1, D(Filegroup)->Tok2);
}

TRkConstraintRefClause* TRkMssqlSqlActions::RefClause(TSourceToken* References, TRk_Node* Table, TRk_Node* Columns,
                                                      TRk_Node* Match, TRk_Node* Actions) {
    auto* r = New<TRkConstraintRefClause>();
    Tk(r, References);
    r->RefTable = Table;
    if (Columns != nullptr) {
        r->RefColumns = D(Columns)->List1;
        r->RefColumnsNode = D(Columns);
    }
    if (Match != nullptr) {
        r->SetFlag1(D(Match)->Int1);
        r->MatchClause = D(Match);
    }
    if (Actions != nullptr) {
        r->SetFlag2(D(Actions)->Int1);
        r->SetFlag3(D(Actions)->Int2);
        r->SetFlag4(D(Actions)->Int3);
        r->ActionsClause = D(Actions);
    } else {
        // Without ON DELETE / ON UPDATE nothing is stated at all.
        r->SetFlag2(0);
        r->SetFlag3(0);
        r->SetFlag4(0);
    }
    return r;
}

TRk_Node* TRkMssqlSqlActions::ColumnReference(TSourceToken* References, TRk_Node* Table, TRk_Node* Columns,
                                              TRk_Node* Match, TRk_Node* Actions) {
    TRkConstraint* c = Constraint(0, 8);
    c->SetRefClause(RefClause(References, Table, Columns, Match, Actions));
    return c;
}

TRk_Node* TRkMssqlSqlActions::ForeignKey(TSourceToken* Foreign, TSourceToken* Key, TSourceToken* Open,
                                         TRk_List* Columns, TSourceToken* Close, TSourceToken* References,
                                         TRk_Node* Table, TRk_Node* RefColumns, TRk_Node* Match,
                                         TRk_Node* Actions) {
    TRkConstraint* c = Constraint(1, 5);
    c->ColumnList = Columns;
    if (References != nullptr) c->SetRefClause(RefClause(References, Table, RefColumns, Match, Actions));
    Tk(c, Foreign, Key, Open, Close);
    return c;
}

TRk_Node* TRkMssqlSqlActions::KeyActions(int32_t Kind, TRk_Node* First, TRk_Node* Second, bool UpdateFirst) {
    TRk_DummyNode* d = Slot(Kind);
    TRk_DummyNode* del = D(UpdateFirst ? Second : First);
    TRk_DummyNode* upd = D(UpdateFirst ? First : Second);
    if (del != nullptr) d->Int2 = del->Int1;
    if (upd != nullptr) d->Int3 = upd->Int1;
    TRk_DummyNode* a = D(First);
    d->Tok1 = a->Tok3;
    d->Tok2 = a->Tok4;
    d->Tok3 = a->Tok1;
    d->Tok4 = a->Tok2;
    if (TRk_DummyNode* b = D(Second)) {
        d->Tok5 = b->Tok3;
        d->Tok6 = b->Tok4;
        d->Tok7 = b->Tok1;
        d->Tok8 = b->Tok2;
    }
    return d;
}

TRk_Node* TRkMssqlSqlActions::BoundValue(TSourceToken* Bound) {
    TRkValue* v = Adopt(MakeIntegerValue(0));
    v->SetObject(Bound);
    return v;
}

TRk_TypeName* TRkMssqlSqlActions::TypeName(uint8_t Form, TSourceToken* Keyword, TSourceToken* Open,
                                           TSourceToken* P1, TSourceToken* Comma, TSourceToken* P2,
                                           TSourceToken* Close) {
    auto* t = New<TRk_TypeName>();
    t->TypeForm = Form;
    t->TypeNameToken = Keyword;
    if (P1 != nullptr) t->Param1 = IntOf(P1);
    if (P2 != nullptr) t->Param2 = IntOf(P2);
    Tk(t, Keyword, Open, P1, Comma, P2, Close);
    return t;
}
