// The PL/SQL statement object: parse results and error records, texts, the
// analysis of the element tree (sections, embedded SQL, token events) and
// the guarded walks.  Failures the grammar cannot produce on demand come
// from a stand-in parser.
#include <functional>

#include "formatter/basepp.h"
#include "nodes/rkexceptions.h"
#include "parse/parserfactory.h"
#include "parse/rkyacclib.h"
#include "statement_fixture.h"

using namespace sstest;

namespace {

// The PL/SQL parser's stand-in: after the runtime's prologue, Build gives
// the tree; no tree is a failure without a report.
class TFakePlsqlParser : public TRkCustomParser {
public:
    std::function<TRk_Node*(TFakePlsqlParser&)> Build;
    int yyparse() override {
        if (Prologue() == -1) return 1;
        RootNode = Build(*this);
        return RootNode ? 0 : 1;
    }
    template <class T>
    T* New() {
        return NewNode<T>();
    }
};

// Parses the text "begin null end;" with the stand-in; returns Parse's result.
int FakeParse(TPlsqlStatement& S, std::function<TRk_Node*(TFakePlsqlParser&)> Build,
              TFakePlsqlParser** Out = nullptr) {
    S.SetSqlText("begin null end;");
    S.Parser = TRkParserFactory(VendorOracle).CreateParser();
    auto P = std::make_unique<TFakePlsqlParser>();
    P->Build = std::move(Build);
    P->SyntaxErrorCallback = [&S](std::uint8_t T, const std::string& E, const std::string& Tok, std::int32_t L,
                                  std::int32_t C) { return S.ParserError(T, E, Tok, L, C); };
    if (Out) *Out = P.get();
    S.PlsqlParser = std::move(P);
    return S.Parse(false);
}

// A block whose analysis fails.
class TFailingBlock : public TRk_Plsql {
public:
    void Analyze() override { throw ERkError("analysis failed"); }
};

// Counts the table- and field-token events.
struct EventLog {
    int Count = 0;
    void Install(TCustomSqlStatement& S) {
        S.SetOnTableTokenEvent([this](TRk_Node*, TSourceToken*, TRk_Node*) { ++Count; });
        S.SetOnFieldTokenEvent([this](TRk_Node*, TSourceToken*, TRk_Node*) { ++Count; });
    }
};

const char* const kBlockWithHandler =
    "begin select e.a into x from emp e; exception when others then select d.b into y from dept d; end;";

}  // namespace

TEST(PlsqlStatement, OtherVendorsGetOneRecordAndNoTree) {
    for (std::uint8_t Vendor : {std::uint8_t(2), std::uint8_t(3), std::uint8_t(4)}) {
        SCOPED_TRACE(int(Vendor));
        auto S = UnitOfText("begin null; end;", sstplsql_block, Vendor);
        EXPECT_EQ(S->Parse(false), 1);
        EXPECT_EQ(S->GetRootNode(), nullptr);
        EXPECT_FALSE(S->Parsed);
        ASSERT_EQ(S->GetErrorCount(), 1);
        const TSyntaxError& E = S->SyntaxErrors.Get(1);
        EXPECT_EQ(E.Message, "PLSQL is not supported in this module");
        EXPECT_EQ(E.ErrorType, 0);
        EXPECT_EQ(E.TokenText, "");
        EXPECT_EQ(E.Line, 0);
        EXPECT_EQ(E.Column, 0);
        // A second parse does not pile records up.
        S->Parse(false);
        EXPECT_EQ(S->GetErrorCount(), 1);
    }
}

TEST(PlsqlStatement, OnlyBlanksAndCommentsGiveNoTreeAndNoRecord) {
    auto S = UnitOfText("  -- nothing here\n/* nor here */  ");
    EXPECT_EQ(S->Parse(false), 0);
    EXPECT_EQ(S->GetRootNode(), nullptr);
    EXPECT_FALSE(S->Parsed);
    EXPECT_EQ(S->GetErrorCount(), 0);
}

TEST(PlsqlStatement, ARootOfAnotherClassOrAFailingAnalysisLeavesItUnparsedWithoutARecord) {
    for (bool Failing : {false, true}) {
        SCOPED_TRACE(Failing);
        auto S = UnitOfText("");
        EXPECT_EQ(FakeParse(*S, [&](TFakePlsqlParser& P) -> TRk_Node* {
            if (!Failing) return P.New<TRkPlsql_VarDecl>();
            auto* b = P.New<TFailingBlock>();
            b->DeclSection = P.New<TRkPlsql_Decl>();
            return b;
        }), -1);
        EXPECT_FALSE(S->Parsed);
        EXPECT_EQ(S->GetErrorCount(), 0);
    }
}

