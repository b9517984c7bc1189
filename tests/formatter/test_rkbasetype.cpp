#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "formatter/rkbasetype.h"

namespace {
// Restores the global options after a test changes them.
struct FmtOptGuard {
    TRkFmtOpt saved = FmtOpt;
    ~FmtOptGuard() { FmtOpt = saved; }
};

struct TextCase {
    const char* name;
    std::string got;
    std::string want;
};

void ExpectAll(const std::vector<TextCase>& cases) {
    for (const auto& c : cases) EXPECT_EQ(c.got, c.want) << c.name;
}
}  // namespace

TEST(TextRoutines, IndentAndTabs) {
    FmtOptGuard g;
    ExpectAll({
        {"indent after CR LF", IndentText("a\r\nb", 2), "a\r\n  b"},
        {"lone LF is no line end", IndentText("a\nb", 2), "a\nb"},
        {"lone CR is no line end", IndentText("a\rb", 2), "a\rb"},
        {"first line not indented", IndentText("a\r\nb\r\nc", 1), "a\r\n b\r\n c"},
        {"count below 1", IndentText("a\r\nb", 0), "a\r\nb"},
        {"negative count", IndentText("a\r\nb", -3), "a\r\nb"},
        {"empty", IndentText("", 4), ""},
        {"spaces to tabs", SpacesToTabs("   x"), "\t x"},
        {"one blank stays", SpacesToTabs(" x"), " x"},
        {"tabs count", SpacesToTabs("\t  y"), "\t\ty"},
        {"lines joined by CR LF", SpacesToTabs("  a\n  b\r  c"), "\ta\r\n\tb\r\n\tc"},
        {"final line break kept", SpacesToTabs("  a\r\n"), "\ta\r\n"},
        {"blank-only line", SpacesToTabs("    "), "\t\t"},
    });
    FmtOpt.SetUseTab(1);
    EXPECT_EQ(IndentText("x\r\ny", 4), "x\r\n\t\ty");
    FmtOpt.SetTabSize(4);
    EXPECT_EQ(IndentText("x\r\ny", 6), "x\r\n\t  y");
}

TEST(TextRoutines, LinesCaseAndPadding) {
    ExpectAll({
        {"last line after CR LF", std::to_string(LastLineLength("ab\r\ncde")), "3"},
        {"no line break", std::to_string(LastLineLength("abc")), "3"},
        {"ends in line break", std::to_string(LastLineLength("ab\r\n")), "0"},
        {"lone CR", std::to_string(LastLineLength("ab\rc")), "1"},
        {"empty", std::to_string(LastLineLength("")), "0"},
        {"case 0", ChangeCase("sElect", 0), "SELECT"},
        {"case 1", ChangeCase("sElect", 1), "select"},
        {"case 2", ChangeCase("sELECT", 2), "Select"},
        {"case 2 digit first", ChangeCase("1abc", 2), "1abc"},
        {"case 2 whole token", ChangeCase("EMPLOYEE_ID", 2), "Employee_id"},
        {"case 3 as written", ChangeCase("sElect", 3), "sElect"},
        {"other codes as written", ChangeCase("sElect", 9), "sElect"},
        {"non-ASCII bytes untouched", ChangeCase("\xc3\xa9t\xc3\x89", 0), "\xc3\xa9T\xc3\x89"},
        {"empty case", ChangeCase("", 2), ""},
        {"ensure: trailing blanks after break", EnsureLineBreak("a\r\n  "), "a\r\n"},
        {"ensure: appends", EnsureLineBreak("a"), "a\r\n"},
        {"ensure: lone CR is no break", EnsureLineBreak("a\r"), "a\r\r\n"},
        {"ensure: LF counts", EnsureLineBreak("a\n"), "a\n"},
        {"ensure: empty", EnsureLineBreak(""), "\r\n"},
        {"trailing breaks", std::to_string(TrailingLineBreakCount("x\r\n \n ")), "2"},
        {"trailing breaks stop at text", std::to_string(TrailingLineBreakCount("\nx ")), "0"},
        {"trim trailing blanks and tabs", TrimTrailingBlanks("a \t \x01"), "a"},
        {"trim stops at line break", TrimTrailingBlanks("a\r\n  "), "a\r\n"},
        {"pad left-justified", PadKeyword(6, "FROM", true), "FROM  "},
        {"pad right-justified", PadKeyword(6, "FROM", false), "  FROM"},
        {"pad too short a field", PadKeyword(3, "FROM", true), "FROM"},
        {"pad negative width", PadKeyword(-1, "FROM", false), "FROM"},
        {"join", JoinWithSpace("a", "b"), "a b"},
        {"join empty first", JoinWithSpace("", "b"), "b"},
        {"join empty second", JoinWithSpace("a", ""), "a "},
        {"trim quote and blank", TrimChar("\"abc\" ", '"'), "abc"},
        {"trim control characters", TrimChar("\t\r\nabc\x01", 'x'), "abc"},
        {"trim everything", TrimChar(" \"\" ", '"'), ""},
        {"trim keeps inner", TrimChar("\"a\"b\"", '"'), "a\"b"},
        {"trim keeps UTF-8 bytes", TrimChar("\xc3\xa9 ", '"'), "\xc3\xa9"},
    });
}

