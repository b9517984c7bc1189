#include "yaccgen_test_support.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace ygtest {

std::string ReadFile(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f << text;
}

namespace {
struct TempHolder {
    std::string path;
    TempHolder() {
        std::string base = std::filesystem::temp_directory_path().string() + "/yaccgen-test-XXXXXX";
        std::vector<char> buf(base.begin(), base.end());
        buf.push_back('\0');
        if (mkdtemp(buf.data())) path = buf.data();
    }
    ~TempHolder() {
        std::error_code ec;
        if (!path.empty()) std::filesystem::remove_all(path, ec);
    }
};
}  // namespace

std::string TempDir() {
    static TempHolder holder;
    return holder.path;
}

int Run(const std::string& command, std::string& output) {
    output.clear();
    FILE* p = popen((command + " 2>&1").c_str(), "r");
    if (!p) return -1;
    std::array<char, 4096> buf;
    size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) output.append(buf.data(), n);
    int st = pclose(p);
    return WIFEXITED(st) ? WEXITSTATUS(st) : -1;
}

Counts BisonCounts(const std::string& grammarText) {
    Counts c;
    static int serial = 0;
    std::string dir = TempDir() + "/bison" + std::to_string(++serial);
    std::filesystem::create_directories(dir);
    WriteFile(dir + "/g.y", grammarText);
    std::string out;
    int rc = Run("cd '" + dir + "' && '" BISON_EXE "' -Wno-other -Wno-counterexamples -Wno-conflicts-sr "
                 "-Wno-conflicts-rr -Wno-empty-rule -Wno-precedence -Wno-deprecated "
                 "--define=lr.type=lalr --report=state -o g.c g.y", out);
    if (rc != 0) { c.message = "bison failed: " + out; std::filesystem::remove_all(dir); return c; }
    std::istringstream rep(ReadFile(dir + "/g.output"));
    std::string line;
    c.states = c.sr = c.rr = 0;
    while (std::getline(rep, line)) {
        int n = 0;
        char tail = 0;
        if (std::sscanf(line.c_str(), "State %d%c", &n, &tail) == 1) ++c.states;
        if (line.rfind("State ", 0) == 0 && line.find(" conflicts:") != std::string::npos) {
            // "State 7 conflicts: 1 shift/reduce, 2 reduce/reduce"
            std::istringstream ls(line.substr(line.find(':') + 1));
            std::string word;
            int k = 0;
            while (ls >> k >> word) {
                if (word.rfind("shift/reduce", 0) == 0) c.sr += k;
                else if (word.rfind("reduce/reduce", 0) == 0) c.rr += k;
            }
        }
    }
    c.ok = c.states > 0;
    if (!c.ok) c.message = "no states in bison's report";
    std::filesystem::remove_all(dir);
    return c;
}

Counts YaccgenSummary(const std::string& path) {
    Counts c;
    std::string out;
    int rc = Run("'" YACCGEN_EXE "' --summary '" + path + "'", out);
    if (rc != 0) { c.message = "yaccgen failed: " + out; return c; }
    int rules = 0;
    if (std::sscanf(out.c_str(), "states=%d rules=%d sr=%d rr=%d", &c.states, &rules, &c.sr, &c.rr) != 4) {
        c.message = "unexpected summary: " + out;
        return c;
    }
    c.ok = true;
    return c;
}

Counts YaccgenCounts(const std::string& grammarText, yaccgen::Grammar* gp, yaccgen::Result* rp) {
    Counts c;
    yaccgen::Grammar g;
    yaccgen::Result r;
    yaccgen::Diagnostics d;
    if (!yaccgen::ReadGrammar(grammarText, "g.y", g, d) || !yaccgen::Generate(g, r, d, false)) {
        for (const auto& e : d.errors) c.message += e + "\n";
        return c;
    }
    c.ok = true;
    c.states = r.lr0States;
    c.sr = r.srConflicts;
    c.rr = r.rrConflicts;
    if (gp) *gp = g;
    if (rp) *rp = r;
    return c;
}

