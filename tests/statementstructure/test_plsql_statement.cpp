// The PL/SQL statement object: parse results and error records, texts,
// re-parsing, the analysis of the element tree (sections, embedded SQL,
// token events) and the guarded walks.
#include "formatter/basepp.h"
#include "nodes/rkexceptions.h"
#include "plsql_fixture.h"

using namespace plsqltest;

namespace {

// A block whose statement section holds SELECT ... INTO and whose handler
// holds another; SQL names the statements.
TRk_Plsql* BlockWithHandler(TFakePlsqlParser& P) {
    auto* S1 = P.Sql(NewSelectSqlStatement(1), P.W("select"));
    auto* S2 = P.Sql(NewSelectSqlStatement(1), P.W("select", 2));
    auto* H = P.New<TRkPlsql_Exceptionhandler>();
    H->HandlerKind = 1;
    H->Statements = P.List({S2});
    P.Own(H, {P.W("when"), P.W("others"), P.W("then")});
    return P.Block(P.W("begin"), P.List({S1}), P.W("end"), P.W(";", 3), P.List({H}), P.W("exception"));
}

const char* const kBlockWithHandler =
    "begin select e.a into x from emp e; exception when others then select d.b into y from dept d; end;";

// Counts the table-token events per statement text.
struct EventLog {
    int Tables = 0;
    int Fields = 0;
    void Install(TCustomSqlStatement& S) {
        S.SetOnTableTokenEvent([this](TRk_Node*, TSourceToken*, TRk_Node*) { ++Tables; });
        S.SetOnFieldTokenEvent([this](TRk_Node*, TSourceToken*, TRk_Node*) { ++Fields; });
    }
};

// A block whose analysis fails.
class TFailingBlock : public TRk_Plsql {
public:
    void Analyze() override { throw ERkError("analysis failed"); }
};

}  // namespace

TEST(PlsqlStatement, ConstructionAndTypes) {
    auto S = NewPlsqlBlockStatement(1);
    EXPECT_STREQ(S->ClassName(), "TPlsqlStatement");
    EXPECT_EQ(S->StatementType, sstplsql_block);
    EXPECT_NE(dynamic_cast<TPlsqlStatement*>(S.get()), nullptr);
}

TEST(PlsqlStatement, OtherVendorsGetOneRecordAndNoTree) {
    for (std::uint8_t Vendor : {std::uint8_t(2), std::uint8_t(3), std::uint8_t(4)}) {
        SCOPED_TRACE(int(Vendor));
        Unit U("begin null; end;", Vendor);
        EXPECT_EQ(U.Stmt->Parse(false), 1);
        EXPECT_EQ(U.Root(), nullptr);
        EXPECT_FALSE(U.Stmt->Parsed);
        ASSERT_EQ(U.Stmt->GetErrorCount(), 1);
        const TSyntaxError& E = U.Stmt->SyntaxErrors.Get(1);
        EXPECT_EQ(E.Message, "PLSQL is not supported in this module");
        EXPECT_EQ(E.ErrorType, 0);
        EXPECT_EQ(E.TokenText, "");
        EXPECT_EQ(E.Line, 0);
        EXPECT_EQ(E.Column, 0);
        // A second parse does not pile records up.
        U.Stmt->Parse(false);
        EXPECT_EQ(U.Stmt->GetErrorCount(), 1);
    }
}

TEST(PlsqlStatement, CreateTypeParsesWithoutATree) {
    Unit U("create type t as object (a number);", VendorOracle, sstplsql_createtype);
    U.Fake->AcceptWithoutTree = true;
    EXPECT_EQ(U.Parse(nullptr), 0);
    EXPECT_EQ(U.Root(), nullptr);
    EXPECT_FALSE(U.Stmt->Parsed);
    EXPECT_EQ(U.Stmt->GetErrorCount(), 0);
    EXPECT_EQ(U.Stmt->GetText(), "Desc sql text in pl/sql(type)  is not implemented yet!");
    EXPECT_EQ(U.Text(), "");
}

