// MySQL grammar: INSERT, UPDATE, DELETE, CREATE TABLE, constraints, types,
// index, view, drop, transactions and ALTER TABLE.
#include "mysql_parse.h"

using namespace mysql_test;

namespace {

class MySQLDml : public MySQLParseFixture {};
class MySQLDdl : public MySQLParseFixture {};

TEST_F(MySQLDml, InsertForms) {
    auto* i = Root<TRk_InsertStmt>("INSERT INTO t (a, b) VALUES (1, 2)");
    ASSERT_NE(i, nullptr);
    auto* target = As<TRk_TableRef>(i->TargetTable);
    ASSERT_NE(target, nullptr);
    EXPECT_EQ(target->HasColumnList, 1);
    EXPECT_EQ(Sx(target->ColumnList), "[a,b]");
    EXPECT_EQ(i->ValuesList->Count(), 2);
    EXPECT_EQ(i->HasInto, 1);
    EXPECT_EQ(Own(i), "INSERT|INTO");
    EXPECT_EQ(Own(i->InsertRest), "VALUES|(|)");
    i = Root<TRk_InsertStmt>("INSERT INTO t SELECT a FROM u");
    EXPECT_NE(i->SubSelect, nullptr);
    EXPECT_EQ(i->ValuesList, nullptr);
    for (const char* bad : {"INSERT t VALUES (1)", "INSERT INTO t VALUES (1), (2)"}) {
        Parse(bad);
        EXPECT_EQ(Errors.size(), 1u) << bad;
    }
}

TEST_F(MySQLDml, UpdateAndDelete) {
    auto* u = Root<TRk_UpdateStmt>("UPDATE t SET a = 1, b = 2 WHERE c = 3");
    ASSERT_NE(u, nullptr);
    EXPECT_EQ(Sx(As<TRk_TableRef>(u->TargetTable)->Source), "t");
    ASSERT_EQ(u->SetList->Count(), 2);
    auto* second = As<TRkCustomExpression>(u->SetList->GetItem(1));
    EXPECT_EQ(second->ExprType, Expr_Comparison);
    EXPECT_EQ(Txt(second->SeparatorToken), ",");
    EXPECT_EQ(Own(second), "=");
    EXPECT_EQ(u->ReturningClause, nullptr);
    u = Root<TRk_UpdateStmt>("UPDATE t SET (a, b) = (SELECT x, y FROM u)");
    auto* row = As<TRkCustomExpression>(u->SetList->GetItem(0));
    EXPECT_EQ(row->ExprType, Expr_AllOp);
    EXPECT_EQ(As<TRkCustomExpression>(row->LeftOperand)->ExprType, Expr_Parenthesis);

    auto* d = Root<TRk_DeleteStmt>("DELETE t WHERE a = 1");
    EXPECT_EQ(d->FromOmitted, 1);
    d = Root<TRk_DeleteStmt>("DELETE FROM t");
    EXPECT_EQ(d->FromOmitted, 0);
    EXPECT_NE(d->WhereClause, nullptr);
    EXPECT_EQ(d->WhereCondition, nullptr);
    d = Root<TRk_DeleteStmt>("DELETE FROM t RETURNING a, b BULK COLLECT INTO x");
    EXPECT_EQ(d->ReturningClause->ReturningKind, 2);
    // Several tables to update stay a list.
    u = Root<TRk_UpdateStmt>("UPDATE t, u SET a = 1");
    EXPECT_EQ(u->TargetTable, nullptr);
    EXPECT_EQ(u->FromList->Count(), 2);
}

TEST_F(MySQLDdl, CreateTableWithElementsAndOptions) {
    auto* c = Root<TRk_CreateTableStmt>(
        "CREATE TEMPORARY TABLE IF NOT EXISTS t (a INT NOT NULL, PRIMARY KEY (a)) ENGINE = x");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->TableKind, 1);
    ASSERT_NE(c->IfNotExists, nullptr);
    EXPECT_EQ(Txt(c->IfNotExists->Tok3), "EXISTS");
    ASSERT_EQ(c->ElementList->Count(), 2);
    auto* col = As<TRkColumnDef>(c->ElementList->GetItem(0));
    ASSERT_NE(col, nullptr);
    EXPECT_EQ(col->ConstraintNodes->Count(), 1);
    auto* pk = As<TRkConstraint>(c->ElementList->GetItem(1));
    EXPECT_EQ(pk->ConstraintType, 4);
    EXPECT_EQ(pk->SeparatorFollows, 1);
    EXPECT_EQ(Txt(pk->SeparatorToken), ",");
    ASSERT_EQ(c->TableOptions->Count(), 1);
    EXPECT_EQ(Own(As<TRk_Node>(c->TableOptions->GetItem(0))), "ENGINE|=|x");
    EXPECT_EQ(Own(c), "CREATE|TABLE|(|)");
}

