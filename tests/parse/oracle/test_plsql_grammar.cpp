// Trees the PL/SQL grammar builds: units, declarations, statements,
// expressions, types, program units and triggers.
#include "test_plsql_support.h"

using namespace plsql_test;
using oracle_test::Sx;
using oracle_test::TokText;
using oracle_test::OwnTokens;

namespace {

class PlsqlGrammar : public PlsqlParseFixture {
protected:
    // Parses a unit that must parse whole and returns its root as T.
    template <class T>
    T* Unit(const std::string& Text) {
        Parse(Text);
        EXPECT_EQ(Result, 0) << Text;
        for (const auto& e : Errors) ADD_FAILURE() << e.Expected << " at " << e.Token << " " << e.Line << ":" << e.Column;
        auto* root = dynamic_cast<T*>(Parser->RootNode);
        EXPECT_NE(root, nullptr) << Text;
        return root;
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
        return v.size() == 1 ? dynamic_cast<TRk_TypeName*>(v[0]->DataType) : nullptr;
    }
};

// ---- Blocks and declarations -------------------------------------------------

TEST_F(PlsqlGrammar, AnonymousBlockWithLabelDeclarationsAndHandlers) {
    auto* b = Unit<TRk_Plsql>(
        "<<outer>> DECLARE\n"
        "  n CONSTANT NUMBER(10,2) NOT NULL := 1;\n"
        "  s emp.ename%TYPE;\n"
        "  r emp%ROWTYPE DEFAULT NULL;\n"
        "  SUBTYPE small IS NATURAL NOT NULL;\n"
        "  e EXCEPTION;\n"
        "  DECLARE p PLS_INTEGER;\n"
        "  PRAGMA EXCEPTION_INIT(e, -20001);\n"
        "BEGIN\n"
        "  NULL;\n"
        "EXCEPTION\n"
        "  WHEN NO_DATA_FOUND OR e THEN NULL;\n"
        "  WHEN OTHERS THEN RAISE;\n"
        "END outer;");
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(OwnTokens(b), "BEGIN|END");
    EXPECT_EQ(TokText(b->EndLabel), "outer");
    EXPECT_EQ(TokText(b->ExceptionToken), "EXCEPTION");
    EXPECT_EQ(TokText(b->Terminator), ";");
    TRkPlsql_Decl* d = b->DeclSection;
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(TokText(d->BlockLabel), "outer");
    EXPECT_EQ(OwnTokens(d->LabelNode), "<<|>>");
    EXPECT_EQ(TokText(d->DeclareToken), "DECLARE");
    ASSERT_EQ(Count(d->Declarations), 7);

    auto* n = Item<TRkPlsql_VarDecl>(d->Declarations, 0);
    EXPECT_EQ(n->DeclKind, 2);
    EXPECT_EQ(n->ConstraintFlag, 1);
    EXPECT_EQ(OwnTokens(n), "CONSTANT");
    EXPECT_EQ(OwnTokens(n->NotNullNode), "NOT|NULL");
    auto* def = dynamic_cast<TRkPlsql_opt_declaration_expr*>(n->Value);
    ASSERT_NE(def, nullptr);
    EXPECT_EQ(def->Kind, 1);
    EXPECT_EQ(OwnTokens(def), ":=");
    EXPECT_EQ(TokText(n->Terminator), ";");

    auto* s = Item<TRkPlsql_VarDecl>(d->Declarations, 1);
    auto* st = dynamic_cast<TRk_TypeName*>(s->DataType);
    ASSERT_NE(st, nullptr);
    EXPECT_EQ(st->TypeForm, 74);
    EXPECT_EQ(TokText(st->MidToken), "%");
    EXPECT_EQ(TokText(st->EndToken), "TYPE");
    EXPECT_EQ(s->NotNullNode->Int1, 0);
    EXPECT_EQ(s->ConstraintFlag, 0);

    auto* r = Item<TRkPlsql_VarDecl>(d->Declarations, 2);
    EXPECT_EQ(dynamic_cast<TRk_TypeName*>(r->DataType)->TypeForm, 75);
    EXPECT_EQ(dynamic_cast<TRkPlsql_opt_declaration_expr*>(r->Value)->Kind, 2);

    auto* sub = Item<TRkPlsql_VarDecl>(d->Declarations, 3);
    EXPECT_EQ(sub->DeclKind, 3);
    EXPECT_EQ(OwnTokens(sub), "SUBTYPE|IS");
    EXPECT_EQ(dynamic_cast<TRk_TypeName*>(sub->DataType)->TypeForm, 77);

    auto* e = Item<TRkPlsql_VarDecl>(d->Declarations, 4);
    EXPECT_EQ(e->DeclKind, 5);
    EXPECT_EQ(OwnTokens(e), "EXCEPTION");

    // A second DECLARE separates two declarations.
    auto* p = Item<TRkPlsql_VarDecl>(d->Declarations, 5);
    EXPECT_EQ(TokText(p->SeparatorToken), "DECLARE");
    EXPECT_EQ(dynamic_cast<TRk_TypeName*>(p->DataType)->TypeForm, 82);

    auto* init = Item<TRkPlsql_VarDecl>(d->Declarations, 6);
    EXPECT_EQ(init->DeclKind, 6);
    EXPECT_EQ(TokText(init->NameToken), "e");
    EXPECT_EQ(Sx(init->Value), "(- _ 20001)");
    EXPECT_EQ(OwnTokens(init), "PRAGMA|EXCEPTION_INIT|(|,|)");

    ASSERT_EQ(Count(b->Handlers), 2);
    auto* h1 = Item<TRkPlsql_Exceptionhandler>(b->Handlers, 0);
    EXPECT_EQ(h1->HandlerKind, 2);
    EXPECT_EQ(OwnTokens(h1), "WHEN|THEN");
    ASSERT_EQ(Count(h1->ExceptionNames), 2);
    EXPECT_EQ(TokText(Item<TRk_Attr>(h1->ExceptionNames, 1)->SeparatorToken), "OR");
    auto* h2 = Item<TRkPlsql_Exceptionhandler>(b->Handlers, 1);
    EXPECT_EQ(h2->HandlerKind, 1);
    EXPECT_EQ(OwnTokens(h2), "WHEN|OTHERS|THEN");
    EXPECT_NE(Item<TRkPlsql_RaiseStmt>(h2->Statements, 0), nullptr);
}

TEST_F(PlsqlGrammar, BlockWithoutDeclareHasAnEmptyDeclarationSection) {
    auto* b = Unit<TRk_Plsql>("BEGIN NULL; END;");
    ASSERT_NE(b, nullptr);
    ASSERT_NE(b->DeclSection, nullptr);
    EXPECT_EQ(b->DeclSection->LabelNode, nullptr);
    EXPECT_EQ(b->DeclSection->Declarations, nullptr);
    EXPECT_EQ(b->Handlers, nullptr);
    // An unlabelled NULL is a call over the constant NULL.
    auto* call = Item<TRkPlsql_ProcBasicStmt>(b->Statements, 0);
    ASSERT_NE(call, nullptr);
    EXPECT_EQ(Sx(call->CallExpr), "NULL");
}

TEST_F(PlsqlGrammar, TypeDeclarations) {
    Unit<TRk_Plsql>(
        "DECLARE\n"
        "  TYPE tab IS TABLE OF NUMBER NOT NULL INDEX BY BINARY_INTEGER;\n"
        "  TYPE arr IS VARRAY(10) OF VARCHAR2(20);\n"
        "  TYPE arr2 AS VARYING ARRAY(5) OF DATE;\n"
        "  TYPE rec IS RECORD (a NUMBER := 0, function VARCHAR2(1) NOT NULL DEFAULT 'x');\n"
        "  TYPE rc IS REF CURSOR RETURN emp%ROWTYPE;\n"
        "  CURSOR c1 (p IN NUMBER, q DATE := SYSDATE) IS SELECT * FROM emp WHERE id = p;\n"
        "BEGIN NULL; END;");
    auto* t = One<TRkPlsql_TableTypeDef>();
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(OwnTokens(t), "TYPE|TABLE|OF");
    EXPECT_EQ(t->NotNull, 1);
    EXPECT_EQ(t->IndexBy->Int1, 1);
    EXPECT_EQ(TokText(t->IndexBy->Tok3), "BINARY_INTEGER");
    std::vector<TRkPlsql_VarrayTypeDef*> v = All<TRkPlsql_VarrayTypeDef>();
    ASSERT_EQ(v.size(), 2u);
    EXPECT_EQ(v[0]->ArrayForm, 1);
    EXPECT_EQ(TokText(v[0]->LimitToken), "10");
    EXPECT_EQ(OwnTokens(v[0]), "TYPE|VARRAY|(|)|OF");
    EXPECT_EQ(v[1]->ArrayForm, 2);
    EXPECT_EQ(TokText(v[1]->IsToken), "AS");
    EXPECT_EQ(OwnTokens(v[1]), "TYPE|VARYING|ARRAY|(|)|OF");
    auto* rec = One<TRkPlsql_RecordTypeDef>();
    ASSERT_EQ(Count(rec->FieldList), 2);
    auto* f2 = Item<TRkPlsql_FieldDecl>(rec->FieldList, 1);
    EXPECT_EQ(TokText(f2->NameToken), "function");
    EXPECT_EQ(TokText(f2->SeparatorToken), ",");
    EXPECT_EQ(f2->NotNull, 1);
    std::vector<TRkPlsql_CursorDecl*> c = All<TRkPlsql_CursorDecl>();
    ASSERT_EQ(c.size(), 2u);
    EXPECT_EQ(c[0]->RefCursor, 1);
    EXPECT_EQ(TokText(c[0]->Terminator), ";");
    EXPECT_EQ(dynamic_cast<TRk_TypeName*>(c[0]->ReturnType)->TypeForm, 75);
    EXPECT_EQ(TokText(c[1]->CursorName), "c1");
    ASSERT_NE(c[1]->ParamPart, nullptr);
    ASSERT_EQ(Count(c[1]->ParamPart->List1), 2);
    EXPECT_EQ(TokText(Item<TRkPlsql_CursorParamDecl>(c[1]->ParamPart->List1, 0)->InToken), "IN");
    ASSERT_NE(c[1]->Query, nullptr);
    EXPECT_EQ(Significant(c[1]->Query->SourceTokens.get()), "SELECT * FROM emp WHERE id = p ;");
}

TEST_F(PlsqlGrammar, IndexByOnlyTakesBinaryInteger) {
    Parse("DECLARE TYPE t IS TABLE OF NUMBER INDEX BY PLS_INTEGER; BEGIN NULL; END;");
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Errors[0].Token, "PLS_INTEGER");
}

