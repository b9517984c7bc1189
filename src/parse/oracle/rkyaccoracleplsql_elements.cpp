// The PL/SQL elements the grammar's actions build: each builder makes one
// element in the node pool, fills its fields and appends its own tokens in
// the order the element's walk reads them.
#include "parse/oracle/rkyaccoracleplsql.h"
#include "statementstructure/plsqlstatement_elements.h"
#include "statementstructure/sqlstatement.h"

namespace {

TRkPlsql_Stmt* AsStmt(TRk_Node* Node) { return dynamic_cast<TRkPlsql_Stmt*>(Node); }

TCustomSqlStatement* AsSql(TRk_Node* Node) { return dynamic_cast<TCustomSqlStatement*>(Node); }

std::int32_t CreateKindOf(const TRk_DummyNode* Create) { return Create ? Create->Int1 : 0; }

std::uint8_t NotNullOf(const TRk_DummyNode* NotNull) { return NotNull && NotNull->Int1 == 1 ? 1 : 0; }

}  // namespace

void TRkParserOraclePlsql::SetTerminator(TRk_Node* Stmt, TSourceToken* Semicolon) {
    if (TRkPlsql_Stmt* s = AsStmt(Stmt)) s->Terminator = Semicolon;
}

void TRkParserOraclePlsql::SetLoopEndLabel(TRk_Node* Loop, TSourceToken* Label) {
    if (auto* l = dynamic_cast<TRkPlsql_LoopStmt*>(Loop)) l->EndLabel = Label;
}

void TRkParserOraclePlsql::SetLoopWhile(TRk_Node* Loop, TRk_Node* Condition) {
    if (auto* l = dynamic_cast<TRkPlsql_LoopStmt*>(Loop)) l->WhileCondition = Condition;
}

void TRkParserOraclePlsql::SetLoopBounds(TRk_Node* Loop, TRk_Node* Lower, TRk_Node* Upper, std::uint8_t Reverse) {
    if (auto* l = dynamic_cast<TRkPlsql_LoopStmt*>(Loop)) {
        l->LowerBound = Lower;
        l->UpperBound = Upper;
        l->Reverse = Reverse;
    }
}

void TRkParserOraclePlsql::SetLoopQuery(TRk_Node* Loop, TRk_Node* Query) {
    if (auto* l = dynamic_cast<TRkPlsql_LoopStmt*>(Loop)) l->Query = AsSql(Query);
}

void TRkParserOraclePlsql::SetLoopCursor(TRk_Node* Loop, TRk_Node* Cursor, TRk_List* Args) {
    if (auto* l = dynamic_cast<TRkPlsql_LoopStmt*>(Loop)) {
        l->Cursor = Cursor;
        l->CursorArgs = Args;
    }
}

void TRkParserOraclePlsql::SetVarValue(TRk_Node* Decl, TRk_Node* Value) {
    if (auto* d = dynamic_cast<TRkPlsql_VarDecl*>(Decl)) d->Value = Value;
}

TRk_Node* TRkParserOraclePlsql::Labelled(TRk_Node* Stmt, TSourceToken* Open, TSourceToken* Label,
                                         TSourceToken* Close, TSourceToken* Semicolon) {
    if (TRkPlsql_Stmt* s = AsStmt(Stmt)) {
        s->LabelToken = Label;
        s->LabelOpen = Open;
        s->LabelClose = Close;
        if (Semicolon) s->Terminator = Semicolon;
    }
    return Stmt;
}

TRk_Node* TRkParserOraclePlsql::PlsqlBlock(TRk_Node* Decl, TSourceToken* Begin, TRk_List* Stmts,
                                           TRk_DummyNode* Exceptions, TSourceToken* End, TSourceToken* EndLabel) {
    auto* b = New<TRk_Plsql>();
    b->DeclSection = dynamic_cast<TRkPlsql_Decl*>(Decl);
    b->Statements = Stmts;
    if (Exceptions) {
        b->Handlers = Exceptions->List1;
        b->ExceptionToken = Exceptions->Tok1;
    }
    b->EndLabel = EndLabel;
    Tk(b, Begin, End);
    return b;
}

TRk_Node* TRkParserOraclePlsql::PlsqlDeclSection(TRk_DummyNode* Label, TSourceToken* Declare, TRk_List* Decls) {
    auto* d = New<TRkPlsql_Decl>();
    if (Label) {
        d->BlockLabel = Label->Tok1;
        d->LabelNode = Label;
    }
    d->DeclareToken = Declare;
    d->Declarations = Decls;
    return d;
}

