// The Oracle scanner end to end: text in, tokens (code, text, type, line,
// column) out, through NextToken as the front end drives it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "nodes/u_nodes.h"
#include "parse/oracle/oracletokens.h"
#include "parse/oracle/rklexoracle.h"

using namespace oracletok;

namespace {

struct Tok {
    int code = 0;       // NextToken's result
    int tokenCode = 0;  // the token's TokenCode
    std::string text;
    int type = 0;
    int group = 0;
    int subKind = 0;
    int line = 0;
    int col = 0;
};

std::vector<Tok> Scan(const std::string& input, bool sqlPlus = false, bool bulk = true) {
    std::istringstream in(input);
    std::ostringstream out;
    TRkLexerOracle lx;
    lx.InputStream = &in;
    lx.OutputStream = &out;
    lx.InSqlPlusCmd = sqlPlus;
    lx.BulkOperatorRuns = bulk;
    lx.yyclear();
    std::vector<Tok> toks;
    for (;;) {
        TSourceToken t;
        int code = lx.NextToken(t);
        if (code == 0) break;
        toks.push_back({code, t.TokenCode, std::string(t.GetText()), t.TokenType, t.TokenGroup, t.TokenSubKind,
                        t.Line, t.Column});
        if (toks.size() > 1000000) {
            ADD_FAILURE() << "the scanner does not stop";
            break;
        }
    }
    return toks;
}

std::string Escape(const std::string& s) {
    std::string r;
    for (char c : s) {
        if (c == '\n') r += "\\n";
        else if (c == '\r') r += "\\r";
        else if (c == '\t') r += "\\t";
        else r += c;
    }
    return r;
}

// "code[text] ..." for every token; the line feed that ends the input is left out.
std::string Dump(const std::string& input, bool sqlPlus = false) {
    std::vector<Tok> toks = Scan(input, sqlPlus);
    if (!toks.empty() && toks.back().code == LINE_BREAK && toks.back().text == "\n") toks.pop_back();
    std::string r;
    for (const Tok& t : toks) {
        if (!r.empty()) r += ' ';
        r += std::to_string(t.code) + "[" + Escape(t.text) + "]";
    }
    return r;
}

}  // namespace







