// Whole SQL Server scripts through the front end (TMarlSqlParser(0)): the
// statement objects of the batch model, their tokens, the schema objects the
// wizard reads, recovery from broken lines, and the shared corpus.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "frontend/marlsqlparser.h"
#include "mssql_model_fixture.h"
#include "mssql_parse.h"
#include "parse/mssql/mssqlsqlstatement.h"
#include "process/gettextvisitor.h"
#include "nodes/u_nodes_generic.h"
#include "statementstructure/ddlstatement.h"
#include "statementstructure/schemaobjects.h"
#include "statementstructure/sqlstatement_dml.h"
#include "statementstructure/sqlstatement_select.h"

using namespace mssqltest;
using sqltest::TokText;

namespace {

// A parsed script with short accessors.
struct Script {
    TMarlSqlParser P{0};
    int Result = 0;

    explicit Script(const std::string& Text) {
        P.SetSqlTextString(Text);
        Result = P.Parse();
    }
    int Count() { return P.Statements().Count(); }
    TCustomSqlStatement* At(int i) { return P.Statements().GetStatement(i); }
    template <class T>
    T* As(int i) {
        auto* S = dynamic_cast<T*>(At(i));
        EXPECT_NE(S, nullptr) << "statement " << i << " is " << At(i)->ClassName();
        return S;
    }
    std::vector<TSqlStatementType> Types() {
        std::vector<TSqlStatementType> R;
        for (TCustomSqlStatement* S : P.Statements()) R.push_back(S->StatementType);
        return R;
    }
};

// Every statement walks exactly the tokens it was given.
void CheckWalks(Script& s) {
    for (int i = 0; i < s.Count(); ++i) {
        SCOPED_TRACE(std::string(s.At(i)->ClassName()) + " " + std::to_string(i));
        EXPECT_EQ(Visited(s.At(i)), Given(s.At(i)));
    }
}

// Constraint types of a column as the wizard reads them.
std::string ConstraintTypes(TRkField* F) {
    std::string R;
    for (int k = 0; k < F->Constraints->Count(); ++k) R += Pic(F->Constraints->GetConstraint(k)->ConstraintType) + " ";
    return R;
}

const char* const GeneratedDdl =
    "USE [shop]\n"
    "GO\n"
    "SET QUOTED_IDENTIFIER ON\n"
    "GO\n"
    "if exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[Orders]') and "
    "OBJECTPROPERTY(id, N'IsUserTable') = 1)\n"
    "drop table [dbo].[Orders]\n"
    "GO\n"
    "/****** Object:  Table [dbo].[Customers] ******/\n"
    "CREATE TABLE [dbo].[Customers] (\n"
    "\t[CID] [int] IDENTITY (1, 1) NOT NULL ,\n"
    "\t[Name] [nvarchar] (40) COLLATE SQL_Latin1_General_CP1_CI_AS NOT NULL ,\n"
    "\t[Created] [datetime] NOT NULL CONSTRAINT [DF_Created] DEFAULT (getdate())\n"
    ") ON [PRIMARY]\n"
    "GO\n"
    "CREATE TABLE [dbo].[Orders] (\n"
    "\t[OID] [int] NOT NULL ,\n"
    "\t[CID] [int] NULL ,\n"
    "\t[Note] [ntext] NULL\n"
    ") ON [PRIMARY] TEXTIMAGE_ON [PRIMARY]\n"
    "GO\n"
    "ALTER TABLE [dbo].[Customers] WITH NOCHECK ADD\n"
    "\tCONSTRAINT [PK_Customers] PRIMARY KEY CLUSTERED\n"
    "\t(\n"
    "\t\t[CID]\n"
    "\t) ON [PRIMARY]\n"
    "GO\n"
    "ALTER TABLE [dbo].[Orders] ADD CONSTRAINT [FK_Orders_Customers] FOREIGN KEY ([CID]) "
    "REFERENCES [dbo].[Customers] ([CID])\n"
    "GO\n"
    "CREATE INDEX [IX_Orders_CID] ON [dbo].[Orders]([CID]) ON [PRIMARY]\n"
    "GO\n"
    "CREATE VIEW dbo.OrderList AS SELECT o.OID, c.Name FROM dbo.Orders o JOIN dbo.Customers c ON c.CID = o.CID\n"
    "GO\n";

const char* const Batch =
    "CREATE PROCEDURE dbo.GetOrders;2 (@cid int = 0, @n int OUTPUT) WITH RECOMPILE AS\n"
    "  SELECT OID FROM dbo.Orders WHERE CID = @cid\n"
    "  SET @n = @@ROWCOUNT\n"
    "GO\n"
    "CREATE FUNCTION dbo.Twice (@x int) RETURNS int AS BEGIN RETURN @x * 2 END\n"
    "GO\n"
    "CREATE FUNCTION dbo.Recent (@d datetime) RETURNS TABLE AS RETURN (SELECT OID FROM dbo.Orders)\n"
    "GO\n"
    "DECLARE @i int, @name varchar(20)\n"
    "DECLARE c CURSOR FOR SELECT Name FROM dbo.Customers\n"
    "OPEN c\n"
    "FETCH NEXT FROM c INTO @name\n"
    "WHILE @@FETCH_STATUS = 0\n"
    "BEGIN\n"
    "  PRINT @name\n"
    "  FETCH NEXT FROM c INTO @name\n"
    "END\n"
    "CLOSE c\n"
    "DEALLOCATE c\n"
    "IF @i > 1 PRINT 'big' ELSE PRINT 'small'\n"
    "BEGIN TRAN t1\n"
    "EXEC @i = dbo.GetOrders @cid = 5, @n = @i OUTPUT\n"
    "EXEC ('select * from ' + @name)\n"
    "COMMIT TRAN t1\n"
    "RAISERROR ('done', 16,\n"
    "  1)\n"
    "again:\n"
    "GO\n";

}  // namespace

