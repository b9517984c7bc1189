// PL/SQL statement elements: calls, assignments, embedded SQL, control
// statements, cursor statements, IF, loops, FORALL, CASE, EXECUTE
// IMMEDIATE, exception handlers and the error-recovery statement.
#include "nodes/rkexceptions.h"
#include "statementstructure/plsqlstatement_elements.h"
#include "statementstructure/plsqlstatement_walk.h"
#include "statementstructure/rkexpression.h"
#include "statementstructure/sqlstatement.h"

using namespace plsql_detail;

namespace {

// Label, keyword, the optional operand, the terminator: GOTO, RAISE, RETURN,
// CLOSE.
void AcceptSimpleStatement(TRkPlsql_Stmt* S, TRkVisitedAbs* Operand, TRkVisitorAbs& V) {
    V.PreVisit(S);
    S->VisitNameNodes(V);
    AcceptOwnTok(S, 0, V);
    AcceptPart(Operand, V);
    AcceptPart(S->Terminator, V);
    V.PostVisit(S);
}

}  // namespace

// ---------------------------------------------------------------------------
// The simple statements

TRkPlsql_GotoStmt::TRkPlsql_GotoStmt() { NodeKind = nkPlsqlGotoStmt; }
void TRkPlsql_GotoStmt::DoAccept(TRkVisitorAbs& V) { AcceptSimpleStatement(this, LabelName, V); }
void TRkPlsql_GotoStmt::Clear() {
    LabelName = nullptr;
    TRkPlsql_Element::Clear();
}

TRkPlsql_RaiseStmt::TRkPlsql_RaiseStmt() { NodeKind = nkPlsqlRaiseStmt; }
void TRkPlsql_RaiseStmt::DoAccept(TRkVisitorAbs& V) { AcceptSimpleStatement(this, ExceptionName, V); }
void TRkPlsql_RaiseStmt::Clear() {
    ExceptionName = nullptr;
    TRkPlsql_Element::Clear();
}

TRkPlsql_ReturnStmt::TRkPlsql_ReturnStmt() { NodeKind = nkPlsqlReturnStmt; }
void TRkPlsql_ReturnStmt::DoAccept(TRkVisitorAbs& V) { AcceptSimpleStatement(this, Expression, V); }
void TRkPlsql_ReturnStmt::Clear() {
    Expression = nullptr;
    TRkPlsql_Element::Clear();
}

TRkPlsql_CloseStmt::TRkPlsql_CloseStmt() { NodeKind = nkPlsqlCloseStmt; }
void TRkPlsql_CloseStmt::DoAccept(TRkVisitorAbs& V) { AcceptSimpleStatement(this, CursorName, V); }
void TRkPlsql_CloseStmt::Clear() {
    CursorName = nullptr;
    TRkPlsql_Element::Clear();
}

TRkPlsql_NullStmt::TRkPlsql_NullStmt() { NodeKind = nkPlsqlNullStmt; }
void TRkPlsql_NullStmt::DoAccept(TRkVisitorAbs& V) { AcceptSimpleStatement(this, nullptr, V); }

// ---------------------------------------------------------------------------
// TRkPlsql_ExitStmt

TRkPlsql_ExitStmt::TRkPlsql_ExitStmt() { NodeKind = nkPlsqlExitStmt; }

void TRkPlsql_ExitStmt::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    VisitNameNodes(V);
    AcceptOwnTok(this, 0, V);
    AcceptPart(LabelName, V);
    if (Condition) {
        AcceptOwnTok(this, 1, V);
        Condition->Accept(&V);
    }
    AcceptPart(Terminator, V);
    V.PostVisit(this);
}

void TRkPlsql_ExitStmt::Clear() {
    LabelName = nullptr;
    Condition = nullptr;
    TRkPlsql_Element::Clear();
}

// ---------------------------------------------------------------------------
// TRkPlsql_ProcBasicStmt

TRkPlsql_ProcBasicStmt::TRkPlsql_ProcBasicStmt() { NodeKind = nkPlsqlProcBasicStmt; }

void TRkPlsql_ProcBasicStmt::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    AcceptRequired(CallExpr, V);
    AcceptRequired(Terminator, V);
    V.PostVisit(this);
}

