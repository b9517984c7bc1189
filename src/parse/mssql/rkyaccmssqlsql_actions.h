// The node-building helpers that the SQL Server grammar's actions call
// (mssql_sql.y), and the parser fields only those actions use.  The parser
// TRkParserMssqlSql derives from this class, so its generated yyaction reads
// them as members.
#pragma once

#include <cstdint>

#include "formatter/rkbasetype.h"
#include "nodes/u_nodes.h"
#include "nodes/u_nodes_generic.h"
#include "nodes/u_parsenodes.h"
#include "parse/rksqldriver.h"
#include "statementstructure/rkexpression.h"
#include "statementstructure/sqlstatement_types.h"

class _TMssqlCreateFunction;
class _TMssqlCreateProcedure;
class _TMssqlDummyStmt;
class _TMssqlStmt;
class TRkTopClause;

// Where a statement read as raw tokens (an error statement, a statement
// whose words are not parsed) stands: inside parentheses, an END, ELSE or
// ";" is no end of it; inside a CASE, END and ELSE belong to the CASE.
struct TMssqlRawNesting {
    int32_t Parens = 0;
    int32_t Cases = 0;
    // Counts a CASE and the END that closes it.
    void FeedCase(int Code);
    // Counts parentheses too.
    void Feed(int Code);
    bool Outside() const { return Parens <= 0 && Cases <= 0; }
    // An END or ELSE that belongs to the statement around.
    bool EndsBefore(int Code) const;
    // A ";" that is read into the statement and ends it.
    bool EndsWith(int Code) const { return Code == ';' && Parens <= 0; }
};

class TRkMssqlSqlActions : public TRkSqlActions {
public:
    // The inner node of the last error statement (node kind 45); kept until
    // the next error statement replaces it.
    TRk_Node* ErrorStatementNode = nullptr;

protected:
    // The first token an error statement may take: the recovery sets it
    // past the tokens of the statements it keeps, so that an error statement
    // inside a block, an IF or a procedure body leaves out the header of the
    // statement around it (which prints that header itself).
    int32_t ErrorStartFloor = 0;
    // Set by the recovery from input nested past the parser's bounds: the
    // error statement then also takes the lines that close the parentheses
    // opened in it, so that their tails raise no error of their own.
    bool ErrorSpansParens = false;
    // Set by recovery when a statement's first word, starting its line, is
    // read again after the error statement: the error statement ends before
    // it.
    const TSourceToken* ErrorEndsBefore = nullptr;

    // Whether the token at Index is a GO that starts its line: it ends its
    // batch, so no error statement or recovery reads past it.
    bool IsGoLine(int32_t Index) const;
    // Whether only blanks (and block comments, when PastComments) stand
    // before the token at Index on its line.
    bool StartsLine(int32_t Index, bool PastComments) const;
    // The list index of T, the token just read.
    int32_t ReadIndex(const TSourceToken* T) const;
    // Puts T, just read, back for the next read.
    void UnreadToken(TSourceToken* T);

protected:
    static TRk_DummyNode* D(TRk_Node* N) { return static_cast<TRk_DummyNode*>(N); }

    // A holder whose integer 1 is Int1 and whose own tokens are Tokens (nil
    // ones skipped).
    template <class... Ts>
    TRk_DummyNode* Slot(int32_t Int1, Ts*... Tokens) {
        TRk_DummyNode* d = Holder();
        d->Int1 = Int1;
        Tk(d, Tokens...);
        return d;
    }

    // ---- Script and statement wrappers --------------------------------
    // Wraps Inner, announces it with the current positions and moves the
    // statement start past it.
    _TMssqlStmt* WrapStmt(TRk_Node* Inner, TSqlStatementType Type);
    // A top-level item: its end position, the terminator of the item before
    // it (Semicolon, when given) and its place in the result list.
    void AddScriptItem(TRk_Node* Item, TSourceToken* Semicolon);
    // The ";" after the last top-level item.
    void SetLastTerminator(TSourceToken* Semicolon);
    // The statement that a syntax error leaves: the rest of the line.
    _TMssqlStmt* ErrorStmt();

    // ---- Control of flow and batch elements ----------------------------
    _TMssqlDummyStmt* DummyStmt(uint8_t Kind);
    // A statement accepted without a tree of its own (CREATE TABLE ... OF):
    // the tokens from First to Last, printed and walked as written.
    _TMssqlDummyStmt* WrittenStmt(TSourceToken* First, TSourceToken* Last);
    TRk_Node* Fetch(TSourceToken* FetchToken, TRk_Node* Direction, TSourceToken* Global, TSourceToken* Name,
                    bool NameIsOwnToken, TRk_Node* Into);
    TRk_Node* CursorStmt(uint8_t Kind, TSourceToken* Keyword, TSourceToken* Global, TSourceToken* Name,
                         bool NameIsOwnToken);
    TRk_Node* Execute(TSourceToken* Keyword, TSourceToken* Status, TSourceToken* Equal, TRk_Node* Module,
                      TRk_List* Params, TSourceToken* With, TSourceToken* Recompile);
    TRk_Node* ExecuteString(TSourceToken* Keyword, TSourceToken* Open, TRk_List* Parts, TSourceToken* Close);
    TRk_Node* BeginTran(TSourceToken* Begin, TSourceToken* Tran, TRk_Node* Name);
    TRk_Node* DeclareCursor(TSourceToken* Declare, TSourceToken* Name, TSourceToken* Option, TSourceToken* Cursor,
                            TRk_List* Options, TSourceToken* For, TRk_Node* Query);
    TRk_Node* IfElse(TSourceToken* Keyword, TRk_Node* Condition, TRk_Node* Then, TSourceToken* ElseToken,
                     TRk_Node* Else, uint8_t IsLoop);
    _TMssqlCreateProcedure* Procedure(TSourceToken* CreateOrAlter, TSourceToken* ProcToken, TRk_Node* Name,
                                      TRk_Node* Options, TRk_Node* Replication, TRk_List* Body,
                                      uint8_t HasParens, TSourceToken* Number, TRk_List* Params);
    _TMssqlCreateFunction* Function(TSourceToken* CreateOrAlter, TRk_Node* Name, TRk_List* Params,
                                    TRk_Node* ReturnType, int32_t ReturnKind, TRk_Node* Options,
                                    TSourceToken* As, TRk_Node* Body, int32_t BodyKind);
    TRk_Node* DeclExpr(TSourceToken* Varying, TSourceToken* Equal, TRk_Node* Default, TSourceToken* Output);
    TRk_Node* TranStmt(uint8_t Kind, int32_t Form, TSourceToken* Keyword, TSourceToken* Second,
                       TSourceToken* Name);

