// Walk order of the PL/SQL elements: each unit is built as the grammar
// builds it, parsed and analysed through the statement object, and its
// regenerated text and visited tokens are compared with the source.
#include "plsql_fixture.h"

using namespace plsqltest;

namespace {

// The scanner ends the text with a line break.
// Regenerated text equals the source once the statement is parsed, and the
// walk meets exactly the expected significant tokens.
void ExpectRoundTrip(Unit& U, const std::string& Source, const std::string& Tokens) {
    ASSERT_TRUE(U.Stmt->Parsed) << U.Errors();
    EXPECT_EQ(U.Text(), Source + "\r\n");
    EXPECT_EQ(U.Tokens(), Tokens);
}

}  // namespace

TEST(PlsqlWalk, BlockWithANullStatement) {
    const std::string Src = "begin <<l>> null; end;";
    Unit U(Src);
    ASSERT_EQ(U.Parse([](TFakePlsqlParser& P) -> TRk_Node* {
        auto* n = P.Null(P.W("null"), P.W(";"));
        n->LabelOpen = P.W("<<");
        n->LabelToken = P.W("l");
        n->LabelClose = P.W(">>");
        return P.Block(P.W("begin"), P.List({n}), P.W("end"), P.W(";", 2));
    }), 0);
    EXPECT_EQ(U.Root()->NodeKind, nkPlsqlBlock);
    ExpectRoundTrip(U, Src, "begin << l >> null ; end ;");
    EXPECT_EQ(static_cast<TRkPlsql_Element*>(U.Root())->GetName(), "");
}

TEST(PlsqlWalk, LabelledBlockWithTwoDeclareKeywords) {
    const std::string Src = "<<outer>> declare x number; declare y exception; begin null; end outer;";
    Unit U(Src);
    TRkPlsql_Decl* Decl = nullptr;
    ASSERT_EQ(U.Parse([&](TFakePlsqlParser& P) -> TRk_Node* {
        auto* x = P.New<TRkPlsql_VarDecl>();
        x->DeclKind = 1;
        x->NameToken = P.W("x");
        x->DataType = P.Type(P.W("number"));
        x->Terminator = P.W(";");
        auto* y = P.New<TRkPlsql_VarDecl>();
        y->DeclKind = 5;
        y->NameToken = P.W("y");
        P.Own(y, {P.W("exception")});
        y->Terminator = P.W(";", 2);
        Decl = P.New<TRkPlsql_Decl>();
        auto* Label = P.New<TRk_DummyNode>();
        Label->Tok1 = P.W("outer");
        P.Own(Label, {P.W("<<"), P.W(">>")});
        Decl->BlockLabel = Label->Tok1;
        Decl->LabelNode = Label;
        Decl->DeclareToken = P.W("declare");
        Decl->Declarations = P.ListSep({{x, nullptr}, {y, P.W("declare", 2)}});
        auto* b = P.Block(P.W("begin"), P.List({P.Null(P.W("null"), P.W(";", 3))}), P.W("end"), P.W(";", 4));
        b->DeclSection = Decl;
        b->EndLabel = P.W("outer", 2);
        return b;
    }), 0);
    ExpectRoundTrip(U, Src,
                    "<< outer >> declare x number ; declare y exception ; begin null ; end outer ;");
    EXPECT_EQ(Decl->GetName(), "<<outer>>");
    EXPECT_EQ(Decl->Items->Count(), 2);
    EXPECT_EQ(Decl->Items->Items(1)->NodeKind, nkPlsqlVarDecl);
    EXPECT_THROW(Decl->Items->Items(2), ERkListError);
}

TEST(PlsqlWalk, IfWithTwoElsifBranchesAndWithElse) {
    const std::string Src =
        "begin if a then null; elsif b then null; elsif c then null; end if; "
        "if d then null; else null; end if; end;";
    Unit U(Src);
    ASSERT_EQ(U.Parse([](TFakePlsqlParser& P) -> TRk_Node* {
        auto Elsif = [&](int i, const char* cond) {
            auto* e = P.New<TRkPlsql_ElsifStmt>();
            e->Condition = P.Leaf(P.W(cond));
            e->Statements = P.List({P.Null(P.W("null", i + 1), P.W(";", i + 1))});
            P.Own(e, {P.W("elsif", i), P.W("then", i + 1)});
            return e;
        };
        auto* If1 = P.New<TRkPlsql_IfStmt>();
        If1->Condition = P.Leaf(P.W("a"));
        If1->ThenStmts = P.List({P.Null(P.W("null"), P.W(";"))});
        If1->ElsifList = P.List({Elsif(1, "b"), Elsif(2, "c")});
        P.Own(If1, {P.W("if"), P.W("then"), P.W("end"), P.W("if", 2)});
        If1->Terminator = P.W(";", 4);
        auto* If2 = P.New<TRkPlsql_IfStmt>();
        If2->Condition = P.Leaf(P.W("d"));
        If2->ThenStmts = P.List({P.Null(P.W("null", 4), P.W(";", 5))});
        If2->ElseStmts = P.List({P.Null(P.W("null", 5), P.W(";", 6))});
        P.Own(If2, {P.W("if", 3), P.W("then", 4), P.W("else"), P.W("end", 2), P.W("if", 4)});
        If2->Terminator = P.W(";", 7);
        return P.Block(P.W("begin"), P.List({If1, If2}), P.W("end", 3), P.W(";", 8));
    }), 0);
    ExpectRoundTrip(U, Src,
                    "begin if a then null ; elsif b then null ; elsif c then null ; end if ; "
                    "if d then null ; else null ; end if ; end ;");
}

