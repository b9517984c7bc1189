// SQL Server grammar: blocks, IF/ELSE and WHILE, cursors, EXECUTE, SET,
// DECLARE, transactions, the statements read raw, and procedure and
// function definitions.
#include "mssql_grammar_support.h"

using namespace mssql_test;

namespace {

class MssqlFlow : public MssqlParseFixture {
protected:
    static TRk_Node* InnerOf(TRkVisitedAbs* Wrapper) {
        auto* w = As<_TMssqlStmt>(Wrapper);
        return w != nullptr ? w->InnerNode : nullptr;
    }
    static std::string Types(const std::vector<TAnnounced>& A) {
        std::string s;
        for (const TAnnounced& a : A) s += (s.empty() ? "" : ",") + std::to_string(static_cast<int>(a.Type));
        return s;
    }
};

TEST_F(MssqlFlow, BlocksHoldStatementsWithoutSeparators) {
    auto* b = One<_TMssqlBlock>("BEGIN SELECT 1 PRINT 'x' END");
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(OwnTokens(b), "BEGIN|END");
    ASSERT_NE(b->StmtList, nullptr);
    ASSERT_EQ(b->StmtList->Count(), 2);
    EXPECT_NE(As<TRk_SelectStmt>(InnerOf(b->StmtList->Items[0])), nullptr);
    EXPECT_NE(As<_TMssqlPrint>(InnerOf(b->StmtList->Items[1])), nullptr);
    // Nested statements are announced before the block that holds them.
    EXPECT_EQ(Types(Announced), "1,49,42");

    // A ";" inside a block is a syntax error.
    EXPECT_TRUE(Rejects("BEGIN SELECT 1; END"));
    EXPECT_EQ(Errors[0].token, ";");
}

TEST_F(MssqlFlow, IfElseAndWhile) {
    auto* i = One<_TMssqlIfElse>("IF @a = 1 SELECT 1 ELSE SELECT 2");
    ASSERT_NE(i, nullptr);
    EXPECT_EQ(Shape(i->Condition), "Cmp[=](@a,1)");
    EXPECT_NE(As<TRk_SelectStmt>(InnerOf(i->ThenStmt)), nullptr);
    EXPECT_NE(As<TRk_SelectStmt>(InnerOf(i->ElseStmt)), nullptr);
    EXPECT_EQ(i->HasElse, 1);
    EXPECT_EQ(i->IsLoop, 0);
    EXPECT_EQ(OwnTokens(i), "IF|ELSE");
    EXPECT_EQ(Types(Announced), "1,1,39");

    i = One<_TMssqlIfElse>("IF EXISTS (SELECT * FROM sysobjects WHERE id = object_id(N'[dbo].[T]')) DROP TABLE [dbo].[T]\n");
    ASSERT_NE(i, nullptr);
    EXPECT_EQ(i->HasElse, 0);
    EXPECT_EQ(i->ElseStmt, nullptr);
    EXPECT_NE(As<_TMssqlDummyStmt>(InnerOf(i->ThenStmt)), nullptr);

    // ELSE belongs to the nearest IF.
    i = One<_TMssqlIfElse>("IF a = 1 IF b = 1 SELECT 1 ELSE SELECT 2");
    ASSERT_NE(i, nullptr);
    EXPECT_EQ(i->HasElse, 0);
    auto* inner = As<_TMssqlIfElse>(InnerOf(i->ThenStmt));
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(inner->HasElse, 1);

    auto* w = One<_TMssqlIfElse>("WHILE @i < 10 BEGIN SET @i = @i + 1 END");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->IsLoop, 1);
    EXPECT_EQ(OwnTokens(w), "WHILE");
    EXPECT_NE(As<_TMssqlBlock>(InnerOf(w->ThenStmt)), nullptr);
    // WHILE is announced as an IF.
    EXPECT_EQ(Announced.back().Type, sstMssqlIf);
}