TEST(MssqlScripts, GeneratedDdlGivesTheWizardItsTablesKeysAndIndexes) {
    Script s(GeneratedDdl);
    EXPECT_EQ(s.Result, 0) << s.P.GetErrorMessages();
    EXPECT_EQ(s.P.ErrorCount(), 0) << s.P.GetErrorMessages();
    const std::vector<TSqlStatementType> Expected = {
        sstMssqlUse, sstMssqlGo, sstMssqlSet, sstMssqlGo, sstMssqlIf, sstMssqlGo, sstCreateTable, sstMssqlGo,
        sstCreateTable, sstMssqlGo, sstAlterTable, sstMssqlGo, sstAlterTable, sstMssqlGo, sstCreateIndex,
        sstMssqlGo, sstCreateView, sstMssqlGo};
    ASSERT_EQ(s.Types(), Expected);
    EXPECT_EQ(TokText(s.As<TMssqlUse>(0)->DatabaseName), "[shop]");

    // IF EXISTS (...) DROP TABLE: the DROP is taken raw inside the IF.
    auto* If = s.As<TMssqlIfElse>(4);
    ASSERT_TRUE(If && If->ThenStmt && If->ThenStmt->SqlStatement);
    EXPECT_EQ(Pic(If->ThenStmt->SqlStatement->StatementType, If->ThenStmt->SqlStatement->GetSqlText()),
              Pic(sstDropStmt, "drop table [dbo].[Orders]"));

    TRkTable* T = s.As<TCreateTableSqlStatement>(6)->TargetTable;
    ASSERT_NE(T, nullptr);
    ASSERT_EQ(T->Columns->Count(), 3);
    EXPECT_EQ(Pic(T->GetTableNameText(), T->Columns->GetField(0)->GetFieldText(), T->Columns->GetField(2)->GetFieldText()),
              "[Customers] [CID] [Created]");
    // Column constraints: IDENTITY 12, COLLATE 13, NOT NULL 1, DEFAULT 7.
    EXPECT_EQ(Pic(ConstraintTypes(T->Columns->GetField(0)), ConstraintTypes(T->Columns->GetField(1)),
                  ConstraintTypes(T->Columns->GetField(2))),
              "12 1  13 1  1 7 ");

    // Primary key 4, foreign key 5.
    auto* Pk = s.As<TAlterTableStatement>(10);
    auto* Fk = s.As<TAlterTableStatement>(12);
    ASSERT_TRUE(Pk && Fk && Pk->Constraints->Count() == 1 && Fk->Constraints->Count() == 1);
    EXPECT_EQ(Pic(Pk->Constraints->GetConstraint(0)->ConstraintType, Fk->Constraints->GetConstraint(0)->ConstraintType), "4 5");
    auto* Ix = s.As<TCreateIndexSqlStatement>(14);
    EXPECT_EQ(Pic(Ix->GetIndexNameText(), Ix->Fields->Count()), "[IX_Orders_CID] 1");
}

