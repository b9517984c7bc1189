#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "nodes/token_builder.h"
#include "nodes/tree_builder.h"
#include "process/rkbasevisitor.h"

using testtok::Script;
using testtok::Tok;
using testtree::Arena;
using testtree::TPartsNode;
using testtree::TRecordingVisitor;
using Log = std::vector<std::string>;

namespace {
// root(a, child(b, c), d) over the script "a b c d".
struct Tree {
    std::unique_ptr<TSourceTokenList> list = Script("a b c d");
    Arena arena;
    TPartsNode* child = nullptr;
    TPartsNode* root = nullptr;
    Tree() {
        child = arena.Make("child", {Tok(*list, "b"), Tok(*list, "c")});
        root = arena.Make("root", {Tok(*list, "a"), child, Tok(*list, "d")});
    }
};
}  // namespace

TEST(VisitorProtocol, WalkOrderAndDepth) {
    Tree t;
    TRecordingVisitor v;
    t.root->Accept(&v);
    EXPECT_EQ(v.Log, (Log{"pre root@1", "pre a@2", "visit a@2", "post a@2", "pre child@2",
                          "pre b@3", "visit b@3", "post b@3", "pre c@3", "visit c@3", "post c@3",
                          "post child@2", "pre d@2", "visit d@2", "post d@2", "post root@1"}));
    EXPECT_EQ(v.Depth, 0);
    EXPECT_EQ(v.Current, Tok(*t.list, "d"));
}

TEST(VisitorProtocol, NodeWithoutOverrideVisitsOnlyItself) {
    auto l = Script("x y");
    auto node = CreateNodeOfClass<TRk_Node>();
    node->TokenList->Add(l->GetToken(0));
    TRecordingVisitor v;
    node->Accept(&v);
    EXPECT_EQ(v.Log, (Log{"pre TRk_Node@1", "visit TRk_Node@1", "post TRk_Node@1"}));
    // Token lists keep the base walk too.
    TRecordingVisitor w;
    l->Accept(&w);
    EXPECT_EQ(w.Log, (Log{"pre TSourceTokenList@1", "visit TSourceTokenList@1",
                          "post TSourceTokenList@1"}));
}

TEST(VisitorProtocol, DisabledVisitorVisitsNothing) {
    Tree t;
    TRecordingVisitor v;
    v.Enabled = false;
    t.root->Accept(&v);
    EXPECT_TRUE(v.Log.empty());
    EXPECT_EQ(v.Depth, 0);
}

TEST(VisitorProtocol, ClearingEnabledStillClosesOpenFrames) {
    Tree t;
    TRecordingVisitor v;
    v.StopAtVisitOf = "b";
    t.root->Accept(&v);
    EXPECT_EQ(v.Log, (Log{"pre root@1", "pre a@2", "visit a@2", "post a@2", "pre child@2",
                          "pre b@3", "visit b@3", "post b@3", "post child@2", "post root@1"}));
    EXPECT_EQ(v.Depth, 0);
}

TEST(VisitorProtocol, FailingPartEndsOnlyItsOwnWalk) {
    Tree t;
    t.child->FailAt = 1;  // fails after b, before c
    TRecordingVisitor v;
    t.root->Accept(&v);
    // No post for the failing child, no report; the root goes on with d.
    EXPECT_EQ(v.Log, (Log{"pre root@1", "pre a@2", "visit a@2", "post a@2", "pre child@2",
                          "pre b@3", "visit b@3", "post b@3", "pre d@2", "visit d@2", "post d@2",
                          "post root@1"}));
    EXPECT_EQ(v.Depth, 0);

    // A failure in the visitor itself behaves the same.
    class TThrowOnC : public TRecordingVisitor {
    public:
        void PreVisit(TRkVisitedAbs* Obj) override {
            TRecordingVisitor::PreVisit(Obj);
            if (testtree::Label(Obj) == "c") throw ERkError("boom");
        }
    } w;
    Tree u;
    u.root->Accept(&w);
    EXPECT_EQ(w.Log, (Log{"pre root@1", "pre a@2", "visit a@2", "post a@2", "pre child@2",
                          "pre b@3", "visit b@3", "post b@3", "pre c@3", "post child@2",
                          "pre d@2", "visit d@2", "post d@2", "post root@1"}));
    EXPECT_EQ(w.Depth, 0);
}

TEST(VisitorProtocol, FailingRootLeavesDepthAtZero) {
    Tree t;
    t.root->FailAt = 0;
    TRecordingVisitor v;
    EXPECT_NO_THROW(t.root->Accept(&v));
    EXPECT_EQ(v.Log, (Log{"pre root@1"}));
    EXPECT_EQ(v.Depth, 0);
}

TEST(VisitorProtocol, MissingVisitorFailsTheAssertion) {
    Tree t;
    struct Row {
        TRkVisitedAbs* obj;
        const char* prefix;
    };
    TSourceTokenList plain(false);
    const Row rows[] = {
        {t.root, "Visitor unassigned (nodes/u_nodes, line "},
        {Tok(*t.list, "a"), "Visitor unassigned (nodes/u_nodes, line "},
        {&plain, "Visitor unassigned (nodes/u_nodes, line "},
    };
    for (const Row& r : rows) {
        try {
            r.obj->Accept(nullptr);
            ADD_FAILURE() << "no assertion for " << r.obj->ClassName();
        } catch (const ERkAssertion& e) {
            EXPECT_EQ(std::string(e.what()).rfind(r.prefix, 0), 0u) << e.what();
        }
    }
    class TBare : public TRkVisitedAbs {} bare;
    try {
        bare.Accept(nullptr);
        ADD_FAILURE();
    } catch (const ERkAssertion& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Visitor unassigned (process/rkbasevisitor", 0), 0u);
    }
}

TEST(VisitorProtocol, BaseVisitorDefaults) {
    TRkVisitorAbs v;
    EXPECT_TRUE(v.Enabled);
    EXPECT_EQ(v.Depth, 0);
    EXPECT_EQ(v.GetCurrent(), nullptr);
    EXPECT_TRUE(v.CanVisit());
    TSourceToken t;
    v.SetCurrent(&t);
    EXPECT_EQ(v.GetCurrent(), &t);
    TSourceToken u;
    v.Visit(&u);
    EXPECT_EQ(v.Current, &u);
}

TEST(VisitorProtocol, DeepNestingWalks) {
    // Walk depth follows tree nesting; the parser's nesting limit is 10000.
    auto l = Script("x");
    Arena arena;
    TPartsNode* inner = arena.Make("n", {l->GetToken(0)});
    for (int i = 0; i < 10000; ++i) inner = arena.Make("n", {inner});
    TRecordingVisitor v;
    inner->Accept(&v);
    EXPECT_EQ(v.Log.size(), 10001u * 2 + 3);
    EXPECT_EQ(v.Depth, 0);
    EXPECT_EQ(inner->AsText(), "x");
}
