// Pretty text of MySQL, MS Access and generic-dialect statements parsed
// through the front end: the layouts each grammar reaches, and the slots
// that only these grammars fill (MySQL DROP TABLE and CREATE TABLE words,
// LIMIT of a set operation, multi-table UPDATE targets, the generic
// dialect's ALTER TABLE).  What a row prints must also parse again.
#include <gtest/gtest.h>

#include <string>

#include "test_pp_fixture.h"

namespace {

class VendorPrinter : public pptest::PrinterTest {
protected:
    // The pretty text of Sql for Vendor, which must parse again without an
    // error record: a layout that loses or moves a word shows here.
    std::string Reparsed(const std::string& Sql, std::uint8_t Vendor) {
        const std::string P = Pretty(Sql, 0, Vendor);
        TMarlSqlParser Again(Vendor);
        Again.SetSqlTextString(P + ";");
        Again.Parse();
        EXPECT_EQ(Again.ErrorCount(), 0) << P;
        EXPECT_EQ(Again.Statements().Count(), 1) << P;
        return P;
    }
    void ExpectReparsed(std::initializer_list<pptest::Golden> Rows, std::uint8_t Vendor) {
        for (const pptest::Golden& g : Rows) {
            SCOPED_TRACE(g.Sql);
            pptest::SetOptions(g.Opts);
            EXPECT_EQ(Reparsed(g.Sql, Vendor), g.Pretty);
        }
        FmtOpt = TRkFmtOpt();
    }
};

constexpr std::uint8_t kMySQL = 2, kAccess = 3, kGeneric = 4;

TEST_F(VendorPrinter, MySQLGoldenTexts) {
    REQUIRE_DIALECT(kMySQL);
    ExpectReparsed({
        {"", "select a, b from t where x = 1 and y = 2 order by a;",
         "SELECT   a,\r\n         b\r\nFROM     t\r\nWHERE    x = 1\r\n         AND y = 2\r\nORDER BY a"},
        {"KeywordAlign=1", "select a from t where x = 1 or y = 2;",
         "SELECT a\r\n  FROM t\r\n WHERE x = 1\r\n        OR y = 2"},
        // LIMIT after ORDER BY, its body at the clause column.
        {"", "select a from t group by a having count(*) > 1 order by a desc limit 10;",
         "SELECT   a\r\nFROM     t\r\nGROUP BY a\r\nHAVING   Count(*) > 1\r\nORDER BY a DESC\r\nLIMIT    10"},
        {"", "select a from t limit 5, 10;", "SELECT a\r\nFROM   t\r\nLIMIT  5,10"},
        {"", "select a from t union all select b from u order by 1;",
         "SELECT a\r\nFROM   t\r\nUNION ALL\r\nSELECT b\r\nFROM   u\r\nORDER BY 1"},
        {"", "select a from t left join u on t.id = u.id and t.x = u.x;",
         "SELECT a\r\nFROM   t\r\n       LEFT JOIN u\r\n         ON t.id = u.id\r\n            AND t.x = u.x"},
        // Parentheses: an operand of a union, a derived table, a joined entry.
        {"", "select a from t union (select b from u) order by 1;",
         "SELECT a\r\nFROM   t\r\nUNION \r\n(SELECT b\r\n FROM   u)\r\nORDER BY 1"},
        {"", "select a from (select a from t order by a) x;",
         "SELECT a\r\nFROM   (SELECT   a\r\n        FROM     t\r\n        ORDER BY a) x"},
        {"", "select a from (t join u using (id)) x;",
         "SELECT a\r\nFROM   (t\r\n        JOIN u\r\n          USING(id)) x"},
        {"", "select a x, b as y from t -- note\nwhere x = 1;",
         "SELECT a x,\r\n       b AS y\r\nFROM   t -- note\r\nWHERE  x = 1"},
        {"", "select a from t where a in (1, 2, 3) and b = any (select c from u);",
         "SELECT a\r\nFROM   t\r\nWHERE  a IN (1,\r\n             2,\r\n             3)\r\n"
         "       AND b =  ANY (SELECT c\r\n                     FROM   u)"},
        {"", "select count(*), count(distinct x), f(a, b), cast(a as signed) from `s`.`t` `x`;",
         "SELECT Count(*),\r\n       Count(DISTINCT x),\r\n       F(a,b),\r\n       Cast(a AS signed)\r\n"
         "FROM   `s`.`t` `x`"},
        {"", "select case when a = 1 then 'x' else 'y' end from t for update;",
         "SELECT CASE \r\n         WHEN a = 1 THEN 'x'\r\n         ELSE 'y'\r\n       END\r\nFROM   t\r\nFOR UPDATE"},
        {"", "insert into t (a, b) values (1, 2);",
         "INSERT INTO t(a,\r\n              b)\r\nVALUES     (1,\r\n            2)"},
        {"", "delete from t where a = 1 and b = 2;", "DELETE FROM t\r\nWHERE       a = 1\r\n            AND b = 2"},
        {"", "update t set a = 1, b = 2 where c = 3;", "UPDATE t\r\nSET    a = 1,\r\n       b = 2\r\nWHERE  c = 3"},
        {"", "create table t2 as select a from t;", "CREATE TABLE t2\r\n AS\r\n  SELECT a\r\n  FROM   t"},
        {"", "create unique index ix on t (a, b desc);",
         "CREATE UNIQUE INDEX ix ON t (\r\n      a,\r\n      b DESC)"},
        {"", "create or replace view v as select a from t;",
         "CREATE OR REPLACE VIEW v\r\nAS\r\n  SELECT a\r\n  FROM   t"},
        // An alteration prints as written, one per line with its comma.
        {"", "alter table t add c int after b, add index ix (c);",
         "ALTER TABLE t\r\n  add c int after b,\r\n  add index ix (c)"},
        {"", "drop view v;", "drop view v"},
    }, kMySQL);
}

TEST_F(VendorPrinter, MySQLDropTableWordsInTheirPlaces) {
    REQUIRE_DIALECT(kMySQL);
    ExpectReparsed({
        {"", "drop table a, b cascade;", "DROP TABLE a, b CASCADE"},
        {"", "drop temporary table if exists a;", "DROP TEMPORARY TABLE IF EXISTS a"},
        {"", "drop global temporary table a restrict;", "DROP GLOBAL TEMPORARY TABLE a RESTRICT"},
    }, kMySQL);
    // The walk that rebuilds the plain text keeps every word and comma too.
    EXPECT_EQ(Stmt("drop temporary table if exists a, b cascade;", 0, kMySQL)->AsText(),
              "drop temporary table if exists a, b cascade");
    // Another vendor prints its plain text.
    EXPECT_EQ(Pretty("drop table a cascade constraints;", 0, kGeneric), "drop table a cascade constraints");
}

TEST_F(VendorPrinter, MySQLCreateTableHeaderWords) {
    REQUIRE_DIALECT(kMySQL);
    ExpectReparsed({
        {"", "create temporary table if not exists t (a int);",
         "CREATE TEMPORARY TABLE IF NOT EXISTS t (\r\n  a INT)"},
        {"", "create table t3 (like t);", "CREATE TABLE t3 ( LIKE t )"},
        {"", "create table t3 like t;", "CREATE TABLE t3 LIKE t"},
    }, kMySQL);
}

TEST_F(VendorPrinter, MySQLSetOperationKeepsItsLimit) {
    REQUIRE_DIALECT(kMySQL);
    ExpectReparsed({
        {"", "select a from t union select b from u limit 3;",
         "SELECT a\r\nFROM   t\r\nUNION \r\nSELECT b\r\nFROM   u\r\nLIMIT 3"},
        {"", "select a from t union select b from u order by 1 limit 3;",
         "SELECT a\r\nFROM   t\r\nUNION \r\nSELECT b\r\nFROM   u\r\nORDER BY 1\r\nLIMIT 3"},
    }, kMySQL);
    EXPECT_EQ(Stmt("select a from t union select b from u limit 3;", 0, kMySQL)->GetText(),
              "Select a\r\nFrom t\r\nunion\r\nSelect b\r\nFrom u\r\nlimit 3");
}

// Several tables, or a join, are the target list: printed after UPDATE, with
// no FROM line (MySQL has none) and no line without its keyword.
TEST_F(VendorPrinter, MultiTableUpdateTargets) {
    REQUIRE_DIALECT(kMySQL);
    REQUIRE_DIALECT(kAccess);
    const pptest::Golden rows[] = {
        {"", "update t, u set t.a = u.a where t.id = u.id;",
         "UPDATE t,\r\n       u\r\nSET    t.a = u.a\r\nWHERE  t.id = u.id"},
        {"", "update t1 join t2 on t1.id = t2.id set t1.a = t2.a;",
         "UPDATE t1\r\n       JOIN t2\r\n         ON t1.id = t2.id\r\nSET    t1.a = t2.a"},
    };
    ExpectReparsed({rows[0], rows[1]}, kMySQL);
    ExpectReparsed({rows[0],
                    {"", "update t inner join u on t.id = u.id set t.a = u.a;",
                     "UPDATE t\r\n       INNER JOIN u\r\n         ON t.id = u.id\r\nSET    t.a = u.a"}},
                   kAccess);
}

TEST_F(VendorPrinter, AccessGoldenTexts) {
    REQUIRE_DIALECT(kAccess);
    ExpectReparsed({
        {"", "select a, b from t where x = 1 and y = 2 order by a;",
         "SELECT   a,\r\n         b\r\nFROM     t\r\nWHERE    x = 1\r\n         AND y = 2\r\nORDER BY a"},
        {"", "select a from [order details] where d = #1/2/2003#;",
         "SELECT a\r\nFROM   [order details]\r\nWHERE  d = #1/2/2003#"},
        {"", "select a from t inner join u on t.id = u.id;",
         "SELECT a\r\nFROM   t\r\n       INNER JOIN u\r\n         ON t.id = u.id"},
        {"", "select a from t union select b from u;", "SELECT a\r\nFROM   t\r\nUNION \r\nSELECT b\r\nFROM   u"},
        {"", "select a from (t inner join u on t.id = u.id) left join v on v.id = u.id;",
         "SELECT a\r\nFROM   (t\r\n        INNER JOIN u\r\n          ON t.id = u.id)\r\n       LEFT JOIN v\r\n"
         "         ON v.id = u.id"},
        {"", "select a from t where exists (select 1 from u) and b in (1, 2);",
         "SELECT a\r\nFROM   t\r\nWHERE  EXISTS (SELECT 1\r\n               FROM   u)\r\n       AND b IN (1,\r\n"
         "                 2)"},
        {"", "select count(*), f(a, b) from t;", "SELECT Count(*),\r\n       F(a,b)\r\nFROM   t"},
        {"", "insert into t (a, b) values (1, 2);",
         "INSERT INTO t(a,\r\n              b)\r\nVALUES     (1,\r\n            2)"},
        {"", "insert t select a from u;", "INSERT t\r\nSELECT a\r\nFROM   u"},
        {"", "delete from t where a = 1;", "DELETE FROM t\r\nWHERE       a = 1"},
        {"", "update t set a = 1, b = 2 where c = 3;", "UPDATE t\r\nSET    a = 1,\r\n       b = 2\r\nWHERE  c = 3"},
        {"", "create table [Order Details] ([Order ID] long not null, [Unit Price] currency, "
             "constraint [PK_OD] primary key ([Order ID]), "
             "constraint fk foreign key ([Order ID]) references [Orders] ([ID]));",
         "CREATE TABLE [Order Details] (\r\n  [Order ID]   LONG NOT NULL,\r\n  [Unit Price] CURRENCY,\r\n"
         "  CONSTRAINT [PK_OD] PRIMARY KEY( [Order ID] ),\r\n"
         "  CONSTRAINT fk FOREIGN KEY( [Order ID] ) REFERENCES [Orders]( [ID] ))"},
    }, kAccess);
}

// The Access grammar accepts these without building a tree: they print as
// written rather than vanish from the formatted script.
TEST_F(VendorPrinter, AccessIndexAndDropStatements) {
    REQUIRE_DIALECT(kAccess);
    ExpectReparsed({
        {"", "create unique index ix on t (a, b);", "CREATE UNIQUE INDEX ix ON t (\r\n      a,\r\n      b)"},
        {"", "drop table [Order Details];", "drop table [Order Details]"},
        {"", "drop index ix;", "drop index ix"},
    }, kAccess);
}

TEST_F(VendorPrinter, GenericGoldenTexts) {
    REQUIRE_DIALECT(kGeneric);
    ExpectReparsed({
        {"", "select a, b from t where x = 1 and y = 2 order by a;",
         "SELECT   a,\r\n         b\r\nFROM     t\r\nWHERE    x = 1\r\n         AND y = 2\r\nORDER BY a"},
        {"", "select decode(status, 1, 'open', 2, 'closed', 'other') from t;",
         "SELECT Decode(status,1,'open',\r\n                     2,'closed',\r\n                     'other')\r\nFROM   t"},
        {"", "select a from t left join u on t.id = u.id;",
         "SELECT a\r\nFROM   t\r\n       LEFT JOIN u\r\n         ON t.id = u.id"},
        {"", "insert into t (a, b) values (1, 2);",
         "INSERT INTO t(a,\r\n              b)\r\nVALUES     (1,\r\n            2)"},
        {"", "delete from t where a = 1 and b = 2;", "DELETE FROM t\r\nWHERE       a = 1\r\n            AND b = 2"},
        {"", "create table t (id number, name varchar2(10), constraint pk primary key (id));",
         "CREATE TABLE t (\r\n  id   NUMBER,\r\n  NAME VARCHAR2(10),\r\n  CONSTRAINT pk PRIMARY KEY( id ))"},
        {"", "create index ix on t (a, b desc);", "CREATE INDEX ix ON t (\r\n      a,\r\n      b DESC)"},
        {"", "drop view v cascade constraints;", "drop view v cascade constraints"},
        {"", "drop index ix force;", "drop index ix force"},
        {"", "merge into t a using (select id from s) b on (a.id = b.id) when matched then "
             "update set a.x = 1 when not matched then insert (id) values (b.id);",
         "MERGE INTO t a\r\nUSING (SELECT id\r\n       FROM   s) b\r\nON ( a.id = b.id )\r\n"
         "WHEN MATCHED THEN UPDATE SET a.x = 1\r\nWHEN NOT MATCHED THEN INSERT (id)\r\n"
         "                      VALUES (b.id)"},
    }, kGeneric);
}

// The generic dialect builds Oracle trees: its alterations print whole.
TEST_F(VendorPrinter, GenericAlterTablePrintsItsAlterations) {
    REQUIRE_DIALECT(kGeneric);
    ExpectReparsed({
        {"", "alter table t add (c number, d date);", "ALTER TABLE t\r\n ADD ( c NUMBER,\r\n       d DATE )"},
        {"", "alter table t add constraint fk foreign key (a) references u (b);",
         "ALTER TABLE t\r\n ADD CONSTRAINT fk FOREIGN KEY( a ) REFERENCES u( b )"},
        {"", "alter table t modify (c number(5));", "ALTER TABLE t\r\n MODIFY ( c NUMBER(5) )"},
        {"", "alter table t drop column c;", "ALTER TABLE t\r\n DROP COLUMN c"},
    }, kGeneric);
    // Vendors without a grammar of their own print the same way.
    EXPECT_EQ(Pretty("alter table t add (c number);", 0, 8), "ALTER TABLE t\r\n ADD ( c NUMBER )");
}

}  // namespace
