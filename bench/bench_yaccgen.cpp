// Table generation time for a synthetic grammar of about 1,500 rules in
// the shape of an SQL grammar: a hundred statements, each with three
// optional clauses, over a shared expression grammar with precedence.
#include <benchmark/benchmark.h>

#include <string>

#include "yaccgen.h"

namespace {

std::string SyntheticGrammar(int statements) {
    std::string g;
    g += "%token IDENT 300 NUMBER 301 STRING 302\n";
    int kw = 400;
    auto kwName = [](int code) { return "KW" + std::to_string(code); };
    int kwCount = statements * 4 + 8;
    for (int i = 0; i < kwCount; ++i) g += "%token " + kwName(kw + i) + " " + std::to_string(kw + i) + "\n";
    const int OR = kw + kwCount - 1, AND = kw + kwCount - 2, NOT = kw + kwCount - 3;
    const int IS = kw + kwCount - 4, NUL = kw + kwCount - 5;
    g += "%left " + kwName(OR) + "\n%left " + kwName(AND) + "\n%right " + kwName(NOT) + "\n";
    g += "%nonassoc '=' '<' '>' " + kwName(IS) + "\n%left '+' '-' '|'\n%left '*' '/' '%'\n%left '^'\n%right UMINUS\n";
    g += "%start script\n%%\n";
    g += "script: stmt_list ;\n";
    g += "stmt_list: stmt | stmt_list ';' stmt ;\n";
    g += "stmt: %empty\n";
    for (int k = 0; k < statements; ++k) g += "  | s" + std::to_string(k) + "\n";
    g += "  ;\n";
    for (int k = 0; k < statements; ++k) {
        std::string s = "s" + std::to_string(k);
        g += s + ": " + kwName(kw + k * 4) + " name";
        for (int j = 0; j < 3; ++j) g += " " + s + "_c" + std::to_string(j);
        g += " ;\n";
        for (int j = 0; j < 3; ++j) {
            std::string key = kwName(kw + k * 4 + 1 + j);
            g += s + "_c" + std::to_string(j) + ": %empty\n";
            g += "  | " + key + " item_list\n";
            g += "  | " + key + " '(' expr_list ')'\n";
            g += "  | " + key + " " + kwName(NOT) + " expr\n";
            g += "  ;\n";
        }
    }
    g += "name: IDENT | name '.' IDENT ;\n";
    g += "item_list: item | item_list ',' item ;\n";
    g += "item: name | name '=' expr | name " + kwName(AND) + " STRING ;\n";
    g += "expr_list: expr | expr_list ',' expr ;\n";
    g += "expr: expr " + kwName(OR) + " expr | expr " + kwName(AND) + " expr | " + kwName(NOT) + " expr\n";
    for (const char* op : {"'='", "'<'", "'>'", "'+'", "'-'", "'|'", "'*'", "'/'", "'%'", "'^'"})
        g += "  | expr " + std::string(op) + " expr\n";
    g += "  | expr " + kwName(IS) + " " + kwName(NUL) + " | expr " + kwName(IS) + " " + kwName(NOT) + " " + kwName(NUL) + "\n";
    g += "  | '-' expr %prec UMINUS | '+' expr %prec UMINUS | '(' expr ')' | '(' s0 ')'\n";
    g += "  | name | NUMBER | STRING | name '(' ')' | name '(' expr_list ')' ;\n";
    return g;
}

void BM_GenerateTables(benchmark::State& state) {
    const std::string text = SyntheticGrammar(int(state.range(0)));
    int rules = 0, states = 0;
    for (auto _ : state) {
        yaccgen::Grammar g;
        yaccgen::Diagnostics d;
        yaccgen::Result r;
        bool ok = yaccgen::ReadGrammar(text, "synthetic.y", g, d) && yaccgen::Generate(g, r, d, false);
        if (!ok) { state.SkipWithError("generation failed"); break; }
        rules = r.rules;
        states = r.tables.nstates;
        benchmark::DoNotOptimize(r.tables.yya.data());
    }
    state.counters["rules"] = rules;
    state.counters["states"] = states;
}
BENCHMARK(BM_GenerateTables)->Arg(105)->Unit(benchmark::kMillisecond);

void BM_GenerateAndEmit(benchmark::State& state) {
    const std::string text = SyntheticGrammar(int(state.range(0)));
    for (auto _ : state) {
        yaccgen::Grammar g;
        yaccgen::Diagnostics d;
        yaccgen::Result r;
        bool ok = yaccgen::ReadGrammar(text, "synthetic.y", g, d) && yaccgen::Generate(g, r, d, true);
        if (!ok) { state.SkipWithError("generation failed"); break; }
        std::string h = yaccgen::EmitHeader(g, r);
        std::string c = yaccgen::EmitSource(g, r, "synthetic.h", "synthetic.cpp", d);
        benchmark::DoNotOptimize(c.data());
        benchmark::DoNotOptimize(h.data());
    }
}
BENCHMARK(BM_GenerateAndEmit)->Arg(105)->Unit(benchmark::kMillisecond);

}  // namespace
