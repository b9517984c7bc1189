#include "parse/mssql/rklexmssql.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "mssql_lex.h"
#include "nodes/u_nodes.h"
#include "parse/mssql/mssqltokens.h"

using namespace mssqllex;

// The actions test the start state by these values.
static_assert(INITIAL == 0 && ST_NORMAL == 2 && ST_COMMENT == 4 && ST_QNAME == 6 && ST_STRING == 8 &&
              ST_BRNAME == 10);

// ---------------------------------------------------------------- tables

const TRkKeywordRec MssqlKeywordTable[MssqlKeywordCount] = {MSSQL_KEYWORD_LIST(RK_KEYWORD_RECORD)};

const TRkMssqlSysVarRec MssqlSystemVariableTable[MssqlSystemVariableCount] = {
#define MSSQL_SYSVAR_RECORD(name, text, code) {text, code},
    MSSQL_SYSVAR_LIST(MSSQL_SYSVAR_RECORD)
#undef MSSQL_SYSVAR_RECORD
};

namespace {

constexpr size_t kLongestKeyword = std::max({MSSQL_KEYWORD_LIST(RK_KEYWORD_LENGTH)});
static_assert(kLongestKeyword <= TRkKeywordIndex::kMaxLength);
constexpr int32_t kLongestName = 255;    // quoted and bracketed names are cut here

}  // namespace

int32_t MssqlKeywordSearch(int32_t Lo, int32_t Hi, std::string_view Text, int32_t& Code) {
    return RkKeywordSearch(MssqlKeywordTable, MssqlKeywordCount, Lo, Hi, Text, Code);
}

bool IsMssqlKeyword(std::string_view Text, int32_t& Code) {
    static const TRkKeywordIndex Index(MssqlKeywordTable, MssqlKeywordCount);
    return Index.Find(Text, Code);
}

bool LookupMssqlSystemVariable(std::string_view Text, int32_t& Code) {
    if (Text.size() < 3 || Text[0] != '@' || Text[1] != '@') return false;
    const std::string_view name = Text.substr(2);
    for (const TRkMssqlSysVarRec& r : MssqlSystemVariableTable)
        if (RkKeywordCompare(name, r.Name) == 0) {
            Code = r.Code;
            return true;
        }
    return false;
}

// ---------------------------------------------------------------- operator runs

void TRkLexerMssql::ApplyStep(TRunStep& Step) {
    if (Step.Clear) {
        ClearBuffer();
        OpenLiteralCode = mssqltok::BLOCK_COMMENT;
        LiteralResets = yyresets();
    }
    if (!Step.Append.empty()) {
        LiteralBuffer += Step.Append;
        LiteralLength = static_cast<int32_t>(LiteralBuffer.size());
    }
    // A step that opens a comment starts with its "/*".
    if (Step.Clear) NoteLiteralOpening(*this);
    yystart(Step.State);
    CommentDepth = Step.Depth;
    if (Step.Code == 0) return;
    if (Step.Code == mssqltok::BLOCK_COMMENT) OpenLiteralCode = 0;
    yytext = std::move(Step.Text);
    yyreturn(Step.Code);
}

// ---------------------------------------------------------------- literals

// The literal opens with the first N characters of the match.
void TRkLexerMssql::OpenLiteral(int32_t State, int32_t Code, int32_t N) {
    yystart(State);
    ClearBuffer();
    OpenLiteralCode = Code;
    LiteralResets = yyresets();
    Append(N);
    NoteLiteralOpening(*this);
}

void TRkLexerMssql::CloseLiteral(int32_t Code) {
    yystart(ST_NORMAL);
    OpenLiteralCode = 0;
    TakeText(*this);
    yyreturn(Code);
}

// Appends the first N characters of the match.
void TRkLexerMssql::Append(int32_t N) { AppendText(yytext, N); }

// A piece of a string or name: a line feed right after it joins the text.
void TRkLexerMssql::AppendPiece() {
    Append(yyleng);
    const char c = GetChar();
    if (c != '\n') {
        UngetChar(c);
        return;
    }
    AppendChar('\n');
}

bool TRkLexerMssql::InName() const { return yysstate == ST_QNAME || yysstate == ST_BRNAME; }

