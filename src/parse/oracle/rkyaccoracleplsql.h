// The Oracle PL/SQL parser: the LALR driver over the tables that yaccgen
// makes from oracle_plsql.y, with keyword demotion (only the PL/SQL keywords
// stay keywords), error recovery through the error token with a ";"
// shortcut, and the token collection of the SQL statements embedded in the
// code, which the Oracle SQL grammar parses later.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "nodes/u_nodes.h"
#include "nodes/u_nodes_generic.h"
#include "nodes/u_parsenodes.h"
#include "parse/oracle/oracletokens.h"
#include "parse/rksqldriver.h"
#include "parse/rkyacctables.h"
#include "parse/rkyaccvalue.h"

class TCustomSqlStatement;

// One value-stack record.  A nonterminal fills the cell that suits its
// result; a terminal's value is its token.
struct oracleplsqlYYSType : TRkYYValue {
    RK_YY_CELL(TRk_Attr, attr, 1)         // qualified names
    RK_YY_CELL(TRk_DummyNode, option, 2)  // optional clauses, labels, small holders
    RK_YY_CELL(TRk_TypeName, type, 3)     // data types
    RK_YY_CELL(TRk_List, list, 4)         // every list
    RK_YY_CELL(TRk_Node, node, 5)         // elements, expressions, statement objects
    RK_YY_CELL(TSourceToken, token, 6)    // terminals and names
};

class TRkParserOraclePlsql : public TRkSqlDriver<TRkParserOraclePlsql, oracleplsqlYYSType> {
public:
    static constexpr int InitialStackSize = 64;
    static constexpr bool KeepStacks = true;
    static constexpr int ForcedErrorCode = -1;
    static constexpr bool ReduceAfterFailedResume = false;
    static constexpr bool CatchActionErrors = false;
    // The dialect byte of this parser.
    static constexpr std::uint8_t PlsqlDialectCode = 10;

    // Index of the last token the grammar consumed (shifted, or read by an
    // action); where the next skipped construct starts; the token an error
    // rule stopped at (nullptr when the tokens ran out).
    std::int32_t LastTokenIndex = 0;
    std::int32_t ResumeIndex = 0;
    TSourceToken* RecoveryToken = nullptr;
    // The ";" that raised the syntax error being recovered from: the driver
    // has already read it, and the broken construct ends there instead of
    // taking the next statement into its skip.
    TSourceToken* ErrorSemicolon = nullptr;
    // Beside each state stack entry: LastTokenIndex when it was pushed.  The
    // state that shifts the error token so tells where the broken construct
    // began: after a compound's header (LOOP, THEN, BEGIN, ...) as much as
    // after the previous statement.
    std::vector<std::int32_t> yyConsumed;

    TRkParserOraclePlsql();
    const char* ClassName() const override { return "TRkParserOraclePlsql"; }

    // 0 accepted; 1 failed (a syntax error no state on the stack absorbs,
    // stack overflow, or nothing but blanks and comments to parse).
    int yyparse() override;

    // The next token's code with keyword demotion; 0 when there is none.
    int NextToken(bool SkipBlanks = true);
    // Hands the embedded statement Statement every token through its ";",
    // or up to a ")" that closes a bracket opened before it.
    void CollectStatementTokens(TCustomSqlStatement* Statement);

    // Generated from the grammar: the semantic action of rule yyruleno.
    void yyaction(int yyruleno);

    static bool TokenName(int Code, std::string& Name);
    static bool KeywordName(int Code, std::string& Name);
    // 0 and Code set when Text is a PL/SQL keyword within rows Lo..Hi; -1
    // when not.
    static int PlsqlKeywordSearch(int Lo, int Hi, std::string_view Text, int& Code);
    static bool IsPlsqlKeyword(std::string_view Text, int& Code);
    // Words that stay keywords inside PL/SQL code, sorted case-insensitively.
    static int PlsqlKeywordCount();
    static const char* PlsqlKeywordText(int I);

    // ";" first when State reduces on it, then at most 20 token and keyword
    // names in table order, each followed by a blank; "Unknown" when none.
    static std::string ExpectedTokens(int State);
    void ReportSyntaxError(int State, int Lookahead);

