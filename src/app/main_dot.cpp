#include "app/main_dot.h"

#include "app/common.h"

#include <cstdio>
#include <unordered_map>
#include <unordered_set>

namespace {

const char* const kCrLf = "\r\n";

const char* const kHeader =
    "graph structs {\r\n"
    "mode = \"major\"; //major,hier, KK\r\n"
    "overlap = FALSE;\r\n"
    "page = \"8.5,11\";\r\n"
    "margin = \".5,.5\";\r\n"
    "ranksep = \"1.0 equally\";\r\n"
    "sep = .05;\r\n"
    "labelloc = \"t\";\r\n"
    "fontsize = 16;\r\n"
    "orientation = portrait;\r\n"
    "// orientation = landscape;\r\n"
    "node [shape=plaintext];";

bool IsUtf8(const std::string& S) {
  size_t i = 0;
  const size_t n = S.size();
  while (i < n) {
    unsigned char c = static_cast<unsigned char>(S[i]);
    size_t Len = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3
                                : (c >> 3) == 0x1E ? 4 : 0;
    if (Len == 0 || i + Len > n) return false;
    if (Len == 2 && c < 0xC2) return false;  // overlong
    for (size_t k = 1; k < Len; ++k)
      if ((static_cast<unsigned char>(S[i + k]) & 0xC0) != 0x80) return false;
    i += Len;
  }
  return true;
}

std::string ColumnText(const TDotColumn& c, const TDotOptions& o) {
  std::string Text = DotHtml(c.Name);
  if (o.ShowTypes && !c.TypeText.empty()) Text += " " + DotHtml(c.TypeText);
  return Text;
}

}  // namespace

