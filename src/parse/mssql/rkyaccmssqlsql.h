// The SQL Server (T-SQL) parser: the LALR driver over the tables that
// yaccgen makes from mssql_sql.y, run once over the tokens of a whole
// script.  It differs from the other dialects' driver in three ways:
// statements need no ";" (where the lookahead cannot go on and the state
// reduces on ";", it reduces as if one stood there, and it does so before
// CREATE/ALTER PROCEDURE/PROC/FUNCTION as well); recovery pops to a state
// that shifts the error token and the grammar turns the rest of the line
// into an error statement; every failure of a run is reported as a pair.
// Also here: the expected-token text, the syntax-error report with its
// BEGIN/END/CASE balance notes, and the skipping of statements whose words
// are not parsed (SET options, DROP, RAISERROR, ...).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "nodes/u_nodes.h"
#include "parse/mssql/mssqltokens.h"
#include "parse/mssql/rkyaccmssqlsql_actions.h"
#include "parse/rkyacctables.h"
#include "parse/rkyaccvalue.h"

// One value-stack record.  Each grammar symbol fills the cell that suits it;
// a terminal's value is its token.
struct mssqlYYSType : TRkYYValue {
    RK_YY_CELL(TRk_Node, node, 1)       // statements, expressions, holders, names
    RK_YY_CELL(TRk_List, list, 2)       // every list
    RK_YY_CELL(TSourceToken, token, 3)  // terminals and token-valued symbols
};

// The driver loop, the error machinery and the statement skipping.  The
// tables and the semantic actions come from the derived class, so that the
// loop runs the same over any grammar written for it.
class TRkMssqlSqlDriver : public TRkMssqlSqlActions {
public:
    // The failure pairs: the first text goes out as the message, the second
    // as the token text.
    static constexpr const char* AbortMessage = "abort !!! ";
    static constexpr const char* AbortCode = "error 1001";

    TRkMssqlSqlDriver();

    // 0 when the input was accepted, 1 when the run failed.
    int yyparse() override;

    // The next significant (SkipBlanks) or raw token's code, 0 at the end;
    // the token becomes the lookahead record's token.  A colon name goes on
    // as an identifier.
    int NextToken(bool SkipBlanks);

    // The action or goto of the first entry of State's range for Symbol.
    bool yyact(int State, int Symbol, int& Action) const;
    bool yygoto(int State, int Symbol, int& NewState) const;

    // Names of token codes in expected-token texts; false when unnamed.
    static bool TokenName(int Code, std::string& Name);
    static bool KeywordName(int Code, std::string& Name);
    // ";" first when State reduces on it, then at most 20 names in table
    // order, each upper-cased and followed by a blank; "Unknown" when none.
    std::string ExpectedTokens(int State, int Lookahead) const;
    // One report through the syntax-error callback; at the end of the input
    // the token text carries the BEGIN/END and CASE/END balance notes.  A
    // literal left open at the end (OpenLiteral) is where the report points.
    void ReportSyntaxError(int State, int Lookahead, const TSourceToken* OpenLiteral = nullptr);
    // The balance notes of the whole token list ("" when balanced).
    std::string BalanceNotes() const;
    static bool IsMssqlStatementStart(int Code);

    // Called by the actions of statements whose words after the first are
    // not parsed: the raw tokens up to the statement's end go into the
    // node's token list (a SET node's own list, a DROP, BEGIN TRANSACTION
    // or RAISERROR dummy's statement list) and the parser moves past them.
    void SkipUnparsedStatement(TRk_Node* Node, TSourceToken* FirstToken);

    // Read and written by the generated actions.
    mssqlYYSType yylval{};             // lookahead record
    mssqlYYSType yyval{};              // value of the last shift or reduction
    std::vector<mssqlYYSType> yyv;     // value stack, yyv[yysp] on top
    std::vector<int16_t> yys;          // state stack
    std::vector<int32_t> yyp;          // index of the last shifted token when each state was pushed
    int yysp = 0;
    TSourceToken* LastShiftedToken = nullptr;

protected:
    virtual const TRkYaccTables& Tables() const = 0;
    virtual void yyaction(int yyruleno) = 0;

    // The token list the skipping appends to for Node, nullptr when Node is
    // of no skipping kind; SetMode tells the SET form from the others.
    static TRkNodeTokens* SkipTarget(TRk_Node* Node, bool& SetMode);

private:
    enum TLastMove : uint8_t { lmNone, lmShift, lmReduce };
    // What recovery starts from: a token the grammar cannot take, an action
    // that refused the input, or input nested past the parser's bounds.
    enum TRecovery : uint8_t { rcSyntax, rcAction, rcDeep };

    // Driver state of one run.
    int FState = 0;
    int FSavedState = 0;               // taken at every shift, for a rollback
    int FSavedSp = 0;
    mssqlYYSType FSavedVal{};
    TLastMove FLastMove = lmNone;
    int FHandlerCalls = 0;
    int32_t FLastShiftPos = -1;        // read position of the last shifted token
    bool FEndSeen = false;             // the end of the input was fetched in this run
    bool FReportAllowed = true;
    TRecovery FRecovery = rcSyntax;
    bool FDeepSinceShift = false;      // a deep recovery ran since the last shift

    bool Push();
    void FetchLookahead();
    // The comment, string or quoted name left open at the end of the
    // input, nullptr when there is none.
    const TSourceToken* OpenLiteralAtEnd() const;
    // 0 go on, 1 accept, 2 fail.
    int Reduce(int Rule);
    bool ForcedRoutineEnd(int& Rule);
    void Report(const std::string& Message, const std::string& TokenText);
    // Reports once per recovery, and has the tokens past the last shift read
    // again, so that the error statement ends with the broken input's line.
    void ReportAndReadAfterLastShift(const std::string& Message, const std::string& TokenText);
    int Fail(const std::string& Message, const std::string& TokenText);
    void SkipRaw(TRkNodeTokens* Target, bool SetMode, TSourceToken* FirstToken);
    // Recovery: the stack entry to pop to, the state its error shift leads
    // to, whether the offending token stays the lookahead, and whether it
    // popped past the nearest state that shifts the error token.
    bool FindErrorState(int& Sp, int& Target, bool& Keep, bool& PastNearest) const;
    bool IsLineStartWord() const;
    // Whether the stack up to Sp, then Target and its error statement,
    // takes Symbol next (the implicit ";" included).
    bool TakesAfterError(int Sp, int Target, int Symbol) const;
    // Starts the recovery from input nested too deep; false when a deep
    // recovery already ran since the last shift.
    bool StartDeepRecovery();
};

class TRkParserMssqlSql final : public TRkMssqlSqlDriver {
public:
    TRkParserMssqlSql() = default;
    const char* ClassName() const override { return "TRkParserMssqlSql"; }

    // Generated from the grammar: the semantic action of rule yyruleno.
    void yyaction(int yyruleno) override;

protected:
    const TRkYaccTables& Tables() const override;
};
