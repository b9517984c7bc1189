// The MS Access grammar: the trees its actions build (node kinds, fields,
// own tokens) for each kind of statement, and what it refuses.
#include <gtest/gtest.h>

#include "msaccess_support.h"
#include "nodes/u_parsenodes.h"
#include "statementstructure/sqlstatement_select.h"

using namespace access_test;

namespace {

class AccessGrammar : public AccessParseFixture {
protected:
    TRk_SelectStmt* Select(const std::string& Text) {
        auto* q = As<TRk_SelectStmt>(Parse(Text));
        EXPECT_EQ(Result, 0) << Text;
        EXPECT_TRUE(Errors.empty()) << Text;
        return q;
    }
    // The WHERE condition of «select a from t where <Cond>», as a picture.
    std::string Where(const std::string& Cond) {
        TRk_SelectStmt* q = Select("select a from t where " + Cond);
        return q ? Sx(q->WhereCondition) : "<no tree>";
    }
};

TEST_F(AccessGrammar, PlainSelectHasEveryClauseCarrier) {
    TRk_SelectStmt* q = Select("SELECT a FROM t");
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(q->NodeKind, 170);
    EXPECT_EQ(OwnTokens(q), "SELECT");
    auto* d = As<TRk_SelectDistinct>(q->DistinctClause);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->DistinctKind, 0);
    EXPECT_EQ(d->KeywordToken, nullptr);
    EXPECT_EQ(q->TopClause, nullptr);
    ASSERT_NE(q->IntoClause, nullptr);
    EXPECT_EQ(q->IntoList, nullptr);
    ASSERT_NE(q->WhereClause, nullptr);
    EXPECT_EQ(q->WhereCondition, nullptr);
    ASSERT_NE(q->GroupByClause, nullptr);
    ASSERT_NE(q->HavingClause, nullptr);
    ASSERT_NE(q->FromList, nullptr);
    EXPECT_EQ(q->FromList->Count(), 1);
    EXPECT_EQ(OwnTokens(q->FromClause), "FROM");
}

TEST_F(AccessGrammar, DistinctKindsAndTop) {
    struct {
        const char* text;
        int kind;
        const char* tokens;
    } rows[] = {{"SELECT DISTINCTROW a FROM t", 5, "DISTINCTROW"},
                {"SELECT UNIQUE a FROM t", 4, "UNIQUE"},
                {"SELECT ALL a FROM t", 3, "ALL"},
                {"SELECT DISTINCT a FROM t", 1, "DISTINCT"},
                {"SELECT DISTINCT ON (a, b) a FROM t", 2, "DISTINCT|ON|(|)"}};
    for (const auto& r : rows) {
        TRk_SelectStmt* q = Select(r.text);
        ASSERT_NE(q, nullptr) << r.text;
        auto* d = As<TRk_SelectDistinct>(q->DistinctClause);
        EXPECT_EQ(d->DistinctKind, r.kind) << r.text;
        EXPECT_EQ(OwnTokens(d), r.tokens) << r.text;
    }
    TRk_SelectStmt* q = Select("SELECT TOP 10 PERCENT a FROM t");
    auto* top = As<TRkTopClause>(q->TopClause);
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(TokText(top->NumberToken), "10");
    EXPECT_EQ(top->percent, 1);
    EXPECT_EQ(top->withties, 0);
    EXPECT_EQ(OwnTokens(top), "TOP|PERCENT");
}

TEST_F(AccessGrammar, SelectWithoutFromIsAccepted) {
    TRk_SelectStmt* q = Select("SELECT 1");
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(q->FromList, nullptr);
    ASSERT_NE(q->FromClause, nullptr);
}

