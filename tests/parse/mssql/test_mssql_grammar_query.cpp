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
};

TEST_F(MssqlQuery, SimpleSelectHolders) {
    auto* s = One<TRk_SelectStmt>("SELECT a, b FROM t");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(TokText(s->SelectToken), "SELECT");
    EXPECT_EQ(OwnTokens(s), "SELECT");
    EXPECT_EQ(s->TargetList->Count(), 2);
    // Holders exist for the clauses with an empty alternative.
    ASSERT_NE(s->DistinctClause, nullptr);
    EXPECT_EQ(As<TRk_SelectDistinct>(s->DistinctClause)->DistinctKind, 0);
    ASSERT_NE(s->IntoClause, nullptr);
    EXPECT_EQ(s->IntoList, nullptr);
    ASSERT_NE(s->WhereClause, nullptr);
    EXPECT_EQ(s->WhereCondition, nullptr);
    ASSERT_NE(s->GroupByClause, nullptr);
    EXPECT_EQ(s->GroupByList, nullptr);
    ASSERT_NE(s->HavingClause, nullptr);
    EXPECT_EQ(s->HavingCondition, nullptr);
    EXPECT_EQ(OwnTokens(s->FromClause), "FROM");
    // ... and not for TOP, ORDER BY, COMPUTE and FOR UPDATE.
    EXPECT_EQ(s->TopClause, nullptr);
    EXPECT_EQ(s->OrderByClause, nullptr);
    EXPECT_EQ(s->ComputeClause, nullptr);
    EXPECT_EQ(s->ForUpdateClause, nullptr);

    s = One<TRk_SelectStmt>("SELECT DISTINCT a INTO #tmp FROM t WHERE a > 1 GROUP BY a HAVING count(*) > 1");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(As<TRk_SelectDistinct>(s->DistinctClause)->DistinctKind, 1);
    EXPECT_EQ(ListShape(s->IntoList), "#tmp");
    EXPECT_EQ(OwnTokens(s->IntoClause), "INTO");
    EXPECT_EQ(Shape(s->WhereCondition), "Cmp[>](a,1)");
    EXPECT_EQ(ListShape(s->GroupByList), "a");
    EXPECT_EQ(OwnTokens(s->GroupByClause), "GROUP|BY");
    EXPECT_EQ(Shape(s->HavingCondition), "Cmp[>](count(*),1)");

    s = One<TRk_SelectStmt>("SELECT ALL a FROM t");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(As<TRk_SelectDistinct>(s->DistinctClause)->DistinctKind, 3);
    s = One<TRk_SelectStmt>("SELECT DISTINCT ON (a, b) a FROM t");
    ASSERT_NE(s, nullptr);
    auto* d = As<TRk_SelectDistinct>(s->DistinctClause);
    EXPECT_EQ(d->DistinctKind, 1);
    EXPECT_EQ(d->OnList, nullptr);
    EXPECT_EQ(OwnTokens(d), "DISTINCT|ON|(|)");
}

TEST_F(MssqlQuery, Top) {
    struct TCase {
        const char* Text;
        int Percent;
        int Ties;
        const char* Tokens;
    } cases[] = {
        {"SELECT TOP 10 a FROM t", 0, 0, "TOP"},
        {"SELECT TOP 10 PERCENT a FROM t", 1, 0, "TOP|PERCENT"},
        {"SELECT TOP 10 WITH TIES a FROM t ORDER BY a", 0, 1, "TOP|WITH|TIES"},
        {"SELECT TOP 10 PERCENT WITH TIES a FROM t ORDER BY a", 1, 1, "TOP|PERCENT|WITH|TIES"},
    };
    for (const TCase& c : cases) {
        auto* s = One<TRk_SelectStmt>(c.Text);
        ASSERT_NE(s, nullptr) << c.Text;
        auto* top = As<TRkTopClause>(s->TopClause);
        ASSERT_NE(top, nullptr) << c.Text;
        EXPECT_EQ(TokText(top->NumberToken), "10");
        EXPECT_EQ(top->percent, c.Percent) << c.Text;
        EXPECT_EQ(top->withties, c.Ties) << c.Text;
        // The number is a field only.
        EXPECT_EQ(OwnTokens(top), c.Tokens) << c.Text;
    }
    EXPECT_TRUE(Rejects("SELECT TOP (10) a FROM t"));
    EXPECT_TRUE(Rejects("SELECT TOP @n a FROM t"));
}

