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
    static std::string PrinterOf(TRk_Node* N) { return N && N->PP ? N->PP->ClassName() : "none"; }
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
