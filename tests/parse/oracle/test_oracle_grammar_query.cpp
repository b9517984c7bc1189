// Queries: statement list, SELECT clauses, set operations, parentheses,
// ORDER BY, GROUP BY, FOR UPDATE, FROM list and joins, names and aliases.
#include "test_oracle_grammar_support.h"

using namespace oracle_test;

namespace {

class QueryGrammar : public OracleParseFixture {
protected:
    TRk_SelectStmt* Select(const std::string& Text) {
        TRk_Node* root = Parse(Text);
        EXPECT_EQ(Result, 0) << Text;
        EXPECT_TRUE(Errors.empty()) << Text << ": " << (Errors.empty() ? "" : Errors[0].Expected);
        return As<TRk_SelectStmt>(root);
    }
};

TEST_F(QueryGrammar, PlainSelectBuildsEveryHolder) {
    TRk_SelectStmt* q = Select("select a from t where x = 1");
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(q->NodeKind, 170);
    EXPECT_EQ(OwnTokens(q), "select");
    EXPECT_EQ(TokText(q->SelectToken), "select");
    auto* d = As<TRk_SelectDistinct>(q->DistinctClause);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->DistinctKind, 0);
    EXPECT_EQ(OwnTokens(d), "");
    ASSERT_NE(q->TargetList, nullptr);
    ASSERT_EQ(q->TargetList->Count(), 1);
    auto* rt = As<TRk_ResTarget>(q->TargetList->GetItem(0));
    ASSERT_NE(rt, nullptr);
    auto* e = As<TRkCustomExpression>(rt->ValueExpr);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->ExprType, Expr_Attr);
    EXPECT_NE(As<TRk_Attr>(e->LeftOperand), nullptr);
    EXPECT_EQ(OwnTokens(q->IntoClause), "");
    EXPECT_EQ(q->IntoList, nullptr);
    EXPECT_EQ(OwnTokens(q->FromClause), "from");
    ASSERT_EQ(q->FromList->Count(), 1);
    auto* ref = As<TRk_TableRef>(q->FromList->GetItem(0));
    ASSERT_NE(ref, nullptr);
    EXPECT_EQ(TokText(As<TRk_Attr>(ref->Source)->NameToken), "t");
    EXPECT_EQ(OwnTokens(q->WhereClause), "where");
    auto* w = As<TRkCustomExpression>(q->WhereCondition);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->ExprType, Expr_Comparison);
    EXPECT_EQ(TokText(w->OperatorToken), "=");
    auto* rhs = As<TRkCustomExpression>(w->RightOperand);
    ASSERT_NE(rhs, nullptr);
    EXPECT_EQ(rhs->ExprType, Expr_Const);
    auto* k = As<TRk_A_Const>(rhs->LeftOperand);
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(k->ConstKind, 55);
    EXPECT_EQ(OwnTokens(k), "1");
    EXPECT_EQ(OwnTokens(q->GroupByClause), "");
    EXPECT_EQ(OwnTokens(q->HavingClause), "");
    EXPECT_EQ(q->HierarchicalClause, nullptr);
}

}  // namespace

