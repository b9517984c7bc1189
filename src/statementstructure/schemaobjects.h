// Schema objects of the statement model: tables and fields found by the
// analyses (FROM items, select-list items, column definitions, the table of
// a DDL statement) and their lists.  The wizard reads tables, their columns,
// constraints and flag words from here.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "nodes/rkexceptions.h"
#include "nodes/u_nodes.h"
#include "statementstructure/rkondemand.h"

class TRkVisitorAbs;
class TRk_AliasClause;
class TRk_Attr;
class TRk_TypeName;
class TRk_List;
class TRkCustomExpression;
class TRkConstraintList;
class TRkJoin;
class TRkJoinItem;
class TSelectSqlStatement;
class TSourceToken;

// A list of objects that either owns them or only refers to them, as chosen
// at creation.  Indexes are 0-based; a bad index raises ERkListError.
template <class T>
class TRkPtrList {
public:
    explicit TRkPtrList(bool OwnsObjects) : FOwns(OwnsObjects) {}
    ~TRkPtrList() { Clear(); }
    TRkPtrList(const TRkPtrList&) = delete;
    TRkPtrList& operator=(const TRkPtrList&) = delete;

    void Add(T* Item) { FItems.push_back(Item); }
    void Clear() {
        if (FOwns)
            for (T* Item : FItems) delete Item;
        FItems.clear();
    }
    int Count() const { return static_cast<int>(FItems.size()); }
    T* Get(int Index) const {
        if (Index < 0 || Index >= Count()) throw ERkListError(Index);
        return FItems[static_cast<std::size_t>(Index)];
    }
    // Takes the item out without freeing it.
    T* Extract(int Index) {
        T* Item = Get(Index);
        FItems.erase(FItems.begin() + Index);
        return Item;
    }
    bool OwnsObjects() const { return FOwns; }
    auto begin() const { return FItems.begin(); }
    auto end() const { return FItems.end(); }

private:
    std::vector<T*> FItems;
    bool FOwns = false;
};

// Field flag bits the application sets.
inline constexpr std::uint16_t FieldFlagNotNull = 2;
inline constexpr std::uint16_t FieldFlagPrimaryKey = 16;
inline constexpr std::uint16_t FieldFlagForeignKey = 32;

class TRkField : public TRk_Node {
public:
    TRkField();
    const char* ClassName() const override { return "TRkField"; }
    ~TRkField() override;

    TRk_Node* SourceNode = nullptr;   // the parse node it was made from

    TRkLazyText NameOverride;
    TRkLazyText DbLinkOverride;
    // The small fields share words: a script makes fields by the ten
    // thousand.
    int32_t WalkDepth = 0;   // depth of the walk that brought it into scope
    std::uint8_t IsColumnDef = 0;
    std::uint8_t FieldKind = 0;  // 0 unset, 2 expression, 3 sub-query
    std::uint16_t Flags = 0;
    TRkLazyText QualifierOverride;
    TRkLazyText AliasOverride;  // " " means: no alias
    TRk_AliasClause* AliasNode = nullptr;
    TRkCustomExpression* Expression = nullptr;
    std::int32_t AlignWidth = 0;
    TSourceToken* DotToken = nullptr;
    TSourceToken* NameToken = nullptr;
    TRk_TypeName* DataType = nullptr;
    TRkOnDemand<TRkConstraintList, false> Constraints;  // the list is owned, its constraints are not
    TSelectSqlStatement* SubQuery = nullptr;

    std::string GetFieldText();
    std::string GetColumnPrettyText();
    std::string GetQualifierText();
    std::string GetDbLinkText();
    std::string GetAliasText();
    std::string GetAliasPlainText();
    // The column's name alone: no trailing blanks or comments, the case
    // options applied to column references (a column definition's name is
    // kept as written).  What the wizard shows and matches.
    std::string GetFieldNameText();
    void SetAliasHasAs(std::uint8_t Value);
    void SetDbLinkOverride(const std::string& S) { DbLinkOverride = S; }
    void SetQualifierOverride(const std::string& S) { QualifierOverride = S; }
    void SetAliasOverride(const std::string& S) { AliasOverride = S; }

    std::string AsText() override;
    std::string GetPrettyText() override;
    void DoAccept(TRkVisitorAbs& Visitor) override;
};

class TRkFieldList : public TRk_Node {
public:
    explicit TRkFieldList(bool OwnsObjects);
    const char* ClassName() const override { return "TRkFieldList"; }
    ~TRkFieldList() override;