TEST_F(MssqlFlow, SmallStatements) {
    auto* r = One<_TMssqlReturn>("RETURN");
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->Operand, nullptr);
    EXPECT_EQ(OwnTokens(r), "RETURN");
    r = One<_TMssqlReturn>("RETURN @x + 1");
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(Shape(r->Operand), "Arith[+](@x,1)");

    auto* d = One<_TMssqlDummyStmt>("BREAK");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->NodeKind, mnkBreak);
    EXPECT_EQ(OwnTokens(d), "BREAK");
    d = One<_TMssqlDummyStmt>("CONTINUE");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->NodeKind, mnkContinue);
    EXPECT_EQ(Announced.back().Type, sstMssqlContinue);

    auto* g = One<_TMssqlGo>("GO");
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->Count, 1);
    EXPECT_EQ(OwnTokens(g), "GO");
    EXPECT_EQ(Announced.back().Type, sstMssqlGo);

    auto* u = One<_TMssqlUse>("USE");
    ASSERT_NE(u, nullptr);
    EXPECT_EQ(u->DatabaseName, nullptr);
    u = One<_TMssqlUse>("USE [Northwind]");
    ASSERT_NE(u, nullptr);
    EXPECT_EQ(TokText(u->DatabaseName), "[Northwind]");
    EXPECT_EQ(OwnTokens(u), "USE");

    auto* p = One<_TMssqlPrint>("PRINT 'a' + @b");
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(Shape(p->Operand), "Arith[+]('a',@b)");
    EXPECT_EQ(OwnTokens(p), "PRINT");

    d = One<_TMssqlDummyStmt>("lbl:");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->NodeKind, mnkLabel);
    EXPECT_EQ(OwnTokens(d), "lbl:");
    EXPECT_EQ(Announced.back().Type, sstMssqlLabel);
}

TEST_F(MssqlFlow, Cursors) {
    auto* f = One<_TMssqlFetch>("FETCH NEXT FROM c INTO @a, @b");
    ASSERT_NE(f, nullptr);
    auto* dir = As<TRk_DummyNode>(f->Direction);
    ASSERT_NE(dir, nullptr);
    EXPECT_EQ(dir->Int1, 1);
    EXPECT_EQ(OwnTokens(dir), "NEXT|FROM");
    EXPECT_EQ(TokText(f->CursorName), "c");
    EXPECT_EQ(f->IsGlobal, 0);
    auto* into = As<TRk_DummyNode>(f->IntoNode);
    ASSERT_NE(into, nullptr);
    EXPECT_EQ(OwnTokens(into), "INTO");
    EXPECT_EQ(ListShape(into->List1), "@a,@b");
    EXPECT_EQ(TokText(into->List1->Items[1]->AsToken()->SeparatorToken), ",");
    EXPECT_EQ(OwnTokens(f), "FETCH");
    EXPECT_EQ(Announced.back().Type, sstMssqlFetch);

    struct TFetch {
        const char* Text;
        int Dir;
        const char* Name;
        int Global;
        const char* Tokens;
    } fetches[] = {
        {"FETCH c", -1, "c", 0, "FETCH"},
        {"FETCH @c", -1, "@c", 0, "FETCH|@c"},
        {"FETCH GLOBAL c", -1, "c", 1, "FETCH|GLOBAL"},
        {"FETCH PRIOR FROM @c", 2, "@c", 0, "FETCH|@c"},
        {"FETCH FIRST FROM c", 3, "c", 0, "FETCH"},
        {"FETCH LAST FROM GLOBAL c", 4, "c", 1, "FETCH|GLOBAL"},
        {"FETCH FROM c", 5, "c", 0, "FETCH"},
        {"FETCH ABSOLUTE 5 FROM c", 6, "c", 0, "FETCH"},
        {"FETCH RELATIVE @n FROM c", 7, "c", 0, "FETCH"},
    };
    for (const TFetch& t : fetches) {
        f = One<_TMssqlFetch>(t.Text);
        ASSERT_NE(f, nullptr) << t.Text;
        if (t.Dir < 0) {
            EXPECT_EQ(f->Direction, nullptr) << t.Text;
        } else {
            ASSERT_NE(f->Direction, nullptr) << t.Text;
            EXPECT_EQ(As<TRk_DummyNode>(f->Direction)->Int1, t.Dir) << t.Text;
        }
        EXPECT_EQ(TokText(f->CursorName), t.Name) << t.Text;
        EXPECT_EQ(f->IsGlobal, t.Global) << t.Text;
        EXPECT_EQ(OwnTokens(f), t.Tokens) << t.Text;
        EXPECT_EQ(f->IntoNode, nullptr) << t.Text;
    }
    f = One<_TMssqlFetch>("FETCH ABSOLUTE 5 FROM c");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(TokText(As<TRk_DummyNode>(f->Direction)->Tok1), "5");
    EXPECT_EQ(OwnTokens(f->Direction), "ABSOLUTE|5|FROM");

    struct TCursorStmt {
        const char* Text;
        uint8_t Kind;
        const char* Name;
        int Global;
        const char* Tokens;
        TSqlStatementType Type;
    } stmts[] = {
        {"OPEN c", mnkOpen, "c", 0, "OPEN", sstMssqlOpen},
        {"OPEN @c", mnkOpen, "@c", 0, "OPEN", sstMssqlOpen},
        {"OPEN GLOBAL c", mnkOpen, "c", 1, "OPEN|GLOBAL", sstMssqlOpen},
        {"CLOSE c", mnkClose, "c", 0, "CLOSE", sstMssqlClose},
        {"CLOSE @c", mnkClose, "@c", 0, "CLOSE", sstMssqlClose},
        {"CLOSE GLOBAL c", mnkClose, "c", 1, "CLOSE|GLOBAL", sstMssqlClose},
        {"DEALLOCATE c", mnkDeallocate, "c", 0, "DEALLOCATE", sstMssqlDeallocate},
        {"DEALLOCATE GLOBAL c", mnkDeallocate, "c", 1, "DEALLOCATE|GLOBAL", sstMssqlDeallocate},
        {"DEALLOCATE @c", mnkDeallocate, "@c", 0, "DEALLOCATE|@c", sstMssqlDeallocate},
        {"DEALLOCATE GLOBAL @c", mnkDeallocate, "@c", 1, "DEALLOCATE|GLOBAL|@c", sstMssqlDeallocate},
    };
    for (const TCursorStmt& t : stmts) {
        auto* d = One<_TMssqlDummyStmt>(t.Text);
        ASSERT_NE(d, nullptr) << t.Text;
        EXPECT_EQ(d->NodeKind, t.Kind) << t.Text;
        EXPECT_EQ(TokText(d->CursorName), t.Name) << t.Text;
        EXPECT_EQ(d->IsGlobal, t.Global) << t.Text;
        EXPECT_EQ(OwnTokens(d), t.Tokens) << t.Text;
        EXPECT_EQ(Announced.back().Type, t.Type) << t.Text;
    }
}

