// Tokenizing and statement splitting: SQL*Plus command lines, PL/SQL blocks,
// leading keywords, words that start nothing, and the events on the way.
#include "frontend_fixture.h"

#include <set>

namespace {

struct Split {
    std::uint8_t Type;
    std::string Raw;
};

std::vector<Split> SplitOf(TMarlSqlParser& P) {
    std::vector<Split> R;
    for (TCustomSqlStatement* S : P.Statements()) R.push_back({S->StatementType, S->GetRawSqlText()});
    return R;
}

// Splits Text without parsing the statements.
int DoSplit(TMarlSqlParser& P, const std::string& Text) {
    P.SetSqlTextString(Text);
    return P.DoParse();
}

}  // namespace

TEST(Splitting, SqlplusScriptSplitsIntoItsStatements) {
    REQUIRE_SCANNER();
    TMarlSqlParser P(1);
    int R = DoSplit(P,
                    "REM it's a header\n"
                    "set echo off\n"
                    "select * from dual; -- c\n"
                    "desc emp\n"
                    "create table t (a int)\n"
                    "/\n"
                    "begin\n"
                    "  x := 0;\n"
                    "  del := 1;\n"
                    "end;\n"
                    "/\n"
                    "prompt done -\n"
                    "continued\n");
    EXPECT_EQ(R, 0);
    EXPECT_EQ(P.ErrorCount(), 0);
    std::vector<Split> S = SplitOf(P);
    ASSERT_EQ(S.size(), 9u);
    const Split Expected[] = {
        {sstSqlplusCmd, "REM it's a header\r\n"},
        {sstSqlplusCmd, "set echo off\r\n"},
        {sstSelect, "select * from dual; -- c\r\n"},
        {sstSqlplusCmd, "desc emp\r\n"},
        {sstCreateTable, "create table t (a int)\r\n"},
        {sstSqlplusCmd, "/\r\n"},
        {sstplsql_block, "begin\r\n  x := 0;\r\n  del := 1;\r\nend;\r\n"},
        {sstSqlplusCmd, "/\r\n"},
        {sstSqlplusCmd, "prompt done -\r\ncontinued\r\n"},
    };
    for (std::size_t i = 0; i < S.size(); ++i) {
        EXPECT_EQ(S[i].Type, Expected[i].Type) << i;
        EXPECT_EQ(S[i].Raw, Expected[i].Raw) << i;
    }
    TRkStatementList& L = P.Statements();
    EXPECT_STREQ(L.GetStatement(0)->ClassName(), "TSqlplusCmdStatement");
    ASSERT_NE(L.GetStatement(2)->TerminatorToken, nullptr);
    EXPECT_EQ(L.GetStatement(2)->TerminatorToken->GetText(), ";");
    EXPECT_EQ(L.GetStatement(2)->GetTrimmedSqlText(), "select * from dual");
    EXPECT_EQ(L.GetStatement(4)->TerminatorToken, nullptr);
    // The line break that ends the command line stays.
    EXPECT_EQ(L.GetStatement(5)->GetTrimmedSqlText(), "/\r\n");
    EXPECT_EQ(L.GetStatement(3)->GetTrimmedSqlText(), "desc emp\r\n");

    // "del" opened a command line after the ";" line; inside the block it
    // is a name again.
    TCustomSqlStatement* Block = L.GetStatement(6);
    for (TSourceToken* T : Block->SourceTokens->Items()) {
        EXPECT_NE(T->TokenCode, tcSqlplusCmd) << T->GetText();
        if (T->GetText() == "del") {
            EXPECT_EQ(T->TokenCode, tcIdent);
        }
    }
    // The "/" that ends the block: consumed (status 2) and a plain name code.
    TSourceToken* Slash = L.GetStatement(7)->SourceTokens->GetToken(0);
    EXPECT_EQ(Slash->GetText(), "/");
    EXPECT_EQ(Slash->TokenStatus, 2);
    EXPECT_EQ(Slash->TokenCode, tcIdent);
    // The first "/" (after a statement without ";") is a command token.
    EXPECT_EQ(L.GetStatement(5)->SourceTokens->GetToken(0)->TokenCode, tcSqlplusCmd);
}

TEST(Splitting, IndentedSlashAfterAStatementStaysInside) {
    REQUIRE_SCANNER();
    TMarlSqlParser P(1);
    DoSplit(P, "select 1 from dual\n   /\nselect 2 from dual;\n");
    std::vector<Split> S = SplitOf(P);
    ASSERT_EQ(S.size(), 1u);
    EXPECT_EQ(S[0].Raw, "select 1 from dual\r\n   /\r\nselect 2 from dual;\r\n");
}

