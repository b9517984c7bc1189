// Expressions and conditions: precedence and grouping as the tables settle
// them, the expression kinds and their own tokens, and the forms that are
// syntax errors.
#include "test_oracle_grammar_support.h"

using namespace oracle_test;

namespace {

class ExprGrammar : public OracleGrammar {
protected:
    // The WHERE condition of «select x from t where <Cond>».
    TRkCustomExpression* Where(const std::string& Cond) {
        auto* q = Must(As<TRk_SelectStmt>(Parse("select x from t where " + Cond)), Cond + ": " + FirstError());
        EXPECT_EQ(Result, 0) << Cond;
        return Must(As<TRkCustomExpression>(q->WhereCondition), Cond);
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
    auto* r = MUST(As<TRkCustomExpression>(e->RightOperand));
    EXPECT_EQ(Fields(e->ExprType == Expr_NotBetween, e->OperatorToken, OwnTokens(e), r->ExprType == Expr_AND,
                     r->OperatorToken),
              "1 not not|between 1 and");

    e = Where("x like 'a%' escape '\\'");
    EXPECT_EQ(Fields(e->ExprType == Expr_Comparison, OwnTokens(e),
                     As<TRkCustomExpression>(e->RightOperand)->ExprType == Expr_Escape),
              "1 - 1");

    e = Where("x not in (1, 2)");
    auto* p = As<TRkCustomExpression>(e->RightOperand);
    ASSERT_NE(As<TRk_List>(p->LeftOperand), nullptr);
    EXPECT_EQ(Fields(e->ExprType == Expr_NotIn, OwnTokens(e), p->ExprType == Expr_Parenthesis, OwnTokens(p),
                     As<TRkCustomExpression>(As<TRk_List>(p->LeftOperand)->GetNode(1))->SeparatorToken),
              "1 not|in 1 (|) ,");

    EXPECT_EQ(As<TRkCustomExpression>(Where("x in (select y from t)")->RightOperand)->ExprType, Expr_subquery);
    e = Where("x = any (select y from t)");
    EXPECT_EQ(Fields(e->ExprType == Expr_AllOp, e->Modifier, e->QuantifierToken), "1 1 any");

    e = Where("x is null");
    EXPECT_EQ(Fields(e->ExprType == Expr_IsNull, e->OperatorToken, OwnTokens(e)), "1 <nil> is|null");
    e = Where("x is not null");
    EXPECT_EQ(Fields(e->ExprType == Expr_IsNotNull, OwnTokens(e)), "1 is|not|null");

    // The operand and the words from IS to ")" are kept for the printers.
    e = Where("x is of (number)");
    EXPECT_EQ(Fields(e->ExprType == Expr_NotSupported, e->OperatorToken, e->LeftOperand, e->RightOperand),
              "1 is set nil");
    EXPECT_EQ(OwnTokens(e), "is|)");
    EXPECT_EQ(Where("x is not of type (only s.t, u)")->ExprType, Expr_NotSupported);

    auto* at = As<TRkCustomExpression>(Where("a at time zone 'UTC' = b")->LeftOperand);
    EXPECT_EQ(Fields(at->ExprType == Expr_AtTimeZone, OwnTokens(at)), "1 at|time|zone");
    EXPECT_EQ(As<TRkCustomExpression>(Where("t.a (+) = b")->LeftOperand)->ExprType, Expr_OuterJoin);
    auto* tc = As<TRkCustomExpression>(Where("a typecast varchar2(10) = b")->LeftOperand);
    EXPECT_EQ(tc->ExprType, Expr_Other);
    EXPECT_NE(As<TRk_TypeName>(tc->RightOperand), nullptr);
    EXPECT_EQ(As<TRkCustomExpression>(Where("cursor (select 1 from dual) is null")->LeftOperand)->ExprType,
              Expr_Cursor);

    e = Where("type = full and left = 1");
    auto* l = As<TRkCustomExpression>(As<TRkCustomExpression>(e->LeftOperand)->LeftOperand);
    EXPECT_EQ(l->ExprType, Expr_Ident);
    EXPECT_EQ(TokText(As<TRk_Ident>(l->LeftOperand)->IdentToken), "type");
}

TEST_F(ExprGrammar, CaseExpressions) {
    auto* c = MUST(As<TRkCaseExpression>(Where("case when a then b end = 1")->LeftOperand));
    ASSERT_EQ(Count(c->WhenList), 1);
    EXPECT_EQ(c->ExprType, Expr_Case);
    EXPECT_EQ(Fields(c->InputExpr, OwnTokens(As<TRkCaseWhen>(c->WhenList->GetItem(0))), OwnTokens(c->ElseClause),
                     c->ElseExpr, OwnTokens(c)),
              "nil when|then - nil case|end");
    c = As<TRkCaseExpression>(Where("case x when 1 then 'a' when 2 then 'b' else 'c' end = y")->LeftOperand);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(Fields(Sx(c->InputExpr), Count(c->WhenList), Sx(c->ElseExpr), OwnTokens(c->ElseClause)), "x 2 'c' else");
}

TEST_F(ExprGrammar, ExtractAndTrimArguments) {
    auto Call = [this](const std::string& Cond) {
        return As<TRk_FuncCall>(As<TRkCustomExpression>(Where(Cond)->LeftOperand)->LeftOperand);
    };
    TRk_FuncCall* f = MUST(Call("extract(year from d) = 1"));
    ASSERT_NE(f->ExtractArgs, nullptr);
    EXPECT_EQ(Fields(f->CallForm, f->NameAttr, OwnTokens(f), f->ExtractArgs->FieldToken, OwnTokens(f->ExtractArgs)),
              "4 nil extract|(|) year from");
    f = Call("trim(leading '0' from a) = b");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(Fields(f->CallForm, f->TrimKind, OwnTokens(f), f->TrimArgs->HasFrom, Sx(f->TrimArgs->TrimChar)),
              "1 2 trim|(|leading|) 1 '0'");
    f = Call("trim(a) = b");
    EXPECT_EQ(Fields(f->TrimKind, f->TrimArgs->HasFrom, SxList(f->TrimArgs->SourceList)), "0 0 [a]");
}

}  // namespace
