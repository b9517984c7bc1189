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
    // The announced statement types, in order.
    std::string Types() const {
        std::string s;
        for (const TAnnounced& a : Announced) s += (s.empty() ? "" : ",") + std::to_string(static_cast<int>(a.Type));
        return s;
    }
};

TEST_F(MssqlFlow, BlocksHoldStatementsWithoutSeparators) {
    auto* b = One<_TMssqlBlock>("BEGIN SELECT 1 PRINT 'x' END");
    EXPECT_EQ(OwnTokens(b), "BEGIN|END");
    EXPECT_EQ(ListShape(b->StmtList), "<_TMssqlStmt>,<_TMssqlStmt>");
    EXPECT_NE(As<TRk_SelectStmt>(InnerOf(b->StmtList->Items[0])), nullptr);
    EXPECT_NE(As<_TMssqlPrint>(InnerOf(b->StmtList->Items[1])), nullptr);
    // Nested statements are announced before the block that holds them.
    EXPECT_EQ(Types(), "1,49,42");
    // A ";" inside a block is a syntax error.
    EXPECT_TRUE(Rejects("BEGIN SELECT 1; END"));
    EXPECT_EQ(Errors[0].token, ";");
}

TEST_F(MssqlFlow, IfElseAndWhile) {
    auto* i = One<_TMssqlIfElse>("IF @a = 1 SELECT 1 ELSE SELECT 2");
    EXPECT_EQ(Pic(Shape(i->Condition), i->HasElse, i->IsLoop, OwnTokens(i), Types()), "Cmp[=](@a,1) 1 0 IF|ELSE 1,1,39");
    EXPECT_NE(As<TRk_SelectStmt>(InnerOf(i->ThenStmt)), nullptr);
    EXPECT_NE(As<TRk_SelectStmt>(InnerOf(i->ElseStmt)), nullptr);

    i = One<_TMssqlIfElse>("IF EXISTS (SELECT * FROM sysobjects WHERE id = object_id(N'[dbo].[T]')) DROP TABLE [dbo].[T]\n");
    EXPECT_EQ(i->HasElse, 0);
    EXPECT_EQ(i->ElseStmt, nullptr);
    EXPECT_NE(As<_TMssqlDummyStmt>(InnerOf(i->ThenStmt)), nullptr);

    // ELSE belongs to the nearest IF.
    i = One<_TMssqlIfElse>("IF a = 1 IF b = 1 SELECT 1 ELSE SELECT 2");
    EXPECT_EQ(i->HasElse, 0);
    auto* inner = As<_TMssqlIfElse>(InnerOf(i->ThenStmt));
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(inner->HasElse, 1);

    // WHILE is announced as an IF.
    auto* w = One<_TMssqlIfElse>("WHILE @i < 10 BEGIN SET @i = @i + 1 END");
    EXPECT_EQ(Pic(w->IsLoop, OwnTokens(w), Announced.back().Type), Pic(1, "WHILE", sstMssqlIf));
    EXPECT_NE(As<_TMssqlBlock>(InnerOf(w->ThenStmt)), nullptr);
}

// One-word and small statements: own tokens, operand and announced type.
TEST_F(MssqlFlow, SmallStatements) {
    const struct {
        const char* Text;
        const char* Class;
        const char* Tokens;
        const char* Operand;  // RETURN and PRINT operand, or USE database
        TSqlStatementType Type;
    } cases[] = {
        {"RETURN", "_TMssqlReturn", "RETURN", "_", sstMssqlReturn},
        {"RETURN @x + 1", "_TMssqlReturn", "RETURN", "Arith[+](@x,1)", sstMssqlReturn},
        {"BREAK", "_TMssqlDummyStmt", "BREAK", "", sstMssqlBreak},
        {"CONTINUE", "_TMssqlDummyStmt", "CONTINUE", "", sstMssqlContinue},
        {"GO", "_TMssqlGo", "GO", "", sstMssqlGo},
        {"USE", "_TMssqlUse", "USE", "<nil>", sstMssqlUse},
        {"USE [Northwind]", "_TMssqlUse", "USE", "[Northwind]", sstMssqlUse},
        {"PRINT 'a' + @b", "_TMssqlPrint", "PRINT", "Arith[+]('a',@b)", sstMssqlPrint},
        {"lbl:", "_TMssqlDummyStmt", "lbl:", "", sstMssqlLabel},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        TRk_Node* n = One<TRk_Node>(c.Text);
        EXPECT_STREQ(n->ClassName(), c.Class);
        EXPECT_EQ(OwnTokens(n), c.Tokens);
        EXPECT_EQ(Announced.back().Type, c.Type);
        std::string operand;
        if (auto* r = As<_TMssqlReturn>(n)) operand = Shape(r->Operand);
        if (auto* p = As<_TMssqlPrint>(n)) operand = Shape(p->Operand);
        if (auto* u = As<_TMssqlUse>(n)) operand = TokText(u->DatabaseName);
        EXPECT_EQ(operand, c.Operand);
    }
    EXPECT_EQ(One<_TMssqlGo>("GO")->Count, 1);
    EXPECT_EQ(One<_TMssqlDummyStmt>("BREAK")->NodeKind, mnkBreak);
    EXPECT_EQ(One<_TMssqlDummyStmt>("CONTINUE")->NodeKind, mnkContinue);
    EXPECT_EQ(One<_TMssqlDummyStmt>("lbl:")->NodeKind, mnkLabel);
}