TEST_F(MssqlQuery, Parentheses) {
    auto* s = One<TRk_SelectStmt>("(SELECT a FROM t)");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->ParenCount, 1);
    EXPECT_EQ(s->InnerParenCount, 0);
    EXPECT_EQ(OwnTokens(s), "(|)|SELECT");

    s = One<TRk_SelectStmt>("((SELECT a FROM t))");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->ParenCount, 2);
    EXPECT_EQ(OwnTokens(s), "(|(|)|)|SELECT");

    // ORDER BY after a parenthesised select moves the count inward.
    s = One<TRk_SelectStmt>("(SELECT a FROM t) ORDER BY a");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->ParenCount, 0);
    EXPECT_EQ(s->InnerParenCount, 1);
    EXPECT_EQ(OwnTokens(s->OrderByClause), "ORDER|BY");

    s = One<TRk_SelectStmt>("((SELECT a FROM t) ORDER BY a)");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->ParenCount, 1);
    EXPECT_EQ(s->InnerParenCount, 1);
    // The new ")" follows the two recorded parenthesis tokens.
    EXPECT_EQ(OwnTokens(s), "(|(|)|)|SELECT");
    int lastClose = -1;
    for (int i = 0; i < Tokens->Count(); ++i)
        if (Tokens->GetToken(i)->Text == ")") lastClose = i;
    EXPECT_EQ(s->TokenList->Items()[3]->PosInList, lastClose);

    s = One<TRk_SelectStmt>("(SELECT a FROM t) FOR UPDATE");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->InnerParenCount, 1);
    ASSERT_NE(s->ForUpdateClause, nullptr);
    EXPECT_EQ(s->ForUpdateClause->ForUpdateKind, 3);
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
    ASSERT_NE(s, nullptr);
    ASSERT_NE(s->SortList, nullptr);
    ASSERT_EQ(s->SortList->Count(), 3);
    auto* s0 = As<TRk_SortGroupBy>(s->SortList->Items[0]);
    auto* s1 = As<TRk_SortGroupBy>(s->SortList->Items[1]);
    auto* s2 = As<TRk_SortGroupBy>(s->SortList->Items[2]);
    EXPECT_EQ(TokText(s0->SortToken), "DESC");
    EXPECT_EQ(s0->NullsOrder, 0);
    ASSERT_NE(s0->NullsClause, nullptr);
    EXPECT_EQ(TokText(s1->SortToken), "USING");
    EXPECT_EQ(s1->NullsOrder, 2);
    EXPECT_EQ(OwnTokens(s1->NullsClause), "NULLS|LAST");
    EXPECT_EQ(s2->NullsOrder, 1);

    s = One<TRk_SelectStmt>("SELECT a FROM t ORDER BY a COMPUTE sum(a), max(b) BY a");
    ASSERT_NE(s, nullptr);
    ASSERT_NE(s->ComputeClause, nullptr);
    EXPECT_EQ(OwnTokens(s->ComputeClause), "COMPUTE|BY");
    ASSERT_EQ(s->ComputeClause->ComputeList->Count(), 2);
    auto* f = As<TRk_DummyNode>(s->ComputeClause->ComputeList->Items[1]);
    EXPECT_EQ(TokText(f->Tok1), "max");
    EXPECT_EQ(OwnTokens(f), "(|)");
    EXPECT_EQ(Shape(f->Sub1), "b");
    EXPECT_EQ(ListShape(s->ComputeClause->ByList), "a");

    s = One<TRk_SelectStmt>("SELECT a FROM t FOR UPDATE OF a, t.b NOWAIT");
    ASSERT_NE(s, nullptr);
    ASSERT_NE(s->ForUpdateClause, nullptr);
    EXPECT_EQ(s->ForUpdateClause->ForUpdateKind, 1);
    EXPECT_EQ(ListShape(s->ForUpdateClause->ColumnList), "a,t.b");
    EXPECT_EQ(OwnTokens(s->ForUpdateClause), "FOR|UPDATE|OF");
    EXPECT_EQ(As<TRk_DummyNode>(s->ForUpdateClause->WaitOption)->Str1, "NOWAIT");
    s = One<TRk_SelectStmt>("SELECT a FROM t FOR UPDATE WAIT 5");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(As<TRk_DummyNode>(s->ForUpdateClause->WaitOption)->Int1, 5);
    s = One<TRk_SelectStmt>("SELECT a FROM t FOR READ ONLY");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->ForUpdateClause->ForUpdateKind, 2);
    EXPECT_EQ(OwnTokens(s->ForUpdateClause), "FOR|READ|ONLY");
}

