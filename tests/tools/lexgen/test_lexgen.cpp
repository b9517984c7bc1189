// lexgen: rule-file parsing, the DFA it builds (longest match, first rule on
// ties, start conditions, line-start states, minimality), the faults it
// rejects, and an audit of the generated tables the scanners run on.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "fixture_lex.h"
#include "lexgen.h"
#include "oracle_lex.h"

namespace {

lexgen::Tables Build(const std::string& text, lexgen::Spec* specOut = nullptr) {
    lexgen::Spec spec = lexgen::ParseSpec(text, "t.l");
    lexgen::Tables t = lexgen::BuildTables(spec, "t.l");
    if (specOut) *specOut = spec;
    return t;
}

// Longest match from a start state: (rule, length); (0, 0) when none.
std::pair<int, int> Match(const lexgen::Tables& t, int start, const std::string& s) {
    int state = start, best = 0, len = 0;
    for (size_t i = 0;; ++i) {
        const lexgen::State& st = t.states[static_cast<size_t>(state)];
        if (!st.rules.empty()) {
            best = st.rules.front();
            len = static_cast<int>(i);
        }
        if (i == s.size()) break;
        int next = -1;
        for (const lexgen::Transition& tr : st.transitions)
            if (tr.set.test(static_cast<unsigned char>(s[i]))) next = tr.next;
        if (next < 0) break;
        state = next;
    }
    return {best, len};
}

std::string RejectMessage(const std::string& text) {
    try {
        Build(text);
    } catch (const lexgen::GenError& e) {
        return e.what();
    }
    return "";
}

// Properties every generated table set must have for the runtime.
void AuditTables(const TRkLexTables& t, const char* name) {
    SCOPED_TRACE(name);
    ASSERT_GT(t.yynstates, 2 * t.yynconditions - 1);
    for (int s = 0; s < t.yynstates; ++s) {
        // Marks equal matches, in ascending rule order.
        ASSERT_EQ(t.yykh[s] - t.yykl[s], t.yymh[s] - t.yyml[s]) << s;
        for (int i = t.yykl[s], j = t.yyml[s]; i <= t.yykh[s]; ++i, ++j) {
            ASSERT_GE(i, 1);
            ASSERT_LE(i, t.yynk);
            EXPECT_EQ(t.yyk[i], t.yym[j]) << s;
            EXPECT_GE(t.yym[j], 1);
            EXPECT_LE(t.yym[j], t.yynrules);
            if (j > t.yyml[s]) {
                EXPECT_LT(t.yym[j - 1], t.yym[j]) << s;
            }
        }
        // The byte-indexed next states agree with the transition sets.
        if (t.yynext) {
            for (int c = 0; c < 256; ++c) {
                int want = -1;
                for (int i = t.yytl[s]; i <= t.yyth[s]; ++i)
                    if (t.yyt[i].Holds(static_cast<unsigned char>(c))) want = t.yyt[i].next;
                ASSERT_EQ(t.yynext[s * 256 + c], want) << s << " " << c;
            }
        }
        // No rule matches the empty string: start states accept nothing.
        if (s < 2 * t.yynconditions) {
            EXPECT_GT(t.yyml[s], t.yymh[s]) << s;
        }
        // Byte 0 in no set; sets non-empty and disjoint; targets valid.
        uint32_t seen[8] = {};
        for (int i = t.yytl[s]; i <= t.yyth[s]; ++i) {
            ASSERT_GE(i, 1);
            ASSERT_LE(i, t.yynt);
            const TYYTRec& r = t.yyt[i];
            EXPECT_FALSE(r.Holds(0)) << s;
            bool any = false;
            for (int w = 0; w < 8; ++w) {
                EXPECT_EQ(seen[w] & r.cc[w], 0u) << "overlapping sets in state " << s;
                seen[w] |= r.cc[w];
                any = any || r.cc[w] != 0;
            }
            EXPECT_TRUE(any) << s;
            EXPECT_GE(r.next, 0);
            EXPECT_LT(r.next, t.yynstates);
        }
    }
}

}  // namespace

