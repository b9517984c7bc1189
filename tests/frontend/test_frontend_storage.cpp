// Where a script's parse keeps its data: tokens in the owning list's block
// store, one parser per grammar lent to every statement of the script, parser
// stacks lent from one parse to the next.  Every statement
// keeps its own tree while later statements are parsed, and a parse that
// starts inside another one does not disturb it.
#include "frontend_fixture.h"
#include "statementstructure/ddlstatement.h"

namespace {

// create table tK (c0 int, ..., cK int) for K = 0..N-1: every statement has
// its own column count, so a tree that ended up in the wrong statement, or
// stacks shared while in use, shows in the counts.
std::string Tables(int N) {
    std::string S;
    for (int t = 0; t < N; ++t) {
        S += "create table t" + std::to_string(t) + " (";
        for (int c = 0; c <= t; ++c) S += (c ? ", c" : "c") + std::to_string(c) + " number(" + std::to_string(c + 1) + ")";
        S += ");\n";
    }
    return S;
}

void ExpectTables(TMarlSqlParser& P, int N) {
    ASSERT_EQ(P.Statements().Count(), N);
    for (int t = 0; t < N; ++t) {
        auto* C = dynamic_cast<TCreateTableSqlStatement*>(P.Statements().GetStatement(t));
        ASSERT_NE(C, nullptr) << t;
        ASSERT_TRUE(C->Parsed) << t;
        ASSERT_NE(C->TargetTable, nullptr) << t;
        EXPECT_EQ(C->TargetTable->GetTableNameText(), "t" + std::to_string(t));
        ASSERT_EQ(C->TargetTable->Columns->Count(), t + 1) << t;
        EXPECT_EQ(C->TargetTable->Columns->GetField(t)->GetFieldNameText(), "c" + std::to_string(t));
        ASSERT_NE(C->GetRootNode(), nullptr);
        EXPECT_NE(C->GetText().find("c" + std::to_string(t) + " number(" + std::to_string(t + 1) + ")"),
                  std::string::npos)
            << C->GetText();
    }
}

}  // namespace

TEST(FrontEndStorage, EveryStatementKeepsItsTreeWhileLaterOnesParse) {
    REQUIRE_GRAMMAR();
    TMarlSqlParser P(1);
    P.SetSqlTextString(Tables(40));
    ASSERT_EQ(P.Parse(), 0);
    ExpectTables(P, 40);
    // Each token is in the owning list once, at its own place.
    for (int i = 0; i < P.Tokens().Count(); ++i) {
        ASSERT_EQ(P.Tokens().GetToken(i)->PosInList, i);
        ASSERT_EQ(P.Tokens().GetToken(i)->GetOwnerList(), &P.Tokens());
    }
    // A second parse frees the first one's tokens and trees and builds the
    // same again.
    P.SetSqlTextString(Tables(25));
    ASSERT_EQ(P.Parse(), 0);
    ExpectTables(P, 25);
}

