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

TEST_F(MssqlDdl, CreateTable) {
    auto* c = One<TRk_CreateTableStmt>("CREATE TABLE dbo.t (a int NOT NULL, b varchar(20))");
    // Without a temporary word there is still a kind node, with kind 0.
    ASSERT_NE(c->TableKindNode, nullptr);
    EXPECT_EQ(Pic(NameText(c->TableName), OwnTokens(c), c->ElementList->Count(), c->TableKind, c->TableKindNode->Int1,
                  OwnTokens(c->TableKindNode), c->OnClause == nullptr, c->TextImageOnClause == nullptr,
                  c->Query == nullptr),
              "dbo.t CREATE|TABLE|(|) 2 0 0  1 1 1");
    auto* a = As<TRkColumnDef>(Element(c, 0));
    auto* b = As<TRkColumnDef>(Element(c, 1));
    ASSERT_TRUE(a && b && a->DataType);
    // The constructor's own constraint list stays empty.
    EXPECT_EQ(Pic(TokText(a->ColumnNameToken), OwnTokens(a), a->DataType->TypeForm, a->Constraints()->Count()), "a a 2 0");
    EXPECT_EQ(Pic(b->ConstraintNodes == nullptr, TokText(b->SeparatorToken)), "1 ,");

    // The filegroup words are fields only.
    c = One<TRk_CreateTableStmt>("CREATE TABLE t (a int) ON fg1 TEXTIMAGE_ON fg2");
    ASSERT_NE(c->OnClause, nullptr);
    EXPECT_EQ(Pic(TokText(c->OnFilegroupToken), TokText(c->OnClause->Tok1), TokText(c->TextImageOnToken), OwnTokens(c),
                  OwnTokens(c->OnClause)),
              "fg1 ON fg2 CREATE|TABLE|(|) ");
    EXPECT_EQ(TokText(One<TRk_CreateTableStmt>("CREATE TABLE [dbo].[t] ([ID] [int]) ON [PRIMARY]")->OnFilegroupToken),
              "[PRIMARY]");
    EXPECT_EQ(TokText(One<TRk_CreateTableStmt>("CREATE TABLE t (a int) ON DEFAULT")->OnFilegroupToken), "DEFAULT");

    const struct {
        const char* Words;
        int Kind;
    } temps[] = {{"TEMPORARY", 1}, {"TEMP", 2},         {"LOCAL TEMPORARY", 3},
                 {"LOCAL TEMP", 4}, {"GLOBAL TEMPORARY", 5}, {"GLOBAL TEMP", 6}};
    for (const auto& t : temps) {
        c = One<TRk_CreateTableStmt>(std::string("CREATE ") + t.Words + " TABLE t (a int)");
        EXPECT_EQ(Pic(c->TableKind, c->TableKindNode ? c->TableKindNode->Int1 : -1), Pic(t.Kind, t.Kind)) << t.Words;
    }
}

TEST_F(MssqlDdl, CreateTableAsQueryAndTableVariables) {
    auto* c = One<TRk_CreateTableStmt>("CREATE TABLE t AS SELECT a FROM u");
    EXPECT_EQ(Pic(c->Query != nullptr, TokText(c->AsToken), c->ElementList == nullptr, OwnTokens(c)), "1 AS 1 CREATE|TABLE");
    c = One<TRk_CreateTableStmt>("CREATE TABLE t (a, b) AS SELECT a, b FROM u");
    EXPECT_EQ(Pic(ListShape(c->ColumnNameList), OwnTokens(c)), "a,b CREATE|TABLE|(|)");

    c = One<TRk_CreateTableStmt>("DECLARE @t TABLE (a int, b int)");
    EXPECT_EQ(Pic(c->DeclareFlag, NameText(c->TableName), OwnTokens(c->TableName), OwnTokens(c),
                  c->TableKindNode == nullptr, Announced.back().Type),
              Pic(1, "@t @t DECLARE|TABLE|(|) 1", sstCreateTable));

    // CREATE TABLE ... OF gives a bare recognised-only element.
    auto* d = One<_TMssqlDummyStmt>("CREATE TABLE t OF u");
    EXPECT_EQ(Pic(d->NodeKind, d->TokenList->Count(), Announced.back().Type), Pic(mnkDummyStmt, 0, sstCreateTable));
}

