// LALR(1) construction: useless-rule reduction, the LR(0) automaton,
// DeRemer-Pennello lookaheads, yacc conflict resolution and the tables.
#include "yaccgen.h"

#include <algorithm>
#include <functional>
#include <sstream>
#include <unordered_map>

namespace yaccgen {
namespace {

// Fixed-width bit rows in one flat array.
class BitMatrix {
public:
    void Init(int rows, int bits) {
        words_ = (bits + 63) / 64;
        if (words_ == 0) words_ = 1;
        data_.assign(size_t(rows) * words_, 0);
    }
    uint64_t* Row(int r) { return data_.data() + size_t(r) * words_; }
    const uint64_t* Row(int r) const { return data_.data() + size_t(r) * words_; }
    int Words() const { return words_; }
    static bool Test(const uint64_t* row, int b) { return (row[b >> 6] >> (b & 63)) & 1; }
    static void Set(uint64_t* row, int b) { row[b >> 6] |= uint64_t(1) << (b & 63); }
    static void Reset(uint64_t* row, int b) { row[b >> 6] &= ~(uint64_t(1) << (b & 63)); }
    void OrInto(uint64_t* dst, const uint64_t* src) const {
        for (int i = 0; i < words_; ++i) dst[i] |= src[i];
    }
private:
    int words_ = 1;
    std::vector<uint64_t> data_;
};

struct KernelHash {
    size_t operator()(const std::vector<int>& v) const {
        uint64_t h = 1469598103934665603ull;
        for (int x : v) { h ^= uint64_t(uint32_t(x)); h *= 1099511628211ull; }
        return size_t(h ^ (h >> 29));
    }
};

struct State {
    int accessing = -1;
    std::vector<int> kernel;            // item indexes into ritem, ascending
    std::vector<std::pair<int, int>> trans;   // (symbol, target), symbols ascending
    std::vector<int> reds;              // rule numbers, ascending
    bool consistent = true;
    int laBase = 0;                     // first lookahead row of reds
};

enum class Resolution { Shift, Reduce, Error };

struct Resolved {
    int state, rule, token;
    Resolution how;
    const char* why;
};

class Builder {
public:
    Builder(Grammar& g, Result& res, Diagnostics& d) : g_(g), res_(res), diag_(d) {}

    bool Run(bool wantReport) {
        ReduceGrammar();
        if (!diag_.ok()) return false;
        Prepare();
        BuildLR0();
        Lookaheads();
        Resolve();
        RemoveUnreachable();
        if (!MakeTables()) return false;
        CheckExpect();
        if (wantReport) Report();
        return diag_.ok();
    }

private:
    std::string Loc(int line) const { return g_.fileName + ":" + std::to_string(line); }
    const std::string& Name(int s) const { return g_.syms[s].name; }

