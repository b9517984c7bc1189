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
    // Every state lists its rules in ascending order; sets are disjoint and
    // never hold byte 0.
    for (const lexgen::State& s : t.states) {
        EXPECT_TRUE(std::is_sorted(s.rules.begin(), s.rules.end()));
        lexgen::CharSet seen;
        for (const lexgen::Transition& tr : s.transitions) {
            EXPECT_TRUE((seen & tr.set).none() && !tr.set.test(0));
            seen |= tr.set;
        }
    }
    return t;
}

// Longest match from a start state: (rule, length); (0, 0) when none.
std::pair<int, int> Match(const lexgen::Tables& t, int start, const std::string& s) {
    int state = start, best = 0, len = 0;
    for (size_t i = 0;; ++i) {
        const lexgen::State& st = t.states[static_cast<size_t>(state)];
        if (!st.rules.empty()) best = st.rules.front(), len = static_cast<int>(i);
        int next = -1;
        for (const lexgen::Transition& tr : st.transitions)
            if (i < s.size() && tr.set.test(static_cast<unsigned char>(s[i]))) next = tr.next;
        if (next < 0) break;
        state = next;
    }
    return {best, len};
}

struct MatchCase {
    int start;
    std::string input;
    int rule, length;   // length -1: not checked
};

void ExpectMatches(const lexgen::Tables& t, std::initializer_list<MatchCase> cases) {
    for (const MatchCase& c : cases) {
        const auto [rule, len] = Match(t, c.start, c.input);
        EXPECT_EQ(rule, c.rule) << "state " << c.start << " on \"" << c.input << "\"";
        EXPECT_TRUE(c.length < 0 || len == c.length) << "state " << c.start << " on \"" << c.input << "\": " << len;
    }
}