TRk_Node* TRkParserOraclePlsql::PlsqlVarDecl(std::uint8_t Kind, TSourceToken* Name, TRk_TypeName* Type,
                                             TRk_DummyNode* NotNull, TRk_Node* Default) {
    auto* v = New<TRkPlsql_VarDecl>();
    v->NameToken = Name;
    v->DataType = Type;
    v->ConstraintFlag = NotNullOf(NotNull);
    v->NotNullNode = NotNull;
    v->Value = Default;
    v->DeclKind = Kind;
    return v;
}

TRk_Node* TRkParserOraclePlsql::PlsqlDefault(std::int32_t Kind, TSourceToken* Keyword, TRk_Node* Expr) {
    auto* d = New<TRkPlsql_opt_declaration_expr>();
    d->Kind = Kind;
    d->Expression = Expr;
    Tk(d, Keyword);
    return d;
}

TRk_Node* TRkParserOraclePlsql::PlsqlCaseExpr(TSourceToken* Case, TRk_Node* Selector, TRk_List* Whens,
                                              TRk_DummyNode* Else, TSourceToken* End) {
    auto* c = New<TRkPlsql_CaseExpr>();
    c->Selector = Selector;
    c->WhenClauses = Whens;
    c->ElsePart = Else;
    if (Else) {
        c->ElseStmts = Else->List1;
        c->ElseExpr = Else->Sub1;
    }
    Tk(c, Case, End);
    return c;
}

TRk_Node* TRkParserOraclePlsql::PlsqlCaseWhen(TSourceToken* When, TRk_Node* Condition, TSourceToken* Then,
                                              TRk_List* Stmts, TRk_Node* Result) {
    auto* w = New<TRkPlsql_CaseExprWhenClause>();
    w->Condition = Condition;
    w->Statements = Stmts;
    w->Result = Result;
    Tk(w, When, Then);
    return w;
}

TRk_Node* TRkParserOraclePlsql::PlsqlProcBasic(TRk_Node* Call) {
    auto* p = New<TRkPlsql_ProcBasicStmt>();
    p->CallExpr = Call;
    return p;
}

TRk_Node* TRkParserOraclePlsql::PlsqlClose(TSourceToken* Close, TSourceToken* Cursor) {
    auto* c = New<TRkPlsql_CloseStmt>();
    c->CursorName = Cursor;
    Tk(c, Close);
    return c;
}

TRk_Node* TRkParserOraclePlsql::PlsqlOpen(TSourceToken* Open, TRk_Node* Cursor, TSourceToken* LParen,
                                          TRk_List* Args, TSourceToken* RParen) {
    auto* o = New<TRkPlsql_OpenStmt>();
    o->Cursor = Cursor;
    o->Arguments = Args;
    Tk(o, Open, LParen, RParen);
    return o;
}

TRk_Node* TRkParserOraclePlsql::PlsqlOpenFor(TSourceToken* Open, TSourceToken* Cursor, TSourceToken* For,
                                             TRk_Node* Query, TRk_Node* Expr, TSourceToken* Using,
                                             TRk_List* Binds) {
    auto* o = New<TRkPlsql_OpenforStmt>();
    o->CursorVar = Cursor;
    o->Query = AsSql(Query);
    o->QueryExpr = Expr;
    o->Binds = Binds;
    Tk(o, Open, For, Using);
    return o;
}

TRk_Node* TRkParserOraclePlsql::PlsqlExecImme(TSourceToken* Execute, TSourceToken* Immediate, TRk_Node* Expr,
                                              TRk_DummyNode* Into, TRk_DummyNode* Using,
                                              TRk_DummyNode* Returning) {
    auto* e = New<TRkPlsql_ExecImmeStmt>();
    e->SqlExpr = Expr;
    if (Into) {
        e->IntoList = Into->List1;
        e->IntoToken = Into->Tok1;
    }
    if (Using) {
        e->UsingList = Using->List1;
        e->UsingToken = Using->Tok1;
    }
    e->Returning = Returning;
    Tk(e, Execute, Immediate);
    return e;
}

TRk_Node* TRkParserOraclePlsql::PlsqlFetch(TSourceToken* Fetch, TRk_Attr* Cursor, TSourceToken* Into,
                                           TRk_List* Targets) {
    auto* f = New<TRkPlsql_FetchStmt>();
    f->Cursor = Cursor;
    f->IntoList = Targets;
    Tk(f, Fetch, Into);
    return f;
}