    // Rules that cannot derive a terminal string or cannot be reached from
    // the start symbol are removed (as bison does), with warnings.
    void ReduceGrammar() {
        int ns = g_.nsyms(), nt = g_.ntokens;
        std::vector<char> productive(ns, 0);
        for (int i = 0; i < nt; ++i) productive[i] = 1;
        for (bool changed = true; changed;) {
            changed = false;
            for (size_t r = 1; r < g_.rules.size(); ++r) {
                const Rule& ru = g_.rules[r];
                if (productive[ru.lhs]) continue;
                bool all = std::all_of(ru.rhs.begin(), ru.rhs.end(), [&](int x) { return productive[x]; });
                if (all) { productive[ru.lhs] = 1; changed = true; }
            }
        }
        if (!productive[g_.startSym]) {
            diag_.errors.push_back(Loc(g_.syms[g_.startSym].line) + ": error: start symbol " +
                                   Name(g_.startSym) + " does not derive any sentence");
            return;
        }
        std::vector<char> reach(ns, 0);
        reach[g_.startSym] = 1;
        for (bool changed = true; changed;) {
            changed = false;
            for (size_t r = 1; r < g_.rules.size(); ++r) {
                const Rule& ru = g_.rules[r];
                if (!reach[ru.lhs] || !productive[ru.lhs]) continue;
                if (!std::all_of(ru.rhs.begin(), ru.rhs.end(), [&](int x) { return productive[x]; })) continue;
                for (int x : ru.rhs) if (!reach[x]) { reach[x] = 1; changed = true; }
            }
        }
        reach[nt] = 1;
        int uselessN = 0, uselessR = 0;
        for (int s = nt + 1; s < ns; ++s) {
            if (!reach[s] || !productive[s]) {
                ++uselessN;
                diag_.warnings.push_back(Loc(g_.syms[s].line) + ": warning: nonterminal useless in grammar: " + Name(s));
            }
        }
        for (size_t r = 1; r < g_.rules.size(); ++r) {
            Rule& ru = g_.rules[r];
            bool ok = reach[ru.lhs] && productive[ru.lhs] &&
                      std::all_of(ru.rhs.begin(), ru.rhs.end(), [&](int x) { return productive[x]; });
            ru.useful = ok;
            if (!ok) {
                ++uselessR;
                diag_.warnings.push_back(Loc(ru.line) + ": warning: rule useless in grammar: " + RuleText(int(r)));
            }
        }
        // Tokens that no rule uses (a %prec use counts).
        std::vector<char> used(nt, 0);
        used[0] = 1;
        for (size_t r = 1; r < g_.rules.size(); ++r) {
            for (int x : g_.rules[r].rhs) if (x < nt) used[x] = 1;
            if (g_.rules[r].precSym >= 0) used[g_.rules[r].precSym] = 1;
        }
        std::string unused;
        int nunused = 0;
        for (int t = 2; t < nt; ++t) {
            if (used[t]) continue;
            ++nunused;
            unusedTokens_.push_back(t);
            if (nunused <= 30) unused += (nunused > 1 ? ", " : "") + Name(t);
        }
        // Silent when the grammar declares how many it keeps unused.
        if (nunused != std::max(g_.expectUnused, 0))
            diag_.warnings.push_back(g_.fileName + ": warning: " + std::to_string(nunused) +
                                     " token(s) never used in a rule" +
                                     (g_.expectUnused >= 0 ? ", " + std::to_string(g_.expectUnused) + " expected" : "") +
                                     (nunused ? ": " + unused + (nunused > 30 ? ", ..." : "") : ""));
        (void)uselessN;
        (void)uselessR;
    }

public:
    std::string RuleText(int r) const {
        const Rule& ru = g_.rules[r];
        std::string s = Name(ru.lhs) + ":";
        if (ru.rhs.empty()) s += " %empty";
        for (int x : ru.rhs) s += " " + Name(x);
        return s;
    }

private:
    void Prepare() {
        int ns = g_.nsyms(), nt = g_.ntokens;
        nrules_ = int(g_.rules.size());
        rrhs_.assign(nrules_, 0);
        ritem_.clear();
        for (int r = 0; r < nrules_; ++r) {
            rrhs_[r] = int(ritem_.size());
            for (int x : g_.rules[r].rhs) ritem_.push_back(x);
            ritem_.push_back(-(r + 1));
        }
        derives_.assign(ns, {});
        for (int r = 0; r < nrules_; ++r)
            if (g_.rules[r].useful) derives_[g_.rules[r].lhs].push_back(r);
        nullable_.assign(ns, 0);
        for (bool changed = true; changed;) {
            changed = false;
            for (int r = 0; r < nrules_; ++r) {
                const Rule& ru = g_.rules[r];
                if (!ru.useful || nullable_[ru.lhs]) continue;
                if (std::all_of(ru.rhs.begin(), ru.rhs.end(), [&](int x) { return x >= nt && nullable_[x]; })) {
                    nullable_[ru.lhs] = 1;
                    changed = true;
                }
            }
        }
        // fderives[A]: the rules whose items the closure of an item with A
        // after the dot adds.
        int nn = ns - nt;
        BitMatrix eff;
        eff.Init(nn, nn);
        for (int a = 0; a < nn; ++a) {
            BitMatrix::Set(eff.Row(a), a);
            for (int r : derives_[a + nt]) {
                const Rule& ru = g_.rules[r];
                if (!ru.rhs.empty() && ru.rhs[0] >= nt) BitMatrix::Set(eff.Row(a), ru.rhs[0] - nt);
            }
        }
        // Transitive closure (Warshall on rows).
        for (int k = 0; k < nn; ++k)
            for (int i = 0; i < nn; ++i)
                if (BitMatrix::Test(eff.Row(i), k)) eff.OrInto(eff.Row(i), eff.Row(k));
        fderives_.Init(nn, nrules_);
        for (int a = 0; a < nn; ++a)
            for (int b = 0; b < nn; ++b)
                if (BitMatrix::Test(eff.Row(a), b))
                    for (int r : derives_[b + nt]) BitMatrix::Set(fderives_.Row(a), r);
    }

