// Element nodes of the SQL Server batch model: construction, the wrapper's
// statement building and the walks of the declaration elements.
#include "parse/mssql/mssqlsqlstatement.h"

#include <exception>

#include "nodes/u_nodes_generic.h"
#include "parse/parserfactory.h"
#include "statementstructure/sqlstatement_select.h"

namespace {

// The statement object for an inner node kind, of vendor 0, with the type
// the recognised-only kinds carry.
std::unique_ptr<TCustomSqlStatement> StatementForKind(std::uint8_t Kind) {
    const std::uint8_t V = VendorMssql;
    auto Dummy = [V](TSqlStatementType Type) {
        auto S = CreateNodeOfClass<TMssqlDummyStmt>(V);
        S->StatementType = Type;
        return std::unique_ptr<TCustomSqlStatement>(std::move(S));
    };
    switch (Kind) {
        case 8: return NewAlterTableStatement(V);
        case 21: return NewCreateTableSqlStatement(V);
        case 22: return NewCreateViewSqlStatement(V);
        case 23: return NewCreateIndexSqlStatement(V);
        case 32: return NewDeleteSqlStatement(V);
        case 57: return NewInsertSqlStatement(V);
        case 170: return NewSelectSqlStatement(V);
        case 180: return NewUpdateSqlStatement(V);
        case mnkFetch: return CreateNodeOfClass<TMssqlFetch>(V);
        case mnkBlock: return CreateNodeOfClass<TMssqlBlock>(V);
        case mnkIfElse: return CreateNodeOfClass<TMssqlIfElse>(V);
        case mnkReturn: return CreateNodeOfClass<TMssqlReturn>(V);
        case mnkUse: return CreateNodeOfClass<TMssqlUse>(V);
        case mnkGo: return CreateNodeOfClass<TMssqlGo>(V);
        case mnkPrint: return CreateNodeOfClass<TMssqlPrint>(V);
        case mnkCreateProcedure: return CreateNodeOfClass<TMssqlCreateProcedure>(V);
        case mnkCreateFunction: return CreateNodeOfClass<TMssqlCreateFunction>(V);
        case mnkDeclare: return CreateNodeOfClass<TMssqlDeclare>(V);
        case mnkWithas: return CreateNodeOfClass<TMssqlWithas>(V);
        case mnkExecute: return CreateNodeOfClass<TMssqlExecute>(V);
        case mnkSet: return CreateNodeOfClass<TMssqlSet>(V);
        case mnkDummyStmt: return Dummy(sstMssqlDummyStmt);
        case mnkErrorStmt: return Dummy(sstErrorStmt);
        case mnkContinue: return Dummy(sstMssqlContinue);
        case mnkBreak: return Dummy(sstMssqlBreak);
        case mnkOpen: return Dummy(sstMssqlOpen);
        case mnkClose: return Dummy(sstMssqlClose);
        case mnkDeallocate: return Dummy(sstMssqlDeallocate);
        case mnkDrop: return Dummy(sstDropStmt);
        case mnkBeginTran: return Dummy(sstBeginTranStmt);
        case mnkCommit: return Dummy(sstMssqlCommit);
        case mnkRollback: return Dummy(sstMssqlRollback);
        case mnkSaveTran: return Dummy(sstMssqlSaveTrans);
        case mnkFirstWordStmt: return Dummy(sstRaiserrorStmt);
        case mnkLabel: return Dummy(sstMssqlLabel);
        default: return CreateNodeOfClass<TUnknownSqlStatement>(V);
    }
}

}  // namespace

_TMssqlElement::_TMssqlElement() { NodeKind = mnkElement; }

// ---------------------------------------------------------------------------
// The statement wrapper

_TMssqlStmt::_TMssqlStmt() { NodeKind = mnkStmt; }

// The statement refers to nodes of the pool that owns this wrapper; the pool
// frees its newest nodes first, so those nodes are still alive here.
_TMssqlStmt::~_TMssqlStmt() = default;

void _TMssqlStmt::InheritTokenEvents(const TCustomSqlStatement* Statement) {
    if (!Statement) return;
    OnTableTokenEvent = Statement->GetOnTableTokenEvent();
    OnFieldTokenEvent = Statement->GetOnFieldTokenEvent();
}

// Analysis recurses once per nesting level of blocks, IF and WHILE, which
// the parser allows thousands deep: what the recursion does not need stays
// out of its frames (here and in the statements' analyses).
[[gnu::noinline]] void _TMssqlStmt::BuildStatement() {
    SqlStatement = StatementForKind(InnerNode->NodeKind);
    TCustomSqlStatement* S = SqlStatement.get();
    S->RootNode = InnerNode;
    S->SetOnFieldEvent(OnStatementField);
    S->SetOnTableEvent(OnStatementTable);
    S->SetOnTableTokenEvent(OnTableTokenEvent);
    S->SetOnFieldTokenEvent(OnFieldTokenEvent);
}