TEST_F(MssqlDdl, ColumnConstraints) {
    const struct {
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
    for (const auto& t : cases) {
        TRkConstraint* c = Constraint(t.Text);
        ASSERT_NE(c, nullptr) << t.Text;
        EXPECT_EQ(Pic(c->ConstraintType, c->SeparatorFollows, OwnTokens(c)), Pic(t.Type, 0, t.Tokens)) << t.Text;
    }
    EXPECT_EQ(ListShape(Constraint("IDENTITY (1, 1)")->ColumnList), "1,1");
    EXPECT_EQ(Constraint("IDENTITY")->ColumnList, nullptr);
    TRkConstraint* c = Constraint("COLLATE Latin1_General_CI_AS");
    ASSERT_TRUE(c->Extra && c->Extra->AsToken());
    EXPECT_EQ(c->Extra->AsToken()->GetText(), "Latin1_General_CI_AS");
    EXPECT_EQ(Shape(Constraint("CHECK (a > 0)")->Expression), "Cmp[>](a,0)");
    EXPECT_EQ(Shape(Constraint("DEFAULT (getdate())")->Expression), "(getdate())");

    // Named: the CONSTRAINT word and the name are fields only.
    c = Constraint("CONSTRAINT pk PRIMARY KEY CLUSTERED");
    EXPECT_EQ(Pic(c->GetName(), TokText(c->ConstraintToken), TokText(c->NameToken), OwnTokens(c)),
              "pk CONSTRAINT pk PRIMARY|KEY|CLUSTERED");

    // Constraints follow one another without separators.
    auto* col = As<TRkColumnDef>(Element(One<TRk_CreateTableStmt>("CREATE TABLE t (a int NOT NULL PRIMARY KEY DEFAULT 1)"), 0));
    ASSERT_TRUE(col && col->ConstraintNodes);
    EXPECT_EQ(Pic(col->ConstraintNodes->Count(), ColumnConstraint(col, 0)->ConstraintType,
                  ColumnConstraint(col, 1)->ConstraintType, ColumnConstraint(col, 2)->ConstraintType,
                  ColumnConstraint(col, 1)->SeparatorToken == nullptr),
              "3 1 4 7 1");
}

// The deferrability words are a state item of the column's constraint list
// (its words print), never a constraint.
TEST_F(MssqlDdl, DeferrabilityAddsNoConstraint) {
    auto* c = One<TRk_CreateTableStmt>("CREATE TABLE t (a int NOT DEFERRABLE, b int DEFERRABLE NOT NULL, c int)");
    auto* a = As<TRkColumnDef>(Element(c, 0));
    auto* b = As<TRkColumnDef>(Element(c, 1));
    ASSERT_TRUE(a && b && a->ConstraintNodes && b->ConstraintNodes);
    ASSERT_EQ(a->ConstraintNodes->Count(), 1);
    auto* state = dynamic_cast<TRk_DummyNode*>(a->ConstraintNodes->GetNode(0));
    ASSERT_NE(state, nullptr);
    EXPECT_EQ(std::string(state->Tok1->GetText()) + "|" + std::string(state->Tok2->GetText()), "NOT|DEFERRABLE");
    ASSERT_EQ(b->ConstraintNodes->Count(), 2);
    EXPECT_EQ(dynamic_cast<TRkConstraint*>(b->ConstraintNodes->GetNode(0)), nullptr);
    EXPECT_EQ(ColumnConstraint(b, 1)->ConstraintType, 1);
    a = As<TRkColumnDef>(Element(One<TRk_CreateTableStmt>("CREATE TABLE t (a int NOT NULL DEFERRABLE UNIQUE)"), 0));
    ASSERT_TRUE(a && a->ConstraintNodes);
    ASSERT_EQ(a->ConstraintNodes->Count(), 3);
    for (int i : {0, 2}) EXPECT_NE(ColumnConstraint(a, i), nullptr);
}

TEST_F(MssqlDdl, ReferenceClauses) {
    // Without MATCH and key actions every option byte is 0.
    TRkConstraintRefClause* r = Constraint("REFERENCES dbo.u (id)")->RefClause;
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(Pic(NameText(r->RefTable), ListShape(r->RefColumns), OwnTokens(r->RefColumnsNode), OwnTokens(r),
                  r->MatchKind, r->ActionKinds, r->OnDeleteAction, r->OnUpdateAction),
              "dbo.u id (|) REFERENCES 0 0 0 0");

    TRkConstraint* c = TableConstraint("FOREIGN KEY (a) REFERENCES u (id) ON DELETE CASCADE");
    ASSERT_TRUE(c && c->RefClause && c->RefClause->ActionsClause);
    r = c->RefClause;
    EXPECT_EQ(Pic(c->ConstraintType, c->SeparatorFollows, ListShape(c->ColumnList), OwnTokens(c)), "5 1 a FOREIGN|KEY|(|)");
    EXPECT_EQ(Pic(r->ActionKinds, r->OnDeleteAction, r->OnUpdateAction, TokText(r->ActionsClause->Tok1),
                  TokText(r->ActionsClause->Tok2), TokText(r->ActionsClause->Tok3)),
              "1 2 241 ON DELETE CASCADE");

    // The UPDATE clause was written first: its words come first.
    r = TableConstraint("FOREIGN KEY (a, b) REFERENCES u ON UPDATE NO ACTION ON DELETE SET NULL")->RefClause;
    ASSERT_TRUE(r && r->ActionsClause);
    TRk_DummyNode* acts = r->ActionsClause;
    EXPECT_EQ(Pic(r->RefColumns == nullptr, r->ActionKinds, r->OnDeleteAction, r->OnUpdateAction, TokText(acts->Tok2),
                  TokText(acts->Tok3), TokText(acts->Tok4), TokText(acts->Tok6), TokText(acts->Tok7)),
              "1 3 3 0 UPDATE NO ACTION DELETE SET");

    r = TableConstraint("FOREIGN KEY (a) REFERENCES u (id) MATCH FULL ON UPDATE CASCADE")->RefClause;
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(Pic(r->MatchKind, r->ActionKinds, r->OnDeleteAction, r->OnUpdateAction), "1 2 241 2");
    // FOREIGN KEY without REFERENCES is accepted.
    EXPECT_EQ(TableConstraint("FOREIGN KEY (a)")->RefClause, nullptr);
}

TEST_F(MssqlDdl, TableConstraints) {
    const struct {
        const char* Text;
        const char* Want;  // type, separator follows, name, columns, own tokens
    } cases[] = {
        {"CONSTRAINT pk PRIMARY KEY NONCLUSTERED (a, b) ON fg", "4 1 pk a,b PRIMARY|KEY|NONCLUSTERED|(|)|ON|fg"},
        {"UNIQUE (a)", "3 1  a UNIQUE|(|)"},
        {"CHECK (a <> 0)", "6 1  <nil> CHECK|(|)"},
    };
    for (const auto& t : cases) {
        TRkConstraint* c = TableConstraint(t.Text);
        ASSERT_NE(c, nullptr) << t.Text;
        EXPECT_EQ(Pic(c->ConstraintType, c->SeparatorFollows, c->GetName(), ListShape(c->ColumnList), OwnTokens(c)), t.Want);
    }
    EXPECT_EQ(Shape(TableConstraint("CHECK (a <> 0)")->Expression), "OP[<>](a,0)");
}

TEST_F(MssqlDdl, DataTypes) {
    const struct {
        const char* Text;
        const char* Want;  // form, first and second parameter, own tokens
    } cases[] = {
        {"int", "2 -9999 -9999 int"},
        {"int(4)", "2 4 -9999 int|(|4|)"},
        {"money(10, 4)", "2 10 4 money|(|10|,|4|)"},
        {"[int]", "2 -9999 -9999 [int]"},
        {"float", "3 -9999 -9999 float"},
        {"float(53)", "3 53 -9999 float|(|53|)"},
        {"double precision", "7 -9999 -9999 double|precision"},
        {"decimal(10, 2)", "8 10 2 decimal|(|10|,|2|)"},
        {"dec(5)", "9 5 -9999 dec|(|5|)"},
        {"numeric", "10 -9999 -9999 numeric"},
        {"number(3, 1)", "11 3 1 number|(|3|,|1|)"},
        {"bit", "16 -9999 -9999 bit"},
        {"integer", "12 -9999 -9999 integer"},
        {"smallint", "34 -9999 -9999 smallint"},
        {"real", "35 -9999 -9999 real"},
        {"char(10)", "40 10 -9999 char|(|10|)"},
        {"nchar", "48 -9999 -9999 nchar"},
        {"varchar", "41 -9999 -9999 varchar"},
        {"nvarchar(40)", "45 40 -9999 nvarchar|(|40|)"},
        {"timestamp", "50 -9999 -9999 timestamp"},
        {"timestamp(6)", "50 6 -9999 timestamp|(|6|)"},
        {"timestamp with time zone", "51 -9999 -9999 timestamp|with|time|zone"},
        {"timestamp with local time zone", "52 -9999 -9999 timestamp|with|local|time|zone"},
        {"date format 'yyyy'", "53 -9999 -9999 date|format|'yyyy'"},
        {"long", "58 -9999 -9999 long"},
        {"long raw", "60 -9999 -9999 long|raw"},
        {"blob", "61 -9999 -9999 blob"},
        {"clob", "62 -9999 -9999 clob"},
        {"nclob", "63 -9999 -9999 nclob"},
        {"bfile", "64 -9999 -9999 bfile"},
        {"int(99999999999)", "2 0 -9999 int|(|99999999999|)"},
    };
    for (const auto& t : cases) {
        TRk_TypeName* ty = Type(t.Text);
        ASSERT_NE(ty, nullptr) << t.Text;
        EXPECT_EQ(Pic(ty->TypeForm, ty->Param1, ty->Param2, OwnTokens(ty)), t.Want) << t.Text;
    }
    // A character type keeps its keyword in a node as well.
    TRk_TypeName* ty = Type("varchar(10)");
    auto* word = As<TRk_DummyNode>(ty->TypeNode);
    ASSERT_NE(word, nullptr);
    EXPECT_EQ(Pic(word->Int1, OwnTokens(word), ty->TypeNameToken == nullptr), "41 varchar 1");
    EXPECT_EQ(TokText(Type("date format 'yyyy'")->MidToken), "'yyyy'");
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
        t->SetText(b.Text);
        t->TokenCode = b.Code;
        t->TokenType = 11;
        Tokens->Insert(at++, std::move(t));
    }
    for (int i = 0; i < Tokens->Count(); ++i) {
        Tokens->GetToken(i)->PosInList = i;
        Tokens->GetToken(i)->SetOwnerList(Tokens);
    }
    EXPECT_EQ(ParsePrepared(), 0);
    EXPECT_TRUE(Errors.empty());
    auto* d = Inner<_TMssqlDeclare>(0);
    ASSERT_NE(d, nullptr);
    auto* ty = As<TRk_TypeName>(As<_TMssql_declare_var>(d->Vars->Items[0])->DataType);
    ASSERT_TRUE(ty && ty->ArrayBounds);
    ASSERT_EQ(ty->ArrayBounds->Count(), 2);
    auto* first = As<TRkValue>(ty->ArrayBounds->Items[0]);
    auto* second = As<TRkValue>(ty->ArrayBounds->Items[1]);
    ASSERT_TRUE(first && second && second->PayloadObject);
    // The brackets belong to no node.
    EXPECT_EQ(Pic(first->NodeKind, first->PayloadObject == nullptr, second->PayloadObject->AsToken()->GetText(), OwnTokens(ty)),
              "55 1 10 int");
}

