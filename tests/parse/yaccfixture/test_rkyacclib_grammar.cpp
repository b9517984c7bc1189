// The parser runtime and the shared driver loop over a grammar generated at
// build time: real trees built through NewNode, MakeList, AppendToList and
// MakeExpression, syntax errors, and input nested far too deep.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "nodes/token_builder.h"
#include "nodes/u_nodes_generic.h"
#include "nodes/u_parsenodes.h"
#include "parse/fake_select.h"
#include "statementstructure/rkexpression.h"
#include "toy_parser.h"

namespace {

using yacctest::FakeSelectStatement;
using yacctest::PoolCount;
using yacctest::SelectHooks;

struct Report {
    int type;
    std::string expected, token;
    int line, column;
};

// Tokens of Text with the toy grammar's keyword codes.
std::unique_ptr<TSourceTokenList> ToyTokens(const std::string& Text) {
    auto l = testtok::Script(Text);
    for (TSourceToken* t : l->Items()) {
        const std::string w = LowerCase(t->GetText());
        if (w == "select") t->TokenCode = ToySelect;
        else if (w == "from") t->TokenCode = ToyFrom;
        else if (w == "where") t->TokenCode = ToyWhere;
        else if (w == "and") t->TokenCode = ToyAnd;
        else if (w == "or") t->TokenCode = ToyOr;
        else if (w == "in") t->TokenCode = ToyIn;
    }
    return l;
}

struct ToyRun {
    std::unique_ptr<TSourceTokenList> tokens;
    TToyParser parser;
    std::vector<Report> reports;

    explicit ToyRun(const std::string& Text) : tokens(ToyTokens(Text)) {
        parser.TokenList = tokens.get();
        parser.DbVendor = 1;
        parser.SyntaxErrorCallback = [this](uint8_t t, const std::string& e, const std::string& tok, int32_t l,
                                            int32_t c) {
            reports.push_back({t, e, tok, l, c});
            return true;
        };
    }
    int Parse() {
        parser.TokenPos = 0;
        reports.clear();
        return parser.yyparse();
    }
    // The result and each report as "token@line:column expected".
    std::string Outcome() {
        std::string s = std::to_string(Parse());
        for (const Report& r : reports)
            s += " / " + std::string(r.type == 1 ? "" : "type " + std::to_string(r.type) + " ") + r.token + "@" +
                 std::to_string(r.line) + ":" + std::to_string(r.column) + " " + r.expected;
        return s;
    }
    TRk_SelectStmt* Root() { return dynamic_cast<TRk_SelectStmt*>(parser.RootNode); }
};

TEST(ToyGrammar, BuildsTheTreeThroughTheBuilders) {
    ToyRun r("select a, b + 1 from t where a and (b or c) -- tail\n");
    ASSERT_EQ(r.Parse(), 0);
    EXPECT_TRUE(r.reports.empty());
    TRk_SelectStmt* s = r.Root();
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->NodeKind, 170);
    EXPECT_EQ(PoolCount(r.parser, s), 1u);
    EXPECT_EQ(s->DbVendor, 1);
    ASSERT_NE(s->TargetList, nullptr);
    ASSERT_EQ(s->TargetList->Count(), 2);
    EXPECT_EQ(s->TargetList->GetNode(1)->SeparatorToken->GetText(), ",");
    auto* sum = dynamic_cast<TRkCustomExpression*>(s->TargetList->GetNode(1));
    ASSERT_NE(sum, nullptr);
    EXPECT_EQ(sum->ExprType, Expr_Arithmetic);
    EXPECT_EQ(sum->AsText(), "b + 1 ");
    ASSERT_EQ(s->FromList->Count(), 1);
    EXPECT_EQ(s->FromList->GetItem(0)->AsToken()->GetText(), "t");  // a token item stays a token
    auto* where = dynamic_cast<TRkCustomExpression*>(s->WhereCondition);
    ASSERT_NE(where, nullptr);
    EXPECT_EQ(where->ExprType, Expr_AND);
    EXPECT_EQ(where->NestDepth, 3);
    EXPECT_EQ(where->AsText(), "a and (b or c) -- tail\n");
    for (const auto& n : r.parser.NodePool) EXPECT_EQ(PoolCount(r.parser, n.get()), 1u);
}

TEST(ToyGrammar, EndTokenAppendedOnceAndOwnedByTheParser) {
    ToyRun r("select a from t");
    const int32_t before = r.tokens->Count();
    ASSERT_EQ(r.Parse(), 0);
    ASSERT_EQ(r.tokens->Count(), before + 1);
    TSourceToken* end = r.tokens->GetToken(before);
    EXPECT_EQ(end->GetText(), "");
    EXPECT_EQ(end->TokenCode, 0);
    EXPECT_EQ(end->PosInList, -1);
    EXPECT_EQ(end->Line, -1);
    EXPECT_EQ(end->GetOwnerList(), r.tokens.get());
    // A second parse of the same list frees the first tree and reuses the
    // end token.
    const size_t pool = r.parser.NodePool.size();
    ASSERT_EQ(r.Parse(), 0);
    EXPECT_EQ(r.tokens->Count(), before + 1);
    EXPECT_EQ(r.parser.NodePool.size(), pool);
}