TEST_F(MssqlFlow, Cursors) {
    auto* f = One<_TMssqlFetch>("FETCH NEXT FROM c INTO @a, @b");
    auto* dir = As<TRk_DummyNode>(f->Direction);
    ASSERT_NE(dir, nullptr);
    auto* into = As<TRk_DummyNode>(f->IntoNode);
    ASSERT_NE(into, nullptr);
    EXPECT_EQ(Pic(dir->Int1, OwnTokens(dir), TokText(f->CursorName), f->IsGlobal, OwnTokens(into),
                  ListShape(into->List1), TokText(into->List1->Items[1]->AsToken()->GetSeparatorToken()), OwnTokens(f)),
              "1 NEXT|FROM c 0 INTO @a,@b , FETCH");
    EXPECT_EQ(Announced.back().Type, sstMssqlFetch);

    const struct {
        const char* Text;
        const char* Want;  // direction kind, cursor, global, own tokens
    } fetches[] = {
        {"FETCH c", "-1 c 0 FETCH"},
        {"FETCH @c", "-1 @c 0 FETCH|@c"},
        {"FETCH GLOBAL c", "-1 c 1 FETCH|GLOBAL"},
        {"FETCH PRIOR FROM @c", "2 @c 0 FETCH|@c"},
        {"FETCH FIRST FROM c", "3 c 0 FETCH"},
        {"FETCH LAST FROM GLOBAL c", "4 c 1 FETCH|GLOBAL"},
        {"FETCH FROM c", "5 c 0 FETCH"},
        {"FETCH ABSOLUTE 5 FROM c", "6 c 0 FETCH"},
        {"FETCH RELATIVE @n FROM c", "7 c 0 FETCH"},
    };
    for (const auto& t : fetches) {
        f = One<_TMssqlFetch>(t.Text);
        auto* d = As<TRk_DummyNode>(f->Direction);
        EXPECT_EQ(Pic(d ? d->Int1 : -1, TokText(f->CursorName), f->IsGlobal, OwnTokens(f)), t.Want) << t.Text;
        EXPECT_EQ(f->IntoNode, nullptr) << t.Text;
    }
    f = One<_TMssqlFetch>("FETCH ABSOLUTE 5 FROM c");
    EXPECT_EQ(TokText(As<TRk_DummyNode>(f->Direction)->Tok1), "5");
    EXPECT_EQ(OwnTokens(f->Direction), "ABSOLUTE|5|FROM");

    const struct {
        const char* Text;
        uint8_t Kind;
        const char* Want;  // cursor, global, own tokens
        TSqlStatementType Type;
    } stmts[] = {
        {"OPEN c", mnkOpen, "c 0 OPEN", sstMssqlOpen},
        {"OPEN @c", mnkOpen, "@c 0 OPEN", sstMssqlOpen},
        {"OPEN GLOBAL c", mnkOpen, "c 1 OPEN|GLOBAL", sstMssqlOpen},
        {"CLOSE c", mnkClose, "c 0 CLOSE", sstMssqlClose},
        {"CLOSE @c", mnkClose, "@c 0 CLOSE", sstMssqlClose},
        {"CLOSE GLOBAL c", mnkClose, "c 1 CLOSE|GLOBAL", sstMssqlClose},
        {"DEALLOCATE c", mnkDeallocate, "c 0 DEALLOCATE", sstMssqlDeallocate},
        {"DEALLOCATE GLOBAL c", mnkDeallocate, "c 1 DEALLOCATE|GLOBAL", sstMssqlDeallocate},
        {"DEALLOCATE @c", mnkDeallocate, "@c 0 DEALLOCATE|@c", sstMssqlDeallocate},
        {"DEALLOCATE GLOBAL @c", mnkDeallocate, "@c 1 DEALLOCATE|GLOBAL|@c", sstMssqlDeallocate},
    };
    for (const auto& t : stmts) {
        auto* d = One<_TMssqlDummyStmt>(t.Text);
        EXPECT_EQ(d->NodeKind, t.Kind) << t.Text;
        EXPECT_EQ(Pic(TokText(d->CursorName), d->IsGlobal, OwnTokens(d)), t.Want) << t.Text;
        EXPECT_EQ(Announced.back().Type, t.Type) << t.Text;
    }
}

