// MySQL grammar: queries, clauses, joins, names, expressions and calls.
#include "mysql_parse.h"

#include "nodes/rkexceptions.h"
#include "statementstructure/sqlstatement_select.h"

using namespace mysql_test;

namespace {

class MySQLQuery : public MySQLParseFixture {};

TEST_F(MySQLQuery, PlainSelectHasEmptyClauseNodes) {
    auto* q = Root<TRk_SelectStmt>("SELECT a FROM t");
    ASSERT_NE(q, nullptr);
    ASSERT_NE(q->DistinctClause, nullptr);
    EXPECT_EQ(As<TRk_SelectDistinct>(q->DistinctClause)->DistinctKind, 0);
    EXPECT_EQ(As<TRk_SelectDistinct>(q->DistinctClause)->KeywordToken, nullptr);
    EXPECT_EQ(q->TopClause, nullptr);
    ASSERT_NE(q->IntoClause, nullptr);
    EXPECT_EQ(q->IntoList, nullptr);
    ASSERT_NE(q->WhereClause, nullptr);
    EXPECT_EQ(q->WhereCondition, nullptr);
    ASSERT_NE(q->GroupByClause, nullptr);
    ASSERT_NE(q->HavingClause, nullptr);
    EXPECT_EQ(Own(q), "SELECT");
    EXPECT_EQ(Own(q->FromClause), "FROM");
    EXPECT_EQ(q->SetOperation, 0);
}

TEST_F(MySQLQuery, OnlyTheFirstStatementIsKept) {
    auto* q = Root<TRk_SelectStmt>("SELECT a FROM t; SELECT b FROM u");
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(Sx(q->TargetList), "[<TRk_ResTarget>]");
    auto* r = As<TRk_ResTarget>(q->TargetList->GetItem(0));
    EXPECT_EQ(Sx(r->ValueExpr), "a");
    EXPECT_EQ(Parse(";"), nullptr);
    EXPECT_EQ(Result, 0);
}

TEST_F(MySQLQuery, ParenthesesGoToTheHeadOfTheTokenList) {
    auto* q = Root<TRk_SelectStmt>("((SELECT a FROM t))");
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(Own(q), "(|(|)|)|SELECT");
    EXPECT_EQ(q->ParenCount, 2);
    q = Root<TRk_SelectStmt>("(SELECT a FROM t) ORDER BY a");
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(q->ParenCount, 0);
    EXPECT_EQ(q->InnerParenCount, 1);
    EXPECT_EQ(Own(q->OrderByClause), "ORDER|BY");
    ASSERT_EQ(q->SortList->Count(), 1);
}

TEST_F(MySQLQuery, SetOperations) {
    auto* q = Root<TRk_SelectStmt>("SELECT a FROM t UNION ALL SELECT b FROM u");
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(q->SetOperation, 2);
    EXPECT_EQ(Txt(q->SetAllToken), "ALL");
    q = Root<TRk_SelectStmt>("SELECT a FROM t INTERSECT ALL SELECT b FROM u");
    EXPECT_EQ(q->SetOperation, 4);
    q = Root<TRk_SelectStmt>("SELECT a FROM t UNION SELECT b FROM u MINUS SELECT c FROM v");
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(q->SetOperation, 3);   // (t UNION u) MINUS v
}

TEST_F(MySQLQuery, LimitForms) {
    auto* q = Root<TRk_SelectStmt>("SELECT a FROM t LIMIT 5, 10");
    ASSERT_NE(q, nullptr);
    ASSERT_NE(q->LimitClause, nullptr);
    EXPECT_EQ(Txt(q->LimitClause->OffsetValue), "5");
    EXPECT_EQ(Txt(q->LimitClause->RowCount), "10");
    EXPECT_EQ(Txt(q->LimitClause->CommaToken), ",");
    q = Root<TRk_SelectStmt>("SELECT a FROM t LIMIT 10 OFFSET 5");
    EXPECT_EQ(Txt(q->LimitClause->OffsetValue), "5");
    EXPECT_EQ(Txt(q->LimitClause->RowCount), "10");
    EXPECT_EQ(Txt(q->LimitClause->OffsetKeyword), "OFFSET");
    EXPECT_EQ(Own(q->LimitClause), "");
    q = Root<TRk_SelectStmt>("SELECT a FROM t ORDER BY a DESC LIMIT 3");
    EXPECT_EQ(Txt(q->LimitClause->RowCount), "3");
    EXPECT_EQ(Txt(As<TRk_SortGroupBy>(q->SortList->GetItem(0))->SortToken), "DESC");
}

TEST_F(MySQLQuery, ForUpdateWaitOptions) {
    auto* q = Root<TRk_SelectStmt>("SELECT a FROM t FOR UPDATE WAIT 5");
    ASSERT_NE(q->ForUpdateClause, nullptr);
    EXPECT_EQ(q->ForUpdateClause->ForUpdateKind, 3);
    auto* w = As<TRk_DummyNode>(q->ForUpdateClause->WaitOption);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Int1, 5);
    q = Root<TRk_SelectStmt>("SELECT a FROM t FOR UPDATE nowait");
    w = As<TRk_DummyNode>(q->ForUpdateClause->WaitOption);
    EXPECT_EQ(w->Int1, -9999);
    EXPECT_EQ(w->Str1, "nowait");
    q = Root<TRk_SelectStmt>("SELECT a FROM t FOR READ ONLY");
    EXPECT_EQ(q->ForUpdateClause->ForUpdateKind, 2);
}

