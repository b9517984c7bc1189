// Helpers shared by the yaccgen tests: running bison and yaccgen on a
// grammar, reading state reports, random grammars.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "yaccgen.h"

namespace ygtest {

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& text);
std::string TempDir();   // one per test process, removed at exit
// Runs a command, returns its exit status and its output (stdout+stderr).
int Run(const std::string& command, std::string& output);

struct Counts {
    bool ok = false;
    int states = -1, sr = -1, rr = -1;
    std::string message;   // what went wrong
    std::string report;    // the state report (Bison, Yaccgen)
};
// bison with the LALR construction and default reductions only in
// consistent states (as yaccgen makes them): counts and state report.
Counts Bison(const std::string& grammarText);
// The yaccgen executable's --summary line for a file.
Counts YaccgenSummary(const std::string& path);
// yaccgen's core in this process, with its report.
Counts Yaccgen(const std::string& grammarText, yaccgen::Grammar* g = nullptr, yaccgen::Result* r = nullptr);

// The parse tables as a state report lists them, in a form in which
// bison's report and yaccgen's compare: states are named by their kernel
// items, rules by their text; per state the sorted action lines ("sym shift
// <kernel>", "sym reduce <rule>", "$default reduce <rule>", "$end accept",
// "NT goto <kernel>").
struct ReportTables {
    std::string error;   // empty when the report was read
    std::vector<std::pair<std::string, std::vector<std::string>>> states;
};
ReportTables ReadStateReport(const std::string& report);

// A random grammar with precedence, %prec, empty rules and the error
// token.  The start symbol always derives a sentence.
std::string RandomGrammar(uint32_t seed);

}  // namespace ygtest
