// Script text to analyzed statements through the front end: throughput, and
// peak heap relative to the script size.
//
// The heap is counted only while BM_FrontEndPeak runs: the counting costs
// a tenth of the time and would blur the throughput figures.  The heap is
// never handed back to the kernel between runs, so every iteration measures
// the steady state of a process that parses script after script, not the
// page faults of a heap that shrank and grows again.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

#include "frontend/marlsqlparser.h"

#include "bench_heap.h"

using benchheap::Counting;
using benchheap::Live;
using benchheap::Peak;

namespace {

// A DDL script of N tables, each with columns, keys, an index and a
// foreign key, with the comments and SQL*Plus lines real scripts carry.
std::string MakeScript(int Tables) {
    std::string S = "REM generated schema\nset echo off\n";
    for (int t = 0; t < Tables; ++t) {
        std::string T = "tab" + std::to_string(t);
        S += "-- table " + T + "\n";
        S += "create table " + T + " (\n";
        S += "  id number(10) not null primary key,\n";
        S += "  name varchar2(100) default 'x' not null, -- the name\n";
        S += "  amount number(12,2) check (amount >= 0),\n";
        S += "  created date,\n";
        S += "  parent_id number(10) references " + T + "(id)\n";
        S += ");\n";
        S += "create unique index ix_" + T + " on " + T + " (name, created);\n";
        S += "alter table " + T + " add constraint fk_" + T + " foreign key (parent_id) references " + T + " (id);\n";
        S += "insert into " + T + " (id, name) values (1, 'a');\n";
        S += "select id, name from " + T + " where amount > 10 order by name;\n";
    }
    return S;
}

std::size_t ParseScript(const std::string& Script) {
    TMarlSqlParser P(1);
    P.SetSqlTextString(Script);
    benchmark::DoNotOptimize(P.Parse());
    return static_cast<std::size_t>(P.Statements().Count());
}

void BM_FrontEndScript(benchmark::State& State) {
    const std::string Script = MakeScript(static_cast<int>(State.range(0)));
    std::size_t Statements = 0;
    for (auto _ : State) Statements = ParseScript(Script);
    State.SetBytesProcessed(static_cast<std::int64_t>(State.iterations()) * static_cast<std::int64_t>(Script.size()));
    State.counters["statements"] = static_cast<double>(Statements);
    State.counters["script_bytes"] = static_cast<double>(Script.size());
}
BENCHMARK(BM_FrontEndScript)->Arg(10)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond);

void BM_FrontEndPeak(benchmark::State& State) {
    const std::string Script = MakeScript(static_cast<int>(State.range(0)));
    double PeakRatio = 0;
    for (auto _ : State) {
        Live.store(0);
        Peak.store(0);
        Counting.store(true);
        ParseScript(Script);
        Counting.store(false);
        PeakRatio = static_cast<double>(Peak.load()) / static_cast<double>(Script.size());
    }
    State.counters["peak_per_script_byte"] = PeakRatio;
}
BENCHMARK(BM_FrontEndPeak)->Arg(10)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
