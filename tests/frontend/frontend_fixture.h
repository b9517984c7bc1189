// Shared helpers of the front-end tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "frontend/marlsqlparser.h"
#include "parse/parserfactory.h"
#include "parse/rklexlib.h"
#include "parse/rkyacclib.h"

namespace fetest {

inline bool ScannerAvailable(std::uint8_t Vendor = 1) {
    try {
        return TRkParserFactory(Vendor).CreateLexer() != nullptr;
    } catch (const std::exception&) {
        return false;
    }
}

inline bool GrammarAvailable(std::uint8_t Vendor = 1) {
    try {
        return TRkParserFactory(Vendor).CreateParser() != nullptr;
    } catch (const std::exception&) {
        return false;
    }
}

#define REQUIRE_SCANNER() ASSERT_TRUE(fetest::ScannerAvailable()) << "the Oracle scanner is missing"
#define REQUIRE_GRAMMAR() ASSERT_TRUE(fetest::GrammarAvailable()) << "the Oracle grammar is missing"

// A file in a fresh temporary folder, removed with the object.
class TempFile {
public:
    explicit TempFile(const std::string& Bytes, const std::string& Name = "script.sql") {
        Dir = std::filesystem::temp_directory_path() /
              ("orrery_fe_" + std::to_string(::getpid()) + "_" + std::to_string(Counter()++));
        std::filesystem::create_directories(Dir);
        Path = (Dir / Name).string();
        std::ofstream(Path, std::ios::binary) << Bytes;
    }
    ~TempFile() {
        std::error_code Ec;
        std::filesystem::remove_all(Dir, Ec);
    }
    std::filesystem::path Dir;
    std::string Path;

private:
    static int& Counter() {
        static int C = 0;
        return C;
    }
};

// The statement's own tokens, concatenated.
inline std::string TokenText(TCustomSqlStatement* S) { return S->GetRawSqlText(); }

inline std::vector<std::string> ClassNames(TMarlSqlParser& P) {
    std::vector<std::string> R;
    for (TCustomSqlStatement* S : P.Statements()) R.push_back(S->ClassName());
    return R;
}

}  // namespace fetest
