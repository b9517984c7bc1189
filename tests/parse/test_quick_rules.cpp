// The tokens the table walk makes itself (names, keywords, blanks, line
// breaks, numbers, one-character tokens) against the same matches sent
// through the rule actions: code, text, classes, line and column must not
// differ in any dialect, on real scripts and on hostile bytes.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "nodes/u_nodes.h"
#include "parse/parserfactory.h"
#include "parse/rklexlib.h"

namespace {

struct TVendorCase {
    uint8_t Vendor;
    const char* CorpusDir;
};
const TVendorCase kVendors[] = {{0, "mssql"}, {1, "oracle"}, {2, "mysql"}, {3, "access"}, {4, "generic"}};

// One line per token: result, code, group, type, sub-kind, line, column, text.
std::string Dump(uint8_t Vendor, const std::string& Text, bool Quick, bool SqlPlus) {
    std::unique_ptr<TRkCustomLexer> lx = TRkParserFactory(Vendor).CreateLexer();
    std::ostringstream out;
    lx->SetInput(Text);
    lx->OutputStream = &out;
    lx->yyclear();
    lx->QuickTokens = Quick;
    lx->InSqlPlusCmd = SqlPlus;
    std::string dump;
    for (size_t n = 0; n <= Text.size() + 2; ++n) {
        TSourceToken t;
        const int code = lx->NextToken(t);
        if (code == 0) break;
        dump += std::to_string(code) + ' ' + std::to_string(t.TokenCode) + ' ' + std::to_string(t.TokenGroup) +
                ' ' + std::to_string(t.TokenType) + ' ' + std::to_string(t.TokenSubKind) + ' ' +
                std::to_string(t.Line) + ':' + std::to_string(t.Column) + ' ' + std::string(t.GetText()) + '\n';
    }
    return dump + "echo " + out.str();
}

void ExpectSameTokens(uint8_t Vendor, const std::string& Text, const std::string& Name) {
    for (bool sqlPlus : {false, true}) {
        const std::string quick = Dump(Vendor, Text, true, sqlPlus);
        EXPECT_TRUE(quick == Dump(Vendor, Text, false, sqlPlus))
            << "vendor " << int(Vendor) << ", " << Name << (sqlPlus ? ", command line" : "");
    }
}

}  // namespace

TEST(QuickRules, HandwrittenAndHostileInputsScanAsThroughTheActions) {
    std::string bytes;
    for (int c = 0; c < 256; ++c) bytes += static_cast<char>(c);
    const std::string_view alphabet = "ab1 .\t\n\r'\"[]`@#$:-/*+()=<>N0x9eE_;,\\\x80\xff";
    uint32_t seed = 7;
    std::string random;
    for (int i = 0; i < 20000; ++i) {
        seed = seed * 1103515245u + 12345u;
        random += alphabet[(seed >> 16) % alphabet.size()];
    }
    const std::string inputs[] = {
        "SELECT a.b, \"Q\"\"n\", [br x], `bq`, @v, @@x, :b1, ?, 12, 1.5, .5e3, 1..2, 0x1F FROM t;\r\n",
        "x  \t y\r\r\n\n z -- c\n/* b /* n */ */ 'it''s' N'n' 'a\\'b' <> ! = (+) <<l>> a:=1 #t $",
        "word\nword\r\nword", "'open string\nline two", "\"open name", "/* open comment", "a\n",
        std::string(5000, 'w') + " " + std::string(5000, ' ') + std::string(3000, '9'),
        std::string("a\0b \0", 5), bytes, random,
    };
    for (const TVendorCase& v : kVendors) {
        int k = 0;
        for (const std::string& in : inputs) ExpectSameTokens(v.Vendor, in, "input " + std::to_string(k++));
    }
}

TEST(QuickRules, CorpusScriptsScanAsThroughTheActions) {
    const char* shared = std::getenv("ORRERY_SHARED_DIR");
    if (!shared) GTEST_SKIP() << "no corpus";
    int files = 0;
    for (const TVendorCase& v : kVendors) {
        const std::filesystem::path dir = std::filesystem::path(shared) / "corpus" / v.CorpusDir;
        std::error_code ec;
        if (!std::filesystem::is_directory(dir, ec)) continue;
        for (const auto& e : std::filesystem::directory_iterator(dir, ec)) {
            if (!e.is_regular_file() || e.path().extension() == ".md") continue;
            std::ifstream in(e.path(), std::ios::binary);
            std::ostringstream s;
            s << in.rdbuf();
            ExpectSameTokens(v.Vendor, s.str(), e.path().filename().string());
            ++files;
        }
    }
    if (files == 0) GTEST_SKIP() << "no corpus";
}
