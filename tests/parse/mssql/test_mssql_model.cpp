// The SQL Server batch model over hand-built element trees: which statement
// a wrapper builds, the walk frame, and the forms and texts that whole
// scripts (test_mssql_scripts.cpp) do not reach.
#include <gtest/gtest.h>

#include "mssql_model_fixture.h"
#include "nodes/rkexceptions.h"
#include "nodes/u_parsenodes.h"
#include "statementstructure/ddlstatement.h"
#include "statementstructure/sqlstatement_dml.h"
#include "statementstructure/sqlstatement_select.h"

using namespace mssqltest;

namespace {

const char* const NotSupported = "This sql is not supported in this version";

// A statement element with the given tokens, wrapped.
template <class T>
_TMssqlStmt* Wrapped(Tree& t, std::initializer_list<TSourceToken*> Toks) {
    return t.Wrap(t.Own(t.New<T>(), Toks));
}

}  // namespace

TEST(MssqlWrapper, BuildsTheStatementOfItsInnerNodeKind) {
    Tree t;
    const struct {
        TRk_Node* Inner;
        const char* Class;
        TSqlStatementType Type;
    } Rows[] = {
        {t.New<TRk_alterTableStmt>(), "TAlterTableStatement", sstAlterTable},
        {t.New<TRk_CreateTableStmt>(), "TCreateTableSqlStatement", sstCreateTable},
        {t.New<TRk_CreateViewSqlStatement>(), "TCreateViewSqlStatement", sstCreateView},
        {t.New<TRk_CreateIndexSqlStatement>(), "TCreateIndexSqlStatement", sstCreateIndex},
        {t.New<TRk_DeleteStmt>(), "TDeleteSqlStatement", sstDelete},
        {t.New<TRk_InsertStmt>(), "TInsertSqlStatement", sstInsert},
        {t.New<TRk_SelectStmt>(), "TSelectSqlStatement", sstSelect},
        {t.New<TRk_UpdateStmt>(), "TUpdateSqlStatement", sstUpdate},
        {t.New<_TMssqlFetch>(), "TMssqlFetch", sstMssqlFetch}, {t.New<_TMssqlBlock>(), "TMssqlBlock", sstMssqlBlock},
        {t.New<_TMssqlIfElse>(), "TMssqlIfElse", sstMssqlIf}, {t.New<_TMssqlReturn>(), "TMssqlReturn", sstMssqlReturn},
        {t.New<_TMssqlUse>(), "TMssqlUse", sstMssqlUse}, {t.New<_TMssqlGo>(), "TMssqlGo", sstMssqlGo},
        {t.New<_TMssqlPrint>(), "TMssqlPrint", sstMssqlPrint},
        {t.New<_TMssqlCreateProcedure>(), "TMssqlCreateProcedure", sstMssqlCreateProcedure},
        {t.New<_TMssqlCreateFunction>(), "TMssqlCreateFunction", sstMssqlCreateFunction},
        {t.New<_TMssqlDeclare>(), "TMssqlDeclare", sstMssqlDeclare},
        {t.New<_TMssqlWithas>(), "TMssqlWithas", sstMssqlWithas},
        {t.New<_TMssqlExecute>(), "TMssqlExecute", sstMssqlExec}, {t.New<_TMssqlSet>(), "TMssqlSet", sstMssqlSet},
        {t.Dummy(70), "TMssqlDummyStmt", sstMssqlDummyStmt}, {t.Dummy(45), "TMssqlDummyStmt", sstErrorStmt},
        {t.Dummy(72), "TMssqlDummyStmt", sstMssqlContinue}, {t.Dummy(73), "TMssqlDummyStmt", sstMssqlBreak},
        {t.Dummy(90), "TMssqlDummyStmt", sstMssqlOpen}, {t.Dummy(91), "TMssqlDummyStmt", sstMssqlClose},
        {t.Dummy(92), "TMssqlDummyStmt", sstMssqlDeallocate}, {t.Dummy(95), "TMssqlDummyStmt", sstDropStmt},
        {t.Dummy(96), "TMssqlDummyStmt", sstBeginTranStmt}, {t.Dummy(97), "TMssqlDummyStmt", sstMssqlCommit},
        {t.Dummy(98), "TMssqlDummyStmt", sstMssqlRollback}, {t.Dummy(99), "TMssqlDummyStmt", sstMssqlSaveTrans},
        {t.Dummy(100), "TMssqlDummyStmt", sstRaiserrorStmt}, {t.Dummy(101), "TMssqlDummyStmt", sstMssqlLabel},
        {t.New<TRk_MergeStmt>(), "TUnknownSqlStatement", sstUnknown},
    };
    for (const auto& R : Rows) {
        SCOPED_TRACE(R.Class);
        _TMssqlStmt* W = t.Wrap(R.Inner);
        W->Analyze();
        ASSERT_NE(W->SqlStatement, nullptr);
        EXPECT_STREQ(W->SqlStatement->ClassName(), R.Class);
        EXPECT_EQ(W->SqlStatement->StatementType, R.Type);
        EXPECT_EQ(W->SqlStatement->DbVendor, 0);
        EXPECT_EQ(W->SqlStatement->RootNode, R.Inner);
    }
    // Without an inner node there is nothing to build; Clear unsets it.
    _TMssqlStmt* Empty = t.Wrap(nullptr);
    Empty->Analyze();
    EXPECT_EQ(Empty->SqlStatement, nullptr);
    EXPECT_EQ(Walk(Empty, {"_TMssqlStmt"}), "<_TMssqlStmt _TMssqlStmt>");
    _TMssqlStmt* W = t.Wrap(t.New<_TMssqlGo>());
    W->Clear();
    EXPECT_EQ(W->InnerNode, nullptr);
    auto* V = t.New<_TMssql_declare_var>();
    V->NameToken = t.Tok("@a", ttAtVar);
    V->DataType = t.Words({"int"});
    V->Kind = 2;
    V->Clear();
    EXPECT_TRUE(V->NameToken == nullptr && V->DataType == nullptr && V->Kind == 1);
    EXPECT_STREQ(NewMssqlStatementForWord("use", 0)->ClassName(), "TMssqlUse");
    EXPECT_STREQ(NewMssqlStatementForWord("go", 0)->ClassName(), "TMssqlGo");
    EXPECT_EQ(NewMssqlStatementForWord("select", 0), nullptr);
}

