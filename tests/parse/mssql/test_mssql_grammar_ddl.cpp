// SQL Server grammar: CREATE TABLE with its column and table constraints,
// data types, ALTER TABLE, CREATE INDEX, CREATE VIEW and the transaction
// statements; and the table-definition forms the grammar does not accept.
#include "mssql_grammar_support.h"

using namespace mssql_test;

namespace {

class MssqlDdl : public MssqlParseFixture {
protected:
    // Element I of a CREATE TABLE's element list.
    static TRk_Node* Element(TRk_CreateTableStmt* C, int I) {
        if (C == nullptr || C->ElementList == nullptr || I >= C->ElementList->Count()) return nullptr;
        return C->ElementList->Items[static_cast<size_t>(I)]->AsNode();
    }
    static TRkConstraint* ColumnConstraint(TRk_Node* Column, int I) {
        auto* c = As<TRkColumnDef>(Column);
        if (c == nullptr || c->ConstraintNodes == nullptr || I >= c->ConstraintNodes->Count()) return nullptr;
        return As<TRkConstraint>(c->ConstraintNodes->Items[static_cast<size_t>(I)]);
    }
    // The single column constraint of "CREATE TABLE t (a int <Text>)".
    TRkConstraint* Constraint(const std::string& Text) {
        auto* c = One<TRk_CreateTableStmt>("CREATE TABLE t (a int " + Text + ")");
        return ColumnConstraint(Element(c, 0), 0);
    }
    // The single table constraint of "CREATE TABLE t (a int, <Text>)".
    TRkConstraint* TableConstraint(const std::string& Text) {
        auto* c = One<TRk_CreateTableStmt>("CREATE TABLE t (a int, " + Text + ")");
        return As<TRkConstraint>(Element(c, 1));
    }
    // The data type of "DECLARE @v <Text>".
    TRk_TypeName* Type(const std::string& Text) {
        auto* d = One<_TMssqlDeclare>("DECLARE @v " + Text);
        if (d == nullptr || d->Vars == nullptr || d->Vars->Count() != 1) return nullptr;
        auto* v = As<_TMssql_declare_var>(d->Vars->Items[0]);
        return v != nullptr ? As<TRk_TypeName>(v->DataType) : nullptr;
    }
};

TEST_F(MssqlDdl, CreateTableShape) {
    auto* c = One<TRk_CreateTableStmt>("CREATE TABLE dbo.t (a int NOT NULL, b varchar(20))");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(NameText(c->TableName), "dbo.t");
    EXPECT_EQ(OwnTokens(c), "CREATE|TABLE|(|)");
    ASSERT_NE(c->ElementList, nullptr);
    EXPECT_EQ(c->ElementList->Count(), 2);
    // Without a temporary word there is still a kind node, with kind 0.
    EXPECT_EQ(c->TableKind, 0);
    ASSERT_NE(c->TableKindNode, nullptr);
    EXPECT_EQ(c->TableKindNode->Int1, 0);
    EXPECT_EQ(OwnTokens(c->TableKindNode), "");
    EXPECT_EQ(c->OnClause, nullptr);
    EXPECT_EQ(c->TextImageOnClause, nullptr);
    EXPECT_EQ(c->Query, nullptr);

    auto* a = As<TRkColumnDef>(Element(c, 0));
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(TokText(a->ColumnNameToken), "a");
    EXPECT_EQ(OwnTokens(a), "a");
    ASSERT_NE(a->DataType, nullptr);
    EXPECT_EQ(a->DataType->TypeForm, 2);
    auto* b = As<TRkColumnDef>(Element(c, 1));
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->ConstraintNodes, nullptr);
    EXPECT_EQ(TokText(b->SeparatorToken), ",");
    // The constructor's own constraint list stays empty.
    EXPECT_EQ(a->Constraints->Count(), 0);
}

