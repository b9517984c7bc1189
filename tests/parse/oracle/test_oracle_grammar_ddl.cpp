// CREATE TABLE with columns, types, constraints and physical attributes;
// index, view, drop and the statements that build no node; ALTER TABLE,
// ALTER SESSION and MERGE.
#include "test_oracle_grammar_support.h"

using namespace oracle_test;

namespace {

class DdlGrammar : public OracleParseFixture {
protected:
    template <class T>
    T* Stmt(const std::string& Text) {
        TRk_Node* root = Parse(Text);
        EXPECT_EQ(Result, 0) << Text;
        EXPECT_TRUE(Errors.empty()) << Text << ": " << (Errors.empty() ? "" : Errors[0].Expected + " at " +
                                                                               Errors[0].Token);
        return As<T>(root);
    }
    bool Accepted(const std::string& Text) {
        Parse(Text);
        return Result == 0 && Errors.empty();
    }
    // The element list of «create table t (<Elements>)».
    TRk_List* Elements(const std::string& Elements) {
        auto* c = Stmt<TRk_CreateTableStmt>("create table t (" + Elements + ")");
        return c ? c->ElementList : nullptr;
    }
    TRkColumnDef* Column(const std::string& Def) {
        TRk_List* l = Elements(Def);
        return l ? As<TRkColumnDef>(l->GetItem(0)) : nullptr;
    }
    TRk_TypeName* Type(const std::string& T) {
        TRkColumnDef* c = Column("c " + T);
        return c ? c->DataType : nullptr;
    }
    TRkConstraint* ColumnConstraint(const std::string& Def, int I = 0) {
        TRkColumnDef* c = Column(Def);
        return c && c->ConstraintNodes ? As<TRkConstraint>(c->ConstraintNodes->GetItem(I)) : nullptr;
    }
    TRk_DummyNode* AlterClause(const std::string& Text) {
        auto* a = Stmt<TRk_alterTableStmt>(Text);
        return a ? As<TRk_DummyNode>(a->ConstraintClause) : nullptr;
    }
};

TEST_F(DdlGrammar, CreateTableShapes) {
    auto* c = Stmt<TRk_CreateTableStmt>("create table t (a int, b varchar2(10))");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->NodeKind, 21);
    EXPECT_EQ(c->TableKind, 0);
    ASSERT_NE(c->TableKindNode, nullptr);
    EXPECT_EQ(c->TableKindNode->Int1, 0);
    ASSERT_EQ(c->ElementList->Count(), 2);
    auto* b = As<TRkColumnDef>(c->ElementList->GetItem(1));
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->NodeKind, 26);
    EXPECT_EQ(TokText(b->SeparatorToken), ",");
    EXPECT_EQ(OwnTokens(b), "b");
    EXPECT_EQ(TokText(b->ColumnNameToken), "b");
    EXPECT_EQ(b->ConstraintNodes, nullptr);
    EXPECT_EQ(c->PhysicalProperties, nullptr);
    EXPECT_EQ(OwnTokens(c), "create|table|(|)");
    EXPECT_EQ(AttrText(c->TableName), "t");

    c = Stmt<TRk_CreateTableStmt>("create global temporary table s.t (a int)");
    EXPECT_EQ(c->TableKind, 5);
    EXPECT_EQ(TokText(c->TableKindNode->Tok1), "global");
    EXPECT_EQ(TokText(c->TableKindNode->Tok2), "temporary");
    EXPECT_EQ(OwnTokens(c), "create|table|(|)");
    const struct { const char* Kind; int Code; } kinds[] = {
        {"temporary", 1}, {"temp", 2}, {"local temporary", 3}, {"local temp", 4}, {"global temp", 6}};
    for (const auto& k : kinds) {
        c = Stmt<TRk_CreateTableStmt>(std::string("create ") + k.Kind + " table t (a int)");
        ASSERT_NE(c, nullptr) << k.Kind;
        EXPECT_EQ(c->TableKind, k.Code) << k.Kind;
    }

    c = Stmt<TRk_CreateTableStmt>("create table t as select * from u");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->ElementList, nullptr);
    EXPECT_NE(c->Query, nullptr);
    EXPECT_EQ(TokText(c->AsToken), "as");
    EXPECT_EQ(OwnTokens(c), "create|table");

    c = Stmt<TRk_CreateTableStmt>("create table t (a, b) as select 1, 2 from dual");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(SxList(c->ColumnNameList), "[a,b]");
    EXPECT_EQ(OwnTokens(c), "create|table|(|)");
    EXPECT_EQ(TokText(c->AsToken), "as");

    EXPECT_EQ(Parse("create table t of some_type"), nullptr);
    EXPECT_EQ(Result, 0);
    EXPECT_TRUE(Errors.empty());
}

