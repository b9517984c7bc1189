// Queries nested inside queries: each walk (analysis, text, printer) recurses
// once per level, so hostile depths must end in an error record or a parsed
// statement, never a crash, and the script's other statements survive.
#include "frontend_fixture.h"

namespace {

// Head repeated N times, then Inner, then N closing parentheses.
std::string Nested(std::string_view Head, std::string_view Inner, int N) {
    std::string s;
    s.reserve(static_cast<size_t>(N) * (Head.size() + 1) + Inner.size());
    for (int i = 0; i < N; ++i) s += Head;
    s += Inner;
    s.append(static_cast<size_t>(N), ')');
    return s;
}

// select * from (select * from (... t ...)) nested N deep.
std::string NestedFrom(int N) { return Nested("select * from (", "select * from t", N); }

// select a from t where a in (select a from t where a in (...)) nested N deep.
std::string NestedIn(int N) { return Nested("select a from t where a in (", "select a from t", N); }

// The deep query sits between two tables; every text of every statement is
// produced, and the deep one is either a statement or has an error record.
void ExpectSurvives(std::uint8_t Vendor, const std::string& Deep) {
    TMarlSqlParser P(Vendor);
    P.SetSqlTextString("create table a (x int);\n" + Deep + ";\ncreate table b (y int);\n");
    P.Parse();
    int Tables = 0;
    bool DeepSeen = false;
    for (TCustomSqlStatement* S : P.Statements()) {
        Tables += S->StatementType == sstCreateTable;
        if (S->StatementType == sstCreateTable) continue;
        DeepSeen = true;
        ASSERT_TRUE(S->GetRootNode() != nullptr || S->GetErrorCount() > 0);
        if (S->GetRootNode() == nullptr) continue;
        // An SQL Server error statement has no regenerated text of its own.
        EXPECT_FALSE(S->StatementType == sstErrorStmt ? S->GetRawSqlText().empty() : S->AsText().empty());
        EXPECT_FALSE(S->GetPrettyText().empty());
    }
    // The table before the deep query is always kept.
    EXPECT_GE(Tables, 1);
    EXPECT_TRUE(DeepSeen || P.ErrorCount() > 0);
}

TEST(DeepQueries, HostileNestingGivesStatementsOrErrorRecordsInEveryDialect) {
    for (std::uint8_t v : {1, 0, 2, 3, 4}) {
        ASSERT_TRUE(fetest::GrammarAvailable(v));
        for (int n : {1100, 20000}) {
            SCOPED_TRACE("vendor " + std::to_string(v) + ", depth " + std::to_string(n));
            ExpectSurvives(v, NestedFrom(n));
            ExpectSurvives(v, NestedIn(n));
        }
    }
}

}  // namespace
