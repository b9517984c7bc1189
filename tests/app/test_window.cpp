// The wizard driven through its pages offscreen, as a user would: typing
// into the edits, choosing list items, clicking the buttons.
#include "window_fixture.h"

namespace {

TEST_F(WindowTest, StartsOnTheSourcePageWithItsLists) {
  EXPECT_EQ(W->windowTitle(), "Orrery 1.0.0");
  EXPECT_EQ(W->objectName(), "frmmain");
  EXPECT_EQ(Page(), 0);
  const char* const Vendors[] = {"MSSQL", "Oracle", "MySQL", "MSaccess", "Generic"};
  ASSERT_EQ(W->cbdbvendor->count(), 5);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(W->cbdbvendor->itemText(i), Vendors[i]);
  EXPECT_EQ(W->cbdbvendor->currentIndex(), 0);
  ASSERT_EQ(W->cboutputformat->count(), 4);
  EXPECT_EQ(W->cboutputformat->currentText(), "PNG");
  EXPECT_EQ(W->GetOutputExt(), "png");
  ASSERT_EQ(W->cbtablelevel->count(), 3);
  EXPECT_EQ(W->cbtablelevel->currentText(), "Full");
  EXPECT_TRUE(W->cbMarkfk->isChecked());
  EXPECT_TRUE(W->cbmarknotnull->isChecked());
  EXPECT_TRUE(W->cbshowindex->isChecked());
  EXPECT_FALSE(W->lbschemahint->isVisible());
  EXPECT_EQ(W->lbendinfo->text(), "end");
  EXPECT_EQ(W->lbfont->font().family(), "Verdana");
  EXPECT_EQ(W->btnNext->text(), "&Next >");
  ExpectButtons(false, false);

  // Every object is findable by its name.
  const char* const Names[] = {
      "lbability", "Label1", "cbdbvendor", "lbsqlfile", "edsqlfile", "btnopen",
      "lbschemahint", "lbschema", "Label6", "edoutputtitle", "Label5",
      "cboutputformat", "Label2", "ederfile", "btnoutputfile", "Label7",
      "cbtablelevel", "cbMarkfk", "cbmarknotnull", "cbshowindex", "gbfont",
      "lbfont", "btnchangefont", "lbprocess", "btnopenoutput", "lbendinfo",
      "lbinfo", "btnback", "btnNext", "btnCancel", "OpenDialog1", "SaveDialog1",
      "FontDialog1", "PageControl", "TabSheet1", "TabSheet4"};
  for (const char* n : Names) EXPECT_NE(W->findChild<QObject*>(n), nullptr) << n;

  // Any text enables Next, whatever the file.
  QTest::keyClicks(W->edsqlfile, "x");
  EXPECT_TRUE(W->btnNext->isEnabled());
  W->edsqlfile->clear();
  EXPECT_FALSE(W->btnNext->isEnabled());
}

TEST_F(WindowTest, FormatChangeRenamesANonEmptyOutputName) {
  W->cboutputformat->setCurrentIndex(0);
  EXPECT_EQ(W->ederfile->text(), "");
  EXPECT_EQ(W->GetOutputExt(), "gif");
  W->ederfile->setText("/work/out.gif");
  W->cboutputformat->setCurrentIndex(3);
  EXPECT_EQ(W->ederfile->text(), "/work/out.ps");
  W->cboutputformat->setCurrentIndex(1);
  EXPECT_EQ(W->ederfile->text(), "/work/out.jpg");
  // Only the file name's dot counts.
  W->ederfile->setText("/my.dir/schema");
  W->cboutputformat->setCurrentIndex(2);
  EXPECT_EQ(W->ederfile->text(), "/my.dir/schemapng");
}

TEST_F(WindowTest, DialogsFillTheirEdits) {
  const fs::path Script = Dir / "pick.me.sql";
  WriteFile(Script, kScript);
  QString Title, Folder;
  AnswerDialog<QFileDialog>([&](QFileDialog* d) {
    Title = d->windowTitle();
    Folder = d->directory().absolutePath();
    TypeFileName(d, Script);
    static_cast<QDialog*>(d)->accept();
  });
  Click(W->btnopen);
  EXPECT_EQ(Title, "Select a SQL file");
  EXPECT_EQ(Folder.toStdString(), fs::path(ORRERY_APP_DIR "samples").string());
  EXPECT_EQ(W->edsqlfile->text().toStdString(), Script.string());
  EXPECT_EQ(W->ederfile->text().toStdString(), (Dir / "pick.me.png").string());
  EXPECT_TRUE(W->btnNext->isEnabled());

  W->cboutputformat->setCurrentIndex(0);
  QString Suffix;
  AnswerDialog<QFileDialog>([&](QFileDialog* d) {
    Suffix = d->defaultSuffix();
    TypeFileName(d, Dir / "chosen.gif");
    static_cast<QDialog*>(d)->accept();
  });
  Click(W->btnoutputfile);
  EXPECT_EQ(Suffix, "gif");
  EXPECT_EQ(W->ederfile->text().toStdString(), (Dir / "chosen.gif").string());

  AnswerDialog<QFontDialog>([](QFontDialog* d) {
    QFont f("DejaVu Sans");
    f.setPointSize(12);
    d->setCurrentFont(f);
    static_cast<QDialog*>(d)->accept();
  });
  Click(W->btnchangefont);
  EXPECT_EQ(W->lbfont->font().pointSize(), 12);
  EXPECT_TRUE(W->lbfont->font().family().startsWith("DejaVu Sans"));
}

TEST_F(WindowTest, MissingFileStaysOnTheSourcePage) {
  const std::string Name = (Dir / "no-such.sql").string();
  OpenScript(Name);
  EXPECT_EQ(Page(), 0);
  EXPECT_TRUE(W->lbschemahint->isVisible());
  EXPECT_EQ(W->lbschemahint->text().toStdString(), "File does not exists: " + Name);
  // A folder is no script either.
  OpenScript(Dir);
  EXPECT_EQ(Page(), 0);
  EXPECT_EQ(W->lbschemahint->text().toStdString(),
            "File does not exists: " + Dir.string());
}

TEST_F(WindowTest, ScriptWithoutTablesStaysOnTheSourcePage) {
  WriteFile(Dir / "none.sql", "SELECT 1 FROM dual;\nDROP TABLE t;\n");
  OpenScript(Dir / "none.sql");
  EXPECT_EQ(Page(), 0);
  EXPECT_TRUE(W->lbschemahint->isVisible());
  EXPECT_EQ(W->lbschemahint->text(),
            "No table found in sql file,make sure choose the correct database "
            "option, and there are no syntax error in sql file!");
  ExpectButtons(true, false);
}

TEST_F(WindowTest, DrawsEveryFormatThroughAllPages) {
  REQUIRE_ORACLE();
  WriteFile(Dir / "scott.sql", kScript);
  OpenScript(Dir / "scott.sql");
  ASSERT_EQ(Page(), 1);
  EXPECT_FALSE(W->lbschemahint->isVisible());
  EXPECT_EQ(W->lbschema->text(), "Tables found in sql file: 3");
  EXPECT_EQ(W->ederfile->text().toStdString(), (Dir / "scott.png").string());
  ExpectButtons(true, true);
  W->edoutputtitle->setText("Scott");

  for (const TMagic& m : kFormats) {
    SCOPED_TRACE(m.Ext);
    const fs::path Out = Dir / (std::string("scott.") + m.Ext);
    Draw(Out, m.FormatIndex);
    ASSERT_EQ(Page(), 3);
    EXPECT_EQ(W->lbendinfo->text().toStdString(),
              "File created successfuly: " + Out.string());
    ExpectButtons(false, true);
    const std::string Data = ReadFile(Out);
    ASSERT_GE(Data.size(), m.Prefix.size());
    EXPECT_EQ(Data.compare(0, m.Prefix.size(), m.Prefix), 0);
    EXPECT_TRUE(TempFiles().empty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(Mapped("liberengine.so"));  // loaded for the drawing only

    // Open Diagram hands the file to the viewer.
    Opened.clear();
    Type(W->ederfile, "  " + Out.string() + " ");
    Click(W->btnopenoutput);
    ASSERT_EQ(Opened.size(), 1u);
    EXPECT_EQ(Opened[0], QUrl::fromLocalFile(QString::fromStdString(Out.string())));

    // Back and Next again draw the same diagram.
    const std::string First = W->GetDotText();
    Click(W->btnback);
    ASSERT_EQ(Page(), 2);
    EXPECT_FALSE(W->lbprocess->isVisible());
    ExpectButtons(true, true);
    Type(W->ederfile, Out.string());
    Click(W->btnNext);
    ASSERT_EQ(Page(), 3);
    EXPECT_EQ(W->GetDotText(), First);
    Click(W->btnback);
    Click(W->btnback);
    ASSERT_EQ(Page(), 1);
  }

  const std::string Dot = W->GetDotText();
  EXPECT_NE(Dot.find("label = \"Scott (03-07-2026) \\n Tables: 3\";\r\n"), std::string::npos);
  EXPECT_EQ(Count(Dot, "\" [label= <<TABLE"), 3);
  EXPECT_EQ(Count(Dot, " -- "), 2);
  EXPECT_NE(Dot.find("\"dept\" -- \"emp\""), std::string::npos) << Dot;
  EXPECT_NE(Dot.find("\"emp\" -- \"emp\""), std::string::npos) << Dot;
  EXPECT_NE(Dot.find("emp_name_ix(ename,mgr)<br"), std::string::npos) << Dot;
  EXPECT_NE(Dot.find("\"\\\"Pay Grade\\\"\" [label="), std::string::npos) << Dot;

  // Back to the first page and on again parses afresh.
  Click(W->btnback);
  ASSERT_EQ(Page(), 0);
  ExpectButtons(true, false);
  Click(W->btnNext);
  ASSERT_EQ(Page(), 1);
  EXPECT_EQ(W->lbschema->text(), "Tables found in sql file: 3");
}

// Golden DOT text of a parsed script, for each level and mark option.
TEST_F(WindowTest, DiagramTextOfAParsedScript) {
  REQUIRE_ORACLE();
  WriteFile(Dir / "g.sql",
            "CREATE TABLE dept (deptno NUMBER(2) PRIMARY KEY, dname VARCHAR2(14) NOT NULL);\n"
            "CREATE TABLE emp (empno NUMBER(4) NOT NULL, deptno NUMBER(2) NOT NULL, note CLOB,\n"
            "  CONSTRAINT emp_pk PRIMARY KEY (empno, deptno),\n"
            "  CONSTRAINT emp_fk FOREIGN KEY (deptno) REFERENCES dept (deptno));\n"
            "CREATE INDEX emp_note_ix ON emp (note);\n");
  OpenScript(Dir / "g.sql");
  ASSERT_EQ(Page(), 1);
  const std::string Head =
      "graph structs {\r\nmode = \"major\"; //major,hier, KK\r\noverlap = FALSE;\r\n"
      "page = \"8.5,11\";\r\nmargin = \".5,.5\";\r\nranksep = \"1.0 equally\";\r\n"
      "sep = .05;\r\nlabelloc = \"t\";\r\nfontsize = 16;\r\norientation = portrait;\r\n"
      "// orientation = landscape;\r\nnode [shape=plaintext];\r\n"
      "label = \"T (03-07-2026) \\n Tables: 2\";\r\n";
  auto Node = [](const std::string& n, const std::string& Rows) {
    return "\"" + n + "\" [label= <<TABLE BORDER=\"0\" CELLBORDER=\"1\" CELLSPACING=\"0\">\r\n"
           "<TR ><TD PORT=\"f9\" bgcolor = \"gray\" BORDER = \"1\"><FONT point-size=\"12\" "
           "FACE=\"MS Sans Serif\">" + n + " </FONT></TD></TR>" + Rows +
           "\r\n</TABLE>>];\r\n\r\n";
  };
  auto Key = [](const std::string& k) {
    return "\r\n<TR><TD PORT=\"f2\" align=\"left\"><FONT color = \"blue\" point-size=\"8\" "
           "FACE=\"Verdana\">" + k + "</FONT></TD></TR>";
  };
  auto Col = [](const std::string& c) {
    return "\r\n<TR><TD PORT=\"f2\" align=\"left\"><FONT point-size=\"8\" FACE=\"Verdana\">" +
           c + "</FONT></TD></TR>";
  };
  const std::string Ix =
      "<TR><TD PORT=\"f3\" align=\"left\" ><FONT point-size=\"8\" color = \"brown\" "
      "FACE=\"Verdana\">emp_note_ix(note)<br align = \"left\"/></FONT></TD></TR>";
  const std::string Br = "<br align = \"left\" />";
  const std::string Edge =
      "\"dept\" -- \"emp\" [arrowhead  = \"crow\" arrowtail = \"tee\" arrowsize = 0.8 "
      "label=\"\"];\r\n";
  const std::string Tail = "\r\n}\r\n";

  struct TCase {
    int Level;
    bool Fk, Nn, Index;
    std::string Expected;
  };
  const TCase Cases[] = {
      {2, true, true, true,
       Head + Node("dept", Key("deptno NUMBER(2) pk" + Br) + Col("dname VARCHAR2(14) nn")) +
           Node("emp", Key("empno NUMBER(4) pk" + Br + "deptno NUMBER(2) pk fk" + Br) +
                           Col("note CLOB") + Ix) +
           Edge + Tail},
      {2, false, false, false,
       Head + Node("dept", Key("deptno NUMBER(2) pk" + Br) + Col("dname VARCHAR2(14)")) +
           Node("emp", Key("empno NUMBER(4) pk" + Br + "deptno NUMBER(2) pk" + Br) +
                           Col("note CLOB")) +
           Edge + Tail},
      {1, true, true, true,
       Head + Node("dept", Key("deptno pk" + Br)) +
           Node("emp", Key("empno pk" + Br + "deptno pk fk" + Br) + Ix) + Edge + Tail},
      {0, true, true, false, Head + Node("dept", "") + Node("emp", "") + Edge + Tail},
  };
  W->edoutputtitle->setText("T");
  for (const TCase& c : Cases) {
    SCOPED_TRACE(c.Level);
    W->cbMarkfk->setChecked(c.Fk);
    W->cbmarknotnull->setChecked(c.Nn);
    W->cbshowindex->setChecked(c.Index);
    Draw(Dir / "g.png", 2, c.Level);
    ASSERT_EQ(Page(), 3);
    EXPECT_EQ(W->GetDotText(), c.Expected);
    Click(W->btnback);
    Click(W->btnback);
  }
}

TEST_F(WindowTest, CollectionFollowsTheScriptOrderAndMatchesNamesLoosely) {
  REQUIRE_ORACLE();
  WriteFile(Dir / "c.sql",
            "CREATE INDEX early_ix ON orders (id);\n"
            "ALTER TABLE orders ADD CONSTRAINT early_pk PRIMARY KEY (id);\n"
            "CREATE TABLE Orders -- the orders\n"
            "  (id NUMBER, parent NUMBER, cust NUMBER REFERENCES cust (id));\n"
            "CREATE TABLE orders (id NUMBER);\n"
            "CREATE TABLE \"LINES\" (id NUMBER, order_id NUMBER,\n"
            "  CONSTRAINT lines_fk FOREIGN KEY (order_id) REFERENCES scott.ORDERS (id));\n"
            "CREATE TABLE cust (id NUMBER);\n"
            "ALTER TABLE ORDERS ADD CONSTRAINT orders_pk PRIMARY KEY (id);\n"
            "ALTER TABLE orders ADD CONSTRAINT orders_self FOREIGN KEY (parent) REFERENCES \"ORDERS\" (id);\n"
            "CREATE INDEX late_ix ON ORDERS (parent, id);\n"
            "ALTER TABLE lines ADD CONSTRAINT lines_pk PRIMARY KEY (id);\n");
  OpenScript(Dir / "c.sql");
  ASSERT_EQ(Page(), 1);
  EXPECT_EQ(W->lbschema->text(), "Tables found in sql file: 4");
  Draw(Dir / "c.png", 2);
  ASSERT_EQ(Page(), 3);
  EXPECT_EQ(W->lbendinfo->text().toStdString(),
            "File created successfuly: " + (Dir / "c.png").string());
  const std::string Dot = W->GetDotText();
  // The comment after the name is no part of it; the index and ALTER TABLE
  // before the table are skipped; the later ones attach to the first table.
  // The second table of the name is a box of its own, labelled alike.
  EXPECT_EQ(Count(Dot, "\"orders\" [label="), 1) << Dot;
  EXPECT_EQ(Count(Dot, "\"orders#2\" [label="), 1) << Dot;
  EXPECT_EQ(Count(Dot, ">orders </FONT>"), 2) << Dot;
  EXPECT_EQ(Dot.find("early_"), std::string::npos);
  EXPECT_EQ(Count(Dot, "late_ix(parent,id)"), 1);
  EXPECT_EQ(Count(Dot, ">id NUMBER pk<br"), 2) << Dot;  // orders and lines
  // Both tables named orders are referenced, by lines and by the first
  // orders; the column-level REFERENCES gives no edge.
  EXPECT_EQ(Count(Dot, "\"orders\" -- \"\\\"LINES\\\"\""), 1) << Dot;
  EXPECT_EQ(Count(Dot, "\"orders#2\" -- \"\\\"LINES\\\"\""), 1) << Dot;
  EXPECT_EQ(Count(Dot, "\"orders\" -- \"orders\""), 1) << Dot;
  EXPECT_EQ(Count(Dot, "\"orders#2\" -- \"orders\""), 1) << Dot;
  EXPECT_EQ(Count(Dot, " -- "), 4) << Dot;
  EXPECT_NE(Dot.find("parent NUMBER fk"), std::string::npos) << Dot;
}

// The generic dialect parses with the Oracle grammar: the keys that its
// ALTER TABLE adds are drawn as Oracle's are.
TEST_F(WindowTest, GenericAlterTableKeysAreDrawn) {
  REQUIRE_ORACLE();
  WriteFile(Dir / "k.sql",
            "CREATE TABLE dept (id INT, name VARCHAR(10));\n"
            "CREATE TABLE emp (id INT, dept_id INT);\n"
            "ALTER TABLE dept ADD CONSTRAINT dept_pk PRIMARY KEY (id);\n"
            "ALTER TABLE emp ADD CONSTRAINT emp_fk FOREIGN KEY (dept_id) REFERENCES dept (id);\n");
  OpenScript(Dir / "k.sql", 4);
  ASSERT_EQ(Page(), 1);
  Draw(Dir / "k.png", 2);
  ASSERT_EQ(Page(), 3);
  const std::string Dot = W->GetDotText();
  EXPECT_EQ(Count(Dot, "\"dept\" -- \"emp\""), 1) << Dot;
  EXPECT_NE(Dot.find("id INT pk"), std::string::npos) << Dot;
  EXPECT_NE(Dot.find("dept_id INT fk"), std::string::npos) << Dot;
}

// A comment that ends a column line is no part of the column's type, in
// any dialect; a comment inside the type stays.
TEST_F(WindowTest, TypeTextsCarryNoTrailingComment) {
  struct TCase {
    int Vendor;
    const char* Script;
    const char* Column;  // the row as the diagram must show it
  };
  const TCase Cases[] = {
      {1, "create table t (a int, -- first\n b varchar2(10) -- last column\n);\n",
       "b varchar2(10)</FONT>"},
      {1, "create table t (a int /* key */, b number(5, 2)\n  /* money */ );\n",
       "a int</FONT>"},
      {1, "create table t (a int, b number(5 /* digits */, 2) -- x\n);\n",
       "b number(5 /* digits */, 2)</FONT>"},
      {0, "CREATE TABLE t (a int, -- first\n b varchar(10) -- last column\n)\nGO\n",
       "b varchar(10)</FONT>"},
      {2, "CREATE TABLE t (a int,\n b varchar(10) -- last column\n);\n",
       "b varchar(10)</FONT>"},
  };
  for (const TCase& c : Cases) {
    if (!DialectBuilt(static_cast<std::uint8_t>(c.Vendor))) continue;
    SCOPED_TRACE(c.Script);
    while (Page() != 0) Click(W->btnback);
    WriteFile(Dir / "t.sql", c.Script);
    OpenScript(Dir / "t.sql", c.Vendor);
    ASSERT_EQ(Page(), 1) << W->lbschemahint->text().toStdString();
    Draw(Dir / "t.png", 2);
    ASSERT_EQ(Page(), 3);
    const std::string Dot = W->GetDotText();
    EXPECT_NE(Dot.find(">" + std::string(c.Column)), std::string::npos) << Dot;
    EXPECT_EQ(Dot.find("last column"), std::string::npos) << Dot;
    EXPECT_EQ(Dot.find("money"), std::string::npos) << Dot;
  }
}

// A T-SQL table variable is declared like a table but is none of the schema.
TEST_F(WindowTest, TableVariablesAreNoTables) {
  ASSERT_TRUE(DialectBuilt(0));
  WriteFile(Dir / "v.sql",
            "DECLARE @ids TABLE (id int)\n"
            "CREATE TABLE orders (id int PRIMARY KEY, note varchar(10))\nGO\n");
  OpenScript(Dir / "v.sql", 0);
  ASSERT_EQ(Page(), 1);
  EXPECT_EQ(W->lbschema->text(), "Tables found in sql file: 1");
  Draw(Dir / "v.png", 2);
  ASSERT_EQ(Page(), 3);
  const std::string Dot = W->GetDotText();
  EXPECT_NE(Dot.find("\"orders\" [label="), std::string::npos) << Dot;
  EXPECT_EQ(Dot.find("ids"), std::string::npos) << Dot;
}

// Names that DOT or its HTML-like labels would take for markup still draw,
// and so does an output name holding a comma.
TEST_F(WindowTest, HostileNamesDraw) {
  REQUIRE_ORACLE();
  WriteFile(Dir / "h.sql",
            "CREATE TABLE \"R&D <lab>\" (\"a&b\" NUMBER PRIMARY KEY, \"c\\\" NUMBER);\n"
            "CREATE TABLE t2 (x NUMBER, CONSTRAINT f FOREIGN KEY (x) REFERENCES \"R&D <lab>\" (\"a&b\"));\n"
            "CREATE TABLE \"caf\xE9\" (n NUMBER);\n");  // Latin-1
  OpenScript(Dir / "h.sql");
  ASSERT_EQ(Page(), 1) << W->lbschemahint->text().toStdString();
  W->edoutputtitle->setText("Q&A \"draft\" \\ v2");
  const fs::path Out = Dir / "a,b.png";
  Draw(Out, 2);
  ASSERT_EQ(Page(), 3);
  EXPECT_EQ(W->lbendinfo->text().toStdString(), "File created successfuly: " + Out.string());
  EXPECT_TRUE(fs::exists(Out));
  const std::string Dot = W->GetDotText();
  EXPECT_NE(Dot.find("R&amp;D &lt;lab&gt;"), std::string::npos) << Dot;
  EXPECT_NE(Dot.find(" -- \"t2\""), std::string::npos) << Dot;
  EXPECT_NE(Dot.find("caf\xC3\xA9"), std::string::npos) << Dot;
}

TEST_F(WindowTest, TooLongACommandIsRefused) {
  REQUIRE_ORACLE();
  WriteFile(Dir / "scott.sql", kScript);
  OpenScript(Dir / "scott.sql");
  ASSERT_EQ(Page(), 1);
  Draw(Dir / (std::string(4100, 'x') + ".png"), 2);
  ASSERT_EQ(Page(), 3);
  EXPECT_EQ(W->lbendinfo->text(),
            "Output file name is too long, make it less than 4000 characters");
  EXPECT_TRUE(TempFiles().empty());
}

TEST_F(WindowTest, RendererFailureIsReportedOnTheResultPage) {
  REQUIRE_ORACLE();
  WriteFile(Dir / "scott.sql", kScript);
  OpenScript(Dir / "scott.sql");
  Draw(Dir / "no" / "such" / "folder.png", 2);
  ASSERT_EQ(Page(), 3);
  EXPECT_EQ(W->lbendinfo->text(), "There are errors while creating diagram");
  EXPECT_TRUE(TempFiles().empty());
}

TEST_F(WindowTest, MissingRendererShowsAMessageBoxAndStays) {
  REQUIRE_ORACLE();
  WriteFile(Dir / "scott.sql", kScript);
  OpenScript(Dir / "scott.sql");
  W->ProgramFolder = QString::fromStdString(Dir.string() + "/");
  ExpectMessageBox();
  Draw(Dir / "scott.png", 2);
  EXPECT_EQ(Page(), 2);
  EXPECT_EQ(BoxTitle, "Orrery");
  EXPECT_TRUE(BoxText.startsWith("System Error.  Code: ")) << BoxText.toStdString();
  EXPECT_TRUE(BoxText.contains("liberengine.so")) << BoxText.toStdString();
  EXPECT_FALSE(W->lbprocess->isVisible());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_TRUE(TempFiles().empty());
  ExpectButtons(true, true);
  // With the renderer back the same page draws.
  W->ProgramFolder = ORRERY_APP_DIR;
  Click(W->btnNext);
  EXPECT_EQ(Page(), 3);
}

// The temporary DOT file: in the user's temporary folder, a new
// unpredictable name per drawing ending ".$$$", gone afterwards.
TEST_F(WindowTest, TemporaryFileIsUnpredictableAndRemoved) {
  REQUIRE_ORACLE();
  WriteFile(Dir / "scott.sql", kScript);
  OpenScript(Dir / "scott.sql");
  Draw(Dir / "a.png", 2);
  ASSERT_EQ(Page(), 3);
  const std::string First = W->GetTempFileName();
  Click(W->btnback);
  Click(W->btnNext);
  const std::string Second = W->GetTempFileName();
  EXPECT_NE(First, Second);
  for (const std::string& t : {First, Second}) {
    EXPECT_EQ(fs::path(t).parent_path(), TempDir) << t;
    EXPECT_TRUE(IsTempDotName(fs::path(t).filename().string())) << t;
    EXPECT_FALSE(fs::exists(t));
  }
  // An unusable temporary folder falls back to the program's folder.
  ::setenv("TMPDIR", (Dir / "missing").c_str(), 1);
  Click(W->btnback);
  Click(W->btnNext);
  EXPECT_EQ(Page(), 3);
  EXPECT_EQ(fs::path(W->GetTempFileName()).parent_path(),
            fs::path(ORRERY_APP_DIR).parent_path());
  EXPECT_FALSE(fs::exists(W->GetTempFileName()));
}

// The sample scripts that come with the program draw in their dialects.
TEST_F(WindowTest, SamplesDraw) {
  struct TSample {
    const char* File;
    int Vendor;
    bool Built;
    int Tables;
    int Edges;
  };
  const TSample Samples[] = {
      {"mssql_projects.sql", 0, DialectBuilt(0), 3, 4},
      {"oracle_hr.sql", 1, DialectBuilt(1), 4, 6},
      {"generic_library.sql", 4, DialectBuilt(4), 4, 3},
      {"mysql_shop.sql", 2, DialectBuilt(2), 4, 3},
      {"access_contacts.sql", 3, DialectBuilt(3), 3, 2},
  };
  int Drawn = 0;
  for (const TSample& x : Samples) {
    if (!x.Built) continue;
    SCOPED_TRACE(x.File);
    while (Page() != 0) Click(W->btnback);
    const fs::path Script = fs::path(ORRERY_APP_DIR) / "samples" / x.File;
    ASSERT_TRUE(fs::exists(Script));
    W->ederfile->clear();
    OpenScript(Script, x.Vendor);
    ASSERT_EQ(Page(), 1) << W->lbschemahint->text().toStdString();
    EXPECT_EQ(W->lbschema->text().toStdString(),
              "Tables found in sql file: " + std::to_string(x.Tables));
    const fs::path Out = Dir / (fs::path(x.File).stem().string() + ".png");
    Draw(Out, 2);
    ASSERT_EQ(Page(), 3);
    EXPECT_EQ(W->lbendinfo->text().toStdString(), "File created successfuly: " + Out.string());
    EXPECT_EQ(Count(W->GetDotText(), " -- "), x.Edges) << W->GetDotText();
    ++Drawn;
  }
  EXPECT_GT(Drawn, 0) << "no sample drew";
}

// Whether a widget's picture holds text of a hue: a pixel whose channel
// (0 red, 1 green, 2 blue) stands well above the other two.  Text in the
// ordinary black or grey has no such pixel.
bool ShowsHue(QWidget* w, int Channel) {
  const QImage Picture = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < Picture.height(); ++y)
    for (int x = 0; x < Picture.width(); ++x) {
      const QColor c = Picture.pixelColor(x, y);
      const int v[3] = {c.red(), c.green(), c.blue()};
      const int Others = std::max(v[(Channel + 1) % 3], v[(Channel + 2) % 3]);
      if (v[Channel] >= 100 && v[Channel] - Others >= 80) return true;
    }
  return false;
}

enum { Red, Green, Blue };

// Every status text shows in its own colour.
TEST_F(WindowTest, StatusTextsShowInTheirColours) {
  REQUIRE_ORACLE();
  EXPECT_TRUE(ShowsHue(W->lbsqlfile, Green));
  EXPECT_FALSE(ShowsHue(W->lbability, Green));  // the ordinary text colour
  OpenScript(Dir / "no-such.sql");
  ASSERT_TRUE(W->lbschemahint->isVisible());
  EXPECT_TRUE(ShowsHue(W->lbschemahint, Red));

  WriteFile(Dir / "scott.sql", kScript);
  OpenScript(Dir / "scott.sql");
  Draw(Dir / "scott.png", 2);
  ASSERT_EQ(Page(), 3);
  EXPECT_TRUE(ShowsHue(W->lbendinfo, Blue));
  EXPECT_TRUE(ShowsHue(W->lbprocess, Green));  // the progress text of page 2
  W->lbinfo->setText("info");
  W->lbinfo->adjustSize();
  EXPECT_TRUE(ShowsHue(W->lbinfo, Red));
}

// The captions of page 1 and 2 show whole: each ends left of the controls
// of its row, which keep their places where the caption fits.
TEST_F(WindowTest, CaptionsShowWholeBesideTheirControls) {
  struct TRow {
    QLabel* Caption;
    QWidget* Control;
    int PlannedLeft;
  };
  const TRow Rows[] = {{W->Label6, W->edoutputtitle, 104},
                       {W->Label5, W->cboutputformat, 104},
                       {W->Label2, W->ederfile, 104},
                       {W->Label7, W->cbtablelevel, 120}};
  for (const TRow& r : Rows) {
    SCOPED_TRACE(r.Caption->text().toStdString());
    EXPECT_GE(r.Caption->width(), r.Caption->fontMetrics().horizontalAdvance(r.Caption->text()));
    EXPECT_LT(r.Caption->geometry().right(), r.Control->x());
    const bool Fits = r.Caption->geometry().right() < r.PlannedLeft;
    if (Fits) {
      EXPECT_EQ(r.Control->x(), r.PlannedLeft);
    }
    EXPECT_LE(r.Control->geometry().right(), W->width());
  }
  // The button beside the output file edit keeps its distance.
  EXPECT_EQ(W->btnoutputfile->x() - W->ederfile->x(), 560 - 104);
}

// A drawn diagram as pixels: the raster formats decode directly, PostScript
// through the interpreter at the rasters' 96 dots per inch.
QImage DecodeDrawing(const fs::path& File, const std::string& Ext) {
  fs::path Raster = File;
  if (Ext == "ps") {
    Raster = File;
    Raster += ".png";
    const std::string Command = "gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=png16m -r96 "
                                "-sOutputFile='" + Raster.string() + "' '" + File.string() +
                                "' >/dev/null 2>&1";
    if (std::system(Command.c_str()) != 0) return {};
  }
  QImage Picture;
  Picture.load(QString::fromStdString(Raster.string()));
  return Picture.convertToFormat(QImage::Format_ARGB32);
}

// Every sample script in every format: the image decodes, has a sensible
// size, the same in every raster format, a white or transparent margin, and
// a page without a line along its edges.
TEST_F(WindowTest, SamplePicturesDecodeWithoutAFrame) {
  const std::pair<const char*, int> Samples[] = {
      {"mssql_projects.sql", 0}, {"oracle_hr.sql", 1}, {"generic_library.sql", 4},
      {"mysql_shop.sql", 2},     {"access_contacts.sql", 3}};
  int Checked = 0;
  for (const auto& [File, Vendor] : Samples) {
    if (!DialectBuilt(static_cast<std::uint8_t>(Vendor))) continue;
    SCOPED_TRACE(File);
    while (Page() != 0) Click(W->btnback);
    OpenScript(fs::path(ORRERY_APP_DIR) / "samples" / File, Vendor);
    ASSERT_EQ(Page(), 1) << W->lbschemahint->text().toStdString();
    QSize RasterSize;
    for (const TMagic& m : kFormats) {
      SCOPED_TRACE(m.Ext);
      const fs::path Out = Dir / (fs::path(File).stem().string() + "." + m.Ext);
      Draw(Out, m.FormatIndex);
      ASSERT_EQ(Page(), 3);
      ASSERT_EQ(W->lbendinfo->text().toStdString(), "File created successfuly: " + Out.string());
      const QImage Picture = DecodeDrawing(Out, m.Ext);
      ASSERT_FALSE(Picture.isNull()) << "does not decode";
      EXPECT_TRUE(Picture.width() >= 200 && Picture.width() <= 3000) << Picture.width();
      EXPECT_TRUE(Picture.height() >= 150 && Picture.height() <= 3000) << Picture.height();
      EXPECT_EQ(FramePixels(Picture), 0);
      EXPECT_EQ(OpaqueBorderPixels(Picture), 0);
      if (std::string(m.Ext) != "ps") {
        if (RasterSize.isEmpty()) RasterSize = Picture.size();
        EXPECT_EQ(Picture.size(), RasterSize);
      }
      ++Checked;
      Click(W->btnback);
      Click(W->btnback);
    }
  }
  EXPECT_GT(Checked, 0) << "no sample drew";
}

// Every script of the shared Oracle corpus draws at level Full.
TEST_F(WindowTest, CorpusScriptsDraw) {
  REQUIRE_ORACLE();
  const char* Shared = std::getenv("ORRERY_SHARED_DIR");
  const fs::path Corpus = Shared != nullptr ? fs::path(Shared) / "corpus" / "oracle" : fs::path();
  if (Corpus.empty() || !fs::is_directory(Corpus)) GTEST_SKIP() << "no corpus";
  std::vector<fs::path> Scripts;
  for (const auto& e : fs::directory_iterator(Corpus))
    if (e.path().extension() == ".sql") Scripts.push_back(e.path());
  std::sort(Scripts.begin(), Scripts.end());
  fs::path Largest;
  for (const fs::path& s : Scripts)
    if (Largest.empty() || fs::file_size(s) > fs::file_size(Largest)) Largest = s;

  for (const fs::path& s : Scripts) {
    SCOPED_TRACE(s.filename().string());
    while (Page() != 0) Click(W->btnback);
    QElapsedTimer Clock;
    Clock.start();
    W->ederfile->clear();
    OpenScript(s);
    std::string Text = ReadFile(s);
    std::transform(Text.begin(), Text.end(), Text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (Page() == 0) {
      // Nothing to draw: a script of indexes alone, or tables written in
      // syntax the grammar does not take.  The wizard says so and stays.
      EXPECT_TRUE(W->lbschemahint->isVisible());
      EXPECT_TRUE(W->lbschemahint->text().startsWith("No table found in sql file"));
      std::printf("[corpus] %s: no table parsed (%s)\n", s.filename().c_str(),
                  Text.find("create table") == std::string::npos
                      ? "no CREATE TABLE" : "CREATE TABLE not accepted by the grammar");
      continue;
    }
    ASSERT_EQ(Page(), 1);
    const fs::path Out = Dir / (s.stem().string() + ".png");
    Draw(Out, 2);
    ASSERT_EQ(Page(), 3);
    const qint64 Ms = Clock.elapsed();
    EXPECT_EQ(W->lbendinfo->text().toStdString(), "File created successfuly: " + Out.string());
    EXPECT_TRUE(fs::exists(Out));
    const std::string Dot = W->GetDotText();
    std::printf("[corpus] %s (%ju bytes%s): %d tables, %d edges, %lld ms from Next on "
                "page 0 to the image\n",
                s.filename().c_str(), static_cast<std::uintmax_t>(fs::file_size(s)),
                s == Largest ? ", the largest" : "", Count(Dot, "\" [label= <<TABLE"),
                Count(Dot, " -- "), static_cast<long long>(Ms));
  }
}

}  // namespace

namespace {

// Every script of the shared SQL Server corpus, loaded through the wizard's
// first page: the tables it finds and the relationship lines it would draw
// between them, pinned per script.
TEST_F(WindowTest, MssqlCorpusTablesAndRelationships) {
  ASSERT_TRUE(DialectBuilt(0)) << "the SQL Server dialect is missing from the build";
  const char* Shared = std::getenv("ORRERY_SHARED_DIR");
  const fs::path Corpus = Shared != nullptr ? fs::path(Shared) / "corpus" / "mssql" : fs::path();
  if (Corpus.empty() || !fs::is_directory(Corpus)) GTEST_SKIP() << "no corpus";
  struct TPin {
    int Tables;
    int Relationships;
  };
  // Tables lost to syntax the grammar does not take (types such as
  // nvarchar(max), key options WITH (...)) and column-level REFERENCES,
  // which draw no line, keep some counts below the scripts' own.
  const std::map<std::string, TPin> Pins = {
      {"ajqvue_mssqlTypes.sql", {0, 0}},          {"ajqvue_mssql_keyTables.sql", {8, 1}},
      {"chinook_Chinook_SqlServer.sql", {11, 11}}, {"mssamples_futon_01-schema.sql", {9, 1}},
      {"mssamples_instpubs.sql", {11, 0}},         {"sqlt_sqlserver_create.sql", {8, 0}},
      {"sqlt_sybase_create.sql", {9, 0}},
  };
  int Scripts = 0;
  for (const auto& e : fs::directory_iterator(Corpus)) {
    if (e.path().extension() != ".sql") continue;
    ++Scripts;
    const std::string Name = e.path().filename().string();
    SCOPED_TRACE(Name);
    while (Page() != 0) Click(W->btnback);
    W->ederfile->clear();
    OpenScript(e.path(), 0);
    const int Tables = Page() == 1 ? W->Tables().Count() : 0;
    W->MarkKeys(W->Tables());
    const std::string Lines = W->RelationsToDot(W->Tables());
    const int Relationships = Count(Lines, " -- ");
    if (std::getenv("ORRERY_CORPUS_LIST") != nullptr)
      std::printf("{\"%s\", {%d, %d}},\n", Name.c_str(), Tables, Relationships);
    auto Pin = Pins.find(Name);
    if (Pin == Pins.end()) {
      ADD_FAILURE() << Name << " has no pin: " << Tables << " tables, " << Relationships << " relationships";
      continue;
    }
    EXPECT_EQ(Tables, Pin->second.Tables);
    EXPECT_EQ(Relationships, Pin->second.Relationships) << Lines;
  }
  EXPECT_EQ(Scripts, static_cast<int>(Pins.size()));
}

// A CHECK of 100,000 ORs is no nesting: its table is collected and drawn
// with its key and its reference.
TEST_F(WindowTest, ALongCheckChainDraws) {
  REQUIRE_ORACLE();
  std::string Check = "qty = 0";
  for (int i = 1; i < 100000; ++i) Check += " or qty = " + std::to_string(i);
  WriteFile(Dir / "chain.sql",
            "CREATE TABLE parts (id NUMBER PRIMARY KEY);\n"
            "CREATE TABLE stock (id NUMBER NOT NULL, part NUMBER, qty NUMBER,\n"
            "  CONSTRAINT stock_pk PRIMARY KEY (id),\n"
            "  CONSTRAINT stock_qty CHECK (" + Check + "),\n"
            "  CONSTRAINT stock_fk FOREIGN KEY (part) REFERENCES parts (id));\n");
  OpenScript(Dir / "chain.sql");
  ASSERT_EQ(Page(), 1);
  EXPECT_EQ(W->lbschema->text(), "Tables found in sql file: 2");
  Draw(Dir / "chain.png", 2);
  ASSERT_EQ(Page(), 3);
  EXPECT_EQ(W->lbendinfo->text().toStdString(),
            "File created successfuly: " + (Dir / "chain.png").string());
  const std::string Dot = W->GetDotText();
  EXPECT_EQ(Count(Dot, ">id NUMBER pk<br"), 2) << Dot;
  EXPECT_NE(Dot.find("part NUMBER fk"), std::string::npos) << Dot;
  EXPECT_EQ(Count(Dot, "\"parts\" -- \"stock\""), 1) << Dot;
}

}  // namespace
