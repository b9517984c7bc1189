// The scripts that the corpus tests read: the repository's samples of a
// dialect (samples/<dialect>_*) and the shared corpus's folder of it, when
// the environment names them.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace fetest {

struct CorpusDialect {
    const char* Name;  // folder of the corpus, prefix of the sample's file name
    std::uint8_t Vendor;
};

inline constexpr CorpusDialect CorpusDialects[] = {
    {"mssql", 0}, {"oracle", 1}, {"mysql", 2}, {"access", 3}, {"generic", 4}};

inline std::filesystem::path CorpusDir() {
    const char* D = std::getenv("ORRERY_SHARED_DIR");
    return D ? std::filesystem::path(D) / "corpus" : std::filesystem::path();
}

inline std::string ReadScript(const std::filesystem::path& P) {
    std::ifstream In(P, std::ios::binary);
    std::stringstream S;
    S << In.rdbuf();
    return S.str();
}

// (name in reports, path) of every script of the dialect, sorted by name.
inline std::vector<std::pair<std::string, std::filesystem::path>> DialectScripts(const std::string& Dialect) {
    namespace fs = std::filesystem;
    std::vector<std::pair<std::string, fs::path>> Scripts;
    std::error_code Ec;
    if (const char* Src = std::getenv("ORRERY_SOURCE_DIR"))
        for (const auto& E : fs::directory_iterator(fs::path(Src) / "samples", Ec))
            if (E.path().filename().string().rfind(Dialect + "_", 0) == 0)
                Scripts.emplace_back("samples/" + E.path().filename().string(), E.path());
    if (!CorpusDir().empty())
        for (const auto& E : fs::directory_iterator(CorpusDir() / Dialect, Ec))
            if (E.is_regular_file()) Scripts.emplace_back(E.path().filename().string(), E.path());
    std::sort(Scripts.begin(), Scripts.end());
    return Scripts;
}

}  // namespace fetest