TEST_F(AccessGrammar, ParenthesesAndOrderBy) {
    TRk_SelectStmt* q = Select("((SELECT a FROM t))");
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(q->ParenCount, 2);
    EXPECT_EQ(OwnTokens(q), "(|(|)|)|SELECT");

    q = Select("(SELECT a FROM t) ORDER BY a");
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(q->InnerParenCount, 1);
    EXPECT_EQ(q->ParenCount, 0);
    ASSERT_NE(q->OrderByClause, nullptr);
    EXPECT_EQ(OwnTokens(q->OrderByClause), "ORDER|BY");

    q = Select("SELECT a FROM t ORDER BY a DESC, b");
    ASSERT_NE(q, nullptr);
    TRk_List* sorts = As<TRk_DummyNode>(q->OrderByClause)->List1;
    ASSERT_EQ(sorts->Count(), 2);
    EXPECT_EQ(TokText(As<TRk_SortGroupBy>(sorts->GetItem(0))->SortToken), "DESC");
    EXPECT_EQ(TokText(As<TRk_Node>(sorts->GetItem(1))->SeparatorToken), ",");
}

TEST_F(AccessGrammar, SecondOrderByEndsTheParse) {
    Parse("(SELECT a FROM t ORDER BY a) ORDER BY b");
    EXPECT_EQ(Result, 1);
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Parser->ErrorMessage, "Multiple ORDER BY clauses not allowed");
}

TEST_F(AccessGrammar, UnionKinds) {
    TRk_SelectStmt* q = Select("SELECT a FROM t UNION ALL SELECT b FROM u");
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(q->SetOperation, 2);
    EXPECT_EQ(TokText(q->SetAllToken), "ALL");
    q = Select("SELECT a FROM t UNION SELECT b FROM u");
    EXPECT_EQ(q->SetOperation, 1);
    EXPECT_EQ(q->SetAllToken, nullptr);
}

TEST_F(AccessGrammar, FirstStatementIsTheResult) {
    TRk_SelectStmt* q = Select("SELECT a FROM t; SELECT b FROM u");
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(Sx(As<TRk_ResTarget>(q->TargetList->GetItem(0))->ValueExpr), "a");
    EXPECT_EQ(Parse(""), nullptr);
}

TEST_F(AccessGrammar, Joins) {
    TRk_SelectStmt* q = Select("SELECT * FROM a LEFT OUTER JOIN b ON a.x = b.x");
    auto* j = As<TRk_JoinExpr>(q->FromList->GetItem(0));
    ASSERT_NE(j, nullptr);
    EXPECT_EQ(j->JoinType, 8);
    EXPECT_EQ(OwnTokens(j), "JOIN");
    EXPECT_EQ(TokText(j->JoinTypeClause->Tok1), "LEFT");
    EXPECT_EQ(TokText(j->JoinTypeClause->Tok2), "OUTER");
    EXPECT_EQ(j->Qualification->QualKind, 2);
    EXPECT_EQ(Sx(j->Qualification->OnCondition), "(= a.x b.x)");

    j = As<TRk_JoinExpr>(Select("SELECT * FROM a INNER JOIN b ON a.x = b.x")->FromList->GetItem(0));
    EXPECT_EQ(j->JoinType, 10);
    j = As<TRk_JoinExpr>(Select("SELECT * FROM a JOIN b ON a.x = b.x")->FromList->GetItem(0));
    EXPECT_EQ(j->JoinType, 0);
    EXPECT_EQ(j->JoinTypeClause, nullptr);

    q = Select("SELECT * FROM (a INNER JOIN b ON a.x = b.x) INNER JOIN c ON b.y = c.y");
    j = As<TRk_JoinExpr>(q->FromList->GetItem(0));
    auto* inner = As<TRk_JoinExpr>(j->LeftRef);
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(inner->JoinType, 11);
    EXPECT_EQ(inner->RightRef, nullptr);
    EXPECT_EQ(As<TRk_JoinExpr>(inner->LeftRef)->JoinType, 10);

    // FULL is no scanner keyword: it is the alias of a.
    j = As<TRk_JoinExpr>(Select("SELECT * FROM a FULL JOIN b ON a.x = b.x")->FromList->GetItem(0));
    EXPECT_EQ(j->JoinType, 0);
    EXPECT_EQ(TokText(As<TRk_TableRef>(j->LeftRef)->Alias->AliasToken), "FULL");
}

