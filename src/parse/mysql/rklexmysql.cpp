#include "parse/mysql/rklexmysql.h"

#include <algorithm>

#include "mysql_lex.h"
#include "nodes/u_nodes.h"
#include "parse/mysql/mysqltokens.h"

using namespace mysqllex;

// The actions test the start state by these values.
static_assert(INITIAL == 0 && ST_NORMAL == 2 && ST_COMMENT == 4 && ST_QNAME == 6 &&
              ST_STRING == 8 && ST_BQNAME == 10 && ST_BRNAME == 12);

// ---------------------------------------------------------------- keywords

const TRkMySQLKeywordRec MySQLKeywordTable[MySQLKeywordCount] = {MYSQL_KEYWORD_LIST(RK_KEYWORD_RECORD)};

namespace {

constexpr size_t kLongestKeyword = std::max({MYSQL_KEYWORD_LIST(RK_KEYWORD_LENGTH)});
static_assert(kLongestKeyword <= TRkKeywordIndex::kMaxLength);

}  // namespace

int MySQLKeywordCompare(std::string_view a, std::string_view b) { return RkKeywordCompare(a, b); }

int32_t MySQLKeywordSearch(int32_t Lo, int32_t Hi, std::string_view Text, int32_t& Code) {
    return RkKeywordSearch(MySQLKeywordTable, MySQLKeywordCount, Lo, Hi, Text, Code);
}

bool IsMySQLKeyword(std::string_view Text, int32_t& Code) {
    static const TRkKeywordIndex Index(MySQLKeywordTable, MySQLKeywordCount);
    return Index.Find(Text, Code);
}

// ---------------------------------------------------------------- operator runs

namespace {

using A = TRkLexAction;

constexpr TRkSqlLexCodes kCodes{
    {ST_NORMAL, ST_COMMENT, R_OPERATOR_RUN, R_COMMENT_OPEN, R_COMMENT_NESTED_OPEN, mysqltok::BLOCK_COMMENT,
     mysqltok::OPERATOR, false},
    ST_STRING,
    1u << ST_COMMENT | 1u << ST_QNAME | 1u << ST_STRING | 1u << ST_BQNAME | 1u << ST_BRNAME,
    mysqltok::IDENT,
    mysqltok::STRING_LIT,
    mysqltok::INTEGER_LIT,
    mysqltok::NUMBER_LIT,
    mysqltok::LINE_COMMENT,
    IsMySQLKeyword,
};

}  // namespace

// Outside comments: the first token of the run is this match; the following
// ones are planned now.  Planning stops where another rule could take the
// rest of the run together with what follows it (one character left, a
// comment opener, a name of '#', '$' and '@').
void TRkLexerMySQL::OperatorRun() {
    const std::string_view T = yytext.substr(0, static_cast<size_t>(yyleng));
    const int32_t n = static_cast<int32_t>(T.size());
    TRkRunScanner split(T, kCodes.Runs);
    RunPlan.clear();
    const TRkRunMatch m0 = split.At(0);
    const int32_t len0 = m0.Consume, code0 = m0.Code;
    int32_t i = len0;
    while (i < n) {
        std::string_view S(T.data() + i, static_cast<size_t>(n - i));
        if (S.size() == 1 || S.starts_with("--") || S.starts_with("/*") ||
            S.find_first_not_of("#$@") == std::string_view::npos)
            break;
        const TRkRunMatch m = split.At(i);
        RunPlan.push_back({m.Consume, m.Code});
        i += m.Consume;
    }
    RunChars = T;
    RunPos = static_cast<size_t>(len0);
    RunResets = yyresets();
    yyless(len0);
    yytext.resize(static_cast<size_t>(len0));
    yyreturn(code0);
}

// Inside a comment a run adds to the comment text; "/*" opens a nested
// comment and "*/" closes one.  The whole run is taken in this one match up
// to the close of the outermost comment.
void TRkLexerMySQL::CommentOperatorRun(int32_t Start) {
    const int32_t n = yyleng;
    int32_t i = Start;
    while (i < n) {
        const char c = yytext[static_cast<size_t>(i)];
        const char c1 = i + 1 < n ? yytext[static_cast<size_t>(i) + 1] : '\0';
        if (c == '*' && c1 == '/') {
            AppendText("*/", 2);
            i += 2;
            if (CommentDepth == 0) {
                yyless(i);
                CloseComment();
                return;
            }
            --CommentDepth;
            continue;
        }
        if (c == '/' && c1 == '*') {
            ++CommentDepth;
            AppendText("/*", 2);
            i += 2;
            continue;
        }
        AppendChar(c);
        ++i;
    }
}

// ---------------------------------------------------------------- rule actions

void TRkLexerMySQL::CloseComment() {
    if (CommentDepth > 0) {   // one nesting level closes; the comment goes on
        --CommentDepth;
        return;
    }
    yystart(ST_NORMAL);
    TakeText(*this);
    yyreturn(mysqltok::BLOCK_COMMENT);
}

