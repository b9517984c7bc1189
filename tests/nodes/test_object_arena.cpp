// An object arena counts what is alive in it: a node whose constructor threw
// is not, so the arena still frees its blocks for the next parse.
#include <gtest/gtest.h>

#include <stdexcept>

#include "nodes/rkobjectarena.h"
#include "nodes/u_nodes_generic.h"

namespace {
struct TNodeThatThrows : TRk_Node {
    TNodeThatThrows() { throw std::runtime_error("not made"); }
};
}  // namespace

TEST(ObjectArena, ANodeWhoseConstructorThrewLeavesTheBlocksFreeToReset) {
    auto Arena = TRkObjectArena::Make();
    {
        TRkObjectArena::TScope Scope(*Arena);
        EXPECT_THROW(new TNodeThatThrows, std::runtime_error);
    }
    EXPECT_TRUE(Arena->Reset());

    // Between nodes that are made: those count until they go.
    std::unique_ptr<TRkValue> Before, After;
    {
        TRkObjectArena::TScope Scope(*Arena);
        Before = CreateNodeOfClass<TRkValue>();
        EXPECT_THROW(new TNodeThatThrows, std::runtime_error);
        After = CreateNodeOfClass<TRkValue>();
    }
    After->SetStr1("after");
    EXPECT_FALSE(Arena->Reset());
    Before.reset();
    EXPECT_FALSE(Arena->Reset());
    EXPECT_EQ(After->Str1, "after");
    After.reset();
    EXPECT_TRUE(Arena->Reset());
}