TEST_F(MssqlFlow, Execute) {
    auto* e = One<_TMssqlExecute>("EXEC dbo.p @a = 1, 'x' OUTPUT, -1, NULL, @@ERROR, @v OUT");
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(TokText(e->ExecToken), "EXEC");
    EXPECT_EQ(e->IsStringExec, 0);
    EXPECT_EQ(e->ReturnStatus, nullptr);
    EXPECT_EQ(NameText(As<TRk_DummyNode>(e->ModuleName)->Sub1), "dbo.p");
    // Only the string form has own tokens.
    EXPECT_EQ(OwnTokens(e), "");
    ASSERT_NE(e->Params, nullptr);
    ASSERT_EQ(e->Params->Count(), 6);
    auto param = [&](int I) { return As<TRk_DummyNode>(e->Params->Items[static_cast<size_t>(I)]); };
    EXPECT_EQ(TokText(param(0)->Tok1), "@a");
    EXPECT_EQ(TokText(param(0)->Tok2), "=");
    EXPECT_EQ(OwnTokens(param(0)->Sub1), "1");
    EXPECT_EQ(param(0)->Tok3, nullptr);
    EXPECT_EQ(OwnTokens(param(1)->Sub1), "'x'");
    EXPECT_EQ(TokText(param(1)->Tok3), "OUTPUT");
    EXPECT_EQ(TokText(param(1)->SeparatorToken), ",");
    EXPECT_EQ(OwnTokens(param(2)->Sub1), "-|1");
    EXPECT_EQ(OwnTokens(param(3)->Sub1), "NULL");
    EXPECT_EQ(OwnTokens(param(4)->Sub1), "@@ERROR");
    EXPECT_EQ(OwnTokens(param(5)->Sub1), "@v");
    EXPECT_EQ(TokText(param(5)->Tok3), "OUT");
    EXPECT_EQ(Announced.back().Type, sstMssqlExec);

    e = One<_TMssqlExecute>("EXECUTE @rc = p WITH RECOMPILE");
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(TokText(e->ExecToken), "EXECUTE");
    EXPECT_EQ(TokText(e->ReturnStatus), "@rc");
    EXPECT_EQ(TokText(e->EqualToken), "=");
    EXPECT_EQ(TokText(e->WithToken), "WITH");
    EXPECT_EQ(TokText(e->RecompileToken), "RECOMPILE");
    EXPECT_EQ(e->Params, nullptr);

    e = One<_TMssqlExecute>("EXEC @proc");
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(TokText(As<TRk_DummyNode>(e->ModuleName)->Tok1), "@proc");

    e = One<_TMssqlExecute>("EXEC ('SELECT * FROM ' + @t + N' WHERE 1 = 1')");
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->IsStringExec, 1);
    EXPECT_EQ(OwnTokens(e), "(|)");
    ASSERT_EQ(e->Params->Count(), 3);
    EXPECT_EQ(e->Params->Items[0]->AsToken()->SeparatorToken, nullptr);
    EXPECT_EQ(TokText(e->Params->Items[1]->AsToken()->SeparatorToken), "+");
    EXPECT_EQ(TokText(e->Params->Items[2]->AsToken()), "N' WHERE 1 = 1'");
}

