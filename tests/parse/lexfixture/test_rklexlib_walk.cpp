// The table walk of TRkCustomLexer over the generated tables of fixture.l:
// longest match, ties, start conditions, yyless, anchored rules, echo of
// unmatched input, the line and column counters and very long matches.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "fixture_lex.h"
#include "nodes/u_nodes.h"
#include "parse/rklexlib.h"

using namespace fixturelex;

namespace {

class TFixtureLexer : public TRkCustomLexer {
public:
    const TRkLexTables* Tables = &tables;
    int yylex() override { return yywalk(*Tables); }
    int NextToken(TSourceToken& Token) override {
        int code = yylex();
        Token.TokenCode = code;
        Token.SetText(yytext);
        Token.Line = yylineno;
        Token.Column = yycolno;
        return code;
    }

protected:
    void RuleAction(int32_t rule) override {
        GetYYText(yytext);
        switch (rule) {
            case R_QUOTE_OPEN: yystart(QUOTE); break;
            case R_QUOTE_CLOSE: yystart(INITIAL); break;
            case R_RAW_OPEN: yystart(RAW); break;
            case R_RAW_CLOSE: yystart(INITIAL); break;
            case R_BLANKS: return;              // collected, no token
            case R_ARROW:                       // the digits are scanned again
                yyless(2);
                yytext.resize(2);
                break;
            default: break;
        }
        yyreturn(rule);
    }
};

struct Tok {
    int code;
    std::string text;
    int line;
    int col;
    bool operator==(const Tok&) const = default;
};

[[maybe_unused]] std::ostream& operator<<(std::ostream& o, const Tok& t) {
    return o << "{" << t.code << ", \"" << t.text << "\", " << t.line << ", " << t.col << "}";
}

// "[text]line:col" of every token, line breaks escaped.
std::string Picture(const std::vector<Tok>& Toks) {
    std::string s;
    for (const Tok& t : Toks) {
        std::string text;
        for (char c : t.text) text += c == '\n' ? "\\n" : c == '\r' ? "\\r" : std::string(1, c);
        s += std::string(s.empty() ? "" : " ") + "[" + text + "]" + std::to_string(t.line) + ":" + std::to_string(t.col);
    }
    return s;
}

struct ScanResult {
    std::vector<Tok> toks;
    std::string echo;
};

ScanResult Scan(const std::string& input, const TRkLexTables* t = &tables) {
    std::istringstream in(input);
    std::ostringstream out;
    TFixtureLexer lx;
    lx.Tables = t;
    lx.InputStream = &in;
    lx.OutputStream = &out;
    lx.yyclear();
    ScanResult r;
    for (;;) {
        TSourceToken t;
        int code = lx.NextToken(t);
        if (code == 0) break;
        r.toks.push_back({code, std::string(t.GetText()), t.Line, t.Column});
        if (r.toks.size() > 100000) ADD_FAILURE() << "scanner does not stop";
    }
    r.echo = out.str();
    return r;
}

std::vector<std::pair<int, std::string>> Codes(const std::string& input) {
    std::vector<std::pair<int, std::string>> v;
    for (const Tok& t : Scan(input).toks)
        if (t.code != R_NEWLINE) v.emplace_back(t.code, t.text);
    return v;
}

using CT = std::vector<std::pair<int, std::string>>;

}  // namespace

TEST(LexWalk, LongestMatchAndFirstRuleOnTies) {
    struct Case {
        const char* input;
        CT want;
    } cases[] = {
        {"if", {{R_IF, "if"}}},                         // tie with identifier: first rule
        {"iff", {{R_IDENT, "iff"}}},                    // longer identifier beats the keyword
        {"iffy", {{R_IFFY, "iffy"}}},
        {"iffyx", {{R_IDENT, "iffyx"}}},
        {"12", {{R_INT, "12"}}},
        {"12.", {{R_REAL, "12."}}},
        {"12.5x", {{R_REAL, "12.5"}, {R_IDENT, "x"}}},
        {"<<=<", {{R_LESS, "<<="}, {R_LESS, "<"}}},
        {"<<<=", {{R_LESS, "<<"}, {R_LESS, "<="}}},
        {"a,b", {{R_IDENT, "a"}, {R_PUNCT, ","}, {R_IDENT, "b"}}},
        {"\xc3\xa9t\xc3\xa9", {{R_IDENT, "\xc3\xa9t\xc3\xa9"}}},   // bytes 128-255
    };
    for (const Case& c : cases) EXPECT_EQ(Codes(c.input), c.want) << c.input;
}

