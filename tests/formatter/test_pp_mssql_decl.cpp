// SQL Server procedure, function and DECLARE printers on parsed scripts:
// name alignment, separator placement under the declaration options, the
// header, parameter and body layouts.
#include <gtest/gtest.h>

#include "test_pp_fixture.h"

using pptest::PrinterTest;

namespace {

constexpr std::uint8_t Mssql = 0;

class MssqlDeclPrinter : public PrinterTest {
protected:
    std::string Pretty0(const std::string& Sql, int Index = 0) { return Pretty(Sql, Index, Mssql); }
};

const char* const TwoVars = "declare @a int, @bb varchar(10)";

TEST_F(MssqlDeclPrinter, DeclarePadsNamesToTheLongest) {
    REQUIRE_DIALECT(Mssql);
    EXPECT_EQ(Pretty0(TwoVars), "DECLARE\r\n  @a  INT,\r\n  @bb VARCHAR(10)");
    EXPECT_EQ(Pretty0("declare @x as int"), "DECLARE\r\n  @x  AS INT");
    EXPECT_EQ(Pretty0("declare @a int, @bb int, @c cursor"),
              "DECLARE\r\n  @a  INT,\r\n  @bb INT,\r\n  @c   CURSOR");
}

TEST_F(MssqlDeclPrinter, DeclarationOptionsMoveSeparatorsAndNames) {
    REQUIRE_DIALECT(Mssql);
    struct Row {
        int OneLine, Style, Align;
        const char* Text;
    };
    const Row Rows[] = {
        {1, 0, 0, "DECLARE\r\n  @a INT,@bb VARCHAR(10)"},
        // Separator first: the type columns still line up.
        {0, 1, 0, "DECLARE\r\n  @a   INT\r\n  ,@bb VARCHAR(10)"},
        {0, 2, 0, "DECLARE\r\n  @a    INT\r\n  , @bb VARCHAR(10)"},
        {0, 3, 0, "DECLARE\r\n  @a  INT,@bb VARCHAR(10)"},
        // Names justified to the right.
        {0, 0, 1, "DECLARE\r\n   @a INT,\r\n  @bb VARCHAR(10)"},
    };
    for (const Row& r : Rows) {
        FmtOpt = TRkFmtOpt();
        FmtOpt.DeclListOneLine = static_cast<uint8_t>(r.OneLine);
        FmtOpt.DeclSeparatorStyle = static_cast<uint8_t>(r.Style);
        FmtOpt.ParamDeclAlign = static_cast<uint8_t>(r.Align);
        EXPECT_EQ(Pretty0(TwoVars), r.Text) << r.OneLine << r.Style << r.Align;
    }
}

TEST_F(MssqlDeclPrinter, CursorDeclarationPutsTheQueryAfterFor) {
    REQUIRE_DIALECT(Mssql);
    EXPECT_EQ(Pretty0("declare c cursor for select a from t"),
              "DECLARE c CURSOR  FOR\r\nSELECT a\r\nFROM   t");
    EXPECT_EQ(Pretty0("declare c scroll cursor for select a from t"),
              "DECLARE c SCROLL CURSOR  FOR\r\nSELECT a\r\nFROM   t");
    EXPECT_EQ(Pretty0("declare c cursor local fast_forward for select a from t"),
              "DECLARE c CURSOR LOCAL FAST_FORWARD FOR\r\nSELECT a\r\nFROM   t");
}

TEST_F(MssqlDeclPrinter, ProcedureHeaderParametersOptionsAndBody) {
    REQUIRE_DIALECT(Mssql);
    EXPECT_EQ(Pretty0("create procedure p @a int, @bb int = 5 output as select a from t"),
              "CREATE PROCEDURE p\r\n"
              "                @a  INT,\r\n"
              "                @bb INT = 5 OUTPUT\r\n"
              "AS\r\n"
              "  SELECT a\r\n"
              "  FROM   t\r\n"
              "  ");
    EXPECT_EQ(Pretty0("create proc p (@a int, @b as int) as print 1 print 2 return"),
              "CREATE PROC p(\r\n"
              "           @a INT,\r\n"
              "           @b  AS INT)\r\n"
              "AS\r\n"
              "  PRINT 1\r\n"
              "  PRINT 2\r\n"
              "  RETURN\r\n"
              "  ");
    EXPECT_EQ(Pretty0("create procedure p;2 as print 'x'"),
              "CREATE PROCEDURE p;2\r\nAS\r\n  PRINT 'x'\r\n  ");
    EXPECT_EQ(Pretty0("create procedure p;2 (@a int) as print 'x'"),
              "CREATE PROCEDURE p;2(\r\n                @a INT)\r\nAS\r\n  PRINT 'x'\r\n  ");
    EXPECT_EQ(Pretty0("create procedure p () as print 'x'"),
              "CREATE PROCEDURE p( )\r\nAS\r\n  PRINT 'x'\r\n  ");
    EXPECT_EQ(Pretty0("alter procedure p with recompile, encryption for replication as print 'x'"),
              "ALTER PROCEDURE p\r\nWITH RECOMPILE , ENCRYPTION\r\nFOR REPLICATION\r\nAS\r\n  PRINT 'x'\r\n  ");
    // Body statements start in column 2, each trimmed.
    EXPECT_EQ(Pretty0("create procedure p as\nbegin\n  select a from t\nend"),
              "CREATE PROCEDURE p\r\nAS\r\n  BEGIN\r\n    SELECT a\r\n    FROM   t\r\n    \r\n  END\r\n  ");
}

TEST_F(MssqlDeclPrinter, ProcedureParametersUnderTheSeparatorOptions) {
    REQUIRE_DIALECT(Mssql);
    const char* sql = "create procedure p @a int, @bb int as return";
    FmtOpt.DeclSeparatorStyle = 1;
    EXPECT_EQ(Pretty0(sql),
              "CREATE PROCEDURE p\r\n                @a   INT\r\n                ,@bb INT\r\nAS\r\n  RETURN\r\n  ");
    FmtOpt.DeclSeparatorStyle = 2;
    EXPECT_EQ(Pretty0(sql),
              "CREATE PROCEDURE p\r\n                @a    INT\r\n                , @bb INT\r\nAS\r\n  RETURN\r\n  ");
    FmtOpt.DeclSeparatorStyle = 0;
    FmtOpt.DeclListOneLine = 1;
    EXPECT_EQ(Pretty0(sql), "CREATE PROCEDURE p\r\n                @a INT,@bb INT\r\nAS\r\n  RETURN\r\n  ");
}

TEST_F(MssqlDeclPrinter, FunctionHeaderReturnsAndBody) {
    REQUIRE_DIALECT(Mssql);
    EXPECT_EQ(Pretty0("create function f(@a int) returns int as begin return @a end"),
              "CREATE FUNCTION f\r\n"
              "               (@a INT)\r\n"
              "RETURNS INT\r\n"
              "AS\r\n"
              "  BEGIN\r\n"
              "    RETURN @a\r\n"
              "    \r\n"
              "  END");
    // Both brackets also without parameters; no AS.
    EXPECT_EQ(Pretty0("create function f() returns int begin return 1 end"),
              "CREATE FUNCTION f\r\n"
              "               ()\r\n"
              "RETURNS INT\r\n"
              "  BEGIN\r\n"
              "    RETURN 1\r\n"
              "    \r\n"
              "  END");
    EXPECT_EQ(Pretty0("create function dbo.f(@a int, @bb int = 2) returns table with encryption as return @a"),
              "CREATE FUNCTION dbo.f\r\n"
              "               (@a  INT,\r\n"
              "                @bb INT = 2)\r\n"
              "RETURNS TABLE\r\n"
              "WITH ENCRYPTION\r\n"
              "AS\r\n"
              "  RETURN @a");
    // RETURN puts its operand after one blank as it comes: a query's later
    // lines keep the operand's own indent.
    EXPECT_EQ(Pretty0("create function f() returns table return (select a from t)"),
              "CREATE FUNCTION f\r\n"
              "               ()\r\n"
              "RETURNS TABLE\r\n"
              "  RETURN (SELECT a\r\n"
              "   FROM   t)");
}

TEST_F(MssqlDeclPrinter, ScriptOfBatches) {
    REQUIRE_DIALECT(Mssql);
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

}  // namespace