void TRkPlsql_ProcBasicStmt::Clear() {
    CallExpr = nullptr;
    TRkPlsql_Element::Clear();
}

// ---------------------------------------------------------------------------
// TRkPlsql_ExprLeftSide

TRkPlsql_ExprLeftSide::TRkPlsql_ExprLeftSide() { NodeKind = nkPlsqlExprLeftSide; }

void TRkPlsql_ExprLeftSide::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    if (Qualifiers) {
        AcceptNodeListComma(Qualifiers, &V);
        AcceptPart(DotToken, V);
    }
    if (Bracket) {
        AcceptOwnTok(this, 0, V);
        AcceptRequired(NameToken, V);
        AcceptOwnTok(this, 1, V);
    } else {
        AcceptPart(NameToken, V);
        AcceptPart(Attr, V);
    }
    V.PostVisit(this);
}

void TRkPlsql_ExprLeftSide::Clear() {
    NameToken = nullptr;
    Attr = nullptr;
    Qualifiers = nullptr;
    Bracket = 0;
    DotToken = nullptr;
    TRkPlsql_Element::Clear();
}

// ---------------------------------------------------------------------------
// TRkPlsql_AssignStmt

TRkPlsql_AssignStmt::TRkPlsql_AssignStmt() { NodeKind = nkPlsqlAssignStmt; }

void TRkPlsql_AssignStmt::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    VisitNameNodes(V);
    AcceptRequired(Target, V);
    AcceptOwnTok(this, 0, V);
    AcceptRequired(Value, V);
    AcceptRequired(Terminator, V);
    V.PostVisit(this);
}

void TRkPlsql_AssignStmt::Clear() {
    Target = nullptr;
    Value = nullptr;
    TRkPlsql_Element::Clear();
}

// ---------------------------------------------------------------------------
// TRkPlsql_SqlStmt

TRkPlsql_SqlStmt::TRkPlsql_SqlStmt() { NodeKind = nkPlsqlSqlStmt; }

void TRkPlsql_SqlStmt::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    VisitNameNodes(V);
    AcceptEmbedded(SqlStatement, V);
    V.PostVisit(this);
}

void TRkPlsql_SqlStmt::Analyze() { ParseEmbedded(SqlStatement); }

void TRkPlsql_SqlStmt::Clear() {
    // The PL/SQL statement's sub-statement list owns the object.
    SqlStatement = nullptr;
    TRkPlsql_Element::Clear();
}

// ---------------------------------------------------------------------------
// TRkPlsql_OpenStmt

TRkPlsql_OpenStmt::TRkPlsql_OpenStmt() : ArgumentExpr(NewListExpression()) { NodeKind = nkPlsqlOpenStmt; }
TRkPlsql_OpenStmt::~TRkPlsql_OpenStmt() = default;

void TRkPlsql_OpenStmt::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    VisitNameNodes(V);
    AcceptOwnTok(this, 0, V);
    AcceptPart(Cursor, V);
    if (Arguments) {
        AcceptOwnTok(this, 1, V);
        AcceptNodeListComma(Arguments, &V);
        AcceptOwnTok(this, 2, V);
    }
    AcceptPart(Terminator, V);
    V.PostVisit(this);
}

void TRkPlsql_OpenStmt::Analyze() { SetListExpression(ArgumentExpr.get(), Expr_exprlist, Arguments); }

void TRkPlsql_OpenStmt::Clear() {
    Cursor = nullptr;
    Arguments = nullptr;
    ClearListExpression(ArgumentExpr.get());
    TRkPlsql_Element::Clear();
}

// ---------------------------------------------------------------------------
// TRkPlsql_FetchStmt

TRkPlsql_FetchStmt::TRkPlsql_FetchStmt() : IntoExpr(NewListExpression()) { NodeKind = nkPlsqlFetchStmt; }
TRkPlsql_FetchStmt::~TRkPlsql_FetchStmt() = default;

void TRkPlsql_FetchStmt::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    VisitNameNodes(V);
    AcceptOwnTok(this, 0, V);
    AcceptPart(Cursor, V);
    AcceptOwnTok(this, 1, V);
    AcceptNodeListComma(IntoList, &V);
    AcceptPart(Terminator, V);
    V.PostVisit(this);
}

