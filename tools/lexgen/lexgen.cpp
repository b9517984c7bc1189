// lexgen: rule file -> NFA (Thompson) -> DFA (subset construction over byte
// classes) -> minimal DFA (partition refinement) -> C++ tables.
#include "lexgen.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <sstream>

namespace lexgen {

namespace {

std::string Where(const std::string& file, int line) {
    return file + ":" + std::to_string(line) + ": ";
}

bool IsIdentStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool IsIdentChar(char c) { return IsIdentStart(c) || (c >= '0' && c <= '9'); }

std::string Trim(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t' || s[e - 1] == '\r')) --e;
    return s.substr(b, e - b);
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string cur;
    for (char c : text) {
        if (c == '\n') {
            if (!cur.empty() && cur.back() == '\r') cur.pop_back();
            lines.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    if (!cur.empty()) lines.push_back(cur);
    return lines;
}

std::vector<std::string> Words(const std::string& s) {
    std::vector<std::string> out;
    std::istringstream in(s);
    std::string w;
    while (in >> w) out.push_back(w);
    return out;
}

// ---------------------------------------------------------------- NFA

struct NfaState {
    std::vector<int> eps;
    int set = -1;       // index into Nfa::sets, -1 when only epsilon edges
    int next = -1;      // target of the set edge
    int rule = 0;       // rule accepted here (0: none)
};

struct Nfa {
    std::vector<NfaState> st;
    std::vector<CharSet> sets;
    int Add() {
        st.emplace_back();
        return static_cast<int>(st.size()) - 1;
    }
};

struct Frag {
    int start = -1;
    int end = -1;
};

using MacroMap = std::map<std::string, std::string>;

class RegexParser {
public:
    RegexParser(const std::string& src, Nfa& nfa, const MacroMap& macros, std::string where,
                int depth)
        : s_(src), nfa_(nfa), macros_(macros), where_(std::move(where)), depth_(depth) {}

    Frag ParseAll() {
        Frag f = ParseAlt();
        if (pos_ < s_.size()) Fail(std::string("unexpected '") + s_[pos_] + "'");
        return f;
    }

private:
    [[noreturn]] void Fail(const std::string& msg) const {
        throw GenError(where_ + msg + " in pattern `" + s_ + "`");
    }

    bool AtEnd() const { return pos_ >= s_.size(); }
    char Peek() const { return s_[pos_]; }

    Frag Empty() {
        int a = nfa_.Add();
        return {a, a};
    }

    Frag FromSet(const CharSet& cs) {
        if (cs.test(0)) Fail("byte 0 may not appear in a pattern");
        if (cs.none()) Fail("empty character set");
        int a = nfa_.Add();
        int b = nfa_.Add();
        nfa_.sets.push_back(cs);
        nfa_.st[a].set = static_cast<int>(nfa_.sets.size()) - 1;
        nfa_.st[a].next = b;
        return {a, b};
    }

    Frag Concat(Frag a, Frag b) {
        if (a.start < 0) return b;
        nfa_.st[a.end].eps.push_back(b.start);
        return {a.start, b.end};
    }

    Frag ParseAlt() {
        Frag f = ParseConcat();
        while (!AtEnd() && Peek() == '|') {
            ++pos_;
            Frag g = ParseConcat();
            int s = nfa_.Add();
            int e = nfa_.Add();
            nfa_.st[s].eps = {f.start, g.start};
            nfa_.st[f.end].eps.push_back(e);
            nfa_.st[g.end].eps.push_back(e);
            f = {s, e};
        }
        return f;
    }

    Frag ParseConcat() {
        Frag f;
        while (!AtEnd() && Peek() != '|' && Peek() != ')') f = Concat(f, ParseRepeat());
        if (f.start < 0) f = Empty();
        return f;
    }

    Frag ParseRepeat() {
        Frag f = ParseAtom();
        while (!AtEnd()) {
            char c = Peek();
            if (c == '*') {
                ++pos_;
                int s = nfa_.Add();
                int e = nfa_.Add();
                nfa_.st[s].eps = {f.start, e};
                nfa_.st[f.end].eps.push_back(f.start);
                nfa_.st[f.end].eps.push_back(e);
                f = {s, e};
            } else if (c == '+') {
                ++pos_;
                int e = nfa_.Add();
                nfa_.st[f.end].eps.push_back(f.start);
                nfa_.st[f.end].eps.push_back(e);
                f = {f.start, e};
            } else if (c == '?') {
                ++pos_;
                int s = nfa_.Add();
                int e = nfa_.Add();
                nfa_.st[s].eps = {f.start, e};
                nfa_.st[f.end].eps.push_back(e);
                f = {s, e};
            } else if (c == '{' && pos_ + 1 < s_.size() &&
                       (s_[pos_ + 1] >= '0' && s_[pos_ + 1] <= '9')) {
                Fail("counted repetition is not supported");
            } else {
                break;
            }
        }
        return f;
    }

    int ParseEscape() {  // after the backslash
        if (AtEnd()) Fail("pattern ends in a backslash");
        char c = s_[pos_++];
        switch (c) {
            case 'n': return '\n';
            case 'r': return '\r';
            case 't': return '\t';
            case 'f': return '\f';
            case 'v': return '\v';
            case 'a': return '\a';
            case 'b': return '\b';
            case 'e': return 27;
            case 'x': {
                int v = 0, n = 0;
                while (n < 2 && !AtEnd() && std::isxdigit(static_cast<unsigned char>(Peek()))) {
                    char h = s_[pos_++];
                    v = v * 16 + (h <= '9' ? h - '0' : (std::tolower(h) - 'a' + 10));
                    ++n;
                }
                if (n == 0) Fail("\\x needs hexadecimal digits");
                return v;
            }
            default:
                if (c >= '0' && c <= '7') {
                    int v = c - '0', n = 1;
                    while (n < 3 && !AtEnd() && Peek() >= '0' && Peek() <= '7') {
                        v = v * 8 + (s_[pos_++] - '0');
                        ++n;
                    }
                    if (v > 255) Fail("octal escape above 255");
                    return v;
                }
                return static_cast<unsigned char>(c);
        }
    }

    CharSet ParseClass() {  // after '['
        CharSet cs;
        bool negate = false;
        if (!AtEnd() && Peek() == '^') {
            negate = true;
            ++pos_;
        }
        bool first = true;
        for (;;) {
            if (AtEnd()) Fail("unterminated character class");
            char c = Peek();
            if (c == ']' && !first) {
                ++pos_;
                break;
            }
            first = false;
            int lo;
            ++pos_;
            lo = (c == '\\') ? ParseEscape() : static_cast<unsigned char>(c);
            int hi = lo;
            if (pos_ + 1 < s_.size() && Peek() == '-' && s_[pos_ + 1] != ']') {
                ++pos_;
                char d = s_[pos_++];
                hi = (d == '\\') ? ParseEscape() : static_cast<unsigned char>(d);
                if (hi < lo) Fail("reversed range in a character class");
            }
            for (int b = lo; b <= hi; ++b) cs.set(b);
        }
        if (negate) {
            cs.flip();
            cs.reset(0);  // a negated class never holds byte 0
        }
        return cs;
    }

    Frag ParseAtom() {
        char c = s_[pos_++];
        switch (c) {
            case '(': {
                Frag f = ParseAlt();
                if (AtEnd() || Peek() != ')') Fail("missing ')'");
                ++pos_;
                return f;
            }
            case '[': return FromSet(ParseClass());
            case '.': {
                CharSet cs;
                cs.set();
                cs.reset(0);
                cs.reset('\n');
                return FromSet(cs);
            }
            case '"': {
                Frag f;
                for (;;) {
                    if (AtEnd()) Fail("unterminated string");
                    char d = s_[pos_++];
                    if (d == '"') break;
                    int b = (d == '\\') ? ParseEscape() : static_cast<unsigned char>(d);
                    CharSet cs;
                    cs.set(b);
                    f = Concat(f, FromSet(cs));
                }
                if (f.start < 0) f = Empty();
                return f;
            }
            case '{': {
                size_t close = s_.find('}', pos_);
                if (close == std::string::npos) Fail("missing '}'");
                std::string name = s_.substr(pos_, close - pos_);
                pos_ = close + 1;
                auto it = macros_.find(name);
                if (it == macros_.end()) Fail("undefined definition {" + name + "}");
                if (depth_ > 32) Fail("definitions nest too deeply");
                RegexParser sub(it->second, nfa_, macros_, where_, depth_ + 1);
                return sub.ParseAll();
            }
            case '\\': {
                CharSet cs;
                cs.set(ParseEscape());
                return FromSet(cs);
            }
            case '*': case '+': case '?': Fail(std::string("nothing to repeat before '") + c + "'");
            case ')': Fail("unbalanced ')'");
            case '/': Fail("trailing context is not supported (quote the '/')");
            case '$': Fail("'$' anchors are not supported (quote the '$')");
            case '^': Fail("'^' is only allowed at the start of a pattern");
            default: {
                CharSet cs;
                cs.set(static_cast<unsigned char>(c));
                return FromSet(cs);
            }
        }
    }

    const std::string& s_;
    size_t pos_ = 0;
    Nfa& nfa_;
    const MacroMap& macros_;
    std::string where_;
    int depth_ = 0;
};

// Epsilon closure of a set of NFA states, sorted.
class Closure {
public:
    explicit Closure(const Nfa& nfa) : nfa_(nfa), mark_(nfa.st.size(), 0) {}
    std::vector<int> Of(const std::vector<int>& seeds) {
        ++stamp_;
        std::vector<int> out, stack;
        for (int s : seeds) Visit(s, stack, out);
        while (!stack.empty()) {
            int s = stack.back();
            stack.pop_back();
            for (int t : nfa_.st[s].eps) Visit(t, stack, out);
        }
        std::sort(out.begin(), out.end());
        return out;
    }

private:
    void Visit(int s, std::vector<int>& stack, std::vector<int>& out) {
        if (mark_[s] == stamp_) return;
        mark_[s] = stamp_;
        stack.push_back(s);
        out.push_back(s);
    }
    const Nfa& nfa_;
    std::vector<unsigned> mark_;
    unsigned stamp_ = 0;
};

}  // namespace

// ---------------------------------------------------------------- parsing

Spec ParseSpec(const std::string& text, const std::string& fileName) {
    Spec spec;
    spec.conditions.push_back({"INITIAL", false});
    std::vector<std::string> lines = SplitLines(text);
    size_t i = 0;
    std::map<std::string, int> names;  // every generated constant name
    names["INITIAL"] = 0;
    // Definitions section.
    for (; i < lines.size(); ++i) {
        std::string raw = lines[i];
        std::string line = Trim(raw);
        int ln = static_cast<int>(i) + 1;
        if (line == "%%") {
            ++i;
            break;
        }
        if (line.empty() || line.rfind("//", 0) == 0) continue;
        if (line.rfind("%option", 0) == 0) {
            for (const std::string& w : Words(line.substr(7))) {
                if (w.rfind("prefix=", 0) == 0) {
                    std::string v = w.substr(7);
                    if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
                    if (v.empty() || !IsIdentStart(v[0]) ||
                        !std::all_of(v.begin(), v.end(), IsIdentChar))
                        throw GenError(Where(fileName, ln) + "bad prefix '" + v + "'");
                    spec.prefix = v;
                } else {
                    throw GenError(Where(fileName, ln) + "unknown option '" + w + "'");
                }
            }
            continue;
        }
        if (line.rfind("%s", 0) == 0 || line.rfind("%x", 0) == 0) {
            bool excl = line[1] == 'x';
            for (const std::string& w : Words(line.substr(2))) {
                if (!IsIdentStart(w[0]) || !std::all_of(w.begin(), w.end(), IsIdentChar))
                    throw GenError(Where(fileName, ln) + "bad start condition name '" + w + "'");
                if (names.count(w))
                    throw GenError(Where(fileName, ln) + "name '" + w + "' defined twice");
                names[w] = ln;
                spec.conditions.push_back({w, excl});
            }
            continue;
        }
        if (line[0] == '%') throw GenError(Where(fileName, ln) + "unknown directive " + line);
        if (!IsIdentStart(raw[0]))
            throw GenError(Where(fileName, ln) + "definition lines start with a name");
        size_t e = 0;
        while (e < raw.size() && IsIdentChar(raw[e])) ++e;
        std::string name = raw.substr(0, e);
        std::string body = Trim(raw.substr(e));
        if (body.empty()) throw GenError(Where(fileName, ln) + "definition '" + name + "' is empty");
        if (spec.macros.count(name))
            throw GenError(Where(fileName, ln) + "definition '" + name + "' given twice");
        spec.macros[name] = body;
    }
    // Rules section.
    for (; i < lines.size(); ++i) {
        const std::string& raw = lines[i];
        std::string line = Trim(raw);
        int ln = static_cast<int>(i) + 1;
        if (line == "%%") break;
        if (line.empty() || line.rfind("//", 0) == 0) continue;
        Rule rule;
        rule.line = ln;
        size_t p = 0;
        // <A,B> start-condition prefix
        if (line[0] == '<') {
            size_t close = line.find('>');
            std::string inner = close == std::string::npos ? "" : line.substr(1, close - 1);
            bool isList = !inner.empty() &&
                          std::all_of(inner.begin(), inner.end(),
                                      [](char c) { return IsIdentChar(c) || c == ','; });
            if (isList) {
                std::string cur;
                std::istringstream in(inner);
                while (std::getline(in, cur, ',')) {
                    auto it = std::find_if(spec.conditions.begin(), spec.conditions.end(),
                                           [&](const StartCondition& c) { return c.name == cur; });
                    if (it == spec.conditions.end())
                        throw GenError(Where(fileName, ln) + "undeclared start condition '" + cur + "'");
                    int k = static_cast<int>(it - spec.conditions.begin());
                    if (std::find(rule.conditions.begin(), rule.conditions.end(), k) ==
                        rule.conditions.end())
                        rule.conditions.push_back(k);
                }
                std::sort(rule.conditions.begin(), rule.conditions.end());
                p = close + 1;
            }
        }
        if (p < line.size() && line[p] == '^') {
            rule.anchored = true;
            ++p;
        }
        // The pattern runs to the first blank outside quotes and classes.
        size_t start = p;
        bool inQuote = false, inClass = false, classFirst = false;
        for (; p < line.size(); ++p) {
            char c = line[p];
            if (c == '\\') {
                ++p;
                classFirst = false;
                continue;
            }
            if (inQuote) {
                if (c == '"') inQuote = false;
                continue;
            }
            if (inClass) {
                if (classFirst) {
                    classFirst = false;
                    if (c == '^') classFirst = true;  // "[^]...]"
                    continue;
                }
                if (c == ']') inClass = false;
                continue;
            }
            if (c == '"') inQuote = true;
            else if (c == '[') inClass = classFirst = true;
            else if (c == ' ' || c == '\t') break;
        }
        if (inQuote) throw GenError(Where(fileName, ln) + "unterminated string");
        if (inClass) throw GenError(Where(fileName, ln) + "unterminated character class");
        rule.pattern = line.substr(start, p - start);
        if (rule.pattern.empty()) throw GenError(Where(fileName, ln) + "rule without a pattern");
        std::string action = Trim(line.substr(p));
        size_t cmt = action.find("//");
        if (cmt != std::string::npos) action = Trim(action.substr(0, cmt));
        if (action.size() >= 2 && action.front() == '{' && action.back() == '}')
            action = Trim(action.substr(1, action.size() - 2));
        if (action.empty() || !IsIdentStart(action[0]) ||
            !std::all_of(action.begin(), action.end(), IsIdentChar))
            throw GenError(Where(fileName, ln) +
                           "the action must name the rule: pattern { RULE_NAME }");
        if (names.count(action))
            throw GenError(Where(fileName, ln) + "name '" + action + "' defined twice");
        names[action] = ln;
        rule.name = action;
        rule.number = static_cast<int>(spec.rules.size()) + 1;
        spec.rules.push_back(rule);
    }
    if (spec.rules.empty()) throw GenError(fileName + ": no rules");
    return spec;
}

// ---------------------------------------------------------------- DFA

Tables BuildTables(const Spec& spec, const std::string& fileName,
                   std::vector<std::string>* warnings) {
    Nfa nfa;
    const int R = static_cast<int>(spec.rules.size());
    const int K = static_cast<int>(spec.conditions.size());
    std::vector<int> ruleStart(R + 1), ruleEnd(R + 1);
    for (const Rule& r : spec.rules) {
        RegexParser parser(r.pattern, nfa, spec.macros, Where(fileName, r.line), 0);
        Frag f = parser.ParseAll();
        ruleStart[r.number] = f.start;
        ruleEnd[r.number] = f.end;
        nfa.st[f.end].rule = r.number;
    }
    Closure closure(nfa);
    for (const Rule& r : spec.rules) {
        std::vector<int> c = closure.Of({ruleStart[r.number]});
        if (std::binary_search(c.begin(), c.end(), ruleEnd[r.number]))
            throw GenError(Where(fileName, r.line) + "rule " + r.name +
                           " matches the empty string");
    }

    // Byte classes: bytes that no pattern set tells apart share a class.
    std::array<int, 256> cls{};
    int nclasses = 1;
    for (const CharSet& cs : nfa.sets) {
        std::map<std::pair<int, bool>, int> remap;
        for (int b = 0; b < 256; ++b) {
            auto key = std::make_pair(cls[b], static_cast<bool>(cs.test(b)));
            auto it = remap.find(key);
            if (it == remap.end()) it = remap.emplace(key, static_cast<int>(remap.size())).first;
            cls[b] = it->second;
        }
        nclasses = static_cast<int>(remap.size());
    }
    std::vector<int> rep(nclasses, -1);
    std::vector<CharSet> classBytes(nclasses);
    for (int b = 0; b < 256; ++b) {
        if (rep[cls[b]] < 0) rep[cls[b]] = b;
        classBytes[cls[b]].set(b);
    }

    // Subset construction.
    std::map<std::vector<int>, int> ids;
    std::vector<std::vector<int>> sets;
    auto idOf = [&](std::vector<int> s) {
        auto it = ids.find(s);
        if (it != ids.end()) return it->second;
        int id = static_cast<int>(sets.size());
        ids.emplace(s, id);
        sets.push_back(std::move(s));
        return id;
    };
    std::vector<int> startIds;
    for (int k = 0; k < K; ++k) {
        for (int anchor = 0; anchor < 2; ++anchor) {
            std::vector<int> seeds;
            for (const Rule& r : spec.rules) {
                bool active = r.conditions.empty()
                                  ? !spec.conditions[k].exclusive
                                  : std::binary_search(r.conditions.begin(), r.conditions.end(), k);
                if (active && (anchor == 1 || !r.anchored)) seeds.push_back(ruleStart[r.number]);
            }
            startIds.push_back(idOf(closure.Of(seeds)));
        }
    }
    std::vector<std::vector<int>> delta;   // per DFA state, per class: target or -1
    std::vector<std::vector<int>> accepts;
    for (size_t d = 0; d < sets.size(); ++d) {
        std::vector<int> row(nclasses, -1);
        for (int c = 0; c < nclasses; ++c) {
            std::vector<int> seeds;
            for (int s : sets[d]) {
                const NfaState& ns = nfa.st[s];
                if (ns.set >= 0 && nfa.sets[ns.set].test(rep[c])) seeds.push_back(ns.next);
            }
            if (seeds.empty()) continue;
            row[c] = idOf(closure.Of(seeds));
        }
        delta.push_back(std::move(row));
        std::vector<int> acc;
        for (int s : sets[d])
            if (nfa.st[s].rule) acc.push_back(nfa.st[s].rule);
        std::sort(acc.begin(), acc.end());
        accepts.push_back(std::move(acc));
    }
    const int N = static_cast<int>(sets.size());

    // Minimization: refine the partition by accepted rules until the
    // targets of every class agree.
    std::vector<int> block(N);
    int nblocks = 0;
    {
        std::map<std::vector<int>, int> m;
        for (int d = 0; d < N; ++d) {
            auto it = m.find(accepts[d]);
            if (it == m.end()) it = m.emplace(accepts[d], static_cast<int>(m.size())).first;
            block[d] = it->second;
        }
        nblocks = static_cast<int>(m.size());
    }
    for (;;) {
        std::map<std::vector<int>, int> m;
        std::vector<int> nb(N);
        for (int d = 0; d < N; ++d) {
            std::vector<int> key;
            key.reserve(nclasses + 1);
            key.push_back(block[d]);
            for (int c = 0; c < nclasses; ++c) key.push_back(delta[d][c] < 0 ? -1 : block[delta[d][c]]);
            auto it = m.find(key);
            if (it == m.end()) it = m.emplace(std::move(key), static_cast<int>(m.size())).first;
            nb[d] = it->second;
        }
        int n = static_cast<int>(m.size());
        block.swap(nb);
        if (n == nblocks) break;
        nblocks = n;
    }
    std::vector<int> blockRep(nblocks, -1);
    for (int d = 0; d < N; ++d)
        if (blockRep[block[d]] < 0) blockRep[block[d]] = d;

    // Numbering: the start states take 0..2K-1 (a block serving several
    // start slots is emitted once per slot); the rest follow in BFS order.
    const int S = 2 * K;
    std::vector<int> number(nblocks, -1);
    std::vector<int> order;  // output state -> block
    for (int s = 0; s < S; ++s) {
        int b = block[startIds[s]];
        if (number[b] < 0) number[b] = s;
        order.push_back(b);
    }
    for (size_t q = 0; q < order.size(); ++q) {
        int d = blockRep[order[q]];
        for (int c = 0; c < nclasses; ++c) {
            if (delta[d][c] < 0) continue;
            int b = block[delta[d][c]];
            if (number[b] < 0) {
                number[b] = static_cast<int>(order.size());
                order.push_back(b);
            }
        }
    }

    Tables t;
    t.conditions = K;
    for (int b : order) {
        int d = blockRep[b];
        State st;
        st.rules = accepts[d];
        std::map<int, CharSet> byTarget;
        for (int c = 0; c < nclasses; ++c)
            if (delta[d][c] >= 0) byTarget[number[block[delta[d][c]]]] |= classBytes[c];
        for (auto& [next, set] : byTarget) {
            set.reset(0);
            if (set.any()) st.transitions.push_back({set, next});
        }
        // The runtime takes the first set that holds the byte: large sets first.
        std::stable_sort(st.transitions.begin(), st.transitions.end(),
                         [](const Transition& a, const Transition& b) {
                             return a.set.count() > b.set.count();
                         });
        t.states.push_back(std::move(st));
    }

    if (warnings) {
        std::vector<bool> seen(R + 1, false);
        for (const State& st : t.states)
            for (int r : st.rules) seen[r] = true;
        for (const Rule& r : spec.rules)
            if (!seen[r.number])
                warnings->push_back(Where(fileName, r.line) + "rule " + r.name + " can never match");
    }
    return t;
}

// ---------------------------------------------------------------- output

namespace {

std::string Hex32(uint32_t v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%08xu", v);
    return buf;
}

void EmitIntArray(std::ostringstream& o, const char* name, const std::vector<int>& v) {
    o << "const int32_t " << name << "[] = {";
    for (size_t i = 0; i < v.size(); ++i) {
        if (i % 16 == 0) o << "\n    ";
        o << v[i] << (i + 1 < v.size() ? "," : "");
    }
    o << "\n};\n";
}

}  // namespace

std::string EmitHeader(const Spec& spec, const Tables& tables, const std::string& baseName) {
    std::ostringstream o;
    o << "// Generated by lexgen from a rule file; do not edit.\n"
      << "#pragma once\n\n#include \"parse/rklexlib.h\"\n\n"
      << "namespace " << spec.prefix << " {\n\n"
      << "// Start states, the values yystart takes (condition k is DFA state 2k).\n"
      << "enum : int {\n";
    for (size_t k = 0; k < spec.conditions.size(); ++k)
        o << "    " << spec.conditions[k].name << " = " << 2 * k << ",\n";
    o << "};\n\n// Rule numbers in file order; at equal length the lower number wins.\n"
      << "enum : int {\n";
    for (const Rule& r : spec.rules)
        o << "    " << r.name << " = " << r.number << ",  // `" << (r.anchored ? "^" : "") << r.pattern << "`\n";
    o << "};\n\n"
      << "inline constexpr int RuleCount = " << spec.rules.size() << ";\n"
      << "inline constexpr int StateCount = " << tables.states.size() << ";\n\n"
      << "extern const TRkLexTables tables;\n\n"
      << "}  // namespace " << spec.prefix << "\n";
    (void)baseName;
    return o.str();
}

std::string EmitSource(const Spec& spec, const Tables& tables, const std::string& baseName) {
    std::vector<int> yyk{0}, yykl, yykh, yytl, yyth;
    std::vector<const Transition*> trans;
    for (const State& st : tables.states) {
        yykl.push_back(static_cast<int>(yyk.size()));
        for (int r : st.rules) yyk.push_back(r);
        yykh.push_back(static_cast<int>(yyk.size()) - 1);
        yytl.push_back(static_cast<int>(trans.size()) + 1);
        for (const Transition& tr : st.transitions) trans.push_back(&tr);
        yyth.push_back(static_cast<int>(trans.size()));
    }
    std::ostringstream o;
    o << "// Generated by lexgen from a rule file; do not edit.\n"
      << "#include \"" << baseName << ".h\"\n\n"
      << "namespace " << spec.prefix << " {\n\nnamespace {\n\n"
      << "// Rules to mark and rules that match: the same lists (entry 0 unused).\n";
    EmitIntArray(o, "yyk", yyk);
    EmitIntArray(o, "yykl", yykl);
    EmitIntArray(o, "yykh", yykh);
    o << "\n// Transitions (entry 0 unused): 256-bit byte set, next state.\n"
      << "const TYYTRec yyt[] = {\n    {{0, 0, 0, 0, 0, 0, 0, 0}, 0},\n";
    for (const Transition* tr : trans) {
        o << "    {{";
        for (int w = 0; w < 8; ++w) {
            uint32_t v = 0;
            for (int b = 0; b < 32; ++b)
                if (tr->set.test(w * 32 + b)) v |= 1u << b;
            o << Hex32(v) << (w < 7 ? ", " : "");
        }
        o << "}, " << tr->next << "},\n";
    }
    o << "};\n";
    EmitIntArray(o, "yytl", yytl);
    EmitIntArray(o, "yyth", yyth);
    // The same transitions as a byte-indexed table per state, for the walk.
    const bool dense = tables.states.size() < 32768;
    if (dense) {
        o << "\n// Next state per state and byte (-1: none), the same as yyt.\n"
          << "const int16_t yynext[] = {\n";
        for (const State& st : tables.states) {
            std::array<int, 256> row;
            row.fill(-1);
            for (const Transition& tr : st.transitions)
                for (int b = 0; b < 256; ++b)
                    if (tr.set.test(b) && row[b] < 0) row[b] = tr.next;
            for (int b = 0; b < 256; ++b) o << (b % 32 == 0 ? "    " : "") << row[b] << (b % 32 == 31 ? ",\n" : ",");
        }
        o << "};\n";
    }
    // The rule a state accepts: the first of its matching rules, 0 for none.
    // With no trailing context every rule is marked where it matches, so the
    // longest match is the last accepting state passed, and the walk needs
    // neither marks nor a match stack.
    o << "\n// Accepting rule per state (0: none), the first of its yym list.\n"
      << "const int32_t yyacc[] = {\n";
    for (size_t k = 0; k < tables.states.size(); ++k) {
        const State& st = tables.states[k];
        o << (k % 16 == 0 ? "    " : " ") << (st.rules.empty() ? 0 : st.rules.front()) << ",";
        if (k % 16 == 15 || k + 1 == tables.states.size()) o << "\n";
    }
    o << "};\n";
    o << "\n}  // namespace\n\n"
      << "extern const TRkLexTables tables = {\n"
      << "    yyk, " << yyk.size() - 1 << ",\n"
      << "    yyk, " << yyk.size() - 1 << ",\n"
      << "    yyt, " << trans.size() << ",\n"
      << "    yykl, yykh, yykl, yykh, yytl, yyth,\n"
      << "    " << tables.states.size() << ", " << spec.rules.size() << ", " << tables.conditions
      << ",\n    " << (dense ? "yynext" : "nullptr") << ",\n    yyacc,\n};\n\n}  // namespace " << spec.prefix << "\n";
    return o.str();
}

}  // namespace lexgen
