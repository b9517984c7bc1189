// The front end registers the printers itself: a host that never calls
// InstallPrinterHooks still gets formatted statements.
#include <gtest/gtest.h>

#include "formatter/basepp.h"
#include "formatter/concretepp.h"
#include "formatter/rkbasetype.h"
#include "frontend/marlsqlparser.h"
#include "nodes/u_nodes_generic.h"
#include "parse/mssql/mssqlsqlstatement.h"
#include "statementstructure/sqlstatement_select.h"
#include "test_pp_fixture.h"

namespace {

class PrinterWiring : public ::testing::Test {
protected:
    void SetUp() override {
        FmtOpt = TRkFmtOpt();
        // As in a fresh process: nothing registered yet.
        RkStatementPPFactory = nullptr;
        RkPrinterHooks = TRkPrinterHooks();
    }
    void TearDown() override { FmtOpt = TRkFmtOpt(); }
};

TEST_F(PrinterWiring, FrontEndStatementsPrintThroughTheirPrinters) {
    REQUIRE_DIALECT(1);
    TMarlSqlParser p(1);
    EXPECT_EQ(RkStatementPPFactory, &CreateStatementPP);
    p.SetSqlTextString("select a, nvl(b, 0) from t join u on t.id = u.id where x = 1;\ncommit;");
    p.Parse();
    ASSERT_EQ(p.Statements().Count(), 2);

    auto* q = dynamic_cast<TSelectSqlStatement*>(p.Statements().GetStatement(0));
    ASSERT_NE(q, nullptr);
    ASSERT_NE(q->PP, nullptr);
    EXPECT_STREQ(q->PP->ClassName(), "TSelectSqlStatementPP");
    // Joins, function calls and expressions made during the parse have theirs too.
    ASSERT_TRUE(q->JoinList && q->JoinList->Count() == 1);
    ASSERT_NE(q->JoinList->GetJoin(0)->PP, nullptr);
    EXPECT_STREQ(q->JoinList->GetJoin(0)->PP->ClassName(), "TrkJoinPP");
    EXPECT_EQ(q->GetPrettyText(),
              "SELECT a,\r\n"
              "       Nvl(b,0)\r\n"
              "FROM   t\r\n"
              "       JOIN u\r\n"
              "         ON t.id = u.id\r\n"
              "WHERE  x = 1");

    // A class without a printer prints its plain text.
    TCustomSqlStatement* c = p.Statements().GetStatement(1);
    EXPECT_EQ(c->PP, nullptr);
    EXPECT_EQ(c->GetPrettyText(), c->AsText());
}

TEST_F(PrinterWiring, SqlServerStatementsAndTheirChildrenHavePrinters) {
    REQUIRE_DIALECT(0);
    TMarlSqlParser p(0);
    p.SetSqlTextString("begin\n  declare @a int\n  if @a = 1 print 'x'\nend");
    p.Parse();
    ASSERT_EQ(p.Statements().Count(), 1);
    auto* block = dynamic_cast<TMssqlBlock*>(p.Statements().GetStatement(0));
    ASSERT_NE(block, nullptr);
    ASSERT_NE(block->PP, nullptr);
    EXPECT_STREQ(block->PP->ClassName(), "TMssqlBlockPP");
    ASSERT_EQ(block->Children->Count(), 2);
    for (TCustomSqlStatement* c : *block->Children) {
        ASSERT_NE(c->PP, nullptr) << c->ClassName();
        EXPECT_EQ(std::string(c->PP->ClassName()), std::string(c->ClassName()) + "PP");
    }
    EXPECT_EQ(block->GetPrettyText(),
              "BEGIN\r\n"
              "  DECLARE\r\n"
              "    @a INT\r\n"
              "  IF @a = 1\r\n"
              "    PRINT 'x'\r\n"
              "  \r\n"
              "END");
}

TEST_F(PrinterWiring, EveryParserRegistersTheSameHooksOnce) {
    TMarlSqlParser a(1);
    const auto factory = RkStatementPPFactory;
    const auto func = RkPrinterHooks.FuncCallPP;
    TMarlSqlParser b(2);
    EXPECT_EQ(RkStatementPPFactory, factory);
    EXPECT_EQ(RkPrinterHooks.FuncCallPP, func);
    EXPECT_NE(RkPrinterHooks.CustomExpressionPP, nullptr);
    EXPECT_NE(RkPrinterHooks.AttrPP, nullptr);
    EXPECT_NE(RkPrinterHooks.ConstraintRefClausePP, nullptr);
}

}  // namespace
