// lexgen file.l -o OUT [-v]: writes OUT.h and OUT.cpp.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>

#include "lexgen.h"

namespace {

bool ReadFile(const std::string& path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream s;
    s << in.rdbuf();
    out = s.str();
    return true;
}

// Leaves an unchanged file alone so that its dependents are not rebuilt.
bool WriteIfChanged(const std::string& path, const std::string& text) {
    std::string old;
    if (ReadFile(path, old) && old == text) return true;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    return static_cast<bool>(out);
}

int Usage() {
    std::cerr << "usage: lexgen file.l -o OUT [-v]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string input, output;
    bool verbose = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-o") == 0 && i + 1 < argc) output = argv[++i];
        else if (std::strcmp(argv[i], "-v") == 0) verbose = true;
        else if (argv[i][0] != '-' && input.empty()) input = argv[i];
        else return Usage();
    }
    if (input.empty() || output.empty()) return Usage();
    std::string text;
    if (!ReadFile(input, text)) {
        std::cerr << "lexgen: cannot read " << input << "\n";
        return 1;
    }
    try {
        lexgen::Spec spec = lexgen::ParseSpec(text, input);
        std::vector<std::string> warnings;
        lexgen::Tables tables = lexgen::BuildTables(spec, input, &warnings);
        for (const std::string& w : warnings) std::cerr << w << " (warning)\n";
        std::string base = output;
        size_t slash = base.find_last_of("/\\");
        if (slash != std::string::npos) base = base.substr(slash + 1);
        if (!WriteIfChanged(output + ".h", lexgen::EmitHeader(spec, tables, base)) ||
            !WriteIfChanged(output + ".cpp", lexgen::EmitSource(spec, tables, base))) {
            std::cerr << "lexgen: cannot write " << output << ".h/.cpp\n";
            return 1;
        }
        if (verbose) {
            size_t nt = 0;
            for (const auto& st : tables.states) nt += st.transitions.size();
            std::cout << spec.rules.size() << " rules, " << spec.conditions.size()
                      << " start conditions, " << tables.states.size() << " states, " << nt
                      << " transitions\n";
        }
    } catch (const lexgen::GenError& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    return 0;
}
