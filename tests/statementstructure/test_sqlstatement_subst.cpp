// Substitution variables and error records.
#include <gtest/gtest.h>

#include <stdexcept>

#include "nodes/rkexceptions.h"
#include "frontend/marlsqlparser.h"
#include "parse/parserfactory.h"
#include "statementstructure/sqlstatement.h"

static_assert(sstErrorStmt + 1 == SqlStatementTypeCount);
static_assert(sstCreateTable == 5 && sstCreateIndex == 25 && sstAlterTable == 31);

namespace {

std::string Substitute(const std::string& Text, const TOnSubstitutionVarEvent& Event) {
    TSubStitutionVarProcess P;
    P.SetText(Text);
    if (Event) P.SetOnSubstitutionVar(Event);
    P.Execute();
    return P.Text;
}

}  // namespace

TEST(SubstitutionVariables, NamesAndValues) {
    const struct {
        const char* text;
        std::vector<std::string> names;
        std::vector<const char*> values;
        const char* result;
        bool host = true;
    } rows[] = {
        // Every occurrence takes its own entry; names follow the name rule.
        {"select &a, &&b, &c0, & from t where x = '&a'", {"&a", "&&b", "&c", "&", "&a"}, {"1", "2", "3", "", "4"},
         "select 1, 2, 30,   from t where x = '4'"},
        {"x&a&b", {"&a", "&b"}, {"1", "2"}, "x12"},
        {"&x_1#$y9", {"&x_1#$y9"}, {"v"}, "v"},
        {"&&&a", {"&&", "&a"}, {"1", "2"}, "12"},
        {"no variables", {}, {}, "no variables"},
        {"ends with &", {"&"}, {"!"}, "ends with !"},
        // A value holding an ampersand name is not substituted again.
        {"&a and &b", {"&a", "&b"}, {"&b", "B"}, "&b and B"},
        // Without a host every variable becomes one blank.
        {"a&x b &&y c&", {}, {}, "a  b   c ", false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.text);
        std::vector<std::string> names;
        auto host = [&](TSubstitutionVarList& L) {
            for (int i = 0; i < L.Count(); ++i) names.push_back(L.GetItem(i)->GetName());
            ASSERT_EQ(L.Count(), static_cast<int>(r.values.size()));
            for (int i = 0; i < L.Count(); ++i) L.GetItem(i)->SetValue(r.values[i]);
        };
        EXPECT_EQ(Substitute(r.text, r.host ? TOnSubstitutionVarEvent(host) : nullptr), r.result);
        EXPECT_EQ(names, r.names);
    }
}

TEST(SubstitutionVariables, AFailingHostLeavesTheTextAsItWas) {
    std::string R = Substitute("select &a from t", [](TSubstitutionVarList& L) {
        L.GetItem(0)->SetValue("x");
        throw std::runtime_error("host failed");
    });
    EXPECT_EQ(R, "select &a from t");
}

TEST(SubstitutionVariables, PosFromIsOneBased) {
    EXPECT_EQ(PosFrom("&", "a&b&", 1), 2);
    EXPECT_EQ(PosFrom("&", "a&b&", 3), 4);
    EXPECT_EQ(PosFrom("&", "a&b&", 5), 0);
    EXPECT_EQ(PosFrom("&", "abc", 1), 0);
    EXPECT_EQ(PosFrom("bc", "abc", 3), 0);
    EXPECT_EQ(PosFrom("bc", "abc", 2), 2);
}

TEST(SubstitutionVariables, ListIndexErrorsCarryTheListMessage) {
    TSubstitutionVarList L;
    EXPECT_EQ(L.Count(), 0);
    try {
        L.GetItem(0);
        FAIL();
    } catch (const ERkListError& E) {
        EXPECT_STREQ(E.what(), "List index out of bounds (0)");
    }
}

TEST(SyntaxErrorRecords, CountStopsAtOneHundredAndTheLastSlotHoldsTheLatest) {
    TSyntaxErrorArray A;
    for (int i = 1; i <= 150; ++i) A.NewError().Message = "e" + std::to_string(i);
    EXPECT_EQ(A.Count(), 100);
    EXPECT_EQ(A.Get(99).Message, "e99");
    EXPECT_EQ(A.Get(100).Message, "e150");
    EXPECT_THROW(A.Get(0), ERkRangeError);
    EXPECT_THROW(A.Get(101), ERkRangeError);
}

TEST(SyntaxErrorRecords, AReusedSlotStartsCleared) {
    TSyntaxErrorArray A;
    AddParserErrorRecord(A, 4, "exp", "tok", 3, 9);
    A.Clear();
    TSyntaxError& E = A.NewError();
    EXPECT_EQ(E.TokenText, "");
    EXPECT_EQ(E.Line, 0);
    EXPECT_EQ(E.Column, 0);
    EXPECT_EQ(E.ErrorType, 0);
    EXPECT_EQ(E.Message, "");
}

TEST(SyntaxErrorRecords, ParserErrorsReportTheTokensFirstColumn) {
    TSyntaxErrorArray A;
    AddParserErrorRecord(A, 1, "FROM ", "frm", 2, 10);
    AddParserErrorRecord(A, 1, "FROM ", "longtoken", 2, 3);
    AddParserErrorRecord(A, 1, "; ", "end of input", -1, -1);
    ASSERT_EQ(A.Count(), 3);
    EXPECT_EQ(A.Get(1).Column, 7);
    EXPECT_EQ(A.Get(1).Line, 2);
    EXPECT_EQ(A.Get(1).ErrorType, 1);
    EXPECT_EQ(A.Get(1).Message, "FROM ");
    EXPECT_EQ(A.Get(2).Column, 0);
    EXPECT_EQ(A.Get(3).Column, -1);
    EXPECT_EQ(A.Get(3).Line, -1);
}
