// The MySQL parse driver: reading tokens, error reports with their expected
// texts and positions, the error handler, recovery, limits and the tables.
#include "mysql_parse.h"

#include <cstdio>
#include <cstdlib>
#include <set>
#include <sstream>

#include "parse/mysql/mysqltokens.h"

using namespace mysql_test;

namespace {

class MySQLDriver : public MySQLParseFixture {};

TEST_F(MySQLDriver, CreatedForTheMySQLDialect) {
    TRkParserMySQLSql p;
    EXPECT_EQ(p.DialectCode, 7);
    TRkLexerMySQL lx;   // both constructible without arguments, as the factory needs
    (void)lx;
}

TEST_F(MySQLDriver, OnlyCommentsAndBlanksFailAtOnce) {
    EXPECT_EQ(Parse("  /* c */ -- line\n\t\n"), nullptr);
    EXPECT_EQ(Result, 1);
    EXPECT_TRUE(Errors.empty());
}

TEST_F(MySQLDriver, CommentsBetweenTokensArePassedOver) {
    EXPECT_NE(Root<TRk_SelectStmt>("select /*+ hint */ a -- x\n from\n `t`"), nullptr);
}

TEST_F(MySQLDriver, BindNamesReachTheGrammarAsIdentifiers) {
    auto* q = Root<TRk_SelectStmt>("select a from t where a = :p1");
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(Cond(q), "(= a :p1)");
}

TEST_F(MySQLDriver, CutOffStatementReportsEndOfInput) {
    Parse("select a from");
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Errors[0].Type, 1);
    EXPECT_EQ(Errors[0].Token, "end of input");
    EXPECT_EQ(Errors[0].Line, -1);
    EXPECT_EQ(Errors[0].Column, -1);
    const int32_t count = Tokens->Count();
    TSourceToken* end = Tokens->TokenAt(count - 1);
    ASSERT_NE(end, nullptr);
    EXPECT_EQ(end->TokenCode, 0);
    EXPECT_EQ(end->Line, -1);
}

TEST_F(MySQLDriver, ErrorPositionAndExpectedTexts) {
    const struct {
        const char* Text;
        const char* Token;
        int Line;
        int Column;
        const char* Expected;
    } cases[] = {
        {"select a from t where a b", "b", 1, 26,
         "; * + - / < = > AND IN IS LIKE NOT OR ) GROUP HAVING INTERSECT MINUS ORDER ..."},
        {"create table t (a int) x", "x", 1, 25, "; TYPE UNION PASSWORD ( AS SELECT COMMENT DEFAULT CHARACTER REPLACE "},
        {"(select a from t", "end of input", -1, -1, ") "},
        {"select a\nfrom t\nlimit x", "x", 3, 8, "Unknown"},
    };
    for (const auto& c : cases) {
        Parse(c.Text);
        ASSERT_EQ(Errors.size(), 1u) << c.Text;
        EXPECT_EQ(Errors[0].Token, c.Token) << c.Text;
        EXPECT_EQ(Errors[0].Line, c.Line) << c.Text;
        EXPECT_EQ(Errors[0].Column, c.Column) << c.Text;
        EXPECT_EQ(Errors[0].Expected, c.Expected) << c.Text;
    }
}

TEST_F(MySQLDriver, ExpectedTokenTextRules) {
    EXPECT_EQ(TRkParserMySQLSql::ExpectedTokens(-1), "Unknown");
    // Keywords without a name never appear.
    const std::set<std::string> unnamed = {"LIMIT", "OFFSET", "ENGINE", "ENUM", "TEXT", "IGNORE", "UNSIGNED", "%", "^"};
    const TRkYaccTables& t = TRkParserMySQLSql::Tables();
    int withDots = 0;
    for (int s = 0; s < t.yynstates; ++s) {
        const std::string e = TRkParserMySQLSql::ExpectedTokens(s);
        if (e == "Unknown") continue;
        std::string body = e;
        if (body.size() >= 3 && body.compare(body.size() - 3, 3, "...") == 0) {
            ++withDots;
            body.resize(body.size() - 3);
        }
        ASSERT_EQ(body.back(), ' ') << s;
        std::istringstream in(body);
        std::vector<std::string> names;
        for (std::string w; in >> w;) names.push_back(w);
        EXPECT_LE(names.size(), 20u) << s;
        for (size_t i = 0; i < names.size(); ++i) {
            EXPECT_EQ(unnamed.count(names[i]), 0u) << s << ": " << e;
            if (i > 0) {
                EXPECT_NE(names[i], ";") << s;
            }
        }
    }
    EXPECT_GT(withDots, 0);
}

