// INSERT, UPDATE, DELETE with RETURNING; function calls, select items and
// literals.
#include "test_oracle_grammar_support.h"

using namespace oracle_test;

namespace {

class DmlGrammar : public OracleParseFixture {
protected:
    template <class T>
    T* Stmt(const std::string& Text) {
        TRk_Node* root = Parse(Text);
        EXPECT_EQ(Result, 0) << Text;
        EXPECT_TRUE(Errors.empty()) << Text << ": " << (Errors.empty() ? "" : Errors[0].Expected);
        return As<T>(root);
    }
    // The expression of the only select item of «select <Item> from t».
    TRk_ResTarget* Item(const std::string& ItemText) {
        auto* q = Stmt<TRk_SelectStmt>("select " + ItemText + " from t");
        if (!q) return nullptr;
        return As<TRk_ResTarget>(q->TargetList->GetItem(0));
    }
    template <class T>
    T* ItemNode(const std::string& ItemText) {
        TRk_ResTarget* r = Item(ItemText);
        if (!r) return nullptr;
        auto* e = As<TRkCustomExpression>(r->ValueExpr);
        return e ? As<T>(e->LeftOperand) : nullptr;
    }
};

TEST_F(DmlGrammar, Delete) {
    auto* d = Stmt<TRk_DeleteStmt>("delete t where a = 1");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->NodeKind, 32);
    EXPECT_EQ(d->FromOmitted, 1);
    EXPECT_EQ(OwnTokens(d), "delete");
    EXPECT_EQ(Sx(d->WhereCondition), "(= a 1)");
    EXPECT_EQ(Sx(d->TargetTable->Source), "t");
    d = Stmt<TRk_DeleteStmt>("delete from t");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->FromOmitted, 0);
    EXPECT_EQ(OwnTokens(d), "delete|from");
    EXPECT_EQ(OwnTokens(d->WhereClause), "");
    EXPECT_EQ(d->WhereCondition, nullptr);
    EXPECT_EQ(d->ReturningClause, nullptr);
    d = Stmt<TRk_DeleteStmt>("delete from (select * from t) x returning a, b bulk collect into :p, :q");
    ASSERT_NE(d, nullptr);
    EXPECT_NE(As<TRk_SelectStmt>(d->TargetTable->Source), nullptr);
    EXPECT_EQ(TokText(d->TargetTable->Alias->AliasToken), "x");
    EXPECT_EQ(d->ReturningClause->ReturningKind, 2);
    EXPECT_EQ(OwnTokens(d->ReturningClause), "returning|bulk|collect|into");
    EXPECT_EQ(d->ReturningClause->ReturnList->Count(), 2);
}

TEST_F(DmlGrammar, Update) {
    auto* u = Stmt<TRk_UpdateStmt>("update t set a = 1, b = 2 where c = 3 returning a into :x");
    ASSERT_NE(u, nullptr);
    EXPECT_EQ(u->NodeKind, 180);
    EXPECT_EQ(OwnTokens(u), "update|set");
    ASSERT_EQ(u->SetList->Count(), 2);
    auto* s0 = As<TRkCustomExpression>(u->SetList->GetItem(0));
    EXPECT_EQ(s0->ExprType, Expr_Comparison);
    EXPECT_EQ(OwnTokens(s0), "=");
    EXPECT_EQ(TokText(s0->OperatorToken), "=");
    EXPECT_NE(As<TRk_Attr>(s0->LeftOperand), nullptr);
    auto* s1 = As<TRkCustomExpression>(u->SetList->GetItem(1));
    EXPECT_EQ(TokText(s1->SeparatorToken), ",");
    EXPECT_EQ(Sx(u->WhereCondition), "(= c 3)");
    ASSERT_NE(u->ReturningClause, nullptr);
    EXPECT_EQ(u->ReturningClause->ReturningKind, 1);
    EXPECT_EQ(OwnTokens(u->ReturningClause), "returning|into");
    ASSERT_EQ(u->ReturningClause->IntoList->Count(), 1);
    EXPECT_EQ(TokText(u->ReturningClause->IntoList->GetItem(0)->AsToken()), ":x");

    u = Stmt<TRk_UpdateStmt>("update t set (a, b) = (select x, y from u)");
    ASSERT_NE(u, nullptr);
    auto* e = As<TRkCustomExpression>(u->SetList->GetItem(0));
    EXPECT_EQ(e->ExprType, Expr_AllOp);
    EXPECT_EQ(e->Modifier, 0);
    auto* p = As<TRkCustomExpression>(e->LeftOperand);
    EXPECT_EQ(p->ExprType, Expr_Parenthesis);
    EXPECT_EQ(OwnTokens(p), "(|)");
    EXPECT_EQ(SxList(As<TRk_List>(p->LeftOperand)), "[a,b]");
    u = Stmt<TRk_UpdateStmt>("update t x set (a) = (select y from u) where 1 = 1");
    ASSERT_NE(u, nullptr);
    EXPECT_EQ(Sx(As<TRkCustomExpression>(u->SetList->GetItem(0))->LeftOperand), "(a)");
}

