// Chains of set operations are flat chains, like a OR b OR ...: whatever
// their length they parse, analyse, print and are freed without a crash,
// their operands' tables are reported and the script around them is kept.
#include <pthread.h>

#include <functional>

#include "frontend_fixture.h"
#include "statementstructure/sqlstatement_select.h"

namespace {

const char* const kOperators[] = {"union", "union all", "minus", "intersect"};

// "select a from t1 OP select a from t2 OP ..." with N operands; Mixed
// cycles through every set operator.
std::string SetChain(int N, const std::string& Op, bool Mixed) {
    std::string r;
    r.reserve(static_cast<size_t>(N) * 32);
    for (int i = 1; i <= N; ++i) {
        if (i > 1) r += " " + (Mixed ? std::string(kOperators[i % 4]) : Op) + " ";
        r += "select a from t" + std::to_string(i);
    }
    return r;
}

// The chain between two tables, through every text of the front end.
void ExpectWhole(std::uint8_t Vendor, const std::string& Chain, int N, bool Printed = true) {
    std::vector<std::string> Tables;
    TMarlSqlParser P(Vendor);
    P.OnTableTokenEvent = [&](TRk_Node*, TSourceToken* t, TRk_Node*) { Tables.emplace_back(t->GetText()); };
    P.SetSqlTextString("create table b (x int);\n" + Chain + ";\ncreate table c (y int);\n");
    ASSERT_EQ(P.Parse(), 0) << "vendor " << int(Vendor) << ": " << P.GetErrorMessages().substr(0, 400);
    ASSERT_EQ(P.Statements().Count(), 3);
    EXPECT_EQ(P.Statements().GetStatement(2)->StatementType, sstCreateTable);
    auto* Sel = dynamic_cast<TSelectSqlStatement*>(P.Statements().GetStatement(1));
    ASSERT_NE(Sel, nullptr);
    EXPECT_EQ(Sel->GetErrorCount(), 0);
    // Every operand's table, in the script's order.
    ASSERT_EQ(Tables.size(), static_cast<size_t>(N) + 2);
    EXPECT_EQ(Tables[1], "t1");
    EXPECT_EQ(Tables[static_cast<size_t>(N)], "t" + std::to_string(N));
    // The innermost statements of the chain hold the first operands.
    TSelectSqlStatement* S = Sel;
    while (S->LeftStatement && S->LeftStatement->SetOperator != 0) S = S->LeftStatement.get();
    ASSERT_NE(S->LeftStatement, nullptr);
    EXPECT_NE(S->LeftStatement->AsText().find("t1"), std::string::npos);
    EXPECT_NE(S->RightStatement->AsText().find("t2"), std::string::npos);

    const std::string Last = "t" + std::to_string(N);
    const std::string Text = Sel->AsText();
    EXPECT_EQ(Text.compare(0, 8, "Select a"), 0);
    EXPECT_NE(Text.find("From t1\r\n"), std::string::npos);
    EXPECT_EQ(Text.compare(Text.size() - Last.size(), Last.size(), Last), 0);
    if (!Printed) return;
    const std::string Pretty = Sel->GetPrettyText();
    EXPECT_NE(Pretty.find("t1"), std::string::npos);
    EXPECT_NE(Pretty.find(Last), std::string::npos);
}

// Runs Body on a thread with a stack of StackKb kilobytes.
void OnSmallStack(size_t StackKb, const std::function<void()>& Body) {
    pthread_attr_t Attr;
    pthread_attr_init(&Attr);
    pthread_attr_setstacksize(&Attr, StackKb * 1024);
    pthread_t Thread;
    auto Run = [](void* Arg) -> void* {
        (*static_cast<const std::function<void()>*>(Arg))();
        return nullptr;
    };
    ASSERT_EQ(pthread_create(&Thread, &Attr, Run, const_cast<std::function<void()>*>(&Body)), 0);
    pthread_join(Thread, nullptr);
    pthread_attr_destroy(&Attr);
}

// Dialects whose grammar makes set operations left-deep and takes all four
// operators.
const std::uint8_t kVendors[] = {1, 4, 2};

TEST(SetChains, AHundredThousandOperandsParseAnalysePrintAndAreFreed) {
    ASSERT_TRUE(fetest::GrammarAvailable(1));
    ExpectWhole(1, SetChain(100000, "", true), 100000);
    // MS Access takes UNION only.
    ASSERT_TRUE(fetest::GrammarAvailable(3));
    ExpectWhole(3, SetChain(100000, "union", false), 100000);
}

// On a small stack a chain far longer than its frames could hold is
// analysed, given as text, walked and freed in loops: each set operator of
// each dialect.  (The printer still recurses per operand up to its nesting
// bound, more than such a stack holds.)
TEST(SetChains, EverySetOperatorOnASmallStack) {
    for (std::uint8_t V : kVendors) {
        for (const char* Op : kOperators) {
            SCOPED_TRACE("vendor " + std::to_string(V) + ", " + Op);
            OnSmallStack(512, [&] { ExpectWhole(V, SetChain(4000, Op, false), 4000, false); });
        }
        SCOPED_TRACE("vendor " + std::to_string(V) + ", mixed");
        OnSmallStack(512, [&] { ExpectWhole(V, SetChain(4000, "", true), 4000, false); });
    }
}

}  // namespace