TEST_F(MssqlFlow, Execute) {
    auto* e = One<_TMssqlExecute>("EXEC dbo.p @a = 1, 'x' OUTPUT, -1, NULL, @@ERROR, @v OUT");
    // Only the string form has own tokens.
    EXPECT_EQ(Pic(TokText(e->ExecToken), e->IsStringExec, TokText(e->ReturnStatus),
                  NameText(As<TRk_DummyNode>(e->ModuleName)->Sub1), OwnTokens(e)),
              "EXEC 0 <nil> dbo.p ");
    ASSERT_NE(e->Params, nullptr);
    // Each parameter: name, "=", value tokens, OUTPUT word, separator.
    std::vector<std::string> params;
    for (int i = 0; i < e->Params->Count(); ++i) {
        auto* p = As<TRk_DummyNode>(e->Params->Items[static_cast<size_t>(i)]);
        params.push_back(Pic(TokText(p->Tok1), TokText(p->Tok2), OwnTokens(p->Sub1), TokText(p->Tok3),
                             TokText(p->SeparatorToken)));
    }
    EXPECT_EQ(params, (std::vector<std::string>{"@a = 1 <nil> <nil>", "<nil> <nil> 'x' OUTPUT ,",
                                                "<nil> <nil> -|1 <nil> ,", "<nil> <nil> NULL <nil> ,",
                                                "<nil> <nil> @@ERROR <nil> ,", "<nil> <nil> @v OUT ,"}));
    EXPECT_EQ(Announced.back().Type, sstMssqlExec);

    e = One<_TMssqlExecute>("EXECUTE @rc = p WITH RECOMPILE");
    EXPECT_EQ(Pic(TokText(e->ExecToken), TokText(e->ReturnStatus), TokText(e->EqualToken), TokText(e->WithToken),
                  TokText(e->RecompileToken), e->Params == nullptr),
              "EXECUTE @rc = WITH RECOMPILE 1");
    e = One<_TMssqlExecute>("EXEC @proc");
    EXPECT_EQ(TokText(As<TRk_DummyNode>(e->ModuleName)->Tok1), "@proc");

    e = One<_TMssqlExecute>("EXEC ('SELECT * FROM ' + @t + N' WHERE 1 = 1')");
    EXPECT_EQ(Pic(e->IsStringExec, OwnTokens(e)), "1 (|)");
    ASSERT_EQ(e->Params->Count(), 3);
    EXPECT_EQ(e->Params->Items[0]->AsToken()->GetSeparatorToken(), nullptr);
    EXPECT_EQ(TokText(e->Params->Items[1]->AsToken()->GetSeparatorToken()), "+");
    EXPECT_EQ(TokText(e->Params->Items[2]->AsToken()), "N' WHERE 1 = 1'");
}

