// Query and expression pieces the SQL grammars' actions build alike.
#pragma once

#include "nodes/u_nodes.h"
#include "nodes/u_nodes_generic.h"
#include "nodes/u_parsenodes.h"
#include "statementstructure/rkexpression.h"

// A query in parentheses: Open and Close join its own tokens around the
// ones of the parentheses it already has.  Not a query: Query unchanged.
TRk_Node* RkWrapParens(TRk_Node* Query, TSourceToken* Open, TSourceToken* Close);

// The column list and the VALUES or query of an INSERT, from the node
// that holds them after the target (Rest may be nil).
void RkTakeInsertRest(TRk_InsertStmt* Insert, TRk_Node* Rest);

// ANY, SOME or ALL before a subquery operand: the quantifier node holds its
// kind in Int1 and its word in Tok1.
TRkCustomExpression* RkQuantify(TRkCustomExpression* E, TRk_DummyNode* Quantifier);
