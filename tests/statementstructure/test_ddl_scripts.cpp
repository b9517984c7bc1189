// Whole scripts through the front end (Oracle and generic vendors): what the
// diagram wizard reads of CREATE TABLE, CREATE INDEX and ALTER TABLE, and the
// texts rebuilt from the statement model.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frontend/marlsqlparser.h"
#include "statementstructure/ddlstatement.h"
#include "statementstructure/sqlstatement_dml.h"

namespace {

struct Script {
    TMarlSqlParser Parser;
    explicit Script(const std::string& sql, std::uint8_t vendor = 1) : Parser(vendor) {
        Parser.SetSqlTextString(sql);
        Result = Parser.Parse();
    }
    int Result = -1;
    int Count() { return Parser.Statements().Count(); }
    template <class T>
    T* At(int i) {
        if (i >= Count()) return nullptr;
        return dynamic_cast<T*>(Parser.Statements().GetStatement(i));
    }
};

std::vector<int> Types(TRkConstraintList* l) {
    std::vector<int> r;
    for (int i = 0; i < l->Count(); ++i) r.push_back(l->GetConstraint(i)->ConstraintType);
    return r;
}

std::vector<std::string> ColumnNames(TRkTable* t) {
    std::vector<std::string> r;
    for (int i = 0; i < t->Columns->Count(); ++i) r.push_back(t->Columns->GetField(i)->GetFieldText());
    return r;
}

std::string ItemsText(TRk_List* l) {
    std::string s;
    for (int i = 0; l && i < l->Count(); ++i) s += (i ? "," : "") + ItemAsText(l->GetItem(i));
    return s;
}

std::string Trim(std::string s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\r' || s.back() == '\n')) s.pop_back();
    std::size_t b = s.find_first_not_of(' ');
    return b == std::string::npos ? std::string() : s.substr(b);
}

class Vendors : public ::testing::TestWithParam<int> {};

TEST_P(Vendors, CreateTableGivesTheWizardItsTable) {
    Script s(
        "create table Emp (\n"
        "  ID int not null primary key,\n"
        "  \"Dept\" number(10,2) references dept(id) deferrable,\n"
        "  name varchar2(20) default 'x' not null,\n"
        "  constraint fk foreign key (\"Dept\") references dept (id) on delete cascade,\n"
        "  unique (name)\n"
        ");\n",
        static_cast<std::uint8_t>(GetParam()));
    ASSERT_EQ(s.Result, 0);
    ASSERT_EQ(s.Count(), 1);
    auto* ct = s.At<TCreateTableSqlStatement>(0);
    ASSERT_NE(ct, nullptr);
    ASSERT_NE(ct->GetRootNode(), nullptr);
    EXPECT_EQ(ct->StatementType, sstCreateTable);
    TRkTable* t = ct->TargetTable;
    EXPECT_EQ(Trim(t->GetTableText()), "emp");
    EXPECT_EQ(ColumnNames(t), (std::vector<std::string>{"ID", "\"Dept\"", "name"}));
    TRkField* id = t->Columns->GetField(0);
    TRkField* dept = t->Columns->GetField(1);
    TRkField* name = t->Columns->GetField(2);
    ASSERT_NE(dept->DataType, nullptr);
    EXPECT_EQ(dept->DataType->GetPrettyText(), "NUMBER(10,2)");
    EXPECT_EQ(Types(id->Constraints.get()), (std::vector<int>{1, 4}));
    EXPECT_EQ(Types(dept->Constraints.get()), (std::vector<int>{8}));
    EXPECT_EQ(Types(name->Constraints.get()), (std::vector<int>{7, 1}));
    ASSERT_EQ(Types(t->Constraints.get()), (std::vector<int>{5, 3}));
    TRkConstraint* fk = t->Constraints->GetConstraint(0);
    EXPECT_EQ(fk->Name, "fk");
    EXPECT_EQ(ItemsText(fk->ColumnList), "\"Dept\"");
    ASSERT_NE(fk->RefClause, nullptr);
    EXPECT_EQ(Trim(fk->RefClause->RefTable->AsText()), "dept");
    EXPECT_EQ(fk->RefClause->OnDeleteAction, 2);
}

TEST_P(Vendors, CreateIndexAndAlterTableReachTheirTable) {
    Script s(
        "create table emp (id int, dept int, x varchar(10));\n"
        "create unique index ix_emp /* idx */ on emp (id, upper(x) desc);\n"
        "alter table emp add constraint pk_emp primary key (id);\n"
        "alter table emp add constraint fk_emp foreign key (dept) references dept (id);\n"
        "alter table emp add (c int, constraint u_c unique (c));\n",
        static_cast<std::uint8_t>(GetParam()));
    ASSERT_EQ(s.Result, 0);
    ASSERT_EQ(s.Count(), 5);

    auto* ix = s.At<TCreateIndexSqlStatement>(1);
    ASSERT_NE(ix, nullptr);
    EXPECT_EQ(ix->StatementType, sstCreateIndex);
    EXPECT_EQ(ix->GetIndexNameText(), "ix_emp");
    EXPECT_EQ(Trim(ix->IndexTable->GetTableText()), "emp");
    ASSERT_EQ(ix->Fields->Count(), 2);
    EXPECT_EQ(ix->Fields->GetField(0)->GetFieldText(), "id");
    EXPECT_EQ(Trim(ix->Fields->GetField(1)->GetFieldText()), "upper(x)");
    EXPECT_EQ(ix->GetText(), "create unique index ix_emp on emp(\r\nid,\r\nupper(x) )");

    auto* pk = s.At<TAlterTableStatement>(2);
    ASSERT_NE(pk, nullptr);
    EXPECT_EQ(Trim(pk->TargetTable->GetTableText()), "emp");
    if (GetParam() != 1) {
        // The generic vendor takes only the altered table.
        EXPECT_EQ(pk->Constraints->Count(), 0);
        EXPECT_EQ(pk->GetText(), "alter table emp");
        return;
    }
    EXPECT_EQ(Types(pk->Constraints.get()), (std::vector<int>{4}));
    EXPECT_EQ(pk->AddedConstraints->Count(), 0);
    EXPECT_EQ(ItemsText(pk->Constraints->GetConstraint(0)->ColumnList), "id");

    auto* fk = s.At<TAlterTableStatement>(3);
    ASSERT_NE(fk, nullptr);
    ASSERT_EQ(Types(fk->Constraints.get()), (std::vector<int>{5}));
    ASSERT_NE(fk->Constraints->GetConstraint(0)->RefClause, nullptr);
    EXPECT_EQ(Trim(fk->Constraints->GetConstraint(0)->RefClause->RefTable->AsText()), "dept");

    // ADD ( ... ) is a column clause: its table constraint is a table key.
    auto* cols = s.At<TAlterTableStatement>(4);
    ASSERT_NE(cols, nullptr);
    ASSERT_EQ(cols->Fields->Count(), 1);
    EXPECT_EQ(cols->Fields->GetField(0)->GetFieldText(), "c");
    EXPECT_EQ(Types(cols->Constraints.get()), (std::vector<int>{3}));
}

INSTANTIATE_TEST_SUITE_P(OracleAndGeneric, Vendors, ::testing::Values(1, 4));

TEST(DdlScripts, NamesCarryNoTrailingComments) {
    Script s(
        "create table emp -- staff\n"
        "(id int);\n"
        "create index ix -- by id\n"
        "  on emp (id);\n"
        "alter table emp /* keys */ add primary key (id);\n");
    ASSERT_EQ(s.Count(), 3);
    auto* ix = s.At<TCreateIndexSqlStatement>(1);
    ASSERT_NE(ix, nullptr);
    EXPECT_EQ(ix->GetIndexNameText(), "ix");
    auto* alter = s.At<TAlterTableStatement>(2);
    ASSERT_NE(alter, nullptr);
    EXPECT_EQ(alter->TableName, "emp");
}

TEST(DdlScripts, RebuiltCreateTableText) {
    struct Row {
        const char* sql;
        const char* text;
    };
    const Row rows[] = {
        {"create table t (a int not null, b int, primary key (a));",
         // a column's text is its name, a blank, its type's and its
         // constraints' plain texts (each ends with the blank that followed it)
         "create table t(a int  not null,\r\nb int,\r\nprimary key (a))"},
        {"create global temporary table t (a int);", "create global temporary table t(a int)"},
        {"create table t (primary key (a));", "create table t(,\r\nprimary key (a))"},
        {"create table t (a int) tablespace users nologging;",
         "create table t(a int)\r\ntablespace users\r\nnologging"},
        {"create table t (a int) pctfree 10 storage (initial 10 K next 1 M);",
         "create table t(a int)\r\npctfree 10\r\nSTORAGE(INITIAL 10k\r\n        NEXT 1m)"},
    };
    for (const Row& r : rows) {
        Script s(r.sql);
        auto* ct = s.At<TCreateTableSqlStatement>(0);
        ASSERT_NE(ct, nullptr) << r.sql;
        EXPECT_EQ(ct->GetText(), r.text) << r.sql;
    }
}

TEST(DdlScripts, CreateTableAsQuery) {
    Script s("create table t (a, b) as select x, y from u;");
    auto* ct = s.At<TCreateTableSqlStatement>(0);
    ASSERT_NE(ct, nullptr);
    EXPECT_EQ(ColumnNames(ct->TargetTable), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(ct->TargetTable->Columns->GetField(0)->DataType, nullptr);
    ASSERT_NE(ct->SubQuery, nullptr);
    EXPECT_TRUE(ct->SubQuery->Parsed);
    const std::string text = ct->GetText();
    EXPECT_EQ(text.rfind("create table t(a,\r\nb) as Select ", 0), 0u) << text;
}

TEST(DdlScripts, FieldTokenEventsInColumnOrderBeforeTheQuery) {
    TMarlSqlParser p(1);
    std::vector<std::string> fields;
    std::vector<std::string> tables;
    p.OnFieldTokenEvent = [&](TRk_Node*, TSourceToken* t, TRk_Node*) { fields.push_back(t->Text); };
    p.OnTableTokenEvent = [&](TRk_Node*, TSourceToken* t, TRk_Node*) {
        tables.push_back(t->Text + "@" + std::to_string(fields.size()));
    };
    p.SetSqlTextString("create table t (a, b) as select x from u;");
    p.Parse();
    ASSERT_GE(fields.size(), 3u);
    EXPECT_EQ(fields[0], "a");
    EXPECT_EQ(fields[1], "b");
    EXPECT_EQ(fields[2], "x");
    // the created table is reported before its columns, the query's after
    EXPECT_EQ(tables, (std::vector<std::string>{"t@0", "u@2"}));
}

TEST(DdlScripts, ViewIndexAndDropTexts) {
    struct Row {
        const char* sql;
        const char* text;
    };
    const Row rows[] = {
        {"drop table a cascade constraints;", "drop table a"},
        {"drop index ix force;", "drop index ix force"},
        {"drop view v cascade constraints;", "drop view v cascade constraints"},
        {"create index ix on t (a);", "create index ix on t(\r\na)"},
    };
    for (const Row& r : rows) {
        Script s(r.sql);
        ASSERT_EQ(s.Count(), 1) << r.sql;
        TCustomSqlStatement* st = s.Parser.Statements().GetStatement(0);
        EXPECT_EQ(st->GetText(), r.text) << r.sql;
    }
    Script v("create or replace force view v (a, b) as select x, y from t with read only;");
    auto* view = v.At<TCreateViewSqlStatement>(0);
    ASSERT_NE(view, nullptr);
    ASSERT_NE(view->Query, nullptr);
    const std::string text = view->GetText();
    EXPECT_EQ(text.rfind("create or replace force v\r\n(a,b) as\r\nSelect ", 0), 0u) << text;
    EXPECT_NE(text.find("\r\n with read only"), std::string::npos) << text;
}

TEST(DdlScripts, DropTableWalkStillVisitsCascadeWords) {
    Script s("drop table a cascade constraints;");
    auto* d = s.At<TDropTableSqlStatement>(0);
    ASSERT_NE(d, nullptr);
    ASSERT_EQ(d->Tables->Count(), 1);
    const std::string plain = d->AsText();
    EXPECT_NE(plain.find("cascade constraints"), std::string::npos) << plain;
}

// Token texts of a walk, joined by single blanks.
class Words : public TRkVisitorAbs {
public:
    std::string Text;
    void Visit(TRkVisitedAbs* Obj) override {
        TRkVisitorAbs::Visit(Obj);
        if (TSourceToken* t = Obj->AsToken()) Text += (Text.empty() ? "" : " ") + t->Text;
    }
};

TEST(DdlScripts, EveryStatementWalksItsTokensInSourceOrder) {
    const char* sqls[] = {
        "create table t (a int not null primary key, b number(10,2) default 0, "
        "constraint fk foreign key (b) references u (x) on delete cascade, unique (a, b)) "
        "tablespace users pctfree 10 storage (initial 10 k next 1 m) nologging",
        "create global temporary table t (a int)",
        "create table t (a, b) as select x, y from u",
        "create table t as select * from u",
        "create unique index ix on t (a, upper(b) desc)",
        "create or replace force view v (a, b) as select x, y from t with check option constraint ck",
        "create view v as select * from t",
        "drop table t cascade constraints",
        "drop index ix force",
        "alter table t add constraint pk primary key (a)",
        "alter table t add (c int, d date, constraint u unique (c))",
        "alter table t modify (c varchar2(20) not null)",
        "alter table t drop (a, b) cascade constraints checkpoint 100",
        "alter table t set unused column c",
        "alter table t rename column a to b",
        "alter table t drop primary key cascade",
        "alter table t drop unique (a, b) keep index",
        "alter table t rename constraint a to b",
        "alter table t drop constraint c cascade",
        "alter table t pctfree 10 nocache",
        "alter table t disable all triggers",
        "alter table t enable novalidate constraint c exceptions into ex",
        "insert into t (a, b) values (1, 2)",
        "insert into t select * from u",
        "update t set a = 1, b = 2 where c = 3 returning a into :x",
        "delete from t where a = 1",
        "merge into t a using s b on (a.id = b.id) when matched then update set a.x = b.x "
        "when not matched then insert (id, x) values (b.id, b.x)",
    };
    for (const char* sql : sqls) {
        Script s(std::string(sql) + ";");
        ASSERT_EQ(s.Count(), 1) << sql;
        TCustomSqlStatement* st = s.Parser.Statements().GetStatement(0);
        ASSERT_NE(st->GetRootNode(), nullptr) << sql;
        ASSERT_TRUE(st->Parsed) << sql;
        std::string expected;
        for (int i = 0; i < st->SourceTokens->Count(); ++i) {
            TSourceToken* t = st->SourceTokens->GetToken(i);
            if (!t->IsSignificant() || t->TokenType == ttSemicolon || t->TokenCode == 0) continue;
            expected += (expected.empty() ? "" : " ") + t->Text;
        }
        Words w;
        st->Accept(&w);
        EXPECT_EQ(w.Text, expected) << sql;
        EXPECT_FALSE(st->GetText().empty()) << sql;
    }
}

TEST(DdlScripts, ReparsingGivesTheSameModel) {
    Script s(
        "create table t (a int primary key, b int);\n"
        "alter table t add constraint fk foreign key (b) references t (a);\n");
    ASSERT_EQ(s.Count(), 2);
    for (int round = 0; round < 2; ++round) {
        auto* ct = s.At<TCreateTableSqlStatement>(0);
        auto* at = s.At<TAlterTableStatement>(1);
        ASSERT_EQ(ct->Parse(false), 0);
        ASSERT_EQ(at->Parse(false), 0);
        EXPECT_EQ(ct->TargetTable->Columns->Count(), 2);
        EXPECT_EQ(at->Constraints->Count(), 1);
        EXPECT_EQ(at->AddedConstraints->Count(), 0);
    }
}

}  // namespace
