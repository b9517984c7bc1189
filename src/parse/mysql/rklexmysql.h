// The MySQL scanner: script text to tokens.  The DFA tables come from
// mysql.l; the rule actions, the keyword table and the token classification
// are here.  Inside a string a backslash escapes the next character, so
// «'It\'s'» is one string.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

#include "parse/rklexlib.h"
#include "parse/rklexsql.h"

using TRkMySQLKeywordRec = TRkKeywordRec;

inline constexpr int MySQLKeywordCount = 333;
// The keywords in ascending order of MySQLKeywordCompare, indexes 0..332.
extern const TRkMySQLKeywordRec MySQLKeywordTable[MySQLKeywordCount];

// ASCII case-insensitive comparison ("_" sorts before letters).  <0, 0, >0.
int MySQLKeywordCompare(std::string_view a, std::string_view b);
// Binary search over records Lo..Hi (1-based): 0 and Code set when found,
// -1 when not.
int32_t MySQLKeywordSearch(int32_t Lo, int32_t Hi, std::string_view Text, int32_t& Code);
bool IsMySQLKeyword(std::string_view Text, int32_t& Code);

class TRkLexerMySQL : public TRkCustomLexer, public TRkLiteralText {
public:
    TRkLexerMySQL() = default;

    int yylex() override;
    int NextToken(TSourceToken& Token) override;

    int32_t CommentDepth = 0;       // open nested comments beyond the outermost

protected:
    void RuleAction(int32_t Rule) override;

private:
    // One token decided in advance inside an operator run.
    struct TRunStep {
        int32_t Length = 0;
        int32_t Code = 0;
    };
    void CloseComment();
    void CommentOperatorRun(int32_t Start);
    void OperatorRun();

    // An operator run is split into its tokens in one pass; the tokens after
    // the first are handed out by the next calls, as long as the input still
    // holds that run and nothing reset the scanner in between.
    std::deque<TRunStep> RunPlan;
    std::string RunChars;
    size_t RunPos = 0;
    uint32_t RunResets = 0;
};