// "code[text]" of every token of each input.
TEST(OracleScanner, TokenDumps) {
    const struct { bool SqlPlus; const char* Input; const char* Want; } cases[] = {
        // Comments; one never closed is an error token at the end of the input.
        {false, "/*+ hint */", "257[/*+ hint */]"},
        {false, "/* a /* b */ c */", "257[/* a /* b */ c */]"},
        {false, "/* a */-- x", "257[/* a */] 258[-- x]"},
        {false, "/**/x", "257[/**/] 262[x]"},
        {false, "/* a\nb */", "257[/* a\\nb */]"},
        {false, "/* -- not a line comment */", "257[/* -- not a line comment */]"},
        {false, "/* x **/+1", "257[/* x **/] 43[+] 267[1]"},
        {false, "/* a ++*/", "257[/* a ++*/]"},
        {false, "a=/*c*/", "262[a] 61[=] 257[/*c*/]"},
        {false, "-- to the end\r\nx", "258[-- to the end] 260[\\r\\n] 262[x]"},
        {false, "/* never closed", "256[/* never closed\\n]"},
        // Strings and quoted names.
        {false, "'It''s'", "266['It''s']"},
        {false, "N'abc' n'x'", "266[N'abc'] 259[ ] 266[n'x']"},
        {false, "'\\'", "266['\\']"},
        {false, "'a\\b'", "266['a\\b']"},
        {false, "'a/*b'", "266['a/*b']"},
        {false, "'/*' x", "266['/*'] 259[ ] 262[x]"},
        {false, "'/*+*/'||'*/'", "266['/*+*/'] 269[||] 266['*/']"},
        {false, "'a--b'", "266['a--b']"},
        {false, "'ab\ncd'", "266['ab\\ncd']"},
        {false, "'ab\r\ncd'", "266['ab\\r\\ncd']"},
        {false, "\"ab\"\"c\"", "262[\"ab\"c\"]"},
        {false, "\"x--y\"", "262[\"x--y\"]"},
        {false, "\"a\nb\"", "262[\"a\\nb\"]"},
        {false, "'open", "256['open\\n]"},
        {false, "x \"open", "262[x] 259[ ] 256[\"open\\n]"},
        // On SQL*Plus lines literals end at the line end, and "/*" opens no
        // comment.
        {true, "prompt /* open", "262[prompt] 259[ ] 269[/*] 259[ ] 335[open]"},
        {true, "prompt 'abc\ndef'", "262[prompt] 259[ ] 266['abc] 260[\\n] 262[def] 266[']"},
        {true, "prompt 'abc\r\nx", "262[prompt] 259[ ] 266['abc] 260[\\r\\n] 262[x]"},
        {true, "prompt \"abc\nx", "262[prompt] 259[ ] 266[\"abc] 260[\\n] 262[x]"},
        {true, "x '\n", "262[x] 259[ ] 266[']"},
        // Numbers and the outer join mark.
        {false, "0x1f", "265[0x1f]"},
        {false, "0X1F", "267[0] 262[X1F]"},
        {false, "0x", "265[0x]"},
        {false, "1e5 1.5e-3 .5E+2", "265[1e5] 259[ ] 265[1.5e-3] 259[ ] 265[.5E+2]"},
        {false, "1.", "265[1.]"},
        {false, "1..2", "267[1] 273[..] 267[2]"},
        {false, "12.5", "265[12.5]"},
        {false, "(+)", "925[(+)]"},
        {false, "( + )", "925[( + )]"},
        {false, "(\n+)", "40[(] 260[\\n] 43[+] 41[)]"},
        // Operator runs.
        {false, "< >", "269[< >]"},
        {false, "! =", "269[! =]"},
        {false, ">=-1", "269[>=] 45[-] 267[1]"},
        {false, "!=-1", "269[!=-] 267[1]"},
        {false, "@@x", "64[@] 64[@] 262[x]"},
        {false, "a:=1", "262[a] 272[:=] 267[1]"},
        {false, "<<lbl>>", "263[<<] 262[lbl] 264[>>]"},
        {false, "<<=", "269[<<=]"},
        {false, "a.*", "262[a] 46[.] 42[*]"},
        {false, "x*:y", "262[x] 42[*] 271[:y]"},
        {false, "a||b", "262[a] 269[||] 262[b]"},
        {false, "?", "262[?]"},
        {false, "#", "269[#]"},
        {false, "#x $x", "262[#x] 259[ ] 262[$x]"},
        {false, "$ % ^", "36[$] 259[ ] 37[%] 259[ ] 94[^]"},
        {false, "a+-b", "262[a] 43[+] 45[-] 262[b]"},
        {false, "a*/b", "262[a] 269[*/] 262[b]"},
        {false, ":b1", "271[:b1]"},
        {false, "{", "268[{]"},
        // Line breaks and blanks.
        {false, "a\r\n\r\nb", "262[a] 260[\\r\\n\\r\\n] 262[b]"},
        {false, "a \t\f b", "262[a] 259[ \\t\f ] 262[b]"},
        {false, "a\rb", "262[a] 260[\\r] 262[b]"},
    };
    for (const auto& c : cases) EXPECT_EQ(Dump(c.Input, c.SqlPlus), c.Want) << Escape(c.Input);
    // A quoted name of 300 characters keeps its first 255 (the closing quote is lost).
    std::vector<Tok> big = Scan("\"" + std::string(298, 'n') + "\"");
    ASSERT_FALSE(big.empty());
    EXPECT_EQ(big[0].code, IDENT);
    EXPECT_EQ(big[0].text, "\"" + std::string(254, 'n'));
}

