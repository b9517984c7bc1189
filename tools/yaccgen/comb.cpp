// Packs the per-state action and goto rows into comb vectors, so that a
// driver finds the entry of (state, symbol) with one index and one check
// instead of searching the state's range.
#include "yaccgen.h"

#include <algorithm>
#include <map>

namespace yaccgen {
namespace {

// One row: the state's entries as (column, value), first entry of a column
// only, as the range search would find it.
using Row = std::vector<Pair>;

Row RowOf(const std::vector<Pair>& v, int first, int last, bool negate) {
    Row r;
    for (int k = first; k <= last; ++k) {
        const int col = negate ? -v[k].sym : v[k].sym;
        bool seen = false;
        for (const Pair& p : r) seen |= p.sym == col;
        if (!seen) r.push_back({col, v[k].act});
    }
    return r;
}

// First fit, longest rows first: a row goes to the lowest base where all
// its columns are free.  Slots hold the owning state as their check.
Comb Pack(const std::vector<Row>& rows) {
    Comb c;
    c.base.assign(rows.size(), 0);
    std::vector<int> order(rows.size());
    for (size_t s = 0; s < rows.size(); ++s) order[s] = int(s);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return rows[size_t(a)].size() > rows[size_t(b)].size(); });
    std::vector<char> used;
    size_t firstFree = 0;
    for (int s : order) {
        const Row& r = rows[size_t(s)];
        if (r.empty()) continue;
        int lo = r[0].sym;
        for (const Pair& p : r) lo = std::min(lo, p.sym);
        while (firstFree < used.size() && used[firstFree]) ++firstFree;
        for (long base = long(firstFree) - lo;; ++base) {
            bool fits = true;
            for (const Pair& p : r) {
                const size_t i = size_t(base + p.sym);
                if (i < used.size() && used[i]) { fits = false; break; }
            }
            if (!fits) continue;
            for (const Pair& p : r) {
                const size_t i = size_t(base + p.sym);
                if (i >= used.size()) { used.resize(i + 1, 0); c.slots.resize(i + 1, Pair{-1, 0}); }
                used[i] = 1;
                c.slots[i] = {s, p.act};
            }
            c.base[size_t(s)] = int(base);
            break;
        }
    }
    return c;
}

}  // namespace

void PackDenseActions(const Tables& t, DenseActions& d) {
    std::vector<Row> rows;
    int maxCode = 0;
    for (int s = 0; s < t.nstates; ++s) {
        rows.push_back(RowOf(t.yya, t.yyal[size_t(s)], t.yyah[size_t(s)], false));
        for (const Pair& p : rows.back()) maxCode = std::max(maxCode, p.sym);
    }
    std::vector<char> used(size_t(maxCode) + 1, 0);
    for (const Row& r : rows)
        for (const Pair& p : r) used[size_t(p.sym)] = 1;
    d.columnOf.assign(used.size(), 0);
    d.ncols = 0;
    for (size_t c = 0; c < used.size(); ++c)
        if (used[c]) d.columnOf[c] = d.ncols++;
    for (size_t c = 0; c < used.size(); ++c)
        if (!used[c]) d.columnOf[c] = d.ncols;
    // Equal rows once, numbered in order of first use.
    auto less = [](const Row& a, const Row& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](const Pair& x, const Pair& y) {
            return x.sym != y.sym ? x.sym < y.sym : x.act < y.act;
        });
    };
    std::map<Row, int, decltype(less)> number(less);
    std::vector<Row> distinct;
    d.rowOf.clear();
    for (Row& r : rows) {
        for (Pair& p : r) p.sym = d.columnOf[size_t(p.sym)];
        std::sort(r.begin(), r.end(), [](const Pair& a, const Pair& b) { return a.sym < b.sym; });
        auto [it, fresh] = number.emplace(r, int(distinct.size()));
        if (fresh) distinct.push_back(r);
        d.rowOf.push_back(it->second);
    }
    Comb c = Pack(distinct);
    d.base = std::move(c.base);
    d.slots = std::move(c.slots);
}

Comb PackGotos(const Tables& t) {
    std::vector<Row> g;
    for (int s = 0; s < t.nstates; ++s) g.push_back(RowOf(t.yyg, t.yygl[size_t(s)], t.yygh[size_t(s)], true));
    return Pack(g);
}

void PackCombs(const Tables& t, Comb& actions, Comb& gotos) {
    std::vector<Row> a;
    for (int s = 0; s < t.nstates; ++s) a.push_back(RowOf(t.yya, t.yyal[size_t(s)], t.yyah[size_t(s)], false));
    actions = Pack(a);
    gotos = PackGotos(t);
}

}  // namespace yaccgen