TRk_Node* TRkParserOraclePlsql::PlsqlNull(TSourceToken* Null) {
    auto* n = New<TRkPlsql_NullStmt>();
    Tk(n, Null);
    return n;
}

TRk_Node* TRkParserOraclePlsql::PlsqlSql(TRk_Node* Statement) {
    auto* s = New<TRkPlsql_SqlStmt>();
    s->SqlStatement = AsSql(Statement);
    return s;
}

TRk_Node* TRkParserOraclePlsql::PlsqlTableType(TSourceToken* Type, TRk_Attr* Name, TSourceToken* IsAs,
                                               TSourceToken* Table, TSourceToken* Of, TRk_TypeName* Element,
                                               TRk_DummyNode* NotNull, TRk_DummyNode* IndexBy) {
    auto* t = New<TRkPlsql_TableTypeDef>();
    t->TypeName = Name;
    t->IsToken = IsAs;
    t->ElementType = Element;
    t->NotNull = NotNullOf(NotNull);
    t->NotNullNode = NotNull;
    t->IndexBy = IndexBy;
    Tk(t, Type, Table, Of);
    return t;
}

TRk_Node* TRkParserOraclePlsql::PlsqlVarrayType(std::int32_t Form, TSourceToken* Type, TRk_Attr* Name,
                                                TSourceToken* IsAs, TSourceToken* K1, TSourceToken* K2,
                                                TSourceToken* Open, TSourceToken* Limit, TSourceToken* Close,
                                                TSourceToken* Of, TRk_TypeName* Element, TRk_DummyNode* NotNull) {
    auto* v = New<TRkPlsql_VarrayTypeDef>();
    v->TypeName = Name;
    v->IsToken = IsAs;
    v->LimitToken = Limit;
    v->ElementType = Element;
    v->NotNull = NotNullOf(NotNull);
    v->NotNullNode = NotNull;
    v->ArrayForm = Form;
    Tk(v, Type, K1, K2, Open, Close, Of);
    return v;
}

TRk_Node* TRkParserOraclePlsql::PlsqlRecordType(TSourceToken* Type, TRk_Attr* Name, TSourceToken* Is,
                                                TSourceToken* Record, TSourceToken* Open, TRk_List* Fields,
                                                TSourceToken* Close) {
    auto* r = New<TRkPlsql_RecordTypeDef>();
    r->TypeName = Name;
    r->FieldList = Fields;
    Tk(r, Type, Is, Record, Open, Close);
    return r;
}

TRk_Node* TRkParserOraclePlsql::PlsqlField(TSourceToken* Name, TRk_TypeName* Type, TRk_DummyNode* NotNull,
                                           TRk_Node* Default) {
    auto* f = New<TRkPlsql_FieldDecl>();
    f->NameToken = Name;
    f->DataType = Type;
    f->NotNull = NotNullOf(NotNull);
    f->NotNullNode = NotNull;
    f->Default = Default;
    return f;
}

TRk_Node* TRkParserOraclePlsql::PlsqlCursor(TSourceToken* Cursor, TSourceToken* Name, TRk_DummyNode* Params,
                                            TSourceToken* Return, TRk_TypeName* ReturnType, TSourceToken* Is,
                                            TRk_Node* Query) {
    auto* c = New<TRkPlsql_CursorDecl>();
    c->CursorName = Name;
    c->ParamPart = Params;
    c->ReturnToken = Return;
    c->ReturnType = ReturnType;
    c->IsToken = Is;
    c->Query = AsSql(Query);
    Tk(c, Cursor);
    return c;
}

TRk_Node* TRkParserOraclePlsql::PlsqlRefCursor(TSourceToken* Type, TRk_Attr* Name, TSourceToken* Is,
                                               TSourceToken* Ref, TSourceToken* Cursor, TSourceToken* Return,
                                               TRk_TypeName* ReturnType, TSourceToken* Semicolon) {
    auto* c = New<TRkPlsql_CursorDecl>();
    c->RefCursor = 1;
    c->TypeName = Name;
    c->IsToken = Is;
    c->RefToken = Ref;
    c->CursorToken = Cursor;
    c->ReturnToken = Return;
    c->ReturnType = ReturnType;
    c->Terminator = Semicolon;
    Tk(c, Type);
    return c;
}