namespace {

TEST_F(QueryGrammar, StatementListKeepsTheFirstStatement) {
    TRk_SelectStmt* q = Select("select a from t;");
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(TokText(q->SelectToken), "select");
    q = Select("select a from t; select b from u");
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(Sx(As<TRk_ResTarget>(q->TargetList->GetItem(0))->ValueExpr), "a");
    // An empty statement is accepted and builds nothing.
    EXPECT_EQ(Parse(";"), nullptr);
    EXPECT_EQ(Result, 0);
}

TEST_F(QueryGrammar, SetOperationsGroupFromTheLeft) {
    TRk_SelectStmt* q = Select("select a from t union all select b from u intersect select c from v");
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(q->SetOperation, 4);
    EXPECT_EQ(q->SetAllToken, nullptr);
    EXPECT_EQ(TokText(q->SetOperatorToken), "intersect");
    EXPECT_EQ(OwnTokens(q), "");
    auto* left = As<TRk_SelectStmt>(q->LeftSelect);
    ASSERT_NE(left, nullptr);
    EXPECT_EQ(left->SetOperation, 2);
    EXPECT_EQ(TokText(left->SetAllToken), "all");
    q = Select("select a from t minus all select b from u");
    EXPECT_EQ(q->SetOperation, 3);
    EXPECT_EQ(TokText(q->SetAllToken), "all");
    q = Select("select a from t union select b from u minus select c from v");
    EXPECT_EQ(q->SetOperation, 3);
    EXPECT_EQ(As<TRk_SelectStmt>(q->LeftSelect)->SetOperation, 1);
}

TEST_F(QueryGrammar, ParenthesesGoIntoTheQueryTokens) {
    TRk_SelectStmt* q = Select("((select a from t))");
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(OwnTokens(q), "(|(|)|)|select");
    EXPECT_EQ(q->ParenCount, 2);
    EXPECT_EQ(q->InnerParenCount, 0);
    q = Select("((select a from t) order by a)");
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(OwnTokens(q), "(|(|)|)|select");
    EXPECT_EQ(q->InnerParenCount, 1);
    EXPECT_EQ(q->ParenCount, 1);
    ASSERT_NE(q->SortList, nullptr);
    EXPECT_EQ(OwnTokens(q->OrderByClause), "order|by");
    q = Select("(select a from t) for update");
    EXPECT_EQ(q->ParenCount, 0);
    EXPECT_EQ(q->InnerParenCount, 0);
    ASSERT_NE(q->ForUpdateClause, nullptr);
    q = Select("(select a from t union select b from u)");
    EXPECT_EQ(OwnTokens(q), "(|)");
}

TEST_F(QueryGrammar, SecondOrderByRaises) {
    try {
        Parse("(select a from t order by a) order by b");
        FAIL() << "no exception";
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "Multiple ORDER BY clauses not allowed");
    }
    try {
        Parse("(select a from t for update) for update");
        FAIL() << "no exception";
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "Multiple FOR UPDATE clauses not allowed");
    }
}

TEST_F(QueryGrammar, DistinctIntoHierarchicalGroupHaving) {
    TRk_SelectStmt* q = Select("select distinct on (a, b) a into :x, :y from t start with p is null "
                               "connect by prior id = p group by a having count(*) > 1");
    ASSERT_NE(q, nullptr);
    auto* d = As<TRk_SelectDistinct>(q->DistinctClause);
    EXPECT_EQ(d->DistinctKind, 2);
    EXPECT_EQ(OwnTokens(d), "distinct|on|(|)");
    EXPECT_EQ(d->OnList->Count(), 2);
    EXPECT_EQ(OwnTokens(q->IntoClause), "into");
    EXPECT_EQ(q->IntoList->Count(), 2);
    EXPECT_EQ(q->IsBulkCollect, 0);
    auto* h = As<TRk_hierarchial_query_clause>(q->HierarchicalClause);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(h->StartWithFirst, 1);
    EXPECT_EQ(OwnTokens(h), "start|with|connect|by");
    EXPECT_EQ(Sx(h->StartWithCondition), "(isnull p)");
    EXPECT_EQ(Sx(h->ConnectByCondition), "(prior _ (= id p))");
    EXPECT_EQ(OwnTokens(q->GroupByClause), "group|by");
    EXPECT_EQ(OwnTokens(q->HavingClause), "having");
    EXPECT_EQ(Sx(q->HavingCondition), "(> count[] 1)");

    q = Select("select unique a bulk collect into :v from t where current of c");
    EXPECT_EQ(As<TRk_SelectDistinct>(q->DistinctClause)->DistinctKind, 4);
    EXPECT_EQ(q->IsBulkCollect, 1);
    EXPECT_EQ(OwnTokens(q->IntoClause), "bulk|collect|into");
    EXPECT_EQ(OwnTokens(q->WhereClause), "where|current|of");
    q = Select("select all a from t connect by a = b");
    EXPECT_EQ(As<TRk_SelectDistinct>(q->DistinctClause)->DistinctKind, 3);
    EXPECT_EQ(OwnTokens(q->HierarchicalClause), "connect|by");
}

