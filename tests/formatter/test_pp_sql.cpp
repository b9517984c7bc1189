// Pretty text of queries, expressions, calls, joins, DML and DDL statements
// parsed through the Oracle front end, under the defaults and the options.
#include <gtest/gtest.h>

#include <string>

#include "statementstructure/ddlstatement.h"
#include "statementstructure/sqlstatement_dml.h"
#include "statementstructure/sqlstatement_select.h"
#include "test_pp_fixture.h"

namespace {

class QueryPrinter : public pptest::PrinterTest {
protected:
    void SetUp() override {
        PrinterTest::SetUp();
        REQUIRE_DIALECT(1);
    }
};
using DmlPrinter = QueryPrinter;
using DdlPrinter = QueryPrinter;

TEST_F(QueryPrinter, GoldenTexts) {
    ExpectGoldens({
    {"", "select a, b from t where x = 1 and y = 2 order by a;",
     "SELECT   a,\r\n         b\r\nFROM     t\r\nWHERE    x = 1\r\n         AND y = 2\r\nORDER BY a"},
    {"", "select a from t;", "SELECT a\r\nFROM   t"},
    {"", "select a from t where a in (1, 2, 3);",
     "SELECT a\r\nFROM   t\r\nWHERE  a IN (1,\r\n             2,\r\n             3)"},
    {"", "select count(*), nvl(a, 0) from t;", "SELECT Count(*),\r\n       Nvl(a,0)\r\nFROM   t"},
    {"", "select decode(status, 1, 'open', 2, 'closed', 'other') from t;",
     "SELECT Decode(status,1,'open',\r\n                     2,'closed',\r\n                     'other')\r\nFROM   t"},
    {"", "select a from t union select b from u;",
     "SELECT a\r\nFROM   t\r\nUNION \r\nSELECT b\r\nFROM   u"},
    {"", "select a from t union all select b from u order by 1;",
     "SELECT a\r\nFROM   t\r\nUNION ALL\r\nSELECT b\r\nFROM   u\r\nORDER BY 1"},
    {"", "select a from t where x = 1 or y = 2;", "SELECT a\r\nFROM   t\r\nWHERE  x = 1\r\n        OR y = 2"},
    {"", "select a from t where a = 1 and b = 2 and c = 3;",
     "SELECT a\r\nFROM   t\r\nWHERE  a = 1\r\n       AND b = 2\r\n       AND c = 3"},
    // The IS NOT NULL operand-less operator keeps its blank before the line break.
    {"", "select a from t where b is not null and c not in (1, 2);",
     "SELECT a\r\nFROM   t\r\nWHERE  b IS NOT NULL \r\n       AND c NOT IN (1,\r\n                     2)"},
    {"", "select 'a' || 'b', -x, a - b, a * -b from t;",
     "SELECT 'a'\r\n       ||'b',\r\n       -x,\r\n       a - b,\r\n       a * -b\r\nFROM   t"},
    // Two blanks between the operator and the quantifier; the sub-query is
    // laid out where it starts.
    {"", "select a from t where a = any (select b from u);",
     "SELECT a\r\nFROM   t\r\nWHERE  a =  ANY (SELECT b\r\n                 FROM   u)"},
    {"", "select (select a from t) from dual;", "SELECT (SELECT a\r\n        FROM   t)\r\nFROM   dual"},
    {"", "select cast(a as number), trim(both 'x' from y) from t;",
     "SELECT Cast(a AS number),\r\n       Trim(BOTH 'x' from y)\r\nFROM   t"},
    {"", "select s.p.f(x) from t;", "SELECT s.p.F(x)\r\nFROM   t"},
    {"", "select nvl from t;", "SELECT nvl\r\nFROM   t"},
    {"", "select f(aaaaaaaaaaaaaaaaaaaa, bbbbbbbbbbbbbbbbbbbbbbbbbbbb, ccccccccc, d) from t;",
     "SELECT F(aaaaaaaaaaaaaaaaaaaa,bbbbbbbbbbbbbbbbbbbbbbbbbbbb,\r\n         ccccccccc,d)\r\nFROM   t"},
    {"", "select a from t group by rollup (a, b);", "SELECT   a\r\nFROM     t\r\nGROUP BY ROLLUP(a,b)"},
    {"", "select a, count(*) from t group by a having count(*) > 1;",
     "SELECT   a,\r\n         Count(*)\r\nFROM     t\r\nGROUP BY a\r\nHAVING   Count(*) > 1"},
    {"", "select a into b from t;", "SELECT a\r\nINTO   b\r\nFROM   t"},
    {"", "select a from t for update;", "SELECT a\r\nFROM   t\r\nFOR UPDATE"},
    {"", "select a from t where x = 1 connect by prior a = b start with a = 1;",
     "SELECT a\r\nFROM   t\r\nWHERE  x = 1\r\nCONNECT BY PRIOR a = b\r\nSTART WITH a = 1"},
    // Joins: each join on its own line at the entry's column, its condition
    // two blanks in.
    {"", "select a from t left join u on t.id = u.id and t.x = u.x;",
     "SELECT a\r\nFROM   t\r\n       LEFT JOIN u\r\n         ON t.id = u.id\r\n            AND t.x = u.x"},
    {"", "select a from (t join u using (id)) x;",
     "SELECT a\r\nFROM   (t\r\n        JOIN u\r\n          USING(id)) x"},
    // Parenthesised queries: the clause lines move in by the parentheses.
    {"", "select a from t union (select b from u) order by 1;",
     "SELECT a\r\nFROM   t\r\nUNION \r\n(SELECT b\r\n FROM   u)\r\nORDER BY 1"},
    {"", "select a from (select a from t order by a);",
     "SELECT a\r\nFROM   (SELECT   a\r\n        FROM     t\r\n        ORDER BY a)"},
    {"", "select a from t where exists (select 1 from u);",
     "SELECT a\r\nFROM   t\r\nWHERE  EXISTS (SELECT 1\r\n               FROM   u)"},
    {"", "select distinct a from t;", "SELECT DISTINCT a\r\nFROM   t"},
    // A comment after a word stays with it.
    {"", "select a from t -- note\nwhere x = 1;", "SELECT a\r\nFROM   t -- note\r\nWHERE  x = 1"},
    {"", "select a from t, u where t.id = u.id;",
     "SELECT a\r\nFROM   t,\r\n       u\r\nWHERE  t.id = u.id"},
        {"KeywordAlign=1", "select a from t;", "SELECT a\r\n  FROM t"},
        {"KeywordAlign=1", "select a from t where x = 1 order by a;",
         "  SELECT a\r\n    FROM t\r\n   WHERE x = 1\r\nORDER BY a"},
        {"AndOrPlacement=1", "select a from t where x = 1 and y = 2;",
         "SELECT a\r\nFROM   t\r\nWHERE  x = 1 AND\r\n       y = 2"},
        {"AndOrPlacement=2", "select a from t where x = 1 and y = 2;", "SELECT a\r\nFROM   t\r\nWHERE  x = 1 AND y = 2"},
        {"AlignAndOrWithWhere=1", "select a from t where x = 1 and y = 2;",
         "SELECT a\r\nFROM   t\r\nWHERE  x = 1\r\nAND y = 2"},
        {"AlignAndOrWithWhere=1 KeywordAlign=1", "select a from t where x = 1 and y = 2;",
         "SELECT a\r\n  FROM t\r\n WHERE x = 1\r\n   AND y = 2"},
        {"FuncArgsOneLine=0", "select f(a, b, c) from t;", "SELECT F(a,\r\n         b,\r\n         c)\r\nFROM   t"},
        {"FuncArgsOneLine=0 SeparatorStyle=1", "select f(a, b) from t;", "SELECT F(a\r\n         ,b)\r\nFROM   t"},
        {"KeywordCase=1 FunctionNameCase=0 IdentifierCase=0", "select nvl(a, 0) from t;",
         "select NVL(A,0)\r\nfrom   T"},
        // Runs of TabSize (2) leading blanks become tabs.
        {"UseTab=1", "select a, b from t;", "SELECT a,\r\n\t\t\t b\r\nFROM   t"},
    });
}

// A block comment's later lines follow the layout column, and formatting the
// formatted text again leaves them where they are (they used to move right by
// the layout column on every pass).
TEST_F(QueryPrinter, BlockCommentLinesStayPutAcrossPasses) {
    const std::string Once = "SELECT a, /* first line\r\n       second line */ \r\n       b\r\nFROM   t";
    EXPECT_EQ(Pretty("select a, /* first line\n   second line */ b from t;"), Once);
    std::string Text = Once;
    for (int Pass = 0; Pass < 3; ++Pass) {
        Text = Pretty(Text + ";");
        EXPECT_EQ(Text, Once) << "pass " << Pass;
    }
}

TEST_F(QueryPrinter, RollupKeepsItsItemsOnOneLineAndRestoresTheOption) {
    FmtOpt.SetExprListOneLine(0);
    EXPECT_EQ(Pretty("select a from t group by rollup (a, (b, c));"),
              "SELECT   a\r\nFROM     t\r\nGROUP BY ROLLUP(a,(b,c))");
    EXPECT_EQ(FmtOpt.ExprListOneLine, 0);
}

TEST_F(QueryPrinter, StarCallKeepsItsAnalyticPart) {
    // The OVER part of count(*) is printed, not dropped.
    const std::string p = Pretty("select count(*) over (partition by a) from t;");
    EXPECT_EQ(p.rfind("SELECT Count(*) OVER", 0), 0u) << p;
    EXPECT_NE(p.find("PARTITION BY a"), std::string::npos) << p;
}

TEST_F(QueryPrinter, FunctionNameMarkIsNotLeftOnSpannedTokens) {
    TCustomSqlStatement* s = Stmt("select cast(a as number) from t;");
    ASSERT_NE(s, nullptr);
    (void)s->GetPrettyText();
    // The CAST token spans the "(" only while it is printed.
    EXPECT_EQ(s->GetPrettyText(), "SELECT Cast(a AS number)\r\nFROM   t");
    for (TSourceToken* t : s->SourceTokens->Items()) EXPECT_EQ(t->GetRangeLength(), 1) << t->GetText();
}

TEST_F(QueryPrinter, PrettyModeAfterPrinting) {
    // Reset after the laid-out statements, left set by the printers that
    // print the text as written.
    const struct {
        const char* Sql;
        int Mode;
    } cases[] = {
        {"select a from t;", 0},
        {"select a from t union select b from u;", 1},
        {"delete from t where a = 1;", 0},
        {"update t set a = 1;", 0},
        {"insert into t values (1);", 0},
        {"merge into t a using s b on (a.id = b.id) when matched then update set a.x = 1 "
         "when not matched then insert (id) values (b.id);", 0},
        {"create table t (id number);", 0},
        {"drop index ix;", 1},
    };
    for (const auto& c : cases) {
        TCustomSqlStatement* s = Stmt(c.Sql);
        ASSERT_NE(s, nullptr) << c.Sql;
        EXPECT_FALSE(s->GetPrettyText().empty()) << c.Sql;
        EXPECT_EQ(s->PrettyMode, c.Mode) << c.Sql;
    }
}

TEST_F(QueryPrinter, RemovedWhereRepeatedAskingAndUnparsableText) {
    TCustomSqlStatement* s = Stmt("select a from t where x = 1;");
    ASSERT_NE(s, nullptr);
    const std::string first = s->GetPrettyText();
    TRk_Node* root = s->GetRootNode();
    EXPECT_EQ(s->GetPrettyText(), first);
    EXPECT_EQ(s->GetRootNode(), root);
    s->WhereOverride = " ";
    EXPECT_EQ(s->GetPrettyText(), "SELECT a\r\nFROM   t");

    s = Stmt("select a from where;");
    ASSERT_NE(s, nullptr);
    EXPECT_FALSE(s->Parsed);
    // Printed as written, not dropped from the formatted script.
    EXPECT_EQ(s->GetPrettyText(), "select a from where");
    EXPECT_GT(s->GetErrorCount(), 0);
}

// Queries nested past the layout depth keep their words and line breaks as
// written (in the case options): each level indents all the levels inside
// it again.
TEST_F(QueryPrinter, QueriesNestedPastTheLayoutDepthPrintAsWritten) {
    const int Levels = 150, Laid = pp::MaxNestedQueries, Written = Levels - Laid;
    std::string Sql = "select a from t where a in ";
    for (int i = 0; i < Levels; ++i) Sql += "(select a from t where a in ";
    Sql += "(1)" + std::string(Levels, ')') + ";";
    const std::string p = Pretty(Sql);
    auto count = [&](const std::string& w) {
        int n = 0;
        for (size_t i = p.find(w); i != std::string::npos; i = p.find(w, i + 1)) ++n;
        return n;
    };
    EXPECT_EQ(count("SELECT a\r\n"), Laid + 1);
    EXPECT_EQ(count("(SELECT a FROM t WHERE a IN "), Written);
    EXPECT_NE(p.find("IN (1)" + std::string(Written, ')')), std::string::npos);
    EXPECT_EQ(count("("), Levels + 1);
    EXPECT_EQ(count(")"), Levels + 1);
}

TEST_F(QueryPrinter, CallsNestedPastTheLayoutDepthPrintAsWritten) {
    auto nested = [](int Levels) {
        std::string Sql = "select ";
        for (int i = 0; i < Levels; ++i) Sql += "f( ";
        return Sql + "1" + std::string(static_cast<size_t>(Levels), ')') + " from t;";
    };
    const int Levels = 150;
    const std::string p = Pretty(nested(Levels));
    auto count = [](const std::string& Text, const std::string& w) {
        int n = 0;
        for (size_t i = Text.find(w); i != std::string::npos; i = Text.find(w, i + 1)) ++n;
        return n;
    };
    // Laid out calls lose the blank after "(", written ones keep it.
    EXPECT_EQ(count(p, "F("), Levels);
    EXPECT_EQ(count(p, "F( "), Levels - pp::MaxNestedQueries);
    EXPECT_EQ(count(p, ")"), Levels);
    // Nested as deep as the parser takes them, calls print: their printers
    // ran out of stack at 1000 levels.
    EXPECT_EQ(count(Pretty(nested(1500)), ")"), 1500);
}

TEST_F(DmlPrinter, GoldenTexts) {
    ExpectGoldens({
        {"", "delete from t where a = 1 and b = 2;", "DELETE FROM t\r\nWHERE       a = 1\r\n            AND b = 2"},
        {"", "delete t where a = 1;", "DELETE t\r\nWHERE  a = 1"},
        {"", "update t set a = 1, b = 2 where c = 3;", "UPDATE t\r\nSET    a = 1,\r\n       b = 2\r\nWHERE  c = 3"},
        {"", "insert into t (a, b) values (1, 2);",
         "INSERT INTO t(a,\r\n              b)\r\nVALUES     (1,\r\n            2)"},
        {"", "insert into t select a from u;", "INSERT INTO t\r\nSELECT a\r\nFROM   u"},
        {"", "insert into t (select a from u);", "INSERT INTO t\r\n(SELECT a\r\n FROM   u)"},
        {"", "update t set a = 1 returning a into :b;", "UPDATE t\r\nSET    a = 1\r\nRETURNING a  INTO :b"},
        // AND/OR aligned with WHERE start at column zero.
        {"AlignAndOrWithWhere=1", "delete from t where a = 1 and b = 2;", "DELETE FROM t\r\nWHERE       a = 1\r\nAND b = 2"},
        {"AlignAndOrWithWhere=1", "update t set a = 1 where c = 3 and d = 4;",
         "UPDATE t\r\nSET    a = 1\r\nWHERE  c = 3\r\nAND d = 4"},
        // Each statement has its own justification; the SELECT one does not
        // govern INSERT.
        {"DeleteKeywordAlign=1", "delete from t where a = 1;", "DELETE FROM t\r\n      WHERE a = 1"},
        {"UpdateKeywordAlign=1", "update t set a = 1;", "UPDATE t\r\n   SET a = 1"},
        {"KeywordAlign=1", "insert into t (a) values (1);", "INSERT INTO t(a)\r\nVALUES     (1)"},
        {"", "merge into t a using s b on (a.id = b.id) when matched then update set a.x = b.x, "
             "a.y = 1 when not matched then insert (id, x) values (b.id, b.x);",
         "MERGE INTO t a\r\nUSING s b\r\nON ( a.id = b.id )\r\nWHEN MATCHED THEN UPDATE SET a.x = b.x,\r\n"
         "                             a.y = 1\r\nWHEN NOT MATCHED THEN INSERT (id,\r\n"
         "                              x)\r\n                      VALUES (b.id,\r\n                              b.x)"},
        {"", "merge into t a using (select id from s) b on (a.id = b.id) when matched then "
             "update set a.x = 1 when not matched then insert (id) values (b.id);",
         "MERGE INTO t a\r\nUSING (SELECT id\r\n       FROM   s) b\r\nON ( a.id = b.id )\r\n"
         "WHEN MATCHED THEN UPDATE SET a.x = 1\r\nWHEN NOT MATCHED THEN INSERT (id)\r\n                      VALUES (b.id)"},
    });
}

TEST_F(DmlPrinter, ColumnListSeparatorStyles) {
    FmtOpt.SetSeparatorStyle(1);
    EXPECT_EQ(Pretty("insert into t (a, b) values (1, 2);").substr(0, 34), "INSERT INTO t(a\r\n              ,b)");
    FmtOpt.SetSeparatorStyle(0);
    FmtOpt.SetInsertColumnListOneLine(1);
    EXPECT_EQ(Pretty("insert into t (a, b) values (1, 2);").substr(0, 18), "INSERT INTO t(a,b)");
}

TEST_F(DdlPrinter, GoldenTexts) {
    const char* table = "create table t (id number, name varchar2(10), constraint pk primary key (id));";
    ExpectGoldens({
        {"", table, "CREATE TABLE t (\r\n  id   NUMBER,\r\n  NAME VARCHAR2(10),\r\n  CONSTRAINT pk PRIMARY KEY( id ))"},
        // The names of the later columns are one narrower, so the types line up.
        {"ColumnDefSeparatorStyle=1", "create table t (id number, code varchar2(10));",
         "CREATE TABLE t (\r\n  id    NUMBER\r\n  ,code VARCHAR2(10))"},
        // On one line the constraints stay one per line.
        {"ColumnDefListOneLine=1", "create table t (id number, name2 date, constraint pk primary key (id), "
                                   "constraint u unique (name2));",
         "CREATE TABLE t (\r\n  id NUMBER,name2 DATE,\r\n  CONSTRAINT pk PRIMARY KEY( id ),\r\n"
         "  CONSTRAINT u UNIQUE( name2 ))"},
        {"", "create table t (id number) pctfree 10 initrans 2 storage (initial 64k) tablespace users nologging;",
         "CREATE TABLE t (\r\n  id NUMBER)\r\n  PCTFREE 10 INITRANS 2\r\n  STORAGE(INITIAL 64k)\r\n"
         "  TABLESPACE users\r\n  NOLOGGING"},
        {"", "create global temporary table t as select a from u;",
         "CREATE GLOBAL TEMPORARY TABLE t\r\nAS\r\n  SELECT a\r\n  FROM   u"},
        {"", "create index ix on t (a, b desc);", "CREATE INDEX ix ON t (\r\n      a,\r\n      b DESC)"},
        {"", "create unique index ix on t (a);", "CREATE UNIQUE INDEX ix ON t (\r\n      a)"},
        {"", "create or replace view v as select a from t;", "CREATE OR REPLACE VIEW v\r\nAS\r\n  SELECT a\r\n  FROM   t"},
        {"", "create view v (x, y) as select a, b from t with check option;",
         "CREATE VIEW v(\r\nx,y)\r\nAS\r\n  SELECT a,\r\n         b\r\n  FROM   t\r\nWITH CHECK OPTION"},
        {"", "alter table t add (c number, d date);", "ALTER TABLE t\r\n ADD ( c NUMBER,\r\n       d DATE )"},
        {"", "alter table t add constraint fk foreign key (a) references u (b);",
         "ALTER TABLE t\r\n ADD CONSTRAINT fk FOREIGN KEY( a ) REFERENCES u( b )"},
        {"", "alter table t drop column c;", "ALTER TABLE t\r\n DROP COLUMN c"},
        {"", "alter table t drop (c, d) cascade constraints;", "ALTER TABLE t\r\n DROP ( c, d ) CASCADE CONSTRAINTS"},
        {"", "alter table t rename column a to b;", "ALTER TABLE t\r\n RENAME COLUMN a TO b"},
        {"", "alter table t pctfree 10 nologging;", "ALTER TABLE t\r\n PCTFREE 10 NOLOGGING"},
        {"", "alter table t drop constraint c cascade;", "ALTER TABLE t\r\n DROP CONSTRAINT c CASCADE"},
        {"", "alter table t enable all triggers;", "ALTER TABLE t\r\n ENABLE ALL TRIGGERS"},
        // Drops and the statements without a layout print as written.
        {"", "drop table t;", "drop table t"},
        {"", "DROP VIEW v CASCADE CONSTRAINTS;", "drop view v cascade constraints"},
        {"", "drop index ix force;", "drop index ix force"},
        {"", "alter session set nls_date_format = 'YYYY';  ", "alter session set nls_date_format = 'YYYY'"},
        {"", "RollBack  work;", "RollBack  work"},
    });
    // FORCE is a word of its own.
    EXPECT_EQ(Pretty("create force view v as select a from t;").substr(0, 19), "CREATE FORCE VIEW v");
    // Generic scripts build Oracle trees: their alterations are not lost.
    EXPECT_EQ(Pretty("alter table t drop column c;", 0, 4), "ALTER TABLE t\r\n DROP COLUMN c");
}

}  // namespace