TEST(PlsqlStatement, OnlyBlanksAndCommentsGiveNoTreeAndNoRecord) {
    Unit U("  -- nothing here\n/* nor here */  ");
    EXPECT_EQ(U.Parse([](TFakePlsqlParser&) -> TRk_Node* {
        ADD_FAILURE() << "nothing to build";
        return nullptr;
    }), 0);
    EXPECT_EQ(U.Root(), nullptr);
    EXPECT_FALSE(U.Stmt->Parsed);
    EXPECT_EQ(U.Stmt->GetErrorCount(), 0);
}

TEST(PlsqlStatement, ARootOfAnotherClassIsNotAnalysed) {
    Unit U("x number;");
    EXPECT_EQ(U.Parse([](TFakePlsqlParser& P) -> TRk_Node* {
        auto* d = P.New<TRkPlsql_VarDecl>();
        d->DeclKind = 1;
        d->NameToken = P.W("x");
        return d;
    }), -1);
    EXPECT_FALSE(U.Stmt->Parsed);
    EXPECT_EQ(U.Stmt->GetErrorCount(), 0);
}

TEST(PlsqlStatement, ParserFailuresAlwaysLeaveARecord) {
    {
        // Gave up without reporting (the stack limit): the message is kept.
        Unit U("begin null; end;");
        EXPECT_EQ(U.Parse([](TFakePlsqlParser& P) -> TRk_Node* {
            P.ErrorMessage = "yyparse stack overflow";
            return nullptr;
        }), 1);
        ASSERT_EQ(U.Stmt->GetErrorCount(), 1);
        EXPECT_EQ(U.Stmt->SyntaxErrors.Get(1).Message, "yyparse stack overflow");
        EXPECT_FALSE(U.Stmt->Parsed);
    }
    {
        // An exception inside the parser: one record, result -1.
        Unit U("begin null; end;");
        EXPECT_EQ(U.Parse([](TFakePlsqlParser&) -> TRk_Node* { throw ERkError("parser broke"); }), -1);
        ASSERT_EQ(U.Stmt->GetErrorCount(), 1);
        EXPECT_EQ(U.Stmt->SyntaxErrors.Get(1).Message, "parser broke");
        EXPECT_EQ(U.Stmt->SyntaxErrors.Get(1).ErrorType, 0);
    }
    {
        // A reported syntax error: the tree is dropped, the records stay.
        Unit U("begin null end;");
        EXPECT_EQ(U.Parse([](TFakePlsqlParser& P) -> TRk_Node* {
            P.SyntaxErrorCallback(1, "; ", "end", 1, 15);
            P.RootNode = P.Block(P.W("begin"), nullptr, P.W("end"), P.W(";"));
            return nullptr;
        }), 1);
        EXPECT_EQ(U.Root(), nullptr);
        EXPECT_EQ(U.Fake->RootNode, nullptr);
        EXPECT_EQ(U.Stmt->SyntaxErrors.Get(1).Column, 12);
    }
}

TEST(PlsqlStatement, AFailingAnalysisLeavesTheStatementUnparsedWithoutARecord) {
    Unit U("begin null; end;");
    EXPECT_EQ(U.Parse([](TFakePlsqlParser& P) -> TRk_Node* {
        auto* b = P.New<TFailingBlock>();
        b->DeclSection = P.New<TRkPlsql_Decl>();
        return b;
    }), -1);
    EXPECT_FALSE(U.Stmt->Parsed);
    EXPECT_EQ(U.Stmt->GetErrorCount(), 0);
}