TEST_F(MySQLDdl, CreateTableLikeQueryAndOptions) {
    auto* c = Root<TRk_CreateTableStmt>("CREATE TABLE t LIKE u");
    EXPECT_EQ(Txt(c->LikeToken), "LIKE");
    EXPECT_EQ(Sx(c->LikeSource), "u");
    EXPECT_EQ(Own(c), "CREATE|TABLE");
    c = Root<TRk_CreateTableStmt>("CREATE TABLE t SELECT a FROM u");
    auto* qp = As<TRk_DummyNode>(c->QueryPrefix);
    ASSERT_NE(qp, nullptr);
    EXPECT_EQ(qp->Int1, -9999);
    EXPECT_EQ(qp->Int2, -9999);
    EXPECT_NE(c->Query, nullptr);
    c = Root<TRk_CreateTableStmt>("CREATE TABLE t IGNORE AS SELECT a FROM u");
    qp = As<TRk_DummyNode>(c->QueryPrefix);
    EXPECT_EQ(qp->Int1, 1);
    EXPECT_EQ(qp->Int2, 1);
    c = Root<TRk_CreateTableStmt>("CREATE TABLE t (a INT) DEFAULT CHARSET = utf8, COMMENT 'x'");
    ASSERT_EQ(c->TableOptions->Count(), 2);
    EXPECT_EQ(Own(As<TRk_Node>(c->TableOptions->GetItem(0))), "DEFAULT|CHARSET|=|utf8");
    EXPECT_EQ(Txt(As<TRk_Node>(c->TableOptions->GetItem(1))->SeparatorToken), ",");
}

TEST_F(MySQLDdl, ColumnConstraints) {
    auto* c = Root<TRk_CreateTableStmt>(
        "CREATE TABLE t (a INT NOT NULL DEFERRABLE, b INT CONSTRAINT nn NOT NULL, "
        "c INT REFERENCES u, d INT AUTO_INCREMENT DEFAULT -1, e INT DEFERRABLE)");
    ASSERT_NE(c, nullptr);
    auto col = [&](int i) { return As<TRkColumnDef>(c->ElementList->GetItem(i)); };
    EXPECT_EQ(col(0)->ConstraintNodes->Count(), 1);
    auto* nn = As<TRkConstraint>(col(1)->ConstraintNodes->GetItem(0));
    EXPECT_EQ(nn->Name, "nn");
    EXPECT_EQ(Own(nn), "NOT|NULL");
    auto* ref = As<TRkConstraint>(col(2)->ConstraintNodes->GetItem(0));
    EXPECT_EQ(ref->ConstraintType, 8);
    EXPECT_EQ(Own(ref), "");
    ASSERT_NE(ref->RefClause, nullptr);
    EXPECT_EQ(ref->RefClause->RefColumns, nullptr);
    EXPECT_EQ(ref->RefClause->MatchClause->Int1, 0);
    EXPECT_EQ(ref->RefClause->ActionsClause->Int1, 0);
    EXPECT_EQ(As<TRkConstraint>(col(3)->ConstraintNodes->GetItem(0))->ConstraintType, 10);
    EXPECT_EQ(As<TRkConstraint>(col(3)->ConstraintNodes->GetItem(1))->ConstraintType, 7);
    EXPECT_EQ(col(4)->ConstraintNodes, nullptr);
}

TEST_F(MySQLDdl, TableConstraints) {
    auto* c = Root<TRk_CreateTableStmt>(
        "CREATE TABLE t (a INT, CONSTRAINT pk PRIMARY KEY (a, b), KEY (a), INDEX ix (b), FOREIGN KEY fk (a), "
        "FOREIGN KEY (a) REFERENCES u (b) ON UPDATE CASCADE ON DELETE SET NULL)");
    ASSERT_NE(c, nullptr);
    auto con = [&](int i) { return As<TRkConstraint>(c->ElementList->GetItem(i)); };
    EXPECT_EQ(con(1)->Name, "pk");
    EXPECT_EQ(con(1)->ColumnList->Count(), 2);
    EXPECT_EQ(Own(con(1)), "PRIMARY|KEY|(|)");
    EXPECT_EQ(con(2)->ConstraintType, 9);
    EXPECT_EQ(con(2)->IndexName, nullptr);
    EXPECT_EQ(con(3)->ConstraintType, 11);
    EXPECT_EQ(Sx(con(3)->OptionalName), "ix");
    EXPECT_EQ(Sx(con(4)->ForeignKeyName), "fk");
    EXPECT_EQ(con(4)->RefClause, nullptr);
    auto* r = con(5)->RefClause;
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->ActionKinds, 3);
    EXPECT_EQ(r->OnDeleteAction, 3);
    EXPECT_EQ(r->OnUpdateAction, 2);
    auto* a = r->ActionsClause;
    EXPECT_EQ(Txt(a->Tok1) + Txt(a->Tok2) + Txt(a->Tok3) + Txt(a->Tok4), "ONUPDATECASCADE<nil>");
    EXPECT_EQ(Txt(a->Tok5) + Txt(a->Tok6) + Txt(a->Tok7) + Txt(a->Tok8), "ONDELETESETNULL");
}

