// A statement whose parse left syntax-error records, and a SQL Server error
// statement, print as the script writes them, in every vendor, through the
// front end alone: the partial layout of a recovered tree dropped the rest
// of the statement.  The statements around them keep their layout.
#include <gtest/gtest.h>

#include <string>

#include "formatter/concretepp.h"
#include "formatter/rkbasetype.h"
#include "frontend/marlsqlparser.h"
#include "statementstructure/plsqlstatement.h"
#include "statementstructure/sqlstatement.h"
#include "test_pp_fixture.h"

namespace {

class WrittenText : public pptest::PrinterTest {};

TEST_F(WrittenText, StatementsWithErrorRecordsPrintAsWritten) {
    const struct {
        std::uint8_t Vendor;
        const char* Sql;
        int Index;            // the statement with errors
        const char* Written;  // its pretty text
        const char* Next;     // the pretty text of the statement after it
    } Cases[] = {
        {1, "create global temporary table tt (a number) on commit preserve rows;\nselect 1 from dual;", 0,
         "create global temporary table tt (a number) on commit preserve rows", "SELECT 1\r\nFROM   dual"},
        {4, "create global temporary table tt (a number) on commit preserve rows;\nselect 1 from dual;", 0,
         "create global temporary table tt (a number) on commit preserve rows", "SELECT 1\r\nFROM   dual"},
        {2, "insert into t values (1, 2), (3, 4);\nselect 1 from t;", 0, "insert into t values (1, 2), (3, 4)",
         "SELECT 1\r\nFROM   t"},
        {2, "create table t (`c` varchar(20), primary key `k` (`c`(10)));\nselect 1 from t;", 0,
         "create table t (`c` varchar(20), primary key `k` (`c`(10)))", "SELECT 1\r\nFROM   t"},
        {3, "create table t (a int, /* b */ b int) foo;\nselect 1 from t;", 0,
         "create table t (a int, /* b */ b int) foo", "SELECT 1\r\nFROM   t"},
        // No tree at all: the text is kept too.
        {3, "select a from where;\nselect 1 from t;", 0, "select a from where", "SELECT 1\r\nFROM   t"},
        // SQL Server keeps the script's errors in error statements, which
        // hold the ";" that ended them.
        {0, "select 1;\nselect a /* c */ from\nwhere;\nselect 2;", 1, "select a /* c */ from\r\nwhere;",
         "SELECT 2"},
        // A PL/SQL unit keeps its END and ";".
        {1, "begin\n  x := );\n  y := 1; -- tail\nend;\n/\nselect 1 from dual;", 0,
         "begin\r\n  x := );\r\n  y := 1; -- tail\r\nend;", "/\r\n"},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(std::string("vendor ") + std::to_string(C.Vendor) + ": " + C.Sql);
        TMarlSqlParser P(C.Vendor);
        P.SetSqlTextString(C.Sql);
        P.Parse();
        EXPECT_GT(P.ErrorCount(), 0);
        ASSERT_GT(P.Statements().Count(), C.Index + 1);
        TCustomSqlStatement* S = P.Statements().GetStatement(C.Index);
        EXPECT_TRUE(S->GetErrorCount() > 0 || S->StatementType == sstErrorStmt) << S->ClassName();
        EXPECT_EQ(S->GetPrettyText(), C.Written);
        EXPECT_EQ(P.Statements().GetStatement(C.Index + 1)->GetPrettyText(), C.Next);
    }
}

// A PL/SQL unit's own text is its pretty text, so it is the written one too.
TEST_F(WrittenText, PlsqlUnitTextIsWrittenWhenItHasErrors) {
    TMarlSqlParser P(1);
    P.SetSqlTextString("begin\n  loop\n    x := );\n  end loop;\nend;\n/\n");
    P.Parse();
    auto* S = dynamic_cast<TPlsqlStatement*>(P.Statements().GetStatement(0));
    ASSERT_NE(S, nullptr);
    EXPECT_TRUE(S->Parsed);
    EXPECT_EQ(S->GetText(), "begin\r\n  loop\r\n    x := );\r\n  end loop;\r\nend;");
}

}  // namespace
