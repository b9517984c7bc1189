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

std::vector<std::string> Names(const std::string& Text) {
    std::vector<std::string> R;
    Substitute(Text, [&](TSubstitutionVarList& L) {
        for (int i = 0; i < L.Count(); ++i) R.push_back(L.GetItem(i)->GetName());
    });
    return R;
}

}  // namespace

TEST(SubstitutionVariables, NamesFollowTheNameRule) {
    EXPECT_EQ(Names("select &a, &&b, &c0, & from t"),
              (std::vector<std::string>{"&a", "&&b", "&c", "&"}));
    EXPECT_EQ(Names("x&a&b"), (std::vector<std::string>{"&a", "&b"}));
    EXPECT_EQ(Names("&x_1#$y9"), (std::vector<std::string>{"&x_1#$y9"}));
    EXPECT_EQ(Names("&&&a"), (std::vector<std::string>{"&&", "&a"}));
    EXPECT_EQ(Names("no variables"), std::vector<std::string>{});
    EXPECT_EQ(Names("ends with &"), (std::vector<std::string>{"&"}));
}

TEST(SubstitutionVariables, EveryOccurrenceTakesItsOwnEntry) {
    std::string R = Substitute("select &a, &&b, &c0, & from t where x = '&a'", [](TSubstitutionVarList& L) {
        ASSERT_EQ(L.Count(), 5);
        const char* Values[] = {"1", "2", "3", "", "4"};
        for (int i = 0; i < 5; ++i) L.GetItem(i)->SetValue(Values[i]);
    });
    EXPECT_EQ(R, "select 1, 2, 30,   from t where x = '4'");
}

TEST(SubstitutionVariables, WithoutAHostEveryVariableBecomesOneBlank) {
    EXPECT_EQ(Substitute("a&x b &&y c&", nullptr), "a  b   c ");
}

TEST(SubstitutionVariables, AValueHoldingAnAmpersandNameIsNotSubstitutedAgain) {
    std::string R = Substitute("&a and &b", [](TSubstitutionVarList& L) {
        L.GetItem(0)->SetValue("&b");
        L.GetItem(1)->SetValue("B");
    });
    EXPECT_EQ(R, "&b and B");
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
