// Pretty text of PL/SQL units parsed from script text through the front end.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "formatter/concretepp_plsql.h"
#include "statementstructure/plsqlstatement.h"
#include "test_pp_fixture.h"

using pptest::PrinterTest;

namespace {

// Whether this build parses PL/SQL units.
bool PlsqlAvailable() {
    static const bool available = [] {
        InstallPrinterHooks();
        TMarlSqlParser p(1);
        p.SetSqlTextString("begin null; end;");
        p.Parse();
        return p.Statements().Count() == 1 && p.Statements().GetStatement(0)->Parsed;
    }();
    return available;
}

class PlsqlScript : public PrinterTest {
protected:
    void SetUp() override {
        PrinterTest::SetUp();
        ASSERT_TRUE(PlsqlAvailable()) << "the PL/SQL parser is missing";
    }
};

TEST_F(PlsqlScript, BlocksUnderTheDefaults) {
    struct {
        const char* Sql;
        const char* Pretty;
    } const cases[] = {
        {"declare x number := 1; begin null; end;",
         "DECLARE\r\n  x  NUMBER := 1;\r\nBEGIN\r\n  NULL;\r\nEND;"},
        // A labelled NULL keeps its ";".
        {"begin <<l>> null; end;", "BEGIN\r\n  <<l>>\r\n  NULL;\r\nEND;"},
        {"<<blk>> begin a := 1; b := 2; end blk;",
         "<<blk>>\r\nBEGIN\r\n  a := 1;\r\n  \r\n  b := 2;\r\nEND blk;"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Sql);
        EXPECT_EQ(Pretty(c.Sql), c.Pretty);
    }
}

TEST_F(PlsqlScript, DeclarationsOfEveryKind) {
    EXPECT_EQ(Pretty("declare\n"
                     "  v_total number(10,2) := 0;\n"
                     "  v_name  varchar2(30);\n"
                     "  c constant number := 3;\n"
                     "  e exception;\n"
                     "  pragma exception_init(e, -20001);\n"
                     "  cursor cur(p_id number, p_x in varchar2 := 'a') is select a, b from t where id = p_id;\n"
                     "  type tt is table of number index by binary_integer;\n"
                     "  type va is varray(10) of number;\n"
                     "  type r is record (a number, b date);\n"
                     "begin\n"
                     "  null;\n"
                     "end;"),
              "DECLARE\r\n"
              "  v_total  NUMBER(10,2) := 0;\r\n"
              "   v_name   VARCHAR2(30);\r\n"
              "   c  CONSTANT NUMBER := 3;\r\n"
              "   e  EXCEPTION;\r\n"
              "   PRAGMA EXCEPTION_INIT(e,-20001);\r\n"
              "   CURSOR cur(p_id NUMBER,\r\n"
              "               p_x IN VARCHAR2 := 'a') IS \r\n"
              "     SELECT a,\r\n"
              "            b\r\n"
              "     FROM   t\r\n"
              "     WHERE  id = p_id;\r\n"
              "   TYPE tt IS TABLE OF NUMBER INDEX BY BINARY_INTEGER ;\r\n"
              "   TYPE va IS VARRAY(10) OF NUMBER;\r\n"
              "   TYPE r IS RECORD(a NUMBER,\r\n"
              "                     b DATE);\r\n"
              "BEGIN\r\n"
              "  NULL;\r\n"
              "END;");
}

TEST_F(PlsqlScript, SimpleStatementsAndHandlers) {
    EXPECT_EQ(Pretty("begin\n"
                     "  v_total := v_total + 1;\n"
                     "  open cur(2, 'c');\n"
                     "  fetch cur into v_total, v_name;\n"
                     "  close cur;\n"
                     "  select count(*) into v_total from t where a = 1;\n"
                     "  execute immediate 'delete from t where a = :1' using in out v_total;\n"
                     "  goto l1;\n"
                     "  return;\n"
                     "exception\n"
                     "  when no_data_found then\n"
                     "    null;\n"
                     "  when others then\n"
                     "    rollback;\n"
                     "    raise;\n"
                     "end;"),
              "BEGIN\r\n"
              "  v_total := v_total + 1;\r\n"
              "  \r\n"
              "  OPEN cur(2,\r\n"
              "  'c');\r\n"
              "  \r\n"
              "  FETCH cur INTO v_total,\r\n"
              "  v_name;\r\n"
              "  \r\n"
              "  CLOSE cur;\r\n"
              "  \r\n"
              "  SELECT Count(*)\r\n"
              "  INTO   v_total\r\n"
              "  FROM   t\r\n"
              "  WHERE  a = 1;\r\n"
              "  \r\n"
              "  EXECUTE IMMEDIATE 'delete from t where a = :1'\r\n"
              "   USING IN OUT v_total;\r\n"
              "  \r\n"
              "  GOTO l1;\r\n"
              "  \r\n"
              "  RETURN;\r\n"
              "EXCEPTION\r\n"
              "  WHEN no_data_found THEN\r\n"
              "    NULL;\r\n"
              "  WHEN OTHERS THEN\r\n"
              "    ROLLBACK;\r\n"
              "    \r\n"
              "    RAISE;\r\n"
              "END;");
}

TEST_F(PlsqlScript, DynamicSqlAndAssignmentTargets) {
    EXPECT_EQ(Pretty("begin\n"
                     "  execute immediate 'select a from t where b = :1' into v_a using v_b returning into v_c;\n"
                     "  open c for 'select * from t' using a, b;\n"
                     "  pkg.rec.fld := 4;\n"
                     "end;"),
              "BEGIN\r\n"
              "  EXECUTE IMMEDIATE 'select a from t where b = :1' INTO v_a\r\n"
              "   USING v_b\r\n"
              "  RETURNING INTO v_c;\r\n"
              "  \r\n"
              "  OPEN c FOR 'select * from t' USING a,\r\n"
              "         b;\r\n"
              "  \r\n"
              "  pkg.rec.fld := 4;\r\n"
              "END;");
}

TEST_F(PlsqlScript, ControlStatements) {
    EXPECT_EQ(Pretty("begin\n"
                     "  if v_total > 1 and v_name is null then\n"
                     "    v_name := 'x';\n"
                     "  elsif v_total = 0 then\n"
                     "    null;\n"
                     "  else\n"
                     "    raise e;\n"
                     "  end if;\n"
                     "  case x\n"
                     "    when 1 then a := 1;\n"
                     "    when 2 then a := 2; b := 3;\n"
                     "    else null;\n"
                     "  end case;\n"
                     "  <<outer>>\n"
                     "  loop\n"
                     "    exit outer when x > 1;\n"
                     "  end loop outer;\n"
                     "  while x < 10 loop\n"
                     "    x := x + 1;\n"
                     "  end loop;\n"
                     "  for i in 1 .. 10 loop exit when i > 5; end loop;\n"
                     "  for i in reverse 1 .. 3 loop null; end loop;\n"
                     "  for r in cur(1, 'b') loop dbms_output.put_line(r.a); end loop;\n"
                     "  for rec in (select a from t) loop null; end loop;\n"
                     "  forall i in 1 .. n delete from t where a = i;\n"
                     "  open c for select a from t;\n"
                     "end;"),
              "BEGIN\r\n"
              "  IF v_total > 1\r\n"
              "     AND v_name IS NULL  THEN\r\n"
              "    v_name := 'x';\r\n"
              "  ELSIF v_total = 0 THEN\r\n"
              "    NULL;\r\n"
              "  ELSE\r\n"
              "    RAISE e;\r\n"
              "  END IF;\r\n"
              "  \r\n"
              "  CASE x\r\n"
              "    WHEN 1 THEN  a := 1;\r\n"
              "    WHEN 2 THEN  a := 2;\r\n"
              "                 \r\n"
              "                 b := 3;\r\n"
              "    ELSE NULL;\r\n"
              "  END CASE;\r\n"
              "  \r\n"
              "  <<OUTER>>\r\n"
              "  LOOP\r\n"
              "    EXIT OUTER WHEN x > 1;\r\n"
              "  END LOOP OUTER;\r\n"
              "  \r\n"
              "  WHILE x < 10 LOOP\r\n"
              "    x := x + 1;\r\n"
              "  END LOOP;\r\n"
              "  \r\n"
              "  FOR i IN 1.. 10 LOOP\r\n"
              "    EXIT WHEN i > 5;\r\n"
              "  END LOOP;\r\n"
              "  \r\n"
              "  FOR i IN REVERSE 1..3 LOOP\r\n"
              "    NULL;\r\n"
              "  END LOOP;\r\n"
              "  \r\n"
              "  FOR r IN cur(1,'b') LOOP\r\n"
              "    dbms_output.Put_line(r.a);\r\n"
              "  END LOOP;\r\n"
              "  \r\n"
              "  FOR rec IN (SELECT a\r\n"
              "              FROM   t)\r\n"
              "  LOOP\r\n"
              "    NULL;\r\n"
              "  END LOOP;\r\n"
              "  \r\n"
              "  FORALL i IN 1..n\r\n"
              "    DELETE FROM t\r\n"
              "    WHERE       a = i;\r\n"
              "  \r\n"
              "  OPEN c FOR\r\n"
              "    SELECT a\r\n"
              "    FROM   t;\r\n"
              "END;");
}

TEST_F(PlsqlScript, ProcedureParametersBySeparatorStyle) {
    const char* sql =
        "create or replace procedure p(a in number, bb out varchar2, ccc in out date) is\n"
        "  x number;\n"
        "begin\n"
        "  x := a;\n"
        "end p;";
    EXPECT_EQ(Pretty(sql),
              "CREATE OR REPLACE PROCEDURE p\r\n"
              "     (a    IN NUMBER,\r\n"
              "      bb   OUT VARCHAR2,\r\n"
              "      ccc  IN OUT DATE)\r\n"
              "IS\r\n"
              "  x  NUMBER;\r\n"
              "BEGIN\r\n"
              "  x := a;\r\n"
              "END p;");
    FmtOpt.SetDeclSeparatorStyle(1);
    const std::string text = Pretty(sql);
    EXPECT_EQ(text.substr(0, text.find("\r\nIS\r\n")),
              "CREATE OR REPLACE PROCEDURE p\r\n"
              "     (a     IN NUMBER\r\n"
              "      ,bb   OUT VARCHAR2\r\n"
              "      ,ccc  IN OUT DATE)");
}

TEST_F(PlsqlScript, FunctionPackageAndTrigger) {
    struct {
        const char* Sql;
        const char* Pretty;
    } const cases[] = {
        {"create or replace function f(a number) return number is begin return a * 2; end;",
         "CREATE OR REPLACE FUNCTION f\r\n     (a  NUMBER)\r\nRETURN NUMBER\r\nIS\r\nBEGIN\r\n"
         "  RETURN a * 2;\r\nEND;"},
        {"create or replace package pk is procedure q(a number); function g return number; end pk;",
         "CREATE OR REPLACE PACKAGE pk\r\nIS\r\n  PROCEDURE q(a  NUMBER);\r\n  \r\n"
         "  FUNCTION g RETURN NUMBER;\r\nEND pk;"},
        {"create or replace package body pk is\n"
         "  procedure q(a number) is begin null; end;\n"
         "  function g return number is begin return 1; end;\n"
         "end pk;",
         "CREATE OR REPLACE PACKAGE BODY pk\r\nIS\r\n"
         "  PROCEDURE q\r\n       (a  NUMBER)\r\n  IS\r\n  BEGIN\r\n    NULL;\r\n  END;\r\n  \r\n"
         "  FUNCTION g\r\n  RETURN NUMBER\r\n  IS\r\n  BEGIN\r\n    RETURN 1;\r\n  END;\r\n"
         "END pk;"},
        {"create or replace trigger trg before insert or update of a, b on t for each row\n"
         "when (new.a > 0)\n"
         "begin\n"
         "  :new.b := sysdate;\n"
         "end;",
         "CREATE OR REPLACE TRIGGER trg\r\n"
         "    BEFORE INSERT OR UPDATE OF a,b ON t\r\n"
         "    FOR EACH ROW\r\n"
         "    WHEN ( new.a > 0 )\r\n"
         "    BEGIN\r\n"
         "      :new.b := SYSDATE;\r\n"
         "    END;"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Sql);
        EXPECT_EQ(Pretty(c.Sql), c.Pretty);
    }
}

TEST_F(PlsqlScript, KeywordCaseAndOneLineDeclarations) {
    FmtOpt.SetKeywordCase(1);
    FmtOpt.SetDeclListOneLine(1);
    EXPECT_EQ(Pretty("DECLARE Xx NUMBER; Yyy DATE; BEGIN NULL; END;"),
              "declare\r\n  xx  number;\r\n   yyy  date;\r\nbegin\r\n  null;\r\nend;");
}

TEST_F(PlsqlScript, RecoveredStatementsKeepTheirCommentsOnce) {
    EXPECT_EQ(Pretty("begin\n  null;\n  x := := 1; -- broken\n  y := 2;\nend;"),
              "BEGIN\r\n  NULL;\r\n  \r\n  x := := 1; -- broken\r\n  \r\n  y := 2;\r\nEND;");
}

TEST_F(PlsqlScript, EmbeddedStatementThatDoesNotParseShowsItsText) {
    EXPECT_EQ(Pretty("begin\n  update t set where a = 1;\n  null;\nend;"),
              "BEGIN\r\n  UPDATE t SET WHERE a = 1;\r\n  \r\n  NULL;\r\nEND;");
}

TEST_F(PlsqlScript, StatementTextIsItsPrettyTextAndCreateTypeIsEmpty) {
    TCustomSqlStatement* s = Stmt("begin a := 1; end;");
    ASSERT_NE(s, nullptr);
    ASSERT_TRUE(dynamic_cast<TPlsqlStatement*>(s));
    const std::string pretty = s->GetPrettyText();
    EXPECT_EQ(pretty, "BEGIN\r\n  a := 1;\r\nEND;");
    EXPECT_EQ(s->GetPrettyText(), pretty);
    EXPECT_EQ(s->AsText(), pretty);

    s = Stmt("create or replace type ty as object (a number);");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->GetPrettyText(), "");
}

