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

const TRkKeywordRec OracleKeywordTable[OracleKeywordCount] = {
#define ORACLE_KEYWORD_RECORD(word, code) {#word, sizeof(#word) - 1, code},
    ORACLE_KEYWORD_LIST(ORACLE_KEYWORD_RECORD)
#undef ORACLE_KEYWORD_RECORD
};

namespace {

constexpr size_t kLongestKeyword = 19;   // RESTRICT_REFERENCES

}  // namespace

int OracleKeywordCompare(std::string_view a, std::string_view b) { return RkKeywordCompare(a, b); }

int32_t OracleKeywordSearch(int32_t Lo, int32_t Hi, std::string_view Text, int32_t& Code) {
    return RkKeywordSearch(OracleKeywordTable, OracleKeywordCount, Lo, Hi, Text, Code);
}

bool IsOracleKeyword(std::string_view Text, int32_t& Code) {
    if (Text.size() > kLongestKeyword) return false;
    return OracleKeywordSearch(1, OracleKeywordCount, Text, Code) == 0;
}

// ---------------------------------------------------------------- rule actions

int TRkLexerOracle::yylex() {
    // Matches already decided inside an operator run come first, as long as
    // nothing has moved the scanner since.
    while (!RunPlan.empty()) {
        if (RunResets != yyresets() || RunState != yysstate) {
            RunPlan.clear();
            break;
        }
        TRunStep step = std::move(RunPlan.front());
        RunPlan.pop_front();
        if (!yyreplay(std::string_view(RunChars).substr(RunPos, static_cast<size_t>(step.Length)))) {
            RunPlan.clear();
            break;
        }
        RunPos += static_cast<size_t>(step.Length);
        ApplyStep(step);
        RunState = yysstate;
        if (step.Code != 0) {
            yytext = std::move(step.Text);
            yyreturn(step.Code);
            return step.Code;
        }
    }
    return yywalk(tables);
}

void TRkLexerOracle::CloseComment() {
    if (CommentDepth > 0) {   // one nesting level closes; the comment goes on
        --CommentDepth;
        return;
    }
    yystart(ST_NORMAL);
    yytext = BufferText();
    yyreturn(oracletok::BLOCK_COMMENT);
}

// A line break inside a string or quoted name: part of the literal, except
// on a SQL*Plus command line, where the literal ends at the line end.
void TRkLexerOracle::LineBreakInLiteral() {
    if (!InSqlPlusCmd) {
        AppendText(yytext, yyleng);
        return;
    }
    yyless(0);
    yytext = BufferText();
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
    yytext = BufferText();
    yyreturn(oracletok::STRING_LIT);
}

namespace {

struct TOpResult {
    int32_t Consume = 0;      // characters the match keeps
    int32_t Code = 0;         // token code
    int32_t TextLength = 0;   // characters of the token text
};

inline bool IsSign(char c) { return c == '+' || c == '-'; }

// What the operator-run rule makes of the suffixes T[i..] of one run of
// operator characters, outside comments, for non-decreasing i; each answer
// takes amortized constant time, so a whole run is decided in linear time.
class TRunScanner {
public:
    explicit TRunScanner(std::string_view t) : T(t), n(static_cast<int32_t>(t.size())) {}

