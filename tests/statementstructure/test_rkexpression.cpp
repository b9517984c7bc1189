// Expressions: the tokens each kind walks, CASE and WHEN texts, RETURNING,
// and re-parsing an expression from text.
#include <gtest/gtest.h>

#include <functional>

#include "nodes/generic_fixture.h"
#include "nodes/u_nodes_generic.h"
#include "statementstructure/rkexpression.h"

using gentest::TScript;
using gentest::Name;
using gentest::Walk;

namespace {

TRkCustomExpression* Expr(TScript& s, TRkOpType k, TSourceToken* op, TRk_Node* l, TRk_Node* r,
                          std::initializer_list<TSourceToken*> own = {}) {
    auto* e = s.Make<TRkCustomExpression>(own);
    e->ExprType = k;
    e->OperatorToken = op;
    e->LeftOperand = l;
    e->RightOperand = r;
    return e;
}

struct KindRow {
    const char* sql;
    std::function<TRkCustomExpression*(TScript&)> build;
    const char* walk;
};

TEST(Expression, EachKindWalksItsPartsInOrder) {
    const KindRow rows[] = {
        {"a = b", [](TScript& s) { return Expr(s, Expr_Comparison, s.T("="), Name(s, s.T("a")), Name(s, s.T("b"))); },
         "a = b"},
        {"a and b", [](TScript& s) { return Expr(s, Expr_AND, s.T("and"), Name(s, s.T("a")), Name(s, s.T("b"))); },
         "a and b"},
        {"not a", [](TScript& s) { return Expr(s, Expr_NOT, s.T("not"), nullptr, Name(s, s.T("a"))); }, "not a"},
        {"a", [](TScript& s) { return Expr(s, Expr_Attr, nullptr, Name(s, s.T("a")), nullptr); }, "a"},
        {"a, b",
         [](TScript& s) {
             return Expr(s, Expr_namelist, nullptr, s.List({s.T("a"), s.T("b")}, {s.T(",")}), nullptr);
         },
         "a , b"},
        {"a, b",
         [](TScript& s) {
             return Expr(s, Expr_exprlist, nullptr,
                         s.List({Name(s, s.T("a")), Name(s, s.T("b"))}, {s.T(",")}), nullptr);
         },
         "a , b"},
        {"(a, b)",
         [](TScript& s) {
             return Expr(s, Expr_Parenthesis, nullptr,
                         s.List({Name(s, s.T("a")), Name(s, s.T("b"))}, {s.T(",")}), nullptr,
                         {s.T("("), s.T(")")});
         },
         "( a , b )"},
        {"(a)",
         [](TScript& s) {
             return Expr(s, Expr_Parenthesis, nullptr, Name(s, s.T("a")), nullptr, {s.T("("), s.T(")")});
         },
         "( a )"},
        // NOT IN prints its own tokens between the operands, never the operator.
        {"a not in b",
         [](TScript& s) {
             return Expr(s, Expr_NotIn, s.T("in"), Name(s, s.T("a")), Name(s, s.T("b")), {s.T("not"), s.T("in")});
         },
         "a not in b"},
        {"a not like b",
         [](TScript& s) {
             return Expr(s, Expr_NotLike, nullptr, Name(s, s.T("a")), Name(s, s.T("b")),
                         {s.T("not"), s.T("like")});
         },
         "a not like b"},
        // IS NULL: the operand first, its own tokens last.
        {"a is null",
         [](TScript& s) {
             return Expr(s, Expr_IsNull, nullptr, Name(s, s.T("a")), nullptr, {s.T("is"), s.T("null")});
         },
         "a is null"},
        {"a is not null",
         [](TScript& s) {
             return Expr(s, Expr_IsNotNull, nullptr, Name(s, s.T("a")), nullptr,
                         {s.T("is"), s.T("not"), s.T("null")});
         },
         "a is not null"},
        {"a > any b",
         [](TScript& s) {
             auto* e = Expr(s, Expr_Comparison, s.T(">"), Name(s, s.T("a")), Name(s, s.T("b")));
             e->Modifier = 1;
             e->QuantifierToken = s.T("any");
             return e;
         },
         "a > any b"},
        {"f(a) over b",
         [](TScript& s) {
             return Expr(s, Expr_func_exprs, s.T("over"), s.List({Name(s, s.T("a"))}), Name(s, s.T("b")));
         },
         "a over b"},
        {"a keep (b)",
         [](TScript& s) {
             return Expr(s, Expr_func_exprs, nullptr, s.List({Name(s, s.T("a"))}), Name(s, s.T("b")),
                         {s.T("("), s.T(")")});
         },
         "a ( b )"},
        {"sql % found",
         [](TScript& s) {
             return Expr(s, Expr_Plsql_sql_condition, nullptr, nullptr, nullptr,
                         {s.T("sql"), s.T("%"), s.T("found")});
         },
         "sql % found"},
        {"rollup (a, b)",
         [](TScript& s) {
             return Expr(s, Expr_Rollup, s.T("rollup"),
                         s.List({Name(s, s.T("a")), Name(s, s.T("b"))}, {s.T(",")}), nullptr,
                         {s.T("("), s.T(")")});
         },
         "rollup ( a , b )"},
        {"grouping sets (a)",
         [](TScript& s) {
             return Expr(s, Expr_GroupingSets, s.T("grouping"), s.List({Name(s, s.T("a"))}), nullptr,
                         {s.T("sets"), s.T("("), s.T(")")});
         },
         "grouping sets ( a )"},
        {"whatever", [](TScript& s) { return Expr(s, Expr_NotSupported, s.T("whatever"), nullptr, nullptr); }, ""},
    };
    for (const KindRow& r : rows) {
        TScript s(r.sql);
        TRkCustomExpression* e = r.build(s);
        EXPECT_EQ(e->NodeKind, 2);
        EXPECT_EQ(Walk(e), r.walk) << r.sql;
    }
}

TEST(Expression, PlainTextReadsTheSource) {
    TScript s("a not in (1, 2)  -- c\nx");
    auto* list = Expr(s, Expr_Parenthesis, nullptr,
                      s.List({Name(s, s.T("1")), Name(s, s.T("2"))}, {s.T(",")}), nullptr,
                      {s.T("("), s.T(")")});
    auto* e = Expr(s, Expr_NotIn, s.T("in"), Name(s, s.T("a")), list, {s.T("not"), s.T("in")});
    EXPECT_EQ(e->AsText(), "a not in (1, 2)  -- c\n");
    EXPECT_EQ(e->GetPrettyText(), e->AsText());  // no printer registered
}

TEST(CaseExpression, PrettyTextLayout) {
    TScript s("case x when 1 then a when 2 then b else c end",
              {"case", "when", "then", "else", "end"});
    auto* c = s.Make<TRkCaseExpression>({s.T("case"), s.T("end")});
    EXPECT_EQ(c->ExprType, Expr_Case);
    EXPECT_EQ(c->GetPrettyText(), "");  // no WHEN list
    auto when = [&](int i, const char* v, const char* r) {
        auto* w = s.Make<TRkCaseWhen>({s.T("when", i), s.T("then", i)});
        w->SetWhenExpr(Name(s, s.T(v)));
        w->SetThenExpr(Name(s, s.T(r)));
        return w;
    };
    c->SetInputExpr(Name(s, s.T("x")));
    c->WhenList = s.List({when(0, "1", "a"), when(1, "2", "b")});
    c->ElseClause = s.Make<TRk_DummyNode>({s.T("else")});
    c->SetElseExpr(Name(s, s.T("c")));
    EXPECT_EQ(Walk(c), "case x when 1 then a when 2 then b else c end");
    // The blank after the input expression stays before the line break.
    EXPECT_EQ(c->GetPrettyText(), "CASE x \r\n  WHEN 1 THEN a\r\n  WHEN 2 THEN b\r\n  ELSE c\r\nEND");
    c->TextOverride = "decode(x)";
    EXPECT_EQ(c->GetPrettyText(), "decode(x)");
}

TEST(CaseWhen, MissingPartGivesEmptyText) {
    TScript s("when a then b", {"when", "then"});
    auto* w = s.Make<TRkCaseWhen>({s.T("when"), s.T("then")});
    EXPECT_EQ(w->NodeKind, 29);
    w->SetWhenExpr(Name(s, s.T("a")));
    EXPECT_EQ(w->GetPrettyText(), "");
    EXPECT_EQ(Walk(w), "when a then");
    w->SetThenExpr(Name(s, s.T("b")));
    EXPECT_EQ(w->GetPrettyText(), "WHEN a THEN b");
}

TEST(ReturningClause, WalkAndText) {
    TScript s("returning a, b bulk collect into x, y", {"returning", "bulk", "collect", "into"});
    auto* r = s.Make<TRkReturningClause>({s.T("returning"), s.T("bulk"), s.T("collect"), s.T("into")});
    EXPECT_EQ(r->NodeKind, 160);
    r->ReturnList = s.List({Name(s, s.T("a")), Name(s, s.T("b"))}, {s.T(",")});
    r->IntoList = s.List({s.T("x"), s.T("y")}, {s.T(",", 1)});
    r->ReturningKind = 2;
    EXPECT_EQ(Walk(r), "returning a , b bulk collect into x , y");
    EXPECT_EQ(r->GetPrettyText(), "RETURNING a , b BULK COLLECT INTO x , y");
}

// SetAsText re-parses through the statement model; a stand-in front end
// hands back a condition built over its own tokens.
struct FakeFrontEnd : TRkReparseHolder {
    TScript script{"x = 1", {}};
    static inline int alive = 0;
    FakeFrontEnd() { ++alive; }
    ~FakeFrontEnd() override { --alive; }
};

TRkReparseResult FakeReparse(uint8_t, const std::string& sql) {
    TRkReparseResult r;
    auto fe = std::make_unique<FakeFrontEnd>();
    if (sql == "select a from c where x = 1") {
        TScript& s = fe->script;
        auto* e = s.Make<TRkCustomExpression>();
        e->ExprType = Expr_Comparison;
        e->OperatorToken = s.T("=");
        e->LeftOperand = Name(s, s.T("x"));
        e->RightOperand = Name(s, s.T("1"));
        r.Where = e;
    }
    r.Holder = std::move(fe);
    return r;
}

TEST(Expression, SetAsText) {
    TRkReparseFunc saved = RkReparseCondition;
    RkReparseCondition = FakeReparse;
    {
        TScript s("a is null", {"is", "null"});
        auto* e = Expr(s, Expr_IsNull, nullptr, Name(s, s.T("a")), nullptr, {s.T("is"), s.T("null")});
        // Not a condition: kind and operands stay, the text is printed.
        e->SetAsText("not a condition");
        EXPECT_EQ(e->ExprType, Expr_IsNull);
        EXPECT_EQ(e->AsText(), "not a condition");
        EXPECT_EQ(FakeFrontEnd::alive, 0);
        // A condition: the expression becomes it, its old tokens and the
        // earlier override are gone from its text.
        e->SetAsText("x = 1");
        EXPECT_EQ(e->ExprType, Expr_Comparison);
        EXPECT_EQ(e->AsText(), "x = 1");
        EXPECT_EQ(Walk(e), "x = 1");
        EXPECT_NE(e->ReparseHolder(), nullptr);
        EXPECT_EQ(FakeFrontEnd::alive, 1);
        // A failed second call keeps the operands, whose front end lives on.
        e->SetAsText("still not");
        EXPECT_EQ(FakeFrontEnd::alive, 1);
        EXPECT_EQ(Walk(e), "x = 1");
    }
    EXPECT_EQ(FakeFrontEnd::alive, 0);
    RkReparseCondition = nullptr;
    TScript s("a");
    auto* e = Expr(s, Expr_Attr, nullptr, Name(s, s.T("a")), nullptr);
    e->SetAsText("b = 2");  // no statement model: the text is kept
    EXPECT_EQ(e->AsText(), "b = 2");
    RkReparseCondition = saved;
}

}  // namespace
