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
        {"x IS OF (int)", "NotSupported[IS](_,_)"},
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

TEST_F(MssqlExpr, PrefixAndPostfixOperandsAreMissing) {
    auto* minus = As<TRkCustomExpression>(One<TRk_SelectStmt>("SELECT 1 WHERE - 5 = 1")->WhereCondition);
    ASSERT_NE(minus, nullptr);
    auto* neg = As<TRkCustomExpression>(minus->LeftOperand);
    ASSERT_NE(neg, nullptr);
    EXPECT_EQ(neg->ExprType, Expr_Arithmetic);
    EXPECT_EQ(neg->LeftOperand, nullptr);
    EXPECT_EQ(TokText(neg->OperatorToken), "-");
    EXPECT_NE(As<TRkCustomExpression>(neg->RightOperand), nullptr);
}

TEST_F(MssqlExpr, KeywordOperatorsKeepTheirWordsAsOwnTokens) {
    const TShapeCase cases[] = {
        {"a NOT LIKE b", "NOT|LIKE"},
        {"a IS NULL", "IS|NULL"},
        {"a IS NOT NULL", "IS|NOT|NULL"},
        {"x NOT BETWEEN 1 AND 2", "NOT|BETWEEN"},
        {"x NOT IN (1, 2)", "NOT|IN"},
        {"x BETWEEN 1 AND 2", ""},
        {"a = b", ""},
        {"EXISTS (SELECT 1)", "EXISTS"},
    };
    for (const TShapeCase& c : cases) {
        auto* s = One<TRk_SelectStmt>(std::string("SELECT 1 WHERE ") + c.Expr);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(OwnTokens(s->WhereCondition), c.Shape) << c.Expr;
    }
}

TEST_F(MssqlExpr, QuantifiedComparisons) {
    auto* e = As<TRkCustomExpression>(One<TRk_SelectStmt>("SELECT 1 WHERE a = ANY (SELECT b FROM t)")->WhereCondition);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->ExprType, Expr_AllOp);
    EXPECT_EQ(e->Modifier, 1);
    EXPECT_EQ(TokText(e->QuantifierToken), "ANY");
    EXPECT_EQ(TokText(e->OperatorToken), "=");

    e = As<TRkCustomExpression>(One<TRk_SelectStmt>("SELECT 1 WHERE a > ALL (1, 2)")->WhereCondition);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->Modifier, 3);
    EXPECT_EQ(Shape(e->RightOperand), "(1,2)");

    // A row compared with a row, and a row with a query (no quantifier).
    EXPECT_EQ(Where("(a, b) = (1, 2)"), "AllOp[=]((a,b),(1,2))");
    EXPECT_EQ(Where("(a, b) <> SOME (SELECT 1, 2)"), "AllOp[<>]((a,b),SELECT)");
    e = As<TRkCustomExpression>(One<TRk_SelectStmt>("SELECT 1 WHERE (a, b) <> SOME (SELECT 1, 2)")->WhereCondition);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->Modifier, 2);
    // A single parenthesised expression is never a row.
    EXPECT_EQ(Where("(a) = 1"), "Cmp[=]((a),1)");
}

TEST_F(MssqlExpr, CaseExpressions) {
    auto* s = One<TRk_SelectStmt>("SELECT CASE WHEN a = 1 THEN 'x' WHEN a = 2 THEN 'y' END FROM t");
    ASSERT_NE(s, nullptr);
    auto* rt = As<TRk_ResTarget>(s->TargetList->Items[0]);
    ASSERT_NE(rt, nullptr);
    auto* c = As<TRkCaseExpression>(rt->ValueExpr);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->InputExpr, nullptr);
    EXPECT_EQ(c->ElseExpr, nullptr);
    ASSERT_NE(c->ElseClause, nullptr);
    EXPECT_EQ(As<TRk_DummyNode>(c->ElseClause)->Sub1, nullptr);
    EXPECT_EQ(OwnTokens(c), "CASE|END");
    EXPECT_EQ(Shape(c), "CASE(_;W:Cmp[=](a,1)T:'x';W:Cmp[=](a,2)T:'y';E:_)");

    s = One<TRk_SelectStmt>("SELECT CASE x WHEN 1 THEN 2 ELSE 3 END");
    ASSERT_NE(s, nullptr);
    c = As<TRkCaseExpression>(As<TRk_ResTarget>(s->TargetList->Items[0])->ValueExpr);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(Shape(c), "CASE(x;W:1T:2;E:3)");
    EXPECT_EQ(OwnTokens(c->ElseClause), "ELSE");
    auto* w = As<TRkCaseWhen>(c->WhenList->Items[0]);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(OwnTokens(w), "WHEN|THEN");
}

TEST_F(MssqlExpr, ConstantsByKind) {
    struct TConst {
        const char* Text;
        uint8_t Kind;
        const char* Tokens;
    } cases[] = {
        {"12", 55, "12"},        {"1.5", 48, "1.5"},         {"0x1f", 48, "0x1f"},
        {"'it''s'", 172, "'it''s'"}, {"N'x'", 172, "N'x'"}, {"NULL", 64, "NULL"},
        {"@@ERROR", 67, "@@ERROR"}, {"CURRENT DATE", 68, "CURRENT|DATE"},
        {"CURRENT TIMESTAMP", 69, "CURRENT|TIMESTAMP"},
    };
    for (const TConst& c : cases) {
        TRkCustomExpression* e = Selected(c.Text);
        ASSERT_NE(e, nullptr) << c.Text;
        EXPECT_EQ(e->ExprType, Expr_Const) << c.Text;
        auto* k = As<TRk_A_Const>(e->LeftOperand);
        ASSERT_NE(k, nullptr) << c.Text;
        EXPECT_EQ(k->ConstKind, c.Kind) << c.Text;
        EXPECT_EQ(OwnTokens(k), c.Tokens) << c.Text;
    }
}