TEST_F(MssqlDdl, CreateTableClauses) {
    auto* c = One<TRk_CreateTableStmt>("CREATE TABLE t (a int) ON fg1 TEXTIMAGE_ON fg2");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(TokText(c->OnFilegroupToken), "fg1");
    ASSERT_NE(c->OnClause, nullptr);
    EXPECT_EQ(TokText(c->OnClause->Tok1), "ON");
    EXPECT_EQ(TokText(c->TextImageOnToken), "fg2");
    // The filegroup words are fields only.
    EXPECT_EQ(OwnTokens(c), "CREATE|TABLE|(|)");
    EXPECT_EQ(OwnTokens(c->OnClause), "");

    c = One<TRk_CreateTableStmt>("CREATE TABLE [dbo].[t] ([ID] [int]) ON [PRIMARY]");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(TokText(c->OnFilegroupToken), "[PRIMARY]");
    c = One<TRk_CreateTableStmt>("CREATE TABLE t (a int) ON DEFAULT");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(TokText(c->OnFilegroupToken), "DEFAULT");

    struct TTemp {
        const char* Words;
        int Kind;
    } temps[] = {{"TEMPORARY", 1}, {"TEMP", 2}, {"LOCAL TEMPORARY", 3}, {"LOCAL TEMP", 4},
                 {"GLOBAL TEMPORARY", 5}, {"GLOBAL TEMP", 6}};
    for (const TTemp& t : temps) {
        c = One<TRk_CreateTableStmt>(std::string("CREATE ") + t.Words + " TABLE t (a int)");
        ASSERT_NE(c, nullptr) << t.Words;
        EXPECT_EQ(c->TableKind, t.Kind) << t.Words;
        EXPECT_EQ(c->TableKindNode->Int1, t.Kind) << t.Words;
    }
}

TEST_F(MssqlDdl, CreateTableAsQueryAndTableVariables) {
    auto* c = One<TRk_CreateTableStmt>("CREATE TABLE t AS SELECT a FROM u");
    ASSERT_NE(c, nullptr);
    EXPECT_NE(c->Query, nullptr);
    EXPECT_EQ(TokText(c->AsToken), "AS");
    EXPECT_EQ(c->ElementList, nullptr);
    EXPECT_EQ(OwnTokens(c), "CREATE|TABLE");

    c = One<TRk_CreateTableStmt>("CREATE TABLE t (a, b) AS SELECT a, b FROM u");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(ListShape(c->ColumnNameList), "a,b");
    EXPECT_EQ(OwnTokens(c), "CREATE|TABLE|(|)");

    c = One<TRk_CreateTableStmt>("DECLARE @t TABLE (a int, b int)");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->DeclareFlag, 1);
    EXPECT_EQ(NameText(c->TableName), "@t");
    EXPECT_EQ(OwnTokens(c->TableName), "@t");
    EXPECT_EQ(OwnTokens(c), "DECLARE|TABLE|(|)");
    EXPECT_EQ(c->TableKindNode, nullptr);
    EXPECT_EQ(Announced.back().Type, sstCreateTable);

    // CREATE TABLE ... OF gives a bare recognised-only element.
    auto* d = One<_TMssqlDummyStmt>("CREATE TABLE t OF u");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->NodeKind, mnkDummyStmt);
    EXPECT_EQ(d->TokenList->Count(), 0);
    EXPECT_EQ(Announced.back().Type, sstCreateTable);
}

TEST_F(MssqlDdl, ColumnConstraints) {
    struct TCase {
        const char* Text;
        uint8_t Type;
        const char* Tokens;
    } cases[] = {
        {"NOT NULL", 1, "NOT|NULL"},
        {"NULL", 2, "NULL"},
        {"UNIQUE", 3, "UNIQUE"},
        {"UNIQUE NONCLUSTERED ON fg", 3, "UNIQUE|NONCLUSTERED|ON|fg"},
        {"PRIMARY KEY", 4, "PRIMARY|KEY"},
        {"PRIMARY KEY CLUSTERED", 4, "PRIMARY|KEY|CLUSTERED"},
        {"COLLATE Latin1_General_CI_AS", 13, "COLLATE"},
        {"IDENTITY", 12, "IDENTITY"},
        {"IDENTITY (1, 1)", 12, "IDENTITY|(|)"},
        {"CHECK (a > 0)", 6, "CHECK|(|)"},
        {"DEFAULT 0", 7, "DEFAULT"},
        {"DEFAULT (getdate())", 7, "DEFAULT"},
        {"DEFAULT 0 WITH VALUES", 7, "DEFAULT|WITH|VALUES"},
        {"REFERENCES u", 8, ""},
        {"REFERENCES u (id)", 8, ""},
    };
    for (const TCase& t : cases) {
        TRkConstraint* c = Constraint(t.Text);
        ASSERT_NE(c, nullptr) << t.Text;
        EXPECT_EQ(c->ConstraintType, t.Type) << t.Text;
        EXPECT_EQ(c->SeparatorFollows, 0) << t.Text;
        EXPECT_EQ(OwnTokens(c), t.Tokens) << t.Text;
    }
    TRkConstraint* c = Constraint("IDENTITY (1, 1)");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(ListShape(c->ColumnList), "1,1");
    c = Constraint("IDENTITY");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->ColumnList, nullptr);
    c = Constraint("COLLATE Latin1_General_CI_AS");
    ASSERT_NE(c, nullptr);
    ASSERT_NE(c->Extra, nullptr);
    ASSERT_NE(c->Extra->AsToken(), nullptr);
    EXPECT_EQ(c->Extra->AsToken()->Text, "Latin1_General_CI_AS");
    c = Constraint("CHECK (a > 0)");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(Shape(c->Expression), "Cmp[>](a,0)");
    c = Constraint("DEFAULT (getdate())");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(Shape(c->Expression), "(getdate())");

    // Named: the CONSTRAINT word and the name are fields only.
    c = Constraint("CONSTRAINT pk PRIMARY KEY CLUSTERED");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->Name, "pk");
    EXPECT_EQ(TokText(c->ConstraintToken), "CONSTRAINT");
    EXPECT_EQ(TokText(c->NameToken), "pk");
    EXPECT_EQ(OwnTokens(c), "PRIMARY|KEY|CLUSTERED");
}