    static const TRkYaccTables& Tables();

private:
    // ---- Helpers of the grammar actions (rkyaccoracleplsql_nodes.cpp) ----
    // Skips the broken declaration or statement through its ";" into a
    // dummy statement (the error rules).
    TRk_Node* SkipBrokenConstruct();
    // Ends a declaration or statement rule: the next skip starts after it.
    void EndConstruct() { ResumeIndex = LastTokenIndex + 1; }
    // A new embedded statement object of class T that starts with Keyword
    // and takes its tokens through its ";" (defined in the grammar file).
    template <class T>
    TRk_Node* Embedded(TSourceToken* Keyword);
    TRk_Node* EmbeddedStatement(std::unique_ptr<TCustomSqlStatement> Statement, TSourceToken* Keyword);
    // A bracketed query: the brackets join the statement object's tokens.
    static TRk_Node* ParenQuery(TSourceToken* Open, TRk_Node* Query, TSourceToken* Close);
    TRk_Ident* IdentNode(TSourceToken* Token);
    TRk_Attr* AttrOf(TSourceToken* Name, TRk_List* Parts, TSourceToken* Dot);
    static TRk_Attr* AddPart(TRk_Attr* Attr, TSourceToken* Dot, TSourceToken* Part);
    TRk_Attr* Linked(TRk_Attr* Name, TSourceToken* At, TSourceToken* Link);
    TRk_FuncCall* Call(TRk_Attr* Name, TSourceToken* Open, TRk_List* Args, TSourceToken* Close);
    TRk_FuncCall* CallFlag(TRk_Attr* Name, TSourceToken* Open, TSourceToken* Flag, TRk_List* Args,
                           TSourceToken* Close, int Which);
    // EXTRACT(field FROM expr) as the other grammars build it: the field,
    // FROM and the source expression stay in the tree, so the call's text
    // regenerates whole.
    TRk_Node* ExtractArgs(TSourceToken* Field, TSourceToken* From, TRk_Node* Source);
    TRk_FuncCall* ExtractCall(TSourceToken* Extract, TSourceToken* Open, TRk_Node* Args, TSourceToken* Close);
    TRk_FuncCall* TrimCall(std::uint8_t Kind, TSourceToken* Trim, TSourceToken* Open, TSourceToken* Where,
                           TRk_Node* Args, TSourceToken* Close);
    TRk_FuncCall* CastCall(TSourceToken* Cast, TSourceToken* Open, TRk_Node* Operand, TSourceToken* As,
                           TRk_TypeName* Type, TSourceToken* Close);
    TRk_TrimList* TrimArgs(TRk_Node* TrimChar, TSourceToken* From, TRk_List* Source);
    TRkCustomExpression* Paren(TSourceToken* Open, TRk_Node* Inner, TSourceToken* Close);
    TRkCustomExpression* Quantified(TSourceToken* Op, TRk_Node* Left, TRk_DummyNode* SubType, TRk_Node* Right);
    TRk_A_Const* Const(std::uint8_t Kind, TSourceToken* Value);
    TRkValue* IntValue(TSourceToken* Value);
    TRk_TypeName* TypeName(std::uint8_t Kind, TSourceToken* Name);
    TRk_TypeName* AnchoredType(std::uint8_t Kind, TRk_Attr* Name, TSourceToken* Percent, TSourceToken* Suffix);
    TRk_TypeName* PrecisionType(std::uint8_t Kind, TSourceToken* Name, TRk_DummyNode* Precision, bool Scale);
    TRk_TypeName* CharacterType(TRk_DummyNode* Kind, TSourceToken* Open, TSourceToken* Length,
                                TRk_DummyNode* Semantics, TSourceToken* Close, TRk_DummyNode* Charset);
    TRk_DummyNode* CharKind(std::int32_t Kind, TSourceToken* T1, TSourceToken* T2, TRk_DummyNode* Varying);
    TRk_DummyNode* Holder(std::int32_t Int1 = -9999, TSourceToken* T1 = nullptr, TSourceToken* T2 = nullptr,
                          TSourceToken* T3 = nullptr);
    TRk_DummyNode* ListHolder(TRk_List* List, TSourceToken* Keyword);
    TRk_DummyNode* BindArg(std::int32_t Mode, TSourceToken* Name, TSourceToken* M1, TSourceToken* M2);
    TRk_DummyNode* Precision(TSourceToken* Open, TSourceToken* P, TSourceToken* Comma, TSourceToken* S,
                             TSourceToken* Close);