TEST(Splitting, LeadingKeywordsChooseTheStatement) {
    REQUIRE_SCANNER();
    struct Case {
        std::uint8_t Vendor;
        const char* Sql;
        std::uint8_t Type;
    } Cases[] = {
        {1, "CREATE GLOBAL TEMPORARY TABLE t (a int);", sstCreateTable},
        {1, "create or replace procedure p is begin null; end;\n/\n", sstplsql_createprocedure},
        {1, "create function f return int is begin return 1; end;\n/\n", sstplsql_createfunction},
        {1, "create or replace trigger tr before insert on t begin null; end;\n/\n", sstplsql_createtrigger},
        {1, "create type ty as object (a int);\n/\n", sstplsql_createtype},
        {1, "create package pk is x int; end;\n/\n", sstplsql_createpackage},
        {1, "declare x int; begin null; end;\n/\n", sstplsql_block},
        {1, "<<lbl>> begin null; end;\n/\n", sstplsql_block},
        {1, "procedure p is begin null; end;\n/\n", sstplsql_createprocedure},
        // Tables named like PL/SQL words are tables.
        {1, "create table type (a int);", sstCreateTable},
        {1, "create table trigger (a int);", sstCreateTable},
        {1, "create unique index ix on t (a);", sstCreateIndex},
        {1, "create or replace force view v as select 1 from dual;", sstCreateView},
        {1, "create sequence s;", sstUnknown},
        {1, "drop table t cascade constraints;", sstDropTable},
        {1, "drop index ix;", sstDropIndex},
        {1, "drop view v;", sstDropView},
        {1, "drop sequence s;", sstUnknown},
        {1, "alter session set x = 1;", sstAlterSession},
        {1, "alter table t add (b int);", sstAlterTable},
        {1, "alter user u identified by p;", sstUnknown},
        {1, "merge into t using s on (t.a = s.a) when matched then update set b = 1;", sstMerge},
        {1, "commit;", sstCommit},
        {1, "rollback;", sstRollback},
        {4, "grant select on t to u;", sstUnknown},
        {4, "truncate table t;", sstUnknown},
        {4, "insert into t values (1);", sstInsert},
        {4, "update t set a = 1;", sstUpdate},
        {4, "delete from t;", sstDelete},
        {4, "  SELECT 1 from dual;", sstSelect},
    };
    for (const Case& C : Cases) {
        TMarlSqlParser P(C.Vendor);
        DoSplit(P, C.Sql);
        ASSERT_GE(P.Statements().Count(), 1) << C.Sql;
        EXPECT_EQ(P.Statements().GetStatement(0)->StatementType, C.Type) << C.Sql;
        EXPECT_EQ(P.ErrorCount(), 0) << C.Sql;
    }
}

TEST(Splitting, SetStartsAStatementOnlyForMySQL) {
    REQUIRE_SCANNER();
    TMarlSqlParser P(1);
    DoSplit(P, "set x = 1;\n");
    ASSERT_EQ(P.Statements().Count(), 1);
    EXPECT_EQ(P.Statements().GetStatement(0)->StatementType, sstSqlplusCmd);
    TSourceToken* Set = P.Tokens().GetToken(0);
    EXPECT_EQ(P.NewSqlStatement(Set, 0, 4), nullptr);

    TMarlSqlParser M(2);
    DoSplit(M, "set x = 1;\ncreate table t (a int);\n");
    ASSERT_EQ(M.Statements().Count(), 2);
    EXPECT_EQ(M.Statements().GetStatement(0)->StatementType, sstSet);
    EXPECT_STREQ(M.Statements().GetStatement(0)->ClassName(), "TUnknownSqlStatement");
    EXPECT_EQ(M.Statements().GetStatement(1)->StatementType, sstCreateTable);
}

// A MySQL script with a procedure body: its statements end at ";" and the
// tables after it are still found.
TEST(Splitting, MySqlBlockWordsStartOrdinaryStatements) {
    REQUIRE_SCANNER();
    TMarlSqlParser M(2);
    DoSplit(M, "create procedure p() begin select 1; end;\ncreate table t (a int);\n");
    bool Table = false;
    for (TCustomSqlStatement* S : M.Statements()) {
        EXPECT_NE(S->StatementType, sstplsql_createprocedure);
        Table |= S->StatementType == sstCreateTable;
    }
    EXPECT_TRUE(Table);
}