TEST(PlsqlStatement, TextsOfAParsedBlock) {
    const std::string Src = "begin\n  null; -- nothing\nend;";
    Unit U(Src);
    ASSERT_EQ(U.Parse([](TFakePlsqlParser& P) -> TRk_Node* {
        return P.Block(P.W("begin"), P.List({P.Null(P.W("null"), P.W(";"))}), P.W("end"), P.W(";", 2));
    }), 0);
    // The text visitor keeps comments and line breaks.
    EXPECT_EQ(U.Text(), "begin\n  null; -- nothing\nend;\r\n");
    // The statement's text is the printer's when the formatter chose one,
    // else the same walk.
    if (U.Stmt->PP)
        EXPECT_EQ(U.Stmt->GetText(), U.Stmt->PP->GetPrettyText());
    else
        EXPECT_EQ(U.Stmt->GetText(), U.Text());
    EXPECT_EQ(U.Stmt->GetRawSqlText(), Src + "\r\n");
}

TEST(PlsqlStatement, ReparseBuildsAFreshTree) {
    Unit U(kBlockWithHandler);
    auto Build = [](TFakePlsqlParser& P) -> TRk_Node* { return BlockWithHandler(P); };
    ASSERT_EQ(U.Parse(Build), 0);
    const std::string First = U.Text();
    auto* Block1 = static_cast<TRk_Plsql*>(U.Root());
    EXPECT_EQ(U.Stmt->SubStatements.size(), 2u);
    ASSERT_EQ(U.Parse(Build), 0);
    EXPECT_EQ(U.Fake->Runs, 2);
    EXPECT_EQ(U.Stmt->SubStatements.size(), 2u);
    auto* Block2 = static_cast<TRk_Plsql*>(U.Root());
    EXPECT_EQ(Block2->Section->Items->Count(), 1);
    EXPECT_EQ(U.Text(), First);
    (void)Block1;  // freed with the pool: never read again
    // Every embedded statement's tokens are its own once, not twice.
    for (auto& S : U.Stmt->SubStatements) {
        EXPECT_TRUE(S->Parsed) << S->ErrorMessages();
        EXPECT_LE(S->SourceTokens->Count(), 20);
    }
}

TEST(PlsqlStatement, EmbeddedStatementsAreParsedAndTheirErrorsCopied) {
    const std::string Src = "begin update t set = 1; select a into x from t; end;";
    Unit U(Src);
    TRkPlsql_SqlStmt* Upd = nullptr;
    TRkPlsql_SqlStmt* Sel = nullptr;
    ASSERT_EQ(U.Parse([&](TFakePlsqlParser& P) -> TRk_Node* {
        Upd = P.Sql(NewUpdateSqlStatement(1), P.W("update"));
        Sel = P.Sql(NewSelectSqlStatement(1), P.W("select"));
        return P.Block(P.W("begin"), P.List({Upd, Sel}), P.W("end"), P.W(";", 3));
    }), 0);
    // The unit stays parsed; the UPDATE's records are the unit's too.
    EXPECT_TRUE(U.Stmt->Parsed);
    EXPECT_FALSE(Upd->SqlStatement->Parsed);
    ASSERT_GE(Upd->SqlStatement->GetErrorCount(), 1);
    ASSERT_EQ(U.Stmt->GetErrorCount(), Upd->SqlStatement->GetErrorCount());
    EXPECT_EQ(U.Stmt->SyntaxErrors.Get(1).TokenText, Upd->SqlStatement->SyntaxErrors.Get(1).TokenText);
    EXPECT_TRUE(Sel->SqlStatement->Parsed) << Sel->SqlStatement->ErrorMessages();
    // A statement object that failed to parse walks no clause, so its text
    // drops out of the regenerated unit; the rest is walked.
    EXPECT_EQ(U.Tokens(), "begin select a into x from t ; end ;");
}

