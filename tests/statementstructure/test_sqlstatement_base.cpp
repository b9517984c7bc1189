// The statement base and the simple statements: parse results, texts,
// error records and re-parsing.
#include <gtest/gtest.h>

#include "frontend/marlsqlparser.h"
#include "nodes/rkexceptions.h"
#include "nodes/u_nodes_generic.h"
#include "parse/parserfactory.h"
#include "statementstructure/sqlstatement.h"

namespace {

// The statements of a script, split (not parsed) by a front end.
struct Split {
    explicit Split(const std::string& Sql, std::uint8_t Vendor = 1) : P(Vendor) {
        P.SetSqlTextString(Sql);
        P.DoParse();
    }
    TCustomSqlStatement* At(int i) { return P.Statements().GetStatement(i); }
    TMarlSqlParser P;
};

// A statement whose analysis only counts its runs.
class TCountingStatement : public TCustomSqlStatement {
public:
    using TCustomSqlStatement::TCustomSqlStatement;
    int Analyses = 0;
    void BuildSqlText() override { TextCache = "counted"; }
    int AnalyzeParseTree() override {
        ++Analyses;
        return RootNode ? 0 : -1;
    }
};

}  // namespace

TEST(StatementBase, NothingToParseGivesMinusOneWithoutARecord) {
    auto S = CreateNodeOfClass<TCommitSqlStatement>(1);
    EXPECT_EQ(S->Parse(false), -1);
    EXPECT_EQ(S->GetErrorCount(), 0);
    EXPECT_FALSE(S->Parsed);
}

// A tree handed over by its creator is analyzed again, not thrown away.
TEST(StatementBase, ParseOfACreatorGivenTreeAnalyzesIt) {
    auto Root = CreateNodeOfClass<TRk_DummyNode>();
    auto S = CreateNodeOfClass<TCountingStatement>(1);
    S->RootNode = Root.get();
    EXPECT_EQ(S->Parse(false), 0);
    EXPECT_TRUE(S->Parsed);
    EXPECT_EQ(S->Analyses, 1);
    EXPECT_EQ(S->RootNode, Root.get());
    EXPECT_EQ(S->Parse(false), 0);
    EXPECT_EQ(S->Analyses, 2);
}

TEST(StatementBase, ErrorRecordsAndTheirText) {
    auto S = CreateNodeOfClass<TCommitSqlStatement>(1);
    S->ParserError(1, "FROM ", "frm", 2, 8);
    S->ParserError(4, "layout", "x", 3, 1);
    EXPECT_EQ(S->GetErrorCount(), 2);
    EXPECT_EQ(S->ErrorMessages(), "frm(2,5) expected token:FROM \r\nx(3,0) pretty print error(layout)");
    auto T = CreateNodeOfClass<TCommitSqlStatement>(1);
    T->CopyErrors(*S);
    T->CopyErrors(*T);
    EXPECT_EQ(T->GetErrorCount(), 4);
    EXPECT_EQ(T->SyntaxErrors.Get(4).Message, "layout");
}

TEST(StatementBase, FixedTextsOfSimpleStatements) {
    auto A = CreateNodeOfClass<TAlterSessionStatement>(1);
    EXPECT_EQ(A->GetText(), "Desc sql text in alter session statement not implemented yet!");
    EXPECT_EQ(A->Parse(false), 0);
    EXPECT_TRUE(A->Parsed);
    auto Call = CreateNodeOfClass<TOracleCallSqlStatement>(1);
    Call->SqlText = "call p()";
    EXPECT_EQ(Call->GetText(), "call p()");
}

TEST(StatementBase, TrimmedTexts) {
    Split A("grant select on t to u; -- why\n");
    ASSERT_EQ(A.P.Statements().Count(), 1);
    TCustomSqlStatement* G = A.At(0);
    EXPECT_STREQ(G->ClassName(), "TUnknownSqlStatement");
    EXPECT_EQ(G->Parse(false), 0);
    EXPECT_TRUE(G->Parsed);
    EXPECT_EQ(G->GetText(), "grant select on t to u");
    EXPECT_EQ(G->GetTrimmedSqlText(), "grant select on t to u");

    Split B("select 1 from dual  \n/\n");
    ASSERT_EQ(B.P.Statements().Count(), 2);
    EXPECT_EQ(B.At(0)->GetTrimmedSqlText(), "select 1 from dual  ");
    EXPECT_EQ(B.At(1)->GetTrimmedSqlText(), "/\r\n");
    EXPECT_EQ(B.At(1)->GetText(), "/\r\n");

    Split C("desc emp -- the table\n");
    ASSERT_EQ(C.P.Statements().Count(), 1);
    EXPECT_EQ(C.At(0)->GetTrimmedSqlText(), "desc emp \r\n");
}

