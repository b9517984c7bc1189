// Data-manipulation statements: INSERT, UPDATE, DELETE and MERGE.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "statementstructure/sqlstatement.h"
#include "statementstructure/sqlstatement_select.h"

class TInsertSqlStatement : public TCustomSqlStatement {
public:
    explicit TInsertSqlStatement(std::uint8_t Vendor);
    ~TInsertSqlStatement() override;

    TRkLazyText ReturningOverride;
    TRk_Node* ReturningNode = nullptr;
    TRkLazyText ColumnListOverride;
    TRkLazyText ValuesOverride;
    TRkLazyText TargetOverride;
    std::unique_ptr<TRkFieldList> ValueFields;
    std::unique_ptr<TSelectSqlStatement> SubSelect;
    std::uint8_t ValuesKind = 0;    // 1 VALUES, 2 sub-select, 3 DEFAULT VALUES, 4 source statement
    std::uint8_t HasInto = 1;

    const char* ClassName() const override { return "TInsertSqlStatement"; }

    std::string GetTargetText();
    std::string GetColumnListText();
    std::string GetValuesText();
    std::string GetValuesPrettyText();
    std::string GetReturningText();
    // The statement that fills the table (ValuesKind 4), nullptr otherwise.
    TCustomSqlStatement* SourceStatement() const { return FSourceStatement; }

    void DoAccept(TRkVisitorAbs& Visitor) override;
    void CreatePP() override;
    void BuildSqlText() override;
    void Reset() override;
    int AnalyzeParseTree() override;

private:
    void ClearModel();
    TCustomSqlStatement* FSourceStatement = nullptr;   // ValuesKind 4, built by a grammar
};

class TUpdateSqlStatement : public TCustomSqlStatement {
public:
    explicit TUpdateSqlStatement(std::uint8_t Vendor);
    ~TUpdateSqlStatement() override;

    TRkLazyText ReturningOverride;
    TRkLazyText TargetOverride;
    TRk_Node* ReturningNode = nullptr;
    TRkLazyText SetListOverride;
    TRkOnDemand<TrkJoinList> FromJoins;
    TRkLazyText FromOverride;
    TRkOnDemand<TrkJoinList> TargetJoins;

    const char* ClassName() const override { return "TUpdateSqlStatement"; }

    std::string GetTargetText();
    std::string GetTargetListText();
    std::string GetTargetListPrettyText();
    std::string GetSetListText();
    std::string GetSetListPrettyText();
    std::string GetFromText();
    std::string GetReturningText();

    void DoAccept(TRkVisitorAbs& Visitor) override;
    void CreatePP() override;
    void BuildSqlText() override;
    void Reset() override;
    int AnalyzeParseTree() override;

private:
    void ClearModel();
};

class TDeleteSqlStatement : public TCustomSqlStatement {
public:
    explicit TDeleteSqlStatement(std::uint8_t Vendor);
    ~TDeleteSqlStatement() override;

    std::uint8_t HasFrom = 1;
    TRkLazyText TargetOverride;
    TRkLazyText ReturningOverride;
    TRk_Node* ReturningNode = nullptr;
    TRkOnDemand<TrkJoinList> FromJoins;
    TRkLazyText FromOverride;
    TRkTable* DeleteTable = nullptr;    // a table of Tables

    const char* ClassName() const override { return "TDeleteSqlStatement"; }

    std::string GetTargetText();
    std::string GetFromText();
    std::string GetReturningText();

    void DoAccept(TRkVisitorAbs& Visitor) override;
    void CreatePP() override;
    void BuildSqlText() override;
    void Reset() override;
    int AnalyzeParseTree() override;

private:
    void ClearModel();
};

class TMergeSqlStatement : public TCustomSqlStatement {
public:
    explicit TMergeSqlStatement(std::uint8_t Vendor);
    ~TMergeSqlStatement() override;

    std::unique_ptr<TSelectSqlStatement> UsingSelect;
    TRkOnDemand<TRkFieldList, true> InsertValueFields;
    TRkOnDemand<TRkFieldList, true> UpdateSetFields;
    TRkOnDemand<TRkFieldList, true> InsertColumnFields;

    const char* ClassName() const override { return "TMergeSqlStatement"; }

    void DoAccept(TRkVisitorAbs& Visitor) override;
    void CreatePP() override;
    void BuildSqlText() override;
    void Reset() override;
    int AnalyzeParseTree() override;
};

// Items' plain texts, each indented to where the text so far ends, joined
// by the separator tokens the items keep.
std::string FieldListText(TRkFieldList* Fields);