TEST(PlsqlWalk, LoopKinds) {
    struct Case {
        int Kind;
        std::string Src;
    };
    const Case Cases[] = {
        {1, "begin loop null; end loop; end;"},
        {2, "begin while a loop null; end loop; end;"},
        {3, "begin for i in 1 .. 10 loop null; end loop; end;"},
        {4, "begin for r in reverse 1 .. 10 loop null; end loop outer; end;"},
        {6, "begin for r in c loop null; end loop; end;"},
        {7, "begin for r in c(1, 2) loop null; end loop; end;"},
        {8, "begin for r in p.c loop null; end loop; end;"},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Src);
        Unit U(C.Src);
        ASSERT_EQ(U.Parse([&](TFakePlsqlParser& P) -> TRk_Node* {
            auto* L = P.New<TRkPlsql_LoopStmt>();
            L->LoopKind = C.Kind;
            L->Statements = P.List({P.Null(P.W("null"), P.W(";"))});
            switch (C.Kind) {
                case 1:
                    P.Own(L, {P.W("loop"), P.W("end"), P.W("loop", 2)});
                    break;
                case 2:
                    L->WhileCondition = P.Leaf(P.W("a"));
                    P.Own(L, {P.W("while"), P.W("loop"), P.W("end"), P.W("loop", 2)});
                    break;
                case 3:
                    L->IndexToken = P.W("i");
                    L->LowerBound = P.Leaf(P.W("1"));
                    L->UpperBound = P.Leaf(P.W("10"));
                    P.Own(L, {P.W("for"), P.W("in"), P.W(".."), P.W("loop"), P.W("end"), P.W("loop", 2)});
                    break;
                case 4:
                    L->IndexToken = P.W("r");
                    L->Reverse = 1;
                    L->LowerBound = P.Leaf(P.W("1"));
                    L->UpperBound = P.Leaf(P.W("10"));
                    L->EndLabel = P.W("outer");
                    P.Own(L, {P.W("for"), P.W("in"), P.W("reverse"), P.W(".."), P.W("loop"), P.W("end"),
                              P.W("loop", 2)});
                    break;
                case 6:
                    L->IndexToken = P.W("r");
                    L->Cursor = P.Name(P.W("c"));
                    P.Own(L, {P.W("for"), P.W("in"), P.W("loop"), P.W("end"), P.W("loop", 2)});
                    break;
                case 7:
                    L->IndexToken = P.W("r");
                    L->Cursor = P.Name(P.W("c"));
                    L->CursorArgs = P.ListSep({{P.Leaf(P.W("1")), nullptr}, {P.Leaf(P.W("2")), P.W(",")}});
                    P.Own(L, {P.W("for"), P.W("in"), P.W("("), P.W(")"), P.W("loop"), P.W("end"), P.W("loop", 2)});
                    break;
                case 8: {
                    auto* a = P.Name(P.W("p"));
                    a->DotToken = P.W(".");
                    a->NameParts = P.List({P.W("c")});
                    L->IndexToken = P.W("r");
                    L->Cursor = a;
                    P.Own(L, {P.W("for"), P.W("in"), P.W("loop"), P.W("end"), P.W("loop", 2)});
                    break;
                }
            }
            L->Terminator = P.W(";", 2);
            return P.Block(P.W("begin"), P.List({L}), P.W("end", 2), P.W(";", 3));
        }), 0);
        EXPECT_TRUE(U.Stmt->Parsed);
        EXPECT_EQ(U.Text(), C.Src + "\r\n");
    }
}

TEST(PlsqlWalk, LoopOverABracketedQuery) {
    const std::string Src = "begin for r in (select a from t) loop null; end loop; end;";
    Unit U(Src);
    TCustomSqlStatement* Query = nullptr;
    ASSERT_EQ(U.Parse([&](TFakePlsqlParser& P) -> TRk_Node* {
        auto* L = P.New<TRkPlsql_LoopStmt>();
        L->LoopKind = 5;
        L->IndexToken = P.W("r");
        // The object takes "(" select ... ")" as the grammar gives them.
        auto S = NewSelectSqlStatement(1);
        for (const char* w : {"(", "select", "a", "from", "t", ")"}) S->SourceTokens->Add(P.W(w));
        Query = S.get();
        P.CurStatement->SubStatements.push_back(std::move(S));
        L->Query = Query;
        L->Statements = P.List({P.Null(P.W("null"), P.W(";"))});
        P.Own(L, {P.W("for"), P.W("in"), P.W("loop"), P.W("end"), P.W("loop", 2)});
        L->Terminator = P.W(";", 2);
        return P.Block(P.W("begin"), P.List({L}), P.W("end", 2), P.W(";", 3));
    }), 0);
    EXPECT_TRUE(Query->Parsed) << Query->ErrorMessages();
    EXPECT_EQ(U.Tokens(), "begin for r in ( select a from t ) loop null ; end loop ; end ;");
}

