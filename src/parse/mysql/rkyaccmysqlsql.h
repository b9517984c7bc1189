// The MySQL parser: the LALR driver over the tables that yaccgen makes
// from mysql_sql.y, its error handling and recovery, the expected-token
// text, and the small node-building helpers the grammar actions call.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "formatter/rkbasetype.h"
#include "nodes/u_nodes.h"
#include "nodes/u_nodes_generic.h"
#include "nodes/u_parsenodes.h"
#include "parse/rkyacclib.h"
#include "parse/rkyacctables.h"
#include "statementstructure/ddlstatement.h"
#include "statementstructure/rkexpression.h"
#include "statementstructure/sqlstatement_select.h"

// One value-stack record.  Each grammar symbol fills the cell that suits it;
// a terminal's value is its token.
struct mysqlYYSType {
    TRk_Attr* name = nullptr;          // qualified names
    TRk_DummyNode* clause = nullptr;   // clause holders
    TRk_Node* node = nullptr;          // statements, queries, expressions, ...
    TRk_TypeName* type = nullptr;      // data types
    TRk_List* list = nullptr;          // every list
    TSourceToken* token = nullptr;     // terminals and name/literal tokens
    std::string string;
};

// Converts a node reference to the field type it is assigned to (the node
// fields are typed more narrowly than the value cells).  The grammar only
// stores values whose class matches the field.
template <class P>
struct TRkNodeCast {
    P* Ptr = nullptr;
    template <class T>
    operator T*() const {   // NOLINT(google-explicit-constructor)
        return static_cast<T*>(Ptr);
    }
};

class TRkParserMySQLSql : public TRkCustomParser {
public:
    // Entries of the value and state stacks a parse starts with; both grow
    // up to MaxStackDepth.
    static constexpr int InitialStackSize = 1048;
    static constexpr int MaxExpectedNames = 20;

    TRkParserMySQLSql();
    const char* ClassName() const override { return "TRkParserMySQLSql"; }

    // 0 accepted, 1 failed.
    int yyparse() override;

    // The next grammar token's code (0 at the end); its token goes into the
    // lookahead record.
    int NextToken();
    // The action (or goto) of the first entry of State's range for Sym.
    static bool yyact(int State, int Sym, int16_t& Action);
    static bool yygoto(int State, int Sym, int16_t& Target);
    // Generated from the grammar: the semantic action of rule yyruleno.
    void yyaction(int yyruleno);

    // Names for the expected-token text: first row with the code wins.
    static bool TokenName(int Code, std::string& Name);
    static bool KeywordName(int Code, std::string& Name);
    // ";" first when State reduces on it, then at most 20 token names and
    // keyword names in table order, each followed by a blank; "..." when
    // names were left out, "Unknown" when none is known.
    static std::string ExpectedTokens(int State);
    void ReportSyntaxError(int State, int Lookahead);
    void SetErrorMessage(const std::string& Text) { ErrorMessage = Text; }

    // The generated tables.
    static const TRkYaccTables& Tables();

    // Read by the generated actions (and by tests).
    mysqlYYSType yylval{};               // lookahead record
    mysqlYYSType yyval{};                // value of the last shift or reduce
    std::vector<mysqlYYSType> yyv;       // value stack, yyv[yysp] on top
    std::vector<int16_t> yys;             // state stack
    int yysp = 0;

private:
    enum TLastAction : uint8_t { laNone, laShift, laReduce };

    // Driver state of one parse.
    int FState = 0;
    int FSavedState = 0;                  // undo record, taken at shifts
    int FSavedSp = 0;
    mysqlYYSType FSavedVal{};
    TLastAction FLastAction = laNone;
    int FEventCount = 0;
    bool FResumed = false;

    bool Push();
    // 0 go on, 1 accept, 2 fail.
    int Reduce(int Rule);
    void Fetch();

