// The MS Access SQL parser: the LALR driver over the tables that yaccgen
// makes from msaccess_sql.y, its error handling and recovery, the
// expected-token text, and the node-building helpers the grammar actions
// call.  The scanner is TRkLexerMsaccess (parse/msaccess/rklexmsaccess.h).
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
#include "statementstructure/rkexpression.h"

// One value-stack record.  Each grammar symbol fills the cell that suits it;
// a terminal's value is its token.
struct accessYYSType {
    TRk_DummyNode* clause = nullptr;   // clause carriers
    TRk_Node* node = nullptr;          // statements, queries, expressions, names
    TRk_TypeName* type = nullptr;      // data types
    TRk_List* list = nullptr;          // every list
    TSourceToken* token = nullptr;     // terminals and name/literal tokens
    std::string text;
};

// Converts a node reference to the narrower field type it is assigned to;
// the grammar only stores values whose class matches the field.
template <class P>
struct TRkAccessCast {
    P* Ptr = nullptr;
    template <class T>
    operator T*() const {   // NOLINT(google-explicit-constructor)
        return static_cast<T*>(Ptr);
    }
};

class TRkParserMsaccessSql : public TRkCustomParser {
public:
    // Entries of the value and state stacks a parse starts with; both grow
    // up to MaxStackDepth.
    static constexpr int InitialStackSize = 1048;
    static constexpr int MaxExpectedNames = 20;

    TRkParserMsaccessSql();
    const char* ClassName() const override { return "TRkParserMsaccessSql"; }

    // 0 accepted, 1 failed.
    int yyparse() override;

    // The next grammar token's code (0 at the end); a ":" name reads as an
    // identifier (its code is changed in the token list).
    int NextToken();
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

    static const TRkYaccTables& Tables();

    // Read by the generated actions (and by tests).
    accessYYSType yylval{};               // lookahead record
    accessYYSType yyval{};                // value of the last shift or reduce
    std::vector<accessYYSType> yyv;       // value stack, yyv[yysp] on top
    std::vector<int16_t> yys;             // state stack
    int yysp = 0;

private:
    enum TLastAction : uint8_t { laNone, laShift, laReduce };

    int FState = 0;
    int FSavedState = 0;                  // undo record, taken at shifts
    int FSavedSp = 0;
    accessYYSType FSavedVal{};
    TLastAction FLastAction = laNone;
    int FEventCount = 0;
    bool FResumed = false;

    bool Push();
    int Reduce(int Rule);   // 0 go on, 1 accept, 2 fail
    void Fetch();

    // ---- Helpers of the grammar actions -------------------------------
    template <class T>
    T* New() {
        return NewNode<T>(true);
    }
    TRk_DummyNode* Holder() { return NewNode<TRk_DummyNode>(true); }
    template <class P>
    static TRkAccessCast<P> NC(P* p) {
        return TRkAccessCast<P>{p};
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
    TRk_Attr* PlainName(TSourceToken* Name);
    TRkCustomExpression* Paren(TSourceToken* Open, TRk_Node* Inner, TSourceToken* Close);
    static TRkCustomExpression* Quantified(TRkCustomExpression* E, TRk_DummyNode* Quantifier);
    TRk_A_Const* Const(uint8_t Kind, TSourceToken* Token);
    TRk_SelectDistinct* Distinct(uint8_t Kind, TSourceToken* Keyword);
    TRk_TableRef* TableRef(TRk_Node* Name, TRk_Node* Alias);
    TRk_JoinExpr* Join(uint8_t Kind, TRk_Node* Left, TRk_Node* Right, TRk_Node* Qual, TRk_DummyNode* Type);
    TRk_AliasClause* Alias(TSourceToken* As, TSourceToken* Name, TRk_List* Parts, bool MarkAlias);
    TRk_Node* MakeInsert(TSourceToken* Insert, TSourceToken* Into, TRk_Node* Target, TRk_Node* Rest);
    TRk_Node* MakeDelete(TSourceToken* Delete, TSourceToken* From, TRk_Node* Target, TRk_DummyNode* FromList,
                         TRk_DummyNode* Where);
    TRk_CreateTableStmt* NewCreateTable(TSourceToken* Create, TRk_DummyNode* Temp, TSourceToken* Table,
                                        TRk_Node* Name);
    TRkConstraint* Constraint(uint8_t TableLevel, uint8_t Type);
    static TRk_Node* Named(TRk_Node* Constraint, TSourceToken* ConstraintToken, TSourceToken* Name);
    TRkConstraintRefClause* RefClause(TRkConstraint* C, TSourceToken* References, TRk_Node* Table,
                                      TRk_DummyNode* Columns, TRk_DummyNode* Match, TRk_DummyNode* Actions);
    TRk_DummyNode* KeyActions(int32_t Given, TRk_DummyNode* First, TRk_DummyNode* Second);
    TRk_DummyNode* KeyAction(int32_t Code, TSourceToken* W1, TSourceToken* W2);
    TRk_TypeName* TypeName(uint8_t Form, TSourceToken* Keyword, TRk_DummyNode* Params = nullptr);
    TRk_TypeName* CharType(TRk_DummyNode* Word, TSourceToken* Open, TSourceToken* Len, TSourceToken* Close);
    TRk_DummyNode* Precision(TSourceToken* Open, TSourceToken* First, TSourceToken* Comma, TSourceToken* Second,
                             TSourceToken* Close);
    TRk_FuncCall* Call(TRk_Node* Name, TRk_List* Args);
    TRk_FuncCall* Special(TSourceToken* Keyword, uint8_t Form);
};