    int GetState(int sym, std::vector<int>& kernel) {
        auto it = stateOf_.find(kernel);
        if (it != stateOf_.end()) return it->second;
        int id = int(states_.size());
        State s;
        s.accessing = sym;
        s.kernel = kernel;
        states_.push_back(std::move(s));
        stateOf_.emplace(kernel, id);
        return id;
    }

    void Closure(const std::vector<int>& kernel, std::vector<int>& out) {
        int nt = g_.ntokens, w = fderives_.Words();
        ruleset_.assign(w, 0);
        for (int i : kernel) {
            int x = ritem_[i];
            if (x >= nt) fderives_.OrInto(ruleset_.data(), fderives_.Row(x - nt));
        }
        out.clear();
        size_t k = 0;
        for (int wi = 0; wi < w; ++wi) {
            uint64_t bits = ruleset_[wi];
            while (bits) {
                int r = wi * 64 + __builtin_ctzll(bits);
                bits &= bits - 1;
                int item = rrhs_[r];
                while (k < kernel.size() && kernel[k] < item) out.push_back(kernel[k++]);
                out.push_back(item);
            }
        }
        while (k < kernel.size()) out.push_back(kernel[k++]);
    }

    void BuildLR0() {
        int ns = g_.nsyms();
        std::vector<int> k0{rrhs_[0]};
        GetState(-1, k0);
        std::vector<std::vector<int>> buckets(ns);
        std::vector<int> symbols, items;
        for (size_t s = 0; s < states_.size(); ++s) {
            Closure(states_[s].kernel, items);
            symbols.clear();
            std::vector<int> reds;
            for (int i : items) {
                int x = ritem_[i];
                if (x < 0) { reds.push_back(-x - 1); continue; }
                if (buckets[x].empty()) symbols.push_back(x);
                buckets[x].push_back(i + 1);
            }
            std::sort(symbols.begin(), symbols.end());
            std::vector<std::pair<int, int>> trans;
            for (int x : symbols) {
                int t = GetState(x, buckets[x]);
                trans.emplace_back(x, t);
                buckets[x].clear();
            }
            std::sort(reds.begin(), reds.end());
            states_[s].trans = std::move(trans);
            states_[s].reds = std::move(reds);
        }
        // The final state: reached by shifting end of input after the start symbol.
        finalState_ = -1;
        for (size_t s = 0; s < states_.size(); ++s)
            if (states_[s].accessing == 0) finalState_ = int(s);
    }

    int MapGoto(int state, int sym) const {
        // gotos of a nonterminal are sorted by source state
        int lo = gotoMap_[sym - g_.ntokens], hi = gotoMap_[sym - g_.ntokens + 1];
        while (lo < hi) {
            int mid = (lo + hi) / 2;
            if (fromState_[mid] < state) lo = mid + 1; else hi = mid;
        }
        return lo;
    }

