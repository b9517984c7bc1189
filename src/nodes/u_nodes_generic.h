// Generic syntax-tree nodes that every grammar builds: names, data types,
// calls, aliases, DISTINCT and join clauses, the general slot node, and the
// constraint and column-definition nodes of table definitions.
//
// Each class walks only the parts its grammar fills, in source order, and
// skips absent parts; a positional own token that is missing ends that
// node's walk (the frame of Accept catches the list error).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "nodes/u_nodes.h"

class TCustomSqlStatement;
class TCustomPP;
class TRk_AnalyticFunction;
class TRk_TrimList;
class TRk_ExtractList;
class TRk_AliasClause;
class TRk_joinqual;
class TRk_DummyNode;
class TRkConstraint;

// ---------------------------------------------------------------------------
// Hook points filled by the statement model, which lives in the same library
// but is built on top of these nodes.  An unset hook means "no statement
// model": names are marked as tables, selects are not wrapped, and so on.
struct TRkStatementHooks {
    // Qualifier kind of a name for a statement: 1 table or 4 table alias;
    // 0 when Statement is not a statement object.
    int (*TableOrAliasKind)(const std::string& Text, TRk_Node* Statement) = nullptr;
    // Fires the statement's table-token event (Sender, Token, Statement) when set.
    void (*FireTableTokenEvent)(TRk_Node* Statement, TRkVisitedAbs* Sender,
                                TSourceToken* Token) = nullptr;
};
extern TRkStatementHooks RkStatementHooks;

// Printer factories of the node classes that have printers of their own.
// The formatter registers them; without one a node prints its plain text.
using TRkPPFactory = std::unique_ptr<TCustomPP> (*)(TRk_Node* Owner);
struct TRkPrinterHooks {
    TRkPPFactory FuncCallPP = nullptr;           // TRk_FuncCallPP
    TRkPPFactory AttrPP = nullptr;               // TRk_AttrPP
    TRkPPFactory ConstraintRefClausePP = nullptr;// TRkConstraintRefClausePP
    TRkPPFactory CustomExpressionPP = nullptr;   // TRkCustomExpressionPP
};
extern TRkPrinterHooks RkPrinterHooks;

// ---------------------------------------------------------------------------
// Small helpers shared by the node walks and texts of this library (the list
// routines and ItemSeparator/FormattedText come with the node base).

// Walk own token k; a missing token raises the list error, which ends the
// walk of that node.
void AcceptOwnTok(TRk_Node* Node, int32_t K, TRkVisitorAbs& V);
// Walk every own token in order.
void AcceptOwnToks(TRk_Node* Node, TRkVisitorAbs& V);
int32_t OwnTokCount(const TRk_Node* Node);
// Own token k of an optional node, nullptr when absent (texts).
TSourceToken* OwnTokOf(const TRk_Node* Node, int32_t K);
// One blank: the separator character.
std::string Blank();

// ---------------------------------------------------------------------------
// A plain or dotted name.
class TRk_Attr final : public TRk_Node {
public:
    TSourceToken* NameToken = nullptr;
    TRk_List* NameParts = nullptr;       // tokens after the first
    uint8_t IsFunctionName = 0;
    TSourceToken* DotToken = nullptr;
    TRk_Attr* LinkedName = nullptr;      // after '@'
    TSourceToken* AtToken = nullptr;
    TSourceToken* LastSeparator = nullptr;
    TSourceToken* TableToken = nullptr;
    TSourceToken* ColumnToken = nullptr;

    TRk_Attr();
    const char* ClassName() const override { return "TRk_Attr"; }
    TRkVisitedClass VisitedClass() const override { return TRkVisitedClass::Attr; }
    void DoAccept(TRkVisitorAbs& V) override;
    void CreatePP() override;
    std::string GetPrettyText() override;

    std::string LastPartText();
    std::string QualifiedText();
    std::string GetPrettyTextOf();
    bool HasColumnPart();
    void MarkColumnParts(TRk_Node* Statement);
    void MarkTableParts(TRk_Node* Statement, TRkVisitedAbs* Sender);

    int PartCount();
    TSourceToken* Part(int I);
};