TEST(MssqlWrapper, HandsItsEventsToTheStatementAndSetsParsed) {
    Tree t;
    _TMssqlStmt* W = Wrapped<_TMssqlUse>(t, {t.Tok("USE")});
    int Fired = 0;
    W->SetOnTableTokenEvent([&](TRk_Node*, TSourceToken*, TRk_Node*) { ++Fired; });
    W->SetOnFieldTokenEvent([&](TRk_Node*, TSourceToken*, TRk_Node*) { ++Fired; });
    W->SetOnFieldEvent([&](TRk_Node*, TCustomSqlStatement*, TRkField*) { ++Fired; });
    W->SetOnTableEvent([&](TRk_Node*, TCustomSqlStatement*, TRkTable*) { ++Fired; });
    auto* S = Built<TMssqlUse>(W);
    ASSERT_NE(S, nullptr);
    EXPECT_TRUE(S->Parsed);
    EXPECT_TRUE(S->GetOnTableTokenEvent() && S->GetOnFieldTokenEvent() && S->GetOnFieldEvent() &&
                S->GetOnTableEvent());
    EXPECT_EQ(Fired, 0);
    EXPECT_EQ(Walk(W), "USE");  // the wrapper's walk is its statement's
}

// ---------------------------------------------------------------------------
// Walk frame

TEST(MssqlWalks, WithoutVisitorTheAssertionFails) {
    Tree t;
    _TMssqlStmt* W = t.Wrap(t.New<_TMssqlGo>());
    W->Analyze();
    for (TRkVisitedAbs* Obj : std::initializer_list<TRkVisitedAbs*>{W, W->SqlStatement.get()}) {
        try {
            Obj->Accept(nullptr);
            FAIL() << "no assertion";
        } catch (const ERkAssertion& E) {
            EXPECT_NE(std::string(E.what()).find("Visitor unassigned (parse/mssql/mssqlsqlstatement"),
                      std::string::npos)
                << E.what();
        }
    }
    // A disabled visitor sees nothing.
    TRecorder R;
    R.Enabled = false;
    Wrapped<_TMssqlGo>(t, {t.Tok("GO")})->Accept(&R);
    EXPECT_TRUE(R.Seen.empty());
    EXPECT_EQ(R.Depth, 0);
}

