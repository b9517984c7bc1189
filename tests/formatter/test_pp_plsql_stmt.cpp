// Layout of the PL/SQL statements, on trees built by hand.
#include <gtest/gtest.h>

#include "test_pp_plsql_fixture.h"

using plsqltest::PlsqlTreeTest;

namespace {

class StmtPrinter : public PlsqlTreeTest {
protected:
    TRkPlsql_ProcBasicStmt* Call(const char* Word) {
        auto* s = New<TRkPlsql_ProcBasicStmt>();
        s->CallExpr = Text(Word);
        Tk(Word);
        s->Terminator = Tk(";");
        return s;
    }

    void Label(TRkPlsql_Element* E, const char* Name) {
        E->LabelOpen = Tk("<<");
        E->LabelToken = Tk(Name);
        E->LabelClose = Tk(">>");
    }

    TRkPlsql_ExprLeftSide* Target(const char* Name) {
        auto* t = New<TRkPlsql_ExprLeftSide>();
        t->NameToken = Tk(Name);
        return t;
    }
};

TEST_F(StmtPrinter, LabelledAssignmentWithAMultiLineValue) {
    Scan("<<l>> x := f(a, b);");
    auto* s = New<TRkPlsql_AssignStmt>();
    Label(s, "l");
    s->Target = Target("x");
    Own(s, {Tk(":=")});
    s->Value = Text("F(a,\r\nb)");
    s->Terminator = Tk(";");
    EXPECT_EQ(Print(s), "<<l>>\r\nx := F(a,\r\n     b);");
}

TEST_F(StmtPrinter, AssignmentTargets) {
    Scan("a.b.c a(i) r");
    auto* q = New<TRkPlsql_ExprLeftSide>();
    TSourceToken* a = Tk("a");
    TSourceToken* dot = Tk(".");
    TSourceToken* b = Tk("b");
    q->Qualifiers = List({a, b}, {dot});
    q->DotToken = Tk(".");
    q->NameToken = Tk("c");
    EXPECT_EQ(Print(q), "a.b.c");

    auto* br = New<TRkPlsql_ExprLeftSide>();
    br->Qualifiers = List({Tk("a")});
    br->Bracket = 1;
    Own(br, {Tk("(")});
    br->NameToken = Tk("i");
    Own(br, {Tk(")")});
    EXPECT_EQ(Print(br), "a(i)");

    auto* at = New<TRkPlsql_ExprLeftSide>();
    at->Attr = Text("rec.fld");
    at->NameToken = Tk("r");  // the qualified name wins
    EXPECT_EQ(Print(at), "rec.fld");
}

TEST_F(StmtPrinter, ExitGotoRaiseCloseReturn) {
    Scan("exit outer when a > 1 and b; exit; goto l1; raise e; raise; close c; return x; return;");
    auto* e = New<TRkPlsql_ExitStmt>();
    Own(e, {Tk("exit")});
    e->LabelName = Tk("outer");
    Own(e, {Tk("when")});
    e->Condition = Text("a > 1\r\nAND b");
    e->Terminator = Tk(";");
    // The condition's later lines stand under its first character.
    EXPECT_EQ(Print(e), "EXIT OUTER WHEN a > 1\r\n                AND b;");

    auto* bare = New<TRkPlsql_ExitStmt>();
    Own(bare, {Tk("exit")});
    bare->Terminator = Tk(";");
    EXPECT_EQ(Print(bare), "EXIT;");

    auto* g = New<TRkPlsql_GotoStmt>();
    Own(g, {Tk("goto")});
    g->LabelName = Tk("l1");
    g->Terminator = Tk(";");
    EXPECT_EQ(Print(g), "GOTO l1;");

    auto* r = New<TRkPlsql_RaiseStmt>();
    Own(r, {Tk("raise")});
    r->ExceptionName = Tk("e");
    r->Terminator = Tk(";");
    EXPECT_EQ(Print(r), "RAISE e;");
    auto* r2 = New<TRkPlsql_RaiseStmt>();
    Own(r2, {Tk("raise")});
    r2->Terminator = Tk(";");
    EXPECT_EQ(Print(r2), "RAISE;");

    auto* c = New<TRkPlsql_CloseStmt>();
    Own(c, {Tk("close")});
    c->CursorName = Tk("c");
    c->Terminator = Tk(";");
    EXPECT_EQ(Print(c), "CLOSE c;");

    auto* ret = New<TRkPlsql_ReturnStmt>();
    Own(ret, {Tk("return")});
    ret->Expression = Text("x +\r\ny");
    ret->Terminator = Tk(";");
    EXPECT_EQ(Print(ret), "RETURN x +\r\n       y;");
    auto* ret2 = New<TRkPlsql_ReturnStmt>();
    Own(ret2, {Tk("return")});
    ret2->Terminator = Tk(";");
    EXPECT_EQ(Print(ret2), "RETURN;");
}

TEST_F(StmtPrinter, ProcedureCallCarriesNoLabel) {
    Scan("<<l>> p;");
    auto* s = New<TRkPlsql_ProcBasicStmt>();
    Label(s, "l");
    s->CallExpr = Text("p");
    Tk("p");
    s->Terminator = Tk(";");
    EXPECT_EQ(Print(s), "p;");
    s->CallExpr = nullptr;
    EXPECT_EQ(Print(s), "");
}

TEST_F(StmtPrinter, CursorStatements) {
    Scan("open c; fetch c into a; open c for select a from t; open c for q using a;");
    auto* o = New<TRkPlsql_OpenStmt>();
    Own(o, {Tk("open")});
    o->Cursor = Text("c");
    o->Terminator = Tk(";");
    EXPECT_EQ(Print(o), "OPEN c;");

    auto* f = New<TRkPlsql_FetchStmt>();
    Own(f, {Tk("fetch")});
    f->Cursor = Text("c");
    Own(f, {Tk("into")});
    f->IntoList = List({Text("a")});
    f->Terminator = Tk(";");
    f->Analyze();
    EXPECT_EQ(Print(f), "FETCH c INTO a;");

    // The query on the next line, indented 2; it carries its own ";".
    auto* q = New<TRkPlsql_OpenforStmt>();
    Own(q, {Tk("open")});
    q->CursorVar = Tk("c");
    Own(q, {Tk("for")});
    q->Query = Query("SELECT a\r\nFROM   t;");
    EXPECT_EQ(Print(q), "OPEN c FOR\r\n  SELECT a\r\n  FROM   t;");

    auto* d = New<TRkPlsql_OpenforStmt>();
    Own(d, {Tk("open")});
    d->CursorVar = Tk("c");
    Own(d, {Tk("for")});
    d->QueryExpr = Text("q");
    Own(d, {Tk("using")});
    d->Binds = List({Text("a")});
    d->Terminator = Tk(";");
    d->Analyze();
    EXPECT_EQ(Print(d), "OPEN c FOR q USING a;");
}

TEST_F(StmtPrinter, ExecuteImmediateWithIntoUsingAndReturning) {
    Scan("execute immediate 'x' into a using in out b, c returning into d;");
    auto* s = New<TRkPlsql_ExecImmeStmt>();
    Own(s, {Tk("execute"), Tk("immediate")});
    s->SqlExpr = Text("'x' ||\r\n'y'");
    s->IntoToken = Tk("into");
    s->IntoList = List({Text("a")});
    s->UsingToken = Tk("using");
    auto* b1 = Dummy();
    b1->Int1 = 4;
    b1->Tok2 = Tk("in");
    b1->Tok3 = Tk("out");
    b1->Tok1 = Tk("b");
    TSourceToken* comma = Tk(",");
    auto* b2 = Dummy();
    b2->Int1 = 1;
    b2->Tok1 = Tk("c");
    s->UsingList = List({b1, b2}, {comma});
    auto* ret = Dummy();
    ret->Int1 = 2;
    ret->Tok1 = Tk("returning");
    ret->Tok2 = Tk("into");
    ret->List1 = List({Tk("d")});
    s->Returning = ret;
    s->Terminator = Tk(";");
    s->Analyze();
    // The dynamic string's later lines at 18; USING on a new line after one
    // blank; RETURNING at the start of a line.
    EXPECT_EQ(Print(s),
              "EXECUTE IMMEDIATE 'x' ||\r\n"
              "                  'y' INTO a\r\n"
              " USING IN OUT b,c\r\n"
              "RETURNING INTO d;");
}

// ---------------------------------------------------------------------------

TEST_F(StmtPrinter, IfWithElsifsAndElse) {
    Scan("if a then x; elsif b then y; elsif c then z; else w; end if;");
    auto* s = New<TRkPlsql_IfStmt>();
    Own(s, {Tk("if")});
    s->Condition = Text("a\r\nAND a2");
    Own(s, {Tk("then")});
    s->ThenStmts = List({Call("x")});
    auto elsif = [&](const char* Cond, const char* Stmt) {
        auto* e = New<TRkPlsql_ElsifStmt>();
        Own(e, {Tk("elsif")});
        e->Condition = Text(Cond);
        Own(e, {Tk("then")});
        e->Statements = List({Call(Stmt)});
        return e;
    };
    auto* e1 = elsif("b", "y");
    auto* e2 = elsif("c\r\nOR c2", "z");
    s->ElsifList = List({e1, e2});
    Own(s, {Tk("else")});
    s->ElseStmts = List({Call("w")});
    Own(s, {Tk("end"), Tk("if")});
    s->Terminator = Tk(";");
    s->Analyze();
    EXPECT_EQ(Print(s),
              "IF a\r\n   AND a2 THEN\r\n  x;\r\n"
              "ELSIF b THEN\r\n  y;\r\n"
              "ELSIF c\r\n      OR c2 THEN\r\n  z;\r\n"
              "ELSE\r\n  w;\r\nEND IF;");
}

TEST_F(StmtPrinter, IfWithoutElse) {
    Scan("<<l>> if a then x; end if;");
    auto* s = New<TRkPlsql_IfStmt>();
    Label(s, "l");
    Own(s, {Tk("if")});
    s->Condition = Text("a");
    Own(s, {Tk("then")});
    s->ThenStmts = List({Call("x")});
    Own(s, {Tk("end"), Tk("if")});
    s->Terminator = Tk(";");
    s->Analyze();
    EXPECT_EQ(Print(s), "<<l>>\r\nIF a THEN\r\n  x;\r\nEND IF;");
}

class LoopPrinter : public StmtPrinter {
protected:
    // A loop of Kind over Sql, its own tokens the listed words in order.
    TRkPlsql_LoopStmt* Loop(int Kind, std::initializer_list<const char*> Words) {
        auto* s = New<TRkPlsql_LoopStmt>();
        s->LoopKind = Kind;
        for (const char* w : Words) Own(s, {Tk(w)});
        return s;
    }
    void Finish(TRkPlsql_LoopStmt* S, bool Body = true) {
        if (Body) S->Statements = List({Call("x")});
        Own(S, {Tk("end"), Tk("loop")});
        S->Terminator = Tk(";");
        S->Analyze();
    }
};

TEST_F(LoopPrinter, PlainLoopWithLabelAndEndLabel) {
    Scan("<<lp>> loop x; end loop lp;");
    auto* s = New<TRkPlsql_LoopStmt>();
    Label(s, "lp");
    s->LoopKind = 1;
    Own(s, {Tk("loop")});
    s->Statements = List({Call("x")});
    Own(s, {Tk("end"), Tk("loop")});
    s->EndLabel = Tk("lp");
    s->Terminator = Tk(";");
    s->Analyze();
    EXPECT_EQ(Print(s), "<<lp>>\r\nLOOP\r\n  x;\r\nEND LOOP lp;");
}

TEST_F(LoopPrinter, WhileAndNumericRanges) {
    Scan("while a loop x; end loop;");
    auto* w = Loop(2, {"while"});
    w->WhileCondition = Text("a");
    Own(w, {Tk("loop")});
    Finish(w);
    EXPECT_EQ(Print(w), "WHILE a LOOP\r\n  x;\r\nEND LOOP;");

    // A blank after ".." in the numeric range, none in the REVERSE one.
    Scan("for i in 1 .. 10 loop x; end loop;");
    auto* f = Loop(3, {"for"});
    f->IndexToken = Tk("i");
    Own(f, {Tk("in")});
    f->LowerBound = Text("1");
    Own(f, {Tk(".."), Tk("loop")});
    f->UpperBound = Text("10");
    Finish(f);
    EXPECT_EQ(Print(f), "FOR i IN 1.. 10 LOOP\r\n  x;\r\nEND LOOP;");

    Scan("for i in reverse 1 .. 10 loop x; end loop;");
    auto* r = Loop(4, {"for"});
    r->IndexToken = Tk("i");
    Own(r, {Tk("in"), Tk("reverse")});
    r->LowerBound = Text("1");
    Own(r, {Tk(".."), Tk("loop")});
    r->UpperBound = Text("10");
    Finish(r);
    EXPECT_EQ(Print(r), "FOR i IN REVERSE 1..10 LOOP\r\n  x;\r\nEND LOOP;");
}

TEST_F(LoopPrinter, CursorLoops) {
    Scan("for r in (select a from t) loop x; end loop;");
    auto* q = Loop(5, {"for"});
    q->IndexToken = Tk("r");
    Own(q, {Tk("in")});
    q->Query = Query("(SELECT a\r\n FROM   t)");
    Own(q, {Tk("loop")});
    Finish(q);
    // LOOP on the line after the query.
    EXPECT_EQ(Print(q), "FOR r IN (SELECT a\r\n          FROM   t)\r\nLOOP\r\n  x;\r\nEND LOOP;");

    Scan("for r in c loop x; end loop;");
    auto* c = Loop(6, {"for"});
    c->IndexToken = Tk("r");
    Own(c, {Tk("in")});
    c->Cursor = Text("c");
    Own(c, {Tk("loop")});
    Finish(c);
    EXPECT_EQ(Print(c), "FOR r IN c LOOP\r\n  x;\r\nEND LOOP;");
    c->LoopKind = 8;
    EXPECT_EQ(Print(c), "FOR r IN c LOOP\r\n  x;\r\nEND LOOP;");

    Scan("for r in c(1, 2) loop x; end loop;");
    auto* a = Loop(7, {"for"});
    a->IndexToken = Tk("r");
    Own(a, {Tk("in")});
    a->Cursor = Text("c");
    Own(a, {Tk("(")});
    TRk_Node* one = Text("1");
    TSourceToken* comma = Tk(",");
    a->CursorArgs = List({one, Text("2")}, {comma});
    Own(a, {Tk(")"), Tk("loop")});
    Finish(a);
    EXPECT_EQ(Print(a), "FOR r IN c(1,2) LOOP\r\n  x;\r\nEND LOOP;");

    // An unknown kind prints only what every loop has.
    a->LoopKind = 9;
    Scan("x");
    a->EndLabel = Tk("x");
    EXPECT_EQ(Print(a), " x;");
}

TEST_F(StmtPrinter, ForallIndentsItsStatement) {
    Scan("forall i in 1 .. n delete from t where a = b(i);");
    auto* s = New<TRkPlsql_ForallStmt>();
    Own(s, {Tk("forall")});
    s->IndexToken = Tk("i");
    Own(s, {Tk("in")});
    s->LowerBound = Text("1");
    Own(s, {Tk("..")});
    s->UpperBound = Text("n");
    auto* dml = New<TRkPlsql_SqlStmt>();
    dml->SqlStatement = Query("DELETE FROM t\r\nWHERE       a = b(i);");
    s->DmlStmt = dml;
    EXPECT_EQ(Print(s), "FORALL i IN 1..n\r\n  DELETE FROM t\r\n  WHERE       a = b(i);");
}

TEST_F(StmtPrinter, CaseStatementWithStatementBranches) {
    Scan("case x when 1 then a; when 2 then b; c; else d; end case lbl;");
    auto* body = New<TRkPlsql_CaseExpr>();
    Own(body, {Tk("case")});
    body->Selector = Text("x");
    auto when = [&](const char* Value, std::initializer_list<const char*> Stmts) {
        auto* w = New<TRkPlsql_CaseExprWhenClause>();
        Own(w, {Tk("when")});
        w->Condition = Text(Value);
        Own(w, {Tk("then")});
        w->Statements = New<TRk_List>();
        for (const char* st : Stmts) w->Statements->Add(Call(st));
        return w;
    };
    auto* w1 = when("1", {"a"});
    auto* w2 = when("2", {"b", "c"});
    body->WhenClauses = List({w1, w2});
    auto* e = Dummy();
    e->Int1 = 1;
    e->Tok1 = Tk("else");
    body->ElsePart = e;
    body->ElseStmts = List({Call("d")});
    Own(body, {Tk("end")});
    auto* s = New<TRkPlsql_CaseStmt>();
    s->Body = body;
    Own(s, {Tk("case")});
    s->EndLabel = Tk("lbl");
    s->Terminator = Tk(";");
    s->Analyze();
    // The first statement of a branch stays on the WHEN line, the others
    // under it (the section's empty line included).
    EXPECT_EQ(Print(s),
              "CASE x\r\n"
              "  WHEN 1 THEN  a;\r\n"
              "  WHEN 2 THEN  b;\r\n"
              "               \r\n"
              "               c;\r\n"
              "  ELSE d;\r\n"
              "END CASE lbl;");
}

TEST_F(StmtPrinter, SearchedCaseWithExpressionBranches) {
    Scan("case when a then 1 else 2 end");
    auto* c = New<TRkPlsql_CaseExpr>();
    Own(c, {Tk("case")});
    auto* w = New<TRkPlsql_CaseExprWhenClause>();
    Own(w, {Tk("when")});
    w->Condition = Text("a\r\nOR b");
    Own(w, {Tk("then")});
    w->Result = Text("1");
    c->WhenClauses = List({w});
    auto* e = Dummy();
    e->Int1 = 2;
    e->Tok1 = Tk("else");
    c->ElsePart = e;
    c->ElseExpr = Text("2");
    Own(c, {Tk("end")});
    c->Analyze();
    EXPECT_EQ(Print(c), "CASE\r\n  WHEN a\r\n       OR b THEN  1\r\n  ELSE 2\r\nEND");
}

}  // namespace
