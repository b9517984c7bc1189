// Formatting keeps the script's text: every statement class gets its
// printer from the front end, literals keep their bytes, no separator lands
// inside a comment, comments around terminators are printed, and formatted
// text formats to itself.
#include <gtest/gtest.h>

#include "statementstructure/sqlstatement.h"
#include "test_pp_fixture.h"

namespace {

// Statement Index of Sql as the front end alone makes it: no printer is
// attached afterwards, as the test fixture would.
class FrontEndPrinters : public pptest::PrinterTest {
protected:
    TCustomSqlStatement* Parsed(const std::string& Sql, int Index = 0, std::uint8_t Vendor = 1) {
        Parser = std::make_unique<TMarlSqlParser>(Vendor);
        Parser->SqlplusMode = true;
        Parser->SetSqlTextString(Sql);
        Parser->Parse();
        return Index < Parser->Statements().Count() ? Parser->Statements().GetStatement(Index) : nullptr;
    }
    static std::string PrinterOf(TRk_Node* N) { return N && N->PP() ? N->PP()->ClassName() : "none"; }
};

TEST_F(FrontEndPrinters, StatementsPrintedAsWrittenGetTheirPrinters) {
    struct Row {
        const char* Sql;
        const char* Class;
        const char* Printer;
        const char* Pretty;
    };
    const Row Rows[] = {
        {"alter session set nls_date_format = 'YYYY';", "TAlterSessionStatement", "TAlterSessionStatementPP",
         "alter session set nls_date_format = 'YYYY'"},
        {"grant select on t to u;", "TUnknownSqlStatement", "TDummyPP", "grant select on t to u"},
        {"prompt Creating tables", "TSqlplusCmdStatement", "TSqlplusCmdStatementPP", "prompt Creating tables\r\n"},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Sql);
        TCustomSqlStatement* S = Parsed(R.Sql);
        ASSERT_NE(S, nullptr);
        EXPECT_STREQ(S->ClassName(), R.Class);
        EXPECT_EQ(PrinterOf(S), R.Printer);
        EXPECT_EQ(S->GetPrettyText(), R.Pretty);
    }
}

// The statements a PL/SQL block embeds are made by the grammar through the
// same factory as the front end's: each is printed as written.
TEST_F(FrontEndPrinters, EmbeddedTransactionStatementsPrintAsWritten) {
    ASSERT_NE(Parsed("begin rollback; end;\n/\n"), nullptr);  // the front end installs the printers
    EXPECT_EQ(PrinterOf(CreateNodeOfClass<TRollbackSqlStatement>(1).get()), "TDummyPP");
    EXPECT_EQ(PrinterOf(CreateNodeOfClass<TSavepointSqlStatement>(1).get()), "TDummyPP");
    EXPECT_EQ(PrinterOf(CreateNodeOfClass<TSetTranscationSqlStatement>(1).get()), "TDummyPP");
    EXPECT_EQ(PrinterOf(CreateNodeOfClass<TLockTableSqlStatement>(1).get()), "TDummyPP");
    EXPECT_EQ(PrinterOf(CreateNodeOfClass<TOracleCallSqlStatement>(1).get()), "TDummyPP");
    // A class without a printer of its own prints its plain text.
    EXPECT_EQ(PrinterOf(CreateNodeOfClass<TCommitSqlStatement>(1).get()), "none");
}

}  // namespace

