#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formatter/rkbasetype.h"
#include "nodes/rkexceptions.h"
#include "nodes/token_builder.h"
#include "nodes/tree_builder.h"
#include "nodes/u_nodes.h"

using testtok::Find;
using testtok::Script;
using testtok::Tok;
using testtree::Arena;
using testtree::TPartsNode;
using testtree::TRecordingVisitor;
using Log = std::vector<std::string>;

TEST(NodeBase, OwnTokensAreOnlyReferredTo) {
    auto l = Script("x  -- c\n y");
    {
        auto n = CreateNodeOfClass<TRk_Node>();
        n->TokenList->Add(l->GetToken(0));
        EXPECT_EQ(n->OwnToken(0), l->GetToken(0));
        EXPECT_EQ(n->OwnToken(1), nullptr);
        EXPECT_THROW(n->GetOwnToken(1), ERkListError);
    }
    EXPECT_EQ(l->GetToken(0)->GetText(), "x");   // freeing the node left it
}

TEST(NodeBase, AppendTokenText) {
    auto l = Script("x  -- c\n y");
    auto n = CreateNodeOfClass<TRk_Node>();
    std::string s = ">";
    n->AppendTokenText(Tok(*l, "x"), s);
    EXPECT_EQ(s, ">x  -- c\n ");
    // A token in no list, or past its list's end, appends nothing.
    auto loose = MakeSourceToken("loose", ttIdentifier, 0, 0, 1, 1);
    n->AppendTokenText(loose.get(), s);
    n->AppendTokenText(nullptr, s);
    TSourceToken stale;
    stale.SetOwnerList(l.get());
    stale.PosInList = l->Count();
    n->AppendTokenText(&stale, s);
    EXPECT_EQ(s, ">x  -- c\n ");
}

TEST(NodeBase, PrettyTextFallsBackToPlainText) {
    auto l = Script("a  +  b");
    Arena arena;
    TPartsNode* n = arena.Make("n", {Tok(*l, "a"), Tok(*l, "+"), Tok(*l, "b")});
    EXPECT_EQ(n->GetPrettyText(), "a  +  b");
}

TEST(NodeBase, AppendPrettyTextTo) {
    auto target = CreateNodeOfClass<TRk_Node>();
    auto part = CreateNodeOfClass<TRk_Node>();
    target->PrettyBuffer() = "x\r\nWHERE ";
    part->PrettyBuffer() = "a = 1\r\nAND b = 2";
    part->AppendPrettyTextTo(target.get());
    EXPECT_EQ(target->PrettyBuffer(), "x\r\nWHERE a = 1\r\n      AND b = 2");
    part->AppendPrettyTextTo(nullptr);
}

TEST(GenericList, TextAndItems) {
    auto l = Script("a, b");
    auto list = CreateNodeOfClass<TRk_List>();
    Arena arena;
    list->Add(arena.Make("a", {Tok(*l, "a")}));
    list->Add(Tok(*l, "b"));
    EXPECT_EQ(list->Count(), 2);
    EXPECT_EQ(list->GetNode(0)->AsText(), "a");
    EXPECT_EQ(list->GetNode(1), nullptr);  // a token item
    EXPECT_THROW(list->GetItem(2), ERkListError);
    EXPECT_THROW(list->GetItem(-1), ERkListError);
    // A list has no text of its own.
    EXPECT_EQ(list->AsText(), "");
    list->SetAsText("override");
    EXPECT_EQ(list->AsText(), "override");
    // It is visited as one object.
    TRecordingVisitor v;
    list->Accept(&v);
    EXPECT_EQ(v.Log, (Log{"pre TRk_List@1", "visit TRk_List@1", "post TRk_List@1"}));
    list->Clear();
    EXPECT_EQ(list->Count(), 0);
}

