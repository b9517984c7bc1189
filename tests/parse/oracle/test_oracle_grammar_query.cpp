// Queries: statement list, SELECT clauses, set operations, parentheses,
// ORDER BY, GROUP BY, FOR UPDATE, FROM list and joins, names and aliases.
#include "test_oracle_grammar_support.h"

using namespace oracle_test;

namespace {

class QueryGrammar : public OracleParseFixture {
protected:
    TRk_SelectStmt* Select(const std::string& Text) {
        TRk_Node* root = Parse(Text);
        EXPECT_EQ(Result, 0) << Text;
        EXPECT_TRUE(Errors.empty()) << Text << ": " << (Errors.empty() ? "" : Errors[0].Expected);
        return As<TRk_SelectStmt>(root);
    }
};

TEST_F(QueryGrammar, PlainSelectBuildsEveryHolder) {
    TRk_SelectStmt* q = Select("select a from t where x = 1");
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(q->NodeKind, 170);
    EXPECT_EQ(OwnTokens(q), "select");
    EXPECT_EQ(TokText(q->SelectToken), "select");
    auto* d = As<TRk_SelectDistinct>(q->DistinctClause);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->DistinctKind, 0);
    EXPECT_EQ(OwnTokens(d), "");
    ASSERT_NE(q->TargetList, nullptr);
    ASSERT_EQ(q->TargetList->Count(), 1);
    auto* rt = As<TRk_ResTarget>(q->TargetList->GetItem(0));
    ASSERT_NE(rt, nullptr);
    auto* e = As<TRkCustomExpression>(rt->ValueExpr);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->ExprType, Expr_Attr);
    EXPECT_NE(As<TRk_Attr>(e->LeftOperand), nullptr);
    EXPECT_EQ(OwnTokens(q->IntoClause), "");
    EXPECT_EQ(q->IntoList, nullptr);
    EXPECT_EQ(OwnTokens(q->FromClause), "from");
    ASSERT_EQ(q->FromList->Count(), 1);
    auto* ref = As<TRk_TableRef>(q->FromList->GetItem(0));
    ASSERT_NE(ref, nullptr);
    EXPECT_EQ(TokText(As<TRk_Attr>(ref->Source)->NameToken), "t");
    EXPECT_EQ(OwnTokens(q->WhereClause), "where");
    auto* w = As<TRkCustomExpression>(q->WhereCondition);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->ExprType, Expr_Comparison);
    EXPECT_EQ(TokText(w->OperatorToken), "=");
    auto* rhs = As<TRkCustomExpression>(w->RightOperand);
    ASSERT_NE(rhs, nullptr);
    EXPECT_EQ(rhs->ExprType, Expr_Const);
    auto* k = As<TRk_A_Const>(rhs->LeftOperand);
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(k->ConstKind, 55);
    EXPECT_EQ(OwnTokens(k), "1");
    EXPECT_EQ(OwnTokens(q->GroupByClause), "");
    EXPECT_EQ(OwnTokens(q->HavingClause), "");
    EXPECT_EQ(q->HierarchicalClause, nullptr);
}

}  // namespace
