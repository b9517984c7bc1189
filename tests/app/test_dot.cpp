// The diagram text, pinned byte for byte for each level and mark option.
#include "app/common.h"
#include "app/main_dot.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

constexpr std::uint16_t NN = FlagNotNull;
constexpr std::uint16_t PK = FlagPrimaryKey;
constexpr std::uint16_t FK = FlagForeignKey;

// dept <- emp (deptno), emp <- emp (mgr), audit: no key, no type on one column.
std::vector<TDotTable> Sample() {
  TDotTable dept{"dept",
                 {{"deptno", "NUMBER(2)", PK | NN}, {"dname", "VARCHAR2(14)", NN}},
                 {"dept_name_ix(dname)"},
                 {"emp"}};
  TDotTable emp{"emp",
                {{"empno", "NUMBER(4)", PK},
                 {"deptno", "NUMBER(2)", PK | FK | NN},
                 {"mgr", "NUMBER(4)", FK},
                 {"ename", "", 0}},
                {"(ename,mgr)", "emp_x()"},
                {"emp"}};
  TDotTable audit{"audit", {{"note", "CLOB", NN}}, {}, {}};
  return {dept, emp, audit};
}

TDotOptions Options(int Level, bool Fk = true, bool Nn = true, bool Ix = true) {
  TDotOptions o;
  o.ShowKeyRows = Level >= 1;
  o.ShowOtherColumns = Level == 2;
  o.ShowTypes = Level == 2;
  o.MarkForeignKeys = Fk;
  o.MarkNotNull = Nn;
  o.ShowIndexes = Ix;
  o.FontSize = 8;
  o.FontName = "Verdana";
  o.HeaderFontName = "MS Sans Serif";
  return o;
}

const std::string kHeader =
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
    "node [shape=plaintext];\r\n";

std::string Head(const std::string& Name) {
  return "\"" + Name +
         "\" [label= <<TABLE BORDER=\"0\" CELLBORDER=\"1\" CELLSPACING=\"0\">\r\n"
         "<TR ><TD PORT=\"f9\" bgcolor = \"gray\" BORDER = \"1\"><FONT "
         "point-size=\"12\" FACE=\"MS Sans Serif\">" +
         Name + " </FONT></TD></TR>";
}
const std::string kTail = "\r\n</TABLE>>];\r\n";
std::string KeyRow(const std::string& K) {
  return "\r\n<TR><TD PORT=\"f2\" align=\"left\"><FONT color = \"blue\" "
         "point-size=\"8\" FACE=\"Verdana\">" + K + "</FONT></TD></TR>";
}
std::string Row(const std::string& C) {
  return "\r\n<TR><TD PORT=\"f2\" align=\"left\"><FONT point-size=\"8\" "
         "FACE=\"Verdana\">" + C + "</FONT></TD></TR>";
}
std::string IndexRow(const std::string& X) {
  return "<TR><TD PORT=\"f3\" align=\"left\" ><FONT point-size=\"8\" "
         "color = \"brown\" FACE=\"Verdana\">" + X + "</FONT></TD></TR>";
}
const std::string kBr = "<br align = \"left\" />";
const std::string kIxBr = "<br align = \"left\"/>";
const std::string kEdgeAttrs =
    " [arrowhead  = \"crow\" arrowtail = \"tee\" arrowsize = 0.8 label=\"\"];\r\n";

TEST(DotText, FullLevelWithAllMarks) {
  const std::string Expected =
      kHeader +
      "label = \"Staff (03-07-2026) \\n Tables: 3\";\r\n" +
      Head("dept") + KeyRow("deptno NUMBER(2) pk" + kBr) +
      Row("dname VARCHAR2(14) nn") + IndexRow("dept_name_ix(dname)" + kIxBr) +
      kTail + "\r\n" +
      Head("emp") +
      KeyRow("empno NUMBER(4) pk" + kBr + "deptno NUMBER(2) pk fk" + kBr) +
      Row("mgr NUMBER(4) fk") + Row("ename") +
      IndexRow("(ename,mgr)" + kIxBr + "emp_x()" + kIxBr) + kTail + "\r\n" +
      Head("audit") + Row("note CLOB nn") + kTail + "\r\n" +
      "\"dept\" -- \"emp\"" + kEdgeAttrs + "\"emp\" -- \"emp\"" + kEdgeAttrs +
      "\r\n}\r\n";
  EXPECT_EQ(DotDocument(Sample(), Options(2), "Staff", {2026, 3, 7}), Expected);
}

TEST(DotText, NameWithPrimaryKeyLevelShowsKeysWithoutTypes) {
  std::vector<TDotTable> t = Sample();
  EXPECT_EQ(DotTableNode(t[1], Options(1)),
            Head("emp") + KeyRow("empno pk" + kBr + "deptno pk fk" + kBr) +
                IndexRow("(ename,mgr)" + kIxBr + "emp_x()" + kIxBr) + kTail);
  // No key column: no key row even at this level.
  EXPECT_EQ(DotTableNode(t[2], Options(1)), Head("audit") + kTail);
}

TEST(DotText, TableNameOnlyLevel) {
  std::vector<TDotTable> t = Sample();
  EXPECT_EQ(DotTableNode(t[0], Options(0, true, true, false)), Head("dept") + kTail);
  // The index row depends on its check box alone.
  EXPECT_EQ(DotTableNode(t[0], Options(0)),
            Head("dept") + IndexRow("dept_name_ix(dname)" + kIxBr) + kTail);
}