TRk_Node* TRkParserOraclePlsql::PlsqlCursorParam(TSourceToken* Name, TSourceToken* In, TRk_TypeName* Type,
                                                 TRk_Node* Default) {
    auto* p = New<TRkPlsql_CursorParamDecl>();
    p->NameToken = Name;
    p->InToken = In;
    p->DataType = Type;
    p->Default = Default;
    return p;
}

TRk_Node* TRkParserOraclePlsql::PlsqlHandler(std::int32_t Kind, TRk_List* Names, TRk_List* Stmts) {
    auto* h = New<TRkPlsql_Exceptionhandler>();
    h->HandlerKind = Kind;
    h->ExceptionNames = Names;
    h->Statements = Stmts;
    return h;
}

TRk_Node* TRkParserOraclePlsql::PlsqlAssign(TRk_Node* Target, TSourceToken* Assign, TRk_Node* Value) {
    auto* a = New<TRkPlsql_AssignStmt>();
    a->Target = dynamic_cast<TRkPlsql_ExprLeftSide*>(Target);
    a->Value = Value;
    Tk(a, Assign);
    return a;
}

TRk_Node* TRkParserOraclePlsql::PlsqlLeftSide(TSourceToken* Name, TRk_Attr* Attr, TRk_List* Qualifiers,
                                              TSourceToken* Dot, TSourceToken* Open, TSourceToken* Close) {
    auto* l = New<TRkPlsql_ExprLeftSide>();
    l->NameToken = Name;
    l->Attr = Attr;
    l->Qualifiers = Qualifiers;
    l->DotToken = Dot;
    if (Open) l->Bracket = 1;
    Tk(l, Open, Close);
    return l;
}

TRk_Node* TRkParserOraclePlsql::PlsqlExit(TSourceToken* Exit, TSourceToken* Label, TSourceToken* When,
                                          TRk_Node* Condition) {
    auto* e = New<TRkPlsql_ExitStmt>();
    e->LabelName = Label;
    e->Condition = Condition;
    Tk(e, Exit, When);
    return e;
}

TRk_Node* TRkParserOraclePlsql::PlsqlGoto(TSourceToken* Goto, TSourceToken* Label) {
    auto* g = New<TRkPlsql_GotoStmt>();
    g->LabelName = Label;
    Tk(g, Goto);
    return g;
}

TRk_Node* TRkParserOraclePlsql::PlsqlIf(TRk_Node* Condition, TRk_List* Then, TRk_List* Elsifs, TRk_List* Else) {
    auto* i = New<TRkPlsql_IfStmt>();
    i->Condition = Condition;
    i->ThenStmts = Then;
    i->ElsifList = Elsifs;
    i->ElseStmts = Else;
    return i;
}

TRk_Node* TRkParserOraclePlsql::PlsqlElsif(TRk_Node* Condition, TRk_List* Stmts) {
    auto* e = New<TRkPlsql_ElsifStmt>();
    e->Condition = Condition;
    e->Statements = Stmts;
    return e;
}

TRk_Node* TRkParserOraclePlsql::PlsqlForall(TSourceToken* Index, TRk_Node* Lower, TRk_Node* Upper,
                                            TRk_Node* Dml) {
    auto* f = New<TRkPlsql_ForallStmt>();
    f->IndexToken = Index;
    f->LowerBound = Lower;
    f->UpperBound = Upper;
    f->DmlStmt = dynamic_cast<TRkPlsql_SqlStmt*>(Dml);
    return f;
}

TRk_Node* TRkParserOraclePlsql::PlsqlCaseStmt(TRk_Node* Body, TSourceToken* EndLabel) {
    auto* c = New<TRkPlsql_CaseStmt>();
    c->Body = dynamic_cast<TRkPlsql_CaseExpr*>(Body);
    c->EndLabel = EndLabel;
    return c;
}

TRk_Node* TRkParserOraclePlsql::PlsqlLoop(std::int32_t Kind, TSourceToken* Index, TRk_List* Stmts) {
    auto* l = New<TRkPlsql_LoopStmt>();
    l->LoopKind = Kind;
    l->IndexToken = Index;
    l->Statements = Stmts;
    return l;
}

TRk_Node* TRkParserOraclePlsql::PlsqlRaise(TSourceToken* Raise, TSourceToken* Name) {
    auto* r = New<TRkPlsql_RaiseStmt>();
    r->ExceptionName = Name;
    Tk(r, Raise);
    return r;
}

TRk_Node* TRkParserOraclePlsql::PlsqlReturn(TSourceToken* Return, TRk_Node* Expr) {
    auto* r = New<TRkPlsql_ReturnStmt>();
    r->Expression = Expr;
    Tk(r, Return);
    return r;
}

