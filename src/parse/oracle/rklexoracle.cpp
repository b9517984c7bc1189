#include "parse/oracle/rklexoracle.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "nodes/u_nodes.h"
#include "oracle_lex.h"
#include "parse/oracle/oracletokens.h"

using namespace oraclelex;

// The actions test the start state by these values.
static_assert(INITIAL == 0 && ST_NORMAL == 2 && ST_COMMENT == 4 && ST_QNAME == 6 &&
              ST_STRING == 8);

// ---------------------------------------------------------------- keywords

const TRkKeywordRec OracleKeywordTable[OracleKeywordCount] = {ORACLE_KEYWORD_LIST(RK_KEYWORD_RECORD)};

namespace {

constexpr size_t kLongestKeyword = std::max({ORACLE_KEYWORD_LIST(RK_KEYWORD_LENGTH)});
static_assert(kLongestKeyword <= TRkKeywordIndex::kMaxLength);

}  // namespace

int OracleKeywordCompare(std::string_view a, std::string_view b) { return RkKeywordCompare(a, b); }

int32_t OracleKeywordSearch(int32_t Lo, int32_t Hi, std::string_view Text, int32_t& Code) {
    return RkKeywordSearch(OracleKeywordTable, OracleKeywordCount, Lo, Hi, Text, Code);
}

bool IsOracleKeyword(std::string_view Text, int32_t& Code) {
    static const TRkKeywordIndex Index(OracleKeywordTable, OracleKeywordCount);
    return Index.Find(Text, Code);
}

// ---------------------------------------------------------------- rule actions

namespace {

using A = TRkLexAction;

constexpr TRkSqlLexCodes kCodes{
    {ST_NORMAL, ST_COMMENT, R_OPERATOR_RUN, R_COMMENT_OPEN, R_COMMENT_NESTED_OPEN, oracletok::BLOCK_COMMENT,
     oracletok::OPERATOR, false},
    ST_STRING,
    1u << ST_COMMENT | 1u << ST_QNAME | 1u << ST_STRING,
    oracletok::IDENT,
    oracletok::STRING_LIT,
    oracletok::INTEGER_LIT,
    oracletok::NUMBER_LIT,
    oracletok::LINE_COMMENT,
    IsOracleKeyword,
};

constexpr TRkLexRuleTable<RuleCount> kRules{
    {R_COMMENT_CLOSE, A::CommentClose},
    {R_COMMENT_NESTED_OPEN, A::CommentNestedOpen},
    {R_COMMENT_OPEN, A::CommentOpen},
    {R_COMMENT_TEXT, A::Text},
    {R_COMMENT_OPCHAR, A::FirstChar},
    {R_STRING_CLOSE, A::CloseString},
    {R_NSTRING_OPEN, A::NStringOpen},
    {R_STRING_OPEN, A::StringOpen},
    {R_STRING_DOUBLED_QUOTE, A::Text},
    {R_STRING_BACKSLASH, A::Text},
    {R_QNAME_CLOSE, A::CloseName},
    {R_QNAME_DOUBLED_QUOTE, A::Quote},
    {R_QNAME_OPEN, A::Open, ST_QNAME},
    {R_LINEBREAK, A::Token, oracletok::LINE_BREAK},
    {R_BLANKS, A::Token, oracletok::BLANKS},
    {R_LINE_COMMENT, A::LineComment},
    {R_SINGLE_CHAR, A::Char},
    {R_OPERATOR_RUN, A::OperatorRun},
    {R_SPACED_OPERATOR, A::Token, oracletok::OPERATOR},
    {R_INTEGER, A::Token, oracletok::INTEGER_LIT},
    {R_DECIMAL, A::Decimal},
    {R_HEX_OR_EXPONENT, A::Token, oracletok::NUMBER_LIT},
    {R_WORD, A::Keyword},
    {R_OUTER_JOIN_MARK, A::Token, oracletok::OUTER_JOIN_MARK},
    {R_BIND_NAME, A::Token, oracletok::BIND_NAME},
    {R_OTHER_CHAR, A::Token, oracletok::OTHER_CHAR},
};
constexpr auto kQuickRows = kRules.QuickRules(kCodes.Ident);
constexpr TRkQuickRules kQuick = RkQuickRules(kQuickRows, kCodes);

}  // namespace

int TRkLexerOracle::yylex() { return ScanSql(tables, kCodes.LiteralStates, &kQuick); }

