// SQL Server grammar: SELECT with its clauses, parentheses and set
// operations, the FROM list with joins and aliases, and INSERT, UPDATE and
// DELETE.
#include "mssql_grammar_support.h"

using namespace mssql_test;

namespace {

class MssqlQuery : public MssqlParseFixture {
protected:
    static TRk_Node* FromItem(TRk_SelectStmt* S, int I) {
        if (S == nullptr || S->FromList == nullptr || I >= S->FromList->Count()) return nullptr;
        return S->FromList->Items[static_cast<size_t>(I)]->AsNode();
    }
    static TRk_SelectStmt* Raw(TRk_Node* N) {
        if (auto* s = As<TRk_SelectStmt>(N)) return s;
        // A list item or operand may hold a select statement object whose
        // root is the raw node.
        if (auto* st = As<TCustomSqlStatement>(N)) return As<TRk_SelectStmt>(st->RootNode);
        return nullptr;
    }
    // The first FROM item of "SELECT * FROM <From>" as T.
    template <class T>
    T* From(const std::string& From) {
        auto* t = As<T>(FromItem(One<TRk_SelectStmt>("SELECT * FROM " + From), 0));
        EXPECT_NE(t, nullptr) << From;
        return t != nullptr ? t : Spare.NewNode<T>();
    }
};

TEST_F(MssqlQuery, SimpleSelectHolders) {
    auto* s = One<TRk_SelectStmt>("SELECT a, b FROM t");
    // Holders exist for the clauses with an empty alternative, not for TOP,
    // ORDER BY, COMPUTE and FOR UPDATE.
    EXPECT_EQ(Pic(TokText(s->SelectToken), OwnTokens(s), s->TargetList->Count(),
                  As<TRk_SelectDistinct>(s->DistinctClause)->DistinctKind, s->IntoClause != nullptr,
                  s->IntoList == nullptr, s->WhereClause != nullptr, s->WhereCondition == nullptr,
                  s->GroupByClause != nullptr, s->GroupByList == nullptr, s->HavingClause != nullptr,
                  s->HavingCondition == nullptr, OwnTokens(s->FromClause)),
              "SELECT SELECT 2 0 1 1 1 1 1 1 1 1 FROM");
    EXPECT_EQ(Pic(s->TopClause == nullptr, s->OrderByClause == nullptr, s->ComputeClause == nullptr,
                  s->ForUpdateClause == nullptr),
              "1 1 1 1");

    s = One<TRk_SelectStmt>("SELECT DISTINCT a INTO #tmp FROM t WHERE a > 1 GROUP BY a HAVING count(*) > 1");
    EXPECT_EQ(Pic(As<TRk_SelectDistinct>(s->DistinctClause)->DistinctKind, ListShape(s->IntoList),
                  OwnTokens(s->IntoClause), Shape(s->WhereCondition), ListShape(s->GroupByList),
                  OwnTokens(s->GroupByClause), Shape(s->HavingCondition)),
              "1 #tmp INTO Cmp[>](a,1) a GROUP|BY Cmp[>](count(*),1)");

    s = One<TRk_SelectStmt>("SELECT ALL a FROM t");
    EXPECT_EQ(As<TRk_SelectDistinct>(s->DistinctClause)->DistinctKind, 3);
    auto* d = As<TRk_SelectDistinct>(One<TRk_SelectStmt>("SELECT DISTINCT ON (a, b) a FROM t")->DistinctClause);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(Pic(d->DistinctKind, d->OnList == nullptr, OwnTokens(d)), "2 0 DISTINCT|ON|(|)");
}

TEST_F(MssqlQuery, Top) {
    // The number is a field only.
    const struct {
        const char* Text;
        const char* Want;  // number, percent, ties, own tokens
    } cases[] = {
        {"SELECT TOP 10 a FROM t", "10 0 0 TOP"},
        {"SELECT TOP 10 PERCENT a FROM t", "10 1 0 TOP|PERCENT"},
        {"SELECT TOP 10 WITH TIES a FROM t ORDER BY a", "10 0 1 TOP|WITH|TIES"},
        {"SELECT TOP 10 PERCENT WITH TIES a FROM t ORDER BY a", "10 1 1 TOP|PERCENT|WITH|TIES"},
    };
    for (const auto& c : cases) {
        auto* top = As<TRkTopClause>(One<TRk_SelectStmt>(c.Text)->TopClause);
        ASSERT_NE(top, nullptr) << c.Text;
        EXPECT_EQ(Pic(TokText(top->NumberToken), top->percent, top->withties, OwnTokens(top)), c.Want);
    }
    EXPECT_TRUE(Rejects("SELECT TOP (10) a FROM t"));
    EXPECT_TRUE(Rejects("SELECT TOP @n a FROM t"));
}

TEST_F(MssqlQuery, Parentheses) {
    const struct {
        const char* Text;
        const char* Want;  // paren count, inner paren count, own tokens
    } cases[] = {
        {"(SELECT a FROM t)", "1 0 (|)|SELECT"},
        {"((SELECT a FROM t))", "2 0 (|(|)|)|SELECT"},
        // ORDER BY after a parenthesised select moves the count inward.
        {"(SELECT a FROM t) ORDER BY a", "0 1 (|)|SELECT"},
        {"((SELECT a FROM t) ORDER BY a)", "1 1 (|(|)|)|SELECT"},
        {"(SELECT a FROM t) FOR UPDATE", "0 1 (|)|SELECT"},
    };
    for (const auto& c : cases) {
        auto* s = One<TRk_SelectStmt>(c.Text);
        EXPECT_EQ(Pic(s->ParenCount, s->InnerParenCount, OwnTokens(s)), c.Want) << c.Text;
    }
    EXPECT_EQ(OwnTokens(One<TRk_SelectStmt>(cases[2].Text)->OrderByClause), "ORDER|BY");
    EXPECT_EQ(One<TRk_SelectStmt>(cases[4].Text)->ForUpdateClause->ForUpdateKind, 3);
    // The new ")" follows the two recorded parenthesis tokens.
    auto* s = One<TRk_SelectStmt>(cases[3].Text);
    int lastClose = -1;
    for (int i = 0; i < Tokens->Count(); ++i)
        if (Tokens->GetToken(i)->GetText() == ")") lastClose = i;
    EXPECT_EQ(s->TokenList->Items()[3]->PosInList, lastClose);
}

// A second ORDER BY on the same select is refused by the node builder; the
// parse reports it and goes on with the next statement.
TEST_F(MssqlQuery, SecondOrderByIsAnErrorNotALostScript) {
    Parse("SELECT 1\n((SELECT a FROM t ORDER BY a)) ORDER BY b\nSELECT 2\n");
    EXPECT_FALSE(Errors.empty());
    ASSERT_GE(Items(), 2);
    EXPECT_NE(Inner<TRk_SelectStmt>(0), nullptr);
    EXPECT_NE(Inner<TRk_SelectStmt>(Items() - 1), nullptr);
}

TEST_F(MssqlQuery, OrderByComputeAndForUpdate) {
    auto* s = One<TRk_SelectStmt>("SELECT a FROM t ORDER BY a DESC, b USING > NULLS LAST, c ASC NULLS FIRST");
    std::vector<std::string> sorts;
    for (int i = 0; s->SortList != nullptr && i < s->SortList->Count(); ++i) {
        auto* o = As<TRk_SortGroupBy>(s->SortList->Items[static_cast<size_t>(i)]);
        sorts.push_back(Pic(TokText(o->SortToken), o->NullsOrder, o->NullsClause ? OwnTokens(o->NullsClause) : "-"));
    }
    EXPECT_EQ(sorts, (std::vector<std::string>{"DESC 0 ", "USING 2 NULLS|LAST", "ASC 1 NULLS|FIRST"}));

    s = One<TRk_SelectStmt>("SELECT a FROM t ORDER BY a COMPUTE sum(a), max(b) BY a");
    ASSERT_NE(s->ComputeClause, nullptr);
    ASSERT_EQ(s->ComputeClause->ComputeList->Count(), 2);
    auto* f = As<TRk_DummyNode>(s->ComputeClause->ComputeList->Items[1]);
    EXPECT_EQ(Pic(OwnTokens(s->ComputeClause), TokText(f->Tok1), OwnTokens(f), Shape(f->Sub1),
                  ListShape(s->ComputeClause->ByList)),
              "COMPUTE|BY max (|) b a");

    s = One<TRk_SelectStmt>("SELECT a FROM t FOR UPDATE OF a, t.b NOWAIT");
    ASSERT_NE(s->ForUpdateClause, nullptr);
    EXPECT_EQ(Pic(s->ForUpdateClause->ForUpdateKind, ListShape(s->ForUpdateClause->ColumnList),
                  OwnTokens(s->ForUpdateClause), As<TRk_DummyNode>(s->ForUpdateClause->WaitOption)->GetStr1()),
              "1 a,t.b FOR|UPDATE|OF NOWAIT");
    s = One<TRk_SelectStmt>("SELECT a FROM t FOR UPDATE WAIT 5");
    EXPECT_EQ(As<TRk_DummyNode>(s->ForUpdateClause->WaitOption)->Int1, 5);
    s = One<TRk_SelectStmt>("SELECT a FROM t FOR READ ONLY");
    EXPECT_EQ(Pic(s->ForUpdateClause->ForUpdateKind, OwnTokens(s->ForUpdateClause)), "2 FOR|READ|ONLY");
}

TEST_F(MssqlQuery, SetOperations) {
    const struct {
        const char* Op;
        const char* Want;  // kind, ALL word
    } cases[] = {{"UNION", "1 <nil>"},   {"UNION ALL", "2 ALL"}, {"INTERSECT", "4 <nil>"},
                 {"INTERSECT ALL", "4 ALL"}, {"MINUS", "3 <nil>"}};
    for (const auto& c : cases) {
        auto* s = One<TRk_SelectStmt>(std::string("SELECT a FROM t ") + c.Op + " SELECT a FROM u");
        EXPECT_EQ(Pic(s->SetOperation, TokText(s->SetAllToken)), c.Want) << c.Op;
        EXPECT_NE(Raw(s->LeftSelect), nullptr) << c.Op;
        EXPECT_NE(Raw(s->RightSelect), nullptr) << c.Op;
    }
    auto* s = One<TRk_SelectStmt>("SELECT a FROM t UNION SELECT a FROM u ORDER BY 1");
    EXPECT_EQ(s->SetOperation, 1);
    EXPECT_NE(s->OrderByClause, nullptr);
}

TEST_F(MssqlQuery, FromItemsAndAliases) {
    auto* s = One<TRk_SelectStmt>("SELECT * FROM t x, dbo.u AS y, @tv z, (SELECT 1 AS c) q");
    EXPECT_EQ(Shape(As<TRk_ResTarget>(s->TargetList->Items[0])->ValueExpr), "Ident[<nil>](*,_)");
    auto* t = As<TRk_TableRef>(FromItem(s, 0));
    auto* u = As<TRk_TableRef>(FromItem(s, 1));
    auto* v = As<TRk_TableRef>(FromItem(s, 2));
    auto* q = As<TRk_TableRef>(FromItem(s, 3));
    ASSERT_TRUE(t && u && v && q && t->Alias && u->Alias);
    EXPECT_EQ(Pic(NameText(t->Source), TokText(t->Alias->AliasToken), t->Alias->AliasToken->DbObjKind == okAlias,
                  t->Alias->HasAs),
              "t x 1 0");
    // A plain-name alias is a one-part name list.
    EXPECT_EQ(Pic(TokText(u->Alias->AliasToken), ListShape(u->Alias->NameParts), u->Alias->HasAs,
                  OwnTokens(u->Alias), TokText(u->SeparatorToken)),
              "<nil> y 1 AS ,");
    EXPECT_EQ(NameText(v->Source), "@tv");
    EXPECT_NE(Raw(q->Source), nullptr);

    s = One<TRk_SelectStmt>("SELECT a b, c AS 'd', e 'f', g AS h.i FROM t");
    auto* r0 = As<TRk_ResTarget>(s->TargetList->Items[0]);
    auto* r1 = As<TRk_ResTarget>(s->TargetList->Items[1]);
    auto* r3 = As<TRk_ResTarget>(s->TargetList->Items[3]);
    ASSERT_TRUE(r0 && r1 && r3 && r0->AliasClause && r1->AliasClause && r3->AliasClause);
    EXPECT_EQ(Pic(r0->HasAlias, TokText(r0->AliasClause->AliasToken), ListShape(r0->AliasClause->NameParts)), "1 <nil> b");
    EXPECT_EQ(Pic(TokText(r1->AliasClause->AliasToken), r1->AliasClause->HasAs), "'d' 1");
    EXPECT_EQ(ListShape(r3->AliasClause->NameParts), "h,i");

    s = One<TRk_SelectStmt>("SELECT t.* FROM t");
    EXPECT_EQ(Shape(As<TRk_ResTarget>(s->TargetList->Items[0])->ValueExpr), "t.*");
}

TEST_F(MssqlQuery, TableArgumentsAndHints) {
    auto* s = One<TRk_SelectStmt>("SELECT * FROM fn(1, 2) f, t x (NOLOCK)");
    auto* f = As<TRk_TableRef>(FromItem(s, 0));
    auto* t = As<TRk_TableRef>(FromItem(s, 1));
    ASSERT_TRUE(f && t);
    EXPECT_EQ(Pic(f->HasColumnList, ListShape(f->ColumnList), OwnTokens(f), f->Alias != nullptr), "1 1,2 (|) 1");
    EXPECT_EQ(Pic(ListShape(t->HintList), t->HasColumnList), "NOLOCK 0");
    // WITH (...) table hints are not part of the grammar.
    EXPECT_TRUE(Rejects("SELECT * FROM t WITH (NOLOCK)"));
}

TEST_F(MssqlQuery, Joins) {
    const struct {
        const char* Join;
        int Type;
    } cases[] = {{"JOIN", 0},       {"LEFT JOIN", 5},  {"LEFT OUTER JOIN", 8}, {"RIGHT JOIN", 6},
                 {"RIGHT OUTER JOIN", 9}, {"FULL JOIN", 4}, {"FULL OUTER JOIN", 7}, {"INNER JOIN", 10}};
    for (const auto& c : cases) {
        auto* j = From<TRk_JoinExpr>(std::string("a ") + c.Join + " b ON a.id = b.id");
        ASSERT_NE(j->Qualification, nullptr) << c.Join;
        EXPECT_EQ(Pic(j->JoinType, OwnTokens(j), j->Qualification->QualKind, Shape(j->Qualification->OnCondition),
                      OwnTokens(j->Qualification)),
                  Pic(c.Type, "JOIN 2 Cmp[=](a.id,b.id) ON"))
            << c.Join;
    }
    auto* j = From<TRk_JoinExpr>("a LEFT OUTER JOIN b ON x = y");
    ASSERT_NE(j->JoinTypeClause, nullptr);
    EXPECT_EQ(Pic(TokText(j->JoinTypeClause->Tok1), TokText(j->JoinTypeClause->Tok2)), "LEFT OUTER");

    // A join after CROSS or NATURAL JOIN nests to the right (the table
    // shifts the next join word).
    j = From<TRk_JoinExpr>("a CROSS JOIN b NATURAL JOIN c");
    auto* right = As<TRk_JoinExpr>(j->RightRef);
    ASSERT_NE(right, nullptr);
    EXPECT_EQ(Pic(j->JoinType, OwnTokens(j), right->JoinType), "1 CROSS|JOIN 2");
    // After ON the join is complete and the next one takes it as its left.
    j = From<TRk_JoinExpr>("a JOIN b ON a.x = b.x LEFT JOIN c ON c.y = b.y");
    auto* left = As<TRk_JoinExpr>(j->LeftRef);
    ASSERT_NE(left, nullptr);
    EXPECT_EQ(Pic(j->JoinType, left->JoinType), "5 0");

    j = From<TRk_JoinExpr>("a JOIN b USING (id, k)");
    EXPECT_EQ(Pic(j->Qualification->QualKind, ListShape(j->Qualification->UsingList), OwnTokens(j->Qualification)),
              "1 id,k USING|(|)");

    j = From<TRk_JoinExpr>("(a JOIN b ON x = y) j2");
    EXPECT_EQ(Pic(j->JoinType, OwnTokens(j), j->Alias != nullptr, As<TRk_JoinExpr>(j->LeftRef) != nullptr,
                  j->RightRef == nullptr),
              "11 (|) 1 1 1");
}

TEST_F(MssqlQuery, InsertForms) {
    auto* i = One<TRk_InsertStmt>("INSERT INTO t (a, b) VALUES (1, 'x')");
    ASSERT_TRUE(i->TargetTable && i->InsertRest);
    // The column names arrive as the table reference's argument list.
    EXPECT_EQ(Pic(i->HasInto, OwnTokens(i), ListShape(i->TargetTable->ColumnList), i->ColumnList == nullptr,
                  i->InsertRest->ColumnList == nullptr, i->ValuesList == i->InsertRest->ValuesList,
                  ListShape(i->ValuesList), OwnTokens(i->InsertRest)),
              "1 INSERT|INTO a,b 1 1 1 <TRk_ResTarget>,<TRk_ResTarget> VALUES|(|)");

    i = One<TRk_InsertStmt>("INSERT t DEFAULT VALUES");
    EXPECT_EQ(Pic(i->HasInto, OwnTokens(i), i->ValuesList == nullptr, i->SubSelect == nullptr, OwnTokens(i->InsertRest)),
              "0 INSERT 1 1 DEFAULT|VALUES");
    EXPECT_NE(One<TRk_InsertStmt>("INSERT INTO t SELECT a FROM u")->SubSelect, nullptr);

    // INSERT ... EXEC wraps the EXECUTE element; the wrapper is neither
    // announced nor listed.
    i = One<TRk_InsertStmt>("INSERT INTO t EXEC p 1");
    auto* w = As<_TMssqlStmt>(i->ExecuteClause);
    ASSERT_NE(w, nullptr);
    EXPECT_NE(As<_TMssqlExecute>(w->InnerNode), nullptr);
    ASSERT_EQ(Announced.size(), 1u);
    EXPECT_EQ(Announced[0].Type, sstInsert);

    i = One<TRk_InsertStmt>("INSERT INTO (SELECT a FROM t) VALUES (1)");
    EXPECT_NE(Raw(i->TargetTable->Source), nullptr);
    EXPECT_TRUE(Rejects("INSERT INTO t (SELECT a FROM u)"));
    EXPECT_TRUE(Rejects("INSERT INTO t VALUES (1), (2)"));
}

TEST_F(MssqlQuery, UpdateAndDeleteForms) {
    // Empty FROM and WHERE holders.
    auto* u = One<TRk_UpdateStmt>("UPDATE t SET a = 1");
    ASSERT_NE(u->TargetTable, nullptr);
    EXPECT_EQ(Pic(OwnTokens(u), NameText(u->TargetTable->Source), u->FromClause != nullptr, u->FromList == nullptr,
                  u->WhereClause != nullptr, u->WhereCondition == nullptr, ListShape(u->SetList),
                  OwnTokens(As<TRk_Node>(u->SetList->Items[0]))),
              "UPDATE|SET t 1 1 1 1 Cmp[=](a,1) =");

    u = One<TRk_UpdateStmt>("UPDATE t SET @v = a + 1, b = @v FROM t JOIN u ON t.id = u.id WHERE u.x = 2");
    EXPECT_EQ(ListShape(u->SetList), "Cmp[=](@v,Arith[+](a,1)),Cmp[=](b,@v)");
    ASSERT_NE(u->FromList, nullptr);
    EXPECT_NE(As<TRk_JoinExpr>(u->FromList->Items[0]), nullptr);
    EXPECT_EQ(Shape(u->WhereCondition), "Cmp[=](u.x,2)");
    EXPECT_EQ(ListShape(One<TRk_UpdateStmt>("UPDATE t SET (a, b) = (SELECT 1, 2)")->SetList), "AllOp[=]((a,b),SELECT)");
    EXPECT_EQ(OwnTokens(One<TRk_UpdateStmt>("UPDATE t SET x = 1 WHERE CURRENT OF c1")->WhereClause), "WHERE|CURRENT|OF");

    auto* d = One<TRk_DeleteStmt>("DELETE FROM t");
    EXPECT_EQ(Pic(d->FromOmitted, OwnTokens(d), d->WhereClause != nullptr, d->WhereCondition == nullptr,
                  d->FromClause != nullptr),
              "0 DELETE|FROM 1 1 1");
    d = One<TRk_DeleteStmt>("DELETE t WHERE a = 1");
    EXPECT_EQ(Pic(d->FromOmitted, OwnTokens(d), Shape(d->WhereCondition)), "1 DELETE Cmp[=](a,1)");
    d = One<TRk_DeleteStmt>("DELETE FROM t FROM t JOIN u ON t.a = u.a");
    EXPECT_EQ(Pic(d->FromList != nullptr, OwnTokens(d->FromClause)), "1 FROM");
}

TEST_F(MssqlQuery, Returning) {
    auto* r = One<TRk_DeleteStmt>("DELETE FROM t RETURNING a, b INTO @x, @y")->ReturningClause;
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(Pic(r->ReturningKind, ListShape(r->ReturnList), ListShape(r->IntoList), OwnTokens(r)),
              "1 a,b @x,@y RETURNING|INTO");
    r = One<TRk_UpdateStmt>("UPDATE t SET a = 1 RETURNING a BULK COLLECT INTO x")->ReturningClause;
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(Pic(r->ReturningKind, OwnTokens(r)), "2 RETURNING|BULK|COLLECT|INTO");
    EXPECT_NE(One<TRk_InsertStmt>("INSERT INTO t VALUES (1) RETURNING a INTO x")->ReturningClause, nullptr);
}

TEST_F(MssqlQuery, Names) {
    const struct {
        const char* Name;
        const char* Tokens;
    } cases[] = {{"dbo.orders", "dbo|."},       {"db..orders", ""}, {"server.db.dbo.t", "server|."},
                 {"[dbo].[Customers]", "[dbo]|."}, {"left.x", ""},     {"t", ""}};
    for (const auto& c : cases) {
        auto* t = From<TRk_TableRef>(c.Name);
        EXPECT_EQ(NameText(t->Source), c.Name);
        EXPECT_EQ(OwnTokens(t->Source), c.Tokens) << c.Name;
    }
    auto* a = As<TRk_Attr>(From<TRk_TableRef>("server.db.dbo.t")->Source);
    ASSERT_NE(a, nullptr);
    ASSERT_EQ(a->NameParts->Count(), 3);
    EXPECT_EQ(Pic(TokText(a->DotToken), TokText(a->NameParts->Items[1]->AsToken()->GetSeparatorToken())), ". .");
    // LEFT and FULL alone are no names.
    EXPECT_TRUE(Rejects("SELECT 1 FROM left"));
}

}  // namespace