TEST_F(MySQLDdl, DataTypes) {
    auto type = [&](const std::string& t) -> TRk_TypeName* {
        auto* c = Root<TRk_CreateTableStmt>("CREATE TABLE t (a " + t + ")");
        if (!c) return nullptr;
        return As<TRkColumnDef>(c->ElementList->GetItem(0))->DataType;
    };
    auto* t = type("DECIMAL(10,2) UNSIGNED");
    EXPECT_EQ(t->TypeForm, 8);
    EXPECT_EQ(t->Param1, 10);
    EXPECT_EQ(Own(t), "DECIMAL|(|10|,|2|)|UNSIGNED");
    t = type("INT");
    EXPECT_EQ(t->TypeForm, 33);
    EXPECT_EQ(t->Param1, -9999);
    t = type("ENUM('a','b')");
    EXPECT_EQ(t->TypeForm, 73);
    EXPECT_EQ(Own(t), "");
    EXPECT_EQ(t->ValueList->Count(), 2);
    t = type("json");
    EXPECT_EQ(t->TypeForm, 2);
    t = type("VARCHAR(99999999999)");
    EXPECT_EQ(t->Param1, 0);
    const std::pair<const char*, int> forms[] = {{"INTEGER", 12}, {"REAL", 35}, {"DOUBLE", 46}, {"DATETIME", 55},
                                                 {"LONGTEXT", 71}, {"TINYINT(1)", 36}, {"CHAR(2) ASCII", 40}};
    for (auto [text, form] : forms) {
        t = type(text);
        ASSERT_NE(t, nullptr) << text;
        EXPECT_EQ(t->TypeForm, form) << text;
    }
    for (const char* bad : {"CREATE TABLE t (a CHAR)", "CREATE TABLE t (a INT [4])", "CREATE TABLE t (a datetime(3))"}) {
        Parse(bad);
        EXPECT_EQ(Errors.size(), 1u) << bad;
    }
}

TEST_F(MySQLDdl, IndexViewDropTransactions) {
    auto* i = Root<TRk_CreateIndexSqlStatement>("CREATE UNIQUE INDEX i ON t (a DESC, b)");
    EXPECT_EQ(i->IndexKind, 1);
    EXPECT_EQ(Own(i), "CREATE|INDEX|ON|(|)");
    ASSERT_EQ(i->ColumnList->Count(), 2);
    EXPECT_EQ(As<TRk_DummyNode>(i->ColumnList->GetItem(0))->Int1, 2);
    EXPECT_EQ(Txt(As<TRk_Node>(i->ColumnList->GetItem(1))->SeparatorToken), ",");

    auto* v = Root<TRk_CreateViewSqlStatement>(
        "CREATE OR REPLACE FORCE VIEW v (a) AS SELECT a FROM t WITH CHECK OPTION CONSTRAINT c");
    EXPECT_EQ(v->OrReplace, 1);
    EXPECT_EQ(v->ForceKind, 1);
    EXPECT_EQ(v->Restriction, 2);
    EXPECT_EQ(v->RestrictionConstraintName, "c");
    EXPECT_EQ(Own(v), "CREATE|VIEW|AS|OR|REPLACE");
    v = Root<TRk_CreateViewSqlStatement>("CREATE VIEW v AS SELECT a FROM t");
    EXPECT_EQ(v->ColumnList, nullptr);
    EXPECT_EQ(v->Restriction, 0);

    auto* d = Root<TRk_DropTableStmt>("DROP TEMPORARY TABLE IF EXISTS a, b CASCADE");
    EXPECT_EQ(d->DropFlag, 1);
    ASSERT_EQ(d->NameTokens->Count(), 2);
    EXPECT_EQ(Own(d->Extra), "CASCADE");
    Parse("DROP TABLE s.t");
    EXPECT_EQ(Errors.size(), 1u);

    for (const char* t : {"COMMIT WORK", "ROLLBACK TO SAVEPOINT s"}) {
        EXPECT_EQ(Parse(t), nullptr) << t;
        EXPECT_EQ(Result, 0) << t;
        EXPECT_TRUE(Errors.empty()) << t;
    }
}