TEST_F(MssqlFlow, SetForms) {
    auto* s = One<_TMssqlSet>("SET @x = @y * 2");
    EXPECT_EQ(Pic(TokText(s->SetToken), TokText(s->VarToken), TokText(s->EqualToken), Shape(s->Expr), OwnTokens(s)),
              "SET @x = Arith[*](@y,2) ");

    s = One<_TMssqlSet>("SET @c = CURSOR SCROLL KEYSET OPTIMISTIC TYPE_WARNING FOR SELECT a FROM t");
    EXPECT_EQ(Pic(TokText(s->CursorToken), TokText(s->ScrollToken), TokText(s->CursorKindToken),
                  TokText(s->ConcurrencyToken), TokText(s->TypeWarningToken), TokText(s->ForToken), s->Query != nullptr),
              "CURSOR SCROLL KEYSET OPTIMISTIC TYPE_WARNING FOR 1");
    s = One<_TMssqlSet>("SET @c = CURSOR FOR SELECT a FROM t");
    EXPECT_EQ(Pic(TokText(s->ScrollToken), TokText(s->CursorKindToken)), "<nil> <nil>");

    // Any other SET keeps its raw tokens, SET first.
    Parse("SET NOCOUNT ON\nSELECT 1\n");
    EXPECT_TRUE(Errors.empty());
    EXPECT_EQ(Kinds(), "_TMssqlSet TRk_SelectStmt");
    auto* raw = Inner<_TMssqlSet>(0);
    ASSERT_NE(raw, nullptr);
    EXPECT_EQ(OwnTokens(raw).rfind("SET|NOCOUNT| |ON", 0), 0u) << OwnTokens(raw);
    EXPECT_EQ(raw->SetToken, nullptr);
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
    EXPECT_EQ(Pic(drop->NodeKind, OwnTokens(drop), drop->StmtTokens->GetToken(0)->GetText()), Pic(mnkDrop, "DROP", "DROP"));
    EXPECT_NE(Inner<TRk_SelectStmt>(1), nullptr);
    EXPECT_EQ(Inner<_TMssqlDummyStmt>(2)->NodeKind, mnkDrop);
    EXPECT_EQ(Inner<_TMssqlDummyStmt>(3)->NodeKind, mnkFirstWordStmt);
    EXPECT_EQ(OwnTokens(Inner<_TMssqlDummyStmt>(3)), "RAISERROR");
    EXPECT_NE(Inner<TRk_SelectStmt>(4), nullptr);
    EXPECT_EQ(Inner<_TMssqlDummyStmt>(5)->NodeKind, mnkFirstWordStmt);
    EXPECT_EQ(Types(), "59,1,59,0,1,0");
    for (const char* w : {"DBCC CHECKDB", "RESTORE DATABASE x", "WAITFOR DELAY '00:00:01'", "BACKUP LOG x",
                          "REVOKE SELECT ON t FROM u"})
        EXPECT_EQ(One<_TMssqlDummyStmt>(w)->NodeKind, mnkFirstWordStmt) << w;
}

TEST_F(MssqlFlow, BeginTransaction) {
    auto* d = One<_TMssqlDummyStmt>("BEGIN TRAN");
    EXPECT_EQ(Pic(d->NodeKind, OwnTokens(d), Announced.back().Type), Pic(mnkBeginTran, "BEGIN|TRAN", sstBeginTranStmt));
    // The description string is kept with the other words.
    EXPECT_EQ(OwnTokens(One<_TMssqlDummyStmt>("BEGIN TRANSACTION @t WITH MARK 'desc'")),
              "BEGIN|TRANSACTION|@t|WITH|MARK|'desc'");
    EXPECT_EQ(OwnTokens(One<_TMssqlDummyStmt>("BEGIN TRAN t1 WITH MARK")), "BEGIN|TRAN|t1|WITH|MARK");
}

