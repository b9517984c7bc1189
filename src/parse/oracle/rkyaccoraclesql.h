// The Oracle SQL parser: the LALR driver over the tables that yaccgen makes
// from oracle_sql.y, its error handling and recovery, the expected-token
// text, and the small node-building helpers the grammar actions call.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "formatter/rkbasetype.h"
#include "nodes/u_nodes.h"
#include "nodes/u_nodes_generic.h"
#include "nodes/u_parsenodes.h"
#include "parse/oracle/oracletokens.h"
#include "parse/rksqldriver.h"
#include "parse/rkyacctables.h"
#include "statementstructure/rkexpression.h"

// One value-stack record: the cells the SQL grammars share.
using oracleYYSType = TRkSqlYYSType;

class TRkParserOracleSql : public TRkSqlDriver<TRkParserOracleSql, oracleYYSType> {
public:
    // Entries of the value and state stacks a parse starts with; both grow
    // up to MaxStackDepth.
    static constexpr int InitialStackSize = 64;
    static constexpr bool KeepStacks = true;
    static constexpr int ForcedErrorCode = oracletok::FORCED_ERROR;
    static constexpr bool ReduceAfterFailedResume = false;
    static constexpr bool CatchActionErrors = false;

    TRkParserOracleSql();
    const char* ClassName() const override { return "TRkParserOracleSql"; }

    // The next grammar token's code (0 at the end); its token goes into the
    // lookahead record.
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
    static TRk_AnalyticFunction* Analytic(TRk_Node* N) { return static_cast<TRk_AnalyticFunction*>(N); }
    TRk_AnalyticFunction* NewAnalytic();
    TRk_A_Const* IntervalConst(uint8_t Kind, TSourceToken* Interval, TSourceToken* Value, TSourceToken* Unit,
                               TRk_DummyNode* Precision, TRk_DummyNode* Qualifier);
    TRk_CreateTableStmt* NewCreateTable(TRk_DummyNode* Kind, TRk_Attr* Name);
    TRk_DummyNode* Attr(int32_t Code, TSourceToken* T1, TSourceToken* T2 = nullptr, TSourceToken* T3 = nullptr);
    TRkValue* IntValue(int32_t N) { return Adopt(MakeIntegerValue(N)); }
    TRk_TypeName* CharType(TRk_DummyNode* Word);
    TRk_DummyNode* CharWord(int32_t Form, TSourceToken* T1, TSourceToken* T2, TRk_DummyNode* Varying);
    void Charset(TRk_TypeName* Type, TRk_DummyNode* Clause);
    TRk_MergeStmt* MakeMerge(TSourceToken* Merge, TSourceToken* Into, TRk_Attr* Target, TRk_Node* TargetAlias,
                             TSourceToken* Using, TRk_Node* SourceAlias, TSourceToken* On, TSourceToken* Open,
                             TRk_Node* Condition, TSourceToken* Close, TSourceToken* When1, TSourceToken* Matched1,
                             TSourceToken* Then1, TRk_DummyNode* Update, TSourceToken* When2, TSourceToken* Not2,
                             TSourceToken* Matched2, TSourceToken* Then2, TRk_DummyNode* Insert);
};