TEST_F(MssqlDdl, ColumnConstraintsFollowOneAnotherWithoutSeparators) {
    auto* c = One<TRk_CreateTableStmt>("CREATE TABLE t (a int NOT NULL PRIMARY KEY DEFAULT 1)");
    auto* col = As<TRkColumnDef>(Element(c, 0));
    ASSERT_NE(col, nullptr);
    ASSERT_NE(col->ConstraintNodes, nullptr);
    ASSERT_EQ(col->ConstraintNodes->Count(), 3);
    EXPECT_EQ(ColumnConstraint(col, 0)->ConstraintType, 1);
    EXPECT_EQ(ColumnConstraint(col, 1)->ConstraintType, 4);
    EXPECT_EQ(ColumnConstraint(col, 2)->ConstraintType, 7);
    EXPECT_EQ(ColumnConstraint(col, 1)->SeparatorToken, nullptr);
}

// The deferrability words are accepted and leave nothing in the column's
// constraint list: never a missing or stale item.
TEST_F(MssqlDdl, DeferrabilityAddsNoConstraint) {
    auto* c = One<TRk_CreateTableStmt>("CREATE TABLE t (a int NOT DEFERRABLE, b int DEFERRABLE NOT NULL, c int)");
    ASSERT_NE(c, nullptr);
    auto* a = As<TRkColumnDef>(Element(c, 0));
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->ConstraintNodes, nullptr);
    auto* b = As<TRkColumnDef>(Element(c, 1));
    ASSERT_NE(b, nullptr);
    ASSERT_NE(b->ConstraintNodes, nullptr);
    ASSERT_EQ(b->ConstraintNodes->Count(), 1);
    EXPECT_EQ(ColumnConstraint(b, 0)->ConstraintType, 1);
    c = One<TRk_CreateTableStmt>("CREATE TABLE t (a int NOT NULL DEFERRABLE UNIQUE)");
    a = As<TRkColumnDef>(Element(c, 0));
    ASSERT_NE(a, nullptr);
    ASSERT_EQ(a->ConstraintNodes->Count(), 2);
    for (int i = 0; i < 2; ++i) EXPECT_NE(ColumnConstraint(a, i), nullptr);
}