TEST(DotText, MarksOff) {
  std::vector<TDotTable> t = Sample();
  EXPECT_EQ(DotTableNode(t[1], Options(2, false, false, false)),
            Head("emp") +
                KeyRow("empno NUMBER(4) pk" + kBr + "deptno NUMBER(2) pk" + kBr) +
                Row("mgr NUMBER(4)") + Row("ename") + kTail);
  EXPECT_EQ(DotTableNode(t[0], Options(2, true, false, true)),
            Head("dept") + KeyRow("deptno NUMBER(2) pk" + kBr) +
                Row("dname VARCHAR2(14)") +
                IndexRow("dept_name_ix(dname)" + kIxBr) + kTail);
}

TEST(DotText, NoReferenceGivesAnEmptyEdgeItem) {
  std::vector<TDotTable> t = {{"a", {}, {}, {}}};
  EXPECT_EQ(DotRelations(t), "");
  EXPECT_EQ(DotDocument(t, Options(2), "", {2026, 12, 31}),
            kHeader + "label = \" (12-31-2026) \\n Tables: 1\";\r\n" + Head("a") +
                kTail + "\r\n\r\n}\r\n");
}

// Names that would break the DOT text are escaped; ordinary ones are not.
TEST(DotText, HostileNamesAreEscaped) {
  TDotTable t{"\"EMP\"", {{"a&b", "VARCHAR2(<n>)", 0}}, {"i\"x(a&b)"}, {"o\\k"}};
  TDotOptions o = Options(2);
  o.FontName = "Font \"X\"";
  const std::string Node = DotTableNode(t, o);
  EXPECT_EQ(Node.rfind("\"\\\"EMP\\\"\" [label= <<TABLE", 0), 0u) << Node;
  EXPECT_NE(Node.find("FACE=\"MS Sans Serif\">&quot;EMP&quot; </FONT>"),
            std::string::npos) << Node;
  EXPECT_NE(Node.find("FACE=\"Font &quot;X&quot;\">a&amp;b VARCHAR2(&lt;n&gt;)</FONT>"),
            std::string::npos) << Node;
  EXPECT_NE(Node.find(">i&quot;x(a&amp;b)<br"), std::string::npos) << Node;
  EXPECT_EQ(DotRelations({t}), "\"\\\"EMP\\\"\" -- \"o\\\\k\"" + kEdgeAttrs);
  EXPECT_EQ(DotDocument({}, o, "a \"b\" \\c", {2026, 1, 2}).find(
                "label = \"a \\\"b\\\" \\\\c (01-02-2026) \\n Tables: 0\";\r\n"),
            kHeader.size());
}

TEST(DotText, Latin1NamesBecomeUtf8) {
  EXPECT_EQ(ToUtf8("caf\xE9"), "caf\xC3\xA9");
  EXPECT_EQ(ToUtf8("caf\xC3\xA9"), "caf\xC3\xA9");  // already UTF-8
  EXPECT_EQ(DotHtml("a\x01" "b"), "a b");
}

// Each table is a node of its own: the first of a name keeps the name, the
// later ones get a number that no table of the script has as its name.
TEST(DotText, NodeIdsAreUniqueAndTheFirstOfANameKeepsIt) {
  EXPECT_EQ(DotNodeIds(std::vector<std::string>{"t", "t", "t#2", "t", "u"}),
            (std::vector<std::string>{"t", "t#3", "t#2", "t#4", "u"}));
  // A script that drops and creates its tables again, many times over.
  std::vector<std::string> Names;
  for (int i = 0; i < 3000; ++i) Names.push_back(i % 3 == 0 ? "a" : i % 3 == 1 ? "b" : "a#7");
  const std::vector<std::string> Ids = DotNodeIds(Names);
  EXPECT_EQ(std::set<std::string>(Ids.begin(), Ids.end()).size(), Names.size());
  EXPECT_EQ(Ids[0], "a");
  EXPECT_EQ(Ids[2], "a#7");
}

TEST(CommonText, StripFileExt) {
  EXPECT_EQ(StripFileExt("/work/schema.sql"), "/work/schema.");
  EXPECT_EQ(StripFileExt("/work/schema"), "/work/schema");
  EXPECT_EQ(StripFileExt("/my.dir/schema"), "/my.dir/schema");
  EXPECT_EQ(StripFileExt("/my.dir/schema.sql"), "/my.dir/schema.");
  EXPECT_EQ(StripFileExt("my.dir/.hidden"), "my.dir/.");
  EXPECT_EQ(StripFileExt("a.b.sql"), "a.b.");
  EXPECT_EQ(StripFileExt(""), "");
}

TEST(CommonText, NameKeyMatchesTheLastPartWhateverItsQuotingAndCase) {
  const char* const Same[] = {"Orders", " ORDERS ", "scott.orders", "\"orders\"",
                              "[Orders]", "`orders`", "db.\"ORDERS\"", "orders\t"};
  for (const char* s : Same) EXPECT_EQ(NameKey(s), "orders") << s;
  EXPECT_EQ(NameKey("\"a.b\""), "a.b");
  EXPECT_EQ(NameKey("x.\"a.b\""), "a.b");
  EXPECT_EQ(NameKey("\"\""), "");
  EXPECT_NE(NameKey("order"), NameKey("orders"));
}

}  // namespace
