// The comb vectors the drivers look entries up in: for every state and
// every symbol they give what the search of the state's range gives (the
// first entry for the symbol, or none).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "parse/rkyacctables.h"
#include "yaccgen.h"
#include "yaccgen_test_support.h"

namespace {

int Find(const std::vector<yaccgen::Pair>& v, int first, int last, int sym) {
    for (int k = first; k <= last; ++k)
        if (v[size_t(k)].sym == sym) return v[size_t(k)].act;
    return -99999;
}

int Look(const yaccgen::Comb& c, int state, int column) {
    const long i = long(c.base[size_t(state)]) + column;
    if (i < 0 || i >= long(c.slots.size()) || c.slots[size_t(i)].sym != state) return -99999;
    return c.slots[size_t(i)].act;
}

void ExpectCombsAgree(const std::string& grammar, const std::string& what) {
    SCOPED_TRACE(what);
    yaccgen::Grammar g;
    yaccgen::Result r;
    if (!ygtest::Yaccgen(grammar, &g, &r).ok) return;
    const yaccgen::Tables& t = r.tables;
    yaccgen::Comb a, go;
    yaccgen::PackCombs(t, a, go);
    int maxTerm = 0, maxNonterm = 0;
    for (const yaccgen::Pair& p : t.yya) maxTerm = std::max(maxTerm, p.sym);
    for (const yaccgen::Pair& p : t.yyg) maxNonterm = std::max(maxNonterm, -p.sym);
    for (int s = 0; s < t.nstates; ++s) {
        for (int sym = -1; sym <= maxTerm + 1; ++sym)
            ASSERT_EQ(Look(a, s, sym), Find(t.yya, t.yyal[size_t(s)], t.yyah[size_t(s)], sym)) << s << " " << sym;
        for (int nt = 0; nt <= maxNonterm + 1; ++nt)
            ASSERT_EQ(Look(go, s, nt), Find(t.yyg, t.yygl[size_t(s)], t.yygh[size_t(s)], -nt)) << s << " " << nt;
    }
    // Every slot belongs to one state at most, and the values fit the
    // 16-bit records the tables are emitted in.
    for (const yaccgen::Pair& p : a.slots) EXPECT_TRUE(p.sym >= -1 && p.sym < 32768 && p.act >= -32768 && p.act < 32768);
}

// The packed action rows, read through the runtime's look-up, give what
// the search of the state's range gives for every code, used or not.
void ExpectDenseAgrees(const std::string& grammar, const std::string& what) {
    SCOPED_TRACE(what);
    yaccgen::Grammar g;
    yaccgen::Result r;
    if (!ygtest::Yaccgen(grammar, &g, &r).ok) return;
    const yaccgen::Tables& t = r.tables;
    yaccgen::DenseActions d;
    yaccgen::PackDenseActions(t, d);
    std::vector<TYYSRec> st;
    for (int s = 0; s < t.nstates; ++s) {
        const int row = d.rowOf[size_t(s)];
        ASSERT_LT(row, 32768);
        st.push_back({d.base[size_t(row)], int16_t(row), int16_t(t.yyd[size_t(s)])});
    }
    std::vector<int16_t> tr(d.columnOf.begin(), d.columnOf.end());
    std::vector<TYYCRec> slots;
    for (const yaccgen::Pair& p : d.slots) {
        ASSERT_TRUE(p.sym >= -1 && p.sym < 32768 && p.act >= -32768 && p.act < 32768);
        slots.push_back({int16_t(p.sym), int16_t(p.act)});
    }
    TRkYaccTables rt{nullptr, 0, nullptr, 0, nullptr, nullptr, nullptr, nullptr, nullptr, t.nstates, nullptr, 0};
    rt.yyst = st.data(), rt.yytr = tr.data(), rt.yyntr = int(tr.size()), rt.yynocol = d.ncols;
    rt.yyxc = slots.data(), rt.yynxc = int(slots.size());
    const int maxTerm = int(d.columnOf.size()) - 1;
    for (int s = 0; s < t.nstates; ++s) {
        EXPECT_EQ(RkYaccDefault(rt, s), t.yyd[size_t(s)]);
        for (int sym = -1; sym <= maxTerm + 2; ++sym) {
            int v = -99999;
            if (!RkYaccAction(rt, s, sym, v)) v = -99999;
            ASSERT_EQ(v, Find(t.yya, t.yyal[size_t(s)], t.yyah[size_t(s)], sym)) << s << " " << sym;
        }
    }
}

}  // namespace

