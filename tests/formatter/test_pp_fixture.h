// Shared helpers of the printer tests: parse a script through the front end
// and take the pretty text of one statement; the global options are put
// back to their defaults around every test.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "formatter/concretepp.h"
#include "formatter/rkbasetype.h"
#include "frontend/marlsqlparser.h"
#include "parse/parserfactory.h"
#include "statementstructure/sqlstatement.h"

namespace pptest {

inline bool GrammarAvailable(std::uint8_t Vendor) {
    try {
        return TRkParserFactory(Vendor).CreateParser() != nullptr;
    } catch (const std::exception&) {
        return false;
    }
}

class PrinterTest : public ::testing::Test {
protected:
    std::unique_ptr<TMarlSqlParser> Parser;

    void SetUp() override {
        FmtOpt = TRkFmtOpt();
        InstallPrinterHooks();
    }
    void TearDown() override { FmtOpt = TRkFmtOpt(); }

    // Parses Sql with the vendor; skips the test when the dialect has no
    // grammar in this build.
    TCustomSqlStatement* Stmt(const std::string& Sql, int Index = 0, std::uint8_t Vendor = 1) {
        if (!GrammarAvailable(Vendor)) return nullptr;
        Parser = std::make_unique<TMarlSqlParser>(Vendor);
        Parser->SetSqlTextString(Sql);
        Parser->Parse();
        for (int i = 0; i < Parser->Statements().Count(); ++i)
            AttachStatementPrinters(Parser->Statements().GetStatement(i));
        if (Index >= Parser->Statements().Count()) return nullptr;
        return Parser->Statements().GetStatement(Index);
    }

    // Pretty text of statement Index of Sql ("<none>" when it is missing).
    std::string Pretty(const std::string& Sql, int Index = 0, std::uint8_t Vendor = 1) {
        TCustomSqlStatement* s = Stmt(Sql, Index, Vendor);
        return s ? s->GetPrettyText() : std::string("<none>");
    }
};

#define REQUIRE_DIALECT(v) ASSERT_TRUE(pptest::GrammarAvailable(v)) << "dialect " << (v) << " is missing"

}  // namespace pptest
