// Oracle parser throughput: tokenizing and parsing the statements of the
// largest script of the shared Oracle corpus, repeated to a few MB, and of
// a synthetic DDL and query script of similar size.  Every statement gets a
// parser of its own, as in the front end.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "frontend/marlsqlparser.h"
#include "nodes/u_nodes.h"
#include "parse/oracle/rklexoracle.h"
#include "parse/oracle/rkyaccoraclesql.h"

namespace {

constexpr size_t kTargetBytes = 4u << 20;

// The script's tokens, as the front end scans them.
std::unique_ptr<TSourceTokenList> Scan(const std::string& Text) {
    auto list = std::make_unique<TSourceTokenList>(true);
    TokenizeString(1, Text, *list);
    return list;
}

// The statements of a token list: the tokens up to each ";".
std::vector<std::unique_ptr<TSourceTokenList>> Split(const TSourceTokenList& All) {
    std::vector<std::unique_ptr<TSourceTokenList>> out;
    auto cur = std::make_unique<TSourceTokenList>(false);
    bool significant = false;
    for (TSourceToken* t : All.Items()) {
        if (t->TokenCode == ';') {
            if (significant) out.push_back(std::move(cur));
            cur = std::make_unique<TSourceTokenList>(false);
            significant = false;
            continue;
        }
        cur->Add(t);
        if (t->IsSignificant()) significant = true;
    }
    if (significant) out.push_back(std::move(cur));
    return out;
}

bool ParsesClean(TSourceTokenList* L) {
    TRkParserOracleSql p;
    p.DbVendor = 1;
    p.TokenList = L;
    bool error = false;
    p.SyntaxErrorCallback = [&](uint8_t, const std::string&, const std::string&, int32_t, int32_t) {
        error = true;
        return true;
    };
    return p.yyparse() == 0 && !error;
}

std::string ReadFile(const std::filesystem::path& P) {
    std::ifstream in(P, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The statements of the largest corpus script that the grammar accepts
// (SQL*Plus lines and PL/SQL are the front end's business), one per line.
std::string CorpusStatements() {
    namespace fs = std::filesystem;
    const char* env = std::getenv("ORRERY_SHARED_DIR");
    fs::path dir = fs::path(env ? env : ORRERY_SHARED_DIR) / "corpus" / "oracle";
    std::error_code ec;
    if (!fs::is_directory(dir, ec)) return {};
    fs::path best;
    uintmax_t bestSize = 0;
    for (const auto& e : fs::directory_iterator(dir, ec)) {
        if (!e.is_regular_file()) continue;
        if (e.file_size(ec) > bestSize) {
            bestSize = e.file_size(ec);
            best = e.path();
        }
    }
    if (best.empty()) return {};
    // Drop SQL*Plus command lines; keep the rest as written.
    std::istringstream in(ReadFile(best));
    std::string text, line;
    while (std::getline(in, line)) {
        std::string low;
        for (unsigned char c : line.substr(0, 7)) low += static_cast<char>(std::tolower(c));
        if (low.rfind("rem", 0) == 0 || low.rfind("prompt", 0) == 0 || low.rfind("set ", 0) == 0 ||
            low.rfind("/", 0) == 0 || low.rfind("@", 0) == 0 || low.rfind("spool", 0) == 0)
            continue;
        text += line + "\n";
    }
    auto all = Scan(text);
    std::string kept;
    for (auto& s : Split(*all)) {
        if (!ParsesClean(s.get())) continue;
        std::string piece;
        for (TSourceToken* t : s->Items()) piece += t->GetText();
        kept += piece + ";\n";
    }
    return kept;
}

std::string SyntheticStatements() {
    std::string piece;
    for (int i = 0; i < 20; ++i) {
        const std::string n = std::to_string(i);
        piece += "/* table " + n + " */\n"
                 "CREATE TABLE hr.employees_" + n + " (\n"
                 "  employee_id   NUMBER(6) NOT NULL,\n"
                 "  first_name    VARCHAR2(20 CHAR) DEFAULT 'N/A',\n"
                 "  \"Last Name\"   VARCHAR2(25) CONSTRAINT emp_last_nn NOT NULL,\n"
                 "  salary        NUMBER(8,2) CHECK (salary > 0.5e1),\n"
                 "  hired         DATE DEFAULT SYSDATE, -- when\n"
                 "  CONSTRAINT emp_pk PRIMARY KEY (employee_id),\n"
                 "  CONSTRAINT emp_fk FOREIGN KEY (dept_id) REFERENCES departments (dept_id)\n"
                 ") TABLESPACE users PCTFREE 10 STORAGE (INITIAL 64 K NEXT 1 M);\n"
                 "CREATE UNIQUE INDEX emp_ix_" + n + " ON hr.employees_" + n + " (last_name, first_name DESC);\n"
                 "ALTER TABLE hr.employees_" + n + " ADD CONSTRAINT emp_mgr_fk FOREIGN KEY (manager_id) "
                 "REFERENCES hr.employees (employee_id);\n"
                 "SELECT a.x, b.y, COUNT(*) FROM t a LEFT OUTER JOIN u b ON a.id = b.id "
                 "WHERE a.v >= :bind1 || 'It''s' AND a.w IN (1, 2, 3) GROUP BY a.x, b.y ORDER BY 1 DESC;\n";
    }
    return piece;
}

std::string Repeat(const std::string& Piece) {
    std::string out;
    if (Piece.empty()) return out;
    out.reserve(kTargetBytes + Piece.size());
    while (out.size() < kTargetBytes) out += Piece;
    return out;
}

void TokenizeAndParse(benchmark::State& State, const std::string& Text) {
    if (Text.empty()) {
        State.SkipWithError("corpus not available");
        return;
    }
    size_t statements = 0, failed = 0;
    for (auto _ : State) {
        auto all = Scan(Text);
        auto parts = Split(*all);
        statements += parts.size();
        for (auto& s : parts) {
            TRkParserOracleSql p;
            p.DbVendor = 1;
            p.TokenList = s.get();
            if (p.yyparse() != 0) ++failed;
            benchmark::DoNotOptimize(p.RootNode);
        }
    }
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations()) * static_cast<int64_t>(Text.size()));
    State.counters["statements/s"] = benchmark::Counter(static_cast<double>(statements), benchmark::Counter::kIsRate);
    State.counters["failed"] = static_cast<double>(failed);
    State.counters["MB"] = static_cast<double>(Text.size()) / (1u << 20);
}

void BM_OracleCorpusScript(benchmark::State& State) {
    static const std::string text = Repeat(CorpusStatements());
    TokenizeAndParse(State, text);
}
BENCHMARK(BM_OracleCorpusScript)->Unit(benchmark::kMillisecond);

void BM_OracleSyntheticScript(benchmark::State& State) {
    static const std::string text = Repeat(SyntheticStatements());
    TokenizeAndParse(State, text);
}
BENCHMARK(BM_OracleSyntheticScript)->Unit(benchmark::kMillisecond);

}  // namespace
