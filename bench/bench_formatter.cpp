// Formatting speed: every statement of the shared corpus (when present) and
// of the samples formatted, per dialect, relative to the script size; and
// statements nested 100, 400 and 800 levels deep (IN (select ...)).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "frontend/marlsqlparser.h"

namespace fs = std::filesystem;

namespace {

std::string ReadFile(const fs::path& P) {
    std::ifstream In(P, std::ios::binary);
    std::ostringstream S;
    S << In.rdbuf();
    return S.str();
}

// Vendor code of a corpus folder or of a sample's name prefix.
int VendorOf(const std::string& Name) {
    static const std::map<std::string, int> Codes = {
        {"mssql", 0}, {"oracle", 1}, {"mysql", 2}, {"access", 3}, {"generic", 4}};
    for (const auto& [prefix, code] : Codes)
        if (Name.rfind(prefix, 0) == 0) return code;
    return -1;
}

// The scripts of one vendor, parsed once.
struct TParsedScripts {
    std::vector<std::unique_ptr<TMarlSqlParser>> Parsers;
    size_t Bytes = 0;
};

TParsedScripts& Scripts(int Vendor) {
    static std::map<int, TParsedScripts> All;
    auto it = All.find(Vendor);
    if (it != All.end()) return it->second;
    TParsedScripts& S = All[Vendor];
    std::vector<fs::path> Files;
    const fs::path Corpus = fs::path(ORRERY_SHARED_DIR) / "corpus";
    if (fs::is_directory(Corpus))
        for (const auto& d : fs::directory_iterator(Corpus))
            if (d.is_directory() && VendorOf(d.path().filename().string()) == Vendor)
                for (const auto& f : fs::directory_iterator(d.path()))
                    if (f.path().extension() == ".sql") Files.push_back(f.path());
    for (const auto& f : fs::directory_iterator(fs::path(ORRERY_SOURCE_DIR) / "samples"))
        if (VendorOf(f.path().filename().string()) == Vendor) Files.push_back(f.path());
    for (const fs::path& f : Files) {
        auto P = std::make_unique<TMarlSqlParser>(static_cast<std::uint8_t>(Vendor));
        const std::string Text = ReadFile(f);
        P->SetSqlTextString(Text);
        P->Parse();
        S.Bytes += Text.size();
        S.Parsers.push_back(std::move(P));
    }
    return S;
}

size_t FormatAll(TMarlSqlParser& P) {
    size_t Out = 0;
    for (TCustomSqlStatement* S : P.Statements()) Out += S->GetPrettyText().size();
    return Out;
}

// Every statement of the vendor's scripts; MB/s of script text.
void BM_FormatScripts(benchmark::State& State) {
    TParsedScripts& S = Scripts(static_cast<int>(State.range(0)));
    if (S.Parsers.empty()) {
        State.SkipWithError("no scripts");
        return;
    }
    size_t Out = 0;
    for (auto _ : State) {
        Out = 0;
        for (auto& P : S.Parsers) Out += FormatAll(*P);
        benchmark::DoNotOptimize(Out);
    }
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * S.Bytes));
    State.counters["script_bytes"] = static_cast<double>(S.Bytes);
    State.counters["out_bytes"] = static_cast<double>(Out);
}
BENCHMARK(BM_FormatScripts)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

// select a from t where a in (select a from t where a in ( ... (1) ... ))
std::string NestedIn(int Levels) {
    std::string S = "select a from t where a in ";
    for (int i = 0; i < Levels; ++i) S += "(select a from t where a in ";
    return S + "(1)" + std::string(static_cast<size_t>(Levels), ')') + ";\n";
}

// One statement nested Levels deep, parsed once and formatted each round.
void BM_FormatNestedIn(benchmark::State& State) {
    const std::string Text = NestedIn(static_cast<int>(State.range(0)));
    TMarlSqlParser P(1);
    P.SetSqlTextString(Text);
    if (P.Parse() != 0 || P.Statements().Count() != 1) {
        State.SkipWithError("the nested statement does not parse");
        return;
    }
    size_t Out = 0;
    for (auto _ : State) {
        Out = FormatAll(P);
        benchmark::DoNotOptimize(Out);
    }
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * Text.size()));
    State.counters["script_bytes"] = static_cast<double>(Text.size());
    State.counters["out_bytes"] = static_cast<double>(Out);
}
BENCHMARK(BM_FormatNestedIn)->Arg(100)->Arg(400)->Arg(800)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
