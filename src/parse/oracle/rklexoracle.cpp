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
    int code = 0;
    if (ReplayRunPlan(code)) return code;
    return yywalk(tables);
}

namespace {

const TRkOperatorRunRules kRunRules{ST_NORMAL, ST_COMMENT, R_OPERATOR_RUN, R_COMMENT_OPEN,
                                     R_COMMENT_NESTED_OPEN, oracletok::BLOCK_COMMENT, oracletok::OPERATOR, false};

}  // namespace

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

void TRkLexerOracle::RuleAction(int32_t Rule) {
    using namespace oracletok;
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

using namespace oracletok;

constexpr TRkTokenClass kClasses[] = {
    {LINE_COMMENT, 3, ttLineComment, 6},  {BLOCK_COMMENT, 3, ttBlockComment, 5},
    {MARKED_COMMENT, 2, ttCommentWord},   {BLANKS, 2, ttBlanks},
    {LINE_BREAK, 2, ttLineBreak},         {BIND_NAME, 2, ttBindVar},
    {OPERATOR, 6, ttOperator},            {NUMBER_LIT, 3, ttNumber},
    {INTEGER_LIT, 3, ttNumber},           {STRING_LIT, 3, ttString},
    {IDENT, 5, ttIdentifier},
};
const TRkTokenClasses kTokenClasses{kClasses, std::size(kClasses), IDENT, OPERATOR, false,
                                    {IDENT, DOUBLE_LT, DOUBLE_GT, ASSIGN_OP, DOUBLE_DOT}};

}  // namespace

int TRkLexerOracle::NextToken(TSourceToken& Token) {
    const int code = yylex();
    const int result = RkClassifyToken(Token, code, yytext, QuestionMarkIdent, kTokenClasses);
    if (code == oracletok::MARKED_COMMENT) Token.TokenCode = oracletok::BLOCK_COMMENT;
    Token.Line = yylineno;
    Token.Column = yycolno;
    return result;
}