    int Target(int state, int sym) const {
        const auto& tr = states_[state].trans;
        auto it = std::lower_bound(tr.begin(), tr.end(), std::make_pair(sym, -1));
        return it->second;
    }

    // Tarjan-style transitive closure over a relation (DeRemer-Pennello).
    void Digraph(const std::vector<std::vector<int>>& rel, BitMatrix& F) {
        int n = int(rel.size());
        std::vector<int> index(n, 0), stack;
        int infinity = n + 2;
        std::vector<int> vertexStack;
        // iterative traversal
        struct Frame { int x; size_t k; int depth; };
        for (int start = 0; start < n; ++start) {
            if (index[start] != 0) continue;
            std::vector<Frame> frames;
            auto enter = [&](int x) {
                vertexStack.push_back(x);
                int d = int(vertexStack.size());
                index[x] = d;
                frames.push_back({x, 0, d});
            };
            enter(start);
            while (!frames.empty()) {
                Frame& f = frames.back();
                int x = f.x;
                if (f.k < rel[x].size()) {
                    int y = rel[x][f.k++];
                    if (index[y] == 0) { enter(y); continue; }
                    if (index[x] > index[y]) index[x] = index[y];
                    F.OrInto(F.Row(x), F.Row(y));
                    continue;
                }
                if (index[x] == f.depth) {
                    for (;;) {
                        int top = vertexStack.back();
                        vertexStack.pop_back();
                        index[top] = infinity;
                        if (top == x) break;
                        std::copy(F.Row(x), F.Row(x) + F.Words(), F.Row(top));
                    }
                }
                frames.pop_back();
                if (!frames.empty()) {
                    int p = frames.back().x;
                    if (index[p] > index[x]) index[p] = index[x];
                    F.OrInto(F.Row(p), F.Row(x));
                }
            }
        }
    }

    void Lookaheads() {
        int nt = g_.ntokens, ns = g_.nsyms(), nn = ns - nt;
        // Consistent states need no lookahead.
        int nla = 0;
        for (State& s : states_) {
            bool shifts = !s.trans.empty() && s.trans[0].first < nt;
            s.consistent = !(s.reds.size() > 1 || (s.reds.size() == 1 && shifts));
            s.laBase = nla;
            nla += int(s.reds.size());
        }
        la_.Init(nla, nt);
        // Nonterminal transitions, grouped by symbol then source state.
        std::vector<int> count(nn + 1, 0);
        for (const State& s : states_)
            for (auto [x, t] : s.trans) if (x >= nt) ++count[x - nt + 1];
        gotoMap_.assign(nn + 1, 0);
        for (int i = 0; i < nn; ++i) gotoMap_[i + 1] = gotoMap_[i] + count[i + 1];
        int ngotos = gotoMap_[nn];
        fromState_.assign(ngotos, 0);
        toState_.assign(ngotos, 0);
        std::vector<int> fill(gotoMap_.begin(), gotoMap_.end() - 1);
        for (size_t si = 0; si < states_.size(); ++si)
            for (auto [x, t] : states_[si].trans)
                if (x >= nt) {
                    int k = fill[x - nt]++;
                    fromState_[k] = int(si);
                    toState_[k] = t;
                }
        // Direct reads and the reads relation.
        BitMatrix F;
        F.Init(ngotos, nt);
        std::vector<std::vector<int>> reads(ngotos);
        for (int i = 0; i < ngotos; ++i) {
            const State& q = states_[toState_[i]];
            for (auto [x, t] : q.trans) {
                if (x < nt) BitMatrix::Set(F.Row(i), x);
                else if (nullable_[x]) reads[i].push_back(MapGoto(toState_[i], x));
            }
        }
        Digraph(reads, F);
        // includes and lookback.
        std::vector<std::vector<int>> includes(ngotos);
        std::vector<std::vector<int>> lookback(nla);
        std::vector<int> path;
        for (int i = 0; i < ngotos; ++i) {
            int a = states_[toState_[i]].accessing;
            for (int r : derives_[a]) {
                const Rule& ru = g_.rules[r];
                path.clear();
                int s = fromState_[i];
                path.push_back(s);
                for (int x : ru.rhs) { s = Target(s, x); path.push_back(s); }
                const State& q = states_[s];
                auto it = std::lower_bound(q.reds.begin(), q.reds.end(), r);
                lookback[q.laBase + int(it - q.reds.begin())].push_back(i);
                for (int k = int(ru.rhs.size()) - 1; k >= 0; --k) {
                    int x = ru.rhs[k];
                    if (x < nt) break;
                    includes[MapGoto(path[k], x)].push_back(i);
                    if (!nullable_[x]) break;
                }
            }
        }
        Digraph(includes, F);
        for (int l = 0; l < nla; ++l)
            for (int gi : lookback[l]) la_.OrInto(la_.Row(l), F.Row(gi));
    }

