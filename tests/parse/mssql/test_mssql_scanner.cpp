// The SQL Server scanner end to end: text in, tokens out through NextToken.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "mssql_scan.h"
#include "parse/mssql/mssqltokens.h"

using namespace mssqltok;

namespace {

struct DumpCase {
    const char* input;
    const char* want;
};

class MssqlScannerDump : public ::testing::TestWithParam<DumpCase> {};

TEST_P(MssqlScannerDump, Tokens) { EXPECT_EQ(MsDump(GetParam().input), GetParam().want) << GetParam().input; }

INSTANTIATE_TEST_SUITE_P(
    Literals, MssqlScannerDump,
    ::testing::Values(
        DumpCase{"select * from t", "467[select] 259[ ] 42[*] 259[ ] 415[from] 259[ ] 262[t]"},
        DumpCase{"N'abc' n'x'", "267[N'abc'] 259[ ] 267[n'x']"}, DumpCase{"'It''s'", "267['It''s']"},
        DumpCase{"''''", "267['''']"}, DumpCase{"N''", "267[N'']"},
        // quote, backslash, quote is one whole string
        DumpCase{"'\\' x", "267['\\'] 259[ ] 262[x]"},
        DumpCase{"'C:\\' x", "267['C:\\'] 259[ ] 262[x]"}, DumpCase{"'a\nb'", "267['a\\nb']"},
        DumpCase{"'a\r\nb'", "267['a\\r\\nb']"}, DumpCase{"'--x' y", "267['--x'] 259[ ] 262[y]"},
        DumpCase{"'/**/'", "267['/**/']"}, DumpCase{"'a''N''b'", "267['a''N''b']"},
        DumpCase{"\"a\"\"b\"", "262[\"a\"b\"]"}, DumpCase{"[a b].c", "262[[a b]] 46[.] 262[c]"},
        DumpCase{"[a]]b]", "262[[a]] 93[]] 262[b] 93[]]"}, DumpCase{"[a\nb]", "262[[a\\nb]]"},
        DumpCase{"/* a /* b */ c */x", "257[/* a /* b */ c */] 262[x]"},
        DumpCase{"/****** Object: t ******/\nGO", "257[/****** Object: t ******/] 260[\\n] 885[GO]"},
        DumpCase{"/* -- x */y", "257[/* -- x */] 262[y]"}, DumpCase{"x--y\nz", "262[x] 258[--y] 260[\\n] 262[z]"},
        DumpCase{"a\r\n\r\nb", "262[a] 260[\\r\\n\\r\\n] 262[b]"}, DumpCase{"a \t\fb", "262[a] 259[ \t\f] 262[b]"}));

INSTANTIATE_TEST_SUITE_P(
    Numbers, MssqlScannerDump,
    ::testing::Values(
        // Hexadecimal digits of either case: binary data is never cut.
        DumpCase{"0x1f", "266[0x1f]"}, DumpCase{"0x1F", "266[0x1F]"},
        DumpCase{"0x41FF,0xAb", "266[0x41FF] 44[,] 266[0xAb]"}, DumpCase{"0X1F", "268[0] 262[X1F]"},
        DumpCase{"1..10", "268[1] 273[..] 268[10]"},
        DumpCase{"1.5 .5 1. 1.e5", "266[1.5] 259[ ] 266[.5] 259[ ] 266[1.] 259[ ] 266[1.e5]"},
        DumpCase{"1e5 1.5E-3 2e+7", "266[1e5] 259[ ] 266[1.5E-3] 259[ ] 266[2e+7]"}, DumpCase{"42", "268[42]"}));

INSTANTIATE_TEST_SUITE_P(
    NamesAndVariables, MssqlScannerDump,
    ::testing::Values(
        DumpCase{"@@ROWCOUNT @@rowcount @@RowCount", "982[@@ROWCOUNT] 259[ ] 982[@@rowcount] 259[ ] 982[@@RowCount]"},
        DumpCase{"@@identity @@version", "993[@@identity] 259[ ] 992[@@version]"},
        DumpCase{"@@nosuch @x @", "274[@@nosuch] 259[ ] 274[@x] 259[ ] 64[@]"}, DumpCase{"@@", "269[@@]"},
        DumpCase{"#tmp ##g $x a@b", "262[#tmp] 259[ ] 262[##g] 259[ ] 262[$x] 259[ ] 262[a@b]"},
        DumpCase{"#", "269[#]"}, DumpCase{"$", "36[$]"}, DumpCase{"lbl: select:", "275[lbl:] 259[ ] 275[select:]"},
        DumpCase{"x::y", "275[x:] 271[:y]"}, DumpCase{"?", "262[?]"}, DumpCase{"t.*", "262[t] 46[.] 42[*]"},
        DumpCase{"dbo..t", "262[dbo] 273[..] 262[t]"}, DumpCase{"\xC3\xA4nd\xC3\xA9", "262[\xC3\xA4nd\xC3\xA9]"},
        DumpCase{"SeLeCt", "467[SeLeCt]"}));

INSTANTIATE_TEST_SUITE_P(
    Operators, MssqlScannerDump,
    ::testing::Values(
        DumpCase{"=@v", "61[=] 274[@v]"}, DumpCase{"=@@error", "61[=] 966[@@error]"},
        DumpCase{"=:x", "61[=] 271[:x]"}, DumpCase{"+/*c*/", "43[+] 257[/*c*/]"}, DumpCase{"!--c", "269[!] 258[--c]"},
        DumpCase{"> =", "269[> =]"}, DumpCase{">=", "269[>=]"}, DumpCase{">", "62[>]"},
        DumpCase{"*-1", "42[*] 45[-] 268[1]"}, DumpCase{"=-1", "61[=] 45[-] 268[1]"},
        DumpCase{"<>-1", "269[<>] 45[-] 268[1]"}, DumpCase{"<< >> :=", "263[<<] 259[ ] 264[>>] 259[ ] 272[:=]"},
        DumpCase{"**", "269[**]"}, DumpCase{"a!=b", "262[a] 269[!=] 262[b]"}, DumpCase{"a%b", "262[a] 37[%] 262[b]"},
        DumpCase{"x = '\xff'", "262[x] 259[ ] 61[=] 259[ ] 267['\xff']"}, DumpCase{"~", "269[~]"},
        DumpCase{"\x01", "265[\x01]"}));

// An operator written directly before a variable ends before it.
INSTANTIATE_TEST_SUITE_P(
    OperatorBeforeVariable, MssqlScannerDump,
    ::testing::Values(
        DumpCase{"a<@b", "262[a] 60[<] 274[@b]"}, DumpCase{"a>@b", "262[a] 62[>] 274[@b]"},
        DumpCase{"a<>@b", "262[a] 269[<>] 274[@b]"}, DumpCase{"a!=@b", "262[a] 269[!=] 274[@b]"},
        DumpCase{"a>=@b", "262[a] 269[>=] 274[@b]"}, DumpCase{"a%@b", "262[a] 37[%] 274[@b]"},
        DumpCase{"a<=@@rowcount", "262[a] 269[<=] 982[@@rowcount]"},
        DumpCase{"a<@ b", "262[a] 269[<@] 259[ ] 262[b]"}, DumpCase{"a<@#b", "262[a] 269[<@#] 262[b]"}));

// Characters inside names are name text, whatever they mean outside.
INSTANTIATE_TEST_SUITE_P(
    NameText, MssqlScannerDump,
    ::testing::Values(
        DumpCase{"[--x] y", "262[[--x]] 259[ ] 262[y]"}, DumpCase{"[/*] y", "262[[/*]] 259[ ] 262[y]"},
        DumpCase{"[a\n\nb] y", "262[[a\\n\\nb]] 259[ ] 262[y]"}, DumpCase{"['] y", "262[[']] 259[ ] 262[y]"},
        DumpCase{"[N'] y", "262[[N']] 259[ ] 262[y]"}, DumpCase{"[\"] y", "262[[\"]] 259[ ] 262[y]"},
        DumpCase{"[--x]-- c", "262[[--x]] 258[-- c]"}, DumpCase{"\"--x\" y", "262[\"--x\"] 259[ ] 262[y]"},
        DumpCase{"\"/*\" y", "262[\"/*\"] 259[ ] 262[y]"}, DumpCase{"\"'\" y", "262[\"'\"] 259[ ] 262[y]"}));

// "*/" ends the comment also when operator characters follow it.
INSTANTIATE_TEST_SUITE_P(
    CommentEnd, MssqlScannerDump,
    ::testing::Values(
        DumpCase{"/*x*/--y", "257[/*x*/] 258[--y]"}, DumpCase{"/*x*/@v", "257[/*x*/] 274[@v]"},
        DumpCase{"/*x*/+1", "257[/*x*/] 43[+] 268[1]"}, DumpCase{"/* a /*/ b */ */x", "257[/* a /*/ b */ */] 262[x]"},
        DumpCase{"/*#*/x", "257[/*#*/] 262[x]"}, DumpCase{"/*/**/*/x", "257[/*/**/*/] 262[x]"}));

// A literal still open at the end of the input is its token.
INSTANTIATE_TEST_SUITE_P(
    OpenAtEnd, MssqlScannerDump,
    ::testing::Values(
        DumpCase{"a /* b", "262[a] 259[ ] 257[/* b\\n]"}, DumpCase{"a 'b", "262[a] 259[ ] 267['b\\n]"},
        DumpCase{"a [b", "262[a] 259[ ] 262[[b\\n]"},
        DumpCase{"/* see c:/*.sql */\ncreate table t (a int)", "257[/* see c:/*.sql */\\ncreate table t (a int)\\n]"}));

TEST(MssqlScanner, Classification) {
    struct Want {
        const char* input;
        int code, tokenCode, type, group, subKind;
    };
    const Want cases[] = {
        {"--x", 258, 258, ttLineComment, 3, 6},  {"/*x*/", 257, 257, ttBlockComment, 3, 5},
        {" ", 259, 259, ttBlanks, 2, 0},         {":p", 271, 271, ttBindVar, 2, 0},
        {"@v", 274, 274, ttAtVar, 2, 0},         {"(", 40, 40, ttLeftParen, 6, 0},
        {";", 59, 59, ttSemicolon, 6, 0},        {"%", 37, 37, ttOtherChar, 6, 0},
        {"!=", 269, 269, ttOperator, 6, 0},      {"?", 262, 262, ttOperator, 6, 0},
        {"..", 273, 273, ttOperator, 6, 0},      {"1.5", 266, 266, ttNumber, 3, 0},
        {"7", 268, 268, ttNumber, 3, 0},         {"'s'", 267, 267, ttString, 3, 0},
        {"\"q\"", 262, 262, ttQuotedName, 5, 0}, {"[b]", 262, 262, ttBracketedName, 5, 0},
        {"x", 262, 262, ttIdentifier, 5, 0},     {"select", 467, 467, ttKeyword, 1, 0},
        {"\x01", 265, 265, ttKeyword, 1, 0},     {"l:", 275, 275, ttKeyword, 1, 0},
        {"@@error", 966, 966, ttKeyword, 1, 0},
    };
    for (const Want& w : cases) {
        const auto toks = MsScan(w.input);
        ASSERT_EQ(toks.size(), 1u) << w.input;
        EXPECT_EQ(toks[0].code, w.code) << w.input;
        EXPECT_EQ(toks[0].tokenCode, w.tokenCode) << w.input;
        EXPECT_EQ(toks[0].type, w.type) << w.input;
        EXPECT_EQ(toks[0].group, w.group) << w.input;
        EXPECT_EQ(toks[0].subKind, w.subKind) << w.input;
    }
}

TEST(MssqlScanner, NamesAreCutAt255Characters) {
    const std::string inner(300, 'n');
    auto toks = MsScan("[" + inner + "]");
    ASSERT_EQ(toks.size(), 1u);
    EXPECT_EQ(toks[0].text, "[" + inner.substr(0, 254));
    toks = MsScan("\"" + inner.substr(0, 253) + "\"");
    ASSERT_EQ(toks.size(), 1u);
    EXPECT_EQ(toks[0].text.size(), 255u);
    EXPECT_EQ(toks[0].text.back(), '"');
    toks = MsScan(inner);   // a plain identifier is never cut
    ASSERT_EQ(toks.size(), 1u);
    EXPECT_EQ(toks[0].text, inner);
}

TEST(MssqlScanner, LinesAndColumns) {
    const auto toks = MsScan("a\n  bc");
    ASSERT_EQ(toks.size(), 4u);
    EXPECT_EQ(toks[3].text, "bc");
    EXPECT_EQ(toks[3].line, toks[0].line + 1);
    EXPECT_EQ(toks[3].line, toks[2].line);
    EXPECT_EQ(toks[3].column - toks[2].column, 2);
}

// Long runs of any one kind scan in one pass each and keep every character.
TEST(MssqlScanner, LongRuns) {
    for (const char* piece : {"+", "-", "@", "#", "*", "<", "/*", "*/", "--", "!", "$", "'", "[", "=@", "<@#", "@#", "+#", "/"}) {
        std::string text;
        for (int i = 0; i < 20000; ++i) text += piece;
        std::string joined;
        for (const MsTok& t : MsScan(text)) joined += t.text;
        // An open literal takes the line feed the runtime adds at the end.
        if (joined.size() == text.size() + 1 && joined.back() == '\n') joined.pop_back();
        EXPECT_EQ(joined.size(), text.size()) << piece;
    }
    std::string comment = "/*";
    for (int i = 0; i < 20000; ++i) comment += "**//";
    comment += "*/";
    EXPECT_FALSE(MsScan(comment).empty());
}

// Random text of operator characters, quotes, brackets, comment marks,
// letters, line breaks and high bytes: no crash, and every character comes
// back in some token (a literal open at the end also holds the line feed
// the runtime adds).
TEST(MssqlScanner, RandomTextKeepsEveryCharacter) {
    const std::string alphabet = "!#$%&*+-./:<=>?@^|~`'[]()N@x1 \n\r\t\\\xC3\xFF;,";
    std::mt19937 rng(7);
    for (int round = 0; round < 300; ++round) {
        std::string text;
        const int len = 1 + static_cast<int>(rng() % 200);
        for (int i = 0; i < len; ++i) text += alphabet[rng() % alphabet.size()];
        std::string joined;
        for (const MsTok& t : MsScan(text)) joined += t.text;
        // (The helper leaves out a final line break token "\n".)
        if (joined.size() == text.size() + 1 && joined.back() == '\n') joined.pop_back();
        if (joined.size() + 1 == text.size() && text.back() == '\n') joined += '\n';
        ASSERT_EQ(joined, text) << round;
    }
}

}  // namespace
