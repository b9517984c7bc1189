// Pretty text of queries, expressions, calls and joins, parsed through the
// Oracle front end.
#include <gtest/gtest.h>

#include <string>

#include "statementstructure/sqlstatement_select.h"
#include "test_pp_fixture.h"

using pptest::PrinterTest;

namespace {

class QueryPrinter : public PrinterTest {
protected:
    void SetUp() override {
        PrinterTest::SetUp();
        REQUIRE_DIALECT(1);
    }
};

struct Golden {
    const char* Sql;
    const char* Pretty;
};

// Default options.
const Golden kDefaults[] = {
    {"select a, b from t where x = 1 and y = 2 order by a;",
     "SELECT   a,\r\n         b\r\nFROM     t\r\nWHERE    x = 1\r\n         AND y = 2\r\nORDER BY a"},
    {"select a from t;", "SELECT a\r\nFROM   t"},
    {"select a from t where a in (1, 2, 3);",
     "SELECT a\r\nFROM   t\r\nWHERE  a IN (1,\r\n             2,\r\n             3)"},
    {"select count(*), nvl(a, 0) from t;", "SELECT Count(*),\r\n       Nvl(a,0)\r\nFROM   t"},
    {"select decode(status, 1, 'open', 2, 'closed', 'other') from t;",
     "SELECT Decode(status,1,'open',\r\n                     2,'closed',\r\n                     'other')\r\nFROM   t"},
    {"select a from t union select b from u;",
     "SELECT a\r\nFROM   t\r\nUNION \r\nSELECT b\r\nFROM   u"},
    {"select a from t union all select b from u order by 1;",
     "SELECT a\r\nFROM   t\r\nUNION ALL\r\nSELECT b\r\nFROM   u\r\nORDER BY 1"},
    {"select a from t where x = 1 or y = 2;", "SELECT a\r\nFROM   t\r\nWHERE  x = 1\r\n        OR y = 2"},
    {"select a from t where a = 1 and b = 2 and c = 3;",
     "SELECT a\r\nFROM   t\r\nWHERE  a = 1\r\n       AND b = 2\r\n       AND c = 3"},
    // The IS NOT NULL operand-less operator keeps its blank before the line break.
    {"select a from t where b is not null and c not in (1, 2);",
     "SELECT a\r\nFROM   t\r\nWHERE  b IS NOT NULL \r\n       AND c NOT IN (1,\r\n                     2)"},
    {"select 'a' || 'b', -x, a - b, a * -b from t;",
     "SELECT 'a'\r\n       ||'b',\r\n       -x,\r\n       a - b,\r\n       a * -b\r\nFROM   t"},
    // Two blanks between the operator and the quantifier; the sub-query is
    // laid out where it starts.
    {"select a from t where a = any (select b from u);",
     "SELECT a\r\nFROM   t\r\nWHERE  a =  ANY (SELECT b\r\n                 FROM   u)"},
    {"select (select a from t) from dual;", "SELECT (SELECT a\r\n        FROM   t)\r\nFROM   dual"},
    {"select cast(a as number), trim(both 'x' from y) from t;",
     "SELECT Cast(a AS number),\r\n       Trim(BOTH 'x' from y)\r\nFROM   t"},
    {"select s.p.f(x) from t;", "SELECT s.p.F(x)\r\nFROM   t"},
    {"select nvl from t;", "SELECT nvl\r\nFROM   t"},
    {"select f(aaaaaaaaaaaaaaaaaaaa, bbbbbbbbbbbbbbbbbbbbbbbbbbbb, ccccccccc, d) from t;",
     "SELECT F(aaaaaaaaaaaaaaaaaaaa,bbbbbbbbbbbbbbbbbbbbbbbbbbbb,\r\n         ccccccccc,d)\r\nFROM   t"},
    {"select a from t group by rollup (a, b);", "SELECT   a\r\nFROM     t\r\nGROUP BY ROLLUP(a,b)"},
    {"select a, count(*) from t group by a having count(*) > 1;",
     "SELECT   a,\r\n         Count(*)\r\nFROM     t\r\nGROUP BY a\r\nHAVING   Count(*) > 1"},
    {"select a into b from t;", "SELECT a\r\nINTO   b\r\nFROM   t"},
    {"select a from t for update;", "SELECT a\r\nFROM   t\r\nFOR UPDATE"},
    {"select a from t where x = 1 connect by prior a = b start with a = 1;",
     "SELECT a\r\nFROM   t\r\nWHERE  x = 1\r\nCONNECT BY PRIOR a = b\r\nSTART WITH a = 1"},
    // Joins: each join on its own line at the entry's column, its condition
    // two blanks in.
    {"select a from t left join u on t.id = u.id and t.x = u.x;",
     "SELECT a\r\nFROM   t\r\n       LEFT JOIN u\r\n         ON t.id = u.id\r\n            AND t.x = u.x"},
    {"select a from (t join u using (id)) x;",
     "SELECT a\r\nFROM   (t\r\n        JOIN u\r\n          USING(id)) x"},
    // Parenthesised queries: the clause lines move in by the parentheses.
    {"select a from t union (select b from u) order by 1;",
     "SELECT a\r\nFROM   t\r\nUNION \r\n(SELECT b\r\n FROM   u)\r\nORDER BY 1"},
    {"select a from (select a from t order by a);",
     "SELECT a\r\nFROM   (SELECT   a\r\n        FROM     t\r\n        ORDER BY a)"},
    {"select a from t where exists (select 1 from u);",
     "SELECT a\r\nFROM   t\r\nWHERE  EXISTS (SELECT 1\r\n               FROM   u)"},
    {"select distinct a from t;", "SELECT DISTINCT a\r\nFROM   t"},
    // A comment after a word stays with it.
    {"select a from t -- note\nwhere x = 1;", "SELECT a\r\nFROM   t -- note\r\nWHERE  x = 1"},
    {"select a from t, u where t.id = u.id;",
     "SELECT a\r\nFROM   t,\r\n       u\r\nWHERE  t.id = u.id"},
};

TEST_F(QueryPrinter, GoldenTextsUnderTheDefaults) {
    for (const Golden& g : kDefaults) {
        SCOPED_TRACE(g.Sql);
        EXPECT_EQ(Pretty(g.Sql), g.Pretty);
    }
}

TEST_F(QueryPrinter, RightJustifiedKeywords) {
    FmtOpt.SetKeywordAlign(1);
    EXPECT_EQ(Pretty("select a from t;"), "SELECT a\r\n  FROM t");
    EXPECT_EQ(Pretty("select a from t where x = 1 order by a;"),
              "  SELECT a\r\n    FROM t\r\n   WHERE x = 1\r\nORDER BY a");
}

TEST_F(QueryPrinter, AndOrPlacement) {
    const char* sql = "select a from t where x = 1 and y = 2;";
    FmtOpt.SetAndOrPlacement(1);
    EXPECT_EQ(Pretty(sql), "SELECT a\r\nFROM   t\r\nWHERE  x = 1 AND\r\n       y = 2");
    FmtOpt.SetAndOrPlacement(2);
    EXPECT_EQ(Pretty(sql), "SELECT a\r\nFROM   t\r\nWHERE  x = 1 AND y = 2");
}

TEST_F(QueryPrinter, AndOrAlignedWithWhere) {
    FmtOpt.SetAlignAndOrWithWhere(1);
    EXPECT_EQ(Pretty("select a from t where x = 1 and y = 2;"),
              "SELECT a\r\nFROM   t\r\nWHERE  x = 1\r\nAND y = 2");
    FmtOpt.SetKeywordAlign(1);
    EXPECT_EQ(Pretty("select a from t where x = 1 and y = 2;"),
              "SELECT a\r\n  FROM t\r\n WHERE x = 1\r\n   AND y = 2");
}

TEST_F(QueryPrinter, ArgumentLineBreaksBySeparatorStyle) {
    FmtOpt.SetFuncArgsOneLine(0);
    EXPECT_EQ(Pretty("select f(a, b, c) from t;"), "SELECT F(a,\r\n         b,\r\n         c)\r\nFROM   t");
    FmtOpt.SetSeparatorStyle(1);
    EXPECT_EQ(Pretty("select f(a, b) from t;"), "SELECT F(a\r\n         ,b)\r\nFROM   t");
}

TEST_F(QueryPrinter, CaseOptions) {
    FmtOpt.SetKeywordCase(1);
    FmtOpt.SetFunctionNameCase(0);
    FmtOpt.SetIdentifierCase(0);
    EXPECT_EQ(Pretty("select nvl(a, 0) from t;"), "select NVL(A,0)\r\nfrom   T");
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
    for (TSourceToken* t : Parser->Statements().GetStatement(0)->SourceTokens->Items())
        EXPECT_EQ(t->RangeLength, 1) << t->Text;
}

TEST_F(QueryPrinter, PrettyModeIsResetAfterAPlainQuery) {
    TCustomSqlStatement* s = Stmt("select a from t;");
    ASSERT_NE(s, nullptr);
    (void)s->GetPrettyText();
    EXPECT_EQ(s->PrettyMode, 0);
    TCustomSqlStatement* u = Stmt("select a from t union select b from u;");
    ASSERT_NE(u, nullptr);
    (void)u->GetPrettyText();
    EXPECT_EQ(u->PrettyMode, 1);
}

TEST_F(QueryPrinter, ARemovedWhereIsLeftOut) {
    TCustomSqlStatement* s = Stmt("select a from t where x = 1;");
    ASSERT_NE(s, nullptr);
    s->WhereOverride = " ";
    EXPECT_EQ(s->GetPrettyText(), "SELECT a\r\nFROM   t");
}

TEST_F(QueryPrinter, AskingTwiceParsesOnce) {
    TCustomSqlStatement* s = Stmt("select a from t;");
    ASSERT_NE(s, nullptr);
    const std::string first = s->GetPrettyText();
    TRk_Node* root = s->GetRootNode();
    EXPECT_EQ(s->GetPrettyText(), first);
    EXPECT_EQ(s->GetRootNode(), root);
}

TEST_F(QueryPrinter, UnparsableStatementGivesEmptyText) {
    TCustomSqlStatement* s = Stmt("select a from where;");
    ASSERT_NE(s, nullptr);
    EXPECT_FALSE(s->Parsed);
    EXPECT_EQ(s->GetPrettyText(), "");
    EXPECT_GT(s->GetErrorCount(), 0);
}

TEST_F(QueryPrinter, TabsForLeadingBlanks) {
    FmtOpt.SetUseTab(1);
    // Runs of TabSize (2) leading blanks become tabs.
    EXPECT_EQ(Pretty("select a, b from t;"), "SELECT a,\r\n\t\t\t b\r\nFROM   t");
}

}  // namespace
