// The SQL Server parser driver over whole scripts: statements without ";",
// the end forced before a routine, error reports and recovery, the
// expected-token text, the balance notes and the skipping of statements
// whose words are not parsed.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "mssql_parse.h"
#include "parse/mssql/mssqlsqlstatement.h"
#include "parse/mssql/mssqltokens.h"

using namespace mssqltok;
using sqltest::TokText;

namespace {

std::string Where(const TSourceToken* t) {
    return std::string(t->GetText()) + "(" + std::to_string(t->Line) + "," + std::to_string(t->Column) + ")";
}

const TSourceToken* FindToken(const MsRun& r, const std::string& text, int nth = 1) {
    for (const TSourceToken* t : r.tokens->Items())
        if (t->GetText() == text && --nth == 0) return t;
    return nullptr;
}

_TMssqlStmt* Item(const MsRun& r, size_t i) {
    return i < r.parser->ResultList.size() ? static_cast<_TMssqlStmt*>(r.parser->ResultList[i]) : nullptr;
}

// The result, the tokens of the error reports and the listed statements.
std::string Outcome(MsRun& r) {
    std::string s = std::to_string(r.Parse()) + " [";
    for (const MsError& e : r.errors) s += (s.back() == '[' ? "" : ",") + e.token;
    return s + "] " + r.Kinds();
}

struct TRunCase {
    const char* Text;
    const char* Outcome;
};

void CheckRuns(std::initializer_list<TRunCase> Cases) {
    for (const TRunCase& c : Cases) {
        MsRun r(c.Text);
        EXPECT_EQ(Outcome(r), c.Outcome) << c.Text;
    }
}

TEST(MssqlDriver, StatementBoundariesAndRecovery) {
    CheckRuns({
        // No ";" needed; a second one in a row is an error line.
        {"select a from t\nselect b from u\ndelete from t", "0 [] TRk_SelectStmt TRk_SelectStmt TRk_DeleteStmt"},
        {"select 1;;\nselect 2", "0 [;] TRk_SelectStmt _TMssqlDummyStmt:45 TRk_SelectStmt"},
        // The start of a routine ends the statement before it.
        {"select a from t create procedure p as select 2", "0 [] TRk_SelectStmt _TMssqlCreateProcedure"},
        {"select a from t CREATE PROC p AS select 2", "0 [] TRk_SelectStmt _TMssqlCreateProcedure"},
        {"select a from t alter function f() returns int as begin return 1 end",
         "0 [] TRk_SelectStmt _TMssqlCreateFunction"},
        {"create procedure p as select 2", "0 [] _TMssqlCreateProcedure"},
        // One report per run of bad tokens; the error statement is its line.
        {"select a from t ) ) ) ) x\nselect b from u", "0 [)] TRk_SelectStmt _TMssqlDummyStmt:45 TRk_SelectStmt"},
        {"create table a (x int)\ncreate table b (y int,, z int)\ncreate table c (w int)\n",
         "0 [,] TRk_CreateTableStmt _TMssqlDummyStmt:45 TRk_CreateTableStmt"},
        {"with x as (select 1 a) select a from x\nselect 2", "0 [with] _TMssqlDummyStmt:45 TRk_SelectStmt"},
        // SET options and DROP are read raw, to the end of their line.
        {"SET NOCOUNT ON\nSET ANSI_NULLS OFF select 1\nGO", "0 [] _TMssqlSet _TMssqlSet TRk_SelectStmt _TMssqlGo"},
        {"drop table\n  t1,\n  t2\nselect 1", "0 [] _TMssqlDummyStmt:95 TRk_SelectStmt"},
        {"select 1\nSET NOCOUNT ON\n-- done\n", "0 [] TRk_SelectStmt _TMssqlSet"},
        {"drop table t", "0 [] _TMssqlDummyStmt:95"},
        {"select :a", "0 [] TRk_SelectStmt"},
    });

    MsRun r("select a from t\nselect b from u\ndelete from t");
    r.Parse();
    ASSERT_EQ(r.announced.size(), 3u);
    EXPECT_EQ(Pic(r.announced[0].type, r.announced[2].type), Pic(sstSelect, sstDelete));
    EXPECT_EQ(r.Text(r.announced[1].start, r.announced[1].end), "\nselect b from u");
    // The last one ends before the line break the scanner ends the input
    // with and the end token.
    EXPECT_EQ(Item(r, 2)->EndPos(), r.tokens->Count() - 3);

    MsRun semi("select 1; select 2;");
    EXPECT_EQ(semi.Parse(), 0);
    EXPECT_EQ(Pic(TokText(Item(semi, 0)->TerminatorToken), TokText(Item(semi, 1)->TerminatorToken)), "; ;");

    MsRun broken("create table a (x int)\ncreate table b (y int,, z int)\ncreate table c (w int)\n");
    broken.Parse();
    auto* dummy = static_cast<_TMssqlDummyStmt*>(Item(broken, 1)->InnerNode);
    EXPECT_EQ(broken.ListText(dummy->StmtTokens.get()), "\n|create| |table| |b| |(|y| |int|,|,| |z| |int|)|\n|");

    MsRun set("SET NOCOUNT ON\nSET ANSI_NULLS OFF select 1\nGO");
    set.Parse();
    EXPECT_EQ(set.ListText(Item(set, 0)->InnerNode->TokenList.get()), "SET|NOCOUNT| |ON|");  // SET starts the next line
    EXPECT_EQ(set.ListText(Item(set, 1)->InnerNode->TokenList.get()), "SET|ANSI_NULLS| |OFF|");
    MsRun lastSet("select 1\nSET NOCOUNT ON\n-- done\n");
    lastSet.Parse();
    EXPECT_EQ(lastSet.ListText(Item(lastSet, 1)->InnerNode->TokenList.get()), "SET|NOCOUNT| |ON|\n|");
    MsRun drop("drop table\n  t1,\n  t2\nselect 1");
    drop.Parse();
    EXPECT_EQ(drop.ListText(static_cast<_TMssqlDummyStmt*>(Item(drop, 0)->InnerNode)->StmtTokens.get()),
              "drop| |table|  |t1|,|  |t2|\n|");
    MsRun lastDrop("drop table t");
    lastDrop.Parse();
    EXPECT_EQ(Item(lastDrop, 0)->EndPos(), 4);
    MsRun colon("select :a");
    colon.Parse();
    EXPECT_EQ(FindToken(colon, ":a")->TokenCode, IDENT);  // colon names reach the grammar as identifiers
}

// A skipped statement ends before END and ELSE, with its ";", and before
// another statement on its line, so the block and the IF around it stay
// whole.
TEST(MssqlDriver, SkippedStatementsKeepEndAndElse) {
    CheckRuns({
        {"if exists (select 1) begin drop table t end\ncreate table u (a int)", "0 [] _TMssqlIfElse TRk_CreateTableStmt"},
        {"if @e <> 0\n  raiserror('x', 16, 1)\nelse\n  print 'y'\n", "0 [] _TMssqlIfElse"},
        {"drop table t; create table t (a int)", "0 [] _TMssqlDummyStmt:95 TRk_CreateTableStmt"},
        {"drop table if exists t\nrevoke select on t from u\nselect 1",
         "0 [] _TMssqlDummyStmt:95 _TMssqlDummyStmt:100 TRk_SelectStmt"},
    });
    MsRun e("if @e <> 0\n  raiserror('x', 16, 1)\nelse\n  print 'y'\n");
    e.Parse();
    EXPECT_NE(static_cast<_TMssqlIfElse*>(Item(e, 0)->InnerNode)->ElseStmt, nullptr);
    MsRun d("drop table t; create table t (a int)");
    d.Parse();
    EXPECT_EQ(d.ListText(static_cast<_TMssqlDummyStmt*>(Item(d, 0)->InnerNode)->StmtTokens.get()),
              "drop| |table| |t|;|");
    MsRun x("drop table if exists t\nrevoke select on t from u\nselect 1");
    x.Parse();
    EXPECT_EQ(x.ListText(static_cast<_TMssqlDummyStmt*>(Item(x, 1)->InnerNode)->StmtTokens.get()),
              "revoke| |select| |on| |t| |from| |u|\n|");
}

// The ";" that ends a skipped statement is read into it: inside a block it
// is no error, in a procedure body it does not end the procedure, and on a
// line it still lets the next statement parse.
TEST(MssqlDriver, SkippedStatementsReadTheirSemicolon) {
    CheckRuns({
        {"BEGIN\nSET NOCOUNT ON;\nDROP TABLE t;\nSELECT 1\nEND", "0 [] _TMssqlBlock"},
        {"begin raiserror('x', 16, 1); end\nselect 1", "0 [] _TMssqlBlock TRk_SelectStmt"},
        {"CREATE PROCEDURE p1 AS\nSET NOCOUNT ON;\nCREATE TABLE t1 (c1 INT)\nGO",
         "0 [] _TMssqlCreateProcedure _TMssqlGo"},
        {"DROP TABLE u; CREATE TABLE v (a int)", "0 [] _TMssqlDummyStmt:95 TRk_CreateTableStmt"},
        {"set nocount on ; select 1", "0 [] _TMssqlSet TRk_SelectStmt"},
        // Inside parentheses a ";" is no end.
        {"raiserror('a;b', 16, 1)\nselect 1", "0 [] _TMssqlDummyStmt:100 TRk_SelectStmt"},
    });
    MsRun r("BEGIN\nSET NOCOUNT ON;\nDROP TABLE t;\nSELECT 1\nEND");
    r.Parse();
    auto* block = static_cast<_TMssqlBlock*>(Item(r, 0)->InnerNode);
    ASSERT_NE(block->StmtList, nullptr);
    ASSERT_EQ(block->StmtList->Count(), 3);
    auto* set = static_cast<_TMssqlStmt*>(block->StmtList->GetNode(0))->InnerNode;
    EXPECT_EQ(r.ListText(set->TokenList.get()), "SET|NOCOUNT| |ON|;|");
    auto* drop = static_cast<_TMssqlDummyStmt*>(static_cast<_TMssqlStmt*>(block->StmtList->GetNode(1))->InnerNode);
    EXPECT_EQ(r.ListText(drop->StmtTokens.get()), "DROP| |TABLE| |t|;|");
    MsRun top("DROP TABLE u; CREATE TABLE v (a int)");
    top.Parse();
    EXPECT_EQ(Pic(TokText(Item(top, 0)->TerminatorToken), Item(top, 0)->EndPos()), "<nil> 5");
}

// An error statement keeps a CASE's END and ELSE: one error statement for a
// broken CASE, and a block around it stays whole.
TEST(MssqlDriver, ErrorStatementsRunToTheEndOfTheirCase) {
    CheckRuns({
        {"SELECT CASE WHEN a = THEN 1 ELSE 2 END FROM t", "0 [1] _TMssqlDummyStmt:45"},
        {"begin\nselect case when a = then 1 else 2 end from t\nprint 'x'\nend", "0 [1] _TMssqlBlock"},
        {"if @a = 1 select case when x = then 1 else 2 end else print 'y'", "0 [1] _TMssqlIfElse"},
        // Without a CASE, END still belongs to the block; a ";" ends the error.
        {"begin select a from where end\nselect 1", "0 [where] _TMssqlBlock TRk_SelectStmt"},
        {"begin select a from where; print 'x' end", "0 [where] _TMssqlBlock"},
    });
    MsRun r("SELECT CASE WHEN a = THEN 1 ELSE 2 END FROM t");
    r.Parse();
    auto* dummy = static_cast<_TMssqlDummyStmt*>(Item(r, 0)->InnerNode);
    EXPECT_EQ(r.ListText(dummy->StmtTokens.get()),
              "SELECT| |CASE| |WHEN| |a| |=| |THEN| |1| |ELSE| |2| |END| |FROM| |t|\n|");
    MsRun b("begin select a from where; print 'x' end");
    b.Parse();
    auto* block = static_cast<_TMssqlBlock*>(Item(b, 0)->InnerNode);
    ASSERT_EQ(block->StmtList->Count(), 2);
}

// An action that refuses its input costs that statement only.
TEST(MssqlDriver, AnActionErrorLosesOnlyItsStatement) {
    MsRun r("select 1\n(select a from t order by a) order by a\nselect 2\n");
    EXPECT_EQ(Outcome(r), "0 [select] TRk_SelectStmt _TMssqlDummyStmt:45 TRk_SelectStmt");
    ASSERT_FALSE(r.errors.empty());
    EXPECT_EQ(r.errors[0].message, "Multiple ORDER BY clauses not allowed");
}

TEST(MssqlDriver, FailedRunsEndWithTheAbortPair) {
    MsRun r("-- nothing\n/* here */  \n");
    EXPECT_EQ(r.Parse(), 1);
    ASSERT_EQ(r.errors.size(), 2u);
    EXPECT_EQ(Pic(r.errors[0].message, r.errors[0].token, r.errors[0].line), "lcRetires = -1 error 1003 -1");
    EXPECT_EQ(Pic(r.errors[1].message, r.errors[1].token), "abort !!!  error 1001");

    // Nesting deeper than the stack allows loses only its statement: one
    // record, no failure.
    std::string deep = "select 1\nselect " + std::string(300, '(') + "1" + std::string(300, ')') + "\nselect 2";
    MsRun d(deep);
    d.parser->MaxStackDepth = 200;
    EXPECT_EQ(Outcome(d), "0 [error 1010] TRk_SelectStmt _TMssqlDummyStmt:45 TRk_SelectStmt");
    EXPECT_EQ(d.errors[0].message, "yyparse stack overflow");
}

TEST(MssqlDriver, ExpectedTokenTexts) {
    MsRun r("select a from t where");
    r.Parse();
    ASSERT_EQ(r.errors.size(), 1u);
    const std::string& e = r.errors[0].message;
    EXPECT_EQ(e.back(), ' ');
    EXPECT_EQ(e.find("..."), std::string::npos);
    EXPECT_LE(std::count(e.begin(), e.end(), ' '), 20);
    EXPECT_NE(e.find("IDENTIFIER "), std::string::npos);
    EXPECT_EQ(Pic(r.errors[0].line, r.errors[0].column), "-1 -1");  // at the end of the input

    // A state that reduces on ";" names it first (the handler sees the
    // state before the statement is closed as at a ";"); shifts come before
    // reductions; at most 20 names, ";" counted.
    MsRun s("select a from t where a = 1 1");
    std::string seen;
    s.parser->SetOnParserTokenError([&](void*, TSourceToken*&, int, const std::string& expected,
                                        TActionOnParseError&, int&, bool&) { seen = expected; });
    s.Parse();
    EXPECT_EQ(seen, "; * + - / < = > IN IS LIKE ( ) , CLOSE AND AS ASC CREATE DELETE ");

    EXPECT_EQ(r.parser->ExpectedTokens(-1, 0), "Unknown");
    std::string name;
    EXPECT_TRUE(TRkMssqlSqlDriver::TokenName('<', name));
    EXPECT_EQ(name, "<");
    EXPECT_FALSE(TRkMssqlSqlDriver::TokenName(';', name));
    EXPECT_FALSE(TRkMssqlSqlDriver::KeywordName(RW_RAISERROR, name));
    EXPECT_TRUE(TRkMssqlSqlDriver::KeywordName(RW_PARTITION, name));
    EXPECT_EQ(name, "PARTITION");
    for (int c : {RW_SELECT, RW_INSERT, RW_END, RW_REVOKE, RW_GO, RW_SET, LABEL})
        EXPECT_TRUE(TRkMssqlSqlDriver::IsMssqlStatementStart(c)) << c;
    for (int c : {int(RW_ELSE), int(RW_FROM), int(IDENT), int(';'), int(RW_WITH)})
        EXPECT_FALSE(TRkMssqlSqlDriver::IsMssqlStatementStart(c)) << c;
}

TEST(MssqlDriver, BalanceNotesAtTheEnd) {
    const std::string head = "end of input\r\nCorresponding end keyword not found of: ";
    // A CASE without END inside a balanced block.
    MsRun r("begin\nselect 1\nend\nselect case when a = 1 then 2");
    r.Parse();
    ASSERT_FALSE(r.errors.empty());
    EXPECT_EQ(r.errors[0].token, head + Where(FindToken(r, "case")) + "\r\n");

    // BEGIN TRAN opens no block; BEGIN with a comment before TRAN does.
    MsRun t("begin tran\nbegin /*c*/ tran\nbegin\nselect 1");
    t.Parse();
    ASSERT_FALSE(t.errors.empty());
    EXPECT_EQ(t.errors[0].token, head + Where(FindToken(t, "begin", 2)) +
                                     "\r\n\r\nCorresponding end keyword not found of: " +
                                     Where(FindToken(t, "begin", 3)) + "\r\n");

    // An END with nothing open stops the scan.
    MsRun u("select 1\nend\nbegin\nselect (");
    u.Parse();
    ASSERT_FALSE(u.errors.empty());
    EXPECT_EQ(u.errors.back().token,
              "end of input\r\nCorresponding begin keyword not found of: " + Where(FindToken(u, "end")) + "\r\n");
}

TEST(MssqlDriver, TheEndTokenIsAppendedOnce) {
    MsRun r("select 1");
    const int before = r.tokens->Count();
    r.Parse();
    ASSERT_EQ(r.tokens->Count(), before + 1);
    const TSourceToken* end = r.tokens->TokenAt(before);
    EXPECT_EQ(Pic(end->GetText(), end->Line, end->Column), " -1 -1");
    r.Parse();
    EXPECT_EQ(r.tokens->Count(), before + 1);
}

TEST(MssqlDriver, ErrorHandlers) {
    // A handler that continues is called once per shift.
    MsRun r("select a from t ) ) )\nselect b from u");
    int calls = 0;
    r.parser->SetOnParserTokenError([&](void*, TSourceToken*&, int, const std::string& expected,
                                        TActionOnParseError& action, int&, bool&) {
        ++calls;
        EXPECT_FALSE(expected.empty());
        action = aopContinue;
    });
    r.Parse();
    EXPECT_EQ(Pic(calls, r.errors.size()), "1 1");

    // A handler that throws counts as abort.
    MsRun t("select a from t )\nselect b from u");
    t.parser->SetOnParserTokenError(
        [&](void*, TSourceToken*&, int, const std::string&, TActionOnParseError&, int&, bool&) { throw 1; });
    t.Parse();
    EXPECT_EQ(Pic(t.errors.size(), t.parser->ResultList.size()), "1 3");

    // A handler may drop the offending token and have it read again: the
    // parse goes on as if the token had never been there.
    MsRun d("select a from t where ) x = 1\nselect 2");
    calls = 0;
    d.parser->SetOnParserTokenError([&](void*, TSourceToken*& token, int vendor, const std::string&,
                                        TActionOnParseError& action, int& rollbackTokens, bool&) {
        ++calls;
        EXPECT_EQ(vendor, 0);
        ASSERT_NE(token, nullptr);
        EXPECT_EQ(token->GetText(), ")");
        token->TokenStatus = 1;
        rollbackTokens = 1;
        action = aopContinue;
    });
    EXPECT_EQ(Outcome(d), "0 [] TRk_SelectStmt TRk_SelectStmt");
    EXPECT_EQ(calls, 1);
}

// Word soup and random bytes: every run ends, accepted or failed with its
// pair, and the records are never more than one per shifted token.
TEST(MssqlDriver, HostileInputNeverBreaksTheRun) {
    const char* words[] = {"select", "from", "(", ")", "begin", "end", "if", "else", "create", "table",
                           "procedure", "as", ";", ",", "drop", "set", "x", "1", "'s'", "@v",
                           "case", "when", "then", "go", "\n", "exec", "declare", "cursor", "for", "where"};
    std::mt19937 rng(11);
    for (int round = 0; round < 300; ++round) {
        std::string text;
        const int n = 1 + static_cast<int>(rng() % 60);
        for (int i = 0; i < n; ++i) {
            if (round % 3 == 2) text += static_cast<char>(1 + rng() % 255);
            else text += std::string(words[rng() % (sizeof words / sizeof *words)]) + " ";
        }
        MsRun r(text);
        const int result = r.Parse();
        ASSERT_TRUE(result == 0 || result == 1) << text;
        if (result == 1) {
            ASSERT_GE(r.errors.size(), 2u) << text;
            EXPECT_EQ(r.errors.back().message, "abort !!! ") << text;
        }
        for (TRk_Node* item : r.parser->ResultList) ASSERT_NE(item, nullptr);
    }
}

// A long commented-out block: inside a skipped statement it is passed
// over once (the statement keeps the comments, not the line breaks), after
// one it stays outside; the next batch parses either way.
TEST(MssqlDriver, LongCommentBlocksAndSkippedStatements) {
    std::string block;
    for (int i = 0; i < 20000; ++i) block += "-- insert into t values (" + std::to_string(i) + ")\n";
    MsRun inside("drop table t\n" + block + ", u\nGO\ncreate table t (a int)\n");
    EXPECT_EQ(Outcome(inside), "0 [] _TMssqlDummyStmt:95 _TMssqlGo TRk_CreateTableStmt");
    EXPECT_EQ(static_cast<_TMssqlDummyStmt*>(Item(inside, 0)->InnerNode)->StmtTokens->Count(), 5 + 20000 + 4);

    MsRun r("drop table t\n" + block + "GO\ncreate table t (a int)\n");
    EXPECT_EQ(Outcome(r), "0 [] _TMssqlDummyStmt:95 _TMssqlGo TRk_CreateTableStmt");
    EXPECT_EQ(r.ListText(static_cast<_TMssqlDummyStmt*>(Item(r, 0)->InnerNode)->StmtTokens.get()), "drop| |table| |t|\n|");
}

// A comment left open takes the rest of the script: kept in its token, and
// reported once, never dropped without a word.
TEST(MssqlDriver, ACommentLeftOpenIsReported) {
    MsRun r("create table a (x int)\n/* see c:/*.sql */\ncreate table b (y int)\n");
    EXPECT_EQ(Outcome(r), "0 [end of input] TRk_CreateTableStmt");
    EXPECT_EQ(r.tokens->TokenAt(r.tokens->Count() - 2)->GetText(), "/* see c:/*.sql */\ncreate table b (y int)\n");
    MsRun s("select 'abc\n");
    s.Parse();
    EXPECT_EQ(s.errors.size(), 1u);
    // A statement that the open string leaves unfinished: one report too.
    MsRun i("INSERT INTO t VALUES ('abc");
    EXPECT_EQ(Outcome(i), "0 [end of input] ");
    MsRun j("begin\ninsert into t values ('abc\n");
    j.Parse();
    ASSERT_EQ(j.errors.size(), 1u);
    EXPECT_EQ(j.errors[0].token.rfind("end of input\r\nCorresponding end keyword not found of: begin(1,", 0), 0u);
    MsRun ok("select 1 /* closed */\n");
    EXPECT_EQ(Outcome(ok), "0 [] TRk_SelectStmt");
}

}  // namespace