// The pretty text of every PL/SQL unit of Sql parses again and prints the
// same: nothing of the unit is lost or garbled by the layout.  The number
// of units that parsed (the others are not printed).
int ExpectRoundTrip(const std::string& Sql, const std::string& Where) {
    TMarlSqlParser first(1);
    first.SetSqlTextString(Sql);
    first.Parse();
    int units = 0;
    for (int i = 0; i < first.Statements().Count(); ++i) {
        TCustomSqlStatement* s = first.Statements().GetStatement(i);
        if (!dynamic_cast<TPlsqlStatement*>(s) || !s->Parsed) continue;
        if (s->StatementType < sstplsql_block || s->StatementType > sstplsql_createtrigger) continue;
        ++units;
        AttachStatementPrinters(s);
        const std::string pretty = s->GetPrettyText();
        SCOPED_TRACE(Where + ", unit " + std::to_string(units) + ":\n" + pretty);
        TMarlSqlParser again(1);
        again.SetSqlTextString(pretty + "\n/\n");
        again.Parse();
        if (again.Statements().Count() < 1) {
            ADD_FAILURE() << "no statement";
            continue;
        }
        TCustomSqlStatement* r = again.Statements().GetStatement(0);
        if (!r->Parsed) {
            ADD_FAILURE() << r->ErrorMessages();
            continue;
        }
        AttachStatementPrinters(r);
        EXPECT_EQ(r->GetPrettyText(), pretty);
    }
    return units;
}

