// The printer base: printer choice, the wrong-owner texts, the option copies,
// the list join, statements without a tree, and the hooks that the front end
// registers itself.
#include <gtest/gtest.h>

#include <memory>

#include "formatter/basepp.h"
#include "formatter/concretepp.h"
#include "formatter/concretepp_plsql.h"
#include "formatter/rkbasetype.h"
#include "nodes/u_nodes_generic.h"
#include "parse/mssql/mssqlsqlstatement.h"
#include "statementstructure/ddlstatement.h"
#include "statementstructure/plsqlstatement.h"
#include "statementstructure/rkexpression.h"
#include "statementstructure/sqlstatement_dml.h"
#include "statementstructure/sqlstatement_select.h"
#include "test_pp_fixture.h"

namespace {

class TUpperPP : public TCustomPP {
public:
    using TCustomPP::TCustomPP;
    std::string GetPrettyText() override { return "printed:" + Owner->AsNode()->AsText(); }
};

// A printable node: gets its printer from CreatePP when first asked for.
class TPrintableNode : public TRk_Node {
public:
    int createPPCalls = 0;
    void CreatePP() override {
        ++createPPCalls;
        if (!PP()) SetPP(std::make_unique<TUpperPP>(this));
    }
};

class PrinterBase : public pptest::PrinterTest {};

TEST_F(PrinterBase, AbstractDummyAndNotSupportedTexts) {
    auto node = CreateNodeOfClass<TRk_Node>();
    node->SetAsText("rollback");
    TCustomPP abstractPP(node.get());
    EXPECT_EQ(abstractPP.GetPrettyText(), "Abstract class of Pretty printer can not return pretty text");
    EXPECT_EQ(abstractPP.PadWidth, 0);
    EXPECT_EQ(TDummyPP(node.get()).GetPrettyText(), "rollback");
    TSourceTokenList notANode(false);
    EXPECT_EQ(TDummyPP(&notANode).GetPrettyText(), "Pretty printer owner class is wrong: TSourceTokenList");
    auto e = CreateNodeOfClass<TRkCustomExpression>();
    e->ExprType = Expr_NotSupported;
    EXPECT_EQ(e->GetPrettyText(), "Not supported function!");
}

TEST_F(PrinterBase, FactoryCreatesThePrinterAfterConstruction) {
    auto node = CreateNodeOfClass<TPrintableNode>();
    // Made when first asked for, once.
    EXPECT_EQ(node->createPPCalls, 0);
    ASSERT_NE(node->PP(), nullptr);
    EXPECT_EQ(node->PP()->Owner, node.get());
    EXPECT_EQ(node->createPPCalls, 1);
    node->SetAsText("x");
    EXPECT_EQ(node->GetPrettyText(), "printed:x");
    EXPECT_EQ(node->AsText(), "x");
    // A node of a class without a printer formats as its plain text.
    auto plain = CreateNodeOfClass<TRk_Node>();
    plain->SetAsText("y");
    EXPECT_EQ(plain->PP(), nullptr);
    EXPECT_EQ(plain->GetPrettyText(), "y");
}

TEST_F(PrinterBase, OptionCopiesSaveAndRestore) {
    FmtOpt.SetSeparatorStyle(2);
    FmtOpt.SetAndOrPlacement(1);
    FmtOpt.SetExprListOneLine(1);
    TFmtOptPP pp(nullptr);
    FmtOpt = TRkFmtOpt();
    EXPECT_EQ(pp.SeparatorStyle, 2);
    EXPECT_EQ(pp.AndOrPlacement, 1);
    EXPECT_EQ(pp.ExprListOneLine, 1);
    EXPECT_EQ(pp.BackupSeparatorStyle, 2);
    pp.SaveOptions();
    pp.SeparatorStyle = 0;
    pp.AndOrPlacement = 2;
    pp.ExprListOneLine = 0;
    pp.RestoreOptions();
    EXPECT_EQ(pp.SeparatorStyle, 2);
    EXPECT_EQ(pp.AndOrPlacement, 1);
    EXPECT_EQ(pp.ExprListOneLine, 1);
}

TEST_F(PrinterBase, PrinterChoice) {
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
        {CreateNodeOfClass<TRk_Plsql>(), "TRk_PlsqlPP"},
        {CreateNodeOfClass<TrkPlsql_ProcSect>(), "TRkPlsql_ProcSectPP"},
        {CreateNodeOfClass<TRkPlsql_PragmaDecl>(), "TRkPlsql_PragmaDeclPP"},
        {CreateNodeOfClass<TRkPlsql_Trigger>(), "TRkPlsql_TriggerPP"},
    };
    for (auto& c : cases) {
        auto pp = CreateStatementPP(c.Node.get());
        ASSERT_NE(pp, nullptr) << c.Printer;
        EXPECT_STREQ(pp->ClassName(), c.Printer);
    }
    // A commit statement has no printer and prints its plain text; neither
    // have the PL/SQL element bases nor classes outside that range.
    auto commit = CreateNodeOfClass<TCommitSqlStatement>(1);
    EXPECT_EQ(CreateStatementPP(commit.get()), nullptr);
    EXPECT_EQ(CreatePlsqlPP(CreateNodeOfClass<TRkPlsql_Stmt>().get()), nullptr);
    EXPECT_EQ(CreatePlsqlPP(CreateNodeOfClass<TRk_Node>().get()), nullptr);
    // Expression nodes get theirs from the hooks.
    EXPECT_STREQ(CreateNodeOfClass<TRkCustomExpression>()->PP()->ClassName(), "TRkCustomExpressionPP");
    EXPECT_STREQ(CreateNodeOfClass<TRk_FuncCall>()->PP()->ClassName(), "TRk_FuncCallPP");
    EXPECT_STREQ(CreateNodeOfClass<TRk_Attr>()->PP()->ClassName(), "TRk_AttrPP");
}

