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
#include "parse/rksqldriver.h"
#include "parse/rkyacctables.h"
#include "statementstructure/ddlstatement.h"
#include "statementstructure/rkexpression.h"
#include "statementstructure/sqlstatement_select.h"

// One value-stack record: the cells the SQL grammars share.
using mysqlYYSType = TRkSqlYYSType;

class TRkParserMySQLSql : public TRkSqlDriver<TRkParserMySQLSql, mysqlYYSType> {
public:
    // Entries of the value and state stacks a parse starts with; both grow
    // up to MaxStackDepth.
    static constexpr int InitialStackSize = 1048;
    static constexpr bool KeepStacks = true;
    static constexpr int ForcedErrorCode = -1;
    static constexpr bool ReduceAfterFailedResume = true;
    static constexpr bool CatchActionErrors = false;

    TRkParserMySQLSql();
    const char* ClassName() const override { return "TRkParserMySQLSql"; }

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
    TRk_TypeName* TypeName(uint8_t Form, TSourceToken* Keyword, TRk_DummyNode* Params = nullptr,
                           TSourceToken* Unsigned = nullptr, TSourceToken* Zerofill = nullptr);
    TRk_CreateTableStmt* CreateTable(TSourceToken* Create, TRk_DummyNode* Temp, TSourceToken* Table,
                                     TRk_DummyNode* IfNotExists, TRk_Attr* Name);
    static void CreateQuery(TRk_CreateTableStmt* C, TRk_DummyNode* Query);
    TRk_DummyNode* QueryPart(TRk_Node* Query, int32_t Mode, int32_t As, TSourceToken* T1, TSourceToken* T2);
    TRk_DummyNode* TableOption(TSourceToken* Keyword, TSourceToken* Equal, TSourceToken* Value);
    TRk_DummyNode* CheckOption(int32_t Kind, TSourceToken* T1, TSourceToken* T2, TSourceToken* T3,
                               TSourceToken* Constraint, TSourceToken* Name);
    TRkAlterTableOption* AlterOption(uint8_t Kind, TSourceToken* Add);
    TRk_SelectLimitClause* Limit(TSourceToken* Keyword);
    TRkTopClause* Top(TSourceToken* Number, bool Percent, bool WithTies);
};