TEST_F(AccessGrammar, TableReferencesAndAliases) {
    TRk_SelectStmt* q = Select("SELECT a AS 'x' FROM t x, u AS 'y', v WITH (a), w z (b), p (c)");
    TRk_List* from = q->FromList;
    ASSERT_EQ(from->Count(), 5);
    auto* t = As<TRk_TableRef>(from->GetItem(0));
    EXPECT_EQ(t->Alias->AliasToken->DbObjKind, 6);
    EXPECT_EQ(t->Alias->HasAs, 0);
    auto* u = As<TRk_TableRef>(from->GetItem(1));
    EXPECT_EQ(u->Alias->HasAs, 1);
    EXPECT_EQ(u->Alias->AliasToken->DbObjKind, 0);   // FROM t AS 'x' keeps the kind
    EXPECT_EQ(TokText(As<TRk_Node>(u)->SeparatorToken), ",");
    auto* v = As<TRk_TableRef>(from->GetItem(2));
    EXPECT_EQ(TokText(v->WithToken), "WITH");
    EXPECT_EQ(SxList(v->ColumnList), "[a]");
    EXPECT_EQ(OwnTokens(v), "WITH|(|)");
    auto* w = As<TRk_TableRef>(from->GetItem(3));
    EXPECT_EQ(w->WithToken, nullptr);
    EXPECT_EQ(w->HasColumnList, 0);
    EXPECT_EQ(SxList(w->ColumnList), "[b]");
    auto* p = As<TRk_TableRef>(from->GetItem(4));
    EXPECT_EQ(p->HasColumnList, 1);
    auto* item = As<TRk_ResTarget>(q->TargetList->GetItem(0));
    EXPECT_EQ(item->HasAlias, 1);
    EXPECT_EQ(item->AliasClause->AliasToken->DbObjKind, 6);

    q = Select("SELECT * FROM (SELECT a FROM u) v");
    auto* d = As<TRk_TableRef>(q->FromList->GetItem(0));
    EXPECT_NE(As<TRk_SelectStmt>(d->Source), nullptr);
    EXPECT_EQ(TokText(d->Alias->AliasToken), "v");
}

TEST_F(AccessGrammar, NamesAndLiterals) {
    TRk_SelectStmt* q = Select("SELECT t.c, a.b.c, count, sum, date, 12, 1.5, 'x', NULL, t.* FROM t");
    TRk_List* l = q->TargetList;
    auto val = [&](int i) { return As<TRk_ResTarget>(l->GetItem(i))->ValueExpr; };
    auto* tc = As<TRk_Attr>(As<TRkCustomExpression>(val(0))->LeftOperand);
    ASSERT_NE(tc, nullptr);
    EXPECT_EQ(TokText(tc->DotToken), ".");
    EXPECT_EQ(OwnTokens(tc), "t|.");
    EXPECT_EQ(Sx(val(1)), "a.b.c");
    EXPECT_EQ(Sx(val(2)), "count");
    EXPECT_EQ(Sx(val(4)), "date");
    const int kinds[] = {55, 48, 172, 64};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(As<TRk_A_Const>(As<TRkCustomExpression>(val(5 + i))->LeftOperand)->ConstKind, kinds[i]);
    auto* star = As<TRk_Attr>(As<TRkCustomExpression>(val(9))->LeftOperand);
    EXPECT_EQ(SxList(star->NameParts), "[*]");

    Parse("SELECT select FROM t");
    EXPECT_EQ(Result, 1);
}

TEST_F(AccessGrammar, SelectStarAndHashDate) {
    TRk_SelectStmt* q = Select("SELECT * FROM t WHERE d = #1/2/2003#");
    auto* e = As<TRkCustomExpression>(As<TRk_ResTarget>(q->TargetList->GetItem(0))->ValueExpr);
    EXPECT_EQ(e->ExprType, Expr_Ident);
    EXPECT_EQ(OwnTokens(As<TRk_Ident>(e->LeftOperand)), "*");
    auto* cond = As<TRkCustomExpression>(q->WhereCondition);
    auto* date = As<TRkCustomExpression>(cond->RightOperand);
    EXPECT_EQ(date->ExprType, Expr_Attr);
    EXPECT_EQ(TokText(As<TRk_Attr>(date->LeftOperand)->NameToken), "#1/2/2003#");
}

