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

const TRkKeywordRec MsaccessKeywordTable[MsaccessKeywordCount] = {
#define MSACCESS_KEYWORD_RECORD(word, code) {#word, sizeof(#word) - 1, code},
    MSACCESS_KEYWORD_LIST(MSACCESS_KEYWORD_RECORD)
#undef MSACCESS_KEYWORD_RECORD
};

namespace {

constexpr size_t kLongestKeyword = 13;   // ALPHANUMBERIC, OWNERACCESS

}  // namespace

int32_t MsaccessKeywordSearch(int32_t Lo, int32_t Hi, std::string_view Text, int32_t& Code) {
    return RkKeywordSearch(MsaccessKeywordTable, MsaccessKeywordCount, Lo, Hi, Text, Code);
}

bool IsMsaccessKeyword(std::string_view Text, int32_t& Code) {
    if (Text.size() > kLongestKeyword) return false;
    return MsaccessKeywordSearch(1, MsaccessKeywordCount, Text, Code) == 0;
}

// ---------------------------------------------------------------- rule actions

int TRkLexerMsaccess::yylex() {
    int code = 0;
    if (ReplayRunPlan(code)) return code;
    return yywalk(tables);
}

namespace {

const TRkOperatorRunRules kRunRules{ST_NORMAL, ST_COMMENT, R_OPERATOR_RUN, R_COMMENT_OPEN,
                                     R_COMMENT_NESTED_OPEN, msaccesstok::BLOCK_COMMENT, msaccesstok::OPERATOR, true};

}  // namespace

// A body run of a string or a quoted or bracketed name: a line feed right
// after it joins the literal, so that a line break stays inside it.
void TRkLexerMsaccess::LiteralRun() {
    AppendText(yytext, yyleng);
    char c = GetChar();
    if (c == '\n') AppendChar(c);
    else UngetChar(c);
}

// A quoted or bracketed name closes: longer than 255 characters it is cut,
// closing delimiter and all.
void TRkLexerMsaccess::CloseName() {
    yystart(ST_NORMAL);
    AppendText(yytext, yyleng);
    if (LiteralLength > 255) {
        LiteralBuffer.resize(255);
        LiteralLength = 255;
    }
    yytext = BufferText();
    yyreturn(msaccesstok::IDENT);
}

void TRkLexerMsaccess::RuleAction(int32_t Rule) {
    using namespace msaccesstok;
    GetYYText(yytext);
    switch (Rule) {
        case R_COMMENT_CLOSE:
            AppendText(yytext, yyleng);
            CloseComment(kRunRules);
            break;
        case R_COMMENT_NESTED_OPEN:
            if (BulkOperatorRuns) {
                PlanOperatorRun(Rule, kRunRules);
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
                PlanOperatorRun(Rule, kRunRules);
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
        case R_BRACKET_LINEBREAK:
            AppendText(yytext, yyleng);
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
        case R_QNAME_TEXT:
        case R_BRACKET_TEXT:
            LiteralRun();
            break;
        case R_QNAME_CLOSE:
        case R_BRACKET_CLOSE:
            CloseName();
            break;
        case R_QNAME_DOUBLED_QUOTE:
            AppendChar('"');
            break;
        case R_QNAME_OPEN:
            yystart(ST_QNAME);
            ClearBuffer();
            AppendText(yytext, yyleng);
            break;
        case R_BRACKET_OPEN:
            yystart(ST_BRACKET);
            ClearBuffer();
            AppendText(yytext, yyleng);
            break;
        case R_LINEBREAK:
            yyreturn(LINE_BREAK);
            break;
        case R_BLANKS:
            yyreturn(BLANKS);
            break;
        case R_LINE_COMMENT:
            // Inside a literal or comment only the first "-" is its text; a
            // bracketed name is a literal too (a comment must not swallow
            // its closing "]").
            if (yysstate == ST_COMMENT || yysstate == ST_QNAME || yysstate == ST_STRING ||
                yysstate == ST_BRACKET) {
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
            if (BulkOperatorRuns) PlanOperatorRun(Rule, kRunRules);
            else OperatorRun(kRunRules);
            break;
        case R_SPACED_OPERATOR:
            yyreturn(OPERATOR);
            break;
        case R_INTEGER:
            yyreturn(INTEGER_LIT);
            break;
        case R_DECIMAL:
            RkDecimalToken(*this, INTEGER_LIT, NUMBER_LIT);
            break;
        case R_EXPONENT:
            yyreturn(NUMBER_LIT);
            break;
        case R_HASH_TOKEN:
            yyreturn(IDENT);
            break;
        case R_WORD: {
            int32_t code = 0;
            yyreturn(IsMsaccessKeyword(yytext, code) ? code : IDENT);
            break;
        }
        case R_AT_NAME:
            yyreturn(AT_NAME);
            break;
        case R_COLON_NAME:
            yyreturn(COLON_NAME);
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

using namespace msaccesstok;

constexpr TRkTokenClass kClasses[] = {
    {LINE_COMMENT, 3, ttLineComment, 6}, {BLOCK_COMMENT, 3, ttBlockComment, 5},
    {BLANKS, 2, ttBlanks},               {LINE_BREAK, 2, ttLineBreak},
    {COLON_NAME, 2, ttBindVar},          {AT_NAME, 2, ttAtVar},
    {OPERATOR, 6, ttOperator},           {NUMBER_LIT, 3, ttNumber},
    {INTEGER_LIT, 3, ttNumber},          {STRING_LIT, 3, ttString},
    {IDENT, 5, ttIdentifier},
};
const TRkTokenClasses kTokenClasses{kClasses, std::size(kClasses), IDENT, OPERATOR, true,
                                    {IDENT, DOUBLE_LT, DOUBLE_GT, ASSIGN_OP, DOUBLE_DOT}};

}  // namespace

int TRkLexerMsaccess::NextToken(TSourceToken& Token) {
    const int result = RkClassifyToken(Token, yylex(), yytext, QuestionMarkIdent, kTokenClasses);
    Token.Line = yylineno;
    Token.Column = yycolno;
    return result;
}
