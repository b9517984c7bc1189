// SQL Server grammar: expressions.  The operator binding is pinned as tree
// shapes (it is deliberately not standard SQL: AND and OR share one level,
// NOT binds below the comparisons, "<" ">" and LIKE do not chain), then the
// predicates, CASE, constants and calls.
#include "mssql_grammar_support.h"

using namespace mssql_test;

namespace {

class MssqlExpr : public MssqlParseFixture {
protected:
    // The expression of the one item of "SELECT <Text>".
    TRkCustomExpression* Selected(const std::string& Text) {
        auto* s = One<TRk_SelectStmt>("SELECT " + Text);
        if (s == nullptr || s->TargetList == nullptr) return nullptr;
        auto* r = As<TRk_ResTarget>(s->TargetList->Items[0]);
        return r != nullptr ? As<TRkCustomExpression>(r->ValueExpr) : nullptr;
    }
    TRk_FuncCall* SelectedCall(const std::string& Text) {
        TRkCustomExpression* e = Selected(Text);
        return e != nullptr ? As<TRk_FuncCall>(e->LeftOperand) : nullptr;
    }
};

struct TShapeCase {
    const char* Expr;
    const char* Shape;
};

TEST_F(MssqlExpr, OperatorBinding) {
    const TShapeCase cases[] = {
        // AND and OR: one level, grouping to the left.
        {"a OR b AND c", "AND[AND](OR[OR](a,b),c)"},
        {"a AND b OR c", "OR[OR](AND[AND](a,b),c)"},
        // NOT binds below the comparisons and ends before AND / OR.
        {"NOT a = b", "NOT[NOT](_,Cmp[=](a,b))"},
        {"NOT a AND b", "AND[AND](NOT[NOT](_,a),b)"},
        {"NOT NOT a", "NOT[NOT](_,NOT[NOT](_,a))"},
        // "=" groups to the right.
        {"a = b = c", "Cmp[=](a,Cmp[=](b,c))"},
        {"a = b AND c = d", "AND[AND](Cmp[=](a,b),Cmp[=](c,d))"},
        // Arithmetic: "^" above "*" "/" "%" above "+" "-", all to the left.
        {"a + b * c", "Arith[+](a,Arith[*](b,c))"},
        {"a * b + c", "Arith[+](Arith[*](a,b),c)"},
        {"a - b - c", "Arith[-](Arith[-](a,b),c)"},
        {"a * b ^ c", "Arith[*](a,Arith[^](b,c))"},
        {"a ^ b * c", "Arith[*](Arith[^](a,b),c)"},
        {"a / b % c", "Arith[%](Arith[/](a,b),c)"},
        {"a + b = c", "Cmp[=](Arith[+](a,b),c)"},
        {"a = b + c", "Cmp[=](a,Arith[+](b,c))"},
        {"a < b + c", "Cmp[<](a,Arith[+](b,c))"},
        // Prefix "+" and "-" bind tightest.
        {"x = -5", "Cmp[=](x,Arith[-](_,5))"},
        {"- a * b = c", "Cmp[=](Arith[*](Arith[-](_,a),b),c)"},
        {"x = - 5 + 1", "Cmp[=](x,Arith[+](Arith[-](_,5),1))"},
        // Postfix "%".
        {"x % = 1", "Cmp[=](Arith[%](x,_),1)"},
        // Operator runs: below "+" "-", above the comparisons.
        {"a <= b", "OP[<=](a,b)"},
        {"a <> b", "OP[<>](a,b)"},
        {"a || b + c", "OP[||](a,Arith[+](b,c))"},
        {"a + b || c", "OP[||](Arith[+](a,b),c)"},
        {"a || b = c", "Cmp[=](OP[||](a,b),c)"},
        {"a || b || c", "OP[||](OP[||](a,b),c)"},
        {"a = b || c", "Cmp[=](a,OP[||](b,c))"},
        // A postfix operator run before a prefix one becomes binary.
        {"a ! ! b", "OP[!](a,OP[!](_,b))"},
        {"a ! AND b", "AND[AND](OP[!](a,_),b)"},
        // Predicates.
        {"a LIKE b ESCAPE c", "Cmp[LIKE](a,Esc[ESCAPE](b,c))"},
        {"a LIKE b AND c = d", "AND[AND](Cmp[LIKE](a,b),Cmp[=](c,d))"},
        {"a NOT LIKE b", "NotLike[NOT](a,b)"},
        {"a NOT LIKE b ESCAPE c", "NotLike[NOT](a,Esc[ESCAPE](b,c))"},
        {"a IS NULL", "IsNull[<nil>](a,_)"},
        {"a IS NOT NULL OR b", "OR[OR](IsNotNull[<nil>](a,_),b)"},
        {"x BETWEEN 1 AND 2 AND y = 3", "AND[AND](Between[BETWEEN](x,AND[AND](1,2)),Cmp[=](y,3))"},
        {"x BETWEEN 1 AND 2 + 3", "Between[BETWEEN](x,AND[AND](1,Arith[+](2,3)))"},
        {"x NOT BETWEEN 1 AND 2", "NotBetween[NOT](x,AND[AND](1,2))"},
        {"x BETWEEN 1 AND 2 = y", "Cmp[=](Between[BETWEEN](x,AND[AND](1,2)),y)"},
        {"x IN (5)", "In[IN](x,(5))"},
        {"x IN (1, 2, 3)", "In[IN](x,(1,2,3))"},
        {"x NOT IN (1, 2)", "NotIn[NOT](x,(1,2))"},
        {"x IN a = b", "In[IN](x,Cmp[=](a,b))"},
        {"(a, b) IN (SELECT 1, 2)", "In[IN]((a,b),SELECT)"},
        {"a COLLATE Latin1_General_CI_AS = b", "Cmp[=](OP[COLLATE](a,Latin1_General_CI_AS),b)"},
        {"x IS OF (int)", "NotSupported[IS](x,_)"},
        {"EXISTS (SELECT 1)", "Exists[EXISTS](_,SELECT)"},
        {"NOT EXISTS (SELECT 1) AND a = 1", "AND[AND](NOT[NOT](_,Exists[EXISTS](_,SELECT)),Cmp[=](a,1))"},
        {"@@ROWCOUNT > 0", "Cmp[>](@@ROWCOUNT,0)"},
        {"@v = 'x' + N'y'", "Cmp[=](@v,Arith[+]('x',N'y'))"},
        {"(a + b) * c", "Arith[*]((Arith[+](a,b)),c)"},
        {"dbo.t.c = t2.c", "Cmp[=](dbo.t.c,t2.c)"},
        {"f(a, b) = count(*)", "Cmp[=](f(a,b),count(*))"},
    };
    for (const TShapeCase& c : cases) EXPECT_EQ(Where(c.Expr), c.Shape) << c.Expr;
}

// The tables have no action for a second "<", ">" or LIKE after a complete
// comparison, but that state ends a statement on ";": the driver's implicit
// statement end closes the first comparison and the second one takes it as
// its left operand, without a report.
TEST_F(MssqlExpr, ChainedComparisonsCloseTheFirstOne) {
    const TShapeCase cases[] = {
        {"a < b < c", "Cmp[<](Cmp[<](a,b),c)"},
        {"a > b < c", "Cmp[<](Cmp[>](a,b),c)"},
        {"a LIKE b LIKE c", "Cmp[LIKE](Cmp[LIKE](a,b),c)"},
        {"(a < b > c)", "(Cmp[>](Cmp[<](a,b),c))"},
    };
    for (const TShapeCase& c : cases) EXPECT_EQ(Where(c.Expr), c.Shape) << c.Expr;
}

TEST_F(MssqlExpr, PrefixOperandsAreMissingAndQuantifiersKept) {
    auto* minus = As<TRkCustomExpression>(One<TRk_SelectStmt>("SELECT 1 WHERE - 5 = 1")->WhereCondition);
    ASSERT_NE(minus, nullptr);
    auto* neg = As<TRkCustomExpression>(minus->LeftOperand);
    ASSERT_NE(neg, nullptr);
    EXPECT_EQ(Pic(neg->ExprType, neg->LeftOperand == nullptr, TokText(neg->OperatorToken),
                  As<TRkCustomExpression>(neg->RightOperand) != nullptr),
              Pic(Expr_Arithmetic, "1 - 1"));

    const struct {
        const char* Expr;
        const char* Want;  // modifier, quantifier, operator, right operand
    } quantified[] = {
        {"a = ANY (SELECT b FROM t)", "1 ANY = SELECT"},
        {"a > ALL (1, 2)", "3 ALL > (1,2)"},
        {"(a, b) <> SOME (SELECT 1, 2)", "2 SOME <> SELECT"},
    };
    for (const auto& q : quantified) {
        auto* e = As<TRkCustomExpression>(One<TRk_SelectStmt>(std::string("SELECT 1 WHERE ") + q.Expr)->WhereCondition);
        ASSERT_NE(e, nullptr) << q.Expr;
        EXPECT_EQ(e->ExprType, Expr_AllOp) << q.Expr;
        EXPECT_EQ(Pic(e->Modifier, TokText(e->QuantifierToken), TokText(e->OperatorToken), Shape(e->RightOperand)), q.Want);
    }
    // A row compared with a row, and a row with a query (no quantifier); a
    // single parenthesised expression is never a row.
    EXPECT_EQ(Where("(a, b) = (1, 2)"), "AllOp[=]((a,b),(1,2))");
    EXPECT_EQ(Where("(a, b) <> SOME (SELECT 1, 2)"), "AllOp[<>]((a,b),SELECT)");
    EXPECT_EQ(Where("(a) = 1"), "Cmp[=]((a),1)");
}

TEST_F(MssqlExpr, KeywordOperatorsKeepTheirWordsAsOwnTokens) {
    const TShapeCase cases[] = {
        {"a NOT LIKE b", "NOT|LIKE"},         {"a IS NULL", "IS|NULL"},       {"a IS NOT NULL", "IS|NOT|NULL"},
        {"x NOT BETWEEN 1 AND 2", "NOT|BETWEEN"}, {"x NOT IN (1, 2)", "NOT|IN"}, {"x BETWEEN 1 AND 2", ""},
        {"a = b", ""},                        {"EXISTS (SELECT 1)", "EXISTS"},
    };
    for (const TShapeCase& c : cases)
        EXPECT_EQ(OwnTokens(One<TRk_SelectStmt>(std::string("SELECT 1 WHERE ") + c.Expr)->WhereCondition), c.Shape)
            << c.Expr;
}

TEST_F(MssqlExpr, CaseExpressions) {
    auto* c = As<TRkCaseExpression>(Selected("CASE WHEN a = 1 THEN 'x' WHEN a = 2 THEN 'y' END"));
    ASSERT_TRUE(c && c->ElseClause);
    EXPECT_EQ(Pic(c->InputExpr == nullptr, c->ElseExpr == nullptr, As<TRk_DummyNode>(c->ElseClause)->Sub1 == nullptr,
                  OwnTokens(c), Shape(c)),
              "1 1 1 CASE|END CASE(_;W:Cmp[=](a,1)T:'x';W:Cmp[=](a,2)T:'y';E:_)");
    c = As<TRkCaseExpression>(Selected("CASE x WHEN 1 THEN 2 ELSE 3 END"));
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(Pic(Shape(c), OwnTokens(c->ElseClause), OwnTokens(As<TRk_Node>(c->WhenList->Items[0]))),
              "CASE(x;W:1T:2;E:3) ELSE WHEN|THEN");
}

TEST_F(MssqlExpr, ConstantsByKind) {
    const struct {
        const char* Text;
        const char* Want;  // kind, own tokens
    } cases[] = {
        {"12", "55 12"},           {"1.5", "48 1.5"},       {"0x1f", "48 0x1f"},
        {"'it''s'", "172 'it''s'"}, {"N'x'", "172 N'x'"},    {"NULL", "64 NULL"},
        {"@@ERROR", "67 @@ERROR"}, {"CURRENT DATE", "68 CURRENT|DATE"}, {"CURRENT TIMESTAMP", "69 CURRENT|TIMESTAMP"},
    };
    for (const auto& c : cases) {
        TRkCustomExpression* e = Selected(c.Text);
        ASSERT_NE(e, nullptr) << c.Text;
        EXPECT_EQ(e->ExprType, Expr_Const) << c.Text;
        auto* k = As<TRk_A_Const>(e->LeftOperand);
        ASSERT_NE(k, nullptr) << c.Text;
        EXPECT_EQ(Pic(k->ConstKind, OwnTokens(k)), c.Want);
    }
}

TEST_F(MssqlExpr, FunctionCalls) {
    const struct {
        const char* Text;
        const char* Want;  // name, star, distinct, all, arguments, own tokens
    } cases[] = {
        {"count(*)", "count 1 0 0 <nil> (|*|)"},
        {"count(DISTINCT a, b)", "count 0 1 0 a,b (|DISTINCT|)"},
        {"max(ALL x)", "max 0 0 1 x (|ALL|)"},
        {"getdate()", "getdate 0 0 0 <nil> (|)"},
        // Keywords of the function-name list, variables and qualified names.
        {"left(a, 2)", "left 0 0 0 a,2 (|)"},
        {"dbo.fn(1)", "dbo.fn 0 0 0 1 (|)"},
        {"@f(1)", "@f 0 0 0 1 (|)"},
    };
    for (const auto& c : cases) {
        TRk_FuncCall* f = SelectedCall(c.Text);
        ASSERT_NE(f, nullptr) << c.Text;
        EXPECT_EQ(Pic(NameText(f->NameAttr), f->IsStar, f->IsDistinct, f->IsAll, ListShape(f->ArgList), OwnTokens(f)), c.Want);
    }
}

TEST_F(MssqlExpr, SpecialFunctions) {
    TRk_FuncCall* f = SelectedCall("CAST(a AS varchar(10))");
    ASSERT_TRUE(f && f->CastType);
    EXPECT_EQ(Pic(f->CallForm, Shape(f->CastExpr), f->CastType->TypeForm, f->CastType->Param1, OwnTokens(f)),
              "2 a 41 10 CAST|(|AS|)");

    const struct {
        const char* Text;
        const char* Want;  // style argument, own tokens
    } converts[] = {
        {"CONVERT(varchar(10), d, 112)", "112 CONVERT|(|,|,|112|)"},
        {"CONVERT(int, d, @style)", "@style CONVERT|(|,|,|@style|)"},
        {"CONVERT(int, d)", "<nil> CONVERT|(|,|)"},
    };
    for (const auto& c : converts) {
        f = SelectedCall(c.Text);
        ASSERT_NE(f, nullptr) << c.Text;
        EXPECT_EQ(f->CallForm, 3);
        EXPECT_EQ(Pic(f->StyleArg ? TokText(f->StyleArg->AsToken()) : "<nil>", OwnTokens(f)), c.Want);
    }

    f = SelectedCall("EXTRACT()");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(Pic(f->CallForm, f->ExtractArgs == nullptr), "4 1");
    f = SelectedCall("EXTRACT(YEAR FROM d)");
    ASSERT_TRUE(f && f->ExtractArgs);
    EXPECT_EQ(Pic(TokText(f->ExtractArgs->FieldToken), OwnTokens(f->ExtractArgs)), "YEAR FROM");

    f = SelectedCall("TRIM(x)");
    ASSERT_TRUE(f && f->TrimArgs);
    EXPECT_EQ(Pic(f->CallForm, f->TrimKind, f->TrimArgs->TrimChar == nullptr, f->TrimArgs->HasFrom,
                  ListShape(f->TrimArgs->SourceList)),
              "1 0 1 0 x");
    f = SelectedCall("TRIM(LEADING 'a' FROM x)");
    ASSERT_TRUE(f && f->TrimArgs);
    EXPECT_EQ(Pic(f->TrimKind, Shape(f->TrimArgs->TrimChar), f->TrimArgs->HasFrom, OwnTokens(f)), "2 'a' 1 TRIM|(|LEADING|)");
}

TEST_F(MssqlExpr, SelectListItemsAreValueExpressions) {
    // LIKE, IN, AND, OR and NOT need parentheses in a select-list item.
    // TYPECAST and OVERLAPS have no scanner word: "::" and "overlaps" are
    // something else.
    for (const char* s : {"SELECT a LIKE b FROM t", "SELECT a AND b FROM t", "SELECT NOT a FROM t",
                          "SELECT 1 WHERE (a, b) OVERLAPS (c, d)"})
        EXPECT_TRUE(Rejects(s)) << s;
    auto* s = One<TRk_SelectStmt>("SELECT (a AND b), a + b * c, -x FROM t");
    EXPECT_EQ(ListShape(s->TargetList), "<TRk_ResTarget>,<TRk_ResTarget>,<TRk_ResTarget>");
    EXPECT_EQ(Shape(As<TRk_ResTarget>(s->TargetList->Items[1])->ValueExpr), "Arith[+](a,Arith[*](b,c))");
}

}  // namespace