TEST_F(AccessGrammar, ExpressionPrecedence) {
    EXPECT_EQ(Where("a OR b AND c"), "(AND (OR a b) c)");
    EXPECT_EQ(Where("NOT a = b"), "(NOT _ (= a b))");
    EXPECT_EQ(Where("a = b = c"), "(= a (= b c))");
    EXPECT_EQ(Where("a + b * c"), "(+ a (* b c))");
    EXPECT_EQ(Where("- a ^ b"), "(^ (- _ a) b)");
    EXPECT_EQ(Where("x LIKE 'a%'"), "(LIKE x 'a%')");
    EXPECT_EQ(Where("x BETWEEN 1 AND 2 + 3"), "(BETWEEN x (AND 1 (+ 2 3)))");
    EXPECT_EQ(Where("x IN (1, 2)"), "(IN x (paren [1,2]))");
    EXPECT_EQ(Where("a <> b"), "(<> a b)");
    // Non-associative: one syntax error at the second operator.
    Parse("select a from t where a < b < c");
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Errors[0].Token, "<");
    EXPECT_EQ(Errors[0].Column, 30);
    Parse("select a from t where a LIKE b LIKE c");
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Errors[0].Token, "LIKE");
}

TEST_F(AccessGrammar, NegatedAndNullForms) {
    TRk_SelectStmt* q = Select("select a from t where x NOT BETWEEN 1 AND 2");
    auto* e = As<TRkCustomExpression>(q->WhereCondition);
    EXPECT_EQ(e->ExprType, Expr_NotBetween);
    EXPECT_EQ(TokText(e->OperatorToken), "NOT");
    EXPECT_EQ(OwnTokens(e), "NOT|BETWEEN");
    EXPECT_EQ(Sx(e->RightOperand), "(AND 1 2)");

    q = Select("select a from t where x IS NOT NULL");
    e = As<TRkCustomExpression>(q->WhereCondition);
    EXPECT_EQ(e->ExprType, Expr_IsNotNull);
    EXPECT_EQ(e->OperatorToken, nullptr);
    EXPECT_EQ(OwnTokens(e), "IS|NOT|NULL");

    q = Select("select a from t where x NOT LIKE 'a'");
    EXPECT_EQ(As<TRkCustomExpression>(q->WhereCondition)->ExprType, Expr_NotLike);
}

TEST_F(AccessGrammar, QuantifiedAndRowComparisons) {
    TRk_SelectStmt* q = Select("select a from t where x = ANY (select y from u)");
    auto* e = As<TRkCustomExpression>(q->WhereCondition);
    EXPECT_EQ(e->ExprType, Expr_AllOp);
    EXPECT_EQ(e->Modifier, 1);
    EXPECT_EQ(TokText(e->QuantifierToken), "ANY");

    q = Select("select a from t where x > ALL (1, 2)");
    e = As<TRkCustomExpression>(q->WhereCondition);
    EXPECT_EQ(e->Modifier, 3);
    EXPECT_EQ(Sx(e->RightOperand), "(paren [1,2])");

    q = Select("select a from t where (a, b) IN (select x, y from u)");
    e = As<TRkCustomExpression>(q->WhereCondition);
    EXPECT_EQ(e->ExprType, Expr_In);
    EXPECT_EQ(Sx(e->LeftOperand), "(paren [a,b])");
    EXPECT_EQ(OwnTokens(e), "");

    q = Select("select a from t where (a, b) NOT IN (select x, y from u)");
    e = As<TRkCustomExpression>(q->WhereCondition);
    EXPECT_EQ(e->ExprType, Expr_NotIn);
    EXPECT_EQ(OwnTokens(e), "NOT|IN");

    q = Select("select a from t where (a, b) = (c, d)");
    e = As<TRkCustomExpression>(q->WhereCondition);
    EXPECT_EQ(Sx(e), "(= (paren [a,b]) (paren [c,d]))");
}