    TOpResult At(int32_t i) {
        const int32_t m = n - i;
        // p counts the characters kept: up to a comment opener, if any, so
        // that the opener starts the next match; at least one.
        int32_t op = NextOpener(i);
        int32_t p = op < n ? op - i : m;
        if (p < 1) p = 1;
        // Trailing signs belong to what follows, unless an operator
        // character comes before them.
        int32_t firstOp = NextOperatorChar(i) - i;
        if (p > 1 && IsSign(T[static_cast<size_t>(i + p - 1)]) && firstOp + 2 > p)
            p = std::max(1, SignRunStart(i + p - 1) - i);
        const char c0 = T[static_cast<size_t>(i)];
        const char c1 = m > 1 ? T[static_cast<size_t>(i + 1)] : '\0';
        const int32_t ch = static_cast<unsigned char>(c0);
        // A character token keeps that one character as its text.
        if (p == 1 && (TRkLexerOracle::IsDelimiterChar(c0) || c0 == '@')) return {1, ch, 1};
        if (p == 2 && (c0 == '*' || c0 == '+' || c0 == '-' || c0 == '/' || c0 == '=') && c1 == ':')
            return {1, ch, 1};
        if (p == 2 && c0 == '.' && c1 == '*') return {1, ch, 1};
        if (p >= 2 && c0 == '@') return {1, ch, 1};
        return {p, oracletok::OPERATOR, p};
    }

private:
    // First "/*" or "--" starting at or after i (n when none).
    int32_t NextOpener(int32_t i) {
        if (opener_ >= i) return opener_;
        int32_t j = i;
        while (j + 1 < n && !((T[static_cast<size_t>(j)] == '/' && T[static_cast<size_t>(j) + 1] == '*') ||
                              (T[static_cast<size_t>(j)] == '-' && T[static_cast<size_t>(j) + 1] == '-')))
            ++j;
        opener_ = j + 1 < n ? j : n;
        return opener_;
    }
    int32_t NextOperatorChar(int32_t i) {
        if (opChar_ >= i) return opChar_;
        int32_t j = i;
        while (j < n && !TRkLexerOracle::IsOperatorChar(T[static_cast<size_t>(j)])) ++j;
        opChar_ = j;
        return j;
    }
    // Start of the run of signs that ends at j.
    int32_t SignRunStart(int32_t j) {
        if (j != signEnd_) {
            int32_t k = j;
            while (k > 0 && IsSign(T[static_cast<size_t>(k) - 1])) --k;
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

// One match of the operator-run rule, taken through the tables.
void TRkLexerOracle::OperatorRun() {
    if (yysstate == ST_COMMENT) {
        if (yyleng >= 2 && yytext[0] == '*' && yytext[1] == '/') {
            yyless(2);
            AppendText(yytext, yyleng);
            CloseComment();
        } else {
            yyless(1);
            AppendText(yytext, yyleng);
        }
        return;
    }
    TOpResult r = TRunScanner(std::string_view(yytext).substr(0, static_cast<size_t>(yyleng))).At(0);
    yyless(r.Consume);
    yytext.resize(static_cast<size_t>(r.TextLength));
    yyreturn(r.Code);
}

void TRkLexerOracle::ApplyStep(const TRunStep& Step) {
    if (Step.Clear) ClearBuffer();
    if (!Step.Append.empty()) {
        LiteralBuffer += Step.Append;
        LiteralLength = static_cast<int32_t>(LiteralBuffer.size());
    }
    yystart(Step.State);
    CommentDepth = Step.Depth;
}

// The rule that fired (operator run, comment opener or nested opener)
// matched a whole run of operator characters.  Taking it one match at a time
// gives most of the run back to be scanned again, which is quadratic on a
// long run.  Instead the matches inside the run are decided here, in one
// pass: inside a comment only "*/" and "/*" do anything but add to the
// comment text; outside, each suffix of the run (two characters or more,
// not an opener, not all '#'/'$') goes to the operator-run rule.  Where the
// run's end or what follows it could change the outcome, planning stops
// and the tables take over again.
void TRkLexerOracle::PlanOperatorRun(int32_t Rule) {
    using namespace oracletok;
    // yytext holds the run until the first step below replaces it.
    const std::string_view T = std::string_view(yytext).substr(0, static_cast<size_t>(yyleng));
    const int32_t n = static_cast<int32_t>(T.size());
    if (Rule == R_OPERATOR_RUN && yysstate != ST_COMMENT) {
        // The usual case: the rule keeps the whole run, nothing to plan.
        TOpResult r = TRunScanner(T).At(0);
        if (r.Consume == n) {
            yytext.resize(static_cast<size_t>(r.TextLength));
            yyreturn(r.Code);
            return;
        }
    }
    std::vector<TRunStep> steps;
    int32_t state = yysstate, depth = CommentDepth;
    int32_t i = 0, stepStart = 0;
    bool stepClear = false;
    std::string stepAppend;
    TRunScanner run(T);
    bool ownBuffer = false;     // the comment being collected began inside the run
    std::string litAppend;      // added to the real literal buffer (ownBuffer false)
    std::string simBuffer;      // the comment begun inside the run
    auto add = [&](std::string_view a) {
        stepAppend += a;
        (ownBuffer ? simBuffer : litAppend) += a;
    };
    auto emit = [&](int32_t code, std::string text) {
        TRunStep st;
        st.Length = i - stepStart;
        st.Code = code;
        st.Text = std::move(text);
        st.State = state;
        st.Depth = depth;
        st.Clear = stepClear;
        st.Append = std::move(stepAppend);
        steps.push_back(std::move(st));
        stepStart = i;
        stepClear = false;
        stepAppend.clear();
    };
    auto openComment = [&] {
        state = ST_COMMENT;
        depth = 0;
        stepClear = true;
        stepAppend.clear();
        ownBuffer = true;
        simBuffer.clear();
        add("/*");
        i += 2;
    };
    if (Rule == R_COMMENT_NESTED_OPEN) {
        ++depth;
        add("/*");
        i = 2;
    } else if (Rule == R_COMMENT_OPEN) {
        openComment();
    }
    while (i < n) {
        std::string_view S(T.data() + i, static_cast<size_t>(n - i));
        if (state == ST_COMMENT) {
            if (S.starts_with("*/")) {
                add("*/");
                i += 2;
                if (depth > 0) {
                    --depth;
                    continue;
                }
                state = ST_NORMAL;
                emit(BLOCK_COMMENT, ownBuffer ? simBuffer : BufferText() + litAppend);
                continue;
            }
            if (S.starts_with("/*")) {
                ++depth;
                add("/*");
                i += 2;
                continue;
            }
            add(S.substr(0, 1));
            ++i;
            continue;
        }
        if (i > 0) {   // the matched rule itself always runs at 0
            if (S.size() == 1 || S.starts_with("--")) break;
            if (S.find_first_not_of("#$") == std::string_view::npos) break;
            if (S.starts_with("/*")) {
                openComment();
                continue;
            }
        }
        TOpResult r = run.At(i);
        i += r.Consume;
        emit(r.Code, std::string(S.substr(0, static_cast<size_t>(r.TextLength))));
    }
    if (i > stepStart || stepClear || !stepAppend.empty()) emit(0, std::string());

    // The first step is this match; the others wait for the next calls.
    TRunStep& s0 = steps.front();
    RunPlan.assign(std::make_move_iterator(steps.begin() + 1), std::make_move_iterator(steps.end()));
    if (!RunPlan.empty()) RunChars.assign(T);
    RunPos = static_cast<size_t>(s0.Length);
    yyless(s0.Length);
    ApplyStep(s0);
    if (s0.Code != 0) {
        yytext = std::move(s0.Text);
        yyreturn(s0.Code);
    }
    RunState = yysstate;
    RunResets = yyresets();
}

void TRkLexerOracle::RuleAction(int32_t Rule) {
    using namespace oracletok;
    GetYYText(yytext);
    switch (Rule) {
        case R_COMMENT_CLOSE:
            AppendText(yytext, yyleng);
            CloseComment();
            break;
        case R_COMMENT_NESTED_OPEN:
            if (BulkOperatorRuns) {
                PlanOperatorRun(Rule);
                break;
            }
            ++CommentDepth;
            yyless(2);
            AppendText(yytext, yyleng);
            break;
        case R_COMMENT_OPEN:
            if (yysstate == ST_STRING) {   // just text of the string
                AppendText(yytext, yyleng - 1);
                yyless(yyleng - 1);
            } else if (BulkOperatorRuns) {
                PlanOperatorRun(Rule);
            } else {
                CommentDepth = 0;
                yystart(ST_COMMENT);
                ClearBuffer();
                yyless(2);   // the operator characters after "/*" are comment text
                AppendText(yytext, yyleng);
            }
            break;
        case R_COMMENT_TEXT:
            AppendText(yytext, yyleng);
            break;
        case R_COMMENT_OPCHAR:
            AppendChar(yytext[0]);
            break;
        case R_STRING_CLOSE:
            yystart(ST_NORMAL);
            AppendText(yytext, yyleng);
            yytext = BufferText();
            yyreturn(STRING_LIT);
            break;
        case R_STRING_LINEBREAK:
        case R_QNAME_LINEBREAK:
            LineBreakInLiteral();
            break;
        case R_NSTRING_OPEN:
            if (yysstate == ST_STRING) {   // the letter is string text; the quote comes again
                yyless(1);
                AppendText(yytext, yyleng);
            } else {
                yystart(ST_STRING);
                ClearBuffer();
                AppendText(yytext, yyleng);
            }
            break;
        case R_STRING_OPEN: {
            yystart(ST_STRING);
            ClearBuffer();
            AppendText(yytext, yyleng);
            // quote, backslash, quote is a whole string
            char c = GetChar();
            if (c != '\\') {
                UngetChar(c);
                break;
            }
            char c2 = GetChar();
            if (c2 != '\'') {
                UngetChar(c2);
                UngetChar(c);
                break;
            }
            yystart(ST_NORMAL);
            AppendText("\\'", 2);
            yytext = BufferText();
            yyreturn(STRING_LIT);
            break;
        }
        case R_STRING_DOUBLED_QUOTE:
        case R_STRING_BACKSLASH:
            AppendText(yytext, yyleng);
            break;
        case R_STRING_TEXT:
            StringOrNameRun(false);
            break;
        case R_QNAME_CLOSE:
            yystart(ST_NORMAL);
            AppendText(yytext, yyleng);
            if (LiteralLength >= 255) {
                LiteralBuffer.resize(255);
                LiteralLength = 255;
            }
            yytext = BufferText();
            yyreturn(IDENT);
            break;
        case R_QNAME_DOUBLED_QUOTE:
            AppendChar('"');
            break;
        case R_QNAME_OPEN:
            yystart(ST_QNAME);
            ClearBuffer();
            AppendText(yytext, yyleng);
            break;
        case R_QNAME_TEXT:
            StringOrNameRun(true);
            break;
        case R_LINEBREAK:
            yyreturn(LINE_BREAK);
            break;
        case R_BLANKS:
            yyreturn(BLANKS);
            break;
        case R_LINE_COMMENT:
            if (yysstate == ST_COMMENT || yysstate == ST_QNAME || yysstate == ST_STRING) {
                yyless(1);
                AppendText(yytext, yyleng);
            } else {
                yyreturn(LINE_COMMENT);
            }
            break;
        case R_SINGLE_CHAR:
            yyreturnc(yytext[0]);
            break;
        case R_OPERATOR_RUN:
            if (BulkOperatorRuns) PlanOperatorRun(Rule);
            else OperatorRun();
            break;
        case R_SPACED_OPERATOR:
            yyreturn(OPERATOR);
            break;
        case R_INTEGER:
            yyreturn(INTEGER_LIT);
            break;
        case R_DECIMAL:
            if (yytext.back() == '.') {   // «1..5» is 1, "..", 5
                char c = GetChar();
                UngetChar(c);
                if (c == '.') {
                    yyless(yyleng - 1);
                    yytext.resize(static_cast<size_t>(yyleng));
                    yyreturn(INTEGER_LIT);
                    break;
                }
            }
            yyreturn(NUMBER_LIT);
            break;
        case R_HEX_OR_EXPONENT:
            yyreturn(NUMBER_LIT);
            break;
        case R_WORD: {
            int32_t code = 0;
            yyreturn(IsOracleKeyword(yytext, code) ? code : IDENT);
            break;
        }
        case R_OUTER_JOIN_MARK:
            yyreturn(OUTER_JOIN_MARK);
            break;
        case R_BIND_NAME:
            yyreturn(BIND_NAME);
            break;
        case R_OTHER_CHAR:
            yyreturn(OTHER_CHAR);
            break;
        default:
            break;
    }
}

// ---------------------------------------------------------------- tokens

namespace {

uint8_t CharTokenType(char c) {
    switch (c) {
        case '$': return ttDollar;
        case '(': return ttLeftParen;
        case ')': return ttRightParen;
        case '*': return ttStar;
        case '+': return ttPlus;
        case ',': return ttComma;
        case '-': return ttMinus;
        case '.': return ttPeriod;
        case '/': return ttSlash;
        case ':': return ttColon;
        case ';': return ttSemicolon;
        case '<': return ttLess;
        case '=': return ttEqual;
        case '>': return ttGreater;
        case '@': return ttAt;
        case '[': return ttLeftBracket;
        case ']': return ttRightBracket;
        case '^': return ttCaret;
        default: return ttOtherChar;
    }
}

}  // namespace

int TRkLexerOracle::NextToken(TSourceToken& Token) {
    using namespace oracletok;
    int code = yylex();
    int result = code;
    Token.TokenCode = code;
    switch (code) {
        case LINE_COMMENT:
            Token.Text = yytext;
            Token.TokenGroup = 3;
            Token.TokenType = ttLineComment;
            Token.TokenSubKind = 6;
            break;
        case BLOCK_COMMENT:
            Token.Text = yytext;
            Token.TokenGroup = 3;
            Token.TokenType = ttBlockComment;
            Token.TokenSubKind = 5;
            break;
        case MARKED_COMMENT:
            Token.Text = yytext;
            Token.TokenGroup = 2;
            Token.TokenType = ttCommentWord;
            Token.TokenCode = BLOCK_COMMENT;
            break;
        case BLANKS:
            Token.Text = yytext;
            Token.TokenGroup = 2;
            Token.TokenType = ttBlanks;
            break;
        case LINE_BREAK:
            Token.Text = yytext;
            Token.TokenGroup = 2;
            Token.TokenType = ttLineBreak;
            break;
        case BIND_NAME:
            Token.Text = yytext;
            Token.TokenGroup = 2;
            Token.TokenType = ttBindVar;
            break;
        case OPERATOR:
            Token.Text = yytext;
            Token.TokenGroup = 6;
            Token.TokenType = ttOperator;
            if (QuestionMarkIdent && yytext == "?") result = IDENT;
            else if (yytext == "<<") result = DOUBLE_LT;
            else if (yytext == ">>") result = DOUBLE_GT;
            else if (yytext == ":=") result = ASSIGN_OP;
            else if (yytext == "..") result = DOUBLE_DOT;
            Token.TokenCode = result;
            break;
        case NUMBER_LIT:
        case INTEGER_LIT:
            Token.Text = yytext;
            Token.TokenGroup = 3;
            Token.TokenType = ttNumber;
            break;
        case STRING_LIT:
            Token.Text = yytext;
            Token.TokenGroup = 3;
            Token.TokenType = ttString;
            break;
        case IDENT:
            Token.Text = yytext;
            Token.TokenGroup = 5;
            Token.TokenType = (!yytext.empty() && yytext[0] == '"') ? ttQuotedName : ttIdentifier;
            break;
        default:
            if (code >= 255) {
                Token.Text = yytext;
                Token.TokenGroup = 1;
                Token.TokenType = ttKeyword;
            } else {
                Token.Text = yytext.empty() ? std::string() : yytext.substr(0, 1);
                Token.TokenGroup = 6;
                Token.TokenType = CharTokenType(Token.Text.empty() ? '\0' : Token.Text[0]);
            }
            break;
    }
    Token.Line = yylineno;
    Token.Column = yycolno;
    return result;
}