TEST(PlsqlStatement, ParserFailuresAlwaysLeaveARecord) {
    {
        // Gave up without reporting (the stack limit): the message is kept.
        auto S = UnitOfText("");
        EXPECT_EQ(FakeParse(*S, [](TFakePlsqlParser& P) -> TRk_Node* {
            P.ErrorMessage = "yyparse stack overflow";
            return nullptr;
        }), 1);
        ASSERT_EQ(S->GetErrorCount(), 1);
        EXPECT_EQ(S->SyntaxErrors.Get(1).Message, "yyparse stack overflow");
        EXPECT_FALSE(S->Parsed);
    }
    {
        // An exception inside the parser: one record, result -1.
        auto S = UnitOfText("");
        EXPECT_EQ(FakeParse(*S, [](TFakePlsqlParser&) -> TRk_Node* { throw ERkError("parser broke"); }), -1);
        ASSERT_EQ(S->GetErrorCount(), 1);
        EXPECT_EQ(S->SyntaxErrors.Get(1).Message, "parser broke");
        EXPECT_EQ(S->SyntaxErrors.Get(1).ErrorType, 0);
    }
    {
        // A reported syntax error: the tree is dropped, the records stay.
        auto S = UnitOfText("");
        TFakePlsqlParser* Fake = nullptr;
        EXPECT_EQ(FakeParse(*S, [](TFakePlsqlParser& P) -> TRk_Node* {
            P.SyntaxErrorCallback(1, "; ", "end", 1, 15);
            P.RootNode = P.New<TRk_Plsql>();
            return nullptr;
        }, &Fake), 1);
        EXPECT_EQ(S->GetRootNode(), nullptr);
        EXPECT_EQ(Fake->RootNode, nullptr);
        EXPECT_EQ(S->SyntaxErrors.Get(1).Column, 12);
    }
}

TEST(PlsqlStatement, TextsOfAParsedBlock) {
    Script Sc("begin\n  null; -- nothing\nend;\n/\n");
    TPlsqlStatement* S = Sc.Unit();
    ASSERT_TRUE(S->Parsed) << S->ErrorMessages();
    // The text visitor keeps comments and line breaks.
    EXPECT_EQ(S->GetTextByVisitor(), "begin\r\n  null; -- nothing\r\nend;\r\n");
    // The statement's text is the printer's when the formatter chose one,
    // else the same walk.
    EXPECT_EQ(S->GetText(), S->PP() ? S->PP()->GetPrettyText() : S->GetTextByVisitor());
    EXPECT_EQ(S->GetRawSqlText(), "begin\r\n  null; -- nothing\r\nend;\r\n");
}

// The same SELECT ... e.a ... emp e fires in a block's statement section
// but not in its handlers; a procedure passes the events on to both; a
// package to its initialisation but not its items; a trigger to nothing.
TEST(PlsqlStatement, TokenEventsReachTheSectionsTheUnitPassesThemTo) {
    const std::string Block = kBlockWithHandler;
    const struct {
        std::string Text;
        TSqlStatementType Type;
        int Events;
        int Quiet;   // the embedded statement that gets no events, or -1
    } Cases[] = {
        {Block, sstplsql_block, 4, 1},
        {"create procedure p is " + Block, sstplsql_createprocedure, 8, -1},
        {"create package body pk is cursor c return emp%rowtype is select e.a from emp e; "
         "begin select d.b into y from dept d; end;",
         sstplsql_createpackage, 4, 0},
        {"create trigger tr before insert on t call p(1)", sstplsql_createtrigger, 0, -1},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Text);
        auto S = UnitOfText(C.Text, C.Type);
        EventLog Log;
        Log.Install(*S);
        ASSERT_EQ(S->Parse(false), 0) << S->ErrorMessages();
        EXPECT_EQ(Log.Count, C.Events);
        if (C.Quiet < 0) continue;
        ASSERT_GT(S->SubStatements.size(), std::size_t(C.Quiet));
        EXPECT_TRUE(S->SubStatements[C.Quiet]->Parsed);
        EXPECT_FALSE(static_cast<bool>(S->SubStatements[C.Quiet]->GetOnTableTokenEvent()));
    }
}

TEST(PlsqlStatement, WalksAreGuarded) {
    auto S = UnitOfText("begin null; null; end;");
    ASSERT_EQ(S->Parse(false), 0) << S->ErrorMessages();
    // No visitor: the assertion names this unit.
    try {
        S->Accept(nullptr);
        FAIL() << "no assertion";
    } catch (const ERkAssertion& E) {
        EXPECT_NE(std::string(E.what()).find("Visitor unassigned (statementstructure/plsqlstatement, line "),
                  std::string::npos)
            << E.what();
    }
    // A section walked before its analysis ends at its first item: no
    // PostVisit for it, the depth restored, the block's walk goes on.
    auto* B = static_cast<TRk_Plsql*>(S->GetRootNode());
    auto Fresh = CreateNodeOfClass<TRk_Plsql>();
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
    S->Accept(&R3);
    EXPECT_EQ(R3.Pre, 0);
}

TEST(PlsqlStatement, ClearUndoesTheLinks) {
    auto S = UnitOfText("begin <<l>> goto l; end;");
    ASSERT_EQ(S->Parse(false), 0) << S->ErrorMessages();
    auto* B = static_cast<TRk_Plsql*>(S->GetRootNode());
    auto* G = dynamic_cast<TRkPlsql_GotoStmt*>(B->Section->Items->Items(0));
    ASSERT_NE(G, nullptr);
    EXPECT_EQ(G->GetName(), "l");
    B->Clear();
    EXPECT_EQ(B->Statements, nullptr);
    EXPECT_EQ(B->DeclSection, nullptr);
    EXPECT_EQ(B->Section->Statements, nullptr);
    G->Clear();
    EXPECT_EQ(G->LabelName, nullptr);
    EXPECT_EQ(G->LabelToken, nullptr);
}