void TRkPlsql_FetchStmt::Analyze() { SetListExpression(IntoExpr.get(), Expr_exprlist, IntoList); }

void TRkPlsql_FetchStmt::Clear() {
    Cursor = nullptr;
    IntoList = nullptr;
    ClearListExpression(IntoExpr.get());
    TRkPlsql_Element::Clear();
}

// ---------------------------------------------------------------------------
// TRkPlsql_OpenforStmt

TRkPlsql_OpenforStmt::TRkPlsql_OpenforStmt() : BindExpr(NewListExpression()) { NodeKind = nkPlsqlOpenforStmt; }
TRkPlsql_OpenforStmt::~TRkPlsql_OpenforStmt() = default;

void TRkPlsql_OpenforStmt::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    VisitNameNodes(V);
    AcceptOwnTok(this, 0, V);
    AcceptPart(CursorVar, V);
    AcceptOwnTok(this, 1, V);
    if (Query) {
        AcceptEmbedded(Query, V);
    } else if (QueryExpr) {
        QueryExpr->Accept(&V);
        if (Binds) {
            AcceptOwnTok(this, 2, V);
            AcceptNodeListComma(Binds, &V);
        }
    }
    AcceptPart(Terminator, V);
    V.PostVisit(this);
}

void TRkPlsql_OpenforStmt::Analyze() {
    SetListExpression(BindExpr.get(), Expr_exprlist, Binds);
    ParseEmbedded(Query);
}

void TRkPlsql_OpenforStmt::Clear() {
    CursorVar = nullptr;
    QueryExpr = nullptr;
    Binds = nullptr;
    Query = nullptr;
    ClearListExpression(BindExpr.get());
    TRkPlsql_Element::Clear();
}

// ---------------------------------------------------------------------------
// TRkPlsql_ElsifStmt

TRkPlsql_ElsifStmt::TRkPlsql_ElsifStmt() : Section(CreateNodeOfClass<TrkPlsql_ProcSect>()) {
    NodeKind = nkPlsqlElsifStmt;
}
TRkPlsql_ElsifStmt::~TRkPlsql_ElsifStmt() = default;

void TRkPlsql_ElsifStmt::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    AcceptOwnTok(this, 0, V);
    AcceptRequired(Condition, V);
    AcceptOwnTok(this, 1, V);
    Section->Accept(&V);
    V.PostVisit(this);
}

void TRkPlsql_ElsifStmt::Analyze() { FillSection(Section.get(), Statements, this); }

void TRkPlsql_ElsifStmt::Clear() {
    Condition = nullptr;
    Statements = nullptr;
    Section->Statements = nullptr;
    TRkPlsql_Element::Clear();
}

// ---------------------------------------------------------------------------
// TRkPlsql_IfStmt

TRkPlsql_IfStmt::TRkPlsql_IfStmt()
    : ThenSection(CreateNodeOfClass<TrkPlsql_ProcSect>()), ElseSection(CreateNodeOfClass<TrkPlsql_ProcSect>()) {
    NodeKind = nkPlsqlIfStmt;
}
TRkPlsql_IfStmt::~TRkPlsql_IfStmt() = default;

void TRkPlsql_IfStmt::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    VisitNameNodes(V);
    AcceptOwnTok(this, 0, V);
    AcceptRequired(Condition, V);
    AcceptOwnTok(this, 1, V);
    ThenSection->Accept(&V);
    AcceptNodeList(ElsifList, &V);
    // ELSE is the one optional own token: END and IF move up without it.
    if (ElseStmts) {
        AcceptOwnTok(this, 2, V);
        ElseSection->Accept(&V);
        AcceptOwnTok(this, 3, V);
        AcceptOwnTok(this, 4, V);
    } else {
        AcceptOwnTok(this, 2, V);
        AcceptOwnTok(this, 3, V);
    }
    AcceptPart(Terminator, V);
    V.PostVisit(this);
}

void TRkPlsql_IfStmt::Analyze() {
    FillSection(ThenSection.get(), ThenStmts, this);
    FillSection(ElseSection.get(), ElseStmts, this);
    AnalyzeChildren(ElsifList, this);
}