    void Add(TRkField* Field) { FItems.Add(Field); }  // an owning list takes ownership
    void Clear() { FItems.Clear(); }
    int Count() const { return FItems.Count(); }
    // 0-based; a bad index raises ERkListError.
    TRkField* GetField(int Index) const { return FItems.Get(Index); }
    bool OwnsObjects() const { return FItems.OwnsObjects(); }

    std::string GetPrettyText() override;
    void DoAccept(TRkVisitorAbs& Visitor) override;

private:
    TRkPtrList<TRkField> FItems;
};

class TRkTable : public TRk_Node {
public:
    TRkTable();
    const char* ClassName() const override { return "TRkTable"; }
    ~TRkTable() override;

    TRk_Node* SourceNode = nullptr;   // the parse node it was made from

    TRkLazyText NameOverride;
    TRkLazyText DbLinkOverride;
    // The small fields share a word: a script makes tables by the ten
    // thousand.
    int32_t WalkDepth = 0;   // depth of the walk that brought it into scope
    std::uint8_t TableKeyword = 0;
    std::uint8_t TableKind = 0;  // 0 unset, 1 named, 2 table expression, 3 sub-query
    std::uint8_t HintsWith = 0;
    std::uint8_t HasTargetColumnList = 0;
    TRkOnDemand<std::vector<std::string>> TableStrings;
    TRkJoin* Join = nullptr;
    TRkJoinItem* JoinItem = nullptr;
    TRkLazyText SchemaOverride;
    TRkLazyText AliasOverride;  // " " means: no alias
    // Only a created or altered table has columns and keys: the lists are
    // made on first use.
    TRkOnDemand<TRkFieldList, true> Columns;     // owning: column definitions
    TRkOnDemand<TRkFieldList, false> FieldRefs;  // not owning
    TRk_AliasClause* AliasNode = nullptr;
    TRk_List* Hints = nullptr;
    TRk_List* TargetColumnList = nullptr;
    TSourceToken* DotToken = nullptr;
    // Filled by the diagram wizard for the tables it draws: made on first use.
    TRkOnDemand<std::vector<std::string>> ReferencedBy;  // compared case-insensitively
    TRkOnDemand<std::vector<std::string>> Indexes;
    TRkOnDemand<TRkConstraintList, false> Constraints;  // the list is owned, its constraints are not
    TRk_Attr* NameNode = nullptr;
    TRkCustomExpression* Expression = nullptr;
    TSelectSqlStatement* SubQuery = nullptr;

    std::string GetTableText();
    std::string GetSchemaText();
    std::string GetDbLinkText();
    std::string GetAliasText();
    std::string GetAliasPlainText();
    // The table's name alone (last name part, case options applied, no
    // trailing blanks or comments).  What the wizard shows and matches.
    std::string GetTableNameText();
    // Whether Name is in ReferencedBy (ASCII case-insensitive).
    bool IsReferencedBy(const std::string& Name) const;
    void SetAliasHasAs(std::uint8_t Value);
    // Clears the analysis results, every reference into a parse tree included.
    void Reset();
    void SetColumns(std::unique_ptr<TRkFieldList> L) { Columns = std::move(L); }
    void SetFieldRefs(std::unique_ptr<TRkFieldList> L) { FieldRefs = std::move(L); }
    void SetJoin(TRkJoin* J) { Join = J; }
    void SetJoinItem(TRkJoinItem* J) { JoinItem = J; }
    void SetDbLinkOverride(const std::string& S) { DbLinkOverride = S; }

    std::string AsText() override;
    std::string GetPrettyText() override;
    void DoAccept(TRkVisitorAbs& Visitor) override;
};

class TRkTableList : public TRk_Node {
public:
    explicit TRkTableList(bool OwnsObjects);
    const char* ClassName() const override { return "TRkTableList"; }
    ~TRkTableList() override;

    void Add(TRkTable* Table) { FItems.Add(Table); }  // an owning list takes ownership
    void Clear() { FItems.Clear(); }
    int Count() const { return FItems.Count(); }
    // 0-based; a bad index raises ERkListError.
    TRkTable* GetTable(int Index) const { return FItems.Get(Index); }
    // Removes the table at Index without freeing it; the caller owns it then.
    TRkTable* Extract(int Index) { return FItems.Extract(Index); }
    bool OwnsObjects() const { return FItems.OwnsObjects(); }

private:
    TRkPtrList<TRkTable> FItems;
};

// The source text of a name node as written, without what trails it
// (blanks, comments, line breaks): an index or referenced table name as the
// wizard shows it.
std::string NodeNameText(TRk_Node* Node);

// A constraint list as the grammar built it (a column's, or the items an
// ALTER adds), printed: each constraint's pretty text, and the words of the
// DEFERRABLE states between them that the model skips, one blank apart.
std::string ConstraintItemsPrettyText(TRk_List* Items);
