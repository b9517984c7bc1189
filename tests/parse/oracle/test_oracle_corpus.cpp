// The real-world scripts of the shared corpus, end to end through the front
// end (vendor 1 for oracle/, 4 for generic/).  Per script the number of
// statements, of statements that fail, and the token each failure stops at
// are pinned, so that a regression in the scanner, splitter, grammar or
// driver shows up as a changed figure.  Skipped when the corpus is absent.
//
// With ORRERY_CORPUS_LIST=1 every failing statement is printed with its
// error (line, column, token, expected text): the tool for working through
// the failures.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "frontend/marlsqlparser.h"

namespace {

namespace fs = std::filesystem;

std::string Upper(std::string S) {
    for (char& c : S) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return S;
}

struct ScriptResult {
    int Statements = 0;
    int Failing = 0;
    // Upper-cased text of the token where each failing statement's first
    // error stands, with how many statements stop there.
    std::map<std::string, int> FirstErrorTokens;
};

fs::path CorpusDir() {
    const char* shared = std::getenv("ORRERY_SHARED_DIR");
    if (!shared) return {};
    fs::path dir = fs::path(shared) / "corpus";
    std::error_code ec;
    return fs::is_directory(dir, ec) ? dir : fs::path();
}

ScriptResult RunScript(const fs::path& File, std::uint8_t Vendor, bool List) {
    std::ifstream in(File, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    TMarlSqlParser p(Vendor);
    p.SetSqlTextString(ss.str());
    p.Parse();
    ScriptResult r;
    if (List)
        for (int i = 1; i <= p.ErrorCount(); ++i) {
            const TSyntaxError& e = p.SyntaxErrors().Get(i);
            if (e.ErrorType != 1)
                std::cout << "  front end error type " << int(e.ErrorType) << ": " << e.TokenText << " at "
                          << e.Line << ":" << e.Column << " " << e.Message << "\n";
        }
    for (int i = 0; i < p.Statements().Count(); ++i) {
        TCustomSqlStatement* st = p.Statements().GetStatement(i);
        ++r.Statements;
        if (List && st->GetErrorCount() == 0 && st->RootNode == nullptr) {
            std::string head = st->GetTrimmedSqlText().substr(0, 100);
            for (char& c : head)
                if (c == '\r' || c == '\n') c = ' ';
            std::cout << "  no tree, type " << int(st->StatementType) << ": " << head << "\n";
        }
        if (st->GetErrorCount() == 0) continue;
        ++r.Failing;
        const TSyntaxError& e = st->SyntaxErrors.Get(1);
        ++r.FirstErrorTokens[Upper(e.TokenText)];
        if (List) {
            TSourceToken* start = st->GetStartToken();
            std::string head = st->GetTrimmedSqlText().substr(0, 160);
            for (char& c : head)
                if (c == '\r' || c == '\n') c = ' ';
            std::cout << File.parent_path().filename().string() << "/" << File.filename().string() << " stmt "
                      << i << " (line " << (start ? start->Line : -1) << ", type " << int(st->StatementType)
                      << "): " << e.TokenText << " at " << e.Line << ":" << e.Column << " expected: " << e.Message
                      << "\n    " << head << "\n";
        }
    }
    return r;
}

struct Expectation {
    const char* Dialect;
    const char* File;
    int Statements;
    int Failing;
    std::map<std::string, int> FirstErrorTokens;
};

// Figures per script.  The failures left are constructs outside the
// grammar (column NOT NULL ENABLE, GENERATED ... AS IDENTITY, CHAR length
// semantics written without a number, engine-specific types, ...).
const std::vector<Expectation> kExpected = {
#include "test_oracle_corpus_expected.inc"
};

std::string Describe(const std::map<std::string, int>& M) {
    std::string s;
    for (const auto& [k, v] : M) s += "\"" + k + "\":" + std::to_string(v) + " ";
    return s;
}

TEST(OracleCorpus, PinnedFiguresPerScript) {
    fs::path dir = CorpusDir();
    if (dir.empty()) GTEST_SKIP() << "corpus not available";
    const bool list = std::getenv("ORRERY_CORPUS_LIST") != nullptr;
    std::map<std::string, const Expectation*> byName;
    for (const Expectation& e : kExpected) byName[std::string(e.Dialect) + "/" + e.File] = &e;
    int total = 0, failing = 0;
    for (const auto& [dialect, vendor] : {std::pair<const char*, std::uint8_t>{"oracle", 1}, {"generic", 4}}) {
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(dir / dialect, ec)) {
            if (!entry.is_regular_file()) continue;
            const std::string name = std::string(dialect) + "/" + entry.path().filename().string();
            SCOPED_TRACE(name);
            ScriptResult r = RunScript(entry.path(), vendor, list);
            total += r.Statements;
            failing += r.Failing;
            if (list) {
                std::cout << "{\"" << dialect << "\", \"" << entry.path().filename().string() << "\", "
                          << r.Statements << ", " << r.Failing << ", {";
                bool first = true;
                for (const auto& [k, v] : r.FirstErrorTokens) {
                    std::string q;
                    for (char c : k) q += (c == '"' || c == '\\') ? std::string("\\") + c : std::string(1, c);
                    std::cout << (first ? "" : ", ") << "{\"" << q << "\", " << v << "}";
                    first = false;
                }
                std::cout << "}},\n";
            }
            auto it = byName.find(name);
            if (it == byName.end()) continue;  // a script added to the corpus later
            EXPECT_EQ(r.Statements, it->second->Statements);
            EXPECT_EQ(r.Failing, it->second->Failing);
            EXPECT_EQ(Describe(r.FirstErrorTokens), Describe(it->second->FirstErrorTokens));
        }
    }
    if (list) std::cout << "total " << total << " statements, " << failing << " failing\n";
}

}  // namespace