TEST_F(MySQLDdl, AlterTableAdd) {
    auto* a = Root<TRk_alterTableStmt>("ALTER TABLE t ADD c INT NOT NULL AFTER b");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(Own(a), "");
    ASSERT_EQ(a->AlterOptions->Count(), 1);
    auto* o = As<TRkAlterTableOption>(a->AlterOptions->GetItem(0));
    EXPECT_EQ(o->Kind, 0);
    EXPECT_NE(o->ColumnDef, nullptr);
    EXPECT_EQ(Own(o->Position), "AFTER|b");

    a = Root<TRk_alterTableStmt>("ALTER IGNORE TABLE t ADD INDEX i (a), ADD UNIQUE (b)");
    EXPECT_EQ(Txt(a->IgnoreToken), "IGNORE");
    auto* u = As<TRkAlterTableOption>(a->AlterOptions->GetItem(1));
    EXPECT_EQ(u->Kind, 3);
    EXPECT_EQ(Txt(u->SeparatorToken), ",");
    EXPECT_EQ(u->IndexNameToken, nullptr);

    a = Root<TRk_alterTableStmt>("ALTER TABLE t ADD CONSTRAINT fk FOREIGN KEY (a) REFERENCES u (b) ON DELETE CASCADE");
    o = As<TRkAlterTableOption>(a->AlterOptions->GetItem(0));
    EXPECT_EQ(o->Kind, 4);
    EXPECT_EQ(Own(o->ConstraintName), "CONSTRAINT|fk");
    auto* r = As<TRkConstraintRefClause>(o->RefClause);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(Sx(r->RefTable), "u");
    a = Root<TRk_alterTableStmt>("ALTER TABLE t ADD FOREIGN KEY (a)");
    EXPECT_EQ(As<TRkAlterTableOption>(a->AlterOptions->GetItem(0))->RefClause, nullptr);
    Parse("ALTER TABLE t DROP c");
    EXPECT_EQ(Errors.size(), 1u);
}

}  // namespace

namespace {

class MySQLNames : public MySQLParseFixture {};

TEST_F(MySQLNames, KeywordsAcceptedAsNames) {
    // DECODE read as a name is marked on its token.
    auto* q = Root<TRk_SelectStmt>("select decode from t");
    ASSERT_NE(q, nullptr);
    const TSourceToken* decode = Tokens->TokenAt(2);
    EXPECT_EQ(decode->TokenType, ttDecodeName);
    // Type keywords name columns; END (an alias word only) does not.
    EXPECT_NE(Root<TRk_CreateTableStmt>("create table t (date date, text text, `year` year)"), nullptr);
    Parse("create table t (end int)");
    EXPECT_EQ(Errors.size(), 1u);
}

// A dump-style script, statement by statement, as the front end hands it over.
TEST_F(MySQLNames, DumpStyleStatements) {
    const char* stmts[] = {
        "DROP TABLE IF EXISTS `users`",
        "CREATE TABLE `users` (\n  `id` int(11) unsigned NOT NULL AUTO_INCREMENT,\n"
        "  `name` varchar(255) DEFAULT NULL,\n  `price` decimal(10,2) NOT NULL DEFAULT '0.00',\n"
        "  `kind` enum('a','b'),\n  `created` datetime NOT NULL DEFAULT CURRENT_TIMESTAMP,\n  `note` text,\n"
        "  PRIMARY KEY (`id`),\n  KEY `idx_name` (`name`),\n  INDEX (`kind`),\n"
        "  CONSTRAINT `fk` FOREIGN KEY (`id`) REFERENCES `other` (`id`) ON DELETE CASCADE ON UPDATE NO ACTION\n"
        ") ENGINE=InnoDB AUTO_INCREMENT=5 DEFAULT CHARSET=utf8 COMMENT='It\\'s x'",
        "CREATE UNIQUE INDEX ux ON users (name)",
    };
    for (const char* s : stmts) {
        Parse(s);
        EXPECT_EQ(Result, 0) << s;
        EXPECT_TRUE(Errors.empty()) << s << ": " << (Errors.empty() ? "" : Errors[0].Token + " " + Errors[0].Expected);
        EXPECT_NE(Parser->RootNode, nullptr) << s;
    }
    // Outside the grammar: the error comes at the word it cannot take.
    const std::pair<const char*, const char*> rejected[] = {
        {"CREATE TABLE t (a int, UNIQUE KEY k (a))", "KEY"},
        {"CREATE TABLE t (a int) COLLATE=utf8_bin", "COLLATE"},
        {"ALTER TABLE t MODIFY a int", "MODIFY"},
        {"INSERT INTO t VALUES (1),(2)", ","},
    };
    for (auto [s, tok] : rejected) {
        Parse(s);
        ASSERT_EQ(Errors.size(), 1u) << s;
        EXPECT_EQ(Errors[0].Token, tok) << s;
    }
}

}  // namespace
