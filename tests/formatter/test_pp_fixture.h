// Shared helpers of the printer tests: parse a script through the front end
// and take the pretty text of one statement; golden tables of script, option
// settings and expected text; the global options are put back to their
// defaults around every test.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <cstring>
#include <memory>
#include <sstream>
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

#define REQUIRE_DIALECT(v) ASSERT_TRUE(pptest::GrammarAvailable(v)) << "dialect " << (v) << " is missing"

// The defaults, then the options of Spec ("DeclListOneLine=1 UseTab=1").
inline void SetOptions(const std::string& Spec) {
    static const struct {
        const char* Name;
        uint8_t TRkFmtOpt::*Field;
    } Fields[] = {
        {"KeywordCase", &TRkFmtOpt::KeywordCase}, {"IdentifierCase", &TRkFmtOpt::IdentifierCase},
        {"FunctionNameCase", &TRkFmtOpt::FunctionNameCase}, {"KeywordAlign", &TRkFmtOpt::KeywordAlign},
        {"UpdateKeywordAlign", &TRkFmtOpt::UpdateKeywordAlign},
        {"DeleteKeywordAlign", &TRkFmtOpt::DeleteKeywordAlign},
        {"InsertColumnListOneLine", &TRkFmtOpt::InsertColumnListOneLine},
        {"DeclListOneLine", &TRkFmtOpt::DeclListOneLine}, {"AndOrPlacement", &TRkFmtOpt::AndOrPlacement},
        {"SeparatorStyle", &TRkFmtOpt::SeparatorStyle}, {"ExprListOneLine", &TRkFmtOpt::ExprListOneLine},
        {"VarDeclAlign", &TRkFmtOpt::VarDeclAlign}, {"ParamDeclAlign", &TRkFmtOpt::ParamDeclAlign},
        {"DeclSeparatorStyle", &TRkFmtOpt::DeclSeparatorStyle},
        {"ColumnDefListOneLine", &TRkFmtOpt::ColumnDefListOneLine},
        {"ColumnDefSeparatorStyle", &TRkFmtOpt::ColumnDefSeparatorStyle},
        {"AlignAndOrWithWhere", &TRkFmtOpt::AlignAndOrWithWhere},
        {"FuncArgsOneLine", &TRkFmtOpt::FuncArgsOneLine}, {"UseTab", &TRkFmtOpt::UseTab},
        {"CommentStyle", &TRkFmtOpt::CommentStyle},
    };
    FmtOpt = TRkFmtOpt();
    std::istringstream In(Spec);
    for (std::string Item; In >> Item;) {
        const size_t Eq = Item.find('=');
        bool Known = false;
        for (const auto& F : Fields)
            if (Item.compare(0, Eq, F.Name) == 0 && Eq == std::strlen(F.Name)) {
                FmtOpt.*F.Field = static_cast<uint8_t>(std::stoi(Item.substr(Eq + 1)));
                Known = true;
            }
        if (!Known) ADD_FAILURE() << "unknown option " << Item;
    }
}

// Script, options over the defaults, pretty text of its first statement.
struct Golden {
    const char* Opts;
    const char* Sql;
    const char* Pretty;
};

class PrinterTest : public ::testing::Test {
protected:
    std::unique_ptr<TMarlSqlParser> Parser;

    void SetUp() override {
        FmtOpt = TRkFmtOpt();
        InstallPrinterHooks();
    }
    void TearDown() override { FmtOpt = TRkFmtOpt(); }

    // Statement Index of Sql parsed with the vendor (nullptr when missing).
    TCustomSqlStatement* Stmt(const std::string& Sql, int Index = 0, std::uint8_t Vendor = 1) {
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

    void ExpectGoldens(std::initializer_list<Golden> Rows, std::uint8_t Vendor = 1) {
        for (const Golden& g : Rows) {
            SCOPED_TRACE(std::string(g.Sql) + " [" + g.Opts + "]");
            SetOptions(g.Opts);
            EXPECT_EQ(Pretty(g.Sql, 0, Vendor), g.Pretty);
        }
        FmtOpt = TRkFmtOpt();
    }
};

// Occurrences of Word in Text.
inline int Occurrences(const std::string& Text, const std::string& Word) {
    int n = 0;
    for (size_t p = Text.find(Word); p != std::string::npos; p = Text.find(Word, p + Word.size())) ++n;
    return n;
}

}  // namespace pptest
