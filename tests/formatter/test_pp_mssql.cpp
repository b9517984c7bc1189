// SQL Server statement printers on trees that the SQL Server parser builds:
// blocks, IF/WHILE, RETURN, PRINT, USE, GO, FETCH, SET, EXECUTE and the
// statements that are only recognised.
#include <gtest/gtest.h>

#include "formatter/concretepp_mssql.h"
#include "parse/mssql/mssqlsqlstatement.h"
#include "test_pp_fixture.h"

using pptest::PrinterTest;

namespace {

constexpr std::uint8_t Mssql = 0;

struct Golden {
    const char* Sql;
    const char* Text;
};

class MssqlPrinter : public PrinterTest {
protected:
    std::string Pretty0(const std::string& Sql, int Index = 0) { return Pretty(Sql, Index, Mssql); }

    void ExpectAll(std::initializer_list<Golden> Rows) {
        for (const Golden& g : Rows) EXPECT_EQ(Pretty0(g.Sql), g.Text) << g.Sql;
    }
};

TEST_F(MssqlPrinter, BlockIndentsItsStatementsAndEndsWithAnIndentedLine) {
    REQUIRE_DIALECT(Mssql);
    ExpectAll({
        {"begin select a from t end",
         "BEGIN\r\n  SELECT a\r\n  FROM   t\r\n  \r\nEND"},
        {"begin print 'x' return end",
         "BEGIN\r\n  PRINT 'x'\r\n  RETURN\r\n  \r\nEND"},
        {"begin begin print 1 end end",
         "BEGIN\r\n  BEGIN\r\n    PRINT 1\r\n    \r\n  END\r\n  \r\nEND"},
    });
    // The printer leaves its statement out of the pretty mode.
    TCustomSqlStatement* s = Stmt("begin print 'x' end", 0, Mssql);
    ASSERT_NE(s, nullptr);
    s->GetPrettyText();
    EXPECT_EQ(s->PrettyMode, 0);
}

TEST_F(MssqlPrinter, IfPutsTheBranchesUnderTheConditionAndElseInColumnOne) {
    REQUIRE_DIALECT(Mssql);
    ExpectAll({
        {"if @a = 1 print 'one'", "IF @a = 1\r\n  PRINT 'one'"},
        {"if @a = 1 print 'one' else print 'other'",
         "IF @a = 1\r\n  PRINT 'one'\r\n ELSE\r\n  PRINT 'other'"},
        {"while @i < 10 set @i = @i + 1", "WHILE @i < 10\r\n  SET @i = @i + 1"},
        // The ELSE of a nested IF belongs to the inner one.
        {"if @a = 1 if @b = 2 print 'x' else print 'y'",
         "IF @a = 1\r\n  IF @b = 2\r\n    PRINT 'x'\r\n   ELSE\r\n    PRINT 'y'"},
        {"if @a = 1 begin print 'x' end else return",
         "IF @a = 1\r\n  BEGIN\r\n    PRINT 'x'\r\n    \r\n  END\r\n ELSE\r\n  RETURN"},
    });
}

TEST_F(MssqlPrinter, KeywordStatementsPrintTheirOperands) {
    REQUIRE_DIALECT(Mssql);
    ExpectAll({
        {"return", "RETURN"},
        {"return @x + 1", "RETURN @x + 1"},
        {"print 'hello'", "PRINT 'hello'"},
        {"use Northwind", "USE northwind"},
        {"go", "GO"},
    });
    FmtOpt.KeywordCase = 1;
    FmtOpt.IdentifierCase = 3;
    EXPECT_EQ(Pretty0("USE Northwind"), "use Northwind");
}

TEST_F(MssqlPrinter, FetchPutsIntoOnASecondLine) {
    REQUIRE_DIALECT(Mssql);
    ExpectAll({
        {"fetch next from c into @a, @b", "FETCH NEXT FROM c\r\nINTO @a,@b"},
        {"fetch next from global c", "FETCH NEXT FROM GLOBAL c"},
        {"fetch absolute 5 from c", "FETCH ABSOLUTE 5 FROM c"},
        // Without a direction the blank after FETCH meets the one before the name.
        {"fetch c", "FETCH  c"},
        {"fetch global c into @a", "FETCH  GLOBAL c\r\nINTO @a"},
        {"fetch next from @cur", "FETCH NEXT FROM @cur"},
    });
}

TEST_F(MssqlPrinter, SetPrintsAssignmentsCursorsAndOptionWords) {
    REQUIRE_DIALECT(Mssql);
    ExpectAll({
        {"set @v = 5", "SET @v = 5"},
        {"set @v = (select max(a) from t)", "SET @v = (SELECT Max(a)\r\n          FROM   t)"},
        // Option statements: one blank between words, whatever stood there.
        {"set nocount on", "SET nocount ON"},
        {"set   nocount\ton", "SET nocount ON"},
        {"set nocount /* quiet */ on", "SET nocount ON"},
        {"set @c = cursor for select a from t",
         "SET @c = CURSOR FOR SELECT a\r\n                    FROM   t"},
        {"set @c = cursor scroll static read_only for select a from t",
         "SET @c = CURSOR SCROLL STATIC READ_ONLY FOR SELECT a\r\n"
         "                                            FROM   t"},
    });
}

TEST_F(MssqlPrinter, ExecuteListsArgumentsUnderTheFirst) {
    REQUIRE_DIALECT(Mssql);
    ExpectAll({
        {"exec p", "EXEC p"},
        {"execute dbo.p 1, 'x'", "EXECUTE dbo.p  1 ,\r\n               'x'"},
        {"exec p @a = 1, @b = @c output, @d = null",
         "EXEC p  @a = 1 ,\r\n        @b = @c OUTPUT ,\r\n        @d = NULL"},
        {"exec p 'x', @b out", "EXEC p  'x' ,\r\n        @b OUT"},
        {"exec @rc = p -1", "EXEC @rc = p  -1"},
        {"exec @proc", "EXEC @proc"},
        {"exec p with recompile", "EXEC p WITH RECOMPILE"},
        {"exec ('select ' + @cols + ' from t')", "EXEC( 'select ' + @cols + ' from t')"},
    });
}

TEST_F(MssqlPrinter, RecognisedStatementsPrintTheirWords) {
    REQUIRE_DIALECT(Mssql);
    ExpectAll({
        {"raiserror('bad', 16, 1)", "RAISERROR ( 'bad' , 16 , 1 )"},
        // Comments and line breaks inside are dropped.
        {"raiserror('bad', -- why\n 16, 1)", "RAISERROR ( 'bad' , 16 , 1 )"},
        {"drop table t", "DROP TABLE t"},
        {"truncate table dbo.t", "TRUNCATE TABLE dbo . t"},
        {"open c", "OPEN c"},
        {"close global c", "CLOSE GLOBAL c"},
        {"deallocate @c", "DEALLOCATE @c"},
        {"begin tran", "BEGIN TRAN"},
        {"begin transaction t1", "BEGIN TRANSACTION t1"},
        {"commit", "COMMIT"},
        {"commit tran t1", "COMMIT TRAN t1"},
        {"rollback work", "ROLLBACK WORK"},
        {"save transaction sp1", "SAVE TRANSACTION sp1"},
        // A label is a word of the keyword class.
        {"done:", "DONE:"},
    });
    ExpectAll({{"while 1 = 1 break", "WHILE 1 = 1\r\n  BREAK"},
               {"while 1 = 1 continue", "WHILE 1 = 1\r\n  CONTINUE"}});
}

TEST_F(MssqlPrinter, ErrorStatementInABlockIsTrimmed) {
    REQUIRE_DIALECT(Mssql);
    TCustomSqlStatement* s = Stmt("begin\nprint 'a'\nselect from where\nprint 'b'\nend", 0, Mssql);
    ASSERT_NE(s, nullptr);
    auto* block = dynamic_cast<TMssqlBlock*>(s);
    ASSERT_NE(block, nullptr) << s->ClassName();
    bool hasError = false;
    for (TCustomSqlStatement* c : *block->Children) hasError |= c->StatementType == sstErrorStmt;
    EXPECT_TRUE(hasError);
    const std::string text = s->GetPrettyText();
    EXPECT_EQ(text.rfind("BEGIN\r\n  PRINT 'a'\r\n  SELECT FROM WHERE\r\n", 0), 0u) << text;
    EXPECT_EQ(text.find("\r\n\r\n"), std::string::npos) << text;
}

}  // namespace