    // ---- Element builders (rkyaccoracleplsql_elements.cpp) ---------------
    static void SetTerminator(TRk_Node* Stmt, TSourceToken* Semicolon);
    static void SetLoopEndLabel(TRk_Node* Loop, TSourceToken* Label);
    static void SetLoopWhile(TRk_Node* Loop, TRk_Node* Condition);
    static void SetLoopBounds(TRk_Node* Loop, TRk_Node* Lower, TRk_Node* Upper, std::uint8_t Reverse);
    static void SetLoopQuery(TRk_Node* Loop, TRk_Node* Query);
    static void SetLoopCursor(TRk_Node* Loop, TRk_Node* Cursor, TRk_List* Args);
    static void SetVarValue(TRk_Node* Decl, TRk_Node* Value);
    // A statement after "<<" label ">>".
    static TRk_Node* Labelled(TRk_Node* Stmt, TSourceToken* Open, TSourceToken* Label, TSourceToken* Close,
                              TSourceToken* Semicolon);
    TRk_Node* PlsqlBlock(TRk_Node* Decl, TSourceToken* Begin, TRk_List* Stmts, TRk_DummyNode* Exceptions,
                         TSourceToken* End, TSourceToken* EndLabel);
    TRk_Node* PlsqlDeclSection(TRk_DummyNode* Label, TSourceToken* Declare, TRk_List* Decls);
    TRk_Node* PlsqlVarDecl(std::uint8_t Kind, TSourceToken* Name, TRk_TypeName* Type, TRk_DummyNode* NotNull,
                           TRk_Node* Default);
    TRk_Node* PlsqlDefault(std::int32_t Kind, TSourceToken* Keyword, TRk_Node* Expr);
    TRk_Node* PlsqlCaseExpr(TSourceToken* Case, TRk_Node* Selector, TRk_List* Whens, TRk_DummyNode* Else,
                            TSourceToken* End);
    TRk_Node* PlsqlCaseWhen(TSourceToken* When, TRk_Node* Condition, TSourceToken* Then, TRk_List* Stmts,
                            TRk_Node* Result);
    TRk_Node* PlsqlProcBasic(TRk_Node* Call);
    TRk_Node* PlsqlClose(TSourceToken* Close, TSourceToken* Cursor);
    TRk_Node* PlsqlOpen(TSourceToken* Open, TRk_Node* Cursor, TSourceToken* LParen, TRk_List* Args,
                        TSourceToken* RParen);
    TRk_Node* PlsqlOpenFor(TSourceToken* Open, TSourceToken* Cursor, TSourceToken* For, TRk_Node* Query,
                           TRk_Node* Expr, TSourceToken* Using, TRk_List* Binds);
    TRk_Node* PlsqlExecImme(TSourceToken* Execute, TSourceToken* Immediate, TRk_Node* Expr, TRk_DummyNode* Into,
                            TRk_DummyNode* Using, TRk_DummyNode* Returning);
    TRk_Node* PlsqlFetch(TSourceToken* Fetch, TRk_Attr* Cursor, TSourceToken* Into, TRk_List* Targets);
    TRk_Node* PlsqlNull(TSourceToken* Null);
    TRk_Node* PlsqlSql(TRk_Node* Statement);
    TRk_Node* PlsqlTableType(TSourceToken* Type, TRk_Attr* Name, TSourceToken* IsAs, TSourceToken* Table,
                             TSourceToken* Of, TRk_TypeName* Element, TRk_DummyNode* NotNull,
                             TRk_DummyNode* IndexBy);
    TRk_Node* PlsqlVarrayType(std::int32_t Form, TSourceToken* Type, TRk_Attr* Name, TSourceToken* IsAs,
                              TSourceToken* K1, TSourceToken* K2, TSourceToken* Open, TSourceToken* Limit,
                              TSourceToken* Close, TSourceToken* Of, TRk_TypeName* Element,
                              TRk_DummyNode* NotNull);
    TRk_Node* PlsqlRecordType(TSourceToken* Type, TRk_Attr* Name, TSourceToken* Is, TSourceToken* Record,
                              TSourceToken* Open, TRk_List* Fields, TSourceToken* Close);
    TRk_Node* PlsqlField(TSourceToken* Name, TRk_TypeName* Type, TRk_DummyNode* NotNull, TRk_Node* Default);
    TRk_Node* PlsqlCursor(TSourceToken* Cursor, TSourceToken* Name, TRk_DummyNode* Params, TSourceToken* Return,
                          TRk_TypeName* ReturnType, TSourceToken* Is, TRk_Node* Query);
    TRk_Node* PlsqlRefCursor(TSourceToken* Type, TRk_Attr* Name, TSourceToken* Is, TSourceToken* Ref,
                             TSourceToken* Cursor, TSourceToken* Return, TRk_TypeName* ReturnType,
                             TSourceToken* Semicolon);
    TRk_Node* PlsqlCursorParam(TSourceToken* Name, TSourceToken* In, TRk_TypeName* Type, TRk_Node* Default);
    TRk_Node* PlsqlHandler(std::int32_t Kind, TRk_List* Names, TRk_List* Stmts);
    TRk_Node* PlsqlAssign(TRk_Node* Target, TSourceToken* Assign, TRk_Node* Value);
    TRk_Node* PlsqlLeftSide(TSourceToken* Name, TRk_Attr* Attr, TRk_List* Qualifiers, TSourceToken* Dot,
                            TSourceToken* Open, TSourceToken* Close);
    TRk_Node* PlsqlExit(TSourceToken* Exit, TSourceToken* Label, TSourceToken* When, TRk_Node* Condition);
    TRk_Node* PlsqlGoto(TSourceToken* Goto, TSourceToken* Label);
    TRk_Node* PlsqlIf(TRk_Node* Condition, TRk_List* Then, TRk_List* Elsifs, TRk_List* Else);
    TRk_Node* PlsqlElsif(TRk_Node* Condition, TRk_List* Stmts);
    TRk_Node* PlsqlForall(TSourceToken* Index, TRk_Node* Lower, TRk_Node* Upper, TRk_Node* Dml);
    TRk_Node* PlsqlCaseStmt(TRk_Node* Body, TSourceToken* EndLabel);
    TRk_Node* PlsqlLoop(std::int32_t Kind, TSourceToken* Index, TRk_List* Stmts);
    TRk_Node* PlsqlRaise(TSourceToken* Raise, TSourceToken* Name);
    TRk_Node* PlsqlReturn(TSourceToken* Return, TRk_Node* Expr);
    TRk_Node* PlsqlProcedure(TRk_DummyNode* Create, TSourceToken* Keyword, TRk_Attr* Name,
                             TRk_DummyNode* Params, TSourceToken* Return, TRk_TypeName* ReturnType,
                             TRk_DummyNode* Options, TSourceToken* IsAs, TRk_List* Decls, TSourceToken* Begin,
                             TRk_List* Stmts, TRk_DummyNode* Exceptions, TSourceToken* End,
                             TSourceToken* EndLabel);
    TRk_Node* PlsqlSpec(TSourceToken* Keyword, TRk_Attr* Name, TRk_DummyNode* Params, TSourceToken* Return,
                        TRk_TypeName* ReturnType);
    TRk_Node* PlsqlParam(std::int32_t Mode, TSourceToken* Name, TRk_TypeName* Type, TRk_Node* Default);
    TRk_Node* PlsqlPackage(TRk_DummyNode* Create, TSourceToken* Package, TSourceToken* Body, TRk_Attr* Name,
                           TSourceToken* IsAs, TRk_List* Items, TSourceToken* Begin, TRk_List* Stmts,
                           TRk_DummyNode* Exceptions, TSourceToken* End, TSourceToken* EndLabel);
    TRk_Node* PlsqlPragma(TRk_List* Args);
    TRk_Node* PlsqlTrigger(TRk_DummyNode* Create, TSourceToken* Trigger, TRk_Attr* Name, TRk_DummyNode* Timing,
                           TRk_DummyNode* Event, TRk_DummyNode* When, TRk_Node* Body, TRk_Node* Call);
};
