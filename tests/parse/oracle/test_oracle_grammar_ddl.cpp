// CREATE TABLE with columns, types, constraints and physical attributes;
// index, view, drop and the statements that build no node; ALTER TABLE,
// ALTER SESSION and MERGE.
#include "test_oracle_grammar_support.h"

using namespace oracle_test;

namespace {

class DdlGrammar : public OracleGrammar {
protected:
    // The element list of «create table t (<Elements>)».
    TRk_List* Elements(const std::string& Elements) {
        return Must(Stmt<TRk_CreateTableStmt>("create table t (" + Elements + ")")->ElementList, Elements);
    }
    TRkColumnDef* Column(const std::string& Def) {
        return Must(As<TRkColumnDef>(Elements(Def)->GetItem(0)), Def);
    }
    TRk_TypeName* Type(const std::string& T) {
        return Must(Column("c " + T)->DataType, T);
    }
    TRkConstraint* ColumnConstraint(const std::string& Def, int I = 0) {
        return Must(As<TRkConstraint>(Must(Column(Def)->ConstraintNodes, Def)->GetItem(I)), Def);
    }
    TRk_alterTableStmt* Alter(const std::string& Text) { return Stmt<TRk_alterTableStmt>(Text); }
};

TRk_DummyNode* Dummy(TRk_List* L, int I) { return L && I < L->Count() ? As<TRk_DummyNode>(L->GetItem(I)) : nullptr; }

TEST_F(DdlGrammar, CreateTableShapes) {
    auto* c = Stmt<TRk_CreateTableStmt>("create table t (a int, b varchar2(10))");
    EXPECT_EQ(Fields(c->NodeKind, c->TableKind, c->TableKindNode->Int1, c->ElementList->Count(), c->PhysicalProperties,
                     OwnTokens(c), AttrText(c->TableName)),
              "21 0 0 2 nil create|table|(|) t");
    auto* b = MUST(As<TRkColumnDef>(c->ElementList->GetItem(1)));
    EXPECT_EQ(Fields(b->NodeKind, b->SeparatorToken, OwnTokens(b), b->ColumnNameToken, b->ConstraintNodes), "26 , b b nil");

    c = Stmt<TRk_CreateTableStmt>("create global temporary table s.t (a int)");
    EXPECT_EQ(Fields(c->TableKind, c->TableKindNode->Tok1, c->TableKindNode->Tok2, OwnTokens(c)),
              "5 global temporary create|table|(|)");
    const struct { const char* Kind; int Code; } kinds[] = {
        {"temporary", 1}, {"temp", 2}, {"local temporary", 3}, {"local temp", 4}, {"global temp", 6}};
    for (const auto& k : kinds) {
        c = Stmt<TRk_CreateTableStmt>(std::string("create ") + k.Kind + " table t (a int)");
        EXPECT_EQ(c->TableKind, k.Code) << k.Kind;
    }

    c = Stmt<TRk_CreateTableStmt>("create table t as select * from u");
    EXPECT_EQ(Fields(c->ElementList, c->Query, c->AsToken, OwnTokens(c)), "nil set as create|table");
    c = Stmt<TRk_CreateTableStmt>("create table t (a, b) as select 1, 2 from dual");
    EXPECT_EQ(Fields(SxList(c->ColumnNameList), OwnTokens(c), c->AsToken), "[a,b] create|table|(|) as");

    EXPECT_EQ(Parse("create table t of some_type"), nullptr);
    EXPECT_EQ(Result, 0);
    EXPECT_TRUE(Errors.empty());
}

TEST_F(DdlGrammar, PhysicalAttributes) {
    auto* c = Stmt<TRk_CreateTableStmt>(
        "create table t (a int) tablespace users pctfree 10 storage (initial 64 k next 1 m) nologging");
    auto* props = MUST(As<TRk_DummyNode>(c->PhysicalProperties));
    ASSERT_EQ(Fields(props->Int1, Count(props->List1)), "0 3");
    auto* ts = Dummy(props->List1, 0);
    auto* wrap = Dummy(props->List1, 1);
    EXPECT_EQ(Fields(ts->Int1, ts->Tok2, wrap->Int1, Dummy(props->List1, 2)->Int1), "782 users 0 673");
    ASSERT_EQ(Count(wrap->List1), 2);
    auto* st = Dummy(wrap->List1, 1);
    EXPECT_EQ(Fields(Dummy(wrap->List1, 0)->Int1, st->Int1, st->Tok2, st->Tok3, Count(st->List1)), "452 775 ( ) 2");
    auto* init = Dummy(st->List1, 0);
    EXPECT_EQ(Fields(init->Int1, init->Tok3, Dummy(st->List1, 1)->Int1), "423 k 660");

    c = Stmt<TRk_CreateTableStmt>(
        "create table t (a int) storage (freelist groups 2 minextents 1 maxextents unlimited pctincrease 0 "
        "freelists 1 optimal null buffer_pool keep) logging pctused 40 initrans 2 maxtrans 255");
    TRk_List* opts = Dummy(Dummy(As<TRk_DummyNode>(c->PhysicalProperties)->List1, 0)->List1, 0)->List1;
    ASSERT_EQ(Count(opts), 7);
    EXPECT_EQ(Fields(Dummy(opts, 0)->Int1, Dummy(opts, 0)->Tok2, Dummy(opts, 2)->Int1, Dummy(opts, 6)->Int1),
              "597 groups 433 882");
    EXPECT_TRUE(Parse("create table t as select 1 from dual tablespace users") == nullptr || !Errors.empty());
}

TEST_F(DdlGrammar, ColumnDefinitions) {
    TRkColumnDef* c = Column("type int");
    EXPECT_EQ(TokText(c->ColumnNameToken), "type");
    c = Column("a not null");
    EXPECT_EQ(Fields(c->DataType, Count(c->ConstraintNodes)), "nil 1");
    for (const char* ok : {"create table comment (level int, size int)", "create table t (timestamp date)",
                           "create table t (:c int)", "create table \"T\" (\"select\" int)"})
        EXPECT_TRUE(Accepted(ok)) << ok;
    EXPECT_FALSE(Accepted("create table t (c)"));
    EXPECT_FALSE(Accepted("create table t (select int)"));
    // A user type named like a built-in type word is the built-in type.
    EXPECT_EQ(Type("timestamp")->TypeForm, 50);
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
        SCOPED_TRACE(ty.Type);
        TRk_TypeName* t = Type(ty.Type);
        EXPECT_EQ(Fields(t->NodeKind, t->TypeForm, t->Param1, t->Param2, OwnTokens(t)),
                  Fields(175, ty.Form, ty.P1, ty.P2, ty.Tokens));
        EXPECT_EQ(Trimmed(t->AsText()), ty.Type);
    }
    TRk_TypeName* t = Type("varchar2(20 char)");
    EXPECT_EQ(Fields(t->LengthSemantics, t->TypeNameToken), "2 <nil>");
    // One parse per line: each parse frees the tree before it.
    EXPECT_EQ(Type("char varying(5)")->VaryingFlag, 1);
    EXPECT_EQ(Type("varchar(5)")->VaryingFlag, -9999);
    EXPECT_EQ(Type("nchar(3) character set utf8")->CharsetCode, 0);
    EXPECT_EQ(Type("nchar(3)")->CharsetCode, -9999);
    EXPECT_EQ(TokText(Type("my_type")->TypeNameToken), "my_type");
    EXPECT_EQ(TokText(Type("number")->TypeNameToken), "number");
    t = Type("int[3][]");
    ASSERT_EQ(Count(t->ArrayBounds), 2);
    EXPECT_EQ(Fields(t->TypeForm, As<TRkValue>(t->ArrayBounds->GetItem(0))->Payload,
                     As<TRkValue>(t->ArrayBounds->GetItem(1))->Payload, OwnTokens(t)),
              "33 3 0 int");
}