namespace {

// Tokens of a bison grammar, as far as the reduction needs them.
struct RTok {
    enum Kind { Ident, Literal, Number, Tag, Directive, Sep, Code, Colon, Semi, Pipe, Bracket, Other, End } kind = End;
    std::string text;
};

class ReduceLexer {
public:
    explicit ReduceLexer(const std::string& s) : s_(s) {}
    RTok Next() {
        Skip();
        RTok t;
        if (p_ >= s_.size()) return t;
        char c = s_[p_];
        size_t start = p_;
        if (c == '%' && At(1) == '%') { p_ += 2; t.kind = RTok::Sep; return t; }
        if (c == '%' && At(1) == '{') {
            size_t e = s_.find("%}", p_);
            p_ = e == std::string::npos ? s_.size() : e + 2;
            t.kind = RTok::Code;
            return t;
        }
        if (c == '%') {
            ++p_;
            while (p_ < s_.size() && (std::isalnum((unsigned char)s_[p_]) || s_[p_] == '_' || s_[p_] == '-')) ++p_;
            t.kind = RTok::Directive;
            t.text = s_.substr(start, p_ - start);
            return t;
        }
        if (std::isalpha((unsigned char)c) || c == '_' || c == '.') {
            while (p_ < s_.size() && (std::isalnum((unsigned char)s_[p_]) || s_[p_] == '_' || s_[p_] == '.' ||
                                      (s_[p_] == '-' && std::isalnum((unsigned char)At(1)))))
                ++p_;
            t.kind = RTok::Ident;
            t.text = s_.substr(start, p_ - start);
            return t;
        }
        if (std::isdigit((unsigned char)c)) {
            while (p_ < s_.size() && std::isalnum((unsigned char)s_[p_])) ++p_;
            t.kind = RTok::Number;
            t.text = s_.substr(start, p_ - start);
            return t;
        }
        if (c == '\'' || c == '"') {
            Quoted(c);
            t.kind = RTok::Literal;
            t.text = s_.substr(start, p_ - start);
            return t;
        }
        if (c == '<') {   // tags nest: <std::vector<int>>
            int depth = 0;
            while (p_ < s_.size()) {
                if (s_[p_] == '<') ++depth;
                if (s_[p_] == '>' && --depth == 0) { ++p_; break; }
                ++p_;
            }
            t.kind = RTok::Tag;
            return t;
        }
        if (c == '{') {
            int depth = 0;
            while (p_ < s_.size()) {
                char d = s_[p_];
                if (d == '"' || d == '\'') { Quoted(d); continue; }
                if (d == '/' && (At(1) == '*' || At(1) == '/')) { Skip(); continue; }
                if (d == '{') ++depth;
                if (d == '}' && --depth == 0) { ++p_; break; }
                ++p_;
            }
            t.kind = RTok::Code;
            return t;
        }
        if (c == '[') {
            size_t e = s_.find(']', p_);
            p_ = e == std::string::npos ? s_.size() : e + 1;
            t.kind = RTok::Bracket;
            return t;
        }
        ++p_;
        t.text = std::string(1, c);
        t.kind = c == ':' ? RTok::Colon : c == ';' ? RTok::Semi : c == '|' ? RTok::Pipe : RTok::Other;
        return t;
    }

private:
    char At(size_t k) const { return p_ + k < s_.size() ? s_[p_ + k] : '\0'; }
    void Quoted(char q) {
        ++p_;
        while (p_ < s_.size() && s_[p_] != q && s_[p_] != '\n') { if (s_[p_] == '\\') ++p_; ++p_; }
        if (p_ < s_.size()) ++p_;
    }
    void Skip() {
        for (;;) {
            while (p_ < s_.size() && std::isspace((unsigned char)s_[p_])) ++p_;
            if (At(0) == '/' && At(1) == '*') {
                size_t e = s_.find("*/", p_ + 2);
                p_ = e == std::string::npos ? s_.size() : e + 2;
            } else if (At(0) == '/' && At(1) == '/') {
                while (p_ < s_.size() && s_[p_] != '\n') ++p_;
            } else return;
        }
    }
    const std::string& s_;
    size_t p_ = 0;
};

}  // namespace