TEST_F(MssqlQuery, SetOperations) {
    struct TCase {
        const char* Text;
        int Kind;
        const char* All;
    } cases[] = {
        {"SELECT a FROM t UNION SELECT a FROM u", 1, "<nil>"},
        {"SELECT a FROM t UNION ALL SELECT a FROM u", 2, "ALL"},
        {"SELECT a FROM t INTERSECT SELECT a FROM u", 4, "<nil>"},
        {"SELECT a FROM t INTERSECT ALL SELECT a FROM u", 4, "ALL"},
        {"SELECT a FROM t MINUS SELECT a FROM u", 3, "<nil>"},
    };
    for (const TCase& c : cases) {
        auto* s = One<TRk_SelectStmt>(c.Text);
        ASSERT_NE(s, nullptr) << c.Text;
        EXPECT_EQ(s->SetOperation, c.Kind) << c.Text;
        EXPECT_EQ(TokText(s->SetAllToken), c.All) << c.Text;
        EXPECT_NE(Raw(s->LeftSelect), nullptr) << c.Text;
        EXPECT_NE(Raw(s->RightSelect), nullptr) << c.Text;
    }
    auto* s = One<TRk_SelectStmt>("SELECT a FROM t UNION SELECT a FROM u ORDER BY 1");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->SetOperation, 1);
    EXPECT_NE(s->OrderByClause, nullptr);
}

