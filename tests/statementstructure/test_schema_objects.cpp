// Tables and fields: the texts the wizard reads, overrides, reset and the
// lists.
#include <gtest/gtest.h>

#include "formatter/rkbasetype.h"
#include "nodes/rkexceptions.h"
#include "nodes/token_builder.h"
#include "nodes/u_nodes_generic.h"
#include "statementstructure/schemaobjects.h"
#include "statementstructure/sqlstatement.h"

using testtok::Tok;


TEST(SchemaObjects, TableNameForTheWizardCarriesNoTrailingComment) {
    auto S = testtok::Script("EMP  -- staff\r\n(");
    auto Attr = CreateNodeOfClass<TRk_Attr>();
    Attr->NameToken = Tok(*S, "EMP");
    TRkTable T;
    T.TableKind = 1;
    T.NameNode = Attr.get();
    // The plain text keeps the comment that trails the name ...
    EXPECT_EQ(T.GetTableText(), "emp -- staff\r\n");
    // ... the name itself does not (case options still apply).
    EXPECT_EQ(T.GetTableNameText(), "emp");
    T.NameOverride = "Other";
    EXPECT_EQ(T.GetTableNameText(), "Other");
    EXPECT_EQ(T.GetTableText(), "Other");
}

TEST(SchemaObjects, ColumnDefinitionNamesStayAsWritten) {
    auto S = testtok::Script("\"Dept\" /* fk */");
    TRkField F;
    F.IsColumnDef = 1;
    F.NameToken = Tok(*S, "\"Dept\"");
    EXPECT_EQ(F.GetFieldText(), "\"Dept\"");
    EXPECT_EQ(F.GetFieldNameText(), "\"Dept\"");
    EXPECT_EQ(F.AsText(), "\"Dept\"");
    F.NameOverride = "x";
    EXPECT_EQ(F.GetFieldText(), "x");
}

TEST(SchemaObjects, OverridesMakeTheTexts) {
    TRkTable T;
    T.NameOverride = "emp";
    T.TableKind = 1;
    T.AliasOverride = "e";
    EXPECT_EQ(T.GetAliasText(), "e");
    EXPECT_EQ(T.AsText(), "emp e");
    T.SchemaOverride = "scott";
    T.DbLinkOverride = "remote";
    EXPECT_EQ(T.AsText(), "scott.emp@remote e");
    // An alias override of one blank means no alias.
    T.SchemaOverride = T.DbLinkOverride = "";
    T.AliasOverride = " ";
    EXPECT_EQ(T.GetAliasText(), "");
    EXPECT_EQ(T.GetAliasPlainText(), "");
    EXPECT_EQ(T.AsText(), "emp");
    TRkField F;
    F.NameOverride = "sal";
    F.AliasOverride = " ";
    EXPECT_EQ(F.GetAliasText(), "");
    EXPECT_EQ(F.AsText(), "sal");
}

TEST(SchemaObjects, ResetClearsTheAnalysisAndSetsHintsWith) {
    TRkTable T;
    EXPECT_EQ(T.HintsWith, 0);
    T.Columns->Add(new TRkField());
    T.NameOverride = "x";
    T.TableKind = 1;
    T.Reset();
    EXPECT_EQ(T.HintsWith, 1);
    EXPECT_EQ(T.Columns->Count(), 0);
    EXPECT_EQ(T.TableKind, 0);
    EXPECT_EQ(T.NameNode, nullptr);
    EXPECT_EQ(T.GetTableText(), "");
}

TEST(SchemaObjects, ReferencedByComparesWithoutCase) {
    TRkTable T;
    T.ReferencedBy->push_back("Orders");
    EXPECT_TRUE(T.IsReferencedBy("ORDERS"));
    EXPECT_FALSE(T.IsReferencedBy("order"));
}

TEST(SchemaObjects, ListsOwnWhatTheyAreToldAndCheckIndexes) {
    TRkTableList Owning(true);
    auto* T = new TRkTable();
    Owning.Add(T);
    EXPECT_EQ(Owning.Count(), 1);
    EXPECT_EQ(Owning.GetTable(0), T);
    try {
        Owning.GetTable(1);
        FAIL();
    } catch (const ERkListError& E) {
        EXPECT_STREQ(E.what(), "List index out of bounds (1)");
    }
    TRkTable* Out = Owning.Extract(0);
    EXPECT_EQ(Owning.Count(), 0);
    delete Out;

    TRkTable Kept;
    {
        TRkTableList View(false);
        View.Add(&Kept);
        View.Clear();
    }
    TRkFieldList Fields(true);
    Fields.Add(new TRkField());
    EXPECT_THROW(Fields.GetField(-1), ERkListError);
    Fields.Clear();
    EXPECT_EQ(Fields.Count(), 0);
}

TEST(SchemaObjects, ColumnListPadsNamesForSeparatorStyleOne) {
    auto S = testtok::Script("a,bbb");
    TRkFieldList L(true);
    auto* F1 = new TRkField();
    F1->IsColumnDef = 1;
    F1->NameToken = Tok(*S, "a");
    auto* F2 = new TRkField();
    F2->IsColumnDef = 1;
    F2->NameToken = Tok(*S, "bbb");
    F2->SeparatorToken = Tok(*S, ",");
    L.Add(F1);
    L.Add(F2);
    TRkFmtOpt Saved = FmtOpt;
    FmtOpt.ColumnDefSeparatorStyle = 1;
    std::string Text = L.GetPrettyText();
    FmtOpt = Saved;
    EXPECT_EQ(F1->AlignWidth, 4);
    EXPECT_EQ(F2->AlignWidth, 3);
    EXPECT_EQ(Text, "a   \r\n,bbb");
}

TEST(SchemaObjects, NameNodeTextIsTheSourceTextWithoutWhatTrailsIt) {
    auto S = testtok::Script("Scott.IX_Emp /* unique */\r\n");
    TSourceToken* Dot = Tok(*S, ".");
    TSourceToken* Name = Tok(*S, "IX_Emp");
    auto Parts = CreateNodeOfClass<TRk_List>();
    Name->SetSeparatorToken(Dot);
    Parts->Add(Name);
    auto Attr = CreateNodeOfClass<TRk_Attr>();
    Attr->NameToken = Tok(*S, "Scott");
    Attr->NameParts = Parts.get();
    Attr->DotToken = Dot;
    EXPECT_EQ(NodeNameText(Attr.get()), "Scott.IX_Emp");
    EXPECT_EQ(NodeNameText(nullptr), "");
    Attr->SetTextOverride("given");
    EXPECT_EQ(NodeNameText(Attr.get()), "given");
}

// Items of a constraint list that are no constraints (DEFERRABLE states a
// grammar may leave there) are skipped by the field's texts.
TEST(SchemaObjects, NonConstraintItemsInAColumnsListAreSkipped) {
    auto S = testtok::Script("id");
    auto State = CreateNodeOfClass<TRk_DummyNode>();
    State->SetTextOverride("deferrable");
    auto C = CreateNodeOfClass<TRkConstraint>();
    C->SetTextOverride("not null");
    TRkField F;
    F.IsColumnDef = 1;
    F.NameToken = Tok(*S, "id");
    F.Constraints->Add(State.get());
    F.Constraints->Add(C.get());
    EXPECT_EQ(F.AsText(), "id not null");
    EXPECT_EQ(F.Constraints->GetConstraint(0), nullptr);
}
