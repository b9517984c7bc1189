// MySQL grammar: queries, clauses, joins, names, expressions and calls.
#include "mysql_parse.h"
#include "nodes/rkexceptions.h"
#include "parse/rkyacclib.h"
#include "statementstructure/sqlstatement.h"

using namespace mysql_test;

namespace {

class MySQLQuery : public MySQLParseFixture {
protected:
    TRk_SelectStmt* Q(const std::string& Text) { return Root<TRk_SelectStmt>(Text); }
    template <class T = TRk_Node>
    T* From(const std::string& Text, int I = 0) { return Is<T>(Q(Text)->FromList->GetItem(I)); }
    template <class T = TRk_ResTarget>
    T* Item(TRk_SelectStmt* Q, int I) { return Is<T>(Q->TargetList->GetItem(I)); }
};

TEST_F(MySQLQuery, PlainSelectHasEmptyClauseNodes) {
    auto* q = Q("SELECT a FROM t");
    auto* d = Is<TRk_SelectDistinct>(q->DistinctClause);
    // Distinct kind and keyword, TOP, INTO, WHERE, GROUP BY, HAVING.
    EXPECT_EQ(J(d->DistinctKind, d->KeywordToken, q->TopClause, q->IntoClause, q->IntoList, q->WhereClause,
                q->WhereCondition, q->GroupByClause, q->HavingClause, q->SetOperation),
              "0 _ _ + _ + _ + + 0");
    EXPECT_EQ(Own(q) + " " + Own(q->FromClause), "SELECT FROM");
    // Only the first statement is kept; ";" alone is no statement.
    q = Q("SELECT a FROM t; SELECT b FROM u");
    EXPECT_EQ(Sx(q->TargetList), "[<TRk_ResTarget>]");
    EXPECT_EQ(Sx(Item(q, 0)->ValueExpr), "a");
    EXPECT_EQ(Parse(";"), nullptr);
    EXPECT_EQ(Result, 0);
}

TEST_F(MySQLQuery, ParenthesesSetOperationsAndLimits) {
    // Parentheses go to the head of the token list.
    auto* q = Q("((SELECT a FROM t))");
    EXPECT_EQ(J(Own(q), q->ParenCount), "(|(|)|)|SELECT 2");
    q = Q("(SELECT a FROM t) ORDER BY a");
    EXPECT_EQ(J(q->ParenCount, q->InnerParenCount, Own(q->OrderByClause), q->SortList->Count()), "0 1 ORDER|BY 1");
    q = Q("SELECT a FROM t UNION ALL SELECT b FROM u");
    EXPECT_EQ(J(q->SetOperation, Txt(q->SetAllToken)), "2 ALL");
    EXPECT_EQ(Q("SELECT a FROM t INTERSECT ALL SELECT b FROM u")->SetOperation, 4);
    // (t UNION u) MINUS v
    EXPECT_EQ(Q("SELECT a FROM t UNION SELECT b FROM u MINUS SELECT c FROM v")->SetOperation, 3);

    auto* l = Q("SELECT a FROM t LIMIT 5, 10")->LimitClause;
    EXPECT_EQ(J(Txt(l->OffsetValue), Txt(l->CommaToken), Txt(l->RowCount)), "5 , 10");
    l = Q("SELECT a FROM t LIMIT 10 OFFSET 5")->LimitClause;
    EXPECT_EQ(J(Txt(l->RowCount), Txt(l->OffsetKeyword), Txt(l->OffsetValue), Own(l)), "10 OFFSET 5 ");
    q = Q("SELECT a FROM t ORDER BY a DESC LIMIT 3");
    EXPECT_EQ(J(Txt(q->LimitClause->RowCount), Txt(Is<TRk_SortGroupBy>(q->SortList->GetItem(0))->SortToken)), "3 DESC");
}

TEST_F(MySQLQuery, ForUpdateDistinctAndTop) {
    auto* f = Q("SELECT a FROM t FOR UPDATE WAIT 5")->ForUpdateClause;
    EXPECT_EQ(J(f->ForUpdateKind, Is<TRk_DummyNode>(f->WaitOption)->Int1), "3 5");
    auto* w = Is<TRk_DummyNode>(Q("SELECT a FROM t FOR UPDATE nowait")->ForUpdateClause->WaitOption);
    EXPECT_EQ(J(w->Int1, w->Str1), "-9999 nowait");
    EXPECT_EQ(Q("SELECT a FROM t FOR READ ONLY")->ForUpdateClause->ForUpdateKind, 2);
    auto* top = Is<TRkTopClause>(Q("SELECT TOP 10 PERCENT a FROM t")->TopClause);
    EXPECT_EQ(J(top->percent, top->withties, Txt(top->NumberToken), Own(top)), "1 0 10 TOP|PERCENT");
    auto* d = Is<TRk_SelectDistinct>(Q("SELECT DISTINCT ON (a) a FROM t")->DistinctClause);
    EXPECT_EQ(J(d->DistinctKind, Own(d)), "2 DISTINCT|ON|(|)");
}

TEST_F(MySQLQuery, JoinsAndAliases) {
    auto* j = From<TRk_JoinExpr>("SELECT a FROM a LEFT OUTER JOIN b ON a.x = b.x");
    EXPECT_EQ(J(j->JoinType, Txt(j->JoinTypeClause->Tok1), Txt(j->JoinTypeClause->Tok2), Own(j)), "8 LEFT OUTER JOIN");
    EXPECT_EQ(Sx(j->Qualification->OnCondition), "(= a.x b.x)");
    j = From<TRk_JoinExpr>("SELECT a FROM (a JOIN b USING (x)) j");
    EXPECT_EQ(J(j->JoinType, As<TRk_JoinExpr>(j->LeftRef), Txt(j->Alias->AliasToken)), "11 + j");
    auto* q = Q("SELECT a FROM (SELECT a FROM t) x, t AS y");
    EXPECT_NE(As<TRk_SelectStmt>(Is<TRk_TableRef>(q->FromList->GetItem(0))->Source), nullptr);
    auto* r = Is<TRk_TableRef>(q->FromList->GetItem(1));
    EXPECT_EQ(J(Txt(r->SeparatorToken), Sx(r->Alias->NameParts), r->Alias->AliasToken), ", [y] _");
    // A join needs ON or USING: one report, at the end of the input.
    EXPECT_EQ(Refused("SELECT a FROM a JOIN b"), "end of input");
}

TEST_F(MySQLQuery, SelectListItems) {
    auto* q = Q("SELECT *, a b, c AS 'x', d AS e.f FROM t");
    auto* star = Is<TRkCustomExpression>(Item(q, 0)->ValueExpr);
    EXPECT_EQ(J(star->ExprType == Expr_Ident, Own(Is<TRk_Node>(star->LeftOperand))), "1 *");
    auto* b = Item(q, 1);
    EXPECT_EQ(J(b->HasAlias, b->AliasClause->HasAs, Sx(b->AliasClause->NameParts)), "1 0 [b]");
    EXPECT_EQ(J(Txt(Item(q, 2)->AliasClause->AliasToken), Own(Item(q, 2)->AliasClause)), "'x' AS");
    EXPECT_EQ(Sx(Item(q, 3)->AliasClause->NameParts), "[e,f]");
    // A SELECT block needs FROM.
    EXPECT_EQ(Refused("SELECT 1"), "end of input");
}

TEST_F(MySQLQuery, ExpressionGrouping) {
    static const struct {
        const char *cond, *want;  // "error": one report
    } Cases[] = {
        {"a OR b AND c", "(and (or a b) c)"},
        {"NOT a = b", "(not _ (= a b))"},
        {"a = b = c", "(= a (= b c))"},
        {"a < b < c", "error"},
        {"a < b = c", "(= (< a b) c)"},
        {"a LIKE b LIKE c", "error"},
        {"x NOT BETWEEN 1 AND 2", "(notbetween x (and 1 2))"},
        {"x LIKE p ESCAPE e", "(like x (escape p e))"},
        {"x IS NOT NULL", "(isnotnull x)"},
        {"x = ANY (SELECT y FROM t)", "(=any x {q})"},
        {"x > ALL (1, 2)", "(>all x ([1,2]))"},
        {"x > ALL (1)", "error"},
        {"x IN (1, 2)", "(in x ([1,2]))"},
        {"x NOT IN (1)", "(notin x (1))"},
        {"a <=> b", "(<=> a b)"},
        {"a + b * c", "(+ a (* b c))"},
        {"- a ^ b", "(^ (- _ a) b)"},
        {"a ! - b", "(! a (- _ b))"},
        {"(a, b) = (1, 2)", "(= ([a,b]) ([1,2]))"},
        {"(a, b) NOT IN (SELECT x, y FROM u)", "(notin ([a,b]) {q})"},
        {"t.c = s.t.c", "(= t.c s.t.c)"},
        {"@v = @@w", "(= @v @@w)"},
        {"x IS OF (t)", "(is _ _)"},
        {"left(s, 2) = f()", "(= left[s,2] f[])"},
        {"year = comment", "(= year comment)"},
        {"end = 1", "error"},
        {"EXISTS (SELECT 1 FROM u)", "(exists _ {q})"},
    };
    // Once as the parser runs alone, once with the statement model's hooks,
    // which wrap each query operand in an analyzed select statement.
    const TRkParserHooks saved = RkParserHooks;
    for (bool hooks : {false, true}) {
        RkParserHooks = {};
        if (hooks) InstallStatementModelHooks();
        for (const auto& c : Cases) {
            SCOPED_TRACE(std::string(c.cond) + (hooks ? " (hooks)" : ""));
            const std::string text = std::string("select a from t where ") + c.cond;
            if (std::string(c.want) == "error") {
                Refused(text);
            } else {
                EXPECT_EQ(Cond(Q(text)), c.want);
            }
        }
    }
    RkParserHooks = saved;
}

TEST_F(MySQLQuery, ConstantsAndCalls) {
    auto* q = Q("select 12, 1.5, 'x', NULL, COUNT(*), COUNT(DISTINCT a, b), "
                "TRIM(LEADING 'x' FROM s), EXTRACT(YEAR FROM d), CAST(x AS CHAR(3)) from t");
    auto arg = [&](int i) { return Is<TRkCustomExpression>(Item(q, i)->ValueExpr)->LeftOperand; };
    auto call = [&](int i) { return Is<TRk_FuncCall>(arg(i)); };
    EXPECT_EQ(J(Is<TRk_A_Const>(arg(0))->ConstKind, Is<TRk_A_Const>(arg(1))->ConstKind,
                Is<TRk_A_Const>(arg(2))->ConstKind, Is<TRk_A_Const>(arg(3))->ConstKind),
              "55 48 172 64");
    EXPECT_EQ(J(call(4)->IsStar, call(4)->ArgList, Own(call(4))), "1 _ (|*|)");
    EXPECT_EQ(J(call(5)->IsDistinct, Txt(Is<TRk_Node>(call(5)->ArgList->GetItem(1))->SeparatorToken)), "1 ,");
    auto* trim = call(6);
    EXPECT_EQ(J(trim->CallForm, trim->TrimKind, trim->TrimArgs->HasFrom, Own(trim)), "1 2 1 TRIM|(|LEADING|)");
    EXPECT_EQ(J(call(7)->CallForm, Txt(call(7)->ExtractArgs->FieldToken)), "4 YEAR");
    EXPECT_EQ(J(call(8)->CallForm, Own(call(8)), call(8)->CastType->TypeForm), "2 CAST|(|AS|) 40");

    q = Q("select a from t where CASE WHEN a THEN b END = 1");
    auto* c = Is<TRkCaseExpression>(Is<TRkCustomExpression>(q->WhereCondition)->LeftOperand);
    EXPECT_EQ(J(c->InputExpr, c->WhenList->Count(), c->ElseClause, Own(c)), "_ 1 + CASE|END");
}

// A second ORDER BY on one query leaves the parse with its message; the
// statement that runs the parser turns it into an error record.
TEST_F(MySQLQuery, SecondOrderByLeavesTheParse) {
    try {
        Parse("(SELECT a FROM t ORDER BY a) ORDER BY b");
        FAIL() << "no exception";
    } catch (const ERkError& e) {
        EXPECT_STREQ(e.what(), "Multiple ORDER BY clauses not allowed");
    }
    // A second LIMIT replaces the first without a message.
    EXPECT_EQ(Txt(Q("(SELECT a FROM t LIMIT 1) LIMIT 2")->LimitClause->RowCount), "2");
}

}  // namespace