TEST_F(PlsqlScript, PrettyTextParsesAgainToTheSameText) {
    EXPECT_EQ(6, ExpectRoundTrip(
        "declare\n"
        "  v number(10,2) := 0; c constant number := 3; e exception;\n"
        "  pragma exception_init(e, -20001);\n"
        "  cursor cur(p_id number, p_x in varchar2 := 'a') is select a, b from t where id = p_id;\n"
        "  type tt is table of number index by binary_integer; type va is varray(10) of number;\n"
        "  type r is record (a number, b date);\n"
        "begin\n"
        "  if v > 1 and v is not null then v := 2; elsif v = 0 then null; else raise e; end if;\n"
        "  case v when 1 then v := 1; else null; end case;\n"
        "  <<l>> loop exit l when v > 1; end loop l;\n"
        "  while v < 10 loop v := v + 1; end loop;\n"
        "  for i in 1 .. 10 loop null; end loop;\n"
        "  for i in reverse 1 .. 3 loop null; end loop;\n"
        "  for x in cur(1, 'b') loop null; end loop;\n"
        "  for x in (select a from t) loop null; end loop;\n"
        "  forall i in 1 .. n delete from t where a = i;\n"
        "  open cur(1, 'a'); fetch cur into v, v; close cur;\n"
        "  open c for select a from t;\n"
        "  execute immediate 'x' into v using in out v returning into v;\n"
        "  update t set a = 1 where b = 2 and c = 3;\n"
        "exception when no_data_found or too_many_rows then null; when others then raise;\n"
        "end;\n/\n"
        "create or replace procedure p(a in number, b out varchar2, c in out date := sysdate) is\n"
        "  x number;\nbegin\n  x := a;\nend p;\n/\n"
        "create or replace function f(a number) return number deterministic is begin return a * 2; end;\n/\n"
        "create or replace package pk is procedure q(a number); function g return number; end pk;\n/\n"
        "create or replace package body pk is\n"
        "  procedure q(a number) is begin null; end;\n"
        "  function g return number is begin return 1; end;\n"
        "begin\n  null;\nend pk;\n/\n"
        "create or replace trigger trg before insert or update of a, b on t for each row\n"
        "when (new.a > 0)\nbegin\n  :new.b := sysdate;\nend;\n/\n",
        "hand-written units"));
}