TEST(PlsqlStatement, TokenEventsReachBlockStatementsButNotBlockHandlers) {
    // The same SELECT ... e.a ... emp e fires in the statement section only.
    Unit U(kBlockWithHandler);
    EventLog Log;
    Log.Install(*U.Stmt);
    ASSERT_EQ(U.Parse([](TFakePlsqlParser& P) -> TRk_Node* { return BlockWithHandler(P); }), 0);
    const int InSection = Log.Tables + Log.Fields;
    EXPECT_GT(InSection, 0);
    // Both statements parsed; only the first had the events.
    auto* B = static_cast<TRk_Plsql*>(U.Root());
    auto* H = static_cast<TRkPlsql_Exceptionhandler*>(B->Handlers->GetNode(0));
    auto* S2 = static_cast<TRkPlsql_SqlStmt*>(H->Section->Items->Items(0));
    EXPECT_TRUE(S2->SqlStatement->Parsed);
    EXPECT_FALSE(static_cast<bool>(S2->SqlStatement->OnTableTokenEvent));

    // The same handler in a procedure passes them on.
    Unit P2(std::string("procedure p is ") + kBlockWithHandler, VendorOracle, sstplsql_createprocedure);
    EventLog Log2;
    Log2.Install(*P2.Stmt);
    ASSERT_EQ(P2.Parse([](TFakePlsqlParser& P) -> TRk_Node* {
        TRk_Plsql* B = BlockWithHandler(P);
        auto* F = P.New<TRkPlsql_ProcedureDecl>();
        F->CreateKind = 0;
        F->Name = P.Name(P.W("p"));
        F->IsAsToken = P.W("is");
        F->Statements = B->Statements;
        F->Handlers = B->Handlers;
        F->ExceptionToken = B->ExceptionToken;
        F->Terminator = B->Terminator;
        P.Own(F, {P.W("procedure"), P.W("begin"), P.W("end")});
        return F;
    }), 0);
    EXPECT_EQ(Log2.Tables + Log2.Fields, 2 * InSection);
    EXPECT_EQ(P2.Tokens(),
              "procedure p is begin select e . a into x from emp e ; exception when others then "
              "select d . b into y from dept d ; end ;");
}

TEST(PlsqlStatement, TokenEventsReachThePackageInitialisationButNotItsItems) {
    const std::string Src =
        "create package body pk is cursor c is select e.a from emp e; begin select d.b into y from dept d; end;";
    Unit U(Src, VendorOracle, sstplsql_createpackage);
    EventLog Log;
    Log.Install(*U.Stmt);
    TRkPlsql_CursorDecl* C = nullptr;
    ASSERT_EQ(U.Parse([&](TFakePlsqlParser& P) -> TRk_Node* {
        C = P.New<TRkPlsql_CursorDecl>();
        C->CursorName = P.W("c");
        C->IsToken = P.W("is", 2);
        C->Query = P.Embedded(NewSelectSqlStatement(1), P.W("select"));
        P.Own(C, {P.W("cursor")});
        auto* Pk = P.New<TRkPlsql_Package>();
        Pk->CreateNode = P.Create(1);
        Pk->CreateKind = 1;
        Pk->IsBody = 1;
        Pk->Name = P.Name(P.W("pk"));
        Pk->IsAsToken = P.W("is");
        Pk->PackageItems = P.List({C});
        Pk->Statements = P.List({P.Sql(NewSelectSqlStatement(1), P.W("select", 2))});
        Pk->Terminator = P.W(";", 3);
        P.Own(Pk, {P.W("package"), P.W("end"), P.W("body"), P.W("begin")});
        return Pk;
    }), 0);
    EXPECT_TRUE(C->Query->Parsed);
    EXPECT_FALSE(static_cast<bool>(C->Query->OnTableTokenEvent));
    EXPECT_GT(Log.Tables + Log.Fields, 0);
    EXPECT_EQ(U.Text(), Src + "\r\n");
}