TEST(MssqlWalks, AMissingOwnTokenEndsOnlyThatWalk) {
    // A block element without its END token: the walk stops after the
    // children, skips the block's PostVisit, and the enclosing walk goes on.
    Tree t;
    auto* Inner = t.Own(t.New<_TMssqlBlock>(), {t.Tok("BEGIN")});
    Inner->StmtList = t.List({t.Wrap(t.Own(t.Dummy(73), {t.Tok("BREAK")}))});
    auto* Outer = t.Own(t.New<_TMssqlBlock>(), {t.Tok("BEGIN")});
    Outer->StmtList = t.List({t.Wrap(Inner)});
    Outer->TokenList->Add(t.Tok("END"));
    _TMssqlStmt* W = t.Wrap(Outer);
    W->Analyze();
    EXPECT_EQ(Walk(W, {"TMssqlBlock"}), "<TMssqlBlock BEGIN <TMssqlBlock BEGIN BREAK END TMssqlBlock>");
}

// ---------------------------------------------------------------------------
// Statements

TEST(MssqlBlock, ChildrenTextAndReanalysis) {
    Tree t;
    auto* Lbl = t.Own(t.Dummy(101), {t.Tok("here:"), t.Blank(), t.Comment("-- c")});
    auto* B = t.Own(t.New<_TMssqlBlock>(), {t.Tok("BEGIN")});
    // A plain node and a wrapper without a statement add no child.
    B->StmtList = t.List({t.Wrap(Lbl), t.Wrap(t.Own(t.Dummy(73), {t.Tok("BREAK")})), t.New<TRk_DummyNode>(),
                          t.Wrap(nullptr), Wrapped<_TMssqlGo>(t, {t.Tok("GO")})});
    t.Own(B, {t.Tok("END")});
    _TMssqlStmt* W = t.Wrap(B);
    W->SetOnTableTokenEvent([&](TRk_Node*, TSourceToken*, TRk_Node*) {});
    auto* S = Built<TMssqlBlock>(W);
    ASSERT_NE(S, nullptr);
    ASSERT_EQ(S->Children->Count(), 3);
    EXPECT_EQ(S->Children->GetStatement(0)->StatementType, sstMssqlLabel);
    EXPECT_EQ(S->Children->GetStatement(1)->StatementType, sstMssqlBreak);
    EXPECT_STREQ(S->Children->GetStatement(2)->ClassName(), "TMssqlGo");
    for (TCustomSqlStatement* C : *S->Children) {
        EXPECT_EQ(C->OwnerObject, S);
        EXPECT_TRUE(static_cast<bool>(C->GetOnTableTokenEvent()));
    }
    EXPECT_EQ(S->AsText(), "begin here:\r\n" + std::string(NotSupported) + "\r\n\r\nend");
    EXPECT_EQ(Walk(W), "BEGIN here: BREAK GO END");
    EXPECT_FALSE(S->Children->OwnsObjects());  // the wrappers own the children
    // Analyzing again starts from an empty list.
    EXPECT_EQ(S->AnalyzeParseTree(), 0);
    EXPECT_EQ(S->Children->Count(), 3);
    S->RootNode = t.New<_TMssqlGo>();
    EXPECT_EQ(S->AnalyzeParseTree(), -1);
    EXPECT_EQ(S->Children->Count(), 0);
}

TEST(MssqlWithas, QueryMadeAndFreedByReset) {
    Tree t;
    auto* W = t.Own(t.New<_TMssqlWithas>(), {t.Tok("WITH"), t.Tok("AS")});
    W->CteList = t.Words({"cte"});
    W->Query = t.New<TRk_SelectStmt>();
    auto* S = Built<TMssqlWithas>(t.Wrap(W));
    ASSERT_NE(S, nullptr);
    ASSERT_NE(S->Query, nullptr);
    EXPECT_EQ(S->Query->RootNode, W->Query);
    EXPECT_EQ(Walk(S, {"TSelectSqlStatement"}), "WITH cte <TSelectSqlStatement TSelectSqlStatement> AS");
    S->Reset();
    EXPECT_TRUE(!S->Query && !S->CteList);
}

