// yaccgen command line.
//
//   yaccgen [-v] file.y [-o OUT]   writes OUT.h and OUT.cpp (OUT defaults to
//                                  file.y without its extension); -v also
//                                  writes the report OUT.output
//   yaccgen --summary file.y       prints "states=N rules=M sr=S rr=R"
//
// N counts the LR(0) states including the final state after end of input
// (the tables leave it out: accepting is the entry (0, 0)); S and R count
// the conflicts left after precedence, per state and token.
#include "yaccgen.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

namespace {

int Usage() {
    std::cerr << "usage: yaccgen [-v] file.y [-o OUT]\n       yaccgen --summary file.y\n";
    return 2;
}

bool WriteFile(const std::string& path, const std::string& text) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f << text;
    f.close();
    if (!f) { std::cerr << "yaccgen: cannot write " << path << "\n"; return false; }
    return true;
}

std::string BaseName(const std::string& p) {
    size_t s = p.find_last_of("/\\");
    return s == std::string::npos ? p : p.substr(s + 1);
}

}  // namespace

int main(int argc, char** argv) {
    bool verbose = false, summary = false;
    std::string input, out;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "-v" || a == "--verbose") verbose = true;
        else if (a == "--summary") summary = true;
        else if (a == "-o" && i + 1 < argc) out = argv[++i];
        else if (!a.empty() && a[0] == '-') return Usage();
        else if (input.empty()) input = a;
        else return Usage();
    }
    if (input.empty()) return Usage();
    std::ifstream f(input, std::ios::binary);
    if (!f) { std::cerr << "yaccgen: cannot read " << input << "\n"; return 1; }
    std::stringstream ss;
    ss << f.rdbuf();

    yaccgen::Grammar g;
    yaccgen::Diagnostics diag;
    yaccgen::Result res;
    bool ok = yaccgen::ReadGrammar(ss.str(), input, g, diag) &&
              yaccgen::Generate(g, res, diag, verbose && !summary);
    std::string header, source;
    if (ok && !summary) {
        if (out.empty()) {
            out = input;
            size_t dot = out.find_last_of('.');
            size_t slash = out.find_last_of("/\\");
            if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) out.erase(dot);
        }
        header = yaccgen::EmitHeader(g, res);
        source = yaccgen::EmitSource(g, res, BaseName(out) + ".h", out + ".cpp", diag);
        ok = diag.ok();
    }
    if (!summary || !ok)
        for (const std::string& w : diag.warnings) std::cerr << w << "\n";
    for (const std::string& e : diag.errors) std::cerr << e << "\n";
    if (!ok) return 1;
    if (summary) {
        std::printf("states=%d rules=%d sr=%d rr=%d\n", res.lr0States, res.rules, res.srConflicts, res.rrConflicts);
        return 0;
    }
    if (!WriteFile(out + ".h", header) || !WriteFile(out + ".cpp", source)) return 1;
    if (verbose && !WriteFile(out + ".output", res.report)) return 1;
    return 0;
}