TEST_F(MySQLQuery, DistinctAndTop) {
    auto* q = Root<TRk_SelectStmt>("SELECT TOP 10 PERCENT a FROM t");
    auto* top = As<TRkTopClause>(q->TopClause);
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(top->percent, 1);
    EXPECT_EQ(top->withties, 0);
    EXPECT_EQ(Txt(top->NumberToken), "10");
    EXPECT_EQ(Own(top), "TOP|PERCENT");
    q = Root<TRk_SelectStmt>("SELECT DISTINCT ON (a) a FROM t");
    EXPECT_EQ(As<TRk_SelectDistinct>(q->DistinctClause)->DistinctKind, 2);
    EXPECT_EQ(Own(q->DistinctClause), "DISTINCT|ON|(|)");
}

TEST_F(MySQLQuery, JoinsAndAliases) {
    auto* q = Root<TRk_SelectStmt>("SELECT a FROM a LEFT OUTER JOIN b ON a.x = b.x");
    auto* j = As<TRk_JoinExpr>(q->FromList->GetItem(0));
    ASSERT_NE(j, nullptr);
    EXPECT_EQ(j->JoinType, 8);
    EXPECT_EQ(Txt(j->JoinTypeClause->Tok1), "LEFT");
    EXPECT_EQ(Txt(j->JoinTypeClause->Tok2), "OUTER");
    EXPECT_EQ(Own(j), "JOIN");
    EXPECT_EQ(Sx(j->Qualification->OnCondition), "(= a.x b.x)");

    q = Root<TRk_SelectStmt>("SELECT a FROM (a JOIN b USING (x)) j");
    j = As<TRk_JoinExpr>(q->FromList->GetItem(0));
    ASSERT_NE(j, nullptr);
    EXPECT_EQ(j->JoinType, 11);
    EXPECT_NE(As<TRk_JoinExpr>(j->LeftRef), nullptr);
    EXPECT_EQ(Txt(j->Alias->AliasToken), "j");

    q = Root<TRk_SelectStmt>("SELECT a FROM (SELECT a FROM t) x, t AS y");
    auto* r = As<TRk_TableRef>(q->FromList->GetItem(0));
    EXPECT_NE(As<TRk_SelectStmt>(r->Source), nullptr);
    auto* r2 = As<TRk_TableRef>(q->FromList->GetItem(1));
    EXPECT_EQ(Txt(r2->SeparatorToken), ",");
    EXPECT_EQ(Sx(r2->Alias->NameParts), "[y]");
    EXPECT_EQ(r2->Alias->AliasToken, nullptr);

    // A join needs ON or USING: one report, at the end of the input.
    Parse("SELECT a FROM a JOIN b");
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Errors[0].Token, "end of input");
}