TEST_F(DdlGrammar, PhysicalAttributes) {
    auto* c = Stmt<TRk_CreateTableStmt>(
        "create table t (a int) tablespace users pctfree 10 storage (initial 64 k next 1 m) nologging");
    ASSERT_NE(c, nullptr);
    auto* props = As<TRk_DummyNode>(c->PhysicalProperties);
    ASSERT_NE(props, nullptr);
    EXPECT_EQ(props->Int1, 0);
    ASSERT_EQ(props->List1->Count(), 3);
    auto* ts = As<TRk_DummyNode>(props->List1->GetItem(0));
    EXPECT_EQ(ts->Int1, 782);
    EXPECT_EQ(TokText(ts->Tok2), "users");
    auto* wrap = As<TRk_DummyNode>(props->List1->GetItem(1));
    EXPECT_EQ(wrap->Int1, 0);
    ASSERT_EQ(wrap->List1->Count(), 2);
    EXPECT_EQ(As<TRk_DummyNode>(wrap->List1->GetItem(0))->Int1, 452);
    auto* st = As<TRk_DummyNode>(wrap->List1->GetItem(1));
    EXPECT_EQ(st->Int1, 775);
    EXPECT_EQ(TokText(st->Tok2), "(");
    EXPECT_EQ(TokText(st->Tok3), ")");
    ASSERT_EQ(st->List1->Count(), 2);
    auto* init = As<TRk_DummyNode>(st->List1->GetItem(0));
    EXPECT_EQ(init->Int1, 423);
    EXPECT_EQ(TokText(init->Tok3), "k");
    EXPECT_EQ(As<TRk_DummyNode>(st->List1->GetItem(1))->Int1, 660);
    EXPECT_EQ(As<TRk_DummyNode>(props->List1->GetItem(2))->Int1, 673);

    c = Stmt<TRk_CreateTableStmt>(
        "create table t (a int) storage (freelist groups 2 minextents 1 maxextents unlimited pctincrease 0 "
        "freelists 1 optimal null buffer_pool keep) logging pctused 40 initrans 2 maxtrans 255");
    ASSERT_NE(c, nullptr);
    auto* first = As<TRk_DummyNode>(As<TRk_DummyNode>(c->PhysicalProperties)->List1->GetItem(0));
    auto* opts = As<TRk_DummyNode>(first->List1->GetItem(0))->List1;
    ASSERT_EQ(opts->Count(), 7);
    EXPECT_EQ(As<TRk_DummyNode>(opts->GetItem(0))->Int1, 597);
    EXPECT_EQ(TokText(As<TRk_DummyNode>(opts->GetItem(0))->Tok2), "groups");
    EXPECT_EQ(As<TRk_DummyNode>(opts->GetItem(2))->Int1, 433);
    EXPECT_EQ(As<TRk_DummyNode>(opts->GetItem(6))->Int1, 882);
    EXPECT_EQ(Parse("create table t as select 1 from dual tablespace users") == nullptr || !Errors.empty(), true);
}

