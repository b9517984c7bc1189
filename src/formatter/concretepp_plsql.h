// The printers of the PL/SQL block model: one printer per element class, and
// the printer of the PL/SQL statement object, which prints its root element.
#pragma once

#include <memory>
#include <span>
#include <string>

#include "formatter/basepp.h"
#include "formatter/concretepp.h"

class TRk_Node;

// The printer of a PL/SQL element or of a PL/SQL statement object by its
// class, nullptr for any other node.
std::unique_ptr<TCustomPP> CreatePlsqlPP(TRk_Node* Owner);

// The PL/SQL part of the printer choice of CreateStatementPP (one entry:
// every element and the PL/SQL statement; the printer by node kind).
std::span<const TRkPPChoice> PlsqlPPChoices();

#define RK_DECLARE_PLSQL_PP(Name)                                  \
    class Name : public TCustomPP {                                \
    public:                                                        \
        using TCustomPP::TCustomPP;                                \
        const char* ClassName() const override { return #Name; }   \
        std::string GetPrettyText() override;                      \
    };

RK_DECLARE_PLSQL_PP(TPlsqlStatementPP)

// Blocks and sections.
RK_DECLARE_PLSQL_PP(TRk_PlsqlPP)
RK_DECLARE_PLSQL_PP(TRkPlsql_DeclPP)
RK_DECLARE_PLSQL_PP(TRkPlsql_ProcSectPP)
RK_DECLARE_PLSQL_PP(TRkPlsql_ExceptionhandlerPP)
RK_DECLARE_PLSQL_PP(TRkPlsql_NullStmtPP)
RK_DECLARE_PLSQL_PP(TRkPlsql_DummyStmtPP)

// Declarations.
RK_DECLARE_PLSQL_PP(TRkPlsql_VarDeclPP)
RK_DECLARE_PLSQL_PP(TRkPlsql_opt_declaration_exprPP)
RK_DECLARE_PLSQL_PP(TRkPlsql_CursorDeclPP)
RK_DECLARE_PLSQL_PP(TRkPlsql_CursorParamDeclPP)
RK_DECLARE_PLSQL_PP(TRkPlsql_PragmaDeclPP)
RK_DECLARE_PLSQL_PP(TRkPlsql_TableTypeDefPP)
RK_DECLARE_PLSQL_PP(TRkPlsql_VarrayTypeDefPP)
RK_DECLARE_PLSQL_PP(TRkPlsql_RecordTypeDefPP)
RK_DECLARE_PLSQL_PP(TRkPlsql_FieldDeclPP)

// Simple statements.
RK_DECLARE_PLSQL_PP(TRkPlsql_ProcBasicStmtPP)
RK_DECLARE_PLSQL_PP(TRkPlsql_ExprLeftSidePP)
RK_DECLARE_PLSQL_PP(TRkPlsql_AssignStmtPP)
RK_DECLARE_PLSQL_PP(TRkPlsql_SqlStmtPP)
RK_DECLARE_PLSQL_PP(TRkPlsql_ExitStmtPP)
RK_DECLARE_PLSQL_PP(TRkPlsql_GotoStmtPP)
RK_DECLARE_PLSQL_PP(TRkPlsql_RaiseStmtPP)
RK_DECLARE_PLSQL_PP(TRkPlsql_ReturnStmtPP)
RK_DECLARE_PLSQL_PP(TRkPlsql_CloseStmtPP)
RK_DECLARE_PLSQL_PP(TRkPlsql_OpenStmtPP)
RK_DECLARE_PLSQL_PP(TRkPlsql_OpenforStmtPP)
RK_DECLARE_PLSQL_PP(TRkPlsql_FetchStmtPP)
RK_DECLARE_PLSQL_PP(TRkPlsql_ExecImmeStmtPP)

// Control statements.
RK_DECLARE_PLSQL_PP(TRkPlsql_IfStmtPP)
RK_DECLARE_PLSQL_PP(TRkPlsql_ElsifStmtPP)
RK_DECLARE_PLSQL_PP(TRkPlsql_LoopStmtPP)
RK_DECLARE_PLSQL_PP(TRkPlsql_ForallStmtPP)
RK_DECLARE_PLSQL_PP(TRkPlsql_CaseStmtPP)
RK_DECLARE_PLSQL_PP(TRkPlsql_CaseExprPP)
RK_DECLARE_PLSQL_PP(TRkPlsql_CaseExprWhenClausePP)

// Program units.
RK_DECLARE_PLSQL_PP(TRkPlsql_ProcedureDeclPP)
RK_DECLARE_PLSQL_PP(TRkPlsql_ParameterDeclPP)
RK_DECLARE_PLSQL_PP(TRkPlsql_ProcedureSpecPP)
RK_DECLARE_PLSQL_PP(TRkPlsql_PackagePP)
RK_DECLARE_PLSQL_PP(TRkPlsql_TriggerPP)

#undef RK_DECLARE_PLSQL_PP

// ---------------------------------------------------------------------------
// Layout steps shared by the PL/SQL printers.
class TRkPlsql_Element;
class TRkPlsql_Stmt;
class TRk_List;
class TRkVisitedAbs;
class TSourceToken;

namespace ppl {

inline const std::string CRLF = "\r\n";

// The printer of N, made now when N is an element that has none yet.
TCustomPP* PrinterOf(TRk_Node* N);
// Pretty text of a child node (PrinterOf first); empty for nullptr.
std::string P(TRk_Node* N);
std::string Brk(const std::string& S);                 // EnsureLineBreak
std::string Ind(const std::string& S, int32_t N);      // IndentText
int32_t L(const std::string& S);                       // LastLineLength
// The statement label "<<name>>" on a line of its own; empty without one.
std::string Label(TRkPlsql_Element* E);
// The formatted terminator; empty when there is none.
std::string Term(TRkPlsql_Stmt* S);
// CREATE / CREATE OR REPLACE and a blank, by the CREATE node's kind.
std::string CreatePrefix(int32_t Kind, TRk_Node* CreateNode);
// Items of a list, nullptr-safe.
int32_t Count(TRk_List* List);
TRk_Node* NodeAt(TRk_List* List, int32_t I);
// Formatted separator token that precedes list item I (a node or a token).
std::string SepOf(TRk_List* List, int32_t I);
// Pretty texts of the handlers of a block or unit, one per line.
std::string HandlersText(TRk_List* Handlers);
// Brk of S in place: lists are joined item by item, and copying the text
// so far for every item would take time quadratic in the list's length.
void BrkIn(std::string& S);
// D after an item of a declaration list that is not the last, S the
// formatted separator of the next item, by the declaration-list options.
void JoinDeclItem(std::string& D, const std::string& S);
// Width added to a declared name by the separator placement (1 or 2).
int32_t DeclSeparatorExtra();

}  // namespace ppl