// Inside a quoted or bracketed name, a rule meant for the text outside it
// (comment openers, quotes, line breaks) matched at the start of a piece:
// its characters are name text, up to the closing character.
void TRkLexerMssql::ForeignInName(int32_t Rule) {
    if (Rule == R_LINE_COMMENT) {
        const char closer = yysstate == ST_QNAME ? '"' : ']';
        const size_t p = std::string_view(yytext).substr(0, static_cast<size_t>(yyleng)).find(closer);
        if (p != std::string_view::npos) yyless(static_cast<int32_t>(p));
    }
    Append(yyleng);
}

// ---------------------------------------------------------------- rule actions

namespace {

using A = TRkLexAction;

// Inside a comment "/*" nests, and "*/" closes also where operator
// characters follow; an operator run ends before the "@" or "@@" of a
// variable written right after it (so «a<@b» is "<" and @b), and a sign
// goes alone before "@"s.
constexpr TRkSqlLexCodes kCodes{
    {ST_NORMAL, ST_COMMENT, R_OPERATOR_RUN, R_COMMENT_OPEN, R_COMMENT_NESTED_OPEN, mssqltok::BLOCK_COMMENT,
     mssqltok::OPERATOR, true, true, false, true, true, "#$@"},
    ST_STRING,
    1u << ST_COMMENT | 1u << ST_QNAME | 1u << ST_STRING | 1u << ST_BRNAME,
    mssqltok::IDENT,
    mssqltok::STRING_LIT,
    mssqltok::INTEGER_LIT,
    mssqltok::NUMBER_LIT,
    mssqltok::LINE_COMMENT,
    IsMssqlKeyword,
};

// The rules outside literals whose actions are shared; the others are below.
constexpr TRkLexRuleTable<RuleCount> kRules{
    {R_BLANKS, A::Token, mssqltok::BLANKS},
    {R_SINGLE_CHAR, A::Char},
    {R_SPACED_OPERATOR, A::Token, mssqltok::OPERATOR},
    {R_INTEGER, A::Token, mssqltok::INTEGER_LIT},
    {R_DECIMAL, A::Decimal},
    {R_HEX_OR_EXPONENT, A::Token, mssqltok::NUMBER_LIT},
    {R_WORD, A::Keyword},
    {R_BIND_NAME, A::Token, mssqltok::BIND_NAME},
    {R_LABEL, A::Token, mssqltok::LABEL},
    {R_OTHER_CHAR, A::Token, mssqltok::OTHER_CHAR},
};
constexpr auto kQuickRows = kRules.QuickRules(kCodes.Ident);
constexpr TRkQuickRules kQuick = RkQuickRules(kQuickRows, kCodes);

}  // namespace

int TRkLexerMssql::yylex() {
    // Matches already decided inside an operator run come first, as long
    // as nothing has moved the scanner since.
    int planned = 0;
    if (ReplayRunPlan(planned)) return planned;
    const int code = yywalk(tables, &kQuick);
    // (The end of the input resets the scanner once; a literal opened
    // before another reset belonged to an earlier input.)
    if (code != 0 || OpenLiteralCode == 0 || yyresets() != LiteralResets + 1) {
        if (code == 0) OpenLiteralCode = 0;
        return code;
    }
    // The input ended inside a comment, string or name: what was collected
    // is still its token, never dropped.
    const int open = OpenLiteralCode;
    OpenLiteralCode = 0;
    CommentDepth = 0;
    TakeText(*this);
    PlaceAtOpening(*this);
    yyreturn(open);
    return open;
}

