// Shared by the dialect grammar and driver tests: the token list of a text as
// a dialect's scanner makes it, and a fixture that parses one text with a
// dialect's parser, keeping its error reports.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "nodes/u_nodes.h"

namespace sqltest {

// Owning token list of Text, as the scanner Lexer delivers it.
template <class Lexer>
std::unique_ptr<TSourceTokenList> Tokenize(const std::string& Text) {
    auto list = std::make_unique<TSourceTokenList>(true);
    std::istringstream in(Text);
    std::ostringstream echo;
    Lexer lx;
    lx.InputStream = &in;
    lx.OutputStream = &echo;
    lx.yyclear();
    for (;;) {
        auto tok = std::make_unique<TSourceToken>();
        if (lx.NextToken(*tok) == 0) break;
        tok->SetOwnerList(list.get());
        tok->PosInList = list->Count();
        list->Add(std::move(tok));
    }
    return list;
}

struct TErrorRec {
    int Type = 0;
    std::string Expected;
    std::string Token;
    int Line = 0;
    int Column = 0;
};

// Parses one text.  The parser and the tokens live as long as the fixture.
template <class Lexer, class SqlParser, std::uint8_t Vendor>
class ParseFixture : public ::testing::Test {
protected:
    std::unique_ptr<TSourceTokenList> Tokens;
    std::unique_ptr<SqlParser> Parser;
    std::vector<TErrorRec> Errors;
    int Result = -2;

    TRk_Node* Parse(const std::string& Text) {
        Tokens = Tokenize<Lexer>(Text);
        Parser = std::make_unique<SqlParser>();
        Parser->DbVendor = Vendor;
        Parser->TokenList = Tokens.get();
        Parser->TokenPos = 0;
        Errors.clear();
        Parser->SyntaxErrorCallback = [this](uint8_t t, const std::string& e, const std::string& tok, int32_t l,
                                             int32_t c) {
            Errors.push_back({t, e, tok, l, c});
            return true;
        };
        Result = Parser->yyparse();
        return Parser->RootNode;
    }
};

// Own tokens of a node, their texts joined by "|".
inline std::string OwnTokens(const TRk_Node* N) {
    if (N == nullptr) return "<nil>";
    std::string s;
    for (const TSourceToken* t : N->TokenList->Items()) {
        if (!s.empty()) s += "|";
        s += t->GetText();
    }
    return s;
}

inline std::string TokText(const TSourceToken* T) { return T ? std::string(T->GetText()) : std::string("<nil>"); }

// What bison says of a grammar of the source tree (Grammar relative to it),
// or nothing when the source tree or bison is not at hand.
inline bool BisonReport(const std::string& Grammar, std::string& Report) {
    const char* src = std::getenv("ORRERY_SOURCE_DIR");
    if (!src || std::system("bison --version > /dev/null 2>&1") != 0) return false;
    const std::string out = ::testing::TempDir() + "sqltest_bison.c";
    const std::string cmd = "bison -Wno-other -Wno-empty-rule -Wno-precedence -o " + out + " " + std::string(src) +
                            "/" + Grammar + " 2>&1";
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return false;
    char buf[512];
    while (fgets(buf, sizeof buf, p)) Report += buf;
    pclose(p);
    std::remove(out.c_str());
    return true;
}

// A grammar's shift/reduce conflicts, pinned by its "%expect N": bison, which
// reads the same file, accepts it without a word only while the count holds
// (and no reduce/reduce conflict appears).
inline void ExpectDeclaredConflicts(const std::string& Grammar, const std::string& ShiftReduce) {
    std::string report;
    if (!BisonReport(Grammar, report)) GTEST_SKIP() << "no source tree or no bison";
    EXPECT_EQ(report.find("conflicts"), std::string::npos) << report;
    std::ifstream in(std::string(std::getenv("ORRERY_SOURCE_DIR")) + "/" + Grammar, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("\n%expect " + ShiftReduce + "\n"), std::string::npos) << Grammar;
}

}  // namespace sqltest