    // yacc's resolution: precedence and associativity first; what remains
    // is a conflict, settled as shift over reduce and earlier rule first.
    void Resolve() {
        int nt = g_.ntokens, w = la_.Words();
        disabled_.assign(states_.size(), {});
        errors_.assign(states_.size(), {});
        std::vector<uint64_t> shiftSet(w), lookSet(w);
        for (size_t si = 0; si < states_.size(); ++si) {
            State& s = states_[si];
            if (s.consistent) continue;
            std::fill(shiftSet.begin(), shiftSet.end(), 0);
            for (auto [x, t] : s.trans) if (x < nt) BitMatrix::Set(shiftSet.data(), x);
            for (size_t j = 0; j < s.reds.size(); ++j) {
                const Rule& ru = g_.rules[s.reds[j]];
                if (ru.precSym < 0 || g_.syms[ru.precSym].prec == 0) continue;
                int rp = g_.syms[ru.precSym].prec;
                uint64_t* la = la_.Row(s.laBase + int(j));
                for (int t = 0; t < nt; ++t) {
                    if (!BitMatrix::Test(la, t) || !BitMatrix::Test(shiftSet.data(), t) || g_.syms[t].prec == 0) continue;
                    int tp = g_.syms[t].prec;
                    auto flushShift = [&] {
                        BitMatrix::Reset(shiftSet.data(), t);
                        disabled_[si].push_back(t);
                    };
                    if (tp < rp) { flushShift(); resolved_.push_back({int(si), s.reds[j], t, Resolution::Reduce, "reduce (precedence)"}); }
                    else if (tp > rp) { BitMatrix::Reset(la, t); resolved_.push_back({int(si), s.reds[j], t, Resolution::Shift, "shift (precedence)"}); }
                    else switch (g_.syms[t].assoc) {
                        case Assoc::Right:
                            BitMatrix::Reset(la, t);
                            resolved_.push_back({int(si), s.reds[j], t, Resolution::Shift, "shift (%right)"});
                            break;
                        case Assoc::Left:
                            flushShift();
                            resolved_.push_back({int(si), s.reds[j], t, Resolution::Reduce, "reduce (%left)"});
                            break;
                        case Assoc::NonAssoc:
                            flushShift();
                            BitMatrix::Reset(la, t);
                            errors_[si].push_back(t);
                            resolved_.push_back({int(si), s.reds[j], t, Resolution::Error, "error (%nonassoc)"});
                            break;
                        default:
                            break;   // %precedence without associativity: stays a conflict
                    }
                }
            }
            // Count what is left, as bison does.
            std::fill(lookSet.begin(), lookSet.end(), 0);
            for (size_t j = 0; j < s.reds.size(); ++j) la_.OrInto(lookSet.data(), la_.Row(s.laBase + int(j)));
            for (int t = 0; t < nt; ++t) {
                bool shift = BitMatrix::Test(shiftSet.data(), t);
                int nred = 0;
                for (size_t j = 0; j < s.reds.size(); ++j) nred += BitMatrix::Test(la_.Row(s.laBase + int(j)), t);
                if (shift && nred) conflicts_.push_back({int(si), t, true, 1});
                if (nred >= 2) conflicts_.push_back({int(si), t, false, nred - 1});
            }
        }
    }

