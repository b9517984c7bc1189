// The regenerated text of a node that holds its own ";": the visitor prints
// the ";" and the comments after it once, whether it prints them behind the
// token before or the walk visits the ";" itself.
#include <gtest/gtest.h>

#include "nodes/token_builder.h"
#include "nodes/tree_builder.h"
#include "process/gettextvisitor.h"

using testtok::Script;
using testtok::Tok;
using testtree::Arena;
using testtree::TPartsNode;

namespace {

std::string Regenerated(TRkVisitedAbs* Root, bool NumberSemicolons = true) {
    TRkGetTextVisitor V;
    V.NumberSemicolons = NumberSemicolons;
    V.Root = Root;
    V.Execute();
    return V.Result;
}

}  // namespace

TEST(GetTextVisitorTerminator, AVisitedSemicolonPrintsOnce) {
    auto l = Script("SET NOCOUNT ON; -- quiet\nnext");
    Arena arena;
    TPartsNode* S = arena.Make("set", {Tok(*l, "SET"), Tok(*l, "NOCOUNT"), Tok(*l, "ON"), Tok(*l, ";")});
    EXPECT_EQ(Regenerated(S), "SET NOCOUNT ON; -- quiet\n");
    EXPECT_EQ(Tok(*l, ";")->GetSeqNo(), 3);
    EXPECT_EQ(Tok(*l, "-- quiet")->GetSeqNo(), 4);
    // Without semicolon numbering the walk's own visit prints it.
    EXPECT_EQ(Regenerated(S, false), "SET NOCOUNT ON; -- quiet\n");

    // Blocks: each statement's ";" once, and a visitor run again starts afresh.
    auto m = Script("BEGIN a; b ; END");
    TPartsNode* A = arena.Make("a", {Tok(*m, "a"), Tok(*m, ";")});
    TPartsNode* B = arena.Make("b", {Tok(*m, "b"), Tok(*m, ";", 1)});
    TPartsNode* Block = arena.Make("block", {Tok(*m, "BEGIN"), A, B, Tok(*m, "END")});
    TRkGetTextVisitor V;
    V.Root = Block;
    V.Execute();
    EXPECT_EQ(V.Result, "BEGIN a; b ; END");
    V.Execute();
    EXPECT_EQ(V.Result, "BEGIN a; b ; END");
}

TEST(GetTextVisitorTerminator, OnlyTheRunJustPrintedIsSkipped) {
    auto l = Script("a ; b");
    Arena arena;
    // A walk that visits its parts out of source order still prints a ";"
    // that no run has printed yet, and prints the one a run printed once.
    TPartsNode* Late = arena.Make("late", {Tok(*l, "b"), Tok(*l, ";")});
    EXPECT_EQ(Regenerated(Late), "b; ");
    TPartsNode* Early = arena.Make("early", {Tok(*l, "b"), Tok(*l, "a"), Tok(*l, ";")});
    EXPECT_EQ(Regenerated(Early), "ba ; ");
}