TEST(StatementBase, ParsingTextTwiceDoesNotDuplicateItsTokens) {
    auto S = CreateNodeOfClass<TCommitSqlStatement>(1);
    S->SetSqlText("commit");
    EXPECT_EQ(S->Parse(false), 0);
    int N = S->TextTokens->Count();
    EXPECT_GT(N, 0);
    EXPECT_EQ(S->Parse(false), 0);
    EXPECT_EQ(S->TextTokens->Count(), N);
    EXPECT_EQ(S->GetErrorCount(), 0);
}

// Lists and texts a statement makes on first use read as empty before.
TEST(StatementBase, ASplitStatementGivenNewTextParsesTheNewText) {
    for (std::uint8_t Vendor : {std::uint8_t(1), std::uint8_t(2)}) {
        Split X("delete from t where a = 1;\nselect a from u;\n", Vendor);
        TCustomSqlStatement* S = X.At(0);
        EXPECT_EQ(X.At(1)->Tables->Count(), 0);
        EXPECT_EQ(X.At(1)->Fields->Count(), 0);
        EXPECT_EQ(X.At(1)->TextTokens->Count(), 0);
        ASSERT_EQ(S->Parse(false), 0) << S->ErrorMessages();
        ASSERT_EQ(S->Tables->Count(), 1);
        EXPECT_EQ(S->Tables->GetTable(0)->GetTableText(), "t");
        S->SetSqlText("delete from v where b = 2");
        ASSERT_EQ(S->Parse(false), 0) << S->ErrorMessages();
        EXPECT_EQ(S->SourceTokens->Count(), 0);
        EXPECT_GT(S->TextTokens->Count(), 0);
        ASSERT_EQ(S->Tables->Count(), 1);
        EXPECT_EQ(S->Tables->GetTable(0)->GetTableText(), "v");
        EXPECT_EQ(S->GetWhereText(), "b = 2\r\n");  // the text ends in a line break
    }
}

TEST(StatementBase, AParserThatGivesUpLeavesARecord) {
    auto S = CreateNodeOfClass<TCommitSqlStatement>(1);
    S->SetSqlText("select " + std::string(50000, '(') + "1" + std::string(50000, ')') + " from dual");
    int R = S->Parse(false);
    EXPECT_NE(R, 0);
    ASSERT_GE(S->GetErrorCount(), 1);
    bool Overflow = false;
    for (int i = 1; i <= S->GetErrorCount(); ++i)
        Overflow |= S->SyntaxErrors.Get(i).Message.find("yyparse stack overflow") != std::string::npos;
    EXPECT_TRUE(Overflow) << S->ErrorMessages();
}

TEST(StatementList, OwnershipAndIndexes) {
    TRkStatementList L(true);
    L.Add(CreateNodeOfClass<TUnknownSqlStatement>(1));
    EXPECT_THROW(L.GetStatement(1), ERkListError);
    auto Kept = CreateNodeOfClass<TUnknownSqlStatement>(1);
    {
        TRkStatementList View(false);
        View.Add(Kept.get());
        EXPECT_EQ(View.GetStatement(0), Kept.get());
    }
    EXPECT_EQ(Kept->StatementType, sstUnknown);
}

TEST(StatementBase, SqlplusCommandOfOneSlashToken) {
    auto S = CreateNodeOfClass<TSqlplusCmdStatement>(1);
    EXPECT_EQ(S->GetTrimmedSqlText(), "");
    auto Slash = MakeSourceToken("/", ttSlash, 6, 0, 1, 2);
    S->SourceTokens->Add(Slash.get());
    EXPECT_EQ(S->GetTrimmedSqlText(), "/");
    auto Semi = MakeSourceToken(";", ttSemicolon, 6, 0, 1, 3);
    S->SourceTokens->Add(Semi.get());
    EXPECT_EQ(S->GetTrimmedSqlText(), "/");
    S->SourceTokens->Clear();
}

TEST(StatementBase, StringsTokenizeIntoAnOwningList) {
    TMarlSqlParser P(1);
    TSourceTokenList Owning(true);
    P.ParseStrToTokenList(nullptr, "select a from b", Owning);
    ASSERT_GT(Owning.Count(), 5);
    for (int i = 0; i < Owning.Count(); ++i) {
        EXPECT_EQ(Owning.GetToken(i)->PosInList, i);
        EXPECT_EQ(Owning.GetToken(i)->GetOwnerList(), &Owning);
    }
    // The text is followed by one line break, as every input line is.
    EXPECT_EQ(Owning.GetToken(Owning.Count() - 1)->TokenType, ttLineBreak);
    int Before = Owning.Count();
    P.ParseStrToTokenList(nullptr, "", Owning);
    EXPECT_EQ(Owning.Count(), Before);
    TSourceTokenList View(false);
    try {
        P.ParseStrToTokenList(nullptr, "select 1", View);
        FAIL();
    } catch (const ERkError& E) {
        EXPECT_EQ(std::string(E.what()).rfind("In ParseStrToTokenList:", 0), 0u);
    }
}