TEST(PlsqlWalk, ExecuteImmediateWithBindModesAndReturning) {
    const std::string Src =
        "begin execute immediate s into a, b using x, in y, out z, in out w returning into c, d; end;";
    Unit U(Src);
    TRkPlsql_ExecImmeStmt* E = nullptr;
    ASSERT_EQ(U.Parse([&](TFakePlsqlParser& P) -> TRk_Node* {
        E = P.New<TRkPlsql_ExecImmeStmt>();
        P.Own(E, {P.W("execute"), P.W("immediate")});
        E->SqlExpr = P.Leaf(P.W("s"));
        E->IntoToken = P.W("into");
        E->IntoList = P.ListSep({{P.Leaf(P.W("a")), nullptr}, {P.Leaf(P.W("b")), P.W(",")}});
        E->UsingToken = P.W("using");
        auto Bind = [&](int Mode, const char* Name, TSourceToken* M1, TSourceToken* M2, TSourceToken* Sep) {
            auto* d = P.New<TRk_DummyNode>();
            d->Int1 = Mode;
            d->Tok1 = P.W(Name);
            d->Tok2 = M1;
            d->Tok3 = M2;
            return std::pair<TRkVisitedAbs*, TSourceToken*>(d, Sep);
        };
        E->UsingList = P.ListSep({Bind(1, "x", nullptr, nullptr, nullptr),
                                  Bind(2, "y", P.W("in"), nullptr, P.W(",", 2)),
                                  Bind(3, "z", P.W("out"), nullptr, P.W(",", 3)),
                                  Bind(4, "w", P.W("in", 2), P.W("out", 2), P.W(",", 4))});
        auto* R = P.New<TRk_DummyNode>();
        R->Int1 = 2;
        R->Tok1 = P.W("returning");
        R->Tok2 = P.W("into", 2);
        P.W("d")->SeparatorToken = P.W(",", 5);
        R->List1 = P.List({P.W("c"), P.W("d")});
        E->Returning = R;
        E->Terminator = P.W(";");
        return P.Block(P.W("begin"), P.List({E}), P.W("end"), P.W(";", 2));
    }), 0);
    ExpectRoundTrip(U, Src,
                    "begin execute immediate s into a , b using x , in y , out z , in out w "
                    "returning into c , d ; end ;");
    EXPECT_EQ(E->IntoExpr->ExprType, Expr_exprlist);
    EXPECT_EQ(E->IntoExpr->LeftOperand, E->IntoList);
    EXPECT_EQ(E->ReturningExpr->ExprType, Expr_namelist);
}

