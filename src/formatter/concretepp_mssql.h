// The printers of the SQL Server batch model: statements, routines,
// DECLARE and the declaration nodes.
#pragma once

#include <span>
#include <string>

#include "formatter/concretepp.h"

class TCustomSqlStatement;

namespace mssqlpp {

// Steps 1 to 4 of a statement printer: the owner as a Stmt, parsed on demand
// and marked for pretty texts; nullptr when it is of another class (Text is
// then the wrong-owner message) or does not parse (Text stays empty).
template <class Stmt>
Stmt* Framed(TRk_Node* Owner, const char* ClassName, const TRkVisitedAbs* Raw, std::string& Text) {
    auto* s = dynamic_cast<Stmt*>(Owner);
    if (!s) {
        Text = pp::WrongOwner(ClassName, Raw);
        return nullptr;
    }
    if (!pp::EnsureParsed(s)) return nullptr;
    s->PrettyMode = 1;
    return s;
}

// Pretty text of a statement nested in another one (a block's child, a
// routine's body, a branch).  Past a nesting depth that no real script
// reaches it is the statement's text as written: every level indents all
// the levels inside it again, and the calls nest as deep as the statements.
std::string Nested(TCustomSqlStatement* S);

}  // namespace mssqlpp

// Printer choice of the SQL Server classes (a part of CreateStatementPP's table).
std::span<const TRkPPChoice> MssqlPPChoices();

RK_DECLARE_PP(_TMssqlStmtPP, TCustomPP)
RK_DECLARE_PP(TMssqlBlockPP, TCustomPP)
RK_DECLARE_PP(TMssqlIfElsePP, TCustomPP)
RK_DECLARE_PP(TMssqlReturnPP, TCustomPP)
RK_DECLARE_PP(TMssqlPrintPP, TCustomPP)
RK_DECLARE_PP(TMssqlUsePP, TCustomPP)
RK_DECLARE_PP(TMssqlGoPP, TCustomPP)
RK_DECLARE_PP(TMssqlFetchPP, TCustomPP)
RK_DECLARE_PP(TMssqlWithasPP, TCustomPP)
RK_DECLARE_PP(TMssqlSetPP, TCustomPP)
RK_DECLARE_PP(TMssqlExecutePP, TCustomPP)
RK_DECLARE_PP(TMssqlDummyStmtPP, TCustomPP)
RK_DECLARE_PP(TMssqlCreateProcedurePP, TCustomPP)
RK_DECLARE_PP(TMssqlCreateFunctionPP, TCustomPP)
RK_DECLARE_PP(TMssqlDeclarePP, TCustomPP)
RK_DECLARE_PP(_TMssql_ParameterDeclPP, TCustomPP)
RK_DECLARE_PP(_TMssql_declare_varPP, TCustomPP)
RK_DECLARE_PP(_TMssql_opt_declaration_exprPP, TCustomPP)