    // States that only shifts lost to precedence led to are dropped (as
    // bison does); their conflicts do not count.  The final state is left
    // out of the tables too.
    void RemoveUnreachable() {
        int n = int(states_.size());
        std::vector<char> reach(n, 0);
        std::vector<int> stack{0};
        reach[0] = 1;
        while (!stack.empty()) {
            int s = stack.back();
            stack.pop_back();
            const auto& dis = disabled_[s];
            for (auto [x, t] : states_[s].trans) {
                if (reach[t]) continue;
                if (x < g_.ntokens && std::find(dis.begin(), dis.end(), x) != dis.end()) continue;
                reach[t] = 1;
                stack.push_back(t);
            }
        }
        newNum_.assign(n, -1);
        int next = 0, kept = 0;
        for (int s = 0; s < n; ++s) {
            if (!reach[s]) continue;
            ++kept;
            if (s != finalState_) newNum_[s] = next++;
        }
        res_.lr0States = kept;
        std::vector<Conflict> live;
        for (const Conflict& c : conflicts_) {
            if (!reach[c.state]) continue;
            (c.sr ? res_.srConflicts : res_.rrConflicts) += c.count;
            live.push_back(c);
        }
        conflicts_.swap(live);
    }

    int NewNum(int s) const { return newNum_[s]; }

    bool MakeTables() {
        yaccgen::Tables& tb = res_.tables;
        int nt = g_.ntokens;
        res_.rules = nrules_ - 1;
        tb = yaccgen::Tables{};
        tb.nstates = 0;
        for (int v : newNum_) if (v >= 0) ++tb.nstates;
        if (tb.nstates > 32767) {
            diag_.errors.push_back(g_.fileName + ": error: " + std::to_string(tb.nstates) + " states do not fit 16-bit tables");
            return false;
        }
        for (size_t si = 0; si < states_.size(); ++si) {
            if (NewNum(int(si)) < 0) continue;
            State& s = states_[si];
            std::vector<Pair> shifts, reduces;
            int deflt = 0;
            // A default reduction only where the automaton offers one
            // reduction and nothing to shift.  Every other state checks its
            // lookahead against explicit entries, also when precedence left
            // it a single reduction or %nonassoc made tokens errors there.
            if (s.consistent) {
                for (auto [x, t] : s.trans) if (x < nt) shifts.push_back({g_.syms[x].code, t == finalState_ ? 0 : NewNum(t) });
                if (!s.reds.empty()) deflt = -s.reds[0];
            } else {
                const auto& dis = disabled_[si];
                const auto& err = errors_[si];
                std::vector<char> taken(nt, 0);
                for (int t : err) taken[t] = 1;
                for (auto [x, t] : s.trans) {
                    if (x >= nt || taken[x]) continue;
                    if (std::find(dis.begin(), dis.end(), x) != dis.end()) continue;
                    taken[x] = 1;
                    shifts.push_back({g_.syms[x].code, t == finalState_ ? 0 : NewNum(t)});
                }
                for (size_t j = 0; j < s.reds.size(); ++j) {
                    const uint64_t* la = la_.Row(s.laBase + int(j));
                    for (int t = 0; t < nt; ++t)
                        if (!taken[t] && BitMatrix::Test(la, t)) {
                            taken[t] = 1;
                            reduces.push_back({g_.syms[t].code, -s.reds[j]});
                        }
                }
            }
            auto bySym = [](const Pair& a, const Pair& b) { return a.sym < b.sym; };
            std::sort(shifts.begin(), shifts.end(), bySym);
            std::sort(reduces.begin(), reduces.end(), bySym);
            tb.yyd.push_back(deflt);
            tb.yyal.push_back(int(tb.yya.size()));
            for (const Pair& p : shifts) tb.yya.push_back(p);
            for (const Pair& p : reduces) tb.yya.push_back(p);
            tb.yyah.push_back(int(tb.yya.size()) - 1);
            tb.yygl.push_back(int(tb.yyg.size()));
            for (auto [x, t] : s.trans)
                if (x >= nt) tb.yyg.push_back({g_.syms[x].code, NewNum(t)});
            tb.yygh.push_back(int(tb.yyg.size()) - 1);
        }
        for (int r = 1; r < nrules_; ++r)
            tb.yyr.push_back({int(g_.rules[r].rhs.size()), g_.syms[g_.rules[r].lhs].code});
        // Every value must fit the drivers' 16-bit records.
        auto fits = [](int v) { return v >= -32768 && v <= 32767; };
        for (const auto* v : {&tb.yya, &tb.yyg, &tb.yyr})
            for (const Pair& p : *v)
                if (!fits(p.sym) || !fits(p.act)) {
                    diag_.errors.push_back(g_.fileName + ": error: a table value does not fit 16 bits");
                    return false;
                }
        return true;
    }