TEST_F(DdlGrammar, ColumnDefinitions) {
    TRkColumnDef* c = Column("type int");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(TokText(c->ColumnNameToken), "type");
    c = Column("a not null");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->DataType, nullptr);
    EXPECT_EQ(c->ConstraintNodes->Count(), 1);
    EXPECT_FALSE(Accepted("create table t (c)"));
    EXPECT_TRUE(Accepted("create table comment (level int, size int)"));
    EXPECT_TRUE(Accepted("create table t (timestamp date)"));
    EXPECT_FALSE(Accepted("create table t (select int)"));
    EXPECT_TRUE(Accepted("create table t (:c int)"));
    EXPECT_TRUE(Accepted("create table \"T\" (\"select\" int)"));
    // A user type named like a built-in type word is the built-in type.
    TRk_TypeName* t = Type("timestamp");
    EXPECT_EQ(t->TypeForm, 50);
}

TEST_F(DdlGrammar, DataTypes) {
    const struct { const char* Type; int Form; int P1; int P2; const char* Tokens; } types[] = {
        {"number", 11, -9999, -9999, "number"},
        {"number(10,2)", 11, 10, 2, "number|(|10|,|2|)"},
        {"number(5)", 11, 5, -9999, "number|(|5|)"},
        {"varchar2(20 char)", 42, 20, -9999, "varchar2|(|20|char|)"},
        {"char varying(5)", 40, 5, -9999, "char|varying|(|5|)"},
        {"varchar(5)", 41, 5, -9999, "varchar|(|5|)"},
        {"nchar(3) character set utf8", 48, 3, -9999, "nchar|(|3|)|character|set|utf8"},
        {"national character varying (4)", 44, 4, -9999, "national|character|varying|(|4|)"},
        {"national char", 47, -9999, -9999, "national|char"},
        {"nvarchar2(9 byte)", 43, 9, -9999, "nvarchar2|(|9|byte|)"},
        {"character", 39, -9999, -9999, "character"},
        {"timestamp(6) with local time zone", 52, 6, -9999, "timestamp|(|6|)|with|local|time|zone"},
        {"timestamp with time zone", 51, -9999, -9999, "timestamp|with|time|zone"},
        {"timestamp(3)", 50, 3, -9999, "timestamp|(|3|)"},
        {"date", 49, -9999, -9999, "date"},
        {"interval day to second(3)", 57, -9999, 3, "interval|day|to|second|(|3|)"},
        {"interval day(2) to second(6)", 57, 2, 6, "interval|day|(|2|)|to|second|(|6|)"},
        {"interval year(4) to month", 56, 4, -9999, "interval|year|(|4|)|to|month"},
        {"long raw", 60, -9999, -9999, "long|raw"},
        {"long", 58, -9999, -9999, "long"},
        {"raw(16)", 59, 16, -9999, "raw|(|16|)"},
        {"my_type", 2, -9999, -9999, "my_type"},
        {"double precision", 7, -9999, -9999, "double|precision"},
        {"float(126)", 3, 126, -9999, "float|(|126|)"},
        {"decimal(8,3)", 8, 8, 3, "decimal|(|8|,|3|)"},
        {"dec", 9, -9999, -9999, "dec"},
        {"numeric(4)", 10, 4, -9999, "numeric|(|4|)"},
        {"integer", 12, -9999, -9999, "integer"},
        {"int", 33, -9999, -9999, "int"},
        {"smallint", 34, -9999, -9999, "smallint"},
        {"real", 35, -9999, -9999, "real"},
        {"blob", 61, -9999, -9999, "blob"},
        {"clob", 62, -9999, -9999, "clob"},
        {"nclob", 63, -9999, -9999, "nclob"},
        {"bfile", 64, -9999, -9999, "bfile"},
        {"urowid(100)", 72, 100, -9999, "urowid|(|100|)"},
    };
    for (const auto& ty : types) {
        TRk_TypeName* t = Type(ty.Type);
        ASSERT_NE(t, nullptr) << ty.Type;
        EXPECT_EQ(t->NodeKind, 175) << ty.Type;
        EXPECT_EQ(t->TypeForm, ty.Form) << ty.Type;
        EXPECT_EQ(t->Param1, ty.P1) << ty.Type;
        EXPECT_EQ(t->Param2, ty.P2) << ty.Type;
        EXPECT_EQ(OwnTokens(t), ty.Tokens) << ty.Type;
        EXPECT_EQ(Trimmed(t->AsText()), ty.Type) << ty.Type;
    }
    TRk_TypeName* t = Type("varchar2(20 char)");
    EXPECT_EQ(t->LengthSemantics, 2);
    EXPECT_EQ(t->TypeNameToken, nullptr);
    EXPECT_EQ(Type("char varying(5)")->VaryingFlag, 1);
    EXPECT_EQ(Type("varchar(5)")->VaryingFlag, -9999);
    EXPECT_EQ(Type("nchar(3) character set utf8")->CharsetCode, 0);
    EXPECT_EQ(Type("nchar(3)")->CharsetCode, -9999);
    EXPECT_EQ(TokText(Type("my_type")->TypeNameToken), "my_type");
    EXPECT_EQ(TokText(Type("number")->TypeNameToken), "number");
    t = Type("int[3][]");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->TypeForm, 33);
    ASSERT_NE(t->ArrayBounds, nullptr);
    ASSERT_EQ(t->ArrayBounds->Count(), 2);
    EXPECT_EQ(As<TRkValue>(t->ArrayBounds->GetItem(0))->Payload, 3);
    EXPECT_EQ(As<TRkValue>(t->ArrayBounds->GetItem(1))->Payload, 0);
    EXPECT_EQ(OwnTokens(t), "int");
}