TEST_F(MssqlQuery, FromItemsAndAliases) {
    auto* s = One<TRk_SelectStmt>("SELECT * FROM t x, dbo.u AS y, @tv z, (SELECT 1 AS c) q");
    ASSERT_NE(s, nullptr);
    auto* star = As<TRk_ResTarget>(s->TargetList->Items[0]);
    ASSERT_NE(star, nullptr);
    EXPECT_EQ(Shape(star->ValueExpr), "Ident[<nil>](*,_)");
    auto* t = As<TRk_TableRef>(FromItem(s, 0));
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(NameText(t->Source), "t");
    ASSERT_NE(t->Alias, nullptr);
    EXPECT_EQ(TokText(t->Alias->AliasToken), "x");
    EXPECT_EQ(t->Alias->AliasToken->DbObjKind, okAlias);
    EXPECT_EQ(t->Alias->HasAs, 0);
    auto* u = As<TRk_TableRef>(FromItem(s, 1));
    ASSERT_NE(u, nullptr);
    EXPECT_EQ(u->Alias->AliasToken, nullptr);
    EXPECT_EQ(ListShape(u->Alias->NameParts), "y");
    EXPECT_EQ(u->Alias->HasAs, 1);
    EXPECT_EQ(OwnTokens(u->Alias), "AS");
    EXPECT_EQ(TokText(u->SeparatorToken), ",");
    auto* v = As<TRk_TableRef>(FromItem(s, 2));
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(NameText(v->Source), "@tv");
    auto* q = As<TRk_TableRef>(FromItem(s, 3));
    ASSERT_NE(q, nullptr);
    EXPECT_NE(Raw(q->Source), nullptr);

    // A column alias that is a plain name is a one-part name list.
    s = One<TRk_SelectStmt>("SELECT a b, c AS 'd', e 'f', g AS h.i FROM t");
    ASSERT_NE(s, nullptr);
    auto* r0 = As<TRk_ResTarget>(s->TargetList->Items[0]);
    ASSERT_NE(r0->AliasClause, nullptr);
    EXPECT_EQ(r0->HasAlias, 1);
    EXPECT_EQ(r0->AliasClause->AliasToken, nullptr);
    EXPECT_EQ(ListShape(r0->AliasClause->NameParts), "b");
    auto* r1 = As<TRk_ResTarget>(s->TargetList->Items[1]);
    EXPECT_EQ(TokText(r1->AliasClause->AliasToken), "'d'");
    EXPECT_EQ(r1->AliasClause->HasAs, 1);
    auto* r3 = As<TRk_ResTarget>(s->TargetList->Items[3]);
    EXPECT_EQ(ListShape(r3->AliasClause->NameParts), "h,i");

    // t.* in the select list.
    s = One<TRk_SelectStmt>("SELECT t.* FROM t");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(Shape(As<TRk_ResTarget>(s->TargetList->Items[0])->ValueExpr), "t.*");
}

TEST_F(MssqlQuery, TableArgumentsAndHints) {
    auto* s = One<TRk_SelectStmt>("SELECT * FROM fn(1, 2) f, t x (NOLOCK)");
    ASSERT_NE(s, nullptr);
    auto* f = As<TRk_TableRef>(FromItem(s, 0));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->HasColumnList, 1);
    EXPECT_EQ(ListShape(f->ColumnList), "1,2");
    EXPECT_EQ(OwnTokens(f), "(|)");
    ASSERT_NE(f->Alias, nullptr);
    auto* t = As<TRk_TableRef>(FromItem(s, 1));
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(ListShape(t->HintList), "NOLOCK");
    EXPECT_EQ(t->HasColumnList, 0);
    // WITH (...) table hints are not part of the grammar.
    EXPECT_TRUE(Rejects("SELECT * FROM t WITH (NOLOCK)"));
}