// ---- Statements --------------------------------------------------------------

TEST_F(PlsqlGrammar, ControlStatements) {
    auto* b = Unit<TRk_Plsql>(
        "BEGIN\n"
        "  IF a = 1 THEN x := 1; ELSIF a = 2 THEN x := 2; ELSIF a = 3 THEN NULL; ELSE x := 3; END IF;\n"
        "  <<l1>> LOOP EXIT l1 WHEN x > 10; x := x + 1; END LOOP l1;\n"
        "  WHILE x > 0 LOOP x := x - 1; END LOOP;\n"
        "  FOR i IN 1 .. 10 LOOP NULL; END LOOP;\n"
        "  FOR i IN REVERSE 1 .. n LOOP NULL; END LOOP;\n"
        "  FOR r IN (SELECT a FROM t) LOOP NULL; END LOOP;\n"
        "  FOR r IN c LOOP NULL; END LOOP;\n"
        "  FOR r IN c(1, 2) LOOP NULL; END LOOP;\n"
        "  FOR r IN pkg.c LOOP NULL; END LOOP;\n"
        "  GOTO l1;\n"
        "  <<l2>> NULL;\n"
        "  RETURN x * 2;\n"
        "END;");
    ASSERT_NE(b, nullptr);
    ASSERT_EQ(Count(b->Statements), 12);
    auto* iff = Item<TRkPlsql_IfStmt>(b->Statements, 0);
    ASSERT_NE(iff, nullptr);
    EXPECT_EQ(OwnTokens(iff), "IF|THEN|ELSE|END|IF");
    EXPECT_EQ(Count(iff->ThenStmts), 1);
    EXPECT_EQ(Count(iff->ElsifList), 2);
    EXPECT_EQ(OwnTokens(Item<TRkPlsql_ElsifStmt>(iff->ElsifList, 0)), "ELSIF|THEN");
    EXPECT_EQ(Count(iff->ElseStmts), 1);

    std::vector<int> kinds;
    for (TRkPlsql_LoopStmt* l : All<TRkPlsql_LoopStmt>()) kinds.push_back(l->LoopKind);
    EXPECT_EQ(kinds, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
    auto* l1 = Item<TRkPlsql_LoopStmt>(b->Statements, 1);
    EXPECT_EQ(TokText(l1->LabelToken), "l1");
    EXPECT_EQ(TokText(l1->LabelOpen), "<<");
    EXPECT_EQ(TokText(l1->EndLabel), "l1");
    EXPECT_EQ(TokText(l1->Terminator), ";");
    auto* ex = Item<TRkPlsql_ExitStmt>(l1->Statements, 0);
    EXPECT_EQ(TokText(ex->LabelName), "l1");
    EXPECT_EQ(OwnTokens(ex), "EXIT|WHEN");
    EXPECT_EQ(Sx(ex->Condition), "(> x 10)");
    auto* rev = Item<TRkPlsql_LoopStmt>(b->Statements, 4);
    EXPECT_EQ(rev->Reverse, 1);
    EXPECT_EQ(OwnTokens(rev), "FOR|IN|REVERSE|..|LOOP|END|LOOP");
    auto* q = Item<TRkPlsql_LoopStmt>(b->Statements, 5);
    ASSERT_NE(q->Query, nullptr);
    EXPECT_EQ(Significant(q->Query->SourceTokens.get()), "( SELECT a FROM t )");
    EXPECT_EQ(Count(Item<TRkPlsql_LoopStmt>(b->Statements, 7)->CursorArgs), 2);
    EXPECT_NE(dynamic_cast<TRk_Attr*>(Item<TRkPlsql_LoopStmt>(b->Statements, 8)->Cursor), nullptr);
    EXPECT_EQ(TokText(Item<TRkPlsql_GotoStmt>(b->Statements, 9)->LabelName), "l1");
    auto* nul = Item<TRkPlsql_NullStmt>(b->Statements, 10);
    ASSERT_NE(nul, nullptr);
    EXPECT_EQ(TokText(nul->LabelToken), "l2");
    EXPECT_EQ(Sx(Item<TRkPlsql_ReturnStmt>(b->Statements, 11)->Expression), "(* x 2)");
}

TEST_F(PlsqlGrammar, LabelsCannotStandBeforeCallsOrExecuteImmediate) {
    Parse("BEGIN <<l>> p(1); END;");
    EXPECT_EQ(Errors.size(), 1u);
    // EXECUTE is taken as the name of an assignment target.
    Parse("BEGIN <<l>> EXECUTE IMMEDIATE 'x'; END;");
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Errors[0].Token, "IMMEDIATE");
}