TEST_F(MySQLQuery, SelectListItems) {
    auto* q = Root<TRk_SelectStmt>("SELECT *, a b, c AS 'x', d AS e.f FROM t");
    auto* star = As<TRk_ResTarget>(q->TargetList->GetItem(0));
    auto* e = As<TRkCustomExpression>(star->ValueExpr);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->ExprType, Expr_Ident);
    EXPECT_EQ(Own(As<TRk_Node>(e->LeftOperand)), "*");
    auto* b = As<TRk_ResTarget>(q->TargetList->GetItem(1));
    EXPECT_EQ(b->HasAlias, 1);
    EXPECT_EQ(b->AliasClause->HasAs, 0);
    EXPECT_EQ(Sx(b->AliasClause->NameParts), "[b]");
    auto* c = As<TRk_ResTarget>(q->TargetList->GetItem(2));
    EXPECT_EQ(Txt(c->AliasClause->AliasToken), "'x'");
    EXPECT_EQ(Own(c->AliasClause), "AS");
    auto* d = As<TRk_ResTarget>(q->TargetList->GetItem(3));
    EXPECT_EQ(Sx(d->AliasClause->NameParts), "[e,f]");
    // A SELECT block needs FROM.
    Parse("SELECT 1");
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Errors[0].Token, "end of input");
}

struct ExprCase {
    const char* cond;
    const char* want;
};

class MySQLExpr : public MySQLParseFixture, public ::testing::WithParamInterface<ExprCase> {};

TEST_P(MySQLExpr, Grouping) {
    TRk_Node* root = Parse(std::string("select a from t where ") + GetParam().cond);
    if (std::string(GetParam().want) == "error") {
        EXPECT_EQ(Errors.size(), 1u) << GetParam().cond;
        return;
    }
    EXPECT_TRUE(Errors.empty()) << GetParam().cond;
    EXPECT_EQ(Result, 0) << GetParam().cond;
    EXPECT_EQ(Cond(root), GetParam().want) << GetParam().cond;
}

INSTANTIATE_TEST_SUITE_P(
    Precedence, MySQLExpr,
    ::testing::Values(ExprCase{"a OR b AND c", "(and (or a b) c)"}, ExprCase{"NOT a = b", "(not _ (= a b))"},
                      ExprCase{"a = b = c", "(= a (= b c))"}, ExprCase{"a < b < c", "error"},
                      ExprCase{"a < b = c", "(= (< a b) c)"}, ExprCase{"a LIKE b LIKE c", "error"},
                      ExprCase{"x NOT BETWEEN 1 AND 2", "(notbetween x (and 1 2))"},
                      ExprCase{"x LIKE p ESCAPE e", "(like x (escape p e))"},
                      ExprCase{"x IS NOT NULL", "(isnotnull x)"}, ExprCase{"x = ANY (SELECT y FROM t)", "(=any x {q})"},
                      ExprCase{"x > ALL (1, 2)", "(>all x ([1,2]))"}, ExprCase{"x > ALL (1)", "error"},
                      ExprCase{"x IN (1, 2)", "(in x ([1,2]))"}, ExprCase{"x NOT IN (1)", "(notin x (1))"},
                      ExprCase{"a <=> b", "(<=> a b)"}, ExprCase{"a + b * c", "(+ a (* b c))"},
                      ExprCase{"- a ^ b", "(^ (- _ a) b)"}, ExprCase{"a ! - b", "(! a (- _ b))"},
                      ExprCase{"(a, b) = (1, 2)", "(= ([a,b]) ([1,2]))"},
                      ExprCase{"(a, b) NOT IN (SELECT x, y FROM u)", "(notin ([a,b]) {q})"},
                      ExprCase{"t.c = s.t.c", "(= t.c s.t.c)"}, ExprCase{"@v = @@w", "(= @v @@w)"},
                      ExprCase{"x IS OF (t)", "(is _ _)"}, ExprCase{"left(s, 2) = f()", "(= left[s,2] f[])"},
                      ExprCase{"year = comment", "(= year comment)"}, ExprCase{"end = 1", "error"},
                      ExprCase{"EXISTS (SELECT 1 FROM u)", "(exists _ {q})"}));

