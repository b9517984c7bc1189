// The SQL Server corpus through the scanner and the parser alone: every
// character of a script comes back in its tokens, and one run over the
// whole script never fails or crashes.  Skipped when the shared corpus is
// not there.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "mssql_parse.h"
#include "mssql_scan.h"

namespace {

std::vector<std::filesystem::path> CorpusFiles() {
    const char* shared = std::getenv("ORRERY_SHARED_DIR");
    std::vector<std::filesystem::path> files;
    if (!shared) return files;
    const std::filesystem::path dir = std::filesystem::path(shared) / "corpus" / "mssql";
    std::error_code ec;
    if (!std::filesystem::is_directory(dir, ec)) return files;
    for (const auto& e : std::filesystem::directory_iterator(dir, ec))
        if (e.path().extension() == ".sql") files.push_back(e.path());
    return files;
}

std::string ReadFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(MssqlCorpus, TokensGiveTheScriptBack) {
    const auto files = CorpusFiles();
    if (files.empty()) GTEST_SKIP() << "no corpus";
    for (const auto& f : files) {
        const std::string text = ReadFile(f);
        std::string joined;
        for (const MsTok& t : MsScan(text)) joined += t.text;
        // (The helper leaves out a final line break token "\n".)
        if (joined.size() + 1 == text.size() && text.back() == '\n') joined += '\n';
        EXPECT_EQ(joined, text) << f.filename();
    }
}

TEST(MssqlCorpus, OneRunOverEachScript) {
    const auto files = CorpusFiles();
    if (files.empty()) GTEST_SKIP() << "no corpus";
    for (const auto& f : files) {
        MsRun r(ReadFile(f));
        EXPECT_EQ(r.Parse(), 0) << f.filename();
        EXPECT_FALSE(r.parser->ResultList.empty()) << f.filename();
        // Every report is one record, never a failure pair.
        for (const MsError& e : r.errors) EXPECT_NE(e.message, "abort !!! ") << f.filename();
    }
}

}  // namespace