TEST_F(DdlGrammar, ColumnConstraints) {
    TRkColumnDef* c = Column("a int not null primary key");
    ASSERT_NE(c, nullptr);
    ASSERT_EQ(c->ConstraintNodes->Count(), 2);
    auto* nn = As<TRkConstraint>(c->ConstraintNodes->GetItem(0));
    EXPECT_EQ(nn->ConstraintType, 1);
    EXPECT_EQ(OwnTokens(nn), "not|null");
    EXPECT_EQ(nn->SeparatorFollows, 0);
    auto* pk = As<TRkConstraint>(c->ConstraintNodes->GetItem(1));
    EXPECT_EQ(pk->ConstraintType, 4);
    EXPECT_EQ(OwnTokens(pk), "primary|key");

    TRkConstraint* k = ColumnConstraint("a int constraint pk_a primary key");
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(k->ConstraintType, 4);
    EXPECT_EQ(k->Name, "pk_a");
    EXPECT_EQ(TokText(k->ConstraintToken), "constraint");
    EXPECT_EQ(TokText(k->NameToken), "pk_a");
    EXPECT_EQ(OwnTokens(k), "primary|key");

    k = ColumnConstraint("a int references b(id) on delete cascade");
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(k->ConstraintType, 8);
    EXPECT_EQ(OwnTokens(k), "");
    ASSERT_NE(k->RefClause, nullptr);
    EXPECT_EQ(OwnTokens(k->RefClause), "references");
    EXPECT_EQ(Sx(k->RefClause->RefTable), "b");
    EXPECT_EQ(SxList(k->RefClause->RefColumns), "[id]");
    EXPECT_EQ(OwnTokens(k->RefClause->RefColumnsNode), "(|)");
    EXPECT_EQ(k->RefClause->MatchKind, 0);
    EXPECT_EQ(k->RefClause->ActionKinds, 1);
    EXPECT_EQ(k->RefClause->OnDeleteAction, 2);
    EXPECT_EQ(k->RefClause->OnUpdateAction, 241);

    k = ColumnConstraint("a int references b match full on update set null on delete no action");
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(k->RefClause->MatchKind, 1);
    EXPECT_EQ(k->RefClause->RefColumns, nullptr);
    EXPECT_EQ(k->RefClause->ActionKinds, 3);
    EXPECT_EQ(k->RefClause->OnDeleteAction, 0);
    EXPECT_EQ(k->RefClause->OnUpdateAction, 3);
    TRk_DummyNode* acts = k->RefClause->ActionsClause;
    EXPECT_EQ(TokText(acts->Tok1), "on");
    EXPECT_EQ(TokText(acts->Tok2), "update");
    EXPECT_EQ(TokText(acts->Tok3), "set");
    EXPECT_EQ(TokText(acts->Tok4), "null");
    EXPECT_EQ(TokText(acts->Tok5), "on");
    EXPECT_EQ(TokText(acts->Tok6), "delete");
    EXPECT_EQ(TokText(acts->Tok7), "no");
    EXPECT_EQ(TokText(acts->Tok8), "action");

    c = Column("a int default 0 check (a > 0)");
    ASSERT_NE(c, nullptr);
    auto* def = As<TRkConstraint>(c->ConstraintNodes->GetItem(0));
    EXPECT_EQ(def->ConstraintType, 7);
    EXPECT_EQ(Sx(def->Expression), "0");
    EXPECT_EQ(OwnTokens(def), "default");
    auto* chk = As<TRkConstraint>(c->ConstraintNodes->GetItem(1));
    EXPECT_EQ(chk->ConstraintType, 6);
    EXPECT_EQ(Sx(chk->Expression), "(> a 0)");
    EXPECT_EQ(OwnTokens(chk), "check|(|)");

    c = Column("a int deferrable");
    ASSERT_NE(c, nullptr);
    auto* state = As<TRk_DummyNode>(c->ConstraintNodes->GetItem(0));
    ASSERT_NE(state, nullptr);
    EXPECT_EQ(state->NodeKind, 41);
    c = Column("a int null unique not deferrable default null");
    ASSERT_NE(c, nullptr);
    ASSERT_EQ(c->ConstraintNodes->Count(), 4);
    EXPECT_EQ(As<TRkConstraint>(c->ConstraintNodes->GetItem(0))->ConstraintType, 2);
    EXPECT_EQ(As<TRkConstraint>(c->ConstraintNodes->GetItem(1))->ConstraintType, 3);
    EXPECT_EQ(TokText(As<TRk_DummyNode>(c->ConstraintNodes->GetItem(2))->Tok2), "deferrable");
    EXPECT_EQ(Sx(As<TRkConstraint>(c->ConstraintNodes->GetItem(3))->Expression), "null");
    EXPECT_FALSE(Accepted("create table t (a int constraint c deferrable)"));
}