TEST(ToyGrammar, SyntaxErrorsAreReportedWithTheExpectedTokens) {
    const struct { const char* sql; const char* outcome; } rows[] = {
        {"select a from", "1 / end of input@-1:-1 IDENTIFIER "},
        // Table order: shifts by ascending code, then reductions.
        {"select a where", "1 / where@1:0 + AND OR IN , FROM "},
        {"select from t", "1 / from@1:0 ( IDENTIFIER "},
        // A comment-only input ends at once without a report.
        {"  -- nothing here\n/* or here */\n", "1"},
    };
    for (const auto& row : rows) EXPECT_EQ(ToyRun(row.sql).Outcome(), row.outcome) << row.sql;
    // The base class parses nothing.
    ToyRun r("  -- nothing here\n/* or here */\n");
    EXPECT_EQ(r.Parse(), 1);
    EXPECT_EQ(r.parser.RootNode, nullptr);
    TRkCustomParser base;
    base.TokenList = r.tokens.get();
    EXPECT_EQ(base.yyparse(), -1);
    auto empty = testtok::Script("");
    base.TokenList = empty.get();
    EXPECT_EQ(base.yyparse(), -1);
}

TEST(ToyGrammar, SubqueryOperandIsWrappedOnce) {
    SelectHooks hooks;
    ToyRun r("select a from t where (select b from u)");
    ASSERT_EQ(r.Parse(), 0);
    auto* where = dynamic_cast<TRkCustomExpression*>(r.Root()->WhereCondition);
    ASSERT_NE(where, nullptr);
    EXPECT_EQ(where->ExprType, Expr_subquery);
    auto* st = dynamic_cast<FakeSelectStatement*>(where->LeftOperand);
    ASSERT_NE(st, nullptr);
    ASSERT_NE(st->Root, nullptr);
    EXPECT_EQ(st->Root->NodeKind, 170);
    EXPECT_EQ(PoolCount(r.parser, st), 1u);
    EXPECT_EQ(PoolCount(r.parser, st->Root), 1u);
}

std::string Repeat(const std::string& s, int n) {
    std::string r;
    r.reserve(s.size() * static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) r += s;
    return r;
}

// M2: input nested too deep for the stacks or for a walk of its tree ends
// with an error record, never a crash and never a silent success.  A long
// chain of operators is no nesting: it parses and reads back whole.
TEST(ToyGrammar, DeepNestingGivesAnErrorRecord) {
    const int deep = 100000;
    for (const char* open : {"(", "(a + "}) {
        ToyRun r("select a from t where " + Repeat(open, deep) + "a" + Repeat(")", deep));
        EXPECT_EQ(r.Parse(), 1);
        ASSERT_EQ(r.reports.size(), 1u);
        EXPECT_EQ(r.reports[0].expected, "yyparse stack overflow");
        EXPECT_EQ(r.parser.ErrorMessage, "yyparse stack overflow");
        // A later parse of ordinary input starts clean.
        EXPECT_EQ(ToyRun("select a from t").Parse(), 0);
    }
    for (const char* op : {" + a", " or a"}) {
        const std::string cond = "a" + Repeat(op, deep);
        ToyRun r("select a from t where " + cond);
        ASSERT_EQ(r.Parse(), 0);
        TRk_Node* where = r.Root()->WhereCondition;
        ASSERT_NE(where, nullptr);
        EXPECT_EQ(where->AsText(), cond);
        EXPECT_EQ(where->GetEndToken(), r.tokens->Items()[r.tokens->Count() - 2]);
    }
}

// M2: an action that aborts the parse leaves an error record too.  Its rule
// is the state's default reduction: no lookahead was fetched.
TEST(ToyGrammar, AnActionThatGivesUpLeavesARecord) {
    ToyRun r("select a, ? from t");
    EXPECT_EQ(r.Outcome(), "1 / ?@1:0 yyparse aborted");
    EXPECT_EQ(r.parser.ErrorMessage, "yyparse aborted");
    EXPECT_EQ(r.parser.RootNode, nullptr);
}

TEST(ToyGrammar, NestingWithinTheLimitsParsesAndReadsBack) {
    const int n = 990;
    const std::string parens = Repeat("(", n) + "a" + Repeat(")", n);
    const std::string chain = "a" + Repeat(" + a", n);
    for (const std::string& cond : {parens, chain}) {
        ToyRun r("select a from t where " + cond);
        ASSERT_EQ(r.Parse(), 0);
        TRk_Node* where = r.Root()->WhereCondition;
        ASSERT_NE(where, nullptr);
        EXPECT_EQ(where->AsText(), cond);
        EXPECT_EQ(where->GetStartToken()->GetText(), cond.substr(0, 1));
    }
}

TEST(ToyGrammar, AStackLimitBelowTheInputIsReportedAtTheCurrentToken) {
    ToyRun r("select a from t where ((((a))))");
    r.parser.MaxStackDepth = 8;
    EXPECT_EQ(r.Outcome(), "1 / (@1:0 yyparse stack overflow");
    r.parser.MaxStackDepth = 10000;
    EXPECT_EQ(r.Parse(), 0);
}

}  // namespace