std::string ReduceToPlainYacc(const std::string& text) {
    ReduceLexer lx(text);
    std::vector<RTok> toks;
    for (RTok t = lx.Next(); t.kind != RTok::End; t = lx.Next()) {
        toks.push_back(t);
        if (t.kind == RTok::Sep && std::count_if(toks.begin(), toks.end(), [](const RTok& x) { return x.kind == RTok::Sep; }) == 2)
            break;
    }
    std::string out;
    size_t i = 0;
    auto declEnd = [&](size_t k) {
        return k >= toks.size() || toks[k].kind == RTok::Directive || toks[k].kind == RTok::Sep ||
               (toks[k].kind == RTok::Code && toks[k].text.empty() && false);
    };
    // Declarations.
    while (i < toks.size() && toks[i].kind != RTok::Sep) {
        const RTok& t = toks[i];
        if (t.kind == RTok::Directive &&
            (t.text == "%token" || t.text == "%left" || t.text == "%right" || t.text == "%nonassoc" ||
             t.text == "%precedence" || t.text == "%start")) {
            out += t.text;
            ++i;
            while (!declEnd(i)) {
                const RTok& a = toks[i++];
                if (a.kind == RTok::Ident || a.kind == RTok::Literal || a.kind == RTok::Number) out += " " + a.text;
                if (a.kind == RTok::Code) break;   // a prologue block ends the declaration
            }
            out += "\n";
            continue;
        }
        ++i;
        while (!declEnd(i)) ++i;
    }
    ++i;
    // Rules.  bison also takes declarations between rules (ended by ';'):
    // they move up to the declarations.
    std::string rules;
    std::string& decls = out;
    {
        std::string& out = rules;
    while (i < toks.size() && toks[i].kind != RTok::Sep) {
        const RTok& t = toks[i++];
        if (t.kind == RTok::Directive && t.text != "%prec" && t.text != "%empty" && t.text != "%dprec" &&
            t.text != "%merge" && t.text != "%expect" && t.text != "%expect-rr") {
            bool keep = t.text == "%token" || t.text == "%left" || t.text == "%right" ||
                        t.text == "%nonassoc" || t.text == "%precedence";
            std::string d = t.text;
            while (i < toks.size() && toks[i].kind != RTok::Semi && toks[i].kind != RTok::Sep) {
                const RTok& a = toks[i++];
                if (a.kind == RTok::Ident || a.kind == RTok::Literal || a.kind == RTok::Number) d += " " + a.text;
            }
            if (i < toks.size() && toks[i].kind == RTok::Semi) ++i;
            if (keep) decls += d + "\n";
            continue;
        }
        switch (t.kind) {
            case RTok::Ident:
                if (i < toks.size() && toks[i].kind == RTok::Bracket) ++i;
                if (i < toks.size() && toks[i].kind == RTok::Colon) { out += "\n" + t.text; break; }
                out += " " + t.text;
                break;
            case RTok::Literal: out += " " + t.text; if (i < toks.size() && toks[i].kind == RTok::Bracket) ++i; break;
            case RTok::Colon: out += ":"; break;
            case RTok::Pipe: out += "\n  |"; break;
            case RTok::Semi: out += "\n  ;"; break;
            case RTok::Directive:
                if (t.text == "%prec" && i < toks.size()) out += " %prec " + toks[i++].text;
                else if (t.text == "%empty") out += " %empty";
                else if ((t.text == "%dprec" || t.text == "%expect" || t.text == "%expect-rr" || t.text == "%merge") &&
                         i < toks.size() && (toks[i].kind == RTok::Number || toks[i].kind == RTok::Tag))
                    ++i;
                break;
            default: break;   // actions, tags, named references
        }
    }
    }
    return decls + "%%\n" + rules + "\n";
}

