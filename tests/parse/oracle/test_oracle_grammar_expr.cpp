// Expressions and conditions: precedence and grouping as the tables settle
// them, the expression kinds and their own tokens, and the forms that are
// syntax errors.
#include "test_oracle_grammar_support.h"

using namespace oracle_test;

namespace {

class ExprGrammar : public OracleParseFixture {
protected:
    // The WHERE condition of «select x from t where <Cond>».
    TRkCustomExpression* Where(const std::string& Cond) {
        auto* q = As<TRk_SelectStmt>(Parse("select x from t where " + Cond));
        EXPECT_EQ(Result, 0) << Cond;
        if (!q) return nullptr;
        return As<TRkCustomExpression>(q->WhereCondition);
    }
    bool Rejected(const std::string& Text) {
        Parse(Text);
        return Result != 0 || !Errors.empty();
    }
};

struct Shape {
    const char* Cond;
    const char* Tree;
};

// Grouping of the operators, loosest first: PRIOR; AND and OR (one level);
// NOT; '='; '<' '>'; LIKE; BETWEEN IN; OPERATOR; IS and (+); '+' '-';
// '*' '/' '%'; '^'; AT TIME ZONE; prefix signs; TYPECAST.
const Shape Shapes[] = {
    {"a = 1 or b = 2 and c = 3", "(and (or (= a 1) (= b 2)) (= c 3))"},
    {"a or b and c", "(and (or a b) c)"},
    {"prior a = b and c = d", "(prior _ (and (= a b) (= c d)))"},
    {"a = b not in (c)", "(notin (= a b) (c))"},
    {"not a not in (c)", "(not _ (notin a (c)))"},
    {"a and b not in (c)", "(and a (notin b (c)))"},
    {"a = b = c", "(= a (= b c))"},
    {"a = b is null", "(= a (isnull b))"},
    {"a || b is null", "(|| a (isnull b))"},
    {"a + b is null", "(isnull (+ a b))"},
    {"a between 1 and 2 and c = d", "(and (between a (and 1 2)) (= c d))"},
    {"a - b - c", "(- (- a b) c)"},
    {"a + b * c", "(+ a (* b c))"},
    {"a * b ^ c", "(* a (^ b c))"},
    {"- a ^ b", "(^ (- _ a) b)"},
    {"- a typecast number", "(- _ (typecast a number))"},
    {"a || b || c", "(|| (|| a b) c)"},
    {"a || b + c", "(|| a (+ b c))"},
    {"a || - b", "(|| a (- _ b))"},
    {"a || prior b", "(|| a (prior _ b))"},
    {"a + b (+) = c", "(= ((+) (+ a b) _) c)"},
    {"a || b (+) = c", "(= (|| a ((+) b _)) c)"},
    {"t.a (+) = b", "(= ((+) t.a _) b)"},
    {"a + b at time zone c", "(+ a (at b c))"},
    {"x like 'a%' escape '\\'", "(like x (escape 'a%' '\\'))"},
    {"x not like 'a%'", "(notlike x 'a%')"},
    {"x not between 1 and 2", "(notbetween x (and 1 2))"},
    {"x in (1)", "(in x (1))"},
    {"x in (1, 2)", "(in x ([1,2]))"},
    {"x in (select y from t)", "(in x {q})"},
    {"x = any (select y from t)", "(=any x {q})"},
    {"x = any (1, 2)", "(=any x ([1,2]))"},
    {"x <> all (1, 2)", "(<>all x ([1,2]))"},
    {"x = (select y from t)", "(= x {q})"},
    {"(a, b) in (select x, y from u)", "(in ([a,b]) {q})"},
    {"(a, b) overlaps (c, d)", "(overlaps ([a,b]) ([c,d]))"},
    {"(a, b) = (c, d)", "(= ([a,b]) ([c,d]))"},
    {"a % b", "(% a b)"},
    {"a || > b", "(> (|| a _) b)"},
    {"a || * b", "(* (|| a _) b)"},
    {"exists (select 1 from dual)", "(exists _ {q})"},
    {"f(a).b = 1", "(= f[a].b 1)"},
};

TEST_F(ExprGrammar, PrecedenceAndGrouping) {
    for (const Shape& s : Shapes) {
        TRkCustomExpression* e = Where(s.Cond);
        ASSERT_NE(e, nullptr) << s.Cond << (Errors.empty() ? "" : " expected: " + Errors[0].Expected + " at " + Errors[0].Token);
        EXPECT_EQ(Sx(e), s.Tree) << s.Cond;
    }
}

TEST_F(ExprGrammar, RejectedForms) {
    const char* bad[] = {
        "select x from t where a < b < c",
        "select x from t where a like b like c",
        "select x from t where x = any (1)",
        "select a and b from t",
        "select a || b (+) from t",
        "select a 'x' from t",
        "select x from t where a between 1 and b and c or d between",
    };
    for (const char* b : bad) EXPECT_TRUE(Rejected(b)) << b;
}

TEST_F(ExprGrammar, KindsOperatorsAndOwnTokens) {
    TRkCustomExpression* e = Where("x not between 1 and 2");
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->ExprType, Expr_NotBetween);
    EXPECT_EQ(TokText(e->OperatorToken), "not");
    EXPECT_EQ(OwnTokens(e), "not|between");
    auto* r = As<TRkCustomExpression>(e->RightOperand);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->ExprType, Expr_AND);
    EXPECT_EQ(TokText(r->OperatorToken), "and");

    e = Where("x like 'a%' escape '\\'");
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->ExprType, Expr_Comparison);
    EXPECT_EQ(OwnTokens(e), "");
    EXPECT_EQ(As<TRkCustomExpression>(e->RightOperand)->ExprType, Expr_Escape);

    e = Where("x not in (1, 2)");
    EXPECT_EQ(e->ExprType, Expr_NotIn);
    EXPECT_EQ(OwnTokens(e), "not|in");
    auto* p = As<TRkCustomExpression>(e->RightOperand);
    EXPECT_EQ(p->ExprType, Expr_Parenthesis);
    EXPECT_EQ(OwnTokens(p), "(|)");
    ASSERT_NE(As<TRk_List>(p->LeftOperand), nullptr);
    EXPECT_EQ(TokText(As<TRkCustomExpression>(As<TRk_List>(p->LeftOperand)->GetNode(1))->SeparatorToken), ",");

    e = Where("x in (select y from t)");
    EXPECT_EQ(As<TRkCustomExpression>(e->RightOperand)->ExprType, Expr_subquery);

    e = Where("x = any (select y from t)");
    EXPECT_EQ(e->ExprType, Expr_AllOp);
    EXPECT_EQ(e->Modifier, 1);
    EXPECT_EQ(TokText(e->QuantifierToken), "any");

    e = Where("x is null");
    EXPECT_EQ(e->ExprType, Expr_IsNull);
    EXPECT_EQ(e->OperatorToken, nullptr);
    EXPECT_EQ(OwnTokens(e), "is|null");
    e = Where("x is not null");
    EXPECT_EQ(e->ExprType, Expr_IsNotNull);
    EXPECT_EQ(OwnTokens(e), "is|not|null");

    e = Where("x is of (number)");
    EXPECT_EQ(e->ExprType, Expr_NotSupported);
    EXPECT_EQ(TokText(e->OperatorToken), "is");
    EXPECT_EQ(e->LeftOperand, nullptr);
    EXPECT_EQ(e->RightOperand, nullptr);
    EXPECT_EQ(Where("x is not of type (only s.t, u)")->ExprType, Expr_NotSupported);

    e = Where("a at time zone 'UTC' = b");
    auto* at = As<TRkCustomExpression>(e->LeftOperand);
    EXPECT_EQ(at->ExprType, Expr_AtTimeZone);
    EXPECT_EQ(OwnTokens(at), "at|time|zone");

    e = Where("t.a (+) = b");
    EXPECT_EQ(As<TRkCustomExpression>(e->LeftOperand)->ExprType, Expr_OuterJoin);

    e = Where("a typecast varchar2(10) = b");
    auto* tc = As<TRkCustomExpression>(e->LeftOperand);
    EXPECT_EQ(tc->ExprType, Expr_Other);
    EXPECT_NE(As<TRk_TypeName>(tc->RightOperand), nullptr);

    e = Where("cursor (select 1 from dual) is null");
    EXPECT_EQ(As<TRkCustomExpression>(e->LeftOperand)->ExprType, Expr_Cursor);

    e = Where("type = full and left = 1");
    auto* l = As<TRkCustomExpression>(As<TRkCustomExpression>(e->LeftOperand)->LeftOperand);
    EXPECT_EQ(l->ExprType, Expr_Ident);
    EXPECT_EQ(TokText(As<TRk_Ident>(l->LeftOperand)->IdentToken), "type");
}