TEST(PlsqlStatement, TriggersHandNoEventsAndLeaveACallBodyUnparsed) {
    const std::string Src = "create trigger tr before insert on t call p(1)";
    Unit U(Src, VendorOracle, sstplsql_createtrigger);
    EventLog Log;
    Log.Install(*U.Stmt);
    TRkPlsql_Trigger* T = nullptr;
    ASSERT_EQ(U.Parse([&](TFakePlsqlParser& P) -> TRk_Node* {
        T = P.Trigger(1, "before");
        auto* Ins = P.New<TRk_DummyNode>();
        Ins->Tok1 = P.W("insert");
        auto* Ev = P.New<TRk_DummyNode>();
        Ev->Int1 = 1;
        Ev->List1 = P.List({Ins});
        Ev->Tok1 = P.W("on");
        Ev->Sub1 = P.Name(P.W("t"));
        T->Event = Ev;
        auto Call = std::unique_ptr<TCustomSqlStatement>(CreateNodeOfClass<TOracleCallSqlStatement>(1));
        T->CallStatement = P.Embedded(std::move(Call), P.W("call"));
        return T;
    }), 0);
    EXPECT_FALSE(T->CallStatement->Parsed);
    EXPECT_EQ(Log.Tables + Log.Fields, 0);
    EXPECT_EQ(U.Tokens(), "create trigger tr before insert on t call p ( 1 )");
}

TEST(PlsqlStatement, WalksAreGuarded) {
    Unit U("begin null; null; end;");
    ASSERT_EQ(U.Parse([](TFakePlsqlParser& P) -> TRk_Node* {
        return P.Block(P.W("begin"), P.List({P.Null(P.W("null"), P.W(";")), P.Null(P.W("null", 2), P.W(";", 2))}),
                       P.W("end"), P.W(";", 3));
    }), 0);
    // No visitor: the assertion names this unit.
    try {
        U.Stmt->Accept(nullptr);
        FAIL() << "no assertion";
    } catch (const ERkAssertion& E) {
        EXPECT_NE(std::string(E.what()).find("Visitor unassigned (statementstructure/plsqlstatement, line "),
                  std::string::npos)
            << E.what();
    }
    // A section walked before its analysis ends at its first item: no
    // PostVisit for it, the depth restored, the block's walk goes on.
    auto* B = static_cast<TRk_Plsql*>(U.Root());
    auto* Fresh = U.Fake->New<TRk_Plsql>();
    Fresh->DeclSection = B->DeclSection;
    Fresh->Statements = B->Statements;
    Fresh->Section->Statements = B->Statements;
    Fresh->TokenList->Add(B->GetOwnToken(0));
    Fresh->TokenList->Add(B->GetOwnToken(1));
    TTokenRecorder R;
    Fresh->Accept(&R);
    EXPECT_EQ(R.Text, "begin end");
    EXPECT_EQ(R.Depth, 0);
    EXPECT_EQ(R.Pre, R.Post + 1);
    // A block without its declaration section walks nothing after PreVisit.
    Fresh->DeclSection = nullptr;
    TTokenRecorder R2;
    Fresh->Accept(&R2);
    EXPECT_EQ(R2.Text, "");
    EXPECT_EQ(R2.Post, 0);
    // A disabled visitor walks nothing.
    TTokenRecorder R3;
    R3.Enabled = false;
    U.Stmt->Accept(&R3);
    EXPECT_EQ(R3.Pre, 0);
}

TEST(PlsqlStatement, ClearUndoesTheLinks) {
    Unit U("begin <<l>> goto l; end;");
    TRkPlsql_GotoStmt* G = nullptr;
    ASSERT_EQ(U.Parse([&](TFakePlsqlParser& P) -> TRk_Node* {
        G = P.New<TRkPlsql_GotoStmt>();
        G->LabelOpen = P.W("<<");
        G->LabelToken = P.W("l");
        G->LabelClose = P.W(">>");
        G->LabelName = P.W("l", 2);
        P.Own(G, {P.W("goto")});
        G->Terminator = P.W(";");
        return P.Block(P.W("begin"), P.List({G}), P.W("end"), P.W(";", 2));
    }), 0);
    EXPECT_EQ(G->GetName(), "l");
    auto* B = static_cast<TRk_Plsql*>(U.Root());
    B->Clear();
    EXPECT_EQ(B->Statements, nullptr);
    EXPECT_EQ(B->DeclSection, nullptr);
    EXPECT_EQ(B->Section->Statements, nullptr);
    G->Clear();
    EXPECT_EQ(G->LabelName, nullptr);
    EXPECT_EQ(G->LabelToken, nullptr);
}