TEST_F(MssqlFlow, SetForms) {
    auto* s = One<_TMssqlSet>("SET @x = @y * 2");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(TokText(s->SetToken), "SET");
    EXPECT_EQ(TokText(s->VarToken), "@x");
    EXPECT_EQ(TokText(s->EqualToken), "=");
    EXPECT_EQ(Shape(s->Expr), "Arith[*](@y,2)");
    EXPECT_EQ(OwnTokens(s), "");

    s = One<_TMssqlSet>("SET @c = CURSOR SCROLL KEYSET OPTIMISTIC TYPE_WARNING FOR SELECT a FROM t");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(TokText(s->CursorToken), "CURSOR");
    EXPECT_EQ(TokText(s->ScrollToken), "SCROLL");
    EXPECT_EQ(TokText(s->CursorKindToken), "KEYSET");
    EXPECT_EQ(TokText(s->ConcurrencyToken), "OPTIMISTIC");
    EXPECT_EQ(TokText(s->TypeWarningToken), "TYPE_WARNING");
    EXPECT_EQ(TokText(s->ForToken), "FOR");
    EXPECT_NE(s->Query, nullptr);
    s = One<_TMssqlSet>("SET @c = CURSOR FOR SELECT a FROM t");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->ScrollToken, nullptr);
    EXPECT_EQ(s->CursorKindToken, nullptr);

    // Any other SET keeps its raw tokens, SET first.
    Parse("SET NOCOUNT ON\nSELECT 1\n");
    EXPECT_TRUE(Errors.empty());
    ASSERT_EQ(Items(), 2);
    auto* raw = Inner<_TMssqlSet>(0);
    ASSERT_NE(raw, nullptr);
    ASSERT_GE(raw->TokenList->Count(), 3);
    EXPECT_EQ(raw->TokenList->GetToken(0)->Text, "SET");
    EXPECT_EQ(raw->TokenList->GetToken(1)->Text, "NOCOUNT");
    EXPECT_NE(OwnTokens(raw).find("ON"), std::string::npos);
    EXPECT_EQ(raw->SetToken, nullptr);
    EXPECT_NE(Inner<TRk_SelectStmt>(1), nullptr);
    EXPECT_EQ(Announced[0].Type, sstMssqlSet);

    Parse("SET TRANSACTION ISOLATION LEVEL READ COMMITTED\nSET ANSI_NULLS ON\n");
    EXPECT_TRUE(Errors.empty());
    EXPECT_EQ(Items(), 2);
}