TEST_F(PlsqlGrammar, CursorAndDynamicStatements) {
    Unit<TRk_Plsql>(
        "BEGIN\n"
        "  OPEN c1; OPEN c2(1, x); FETCH c1 INTO a, b; CLOSE c1;\n"
        "  OPEN rc FOR SELECT * FROM t;\n"
        "  OPEN rc FOR 'select 1 from dual' USING a, b;\n"
        "  EXECUTE IMMEDIATE 'begin :1 := f(:2, :3, :4); end;' INTO z USING OUT a, IN b, IN OUT c, d "
        "RETURNING INTO e, f;\n"
        "  FORALL i IN 1 .. n DELETE FROM t WHERE id = ids(i);\n"
        "END;");
    std::vector<TRkPlsql_OpenStmt*> o = All<TRkPlsql_OpenStmt>();
    ASSERT_EQ(o.size(), 2u);
    EXPECT_NE(dynamic_cast<TRk_Ident*>(o[0]->Cursor), nullptr);
    EXPECT_EQ(OwnTokens(o[1]), "OPEN|(|)");
    EXPECT_EQ(Count(o[1]->Arguments), 2);
    auto* f = One<TRkPlsql_FetchStmt>();
    EXPECT_EQ(Count(f->IntoList), 2);
    EXPECT_EQ(OwnTokens(f), "FETCH|INTO");
    EXPECT_EQ(TokText(One<TRkPlsql_CloseStmt>()->CursorName), "c1");
    std::vector<TRkPlsql_OpenforStmt*> of = All<TRkPlsql_OpenforStmt>();
    ASSERT_EQ(of.size(), 2u);
    ASSERT_NE(of[0]->Query, nullptr);
    EXPECT_EQ(of[0]->Terminator, nullptr);
    EXPECT_EQ(of[1]->Query, nullptr);
    EXPECT_EQ(OwnTokens(of[1]), "OPEN|FOR|USING");
    EXPECT_EQ(Count(of[1]->Binds), 2);
    EXPECT_EQ(TokText(of[1]->Terminator), ";");

    auto* ei = One<TRkPlsql_ExecImmeStmt>();
    ASSERT_NE(ei, nullptr);
    EXPECT_EQ(OwnTokens(ei), "EXECUTE|IMMEDIATE");
    EXPECT_EQ(TokText(ei->IntoToken), "INTO");
    EXPECT_EQ(Count(ei->IntoList), 1);
    ASSERT_EQ(Count(ei->UsingList), 4);
    std::vector<int> modes;
    for (int i = 0; i < 4; ++i) modes.push_back(Item<TRk_DummyNode>(ei->UsingList, i)->Int1);
    EXPECT_EQ(modes, (std::vector<int>{3, 2, 4, 1}));
    EXPECT_EQ(TokText(Item<TRk_DummyNode>(ei->UsingList, 2)->Tok3), "OUT");
    EXPECT_EQ(TokText(Item<TRk_DummyNode>(ei->UsingList, 1)->SeparatorToken), ",");
    ASSERT_NE(ei->Returning, nullptr);
    EXPECT_EQ(ei->Returning->Int1, 2);
    EXPECT_EQ(Count(ei->Returning->List1), 2);

    auto* fa = One<TRkPlsql_ForallStmt>();
    ASSERT_NE(fa, nullptr);
    EXPECT_EQ(OwnTokens(fa), "FORALL|IN|..");
    ASSERT_NE(fa->DmlStmt, nullptr);
    EXPECT_EQ(Significant(fa->DmlStmt->SqlStatement->SourceTokens.get()), "DELETE FROM t WHERE id = ids ( i ) ;");
}

