// SQL Server grammar: the script level.  Top-level items go into the result
// list with their end positions and ";" terminators; every statement, nested
// or not, is announced with the positions as they stand at its reduction; a
// syntax error turns the rest of its line into an error statement.  Also the
// grammar's pinned conflict count.
#include <cstdio>
#include <cstdlib>

#include "mssql_grammar_support.h"
#include "parse/sqltest_fixture.h"

using namespace mssql_test;

namespace {

class MssqlScript : public MssqlParseFixture {
protected:
    int IndexOf(const std::string& Text, int From = 0) const {
        for (int i = From; i < Tokens->Count(); ++i)
            if (Tokens->GetToken(i)->Text == Text) return i;
        return -1;
    }
};

TEST_F(MssqlScript, StatementsNeedNoSemicolon) {
    Parse("SELECT 1 SELECT 2\nPRINT 'x'");
    EXPECT_EQ(Result, 0);
    EXPECT_TRUE(Errors.empty());
    ASSERT_EQ(Items(), 3);
    const int two = IndexOf("2");
    EXPECT_EQ(Item(0)->EndPos, IndexOf("1"));
    EXPECT_EQ(Item(1)->EndPos, two);
    EXPECT_EQ(Item(2)->EndPos, IndexOf("'x'"));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(Item(i)->TerminatorToken, nullptr);
    ASSERT_EQ(Announced.size(), 3u);
    EXPECT_EQ(Announced[0].Type, sstSelect);
    EXPECT_EQ(Announced[0].Start, 0);
    EXPECT_EQ(Announced[0].End, IndexOf("1"));
    EXPECT_EQ(Announced[1].Start, IndexOf("1") + 1);
    EXPECT_EQ(Announced[1].End, two);
    EXPECT_EQ(Announced[2].Type, sstMssqlPrint);
    EXPECT_EQ(Announced[2].Start, two + 1);
    // The announced sender is the wrapper that the result list holds.
    EXPECT_EQ(Announced[1].Sender, Item(1));
}

TEST_F(MssqlScript, SemicolonsBecomeTerminators) {
    Parse("SELECT 1; SELECT 2;");
    EXPECT_TRUE(Errors.empty());
    ASSERT_EQ(Items(), 2);
    ASSERT_NE(Item(0)->TerminatorToken, nullptr);
    EXPECT_EQ(Item(0)->TerminatorToken->PosInList, IndexOf(";"));
    ASSERT_NE(Item(1)->TerminatorToken, nullptr);
    EXPECT_EQ(Item(1)->TerminatorToken->PosInList, IndexOf(";", IndexOf(";") + 1));
    // The ";" is not part of the statement's range.
    EXPECT_EQ(Item(0)->EndPos, IndexOf("1"));

    // A second ";" in a row is a syntax error.
    Parse("SELECT 1;;\nSELECT 2\n");
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Errors[0].token, ";");
    EXPECT_NE(Inner<TRk_SelectStmt>(Items() - 1), nullptr);
}

TEST_F(MssqlScript, ABrokenLineBecomesOneErrorStatement) {
    Parse("CREATE TABLE a (x int)\nCREATE TABLE b (y int,, z int)\nCREATE TABLE c (z int)\n");
    EXPECT_EQ(Result, 0);
    // One report for the run of errors.
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Errors[0].token, ",");
    EXPECT_EQ(Errors[0].line, 2);
    ASSERT_EQ(Items(), 3);
    EXPECT_NE(Inner<TRk_CreateTableStmt>(0), nullptr);
    auto* err = Inner<_TMssqlDummyStmt>(1);
    ASSERT_NE(err, nullptr);
    EXPECT_EQ(err->NodeKind, mnkErrorStmt);
    EXPECT_EQ(Parser->ErrorStatementNode, err);
    // The error statement holds the broken statement's tokens to the end of
    // its line, the line break included.
    ASSERT_GT(err->StmtTokens->Count(), 2);
    std::string first;
    for (int i = 0; i < err->StmtTokens->Count() && first.empty(); ++i)
        if (err->StmtTokens->GetToken(i)->IsSignificant()) first = err->StmtTokens->GetToken(i)->Text;
    EXPECT_EQ(first, "CREATE");
    EXPECT_EQ(err->StmtTokens->GetToken(err->StmtTokens->Count() - 1)->TokenType, ttLineBreak);
    auto* c = Inner<TRk_CreateTableStmt>(2);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(NameText(c->TableName), "c");
    // The error statement is announced as unknown.
    bool seen = false;
    for (const TAnnounced& a : Announced) seen = seen || (a.Type == sstUnknown && a.Sender == Item(1));
    EXPECT_TRUE(seen);
}