TEST(PlsqlWalk, Declarations) {
    struct Case {
        std::string Src;
        std::function<TRk_Node*(TFakePlsqlParser&)> Decl;
    };
    const Case Cases[] = {
        {"declare e exception; begin null; end;",
         [](TFakePlsqlParser& P) -> TRk_Node* {
             auto* d = P.New<TRkPlsql_VarDecl>();
             d->DeclKind = 5;
             d->NameToken = P.W("e");
             P.Own(d, {P.W("exception")});
             d->Terminator = P.W(";");
             return d;
         }},
        // The value of EXCEPTION_INIT is walked once, inside the brackets.
        {"declare pragma exception_init(e, -20001); begin null; end;",
         [](TFakePlsqlParser& P) -> TRk_Node* {
             auto* d = P.New<TRkPlsql_VarDecl>();
             d->DeclKind = 6;
             d->NameToken = P.W("e");
             d->Value = P.MakeExpression(Expr_Arithmetic, P.W("-"), nullptr, P.Leaf(P.W("20001")));
             P.Own(d, {P.W("pragma"), P.W("exception_init"), P.W("("), P.W(","), P.W(")")});
             d->Terminator = P.W(";");
             return d;
         }},
        {"declare c constant number not null := 1; begin null; end;",
         [](TFakePlsqlParser& P) -> TRk_Node* {
             auto* d = P.New<TRkPlsql_VarDecl>();
             d->DeclKind = 2;
             d->NameToken = P.W("c");
             d->DataType = P.Type(P.W("number"));
             auto* nn = P.New<TRk_DummyNode>();
             nn->Int1 = 1;
             P.Own(nn, {P.W("not"), P.W("null")});
             d->NotNullNode = nn;
             d->ConstraintFlag = 1;
             auto* v = P.New<TRkPlsql_opt_declaration_expr>();
             v->Kind = 1;
             v->Expression = P.Leaf(P.W("1"));
             P.Own(v, {P.W(":=")});
             d->Value = v;
             P.Own(d, {P.W("constant")});
             d->Terminator = P.W(";");
             return d;
         }},
        {"declare subtype s is varchar2 not null; begin null; end;",
         [](TFakePlsqlParser& P) -> TRk_Node* {
             auto* d = P.New<TRkPlsql_VarDecl>();
             d->DeclKind = 3;
             d->NameToken = P.W("s");
             d->DataType = P.Type(P.W("varchar2"));
             auto* nn = P.New<TRk_DummyNode>();
             P.Own(nn, {P.W("not"), P.W("null")});
             d->NotNullNode = nn;
             d->ConstraintFlag = 1;
             P.Own(d, {P.W("subtype"), P.W("is")});
             d->Terminator = P.W(";");
             return d;
         }},
        {"declare type t is ref cursor; begin null; end;",
         [](TFakePlsqlParser& P) -> TRk_Node* {
             auto* d = P.New<TRkPlsql_CursorDecl>();
             d->RefCursor = 1;
             d->TypeName = P.Name(P.W("t"));
             d->IsToken = P.W("is");
             d->RefToken = P.W("ref");
             d->CursorToken = P.W("cursor");
             P.Own(d, {P.W("type")});
             d->Terminator = P.W(";");
             return d;
         }},
        {"declare type v is varying array(10) of number not null; begin null; end;",
         [](TFakePlsqlParser& P) -> TRk_Node* {
             auto* d = P.New<TRkPlsql_VarrayTypeDef>();
             d->ArrayForm = 2;
             d->TypeName = P.Name(P.W("v"));
             d->IsToken = P.W("is");
             d->LimitToken = P.W("10");
             d->ElementType = P.Type(P.W("number"));
             auto* nn = P.New<TRk_DummyNode>();
             P.Own(nn, {P.W("not"), P.W("null")});
             d->NotNullNode = nn;
             d->NotNull = 1;
             P.Own(d, {P.W("type"), P.W("varying"), P.W("array"), P.W("("), P.W(")"), P.W("of")});
             d->Terminator = P.W(";");
             return d;
         }},
        {"declare type v is varray(3) of date; begin null; end;",
         [](TFakePlsqlParser& P) -> TRk_Node* {
             auto* d = P.New<TRkPlsql_VarrayTypeDef>();
             d->TypeName = P.Name(P.W("v"));
             d->IsToken = P.W("is");
             d->LimitToken = P.W("3");
             d->ElementType = P.Type(P.W("date"));
             P.Own(d, {P.W("type"), P.W("varray"), P.W("("), P.W(")"), P.W("of")});
             d->Terminator = P.W(";");
             return d;
         }},
        {"declare type t is table of number index by binary_integer; begin null; end;",
         [](TFakePlsqlParser& P) -> TRk_Node* {
             auto* d = P.New<TRkPlsql_TableTypeDef>();
             d->TypeName = P.Name(P.W("t"));
             d->IsToken = P.W("is");
             d->ElementType = P.Type(P.W("number"));
             auto* ib = P.New<TRk_DummyNode>();
             ib->Int1 = 1;
             ib->Tok1 = P.W("index");
             ib->Tok2 = P.W("by");
             ib->Tok3 = P.W("binary_integer");
             d->IndexBy = ib;
             P.Own(d, {P.W("type"), P.W("table"), P.W("of")});
             d->Terminator = P.W(";");
             return d;
         }},
        {"declare type r is record(a number, b date default sysdate); begin null; end;",
         [](TFakePlsqlParser& P) -> TRk_Node* {
             auto* a = P.New<TRkPlsql_FieldDecl>();
             a->NameToken = P.W("a");
             a->DataType = P.Type(P.W("number"));
             auto* b = P.New<TRkPlsql_FieldDecl>();
             b->NameToken = P.W("b");
             b->DataType = P.Type(P.W("date"));
             auto* v = P.New<TRkPlsql_opt_declaration_expr>();
             v->Kind = 2;
             v->Expression = P.Leaf(P.W("sysdate"));
             P.Own(v, {P.W("default")});
             b->Default = v;
             auto* d = P.New<TRkPlsql_RecordTypeDef>();
             d->TypeName = P.Name(P.W("r"));
             d->FieldList = P.ListSep({{a, nullptr}, {b, P.W(",")}});
             P.Own(d, {P.W("type"), P.W("is"), P.W("record"), P.W("("), P.W(")")});
             d->Terminator = P.W(";");
             return d;
         }},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Src);
        Unit U(C.Src);
        ASSERT_EQ(U.Parse([&](TFakePlsqlParser& P) -> TRk_Node* {
            TRk_Node* D = C.Decl(P);
            // The NULL statement and the block end with the last NULL and
            // the last two semicolons.
            int Semis = 0, Nulls = 0;
            for (TSourceToken* t : P.TokenList->Items()) {
                Semis += t->TokenType == ttSemicolon;
                Nulls += SameText(t->Text, "null");
            }
            auto* n = P.Null(P.W("null", Nulls), P.W(";", Semis - 1));
            auto* b = P.Block(P.W("begin"), P.List({n}), P.W("end"), P.W(";", Semis));
            b->DeclSection->DeclareToken = P.W("declare");
            b->DeclSection->Declarations = P.List({D});
            return b;
        }), 0);
        EXPECT_TRUE(U.Stmt->Parsed);
        EXPECT_EQ(U.Text(), C.Src + "\r\n");
    }
}