TEST_F(PlsqlGrammar, UsingTakesNamesOnly) {
    Parse("BEGIN EXECUTE IMMEDIATE s USING x + 1; END;");
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Errors[0].Token, "+");
}

TEST_F(PlsqlGrammar, AssignmentTargetsAndCalls) {
    Unit<TRk_Plsql>(
        "BEGIN x := 1; r.f := 2; a(i) := 3; f(1).fld := 4; a(1)(i) := 5; p; pkg.p(1, n => 2); "
        "t.DELETE; t.DELETE(1); END;");
    std::vector<TRkPlsql_ExprLeftSide*> l = All<TRkPlsql_ExprLeftSide>();
    ASSERT_EQ(l.size(), 5u);
    EXPECT_EQ(TokText(l[0]->NameToken), "x");
    EXPECT_NE(l[1]->Attr, nullptr);
    EXPECT_EQ(Count(l[2]->Qualifiers), 1);
    EXPECT_EQ(l[2]->NameToken, nullptr);
    EXPECT_EQ(TokText(l[3]->DotToken), ".");
    EXPECT_EQ(TokText(l[3]->NameToken), "fld");
    EXPECT_EQ(l[4]->Bracket, 1);
    EXPECT_EQ(OwnTokens(l[4]), "(|)");
    std::vector<TRkPlsql_ProcBasicStmt*> c = All<TRkPlsql_ProcBasicStmt>();
    ASSERT_EQ(c.size(), 4u);
    EXPECT_EQ(Sx(c[0]->CallExpr), "p");
    auto* e = dynamic_cast<TRkCustomExpression*>(c[1]->CallExpr);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->ExprType, Expr_func_exprs);
    auto* call = Item<TRk_FuncCall>(dynamic_cast<TRk_List*>(e->LeftOperand), 0);
    ASSERT_NE(call, nullptr);
    ASSERT_EQ(Count(call->ArgList), 2);
    // A named argument is an operator-run expression.
    EXPECT_EQ(dynamic_cast<TRkCustomExpression*>(call->ArgList->GetNode(1))->ExprType, Expr_OP);
    EXPECT_EQ(dynamic_cast<TRkCustomExpression*>(c[2]->CallExpr)->ExprType, Expr_Attr);
    EXPECT_NE(dynamic_cast<TRk_FuncCall*>(c[3]->CallExpr), nullptr);
}

