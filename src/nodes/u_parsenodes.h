// Raw statement parse nodes: one class per statement or clause of the
// grammars.  Most are plain field holders that the statement model reads;
// a few clause nodes walk and print themselves.  Node references are not
// owned (the parser's node pool owns every node) unless said otherwise.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "nodes/u_nodes.h"

class TRk_AliasClause;
class TRk_Attr;
class TRk_DummyNode;
class TRk_for_update_clause;
class TRk_MssqlCompute;
class TRk_SelectLimitClause;
class TRk_TableRef;
class TRkinsert_rest;
class TRkReturningClause;

// Holders are TRk_DummyNode objects that carry a clause's keyword tokens.

class TRk_SelectStmt : public TRk_Node {
public:
    TRk_Node* DistinctClause = nullptr;
    TRk_Node* TopClause = nullptr;
    TRk_List* IntoList = nullptr;
    TRk_Node* IntoClause = nullptr;
    TRk_Node* IntoTable = nullptr;        // filled by other dialects
    TRk_Node* IntoTableClause = nullptr;  // filled by other dialects
    TRk_List* TargetList = nullptr;
    TRk_List* FromList = nullptr;
    TRk_Node* FromClause = nullptr;
    TRk_Node* WhereCondition = nullptr;
    TRk_Node* WhereClause = nullptr;
    TRk_List* GroupByList = nullptr;
    TRk_Node* GroupByClause = nullptr;
    TRk_Node* HavingCondition = nullptr;
    TRk_Node* HavingClause = nullptr;
    TRk_Node* HierarchicalClause = nullptr;
    TSourceToken* SelectToken = nullptr;
    TRk_List* SortList = nullptr;
    TRk_Node* OrderByClause = nullptr;
    TRk_SelectLimitClause* LimitClause = nullptr;
    TRk_Node* ProcedureClause = nullptr;  // filled by other dialects
    TRk_Node* LockClause = nullptr;       // filled by other dialects
    TRk_for_update_clause* ForUpdateClause = nullptr;
    TRk_MssqlCompute* ComputeClause = nullptr;
    uint8_t SetOperation = 0;   // 1 UNION, 2 UNION ALL, 3 MINUS, 4 INTERSECT
    TSourceToken* SetAllToken = nullptr;
    TSourceToken* SetOperatorToken = nullptr;
    TRk_Node* LeftSelect = nullptr;
    TRk_Node* RightSelect = nullptr;
    TRk_Node* OptionClause = nullptr;     // filled by other dialects
    uint8_t OptionFlag = 0;               // filled by other dialects
    uint8_t IsBulkCollect = 0;
    int32_t ParenCount = 0;
    int32_t InnerParenCount = 0;

    TRk_SelectStmt();
    const char* ClassName() const override { return "TRk_SelectStmt"; }
};

class TRk_ResTarget : public TRk_Node {
public:
    TRk_Node* Indirection = nullptr;      // filled by other dialects
    uint8_t AssignForm = 0;               // filled by other dialects
    TRk_Node* ValueExpr = nullptr;
    uint8_t HasAlias = 0;
    TRk_AliasClause* AliasClause = nullptr;

    TRk_ResTarget();
    const char* ClassName() const override { return "TRk_ResTarget"; }
};

class TRk_TableRef : public TRk_Node {
public:
    TRk_Node* Source = nullptr;           // name, query or expression
    TRk_List* HintList = nullptr;         // filled by other dialects
    uint8_t IsTableCollection = 0;
    TSourceToken* WithToken = nullptr;    // filled by other dialects
    TRk_List* ColumnList = nullptr;
    uint8_t NoColumnList = 1;             // 0 when a column list is given
    uint8_t HasColumnList = 0;
    TRk_AliasClause* Alias = nullptr;

    TRk_TableRef();
    const char* ClassName() const override { return "TRk_TableRef"; }
};