// The raw text of a statement read by its words leaves out comments and
// trailing layout; an error statement keeps its tokens without comments.
TEST(MssqlDummy, TextsByKind) {
    Tree t;
    auto* Raise = t.Dummy(100, {t.Tok("RAISERROR")});
    for (TSourceToken* X : {t.Tok("RAISERROR"), t.Tok("("), t.Tok("'x'", ttString), t.Tok(","), t.Break(),
                            t.Comment("/* c */"), t.Blank(), t.Tok("16", ttNumber), t.Tok(")"), t.Blank(),
                            t.Comment("-- end"), t.Break()})
        Raise->StmtTokens->Add(X);
    auto* S = Built<TMssqlDummyStmt>(t.Wrap(Raise));
    ASSERT_NE(S, nullptr);
    EXPECT_EQ(S->GetSqlText(), "RAISERROR('x',\r\n 16)");
    EXPECT_EQ(S->AsText(), "RAISERROR('x',\r\n 16)");
    EXPECT_EQ(Walk(S), "RAISERROR ( 'x' , 16 )");

    EXPECT_EQ(Built<TMssqlDummyStmt>(t.Wrap(t.Dummy(101, {t.Tok("again:"), t.Comment("/*x*/"), t.Blank()})))->GetSqlText(),
              "again:");
    EXPECT_EQ(Built<TMssqlDummyStmt>(t.Wrap(t.Dummy(73, {t.Tok("BREAK")})))->GetSqlText(), NotSupported);

    auto* E = t.Dummy(45);
    for (TSourceToken* X : {t.Tok("oops"), t.Blank(), t.Comment("/*c*/"), t.Tok("x"), t.Break()})
        E->StmtTokens->Add(X);
    auto* Err = Built<TMssqlDummyStmt>(t.Wrap(E));
    ASSERT_NE(Err, nullptr);
    EXPECT_EQ(Err->SourceTokens->Count(), 4);
    EXPECT_EQ(Err->GetRawSqlText(), "oops x\r\n");
    EXPECT_EQ(Walk(Err), "oops x");
}

TEST(MssqlStatements, RootOfAnotherKindGivesMinusOne) {
    Tree t;
    TRk_Node* Foreign = t.New<_TMssqlGo>();
    std::vector<std::unique_ptr<TCustomSqlStatement>> All;
    All.push_back(CreateNodeOfClass<TMssqlBlock>(0));
    All.push_back(CreateNodeOfClass<TMssqlIfElse>(0));
    All.push_back(CreateNodeOfClass<TMssqlCreateProcedure>(0));
    All.push_back(CreateNodeOfClass<TMssqlReturn>(0));
    All.push_back(CreateNodeOfClass<TMssqlCreateFunction>(0));
    All.push_back(CreateNodeOfClass<TMssqlUse>(0));
    All.push_back(CreateNodeOfClass<TMssqlPrint>(0));
    All.push_back(CreateNodeOfClass<TMssqlDeclare>(0));
    All.push_back(CreateNodeOfClass<TMssqlFetch>(0));
    All.push_back(CreateNodeOfClass<TMssqlWithas>(0));
    All.push_back(CreateNodeOfClass<TMssqlSet>(0));
    for (auto& S : All) {
        SCOPED_TRACE(S->ClassName());
        S->RootNode = Foreign;
        EXPECT_EQ(S->AnalyzeParseTree(), -1);
        S->RootNode = nullptr;
        EXPECT_EQ(S->AnalyzeParseTree(), -1);
    }
    EXPECT_EQ(CreateNodeOfClass<TMssqlExecute>(0)->AnalyzeParseTree(), 0);
    auto Dummy = CreateNodeOfClass<TMssqlDummyStmt>(0);
    EXPECT_EQ(Dummy->AnalyzeParseTree(), -1);
    Dummy->RootNode = Foreign;  // any kind will do
    EXPECT_EQ(Dummy->AnalyzeParseTree(), 0);
    EXPECT_EQ(Dummy->GetSqlText(), NotSupported);
}