void TRkPlsql_IfStmt::Clear() {
    Condition = nullptr;
    ThenStmts = nullptr;
    ElseStmts = nullptr;
    ElsifList = nullptr;
    ThenSection->Statements = nullptr;
    ElseSection->Statements = nullptr;
    TRkPlsql_Element::Clear();
}

// ---------------------------------------------------------------------------
// TRkPlsql_LoopStmt

TRkPlsql_LoopStmt::TRkPlsql_LoopStmt()
    : CursorArgExpr(NewListExpression()), Section(CreateNodeOfClass<TrkPlsql_ProcSect>()) {
    NodeKind = nkPlsqlLoopStmt;
}
TRkPlsql_LoopStmt::~TRkPlsql_LoopStmt() = default;

void TRkPlsql_LoopStmt::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    VisitNameNodes(V);
    auto Tok = [&](int32_t k) { AcceptOwnTok(this, k, V); };
    auto Body = [&]() { Section->Accept(&V); };
    switch (LoopKind) {
        case 1:   // LOOP ... END LOOP
            Tok(0); Body(); Tok(1); Tok(2);
            break;
        case 2:   // WHILE c LOOP ... END LOOP
            Tok(0); AcceptRequired(WhileCondition, V); Tok(1); Body(); Tok(2); Tok(3);
            break;
        case 3:   // FOR i IN a .. b LOOP ... END LOOP
            Tok(0); AcceptRequired(IndexToken, V); Tok(1); AcceptRequired(LowerBound, V); Tok(2);
            AcceptRequired(UpperBound, V); Tok(3); Body(); Tok(4); Tok(5);
            break;
        case 4:   // FOR i IN REVERSE a .. b LOOP ... END LOOP
            Tok(0); AcceptRequired(IndexToken, V); Tok(1); Tok(2); AcceptRequired(LowerBound, V); Tok(3);
            AcceptRequired(UpperBound, V); Tok(4); Body(); Tok(5); Tok(6);
            break;
        case 5:   // FOR r IN (query) LOOP ... END LOOP
            Tok(0); AcceptRequired(IndexToken, V); Tok(1); AcceptEmbedded(Query, V, true); Tok(2); Body(); Tok(3);
            Tok(4);
            break;
        case 6:   // FOR r IN cursor LOOP ... END LOOP
        case 8:   // FOR r IN pkg.cursor LOOP ... END LOOP
            Tok(0); AcceptRequired(IndexToken, V); Tok(1); AcceptRequired(Cursor, V); Tok(2); Body(); Tok(3);
            Tok(4);
            break;
        case 7:   // FOR r IN cursor(args) LOOP ... END LOOP
            Tok(0); AcceptRequired(IndexToken, V); Tok(1); AcceptRequired(Cursor, V); Tok(2);
            AcceptNodeListComma(CursorArgs, &V); Tok(3); Tok(4); Body(); Tok(5); Tok(6);
            break;
        default:
            break;
    }
    AcceptPart(EndLabel, V);
    AcceptPart(Terminator, V);
    V.PostVisit(this);
}

void TRkPlsql_LoopStmt::Analyze() {
    SetListExpression(CursorArgExpr.get(), Expr_exprlist, CursorArgs);
    if (Statements) FillSection(Section.get(), Statements, this);
    ParseEmbedded(Query);
}

void TRkPlsql_LoopStmt::Clear() {
    LoopKind = 1;
    WhileCondition = nullptr;
    IndexToken = nullptr;
    Statements = nullptr;
    LowerBound = nullptr;
    UpperBound = nullptr;
    Reverse = 0;
    Query = nullptr;
    Cursor = nullptr;
    EndLabel = nullptr;
    CursorArgs = nullptr;
    Section->Statements = nullptr;
    ClearListExpression(CursorArgExpr.get());
    TRkPlsql_Element::Clear();
}

// ---------------------------------------------------------------------------
// TRkPlsql_ForallStmt

TRkPlsql_ForallStmt::TRkPlsql_ForallStmt() { NodeKind = nkPlsqlForallStmt; }

