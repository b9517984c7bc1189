// The column search inside expressions and the database-object search with
// table aliases, over statements whose walk is a given body.
#include <gtest/gtest.h>

#include "nodes/generic_fixture.h"
#include "process/gettextvisitor_search.h"
#include "statementstructure/rkexpression.h"

using gentest::Name;
using gentest::TScript;
using gentest::TTestSelect;
using gentest::TTestStatement;

namespace {

// A qualified name a.b over the tokens of the script.
TRk_Attr* Qualified(TScript& s, const char* q, const char* col, int dot = 0) {
    auto* a = Name(s, s.T(q));
    a->DotToken = s.T(".", dot);
    a->NameParts = s.List({s.T(col)});
    s.T(col)->SetSeparatorToken(a->DotToken);
    return a;
}

// e.a + f(b): a qualified column plus a call with a column argument.
TRkCustomExpression* SumWithCall(TScript& s) {
    auto* call = s.Make<TRk_FuncCall>({s.T("("), s.T(")")});
    call->NameAttr = Name(s, s.T("f"));
    call->ArgList = s.List({Name(s, s.T("b"))});
    auto* sum = s.Make<TRkCustomExpression>();
    sum->ExprType = Expr_Arithmetic;
    sum->OperatorToken = s.T("+");
    sum->LeftOperand = Qualified(s, "e", "a");
    sum->RightOperand = call;
    return sum;
}

TEST(FldInExprVisitor, MarksAndReportsThenCollectsColumnTexts) {
    TScript s("e.a + f(b) from emp e");
    auto statement = CreateNodeOfClass<TTestStatement>(sstSelect);
    gentest::AddTable(s, *statement, s.T("emp"), s.T("e", 1));
    std::vector<std::string> fields, tables;
    statement->SetOnFieldTokenEvent([&](TRk_Node* sender, TSourceToken* t, TRk_Node* st) {
        EXPECT_NE(sender, nullptr);
        EXPECT_EQ(st, statement.get());
        fields.push_back(std::string(t->GetText()));
    });
    statement->SetOnTableTokenEvent([&](TRk_Node*, TSourceToken* t, TRk_Node*) { tables.push_back(std::string(t->GetText())); });
    TRkCustomExpression* sum = SumWithCall(s);

    TRkFldInExprVisitor mark;
    mark.Root = sum;
    mark.Statement = statement.get();
    mark.Execute();
    EXPECT_EQ(s.T("a")->DbObjKind, okField);
    EXPECT_EQ(s.T("e")->DbObjKind, okTableAlias);
    EXPECT_EQ(s.T("b")->DbObjKind, okField);
    EXPECT_EQ(s.T("f")->DbObjKind, okFunction);
    EXPECT_EQ(fields, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(tables, (std::vector<std::string>{"e"}));
    EXPECT_EQ(mark.Depth, 0);
    EXPECT_EQ(mark.CurrentName, nullptr);

    std::vector<std::string> texts{"stale"};
    TRkFldInExprVisitor collect;
    collect.Mode = 2;
    collect.Root = sum;
    collect.Target = &texts;
    collect.Execute();
    EXPECT_EQ(texts, (std::vector<std::string>{"e.a ", "b"}));
    // Mode 2 without a target does nothing.
    TRkFldInExprVisitor none;
    none.Mode = 2;
    none.Root = sum;
    none.Execute();
    EXPECT_EQ(none.Current, nullptr);
}

TEST(FldInExprVisitor, SubqueriesBecomeChildrenOfTheStatement) {
    TScript s("x in (y)");
    auto outer = CreateNodeOfClass<TTestStatement>(sstSelect);
    auto inner = CreateNodeOfClass<TTestSelect>(sstSelect);
    inner->Body = Name(s, s.T("y"));
    auto* in = s.Make<TRkCustomExpression>();
    in->ExprType = Expr_In;
    in->OperatorToken = s.T("in");
    in->LeftOperand = Name(s, s.T("x"));
    in->RightOperand = inner.get();
    std::vector<std::pair<std::string, TRk_Node*>> seen;
    outer->SetOnFieldTokenEvent([&](TRk_Node*, TSourceToken* t, TRk_Node* st) { seen.emplace_back(t->GetText(), st); });
    TRkFldInExprVisitor v;
    v.Root = in;
    v.Statement = outer.get();
    v.Execute();
    EXPECT_EQ(inner->ParentStatement, outer.get());
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], std::make_pair(std::string("x"), static_cast<TRk_Node*>(outer.get())));
    EXPECT_EQ(seen[1], std::make_pair(std::string("y"), static_cast<TRk_Node*>(inner.get())));
    EXPECT_TRUE(v.StatementStack.empty());
}