TEST(FrontEndStorage, StatementsShareTheScriptsParsersAndParseAgainOnTheirOwn) {
    REQUIRE_GRAMMAR();
    TMarlSqlParser P(1);
    const std::string Block = "begin\n  insert into t0 (c0) values (1);\nend;\n/\n";
    P.SetSqlTextString(Tables(6) + Block + Tables(3));
    ASSERT_EQ(P.Parse(), 0);
    ASSERT_EQ(P.Statements().Count(), 11);
    // No statement made a parser of its own.
    for (TCustomSqlStatement* S : P.Statements()) EXPECT_EQ(S->Parser, nullptr);
    TCustomSqlStatement* Unit = P.Statements().GetStatement(6);
    ASSERT_NE(Unit->GetRootNode(), nullptr);
    ASSERT_EQ(Unit->SubStatements.size(), 1u);
    // What each statement's tree prints, and where the trees are.
    std::vector<std::string> Texts;
    std::vector<TRk_Node*> Roots;
    for (TCustomSqlStatement* S : P.Statements()) {
        Texts.push_back(S->GetText());
        Roots.push_back(S->GetRootNode());
    }
    // Parsed again, a statement builds a whole tree with a parser of its
    // own; the trees of the others stay as they were.  (An optimised build
    // may place the new tree where the freed one was: addresses say nothing.)
    for (int Round = 0; Round < 2; ++Round) {
        for (int s : {2, 6}) {
            TCustomSqlStatement* S = P.Statements().GetStatement(s);
            ASSERT_EQ(S->Parse(), 0) << S->ErrorMessages();
            TRkCustomParser* Own = S->Parser ? S->Parser.get() : S->PlsqlParser.get();
            ASSERT_NE(Own, nullptr) << s;
            EXPECT_NE(Own, P.Parser()) << s;
            ASSERT_NE(S->GetRootNode(), nullptr) << s;
            EXPECT_EQ(S->GetText(), Texts[s]) << s;
        }
        EXPECT_EQ(Unit->SubStatements.size(), 1u);
        auto* C = dynamic_cast<TCreateTableSqlStatement*>(P.Statements().GetStatement(2));
        ASSERT_NE(C, nullptr);
        EXPECT_EQ(C->TargetTable->Columns->Count(), 3);
        EXPECT_NE(C->GetText().find("c2 number(3)"), std::string::npos) << C->GetText();
        for (int s : {0, 1, 3, 4, 5, 7, 8, 9, 10}) {
            TCustomSqlStatement* S = P.Statements().GetStatement(s);
            EXPECT_EQ(S->Parser, nullptr) << s;
            EXPECT_EQ(S->GetRootNode(), Roots[s]) << s;
            EXPECT_EQ(S->GetText(), Texts[s]) << s;
        }
        // Statement 7 is the block's "/".
        for (int s : {0, 1, 3, 4, 5, 8, 9, 10}) {
            auto* T = dynamic_cast<TCreateTableSqlStatement*>(P.Statements().GetStatement(s));
            ASSERT_NE(T, nullptr) << s;
            const int Columns = s < 6 ? s + 1 : s - 7;
            EXPECT_EQ(T->TargetTable->Columns->Count(), Columns);
            EXPECT_NE(T->GetText().find("c" + std::to_string(Columns - 1) + " number(" +
                                        std::to_string(Columns) + ")"),
                      std::string::npos);
        }
    }
    // A statement made alone parses with its own parser, front end or not.
    auto Alone = NewCreateTableSqlStatement(1);
    Alone->SetSqlText("create table lone (a number(2))");
    ASSERT_EQ(Alone->Parse(), 0);
    EXPECT_NE(Alone->Parser, nullptr);
}

TEST(FrontEndStorage, AStatementAHostMakesDuringAParseOutlivesTheScript) {
    REQUIRE_GRAMMAR();
    std::unique_ptr<TCustomSqlStatement> Kept;
    {
        TMarlSqlParser P(1);
        // Between two parses of the script: the script's parser is free.
        P.OnStatementTable = [&](TRk_Node*, TCustomSqlStatement*, TRkTable*) {
            if (Kept) return;
            Kept = NewCreateTableSqlStatement(1);
            Kept->SetSqlText("create table kept (k0 number(1), k1 number(2))");
            EXPECT_EQ(Kept->Parse(), 0);
        };
        P.SetSqlTextString("select c0 from t0;\n" + Tables(4));
        ASSERT_EQ(P.Parse(), 0);
        ASSERT_EQ(P.Statements().Count(), 5);
    }
    ASSERT_NE(Kept, nullptr);
    auto* C = dynamic_cast<TCreateTableSqlStatement*>(Kept.get());
    ASSERT_NE(C, nullptr);
    ASSERT_NE(C->TargetTable, nullptr);
    EXPECT_EQ(C->TargetTable->Columns->Count(), 2);
    EXPECT_NE(C->GetText().find("k1 number(2)"), std::string::npos) << C->GetText();
}

