// MySQL grammar: queries, clauses, joins, names, expressions and calls;
// INSERT, UPDATE, DELETE, CREATE TABLE, constraints, types, index, view,
// drop, transactions and ALTER TABLE.
#include "parse/mysql/sqltree_check.h"
#include "nodes/rkexceptions.h"
#include "parse/rkyacclib.h"
#include "statementstructure/sqlstatement.h"

using namespace treetest;

namespace {

class MySQLQuery : public MySQLParseFixture {
protected:
    TRk_SelectStmt* Q(const std::string& Text) { return Root<TRk_SelectStmt>(Text); }
    template <class T>
    T* From(const std::string& Text, int I = 0) { return Is<T>(Q(Text)->FromList->GetItem(I)); }
    template <class T = TRk_ResTarget>
    T* Item(TRk_SelectStmt* Q, int I) { return Is<T>(Q->TargetList->GetItem(I)); }
};

TEST_F(MySQLQuery, OnlyTheFirstStatementIsKept) {
    EXPECT_EQ(Sx(Q("SELECT a FROM t; SELECT b FROM u")->TargetList), "[<TRk_ResTarget>]");
    // ";" alone is no statement.
    EXPECT_EQ(Parse(";"), nullptr);
    EXPECT_EQ(Result, 0);
}

TEST_F(MySQLQuery, SetOperationsAndLimits) {
    EXPECT_EQ(Q("(SELECT a FROM t) ORDER BY a")->SortList->Count(), 1);
    EXPECT_EQ(Q("SELECT a FROM t INTERSECT ALL SELECT b FROM u")->SetOperation, 4);
    // (t UNION u) MINUS v
    EXPECT_EQ(Q("SELECT a FROM t UNION SELECT b FROM u MINUS SELECT c FROM v")->SetOperation, 3);
    auto* l = Q("SELECT a FROM t LIMIT 5, 10")->LimitClause;
    EXPECT_EQ(J(Txt(l->OffsetValue), Txt(l->CommaToken), Txt(l->RowCount)), "5 , 10");
    l = Q("SELECT a FROM t LIMIT 10 OFFSET 5")->LimitClause;
    EXPECT_EQ(J(Txt(l->RowCount), Txt(l->OffsetKeyword), Txt(l->OffsetValue), Own(l)), "10 OFFSET 5 ");
    auto* q = Q("SELECT a FROM t ORDER BY a DESC LIMIT 3");
    EXPECT_EQ(J(Txt(q->LimitClause->RowCount), Txt(Is<TRk_SortGroupBy>(q->SortList->GetItem(0))->SortToken)), "3 DESC");
}

TEST_F(MySQLQuery, ForUpdate) {
    auto* f = Q("SELECT a FROM t FOR UPDATE WAIT 5")->ForUpdateClause;
    EXPECT_EQ(J(f->ForUpdateKind, Is<TRk_DummyNode>(f->WaitOption)->Int1), "3 5");
    auto* w = Is<TRk_DummyNode>(Q("SELECT a FROM t FOR UPDATE nowait")->ForUpdateClause->WaitOption);
    EXPECT_EQ(J(w->Int1, w->GetStr1()), "-9999 nowait");
    EXPECT_EQ(Q("SELECT a FROM t FOR READ ONLY")->ForUpdateClause->ForUpdateKind, 2);
}

TEST_F(MySQLQuery, JoinsAndAliases) {
    auto* j = From<TRk_JoinExpr>("SELECT a FROM (a JOIN b USING (x)) j");
    EXPECT_EQ(J(j->JoinType, As<TRk_JoinExpr>(j->LeftRef), Txt(j->Alias->AliasToken)), "11 + j");
    auto* r = From<TRk_TableRef>("SELECT a FROM (SELECT a FROM t) x, t AS y", 1);
    EXPECT_EQ(J(Txt(r->SeparatorToken), Sx(r->Alias->NameParts), r->Alias->AliasToken), ", [y] _");
    // A join needs ON or USING: one report, at the end of the input.
    EXPECT_EQ(Refused("SELECT a FROM a JOIN b"), "end of input");
}

TEST_F(MySQLQuery, SelectListItems) {
    auto* q = Q("SELECT *, d AS e.f FROM t");
    auto* star = Is<TRkCustomExpression>(Item(q, 0)->ValueExpr);
    EXPECT_EQ(J(star->ExprType == Expr_Ident, Own(Is<TRk_Node>(star->LeftOperand))), "1 *");
    EXPECT_EQ(Sx(Item(q, 1)->AliasClause->NameParts), "[e,f]");
    // A SELECT block needs FROM.
    EXPECT_EQ(Refused("SELECT 1"), "end of input");
}

TEST_F(MySQLQuery, ExpressionGrouping) {
    static const struct {
        const char *cond, *want;  // "error": one report
    } Cases[] = {
        {"a < b = c", "(= (< a b) c)"}, {"x LIKE p ESCAPE e", "(like x (escape p e))"}, {"x > ALL (1)", "error"},
        {"x = ANY (SELECT y FROM t)", "(=any x {q})"}, {"x NOT IN (1)", "(notin x (1))"}, {"a <=> b", "(<=> a b)"},
        {"(a, b) NOT IN (SELECT x, y FROM u)", "(notin ([a,b]) {q})"}, {"a ! - b", "(! a (- _ b))"},
        {"t.c = s.t.c", "(= t.c s.t.c)"}, {"@v = @@w", "(= @v @@w)"}, {"x IS OF (t)", "(is x _)"},
        {"left(s, 2) = f()", "(= left[s,2] f[])"}, {"year = comment", "(= year comment)"}, {"end = 1", "error"},
        {"EXISTS (SELECT 1 FROM u)", "(exists _ {q})"},
    };
    // Once as the parser runs alone, once with the statement model's hooks,
    // which wrap each query operand in an analyzed select statement.
    const TRkParserHooks saved = RkParserHooks;
    for (bool hooks : {false, true}) {
        RkParserHooks = {};
        if (hooks) InstallStatementModelHooks();
        for (const auto& c : Cases) {
            SCOPED_TRACE(std::string(c.cond) + (hooks ? " (hooks)" : ""));
            const std::string text = std::string("select a from t where ") + c.cond;
            if (std::string(c.want) == "error") {
                Refused(text);
            } else {
                EXPECT_EQ(Cond(Q(text)), c.want);
            }
        }
    }
    RkParserHooks = saved;
}

TEST_F(MySQLQuery, KeywordCallsAndCase) {
    auto* q = Q("select TRIM(LEADING 'x' FROM s), EXTRACT(YEAR FROM d), CAST(x AS CHAR(3)) from t");
    auto call = [&](int i) { return Is<TRk_FuncCall>(Is<TRkCustomExpression>(Item(q, i)->ValueExpr)->LeftOperand); };
    auto* trim = call(0);
    EXPECT_EQ(J(trim->CallForm, trim->TrimKind, trim->TrimArgs->HasFrom, Own(trim)), "1 2 1 TRIM|(|LEADING|)");
    EXPECT_EQ(J(call(1)->CallForm, Txt(call(1)->ExtractArgs->FieldToken)), "4 YEAR");
    EXPECT_EQ(J(call(2)->CallForm, Own(call(2)), call(2)->CastType->TypeForm), "2 CAST|(|AS|) 40");
    q = Q("select a from t where CASE WHEN a THEN b END = 1");
    auto* c = Is<TRkCaseExpression>(Is<TRkCustomExpression>(q->WhereCondition)->LeftOperand);
    EXPECT_EQ(J(c->InputExpr, c->WhenList->Count(), c->ElseClause, Own(c)), "_ 1 + CASE|END");
}

TEST_F(MySQLQuery, CommonTrees) { CheckCommonTrees(); }

// A second ORDER BY on one query leaves the parse with its message; the
// statement that runs the parser turns it into an error record.
TEST_F(MySQLQuery, SecondOrderByLeavesTheParse) {
    try {
        Parse("(SELECT a FROM t ORDER BY a) ORDER BY b");
        FAIL() << "no exception";
    } catch (const ERkError& e) {
        EXPECT_STREQ(e.what(), "Multiple ORDER BY clauses not allowed");
    }
    // A second LIMIT replaces the first without a message.
    EXPECT_EQ(Txt(Q("(SELECT a FROM t LIMIT 1) LIMIT 2")->LimitClause->RowCount), "2");
}

class MySQLDml : public MySQLParseFixture {};

class MySQLDdl : public MySQLParseFixture {
protected:
    TRk_CreateTableStmt* Create(const std::string& Text) { return Root<TRk_CreateTableStmt>(Text); }
    template <class T>
    T* Element(TRk_CreateTableStmt* C, int I) { return Is<T>(C->ElementList->GetItem(I)); }
    TRkAlterTableOption* Option(const std::string& Text, int I) {
        return Is<TRkAlterTableOption>(Root<TRk_alterTableStmt>(Text)->AlterOptions->GetItem(I));
    }
};

TEST_F(MySQLDml, InsertForms) {
    auto* i = Root<TRk_InsertStmt>("INSERT INTO t (a, b) VALUES (1, 2)");
    EXPECT_EQ(J(Is<TRk_TableRef>(i->TargetTable)->HasColumnList, Own(i->InsertRest)), "1 VALUES|(|)");
    i = Root<TRk_InsertStmt>("INSERT INTO t SELECT a FROM u");
    EXPECT_EQ(J(i->SubSelect, i->ValuesList), "+ _");
    EXPECT_EQ(Refused("INSERT t VALUES (1)"), "t");
    EXPECT_EQ(Refused("INSERT INTO t VALUES (1), (2)"), ",");
}

TEST_F(MySQLDml, UpdateAndDelete) {
    auto* u = Root<TRk_UpdateStmt>("UPDATE t SET a = 1, b = 2 WHERE c = 3");
    EXPECT_EQ(J(Sx(Is<TRk_TableRef>(u->TargetTable)->Source), u->ReturningClause,
                Is<TRkCustomExpression>(u->SetList->GetItem(1))->ExprType == Expr_Comparison),
              "t _ 1");
    u = Root<TRk_UpdateStmt>("UPDATE t SET (a, b) = (SELECT x, y FROM u)");
    auto* row = Is<TRkCustomExpression>(u->SetList->GetItem(0));
    EXPECT_EQ(Is<TRkCustomExpression>(row->LeftOperand)->ExprType, Expr_Parenthesis);
    // Several tables to update, or a join, are the target list; a join is
    // never taken for a table reference.
    u = Root<TRk_UpdateStmt>("UPDATE t, u SET a = 1");
    EXPECT_EQ(J(u->TargetTable, u->UpdateTables->Count(), u->FromList), "_ 2 _");
    u = Root<TRk_UpdateStmt>("UPDATE t JOIN u ON t.id = u.id SET a = 1");
    EXPECT_EQ(J(u->TargetTable, u->UpdateTables->Count()), "_ 1");
    Is<TRk_JoinExpr>(u->UpdateTables->GetItem(0));
    auto* d = Root<TRk_DeleteStmt>("DELETE FROM t");
    EXPECT_EQ(J(d->FromOmitted, d->WhereClause, d->WhereCondition), "0 + _");
    EXPECT_EQ(Root<TRk_DeleteStmt>("DELETE FROM t RETURNING a, b BULK COLLECT INTO x")->ReturningClause->ReturningKind, 2);
}

TEST_F(MySQLDdl, CreateTableForms) {
    auto* c = Create("CREATE TEMPORARY TABLE IF NOT EXISTS t (a INT NOT NULL, PRIMARY KEY (a)) ENGINE = x");
    EXPECT_EQ(J(c->TableKind, Txt(Is<TRk_DummyNode>(c->IfNotExists)->Tok3), c->ElementList->Count(), Own(c)),
              "1 EXISTS 2 CREATE|TABLE|(|)");
    EXPECT_EQ(Element<TRkColumnDef>(c, 0)->ConstraintNodes->Count(), 1);
    EXPECT_EQ(J(c->TableOptions->Count(), Own(Is<TRk_Node>(c->TableOptions->GetItem(0)))), "1 ENGINE|=|x");

    c = Create("CREATE TABLE t LIKE u");
    EXPECT_EQ(J(Txt(c->LikeToken), Sx(c->LikeSource), Own(c)), "LIKE u CREATE|TABLE");
    c = Create("CREATE TABLE t SELECT a FROM u");
    EXPECT_EQ(J(c->Query, Is<TRk_DummyNode>(c->QueryPrefix)->Int1, Is<TRk_DummyNode>(c->QueryPrefix)->Int2), "+ -9999 -9999");
    auto* qp = Is<TRk_DummyNode>(Create("CREATE TABLE t IGNORE AS SELECT a FROM u")->QueryPrefix);
    EXPECT_EQ(J(qp->Int1, qp->Int2), "1 1");
    c = Create("CREATE TABLE t (a INT) DEFAULT CHARSET = utf8, COMMENT 'x'");
    ASSERT_EQ(c->TableOptions->Count(), 2);
    EXPECT_EQ(J(Own(Is<TRk_Node>(c->TableOptions->GetItem(0))), Txt(Is<TRk_Node>(c->TableOptions->GetItem(1))->SeparatorToken)),
              "DEFAULT|CHARSET|=|utf8 ,");
}

TEST_F(MySQLDdl, ColumnConstraints) {
    auto* c = Create("CREATE TABLE t (a INT NOT NULL DEFERRABLE, b INT CONSTRAINT nn NOT NULL, "
                     "c INT REFERENCES u, d INT AUTO_INCREMENT DEFAULT -1, e INT DEFERRABLE)");
    auto con = [&](int i, int k) { return Is<TRkConstraint>(Element<TRkColumnDef>(c, i)->ConstraintNodes->GetItem(k)); };
    // DEFERRABLE is a state item of the list, which its printer prints.
    EXPECT_EQ(J(Element<TRkColumnDef>(c, 0)->ConstraintNodes->Count(), Element<TRkColumnDef>(c, 4)->ConstraintNodes->Count()),
              "2 1");
    EXPECT_EQ(J(con(1, 0)->GetName(), Own(con(1, 0))), "nn NOT|NULL");
    auto* ref = con(2, 0);
    auto* r = ref->RefClause;
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(J(ref->ConstraintType, Own(ref), r->RefColumns, r->MatchClause->Int1, r->ActionsClause->Int1), "8  _ 0 0");
    EXPECT_EQ(J(con(3, 0)->ConstraintType, con(3, 1)->ConstraintType), "10 7");
}

TEST_F(MySQLDdl, TableConstraints) {
    auto* c = Create("CREATE TABLE t (a INT, CONSTRAINT pk PRIMARY KEY (a, b), KEY (a), INDEX ix (b), FOREIGN KEY fk (a), "
                     "FOREIGN KEY (a) REFERENCES u (b) ON UPDATE CASCADE ON DELETE SET NULL)");
    auto con = [&](int i) { return Element<TRkConstraint>(c, i); };
    EXPECT_EQ(con(1)->ColumnList->Count(), 2);
    EXPECT_EQ(J(con(2)->ConstraintType, con(2)->IndexName), "9 _");
    EXPECT_EQ(J(con(3)->ConstraintType, Sx(con(3)->OptionalName)), "11 ix");
    EXPECT_EQ(J(Sx(con(4)->ForeignKeyName), con(4)->RefClause), "fk _");
    auto* r = con(5)->RefClause;
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(J(r->ActionKinds, r->OnDeleteAction, r->OnUpdateAction), "3 3 2");
    EXPECT_EQ(Toks(r->ActionsClause), "ON UPDATE CASCADE <nil> ON DELETE SET NULL");
}

TEST_F(MySQLDdl, DataTypes) {
    static const struct {
        const char* text;
        const char* want;  // TypeForm Param1 own tokens
    } Cases[] = {
        {"DECIMAL(10,2) UNSIGNED", "8 10 DECIMAL|(|10|,|2|)|UNSIGNED"}, {"INT", "33 -9999 INT"},
        {"ENUM('a','b')", "73 -9999 "}, {"json", "2 -9999 json"},
        {"VARCHAR(99999999999)", "41 0 VARCHAR|(|99999999999|)"}, {"INTEGER", "12 -9999 INTEGER"},
        {"REAL", "35 -9999 REAL"}, {"DOUBLE", "46 -9999 DOUBLE"}, {"DATETIME", "55 -9999 DATETIME"},
        {"LONGTEXT", "71 -9999 LONGTEXT"}, {"TINYINT(1)", "36 1 TINYINT|(|1|)"},
        {"CHAR(2) ASCII", "40 2 CHAR|(|2|)|ASCII"},
    };
    for (const auto& c : Cases) {
        SCOPED_TRACE(c.text);
        auto* t = Element<TRkColumnDef>(Create(std::string("CREATE TABLE t (a ") + c.text + ")"), 0)->DataType;
        EXPECT_EQ(J(t->TypeForm, t->Param1, Own(t)), c.want);
    }
    EXPECT_EQ(Element<TRkColumnDef>(Create("CREATE TABLE t (a ENUM('a','b'))"), 0)->DataType->ValueList->Count(), 2);
    for (const char* bad : {"CREATE TABLE t (a CHAR)", "CREATE TABLE t (a INT [4])", "CREATE TABLE t (a datetime(3))"})
        Refused(bad);
}

TEST_F(MySQLDdl, IndexViewDropTransactions) {
    auto* i = Root<TRk_CreateIndexSqlStatement>("CREATE UNIQUE INDEX i ON t (a DESC, b)");
    EXPECT_EQ(J(i->IndexKind, Own(i), i->ColumnList->Count()), "1 CREATE|INDEX|ON|(|) 2");
    EXPECT_EQ(J(Is<TRk_DummyNode>(i->ColumnList->GetItem(0))->Int1,
                Txt(Is<TRk_Node>(i->ColumnList->GetItem(1))->SeparatorToken)),
              "2 ,");
    auto* v = Root<TRk_CreateViewSqlStatement>(
        "CREATE OR REPLACE FORCE VIEW v (a) AS SELECT a FROM t WITH CHECK OPTION CONSTRAINT c");
    EXPECT_EQ(J(v->OrReplace, v->ForceKind, v->Restriction, v->GetRestrictionConstraintName(), Own(v)),
              "1 1 2 c CREATE|VIEW|AS|OR|REPLACE");
    v = Root<TRk_CreateViewSqlStatement>("CREATE VIEW v AS SELECT a FROM t");
    EXPECT_EQ(J(v->ColumnList, v->Restriction), "_ 0");
    auto* d = Root<TRk_DropTableStmt>("DROP TEMPORARY TABLE IF EXISTS a, b CASCADE");
    EXPECT_EQ(J(d->DropFlag, d->NameTokens->Count(), Own(d->Extra)), "1 2 CASCADE");
    EXPECT_EQ(Refused("DROP TABLE s.t"), ".");
    for (const char* t : {"COMMIT WORK", "ROLLBACK TO SAVEPOINT s"}) {
        EXPECT_EQ(Parse(t), nullptr) << t;
        EXPECT_EQ(J(Result, Errors.size()), "0 0") << t;
    }
}

TEST_F(MySQLDdl, AlterTableAdd) {
    auto* a = Root<TRk_alterTableStmt>("ALTER TABLE t ADD c INT NOT NULL AFTER b");
    EXPECT_EQ(J(Own(a), a->AlterOptions->Count()), " 1");
    auto* o = Is<TRkAlterTableOption>(a->AlterOptions->GetItem(0));
    EXPECT_EQ(J(o->Kind, o->ColumnDef, Own(o->Position)), "0 + AFTER|b");
    a = Root<TRk_alterTableStmt>("ALTER IGNORE TABLE t ADD INDEX i (a), ADD UNIQUE (b)");
    o = Is<TRkAlterTableOption>(a->AlterOptions->GetItem(1));
    EXPECT_EQ(J(Txt(a->IgnoreToken), o->Kind, Txt(o->SeparatorToken), o->IndexNameToken), "IGNORE 3 , _");
    o = Option("ALTER TABLE t ADD CONSTRAINT fk FOREIGN KEY (a) REFERENCES u (b) ON DELETE CASCADE", 0);
    EXPECT_EQ(J(o->Kind, Own(o->ConstraintName), Sx(Is<TRkConstraintRefClause>(o->RefClause)->RefTable)),
              "4 CONSTRAINT|fk u");
    EXPECT_EQ(Option("ALTER TABLE t ADD FOREIGN KEY (a)", 0)->RefClause, nullptr);
    EXPECT_EQ(Refused("ALTER TABLE t DROP c"), "DROP");
}

TEST_F(MySQLDdl, KeywordsAcceptedAsNames) {
    // DECODE read as a name is marked on its token.
    Root<TRk_SelectStmt>("select decode from t");
    EXPECT_EQ(Tokens->TokenAt(2)->TokenType, ttDecodeName);
    // Type keywords name columns; END (an alias word only) does not.
    Create("create table t (date date, text text, `year` year)");
    Refused("create table t (end int)");
}

// A dump-style script, statement by statement, as the front end hands it over.
TEST_F(MySQLDdl, DumpStyleStatements) {
    Root<TRk_DropTableStmt>("DROP TABLE IF EXISTS `users`");
    Create("CREATE TABLE `users` (\n  `id` int(11) unsigned NOT NULL AUTO_INCREMENT,\n"
           "  `name` varchar(255) DEFAULT NULL,\n  `price` decimal(10,2) NOT NULL DEFAULT '0.00',\n"
           "  `kind` enum('a','b'),\n  `created` datetime NOT NULL DEFAULT CURRENT_TIMESTAMP,\n  `note` text,\n"
           "  PRIMARY KEY (`id`),\n  KEY `idx_name` (`name`),\n  INDEX (`kind`),\n"
           "  CONSTRAINT `fk` FOREIGN KEY (`id`) REFERENCES `other` (`id`) ON DELETE CASCADE ON UPDATE NO ACTION\n"
           ") ENGINE=InnoDB AUTO_INCREMENT=5 DEFAULT CHARSET=utf8 COMMENT='It\\'s x'");
    Root<TRk_CreateIndexSqlStatement>("CREATE UNIQUE INDEX ux ON users (name)");
    // Outside the grammar: the error comes at the word it cannot take.
    EXPECT_EQ(Refused("CREATE TABLE t (a int, UNIQUE KEY k (a))"), "KEY");
    EXPECT_EQ(Refused("CREATE TABLE t (a int) COLLATE=utf8_bin"), "COLLATE");
    EXPECT_EQ(Refused("ALTER TABLE t MODIFY a int"), "MODIFY");
}

}  // namespace