TEST(PlsqlWalk, CursorWithoutParametersLeavesItsSemicolonToTheQuery) {
    const std::string Src = "declare cursor c is select a from t; begin null; end;";
    Unit U(Src);
    TRkPlsql_CursorDecl* C = nullptr;
    ASSERT_EQ(U.Parse([&](TFakePlsqlParser& P) -> TRk_Node* {
        C = P.New<TRkPlsql_CursorDecl>();
        C->CursorName = P.W("c");
        auto* Part = P.New<TRk_DummyNode>();
        C->ParamPart = Part;
        C->IsToken = P.W("is");
        C->Query = P.Embedded(NewSelectSqlStatement(1), P.W("select"));
        P.Own(C, {P.W("cursor")});
        auto* b = P.Block(P.W("begin"), P.List({P.Null(P.W("null"), P.W(";", 2))}), P.W("end"), P.W(";", 3));
        b->DeclSection->DeclareToken = P.W("declare");
        b->DeclSection->Declarations = P.List({C});
        return b;
    }), 0);
    ExpectRoundTrip(U, Src, "declare cursor c is select a from t ; begin null ; end ;");
    EXPECT_TRUE(C->Query->Parsed) << C->Query->ErrorMessages();
    EXPECT_EQ(C->Terminator, nullptr);
}

TEST(PlsqlWalk, CreateFunctionWithOptions) {
    const std::string Src = "create or replace function f return number deterministic is begin return 1; end f;";
    Unit U(Src, VendorOracle, sstplsql_createfunction);
    ASSERT_EQ(U.Parse([](TFakePlsqlParser& P) -> TRk_Node* {
        auto* F = P.New<TRkPlsql_ProcedureDecl>();
        F->CreateNode = P.Create(2);
        F->CreateKind = 2;
        F->IsFunction = 1;
        F->Name = P.Name(P.W("f"));
        F->ParamPart = P.New<TRk_DummyNode>();
        F->ReturnToken = P.W("return");
        F->ReturnType = P.Type(P.W("number"));
        auto* Opt = P.New<TRk_DummyNode>();
        P.Own(Opt, {P.W("deterministic")});
        F->FuncAttrs = Opt;
        F->IsAsToken = P.W("is");
        auto* R = P.New<TRkPlsql_ReturnStmt>();
        P.Own(R, {P.W("return", 2)});
        R->Expression = P.Leaf(P.W("1"));
        R->Terminator = P.W(";");
        F->Statements = P.List({R});
        F->EndLabel = P.W("f", 2);
        F->Terminator = P.W(";", 2);
        P.Own(F, {P.W("function"), P.W("begin"), P.W("end")});
        return F;
    }), 0);
    ExpectRoundTrip(U, Src,
                    "create or replace function f return number deterministic is begin return 1 ; end f ;");
}

TEST(PlsqlWalk, ProcedureWithAnEmptyParameterPart) {
    const std::string Src = "procedure p() is begin null; end;";
    Unit U(Src, VendorOracle, sstplsql_createprocedure);
    TRkPlsql_ParameterDecl* Param = nullptr;
    ASSERT_EQ(U.Parse([&](TFakePlsqlParser& P) -> TRk_Node* {
        auto* F = P.New<TRkPlsql_ProcedureDecl>();
        F->CreateKind = 0;
        F->Name = P.Name(P.W("p"));
        Param = P.New<TRkPlsql_ParameterDecl>();
        auto* Part = P.New<TRk_DummyNode>();
        P.Own(Part, {P.W("("), P.W(")")});
        Part->List1 = P.List({Param});
        F->ParamPart = Part;
        F->Params = Part->List1;
        F->IsAsToken = P.W("is");
        F->Statements = P.List({P.Null(P.W("null"), P.W(";"))});
        F->Terminator = P.W(";", 2);
        P.Own(F, {P.W("procedure"), P.W("begin"), P.W("end")});
        return F;
    }), 0);
    ExpectRoundTrip(U, Src, "procedure p ( ) is begin null ; end ;");
    ASSERT_NE(Param->NameToken, nullptr);
    EXPECT_EQ(Param->NameToken->Text, "");
    EXPECT_EQ(Param->NameToken->OwnerList, nullptr);
}

TEST(PlsqlWalk, ParameterModes) {
    const std::string Src = "procedure p(a in number, b out number, c in out number := 0) is begin null; end;";
    Unit U(Src, VendorOracle, sstplsql_createprocedure);
    ASSERT_EQ(U.Parse([](TFakePlsqlParser& P) -> TRk_Node* {
        auto Param = [&](const char* Name, int Mode, std::initializer_list<TSourceToken*> Modes, int NumberNo) {
            auto* d = P.New<TRkPlsql_ParameterDecl>();
            d->NameToken = P.W(Name);
            d->Mode = Mode;
            P.Own(d, Modes);
            d->DataType = P.Type(P.W("number", NumberNo));
            return d;
        };
        auto* c = Param("c", 4, {P.W("in", 2), P.W("out", 2)}, 3);
        auto* v = P.New<TRkPlsql_opt_declaration_expr>();
        v->Kind = 1;
        v->Expression = P.Leaf(P.W("0"));
        P.Own(v, {P.W(":=")});
        c->Default = v;
        auto* Part = P.New<TRk_DummyNode>();
        P.Own(Part, {P.W("("), P.W(")")});
        Part->List1 = P.ListSep({{Param("a", 2, {P.W("in")}, 1), nullptr},
                                 {Param("b", 3, {P.W("out")}, 2), P.W(",")},
                                 {c, P.W(",", 2)}});
        auto* F = P.New<TRkPlsql_ProcedureDecl>();
        F->CreateKind = 0;
        F->Name = P.Name(P.W("p"));
        F->ParamPart = Part;
        F->Params = Part->List1;
        F->IsAsToken = P.W("is");
        F->Statements = P.List({P.Null(P.W("null"), P.W(";"))});
        F->Terminator = P.W(";", 2);
        P.Own(F, {P.W("procedure"), P.W("begin"), P.W("end")});
        return F;
    }), 0);
    EXPECT_TRUE(U.Stmt->Parsed);
    EXPECT_EQ(U.Text(), Src + "\r\n");
}

