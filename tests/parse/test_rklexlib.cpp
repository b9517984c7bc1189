// The character machinery of TRkCustomLexer: line reading, GetChar and
// UngetChar with their counters, yyless, the echo and the write helpers.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "nodes/rkexceptions.h"
#include "parse/rklexlib.h"

namespace {

// No tables: only the character operations are used.
class TBareLexer : public TRkCustomLexer {
public:
    int yylex() override { return 0; }
    int NextToken(TSourceToken&) override { return 0; }
    using TRkCustomLexer::yywalk;

protected:
    void RuleAction(int32_t) override {}
};

// Every character GetChar delivers until the end (#0 past the last line).
std::string Drain(const std::string& input, int* lines = nullptr) {
    std::istringstream in(input);
    TBareLexer lx;
    lx.InputStream = &in;
    lx.yyclear();
    std::string out;
    for (int guard = 0; guard < 100000000; ++guard) {
        if (lx.PendingCount() == 0 && lx.InputEof()) break;
        out += lx.GetChar();
    }
    EXPECT_EQ(lx.GetChar(), '\0');
    if (lines) *lines = lx.yylineno;
    return out;
}

}  // namespace

TEST(LexChars, LinesReachTheScannerWithOneLineFeedEach) {
    struct Case {
        std::string input, chars;
        int lines;
    } cases[] = {
        {"", "", 0},
        {"abc", "abc\n", 1},                     // no final line break
        {"abc\n", "abc\n", 1},
        {"a\n\nb", "a\n\nb\n", 3},
        {"a\r\nb\r\n", "a\r\nb\r\n", 2},         // CR LF: text, CR, LF
        {"\r\n", "\r\n", 1},
        {"a\r\n\r\nb", "a\r\n\r\nb\n", 3},       // an empty line is CR, LF
        {"a\rb", "a\rb\n", 1},                   // a lone CR stays inside the line
        {"a\r", "a\r\n", 1},
        {"a\r\r\nb", "a\r\r\nb\n", 2},
        {std::string("a\0b", 3), std::string("a\0b\n", 4), 1},
        {"\n", "\n", 1},
        {"\n\n", "\n\n", 2},
    };
    for (const Case& c : cases) {
        int lines = -1;
        EXPECT_EQ(Drain(c.input, &lines), c.chars) << testing::PrintToString(c.input);
        EXPECT_EQ(lines, c.lines) << testing::PrintToString(c.input);
    }
}

TEST(LexChars, LineEndsAcrossTheReadAheadBoundary) {
    // CR and LF on both sides of every 64 KiB read-ahead boundary.
    for (size_t pad : {65534u, 65535u, 65536u, 131071u}) {
        std::string input = std::string(pad, 'x') + "\r\ny\rz\r";
        std::string want = std::string(pad, 'x') + "\r\ny\rz\r\n";
        int lines = 0;
        EXPECT_TRUE(Drain(input, &lines) == want) << pad;
        EXPECT_EQ(lines, 2) << pad;
    }
}

TEST(LexChars, CountersFollowGetCharAndUngetChar) {
    std::istringstream in("ab\ncd");
    TBareLexer lx;
    lx.InputStream = &in;
    lx.yyclear();
    // Each character read, with the line, the column and the line text after it.
    auto get = [&lx] {
        const char c = lx.GetChar();
        return std::string(1, c) + " " + std::to_string(lx.yylineno) + ":" + std::to_string(lx.yycolno) + " " + std::string(lx.CurrentLine());
    };
    EXPECT_EQ(get(), "a 1:2 ab");
    lx.UngetChar('a');
    EXPECT_EQ(lx.yycolno, 1);
    for (const char* want : {"a 1:2 ab", "b 1:3 ab", "\n 1:4 ab", "c 2:2 cd", "d 2:3 cd", "\n 2:4 cd"})
        EXPECT_EQ(get(), want);
    EXPECT_EQ(get(), std::string(1, '\0') + " 2:4 cd");   // the end changes nothing
    lx.UngetChar('\0');                                    // the end given back is read again as the end
    lx.UngetChar('x');
    EXPECT_EQ(lx.GetChar(), 'x');
    EXPECT_EQ(lx.GetChar(), '\0');
    EXPECT_EQ(lx.GetChar(), '\0');
}