TEST(OracleScanner, KeywordsAndTokenClassification) {
    struct TypeCase {
        const char* input;
        int code;
        int tokenCode;
        int type;
        int group;
    } cases[] = {
        {"select", RW_SELECT, RW_SELECT, ttKeyword, 1},
        {"Select", RW_SELECT, RW_SELECT, ttKeyword, 1},
        {"SELECT", RW_SELECT, RW_SELECT, ttKeyword, 1},
        {"selects", IDENT, IDENT, ttIdentifier, 5},
        {"exception_init", RW_EXCEPTION_INIT, RW_EXCEPTION_INIT, ttKeyword, 1},
        {"EXCEPTIONS", RW_EXCEPTIONS, RW_EXCEPTIONS, ttKeyword, 1},
        {"Exception", RW_EXCEPTION, RW_EXCEPTION, ttKeyword, 1},
        {"restrict_references", RW_RESTRICT_REFERENCES, RW_RESTRICT_REFERENCES, ttKeyword, 1},
        {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", IDENT, IDENT, ttIdentifier, 5},
        {"?", IDENT, IDENT, ttOperator, 6},
        {"<<", DOUBLE_LT, DOUBLE_LT, ttOperator, 6},
        {"<<=", OPERATOR, OPERATOR, ttOperator, 6},
        {":=", ASSIGN_OP, ASSIGN_OP, ttOperator, 6},
        {"..", DOUBLE_DOT, DOUBLE_DOT, ttOperator, 6},
        {"%", '%', '%', ttOtherChar, 6},
        {"@", '@', '@', ttAt, 6},
        {"(", '(', '(', ttLeftParen, 6},
        {";", ';', ';', ttSemicolon, 6},
        {"1", INTEGER_LIT, INTEGER_LIT, ttNumber, 3},
        {"1.5", NUMBER_LIT, NUMBER_LIT, ttNumber, 3},
        {"'s'", STRING_LIT, STRING_LIT, ttString, 3},
        {":v", BIND_NAME, BIND_NAME, ttBindVar, 2},
        {"(+)", OUTER_JOIN_MARK, OUTER_JOIN_MARK, ttKeyword, 1},
        {"{", OTHER_CHAR, OTHER_CHAR, ttKeyword, 1},
        {" ", BLANKS, BLANKS, ttBlanks, 2},
        {"\"Name\"", IDENT, IDENT, ttQuotedName, 5},
    };
    for (const TypeCase& c : cases) {
        std::vector<Tok> t = Scan(c.input);
        ASSERT_FALSE(t.empty()) << c.input;
        EXPECT_EQ(t[0].code, c.code) << c.input;
        EXPECT_EQ(t[0].tokenCode, c.tokenCode) << c.input;
        EXPECT_EQ(t[0].type, c.type) << c.input;
        EXPECT_EQ(t[0].group, c.group) << c.input;
    }
    std::vector<Tok> lc = Scan("-- c"), bc = Scan("/* c */");
    EXPECT_EQ(std::vector<int>({lc[0].type, lc[0].subKind, bc[0].type, bc[0].subKind}),
              std::vector<int>({ttLineComment, 6, ttBlockComment, 5}));

    // With the question-mark flag cleared, "?" stays an operator.
    std::istringstream in("?");
    TRkLexerOracle lx;
    lx.InputStream = &in;
    lx.QuestionMarkIdent = false;
    lx.yyclear();
    TSourceToken t;
    EXPECT_EQ(lx.NextToken(t), OPERATOR);
}

TEST(OracleScanner, LineAndColumnOfTokens) {
    // Column is just after the last character; a line break that more input
    // follows carries the next line and column 1.
    std::string got;
    for (const Tok& t : Scan("select a\r\n  from /* x\ny */ t;"))
        got += "[" + Escape(t.text) + "]" + std::to_string(t.line) + ":" + std::to_string(t.col) + " ";
    EXPECT_EQ(got, "[select]1:7 [ ]1:8 [a]1:9 [\\r\\n]2:1 [  ]2:3 [from]2:7 [ ]2:8 [/* x\\ny */]3:5 [ ]3:6 [t]3:7 [;]3:8 "
                   "[\\n]3:8 ");
}

TEST(OracleScanner, NulByteDoesNotEndTheScript) {
    std::string input("create table a (x int);\0\ncreate table b (y int);", 48);
    std::vector<Tok> t = Scan(input);
    int tables = 0;
    for (const Tok& k : t) tables += k.code == RW_TABLE;
    EXPECT_EQ(tables, 2);
    EXPECT_EQ(Dump(std::string("'a\0b'", 5)), "266['ab']");
}

TEST(OracleScanner, HugeLiteralsOnOneLine) {
    const size_t n = 5u << 20;
    std::string input = "insert into t values ('" + std::string(n, 'x') + "', /*" + std::string(n, 'c') +
                        "*/ 1);";
    std::vector<Tok> t = Scan(input);
    size_t strings = 0, comments = 0;
    for (const Tok& k : t) {
        if (k.code == STRING_LIT) strings = k.text.size();
        if (k.code == BLOCK_COMMENT) comments = k.text.size();
    }
    EXPECT_EQ(strings, n + 2);
    EXPECT_EQ(comments, n + 4);
    EXPECT_EQ(t[t.size() - 2].text, ";");
}

TEST(OracleKeywords, TableIsSortedUniqueAndInRange) {
    std::set<int> codes;
    for (int i = 0; i < OracleKeywordCount; ++i) {
        const TRkKeywordRec& r = OracleKeywordTable[i];
        EXPECT_EQ(std::string(r.Name).size(), r.Length);
        EXPECT_LE(r.Length, 19);
        EXPECT_GE(r.Code, 276);
        EXPECT_LE(r.Code, 926);
        EXPECT_NE(r.Code, OUTER_JOIN_MARK);
        EXPECT_TRUE(codes.insert(r.Code).second) << r.Name;
        if (i > 0) {
            EXPECT_LT(OracleKeywordCompare(OracleKeywordTable[i - 1].Name, r.Name), 0)
                << OracleKeywordTable[i - 1].Name << " / " << r.Name;
        }
        int32_t code = 0;
        EXPECT_TRUE(IsOracleKeyword(r.Name, code)) << r.Name;
        EXPECT_EQ(code, r.Code);
        std::string lower(r.Name);
        for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_TRUE(IsOracleKeyword(lower, code)) << lower;
    }
    EXPECT_EQ(OracleKeywordTable[0].Code, 381);                          // ACCESS
    EXPECT_STREQ(OracleKeywordTable[OracleKeywordCount - 1].Name, "ZONE");
    // "_" sorts before letters, digits before both.
    EXPECT_LT(OracleKeywordCompare("EXCEPTION_INIT", "EXCEPTIONS"), 0);
    EXPECT_LT(OracleKeywordCompare("GLOBAL_NAME", "globally"), 0);
    EXPECT_LT(OracleKeywordCompare("VARCHAR2", "VARCHAR_"), 0);
    EXPECT_EQ(OracleKeywordCompare("Zone", "ZONE"), 0);
    int32_t code = -5;
    EXPECT_FALSE(IsOracleKeyword("notakeyword", code));
    EXPECT_EQ(code, -5);
    EXPECT_FALSE(IsOracleKeyword("s\xc3\xa9lect", code));
    EXPECT_EQ(OracleKeywordSearch(1, 0, "SELECT", code), -1);
}

namespace {

// Every field of every token, for comparing two scans.
std::string Render(const std::vector<Tok>& Toks) {
    std::string s;
    for (const Tok& t : Toks)
        s += std::to_string(t.code) + "/" + std::to_string(t.tokenCode) + "/" + std::to_string(t.type) + "[" +
             Escape(t.text) + "]" + std::to_string(t.line) + ":" + std::to_string(t.col) + " ";
    return s;
}

}  // namespace

// Operator runs decided in one pass give exactly the tokens of the
// match-by-match scan, on inputs made of the characters that interact.
TEST(OracleScanner, OperatorRunsInOnePassMatchTheTableScan) {
    const std::string alphabet = "**//+-+-#$@.:=<>!?|~&%^`a1 \n'\"(),;*/";
    uint32_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) & 0x7fff;
    };
    for (int round = 0; round < 4000; ++round) {
        std::string s;
        size_t len = 1 + next() % 40;
        if (round % 3 == 0) s = "/* ";
        for (size_t k = 0; k < len; ++k) s += alphabet[next() % alphabet.size()];
        for (bool sqlPlus : {false, true})
            ASSERT_EQ(Render(Scan(s, sqlPlus, true)), Render(Scan(s, sqlPlus, false))) << Escape(s);
    }
}