TEST_F(MySQLDriver, NameTables) {
    std::string n;
    EXPECT_TRUE(TRkParserMySQLSql::TokenName(262, n));
    EXPECT_EQ(n, "Identifier");
    EXPECT_TRUE(TRkParserMySQLSql::TokenName(465, n));
    EXPECT_EQ(n, "Select");
    EXPECT_TRUE(TRkParserMySQLSql::TokenName(426, n));
    EXPECT_EQ(n, "intersect");
    EXPECT_TRUE(TRkParserMySQLSql::TokenName(853, n));
    EXPECT_EQ(n, "TOP");
    EXPECT_TRUE(TRkParserMySQLSql::TokenName('<', n));
    EXPECT_EQ(n, "<");
    EXPECT_FALSE(TRkParserMySQLSql::TokenName('%', n));
    EXPECT_FALSE(TRkParserMySQLSql::TokenName(mysqltok::STRING_LIT, n));
    EXPECT_TRUE(TRkParserMySQLSql::KeywordName(mysqltok::MY_ZONE, n));
    EXPECT_EQ(n, "ZONE");
    EXPECT_FALSE(TRkParserMySQLSql::KeywordName(mysqltok::MY_LIMIT, n));
    EXPECT_FALSE(TRkParserMySQLSql::KeywordName(mysqltok::MY_SELECT, n));
}

TEST_F(MySQLDriver, OneReportThenRecoveryThenSilentFailure) {
    Parse("select a from t t2 t3; select b from u");
    EXPECT_EQ(Result, 1);
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Errors[0].Token, "t3");
    // A statement that had parsed whole before the error keeps its tree.
    auto* c = As<TRk_CreateTableStmt>(Parse("create table t (a int) collate=x"));
    EXPECT_EQ(Result, 1);
    ASSERT_EQ(Errors.size(), 1u);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->ElementList->Count(), 1);
    // A second error in the same statement: no second report.
    Parse("select a from t where a b c d");
    EXPECT_EQ(Result, 1);
    EXPECT_EQ(Errors.size(), 1u);
}

TEST_F(MySQLDriver, HandlerSkipsTheTokenAndIsOfferedOncePerShift) {
    Tokens = Tokenize("select a from t 1");
    Parser = std::make_unique<TRkParserMySQLSql>();
    Parser->TokenList = Tokens.get();
    int offers = 0, reports = 0;
    Parser->OnParserTokenError = [&](void*, TSourceToken*& tok, int, const std::string&,
                                     TActionOnParseError& action, int& rollback, bool& state) {
        ++offers;
        EXPECT_EQ(Txt(tok), "1");
        action = aopContinue;
        rollback = 0;
        state = false;
    };
    Parser->SyntaxErrorCallback = [&](uint8_t, const std::string&, const std::string&, int32_t, int32_t) {
        ++reports;
        return true;
    };
    EXPECT_EQ(Parser->yyparse(), 0);
    EXPECT_EQ(offers, 1);
    EXPECT_EQ(reports, 0);
    EXPECT_NE(As<TRk_SelectStmt>(Parser->RootNode), nullptr);
}

