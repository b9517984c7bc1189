// Pretty text of DELETE, INSERT, UPDATE and MERGE.
#include <gtest/gtest.h>

#include <string>

#include "statementstructure/sqlstatement_dml.h"
#include "test_pp_fixture.h"

using pptest::PrinterTest;

namespace {

class DmlPrinter : public PrinterTest {
protected:
    void SetUp() override {
        PrinterTest::SetUp();
        REQUIRE_DIALECT(1);
    }
};

TEST_F(DmlPrinter, GoldenTextsUnderTheDefaults) {
    struct {
        const char* Sql;
        const char* Pretty;
    } const cases[] = {
        {"delete from t where a = 1 and b = 2;",
         "DELETE FROM t\r\nWHERE       a = 1\r\n            AND b = 2"},
        {"delete t where a = 1;", "DELETE t\r\nWHERE  a = 1"},
        {"update t set a = 1, b = 2 where c = 3;",
         "UPDATE t\r\nSET    a = 1,\r\n       b = 2\r\nWHERE  c = 3"},
        {"insert into t (a, b) values (1, 2);",
         "INSERT INTO t(a,\r\n              b)\r\nVALUES     (1,\r\n            2)"},
        {"insert into t select a from u;", "INSERT INTO t\r\nSELECT a\r\nFROM   u"},
        {"insert into t (select a from u);", "INSERT INTO t\r\n(SELECT a\r\n FROM   u)"},
        {"update t set a = 1 returning a into :b;", "UPDATE t\r\nSET    a = 1\r\nRETURNING a  INTO :b"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Sql);
        EXPECT_EQ(Pretty(c.Sql), c.Pretty);
    }
}

TEST_F(DmlPrinter, AndOrAlignedWithWhereStartsAtColumnZero) {
    FmtOpt.SetAlignAndOrWithWhere(1);
    EXPECT_EQ(Pretty("delete from t where a = 1 and b = 2;"),
              "DELETE FROM t\r\nWHERE       a = 1\r\nAND b = 2");
    EXPECT_EQ(Pretty("update t set a = 1 where c = 3 and d = 4;"),
              "UPDATE t\r\nSET    a = 1\r\nWHERE  c = 3\r\nAND d = 4");
}

TEST_F(DmlPrinter, EachStatementHasItsOwnJustification) {
    FmtOpt.SetDeleteKeywordAlign(1);
    EXPECT_EQ(Pretty("delete from t where a = 1;"), "DELETE FROM t\r\n      WHERE a = 1");
    FmtOpt.SetUpdateKeywordAlign(1);
    EXPECT_EQ(Pretty("update t set a = 1;"), "UPDATE t\r\n   SET a = 1");
    // The SELECT option does not govern INSERT.
    FmtOpt.SetKeywordAlign(1);
    EXPECT_EQ(Pretty("insert into t (a) values (1);"), "INSERT INTO t(a)\r\nVALUES     (1)");
}

TEST_F(DmlPrinter, ColumnListSeparatorStyles) {
    FmtOpt.SetSeparatorStyle(1);
    EXPECT_EQ(Pretty("insert into t (a, b) values (1, 2);").substr(0, 34), "INSERT INTO t(a\r\n              ,b)");
    FmtOpt.SetSeparatorStyle(0);
    FmtOpt.SetInsertColumnListOneLine(1);
    EXPECT_EQ(Pretty("insert into t (a, b) values (1, 2);").substr(0, 18), "INSERT INTO t(a,b)");
}

TEST_F(DmlPrinter, PrettyModeIsBackToZero) {
    for (const char* sql : {"delete from t where a = 1;", "update t set a = 1;", "insert into t values (1);",
                            "merge into t a using s b on (a.id = b.id) when matched then update set a.x = 1 "
                            "when not matched then insert (id) values (b.id);"}) {
        SCOPED_TRACE(sql);
        TCustomSqlStatement* s = Stmt(sql);
        ASSERT_NE(s, nullptr);
        EXPECT_FALSE(s->GetPrettyText().empty());
        EXPECT_EQ(s->PrettyMode, 0);
    }
}

TEST_F(DmlPrinter, MergeWithBothBranches) {
    EXPECT_EQ(Pretty("merge into t a using s b on (a.id = b.id) when matched then update set a.x = b.x, "
                     "a.y = 1 when not matched then insert (id, x) values (b.id, b.x);"),
              "MERGE INTO t a\r\n"
              "USING s b\r\n"
              "ON ( a.id = b.id )\r\n"
              "WHEN MATCHED THEN UPDATE SET a.x = b.x,\r\n"
              "                            a.y = 1\r\n"
              "WHEN NOT MATCHED THEN INSERT (id,\r\n"
              "                              x)\r\n"
              "                      VALUES (b.id,\r\n"
              "                              b.x)");
}

TEST_F(DmlPrinter, MergeUsingAQuery) {
    EXPECT_EQ(Pretty("merge into t a using (select id from s) b on (a.id = b.id) when matched then "
                     "update set a.x = 1 when not matched then insert (id) values (b.id);"),
              "MERGE INTO t a\r\n"
              "USING (SELECT id\r\n"
              "       FROM   s) b\r\n"
              "ON ( a.id = b.id )\r\n"
              "WHEN MATCHED THEN UPDATE SET a.x = 1\r\n"
              "WHEN NOT MATCHED THEN INSERT (id)\r\n"
              "                      VALUES (b.id)");
}

TEST_F(DmlPrinter, WrongOwnerMessages) {
    TCustomSqlStatement* del = Stmt("delete from t;");
    ASSERT_NE(del, nullptr);
    EXPECT_EQ(TSelectSqlStatementPP(del).GetPrettyText(),
              "Owner class should be TSelectSqlStatement, error classtype:TDeleteSqlStatement");
    EXPECT_EQ(TInsertSqlStatementPP(del).GetPrettyText(),
              "Owner class should be TInsertSqlStatement, error classtype:TDeleteSqlStatement");
    EXPECT_EQ(TMergeSqlStatementPP(del).GetPrettyText(),
              "Owner class should be TMergeSqlStatement, error classtype:TDeleteSqlStatement");
    EXPECT_EQ(TRk_FuncCallPP(del).GetPrettyText(),
              "Owner class should be TRk_FuncCall, error classtype:TDeleteSqlStatement");
}

}  // namespace
