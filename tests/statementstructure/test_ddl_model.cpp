// DDL analyses on hand-built raw trees: what the diagram wizard reads
// (tables, columns in order, types, constraints, indexes, ALTER TABLE keys),
// re-analysis and Reset.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "statementstructure/ddlstatement.h"
#include "test_ddl_trees.h"

namespace {

template <class T>
std::unique_ptr<T> Make(std::uint8_t vendor) {
    return CreateNodeOfClass<T>(vendor);
}

std::vector<int> Types(TRkConstraintList* l) {
    std::vector<int> r;
    for (int i = 0; i < l->Count(); ++i) r.push_back(l->GetConstraint(i)->ConstraintType);
    return r;
}

// create table Emp (ID int not null primary key deferrable,
//                   "Dept" int references dept,
//                   constraint fk foreign key ("Dept") references dept)
struct CreateTableTree {
    TreeKit k;
    TRk_CreateTableStmt* root = nullptr;
    TRkConstraint* notNull = nullptr;
    TRkConstraint* pk = nullptr;
    TRkConstraint* colRef = nullptr;
    TRkConstraint* fk = nullptr;

    CreateTableTree() {
        root = k.New<TRk_CreateTableStmt>();
        root->TokenList->Add(k.Kw("create"));
        root->TokenList->Add(k.Kw("table"));
        root->TableName = k.Name("Emp");
        root->TableKindNode = k.New<TRk_DummyNode>();
        root->TableKindNode->Int1 = 0;
        root->TokenList->Add(k.Tok("(", ttLeftParen));
        notNull = k.Constraint(1, {"not", "null"});
        pk = k.Constraint(4, {"primary", "key"});
        auto* deferrable = k.New<TRk_DummyNode>();
        deferrable->Tok1 = k.Kw("deferrable");
        auto* id = k.Column("ID", "int", {notNull, pk, deferrable});
        TSourceToken* comma1 = k.Tok(",", ttComma);
        colRef = k.Constraint(8, {});
        colRef->RefClause = k.References("dept");
        auto* dept = k.Column("\"Dept\"", "int", {colRef});
        dept->SeparatorToken = comma1;
        TSourceToken* comma2 = k.Tok(",", ttComma);
        fk = k.Constraint(5, {"foreign", "key", "(", ")"}, k.List({k.Name("\"Dept\"")}), true);
        fk->Name = "fk";
        fk->RefClause = k.References("dept");
        fk->SeparatorToken = comma2;
        root->ElementList = k.List({id, dept, fk});
        root->TokenList->Add(k.Tok(")", ttRightParen));
    }
};

TEST(CreateTableModel, ColumnsTypesAndConstraintsInSourceOrder) {
    CreateTableTree t;
    auto st = Make<TCreateTableSqlStatement>(1);
    std::vector<std::string> tableTokens, fieldTokens;
    std::vector<TRk_Node*> fieldSenders;
    st->SetOnTableTokenEvent([&](TRk_Node*, TSourceToken* tok, TRk_Node*) { tableTokens.push_back(tok->Text); });
    st->SetOnFieldTokenEvent([&](TRk_Node* sender, TSourceToken* tok, TRk_Node*) {
        fieldTokens.push_back(tok->Text);
        fieldSenders.push_back(sender);
    });
    st->RootNode = t.root;
    ASSERT_EQ(st->Parse(true), 0);
    EXPECT_TRUE(st->Parsed);
    EXPECT_EQ(st->StatementType, sstCreateTable);

    TRkTable* table = st->TargetTable;
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->NameNode, t.root->TableName);
    ASSERT_EQ(table->Columns->Count(), 2);
    TRkField* id = table->Columns->GetField(0);
    TRkField* dept = table->Columns->GetField(1);
    EXPECT_EQ(id->GetFieldText(), "ID");
    EXPECT_EQ(dept->GetFieldText(), "\"Dept\"");
    EXPECT_EQ(id->IsColumnDef, 1);
    ASSERT_NE(id->DataType, nullptr);
    EXPECT_EQ(id->DataType->TypeNameToken->Text, "int");
    EXPECT_EQ(id->NameToken->DbObjKind, okField);

