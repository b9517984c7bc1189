// SQL Server statement printers on trees that the SQL Server parser builds:
// blocks, IF/WHILE, RETURN, PRINT, USE, GO, FETCH, SET, EXECUTE, DECLARE,
// procedures, functions and the statements that are only recognised.
#include <gtest/gtest.h>

#include "formatter/concretepp_mssql.h"
#include "parse/mssql/mssqlsqlstatement.h"
#include "test_pp_fixture.h"

using pptest::Occurrences;

namespace {

constexpr std::uint8_t Mssql = 0;

class MssqlPrinter : public pptest::PrinterTest {
protected:
    void SetUp() override {
        PrinterTest::SetUp();
        REQUIRE_DIALECT(Mssql);
    }
    std::string Pretty0(const std::string& Sql, int Index = 0) { return Pretty(Sql, Index, Mssql); }
};

TEST_F(MssqlPrinter, StatementGoldenTexts) {
    ExpectGoldens({
        // A block indents its statements and ends with an indented line.
        {"", "begin select a from t end", "BEGIN\r\n  SELECT a\r\n  FROM   t\r\n  \r\nEND"},
        {"", "begin print 'x' return end", "BEGIN\r\n  PRINT 'x'\r\n  RETURN\r\n  \r\nEND"},
        {"", "begin begin print 1 end end", "BEGIN\r\n  BEGIN\r\n    PRINT 1\r\n    \r\n  END\r\n  \r\nEND"},
        // IF puts the branches under the condition and ELSE in column one;
        // the ELSE of a nested IF belongs to the inner one.
        {"", "if @a = 1 print 'one'", "IF @a = 1\r\n  PRINT 'one'"},
        {"", "if @a = 1 print 'one' else print 'other'", "IF @a = 1\r\n  PRINT 'one'\r\n ELSE\r\n  PRINT 'other'"},
        {"", "while @i < 10 set @i = @i + 1", "WHILE @i < 10\r\n  SET @i = @i + 1"},
        {"", "if @a = 1 if @b = 2 print 'x' else print 'y'",
         "IF @a = 1\r\n  IF @b = 2\r\n    PRINT 'x'\r\n   ELSE\r\n    PRINT 'y'"},
        {"", "if @a = 1 begin print 'x' end else return",
         "IF @a = 1\r\n  BEGIN\r\n    PRINT 'x'\r\n    \r\n  END\r\n ELSE\r\n  RETURN"},
        {"", "while 1 = 1 break", "WHILE 1 = 1\r\n  BREAK"},
        {"", "while 1 = 1 continue", "WHILE 1 = 1\r\n  CONTINUE"},
        {"", "return", "RETURN"},
        {"", "return @x + 1", "RETURN @x + 1"},
        {"", "print 'hello'", "PRINT 'hello'"},
        {"", "use Northwind", "USE northwind"},
        {"KeywordCase=1 IdentifierCase=3", "USE Northwind", "use Northwind"},
        {"", "go", "GO"},
        // FETCH puts INTO on a second line; without a direction the blank
        // after FETCH meets the one before the name.
        {"", "fetch next from c into @a, @b", "FETCH NEXT FROM c\r\nINTO @a,@b"},
        {"", "fetch next from global c", "FETCH NEXT FROM GLOBAL c"},
        {"", "fetch absolute 5 from c", "FETCH ABSOLUTE 5 FROM c"},
        {"", "fetch c", "FETCH  c"},
        {"", "fetch global c into @a", "FETCH  GLOBAL c\r\nINTO @a"},
        {"", "fetch next from @cur", "FETCH NEXT FROM @cur"},
        // EXECUTE lists its arguments under the first.
        {"", "exec p", "EXEC p"},
        {"", "execute dbo.p 1, 'x'", "EXECUTE dbo.p  1 ,\r\n               'x'"},
        {"", "exec p @a = 1, @b = @c output, @d = null",
         "EXEC p  @a = 1 ,\r\n        @b = @c OUTPUT ,\r\n        @d = NULL"},
        {"", "exec p 'x', @b out", "EXEC p  'x' ,\r\n        @b OUT"},
        {"", "exec @rc = p -1", "EXEC @rc = p  -1"},
        {"", "exec @proc", "EXEC @proc"},
        {"", "exec p with recompile", "EXEC p WITH RECOMPILE"},
        {"", "exec ('select ' + @cols + ' from t')", "EXEC( 'select ' + @cols + ' from t')"},
        // Recognised statements print their words; line breaks inside are
        // dropped, comments kept (a line comment with its line break).
        {"", "raiserror('bad', 16, 1)", "RAISERROR ( 'bad' , 16 , 1 )"},
        {"", "raiserror('bad', -- why\n 16, 1)", "RAISERROR ( 'bad' , -- why\r\n16 , 1 )"},
        {"", "raiserror('bad', /* why */ 16, 1)", "RAISERROR ( 'bad' , /* why */ 16 , 1 )"},
        {"", "drop table t", "DROP TABLE t"},
        {"", "truncate table dbo.t", "TRUNCATE TABLE dbo . t"},
        {"", "open c", "OPEN c"},
        {"", "close global c", "CLOSE GLOBAL c"},
        {"", "deallocate @c", "DEALLOCATE @c"},
        {"", "begin tran", "BEGIN TRAN"},
        {"", "begin transaction t1", "BEGIN TRANSACTION t1"},
        {"", "commit", "COMMIT"},
        {"", "commit tran t1", "COMMIT TRAN t1"},
        {"", "rollback work", "ROLLBACK WORK"},
        {"", "save transaction sp1", "SAVE TRANSACTION sp1"},
        // A recognised statement's ";" is one of its words.
        {"", "drop table t;", "DROP TABLE t ;"},
        // A label is a word of the keyword class.
        {"", "done:", "DONE:"},
        // Tabs replace the leading blanks that the indent routine writes; the
        // two blanks before a block's first statement are written as they are.
        {"UseTab=1", "begin if @a = 1 begin print 'x' end end",
         "BEGIN\r\n  IF @a = 1\r\n\t\tBEGIN\r\n\t\t\tPRINT 'x'\r\n\t\t\t\r\n\t\tEND\r\n\t\r\nEND"},
    }, Mssql);
    // The block printer leaves its statement out of the pretty mode.
    TCustomSqlStatement* s = Stmt("begin print 'x' end", 0, Mssql);
    ASSERT_NE(s, nullptr);
    s->GetPrettyText();
    EXPECT_EQ(s->PrettyMode, 0);
}

TEST_F(MssqlPrinter, SetPrintsAssignmentsCursorsAndOptionWords) {
    ExpectGoldens({
        {"", "set @v = 5", "SET @v = 5"},
        {"", "set @v = (select max(a) from t)", "SET @v = (SELECT Max(a)\r\n          FROM   t)"},
        // Option statements: one blank between words, whatever stood there.
        {"", "set nocount on", "SET nocount ON"},
        {"", "set   nocount\ton", "SET nocount ON"},
        {"", "set nocount /* quiet */ on", "SET nocount /* quiet */ ON"},
        {"", "set @c = cursor for select a from t", "SET @c = CURSOR FOR SELECT a\r\n                    FROM   t"},
        {"", "set @c = cursor scroll static read_only for select a from t",
         "SET @c = CURSOR SCROLL STATIC READ_ONLY FOR SELECT a\r\n                                            FROM   t"},
    }, Mssql);
}

#define TWO_VARS "declare @a int, @bb varchar(10)"
#define PROC_AB "create procedure p @a int, @bb int as return"

TEST_F(MssqlPrinter, DeclarationsProceduresAndFunctions) {
    ExpectGoldens({
        // DECLARE pads the names to the longest.
        {"", TWO_VARS, "DECLARE\r\n  @a  INT,\r\n  @bb VARCHAR(10)"},
        {"", "declare @x as int", "DECLARE\r\n  @x  AS INT"},
        {"", "declare @a int, @bb int, @c cursor", "DECLARE\r\n  @a  INT,\r\n  @bb INT,\r\n  @c   CURSOR"},
        {"DeclListOneLine=1", TWO_VARS, "DECLARE\r\n  @a INT,@bb VARCHAR(10)"},
        // Separator first: the type columns still line up.
        {"DeclSeparatorStyle=1", TWO_VARS, "DECLARE\r\n  @a   INT\r\n  ,@bb VARCHAR(10)"},
        {"DeclSeparatorStyle=2", TWO_VARS, "DECLARE\r\n  @a    INT\r\n  , @bb VARCHAR(10)"},
        {"DeclSeparatorStyle=3", TWO_VARS, "DECLARE\r\n  @a  INT,@bb VARCHAR(10)"},
        {"ParamDeclAlign=1", TWO_VARS, "DECLARE\r\n   @a INT,\r\n  @bb VARCHAR(10)"},
        // A cursor declaration puts its query after FOR.
        {"", "declare c cursor for select a from t", "DECLARE c CURSOR  FOR\r\nSELECT a\r\nFROM   t"},
        {"", "declare c scroll cursor for select a from t", "DECLARE c SCROLL CURSOR  FOR\r\nSELECT a\r\nFROM   t"},
        {"", "declare c cursor local fast_forward for select a from t",
         "DECLARE c CURSOR LOCAL FAST_FORWARD FOR\r\nSELECT a\r\nFROM   t"},
        // Procedures: header, parameters, options; the body statements start
        // in column 2, each trimmed.
        {"", "create procedure p @a int, @bb int = 5 output as select a from t",
         "CREATE PROCEDURE p\r\n                @a  INT,\r\n                @bb INT = 5 OUTPUT\r\nAS\r\n"
         "  SELECT a\r\n  FROM   t\r\n  "},
        {"", "create proc p (@a int, @b as int) as print 1 print 2 return",
         "CREATE PROC p(\r\n           @a INT,\r\n           @b  AS INT)\r\nAS\r\n  PRINT 1\r\n  PRINT 2\r\n  RETURN\r\n  "},
        // VARYING keeps the blank before it: "INTVARYING" would be no SQL.
        {"", "create procedure p @c int varying output as return",
         "CREATE PROCEDURE p\r\n                @c INT VARYING OUTPUT\r\nAS\r\n  RETURN\r\n  "},
        {"", "create procedure p;2 as print 'x'", "CREATE PROCEDURE p;2\r\nAS\r\n  PRINT 'x'\r\n  "},
        {"", "create procedure p;2 (@a int) as print 'x'",
         "CREATE PROCEDURE p;2(\r\n                @a INT)\r\nAS\r\n  PRINT 'x'\r\n  "},
        {"", "create procedure p () as print 'x'", "CREATE PROCEDURE p( )\r\nAS\r\n  PRINT 'x'\r\n  "},
        {"", "alter procedure p with recompile, encryption for replication as print 'x'",
         "ALTER PROCEDURE p\r\nWITH RECOMPILE , ENCRYPTION\r\nFOR REPLICATION\r\nAS\r\n  PRINT 'x'\r\n  "},
        {"", "create procedure p as\nbegin\n  select a from t\nend",
         "CREATE PROCEDURE p\r\nAS\r\n  BEGIN\r\n    SELECT a\r\n    FROM   t\r\n    \r\n  END\r\n  "},
        {"DeclSeparatorStyle=1", PROC_AB,
         "CREATE PROCEDURE p\r\n                @a   INT\r\n                ,@bb INT\r\nAS\r\n  RETURN\r\n  "},
        {"DeclSeparatorStyle=2", PROC_AB,
         "CREATE PROCEDURE p\r\n                @a    INT\r\n                , @bb INT\r\nAS\r\n  RETURN\r\n  "},
        {"DeclListOneLine=1", PROC_AB, "CREATE PROCEDURE p\r\n                @a INT,@bb INT\r\nAS\r\n  RETURN\r\n  "},
        {"KeywordCase=1 IdentifierCase=0", "create procedure Load_Orders @Id int as begin set nocount on fetch c end",
         "create procedure LOAD_ORDERS\r\n                @Id int\r\nas\r\n  begin\r\n    set NOCOUNT on\r\n"
         "    fetch  C\r\n    \r\n  end\r\n  "},
        // Functions: both brackets also without parameters; AS only when written.
        {"", "create function f(@a int) returns int as begin return @a end",
         "CREATE FUNCTION f\r\n               (@a INT)\r\nRETURNS INT\r\nAS\r\n  BEGIN\r\n    RETURN @a\r\n    \r\n  END"},
        {"", "create function f() returns int begin return 1 end",
         "CREATE FUNCTION f\r\n               ()\r\nRETURNS INT\r\n  BEGIN\r\n    RETURN 1\r\n    \r\n  END"},
        {"", "create function dbo.f(@a int, @bb int = 2) returns table with encryption as return @a",
         "CREATE FUNCTION dbo.f\r\n               (@a  INT,\r\n                @bb INT = 2)\r\nRETURNS TABLE\r\n"
         "WITH ENCRYPTION\r\nAS\r\n  RETURN @a"},
        // RETURN puts its operand after one blank as it comes: a query's later
        // lines keep the operand's own indent.
        {"", "create function f() returns table return (select a from t)",
         "CREATE FUNCTION f\r\n               ()\r\nRETURNS TABLE\r\n  RETURN (SELECT a\r\n   FROM   t)"},
    }, Mssql);
}

TEST_F(MssqlPrinter, ScriptOfBatches) {
    const char* sql =
        "create procedure p as select 1\n"
        "go\n"
        "if exists (select * from t) drop table t\n"
        "declare @t table (a int)\n";
    const char* texts[] = {
        "CREATE PROCEDURE p\r\nAS\r\n  SELECT 1\r\n  ",
        "GO",
        "IF EXISTS (SELECT *\r\n           FROM   t)\r\n  DROP TABLE t",
        // A table variable is a CREATE TABLE statement with its own printer.
        "DECLARE @t TABLE (\r\n  a INT)",
    };
    for (int i = 0; i < 4; ++i) EXPECT_EQ(Pretty0(sql, i), texts[i]) << i;
    EXPECT_EQ(Parser->Statements().Count(), 4);
}

// A statement the grammar does not take inside a block prints once, and
// the IF and BEGIN around it print their own words once.
TEST_F(MssqlPrinter, ErrorStatementInABlockLeavesTheHeaderToTheBlock) {
    EXPECT_EQ(Pretty0("IF EXISTS (SELECT name FROM t WHERE name = N'x')\nBEGIN\n"
                      "\tALTER DATABASE [x] SET ONLINE;\n\tDROP DATABASE [x];\nEND\n"),
              "IF EXISTS (SELECT name\r\n           FROM   t\r\n           WHERE  name = N'x')\r\n"
              "  BEGIN\r\n    ALTER DATABASE [x] SET ONLINE;\r\n    DROP DATABASE [x] ;\r\n    \r\n  END");
    EXPECT_EQ(Pretty0("create procedure p as\nalter database x set online\nselect 1\n"),
              "CREATE PROCEDURE p\r\nAS\r\n  alter database x set online\r\n  SELECT 1\r\n  ");
}

TEST_F(MssqlPrinter, ErrorStatementInABlockIsTrimmed) {
    TCustomSqlStatement* s = Stmt("begin\nprint 'a'\nselect from where\nprint 'b'\nend", 0, Mssql);
    auto* block = dynamic_cast<TMssqlBlock*>(s);
    ASSERT_NE(block, nullptr);
    bool hasError = false;
    for (TCustomSqlStatement* c : *block->Children) hasError |= c->StatementType == sstErrorStmt;
    EXPECT_TRUE(hasError);
    const std::string text = s->GetPrettyText();
    EXPECT_EQ(text.rfind("BEGIN\r\n  PRINT 'a'\r\n  select from where\r\n", 0), 0u) << text;
    EXPECT_EQ(text.find("\r\n\r\n"), std::string::npos) << text;
}

TEST_F(MssqlPrinter, DeepNestingPrintsEveryStatementWithoutExhaustingTheStack) {
    // Blocks: the outer levels are laid out, the levels past the limit come
    // as written; no word is lost.
    std::string sql;
    const int Blocks = 5000;
    for (int i = 0; i < Blocks; ++i) sql += "begin ";
    sql += "print 'deepest' ";
    for (int i = 0; i < Blocks; ++i) sql += "end ";
    std::string text = Pretty0(sql);
    EXPECT_EQ(text.rfind("BEGIN\r\n  BEGIN\r\n    BEGIN\r\n", 0), 0u);
    EXPECT_EQ(Occurrences(text, "BEGIN"), Blocks);
    EXPECT_EQ(Occurrences(text, "END"), Blocks);
    EXPECT_EQ(Occurrences(text, "PRINT 'deepest'"), 1);

    // IF chains nest through the branch wrappers.
    sql.clear();
    const int Ifs = 1000;
    for (int i = 0; i < Ifs; ++i) sql += "if @a = 1 ";
    sql += "print 'deepest' else print 'other'";
    text = Pretty0(sql);
    EXPECT_EQ(text.rfind("IF @a = 1\r\n  IF @a = 1\r\n", 0), 0u);
    EXPECT_EQ(Occurrences(text, "IF @a = 1"), Ifs);
    EXPECT_EQ(Occurrences(text, "PRINT 'deepest'"), 1);
    EXPECT_EQ(Occurrences(text, "ELSE"), 1);
    EXPECT_EQ(Occurrences(text, "PRINT 'other'"), 1);
}

}  // namespace