class TRk_joinqual : public TRk_Node {
public:
    int32_t QualKind = 0;   // 1 USING, 2 ON
    TRk_List* UsingList = nullptr;
    TRk_Node* OnCondition = nullptr;

    TRk_joinqual();
    const char* ClassName() const override { return "TRk_joinqual"; }
};

class TRk_for_update_clause : public TRk_Node {
public:
    TRk_List* ColumnList = nullptr;
    TRk_Node* WaitOption = nullptr;
    int32_t ForUpdateKind = 0;   // 1 FOR UPDATE OF, 2 FOR READ ONLY, 3 FOR UPDATE

    TRk_for_update_clause();
    const char* ClassName() const override { return "TRk_for_update_clause"; }
};

class TRk_InsertStmt : public TRk_Node {
public:
    TRk_List* ValuesList = nullptr;
    TRk_List* ColumnList = nullptr;        // copied from the insert-rest node
    TRk_Node* SubSelect = nullptr;
    TRk_Node* ExecuteClause = nullptr;     // filled by other dialects
    TRkReturningClause* ReturningClause = nullptr;
    TRk_Node* ErrorLogClause = nullptr;    // set to nil
    uint8_t HasInto = 1;
    TRk_TableRef* TargetTable = nullptr;
    TRkinsert_rest* InsertRest = nullptr;

    TRk_InsertStmt();
    const char* ClassName() const override { return "TRk_InsertStmt"; }
};

class TRkinsert_rest : public TRk_Node {
public:
    TRk_List* ValuesList = nullptr;   // TRk_ResTarget items
    TRk_List* ColumnList = nullptr;
    TRk_Node* SubSelect = nullptr;
    TRk_Node* ExecuteClause = nullptr;   // filled by other dialects

    TRkinsert_rest();
    const char* ClassName() const override { return "TRkinsert_rest"; }
};

class TRk_UpdateStmt : public TRk_Node {
public:
    TRk_List* SetList = nullptr;
    TRk_Node* WhereCondition = nullptr;
    TRk_Node* WhereClause = nullptr;
    TRkReturningClause* ReturningClause = nullptr;
    TRk_TableRef* TargetTable = nullptr;
    TRk_List* UpdateTables = nullptr;    // several targets, or a join (MySQL, MS Access)
    TRk_List* FromList = nullptr;        // filled by other dialects
    TRk_Node* FromClause = nullptr;      // filled by other dialects

    TRk_UpdateStmt();
    const char* ClassName() const override { return "TRk_UpdateStmt"; }
};

class TRk_DeleteStmt : public TRk_Node {
public:
    TRk_Node* WhereCondition = nullptr;
    TRk_Node* WhereClause = nullptr;
    TRkReturningClause* ReturningClause = nullptr;
    TRk_Node* UsingClause = nullptr;     // set to nil
    uint8_t FromOmitted = 0;
    TRk_TableRef* TargetTable = nullptr;
    TRk_List* FromList = nullptr;        // filled by other dialects
    TRk_Node* FromClause = nullptr;      // filled by other dialects

    TRk_DeleteStmt();
    const char* ClassName() const override { return "TRk_DeleteStmt"; }
};

class TRk_CreateTableStmt : public TRk_Node {
public:
    TRk_List* ColumnNameList = nullptr;    // AS forms
    TRk_Node* Query = nullptr;             // AS forms
    TRk_Attr* TableName = nullptr;
    TRk_List* ElementList = nullptr;       // column definitions and table constraints
    int32_t TableKind = 0;                 // 0 to 6
    TSourceToken* AsToken = nullptr;
    TRk_DummyNode* TableKindNode = nullptr;
    TRk_Node* PhysicalProperties = nullptr;
    // Filled by other dialects.
    uint8_t DeclareFlag = 0;               // 1 for a table-variable declaration
    TSourceToken* OnFilegroupToken = nullptr;
    TRk_DummyNode* OnClause = nullptr;
    TSourceToken* TextImageOnToken = nullptr;
    TRk_DummyNode* TextImageOnClause = nullptr;
    TRk_List* TableOptions = nullptr;
    TRk_DummyNode* IfNotExists = nullptr;
    TSourceToken* LikeToken = nullptr;
    TRk_Node* LikeSource = nullptr;
    TSourceToken* LikeOpenToken = nullptr;
    TSourceToken* LikeCloseToken = nullptr;
    TRk_Node* QueryPrefix = nullptr;

