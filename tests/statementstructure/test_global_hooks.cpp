// The tests of this folder share one process, and a front end installs the
// printer and statement-model hooks for the whole process when it is made.
// Each test gets back the hooks it started with, so that what a test sees
// never depends on which tests ran before it.
#include <gtest/gtest.h>

#include "formatter/basepp.h"
#include "frontend/marlsqlparser.h"
#include "nodes/u_nodes_generic.h"

namespace {

class TRestoreHooks : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        Printers = RkPrinterHooks;
        StatementPP = RkStatementPPFactory;
        Model = RkStatementHooks;
    }
    void OnTestEnd(const ::testing::TestInfo&) override {
        RkPrinterHooks = Printers;
        RkStatementPPFactory = StatementPP;
        RkStatementHooks = Model;
    }

    TRkPrinterHooks Printers;
    TRkStatementPPFactory StatementPP = nullptr;
    TRkStatementHooks Model;
};

// The listener is in place before the first test starts; gtest owns it.
const bool HooksRestored = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new TRestoreHooks);
    return true;
}();

// Declared in this order, so the second runs after the first in a whole run.
TEST(GlobalHooks, AFrontEndInstallsThePrinters) {
    ASSERT_TRUE(HooksRestored);
    TMarlSqlParser Parser(1);
    EXPECT_NE(RkPrinterHooks.CustomExpressionPP, nullptr);
    EXPECT_NE(RkStatementPPFactory, nullptr);
}

TEST(GlobalHooks, TheNextTestStartsWithoutThem) {
    EXPECT_EQ(RkPrinterHooks.CustomExpressionPP, nullptr);
    EXPECT_EQ(RkStatementPPFactory, nullptr);
}

}  // namespace
