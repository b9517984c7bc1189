// yaccgen builds the same LALR(1) automaton as bison and resolves the same
// conflicts: same state and conflict counts, and state by state the same
// shifts, reductions (with their full lookahead sets), default reductions
// and gotos, on the project's grammars, the toy grammar, hand-picked shapes
// and random grammars.  The tables also keep the layout the drivers rely
// on: default reductions only where nothing else can happen, shifts then
// reductions by ascending code, one accept on end of input, 16-bit values.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "yaccgen_test_support.h"

namespace fs = std::filesystem;

namespace {

std::string RowText(const yaccgen::Tables& t, int s) {
    std::string out;
    for (int k = t.yyal[s]; k <= t.yyah[s]; ++k)
        out += "(" + std::to_string(t.yya[k].sym) + "," + std::to_string(t.yya[k].act) + ")";
    return out;
}

// The table layout; the contents are compared with bison's report.
void CheckLayout(const yaccgen::Grammar& g, const yaccgen::Tables& t) {
    const int ns = t.nstates, nr = int(t.yyr.size()) - 1;
    ASSERT_EQ(int(t.yyd.size()), ns);
    ASSERT_EQ(int(t.yyal.size()), ns);
    auto fits = [](const yaccgen::Pair& p) { return p.sym >= -32768 && p.sym <= 32767 && p.act >= -32768 && p.act <= 32767; };
    int accepts = 0;
    for (int s = 0; s < ns; ++s) {
        ASSERT_TRUE(t.yyd[s] <= 0 && t.yyd[s] >= -nr);
        EXPECT_TRUE(t.yyd[s] == 0 || t.yyal[s] > t.yyah[s]) << "state " << s << ": a default reduction with entries";
        std::set<int> syms;
        int last = -1;
        bool inReductions = false;
        for (int k = t.yyal[s]; k <= t.yyah[s]; ++k) {
            const yaccgen::Pair& p = t.yya[k];
            ASSERT_TRUE(fits(p) && p.sym >= 0 && p.act < ns && -p.act <= nr);
            EXPECT_TRUE(syms.insert(p.sym).second) << "state " << s << ": two entries on " << p.sym;
            if (p.act < 0 && !inReductions) last = -1, inReductions = true;
            EXPECT_FALSE(inReductions && p.act >= 0) << "state " << s << ": a shift after a reduction: " << RowText(t, s);
            EXPECT_GT(p.sym, last) << "state " << s << ": entries out of order: " << RowText(t, s);
            last = p.sym;
            if (p.act == 0) { ++accepts; EXPECT_EQ(p.sym, 0); }
        }
        for (int k = t.yygl[s]; k <= t.yygh[s]; ++k)
            ASSERT_TRUE(fits(t.yyg[k]) && t.yyg[k].sym < -1 && t.yyg[k].act > 0 && t.yyg[k].act < ns);
    }
    EXPECT_EQ(accepts, 1) << "exactly one accept entry";
    for (int r = 1; r <= nr; ++r) {   // (length, head)
        EXPECT_EQ(t.yyr[r].sym, int(g.rules[r].rhs.size()));
        EXPECT_EQ(t.yyr[r].act, g.syms[g.rules[r].lhs].code);
    }
}

// Counts, tables and layout; with Path also the executable's summary.
// Compared counts the grammars that both accept.
void ExpectSameAsBison(const std::string& grammar, const std::string& what, const std::string& path = "",
                       int* compared = nullptr) {
    SCOPED_TRACE(what);
    yaccgen::Grammar g;
    yaccgen::Result r;
    ygtest::Counts ours = ygtest::Yaccgen(grammar, &g, &r), bison = ygtest::Bison(grammar);
    ASSERT_EQ(bison.ok, ours.ok) << bison.message << ours.message;
    if (!bison.ok) return;
    if (compared) ++*compared;
    for (const ygtest::Counts& c : {ours, path.empty() ? ours : ygtest::YaccgenSummary(path)}) {
        ASSERT_TRUE(c.ok) << c.message;
        EXPECT_EQ(bison.states, c.states);
        EXPECT_EQ(bison.sr, c.sr);
        EXPECT_EQ(bison.rr, c.rr);
    }
    CheckLayout(g, r.tables);
    ygtest::ReportTables mine = ygtest::ReadStateReport(ours.report), theirs = ygtest::ReadStateReport(bison.report);
    ASSERT_EQ(mine.error, "");
    ASSERT_EQ(theirs.error, "");
    ASSERT_EQ(mine.states.size(), theirs.states.size());
    ASSERT_EQ(int(mine.states.size()), r.tables.nstates);
    for (size_t i = 0; i < mine.states.size() && !::testing::Test::HasFailure(); ++i) {
        ASSERT_EQ(mine.states[i].first, theirs.states[i].first);
        EXPECT_EQ(mine.states[i].second, theirs.states[i].second) << "state " << mine.states[i].first;
    }
}

TEST(YaccgenBisonEquality, ProjectAndToyGrammars) {
    std::vector<std::string> files{std::string(ORRERY_SOURCE_DIR) + "/tests/tools/yaccgen/toy.y"};
    for (const auto& e : fs::recursive_directory_iterator(fs::path(ORRERY_SOURCE_DIR) / "src"))
        if (e.is_regular_file() && e.path().extension() == ".y") files.push_back(e.path().string());
    EXPECT_GT(files.size(), 1u) << "no grammar found under src";
    for (const std::string& f : files) ExpectSameAsBison(ygtest::ReadFile(f), f, f);
}

// Shapes that stress the lookahead computation and conflict resolution.
TEST(YaccgenBisonEquality, KnownShapes) {
    const char* grammars[] = {
        // not SLR(1)
        "%token ID 300\n%%\nS: L '=' R | R ;\nL: '*' R | ID ;\nR: L ;\n",
        // LALR reduce/reduce from merged states (LR(1) but not LALR(1))
        "%%\nS: 'a' E 'c' | 'a' F 'd' | 'b' F 'c' | 'b' E 'd' ;\nE: 'e' ;\nF: 'e' ;\n",
        // reduce/reduce: the earlier rule wins
        "%%\ns: 'a' x 'c' | 'a' y 'c' ;\nx: 'b' ;\ny: 'b' ;\n",
        // nullable chains through reads and includes
        "%%\nS: A B C 'x' | B 'y' ;\nA: %empty | 'a' ;\nB: %empty | A 'b' ;\nC: %empty | B C ;\n",
        // dangling else with error recovery
        "%token IF 300 ELSE 301 X 302\n%%\ns: IF s | IF s ELSE s | X ';' | error ';' ;\n",
        // precedence, %nonassoc and %prec
        "%token N 300\n%nonassoc '<'\n%left '+' '-'\n%left '*'\n%right U\n%%\n"
        "e: e '<' e | e '+' e | e '-' e | e '*' e | '-' e %prec U | N | e e ;\n",
        "%token N 300 IF 301 ELSE 302\n%left '+'\n%right '^'\n%%\n"
        "s: e | IF s | IF s ELSE s | x ;\ne: e '+' e | e '^' e | N ;\nx: N '!' | y '?' ;\ny: N ;\n",
        // shifts and ";" reductions side by side in one state
        "%token ID 300 KW 301\n%%\nstmts: stmt | stmts ';' stmt ;\nstmt: ID | ID '(' ')' | KW ID | ID '.' ID ;\n",
        // useless nonterminals and rules
        "%%\nS: 'a' | B 'b' ;\nB: B 'c' ;\nC: 'd' ;\n",
        // escaped literals
        "%token N 300\n%left '+'\n%%\ns: s '+' s | N | '\\n' N | '\\t' '\\\\' ;\n",
        // the start symbol's own conflicts on end of input
        "%%\nS: S 'a' | %empty | T ;\nT: S ;\n",
        // alternatives continued after ';', as yacc reads them
        "%token X 300 Y 301\n%%\na : X ; | Y ; ; | a X ;\nb : a ; ;\n",
    };
    for (const char* g : grammars) ExpectSameAsBison(g, g);
    // A name for end of input and printable escapes: bison's report shows
    // END for $end and 'B' for '\x42'.
    const char* named = "%token END 0 N 300\n%%\ns: s ';' | N | s END N | '\\x42' '\\101' ;\n";
    const ygtest::Counts b = ygtest::Bison(named), o = ygtest::Yaccgen(named);
    EXPECT_TRUE(b.ok && o.ok && b.states == o.states && b.sr == o.sr) << b.message << o.message;
}

TEST(YaccgenBisonEquality, RandomGrammars) {
    int compared = 0;
    for (uint32_t seed = 1; seed <= 400 && !HasFailure(); ++seed) {
        std::string g = ygtest::RandomGrammar(seed);
        ExpectSameAsBison(g, "seed " + std::to_string(seed) + "\n" + g, "", &compared);
    }
    EXPECT_GE(compared, 300);
}

}  // namespace
