// The MS Access grammar: the trees its actions build (node kinds, fields,
// own tokens) for each kind of statement, and what it refuses; every
// significant token of an accepted statement is kept somewhere in its tree,
// for hand-written statements and for the shared Access corpus scripts.
#include "parse/mysql/sqltree_check.h"

using namespace treetest;

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

TEST_F(AccessGrammar, DistinctKindsAndNoFrom) {
    static const struct {
        const char *text, *want;  // DistinctKind, own tokens
    } Cases[] = {{"SELECT DISTINCTROW a FROM t", "5 DISTINCTROW"}, {"SELECT UNIQUE a FROM t", "4 UNIQUE"},
                 {"SELECT ALL a FROM t", "3 ALL"}, {"SELECT DISTINCT a FROM t", "1 DISTINCT"}};
    for (const auto& c : Cases) {
        auto* d = Is<TRk_SelectDistinct>(Q(c.text)->DistinctClause);
        EXPECT_EQ(J(d->DistinctKind, Own(d)), c.want) << c.text;
    }
    // No FROM needed.
    auto* q = Q("SELECT 1");
    EXPECT_EQ(J(q->FromList, q->FromClause), "_ +");
    EXPECT_EQ(Parse(""), nullptr);
}

TEST_F(AccessGrammar, OrderByAndUnion) {
    TRk_List* sorts = Is<TRk_DummyNode>(Q("SELECT a FROM t ORDER BY a DESC, b")->OrderByClause)->List1;
    ASSERT_EQ(sorts->Count(), 2);
    EXPECT_EQ(J(Txt(Is<TRk_SortGroupBy>(sorts->GetItem(0))->SortToken), Txt(Is<TRk_Node>(sorts->GetItem(1))->SeparatorToken)),
              "DESC ,");
    auto* q = Q("SELECT a FROM t UNION SELECT b FROM u");
    EXPECT_EQ(J(q->SetOperation, q->SetAllToken), "1 _");
}

TEST_F(AccessGrammar, CommonTrees) { CheckCommonTrees(); }

TEST_F(AccessGrammar, SecondOrderByEndsTheParse) {
    Refused("(SELECT a FROM t ORDER BY a) ORDER BY b");
    EXPECT_EQ(Result, 1);
    EXPECT_EQ(Parser->ErrorMessage, "Multiple ORDER BY clauses not allowed");
}

TEST_F(AccessGrammar, Joins) {
    EXPECT_EQ(From<TRk_JoinExpr>(Q("SELECT * FROM a INNER JOIN b ON a.x = b.x"))->JoinType, 10);
    auto* j = From<TRk_JoinExpr>(Q("SELECT * FROM a JOIN b ON a.x = b.x"));
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
    EXPECT_EQ(J(From(q, 1)->Alias->HasAs, From(q, 1)->Alias->AliasToken->DbObjKind, Txt(From(q, 1)->SeparatorToken)),
              "1 0 ,");
    // Table hints, as SQL Server keeps them: "(", ")" and WITH.
    EXPECT_EQ(J(Txt(From(q, 2)->WithToken), SxList(From(q, 2)->HintList), Own(From(q, 2))), "WITH [a] (|)|WITH");
    EXPECT_EQ(J(From(q, 3)->WithToken, From(q, 3)->HasColumnList, SxList(From(q, 3)->HintList)), "_ 0 [b]");
    EXPECT_EQ(From(q, 4)->HasColumnList, 1);
    auto* item = Is<TRk_ResTarget>(q->TargetList->GetItem(0));
    EXPECT_EQ(J(item->HasAlias, item->AliasClause->AliasToken->DbObjKind), "1 6");
}

TEST_F(AccessGrammar, NamesLiteralsAndCalls) {
    auto* q = Q("SELECT t.c, a.b.c, count, sum, date, t.*, #1/2/2003# FROM t");
    auto operand = [&](int i) { return Is<TRkCustomExpression>(Value(q, i))->LeftOperand; };
    auto* tc = Is<TRk_Attr>(operand(0));
    EXPECT_EQ(J(Txt(tc->DotToken), Own(tc), Sx(Value(q, 1)), Sx(Value(q, 2)), Sx(Value(q, 4))), ". t|. a.b.c count date");
    EXPECT_EQ(SxList(Is<TRk_Attr>(operand(5))->NameParts), "[*]");
    auto* date = Is<TRkCustomExpression>(Value(q, 6));
    EXPECT_EQ(J(date->ExprType == Expr_Attr, Txt(Is<TRk_Attr>(date->LeftOperand)->NameToken)), "1 #1/2/2003#");
    auto* star = Is<TRkCustomExpression>(Value(Q("SELECT * FROM t"), 0));
    EXPECT_EQ(J(star->ExprType == Expr_Ident, Own(Is<TRk_Ident>(star->LeftOperand))), "1 *");
    Refused("SELECT select FROM t");
    EXPECT_EQ(Result, 1);

    q = Q("select f(), left(a, 2), @p(1), trim(x) from t");
    auto call = [&](int i) { return Is<TRk_FuncCall>(operand(i)); };
    EXPECT_EQ(J(Own(call(0)), Sx(call(1)), Sx(call(2)), call(3)->CallForm), "(|) left[a,2] @p[1] 0");
}