TEST_F(MssqlFlow, StatementsReadRaw) {
    Parse("DROP TABLE [dbo].[T]\nSELECT 1\nTRUNCATE TABLE t\nRAISERROR ('x', 16, 1)\nSELECT 2\nGOTO lbl\n");
    EXPECT_TRUE(Errors.empty());
    ASSERT_EQ(Items(), 6);
    auto* drop = Inner<_TMssqlDummyStmt>(0);
    ASSERT_NE(drop, nullptr);
    EXPECT_EQ(drop->NodeKind, mnkDrop);
    EXPECT_EQ(OwnTokens(drop), "DROP");
    ASSERT_GE(drop->StmtTokens->Count(), 1);
    EXPECT_EQ(drop->StmtTokens->GetToken(0)->Text, "DROP");
    EXPECT_NE(Inner<TRk_SelectStmt>(1), nullptr);
    EXPECT_EQ(Inner<_TMssqlDummyStmt>(2)->NodeKind, mnkDrop);
    EXPECT_EQ(Inner<_TMssqlDummyStmt>(3)->NodeKind, mnkFirstWordStmt);
    EXPECT_EQ(OwnTokens(Inner<_TMssqlDummyStmt>(3)), "RAISERROR");
    EXPECT_NE(Inner<TRk_SelectStmt>(4), nullptr);
    EXPECT_EQ(Inner<_TMssqlDummyStmt>(5)->NodeKind, mnkFirstWordStmt);
    EXPECT_EQ(Types(Announced), "59,1,59,0,1,0");
    for (const char* w : {"DBCC CHECKDB", "RESTORE DATABASE x", "WAITFOR DELAY '00:00:01'", "BACKUP LOG x",
                          "REVOKE SELECT ON t FROM u"}) {
        auto* d = One<_TMssqlDummyStmt>(w);
        ASSERT_NE(d, nullptr) << w;
        EXPECT_EQ(d->NodeKind, mnkFirstWordStmt) << w;
    }
}

TEST_F(MssqlFlow, BeginTransaction) {
    auto* d = One<_TMssqlDummyStmt>("BEGIN TRAN");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->NodeKind, mnkBeginTran);
    EXPECT_EQ(OwnTokens(d), "BEGIN|TRAN");
    EXPECT_EQ(Announced.back().Type, sstBeginTranStmt);
    d = One<_TMssqlDummyStmt>("BEGIN TRANSACTION @t WITH MARK 'desc'");
    ASSERT_NE(d, nullptr);
    // The description string is not kept.
    EXPECT_EQ(OwnTokens(d), "BEGIN|TRANSACTION|@t|WITH|MARK");
    d = One<_TMssqlDummyStmt>("BEGIN TRAN t1 WITH MARK");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(OwnTokens(d), "BEGIN|TRAN|t1|WITH|MARK");
}

TEST_F(MssqlFlow, Declarations) {
    auto* d = One<_TMssqlDeclare>("DECLARE @a int, @b AS varchar(10), @c CURSOR");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->Kind, 1);
    EXPECT_EQ(OwnTokens(d), "DECLARE");
    ASSERT_EQ(d->Vars->Count(), 3);
    auto var = [&](int I) { return As<_TMssql_declare_var>(d->Vars->Items[static_cast<size_t>(I)]); };
    EXPECT_EQ(TokText(var(0)->NameToken), "@a");
    EXPECT_EQ(OwnTokens(var(0)), "@a");
    EXPECT_EQ(var(0)->Kind, 1);
    EXPECT_EQ(var(0)->AsToken, nullptr);
    EXPECT_EQ(TokText(var(1)->AsToken), "AS");
    EXPECT_EQ(TokText(var(1)->SeparatorToken), ",");
    EXPECT_EQ(As<TRk_TypeName>(var(1)->DataType)->TypeForm, 41);
    EXPECT_EQ(var(2)->Kind, 2);
    EXPECT_EQ(var(2)->DataType, nullptr);
    EXPECT_EQ(OwnTokens(var(2)), "CURSOR");
    EXPECT_EQ(Announced.back().Type, sstMssqlDeclare);

    d = One<_TMssqlDeclare>("DECLARE x int");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(OwnTokens(d->Vars->Items[0]->AsNode()), "");

    d = One<_TMssqlDeclare>("DECLARE c CURSOR FOR SELECT a FROM t");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->Kind, 2);
    EXPECT_EQ(TokText(d->CursorName), "c");
    EXPECT_NE(d->Query, nullptr);
    EXPECT_EQ(OwnTokens(d), "DECLARE|CURSOR|FOR");
    d = One<_TMssqlDeclare>("DECLARE c INSENSITIVE CURSOR FOR SELECT 1");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(TokText(d->CursorOption), "INSENSITIVE");
    EXPECT_EQ(OwnTokens(d), "DECLARE|CURSOR|FOR");
    d = One<_TMssqlDeclare>("DECLARE c SCROLL CURSOR FOR SELECT 1");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(TokText(d->CursorOption), "SCROLL");
    d = One<_TMssqlDeclare>("DECLARE c CURSOR LOCAL FAST_FORWARD FOR SELECT 1");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(ListShape(d->CursorOptions), "LOCAL,FAST_FORWARD");
    EXPECT_EQ(OwnTokens(d), "DECLARE|CURSOR|FOR");

    EXPECT_TRUE(Rejects("DECLARE @x int = 1"));
}