TEST(LexWalk, StartConditionsInclusiveAndExclusive) {
    // QUOTE is inclusive: "if" still wins a tie inside it; RAW is exclusive.
    EXPECT_EQ(Codes("'a b' c"), (CT{{R_QUOTE_OPEN, "'"}, {R_QUOTE_TEXT, "a b"},
                                     {R_QUOTE_CLOSE, "'"}, {R_IDENT, "c"}}));
    EXPECT_EQ(Codes("'if'"), (CT{{R_QUOTE_OPEN, "'"}, {R_IF, "if"}, {R_QUOTE_CLOSE, "'"}}));
    EXPECT_EQ(Codes("'ifs'"), (CT{{R_QUOTE_OPEN, "'"}, {R_QUOTE_TEXT, "ifs"}, {R_QUOTE_CLOSE, "'"}}));
    EXPECT_EQ(Codes("{if 'x}if"), (CT{{R_RAW_OPEN, "{"}, {R_RAW_TEXT, "if 'x"}, {R_RAW_CLOSE, "}"},
                                       {R_IF, "if"}}));
}

TEST(LexWalk, YylessGivesCharactersBack) {
    EXPECT_EQ(Codes("->12 x"), (CT{{R_ARROW, "->"}, {R_INT, "12"}, {R_IDENT, "x"}}));
    ScanResult r = Scan("->123");
    ASSERT_EQ(r.toks.size(), 3u);
    EXPECT_EQ(r.toks[0], (Tok{R_ARROW, "->", 1, 3}));   // column follows the give-back
    EXPECT_EQ(r.toks[1], (Tok{R_INT, "123", 1, 6}));
}

TEST(LexWalk, AnchoredRuleOnlyAtLineStart) {
    EXPECT_EQ(Codes("#x y"), (CT{{R_DIRECTIVE, "#x y"}}));          // the input starts a line
    EXPECT_EQ(Codes(" #x"), (CT{{R_HASH, "#"}, {R_IDENT, "x"}}));
    EXPECT_EQ(Codes("a\n#y"), (CT{{R_IDENT, "a"}, {R_DIRECTIVE, "#y"}}));
    EXPECT_EQ(Codes("a\r\n#y"), (CT{{R_IDENT, "a"}, {R_DIRECTIVE, "#y"}}));
    // A lone CR is no line end: the newline token ends with CR, not LF.
    EXPECT_EQ(Codes("a\r#y"), (CT{{R_IDENT, "a"}, {R_HASH, "#"}, {R_IDENT, "y"}}));
}

TEST(LexWalk, UnmatchedInputIsEchoedAndScanningGoesOn) {
    ScanResult r = Scan("a@b$");
    EXPECT_EQ(r.echo, "@$");
    ASSERT_EQ(r.toks.size(), 3u);   // a, b, final line break
    EXPECT_EQ(r.toks[1].text, "b");
    // RAW takes no line break: the LF is echoed as CR LF.
    r = Scan("{ab\ncd}");
    EXPECT_EQ(r.echo, "\r\n");
    EXPECT_EQ(r.toks[1].text, "ab");
    EXPECT_EQ(r.toks[2].text, "cd");
}

TEST(LexWalk, EmptyInputEndsAtOnceAndStaysEnded) {
    std::istringstream in("");
    TFixtureLexer lx;
    lx.InputStream = &in;
    lx.yyclear();
    EXPECT_EQ(lx.yylex(), 0);
    EXPECT_EQ(lx.yylineno, 0);
    EXPECT_EQ(lx.yysstate, 0);
    EXPECT_EQ(lx.yylex(), 0);
    std::istringstream in2("x");
    lx.InputStream = &in2;
    lx.yyclear();
    EXPECT_EQ(lx.yylex(), R_IDENT);
    EXPECT_EQ(lx.yylex(), R_NEWLINE);   // the LF that follows every line
    EXPECT_EQ(lx.yylex(), 0);
    EXPECT_EQ(lx.yylex(), 0);
}

TEST(LexWalk, LineAndColumnCounters) {
    // Column is just after the last character; a line break followed by more
    // input carries the next line and column 1 (its look-ahead was given back).
    // The end of the input, read and given back, leaves the last token one
    // column short.  A lone CR stays inside its line: no line is counted for it.
    const struct { const char* Input; const char* Tokens; } cases[] = {
        {"ab cd\nef", "[ab]1:3 [cd]1:6 [\\n]2:1 [ef]2:3 [\\n]2:3"},
        {"ab\r\n\r\nef\r\n", "[ab]1:3 [\\r\\n\\r\\n]3:1 [ef]3:3 [\\r\\n]3:4"},
        {"ab\rcd", "[ab]1:3 [\\r]1:4 [cd]1:6 [\\n]1:6"},
        {"a\rb", "[a]1:2 [\\r]1:3 [b]1:4 [\\n]1:4"},   // ends with CR and one more character
    };
    for (const auto& c : cases) EXPECT_EQ(Picture(Scan(c.Input).toks), c.Tokens) << c.Input;
}