TEST_F(MySQLQuery, ConstantsAndCalls) {
    auto* q = Root<TRk_SelectStmt>("select 12, 1.5, 'x', NULL, COUNT(*), COUNT(DISTINCT a, b), "
                                   "TRIM(LEADING 'x' FROM s), EXTRACT(YEAR FROM d), CAST(x AS CHAR(3)) from t");
    ASSERT_NE(q, nullptr);
    auto item = [&](int i) { return As<TRkCustomExpression>(As<TRk_ResTarget>(q->TargetList->GetItem(i))->ValueExpr); };
    const int kinds[] = {55, 48, 172, 64};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(As<TRk_A_Const>(item(i)->LeftOperand)->ConstKind, kinds[i]);
    auto* star = As<TRk_FuncCall>(item(4)->LeftOperand);
    EXPECT_EQ(star->IsStar, 1);
    EXPECT_EQ(star->ArgList, nullptr);
    EXPECT_EQ(Own(star), "(|*|)");
    auto* dist = As<TRk_FuncCall>(item(5)->LeftOperand);
    EXPECT_EQ(dist->IsDistinct, 1);
    EXPECT_EQ(Txt(As<TRk_Node>(dist->ArgList->GetItem(1))->SeparatorToken), ",");
    auto* trim = As<TRk_FuncCall>(item(6)->LeftOperand);
    EXPECT_EQ(trim->CallForm, 1);
    EXPECT_EQ(trim->TrimKind, 2);
    EXPECT_EQ(trim->TrimArgs->HasFrom, 1);
    EXPECT_EQ(Own(trim), "TRIM|(|LEADING|)");
    auto* ex = As<TRk_FuncCall>(item(7)->LeftOperand);
    EXPECT_EQ(ex->CallForm, 4);
    EXPECT_EQ(Txt(ex->ExtractArgs->FieldToken), "YEAR");
    auto* cast = As<TRk_FuncCall>(item(8)->LeftOperand);
    EXPECT_EQ(cast->CallForm, 2);
    EXPECT_EQ(Own(cast), "CAST|(|AS|)");
    EXPECT_EQ(cast->CastType->TypeForm, 40);
}

TEST_F(MySQLQuery, CaseExpression) {
    auto* q = Root<TRk_SelectStmt>("select a from t where CASE WHEN a THEN b END = 1");
    auto* cmp = As<TRkCustomExpression>(q->WhereCondition);
    auto* c = As<TRkCaseExpression>(cmp->LeftOperand);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->InputExpr, nullptr);
    EXPECT_EQ(c->WhenList->Count(), 1);
    ASSERT_NE(c->ElseClause, nullptr);
    EXPECT_EQ(Own(c), "CASE|END");
}

}  // namespace

namespace {

class MySQLQueryOptions : public MySQLParseFixture {};

// A second ORDER BY on one query leaves the parse with its message; the
// statement that runs the parser turns it into an error record.
TEST_F(MySQLQueryOptions, SecondOrderByLeavesTheParse) {
    try {
        Parse("(SELECT a FROM t ORDER BY a) ORDER BY b");
        FAIL() << "no exception";
    } catch (const ERkError& e) {
        EXPECT_STREQ(e.what(), "Multiple ORDER BY clauses not allowed");
    }
    // A second LIMIT replaces the first without a message.
    auto* q = Root<TRk_SelectStmt>("(SELECT a FROM t LIMIT 1) LIMIT 2");
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(Txt(q->LimitClause->RowCount), "2");
}

}  // namespace