TEST_F(MssqlScript, AnErrorStatementOnTheLastLine) {
    Parse("SELECT 1\nSELECT FROM t");
    EXPECT_EQ(Result, 0);
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Errors[0].token, "FROM");
    ASSERT_GE(Items(), 1);
    EXPECT_NE(Inner<TRk_SelectStmt>(0), nullptr);
    ASSERT_FALSE(Announced.empty());
    EXPECT_EQ(Announced.back().Type, sstUnknown);
    // It starts where the statement before it ended.
    EXPECT_EQ(Announced.back().Start, IndexOf("1") + 1);
    for (int i = 1; i < Items(); ++i) EXPECT_EQ(Inner<_TMssqlDummyStmt>(i)->NodeKind, mnkErrorStmt);
}

// When the tokens run out inside an error statement, the run is accepted
// there: the statement is announced but never listed.
TEST_F(MssqlScript, AnErrorStatementThatReachesTheEndOfTheTokens) {
    Prepare("SELECT 1\nSELECT FROM t");
    // Without the final line break the error statement reads to the end.
    int n = Tokens->Count();
    while (n > 0 && Tokens->GetToken(n - 1)->TokenType == ttLineBreak) --n;
    auto view = std::make_unique<TSourceTokenList>(false);
    for (int i = 0; i < n; ++i) view->Add(Tokens->GetToken(i));
    Parser->TokenList = view.get();
    EXPECT_EQ(ParsePrepared(), 0);
    EXPECT_EQ(Items(), 1);
    EXPECT_EQ(Announced.size(), 2u);
    Run.reset();
}

// An error statement ends before an END, an ELSE or a ";" outside
// parentheses on its line, so the block or IF around it closes where it was
// written and the statements after it stay at the top level.
TEST_F(MssqlScript, AnErrorStatementLeavesEndElseAndSemicolon) {
    Parse("BEGIN\nSELECT 1; END\nCREATE TABLE t (a int)\n");
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Errors[0].token, ";");
    ASSERT_EQ(Items(), 2);
    auto* b = Inner<_TMssqlBlock>(0);
    ASSERT_NE(b, nullptr);
    ASSERT_EQ(b->StmtList->Count(), 2);
    auto* err = As<_TMssqlDummyStmt>(As<_TMssqlStmt>(b->StmtList->Items[1])->InnerNode);
    ASSERT_NE(err, nullptr);
    EXPECT_EQ(err->NodeKind, mnkErrorStmt);
    EXPECT_NE(Inner<TRk_CreateTableStmt>(1), nullptr);

    Parse("IF @a = 1 SELECT FROM t ELSE PRINT 'x'\n");
    ASSERT_EQ(Errors.size(), 1u);
    ASSERT_EQ(Items(), 1);
    auto* i = Inner<_TMssqlIfElse>(0);
    ASSERT_NE(i, nullptr);
    EXPECT_EQ(i->HasElse, 1);
    EXPECT_NE(As<_TMssqlPrint>(i->ElseStmt->InnerNode), nullptr);

    Parse("SELECT FROM t WHERE a IN (1; 2); SELECT 2\n");
    ASSERT_EQ(Errors.size(), 1u);
    ASSERT_EQ(Items(), 2);
    EXPECT_EQ(Inner<_TMssqlDummyStmt>(0)->NodeKind, mnkErrorStmt);
    EXPECT_EQ(TokText(Item(0)->TerminatorToken), ";");
    EXPECT_EQ(Item(0)->EndPos, IndexOf(")"));
    EXPECT_NE(Inner<TRk_SelectStmt>(1), nullptr);
}

