// Data-definition statements: CREATE TABLE, CREATE INDEX, CREATE VIEW, the
// DROP statements and ALTER TABLE with its (MySQL) alter options.  The
// diagram wizard reads the tables, columns, constraints and indexes that
// these analyses collect.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "statementstructure/sqlstatement.h"
#include "statementstructure/sqlstatement_select.h"

// ---------------------------------------------------------------------------
// CREATE TABLE

class TCreateTableSqlStatement : public TCustomSqlStatement {
public:
    explicit TCreateTableSqlStatement(std::uint8_t Vendor);
    ~TCreateTableSqlStatement() override;

    std::uint8_t TempTableKind = 0;
    std::unique_ptr<TSelectSqlStatement> SubQuery;
    std::int32_t IfNotExists = 0;
    std::unique_ptr<std::vector<std::string>> TableOptions;   // vendor 2 only
    std::int32_t LikeKind = -9999;
    std::string LikeTableName;
    std::uint8_t IsDeclare = 0;
    TSourceToken* OnFilegroupToken = nullptr;
    TSourceToken* TextImageOnToken = nullptr;
    TRk_Node* PhysicalProps = nullptr;

    const char* ClassName() const override { return "TCreateTableSqlStatement"; }

    void SetSubQuery(std::unique_ptr<TSelectSqlStatement> s) { SubQuery = std::move(s); }
    void SetTempTableKind(std::uint8_t k) { TempTableKind = k; }

    void DoAccept(TRkVisitorAbs& Visitor) override;
    void CreatePP() override;
    void BuildSqlText() override;
    void Reset() override;
    int AnalyzeParseTree() override;

private:
    std::unique_ptr<TRkTable> FTable;   // TargetTable
};

// ---------------------------------------------------------------------------
// CREATE INDEX, CREATE VIEW

class TCreateIndexSqlStatement : public TCustomSqlStatement {
public:
    explicit TCreateIndexSqlStatement(std::uint8_t Vendor);
    ~TCreateIndexSqlStatement() override;

    std::uint8_t IndexKind = 0;         // 0 plain, 1 UNIQUE, 2 BITMAP
    TRkOnDemand<TRkTable> IndexTable;
    TRk_Node* IndexNameNode = nullptr;

    const char* ClassName() const override { return "TCreateIndexSqlStatement"; }

    void SetIndexKind(std::uint8_t k) { IndexKind = k; }
    // The index name as written, without the blanks and comments after it.
    std::string GetIndexNameText();

    void DoAccept(TRkVisitorAbs& Visitor) override;
    void CreatePP() override;
    void BuildSqlText() override;
    void Reset() override;
    int AnalyzeParseTree() override;
};

class TCreateViewSqlStatement : public TCustomSqlStatement {
public:
    explicit TCreateViewSqlStatement(std::uint8_t Vendor);
    ~TCreateViewSqlStatement() override;

    std::uint8_t ForceKind = 0;         // 0 none, 1 FORCE, 2 NOFORCE
    std::uint8_t OrReplace = 0;
    TRk_List* ColumnList = nullptr;
    std::unique_ptr<TSelectSqlStatement> Query;
    std::uint8_t WithOption = 0;        // 0 none, 1 WITH READ ONLY, 2 WITH CHECK OPTION
    std::string ConstraintName;
    TRk_Node* ViewNameNode = nullptr;

    const char* ClassName() const override { return "TCreateViewSqlStatement"; }

    void SetColumnList(TRk_List* l) { ColumnList = l; }
    void SetForceKind(std::uint8_t k) { ForceKind = k; }
    void SetOrReplace(std::uint8_t v) { OrReplace = v; }
    void SetConstraintName(const std::string& s) { ConstraintName = s; }
    void SetQuery(std::unique_ptr<TSelectSqlStatement> q) { Query = std::move(q); }
    void SetWithOption(std::uint8_t o) { WithOption = o; }
    std::string GetViewNameText();

    void DoAccept(TRkVisitorAbs& Visitor) override;
    void CreatePP() override;
    void BuildSqlText() override;
    void Reset() override;
    int AnalyzeParseTree() override;
};

// ---------------------------------------------------------------------------
// DROP TABLE, DROP INDEX, DROP VIEW

class TDropTableSqlStatement : public TCustomSqlStatement {
public:
    explicit TDropTableSqlStatement(std::uint8_t Vendor);
    ~TDropTableSqlStatement() override;

    std::uint8_t TempTableKind = 0;
    std::uint8_t Restrict = 0;
    std::uint8_t Cascade = 0;
    std::uint8_t IfExists = 0;

    const char* ClassName() const override { return "TDropTableSqlStatement"; }

