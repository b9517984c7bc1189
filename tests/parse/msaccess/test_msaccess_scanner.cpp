// The MS Access scanner end to end: text in, tokens (code, text, type) out,
// through NextToken as the front end drives it.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "nodes/u_nodes.h"
#include "parse/msaccess/msaccesstokens.h"
#include "parse/msaccess/rklexmsaccess.h"
#include "parse/oracle/rklexoracle.h"

using namespace msaccesstok;

namespace {

struct Tok {
    int code = 0;
    std::string text;
    int type = 0;
};

std::vector<Tok> Scan(const std::string& input) {
    std::istringstream in(input);
    std::ostringstream out;
    TRkLexerMsaccess lx;
    lx.InputStream = &in;
    lx.OutputStream = &out;
    lx.yyclear();
    std::vector<Tok> toks;
    for (;;) {
        TSourceToken t;
        int code = lx.NextToken(t);
        if (code == 0) break;
        EXPECT_EQ(code, t.TokenCode);
        toks.push_back({code, t.Text, t.TokenType});
        if (toks.size() > 1000000) {
            ADD_FAILURE() << "the scanner does not stop";
            break;
        }
    }
    // The runtime reads by lines: a last line without its line break still
    // ends with one.
    if (!toks.empty() && (input.empty() || input.back() != '\n') && toks.back().code == LINE_BREAK &&
        toks.back().text == "\n")
        toks.pop_back();
    return toks;
}

// "code:text" per token, blanks left out, joined by " ".
std::string Dump(const std::string& input) {
    std::string s;
    for (const Tok& t : Scan(input)) {
        if (t.code == BLANKS) continue;
        if (!s.empty()) s += " ";
        s += std::to_string(t.code) + ":" + t.text;
    }
    return s;
}

struct Row {
    const char* input;
    const char* tokens;
};

class AccessTokens : public ::testing::TestWithParam<Row> {};

TEST_P(AccessTokens, Dump) { EXPECT_EQ(Dump(GetParam().input), GetParam().tokens) << GetParam().input; }

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, AccessTokens,
    ::testing::Values(
        Row{"select [order details].[unit price] from t", "366:select 262:[order details] 46:. 262:[unit price] 312:from 262:t"},
        Row{"where d = #1/2/2003#", "393:where 262:d 61:= 262:#1/2/2003#"},
        Row{"#2003-01-02# #abc#", "262:#2003-01-02# 262:#abc#"},
        // A blank inside ends the run without a closing "#".
        Row{"#1/2/2003 10:00#", "262:#1 47:/ 267:2 47:/ 267:2003 267:10 271::00 269:#"},
        Row{"a=@p", "262:a 61:= 274:@p"},
        Row{"a=:p", "262:a 61:= 271::p"},
        Row{"a*@p +@q", "262:a 42:* 274:@p 43:+ 274:@q"},
        Row{"`abc`", "269:` 262:abc 269:`"},
        Row{"ALPHANUMBERIC ALPHANUMERIC", "277:ALPHANUMBERIC 262:ALPHANUMERIC"},
        Row{"selectx SELECT select SeLeCt", "262:selectx 366:SELECT 366:select 366:SeLeCt"},
        Row{"'It''s' 'a\\'b'", "266:'It''s' 266:'a\\' 262:b"},
        Row{"\"a\"\"b\"", "262:\"a\"b\""},
        Row{"/* a /* b */ c */+1", "257:/* a /* b */ c */ 43:+ 267:1"},
        Row{"x--y", "262:x 258:--y"},
        Row{"=-5 !- <> != <=", "61:= 45:- 267:5 269:!- 269:<> 269:!= 269:<="},
        Row{"1..10 .5 1e5", "267:1 273:.. 267:10 265:.5 265:1e5"},
        Row{"t.* a:=1 ? << >>", "262:t 46:. 42:* 262:a 272::= 267:1 262:? 263:<< 264:>>"},
        Row{"#tmp # %", "262:#tmp 269:# 37:%"},
        Row{"@v @@s @1", "274:@v 274:@@s 64:@ 267:1"},
        Row{"[a--b] x", "262:[a--b] 262:x"},
        Row{"COUNT CONSTRAINT COLUMN COUNTER VARCHAR WHERE WITH YESNO",
            "291:COUNT 292:CONSTRAINT 293:COLUMN 294:COUNTER 392:VARCHAR 393:WHERE 394:WITH 395:YESNO"},
        Row{"check default full using for", "262:check 262:default 262:full 262:using 262:for"}));

