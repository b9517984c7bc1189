// The front-end component: input, failure records and result codes,
// version texts and the dialect choice.
#include <algorithm>

#include "frontend_fixture.h"
#include "nodes/rkexceptions.h"

using fetest::TempFile;

TEST(FrontEnd, VersionTexts) {
    TMarlSqlParser P(1);
    EXPECT_EQ(P.VersionId, "1.2.3");
    EXPECT_EQ(P.VersionMsg, "Marl sql parser ver1.2.3 for Oracle,MSSQL,MySQL,Access");
}

TEST(FrontEnd, CheckSyntaxOnlyGivesOneFixedFormattedLine) {
    TMarlSqlParser P(1);
    P.SetFormattedSqlText({"a", "b"});
    EXPECT_EQ(P.FormattedSqlText().size(), 2u);
    P.CheckSyntaxOnly = true;
    ASSERT_EQ(P.FormattedSqlText().size(), 1u);
    EXPECT_EQ(P.FormattedSqlText()[0], "Current status is check syntax only,no formatted sql outputted!");
}

TEST(FrontEnd, SqlplusAndSubstitutionModesBelongToOracle) {
    for (int V = 0; V <= 9; ++V) {
        TMarlSqlParser P(static_cast<std::uint8_t>(V));
        EXPECT_EQ(P.SqlplusMode, V == 1);
        EXPECT_EQ(P.SubstitutionMode, V == 1);
    }
}

// Every row of the input-failure table: message, count and result.
TEST(FrontEnd, InputFailuresGiveTheirRecordAndResult) {
    {
        TMarlSqlParser P(1);
        P.Sqlfilename = "/nonexistent/dir/none.sql";
        EXPECT_EQ(P.Parse(), -1);
        ASSERT_EQ(P.ErrorCount(), 1);
        EXPECT_EQ(P.SyntaxErrors().Get(1).Message, "/nonexistent/dir/none.sql does not exists!");
        EXPECT_EQ(P.InputDir, "/nonexistent/dir");
        EXPECT_EQ(P.InputFileName, "/nonexistent/dir/none.sql");
        EXPECT_EQ(P.Statements().Count(), 0);
    }
    {
        TMarlSqlParser P(1);
        EXPECT_EQ(P.Parse(), -1);
        ASSERT_EQ(P.ErrorCount(), 1);
        EXPECT_EQ(P.SyntaxErrors().Get(1).Message, "No sql statement!");
        EXPECT_EQ(P.Tokens().Count(), 0);
        EXPECT_EQ(P.GetErrorMessages(), "(0,0) expected token:No sql statement!");
    }
    {
        TempFile F("");
        TMarlSqlParser P(4);
        P.Sqlfilename = F.Path;
        EXPECT_EQ(P.Parse(), -1);
        EXPECT_EQ(P.SyntaxErrors().Get(1).Message, "No sql statement!");
    }
    {
        // A folder is no file to load: the loader's message is the record.
        TempFile F("x");
        TMarlSqlParser P(4);
        P.Sqlfilename = F.Dir.string();
        EXPECT_EQ(P.Parse(), -1);
        ASSERT_EQ(P.ErrorCount(), 1);
        EXPECT_NE(P.SyntaxErrors().Get(1).Message.find("Cannot"), std::string::npos);
    }
}

TEST(FrontEnd, EveryVendorParsesACreateTable) {
    for (std::uint8_t V : {0, 1, 2, 3, 4}) {
        SCOPED_TRACE(int(V));
        TMarlSqlParser P(V);
        P.SetSqlTextString("create table t (a int);");
        EXPECT_EQ(P.Parse(), 0) << P.GetErrorMessages();
        ASSERT_EQ(P.Statements().Count(), 1);
        EXPECT_EQ(P.Statements().GetStatement(0)->StatementType, sstCreateTable);
    }
}

TEST(FrontEnd, RecordsOfAnEarlierRunDoNotLeakIntoNewOnes) {
    TMarlSqlParser P(1);
    P.AddSyntaxError(6, "x", "tok", 5, 9);
    P.Sqlfilename = "/nonexistent.sql";
    EXPECT_EQ(P.Parse(), -1);
    const TSyntaxError& E = P.SyntaxErrors().Get(1);
    EXPECT_EQ(E.ErrorType, 0);
    EXPECT_EQ(E.TokenText, "");
    EXPECT_EQ(E.Line, 0);
    EXPECT_EQ(P.GetErrorMessages(), "(0,0) expected token:/nonexistent.sql does not exists!");
}

TEST(FrontEnd, ErrorMessageTexts) {
    TMarlSqlParser P(1);
    P.AddSyntaxError(1, "FROM ", "frm", 3, 12);
    EXPECT_EQ(P.GetErrorMessages(), "frm(3,9) expected token:FROM ");
    P.AddSyntaxError(4, "bad layout", "x", 1, 1);
    P.AddSyntaxError(6, "worse", "y", 1, 1);
    P.AddSyntaxError(1, "; ", "end of input", -1, -1);
    EXPECT_EQ(P.GetErrorMessages(),
              "frm(3,9) expected token:FROM \r\npretty print error(bad layout)\r\npretty print error(worse)\r\n"
              "end of input(-1,-1) expected token:; ");
}

