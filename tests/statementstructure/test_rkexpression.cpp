// Expressions: the tokens each kind walks, CASE and WHEN texts, RETURNING,
// and re-parsing an expression from text.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>

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

// An operand: "" none, "x" a name, "x,y" two names in a list, "x;" a list
// of one name, "#x,y" a list of two tokens (the separator is the ",").
TRk_Node* Operand(TScript& s, const std::string& d) {
    if (d.empty()) return nullptr;
    const bool tokens = d[0] == '#';
    const std::string body = d.substr(tokens ? 1 : 0);
    const std::size_t comma = body.find(',');
    if (comma != std::string::npos) {
        const std::string a = body.substr(0, comma), b = body.substr(comma + 1);
        if (tokens) return s.List({s.T(a), s.T(b)}, {s.T(",")});
        return s.List({Name(s, s.T(a)), Name(s, s.T(b))}, {s.T(",")});
    }
    if (body.back() == ';') return s.List({Name(s, s.T(body.substr(0, body.size() - 1)))});
    return Name(s, s.T(body));
}

TEST(Expression, EachKindWalksItsPartsInOrder) {
    const struct {
        const char* sql;
        TRkOpType kind;
        const char *op, *left, *right, *own, *walk;
    } rows[] = {
        {"a = b", Expr_Comparison, "=", "a", "b", "", "a = b"},
        {"a and b", Expr_AND, "and", "a", "b", "", "a and b"},
        {"not a", Expr_NOT, "not", "", "a", "", "not a"},
        {"a", Expr_Attr, "", "a", "", "", "a"},
        {"a, b", Expr_namelist, "", "#a,b", "", "", "a , b"},
        {"a, b", Expr_exprlist, "", "a,b", "", "", "a , b"},
        {"(a, b)", Expr_Parenthesis, "", "a,b", "", "( )", "( a , b )"},
        {"(a)", Expr_Parenthesis, "", "a", "", "( )", "( a )"},
        // NOT IN prints its own tokens between the operands, never the operator.
        {"a not in b", Expr_NotIn, "in", "a", "b", "not in", "a not in b"},
        {"a not like b", Expr_NotLike, "", "a", "b", "not like", "a not like b"},
        // IS NULL: the operand first, its own tokens last.
        {"a is null", Expr_IsNull, "", "a", "", "is null", "a is null"},
        {"a is not null", Expr_IsNotNull, "", "a", "", "is not null", "a is not null"},
        {"a > any b", Expr_Comparison, ">", "a", "b", "", "a > any b"},
        {"f(a) over b", Expr_func_exprs, "over", "a;", "b", "", "a over b"},
        {"a keep (b)", Expr_func_exprs, "", "a;", "b", "( )", "a ( b )"},
        {"sql % found", Expr_Plsql_sql_condition, "", "", "", "sql % found", "sql % found"},
        {"rollup (a, b)", Expr_Rollup, "rollup", "a,b", "", "( )", "rollup ( a , b )"},
        {"grouping sets (a)", Expr_GroupingSets, "grouping", "a;", "", "sets ( )", "grouping sets ( a )"},
        {"whatever", Expr_NotSupported, "whatever", "", "", "", ""},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.sql);
        TScript s(r.sql);
        auto* e = s.Make<TRkCustomExpression>();
        e->ExprType = r.kind;
        if (*r.op) e->OperatorToken = s.T(r.op);
        e->LeftOperand = Operand(s, r.left);
        e->RightOperand = Operand(s, r.right);
        std::istringstream own(r.own);
        for (std::string w; own >> w;) e->TokenList->Add(s.T(w));
        if (std::string(r.sql).find(" any ") != std::string::npos) {
            e->Modifier = 1;
            e->QuantifierToken = s.T("any");
        }
        EXPECT_EQ(e->NodeKind, 2);
        EXPECT_EQ(Walk(e), r.walk);
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
    c->SetTextOverride("decode(x)");
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

// A chain (a or b) or c ... is walked in a loop, with the frames, depths
// and failure handling that one Accept per link would give.
TEST(Expression, ChainWalkKeepsTheProtocol) {
    TScript s("a or b or c or d");
    auto* ab = Expr(s, Expr_OR, s.T("or", 0), Name(s, s.T("a")), Name(s, s.T("b")));
    auto* abc = Expr(s, Expr_OR, s.T("or", 1), ab, Name(s, s.T("c")));
    auto* abcd = Expr(s, Expr_OR, s.T("or", 2), abc, Name(s, s.T("d")));
    ASSERT_EQ(abcd->ChainLeft(), abc);
    ASSERT_EQ(abc->ChainLeft(), ab);
    EXPECT_EQ(ab->ChainLeft(), nullptr);
    auto label = [&](TRkVisitedAbs* o) -> std::string {
        if (TSourceToken* t = o->AsToken()) return std::string(t->GetText());
        if (o == ab) return "AB";
        if (o == abc) return "ABC";
        if (o == abcd) return "ABCD";
        return "name";
    };
    // Records pre/post of the links and visits of the tokens with the depth;
    // fails in the PreVisit or PostVisit of the link named by the fields.
    struct TLog : TRkVisitorAbs {
        std::function<std::string(TRkVisitedAbs*)> Label;
        std::string Log, FailPre, FailPost, StopAt;
        void Add(const char* what, TRkVisitedAbs* o) {
            if (Label(o) != "name") Log += std::string(what) + Label(o) + "@" + std::to_string(Depth) + " ";
        }
        void PreVisit(TRkVisitedAbs* o) override {
            if (o->AsToken()) return;
            Add("<", o);
            if (Label(o) == FailPre) throw ERkError("pre");
        }
        void Visit(TRkVisitedAbs* o) override {
            TRkVisitorAbs::Visit(o);
            if (o->AsToken()) Add("", o);
            if (Label(o) == StopAt) Enabled = false;
        }
        void PostVisit(TRkVisitedAbs* o) override {
            if (o->AsToken()) return;
            if (Label(o) == FailPost) throw ERkError("post");
            Add(">", o);
        }
    };
    auto walk = [&](const char* failPre, const char* failPost, const char* stopAt) {
        TLog v;
        v.Label = label;
        v.FailPre = failPre;
        v.FailPost = failPost;
        v.StopAt = stopAt;
        abcd->Accept(&v);
        EXPECT_EQ(v.Depth, 0);
        return v.Log;
    };
    EXPECT_EQ(walk("", "", ""),
              "<ABCD@1 <ABC@2 <AB@3 a@5 or@4 b@5 >AB@3 or@3 c@4 >ABC@2 or@2 d@3 >ABCD@1 ");
    // A failing link drops only its own rest; the links around it go on.
    EXPECT_EQ(walk("ABC", "", ""), "<ABCD@1 <ABC@2 or@2 d@3 >ABCD@1 ");
    EXPECT_EQ(walk("", "AB", ""), "<ABCD@1 <ABC@2 <AB@3 a@5 or@4 b@5 or@3 c@4 >ABC@2 or@2 d@3 >ABCD@1 ");
    // A visitor that stops still closes the frames it opened.
    EXPECT_EQ(walk("", "", "a"), "<ABCD@1 <ABC@2 <AB@3 a@5 >AB@3 >ABC@2 >ABCD@1 ");
    EXPECT_EQ(abcd->AsText(), "a or b or c or d");
}