TEST_F(MssqlQuery, Joins) {
    struct TCase {
        const char* Join;
        int Type;
        const char* Tokens;
    } cases[] = {
        {"JOIN", 0, "JOIN"},          {"LEFT JOIN", 5, "JOIN"},   {"LEFT OUTER JOIN", 8, "JOIN"},
        {"RIGHT JOIN", 6, "JOIN"},    {"RIGHT OUTER JOIN", 9, "JOIN"}, {"FULL JOIN", 4, "JOIN"},
        {"FULL OUTER JOIN", 7, "JOIN"}, {"INNER JOIN", 10, "JOIN"},
    };
    for (const TCase& c : cases) {
        std::string text = std::string("SELECT * FROM a ") + c.Join + " b ON a.id = b.id";
        auto* s = One<TRk_SelectStmt>(text);
        ASSERT_NE(s, nullptr) << text;
        auto* j = As<TRk_JoinExpr>(FromItem(s, 0));
        ASSERT_NE(j, nullptr) << text;
        EXPECT_EQ(j->JoinType, c.Type) << text;
        EXPECT_EQ(OwnTokens(j), c.Tokens) << text;
        ASSERT_NE(j->Qualification, nullptr) << text;
        EXPECT_EQ(j->Qualification->QualKind, 2);
        EXPECT_EQ(Shape(j->Qualification->OnCondition), "Cmp[=](a.id,b.id)");
        EXPECT_EQ(OwnTokens(j->Qualification), "ON");
    }
    auto* s = One<TRk_SelectStmt>("SELECT * FROM a LEFT OUTER JOIN b ON x = y");
    auto* j = As<TRk_JoinExpr>(FromItem(s, 0));
    ASSERT_NE(j->JoinTypeClause, nullptr);
    EXPECT_EQ(TokText(j->JoinTypeClause->Tok1), "LEFT");
    EXPECT_EQ(TokText(j->JoinTypeClause->Tok2), "OUTER");

    // A join after CROSS or NATURAL JOIN nests to the right (the table
    // shifts the next join word).
    s = One<TRk_SelectStmt>("SELECT * FROM a CROSS JOIN b NATURAL JOIN c");
    j = As<TRk_JoinExpr>(FromItem(s, 0));
    ASSERT_NE(j, nullptr);
    EXPECT_EQ(j->JoinType, 1);
    EXPECT_EQ(OwnTokens(j), "CROSS|JOIN");
    auto* right = As<TRk_JoinExpr>(j->RightRef);
    ASSERT_NE(right, nullptr);
    EXPECT_EQ(right->JoinType, 2);
    // After ON the join is complete and the next one takes it as its left.
    s = One<TRk_SelectStmt>("SELECT * FROM a JOIN b ON a.x = b.x LEFT JOIN c ON c.y = b.y");
    j = As<TRk_JoinExpr>(FromItem(s, 0));
    ASSERT_NE(j, nullptr);
    EXPECT_EQ(j->JoinType, 5);
    ASSERT_NE(As<TRk_JoinExpr>(j->LeftRef), nullptr);
    EXPECT_EQ(As<TRk_JoinExpr>(j->LeftRef)->JoinType, 0);

    s = One<TRk_SelectStmt>("SELECT * FROM a JOIN b USING (id, k)");
    j = As<TRk_JoinExpr>(FromItem(s, 0));
    ASSERT_NE(j, nullptr);
    EXPECT_EQ(j->Qualification->QualKind, 1);
    EXPECT_EQ(ListShape(j->Qualification->UsingList), "id,k");
    EXPECT_EQ(OwnTokens(j->Qualification), "USING|(|)");

    s = One<TRk_SelectStmt>("SELECT * FROM (a JOIN b ON x = y) j2");
    j = As<TRk_JoinExpr>(FromItem(s, 0));
    ASSERT_NE(j, nullptr);
    EXPECT_EQ(j->JoinType, 11);
    EXPECT_EQ(OwnTokens(j), "(|)");
    ASSERT_NE(j->Alias, nullptr);
    EXPECT_NE(As<TRk_JoinExpr>(j->LeftRef), nullptr);
    EXPECT_EQ(j->RightRef, nullptr);
}