TEST_F(DdlGrammar, TableConstraints) {
    TRk_List* l = Elements("a int, constraint fk1 foreign key (a, b) references t");
    ASSERT_NE(l, nullptr);
    auto* fk = As<TRkConstraint>(l->GetItem(1));
    ASSERT_NE(fk, nullptr);
    EXPECT_EQ(fk->NodeKind, 27);
    EXPECT_EQ(fk->ConstraintType, 5);
    EXPECT_EQ(fk->SeparatorFollows, 1);
    EXPECT_EQ(fk->Name, "fk1");
    EXPECT_EQ(SxList(fk->ColumnList), "[a,b]");
    EXPECT_EQ(OwnTokens(fk), "foreign|key|(|)");
    ASSERT_NE(fk->RefClause, nullptr);
    EXPECT_EQ(fk->RefClause->RefColumns, nullptr);
    EXPECT_EQ(TokText(fk->SeparatorToken), ",");

    l = Elements("a int, foreign key (a) references t (x) deferrable");
    ASSERT_NE(l, nullptr);
    fk = As<TRkConstraint>(l->GetItem(1));
    EXPECT_EQ(SxList(fk->RefClause->RefColumns), "[x]");
    l = Elements("a int, foreign key (a)");
    ASSERT_NE(l, nullptr);
    fk = As<TRkConstraint>(l->GetItem(1));
    EXPECT_EQ(fk->ConstraintType, 5);
    EXPECT_EQ(fk->RefClause, nullptr);

    l = Elements("a int, constraint pk primary key (a), unique (a, b), check (a > 1)");
    ASSERT_NE(l, nullptr);
    ASSERT_EQ(l->Count(), 4);
    auto* pk = As<TRkConstraint>(l->GetItem(1));
    EXPECT_EQ(pk->ConstraintType, 4);
    EXPECT_EQ(OwnTokens(pk), "primary|key|(|)");
    EXPECT_EQ(pk->Name, "pk");
    auto* uq = As<TRkConstraint>(l->GetItem(2));
    EXPECT_EQ(uq->ConstraintType, 3);
    EXPECT_EQ(OwnTokens(uq), "unique|(|)");
    auto* ck = As<TRkConstraint>(l->GetItem(3));
    EXPECT_EQ(ck->ConstraintType, 6);
    EXPECT_EQ(ck->SeparatorFollows, 1);
    EXPECT_FALSE(Accepted("create table t (a int, foreign key (a) references t initially deferred)"));
}