// Long operator runs, inside comments and out, take linear time (quadratic
// work would not finish here in any reasonable time).
TEST(OracleScanner, LongOperatorRunsAreScannedOnce) {
    const size_t n = 200000;
    std::string plusMinus;
    for (size_t i = 0; i < n / 2; ++i) plusMinus += "+-";
    std::string openers;
    for (size_t i = 0; i < n / 2; ++i) openers += "/*";
    std::string closers;
    for (size_t i = 0; i < n / 5; ++i) closers += "/**/+";
    struct Case {
        std::string input;
        size_t tokens;
    } cases[] = {
        {"/* " + std::string(n, '*') + " */", 2},      // comment, line break
        {"/* " + std::string(n, '*') + "x */", 2},
        {plusMinus, n + 1},                           // one character token each
        {"a" + std::string(n, '+') + "1", n + 3},
        {openers, 1},                                 // an unclosed comment: one error token
        {closers, 2 * (n / 5) + 1},
        {std::string(n, '@'), n + 1},
    };
    for (const Case& c : cases) {
        std::vector<Tok> t = Scan(c.input);
        EXPECT_EQ(t.size(), c.tokens);
    }
}

namespace {

// The token texts put together give the script back: every character is in
// exactly one token, and every line, the last one included, ends in a line
// feed.  (Doubled quotes inside quoted names and NUL bytes are the known
// exceptions; the scripts used here hold neither.)
void ExpectTextsRebuild(const std::string& script, const std::string& name) {
    std::string joined;
    for (const Tok& t : Scan(script)) {
        EXPECT_FALSE(t.text.empty()) << name;
        joined += t.text;
    }
    std::string want = script;
    if (!want.empty() && want.back() != '\n') want += '\n';
    EXPECT_TRUE(joined == want) << name << ": rebuilt text differs (" << joined.size() << " vs "
                                << want.size() << " bytes)";
}

}  // namespace

