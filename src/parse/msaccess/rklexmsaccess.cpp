#include "parse/msaccess/rklexmsaccess.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "msaccess_lex.h"
#include "nodes/u_nodes.h"
#include "parse/msaccess/msaccesstokens.h"

using namespace msaccesslex;

// The actions test the start state by these values.
static_assert(INITIAL == 0 && ST_NORMAL == 2 && ST_COMMENT == 4 && ST_QNAME == 6 &&
              ST_STRING == 8 && ST_BRACKET == 10);

// ---------------------------------------------------------------- keywords

const TRkKeywordRec MsaccessKeywordTable[MsaccessKeywordCount] = {MSACCESS_KEYWORD_LIST(RK_KEYWORD_RECORD)};

namespace {

constexpr size_t kLongestKeyword = std::max({MSACCESS_KEYWORD_LIST(RK_KEYWORD_LENGTH)});
static_assert(kLongestKeyword <= TRkKeywordIndex::kMaxLength);

}  // namespace

int32_t MsaccessKeywordSearch(int32_t Lo, int32_t Hi, std::string_view Text, int32_t& Code) {
    return RkKeywordSearch(MsaccessKeywordTable, MsaccessKeywordCount, Lo, Hi, Text, Code);
}

bool IsMsaccessKeyword(std::string_view Text, int32_t& Code) {
    static const TRkKeywordIndex Index(MsaccessKeywordTable, MsaccessKeywordCount);
    return Index.Find(Text, Code);
}

// ---------------------------------------------------------------- rule actions

namespace {

using A = TRkLexAction;

constexpr TRkSqlLexCodes kCodes{
    {ST_NORMAL, ST_COMMENT, R_OPERATOR_RUN, R_COMMENT_OPEN, R_COMMENT_NESTED_OPEN, msaccesstok::BLOCK_COMMENT,
     msaccesstok::OPERATOR, true},
    ST_STRING,
    // a bracketed name is a literal too: a comment must not swallow its "]"
    1u << ST_COMMENT | 1u << ST_QNAME | 1u << ST_STRING | 1u << ST_BRACKET,
    msaccesstok::IDENT,
    msaccesstok::STRING_LIT,
    msaccesstok::INTEGER_LIT,
    msaccesstok::NUMBER_LIT,
    msaccesstok::LINE_COMMENT,
    IsMsaccessKeyword,
};

constexpr TRkLexRuleTable<RuleCount> kRules{
    {R_COMMENT_CLOSE, A::CommentClose},
    {R_COMMENT_NESTED_OPEN, A::CommentNestedOpen},
    {R_COMMENT_OPEN, A::CommentOpen},
    {R_COMMENT_TEXT, A::Text},
    {R_COMMENT_OPCHAR, A::FirstChar},
    {R_STRING_CLOSE, A::CloseString},
    {R_STRING_LINEBREAK, A::Text},
    {R_NSTRING_OPEN, A::NStringOpen},
    {R_STRING_OPEN, A::StringOpen},
    {R_STRING_DOUBLED_QUOTE, A::Text},
    {R_STRING_TEXT, A::Run},
    {R_STRING_BACKSLASH, A::Text},
    {R_QNAME_CLOSE, A::CloseName},
    {R_QNAME_DOUBLED_QUOTE, A::Quote},
    {R_QNAME_OPEN, A::Open, ST_QNAME},
    {R_QNAME_TEXT, A::Run},
    {R_BRACKET_CLOSE, A::CloseName},
    {R_BRACKET_LINEBREAK, A::Text},
    {R_BRACKET_OPEN, A::Open, ST_BRACKET},
    {R_BRACKET_TEXT, A::Run},
    {R_LINEBREAK, A::Token, msaccesstok::LINE_BREAK},
    {R_BLANKS, A::Token, msaccesstok::BLANKS},
    {R_LINE_COMMENT, A::LineComment},
    {R_SINGLE_CHAR, A::Char},
    {R_OPERATOR_RUN, A::OperatorRun},
    {R_SPACED_OPERATOR, A::Token, msaccesstok::OPERATOR},
    {R_INTEGER, A::Token, msaccesstok::INTEGER_LIT},
    {R_DECIMAL, A::Decimal},
    {R_EXPONENT, A::Token, msaccesstok::NUMBER_LIT},
    {R_HASH_TOKEN, A::Token, msaccesstok::IDENT},
    {R_WORD, A::Keyword},
    {R_AT_NAME, A::Token, msaccesstok::AT_NAME},
    {R_COLON_NAME, A::Token, msaccesstok::COLON_NAME},
    {R_OTHER_CHAR, A::Token, msaccesstok::OTHER_CHAR},
};
constexpr auto kQuickRows = kRules.QuickRules(kCodes.Ident);
constexpr TRkQuickRules kQuick = RkQuickRules(kQuickRows, kCodes);

}  // namespace

int TRkLexerMsaccess::yylex() { return ScanSql(tables, kCodes.LiteralStates, &kQuick); }

void TRkLexerMsaccess::RuleAction(int32_t Rule) {
    yytext = MatchText();
    SharedRuleAction(Rule, kRules[Rule], kCodes, BulkOperatorRuns);
    NoteOpenLiteral(*this, kCodes.LiteralStates, yyresets());
}

// ---------------------------------------------------------------- tokens

namespace {

using namespace msaccesstok;

constexpr TRkTokenClass kClasses[] = {
    {LINE_COMMENT, 3, ttLineComment, 6}, {BLOCK_COMMENT, 3, ttBlockComment, 5},
    {BLANKS, 2, ttBlanks},               {LINE_BREAK, 2, ttLineBreak},
    {COLON_NAME, 2, ttBindVar},          {AT_NAME, 2, ttAtVar},
    {OPERATOR, 6, ttOperator},           {NUMBER_LIT, 3, ttNumber},
    {INTEGER_LIT, 3, ttNumber},          {STRING_LIT, 3, ttString},
    {IDENT, 5, ttIdentifier},
};
constexpr auto kClassIndex = RkTokenClassIndex<RkMaxClassCode(kClasses)>(kClasses);
const TRkTokenClasses kTokenClasses{kClasses, kClassIndex.data(), kClassIndex.size(), IDENT, OPERATOR, true,
                                    {IDENT, DOUBLE_LT, DOUBLE_GT, ASSIGN_OP, DOUBLE_DOT}};

}  // namespace

int TRkLexerMsaccess::NextToken(TSourceToken& Token) { return RkNextToken(*this, Token, kTokenClasses); }