TEST(TextRoutines, ReplaceText) {
    struct Row {
        const char* s;
        const char* old;
        const char* rep;
        int flags;
        const char* want;
    };
    const Row rows[] = {
        {"aXa", "a", "bb", rfReplaceAll, "bbXbb"},
        {"aXa", "a", "bb", 0, "bbXa"},
        {"AxA", "a", "b", rfReplaceAll, "AxA"},
        {"AxA", "a", "b", rfReplaceAll | rfIgnoreCase, "bxb"},
        {"aaa", "aa", "b", rfReplaceAll, "ba"},          // no overlap
        {"abab", "ab", "abab", rfReplaceAll, "abababab"}, // replaced text not rescanned
        {"", "a", "b", rfReplaceAll, ""},
        {"abc", "", "b", rfReplaceAll, "abc"},
        {"abc", "abcd", "x", rfReplaceAll, "abc"},
        {"a-b", "-", "", rfReplaceAll, "ab"},
        {"x\r\ny\r\n", "\r\n", "\r\n  ", rfReplaceAll, "x\r\n  y\r\n  "},
    };
    for (const Row& r : rows) {
        std::string s = r.s;
        ReplaceText(s, r.old, r.rep, r.flags);
        EXPECT_EQ(s, r.want) << r.s << " / " << r.old << " / " << r.flags;
    }
    // Text after a NUL byte is kept: strings carry their length.
    std::string s("a\0a", 3);
    ReplaceText(s, "a", "b", rfReplaceAll);
    EXPECT_EQ(s, std::string("b\0b", 3));
}

TEST(TextRoutines, TextCompareIsAsciiCaseInsensitive) {
    EXPECT_EQ(TextCompare("Select", "sELECT"), 0);
    EXPECT_LT(TextCompare("a", "b"), 0);
    EXPECT_GT(TextCompare("b", "A"), 0);
    EXPECT_LT(TextCompare("ab", "abc"), 0);
    // "_" sorts before letters, digits before both.
    EXPECT_LT(TextCompare("EXCEPTION_INIT", "EXCEPTIONS"), 0);
    EXPECT_LT(TextCompare("A1", "A_"), 0);
    EXPECT_LT(TextCompare("A_", "AA"), 0);
    // Bytes above 127 compare unsigned, after ASCII.
    EXPECT_LT(TextCompare("z", "\xc3\xa9"), 0);
    EXPECT_TRUE(SameText("TeMp", "temp"));
    EXPECT_FALSE(SameText("temp", "tem"));
    EXPECT_EQ(LowerCase("AbC_1"), "abc_1");
    EXPECT_EQ(UpperCase("AbC_1"), "ABC_1");
}

TEST(FormattingOptions, GroupSettersAndAssign) {
    TRkFmtOpt o;
    o.SetListOneLine(1);
    o.SetKeywordAlign(1);
    o.SetSeparatorStyle(2);
    o.SetFuncArgsOneLine(0);
    // A setter is a single store.
    EXPECT_EQ(o.OrderByListOneLine + o.InsertKeywordAlign + o.DeclSeparatorStyle, 0);
    o.PropagateLineBreakOptions();
    EXPECT_EQ(o.OrderByListOneLine + o.ColumnDefListOneLine + o.ExprListOneLine + o.FuncArgsOneLine, 4);
    EXPECT_EQ(o.InsertKeywordAlign, 0);
    o.PropagateAlignOptions();
    EXPECT_EQ(o.InsertKeywordAlign + o.ColumnDefAlign, 2);
    EXPECT_EQ(o.ColumnDefSeparatorStyle, 2);
    EXPECT_EQ(o.DeclSeparatorStyle, 2);

    TRkFmtOpt target;
    target.SetKeywordCase(3);
    target.SetListOneLine(1);
    TRkFmtOpt source;
    source.SetKeywordAlign(1);
    source.SetSeparatorStyle(1);
    source.SetAndOrPlacement(2);
    source.SetKeywordCase(1);
    target.Assign(source);
    EXPECT_EQ(target.KeywordAlign, 1);
    EXPECT_EQ(target.SeparatorStyle, 1);
    EXPECT_EQ(target.AndOrPlacement, 2);
    // Not copied: the case and line break options; the group setters do not run.
    EXPECT_EQ(target.KeywordCase, 3);
    EXPECT_EQ(target.ListOneLine, 1);
    EXPECT_EQ(target.InsertKeywordAlign + target.DeclSeparatorStyle, 0);
}