TEST_F(DdlGrammar, ColumnConstraints) {
    TRkColumnDef* c = Column("a int not null primary key");
    ASSERT_EQ(Count(c->ConstraintNodes), 2);
    auto* nn = As<TRkConstraint>(c->ConstraintNodes->GetItem(0));
    auto* pk = As<TRkConstraint>(c->ConstraintNodes->GetItem(1));
    EXPECT_EQ(Fields(nn->ConstraintType, OwnTokens(nn), nn->SeparatorFollows, pk->ConstraintType, OwnTokens(pk)),
              "1 not|null 0 4 primary|key");

    TRkConstraint* k = ColumnConstraint("a int constraint pk_a primary key");
    EXPECT_EQ(Fields(k->ConstraintType, k->GetName(), k->ConstraintToken, k->NameToken, OwnTokens(k)),
              "4 pk_a constraint pk_a primary|key");

    k = ColumnConstraint("a int references b(id) on delete cascade");
    ASSERT_NE(k->RefClause, nullptr);
    TRkConstraintRefClause* r = k->RefClause;
    EXPECT_EQ(Fields(k->ConstraintType, OwnTokens(k), OwnTokens(r), Sx(r->RefTable), SxList(r->RefColumns),
                     OwnTokens(r->RefColumnsNode), r->MatchKind, r->ActionKinds, r->OnDeleteAction, r->OnUpdateAction),
              "8 - references b [id] (|) 0 1 2 241");

    k = ColumnConstraint("a int references b match full on update set null on delete no action");
    r = k->RefClause;
    TRk_DummyNode* a = r->ActionsClause;
    EXPECT_EQ(Fields(r->MatchKind, r->RefColumns, r->ActionKinds, r->OnDeleteAction, r->OnUpdateAction),
              "1 nil 3 0 3");
    EXPECT_EQ(Fields(a->Tok1, a->Tok2, a->Tok3, a->Tok4, a->Tok5, a->Tok6, a->Tok7, a->Tok8),
              "on update set null on delete no action");

    c = Column("a int default 0 check (a > 0)");
    auto* def = As<TRkConstraint>(c->ConstraintNodes->GetItem(0));
    auto* chk = As<TRkConstraint>(c->ConstraintNodes->GetItem(1));
    EXPECT_EQ(Fields(def->ConstraintType, Sx(def->Expression), OwnTokens(def)), "7 0 default");
    EXPECT_EQ(Fields(chk->ConstraintType, Sx(chk->Expression), OwnTokens(chk)), "6 (> a 0) check|(|)");

    c = Column("a int deferrable");
    ASSERT_NE(Dummy(c->ConstraintNodes, 0), nullptr);
    EXPECT_EQ(Dummy(c->ConstraintNodes, 0)->NodeKind, 41);
    c = Column("a int null unique not deferrable default null");
    ASSERT_EQ(Count(c->ConstraintNodes), 4);
    EXPECT_EQ(Fields(As<TRkConstraint>(c->ConstraintNodes->GetItem(0))->ConstraintType,
                     As<TRkConstraint>(c->ConstraintNodes->GetItem(1))->ConstraintType,
                     Dummy(c->ConstraintNodes, 2)->Tok2,
                     Sx(As<TRkConstraint>(c->ConstraintNodes->GetItem(3))->Expression)),
              "2 3 deferrable null");
    EXPECT_FALSE(Accepted("create table t (a int constraint c deferrable)"));
}