    // The DEFERRABLE state between the constraints is no constraint.
    EXPECT_EQ(Types(id->Constraints.get()), (std::vector<int>{1, 4}));
    EXPECT_EQ(Types(dept->Constraints.get()), (std::vector<int>{8}));
    EXPECT_EQ(Types(table->Constraints.get()), (std::vector<int>{5}));
    EXPECT_EQ(table->Constraints->GetConstraint(0)->RefClause, t.fk->RefClause);

    EXPECT_EQ(tableTokens, (std::vector<std::string>{"Emp"}));
    EXPECT_EQ(fieldTokens, (std::vector<std::string>{"ID", "\"Dept\""}));
    EXPECT_EQ(fieldSenders, (std::vector<TRk_Node*>{st.get(), st.get()}));
}

TEST(CreateTableModel, AnalyzingAgainAndResetLeaveNoStaleState) {
    CreateTableTree t;
    auto st = Make<TCreateTableSqlStatement>(1);
    st->RootNode = t.root;
    ASSERT_EQ(st->AnalyzeParseTree(), 0);
    ASSERT_EQ(st->AnalyzeParseTree(), 0);
    EXPECT_EQ(st->TargetTable->Columns->Count(), 2);
    EXPECT_EQ(st->TargetTable->Constraints->Count(), 1);

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
    TreeKit k;
    auto st = Make<TCreateTableSqlStatement>(1);
    st->RootNode = k.New<TRk_CreateIndexSqlStatement>();
    EXPECT_EQ(st->AnalyzeParseTree(), -1);
    EXPECT_FALSE(st->Parsed);
}

// create unique index ix -- note
//   on emp (id, upper(x))
TEST(CreateIndexModel, NameTableAndColumnsAsTheWizardReadsThem) {
    TreeKit k;
    auto* root = k.New<TRk_CreateIndexSqlStatement>();
    root->TokenList->Add(k.Kw("create"));
    root->IndexKindToken = k.Kw("unique");
    root->IndexKind = 1;
    root->TokenList->Add(k.Kw("index"));
    root->IndexName = k.Name("ix");
    k.Comment("-- note");
    root->TokenList->Add(k.Kw("on"));
    root->TableName = k.Name("emp");
    root->TokenList->Add(k.Tok("(", ttLeftParen));
    auto* c1 = k.New<TRk_DummyNode>();
    c1->Sub1 = k.Col("id");
    auto* c2 = k.New<TRk_DummyNode>();
    c2->SeparatorToken = k.Tok(",", ttComma);
    c2->Sub1 = k.Col("x");
    c2->Tok1 = k.Kw("desc");
    root->ColumnList = k.List({c1, c2});
    root->TokenList->Add(k.Tok(")", ttRightParen));

    auto st = Make<TCreateIndexSqlStatement>(1);
    st->RootNode = root;
    ASSERT_EQ(st->Parse(true), 0);
    EXPECT_EQ(st->StatementType, sstCreateIndex);
    EXPECT_EQ(st->IndexKind, 1);
    // the name carries neither the blank nor the comment that follow it
    EXPECT_EQ(st->GetIndexNameText(), "ix");
    EXPECT_EQ(st->IndexTable->NameNode, root->TableName);
    EXPECT_EQ(st->IndexTable->GetTableText(), "emp");
    ASSERT_EQ(st->Fields->Count(), 2);
    EXPECT_EQ(st->Fields->GetField(0)->GetFieldText(), "id");
    EXPECT_EQ(st->Fields->GetField(1)->GetFieldText(), "x");

    TokenRecorder rec;
    st->Accept(&rec);
    EXPECT_EQ(rec.Joined(), "create unique index ix on emp ( id , x desc )");

    ASSERT_EQ(st->AnalyzeParseTree(), 0);
    EXPECT_EQ(st->Fields->Count(), 2);
    st->Reset();
    EXPECT_EQ(st->IndexNameNode, nullptr);
    EXPECT_EQ(st->GetIndexNameText(), "");
    EXPECT_EQ(st->IndexTable->NameNode, nullptr);
}

// ---------------------------------------------------------------------------
// ALTER TABLE

struct AlterTree {
    TreeKit k;
    TRk_alterTableStmt* root = nullptr;
    AlterTree() {
        root = k.New<TRk_alterTableStmt>();
        root->AlterToken = k.Kw("alter");
        root->TableToken = k.Kw("table");
        root->TableName = k.Name("emp");
    }
};