TEST_F(PrinterBase, WrongOwnerTexts) {
    auto n = CreateNodeOfClass<TRk_Node>();
    TRk_Node* o = n.get();
    const struct {
        std::string Got;
        const char* Class;
    } cases[] = {
        {TRkCustomExpressionPP(o).GetPrettyText(), "TRkCustomExpression"},
        {TRk_AttrPP(o).GetPrettyText(), "TRk_Attr"},
        {TRk_FuncCallPP(o).GetPrettyText(), "TRk_FuncCall"},
        {TrkJoinPP(o).GetPrettyText(), "TRkJoin"},
        {TRkConstraintRefClausePP(o).GetPrettyText(), "TRkConstraintRefClause"},
        {TCreateTableSqlStatementPP(o).GetPrettyText(), "TCreateTableSqlStatement"},
        {TSelectSqlStatementPP(o).GetPrettyText(), "TSelectSqlStatement"},
        {TInsertSqlStatementPP(o).GetPrettyText(), "TInsertSqlStatement"},
        {TMergeSqlStatementPP(o).GetPrettyText(), "TMergeSqlStatement"},
        {TPlsqlStatementPP(o).GetPrettyText(), "TPlsqlStatement"},
        {TRk_PlsqlPP(o).GetPrettyText(), "TRk_Plsql"},
        {TRkPlsql_ProcSectPP(o).GetPrettyText(), "TRkPlsql_ProcSect"},
        {TRkPlsql_ExceptionhandlerPP(o).GetPrettyText(), "TRkPlsql_Exceptionhandler"},
        {TRkPlsql_TriggerPP(o).GetPrettyText(), "TRkPlsql_trigger"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.Got, std::string("Owner class should be ") + c.Class + ", error classtype:TRk_Node");
    EXPECT_EQ(TRkPlsql_DeclPP(nullptr).GetPrettyText(), "Owner class should be TRkPlsql_Decl, error classtype:nil");
}

TEST_F(PrinterBase, JoinListItemFollowsTheListOptions) {
    auto e = CreateNodeOfClass<TRkCustomExpression>();
    for (const auto& [opts, want] : {std::pair{"", "a,\r\n"}, {"SeparatorStyle=1", "a\r\n,"},
                                     {"SeparatorStyle=2", "a\r\n, "}, {"SeparatorStyle=3", "a,"},
                                     {"ExprListOneLine=1", "a,"}}) {
        pptest::SetOptions(opts);
        TRkCustomExpressionPP pp(e.get());
        EXPECT_EQ(pp.JoinListItem("a", ","), want) << opts;
    }
}

TEST_F(PrinterBase, PartsWithoutTheirObjectPrintNothing) {
    auto s = CreateNodeOfClass<TSelectSqlStatement>(1);
    EXPECT_EQ(TSelectSqlStatementPP(s.get()).GetPrettyText(), "");
    EXPECT_FALSE(s->Parsed);
    // A statement made where no printer was chosen for it gets the one of its class.
    s->SetPP(nullptr);
    EXPECT_EQ(pp::Pretty(s.get()), "");
    ASSERT_NE(s->PP(), nullptr);
    EXPECT_STREQ(s->PP()->ClassName(), "TSelectSqlStatementPP");
    auto d = CreateNodeOfClass<TDropViewSqlStatement>(1);
    EXPECT_EQ(TDropViewSqlStatementPP(d.get()).GetPrettyText(), "");
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
    // Empty PL/SQL sections.
    EXPECT_EQ(CreateNodeOfClass<TRkPlsql_Decl>()->GetPrettyText(), "");
    EXPECT_EQ(CreateNodeOfClass<TrkPlsql_ProcSect>()->GetPrettyText(), "");
}

// The front end registers the printers itself: a host that never calls
// InstallPrinterHooks still gets formatted statements.
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
    ASSERT_NE(q->PP(), nullptr);
    EXPECT_STREQ(q->PP()->ClassName(), "TSelectSqlStatementPP");
    // Joins, function calls and expressions made during the parse have theirs too.
    ASSERT_TRUE(q->JoinList && q->JoinList->Count() == 1);
    ASSERT_NE(q->JoinList->GetJoin(0)->PP(), nullptr);
    EXPECT_STREQ(q->JoinList->GetJoin(0)->PP()->ClassName(), "TrkJoinPP");
    EXPECT_EQ(q->GetPrettyText(),
              "SELECT a,\r\n       Nvl(b,0)\r\nFROM   t\r\n       JOIN u\r\n         ON t.id = u.id\r\nWHERE  x = 1");
    // COMMIT is a statement the front end only recognises: printed as written.
    TCustomSqlStatement* c = p.Statements().GetStatement(1);
    ASSERT_NE(c->PP(), nullptr);
    EXPECT_STREQ(c->PP()->ClassName(), "TDummyPP");
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
    ASSERT_NE(block->PP(), nullptr);
    EXPECT_STREQ(block->PP()->ClassName(), "TMssqlBlockPP");
    ASSERT_EQ(block->Children->Count(), 2);
    for (TCustomSqlStatement* c : *block->Children) {
        ASSERT_NE(c->PP(), nullptr) << c->ClassName();
        EXPECT_EQ(std::string(c->PP()->ClassName()), std::string(c->ClassName()) + "PP");
    }
    EXPECT_EQ(block->GetPrettyText(), "BEGIN\r\n  DECLARE\r\n    @a INT\r\n  IF @a = 1\r\n    PRINT 'x'\r\n  \r\nEND");
}

TEST_F(PrinterWiring, EveryParserAndInstallRegisterTheSameHooksOnce) {
    TMarlSqlParser a(1);
    const auto factory = RkStatementPPFactory;
    const auto func = RkPrinterHooks.FuncCallPP;
    TMarlSqlParser b(2);
    InstallPrinterHooks();
    EXPECT_EQ(RkStatementPPFactory, factory);
    EXPECT_EQ(RkStatementPPFactory, &CreateStatementPP);
    EXPECT_EQ(RkPrinterHooks.FuncCallPP, func);
    EXPECT_NE(RkPrinterHooks.CustomExpressionPP, nullptr);
    EXPECT_NE(RkPrinterHooks.AttrPP, nullptr);
    EXPECT_NE(RkPrinterHooks.ConstraintRefClausePP, nullptr);
}

}  // namespace