TEST_F(DdlGrammar, TableConstraints) {
    TRk_List* l = Elements("a int, constraint fk1 foreign key (a, b) references t");
    auto* fk = MUST(As<TRkConstraint>(l->GetItem(1)));
    ASSERT_NE(fk->RefClause, nullptr);
    EXPECT_EQ(Fields(fk->NodeKind, fk->ConstraintType, fk->SeparatorFollows, fk->GetName(), SxList(fk->ColumnList),
                     OwnTokens(fk), fk->RefClause->RefColumns, fk->SeparatorToken),
              "27 5 1 fk1 [a,b] foreign|key|(|) nil ,");

    l = Elements("a int, foreign key (a) references t (x) deferrable");
    EXPECT_EQ(SxList(As<TRkConstraint>(l->GetItem(1))->RefClause->RefColumns), "[x]");
    l = Elements("a int, foreign key (a)");
    fk = As<TRkConstraint>(l->GetItem(1));
    EXPECT_EQ(Fields(fk->ConstraintType, fk->RefClause), "5 nil");

    l = Elements("a int, constraint pk primary key (a), unique (a, b), check (a > 1)");
    ASSERT_EQ(Count(l), 4);
    auto* pk = As<TRkConstraint>(l->GetItem(1));
    auto* uq = As<TRkConstraint>(l->GetItem(2));
    auto* ck = As<TRkConstraint>(l->GetItem(3));
    EXPECT_EQ(Fields(pk->ConstraintType, OwnTokens(pk), pk->GetName()), "4 primary|key|(|) pk");
    EXPECT_EQ(Fields(uq->ConstraintType, OwnTokens(uq), ck->ConstraintType, ck->SeparatorFollows), "3 unique|(|) 6 1");
    EXPECT_FALSE(Accepted("create table t (a int, foreign key (a) references t initially deferred)"));
}