TEST(LexgenTables, OracleAndFixtureTablesPassTheAudit) {
    ASSERT_NE(oraclelex::tables.yynext, nullptr);
    AuditTables(oraclelex::tables, "oracle");
    AuditTables(fixturelex::tables, "fixture");
    EXPECT_EQ(oraclelex::RuleCount, 30);
    EXPECT_EQ(oraclelex::tables.yynconditions, 5);
    EXPECT_EQ(oraclelex::ST_STRING, 8);
    // Without anchored rules each line-start state is a copy of its partner.
    const TRkLexTables& t = oraclelex::tables;
    for (int k = 0; k < t.yynconditions; ++k) {
        int a = 2 * k, b = 2 * k + 1;
        ASSERT_EQ(t.yyth[a] - t.yytl[a], t.yyth[b] - t.yytl[b]);
        for (int i = 0; i <= t.yyth[a] - t.yytl[a]; ++i)
            EXPECT_EQ(t.yyt[t.yytl[a] + i].next, t.yyt[t.yytl[b] + i].next);
    }
}

TEST(LexgenDfa, LongestMatchThenFirstRule) {
    lexgen::Tables t = Build(
        "%%\n"
        "\"if\"        { KW_IF }\n"
        "[a-z]+      { NAME }\n"
        "[0-9]+      { INT }\n"
        "[0-9]+\\.[0-9]*  { REAL }\n"
        "\"<\"|\"<=\"   { LESS }\n");
    EXPECT_EQ(Match(t, 0, "if("), std::make_pair(1, 2));
    EXPECT_EQ(Match(t, 0, "iff"), std::make_pair(2, 3));
    EXPECT_EQ(Match(t, 0, "12x"), std::make_pair(3, 2));
    EXPECT_EQ(Match(t, 0, "12.x"), std::make_pair(4, 3));
    EXPECT_EQ(Match(t, 0, "<=>"), std::make_pair(5, 2));
    EXPECT_EQ(Match(t, 0, "#"), std::make_pair(0, 0));
    // Every state lists its rules in ascending order.
    for (const lexgen::State& s : t.states)
        EXPECT_TRUE(std::is_sorted(s.rules.begin(), s.rules.end()));
}

TEST(LexgenDfa, StartConditionsAndLineStartStates) {
    lexgen::Spec spec;
    lexgen::Tables t = Build(
        "%s IN\n"
        "%x EX\n"
        "%%\n"
        "<IN>\"a\"     { IN_A }\n"
        "^\"#\"        { DIRECTIVE }\n"
        "[a-z]       { LETTER }\n"
        "<EX>\"b\"     { EX_B }\n"
        "<IN,EX>\"c\"  { C }\n",
        &spec);
    ASSERT_EQ(spec.conditions.size(), 3u);
    ASSERT_GE(t.states.size(), 6u);
    // INITIAL (0/1): unprefixed rules; the anchored one only at a line start.
    EXPECT_EQ(Match(t, 0, "a").first, 3);
    EXPECT_EQ(Match(t, 0, "#").first, 0);
    EXPECT_EQ(Match(t, 1, "#").first, 2);
    EXPECT_EQ(Match(t, 0, "c").first, 3);
    // IN (2/3) is inclusive: its own rules plus the unprefixed ones.
    EXPECT_EQ(Match(t, 2, "a").first, 1);
    EXPECT_EQ(Match(t, 2, "x").first, 3);
    EXPECT_EQ(Match(t, 2, "c").first, 3);   // LETTER comes first
    EXPECT_EQ(Match(t, 3, "#").first, 2);
    // EX (4/5) is exclusive: only its own rules.
    EXPECT_EQ(Match(t, 4, "b").first, 4);
    EXPECT_EQ(Match(t, 4, "x").first, 0);
    EXPECT_EQ(Match(t, 4, "c").first, 5);
    EXPECT_EQ(Match(t, 5, "#").first, 0);
}

TEST(LexgenDfa, ClassesAndEscapes) {
    lexgen::Tables t = Build(
        "%%\n"
        "[^a]        { NOT_A }\n"
        "\"a\".        { A_ANY }\n"
        "\\x7f\\101[\\]x]   { ESC }\n");
    EXPECT_EQ(Match(t, 0, "b").first, 1);
    EXPECT_EQ(Match(t, 0, "\n").first, 1);
    EXPECT_EQ(Match(t, 0, "\xff").first, 1);
    EXPECT_EQ(Match(t, 0, std::string(1, '\0')).first, 0);   // a negated class never holds NUL
    EXPECT_EQ(Match(t, 0, "ab").first, 2);
    EXPECT_EQ(Match(t, 0, "a\n").second, 0);                   // "." takes neither LF nor NUL
    EXPECT_EQ(Match(t, 0, "\x7f" "A]").first, 3);
    EXPECT_EQ(Match(t, 0, "\x7f" "Ax").first, 3);
    for (const lexgen::State& s : t.states)
        for (const lexgen::Transition& tr : s.transitions) EXPECT_FALSE(tr.set.test(0));
}

