// A SQL Server statement that parses its own tokens takes the statement node
// of the first element that the whole-script grammar leaves in its result
// list.  The grammar is stood in for by a parser that builds given elements.
#include <gtest/gtest.h>

#include <functional>

#include "mssql_model_fixture.h"

using namespace mssqltest;

namespace {

// Builds the result list with Build instead of reading tokens.
class TElementParser : public TRkCustomParser {
public:
    std::function<void(TElementParser&)> Build;
    int yyparse() override {
        if (Prologue() == -1) return 1;
        if (Build) Build(*this);
        return 0;
    }
};

struct Fixture {
    Tree t;
    std::unique_ptr<TMssqlGo> S = CreateNodeOfClass<TMssqlGo>(0);
    TElementParser* P = nullptr;
    Fixture() {
        S->SourceTokens->Add(t.Tok("GO"));
        auto Owned = std::make_unique<TElementParser>();
        P = Owned.get();
        S->Parser = std::move(Owned);
    }
};

}  // namespace

TEST(MssqlStatementParse, TheFirstElementsStatementNodeBecomesTheRoot) {
    Fixture f;
    TRk_Node* Go = nullptr;
    f.P->Build = [&](TElementParser& P) {
        Go = P.NewNode<_TMssqlGo>();
        Go->TokenList->Add(P.TokenList->TokenAt(0));
        auto* W = P.NewNode<_TMssqlStmt>();
        W->InnerNode = Go;
        P.ResultList.push_back(W);
        P.ResultList.push_back(P.NewNode<_TMssqlStmt>());
    };
    EXPECT_EQ(f.S->Parse(false), 0);
    EXPECT_EQ(f.S->RootNode, Go);
    EXPECT_TRUE(f.S->Parsed);
    EXPECT_EQ(f.S->GetErrorCount(), 0);
    EXPECT_EQ(Walk(f.S.get()), "GO");

    // An empty result list is a record and no root.
    Fixture e;
    EXPECT_EQ(e.S->Parse(false), 0);
    EXPECT_EQ(e.S->RootNode, nullptr);
    EXPECT_FALSE(e.S->Parsed);
    ASSERT_EQ(e.S->GetErrorCount(), 1);
    EXPECT_EQ(e.S->SyntaxErrors.Get(1).Message, "No sql found in mssql parser");

    // A first item that is no element leaves no root, without a record.
    Fixture n;
    n.P->Build = [](TElementParser& P) { P.ResultList.push_back(P.NewNode<_TMssqlGo>()); };
    EXPECT_EQ(n.S->Parse(false), 0);
    EXPECT_EQ(n.S->RootNode, nullptr);
    EXPECT_FALSE(n.S->Parsed);
    EXPECT_EQ(n.S->GetErrorCount(), 0);
}