TEST_F(MssqlDdl, ReferenceClauses) {
    TRkConstraint* c = Constraint("REFERENCES dbo.u (id)");
    ASSERT_NE(c, nullptr);
    ASSERT_NE(c->RefClause, nullptr);
    EXPECT_EQ(NameText(c->RefClause->RefTable), "dbo.u");
    EXPECT_EQ(ListShape(c->RefClause->RefColumns), "id");
    EXPECT_EQ(OwnTokens(c->RefClause->RefColumnsNode), "(|)");
    EXPECT_EQ(OwnTokens(c->RefClause), "REFERENCES");
    // Without MATCH and key actions every option byte is 0.
    EXPECT_EQ(c->RefClause->MatchKind, 0);
    EXPECT_EQ(c->RefClause->ActionKinds, 0);
    EXPECT_EQ(c->RefClause->OnDeleteAction, 0);
    EXPECT_EQ(c->RefClause->OnUpdateAction, 0);

    c = TableConstraint("FOREIGN KEY (a) REFERENCES u (id) ON DELETE CASCADE");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->ConstraintType, 5);
    EXPECT_EQ(c->SeparatorFollows, 1);
    EXPECT_EQ(ListShape(c->ColumnList), "a");
    EXPECT_EQ(OwnTokens(c), "FOREIGN|KEY|(|)");
    ASSERT_NE(c->RefClause, nullptr);
    EXPECT_EQ(c->RefClause->ActionKinds, 1);
    EXPECT_EQ(c->RefClause->OnDeleteAction, 2);
    EXPECT_EQ(c->RefClause->OnUpdateAction, 241);
    ASSERT_NE(c->RefClause->ActionsClause, nullptr);
    EXPECT_EQ(TokText(c->RefClause->ActionsClause->Tok1), "ON");
    EXPECT_EQ(TokText(c->RefClause->ActionsClause->Tok2), "DELETE");
    EXPECT_EQ(TokText(c->RefClause->ActionsClause->Tok3), "CASCADE");

    c = TableConstraint("FOREIGN KEY (a, b) REFERENCES u ON UPDATE NO ACTION ON DELETE SET NULL");
    ASSERT_NE(c, nullptr);
    ASSERT_NE(c->RefClause, nullptr);
    EXPECT_EQ(c->RefClause->RefColumns, nullptr);
    EXPECT_EQ(c->RefClause->ActionKinds, 3);
    EXPECT_EQ(c->RefClause->OnDeleteAction, 3);
    EXPECT_EQ(c->RefClause->OnUpdateAction, 0);
    TRk_DummyNode* acts = c->RefClause->ActionsClause;
    ASSERT_NE(acts, nullptr);
    // The UPDATE clause was written first: its words come first.
    EXPECT_EQ(TokText(acts->Tok2), "UPDATE");
    EXPECT_EQ(TokText(acts->Tok3), "NO");
    EXPECT_EQ(TokText(acts->Tok4), "ACTION");
    EXPECT_EQ(TokText(acts->Tok6), "DELETE");
    EXPECT_EQ(TokText(acts->Tok7), "SET");

    c = TableConstraint("FOREIGN KEY (a) REFERENCES u (id) MATCH FULL ON UPDATE CASCADE");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->RefClause->MatchKind, 1);
    EXPECT_EQ(c->RefClause->ActionKinds, 2);
    EXPECT_EQ(c->RefClause->OnDeleteAction, 241);
    EXPECT_EQ(c->RefClause->OnUpdateAction, 2);

    // FOREIGN KEY without REFERENCES is accepted.
    c = TableConstraint("FOREIGN KEY (a)");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->RefClause, nullptr);
}

TEST_F(MssqlDdl, TableConstraints) {
    TRkConstraint* c = TableConstraint("CONSTRAINT pk PRIMARY KEY NONCLUSTERED (a, b) ON fg");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->ConstraintType, 4);
    EXPECT_EQ(c->SeparatorFollows, 1);
    EXPECT_EQ(c->Name, "pk");
    EXPECT_EQ(ListShape(c->ColumnList), "a,b");
    EXPECT_EQ(OwnTokens(c), "PRIMARY|KEY|NONCLUSTERED|(|)|ON|fg");
    c = TableConstraint("UNIQUE (a)");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->ConstraintType, 3);
    EXPECT_EQ(OwnTokens(c), "UNIQUE|(|)");
    c = TableConstraint("CHECK (a <> 0)");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->ConstraintType, 6);
    EXPECT_EQ(Shape(c->Expression), "OP[<>](a,0)");
}