TEST_F(MssqlScript, NestedStatementsAreAnnouncedButNotListed) {
    Parse("BEGIN\nSELECT 1\nSELECT 2\nEND\nSELECT 3");
    EXPECT_TRUE(Errors.empty());
    ASSERT_EQ(Items(), 2);
    ASSERT_EQ(Announced.size(), 4u);
    const int one = IndexOf("1"), two = IndexOf("2"), end = IndexOf("END");
    EXPECT_EQ(Announced[0].Start, 0);
    EXPECT_EQ(Announced[0].End, one);
    EXPECT_EQ(Announced[1].Start, one + 1);
    EXPECT_EQ(Announced[1].End, two);
    // The block comes after its children, starting past them.
    EXPECT_EQ(Announced[2].Type, sstMssqlBlock);
    EXPECT_EQ(Announced[2].Start, two + 1);
    EXPECT_EQ(Announced[2].End, end);
    EXPECT_EQ(Item(0)->EndPos, end);
    EXPECT_EQ(Announced[3].Start, end + 1);
}

TEST_F(MssqlScript, WithAtTheStartOfAStatementIsASyntaxError) {
    Parse("WITH x AS (SELECT 1 AS a) SELECT a FROM x\nSELECT 2\n");
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Errors[0].token, "WITH");
    EXPECT_NE(Inner<TRk_SelectStmt>(Items() - 1), nullptr);
}

TEST_F(MssqlScript, StatementsOutsideTheGrammarAreErrors) {
    const char* rejected[] = {
        "CREATE TRIGGER tr ON t FOR INSERT AS SELECT 1",
        "CREATE DATABASE d",
        "GRANT SELECT ON t TO u",
        "MERGE t USING u ON t.a = u.a WHEN MATCHED THEN DELETE;",
        "BEGIN TRY SELECT 1 END TRY BEGIN CATCH SELECT 2 END CATCH",
        "SET @a += 1",
    };
    for (const char* s : rejected) EXPECT_TRUE(Rejects(s)) << s;
}

