// Properties of the generated tables that the drivers rely on, checked on
// every grammar at hand: default reductions only where nothing else can
// happen, fixed entry order, one accept on end of input, complete gotos,
// 16-bit values.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "yaccgen_test_support.h"

namespace fs = std::filesystem;

namespace {

struct Built {
    yaccgen::Grammar g;
    yaccgen::Result r;
};

Built Build(const std::string& text) {
    Built b;
    yaccgen::Diagnostics d;
    bool ok = yaccgen::ReadGrammar(text, "g.y", b.g, d) && yaccgen::Generate(b.g, b.r, d, false);
    EXPECT_TRUE(ok) << (d.errors.empty() ? "" : d.errors[0]) << "\n" << text;
    return b;
}

std::string RowText(const yaccgen::Tables& t, int s) {
    std::string out;
    for (int k = t.yyal[s]; k <= t.yyah[s]; ++k)
        out += "(" + std::to_string(t.yya[k].sym) + "," + std::to_string(t.yya[k].act) + ")";
    return out;
}

void CheckTableProperties(const Built& b, const std::string& what) {
    SCOPED_TRACE(what);
    const yaccgen::Tables& t = b.r.tables;
    const int ns = t.nstates, nr = int(t.yyr.size()) - 1;
    ASSERT_EQ(int(t.yyd.size()), ns);
    ASSERT_EQ(int(t.yyal.size()), ns);
    auto fits = [](int v) { return v >= -32768 && v <= 32767; };
    // Symbols entering each state (a state has one), and who leads there.
    std::vector<int> accessing(ns, 0);
    std::vector<std::vector<int>> pred(ns);
    int accepts = 0;
    for (int s = 0; s < ns; ++s) {
        ASSERT_TRUE(fits(t.yyd[s]));
        if (t.yyd[s] != 0) {
            EXPECT_LT(t.yyah[s], t.yyal[s]) << "state " << s << ": a default reduction with entries";
            EXPECT_GE(-t.yyd[s], 1);
            EXPECT_LE(-t.yyd[s], nr);
        }
        std::set<int> syms;
        bool inReductions = false;
        int lastShift = -1, lastReduce = -1;
        for (int k = t.yyal[s]; k <= t.yyah[s]; ++k) {
            const yaccgen::Pair& p = t.yya[k];
            ASSERT_TRUE(fits(p.sym) && fits(p.act));
            EXPECT_GE(p.sym, 0);
            EXPECT_TRUE(syms.insert(p.sym).second) << "state " << s << ": two entries on " << p.sym;
            if (p.act >= 0) {
                EXPECT_FALSE(inReductions) << "state " << s << ": a shift after a reduction: " << RowText(t, s);
                EXPECT_GT(p.sym, lastShift) << "state " << s << ": shifts out of order: " << RowText(t, s);
                lastShift = p.sym;
                if (p.act == 0) { ++accepts; EXPECT_EQ(p.sym, 0); continue; }
                ASSERT_LT(p.act, ns);
                EXPECT_GT(p.act, 0);
                accessing[p.act] = p.sym;
                pred[p.act].push_back(s);
            } else {
                inReductions = true;
                EXPECT_GT(p.sym, lastReduce) << "state " << s << ": reductions out of order: " << RowText(t, s);
                lastReduce = p.sym;
                EXPECT_LE(-p.act, nr);
            }
        }
        for (int k = t.yygl[s]; k <= t.yygh[s]; ++k) {
            const yaccgen::Pair& p = t.yyg[k];
            ASSERT_TRUE(fits(p.sym) && fits(p.act));
            EXPECT_LT(p.sym, -1);
            ASSERT_GT(p.act, 0);
            ASSERT_LT(p.act, ns);
            accessing[p.act] = p.sym;
            pred[p.act].push_back(s);
        }
    }
    EXPECT_EQ(accepts, 1) << "exactly one accept entry";
    for (int r = 1; r <= nr; ++r) {
        EXPECT_GE(t.yyr[r].sym, 0);     // length
        EXPECT_LT(t.yyr[r].act, -1);    // head: a user nonterminal
        ASSERT_TRUE(fits(t.yyr[r].sym) && fits(t.yyr[r].act));
    }
    // Gotos complete: for every reduction in every state, each state the
    // right-hand side can be popped back to has a goto on the head.
    auto codeOf = [&](int sym) { return b.g.syms[sym].code; };
    for (int q = 0; q < ns; ++q) {
        std::set<int> rules;
        if (t.yyd[q]) rules.insert(-t.yyd[q]);
        for (int k = t.yyal[q]; k <= t.yyah[q]; ++k)
            if (t.yya[k].act < 0) rules.insert(-t.yya[k].act);
        for (int r : rules) {
            const yaccgen::Rule& ru = b.g.rules[r];
            EXPECT_EQ(t.yyr[r].sym, int(ru.rhs.size()));
            EXPECT_EQ(t.yyr[r].act, codeOf(ru.lhs));
            std::set<int> at{q};
            for (int k = int(ru.rhs.size()) - 1; k >= 0; --k) {
                std::set<int> back;
                for (int x : at) {
                    EXPECT_EQ(accessing[x], codeOf(ru.rhs[k])) << "state " << x << " reducing rule " << r;
                    for (int p : pred[x]) back.insert(p);
                }
                at.swap(back);
            }
            for (int p : at) {
                bool found = false;
                for (int k = t.yygl[p]; k <= t.yygh[p]; ++k) found |= t.yyg[k].sym == codeOf(ru.lhs);
                EXPECT_TRUE(found) << "state " << p << " lacks the goto on " << b.g.syms[ru.lhs].name
                                   << " that rule " << r << " reduced in state " << q << " needs";
            }
        }
    }
}

TEST(YaccgenTables, PropertiesOnRandomGrammars) {
    for (uint32_t seed = 1; seed <= 150; ++seed) {
        std::string text = ygtest::RandomGrammar(seed);
        yaccgen::Grammar g;
        yaccgen::Result r;
        if (!ygtest::YaccgenCounts(text, &g, &r).ok) continue;
        Built b{g, r};
        CheckTableProperties(b, "seed " + std::to_string(seed) + "\n" + text);
        if (HasFailure()) break;
    }
}

TEST(YaccgenTables, PropertiesOnProjectAndToyGrammars) {
    std::vector<std::string> files{std::string(ORRERY_SOURCE_DIR) + "/tests/tools/yaccgen/toy.y"};
    for (const auto& e : fs::recursive_directory_iterator(fs::path(ORRERY_SOURCE_DIR) / "src"))
        if (e.is_regular_file() && e.path().extension() == ".y") files.push_back(e.path().string());
    for (const std::string& f : files) CheckTableProperties(Build(ygtest::ReadFile(f)), f);
}

// The expected-token text reads a state's entries in table order: shifts
// by ascending code, then reductions by ascending code; ";" reductions
// stay explicit even where the state would otherwise reduce by default.
TEST(YaccgenTables, EntryOrderAndExplicitSemicolonReductions) {
    Built b = Build(
        "%token ID 300 KW 301\n%%\n"
        "stmts: stmt | stmts ';' stmt ;\n"
        "stmt: ID | ID '(' ')' | KW ID | ID '.' ID ;\n");
    const yaccgen::Tables& t = b.r.tables;
    // The state after a leading ID: shifts '(' (40) and '.' (46), then
    // "stmt: ID" on end of input (0) and ';' (59).
    int found = -1;
    for (int s = 0; s < t.nstates; ++s)
        if (RowText(t, s).find("(40,") == 0) found = s;
    ASSERT_GE(found, 0);
    const std::string row = RowText(t, found);
    int shiftParen = t.yya[t.yyal[found]].act, shiftDot = t.yya[t.yyal[found] + 1].act;
    EXPECT_EQ(row, "(40," + std::to_string(shiftParen) + ")(46," + std::to_string(shiftDot) + ")(0,-3)(59,-3)");
    EXPECT_EQ(t.yyd[found], 0);
    // Single-reduction states reduce by default and list nothing.
    int defaults = 0;
    for (int s = 0; s < t.nstates; ++s)
        if (t.yyd[s]) { ++defaults; EXPECT_EQ(RowText(t, s), ""); }
    EXPECT_GT(defaults, 3);
    // No error entries in a grammar without the error token.
    for (size_t k = 1; k < t.yya.size(); ++k) EXPECT_NE(t.yya[k].sym, 256);
}

// %nonassoc turns "a < b < c" into an error: no entry on '<' and no
// default reduction in that state, so the error shows at the second '<'.
TEST(YaccgenTables, NonassocLeavesNoEntryAndNoDefault) {
    Built b = Build("%token N 300\n%nonassoc '<'\n%left '+'\n%%\ne: e '<' e | e '+' e | N ;\n");
    const yaccgen::Tables& t = b.r.tables;
    EXPECT_EQ(b.r.srConflicts, 0);
    int checked = 0;
    for (int s = 0; s < t.nstates; ++s) {
        std::string row = RowText(t, s);
        if (row.find(",-1)") == std::string::npos) continue;   // reduces "e: e '<' e"
        ++checked;
        EXPECT_EQ(t.yyd[s], 0);
        EXPECT_EQ(row.find("(60,"), std::string::npos) << row;
        EXPECT_EQ(row.find("(43,"), 0u) << row;                      // '+' binds tighter: shift
        EXPECT_EQ(row.find("(43,-"), std::string::npos) << row;
        EXPECT_NE(row.find("(0,-1)"), std::string::npos) << row;
    }
    EXPECT_EQ(checked, 1);
}

// Precedence picks shift or reduce per token; what precedence cannot
// settle goes to shift, and between two reductions to the earlier rule.
TEST(YaccgenTables, ConflictResolution) {
    Built b = Build(
        "%token N 300 IF 301 ELSE 302\n%left '+'\n%right '^'\n%%\n"
        "s: e | IF s | IF s ELSE s | x ;\n"
        "e: e '+' e | e '^' e | N ;\n"
        "x: N '!' | y '?' ;\n"
        "y: N ;\n");
    const yaccgen::Tables& t = b.r.tables;
    EXPECT_EQ(b.r.srConflicts, 1);   // dangling else
    EXPECT_EQ(b.r.rrConflicts, 0);
    bool leftSeen = false, rightSeen = false, elseSeen = false;
    for (int s = 0; s < t.nstates; ++s) {
        std::string row = RowText(t, s);
        if (row.find("(43,-5)") != std::string::npos) leftSeen = true;    // e '+' e . '+' -> reduce
        if (row.find(",-6)") != std::string::npos) rightSeen = row.find("(94,") == 0 || rightSeen;
        if (row.find("(302,") != std::string::npos && row.find("(302,-") == std::string::npos) elseSeen = true;
    }
    EXPECT_TRUE(leftSeen);
    EXPECT_TRUE(rightSeen);
    EXPECT_TRUE(elseSeen);

    Built rr = Build("%%\ns: 'a' x 'c' | 'a' y 'c' ;\nx: 'b' ;\ny: 'b' ;\n");
    EXPECT_EQ(rr.r.rrConflicts, 1);
    bool earlier = false;
    for (int s = 0; s < rr.r.tables.nstates; ++s)
        if (RowText(rr.r.tables, s) == "(99,-3)") earlier = true;   // x: 'b' (rule 3) wins over y: 'b'
    EXPECT_TRUE(earlier);
}

TEST(YaccgenTables, ErrorTokenEntries) {
    Built b = Build("%token X 300\n%%\nl: %empty | l s ;\ns: X ';' | error ';' ;\n");
    const yaccgen::Tables& t = b.r.tables;
    int errorShifts = 0;
    for (size_t k = 1; k < t.yya.size(); ++k)
        if (t.yya[k].sym == 256 && t.yya[k].act > 0) ++errorShifts;
    EXPECT_EQ(errorShifts, 1);
}

}  // namespace
