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
            if (Tokens->GetToken(i)->GetText() == Text) return i;
        return -1;
    }
};

TEST_F(MssqlScript, StatementsNeedNoSemicolon) {
    Parse("SELECT 1 SELECT 2\nPRINT 'x'\nCREATE INDEX i ON t (a)\nCREATE VIEW v AS SELECT 1\nALTER TABLE t ADD c int");
    EXPECT_EQ(Result, 0);
    EXPECT_TRUE(Errors.empty());
    EXPECT_EQ(Kinds(), "TRk_SelectStmt TRk_SelectStmt _TMssqlPrint TRk_CreateIndexSqlStatement "
                       "TRk_CreateViewSqlStatement TRk_alterTableStmt");
    const int one = IndexOf("1"), two = IndexOf("2"), x = IndexOf("'x'");
    EXPECT_EQ(Pic(Item(0)->EndPos(), Item(1)->EndPos(), Item(2)->EndPos()), Pic(one, two, x));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(Item(i)->TerminatorToken, nullptr);
    ASSERT_GE(Announced.size(), 3u);
    EXPECT_EQ(Pic(Announced[0].Type, Announced[0].Start, Announced[0].End), Pic(sstSelect, 0, one));
    EXPECT_EQ(Pic(Announced[1].Start, Announced[1].End), Pic(one + 1, two));
    EXPECT_EQ(Pic(Announced[2].Type, Announced[2].Start), Pic(sstMssqlPrint, two + 1));
    // The announced sender is the wrapper that the result list holds.
    EXPECT_EQ(Announced[1].Sender, Item(1));
}

TEST_F(MssqlScript, SemicolonsBecomeTerminators) {
    Parse("SELECT 1; SELECT 2;");
    EXPECT_TRUE(Errors.empty());
    ASSERT_EQ(Items(), 2);
    ASSERT_TRUE(Item(0)->TerminatorToken && Item(1)->TerminatorToken);
    EXPECT_EQ(Item(0)->TerminatorToken->PosInList, IndexOf(";"));
    EXPECT_EQ(Item(1)->TerminatorToken->PosInList, IndexOf(";", IndexOf(";") + 1));
    // The ";" is not part of the statement's range.
    EXPECT_EQ(Item(0)->EndPos(), IndexOf("1"));
}

TEST_F(MssqlScript, ABrokenLineBecomesOneErrorStatement) {
    Parse("CREATE TABLE a (x int)\nCREATE TABLE b (y int,, z int)\nCREATE TABLE c (z int)\n");
    // One report for the run of errors.
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Pic(Result, Errors[0].token, Errors[0].line, Kinds()),
              "0 , 2 TRk_CreateTableStmt _TMssqlDummyStmt:45 TRk_CreateTableStmt");
    auto* err = Inner<_TMssqlDummyStmt>(1);
    ASSERT_NE(err, nullptr);
    EXPECT_EQ(Parser->ErrorStatementNode, err);
    // The error statement holds the broken statement's tokens to the end of
    // its line, the line break included.
    EXPECT_EQ(Run->ListText(err->StmtTokens.get()), "\n|CREATE| |TABLE| |b| |(|y| |int|,|,| |z| |int|)|\n|");
    EXPECT_EQ(NameText(Inner<TRk_CreateTableStmt>(2)->TableName), "c");
    // The error statement is announced as unknown.
    bool seen = false;
    for (const TAnnounced& a : Announced) seen = seen || (a.Type == sstUnknown && a.Sender == Item(1));
    EXPECT_TRUE(seen);

    // On the last line it starts where the statement before it ended.
    Parse("SELECT 1\nSELECT FROM t");
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Pic(Result, Errors[0].token, Kinds()), "0 FROM TRk_SelectStmt _TMssqlDummyStmt:45");
    ASSERT_FALSE(Announced.empty());
    EXPECT_EQ(Pic(Announced.back().Type, Announced.back().Start), Pic(sstUnknown, IndexOf("1") + 1));
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

// An error statement ends before an END or an ELSE outside parentheses on
// its line, and with a ";" there, which it reads, so the block or IF around
// it closes where it was written and the statements after it stay at the
// top level.
TEST_F(MssqlScript, AnErrorStatementLeavesEndElseAndSemicolon) {
    Parse("BEGIN\nSELECT 1; END\nCREATE TABLE t (a int)\n");
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Pic(Errors[0].token, Kinds()), "; _TMssqlBlock TRk_CreateTableStmt");
    auto* b = Inner<_TMssqlBlock>(0);
    ASSERT_TRUE(b && b->StmtList && b->StmtList->Count() == 2);
    auto* err = As<_TMssqlDummyStmt>(As<_TMssqlStmt>(b->StmtList->Items[1])->InnerNode);
    ASSERT_NE(err, nullptr);
    EXPECT_EQ(err->NodeKind, mnkErrorStmt);

    Parse("IF @a = 1 SELECT FROM t ELSE PRINT 'x'\n");
    EXPECT_EQ(Pic(Errors.size(), Kinds()), "1 _TMssqlIfElse");
    auto* i = Inner<_TMssqlIfElse>(0);
    ASSERT_TRUE(i && i->ElseStmt);
    EXPECT_EQ(i->HasElse, 1);
    EXPECT_NE(As<_TMssqlPrint>(i->ElseStmt->InnerNode), nullptr);

    Parse("SELECT FROM t WHERE a IN (1; 2); SELECT 2\n");
    EXPECT_EQ(Pic(Errors.size(), Kinds()), "1 _TMssqlDummyStmt:45 TRk_SelectStmt");
    EXPECT_EQ(Pic(TokText(Item(0)->TerminatorToken), Item(0)->EndPos()), Pic("<nil>", IndexOf(")") + 1));
}

TEST_F(MssqlScript, NestedStatementsAreAnnouncedButNotListed) {
    Parse("BEGIN\nSELECT 1\nSELECT 2\nEND\nSELECT 3");
    EXPECT_TRUE(Errors.empty());
    EXPECT_EQ(Kinds(), "_TMssqlBlock TRk_SelectStmt");
    // The block comes after its children, starting past them.
    const int one = IndexOf("1"), two = IndexOf("2"), end = IndexOf("END");
    std::string got;
    for (const TAnnounced& a : Announced) got += Pic(a.Type, a.Start, a.End) + ";";
    EXPECT_EQ(got, Pic(sstSelect, 0, one) + ";" + Pic(sstSelect, one + 1, two) + ";" + Pic(sstMssqlBlock, two + 1, end) +
                       ";" + Pic(sstSelect, end + 1, IndexOf("3")) + ";");
    EXPECT_EQ(Item(0)->EndPos(), end);
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
    sqltest::ExpectDeclaredConflicts("src/parse/mssql/mssql_sql.y", "411");
}

}  // namespace