// A data type.
class TRk_TypeName : public TRk_Node {
public:
    static constexpr uint8_t FormValueList = 73;   // 'I'
    static constexpr uint8_t FormAnchored1 = 74;   // 'J'
    static constexpr uint8_t FormAnchored2 = 75;   // 'K'
    static constexpr uint8_t FormNamed = 83;       // 'S'

    TSourceToken* TypeNameToken = nullptr;
    TRk_Node* TypeNode = nullptr;
    TRk_List* ArrayBounds = nullptr;
    TRk_List* ValueList = nullptr;
    TSourceToken* MidToken = nullptr;
    TSourceToken* EndToken = nullptr;
    int32_t Param1 = -9999;
    int32_t Param2 = -9999;
    int32_t LengthSemantics = -9999;
    int32_t CharsetCode = -9999;
    int32_t VaryingFlag = -9999;
    uint8_t TypeForm = 0;

    TRk_TypeName();
    const char* ClassName() const override { return "TRk_TypeName"; }
    void DoAccept(TRkVisitorAbs& V) override;
    std::string GetPrettyText() override;

private:
    // The type without its array bounds.
    std::string TypePrettyText();
};

// An ordinary or special function call.
class TRk_FuncCall : public TRk_Node {
public:
    std::string FuncName;
    TRk_Attr* NameAttr = nullptr;
    TSourceToken* KeywordToken = nullptr;
    TRk_List* ArgList = nullptr;
    uint8_t IsStar = 0;
    uint8_t IsDistinct = 0;
    uint8_t IsAll = 0;
    uint8_t CallForm = 0;   // 0 ordinary, 1 TRIM, 2 CAST, 3 type first, 4 EXTRACT
    TRk_TrimList* TrimArgs = nullptr;
    uint8_t TrimKind = 0;
    TRk_ExtractList* ExtractArgs = nullptr;
    TRk_Node* CastExpr = nullptr;
    TRk_TypeName* CastType = nullptr;
    TSourceToken* NameToken = nullptr;
    TRkVisitedAbs* StyleArg = nullptr;   // node, or a token in some grammars
    TRk_AnalyticFunction* Analytic = nullptr;

    TRk_FuncCall();
    const char* ClassName() const override { return "TRk_FuncCall"; }
    void DoAccept(TRkVisitorAbs& V) override;
    void CreatePP() override;
    std::string GetFuncName();
};

// The OVER clause of an analytic call.
class TRk_AnalyticFunction : public TRk_Node {
public:
    TSourceToken* PartitionToken = nullptr;
    TSourceToken* ByToken = nullptr;
    TRk_List* PartitionList = nullptr;
    TRk_DummyNode* OrderByClause = nullptr;   // own tokens ORDER BY, List1 the items

    TRk_AnalyticFunction();
    const char* ClassName() const override { return "TRk_AnalyticFunction"; }
    void DoAccept(TRkVisitorAbs& V) override;
    std::string GetPrettyText() override;
};

class TRk_TrimList : public TRk_Node {
public:
    TRk_Node* TrimChar = nullptr;
    TRk_List* SourceList = nullptr;
    uint8_t HasFrom = 0;

    TRk_TrimList();
    const char* ClassName() const override { return "TRk_TrimList"; }
    void DoAccept(TRkVisitorAbs& V) override;
};

class TRk_ExtractList : public TRk_Node {
public:
    TRk_Node* SourceExpr = nullptr;
    TSourceToken* FieldToken = nullptr;

    TRk_ExtractList();
    const char* ClassName() const override { return "TRk_ExtractList"; }
    void DoAccept(TRkVisitorAbs& V) override;
};

class TRk_AliasClause : public TRk_Node {
public:
    TSourceToken* AliasToken = nullptr;
    TRk_List* NameParts = nullptr;
    uint8_t HasAs = 0;

    TRk_AliasClause();
    const char* ClassName() const override { return "TRk_AliasClause"; }
    void DoAccept(TRkVisitorAbs& V) override;
    std::string GetPrettyText() override;
    std::string GetAliasName();
};

