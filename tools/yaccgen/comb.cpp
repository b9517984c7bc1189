// Packs the per-state action and goto rows into comb vectors, so that a
// driver finds the entry of (state, symbol) with one index and one check
// instead of searching the state's range.
#include "yaccgen.h"

#include <algorithm>

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

void PackCombs(const Tables& t, Comb& actions, Comb& gotos) {
    std::vector<Row> a, g;
    for (int s = 0; s < t.nstates; ++s) {
        a.push_back(RowOf(t.yya, t.yyal[size_t(s)], t.yyah[size_t(s)], false));
        g.push_back(RowOf(t.yyg, t.yygl[size_t(s)], t.yygh[size_t(s)], true));
    }
    actions = Pack(a);
    gotos = Pack(g);
}

}  // namespace yaccgen
