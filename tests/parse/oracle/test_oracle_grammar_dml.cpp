// INSERT, UPDATE, DELETE with RETURNING; function calls, select items and
// literals, and the plain text of items and conditions.
#include "test_oracle_grammar_support.h"

using namespace oracle_test;

namespace {

class DmlGrammar : public OracleGrammar {
protected:
    // The select item of «select <Item> from t».
    TRk_ResTarget* Item(const std::string& ItemText) {
        return Must(As<TRk_ResTarget>(Stmt<TRk_SelectStmt>("select " + ItemText + " from t")->TargetList->GetItem(0)),
                    ItemText);
    }
    // The node under the expression of that item.
    template <class T>
    T* ItemNode(const std::string& ItemText) {
        return Must(As<T>(Must(As<TRkCustomExpression>(Item(ItemText)->ValueExpr), ItemText)->LeftOperand), ItemText);
    }
};

TEST_F(DmlGrammar, Delete) {
    auto* d = Stmt<TRk_DeleteStmt>("delete t where a = 1");
    EXPECT_EQ(Fields(d->NodeKind, d->FromOmitted, OwnTokens(d), Sx(d->WhereCondition), Sx(d->TargetTable->Source)),
              "32 1 delete (= a 1) t");
    d = Stmt<TRk_DeleteStmt>("delete from t");
    EXPECT_EQ(Fields(d->FromOmitted, OwnTokens(d), OwnTokens(d->WhereClause), d->WhereCondition, d->ReturningClause),
              "0 delete|from - nil nil");
    d = Stmt<TRk_DeleteStmt>("delete from (select * from t) x returning a, b bulk collect into :p, :q");
    EXPECT_EQ(Fields(As<TRk_SelectStmt>(d->TargetTable->Source), d->TargetTable->Alias->AliasToken,
                     d->ReturningClause->ReturningKind, OwnTokens(d->ReturningClause),
                     Count(d->ReturningClause->ReturnList)),
              "set x 2 returning|bulk|collect|into 2");
}

TEST_F(DmlGrammar, Update) {
    auto* u = Stmt<TRk_UpdateStmt>("update t set a = 1, b = 2 where c = 3 returning a into :x");
    ASSERT_EQ(Count(u->SetList), 2);
    ASSERT_NE(u->ReturningClause, nullptr);
    EXPECT_EQ(Fields(u->NodeKind, OwnTokens(u), Sx(u->WhereCondition), u->ReturningClause->ReturningKind,
                     OwnTokens(u->ReturningClause), SxList(u->ReturningClause->IntoList)),
              "180 update|set (= c 3) 1 returning|into [:x]");
    auto* s0 = As<TRkCustomExpression>(u->SetList->GetItem(0));
    EXPECT_EQ(s0->ExprType, Expr_Comparison);
    EXPECT_EQ(Fields(OwnTokens(s0), s0->OperatorToken, As<TRk_Attr>(s0->LeftOperand),
                     As<TRkCustomExpression>(u->SetList->GetItem(1))->SeparatorToken),
              "= = set ,");

    u = Stmt<TRk_UpdateStmt>("update t set (a, b) = (select x, y from u)");
    auto* e = As<TRkCustomExpression>(u->SetList->GetItem(0));
    auto* p = As<TRkCustomExpression>(e->LeftOperand);
    EXPECT_EQ(e->ExprType, Expr_AllOp);
    EXPECT_EQ(p->ExprType, Expr_Parenthesis);
    EXPECT_EQ(Fields(e->Modifier, OwnTokens(p), SxList(As<TRk_List>(p->LeftOperand))), "0 (|) [a,b]");
    u = Stmt<TRk_UpdateStmt>("update t x set (a) = (select y from u) where 1 = 1");
    EXPECT_EQ(Sx(As<TRkCustomExpression>(u->SetList->GetItem(0))->LeftOperand), "(a)");
}

TEST_F(DmlGrammar, Insert) {
    auto* i = Stmt<TRk_InsertStmt>("insert into t (a, b) values (1, 2)");
    ASSERT_NE(i->InsertRest, nullptr);
    EXPECT_EQ(Fields(i->NodeKind, OwnTokens(i), i->TargetTable->HasColumnList, OwnTokens(i->TargetTable),
                     SxList(i->TargetTable->ColumnList), OwnTokens(i->InsertRest), Count(i->InsertRest->ValuesList),
                     As<TRk_ResTarget>(i->InsertRest->ValuesList->GetItem(0)), i->SubSelect),
              "57 insert|into 1 (|) [a,b] values|(|) 2 set nil");
    EXPECT_EQ(i->ValuesList, i->InsertRest->ValuesList);

    i = Stmt<TRk_InsertStmt>("insert into t select * from u");
    EXPECT_EQ(Fields(i->SubSelect, i->ValuesList, Sx(i->TargetTable->Source), i->TargetTable->HasColumnList),
              "set nil t 0");
    i = Stmt<TRk_InsertStmt>("insert into t values (1) returning id into :id");
    EXPECT_EQ(Fields(Sx(i->TargetTable->Source), i->ReturningClause->ReturningKind), "t 1");

    // An alias and a column list do not go together.
    Parse("insert into s.t x (a) (select 1 from dual)");
    EXPECT_EQ(Errors.size(), 1u);
    i = Stmt<TRk_InsertStmt>("insert into t (select 1 from dual)");
    EXPECT_NE(i->SubSelect, nullptr);
}

TEST_F(DmlGrammar, FunctionCalls) {
    auto* f = ItemNode<TRk_FuncCall>("count(*)");
    EXPECT_EQ(Fields(f->IsStar, f->ArgList, OwnTokens(f), AttrText(f->NameAttr)), "1 nil (|*|) count");
    f = ItemNode<TRk_FuncCall>("count(distinct a)");
    EXPECT_EQ(Fields(f->IsDistinct, OwnTokens(f)), "1 (|distinct|)");
    f = ItemNode<TRk_FuncCall>("max(all a)");
    EXPECT_EQ(Fields(f->IsAll, OwnTokens(f)), "1 (|all|)");
    f = ItemNode<TRk_FuncCall>("s.pkg.f()");
    EXPECT_EQ(Fields(f->ArgList, AttrText(f->NameAttr), OwnTokens(f)), "nil s.pkg.f (|)");

    f = ItemNode<TRk_FuncCall>("row_number() over (partition by a order by b)");
    ASSERT_NE(f->Analytic, nullptr);
    TRk_AnalyticFunction* an = f->Analytic;
    EXPECT_EQ(Fields(f->ArgList, OwnTokens(an), an->PartitionToken, an->ByToken, Count(an->PartitionList),
                     OwnTokens(an->OrderByClause)),
              "nil over|(|) partition by 1 order|by");
    f = ItemNode<TRk_FuncCall>("sum(a) over (order by b)");
    EXPECT_EQ(Fields(f->Analytic->PartitionList, f->Analytic->OrderByClause), "nil set");

    // Keywords used as function names keep their token in the name.
    f = ItemNode<TRk_FuncCall>("left(s, 3)");
    EXPECT_EQ(Fields(OwnTokens(f->NameAttr), Count(f->ArgList)), "left 2");

    f = ItemNode<TRk_FuncCall>("cast(a as number(5))");
    ASSERT_NE(f->CastType, nullptr);
    EXPECT_EQ(Fields(f->CallForm, OwnTokens(f), f->CastType->TypeForm, f->CastType->Param1, Sx(f->CastExpr)),
              "2 cast|(|as|) 11 5 a");
}

TEST_F(DmlGrammar, SelectItemsAndLiterals) {
    TRk_ResTarget* r = Item("a");
    EXPECT_EQ(Fields(r->HasAlias, r->AliasClause), "0 nil");

    const struct { const char* Text; int Kind; const char* Tokens; } consts[] = {
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
        EXPECT_EQ(Fields(k->ConstKind, OwnTokens(k)), Fields(c.Kind, c.Tokens)) << c.Text;
    }
    auto* k = ItemNode<TRk_A_Const>("interval '2' day(3) to second(2)");
    ASSERT_NE(k->LeadingPrecision, nullptr);
    ASSERT_NE(k->TrailingQualifier, nullptr);
    EXPECT_EQ(Fields(k->ValueToken, k->LeadingPrecision->Int1, k->TrailingQualifier->Int1, k->TrailingQualifier->Int2),
              "<nil> 3 6 2");
    EXPECT_EQ(TokText(ItemNode<TRk_A_Const>("date '2020-01-01'")->ValueToken), "'2020-01-01'");
    k = ItemNode<TRk_A_Const>("interval '6' second(2, 3)");
    EXPECT_EQ(Fields(k->LeadingPrecision->Int1, k->LeadingPrecision->Int2, k->TrailingQualifier), "2 3 nil");
}

// The plain text of select items and conditions regenerates the source.
// (Sub-queries print through the select statement objects that wrap them,
// and a call's trailing ".name" through the expression printer: both are
// covered where those classes are tested.)
TEST_F(DmlGrammar, ItemTextRoundTrip) {
    const char* items[] = {
        "a", "t.a", "s.t.a", "t.*", "1", "-1", "+a", "a - b * c", "a / b", "'x' || a",
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
        std::string text = Trimmed(r->ValueExpr->AsText());
        if (r->AliasClause) text += " " + Trimmed(r->AliasClause->AsText());
        EXPECT_EQ(text, it) << it;
    }
    const char* conds[] = {
        "a = 1 or b = 2 and c = 3", "x not between 1 and 2", "x like 'a%' escape '\\'", "x not like 'a%'",
        "x in (1, 2, 3)", "x not in (1)", "a is null", "a is not null", "t.a (+) = b.c", "nvl(a, 0) + 1 > 2",
        "upper(trim(both ' ' from a)) = 'X'", "extract(year from sysdate) = 2020", "a || b || 'c' = d",
        "- a ^ b > 0", "a at time zone 'UTC' = b", "x <= all (1, 2)", "s.t.c = :v indicator :i", "not (a = b)",
        "prior a = b", "a between b + 1 and c * 2", "x = 1.5e3 and y = .5", "a /* inner */ = /* other */ b -- trailing",
    };
    for (const char* c : conds) {
        auto* q = Stmt<TRk_SelectStmt>(std::string("select x from t where ") + c);
        EXPECT_EQ(Trimmed(q->WhereCondition->AsText()), Trimmed(c)) << c;
    }
}

}  // namespace