namespace {

constexpr TRkLexRuleTable<RuleCount> kRules{
    {R_COMMENT_TEXT, A::Text},
    {R_COMMENT_OPCHAR, A::FirstChar},
    {R_NSTRING_OPEN, A::Open, ST_STRING},
    {R_BQNAME_CLOSE, A::CloseNameUncut},
    {R_BQNAME_OPEN, A::Open, ST_BQNAME},
    {R_BQNAME_DOUBLED, A::Text},
    {R_BQNAME_TEXT, A::Text},
    {R_STRING_CLOSE, A::CloseString},
    {R_STRING_LINEBREAK, A::Text},
    {R_STRING_OPEN, A::Open, ST_STRING},
    {R_STRING_DOUBLED_QUOTE, A::Text},
    {R_STRING_TEXT, A::Run},
    {R_STRING_ESCAPE, A::Text},
    {R_QNAME_CLOSE, A::CloseName},
    {R_QNAME_DOUBLED_QUOTE, A::Quote},
    {R_QNAME_OPEN, A::Open, ST_QNAME},
    {R_QNAME_TEXT, A::Run},
    {R_BRNAME_CLOSE, A::CloseName},
    {R_BRNAME_OPEN, A::Open, ST_BRNAME},
    {R_BRNAME_TEXT, A::Run},
    {R_LINEBREAK, A::Token, mysqltok::LINE_BREAK},
    {R_BLANKS, A::Token, mysqltok::BLANKS},
    {R_LINE_COMMENT, A::Token, mysqltok::LINE_COMMENT},
    {R_SINGLE_CHAR, A::Char},
    {R_SPACED_OPERATOR, A::Token, mysqltok::OPERATOR},
    {R_INTEGER, A::Token, mysqltok::INTEGER_LIT},
    {R_DECIMAL, A::Decimal},
    {R_EXPONENT, A::Token, mysqltok::NUMBER_LIT},
    {R_WORD, A::Keyword},
    {R_AT_NAME, A::Token, mysqltok::AT_NAME},
    {R_BIND_NAME, A::Token, mysqltok::BIND_NAME},
    {R_OTHER_CHAR, A::Token, mysqltok::OTHER_CHAR},
};
constexpr auto kQuickRows = kRules.QuickRules(kCodes.Ident);
constexpr TRkQuickRules kQuick = RkQuickRules(kQuickRows, kCodes);

}  // namespace

int TRkLexerMySQL::yylex() {
    while (!RunPlan.empty()) {
        if (RunResets != yyresets() || (yysstate != INITIAL && yysstate != ST_NORMAL)) {
            RunPlan.clear();
            break;
        }
        const TRunStep step = RunPlan.front();
        RunPlan.pop_front();
        std::string_view text = std::string_view(RunChars).substr(RunPos, static_cast<size_t>(step.Length));
        if (!yyreplay(text)) {
            RunPlan.clear();
            break;
        }
        RunPos += static_cast<size_t>(step.Length);
        yytext = text;   // RunChars outlives the token made of it
        yyreturn(step.Code);
        return step.Code;
    }
    // A quick rule changes no start state: this note stands for one after
    // its match.
    NoteOpenLiteral(*this, kCodes.LiteralStates, yyresets());
    const int code = yywalk(tables, &kQuick);
    return OpenLiteralAtEnd(*this, code, yyresets());
}

void TRkLexerMySQL::RuleAction(int32_t Rule) {
    yytext = MatchText();
    switch (Rule) {
        case R_COMMENT_CLOSE:
            AppendText(yytext, yyleng);
            CloseComment();
            break;
        case R_COMMENT_NESTED_OPEN:
            CommentOperatorRun(0);
            break;
        case R_COMMENT_OPEN:
            CommentDepth = 0;
            yystart(ST_COMMENT);
            ClearBuffer();
            AppendText("/*", 2);
            CommentOperatorRun(2);
            break;
        case R_OPERATOR_RUN:
            if (yysstate == ST_COMMENT) CommentOperatorRun(0);
            else OperatorRun();
            break;
        default:
            RkSqlRuleAction(*this, *this, kRules[Rule], kCodes);
            break;
    }
    NoteOpenLiteral(*this, kCodes.LiteralStates, yyresets());
}

// ---------------------------------------------------------------- tokens

namespace {

using namespace mysqltok;

constexpr TRkTokenClass kClasses[] = {
    {BLOCK_COMMENT, 3, ttBlockComment, 5}, {LINE_COMMENT, 3, ttLineComment, 6},
    {BLANKS, 2, ttBlanks},                 {LINE_BREAK, 2, ttLineBreak},
    {BIND_NAME, 2, ttBindVar},             {AT_NAME, 2, ttAtVar},
    {OPERATOR, 6, ttOperator},             {NUMBER_LIT, 3, ttNumber},
    {INTEGER_LIT, 3, ttNumber},            {STRING_LIT, 3, ttString},
    {IDENT, 5, ttIdentifier},              {END_OF_INPUT, 0, 0, -1, true},
};
constexpr auto kClassIndex = RkTokenClassIndex<RkMaxClassCode(kClasses)>(kClasses);
const TRkTokenClasses kTokenClasses{kClasses, kClassIndex.data(), kClassIndex.size(), IDENT, OPERATOR, true,
                                    {IDENT, DOUBLE_LT, DOUBLE_GT, ASSIGN_OP, DOUBLE_DOT}};

}  // namespace

int TRkLexerMySQL::NextToken(TSourceToken& Token) { return RkNextToken(*this, Token, kTokenClasses); }