// Outside Oracle scripts a block never ends with "/", so its words start
// ordinary statements ending at ";": nothing after them is swallowed.
TEST(Splitting, BlockWordsDoNotSwallowTheRestOfAGenericScript) {
    REQUIRE_SCANNER();
    TMarlSqlParser P(4);
    DoSplit(P, "begin work;\ncreate procedure p as x;\ncreate table t (a int);\ncreate table u (b int);\n");
    std::vector<Split> S = SplitOf(P);
    ASSERT_EQ(S.size(), 4u);
    EXPECT_EQ(S[0].Type, sstUnknown);
    EXPECT_EQ(S[1].Type, sstUnknown);
    EXPECT_EQ(S[2].Type, sstCreateTable);
    EXPECT_EQ(S[3].Type, sstCreateTable);
    EXPECT_EQ(S[2].Raw, "create table t (a int);\r\n");
}

TEST(Splitting, BlockEndedByAPeriodLine) {
    REQUIRE_SCANNER();
    TMarlSqlParser P(1);
    DoSplit(P, "begin\n  null;\nend;\n.\nselect 1 from dual;\n");
    std::vector<Split> S = SplitOf(P);
    ASSERT_EQ(S.size(), 3u);
    EXPECT_EQ(S[0].Type, sstplsql_block);
    EXPECT_EQ(S[1].Type, sstSqlplusCmd);
    EXPECT_EQ(S[1].Raw, ".\r\n");
    EXPECT_EQ(S[2].Type, sstSelect);
}

TEST(Splitting, AWordThatStartsNothingIsRecordedAndItsLineDropped) {
    REQUIRE_SCANNER();
    TMarlSqlParser P(4);
    std::vector<std::string> Events;
    P.OnTokenlizerTokenError = [&](TCustomMarlSqlParser* Sender, TSourceToken* T) {
        Events.push_back(std::string(T->GetText()) + "@" + std::to_string(Sender->ErrorCount()));
    };
    int R = DoSplit(P, "  foo bar;\ncreate table t (a int);\n");
    EXPECT_EQ(R, 1);
    EXPECT_EQ(Events, std::vector<std::string>{"foo@0"});
    ASSERT_EQ(P.ErrorCount(), 1);
    const TSyntaxError& E = P.SyntaxErrors().Get(1);
    EXPECT_EQ(E.Message, "Error when tokenlize");
    EXPECT_EQ(E.ErrorType, 2);
    EXPECT_EQ(E.TokenText, "foo");
    EXPECT_EQ(E.Line, 1);
    EXPECT_EQ(E.Column, 3);
    std::vector<Split> S = SplitOf(P);
    ASSERT_EQ(S.size(), 1u);
    EXPECT_EQ(S[0].Type, sstCreateTable);
    EXPECT_EQ(S[0].Raw, "create table t (a int);\r\n");
    EXPECT_EQ(P.Tokens().GetToken(1)->TokenType, ttNoStatement);
}

TEST(Splitting, ErrorRecordsStopAtOneHundred) {
    REQUIRE_SCANNER();
    std::string Text;
    for (int i = 1; i <= 150; ++i) Text += "foo" + std::to_string(i) + " x;\n";
    Text += "create table t (a int);\n";
    TMarlSqlParser P(4);
    EXPECT_EQ(DoSplit(P, Text), 100);
    EXPECT_EQ(P.ErrorCount(), 100);
    EXPECT_EQ(P.SyntaxErrors().Get(99).TokenText, "foo99");
    EXPECT_EQ(P.SyntaxErrors().Get(100).TokenText, "foo150");
    EXPECT_EQ(P.SyntaxErrors().Get(100).Line, 150);
    ASSERT_EQ(P.Statements().Count(), 1);
}

TEST(Splitting, CommentsBeforeTheFirstStatementBelongToNone) {
    REQUIRE_SCANNER();
    TMarlSqlParser P(1);
    DoSplit(P, "-- head\n/* block */\nselect 1 from dual;\n-- tail\n");
    std::vector<Split> S = SplitOf(P);
    ASSERT_EQ(S.size(), 1u);
    EXPECT_EQ(S[0].Raw, "select 1 from dual;\r\n-- tail\r\n");
}