TEST(PlsqlWalk, PackageBodyWithAnInitialisationPart) {
    const std::string Src =
        "create package body pk is x number; procedure q is begin null; end; begin null; end pk;";
    Unit U(Src, VendorOracle, sstplsql_createpackage);
    ASSERT_EQ(U.Parse([](TFakePlsqlParser& P) -> TRk_Node* {
        auto* x = P.New<TRkPlsql_VarDecl>();
        x->DeclKind = 1;
        x->NameToken = P.W("x");
        x->DataType = P.Type(P.W("number"));
        x->Terminator = P.W(";");
        auto* q = P.New<TRkPlsql_ProcedureDecl>();
        q->CreateKind = 0;
        q->Name = P.Name(P.W("q"));
        q->ParamPart = P.New<TRk_DummyNode>();
        q->IsAsToken = P.W("is", 2);
        q->Statements = P.List({P.Null(P.W("null"), P.W(";", 2))});
        q->Terminator = P.W(";", 3);
        P.Own(q, {P.W("procedure"), P.W("begin"), P.W("end")});
        auto* Pk = P.New<TRkPlsql_Package>();
        Pk->CreateNode = P.Create(1);
        Pk->CreateKind = 1;
        Pk->IsBody = 1;
        Pk->Name = P.Name(P.W("pk"));
        Pk->IsAsToken = P.W("is");
        Pk->PackageItems = P.List({x, q});
        Pk->Statements = P.List({P.Null(P.W("null", 2), P.W(";", 4))});
        Pk->PackageEndLabel = P.W("pk", 2);
        Pk->Terminator = P.W(";", 5);
        // PACKAGE, END, BODY, BEGIN in the order the grammar appends them.
        P.Own(Pk, {P.W("package"), P.W("end", 2), P.W("body"), P.W("begin", 2)});
        return Pk;
    }), 0);
    EXPECT_EQ(U.Root()->NodeKind, nkPlsqlPackage);
    ExpectRoundTrip(U, Src,
                    "create package body pk is x number ; procedure q is begin null ; end ; "
                    "begin null ; end pk ;");
}

// The UPDATE OF column names keep their comma.
TEST(PlsqlWalk, RowTriggerWithUpdateOfTwoColumns) {
    const std::string Src =
        "create or replace trigger tr before update of a, b or delete on t for each row "
        "when (new.a > 0) begin null; end;";
    Unit U(Src, VendorOracle, sstplsql_createtrigger);
    ASSERT_EQ(U.Parse([](TFakePlsqlParser& P) -> TRk_Node* {
        auto* T = P.Trigger(2, "before");
        auto* Upd = P.New<TRk_DummyNode>();
        Upd->Tok1 = P.W("update");
        Upd->Tok2 = P.W("of");
        P.W("b")->SeparatorToken = P.W(",");
        Upd->List1 = P.List({P.W("a"), P.W("b")});
        auto* Del = P.New<TRk_DummyNode>();
        Del->Tok1 = P.W("delete");
        auto* Ev = P.New<TRk_DummyNode>();
        Ev->Int1 = 1;
        Ev->List1 = P.ListSep({{Upd, nullptr}, {Del, P.W("or", 2)}});
        Ev->Tok1 = P.W("on");
        Ev->Sub1 = P.Name(P.W("t"));
        auto* Row = P.New<TRk_DummyNode>();
        Row->Tok1 = P.W("for");
        Row->Tok2 = P.W("each");
        Row->Tok3 = P.W("row");
        Ev->Sub3 = Row;
        T->Event = Ev;
        auto* When = P.New<TRk_DummyNode>();
        When->Tok1 = P.W("when");
        When->Tok2 = P.W("(");
        auto* NewA = P.Name(P.W("new"));
        NewA->DotToken = P.W(".");
        NewA->NameParts = P.List({P.W("a", 2)});
        When->Sub1 = P.MakeExpression(Expr_Comparison, P.W(">"), P.MakeExpression(Expr_Attr, nullptr, NewA, nullptr),
                                      P.Leaf(P.W("0")));
        When->Tok3 = P.W(")");
        T->WhenClause = When;
        T->Body = P.Block(P.W("begin"), P.List({P.Null(P.W("null"), P.W(";"))}), P.W("end"), P.W(";", 2));
        return T;
    }), 0);
    ExpectRoundTrip(U, Src,
                    "create or replace trigger tr before update of a , b or delete on t for each row "
                    "when ( new . a > 0 ) begin null ; end ;");
}

