// The Oracle scanner: SQL, SQL*Plus command lines and PL/SQL text to
// tokens.  The DFA tables come from oracle.l; the rule actions, the keyword
// table and the token classification are here.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "parse/rklexlib.h"
#include "parse/rklexsql.h"

inline constexpr int OracleKeywordCount = 348;
// The keywords in ascending order of OracleKeywordCompare, indexes 0..347.
extern const TRkKeywordRec OracleKeywordTable[OracleKeywordCount];

// ASCII case-insensitive comparison: both sides lower-cased, then compared
// byte by byte ("_" sorts before letters, digits before both).  <0, 0, >0.
int OracleKeywordCompare(std::string_view a, std::string_view b);

// Binary search over records Lo..Hi (1-based): 0 and Code set when found,
// -1 when not.
int32_t OracleKeywordSearch(int32_t Lo, int32_t Hi, std::string_view Text, int32_t& Code);
bool IsOracleKeyword(std::string_view Text, int32_t& Code);

class TRkLexerOracle : public TRkSqlLexer {
public:
    TRkLexerOracle() = default;

    int yylex() override;
    int NextToken(TSourceToken& Token) override;

    // Runs of operator characters are decided in one pass (the matches that
    // follow inside a run are planned, not scanned again), so that a long
    // run costs linear time.  False takes every match through the tables;
    // the tokens are the same either way.
    bool BulkOperatorRuns = true;

protected:
    void RuleAction(int32_t Rule) override;

private:
    void StringOrNameRun(bool name);
    void LineBreakInLiteral();
    bool CommandLineRun();
};
