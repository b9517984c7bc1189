// The script's text held once: the text a host gives is kept as one text,
// which the scanner reads and the stored tokens view, and which stays while
// any token does.
#include "frontend_fixture.h"

namespace {

std::string AllTokenTexts(const TSourceTokenList& L) {
    std::string R;
    for (int i = 0; i < L.Count(); ++i) R += L.GetToken(i)->GetText();
    return R;
}

bool InText(std::string_view Part, std::string_view Whole) {
    return Part.data() >= Whole.data() && Part.data() + Part.size() <= Whole.data() + Whole.size();
}

}  // namespace

TEST(ScriptText, TokensViewTheScriptTextHeldOnce) {
    // The script's text is held once, as the scanner's input: the tokens
    // view their texts there, a literal of a megabyte included, in every
    // dialect, and still read them after the host gives another text.
    const std::string Long(1 << 20, 'x');
    const std::string Script = "create table t (a int, b varchar(10));\n-- note\r\nselect 'it''s', a from t;\r'" +
                               Long + "'\n";
    for (std::uint8_t Vendor : {0, 1, 2, 3, 4}) {
        if (!fetest::GrammarAvailable(Vendor)) continue;
        SCOPED_TRACE(int(Vendor));
        TMarlSqlParser P(Vendor);
        P.SetSqlTextString(Script);
        EXPECT_EQ(P.SqlText(), (std::vector<std::string>{"create table t (a int, b varchar(10));", "-- note",
                                                         "select 'it''s', a from t;", "'" + Long + "'"}));
        ASSERT_GE(P.Parse(), 0);
        const std::string_view Kept = P.Tokens().KeptText();
        ASSERT_EQ(AllTokenTexts(P.Tokens()), Kept);
        int Viewed = 0, Longer = 0;
        for (int i = 0; i < P.Tokens().Count(); ++i) {
            const std::string_view T = P.Tokens().GetToken(i)->GetText();
            if (T.size() < 2) continue;
            ++Longer;
            Viewed += InText(T, Kept);
            if (T.size() > Long.size()) {
                EXPECT_TRUE(InText(T, Kept)) << "the long literal was copied";
            }
        }
        EXPECT_EQ(Viewed, Longer);
        const std::string Before(Kept);
        P.SetSqlTextString("select 1 from dual;");
        EXPECT_EQ(AllTokenTexts(P.Tokens()), Before);
    }
}

TEST(ScriptText, AFailedPrepareLeavesNoTokensOfTheTextBefore) {
    REQUIRE_GRAMMAR();
    TMarlSqlParser P(1);
    P.SetSqlTextString("create table a (x int);\nselect x from a;\n");
    ASSERT_EQ(P.Parse(), 0);
    P.SetSqlfilename("/nonexistent/orrery/none.sql");
    EXPECT_LT(P.Parse(), 0);
    EXPECT_EQ(P.Tokens().Count(), 0);
    EXPECT_EQ(P.Statements().Count(), 0);
    EXPECT_TRUE(P.Tokens().KeptText().empty());
}

TEST(ScriptText, LinesAHostGivesStayAsGivenAndScanClean) {
    REQUIRE_GRAMMAR();
    // A byte-order mark and a NUL byte in host lines: the lines keep them,
    // the scanner's input has none.
    const std::vector<std::string> Lines{"\xEF\xBB\xBF" "select a", std::string("fr\0m t;", 7), ""};
    TMarlSqlParser P(1);
    P.SetSqlText(Lines);
    EXPECT_EQ(P.SqlText(), Lines);
    ASSERT_GE(P.Parse(), 0);
    EXPECT_EQ(AllTokenTexts(P.Tokens()), "select a\r\nfr m t;\r\n\r\n");
    EXPECT_EQ(P.SqlText(), Lines);
    P.SetSqlText({});
    EXPECT_TRUE(P.SqlText().empty());
    EXPECT_LT(P.Parse(), 0);
    EXPECT_NE(P.GetErrorMessages().find("No sql statement!"), std::string::npos);
}
