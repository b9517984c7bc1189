// The MS Access parse driver: error reports (text, line, column, expected
// tokens), the end token, recovery, the error event, and the tables.
#include "parse/mysql/sqltree_check.h"

using namespace treetest;

namespace {

class AccessDriver : public AccessParseFixture {};

TEST_F(AccessDriver, ErrorReportsAndRecovery) {
    // Result; type, token, line and the column after the token; the end of
    // the input has no position, and its end token stays in the list.
    static const struct {
        const char *Text, *Where;
    } Cases[] = {
        {"SELECT a\nFROM t WHERE = 1", "1 1 = 2 15"}, {"SELECT a FROM", "0 1 end of input -1 -1"},
        // The first error is the only report.
        {"SELECT , , FROM ,", "1 1 , 1 9"},
    };
    for (const auto& c : Cases) {
        SCOPED_TRACE(c.Text);
        Parse(c.Text);
        ASSERT_EQ(Errors.size(), 1u);
        EXPECT_EQ(J(Result, Errors[0].Type, Errors[0].Token, Errors[0].Line, Errors[0].Column), c.Where);
    }
    Parse("SELECT a FROM");
    EXPECT_EQ(Tokens->GetToken(Tokens->Count() - 1)->TokenCode, 0);
    // Only comments: a failure without a report.
    Parse("  /* nothing */ -- here\n");
    EXPECT_EQ(J(Result, Errors.size()), "1 0");
    // Recovery keeps a whole first statement.
    EXPECT_NE(As<TRk_SelectStmt>(Parse("SELECT a FROM t; SELECT FROM")), nullptr);
    EXPECT_EQ(J(Result, Errors.size()), "1 1");
    EXPECT_EQ(Cond(Root<TRk_SelectStmt>("SELECT a FROM t WHERE b = :p")), "(= b :p)");
}

TEST_F(AccessDriver, ExpectedTextsNameGrammarWordsNotScannerOnlyOnes) {
    // After a column's type: constraint words are expected, CHECK and
    // DEFAULT among them although the scanner returns them as identifiers.
    Refused("CREATE TABLE t (a INT 5)");
    const std::string e = " " + Errors.at(0).Expected;
    EXPECT_NE(e.find(" CHECK "), std::string::npos) << e;
    EXPECT_NE(e.find(" DEFAULT "), std::string::npos) << e;
    EXPECT_EQ(e.back(), ' ');
    // Words only the scanner knows never appear.
    const std::string all = AllExpectedTexts<TRkParserMsaccessSql>();
    for (const char* never : {" COLUMN ", " COUNTER ", " MEMO ", " TEXT ", " YESNO ", " % ", " ^ "}) {
        EXPECT_EQ(all.find(never), std::string::npos) << never;
        EXPECT_EQ(e.find(never), std::string::npos) << never;
    }
    EXPECT_NE(all.find(" > "), std::string::npos);
    EXPECT_NE(all.find(" < "), std::string::npos);
}

TEST_F(AccessDriver, HandlerContinueSkipsTheToken) { ExpectHandlerSkips("SELECT a FROM t 1", "1"); }

TEST_F(AccessDriver, DeepNestingFailsWithARecord) {
    Refused("SELECT a FROM t WHERE " + std::string(20000, '(') + "1" + std::string(20000, ')'));
    EXPECT_EQ(Result, 1);
    EXPECT_EQ(Parser->ErrorMessage, "yyparse stack overflow");
}

// bison reads the same grammar: same states, 83 shift/reduce conflicts (all
// resolved as shifts), no reduce/reduce conflict.
TEST(AccessTables, SizeAndConflicts) {
    EXPECT_EQ(TRkParserMsaccessSql::Tables().yynstates, 788);
    ExpectConflicts("src/parse/msaccess/msaccess_sql.y", "83");
}

}  // namespace
