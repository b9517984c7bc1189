#include "parse/oracle/rklexoracle.h"

#include <algorithm>

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

inline unsigned char AsciiLower(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u + 32) : u;
}

constexpr size_t kLongestKeyword = 19;   // RESTRICT_REFERENCES

}  // namespace

int OracleKeywordCompare(std::string_view a, std::string_view b) {
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        unsigned char ca = AsciiLower(a[i]), cb = AsciiLower(b[i]);
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

int32_t OracleKeywordSearch(int32_t Lo, int32_t Hi, std::string_view Text, int32_t& Code) {
    Lo = std::max(Lo, 1);
    Hi = std::min(Hi, OracleKeywordCount);
    while (Lo <= Hi) {
        int32_t mid = (Lo + Hi) / 2;
        const TRkKeywordRec& rec = OracleKeywordTable[mid - 1];
        int c = OracleKeywordCompare(Text, std::string_view(rec.Name, rec.Length));
        if (c == 0) {
            Code = rec.Code;
            return 0;
        }
        if (c > 0) Lo = mid + 1;
        else Hi = mid - 1;
    }
    return -1;
}

bool IsOracleKeyword(std::string_view Text, int32_t& Code) {
    if (Text.size() > kLongestKeyword) return false;
    return OracleKeywordSearch(1, OracleKeywordCount, Text, Code) == 0;
}

// ---------------------------------------------------------------- literal buffer

void TRkLexerOracle::ClearBuffer() {
    LiteralBuffer.clear();
    LiteralLength = 0;
}

void TRkLexerOracle::AppendText(const std::string& S, int32_t N) {
    if (N < 1) return;
    size_t n = std::min(static_cast<size_t>(N), S.size());
    LiteralBuffer.append(S, 0, n);
    LiteralLength = static_cast<int32_t>(LiteralBuffer.size());
}

void TRkLexerOracle::AppendChar(char C) {
    LiteralBuffer += C;
    LiteralLength = static_cast<int32_t>(LiteralBuffer.size());
}

std::string TRkLexerOracle::BufferText() const {
    return LiteralBuffer.substr(0, static_cast<size_t>(LiteralLength));
}

bool TRkLexerOracle::IsOperatorChar(char C) {
    switch (C) {
        case '~': case '!': case '@': case '#': case '^': case '&':
        case '|': case '`': case '?': case '$': case '%':
            return true;
        default:
            return false;
    }
}

bool TRkLexerOracle::IsDelimiterChar(char C) {
    switch (C) {
        case ',': case '(': case ')': case '[': case ']': case '.': case ';':
        case '$': case ':': case '+': case '-': case '*': case '/': case '%':
        case '^': case '<': case '>': case '=':
            return true;
        default:
            return false;
    }
}

// ---------------------------------------------------------------- rule actions

int TRkLexerOracle::yylex() { return yywalk(tables); }

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

void TRkLexerOracle::OperatorRun() {
    const int32_t n = yyleng;
    if (yysstate == ST_COMMENT) {
        if (n >= 2 && yytext[0] == '*' && yytext[1] == '/') {
            yyless(2);
            AppendText(yytext, yyleng);
            CloseComment();
        } else {
            yyless(1);
            AppendText(yytext, yyleng);
        }
        return;
    }
    // p counts the characters kept (1-based position of the last one).
    int32_t p = n;
    size_t opener = std::min(yytext.find("/*"), yytext.find("--"));
    if (opener != std::string::npos) p = static_cast<int32_t>(opener);
    // A run never starts with an opener (those rules win the tie); keep at
    // least one character so that the scan always moves on.
    if (p < 1) p = 1;
    int32_t firstOperatorChar = n;
    for (int32_t i = 0; i < n; ++i) {
        if (IsOperatorChar(yytext[static_cast<size_t>(i)])) {
            firstOperatorChar = i;
            break;
        }
    }
    // Trailing signs belong to what follows, unless an operator character
    // comes before them.
    while (p > 1 && (yytext[static_cast<size_t>(p) - 1] == '+' || yytext[static_cast<size_t>(p) - 1] == '-')) {
        if (firstOperatorChar <= p - 2) break;
        --p;
    }
    if (p < n) {
        yyless(p);
        yytext.resize(static_cast<size_t>(p));
    }
    const char c0 = yytext[0];
    if (p == 1 && (IsDelimiterChar(c0) || c0 == '@')) {
        yyreturnc(c0);
        return;
    }
    if (p == 2 && (c0 == '*' || c0 == '+' || c0 == '-' || c0 == '/' || c0 == '=') && yytext[1] == ':') {
        yyless(1);
        yyreturnc(c0);
        return;
    }
    if (p == 2 && c0 == '.' && yytext[1] == '*') {
        yyless(1);
        yyreturnc('.');
        return;
    }
    if (p >= 2 && c0 == '@') {
        yyless(1);
        yyreturnc('@');
        return;
    }
    yyreturn(oracletok::OPERATOR);
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
            ++CommentDepth;
            yyless(2);
            AppendText(yytext, yyleng);
            break;
        case R_COMMENT_OPEN:
            if (yysstate == ST_STRING) {   // just text of the string
                AppendText(yytext, yyleng - 1);
                yyless(yyleng - 1);
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
            OperatorRun();
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