void TRkLexerMssql::RuleAction(int32_t Rule) {
    using namespace mssqltok;
    yytext = MatchText();
    const int32_t cond = yysstate;
    const bool literal = cond == ST_COMMENT || cond == ST_QNAME || cond == ST_STRING || cond == ST_BRNAME;
    switch (Rule) {
        case R_COMMENT_CLOSE:
        case R_COMMENT_NESTED_OPEN:
        case R_COMMENT_OPCHAR:
            PlanOperatorRun(Rule, kCodes.Runs);
            break;
        case R_COMMENT_OPEN:
            if (cond == ST_STRING) {   // string text; the last character comes again
                yyless(yyleng - 1);
                Append(yyleng);
            } else if (InName()) {
                ForeignInName(Rule);
            } else {
                PlanOperatorRun(Rule, kCodes.Runs);
            }
            break;
        case R_COMMENT_TEXT:
        case R_STRING_LINEBREAK:
        case R_STRING_DOUBLED_QUOTE:
        case R_STRING_BACKSLASH:
            Append(yyleng);
            break;
        case R_STRING_CLOSE:
            Append(yyleng);
            CloseLiteral(STRING_LIT);
            break;
        case R_NSTRING_OPEN:
            if (cond == ST_STRING) {   // the letter is string text; the quote comes again
                yyless(1);
                Append(1);
            } else if (InName()) {
                ForeignInName(Rule);
            } else {
                OpenLiteral(ST_STRING, STRING_LIT, yyleng);
            }
            break;
        case R_STRING_OPEN: {
            if (literal) {
                Append(yyleng);
                break;
            }
            OpenLiteral(ST_STRING, STRING_LIT, 1);
            if (!TakeBackslashQuote()) break;
            AppendText("\\'", 2);
            CloseLiteral(STRING_LIT);
            break;
        }
        case R_STRING_TEXT:
        case R_QNAME_TEXT:
        case R_BRNAME_TEXT:
            AppendPiece();
            break;
        case R_QNAME_CLOSE:
        case R_BRNAME_CLOSE:
            Append(yyleng);
            if (LiteralLength >= kLongestName) {
                CutBuffer(kLongestName);
            }
            CloseLiteral(IDENT);
            break;
        case R_QNAME_DOUBLED_QUOTE:   // two double quotes stand for one
            AppendChar('"');
            break;
        case R_QNAME_OPEN:
            if (literal) {
                Append(yyleng);
                break;
            }
            OpenLiteral(ST_QNAME, IDENT, yyleng);
            break;
        case R_BRNAME_OPEN:
            if (literal) {
                Append(yyleng);
                break;
            }
            OpenLiteral(ST_BRNAME, IDENT, yyleng);
            break;
        case R_LINEBREAK:
            if (literal) Append(yyleng);
            else yyreturn(LINE_BREAK);
            break;
        case R_LINE_COMMENT:
            if (InName()) {
                ForeignInName(Rule);
            } else if (literal) {
                // Comment or string text up to the first character that
                // means something there.
                const std::string_view specials = cond == ST_COMMENT ? "*/" : "'";
                const size_t p = std::string_view(yytext).substr(0, static_cast<size_t>(yyleng)).find_first_of(specials);
                if (p != std::string_view::npos) yyless(static_cast<int32_t>(p));
                Append(yyleng);
            } else {
                yyreturn(LINE_COMMENT);
            }
            break;
        case R_OPERATOR_RUN:
            if (literal && cond != ST_COMMENT) Append(yyleng);
            else PlanOperatorRun(Rule, kCodes.Runs);
            break;
        default:
            // The rules below never beat a literal's own rules; should one
            // match there all the same, its text belongs to the literal.
            if (literal) {
                Append(yyleng);
                break;
            }
            if (Rule == R_AT_NAME) {
                int32_t code = 0;
                yyreturn(LookupMssqlSystemVariable(yytext, code) ? code : VARIABLE);
            } else {
                RkSqlRuleAction(*this, *this, kRules[Rule], kCodes);
            }
            break;
    }
}

// ---------------------------------------------------------------- tokens

namespace {

// Group, type and sub-kind of the token classes.
constexpr TRkTokenClass kClasses[] = {
    {mssqltok::LINE_COMMENT, 3, ttLineComment, 6}, {mssqltok::BLOCK_COMMENT, 3, ttBlockComment, 5},
    {mssqltok::BLANKS, 2, ttBlanks, 0},            {mssqltok::LINE_BREAK, 2, ttLineBreak, 0},
    {mssqltok::BIND_NAME, 2, ttBindVar, 0},        {mssqltok::VARIABLE, 2, ttAtVar, 0},
    {mssqltok::OPERATOR, 6, ttOperator, 0},        {mssqltok::NUMBER_LIT, 3, ttNumber, 0},
    {mssqltok::INTEGER_LIT, 3, ttNumber, 0},       {mssqltok::STRING_LIT, 3, ttString, 0},
    {mssqltok::IDENT, 5, ttIdentifier, 0},
};
constexpr auto kClassIndex = RkTokenClassIndex<RkMaxClassCode(kClasses)>(kClasses);
const TRkTokenClasses kTokenClasses{kClasses, kClassIndex.data(), kClassIndex.size(), mssqltok::IDENT, mssqltok::OPERATOR, true,
                                    {mssqltok::IDENT, mssqltok::SHL, mssqltok::SHR, mssqltok::ASSIGN,
                                     mssqltok::DOTDOT}};

}  // namespace

int TRkLexerMssql::NextToken(TSourceToken& Token) { return RkNextToken(*this, Token, kTokenClasses); }