    void SetCascade(bool v) { Cascade = v ? 1 : 0; }
    void SetRestrict(bool v) { Restrict = v ? 1 : 0; }

    void DoAccept(TRkVisitorAbs& Visitor) override;
    void CreatePP() override;
    std::string AsText() override;
    void BuildSqlText() override;
    void Reset() override;
    int AnalyzeParseTree() override;

private:
    // Names made for the MySQL name list (one per dropped table); made for
    // that dialect only.
    TRkOnDemand<std::vector<std::unique_ptr<TRk_Attr>>> FNames;
};

class TDropIndexSqlStatement : public TCustomSqlStatement {
public:
    explicit TDropIndexSqlStatement(std::uint8_t Vendor);

    std::uint8_t Force = 0;
    std::string IndexName;
    TRk_Node* NameNode = nullptr;

    const char* ClassName() const override { return "TDropIndexSqlStatement"; }

    void SetForce(bool v) { Force = v ? 1 : 0; }
    void SetIndexName(const std::string& s) { IndexName = s; }

    void CreatePP() override;
    void BuildSqlText() override;
    void Reset() override;
    int AnalyzeParseTree() override;
};

class TDropViewSqlStatement : public TCustomSqlStatement {
public:
    explicit TDropViewSqlStatement(std::uint8_t Vendor);

    std::uint8_t CascadeConstraints = 0;
    std::string ViewName;
    TRk_Node* NameNode = nullptr;

    const char* ClassName() const override { return "TDropViewSqlStatement"; }

    void SetCascadeConstraints(bool v) { CascadeConstraints = v ? 1 : 0; }
    void SetViewName(const std::string& s) { ViewName = s; }

    void CreatePP() override;
    void BuildSqlText() override;
    void Reset() override;
    int AnalyzeParseTree() override;
};

// ---------------------------------------------------------------------------
// ALTER TABLE

// One MySQL ALTER TABLE action (ADD of columns, an index, a primary key, a
// unique key or a foreign key); a node of the statement's parse tree.
class TRkAlterTableOption : public TRk_Node {
public:
    TRkAlterTableOption();
    ~TRkAlterTableOption() override;

    TRkOnDemand<TRkFieldList, true> Fields;
    TRkOnDemand<TRkConstraintList, false> Constraints;
    std::uint8_t Kind = 0;
    TRkColumnDef* ColumnDef = nullptr;
    TRk_List* ElementList = nullptr;
    TRk_List* ColumnList = nullptr;
    TSourceToken* ColumnToken = nullptr;
    TSourceToken* IndexNameToken = nullptr;
    TRk_Node* Position = nullptr;
    TRk_Node* ConstraintName = nullptr;
    TRk_Node* RefClause = nullptr;

    const char* ClassName() const override { return "TRkAlterTableOption"; }

    void DoAccept(TRkVisitorAbs& Visitor) override;
    int Analyze();

private:
    void AcceptElements(TRkVisitorAbs* Visitor);
};

class TRkAlterTableOptionList : public TRk_Node {
public:
    explicit TRkAlterTableOptionList(bool AOwnsObjects);
    ~TRkAlterTableOptionList() override;

    void Add(TRkAlterTableOption* Option);
    void Clear();
    int Count() const { return static_cast<int>(FItems.size()); }
    TRkAlterTableOption* GetOption(int Index) const;

private:
    bool FOwns = false;
    std::vector<TRkAlterTableOption*> FItems;
};

class TAlterTableStatement : public TCustomSqlStatement {
public:
    explicit TAlterTableStatement(std::uint8_t Vendor);
    ~TAlterTableStatement() override;

    std::uint8_t Ignore = 0;
    std::string TableName;
    TRkOnDemand<TRkAlterTableOptionList, false> Options;
    TRkOnDemand<TRkConstraintList, false> Constraints;
    TRkOnDemand<TRkConstraintList, false> AddedConstraints;

    const char* ClassName() const override { return "TAlterTableStatement"; }

    void AddColumnDefs(TRk_List* List);

    void DoAccept(TRkVisitorAbs& Visitor) override;
    void CreatePP() override;
    void BuildSqlText() override;
    void Reset() override;
    int AnalyzeParseTree() override;

private:
    std::unique_ptr<TRkTable> FTable;   // TargetTable
    // Key constraints made for MySQL ADD PRIMARY KEY / UNIQUE / FOREIGN KEY
    // options, which the grammar describes without a constraint node.
    std::vector<std::unique_ptr<TRkConstraint>> FMadeConstraints;
};

// A column definition of an element list as a field: name, type and
// column constraints (items that are no constraint are skipped).
std::unique_ptr<TRkField> ColumnDefField(TRk_Node* ColumnDef);