TEST_F(QueryGrammar, OrderByItems) {
    TRk_SelectStmt* q = Select("select a from t order by a nulls last");
    ASSERT_NE(q, nullptr);
    ASSERT_EQ(q->SortList->Count(), 1);
    auto* s = As<TRk_SortGroupBy>(q->SortList->GetItem(0));
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->NullsOrder, 2);
    EXPECT_EQ(OwnTokens(s->NullsClause), "nulls|last");
    EXPECT_EQ(s->SortToken, nullptr);
    q = Select("select a from t order by a desc nulls first, b asc, c using <");
    ASSERT_EQ(q->SortList->Count(), 3);
    s = As<TRk_SortGroupBy>(q->SortList->GetItem(0));
    EXPECT_EQ(TokText(s->SortToken), "desc");
    EXPECT_EQ(s->NullsOrder, 1);
    s = As<TRk_SortGroupBy>(q->SortList->GetItem(1));
    EXPECT_EQ(TokText(s->SeparatorToken), ",");
    EXPECT_EQ(s->NullsOrder, 0);
    EXPECT_EQ(OwnTokens(s->NullsClause), "");
    EXPECT_EQ(TokText(As<TRk_SortGroupBy>(q->SortList->GetItem(2))->SortToken), "using");
}

TEST_F(QueryGrammar, ForUpdateClauses) {
    TRk_SelectStmt* q = Select("select * from t for update of t.a nowait");
    ASSERT_NE(q, nullptr);
    auto* f = q->ForUpdateClause;
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->ForUpdateKind, 1);
    EXPECT_EQ(OwnTokens(f), "for|update|of");
    EXPECT_EQ(f->ColumnList->Count(), 1);
    auto* w = As<TRk_DummyNode>(f->WaitOption);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Str1, "nowait");
    EXPECT_EQ(OwnTokens(w), "nowait");
    q = Select("select * from t for update wait 5");
    w = As<TRk_DummyNode>(q->ForUpdateClause->WaitOption);
    EXPECT_EQ(q->ForUpdateClause->ForUpdateKind, 3);
    EXPECT_EQ(w->Int1, 5);
    EXPECT_EQ(OwnTokens(w), "wait|5");
    q = Select("select * from t for read only");
    EXPECT_EQ(q->ForUpdateClause->ForUpdateKind, 2);
    EXPECT_EQ(OwnTokens(q->ForUpdateClause), "for|read|only");
    q = Select("select * from t order by a for update");
    EXPECT_EQ(q->ForUpdateClause->WaitOption, nullptr);
    // The star item is an identifier expression with the '*' as own token.
    auto* rt = As<TRk_ResTarget>(q->TargetList->GetItem(0));
    auto* star = As<TRkCustomExpression>(rt->ValueExpr);
    EXPECT_EQ(star->ExprType, Expr_Ident);
    EXPECT_EQ(OwnTokens(star->LeftOperand), "*");
}