TEST_F(MssqlDdl, DataTypes) {
    struct TCase {
        const char* Text;
        uint8_t Form;
        int32_t P1;
        int32_t P2;
        const char* Tokens;
    } cases[] = {
        {"int", 2, -9999, -9999, "int"},
        {"datetime", 2, -9999, -9999, "datetime"},
        {"INT", 2, -9999, -9999, "INT"},
        {"int(4)", 2, 4, -9999, "int|(|4|)"},
        {"money(10, 4)", 2, 10, 4, "money|(|10|,|4|)"},
        {"[int]", 2, -9999, -9999, "[int]"},
        {"float", 3, -9999, -9999, "float"},
        {"float(53)", 3, 53, -9999, "float|(|53|)"},
        {"double precision", 7, -9999, -9999, "double|precision"},
        {"decimal(10, 2)", 8, 10, 2, "decimal|(|10|,|2|)"},
        {"dec(5)", 9, 5, -9999, "dec|(|5|)"},
        {"numeric", 10, -9999, -9999, "numeric"},
        {"number(3, 1)", 11, 3, 1, "number|(|3|,|1|)"},
        {"bit", 16, -9999, -9999, "bit"},
        {"integer", 12, -9999, -9999, "integer"},
        {"smallint", 34, -9999, -9999, "smallint"},
        {"real", 35, -9999, -9999, "real"},
        {"char(10)", 40, 10, -9999, "char|(|10|)"},
        {"nchar", 48, -9999, -9999, "nchar"},
        {"varchar", 41, -9999, -9999, "varchar"},
        {"nvarchar(40)", 45, 40, -9999, "nvarchar|(|40|)"},
        {"timestamp", 50, -9999, -9999, "timestamp"},
        {"timestamp(6)", 50, 6, -9999, "timestamp|(|6|)"},
        {"timestamp with time zone", 51, -9999, -9999, "timestamp|with|time|zone"},
        {"timestamp with local time zone", 52, -9999, -9999, "timestamp|with|local|time|zone"},
        {"date format 'yyyy'", 53, -9999, -9999, "date|format|'yyyy'"},
        {"long", 58, -9999, -9999, "long"},
        {"long raw", 60, -9999, -9999, "long|raw"},
        {"blob", 61, -9999, -9999, "blob"},
        {"clob", 62, -9999, -9999, "clob"},
        {"nclob", 63, -9999, -9999, "nclob"},
        {"bfile", 64, -9999, -9999, "bfile"},
        {"int(99999999999)", 2, 0, -9999, "int|(|99999999999|)"},
    };
    for (const TCase& t : cases) {
        TRk_TypeName* ty = Type(t.Text);
        ASSERT_NE(ty, nullptr) << t.Text;
        EXPECT_EQ(ty->TypeForm, t.Form) << t.Text;
        EXPECT_EQ(ty->Param1, t.P1) << t.Text;
        EXPECT_EQ(ty->Param2, t.P2) << t.Text;
        EXPECT_EQ(OwnTokens(ty), t.Tokens) << t.Text;
    }
    // A character type keeps its keyword in a node as well.
    TRk_TypeName* ty = Type("varchar(10)");
    ASSERT_NE(ty, nullptr);
    auto* word = As<TRk_DummyNode>(ty->TypeNode);
    ASSERT_NE(word, nullptr);
    EXPECT_EQ(word->Int1, 41);
    EXPECT_EQ(OwnTokens(word), "varchar");
    EXPECT_EQ(ty->TypeNameToken, nullptr);
    ty = Type("date format 'yyyy'");
    ASSERT_NE(ty, nullptr);
    EXPECT_EQ(TokText(ty->MidToken), "'yyyy'");
}

// The scanner reads "[" as the start of a bracketed name, so array bounds
// reach the grammar only from a token list made otherwise.
TEST_F(MssqlDdl, ArrayBounds) {
    Prepare("DECLARE @v int");
    int at = Tokens->Count();
    while (at > 0 && Tokens->GetToken(at - 1)->TokenType == ttLineBreak) --at;
    const struct {
        const char* Text;
        int Code;
    } bounds[] = {{"[", '['}, {"]", ']'}, {"[", '['}, {"10", 268}, {"]", ']'}};
    for (const auto& b : bounds) {
        auto t = std::make_unique<TSourceToken>();
        t->Text = b.Text;
        t->TokenCode = b.Code;
        t->TokenType = 11;
        Tokens->Insert(at++, std::move(t));
    }
    for (int i = 0; i < Tokens->Count(); ++i) {
        Tokens->GetToken(i)->PosInList = i;
        Tokens->GetToken(i)->OwnerList = Tokens;
    }
    EXPECT_EQ(ParsePrepared(), 0);
    EXPECT_TRUE(Errors.empty());
    auto* d = Inner<_TMssqlDeclare>(0);
    ASSERT_NE(d, nullptr);
    auto* ty = As<TRk_TypeName>(As<_TMssql_declare_var>(d->Vars->Items[0])->DataType);
    ASSERT_NE(ty, nullptr);
    ASSERT_NE(ty->ArrayBounds, nullptr);
    ASSERT_EQ(ty->ArrayBounds->Count(), 2);
    auto* first = As<TRkValue>(ty->ArrayBounds->Items[0]);
    auto* second = As<TRkValue>(ty->ArrayBounds->Items[1]);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(first->NodeKind, 55);
    EXPECT_EQ(first->PayloadObject, nullptr);
    ASSERT_NE(second->PayloadObject, nullptr);
    EXPECT_EQ(second->PayloadObject->AsToken()->Text, "10");
    // The brackets belong to no node.
    EXPECT_EQ(OwnTokens(ty), "int");
}