TEST_F(MssqlFlow, Procedures) {
    auto* p = One<_TMssqlCreateProcedure>(
        "CREATE PROCEDURE dbo.p @a int = 1 OUTPUT, @b varchar(10) AS SELECT @a SELECT @b");
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(TokText(p->CreateToken), "CREATE");
    EXPECT_EQ(TokText(p->ProcToken), "PROCEDURE");
    EXPECT_EQ(NameText(p->Name), "dbo.p");
    EXPECT_EQ(p->HasParens, 0);
    EXPECT_EQ(p->ProcNumber, nullptr);
    EXPECT_EQ(p->OptionCode, 0);
    EXPECT_EQ(p->ForReplication, 0);
    EXPECT_EQ(OwnTokens(p), "AS");
    ASSERT_NE(p->BodyList, nullptr);
    EXPECT_EQ(p->BodyList->Count(), 2);
    ASSERT_NE(p->Params, nullptr);
    ASSERT_EQ(p->Params->Count(), 2);
    auto* a = As<_TMssql_ParameterDecl>(p->Params->Items[0]);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(TokText(a->NameToken), "@a");
    EXPECT_EQ(OwnTokens(a), "@a");
    ASSERT_NE(a->DefaultPart, nullptr);
    EXPECT_EQ(Shape(a->DefaultPart->DefaultExpr), "1");
    EXPECT_EQ(a->DefaultPart->IsOutput, 1);
    EXPECT_EQ(a->DefaultPart->IsVarying, 0);
    EXPECT_EQ(TokText(a->DefaultPart->EqualToken), "=");
    EXPECT_EQ(OwnTokens(a->DefaultPart), "OUTPUT");
    auto* b = As<_TMssql_ParameterDecl>(p->Params->Items[1]);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->DefaultPart, nullptr);
    EXPECT_EQ(TokText(b->SeparatorToken), ",");
    // The statements of the body are announced before the procedure.
    EXPECT_EQ(Types(Announced), "1,1,44");

    p = One<_TMssqlCreateProcedure>("CREATE PROC p;2 AS SELECT 1");
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(TokText(p->ProcToken), "PROC");
    EXPECT_EQ(TokText(p->ProcNumber), "2");
    EXPECT_EQ(OwnTokens(p), ";|AS");

    p = One<_TMssqlCreateProcedure>("ALTER PROCEDURE p (@c cursor_t VARYING = NULL OUT) WITH RECOMPILE FOR REPLICATION AS RETURN");
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(TokText(p->CreateToken), "ALTER");
    EXPECT_EQ(p->HasParens, 1);
    EXPECT_EQ(p->OptionCode, 1);
    EXPECT_EQ(OwnTokens(p->OptionNode), "WITH|RECOMPILE");
    EXPECT_EQ(p->ForReplication, 1);
    EXPECT_EQ(OwnTokens(p->ReplicationNode), "FOR|REPLICATION");
    EXPECT_EQ(OwnTokens(p), "(|)|AS");
    auto* c = As<_TMssql_ParameterDecl>(p->Params->Items[0]);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->DefaultPart->IsVarying, 1);
    EXPECT_EQ(c->DefaultPart->IsOutput, 1);
    EXPECT_EQ(OwnTokens(c->DefaultPart), "VARYING|OUT");

    p = One<_TMssqlCreateProcedure>("CREATE PROCEDURE p;3 (@a int) WITH RECOMPILE, ENCRYPTION AS SELECT 1");
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->OptionCode, 3);
    EXPECT_EQ(OwnTokens(p), ";|(|)|AS");
    p = One<_TMssqlCreateProcedure>("CREATE PROCEDURE p () WITH ENCRYPTION AS SELECT 1");
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->OptionCode, 2);
    EXPECT_EQ(p->Params, nullptr);
    EXPECT_EQ(OwnTokens(p), "(|)|AS");
    p = One<_TMssqlCreateProcedure>("CREATE PROCEDURE p;1 @a int AS SELECT 1");
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(OwnTokens(p), ";|AS");
    EXPECT_EQ(p->Params->Count(), 1);
}

