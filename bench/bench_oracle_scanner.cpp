// Oracle scanner throughput: the largest script of the shared Oracle corpus
// repeated to a few MB, and a synthetic DDL script of similar size.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "nodes/u_nodes.h"
#include "parse/oracle/rklexoracle.h"

namespace {

constexpr size_t kTargetBytes = 8u << 20;

std::string Repeat(const std::string& piece, size_t target) {
    std::string out;
    out.reserve(target + piece.size());
    while (out.size() < target) out += piece;
    return out;
}

std::string LargestCorpusScript() {
    namespace fs = std::filesystem;
    const char* env = std::getenv("ORRERY_SHARED_DIR");
    fs::path dir = fs::path(env ? env : ORRERY_SHARED_DIR) / "corpus" / "oracle";
    std::error_code ec;
    if (!fs::is_directory(dir, ec)) return {};
    fs::path best;
    uintmax_t bestSize = 0;
    for (const auto& e : fs::directory_iterator(dir, ec)) {
        if (!e.is_regular_file()) continue;
        uintmax_t size = e.file_size(ec);
        if (size > bestSize) {
            bestSize = size;
            best = e.path();
        }
    }
    if (best.empty()) return {};
    std::ifstream in(best, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string SyntheticScript() {
    std::string piece;
    for (int i = 0; i < 20; ++i) {
        std::string n = std::to_string(i);
        piece += "/* table " + n + " */\r\n"
                 "CREATE TABLE hr.employees_" + n + " (\r\n"
                 "  employee_id   NUMBER(6) NOT NULL,\r\n"
                 "  first_name    VARCHAR2(20 CHAR) DEFAULT 'N/A',\r\n"
                 "  \"Last Name\"   VARCHAR2(25) CONSTRAINT emp_last_nn NOT NULL,\r\n"
                 "  salary        NUMBER(8,2) CHECK (salary > 0.5e1),\r\n"
                 "  hired         DATE DEFAULT SYSDATE, -- when\r\n"
                 "  CONSTRAINT emp_pk PRIMARY KEY (employee_id) USING INDEX TABLESPACE users,\r\n"
                 "  CONSTRAINT emp_fk FOREIGN KEY (dept_id) REFERENCES departments (dept_id)\r\n"
                 ") TABLESPACE users PCTFREE 10 STORAGE (INITIAL 64K NEXT 1M);\r\n"
                 "SELECT a.x, b.y FROM t a, u b WHERE a.id = b.id(+) AND a.v >= :bind1 || 'It''s';\r\n";
    }
    return Repeat(piece, kTargetBytes);
}

void Tokenize(benchmark::State& state, const std::string& text) {
    if (text.empty()) {
        state.SkipWithError("corpus not available");
        return;
    }
    size_t tokens = 0;
    for (auto _ : state) {
        std::istringstream in(text);
        TRkLexerOracle lx;
        lx.InputStream = &in;
        lx.yyclear();
        TSourceToken t;
        tokens = 0;
        while (lx.NextToken(t) != 0) ++tokens;
        benchmark::DoNotOptimize(tokens);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
    state.counters["tokens"] = static_cast<double>(tokens);
}

void BM_OracleScanner_Corpus(benchmark::State& state) {
    static const std::string text = [] {
        std::string s = LargestCorpusScript();
        return s.empty() ? s : Repeat(s + "\r\n", kTargetBytes);
    }();
    Tokenize(state, text);
}

void BM_OracleScanner_Synthetic(benchmark::State& state) {
    static const std::string text = SyntheticScript();
    Tokenize(state, text);
}

}  // namespace

BENCHMARK(BM_OracleScanner_Corpus)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OracleScanner_Synthetic)->Unit(benchmark::kMillisecond);