TEST(YaccgenComb, PackedActionsAgreeWithTheRanges) {
    namespace fs = std::filesystem;
    for (const auto& e : fs::recursive_directory_iterator(fs::path(ORRERY_SOURCE_DIR) / "src"))
        if (e.is_regular_file() && e.path().extension() == ".y") ExpectDenseAgrees(ygtest::ReadFile(e.path()), e.path());
    for (uint32_t seed = 1; seed <= 40; ++seed) ExpectDenseAgrees(ygtest::RandomGrammar(seed), "seed " + std::to_string(seed));
}

TEST(YaccgenComb, ProjectGrammarsAndRandomOnes) {
    namespace fs = std::filesystem;
    for (const auto& e : fs::recursive_directory_iterator(fs::path(ORRERY_SOURCE_DIR) / "src"))
        if (e.is_regular_file() && e.path().extension() == ".y") ExpectCombsAgree(ygtest::ReadFile(e.path()), e.path());
    for (uint32_t seed = 1; seed <= 40; ++seed) ExpectCombsAgree(ygtest::RandomGrammar(seed), "seed " + std::to_string(seed));
}

TEST(YaccgenComb, RuntimeLooksUpThroughTheCombOrTheRanges) {
    // State 0: shift 'a' to 1 and reduce on end of input; state 1: accept.
    static const TYYARec yya[] = {{0, 0}, {'a', 1}, {0, -1}, {0, 0}};
    static const TYYARec yyg[] = {{0, 0}, {-2, 1}};
    static const int16_t yyd[] = {0, 0};
    static const int32_t yyal[] = {1, 3}, yyah[] = {2, 3}, yygl[] = {1, 2}, yygh[] = {1, 1};
    static const TYYRRec yyr[] = {{0, 0}, {0, -2}};
    static const int32_t yyab[] = {0, 1}, yygb[] = {-2, 0};
    static const TYYCRec yyac[] = {{0, -1}, {1, 0}, {-1, 0}};   // 'a' of state 0 lies past the end
    static const TYYCRec yygc[] = {{0, 1}};
    TRkYaccTables ranges{yya, 3, yyg, 1, yyd, yyal, yyah, yygl, yygh, 2, yyr, 1};
    TRkYaccTables comb = ranges;
    comb.yyab = yyab, comb.yyac = yyac, comb.yynac = 3, comb.yygb = yygb, comb.yygc = yygc, comb.yyngc = 1;
    int v = 0;
    EXPECT_TRUE(RkYaccAction(ranges, 0, 'a', v) && v == 1);
    EXPECT_FALSE(RkYaccAction(comb, 0, 'a', v));      // the comb is what the driver trusts
    EXPECT_TRUE(RkYaccAction(comb, 0, 0, v) && v == -1);
    EXPECT_TRUE(RkYaccAction(comb, 1, 0, v) && v == 0);
    EXPECT_FALSE(RkYaccAction(comb, 1, -1, v));       // slot 0 belongs to state 0
    EXPECT_FALSE(RkYaccAction(comb, 2, 0, v));        // no such state
    EXPECT_TRUE(RkYaccGoto(comb, 0, -2, v) && v == 1);
    EXPECT_FALSE(RkYaccGoto(comb, 1, -2, v));
}
