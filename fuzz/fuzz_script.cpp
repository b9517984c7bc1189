#include "fuzz_script.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unordered_set>

#include "formatter/concretepp.h"
#include "frontend/marlsqlparser.h"
#include "nodes/u_nodes.h"
#include "statementstructure/schemaobjects.h"
#include "statementstructure/sqlstatement.h"

namespace {

// Keeps the texts alive as far as the optimizer can see, so that no reading
// is dropped as dead code.
volatile std::size_t TextLength = 0;

void Use(const std::string& S) { TextLength = TextLength + S.size(); }

void ReadFields(TRkFieldList* Fields) {
    for (int i = 0; Fields != nullptr && i < Fields->Count(); ++i) {
        TRkField* F = Fields->GetField(i);
        if (F == nullptr) continue;
        Use(F->GetFieldText());
        Use(F->GetFieldNameText());
        Use(F->GetQualifierText());
        Use(F->GetAliasText());
        Use(F->AsText());
        Use(F->GetPrettyText());
    }
}

void ReadTables(TRkTableList* Tables) {
    for (int i = 0; Tables != nullptr && i < Tables->Count(); ++i) {
        TRkTable* T = Tables->GetTable(i);
        if (T == nullptr) continue;
        Use(T->GetTableText());
        Use(T->GetTableNameText());
        Use(T->GetSchemaText());
        Use(T->GetAliasText());
        Use(T->AsText());
        Use(T->GetPrettyText());
        ReadFields(T->Columns.get());
    }
}

void ReadStatement(TCustomSqlStatement* S) {
    if (S == nullptr) return;
    Use(S->GetTrimmedSqlText());
    Use(S->AsText());
    Use(S->GetTextByVisitor());
    Use(S->GetPrettyText());
    Use(S->ErrorMessages());
    ReadTables(S->Tables.get());
    ReadFields(S->Fields.get());
    for (auto& Sub : S->SubStatements) ReadStatement(Sub.get());
}

}  // namespace

std::unique_ptr<TMarlSqlParser> ParseScript(std::uint8_t Vendor, const std::uint8_t* Data, std::size_t Size,
                                            int* Result) {
    InstallPrinterHooks();
    auto Parser = std::make_unique<TMarlSqlParser>(Vendor);
    Parser->SetSqlTextString(std::string(reinterpret_cast<const char*>(Data), Size));
    Parser->OnSubstitutionVar = [](TSubstitutionVarList& Vars) {
        for (int i = 0; i < Vars.Count(); ++i) Vars.GetItem(i)->SetValue(i % 2 ? "" : "x1");
    };
    const int R = Parser->Parse();
    if (Result != nullptr) *Result = R;
    return Parser;
}

void ReadStatements(TMarlSqlParser& Parser) {
    for (int i = 0; i < Parser.Statements().Count(); ++i) {
        TCustomSqlStatement* S = Parser.Statements().GetStatement(i);
        AttachStatementPrinters(S);
        ReadStatement(S);
    }
    Use(Parser.GetErrorMessages());
}

void CheckParseOutcome(TMarlSqlParser& Parser, int Result) {
    if (Parser.Vendor() != 0 && Result >= 0) Require(Result == Parser.ErrorCount(), "result is not the error count");
    if (Result < 0) return;
    std::unordered_set<const TSourceToken*> InStatements;
    for (TCustomSqlStatement* S : Parser.Statements())
        for (TSourceToken* T : S->SourceTokens->Items()) InStatements.insert(T);
    // SQL Server's whole-script parse skips what a syntax error spoils; the
    // splitter of the others reports a token that starts no statement.
    bool Reported = Parser.ErrorCount() == 100 || (Parser.Vendor() == 0 && Parser.ErrorCount() > 0);
    for (int i = 1; i <= Parser.ErrorCount(); ++i) Reported |= Parser.SyntaxErrors().Get(i).ErrorType == 2;
    if (Reported) return;
    for (TSourceToken* T : Parser.Tokens().Items())
        Require(!T->IsSignificant() || InStatements.count(T) > 0, "a token was dropped without a record");
}

void Require(bool Condition, const char* What) {
    if (Condition) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", What);
    std::abort();
}
