// PL/SQL parser throughput: one large package body (declarations, loops,
// conditions, embedded SQL, dynamic SQL), scanned once and parsed again and
// again by one parser, as a statement re-parses its unit.
#include <benchmark/benchmark.h>

#include <memory>
#include <sstream>
#include <string>

#include "frontend/marlsqlparser.h"
#include "nodes/u_nodes.h"
#include "parse/oracle/rklexoracle.h"
#include "parse/oracle/rkyaccoracleplsql.h"

namespace {

// The script's tokens, as the front end scans them.
std::unique_ptr<TSourceTokenList> Scan(const std::string& Text) {
    auto list = std::make_unique<TSourceTokenList>(true);
    TokenizeString(1, Text, *list);
    return list;
}

std::string PackageBody(int Procedures) {
    std::string s = "CREATE OR REPLACE PACKAGE BODY bench_pkg AS\n  g_count NUMBER := 0;\n";
    for (int i = 0; i < Procedures; ++i) {
        const std::string n = std::to_string(i);
        s += "  PROCEDURE p" + n + " (a IN NUMBER, b OUT VARCHAR2) IS\n"
             "    CURSOR c (k NUMBER) IS SELECT id, name FROM t" + n + " WHERE id > k;\n"
             "    v NUMBER(10,2) := 0;\n"
             "  BEGIN\n"
             "    FOR r IN c(a) LOOP\n"
             "      IF r.id > 10 AND r.name LIKE 'x%' THEN v := v + r.id * 2;\n"
             "      ELSIF r.id BETWEEN 1 AND 5 THEN v := v - 1;\n"
             "      ELSE UPDATE t" + n + " SET name = b WHERE id = r.id; END IF;\n"
             "    END LOOP;\n"
             "    EXECUTE IMMEDIATE 'select count(*) from t' INTO v USING IN a;\n"
             "    b := TO_CHAR(v) || '-' || SQLERRM;\n"
             "  EXCEPTION WHEN OTHERS THEN ROLLBACK; RAISE;\n"
             "  END p" + n + ";\n";
    }
    return s + "END bench_pkg;";
}

void BM_ParsePackageBody(benchmark::State& State) {
    const std::string text = PackageBody(static_cast<int>(State.range(0)));
    std::unique_ptr<TSourceTokenList> tokens = Scan(text);
    TRkParserOraclePlsql parser;
    parser.DbVendor = 1;
    parser.TokenList = tokens.get();
    for (auto _ : State) {
        parser.TokenPos = 0;
        if (parser.yyparse() != 0 || parser.RootNode == nullptr) State.SkipWithError("the package did not parse");
        benchmark::DoNotOptimize(parser.RootNode);
    }
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations()) * static_cast<int64_t>(text.size()));
    State.counters["tokens"] = static_cast<double>(tokens->Count());
}
BENCHMARK(BM_ParsePackageBody)->Arg(10)->Arg(300)->Unit(benchmark::kMillisecond);

}  // namespace