namespace {

class KeptText : public pptest::PrinterTest {
protected:
    // Pretty text of Sql's first statement, and that the text formats to
    // itself (through the front end alone).
    std::string Twice(const std::string& Sql, std::uint8_t Vendor = 1) {
        const std::string First = Pretty(Sql, 0, Vendor);
        const bool Ended = !First.empty() && First.back() == ';';  // a PL/SQL block prints its own
        EXPECT_EQ(Pretty(Ended ? First : First + ";", 0, Vendor), First) << "formatting the formatted text changed it";
        return First;
    }
};

TEST_F(KeptText, LiteralsKeepTheirLineBreaks) {
    EXPECT_EQ(Twice("insert into t values ('line1\nline2', 1);"),
              "INSERT INTO t\r\nVALUES     ('line1\r\nline2',\r\n            1)");
    // Nested bodies are indented again, with tabs too; a quote in a comment
    // opens no literal.
    for (const char* Opts : {"", "UseTab=1"}) {
        SCOPED_TRACE(Opts);
        pptest::SetOptions(Opts);
        const std::string Block = Twice("begin -- it's\n  if x = 1 then\n    insert into t values ('a\n    b');\n  end if;\nend;");
        EXPECT_NE(Block.find("'a\r\n    b'"), std::string::npos) << Block;
    }
    FmtOpt = TRkFmtOpt();
    // A MySQL backslash escapes the quote; a SQL Server bracketed name keeps
    // its line break too.
    EXPECT_EQ(Twice("insert into t values ('it\\'s\n x', 'y\n z');", 2),
              "INSERT INTO t\r\nVALUES     ('it\\'s\r\n x',\r\n            'y\r\n z')");
    EXPECT_NE(Twice("select [a\n b] from t", 0).find("[a\r\n b]"), std::string::npos);
}

TEST_F(KeptText, TabOutputKeepsLineBreaksAfterComments) {
    pptest::SetOptions("UseTab=1");
    // The comma stays out of the comment: the line break after it is kept.
    EXPECT_EQ(Twice("select a -- note\n, b from t;"), "SELECT a -- note\r\n\t\t\t ,\r\n\t\t\t b\r\nFROM   t");
    EXPECT_EQ(SpacesToTabs("  a\r\n"), "\ta\r\n");
    // A line of tabs only is a line break already.
    EXPECT_EQ(EnsureLineBreak("a\r\n\t\t"), "a\r\n");
}

}  // namespace

namespace {

class KeptComments : public pptest::PrinterTest {};

TEST_F(KeptComments, CommentsAroundTerminatorsAndBeforeTheFirstStatement) {
    pptest::PrinterTest::Parser = std::make_unique<TMarlSqlParser>(1);
    Parser->SetSqlTextString("-- header\n/* more */\nselect a from t; -- after a\ndelete from u; /* b */\n");
    Parser->Parse();
    ASSERT_EQ(Parser->Statements().Count(), 2);
    EXPECT_EQ(Parser->Statements().GetStatement(0)->GetPrettyText(),
              "-- header\r\n/* more */\r\nSELECT a\r\nFROM   t -- after a\r\n");
    EXPECT_EQ(Parser->Statements().GetStatement(1)->GetPrettyText(), "DELETE FROM u /* b */\r\n");
}

TEST_F(KeptComments, LineCommentsHoldingACommentEndStayLineComments) {
    for (const char* Opts : {"CommentStyle=1", "CommentStyle=2"}) {
        pptest::SetOptions(Opts);
        EXPECT_EQ(Pretty("select a -- x\nfrom t;"), "SELECT a /* -- x */\r\nFROM   t");
        EXPECT_EQ(Pretty("select a -- x */ y\nfrom t;"), "SELECT a -- x */ y\r\nFROM   t");
    }
}

TEST_F(KeptComments, SeparatorStylesAboveThreeKeepTheSeparator) {
    pptest::SetOptions("SeparatorStyle=4");
    EXPECT_EQ(Pretty("select a, b from t, u;"), "SELECT a,b\r\nFROM   t,u");
}

TEST_F(KeptComments, ConvertStyleKeepsItsComment) {
    EXPECT_EQ(Pretty("select convert(varchar, d, 103 /* dd/mm/yyyy */) from t", 0, 0),
              "SELECT Convert(varchar,d,103 /* dd/mm/yyyy */)\r\nFROM   t");
}

}  // namespace

namespace {

// Plain texts keep the words and spacing of their lines as written; the
// blanks that started their later lines in the source are the layout's to
// set, or each pass would move them further right.
TEST_F(KeptText, PlainTextsKeepTheirColumnOnEveryPass) {
    EXPECT_EQ(Twice("select trim(both 'x' -- pad\n        from y) from t;"),
              "SELECT Trim(BOTH 'x' -- pad\r\n       from y)\r\nFROM   t");
    EXPECT_EQ(Twice("select extract(year -- part\n        from d) from t;"),
              "SELECT Extract(year -- part\r\n               from d)\r\nFROM   t");
    EXPECT_EQ(Twice("alter table `t` add constraint `fk`\n    foreign key (`a`) references `u` (`a`);", 2),
              "ALTER TABLE `t`\r\n  add constraint `fk`\r\n  foreign key (`a`) references `u` (`a`)");
    EXPECT_EQ(Twice("select top\n    10 a from t", 0), "SELECT top\r\n       10 a\r\nFROM   t");
}

}  // namespace
