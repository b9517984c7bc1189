// The MySQL scanner end to end: text in, tokens out through NextToken.
#include <set>

#include "parse/mysql/mysqltokens.h"
#include "parse/mysql/rklexmysql.h"
#include "parse/mysql/sqltree_check.h"

using namespace mysqltok;
using namespace treetest;

namespace {

std::vector<TScanned> MyScan(const std::string& input) { return Scan<TRkLexerMySQL>(input); }

// "code[text] ..." for every token, line breaks escaped.
std::string Dump(const std::string& input) {
    std::string r;
    for (const TScanned& t : MyScan(input)) {
        r += (r.empty() ? "" : " ") + std::to_string(t.code) + "[";
        for (char c : t.text) r += c == '\n' ? "\\n" : c == '\r' ? "\\r" : std::string(1, c);
        r += "]";
    }
    return r;
}

TEST(MySQLScannerDump, Tokens) {
    static const struct {
        const char* input;
        const char* want;
    } Cases[] = {
        {"select * from t", "465[select] 259[ ] 42[*] 259[ ] 414[from] 259[ ] 262[t]"},
        {"`my table` `a``b`", "262[`my table`] 259[ ] 262[`a``b`]"}, {"'It''s'", "266['It''s']"},
        // A backslash escapes the next character, the quote too.
        {"'a\\'b' x", "266['a\\'b'] 259[ ] 262[x]"}, {"'\\\\' x", "266['\\\\'] 259[ ] 262[x]"},
        {"'\\'' x", "266['\\''] 259[ ] 262[x]"}, {"'a\\\nb'", "266['a\\\\nb']"}, {"N'abc'", "266[N'abc']"},
        {"\"a\"\"b\"", "262[\"a\"b\"]"}, {"[a b].c", "262[[a b]] 46[.] 262[c]"},
        {"/* a /* b */ c */", "257[/* a /* b */ c */]"}, {"/* x */+1", "257[/* x */] 43[+] 267[1]"},
        {"/*+ hint */x", "257[/*+ hint */] 262[x]"}, {"/* a /*/ b */ */x", "257[/* a /*/ b */ */] 262[x]"},
        {"a=/*c*/1", "262[a] 61[=] 257[/*c*/] 267[1]"}, {"x--y", "262[x] 258[--y]"}, {"=-5", "61[=] 45[-] 267[5]"},
        {"!-", "269[!-]"}, {"a<>b", "262[a] 269[<>] 262[b]"},
        {"!= >= <= <=> || &&", "269[!=] 259[ ] 269[>=] 259[ ] 269[<=] 259[ ] 269[<=>] 259[ ] 269[||] 259[ ] 269[&&]"},
        {"<< >> := ..", "263[<<] 259[ ] 264[>>] 259[ ] 272[:=] 259[ ] 273[..]"}, {"?", "262[?]"}, {"! =", "269[! =]"},
        {"1..10", "267[1] 273[..] 267[10]"}, {".5 1e5 1.5E-3", "265[.5] 259[ ] 265[1e5] 259[ ] 265[1.5E-3]"},
        {"0x1F", "267[0] 262[x1F]"}, {"@v @@session", "274[@v] 259[ ] 274[@@session]"}, {"@1", "64[@] 267[1]"},
        {":p1", "271[:p1]"}, {"t.*", "262[t] 46[.] 42[*]"}, {"a:=1", "262[a] 272[:=] 267[1]"}, {"#tmp", "262[#tmp]"},
        {"#", "269[#]"}, {"%", "37[%]"}, {"a@b", "262[a@b]"}, {"SeLeCt selected", "465[SeLeCt] 259[ ] 262[selected]"},
        // A literal still open at the end of the input is one error token;
        // a backslash escapes the quote that would have closed it.
        {"x /* never closed", "262[x] 259[ ] 256[/* never closed\\n]"}, {"'never closed", "256['never closed\\n]"},
        {"x 'a\\'", "262[x] 259[ ] 256['a\\'\\n]"}, {"\"ab", "256[\"ab\\n]"}, {"[ab", "256[[ab\\n]"},
        // A quote, backquote or comment opener inside a literal is its text.
        {"'`' \"'\" `'`", "266['`'] 259[ ] 262[\"'\"] 259[ ] 262[`'`]"},
        {"'--x' `/*` 'N'", "266['--x'] 259[ ] 262[`/*`] 259[ ] 266['N']"}, {"a\r\nb", "262[a] 260[\\r\\n] 262[b]"},
        {"\"a\nb\"", "262[\"a\\nb\"]"}, {"`a\nb`", "260[\\n] 262[`ab`]"},
    };
    for (const auto& c : Cases) EXPECT_EQ(Dump(c.input), c.want) << c.input;
}

TEST(MySQLScanner, TokenTypesAndGroups) {
    static const struct {
        const char* input;
        int type, group, subKind;
    } Cases[] = {
        {"/*c*/", 4, 3, 5}, {"--c", 5, 3, 6}, {" ", 3, 2, 0},   {"\r\n", 2, 2, 0},  {":p", 12, 2, 0},
        {"@v", 13, 2, 0},   {"<>", 35, 6, 0}, {"?", 35, 6, 0},  {"1", 6, 3, 0},     {"1.5", 6, 3, 0},
        {"'s'", 7, 3, 0},   {"\"q\"", 8, 5, 0}, {"[b]", 9, 5, 0}, {"`b`", 10, 5, 0}, {"x", 10, 5, 0},
        {"from", 11, 1, 0}, {"\x01", 11, 1, 0}, {"$", 43, 6, 0}, {"(", 36, 6, 0},   {")", 37, 6, 0},
        {"*", 24, 6, 0},    {"+", 22, 6, 0},  {",", 17, 6, 0},  {"-", 23, 6, 0},    {".", 18, 6, 0},
        {"/", 25, 6, 0},    {":", 16, 6, 0},  {";", 15, 6, 0},  {"<", 30, 6, 0},    {"=", 27, 6, 0},
        {">", 29, 6, 0},    {"@", 40, 6, 0},  {"]", 39, 6, 0},  {"^", 41, 6, 0},    {"%", 34, 6, 0},
    };
    for (const auto& c : Cases) {
        SCOPED_TRACE(c.input);
        auto toks = MyScan(c.input);
        ASSERT_EQ(toks.size(), 1u);
        EXPECT_EQ(toks[0].type, c.type);
        EXPECT_EQ(toks[0].group, c.group);
        EXPECT_EQ(toks[0].subKind, c.subKind);
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

TEST(MySQLScanner, NulByteDoesNotEndTheInput) { EXPECT_EQ(Dump(std::string("a\0b", 3)), "262[a] 262[b]"); }

// The keyword search is a binary search: the table must be sorted, unique
// and in the token range.
TEST(MySQLScanner, KeywordTableIsSortedUniqueAndComplete) {
    std::set<int> codes;
    for (int i = 0; i < MySQLKeywordCount; ++i) {
        const auto& rec = MySQLKeywordTable[i];
        SCOPED_TRACE(rec.Name);
        EXPECT_GE(rec.Code, FirstKeywordCode);
        EXPECT_LE(rec.Code, LastKeywordCode);
        EXPECT_TRUE(codes.insert(rec.Code).second);
        if (i > 0) {
            EXPECT_LT(MySQLKeywordCompare(MySQLKeywordTable[i - 1].Name, rec.Name), 0);
        }
        int32_t code = 0;
        EXPECT_TRUE(IsMySQLKeyword(rec.Name, code));
        EXPECT_EQ(code, rec.Code);
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
    EXPECT_EQ(J(toks[0].code, toks[1].code), "43 45");
    toks = MyScan("/*" + std::string(n, '*') + "/");
    EXPECT_EQ(J(toks.size(), toks.at(0).code), "1 257");
    toks = MyScan("/*" + std::string(n, '+') + " */x");
    EXPECT_EQ(J(toks.size(), toks.at(0).text.size()), J(2, n + 5));
    toks = MyScan("'" + std::string(n, '-') + "'");
    EXPECT_EQ(J(toks.size(), toks.at(0).code), "1 266");
    toks = MyScan("@" + std::string(n, '~'));
    EXPECT_EQ(J(toks.size(), toks.at(0).code, toks.at(1).code), "2 64 269");
}

}  // namespace
