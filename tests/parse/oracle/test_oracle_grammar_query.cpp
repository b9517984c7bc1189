// Queries: statement list, SELECT clauses, set operations, parentheses,
// ORDER BY, GROUP BY, FOR UPDATE, FROM list and joins, names and aliases.
#include "test_oracle_grammar_support.h"

using namespace oracle_test;

namespace {

class QueryGrammar : public OracleGrammar {
protected:
    TRk_SelectStmt* Select(const std::string& Text) { return Stmt<TRk_SelectStmt>(Text); }
};

template <class T>
T* At(TRk_List* L, int I) {
    return L && I < L->Count() ? As<T>(L->GetItem(I)) : nullptr;
}

// The value expression of the I-th select item.
TRkCustomExpression* ItemExpr(TRk_SelectStmt* Q, int I) {
    return As<TRkCustomExpression>(At<TRk_ResTarget>(Q->TargetList, I)->ValueExpr);
}

TEST_F(QueryGrammar, PlainSelectBuildsEveryHolder) {
    TRk_SelectStmt* q = Select("select a from t where x = 1");
    auto* d = MUST(As<TRk_SelectDistinct>(q->DistinctClause));
    ASSERT_EQ(Count(q->TargetList), 1);
    ASSERT_EQ(Count(q->FromList), 1);
    EXPECT_EQ(Fields(q->NodeKind, OwnTokens(q), q->SelectToken, d->DistinctKind, OwnTokens(d), OwnTokens(q->IntoClause),
                     q->IntoList, OwnTokens(q->FromClause), OwnTokens(q->WhereClause), OwnTokens(q->GroupByClause),
                     OwnTokens(q->HavingClause), q->HierarchicalClause),
              "170 select select 0 - - nil from where - - nil");
    TRkCustomExpression* e = MUST(ItemExpr(q, 0));
    EXPECT_EQ(e->ExprType, Expr_Attr);
    EXPECT_NE(As<TRk_Attr>(e->LeftOperand), nullptr);
    EXPECT_EQ(TokText(As<TRk_Attr>(At<TRk_TableRef>(q->FromList, 0)->Source)->NameToken), "t");
    auto* w = MUST(As<TRkCustomExpression>(q->WhereCondition));
    auto* rhs = MUST(As<TRkCustomExpression>(w->RightOperand));
    auto* k = MUST(As<TRk_A_Const>(rhs->LeftOperand));
    EXPECT_EQ(w->ExprType, Expr_Comparison);
    EXPECT_EQ(rhs->ExprType, Expr_Const);
    EXPECT_EQ(Fields(w->OperatorToken, k->ConstKind, OwnTokens(k)), "= 55 1");
}

TEST_F(QueryGrammar, StatementListKeepsTheFirstStatement) {
    TRk_SelectStmt* q = Select("select a from t;");
    EXPECT_EQ(TokText(q->SelectToken), "select");
    q = Select("select a from t; select b from u");
    EXPECT_EQ(Sx(ItemExpr(q, 0)), "a");
    // An empty statement is accepted and builds nothing.
    EXPECT_EQ(Parse(";"), nullptr);
    EXPECT_EQ(Result, 0);
}

TEST_F(QueryGrammar, SetOperationsGroupFromTheLeft) {
    TRk_SelectStmt* q = Select("select a from t union all select b from u intersect select c from v");
    auto* left = MUST(As<TRk_SelectStmt>(q->LeftSelect));
    EXPECT_EQ(Fields(q->SetOperation, q->SetAllToken, q->SetOperatorToken, OwnTokens(q), left->SetOperation,
                     left->SetAllToken),
              "4 <nil> intersect - 2 all");
    q = Select("select a from t minus all select b from u");
    EXPECT_EQ(Fields(q->SetOperation, q->SetAllToken), "3 all");
    q = Select("select a from t union select b from u minus select c from v");
    EXPECT_EQ(Fields(q->SetOperation, As<TRk_SelectStmt>(q->LeftSelect)->SetOperation), "3 1");
}

TEST_F(QueryGrammar, ParenthesesGoIntoTheQueryTokens) {
    TRk_SelectStmt* q = Select("((select a from t))");
    EXPECT_EQ(Fields(OwnTokens(q), q->ParenCount, q->InnerParenCount), "(|(|)|)|select 2 0");
    q = Select("((select a from t) order by a)");
    EXPECT_EQ(Fields(OwnTokens(q), q->InnerParenCount, q->ParenCount, q->SortList, OwnTokens(q->OrderByClause)),
              "(|(|)|)|select 1 1 set order|by");
    q = Select("(select a from t) for update");
    EXPECT_EQ(Fields(q->ParenCount, q->InnerParenCount, q->ForUpdateClause), "0 0 set");
    EXPECT_EQ(OwnTokens(Select("(select a from t union select b from u)")), "(|)");
}

TEST_F(QueryGrammar, SecondOrderByRaises) {
    const struct { const char* Text; const char* Message; } cases[] = {
        {"(select a from t order by a) order by b", "Multiple ORDER BY clauses not allowed"},
        {"(select a from t for update) for update", "Multiple FOR UPDATE clauses not allowed"},
    };
    for (const auto& c : cases) {
        try {
            Parse(c.Text);
            ADD_FAILURE() << "no exception: " << c.Text;
        } catch (const std::exception& e) {
            EXPECT_STREQ(e.what(), c.Message);
        }
    }
}

TEST_F(QueryGrammar, DistinctIntoHierarchicalGroupHaving) {
    TRk_SelectStmt* q = Select("select distinct on (a, b) a into :x, :y from t start with p is null "
                               "connect by prior id = p group by a having count(*) > 1");
    auto* d = As<TRk_SelectDistinct>(q->DistinctClause);
    auto* h = MUST(As<TRk_hierarchial_query_clause>(q->HierarchicalClause));
    EXPECT_EQ(Fields(d->DistinctKind, OwnTokens(d), Count(d->OnList), OwnTokens(q->IntoClause), Count(q->IntoList),
                     q->IsBulkCollect, OwnTokens(q->GroupByClause), OwnTokens(q->HavingClause), Sx(q->HavingCondition)),
              "2 distinct|on|(|) 2 into 2 0 group|by having (> count[] 1)");
    EXPECT_EQ(Fields(h->StartWithFirst, OwnTokens(h), Sx(h->StartWithCondition), Sx(h->ConnectByCondition)),
              "1 start|with|connect|by (isnull p) (prior _ (= id p))");

    q = Select("select unique a bulk collect into :v from t where current of c");
    EXPECT_EQ(Fields(As<TRk_SelectDistinct>(q->DistinctClause)->DistinctKind, q->IsBulkCollect,
                     OwnTokens(q->IntoClause), OwnTokens(q->WhereClause)),
              "4 1 bulk|collect|into where|current|of");
    q = Select("select all a from t connect by a = b");
    EXPECT_EQ(Fields(As<TRk_SelectDistinct>(q->DistinctClause)->DistinctKind, OwnTokens(q->HierarchicalClause)),
              "3 connect|by");
}

TEST_F(QueryGrammar, OrderByItems) {
    TRk_SelectStmt* q = Select("select a from t order by a nulls last");
    ASSERT_EQ(Count(q->SortList), 1);
    auto* s = At<TRk_SortGroupBy>(q->SortList, 0);
    EXPECT_EQ(Fields(s->NullsOrder, OwnTokens(s->NullsClause), s->SortToken), "2 nulls|last <nil>");
    q = Select("select a from t order by a desc nulls first, b asc, c using <");
    ASSERT_EQ(Count(q->SortList), 3);
    auto* s0 = At<TRk_SortGroupBy>(q->SortList, 0);
    auto* s1 = At<TRk_SortGroupBy>(q->SortList, 1);
    EXPECT_EQ(Fields(s0->SortToken, s0->NullsOrder, s1->SeparatorToken, s1->NullsOrder, OwnTokens(s1->NullsClause),
                     At<TRk_SortGroupBy>(q->SortList, 2)->SortToken),
              "desc 1 , 0 - using");
}

TEST_F(QueryGrammar, ForUpdateClauses) {
    TRk_SelectStmt* q = Select("select * from t for update of t.a nowait");
    auto* f = MUST(q->ForUpdateClause);
    auto* w = MUST(As<TRk_DummyNode>(f->WaitOption));
    EXPECT_EQ(Fields(f->ForUpdateKind, OwnTokens(f), Count(f->ColumnList), w->GetStr1(), OwnTokens(w)),
              "1 for|update|of 1 nowait nowait");
    q = Select("select * from t for update wait 5");
    w = As<TRk_DummyNode>(q->ForUpdateClause->WaitOption);
    EXPECT_EQ(Fields(q->ForUpdateClause->ForUpdateKind, w->Int1, OwnTokens(w)), "3 5 wait|5");
    q = Select("select * from t for read only");
    EXPECT_EQ(Fields(q->ForUpdateClause->ForUpdateKind, OwnTokens(q->ForUpdateClause)), "2 for|read|only");
    q = Select("select * from t order by a for update");
    EXPECT_EQ(q->ForUpdateClause->WaitOption, nullptr);
    // The star item is an identifier expression with the '*' as own token.
    EXPECT_EQ(ItemExpr(q, 0)->ExprType, Expr_Ident);
    EXPECT_EQ(OwnTokens(ItemExpr(q, 0)->LeftOperand), "*");
}

TEST_F(QueryGrammar, GroupByRollupCubeGroupingSets) {
    TRk_SelectStmt* q = Select("select a from t group by rollup(a, (b, c))");
    auto* r = MUST(At<TRkCustomExpression>(q->GroupByList, 0));
    auto* items = As<TRk_List>(r->LeftOperand);
    ASSERT_EQ(Count(items), 2);
    auto* p = At<TRkCustomExpression>(items, 1);
    EXPECT_EQ(r->ExprType, Expr_Rollup);
    EXPECT_EQ(At<TRkCustomExpression>(items, 0)->ExprType, Expr_Attr);
    EXPECT_EQ(p->ExprType, Expr_Parenthesis);
    EXPECT_EQ(Fields(r->OperatorToken, OwnTokens(r), SxList(As<TRk_List>(p->LeftOperand))), "rollup (|) [b,c]");
    q = Select("select a from t group by cube(a), grouping sets (a, (b)), d");
    ASSERT_EQ(Count(q->GroupByList), 3);
    EXPECT_EQ(At<TRkCustomExpression>(q->GroupByList, 0)->ExprType, Expr_Cube);
    auto* g = At<TRkCustomExpression>(q->GroupByList, 1);
    EXPECT_EQ(g->ExprType, Expr_GroupingSets);
    // A single parenthesised element is a parenthesised expression.
    EXPECT_EQ(Fields(OwnTokens(g), Sx(As<TRk_List>(g->LeftOperand)->GetItem(1))), "sets|(|) (b)");
    // ROLLUP used as a name is a call.
    EXPECT_EQ(ItemExpr(Select("select rollup(a) from t"), 0)->ExprType, Expr_FuncCall);
}

TEST_F(QueryGrammar, JoinsAndTableReferences) {
    TRk_SelectStmt* q = Select("select a from t1 left outer join t2 on x = y");
    auto* j = MUST(At<TRk_JoinExpr>(q->FromList, 0));
    ASSERT_NE(j->JoinTypeClause, nullptr);
    EXPECT_EQ(Fields(j->JoinType, OwnTokens(j), j->JoinTypeClause->Tok1, j->JoinTypeClause->Tok2,
                     j->Qualification->QualKind, OwnTokens(j->Qualification)),
              "8 join left outer 2 on");

    q = Select("select a from a join b on x join c using (k, l)");
    j = At<TRk_JoinExpr>(q->FromList, 0);
    ASSERT_NE(j, nullptr);
    EXPECT_EQ(Fields(As<TRk_JoinExpr>(j->LeftRef), j->JoinType, j->Qualification->QualKind, OwnTokens(j->Qualification),
                     Count(j->Qualification->UsingList),
                     j->Qualification->UsingList->GetItem(1)->AsToken()->GetSeparatorToken()),
              "set 0 1 using|(|) 2 ,");

    const struct { const char* Text; int Type; const char* Tokens; } kinds[] = {
        {"select a from a cross join b", 1, "cross|join"},
        {"select a from a natural join b", 2, "natural|join"},
        {"select a from a full join b on 1 = 1", 4, "join"},
        {"select a from a left join b on 1 = 1", 5, "join"},
        {"select a from a right join b on 1 = 1", 6, "join"},
        {"select a from a full outer join b on 1 = 1", 7, "join"},
        {"select a from a right outer join b on 1 = 1", 9, "join"},
        {"select a from a inner join b on 1 = 1", 10, "join"},
        {"select a from (a join b on 1 = 1)", 11, "(|)"},
    };
    for (const auto& k : kinds) {
        q = Select(k.Text);
        j = At<TRk_JoinExpr>(q->FromList, 0);
        ASSERT_NE(j, nullptr) << k.Text;
        EXPECT_EQ(Fields(j->JoinType, OwnTokens(j)), Fields(k.Type, k.Tokens)) << k.Text;
    }
    j = At<TRk_JoinExpr>(Select("select a from (a join b on 1 = 1) x")->FromList, 0);
    EXPECT_EQ(Fields(j->JoinType, j->Alias->AliasToken), "11 x");

    q = Select("select a from s.t x, (select 1 from dual) as y, table(f(1)) z, t2 'w'");
    ASSERT_EQ(Count(q->FromList), 4);
    auto* r0 = At<TRk_TableRef>(q->FromList, 0);
    auto* r1 = At<TRk_TableRef>(q->FromList, 1);
    auto* r2 = At<TRk_TableRef>(q->FromList, 2);
    EXPECT_EQ(Fields(Sx(r0->Source), r0->Alias->AliasToken, r0->Alias->HasAs), "s.t x 0");
    EXPECT_EQ(Fields(As<TRk_SelectStmt>(r1->Source), r1->Alias->HasAs, OwnTokens(r1->Alias), r1->SeparatorToken),
              "set 1 as ,");
    EXPECT_EQ(Fields(r2->IsTableCollection, OwnTokens(r2), At<TRk_TableRef>(q->FromList, 3)->Alias->AliasToken),
              "1 table|(|) 'w'");
}

TEST_F(QueryGrammar, NamesAndAliases) {
    TRk_SelectStmt* q = Select("select a x, b as \"y\", c as 'z', t.*, s.t.* from u@link");
    ASSERT_EQ(Count(q->TargetList), 5);
    auto* i0 = At<TRk_ResTarget>(q->TargetList, 0);
    auto* i1 = At<TRk_ResTarget>(q->TargetList, 1);
    auto* i2 = At<TRk_ResTarget>(q->TargetList, 2);
    EXPECT_EQ(Fields(i0->HasAlias, SxList(i0->AliasClause->NameParts), i0->AliasClause->HasAs), "1 [x] 0");
    EXPECT_EQ(Fields(SxList(i1->AliasClause->NameParts), OwnTokens(i1->AliasClause), i1->SeparatorToken), "[\"y\"] as ,");
    EXPECT_EQ(Fields(i2->AliasClause->AliasToken, i2->AliasClause->NameParts), "'z' nil");
    auto* a3 = As<TRk_Attr>(ItemExpr(q, 3)->LeftOperand);
    auto* a4 = As<TRk_Attr>(ItemExpr(q, 4)->LeftOperand);
    EXPECT_EQ(Fields(AttrText(a3), a3->DotToken, OwnTokens(a3)), "t.* . -");
    EXPECT_EQ(Fields(AttrText(a4), a4->NameParts->GetItem(1)->AsToken()->GetSeparatorToken()), "s.t.* .");
    auto* from = As<TRk_Attr>(At<TRk_TableRef>(q->FromList, 0)->Source);
    EXPECT_EQ(Fields(from->AtToken, AttrText(from)), "@ u@link");

    // '@' groups from the left: the second link replaces the first.
    q = Select("select a from a@b@c");
    EXPECT_EQ(AttrText(As<TRk_Attr>(At<TRk_TableRef>(q->FromList, 0)->Source)), "a@c");
    // A dotted alias.
    q = Select("select a as x.y from t");
    EXPECT_EQ(SxList(At<TRk_ResTarget>(q->TargetList, 0)->AliasClause->NameParts), "[x,y]");
}

TEST_F(QueryGrammar, KeywordsAsNames) {
    const char* ok[] = {
        "select level, size, comment, name, user, value, timestamp, row from t",
        "select type.a, full.b, left.c from type.t, full.u",
        "select t.type from t",
        "select :t from :t",
        "select \"select\" from \"from\"",
        "select a as int from t",
        "select date from t",
    };
    for (const char* s : ok) EXPECT_NE(Select(s), nullptr) << s;
    const char* bad[] = {
        "select select from t", "select a from order", "select a as date from t", "select number from t",
        "select a from type",
    };
    for (const char* s : bad) {
        Parse(s);
        EXPECT_EQ(Errors.size(), 1u) << s;
    }
}

}  // namespace
