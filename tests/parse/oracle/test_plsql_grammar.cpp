// Trees the PL/SQL grammar builds: units, declarations, statements,
// expressions, types, program units and triggers.
#include "test_plsql_support.h"

using namespace plsql_test;
using oracle_test::Fields;
using oracle_test::OwnTokens;
using oracle_test::Sx;
using oracle_test::TokText;

namespace {

class PlsqlGrammar : public PlsqlParseFixture {
protected:
    // Parses a unit that must parse whole and returns its root as T.
    template <class T>
    T* Unit(const std::string& Text) {
        Parse(Text);
        EXPECT_EQ(Result, 0) << Text;
        for (const auto& e : Errors) ADD_FAILURE() << e.Expected << " at " << e.Token << " " << e.Line << ":" << e.Column;
        return oracle_test::Must(dynamic_cast<T*>(Parser->RootNode), Text);
    }
    // The value of "x := <Expr>;" inside a block, as a picture.
    std::string ExprOf(const std::string& Expr) {
        Parse("BEGIN x := " + Expr + "; END;");
        EXPECT_TRUE(Errors.empty()) << Expr;
        std::vector<TRkPlsql_AssignStmt*> a = All<TRkPlsql_AssignStmt>();
        return a.size() == 1 ? Sx(a[0]->Value) : std::string("<no assignment>");
    }
    // The declared type of "DECLARE v <Type>; BEGIN NULL; END;".
    TRk_TypeName* TypeOf(const std::string& Type) {
        Parse("DECLARE v " + Type + "; BEGIN NULL; END;");
        EXPECT_TRUE(Errors.empty()) << Type;
        std::vector<TRkPlsql_VarDecl*> v = All<TRkPlsql_VarDecl>();
        return oracle_test::Must(v.size() == 1 ? dynamic_cast<TRk_TypeName*>(v[0]->DataType) : nullptr, Type);
    }
};

// ---- Blocks and declarations -------------------------------------------------

TEST_F(PlsqlGrammar, AnonymousBlockWithLabelDeclarationsAndHandlers) {
    auto* b = Unit<TRk_Plsql>(
        "<<outer>> DECLARE n CONSTANT NUMBER(10,2) NOT NULL := 1; s emp.ename%TYPE; r emp%ROWTYPE DEFAULT NULL; "
        "SUBTYPE small IS NATURAL NOT NULL; e EXCEPTION; DECLARE p PLS_INTEGER; PRAGMA EXCEPTION_INIT(e, "
        "-20001); BEGIN NULL; EXCEPTION WHEN NO_DATA_FOUND OR e THEN NULL; WHEN OTHERS THEN RAISE; END outer;");
    TRkPlsql_Decl* d = MUST(b->DeclSection);
    ASSERT_EQ(Count(d->Declarations), 7);
    EXPECT_EQ(Fields(OwnTokens(b), b->EndLabel, b->ExceptionToken, b->Terminator, d->BlockLabel, OwnTokens(d->LabelNode),
                     d->DeclareToken),
              "BEGIN|END outer EXCEPTION ; outer <<|>> DECLARE");
    auto Decl = [d](int I) { return Item<TRkPlsql_VarDecl>(d->Declarations, I); };
    auto TypeForm = [](TRkVisitedAbs* T) { return dynamic_cast<TRk_TypeName*>(T)->TypeForm; };

    auto* n = Decl(0);
    auto* def = MUST(dynamic_cast<TRkPlsql_opt_declaration_expr*>(n->Value));
    EXPECT_EQ(Fields(n->DeclKind, n->ConstraintFlag, OwnTokens(n), OwnTokens(n->NotNullNode), def->Kind, OwnTokens(def),
                     n->Terminator),
              "2 1 CONSTANT NOT|NULL 1 := ;");
    auto* st = MUST(dynamic_cast<TRk_TypeName*>(Decl(1)->DataType));
    EXPECT_EQ(Fields(st->TypeForm, st->MidToken, st->EndToken, Decl(1)->NotNullNode->Int1, Decl(1)->ConstraintFlag),
              "74 % TYPE 0 0");
    EXPECT_EQ(Fields(TypeForm(Decl(2)->DataType), dynamic_cast<TRkPlsql_opt_declaration_expr*>(Decl(2)->Value)->Kind),
              "75 2");
    EXPECT_EQ(Fields(Decl(3)->DeclKind, OwnTokens(Decl(3)), TypeForm(Decl(3)->DataType)), "3 SUBTYPE|IS 77");
    EXPECT_EQ(Fields(Decl(4)->DeclKind, OwnTokens(Decl(4))), "5 EXCEPTION");
    // A second DECLARE separates two declarations.
    EXPECT_EQ(Fields(Decl(5)->SeparatorToken, TypeForm(Decl(5)->DataType)), "DECLARE 82");
    EXPECT_EQ(Fields(Decl(6)->DeclKind, Decl(6)->NameToken, Sx(Decl(6)->Value), OwnTokens(Decl(6))),
              "6 e (- _ 20001) PRAGMA|EXCEPTION_INIT|(|,|)");

    ASSERT_EQ(Count(b->Handlers), 2);
    auto* h1 = Item<TRkPlsql_Exceptionhandler>(b->Handlers, 0);
    auto* h2 = Item<TRkPlsql_Exceptionhandler>(b->Handlers, 1);
    EXPECT_EQ(Fields(h1->HandlerKind, OwnTokens(h1), Count(h1->ExceptionNames),
                     Item<TRk_Attr>(h1->ExceptionNames, 1)->SeparatorToken, h2->HandlerKind, OwnTokens(h2),
                     Item<TRkPlsql_RaiseStmt>(h2->Statements, 0)),
              "2 WHEN|THEN 2 OR 1 WHEN|OTHERS|THEN set");
}

TEST_F(PlsqlGrammar, BlockWithoutDeclareHasAnEmptyDeclarationSection) {
    auto* b = Unit<TRk_Plsql>("BEGIN NULL; END;");
    ASSERT_NE(b->DeclSection, nullptr);
    EXPECT_EQ(Fields(b->DeclSection->LabelNode, b->DeclSection->Declarations, b->Handlers), "nil nil nil");
    // An unlabelled NULL is a call over the constant NULL.
    auto* call = MUST(Item<TRkPlsql_ProcBasicStmt>(b->Statements, 0));
    EXPECT_EQ(Sx(call->CallExpr), "NULL");
}

TEST_F(PlsqlGrammar, TypeDeclarations) {
    Unit<TRk_Plsql>(
        "DECLARE TYPE tab IS TABLE OF NUMBER NOT NULL INDEX BY BINARY_INTEGER; TYPE arr IS VARRAY(10) OF "
        "VARCHAR2(20); TYPE arr2 AS VARYING ARRAY(5) OF DATE; TYPE rec IS RECORD (a NUMBER := 0, function "
        "VARCHAR2(1) NOT NULL DEFAULT 'x'); TYPE rc IS REF CURSOR RETURN emp%ROWTYPE; CURSOR c1 (p IN NUMBER, q "
        "DATE := SYSDATE) IS SELECT * FROM emp WHERE id = p; BEGIN NULL; END;");
    auto* t = One<TRkPlsql_TableTypeDef>();
    EXPECT_EQ(Fields(OwnTokens(t), t->NotNull, t->IndexBy->Int1, t->IndexBy->Tok3), "TYPE|TABLE|OF 1 1 BINARY_INTEGER");
    std::vector<TRkPlsql_VarrayTypeDef*> v = All<TRkPlsql_VarrayTypeDef>();
    ASSERT_EQ(v.size(), 2u);
    EXPECT_EQ(Fields(v[0]->ArrayForm, v[0]->LimitToken, OwnTokens(v[0])), "1 10 TYPE|VARRAY|(|)|OF");
    EXPECT_EQ(Fields(v[1]->ArrayForm, v[1]->IsToken, OwnTokens(v[1])), "2 AS TYPE|VARYING|ARRAY|(|)|OF");
    auto* rec = One<TRkPlsql_RecordTypeDef>();
    ASSERT_EQ(Count(rec->FieldList), 2);
    auto* f2 = Item<TRkPlsql_FieldDecl>(rec->FieldList, 1);
    EXPECT_EQ(Fields(f2->NameToken, f2->SeparatorToken, f2->NotNull), "function , 1");
    std::vector<TRkPlsql_CursorDecl*> c = All<TRkPlsql_CursorDecl>();
    ASSERT_EQ(c.size(), 2u);
    ASSERT_NE(c[1]->ParamPart, nullptr);
    ASSERT_NE(c[1]->Query, nullptr);
    EXPECT_EQ(Fields(c[0]->RefCursor, c[0]->Terminator, dynamic_cast<TRk_TypeName*>(c[0]->ReturnType)->TypeForm,
                     c[1]->CursorName, Count(c[1]->ParamPart->List1),
                     Item<TRkPlsql_CursorParamDecl>(c[1]->ParamPart->List1, 0)->InToken),
              "1 ; 75 c1 2 IN");
    EXPECT_EQ(Significant(c[1]->Query->SourceTokens.get()), "SELECT * FROM emp WHERE id = p ;");
}

// ---- Statements --------------------------------------------------------------

TEST_F(PlsqlGrammar, ControlStatements) {
    auto* b = Unit<TRk_Plsql>(
        "BEGIN IF a = 1 THEN x := 1; ELSIF a = 2 THEN x := 2; ELSIF a = 3 THEN NULL; ELSE x := 3; END IF; <<l1>> "
        "LOOP EXIT l1 WHEN x > 10; x := x + 1; END LOOP l1; WHILE x > 0 LOOP x := x - 1; END LOOP; FOR i IN 1 .. "
        "10 LOOP NULL; END LOOP; FOR i IN REVERSE 1 .. n LOOP NULL; END LOOP; FOR r IN (SELECT a FROM t) LOOP "
        "NULL; END LOOP; FOR r IN c LOOP NULL; END LOOP; FOR r IN c(1, 2) LOOP NULL; END LOOP; FOR r IN pkg.c "
        "LOOP NULL; END LOOP; GOTO l1; <<l2>> NULL; RETURN x * 2; END;");
    ASSERT_NE(b, nullptr);
    ASSERT_EQ(Count(b->Statements), 12);
    auto Loop = [b](int I) { return Item<TRkPlsql_LoopStmt>(b->Statements, I); };
    auto* iff = MUST(Item<TRkPlsql_IfStmt>(b->Statements, 0));
    EXPECT_EQ(Fields(OwnTokens(iff), Count(iff->ThenStmts), Count(iff->ElsifList),
                     OwnTokens(Item<TRkPlsql_ElsifStmt>(iff->ElsifList, 0)), Count(iff->ElseStmts)),
              "IF|THEN|ELSE|END|IF 1 2 ELSIF|THEN 1");

    std::vector<int> kinds;
    for (TRkPlsql_LoopStmt* l : All<TRkPlsql_LoopStmt>()) kinds.push_back(l->LoopKind);
    EXPECT_EQ(kinds, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
    auto* ex = Item<TRkPlsql_ExitStmt>(Loop(1)->Statements, 0);
    EXPECT_EQ(Fields(Loop(1)->LabelToken, Loop(1)->LabelOpen, Loop(1)->EndLabel, Loop(1)->Terminator, ex->LabelName,
                     OwnTokens(ex), Sx(ex->Condition)),
              "l1 << l1 ; l1 EXIT|WHEN (> x 10)");
    EXPECT_EQ(Fields(Loop(4)->Reverse, OwnTokens(Loop(4))), "1 FOR|IN|REVERSE|..|LOOP|END|LOOP");
    ASSERT_NE(Loop(5)->Query, nullptr);
    EXPECT_EQ(Significant(Loop(5)->Query->SourceTokens.get()), "( SELECT a FROM t )");
    EXPECT_EQ(Fields(Count(Loop(7)->CursorArgs), dynamic_cast<TRk_Attr*>(Loop(8)->Cursor),
                     Item<TRkPlsql_GotoStmt>(b->Statements, 9)->LabelName,
                     Item<TRkPlsql_NullStmt>(b->Statements, 10)->LabelToken,
                     Sx(Item<TRkPlsql_ReturnStmt>(b->Statements, 11)->Expression)),
              "2 set l1 l2 (* x 2)");
}

TEST_F(PlsqlGrammar, CursorAndDynamicStatements) {
    Unit<TRk_Plsql>(
        "BEGIN OPEN c1; OPEN c2(1, x); FETCH c1 INTO a, b; CLOSE c1; OPEN rc FOR SELECT * FROM t; OPEN rc FOR "
        "'select 1 from dual' USING a, b; EXECUTE IMMEDIATE 'begin :1 := f(:2, :3, :4); end;' INTO z USING OUT "
        "a, IN b, IN OUT c, d RETURNING INTO e, f; FORALL i IN 1 .. n DELETE FROM t WHERE id = ids(i); END;");
    std::vector<TRkPlsql_OpenStmt*> o = All<TRkPlsql_OpenStmt>();
    ASSERT_EQ(o.size(), 2u);
    auto* f = One<TRkPlsql_FetchStmt>();
    EXPECT_EQ(Fields(dynamic_cast<TRk_Ident*>(o[0]->Cursor), OwnTokens(o[1]), Count(o[1]->Arguments), Count(f->IntoList),
                     OwnTokens(f), One<TRkPlsql_CloseStmt>()->CursorName),
              "set OPEN|(|) 2 2 FETCH|INTO c1");
    std::vector<TRkPlsql_OpenforStmt*> of = All<TRkPlsql_OpenforStmt>();
    ASSERT_EQ(of.size(), 2u);
    EXPECT_EQ(Fields(of[0]->Query, of[0]->Terminator, of[1]->Query, OwnTokens(of[1]), Count(of[1]->Binds),
                     of[1]->Terminator),
              "set <nil> nil OPEN|FOR|USING 2 ;");

    auto* ei = One<TRkPlsql_ExecImmeStmt>();
    ASSERT_EQ(Count(ei->UsingList), 4);
    ASSERT_NE(ei->Returning, nullptr);
    auto Using = [ei](int I) { return Item<TRk_DummyNode>(ei->UsingList, I); };
    EXPECT_EQ(Fields(OwnTokens(ei), ei->IntoToken, Count(ei->IntoList), Using(0)->Int1, Using(1)->Int1, Using(2)->Int1,
                     Using(3)->Int1, Using(2)->Tok3, Using(1)->SeparatorToken, ei->Returning->Int1,
                     Count(ei->Returning->List1)),
              "EXECUTE|IMMEDIATE INTO 1 3 2 4 1 OUT , 2 2");

    auto* fa = One<TRkPlsql_ForallStmt>();
    ASSERT_NE(fa->DmlStmt, nullptr);
    EXPECT_EQ(OwnTokens(fa), "FORALL|IN|..");
    EXPECT_EQ(Significant(fa->DmlStmt->SqlStatement->SourceTokens.get()), "DELETE FROM t WHERE id = ids ( i ) ;");
}

TEST_F(PlsqlGrammar, AssignmentTargetsAndCalls) {
    Unit<TRk_Plsql>(
        "BEGIN x := 1; r.f := 2; a(i) := 3; f(1).fld := 4; a(1)(i) := 5; p; pkg.p(1, n => 2); "
        "t.DELETE; t.DELETE(1); END;");
    std::vector<TRkPlsql_ExprLeftSide*> l = All<TRkPlsql_ExprLeftSide>();
    ASSERT_EQ(l.size(), 5u);
    EXPECT_EQ(Fields(l[0]->NameToken, l[1]->Attr, Count(l[2]->Qualifiers), l[2]->NameToken, l[3]->DotToken,
                     l[3]->NameToken, l[4]->Bracket, OwnTokens(l[4])),
              "x set 1 <nil> . fld 1 (|)");
    std::vector<TRkPlsql_ProcBasicStmt*> c = All<TRkPlsql_ProcBasicStmt>();
    ASSERT_EQ(c.size(), 4u);
    EXPECT_EQ(Sx(c[0]->CallExpr), "p");
    auto* e = MUST(dynamic_cast<TRkCustomExpression*>(c[1]->CallExpr));
    EXPECT_EQ(e->ExprType, Expr_func_exprs);
    auto* call = MUST(Item<TRk_FuncCall>(dynamic_cast<TRk_List*>(e->LeftOperand), 0));
    ASSERT_EQ(Count(call->ArgList), 2);
    // A named argument is an operator-run expression.
    EXPECT_EQ(dynamic_cast<TRkCustomExpression*>(call->ArgList->GetNode(1))->ExprType, Expr_OP);
    EXPECT_EQ(dynamic_cast<TRkCustomExpression*>(c[2]->CallExpr)->ExprType, Expr_Attr);
    EXPECT_NE(dynamic_cast<TRk_FuncCall*>(c[3]->CallExpr), nullptr);
}

TEST_F(PlsqlGrammar, CaseStatementAndCaseExpression) {
    Unit<TRk_Plsql>(
        "BEGIN CASE x WHEN 1 THEN y := 1; WHEN 2 THEN NULL; ELSE y := 0; END CASE; y := CASE WHEN x > 1 THEN 'a' "
        "ELSE 'b' END; END;");
    auto* cs = One<TRkPlsql_CaseStmt>();
    std::vector<TRkPlsql_CaseExpr*> ce = All<TRkPlsql_CaseExpr>();
    ASSERT_EQ(ce.size(), 2u);
    EXPECT_EQ(cs->Body, ce[0]);
    EXPECT_EQ(Fields(OwnTokens(cs), Sx(ce[0]->Selector), Count(ce[0]->WhenClauses), ce[0]->ElsePart->Int1,
                     ce[0]->ElsePart->Tok1, Count(ce[0]->ElseStmts), OwnTokens(ce[0])),
              "CASE x 2 1 ELSE 1 CASE|END");
    auto* w = Item<TRkPlsql_CaseExprWhenClause>(ce[1]->WhenClauses, 0);
    EXPECT_EQ(Fields(ce[1]->Selector, ce[1]->ElsePart->Int1, Sx(ce[1]->ElseExpr), Sx(w->Result), w->Statements),
              "nil 2 'b' 'a' nil");
}

// ---- Expressions --------------------------------------------------------------

TEST_F(PlsqlGrammar, OperatorBinding) {
    const struct {
        const char* Text;
        const char* Tree;
    } cases[] = {
        {"a OR b AND c", "(and (or a b) c)"},
        {"a + b * c", "(+ a (* b c))"},
        {"a = b = c", "(= a (= b c))"},
        {"NOT a = b", "(not _ (= a b))"},
        {"-a ^ 2", "(^ (- _ a) 2)"},
        {"a || b + c", "(|| a (+ b c))"},
        {"x BETWEEN 1 AND 5 AND y = 2", "(and (between x (and 1 5)) (= y 2))"},
        {"a LIKE b ESCAPE c", "(like a (escape b c))"},
        {"a NOT LIKE b", "(notlike a b)"},
        {"a IS NOT NULL", "(isnotnull a)"},
    };
    for (const auto& c : cases) EXPECT_EQ(ExprOf(c.Text), c.Tree) << c.Text;
}

TEST_F(PlsqlGrammar, SpecialExpressions) {
    // The type of the outermost expression node of each value.
    const struct { const char* Text; TRkOpType Type; } outer[] = {
        {"c1%NOTFOUND", Expr_Arithmetic}, {"x IS NOT OF TYPE (t)", Expr_NotSupported},
        {"(a, b) IN (SELECT x, y FROM t)", Expr_In}, {"x = ANY (1, 2)", Expr_AllOp},
    };
    for (const auto& c : outer) {
        ExprOf(c.Text);
        std::vector<TRkCustomExpression*> v = All<TRkCustomExpression>();
        ASSERT_FALSE(v.empty()) << c.Text;
        EXPECT_EQ(v.back()->ExprType, c.Type) << c.Text;
    }
    EXPECT_EQ(All<TRkCustomExpression>().back()->Modifier, 1);
    EXPECT_EQ(TokText(All<TRkCustomExpression>().back()->QuantifierToken), "ANY");
    ExprOf("x IS NOT OF TYPE (t)");
    EXPECT_NE(All<TRkCustomExpression>().back()->LeftOperand, nullptr);

    EXPECT_EQ(ExprOf("SQL%ROWCOUNT"), "(rowcount _ _)");
    auto* e = One<TRkCustomExpression>();
    EXPECT_EQ(e->ExprType, Expr_Plsql_sql_condition);
    EXPECT_EQ(OwnTokens(e), "SQL|%|ROWCOUNT");

    ExprOf("DATE '2001-01-01'");
    auto* c = One<TRk_A_Const>();
    EXPECT_EQ(Fields(c->ConstKind, c->ValueToken, OwnTokens(c)), "103 '2001-01-01' DATE|'2001-01-01'");

    ExprOf("count(*) + count(DISTINCT a)");
    std::vector<TRk_FuncCall*> f = All<TRk_FuncCall>();
    ASSERT_EQ(f.size(), 2u);
    EXPECT_EQ(Fields(f[0]->IsStar, f[1]->IsDistinct, OwnTokens(f[1])), "1 1 (|DISTINCT|)");

    ExprOf("EXTRACT(YEAR FROM d)");
    auto* ext = One<TRk_FuncCall>();
    ASSERT_NE(ext->ExtractArgs, nullptr);
    EXPECT_EQ(Fields(ext->CallForm, ext->ArgList, OwnTokens(ext), ext->ExtractArgs->FieldToken,
                     OwnTokens(ext->ExtractArgs)),
              "4 nil EXTRACT|(|) YEAR FROM");

    ExprOf("f(a, b).g(c)");
    auto* chain = dynamic_cast<TRk_List*>(All<TRkCustomExpression>().back()->LeftOperand);
    ASSERT_EQ(Count(chain), 2);
    EXPECT_EQ(TokText(Item<TRk_FuncCall>(chain, 1)->SeparatorToken), ".");
}

// ---- Types -------------------------------------------------------------------

TEST_F(PlsqlGrammar, DataTypes) {
    const struct { const char* Type; const char* Want; } cases[] = {
        // type form, parameters, length semantics, varying flag, type name token, own tokens
        {"NUMBER(10,2)", "11 10 2 -9999 -9999 NUMBER NUMBER|(|10|,|2|)"},
        {"NUMBER", "11 -9999 -9999 -9999 -9999 NUMBER NUMBER"},
        {"VARCHAR2(30 BYTE)", "42 30 -9999 1 -9999 VARCHAR2 VARCHAR2|(|30|BYTE|)"},
        {"CHAR VARYING(10)", "40 10 -9999 -9999 1 CHAR CHAR|VARYING|(|10|)"},
        {"INTERVAL DAY(3) TO SECOND(6)", "57 3 6 -9999 -9999 INTERVAL INTERVAL|DAY|(|3|)|TO|SECOND|(|6|)"},
        {"TIMESTAMP(6) WITH LOCAL TIME ZONE", "52 6 -9999 -9999 -9999 TIMESTAMP TIMESTAMP|(|6|)|WITH|LOCAL|TIME|ZONE"},
        {"my_type", "2 -9999 -9999 -9999 -9999 my_type my_type"},
        {"NCLOB", "2 -9999 -9999 -9999 -9999 NCLOB NCLOB"},   // a plain name inside PL/SQL
        {"REF my_type", "76 -9999 -9999 -9999 -9999 my_type REF|my_type"},
        {"pkg.t_rec", "83 -9999 -9999 -9999 -9999 <nil> -"},
    };
    for (const auto& c : cases) {
        TRk_TypeName* t = TypeOf(c.Type);
        EXPECT_EQ(Fields(t->TypeForm, t->Param1, t->Param2, t->LengthSemantics, t->VaryingFlag, t->TypeNameToken,
                         OwnTokens(t)),
                  c.Want) << c.Type;
    }
}

// ---- Program units -----------------------------------------------------------

TEST_F(PlsqlGrammar, ProceduresAndFunctions) {
    auto* p = Unit<TRkPlsql_ProcedureDecl>(
        "CREATE OR REPLACE PROCEDURE hr.raise_sal (id IN NUMBER, amt OUT NUMBER, r IN OUT t%ROWTYPE, d DATE "
        "DEFAULT SYSDATE) AS v NUMBER; BEGIN NULL; EXCEPTION WHEN OTHERS THEN NULL; END raise_sal;");
    ASSERT_EQ(Count(p->Params), 4);
    auto Param = [p](int I) { return Item<TRkPlsql_ParameterDecl>(p->Params, I); };
    EXPECT_EQ(Fields(p->CreateKind, p->IsFunction, p->IsAsToken, OwnTokens(p), OwnTokens(p->ParamPart), Param(0)->Mode,
                     Param(1)->Mode, Param(2)->Mode, Param(3)->Mode, OwnTokens(Param(2)), Count(p->Declarations),
                     Count(p->Handlers), p->EndLabel),
              "2 0 AS PROCEDURE|BEGIN|END (|) 2 3 4 1 IN|OUT 1 1 raise_sal");

    auto* f = Unit<TRkPlsql_ProcedureDecl>(
        "CREATE FUNCTION f RETURN NUMBER PARALLEL_ENABLE DETERMINISTIC IS BEGIN RETURN 1; END;");
    EXPECT_EQ(Fields(f->CreateKind, f->IsFunction, f->ReturnToken, OwnTokens(f->FuncAttrs), f->Declarations, f->Params,
                     f->ParamPart, f->Terminator),
              "1 1 RETURN PARALLEL_ENABLE|DETERMINISTIC nil nil set ;");

    // Empty parameter places and EXIT as a name.
    auto* e = Unit<TRkPlsql_ProcedureDecl>("PROCEDURE exit (a NUMBER,) IS BEGIN NULL; END;");
    ASSERT_EQ(Count(e->Params), 2);
    EXPECT_EQ(Fields(e->CreateKind, Item<TRkPlsql_ParameterDecl>(e->Params, 1)->NameToken), "0 <nil>");
}

TEST_F(PlsqlGrammar, Packages) {
    auto* spec = Unit<TRkPlsql_Package>(
        "CREATE PACKAGE pkg IS PRAGMA SERIALLY_REUSABLE; TYPE t IS TABLE OF NUMBER; c CONSTANT NUMBER := 1; "
        "CURSOR cur RETURN emp%ROWTYPE; CURSOR cur2 IS SELECT * FROM dual; FUNCTION f (a NUMBER) RETURN NUMBER; "
        "PROCEDURE p; PRAGMA RESTRICT_REFERENCES (f, WNDS, RNPS); END pkg;");
    ASSERT_EQ(Count(spec->PackageItems), 8);
    auto* pr = MUST(Item<TRkPlsql_PragmaDecl>(spec->PackageItems, 7));
    EXPECT_EQ(Fields(spec->IsBody, spec->CreateKind, OwnTokens(spec), spec->PackageEndLabel, Count(pr->Arguments),
                     OwnTokens(pr), pr->Terminator, Item<TRkPlsql_CursorDecl>(spec->PackageItems, 4)->Terminator,
                     Item<TRkPlsql_ProcedureSpec>(spec->PackageItems, 5)->IsFunction),
              "0 1 PACKAGE|END pkg 3 PRAGMA|RESTRICT_REFERENCES|(|) ; <nil> 1");

    auto* body = Unit<TRkPlsql_Package>(
        "CREATE OR REPLACE PACKAGE BODY pkg AS g NUMBER; CURSOR cur RETURN emp%ROWTYPE IS SELECT * FROM emp; "
        "FUNCTION f (a NUMBER) RETURN NUMBER IS BEGIN RETURN a; END f; PROCEDURE p IS BEGIN NULL; END; BEGIN g "
        ":= 0; END pkg;");
    EXPECT_EQ(Fields(body->IsBody, body->CreateKind, OwnTokens(body), Count(body->PackageItems), Count(body->Statements)),
              "1 2 PACKAGE|END|BODY|BEGIN 4 1");
}

TEST_F(PlsqlGrammar, Triggers) {
    auto* t = Unit<TRkPlsql_Trigger>(
        "CREATE OR REPLACE TRIGGER trg BEFORE INSERT OR UPDATE OF a, b ON emp FOR EACH ROW WHEN (new.x > 0) "
        "BEGIN IF INSERTING THEN :new.id := 1; END IF; END;");
    auto* ev = MUST(dynamic_cast<TRk_DummyNode*>(t->Event));
    ASSERT_EQ(Count(ev->List1), 2);
    ASSERT_NE(t->WhenClause, nullptr);
    auto* upd = Item<TRk_DummyNode>(ev->List1, 1);
    EXPECT_EQ(Fields(t->CreateKind, t->TriggerToken, dynamic_cast<TRk_DummyNode*>(t->Timing)->Tok1, ev->Int1, ev->Tok1,
                     upd->SeparatorToken, upd->Tok2, Count(upd->List1), ev->Sub2, ev->Sub3, t->WhenClause->Tok3,
                     t->Body, t->CallStatement),
              "2 TRIGGER BEFORE 1 ON OR OF 2 nil set ) set nil");

    const struct { const char* Text; const char* Want; } events[] = {
        {"CREATE TRIGGER logon_trg AFTER LOGON ON DATABASE BEGIN NULL; END;", "3 ON DATABASE <nil> <nil>"},
        {"CREATE TRIGGER ddl_trg AFTER CREATE OR DROP ON scott.SCHEMA BEGIN NULL; END;", "2 ON scott . SCHEMA"},
        // A GRANT event is a name to this grammar: a database event.
        {"CREATE TRIGGER t AFTER GRANT ON SCHEMA BEGIN NULL; END;", "3 ON SCHEMA <nil> <nil>"},
    };
    for (const auto& c : events) {
        t = Unit<TRkPlsql_Trigger>(c.Text);
        ev = dynamic_cast<TRk_DummyNode*>(t->Event);
        EXPECT_EQ(Fields(ev->Int1, ev->Tok1, ev->Tok2, ev->Tok3, ev->Tok4), c.Want) << c.Text;
    }

    t = Unit<TRkPlsql_Trigger>("CREATE TRIGGER c_trg INSTEAD OF DELETE ON v CALL p(1)\n");
    ASSERT_NE(t->CallStatement, nullptr);
    EXPECT_EQ(Fields(t->Body, t->CallStatement->ClassName(), dynamic_cast<TRk_DummyNode*>(t->Timing)->Tok2),
              "nil TOracleCallSqlStatement OF");
}

TEST_F(PlsqlGrammar, ObjectTypesParseWithoutATree) {
    for (const char* text : {"CREATE OR REPLACE TYPE pt AS OBJECT (x NUMBER, MEMBER FUNCTION len RETURN NUMBER);",
                             "CREATE TYPE tt AS TABLE OF NUMBER",
                             "CREATE TYPE BODY pt AS MEMBER FUNCTION len RETURN NUMBER IS BEGIN RETURN 1; END; END;"}) {
        Parse(text);
        EXPECT_EQ(Result, 0) << text;
        EXPECT_TRUE(Errors.empty()) << text;
        EXPECT_EQ(Parser->RootNode, nullptr) << text;
    }
}

// Sentences the grammar accepts or rejects: the parse result, then the
// token of each report.
TEST_F(PlsqlGrammar, AcceptedAndRejectedForms) {
    const struct { const char* Text; const char* Outcome; } cases[] = {
        {";", "1 ;"},
        {"BEGIN RAISE pkg.err; END;", "0 ."},
        {"BEGIN RAISE; RAISE e; END;", "0"},
        {"BEGIN x := :v INDICATOR :i; y := :a :b; END;", "0"},
        {"BEGIN x := y * * 2; END;", "0"},
        {"DECLARE TYPE c IS REF CURSOR; BEGIN NULL; END;", "0"},
        {"DECLARE TYPE c AS REF CURSOR; BEGIN NULL; END;", "0 REF"},
        // OUT is a name where a type may stand; the type after it is the error.
        {"DECLARE CURSOR c (a OUT NUMBER) IS SELECT 1 FROM dual; BEGIN NULL; END;", "0 NUMBER"},
        // ROW is no type name, only the start of a name%TYPE.
        {"DECLARE v ROW; BEGIN NULL; END;", "0 ;"},
        {"DECLARE :v NUMBER; BEGIN :v := 1; END;", "0"},
        {"BEGIN EXIT; EXIT WHEN a; EXIT l; EXIT l WHEN a OR b; END;", "0"},
        {"CREATE TRIGGER t AFTER INSERT ON NESTED TABLE c OF v BEGIN NULL; END;", "1 TABLE"},
        {"CREATE TRIGGER t AFTER GRANT ON SCHEMA BEGIN NULL; END;", "0"},
        {"BEGIN x := TRIM(a); END;", "0"},
        {"BEGIN x := a MOD b; END;", "0 MOD"},
        {"DECLARE TYPE t IS TABLE OF NUMBER INDEX BY PLS_INTEGER; BEGIN NULL; END;", "0 PLS_INTEGER"},
        {"BEGIN EXECUTE IMMEDIATE s USING x + 1; END;", "0 +"},   // USING takes names only
        {"BEGIN <<l>> p(1); END;", "0 ;"},                         // no label before a call
        // Nor before EXECUTE IMMEDIATE: EXECUTE is taken as an assignment target.
        {"BEGIN <<l>> EXECUTE IMMEDIATE 'x'; END;", "0 IMMEDIATE"},
        {"CREATE TRIGGER t BEFORE INSERT ON emp REFERENCING NEW AS n FOR EACH ROW BEGIN NULL; END;", "1 REFERENCING"},
    };
    for (const auto& c : cases) {
        Parse(c.Text);
        std::string outcome = std::to_string(Result);
        for (const auto& e : Errors) outcome += " " + e.Token;
        EXPECT_EQ(outcome, c.Outcome) << c.Text;
    }
    // "* *" written apart is the exponent form; "**" is one operator run.
    ExprOf("y * * 2");
    EXPECT_EQ(All<TRkCustomExpression>().back()->ExprType, Expr_DoubleStar);
    ExprOf("y ** 2");
    EXPECT_EQ(All<TRkCustomExpression>().back()->ExprType, Expr_OP);
}

}  // namespace
