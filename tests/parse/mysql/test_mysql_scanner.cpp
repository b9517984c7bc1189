// The MySQL scanner end to end: text in, tokens out through NextToken.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "mysql_scan.h"
#include "parse/mysql/mysqltokens.h"

using namespace mysqltok;

namespace {

std::string Escape(const std::string& s) {
    std::string r;
    for (char c : s) {
        if (c == '\n') r += "\\n";
        else if (c == '\r') r += "\\r";
        else r += c;
    }
    return r;
}

// "code[text] ..." for every token.
std::string Dump(const std::string& input) {
    std::string r;
    for (const MyTok& t : MyScan(input)) {
        if (!r.empty()) r += ' ';
        r += std::to_string(t.code) + "[" + Escape(t.text) + "]";
    }
    return r;
}

struct DumpCase {
    const char* input;
    const char* want;
};

class MySQLScannerDump : public ::testing::TestWithParam<DumpCase> {};

TEST_P(MySQLScannerDump, Tokens) {
    EXPECT_EQ(Dump(GetParam().input), GetParam().want) << GetParam().input;
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, MySQLScannerDump,
    ::testing::Values(
        DumpCase{"select * from t", "465[select] 259[ ] 42[*] 259[ ] 414[from] 259[ ] 262[t]"},
        DumpCase{"`my table`", "262[`my table`]"},
        DumpCase{"`a``b`", "262[`a``b`]"},
        DumpCase{"'It''s'", "266['It''s']"},
        // A backslash escapes the next character, the quote too.
        DumpCase{"'a\\'b' x", "266['a\\'b'] 259[ ] 262[x]"},
        DumpCase{"'It\\'s' , 'b'", "266['It\\'s'] 259[ ] 44[,] 259[ ] 266['b']"},
        DumpCase{"'\\\\' x", "266['\\\\'] 259[ ] 262[x]"},
        DumpCase{"'\\'' x", "266['\\''] 259[ ] 262[x]"},
        DumpCase{"'a\\\nb'", "266['a\\\\nb']"},
        DumpCase{"N'abc'", "266[N'abc']"},
        DumpCase{"\"a\"\"b\"", "262[\"a\"b\"]"},
        DumpCase{"[a b].c", "262[[a b]] 46[.] 262[c]"},
        DumpCase{"/* a /* b */ c */", "257[/* a /* b */ c */]"},
        DumpCase{"/* x */+1", "257[/* x */] 43[+] 267[1]"},
        DumpCase{"/*+ hint */x", "257[/*+ hint */] 262[x]"},
        DumpCase{"/* a /*/ b */ */x", "257[/* a /*/ b */ */] 262[x]"},
        DumpCase{"a=/*c*/1", "262[a] 61[=] 257[/*c*/] 267[1]"},
        DumpCase{"x--y", "262[x] 258[--y]"},
        DumpCase{"=-5", "61[=] 45[-] 267[5]"},
        DumpCase{"!-", "269[!-]"},
        DumpCase{"a<>b", "262[a] 269[<>] 262[b]"},
        DumpCase{"!= >= <= <=> || &&", "269[!=] 259[ ] 269[>=] 259[ ] 269[<=] 259[ ] 269[<=>] 259[ ] 269[||] 259[ ] 269[&&]"},
        DumpCase{"<< >> := ..", "263[<<] 259[ ] 264[>>] 259[ ] 272[:=] 259[ ] 273[..]"},
        DumpCase{"?", "262[?]"},
        DumpCase{"! =", "269[! =]"},
        DumpCase{"1..10", "267[1] 273[..] 267[10]"},
        DumpCase{".5 1e5 1.5E-3", "265[.5] 259[ ] 265[1e5] 259[ ] 265[1.5E-3]"},
        DumpCase{"0x1F", "267[0] 262[x1F]"},
        DumpCase{"@v @@session", "274[@v] 259[ ] 274[@@session]"},
        DumpCase{"@1", "64[@] 267[1]"},
        DumpCase{":p1", "271[:p1]"},
        DumpCase{"t.*", "262[t] 46[.] 42[*]"},
        DumpCase{"a:=1", "262[a] 272[:=] 267[1]"},
        DumpCase{"#tmp", "262[#tmp]"},
        DumpCase{"#", "269[#]"},
        DumpCase{"%", "37[%]"},
        DumpCase{"a@b", "262[a@b]"},
        DumpCase{"SeLeCt selected", "465[SeLeCt] 259[ ] 262[selected]"},
        DumpCase{"x /* never closed", "262[x] 259[ ]"},
        DumpCase{"'never closed", ""},
        // A quote, backquote or comment opener inside a literal is its text.
        DumpCase{"'`' \"'\" `'`", "266['`'] 259[ ] 262[\"'\"] 259[ ] 262[`'`]"},
        DumpCase{"'--x' `/*` 'N'", "266['--x'] 259[ ] 262[`/*`] 259[ ] 266['N']"},
        DumpCase{"a\r\nb", "262[a] 260[\\r\\n] 262[b]"},
        DumpCase{"\"a\nb\"", "262[\"a\\nb\"]"},
        DumpCase{"`a\nb`", "260[\\n] 262[`ab`]"}));

TEST(MySQLScanner, TokenTypesAndGroups) {
    struct Row {
        const char* input;
        int type, group, subKind;
    };
    const Row rows[] = {
        {"/*c*/", 4, 3, 5}, {"--c", 5, 3, 6}, {" ", 3, 2, 0},   {"\r\n", 2, 2, 0},
        {":p", 12, 2, 0},   {"@v", 13, 2, 0}, {"<>", 35, 6, 0}, {"?", 35, 6, 0},
        {"1", 6, 3, 0},     {"1.5", 6, 3, 0}, {"'s'", 7, 3, 0}, {"\"q\"", 8, 5, 0},
        {"[b]", 9, 5, 0},   {"`b`", 10, 5, 0}, {"x", 10, 5, 0}, {"from", 11, 1, 0},
        {"\x01", 11, 1, 0},    {"$", 43, 6, 0},  {"(", 36, 6, 0},  {")", 37, 6, 0},
        {"*", 24, 6, 0},    {"+", 22, 6, 0},  {",", 17, 6, 0},  {"-", 23, 6, 0},
        {".", 18, 6, 0},    {"/", 25, 6, 0},  {":", 16, 6, 0},  {";", 15, 6, 0},
        {"<", 30, 6, 0},    {"=", 27, 6, 0},  {">", 29, 6, 0},  {"@", 40, 6, 0},
        {"]", 39, 6, 0},    {"^", 41, 6, 0},  {"%", 34, 6, 0},
    };
    for (const Row& r : rows) {
        auto toks = MyScan(r.input);
        ASSERT_EQ(toks.size(), 1u) << r.input;
        EXPECT_EQ(toks[0].type, r.type) << r.input;
        EXPECT_EQ(toks[0].group, r.group) << r.input;
        EXPECT_EQ(toks[0].subKind, r.subKind) << r.input;
    }
    EXPECT_EQ(MyScan("\x01")[0].code, OTHER_CHAR);
    EXPECT_EQ(MyScan("~")[0].code, OPERATOR);
}

TEST(MySQLScanner, QuotedAndBracketedNamesAreCutBackquotedNamesAreNot) {
    const std::string body(300, 'a');
    EXPECT_EQ(MyScan("\"" + body + "\"")[0].text.size(), 255u);
    EXPECT_EQ(MyScan("[" + body + "]")[0].text.size(), 255u);
    EXPECT_EQ(MyScan("`" + body + "`")[0].text.size(), 302u);
    EXPECT_EQ(MyScan("'" + body + "'")[0].text.size(), 302u);
}

TEST(MySQLScanner, NulByteDoesNotEndTheInput) {
    EXPECT_EQ(Dump(std::string("a\0b", 3)), "262[a] 262[b]");
}

TEST(MySQLScanner, KeywordTableIsSortedUniqueAndComplete) {
    std::set<int> codes;
    for (int i = 0; i < MySQLKeywordCount; ++i) {
        const auto& rec = MySQLKeywordTable[i];
        EXPECT_GE(rec.Code, FirstKeywordCode);
        EXPECT_LE(rec.Code, LastKeywordCode);
        EXPECT_TRUE(codes.insert(rec.Code).second) << rec.Name;
        if (i > 0) {
            EXPECT_LT(MySQLKeywordCompare(MySQLKeywordTable[i - 1].Name, rec.Name), 0) << rec.Name;
        }
        int32_t code = 0;
        EXPECT_TRUE(IsMySQLKeyword(rec.Name, code));
        EXPECT_EQ(code, rec.Code);
    }
    const std::pair<const char*, int> telling[] = {
        {"ARRAY", 277},   {"SELECT", 465}, {"FROM", 414},  {"WHERE", 490},
        {"CREATE", 399},  {"TABLE", 475},  {"JOIN", 819},  {"IGNORE", 875},
        {"ENGINE", 876},  {"TEXT", 899},   {"ENUM", 906},  {"OFFSET", 908},
        {"EXCEPT", 939},  {"RESTRICT_REFERENCES", 941},    {"SERIALLY_REUSABLE", 942},
        {"MINUS", 434},   {"INTERSECT", 426}, {"TOP", 853},
    };
    for (auto [name, code] : telling) {
        int32_t got = 0;
        ASSERT_TRUE(IsMySQLKeyword(name, got)) << name;
        EXPECT_EQ(got, code) << name;
    }
    int32_t code = 0;
    EXPECT_FALSE(IsMySQLKeyword("selectx", code));
    EXPECT_FALSE(IsMySQLKeyword("_", code));
}

// Long runs of what the rules give back are taken in linear time and stay
// whole: each of these would take minutes if every match rescanned the rest.
TEST(MySQLScanner, LongRunsStayLinear) {
    const size_t n = 200000;
    std::string signs;
    for (size_t i = 0; i < n; ++i) signs += (i % 2) ? '-' : '+';
    auto toks = MyScan(signs);
    ASSERT_EQ(toks.size(), n);
    EXPECT_EQ(toks[0].code, '+');
    EXPECT_EQ(toks[1].code, '-');

    toks = MyScan("/*" + std::string(n, '*') + "/");
    ASSERT_EQ(toks.size(), 1u);
    EXPECT_EQ(toks[0].code, BLOCK_COMMENT);

    toks = MyScan("/*" + std::string(n, '+') + " */x");
    ASSERT_EQ(toks.size(), 2u);
    EXPECT_EQ(toks[0].text.size(), n + 5);

    toks = MyScan("'" + std::string(n, '-') + "'");
    ASSERT_EQ(toks.size(), 1u);
    EXPECT_EQ(toks[0].code, STRING_LIT);

    toks = MyScan("@" + std::string(n, '~'));
    ASSERT_EQ(toks.size(), 2u);
    EXPECT_EQ(toks[0].code, '@');
    EXPECT_EQ(toks[1].code, OPERATOR);
}

}  // namespace