TEST(OracleScanner, TokenTextsRebuildTheScript) {
    ExpectTextsRebuild(
        "-- schema\r\n"
        "SET DEFINE OFF\r\n"
        "PROMPT creating tables\r\n"
        "CREATE TABLE hr.\"Emp\" (\r\n"
        "  id NUMBER(6) NOT NULL, /* key */ name VARCHAR2(20 CHAR) DEFAULT 'N/A',\r\n"
        "  pay NUMBER(8,2) CHECK (pay >= -1.5e3 AND pay < > 0x1f),\r\n"
        "  CONSTRAINT emp_pk PRIMARY KEY (id)\r\n"
        ") TABLESPACE users STORAGE (INITIAL 64K NEXT 1M);\r\n"
        "/\r\n"
        "BEGIN x := a||b; <<lbl>> FOR i IN 1..10 LOOP NULL; END LOOP; END;\r\n"
        "SELECT a.*, b.c (+), :bind, @@x, 'It''s' FROM t a WHERE a.id = b.id(+) /*+ hint */;\r\n"
        "/* a /* nested */ comment */ select 1 from dual;",
        "handwritten");
}

TEST(OracleScanner, TokenTextsRebuildTheCorpusScripts) {
    const char* shared = std::getenv("ORRERY_SHARED_DIR");
    std::filesystem::path dir = std::filesystem::path(shared ? shared : "") / "corpus" / "oracle";
    std::error_code ec;
    if (!shared || !std::filesystem::is_directory(dir, ec)) GTEST_SKIP() << "no corpus";
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir, ec)) {
        if (!e.is_regular_file()) continue;
        std::ifstream in(e.path(), std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        std::string text = s.str();
        if (text.find('\0') != std::string::npos || text.find("\"\"") != std::string::npos) continue;
        ExpectTextsRebuild(text, e.path().filename().string());
        ++files;
    }
    EXPECT_GT(files, 0);
}
