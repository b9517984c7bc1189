// SQL Server printers over hand-built element trees: which printer each
// class gets, the wrong-owner texts, and the layouts the grammar cannot
// reach (WITH ... AS) or reaches only in rare forms.
#include <gtest/gtest.h>

#include <memory>

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

TEST_F(MssqlTreePrinter, EveryClassGetsItsPrinterAndOthersNone) {
    Tree t;
    struct Row {
        TRk_Node* Owner;
        const char* Printer;  // nullptr: none
    };
    TMssqlBlock block(0);
    TMssqlIfElse ifElse(0);
    TMssqlCreateProcedure proc(0);
    TMssqlCreateFunction func(0);
    TMssqlReturn ret(0);
    TMssqlUse use(0);
    TMssqlGo go(0);
    TMssqlPrint print(0);
    TMssqlDeclare declare(0);
    TMssqlFetch fetch(0);
    TMssqlWithas withas(0);
    TMssqlSet set(0);
    TMssqlExecute exec(0);
    TMssqlDummyStmt dummy(0);
    const Row Rows[] = {
        {t.New<_TMssqlStmt>(), "_TMssqlStmtPP"},
        {t.New<_TMssql_ParameterDecl>(), "_TMssql_ParameterDeclPP"},
        {t.New<_TMssql_declare_var>(), "_TMssql_declare_varPP"},
        {t.New<_TMssql_opt_declaration_expr>(), "_TMssql_opt_declaration_exprPP"},
        {&block, "TMssqlBlockPP"},
        {&ifElse, "TMssqlIfElsePP"},
        {&proc, "TMssqlCreateProcedurePP"},
        {&func, "TMssqlCreateFunctionPP"},
        {&ret, "TMssqlReturnPP"},
        {&use, "TMssqlUsePP"},
        {&go, "TMssqlGoPP"},
        {&print, "TMssqlPrintPP"},
        {&declare, "TMssqlDeclarePP"},
        {&fetch, "TMssqlFetchPP"},
        {&withas, "TMssqlWithasPP"},
        {&set, "TMssqlSetPP"},
        {&exec, "TMssqlExecutePP"},
        {&dummy, "TMssqlDummyStmtPP"},
        // Element classes without a layout of their own print as written.
        {t.New<_TMssqlBlock>(), nullptr},
        {t.New<_TMssqlIfElse>(), nullptr},
        {t.New<_TMssqlDummyStmt>(), nullptr},
        {t.New<_TMssqlCreateProcedure>(), nullptr},
    };
    for (const Row& r : Rows) {
        SCOPED_TRACE(r.Owner->ClassName());
        std::unique_ptr<TCustomPP> pp = CreateStatementPP(r.Owner);
        if (!r.Printer) {
            EXPECT_EQ(pp, nullptr);
            continue;
        }
        ASSERT_NE(pp, nullptr);
        EXPECT_STREQ(pp->ClassName(), r.Printer);
        EXPECT_EQ(pp->Owner, r.Owner);
    }
    // Nodes made by the parser's factory have theirs from birth.
    auto* param = t.New<_TMssql_ParameterDecl>();
    ASSERT_NE(param->PP, nullptr);
    EXPECT_STREQ(param->PP->ClassName(), "_TMssql_ParameterDeclPP");
}

TEST_F(MssqlTreePrinter, APrinterGivenAnotherClassNamesBoth) {
    Tree t;
    auto* stranger = t.New<_TMssqlGo>();
    struct Row {
        TRk_Node* Owner;
        const char* Expected;
    };
    TMssqlBlock block(0);
    TMssqlIfElse ifElse(0);
    TMssqlCreateProcedure proc(0);
    TMssqlCreateFunction func(0);
    TMssqlReturn ret(0);
    TMssqlUse use(0);
    TMssqlGo go(0);
    TMssqlPrint print(0);
    TMssqlDeclare declare(0);
    TMssqlFetch fetch(0);
    TMssqlWithas withas(0);
    TMssqlSet set(0);
    TMssqlExecute exec(0);
    TMssqlDummyStmt dummy(0);
    const Row Rows[] = {
        {t.New<_TMssqlStmt>(), "_TMssqlStmt"},
        {t.New<_TMssql_ParameterDecl>(), "_TMssql_ParameterDecl"},
        {t.New<_TMssql_declare_var>(), "_TMssql_declare_var"},
        {t.New<_TMssql_opt_declaration_expr>(), "_TMssql_opt_declaration_expr"},
        {&block, "TMssqlBlock"},     {&ifElse, "TMssqlIfElse"}, {&proc, "TMssqlCreateProcedure"},
        {&func, "TMssqlCreateFunction"}, {&ret, "TMssqlReturn"}, {&use, "TMssqlUse"},
        {&go, "TMssqlGo"},           {&print, "TMssqlPrint"},   {&declare, "TMssqlDeclare"},
        {&fetch, "TMssqlFetch"},     {&withas, "TMssqlWithas"}, {&set, "TMssqlSet"},
        {&exec, "TMssqlExecute"},    {&dummy, "TMssqlDummyStmt"},
    };
    for (const Row& r : Rows) {
        std::unique_ptr<TCustomPP> pp = CreateStatementPP(r.Owner);
        ASSERT_NE(pp, nullptr) << r.Expected;
        pp->Owner = stranger;
        EXPECT_EQ(pp->GetPrettyText(),
                  std::string("Owner class should be ") + r.Expected + ", error classtype:_TMssqlGo");
    }
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
        s->PP = CreateStatementPP(s);
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
    s->PP = CreateStatementPP(s);
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
