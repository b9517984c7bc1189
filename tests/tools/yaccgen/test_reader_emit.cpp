// Reading grammars (declarations, diagnostics, rejected input) and the
// generated header and source (token enum, tables, action switch).
#include <gtest/gtest.h>

#include <filesystem>

#include "yaccgen_test_support.h"

namespace {

struct Outcome {
    bool ok = false;
    yaccgen::Grammar g;
    yaccgen::Result r;
    yaccgen::Diagnostics d;
    std::string header, source;
    std::string Errors() const { return Join(d.errors); }
    std::string Warnings() const { return Join(d.warnings); }
    static std::string Join(const std::vector<std::string>& lines) {
        std::string s;
        for (const auto& e : lines) s += e + "\n";
        return s;
    }
};

Outcome Gen(const std::string& text) {
    Outcome o;
    o.ok = yaccgen::ReadGrammar(text, "t.y", o.g, o.d) && yaccgen::Generate(o.g, o.r, o.d, true);
    if (o.ok) {
        o.header = yaccgen::EmitHeader(o.g, o.r);
        o.source = yaccgen::EmitSource(o.g, o.r, "t_out.h", "t_out.cpp", o.d);
        o.ok = o.d.ok();
    }
    return o;
}

// Each text must occur in Text.
void ExpectAll(const std::string& text, std::initializer_list<const char*> parts) {
    for (const char* p : parts) EXPECT_NE(text.find(p), std::string::npos) << p << "\nin:\n" << text;
}

TEST(YaccgenReader, RejectedGrammars) {
    struct Case { const char* grammar; const char* message; };
    const Case cases[] = {
        {"%%\ns: x ;\n", "symbol x is used, but is not defined as a token and has no rules"},
        {"%token A 300 B 300\n%%\ns: A B ;\n", "share the code 300"},
        {"%token A 40000\n%%\ns: A ;\n", "out of range"},
        {"%token A 300\n%%\ns: A { f(); } A ;\n", "actions in the middle of a rule are not supported"},
        {"%token A 300\n%%\ns: A { $$ = $2; } ;\n", "$2 is beyond the rule's 1 symbol(s)"},
        {"%token A 300\n%%\ns: A { $$ = $foo; } ;\n", "named references"},
        {"%token A 300\n%%\ns: A { @$ = @1; } ;\n", "locations"},
        {"%%\ns: s 'a' ;\n", "start symbol s does not derive any sentence"},
        {"%token A 300\n%%\n", "the grammar has no rules"},
        {"%token A 300\n%%\ns: A | B ;\n", "symbol B is used"},
        {"%token A 300\n%expect 0\n%%\ns: A | A ;\n", "reduce/reduce conflicts: 1 found, 0 expected"},
        {"%token A 300\n%expect 2\n%%\ns: A ;\n", "shift/reduce conflicts: 0 found, 2 expected"},
        {"%glr-parser\n%%\ns: 'a' ;\n", "unsupported directive %glr-parser"},
        {"%define lr.type ielr\n%%\ns: 'a' ;\n", "only lr.type lalr"},
        {"%token A 300\n%%\ns: A\n", nullptr},   // a missing final ';' is fine
        {"%token A 300\n%%\ns A ;\n", "expected a rule"},
        {"%{ int x;\n%%\ns: 'a' ;\n", "unterminated %{"},
        {"%token A 300\n%%\ns: A { if (x) { ;\n", "unterminated code block"},
        {"%token A 256\n%%\ns: A ;\n", "reserved for the error token"},
        {"%token A 300\n%%\ns: A %prec t | t ;\nt: A A ;\n", "%prec names t, which is not a token"},
        {"%token A 300\n%%\ns: A %prec Q ;\n", "%prec names Q, which is not a token"},
    };
    for (const Case& c : cases) {
        Outcome o = Gen(c.grammar);
        if (!c.message) { EXPECT_TRUE(o.ok) << c.grammar << o.Errors(); continue; }
        EXPECT_FALSE(o.ok) << c.grammar;
        EXPECT_NE(o.Errors().find(c.message), std::string::npos) << c.grammar << "\n" << o.Errors();
    }
}

// The drivers keep states, rules and targets in 16 bits: a grammar that
// needs more fails with a message instead of wrapping around.
TEST(YaccgenReader, TablesBeyondSixteenBitsAreRefused) {
    std::string g = "%%\ns:";
    for (int i = 0; i < 33000; ++i) g += " 'x'";
    g += " ;\n";
    Outcome o = Gen(g);
    EXPECT_FALSE(o.ok);
    EXPECT_NE(o.Errors().find("states do not fit 16-bit tables"), std::string::npos) << o.Errors();
}

TEST(YaccgenReader, WarningsForUnusedSymbolsAndUselessRules) {
    Outcome o = Gen(
        "%token A 300 B 301 UNUSED 302\n%left P\n%%\n"
        "s: A | t B %prec P ;\n"
        "t: A ;\n"
        "loop: loop A ;\n"          // never derives a sentence
        "island: B ;\n");           // never reached from s
    ASSERT_TRUE(o.ok) << o.Errors();
    ExpectAll(o.Warnings(), {"nonterminal useless in grammar: loop", "nonterminal useless in grammar: island",
                             "rule useless in grammar: island: B",
                             "1 token(s) never used in a rule: UNUSED"});   // P serves %prec
    // Useless rules keep their numbers but are never reduced.
    EXPECT_EQ(o.r.rules, 5);
    for (size_t k = 1; k < o.r.tables.yya.size(); ++k) EXPECT_GT(o.r.tables.yya[k].act, -4);
    EXPECT_EQ(o.r.tables.yyr.size(), 6u);
}

// A grammar declares its conflicts (%expect) and its unused tokens (a
// comment "%expect-unused N", which bison passes over): the generator is
// silent while they hold and speaks when they change.
TEST(YaccgenReader, DeclaredConflictsAndUnusedTokensAreSilent) {
    const std::string ambiguous = "%left '+'\n%%\ns: e ;\ne: e '+' e | e '*' e | 'n' ;\n";  // '*' has no precedence
    struct Case { std::string grammar; const char* warning; };
    const Case cases[] = {
        {"%token A 300 B 301 C 302\n/* %expect-unused 2: kept for the codes */\n%%\ns: A ;\n", nullptr},
        {"%token A 300 B 301 C 302\n// %expect-unused 2\n%%\ns: A ;\n", nullptr},
        {"%token A 300 B 301 C 302\n/* %expect-unused 1 */\n%%\ns: A ;\n",
         "2 token(s) never used in a rule, 1 expected: B, C"},
        {"%token A 300\n/* %expect-unused 1 */\n%%\ns: A ;\n", "0 token(s) never used in a rule, 1 expected"},
        // Only the declarations declare: a comment among the rules is a comment.
        {"%token A 300 B 301\n%%\ns: A ; /* %expect-unused 1 */\n", "1 token(s) never used in a rule: B"},
        {"%expect 3\n" + ambiguous, nullptr},
        {ambiguous, "conflicts: 3 shift/reduce, 0 reduce/reduce"},
    };
    for (const Case& c : cases) {
        Outcome o = Gen(c.grammar);
        ASSERT_TRUE(o.ok) << c.grammar << o.Errors();
        if (c.warning == nullptr) EXPECT_EQ(o.Warnings(), "") << c.grammar;
        else EXPECT_NE(o.Warnings().find(c.warning), std::string::npos) << c.grammar << "\n" << o.Warnings();
    }
    EXPECT_NE(Gen("/* %expect-unused x */\n%%\ns: 'a' ;\n").Errors().find("%expect-unused needs a number"),
              std::string::npos);
}

TEST(YaccgenReader, DeclarationForms) {
    Outcome o = Gen(
        "/* comment */ %{\n#include <x>\n%}\n"
        "%define api.prefix {ora}\n%define api.value.type {oraYYSType}\n"
        "%token <token> KW_SELECT 400 \"select\" KW_FROM 0x191\n"
        "%token <token> IDENT 262\n"
        "%type <node> query\n%type <list> cols\n"
        "%left ','\n%start query\n"
        "%%\n"
        "query: KW_SELECT cols KW_FROM IDENT  { $$ = make($<token>1, $2, $4); }\n"
        "     | \"select\" '*'                 { $$ = star($1); }\n"
        "     ;\n"
        "cols: IDENT                           { $$ = one($1); }\n"
        "    | cols ',' IDENT                  { $$ = add($1, $3); }\n"
        "    | %empty                          { $<token>$ = nullptr; }\n"
        "    ;\n"
        "%%\nint epilogue_marker;\n");
    ASSERT_TRUE(o.ok) << o.Errors();
    EXPECT_EQ(o.g.prefix, "ora");
    EXPECT_EQ(o.g.valueType, "oraYYSType");
    ExpectAll(o.header, {"namespace ora {", "    KW_SELECT = 400,\n", "    KW_FROM = 401,\n", "    IDENT = 262,\n",
                         "extern const TRkYaccTables tables;", "#include \"parse/rkyacctables.h\""});
    EXPECT_EQ(o.header.find("error ="), std::string::npos);
    // Source: own header first, then the prologue, the tables, the switch
    // and the epilogue.
    const std::string& c = o.source;
    size_t inc = c.find("#include \"t_out.h\""), pro = c.find("#include <x>"), tab = c.find("const TRkYaccTables tables"),
           act = c.find("void YYPARSER_CLASS::yyaction(int yyruleno)"), epi = c.find("int epilogue_marker;");
    ASSERT_NE(inc, std::string::npos);
    EXPECT_LT(inc, pro);
    EXPECT_LT(pro, tab);
    EXPECT_LT(tab, act);
    EXPECT_LT(act, epi);
    // Cells from %type/%token; $<cell> overrides; the alias names the token.
    ExpectAll(c, {"static const TYYARec yya_[", "static const TYYRRec yyr_[", "    yyval = {};\n    switch (yyruleno) {",
                  "{ yyval.node = make(yyv[yysp - 3].token, yyv[yysp - 2].list, yyv[yysp].token); }",
                  "{ yyval.node = star(yyv[yysp - 1].token); }", "{ yyval.list = add(yyv[yysp - 2].list, yyv[yysp].token); }",
                  "{ yyval.token = nullptr; }", "#line 13 \"t.y\""});
}

TEST(YaccgenEmit, RulesWithoutActionsAreMarkedForTheDrivers) {
    // An action runs (0); none on a non-empty rule passes $1 on (1); none on
    // an empty rule leaves a cleared record (2).
    Outcome o = Gen("%token A 300\n%%\ns: e A { f(); } | e ;\ne: %empty | A A ;\n");
    ASSERT_TRUE(o.ok) << o.Errors();
    ExpectAll(o.source, {"static const uint8_t yyrk_[5] = {\n    0, 0, 1, 2, 1,\n};", "    yyrk_\n};"});
}

TEST(YaccgenEmit, ActionTranslationLeavesLiteralsAlone) {
    Outcome o = Gen(
        "%token A 300\n%type <n> s e\n%%\n"
        "s: e A e { $$ = $1 + $3; f(\"$1 $$\", '$'); /* $2 */ g(); // $3\n }\n"
        "  | e    { $$ = $0; h($<n>-1); }\n"
        "  ;\n"
        "e: A A\n"            // no action: the first value passes on whole
        "  | %empty\n"        // no action, empty: the cleared record stays
        "  ;\n");
    ASSERT_TRUE(o.ok) << o.Errors();
    ExpectAll(o.source, {"yyval.n = yyv[yysp - 2].n + yyv[yysp].n; f(\"$1 $$\", '$'); /* $2 */ g(); // $3",
                         "yyval.n = yyv[yysp - 1]; h(yyv[yysp - 2].n);",
                         "    case 3:  // e: A A\n        yyval = yyv[yysp - 1];\n        break;\n"});
    EXPECT_EQ(o.source.find("    case 4:"), std::string::npos) << o.source;
}

TEST(YaccgenEmit, AccessorCellsReadByCallAndFillThroughOneLocal) {
    const std::string decls = "// %value-cells accessors\n%token <token> A 300\n%type <node> s\n%type <list> l\n%%\n";
    Outcome o = Gen(decls +
                    "s: A l A { $$ = f($1, $2); $$->x = \"$$\"; }\n"
                    "  | A     { g($1); }\n"
                    "  | l A\n"   // no action: the record passes on whole, its cell with it
                    "  ;\n"
                    "l: A { $$ = h($<token>1); } ;\n");
    ASSERT_TRUE(o.ok) << o.Errors();
    ExpectAll(o.source, {"{ decltype(yyval.node()) yyss_node = nullptr; { yyss_node = f(yyv[yysp - 2].token(), "
                         "yyv[yysp - 1].list()); yyss_node->x = \"$$\"; } yyval.node(yyss_node); }",
                         "{ g(yyv[yysp].token()); }", "        yyval = yyv[yysp - 1];\n",
                         "yyss_list = h(yyv[yysp].token());"});

    // A record holds one cell: an action that fills two is refused.
    Outcome two = Gen(decls + "s: A l { $$ = f(); $<list>$ = g(); } ;\nl: A { $$ = h(); } ;\n");
    EXPECT_FALSE(two.ok);
    EXPECT_NE(two.Errors().find("$$ is used as two cells, node and list"), std::string::npos) << two.Errors();
}

TEST(YaccgenEmit, CommandLineWritesFilesAndSummary) {
    std::string dir = ygtest::TempDir() + "/cli";
    std::filesystem::create_directories(dir);
    ygtest::WriteFile(dir + "/g.y", "%token N 300\n%left '+'\n%%\ne: e '+' e | N | e e ;\n");
    std::string out;
    ASSERT_EQ(ygtest::Run("'" YACCGEN_EXE "' -v '" + dir + "/g.y' -o '" + dir + "/out'", out), 0) << out;
    EXPECT_TRUE(std::filesystem::exists(dir + "/out.h") && std::filesystem::exists(dir + "/out.cpp"));
    ExpectAll(ygtest::ReadFile(dir + "/out.output"), {"State 0", "Conflict between rule 1 and token '+' resolved as reduce (%left)",
                                                      "shift/reduce between shift rule 3"});
    ExpectAll(out, {"shift/reduce, 0 reduce/reduce"});

    ASSERT_EQ(ygtest::Run("'" YACCGEN_EXE "' --summary '" + dir + "/g.y'", out), 0);
    ygtest::Counts bison = ygtest::Bison(ygtest::ReadFile(dir + "/g.y"));
    ASSERT_TRUE(bison.ok) << bison.message;
    EXPECT_EQ(out, "states=" + std::to_string(bison.states) + " rules=3 sr=" + std::to_string(bison.sr) +
                   " rr=" + std::to_string(bison.rr) + "\n");

    EXPECT_NE(ygtest::Run("'" YACCGEN_EXE "' '" + dir + "/missing.y'", out), 0);
    ExpectAll(out, {"cannot read"});
}

}  // namespace
