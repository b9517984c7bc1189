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

const TRkMySQLKeywordRec MySQLKeywordTable[MySQLKeywordCount] = {
#define MYSQL_KEYWORD_RECORD(word, code) {#word, sizeof(#word) - 1, code},
    MYSQL_KEYWORD_LIST(MYSQL_KEYWORD_RECORD)
#undef MYSQL_KEYWORD_RECORD
};

namespace {

constexpr size_t kLongestKeyword = 19;   // RESTRICT_REFERENCES

}  // namespace

int MySQLKeywordCompare(std::string_view a, std::string_view b) { return RkKeywordCompare(a, b); }

int32_t MySQLKeywordSearch(int32_t Lo, int32_t Hi, std::string_view Text, int32_t& Code) {
    return RkKeywordSearch(MySQLKeywordTable, MySQLKeywordCount, Lo, Hi, Text, Code);
}

bool IsMySQLKeyword(std::string_view Text, int32_t& Code) {
    if (Text.size() > kLongestKeyword) return false;
    return MySQLKeywordSearch(1, MySQLKeywordCount, Text, Code) == 0;
}

// ---------------------------------------------------------------- operator runs

namespace {

inline bool IsSign(char c) { return c == '+' || c == '-'; }

// The token that the operator-run rule makes of each suffix T[i..] of one
// run of operator characters (outside comments), for non-decreasing i.  The
// searches move forward only, so a whole run costs linear time.
class TRunSplitter {
public:
    explicit TRunSplitter(std::string_view t) : T(t), n(static_cast<int32_t>(t.size())) {}

    // Characters the token keeps and its code.
    std::pair<int32_t, int32_t> At(int32_t i) {
        // The run ends before a comment opener, keeping at least one character.
        int32_t p = std::max(1, NextOpener(i) - i);
        // Trailing signs belong to what follows, unless an operator
        // character comes before them.
        if (p > 1 && IsSign(Ch(i + p - 1)) && NextOperatorChar(i) - i + 2 > p)
            p = std::max(1, SignRunStart(i + p - 1) - i);
        const char c0 = Ch(i);
        const char c1 = n - i > 1 ? Ch(i + 1) : '\0';
        const int32_t code = static_cast<unsigned char>(c0);
        if (p == 1 && (TRkLexerMySQL::IsDelimiterChar(c0) || c0 == '@')) return {1, code};
        if (p == 2 && std::string_view("*+-/=").find(c0) != std::string_view::npos && c1 == ':')
            return {1, code};
        if (p == 2 && c0 == '.' && c1 == '*') return {1, code};
        if (p >= 2 && c0 == '@') return {1, code};
        return {p, mysqltok::OPERATOR};
    }

private:
    char Ch(int32_t k) const { return T[static_cast<size_t>(k)]; }
    int32_t NextOpener(int32_t i) {
        if (opener_ >= i) return opener_;
        int32_t j = std::max(i, opener_ + 1);
        while (j + 1 < n && !((Ch(j) == '/' && Ch(j + 1) == '*') || (Ch(j) == '-' && Ch(j + 1) == '-'))) ++j;
        opener_ = j + 1 < n ? j : n;
        return opener_;
    }
    int32_t NextOperatorChar(int32_t i) {
        if (opChar_ >= i) return opChar_;
        int32_t j = i;
        while (j < n && !TRkLexerMySQL::IsOperatorChar(Ch(j))) ++j;
        opChar_ = j;
        return j;
    }
    int32_t SignRunStart(int32_t j) {
        if (j != signEnd_) {
            int32_t k = j;
            while (k > 0 && IsSign(Ch(k - 1))) --k;
            signEnd_ = j;
            signStart_ = k;
        }
        return signStart_;
    }

    std::string_view T;
    int32_t n = 0;
    int32_t opener_ = -1;
    int32_t opChar_ = -1;
    int32_t signEnd_ = -1;
    int32_t signStart_ = 0;
};

}  // namespace

// Outside comments: the first token of the run is this match; the following
// ones are planned now.  Planning stops where another rule could take the
// rest of the run together with what follows it (one character left, a
// comment opener, a name of '#', '$' and '@').
void TRkLexerMySQL::OperatorRun() {
    const std::string T = yytext.substr(0, static_cast<size_t>(yyleng));
    const int32_t n = static_cast<int32_t>(T.size());
    TRunSplitter split(T);
    RunPlan.clear();
    auto [len0, code0] = split.At(0);
    int32_t i = len0;
    while (i < n) {
        std::string_view S(T.data() + i, static_cast<size_t>(n - i));
        if (S.size() == 1 || S.starts_with("--") || S.starts_with("/*") ||
            S.find_first_not_of("#$@") == std::string_view::npos)
            break;
        auto [len, code] = split.At(i);
        RunPlan.push_back({len, code});
        i += len;
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
        yytext.assign(text);
        yyreturn(step.Code);
        return step.Code;
    }
    return yywalk(tables);
}

void TRkLexerMySQL::CloseComment() {
    if (CommentDepth > 0) {   // one nesting level closes; the comment goes on
        --CommentDepth;
        return;
    }
    yystart(ST_NORMAL);
    yytext = BufferText();
    yyreturn(mysqltok::BLOCK_COMMENT);
}

namespace {

using A = TRkLexAction;

const TRkSqlLexCodes kCodes{
    {ST_NORMAL, ST_COMMENT, R_OPERATOR_RUN, R_COMMENT_OPEN, R_COMMENT_NESTED_OPEN, mysqltok::BLOCK_COMMENT,
     mysqltok::OPERATOR, false},
    ST_STRING,
    0,
    mysqltok::IDENT,
    mysqltok::STRING_LIT,
    mysqltok::INTEGER_LIT,
    mysqltok::NUMBER_LIT,
    mysqltok::LINE_COMMENT,
    IsMySQLKeyword,
};

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

}  // namespace

void TRkLexerMySQL::RuleAction(int32_t Rule) {
    GetYYText(yytext);
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
const TRkTokenClasses kTokenClasses{kClasses, std::size(kClasses), IDENT, OPERATOR, true,
                                    {IDENT, DOUBLE_LT, DOUBLE_GT, ASSIGN_OP, DOUBLE_DOT}};

}  // namespace

int TRkLexerMySQL::NextToken(TSourceToken& Token) {
    const int result = RkClassifyToken(Token, yylex(), yytext, QuestionMarkIdent, kTokenClasses);
    Token.Line = yylineno;
    Token.Column = yycolno;
    return result;
}
