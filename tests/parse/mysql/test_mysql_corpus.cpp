// MySQL statements end to end: every significant token of an accepted
// statement is kept somewhere in its tree, so that its text can be rebuilt;
// for hand-written statements and for the statements of the shared MySQL
// corpus scripts.
#include "mysql_parse.h"

using namespace mysql_test;

namespace {

class MySQLRoundTrip : public MySQLParseFixture {};

TEST_F(MySQLRoundTrip, HandWrittenStatements) {
    const char* stmts[] = {
        "select a from t",
        "SELECT DISTINCT a, b x, c AS 'y', t.*, COUNT(*), COUNT(DISTINCT e) FROM s.t t1, `u` "
        "WHERE a = 1 AND b <> 2 OR NOT c IS NULL AND d BETWEEN 1 AND 2 AND e NOT IN (1, 2) AND f LIKE 'x%'",
        "select a from t1 left outer join t2 on x = y join t3 using (k, l) cross join t4 natural join t5",
        "select a from t group by a having count(*) > 1 order by a desc limit 10",
        "insert into t (a, b) values (1, 'x')",
        "update t set a = 1, b = 2 where c = 3",
        "delete from t where a in (select b from u)",
        "create table t (a int(11) unsigned not null auto_increment, b varchar(20) default null, "
        "c decimal(10,2) not null default '0.00', primary key (a), key k (b), "
        "constraint fk foreign key (b) references u (x) on delete cascade) engine=InnoDB default charset=utf8",
        "create unique index ix on t (a, b desc)",
        "create view v as select a from t",
        "drop table if exists a, b",
        "alter table t add c int after b",
    };
    for (const char* s : stmts) EXPECT_EQ(Check(s), "") << s;
}

TEST_F(MySQLRoundTrip, CorpusStatements) { CheckCorpus<TRkLexerMySQL>("mysql"); }

}  // namespace
