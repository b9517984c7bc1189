// Helpers shared by the yaccgen tests: running bison and yaccgen on a
// grammar, reducing bison grammars to plain yacc, random grammars.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "yaccgen.h"

namespace ygtest {

struct Counts {
    bool ok = false;
    int states = -1;
    int sr = -1;
    int rr = -1;
    std::string message;   // what went wrong
};

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& text);
std::string TempDir();                 // one per test process, removed at exit
// Runs a command, returns its exit status and its output (stdout+stderr).
int Run(const std::string& command, std::string& output);

// bison with the LALR construction; counts from its state report.
Counts BisonCounts(const std::string& grammarText);
// The yaccgen executable's --summary line for a file.
Counts YaccgenSummary(const std::string& path);
// yaccgen's core in this process.
Counts YaccgenCounts(const std::string& grammarText, yaccgen::Grammar* g = nullptr,
                     yaccgen::Result* r = nullptr);

// Drops everything but token and precedence declarations, %start and the
// rules' symbols (no actions, tags, named references or GLR directives).
std::string ReduceToPlainYacc(const std::string& bisonGrammar);

// The parse tables as a state report lists them, in a form in which
// bison's report (--report=state) and yaccgen's (-v) compare: states are
// named by their kernel items, rules by their text.
struct ReportTables {
    std::string error;                     // empty when the report was read
    // kernel -> sorted action lines ("sym shift <kernel>", "sym reduce <rule>",
    // "$default reduce <rule>", "$end accept", "NT goto <kernel>")
    std::vector<std::pair<std::string, std::vector<std::string>>> states;
};
ReportTables ReadStateReport(const std::string& report);
// bison's report of a grammar, with default reductions only in consistent
// states (as yaccgen makes them).
std::string BisonReport(const std::string& grammarText);

// A random grammar with precedence, %prec, empty rules and the error
// token.  The start symbol always derives a sentence.
std::string RandomGrammar(uint32_t seed);

}  // namespace ygtest