TEST(AlterTableModel, OracleAddConstraintReachesConstraints) {
    AlterTree t;
    auto* clause = t.k.New<TRk_DummyNode>();
    clause->Int1 = 1;
    clause->Tok1 = t.k.Kw("add");
    auto* pk = t.k.Constraint(4, {"primary", "key", "(", ")"}, t.k.List({t.k.Name("id")}), true);
    clause->Sub1 = pk;
    t.root->ConstraintClause = clause;

    auto st = Make<TAlterTableStatement>(1);
    std::vector<std::string> tableTokens;
    st->SetOnTableTokenEvent([&](TRk_Node*, TSourceToken* tok, TRk_Node*) { tableTokens.push_back(tok->Text); });
    st->RootNode = t.root;
    ASSERT_EQ(st->Parse(true), 0);
    EXPECT_EQ(st->StatementType, sstAlterTable);
    EXPECT_EQ(st->TableName, "emp");
    EXPECT_EQ(st->TargetTable->GetTableText(), "emp");
    EXPECT_EQ(Types(st->Constraints.get()), (std::vector<int>{4}));
    EXPECT_EQ(st->AddedConstraints->Count(), 0);
    EXPECT_EQ(st->Fields->Count(), 0);
    EXPECT_EQ(tableTokens, (std::vector<std::string>{"emp"}));

    // a second analysis of the same tree collects nothing twice
    ASSERT_EQ(st->AnalyzeParseTree(), 0);
    EXPECT_EQ(st->Constraints->Count(), 1);

    TokenRecorder rec;
    st->Accept(&rec);
    EXPECT_EQ(rec.Joined(), "alter table emp add primary key ( id )");

    st->Reset();
    EXPECT_EQ(st->Constraints->Count(), 0);
    EXPECT_EQ(st->TableName, "");
    EXPECT_EQ(st->TargetTable->NameNode, nullptr);
}

TEST(AlterTableModel, OracleColumnFormListSkipsStatesAndKeepsKeysOfElementLists) {
    AlterTree t;
    // alter table emp add check (a > 0) deferrable  -> the list form
    auto* clause = t.k.New<TRk_DummyNode>();
    clause->Int1 = 1;
    clause->Tok1 = t.k.Kw("add");
    auto* check = t.k.Constraint(6, {"check", "(", ")"});
    auto* state = t.k.New<TRk_DummyNode>();
    state->Tok1 = t.k.Kw("deferrable");
    clause->List1 = t.k.List({check, state});
    t.root->ConstraintClause = clause;

    auto st = Make<TAlterTableStatement>(1);
    st->RootNode = t.root;
    ASSERT_EQ(st->Parse(true), 0);
    EXPECT_EQ(Types(st->AddedConstraints.get()), (std::vector<int>{6}));
    EXPECT_EQ(st->Constraints->Count(), 0);

    // alter table emp add (c int, constraint u unique (c)): a column clause,
    // so the key is one of the table's constraints.
    AlterTree u;
    auto* add = u.k.New<TRk_DummyNode>();
    add->Int1 = 1;
    add->Tok1 = u.k.Kw("add");
    add->Tok2 = u.k.Tok("(", ttLeftParen);
    auto* c = u.k.Column("c", "int");
    auto* uq = u.k.Constraint(3, {"unique", "(", ")"}, u.k.List({u.k.Name("c")}), true);
    uq->SeparatorToken = u.k.Tok(",", ttComma);
    add->List1 = u.k.List({c, uq});
    add->Tok3 = u.k.Tok(")", ttRightParen);
    u.root->ColumnClauseList = u.k.List({add});

    auto st2 = Make<TAlterTableStatement>(1);
    std::vector<std::string> fieldTokens;
    st2->SetOnFieldTokenEvent([&](TRk_Node*, TSourceToken* tok, TRk_Node*) { fieldTokens.push_back(tok->Text); });
    st2->RootNode = u.root;
    ASSERT_EQ(st2->Parse(true), 0);
    ASSERT_EQ(st2->Fields->Count(), 1);
    EXPECT_EQ(st2->Fields->GetField(0)->GetFieldText(), "c");
    EXPECT_EQ(Types(st2->Constraints.get()), (std::vector<int>{3}));
    EXPECT_EQ(fieldTokens, (std::vector<std::string>{"c"}));
}

