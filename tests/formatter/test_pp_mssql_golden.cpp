// The generic printers on SQL Server scripts, formatted through the front
// end as a host gets them (no printer attached by hand): the layouts of
// queries, expressions, calls, joins, CREATE TABLE, ALTER TABLE, DELETE,
// INSERT, UPDATE, CREATE INDEX and CREATE VIEW that the SQL Server grammar
// reaches, each text pinned whole and parsing again.
#include <gtest/gtest.h>

#include "test_pp_fixture.h"

namespace {

// Pretty text of the first statement of Sql as the front end wires it.
std::string FrontEndPretty(const std::string& Sql) {
    TMarlSqlParser P(0);
    P.SetSqlTextString(Sql);
    P.Parse();
    if (P.ErrorCount() > 0) return "<errors> " + P.GetErrorMessages();
    return P.Statements().Count() > 0 ? P.Statements().GetStatement(0)->GetPrettyText() : "<none>";
}

class MssqlGolden : public pptest::PrinterTest {};

TEST_F(MssqlGolden, GenericPrintersOnSqlServerScripts) {
    REQUIRE_DIALECT(0);
    const pptest::Golden Rows[] = {
        // Queries: one keyword column, 8 wide with ORDER BY or GROUP BY, else
        // 6; parentheses around the query; set operations.
        {"", "select a, b from t where x = 1 and y = 2 order by a",
         "SELECT   a,\r\n         b\r\nFROM     t\r\nWHERE    x = 1\r\n         AND y = 2\r\nORDER BY a"},
        {"", "select a from t where x = 1 or y = 2",
         "SELECT a\r\nFROM   t\r\nWHERE  x = 1\r\n        OR y = 2"},
        {"KeywordAlign=1", "select a, b from t where x = 1 and y = 2 order by a",
         "  SELECT a,\r\n         b\r\n    FROM t\r\n   WHERE x = 1\r\n         AND y = 2\r\nORDER BY a"},
        {"KeywordAlign=1", "select a from t where x = 1",
         "SELECT a\r\n  FROM t\r\n WHERE x = 1"},
        {"", "(select a from t) order by a",
         "(SELECT   a\r\n FROM     t)\r\nORDER BY a"},
        {"", "(select a from t order by a)",
         "(SELECT   a\r\n FROM     t\r\n ORDER BY a)"},
        {"", "select a from t union select b from u",
         "SELECT a\r\nFROM   t\r\nUNION \r\nSELECT b\r\nFROM   u"},
        {"", "select a from t union all select b from u order by 1, 2",
         "SELECT a\r\nFROM   t\r\nUNION ALL\r\nSELECT b\r\nFROM   u\r\nORDER BY 1,\r\n         2"},
        {"", "select a, count(*) from t group by a having count(*) > 1",
         "SELECT   a,\r\n         Count(*)\r\nFROM     t\r\nGROUP BY a\r\nHAVING   Count(*) > 1"},
        {"", "select a from t order by a compute sum(a)",
         "SELECT   a\r\nFROM     t\r\nORDER BY a\r\nCOMPUTE  SUM(a)"},
        {"", "select a from t where a = 1 for update", "SELECT a\r\nFROM   t\r\nWHERE  a = 1\r\nFOR UPDATE"},
        {"", "select a into #t from t",
         "SELECT a\r\nINTO   #t\r\nFROM   t"},
        // Conditions and operators.
        {"", "select a from t where a = 1 and b = 2 and c = 3",
         "SELECT a\r\nFROM   t\r\nWHERE  a = 1\r\n       AND b = 2\r\n       AND c = 3"},
        {"AndOrPlacement=1", "select a from t where a = 1 and b = 2 and c = 3",
         "SELECT a\r\nFROM   t\r\nWHERE  a = 1 AND\r\n       b = 2 AND\r\n       c = 3"},
        {"AndOrPlacement=2", "select a from t where a = 1 and b = 2 and c = 3",
         "SELECT a\r\nFROM   t\r\nWHERE  a = 1 AND b = 2 AND c = 3"},
        {"AlignAndOrWithWhere=1", "select a from t where a = 1 and b = 2",
         "SELECT a\r\nFROM   t\r\nWHERE  a = 1\r\nAND b = 2"},
        {"", "select 'a' + 'b', 10 % 3, -x, a - b from t",
         "SELECT 'a' + 'b',\r\n       10%3,\r\n       -x,\r\n       a - b\r\nFROM   t"},
        {"", "select a from t where a in (1, 2, 3) and b = any (select b from u)",
         "SELECT a\r\nFROM   t\r\nWHERE  a IN (1,\r\n             2,\r\n             3)\r\n       AND b =  ANY (SELECT b\r\n                     FROM   u)"},
        {"", "select case when a = 1 then 'x' else 'y' end from t",
         "SELECT CASE \r\n         WHEN a = 1 THEN 'x'\r\n         ELSE 'y'\r\n       END\r\nFROM   t"},
        // Calls: name case, arguments joined, a break past column 40.
        {"", "select count(*), count(distinct x), f(a, b), cast(a as int), convert(varchar(10), d, 120) from t",
         "SELECT Count(*),\r\n       Count(DISTINCT x),\r\n       F(a,b),\r\n       Cast(a AS int),\r\n       Convert(varchar(10),d,120)\r\nFROM   t"},
        {"", "select substring(first_long_argument_name, second_long_argument, third_argument_x, 4) from t",
         "SELECT Substring(first_long_argument_name,second_long_argument,\r\n                 third_argument_x,4)\r\nFROM   t"},
        {"FuncArgsOneLine=0", "select f(a, b, c) from t",
         "SELECT F(a,\r\n         b,\r\n         c)\r\nFROM   t"},
        // decode lines its search values up under the first one.
        {"", "select decode(status, 1, 'open', 2, 'closed', 'other') from t",
         "SELECT Decode(status,1,'open',\r\n                     2,'closed',\r\n                     'other')\r\nFROM   t"},
        {"SeparatorStyle=1 FuncArgsOneLine=0", "select f(a, b, c) from t",
         "SELECT F(a\r\n         ,b\r\n         ,c)\r\nFROM   t"},
        {"", "select rtrim(ltrim(a)), trim(both 'x' from a), extract(year from d) from t",
         "SELECT Rtrim(Ltrim(a)),\r\n       Trim(BOTH 'x' from a),\r\n       Extract(year from d)\r\nFROM   t"},
        {"", "select isnull(a, 0), Isnull from t",
         "SELECT Isnull(a,0),\r\n       isnull\r\nFROM   t"},
        {"", "select a.b.c from a",
         "SELECT a.b.c\r\nFROM   a"},
        // Joins: each on a line of its own, ON two columns in.
        {"", "select a from t left join u on t.id = u.id and t.x = u.x",
         "SELECT a\r\nFROM   t\r\n       LEFT JOIN u\r\n         ON t.id = u.id\r\n            AND t.x = u.x"},
        {"", "select a from (t join u on t.id = u.id) x",
         "SELECT a\r\nFROM   (t\r\n        JOIN u\r\n          ON t.id = u.id) x"},
        {"", "select a from dbo.t as x inner join db.dbo.u y on x.id = y.id",
         "SELECT a\r\nFROM   dbo.t AS x\r\n       INNER JOIN db.dbo.u y\r\n         ON x.id = y.id"},
        // CREATE TABLE: names padded so that the types line up.
        {"", "create table t (id int not null, name varchar(10), constraint pk primary key (id))",
         "CREATE TABLE t (\r\n  id   INT NOT NULL,\r\n  name VARCHAR(10),\r\n  CONSTRAINT pk PRIMARY KEY( id ))"},
        {"ColumnDefSeparatorStyle=1", "create table t (id int not null, name varchar(10), constraint pk primary key (id))",
         "CREATE TABLE t (\r\n  id    INT NOT NULL\r\n  ,name VARCHAR(10),\r\n  CONSTRAINT pk PRIMARY KEY( id ))"},
        {"ColumnDefListOneLine=1", "create table t (id int, name varchar(10), constraint pk primary key (id), constraint uq unique (name))",
         "CREATE TABLE t (\r\n  id INT,name VARCHAR(10),\r\n  CONSTRAINT pk PRIMARY KEY( id ),\r\n  CONSTRAINT uq UNIQUE( name ))"},
        {"", "create table #t (a int)", "CREATE TABLE #t (\r\n  a INT)"},
        {"", "create table t (a int) on [PRIMARY]", "CREATE TABLE t (\r\n  a INT) ON [PRIMARY]"},
        {"", "declare @t table (a int)",
         "DECLARE @t TABLE (\r\n  a INT)"},
        // ALTER TABLE: the alteration on the line after the header.
        {"", "alter table t add c int, d int",
         "ALTER TABLE t\r\nADD c INT,\r\n    d INT"},
        {"", "alter table t add constraint fk foreign key (a) references u (b)",
         "ALTER TABLE t\r\n ADD CONSTRAINT fk FOREIGN KEY( a ) REFERENCES u( b )"},
        {"", "alter table t drop column c",
         "ALTER TABLE t\r\n DROP COLUMN c"},
        {"", "alter table t alter column c int not null",
         "ALTER TABLE t\r\n ALTER COLUMN c INT NOT NULL"},
        // DELETE, UPDATE and INSERT.
        {"", "delete from t where a = 1 and b = 2",
         "DELETE FROM t\r\nWHERE       a = 1\r\n            AND b = 2"},
        {"AlignAndOrWithWhere=1", "delete from t where a = 1 and b = 2",
         "DELETE FROM t\r\nWHERE       a = 1\r\nAND b = 2"},
        {"", "update t set a = 1, b = 2 where c = 3",
         "UPDATE t\r\nSET    a = 1,\r\n       b = 2\r\nWHERE  c = 3"},
        {"", "insert into t (a, b) values (1, 2)",
         "INSERT INTO t(a,\r\n              b)\r\nVALUES     (1,\r\n            2)"},
        {"", "insert t select a, b from u",
         "INSERT t\r\nSELECT a,\r\n       b\r\nFROM   u"},
        {"", "insert into t default values",
         "INSERT INTO t\r\nDEFAULT VALUES"},
        {"", "insert t values (0x41FF, 0xAB)",
         "INSERT t\r\nVALUES(0x41FF,\r\n       0xAB)"},
        // CREATE INDEX: one column a line; the WITH options, then the filegroup.
        {"", "create index ix on t (a, b desc)",
         "CREATE INDEX ix ON t (\r\n      a,\r\n      b DESC)"},
        {"", "create unique index ix on t (a) with fillfactor = 80 on [PRIMARY]",
         "CREATE UNIQUE INDEX ix ON t (\r\n      a) WITH fillfactor = 80 ON [PRIMARY]"},
        {"", "create clustered index ix on t (a) on [PRIMARY]",
         "CREATE CLUSTERED INDEX ix ON t (\r\n      a) ON [PRIMARY]"},
        // CREATE VIEW: AS on its own line, the query indented 2.
        {"", "create view v as select a from t",
         "CREATE VIEW v\r\nAS\r\n  SELECT a\r\n  FROM   t"},
        {"", "create view v (x, y) as select a, b from t with check option",
         "CREATE VIEW v(\r\nx,y)\r\nAS\r\n  SELECT a,\r\n         b\r\n  FROM   t\r\nWITH CHECK OPTION"},
    };
    for (const pptest::Golden& g : Rows) {
        SCOPED_TRACE(std::string(g.Sql) + " [" + g.Opts + "]");
        pptest::SetOptions(g.Opts);
        EXPECT_EQ(FrontEndPretty(g.Sql), g.Pretty);
        // What it prints is SQL Server text again.
        TMarlSqlParser Again(0);
        Again.SetSqlTextString(g.Pretty);
        Again.Parse();
        EXPECT_EQ(Again.ErrorCount(), 0) << Again.GetErrorMessages();
        EXPECT_EQ(Again.Statements().Count(), 1);
    }
}

}  // namespace