// Reset leaves no reference into the tree that the analysis filled, so a
// statement never points into nodes of an earlier parse.
TEST(MssqlStatements, ResetDropsEveryReferenceIntoTheTree) {
    Tree t;
    auto* D = t.Own(t.New<_TMssqlDeclare>(), {t.Tok("DECLARE"), t.Tok("CURSOR"), t.Tok("FOR")});
    D->Kind = 2;
    D->CursorName = t.Tok("c");
    D->CursorOption = t.Tok("SCROLL");
    D->CursorOptions = t.List({t.Tok("LOCAL")});
    D->Query = t.New<TRk_SelectStmt>();
    auto* Decl = Built<TMssqlDeclare>(t.Wrap(D));
    ASSERT_NE(Decl, nullptr);
    ASSERT_NE(Decl->CursorQuery, nullptr);
    Decl->Reset();
    EXPECT_TRUE(!Decl->CursorName && !Decl->CursorOption && !Decl->CursorOptions && !Decl->Vars);

    auto* G = t.Own(t.New<_TMssqlGo>(), {t.Tok("GO")});
    G->Node = t.Words({"5"});
    auto* Go = Built<TMssqlGo>(t.Wrap(G));
    ASSERT_NE(Go, nullptr);
    EXPECT_EQ(Go->Node, G->Node);
    Go->Reset();
    EXPECT_EQ(Go->Node, nullptr);

    auto* O = t.Dummy(91, {t.Tok("CLOSE")});
    O->CursorName = t.Tok("c");
    auto* Close = Built<TMssqlDummyStmt>(t.Wrap(O));
    ASSERT_NE(Close, nullptr);
    Close->Reset();
    EXPECT_EQ(Close->CursorName, nullptr);

    auto* P = t.Own(t.New<_TMssqlCreateProcedure>(), {t.Tok("AS")});
    P->CreateToken = t.Tok("CREATE");
    P->ProcToken = t.Tok("PROC");
    P->Name = t.Words({"p"});
    P->BodyList = t.List({t.Wrap(t.Own(t.Dummy(73), {t.Tok("BREAK")}))});
    auto* Proc = Built<TMssqlCreateProcedure>(t.Wrap(P));
    ASSERT_NE(Proc, nullptr);
    Proc->Reset();
    EXPECT_TRUE(!Proc->CreateToken && !Proc->ProcToken && !Proc->Name && Proc->BodyStatements->Count() == 0);

    auto* F = t.New<_TMssqlCreateFunction>();
    F->CreateToken = t.Tok("ALTER");
    auto* B = t.Own(t.New<_TMssqlBlock>(), {t.Tok("BEGIN"), t.Tok("END")});
    B->StmtList = t.List({Wrapped<_TMssqlReturn>(t, {t.Tok("RETURN")})});
    F->Body = B;
    F->ReturnKind = 2;
    auto* Fn = Built<TMssqlCreateFunction>(t.Wrap(F));
    ASSERT_NE(Fn, nullptr);
    EXPECT_EQ(Fn->BlockBody->Children->Count(), 1);
    Fn->Reset();
    EXPECT_TRUE(!Fn->CreateToken && Fn->ReturnKind == 1 && Fn->BlockBody->Children->Count() == 0);

    auto* Cm = t.Dummy(97, {t.Tok("COMMIT"), t.Tok("TRAN")});
    Cm->TranName = t.Tok("t1", ttIdentifier);
    auto* Commit = Built<TMssqlDummyStmt>(t.Wrap(Cm));
    ASSERT_NE(Commit, nullptr);
    Commit->Reset();
    EXPECT_EQ(Commit->TranName, nullptr);

    auto* Fe = t.Own(t.New<_TMssqlFetch>(), {t.Tok("FETCH")});
    Fe->CursorName = t.Tok("c");
    Fe->IntoNode = t.Own(t.New<TRk_DummyNode>(), {t.Tok("INTO")});
    auto* Fetch = Built<TMssqlFetch>(t.Wrap(Fe));
    ASSERT_NE(Fetch, nullptr);
    Fetch->Reset();
    EXPECT_TRUE(!Fetch->CursorName && !Fetch->IntoNode);
}