TEST_F(DdlGrammar, IndexViewAndDrop) {
    auto* ix = Stmt<TRk_CreateIndexSqlStatement>("create unique index ix on t (a, b desc)");
    ASSERT_NE(ix, nullptr);
    EXPECT_EQ(ix->NodeKind, 23);
    EXPECT_EQ(ix->IndexKind, 1);
    EXPECT_EQ(TokText(ix->IndexKindToken), "unique");
    EXPECT_EQ(Sx(ix->IndexName), "ix");
    EXPECT_EQ(Sx(ix->TableName), "t");
    ASSERT_EQ(ix->ColumnList->Count(), 2);
    auto* c2 = As<TRk_DummyNode>(ix->ColumnList->GetItem(1));
    EXPECT_EQ(c2->Int1, 2);
    EXPECT_EQ(TokText(c2->Tok1), "desc");
    EXPECT_EQ(TokText(c2->SeparatorToken), ",");
    EXPECT_EQ(As<TRk_DummyNode>(ix->ColumnList->GetItem(0))->Int1, 0);
    EXPECT_EQ(OwnTokens(ix), "create|index|on|(|)");
    ix = Stmt<TRk_CreateIndexSqlStatement>("create bitmap index s.ix on s.t (upper(a) asc)");
    ASSERT_NE(ix, nullptr);
    EXPECT_EQ(ix->IndexKind, 2);
    EXPECT_EQ(As<TRk_DummyNode>(ix->ColumnList->GetItem(0))->Int1, 1);
    ix = Stmt<TRk_CreateIndexSqlStatement>("create index ix on t (a)");
    EXPECT_EQ(ix->IndexKind, 0);
    EXPECT_EQ(ix->IndexKindToken, nullptr);

    auto* v = Stmt<TRk_CreateViewSqlStatement>(
        "create or replace force view v (x, y) as select 1, 2 from dual with check option constraint ck");
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->NodeKind, 22);
    EXPECT_EQ(v->OrReplace, 1);
    EXPECT_EQ(v->ForceKind, 1);
    EXPECT_EQ(TokText(v->ForceToken), "force");
    EXPECT_EQ(v->ColumnList->Count(), 2);
    EXPECT_EQ(v->Restriction, 2);
    EXPECT_EQ(v->RestrictionConstraintName, "ck");
    EXPECT_EQ(OwnTokens(v), "create|view|as|or|replace");
    EXPECT_EQ(OwnTokens(v->RestrictionNode), "with|check|option|constraint|ck");
    v = Stmt<TRk_CreateViewSqlStatement>("create view v as select * from t");
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->Restriction, 0);
    EXPECT_EQ(v->OrReplace, 0);
    EXPECT_EQ(v->ColumnList, nullptr);
    ASSERT_NE(v->ColumnListNode, nullptr);
    EXPECT_EQ(OwnTokens(v), "create|view|as");
    v = Stmt<TRk_CreateViewSqlStatement>("create noforce view v as select * from t with read only");
    EXPECT_EQ(v->ForceKind, 2);
    EXPECT_EQ(v->Restriction, 1);

    auto* dt = Stmt<TRk_DropTableStmt>("drop table t cascade constraints");
    ASSERT_NE(dt, nullptr);
    EXPECT_EQ(OwnTokens(dt), "drop|table|cascade|constraints");
    EXPECT_EQ(Sx(dt->TableName), "t");
    auto* dv = Stmt<TRk_DropViewSqlStatement>("drop view v cascade constraints");
    ASSERT_NE(dv, nullptr);
    EXPECT_EQ(dv->CascadeConstraints, 1);
    dv = Stmt<TRk_DropViewSqlStatement>("drop view v");
    EXPECT_EQ(dv->CascadeConstraints, 0);
    auto* di = Stmt<TRk_DropIndexSqlStatement>("drop index s.ix force");
    ASSERT_NE(di, nullptr);
    EXPECT_EQ(di->Force, 1);
    EXPECT_EQ(OwnTokens(di), "drop|index|force");
}