TEST(PlsqlWalk, DatabaseTriggerOnSchemaOfAUser) {
    const std::string Src = "create trigger tr after logon on scott.schema begin null; end;";
    Unit U(Src, VendorOracle, sstplsql_createtrigger);
    ASSERT_EQ(U.Parse([](TFakePlsqlParser& P) -> TRk_Node* {
        auto* T = P.Trigger(1, "after");
        auto* Logon = P.New<TRk_DummyNode>();
        Logon->Tok1 = P.W("logon");
        auto* Ev = P.New<TRk_DummyNode>();
        Ev->Int1 = 3;
        Ev->List1 = P.List({Logon});
        Ev->Tok1 = P.W("on");
        Ev->Tok2 = P.W("scott");
        Ev->Tok3 = P.W(".");
        Ev->Tok4 = P.W("schema");
        T->Event = Ev;
        T->Body = P.Block(P.W("begin"), P.List({P.Null(P.W("null"), P.W(";"))}), P.W("end"), P.W(";", 2));
        return T;
    }), 0);
    ExpectRoundTrip(U, Src, "create trigger tr after logon on scott . schema begin null ; end ;");
}

TEST(PlsqlWalk, CaseStatementWithStatementAndExpressionBranches) {
    const std::string Src = "begin case x when 1 then null; else y := 2; end case lbl; end;";
    Unit U(Src);
    ASSERT_EQ(U.Parse([](TFakePlsqlParser& P) -> TRk_Node* {
        auto* W1 = P.New<TRkPlsql_CaseExprWhenClause>();
        W1->Condition = P.Leaf(P.W("1"));
        W1->Statements = P.List({P.Null(P.W("null"), P.W(";"))});
        P.Own(W1, {P.W("when"), P.W("then")});
        auto* A = P.New<TRkPlsql_AssignStmt>();
        auto* L = P.New<TRkPlsql_ExprLeftSide>();
        L->NameToken = P.W("y");
        A->Target = L;
        A->Value = P.Leaf(P.W("2"));
        P.Own(A, {P.W(":=")});
        A->Terminator = P.W(";", 2);
        auto* Else = P.New<TRk_DummyNode>();
        Else->Int1 = 1;
        Else->Tok1 = P.W("else");
        Else->List1 = P.List({A});
        auto* C = P.New<TRkPlsql_CaseExpr>();
        C->Selector = P.Leaf(P.W("x"));
        C->WhenClauses = P.List({W1});
        C->ElsePart = Else;
        C->ElseStmts = Else->List1;
        P.Own(C, {P.W("case"), P.W("end")});
        auto* S = P.New<TRkPlsql_CaseStmt>();
        S->Body = C;
        P.Own(S, {P.W("case", 2)});
        S->EndLabel = P.W("lbl");
        S->Terminator = P.W(";", 3);
        return P.Block(P.W("begin"), P.List({S}), P.W("end", 2), P.W(";", 4));
    }), 0);
    ExpectRoundTrip(U, Src, "begin case x when 1 then null ; else y := 2 ; end case lbl ; end ;");
}

TEST(PlsqlWalk, CursorStatementsAndAssignmentTargets) {
    const std::string Src =
        "begin open c(1); fetch c into a, b; close c; open rc for q using x; "
        "f(1).fld := 2; a(1)(i) := 3; goto l; raise; exit outer when done; end;";
    Unit U(Src);
    ASSERT_EQ(U.Parse([](TFakePlsqlParser& P) -> TRk_Node* {
        auto* O = P.New<TRkPlsql_OpenStmt>();
        O->Cursor = P.Name(P.W("c"));
        O->Arguments = P.List({P.Leaf(P.W("1"))});
        P.Own(O, {P.W("open"), P.W("("), P.W(")")});
        O->Terminator = P.W(";");
        auto* F = P.New<TRkPlsql_FetchStmt>();
        F->Cursor = P.Name(P.W("c", 2));
        F->IntoList = P.ListSep({{P.Leaf(P.W("a")), nullptr}, {P.Leaf(P.W("b")), P.W(",")}});
        P.Own(F, {P.W("fetch"), P.W("into")});
        F->Terminator = P.W(";", 2);
        auto* Cl = P.New<TRkPlsql_CloseStmt>();
        Cl->CursorName = P.W("c", 3);
        P.Own(Cl, {P.W("close")});
        Cl->Terminator = P.W(";", 3);
        auto* Of = P.New<TRkPlsql_OpenforStmt>();
        Of->CursorVar = P.W("rc");
        Of->QueryExpr = P.Leaf(P.W("q"));
        Of->Binds = P.List({P.Leaf(P.W("x"))});
        P.Own(Of, {P.W("open", 2), P.W("for"), P.W("using")});
        Of->Terminator = P.W(";", 4);
        // f(1).fld := 2: a call chain, ".", a name.
        auto* L1 = P.New<TRkPlsql_ExprLeftSide>();
        L1->Qualifiers = P.List({P.Leaf(P.W("f")), P.W("("), P.W("1", 2), P.W(")", 2)});
        L1->DotToken = P.W(".");
        L1->NameToken = P.W("fld");
        auto* A1 = P.New<TRkPlsql_AssignStmt>();
        A1->Target = L1;
        A1->Value = P.Leaf(P.W("2"));
        P.Own(A1, {P.W(":=")});
        A1->Terminator = P.W(";", 5);
        // a(1)(i) := 3: the bracket form.
        auto* L2 = P.New<TRkPlsql_ExprLeftSide>();
        L2->Qualifiers = P.List({P.Leaf(P.W("a", 2)), P.W("(", 3), P.W("1", 3), P.W(")", 3)});
        L2->Bracket = 1;
        L2->NameToken = P.W("i");
        P.Own(L2, {P.W("(", 4), P.W(")", 4)});
        auto* A2 = P.New<TRkPlsql_AssignStmt>();
        A2->Target = L2;
        A2->Value = P.Leaf(P.W("3"));
        P.Own(A2, {P.W(":=", 2)});
        A2->Terminator = P.W(";", 6);
        auto* G = P.New<TRkPlsql_GotoStmt>();
        G->LabelName = P.W("l");
        P.Own(G, {P.W("goto")});
        G->Terminator = P.W(";", 7);
        auto* R = P.New<TRkPlsql_RaiseStmt>();
        P.Own(R, {P.W("raise")});
        R->Terminator = P.W(";", 8);
        auto* E = P.New<TRkPlsql_ExitStmt>();
        E->LabelName = P.W("outer");
        E->Condition = P.Leaf(P.W("done"));
        P.Own(E, {P.W("exit"), P.W("when")});
        E->Terminator = P.W(";", 9);
        return P.Block(P.W("begin"), P.List({O, F, Cl, Of, A1, A2, G, R, E}), P.W("end"), P.W(";", 10));
    }), 0);
    EXPECT_TRUE(U.Stmt->Parsed);
    EXPECT_EQ(U.Text(), Src + "\r\n");
}