TEST(AccessScanner, TokenTypesOfNames) {
    auto t = Scan("[a b] \"q\" #d# x");
    ASSERT_EQ(t.size(), 7u);
    EXPECT_EQ(t[0].type, ttBracketedName);
    EXPECT_EQ(t[2].type, ttQuotedName);
    EXPECT_EQ(t[4].type, ttIdentifier);
    EXPECT_EQ(t[6].type, ttIdentifier);
}

TEST(AccessScanner, BracketedNameKeepsItsLineBreaks) {
    auto t = Scan("[order\r\ndetails]\n[x\n\ny]");
    ASSERT_GE(t.size(), 3u);
    EXPECT_EQ(t[0].code, IDENT);
    EXPECT_EQ(t[0].text, "[order\r\ndetails]");
    EXPECT_EQ(t[1].code, LINE_BREAK);
    EXPECT_EQ(t[2].text, "[x\n\ny]");
    EXPECT_EQ(t.size(), 3u);
}

TEST(AccessScanner, LongNamesAreCutAt255) {
    std::string name = "[" + std::string(300, 'n') + "]";
    auto t = Scan(name);
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].text.size(), 255u);
}

TEST(AccessScanner, NulByteDoesNotEndTheInput) {
    std::string s("a");
    s += '\0';
    s += " b";
    auto t = Scan(s);
    ASSERT_FALSE(t.empty());
    EXPECT_EQ(t.back().text, "b");
}

TEST(AccessScanner, UnterminatedLiteralGivesNoToken) {
    EXPECT_EQ(Dump("a 'open"), "262:a");
    EXPECT_EQ(Dump("a [open"), "262:a");
    EXPECT_EQ(Dump("a /* open"), "262:a");
}

TEST(AccessScanner, LongOperatorRunAndLongLineScan) {
    // Hostile input: runs and lines far beyond any fixed buffer.
    std::string ops(200000, '!');
    auto t = Scan("a " + ops + " b");
    ASSERT_EQ(t.size(), 5u);
    EXPECT_EQ(t[2].code, OPERATOR);
    EXPECT_EQ(t[2].text.size(), ops.size());
    std::string line = "select " + std::string(1 << 20, 'x');
    EXPECT_EQ(Scan(line).back().text.size(), static_cast<size_t>(1 << 20));
}

TEST(AccessScanner, TokenTextsRebuildTheScript) {
    const std::string script =
        "CREATE TABLE [Order Details] ([ID] LONG NOT NULL, x TEXT);\r\n"
        "-- note\nSELECT * FROM t WHERE d = #1/2/2003# AND s = 'a''b' /* c */;\n";
    std::string rebuilt;
    for (const Tok& t : Scan(script)) rebuilt += t.text;
    EXPECT_EQ(rebuilt, script);
}

TEST(AccessScanner, KeywordTableIsSortedAndComplete) {
    EXPECT_EQ(MsaccessKeywordCount, 119);
    for (int i = 1; i < MsaccessKeywordCount; ++i) {
        const TRkKeywordRec& a = MsaccessKeywordTable[i - 1];
        const TRkKeywordRec& b = MsaccessKeywordTable[i];
        EXPECT_LT(OracleKeywordCompare({a.Name, a.Length}, {b.Name, b.Length}), 0) << a.Name << " " << b.Name;
    }
    for (int i = 0; i < MsaccessKeywordCount; ++i) {
        const TRkKeywordRec& k = MsaccessKeywordTable[i];
        EXPECT_TRUE(k.Code >= 275 && k.Code <= 395 && k.Code != 283 && k.Code != 284) << k.Name;
        int32_t code = 0;
        EXPECT_TRUE(IsMsaccessKeyword(k.Name, code));
        EXPECT_EQ(code, k.Code);
        for (int j = 0; j < i; ++j) EXPECT_NE(MsaccessKeywordTable[j].Code, k.Code) << k.Name;
    }
    int32_t code = 0;
    EXPECT_TRUE(IsMsaccessKeyword("add", code));
    EXPECT_EQ(code, 275);
    EXPECT_FALSE(IsMsaccessKeyword("cascade", code));
}

}  // namespace
