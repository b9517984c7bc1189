// The MS Access scanner end to end: text in, tokens (code, text, type) out,
// through NextToken as the front end drives it.
#include <set>

#include "frontend/marlsqlparser.h"
#include "parse/msaccess/msaccesstokens.h"
#include "parse/msaccess/rklexmsaccess.h"
#include "parse/mysql/sqltree_check.h"
#include "parse/oracle/rklexoracle.h"

using namespace msaccesstok;
using namespace treetest;

namespace {

std::vector<TScanned> AScan(const std::string& input) { return Scan<TRkLexerMsaccess>(input); }

// "code:text" per token, blanks left out, joined by " ".
std::string Dump(const std::string& input) {
    std::string s;
    for (const TScanned& t : AScan(input)) {
        if (t.code == BLANKS) continue;
        if (!s.empty()) s += " ";
        s += std::to_string(t.code) + ":" + t.text;
    }
    return s;
}

TEST(AccessTokens, Dump) {
    static const struct {
        const char *input, *tokens;
    } Cases[] = {
        {"select [order details].[unit price] from t", "366:select 262:[order details] 46:. 262:[unit price] 312:from 262:t"},
        {"where d = #1/2/2003#", "393:where 262:d 61:= 262:#1/2/2003#"},
        {"#2003-01-02# #abc#", "262:#2003-01-02# 262:#abc#"},
        // A blank inside ends the run without a closing "#".
        {"#1/2/2003 10:00#", "262:#1 47:/ 267:2 47:/ 267:2003 267:10 271::00 269:#"}, {"a=@p", "262:a 61:= 274:@p"},
        {"a=:p", "262:a 61:= 271::p"}, {"a*@p +@q", "262:a 42:* 274:@p 43:+ 274:@q"}, {"`abc`", "269:` 262:abc 269:`"},
        {"ALPHANUMBERIC ALPHANUMERIC", "277:ALPHANUMBERIC 262:ALPHANUMERIC"},
        {"selectx SELECT select SeLeCt", "262:selectx 366:SELECT 366:select 366:SeLeCt"},
        // A backslash is an ordinary character: the quote after it closes
        // the string, and the last quote stays open to the end (an error
        // token).
        {"'It''s' 'a\\'b'", "266:'It''s' 266:'a\\' 262:b 256:'\n"}, {"'C:\\dir\\' x", "266:'C:\\dir\\' 262:x"},
        {"\"a\"\"b\"", "262:\"a\"b\""},
        {"'/*' x '/*+*/'&'*/'", "266:'/*' 262:x 266:'/*+*/' 269:& 266:'*/'"},
        {"/* a /* b */ c */+1", "257:/* a /* b */ c */ 43:+ 267:1"}, {"x--y", "262:x 258:--y"},
        {"=-5 !- <> != <=", "61:= 45:- 267:5 269:!- 269:<> 269:!= 269:<="},
        {"1..10 .5 1e5", "267:1 273:.. 267:10 265:.5 265:1e5"},
        {"t.* a:=1 ? << >>", "262:t 46:. 42:* 262:a 272::= 267:1 262:? 263:<< 264:>>"},
        {"#tmp # %", "262:#tmp 269:# 37:%"}, {"@v @@s @1", "274:@v 274:@@s 64:@ 267:1"},
        {"[a--b] x", "262:[a--b] 262:x"},
        {"COUNT CONSTRAINT COLUMN COUNTER VARCHAR WHERE WITH YESNO",
            "291:COUNT 292:CONSTRAINT 293:COLUMN 294:COUNTER 392:VARCHAR 393:WHERE 394:WITH 395:YESNO"},
        {"check default full using for", "262:check 262:default 262:full 262:using 262:for"},
    };
    for (const auto& c : Cases) EXPECT_EQ(Dump(c.input), c.tokens) << c.input;
}

TEST(AccessScanner, NamesTypesLineBreaksAndLength) {
    auto t = AScan("[a b] \"q\" #d# x");
    ASSERT_EQ(t.size(), 7u);
    EXPECT_EQ(std::vector<int>({t[0].type, t[2].type, t[4].type, t[6].type}),
              std::vector<int>({ttBracketedName, ttQuotedName, ttIdentifier, ttIdentifier}));
    // A bracketed name keeps its line breaks.
    EXPECT_EQ(Dump("[order\r\ndetails]\n[x\n\ny]"), "262:[order\r\ndetails] 260:\n 262:[x\n\ny]");
    EXPECT_EQ(AScan("[" + std::string(300, 'n') + "]").at(0).text.size(), 255u);
}

TEST(AccessScanner, NulByteDoesNotEndTheInput) { EXPECT_EQ(Dump(std::string("a\0 b", 4)), "262:a 262:b"); }

TEST(AccessScanner, LiteralOpenAtTheEndIsOneErrorToken) {
    for (const char* open : {"a 'open", "a [open", "a \"open", "a /* open"})
        EXPECT_EQ(Dump(open), std::string("262:a 256:") + (open + 2) + "\n") << open;
}

// Through the front end: the quote that a backslash does not escape leaves
// the rest of the script in an open string, which is reported where it
// stands instead of swallowing the CREATE TABLE without a word.
TEST(AccessScanner, UnbalancedQuoteIsReported) {
    TMarlSqlParser P(3);
    P.SetSqlTextString("select 'a\\'b' from t;\ncreate table x (a int);\n");
    P.Parse();
    ASSERT_EQ(P.ErrorCount(), 1);
    EXPECT_EQ(P.SyntaxErrors().Get(1).TokenText.rfind("' from t;", 0), 0u) << P.SyntaxErrors().Get(1).TokenText;
    EXPECT_NE(P.SyntaxErrors().Get(1).TokenText.find("create table x"), std::string::npos);
    // A string of backslashes that closes stays one string.
    TMarlSqlParser Q(3);
    Q.SetSqlTextString("select 'C:\\dir\\' from t;\ncreate table x (a int);\n");
    Q.Parse();
    EXPECT_EQ(Q.ErrorCount(), 0);
    EXPECT_EQ(Q.Statements().Count(), 2);
}

TEST(AccessScanner, LongOperatorRunAndLongLineScan) {
    // Hostile input: runs and lines far beyond any fixed buffer.
    std::string ops(200000, '!');
    auto t = AScan("a " + ops + " b");
    ASSERT_EQ(t.size(), 5u);
    EXPECT_EQ(t[2].code, OPERATOR);
    EXPECT_EQ(t[2].text.size(), ops.size());
    std::string line = "select " + std::string(1 << 20, 'x');
    EXPECT_EQ(AScan(line).back().text.size(), static_cast<size_t>(1 << 20));
}

TEST(AccessScanner, TokenTextsRebuildTheScript) {
    const std::string script =
        "CREATE TABLE [Order Details] ([ID] LONG NOT NULL, x TEXT);\r\n"
        "-- note\nSELECT * FROM t WHERE d = #1/2/2003# AND s = 'a''b' /* c */;\n";
    std::string rebuilt;
    for (const TScanned& t : AScan(script)) rebuilt += t.text;
    EXPECT_EQ(rebuilt, script);
}

// The keyword search is a binary search: the table must be sorted, unique
// and in the token range.
TEST(AccessScanner, KeywordTableIsSortedAndComplete) {
    std::set<int> codes;
    for (int i = 0; i < MsaccessKeywordCount; ++i) {
        const TRkKeywordRec& k = MsaccessKeywordTable[i];
        SCOPED_TRACE(k.Name);
        if (i > 0) {
            const TRkKeywordRec& a = MsaccessKeywordTable[i - 1];
            EXPECT_LT(OracleKeywordCompare({a.Name, a.Length}, {k.Name, k.Length}), 0);
        }
        EXPECT_TRUE(k.Code >= 275 && k.Code <= 395 && k.Code != 283 && k.Code != 284);
        EXPECT_TRUE(codes.insert(k.Code).second);
        int32_t code = 0;
        EXPECT_TRUE(IsMsaccessKeyword(k.Name, code));
        EXPECT_EQ(code, k.Code);
    }
    int32_t code = 0;
    EXPECT_TRUE(IsMsaccessKeyword("add", code));
    EXPECT_EQ(code, 275);
    EXPECT_FALSE(IsMsaccessKeyword("cascade", code));
}

}  // namespace