TEST(MssqlScripts, EveryStatementHoldsItsTokensAndWalksThemInOrder) {
    Script s(GeneratedDdl);
    ASSERT_GT(s.Count(), 0);
    // Each significant token of the script is in exactly one statement.
    std::set<const TSourceToken*> Seen;
    for (TCustomSqlStatement* S : s.P.Statements())
        for (TSourceToken* T : S->SourceTokens->Items()) EXPECT_TRUE(Seen.insert(T).second) << T->GetText();
    for (TSourceToken* T : s.P.Tokens().Items())
        if (T->IsSignificant() && T->TokenCode != 0) {
            EXPECT_TRUE(Seen.count(T)) << T->GetText() << " in no statement";
        }
    for (TCustomSqlStatement* S : s.P.Statements()) EXPECT_TRUE(S->Parsed) << S->ClassName();
    CheckWalks(s);
}

TEST(MssqlScripts, BatchModelStatements) {
    Script s(Batch);
    EXPECT_EQ(s.P.ErrorCount(), 0) << s.P.GetErrorMessages();
    const std::vector<TSqlStatementType> Expected = {
        sstMssqlCreateProcedure, sstMssqlGo, sstMssqlCreateFunction, sstMssqlGo, sstMssqlCreateFunction,
        sstMssqlGo, sstMssqlDeclare, sstMssqlDeclare, sstMssqlOpen, sstMssqlFetch, sstMssqlIf,
        sstMssqlClose, sstMssqlDeallocate, sstMssqlIf, sstBeginTranStmt, sstMssqlExec, sstMssqlExec,
        sstMssqlCommit, sstRaiserrorStmt, sstMssqlLabel, sstMssqlGo};
    ASSERT_EQ(s.Types(), Expected);

    auto* Proc = s.As<TMssqlCreateProcedure>(0);
    ASSERT_TRUE(Proc && Proc->Params && Proc->BodyStatements->Count() == 2);
    EXPECT_EQ(Pic(TokText(Proc->ProcNumber), Proc->HasParens, Proc->OptionCode, Proc->Params->Count(),
                  Proc->BodyStatements->GetStatement(0)->StatementType, Proc->BodyStatements->GetStatement(1)->StatementType),
              Pic("2 1", MssqlOptRecompile, 2, sstSelect, sstMssqlSet));
    // The body's query is analyzed into its table.
    auto* Sel = dynamic_cast<TSelectSqlStatement*>(Proc->BodyStatements->GetStatement(0));
    ASSERT_NE(Sel, nullptr);
    EXPECT_EQ(Sel->Tables->Count(), 1);

    auto* Twice = s.As<TMssqlCreateFunction>(2);
    auto* Recent = s.As<TMssqlCreateFunction>(4);
    ASSERT_TRUE(Twice && Recent);
    EXPECT_EQ(Pic(Twice->ReturnKind, Twice->BodyKind, Twice->BlockBody->Children->Count()), "1 1 1");
    EXPECT_EQ(Pic(Recent->ReturnKind, Recent->BodyKind, Recent->ReturnBody->Parsed), "2 2 1");

    auto* Vars = s.As<TMssqlDeclare>(6);
    auto* Cursor = s.As<TMssqlDeclare>(7);
    ASSERT_TRUE(Vars && Cursor && Cursor->CursorQuery);
    EXPECT_EQ(Pic(Vars->Kind, Vars->Vars->Count()), "1 2");
    EXPECT_EQ(Pic(Cursor->Kind, TokText(Cursor->CursorName), Cursor->CursorQuery->Parsed, Cursor->CursorQuery->Tables->Count()),
              "2 c 1 1");

    auto* Loop = s.As<TMssqlIfElse>(10);
    ASSERT_NE(Loop, nullptr);
    EXPECT_EQ(Loop->IsLoop, 1);
    auto* Body = dynamic_cast<TMssqlBlock*>(Loop->ThenStmt->SqlStatement.get());
    ASSERT_TRUE(Body && Body->Children->Count() == 2);
    EXPECT_EQ(Pic(Body->Children->GetStatement(0)->StatementType, Body->Children->GetStatement(1)->StatementType),
              Pic(sstMssqlPrint, sstMssqlFetch));
    EXPECT_EQ(Body->AsText().rfind("begin ", 0), 0u);

    auto* If = s.As<TMssqlIfElse>(13);
    ASSERT_NE(If, nullptr);
    EXPECT_EQ(If->HasElse, 1);
    EXPECT_EQ(Visited(If), (std::vector<std::string>{"IF", "@i", ">", "1", "PRINT", "'big'", "ELSE", "PRINT", "'small'"}));

    // BEGIN TRAN's words after "begin ", without a trailing blank.
    EXPECT_EQ(s.At(14)->GetSqlText(), "begin TRAN t1");
    auto* Commit = s.As<TMssqlDummyStmt>(17);
    ASSERT_NE(Commit, nullptr);
    EXPECT_EQ(Pic(Commit->FormCode, TokText(Commit->TranName)), Pic(MssqlTranFormTran, "t1"));
    // The raw words of a statement known by its first word, trailing layout cut.
    const std::string Raise = s.At(18)->GetSqlText();
    EXPECT_EQ(Raise.rfind("RAISERROR ('done', 16,", 0), 0u) << Raise;
    EXPECT_EQ(Raise.substr(Raise.size() - 4), "  1)") << Raise;
    EXPECT_EQ(Visited(s.At(16)), (std::vector<std::string>{"EXEC", "(", "'select * from '", "+", "@name", ")"}));
    CheckWalks(s);
}