TEST_F(PlsqlGrammar, CaseStatementAndCaseExpression) {
    Unit<TRk_Plsql>(
        "BEGIN\n"
        "  CASE x WHEN 1 THEN y := 1; WHEN 2 THEN NULL; ELSE y := 0; END CASE;\n"
        "  y := CASE WHEN x > 1 THEN 'a' ELSE 'b' END;\n"
        "END;");
    auto* cs = One<TRkPlsql_CaseStmt>();
    ASSERT_NE(cs, nullptr);
    EXPECT_EQ(OwnTokens(cs), "CASE");
    std::vector<TRkPlsql_CaseExpr*> ce = All<TRkPlsql_CaseExpr>();
    ASSERT_EQ(ce.size(), 2u);
    EXPECT_EQ(cs->Body, ce[0]);
    EXPECT_EQ(Sx(ce[0]->Selector), "x");
    EXPECT_EQ(Count(ce[0]->WhenClauses), 2);
    EXPECT_EQ(ce[0]->ElsePart->Int1, 1);
    EXPECT_EQ(TokText(ce[0]->ElsePart->Tok1), "ELSE");
    EXPECT_EQ(Count(ce[0]->ElseStmts), 1);
    EXPECT_EQ(OwnTokens(ce[0]), "CASE|END");
    EXPECT_EQ(ce[1]->Selector, nullptr);
    EXPECT_EQ(ce[1]->ElsePart->Int1, 2);
    EXPECT_EQ(Sx(ce[1]->ElseExpr), "'b'");
    auto* w = Item<TRkPlsql_CaseExprWhenClause>(ce[1]->WhenClauses, 0);
    EXPECT_EQ(Sx(w->Result), "'a'");
    EXPECT_EQ(w->Statements, nullptr);
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
    EXPECT_EQ(ExprOf("SQL%ROWCOUNT"), "(rowcount _ _)");
    auto* e = One<TRkCustomExpression>();
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->ExprType, Expr_Plsql_sql_condition);
    EXPECT_EQ(OwnTokens(e), "SQL|%|ROWCOUNT");

    ExprOf("c1%NOTFOUND");
    std::vector<TRkCustomExpression*> v = All<TRkCustomExpression>();
    ASSERT_FALSE(v.empty());
    EXPECT_EQ(v.back()->ExprType, Expr_Arithmetic);

    ExprOf("x IS NOT OF TYPE (t)");
    v = All<TRkCustomExpression>();
    ASSERT_FALSE(v.empty());
    EXPECT_EQ(v.back()->ExprType, Expr_NotSupported);
    EXPECT_EQ(v.back()->LeftOperand, nullptr);

    ExprOf("DATE '2001-01-01'");
    auto* c = One<TRk_A_Const>();
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->ConstKind, 103);
    EXPECT_EQ(TokText(c->ValueToken), "'2001-01-01'");
    EXPECT_EQ(OwnTokens(c), "DATE|'2001-01-01'");

    ExprOf("(a, b) IN (SELECT x, y FROM t)");
    v = All<TRkCustomExpression>();
    ASSERT_FALSE(v.empty());
    EXPECT_EQ(v.back()->ExprType, Expr_In);

    ExprOf("count(*) + count(DISTINCT a)");
    std::vector<TRk_FuncCall*> f = All<TRk_FuncCall>();
    ASSERT_EQ(f.size(), 2u);
    EXPECT_EQ(f[0]->IsStar, 1);
    EXPECT_EQ(f[1]->IsDistinct, 1);
    EXPECT_EQ(OwnTokens(f[1]), "(|DISTINCT|)");

    ExprOf("EXTRACT(YEAR FROM d)");
    auto* ext = One<TRk_FuncCall>();
    ASSERT_EQ(Count(ext->ArgList), 2);
    EXPECT_EQ(dynamic_cast<TRk_A_Const*>(ext->ArgList->GetNode(0))->ConstKind, 172);

    ExprOf("f(a, b).g(c)");
    auto* chain = dynamic_cast<TRk_List*>(All<TRkCustomExpression>().back()->LeftOperand);
    ASSERT_EQ(Count(chain), 2);
    EXPECT_EQ(TokText(Item<TRk_FuncCall>(chain, 1)->SeparatorToken), ".");

    ExprOf("x = ANY (1, 2)");
    v = All<TRkCustomExpression>();
    EXPECT_EQ(v.back()->ExprType, Expr_AllOp);
    EXPECT_EQ(v.back()->Modifier, 1);
    EXPECT_EQ(TokText(v.back()->QuantifierToken), "ANY");
}