    void CheckExpect() {
        auto check = [&](int expected, int actual, const char* what) {
            if (expected >= 0 && expected != actual)
                diag_.errors.push_back(g_.fileName + ": error: " + what + " conflicts: " + std::to_string(actual) +
                                       " found, " + std::to_string(expected) + " expected");
        };
        // As in bison, %expect alone also expects no reduce/reduce conflict.
        check(g_.expectSR, res_.srConflicts, "shift/reduce");
        check(g_.expectRR >= 0 ? g_.expectRR : g_.expectSR >= 0 ? 0 : -1, res_.rrConflicts, "reduce/reduce");
        if (g_.expectSR < 0 && g_.expectRR < 0 && (res_.srConflicts || res_.rrConflicts))
            diag_.warnings.push_back(g_.fileName + ": warning: conflicts: " + std::to_string(res_.srConflicts) +
                                     " shift/reduce, " + std::to_string(res_.rrConflicts) + " reduce/reduce");
    }

    std::string ItemText(int item) const {
        int i = item;
        while (ritem_[i] >= 0) ++i;
        int r = -ritem_[i] - 1;
        const Rule& ru = g_.rules[r];
        std::string s = std::to_string(r) + " " + Name(ru.lhs) + ":";
        int dot = item - rrhs_[r];
        for (size_t k = 0; k <= ru.rhs.size(); ++k) {
            if (int(k) == dot) s += " .";
            if (k < ru.rhs.size()) s += " " + Name(ru.rhs[k]);
        }
        return s;
    }

    std::string Sym(int code) const {
        if (code < 0) return Name(g_.ntokens + (-code - 1));
        auto it = byCode_.find(code);
        return it == byCode_.end() ? std::to_string(code) : Name(it->second);
    }

