// The Oracle parser driver: token feed, end of input, expected-token texts,
// error reports with their positions, the host's error event (retry,
// rewind, undo), recovery at a ";" reduction, stack limits, and the
// generated tables' agreement with the token codes.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "oracle_yacc.h"
#include "test_oracle_grammar_support.h"

using namespace oracle_test;

namespace {

// Every token name of the grammar is the shared token code.
#define ORACLE_DRIVER_SAME_CODE(word, code) \
    static_assert(static_cast<int>(oracle::RW_##word) == static_cast<int>(oracletok::RW_##word), #word);
ORACLE_KEYWORD_LIST(ORACLE_DRIVER_SAME_CODE)
#undef ORACLE_DRIVER_SAME_CODE
static_assert(static_cast<int>(oracle::IDENT) == static_cast<int>(oracletok::IDENT));
static_assert(static_cast<int>(oracle::NUMBER_LIT) == static_cast<int>(oracletok::NUMBER_LIT));
static_assert(static_cast<int>(oracle::STRING_LIT) == static_cast<int>(oracletok::STRING_LIT));
static_assert(static_cast<int>(oracle::INTEGER_LIT) == static_cast<int>(oracletok::INTEGER_LIT));
static_assert(static_cast<int>(oracle::OPERATOR) == static_cast<int>(oracletok::OPERATOR));
static_assert(static_cast<int>(oracle::BIND_NAME) == static_cast<int>(oracletok::BIND_NAME));
static_assert(static_cast<int>(oracle::FORCED_ERROR) == static_cast<int>(oracletok::FORCED_ERROR));
static_assert(static_cast<int>(oracle::OUTER_JOIN_MARK) == static_cast<int>(oracletok::OUTER_JOIN_MARK));

class OracleDriver : public OracleParseFixture {};

TEST_F(OracleDriver, CreatedForTheOracleDialect) {
    TRkParserOracleSql p;
    EXPECT_EQ(p.DialectCode, 1);
    EXPECT_STREQ(p.ClassName(), "TRkParserOracleSql");
}

TEST_F(OracleDriver, OnlyCommentsAndBlanksFailAtOnce) {
    EXPECT_EQ(Parse("  /* c */ -- line\n\t\n"), nullptr);
    EXPECT_EQ(Result, 1);
    EXPECT_TRUE(Errors.empty());
    EXPECT_EQ(Parse(""), nullptr);
    EXPECT_EQ(Result, 1);
    EXPECT_TRUE(Errors.empty());
}

TEST_F(OracleDriver, CommentsBetweenTokensArePassedOver) {
    auto* q = As<TRk_SelectStmt>(Parse("select /*+ hint */ a -- x\n from\n t"));
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(Result, 0);
    EXPECT_TRUE(Errors.empty());
}

TEST_F(OracleDriver, CutOffStatementReportsEndOfInput) {
    Parse("select a from");
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Errors[0].Type, 1);
    EXPECT_EQ(Errors[0].Token, "end of input");
    EXPECT_EQ(Errors[0].Line, -1);
    EXPECT_EQ(Errors[0].Column, -1);
    EXPECT_EQ(Errors[0].Expected,
              "( IDENTIFIER CLOSE FUNCTION PACKAGE TYPE BY INSERT REVOKE TABLE TRIGGER USER COMMIT CONSTRAINTS "
              "COUNT PASSWORD SEQUENCE TIMESTAMP TRANSACTION TRIGGERS ...");
    // The end token is appended once to the token list, whatever the
    // number of parses over it.
    const int32_t count = Tokens->Count();
    TSourceToken* end = Tokens->TokenAt(count - 1);
    ASSERT_NE(end, nullptr);
    EXPECT_EQ(end->TokenCode, 0);
    EXPECT_EQ(end->Text, "");
    EXPECT_EQ(end->Line, -1);
    Parser->TokenPos = 0;
    Parser->yyparse();
    EXPECT_EQ(Tokens->Count(), count);
}

TEST_F(OracleDriver, ErrorPositionAndExpectedTexts) {
    const struct { const char* Text; const char* Token; int Line; int Column; const char* Expected; } cases[] = {
        {"select a from t t2 t3", "t3", 1, 22,
         "; JOIN ) , GROUP HAVING INTERSECT MINUS ORDER UNION WHERE NATURAL CROSS FULL LEFT RIGHT INNER CONNECT "
         "FOR START ..."},
        {"select a from t where a b", "b", 1, 26,
         "; * + - / < = > AND IN IS LIKE NOT OR ) GROUP HAVING INTERSECT MINUS ORDER ..."},
        {"create index ix on t (a)\n  tablespace users", "tablespace", 2, 13, "Unknown"},
        {"create table t (a int) x", "x", 1, 25, "; "},
        {"insert into t values (1) x", "x", 1, 27, "; RETURNING "},
        {"(select a from t", "end of input", -1, -1, ") "},
        {"create", "end of input", -1, -1,
         "OR UNIQUE SEQUENCE INDEX TABLE BITMAP FORCE GLOBAL LOCAL NOFORCE TEMPORARY VIEW "},
        {"select a b c from t", "c", 1, 13, ". ) , FROM INTO BULK "},
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

TEST_F(OracleDriver, ExpectedTokenTextRules) {
    // Outside the tables: nothing known.
    EXPECT_EQ(TRkParserOracleSql::ExpectedTokens(-1), "Unknown");
    // Every state's text: ";" only first, at most 20 names, each followed
    // by one blank, "..." only after 20 names.
    const TRkYaccTables& t = TRkParserOracleSql::Tables();
    int withSemicolon = 0, withDots = 0, unknown = 0;
    for (int s = 0; s < t.yynstates; ++s) {
        const std::string e = TRkParserOracleSql::ExpectedTokens(s);
        if (e == "Unknown") {
            ++unknown;
            continue;
        }
        std::string body = e;
        if (body.size() >= 3 && body.compare(body.size() - 3, 3, "...") == 0) {
            ++withDots;
            body.resize(body.size() - 3);
        }
        ASSERT_FALSE(body.empty()) << s;
        ASSERT_EQ(body.back(), ' ') << s;
        std::istringstream in(body);
        std::vector<std::string> names;
        for (std::string w; in >> w;) names.push_back(w);
        EXPECT_LE(names.size(), 20u) << s;
        if (e.size() >= 3 && e.compare(e.size() - 3, 3, "...") == 0) {
            EXPECT_EQ(names.size(), 20u) << s;
        }
        for (size_t i = 1; i < names.size(); ++i) EXPECT_NE(names[i], ";") << s;
        if (names[0] == ";") ++withSemicolon;
    }
    EXPECT_GT(withSemicolon, 0);
    EXPECT_GT(withDots, 0);
    EXPECT_GT(unknown, 0);
}

TEST_F(OracleDriver, NameTables) {
    std::string n;
    EXPECT_TRUE(TRkParserOracleSql::TokenName(262, n));
    EXPECT_EQ(n, "Identifier");
    EXPECT_TRUE(TRkParserOracleSql::TokenName(45, n));
    EXPECT_EQ(n, "-");
    EXPECT_TRUE(TRkParserOracleSql::TokenName(426, n));
    EXPECT_EQ(n, "intersect");
    EXPECT_FALSE(TRkParserOracleSql::TokenName(oracletok::STRING_LIT, n));
    EXPECT_FALSE(TRkParserOracleSql::TokenName('%', n));
    EXPECT_TRUE(TRkParserOracleSql::KeywordName(oracletok::RW_ZONE, n));
    EXPECT_EQ(n, "ZONE");
    EXPECT_TRUE(TRkParserOracleSql::KeywordName(oracletok::RW_ACCESS, n));
    EXPECT_EQ(n, "ACCESS");
    EXPECT_FALSE(TRkParserOracleSql::KeywordName(oracletok::RW_SELECT, n));
}

TEST_F(OracleDriver, OneReportThenRecoveryThenSilentFailure) {
    Parse("select a from t t2 t3; select b from u");
    EXPECT_EQ(Result, 1);
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Errors[0].Token, "t3");
    // Recovery reduces as if ";" came: a complete first statement keeps its
    // tree even when the error follows it.
    TRk_Node* r = Parse("create index ix on t (a) tablespace users");
    EXPECT_EQ(Result, 1);
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Errors[0].Expected, "Unknown");
    auto* ix = As<TRk_CreateIndexSqlStatement>(r);
    ASSERT_NE(ix, nullptr);
    EXPECT_EQ(Sx(ix->IndexName), "ix");
    EXPECT_EQ(ix->ColumnList->Count(), 1);
    const char* kept[] = {
        "create index ix on t (a) local",
        "create index ix on t (a) compute statistics",
        "create unique index ix on t (a) nologging pctfree 10",
        "create table t (a int) compress",
        "alter table t add constraint pk primary key (a) using index",
    };
    for (const char* k : kept) {
        EXPECT_NE(Parse(k), nullptr) << k;
        EXPECT_EQ(Errors.size(), 1u) << k;
    }
}

TEST_F(OracleDriver, HandlerContinueAtEndOfInputDoesNotLoop) {
    Tokens = Tokenize("select a from");
    Parser = std::make_unique<TRkParserOracleSql>();
    Parser->TokenList = Tokens.get();
    int offers = 0;
    Parser->OnParserTokenError = [&](void*, TSourceToken*&, int, const std::string& expected,
                                     TActionOnParseError& action, int& rollback, bool& state) {
        ++offers;
        EXPECT_NE(expected.find("IDENTIFIER"), std::string::npos);
        action = aopContinue;
        rollback = 0;
        state = false;
    };
    int reports = 0;
    Parser->SyntaxErrorCallback = [&](uint8_t, const std::string&, const std::string& tok, int32_t, int32_t) {
        ++reports;
        EXPECT_EQ(tok, "end of input");
        return true;
    };
    Parser->yyparse();
    EXPECT_EQ(offers, 1);
    EXPECT_EQ(reports, 1);   // the retry was refused: reported as without a handler
}

TEST_F(OracleDriver, HandlerThatThrowsCountsAsAbort) {
    Tokens = Tokenize("select a from t 1");
    Parser = std::make_unique<TRkParserOracleSql>();
    Parser->TokenList = Tokens.get();
    Parser->OnParserTokenError = [&](void*, TSourceToken*&, int, const std::string&, TActionOnParseError& action,
                                     int&, bool&) {
        action = aopContinue;
        throw std::runtime_error("handler failed");
    };
    int reports = 0;
    Parser->SyntaxErrorCallback = [&](uint8_t, const std::string&, const std::string& tok, int32_t, int32_t) {
        ++reports;
        EXPECT_EQ(tok, "1");
        return true;
    };
    EXPECT_EQ(Parser->yyparse(), 1);
    EXPECT_EQ(reports, 1);
}

TEST_F(OracleDriver, HandlerSkipsTheTokenAndIsOfferedOncePerShift) {
    // Continue without changes: the offending token is passed over.
    Tokens = Tokenize("select a from t 1");
    Parser = std::make_unique<TRkParserOracleSql>();
    Parser->TokenList = Tokens.get();
    int offers = 0, reports = 0;
    Parser->OnParserTokenError = [&](void* sender, TSourceToken*& tok, int vendor, const std::string&,
                                     TActionOnParseError& action, int& rollback, bool& state) {
        ++offers;
        EXPECT_EQ(sender, Parser.get());
        EXPECT_EQ(TokText(tok), "1");
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
    ASSERT_NE(As<TRk_SelectStmt>(Parser->RootNode), nullptr);

    // Two bad tokens in a row: no shift between them, so the second error
    // is not offered again but reported.
    Tokens = Tokenize("select a from t 1 2");
    Parser->TokenList = Tokens.get();
    Parser->TokenPos = 0;
    offers = 0;
    std::string reported;
    Parser->OnParserTokenError = [&](void*, TSourceToken*&, int, const std::string&, TActionOnParseError& action,
                                     int&, bool&) {
        ++offers;
        action = aopContinue;
    };
    Parser->SyntaxErrorCallback = [&](uint8_t, const std::string&, const std::string& tok, int32_t, int32_t) {
        reported += tok + ";";
        return true;
    };
    EXPECT_EQ(Parser->yyparse(), 1);
    EXPECT_EQ(offers, 1);
    EXPECT_EQ(reported, "2;");
}

TEST_F(OracleDriver, HandlerRewindsAndRetriesARecodedToken) {
    Tokens = Tokenize("select a from t 1");
    Parser = std::make_unique<TRkParserOracleSql>();
    Parser->TokenList = Tokens.get();
    Parser->OnParserTokenError = [&](void*, TSourceToken*& tok, int, const std::string&,
                                     TActionOnParseError& action, int& rollback, bool& state) {
        tok->TokenCode = oracletok::IDENT;   // read it as an alias
        action = aopContinue;
        rollback = 1;
        state = false;
    };
    Parser->SyntaxErrorCallback = [&](uint8_t, const std::string&, const std::string&, int32_t, int32_t) {
        ADD_FAILURE() << "reported";
        return true;
    };
    EXPECT_EQ(Parser->yyparse(), 0);
    auto* q = As<TRk_SelectStmt>(Parser->RootNode);
    ASSERT_NE(q, nullptr);
    auto* ref = As<TRk_TableRef>(q->FromList->GetItem(0));
    ASSERT_NE(ref->Alias, nullptr);
    EXPECT_EQ(TokText(ref->Alias->AliasToken), "1");

    // A rewind further than the start of the list stays at the start.
    Tokens = Tokenize("select a from t 1");
    Parser->TokenList = Tokens.get();
    Parser->TokenPos = 0;
    int offers = 0;
    Parser->OnParserTokenError = [&](void*, TSourceToken*&, int, const std::string&, TActionOnParseError& action,
                                     int& rollback, bool& state) {
        ++offers;
        action = aopContinue;
        rollback = 1000;
        state = false;
    };
    Parser->SyntaxErrorCallback = [&](uint8_t, const std::string&, const std::string&, int32_t, int32_t) {
        return true;
    };
    EXPECT_EQ(Parser->yyparse(), 1);
    EXPECT_EQ(offers, 1);
}

TEST_F(OracleDriver, ForcedErrorSkipsTheHandler) {
    Tokens = Tokenize("select a from t where x = 1");
    Parser = std::make_unique<TRkParserOracleSql>();
    Parser->TokenList = Tokens.get();
    Parser->DbVendor = 1;
    Parser->OnParserToken = [](void*, TSourceToken*& tok, int) {
        if (tok->Text == "x") tok->TokenCode = oracletok::FORCED_ERROR;
    };
    // The forced error is reported at once, before any offer of the event
    // (the recovery that follows may meet the token again and offer that).
    std::vector<std::string> events;
    Parser->OnParserTokenError = [&](void*, TSourceToken*&, int, const std::string&, TActionOnParseError&, int&,
                                     bool&) { events.push_back("offer"); };
    Parser->SyntaxErrorCallback = [&](uint8_t, const std::string&, const std::string& tok, int32_t, int32_t) {
        events.push_back("report " + tok);
        return true;
    };
    EXPECT_EQ(Parser->yyparse(), 1);
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events[0], "report x");
    EXPECT_EQ(std::count(events.begin(), events.end(), "report x"), 1);
}

TEST_F(OracleDriver, DeepNestingGrowsTheStacks) {
    std::string cond(400, '(');
    cond += "1";
    cond += std::string(400, ')');
    auto* q = As<TRk_SelectStmt>(Parse("select a from t where x = " + cond));
    EXPECT_EQ(Result, 0);
    EXPECT_TRUE(Errors.empty());
    ASSERT_NE(q, nullptr);
}

TEST_F(OracleDriver, StackOverflowIsAnErrorNeverASilentSuccess) {
    std::string text = "select a from t where x = " + std::string(30000, '(') + "1";
    EXPECT_EQ(Parse(text), nullptr);
    EXPECT_EQ(Result, 1);
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Errors[0].Expected, "yyparse stack overflow");
    EXPECT_EQ(Parser->ErrorMessage, "yyparse stack overflow");
}

TEST_F(OracleDriver, ParsesAgainWithTheSameParser) {
    Parse("select a from t");
    ASSERT_NE(Parser->RootNode, nullptr);
    auto second = Tokenize("delete from u");
    Parser->TokenList = second.get();
    Parser->TokenPos = 0;
    EXPECT_EQ(Parser->yyparse(), 0);
    EXPECT_NE(As<TRk_DeleteStmt>(Parser->RootNode), nullptr);
    Tokens = std::move(second);
}

// The conflicts that the grammar settles by default, pinned: every one is
// listed in the grammar's comments; yaccgen must report the same.
TEST(OracleGrammarTables, ConflictCountsArePinned) {
    std::string report;
    if (!sqltest::BisonReport("src/parse/oracle/oracle_sql.y", report)) GTEST_SKIP() << "no source tree or no bison";
    EXPECT_NE(report.find("130 shift/reduce conflicts"), std::string::npos) << report;
    EXPECT_EQ(report.find("reduce/reduce"), std::string::npos) << report;
}

TEST(OracleGrammarTables, TablePropertiesTheDriverReliesOn) {
    const TRkYaccTables& t = TRkParserOracleSql::Tables();
    int accepts = 0;
    for (int s = 0; s < t.yynstates; ++s) {
        if (t.yyd[s] != 0) {
            EXPECT_GT(t.yyal[s], t.yyah[s]) << "default reduction with entries in " << s;
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

}  // namespace