// ---- Types -------------------------------------------------------------------

TEST_F(PlsqlGrammar, DataTypes) {
    TRk_TypeName* t = TypeOf("NUMBER(10,2)");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->TypeForm, 11);
    EXPECT_EQ(t->Param1, 10);
    EXPECT_EQ(t->Param2, 2);
    EXPECT_EQ(OwnTokens(t), "NUMBER|(|10|,|2|)");
    t = TypeOf("NUMBER");
    EXPECT_EQ(t->Param1, -9999);
    t = TypeOf("VARCHAR2(30 BYTE)");
    EXPECT_EQ(t->TypeForm, 42);
    EXPECT_EQ(t->Param1, 30);
    EXPECT_EQ(t->LengthSemantics, 1);
    EXPECT_EQ(OwnTokens(t), "VARCHAR2|(|30|BYTE|)");
    t = TypeOf("CHAR VARYING(10)");
    EXPECT_EQ(t->TypeForm, 40);
    EXPECT_EQ(t->VaryingFlag, 1);
    t = TypeOf("INTERVAL DAY(3) TO SECOND(6)");
    EXPECT_EQ(t->TypeForm, 57);
    EXPECT_EQ(t->Param1, 3);
    EXPECT_EQ(t->Param2, 6);
    t = TypeOf("TIMESTAMP(6) WITH LOCAL TIME ZONE");
    EXPECT_EQ(t->TypeForm, 52);
    EXPECT_EQ(t->Param1, 6);
    t = TypeOf("my_type");
    EXPECT_EQ(t->TypeForm, 2);
    EXPECT_EQ(TokText(t->TypeNameToken), "my_type");
    // NCLOB is a plain name inside PL/SQL.
    t = TypeOf("NCLOB");
    EXPECT_EQ(t->TypeForm, 2);
    t = TypeOf("REF my_type");
    EXPECT_EQ(t->TypeForm, 76);
    EXPECT_EQ(OwnTokens(t), "REF|my_type");
    t = TypeOf("pkg.t_rec");
    EXPECT_EQ(t->TypeForm, 83);
}

// ---- Program units -----------------------------------------------------------

TEST_F(PlsqlGrammar, ProceduresAndFunctions) {
    auto* p = Unit<TRkPlsql_ProcedureDecl>(
        "CREATE OR REPLACE PROCEDURE hr.raise_sal (id IN NUMBER, amt OUT NUMBER, r IN OUT t%ROWTYPE, d DATE "
        "DEFAULT SYSDATE) AS\n  v NUMBER;\nBEGIN\n  NULL;\nEXCEPTION WHEN OTHERS THEN NULL;\nEND raise_sal;");
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->CreateKind, 2);
    EXPECT_EQ(p->IsFunction, 0);
    EXPECT_EQ(TokText(p->IsAsToken), "AS");
    EXPECT_EQ(OwnTokens(p), "PROCEDURE|BEGIN|END");
    EXPECT_EQ(OwnTokens(p->ParamPart), "(|)");
    ASSERT_EQ(Count(p->Params), 4);
    std::vector<int> modes;
    for (int i = 0; i < 4; ++i) modes.push_back(Item<TRkPlsql_ParameterDecl>(p->Params, i)->Mode);
    EXPECT_EQ(modes, (std::vector<int>{2, 3, 4, 1}));
    EXPECT_EQ(OwnTokens(Item<TRkPlsql_ParameterDecl>(p->Params, 2)), "IN|OUT");
    EXPECT_EQ(Count(p->Declarations), 1);
    EXPECT_EQ(Count(p->Handlers), 1);
    EXPECT_EQ(TokText(p->EndLabel), "raise_sal");

    auto* f = Unit<TRkPlsql_ProcedureDecl>(
        "CREATE FUNCTION f RETURN NUMBER PARALLEL_ENABLE DETERMINISTIC IS BEGIN RETURN 1; END;");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->CreateKind, 1);
    EXPECT_EQ(f->IsFunction, 1);
    EXPECT_EQ(TokText(f->ReturnToken), "RETURN");
    EXPECT_EQ(OwnTokens(f->FuncAttrs), "PARALLEL_ENABLE|DETERMINISTIC");
    EXPECT_EQ(f->Declarations, nullptr);
    EXPECT_EQ(f->Params, nullptr);
    EXPECT_NE(f->ParamPart, nullptr);
    EXPECT_EQ(TokText(f->Terminator), ";");

    // Empty parameter places and EXIT as a name.
    auto* e = Unit<TRkPlsql_ProcedureDecl>("PROCEDURE exit (a NUMBER,) IS BEGIN NULL; END;");
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->CreateKind, 0);
    ASSERT_EQ(Count(e->Params), 2);
    EXPECT_EQ(Item<TRkPlsql_ParameterDecl>(e->Params, 1)->NameToken, nullptr);
}

