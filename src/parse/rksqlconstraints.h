// Constraint pieces the SQL grammars' actions build alike: the constraint's
// name, the REFERENCES clause and its ON DELETE / ON UPDATE actions.
#pragma once

#include <cstdint>

#include "nodes/u_nodes.h"
#include "nodes/u_nodes_generic.h"
#include "nodes/u_parsenodes.h"

// CONSTRAINT Name before a constraint (Constraint may be nil).
TRk_Node* RkNameConstraint(TRk_Node* Constraint, TSourceToken* ConstraintToken, TSourceToken* Name);

// The referenced table and columns, MATCH and the actions of a REFERENCES
// clause; the flags of an action that is not written hold the low byte of
// -9999.
void RkFillRefClause(TRkConstraintRefClause* Clause, TRk_Attr* Table, TRk_DummyNode* Columns,
                     TRk_DummyNode* Match, TRk_DummyNode* Actions);

// The tokens of up to two ON DELETE / ON UPDATE actions in source order:
// an action's node holds its words in Tok1/Tok2 and ON plus DELETE or
// UPDATE in Tok3/Tok4.
void RkOrderRefActions(TRk_DummyNode* Holder, TRk_DummyNode* First, TRk_DummyNode* Second);
