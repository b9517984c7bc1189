// The SQL Server batch model over hand-built element trees: which statement
// a wrapper builds, what each statement takes from its element, the texts it
// makes and the order in which its walk visits tokens.
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

}  // namespace

// ---------------------------------------------------------------------------
// The wrapper

TEST(MssqlWrapper, BuildsTheStatementOfItsInnerNodeKind) {
    Tree t;
    struct Row {
        TRk_Node* Inner;
        const char* Class;
        TSqlStatementType Type;
    };
    const Row Rows[] = {
        {t.New<TRk_alterTableStmt>(), "TAlterTableStatement", sstAlterTable},
        {t.New<TRk_CreateTableStmt>(), "TCreateTableSqlStatement", sstCreateTable},
        {t.New<TRk_CreateViewSqlStatement>(), "TCreateViewSqlStatement", sstCreateView},
        {t.New<TRk_CreateIndexSqlStatement>(), "TCreateIndexSqlStatement", sstCreateIndex},
        {t.New<TRk_DeleteStmt>(), "TDeleteSqlStatement", sstDelete},
        {t.New<TRk_InsertStmt>(), "TInsertSqlStatement", sstInsert},
        {t.New<TRk_SelectStmt>(), "TSelectSqlStatement", sstSelect},
        {t.New<TRk_UpdateStmt>(), "TUpdateSqlStatement", sstUpdate},
        {t.New<_TMssqlFetch>(), "TMssqlFetch", sstMssqlFetch},
        {t.New<_TMssqlBlock>(), "TMssqlBlock", sstMssqlBlock},
        {t.New<_TMssqlIfElse>(), "TMssqlIfElse", sstMssqlIf},
        {t.New<_TMssqlReturn>(), "TMssqlReturn", sstMssqlReturn},
        {t.New<_TMssqlUse>(), "TMssqlUse", sstMssqlUse},
        {t.New<_TMssqlGo>(), "TMssqlGo", sstMssqlGo},
        {t.New<_TMssqlPrint>(), "TMssqlPrint", sstMssqlPrint},
        {t.New<_TMssqlCreateProcedure>(), "TMssqlCreateProcedure", sstMssqlCreateProcedure},
        {t.New<_TMssqlCreateFunction>(), "TMssqlCreateFunction", sstMssqlCreateFunction},
        {t.New<_TMssqlDeclare>(), "TMssqlDeclare", sstMssqlDeclare},
        {t.New<_TMssqlWithas>(), "TMssqlWithas", sstMssqlWithas},
        {t.New<_TMssqlExecute>(), "TMssqlExecute", sstMssqlExec},
        {t.New<_TMssqlSet>(), "TMssqlSet", sstMssqlSet},
        {t.Dummy(70), "TMssqlDummyStmt", sstMssqlDummyStmt},
        {t.Dummy(45), "TMssqlDummyStmt", sstErrorStmt},
        {t.Dummy(72), "TMssqlDummyStmt", sstMssqlContinue},
        {t.Dummy(73), "TMssqlDummyStmt", sstMssqlBreak},
        {t.Dummy(90), "TMssqlDummyStmt", sstMssqlOpen},
        {t.Dummy(91), "TMssqlDummyStmt", sstMssqlClose},
        {t.Dummy(92), "TMssqlDummyStmt", sstMssqlDeallocate},
        {t.Dummy(95), "TMssqlDummyStmt", sstDropStmt},
        {t.Dummy(96), "TMssqlDummyStmt", sstBeginTranStmt},
        {t.Dummy(97), "TMssqlDummyStmt", sstMssqlCommit},
        {t.Dummy(98), "TMssqlDummyStmt", sstMssqlRollback},
        {t.Dummy(99), "TMssqlDummyStmt", sstMssqlSaveTrans},
        {t.Dummy(100), "TMssqlDummyStmt", sstRaiserrorStmt},
        {t.Dummy(101), "TMssqlDummyStmt", sstMssqlLabel},
        {t.New<TRk_MergeStmt>(), "TUnknownSqlStatement", sstUnknown},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Class);
        _TMssqlStmt* W = t.Wrap(R.Inner);
        W->Analyze();
        ASSERT_NE(W->SqlStatement, nullptr);
        EXPECT_STREQ(W->SqlStatement->ClassName(), R.Class);
        EXPECT_EQ(W->SqlStatement->StatementType, R.Type);
        EXPECT_EQ(W->SqlStatement->DbVendor, 0);
        EXPECT_EQ(W->SqlStatement->RootNode, R.Inner);
    }
}

TEST(MssqlWrapper, WithoutInnerNodeBuildsNothing) {
    Tree t;
    _TMssqlStmt* W = t.Wrap(nullptr);
    W->Analyze();
    EXPECT_EQ(W->SqlStatement, nullptr);
    EXPECT_EQ(Walk(W, {"_TMssqlStmt"}), "<_TMssqlStmt _TMssqlStmt>");
}