    TRk_CreateTableStmt();
    const char* ClassName() const override { return "TRk_CreateTableStmt"; }
};

class TRk_CreateIndexSqlStatement : public TRk_Node {
public:
    TRk_Node* IndexName = nullptr;
    TRk_Node* TableName = nullptr;
    TRk_List* ColumnList = nullptr;   // index-column holders
    int32_t IndexKind = 0;            // 1 UNIQUE, 2 BITMAP (3, 4 other dialects)
    TSourceToken* IndexKindToken = nullptr;
    TRk_Node* FilegroupClause = nullptr;   // filled by other dialects
    TRk_Node* OptionsClause = nullptr;     // filled by other dialects

    TRk_CreateIndexSqlStatement();
    const char* ClassName() const override { return "TRk_CreateIndexSqlStatement"; }
};

class TRk_CreateViewSqlStatement : public TRk_Node {
public:
    TRk_Node* ViewName = nullptr;
    uint8_t ForceKind = 0;       // 1 FORCE, 2 NOFORCE
    uint8_t OrReplace = 0;
    TRk_Node* Query = nullptr;
    TRk_List* ColumnList = nullptr;
    TRk_Node* ColumnListNode = nullptr;
    int32_t Restriction = 0;     // 1 WITH READ ONLY, 2 WITH CHECK OPTION
    TSourceToken* ForceToken = nullptr;
    TRk_Node* RestrictionNode = nullptr;
    TSourceToken* RestrictionConstraintToken = nullptr;

    TRk_CreateViewSqlStatement();
    const char* ClassName() const override { return "TRk_CreateViewSqlStatement"; }
    // The name after WITH ... CONSTRAINT ("" when none).
    std::string_view GetRestrictionConstraintName() const { return TextOf(RestrictionConstraintToken); }
};

class TRk_DropTableStmt : public TRk_Node {
public:
    TRk_List* NameTokens = nullptr;     // filled by other dialects
    TRk_Node* Extra = nullptr;          // filled by other dialects
    uint8_t DropFlag = 0;               // filled by other dialects
    TRk_Node* TableName = nullptr;

    TRk_DropTableStmt();
    const char* ClassName() const override { return "TRk_DropTableStmt"; }
};

class TRk_DropIndexSqlStatement : public TRk_Node {
public:
    TRk_Node* IndexName = nullptr;
    uint8_t Force = 0;

    TRk_DropIndexSqlStatement();
    const char* ClassName() const override { return "TRk_DropIndexSqlStatement"; }
};

class TRk_DropViewSqlStatement : public TRk_Node {
public:
    TRk_Node* ViewName = nullptr;
    uint8_t CascadeConstraints = 0;

    TRk_DropViewSqlStatement();
    const char* ClassName() const override { return "TRk_DropViewSqlStatement"; }
};

class TRk_alterTableStmt : public TRk_Node {
public:
    TSourceToken* AlterToken = nullptr;
    TSourceToken* TableToken = nullptr;
    TRk_Node* TableName = nullptr;
    TRk_List* PropertyList = nullptr;
    TRk_List* ColumnClauseList = nullptr;
    TRk_Node* ConstraintClause = nullptr;
    TRk_Node* OtherClause = nullptr;          // filled by other dialects
    TRk_List* EnableDisableList = nullptr;
    // Filled by other dialects.
    TSourceToken* IgnoreToken = nullptr;
    TRk_List* AlterOptions = nullptr;
    TRk_Node* AlterColumnClause = nullptr;
    TRk_Node* AddColumnsClause = nullptr;
    TRk_Node* AddConstraintsClause = nullptr;
    TRk_Node* DropClause = nullptr;
    TRk_Node* ExtraClause1 = nullptr;
    TRk_Node* ExtraClause2 = nullptr;