void _TMssqlStmt::Analyze() {
    _TMssqlElement::Analyze();
    if (!InnerNode) return;
    try {
        BuildStatement();
        if (SqlStatement->AnalyzeParseTree() == 0) SqlStatement->Parsed = true;
    } catch (const std::exception&) {
        // The statement stays as far as it was built, unparsed.
        if (SqlStatement) SqlStatement->Parsed = false;
    }
}

void _TMssqlStmt::Clear() {
    _TMssqlElement::Clear();
    InnerNode = nullptr;
}

void _TMssqlStmt::CreatePP() { stmtwalk::UsePrinter(this); }

void _TMssqlStmt::DoAccept(TRkVisitorAbs& Visitor) {
    Visitor.PreVisit(this);
    AcceptPart(SqlStatement.get(), Visitor);
    Visitor.PostVisit(this);
}

// ---------------------------------------------------------------------------
// Plain element nodes

_TMssqlBlock::_TMssqlBlock() { NodeKind = mnkBlock; }
_TMssqlIfElse::_TMssqlIfElse() { NodeKind = mnkIfElse; }
_TMssqlReturn::_TMssqlReturn() { NodeKind = mnkReturn; }
_TMssqlUse::_TMssqlUse() { NodeKind = mnkUse; }
_TMssqlGo::_TMssqlGo() { NodeKind = mnkGo; }
_TMssqlPrint::_TMssqlPrint() { NodeKind = mnkPrint; }
_TMssqlCreateProcedure::_TMssqlCreateProcedure() { NodeKind = mnkCreateProcedure; }
_TMssqlCreateFunction::_TMssqlCreateFunction() { NodeKind = mnkCreateFunction; }
_TMssqlDeclare::_TMssqlDeclare() { NodeKind = mnkDeclare; }
_TMssqlWithas::_TMssqlWithas() { NodeKind = mnkWithas; }
_TMssqlExecute::_TMssqlExecute() { NodeKind = mnkExecute; }
_TMssqlSet::_TMssqlSet() { NodeKind = mnkSet; }
_TMssqlFetch::_TMssqlFetch() { NodeKind = mnkFetch; }
_TMssqlDummyStmt::_TMssqlDummyStmt() { NodeKind = mnkDummyStmt; }
_TMssqlDummyStmt::~_TMssqlDummyStmt() = default;

// ---------------------------------------------------------------------------
// Declaration elements: they print and walk themselves

_TMssql_opt_declaration_expr::_TMssql_opt_declaration_expr() { NodeKind = mnkOptDeclarationExpr; }

void _TMssql_opt_declaration_expr::CreatePP() { stmtwalk::UsePrinter(this); }

void _TMssql_opt_declaration_expr::DoAccept(TRkVisitorAbs& Visitor) {
    Visitor.PreVisit(this);
    if (IsVarying) AcceptOwnTok(this, 0, Visitor);
    AcceptPart(EqualToken, Visitor);
    AcceptPart(DefaultExpr, Visitor);
    if (IsOutput) AcceptOwnTok(this, TokenList->Count() - 1, Visitor);
    Visitor.PostVisit(this);
}

_TMssql_ParameterDecl::_TMssql_ParameterDecl() { NodeKind = mnkParameterDecl; }

void _TMssql_ParameterDecl::CreatePP() { stmtwalk::UsePrinter(this); }

void _TMssql_ParameterDecl::DoAccept(TRkVisitorAbs& Visitor) {
    Visitor.PreVisit(this);
    AcceptPart(NameToken, Visitor);
    AcceptPart(AsToken, Visitor);
    AcceptPart(DataType, Visitor);
    AcceptPart(DefaultPart, Visitor);
    Visitor.PostVisit(this);
}

_TMssql_declare_var::_TMssql_declare_var() { NodeKind = mnkDeclareVar; }

void _TMssql_declare_var::Clear() {
    NameToken = nullptr;
    DataType = nullptr;
    Kind = 1;
}

void _TMssql_declare_var::CreatePP() { stmtwalk::UsePrinter(this); }

void _TMssql_declare_var::DoAccept(TRkVisitorAbs& Visitor) {
    Visitor.PreVisit(this);
    AcceptPart(NameToken, Visitor);
    AcceptPart(AsToken, Visitor);
    if (Kind == 1)
        AcceptPart(DataType, Visitor);
    else if (Kind == 2)
        AcceptOwnTok(this, 0, Visitor);  // CURSOR
    Visitor.PostVisit(this);
}