void TRkPlsql_ForallStmt::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    AcceptOwnTok(this, 0, V);
    AcceptRequired(IndexToken, V);
    AcceptOwnTok(this, 1, V);
    AcceptRequired(LowerBound, V);
    AcceptOwnTok(this, 2, V);
    AcceptRequired(UpperBound, V);
    AcceptRequired(DmlStmt, V);
    V.PostVisit(this);
}

void TRkPlsql_ForallStmt::Analyze() { AnalyzeChild(DmlStmt, this); }

// ---------------------------------------------------------------------------
// TRkPlsql_CaseExprWhenClause

TRkPlsql_CaseExprWhenClause::TRkPlsql_CaseExprWhenClause() : Section(CreateNodeOfClass<TrkPlsql_ProcSect>()) {
    NodeKind = nkPlsqlCaseExprWhenClause;
}
TRkPlsql_CaseExprWhenClause::~TRkPlsql_CaseExprWhenClause() = default;

void TRkPlsql_CaseExprWhenClause::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    AcceptOwnTok(this, 0, V);
    AcceptRequired(Condition, V);
    AcceptOwnTok(this, 1, V);
    if (Statements) Section->Accept(&V);
    else AcceptPart(Result, V);
    V.PostVisit(this);
}

void TRkPlsql_CaseExprWhenClause::Analyze() {
    if (Statements) FillSection(Section.get(), Statements, this);
}

void TRkPlsql_CaseExprWhenClause::Clear() {
    Condition = nullptr;
    Result = nullptr;
    Statements = nullptr;
    Section->Statements = nullptr;
    TRkPlsql_Element::Clear();
}

// ---------------------------------------------------------------------------
// TRkPlsql_CaseExpr

TRkPlsql_CaseExpr::TRkPlsql_CaseExpr() : Section(CreateNodeOfClass<TrkPlsql_ProcSect>()) {
    NodeKind = nkPlsqlCaseExpr;
}
TRkPlsql_CaseExpr::~TRkPlsql_CaseExpr() = default;

void TRkPlsql_CaseExpr::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    AcceptOwnTok(this, 0, V);
    AcceptPart(Selector, V);
    AcceptNodeList(WhenClauses, &V);
    if (ElsePart) {
        AcceptRequired(ElsePart->Tok1, V);
        if (ElseStmts) Section->Accept(&V);
        else AcceptPart(ElseExpr, V);
    }
    AcceptOwnTok(this, 1, V);
    V.PostVisit(this);
}

void TRkPlsql_CaseExpr::Analyze() {
    if (ElseStmts) FillSection(Section.get(), ElseStmts, this);
    AnalyzeChildren(WhenClauses, this);
}

void TRkPlsql_CaseExpr::Clear() {
    Selector = nullptr;
    WhenClauses = nullptr;
    ElseStmts = nullptr;
    ElseExpr = nullptr;
    ElsePart = nullptr;
    Section->Statements = nullptr;
    TRkPlsql_Element::Clear();
}

// ---------------------------------------------------------------------------
// TRkPlsql_CaseStmt

TRkPlsql_CaseStmt::TRkPlsql_CaseStmt() { NodeKind = nkPlsqlCaseStmt; }

void TRkPlsql_CaseStmt::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    VisitNameNodes(V);
    AcceptRequired(Body, V);
    AcceptOwnTok(this, 0, V);
    AcceptPart(EndLabel, V);
    AcceptPart(Terminator, V);
    V.PostVisit(this);
}

void TRkPlsql_CaseStmt::Analyze() { AnalyzeChild(Body, this); }

void TRkPlsql_CaseStmt::Clear() {
    Body = nullptr;
    EndLabel = nullptr;
    TRkPlsql_Element::Clear();
}

// ---------------------------------------------------------------------------
// TRkPlsql_ExecImmeStmt

TRkPlsql_ExecImmeStmt::TRkPlsql_ExecImmeStmt()
    : IntoExpr(NewListExpression()), ReturningExpr(NewListExpression()) {
    NodeKind = nkPlsqlExecImmeStmt;
}
TRkPlsql_ExecImmeStmt::~TRkPlsql_ExecImmeStmt() = default;