TEST_F(MssqlExpr, FunctionCalls) {
    TRk_FuncCall* f = SelectedCall("count(*)");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->IsStar, 1);
    EXPECT_EQ(f->ArgList, nullptr);
    EXPECT_EQ(OwnTokens(f), "(|*|)");

    f = SelectedCall("count(DISTINCT a, b)");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->IsDistinct, 1);
    EXPECT_EQ(ListShape(f->ArgList), "a,b");
    EXPECT_EQ(OwnTokens(f), "(|DISTINCT|)");

    f = SelectedCall("max(ALL x)");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->IsAll, 1);

    f = SelectedCall("getdate()");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(NameText(f->NameAttr), "getdate");
    EXPECT_EQ(f->ArgList, nullptr);
    EXPECT_EQ(OwnTokens(f), "(|)");

    // Function names: keywords of the function-name list, variables and
    // qualified names.
    f = SelectedCall("left(a, 2)");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(NameText(f->NameAttr), "left");
    f = SelectedCall("dbo.fn(1)");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(NameText(f->NameAttr), "dbo.fn");
    f = SelectedCall("@f(1)");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(NameText(f->NameAttr), "@f");
}

TEST_F(MssqlExpr, SpecialFunctions) {
    TRk_FuncCall* f = SelectedCall("CAST(a AS varchar(10))");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->CallForm, 2);
    EXPECT_EQ(Shape(f->CastExpr), "a");
    ASSERT_NE(f->CastType, nullptr);
    EXPECT_EQ(f->CastType->TypeForm, 41);
    EXPECT_EQ(f->CastType->Param1, 10);
    EXPECT_EQ(OwnTokens(f), "CAST|(|AS|)");

    f = SelectedCall("CONVERT(varchar(10), d, 112)");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->CallForm, 3);
    ASSERT_NE(f->StyleArg, nullptr);
    ASSERT_NE(f->StyleArg->AsToken(), nullptr);
    EXPECT_EQ(f->StyleArg->AsToken()->Text, "112");
    EXPECT_EQ(OwnTokens(f), "CONVERT|(|,|,|112|)");
    f = SelectedCall("CONVERT(int, d, @style)");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->StyleArg->AsToken()->Text, "@style");
    f = SelectedCall("CONVERT(int, d)");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->StyleArg, nullptr);
    EXPECT_EQ(OwnTokens(f), "CONVERT|(|,|)");

    f = SelectedCall("EXTRACT()");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->CallForm, 4);
    EXPECT_EQ(f->ExtractArgs, nullptr);
    f = SelectedCall("EXTRACT(YEAR FROM d)");
    ASSERT_NE(f, nullptr);
    ASSERT_NE(f->ExtractArgs, nullptr);
    EXPECT_EQ(TokText(f->ExtractArgs->FieldToken), "YEAR");
    EXPECT_EQ(OwnTokens(f->ExtractArgs), "FROM");

    f = SelectedCall("TRIM(x)");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->CallForm, 1);
    EXPECT_EQ(f->TrimKind, 0);
    ASSERT_NE(f->TrimArgs, nullptr);
    EXPECT_EQ(f->TrimArgs->TrimChar, nullptr);
    EXPECT_EQ(f->TrimArgs->HasFrom, 0);
    EXPECT_EQ(ListShape(f->TrimArgs->SourceList), "x");
    f = SelectedCall("TRIM(LEADING 'a' FROM x)");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->TrimKind, 2);
    EXPECT_EQ(Shape(f->TrimArgs->TrimChar), "'a'");
    EXPECT_EQ(f->TrimArgs->HasFrom, 1);
    EXPECT_EQ(OwnTokens(f), "TRIM|(|LEADING|)");
}

TEST_F(MssqlExpr, SelectListItemsAreValueExpressions) {
    // LIKE, IN, AND, OR and NOT need parentheses in a select-list item.
    EXPECT_TRUE(Rejects("SELECT a LIKE b FROM t"));
    EXPECT_TRUE(Rejects("SELECT a AND b FROM t"));
    EXPECT_TRUE(Rejects("SELECT NOT a FROM t"));
    auto* s = One<TRk_SelectStmt>("SELECT (a AND b), a + b * c, -x FROM t");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(ListShape(s->TargetList), "<TRk_ResTarget>,<TRk_ResTarget>,<TRk_ResTarget>");
    EXPECT_EQ(Shape(As<TRk_ResTarget>(s->TargetList->Items[1])->ValueExpr), "Arith[+](a,Arith[*](b,c))");
}

TEST_F(MssqlExpr, NeverScannedTerminalsLeaveExpressionsAlone) {
    // TYPECAST and OVERLAPS have no scanner word: "::" and "overlaps" are
    // something else.
    EXPECT_TRUE(Rejects("SELECT 1 WHERE (a, b) OVERLAPS (c, d)"));
}

}  // namespace