TEST_F(PlsqlScript, CommentsNestedUnitsAndCaseExpressionsParseAgainToTheSameText) {
    EXPECT_EQ(2, ExpectRoundTrip(
        "-- a unit with comments\n"
        "declare\n"
        "  a number; -- the count\n"
        "  /* a block comment */ b varchar2(10) default 'x';\n"
        "  procedure inner(p in out nocopy number) is begin p := p + 1; end inner;\n"
        "  function twice(p number default 2) return number is begin return p * 2; end;\n"
        "begin\n"
        "  <<first>> a := case when b = 'x' then 1 when b is null then 2 else 3 end;\n"
        "  case\n    when a > 1 then b := 'y'; -- set\n    else b := 'z';\n  end case;\n"
        "  inner(a); -- call\n"
        "  a := twice(a) + twice;\n"
        "  begin\n    null;\n  exception\n    when others then null;\n  end;\n"
        "end;\n/\n"
        "create or replace package pk2 as\n"
        "  cursor c return t%rowtype;\n"
        "  type rc is ref cursor return t%rowtype;\n"
        "  g_x constant number := 10;\n"
        "  pragma serially_reusable;\n"
        "end;\n/\n",
        "units with comments"));
}

TEST_F(PlsqlScript, TriggerFormsAndTypeDefinitionsParseAgainToTheSameText) {
    EXPECT_EQ(5, ExpectRoundTrip(
        "create trigger ddl_trg after create or drop on schema begin null; end;\n/\n"
        "create or replace trigger db_trg after logon on database begin null; end;\n/\n"
        "create trigger io_trg instead of insert on v for each row begin null; end;\n/\n"
        "create trigger del_trg after delete or insert on t begin null; end;\n/\n"
        "declare\n"
        "  type r is record (a number not null := 0, b date);\n"
        "  type vb is varying array(5) of date not null;\n"
        "  type nt is table of varchar2(10) not null;\n"
        "  subtype s is number not null;\n"
        "  cursor c(p number) return t%rowtype is select * from t where a = p;\n"
        "  x r;\n"
        "begin\n"
        "  open rc for 'select a from t where b = :b' using x;\n"
        "  x.a := 1;\n"
        "  exit;\n"
        "end;\n/\n",
        "trigger forms and types"));
}