    TRk_alterTableStmt();
    const char* ClassName() const override { return "TRk_alterTableStmt"; }
};

class TRk_MergeStmt : public TRk_Node {
public:
    TSourceToken* MergeToken = nullptr;
    TSourceToken* IntoToken = nullptr;
    TSourceToken* UsingToken = nullptr;
    TSourceToken* OnToken = nullptr;
    // The three part nodes belong to the merge node, not to the pool.
    std::unique_ptr<TRk_DummyNode> MatchedPart;
    std::unique_ptr<TRk_DummyNode> NotMatchedPart;
    std::unique_ptr<TRk_DummyNode> OnPart;
    TRk_Node* TargetTable = nullptr;
    TRk_Node* SourceTable = nullptr;
    TRk_Node* SourceQuery = nullptr;
    TRk_Node* TargetAlias = nullptr;
    TRk_Node* SourceAlias = nullptr;

    TRk_MergeStmt();
    ~TRk_MergeStmt() override;
    const char* ClassName() const override { return "TRk_MergeStmt"; }
};

// ---------------------------------------------------------------------------
// Clause nodes that walk and print themselves.

class TRk_A_Const : public TRk_Node {
public:
    uint8_t ConstKind = 0;   // 55 integer, 48 number, 172 string, 64 NULL, 103 DATE,
                             // 104..109 INTERVAL, 12 bind variable with INDICATOR
    TSourceToken* ValueToken = nullptr;
    TSourceToken* ValueToken2 = nullptr;   // filled by other dialects
    TRk_Node* TypeNode = nullptr;          // filled by other dialects
    int32_t Int1 = -9999;
    int32_t Int2 = -9999;
    int32_t Int3 = -9999;
    int32_t Int4 = -9999;
    TRk_DummyNode* LeadingPrecision = nullptr;
    TRk_DummyNode* TrailingQualifier = nullptr;

    TRk_A_Const();
    const char* ClassName() const override { return "TRk_A_Const"; }
    void DoAccept(TRkVisitorAbs& V) override;
    std::string GetPrettyText() override;
};

class TRk_Ident final : public TRk_Node {
public:
    TSourceToken* IdentToken = nullptr;
    TRk_Node* Extra = nullptr;

    TRk_Ident();
    const char* ClassName() const override { return "TRk_Ident"; }
    TRkVisitedClass VisitedClass() const override { return TRkVisitedClass::Ident; }
    void DoAccept(TRkVisitorAbs& V) override;
    std::string GetPrettyText() override;
    bool IsColumnToken() const;
    void MarkAsColumn();
};

class TRk_SortGroupBy : public TRk_Node {
public:
    TSourceToken* SortToken = nullptr;      // ASC, DESC or USING
    TSourceToken* UsingOperator = nullptr;  // the operator after USING
    int32_t NullsOrder = -9999;             // 0 none, 1 NULLS FIRST, 2 NULLS LAST
    TRk_DummyNode* NullsClause = nullptr;   // Int1 repeats NullsOrder
    TRk_Node* SortExpr = nullptr;

    TRk_SortGroupBy();
    const char* ClassName() const override { return "TRk_SortGroupBy"; }
    void DoAccept(TRkVisitorAbs& V) override;
    std::string GetPrettyText() override;

private:
    bool HasNulls() const;
};

class TRk_hierarchial_query_clause : public TRk_Node {
public:
    TRk_Node* ConnectByCondition = nullptr;
    TRk_Node* StartWithCondition = nullptr;
    uint8_t StartWithFirst = 0;

    TRk_hierarchial_query_clause();
    const char* ClassName() const override { return "TRk_hierarchial_query_clause"; }
    void DoAccept(TRkVisitorAbs& V) override;
    std::string GetPrettyText() override;
    void AppendPrettyTextTo(TRk_Node* Target) override;
};

