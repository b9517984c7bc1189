// yaccgen builds the same LALR(1) automaton as bison and leaves the same
// conflicts after precedence: same state count, same shift/reduce and
// reduce/reduce counts, on the project's grammars, on bison's example
// grammars and on random grammars.
#include <gtest/gtest.h>

#include <filesystem>

#include "yaccgen_test_support.h"

namespace fs = std::filesystem;
using ygtest::Counts;

namespace {

void ExpectSameCounts(const Counts& bison, const Counts& ours, const std::string& what) {
    ASSERT_TRUE(bison.ok) << what << ": " << bison.message;
    ASSERT_TRUE(ours.ok) << what << ": " << ours.message;
    EXPECT_EQ(bison.states, ours.states) << what;
    EXPECT_EQ(bison.sr, ours.sr) << what;
    EXPECT_EQ(bison.rr, ours.rr) << what;
}

TEST(YaccgenBisonEquality, ProjectGrammars) {
    fs::path src = fs::path(ORRERY_SOURCE_DIR) / "src";
    int seen = 0;
    for (const auto& e : fs::recursive_directory_iterator(src)) {
        if (!e.is_regular_file() || e.path().extension() != ".y") continue;
        ++seen;
        std::string path = e.path().string();
        SCOPED_TRACE(path);
        Counts ours = ygtest::YaccgenSummary(path);
        // bison reads the grammar without its actions (no mid-rule actions
        // exist, so the grammar is the same).
        Counts bison = ygtest::BisonCounts(ygtest::ReduceToPlainYacc(ygtest::ReadFile(path)));
        ExpectSameCounts(bison, ours, path);
    }
    EXPECT_GT(seen, 0) << "no grammar found under src";
}

TEST(YaccgenBisonEquality, BisonExampleGrammars) {
    fs::path dir = "/usr/share/doc/bison/examples";
    if (!fs::exists(dir)) GTEST_SKIP() << "bison's examples are not installed";
    int seen = 0;
    for (const auto& e : fs::recursive_directory_iterator(dir)) {
        std::string ext = e.path().extension().string();
        if (!e.is_regular_file() || (ext != ".y" && ext != ".yy")) continue;
        std::string plain = ygtest::ReduceToPlainYacc(ygtest::ReadFile(e.path().string()));
        std::string copy = ygtest::TempDir() + "/example" + std::to_string(++seen) + ".y";
        ygtest::WriteFile(copy, plain);
        SCOPED_TRACE(e.path().string() + "\n" + plain);
        ExpectSameCounts(ygtest::BisonCounts(plain), ygtest::YaccgenSummary(copy), e.path().string());
    }
    EXPECT_GT(seen, 5);
}

// Hand-picked shapes that stress the lookahead computation: LALR but not
// SLR, nullable chains, reduce/reduce that LALR merging creates, dangling
// else, %nonassoc, %prec and error productions.
TEST(YaccgenBisonEquality, KnownShapes) {
    const char* grammars[] = {
        // not SLR(1)
        "%token ID 300\n%%\nS: L '=' R | R ;\nL: '*' R | ID ;\nR: L ;\n",
        // LALR reduce/reduce from merged states (LR(1) but not LALR(1))
        "%%\nS: 'a' E 'c' | 'a' F 'd' | 'b' F 'c' | 'b' E 'd' ;\nE: 'e' ;\nF: 'e' ;\n",
        // nullable chains through reads and includes
        "%%\nS: A B C 'x' | B 'y' ;\nA: %empty | 'a' ;\nB: %empty | A 'b' ;\nC: %empty | B C ;\n",
        // dangling else with error recovery
        "%token IF 300 ELSE 301 X 302\n%%\ns: IF s | IF s ELSE s | X ';' | error ';' ;\n",
        // precedence, %nonassoc and %prec
        "%token N 300\n%nonassoc '<'\n%left '+' '-'\n%left '*'\n%right U\n%%\n"
        "e: e '<' e | e '+' e | e '-' e | e '*' e | '-' e %prec U | N | e e ;\n",
        // useless nonterminals and rules
        "%%\nS: 'a' | B 'b' ;\nB: B 'c' ;\nC: 'd' ;\n",
        // the start symbol's own conflicts on end of input
        "%%\nS: S 'a' | %empty | T ;\nT: S ;\n",
    };
    for (const char* g : grammars) {
        SCOPED_TRACE(g);
        ExpectSameCounts(ygtest::BisonCounts(g), ygtest::YaccgenCounts(g), g);
    }
}

TEST(YaccgenBisonEquality, RandomGrammars) {
    int compared = 0;
    for (uint32_t seed = 1; seed <= 400; ++seed) {
        std::string g = ygtest::RandomGrammar(seed);
        Counts bison = ygtest::BisonCounts(g);
        Counts ours = ygtest::YaccgenCounts(g);
        ASSERT_EQ(bison.ok, ours.ok) << "seed " << seed << "\n" << g << "\n" << bison.message << ours.message;
        if (!bison.ok) continue;
        ++compared;
        EXPECT_EQ(bison.states, ours.states) << "seed " << seed << "\n" << g;
        EXPECT_EQ(bison.sr, ours.sr) << "seed " << seed << "\n" << g;
        EXPECT_EQ(bison.rr, ours.rr) << "seed " << seed << "\n" << g;
        if (HasFailure()) break;
    }
    EXPECT_GE(compared, 300);
}

}  // namespace