TEST_F(MssqlFlow, Declarations) {
    auto* d = One<_TMssqlDeclare>("DECLARE @a int, @b AS varchar(10), @c CURSOR");
    EXPECT_EQ(Pic(d->Kind, OwnTokens(d), Announced.back().Type), Pic(1, "DECLARE", sstMssqlDeclare));
    ASSERT_EQ(d->Vars->Count(), 3);
    // Each variable: name, own tokens, kind, AS, separator, type form.
    std::vector<std::string> vars;
    for (int i = 0; i < 3; ++i) {
        auto* v = As<_TMssql_declare_var>(d->Vars->Items[static_cast<size_t>(i)]);
        auto* ty = As<TRk_TypeName>(v->DataType);
        vars.push_back(Pic(TokText(v->NameToken), OwnTokens(v), v->Kind, TokText(v->AsToken),
                           TokText(v->SeparatorToken), ty ? ty->TypeForm : -1));
    }
    EXPECT_EQ(vars, (std::vector<std::string>{"@a @a 1 <nil> <nil> 2", "@b @b 1 AS , 41", "@c CURSOR 2 <nil> , -1"}));
    EXPECT_EQ(OwnTokens(One<_TMssqlDeclare>("DECLARE x int")->Vars->Items[0]->AsNode()), "");

    const struct {
        const char* Text;
        const char* Want;  // name, option, options, query, own tokens
    } cursors[] = {
        {"DECLARE c CURSOR FOR SELECT a FROM t", "c <nil> <nil> 1 DECLARE|CURSOR|FOR"},
        {"DECLARE c INSENSITIVE CURSOR FOR SELECT 1", "c INSENSITIVE <nil> 1 DECLARE|CURSOR|FOR"},
        {"DECLARE c SCROLL CURSOR FOR SELECT 1", "c SCROLL <nil> 1 DECLARE|CURSOR|FOR"},
        {"DECLARE c CURSOR LOCAL FAST_FORWARD FOR SELECT 1", "c <nil> LOCAL,FAST_FORWARD 1 DECLARE|CURSOR|FOR"},
    };
    for (const auto& c : cursors) {
        d = One<_TMssqlDeclare>(c.Text);
        EXPECT_EQ(d->Kind, 2) << c.Text;
        EXPECT_EQ(Pic(TokText(d->CursorName), TokText(d->CursorOption), ListShape(d->CursorOptions),
                      d->Query != nullptr, OwnTokens(d)),
                  c.Want);
    }
    EXPECT_TRUE(Rejects("DECLARE @x int = 1"));
}

TEST_F(MssqlFlow, Procedures) {
    auto* p = One<_TMssqlCreateProcedure>(
        "CREATE PROCEDURE dbo.p @a int = 1 OUTPUT, @b varchar(10) AS SELECT @a SELECT @b");
    EXPECT_EQ(Pic(TokText(p->CreateToken), TokText(p->ProcToken), NameText(p->Name), p->HasParens,
                  TokText(p->ProcNumber), p->OptionCode, p->ForReplication, OwnTokens(p), p->BodyList->Count()),
              "CREATE PROCEDURE dbo.p 0 <nil> 0 0 AS 2");
    ASSERT_EQ(p->Params->Count(), 2);
    auto* a = As<_TMssql_ParameterDecl>(p->Params->Items[0]);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(a->DefaultPart, nullptr);
    EXPECT_EQ(Pic(TokText(a->NameToken), OwnTokens(a), Shape(a->DefaultPart->DefaultExpr), a->DefaultPart->IsOutput,
                  a->DefaultPart->IsVarying, TokText(a->DefaultPart->EqualToken), OwnTokens(a->DefaultPart)),
              "@a @a 1 1 0 = OUTPUT");
    auto* b = As<_TMssql_ParameterDecl>(p->Params->Items[1]);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->DefaultPart, nullptr);
    EXPECT_EQ(TokText(b->SeparatorToken), ",");
    // The statements of the body are announced before the procedure.
    EXPECT_EQ(Types(), "1,1,44");

    p = One<_TMssqlCreateProcedure>("ALTER PROCEDURE p (@c cursor_t VARYING = NULL OUT) WITH RECOMPILE FOR REPLICATION AS RETURN");
    EXPECT_EQ(Pic(TokText(p->CreateToken), p->HasParens, p->OptionCode, OwnTokens(p->OptionNode), p->ForReplication,
                  OwnTokens(p->ReplicationNode), OwnTokens(p)),
              "ALTER 1 1 WITH|RECOMPILE 1 FOR|REPLICATION (|)|AS");
    auto* c = As<_TMssql_ParameterDecl>(p->Params->Items[0]);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(Pic(c->DefaultPart->IsVarying, c->DefaultPart->IsOutput, OwnTokens(c->DefaultPart)), "1 1 VARYING|OUT");

    const struct {
        const char* Text;
        const char* Want;  // PROC word, number, option code, parameters, own tokens
    } forms[] = {
        {"CREATE PROC p;2 AS SELECT 1", "PROC 2 0 0 ;|AS"},
        {"CREATE PROCEDURE p;3 (@a int) WITH RECOMPILE, ENCRYPTION AS SELECT 1", "PROCEDURE 3 3 1 ;|(|)|AS"},
        {"CREATE PROCEDURE p () WITH ENCRYPTION AS SELECT 1", "PROCEDURE <nil> 2 0 (|)|AS"},
        {"CREATE PROCEDURE p;1 @a int AS SELECT 1", "PROCEDURE 1 0 1 ;|AS"},
    };
    for (const auto& f : forms) {
        p = One<_TMssqlCreateProcedure>(f.Text);
        EXPECT_EQ(Pic(TokText(p->ProcToken), TokText(p->ProcNumber), p->OptionCode,
                      p->Params ? p->Params->Count() : 0, OwnTokens(p)),
                  f.Want);
    }
}