TEST_F(MssqlDdl, FormsTheGrammarDoesNotAccept) {
    for (const char* t : {"varchar(max)", "nvarchar(max)", "time", "character(10)", "varchar2(10)",
                          "timestamp(6) with time zone"})
        EXPECT_TRUE(Rejects(std::string("DECLARE @v ") + t)) << t;
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
    for (const char* s : {"ALTER TABLE t ADD CONSTRAINT df DEFAULT 0 FOR c",
                          "ALTER TABLE t ADD c int, CONSTRAINT pk PRIMARY KEY (c)",
                          "CREATE UNIQUE CLUSTERED INDEX i ON t (a)", "CREATE INDEX i ON t (a) INCLUDE (b)",
                          "CREATE VIEW v WITH SCHEMABINDING AS SELECT 1", "SAVE sp1"})
        EXPECT_TRUE(Rejects(s)) << s;
    // Keywords of the name lists are accepted as column names.
    auto* c = One<TRk_CreateTableStmt>("CREATE TABLE t (date int, [user] int, key int, index int, type int, column int)");
    EXPECT_EQ(c->ElementList->Count(), 6);
}

TEST_F(MssqlDdl, AlterTableActions) {
    auto* a = One<TRk_alterTableStmt>("ALTER TABLE t ADD CONSTRAINT pk PRIMARY KEY (id)");
    auto* add = As<TRk_DummyNode>(a->AddConstraintsClause);
    ASSERT_NE(add, nullptr);
    ASSERT_EQ(add->List1->Count(), 1);
    auto* k = As<TRkConstraint>(add->List1->Items[0]);
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(Pic(TokText(a->AlterToken), TokText(a->TableToken), NameText(a->TableName), OwnTokens(add), k->ConstraintType,
                  k->SeparatorFollows, k->GetName(), a->AddColumnsClause == nullptr, Announced.back().Type),
              Pic("ALTER TABLE t ADD 4 1 pk 1", sstAlterTable));
    a = One<TRk_alterTableStmt>("ALTER TABLE [dbo].[X] WITH NOCHECK ADD CONSTRAINT [PK_X] PRIMARY KEY CLUSTERED ([ID]) ON [PRIMARY]");
    EXPECT_EQ(OwnTokens(a->AddConstraintsClause), "WITH|NOCHECK|ADD");

    add = As<TRk_DummyNode>(One<TRk_alterTableStmt>("ALTER TABLE t ADD c int, d varchar(10) NULL")->AddColumnsClause);
    ASSERT_NE(add, nullptr);
    EXPECT_EQ(ListShape(add->List1), "<TRkColumnDef>,<TRkColumnDef>");

    auto* alter = As<TRk_DummyNode>(One<TRk_alterTableStmt>("ALTER TABLE t ALTER COLUMN c int NOT NULL")->AlterColumnClause);
    ASSERT_NE(alter, nullptr);
    EXPECT_EQ(Pic(OwnTokens(alter), As<TRk_TypeName>(alter->Sub1) != nullptr, alter->Sub2 == nullptr, OwnTokens(alter->Sub3)),
              "ALTER|COLUMN|c 1 1 NOT|NULL");

    auto* drop = As<TRk_DummyNode>(One<TRk_alterTableStmt>("ALTER TABLE t DROP COLUMN c, CONSTRAINT k, x")->DropClause);
    ASSERT_NE(drop, nullptr);
    ASSERT_EQ(drop->List1->Count(), 3);
    EXPECT_EQ(Pic(As<TRk_DummyNode>(drop->List1->Items[0])->Int1, As<TRk_DummyNode>(drop->List1->Items[1])->Int1,
                  OwnTokens(As<TRk_DummyNode>(drop->List1->Items[2]))),
              "1 -9999 x");

    const struct {
        const char* Text;
        const char* Extra1;
        const char* Extra2;
    } extras[] = {
        {"ALTER TABLE t NOCHECK CONSTRAINT ALL", "NOCHECK|CONSTRAINT|ALL", "<nil>"},
        {"ALTER TABLE t CONSTRAINT ALL", "CONSTRAINT|ALL", "<nil>"},
        {"ALTER TABLE t ENABLE TRIGGER tr1, tr2", "<nil>", "ENABLE|TRIGGER"},
        {"ALTER TABLE t TRIGGER ALL", "<nil>", "TRIGGER|ALL"},
    };
    for (const auto& e : extras) {
        a = One<TRk_alterTableStmt>(e.Text);
        EXPECT_EQ(Pic(OwnTokens(a->ExtraClause1), OwnTokens(a->ExtraClause2)), Pic(e.Extra1, e.Extra2)) << e.Text;
    }
    EXPECT_EQ(ListShape(As<TRk_DummyNode>(One<TRk_alterTableStmt>(extras[2].Text)->ExtraClause2)->List1), "tr1,tr2");
}