TEST_F(MssqlQuery, InsertForms) {
    auto* i = One<TRk_InsertStmt>("INSERT INTO t (a, b) VALUES (1, 'x')");
    ASSERT_NE(i, nullptr);
    EXPECT_EQ(i->HasInto, 1);
    EXPECT_EQ(OwnTokens(i), "INSERT|INTO");
    ASSERT_NE(i->TargetTable, nullptr);
    // The column names arrive as the table reference's argument list.
    EXPECT_EQ(ListShape(i->TargetTable->ColumnList), "a,b");
    EXPECT_EQ(i->ColumnList, nullptr);
    ASSERT_NE(i->InsertRest, nullptr);
    EXPECT_EQ(i->InsertRest->ColumnList, nullptr);
    EXPECT_EQ(i->ValuesList, i->InsertRest->ValuesList);
    EXPECT_EQ(i->ValuesList->Count(), 2);
    EXPECT_EQ(OwnTokens(i->InsertRest), "VALUES|(|)");

    i = One<TRk_InsertStmt>("INSERT t DEFAULT VALUES");
    ASSERT_NE(i, nullptr);
    EXPECT_EQ(i->HasInto, 0);
    EXPECT_EQ(OwnTokens(i), "INSERT");
    EXPECT_EQ(i->ValuesList, nullptr);
    EXPECT_EQ(i->SubSelect, nullptr);
    EXPECT_EQ(OwnTokens(i->InsertRest), "DEFAULT|VALUES");

    i = One<TRk_InsertStmt>("INSERT INTO t SELECT a FROM u");
    ASSERT_NE(i, nullptr);
    EXPECT_NE(i->SubSelect, nullptr);

    // INSERT ... EXEC wraps the EXECUTE element; the wrapper is neither
    // announced nor listed.
    i = One<TRk_InsertStmt>("INSERT INTO t EXEC p 1");
    ASSERT_NE(i, nullptr);
    auto* w = As<_TMssqlStmt>(i->ExecuteClause);
    ASSERT_NE(w, nullptr);
    EXPECT_NE(As<_TMssqlExecute>(w->InnerNode), nullptr);
    ASSERT_EQ(Announced.size(), 1u);
    EXPECT_EQ(Announced[0].Type, sstInsert);

    i = One<TRk_InsertStmt>("INSERT INTO (SELECT a FROM t) VALUES (1)");
    ASSERT_NE(i, nullptr);
    EXPECT_NE(Raw(i->TargetTable->Source), nullptr);
    EXPECT_TRUE(Rejects("INSERT INTO t (SELECT a FROM u)"));
    EXPECT_TRUE(Rejects("INSERT INTO t VALUES (1), (2)"));
}

TEST_F(MssqlQuery, UpdateForms) {
    auto* u = One<TRk_UpdateStmt>("UPDATE t SET a = 1");
    ASSERT_NE(u, nullptr);
    EXPECT_EQ(OwnTokens(u), "UPDATE|SET");
    ASSERT_NE(u->TargetTable, nullptr);
    EXPECT_EQ(NameText(u->TargetTable->Source), "t");
    // Empty FROM and WHERE holders.
    ASSERT_NE(u->FromClause, nullptr);
    EXPECT_EQ(u->FromList, nullptr);
    ASSERT_NE(u->WhereClause, nullptr);
    EXPECT_EQ(u->WhereCondition, nullptr);
    EXPECT_EQ(ListShape(u->SetList), "Cmp[=](a,1)");
    EXPECT_EQ(OwnTokens(As<TRk_Node>(u->SetList->Items[0])), "=");

    u = One<TRk_UpdateStmt>("UPDATE t SET @v = a + 1, b = @v FROM t JOIN u ON t.id = u.id WHERE u.x = 2");
    ASSERT_NE(u, nullptr);
    EXPECT_EQ(ListShape(u->SetList), "Cmp[=](@v,Arith[+](a,1)),Cmp[=](b,@v)");
    ASSERT_NE(u->FromList, nullptr);
    EXPECT_NE(As<TRk_JoinExpr>(u->FromList->Items[0]), nullptr);
    EXPECT_EQ(Shape(u->WhereCondition), "Cmp[=](u.x,2)");

    u = One<TRk_UpdateStmt>("UPDATE t SET (a, b) = (SELECT 1, 2)");
    ASSERT_NE(u, nullptr);
    EXPECT_EQ(ListShape(u->SetList), "AllOp[=]((a,b),SELECT)");
    u = One<TRk_UpdateStmt>("UPDATE t SET x = 1 WHERE CURRENT OF c1");
    ASSERT_NE(u, nullptr);
    EXPECT_EQ(OwnTokens(u->WhereClause), "WHERE|CURRENT|OF");
}