TEST_F(DmlGrammar, Insert) {
    auto* i = Stmt<TRk_InsertStmt>("insert into t (a, b) values (1, 2)");
    ASSERT_NE(i, nullptr);
    EXPECT_EQ(i->NodeKind, 57);
    EXPECT_EQ(OwnTokens(i), "insert|into");
    ASSERT_NE(i->TargetTable, nullptr);
    EXPECT_EQ(i->TargetTable->HasColumnList, 1);
    EXPECT_EQ(OwnTokens(i->TargetTable), "(|)");
    EXPECT_EQ(SxList(i->TargetTable->ColumnList), "[a,b]");
    ASSERT_NE(i->InsertRest, nullptr);
    EXPECT_EQ(OwnTokens(i->InsertRest), "values|(|)");
    ASSERT_EQ(i->InsertRest->ValuesList->Count(), 2);
    EXPECT_NE(As<TRk_ResTarget>(i->InsertRest->ValuesList->GetItem(0)), nullptr);
    EXPECT_EQ(i->ValuesList, i->InsertRest->ValuesList);
    EXPECT_EQ(i->SubSelect, nullptr);

    i = Stmt<TRk_InsertStmt>("insert into t select * from u");
    ASSERT_NE(i, nullptr);
    EXPECT_NE(i->SubSelect, nullptr);
    EXPECT_EQ(i->ValuesList, nullptr);
    EXPECT_EQ(Sx(i->TargetTable->Source), "t");
    EXPECT_EQ(i->TargetTable->HasColumnList, 0);

    i = Stmt<TRk_InsertStmt>("insert into t values (1) returning id into :id");
    ASSERT_NE(i, nullptr);
    EXPECT_EQ(Sx(i->TargetTable->Source), "t");
    EXPECT_EQ(i->ReturningClause->ReturningKind, 1);

    // An alias and a column list do not go together.
    Parse("insert into s.t x (a) (select 1 from dual)");
    EXPECT_EQ(Errors.size(), 1u);
    i = Stmt<TRk_InsertStmt>("insert into t (select 1 from dual)");
    ASSERT_NE(i, nullptr);
    EXPECT_NE(i->SubSelect, nullptr);
}

TEST_F(DmlGrammar, FunctionCalls) {
    auto* f = ItemNode<TRk_FuncCall>("count(*)");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->IsStar, 1);
    EXPECT_EQ(f->ArgList, nullptr);
    EXPECT_EQ(OwnTokens(f), "(|*|)");
    EXPECT_EQ(AttrText(f->NameAttr), "count");
    f = ItemNode<TRk_FuncCall>("count(distinct a)");
    EXPECT_EQ(f->IsDistinct, 1);
    EXPECT_EQ(OwnTokens(f), "(|distinct|)");
    f = ItemNode<TRk_FuncCall>("max(all a)");
    EXPECT_EQ(f->IsAll, 1);
    EXPECT_EQ(OwnTokens(f), "(|all|)");
    f = ItemNode<TRk_FuncCall>("s.pkg.f()");
    EXPECT_EQ(f->ArgList, nullptr);
    EXPECT_EQ(AttrText(f->NameAttr), "s.pkg.f");
    EXPECT_EQ(OwnTokens(f), "(|)");

    f = ItemNode<TRk_FuncCall>("row_number() over (partition by a order by b)");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->ArgList, nullptr);
    ASSERT_NE(f->Analytic, nullptr);
    EXPECT_EQ(OwnTokens(f->Analytic), "over|(|)");
    EXPECT_EQ(TokText(f->Analytic->PartitionToken), "partition");
    EXPECT_EQ(TokText(f->Analytic->ByToken), "by");
    EXPECT_EQ(f->Analytic->PartitionList->Count(), 1);
    ASSERT_NE(f->Analytic->OrderByClause, nullptr);
    EXPECT_EQ(OwnTokens(f->Analytic->OrderByClause), "order|by");
    f = ItemNode<TRk_FuncCall>("sum(a) over (order by b)");
    EXPECT_EQ(f->Analytic->PartitionList, nullptr);
    EXPECT_NE(f->Analytic->OrderByClause, nullptr);

    // Keywords used as function names keep their token in the name.
    f = ItemNode<TRk_FuncCall>("left(s, 3)");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(OwnTokens(f->NameAttr), "left");
    EXPECT_EQ(f->ArgList->Count(), 2);

    f = ItemNode<TRk_FuncCall>("cast(a as number(5))");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->CallForm, 2);
    EXPECT_EQ(OwnTokens(f), "cast|(|as|)");
    ASSERT_NE(f->CastType, nullptr);
    EXPECT_EQ(f->CastType->TypeForm, 11);
    EXPECT_EQ(f->CastType->Param1, 5);
    EXPECT_EQ(Sx(f->CastExpr), "a");
}