TRk_Node* TRkParserOraclePlsql::PlsqlProcedure(TRk_DummyNode* Create, TSourceToken* Keyword, TRk_Attr* Name,
                                               TRk_DummyNode* Params, TSourceToken* Return,
                                               TRk_TypeName* ReturnType, TRk_DummyNode* Options,
                                               TSourceToken* IsAs, TRk_List* Decls, TSourceToken* Begin,
                                               TRk_List* Stmts, TRk_DummyNode* Exceptions, TSourceToken* End,
                                               TSourceToken* EndLabel) {
    auto* p = New<TRkPlsql_ProcedureDecl>();
    p->Name = Name;
    p->ParamPart = Params;
    p->Params = Params ? Params->List1 : nullptr;
    p->FuncAttrs = Options;
    p->IsAsToken = IsAs;
    p->Declarations = Decls;
    p->Statements = Stmts;
    if (Exceptions) {
        p->Handlers = Exceptions->List1;
        p->ExceptionToken = Exceptions->Tok1;
    }
    p->EndLabel = EndLabel;
    p->CreateKind = CreateKindOf(Create);
    p->CreateNode = Create;
    p->IsFunction = Return ? 1 : 0;
    p->ReturnToken = Return;
    p->ReturnType = ReturnType;
    Tk(p, Keyword, Begin, End);
    return p;
}

TRk_Node* TRkParserOraclePlsql::PlsqlSpec(TSourceToken* Keyword, TRk_Attr* Name, TRk_DummyNode* Params,
                                          TSourceToken* Return, TRk_TypeName* ReturnType) {
    auto* s = New<TRkPlsql_ProcedureSpec>();
    s->Name = Name;
    s->ParamPart = Params;
    s->Params = Params ? Params->List1 : nullptr;
    s->IsFunction = Return ? 1 : 0;
    s->ReturnToken = Return;
    s->ReturnType = ReturnType;
    Tk(s, Keyword);
    return s;
}

TRk_Node* TRkParserOraclePlsql::PlsqlParam(std::int32_t Mode, TSourceToken* Name, TRk_TypeName* Type,
                                           TRk_Node* Default) {
    auto* p = New<TRkPlsql_ParameterDecl>();
    p->NameToken = Name;
    p->DataType = Type;
    p->Default = Default;
    if (Mode != -9999) p->Mode = Mode;
    return p;
}

TRk_Node* TRkParserOraclePlsql::PlsqlPackage(TRk_DummyNode* Create, TSourceToken* Package, TSourceToken* Body,
                                             TRk_Attr* Name, TSourceToken* IsAs, TRk_List* Items,
                                             TSourceToken* Begin, TRk_List* Stmts, TRk_DummyNode* Exceptions,
                                             TSourceToken* End, TSourceToken* EndLabel) {
    auto* p = New<TRkPlsql_Package>();
    p->CreateKind = CreateKindOf(Create);
    p->CreateNode = Create;
    p->Name = Name;
    p->IsAsToken = IsAs;
    p->PackageItems = Items;
    p->IsBody = Body ? 1 : 0;
    p->Statements = Stmts;
    if (Exceptions) {
        p->Handlers = Exceptions->List1;
        p->ExceptionToken = Exceptions->Tok1;
    }
    p->PackageEndLabel = EndLabel;
    // A body keeps BODY after END (and BEGIN after it), as its walk reads them.
    Tk(p, Package, End, Body, Begin);
    return p;
}

TRk_Node* TRkParserOraclePlsql::PlsqlPragma(TRk_List* Args) {
    auto* p = New<TRkPlsql_PragmaDecl>();
    p->Arguments = Args;
    return p;
}

TRk_Node* TRkParserOraclePlsql::PlsqlTrigger(TRk_DummyNode* Create, TSourceToken* Trigger, TRk_Attr* Name,
                                             TRk_DummyNode* Timing, TRk_DummyNode* Event, TRk_DummyNode* When,
                                             TRk_Node* Body, TRk_Node* Call) {
    auto* t = New<TRkPlsql_Trigger>();
    t->CreateKind = CreateKindOf(Create);
    t->CreateNode = Create;
    t->TriggerToken = Trigger;
    t->TriggerName = Name;
    t->Timing = Timing;
    t->Event = Event;
    t->WhenClause = When;
    t->Body = dynamic_cast<TRk_Plsql*>(Body);
    t->CallStatement = AsSql(Call);
    return t;
}
