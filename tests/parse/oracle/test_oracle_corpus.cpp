// The real-world scripts of the shared corpus, end to end through the front
// end (vendor 1 for oracle/, 4 for generic/).  Per script the number of
// statements, of statements that fail, and the token each failure stops at
// are pinned, so that a regression in the scanner, splitter, grammar or
// driver shows up as a changed figure.  Skipped when the corpus is absent.
//
// With ORRERY_CORPUS_LIST=1 every failing statement is printed with its
// error, and every script's figures as a line of the expectation file: the
// tool for working through the failures.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>

#include "formatter/rkbasetype.h"
#include "frontend/marlsqlparser.h"

namespace {

namespace fs = std::filesystem;

struct Expectation {
    const char* Dialect;
    const char* File;
    int Statements;
    int Failing;
    // Upper-cased text of the token where each failing statement's first
    // error stands, with how many statements stop there.
    std::map<std::string, int> FirstErrorTokens;
};

// Figures per script.  The failures left are constructs outside the
// grammar (column NOT NULL ENABLE, GENERATED ... AS IDENTITY, CHAR length
// semantics written without a number, engine-specific types, ...).
const Expectation kExpected[] = {
#include "test_oracle_corpus_expected.inc"
};

// The figures of one script as a line of the expectation file.
std::string Line(const std::string& Dialect, const std::string& File, int Statements, int Failing,
                 const std::map<std::string, int>& Tokens) {
    std::string s = "{\"" + Dialect + "\", \"" + File + "\", " + std::to_string(Statements) + ", " +
                    std::to_string(Failing) + ", {";
    for (const auto& [k, v] : Tokens) s += (s.back() == '{' ? "{\"" : ", {\"") + k + "\", " + std::to_string(v) + "}";
    return s + "}},";
}

std::string RunScript(const fs::path& File, const char* Dialect, std::uint8_t Vendor, bool List) {
    std::ifstream in(File, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    TMarlSqlParser p(Vendor);
    p.SetSqlTextString(ss.str());
    p.Parse();
    int failing = 0;
    std::map<std::string, int> tokens;
    for (int i = 0; i < p.Statements().Count(); ++i) {
        TCustomSqlStatement* st = p.Statements().GetStatement(i);
        if (st->GetErrorCount() == 0) continue;
        ++failing;
        const TSyntaxError& e = st->SyntaxErrors.Get(1);
        ++tokens[UpperCase(e.TokenText)];
        if (List)
            std::cout << File.filename().string() << " stmt " << i << ": " << e.TokenText << " at " << e.Line << ":"
                      << e.Column << " expected: " << e.Message << "\n    " << st->GetTrimmedSqlText().substr(0, 160)
                      << "\n";
    }
    return Line(Dialect, File.filename().string(), p.Statements().Count(), failing, tokens);
}

TEST(OracleCorpus, PinnedFiguresPerScript) {
    const char* shared = std::getenv("ORRERY_SHARED_DIR");
    std::error_code ec;
    const fs::path dir = fs::path(shared ? shared : "") / "corpus";
    if (!shared || !fs::is_directory(dir, ec)) GTEST_SKIP() << "corpus not available";
    const bool list = std::getenv("ORRERY_CORPUS_LIST") != nullptr;
    for (const Expectation& e : kExpected) {
        const fs::path file = dir / e.Dialect / e.File;
        if (!fs::is_regular_file(file, ec)) continue;   // a trimmed corpus
        const std::string got = RunScript(file, e.Dialect, std::string(e.Dialect) == "oracle" ? 1 : 4, list);
        if (list) std::cout << got << "\n";
        EXPECT_EQ(got, Line(e.Dialect, e.File, e.Statements, e.Failing, e.FirstErrorTokens));
    }
}

}  // namespace