TEST(MssqlWrapper, HandsItsEventsToTheStatementAndSetsParsed) {
    Tree t;
    _TMssqlStmt* W = t.Wrap(t.Own(t.New<_TMssqlUse>(), {t.Tok("USE")}));
    int Fired = 0;
    W->SetOnTableTokenEvent([&](TRk_Node*, TSourceToken*, TRk_Node*) { ++Fired; });
    W->SetOnFieldTokenEvent([&](TRk_Node*, TSourceToken*, TRk_Node*) { ++Fired; });
    W->SetOnFieldEvent([&](TRk_Node*, TCustomSqlStatement*, TRkField*) { ++Fired; });
    W->SetOnTableEvent([&](TRk_Node*, TCustomSqlStatement*, TRkTable*) { ++Fired; });
    auto* S = Built<TMssqlUse>(W);
    ASSERT_NE(S, nullptr);
    EXPECT_TRUE(S->Parsed);
    EXPECT_TRUE(static_cast<bool>(S->OnTableTokenEvent));
    EXPECT_TRUE(static_cast<bool>(S->OnFieldTokenEvent));
    EXPECT_TRUE(static_cast<bool>(S->OnFieldEvent));
    EXPECT_TRUE(static_cast<bool>(S->OnTableEvent));
    EXPECT_EQ(Fired, 0);
    // The wrapper's walk is its statement's.
    EXPECT_EQ(Walk(W), "USE");
}

TEST(MssqlWrapper, ClearUnsetsTheInnerNode) {
    Tree t;
    _TMssqlStmt* W = t.Wrap(t.New<_TMssqlGo>());
    W->Clear();
    EXPECT_EQ(W->InnerNode, nullptr);
    auto* V = t.New<_TMssql_declare_var>();
    V->NameToken = t.Tok("@a", ttAtVar);
    V->DataType = t.Words({"int"});
    V->Kind = 2;
    V->Clear();
    EXPECT_EQ(V->NameToken, nullptr);
    EXPECT_EQ(V->DataType, nullptr);
    EXPECT_EQ(V->Kind, 1);
}

TEST(MssqlWrapper, NodeKindsAndDefaults) {
    Tree t;
    EXPECT_EQ(t.New<_TMssqlElement>()->NodeKind, 74);
    EXPECT_EQ(t.New<_TMssqlStmt>()->NodeKind, 75);
    EXPECT_EQ(t.New<_TMssqlDummyStmt>()->NodeKind, 70);
    EXPECT_EQ(t.New<_TMssqlGo>()->Count, 1);
    EXPECT_EQ(t.New<_TMssqlCreateFunction>()->ReturnKind, 1);
    EXPECT_EQ(t.New<_TMssqlCreateFunction>()->BodyKind, 1);
    EXPECT_EQ(t.New<_TMssqlDeclare>()->Kind, 1);
    EXPECT_EQ(t.New<_TMssql_declare_var>()->Kind, 1);
    EXPECT_FALSE(t.New<_TMssqlDummyStmt>()->StmtTokens->OwnsObjects());
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
}