namespace {

// Not only the counts: every state's shifts, reductions (with their full
// lookahead sets), default reductions and gotos equal bison's when bison
// also keeps default reductions to consistent states.
void ExpectSameTables(const std::string& grammar, const std::string& what) {
    yaccgen::Grammar g;
    yaccgen::Result r;
    yaccgen::Diagnostics d;
    ASSERT_TRUE(yaccgen::ReadGrammar(grammar, "g.y", g, d) && yaccgen::Generate(g, r, d, true)) << what;
    ygtest::ReportTables ours = ygtest::ReadStateReport(r.report);
    ygtest::ReportTables bison = ygtest::ReadStateReport(ygtest::BisonReport(grammar));
    ASSERT_EQ(ours.error, "") << what;
    ASSERT_EQ(bison.error, "") << what;
    ASSERT_EQ(ours.states.size(), bison.states.size()) << what;
    ASSERT_EQ(int(ours.states.size()), r.tables.nstates) << what;
    for (size_t i = 0; i < ours.states.size(); ++i) {
        ASSERT_EQ(ours.states[i].first, bison.states[i].first) << what;
        EXPECT_EQ(ours.states[i].second, bison.states[i].second) << what << "\nstate " << ours.states[i].first;
        if (::testing::Test::HasFailure()) return;
    }
}

TEST(YaccgenBisonEquality, SameTablesOnRandomGrammars) {
    int compared = 0;
    for (uint32_t seed = 1000; seed < 1150; ++seed) {
        std::string g = ygtest::RandomGrammar(seed);
        if (!ygtest::YaccgenCounts(g).ok) continue;
        ++compared;
        ExpectSameTables(g, "seed " + std::to_string(seed) + "\n" + g);
        if (HasFailure()) break;
    }
    EXPECT_GT(compared, 100);
}

TEST(YaccgenBisonEquality, SameTablesOnToyAndProjectGrammars) {
    std::vector<std::string> files{std::string(ORRERY_SOURCE_DIR) + "/tests/tools/yaccgen/toy.y"};
    for (const auto& e : fs::recursive_directory_iterator(fs::path(ORRERY_SOURCE_DIR) / "src"))
        if (e.is_regular_file() && e.path().extension() == ".y") files.push_back(e.path().string());
    for (const std::string& f : files)
        ExpectSameTables(ygtest::ReduceToPlainYacc(ygtest::ReadFile(f)), f);
}

}  // namespace