TEST(FrontEndStorage, StatementsAHostKeepsFromParsesOutliveParsesAgainAndTheScript) {
    REQUIRE_GRAMMAR();
    std::vector<std::unique_ptr<TCustomSqlStatement>> Kept;
    {
        TMarlSqlParser P(1);
        // One statement kept from each parse of the script.
        std::size_t Round = 0;
        P.OnParserToken = [&](void*, TSourceToken*& Token, int) {
            if (!Token || Token->GetText() != "c0" || Kept.size() > Round) return;
            Kept.push_back(NewCreateTableSqlStatement(1));
            Kept.back()->SetSqlText("create table kept" + std::to_string(Round) + " (k number(1))");
            EXPECT_EQ(Kept.back()->Parse(), 0);
        };
        for (; Round < 3; ++Round) {
            P.SetSqlTextString(Tables(5 + static_cast<int>(Round)));
            ASSERT_EQ(P.Parse(), 0);
            ExpectTables(P, 5 + static_cast<int>(Round));
        }
    }
    ASSERT_EQ(Kept.size(), 3u);
    // Parsed again once the script is gone, each builds new parts.
    for (std::size_t i : {1u, 0u, 2u}) {
        auto* C = dynamic_cast<TCreateTableSqlStatement*>(Kept[i].get());
        ASSERT_NE(C, nullptr);
        EXPECT_EQ(C->TargetTable->GetTableNameText(), "kept" + std::to_string(i));
        ASSERT_EQ(C->Parse(), 0);
        EXPECT_EQ(C->TargetTable->Columns->Count(), 1);
        Kept[i].reset();
    }
}

TEST(FrontEndStorage, AParseInsideAParseDoesNotDisturbIt) {
    REQUIRE_GRAMMAR();
    TMarlSqlParser Outer(1);
    int Nested = 0;
    // Midway through a statement's parse, a host handler parses a script of
    // its own with the same grammar.
    Outer.OnParserToken = [&](void*, TSourceToken*& Token, int) {
        if (!Token || Token->GetText() != "c3") return;
        ++Nested;
        TMarlSqlParser Inner(1);
        Inner.SetSqlTextString(Tables(6));
        EXPECT_EQ(Inner.Parse(), 0);
        ExpectTables(Inner, 6);
    };
    Outer.SetSqlTextString(Tables(8));
    ASSERT_EQ(Outer.Parse(), 0);
    EXPECT_EQ(Nested, 5);  // tables t3..t7 have a column c3
    ExpectTables(Outer, 8);
}

TEST(FrontEndStorage, AStackOverflowLeavesTheNextParsesWhole) {
    REQUIRE_GRAMMAR();
    TMarlSqlParser P(1);
    std::string Deep = "select " + std::string(20000, '(') + "1" + std::string(20000, ')') + " from dual;\n";
    P.SetSqlTextString(Tables(3) + Deep + Tables(5));
    EXPECT_GE(P.Parse(), 1);
    EXPECT_NE(P.GetErrorMessages().find("yyparse stack overflow"), std::string::npos);
    ASSERT_EQ(P.Statements().Count(), 9);
    for (int s : {0, 1, 2, 4, 5, 6, 7, 8}) EXPECT_TRUE(P.Statements().GetStatement(s)->Parsed) << s;
    auto* Last = dynamic_cast<TCreateTableSqlStatement*>(P.Statements().GetStatement(8));
    ASSERT_NE(Last, nullptr);
    EXPECT_EQ(Last->TargetTable->Columns->Count(), 5);
}

TEST(FrontEndStorage, TokensOfAStatementText) {
    REQUIRE_SCANNER();
    // A statement made from text tokenizes into its own owning list.
    TSourceTokenList L(true);
    TokenizeString(1, "select a, b -- note\nfrom t", L);
    ASSERT_GE(L.Count(), 10);
    for (int i = 0; i < L.Count(); ++i) {
        EXPECT_EQ(L.GetToken(i)->PosInList, i);
        EXPECT_EQ(L.GetToken(i)->GetOwnerList(), &L);
    }
    EXPECT_EQ(L.GetToken(0)->GetText(), "select");
    EXPECT_EQ(L.GetToken(L.Count() - 2)->GetText(), "t");  // then the line break the text gets
    EXPECT_EQ(L.GetToken(L.Count() - 1)->TokenType, ttLineBreak);
}