TEST_F(MssqlScript, GeneratedScriptStyle) {
    const char* script =
        "USE [Shop]\r\n"
        "GO\r\n"
        "SET ANSI_NULLS ON\r\n"
        "GO\r\n"
        "if exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[Orders]') and "
        "OBJECTPROPERTY(id, N'IsUserTable') = 1)\r\n"
        "drop table [dbo].[Orders]\r\n"
        "GO\r\n"
        "/****** Object:  Table [dbo].[Orders] ******/\r\n"
        "CREATE TABLE [dbo].[Orders] (\r\n"
        "\t[ID] [int] IDENTITY (1, 1) NOT NULL ,\r\n"
        "\t[Name] [nvarchar] (40) COLLATE SQL_Latin1_General_CP1_CI_AS NOT NULL ,\r\n"
        "\t[Created] [datetime] NULL CONSTRAINT [DF_Orders_Created] DEFAULT (getdate()),\r\n"
        "\t[CustomerID] [int] NULL \r\n"
        ") ON [PRIMARY] TEXTIMAGE_ON [PRIMARY]\r\n"
        "GO\r\n"
        "ALTER TABLE [dbo].[Orders] WITH NOCHECK ADD \r\n"
        "\tCONSTRAINT [PK_Orders] PRIMARY KEY  CLUSTERED \r\n"
        "\t(\r\n"
        "\t\t[ID]\r\n"
        "\t)  ON [PRIMARY] \r\n"
        "GO\r\n"
        "ALTER TABLE [dbo].[Orders] ADD \r\n"
        "\tCONSTRAINT [FK_Orders_Customers] FOREIGN KEY \r\n"
        "\t(\r\n"
        "\t\t[CustomerID]\r\n"
        "\t) REFERENCES [dbo].[Customers] (\r\n"
        "\t\t[CustomerID]\r\n"
        "\t)\r\n"
        "GO\r\n"
        " CREATE  INDEX [IX_Orders_Name] ON [dbo].[Orders]([Name]) ON [PRIMARY]\r\n"
        "GO\r\n"
        "CREATE VIEW dbo.vOrders AS SELECT o.ID, o.Name FROM dbo.Orders o\r\n"
        "GO\r\n"
        "CREATE PROCEDURE dbo.GetOrder @id int AS\r\n"
        "SET NOCOUNT ON\r\n"
        "SELECT * FROM dbo.Orders WHERE ID = @id\r\n"
        "GO\r\n";
    Parse(script);
    EXPECT_EQ(Result, 0);
    EXPECT_TRUE(Errors.empty()) << (Errors.empty() ? "" : Errors[0].token + " line " + std::to_string(Errors[0].line));
    std::vector<std::string> kinds;
    for (int i = 0; i < Items(); ++i) kinds.push_back(Item(i)->InnerNode ? Item(i)->InnerNode->ClassName() : "<nil>");
    const std::vector<std::string> expected = {
        "_TMssqlUse", "_TMssqlGo", "_TMssqlSet", "_TMssqlGo", "_TMssqlIfElse", "_TMssqlGo",
        "TRk_CreateTableStmt", "_TMssqlGo", "TRk_alterTableStmt", "_TMssqlGo", "TRk_alterTableStmt", "_TMssqlGo",
        "TRk_CreateIndexSqlStatement", "_TMssqlGo", "TRk_CreateViewSqlStatement", "_TMssqlGo",
        "_TMssqlCreateProcedure", "_TMssqlGo"};
    EXPECT_EQ(kinds, expected);
    auto* table = Inner<TRk_CreateTableStmt>(6);
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->ElementList->Count(), 4);
    auto* fk = Inner<TRk_alterTableStmt>(10);
    ASSERT_NE(fk, nullptr);
    auto* add = As<TRk_DummyNode>(fk->AddConstraintsClause);
    ASSERT_NE(add, nullptr);
    auto* k = As<TRkConstraint>(add->List1->Items[0]);
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(k->ConstraintType, 5);
    EXPECT_EQ(NameText(k->RefClause->RefTable), "[dbo].[Customers]");
    auto* proc = Inner<_TMssqlCreateProcedure>(16);
    ASSERT_NE(proc, nullptr);
    EXPECT_EQ(proc->BodyList->Count(), 2);
}

// A parse run leaves no node pool of an earlier run behind, and a second run
// over other tokens starts from clear positions.
TEST_F(MssqlScript, ParserIsReusable) {
    Parse("SELECT 1");
    ASSERT_EQ(Items(), 1);
    MsRun second("PRINT 1\nPRINT 2\n");
    Parser->TokenList = second.tokens.get();
    Parser->TokenPos = 0;
    Announced.clear();
    EXPECT_EQ(Parser->yyparse(), 0);
    EXPECT_EQ(Items(), 2);
    ASSERT_FALSE(Announced.empty());
    EXPECT_EQ(Announced[0].Start, 0);
    Run.reset();
}

// The conflicts that precedence leaves to the default (shift) resolution,
// pinned: a change of the grammar that adds or removes one shows here.
// yaccgen reports the same numbers (tests/tools/yaccgen checks every grammar
// against bison).
TEST(MssqlGrammarTables, ConflictCountsArePinned) {
    std::string report;
    if (!sqltest::BisonReport("src/parse/mssql/mssql_sql.y", report)) GTEST_SKIP() << "no source tree or no bison";
    EXPECT_NE(report.find("411 shift/reduce conflicts"), std::string::npos) << report;
    EXPECT_EQ(report.find("reduce/reduce"), std::string::npos) << report;
}

}  // namespace
