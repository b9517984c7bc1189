// Where a node keeps its parts: own tokens and list items in blocks drawn
// from the parse's arena or from the heap, rare parts in one record, and
// which arena nodes may go with the arena's blocks without a destructor.
// The sanitizer run checks the other half: a node that took something on
// the heap is still destroyed, so nothing leaks.
#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "nodes/rkblocksource.h"
#include "nodes/rkexceptions.h"
#include "nodes/rkobjectarena.h"
#include "nodes/token_builder.h"
#include "nodes/u_nodes_generic.h"
#include "nodes/u_parsenodes.h"
#include "parse/rknodearena.h"
#include "parse/rkyacclib.h"

using testtok::Script;

namespace {

std::vector<std::string> Texts(const TRkNodeTokens& A) {
    std::vector<std::string> R;
    for (TSourceToken* T : A) R.emplace_back(T->GetText());
    return R;
}

}  // namespace

TEST(NodeStorage, ItemArrayKeepsOrderInTheArenaAndOnTheHeap) {
    auto l = Script("a b c d e f g h i j");
    std::vector<TSourceToken*> words;
    for (TSourceToken* T : l->Items())
        if (T->IsSignificant()) words.push_back(T);
    ASSERT_EQ(words.size(), 10u);

    TRkNodeArena arena;
    TRkNodeTokens a;
    EXPECT_EQ(a.Count(), 0);
    EXPECT_EQ(a.TokenAt(0), nullptr);
    for (int i = 1; i < 9; ++i) a.Add(words[static_cast<size_t>(i)], &arena);
    EXPECT_FALSE(a.OnHeap());
    // Growing without an arena moves the items to the heap, in order.
    a.Insert(0, words[0]);
    a.Add(words[9]);
    EXPECT_TRUE(a.OnHeap());
    EXPECT_EQ(Texts(a), (std::vector<std::string>{"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"}));
    a.Erase(1);
    a.Insert(9, words[1]);
    EXPECT_EQ(Texts(a), (std::vector<std::string>{"a", "c", "d", "e", "f", "g", "h", "i", "j", "b"}));
    EXPECT_EQ(a.back(), words[1]);
    EXPECT_THROW(a.GetToken(10), ERkListError);
    EXPECT_THROW(a.GetToken(-1), ERkListError);
    EXPECT_THROW(a.Insert(11, words[0]), ERkListError);
    EXPECT_EQ(a.TokenAt(10), nullptr);
    a.Clear();
    EXPECT_EQ(a.Count(), 0);
    EXPECT_TRUE(a.empty());
}

TEST(NodeStorage, ArenaNodesGoWithTheArenaUntilTheyTakeSomethingOnTheHeap) {
    auto l = Script("x y");
    TSourceToken* x = l->GetToken(0);
    TRkCustomParser p;

    auto* name = p.NewNode<TRk_Attr>();
    name->AppendOwnToken(x, p.NodeArena());
    EXPECT_FALSE(name->NeedsDestroy());
    EXPECT_EQ(name->OwnToken(0), x);

    auto* list = p.NewNode<TRk_List>();
    list->Add(name, p.NodeArena());
    EXPECT_FALSE(list->NeedsDestroy());
    // Room left in the arena block is used; growing later, without the
    // arena, moves the items to the heap.
    list->Add(name);
    EXPECT_FALSE(list->NeedsDestroy());
    for (int i = 0; i < 4; ++i) list->Add(name);
    EXPECT_EQ(list->Count(), 6);
    EXPECT_TRUE(list->NeedsDestroy());

    auto* text = p.NewNode<TRk_A_Const>();
    EXPECT_FALSE(text->NeedsDestroy());
    text->SetAsText("a text too long for a short-string buffer");
    EXPECT_TRUE(text->NeedsDestroy());

    auto* late = p.NewNode<TRk_Ident>();
    late->TokenList->Add(x);
    EXPECT_TRUE(late->NeedsDestroy());

    // A class that keeps strings of its own is always destroyed.
    auto* call = p.NewNode<TRk_FuncCall>();
    call->FuncName = "a function name longer than a short string";
    EXPECT_TRUE(call->NeedsDestroy());

    // A column definition's constraint list is made when first asked for.
    auto* column = p.NewNode<TRkColumnDef>();
    EXPECT_FALSE(column->NeedsDestroy());
    ASSERT_NE(column->Constraints(), nullptr);
    EXPECT_FALSE(column->Constraints()->OwnsObjects());
    EXPECT_TRUE(column->NeedsDestroy());

    // A node not made in an arena keeps its parts on the heap.
    auto loose = CreateNodeOfClass<TRk_Attr>();
    loose->AppendOwnToken(x, p.NodeArena());
    EXPECT_TRUE(loose->TokenList.OnHeap());
    EXPECT_FALSE(loose->InArena());
    // Adopted by the pool, it is deleted with it, not left to the arena.
    p.Adopt(std::move(loose));
}

