// Pretty text of a parsed SQL Server script: every top-level statement
// formatted, relative to the script size; and the printer choice that every
// statement and declaration node goes through when it is made.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "formatter/concretepp.h"
#include "frontend/marlsqlparser.h"
#include "parse/mssql/mssqlsqlstatement.h"
#include "parse/parserfactory.h"

namespace {

// N procedures with parameters, declarations, blocks, IF/WHILE, cursors,
// EXEC and SET, separated by GO.
std::string MakeScript(int Procedures) {
    std::string S;
    for (int p = 0; p < Procedures; ++p) {
        const std::string n = std::to_string(p);
        S += "create procedure dbo.proc" + n + " @id int, @name varchar(50) = 'x', @out int output as\n";
        S += "begin\n";
        S += "  set nocount on\n";
        S += "  declare @i int, @total money, @c cursor\n";
        S += "  declare cur" + n + " cursor for select a, b from t" + n + " where a > @id\n";
        S += "  open cur" + n + "\n";
        S += "  fetch next from cur" + n + " into @i, @total\n";
        S += "  while @i < 10\n";
        S += "  begin\n";
        S += "    if @i = 5 print 'five' else set @total = @total + @i\n";
        S += "    exec dbo.log" + n + " @msg = 'step', @value = @i\n";
        S += "    set @i = @i + 1\n";
        S += "  end\n";
        S += "  close cur" + n + "\n";
        S += "  deallocate cur" + n + "\n";
        S += "  raiserror('done %d', 10, 1, @i)\n";
        S += "  return @total\n";
        S += "end\n";
        S += "go\n";
    }
    return S;
}

bool DialectBuilt() {
    try {
        return TRkParserFactory(0).CreateParser() != nullptr;
    } catch (const std::exception&) {
        return false;
    }
}

void BM_FormatMssqlScript(benchmark::State& State) {
    if (!DialectBuilt()) {
        State.SkipWithError("SQL Server dialect not built");
        return;
    }
    const std::string Script = MakeScript(static_cast<int>(State.range(0)));
    TMarlSqlParser P(0);
    P.SetSqlTextString(Script);
    P.Parse();
    std::size_t Out = 0;
    for (auto _ : State) {
        Out = 0;
        for (int i = 0; i < P.Statements().Count(); ++i) Out += P.Statements().GetStatement(i)->GetPrettyText().size();
        benchmark::DoNotOptimize(Out);
    }
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations()) * static_cast<int64_t>(Script.size()));
    State.counters["out_bytes"] = static_cast<double>(Out);
}
BENCHMARK(BM_FormatMssqlScript)->Arg(10)->Arg(100)->Arg(1000)->Arg(3000)->Unit(benchmark::kMillisecond);

// The choice walks the table of every printer family: the cost per made
// statement or node, for a class early and late in it and for one with none.
void BM_PrinterChoice(benchmark::State& State) {
    InstallPrinterHooks();
    auto Early = NewSelectSqlStatement(0);
    TMssqlBlock Block(0);
    TMssqlDummyStmt Late(0);
    TRk_Node Plain;
    TRk_Node* Nodes[] = {Early.get(), &Block, &Late, &Plain};
    for (auto _ : State)
        for (TRk_Node* N : Nodes) benchmark::DoNotOptimize(CreateStatementPP(N));
    State.SetItemsProcessed(static_cast<int64_t>(State.iterations()) * 4);
}
BENCHMARK(BM_PrinterChoice);

}  // namespace
