#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formatter/rkbasetype.h"
#include "nodes/token_builder.h"
#include "nodes/tree_builder.h"
#include "process/gettextvisitor.h"
#include "process/pptextvisitor.h"

using testtok::Find;
using testtok::Script;
using testtok::Tok;
using testtree::Arena;
using testtree::TFakeExpression;
using testtree::TPartsNode;
using testtree::TSelfPrinted;

TEST(AsTextVisitor, SourceTextWithTrailingBlanksAndComments) {
    auto l = Script("select a + b  -- sum\nfrom t");
    Arena arena;
    TPartsNode* sum = arena.Make("sum", {Tok(*l, "a"), Tok(*l, "+"), Tok(*l, "b")});
    EXPECT_EQ(sum->AsText(), "a + b  -- sum\n");
    // Tokens are printed as scanned: no case change.
    TPartsNode* whole = arena.Make("q", {Tok(*l, "select"), sum, Tok(*l, "from"), Tok(*l, "t")});
    EXPECT_EQ(whole->AsText(), "select a + b  -- sum\nfrom t");
}

TEST(AsTextVisitor, TextOverrides) {
    auto l = Script("p q r");
    Arena arena;
    TPartsNode* q = arena.Make("q", {Tok(*l, "q")});
    q->SetAsText("x");
    EXPECT_EQ(q->AsText(), "x");
    TPartsNode* root = arena.Make("root", {Tok(*l, "p"), q, Tok(*l, "r")});
    // The override follows earlier text after one blank; q's token is muted.
    EXPECT_EQ(root->AsText(), "p  xr");
    TPartsNode* first = arena.Make("first", {q, Tok(*l, "r")});
    EXPECT_EQ(first->AsText(), "xr");
    // An override on the root replaces everything below it.
    root->SetAsText("whole");
    EXPECT_EQ(root->AsText(), "whole");
}

TEST(AsTextVisitor, SelfPrintingObjectsMuteTheirDescendants) {
    auto l = Script("select e.name from emp e");
    Arena arena;
    TPartsNode* inner = arena.Make("inner", {Tok(*l, "emp")});
    TSelfPrinted* table = arena.Make<TSelfPrinted>("EMP_TABLE", {inner, Tok(*l, "e", 1)});
    TPartsNode* root = arena.Make("root", {Tok(*l, "from"), table});
    EXPECT_EQ(root->AsText(), "from  EMP_TABLE ");
    // A muted node with an override inside prints nothing either.
    inner->SetAsText("never");
    EXPECT_EQ(root->AsText(), "from  EMP_TABLE ");
    // As the root it prints itself, padded.
    TRkAsTextVisitor v;
    v.Root = table;
    v.Execute();
    EXPECT_EQ(v.Result, " EMP_TABLE ");
}

TEST(AsTextVisitor, TokenRootAndMissingRoot) {
    auto l = Script("a b");
    TRkAsTextVisitor v;
    v.Root = l->GetToken(0);
    v.Execute();
    EXPECT_EQ(v.Result, "");  // a token given as the root prints nothing
    TRkAsTextVisitor w;
    w.Result = "kept";
    w.Execute();
    EXPECT_EQ(w.Result, "kept");
}

TEST(AsTextVisitor, ObjectsThatAreNotNodesAreSkipped) {
    auto l = Script("a b c");
    Arena arena;
    TSourceTokenList tokens(false);
    tokens.Add(Tok(*l, "b"));
    TPartsNode* root = arena.Make("root", {Tok(*l, "a"), &tokens, Tok(*l, "c")});
    EXPECT_EQ(root->AsText(), "a c");
}

TEST(AsTextVisitor, FailedWalkLeavesLaterSiblingsPrinted) {
    auto l = Script("a b c d");
    Arena arena;
    TPartsNode* muted = arena.Make("muted", {Tok(*l, "b"), Tok(*l, "c")});
    muted->SetAsText("M");
    muted->FailAt = 1;  // fails inside its walk: no PostVisit
    TPartsNode* root = arena.Make("root", {Tok(*l, "a"), muted, Tok(*l, "d")});
    // The muted node's entry is dropped with its frame, so d still prints.
    EXPECT_EQ(root->AsText(), "a d");
}

TEST(AsTextVisitor, PercentJoinsThePreviousText) {
    auto l = Script("emp.sal %type");
    Tok(*l, "%")->TokenType = ttOtherChar;
    Arena arena;
    TPartsNode* n = arena.Make("n", {Tok(*l, "emp"), Tok(*l, "."), Tok(*l, "sal"), Tok(*l, "%"),
                                     Tok(*l, "type")});
    EXPECT_EQ(n->AsText(), "emp.sal%type");
    // A line comment keeps the line break that ends it.
    auto c = Script("x -- c\n  %type");
    TPartsNode* m = arena.Make("m", {Tok(*c, "x"), Tok(*c, "%"), Tok(*c, "type")});
    EXPECT_EQ(m->AsText(), "x -- c\n%type");
}

TEST(PpTextVisitor, JoinsFormattedTokens) {
    auto l = Script("Emp . Name");
    Arena arena;
    TPartsNode* attr = arena.Make("attr", {Tok(*l, "Emp"), Tok(*l, "."), Tok(*l, "Name")});
    TRkPpTextVisitor v;
    v.Root = attr;
    v.Execute();
    EXPECT_EQ(v.Result, "emp.name");
    TRkPpTextVisitor w;
    w.Result = "kept";
    w.Execute();
    EXPECT_EQ(w.Result, "kept");
}