namespace {

int Occurrences(const std::string& Text, const std::string& Word) {
    int n = 0;
    for (size_t p = Text.find(Word); p != std::string::npos; p = Text.find(Word, p + Word.size())) ++n;
    return n;
}

TEST_F(MssqlPrinter, DeepNestingPrintsEveryStatementWithoutExhaustingTheStack) {
    REQUIRE_DIALECT(Mssql);
    // Blocks: the outer levels are laid out, the levels past the limit come
    // as written; no word is lost.
    std::string sql;
    const int Blocks = 5000;
    for (int i = 0; i < Blocks; ++i) sql += "begin ";
    sql += "print 'deepest' ";
    for (int i = 0; i < Blocks; ++i) sql += "end ";
    TCustomSqlStatement* s = Stmt(sql, 0, Mssql);
    ASSERT_NE(s, nullptr);
    std::string text = s->GetPrettyText();
    EXPECT_EQ(text.rfind("BEGIN\r\n  BEGIN\r\n    BEGIN\r\n", 0), 0u);
    EXPECT_EQ(Occurrences(text, "BEGIN"), Blocks);
    EXPECT_EQ(Occurrences(text, "END"), Blocks);
    EXPECT_EQ(Occurrences(text, "PRINT 'deepest'"), 1);

    // IF chains nest through the branch wrappers.
    sql.clear();
    const int Ifs = 1000;
    for (int i = 0; i < Ifs; ++i) sql += "if @a = 1 ";
    sql += "print 'deepest' else print 'other'";
    s = Stmt(sql, 0, Mssql);
    ASSERT_NE(s, nullptr);
    text = s->GetPrettyText();
    EXPECT_EQ(text.rfind("IF @a = 1\r\n  IF @a = 1\r\n", 0), 0u);
    EXPECT_EQ(Occurrences(text, "IF @a = 1"), Ifs);
    EXPECT_EQ(Occurrences(text, "PRINT 'deepest'"), 1);
    EXPECT_EQ(Occurrences(text, "ELSE"), 1);
    EXPECT_EQ(Occurrences(text, "PRINT 'other'"), 1);
}

}  // namespace

namespace {

TEST_F(MssqlPrinter, CaseAndTabOptions) {
    REQUIRE_DIALECT(Mssql);
    FmtOpt.KeywordCase = 1;
    FmtOpt.IdentifierCase = 0;
    EXPECT_EQ(Pretty0("create procedure Load_Orders @Id int as begin set nocount on fetch c end"),
              "create procedure LOAD_ORDERS\r\n"
              "                @Id int\r\n"
              "as\r\n"
              "  begin\r\n"
              "    set NOCOUNT on\r\n"
              "    fetch  C\r\n"
              "    \r\n"
              "  end\r\n"
              "  ");
    // Tabs replace the leading blanks that the indent routine writes; the
    // two blanks before a block's first statement are written as they are.
    FmtOpt = TRkFmtOpt();
    FmtOpt.UseTab = 1;
    FmtOpt.TabSize = 2;
    EXPECT_EQ(Pretty0("begin if @a = 1 begin print 'x' end end"),
              "BEGIN\r\n  IF @a = 1\r\n\t\tBEGIN\r\n\t\t\tPRINT 'x'\r\n\t\t\t\r\n\t\tEND\r\n\t\r\nEND");
}

}  // namespace
