// Layout of the PL/SQL declarations, on trees built by hand.
#include <gtest/gtest.h>

#include "test_pp_plsql_fixture.h"

using plsqltest::PlsqlTreeTest;

namespace {

class DeclPrinter : public PlsqlTreeTest {
protected:
    // ":=" value (the assignment token comes next from the scan)
    TRkPlsql_opt_declaration_expr* Default(const std::string& Value) {
        auto* d = New<TRkPlsql_opt_declaration_expr>();
        Own(d, {Tk(":=")});
        d->Expression = Text(Value);
        return d;
    }

    TRk_DummyNode* NotNull() {
        auto* n = Dummy();
        Own(n, {Tk("not"), Tk("null")});
        n->Int1 = 1;
        return n;
    }

    TRkPlsql_CursorParamDecl* Param(const char* Name, const char* Type, bool In = false,
                                    const char* Value = nullptr) {
        auto* p = New<TRkPlsql_CursorParamDecl>();
        p->NameToken = Tk(Name);
        if (In) p->InToken = Tk("in");
        p->DataType = Text(Type);
        if (Value) p->Default = Default(Value);
        return p;
    }

    TRkPlsql_CursorDecl* MakeCursor() {
        Scan("cursor c(a number, b in date := sysdate, d number) is select a from t;");
        auto* c = New<TRkPlsql_CursorDecl>();
        Own(c, {Tk("cursor")});
        c->CursorName = Tk("c");
        auto* part = Dummy();
        Own(part, {Tk("(")});
        auto* a = Param("a", "NUMBER");
        TSourceToken* comma1 = Tk(",");
        auto* b = Param("b", "DATE", true, "SYSDATE");
        TSourceToken* comma2 = Tk(",");
        auto* d = Param("d", "NUMBER");
        Own(part, {Tk(")")});
        part->List1 = List({a, b, d}, {comma1, comma2});
        c->ParamPart = part;
        c->IsToken = Tk("is");
        c->Query = Query("SELECT a\r\nFROM   t;");
        return c;
    }
};

TEST_F(DeclPrinter, ConstantWithNotNullAndAMultiLineDefault) {
    Scan("c constant number not null := f(a, b);");
    auto* v = New<TRkPlsql_VarDecl>();
    v->DeclKind = 2;
    v->NameToken = Tk("c");
    Own(v, {Tk("constant")});
    v->DataType = Text("NUMBER");
    v->ConstraintFlag = 1;
    v->NotNullNode = NotNull();
    v->Value = Default("F(a,\r\nb)");
    v->Terminator = Tk(";");
    // Unpadded (pad width 0): the name, two blanks, CONSTANT; the value's
    // later lines under its first character.
    EXPECT_EQ(Print(v), "c  CONSTANT NUMBER NOT NULL := F(a,\r\n" + std::string(31, ' ') + "b);");
    v->PP->PadWidth = 4;
    EXPECT_EQ(Print(v).substr(0, 16), "c     CONSTANT N");
}

TEST_F(DeclPrinter, SubtypeExceptionAndExceptionInit) {
    Scan("subtype s is number not null; e exception; pragma exception_init(e, -20001);");
    auto* s = New<TRkPlsql_VarDecl>();
    s->DeclKind = 3;
    Own(s, {Tk("subtype")});
    s->NameToken = Tk("s");
    Own(s, {Tk("is")});
    s->DataType = Text("NUMBER");
    s->ConstraintFlag = 1;
    s->NotNullNode = NotNull();
    s->Terminator = Tk(";");
    EXPECT_EQ(Print(s), "SUBTYPE s IS NUMBER NOT NULL;");

    auto* e = New<TRkPlsql_VarDecl>();
    e->DeclKind = 5;
    e->NameToken = Tk("e");
    Own(e, {Tk("exception")});
    e->Terminator = Tk(";");
    EXPECT_EQ(Print(e), "e  EXCEPTION;");

    auto* p = New<TRkPlsql_VarDecl>();
    p->DeclKind = 6;
    Own(p, {Tk("pragma"), Tk("exception_init"), Tk("(")});
    p->NameToken = Tk("e");
    Own(p, {Tk(",")});
    p->Value = Text("-20001");
    Own(p, {Tk(")")});
    p->Terminator = Tk(";");
    EXPECT_EQ(Print(p), "PRAGMA EXCEPTION_INIT(e,-20001);");
}

TEST_F(DeclPrinter, CursorParametersAndQueryUnderTheDefaults) {
    // Parameters after the first one column past the bracket's next column;
    // "IS", a blank kept before the line break, the query indented 2.
    EXPECT_EQ(Print(MakeCursor()),
              "CURSOR c(a NUMBER,\r\n"
              "          b IN DATE := SYSDATE,\r\n"
              "          d NUMBER) IS \r\n"
              "  SELECT a\r\n"
              "  FROM   t;");
}

TEST_F(DeclPrinter, CursorParameterSeparatorPlacements) {
    struct {
        int OneLine;
        int Style;
        const char* Params;
    } const cases[] = {
        {1, 0, "CURSOR c(a NUMBER,b IN DATE := SYSDATE,d NUMBER) IS "},
        {0, 1, "CURSOR c(a NUMBER\r\n          ,b IN DATE := SYSDATE\r\n          ,d NUMBER) IS "},
        {0, 2, "CURSOR c(a NUMBER\r\n          , b IN DATE := SYSDATE\r\n          , d NUMBER) IS "},
        {0, 3, "CURSOR c(a NUMBER,b IN DATE := SYSDATE,d NUMBER) IS "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Style);
        FmtOpt = TRkFmtOpt();
        FmtOpt.SetDeclListOneLine(static_cast<uint8_t>(c.OneLine));
        FmtOpt.SetDeclSeparatorStyle(static_cast<uint8_t>(c.Style));
        EXPECT_EQ(Print(MakeCursor()), std::string(c.Params) + "\r\n  SELECT a\r\n  FROM   t;");
    }
}

TEST_F(DeclPrinter, RefCursorTypeAndEmptyParameterBrackets) {
    Scan("type rc is ref cursor return emp%rowtype; cursor k() return t%rowtype;");
    auto* r = New<TRkPlsql_CursorDecl>();
    Own(r, {Tk("type")});
    r->RefCursor = 1;
    r->TypeName = Text("rc");
    r->IsToken = Tk("is");
    r->RefToken = Tk("ref");
    r->CursorToken = Tk("cursor");
    r->ReturnToken = Tk("return");
    r->ReturnType = Text("emp%ROWTYPE");
    r->Terminator = Tk(";");
    EXPECT_EQ(Print(r), "TYPE rc IS REF CURSOR RETURN emp%ROWTYPE;");

    // A set but empty parameter list still prints its brackets.
    auto* k = New<TRkPlsql_CursorDecl>();
    Own(k, {Tk("cursor")});
    k->CursorName = Tk("k");
    auto* part = Dummy();
    Own(part, {Tk("("), Tk(")")});
    part->List1 = List({});
    k->ParamPart = part;
    k->ReturnToken = Tk("return");
    k->ReturnType = Text("t%ROWTYPE");
    k->Terminator = Tk(";");
    EXPECT_EQ(Print(k), "CURSOR k() RETURN t%ROWTYPE;");
}

TEST_F(DeclPrinter, PragmasByTokenCount) {
    Scan("pragma restrict_references(default, wnds, rnps); pragma serially_reusable;"
         "pragma restrict_references(x, y);");
    auto* p = New<TRkPlsql_PragmaDecl>();
    Own(p, {Tk("pragma"), Tk("restrict_references"), Tk("("), Tk("default"), Tk(",")});
    TSourceToken* w = Tk("wnds");
    TSourceToken* comma = Tk(",");
    TSourceToken* r = Tk("rnps");
    p->Arguments = List({w, r}, {comma});
    Own(p, {Tk(")")});
    p->Terminator = Tk(";");
    EXPECT_EQ(Print(p), "PRAGMA RESTRICT_REFERENCES(DEFAULT,wnds,rnps);");

    auto* s = New<TRkPlsql_PragmaDecl>();
    Own(s, {Tk("pragma"), Tk("serially_reusable")});
    s->Terminator = Tk(";");
    EXPECT_EQ(Print(s), "PRAGMA SERIALLY_REUSABLE;");

    // Four tokens: the arguments between the brackets.  Five: the first two.
    auto* f = New<TRkPlsql_PragmaDecl>();
    Own(f, {Tk("pragma"), Tk("restrict_references"), Tk("(")});
    TSourceToken* x = Tk("x");
    TSourceToken* c2 = Tk(",");
    TSourceToken* y = Tk("y");
    f->Arguments = List({x, y}, {c2});
    Own(f, {Tk(")")});
    f->Terminator = Tk(";");
    EXPECT_EQ(Print(f), "PRAGMA RESTRICT_REFERENCES(x,y);");
    Own(f, {c2});
    EXPECT_EQ(Print(f), "PRAGMA RESTRICT_REFERENCES;");
}

TEST_F(DeclPrinter, CollectionTypes) {
    Scan("type tt is table of number not null index by binary_integer;"
         "type va is varray(10) of number; type vb is varying array(5) of date not null;");
    auto* t = New<TRkPlsql_TableTypeDef>();
    Own(t, {Tk("type")});
    t->TypeName = Text("tt");
    t->IsToken = Tk("is");
    Own(t, {Tk("table"), Tk("of")});
    t->ElementType = Text("NUMBER");
    t->NotNull = 1;
    t->NotNullNode = NotNull();
    auto* ix = Dummy();
    ix->Int1 = 1;
    ix->Tok1 = Tk("index");
    ix->Tok2 = Tk("by");
    ix->Tok3 = Tk("binary_integer");
    t->IndexBy = ix;
    t->Terminator = Tk(";");
    // A blank stays before the terminator after INDEX BY.
    EXPECT_EQ(Print(t), "TYPE tt IS TABLE OF NUMBER NOT NULL INDEX BY BINARY_INTEGER ;");
    ix->Int1 = 0;
    t->NotNull = 0;
    EXPECT_EQ(Print(t), "TYPE tt IS TABLE OF NUMBER;");

    auto* a = New<TRkPlsql_VarrayTypeDef>();
    Own(a, {Tk("type")});
    a->TypeName = Text("va");
    a->IsToken = Tk("is");
    Own(a, {Tk("varray"), Tk("(")});
    a->LimitToken = Tk("10");
    Own(a, {Tk(")"), Tk("of")});
    a->ElementType = Text("NUMBER");
    a->Terminator = Tk(";");
    EXPECT_EQ(Print(a), "TYPE va IS VARRAY(10) OF NUMBER;");

    auto* b = New<TRkPlsql_VarrayTypeDef>();
    b->ArrayForm = 2;
    Own(b, {Tk("type")});
    b->TypeName = Text("vb");
    b->IsToken = Tk("is");
    Own(b, {Tk("varying"), Tk("array"), Tk("(")});
    b->LimitToken = Tk("5");
    Own(b, {Tk(")"), Tk("of")});
    b->ElementType = Text("DATE");
    b->NotNull = 1;
    b->NotNullNode = NotNull();
    b->Terminator = Tk(";");
    EXPECT_EQ(Print(b), "TYPE vb IS VARYING ARRAY(5) OF DATE NOT NULL;");
}

TEST_F(DeclPrinter, RecordTypeFieldsOnePerLine) {
    Scan("type r is record (a number not null := 0, b date);");
    auto* r = New<TRkPlsql_RecordTypeDef>();
    Own(r, {Tk("type")});
    r->TypeName = Text("r");
    Own(r, {Tk("is"), Tk("record"), Tk("(")});
    auto* a = New<TRkPlsql_FieldDecl>();
    a->NameToken = Tk("a");
    a->DataType = Text("NUMBER");
    a->NotNull = 1;
    a->NotNullNode = NotNull();
    a->Default = Default("0");
    TSourceToken* comma = Tk(",");
    auto* b = New<TRkPlsql_FieldDecl>();
    b->NameToken = Tk("b");
    b->DataType = Text("DATE");
    r->FieldList = List({a, b}, {comma});
    Own(r, {Tk(")")});
    r->Terminator = Tk(";");
    EXPECT_EQ(Print(r), "TYPE r IS RECORD(a NUMBER NOT NULL := 0,\r\n" + std::string(18, ' ') + "b DATE);");
}

}  // namespace
