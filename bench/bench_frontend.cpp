// Script text to analyzed statements through the front end: throughput and
// peak memory relative to the script size.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

#include "frontend/marlsqlparser.h"

// Live and peak heap bytes, counted by the global allocation functions.
namespace {
std::atomic<std::size_t> Live{0}, Peak{0};

void Note(std::ptrdiff_t Delta) {
    std::size_t Now = Live.fetch_add(static_cast<std::size_t>(Delta)) + static_cast<std::size_t>(Delta);
    std::size_t P = Peak.load();
    while (Now > P && !Peak.compare_exchange_weak(P, Now)) {
    }
}
}  // namespace

void* operator new(std::size_t N) {
    void* P = std::malloc(N ? N : 1);
    if (!P) throw std::bad_alloc();
    Note(static_cast<std::ptrdiff_t>(malloc_usable_size(P)));
    return P;
}
void operator delete(void* P) noexcept {
    if (!P) return;
    Note(-static_cast<std::ptrdiff_t>(malloc_usable_size(P)));
    std::free(P);
}
void operator delete(void* P, std::size_t) noexcept { operator delete(P); }

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

void BM_FrontEndScript(benchmark::State& State) {
    const std::string Script = MakeScript(static_cast<int>(State.range(0)));
    std::size_t Statements = 0;
    std::size_t PeakRatio = 0;
    for (auto _ : State) {
        std::size_t Base = Live.load();
        Peak.store(Base);
        {
            TMarlSqlParser P(1);
            P.SetSqlTextString(Script);
            benchmark::DoNotOptimize(P.Parse());
            Statements = static_cast<std::size_t>(P.Statements().Count());
        }
        PeakRatio = (Peak.load() - Base) / Script.size();
    }
    State.SetBytesProcessed(static_cast<std::int64_t>(State.iterations()) * static_cast<std::int64_t>(Script.size()));
    State.counters["statements"] = static_cast<double>(Statements);
    State.counters["script_bytes"] = static_cast<double>(Script.size());
    State.counters["peak_per_script_byte"] = static_cast<double>(PeakRatio);
}
BENCHMARK(BM_FrontEndScript)->Arg(10)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond);

}  // namespace
