// Formatting speed on wide flat lists and deep FROM nesting: one statement
// (or one script) with N items of one kind, parsed once and formatted each
// round, at several sizes.  The time per item should stay flat as N grows;
// out_bytes / N should too.  The regenerated text (GetTextByVisitor) of the
// same statements and the layout routines are measured alongside.
#include <benchmark/benchmark.h>

#include <functional>
#include <string>

#include "formatter/rkbasetype.h"
#include "frontend/marlsqlparser.h"

namespace {

using TMaker = std::function<std::string(int)>;

// "Head" then Item(i) for i < N joined by Sep, then "Tail".
std::string Repeat(const std::string& Head, const std::function<std::string(int)>& Item, const std::string& Sep,
                   int N, const std::string& Tail) {
    std::string S = Head;
    for (int i = 0; i < N; ++i) {
        if (i > 0) S += Sep;
        S += Item(i);
    }
    return S + Tail;
}

std::string Num(int i) { return std::to_string(i); }
std::string Col(int i) { return "c" + Num(i); }

struct TWideCase {
    const char* Name;
    int Vendor;
    TMaker Make;
};

const TWideCase WideCases[] = {
    {"columns", 1, [](int n) { return Repeat("create table t (", [](int i) { return Col(i) + " int"; }, ", ", n, ");\n"); }},
    {"select_items", 1, [](int n) { return Repeat("select ", Col, ", ", n, " from t;\n"); }},
    {"case_branches", 1,
     [](int n) {
         return Repeat("select case", [](int i) { return " when a = " + Num(i) + " then " + Num(i); }, "", n,
                       " else 0 end from t;\n");
     }},
    {"call_args", 1, [](int n) { return Repeat("select f(", Num, ", ", n, ") from t;\n"); }},
    {"in_list", 1, [](int n) { return Repeat("select a from t where a in (", Num, ", ", n, ");\n"); }},
    {"insert_columns", 1,
     [](int n) {
         return Repeat("insert into t (", Col, ", ", n, ")") + Repeat(" values (", Num, ", ", n, ");\n");
     }},
    // The grammars take one VALUES row: a wide row, in MySQL.
    {"values_row", 2, [](int n) { return Repeat("insert into t values (", Num, ", ", n, ");\n"); }},
    {"update_set", 1, [](int n) { return Repeat("update t set ", [](int i) { return Col(i) + " = " + Num(i); }, ", ", n, ";\n"); }},
    {"order_by", 1, [](int n) { return Repeat("select a from t order by ", Col, ", ", n, ";\n"); }},
    {"union_chain", 1, [](int n) { return Repeat("", [](int i) { return "select " + Num(i) + " from t"; }, " union ", n, ";\n"); }},
    {"and_chain", 1, [](int n) { return Repeat("select a from t where ", [](int i) { return "a = " + Num(i); }, " and ", n, ";\n"); }},
    {"or_chain", 1, [](int n) { return Repeat("select a from t where ", [](int i) { return "a = " + Num(i); }, " or ", n, ";\n"); }},
    {"from_tables", 1, [](int n) { return Repeat("select a from ", [](int i) { return "t" + Num(i); }, ", ", n, ";\n"); }},
    {"plsql_statements", 1, [](int n) { return Repeat("begin\n", [](int i) { return "x := " + Num(i) + ";\n"; }, "", n, "end;\n/\n"); }},
    {"plsql_declarations", 1,
     [](int n) { return Repeat("declare\n", [](int i) { return "v" + Num(i) + " number;\n"; }, "", n, "begin null; end;\n/\n"); }},
    {"mssql_batch", 0, [](int n) { return Repeat("", [](int i) { return "select " + Num(i) + "\n"; }, "", n, "go\n"); }},
    {"mssql_block", 0, [](int n) { return Repeat("begin\n", [](int i) { return "set @x = " + Num(i) + "\n"; }, "", n, "end\ngo\n"); }},
    {"mssql_procedure", 0,
     [](int n) { return Repeat("create procedure p as\n", [](int i) { return "print " + Num(i) + "\n"; }, "", n, "go\n"); }},
    {"mssql_declare", 0, [](int n) { return Repeat("declare ", [](int i) { return "@v" + Num(i) + " int"; }, ", ", n, "\n"); }},
    {"group_by", 1, [](int n) { return Repeat("select a from t group by ", Col, ", ", n, ";\n"); }},
    {"decode_args", 1, [](int n) { return Repeat("select decode(a", [](int i) { return ", " + Num(i); }, "", n, ") from t;\n"); }},
    {"rollup", 1, [](int n) { return Repeat("select a from t group by rollup (", Col, ", ", n, ");\n"); }},
    {"table_constraints", 1,
     [](int n) {
         return Repeat("create table t (a int", [](int i) { return ", constraint k" + Num(i) + " unique (a)"; }, "", n, ");\n");
     }},
    {"index_columns", 1, [](int n) { return Repeat("create index i on t (", Col, ", ", n, ");\n"); }},
    {"plsql_parameters", 1,
     [](int n) {
         return Repeat("create procedure p (", [](int i) { return "p" + Num(i) + " number"; }, ", ", n, ") is begin null; end;\n/\n");
     }},
    {"mssql_parameters", 0,
     [](int n) { return Repeat("create procedure p ", [](int i) { return "@p" + Num(i) + " int"; }, ", ", n, " as print 1\ngo\n"); }},
    {"mssql_exec_args", 0, [](int n) { return Repeat("exec p ", [](int i) { return "@p" + Num(i) + " = " + Num(i); }, ", ", n, "\n"); }},
};

// select a from (select a from ( ... t ... ))
std::string NestedFrom(int Levels) {
    std::string S = "select a from ";
    for (int i = 0; i < Levels; ++i) S += "(select a from ";
    return S + "t" + std::string(static_cast<size_t>(Levels), ')') + ";\n";
}

template <class F>
void Measure(benchmark::State& State, int Vendor, int Items, const std::string& Text, F Out) {
    TMarlSqlParser P(static_cast<std::uint8_t>(Vendor));
    P.SetSqlTextString(Text);
    P.Parse();
    size_t Bytes = 0;
    for (auto _ : State) {
        Bytes = 0;
        for (TCustomSqlStatement* S : P.Statements()) Bytes += Out(*S).size();
        benchmark::DoNotOptimize(Bytes);
    }
    State.SetItemsProcessed(State.iterations() * Items);
    State.counters["script_bytes"] = static_cast<double>(Text.size());
    State.counters["out_bytes"] = static_cast<double>(Bytes);
    State.counters["errors"] = static_cast<double>(P.ErrorCount());
}

// range(0): the case, range(1): the item count.
void BM_FormatWide(benchmark::State& State) {
    const TWideCase& C = WideCases[State.range(0)];
    State.SetLabel(C.Name);
    Measure(State, C.Vendor, static_cast<int>(State.range(1)), C.Make(static_cast<int>(State.range(1))),
            [](TCustomSqlStatement& S) { return S.GetPrettyText(); });
}

void BM_VisitorWide(benchmark::State& State) {
    const TWideCase& C = WideCases[State.range(0)];
    State.SetLabel(C.Name);
    Measure(State, C.Vendor, static_cast<int>(State.range(1)), C.Make(static_cast<int>(State.range(1))),
            [](TCustomSqlStatement& S) { return S.GetTextByVisitor(); });
}

void WideArgs(benchmark::internal::Benchmark* B) {
    for (int c = 0; c < static_cast<int>(std::size(WideCases)); ++c)
        for (int n : {1000, 4000, 16000}) B->Args({c, n});
    B->Unit(benchmark::kMillisecond)->Iterations(1);
}
BENCHMARK(BM_FormatWide)->Apply(WideArgs);

// The same with every list on one line: the column where the next item
// starts must not be found by scanning back over the whole line.
void BM_FormatWideOneLine(benchmark::State& State) {
    const TRkFmtOpt Saved = FmtOpt;
    FmtOpt.SetListOneLine(1);
    FmtOpt.PropagateLineBreakOptions();
    BM_FormatWide(State);
    FmtOpt = Saved;
}
BENCHMARK(BM_FormatWideOneLine)->Apply(WideArgs);
BENCHMARK(BM_VisitorWide)->Apply(WideArgs);

// The layout routines on a text of range(0) lines holding literals and
// comments, with tabs and without.
void BM_LayoutRoutines(benchmark::State& State) {
    std::string Text;
    for (int i = 0; i < State.range(0); ++i)
        Text += "  a = 'x\r\ny' -- c" + Num(i) + "\r\n    /* d\r\n e */ [b\r\nc] \"q\"\r\n";
    const TRkFmtOpt Saved = FmtOpt;
    FmtOpt.SetUseTab(static_cast<uint8_t>(State.range(1)));
    size_t Bytes = 0;
    for (auto _ : State) {
        Bytes = IndentText(Text, 4).size() + UnindentText(Text).size() + SpacesToTabs(Text).size() +
                IndentAfter(Text, Text).size();
        benchmark::DoNotOptimize(Bytes);
    }
    FmtOpt = Saved;
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * Text.size()));
    State.counters["out_bytes"] = static_cast<double>(Bytes);
}
BENCHMARK(BM_LayoutRoutines)->ArgsProduct({{1000, 4000, 16000}, {0, 1}})->Unit(benchmark::kMillisecond);

// range(0): nesting levels of FROM sub-queries.
void BM_FormatNestedFrom(benchmark::State& State) {
    Measure(State, 1, static_cast<int>(State.range(0)), NestedFrom(static_cast<int>(State.range(0))),
            [](TCustomSqlStatement& S) { return S.GetPrettyText(); });
}
BENCHMARK(BM_FormatNestedFrom)->Arg(100)->Arg(400)->Arg(800)->Arg(1500)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
