// The diagram's DOT text, built from what the wizard collected of each table.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct TDotColumn {
  std::string Name;
  std::string TypeText;  // empty when the column has no data type
  std::uint16_t Flags = 0;
};

struct TDotTable {
  std::string Name;
  std::vector<TDotColumn> Columns;
  std::vector<std::string> Indexes;       // "name(col,col)"
  std::vector<std::string> ReferencedBy;  // node IDs of referencing tables
};

struct TDotOptions {
  bool ShowKeyRows = true;
  bool ShowOtherColumns = true;
  bool ShowTypes = true;
  bool ShowIndexes = true;
  bool MarkForeignKeys = true;
  bool MarkNotNull = true;
  int FontSize = 8;                // the diagram font, whole points
  std::string FontName;            // the diagram font's face
  std::string HeaderFontName;      // the face of every header cell
};

struct TDotDate {
  int Year = 2000;
  int Month = 1;
  int Day = 1;
};

// The node ID of each table, in list order: its name, and for the second
// and later tables of one name that name with a number no other table has,
// so that each table is a node of its own.
std::vector<std::string> DotNodeIds(const std::vector<std::string>& Names);
std::vector<std::string> DotNodeIds(const std::vector<TDotTable>& Tables);
// The node item of one table, ended by CR LF; its ID is Id, or its name.
std::string DotTableNode(const TDotTable& Table, const TDotOptions& Options);
std::string DotTableNode(const TDotTable& Table, const TDotOptions& Options,
                         const std::string& Id);
// One edge line per referencing table, referenced table first; each line
// ended by CR LF; empty when no table is referenced.
std::string DotRelations(const std::vector<TDotTable>& Tables);
// The whole file: header, graph label, node items, edges, "}".
std::string DotDocument(const std::vector<TDotTable>& Tables,
                        const TDotOptions& Options, const std::string& Title,
                        const TDotDate& Today);

// Escapes for the kinds of DOT text that carry names and the title.  Text that
// is not valid UTF-8 is read as Latin-1 first, since Graphviz reads UTF-8.
std::string DotQuoted(const std::string& S);   // inside "..." (IDs)
std::string DotLabel(const std::string& S);    // inside "..." shown as typed
std::string DotHtml(const std::string& S);     // inside HTML-like labels
std::string ToUtf8(const std::string& S);
