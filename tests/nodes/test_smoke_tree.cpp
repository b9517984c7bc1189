#include <gtest/gtest.h>

#include "nodes/token_builder.h"
#include "nodes/u_nodes.h"

namespace {
// A node that walks its own tokens in order.
class TTokensNode : public TRk_Node {
public:
    void DoAccept(TRkVisitorAbs& V) override {
        V.PreVisit(this);
        for (TSourceToken* t : TokenList->Items()) AcceptPart(t, V);
        V.PostVisit(this);
    }
};
}  // namespace

TEST(TreeSmoke, NodeTextIsTheSourceSlice) {
    auto list = testtok::Script("select a + b  -- sum\nfrom t");
    auto node = CreateNodeOfClass<TTokensNode>();
    for (TSourceToken* t : testtok::Solid(*list, 1, testtok::Find(*list, "b")))
        node->TokenList->Add(t);
    EXPECT_EQ(node->AsText(), "a + b  -- sum\n");
    EXPECT_EQ(node->GetPrettyText(), node->AsText());
    ASSERT_NE(node->GetStartToken(), nullptr);
    EXPECT_EQ(node->GetStartToken()->Text, "a");
    EXPECT_EQ(node->GetEndToken()->Text, "b");
}
