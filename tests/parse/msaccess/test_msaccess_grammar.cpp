// The MS Access grammar: the trees its actions build (node kinds, fields,
// own tokens) for each kind of statement, and what it refuses.
#include "msaccess_support.h"

using namespace access_test;

namespace {

class AccessGrammar : public AccessParseFixture {
protected:
    TRk_SelectStmt* Q(const std::string& Text) { return Root<TRk_SelectStmt>(Text); }
    template <class T = TRk_TableRef>
    T* From(TRk_SelectStmt* Q, int I = 0) { return Is<T>(Q->FromList->GetItem(I)); }
    TRk_Node* Value(TRk_SelectStmt* Q, int I) { return Is<TRk_ResTarget>(Q->TargetList->GetItem(I))->ValueExpr; }
    TRk_CreateTableStmt* Create(const std::string& Text) { return Root<TRk_CreateTableStmt>(Text); }
    template <class T>
    T* Element(TRk_CreateTableStmt* C, int I) { return Is<T>(C->ElementList->GetItem(I)); }
};

TEST_F(AccessGrammar, SelectClausesDistinctAndTop) {
    auto* q = Q("SELECT a FROM t");
    auto* d = Is<TRk_SelectDistinct>(q->DistinctClause);
    // Kind, own tokens, distinct kind and keyword, TOP, INTO, WHERE, GROUP BY, HAVING, FROM.
    EXPECT_EQ(J(q->NodeKind, Own(q), d->DistinctKind, d->KeywordToken, q->TopClause, q->IntoClause, q->IntoList,
                q->WhereClause, q->WhereCondition, q->GroupByClause, q->HavingClause, q->FromList->Count(),
                Own(q->FromClause)),
              "170 SELECT 0 _ _ + _ + _ + + 1 FROM");
    static const struct {
        const char *text, *want;  // DistinctKind, own tokens
    } Cases[] = {{"SELECT DISTINCTROW a FROM t", "5 DISTINCTROW"},
                 {"SELECT UNIQUE a FROM t", "4 UNIQUE"},
                 {"SELECT ALL a FROM t", "3 ALL"},
                 {"SELECT DISTINCT a FROM t", "1 DISTINCT"},
                 {"SELECT DISTINCT ON (a, b) a FROM t", "2 DISTINCT|ON|(|)"}};
    for (const auto& c : Cases) {
        d = Is<TRk_SelectDistinct>(Q(c.text)->DistinctClause);
        EXPECT_EQ(J(d->DistinctKind, Own(d)), c.want) << c.text;
    }
    auto* top = Is<TRkTopClause>(Q("SELECT TOP 10 PERCENT a FROM t")->TopClause);
    EXPECT_EQ(J(Txt(top->NumberToken), top->percent, top->withties, Own(top)), "10 1 0 TOP|PERCENT");
    // No FROM needed.
    q = Q("SELECT 1");
    EXPECT_EQ(J(q->FromList, q->FromClause), "_ +");
    // The first statement is the result.
    EXPECT_EQ(Sx(Value(Q("SELECT a FROM t; SELECT b FROM u"), 0)), "a");
    EXPECT_EQ(Parse(""), nullptr);
}

TEST_F(AccessGrammar, ParenthesesOrderByAndUnion) {
    auto* q = Q("((SELECT a FROM t))");
    EXPECT_EQ(J(q->ParenCount, Own(q)), "2 (|(|)|)|SELECT");
    q = Q("(SELECT a FROM t) ORDER BY a");
    EXPECT_EQ(J(q->InnerParenCount, q->ParenCount, Own(q->OrderByClause)), "1 0 ORDER|BY");
    TRk_List* sorts = Is<TRk_DummyNode>(Q("SELECT a FROM t ORDER BY a DESC, b")->OrderByClause)->List1;
    ASSERT_EQ(sorts->Count(), 2);
    EXPECT_EQ(J(Txt(Is<TRk_SortGroupBy>(sorts->GetItem(0))->SortToken), Txt(Is<TRk_Node>(sorts->GetItem(1))->SeparatorToken)),
              "DESC ,");
    q = Q("SELECT a FROM t UNION ALL SELECT b FROM u");
    EXPECT_EQ(J(q->SetOperation, Txt(q->SetAllToken)), "2 ALL");
    q = Q("SELECT a FROM t UNION SELECT b FROM u");
    EXPECT_EQ(J(q->SetOperation, q->SetAllToken), "1 _");
}

TEST_F(AccessGrammar, SecondOrderByEndsTheParse) {
    Refused("(SELECT a FROM t ORDER BY a) ORDER BY b");
    EXPECT_EQ(Result, 1);
    EXPECT_EQ(Parser->ErrorMessage, "Multiple ORDER BY clauses not allowed");
}

TEST_F(AccessGrammar, Joins) {
    auto* j = From<TRk_JoinExpr>(Q("SELECT * FROM a LEFT OUTER JOIN b ON a.x = b.x"));
    EXPECT_EQ(J(j->JoinType, Own(j), Txt(j->JoinTypeClause->Tok1), Txt(j->JoinTypeClause->Tok2), j->Qualification->QualKind,
                Sx(j->Qualification->OnCondition)),
              "8 JOIN LEFT OUTER 2 (= a.x b.x)");
    EXPECT_EQ(From<TRk_JoinExpr>(Q("SELECT * FROM a INNER JOIN b ON a.x = b.x"))->JoinType, 10);
    j = From<TRk_JoinExpr>(Q("SELECT * FROM a JOIN b ON a.x = b.x"));
    EXPECT_EQ(J(j->JoinType, j->JoinTypeClause), "0 _");
    j = From<TRk_JoinExpr>(Q("SELECT * FROM (a INNER JOIN b ON a.x = b.x) INNER JOIN c ON b.y = c.y"));
    auto* inner = Is<TRk_JoinExpr>(j->LeftRef);
    EXPECT_EQ(J(inner->JoinType, inner->RightRef, Is<TRk_JoinExpr>(inner->LeftRef)->JoinType), "11 _ 10");
    // FULL is no scanner keyword: it is the alias of a.
    j = From<TRk_JoinExpr>(Q("SELECT * FROM a FULL JOIN b ON a.x = b.x"));
    EXPECT_EQ(J(j->JoinType, Txt(Is<TRk_TableRef>(j->LeftRef)->Alias->AliasToken)), "0 FULL");
}

TEST_F(AccessGrammar, TableReferencesAndAliases) {
    auto* q = Q("SELECT a AS 'x' FROM t x, u AS 'y', v WITH (a), w z (b), p (c)");
    ASSERT_EQ(q->FromList->Count(), 5);
    // FROM t AS 'x' keeps the kind of the alias token.
    EXPECT_EQ(J(From(q, 0)->Alias->AliasToken->DbObjKind, From(q, 0)->Alias->HasAs), "6 0");
    EXPECT_EQ(J(From(q, 1)->Alias->HasAs, From(q, 1)->Alias->AliasToken->DbObjKind, Txt(From(q, 1)->SeparatorToken)), "1 0 ,");
    EXPECT_EQ(J(Txt(From(q, 2)->WithToken), SxList(From(q, 2)->ColumnList), Own(From(q, 2))), "WITH [a] WITH|(|)");
    EXPECT_EQ(J(From(q, 3)->WithToken, From(q, 3)->HasColumnList, SxList(From(q, 3)->ColumnList)), "_ 0 [b]");
    EXPECT_EQ(From(q, 4)->HasColumnList, 1);
    auto* item = Is<TRk_ResTarget>(q->TargetList->GetItem(0));
    EXPECT_EQ(J(item->HasAlias, item->AliasClause->AliasToken->DbObjKind), "1 6");
    auto* d = From(Q("SELECT * FROM (SELECT a FROM u) v"));
    EXPECT_EQ(J(As<TRk_SelectStmt>(d->Source), Txt(d->Alias->AliasToken)), "+ v");
}

TEST_F(AccessGrammar, NamesLiteralsAndCalls) {
    auto* q = Q("SELECT t.c, a.b.c, count, sum, date, 12, 1.5, 'x', NULL, t.*, #1/2/2003# FROM t");
    auto operand = [&](int i) { return Is<TRkCustomExpression>(Value(q, i))->LeftOperand; };
    auto* tc = Is<TRk_Attr>(operand(0));
    EXPECT_EQ(J(Txt(tc->DotToken), Own(tc), Sx(Value(q, 1)), Sx(Value(q, 2)), Sx(Value(q, 4))), ". t|. a.b.c count date");
    EXPECT_EQ(J(Is<TRk_A_Const>(operand(5))->ConstKind, Is<TRk_A_Const>(operand(6))->ConstKind,
                Is<TRk_A_Const>(operand(7))->ConstKind, Is<TRk_A_Const>(operand(8))->ConstKind),
              "55 48 172 64");
    EXPECT_EQ(SxList(Is<TRk_Attr>(operand(9))->NameParts), "[*]");
    auto* date = Is<TRkCustomExpression>(Value(q, 10));
    EXPECT_EQ(J(date->ExprType == Expr_Attr, Txt(Is<TRk_Attr>(date->LeftOperand)->NameToken)), "1 #1/2/2003#");
    auto* star = Is<TRkCustomExpression>(Value(Q("SELECT * FROM t"), 0));
    EXPECT_EQ(J(star->ExprType == Expr_Ident, Own(Is<TRk_Ident>(star->LeftOperand))), "1 *");
    Refused("SELECT select FROM t");
    EXPECT_EQ(Result, 1);

    q = Q("select count(*), f(), sum(DISTINCT x), left(a, 2), @p(1), trim(x) from t");
    auto call = [&](int i) { return Is<TRk_FuncCall>(operand(i)); };
    EXPECT_EQ(J(call(0)->IsStar, call(0)->ArgList, Own(call(0)), Own(call(1))), "1 _ (|*|) (|)");
    EXPECT_EQ(J(call(2)->IsDistinct, Own(call(2))), "1 (|DISTINCT|)");
    EXPECT_EQ(J(Sx(call(3)), Sx(call(4)), call(5)->CallForm), "left[a,2] @p[1] 0");
}

TEST_F(AccessGrammar, ExpressionPrecedence) {
    static const struct {
        const char *cond, *want;  // "error <token>": one report there
    } Cases[] = {
        {"a OR b AND c", "(and (or a b) c)"},
        {"NOT a = b", "(not _ (= a b))"},
        {"a = b = c", "(= a (= b c))"},
        {"a + b * c", "(+ a (* b c))"},
        {"- a ^ b", "(^ (- _ a) b)"},
        {"x LIKE 'a%'", "(like x 'a%')"},
        {"x NOT LIKE 'a'", "(notlike x 'a')"},
        {"x BETWEEN 1 AND 2 + 3", "(between x (and 1 (+ 2 3)))"},
        {"x IN (1, 2)", "(in x ([1,2]))"},
        {"a <> b", "(<> a b)"},
        {"x > ALL (1, 2)", "(>all x ([1,2]))"},
        {"(a, b) = (c, d)", "(= ([a,b]) ([c,d]))"},
        // Non-associative: one syntax error at the second operator.
        {"a < b < c", "error <"},
        {"a LIKE b LIKE c", "error LIKE"},
    };
    for (const auto& c : Cases) {
        SCOPED_TRACE(c.cond);
        const std::string text = std::string("select a from t where ") + c.cond;
        if (std::string(c.want).rfind("error ", 0) == 0) {
            EXPECT_EQ("error " + Refused(text), c.want);
        } else {
            EXPECT_EQ(Cond(Q(text)), c.want);
        }
    }
    Refused("select a from t where a < b < c");
    EXPECT_EQ(Errors.at(0).Column, 30);
}

TEST_F(AccessGrammar, NegatedQuantifiedAndRowComparisons) {
    auto where = [&](const char* cond) { return Is<TRkCustomExpression>(Q(std::string("select a from t where ") + cond)->WhereCondition); };
    auto* e = where("x NOT BETWEEN 1 AND 2");
    EXPECT_EQ(J(e->ExprType == Expr_NotBetween, Txt(e->OperatorToken), Own(e), Sx(e)), "1 NOT NOT|BETWEEN (notbetween x (and 1 2))");
    e = where("x IS NOT NULL");
    EXPECT_EQ(J(e->ExprType == Expr_IsNotNull, e->OperatorToken, Own(e)), "1 _ IS|NOT|NULL");
    e = where("x = ANY (select y from u)");
    EXPECT_EQ(J(e->ExprType == Expr_AllOp, e->Modifier, Txt(e->QuantifierToken), Sx(e)), "1 1 ANY (=any x {q})");
    e = where("(a, b) IN (select x, y from u)");
    EXPECT_EQ(J(e->ExprType == Expr_In, Sx(e->LeftOperand), Own(e)), "1 ([a,b]) ");
    e = where("(a, b) NOT IN (select x, y from u)");
    EXPECT_EQ(J(e->ExprType == Expr_NotIn, Own(e)), "1 NOT|IN");
}

TEST_F(AccessGrammar, InsertForms) {
    auto* i = Root<TRk_InsertStmt>("INSERT INTO t (a, b) VALUES (1, 2)");
    EXPECT_EQ(J(i->HasInto, Own(i), SxList(i->TargetTable->ColumnList), i->ValuesList->Count()), "1 INSERT|INTO [a,b] 2");
    EXPECT_EQ(Root<TRk_InsertStmt>("INSERT INTO t VALUES (1)")->ValuesList->Count(), 1);
    i = Root<TRk_InsertStmt>("INSERT t SELECT * FROM u");
    EXPECT_EQ(J(i->HasInto, i->ValuesList, i->SubSelect), "0 _ +");
    i = Root<TRk_InsertStmt>("INSERT INTO (SELECT a FROM t) VALUES (1)");
    EXPECT_NE(As<TRk_SelectStmt>(i->TargetTable->Source), nullptr);
}

TEST_F(AccessGrammar, UpdateAndDelete) {
    auto* u = Root<TRk_UpdateStmt>("UPDATE t SET a = 1, b = 2 WHERE c = 3");
    EXPECT_EQ(J(Own(u), Sx(u->SetList), u->FromList, Sx(u->WhereCondition), Own(Is<TRk_Node>(u->SetList->GetItem(0)))),
              "UPDATE|SET [(= a 1),(= b 2)] _ (= c 3) =");
    u = Root<TRk_UpdateStmt>("UPDATE t SET (a, b) = (SELECT x, y FROM u)");
    EXPECT_EQ(Is<TRkCustomExpression>(u->SetList->GetItem(0))->ExprType, Expr_AllOp);
    auto* d = Root<TRk_DeleteStmt>("DELETE t WHERE a = 1");
    EXPECT_EQ(J(d->FromOmitted, Own(d)), "1 DELETE");
    d = Root<TRk_DeleteStmt>("DELETE FROM t FROM u WHERE t.a = u.a");
    EXPECT_EQ(J(d->FromOmitted, Own(d), d->FromList->Count()), "0 DELETE|FROM 1");
}

TEST_F(AccessGrammar, CreateTableWithConstraints) {
    auto* c = Create("CREATE TABLE t (a INTEGER NOT NULL, b TEXT, CONSTRAINT pk PRIMARY KEY (a))");
    EXPECT_EQ(J(Own(c), c->ElementList->Count()), "CREATE|TABLE|(|) 3");
    auto* a = Element<TRkColumnDef>(c, 0);
    auto* nn = Is<TRkConstraint>(a->ConstraintNodes->GetItem(0));
    EXPECT_EQ(J(Txt(a->ColumnNameToken), a->DataType->TypeForm, nn->ConstraintType, nn->SeparatorFollows), "a 12 1 0");
    EXPECT_EQ(Element<TRkColumnDef>(c, 1)->DataType->TypeForm, 69);
    auto* pk = Element<TRkConstraint>(c, 2);
    EXPECT_EQ(J(pk->ConstraintType, pk->SeparatorFollows, pk->Name, Txt(pk->ConstraintToken), SxList(pk->ColumnList)),
              "4 1 pk CONSTRAINT [a]");

    c = Create("CREATE TABLE t (a INTEGER REFERENCES u (x) ON DELETE SET NULL)");
    auto* r = Is<TRkConstraint>(Element<TRkColumnDef>(c, 0)->ConstraintNodes->GetItem(0));
    ASSERT_NE(r->RefClause, nullptr);
    auto* rc = r->RefClause;
    EXPECT_EQ(J(r->ConstraintType, Own(r), Sx(rc->RefTable), SxList(rc->RefColumns), rc->MatchKind, rc->ActionKinds,
                rc->OnDeleteAction),
              "8  u [x] 0 1 3");
    TRk_DummyNode* act = rc->ActionsClause;
    EXPECT_EQ(J(Txt(act->Tok1), Txt(act->Tok2), Txt(act->Tok3), Txt(act->Tok4)), "ON DELETE SET NULL");

    c = Create("CREATE TABLE t (a INT, FOREIGN KEY (a) REFERENCES u ON UPDATE SET NULL ON DELETE SET NULL, FOREIGN KEY (a))");
    auto* fk = Element<TRkConstraint>(c, 1);
    ASSERT_NE(fk->RefClause, nullptr);
    rc = fk->RefClause;
    EXPECT_EQ(J(fk->ConstraintType, rc->ActionKinds, rc->OnDeleteAction, rc->OnUpdateAction, Txt(rc->ActionsClause->Tok2),
                Txt(rc->ActionsClause->Tok6)),
              "5 3 3 3 UPDATE DELETE");
    EXPECT_EQ(Element<TRkConstraint>(c, 2)->RefClause, nullptr);
}

TEST_F(AccessGrammar, DataTypes) {
    static const struct {
        const char *text, *want;  // TypeForm Param1 Param2 TypeNameToken own tokens; "error"
    } Cases[] = {
        {"NUMERIC(10, 2)", "10 10 2 + NUMERIC|(|10|,|2|)"},
        {"NUMERIC(10)", "10 10 -9999 + NUMERIC|(|10|)"},
        {"NUMERIC", "10 -9999 -9999 + NUMERIC"},
        {"VARCHAR(50)", "41 50 -9999 _ VARCHAR|(|50|)"},
        {"DOUBLE", "2 -9999 -9999 + DOUBLE"},
        {"FLOAT(99999999999)", "3 0 -9999 + FLOAT|(|99999999999|)"},
        {"MEMO", "29 -9999 -9999 + MEMO"},
        {"YESNO", "20 -9999 -9999 + YESNO"},
        {"CURRENCY", "21 -9999 -9999 + CURRENCY"},
        {"LONG", "58 -9999 -9999 + LONG"},
        {"DATE", "49 -9999 -9999 _ DATE"},
        {"TIME", "54 -9999 -9999 _ TIME"},
        {"TIMESTAMP", "50 -9999 -9999 + TIMESTAMP"},
        {"GUID", "32 -9999 -9999 + GUID"},
        {"BIT", "16 -9999 -9999 + BIT"},
        {"SINGLE", "23 -9999 -9999 + SINGLE"},
        {"datetime", "2 -9999 -9999 + datetime"},
        {"COUNTER", "error"},
        {"FLOAT(x)", "error"},
        {"TEXT(50)", "error"},
    };
    for (const auto& c : Cases) {
        SCOPED_TRACE(c.text);
        const std::string text = std::string("CREATE TABLE t (a ") + c.text + ")";
        if (std::string(c.want) == "error") {
            Refused(text);
            continue;
        }
        auto* t = Element<TRkColumnDef>(Create(text), 0)->DataType;
        EXPECT_EQ(J(t->TypeForm, t->Param1, t->Param2, t->TypeNameToken, Own(t)), c.want);
    }
}

TEST_F(AccessGrammar, CreateTableAsQueryAndStatementsWithoutTree) {
    auto* c = Create("CREATE TABLE t AS SELECT * FROM u");
    EXPECT_EQ(J(c->ElementList, c->Query, Txt(c->AsToken), Own(c)), "_ + AS CREATE|TABLE");
    EXPECT_EQ(SxList(Create("CREATE TABLE t (a, b) AS SELECT x, y FROM u")->ColumnNameList), "[a,b]");
    for (const char* s : {"CREATE INDEX i ON t (a)", "CREATE UNIQUE INDEX i ON t (a DESC, b)", "DROP TABLE t", "DROP INDEX i"}) {
        EXPECT_EQ(Parse(s), nullptr) << s;
        EXPECT_EQ(J(Result, Errors.size()), "0 0") << s;
    }
}

TEST_F(AccessGrammar, WordsTheScannerDoesNotKnowFail) {
    // Each is a syntax error in an Access script: the word arrives as an
    // identifier.
    for (const char* s : {"CREATE TEMPORARY TABLE t (a INT)", "CREATE TABLE t (a INT DEFAULT 0)",
                          "CREATE TABLE t (a INT REFERENCES u ON DELETE CASCADE)",
                          "SELECT * FROM a FULL OUTER JOIN b ON a.x = b.x", "SELECT * FROM a JOIN b USING (x)",
                          "SELECT a FROM t FOR UPDATE", "SELECT a FROM t MINUS SELECT b FROM u",
                          "ALTER TABLE t ADD COLUMN c INT"})
        Refused(s);
}

}  // namespace