    // ---- Helpers of the grammar actions -------------------------------
    template <class T>
    T* New() {
        return NewNode<T>(true);
    }
    TRk_DummyNode* Holder() { return NewNode<TRk_DummyNode>(true); }
    template <class P>
    static TRkNodeCast<P> NC(P* p) {
        return TRkNodeCast<P>{p};
    }
    template <class V>
    static V NC(V v) {
        return v;
    }
    // Appends the given tokens (nil ones skipped) to Node's own tokens.
    template <class... Ts>
    static void Tk(TRk_Node* Node, Ts*... Tokens) {
        (AddOwnToken(Node, Tokens), ...);
    }
    static void AddOwnToken(TRk_Node* Node, TSourceToken* Token);
    static void AddOwnTokens(TRk_Node* Node, TRk_Node* From);
    TRk_List* L1(TRkVisitedAbs* Item) { return MakeList(Item, true); }
    TRk_List* Ap(TRk_List* List, TRkVisitedAbs* Item) { return AppendToList(List, Item, true); }
    static void Sep(TRkVisitedAbs* Item, TSourceToken* Separator);
    TRkCustomExpression* Ex(TRkOpType Kind, TSourceToken* Op, TRk_Node* Left, TRk_Node* Right) {
        return MakeExpression(static_cast<uint8_t>(Kind), Op, Left, Right);
    }
    static TRk_SelectStmt* Sel(TRk_Node* N) { return static_cast<TRk_SelectStmt*>(N); }
    static int32_t IntOf(const TSourceToken* Token);

    void SetRootOnce(TRk_Node* Node);
    TRk_Node* WrapParens(TRk_Node* Query, TSourceToken* Open, TSourceToken* Close);
    TRk_Attr* DottedName(TSourceToken* First, TSourceToken* Dot, TRk_List* Tail);
    TRk_Node* MakeInsert(TSourceToken* Insert, TSourceToken* Into, TRk_Node* Target, TRk_Node* Rest,
                         TRk_Node* Returning);
    TRk_Node* MakeDelete(TRk_Node* Target, TRk_DummyNode* Where, TRk_Node* Returning, uint8_t FromOmitted);
    static TRkCustomExpression* Quantified(TRkCustomExpression* E, TRk_DummyNode* Quantifier);
    TRkCustomExpression* Paren(TSourceToken* Open, TRk_Node* Inner, TSourceToken* Close);
    TRkCustomExpression* IdentExpr(TSourceToken* Token, bool OwnToken = false);
    TRk_FuncCall* Special(TSourceToken* Keyword);
    TRk_A_Const* Const(uint8_t Kind, TSourceToken* Token);
    TRk_DummyNode* KindNode(int32_t Code, TSourceToken* T1, TSourceToken* T2);
    TRkColumnDef* ColumnDef(TSourceToken* Name, TRk_TypeName* Type, TRk_List* Constraints);
    static TRk_Node* Named(TRk_Node* Constraint, TSourceToken* ConstraintToken, TSourceToken* Name);
    TRkConstraint* Constraint(uint8_t TableLevel, uint8_t Type);
    TRkConstraintRefClause* RefClause(TSourceToken* References, TRk_Attr* Table, TRk_DummyNode* Columns,
                                      TRk_DummyNode* Match, TRk_DummyNode* Actions);
    TRk_DummyNode* RefActions(int32_t Presence, TRk_DummyNode* First, TRk_DummyNode* Second);
    TRk_TypeName* TypeName(uint8_t Form, TSourceToken* Keyword, TRk_DummyNode* Params = nullptr,
                           TSourceToken* Unsigned = nullptr, TSourceToken* Zerofill = nullptr);
    TRk_DummyNode* Precision(TSourceToken* Open, TSourceToken* P, TSourceToken* Comma, TSourceToken* S,
                             TSourceToken* Close);
    TRk_CreateTableStmt* CreateTable(TSourceToken* Create, TRk_DummyNode* Temp, TSourceToken* Table,
                                     TRk_DummyNode* IfNotExists, TRk_Attr* Name);
    static void CreateQuery(TRk_CreateTableStmt* C, TRk_DummyNode* Query);
    TRk_DummyNode* QueryPart(TRk_Node* Query, int32_t Mode, int32_t As, TSourceToken* T1, TSourceToken* T2);
    TRk_DummyNode* TableOption(TSourceToken* Keyword, TSourceToken* Equal, TSourceToken* Value);
    TRk_CreateViewSqlStatement* MakeView(uint8_t OrReplace, TRk_DummyNode* Force, TRk_Attr* Name,
                                         TRk_DummyNode* Columns, TRk_Node* Query, TRk_DummyNode* Check);
    TRk_DummyNode* CheckOption(int32_t Kind, TSourceToken* T1, TSourceToken* T2, TSourceToken* T3,
                               TSourceToken* Constraint, TSourceToken* Name);
    TRkAlterTableOption* AlterOption(uint8_t Kind, TSourceToken* Add);
    TRk_SelectLimitClause* Limit(TSourceToken* Keyword);
    TRkTopClause* Top(TSourceToken* Number, bool Percent, bool WithTies);
};