TEST_F(MssqlDdl, TypesTheGrammarDoesNotAccept) {
    for (const char* t : {"varchar(max)", "nvarchar(max)", "time", "character(10)", "varchar2(10)",
                          "timestamp(6) with time zone"}) {
        EXPECT_TRUE(Rejects(std::string("DECLARE @v ") + t)) << t;
    }
}

TEST_F(MssqlDdl, TableDefinitionsTheGrammarDoesNotAccept) {
    const char* rejected[] = {
        "CREATE TABLE t (id int, CONSTRAINT pk PRIMARY KEY CLUSTERED (id ASC))",
        "CREATE TABLE t (id int, PRIMARY KEY (id) WITH (PAD_INDEX = OFF))",
        "CREATE TABLE t (id int, c AS id + 1)",
        "CREATE TABLE t (id int ROWGUIDCOL)",
        "CREATE TABLE t (id int, FOREIGN KEY (id) REFERENCES u (id) NOT FOR REPLICATION)",
        "CREATE TABLE t (year int)",
        "CREATE TABLE t (order int)",
        "CREATE TABLE t (a int, DEFAULT 0 FOR a)",
    };
    for (const char* s : rejected) {
        EXPECT_TRUE(Rejects(s)) << s;
        // A table the grammar rejects yields no create-table item.
        for (int i = 0; i < Items(); ++i) EXPECT_EQ(Inner<TRk_CreateTableStmt>(i), nullptr) << s;
    }
    // Keywords of the name lists are accepted as column names.
    auto* c = One<TRk_CreateTableStmt>("CREATE TABLE t (date int, [user] int, key int, index int, type int, column int)");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->ElementList->Count(), 6);
}

