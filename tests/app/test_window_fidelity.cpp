// The wizard keeps what the user gave it: every table of the script is a
// box, every foreign key a line whatever comments stand inside the names,
// the title and the font are drawn as chosen, and the proposed output name
// stays in the script's folder.
#include "window_fixture.h"

#include "app/erdll.h"

#include <vector>

namespace {

// The DOT text of the last drawing laid out again into a format that tells
// what was drawn ("xdot": the texts; "plain": the nodes and edges).
std::string Relayout(const std::string& Dot, const fs::path& Dir, const std::string& Format) {
  const fs::path In = Dir / "again.dot";
  const fs::path Out = Dir / ("again." + Format);
  WriteFile(In, Dot);
  TErEngineLibrary Library(ORRERY_APP_DIR "liberengine.so");
  if (Library.ErOut("neato,-T" + Format + "," + In.string() + ",-o," + Out.string()) != 0)
    return {};
  return ReadFile(Out);
}

// The lines of a text that start with a word.
int CountLines(const std::string& Text, const std::string& Word) {
  int n = Text.compare(0, Word.size(), Word) == 0;
  return n + Count(Text, "\n" + Word);
}

// A comment between any two tokens of a foreign key's reference keeps its
// line, in either comment form, whatever the dialect's quoting.
TEST_F(WindowTest, CommentsInsideTheReferencedNameKeepTheLine) {
  struct TDialect {
    int Vendor;
    std::vector<std::string> Reference;  // the tokens after the column list
    const char* End;
  };
  const TDialect Dialects[] = {
      {1, {"REFERENCES", "hr", ".", "parent", "(", "id", ")"}, ";\n"},
      {0, {"REFERENCES", "[dbo]", ".", "[Parent]", "(", "id", ")"}, "\nGO\n"},
  };
  const char* const Comments[] = {"/*x*/", " -- c\n"};
  int Checked = 0;
  for (const TDialect& d : Dialects) {
    if (!DialectBuilt(static_cast<std::uint8_t>(d.Vendor))) continue;
    for (size_t Gap = 1; Gap < d.Reference.size(); ++Gap) {
      for (const char* Comment : Comments) {
        std::string Reference;
        for (size_t i = 0; i < d.Reference.size(); ++i)
          Reference += (i == Gap ? Comment : " ") + d.Reference[i];
        SCOPED_TRACE(Reference);
        while (Page() != 0) Click(W->btnback);
        WriteFile(Dir / "r.sql",
                  std::string("CREATE TABLE parent (id int PRIMARY KEY)") + d.End +
                      "CREATE TABLE child (pid int, CONSTRAINT c_fk FOREIGN KEY (pid) " +
                      Reference + ")" + d.End);
        OpenScript(Dir / "r.sql", d.Vendor);
        ASSERT_EQ(Page(), 1) << W->lbschemahint->text().toStdString();
        W->MarkKeys(W->Tables());
        const std::string Lines = W->RelationsToDot(W->Tables());
        EXPECT_EQ(Count(Lines, " -- "), 1) << Lines;
        EXPECT_EQ(Count(Lines, "\"parent\" -- \"child\""), 1) << Lines;
        ++Checked;
      }
    }
  }
  EXPECT_GT(Checked, 0);
}

// Tables of one name, as scripts that drop and create a table again have
// them, or of one name in two schemas or two cases: each is a box with its
// own rows, labelled with the name, and a foreign key to the name is a line
// to each, from the table that holds it.
TEST_F(WindowTest, TablesOfOneNameAreBoxesOfTheirOwn) {
  REQUIRE_ORACLE();
  WriteFile(Dir / "same.sql",
            "create table t (a number primary key, b varchar2(10));\n"
            "create table t (x number, y date);\n"
            "create table child (id number, tid number,\n"
            "  constraint c_fk foreign key (tid) references t (a));\n"
            "create index t_ix on t (b);\n"
            "create table hr.item (id number primary key);\n"
            "create table sales.item (code number);\n"
            "create table Orders (id number);\n"
            "create table ORDERS (no number);\n"
            "create table line (oid number,\n"
            "  constraint l_fk foreign key (oid) references sales.orders (id));\n"
            "drop table child;\n"
            "create table child (id number, tid number,\n"
            "  constraint c2_fk foreign key (tid) references t (a));\n");
  OpenScript(Dir / "same.sql");
  ASSERT_EQ(Page(), 1) << W->lbschemahint->text().toStdString();
  EXPECT_EQ(W->lbschema->text(), "Tables found in sql file: 9");
  const fs::path Out = Dir / "same.png";
  Draw(Out, 2);
  ASSERT_EQ(Page(), 3);
  EXPECT_EQ(W->lbendinfo->text().toStdString(), "File created successfuly: " + Out.string());
  const std::string Dot = W->GetDotText();

  EXPECT_EQ(Count(Dot, "\" [label= <<TABLE"), 9) << Dot;
  for (const char* Id : {"t", "t#2", "child", "child#2", "item", "item#2", "orders",
                         "orders#2", "line"})
    EXPECT_EQ(Count(Dot, "\n\"" + std::string(Id) + "\" [label="), 1) << Id;
  // Labels are the names; the first t keeps its key, columns and index.
  EXPECT_EQ(Count(Dot, ">t </FONT>"), 2);
  EXPECT_EQ(Count(Dot, ">item </FONT>"), 2);
  EXPECT_EQ(Count(Dot, ">orders </FONT>"), 2);
  EXPECT_EQ(Count(Dot, ">a number pk<br"), 1) << Dot;
  EXPECT_EQ(Count(Dot, ">b varchar2(10)</FONT>"), 1) << Dot;
  EXPECT_EQ(Count(Dot, ">x number</FONT>"), 1) << Dot;
  EXPECT_EQ(Count(Dot, "t_ix(b)"), 1) << Dot;

  const char* const Lines[] = {"\"t\" -- \"child\"",         "\"t\" -- \"child#2\"",
                               "\"t#2\" -- \"child\"",       "\"t#2\" -- \"child#2\"",
                               "\"orders\" -- \"line\"",     "\"orders#2\" -- \"line\""};
  for (const char* l : Lines) EXPECT_EQ(Count(Dot, l), 1) << l << "\n" << Dot;
  EXPECT_EQ(Count(Dot, " -- "), 6) << Dot;

  // The layout sees as many boxes and lines.
  const std::string Plain = Relayout(Dot, Dir, "plain");
  EXPECT_EQ(CountLines(Plain, "node "), 9) << Plain;
  EXPECT_EQ(CountLines(Plain, "edge "), 6) << Plain;
}

// The title is drawn as typed, entities, backslashes and quotes included.
TEST_F(WindowTest, TheTitleIsDrawnAsTyped) {
  REQUIRE_ORACLE();
  WriteFile(Dir / "scott.sql", kScript);
  OpenScript(Dir / "scott.sql");
  ASSERT_EQ(Page(), 1);
  const std::string Title = "AT&amp;T &lt;x&gt; & \\G \\n \"q\" caf\xC3\xA9";
  W->edoutputtitle->setText(QString::fromStdString(Title));
  Draw(Dir / "title.png", 2);
  ASSERT_EQ(Page(), 3);
  std::string Drawn = Relayout(W->GetDotText(), Dir, "xdot");
  // The writer continues long lines with a backslash and a line break.
  for (size_t i = Drawn.find("\\\n"); i != std::string::npos; i = Drawn.find("\\\n", i))
    Drawn.erase(i, 2);
  // A text operation: its byte count, then "-" and the text; the writer
  // puts a backslash before each double quote.
  const std::string Line = Title + " (03-07-2026) ";
  std::string Written;
  for (char c : Line) Written += c == '"' ? "\\\"" : std::string(1, c);
  EXPECT_NE(Drawn.find(" " + std::to_string(Line.size()) + " -" + Written), std::string::npos)
      << Drawn;
}

// OK on the font dialog keeps the face it opened on, which the system only
// stands in for; a size chosen there is taken with it.
TEST_F(WindowTest, TheFontDialogKeepsTheFaceUnlessAnotherIsChosen) {
  REQUIRE_ORACLE();
  QString Shown;
  AnswerDialog<QFontDialog>([&](QFontDialog* d) {
    Shown = d->currentFont().family();
    static_cast<QDialog*>(d)->accept();
  });
  Click(W->btnchangefont);
  EXPECT_EQ(W->lbfont->font().family(), "Verdana") << "the dialog showed " << Shown.toStdString();
  EXPECT_EQ(W->lbfont->font().pointSize(), 8);

  AnswerDialog<QFontDialog>([](QFontDialog* d) {
    QFont Larger = d->currentFont();
    Larger.setPointSize(12);
    d->setCurrentFont(Larger);
    static_cast<QDialog*>(d)->accept();
  });
  Click(W->btnchangefont);
  EXPECT_EQ(W->lbfont->font().family(), "Verdana");
  EXPECT_EQ(W->lbfont->font().pointSize(), 12);

  WriteFile(Dir / "scott.sql", kScript);
  OpenScript(Dir / "scott.sql");
  Draw(Dir / "font.png", 2);
  ASSERT_EQ(Page(), 3);
  EXPECT_NE(W->GetDotText().find("point-size=\"12\" FACE=\"Verdana\">"), std::string::npos)
      << W->GetDotText();
}

// The proposed output name changes the script's extension, never a dot in a
// folder's name, whether the script is typed or chosen.
TEST_F(WindowTest, TheProposedOutputNameStaysInTheScriptsFolder) {
  REQUIRE_ORACLE();
  fs::create_directories(Dir / "proj.v2");
  const fs::path Script = Dir / "proj.v2" / "schema";
  WriteFile(Script, kScript);
  OpenScript(Script);
  ASSERT_EQ(Page(), 1);
  EXPECT_EQ(W->ederfile->text().toStdString(), Script.string() + "png");
  W->cboutputformat->setCurrentIndex(0);

  Click(W->btnback);
  const fs::path Dotted = Dir / "proj.v2" / "schema.sql";
  WriteFile(Dotted, kScript);
  AnswerDialog<QFileDialog>([&](QFileDialog* d) {
    TypeFileName(d, Dotted);
    static_cast<QDialog*>(d)->accept();
  });
  Click(W->btnopen);
  EXPECT_EQ(W->ederfile->text().toStdString(), (Dir / "proj.v2" / "schema.gif").string());
}

}  // namespace