// Forms the batch above does not have walk their tokens too.
TEST(MssqlScripts, MoreFormsWalkTheirTokens) {
    Script s("DECLARE @c AS CURSOR, @d int\nSET @c = CURSOR SCROLL READ_ONLY FOR SELECT a FROM t\n"
             "EXEC @rc = dbo.p @a = -1, @out OUTPUT WITH RECOMPILE\nFETCH ABSOLUTE 5 FROM GLOBAL c\n"
             "SET NOCOUNT ON\nRETURN @x + 1\n");
    EXPECT_EQ(s.P.ErrorCount(), 0) << s.P.GetErrorMessages();
    EXPECT_EQ(s.Types(), (std::vector<TSqlStatementType>{sstMssqlDeclare, sstMssqlSet, sstMssqlExec, sstMssqlFetch,
                                                         sstMssqlSet, sstMssqlReturn}));
    auto* Set = s.As<TMssqlSet>(1);
    ASSERT_TRUE(Set && Set->CursorQuery);
    EXPECT_EQ(Set->CursorQuery->Tables->Count(), 1);
    for (TCustomSqlStatement* S : s.P.Statements()) EXPECT_TRUE(S->Parsed) << S->ClassName();
    CheckWalks(s);
    Set->Reset();
    EXPECT_EQ(Set->CursorQuery, nullptr);
}

// ---------------------------------------------------------------------------
// Statement boundaries, variables and recovery