TEST_F(DdlGrammar, IndexViewAndDrop) {
    auto* ix = Stmt<TRk_CreateIndexSqlStatement>("create unique index ix on t (a, b desc)");
    ASSERT_EQ(Count(ix->ColumnList), 2);
    auto* c2 = Dummy(ix->ColumnList, 1);
    EXPECT_EQ(Fields(ix->NodeKind, ix->IndexKind, ix->IndexKindToken, Sx(ix->IndexName), Sx(ix->TableName),
                     OwnTokens(ix), Dummy(ix->ColumnList, 0)->Int1),
              "23 1 unique ix t create|index|on|(|) 0");
    EXPECT_EQ(Fields(c2->Int1, c2->Tok1, c2->SeparatorToken), "2 desc ,");
    ix = Stmt<TRk_CreateIndexSqlStatement>("create bitmap index s.ix on s.t (upper(a) asc)");
    EXPECT_EQ(Fields(ix->IndexKind, Dummy(ix->ColumnList, 0)->Int1), "2 1");
    ix = Stmt<TRk_CreateIndexSqlStatement>("create index ix on t (a)");
    EXPECT_EQ(Fields(ix->IndexKind, ix->IndexKindToken), "0 <nil>");

    auto* v = Stmt<TRk_CreateViewSqlStatement>(
        "create or replace force view v (x, y) as select 1, 2 from dual with check option constraint ck");
    EXPECT_EQ(Fields(v->NodeKind, v->OrReplace, v->ForceKind, v->ForceToken, Count(v->ColumnList), v->Restriction,
                     v->GetRestrictionConstraintName(), OwnTokens(v), OwnTokens(v->RestrictionNode)),
              "22 1 1 force 2 2 ck create|view|as|or|replace with|check|option|constraint|ck");
    v = Stmt<TRk_CreateViewSqlStatement>("create view v as select * from t");
    EXPECT_EQ(Fields(v->Restriction, v->OrReplace, v->ColumnList, v->ColumnListNode, OwnTokens(v)),
              "0 0 nil set create|view|as");
    v = Stmt<TRk_CreateViewSqlStatement>("create noforce view v as select * from t with read only");
    EXPECT_EQ(Fields(v->ForceKind, v->Restriction), "2 1");

    auto* dt = Stmt<TRk_DropTableStmt>("drop table t cascade constraints");
    EXPECT_EQ(Fields(OwnTokens(dt), Sx(dt->TableName)), "drop|table|cascade|constraints t");
    auto* dv = Stmt<TRk_DropViewSqlStatement>("drop view v cascade constraints");
    EXPECT_EQ(dv->CascadeConstraints, 1);
    EXPECT_EQ(Stmt<TRk_DropViewSqlStatement>("drop view v")->CascadeConstraints, 0);
    auto* di = Stmt<TRk_DropIndexSqlStatement>("drop index s.ix force");
    EXPECT_EQ(Fields(di->Force, OwnTokens(di)), "1 drop|index|force");
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
        EXPECT_TRUE(Accepted(s)) << s;
        EXPECT_EQ(Parser->RootNode, nullptr) << s;
    }
    EXPECT_FALSE(Accepted("create sequence s"));
}