class TRk_SelectDistinct : public TRk_Node {
public:
    uint8_t DistinctKind = 0;   // 1 DISTINCT, 2 DISTINCT ON, 3 ALL, 4 UNIQUE, 5 single word
    TSourceToken* KeywordToken = nullptr;
    TRk_List* OnList = nullptr;

    TRk_SelectDistinct();
    const char* ClassName() const override { return "TRk_SelectDistinct"; }
    void DoAccept(TRkVisitorAbs& V) override;
    std::string GetPrettyText() override;
};

// Read by the statements' join builder; walked as one object.
class TRk_JoinExpr : public TRk_Node {
public:
    uint8_t JoinType = 0;
    TRk_Node* LeftRef = nullptr;
    TRk_Node* RightRef = nullptr;
    TRk_joinqual* Qualification = nullptr;
    TRk_AliasClause* Alias = nullptr;
    TRk_DummyNode* JoinTypeClause = nullptr;

    TRk_JoinExpr();
    const char* ClassName() const override { return "TRk_JoinExpr"; }
};

// The grammars' general slot node; walked as one object.
class TRk_DummyNode : public TRk_Node {
public:
    int32_t Int1 = -9999;
    int32_t Int2 = -9999;
    int32_t Int3 = -9999;
    int32_t Int4 = -9999;
    // The words a holder keeps, as the tokens they were read from: their
    // texts stay with the tokens, so the node owns nothing.
    TSourceToken* Str1Token = nullptr;
    TSourceToken* Str2Token = nullptr;
    TRk_Node* Sub1 = nullptr;
    TRk_Node* Sub2 = nullptr;
    TRk_Node* Sub3 = nullptr;
    TRk_Node* Sub4 = nullptr;
    TRk_List* List1 = nullptr;
    TRk_List* List2 = nullptr;
    TSourceToken* Tok1 = nullptr;
    TSourceToken* Tok2 = nullptr;
    TSourceToken* Tok3 = nullptr;
    TSourceToken* Tok4 = nullptr;
    TSourceToken* Tok5 = nullptr;
    TSourceToken* Tok6 = nullptr;
    TSourceToken* Tok7 = nullptr;
    TSourceToken* Tok8 = nullptr;

    TRk_DummyNode();
    const char* ClassName() const override { return "TRk_DummyNode"; }
    std::string_view GetStr1() const { return TextOf(Str1Token); }
    std::string_view GetStr2() const { return TextOf(Str2Token); }
};

// One object found by the database-object search.
class TRkInspectDBObj {
public:
    uint8_t Kind = 0;
    std::string Name;
    std::unique_ptr<TSourceTokenList> Occurrences;

    TRkInspectDBObj();
    ~TRkInspectDBObj();
};

// ---------------------------------------------------------------------------
// Constraints and column definitions.

class TRkConstraintRefClause : public TRk_Node {
public:
    uint8_t MatchKind = 0;        // 1 MATCH FULL, 2 MATCH PARTIAL
    uint8_t ActionKinds = 0;      // 1 ON DELETE, 2 ON UPDATE, 3 both
    uint8_t OnDeleteAction = 241; // 241: not written (low byte of -9999)
    uint8_t OnUpdateAction = 241;
    TRk_Node* RefTable = nullptr;
    TRk_List* RefColumns = nullptr;
    TRk_DummyNode* RefColumnsNode = nullptr;
    TRk_DummyNode* MatchClause = nullptr;
    TRk_DummyNode* ActionsClause = nullptr;
    TRk_DummyNode* StateClause = nullptr;  // [NOT] DEFERRABLE after the actions

    TRkConstraintRefClause();
    const char* ClassName() const override { return "TRkConstraintRefClause"; }
    void DoAccept(TRkVisitorAbs& V) override;
    void CreatePP() override;
    void SetFlag1(int32_t V) { MatchKind = static_cast<uint8_t>(V); }
    void SetFlag2(int32_t V) { ActionKinds = static_cast<uint8_t>(V); }
    void SetFlag3(int32_t V) { OnDeleteAction = static_cast<uint8_t>(V); }
    void SetFlag4(int32_t V) { OnUpdateAction = static_cast<uint8_t>(V); }
};