TEST_F(MssqlFlow, WhereAProcedureBodyEnds) {
    // At ";": the next statement stands alone.
    Parse("CREATE PROCEDURE p AS SELECT 1; SELECT 2");
    EXPECT_TRUE(Errors.empty());
    ASSERT_EQ(Items(), 2);
    ASSERT_NE(Inner<_TMssqlCreateProcedure>(0), nullptr);
    EXPECT_EQ(Inner<_TMssqlCreateProcedure>(0)->BodyList->Count(), 1);
    EXPECT_EQ(TokText(Item(0)->TerminatorToken), ";");
    EXPECT_NE(Inner<TRk_SelectStmt>(1), nullptr);

    // At GO.
    Parse("CREATE PROCEDURE p AS\nSELECT 1\nGO\nSELECT 2\n");
    EXPECT_TRUE(Errors.empty());
    ASSERT_EQ(Items(), 3);
    EXPECT_NE(Inner<_TMssqlGo>(1), nullptr);

    // Before the next CREATE PROCEDURE or FUNCTION.
    Parse("CREATE PROCEDURE p AS SELECT 1\nCREATE PROC q AS SELECT 2\nALTER FUNCTION f () RETURNS int AS BEGIN RETURN 1 END\n");
    EXPECT_TRUE(Errors.empty());
    ASSERT_EQ(Items(), 3);
    EXPECT_NE(Inner<_TMssqlCreateProcedure>(1), nullptr);
    EXPECT_NE(Inner<_TMssqlCreateFunction>(2), nullptr);

    // Anything else without GO belongs to the body.
    Parse("CREATE PROCEDURE p AS SELECT 1\nCREATE TABLE t (a int)\n");
    EXPECT_TRUE(Errors.empty());
    ASSERT_EQ(Items(), 1);
    EXPECT_EQ(Inner<_TMssqlCreateProcedure>(0)->BodyList->Count(), 2);

    // An unterminated statement ends before CREATE PROCEDURE.
    Parse("SELECT a FROM t CREATE PROCEDURE p AS SELECT 1");
    EXPECT_TRUE(Errors.empty());
    ASSERT_EQ(Items(), 2);
}

TEST_F(MssqlFlow, Functions) {
    auto* f = One<_TMssqlCreateFunction>("CREATE FUNCTION dbo.f (@a int, @b int = 2) RETURNS int AS BEGIN RETURN @a + @b END");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(TokText(f->CreateToken), "CREATE");
    EXPECT_EQ(NameText(f->Name), "dbo.f");
    EXPECT_EQ(f->Params->Count(), 2);
    ASSERT_NE(As<TRk_TypeName>(f->ReturnType), nullptr);
    EXPECT_EQ(f->ReturnKind, 1);
    EXPECT_EQ(f->BodyKind, 1);
    EXPECT_EQ(TokText(f->AsToken), "AS");
    EXPECT_NE(As<_TMssqlBlock>(f->Body), nullptr);
    EXPECT_EQ(OwnTokens(f), "FUNCTION|(|)|RETURNS");
    EXPECT_EQ(Types(Announced), "48,45");

    f = One<_TMssqlCreateFunction>("CREATE FUNCTION f () RETURNS TABLE AS RETURN (SELECT 1 AS a)");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->Params, nullptr);
    EXPECT_EQ(f->ReturnType, nullptr);
    EXPECT_EQ(f->ReturnKind, 2);
    EXPECT_EQ(f->BodyKind, 2);
    EXPECT_NE(As<_TMssqlReturn>(f->Body), nullptr);
    EXPECT_EQ(OwnTokens(f), "FUNCTION|(|)|RETURNS|TABLE");

    f = One<_TMssqlCreateFunction>("ALTER FUNCTION f (@x int) RETURNS TABLE WITH ENCRYPTION RETURN (SELECT 1 AS a)");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(TokText(f->CreateToken), "ALTER");
    EXPECT_EQ(f->OptionCode, 2);
    EXPECT_EQ(f->AsToken, nullptr);
    EXPECT_EQ(OwnTokens(f), "FUNCTION|(|)|RETURNS|TABLE");

    // A function always has parentheses, and one body.
    EXPECT_TRUE(Rejects("CREATE FUNCTION f RETURNS int AS BEGIN RETURN 1 END"));
}

}  // namespace