TEST(Events, TokenizerAndStatementEventsComeInOrder) {
    REQUIRE_SCANNER();
    TMarlSqlParser P(1);
    std::vector<std::string> Log;
    int TokenEvents = 0;
    P.OnTokenlizerToken = [&](TCustomMarlSqlParser*, TSourceToken* T) {
        ++TokenEvents;
        // Fired before the token is numbered and listed.
        EXPECT_EQ(T->PosInList, -1);
    };
    P.OnTokenListEvent = [&](TCustomMarlSqlParser* Sender, TSourceTokenList* L) {
        Log.push_back("tokens " + std::to_string(L->Count()) + " events " + std::to_string(TokenEvents));
        EXPECT_EQ(L, &Sender->Tokens());
    };
    P.OnGetRawSqlStatement = [&](void* Sender, TSqlStatementType T, int Start, int End) {
        auto* Front = static_cast<TCustomMarlSqlParser*>(Sender);
        Log.push_back("raw " + std::to_string(T) + " " + std::to_string(Start) + ".." + std::to_string(End) +
                      " listed " + std::to_string(Front->Statements().Count()));
    };
    DoSplit(P, "create table t (a int);\ninsert into t values (1);\n");
    int N = P.Tokens().Count();
    int FirstInsert = -1;
    for (TSourceToken* T : P.Tokens().Items())
        if (T->GetText() == "insert") FirstInsert = T->PosInList;
    EXPECT_EQ(Log, (std::vector<std::string>{
                       "tokens " + std::to_string(N) + " events " + std::to_string(N),
                       "raw 5 0.." + std::to_string(FirstInsert - 2) + " listed 0",
                       "raw 4 " + std::to_string(FirstInsert) + ".." + std::to_string(N - 2) + " listed 1",
                   }));
    // Statements get the component's events.
    ASSERT_EQ(P.Statements().Count(), 2);
    EXPECT_EQ(P.Statements().GetStatement(0)->OwnerObject, &P);
}

TEST(Events, StatementsReceiveTheComponentsEvents) {
    REQUIRE_SCANNER();
    TMarlSqlParser P(1);
    int Fired = 0;
    P.OnStatementTable = [&](TRk_Node*, TCustomSqlStatement*, TRkTable*) { ++Fired; };
    P.OnBindVar = [&](void*, const std::string&, std::string&) { ++Fired; };
    DoSplit(P, "select 1 from dual;");
    ASSERT_EQ(P.Statements().Count(), 1);
    TCustomSqlStatement* S = P.Statements().GetStatement(0);
    ASSERT_TRUE(S->GetOnTableEvent());
    ASSERT_TRUE(S->GetOnBindVar());
    EXPECT_FALSE(S->GetOnFieldEvent());
    S->GetOnTableEvent()(nullptr, S, nullptr);
    EXPECT_EQ(Fired, 1);
}

// Statements read the component's events; one set on a statement overrides
// that event of that statement only, even when set empty; a statement made
// alone keeps what is set on it; sub-queries get the token events alone.
TEST(Events, AnEventSetOnAStatementOverridesTheComponentsForItAlone) {
    REQUIRE_SCANNER();
    for (std::uint8_t Vendor : {std::uint8_t(1), std::uint8_t(0)}) {
        SCOPED_TRACE(int(Vendor));
        TMarlSqlParser P(Vendor);
        std::set<TCustomSqlStatement*> Tables, Own;
        std::set<std::string> TableTokens;
        P.OnStatementTable = [&](TRk_Node*, TCustomSqlStatement* S, TRkTable*) { Tables.insert(S); };
        P.OnTableTokenEvent = [&](TRk_Node*, TSourceToken* T, TRk_Node*) { TableTokens.insert(std::string(T->GetText())); };
        DoSplit(P, "delete from t where a in (select b from u);\ndelete from v;\ndelete from w;\n");
        ASSERT_EQ(P.Statements().Count(), 3);
        TCustomSqlStatement* S[3] = {P.Statements().GetStatement(0), P.Statements().GetStatement(1),
                                     P.Statements().GetStatement(2)};
        S[1]->SetOnTableEvent([&](TRk_Node*, TCustomSqlStatement* X, TRkTable*) { Own.insert(X); });
        S[2]->SetOnTableEvent(nullptr);
        EXPECT_TRUE(S[2]->GetOnTableTokenEvent());
        Tables.clear();  // SQL Server statements were analyzed by the split
        for (TCustomSqlStatement* X : S) ASSERT_EQ(X->Parse(false), 0) << X->ErrorMessages();
        EXPECT_EQ(Tables, std::set<TCustomSqlStatement*>{S[0]});  // not the sub-query
        EXPECT_EQ(Own, std::set<TCustomSqlStatement*>{S[1]});
        EXPECT_EQ(TableTokens, (std::set<std::string>{"t", "u", "v", "w"}));
    }

    auto Alone = NewDeleteSqlStatement(1);
    EXPECT_FALSE(Alone->GetOnTableEvent());
    Alone->SetOnTableTokenEvent(nullptr);
    EXPECT_FALSE(Alone->GetOnTableTokenEvent());
    int Fired = 0;
    Alone->SetOnTableEvent([&](TRk_Node*, TCustomSqlStatement*, TRkTable*) { ++Fired; });
    Alone->SetSqlText("delete from t");
    ASSERT_EQ(Alone->Parse(false), 0) << Alone->ErrorMessages();
    EXPECT_GT(Fired, 0);
    EXPECT_FALSE(Alone->GetOnFieldEvent());
}

