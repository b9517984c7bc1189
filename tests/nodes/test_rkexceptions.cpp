#include <gtest/gtest.h>

#include "nodes/rkexceptions.h"

TEST(RkExceptions, MessagesCarryTheSystemTexts) {
    EXPECT_STREQ(ERkListError(7).what(), "List index out of bounds (7)");
    EXPECT_STREQ(ERkListError(-1).what(), "List index out of bounds (-1)");
    EXPECT_STREQ(ERkRangeError().what(), "Range check error");
    try {
        RK_ASSERT(false, "Visitor unassigned", "nodes/u_nodes");
        FAIL() << "assertion did not throw";
    } catch (const ERkAssertion& e) {
        std::string text = e.what();
        EXPECT_EQ(text.rfind("Visitor unassigned (nodes/u_nodes, line ", 0), 0u) << text;
        EXPECT_EQ(text.back(), ')');
    }
}
