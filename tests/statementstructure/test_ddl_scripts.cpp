// Whole scripts through the front end (Oracle, MySQL and generic vendors):
// what the diagram wizard reads of CREATE TABLE, CREATE INDEX and ALTER
// TABLE, re-analysis and Reset, and the texts rebuilt from the model.
#include <string>
#include <vector>

#include "statement_fixture.h"
#include "statementstructure/ddlstatement.h"

using namespace sstest;

namespace {

std::vector<int> Types(TRkConstraintList* l) {
    std::vector<int> r;
    for (int i = 0; i < l->Count(); ++i) r.push_back(l->GetConstraint(i)->ConstraintType);
    return r;
}

std::string Trim(std::string s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\r' || s.back() == '\n')) s.pop_back();
    std::size_t b = s.find_first_not_of(' ');
    return b == std::string::npos ? std::string() : s.substr(b);
}

std::string Joined(const std::vector<int>& v) {
    std::string s;
    for (int i : v) s += (s.empty() ? "" : " ") + std::to_string(i);
    return s;
}

// A table as "name: column type [constraint types] | ... ; [table constraint types]".
std::string Picture(TRkTable* t) {
    std::string s = Trim(t->GetTableText()) + ":";
    for (int i = 0; i < t->Columns->Count(); ++i) {
        TRkField* f = t->Columns->GetField(i);
        s += std::string(i ? " |" : "") + " " + f->GetFieldText() + " " +
             (f->DataType ? f->DataType->GetPrettyText() : "-") + " [" + Joined(Types(f->Constraints.get())) + "]";
    }
    return s + " ; [" + Joined(Types(t->Constraints.get())) + "]";
}

std::string ItemsText(TRk_List* l) {
    std::string s;
    for (int i = 0; l && i < l->Count(); ++i) s += (i ? "," : "") + ItemAsText(l->GetItem(i));
    return s;
}


class Vendors : public ::testing::TestWithParam<int> {};

TEST_P(Vendors, CreateTableGivesTheWizardItsTable) {
    TMarlSqlParser p(static_cast<std::uint8_t>(GetParam()));
    std::vector<std::string> tableTokens, fieldTokens;
    std::vector<TRk_Node*> fieldSenders;
    p.OnTableTokenEvent = [&](TRk_Node*, TSourceToken* t, TRk_Node*) { tableTokens.push_back(std::string(t->GetText())); };
    p.OnFieldTokenEvent = [&](TRk_Node* sender, TSourceToken* t, TRk_Node*) {
        fieldTokens.push_back(std::string(t->GetText()));
        fieldSenders.push_back(sender);
    };
    p.SetSqlTextString(
        "create table Emp (\n"
        "  ID int not null primary key deferrable,\n"
        "  \"Dept\" number(10,2) references dept(id) deferrable,\n"
        "  name varchar2(20) default 'x' not null,\n"
        "  constraint fk foreign key (\"Dept\") references dept (id) on delete cascade,\n"
        "  unique (name)\n"
        ");\n");
    ASSERT_EQ(p.Parse(), 0);
    ASSERT_EQ(p.Statements().Count(), 1);
    auto* ct = dynamic_cast<TCreateTableSqlStatement*>(p.Statements().GetStatement(0));
    ASSERT_NE(ct, nullptr);
    ASSERT_NE(ct->GetRootNode(), nullptr);
    EXPECT_EQ(ct->StatementType, sstCreateTable);
    TRkTable* t = ct->TargetTable;
    EXPECT_EQ(t->NameNode, static_cast<TRk_CreateTableStmt*>(ct->GetRootNode())->TableName);
    // The DEFERRABLE states between the constraints are no constraints.
    EXPECT_EQ(Picture(t), "emp: ID INT [1 4] | \"Dept\" NUMBER(10,2) [8] | name VARCHAR2(20) [7 1] ; [5 3]");
    TRkField* id = t->Columns->GetField(0);
    EXPECT_EQ(id->IsColumnDef, 1);
    EXPECT_EQ(id->NameToken->DbObjKind, okField);
    TRkConstraint* fk = t->Constraints->GetConstraint(0);
    EXPECT_EQ(fk->GetName(), "fk");
    EXPECT_EQ(ItemsText(fk->ColumnList), "\"Dept\"");
    ASSERT_NE(fk->RefClause, nullptr);
    EXPECT_EQ(Trim(fk->RefClause->RefTable->AsText()), "dept");
    EXPECT_EQ(fk->RefClause->OnDeleteAction, 2);
    // The created table is reported first, then its columns by the statement.
    ASSERT_GE(tableTokens.size(), 1u);
    EXPECT_EQ(tableTokens[0], "Emp");
    ASSERT_GE(fieldTokens.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(fieldTokens.begin(), fieldTokens.begin() + 3),
              (std::vector<std::string>{"ID", "\"Dept\"", "name"}));
    EXPECT_EQ(fieldSenders[0], ct);
}

TEST_P(Vendors, CreateIndexAndAlterTableReachTheirTable) {
    Script s(
        "create table emp -- staff\n(id int, dept int, x varchar(10));\n"
        "create unique index ix_emp /* idx */ on emp (id, upper(x) desc);\n"
        "alter table emp /* keys */ add constraint pk_emp primary key (id);\n"
        "alter table emp add constraint fk_emp foreign key (dept) references dept (id);\n"
        "alter table emp add (c int, constraint u_c unique (c));\n"
        "alter table emp add check (a > 0) deferrable;\n",
        static_cast<std::uint8_t>(GetParam()));
    ASSERT_EQ(s.Result, 0);
    ASSERT_EQ(s.Count(), 6);

    auto* ix = s.At<TCreateIndexSqlStatement>(1);
    ASSERT_NE(ix, nullptr);
    EXPECT_EQ(ix->StatementType, sstCreateIndex);
    EXPECT_EQ(ix->IndexKind, 1);
    EXPECT_EQ(ix->GetIndexNameText(), "ix_emp");
    EXPECT_EQ(Trim(ix->IndexTable->GetTableText()), "emp");
    ASSERT_EQ(ix->Fields->Count(), 2);
    EXPECT_EQ(ix->Fields->GetField(0)->GetFieldText(), "id");
    EXPECT_EQ(Trim(ix->Fields->GetField(1)->GetFieldText()), "upper(x)");
    EXPECT_EQ(ix->GetText(), "create unique index ix_emp on emp(\r\nid,\r\nupper(x) )");
    ASSERT_EQ(ix->AnalyzeParseTree(), 0);
    EXPECT_EQ(ix->Fields->Count(), 2);
    ix->Reset();
    EXPECT_EQ(ix->IndexNameNode, nullptr);
    EXPECT_EQ(ix->GetIndexNameText(), "");
    EXPECT_EQ(ix->IndexTable->NameNode, nullptr);

    auto* pk = s.At<TAlterTableStatement>(2);
    ASSERT_NE(pk, nullptr);
    EXPECT_EQ(pk->StatementType, sstAlterTable);
    EXPECT_EQ(pk->TargetTable->GetTableNameText(), "emp");   // no comment after the name
    // The generic dialect parses with the Oracle grammar and is analysed
    // the same way; its rebuilt text keeps the whole alteration too.
    EXPECT_EQ(pk->GetText(), "alter table emp  add  constraint pk_emp primary key (id)");
    // Keys per ALTER: the table's, those of the list form, and the columns.
    const struct {
        int at;
        std::vector<int> keys, added;
        int fields;
    } alters[] = {
        {2, {4}, {}, 0},
        {3, {5}, {}, 0},
        {4, {3}, {}, 1},   // ADD ( ... ) is a column clause: its table constraint is a table key
        {5, {}, {6}, 0},   // the list form of ADD skips the DEFERRABLE state
    };
    for (const auto& a : alters) {
        auto* st = s.At<TAlterTableStatement>(a.at);
        ASSERT_NE(st, nullptr);
        EXPECT_EQ(Types(st->Constraints.get()), a.keys) << a.at;
        EXPECT_EQ(Types(st->AddedConstraints.get()), a.added) << a.at;
        EXPECT_EQ(st->Fields->Count(), a.fields) << a.at;
    }
    EXPECT_EQ(ItemsText(pk->Constraints->GetConstraint(0)->ColumnList), "id");
    TRkConstraint* fk = s.At<TAlterTableStatement>(3)->Constraints->GetConstraint(0);
    ASSERT_NE(fk->RefClause, nullptr);
    EXPECT_EQ(Trim(fk->RefClause->RefTable->AsText()), "dept");
    EXPECT_EQ(s.At<TAlterTableStatement>(4)->Fields->GetField(0)->GetFieldText(), "c");
    EXPECT_EQ(pk->TableName, "emp");
    // A second analysis of the same tree collects nothing twice.
    ASSERT_EQ(pk->AnalyzeParseTree(), 0);
    EXPECT_EQ(pk->Constraints->Count(), 1);
    pk->Reset();
    EXPECT_EQ(pk->Constraints->Count(), 0);
    EXPECT_EQ(pk->TableName, "");
    EXPECT_EQ(pk->TargetTable->NameNode, nullptr);
}

INSTANTIATE_TEST_SUITE_P(OracleAndGeneric, Vendors, ::testing::Values(1, 4));

TEST(CreateTableModel, AnalyzingAgainAndResetLeaveNoStaleState) {
    Script s("create table emp (id int not null primary key, dept int references dept, "
             "constraint fk foreign key (dept) references dept);");
    auto* st = s.At<TCreateTableSqlStatement>(0);
    ASSERT_NE(st, nullptr);
    const std::string picture = Picture(st->TargetTable);
    ASSERT_EQ(st->AnalyzeParseTree(), 0);
    ASSERT_EQ(st->AnalyzeParseTree(), 0);
    EXPECT_EQ(Picture(st->TargetTable), picture);
    EXPECT_EQ(picture, "emp: id INT [1 4] | dept INT [8] ; [5]");

    st->Reset();
    EXPECT_EQ(st->RootNode, nullptr);
    EXPECT_EQ(st->TargetTable->NameNode, nullptr);
    EXPECT_EQ(st->TargetTable->Columns->Count(), 0);
    EXPECT_EQ(st->TargetTable->Constraints->Count(), 0);
    EXPECT_EQ(st->PhysicalProps, nullptr);
    EXPECT_EQ(st->SubQuery, nullptr);
    EXPECT_EQ(st->AnalyzeParseTree(), -1);   // no root: nothing changes
}

TEST(CreateTableModel, ForeignRootIsRefused) {
    auto root = CreateNodeOfClass<TRk_CreateIndexSqlStatement>();
    auto st = CreateNodeOfClass<TCreateTableSqlStatement>(1);
    st->RootNode = root.get();
    EXPECT_EQ(st->AnalyzeParseTree(), -1);
    EXPECT_FALSE(st->Parsed);
}

// MySQL describes ADD PRIMARY KEY / FOREIGN KEY options without a
// constraint node: the statement makes them.
TEST(AlterTableModel, MysqlKeysAddedByOptionsReachConstraints) {
    Script s("alter table emp add (c int, primary key (c)), add constraint pk primary key (a, b), "
             "add foreign key (d) references u;",
             VendorMySQL);
    auto* st = s.At<TAlterTableStatement>(0);
    ASSERT_NE(st, nullptr);
    ASSERT_TRUE(st->Parsed) << st->ErrorMessages();
    ASSERT_EQ(st->Options->Count(), 3);
    ASSERT_EQ(Types(st->Constraints.get()), (std::vector<int>{4, 4, 5}));
    TRkConstraint* made = st->Constraints->GetConstraint(1);
    EXPECT_EQ(made->GetName(), "pk");
    EXPECT_EQ(ItemsText(made->ColumnList), "a,b");
    ASSERT_NE(st->Constraints->GetConstraint(2)->RefClause, nullptr);
    EXPECT_EQ(ItemsText(st->Constraints->GetConstraint(2)->ColumnList), "d");
    EXPECT_EQ(st->Options->GetOption(0)->Fields->Count(), 1);
    EXPECT_EQ(Types(st->Options->GetOption(0)->Constraints.get()), (std::vector<int>{4}));
    // The option walk is unchanged: "(" before the key columns, ")" after.
    EXPECT_EQ(Walk(st->Options->GetOption(1), true), "add constraint pk primary key ( a , b )");
    // ADD ( ... ) walks every element with its comma, the key included.
    EXPECT_EQ(Walk(st->Options->GetOption(0), true), "add ( c int , primary key ( c ) )");

    ASSERT_EQ(st->AnalyzeParseTree(), 0);
    EXPECT_EQ(st->Constraints->Count(), 3);
    st->Reset();
    EXPECT_EQ(st->Constraints->Count(), 0);
    EXPECT_EQ(st->Options->Count(), 0);
}

TEST(DdlScripts, RebuiltTexts) {
    const struct {
        const char* sql;
        const char* text;
    } rows[] = {
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
        {"drop table a cascade constraints;", "drop table a"},
        {"drop index ix force;", "drop index ix force"},
        {"drop view v cascade constraints;", "drop view v cascade constraints"},
        {"create index ix on t (a);", "create index ix on t(\r\na)"},
    };
    for (const auto& r : rows) {
        Script s(r.sql);
        ASSERT_EQ(s.Count(), 1) << r.sql;
        EXPECT_EQ(s.At(0)->GetText(), r.text) << r.sql;
    }
    Script v("create or replace force view v (a, b) as select x, y from t with read only;");
    auto* view = v.At<TCreateViewSqlStatement>(0);
    ASSERT_NE(view, nullptr);
    ASSERT_NE(view->Query, nullptr);
    const std::string text = view->GetText();
    EXPECT_EQ(text.rfind("create or replace force v\r\n(a,b) as\r\nSelect ", 0), 0u) << text;
    EXPECT_NE(text.find("\r\n with read only"), std::string::npos) << text;
    // The drop's text leaves out CASCADE CONSTRAINTS, its walk does not.
    Script d("drop table a cascade constraints;");
    auto* drop = d.At<TDropTableSqlStatement>(0);
    ASSERT_NE(drop, nullptr);
    ASSERT_EQ(drop->Tables->Count(), 1);
    EXPECT_NE(drop->AsText().find("cascade constraints"), std::string::npos) << drop->AsText();
}

TEST(DdlScripts, CreateTableAsQuery) {
    TMarlSqlParser p(1);
    std::vector<std::string> fields, tables;
    p.OnFieldTokenEvent = [&](TRk_Node*, TSourceToken* t, TRk_Node*) { fields.push_back(std::string(t->GetText())); };
    p.OnTableTokenEvent = [&](TRk_Node*, TSourceToken* t, TRk_Node*) {
        tables.push_back(std::string(t->GetText()) + "@" + std::to_string(fields.size()));
    };
    p.SetSqlTextString("create table t (a, b) as select x, y from u;");
    p.Parse();
    auto* ct = dynamic_cast<TCreateTableSqlStatement*>(p.Statements().GetStatement(0));
    ASSERT_NE(ct, nullptr);
    EXPECT_EQ(Picture(ct->TargetTable), "t: a - [] | b - [] ; []");
    ASSERT_NE(ct->SubQuery, nullptr);
    EXPECT_TRUE(ct->SubQuery->Parsed);
    const std::string text = ct->GetText();
    EXPECT_EQ(text.rfind("create table t(a,\r\nb) as Select ", 0), 0u) << text;
    // Field events in column order before the query's; the created table is
    // reported before its columns, the query's after.
    ASSERT_GE(fields.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(fields.begin(), fields.begin() + 3),
              (std::vector<std::string>{"a", "b", "x"}));
    EXPECT_EQ(tables, (std::vector<std::string>{"t@0", "u@2"}));
}

TEST(Scripts, EveryStatementWalksItsTokensInSourceOrder) {
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
        "select distinct a.x, b.y as yy from t1 a join t2 b on a.id = b.id where a.x > 1 "
        "group by a.x, b.y having count(*) > 1 order by 1 desc nulls last",
        "select * from t for update of t.a nowait",
        "select x from a left outer join b using (id) cross join c",
        "select a from t union all select b from u order by 1",
        "select a from t connect by prior a = b start with a = 1",
    };
    for (const char* sql : sqls) {
        SCOPED_TRACE(sql);
        Script s(std::string(sql) + ";");
        ASSERT_EQ(s.Count(), 1);
        TCustomSqlStatement* st = s.At(0);
        ASSERT_NE(st->GetRootNode(), nullptr);
        ASSERT_TRUE(st->Parsed);
        EXPECT_EQ(Walk(st, true), SourceTokens(st, false));
        EXPECT_FALSE(st->GetText().empty());
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
