// The Oracle parser driver: token feed, end of input, expected-token texts,
// error reports with their positions, the host's error event (retry,
// rewind, undo), recovery at a ";" reduction, stack limits, and the
// generated tables' agreement with the token codes.
#include <algorithm>
#include <functional>
#include <sstream>

#include "oracle_yacc.h"
#include "test_oracle_grammar_support.h"

using namespace oracle_test;

namespace {

// Every token name of the grammar is the shared token code.
#define ORACLE_DRIVER_SAME_CODE(name) \
    static_assert(static_cast<int>(oracle::name) == static_cast<int>(oracletok::name), #name);
#define ORACLE_DRIVER_SAME_KEYWORD(word, code) ORACLE_DRIVER_SAME_CODE(RW_##word)
ORACLE_KEYWORD_LIST(ORACLE_DRIVER_SAME_KEYWORD)
ORACLE_DRIVER_SAME_CODE(IDENT) ORACLE_DRIVER_SAME_CODE(NUMBER_LIT) ORACLE_DRIVER_SAME_CODE(STRING_LIT)
ORACLE_DRIVER_SAME_CODE(INTEGER_LIT) ORACLE_DRIVER_SAME_CODE(OPERATOR) ORACLE_DRIVER_SAME_CODE(BIND_NAME)
ORACLE_DRIVER_SAME_CODE(FORCED_ERROR) ORACLE_DRIVER_SAME_CODE(OUTER_JOIN_MARK)
#undef ORACLE_DRIVER_SAME_KEYWORD
#undef ORACLE_DRIVER_SAME_CODE

class OracleDriver : public OracleParseFixture {
protected:
    // What the host's error event sees: the handler decides for each offer.
    using THandler = std::function<void(TSourceToken*& Token, TActionOnParseError& Action, int& Rollback)>;
    std::string Offers;

    std::string Events;

    // A parser over Text with Handler as the error event; the offers and
    // reports are written to Events as " offer <token>" and " report <token>".
    void Prepare(const std::string& Text, const THandler& Handler) {
        Tokens = Tokenize(Text);
        Parser = std::make_unique<TRkParserOracleSql>();
        Parser->TokenList = Tokens.get();
        Parser->DbVendor = 1;
        Events.clear();
        Parser->OnParserTokenError = [this, Handler](void* Sender, TSourceToken*& Tok, int, const std::string& Expected,
                                                     TActionOnParseError& Action, int& Rollback, bool& State) {
            EXPECT_EQ(Sender, Parser.get());
            Events += " offer " + TokText(Tok);
            Offers = Expected;
            Action = aopContinue;
            Rollback = 0;
            State = false;
            Handler(Tok, Action, Rollback);
        };
        Parser->SyntaxErrorCallback = [this](uint8_t, const std::string&, const std::string& Tok, int32_t, int32_t) {
            Events += " report " + Tok;
            return true;
        };
    }
    // The result, then the events.
    std::string WithHandler(const std::string& Text, const THandler& Handler) {
        Prepare(Text, Handler);
        return std::to_string(Parser->yyparse()) + Events;
    }
};

TEST_F(OracleDriver, OnlyCommentsAndBlanksFailAtOnce) {
    for (const char* text : {"  /* c */ -- line\n\t\n", ""}) {
        EXPECT_EQ(Parse(text), nullptr);
        EXPECT_EQ(Result, 1);
        EXPECT_TRUE(Errors.empty());
    }
    // Comments between tokens are passed over.
    EXPECT_NE(As<TRk_SelectStmt>(Parse("select /*+ hint */ a -- x\n from\n t")), nullptr);
    EXPECT_EQ(Fields(Result, Errors.size()), "0 0");
}

TEST_F(OracleDriver, CutOffStatementReportsEndOfInput) {
    Parse("select a from");
    EXPECT_EQ(Reports(Errors),
              "end of input@-1:-1 ( IDENTIFIER CLOSE FUNCTION PACKAGE TYPE BY INSERT REVOKE TABLE TRIGGER USER COMMIT "
              "CONSTRAINTS COUNT PASSWORD SEQUENCE TIMESTAMP TRANSACTION TRIGGERS ...");
    // The end token is appended once to the token list, whatever the
    // number of parses over it.
    const int32_t count = Tokens->Count();
    TSourceToken* end = MUST(Tokens->TokenAt(count - 1));
    EXPECT_EQ(Fields(end->TokenCode, end->GetText(), end->Line), "0 - -1");
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
        EXPECT_EQ(Reports(Errors), std::string(c.Token) + "@" + std::to_string(c.Line) + ":" + std::to_string(c.Column) +
                                       " " + c.Expected);
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
        std::string e = TRkParserOracleSql::ExpectedTokens(s);
        unknown += e == "Unknown";
        if (e == "Unknown") continue;
        const bool dots = e.size() >= 3 && e.compare(e.size() - 3, 3, "...") == 0;
        withDots += dots;
        if (dots) e.resize(e.size() - 3);
        ASSERT_FALSE(e.empty()) << s;
        ASSERT_EQ(e.back(), ' ') << s;
        std::istringstream in(e);
        std::vector<std::string> names;
        for (std::string w; in >> w;) names.push_back(w);
        EXPECT_TRUE(dots ? names.size() == 20 : names.size() <= 20) << s;
        EXPECT_EQ(std::count(names.begin() + 1, names.end(), ";"), 0) << s;
        withSemicolon += names[0] == ";";
    }
    EXPECT_GT(withSemicolon, 0);
    EXPECT_GT(withDots, 0);
    EXPECT_GT(unknown, 0);
}

TEST_F(OracleDriver, NameTables) {
    const struct { bool Keyword; int Code; const char* Name; } cases[] = {
        {false, 262, "Identifier"}, {false, 45, "-"}, {false, 426, "intersect"}, {false, oracletok::STRING_LIT, nullptr},
        {false, '%', nullptr}, {true, oracletok::RW_ZONE, "ZONE"}, {true, oracletok::RW_ACCESS, "ACCESS"},
        {true, oracletok::RW_SELECT, nullptr},
    };
    for (const auto& c : cases) {
        std::string n;
        const bool found = c.Keyword ? TRkParserOracleSql::KeywordName(c.Code, n) : TRkParserOracleSql::TokenName(c.Code, n);
        EXPECT_EQ(found ? n : "<none>", c.Name ? c.Name : "<none>") << c.Code;
    }
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
    auto* ix = MUST(As<TRk_CreateIndexSqlStatement>(r));
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

TEST_F(OracleDriver, HostErrorEvent) {
    const THandler skip = [](TSourceToken*&, TActionOnParseError&, int&) {};
    // Continue at the end of the input is refused: reported as without a handler.
    WithHandler("select a from", skip);
    EXPECT_EQ(Events, " offer  report end of input");
    EXPECT_NE(Offers.find("IDENTIFIER"), std::string::npos);
    // A handler that throws counts as abort.
    EXPECT_EQ(WithHandler("select a from t 1", [](TSourceToken*&, TActionOnParseError&, int&) {
                  throw std::runtime_error("handler failed");
              }),
              "1 offer 1 report 1");
    // Continue without changes: the offending token is passed over.
    EXPECT_EQ(WithHandler("select a from t 1", skip), "0 offer 1");
    EXPECT_NE(As<TRk_SelectStmt>(Parser->RootNode), nullptr);
    // Two bad tokens in a row: no shift between them, so the second error
    // is not offered again but reported.
    EXPECT_EQ(WithHandler("select a from t 1 2", skip), "1 offer 1 report 2");
    // Rewind and retry a recoded token: read as an alias.
    EXPECT_EQ(WithHandler("select a from t 1",
                          [](TSourceToken*& Tok, TActionOnParseError&, int& Rollback) {
                              Tok->TokenCode = oracletok::IDENT;
                              Rollback = 1;
                          }),
              "0 offer 1");
    auto* q = MUST(As<TRk_SelectStmt>(Parser->RootNode));
    EXPECT_EQ(TokText(As<TRk_TableRef>(q->FromList->GetItem(0))->Alias->AliasToken), "1");
    // A rewind further than the start of the list stays at the start.
    EXPECT_EQ(WithHandler("select a from t 1", [](TSourceToken*&, TActionOnParseError&, int& Rollback) {
                  Rollback = 1000;
              }).substr(0, 9),
              "1 offer 1");
    EXPECT_EQ(Events.find(" offer", 1), std::string::npos) << Events;
}

TEST_F(OracleDriver, ForcedErrorSkipsTheHandler) {
    Prepare("select a from t where x = 1", [](TSourceToken*&, TActionOnParseError& Action, int&) { Action = aopAbort; });
    Parser->OnParserToken = [](void*, TSourceToken*& Tok, int) {
        if (Tok->GetText() == "x") Tok->TokenCode = oracletok::FORCED_ERROR;
    };
    EXPECT_EQ(Parser->yyparse(), 1);
    // The forced error is reported at once, before any offer of the event
    // (the recovery that follows may meet the token again and offer that).
    EXPECT_EQ(Events.rfind(" report x", 0), 0u) << Events;
    EXPECT_EQ(Events.find(" report x", 1), std::string::npos) << Events;
}

TEST_F(OracleDriver, StackOverflowIsAnErrorNeverASilentSuccess) {
    // Nesting within the limits grows the stacks.
    const std::string cond = std::string(400, '(') + "1" + std::string(400, ')');
    EXPECT_NE(As<TRk_SelectStmt>(Parse("select a from t where x = " + cond)), nullptr);
    EXPECT_EQ(Fields(Result, Errors.size()), "0 0");
    EXPECT_EQ(Parse("select a from t where x = " + std::string(30000, '(') + "1"), nullptr);
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
    sqltest::ExpectDeclaredConflicts("src/parse/oracle/oracle_sql.y", "130");
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
