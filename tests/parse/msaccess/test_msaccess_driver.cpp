// The MS Access parse driver: error reports (text, line, column, expected
// tokens), the end token, recovery, the error event, and the tables.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "msaccess_support.h"

using namespace access_test;

namespace {

class AccessDriver : public AccessParseFixture {};

TEST_F(AccessDriver, ErrorInsideAStatementNamesTheToken) {
    Parse("SELECT a\nFROM t WHERE = 1");
    EXPECT_EQ(Result, 1);
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Errors[0].Type, 1);
    EXPECT_EQ(Errors[0].Token, "=");
    EXPECT_EQ(Errors[0].Line, 2);
    EXPECT_EQ(Errors[0].Column, 15);   // the column after the token
}

TEST_F(AccessDriver, ErrorAtTheEndIsEndOfInput) {
    Parse("SELECT a FROM");
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Errors[0].Token, "end of input");
    EXPECT_EQ(Errors[0].Line, -1);
    EXPECT_EQ(Errors[0].Column, -1);
    // The end token stays in the list.
    ASSERT_GT(Tokens->Count(), 0);
    EXPECT_EQ(Tokens->GetToken(Tokens->Count() - 1)->TokenCode, 0);
}

TEST_F(AccessDriver, OnlyCommentsGiveOneWithoutReport) {
    Parse("  /* nothing */ -- here\n");
    EXPECT_EQ(Result, 1);
    EXPECT_TRUE(Errors.empty());
}

TEST_F(AccessDriver, ExpectedTextsNameGrammarWordsNotScannerOnlyOnes) {
    // After a column's type: constraint words are expected, CHECK and
    // DEFAULT among them although the scanner returns them as identifiers.
    Parse("CREATE TABLE t (a INT 5)");
    ASSERT_EQ(Errors.size(), 1u);
    const std::string& e = Errors[0].Expected;
    EXPECT_NE(e.find("CHECK "), std::string::npos) << e;
    EXPECT_NE(e.find("DEFAULT "), std::string::npos) << e;
    for (const char* never : {"COLUMN ", "COUNTER ", "MEMO ", "TEXT ", "YESNO "})
        EXPECT_EQ((" " + e).find(std::string(" ") + never), std::string::npos) << never << " in " << e;
    EXPECT_EQ(e.back(), ' ');
}

TEST_F(AccessDriver, ExpectedTextFormat) {
    std::string all;
    for (int s = 0; s < TRkParserMsaccessSql::Tables().yynstates; ++s) {
        std::string e = TRkParserMsaccessSql::ExpectedTokens(s);
        if (e == "Unknown") continue;
        // At most 20 names, each followed by a blank, then "..." when cut.
        size_t blanks = 0;
        for (char c : e) blanks += c == ' ';
        EXPECT_LE(blanks, 20u) << e;
        if (e.size() >= 3 && e.compare(e.size() - 3, 3, "...") == 0) EXPECT_EQ(blanks, 20u);
        else EXPECT_EQ(e.back(), ' ') << e;
        all += " " + e;
    }
    for (const char* never : {" COLUMN ", " COUNTER ", " MEMO ", " TEXT ", " YESNO ", " % ", " ^ "})
        EXPECT_EQ(all.find(never), std::string::npos) << never;
    EXPECT_NE(all.find(" > "), std::string::npos);
    EXPECT_NE(all.find(" < "), std::string::npos);
}

TEST_F(AccessDriver, RecoveryKeepsAWholeFirstStatement) {
    TRk_Node* root = Parse("SELECT a FROM t; SELECT FROM");
    EXPECT_EQ(Result, 1);
    EXPECT_EQ(Errors.size(), 1u);
    EXPECT_NE(As<TRk_SelectStmt>(root), nullptr);
}

TEST_F(AccessDriver, SecondErrorIsNotReported) {
    Parse("SELECT , , FROM ,");
    EXPECT_EQ(Result, 1);
    EXPECT_EQ(Errors.size(), 1u);
}

TEST_F(AccessDriver, ColonNameReadsAsIdentifier) {
    auto* q = As<TRk_SelectStmt>(Parse("SELECT a FROM t WHERE b = :p"));
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(Result, 0);
    EXPECT_EQ(Sx(q->WhereCondition), "(= b :p)");
}

TEST_F(AccessDriver, HandlerContinueSkipsTheToken) {
    Tokens = Tokenize("SELECT a FROM t 1");
    Parser = std::make_unique<TRkParserMsaccessSql>();
    Parser->TokenList = Tokens.get();
    int calls = 0;
    Parser->OnParserTokenError = [&](void*, TSourceToken*& tok, int, const std::string&,
                                     TActionOnParseError& action, int&, bool&) {
        ++calls;
        EXPECT_EQ(TokText(tok), "1");
        action = aopContinue;
    };
    Parser->SyntaxErrorCallback = [&](uint8_t, const std::string& e, const std::string& tok, int32_t, int32_t) {
        ADD_FAILURE() << tok << " / " << e;
        return true;
    };
    EXPECT_EQ(Parser->yyparse(), 0);
    EXPECT_EQ(calls, 1);
    EXPECT_NE(As<TRk_SelectStmt>(Parser->RootNode), nullptr);
}

TEST_F(AccessDriver, DeepNestingFailsWithARecord) {
    std::string s = "SELECT a FROM t WHERE " + std::string(20000, '(') + "1" + std::string(20000, ')');
    Parse(s);
    EXPECT_EQ(Result, 1);
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Parser->ErrorMessage, "yyparse stack overflow");
}

TEST(AccessTables, SizeAndConflicts) {
    const TRkYaccTables& t = TRkParserMsaccessSql::Tables();
    EXPECT_EQ(t.yynstates, 788);
    // bison reads the same grammar: same states, 83 shift/reduce conflicts
    // (all resolved as shifts), no reduce/reduce conflict.
    const char* src = std::getenv("ORRERY_SOURCE_DIR");
    if (src == nullptr || std::system("bison --version > /dev/null 2>&1") != 0) GTEST_SKIP() << "no bison";
    const std::filesystem::path y = std::filesystem::path(src) / "src/parse/msaccess/msaccess_sql.y";
    const std::filesystem::path out = std::filesystem::temp_directory_path() / "msaccess_bison_check";
    std::filesystem::create_directories(out);
    const std::string cmd = "cd '" + out.string() + "' && bison -Wno-other -Wno-empty-rule -Wno-precedence " +
                            "--report=state -o x.c '" + y.string() + "' > msg.txt 2>&1";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    std::string msg, line;
    FILE* f = std::fopen((out / "msg.txt").c_str(), "r");
    ASSERT_NE(f, nullptr);
    char buf[512];
    while (std::fgets(buf, sizeof buf, f)) msg += buf;
    std::fclose(f);
    EXPECT_NE(msg.find("83 shift/reduce conflicts"), std::string::npos) << msg;
    EXPECT_EQ(msg.find("reduce/reduce"), std::string::npos) << msg;
    std::filesystem::remove_all(out);
}

}  // namespace
