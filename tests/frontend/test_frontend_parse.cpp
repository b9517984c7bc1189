// Whole scripts through the front end and the Oracle grammar: result codes,
// copied records, recovered trees, re-parsing, events and the names the
// wizard reads.
#include "frontend_fixture.h"
#include "statementstructure/ddlstatement.h"

namespace {

int ParseText(TMarlSqlParser& P, const std::string& Sql) {
    P.SetSqlTextString(Sql);
    return P.Parse();
}

}  // namespace

TEST(FrontEndParse, SyntaxErrorsAreCopiedAndCounted) {
    REQUIRE_GRAMMAR();
    TMarlSqlParser P(1);
    int R = ParseText(P, "create table t (a int);\nselect a from b where c = 1 order by;\nselect a from");
    EXPECT_EQ(R, 2);
    ASSERT_EQ(P.ErrorCount(), 2);
    const TSyntaxError& A = P.SyntaxErrors().Get(1);
    EXPECT_EQ(A.ErrorType, 1);
    EXPECT_EQ(A.TokenText, ";");
    EXPECT_EQ(A.Line, 2);
    EXPECT_EQ(A.Column, 37);
    EXPECT_FALSE(A.Message.empty());
    // An error at the end of the input keeps line and column -1.
    const TSyntaxError& B = P.SyntaxErrors().Get(2);
    EXPECT_EQ(B.TokenText, "end of input");
    EXPECT_EQ(B.Line, -1);
    EXPECT_EQ(B.Column, -1);
    ASSERT_EQ(P.Statements().Count(), 3);
    EXPECT_TRUE(P.Statements().GetStatement(0)->Parsed);
    EXPECT_FALSE(P.Statements().GetStatement(1)->Parsed);
    EXPECT_EQ(P.GetErrorMessages().find("end of input(-1,-1) expected token:"), P.GetErrorMessages().rfind("end of input"));
}

TEST(FrontEndParse, ARecoveredTreeIsAnalyzedAndItsRecordKept) {
    REQUIRE_GRAMMAR();
    TMarlSqlParser P(1);
    EXPECT_EQ(ParseText(P, "create table t (a int, b int) junk;"), 1);
    ASSERT_EQ(P.Statements().Count(), 1);
    auto* C = dynamic_cast<TCreateTableSqlStatement*>(P.Statements().GetStatement(0));
    ASSERT_NE(C, nullptr);
    EXPECT_TRUE(C->Parsed);
    EXPECT_EQ(C->GetErrorCount(), 1);
    EXPECT_EQ(C->TargetTable->Columns->Count(), 2);
    EXPECT_EQ(P.SyntaxErrors().Get(1).TokenText, "junk");
}

TEST(FrontEndParse, NamesTheWizardReadsCarryNoTrailingComments) {
    REQUIRE_GRAMMAR();
    TMarlSqlParser P(1);
    ASSERT_EQ(ParseText(P,
                        "create table Emp -- staff\n"
                        "(ID int not null primary key, -- key\n"
                        " \"Dept\" int references dept(id));\n"
                        "create unique index IX_Emp /* one */ on emp (id);\n"),
              0);
    ASSERT_EQ(P.Statements().Count(), 2);
    auto* C = dynamic_cast<TCreateTableSqlStatement*>(P.Statements().GetStatement(0));
    ASSERT_NE(C, nullptr);
    TRkTable* T = C->TargetTable;
    EXPECT_EQ(T->GetTableNameText(), "emp");
    EXPECT_NE(T->GetTableText().find("-- staff"), std::string::npos);
    ASSERT_EQ(T->Columns->Count(), 2);
    EXPECT_EQ(T->Columns->GetField(0)->GetFieldNameText(), "ID");
    EXPECT_EQ(T->Columns->GetField(1)->GetFieldNameText(), "\"Dept\"");
    auto* I = dynamic_cast<TCreateIndexSqlStatement*>(P.Statements().GetStatement(1));
    ASSERT_NE(I, nullptr);
    EXPECT_EQ(NodeNameText(I->IndexNameNode), "IX_Emp");
    EXPECT_EQ(I->IndexTable->GetTableNameText(), "emp");
}