std::string RandomGrammar(uint32_t seed) {
    std::mt19937 rng(seed);
    auto pick = [&](int n) { return int(rng() % uint32_t(n)); };
    int ntok = 2 + pick(7);
    int nchar = pick(4);
    int nnt = 2 + pick(8);
    std::vector<std::string> toks;
    std::string g;
    for (int t = 0; t < ntok; ++t) {
        toks.push_back("T" + std::to_string(t));
        g += "%token T" + std::to_string(t) + " " + std::to_string(300 + t) + "\n";
    }
    for (int c = 0; c < nchar; ++c) toks.push_back(std::string("'") + char('a' + c) + "'");
    // Precedence levels over a random part of the tokens, plus two tokens
    // that only serve %prec.
    std::vector<std::string> shuffled = toks;
    std::shuffle(shuffled.begin(), shuffled.end(), rng);
    int npre = pick(int(shuffled.size()) + 1);
    const char* kinds[] = {"%left", "%right", "%nonassoc"};
    int k = 0;
    while (k < npre) {
        int width = 1 + pick(3);
        g += kinds[pick(3)];
        for (int j = 0; j < width && k < npre; ++j, ++k) g += " " + shuffled[k];
        g += "\n";
    }
    g += std::string(kinds[pick(3)]) + " P0\n" + kinds[pick(3)] + " P1\n";
    if (pick(2)) {
        // move P0 below the others sometimes
        g = "%left P_LOW\n" + g;
    }
    g += "%start N0\n%%\n";
    for (int n = 0; n < nnt; ++n) {
        int nalt = 1 + pick(4);
        g += "N" + std::to_string(n) + ":";
        for (int a = 0; a < nalt; ++a) {
            if (a) g += "\n  |";
            int len = pick(6);
            bool terminalOnly = a == 0 && (n == 0 || pick(3) != 0);
            if (terminalOnly) len = pick(3);
            if (len == 0 && pick(3) == 0) g += " %empty";
            for (int s = 0; s < len; ++s) {
                int r = pick(100);
                if (!terminalOnly && r < 45) g += " N" + std::to_string(pick(nnt));
                else if (r < 50 && !terminalOnly) g += " error";
                else g += " " + toks[pick(int(toks.size()))];
            }
            if (pick(6) == 0) g += std::string(" %prec ") + (pick(2) ? "P0" : pick(2) ? "P1" : toks[pick(int(toks.size()))]);
        }
        g += "\n  ;\n";
    }
    return g;
}

}  // namespace ygtest