TEST(FrontEnd, SplitInputLinesPreparesEveryEncoding) {
    EXPECT_EQ(SplitInputLines("a\r\nb\rc\nd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitInputLines("a\n\nb\n"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(SplitInputLines(""), std::vector<std::string>{});
    // UTF-8 byte-order mark dropped.
    EXPECT_EQ(SplitInputLines("\xEF\xBB\xBFselect 1"), std::vector<std::string>{"select 1"});
    // NUL does not end the text.
    EXPECT_EQ(SplitInputLines(std::string("ab\0cd\nef", 8)), (std::vector<std::string>{"ab cd", "ef"}));
    // UTF-16 little and big endian, with a character outside the basic plane.
    std::string Le("\xFF\xFE" "a\0\r\0\n\0\xE9\0" "=\xD8\x00\xDE", 14);
    EXPECT_EQ(SplitInputLines(Le), (std::vector<std::string>{"a", "\xC3\xA9\xF0\x9F\x98\x80"}));
    std::string Be("\xFE\xFF\0x\0\n\0y", 8);
    EXPECT_EQ(SplitInputLines(Be), (std::vector<std::string>{"x", "y"}));
    // An unpaired surrogate becomes U+FFFD; an odd last byte is dropped.
    std::string Bad("\xFF\xFE\x00\xD8" "a\0z", 7);
    EXPECT_EQ(SplitInputLines(Bad), std::vector<std::string>{"\xEF\xBF\xBD" "a"});
}

TEST(ParserFactory, VendorsMapToTheirDialects) {
    for (std::uint8_t V : {1, 4, 5, 6, 7, 8, 9, 42}) {
        TRkParserFactory F(V);
        EXPECT_TRUE(F.DialectAvailable());
        EXPECT_STREQ(F.CreateParser()->ClassName(), TRkParserFactory(1).CreateParser()->ClassName());
        EXPECT_EQ(F.CreateParser()->DialectCode, 1);
        // Only Oracle has PL/SQL units.
        if (V == 1) {
            auto P = F.CreatePlsqlParser();
            ASSERT_NE(P, nullptr);
            EXPECT_EQ(P->DialectCode, 10);
        } else {
            EXPECT_EQ(F.CreatePlsqlParser(), nullptr);
        }
    }
    {
        TRkParserFactory F(2);
        EXPECT_TRUE(F.DialectAvailable());
        EXPECT_EQ(F.CreateParser()->DialectCode, 7);
        EXPECT_EQ(F.CreatePlsqlParser(), nullptr);
    }
    {
        TRkParserFactory F(3);
        EXPECT_TRUE(F.DialectAvailable());
        EXPECT_EQ(F.CreateParser()->DialectCode, 8);
        EXPECT_EQ(F.CreatePlsqlParser(), nullptr);
    }
    {
        TRkParserFactory F(0);
        EXPECT_TRUE(F.DialectAvailable());
        EXPECT_STREQ(F.CreateParser()->ClassName(), "TRkParserMssqlSql");
        EXPECT_NE(F.CreateLexer(), nullptr);
        EXPECT_EQ(F.CreatePlsqlParser(), nullptr);
    }
}

TEST(ParserFactory, FindKeywordReadsTheOracleTable) {
    int Code = -5;
    EXPECT_TRUE(FindKeyword("select", Code));
    EXPECT_EQ(Code, 465);
    Code = -5;
    EXPECT_TRUE(FindKeyword("SeLeCt", Code));
    EXPECT_EQ(Code, 465);
    EXPECT_TRUE(FindKeyword("EXCEPTION_INIT", Code));
    EXPECT_TRUE(FindKeyword("except", Code));
    EXPECT_EQ(Code, 926);
    Code = -5;
    EXPECT_FALSE(FindKeyword("/", Code));
    EXPECT_FALSE(FindKeyword("selects", Code));
    EXPECT_FALSE(FindKeyword("", Code));
    EXPECT_EQ(Code, -5);
}

// Command words are compared without a copy of the word: any length, any
// byte, and views into a longer text.
TEST(SqlplusCommands, WordsOfAnyLengthAndViews) {
    for (const char* W : {"DISCONNECT", "disconnect", "RePHeAdEr"}) EXPECT_TRUE(IsSqlplusCmd(W)) << W;
    const std::string Long(100000, 'a');
    for (std::string_view W : {std::string_view("disconnected"), std::string_view("rem\0", 4),
                               std::string_view("r\xe9m"), std::string_view(Long)})
        EXPECT_FALSE(IsSqlplusCmd(W)) << W.size();
    const std::string Line = "remark text";
    EXPECT_TRUE(IsSqlplusCmd(std::string_view(Line).substr(0, 3)));
    EXPECT_TRUE(IsSqlplusCmd(std::string_view(Line).substr(0, 6)));
    EXPECT_FALSE(IsSqlplusCmd(std::string_view(Line).substr(0, 4)));
    int Code = 0;
    EXPECT_TRUE(FindKeyword(std::string_view("selected").substr(0, 6), Code));
}

TEST(SqlplusCommands, TableLookUpIgnoresCase) {
    for (const char* W : {"rem", "REM", "Desc", "@", "@@", "whenever", "a", "PROMPT", "set"}) EXPECT_TRUE(IsSqlplusCmd(W)) << W;
    for (const char* W : {"select", "remx", "", "@@@", "begin", "go"}) EXPECT_FALSE(IsSqlplusCmd(W)) << W;
    TMarlSqlParser Oracle(1), Generic(4);
    EXPECT_TRUE(Oracle.IsSqlplusCmdStart("desc"));
    EXPECT_FALSE(Generic.IsSqlplusCmdStart("desc"));
    EXPECT_TRUE(SameWord("Table", "tABLE"));
    EXPECT_FALSE(SameWord("table", "tables"));
}
