// The SQL Server parser driver over whole scripts: statements without ";",
// the end forced before a routine, error reports and recovery, the
// expected-token text, the balance notes and the skipping of statements
// whose words are not parsed.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "mssql_parse.h"
#include "parse/mssql/mssqlsqlstatement.h"
#include "parse/mssql/mssqltokens.h"

using namespace mssqltok;

namespace {

std::string Where(const TSourceToken* t) {
    return t->Text + "(" + std::to_string(t->Line) + "," + std::to_string(t->Column) + ")";
}

const TSourceToken* FindToken(const MsRun& r, const std::string& text, int nth = 1) {
    for (const TSourceToken* t : r.tokens->Items())
        if (t->Text == text && --nth == 0) return t;
    return nullptr;
}

_TMssqlStmt* Item(const MsRun& r, size_t i) {
    return i < r.parser->ResultList.size() ? static_cast<_TMssqlStmt*>(r.parser->ResultList[i]) : nullptr;
}

TEST(MssqlDriver, StatementsNeedNoSemicolon) {
    MsRun r("select a from t\nselect b from u\ndelete from t");
    EXPECT_EQ(r.Parse(), 0);
    EXPECT_TRUE(r.errors.empty()) << r.errors[0].message << "|" << r.errors[0].token;
    ASSERT_EQ(r.parser->ResultList.size(), 3u);
    ASSERT_EQ(r.announced.size(), 3u);
    EXPECT_EQ(r.announced[0].type, sstSelect);
    EXPECT_EQ(r.announced[2].type, sstDelete);
    EXPECT_EQ(r.Text(r.announced[1].start, r.announced[1].end), "\nselect b from u");
    // The last one ends at its last token.
    // Before the line break the scanner ends the input with and the end token.
    EXPECT_EQ(Item(r, 2)->EndPos, r.tokens->Count() - 3);
}

TEST(MssqlDriver, SemicolonsBecomeTerminators) {
    MsRun r("select 1; select 2;");
    EXPECT_EQ(r.Parse(), 0);
    EXPECT_TRUE(r.errors.empty());
    ASSERT_EQ(r.parser->ResultList.size(), 2u);
    ASSERT_NE(Item(r, 0)->TerminatorToken, nullptr);
    EXPECT_EQ(Item(r, 0)->TerminatorToken->Text, ";");
    ASSERT_NE(Item(r, 1)->TerminatorToken, nullptr);
}

TEST(MssqlDriver, ASecondSemicolonIsAnError) {
    MsRun r("select 1;;\nselect 2");
    r.Parse();
    ASSERT_EQ(r.errors.size(), 1u);
    EXPECT_EQ(r.errors[0].token, ";");
    EXPECT_EQ(r.parser->ResultList.size(), 3u);   // select 1, the error line, select 2
}

TEST(MssqlDriver, RoutineStartEndsTheStatementBefore) {
    for (const char* routine : {"create procedure p as select 2", "CREATE PROC p AS select 2",
                                "alter function f() returns int as begin return 1 end"}) {
        MsRun r(std::string("select a from t ") + routine);
        EXPECT_EQ(r.Parse(), 0) << routine;
        EXPECT_TRUE(r.errors.empty()) << routine << " " << (r.errors.empty() ? "" : r.errors[0].message);
        EXPECT_EQ(r.parser->ResultList.size(), 2u) << routine;
    }
    MsRun first("create procedure p as select 2");
    EXPECT_EQ(first.Parse(), 0);
    EXPECT_EQ(first.parser->ResultList.size(), 1u);
}

TEST(MssqlDriver, NothingButCommentsIsAFailedRun) {
    MsRun r("-- nothing\n/* here */  \n");
    EXPECT_EQ(r.Parse(), 1);
    ASSERT_EQ(r.errors.size(), 2u);
    EXPECT_EQ(r.errors[0].message, "lcRetires = -1");
    EXPECT_EQ(r.errors[0].token, "error 1003");
    EXPECT_EQ(r.errors[0].line, -1);
    EXPECT_EQ(r.errors[1].message, "abort !!! ");
    EXPECT_EQ(r.errors[1].token, "error 1001");
}

TEST(MssqlDriver, OneReportPerRunOfBadTokens) {
    MsRun r("select a from t ) ) ) ) x\nselect b from u");
    r.Parse();
    ASSERT_EQ(r.errors.size(), 1u);
    EXPECT_EQ(r.errors[0].token, ")");
    EXPECT_EQ(r.parser->ResultList.size(), 3u);
}

TEST(MssqlDriver, ABrokenTableBetweenTwoGoodOnesIsOneErrorLine) {
    MsRun r("create table a (x int)\ncreate table b (y int,, z int)\ncreate table c (w int)\n");
    r.Parse();
    ASSERT_EQ(r.errors.size(), 1u);
    EXPECT_EQ(r.errors[0].token, ",");
    ASSERT_EQ(r.parser->ResultList.size(), 3u);
    EXPECT_EQ(Item(r, 0)->InnerNode->NodeKind, 21);
    EXPECT_EQ(Item(r, 1)->InnerNode->NodeKind, mnkErrorStmt);
    EXPECT_EQ(Item(r, 2)->InnerNode->NodeKind, 21);
    // The error statement holds its line.
    auto* dummy = static_cast<_TMssqlDummyStmt*>(Item(r, 1)->InnerNode);
    EXPECT_EQ(r.ListText(dummy->StmtTokens.get()), "\n|create| |table| |b| |(|y| |int|,|,| |z| |int|)|\n|");
}

TEST(MssqlDriver, ExpectedTokenTexts) {
    MsRun r("select a from t where");
    r.Parse();
    ASSERT_EQ(r.errors.size(), 1u);
    const std::string& e = r.errors[0].message;
    EXPECT_EQ(e.back(), ' ');
    EXPECT_EQ(e.find("..."), std::string::npos);
    int names = 0;
    for (char c : e) names += c == ' ';
    EXPECT_LE(names, 20);
    EXPECT_NE(e.find("IDENTIFIER "), std::string::npos);
    EXPECT_EQ(r.errors[0].line, -1);   // at the end of the input
    EXPECT_EQ(r.errors[0].column, -1);

    // A state that reduces on ";" names it first (the handler sees the
    // state before the statement is closed as at a ";").
    MsRun s("select a from t where a = 1 1");
    std::string seen;
    s.parser->SetOnParserTokenError([&](void*, TSourceToken*&, int, const std::string& expected,
                                        TActionOnParseError&, int&, bool&) { seen = expected; });
    s.Parse();
    EXPECT_EQ(seen.rfind("; ", 0), 0u) << seen;
    // Shifts come before reductions; at most 20 names, ";" counted.
    EXPECT_EQ(seen, "; * + - / < = > IN IS LIKE ( ) , CLOSE AND AS ASC CREATE DELETE ");

    EXPECT_EQ(r.parser->ExpectedTokens(-1, 0), "Unknown");
    std::string name;
    EXPECT_TRUE(TRkMssqlSqlDriver::TokenName('<', name));
    EXPECT_EQ(name, "<");
    EXPECT_FALSE(TRkMssqlSqlDriver::TokenName(';', name));
    EXPECT_FALSE(TRkMssqlSqlDriver::KeywordName(RW_RAISERROR, name));
    EXPECT_TRUE(TRkMssqlSqlDriver::KeywordName(RW_PARTITION, name));
    EXPECT_EQ(name, "PARTITION");
}

TEST(MssqlDriver, BalanceNotesAtTheEnd) {
    // A CASE without END inside a balanced block.
    MsRun r("begin\nselect 1\nend\nselect case when a = 1 then 2");
    r.Parse();
    ASSERT_FALSE(r.errors.empty());
    const TSourceToken* kase = FindToken(r, "case");
    EXPECT_EQ(r.errors[0].token, "end of input\r\nCorresponding end keyword not found of: " + Where(kase) + "\r\n");

    // BEGIN TRAN opens no block; BEGIN with a comment before TRAN does.
    MsRun t("begin tran\nbegin /*c*/ tran\nbegin\nselect 1");
    t.Parse();
    ASSERT_FALSE(t.errors.empty());
    const std::string want = "end of input\r\nCorresponding end keyword not found of: " + Where(FindToken(t, "begin", 2)) +
                             "\r\n\r\nCorresponding end keyword not found of: " + Where(FindToken(t, "begin", 3)) + "\r\n";
    EXPECT_EQ(t.errors[0].token, want);

    // An END with nothing open stops the scan.
    MsRun u("select 1\nend\nbegin\nselect (");
    u.Parse();
    ASSERT_FALSE(u.errors.empty());
    EXPECT_EQ(u.errors.back().token,
              "end of input\r\nCorresponding begin keyword not found of: " + Where(FindToken(u, "end")) + "\r\n");
}

TEST(MssqlDriver, SetOptionsKeepTheirRawTokens) {
    MsRun r("SET NOCOUNT ON\nSET ANSI_NULLS OFF select 1\nGO");
    EXPECT_EQ(r.Parse(), 0);
    EXPECT_TRUE(r.errors.empty());
    ASSERT_EQ(r.parser->ResultList.size(), 4u);
    TRk_Node* set1 = Item(r, 0)->InnerNode;
    ASSERT_EQ(set1->NodeKind, mnkSet);
    EXPECT_EQ(r.ListText(set1->TokenList.get()), "SET|NOCOUNT| |ON|");   // SET starts the next line
    TRk_Node* set2 = Item(r, 1)->InnerNode;
    EXPECT_EQ(r.ListText(set2->TokenList.get()), "SET|ANSI_NULLS| |OFF|");
    EXPECT_EQ(Item(r, 2)->InnerNode->NodeKind, 170);
}

TEST(MssqlDriver, SetAsTheLastThingInTheFile) {
    MsRun r("select 1\nSET NOCOUNT ON\n-- done\n");
    EXPECT_EQ(r.Parse(), 0);
    ASSERT_EQ(r.parser->ResultList.size(), 2u);
    EXPECT_EQ(r.ListText(Item(r, 1)->InnerNode->TokenList.get()), "SET|NOCOUNT| |ON|\n|");
}

TEST(MssqlDriver, DropOverSeveralLines) {
    MsRun r("drop table\n  t1,\n  t2\nselect 1");
    EXPECT_EQ(r.Parse(), 0);
    EXPECT_TRUE(r.errors.empty());
    ASSERT_EQ(r.parser->ResultList.size(), 2u);
    auto* d = static_cast<_TMssqlDummyStmt*>(Item(r, 0)->InnerNode);
    ASSERT_EQ(d->NodeKind, mnkDrop);
    EXPECT_EQ(r.ListText(d->StmtTokens.get()), "drop| |table|  |t1|,|  |t2|\n|");
}

TEST(MssqlDriver, DropAsTheLastThingInTheFile) {
    MsRun r("drop table t");
    EXPECT_EQ(r.Parse(), 0);
    ASSERT_EQ(r.parser->ResultList.size(), 1u);
    EXPECT_EQ(Item(r, 0)->EndPos, 4);
}

// A skipped statement ends before END, ELSE and ";" and before another
// statement on its line, so the block and the IF around it stay whole.
TEST(MssqlDriver, SkippedStatementsKeepEndAndElse) {
    MsRun r("if exists (select 1) begin drop table t end\ncreate table u (a int)");
    EXPECT_EQ(r.Parse(), 0);
    EXPECT_TRUE(r.errors.empty()) << r.errors[0].message;
    ASSERT_EQ(r.parser->ResultList.size(), 2u);
    EXPECT_EQ(Item(r, 1)->InnerNode->NodeKind, 21);

    MsRun e("if @e <> 0\n  raiserror('x', 16, 1)\nelse\n  print 'y'\n");
    EXPECT_EQ(e.Parse(), 0);
    EXPECT_TRUE(e.errors.empty());
    ASSERT_EQ(e.parser->ResultList.size(), 1u);
    auto* ifs = static_cast<_TMssqlIfElse*>(Item(e, 0)->InnerNode);
    ASSERT_EQ(ifs->NodeKind, mnkIfElse);
    EXPECT_NE(ifs->ElseStmt, nullptr);

    MsRun d("drop table t; create table t (a int)");
    EXPECT_EQ(d.Parse(), 0);
    EXPECT_TRUE(d.errors.empty());
    ASSERT_EQ(d.parser->ResultList.size(), 2u);
    EXPECT_EQ(Item(d, 0)->TerminatorToken->Text, ";");

    MsRun x("drop table if exists t\nrevoke select on t from u\nselect 1");
    EXPECT_EQ(x.Parse(), 0);
    ASSERT_EQ(x.parser->ResultList.size(), 3u);
    EXPECT_EQ(x.ListText(static_cast<_TMssqlDummyStmt*>(Item(x, 1)->InnerNode)->StmtTokens.get()),
              "revoke| |select| |on| |t| |from| |u|\n|");
}

TEST(MssqlDriver, ColonNamesReachTheGrammarAsIdentifiers) {
    MsRun r("select :a");
    EXPECT_EQ(r.Parse(), 0);
    EXPECT_EQ(FindToken(r, ":a")->TokenCode, IDENT);
}

TEST(MssqlDriver, TheEndTokenIsAppendedOnce) {
    MsRun r("select 1");
    const int before = r.tokens->Count();
    r.Parse();
    ASSERT_EQ(r.tokens->Count(), before + 1);
    const TSourceToken* end = r.tokens->TokenAt(before);
    EXPECT_EQ(end->Text, "");
    EXPECT_EQ(end->Line, -1);
    EXPECT_EQ(end->Column, -1);
    r.Parse();
    EXPECT_EQ(r.tokens->Count(), before + 1);
}

TEST(MssqlDriver, DeepNestingIsAStackOverflowPair) {
    std::string deep = "select 1\nselect ";
    for (int i = 0; i < 300; ++i) deep += "(";
    deep += "1";
    for (int i = 0; i < 300; ++i) deep += ")";
    MsRun r(deep);
    r.parser->MaxStackDepth = 200;
    EXPECT_EQ(r.Parse(), 1);
    ASSERT_EQ(r.errors.size(), 2u);
    EXPECT_EQ(r.errors[0].message, "yyparse stack overflow");
    EXPECT_EQ(r.errors[0].token, "error 1010");
    EXPECT_EQ(r.errors[1].message, "abort !!! ");
    EXPECT_EQ(r.parser->ResultList.size(), 1u);   // the statement before is still listed
}

TEST(MssqlDriver, HandlerThatContinuesIsCalledOncePerShift) {
    MsRun r("select a from t ) ) )\nselect b from u");
    int calls = 0;
    r.parser->SetOnParserTokenError([&](void*, TSourceToken*&, int, const std::string& expected,
                                        TActionOnParseError& action, int&, bool&) {
        ++calls;
        EXPECT_FALSE(expected.empty());
        action = aopContinue;
    });
    r.Parse();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(r.errors.size(), 1u);
}

TEST(MssqlDriver, HandlerThatThrowsCountsAsAbort) {
    MsRun r("select a from t )\nselect b from u");
    r.parser->SetOnParserTokenError(
        [&](void*, TSourceToken*&, int, const std::string&, TActionOnParseError&, int&, bool&) { throw 1; });
    r.Parse();
    EXPECT_EQ(r.errors.size(), 1u);
    EXPECT_EQ(r.parser->ResultList.size(), 3u);
}

TEST(MssqlDriver, WithAtStatementStartIsAnErrorStatement) {
    MsRun r("with x as (select 1 a) select a from x\nselect 2");
    r.Parse();
    ASSERT_EQ(r.errors.size(), 1u);
    EXPECT_EQ(r.errors[0].token, "with");
    ASSERT_EQ(r.parser->ResultList.size(), 2u);
    EXPECT_EQ(Item(r, 0)->InnerNode->NodeKind, mnkErrorStmt);
}

TEST(MssqlDriver, StatementStartTable) {
    for (int c : {RW_SELECT, RW_INSERT, RW_END, RW_REVOKE, RW_GO, RW_SET, LABEL}) EXPECT_TRUE(TRkMssqlSqlDriver::IsMssqlStatementStart(c));
    for (int c : {int(RW_ELSE), int(RW_FROM), int(IDENT), int(';'), int(RW_WITH)}) EXPECT_FALSE(TRkMssqlSqlDriver::IsMssqlStatementStart(c));
}

}  // namespace