TEST(MssqlScripts, SemicolonsEndTheStatementBeforeThem) {
    Script s("select 1; -- one\nselect 2\n");
    EXPECT_EQ(s.P.ErrorCount(), 0) << s.P.GetErrorMessages();
    ASSERT_EQ(s.Count(), 2);
    EXPECT_EQ(Pic(TokText(s.At(0)->TerminatorToken), s.At(0)->EndsWithSemicolon), "; 1");
    EXPECT_EQ(s.At(0)->GetRawSqlText(), "select 1; -- one\r\n");
    EXPECT_EQ(s.At(1)->GetRawSqlText().find("select 2"), 0u);

    // Comments before the first statement belong to none; those after the
    // last one to it.
    Script t("-- head\nGO\n-- tail\n");
    ASSERT_EQ(t.Count(), 1);
    EXPECT_EQ(t.At(0)->GetRawSqlText(), "GO\r\n-- tail\r\n");
}

TEST(MssqlScripts, VariablesAreOfferedToTheHostAndRecorded) {
    TMarlSqlParser P(0);
    std::vector<std::string> Asked;
    P.OnSqlVar = [&](void*, const std::string& Name, std::string& Replacement) {
        Asked.push_back(Name);
        if (Name == "id") Replacement = "@key";
    };
    P.SetSqlTextString("select a from t where id = @id and b = @b\n");
    EXPECT_EQ(P.Parse(), 0) << P.GetErrorMessages();
    ASSERT_EQ(P.Statements().Count(), 1);
    TCustomSqlStatement* S = P.Statements().GetStatement(0);
    EXPECT_EQ(Asked, (std::vector<std::string>{"id", "b"}));
    ASSERT_EQ(S->SqlVars->Count(), 2);
    EXPECT_EQ(Pic(S->SqlVars->GetItem(0)->Str1, S->SqlVars->GetItem(0)->Str2), "id @key");
    EXPECT_NE(S->GetRawSqlText().find("id = @key"), std::string::npos);
}

TEST(MssqlScripts, ABrokenLineBecomesAnErrorStatementBetweenGoodOnes) {
    Script s("CREATE TABLE a (x int)\nCREATE TABLE b (x int,, y int)\nCREATE TABLE c (x int)\n");
    EXPECT_GE(s.P.ErrorCount(), 1);
    std::string Got;
    for (TCustomSqlStatement* S : s.P.Statements()) {
        auto* Ct = dynamic_cast<TCreateTableSqlStatement*>(S);
        Got += Ct && Ct->TargetTable ? Ct->TargetTable->GetTableNameText() + " " : Pic(S->StatementType) + " ";
    }
    EXPECT_EQ(Got, "a " + Pic(sstErrorStmt) + " c ");

    // After a ";" the error statement's raw tokens start with it; its walk
    // leaves it to the statement it ended.
    Script t("select 1;\nCREATE TABLE b (x int,, y int)\nselect 2\n");
    ASSERT_EQ(t.Count(), 3);
    EXPECT_EQ(t.At(1)->StatementType, sstErrorStmt);
    CheckWalks(t);
}

TEST(MssqlScripts, ParsingAgainGivesTheSameStatements) {
    TMarlSqlParser P(0);
    P.SetSqlTextString(Batch);
    ASSERT_GE(P.Parse(), 0);
    const int N = P.Statements().Count();
    ASSERT_GT(N, 0);
    ASSERT_GE(P.Parse(), 0);
    EXPECT_EQ(P.Statements().Count(), N);
    P.SetSqlTextString("GO\n");
    EXPECT_EQ(P.Parse(), 0);
    EXPECT_EQ(P.Statements().Count(), 1);
}

TEST(MssqlScripts, CommentsOnlyAndEmptyInput) {
    EXPECT_EQ(Script("-- nothing here\n/* at all */\n").Count(), 0);
    Script s("");
    EXPECT_LT(s.Result, 0);
    EXPECT_EQ(s.Count(), 0);
}

