// Layout of procedures, functions, specs, packages and triggers,
// on trees built by hand.
#include <gtest/gtest.h>

#include "test_pp_plsql_fixture.h"

using plsqltest::PlsqlTreeTest;

namespace {

class UnitPrinter : public PlsqlTreeTest {
protected:
    TRkPlsql_ProcBasicStmt* Call(const char* Word, const char* Shown = nullptr) {
        auto* s = New<TRkPlsql_ProcBasicStmt>();
        s->CallExpr = Text(Shown ? Shown : Word);
        Tk(Word);
        s->Terminator = Tk(";");
        return s;
    }

    TRkPlsql_VarDecl* Var(const char* Name, const char* Type) {
        auto* v = New<TRkPlsql_VarDecl>();
        v->DeclKind = 1;
        v->NameToken = Tk(Name);
        v->DataType = Text(Type);
        v->Terminator = Tk(";");
        return v;
    }

    // name [IN] [OUT] type [:= value]
    TRkPlsql_ParameterDecl* Param(const char* Name, int Mode, const char* Type,
                                  const char* Value = nullptr) {
        auto* p = New<TRkPlsql_ParameterDecl>();
        p->NameToken = Tk(Name);
        p->Mode = Mode;
        if (Mode == 2 || Mode == 4) Own(p, {Tk("in")});
        if (Mode == 3 || Mode == 4) Own(p, {Tk("out")});
        p->DataType = Text(Type);
        if (Value) {
            auto* d = New<TRkPlsql_opt_declaration_expr>();
            Own(d, {Tk(":=")});
            d->Expression = Text(Value);
            p->Default = d;
        }
        return p;
    }

    TRk_DummyNode* Create(int Kind) {
        auto* c = Dummy();
        c->Int1 = Kind;
        c->Tok1 = Tk("create");
        if (Kind == 2) {
            c->Tok2 = Tk("or");
            c->Tok3 = Tk("replace");
        }
        return c;
    }

