// The MySQL parse driver: reading tokens, error reports with their expected
// texts and positions, the error handler, recovery, limits and the tables.
#include <fstream>
#include <sstream>

#include "parse/mysql/sqltree_check.h"
#include "parse/mysql/mysqltokens.h"

using namespace treetest;

namespace {

class MySQLDriver : public MySQLParseFixture {};

TEST_F(MySQLDriver, CommentsBlanksAndBindNames) {
    EXPECT_EQ(TRkParserMySQLSql().DialectCode, 7);
    EXPECT_NE(Root<TRk_SelectStmt>("select /*+ hint */ a -- x\n from\n `t`"), nullptr);
    EXPECT_EQ(Cond(Root<TRk_SelectStmt>("select a from t where a = :p1")), "(= a :p1)");
    // Only comments and blanks: a failure without a report.
    EXPECT_EQ(Parse("  /* c */ -- line\n\t\n"), nullptr);
    EXPECT_EQ(Result, 1);
    EXPECT_TRUE(Errors.empty());
}

TEST_F(MySQLDriver, ErrorPositionAndExpectedTexts) {
    static const struct {
        const char *Text, *Where, *Expected;  // Where: type, token, line, column
    } Cases[] = {
        {"select a from t where a b", "1 b 1 26",
         "; * + - / < = > AND IN IS LIKE NOT OR ) GROUP HAVING INTERSECT MINUS ORDER ..."},
        {"create table t (a int) x", "1 x 1 25", "; TYPE UNION PASSWORD ( AS SELECT COMMENT DEFAULT CHARACTER REPLACE "},
        {"(select a from t", "1 end of input -1 -1", ") "}, {"select a\nfrom t\nlimit x", "1 x 3 8", "Unknown"},
        {"select a from", "1 end of input -1 -1",
         "( IDENTIFIER CLOSE PACKAGE TYPE BY INSERT REVOKE TRIGGER USER CAST COMMIT CONSTRAINTS COUNT PASSWORD "
         "SEQUENCE TIMESTAMP TRANSACTION TRIGGERS TRUNCATE ..."},
    };
    for (const auto& c : Cases) {
        SCOPED_TRACE(c.Text);
        Parse(c.Text);
        ASSERT_EQ(Errors.size(), 1u);
        EXPECT_EQ(J(Errors[0].Type, Errors[0].Token, Errors[0].Line, Errors[0].Column), c.Where);
        EXPECT_EQ(Errors[0].Expected, c.Expected);
        // At the end of the input, the end token the driver appends stays in the list.
        const TSourceToken* end = Tokens->TokenAt(Tokens->Count() - 1);
        if (Errors[0].Line == -1) {
            EXPECT_EQ(J(end->TokenCode, end->Line), "0 -1");
        }
    }
}

TEST_F(MySQLDriver, ExpectedTokenTextRules) {
    EXPECT_EQ(TRkParserMySQLSql::ExpectedTokens(-1), "Unknown");
    const std::string all = AllExpectedTexts<TRkParserMySQLSql>();
    EXPECT_NE(all.find(" ..."), std::string::npos);
    // Keywords without a name never appear.
    for (const char* w : {"LIMIT", "OFFSET", "ENGINE", "ENUM", "TEXT", "IGNORE", "UNSIGNED", "%", "^"})
        EXPECT_EQ(all.find(std::string(" ") + w + " "), std::string::npos) << w;
}

TEST_F(MySQLDriver, NameTables) {
    // Name of a token or keyword code, "-" for none.
    auto token = [](int code) {
        std::string n;
        return TRkParserMySQLSql::TokenName(code, n) ? n : "-";
    };
    auto keyword = [](int code) {
        std::string n;
        return TRkParserMySQLSql::KeywordName(code, n) ? n : "-";
    };
    EXPECT_EQ(J(token(262), token(465), token(426), token(853), token('<'), token('%'), token(mysqltok::STRING_LIT)),
              "Identifier Select intersect TOP < - -");
    EXPECT_EQ(J(keyword(mysqltok::MY_ZONE), keyword(mysqltok::MY_LIMIT), keyword(mysqltok::MY_SELECT)), "ZONE - -");
}

TEST_F(MySQLDriver, OneReportThenRecoveryThenSilentFailure) {
    EXPECT_EQ(Refused("select a from t t2 t3; select b from u"), "t3");
    EXPECT_EQ(Result, 1);
    // A statement that had parsed whole before the error keeps its tree.
    auto* c = As<TRk_CreateTableStmt>(Parse("create table t (a int) collate=x"));
    EXPECT_EQ(Result, 1);
    ASSERT_EQ(Errors.size(), 1u);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->ElementList->Count(), 1);
    // A second error in the same statement: no second report.
    EXPECT_EQ(Refused("select a from t where a b c d"), "b");
    EXPECT_EQ(Result, 1);
}