namespace {

// An action that refuses its input costs that statement only.
TEST(MssqlDriver, AnActionErrorLosesOnlyItsStatement) {
    MsRun r("select 1\n(select a from t order by a) order by a\nselect 2\n");
    EXPECT_EQ(r.Parse(), 0);
    ASSERT_EQ(r.errors.size(), 1u);
    EXPECT_EQ(r.errors[0].message, "Multiple ORDER BY clauses not allowed");
    ASSERT_EQ(r.parser->ResultList.size(), 3u);
    EXPECT_EQ(Item(r, 0)->InnerNode->NodeKind, 170);
    EXPECT_EQ(Item(r, 1)->InnerNode->NodeKind, mnkErrorStmt);
    EXPECT_EQ(Item(r, 2)->InnerNode->NodeKind, 170);
}

}  // namespace

namespace {

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

}  // namespace

namespace {

// A long commented-out block: inside a skipped statement it is passed
// over once (the statement keeps the comments, not the line breaks), after
// one it stays outside; the next batch parses either way.
TEST(MssqlDriver, LongCommentBlocksAndSkippedStatements) {
    std::string block;
    for (int i = 0; i < 20000; ++i) block += "-- insert into t values (" + std::to_string(i) + ")\n";
    MsRun inside("drop table t\n" + block + ", u\nGO\ncreate table t (a int)\n");
    EXPECT_EQ(inside.Parse(), 0);
    EXPECT_TRUE(inside.errors.empty());
    ASSERT_EQ(inside.parser->ResultList.size(), 3u);
    EXPECT_EQ(static_cast<_TMssqlDummyStmt*>(Item(inside, 0)->InnerNode)->StmtTokens->Count(), 5 + 20000 + 4);

    std::string text = "drop table t\n" + block;
    text += "GO\ncreate table t (a int)\n";
    MsRun r(text);
    EXPECT_EQ(r.Parse(), 0);
    EXPECT_TRUE(r.errors.empty());
    ASSERT_EQ(r.parser->ResultList.size(), 3u);
    auto* d = static_cast<_TMssqlDummyStmt*>(Item(r, 0)->InnerNode);
    EXPECT_EQ(r.ListText(d->StmtTokens.get()), "drop| |table| |t|\n|");
    EXPECT_EQ(Item(r, 2)->InnerNode->NodeKind, 21);
}

}  // namespace

