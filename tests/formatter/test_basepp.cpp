#include <gtest/gtest.h>

#include <memory>

#include "formatter/basepp.h"
#include "formatter/rkbasetype.h"
#include "nodes/token_builder.h"
#include "nodes/u_nodes.h"

namespace {
class TUpperPP : public TCustomPP {
public:
    using TCustomPP::TCustomPP;
    std::string GetPrettyText() override { return "printed:" + Owner->AsNode()->AsText(); }
};

// A printable node: gets its printer in the virtual set-up after
// construction.
class TPrintableNode : public TRk_Node {
public:
    int createPPCalls = 0;
    void CreatePP() override {
        ++createPPCalls;
        if (!PP) PP = std::make_unique<TUpperPP>(this);
    }
};
}  // namespace

TEST(PrinterBase, AbstractAndDummyTexts) {
    auto node = CreateNodeOfClass<TRk_Node>();
    node->SetAsText("rollback");
    TCustomPP abstractPP(node.get());
    EXPECT_EQ(abstractPP.GetPrettyText(),
              "Abstract class of Pretty printer can not return pretty text");
    EXPECT_EQ(abstractPP.PadWidth, 0);

    TDummyPP dummy(node.get());
    EXPECT_EQ(dummy.GetPrettyText(), "rollback");

    TSourceTokenList notANode(false);
    TDummyPP wrongOwner(&notANode);
    EXPECT_EQ(wrongOwner.GetPrettyText(), "Pretty printer owner class is wrong: TSourceTokenList");
}

TEST(PrinterBase, DummyPrinterIgnoresTheFormattingOptions) {
    auto list = testtok::Script("rollback work");
    auto node = CreateNodeOfClass<TRk_Node>();
    node->SetAsText(list->GetToken(0)->Text + " WORK");
    TDummyPP dummy(node.get());
    EXPECT_EQ(dummy.GetPrettyText(), "rollback WORK");
}

TEST(PrinterBase, FactoryCreatesThePrinterAfterConstruction) {
    auto node = CreateNodeOfClass<TPrintableNode>();
    EXPECT_EQ(node->createPPCalls, 1);
    ASSERT_NE(node->PP, nullptr);
    EXPECT_EQ(node->PP->Owner, node.get());
    node->SetAsText("x");
    EXPECT_EQ(node->GetPrettyText(), "printed:x");
    EXPECT_EQ(node->AsText(), "x");

    // A node of a class without a printer formats as its plain text.
    auto plain = CreateNodeOfClass<TRk_Node>();
    plain->SetAsText("y");
    EXPECT_EQ(plain->PP, nullptr);
    EXPECT_EQ(plain->GetPrettyText(), "y");
}

TEST(PrinterBase, OptionCopiesSaveAndRestore) {
    TRkFmtOpt saved = FmtOpt;
    FmtOpt.SetSeparatorStyle(2);
    FmtOpt.SetAndOrPlacement(1);
    FmtOpt.SetExprListOneLine(1);
    TFmtOptPP pp(nullptr);
    FmtOpt = saved;
    EXPECT_EQ(pp.SeparatorStyle, 2);
    EXPECT_EQ(pp.AndOrPlacement, 1);
    EXPECT_EQ(pp.ExprListOneLine, 1);
    EXPECT_EQ(pp.BackupSeparatorStyle, 2);
    pp.SaveOptions();
    pp.SeparatorStyle = 0;
    pp.AndOrPlacement = 2;
    pp.ExprListOneLine = 0;
    pp.RestoreOptions();
    EXPECT_EQ(pp.SeparatorStyle, 2);
    EXPECT_EQ(pp.AndOrPlacement, 1);
    EXPECT_EQ(pp.ExprListOneLine, 1);
}
