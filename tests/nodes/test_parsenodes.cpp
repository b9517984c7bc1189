// Raw statement parse nodes: kinds and initial values of the holders, the
// clause nodes' walks and texts, and attaching ORDER BY / FOR UPDATE.
#include <gtest/gtest.h>

#include "nodes/generic_fixture.h"
#include "nodes/rkexceptions.h"
#include "nodes/u_nodes_generic.h"
#include "nodes/u_parsenodes.h"
#include "statementstructure/rkexpression.h"

using gentest::TScript;
using gentest::Name;
using gentest::Walk;

namespace {

template <class T>
int KindOf() {
    return CreateNodeOfClass<T>()->NodeKind;
}

// The kinds the statement model and the visitors dispatch on.
TEST(ParseNodes, KindsOfTheHolders) {
    const std::pair<int, int> kinds[] = {
        {KindOf<TRk_SelectStmt>(), 170}, {KindOf<TRk_ResTarget>(), 159}, {KindOf<TRk_TableRef>(), 174},
        {KindOf<TRk_joinqual>(), 60}, {KindOf<TRk_for_update_clause>(), 47}, {KindOf<TRk_InsertStmt>(), 57},
        {KindOf<TRkinsert_rest>(), 0}, {KindOf<TRk_UpdateStmt>(), 180}, {KindOf<TRk_DeleteStmt>(), 32},
        {KindOf<TRk_CreateTableStmt>(), 21}, {KindOf<TRk_CreateIndexSqlStatement>(), 23},
        {KindOf<TRk_CreateViewSqlStatement>(), 22}, {KindOf<TRk_DropTableStmt>(), 38},
        {KindOf<TRk_DropIndexSqlStatement>(), 39}, {KindOf<TRk_DropViewSqlStatement>(), 40},
        {KindOf<TRk_alterTableStmt>(), 8}, {KindOf<TRk_MergeStmt>(), 33}, {KindOf<TRk_A_Const>(), 4},
        {KindOf<TRk_Ident>(), 54}, {KindOf<TRk_SortGroupBy>(), 166}, {KindOf<TRk_hierarchial_query_clause>(), 53},
        {KindOf<TRk_SelectLimitClause>(), 164}, {KindOf<TRk_MssqlCompute>(), 71},
        {CreateNodeOfClass<TRk_MergeStmt>()->OnPart->NodeKind, 41}};   // a part the merge node owns
    for (size_t i = 0; i < std::size(kinds); ++i) EXPECT_EQ(kinds[i].first, kinds[i].second) << "row " << i;
}

TEST(AConst, WalkAndTextByKind) {
    const struct Row { uint8_t kind; const char* sql; const char* walk; const char* pretty; } rows[] = {
        {55, "42", "42", "42"},
        {48, "4", "4", "4"},
        {172, "'s'", "'s'", "'s'"},
        {64, "null", "null", "NULL"},
        {67, "x", "x", "x"},
        {68, "n 'x'", "n 'x'", "n 'x'"},
        {69, "n 'x' extra", "n 'x'", "n 'x' extra"},
        // A DATE literal keeps its string in its text.
        {103, "date '2001-01-01'", "date '2001-01-01'", "DATE '2001-01-01'"},
        {12, "p indicator q", "p indicator q", "p INDICATOR q"},
        {104, "interval '1' year", "interval '1' year", "INTERVAL '1' YEAR"},
        {109, "interval '1' second", "interval '1' second", "INTERVAL '1' SECOND"},
        {1, "x", "", ""},  // none of the listed kinds
        {55, "-", "", ""},  // no tokens
    };
    for (const Row& r : rows) {
        TScript s(r.sql, {"null", "date", "indicator", "interval", "year", "second"});
        auto* c = s.Make<TRk_A_Const>();
        for (TSourceToken* t : s.L->Items())
            if (t->IsSignificant() && std::string_view(r.sql) != "-") c->TokenList->Add(t);
        c->ConstKind = r.kind;
        EXPECT_EQ(Walk(c), r.walk) << int(r.kind);
        EXPECT_EQ(c->GetPrettyText(), r.pretty) << int(r.kind);
    }
}

TEST(Ident, MarkingAndText) {
    TScript s("Col @v");
    auto* i = s.Make<TRk_Ident>();
    i->IdentToken = s.T("Col");
    EXPECT_FALSE(i->IsColumnToken());
    i->MarkAsColumn();
    EXPECT_TRUE(i->IsColumnToken());
    EXPECT_EQ(i->GetPrettyText(), "col");
    EXPECT_EQ(Walk(i), "Col");
    auto* v = s.Make<TRk_Ident>();
    v->IdentToken = s.T("@v");
    v->MarkAsColumn();
    EXPECT_FALSE(v->IsColumnToken());
}

TEST(SortGroupBy, NullsAndRawSelects) {
    TScript s("a desc nulls last", {"desc", "nulls", "last"});
    auto* item = s.Make<TRk_SortGroupBy>();
    item->SortExpr = Name(s, s.T("a"));
    item->SortToken = s.T("desc");
    item->NullsClause = s.Make<TRk_DummyNode>({s.T("nulls"), s.T("last")});
    item->NullsClause->Int1 = 2;
    item->NullsOrder = 2;
    EXPECT_EQ(Walk(item), "a desc nulls last");
    EXPECT_EQ(item->GetPrettyText(), "a DESC NULLS LAST");
    item->NullsClause->Int1 = 0;
    EXPECT_EQ(Walk(item), "a desc");
    // An item that is a raw select node is neither walked nor printed.
    item->SortExpr = s.Make<TRk_SelectStmt>({s.T("a")});
    EXPECT_EQ(Walk(item), "desc");
    EXPECT_EQ(item->GetPrettyText(), " DESC");
}

TEST(HierarchicalClause, StartWithThenConnectBy) {
    TScript s("start with a = 1 connect by b = c", {"start", "with", "connect", "by"});
    auto* h = s.Make<TRk_hierarchial_query_clause>({s.T("start"), s.T("with"), s.T("connect"), s.T("by")});
    auto cond = [&](const char* l, const char* r, int n) {
        auto* e = s.Make<TRkCustomExpression>();
        e->ExprType = Expr_Comparison;
        e->OperatorToken = s.T("=", n);
        e->LeftOperand = Name(s, s.T(l));
        e->RightOperand = Name(s, s.T(r));
        return e;
    };
    h->StartWithCondition = cond("a", "1", 0);
    h->ConnectByCondition = cond("b", "c", 1);
    h->StartWithFirst = 1;
    EXPECT_EQ(Walk(h), "start with a = 1 connect by b = c");
    EXPECT_EQ(h->GetPrettyText(), "START WITH a = 1 \r\nCONNECT BY b = c");
    auto* target = s.Make<TRk_DummyNode>();
    target->PrettyBuffer() = "x";
    h->PrettyBuffer() = "\r\ny";
    h->AppendPrettyTextTo(target);
    EXPECT_EQ(target->PrettyBuffer(), "x\r\ny");  // no indentation
}

TEST(LimitClause, BothForms) {
    TScript s("10 offset 5 5, 10", {"offset"});
    auto* off = s.Make<TRk_SelectLimitClause>();
    off->RowCount = s.T("10");
    off->OffsetKeyword = s.T("offset");
    off->OffsetValue = s.T("5");
    EXPECT_EQ(Walk(off), "10 offset 5");
    EXPECT_EQ(off->GetPrettyText(), "10 OFFSET 5");
    auto* comma = s.Make<TRk_SelectLimitClause>();
    comma->OffsetValue = s.T("5", 1);
    comma->CommaToken = s.T(",");
    comma->RowCount = s.T("10", 1);
    EXPECT_EQ(Walk(comma), "5 , 10");
    EXPECT_EQ(comma->GetPrettyText(), "5,10");
}

TEST(Compute, WalkAndTexts) {
    TScript s("compute sum(a), max(b) by c, d", {"compute", "by"});
    auto agg = [&](const char* fn, const char* arg, int n) {
        auto* h = s.Make<TRk_DummyNode>({s.T("(", n), s.T(")", n)});
        h->Tok1 = s.T(fn);
        h->Sub1 = Name(s, s.T(arg));
        return h;
    };
    auto* c = s.Make<TRk_MssqlCompute>({s.T("compute"), s.T("by")});
    c->ComputeList = s.List({agg("sum", "a", 0), agg("max", "b", 1)}, {s.T(",")});
    c->ByList = s.List({Name(s, s.T("c")), Name(s, s.T("d"))}, {s.T(",", 1)});
    EXPECT_EQ(Walk(c), "compute sum ( a ) , max ( b ) by c , d");
    EXPECT_EQ(c->AsText(), "sum(a),max(b) by c,d");
    EXPECT_EQ(c->GetPrettyText(), "sum(a),max(b) BY c,d");
    c->ComputeList = nullptr;
    EXPECT_EQ(c->AsText(), "by c,d");
}

TEST(InsertSelectOptions, SecondOrderByOrForUpdateFails) {
    TScript s("x");
    auto* sel = s.Make<TRk_SelectStmt>();
    auto* order = s.Make<TRk_List>();
    auto* forUpdate = s.Make<TRk_for_update_clause>();
    auto* limit = s.Make<TRk_SelectLimitClause>();
    InsertSelectOptions(nullptr, order, forUpdate, limit);  // nothing
    InsertSelectOptions(sel, order, forUpdate, limit);
    EXPECT_EQ(sel->SortList, order);
    EXPECT_EQ(sel->ForUpdateClause, forUpdate);
    EXPECT_EQ(sel->LimitClause, limit);
    auto* limit2 = s.Make<TRk_SelectLimitClause>();
    InsertSelectOptions(sel, nullptr, nullptr, limit2);
    EXPECT_EQ(sel->LimitClause, limit2);
    auto message = [&](TRk_List* o, TRk_for_update_clause* f) -> std::string {
        try {
            InsertSelectOptions(sel, o, f, nullptr);
        } catch (const ERkError& e) {
            return e.what();
        }
        return "no error";
    };
    EXPECT_EQ(message(s.Make<TRk_List>(), nullptr), "Multiple ORDER BY clauses not allowed");
    EXPECT_EQ(message(nullptr, s.Make<TRk_for_update_clause>()), "Multiple FOR UPDATE clauses not allowed");
}

}  // namespace