TEST_F(MySQLDriver, StackOverflowIsAnErrorNeverASilentSuccess) {
    Parse("select a from t where x = " + std::string(30000, '(') + "1");
    EXPECT_EQ(Result, 1);
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Errors[0].Expected, "yyparse stack overflow");
}

TEST(MySQLGrammarTables, ConflictCountsArePinned) {
    std::string report;
    if (!sqltest::BisonReport("src/parse/mysql/mysql_sql.y", report)) GTEST_SKIP() << "no source tree or no bison";
    EXPECT_NE(report.find("101 shift/reduce conflicts"), std::string::npos) << report;
    EXPECT_EQ(report.find("reduce/reduce"), std::string::npos) << report;
}

TEST(MySQLGrammarTables, TablePropertiesTheDriverReliesOn) {
    const TRkYaccTables& t = TRkParserMySQLSql::Tables();
    int accepts = 0;
    for (int s = 0; s < t.yynstates; ++s) {
        if (t.yyd[s] != 0) {
            EXPECT_GT(t.yyal[s], t.yyah[s]) << s;
        }
        for (int i = t.yyal[s]; i <= t.yyah[s]; ++i) {
            EXPECT_NE(t.yya[i].sym, 256) << s;
            if (t.yya[i].act == 0) {
                ++accepts;
                EXPECT_EQ(t.yya[i].sym, 0) << s;
            }
        }
    }
    EXPECT_EQ(accepts, 1);
}

// Every keyword code of the scanner is a terminal of the grammar with the
// same number: the %token lines repeat the codes of mysqltokens.h.
TEST(MySQLGrammarTables, GrammarTokenCodesMatchTheScanner) {
    const char* src = std::getenv("ORRERY_SOURCE_DIR");
    if (!src) GTEST_SKIP() << "ORRERY_SOURCE_DIR not set";
    FILE* f = std::fopen((std::string(src) + "/src/parse/mysql/mysql_sql.y").c_str(), "r");
    ASSERT_NE(f, nullptr);
    std::string text;
    char buf[4096];
    size_t n = 0;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, n);
    std::fclose(f);
    for (int i = 0; i < MySQLKeywordCount; ++i) {
        const auto& rec = MySQLKeywordTable[i];
        const std::string decl = std::string(" MY_") + rec.Name + " " + std::to_string(rec.Code) + " ";
        const std::string declEnd = std::string(" MY_") + rec.Name + " " + std::to_string(rec.Code) + "\n";
        EXPECT_TRUE(text.find(decl) != std::string::npos || text.find(declEnd) != std::string::npos) << rec.Name;
    }
}

}  // namespace

namespace {

// Bytes of every value, cut into statements at ";": the scanner and the
// parser finish every piece without crashing, and every error is reported
// once at most.
TEST(MySQLHostileInput, RandomBytesScanAndParse) {
    std::string text;
    uint32_t x = 12345;
    for (int i = 0; i < 200000; ++i) {
        x = x * 1103515245u + 12345u;
        text += static_cast<char>((x >> 16) & 0xFF);
        if (i % 97 == 0) text += ';';
    }
    auto all = Tokenize(text);
    ASSERT_GT(all->Count(), 0);
    std::vector<TSourceToken*> piece;
    TRkParserMySQLSql parser;
    int reports = 0, parses = 0;
    parser.SyntaxErrorCallback = [&](uint8_t, const std::string&, const std::string&, int32_t, int32_t) {
        ++reports;
        return true;
    };
    auto run = [&] {
        TSourceTokenList list(false);
        for (TSourceToken* t : piece) list.Add(t);
        parser.TokenList = &list;
        parser.TokenPos = 0;
        const int before = reports;
        parser.yyparse();
        EXPECT_LE(reports - before, 1);
        ++parses;
        parser.TokenList = nullptr;
        piece.clear();
    };
    for (TSourceToken* t : all->Items()) {
        piece.push_back(t);
        if (t->TokenCode == ';') run();
    }
    run();
    EXPECT_GT(parses, 10) << parses;
}

}  // namespace