TEST_F(DmlGrammar, SelectItemsAndLiterals) {
    TRk_ResTarget* r = Item("a");
    EXPECT_EQ(r->HasAlias, 0);
    EXPECT_EQ(r->AliasClause, nullptr);

    struct { const char* Text; int Kind; const char* Tokens; } consts[] = {
        {"12", 55, "12"},
        {"1.5", 48, "1.5"},
        {"'s'", 172, "'s'"},
        {"null", 64, "null"},
        {"date '2020-01-01'", 103, "date|'2020-01-01'"},
        {"interval '2' day(3) to second(2)", 106, "interval|'2'|day|(|3|)|to|second|(|2|)"},
        {"interval '1' year to month", 104, "interval|'1'|year|to|month"},
        {"interval '3' month", 105, "interval|'3'|month"},
        {"interval 4 hour to minute", 107, "interval|4|hour|to|minute"},
        {"interval '5' minute(2)", 108, "interval|'5'|minute|(|2|)"},
        {"interval '6' second(2, 3)", 109, "interval|'6'|second|(|2|,|3|)"},
        {":v indicator :i", 12, ":v|indicator|:i"},
    };
    for (const auto& c : consts) {
        auto* k = ItemNode<TRk_A_Const>(c.Text);
        ASSERT_NE(k, nullptr) << c.Text;
        EXPECT_EQ(k->ConstKind, c.Kind) << c.Text;
        EXPECT_EQ(OwnTokens(k), c.Tokens) << c.Text;
    }
    auto* k = ItemNode<TRk_A_Const>("interval '2' day(3) to second(2)");
    EXPECT_EQ(k->ValueToken, nullptr);
    ASSERT_NE(k->LeadingPrecision, nullptr);
    EXPECT_EQ(k->LeadingPrecision->Int1, 3);
    ASSERT_NE(k->TrailingQualifier, nullptr);
    EXPECT_EQ(k->TrailingQualifier->Int1, 6);
    EXPECT_EQ(k->TrailingQualifier->Int2, 2);
    k = ItemNode<TRk_A_Const>("date '2020-01-01'");
    EXPECT_EQ(TokText(k->ValueToken), "'2020-01-01'");
    k = ItemNode<TRk_A_Const>("interval '6' second(2, 3)");
    EXPECT_EQ(k->LeadingPrecision->Int1, 2);
    EXPECT_EQ(k->LeadingPrecision->Int2, 3);
    EXPECT_EQ(k->TrailingQualifier, nullptr);
}

// The plain text of select items, calls and literals regenerates the source.
TEST_F(DmlGrammar, ItemTextRoundTrip) {
    const char* items[] = {
        "a", "t.a", "s.t.a", "t.*", "1", "-1", "+a", "a + b", "a - b * c", "a / b", "a || b", "'x' || a",
        "count(*)", "count(distinct a)", "max(all a)", "nvl(a, 'x')", "f()", "s.pkg.f(a, b, c)",
        "sum(a) over (partition by b, c order by d desc)", "rank() over (order by a nulls first)",
        "avg(x) over ()", "trim(trailing 'x' from a)", "trim(a)", "extract(month from d)",
        "cast(a as varchar2(10 byte))", "cast(a as timestamp(6) with local time zone)", "date '2020-01-01'",
        "interval '1' year", "interval '1-2' year(3) to month", "interval '2' day(3) to second(2)",
        ":v indicator :i", ":v", "null", "1.5e10", "a = b", "a < b", "a > b", "a <> b", "prior a",
        "case when a = 1 then 'x' when a = 2 then 'y' else 'z' end", "case a when 1 then 2 end",
        "(a + b) * c", "(a)", "left(s, 2)", "a as x", "a x", "a as \"Quoted Name\"", "a as 'str'",
        "decode(a, 1, 'x', 'y')", "substr(a, 1, 2) as s", "sysdate", "rownum", "level",
        "a /* c */ + /* d */ b", "to_char(d, 'YYYY') \"Y\"",
    };
    for (const char* it : items) {
        TRk_ResTarget* r = Item(it);
        ASSERT_NE(r, nullptr) << it;
        std::string text = Trimmed(r->ValueExpr->AsText());
        if (r->AliasClause) text = Trimmed(r->ValueExpr->AsText()) + " " + Trimmed(r->AliasClause->AsText());
        EXPECT_EQ(text, it) << it;
    }
}

}  // namespace
