// A comment, string or quoted name still open at the end of the script is
// reported where it opens, with the rest of the script as its text; the
// statement before it parses as ever.
#include <fstream>
#include <sstream>

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
    ExpectReported(1, "prompt x\n/* see\nselect 1 from a;\n", "/* see");
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

namespace {

// Line and column (from 1) of byte Offset of Script.
std::pair<int, int> PositionOf(const std::string& Script, size_t Offset) {
    const size_t LineStart = Offset == 0 ? 0 : Script.rfind('\n', Offset - 1) + 1;
    const int Line = 1 + static_cast<int>(std::count(Script.begin(), Script.begin() + static_cast<long>(Offset), '\n'));
    return {Line, static_cast<int>(Offset - LineStart) + 1};
}

// The script's first error record points at byte At of the script.
void ExpectReportedAt(std::uint8_t Vendor, const std::string& Script, size_t At) {
    SCOPED_TRACE(std::to_string(Vendor) + ": " + Script.substr(0, 80) + "... at " + std::to_string(At));
    TMarlSqlParser P(Vendor);
    P.SetSqlTextString(Script);
    P.Parse();
    ASSERT_GE(P.ErrorCount(), 1);
    const TSyntaxError& E = P.SyntaxErrors().Get(1);
    EXPECT_EQ(std::make_pair(E.Line, E.Column), PositionOf(Script, At)) << E.TokenText.substr(0, 40);
}

// ... where Opener first stands.
void ExpectReportedAt(std::uint8_t Vendor, const std::string& Script, const std::string& Opener) {
    const size_t At = Script.find(Opener);
    ASSERT_NE(At, std::string::npos);
    ExpectReportedAt(Vendor, Script, At);
}

}  // namespace

TEST(OpenLiterals, TheRecordPointsWhereTheLiteralOpens) {
    const std::string Rest = "\ncreate table t2 (c1 integer);\ncreate table t3 (c1 integer);\n";
    for (std::uint8_t V : {0, 1, 2, 3, 4}) {
        ExpectReportedAt(V, "SELECT c1 FROM t1 WHERE c2 = 'x;" + Rest, "'x");
        ExpectReportedAt(V, "select c1 from t1\n  where c2 = N'x;" + Rest, "N'x");
        ExpectReportedAt(V, "select c1 from t1 where c2 = \"x;" + Rest, "\"x");
        ExpectReportedAt(V, "select c1 from t1;\n  /* see c:/*.sql */" + Rest, "/* see");
        ExpectReportedAt(V, "select c1 from t1 where c2 = 1+/*+ x;" + Rest, "/*+");   // inside an operator run
        ExpectReportedAt(V, "create table t0 (c0 int);\n\n   'x;" + Rest, "'x");   // no statement starts with it
        ExpectReportedAt(V, "select c1 from t1; select c2 from t2 where c3 = 'x" + Rest, "'x");
    }
    for (std::uint8_t V : {0, 2, 3}) ExpectReportedAt(V, "select c1 from t1 where c2 = [x;" + Rest, "[x");
    ExpectReportedAt(2, "select c1 from t1 where c2 = `x;" + Rest, "`x");
    ExpectReportedAt(0, "select '\\x" + Rest, "'\\x");   // a backslash after the quote
    ExpectReportedAt(1, "grant select on a to 'x;" + Rest, "'x");   // a statement no grammar reads
    ExpectReportedAt(1, "begin\n  x := 'abc;\nend;\n/\n", "'abc");
    ExpectReportedAt(0, "begin\n  insert into t values ('abc\n", "'abc");
}

// Before every token of each dialect's sample script in turn, an opener
// never closed after it: the first record points at it.  (A SQL Server
// script of nothing but comments has the driver's records of its own.)
TEST(OpenLiterals, AnOpenerBeforeAnyTokenOfASampleIsReportedWhereItStands) {
    const char* Source = std::getenv("ORRERY_SOURCE_DIR");
    ASSERT_NE(Source, nullptr);
    const std::pair<std::uint8_t, const char*> Samples[] = {
        {0, "mssql_projects"}, {1, "oracle_hr"}, {2, "mysql_shop"}, {3, "access_contacts"}, {4, "generic_library"}};
    for (const auto& [V, Name] : Samples) {
        std::ifstream In(std::string(Source) + "/samples/" + Name + ".sql", std::ios::binary);
        std::stringstream Text;
        Text << In.rdbuf();
        TMarlSqlParser P(V);
        P.SetSqlTextString(Text.str());
        P.Parse();
        ASSERT_EQ(P.ErrorCount(), 0) << Name;
        std::vector<std::string> Pieces;
        std::vector<bool> Significant;
        for (int i = 0; i < P.Tokens().Count(); ++i) {
            Pieces.emplace_back(P.Tokens().GetToken(i)->GetText());
            Significant.push_back(P.Tokens().GetToken(i)->IsSignificant());
        }
        const size_t First = std::find(Significant.begin(), Significant.end(), true) - Significant.begin();
        // Each opener goes after the last place its closer or itself stands.
        for (const auto& [Opener, Closer] : {std::pair<std::string, std::string>{"/*", "*/"}, {"'", "'"}, {"\"", "\""}}) {
            std::string Before;
            size_t From = 0;
            for (size_t i = 0; i < Pieces.size(); ++i)
                if (Pieces[i].find(Opener) != std::string::npos || Pieces[i].find(Closer) != std::string::npos) From = i + 1;
            for (size_t i = 0; i < Pieces.size(); ++i) {
                // (After a lone N a quote opens an N'' string there.)
                const bool AfterN = i > 0 && (Pieces[i - 1] == "N" || Pieces[i - 1] == "n");
                if (i >= From && Significant[i] && !AfterN && (V != 0 || i > First)) {
                    std::string Script = Before + Opener;
                    for (size_t j = i; j < Pieces.size(); ++j) Script += Pieces[j];
                    ExpectReportedAt(V, Script, Before.size());
                    if (HasFatalFailure()) return;
                }
                Before += Pieces[i];
            }
        }
    }
}