TEST_F(MssqlDdl, AlterTableActions) {
    auto* a = One<TRk_alterTableStmt>("ALTER TABLE t ADD CONSTRAINT pk PRIMARY KEY (id)");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(TokText(a->AlterToken), "ALTER");
    EXPECT_EQ(TokText(a->TableToken), "TABLE");
    EXPECT_EQ(NameText(a->TableName), "t");
    auto* add = As<TRk_DummyNode>(a->AddConstraintsClause);
    ASSERT_NE(add, nullptr);
    EXPECT_EQ(OwnTokens(add), "ADD");
    ASSERT_EQ(add->List1->Count(), 1);
    auto* k = As<TRkConstraint>(add->List1->Items[0]);
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(k->ConstraintType, 4);
    EXPECT_EQ(k->SeparatorFollows, 1);
    EXPECT_EQ(k->Name, "pk");
    EXPECT_EQ(a->AddColumnsClause, nullptr);
    EXPECT_EQ(Announced.back().Type, sstAlterTable);

    a = One<TRk_alterTableStmt>("ALTER TABLE [dbo].[X] WITH NOCHECK ADD CONSTRAINT [PK_X] PRIMARY KEY CLUSTERED ([ID]) ON [PRIMARY]");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(OwnTokens(a->AddConstraintsClause), "WITH|NOCHECK|ADD");

    a = One<TRk_alterTableStmt>("ALTER TABLE t ADD c int, d varchar(10) NULL");
    ASSERT_NE(a, nullptr);
    add = As<TRk_DummyNode>(a->AddColumnsClause);
    ASSERT_NE(add, nullptr);
    EXPECT_EQ(add->List1->Count(), 2);
    EXPECT_NE(As<TRkColumnDef>(add->List1->Items[1]), nullptr);

    a = One<TRk_alterTableStmt>("ALTER TABLE t ALTER COLUMN c int NOT NULL");
    ASSERT_NE(a, nullptr);
    auto* alter = As<TRk_DummyNode>(a->AlterColumnClause);
    ASSERT_NE(alter, nullptr);
    EXPECT_EQ(OwnTokens(alter), "ALTER|COLUMN|c");
    EXPECT_NE(As<TRk_TypeName>(alter->Sub1), nullptr);
    EXPECT_EQ(alter->Sub2, nullptr);
    EXPECT_EQ(OwnTokens(alter->Sub3), "NOT|NULL");

    a = One<TRk_alterTableStmt>("ALTER TABLE t DROP COLUMN c, CONSTRAINT k, x");
    ASSERT_NE(a, nullptr);
    auto* drop = As<TRk_DummyNode>(a->DropClause);
    ASSERT_NE(drop, nullptr);
    ASSERT_EQ(drop->List1->Count(), 3);
    EXPECT_EQ(As<TRk_DummyNode>(drop->List1->Items[0])->Int1, 1);
    EXPECT_EQ(As<TRk_DummyNode>(drop->List1->Items[1])->Int1, -9999);
    EXPECT_EQ(OwnTokens(As<TRk_DummyNode>(drop->List1->Items[2])), "x");

    a = One<TRk_alterTableStmt>("ALTER TABLE t NOCHECK CONSTRAINT ALL");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(OwnTokens(a->ExtraClause1), "NOCHECK|CONSTRAINT|ALL");
    a = One<TRk_alterTableStmt>("ALTER TABLE t CONSTRAINT ALL");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(OwnTokens(a->ExtraClause1), "CONSTRAINT|ALL");
    a = One<TRk_alterTableStmt>("ALTER TABLE t ENABLE TRIGGER tr1, tr2");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(OwnTokens(a->ExtraClause2), "ENABLE|TRIGGER");
    EXPECT_EQ(ListShape(As<TRk_DummyNode>(a->ExtraClause2)->List1), "tr1,tr2");
    a = One<TRk_alterTableStmt>("ALTER TABLE t TRIGGER ALL");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(OwnTokens(a->ExtraClause2), "TRIGGER|ALL");
}

TEST_F(MssqlDdl, AlterTableFormsTheGrammarDoesNotAccept) {
    EXPECT_TRUE(Rejects("ALTER TABLE t ADD CONSTRAINT df DEFAULT 0 FOR c"));
    EXPECT_TRUE(Rejects("ALTER TABLE t ADD c int, CONSTRAINT pk PRIMARY KEY (c)"));
}

TEST_F(MssqlDdl, CreateIndex) {
    auto* i = One<TRk_CreateIndexSqlStatement>("CREATE INDEX i ON t (a DESC, b) WITH fillfactor = 80 ON fg");
    ASSERT_NE(i, nullptr);
    EXPECT_EQ(i->IndexKind, 0);
    EXPECT_EQ(i->IndexKindToken, nullptr);
    EXPECT_EQ(NameText(i->IndexName), "i");
    EXPECT_EQ(NameText(i->TableName), "t");
    ASSERT_NE(i->ColumnList, nullptr);
    ASSERT_EQ(i->ColumnList->Count(), 2);
    auto* c0 = As<TRk_DummyNode>(i->ColumnList->Items[0]);
    auto* c1 = As<TRk_DummyNode>(i->ColumnList->Items[1]);
    EXPECT_EQ(c0->Int1, 2);
    EXPECT_EQ(TokText(c0->Tok1), "DESC");
    EXPECT_EQ(c1->Int1, 0);
    EXPECT_EQ(TokText(c1->SeparatorToken), ",");
    ASSERT_NE(i->OptionsClause, nullptr);
    EXPECT_EQ(ListShape(As<TRk_DummyNode>(i->OptionsClause)->List1), "Cmp[=](fillfactor,80)");
    ASSERT_NE(i->FilegroupClause, nullptr);
    EXPECT_EQ(OwnTokens(i), "CREATE|INDEX|ON|(|)");

    struct TKind {
        const char* Word;
        int Kind;
    } kinds[] = {{"UNIQUE", 1}, {"BITMAP", 2}, {"CLUSTERED", 3}, {"NONCLUSTERED", 4}};
    for (const TKind& k : kinds) {
        i = One<TRk_CreateIndexSqlStatement>(std::string("CREATE ") + k.Word + " INDEX [IX] ON [dbo].[X]([Col]) ON [PRIMARY]");
        ASSERT_NE(i, nullptr) << k.Word;
        EXPECT_EQ(i->IndexKind, k.Kind) << k.Word;
        EXPECT_EQ(TokText(i->IndexKindToken), k.Word);
        // The kind word is a field only.
        EXPECT_EQ(OwnTokens(i), "CREATE|INDEX|ON|(|)") << k.Word;
    }
    EXPECT_TRUE(Rejects("CREATE UNIQUE CLUSTERED INDEX i ON t (a)"));
    EXPECT_TRUE(Rejects("CREATE INDEX i ON t (a) INCLUDE (b)"));
}

