// Names and small text routines shared by the wizard's units.
#pragma once

#include <string>

extern const char* const OutputFormatNames[4];   // "GIF", "JPG", "PNG", "PostScript"
extern const char* const OutputFormatExts[4];    // "gif", "jpg", "png", "ps"
extern const char* const DiagramLevelNames[3];   // "Table name only", ...

// Bits of TRkField.Flags that the wizard sets and the diagram reads.
inline constexpr unsigned FlagNotNull = 2;
inline constexpr unsigned FlagPrimaryKey = 16;
inline constexpr unsigned FlagForeignKey = 32;

// The argument up to and including the last "." of its file name (a dot in
// a folder's name does not count); the argument unchanged when the file name
// holds no ".".
std::string StripFileExt(const std::string& FileName);

// The user's temporary folder (TMPDIR, else /tmp), without a trailing "/".
std::string GetTempDir();

// Blanks (space, tab, CR, LF) trimmed at both ends.
std::string TrimBlanks(const std::string& S);

// The key under which names are matched: the last part of a dotted name,
// blanks trimmed, one level of quoting removed ([x], "x", `x`), ASCII
// lower case.  "Orders", " ORDERS ", "scott.orders" and "[orders]" match.
std::string NameKey(const std::string& Name);