TEST_F(QueryGrammar, GroupByRollupCubeGroupingSets) {
    TRk_SelectStmt* q = Select("select a from t group by rollup(a, (b, c))");
    ASSERT_NE(q, nullptr);
    auto* r = As<TRkCustomExpression>(q->GroupByList->GetItem(0));
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->ExprType, Expr_Rollup);
    EXPECT_EQ(TokText(r->OperatorToken), "rollup");
    EXPECT_EQ(OwnTokens(r), "(|)");
    auto* items = As<TRk_List>(r->LeftOperand);
    ASSERT_EQ(items->Count(), 2);
    EXPECT_EQ(As<TRkCustomExpression>(items->GetItem(0))->ExprType, Expr_Attr);
    auto* p = As<TRkCustomExpression>(items->GetItem(1));
    EXPECT_EQ(p->ExprType, Expr_Parenthesis);
    EXPECT_EQ(SxList(As<TRk_List>(p->LeftOperand)), "[b,c]");
    q = Select("select a from t group by cube(a), grouping sets (a, (b)), d");
    ASSERT_EQ(q->GroupByList->Count(), 3);
    EXPECT_EQ(As<TRkCustomExpression>(q->GroupByList->GetItem(0))->ExprType, Expr_Cube);
    auto* g = As<TRkCustomExpression>(q->GroupByList->GetItem(1));
    EXPECT_EQ(g->ExprType, Expr_GroupingSets);
    EXPECT_EQ(OwnTokens(g), "sets|(|)");
    // A single parenthesised element is a parenthesised expression.
    EXPECT_EQ(Sx(As<TRk_List>(g->LeftOperand)->GetItem(1)), "(b)");
    // ROLLUP used as a name is a call.
    q = Select("select rollup(a) from t");
    EXPECT_EQ(As<TRkCustomExpression>(As<TRk_ResTarget>(q->TargetList->GetItem(0))->ValueExpr)->ExprType,
              Expr_FuncCall);
}

TEST_F(QueryGrammar, JoinsAndTableReferences) {
    TRk_SelectStmt* q = Select("select a from t1 left outer join t2 on x = y");
    ASSERT_NE(q, nullptr);
    auto* j = As<TRk_JoinExpr>(q->FromList->GetItem(0));
    ASSERT_NE(j, nullptr);
    EXPECT_EQ(j->JoinType, 8);
    EXPECT_EQ(OwnTokens(j), "join");
    ASSERT_NE(j->JoinTypeClause, nullptr);
    EXPECT_EQ(TokText(j->JoinTypeClause->Tok1), "left");
    EXPECT_EQ(TokText(j->JoinTypeClause->Tok2), "outer");
    EXPECT_EQ(j->Qualification->QualKind, 2);
    EXPECT_EQ(OwnTokens(j->Qualification), "on");

    q = Select("select a from a join b on x join c using (k, l)");
    j = As<TRk_JoinExpr>(q->FromList->GetItem(0));
    ASSERT_NE(j, nullptr);
    EXPECT_NE(As<TRk_JoinExpr>(j->LeftRef), nullptr);
    EXPECT_EQ(j->JoinType, 0);
    EXPECT_EQ(j->Qualification->QualKind, 1);
    EXPECT_EQ(OwnTokens(j->Qualification), "using|(|)");
    EXPECT_EQ(j->Qualification->UsingList->Count(), 2);
    EXPECT_EQ(TokText(j->Qualification->UsingList->GetItem(1)->AsToken()->SeparatorToken), ",");

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
        ASSERT_NE(q, nullptr) << k.Text;
        j = As<TRk_JoinExpr>(q->FromList->GetItem(0));
        ASSERT_NE(j, nullptr) << k.Text;
        EXPECT_EQ(j->JoinType, k.Type) << k.Text;
        EXPECT_EQ(OwnTokens(j), k.Tokens) << k.Text;
    }
    q = Select("select a from (a join b on 1 = 1) x");
    j = As<TRk_JoinExpr>(q->FromList->GetItem(0));
    EXPECT_EQ(j->JoinType, 11);
    EXPECT_EQ(TokText(j->Alias->AliasToken), "x");

    q = Select("select a from s.t x, (select 1 from dual) as y, table(f(1)) z, t2 'w'");
    ASSERT_EQ(q->FromList->Count(), 4);
    auto* r0 = As<TRk_TableRef>(q->FromList->GetItem(0));
    EXPECT_EQ(Sx(r0->Source), "s.t");
    EXPECT_EQ(TokText(r0->Alias->AliasToken), "x");
    EXPECT_EQ(r0->Alias->HasAs, 0);
    auto* r1 = As<TRk_TableRef>(q->FromList->GetItem(1));
    EXPECT_NE(As<TRk_SelectStmt>(r1->Source), nullptr);
    EXPECT_EQ(r1->Alias->HasAs, 1);
    EXPECT_EQ(OwnTokens(r1->Alias), "as");
    EXPECT_EQ(TokText(r1->SeparatorToken), ",");
    auto* r2 = As<TRk_TableRef>(q->FromList->GetItem(2));
    EXPECT_EQ(r2->IsTableCollection, 1);
    EXPECT_EQ(OwnTokens(r2), "table|(|)");
    EXPECT_EQ(TokText(As<TRk_TableRef>(q->FromList->GetItem(3))->Alias->AliasToken), "'w'");
}

