// The wizard's reading of a parsed script, apart from its window: the tables
// that the script defines, their key marks, and what the diagram shows of
// each.  Tables stay owned by their statements.
#pragma once

#include "app/main_dot.h"

#include <vector>

class TRkStatementList;
class TRkTable;
class TRkTableList;

// Appends the table of every CREATE TABLE statement that parsed, then
// attaches CREATE INDEX descriptions and ALTER TABLE constraints to the
// first collected table of their name.
void CollectTables(TRkStatementList& Statements, TRkTableList& Tables);
// Sets the not-null, primary-key and foreign-key bits of every column and
// fills the referenced-by lists.  Running it again changes nothing.
void MarkTableKeys(TRkTableList& Tables);
// What the diagram draws of a table (without its lines), or of every table
// of a list, each with the node IDs of the tables whose foreign keys
// reference it.
TDotTable DiagramTable(TRkTable& Table);
std::vector<TDotTable> DiagramTables(TRkTableList& Tables);