    void Report() {
        std::ostringstream o;
        int nt = g_.ntokens;
        for (int t = 0; t < nt; ++t) byCode_.emplace(g_.syms[t].code, t);
        o << "Grammar " << g_.fileName << "\n\n";
        for (int r = 0; r < nrules_; ++r)
            o << "  " << r << " " << RuleText(r) << (g_.rules[r].useful ? "" : "   (useless)") << "\n";
        o << "\nTerminals (code)\n";
        for (int t = 0; t < nt; ++t) {
            o << "  " << Name(t) << " (" << g_.syms[t].code << ")";
            if (g_.syms[t].prec) o << " precedence " << g_.syms[t].prec;
            o << "\n";
        }
        if (!unusedTokens_.empty()) {
            o << "\nTerminals never used in a rule\n";
            for (int t : unusedTokens_) o << "  " << Name(t) << "\n";
        }
        o << "\nNonterminals (code)\n";
        for (int s = nt; s < g_.nsyms(); ++s) o << "  " << Name(s) << " (" << g_.syms[s].code << ")\n";
        o << "\nTotals: " << res_.lr0States << " states (as bison counts them; the state after end of input is not in the tables: "
          << "its accept is the entry (0, 0)), " << res_.tables.nstates << " table states, "
          << res_.rules << " rules, " << res_.srConflicts << " shift/reduce and "
          << res_.rrConflicts << " reduce/reduce conflicts\n";
        const yaccgen::Tables& tb = res_.tables;
        for (size_t si = 0; si < states_.size(); ++si) {
            int n = NewNum(int(si));
            if (n < 0) continue;
            o << "\n\nState " << n << "\n\n";
            for (int item : states_[si].kernel) o << "    " << ItemText(item) << "\n";
            o << "\n";
            if (tb.yyd[n]) o << "    $default  reduce using rule " << -tb.yyd[n] << " (" << Name(g_.rules[-tb.yyd[n]].lhs) << ")\n";
            for (int k = tb.yyal[n]; k <= tb.yyah[n]; ++k) {
                const Pair& p = tb.yya[k];
                o << "    " << Sym(p.sym) << "  ";
                if (p.act > 0) o << "shift, and go to state " << p.act << "\n";
                else if (p.act == 0) o << "accept\n";
                else o << "reduce using rule " << -p.act << " (" << Name(g_.rules[-p.act].lhs) << ")\n";
            }
            for (int k = tb.yygl[n]; k <= tb.yygh[n]; ++k)
                o << "    " << Sym(tb.yyg[k].sym) << "  go to state " << tb.yyg[k].act << "\n";
            for (const Resolved& r : resolved_)
                if (r.state == int(si))
                    o << "    Conflict between rule " << r.rule << " and token " << Name(r.token)
                      << " resolved as " << r.why << "\n";
            for (const auto& c : conflicts_)
                if (c.state == int(si)) {
                    o << "    Conflict on " << Name(c.token) << ": " << (c.sr ? "shift/reduce" : "reduce/reduce")
                      << " between";
                    if (c.sr) o << " shift";
                    const State& s = states_[si];
                    for (size_t j = 0; j < s.reds.size(); ++j)
                        if (BitMatrix::Test(la_.Row(s.laBase + int(j)), c.token)) o << " rule " << s.reds[j];
                    o << "; resolved as " << (c.sr ? "shift" : "the earliest rule") << "\n";
                }
        }
        res_.report = o.str();
    }

    struct Conflict { int state, token; bool sr; int count; };

    Grammar& g_;
    Result& res_;
    Diagnostics& diag_;
    int nrules_ = 0;
    std::vector<int> ritem_, rrhs_;
    std::vector<std::vector<int>> derives_;
    std::vector<char> nullable_;
    BitMatrix fderives_;
    std::vector<uint64_t> ruleset_;
    std::vector<State> states_;
    std::unordered_map<std::vector<int>, int, KernelHash> stateOf_;
    int finalState_ = -1;
    std::vector<int> newNum_;
    std::vector<int> gotoMap_, fromState_, toState_;
    BitMatrix la_;
    std::vector<std::vector<int>> disabled_, errors_;
    std::vector<Resolved> resolved_;
    std::vector<Conflict> conflicts_;
    std::vector<int> unusedTokens_;
    std::unordered_map<int, int> byCode_;
};

}  // namespace

bool Generate(Grammar& g, Result& r, Diagnostics& diag, bool wantReport) {
    r = Result{};
    Builder b(g, r, diag);
    return b.Run(wantReport);
}

}  // namespace yaccgen