TEST(LexgenDfa, MinimalAutomatonWithDisjointSets) {
    // "ab" and "cb" share everything after the first byte: start pair,
    // one middle state, one accepting state.
    lexgen::Tables t = Build("%%\n\"ab\"|\"cb\"   { R }\n");
    EXPECT_EQ(t.states.size(), 4u);
    // Many rules over the same bytes: every state's sets stay disjoint.
    lexgen::Tables u = Build(
        "%%\n[a-m]+ { A }\n[h-z]+ { B }\n[a-z0-9]+ { C }\n\"h\" { D }\n");
    for (const lexgen::State& s : u.states) {
        lexgen::CharSet seen;
        for (const lexgen::Transition& tr : s.transitions) {
            EXPECT_TRUE((seen & tr.set).none());
            seen |= tr.set;
        }
    }
    EXPECT_EQ(Match(u, 0, "h").first, 1);
    EXPECT_EQ(Match(u, 0, "hz").first, 2);
    EXPECT_EQ(Match(u, 0, "h9").first, 3);
}

TEST(LexgenErrors, RejectedRuleFiles) {
    struct Case {
        const char* text;
        const char* message;
    } cases[] = {
        {"%%\n\"a\"* { R }\n", "t.l:2: rule R matches the empty string"},
        {"%%\n(\"a\"|) { R }\n", "matches the empty string"},
        {"%%\n\"\" { R }\n", "matches the empty string"},
        {"%%\n\\x00 { R }\n", "byte 0 may not appear"},
        {"%%\n[\\0-a] { R }\n", "byte 0 may not appear"},
        {"%%\n{NOPE} { R }\n", "undefined definition {NOPE}"},
        {"%%\na/b { R }\n", "trailing context is not supported"},
        {"%%\n<NOPE>a { R }\n", "undeclared start condition 'NOPE'"},
        {"%%\na { R }\nb { R }\n", "name 'R' defined twice"},
        {"%%\na\n", "the action must name the rule"},
        {"%%\n[abc { R }\n", "unterminated character class"},
        {"%%\n\"abc { R }\n", "unterminated string"},
        {"%%\n(a { R }\n", "missing ')'"},
        {"%%\n*a { R }\n", "nothing to repeat"},
        {"%%\na{2} { R }\n", "counted repetition is not supported"},
        {"%option bogus\n%%\na { R }\n", "unknown option"},
        {"%%\n", "no rules"},
        {"X a\nX b\n%%\na { R }\n", "definition 'X' given twice"},
    };
    for (const Case& c : cases) {
        std::string msg = RejectMessage(c.text);
        EXPECT_NE(msg.find(c.message), std::string::npos) << c.text << " -> " << msg;
    }
}

TEST(LexgenOutput, HeaderNamesRulesAndStartStates) {
    lexgen::Spec spec;
    lexgen::Tables t = Build(
        "%option prefix=\"demo\"\n%s ONE TWO\nD [0-9]\n%%\n{D}+ { R_NUM } // digits\n"
        "<TWO>^\"x\" { R_X }\n",
        &spec);
    std::string h = lexgen::EmitHeader(spec, t, "demo_lex");
    EXPECT_NE(h.find("namespace demo {"), std::string::npos);
    EXPECT_NE(h.find("INITIAL = 0,"), std::string::npos);
    EXPECT_NE(h.find("ONE = 2,"), std::string::npos);
    EXPECT_NE(h.find("TWO = 4,"), std::string::npos);
    EXPECT_NE(h.find("R_NUM = 1,"), std::string::npos);
    EXPECT_NE(h.find("R_X = 2,  // `^\"x\"`"), std::string::npos);
    EXPECT_NE(h.find("extern const TRkLexTables tables;"), std::string::npos);
    std::string c = lexgen::EmitSource(spec, t, "demo_lex");
    EXPECT_NE(c.find("#include \"demo_lex.h\""), std::string::npos);
    EXPECT_NE(c.find("const TYYTRec yyt[]"), std::string::npos);
}