TEST(GetTextVisitor, NumbersTokensCommentsAndSemicolons) {
    auto l = Script("a b  /* c */ ; -- d\nnext");
    Arena arena;
    TPartsNode* n = arena.Make("n", {Tok(*l, "a"), Tok(*l, "b")});
    TRkGetTextVisitor v;
    v.Root = n;
    v.Execute();
    EXPECT_EQ(v.Result, "a b  /* c */ ; -- d\n");
    EXPECT_EQ(Tok(*l, "a")->GetSeqNo(), 0);
    EXPECT_EQ(Tok(*l, "b")->GetSeqNo(), 1);
    EXPECT_EQ(Tok(*l, "/* c */")->GetSeqNo(), 2);
    EXPECT_EQ(Tok(*l, ";")->GetSeqNo(), 3);
    EXPECT_EQ(Tok(*l, "-- d")->GetSeqNo(), 4);
    EXPECT_EQ(Tok(*l, " ")->GetSeqNo(), -1);  // blanks are not numbered
    EXPECT_EQ(Tok(*l, "next")->GetSeqNo(), -1);

    // Without semicolon numbering the ";" ends the text.
    auto m = Script("a  /* c */;-- d");
    TPartsNode* k = arena.Make("k", {Tok(*m, "a")});
    TRkGetTextVisitor w;
    w.NumberSemicolons = false;
    w.Root = k;
    w.Execute();
    EXPECT_EQ(w.Result, "a  /* c */");
    EXPECT_EQ(Tok(*m, ";")->GetSeqNo(), -1);
    // Executing again continues the numbering.
    w.Execute();
    EXPECT_EQ(w.Result, "a  /* c */");
    EXPECT_EQ(Tok(*m, "a")->GetSeqNo(), 2);
}

TEST(GetTextVisitor, TokensOutsideTheirListAreSkipped) {
    auto loose = MakeSourceToken("loose", ttIdentifier, 0, 0, 1, 1);
    auto l = Script("a");
    Arena arena;
    TPartsNode* n = arena.Make("n", {loose.get(), Tok(*l, "a")});
    TRkGetTextVisitor v;
    v.Root = n;
    v.Execute();
    EXPECT_EQ(v.Result, "a");
    EXPECT_EQ(loose->GetSeqNo(), -1);
}

TEST(GetTokenVisitor, FirstAndLastToken) {
    auto l = Script("a b c");
    Arena arena;
    TPartsNode* empty = arena.Make("empty");
    TPartsNode* child = arena.Make("child", {Tok(*l, "b")});
    TPartsNode* root = arena.Make("root", {empty, Tok(*l, "a"), child, Tok(*l, "c"), empty});
    EXPECT_EQ(root->GetStartToken(), Tok(*l, "a"));
    EXPECT_EQ(root->GetEndToken(), Tok(*l, "c"));
    EXPECT_EQ(empty->GetStartToken(), nullptr);
    EXPECT_EQ(empty->GetEndToken(), nullptr);

    // Mode 1 stops the walk at the first token.
    class TCounting : public TRkGetTokenVisitor {
    public:
        int visits = 0;
        void Visit(TRkVisitedAbs* Obj) override {
            ++visits;
            TRkGetTokenVisitor::Visit(Obj);
        }
    } v;
    v.Root = root;
    v.Mode = 1;
    v.Execute();
    EXPECT_EQ(v.ResultToken, Tok(*l, "a"));
    EXPECT_EQ(v.visits, 1);
}

TEST(PPTextWithExprVisitor, SpacingAndExpressions) {
    auto l = Script("returning emp.sal, f(x) into :v");
    Arena arena;
    TFakeExpression* expr = arena.Make<TFakeExpression>("expr", {Tok(*l, "f"), Tok(*l, "("),
                                                                  Tok(*l, "x"), Tok(*l, ")")});
    expr->Pretty = "F(x)\r\n  AND y";
    TPartsNode* root = arena.Make(
        "clause", {Tok(*l, "returning"), Tok(*l, "emp"), Tok(*l, "."), Tok(*l, "sal"),
                   Tok(*l, ","), expr, Tok(*l, "into"), Tok(*l, ":"), Tok(*l, "v")});
    TRkPPTextWithExprVisitor v;
    v.Root = root;
    v.Execute();
    // No blank around "." or before "("; one blank between other tokens;
    // the expression by its pretty text between blanks, indented to its
    // column.
    EXPECT_EQ(v.Result, "returning emp.sal , F(x)\r\n" + std::string(22, ' ') + "AND y  INTO : v");
    EXPECT_TRUE(v.Enabled);
    EXPECT_EQ(v.Depth, 0);

    auto p = Script("count ( * )");
    TPartsNode* call = arena.Make("call", {Tok(*p, "count"), Tok(*p, "("), Tok(*p, "*"),
                                           Tok(*p, ")")});
    TRkPPTextWithExprVisitor w;
    w.Root = call;
    w.Execute();
    EXPECT_EQ(w.Result, "count( * )");
}
