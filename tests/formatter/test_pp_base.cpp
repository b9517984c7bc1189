// The printer base without a grammar: printer choice, wrong owners, the
// expression list join and the statement frame on an unparsed statement.
#include <gtest/gtest.h>

#include "formatter/concretepp.h"
#include "formatter/rkbasetype.h"
#include "nodes/u_nodes_generic.h"
#include "statementstructure/ddlstatement.h"
#include "statementstructure/rkexpression.h"
#include "statementstructure/sqlstatement_dml.h"
#include "statementstructure/sqlstatement_select.h"

namespace {

class PrinterBase2 : public ::testing::Test {
protected:
    void SetUp() override {
        FmtOpt = TRkFmtOpt();
        InstallPrinterHooks();
    }
    void TearDown() override { FmtOpt = TRkFmtOpt(); }
};

TEST_F(PrinterBase2, NodesGetTheirPrintersFromTheHooks) {
    auto e = CreateNodeOfClass<TRkCustomExpression>();
    ASSERT_NE(e->PP, nullptr);
    EXPECT_STREQ(e->PP->ClassName(), "TRkCustomExpressionPP");
    auto f = CreateNodeOfClass<TRk_FuncCall>();
    ASSERT_NE(f->PP, nullptr);
    EXPECT_STREQ(f->PP->ClassName(), "TRk_FuncCallPP");
    auto a = CreateNodeOfClass<TRk_Attr>();
    ASSERT_NE(a->PP, nullptr);
    EXPECT_STREQ(a->PP->ClassName(), "TRk_AttrPP");
}

TEST_F(PrinterBase2, StatementPrinterChoice) {
    struct {
        std::unique_ptr<TRk_Node> Node;
        const char* Printer;
    } cases[] = {
        {CreateNodeOfClass<TSelectSqlStatement>(1), "TSelectSqlStatementPP"},
        {CreateNodeOfClass<TDeleteSqlStatement>(1), "TDeleteSqlStatementPP"},
        {CreateNodeOfClass<TInsertSqlStatement>(1), "TInsertSqlStatementPP"},
        {CreateNodeOfClass<TUpdateSqlStatement>(1), "TUpdateSqlStatementPP"},
        {CreateNodeOfClass<TMergeSqlStatement>(1), "TMergeSqlStatementPP"},
        {CreateNodeOfClass<TCreateTableSqlStatement>(1), "TCreateTableSqlStatementPP"},
        {CreateNodeOfClass<TAlterTableStatement>(1), "TAlterTableStatementPP"},
        {CreateNodeOfClass<TCreateIndexSqlStatement>(1), "TCreateIndexSqlStatementPP"},
        {CreateNodeOfClass<TCreateViewSqlStatement>(1), "TCreateViewSqlStatementPP"},
        {CreateNodeOfClass<TDropTableSqlStatement>(1), "TDropTableSqlStatementPP"},
        {CreateNodeOfClass<TDropViewSqlStatement>(1), "TDropViewSqlStatementPP"},
        {CreateNodeOfClass<TDropIndexSqlStatement>(1), "TDropIndexSqlStatementPP"},
        {CreateNodeOfClass<TRollbackSqlStatement>(1), "TDummyPP"},
        {CreateNodeOfClass<TLockTableSqlStatement>(1), "TDummyPP"},
        {CreateNodeOfClass<TUnknownSqlStatement>(1), "TDummyPP"},
        {CreateNodeOfClass<TRkJoin>(), "TrkJoinPP"},
        {CreateNodeOfClass<TRkJoinItem>(), "TRkJoinItemPP"},
    };
    for (auto& c : cases) {
        auto pp = CreateStatementPP(c.Node.get());
        ASSERT_NE(pp, nullptr) << c.Printer;
        EXPECT_STREQ(pp->ClassName(), c.Printer);
    }
    // A commit statement has no printer and prints its plain text.
    auto commit = CreateNodeOfClass<TCommitSqlStatement>(1);
    EXPECT_EQ(CreateStatementPP(commit.get()), nullptr);
}

TEST_F(PrinterBase2, WrongOwnerTexts) {
    auto node = CreateNodeOfClass<TRk_Node>();
    EXPECT_EQ(TRkCustomExpressionPP(node.get()).GetPrettyText(),
              "Owner class should be TRkCustomExpression, error classtype:TRk_Node");
    EXPECT_EQ(TRk_AttrPP(node.get()).GetPrettyText(), "Owner class should be TRk_Attr, error classtype:TRk_Node");
    EXPECT_EQ(TrkJoinPP(node.get()).GetPrettyText(), "Owner class should be TRkJoin, error classtype:TRk_Node");
    EXPECT_EQ(TRkConstraintRefClausePP(node.get()).GetPrettyText(),
              "Owner class should be TRkConstraintRefClause, error classtype:TRk_Node");
    EXPECT_EQ(TCreateTableSqlStatementPP(node.get()).GetPrettyText(),
              "Owner class should be TCreateTableSqlStatement, error classtype:TRk_Node");
}

TEST_F(PrinterBase2, NotSupportedExpression) {
    auto e = CreateNodeOfClass<TRkCustomExpression>();
    e->ExprType = Expr_NotSupported;
    EXPECT_EQ(e->GetPrettyText(), "Not supported function!");
}

TEST_F(PrinterBase2, JoinListItemFollowsTheListOptions) {
    auto e = CreateNodeOfClass<TRkCustomExpression>();
    TRkCustomExpressionPP pp(e.get());
    EXPECT_EQ(pp.JoinListItem("a", ","), "a,\r\n");
    FmtOpt.SetSeparatorStyle(1);
    EXPECT_EQ(pp.JoinListItem("a", ","), "a\r\n,");
    FmtOpt.SetSeparatorStyle(2);
    EXPECT_EQ(pp.JoinListItem("a", ","), "a\r\n, ");
    FmtOpt.SetSeparatorStyle(3);
    EXPECT_EQ(pp.JoinListItem("a", ","), "a,");
    FmtOpt.SetSeparatorStyle(0);
    FmtOpt.SetExprListOneLine(1);
    EXPECT_EQ(pp.JoinListItem("a", ","), "a,");
    EXPECT_EQ(pp.ExprListOneLine, 1);
}

TEST_F(PrinterBase2, StatementWithoutTokensPrintsEmptyText) {
    auto s = CreateNodeOfClass<TSelectSqlStatement>(1);
    TSelectSqlStatementPP pp(s.get());
    EXPECT_EQ(pp.GetPrettyText(), "");
    EXPECT_FALSE(s->Parsed);
    auto d = CreateNodeOfClass<TDropViewSqlStatement>(1);
    EXPECT_EQ(TDropViewSqlStatementPP(d.get()).GetPrettyText(), "");
}

}  // namespace

namespace {

TEST_F(PrinterBase2, JoinEntriesWithoutTheirObject) {
    // A table entry without its table prints nothing.
    auto join = CreateNodeOfClass<TRkJoin>();
    join->JoinKind = 0;
    EXPECT_EQ(TrkJoinPP(join.get()).GetPrettyText(), "");
    auto item = CreateNodeOfClass<TRkJoinItem>();
    item->ItemKind = 1;
    EXPECT_EQ(TRkJoinItemPP(item.get()).GetPrettyText(), "");
    // A nested item without its join still prints (its keywords and a blank).
    item->ItemKind = 2;
    EXPECT_EQ(TRkJoinItemPP(item.get()).GetPrettyText(), " ");
}

TEST_F(PrinterBase2, HooksInstalledTwiceStayTheSame) {
    InstallPrinterHooks();
    const auto f = RkPrinterHooks.FuncCallPP;
    InstallPrinterHooks();
    EXPECT_EQ(RkPrinterHooks.FuncCallPP, f);
    EXPECT_EQ(RkStatementPPFactory, &CreateStatementPP);
}

}  // namespace
