// SQL Server printers over hand-built element trees: which printer each
// class gets, the wrong-owner texts, and the layouts the grammar cannot
// reach (WITH ... AS) or reaches only in rare forms.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "formatter/concretepp_mssql.h"
#include "formatter/rkbasetype.h"
#include "parse/mssql/mssql_model_fixture.h"

using namespace mssqltest;

namespace {

class MssqlTreePrinter : public ::testing::Test {
protected:
    void SetUp() override {
        FmtOpt = TRkFmtOpt();
        InstallPrinterHooks();
    }
    void TearDown() override { FmtOpt = TRkFmtOpt(); }
};

// One object of every class that has a printer, with its class name.
struct PrintedClasses {
    TMssqlBlock Block{0};
    TMssqlIfElse IfElse{0};
    TMssqlCreateProcedure Proc{0};
    TMssqlCreateFunction Func{0};
    TMssqlReturn Ret{0};
    TMssqlUse Use{0};
    TMssqlGo Go{0};
    TMssqlPrint Print{0};
    TMssqlDeclare Declare{0};
    TMssqlFetch Fetch{0};
    TMssqlWithas Withas{0};
    TMssqlSet Set{0};
    TMssqlExecute Exec{0};
    TMssqlDummyStmt Dummy{0};

    std::vector<TRk_Node*> All(Tree& t) {
        return {t.New<_TMssqlStmt>(), t.New<_TMssql_ParameterDecl>(), t.New<_TMssql_declare_var>(),
                t.New<_TMssql_opt_declaration_expr>(), &Block, &IfElse, &Proc, &Func, &Ret, &Use,
                &Go, &Print, &Declare, &Fetch, &Withas, &Set, &Exec, &Dummy};
    }
};

TEST_F(MssqlTreePrinter, EveryClassGetsItsPrinterAndOthersNone) {
    Tree t;
    PrintedClasses c;
    auto* stranger = t.New<_TMssqlGo>();
    for (TRk_Node* owner : c.All(t)) {
        SCOPED_TRACE(owner->ClassName());
        std::unique_ptr<TCustomPP> pp = CreateStatementPP(owner);
        ASSERT_NE(pp, nullptr);
        EXPECT_EQ(std::string(pp->ClassName()), std::string(owner->ClassName()) + "PP");
        EXPECT_EQ(pp->Owner, owner);
        // A printer given another class names both.
        pp->Owner = stranger;
        EXPECT_EQ(pp->GetPrettyText(),
                  std::string("Owner class should be ") + owner->ClassName() + ", error classtype:_TMssqlGo");
    }
    // Element classes without a layout of their own print as written.
    for (TRk_Node* owner : {static_cast<TRk_Node*>(t.New<_TMssqlBlock>()),
                            static_cast<TRk_Node*>(t.New<_TMssqlIfElse>()),
                            static_cast<TRk_Node*>(t.New<_TMssqlDummyStmt>()),
                            static_cast<TRk_Node*>(t.New<_TMssqlCreateProcedure>())})
        EXPECT_EQ(CreateStatementPP(owner), nullptr) << owner->ClassName();
    // Nodes made by the parser's factory have theirs from birth.
    auto* param = t.New<_TMssql_ParameterDecl>();
    ASSERT_NE(param->PP(), nullptr);
    EXPECT_STREQ(param->PP()->ClassName(), "_TMssql_ParameterDeclPP");
}

TEST_F(MssqlTreePrinter, StatementsThatDoNotParsePrintNothing) {
    // A wrapper without a statement, and statements without a root.
    Tree t;
    EXPECT_EQ(t.New<_TMssqlStmt>()->GetPrettyText(), "");
    TMssqlBlock block(0);
    TMssqlPrint print(0);
    TMssqlDeclare declare(0);
    for (TCustomSqlStatement* s : {static_cast<TCustomSqlStatement*>(&block),
                                   static_cast<TCustomSqlStatement*>(&print),
                                   static_cast<TCustomSqlStatement*>(&declare)}) {
        s->SetPP(CreateStatementPP(s));
        EXPECT_EQ(s->GetPrettyText(), "") << s->ClassName();
        EXPECT_FALSE(s->Parsed);
    }
}

TEST_F(MssqlTreePrinter, WithAsPrintsItsKeywordsAroundTheList) {
    // No grammar rule reaches WITH ... AS: the layout is shown on a built tree.
    Tree t;
    auto* root = t.Own(t.New<_TMssqlWithas>(), {t.Tok("with"), t.Tok("as")});
    root->CteList = t.Words({"cte"});
    auto* s = Built<TMssqlWithas>(t.Wrap(root));
    ASSERT_NE(s, nullptr);
    s->SetPP(CreateStatementPP(s));
    EXPECT_EQ(s->GetPrettyText(), "WITH cte AS");
    EXPECT_EQ(s->PrettyMode, 1);
}

TEST_F(MssqlTreePrinter, VaryingKeepsABlankAfterTheType) {
    // @c CURSOR VARYING OUTPUT: the default part starts with VARYING, which
    // carries no blank of its own.
    Tree t;
    auto* def = t.Own(t.New<_TMssql_opt_declaration_expr>(), {t.Tok("varying"), t.Tok("output")});
    def->IsVarying = 1;
    def->IsOutput = 1;
    auto* p = t.Own(t.New<_TMssql_ParameterDecl>(), {});
    p->NameToken = t.Tok("@c", ttAtVar);
    p->DataType = t.Words({"CURSOR"});
    p->DefaultPart = def;
    EXPECT_EQ(def->GetPrettyText(), "VARYING OUTPUT");
    EXPECT_EQ(p->GetPrettyText(), "@c CURSOR VARYING OUTPUT");

    // With a default value the part starts with its own blank.
    def->DefaultExpr = t.Words({"5"});
    def->EqualToken = t.Tok("=", ttUnclassified);
    EXPECT_EQ(p->GetPrettyText(), "@c CURSOR VARYING = 5 OUTPUT");
    def->IsVarying = 0;
    def->TokenList->Clear();
    def->TokenList->Add(t.Tok("out"));
    EXPECT_EQ(p->GetPrettyText(), "@c CURSOR = 5 OUT");
}

}  // namespace
