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
#include "parse/rksqldriver.h"
#include "parse/rkyacctables.h"
#include "parse/rkyaccvalue.h"
#include "statementstructure/rkexpression.h"

// One value-stack record.  Each grammar symbol fills the cell that suits it;
// a terminal's value is its token.
struct accessYYSType : TRkYYValue {
    RK_YY_CELL(TRk_DummyNode, clause, 1)  // clause carriers
    RK_YY_CELL(TRk_Node, node, 2)         // statements, queries, expressions, names
    RK_YY_CELL(TRk_TypeName, type, 3)     // data types
    RK_YY_CELL(TRk_List, list, 4)         // every list
    RK_YY_CELL(TSourceToken, token, 5)    // terminals and name/literal tokens
};

class TRkParserMsaccessSql : public TRkSqlDriver<TRkParserMsaccessSql, accessYYSType> {
public:
    // Entries of the value and state stacks a parse starts with; both grow
    // up to MaxStackDepth.
    static constexpr int InitialStackSize = 1048;
    static constexpr bool KeepStacks = true;
    static constexpr int ForcedErrorCode = -1;
    static constexpr bool ReduceAfterFailedResume = false;
    static constexpr bool CatchActionErrors = true;

    TRkParserMsaccessSql();
    const char* ClassName() const override { return "TRkParserMsaccessSql"; }

    // The next grammar token's code (0 at the end); a ":" name reads as an
    // identifier (its code is changed in the token list).
    int NextToken();
    // Generated from the grammar: the semantic action of rule yyruleno.
    void yyaction(int yyruleno);

    // Names for the expected-token text: first row with the code wins.
    static bool TokenName(int Code, std::string& Name);
    static bool KeywordName(int Code, std::string& Name);

    // The generated tables.
    static const TRkYaccTables& Tables();

private:
    // ---- Helpers of the grammar actions -------------------------------
    TRk_Attr* PlainName(TSourceToken* Name) { return DottedName(Name); }
    TRk_DummyNode* KeyActions(int32_t Given, TRk_DummyNode* First, TRk_DummyNode* Second) {
        return RefActions(Given, First, Second);
    }
    TRk_DummyNode* KeyAction(int32_t Code, TSourceToken* W1, TSourceToken* W2) { return KindNode(Code, W1, W2); }
    TRk_SelectDistinct* Distinct(uint8_t Kind, TSourceToken* Keyword);
    // An index column as the index statements read it: Sub1 the column
    // reference, Tok1 ASC or DESC, Int1 0, 1 (ASC) or 2 (DESC).
    TRk_DummyNode* IndexColumn(TSourceToken* Name, TSourceToken* Order, int32_t Kind);
    TRk_Node* MakeInsert(TSourceToken* Insert, TSourceToken* Into, TRk_Node* Target, TRk_Node* Rest);
    TRk_Node* MakeDelete(TSourceToken* Delete, TSourceToken* From, TRk_Node* Target, TRk_DummyNode* FromList,
                         TRk_DummyNode* Where);
    TRk_CreateTableStmt* NewCreateTable(TSourceToken* Create, TRk_DummyNode* Temp, TSourceToken* Table,
                                        TRk_Node* Name);
    TRkConstraintRefClause* RefClause(TRkConstraint* C, TSourceToken* References, TRk_Node* Table,
                                      TRk_DummyNode* Columns, TRk_DummyNode* Match, TRk_DummyNode* Actions);
};
