// SQL Server script text to analyzed statements through the front end: one
// whole-script parse, the batch model built from its elements and the tokens
// handed to each statement.  Throughput over generated scripts of growing
// size (the time per byte must stay flat), and the same for a script whose
// lines the grammar rejects (recovery per line).
#include <benchmark/benchmark.h>

#include <string>

#include "frontend/marlsqlparser.h"

namespace {

// N tables in the generated style, each with its key, index, a procedure
// with control of flow and a few data rows.
std::string MakeScript(int Tables) {
    std::string S = "USE [bench]\nGO\nSET NOCOUNT ON\nGO\n";
    for (int t = 0; t < Tables; ++t) {
        const std::string T = "[dbo].[Tab" + std::to_string(t) + "]";
        S += "/****** Object:  Table " + T + " ******/\n";
        S += "CREATE TABLE " + T + " (\n";
        S += "\t[Id] [int] IDENTITY (1, 1) NOT NULL ,\n";
        S += "\t[Name] [nvarchar] (100) COLLATE SQL_Latin1_General_CP1_CI_AS NOT NULL ,\n";
        S += "\t[Amount] [money] NULL CONSTRAINT [DF_A" + std::to_string(t) + "] DEFAULT (0),\n";
        S += "\t[ParentId] [int] NULL\n";
        S += ") ON [PRIMARY]\nGO\n";
        S += "ALTER TABLE " + T + " WITH NOCHECK ADD CONSTRAINT [PK_" + std::to_string(t) +
             "] PRIMARY KEY CLUSTERED ([Id]) ON [PRIMARY]\nGO\n";
        S += "CREATE INDEX [IX_" + std::to_string(t) + "] ON " + T + "([Name]) ON [PRIMARY]\nGO\n";
        S += "CREATE PROCEDURE dbo.Get" + std::to_string(t) + " @id int = 0, @n int OUTPUT AS\n";
        S += "  IF @id > 0\n    SELECT Id, Name FROM " + T + " WHERE Id = @id\n";
        S += "  ELSE\n  BEGIN\n    SELECT @n = COUNT(*) FROM " + T + "\n    PRINT 'all'\n  END\nGO\n";
        for (int r = 0; r < 3; ++r)
            S += "INSERT INTO " + T + " (Name, Amount) VALUES (N'row " + std::to_string(r) + "', " +
                 std::to_string(r * 10) + ")\n";
        S += "GO\n";
    }
    return S;
}

void Run(benchmark::State& State, const std::string& Script) {
    std::size_t Statements = 0;
    for (auto _ : State) {
        TMarlSqlParser P(0);
        P.SetSqlTextString(Script);
        benchmark::DoNotOptimize(P.Parse());
        Statements = static_cast<std::size_t>(P.Statements().Count());
    }
    State.SetBytesProcessed(static_cast<std::int64_t>(State.iterations()) * static_cast<std::int64_t>(Script.size()));
    State.counters["statements"] = static_cast<double>(Statements);
    State.counters["script_bytes"] = static_cast<double>(Script.size());
}

void BM_MssqlFrontEndScript(benchmark::State& State) { Run(State, MakeScript(static_cast<int>(State.range(0)))); }
BENCHMARK(BM_MssqlFrontEndScript)->Arg(10)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond);

// Every line a syntax error: each becomes an error statement of its own.
void BM_MssqlFrontEndBrokenLines(benchmark::State& State) {
    std::string Script;
    for (int i = 0; i < State.range(0); ++i) Script += "CREATE TABLE t" + std::to_string(i) + " (a int,, b int)\n";
    Run(State, Script);
}
BENCHMARK(BM_MssqlFrontEndBrokenLines)->Arg(100)->Arg(5000)->Unit(benchmark::kMillisecond);

}  // namespace