TEST_F(AccessGrammar, ExpressionPrecedence) {
    static const struct {
        const char *cond, *want;  // "error <token>": one report there
    } Cases[] = {
        {"x LIKE 'a%'", "(like x 'a%')"}, {"x NOT LIKE 'a'", "(notlike x 'a')"},
        {"x BETWEEN 1 AND 2 + 3", "(between x (and 1 (+ 2 3)))"},
        // Non-associative: one syntax error at the second operator.
        {"a < b < c", "error <"}, {"a LIKE b LIKE c", "error LIKE"},
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
    auto where = [&](const char* cond) {
        return Is<TRkCustomExpression>(Q(std::string("select a from t where ") + cond)->WhereCondition);
    };
    auto* e = where("x NOT BETWEEN 1 AND 2");
    EXPECT_EQ(J(Txt(e->OperatorToken), Own(e)), "NOT NOT|BETWEEN");
    e = where("x IS NOT NULL");
    EXPECT_EQ(J(e->OperatorToken, Own(e)), "_ IS|NOT|NULL");
    e = where("x = ANY (select y from u)");
    EXPECT_EQ(J(e->ExprType == Expr_AllOp, Txt(e->QuantifierToken)), "1 ANY");
    e = where("(a, b) IN (select x, y from u)");
    EXPECT_EQ(J(e->ExprType == Expr_In, Sx(e->LeftOperand), Own(e)), "1 ([a,b]) ");
    e = where("(a, b) NOT IN (select x, y from u)");
    EXPECT_EQ(Own(e), "NOT|IN");
}

TEST_F(AccessGrammar, InsertForms) {
    EXPECT_EQ(Root<TRk_InsertStmt>("INSERT INTO t VALUES (1)")->ValuesList->Count(), 1);
    auto* i = Root<TRk_InsertStmt>("INSERT t SELECT * FROM u");
    EXPECT_EQ(J(i->HasInto, i->ValuesList, i->SubSelect), "0 _ +");
    i = Root<TRk_InsertStmt>("INSERT INTO (SELECT a FROM t) VALUES (1)");
    EXPECT_NE(As<TRk_SelectStmt>(i->TargetTable->Source), nullptr);
}

TEST_F(AccessGrammar, UpdateAndDelete) {
    auto* u = Root<TRk_UpdateStmt>("UPDATE t SET a = 1, b = 2 WHERE c = 3");
    EXPECT_EQ(J(Own(u), u->FromList), "UPDATE|SET _");
    EXPECT_EQ(Own(Root<TRk_DeleteStmt>("DELETE t WHERE a = 1")), "DELETE");
    auto* d = Root<TRk_DeleteStmt>("DELETE FROM t FROM u WHERE t.a = u.a");
    EXPECT_EQ(J(d->FromOmitted, Own(d), d->FromList->Count()), "0 DELETE|FROM 1");
}

TEST_F(AccessGrammar, CreateTableWithConstraints) {
    auto* c = Create("CREATE TABLE t (a INTEGER NOT NULL, b TEXT, CONSTRAINT pk PRIMARY KEY (a))");
    EXPECT_EQ(J(c->ElementList->Count(), Element<TRkColumnDef>(c, 1)->DataType->TypeForm), "3 69");
    c = Create("CREATE TABLE t (a INT, FOREIGN KEY (a) REFERENCES u ON UPDATE SET NULL ON DELETE SET NULL, FOREIGN KEY (a))");
    auto* fk = Element<TRkConstraint>(c, 1);
    ASSERT_NE(fk->RefClause, nullptr);
    auto* rc = fk->RefClause;
    EXPECT_EQ(J(fk->ConstraintType, rc->ActionKinds, rc->OnDeleteAction, rc->OnUpdateAction), "5 3 3 3");
    EXPECT_EQ(Toks(rc->ActionsClause), "ON UPDATE SET NULL ON DELETE SET NULL");
    EXPECT_EQ(Element<TRkConstraint>(c, 2)->RefClause, nullptr);
}

TEST_F(AccessGrammar, DataTypes) {
    static const struct {
        const char *text, *want;  // TypeForm Param1 Param2 TypeNameToken own tokens; "error"
    } Cases[] = {
        {"NUMERIC(10, 2)", "10 10 2 + NUMERIC|(|10|,|2|)"}, {"NUMERIC(10)", "10 10 -9999 + NUMERIC|(|10|)"},
        {"NUMERIC", "10 -9999 -9999 + NUMERIC"}, {"VARCHAR(50)", "41 50 -9999 _ VARCHAR|(|50|)"},
        {"DOUBLE", "2 -9999 -9999 + DOUBLE"}, {"FLOAT(99999999999)", "3 0 -9999 + FLOAT|(|99999999999|)"},
        {"MEMO", "29 -9999 -9999 + MEMO"}, {"YESNO", "20 -9999 -9999 + YESNO"},
        {"CURRENCY", "21 -9999 -9999 + CURRENCY"}, {"LONG", "58 -9999 -9999 + LONG"}, {"DATE", "49 -9999 -9999 _ DATE"},
        {"TIME", "54 -9999 -9999 _ TIME"}, {"TIMESTAMP", "50 -9999 -9999 + TIMESTAMP"},
        {"GUID", "32 -9999 -9999 + GUID"}, {"BIT", "16 -9999 -9999 + BIT"}, {"SINGLE", "23 -9999 -9999 + SINGLE"},
        {"datetime", "2 -9999 -9999 + datetime"}, {"COUNTER", "error"}, {"FLOAT(x)", "error"}, {"TEXT(50)", "error"},
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

TEST_F(AccessGrammar, CreateTableAsQueryIndexAndDropStatements) {
    auto* c = Create("CREATE TABLE t AS SELECT * FROM u");
    EXPECT_EQ(J(c->ElementList, c->Query, Txt(c->AsToken), Own(c)), "_ + AS CREATE|TABLE");
    EXPECT_EQ(SxList(Create("CREATE TABLE t (a, b) AS SELECT x, y FROM u")->ColumnNameList), "[a,b]");
    // Index and drop statements build the nodes the other dialects build;
    // an index over a function builds none.
    const std::pair<const char*, const char*> Built[] = {
        {"CREATE INDEX i ON t (a)", "TRk_CreateIndexSqlStatement CREATE|INDEX|ON|(|)"},
        {"CREATE UNIQUE INDEX i ON t (a DESC, b)", "TRk_CreateIndexSqlStatement CREATE|INDEX|ON|(|)"},
        {"DROP TABLE t", "TRk_DropTableStmt DROP|TABLE"},
        {"DROP INDEX i", "TRk_DropIndexSqlStatement DROP|INDEX"},
    };
    for (const auto& [Sql, Want] : Built) {
        TRk_Node* N = Parse(Sql);
        ASSERT_NE(N, nullptr) << Sql;
        EXPECT_EQ(J(N->ClassName(), Own(N)), Want) << Sql;
        EXPECT_EQ(J(Result, Errors.size()), "0 0") << Sql;
    }
    auto* Index = static_cast<TRk_CreateIndexSqlStatement*>(Parse("CREATE UNIQUE INDEX i ON t (a DESC, b)"));
    EXPECT_EQ(J(Index->IndexKind, Txt(Index->IndexKindToken), Index->ColumnList->Count()), "1 UNIQUE 2");
    EXPECT_EQ(Parse("CREATE INDEX i ON t (f(a))"), nullptr);
    EXPECT_EQ(J(Result, Errors.size()), "0 0");
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

class AccessRoundTrip : public AccessParseFixture {};

TEST_F(AccessRoundTrip, HandWrittenStatements) {
    const char* stmts[] = {
        "select a from t",
        "SELECT DISTINCTROW TOP 5 PERCENT a, b x, c AS 'y', t.*, count(*), sum(DISTINCT e) FROM t, [u v] "
        "WHERE a = 1 AND b <> 2 OR NOT c IS NULL AND d BETWEEN 1 AND 2 AND e NOT IN (1, 2) AND f LIKE 'x%'",
        "SELECT * FROM (a INNER JOIN b ON a.x = b.x) LEFT JOIN c ON b.y = c.y WHERE d = #1/2/2003#",
        "SELECT a FROM t GROUP BY a HAVING count(*) > 1 ORDER BY a DESC, b",
        "SELECT a FROM t UNION ALL SELECT b FROM u",
        "INSERT INTO t (a, b) VALUES (1, 'x')",
        "UPDATE t SET a = 1, b = b + 1 WHERE c = 3",
        "DELETE FROM t WHERE a IN (SELECT b FROM u)",
        "CREATE TABLE [Order Details] ([Order ID] LONG NOT NULL, [Unit Price] CURRENCY, [Notes] MEMO, "
        "[Code] VARCHAR(10), [Qty] NUMERIC(10, 2), CONSTRAINT [PK_OD] PRIMARY KEY ([Order ID]), "
        "CONSTRAINT [FK_O] FOREIGN KEY ([Order ID]) REFERENCES [Orders] ([ID]) ON DELETE SET NULL)",
    };
    for (const char* s : stmts) EXPECT_EQ(Check(s), "") << s;
}

// Most real Access DDL lies outside the grammar (TEXT(n), COUNTER, ...).
TEST_F(AccessRoundTrip, CorpusStatements) { CheckCorpus("access"); }

}  // namespace