TEST_F(ExprGrammar, CaseExpressions) {
    TRkCustomExpression* e = Where("case when a then b end = 1");
    auto* c = As<TRkCaseExpression>(e->LeftOperand);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->ExprType, Expr_Case);
    EXPECT_EQ(c->InputExpr, nullptr);
    ASSERT_EQ(c->WhenList->Count(), 1);
    auto* w = As<TRkCaseWhen>(c->WhenList->GetItem(0));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(OwnTokens(w), "when|then");
    EXPECT_EQ(OwnTokens(c->ElseClause), "");
    EXPECT_EQ(c->ElseExpr, nullptr);
    EXPECT_EQ(OwnTokens(c), "case|end");

    e = Where("case x when 1 then 'a' when 2 then 'b' else 'c' end = y");
    c = As<TRkCaseExpression>(e->LeftOperand);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(Sx(c->InputExpr), "x");
    EXPECT_EQ(c->WhenList->Count(), 2);
    EXPECT_EQ(Sx(c->ElseExpr), "'c'");
    EXPECT_EQ(OwnTokens(c->ElseClause), "else");
}

TEST_F(ExprGrammar, ExtractAndTrimArguments) {
    TRkCustomExpression* e = Where("extract(year from d) = 1");
    auto* f = As<TRk_FuncCall>(As<TRkCustomExpression>(e->LeftOperand)->LeftOperand);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->CallForm, 4);
    EXPECT_EQ(f->NameAttr, nullptr);
    EXPECT_EQ(OwnTokens(f), "extract|(|)");
    ASSERT_NE(f->ExtractArgs, nullptr);
    EXPECT_EQ(TokText(f->ExtractArgs->FieldToken), "year");
    EXPECT_EQ(OwnTokens(f->ExtractArgs), "from");

    e = Where("trim(leading '0' from a) = b");
    f = As<TRk_FuncCall>(As<TRkCustomExpression>(e->LeftOperand)->LeftOperand);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->CallForm, 1);
    EXPECT_EQ(f->TrimKind, 2);
    EXPECT_EQ(OwnTokens(f), "trim|(|leading|)");
    EXPECT_EQ(f->TrimArgs->HasFrom, 1);
    EXPECT_EQ(Sx(f->TrimArgs->TrimChar), "'0'");

    e = Where("trim(a) = b");
    f = As<TRk_FuncCall>(As<TRkCustomExpression>(e->LeftOperand)->LeftOperand);
    EXPECT_EQ(f->TrimKind, 0);
    EXPECT_EQ(f->TrimArgs->HasFrom, 0);
    EXPECT_EQ(SxList(f->TrimArgs->SourceList), "[a]");
}

