// A comment, string or quoted name still open at the end of the script is
// reported where it stands, with the rest of the script as its text; the
// statement before it parses as ever.
#include "frontend_fixture.h"

namespace {

void ExpectReported(std::uint8_t Vendor, const std::string& Script, const std::string& Opener) {
    SCOPED_TRACE(std::to_string(Vendor) + ": " + Script.substr(0, 60));
    TMarlSqlParser P(Vendor);
    P.SetSqlTextString("create table a (x int);\n" + Script);
    EXPECT_EQ(P.Parse(), 1) << P.GetErrorMessages();
    ASSERT_GE(P.ErrorCount(), 1);
    const std::string& Text = P.SyntaxErrors().Get(1).TokenText;
    EXPECT_EQ(Text.rfind(Opener, 0), 0u) << Text.substr(0, 60);
    EXPECT_TRUE(Text.back() == '\n' || Text.back() == '\r');   // it runs to the end of the script
    ASSERT_GE(P.Statements().Count(), 1);
    EXPECT_EQ(P.Statements().GetStatement(0)->StatementType, sstCreateTable);
    EXPECT_EQ(P.Statements().GetStatement(0)->GetErrorCount(), 0);
}

}  // namespace

TEST(OpenLiterals, EveryDialectReportsTheTextLeftOpen) {
    const std::pair<const char*, const char*> Common[] = {
        {"select x from a /* see c:/*.sql */", "/* see"},   // the nested opener is never closed
        {"insert into a values ('it''s);", "'it''s);"},
        {"select \"x from a;", "\"x from a;"},
        {"/* between statements", "/* between"},
        {"grant select on a to 'x;", "'x;"},                // a statement no grammar reads
    };
    for (std::uint8_t V : {1, 2, 3, 4, 7})
        for (const auto& [Script, Opener] : Common)
            ExpectReported(V, Script + std::string("\ncreate table b (y int);\n"), Opener);
    // Each dialect's own quotes and backslash rule, SQL*Plus lines, PL/SQL.
    ExpectReported(2, "select `x from a;\n", "`x");
    ExpectReported(2, "select 'C:\\dir\\' from a;\nselect 1;\n", "'C:\\dir\\' from a;");   // \' escapes
    ExpectReported(3, "select [x from a;\n", "[x");
    ExpectReported(1, "prompt /* see\nselect 1 from a;\n", "/* see");
    ExpectReported(1, "begin\n  null;\n  /* see\nend;\n/\n", "/* see");
    ExpectReported(1, "begin\n  x := 'abc;\nend;\n/\n", "'abc;");
}

TEST(OpenLiterals, HugeOpenStringIsOneRecord) {
    std::string Body;
    while (Body.size() < 6u * 1024 * 1024) Body += "insert into a values (1, 'none');\n";
    for (char& C : Body)
        if (C == '\'') C = '"';
    for (std::uint8_t V : {1, 2, 3}) ExpectReported(V, "select 'x" + Body, "'x");
}