TEST_F(MssqlDdl, CreateIndex) {
    auto* i = One<TRk_CreateIndexSqlStatement>("CREATE INDEX i ON t (a DESC, b) WITH fillfactor = 80 ON fg");
    ASSERT_TRUE(i->ColumnList && i->OptionsClause);
    ASSERT_EQ(i->ColumnList->Count(), 2);
    auto* c0 = As<TRk_DummyNode>(i->ColumnList->Items[0]);
    auto* c1 = As<TRk_DummyNode>(i->ColumnList->Items[1]);
    EXPECT_EQ(Pic(i->IndexKind, i->IndexKindToken == nullptr, NameText(i->IndexName), NameText(i->TableName), c0->Int1,
                  TokText(c0->Tok1), c1->Int1, TokText(c1->SeparatorToken),
                  ListShape(As<TRk_DummyNode>(i->OptionsClause)->List1), i->FilegroupClause != nullptr, OwnTokens(i)),
              "0 1 i t 2 DESC 0 , Cmp[=](fillfactor,80) 1 CREATE|INDEX|ON|(|)");
    // The kind word is a field only.
    const struct {
        const char* Word;
        int Kind;
    } kinds[] = {{"UNIQUE", 1}, {"BITMAP", 2}, {"CLUSTERED", 3}, {"NONCLUSTERED", 4}};
    for (const auto& k : kinds) {
        i = One<TRk_CreateIndexSqlStatement>(std::string("CREATE ") + k.Word + " INDEX [IX] ON [dbo].[X]([Col]) ON [PRIMARY]");
        EXPECT_EQ(Pic(i->IndexKind, TokText(i->IndexKindToken), OwnTokens(i)), Pic(k.Kind, k.Word, "CREATE|INDEX|ON|(|)"));
    }
}