TEST(MssqlWalks, DisabledVisitorSeesNothing) {
    Tree t;
    _TMssqlStmt* W = t.Wrap(t.Own(t.New<_TMssqlGo>(), {t.Tok("GO")}));
    W->Analyze();
    TRecorder R;
    R.Enabled = false;
    W->Accept(&R);
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
// Blocks, IF/WHILE, RETURN

TEST(MssqlBlock, ThreeChildrenInOrderWithTheirBuiltText) {
    Tree t;
    auto* Go = t.Own(t.New<_TMssqlGo>(), {t.Tok("GO")});
    auto* Brk = t.Own(t.Dummy(73), {t.Tok("BREAK")});
    auto* Lbl = t.Own(t.Dummy(101), {t.Tok("here:"), t.Blank(), t.Comment("-- c")});
    auto* B = t.Own(t.New<_TMssqlBlock>(), {t.Tok("BEGIN")});
    // A plain node and a wrapper without a statement add no child.
    B->StmtList = t.List({t.Wrap(Lbl), t.Wrap(Brk), t.New<TRk_DummyNode>(), t.Wrap(nullptr), t.Wrap(Go)});
    t.Own(B, {t.Tok("END")});
    _TMssqlStmt* W = t.Wrap(B);
    int TokenEvents = 0;
    W->SetOnTableTokenEvent([&](TRk_Node*, TSourceToken*, TRk_Node*) { ++TokenEvents; });
    auto* S = Built<TMssqlBlock>(W);
    ASSERT_NE(S, nullptr);
    ASSERT_EQ(S->Children->Count(), 3);
    EXPECT_STREQ(S->Children->GetStatement(0)->ClassName(), "TMssqlDummyStmt");
    EXPECT_EQ(S->Children->GetStatement(0)->StatementType, sstMssqlLabel);
    EXPECT_EQ(S->Children->GetStatement(1)->StatementType, sstMssqlBreak);
    EXPECT_STREQ(S->Children->GetStatement(2)->ClassName(), "TMssqlGo");
    for (TCustomSqlStatement* C : *S->Children) {
        EXPECT_EQ(C->OwnerObject, S);
        EXPECT_TRUE(static_cast<bool>(C->OnTableTokenEvent));
    }
    EXPECT_EQ(S->AsText(), "begin here:\r\n" + std::string(NotSupported) + "\r\n\r\nend");
    EXPECT_EQ(Walk(W), "BEGIN here: BREAK GO END");
    // The list does not own the children: the wrappers do.
    EXPECT_FALSE(S->Children->OwnsObjects());
}

TEST(MssqlBlock, ReanalysisStartsFromAnEmptyList) {
    Tree t;
    auto* B = t.Own(t.New<_TMssqlBlock>(), {t.Tok("BEGIN"), t.Tok("END")});
    B->StmtList = t.List({t.Wrap(t.Dummy(72))});
    auto* S = Built<TMssqlBlock>(t.Wrap(B));
    ASSERT_NE(S, nullptr);
    EXPECT_EQ(S->AnalyzeParseTree(), 0);
    EXPECT_EQ(S->Children->Count(), 1);
    S->RootNode = t.New<_TMssqlGo>();
    EXPECT_EQ(S->AnalyzeParseTree(), -1);
    EXPECT_EQ(S->Children->Count(), 0);
    S->RootNode = nullptr;
    EXPECT_EQ(S->AnalyzeParseTree(), -1);
}

TEST(MssqlIfElse, WalksWithAndWithoutElse) {
    Tree t;
    auto Make = [&](bool WithElse, uint8_t Loop) {
        auto* I = t.Own(t.New<_TMssqlIfElse>(), {t.Tok(Loop ? "WHILE" : "IF")});
        I->Condition = t.Words({"@a", "=", "1"});
        I->ThenStmt = t.Wrap(t.Own(t.New<_TMssqlPrint>(), {t.Tok("PRINT")}));
        I->IsLoop = Loop;
        if (WithElse) {
            t.Own(I, {t.Tok("ELSE")});
            I->ElseStmt = t.Wrap(t.Own(t.New<_TMssqlReturn>(), {t.Tok("RETURN")}));
            I->HasElse = 1;
        }
        return t.Wrap(I);
    };
    {
        _TMssqlStmt* W = Make(false, 0);
        auto* S = Built<TMssqlIfElse>(W);
        ASSERT_NE(S, nullptr);
        EXPECT_EQ(S->IsLoop, 0);
        EXPECT_EQ(S->ElseStmt, nullptr);
        ASSERT_NE(S->ThenStmt->SqlStatement, nullptr);
        EXPECT_STREQ(S->ThenStmt->SqlStatement->ClassName(), "TMssqlPrint");
        EXPECT_EQ(Walk(W), "IF @a = 1 PRINT");
    }
    {
        _TMssqlStmt* W = Make(true, 0);
        auto* S = Built<TMssqlIfElse>(W);
        ASSERT_NE(S, nullptr);
        EXPECT_EQ(S->HasElse, 1);
        ASSERT_NE(S->ElseStmt->SqlStatement, nullptr);
        EXPECT_EQ(S->ElseStmt->SqlStatement->StatementType, sstMssqlReturn);
        EXPECT_EQ(Walk(W), "IF @a = 1 PRINT ELSE RETURN");
    }
    {
        _TMssqlStmt* W = Make(false, 1);
        auto* S = Built<TMssqlIfElse>(W);
        ASSERT_NE(S, nullptr);
        EXPECT_EQ(S->IsLoop, 1);
        EXPECT_EQ(S->StatementType, sstMssqlIf);
        EXPECT_EQ(Walk(W), "WHILE @a = 1 PRINT");
    }
}

TEST(MssqlReturn, OperandOrNot) {
    Tree t;
    auto* R = t.Own(t.New<_TMssqlReturn>(), {t.Tok("RETURN")});
    R->Operand = t.Words({"@x", "+", "1"});
    auto* S = Built<TMssqlReturn>(t.Wrap(R));
    ASSERT_NE(S, nullptr);
    EXPECT_EQ(S->Operand, R->Operand);
    EXPECT_EQ(Walk(S), "RETURN @x + 1");
    auto* Bare = Built<TMssqlReturn>(t.Wrap(t.Own(t.New<_TMssqlReturn>(), {t.Tok("RETURN")})));
    ASSERT_NE(Bare, nullptr);
    EXPECT_EQ(Walk(Bare), "RETURN");
}

// ---------------------------------------------------------------------------
// Procedures and functions

namespace {

// @a int = 5 OUTPUT
_TMssql_ParameterDecl* Param(Tree& t, const char* Name, bool Output, TSourceToken* Separator = nullptr) {
    auto* P = t.New<_TMssql_ParameterDecl>();
    P->NameToken = t.Tok(Name, ttAtVar);
    P->DataType = t.Words({"int"});
    auto* D = t.New<_TMssql_opt_declaration_expr>();
    D->EqualToken = t.Tok("=", ttEqual);
    D->DefaultExpr = t.Words({"5"});
    if (Output) {
        D->IsOutput = 1;
        t.Own(D, {t.Tok("OUTPUT")});
    }
    P->DefaultPart = D;
    P->SeparatorToken = Separator;
    return P;
}

}  // namespace

TEST(MssqlProcedure, ParameterWalk) {
    Tree t;
    EXPECT_EQ(Walk(Param(t, "@a", true)), "@a int = 5 OUTPUT");
    auto* D = t.New<_TMssql_opt_declaration_expr>();
    D->IsVarying = 1;
    t.Own(D, {t.Tok("VARYING")});
    EXPECT_EQ(Walk(D), "VARYING");
    auto* P = t.New<_TMssql_ParameterDecl>();
    P->NameToken = t.Tok("@c", ttAtVar);
    P->AsToken = t.Tok("AS");
    P->DataType = t.Words({"cursor"});
    P->DefaultPart = D;
    EXPECT_EQ(Walk(P), "@c AS cursor VARYING");
}

TEST(MssqlProcedure, NumberParenthesizedParametersOptionsAndBody) {
    Tree t;
    auto* P = t.New<_TMssqlCreateProcedure>();
    P->CreateToken = t.Tok("CREATE");
    P->ProcToken = t.Tok("PROCEDURE");
    P->Name = t.Words({"dbo", ".", "p"});
    t.Own(P, {t.Tok(";", ttSemicolon)});
    P->ProcNumber = t.Tok("1", ttNumber);
    t.Own(P, {t.Tok("(", ttLeftParen)});
    P->Params = t.List({Param(t, "@a", false), Param(t, "@b", true, t.Tok(",", ttComma))});
    t.Own(P, {t.Tok(")", ttRightParen)});
    P->HasParens = 1;
    P->OptionCode = MssqlOptBoth;
    P->OptionNode = t.Own(t.New<TRk_DummyNode>(), {t.Tok("WITH"), t.Tok("RECOMPILE"), t.Tok(","),
                                                  t.Tok("ENCRYPTION")});
    P->ForReplication = 1;
    P->ReplicationNode = t.Own(t.New<TRk_DummyNode>(), {t.Tok("FOR"), t.Tok("REPLICATION")});
    t.Own(P, {t.Tok("AS")});
    P->BodyList = t.List({t.Wrap(t.Own(t.Dummy(72), {t.Tok("CONTINUE")})),
                          t.Wrap(t.Own(t.New<_TMssqlReturn>(), {t.Tok("RETURN")}))});
    _TMssqlStmt* W = t.Wrap(P);
    auto* S = Built<TMssqlCreateProcedure>(W);
    ASSERT_NE(S, nullptr);
    EXPECT_EQ(S->Name, P->Name);
    EXPECT_EQ(S->OptionCode, 3);
    EXPECT_EQ(S->ForReplication, 1);
    EXPECT_EQ(S->ProcNumber->Text, "1");
    EXPECT_EQ(S->HasParens, 1);
    ASSERT_EQ(S->BodyStatements->Count(), 2);
    EXPECT_EQ(S->BodyStatements->GetStatement(0)->StatementType, sstMssqlContinue);
    EXPECT_EQ(S->BodyStatements->GetStatement(1)->StatementType, sstMssqlReturn);
    EXPECT_EQ(S->BodyStatements->GetStatement(0)->OwnerObject, nullptr);
    EXPECT_EQ(Walk(W), "CREATE PROCEDURE dbo . p ; 1 ( @a int = 5 , @b int = 5 OUTPUT ) WITH RECOMPILE , "
                       "ENCRYPTION FOR REPLICATION AS CONTINUE RETURN");
    EXPECT_EQ(S->AsText(), "");
}

TEST(MssqlProcedure, BareParametersWithoutOptions) {
    Tree t;
    auto* P = t.New<_TMssqlCreateProcedure>();
    P->CreateToken = t.Tok("ALTER");
    P->ProcToken = t.Tok("PROC");
    P->Name = t.Words({"p"});
    P->Params = t.List({Param(t, "@a", false)});
    P->OptionNode = t.Own(t.New<TRk_DummyNode>(), {t.Tok("WITH"), t.Tok("RECOMPILE")});  // code 0: not walked
    t.Own(P, {t.Tok("AS")});
    P->BodyList = t.List({t.Wrap(t.Own(t.Dummy(73), {t.Tok("BREAK")}))});
    auto* S = Built<TMssqlCreateProcedure>(t.Wrap(P));
    ASSERT_NE(S, nullptr);
    EXPECT_EQ(Walk(S), "ALTER PROC p @a int = 5 AS BREAK");
    S->Reset();
    EXPECT_EQ(S->Name, nullptr);
    EXPECT_EQ(S->BodyStatements->Count(), 0);
}

TEST(MssqlFunction, TableResultWithReturnBody) {
    Tree t;
    auto* F = t.New<_TMssqlCreateFunction>();
    F->CreateToken = t.Tok("CREATE");
    F->Name = t.Words({"f"});
    t.Own(F, {t.Tok("FUNCTION"), t.Tok("("), t.Tok(")"), t.Tok("RETURNS"), t.Tok("TABLE")});
    F->ReturnKind = 2;
    F->AsToken = t.Tok("AS");
    auto* Ret = t.Own(t.New<_TMssqlReturn>(), {t.Tok("RETURN")});
    Ret->Operand = t.Words({"(", "select", "1", ")"});
    F->Body = Ret;
    F->BodyKind = 2;
    auto* S = Built<TMssqlCreateFunction>(t.Wrap(F));
    ASSERT_NE(S, nullptr);
    EXPECT_TRUE(S->ReturnBody->Parsed);
    EXPECT_EQ(S->ReturnBody->Operand, Ret->Operand);
    EXPECT_EQ(S->BlockBody->RootNode, nullptr);
    EXPECT_EQ(Walk(S), "CREATE FUNCTION f ( ) RETURNS TABLE AS RETURN ( select 1 )");
}

TEST(MssqlFunction, ScalarResultWithBlockBodyAndParameters) {
    Tree t;
    auto* F = t.New<_TMssqlCreateFunction>();
    F->CreateToken = t.Tok("CREATE");
    F->Name = t.Words({"g"});
    t.Own(F, {t.Tok("FUNCTION"), t.Tok("(")});
    F->Params = t.List({Param(t, "@a", false), Param(t, "@b", false, t.Tok(","))});
    t.Own(F, {t.Tok(")"), t.Tok("RETURNS")});
    F->ReturnType = t.Words({"int"});
    F->OptionCode = MssqlOptEncryption;
    F->OptionNode = t.Own(t.New<TRk_DummyNode>(), {t.Tok("WITH"), t.Tok("ENCRYPTION")});
    F->AsToken = t.Tok("AS");
    auto* B = t.Own(t.New<_TMssqlBlock>(), {t.Tok("BEGIN")});
    B->StmtList = t.List({t.Wrap(t.Own(t.New<_TMssqlReturn>(), {t.Tok("RETURN")}))});
    t.Own(B, {t.Tok("END")});
    F->Body = B;
    auto* S = Built<TMssqlCreateFunction>(t.Wrap(F));
    ASSERT_NE(S, nullptr);
    EXPECT_TRUE(S->BlockBody->Parsed);
    EXPECT_EQ(S->BlockBody->Children->Count(), 1);
    EXPECT_EQ(Walk(S), "CREATE FUNCTION g ( @a int = 5 , @b int = 5 ) RETURNS int WITH ENCRYPTION AS BEGIN "
                       "RETURN END");
    S->Reset();
    EXPECT_EQ(S->ReturnKind, 1);
    EXPECT_EQ(S->Params, nullptr);
    EXPECT_EQ(S->AsToken, nullptr);
    EXPECT_EQ(S->BlockBody->Children->Count(), 0);
}

// ---------------------------------------------------------------------------
// USE, GO, PRINT, DECLARE

TEST(MssqlSimple, UseGoPrint) {
    Tree t;
    auto* Use = Built<TMssqlUse>(t.Wrap(t.Own(t.New<_TMssqlUse>(), {t.Tok("USE")})));
    ASSERT_NE(Use, nullptr);
    EXPECT_EQ(Use->DatabaseName, nullptr);
    EXPECT_EQ(Walk(Use), "USE");
    auto* U2 = t.Own(t.New<_TMssqlUse>(), {t.Tok("USE")});
    U2->DatabaseName = t.Tok("[db]", ttBracketedName);
    EXPECT_EQ(Walk(Built<TMssqlUse>(t.Wrap(U2))), "USE [db]");

    auto* Go = Built<TMssqlGo>(t.Wrap(t.Own(t.New<_TMssqlGo>(), {t.Tok("GO")})));
    ASSERT_NE(Go, nullptr);
    EXPECT_EQ(Go->Count, 1);
    EXPECT_EQ(Walk(Go), "GO");

    auto* Pr = t.Own(t.New<_TMssqlPrint>(), {t.Tok("PRINT")});
    Pr->Operand = t.Words({"'hi'"});
    EXPECT_EQ(Walk(Built<TMssqlPrint>(t.Wrap(Pr))), "PRINT 'hi'");
}

TEST(MssqlDeclare, TwoVariablesWalkWithTheComma) {
    Tree t;
    auto* D = t.Own(t.New<_TMssqlDeclare>(), {t.Tok("DECLARE")});
    auto* A = t.Own(t.New<_TMssql_declare_var>(), {});
    A->NameToken = t.Tok("@a", ttAtVar);
    A->DataType = t.Words({"int"});
    auto* C = t.New<_TMssql_declare_var>();
    C->NameToken = t.Tok("@c", ttAtVar);
    C->AsToken = t.Tok("AS");
    C->Kind = 2;
    t.Own(C, {t.Tok("CURSOR")});
    C->SeparatorToken = t.Tok(",", ttComma);
    D->Vars = t.List({A, C});
    auto* S = Built<TMssqlDeclare>(t.Wrap(D));
    ASSERT_NE(S, nullptr);
    EXPECT_EQ(S->Kind, 1);
    EXPECT_EQ(S->Vars, D->Vars);
    EXPECT_EQ(Walk(S), "DECLARE @a int , @c AS CURSOR");
}

TEST(MssqlDeclare, CursorDeclarationAnalyzesItsQuery) {
    Tree t;
    auto* D = t.New<_TMssqlDeclare>();
    t.Own(D, {t.Tok("DECLARE"), t.Tok("CURSOR"), t.Tok("FOR")});
    D->Kind = 2;
    D->CursorName = t.Tok("c1", ttIdentifier);
    D->CursorOption = t.Tok("SCROLL");
    D->CursorOptions = t.List({t.Tok("LOCAL"), t.Tok("STATIC")});
    auto* Q = t.New<TRk_SelectStmt>();
    D->Query = Q;
    auto* S = Built<TMssqlDeclare>(t.Wrap(D));
    ASSERT_NE(S, nullptr);
    EXPECT_EQ(S->Kind, 2);
    EXPECT_EQ(S->CursorName->Text, "c1");
    ASSERT_NE(S->CursorQuery, nullptr);
    EXPECT_EQ(S->CursorQuery->RootNode, Q);
    EXPECT_STREQ(S->CursorQuery->ClassName(), "TSelectSqlStatement");
    EXPECT_EQ(Walk(S, {"TSelectSqlStatement"}),
              "DECLARE c1 SCROLL CURSOR LOCAL STATIC FOR <TSelectSqlStatement TSelectSqlStatement>");
}

// ---------------------------------------------------------------------------
// Recognised-only statements

TEST(MssqlDummy, TextsByKind) {
    Tree t;
    auto* Raise = t.Dummy(100, {t.Tok("RAISERROR")});
    for (TSourceToken* X : {t.Tok("RAISERROR"), t.Tok("("), t.Tok("'x'", ttString), t.Tok(","), t.Break(),
                            t.Comment("/* c */"), t.Blank(), t.Tok("16", ttNumber), t.Tok(")"), t.Blank(),
                            t.Comment("-- end"), t.Break()})
        Raise->StmtTokens->Add(X);
    auto* S = Built<TMssqlDummyStmt>(t.Wrap(Raise));
    ASSERT_NE(S, nullptr);
    EXPECT_EQ(S->StatementType, sstRaiserrorStmt);
    EXPECT_EQ(S->GetSqlText(), "RAISERROR('x',\r\n 16)");
    EXPECT_EQ(S->AsText(), "RAISERROR('x',\r\n 16)");
    EXPECT_EQ(Walk(S), "RAISERROR ( 'x' , 16 )");

    auto* Tran = Built<TMssqlDummyStmt>(t.Wrap(t.Dummy(96, {t.Tok("BEGIN"), t.Tok("TRAN"), t.Tok("@t")})));
    ASSERT_NE(Tran, nullptr);
    EXPECT_EQ(Tran->StatementType, sstBeginTranStmt);
    EXPECT_EQ(Tran->GetSqlText().rfind("begin ", 0), 0u);
    EXPECT_EQ(Walk(Tran), "BEGIN TRAN @t");

    auto* Brk = Built<TMssqlDummyStmt>(t.Wrap(t.Dummy(73, {t.Tok("BREAK")})));
    ASSERT_NE(Brk, nullptr);
    EXPECT_EQ(Brk->GetSqlText(), NotSupported);
    EXPECT_EQ(Walk(Brk), "BREAK");

    auto* Lbl = Built<TMssqlDummyStmt>(t.Wrap(t.Dummy(101, {t.Tok("again:"), t.Comment("/*x*/"), t.Blank()})));
    ASSERT_NE(Lbl, nullptr);
    EXPECT_EQ(Lbl->GetSqlText(), "again:");
    EXPECT_EQ(Walk(Lbl), "again:");

    auto* Drop = t.Dummy(95, {t.Tok("DROP")});
    for (TSourceToken* X : {t.Tok("DROP"), t.Blank(), t.Tok("TABLE"), t.Blank(), t.Tok("t"), t.Blank()})
        Drop->StmtTokens->Add(X);
    auto* D = Built<TMssqlDummyStmt>(t.Wrap(Drop));
    ASSERT_NE(D, nullptr);
    EXPECT_EQ(D->StatementType, sstDropStmt);
    EXPECT_EQ(D->GetSqlText(), "DROP TABLE t");
}

TEST(MssqlDummy, CursorAndTransactionFields) {
    Tree t;
    auto* Dealloc = t.Dummy(92, {t.Tok("DEALLOCATE"), t.Tok("GLOBAL")});
    Dealloc->CursorName = t.Tok("c", ttIdentifier);
    Dealloc->IsGlobal = 1;
    auto* S = Built<TMssqlDummyStmt>(t.Wrap(Dealloc));
    ASSERT_NE(S, nullptr);
    EXPECT_EQ(S->StatementType, sstMssqlDeallocate);
    EXPECT_EQ(S->IsGlobal, 1);
    EXPECT_EQ(S->CursorName, Dealloc->CursorName);
    EXPECT_EQ(Walk(S), "DEALLOCATE GLOBAL c");

    auto* Open = t.Dummy(90, {t.Tok("OPEN")});
    Open->CursorName = t.Tok("@cv", ttAtVar);
    EXPECT_EQ(Walk(Built<TMssqlDummyStmt>(t.Wrap(Open))), "OPEN @cv");

    auto* Commit = t.Dummy(97, {t.Tok("COMMIT"), t.Tok("TRAN")});
    Commit->FormCode = MssqlTranFormTran;
    Commit->TranName = t.Tok("t1", ttIdentifier);
    auto* C = Built<TMssqlDummyStmt>(t.Wrap(Commit));
    ASSERT_NE(C, nullptr);
    EXPECT_EQ(C->StatementType, sstMssqlCommit);
    EXPECT_EQ(C->FormCode, 3);
    EXPECT_EQ(Walk(C), "COMMIT TRAN t1");
    auto* Rb = t.Dummy(98, {t.Tok("ROLLBACK")});
    Rb->FormCode = MssqlTranFormKeyword;
    EXPECT_EQ(Walk(Built<TMssqlDummyStmt>(t.Wrap(Rb))), "ROLLBACK");
    C->Reset();
    EXPECT_EQ(C->TranName, nullptr);
}

TEST(MssqlDummy, ErrorStatementKeepsItsTokensWithoutComments) {
    Tree t;
    auto* E = t.Dummy(45);
    for (TSourceToken* X : {t.Tok("oops"), t.Blank(), t.Comment("/*c*/"), t.Tok("x"), t.Break()})
        E->StmtTokens->Add(X);
    auto* S = Built<TMssqlDummyStmt>(t.Wrap(E));
    ASSERT_NE(S, nullptr);
    EXPECT_EQ(S->StatementType, sstErrorStmt);
    EXPECT_EQ(S->SourceTokens->Count(), 4);
    EXPECT_EQ(S->GetRawSqlText(), "oops x\r\n");
    EXPECT_EQ(Walk(S), "oops x");
}

// ---------------------------------------------------------------------------
// FETCH, SET, EXECUTE, WITH ... AS

TEST(MssqlFetch, DirectionGlobalAndInto) {
    Tree t;
    auto* F = t.Own(t.New<_TMssqlFetch>(), {t.Tok("FETCH"), t.Tok("GLOBAL")});
    auto* Dir = t.Own(t.New<TRk_DummyNode>(), {t.Tok("ABSOLUTE"), t.Tok("5", ttNumber), t.Tok("FROM")});
    Dir->Int1 = 6;
    F->Direction = Dir;
    F->IsGlobal = 1;
    F->CursorName = t.Tok("c", ttIdentifier);
    auto* Into = t.Own(t.New<TRk_DummyNode>(), {t.Tok("INTO")});
    TSourceToken* B = t.Tok("@b", ttAtVar);
    B->SeparatorToken = t.Tok(",", ttComma);
    Into->List1 = t.List({t.Tok("@a", ttAtVar), B});
    F->IntoNode = Into;
    auto* S = Built<TMssqlFetch>(t.Wrap(F));
    ASSERT_NE(S, nullptr);
    EXPECT_EQ(S->Direction, Dir);
    EXPECT_EQ(S->IsGlobal, 1);
    EXPECT_EQ(Walk(S), "FETCH ABSOLUTE 5 FROM GLOBAL c INTO @a , @b");
    S->Reset();
    EXPECT_EQ(S->CursorName, nullptr);
    EXPECT_EQ(S->IntoNode, nullptr);
}

TEST(MssqlSet, UnparsedFormWalksItsRawTokens) {
    Tree t;
    auto* Set = t.Own(t.New<_TMssqlSet>(), {t.Tok("SET"), t.Tok("NOCOUNT"), t.Blank(), t.Tok("ON")});
    auto* S = Built<TMssqlSet>(t.Wrap(Set));
    ASSERT_NE(S, nullptr);
    EXPECT_EQ(S->CursorQuery, nullptr);
    EXPECT_EQ(Walk(S), "SET NOCOUNT _ ON");  // layout tokens go through the walk too
}

TEST(MssqlSet, AssignmentAndCursorForms) {
    Tree t;
    auto* Set = t.New<_TMssqlSet>();
    Set->SetToken = t.Tok("SET");
    Set->VarToken = t.Tok("@a", ttAtVar);
    Set->EqualToken = t.Tok("=");
    Set->Expr = t.Words({"1"});
    EXPECT_EQ(Walk(Built<TMssqlSet>(t.Wrap(Set))), "SET @a = 1");

    auto* Cur = t.New<_TMssqlSet>();
    Cur->SetToken = t.Tok("SET");
    Cur->VarToken = t.Tok("@c", ttAtVar);
    Cur->EqualToken = t.Tok("=");
    Cur->CursorToken = t.Tok("CURSOR");
    Cur->ScrollToken = t.Tok("SCROLL");
    Cur->ConcurrencyToken = t.Tok("READ_ONLY");
    Cur->ForToken = t.Tok("FOR");
    Cur->Query = t.New<TRk_SelectStmt>();
    auto* S = Built<TMssqlSet>(t.Wrap(Cur));
    ASSERT_NE(S, nullptr);
    ASSERT_NE(S->CursorQuery, nullptr);
    EXPECT_EQ(S->CursorQuery->RootNode, Cur->Query);
    EXPECT_EQ(Walk(S, {"TSelectSqlStatement"}),
              "SET @c = CURSOR SCROLL READ_ONLY FOR <TSelectSqlStatement TSelectSqlStatement>");
    S->Reset();
    EXPECT_EQ(S->CursorQuery, nullptr);
}

TEST(MssqlExecute, ProcedureCallWithNamedParameters) {
    Tree t;
    auto* E = t.New<_TMssqlExecute>();
    E->ExecToken = t.Tok("EXEC");
    E->ReturnStatus = t.Tok("@rc", ttAtVar);
    E->EqualToken = t.Tok("=");
    auto* M = t.New<TRk_DummyNode>();
    M->Sub1 = t.Words({"dbo", ".", "p"});
    E->ModuleName = M;
    auto* P1 = t.New<TRk_DummyNode>();
    P1->Tok1 = t.Tok("@a", ttAtVar);
    P1->Tok2 = t.Tok("=");
    P1->Sub1 = t.Own(t.New<TRk_DummyNode>(), {t.Tok("-"), t.Tok("1", ttNumber)});
    auto* P2 = t.New<TRk_DummyNode>();
    P2->Sub1 = t.Own(t.New<TRk_DummyNode>(), {t.Tok("@out", ttAtVar)});
    P2->Tok3 = t.Tok("OUTPUT");
    P2->SeparatorToken = t.Tok(",", ttComma);
    E->Params = t.List({P1, P2});
    E->WithToken = t.Tok("WITH");
    E->RecompileToken = t.Tok("RECOMPILE");
    auto* S = Built<TMssqlExecute>(t.Wrap(E));
    ASSERT_NE(S, nullptr);
    EXPECT_TRUE(S->Parsed);
    EXPECT_EQ(Walk(S), "EXEC @rc = dbo . p @a = - 1 , @out OUTPUT WITH RECOMPILE");
}

TEST(MssqlExecute, StringFormWalksThePartsWithPlus) {
    Tree t;
    auto* E = t.Own(t.New<_TMssqlExecute>(), {t.Tok("("), t.Tok(")")});
    E->ExecToken = t.Tok("EXEC");
    E->IsStringExec = 1;
    TSourceToken* Part2 = t.Tok("@s", ttAtVar);
    Part2->SeparatorToken = t.Tok("+", ttPlus);
    E->Params = t.List({t.Tok("'select * from '", ttString), Part2});
    auto* S = Built<TMssqlExecute>(t.Wrap(E));
    ASSERT_NE(S, nullptr);
    EXPECT_EQ(Walk(S), "EXEC ( 'select * from ' + @s )");
    // Variable as module name.
    auto* V = t.New<_TMssqlExecute>();
    V->ExecToken = t.Tok("EXECUTE");
    auto* M = t.New<TRk_DummyNode>();
    M->Tok1 = t.Tok("@proc", ttAtVar);
    V->ModuleName = M;
    EXPECT_EQ(Walk(Built<TMssqlExecute>(t.Wrap(V))), "EXECUTE @proc");
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
    EXPECT_EQ(S->Query, nullptr);
    EXPECT_EQ(S->CteList, nullptr);
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
    auto Exec = CreateNodeOfClass<TMssqlExecute>(0);
    EXPECT_EQ(Exec->AnalyzeParseTree(), 0);
    auto Dummy = CreateNodeOfClass<TMssqlDummyStmt>(0);
    EXPECT_EQ(Dummy->AnalyzeParseTree(), -1);
    Dummy->RootNode = Foreign;  // any kind will do
    EXPECT_EQ(Dummy->AnalyzeParseTree(), 0);
    EXPECT_EQ(Dummy->GetSqlText(), NotSupported);
}

TEST(MssqlStatements, UseAndGoForTheirFirstWord) {
    EXPECT_STREQ(NewMssqlStatementForWord("use", 0)->ClassName(), "TMssqlUse");
    EXPECT_STREQ(NewMssqlStatementForWord("go", 0)->ClassName(), "TMssqlGo");
    EXPECT_EQ(NewMssqlStatementForWord("select", 0), nullptr);
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
    Decl->Reset();
    EXPECT_EQ(Decl->CursorName, nullptr);
    EXPECT_EQ(Decl->CursorOption, nullptr);
    EXPECT_EQ(Decl->CursorOptions, nullptr);
    EXPECT_EQ(Decl->Vars, nullptr);

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
    auto* Proc = Built<TMssqlCreateProcedure>(t.Wrap(P));
    ASSERT_NE(Proc, nullptr);
    Proc->Reset();
    EXPECT_EQ(Proc->CreateToken, nullptr);
    EXPECT_EQ(Proc->ProcToken, nullptr);

    auto* F = t.New<_TMssqlCreateFunction>();
    F->CreateToken = t.Tok("ALTER");
    auto* Fn = Built<TMssqlCreateFunction>(t.Wrap(F));
    ASSERT_NE(Fn, nullptr);
    Fn->Reset();
    EXPECT_EQ(Fn->CreateToken, nullptr);
}