// INSERT ... EXEC: the procedure call fills the table; the insert takes the
// call's statement as its source instead of claiming DEFAULT VALUES.
TEST(MssqlScripts, InsertFromAProcedureCall) {
    Script s("INSERT INTO #t EXEC dbo.GetOrders 1, @x = 2\nINSERT #t (a) EXECUTE ('select 1')\n");
    EXPECT_EQ(s.P.ErrorCount(), 0) << s.P.GetErrorMessages();
    ASSERT_EQ(s.Count(), 2);
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        auto* Ins = s.As<TInsertSqlStatement>(i);
        ASSERT_NE(Ins, nullptr);
        EXPECT_EQ(Ins->ValuesKind, 4);
        EXPECT_EQ(Ins->AsText().find("default values"), std::string::npos) << Ins->AsText();
        EXPECT_EQ(Visited(Ins), Given(Ins));
    }
    EXPECT_NE(s.At(0)->AsText().find("EXEC"), std::string::npos) << s.At(0)->AsText();
}

// Blocks and IFs nested as deep as the parser's stack allows are analyzed,
// walked and printed without running out of stack.
TEST(MssqlScripts, DeepNestingIsAnalyzedAndWalked) {
    struct Case {
        const char* Open;
        const char* Close;
        int Depth;
    };
    for (const Case& C : {Case{"BEGIN\n", "END\n", 9000}, Case{"IF @a = 1 ", "", 4900}}) {
        SCOPED_TRACE(C.Open);
        std::string Text;
        for (int i = 0; i < C.Depth; ++i) Text += C.Open;
        Text += "PRINT 1\n";
        for (int i = 0; i < C.Depth; ++i) Text += C.Close;
        Script s(Text);
        EXPECT_EQ(s.P.ErrorCount(), 0) << s.P.GetErrorMessages().substr(0, 300);
        ASSERT_EQ(s.Count(), 1);
        TRkGetTextVisitor V;
        V.Root = s.At(0);
        V.Execute();
        std::string Crlf;  // the front end reads lines and ends each with CR LF
        for (char Ch : Text) Crlf += Ch == '\n' ? std::string("\r\n") : std::string(1, Ch);
        EXPECT_TRUE(V.Result == Crlf) << V.Result.size() << " " << Crlf.size();
        // Down to the innermost PRINT.
        TCustomSqlStatement* S = s.At(0);
        int Levels = 0;
        for (;;) {
            if (auto* B = dynamic_cast<TMssqlBlock*>(S)) {
                ASSERT_EQ(B->Children->Count(), 1);
                S = B->Children->GetStatement(0);
            } else if (auto* I = dynamic_cast<TMssqlIfElse*>(S)) {
                ASSERT_NE(I->ThenStmt->SqlStatement, nullptr);
                S = I->ThenStmt->SqlStatement.get();
            } else {
                break;
            }
            ++Levels;
        }
        EXPECT_EQ(Levels, C.Depth);
        EXPECT_EQ(S->StatementType, sstMssqlPrint);
    }
}

// A statement of the front end parses its own tokens again with a parser of
// its own; a vendor-0 statement given text parses it alone.
TEST(MssqlScripts, StatementsParseOnTheirOwn) {
    Script s("BEGIN\n  SELECT a FROM t\n  PRINT 1\nEND\nGO\nselect b from u;\n");
    ASSERT_EQ(s.Count(), 3);
    for (int i = 0; i < s.Count(); ++i) {
        SCOPED_TRACE(i);
        TCustomSqlStatement* S = s.At(i);
        TRk_Node* Before = S->RootNode;
        EXPECT_EQ(S->Parse(false), 0);
        EXPECT_TRUE(S->Parsed);
        EXPECT_EQ(S->GetErrorCount(), 0);
        ASSERT_NE(S->RootNode, nullptr);
        EXPECT_NE(S->RootNode, Before);  // the statement's own parse
        EXPECT_EQ(S->RootNode->NodeKind, Before->NodeKind);
    }
    auto* Block = s.As<TMssqlBlock>(0);
    ASSERT_NE(Block, nullptr);
    EXPECT_EQ(Block->Children->Count(), 2);

    std::unique_ptr<TCustomSqlStatement> Own = NewSelectSqlStatement(0);
    Own->SetSqlText("select x from y where z = 1");
    EXPECT_EQ(Own->Parse(false), 0);
    EXPECT_TRUE(Own->Parsed);
    EXPECT_EQ(Own->Tables->Count(), 1);
}