TEST(FrontEndParse, ParsingAgainStartsFromScratch) {
    REQUIRE_GRAMMAR();
    TMarlSqlParser P(1);
    const std::string Sql = "create table a (x int);\nselect from;\ncreate index i on a (x);\n";
    EXPECT_EQ(ParseText(P, Sql), 1);
    int Tokens = P.Tokens().Count();
    std::string Messages = P.GetErrorMessages();
    EXPECT_EQ(P.Parse(), 1);
    EXPECT_EQ(P.Tokens().Count(), Tokens);
    EXPECT_EQ(P.Statements().Count(), 3);
    EXPECT_EQ(P.GetErrorMessages(), Messages);
    // A statement parsed once more gives the same model.
    TCustomSqlStatement* S = P.Statements().GetStatement(0);
    EXPECT_EQ(S->Parse(false), 0);
    EXPECT_EQ(S->Parse(false), 0);
    EXPECT_EQ(S->SourceTokens->Count(), P.Statements().GetStatement(0)->SourceTokens->Count());
    EXPECT_EQ(dynamic_cast<TCreateTableSqlStatement*>(S)->TargetTable->Columns->Count(), 1);
}

TEST(FrontEndParse, TokenEventsReachTheHostThroughTheStatements) {
    REQUIRE_GRAMMAR();
    TMarlSqlParser P(1);
    std::vector<std::string> Tables;
    P.OnTableTokenEvent = [&](TRk_Node*, TSourceToken* T, TRk_Node* Statement) {
        Tables.push_back(std::string(T->GetText()) + ":" + static_cast<TCustomSqlStatement*>(Statement)->ClassName());
    };
    ParseText(P, "create table Emp (a int);\n");
    ASSERT_FALSE(Tables.empty());
    EXPECT_EQ(Tables[0], "Emp:TCreateTableSqlStatement");
}

TEST(FrontEndParse, GenericVendorUsesTheOracleGrammarWithoutSqlplus) {
    REQUIRE_GRAMMAR();
    TMarlSqlParser P(4);
    // "desc" is no command here: it starts nothing.
    EXPECT_EQ(ParseText(P, "desc emp\ncreate table t (a int);\n"), 1);
    EXPECT_EQ(P.SyntaxErrors().Get(1).Message, "Error when tokenlize");
    ASSERT_EQ(P.Statements().Count(), 1);
    EXPECT_TRUE(P.Statements().GetStatement(0)->Parsed);
}

TEST(FrontEndParse, VariableAndTokenEventsComeFromTheStatementsParsers) {
    REQUIRE_GRAMMAR();
    TMarlSqlParser P(1);
    std::vector<std::string> Binds;
    int Tokens = 0;
    P.OnBindVar = [&](void*, const std::string& Name, std::string& Replace) {
        Binds.push_back(Name);
        Replace = ":v_" + Name;
    };
    P.OnParserToken = [&](void*, TSourceToken*& T, int Vendor) {
        EXPECT_EQ(Vendor, 1);
        if (T) ++Tokens;
    };
    EXPECT_EQ(ParseText(P, "select a from t where b = :x and c = :y;\n"), 0);
    EXPECT_EQ(Binds, (std::vector<std::string>{"x", "y"}));
    EXPECT_GT(Tokens, 10);
    TCustomSqlStatement* S = P.Statements().GetStatement(0);
    ASSERT_EQ(S->BindVars->Count(), 2);
    EXPECT_EQ(S->BindVars->GetItem(0)->Str1, "x");
    EXPECT_EQ(S->BindVars->GetItem(1)->Str2, ":v_y");
}
