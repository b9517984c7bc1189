// MySQL scanner and parser throughput over a synthetic DDL script of a few
// MB (CREATE TABLE with keys, an index and an ALTER TABLE per table).
#include <benchmark/benchmark.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "nodes/u_nodes.h"
#include "parse/mysql/rklexmysql.h"
#include "parse/mysql/rkyaccmysqlsql.h"

namespace {

std::string Table(int i) {
    const std::string n = std::to_string(i);
    return "CREATE TABLE `t" + n + "` (\n  `id` int(11) unsigned NOT NULL AUTO_INCREMENT,\n"
           "  `name` varchar(255) DEFAULT NULL, -- the name\n  `price` decimal(10,2) NOT NULL DEFAULT '0.00',\n"
           "  `kind` enum('a','b') DEFAULT 'a',\n  `note` text,\n  `ref` int NOT NULL,\n  PRIMARY KEY (`id`),\n"
           "  KEY `k" + n + "` (`name`),\n  CONSTRAINT `fk" + n + "` FOREIGN KEY (`ref`) REFERENCES `t0` (`id`) "
           "ON DELETE CASCADE\n) ENGINE=InnoDB DEFAULT CHARSET=utf8 COMMENT='It\\'s t" + n + "';\n"
           "CREATE UNIQUE INDEX ix" + n + " ON t" + n + " (name, price DESC);\n"
           "ALTER TABLE t" + n + " ADD c" + n + " INT AFTER note;\n";
}

std::string Script(size_t target) {
    std::string s;
    for (int i = 0; s.size() < target; ++i) s += Table(i);
    return s;
}

std::vector<std::unique_ptr<TSourceToken>> Scan(const std::string& text) {
    std::istringstream in(text);
    std::ostringstream echo;
    TRkLexerMySQL lx;
    lx.InputStream = &in;
    lx.OutputStream = &echo;
    lx.yyclear();
    std::vector<std::unique_ptr<TSourceToken>> toks;
    for (;;) {
        auto t = std::make_unique<TSourceToken>();
        if (lx.NextToken(*t) == 0) break;
        toks.push_back(std::move(t));
    }
    return toks;
}

void BM_MySQLScanner(benchmark::State& state) {
    const std::string text = Script(4u << 20);
    for (auto _ : state) benchmark::DoNotOptimize(Scan(text).size());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_MySQLScanner)->Unit(benchmark::kMillisecond);

// Parses every statement of the script on its own, as the statements do.
void BM_MySQLParser(benchmark::State& state) {
    const std::string text = Script(1u << 20);
    std::vector<std::unique_ptr<TSourceTokenList>> statements;
    auto current = std::make_unique<TSourceTokenList>(true);
    for (auto& t : Scan(text)) {
        const bool end = t->TokenCode == ';';
        t->SetOwnerList(current.get());
        t->PosInList = current->Count();
        current->Add(std::move(t));
        if (end) {
            statements.push_back(std::move(current));
            current = std::make_unique<TSourceTokenList>(true);
        }
    }
    TRkParserMySQLSql parser;
    parser.DbVendor = 2;
    for (auto _ : state) {
        int failed = 0;
        for (auto& list : statements) {
            parser.TokenList = list.get();
            parser.TokenPos = 0;
            failed += parser.yyparse();
        }
        benchmark::DoNotOptimize(failed);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_MySQLParser)->Unit(benchmark::kMillisecond);

}  // namespace
