// The real SQL Server scripts the tests read: the repository's sample and
// the shared corpus (when ORRERY_SHARED_DIR names it).
#pragma once

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace mssqltest {

inline std::string ReadFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The corpus scripts by name, sorted; empty when there is no corpus.
inline std::vector<std::filesystem::path> CorpusScripts() {
    std::vector<std::filesystem::path> r;
    const char* shared = std::getenv("ORRERY_SHARED_DIR");
    if (!shared) return r;
    const std::filesystem::path dir = std::filesystem::path(shared) / "corpus" / "mssql";
    std::error_code ec;
    if (!std::filesystem::is_directory(dir, ec)) return r;
    for (const auto& e : std::filesystem::directory_iterator(dir))
        if (e.is_regular_file() && e.path().extension() == ".sql") r.push_back(e.path());
    std::sort(r.begin(), r.end());
    return r;
}

// The repository's SQL Server sample.
inline std::filesystem::path SampleScript() {
    const char* source = std::getenv("ORRERY_SOURCE_DIR");
    return std::filesystem::path(source ? source : ".") / "samples" / "mssql_projects.sql";
}

}  // namespace mssqltest