// The plain text of a condition regenerates its source text.  (Sub-queries
// print through the select statement objects that wrap them, and a call's
// trailing ".name" through the expression printer: both are covered where
// those classes are tested.)
TEST_F(ExprGrammar, ConditionTextRoundTrip) {
    const char* conds[] = {
        "a = 1",
        "a = 1 or b = 2 and c = 3",
        "x not between 1 and 2",
        "x like 'a%' escape '\\'",
        "x not like 'a%'",
        "x in (1, 2, 3)",
        "x not in (1)",
        "a is null",
        "a is not null",
        "t.a (+) = b.c",
        "nvl(a, 0) + 1 > 2",
        "count(*) > 1",
        "count(distinct a) > 1",
        "upper(trim(both ' ' from a)) = 'X'",
        "cast(a as number(5)) = 1",
        "extract(year from sysdate) = 2020",
        "a || b || 'c' = d",
        "- a ^ b > 0",
        "a at time zone 'UTC' = b",
        "case when a = 1 then 'x' else 'y' end = 'x'",
        "case a when 1 then 2 end = 2",
        "x <= all (1, 2)",
        "d > date '2020-01-01'",
        "i = interval '2' day(3) to second(2)",
        "i = interval '5' year",
        "s.t.c = :v indicator :i",
        "a = :b",
        "not (a = b)",
        "prior a = b",
        "a between b + 1 and c * 2",
        "row_number() over (partition by a order by b desc nulls last) = 1",
        "sum(a) over () > 0",
        "left(s, 3) = 'abc'",
        "x = 1.5e3 and y = .5",
        "a /* inner */ = /* other */ b -- trailing",
    };
    for (const char* c : conds) {
        TRkCustomExpression* e = Where(c);
        ASSERT_NE(e, nullptr) << c;
        EXPECT_EQ(Trimmed(e->AsText()), Trimmed(c)) << c;
    }
}

}  // namespace