TEST(GenericList, ListRoutines) {
    auto l = Script("A;B;C");
    Arena arena;
    auto list = CreateNodeOfClass<TRk_List>();
    TPartsNode* a = arena.Make("a", {Tok(*l, "A")});
    TPartsNode* b = arena.Make("b", {Tok(*l, "B")});
    TPartsNode* c = arena.Make("c", {Tok(*l, "C")});
    b->SeparatorToken = Tok(*l, ";");
    c->SeparatorToken = Tok(*l, ";", 1);
    list->Add(a);
    list->Add(b);
    list->Add(c);

    // The literal comma, whatever the source had.
    EXPECT_EQ(NodeListText(list.get()), "A,B,C");
    c->SetAsText("c2");
    EXPECT_EQ(NodeListText(list.get()), "A,B,c2");
    // Pretty texts joined by the formatted separators.
    EXPECT_EQ(NodeListPrettyText(list.get()), "A;B;c2");
    c->SetTextOverride("");
    EXPECT_EQ(NodeListPrettyText2(list.get()), NodeListPrettyText(list.get()));
    // An item without a separator contributes nothing between the two.
    c->SeparatorToken = nullptr;
    EXPECT_EQ(NodeListPrettyText(list.get()), "A;BC");
    c->SeparatorToken = Tok(*l, ";", 1);

    TRecordingVisitor v;
    AcceptNodeList(list.get(), &v);
    EXPECT_EQ(v.Log, (Log{"pre a@1", "pre A@2", "visit A@2", "post A@2", "post a@1",
                          "pre ;@1", "visit ;@1", "post ;@1", "pre b@1", "pre B@2", "visit B@2",
                          "post B@2", "post b@1", "pre ;@1", "visit ;@1", "post ;@1", "pre c@1",
                          "pre C@2", "visit C@2", "post C@2", "post c@1"}));
    TRecordingVisitor w;
    AcceptNodeListComma(list.get(), &w);
    EXPECT_EQ(w.Log, v.Log);

    // Nil lists do nothing and give the empty text.
    TRecordingVisitor none;
    AcceptNodeList(nullptr, &none);
    AcceptNodeListSep(nullptr, &none, true);
    EXPECT_TRUE(none.Log.empty());
    EXPECT_EQ(NodeListText(nullptr), "");
    EXPECT_EQ(NodeListPrettyText(nullptr), "");
}

TEST(GenericList, TokenListWalkWithSeparators) {
    auto l = Script("(x, y)");
    auto names = CreateNodeOfClass<TRk_List>();
    names->Add(Tok(*l, "x"));
    names->Add(Tok(*l, "y"));
    Tok(*l, "y")->SetSeparatorToken(Tok(*l, ","));
    TRecordingVisitor with;
    AcceptNodeListSep(names.get(), &with, true);
    EXPECT_EQ(with.Log, (Log{"pre x@1", "visit x@1", "post x@1", "pre ,@1", "visit ,@1",
                             "post ,@1", "pre y@1", "visit y@1", "post y@1"}));
    TRecordingVisitor without;
    AcceptNodeListSep(names.get(), &without, false);
    EXPECT_EQ(without.Log, (Log{"pre x@1", "visit x@1", "post x@1", "pre y@1", "visit y@1",
                                "post y@1"}));
    EXPECT_THROW(AcceptNodeListSep(names.get(), nullptr, true), ERkAssertion);
}

TEST(Values, RecordsAndOwningList) {
    auto v = CreateNodeOfClass<TRkValue>();
    v->SetStr2("42");
    EXPECT_EQ(v->AsText(), "42");
    TRkValueList values;
    TRkValue* first = values.Add(std::move(v));
    values.Add(MakeIntegerValue(3));
    EXPECT_EQ(values.Count(), 2);
    EXPECT_EQ(values.GetItem(0), first);
    EXPECT_EQ(values.GetItem(1)->Payload, 3);
    EXPECT_THROW(values.GetItem(2), ERkListError);
    values.Clear();
    EXPECT_EQ(values.Count(), 0);
}

TEST(HostileInput, LongListsAndTexts) {
    // 100k items walked by a loop; a 1 MB token.
    std::string text = "f(";
    for (int i = 0; i < 100000; ++i) text += i ? ",x" : "x";
    text += ") " + std::string(1 << 20, 'y');
    auto l = Script(text);
    Arena arena;
    auto list = CreateNodeOfClass<TRk_List>();
    int32_t comma = -1;
    for (int32_t i = 0; i < l->Count(); ++i) {
        TSourceToken* t = l->GetToken(i);
        if (t->GetText() == ",") comma = i;
        if (t->GetText() != "x") continue;
        TPartsNode* item = arena.Make("x", {t});
        if (comma >= 0) item->SeparatorToken = l->GetToken(comma);
        list->Add(item);
    }
    ASSERT_EQ(list->Count(), 100000);
    class TListHolder : public TPartsNode {
    public:
        TRk_List* Items = nullptr;
        void DoAccept(TRkVisitorAbs& V) override {
            V.PreVisit(this);
            AcceptNodeList(Items, &V);
            V.PostVisit(this);
        }
    };
    TListHolder* holder = arena.Make<TListHolder>("args");
    holder->Items = list.get();
    const std::string args = holder->AsText();
    EXPECT_EQ(args.size(), 2u * 100000 - 1);
    EXPECT_EQ(NodeListText(list.get()), args);
    EXPECT_EQ(NodeListPrettyText(list.get()), args);
    TPartsNode* big = arena.Make("big", {l->GetToken(l->Count() - 1)});
    EXPECT_EQ(big->AsText().size(), 1u << 20);
}