TEST_F(MssqlFlow, WhereAProcedureBodyEnds) {
    const struct {
        const char* Text;
        const char* Want;
    } cases[] = {
        // At ";" the next statement stands alone; at GO; before the next
        // CREATE PROCEDURE or FUNCTION.
        {"CREATE PROCEDURE p AS SELECT 1; SELECT 2", "_TMssqlCreateProcedure TRk_SelectStmt"},
        {"CREATE PROCEDURE p AS\nSELECT 1\nGO\nSELECT 2\n", "_TMssqlCreateProcedure _TMssqlGo TRk_SelectStmt"},
        {"CREATE PROCEDURE p AS SELECT 1\nCREATE PROC q AS SELECT 2\nALTER FUNCTION f () RETURNS int AS BEGIN RETURN 1 END\n",
         "_TMssqlCreateProcedure _TMssqlCreateProcedure _TMssqlCreateFunction"},
        // Anything else without GO belongs to the body.
        {"CREATE PROCEDURE p AS SELECT 1\nCREATE TABLE t (a int)\n", "_TMssqlCreateProcedure"},
        // An unterminated statement ends before CREATE PROCEDURE.
        {"SELECT a FROM t CREATE PROCEDURE p AS SELECT 1", "TRk_SelectStmt _TMssqlCreateProcedure"},
    };
    for (const auto& c : cases) {
        Parse(c.Text);
        EXPECT_TRUE(Errors.empty()) << c.Text;
        EXPECT_EQ(Kinds(), c.Want) << c.Text;
    }
    Parse(cases[0].Text);
    EXPECT_EQ(Inner<_TMssqlCreateProcedure>(0)->BodyList->Count(), 1);
    EXPECT_EQ(TokText(Item(0)->TerminatorToken), ";");
    Parse(cases[3].Text);
    EXPECT_EQ(Inner<_TMssqlCreateProcedure>(0)->BodyList->Count(), 2);
}

TEST_F(MssqlFlow, Functions) {
    auto* f = One<_TMssqlCreateFunction>("CREATE FUNCTION dbo.f (@a int, @b int = 2) RETURNS int AS BEGIN RETURN @a + @b END");
    EXPECT_EQ(Pic(TokText(f->CreateToken), NameText(f->Name), f->Params->Count(), As<TRk_TypeName>(f->ReturnType) != nullptr,
                  f->ReturnKind, f->BodyKind, TokText(f->AsToken), As<_TMssqlBlock>(f->Body) != nullptr, OwnTokens(f),
                  Types()),
              "CREATE dbo.f 2 1 1 1 AS 1 FUNCTION|(|)|RETURNS 48,45");

    f = One<_TMssqlCreateFunction>("CREATE FUNCTION f () RETURNS TABLE AS RETURN (SELECT 1 AS a)");
    EXPECT_EQ(Pic(f->Params == nullptr, f->ReturnType == nullptr, f->ReturnKind, f->BodyKind,
                  As<_TMssqlReturn>(f->Body) != nullptr, OwnTokens(f)),
              "1 1 2 2 1 FUNCTION|(|)|RETURNS|TABLE");

    f = One<_TMssqlCreateFunction>("ALTER FUNCTION f (@x int) RETURNS TABLE WITH ENCRYPTION RETURN (SELECT 1 AS a)");
    EXPECT_EQ(Pic(TokText(f->CreateToken), f->OptionCode, TokText(f->AsToken), OwnTokens(f)),
              "ALTER 2 <nil> FUNCTION|(|)|RETURNS|TABLE");

    // A function always has parentheses, and one body.
    EXPECT_TRUE(Rejects("CREATE FUNCTION f RETURNS int AS BEGIN RETURN 1 END"));
}

}  // namespace