TEST(LexChars, PushBackGrowsWithoutLimit) {
    std::istringstream in("");
    TBareLexer lx;
    lx.InputStream = &in;
    lx.yyclear();
    const int n = 700000;   // more than the original fixed buffer held
    for (int i = 0; i < n; ++i) lx.UngetChar(static_cast<char>('a' + i % 26));
    EXPECT_EQ(lx.PendingCount(), n);
    for (int i = n - 1; i >= 0; --i) ASSERT_EQ(lx.GetChar(), static_cast<char>('a' + i % 26));
    EXPECT_EQ(lx.GetChar(), '\0');
}

TEST(LexChars, LongLineIsReadWhole) {
    std::string line(1000000, 'q');
    int lines = 0;
    EXPECT_TRUE(Drain(line + "\nz", &lines) == line + "\nz\n");
    EXPECT_EQ(lines, 2);
}

TEST(LexChars, YylessKeepsThePrefix) {
    std::istringstream in("hello world");
    TBareLexer lx;
    lx.InputStream = &in;
    lx.yyclear();
    lx.yyleng = 0;
    for (int i = 0; i < 5; ++i) {
        lx.yyscan();
    }
    std::string s;
    lx.GetYYText(s);
    EXPECT_EQ(s, "hello");
    lx.yyless(2);
    lx.GetYYText(s);
    EXPECT_EQ(s, "he");
    EXPECT_EQ(lx.yycolno, 3);
    EXPECT_EQ(lx.GetChar(), 'l');
    EXPECT_EQ(lx.GetChar(), 'l');
    lx.yyless(7);   // more than the match holds: nothing changes
    EXPECT_EQ(lx.yyleng, 2);
    lx.yyless(0);
    lx.GetYYText(s);
    EXPECT_EQ(s, "");
    EXPECT_EQ(lx.GetChar(), 'h');
}

TEST(LexChars, EchoAndWriteHelpers) {
    // The echo writes a line feed as CR LF and drops NUL.
    std::ostringstream out;
    TBareLexer lx;
    lx.OutputStream = &out;
    for (char c : std::string("a\nb\0c", 5)) lx.PutChar(c);
    EXPECT_EQ(out.str(), "a\r\nbc");
    lx.OutputStream = nullptr;
    lx.PutChar('x');   // no stream: nothing happens
    std::ostringstream text;
    std::string big(20000, 'w');
    TRkCustomLexer::WriteText(&text, big);
    TRkCustomLexer::WriteLine(&text, "end");
    EXPECT_TRUE(text.str() == big + "end\r\n");
    TRkCustomLexer::WriteLine(nullptr, "ignored");
}

TEST(LexChars, StartStateAndReturnedCharacters) {
    TBareLexer lx;
    lx.yystart(4);
    EXPECT_EQ(lx.GetStartState(), 4);
    lx.yyclear();
    EXPECT_EQ(lx.yysstate, 0);
    EXPECT_EQ(lx.yylstate, 1);
    lx.yyreturnc('%');
    EXPECT_TRUE(lx.yydone);
    EXPECT_EQ(lx.yyretval, 37);
    lx.yyreturnc('\xe9');   // a byte above 127 is not negative
    EXPECT_EQ(lx.yyretval, 0xe9);
}

TEST(LexChars, MatchStackStaysSmallOverLongMatches) {
    TBareLexer lx;
    lx.yyleng = 2;
    lx.yymark(1);
    lx.yymark(7);   // rule numbers beyond the tables grow the positions
    for (int i = 0; i < 1000000; ++i) {
        lx.yymatch(7);
        lx.yymatch(1);
    }
    EXPECT_LE(lx.yystack.size(), 4096u);
    int32_t rule = 0;
    lx.yyleng = 3;
    lx.yymark(1);
    ASSERT_TRUE(lx.yyfind(rule));
    EXPECT_EQ(rule, 1);
    lx.yypos[1] = 0;   // the top rule has no position: the next one is found
    ASSERT_TRUE(lx.yyfind(rule));
    EXPECT_EQ(rule, 7);
    lx.yypos[7] = 0;
    EXPECT_FALSE(lx.yyfind(rule));
}