TEST_F(QueryGrammar, NamesAndAliases) {
    TRk_SelectStmt* q = Select("select a x, b as \"y\", c as 'z', t.*, s.t.* from u@link");
    ASSERT_NE(q, nullptr);
    ASSERT_EQ(q->TargetList->Count(), 5);
    auto* i0 = As<TRk_ResTarget>(q->TargetList->GetItem(0));
    EXPECT_EQ(i0->HasAlias, 1);
    EXPECT_EQ(SxList(i0->AliasClause->NameParts), "[x]");
    EXPECT_EQ(i0->AliasClause->HasAs, 0);
    auto* i1 = As<TRk_ResTarget>(q->TargetList->GetItem(1));
    EXPECT_EQ(SxList(i1->AliasClause->NameParts), "[\"y\"]");
    EXPECT_EQ(OwnTokens(i1->AliasClause), "as");
    EXPECT_EQ(TokText(i1->SeparatorToken), ",");
    auto* i2 = As<TRk_ResTarget>(q->TargetList->GetItem(2));
    EXPECT_EQ(TokText(i2->AliasClause->AliasToken), "'z'");
    EXPECT_EQ(i2->AliasClause->NameParts, nullptr);
    auto* a3 = As<TRk_Attr>(As<TRkCustomExpression>(As<TRk_ResTarget>(q->TargetList->GetItem(3))->ValueExpr)->LeftOperand);
    EXPECT_EQ(AttrText(a3), "t.*");
    EXPECT_EQ(TokText(a3->DotToken), ".");
    EXPECT_EQ(OwnTokens(a3), "");
    auto* a4 = As<TRk_Attr>(As<TRkCustomExpression>(As<TRk_ResTarget>(q->TargetList->GetItem(4))->ValueExpr)->LeftOperand);
    EXPECT_EQ(AttrText(a4), "s.t.*");
    EXPECT_EQ(TokText(a4->NameParts->GetItem(1)->AsToken()->SeparatorToken), ".");
    auto* from = As<TRk_Attr>(As<TRk_TableRef>(q->FromList->GetItem(0))->Source);
    EXPECT_EQ(TokText(from->AtToken), "@");
    EXPECT_EQ(AttrText(from), "u@link");

    // '@' groups from the left: the second link replaces the first.
    q = Select("select a from a@b@c");
    from = As<TRk_Attr>(As<TRk_TableRef>(q->FromList->GetItem(0))->Source);
    EXPECT_EQ(AttrText(from), "a@c");

    // A dotted alias.
    q = Select("select a as x.y from t");
    EXPECT_EQ(SxList(As<TRk_ResTarget>(q->TargetList->GetItem(0))->AliasClause->NameParts), "[x,y]");
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
        "select select from t",
        "select a from order",
        "select a as date from t",
        "select number from t",
        "select a from type",
    };
    for (const char* s : bad) {
        Parse(s);
        EXPECT_EQ(Errors.size(), 1u) << s;
    }
}

}  // namespace