TEST_F(MssqlDdl, CreateAndAlterView) {
    auto* v = One<TRk_CreateViewSqlStatement>("CREATE VIEW v (a, b) AS SELECT x, y FROM t");
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(NameText(v->ViewName), "v");
    EXPECT_EQ(ListShape(v->ColumnList), "a,b");
    EXPECT_EQ(OwnTokens(v->ColumnListNode), "(|)");
    EXPECT_NE(v->Query, nullptr);
    EXPECT_EQ(v->Restriction, 0);
    EXPECT_EQ(v->RestrictionNode, nullptr);
    EXPECT_EQ(OwnTokens(v), "CREATE|VIEW|AS");

    v = One<TRk_CreateViewSqlStatement>("ALTER VIEW v AS SELECT 1 AS one WITH CHECK OPTION");
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->ColumnList, nullptr);
    EXPECT_EQ(OwnTokens(v), "ALTER|VIEW|AS");
    EXPECT_EQ(v->Restriction, 2);
    EXPECT_EQ(OwnTokens(v->RestrictionNode), "WITH|CHECK|OPTION");
    EXPECT_EQ(Announced.back().Type, sstCreateView);

    EXPECT_TRUE(Rejects("CREATE VIEW v WITH SCHEMABINDING AS SELECT 1"));
}

TEST_F(MssqlDdl, TransactionStatements) {
    struct TCase {
        const char* Text;
        uint8_t Kind;
        int Form;
        const char* Name;
        const char* Tokens;
        TSqlStatementType Announced;
    } cases[] = {
        {"COMMIT", mnkCommit, 1, "<nil>", "COMMIT", sstCommit},
        {"COMMIT WORK", mnkCommit, 2, "<nil>", "COMMIT|WORK", sstCommit},
        {"COMMIT TRAN", mnkCommit, 3, "<nil>", "COMMIT|TRAN", sstCommit},
        {"COMMIT TRAN @t", mnkCommit, 3, "@t", "COMMIT|TRAN", sstCommit},
        {"COMMIT TRANSACTION t1", mnkCommit, 4, "t1", "COMMIT|TRANSACTION", sstCommit},
        {"ROLLBACK", mnkRollback, 1, "<nil>", "ROLLBACK", sstRollback},
        {"ROLLBACK WORK", mnkRollback, 2, "<nil>", "ROLLBACK|WORK", sstRollback},
        {"ROLLBACK TRANSACTION @t", mnkRollback, 4, "@t", "ROLLBACK|TRANSACTION", sstRollback},
        {"SAVE TRAN sp1", mnkSaveTran, 3, "sp1", "SAVE|TRAN", sstMssqlSaveTrans},
        {"SAVE TRANSACTION", mnkSaveTran, 4, "<nil>", "SAVE|TRANSACTION", sstMssqlSaveTrans},
    };
    for (const TCase& t : cases) {
        auto* d = One<_TMssqlDummyStmt>(t.Text);
        ASSERT_NE(d, nullptr) << t.Text;
        EXPECT_EQ(d->NodeKind, t.Kind) << t.Text;
        EXPECT_EQ(d->FormCode, t.Form) << t.Text;
        EXPECT_EQ(TokText(d->TranName), t.Name) << t.Text;
        EXPECT_EQ(OwnTokens(d), t.Tokens) << t.Text;
        EXPECT_EQ(d->StmtTokens->Count(), 0) << t.Text;
        ASSERT_FALSE(Announced.empty());
        EXPECT_EQ(Announced.back().Type, t.Announced) << t.Text;
    }
    EXPECT_TRUE(Rejects("SAVE sp1"));
}

}  // namespace
