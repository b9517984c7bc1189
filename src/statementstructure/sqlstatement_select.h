// The query model: the select statement, its FROM-clause joins and its
// ORDER BY, FOR UPDATE and TOP clause objects.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "nodes/u_nodes_generic.h"
#include "nodes/u_parsenodes.h"
#include "statementstructure/rkexpression.h"
#include "statementstructure/sqlstatement.h"


// ---------------------------------------------------------------------------
// Small, null-safe accessors that every statement analysis, walk and text
// builder of this folder shares: a missing token, node or list is skipped.
namespace stmtwalk {

TRkNodeTokens* OwnTokens(TRk_Node* n);
int OwnTokenCount(const TRk_Node* n);
TSourceToken* TokAt(const TRk_Node* n, int i);   // own token i
int ItemCount(const TRk_List* l);
TRk_Node* NodeItem(const TRk_List* l, int i);
TSourceToken* TokenItem(const TRk_List* l, int i);
void AddOwnToken(TRk_Node* n, TSourceToken* t);

void Tok(TSourceToken* t, TRkVisitorAbs* v);
void Node(TRkVisitedAbs* n, TRkVisitorAbs* v);
// every token of a node's own token list
void OwnTokensOf(const TRk_Node* n, TRkVisitorAbs* v);

std::string Text(TSourceToken* t);          // raw text
std::string Fmt(TSourceToken* t);           // formatted text
std::string Plain(TRk_Node* n);             // AsText
std::string Pretty(TRk_Node* n);            // GetPrettyText

// The walk of an object with parts: PreVisit, the parts, PostVisit (the
// Accept frame around it handles failures).
template <class F>
void Frame(TRkVisitedAbs* Self, TRkVisitorAbs* V, F&& Body) {
    V->PreVisit(Self);
    Body();
    V->PostVisit(Self);
}


// The printer that the formatter gives this node's class, when there is one.
void UsePrinter(TRk_Node* n);

bool IsBlankText(const std::string& s);     // empty or the single blank
std::int32_t IntOf(std::string_view s);   // 0 when not an integer

}  // namespace stmtwalk

class TRkJoin;
class TRkJoinItem;
class TSelectSqlStatement;

// ---------------------------------------------------------------------------
// Joins

class TRkJoinItemList : public TRk_Node {
public:
    TRkJoinItemList() = default;
    void Add(std::unique_ptr<TRkJoinItem> item);
    void Clear();
    int Count() const { return static_cast<int>(FItems.size()); }
    TRkJoinItem* GetJoinItem(int index) const;
    void DoAccept(TRkVisitorAbs& Visitor) override;

private:
    std::vector<std::unique_ptr<TRkJoinItem>> FItems;
};

class TRkJoin : public TRk_Node {
public:
    TRkJoin();
    ~TRkJoin() override;

    // The small fields share a word (a join is made per table reference).
    std::unique_ptr<TRkJoin> NestedJoin;
    TRkOnDemand<TRkJoinItemList> Items;   // a join of one table has none
    TRkTable* Table = nullptr;
    std::int32_t ParenCount = 0;
    std::uint8_t JoinKind = 0;          // 0/1 leading table, 2 parenthesised join
    std::uint8_t AliasHasAs = 0;
    TRkLazyText AliasText;
    TRk_AliasClause* AliasNode = nullptr;

    void SetNestedJoin(std::unique_ptr<TRkJoin> join) { NestedJoin = std::move(join); }
    void SetTable(TRkTable* table) { Table = table; }
    void SetJoinKind(std::uint8_t kind) { JoinKind = kind; }

    void DoAccept(TRkVisitorAbs& Visitor) override;
    std::string AsText() override;
    void CreatePP() override;
};

class TRkJoinItem : public TRk_Node {
public:
    TRkJoinItem();
    ~TRkJoinItem() override;

    TRkCustomExpression* Condition = nullptr;
    std::unique_ptr<TRkJoin> NestedJoin;
    TRkTable* Table = nullptr;
    std::uint8_t ItemKind = 0;          // 1 joined table, 2 joined parenthesised join
    std::uint8_t ConditionKind = 0;     // 1 USING, 2 ON
    std::uint8_t JoinType = 0;          // 1 CROSS .. 10 INNER
    std::unique_ptr<TRkCustomExpression> OwnedCondition;   // a USING list made here

    void SetItemKind(std::uint8_t kind) { ItemKind = kind; }
    void SetCondition(TRkCustomExpression* condition) { Condition = condition; }
    void SetNestedJoin(std::unique_ptr<TRkJoin> join) { NestedJoin = std::move(join); }
    void SetTable(TRkTable* table) { Table = table; }
    void SetConditionKind(std::uint8_t kind) { ConditionKind = kind; }
    void SetJoinType(std::uint8_t type) { JoinType = type; }

