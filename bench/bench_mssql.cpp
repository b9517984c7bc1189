// SQL Server scanner and parser throughput over a synthetic script of a few
// MB in the style of generated DDL: per table a drop guard, CREATE TABLE,
// a key and an index by ALTER TABLE and CREATE INDEX, GO between batches,
// and some INSERTs, parsed in one run as the front end does.
#include <benchmark/benchmark.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "nodes/u_nodes.h"
#include "parse/mssql/rklexmssql.h"
#include "parse/mssql/rkyaccmssqlsql.h"

namespace {

std::string Table(int i) {
    const std::string n = std::to_string(i);
    return "/****** Object:  Table [dbo].[T" + n + "] ******/\r\n"
           "if exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[T" + n + "]') and "
           "OBJECTPROPERTY(id, N'IsUserTable') = 1)\r\ndrop table [dbo].[T" + n + "]\r\nGO\r\n"
           "CREATE TABLE [dbo].[T" + n + "] (\r\n\t[ID] [int] IDENTITY (1, 1) NOT NULL ,\r\n"
           "\t[Name] [nvarchar] (40) COLLATE SQL_Latin1_General_CP1_CI_AS NOT NULL ,\r\n"
           "\t[Price] [decimal](10, 2) NULL CONSTRAINT [DF_T" + n + "] DEFAULT (0),\r\n"
           "\t[Ref] [int] NULL -- the parent\r\n) ON [PRIMARY]\r\nGO\r\n"
           "ALTER TABLE [dbo].[T" + n + "] WITH NOCHECK ADD CONSTRAINT [PK_T" + n + "] PRIMARY KEY CLUSTERED "
           "( [ID] ) ON [PRIMARY]\r\nGO\r\n"
           "CREATE INDEX [IX_T" + n + "] ON [dbo].[T" + n + "]([Name]) ON [PRIMARY]\r\nGO\r\n"
           "INSERT INTO [dbo].[T" + n + "] ([Name], [Price]) VALUES (N'It''s " + n + "', 1.5)\r\n"
           "INSERT INTO [dbo].[T" + n + "] ([Name], [Price]) VALUES (N'x', @@IDENTITY + 2)\r\nGO\r\n";
}

std::string Script(size_t target) {
    std::string s;
    for (int i = 0; s.size() < target; ++i) s += Table(i);
    return s;
}

std::unique_ptr<TSourceTokenList> Scan(const std::string& text) {
    std::istringstream in(text);
    std::ostringstream echo;
    TRkLexerMssql lx;
    lx.InputStream = &in;
    lx.OutputStream = &echo;
    lx.yyclear();
    auto list = std::make_unique<TSourceTokenList>(true);
    for (;;) {
        auto t = std::make_unique<TSourceToken>();
        if (lx.NextToken(*t) == 0) break;
        t->SetOwnerList(list.get());
        t->PosInList = list->Count();
        list->Add(std::move(t));
    }
    return list;
}

void BM_MssqlScanner(benchmark::State& state) {
    const std::string text = Script(4u << 20);
    for (auto _ : state) benchmark::DoNotOptimize(Scan(text)->Count());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_MssqlScanner)->Unit(benchmark::kMillisecond);

// The whole script in one run, as the front end parses it.
void BM_MssqlParser(benchmark::State& state) {
    const std::string text = Script(1u << 20);
    auto tokens = Scan(text);
    TRkParserMssqlSql parser;
    parser.TokenList = tokens.get();
    int errors = 0;
    parser.SyntaxErrorCallback = [&](std::uint8_t, const std::string&, const std::string&, int, int) {
        ++errors;
        return true;
    };
    for (auto _ : state) {
        parser.TokenPos = 0;
        benchmark::DoNotOptimize(parser.yyparse());
    }
    state.counters["errors"] = errors;
    state.counters["statements"] = static_cast<double>(parser.ResultList.size());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_MssqlParser)->Unit(benchmark::kMillisecond);

// Long runs of operator characters and comment marks: split in one pass.
void BM_MssqlScannerOperatorRuns(benchmark::State& state) {
    std::string text;
    for (int i = 0; i < 200000; ++i) text += "+-*/=<>!%@#";
    text += "\n/*";
    for (int i = 0; i < 200000; ++i) text += "**//";
    text += "*/\n";
    for (auto _ : state) benchmark::DoNotOptimize(Scan(text)->Count());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_MssqlScannerOperatorRuns)->Unit(benchmark::kMillisecond);

}  // namespace