TEST_F(PlsqlScript, CorpusUnitsParseAgainToTheSameText) {
    const char* dir = std::getenv("ORRERY_SHARED_DIR");
    const std::filesystem::path corpus = std::filesystem::path(dir ? dir : "") / "corpus" / "oracle";
    std::error_code ec;
    if (!dir || !std::filesystem::is_directory(corpus, ec)) GTEST_SKIP() << "no corpus at " << corpus;
    std::vector<std::filesystem::path> files;
    for (const auto& e : std::filesystem::directory_iterator(corpus, ec))
        if (e.path().extension() == ".sql") files.push_back(e.path());
    std::sort(files.begin(), files.end());
    int units = 0;
    for (const auto& path : files) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        units += ExpectRoundTrip(text.str(), path.filename().string());
    }
    EXPECT_GT(units, 0);
}

TEST_F(PlsqlScript, FrontEndUnitsHaveTheirPrintersFromBirth) {
    // No AttachStatementPrinters here: the classes ask for their printers.
    TMarlSqlParser p(1);
    p.SetSqlTextString("begin if a then b := 1; end if; end;");
    p.Parse();
    ASSERT_EQ(p.Statements().Count(), 1);
    TCustomSqlStatement* s = p.Statements().GetStatement(0);
    ASSERT_NE(s->PP, nullptr);
    EXPECT_STREQ(s->PP->ClassName(), "TPlsqlStatementPP");
    ASSERT_NE(s->GetRootNode(), nullptr);
    ASSERT_NE(s->GetRootNode()->PP, nullptr);
    EXPECT_STREQ(s->GetRootNode()->PP->ClassName(), "TRk_PlsqlPP");
    EXPECT_EQ(s->GetPrettyText(), "BEGIN\r\n  IF a THEN\r\n    b := 1;\r\n  END IF;\r\nEND;");
}

TEST_F(PlsqlScript, WrongOwner) {
    TCustomSqlStatement* s = Stmt("select a from t;");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(TPlsqlStatementPP(s).GetPrettyText(),
              "Owner class should be TPlsqlStatement, error classtype:TSelectSqlStatement");
}

}  // namespace