    TRkPlsql_ProcedureDecl* Procedure() {
        Scan("create or replace procedure p (a in number, bb out varchar2, ccc in out date := sysdate)"
             " is x number; yy date; begin null; exception when others then null; end p;");
        auto* p = New<TRkPlsql_ProcedureDecl>();
        p->CreateKind = 2;
        p->CreateNode = Create(2);
        Own(p, {Tk("procedure")});
        p->Name = Text("p");
        auto* part = Dummy();
        Own(part, {Tk("(")});
        auto* a = Param("a", 2, "NUMBER");
        TSourceToken* c1 = Tk(",");
        auto* bb = Param("bb", 3, "VARCHAR2");
        TSourceToken* c2 = Tk(",");
        auto* ccc = Param("ccc", 4, "DATE", "SYSDATE");
        Own(part, {Tk(")")});
        p->Params = part->List1 = List({a, bb, ccc}, {c1, c2});
        p->ParamPart = part;
        p->IsAsToken = Tk("is");
        p->Declarations = List({Var("x", "NUMBER"), Var("yy", "DATE")});
        Own(p, {Tk("begin")});
        p->Statements = List({Call("null", "NULL")});
        p->ExceptionToken = Tk("exception");
        auto* h = New<TRkPlsql_Exceptionhandler>();
        Own(h, {Tk("when"), Tk("others"), Tk("then")});
        h->Statements = List({Call("null", "NULL")});
        p->Handlers = List({h});
        Own(p, {Tk("end")});
        p->EndLabel = Tk("p");
        p->Terminator = Tk(";");
        p->Analyze();
        return p;
    }
};

TEST_F(UnitPrinter, ProcedureWithParametersDeclarationsAndHandler) {
    EXPECT_EQ(Print(Procedure()),
              "CREATE OR REPLACE PROCEDURE p\r\n"
              "     (a    IN NUMBER,\r\n"
              "      bb   OUT VARCHAR2,\r\n"
              "      ccc  IN OUT DATE := SYSDATE)\r\n"
              "IS\r\n"
              "  x   NUMBER;\r\n"
              "  yy  DATE;\r\n"
              "BEGIN\r\n"
              "  NULL;\r\n"
              "EXCEPTION\r\n"
              "  WHEN OTHERS THEN\r\n"
              "    NULL;\r\n"
              "END p;");
}

TEST_F(UnitPrinter, ParameterSeparatorPlacements) {
    struct {
        int OneLine;
        int Style;
        const char* Params;
    } const cases[] = {
        {0, 1, "     (a     IN NUMBER\r\n      ,bb   OUT VARCHAR2\r\n      ,ccc  IN OUT DATE := SYSDATE)"},
        {0, 2, "     (a      IN NUMBER\r\n      , bb   OUT VARCHAR2\r\n      , ccc  IN OUT DATE := SYSDATE)"},
        {0, 3, "     (a    IN NUMBER,bb   OUT VARCHAR2,ccc  IN OUT DATE := SYSDATE)"},
        {1, 0, "     (a  IN NUMBER,bb  OUT VARCHAR2,ccc  IN OUT DATE := SYSDATE)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Style);
        FmtOpt = TRkFmtOpt();
        FmtOpt.SetDeclListOneLine(static_cast<uint8_t>(c.OneLine));
        FmtOpt.SetDeclSeparatorStyle(static_cast<uint8_t>(c.Style));
        const std::string text = Print(Procedure());
        EXPECT_EQ(text.substr(0, text.find("\r\nIS\r\n")),
                  "CREATE OR REPLACE PROCEDURE p\r\n" + std::string(c.Params));
    }
}

TEST_F(UnitPrinter, RightJustifiedParameterNamesAndAnEmptyPlace) {
    FmtOpt.SetParamDeclAlign(1);
    const std::string text = Print(Procedure());
    EXPECT_NE(text.find("     (  a  IN NUMBER,\r\n       bb  OUT"), std::string::npos) << text;

    Scan("()");
    auto* empty = New<TRkPlsql_ParameterDecl>();
    EXPECT_EQ(Print(empty), " ");
}

TEST_F(UnitPrinter, FunctionWithoutParameters) {
    Scan("function f return number deterministic parallel_enable is begin return 1; end;");
    auto* f = New<TRkPlsql_ProcedureDecl>();
    f->CreateKind = 0;
    f->IsFunction = 1;
    Own(f, {Tk("function")});
    f->Name = Text("f");
    f->ReturnToken = Tk("return");
    f->ReturnType = Text("NUMBER");
    auto* attrs = Dummy();
    Own(attrs, {Tk("deterministic"), Tk("parallel_enable")});
    f->FuncAttrs = attrs;
    f->IsAsToken = Tk("is");
    Own(f, {Tk("begin")});
    auto* r = New<TRkPlsql_ReturnStmt>();
    Own(r, {Tk("return")});
    r->Expression = Text("1");
    Tk("1");
    r->Terminator = Tk(";");
    f->Statements = List({r});
    Own(f, {Tk("end")});
    f->Terminator = Tk(";");
    f->Analyze();
    EXPECT_EQ(Print(f),
              "FUNCTION f\r\nRETURN NUMBER DETERMINISTIC PARALLEL_ENABLE\r\nIS\r\nBEGIN\r\n  RETURN 1;\r\nEND;");
}

TEST_F(UnitPrinter, PackageSpecWithTwoSpecs) {
    Scan("create package pk is procedure q(a number, b date); function g return number; end pk;");
    auto* pk = New<TRkPlsql_Package>();
    pk->CreateKind = 1;
    pk->CreateNode = Create(1);
    TSourceToken* package = Tk("package");
    pk->Name = Text("pk");
    pk->IsAsToken = Tk("is");

    auto* q = New<TRkPlsql_ProcedureSpec>();
    Own(q, {Tk("procedure")});
    q->Name = Text("q");
    auto* part = Dummy();
    Own(part, {Tk("(")});
    auto* a = Param("a", 1, "NUMBER");
    TSourceToken* comma = Tk(",");
    auto* b = Param("b", 1, "DATE");
    Own(part, {Tk(")")});
    q->Params = part->List1 = List({a, b}, {comma});
    q->ParamPart = part;
    q->Terminator = Tk(";");
    EXPECT_EQ(Print(q), "PROCEDURE q(a  NUMBER,b  DATE);");

    auto* g = New<TRkPlsql_ProcedureSpec>();
    g->IsFunction = 1;
    Own(g, {Tk("function")});
    g->Name = Text("g");
    g->ReturnToken = Tk("return");
    g->ReturnType = Text("NUMBER");
    g->Terminator = Tk(";");
    EXPECT_EQ(Print(g), "FUNCTION g RETURN NUMBER;");

    pk->PackageItems = List({q, g});
    Own(pk, {package, Tk("end")});
    pk->PackageEndLabel = Tk("pk");
    pk->Terminator = Tk(";");
    pk->Analyze();
    // An empty line between the items, indented 2 under IS.
    EXPECT_EQ(Print(pk),
              "CREATE PACKAGE pk\r\nIS\r\n"
              "  PROCEDURE q(a  NUMBER,b  DATE);\r\n"
              "  \r\n"
              "  FUNCTION g RETURN NUMBER;\r\n"
              "END pk;");
}

TEST_F(UnitPrinter, PackageBodyWithInitialisation) {
    Scan("package body pb as x number; begin init; end;");
    auto* pb = New<TRkPlsql_Package>();
    pb->CreateKind = 0;
    pb->IsBody = 1;
    TSourceToken* package = Tk("package");
    TSourceToken* body = Tk("body");
    pb->Name = Text("pb");
    pb->IsAsToken = Tk("as");
    pb->PackageItems = List({Var("x", "NUMBER")});
    TSourceToken* begin = Tk("begin");
    pb->Statements = List({Call("init")});
    Own(pb, {package, Tk("end"), body, begin});
    pb->Terminator = Tk(";");
    pb->Analyze();
    EXPECT_EQ(Print(pb), "PACKAGE BODY pb\r\nAS\r\n  x  NUMBER;\r\nBEGIN\r\n  init;\r\nEND;");
}

TEST_F(UnitPrinter, RowTriggerWithWhenAndBlock) {
    Scan("create or replace trigger trg before update of a, b or delete on t for each row"
         " when (new.a > 0) begin null; end;");
    auto* t = New<TRkPlsql_Trigger>();
    t->CreateKind = 2;
    t->CreateNode = Create(2);
    t->TriggerToken = Tk("trigger");
    t->TriggerName = Text("trg");
    auto* timing = Dummy();
    timing->Tok1 = Tk("before");
    t->Timing = timing;

    auto* ev = Dummy();
    ev->Int1 = 1;
    auto* upd = Dummy();
    upd->Tok1 = Tk("update");
    upd->Tok2 = Tk("of");
    TSourceToken* a = Tk("a");
    TSourceToken* comma = Tk(",");
    TSourceToken* b = Tk("b");
    upd->List1 = List({a, b}, {comma});
    TSourceToken* orTok = Tk("or");
    auto* del = Dummy();
    del->Tok1 = Tk("delete");
    ev->List1 = List({upd, del}, {orTok});
    ev->Tok1 = Tk("on");
    ev->Sub1 = Text("t");
    auto* row = Dummy();
    row->Tok1 = Tk("for");
    row->Tok2 = Tk("each");
    row->Tok3 = Tk("row");
    ev->Sub3 = row;
    t->Event = ev;

    auto* w = Dummy();
    w->Tok1 = Tk("when");
    w->Tok2 = Tk("(");
    w->Sub1 = Text("new.a > 0");
    w->Tok3 = Tk(")");
    t->WhenClause = w;

    auto* block = Block();
    Own(block, {Tk("begin")});
    auto* n = New<TRkPlsql_ProcBasicStmt>();
    n->CallExpr = Text("NULL");
    Tk("null");
    n->Terminator = Tk(";");
    block->Statements = List({n});
    Own(block, {Tk("end")});
    block->Terminator = Tk(";");
    t->Body = block;
    t->Analyze();
    EXPECT_EQ(Print(t),
              "CREATE OR REPLACE TRIGGER trg\r\n"
              "    BEFORE UPDATE OF a,b OR DELETE ON t\r\n"
              "    FOR EACH ROW\r\n"
              "    WHEN ( new.a > 0 )\r\n"
              "    BEGIN\r\n"
              "      NULL;\r\n"
              "    END;");
}

TEST_F(UnitPrinter, SchemaAndInsteadOfTriggers) {
    Scan("create trigger d after create or drop on scott.schema call p");
    auto* t = New<TRkPlsql_Trigger>();
    t->CreateKind = 1;
    t->CreateNode = Create(1);
    t->TriggerToken = Tk("trigger");
    t->TriggerName = Text("d");
    auto* timing = Dummy();
    timing->Tok1 = Tk("after");
    t->Timing = timing;
    auto* ev = Dummy();
    ev->Int1 = 2;
    auto* e1 = Dummy();
    e1->Tok1 = Tk("create");
    TSourceToken* orTok = Tk("or");
    auto* e2 = Dummy();
    e2->Tok1 = Tk("drop");
    ev->List1 = List({e1, e2}, {orTok});
    ev->Tok1 = Tk("on");
    ev->Tok2 = Tk("scott");
    ev->Tok3 = Tk(".");
    ev->Tok4 = Tk("schema");
    t->Event = ev;
    t->CallStatement = Query("CALL p");
    // The schema form is written as scanned, without blanks.
    EXPECT_EQ(Print(t), "CREATE TRIGGER d\r\n    AFTER CREATE OR DROP ON scott.schema\r\n    CALL p");

    Scan("trigger v instead of insert on vw begin null; end;");
    auto* i = New<TRkPlsql_Trigger>();
    i->TriggerToken = Tk("trigger");
    i->TriggerName = Text("v");
    auto* io = Dummy();
    io->Tok1 = Tk("instead");
    io->Tok2 = Tk("of");
    i->Timing = io;
    auto* iev = Dummy();
    iev->Int1 = 1;
    auto* ins = Dummy();
    ins->Tok1 = Tk("insert");
    iev->List1 = List({ins});
    iev->Tok1 = Tk("on");
    iev->Sub1 = Text("vw");
    i->Event = iev;
    // The second timing word keeps the case it was written in.
    EXPECT_EQ(Print(i), "TRIGGER v\r\n    INSTEAD of INSERT ON vw");
}

}  // namespace