TEST(LexWalk, NulByteDoesNotEndTheInput) {
    ScanResult r = Scan(std::string("ab\0cd\n\0\nef", 11));
    CT want{{R_IDENT, "ab"}, {R_IDENT, "cd"}, {R_IDENT, "ef"}};
    CT got;
    for (const Tok& t : r.toks)
        if (t.code != R_NEWLINE) got.emplace_back(t.code, t.text);
    EXPECT_EQ(got, want);
    EXPECT_EQ(r.echo, "");   // a NUL is echoed as nothing
    EXPECT_EQ(r.toks.back().line, 3);
}

TEST(LexWalk, FiveMegabyteMatchesOnOneLine) {
    const size_t n = 5u << 20;
    std::string input = "x '" + std::string(n, 'q') + "' " + std::string(n, 'z') + "\n" +
                        std::string(n, ' ') + "y";
    std::istringstream in(input);
    TFixtureLexer lx;
    lx.InputStream = &in;
    lx.yyclear();
    std::vector<int> codes;
    std::vector<size_t> lengths;
    for (int c; (c = lx.yylex()) != 0;) {
        codes.push_back(c);
        lengths.push_back(lx.yytext.size());
        // The match stack holds at most one entry per rule whatever the length.
        EXPECT_LE(lx.yystack.size(), 4096u);
    }
    EXPECT_EQ(codes, (std::vector<int>{R_IDENT, R_QUOTE_OPEN, R_QUOTE_TEXT, R_QUOTE_CLOSE, R_IDENT,
                                       R_NEWLINE, R_IDENT, R_NEWLINE}));
    EXPECT_EQ(lengths[2], n);
    EXPECT_EQ(lengths[4], n);
    EXPECT_EQ(lx.yylineno, 0);   // cleared at the end
}

TEST(LexWalk, TransitionSearchWithoutTheByteIndexedTable) {
    // Tables without the derived next-state array are walked through the
    // transition sets, with the same result.
    TRkLexTables sets = tables;
    sets.yynext = nullptr;
    for (const char* input : {"iffy if iff 12.5 <<= 'a b' {x\ny} #d\n#e @", "->123 x\r\n\r#y"}) {
        ScanResult a = Scan(input), b = Scan(input, &sets);
        EXPECT_EQ(a.toks, b.toks) << input;
        EXPECT_EQ(a.echo, b.echo) << input;
    }
}

TEST(LexWalk, TextGivenInPlaceScansAsTheSameStream) {
    // The match texts are views of the text itself; a text without a final
    // line feed still gets one; the end stays the end after yyclear.
    for (std::string input : {"iffy if 12.5 'a b' #x\n#d ->12\r\n", "a\rb", "x", ""}) {
        TFixtureLexer lx;
        lx.SetInput(input);
        lx.yyclear();
        std::vector<Tok> toks;
        for (int code; (code = lx.yylex()) != 0;) {
            toks.push_back({code, lx.yytext.str(), lx.yylineno, lx.yycolno});
            if (code == R_IF) {
                const std::string_view match = lx.MatchText();
                EXPECT_GE(match.data(), input.data());
                EXPECT_LT(match.data(), input.data() + input.size());
            }
        }
        EXPECT_EQ(toks, Scan(input).toks) << input;
        EXPECT_EQ(lx.yylex(), 0);
    }
}

TEST(LexWalk, CharactersGivenBackThatTheInputLacksAreScanned) {
    // " iff" then "x", of which " iff" was never in the input: a match over
    // them is kept apart, and yyless gives its characters back in order.
    std::istringstream in("x");
    TFixtureLexer lx;
    lx.InputStream = &in;
    lx.yyclear();
    for (char c : std::string("ffi ")) lx.UngetChar(c);   // read back: space, i, f, f
    std::vector<std::pair<int, std::string>> got;
    for (int code; (code = lx.yylex()) != 0;)
        if (code != R_NEWLINE) got.emplace_back(code, lx.yytext.str());
    EXPECT_EQ(got, (CT{{R_IDENT, "iffx"}}));   // blanks make no token
    std::istringstream in2("1 x");
    lx.InputStream = &in2;
    lx.yyclear();
    for (char c : std::string("2>-")) lx.UngetChar(c);   // "->2" then "1 x": the arrow gives "21" back
    got.clear();
    for (int code; (code = lx.yylex()) != 0;)
        if (code != R_NEWLINE) got.emplace_back(code, lx.yytext.str());
    EXPECT_EQ(got, (CT{{R_ARROW, "->"}, {R_INT, "21"}, {R_IDENT, "x"}}));
}