namespace {

// A comment left open takes the rest of the script: kept in its token, and
// reported once, never dropped without a word.
TEST(MssqlDriver, ACommentLeftOpenIsReported) {
    MsRun r("create table a (x int)\n/* see c:/*.sql */\ncreate table b (y int)\n");
    EXPECT_EQ(r.Parse(), 0);
    ASSERT_EQ(r.errors.size(), 1u);
    EXPECT_EQ(r.errors[0].token, "end of input");
    ASSERT_EQ(r.parser->ResultList.size(), 1u);
    const TSourceToken* rest = r.tokens->TokenAt(r.tokens->Count() - 2);
    EXPECT_EQ(rest->Text, "/* see c:/*.sql */\ncreate table b (y int)\n");

    MsRun s("select 'abc\n");
    s.Parse();
    EXPECT_EQ(s.errors.size(), 1u);

    MsRun ok("select 1 /* closed */\n");
    EXPECT_EQ(ok.Parse(), 0);
    EXPECT_TRUE(ok.errors.empty());
}

}  // namespace

namespace {

// A handler may drop the offending token and have it read again: the parse
// goes on as if the token had never been there.
TEST(MssqlDriver, HandlerDropsTheTokenAndRetries) {
    MsRun r("select a from t where ) x = 1\nselect 2");
    int calls = 0;
    r.parser->SetOnParserTokenError([&](void*, TSourceToken*& token, int vendor, const std::string&,
                                        TActionOnParseError& action, int& rollbackTokens, bool&) {
        ++calls;
        EXPECT_EQ(vendor, 0);
        ASSERT_NE(token, nullptr);
        EXPECT_EQ(token->Text, ")");
        token->TokenStatus = 1;
        rollbackTokens = 1;
        action = aopContinue;
    });
    EXPECT_EQ(r.Parse(), 0);
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(r.errors.empty());
    EXPECT_EQ(r.parser->ResultList.size(), 2u);
}

}  // namespace