    void DoAccept(TRkVisitorAbs& Visitor) override;
    std::string AsText() override;
    void CreatePP() override;
};

class TrkJoinList : public TRk_Node {
public:
    TrkJoinList() = default;
    void Add(std::unique_ptr<TRkJoin> join);
    void Clear();
    int Count() const { return static_cast<int>(FItems.size()); }
    TRkJoin* GetJoin(int index) const;
    void DoAccept(TRkVisitorAbs& Visitor) override;

private:
    std::vector<std::unique_ptr<TRkJoin>> FItems;
};

// Flattens a raw join expression (which nests to the left) into Join: the
// leading table or parenthesised join plus the items joined to it.  Tables
// land in Statement's Tables through AddTableFromTableRef.
TRkJoin* BuildJoin(TCustomSqlStatement* Statement, TRk_Node* Node, TRkJoin* Join,
                   bool TopLevel, std::unique_ptr<TRkJoin>* Created);

// One join per FROM item: a join expression through BuildJoin, a table
// reference as a join of that table alone; each keeps the item's separator.
void AddFromItems(TCustomSqlStatement* Statement, TRk_List* Items, TrkJoinList* Joins);

// ---------------------------------------------------------------------------
// ORDER BY, FOR UPDATE, TOP

enum TRkSortType : std::uint8_t { srtNone, srtAsc, srtDesc };
enum TRkSortItemType : std::uint8_t { sitNone, sitExpression, sitSubquery };
enum TRkSortNulls : std::uint8_t { srnNone, srnNullsFirst, srnNullsLast };

class TRkOrderBy : public TRk_Node {
public:
    TRkOrderBy() = default;

    TRk_Node* SourceNode = nullptr;   // the parse node it was made from

    TRkCustomExpression* SortExpr = nullptr;
    TRkSortType SortType = srtNone;
    TRkSortItemType SortItemType = sitNone;
    TSelectSqlStatement* sortSubquery = nullptr;   // owned by SubStatements
    TRkSortNulls SortNulls = srnNone;

    void SetSortExpr(TRkCustomExpression* e) { SortExpr = e; }
    void SetSortType(TRkSortType t) { SortType = t; }
    void SetSortItemType(TRkSortItemType t) { SortItemType = t; }
    void SetsortSubquery(TSelectSqlStatement* s) { sortSubquery = s; }
    void SetSortNulls(TRkSortNulls n) { SortNulls = n; }

    void DoAccept(TRkVisitorAbs& Visitor) override;
    std::string AsText() override;
};

class TRkOrderByList : public TRk_Node {
public:
    TRkOrderByList() = default;
    void Add(std::unique_ptr<TRkOrderBy> item);
    int Count() const { return static_cast<int>(FItems.size()); }
    TRkOrderBy* GetOrderBy(int index) const;
    void DoAccept(TRkVisitorAbs& Visitor) override;

private:
    std::vector<std::unique_ptr<TRkOrderBy>> FItems;
};

class TRkForUpdate : public TRk_Node {
public:
    TRkForUpdate() = default;
    ~TRkForUpdate() override;

    TRk_Node* SourceNode = nullptr;   // the parse node it was made from

    TRk_Node* WaitValue = nullptr;
    std::unique_ptr<TRkCustomExpression> Columns;
    std::uint8_t ForUpdateKind = 0;     // 0 OF columns, 1 READ ONLY, 2 plain
    std::uint8_t WaitOption = 0;        // 0 none, 1 NOWAIT, 2 WAIT n

    void SetWaitOption(std::uint8_t o) { WaitOption = o; }
    void SetWaitValue(TRk_Node* n) { WaitValue = n; }
    void SetForUpdateKind(std::uint8_t k) { ForUpdateKind = k; }
    void SetColumns(std::unique_ptr<TRkCustomExpression> c) { Columns = std::move(c); }

    void DoAccept(TRkVisitorAbs& Visitor) override;
    std::string GetPrettyText() override;
};

class TRkTopClause : public TRk_Node {
public:
    TRkTopClause() = default;

    std::uint8_t percent = 0;
    std::uint8_t withties = 0;
    std::int32_t topnumber = 0;
    TSourceToken* NumberToken = nullptr;

    void Setpercent(std::uint8_t v) { percent = v; }
    void Setwithties(std::uint8_t v) { withties = v; }
    void Settopnumber(std::int32_t v) { topnumber = v; }

    void DoAccept(TRkVisitorAbs& Visitor) override;
    std::string GetPrettyText() override;
};

// ---------------------------------------------------------------------------
// The select statement

class TSelectSqlStatement : public TCustomSqlStatement {
public:
    explicit TSelectSqlStatement(std::uint8_t Vendor);
    ~TSelectSqlStatement() override;

