// Inputs no script should hold: each gives statements or error records,
// never a crash or a hang.
#include <random>

#include "frontend_fixture.h"

using fetest::TempFile;

namespace {

// Parses the file and checks the outcome is reported: statements, or
// records, and a result that matches the records.
void ExpectReported(std::uint8_t Vendor, const std::string& Bytes, const char* What) {
    TempFile F(Bytes);
    TMarlSqlParser P(Vendor);
    P.Sqlfilename = F.Path;
    int R = P.Parse();
    SCOPED_TRACE(What);
    EXPECT_TRUE(P.Statements().Count() > 0 || P.ErrorCount() > 0);
    if (R >= 0) {
        EXPECT_EQ(R, P.ErrorCount());
    }
    EXPECT_GE(R, -100);
}

}  // namespace

TEST(HostileInput, EmptyAndBlankFiles) {
    TempFile F("");
    TMarlSqlParser P(1);
    P.Sqlfilename = F.Path;
    EXPECT_EQ(P.Parse(), -1);
    EXPECT_EQ(P.SyntaxErrors().Get(1).Message, "No sql statement!");

    REQUIRE_SCANNER();
    TempFile B("   \n\n\t\n-- only a comment\n");
    TMarlSqlParser Q(1);
    Q.Sqlfilename = B.Path;
    EXPECT_EQ(Q.Parse(), 0);
    EXPECT_EQ(Q.Statements().Count(), 0);
}

TEST(HostileInput, BinaryFile) {
    REQUIRE_SCANNER();
    std::mt19937 Rng(7);
    std::string Bytes(256 * 1024, '\0');
    for (char& C : Bytes) C = static_cast<char>(Rng() & 0xFF);
    ExpectReported(1, Bytes, "random bytes, Oracle");
    ExpectReported(4, Bytes, "random bytes, generic");
}

TEST(HostileInput, NulBytesDoNotEndTheScript) {
    REQUIRE_SCANNER();
    TempFile F(std::string("create table a (x int);\n\0\0\ncreate table b (y int);\n", 50));
    TMarlSqlParser P(4);
    P.Sqlfilename = F.Path;
    P.DoParse();
    int Tables = 0;
    for (TCustomSqlStatement* S : P.Statements()) Tables += S->StatementType == sstCreateTable;
    EXPECT_EQ(Tables, 2);
}

TEST(HostileInput, ByteOrderMarksAndUtf16) {
    REQUIRE_SCANNER();
    {
        TempFile F("\xEF\xBB\xBF" "create table a (x int);\n");
        TMarlSqlParser P(1);
        P.Sqlfilename = F.Path;
        P.DoParse();
        EXPECT_EQ(P.ErrorCount(), 0);
        ASSERT_EQ(P.Statements().Count(), 1);
        EXPECT_EQ(P.Statements().GetStatement(0)->StatementType, sstCreateTable);
    }
    {
        std::string Sql = "create table a (x int);\r\ncreate table b (y int);\r\n";
        std::string Le("\xFF\xFE", 2);
        for (char C : Sql) {
            Le += C;
            Le += '\0';
        }
        TempFile F(Le);
        TMarlSqlParser P(1);
        P.Sqlfilename = F.Path;
        P.DoParse();
        EXPECT_EQ(P.ErrorCount(), 0);
        ASSERT_EQ(P.Statements().Count(), 2);
        EXPECT_EQ(P.Statements().GetStatement(1)->GetTrimmedSqlText(), "create table b (y int)");
    }
}

TEST(HostileInput, TwentyMegabyteLine) {
    REQUIRE_SCANNER();
    // Long names keep the token count (and the memory) moderate.
    const std::string Name(99, 'a');
    std::string Line = "select ";
    while (Line.size() < 20u * 1024 * 1024) Line += Name + "+";
    Line += "1 from dual;";
    ExpectReported(1, Line, "20 MB line");
}

TEST(HostileInput, DeepParentheses) {
    REQUIRE_SCANNER();
    std::string Sql = "select " + std::string(100000, '(') + "1" + std::string(100000, ')') + " from dual;\n";
    ExpectReported(1, Sql, "100000 nested parentheses");
}

TEST(HostileInput, UnterminatedCommentOrStringAtTheEnd) {
    REQUIRE_SCANNER();
    ExpectReported(1, "create table a (x int);\n/* never closed\nselect 1 from dual;\n", "open comment");
    ExpectReported(1, "create table a (x int);\nselect 'never closed from dual;\n", "open string");
    ExpectReported(4, "create table a (x int);\nselect \"never closed from dual;\n", "open quoted name");
}