std::string ToUtf8(const std::string& S) {
  if (IsUtf8(S)) return S;
  std::string Out;
  Out.reserve(S.size() + S.size() / 2);
  for (char ch : S) {
    unsigned char c = static_cast<unsigned char>(ch);
    if (c < 0x80) {
      Out += ch;
    } else {
      Out += static_cast<char>(0xC0 | (c >> 6));
      Out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return Out;
}

std::string DotQuoted(const std::string& S) {
  std::string In = ToUtf8(S);
  std::string Out;
  Out.reserve(In.size());
  for (char c : In) {
    if (c == '"' || c == '\\') Out += '\\';
    Out += c;
  }
  return Out;
}

std::string DotLabel(const std::string& S) {
  // An ordinary label reads "&amp;" and its kin as the characters they name.
  std::string Out;
  for (char c : DotQuoted(S)) {
    if (c == '&') Out += "&amp;";
    else Out += c;
  }
  return Out;
}

std::string DotHtml(const std::string& S) {
  std::string In = ToUtf8(S);
  std::string Out;
  Out.reserve(In.size());
  for (char c : In) {
    switch (c) {
      case '&': Out += "&amp;"; break;
      case '<': Out += "&lt;"; break;
      case '>': Out += "&gt;"; break;
      case '"': Out += "&quot;"; break;
      default:
        // Control characters are not allowed in the label's markup.
        Out += (static_cast<unsigned char>(c) < 0x20 && c != '\t') ? ' ' : c;
    }
  }
  return Out;
}

std::vector<std::string> DotNodeIds(const std::vector<std::string>& Names) {
  std::unordered_set<std::string> Taken(Names.begin(), Names.end());
  std::unordered_map<std::string, int> Seen;  // tables of each name so far
  std::vector<std::string> Ids;
  Ids.reserve(Names.size());
  for (const std::string& Name : Names) {
    int& Number = Seen[Name];
    if (++Number == 1) {
      Ids.push_back(Name);
      continue;
    }
    std::string Id = Name + "#" + std::to_string(Number);
    while (!Taken.insert(Id).second) Id = Name + "#" + std::to_string(++Number);
    Ids.push_back(std::move(Id));
  }
  return Ids;
}

std::vector<std::string> DotNodeIds(const std::vector<TDotTable>& Tables) {
  std::vector<std::string> Names;
  Names.reserve(Tables.size());
  for (const TDotTable& t : Tables) Names.push_back(t.Name);
  return DotNodeIds(Names);
}

std::string DotTableNode(const TDotTable& Table, const TDotOptions& o) {
  return DotTableNode(Table, o, Table.Name);
}

std::string DotTableNode(const TDotTable& Table, const TDotOptions& o,
                         const std::string& Id) {
  const std::string Size = std::to_string(o.FontSize);
  const std::string Face = DotHtml(o.FontName);
  std::string Text = "\"" + DotQuoted(Id) +
                     "\" [label= <<TABLE BORDER=\"0\" CELLBORDER=\"1\" "
                     "CELLSPACING=\"0\">";
  Text += kCrLf;
  Text += "<TR ><TD PORT=\"f9\" bgcolor = \"gray\" BORDER = \"1\"><FONT "
          "point-size=\"12\" FACE=\"" +
          DotHtml(o.HeaderFontName) + "\">" + DotHtml(Table.Name) +
          " </FONT></TD></TR>";

  if (o.ShowKeyRows) {
    std::string Keys;
    for (const TDotColumn& c : Table.Columns) {
      if ((c.Flags & FlagPrimaryKey) == 0) continue;
      Keys += ColumnText(c, o) + " pk";
      if (o.MarkForeignKeys && (c.Flags & FlagForeignKey) != 0) Keys += " fk";
      Keys += "<br align = \"left\" />";
    }
    if (!Keys.empty()) {
      Text += kCrLf;
      Text += "<TR><TD PORT=\"f2\" align=\"left\"><FONT color = \"blue\" "
              "point-size=\"" + Size + "\" FACE=\"" + Face + "\">" + Keys +
              "</FONT></TD></TR>";
    }
  }

  if (o.ShowOtherColumns) {
    for (const TDotColumn& c : Table.Columns) {
      if ((c.Flags & FlagPrimaryKey) != 0) continue;
      std::string Col = ColumnText(c, o);
      if (o.MarkForeignKeys && (c.Flags & FlagForeignKey) != 0) Col += " fk";
      if (o.MarkNotNull && (c.Flags & FlagNotNull) != 0) Col += " nn";
      Text += kCrLf;
      Text += "<TR><TD PORT=\"f2\" align=\"left\"><FONT point-size=\"" + Size +
              "\" FACE=\"" + Face + "\">" + Col + "</FONT></TD></TR>";
    }
  }

  if (o.ShowIndexes && !Table.Indexes.empty()) {
    std::string Indexes;
    for (const std::string& x : Table.Indexes)
      Indexes += DotHtml(x) + "<br align = \"left\"/>";
    Text += "<TR><TD PORT=\"f3\" align=\"left\" ><FONT point-size=\"" + Size +
            "\" color = \"brown\" FACE=\"" + Face + "\">" + Indexes +
            "</FONT></TD></TR>";
  }

  Text += kCrLf;
  Text += "</TABLE>>];";
  Text += kCrLf;
  return Text;
}

std::string DotRelations(const std::vector<TDotTable>& Tables) {
  const std::vector<std::string> Ids = DotNodeIds(Tables);
  std::string Text;
  for (size_t i = 0; i < Tables.size(); ++i) {
    const std::string Referenced = DotQuoted(Ids[i]);
    for (const std::string& r : Tables[i].ReferencedBy) {
      Text += "\"" + Referenced + "\" -- \"" + DotQuoted(r) +
              "\" [arrowhead  = \"crow\" arrowtail = \"tee\" arrowsize = 0.8 "
              "label=\"\"];";
      Text += kCrLf;
    }
  }
  return Text;
}

std::string DotDocument(const std::vector<TDotTable>& Tables,
                        const TDotOptions& Options, const std::string& Title,
                        const TDotDate& Today) {
  char Date[40];
  std::snprintf(Date, sizeof Date, "(%02d-%02d-%04d)", Today.Month, Today.Day,
                Today.Year);
  std::string Text = kHeader;
  Text += kCrLf;
  Text += "label = \"" + DotLabel(Title) + " " + Date + " \\n Tables: " +
          std::to_string(Tables.size()) + "\";";
  Text += kCrLf;
  const std::vector<std::string> Ids = DotNodeIds(Tables);
  for (size_t i = 0; i < Tables.size(); ++i) {
    Text += DotTableNode(Tables[i], Options, Ids[i]);
    Text += kCrLf;
  }
  Text += DotRelations(Tables);
  Text += kCrLf;
  Text += "}";
  Text += kCrLf;
  return Text;
}