TEST(PlsqlWalk, PackageSpecItems) {
    const std::string Src =
        "create package pk is pragma restrict_references(default, wnds, rnds); "
        "procedure p(a number); function f return number; cursor c return t%rowtype; end;";
    Unit U(Src, VendorOracle, sstplsql_createpackage);
    ASSERT_EQ(U.Parse([](TFakePlsqlParser& P) -> TRk_Node* {
        auto* Pr = P.New<TRkPlsql_PragmaDecl>();
        P.W("rnds")->SeparatorToken = P.W(",", 2);
        Pr->Arguments = P.List({P.W("wnds"), P.W("rnds")});
        P.Own(Pr, {P.W("pragma"), P.W("restrict_references"), P.W("("), P.W("default"), P.W(","), P.W(")")});
        Pr->Terminator = P.W(";");
        auto* Sp = P.New<TRkPlsql_ProcedureSpec>();
        Sp->Name = P.Name(P.W("p"));
        auto* a = P.New<TRkPlsql_ParameterDecl>();
        a->NameToken = P.W("a");
        a->DataType = P.Type(P.W("number"));
        auto* Part = P.New<TRk_DummyNode>();
        P.Own(Part, {P.W("(", 2), P.W(")", 2)});
        Part->List1 = P.List({a});
        Sp->ParamPart = Part;
        Sp->Params = Part->List1;
        P.Own(Sp, {P.W("procedure")});
        Sp->Terminator = P.W(";", 2);
        auto* Fs = P.New<TRkPlsql_ProcedureSpec>();
        Fs->Name = P.Name(P.W("f"));
        Fs->ParamPart = P.New<TRk_DummyNode>();
        Fs->IsFunction = 1;
        Fs->ReturnToken = P.W("return");
        Fs->ReturnType = P.Type(P.W("number", 2));
        P.Own(Fs, {P.W("function")});
        Fs->Terminator = P.W(";", 3);
        auto* Cs = P.New<TRkPlsql_CursorDecl>();
        Cs->CursorName = P.W("c");
        Cs->ParamPart = P.New<TRk_DummyNode>();
        Cs->ReturnToken = P.W("return", 2);
        auto* Rt = P.New<TRk_TypeName>();
        Rt->TypeNode = P.Name(P.W("t"));
        Rt->MidToken = P.W("%");
        Rt->EndToken = P.W("rowtype");
        Rt->TypeForm = TRk_TypeName::FormAnchored2;
        Cs->ReturnType = Rt;
        P.Own(Cs, {P.W("cursor")});
        Cs->Terminator = P.W(";", 4);
        auto* Pk = P.New<TRkPlsql_Package>();
        Pk->CreateNode = P.Create(1);
        Pk->CreateKind = 1;
        Pk->Name = P.Name(P.W("pk"));
        Pk->IsAsToken = P.W("is");
        Pk->PackageItems = P.List({Pr, Sp, Fs, Cs});
        Pk->Terminator = P.W(";", 5);
        P.Own(Pk, {P.W("package"), P.W("end")});
        return Pk;
    }), 0);
    ExpectRoundTrip(U, Src,
                    "create package pk is pragma restrict_references ( default , wnds , rnds ) ; "
                    "procedure p ( a number ) ; function f return number ; cursor c return t % rowtype ; end ;");
}