TEST_F(MssqlDdl, CreateAndAlterView) {
    auto* v = One<TRk_CreateViewSqlStatement>("CREATE VIEW v (a, b) AS SELECT x, y FROM t");
    EXPECT_EQ(Pic(NameText(v->ViewName), ListShape(v->ColumnList), OwnTokens(v->ColumnListNode), v->Query != nullptr,
                  v->Restriction, v->RestrictionNode == nullptr, OwnTokens(v)),
              "v a,b (|) 1 0 1 CREATE|VIEW|AS");
    v = One<TRk_CreateViewSqlStatement>("ALTER VIEW v AS SELECT 1 AS one WITH CHECK OPTION");
    EXPECT_EQ(Pic(v->ColumnList == nullptr, OwnTokens(v), v->Restriction, OwnTokens(v->RestrictionNode),
                  Announced.back().Type),
              Pic("1 ALTER|VIEW|AS 2 WITH|CHECK|OPTION", sstCreateView));
}

TEST_F(MssqlDdl, TransactionStatements) {
    const struct {
        const char* Text;
        uint8_t Kind;
        const char* Want;  // form, name, own tokens
        TSqlStatementType Announced;
    } cases[] = {
        {"COMMIT", mnkCommit, "1 <nil> COMMIT", sstCommit},
        {"COMMIT WORK", mnkCommit, "2 <nil> COMMIT|WORK", sstCommit},
        {"COMMIT TRAN", mnkCommit, "3 <nil> COMMIT|TRAN", sstCommit},
        {"COMMIT TRAN @t", mnkCommit, "3 @t COMMIT|TRAN", sstCommit},
        {"COMMIT TRANSACTION t1", mnkCommit, "4 t1 COMMIT|TRANSACTION", sstCommit},
        {"ROLLBACK", mnkRollback, "1 <nil> ROLLBACK", sstRollback},
        {"ROLLBACK WORK", mnkRollback, "2 <nil> ROLLBACK|WORK", sstRollback},
        {"ROLLBACK TRANSACTION @t", mnkRollback, "4 @t ROLLBACK|TRANSACTION", sstRollback},
        {"SAVE TRAN sp1", mnkSaveTran, "3 sp1 SAVE|TRAN", sstMssqlSaveTrans},
        {"SAVE TRANSACTION", mnkSaveTran, "4 <nil> SAVE|TRANSACTION", sstMssqlSaveTrans},
    };
    for (const auto& t : cases) {
        auto* d = One<_TMssqlDummyStmt>(t.Text);
        EXPECT_EQ(Pic(d->NodeKind, d->StmtTokens->Count(), Announced.back().Type), Pic(t.Kind, 0, t.Announced)) << t.Text;
        EXPECT_EQ(Pic(d->FormCode, TokText(d->TranName), OwnTokens(d)), t.Want) << t.Text;
    }
}

}  // namespace