// Leading words are told by the codes each dialect's scanner gives them (by
// their text where a word is no keyword there), in any case, across line
// breaks and comments.
TEST(Splitting, LeadingWordsPickTheStatementClassInEveryDialect) {
    REQUIRE_SCANNER();
    const std::pair<const char*, std::uint8_t> Lines[] = {
        {"SELECT 1 from t;", sstSelect},
        {"Insert into t values (1);", sstInsert},
        {"upDATE t set a = 1;", sstUpdate},
        {"delete from t;", sstDelete},
        {"create\n  table x (a int);", sstCreateTable},
        {"create global temporary table y (a int);", sstCreateTable},
        {"create or replace view v as select 1 from t;", sstCreateView},
        {"create unique index i on t (a);", sstCreateIndex},
        {"drop table x;", sstDropTable},
        {"drop index i;", sstDropIndex},
        {"DROP VIEW v;", sstDropView},
        {"alter table t add b int;", sstAlterTable},
        {"commit;", sstCommit},
        {"rollback;", sstRollback},
        {"grant select on t to u;", sstUnknown},
        {"truncate table t;", sstUnknown},
        {"analyze table t;", sstUnknown},
        {"create sequence s;", sstUnknown},
    };
    for (std::uint8_t Vendor : {std::uint8_t(1), std::uint8_t(2), std::uint8_t(3), std::uint8_t(4)}) {
        SCOPED_TRACE(int(Vendor));
        std::string Script;
        for (const auto& L : Lines) Script += std::string(L.first) + "\n";
        TMarlSqlParser P(Vendor);
        DoSplit(P, Script);
        EXPECT_EQ(P.ErrorCount(), 0) << P.GetErrorMessages();
        std::vector<Split> S = SplitOf(P);
        ASSERT_EQ(S.size(), std::size(Lines));
        for (std::size_t i = 0; i < S.size(); ++i) EXPECT_EQ(S[i].Type, Lines[i].second) << Lines[i].first;
    }

    TMarlSqlParser O(1);
    DoSplit(O, "alter /* c */ Session set x = 1;\ncreate -- c\n or replace Procedure p is begin null; end;\n/\n"
               "Create Trigger tr before insert on t begin null; end;\n/\n\"select\" 1 from t;\n");
    std::vector<Split> S = SplitOf(O);
    ASSERT_EQ(S.size(), 5u);
    EXPECT_EQ(S[0].Type, sstAlterSession);
    EXPECT_EQ(S[1].Type, sstplsql_createprocedure);
    EXPECT_EQ(S[3].Type, sstplsql_createtrigger);
    ASSERT_EQ(O.ErrorCount(), 1);  // a quoted name starts nothing
    EXPECT_EQ(O.SyntaxErrors().Get(1).TokenText, "\"select\"");

    TMarlSqlParser M(2);
    DoSplit(M, "SET @a = 1;\nMerge into t using u on (a = b) when matched then update set c = 1;\n");
    S = SplitOf(M);
    ASSERT_EQ(S.size(), 2u);
    EXPECT_EQ(S[0].Type, sstSet);
    EXPECT_EQ(S[1].Type, sstMerge);
}

TEST(Substitution, OracleScriptsAskTheHostBeforeTokenizing) {
    REQUIRE_SCANNER();
    std::vector<std::string> Asked;
    auto Host = [&](TSubstitutionVarList& L) {
        for (int i = 0; i < L.Count(); ++i) {
            Asked.push_back(L.GetItem(i)->Name);
            L.GetItem(i)->SetValue("emp");
        }
    };
    TMarlSqlParser P(1);
    P.OnSubstitutionVar = Host;
    DoSplit(P, "select * from &tab;\n");
    EXPECT_EQ(Asked, std::vector<std::string>{"&tab"});
    ASSERT_EQ(P.Statements().Count(), 1);
    EXPECT_EQ(P.Statements().GetStatement(0)->GetRawSqlText(), "select * from emp;\r\n");

    Asked.clear();
    TMarlSqlParser G(4);
    G.OnSubstitutionVar = Host;
    DoSplit(G, "select * from t where a = b &c;\n");
    EXPECT_TRUE(Asked.empty());
}
