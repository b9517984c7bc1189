// Every construct a grammar accepts prints: one line per construct per
// dialect, each a clean script whose statements print every source token
// (as a multiset, case aside), parse again without error into statements of
// the same class and print again to the same text.  The optional words and
// clauses of each grammar are here, those a printer once dropped first.
#include <gtest/gtest.h>

#include <string>

#include "roundtrip_check.h"

namespace {

struct Construct {
    std::uint8_t Vendor;
    const char* Sql;
};

constexpr std::uint8_t Mssql = 0, Oracle = 1, Mysql = 2, Access = 3, Generic = 4;

// Each statement of Sql that fails the round trip, one line each.
std::string Faults(const Construct& C) {
    TMarlSqlParser P(C.Vendor);
    P.SetSqlTextString(C.Sql);
    P.Parse();
    if (P.ErrorCount() > 0) return "the script does not parse: " + P.GetErrorMessages();
    if (P.Statements().Count() == 0) return "no statement";
    std::string R;
    for (int i = 0; i < P.Statements().Count(); ++i) {
        TCustomSqlStatement* S = P.Statements().GetStatement(i);
        if (S && !S->Parsed && C.Vendor == Mssql) S->Parse(false);
        if (!S || S->GetErrorCount() > 0 || pptest::HoldsErrorStatement(S)) {
            R += "statement " + std::to_string(i) + " has errors\n";
            continue;
        }
        if (std::string F = pptest::RoundTripFault(C.Vendor, P, S, i == 0, false); !F.empty())
            R += "statement " + std::to_string(i) + ": " + F + "\nprinted:\n" + S->GetPrettyText() + "\n";
    }
    return R;
}

void ExpectAllPrint(std::initializer_list<Construct> Rows) {
    for (const Construct& C : Rows) {
        SCOPED_TRACE(std::string("vendor ") + std::to_string(C.Vendor) + ": " + C.Sql);
        EXPECT_EQ(Faults(C), "");
    }
}

class GrammarWords : public pptest::PrinterTest {};

TEST_F(GrammarWords, SqlServerStatementsPrintEveryWord) {
    REQUIRE_DIALECT(Mssql);
    ExpectAllPrint({
        {Mssql, "INSERT t1 VALUES(1 AS x, 2)"},
        {Mssql, "INSERT t1 VALUES('a' 'b')"},
        {Mssql, "BEGIN TRANSACTION @t WITH MARK 'desc'"},
        {Mssql, "UPDATE t INNER JOIN u ON t.id = u.id SET t.a = u.a"},
        {Mssql, "INSERT INTO #t EXEC dbo.GetOrders 1, @x = 2"},
        {Mssql, "CREATE TABLE t (a int NOT DEFERRABLE, b int DEFERRABLE NOT NULL, c int)"},
        {Mssql, "SELECT DISTINCT ON (a) a FROM t"},
        {Mssql, "SELECT a FROM t ORDER BY a DESC, b USING > NULLS LAST"},
        {Mssql, "SELECT a FROM t WHERE a IS OF (typ, ONLY s.typ2)"},
        {Mssql, "SELECT a FROM t WHERE a IS NOT OF TYPE (typ)"},
        {Mssql, "CREATE TABLE t OF typ"},
        {Mssql, "CREATE TEMP TABLE t OF s.typ"},
    });
}

TEST_F(GrammarWords, OracleAndGenericStatementsPrintEveryWord) {
    for (std::uint8_t V : {Oracle, Generic}) {
        REQUIRE_DIALECT(V);
        ExpectAllPrint({
            {V, "SELECT a FROM t ORDER BY a DESC, b USING > NULLS LAST"},
            {V, "CREATE TABLE t (a INT [4], b INT[][2])"},
            {V, "alter table emp add check (a > 0) deferrable"},
            {V, "CREATE TABLE t (a int deferrable, b int not deferrable not null, c int)"},
            {V, "create table t (primary key (a))"},
            {V, "create table t (a int, foreign key (a) references u (a) deferrable)"},
            {V, "create table t (a int, constraint fk foreign key (a) references u (a) on delete cascade not deferrable)"},
            {V, "alter table t add constraint fk foreign key (a) references u (a) deferrable"},
            {V, "alter table t add (foreign key (a) references u (a) not deferrable)"},
            {V, "select a from t where a is of (typ, only s.typ2, s.typ3)"},
            {V, "select a from t where a is not of type (only typ)"},
            {V, "create table t of typ"},
            {V, "create global temporary table t of s.typ"},
            {V, "create sequence s increment by 1 start with 10 maxvalue 100 minvalue 1 cache 20"},
            {V, "drop sequence s.q"},
            {V, "drop type typ force"},
            {V, "drop type typ validate"},
        });
    }
}

// Statements whose grammar actions build nothing print as written.
TEST_F(GrammarWords, OracleTransactionStatementsPrintEveryWord) {
    REQUIRE_DIALECT(Oracle);
    ExpectAllPrint({
        {Oracle, "commit work"},
        {Oracle, "rollback work to savepoint s"},
        {Oracle, "rollback force 'x'"},
        {Oracle, "savepoint s"},
        {Oracle, "set transaction read only name 'x'"},
        {Oracle, "set transaction isolation level read committed"},
        {Oracle, "alter session set nls_date_format = 'YYYY'"},
    });
}

TEST_F(GrammarWords, PlsqlStatementsPrintEveryWord) {
    REQUIRE_DIALECT(Oracle);
    ExpectAllPrint({
        {Oracle, "begin\n  if x is not of type (only s.t, u) then\n    y := 1;\n  end if;\nend;\n/\n"},
    });
}

TEST_F(GrammarWords, MysqlStatementsPrintEveryWord) {
    REQUIRE_DIALECT(Mysql);
    ExpectAllPrint({
        {Mysql, "CREATE TABLE t (a int DEFERRABLE, b int NOT DEFERRABLE NOT NULL, c int)"},
        {Mysql, "SELECT a FROM t ORDER BY a DESC, b USING >"},
        {Mysql, "CREATE TABLE t (a int, FOREIGN KEY (a) REFERENCES u (a) DEFERRABLE)"},
        {Mysql, "CREATE TABLE t (a int, FOREIGN KEY fk (a) REFERENCES u (a) ON DELETE CASCADE NOT DEFERRABLE)"},
        {Mysql, "SELECT a FROM t WHERE a IS OF (typ, ONLY s.typ2)"},
        {Mysql, "SELECT a FROM t WHERE a IS NOT OF TYPE (typ)"},
        {Mysql, "COMMIT WORK"},
        {Mysql, "ROLLBACK WORK TO SAVEPOINT s"},
        {Mysql, "ROLLBACK FORCE 'x'"},
    });
}

TEST_F(GrammarWords, AccessStatementsPrintEveryWord) {
    REQUIRE_DIALECT(Access);
    ExpectAllPrint({
        {Access, "SELECT * FROM fn(1, 2) f, t x (NOLOCK)"},
        {Access, "SELECT * FROM t WITH (NOLOCK)"},
        {Access, "create table t (primary key (a))"},
        {Access, "create table t (a, b) as select 1, 2 from u"},
        {Access, "create index i on t (lower(a, b))"},
    });
}

}  // namespace

namespace {

// CREATE TYPE and TYPE BODY units are kept as written and not parsed:
// formatting prints them as written instead of deleting them.
TEST_F(GrammarWords, OracleTypeUnitsPrintAsWritten) {
    TMarlSqlParser P(Oracle);
    P.SetSqlTextString(
        "CREATE TYPE addr_t AS OBJECT (street VARCHAR2(40), city VARCHAR2(30));\n/\n"
        "create or replace type body addr_t as\n  member function f return number is\n  begin\n"
        "    return 1;\n  end;\nend;\n/\n"
        "create table t (a number);\n");
    P.Parse();
    ASSERT_GE(P.Statements().Count(), 5);  // each unit is followed by its "/"
    EXPECT_EQ(P.Statements().GetStatement(0)->GetPrettyText(),
              "CREATE TYPE addr_t AS OBJECT (street VARCHAR2(40), city VARCHAR2(30));");
    EXPECT_EQ(P.Statements().GetStatement(2)->GetPrettyText(),
              "create or replace type body addr_t as\r\n  member function f return number is\r\n  begin\r\n"
              "    return 1;\r\n  end;\r\nend;");
}

}  // namespace
