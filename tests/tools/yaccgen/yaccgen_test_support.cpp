#include "yaccgen_test_support.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>

namespace ygtest {

std::string ReadFile(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

namespace {
struct TempHolder {
    std::string path;
    TempHolder() {
        std::string base = std::filesystem::temp_directory_path().string() + "/yaccgen-test-XXXXXX";
        if (mkdtemp(base.data())) path = base;
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

Counts Bison(const std::string& grammarText) {
    Counts c;
    static int serial = 0;
    std::string dir = TempDir() + "/bison" + std::to_string(++serial), out;
    std::filesystem::create_directories(dir);
    WriteFile(dir + "/g.y", grammarText);
    int rc = Run("cd '" + dir + "' && '" BISON_EXE "' -Wno-other -Wno-counterexamples -Wno-conflicts-sr "
                 "-Wno-conflicts-rr -Wno-empty-rule -Wno-precedence -Wno-deprecated --define=lr.type=lalr "
                 "--define=lr.default-reduction=consistent --report=state -o g.c g.y", out);
    if (rc == 0) c.report = ReadFile(dir + "/g.output");
    std::filesystem::remove_all(dir);
    if (rc != 0) { c.message = "bison failed: " + out; return c; }
    std::istringstream rep(c.report);
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
            while (ls >> k >> word) (word.rfind("shift/reduce", 0) == 0 ? c.sr : c.rr) += k;
        }
    }
    c.ok = c.states > 0;
    if (!c.ok) c.message = "no states in bison's report";
    return c;
}

Counts YaccgenSummary(const std::string& path) {
    Counts c;
    std::string out;
    int rules = 0;
    if (Run("'" YACCGEN_EXE "' --summary '" + path + "'", out) != 0) c.message = "yaccgen failed: " + out;
    else if (std::sscanf(out.c_str(), "states=%d rules=%d sr=%d rr=%d", &c.states, &rules, &c.sr, &c.rr) != 4)
        c.message = "unexpected summary: " + out;
    else c.ok = true;
    return c;
}

Counts Yaccgen(const std::string& grammarText, yaccgen::Grammar* gp, yaccgen::Result* rp) {
    Counts c;
    yaccgen::Grammar g;
    yaccgen::Result r;
    yaccgen::Diagnostics d;
    if (!yaccgen::ReadGrammar(grammarText, "g.y", g, d) || !yaccgen::Generate(g, r, d, true)) {
        for (const auto& e : d.errors) c.message += e + "\n";
        return c;
    }
    c = {true, r.lr0States, r.srConflicts, r.rrConflicts, "", r.report};
    if (gp) *gp = g;
    if (rp) *rp = r;
    return c;
}

namespace {

std::string Normalize(std::string s) {
    for (const char* from : {"\xe2\x80\xa2", "\xce\xb5", "%empty", "   (useless)"}) {   // bison's dot, its empty
        const std::string to = from[0] == '\xe2' ? "." : "";
        for (size_t p = s.find(from); p != std::string::npos; p = s.find(from, p + to.size()))
            s.replace(p, std::strlen(from), to);
    }
    std::string out, w;
    std::istringstream words(s);
    while (words >> w) out += (out.empty() ? "" : " ") + w;
    return out;
}

// "  12 rest" -> 12, "rest"
bool StartsWithNumber(const std::string& line, int& number, std::string& rest) {
    size_t i = line.find_first_not_of(' ');
    if (i == std::string::npos || !std::isdigit((unsigned char)line[i])) return false;
    size_t j = line.find_first_not_of("0123456789", i);
    if (j == std::string::npos || line[j] != ' ') return false;
    number = std::atoi(line.c_str() + i);
    rest = line.substr(j + 1);
    return true;
}

}  // namespace

ReportTables ReadStateReport(const std::string& report) {
    ReportTables t;
    std::map<int, std::string> rules;
    struct Raw { std::vector<std::string> kernel, lines; };
    std::map<int, Raw> states;
    std::istringstream in(report);
    std::string line, lhs, rest;
    int current = -1, n = 0;
    bool inGrammar = false;
    while (std::getline(in, line)) {
        if (line.rfind("Grammar", 0) == 0) { inGrammar = true; continue; }
        if (std::sscanf(line.c_str(), "State %d", &n) == 1 && line.find("conflicts") == std::string::npos) {
            inGrammar = false;
            states[current = n];
        } else if (StartsWithNumber(line, n, rest)) {   // "r lhs: rhs" or "r   | rhs"
            std::string text = Normalize(rest);
            if (!text.empty() && text[0] == '|') text = Normalize(lhs + ":" + text.substr(1));
            else lhs = text.substr(0, text.find(':'));
            if (inGrammar || current < 0) rules[n] = text;
            else states[current].kernel.push_back(text);
        } else if (current >= 0 && line.find('[') == std::string::npos) {
            std::string norm = Normalize(line);
            if (!norm.empty() && norm.rfind("Conflict ", 0) != 0) states[current].lines.push_back(norm);
        }
    }
    // Kernels name the states.
    std::map<int, std::string> name;
    int finalState = -1;
    for (auto& [s, raw] : states) {
        std::sort(raw.kernel.begin(), raw.kernel.end());
        for (const std::string& item : raw.kernel) name[s] += item + "; ";
        if (raw.kernel.size() == 1 && raw.kernel[0].rfind("$accept:", 0) == 0 && raw.kernel[0].ends_with(" ."))
            finalState = s;
    }
    for (auto& [s, raw] : states) {
        if (s == finalState) continue;
        std::vector<std::string> acts;
        for (const std::string& l : raw.lines) {
            std::istringstream ls(l);
            std::string sym, w1, w;
            int target = 0;
            ls >> sym >> w1;
            if (w1 == "shift,") {   // "shift, and go to state N"
                ls >> w >> w >> w >> w >> target;
                acts.push_back(sym + (target == finalState ? " accept" : " shift " + name[target]));
            } else if (w1 == "reduce") {   // "reduce using rule N (lhs)"
                ls >> w >> w >> target;
                acts.push_back(sym + " reduce " + rules[target]);
            } else if (w1 == "accept") {
                acts.push_back(sym + " accept");
            } else if (w1 == "go") {   // "go to state N"
                ls >> w >> w >> target;
                acts.push_back(sym + " goto " + name[target]);
            } else if (w1 != "error") {   // %nonassoc's "error" lines: no entry
                t.error = "unexpected report line: " + l;
                return t;
            }
        }
        std::sort(acts.begin(), acts.end());
        t.states.emplace_back(name[s], acts);
    }
    std::sort(t.states.begin(), t.states.end());
    return t;
}

std::string RandomGrammar(uint32_t seed) {
    std::mt19937 rng(seed);
    auto pick = [&](int n) { return int(rng() % uint32_t(n)); };
    const int ntok = 2 + pick(7), nchar = pick(4), nnt = 2 + pick(8);
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
    const int npre = pick(int(shuffled.size()) + 1);
    const char* kinds[] = {"%left", "%right", "%nonassoc"};
    for (int k = 0; k < npre;) {
        int width = 1 + pick(3);
        g += kinds[pick(3)];
        for (int j = 0; j < width && k < npre; ++j, ++k) g += " " + shuffled[k];
        g += "\n";
    }
    g += std::string(kinds[pick(3)]) + " P0\n" + kinds[pick(3)] + " P1\n";
    if (pick(2)) g = "%left P_LOW\n" + g;
    g += "%start N0\n%%\n";
    for (int n = 0; n < nnt; ++n) {
        const int nalt = 1 + pick(4);
        g += "N" + std::to_string(n) + ":";
        for (int a = 0; a < nalt; ++a) {
            if (a) g += "\n  |";
            int len = pick(6);
            const bool terminalOnly = a == 0 && (n == 0 || pick(3) != 0);
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