TEST_F(AccessGrammar, FunctionCalls) {
    TRk_SelectStmt* q = Select("select count(*), f(), sum(DISTINCT x), left(a, 2), @p(1), trim(x) from t");
    auto call = [&](int i) {
        return As<TRk_FuncCall>(As<TRkCustomExpression>(As<TRk_ResTarget>(q->TargetList->GetItem(i))->ValueExpr)->LeftOperand);
    };
    EXPECT_EQ(call(0)->IsStar, 1);
    EXPECT_EQ(call(0)->ArgList, nullptr);
    EXPECT_EQ(OwnTokens(call(0)), "(|*|)");
    EXPECT_EQ(OwnTokens(call(1)), "(|)");
    EXPECT_EQ(call(2)->IsDistinct, 1);
    EXPECT_EQ(OwnTokens(call(2)), "(|DISTINCT|)");
    EXPECT_EQ(TokText(call(3)->NameAttr->NameToken), "left");
    EXPECT_EQ(TokText(call(4)->NameAttr->NameToken), "@p");
    EXPECT_EQ(call(5)->CallForm, 0);
}

TEST_F(AccessGrammar, InsertForms) {
    auto* i = As<TRk_InsertStmt>(Parse("INSERT INTO t (a, b) VALUES (1, 2)"));
    ASSERT_NE(i, nullptr);
    EXPECT_EQ(Result, 0);
    EXPECT_EQ(i->HasInto, 1);
    EXPECT_EQ(OwnTokens(i), "INSERT|INTO");
    EXPECT_EQ(SxList(i->TargetTable->ColumnList), "[a,b]");
    EXPECT_EQ(i->ValuesList->Count(), 2);

    i = As<TRk_InsertStmt>(Parse("INSERT INTO t VALUES (1)"));
    ASSERT_NE(i, nullptr);
    EXPECT_EQ(i->ValuesList->Count(), 1);

    i = As<TRk_InsertStmt>(Parse("INSERT t SELECT * FROM u"));
    ASSERT_NE(i, nullptr);
    EXPECT_EQ(i->HasInto, 0);
    EXPECT_EQ(i->ValuesList, nullptr);
    EXPECT_NE(i->SubSelect, nullptr);

    i = As<TRk_InsertStmt>(Parse("INSERT INTO (SELECT a FROM t) VALUES (1)"));
    ASSERT_NE(i, nullptr);
    EXPECT_NE(As<TRk_SelectStmt>(i->TargetTable->Source), nullptr);
}

TEST_F(AccessGrammar, UpdateAndDelete) {
    auto* u = As<TRk_UpdateStmt>(Parse("UPDATE t SET a = 1, b = 2 WHERE c = 3"));
    ASSERT_NE(u, nullptr);
    EXPECT_EQ(OwnTokens(u), "UPDATE|SET");
    EXPECT_EQ(Sx(u->SetList), "[(= a 1),(= b 2)]");
    EXPECT_EQ(u->FromList, nullptr);
    EXPECT_EQ(Sx(u->WhereCondition), "(= c 3)");
    EXPECT_EQ(OwnTokens(As<TRk_Node>(u->SetList->GetItem(0))), "=");

    u = As<TRk_UpdateStmt>(Parse("UPDATE t SET (a, b) = (SELECT x, y FROM u)"));
    ASSERT_NE(u, nullptr);
    EXPECT_EQ(As<TRkCustomExpression>(u->SetList->GetItem(0))->ExprType, Expr_AllOp);

    auto* d = As<TRk_DeleteStmt>(Parse("DELETE t WHERE a = 1"));
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->FromOmitted, 1);
    EXPECT_EQ(OwnTokens(d), "DELETE");
    d = As<TRk_DeleteStmt>(Parse("DELETE FROM t FROM u WHERE t.a = u.a"));
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->FromOmitted, 0);
    EXPECT_EQ(OwnTokens(d), "DELETE|FROM");
    EXPECT_EQ(d->FromList->Count(), 1);
}