// A body that visits the given tokens in order.
TRkCustomExpression* Tokens(TScript& s, std::initializer_list<TSourceToken*> toks) {
    auto* e = s.Make<TRkCustomExpression>();
    e->ExprType = Expr_namelist;
    auto* list = s.Make<TRk_List>();
    for (TSourceToken* t : toks) list->Add(t);
    e->LeftOperand = list;
    return e;
}

TEST(InspectDBObjVisitor, AliasesResolveToTheirTableWhileInScope) {
    TScript s("emp e e.sal zzz count e");
    auto statement = CreateNodeOfClass<TTestStatement>(sstSelect);
    gentest::AddTable(s, *statement, s.T("emp"), s.T("e"));
    s.T("emp")->DbObjKind = okTable;
    s.T("e", 1)->DbObjKind = okTable;   // a qualifier that repeats the alias
    s.T("sal")->DbObjKind = okField;
    s.T("zzz")->DbObjKind = okTable;    // neither a recorded table nor an alias
    s.T("count")->DbObjKind = okFunction;
    s.T("e", 2)->DbObjKind = okTable;   // the alias again, out of scope below
    statement->Body = Tokens(s, {s.T("emp"), s.T("e", 1), s.T("sal"), s.T("zzz"), s.T("count")});
    auto* root = s.Make<TRkCustomExpression>();
    root->ExprType = Expr_exprlist;
    root->LeftOperand = s.List({statement.get(), Tokens(s, {s.T("e", 2)})});

    std::vector<std::unique_ptr<TRkInspectDBObj>> objects;
    TRkInspectDBObjVisitor v;
    v.Root = root;
    v.Objects = &objects;
    v.Execute();
    ASSERT_EQ(objects.size(), 5u);
    auto check = [&](size_t i, uint8_t kind, const char* name, int occurrences) {
        EXPECT_EQ(objects[i]->Kind, kind) << i;
        EXPECT_EQ(objects[i]->Name, name) << i;
        EXPECT_EQ(objects[i]->Occurrences->Count(), occurrences) << i;
    };
    check(0, okTable, "emp", 2);   // the alias qualifier is one more occurrence
    check(1, okField, "sal", 1);
    check(2, okTable, "zzz", 1);
    check(3, okFunction, "count", 1);
    check(4, okTable, "e", 1);     // outside the query the alias names nothing
    EXPECT_EQ(objects[0]->Occurrences->GetToken(1), s.T("e", 1));
    EXPECT_TRUE(v.VisibleTables.empty());
    EXPECT_TRUE(v.OpenObjects.empty());
    // Without a record list nothing is walked.
    TRkInspectDBObjVisitor idle;
    idle.Root = root;
    idle.Execute();
    EXPECT_EQ(idle.Current, nullptr);
}

TEST(InspectDBObjVisitor, TablesInScopeByStatementType) {
    TScript s("t u");
    struct Row {
        TSqlStatementType type;
        size_t visible;
    };
    const Row rows[] = {{sstSelect, 2}, {sstDropTable, 2}, {sstInsert, 1}, {sstCreateTable, 1},
                        {sstAlterTable, 1}, {sstDelete, 1}, {sstUpdate, 1}, {sstCommit, 0}};
    for (const Row& r : rows) {
        auto st = CreateNodeOfClass<TTestStatement>(r.type);
        st->TargetTable = gentest::AddTable(s, *st, s.T("t"));
        gentest::AddTable(s, *st, s.T("u"));
        // Count the tables in scope while the statement's body is walked.
        struct Probe : TRk_Node {
            TRkInspectDBObjVisitor* V = nullptr;
            size_t Seen = 0;
            void DoAccept(TRkVisitorAbs&) override { Seen = V->VisibleTables.size(); }
        };
        auto probe = CreateNodeOfClass<Probe>();
        std::vector<std::unique_ptr<TRkInspectDBObj>> objects;
        TRkInspectDBObjVisitor v;
        probe->V = &v;
        st->Body = probe.get();
        v.Root = st.get();
        v.Objects = &objects;
        v.Execute();
        EXPECT_EQ(probe->Seen, r.visible) << int(r.type);
        EXPECT_TRUE(v.VisibleTables.empty());
    }
}

}  // namespace