void TRkPlsql_ExecImmeStmt::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    AcceptOwnTok(this, 0, V);
    AcceptOwnTok(this, 1, V);
    AcceptRequired(SqlExpr, V);
    if (IntoList) {
        AcceptPart(IntoToken, V);
        AcceptNodeListComma(IntoList, &V);
    }
    if (UsingList) {
        AcceptPart(UsingToken, V);
        for (int32_t i = 0; i < UsingList->Count(); ++i) {
            TRk_Node* Item = UsingList->GetNode(i);
            auto* Bind = dynamic_cast<TRk_DummyNode*>(Item);
            if (!Bind) throw ERkError("PL/SQL bind argument missing");
            if (i > 0) AcceptPart(Bind->SeparatorToken, V);
            switch (Bind->Int1) {
                case 2: case 3:
                    AcceptRequired(Bind->Tok2, V);
                    break;
                case 4:
                    AcceptRequired(Bind->Tok2, V);
                    AcceptRequired(Bind->Tok3, V);
                    break;
                default:
                    break;
            }
            AcceptRequired(Bind->Tok1, V);
        }
    }
    if (Returning && Returning->List1) {
        AcceptRequired(Returning->Tok1, V);
        AcceptRequired(Returning->Tok2, V);
        AcceptNodeListSep(Returning->List1, &V, true);
    }
    AcceptPart(Terminator, V);
    V.PostVisit(this);
}

void TRkPlsql_ExecImmeStmt::Analyze() {
    if (IntoList) SetListExpression(IntoExpr.get(), Expr_exprlist, IntoList);
    if (Returning && Returning->List1) SetListExpression(ReturningExpr.get(), Expr_namelist, Returning->List1);
}

void TRkPlsql_ExecImmeStmt::Clear() {
    SqlExpr = nullptr;
    IntoList = nullptr;
    UsingList = nullptr;
    Returning = nullptr;
    ClearListExpression(IntoExpr.get());
    ClearListExpression(ReturningExpr.get());
    TRkPlsql_Element::Clear();
}

// ---------------------------------------------------------------------------
// TRkPlsql_Exceptionhandler

TRkPlsql_Exceptionhandler::TRkPlsql_Exceptionhandler()
    : Section(CreateNodeOfClass<TrkPlsql_ProcSect>()), NameExpr(NewListExpression()) {
    NodeKind = nkPlsqlExceptionhandler;
}
TRkPlsql_Exceptionhandler::~TRkPlsql_Exceptionhandler() = default;

void TRkPlsql_Exceptionhandler::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    if (HandlerKind == 1) {
        AcceptOwnTok(this, 0, V);
        AcceptOwnTok(this, 1, V);
        AcceptOwnTok(this, 2, V);
    } else {
        AcceptOwnTok(this, 0, V);
        NameExpr->Accept(&V);
        AcceptOwnTok(this, 1, V);
    }
    Section->Accept(&V);
    V.PostVisit(this);
}

void TRkPlsql_Exceptionhandler::Analyze() {
    FillSection(Section.get(), Statements, this);
    if (ExceptionNames) SetListExpression(NameExpr.get(), Expr_QualifiedNamelist, ExceptionNames);
}

void TRkPlsql_Exceptionhandler::Clear() {
    HandlerKind = 1;
    ExceptionNames = nullptr;
    Statements = nullptr;
    Section->Statements = nullptr;
    ClearListExpression(NameExpr.get());
    TRkPlsql_Element::Clear();
}

// ---------------------------------------------------------------------------
// TRkPlsql_DummyStmt

TRkPlsql_DummyStmt::TRkPlsql_DummyStmt() : SkippedTokens(std::make_unique<TSourceTokenList>(false)) {
    NodeKind = nkPlsqlDummyStmt;
}
TRkPlsql_DummyStmt::~TRkPlsql_DummyStmt() = default;

void TRkPlsql_DummyStmt::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    // Only the words: the blanks and comments between them come with each
    // word from the token list it stands in, as for every other element.
    for (TSourceToken* T : SkippedTokens->Items())
        if (T->IsSignificant()) T->Accept(&V);
    V.PostVisit(this);
}

void TRkPlsql_DummyStmt::Clear() {
    SkippedTokens->Clear();
    TRkPlsql_Element::Clear();
}