TEST(NodeStorage, RarePartsReadEmptyUntilSet) {
    auto n = CreateNodeOfClass<TRk_Node>();
    EXPECT_EQ(n->TextOverride(), "");
    EXPECT_EQ(n->EndPos(), -1);
    EXPECT_EQ(n->BaseIndent(), 0);
    EXPECT_EQ(n->PP(), nullptr);
    n->SetEndPos(7);
    n->SetBaseIndent(3);
    n->SetTextOverride("t");
    EXPECT_EQ(n->EndPos(), 7);
    EXPECT_EQ(n->BaseIndent(), 3);
    EXPECT_EQ(n->TextOverride(), "t");
}

namespace {
struct TThrowingNode : TRk_Node {
    TThrowingNode() { throw std::runtime_error("not made"); }
};
}  // namespace

// Nodes made with new inside a scope lie in its object arena; the sanitizer
// run checks that none is freed as a heap block, or leaked, on either side.
TEST(NodeStorage, ObjectArenaBlocksGoWithTheLastNodeMadeThere) {
    auto Arena = TRkObjectArena::Make();
    std::unique_ptr<TRkValue> Kept, Gone;
    {
        TRkObjectArena::TScope Scope(*Arena);
        Kept = CreateNodeOfClass<TRkValue>();
        Gone = CreateNodeOfClass<TRkValue>();
        EXPECT_THROW(new TThrowingNode, std::runtime_error);
    }
    auto Heap = CreateNodeOfClass<TRkValue>();
    Kept->SetStr1(std::string(200, 'k'));
    Heap->SetStr1(std::string(200, 'h'));
    EXPECT_FALSE(Arena->Reset());   // two nodes made there are alive
    Gone.reset();
    Arena.reset();                   // the owner lets go; Kept holds the blocks
    EXPECT_EQ(Kept->Str1, std::string(200, 'k'));
    Kept.reset();

    auto Reused = TRkObjectArena::Make();
    {
        TRkObjectArena::TScope Scope(*Reused);
        Gone = CreateNodeOfClass<TRkValue>();
    }
    Gone.reset();
    EXPECT_TRUE(Reused->Reset());
}

TEST(NodeStorage, BlockSourceDoublesUpToTheLargeBlockAndAligns) {
    TRkBlockSource S;
    std::vector<std::size_t> Sizes;
    for (int i = 0; i < 10; ++i) {
        const TRkBlockSource::TBlock B = S.Take(32 << 10, 32 << 10, 32 << 10);
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(B.Data) % (32 << 10), 0u);
        Sizes.push_back(B.Size);
    }
    const std::size_t K = 32 << 10;
    EXPECT_EQ(Sizes, (std::vector<std::size_t>{K, K, 2 * K, 4 * K, 8 * K, 16 * K, 16 * K, 16 * K, 16 * K, 16 * K}));
    EXPECT_EQ(16 * K, TRkBlockSource::kLargeBlock);
    // An object larger than any block gets one of its own size; a unit
    // rounds a block up.
    EXPECT_EQ(S.Take(5 << 20, 16).Size, std::size_t{5} << 20);
    EXPECT_EQ(S.Take(1, 16, 4096).Size, TRkBlockSource::kLargeBlock);
    S.Release();
    EXPECT_EQ(S.Total(), 0u);
    EXPECT_EQ(S.Take(1000, 16, 8).Size, 1000u);   // a small holder stays small
}