TEST_F(DdlGrammar, RecognisedStatementsBuildNoNode) {
    const char* ok[] = {
        "commit", "commit work", "rollback", "rollback work to savepoint s1", "rollback to s1",
        "rollback force 'x'", "savepoint s1", "set transaction read only name 'x'", "set transaction read write",
        "set transaction isolation level serializable", "set transaction isolation level read committed",
        "lock table a, b in share mode nowait", "lock table a in row share mode", "lock table a in share update mode",
        "create sequence s start with 1 increment by 1 nocache",
        "create sequence s.q maxvalue 10 minvalue 1 cycle cache 20 order noorder nocycle nomaxvalue nominvalue",
        "drop sequence s", "drop type t force", "drop type s.t validate", "drop type t",
        "alter session set nls_date_format = 'YYYY'",
    };
    for (const char* s : ok) {
        EXPECT_EQ(Parse(s), nullptr) << s;
        EXPECT_EQ(Result, 0) << s;
        EXPECT_TRUE(Errors.empty()) << s;
    }
    EXPECT_FALSE(Accepted("create sequence s"));
}

TEST_F(DdlGrammar, AlterTable) {
    TRk_DummyNode* k = AlterClause("alter table t add constraint fk foreign key (a) references u (b)");
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(k->Int1, 1);
    EXPECT_EQ(TokText(k->Tok1), "add");
    auto* fk = As<TRkConstraint>(k->Sub1);
    ASSERT_NE(fk, nullptr);
    EXPECT_EQ(fk->ConstraintType, 5);
    EXPECT_EQ(fk->Name, "fk");
    auto* a = As<TRk_alterTableStmt>(Parser->RootNode);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->NodeKind, 8);
    EXPECT_EQ(a->PropertyList, nullptr);
    EXPECT_EQ(a->ColumnClauseList, nullptr);
    EXPECT_EQ(a->EnableDisableList, nullptr);
    EXPECT_EQ(OwnTokens(a), "");
    EXPECT_EQ(TokText(a->AlterToken), "alter");
    EXPECT_EQ(TokText(a->TableToken), "table");

    k = AlterClause("alter table t add primary key");
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(k->Int1, 1);
    ASSERT_NE(k->List1, nullptr);
    auto* pk = As<TRkConstraint>(k->List1->GetItem(0));
    EXPECT_EQ(pk->ConstraintType, 4);
    EXPECT_EQ(pk->SeparatorFollows, 0);
    EXPECT_EQ(pk->ColumnList, nullptr);

    a = Stmt<TRk_alterTableStmt>("alter table t add (c int, d date)");
    ASSERT_NE(a, nullptr);
    ASSERT_EQ(a->ColumnClauseList->Count(), 1);
    auto* add = As<TRk_DummyNode>(a->ColumnClauseList->GetItem(0));
    EXPECT_EQ(add->Int1, 1);
    EXPECT_EQ(add->List1->Count(), 2);
    EXPECT_EQ(TokText(add->Tok3), ")");

    a = Stmt<TRk_alterTableStmt>("alter table t drop (a, b) cascade constraints checkpoint 100");
    ASSERT_NE(a, nullptr);
    auto* drop = As<TRk_DummyNode>(a->ColumnClauseList->GetItem(0));
    EXPECT_EQ(drop->Int1, 3);
    EXPECT_EQ(drop->Int2, 4);
    EXPECT_EQ(SxList(drop->List1), "[a,b]");
    EXPECT_EQ(OwnTokens(drop->Sub1), "cascade|constraints");
    EXPECT_EQ(OwnTokens(drop->Sub2), "checkpoint|100");

    a = Stmt<TRk_alterTableStmt>("alter table t pctfree 10 nocache");
    ASSERT_NE(a, nullptr);
    ASSERT_EQ(a->PropertyList->Count(), 2);
    EXPECT_EQ(As<TRk_DummyNode>(a->PropertyList->GetItem(0))->Int1, 452);
    EXPECT_EQ(TokText(As<TRk_DummyNode>(a->PropertyList->GetItem(1))->Tok1), "nocache");

    a = Stmt<TRk_alterTableStmt>("alter table t disable all triggers");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->ConstraintClause, nullptr);
    ASSERT_EQ(a->EnableDisableList->Count(), 1);
    EXPECT_EQ(As<TRk_DummyNode>(a->EnableDisableList->GetItem(0))->Int1, 2);

    a = Stmt<TRk_alterTableStmt>("alter table t enable novalidate constraint c exceptions into ex");
    ASSERT_NE(a, nullptr);
    auto* en = As<TRk_DummyNode>(a->EnableDisableList->GetItem(0));
    EXPECT_EQ(en->Int1, 7);
    EXPECT_EQ(TokText(As<TRk_DummyNode>(en->Sub1)->Tok1), "novalidate");
    EXPECT_EQ(TokText(As<TRk_DummyNode>(en->Sub3)->Tok1), "exceptions");

    const char* more[] = {
        "alter table t modify (a not null)",
        "alter table t set unused column a cascade constraints invalidate",
        "alter table t set unused (a, b)",
        "alter table t drop column a invalidate cascade constraints checkpoint 5",
        "alter table t drop unused columns",
        "alter table t rename column a to b",
        "alter table t rename to u",
        "alter table t modify constraint c not deferrable",
        "alter table t rename constraint c to d",
        "alter table t drop primary key cascade keep index",
        "alter table t drop unique (a) drop index",
        "alter table t drop constraint c cascade",
        "alter table t add check (a > 0) enable table lock",
        "alter table t parallel 4 logging monitoring",
        "alter table t enable validate unique (a) disable primary key",
        "alter table t storage (next 1 m) noparallel",
    };
    for (const char* s : more) EXPECT_TRUE(Accepted(s)) << s << ": " << (Errors.empty() ? "" : Errors[0].Expected);
    EXPECT_FALSE(Accepted("alter table t add constraint pk primary key (a) using index"));
}

