// Pretty text of PL/SQL units parsed from script text through the front end:
// each printer's layout under the option variants, the faults mended in the
// layout, and round trips (the pretty text parses again and prints the same).
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

namespace {

class PlsqlScript : public pptest::PrinterTest {
protected:
    void SetUp() override {
        PrinterTest::SetUp();
        REQUIRE_DIALECT(1);
    }
};
using BlockPrinter = PlsqlScript;

// Declarations before an empty body.
#define NULL_BODY " begin null; end;"
#define NULL_BODY_TEXT "\r\nBEGIN\r\n  NULL;\r\nEND;"
#define FOUR_DECLS "declare a number; bbb varchar2(1); e exception; cc date;" NULL_BODY
#define CURSOR_DECL "declare cursor c(a number, b in date := sysdate, d number) is select a from t;" NULL_BODY
#define CURSOR_QUERY_TEXT " IS \r\n    SELECT a\r\n    FROM   t;" NULL_BODY_TEXT

TEST_F(PlsqlScript, DeclarationsUnderTheOptions) {
    ExpectGoldens({
        {"", "<<lbl>> declare n number;" NULL_BODY, "<<lbl>>\r\nDECLARE\r\n  n  NUMBER;" NULL_BODY_TEXT},
        // Names pad to the longest plain variable; the first item starts in
        // column 2, the later ones in column 3.
        {"", FOUR_DECLS,
         "DECLARE\r\n  a    NUMBER;\r\n   bbb  VARCHAR2(1);\r\n   e  EXCEPTION;\r\n   cc   DATE;" NULL_BODY_TEXT},
        {"DeclListOneLine=1", FOUR_DECLS,
         "DECLARE\r\n  a  NUMBER;\r\n   bbb  VARCHAR2(1);\r\n   e  EXCEPTION;\r\n   cc  DATE;" NULL_BODY_TEXT},
        // The later names are padded one less, which their leading blank makes up.
        {"DeclSeparatorStyle=1", FOUR_DECLS,
         "DECLARE\r\n  a     NUMBER;\r\n   bbb  VARCHAR2(1);\r\n   e  EXCEPTION;\r\n   cc   DATE;" NULL_BODY_TEXT},
        {"VarDeclAlign=1", FOUR_DECLS,
         "DECLARE\r\n    a  NUMBER;\r\n   bbb  VARCHAR2(1);\r\n   e  EXCEPTION;\r\n    cc  DATE;" NULL_BODY_TEXT},
        // A second DECLARE is the next declaration's separator.
        {"", "declare a number; declare b number;" NULL_BODY,
         "DECLARE\r\n  a  NUMBER;\r\n  DECLARE b  NUMBER;" NULL_BODY_TEXT},
        // The value's later lines stand under its first character.
        {"", "declare c constant boolean not null := a > 1 and b;" NULL_BODY,
         "DECLARE\r\n  c  CONSTANT BOOLEAN NOT NULL := a > 1\r\n                                  AND b;" NULL_BODY_TEXT},
        {"", "declare subtype s is number not null; type rc is ref cursor return emp%rowtype;" NULL_BODY,
         "DECLARE\r\n  SUBTYPE s IS NUMBER NOT NULL;\r\n   TYPE rc IS REF CURSOR RETURN emp%ROWTYPE;" NULL_BODY_TEXT},
        // A blank stays before the terminator after INDEX BY.
        {"", "declare type tt is table of number not null index by binary_integer; type tu is table of number;"
             " type va is varray(10) of number; type vb is varying array(5) of date not null;" NULL_BODY,
         "DECLARE\r\n  TYPE tt IS TABLE OF NUMBER NOT NULL INDEX BY BINARY_INTEGER ;\r\n   TYPE tu IS TABLE OF NUMBER;\r\n"
         "   TYPE va IS VARRAY(10) OF NUMBER;\r\n   TYPE vb IS VARYING ARRAY(5) OF DATE NOT NULL;" NULL_BODY_TEXT},
        // Cursor parameters after the first one column past the bracket;
        // "IS" keeps a blank before the line break.
        {"", CURSOR_DECL,
         "DECLARE\r\n  CURSOR c(a NUMBER,\r\n            b IN DATE := SYSDATE,\r\n            d NUMBER)" CURSOR_QUERY_TEXT},
        {"DeclListOneLine=1", CURSOR_DECL,
         "DECLARE\r\n  CURSOR c(a NUMBER,b IN DATE := SYSDATE,d NUMBER)" CURSOR_QUERY_TEXT},
        {"DeclSeparatorStyle=1", CURSOR_DECL,
         "DECLARE\r\n  CURSOR c(a NUMBER\r\n            ,b IN DATE := SYSDATE\r\n            ,d NUMBER)" CURSOR_QUERY_TEXT},
        {"DeclSeparatorStyle=2", CURSOR_DECL,
         "DECLARE\r\n  CURSOR c(a NUMBER\r\n            , b IN DATE := SYSDATE\r\n            , d NUMBER)" CURSOR_QUERY_TEXT},
        {"DeclSeparatorStyle=3", CURSOR_DECL,
         "DECLARE\r\n  CURSOR c(a NUMBER,b IN DATE := SYSDATE,d NUMBER)" CURSOR_QUERY_TEXT},
        // Pragmas by their token count.
        {"", "create package pk is pragma restrict_references(default, wnds, rnps); pragma serially_reusable;"
             " pragma restrict_references(x, y); end;",
         "CREATE PACKAGE pk\r\nIS\r\n  PRAGMA RESTRICT_REFERENCES(DEFAULT,wnds,rnps);\r\n  \r\n"
         "  PRAGMA SERIALLY_REUSABLE;\r\n  \r\n  PRAGMA RESTRICT_REFERENCES(x,y);\r\nEND;"},
        {"KeywordCase=1 DeclListOneLine=1", "DECLARE Xx NUMBER; Yyy DATE; BEGIN NULL; END;",
         "declare\r\n  xx  number;\r\n   yyy  date;\r\nbegin\r\n  null;\r\nend;"},
    });
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
              "   TYPE r IS RECORD(a NUMBER,\r\n"
              "                     b DATE);" NULL_BODY_TEXT);
}