// The host hears of every statement the grammar recognises, nested ones
// included, with its type and token range; only top-level ones are listed.
TEST(MssqlScripts, RawStatementAnnouncementsReachTheHost) {
    TMarlSqlParser P(0);
    std::vector<TSqlStatementType> Types;
    std::vector<std::pair<int, int>> Ranges;
    P.OnGetRawSqlStatement = [&](void* Sender, TSqlStatementType Type, int Start, int End) {
        EXPECT_NE(dynamic_cast<_TMssqlStmt*>(static_cast<TRkVisitedAbs*>(Sender)), nullptr);
        Types.push_back(Type);
        Ranges.emplace_back(Start, End);
    };
    P.SetSqlTextString("IF 1 = 1 PRINT 'a'\nGO\n");
    EXPECT_EQ(P.Parse(), 0) << P.GetErrorMessages();
    EXPECT_EQ(P.Statements().Count(), 2);
    EXPECT_EQ(Types, (std::vector<TSqlStatementType>{sstMssqlPrint, sstMssqlIf, sstMssqlGo}));
    ASSERT_EQ(Ranges.size(), 3u);
    EXPECT_EQ(P.Tokens().TokenAt(Ranges[0].first)->GetText(), "IF");  // from where the previous one ended
    EXPECT_EQ(P.Tokens().TokenAt(Ranges[0].second)->GetText(), "'a'");
    EXPECT_EQ(Ranges[1].first, Ranges[0].second + 1);              // the enclosing IF comes after it
    EXPECT_EQ(P.Tokens().TokenAt(Ranges[2].second)->GetText(), "GO");
}

// Word soup of T-SQL keywords, punctuation, comment marks and stray bytes:
// every statement the front end lists is walked, printed and parsed again
// without a crash.
TEST(MssqlScripts, WordSoupNeverBreaksTheModel) {
    const char* const Words[] = {
        "BEGIN", "END", "IF", "ELSE", "WHILE", "CREATE", "PROCEDURE", "FUNCTION", "RETURNS", "TABLE", "AS",
        "RETURN", "DECLARE", "CURSOR", "FOR", "SELECT", "FROM", "WHERE", "INSERT", "INTO", "VALUES", "EXEC",
        "SET", "GO", "(", ")", ",", ";", "@a", "=", "1", "'s'", "x", "DROP", "RAISERROR", "FETCH", "OPEN",
        "TRAN", "COMMIT", "lbl:", "/*", "*/", "--", "[n]", "N'u'", "@@ROWCOUNT", "+", "ALTER", "ADD",
        "CONSTRAINT", "PRIMARY", "KEY", "INDEX", "ON", "USE", "PRINT", "BREAK", "DEALLOCATE", "WITH",
        "OUTPUT", "ROLLBACK", "UPDATE", "DELETE", "JOIN", "\x01", "\xff", "\"q"};
    std::uint32_t Seed = 12345;
    auto Next = [&Seed] { return Seed = Seed * 1103515245u + 12345u, (Seed >> 8); };
    for (int Run = 0; Run < 60; ++Run) {
        std::string Text;
        const std::uint32_t Len = Next() % 120;
        for (std::uint32_t i = 0; i < Len; ++i) {
            Text += Words[Next() % std::size(Words)];
            Text += Next() % 4 == 0 ? "\n" : " ";
        }
        SCOPED_TRACE(Text);
        TMarlSqlParser P(0);
        P.SetSqlTextString(Text);
        P.Parse();
        for (TCustomSqlStatement* S : P.Statements()) {
            TRkGetTextVisitor V;
            V.Root = S;
            V.Execute();
            S->AsText();
            S->GetPrettyText();
            S->Parse(false);
        }
    }
}
