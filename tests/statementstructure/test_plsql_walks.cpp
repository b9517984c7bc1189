// Walk order of the PL/SQL elements not met in the whole units: each unit is
// parsed through the Oracle front end, its walk meets exactly its own
// significant tokens, and the text regenerated from the tree is the source.
#include <functional>

#include "nodes/rkexceptions.h"
#include "statement_fixture.h"

using namespace sstest;

namespace {

// The first statement of the unit's outermost statement section.
template <class T>
T* FirstStatement(TPlsqlStatement* S) {
    auto* B = dynamic_cast<TRk_Plsql*>(S->GetRootNode());
    return B ? dynamic_cast<T*>(B->Section->Items->Items(0)) : nullptr;
}

// Parsed whole, and the regenerated text is the source.
TPlsqlStatement* RoundTrip(Script& Sc, const std::string& Src, std::uint8_t RootKind) {
    TPlsqlStatement* S = Sc.Unit();
    ExpectWhole(S, RootKind);
    if (S) { EXPECT_EQ(S->GetTextByVisitor(), Src + "\r\n"); }
    return S;
}

}  // namespace

TEST(PlsqlWalk, ElementKinds) {
    struct Case {
        const char* Src;
        std::uint8_t RootKind;
        std::function<void(TPlsqlStatement*)> Check;
    };
    const Case Cases[] = {
        {"begin <<l>> null; end;", nkPlsqlBlock,
         [](TPlsqlStatement* S) { EXPECT_EQ(static_cast<TRkPlsql_Element*>(S->GetRootNode())->GetName(), ""); }},
        {"<<outer>> declare x number; declare y exception; begin null; end outer;", nkPlsqlBlock,
         [](TPlsqlStatement* S) {
             TRkPlsql_Decl* D = static_cast<TRk_Plsql*>(S->GetRootNode())->DeclSection;
             EXPECT_EQ(D->GetName(), "<<outer>>");
             EXPECT_EQ(D->Items->Count(), 2);
             EXPECT_EQ(D->Items->Items(1)->NodeKind, nkPlsqlVarDecl);
             EXPECT_THROW(D->Items->Items(2), ERkListError);
         }},
        {"begin if a then null; elsif b then null; elsif c then null; end if; "
         "if d then null; else null; end if; end;",
         nkPlsqlBlock, nullptr},
        {"begin execute immediate s into a, b using x, in y, out z, in out w returning into c, d; end;",
         nkPlsqlBlock,
         [](TPlsqlStatement* S) {
             auto* E = FirstStatement<TRkPlsql_ExecImmeStmt>(S);
             ASSERT_NE(E, nullptr);
             EXPECT_EQ(E->IntoExpr->ExprType, Expr_exprlist);
             EXPECT_EQ(E->IntoExpr->LeftOperand, E->IntoList);
             EXPECT_EQ(E->ReturningExpr->ExprType, Expr_namelist);
         }},
        {"declare cursor c is select a from t; begin null; end;", nkPlsqlBlock,
         [](TPlsqlStatement* S) {
             auto* B = static_cast<TRk_Plsql*>(S->GetRootNode());
             auto* C = dynamic_cast<TRkPlsql_CursorDecl*>(B->DeclSection->Items->Items(0));
             ASSERT_NE(C, nullptr);
             // The query takes the ";".
             EXPECT_EQ(C->Terminator, nullptr);
             EXPECT_TRUE(C->Query->Parsed);
         }},
        {"create procedure p() is begin null; end;", nkPlsqlProcedureDecl,
         [](TPlsqlStatement* S) {
             auto* P = static_cast<TRkPlsql_ProcedureDecl*>(S->GetRootNode());
             auto* Param = ItemOf<TRkPlsql_ParameterDecl>(P->Params, 0);
             ASSERT_NE(Param, nullptr);
             ASSERT_NE(Param->NameToken, nullptr);
             EXPECT_EQ(Param->NameToken->GetText(), "");
             EXPECT_EQ(Param->NameToken->GetOwnerList(), nullptr);
         }},
        {"create trigger tr after logon on scott.schema begin null; end;", nkPlsqlTrigger, nullptr},
        {"begin case x when 1 then null; else y := 2; end case lbl; end;", nkPlsqlBlock, nullptr},
        {"begin open c(1); fetch c into a, b; close c; open rc for q using x; "
         "f(1).fld := 2; a(1)(i) := 3; goto l; raise; exit outer when done; end;",
         nkPlsqlBlock, nullptr},
        // Declarations.
        {"declare c constant number not null := 1; begin null; end;", nkPlsqlBlock, nullptr},
        {"declare subtype s is varchar2 not null; begin null; end;", nkPlsqlBlock, nullptr},
        {"declare type t is ref cursor; begin null; end;", nkPlsqlBlock, nullptr},
        {"declare type v is varying array(10) of number not null; begin null; end;", nkPlsqlBlock, nullptr},
        {"declare type r is record(a number, b date default sysdate); begin null; end;", nkPlsqlBlock, nullptr},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Src);
        Script Sc(std::string(C.Src) + "\n/\n");
        TPlsqlStatement* S = RoundTrip(Sc, C.Src, C.RootKind);
        if (S && S->Parsed && C.Check) C.Check(S);
    }
}

TEST(PlsqlWalk, LoopKinds) {
    const struct {
        int Kind;
        const char* Src;
    } Cases[] = {
        {1, "begin loop null; end loop; end;"},
        {2, "begin while a loop null; end loop; end;"},
        {3, "begin for i in 1 .. 10 loop null; end loop; end;"},
        {4, "begin for r in reverse 1 .. 10 loop null; end loop outer; end;"},
        {5, "begin for r in (select a from t) loop null; end loop; end;"},
        {6, "begin for r in c loop null; end loop; end;"},
        {7, "begin for r in c(1, 2) loop null; end loop; end;"},
        {8, "begin for r in p.c loop null; end loop; end;"},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Src);
        Script Sc(std::string(C.Src) + "\n/\n");
        TPlsqlStatement* S = RoundTrip(Sc, C.Src, nkPlsqlBlock);
        auto* L = S ? FirstStatement<TRkPlsql_LoopStmt>(S) : nullptr;
        ASSERT_NE(L, nullptr);
        EXPECT_EQ(L->LoopKind, C.Kind);
    }
}

// The UPDATE OF column names keep their comma.
TEST(PlsqlWalk, RowTriggerWithUpdateOfTwoColumns) {
    const std::string Src =
        "create or replace trigger tr before update of a, b or delete on t for each row "
        "when (new.a > 0) begin null; end;";
    Script Sc(Src + "\n/\n");
    RoundTrip(Sc, Src, nkPlsqlTrigger);
    EXPECT_EQ(Walk(Sc.Unit()),
              "create or replace trigger tr before update of a , b or delete on t for each row "
              "when ( new . a > 0 ) begin null ; end ;");
}