TEST_F(PlsqlScript, SimpleStatements) {
    ExpectGoldens({
        // A multi-line value or condition stands under its first character.
        {"", "begin <<l>> x := a > 1 and b; a.b.c := 1; a(i) := 2; rec.fld := 3; end;",
         "BEGIN\r\n  <<l>>\r\n  x := a > 1\r\n       AND b;\r\n  \r\n  a.b.c := 1;\r\n  \r\n  A(i) := 2;\r\n"
         "  \r\n  rec.fld := 3;\r\nEND;"},
        {"", "begin exit outer when a > 1 and b; exit; goto l1; raise e; raise; close c; return x + y; return; end;",
         "BEGIN\r\n  EXIT OUTER WHEN a > 1\r\n                  AND b;\r\n  \r\n  EXIT;\r\n  \r\n  GOTO l1;\r\n  \r\n"
         "  RAISE e;\r\n  \r\n  RAISE;\r\n  \r\n  CLOSE c;\r\n  \r\n  RETURN x + y;\r\n  \r\n  RETURN;\r\nEND;"},
        // The dynamic string's later lines under its first character; USING on
        // a new line after one blank; RETURNING at the start of a line.
        {"", "begin return a > 1 and b; execute immediate 'x' || 'y' into a using in out b, c returning into d; end;",
         "BEGIN\r\n  RETURN a > 1\r\n         AND b;\r\n  \r\n  EXECUTE IMMEDIATE 'x'\r\n                    ||'y' INTO a\r\n"
         "   USING IN OUT b,c\r\n  RETURNING INTO d;\r\nEND;"},
        {"", "begin open c; fetch c into a; open c for q using a; end;",
         "BEGIN\r\n  OPEN c;\r\n  \r\n  FETCH c INTO a;\r\n  \r\n  OPEN c FOR q USING a;\r\nEND;"},
        // With tabs, a body's first line is indented like the others.
        {"UseTab=1", "begin begin select a, b into x, y from t; end; end;",
         "BEGIN\r\n\tBEGIN\r\n\t\tSELECT a,\r\n\t\t\t\t\t b\r\n\t\tINTO   x,\r\n\t\t\t\t\t y\r\n\t\tFROM   t;\r\n"
         "\tEND;\r\nEND;"},
        // An embedded statement that does not parse gives the unit its
        // error record, so the unit prints as written.
        {"", "begin\n  update t set where a = 1;\n  null;\nend;",
         "begin\r\n  update t set where a = 1;\r\n  null;\r\nend;"},
    });
    EXPECT_EQ(Pretty("begin\n"
                     "  v_total := v_total + 1;\n"
                     "  open cur(2, 'c');\n"
                     "  fetch cur into v_total, v_name;\n"
                     "  select count(*) into v_total from t where a = 1;\n"
                     "  execute immediate 'delete from t where a = :1' using in out v_total;\n"
                     "  execute immediate 'select a from t where b = :1' into v_a using v_b returning into v_c;\n"
                     "  open c for 'select * from t' using a, b;\n"
                     "exception\n"
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
              "  SELECT Count(*)\r\n"
              "  INTO   v_total\r\n"
              "  FROM   t\r\n"
              "  WHERE  a = 1;\r\n"
              "  \r\n"
              "  EXECUTE IMMEDIATE 'delete from t where a = :1'\r\n"
              "   USING IN OUT v_total;\r\n"
              "  \r\n"
              "  EXECUTE IMMEDIATE 'select a from t where b = :1' INTO v_a\r\n"
              "   USING v_b\r\n"
              "  RETURNING INTO v_c;\r\n"
              "  \r\n"
              "  OPEN c FOR 'select * from t' USING a,\r\n"
              "         b;\r\n"
              "EXCEPTION\r\n"
              "  WHEN OTHERS THEN\r\n"
              "    ROLLBACK;\r\n"
              "    \r\n"
              "    RAISE;\r\n"
              "END;");
}

TEST_F(PlsqlScript, ControlStatements) {
    EXPECT_EQ(Pretty("begin\n"
                     "  if v_total > 1 and v_name is null then v_name := 'x';\n"
                     "  elsif v_total = 0 then null; elsif c or c2 then z; else raise e; end if;\n"
                     "  <<l>> if a then x; end if;\n"
                     "  case x when 1 then a := 1; when 2 then a := 2; b := 3; else null; end case lbl;\n"
                     "  a := case when b = 'x' or c then 1 else 2 end;\n"
                     "  <<outer>> loop exit outer when x > 1; end loop outer;\n"
                     "  while x < 10 loop x := x + 1; end loop;\n"
                     "  for i in 1 .. 10 loop exit when i > 5; end loop;\n"
                     "  for i in reverse 1 .. 3 loop null; end loop;\n"
                     "  <<lp>> for r in c loop x; end loop lp;\n"
                     "  for r in cur(1, 'b') loop dbms_output.put_line(r.a); end loop;\n"
                     "  for rec in (select a from t) loop null; end loop;\n"
                     "  forall i in 1 .. n delete from t where a = i;\n"
                     "  open c for select a from t;\n"
                     "end;"),
              "BEGIN\r\n"
              "  IF v_total > 1\r\n     AND v_name IS NULL  THEN\r\n    v_name := 'x';\r\n"
              "  ELSIF v_total = 0 THEN\r\n    NULL;\r\n"
              "  ELSIF c\r\n         OR c2 THEN\r\n    z;\r\n"
              "  ELSE\r\n    RAISE e;\r\n  END IF;\r\n  \r\n"
              "  <<l>>\r\n  IF a THEN\r\n    x;\r\n  END IF;\r\n  \r\n"
              // The first statement of a branch stays on the WHEN line, the
              // others under it (the section's empty line included).
              "  CASE x\r\n    WHEN 1 THEN  a := 1;\r\n    WHEN 2 THEN  a := 2;\r\n                 \r\n"
              "                 b := 3;\r\n    ELSE NULL;\r\n  END CASE lbl;\r\n  \r\n"
              "  a := CASE\r\n         WHEN b = 'x'\r\n               OR c THEN  1\r\n         ELSE 2\r\n       END;\r\n  \r\n"
              "  <<OUTER>>\r\n  LOOP\r\n    EXIT OUTER WHEN x > 1;\r\n  END LOOP OUTER;\r\n  \r\n"
              "  WHILE x < 10 LOOP\r\n    x := x + 1;\r\n  END LOOP;\r\n  \r\n"
              // A blank after ".." in the numeric range, none in the REVERSE one.
              "  FOR i IN 1.. 10 LOOP\r\n    EXIT WHEN i > 5;\r\n  END LOOP;\r\n  \r\n"
              "  FOR i IN REVERSE 1..3 LOOP\r\n    NULL;\r\n  END LOOP;\r\n  \r\n"
              "  <<lp>>\r\n  FOR r IN c LOOP\r\n    x;\r\n  END LOOP lp;\r\n  \r\n"
              "  FOR r IN cur(1,'b') LOOP\r\n    dbms_output.Put_line(r.a);\r\n  END LOOP;\r\n  \r\n"
              // LOOP on the line after the query.
              "  FOR rec IN (SELECT a\r\n              FROM   t)\r\n  LOOP\r\n    NULL;\r\n  END LOOP;\r\n  \r\n"
              "  FORALL i IN 1..n\r\n    DELETE FROM t\r\n    WHERE       a = i;\r\n  \r\n"
              "  OPEN c FOR\r\n    SELECT a\r\n    FROM   t;\r\n"
              "END;");
}

#define PROC "create or replace procedure p (a in number, bb out varchar2, ccc in out date := sysdate)" \
             " is x number; yy date; begin null; exception when others then null; end p;"
#define PROC_TAIL "\r\nIS\r\n  x   NUMBER;\r\n  yy  DATE;\r\nBEGIN\r\n  NULL;\r\nEXCEPTION\r\n  WHEN OTHERS THEN\r\n" \
                  "    NULL;\r\nEND p;"

TEST_F(PlsqlScript, ProceduresFunctionsPackagesAndTriggers) {
    ExpectGoldens({
        {"", PROC,
         "CREATE OR REPLACE PROCEDURE p\r\n     (a    IN NUMBER,\r\n      bb   OUT VARCHAR2,\r\n"
         "      ccc  IN OUT DATE := SYSDATE)" PROC_TAIL},
        {"DeclSeparatorStyle=1", PROC,
         "CREATE OR REPLACE PROCEDURE p\r\n     (a     IN NUMBER\r\n      ,bb   OUT VARCHAR2\r\n"
         "      ,ccc  IN OUT DATE := SYSDATE)" PROC_TAIL},
        {"DeclSeparatorStyle=2", PROC,
         "CREATE OR REPLACE PROCEDURE p\r\n     (a      IN NUMBER\r\n      , bb   OUT VARCHAR2\r\n"
         "      , ccc  IN OUT DATE := SYSDATE)" PROC_TAIL},
        {"DeclSeparatorStyle=3", PROC,
         "CREATE OR REPLACE PROCEDURE p\r\n     (a    IN NUMBER,bb   OUT VARCHAR2,ccc  IN OUT DATE := SYSDATE)" PROC_TAIL},
        {"DeclListOneLine=1", PROC,
         "CREATE OR REPLACE PROCEDURE p\r\n     (a  IN NUMBER,bb  OUT VARCHAR2,ccc  IN OUT DATE := SYSDATE)" PROC_TAIL},
        {"ParamDeclAlign=1", PROC,
         "CREATE OR REPLACE PROCEDURE p\r\n     (  a  IN NUMBER,\r\n       bb  OUT VARCHAR2,\r\n"
         "      ccc  IN OUT DATE := SYSDATE)" PROC_TAIL},
        {"", "create or replace function f(a number) return number is begin return a * 2; end;",
         "CREATE OR REPLACE FUNCTION f\r\n     (a  NUMBER)\r\nRETURN NUMBER\r\nIS\r\nBEGIN\r\n  RETURN a * 2;\r\nEND;"},
        {"", "create or replace function f return number deterministic is begin return 1; end;",
         "CREATE OR REPLACE FUNCTION f\r\nRETURN NUMBER DETERMINISTIC\r\nIS\r\nBEGIN\r\n  RETURN 1;\r\nEND;"},
        // An empty line between the items, indented 2 under IS.
        {"", "create or replace package pk is procedure q(a number, b date); function g return number; end pk;",
         "CREATE OR REPLACE PACKAGE pk\r\nIS\r\n  PROCEDURE q(a  NUMBER,b  DATE);\r\n  \r\n"
         "  FUNCTION g RETURN NUMBER;\r\nEND pk;"},
        {"", "create or replace package body pk is\n"
             "  procedure q(a number) is begin null; end;\n"
             "  function g return number is begin return 1; end;\n"
             "end pk;",
         "CREATE OR REPLACE PACKAGE BODY pk\r\nIS\r\n"
         "  PROCEDURE q\r\n       (a  NUMBER)\r\n  IS\r\n  BEGIN\r\n    NULL;\r\n  END;\r\n  \r\n"
         "  FUNCTION g\r\n  RETURN NUMBER\r\n  IS\r\n  BEGIN\r\n    RETURN 1;\r\n  END;\r\nEND pk;"},
        {"", "create package body pb as x number; begin init; end;",
         "CREATE PACKAGE BODY pb\r\nAS\r\n  x  NUMBER;\r\nBEGIN\r\n  init;\r\nEND;"},
        {"", "create or replace trigger trg before update of a, b or delete on t for each row\n"
             "when (new.a > 0)\nbegin\n  :new.b := sysdate;\nend;",
         "CREATE OR REPLACE TRIGGER trg\r\n    BEFORE UPDATE OF a,b OR DELETE ON t\r\n    FOR EACH ROW\r\n"
         "    WHEN ( new.a > 0 )\r\n    BEGIN\r\n      :new.b := SYSDATE;\r\n    END;"},
        // A long WHEN condition's later lines align under its first.
        {"", "create trigger trg before update on t for each row when (new.a > 0 and new.b < 1) begin null; end;",
         "CREATE TRIGGER trg\r\n    BEFORE UPDATE ON t\r\n    FOR EACH ROW\r\n    WHEN ( new.a > 0\r\n"
         "           AND new.b < 1 )\r\n    BEGIN\r\n      NULL;\r\n    END;"},
        {"UseTab=1", "create trigger d before delete on emp call p\n/\n",
         "CREATE TRIGGER d\r\n\t\tBEFORE DELETE ON emp\r\n\t\tcall p"},
        // The schema form is written as scanned, without blanks; the CALL
        // statement as written, with no line of indent blanks after it.
        {"", "create trigger d after create or drop on scott.schema call p\n/\n",
         "CREATE TRIGGER d\r\n    AFTER CREATE OR DROP ON scott.schema\r\n    call p"},
        // The second timing word keeps the case it was written in.
        {"", "create trigger v instead of insert on vw begin null; end;",
         "CREATE TRIGGER v\r\n    INSTEAD of INSERT ON vw\r\n    BEGIN\r\n      NULL;\r\n    END;"},
    });
}

TEST_F(BlockPrinter, HandlersUnderException) {
    EXPECT_EQ(Pretty("begin a; exception when no_data_found or too_many_rows then b; c; when others then d; end;"),
              "BEGIN\r\n  a;\r\nEXCEPTION\r\n"
              "  WHEN no_data_found OR too_many_rows THEN\r\n    b;\r\n    \r\n    c;\r\n"
              "  WHEN OTHERS THEN\r\n    d;\r\nEND;");
}

// The declaration section is followed by a line break even when its text
// ends in one, so BEGIN then stands after an empty line.
TEST_F(BlockPrinter, EmptyLineBeforeBeginWhenTheSectionEndsInALineBreak) {
    EXPECT_EQ(Pretty("<<lbl>> begin null; end;"), "<<lbl>>\r\n\r\nBEGIN\r\n  NULL;\r\nEND;");
    EXPECT_EQ(Pretty("declare n number; -- note\nbegin null; end;"),
              "DECLARE\r\n  n  NUMBER; -- note\r\n  \r\nBEGIN\r\n  NULL;\r\nEND;");
    EXPECT_EQ(Pretty("declare n number; begin null; end;"), "DECLARE\r\n  n  NUMBER;\r\nBEGIN\r\n  NULL;\r\nEND;");
}

TEST_F(BlockPrinter, LabelledNullKeepsItsTerminator) {
    EXPECT_EQ(Pretty("begin <<l>> null; end;"), "BEGIN\r\n  <<l>>\r\n  NULL;\r\nEND;");
}

TEST_F(BlockPrinter, RecoveredStatementPrintsEachCommentOnce) {
    // The skipped range holds a comment and ends at ";", which carries the
    // comment after the range.  The unit has an error record, so it prints
    // as written; the skipped statement's own printer gives its words once.
    const std::string sql = "begin\n  null;\n  x := /* in */ := 1; -- after\n  y := 2;\nend;";
    EXPECT_EQ(Pretty(sql), "begin\r\n  null;\r\n  x := /* in */ := 1; -- after\r\n  y := 2;\r\nend;");
    auto* b = dynamic_cast<TRk_Plsql*>(Stmt(sql)->GetRootNode());
    ASSERT_NE(b, nullptr);
    ASSERT_EQ(b->Section->Items->Count(), 3);
    EXPECT_EQ(b->Section->Items->Items(1)->GetPrettyText(), "x := /* in */ := 1; -- after\r\n");
}

TEST_F(BlockPrinter, VeryDeepNestingIsPrintedWholeInsideALaidOutFrame) {
    // Each level indents all levels inside it again; far inside, the
    // elements print as written so the time stays near linear.
    const int depth = 400;
    std::string sql;
    for (int i = 0; i < depth; ++i) sql += "begin\n";
    sql += "null;\n";
    for (int i = 0; i < depth; ++i) sql += "end;\n";
    const std::string text = Pretty(sql);
    using pptest::Occurrences;
    EXPECT_EQ(Occurrences(text, "BEGIN") + Occurrences(text, "begin"), depth);
    EXPECT_EQ(Occurrences(text, "END;") + Occurrences(text, "end;"), depth);
    EXPECT_EQ(Occurrences(text, "NULL;") + Occurrences(text, "null;"), 1);
    EXPECT_EQ(text.substr(0, 25), "BEGIN\r\n  BEGIN\r\n    BEGIN");
    EXPECT_EQ(text.substr(text.size() - 12), "  END;\r\nEND;");
}

TEST_F(PlsqlScript, StatementTextIsItsPrettyTextAndCreateTypeIsWritten) {
    TCustomSqlStatement* s = Stmt("begin a := 1; end;");
    ASSERT_NE(s, nullptr);
    ASSERT_TRUE(dynamic_cast<TPlsqlStatement*>(s));
    const std::string pretty = s->GetPrettyText();
    EXPECT_EQ(pretty, "BEGIN\r\n  a := 1;\r\nEND;");
    EXPECT_EQ(s->GetPrettyText(), pretty);
    EXPECT_EQ(s->AsText(), pretty);

    // A CREATE TYPE unit is not parsed: it prints as written.
    s = Stmt("create or replace type ty as object (a number);");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->GetPrettyText(), "create or replace type ty as object (a number);");
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
    ASSERT_NE(s->PP(), nullptr);
    EXPECT_STREQ(s->PP()->ClassName(), "TPlsqlStatementPP");
    ASSERT_NE(s->GetRootNode(), nullptr);
    ASSERT_NE(s->GetRootNode()->PP(), nullptr);
    EXPECT_STREQ(s->GetRootNode()->PP()->ClassName(), "TRk_PlsqlPP");
    EXPECT_EQ(s->GetPrettyText(), "BEGIN\r\n  IF a THEN\r\n    b := 1;\r\n  END IF;\r\nEND;");
}

}  // namespace