TEST_F(MySQLDriver, HandlerSkipsTheTokenAndIsOfferedOncePerShift) { ExpectHandlerSkips("select a from t 1", "1"); }

TEST_F(MySQLDriver, StackOverflowIsAnErrorNeverASilentSuccess) {
    Refused("select a from t where x = " + std::string(30000, '(') + "1");
    EXPECT_EQ(Result, 1);
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Errors[0].Expected, "yyparse stack overflow");
}

TEST(MySQLGrammarTables, ConflictCountsArePinned) { ExpectConflicts("src/parse/mysql/mysql_sql.y", "101"); }

// Every keyword code of the scanner is a terminal of the grammar with the
// same number: the %token lines repeat the codes of mysqltokens.h.
TEST(MySQLGrammarTables, GrammarTokenCodesMatchTheScanner) {
    const char* src = std::getenv("ORRERY_SOURCE_DIR");
    if (!src) GTEST_SKIP() << "ORRERY_SOURCE_DIR not set";
    std::ifstream in(std::string(src) + "/src/parse/mysql/mysql_sql.y", std::ios::binary);
    ASSERT_TRUE(in.good());
    std::stringstream buf;
    buf << in.rdbuf();
    const std::string text = buf.str();
    for (int i = 0; i < MySQLKeywordCount; ++i) {
        const auto& rec = MySQLKeywordTable[i];
        const std::string decl = std::string(" MY_") + rec.Name + " " + std::to_string(rec.Code);
        EXPECT_TRUE(text.find(decl + " ") != std::string::npos || text.find(decl + "\n") != std::string::npos)
            << rec.Name;
    }
}

// Bytes of every value, cut into statements at ";": the scanner and one
// parser reused for every piece finish without crashing, and every error is
// reported once at most.
TEST(MySQLHostileInput, RandomBytesScanAndParse) {
    std::string text;
    uint32_t x = 12345;
    for (int i = 0; i < 200000; ++i) {
        x = x * 1103515245u + 12345u;
        text += static_cast<char>((x >> 16) & 0xFF);
        if (i % 97 == 0) text += ';';
    }
    const auto all = sqltest::Tokenize<TRkLexerMySQL>(text);
    TRkParserMySQLSql parser;
    int reports = 0, parses = 0;
    parser.SyntaxErrorCallback = [&](uint8_t, const std::string&, const std::string&, int32_t, int32_t) {
        return ++reports, true;
    };
    auto piece = std::make_unique<TSourceTokenList>(false);
    for (int32_t i = 0; i < all->Count(); ++i) {
        piece->Add(all->TokenAt(i));
        if (all->TokenAt(i)->TokenCode != ';' && i + 1 < all->Count()) continue;
        parser.TokenList = piece.get();
        parser.TokenPos = 0;
        const int before = reports;
        parser.yyparse();
        EXPECT_LE(reports - before, 1);
        ++parses;
        parser.TokenList = nullptr;
        piece = std::make_unique<TSourceTokenList>(false);
    }
    EXPECT_GT(parses, 10);
}

}  // namespace