TEST_F(AccessGrammar, CreateTableWithConstraints) {
    auto* c = As<TRk_CreateTableStmt>(
        Parse("CREATE TABLE t (a INTEGER NOT NULL, b TEXT, CONSTRAINT pk PRIMARY KEY (a))"));
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(Result, 0);
    EXPECT_EQ(OwnTokens(c), "CREATE|TABLE|(|)");
    ASSERT_EQ(c->ElementList->Count(), 3);
    auto* a = As<TRkColumnDef>(c->ElementList->GetItem(0));
    EXPECT_EQ(TokText(a->ColumnNameToken), "a");
    EXPECT_EQ(a->DataType->TypeForm, 12);
    auto* nn = As<TRkConstraint>(a->ConstraintNodes->GetItem(0));
    EXPECT_EQ(nn->ConstraintType, 1);
    EXPECT_EQ(nn->SeparatorFollows, 0);
    EXPECT_EQ(As<TRkColumnDef>(c->ElementList->GetItem(1))->DataType->TypeForm, 69);
    auto* pk = As<TRkConstraint>(c->ElementList->GetItem(2));
    EXPECT_EQ(pk->ConstraintType, 4);
    EXPECT_EQ(pk->SeparatorFollows, 1);
    EXPECT_EQ(pk->Name, "pk");
    EXPECT_EQ(TokText(pk->ConstraintToken), "CONSTRAINT");
    EXPECT_EQ(SxList(pk->ColumnList), "[a]");
}

TEST_F(AccessGrammar, ReferenceClauses) {
    auto* c = As<TRk_CreateTableStmt>(Parse("CREATE TABLE t (a INTEGER REFERENCES u (x) ON DELETE SET NULL)"));
    ASSERT_NE(c, nullptr);
    auto* r = As<TRkConstraint>(As<TRkColumnDef>(c->ElementList->GetItem(0))->ConstraintNodes->GetItem(0));
    EXPECT_EQ(r->ConstraintType, 8);
    EXPECT_EQ(OwnTokens(r), "");
    ASSERT_NE(r->RefClause, nullptr);
    EXPECT_EQ(Sx(r->RefClause->RefTable), "u");
    EXPECT_EQ(SxList(r->RefClause->RefColumns), "[x]");
    EXPECT_EQ(r->RefClause->MatchKind, 0);
    EXPECT_EQ(r->RefClause->ActionKinds, 1);
    EXPECT_EQ(r->RefClause->OnDeleteAction, 3);
    TRk_DummyNode* act = r->RefClause->ActionsClause;
    EXPECT_EQ(TokText(act->Tok1) + TokText(act->Tok2) + TokText(act->Tok3) + TokText(act->Tok4), "ONDELETESETNULL");

    c = As<TRk_CreateTableStmt>(Parse(
        "CREATE TABLE t (a INT, FOREIGN KEY (a) REFERENCES u ON UPDATE SET NULL ON DELETE SET NULL, "
        "FOREIGN KEY (a))"));
    ASSERT_NE(c, nullptr);
    auto* fk = As<TRkConstraint>(c->ElementList->GetItem(1));
    EXPECT_EQ(fk->ConstraintType, 5);
    EXPECT_EQ(fk->RefClause->ActionKinds, 3);
    EXPECT_EQ(fk->RefClause->OnDeleteAction, 3);
    EXPECT_EQ(fk->RefClause->OnUpdateAction, 3);
    act = fk->RefClause->ActionsClause;
    EXPECT_EQ(TokText(act->Tok2) + TokText(act->Tok6), "UPDATEDELETE");
    EXPECT_EQ(As<TRkConstraint>(c->ElementList->GetItem(2))->RefClause, nullptr);
}

