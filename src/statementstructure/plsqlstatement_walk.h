// Helpers shared by the walks and analyses of the PL/SQL elements.
#pragma once

#include <cstdint>

#include "nodes/u_nodes.h"
#include "nodes/u_nodes_generic.h"
#include "statementstructure/plsqlstatement_elements.h"

class TRkCustomExpression;

namespace plsql_detail {

// A part the walk cannot do without: a missing one ends the element's walk.
void AcceptRequired(TRkVisitedAbs* Part, TRkVisitorAbs& V);
// The element behind a raw list item, nullptr for anything else.
TRkPlsql_Element* AsElement(TRkVisitedAbs* Item);
// Parent's token events to the item, then the item's Analyze.
void AnalyzeChild(TRkVisitedAbs* Item, const TRkPlsql_Element* Parent);
// The same for each item of a raw list.
void AnalyzeChildren(const TRk_List* List, const TRkPlsql_Element* Parent);
// Section's raw list := Statements; Parent's token events; its Analyze.
void FillSection(TrkPlsql_ProcSect* Section, TRk_List* Statements, const TRkPlsql_Element* Parent);
// Analyze of each item of a raw list, without token events.
void AnalyzeChildrenQuietly(const TRk_List* List);
// Clear of each item of a raw list.
void ClearChildren(const TRk_List* List);
// A new list expression of no kind yet, left operand nil (owned by its element).
std::unique_ptr<TRkCustomExpression> NewListExpression();
void SetListExpression(TRkCustomExpression* Expr, std::uint8_t Kind, TRk_List* List);
void ClearListExpression(TRkCustomExpression* Expr);
// "(" params with separators ")" of a parameter part node.
void AcceptParameterPart(TRk_DummyNode* Part, TRk_List* Params, TRkVisitorAbs& V);
// CREATE [OR REPLACE] of a unit by its kind.
void AcceptCreatePrefix(int32_t CreateKind, TRk_DummyNode* CreateNode, TRkVisitorAbs& V);
// The NOT NULL node's two tokens.
void AcceptNotNull(TRk_DummyNode* Node, TRkVisitorAbs& V);
// An embedded SQL statement: its tree, or its words when it has none.
void AcceptEmbedded(TCustomSqlStatement* Sql, TRkVisitorAbs& V, bool Required = false);

}  // namespace plsql_detail