class TRk_SelectLimitClause : public TRk_Node {
public:
    TSourceToken* OffsetValue = nullptr;
    TSourceToken* RowCount = nullptr;
    TSourceToken* OffsetKeyword = nullptr;
    TSourceToken* LimitKeyword = nullptr;
    TSourceToken* CommaToken = nullptr;

    TRk_SelectLimitClause();
    const char* ClassName() const override { return "TRk_SelectLimitClause"; }
    void DoAccept(TRkVisitorAbs& V) override;
    std::string GetPrettyText() override;
};

class TRk_MssqlCompute : public TRk_Node {
public:
    TRk_List* ComputeList = nullptr;   // aggregate holders: Tok1 name, Sub1 argument
    TRk_List* ByList = nullptr;

    TRk_MssqlCompute();
    const char* ClassName() const override { return "TRk_MssqlCompute"; }
    void DoAccept(TRkVisitorAbs& V) override;
    std::string AsText() override;
    std::string GetPrettyText() override;

private:
    std::string Layout(bool Pretty);
};

// Attaches the ORDER BY list, FOR UPDATE clause and limit clause that follow
// a query.  A second ORDER BY or FOR UPDATE raises.
void InsertSelectOptions(TRk_SelectStmt* Stmt, TRk_List* OrderBy, TRk_for_update_clause* ForUpdate,
                         TRk_SelectLimitClause* Limit, TRk_Node* Unused = nullptr);

// The classes above that hold only pointers and numbers: a parse's arena
// drops them without their destructors.
template <>
inline constexpr bool RkNodeOwnsNothing<TRk_SelectStmt> = true;
template <>
inline constexpr bool RkNodeOwnsNothing<TRk_ResTarget> = true;
template <>
inline constexpr bool RkNodeOwnsNothing<TRk_TableRef> = true;
template <>
inline constexpr bool RkNodeOwnsNothing<TRk_joinqual> = true;
template <>
inline constexpr bool RkNodeOwnsNothing<TRk_for_update_clause> = true;
template <>
inline constexpr bool RkNodeOwnsNothing<TRk_InsertStmt> = true;
template <>
inline constexpr bool RkNodeOwnsNothing<TRkinsert_rest> = true;
template <>
inline constexpr bool RkNodeOwnsNothing<TRk_UpdateStmt> = true;
template <>
inline constexpr bool RkNodeOwnsNothing<TRk_DeleteStmt> = true;
template <>
inline constexpr bool RkNodeOwnsNothing<TRk_CreateTableStmt> = true;
template <>
inline constexpr bool RkNodeOwnsNothing<TRk_CreateIndexSqlStatement> = true;
template <>
inline constexpr bool RkNodeOwnsNothing<TRk_CreateViewSqlStatement> = true;
template <>
inline constexpr bool RkNodeOwnsNothing<TRk_DropTableStmt> = true;
template <>
inline constexpr bool RkNodeOwnsNothing<TRk_DropIndexSqlStatement> = true;
template <>
inline constexpr bool RkNodeOwnsNothing<TRk_DropViewSqlStatement> = true;
template <>
inline constexpr bool RkNodeOwnsNothing<TRk_alterTableStmt> = true;
template <>
inline constexpr bool RkNodeOwnsNothing<TRk_A_Const> = true;
template <>
inline constexpr bool RkNodeOwnsNothing<TRk_Ident> = true;
template <>
inline constexpr bool RkNodeOwnsNothing<TRk_SortGroupBy> = true;
template <>
inline constexpr bool RkNodeOwnsNothing<TRk_hierarchial_query_clause> = true;
template <>
inline constexpr bool RkNodeOwnsNothing<TRk_SelectLimitClause> = true;
template <>
inline constexpr bool RkNodeOwnsNothing<TRk_MssqlCompute> = true;