TEST(FrontEndStorage, StatementsReadTheirTokensInTheScriptsList) {
    // Every dialect's statements, SQL*Plus lines and PL/SQL units included:
    // a parse, or a second one, adds no token to a statement's list, and
    // the texts are those of the script.
    const struct {
        std::uint8_t Vendor;
        const char* Sql;
    } Scripts[] = {
        {1, "create table a (x int); -- a\nbegin\n  null;\nend;\n/\nset echo off\nselect x from a where"},
        {0, "create table a (x int)\nselect x from a where"},
        {2, "create table a (x int);\nselect x from a where"},
        {3, "create table a (x int);\nselect x from a where"},
        {4, "create table a (x int);\nselect x from a where"},
    };
    for (const auto& S : Scripts) {
        if (!fetest::GrammarAvailable(S.Vendor)) continue;
        TMarlSqlParser P(S.Vendor);
        P.SetSqlTextString(S.Sql);
        EXPECT_EQ(P.Parse(), 1) << S.Sql;
        // The error at the end of the input is reported as always.
        EXPECT_NE(P.GetErrorMessages().find("end of input(-1,-1)"), std::string::npos) << P.GetErrorMessages();
        std::string Joined;
        for (TCustomSqlStatement* St : P.Statements()) {
            EXPECT_TRUE(St->SourceTokens->IsRange()) << St->GetRawSqlText();
            const int Count = St->SourceTokens->Count();
            const std::string Text = St->GetRawSqlText();
            St->Parse();
            EXPECT_EQ(St->SourceTokens->Count(), Count) << Text;
            EXPECT_EQ(St->GetRawSqlText(), Text);
            Joined += Text;
        }
        std::string Crlf;   // line breaks read as CR LF, and one ends the text
        for (const char* c = S.Sql; *c; ++c) Crlf += *c == '\n' ? std::string("\r\n") : std::string(1, *c);
        EXPECT_EQ(Joined, Crlf + "\r\n");
    }
}

// Holders of a word (WAIT/NOWAIT, a constraint or view-check name) read it
// from the token it came from, so the parse's arena drops them without a
// destructor, and the statements still see the names.
TEST(FrontEndStorage, NamedPartsReadTheirTokensAndGoWithTheArena) {
    REQUIRE_GRAMMAR();
    TMarlSqlParser P(1);
    P.SetSqlTextString(
        "create table t (a int constraint nn not null, constraint pk primary key (a));\n"
        "select a from t for update nowait;\n"
        "select a from t for update wait 5;\n"
        "create view v as select a from t with check option constraint ck;\n");
    ASSERT_EQ(P.Parse(), 0) << P.GetErrorMessages();
    ASSERT_EQ(P.Statements().Count(), 4);
    auto* C = dynamic_cast<TCreateTableSqlStatement*>(P.Statements().GetStatement(0));
    ASSERT_NE(C, nullptr);
    ASSERT_EQ(C->TargetTable->Constraints->Count(), 1);
    EXPECT_EQ(C->TargetTable->Constraints->GetConstraint(0)->GetName(), "pk");
    ASSERT_EQ(C->TargetTable->Columns->GetField(0)->Constraints->Count(), 1);
    EXPECT_EQ(C->TargetTable->Columns->GetField(0)->Constraints->GetConstraint(0)->GetName(), "nn");
    for (int i : {1, 2}) {
        auto* S = dynamic_cast<TSelectSqlStatement*>(P.Statements().GetStatement(i));
        ASSERT_NE(S, nullptr);
        ASSERT_NE(S->ForUpdate, nullptr);
        EXPECT_EQ(S->ForUpdate->WaitOption, i) << S->GetText();
    }
    auto* V = dynamic_cast<TCreateViewSqlStatement*>(P.Statements().GetStatement(3));
    ASSERT_NE(V, nullptr);
    EXPECT_EQ(V->WithOption, 2);
    EXPECT_EQ(V->ConstraintName, "ck");

    int Holders = 0;
    for (const auto& N : P.Parser()->NodePool) {
        const std::string Class = N->ClassName();
        if (Class != "TRk_DummyNode" && Class != "TRkConstraint" && Class != "TRk_CreateViewSqlStatement") continue;
        ++Holders;
        EXPECT_TRUE(N->InArena()) << Class;
        EXPECT_FALSE(N->NeedsDestroy()) << Class;
    }
    EXPECT_GE(Holders, 6);
}
