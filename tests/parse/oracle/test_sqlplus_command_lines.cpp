// A SQL*Plus command line ends at its line break, whatever it holds: a
// "/*", "--", quote or double quote after the command word is text of the
// command, and the tables after it are all found.  Inside a PL/SQL unit,
// where no line is a command line, strings and comments still run on over
// line ends.
#include <string>
#include <vector>

#include "statementstructure/ddlstatement.h"
#include "formatter/rkbasetype.h"
#include "statementstructure/statement_fixture.h"
#include "test_plsql_support.h"

using namespace sstest;
using plsql_test::Crlf;

namespace {

// The command words, as scripts write them.
const char* const kCommandWords[] = {
    "@",       "@@",        "A",        "ACC",       "ACCEPT",   "APPEND",   "ATTRIBUTE", "BRE",    "BREAK",
    "BTI",     "BTITLE",    "C",        "CHANGE",    "CL",       "CLEAR",    "COL",       "COLUMN", "COMP",
    "COMPUTE", "CONN",      "CONNECT",  "COPY",      "DEF",      "DEFINE",   "DEL",       "DESC",   "DESCRIBE",
    "DISC",    "DISCONNECT", "ED",      "EDIT",      "EXEC",     "EXECUTE",  "EXIT",      "GET",    "HELP",
    "HO",      "HOST",      "I",        "INPUT",     "L",        "LIST",     "PASSW",     "PASSWORD", "PAU",
    "PAUSE",   "PRI",       "PRINT",    "PROMPT",    "QUIT",     "R",        "REM",       "REMARK", "REPF",
    "REPFOOTER", "REPH",    "REPHEADER", "RUN",      "SAV",      "SAVE",     "SET",       "SHO",    "SHOW",
    "SPO",     "SPOOL",     "STA",      "START",     "STORE",    "TIMI",     "TIMING",    "TTI",    "TTITLE",
    "UNDEF",   "UNDEFINE",  "VAR",      "VARIABLE",  "WHENEVER",
};

// The tables of the script, "name:columns" with the records of each, in order.
std::string Tables(Script& Sc) {
    std::string R;
    for (int i = 0; i < Sc.Count(); ++i)
        if (auto* T = Sc.At<TCreateTableSqlStatement>(i))
            R += (R.empty() ? "" : " ") + T->TargetTable->GetTableText() + ":" +
                 std::to_string(T->TargetTable->Columns->Count()) + "/" + std::to_string(T->GetErrorCount());
    return R;
}

}  // namespace

// Every command word, in either case, followed by what would open a
// comment, string or name anywhere else: the command is its line, and the
// tables after it (one after a real comment) are all there.
TEST(SqlplusCommandLines, OpenersAfterEveryCommandWordStayOnTheirLine) {
    const char* Rests[] = {
        "/* creating tables", "/*** old version ***", "=/* x", "a/*b", "/*", "-- note", "it's old",
        "\"open name",        "x /* a -\n/* continued",
    };
    for (const char* Word : kCommandWords)
        for (const std::string& W : {std::string(Word), LowerCase(Word)})
            for (const char* Rest : Rests) {
                const std::string Line = W + " " + Rest + "\n";
                SCOPED_TRACE(Line);
                Script Sc("create table t0 (a number);\n" + Line +
                          "create table t1 (a number, b number);\n/* a real\ncomment */\n"
                          "create table t2 (c number);\n");
                EXPECT_EQ(Sc.P.ErrorCount(), 0) << Sc.P.GetErrorMessages();
                EXPECT_EQ(Tables(Sc), "t0:1/0 t1:2/0 t2:1/0");
                ASSERT_EQ(Sc.Count(), 4);
                auto* Cmd = Sc.At<TSqlplusCmdStatement>(1);
                ASSERT_NE(Cmd, nullptr);
                EXPECT_EQ(Cmd->GetRawSqlText(), Crlf(Line));
            }
}

// Off a command line "/*" opens a comment as ever, also on the line right
// after one; and a command ending the script without a line break leaves
// nothing open.
TEST(SqlplusCommandLines, CommentsOffCommandLinesAreComments) {
    Script Sc("prompt creating\n/* create table hidden (a number);\n*/\ncreate table shown (a number /* pk */);\n"
              "rem /* the end");
    EXPECT_EQ(Sc.P.ErrorCount(), 0) << Sc.P.GetErrorMessages();
    EXPECT_EQ(Tables(Sc), "shown:1/0");
    ASSERT_GE(Sc.Count(), 1);
    EXPECT_EQ(Sc.At(Sc.Count() - 1)->GetRawSqlText(), "rem /* the end\r\n");
}

// Inside a unit a line that starts with a command word (EXIT, EXECUTE, a
// variable named like one) is code: its block comment or string may span
// lines, and the unit parses whole.
TEST(SqlplusCommandLines, NoCommandLinesInsideUnits) {
    const char* Units[] = {
        "begin\n  loop\n    x := 1;\n    exit when x > 1; /* leave\n    now */\n  end loop;\nend;\n",
        "begin\n  null;\n  execute immediate 'create table x (\n    a number)';\nend;\n",
        "declare\n  c number;\nbegin\n  null;\n  c := 1 /* one\n  */;\nend;\n",
        "create or replace procedure p is\nbegin\n  null;\n  prompt := 'a\n  b';\nend;\n",
        "create function f return varchar2 as\nbegin\n  null;\n  rem := '/*';\n  return rem;\nend;\n",
    };
    for (const char* U : Units) {
        SCOPED_TRACE(U);
        Script Sc(std::string(U) + "/\nprompt /* after the unit\ncreate table after_unit (a number);\n");
        EXPECT_EQ(Sc.P.ErrorCount(), 0) << Sc.P.GetErrorMessages();
        ASSERT_EQ(Sc.Count(), 4);
        auto* Unit = Sc.At<TPlsqlStatement>(0);
        ASSERT_NE(Unit, nullptr);
        EXPECT_TRUE(Unit->Parsed);
        EXPECT_EQ(Unit->GetTextByVisitor(), Crlf(U));
        EXPECT_NE(Sc.At<TSqlplusCmdStatement>(2), nullptr);
        EXPECT_EQ(Tables(Sc), "after_unit:1/0");
    }
    // A unit ended by a "." line is closed as well: commands after it are
    // commands again.
    Script Dot("begin\n  null;\nend;\n.\nprompt /* next\ncreate table t (a number);\n");
    EXPECT_EQ(Tables(Dot), "t:1/0");
}

// A command line of operator runs around "/*" is read once (quadratic
// work would not finish here in any reasonable time).
TEST(SqlplusCommandLines, LongRunsOnCommandLines) {
    std::string Run;
    for (int i = 0; i < 100000; ++i) Run += "=/*";
    for (const std::string& Rest : {Run, "/*" + Run, std::string(200000, '*') + "/*/*"}) {
        Script Sc("prompt " + Rest + "\ncreate table t (a number);\n");
        EXPECT_EQ(Tables(Sc), "t:1/0");
    }
}