TEST_F(DdlGrammar, AlterTable) {
    TRk_alterTableStmt* a = Alter("alter table t add constraint fk foreign key (a) references u (b)");
    EXPECT_EQ(Fields(a->NodeKind, a->PropertyList, a->ColumnClauseList, a->EnableDisableList, OwnTokens(a),
                     a->AlterToken, a->TableToken),
              "8 nil nil nil - alter table");
    auto* k = MUST(As<TRk_DummyNode>(a->ConstraintClause));
    auto* fk = MUST(As<TRkConstraint>(k->Sub1));
    EXPECT_EQ(Fields(k->Int1, k->Tok1, fk->ConstraintType, fk->GetName()), "1 add 5 fk");

    k = As<TRk_DummyNode>(Alter("alter table t add primary key")->ConstraintClause);
    ASSERT_NE(k, nullptr);
    ASSERT_NE(k->List1, nullptr);
    auto* pk = As<TRkConstraint>(k->List1->GetItem(0));
    EXPECT_EQ(Fields(k->Int1, pk->ConstraintType, pk->SeparatorFollows, pk->ColumnList), "1 4 0 nil");

    a = Alter("alter table t add (c int, d date)");
    ASSERT_EQ(Count(a->ColumnClauseList), 1);
    auto* add = Dummy(a->ColumnClauseList, 0);
    EXPECT_EQ(Fields(add->Int1, Count(add->List1), add->Tok3), "1 2 )");

    a = Alter("alter table t drop (a, b) cascade constraints checkpoint 100");
    auto* drop = MUST(Dummy(a->ColumnClauseList, 0));
    EXPECT_EQ(Fields(drop->Int1, drop->Int2, SxList(drop->List1), OwnTokens(drop->Sub1), OwnTokens(drop->Sub2)),
              "3 4 [a,b] cascade|constraints checkpoint|100");

    a = Alter("alter table t pctfree 10 nocache");
    ASSERT_EQ(Count(a->PropertyList), 2);
    EXPECT_EQ(Fields(Dummy(a->PropertyList, 0)->Int1, Dummy(a->PropertyList, 1)->Tok1), "452 nocache");

    a = Alter("alter table t disable all triggers");
    ASSERT_EQ(Count(a->EnableDisableList), 1);
    EXPECT_EQ(Fields(a->ConstraintClause, Dummy(a->EnableDisableList, 0)->Int1), "nil 2");

    a = Alter("alter table t enable novalidate constraint c exceptions into ex");
    auto* en = MUST(Dummy(a->EnableDisableList, 0));
    EXPECT_EQ(Fields(en->Int1, As<TRk_DummyNode>(en->Sub1)->Tok1, As<TRk_DummyNode>(en->Sub3)->Tok1),
              "7 novalidate exceptions");

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
    for (const char* s : more) EXPECT_TRUE(Accepted(s)) << s << ": " << FirstError();
    EXPECT_FALSE(Accepted("alter table t add constraint pk primary key (a) using index"));
}

TEST_F(DdlGrammar, Merge) {
    auto* m = Stmt<TRk_MergeStmt>(
        "merge into t a using (select * from s) b on (a.id = b.id) when matched then update set a.x = b.x "
        "when not matched then insert (id, x) values (b.id, b.x)");
    EXPECT_EQ(Fields(m->NodeKind, m->SourceTable, As<TRk_SelectStmt>(m->SourceQuery), m->MergeToken, m->UsingToken,
                     m->OnToken, Sx(m->OnPart->Sub1), m->MatchedPart->Tok2, m->NotMatchedPart->Tok2),
              "33 nil set merge using on (= a.id b.id) matched not");
    auto* upd = As<TRk_DummyNode>(m->MatchedPart->Sub1);
    auto* ins = As<TRk_DummyNode>(m->NotMatchedPart->Sub1);
    EXPECT_EQ(Fields(Count(upd->List1), Count(ins->List1), Count(ins->List2), ins->Tok4), "1 2 2 values");
    m = Stmt<TRk_MergeStmt>(
        "merge into t a using s b on (a.id = b.id) when matched then update set x = 1 "
        "when not matched then insert (id) values (1)");
    EXPECT_EQ(Fields(Sx(m->SourceTable), As<TRk_AliasClause>(m->SourceAlias)->AliasToken), "s b");
}

}  // namespace