TEST(AlterTableModel, MysqlKeysAddedByOptionsReachConstraints) {
    AlterTree t;
    // add (c int, primary key (c))
    auto* o0 = t.k.New<TRkAlterTableOption>();
    o0->Kind = 0;
    o0->TokenList->Add(t.k.Kw("add"));
    o0->TokenList->Add(t.k.Tok("(", ttLeftParen));
    auto* c = t.k.Column("c", "int");
    auto* pk0 = t.k.Constraint(4, {"primary", "key", "(", ")"}, t.k.List({t.k.Name("c")}), true);
    o0->ElementList = t.k.List({c, pk0});
    o0->TokenList->Add(t.k.Tok(")", ttRightParen));
    // , add constraint pk primary key (a, b)
    auto* o2 = t.k.New<TRkAlterTableOption>();
    o2->SeparatorToken = t.k.Tok(",", ttComma);
    o2->Kind = 2;
    o2->TokenList->Add(t.k.Kw("add"));
    auto* cn = t.k.New<TRk_DummyNode>();
    cn->TokenList->Add(t.k.Kw("constraint"));
    cn->TokenList->Add(t.k.Tok("pk"));
    o2->ConstraintName = cn;
    o2->TokenList->Add(t.k.Kw("primary"));
    o2->TokenList->Add(t.k.Kw("key"));
    o2->TokenList->Add(t.k.Tok("(", ttLeftParen));
    auto* b = t.k.Name("b");
    auto* a = t.k.Name("a");
    b->SeparatorToken = t.k.Tok(",", ttComma);
    o2->ColumnList = t.k.List({a, b});
    o2->TokenList->Add(t.k.Tok(")", ttRightParen));
    // , add foreign key (d) references u
    auto* o4 = t.k.New<TRkAlterTableOption>();
    o4->SeparatorToken = t.k.Tok(",", ttComma);
    o4->Kind = 4;
    for (const char* w : {"add", "foreign", "key", "(", ")"})
        o4->TokenList->Add(t.k.Tok(w, std::string(w) == "(" ? ttLeftParen : std::string(w) == ")" ? ttRightParen : ttKeyword));
    o4->ColumnList = t.k.List({t.k.Name("d")});
    auto* ref = t.k.References("u");
    o4->RefClause = ref;
    t.root->AlterOptions = t.k.List({o0, o2, o4});

    auto st = Make<TAlterTableStatement>(2);
    st->RootNode = t.root;
    ASSERT_EQ(st->Parse(true), 0);
    ASSERT_EQ(st->Options->Count(), 3);
    EXPECT_EQ(o0->Fields->Count(), 1);
    EXPECT_EQ(Types(o0->Constraints.get()), (std::vector<int>{4}));

    ASSERT_EQ(Types(st->Constraints.get()), (std::vector<int>{4, 4, 5}));
    TRkConstraint* made = st->Constraints->GetConstraint(1);
    EXPECT_EQ(made->ColumnList, o2->ColumnList);
    EXPECT_EQ(made->Name, "pk");
    EXPECT_EQ(st->Constraints->GetConstraint(2)->RefClause, ref);
    EXPECT_EQ(st->Constraints->GetConstraint(2)->ColumnList, o4->ColumnList);

    // The option walk is unchanged: "(" before the key columns, ")" after.
    TokenRecorder rec;
    o2->Accept(&rec);
    EXPECT_EQ(rec.Joined(), "add constraint pk primary key ( a , b )");

    ASSERT_EQ(st->AnalyzeParseTree(), 0);
    EXPECT_EQ(st->Constraints->Count(), 3);
    st->Reset();
    EXPECT_EQ(st->Constraints->Count(), 0);
    EXPECT_EQ(st->Options->Count(), 0);
}

TEST(AlterTableModel, OtherVendorsTakeOnlyTheTable) {
    AlterTree t;
    auto st = Make<TAlterTableStatement>(3);
    st->RootNode = t.root;
    ASSERT_EQ(st->Parse(true), 0);
    EXPECT_EQ(st->TargetTable->GetTableText(), "emp");
    EXPECT_EQ(st->GetText(), "alter table emp");
}

}  // namespace