TEST_F(PlsqlGrammar, Packages) {
    auto* spec = Unit<TRkPlsql_Package>(
        "CREATE PACKAGE pkg IS\n"
        "  PRAGMA SERIALLY_REUSABLE;\n"
        "  TYPE t IS TABLE OF NUMBER;\n"
        "  c CONSTANT NUMBER := 1;\n"
        "  CURSOR cur RETURN emp%ROWTYPE;\n"
        "  CURSOR cur2 IS SELECT * FROM dual;\n"
        "  FUNCTION f (a NUMBER) RETURN NUMBER;\n"
        "  PROCEDURE p;\n"
        "  PRAGMA RESTRICT_REFERENCES (f, WNDS, RNPS);\n"
        "END pkg;");
    ASSERT_NE(spec, nullptr);
    EXPECT_EQ(spec->IsBody, 0);
    EXPECT_EQ(spec->CreateKind, 1);
    EXPECT_EQ(OwnTokens(spec), "PACKAGE|END");
    EXPECT_EQ(TokText(spec->PackageEndLabel), "pkg");
    ASSERT_EQ(Count(spec->PackageItems), 8);
    auto* pr = Item<TRkPlsql_PragmaDecl>(spec->PackageItems, 7);
    ASSERT_NE(pr, nullptr);
    EXPECT_EQ(Count(pr->Arguments), 3);
    EXPECT_EQ(OwnTokens(pr), "PRAGMA|RESTRICT_REFERENCES|(|)");
    EXPECT_EQ(TokText(pr->Terminator), ";");
    EXPECT_EQ(Item<TRkPlsql_CursorDecl>(spec->PackageItems, 4)->Terminator, nullptr);
    EXPECT_EQ(Item<TRkPlsql_ProcedureSpec>(spec->PackageItems, 5)->IsFunction, 1);

    auto* body = Unit<TRkPlsql_Package>(
        "CREATE OR REPLACE PACKAGE BODY pkg AS\n"
        "  g NUMBER;\n"
        "  CURSOR cur RETURN emp%ROWTYPE IS SELECT * FROM emp;\n"
        "  FUNCTION f (a NUMBER) RETURN NUMBER IS BEGIN RETURN a; END f;\n"
        "  PROCEDURE p IS BEGIN NULL; END;\n"
        "BEGIN\n"
        "  g := 0;\n"
        "END pkg;");
    ASSERT_NE(body, nullptr);
    EXPECT_EQ(body->IsBody, 1);
    EXPECT_EQ(body->CreateKind, 2);
    EXPECT_EQ(OwnTokens(body), "PACKAGE|END|BODY|BEGIN");
    EXPECT_EQ(Count(body->PackageItems), 4);
    EXPECT_EQ(Count(body->Statements), 1);
}

TEST_F(PlsqlGrammar, Triggers) {
    auto* t = Unit<TRkPlsql_Trigger>(
        "CREATE OR REPLACE TRIGGER trg BEFORE INSERT OR UPDATE OF a, b ON emp FOR EACH ROW WHEN (new.x > 0)\n"
        "BEGIN\n  IF INSERTING THEN :new.id := 1; END IF;\nEND;");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->CreateKind, 2);
    EXPECT_EQ(TokText(t->TriggerToken), "TRIGGER");
    EXPECT_EQ(TokText(dynamic_cast<TRk_DummyNode*>(t->Timing)->Tok1), "BEFORE");
    auto* ev = dynamic_cast<TRk_DummyNode*>(t->Event);
    ASSERT_NE(ev, nullptr);
    EXPECT_EQ(ev->Int1, 1);
    EXPECT_EQ(TokText(ev->Tok1), "ON");
    ASSERT_EQ(Count(ev->List1), 2);
    auto* upd = Item<TRk_DummyNode>(ev->List1, 1);
    EXPECT_EQ(TokText(upd->SeparatorToken), "OR");
    EXPECT_EQ(TokText(upd->Tok2), "OF");
    EXPECT_EQ(Count(upd->List1), 2);
    EXPECT_EQ(ev->Sub2, nullptr);
    EXPECT_NE(ev->Sub3, nullptr);
    ASSERT_NE(t->WhenClause, nullptr);
    EXPECT_EQ(TokText(t->WhenClause->Tok3), ")");
    ASSERT_NE(t->Body, nullptr);
    EXPECT_EQ(t->CallStatement, nullptr);

    t = Unit<TRkPlsql_Trigger>("CREATE TRIGGER logon_trg AFTER LOGON ON DATABASE BEGIN NULL; END;");
    ASSERT_NE(t, nullptr);
    ev = dynamic_cast<TRk_DummyNode*>(t->Event);
    EXPECT_EQ(ev->Int1, 3);
    EXPECT_EQ(TokText(ev->Tok2), "DATABASE");

    t = Unit<TRkPlsql_Trigger>("CREATE TRIGGER ddl_trg AFTER CREATE OR DROP ON scott.SCHEMA BEGIN NULL; END;");
    ASSERT_NE(t, nullptr);
    ev = dynamic_cast<TRk_DummyNode*>(t->Event);
    EXPECT_EQ(ev->Int1, 2);
    EXPECT_EQ(TokText(ev->Tok4), "SCHEMA");

    t = Unit<TRkPlsql_Trigger>("CREATE TRIGGER c_trg INSTEAD OF DELETE ON v CALL p(1)\n");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->Body, nullptr);
    ASSERT_NE(t->CallStatement, nullptr);
    EXPECT_EQ(t->CallStatement->ClassName(), std::string("TOracleCallSqlStatement"));
    EXPECT_EQ(TokText(dynamic_cast<TRk_DummyNode*>(t->Timing)->Tok2), "OF");
}

