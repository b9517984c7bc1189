// Pretty text of a parsed PL/SQL package body: layout time relative to the
// size of the unit, for growing numbers of procedures and nesting depths.
#include <benchmark/benchmark.h>

#include <string>

#include "formatter/concretepp.h"
#include "frontend/marlsqlparser.h"
#include "statementstructure/sqlstatement.h"

namespace {

// A package body of N procedures with declarations, a cursor, embedded
// queries and DML, IF, loops and handlers.
std::string MakePackage(int Procedures) {
    std::string S = "create or replace package body pk is\n";
    for (int p = 0; p < Procedures; ++p) {
        const std::string n = std::to_string(p);
        S += "  procedure p" + n + "(a in number, b out varchar2, c in out date) is\n";
        S += "    v_total number(10,2) := 0;\n    v_name varchar2(30);\n";
        S += "    cursor cur(p_id number) is select a, b from t" + n + " where id = p_id;\n";
        S += "  begin\n";
        S += "    select count(*) into v_total from t" + n + " where a = 1 and b = 2;\n";
        S += "    if v_total > 1 and v_name is null then\n      v_name := 'x';\n";
        S += "    elsif v_total = 0 then\n      null;\n    else\n      raise no_data_found;\n    end if;\n";
        S += "    for r in cur(a) loop\n      update t" + n + " set x = r.a where id = r.b;\n    end loop;\n";
        S += "    for i in 1 .. 10 loop\n      exit when i > v_total;\n    end loop;\n";
        S += "  exception\n    when others then\n      rollback;\n      raise;\n  end;\n";
    }
    S += "end pk;\n/\n";
    return S;
}

// Depth nested blocks, one statement in the innermost.
std::string MakeNested(int Depth) {
    std::string S;
    for (int d = 0; d < Depth; ++d) S += "begin\n";
    S += "x := 1;\n";
    for (int d = 0; d < Depth; ++d) S += "end;\n";
    return S + "/\n";
}

void Run(benchmark::State& State, const std::string& Script) {
    InstallPrinterHooks();
    TMarlSqlParser P(1);
    P.SetSqlTextString(Script);
    P.Parse();
    TCustomSqlStatement* S = P.Statements().Count() > 0 ? P.Statements().GetStatement(0) : nullptr;
    if (!S || !S->Parsed) {
        State.SkipWithError("the PL/SQL unit does not parse in this build");
        return;
    }
    AttachStatementPrinters(S);
    std::size_t Out = 0;
    for (auto _ : State) {
        std::string Text = S->GetPrettyText();
        Out = Text.size();
        benchmark::DoNotOptimize(Text.data());
    }
    State.SetBytesProcessed(static_cast<std::int64_t>(State.iterations()) * static_cast<std::int64_t>(Script.size()));
    State.counters["script_bytes"] = static_cast<double>(Script.size());
    State.counters["pretty_bytes"] = static_cast<double>(Out);
}

void BM_PrettyPackageBody(benchmark::State& State) { Run(State, MakePackage(static_cast<int>(State.range(0)))); }
BENCHMARK(BM_PrettyPackageBody)->Arg(1)->Arg(20)->Arg(200)->Unit(benchmark::kMillisecond);

void BM_PrettyNestedBlocks(benchmark::State& State) { Run(State, MakeNested(static_cast<int>(State.range(0)))); }
BENCHMARK(BM_PrettyNestedBlocks)->Arg(10)->Arg(100)->Arg(400)->Unit(benchmark::kMillisecond);

}  // namespace