TEST_F(AccessGrammar, DataTypes) {
    auto type = [&](const std::string& t) -> TRk_TypeName* {
        auto* c = As<TRk_CreateTableStmt>(Parse("CREATE TABLE t (a " + t + ")"));
        if (c == nullptr || Result != 0) return nullptr;
        return As<TRkColumnDef>(c->ElementList->GetItem(0))->DataType;
    };
    TRk_TypeName* t = type("NUMERIC(10, 2)");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->TypeForm, 10);
    EXPECT_EQ(t->Param1, 10);
    EXPECT_EQ(t->Param2, 2);
    EXPECT_EQ(OwnTokens(t), "NUMERIC|(|10|,|2|)");
    EXPECT_EQ(type("NUMERIC(10)")->Param2, -9999);
    EXPECT_EQ(type("NUMERIC")->Param1, -9999);
    t = type("VARCHAR(50)");
    EXPECT_EQ(t->TypeForm, 41);
    EXPECT_EQ(t->Param1, 50);
    EXPECT_EQ(t->TypeNameToken, nullptr);
    EXPECT_EQ(OwnTokens(t), "VARCHAR|(|50|)");
    EXPECT_EQ(type("DOUBLE")->TypeForm, 2);
    EXPECT_EQ(type("FLOAT(99999999999)")->Param1, 0);
    const std::pair<const char*, int> forms[] = {{"MEMO", 29}, {"YESNO", 20}, {"CURRENCY", 21}, {"LONG", 58},
                                                 {"DATE", 49}, {"TIME", 54}, {"TIMESTAMP", 50}, {"GUID", 32},
                                                 {"BIT", 16}, {"SINGLE", 23}, {"datetime", 2}};
    for (const auto& f : forms) {
        TRk_TypeName* x = type(f.first);
        ASSERT_NE(x, nullptr) << f.first;
        EXPECT_EQ(x->TypeForm, f.second) << f.first;
    }
    EXPECT_EQ(type("COUNTER"), nullptr);
    EXPECT_EQ(type("FLOAT(x)"), nullptr);
    EXPECT_EQ(type("TEXT(50)"), nullptr);
}

TEST_F(AccessGrammar, CreateTableAsQuery) {
    auto* c = As<TRk_CreateTableStmt>(Parse("CREATE TABLE t AS SELECT * FROM u"));
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->ElementList, nullptr);
    EXPECT_NE(c->Query, nullptr);
    EXPECT_EQ(TokText(c->AsToken), "AS");
    EXPECT_EQ(OwnTokens(c), "CREATE|TABLE");
    c = As<TRk_CreateTableStmt>(Parse("CREATE TABLE t (a, b) AS SELECT x, y FROM u"));
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(SxList(c->ColumnNameList), "[a,b]");
}

TEST_F(AccessGrammar, StatementsWithoutTree) {
    for (const char* s : {"CREATE INDEX i ON t (a)", "CREATE UNIQUE INDEX i ON t (a DESC, b)", "DROP TABLE t",
                          "DROP INDEX i"}) {
        EXPECT_EQ(Parse(s), nullptr) << s;
        EXPECT_EQ(Result, 0) << s;
        EXPECT_TRUE(Errors.empty()) << s;
    }
}

TEST_F(AccessGrammar, WordsTheScannerDoesNotKnowFail) {
    // Each is a syntax error in an Access script: the word arrives as an
    // identifier.
    for (const char* s : {"CREATE TEMPORARY TABLE t (a INT)", "CREATE TABLE t (a INT DEFAULT 0)",
                          "CREATE TABLE t (a INT REFERENCES u ON DELETE CASCADE)",
                          "SELECT * FROM a FULL OUTER JOIN b ON a.x = b.x", "SELECT * FROM a JOIN b USING (x)",
                          "SELECT a FROM t FOR UPDATE", "SELECT a FROM t MINUS SELECT b FROM u",
                          "ALTER TABLE t ADD COLUMN c INT"}) {
        Parse(s);
        EXPECT_EQ(Errors.size(), 1u) << s;
    }
}

}  // namespace