// Properties every generated table set must have for the runtime.
void AuditTables(const TRkLexTables& t, const char* name) {
    SCOPED_TRACE(name);
    ASSERT_GT(t.yynstates, 2 * t.yynconditions - 1);
    for (int s = 0; s < t.yynstates; ++s) {
        // Marks equal matches, in ascending rule order.
        ASSERT_EQ(t.yykh[s] - t.yykl[s], t.yymh[s] - t.yyml[s]) << s;
        for (int i = t.yykl[s], j = t.yyml[s]; i <= t.yykh[s]; ++i, ++j) {
            ASSERT_TRUE(i >= 1 && i <= t.yynk);
            EXPECT_EQ(t.yyk[i], t.yym[j]) << s;
            EXPECT_TRUE(t.yym[j] >= 1 && t.yym[j] <= t.yynrules) << s;
            EXPECT_TRUE(j == t.yyml[s] || t.yym[j - 1] < t.yym[j]) << s;
        }
        // No rule matches the empty string: start states accept nothing.
        EXPECT_TRUE(s >= 2 * t.yynconditions || t.yyml[s] > t.yymh[s]) << s;
        // Byte 0 in no set; sets non-empty and disjoint; targets valid; the
        // byte-indexed next states agree with the sets.
        uint32_t seen[8] = {};
        std::vector<int> next(256, -1);
        for (int i = t.yytl[s]; i <= t.yyth[s]; ++i) {
            ASSERT_TRUE(i >= 1 && i <= t.yynt);
            const TYYTRec& r = t.yyt[i];
            EXPECT_FALSE(r.Holds(0)) << s;
            bool any = false;
            for (int w = 0; w < 8; ++w) {
                EXPECT_EQ(seen[w] & r.cc[w], 0u) << "overlapping sets in state " << s;
                seen[w] |= r.cc[w];
                any = any || r.cc[w] != 0;
            }
            EXPECT_TRUE(any && r.next >= 0 && r.next < t.yynstates) << s;
            for (int c = 0; c < 256; ++c)
                if (r.Holds(static_cast<unsigned char>(c))) next[c] = r.next;
        }
        for (int c = 0; t.yynext && c < 256; ++c) ASSERT_EQ(t.yynext[s * 256 + c], next[c]) << s << " " << c;
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
    for (int a = 0; a < 2 * t.yynconditions; a += 2) {
        ASSERT_EQ(t.yyth[a] - t.yytl[a], t.yyth[a + 1] - t.yytl[a + 1]);
        for (int i = 0; i <= t.yyth[a] - t.yytl[a]; ++i) EXPECT_EQ(t.yyt[t.yytl[a] + i].next, t.yyt[t.yytl[a + 1] + i].next);
    }
}

TEST(LexgenDfa, LongestMatchThenFirstRule) {
    ExpectMatches(Build("%%\n\"if\" { KW_IF }\n[a-z]+ { NAME }\n[0-9]+ { INT }\n[0-9]+\\.[0-9]* { REAL }\n"
                        "\"<\"|\"<=\" { LESS }\n"),
                  {{0, "if(", 1, 2}, {0, "iff", 2, 3}, {0, "12x", 3, 2}, {0, "12.x", 4, 3}, {0, "<=>", 5, 2}, {0, "#", 0, 0}});
}

TEST(LexgenDfa, StartConditionsAndLineStartStates) {
    lexgen::Spec spec;
    lexgen::Tables t = Build("%s IN\n%x EX\n%%\n<IN>\"a\" { IN_A }\n^\"#\" { DIRECTIVE }\n[a-z] { LETTER }\n"
                             "<EX>\"b\" { EX_B }\n<IN,EX>\"c\" { C }\n", &spec);
    ASSERT_EQ(spec.conditions.size(), 3u);
    ASSERT_GE(t.states.size(), 6u);
    ExpectMatches(t, {
        // INITIAL (0/1): unprefixed rules; the anchored one only at a line start.
        {0, "a", 3, -1}, {0, "#", 0, -1}, {1, "#", 2, -1}, {0, "c", 3, -1},
        // IN (2/3) is inclusive: its own rules plus the unprefixed ones (LETTER before C).
        {2, "a", 1, -1}, {2, "x", 3, -1}, {2, "c", 3, -1}, {3, "#", 2, -1},
        // EX (4/5) is exclusive: only its own rules.
        {4, "b", 4, -1}, {4, "x", 0, -1}, {4, "c", 5, -1}, {5, "#", 0, -1}});
}

TEST(LexgenDfa, ClassesAndEscapes) {
    ExpectMatches(Build("%%\n[^a] { NOT_A }\n\"a\". { A_ANY }\n\\x7f\\101[\\]x] { ESC }\n"),
                  {{0, "b", 1, -1}, {0, "\n", 1, -1}, {0, "\xff", 1, -1},
                   {0, std::string(1, '\0'), 0, -1},   // a negated class never holds NUL
                   {0, "ab", 2, -1}, {0, "a\n", 0, 0},  // "." takes neither LF nor NUL
                   {0, "\x7f" "A]", 3, -1}, {0, "\x7f" "Ax", 3, -1}});
}

TEST(LexgenDfa, MinimalAutomatonWithDisjointSets) {
    // "ab" and "cb" share everything after the first byte: start pair,
    // one middle state, one accepting state.
    EXPECT_EQ(Build("%%\n\"ab\"|\"cb\"   { R }\n").states.size(), 4u);
    // Many rules over the same bytes (sets checked disjoint by Build).
    ExpectMatches(Build("%%\n[a-m]+ { A }\n[h-z]+ { B }\n[a-z0-9]+ { C }\n\"h\" { D }\n"),
                  {{0, "h", 1, -1}, {0, "hz", 2, -1}, {0, "h9", 3, -1}});
}

TEST(LexgenErrors, RejectedRuleFiles) {
    const struct { const char* text; const char* message; } cases[] = {
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
    for (const auto& c : cases) {
        std::string msg;
        try {
            Build(c.text);
        } catch (const lexgen::GenError& e) {
            msg = e.what();
        }
        EXPECT_NE(msg.find(c.message), std::string::npos) << c.text << " -> " << msg;
    }
}

TEST(LexgenOutput, HeaderNamesRulesAndStartStates) {
    lexgen::Spec spec;
    lexgen::Tables t = Build("%option prefix=\"demo\"\n%s ONE TWO\nD [0-9]\n%%\n{D}+ { R_NUM } // digits\n"
                             "<TWO>^\"x\" { R_X }\n", &spec);
    const std::string h = lexgen::EmitHeader(spec, t, "demo_lex"), c = lexgen::EmitSource(spec, t, "demo_lex");
    for (const char* part : {"namespace demo {", "INITIAL = 0,", "ONE = 2,", "TWO = 4,", "R_NUM = 1,",
                             "R_X = 2,  // `^\"x\"`", "extern const TRkLexTables tables;"})
        EXPECT_NE(h.find(part), std::string::npos) << part;
    for (const char* part : {"#include \"demo_lex.h\"", "const TYYTRec yyt[]"})
        EXPECT_NE(c.find(part), std::string::npos) << part;
}
