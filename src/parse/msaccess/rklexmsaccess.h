// The MS Access scanner: Access SQL text to tokens.  The DFA tables come
// from msaccess.l; the rule actions, the keyword table and the token
// classification are here.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "parse/oracle/rklexoracle.h"   // OracleKeywordCompare
#include "parse/rklexlib.h"
#include "parse/rklexsql.h"

inline constexpr int MsaccessKeywordCount = 119;
// The keywords in ascending order of OracleKeywordCompare, indexes 0..118.
extern const TRkKeywordRec MsaccessKeywordTable[MsaccessKeywordCount];

// Binary search over records Lo..Hi (1-based): 0 and Code set when found,
// -1 when not.
int32_t MsaccessKeywordSearch(int32_t Lo, int32_t Hi, std::string_view Text, int32_t& Code);
bool IsMsaccessKeyword(std::string_view Text, int32_t& Code);

class TRkLexerMsaccess : public TRkSqlLexer {
public:
    TRkLexerMsaccess() = default;
    const char* ClassName() const { return "TRkLexerMsaccess"; }

    int yylex() override;
    int NextToken(TSourceToken& Token) override;

    // Runs of operator characters are decided in one pass (the matches that
    // follow inside a run are planned, not scanned again), so that a long
    // run costs linear time.  False takes every match through the tables;
    // the tokens are the same either way.
    bool BulkOperatorRuns = true;

protected:
    void RuleAction(int32_t Rule) override;
};