class TRkConstraint : public TRk_Node {
public:
    TRkConstraintRefClause* RefClause = nullptr;
    uint8_t ConstraintType = 0;
    uint8_t SeparatorFollows = 0;  // 1: table constraint
    TRk_List* ColumnList = nullptr;
    TRk_Node* Expression = nullptr;
    TRkVisitedAbs* Extra = nullptr;          // COLLATE name (node or token)
    TSourceToken* ConstraintToken = nullptr;
    TSourceToken* NameToken = nullptr;
    TRkVisitedAbs* IndexName = nullptr;      // node or token, by grammar
    TRkVisitedAbs* OptionalName = nullptr;
    TRkVisitedAbs* ForeignKeyName = nullptr;

    TRkConstraint();
    const char* ClassName() const override { return "TRkConstraint"; }
    // The constraint's name: its name token's text ("" when unnamed).
    std::string_view GetName() const { return TextOf(NameToken); }
    void DoAccept(TRkVisitorAbs& V) override;
    std::string GetPrettyText() override;
    void SetRefClause(TRkConstraintRefClause* C) { RefClause = C; }
};

// The constraints kept by statements and schema objects.  Items other than
// constraints (DEFERRABLE states a grammar may leave in a column's list) are
// kept but skipped by every routine.
class TRkConstraintList : public TRkVisitedAbs {
public:
    explicit TRkConstraintList(bool AOwnsObjects = false);
    ~TRkConstraintList() override;
    const char* ClassName() const override { return "TRkConstraintList"; }

    // An owning list takes Item over.
    void Add(TRk_Node* Item);
    void Clear();
    int Count() const { return static_cast<int>(Items.size()); }
    // The item as a constraint; nullptr for another item (never a bad cast).
    TRkConstraint* GetConstraint(int I) const;
    TRk_Node* GetItem(int I) const;
    void DoAccept(TRkVisitorAbs& V) override;
    std::string GetPrettyText();
    std::string AsText();

    bool OwnsObjects() const { return Owns; }

private:
    bool Owns = false;
    std::vector<TRk_Node*> Items;
    std::vector<std::unique_ptr<TRk_Node>> Store;   // the items, when owning
    // The constraints that are real: the routines skip the others.
    std::vector<TRkConstraint*> Constraints() const;
};

class TRkColumnDef : public TRk_Node {
public:
    TRk_TypeName* DataType = nullptr;
    TSourceToken* ColumnNameToken = nullptr;
    TRk_List* ConstraintNodes = nullptr;

    TRkColumnDef();
    ~TRkColumnDef() override;
    const char* ClassName() const override { return "TRkColumnDef"; }
    void SetConstraints(TRk_List* L) { ConstraintNodes = L; }
    void SetDataType(TRk_TypeName* T) { DataType = T; }
    // Non-owning list of the column's constraints, made when first asked
    // for (the statements read ConstraintNodes).
    TRkConstraintList* Constraints();

private:
    std::unique_ptr<TRkConstraintList> FConstraints;
};

// The classes above that hold only pointers and numbers: a parse's arena
// drops them without their destructors.
template <>
inline constexpr bool RkNodeOwnsNothing<TRk_Attr> = true;
template <>
inline constexpr bool RkNodeOwnsNothing<TRk_TypeName> = true;
template <>
inline constexpr bool RkNodeOwnsNothing<TRk_AnalyticFunction> = true;
template <>
inline constexpr bool RkNodeOwnsNothing<TRk_TrimList> = true;
template <>
inline constexpr bool RkNodeOwnsNothing<TRk_ExtractList> = true;
template <>
inline constexpr bool RkNodeOwnsNothing<TRk_AliasClause> = true;
template <>
inline constexpr bool RkNodeOwnsNothing<TRk_SelectDistinct> = true;
template <>
inline constexpr bool RkNodeOwnsNothing<TRk_JoinExpr> = true;
template <>
inline constexpr bool RkNodeOwnsNothing<TRkConstraintRefClause> = true;
template <>
inline constexpr bool RkNodeOwnsNothing<TRkColumnDef> = true;
template <>
inline constexpr bool RkNodeOwnsNothing<TRk_DummyNode> = true;
template <>
inline constexpr bool RkNodeOwnsNothing<TRkConstraint> = true;