TEST_F(PlsqlGrammar, TriggerWithReferencingIsAnError) {
    Parse("CREATE TRIGGER t BEFORE INSERT ON emp REFERENCING NEW AS n FOR EACH ROW BEGIN NULL; END;");
    EXPECT_EQ(Result, 1);
    EXPECT_FALSE(Errors.empty());
}

TEST_F(PlsqlGrammar, ObjectTypesParseWithoutATree) {
    Parse("CREATE OR REPLACE TYPE pt AS OBJECT (x NUMBER, MEMBER FUNCTION len RETURN NUMBER);");
    EXPECT_EQ(Result, 0);
    EXPECT_TRUE(Errors.empty());
    EXPECT_EQ(Parser->RootNode, nullptr);
    Parse("CREATE TYPE tt AS TABLE OF NUMBER");
    EXPECT_EQ(Result, 0);
    EXPECT_TRUE(Errors.empty());
    EXPECT_EQ(Parser->RootNode, nullptr);
    Parse("CREATE TYPE BODY pt AS MEMBER FUNCTION len RETURN NUMBER IS BEGIN RETURN 1; END; END;");
    EXPECT_EQ(Result, 0);
    EXPECT_TRUE(Errors.empty());
    EXPECT_EQ(Parser->RootNode, nullptr);
}

}  // namespace

namespace {

// Sentences the grammar accepts or rejects, with the token a rejection
// reports first.
TEST_F(PlsqlGrammar, AcceptedAndRejectedForms) {
    const struct {
        const char* Text;
        const char* ErrorAt;   // nullptr: accepted without a report
    } cases[] = {
        {";", ";"},
        {"BEGIN RAISE pkg.err; END;", "."},
        {"BEGIN RAISE; RAISE e; END;", nullptr},
        {"BEGIN x := :v INDICATOR :i; y := :a :b; END;", nullptr},
        {"BEGIN x := y * * 2; END;", nullptr},
        {"DECLARE TYPE c IS REF CURSOR; BEGIN NULL; END;", nullptr},
        {"DECLARE TYPE c AS REF CURSOR; BEGIN NULL; END;", "REF"},
        // OUT is a name where a type may stand; the type after it is the error.
        {"DECLARE CURSOR c (a OUT NUMBER) IS SELECT 1 FROM dual; BEGIN NULL; END;", "NUMBER"},
        // ROW is no type name, only the start of a name%TYPE.
        {"DECLARE v ROW; BEGIN NULL; END;", ";"},
        {"DECLARE :v NUMBER; BEGIN :v := 1; END;", nullptr},
        {"BEGIN EXIT; EXIT WHEN a; EXIT l; EXIT l WHEN a OR b; END;", nullptr},
        {"CREATE TRIGGER t AFTER INSERT ON NESTED TABLE c OF v BEGIN NULL; END;", "TABLE"},
        {"CREATE TRIGGER t AFTER GRANT ON SCHEMA BEGIN NULL; END;", nullptr},
        {"BEGIN x := TRIM(a); END;", nullptr},
        {"BEGIN x := a MOD b; END;", "MOD"},
    };
    for (const auto& c : cases) {
        Parse(c.Text);
        if (c.ErrorAt == nullptr) {
            EXPECT_TRUE(Errors.empty()) << c.Text << ": " << (Errors.empty() ? "" : Errors[0].Token);
            EXPECT_EQ(Result, 0) << c.Text;
        } else {
            ASSERT_FALSE(Errors.empty()) << c.Text;
            EXPECT_EQ(Errors[0].Token, c.ErrorAt) << c.Text;
        }
    }
    // "* *" written apart is the exponent form; "**" is one operator run.
    ExprOf("y * * 2");
    EXPECT_EQ(All<TRkCustomExpression>().back()->ExprType, Expr_DoubleStar);
    ExprOf("y ** 2");
    EXPECT_EQ(All<TRkCustomExpression>().back()->ExprType, Expr_OP);
    // A GRANT event is a name to this grammar: a database event.
    auto* t = Unit<TRkPlsql_Trigger>("CREATE TRIGGER t AFTER GRANT ON SCHEMA BEGIN NULL; END;");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(dynamic_cast<TRk_DummyNode*>(t->Event)->Int1, 3);
}

}  // namespace