TEST_F(DdlGrammar, Merge) {
    auto* m = Stmt<TRk_MergeStmt>(
        "merge into t a using (select * from s) b on (a.id = b.id) when matched then update set a.x = b.x "
        "when not matched then insert (id, x) values (b.id, b.x)");
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->NodeKind, 33);
    EXPECT_EQ(m->SourceTable, nullptr);
    EXPECT_NE(As<TRk_SelectStmt>(m->SourceQuery), nullptr);
    EXPECT_EQ(TokText(m->MergeToken), "merge");
    EXPECT_EQ(TokText(m->UsingToken), "using");
    EXPECT_EQ(TokText(m->OnToken), "on");
    EXPECT_EQ(Sx(m->OnPart->Sub1), "(= a.id b.id)");
    EXPECT_EQ(TokText(m->MatchedPart->Tok2), "matched");
    auto* upd = As<TRk_DummyNode>(m->MatchedPart->Sub1);
    EXPECT_EQ(upd->List1->Count(), 1);
    EXPECT_EQ(TokText(m->NotMatchedPart->Tok2), "not");
    auto* ins = As<TRk_DummyNode>(m->NotMatchedPart->Sub1);
    EXPECT_EQ(ins->List1->Count(), 2);
    EXPECT_EQ(ins->List2->Count(), 2);
    EXPECT_EQ(TokText(ins->Tok4), "values");
    m = Stmt<TRk_MergeStmt>(
        "merge into t a using s b on (a.id = b.id) when matched then update set x = 1 "
        "when not matched then insert (id) values (1)");
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(Sx(m->SourceTable), "s");
    EXPECT_EQ(TokText(As<TRk_AliasClause>(m->SourceAlias)->AliasToken), "b");
}

}  // namespace