    // ---- Queries ---------------------------------------------------------
    static TRk_Node* SelectOptions(TRk_Node* Query, TRk_Node* OrderBy, TRk_Node* Compute, TRk_Node* ForUpdate);
    TRk_Node* SetOperation(uint8_t Kind, TSourceToken* Operator, TRk_Node* Left, TRk_Node* Right,
                           TSourceToken* All);
    TRk_Node* Distinct(uint8_t Kind, TSourceToken* Keyword, TSourceToken* On, TSourceToken* Open,
                       TSourceToken* Close);
    TRk_Node* Top(TSourceToken* TopToken, TSourceToken* Number, TSourceToken* Percent, TSourceToken* With,
                  TSourceToken* Ties);
    TRk_Node* Compute(TSourceToken* ComputeToken, TSourceToken* By, TRk_List* Functions, TRk_List* ByList);
    TRk_Node* ComputeFunc(TSourceToken* Name, TSourceToken* Open, TRk_Node* Arg, TSourceToken* Close);
    TRk_Node* ForUpdate(int32_t Kind, TRk_List* Columns, TRk_Node* Wait, TSourceToken* T1, TSourceToken* T2,
                        TSourceToken* T3);
    TRk_Node* TableArgs(TRk_Node* Name, TSourceToken* Open, TRk_List* Args, TSourceToken* Close, TRk_Node* Alias);
    TRk_Node* JoinType(int32_t Code, TSourceToken* Keyword, TRk_Node* Outer);
    TRk_Node* Insert(TSourceToken* InsertToken, TSourceToken* Into, TRk_Node* Target, TRk_Node* Rest,
                     TRk_Node* Returning);
    TRk_Node* Update(TSourceToken* UpdateToken, TRk_List* Targets, TSourceToken* Set, TRk_List* SetList,
                     TRk_Node* From, TRk_Node* Where, TRk_Node* Returning);
    TRk_Node* Delete(TSourceToken* DeleteToken, TSourceToken* From, TRk_Node* Target, TRk_Node* FromClause,
                     TRk_Node* Where, TRk_Node* Returning);
    TRk_Node* ResTarget(TRk_Node* Value, TRk_Node* Alias);

    // ---- Names ------------------------------------------------------------
    TRk_Attr* Attr(TSourceToken* Name, TSourceToken* Separator = nullptr, TRk_List* Parts = nullptr) {
        return DottedName(Name, Separator, Parts);
    }

    // ---- Tables, constraints and types ------------------------------------
    TRk_CreateTableStmt* CreateTable(TRk_Node* Temp, TRk_Node* Name);
    TRk_Node* ColumnDef(TSourceToken* Name, TRk_Node* Type, TRk_List* Constraints);
    TRk_CreateViewSqlStatement* View(TSourceToken* CreateOrAlter, TSourceToken* ViewToken, TRk_Node* Name,
                                     TRk_Node* Columns, TSourceToken* As, TRk_Node* Query);
    // Own tokens ON and the filegroup name of an optional ON clause.
    void FilegroupTokens(TRk_Node* Node, TRk_Node* Filegroup);
    TRk_Node* ColumnReference(TSourceToken* References, TRk_Node* Table, TRk_Node* Columns, TRk_Node* Match,
                              TRk_Node* Actions);
    TRk_Node* ForeignKey(TSourceToken* Foreign, TSourceToken* Key, TSourceToken* Open, TRk_List* Columns,
                         TSourceToken* Close, TSourceToken* References, TRk_Node* Table, TRk_Node* RefColumns,
                         TRk_Node* Match, TRk_Node* Actions);
    // The ON DELETE / ON UPDATE clauses: codes by meaning, words in source
    // order (the first clause written in tokens 1 to 4).
    TRk_Node* KeyActions(int32_t Kind, TRk_Node* First, TRk_Node* Second, bool UpdateFirst);
    TRk_Node* BoundValue(TSourceToken* Bound);
    TRk_TypeName* TypeName(uint8_t Form, TSourceToken* Keyword, TSourceToken* Open = nullptr,
                           TSourceToken* P1 = nullptr, TSourceToken* Comma = nullptr, TSourceToken* P2 = nullptr,
                           TSourceToken* Close = nullptr);

private:
    TRkConstraintRefClause* RefClause(TSourceToken* References, TRk_Node* Table, TRk_Node* Columns,
                                      TRk_Node* Match, TRk_Node* Actions);
};