// A line break inside a string or quoted name: part of the literal, except
// on a SQL*Plus command line, where the literal ends at the line end.
void TRkLexerOracle::LineBreakInLiteral() {
    if (!InSqlPlusCmd) {
        AppendText(yytext, yyleng);
        return;
    }
    yyless(0);
    TakeText(*this);
    yystart(ST_NORMAL);
    yyreturn(oracletok::STRING_LIT);
}

// Text of a string or quoted name up to a line feed, which joins the
// literal unless a SQL*Plus command line ends there.
void TRkLexerOracle::StringOrNameRun(bool /*name*/) {
    char c = GetChar();
    UngetChar(c);
    if (c != '\n') {
        AppendText(yytext, yyleng);
        return;
    }
    if (!InSqlPlusCmd) {
        GetChar();
        AppendText(yytext, yyleng);
        AppendChar('\n');
        return;
    }
    if (yyleng > 0 && yytext[static_cast<size_t>(yyleng) - 1] == '\r') {
        yyless(yyleng - 1);
        yytext.resize(static_cast<size_t>(yyleng));
    }
    yystart(ST_NORMAL);
    AppendText(yytext, yyleng);
    TakeText(*this);
    yyreturn(oracletok::STRING_LIT);
}

// A SQL*Plus command line ends at its line break, so "/*" on it is text of
// the command, never a comment that would run on over the script: a run
// from "/*" is one operator token, and a run with "/*" further in stops
// before it.  True when the run is taken here.
bool TRkLexerOracle::CommandLineRun() {
    if (!InSqlPlusCmd || (yysstate != INITIAL && yysstate != ST_NORMAL)) return false;
    const size_t opener = std::string_view(yytext).substr(0, static_cast<size_t>(yyleng)).find("/*");
    if (opener == std::string_view::npos) return false;
    if (opener == 0) {
        yyreturn(oracletok::OPERATOR);
        return true;
    }
    yyless(static_cast<int32_t>(opener));
    yytext.resize(opener);
    return false;
}

void TRkLexerOracle::RuleAction(int32_t Rule) {
    yytext = MatchText();
    switch (Rule) {
        case R_COMMENT_OPEN:
        case R_OPERATOR_RUN:
            if (!CommandLineRun()) SharedRuleAction(Rule, kRules[Rule], kCodes, BulkOperatorRuns);
            break;
        case R_STRING_LINEBREAK:
        case R_QNAME_LINEBREAK:
            LineBreakInLiteral();
            break;
        case R_STRING_TEXT:
            StringOrNameRun(false);
            break;
        case R_QNAME_TEXT:
            StringOrNameRun(true);
            break;
        default:
            SharedRuleAction(Rule, kRules[Rule], kCodes, BulkOperatorRuns);
            break;
    }
    NoteOpenLiteral(*this, kCodes.LiteralStates, yyresets());
}

// ---------------------------------------------------------------- tokens

namespace {

using namespace oracletok;

constexpr TRkTokenClass kClasses[] = {
    {LINE_COMMENT, 3, ttLineComment, 6},  {BLOCK_COMMENT, 3, ttBlockComment, 5},
    {MARKED_COMMENT, 2, ttCommentWord},   {BLANKS, 2, ttBlanks},
    {LINE_BREAK, 2, ttLineBreak},         {BIND_NAME, 2, ttBindVar},
    {OPERATOR, 6, ttOperator},            {NUMBER_LIT, 3, ttNumber},
    {INTEGER_LIT, 3, ttNumber},           {STRING_LIT, 3, ttString},
    {IDENT, 5, ttIdentifier},
};
constexpr auto kClassIndex = RkTokenClassIndex<RkMaxClassCode(kClasses)>(kClasses);
const TRkTokenClasses kTokenClasses{kClasses, kClassIndex.data(), kClassIndex.size(), IDENT, OPERATOR, false,
                                    {IDENT, DOUBLE_LT, DOUBLE_GT, ASSIGN_OP, DOUBLE_DOT}};

}  // namespace

int TRkLexerOracle::NextToken(TSourceToken& Token) {
    const int result = RkNextToken(*this, Token, kTokenClasses);
    if (Token.TokenCode == oracletok::MARKED_COMMENT) Token.TokenCode = oracletok::BLOCK_COMMENT;
    return result;
}