    TRkLazyText SelectListOverride;
    TRkLazyText FromOverride;
    TRkLazyText IntoOverride;
    std::unique_ptr<TRkCustomExpression> IntoExpr;
    TRkLazyText ConnectByOverride;
    TRkLazyText StartWithOverride;
    TRk_Node* StartWith = nullptr;
    TRk_Node* ConnectBy = nullptr;
    TRkLazyText GroupByOverride;
    std::unique_ptr<TRkCustomExpression> GroupByExpr;
    TRk_Node* Having = nullptr;
    TRkLazyText HavingOverride;
    std::unique_ptr<TSelectSqlStatement> RightStatement;
    std::unique_ptr<TSelectSqlStatement> LeftStatement;
    std::unique_ptr<TRkOrderByList> OrderByList;
    TRkLazyText ForUpdateOverride;
    std::unique_ptr<TRkForUpdate> ForUpdate;
    TRk_Node* Distinct = nullptr;
    TRkLazyText DistinctOverride;
    TRkLazyText TopOverride;
    TRkLazyText LimitOverride;
    TRkLazyText OrderByOverride;
    TRkTopClause* TopClause = nullptr;
    TRkOnDemand<TrkJoinList> JoinList;
    TRk_Node* Compute = nullptr;
    TRkLazyText ComputeOverride;
    TRk_Node* Limit = nullptr;
    std::uint8_t SetOperator = 0;       // 1 UNION, 2 UNION ALL, 3 MINUS, 4 INTERSECT
    std::int32_t OuterParens = 0;
    std::int32_t InnerParens = 0;
    std::uint8_t BulkCollect = 0;

    const char* ClassName() const override { return "TSelectSqlStatement"; }
    TRkVisitedClass VisitedClass() const override { return TRkVisitedClass::SelectStatement; }
    // Inside a text walk a query prints itself whole.
    bool PrintsItself() const override { return true; }

    // Clause getters: the override when set, else text from the model.
    std::string GetDistinctText();
    std::string GetTopText();
    std::string GetSelectListText();
    std::string GetSelectListPrettyText();
    std::string GetIntoText();
    std::string GetFromText();
    std::string GetJoinListPrettyText();
    std::string GetStartWithText();
    std::string GetConnectByText();
    std::string GetGroupByText();
    std::string GetGroupByPrettyText();
    std::string GetHavingText();
    std::string GetOrderByText();
    std::string GetLimitText();
    std::string GetComputeText();
    std::string GetForUpdateText();

    void SetLeftStatement(std::unique_ptr<TSelectSqlStatement> s) { LeftStatement = std::move(s); }
    void SetRightStatement(std::unique_ptr<TSelectSqlStatement> s) { RightStatement = std::move(s); }
    void SetOrderByList(std::unique_ptr<TRkOrderByList> l) { OrderByList = std::move(l); }
    void SetForUpdate(std::unique_ptr<TRkForUpdate> f) { ForUpdate = std::move(f); }
    void SetDistinct(TRk_Node* d) { Distinct = d; }
    void SetTopClause(TRkTopClause* t) { TopClause = t; }
    void SetJoinList(std::unique_ptr<TrkJoinList> l) { JoinList = std::move(l); }

    void DoAccept(TRkVisitorAbs& Visitor) override;
    void CreatePP() override;
    void AppendPrettyTextTo(TRk_Node* Target) override;
    void BuildSqlText() override;
    void Reset() override;
    int AnalyzeParseTree() override;

    bool IsSetOperation() const;
    // This statement and, while they are set operations, its left operands
    // (the left side of a chain of set operators, outermost first).
    std::vector<TSelectSqlStatement*> LeftChain();

private:
    void ClearModel();
    void FreeLeftChain();
    void AnalyzeSetOperationChain();
    void AnalyzeSetOperationTail();
    void AnalyzeOrderBy(TRk_Node* root, bool setOperation);
    void AnalyzeForUpdate(TRk_Node* root);
    void ClearClauseOverrides();
    void AppendLimitText(std::string& Text);
    void AppendSetOperationText(std::string& Text);
    TRk_SelectStmt* QueryRoot() const;
    TSelectSqlStatement* ChainLeft() const;
    void VisitOpening(TRkVisitorAbs* Visitor);
    void VisitClosing(TRkVisitorAbs* Visitor, bool Inner);
    void VisitOrderBy(TRkVisitorAbs* Visitor);
    void AcceptSetOperationTail(TRkVisitorAbs& V);
    void AcceptSetOperationChain(TRkVisitorAbs& V);
};

// A select statement over a raw query node, handed the token events of its
// creator and analyzed (the helpers of every statement analysis use this).
std::unique_ptr<TSelectSqlStatement> NewSubSelect(TCustomSqlStatement* Creator, TRk_Node* Root,
                                                  bool HandEvents = true);
