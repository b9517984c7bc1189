// Pretty text of CREATE TABLE, ALTER TABLE, CREATE INDEX, CREATE VIEW, the
// drops and the statements printed as written.
#include <gtest/gtest.h>

#include <string>

#include "statementstructure/ddlstatement.h"
#include "test_pp_fixture.h"

using pptest::PrinterTest;

namespace {

class DdlPrinter : public PrinterTest {
protected:
    void SetUp() override {
        PrinterTest::SetUp();
        REQUIRE_DIALECT(1);
    }
};

const char* kTable = "create table t (id number, name varchar2(10), constraint pk primary key (id));";

TEST_F(DdlPrinter, CreateTableUnderTheDefaults) {
    EXPECT_EQ(Pretty(kTable),
              "CREATE TABLE t (\r\n  id   NUMBER,\r\n  NAME VARCHAR2(10),\r\n  CONSTRAINT pk PRIMARY KEY( id ))");
}

TEST_F(DdlPrinter, CreateTableSeparatorFirst) {
    FmtOpt.SetColumnDefSeparatorStyle(1);
    // The names of the later columns are one narrower, so the types line up.
    EXPECT_EQ(Pretty("create table t (id number, code varchar2(10));"),
              "CREATE TABLE t (\r\n  id    NUMBER\r\n  ,code VARCHAR2(10))");
}

TEST_F(DdlPrinter, CreateTableOnOneLineKeepsConstraintsOnePerLine) {
    FmtOpt.SetColumnDefListOneLine(1);
    EXPECT_EQ(Pretty("create table t (id number, name2 date, constraint pk primary key (id), "
                     "constraint u unique (name2));"),
              "CREATE TABLE t (\r\n  id NUMBER,name2 DATE,\r\n  CONSTRAINT pk PRIMARY KEY( id ),\r\n"
              "  CONSTRAINT u UNIQUE( name2 ))");
}

TEST_F(DdlPrinter, CreateTablePhysicalAttributes) {
    EXPECT_EQ(Pretty("create table t (id number) pctfree 10 initrans 2 storage (initial 64k) "
                     "tablespace users nologging;"),
              "CREATE TABLE t (\r\n  id NUMBER)\r\n  PCTFREE 10 INITRANS 2\r\n  STORAGE(INITIAL 64k)\r\n"
              "  TABLESPACE users\r\n  NOLOGGING");
}

TEST_F(DdlPrinter, CreateTableAsQuery) {
    EXPECT_EQ(Pretty("create global temporary table t as select a from u;"),
              "CREATE GLOBAL TEMPORARY TABLE t\r\nAS\r\n  SELECT a\r\n  FROM   u");
}

TEST_F(DdlPrinter, IndexAndView) {
    EXPECT_EQ(Pretty("create index ix on t (a, b desc);"), "CREATE INDEX ix ON t (\r\n      a,\r\n      b DESC)");
    EXPECT_EQ(Pretty("create unique index ix on t (a);"), "CREATE UNIQUE INDEX ix ON t (\r\n      a)");
    EXPECT_EQ(Pretty("create or replace view v as select a from t;"),
              "CREATE OR REPLACE VIEW v\r\nAS\r\n  SELECT a\r\n  FROM   t");
    EXPECT_EQ(Pretty("create view v (x, y) as select a, b from t with check option;"),
              "CREATE VIEW v(\r\nx,y)\r\nAS\r\n  SELECT a,\r\n         b\r\n  FROM   t\r\nWITH CHECK OPTION");
    // FORCE is a word of its own.
    EXPECT_EQ(Pretty("create force view v as select a from t;").substr(0, 19), "CREATE FORCE VIEW v");
}

TEST_F(DdlPrinter, AlterTableOracle) {
    struct {
        const char* Sql;
        const char* Pretty;
    } const cases[] = {
        {"alter table t add (c number, d date);", "ALTER TABLE t\r\n ADD ( c NUMBER,\r\n       d DATE )"},
        {"alter table t add constraint fk foreign key (a) references u (b);",
         "ALTER TABLE t\r\n ADD CONSTRAINT fk FOREIGN KEY( a ) REFERENCES u( b )"},
        {"alter table t drop column c;", "ALTER TABLE t\r\n DROP COLUMN c"},
        {"alter table t drop (c, d) cascade constraints;", "ALTER TABLE t\r\n DROP ( c, d ) CASCADE CONSTRAINTS"},
        {"alter table t rename column a to b;", "ALTER TABLE t\r\n RENAME COLUMN a TO b"},
        {"alter table t pctfree 10 nologging;", "ALTER TABLE t\r\n PCTFREE 10 NOLOGGING"},
        {"alter table t drop constraint c cascade;", "ALTER TABLE t\r\n DROP CONSTRAINT c CASCADE"},
        {"alter table t enable all triggers;", "ALTER TABLE t\r\n ENABLE ALL TRIGGERS"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Sql);
        EXPECT_EQ(Pretty(c.Sql), c.Pretty);
    }
}

TEST_F(DdlPrinter, AlterTableOfTheGenericDialectKeepsItsAlterations) {
    // Generic scripts build Oracle trees: their alterations are not lost.
    EXPECT_EQ(Pretty("alter table t drop column c;", 0, 4), "ALTER TABLE t\r\n DROP COLUMN c");
}

TEST_F(DdlPrinter, DropsAndPassThrough) {
    EXPECT_EQ(Pretty("drop table t;"), "drop table t");
    FmtOpt.SetKeywordCase(0);
    EXPECT_EQ(Pretty("DROP VIEW v CASCADE CONSTRAINTS;"), "drop view v cascade constraints");
    EXPECT_EQ(Pretty("drop index ix force;"), "drop index ix force");
    EXPECT_EQ(Pretty("alter session set nls_date_format = 'YYYY';  "),
              "alter session set nls_date_format = 'YYYY'");
    EXPECT_EQ(Pretty("RollBack  work;"), "RollBack  work");
}

TEST_F(DdlPrinter, DropIndexLeavesPrettyModeSet) {
    TCustomSqlStatement* s = Stmt("drop index ix;");
    ASSERT_NE(s, nullptr);
    (void)s->GetPrettyText();
    EXPECT_EQ(s->PrettyMode, 1);
    TCustomSqlStatement* c = Stmt(kTable);
    ASSERT_NE(c, nullptr);
    (void)c->GetPrettyText();
    EXPECT_EQ(c->PrettyMode, 0);
}

}  // namespace