TEST_F(MssqlQuery, DeleteForms) {
    auto* d = One<TRk_DeleteStmt>("DELETE FROM t");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->FromOmitted, 0);
    EXPECT_EQ(OwnTokens(d), "DELETE|FROM");
    ASSERT_NE(d->WhereClause, nullptr);
    EXPECT_EQ(d->WhereCondition, nullptr);
    ASSERT_NE(d->FromClause, nullptr);

    d = One<TRk_DeleteStmt>("DELETE t WHERE a = 1");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->FromOmitted, 1);
    EXPECT_EQ(OwnTokens(d), "DELETE");
    EXPECT_EQ(Shape(d->WhereCondition), "Cmp[=](a,1)");

    d = One<TRk_DeleteStmt>("DELETE FROM t FROM t JOIN u ON t.a = u.a");
    ASSERT_NE(d, nullptr);
    ASSERT_NE(d->FromList, nullptr);
    EXPECT_EQ(OwnTokens(d->FromClause), "FROM");
}

TEST_F(MssqlQuery, Returning) {
    auto* d = One<TRk_DeleteStmt>("DELETE FROM t RETURNING a, b INTO @x, @y");
    ASSERT_NE(d, nullptr);
    ASSERT_NE(d->ReturningClause, nullptr);
    EXPECT_EQ(d->ReturningClause->ReturningKind, 1);
    EXPECT_EQ(ListShape(d->ReturningClause->ReturnList), "a,b");
    EXPECT_EQ(ListShape(d->ReturningClause->IntoList), "@x,@y");
    EXPECT_EQ(OwnTokens(d->ReturningClause), "RETURNING|INTO");
    auto* u = One<TRk_UpdateStmt>("UPDATE t SET a = 1 RETURNING a BULK COLLECT INTO x");
    ASSERT_NE(u, nullptr);
    EXPECT_EQ(u->ReturningClause->ReturningKind, 2);
    EXPECT_EQ(OwnTokens(u->ReturningClause), "RETURNING|BULK|COLLECT|INTO");
    auto* i = One<TRk_InsertStmt>("INSERT INTO t VALUES (1) RETURNING a INTO x");
    ASSERT_NE(i, nullptr);
    EXPECT_NE(i->ReturningClause, nullptr);
}

TEST_F(MssqlQuery, Names) {
    struct TCase {
        const char* Name;
        const char* Text;
        const char* Tokens;
    } cases[] = {
        {"dbo.orders", "dbo.orders", "dbo|."},
        {"db..orders", "db..orders", ""},
        {"server.db.dbo.t", "server.db.dbo.t", "server|."},
        {"[dbo].[Customers]", "[dbo].[Customers]", "[dbo]|."},
        {"left.x", "left.x", ""},
        {"t", "t", ""},
    };
    for (const TCase& c : cases) {
        auto* s = One<TRk_SelectStmt>(std::string("SELECT 1 FROM ") + c.Name);
        ASSERT_NE(s, nullptr) << c.Name;
        auto* t = As<TRk_TableRef>(FromItem(s, 0));
        ASSERT_NE(t, nullptr) << c.Name;
        EXPECT_EQ(NameText(t->Source), c.Text) << c.Name;
        EXPECT_EQ(OwnTokens(t->Source), c.Tokens) << c.Name;
    }
    auto* s = One<TRk_SelectStmt>("SELECT 1 FROM server.db.dbo.t");
    auto* a = As<TRk_Attr>(As<TRk_TableRef>(FromItem(s, 0))->Source);
    ASSERT_NE(a, nullptr);
    ASSERT_EQ(a->NameParts->Count(), 3);
    EXPECT_EQ(TokText(a->DotToken), ".");
    EXPECT_EQ(TokText(a->NameParts->Items[1]->AsToken()->SeparatorToken), ".");
    // LEFT and FULL alone are no names.
    EXPECT_TRUE(Rejects("SELECT 1 FROM left"));
}

}  // namespace