namespace ygtest {

std::string BisonReport(const std::string& grammarText) {
    static int serial = 0;
    std::string dir = TempDir() + "/report" + std::to_string(++serial);
    std::filesystem::create_directories(dir);
    WriteFile(dir + "/g.y", grammarText);
    std::string out;
    int rc = Run("cd '" + dir + "' && '" BISON_EXE "' -Wno-other -Wno-counterexamples -Wno-conflicts-sr "
                 "-Wno-conflicts-rr -Wno-empty-rule -Wno-precedence -Wno-deprecated "
                 "--define=lr.type=lalr --define=lr.default-reduction=consistent --report=state -o g.c g.y", out);
    std::string report = rc == 0 ? ReadFile(dir + "/g.output") : std::string();
    std::filesystem::remove_all(dir);
    return report;
}

namespace {

std::string Normalize(std::string s) {
    auto replaceAll = [&](const std::string& from, const std::string& to) {
        for (size_t p = s.find(from); p != std::string::npos; p = s.find(from, p + to.size())) s.replace(p, from.size(), to);
    };
    replaceAll("\xe2\x80\xa2", ".");   // bison's dot
    replaceAll("\xce\xb5", "");        // bison's empty
    replaceAll("%empty", "");
    replaceAll("   (useless)", "");
    std::string out;
    std::istringstream words(s);
    std::string w;
    while (words >> w) out += (out.empty() ? "" : " ") + w;
    return out;
}

bool StartsWithNumber(const std::string& line, int& number, std::string& rest) {
    size_t i = line.find_first_not_of(' ');
    if (i == std::string::npos || !std::isdigit((unsigned char)line[i])) return false;
    size_t j = i;
    while (j < line.size() && std::isdigit((unsigned char)line[j])) ++j;
    if (j >= line.size() || line[j] != ' ') return false;
    number = std::atoi(line.c_str() + i);
    rest = line.substr(j + 1);
    return true;
}

}  // namespace

ReportTables ReadStateReport(const std::string& report) {
    ReportTables t;
    std::map<int, std::string> rules;
    struct Raw { std::vector<std::string> kernel; std::vector<std::string> lines; };
    std::map<int, Raw> states;
    std::istringstream in(report);
    std::string line, lhs;
    int current = -1;
    bool inGrammar = false;
    while (std::getline(in, line)) {
        int n = 0;
        std::string rest;
        if (line == "Grammar" || line.rfind("Grammar ", 0) == 0) { inGrammar = true; continue; }
        if (std::sscanf(line.c_str(), "State %d", &n) == 1 && line.find("conflicts") == std::string::npos) {
            inGrammar = false;
            current = n;
            states[n];
            continue;
        }
        bool numbered = StartsWithNumber(line, n, rest);
        if (numbered) {
            // "r lhs: rhs" or "r   | rhs"
            std::string text = Normalize(rest);
            if (!text.empty() && text[0] == '|') text = lhs + ":" + text.substr(1);
            else lhs = text.substr(0, text.find(':'));
            text = Normalize(text);
            if (inGrammar || current < 0) { rules[n] = text; continue; }
            states[current].kernel.push_back(text);
            continue;
        }
        if (current < 0 || line.find('[') != std::string::npos) continue;
        std::string norm = Normalize(line);
        if (norm.empty() || norm.rfind("Conflict ", 0) == 0) continue;
        states[current].lines.push_back(norm);
    }
    // Kernels name the states.
    std::map<int, std::string> name;
    int finalState = -1;
    for (auto& [n, raw] : states) {
        std::sort(raw.kernel.begin(), raw.kernel.end());
        std::string k;
        for (const std::string& item : raw.kernel) k += item + "; ";
        name[n] = k;
        if (raw.kernel.size() == 1 && raw.kernel[0].rfind("$accept:", 0) == 0 &&
            raw.kernel[0].size() >= 2 && raw.kernel[0].substr(raw.kernel[0].size() - 2) == " .")
            finalState = n;
    }
    for (auto& [n, raw] : states) {
        if (n == finalState) continue;
        std::vector<std::string> acts;
        for (const std::string& l : raw.lines) {
            std::istringstream ls(l);
            std::string sym, w1, w2, w3, w4, w5;
            ls >> sym >> w1;
            int target = 0;
            if (w1 == "shift,") {
                ls >> w2 >> w3 >> w4 >> w5 >> target;   // "and go to state N"
                if (target == finalState) acts.push_back(sym + " accept");
                else acts.push_back(sym + " shift " + name[target]);
            } else if (w1 == "reduce") {
                int rule = 0;
                ls >> w2 >> w3 >> rule;                  // "using rule N (lhs)"
                acts.push_back(sym + " reduce " + rules[rule]);
            } else if (w1 == "accept") {
                acts.push_back(sym + " accept");
            } else if (w1 == "go") {
                ls >> w2 >> w3 >> target;                // "to state N"
                acts.push_back(sym + " goto " + name[target]);
            } else if (w1 == "error") {
                continue;                                // %nonassoc: no entry
            } else {
                t.error = "unexpected report line: " + l;
                return t;
            }
        }
        std::sort(acts.begin(), acts.end());
        t.states.emplace_back(name[n], acts);
    }
    std::sort(t.states.begin(), t.states.end());
    return t;
}

}  // namespace ygtest
