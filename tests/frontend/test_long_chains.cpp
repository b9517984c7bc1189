// Long operator chains (a CHECK of many ORs, a select of many || terms)
// parse, analyse and print in every dialect whatever their length; only
// true nesting is bounded, with an error record.
#include "frontend_fixture.h"
#include "statementstructure/ddlstatement.h"
#include "statementstructure/schemaobjects.h"

namespace {

constexpr int kTerms = 100000;

// "a1 OP a2 OP ... aN" (a chain of N terms).
std::string Chain(const std::string& Op, int N) {
    std::string r = "a1";
    for (int i = 2; i <= N; ++i) r += Op + "a" + std::to_string(i);
    return r;
}

int Count(const std::string& Text, const std::string& What) {
    int n = 0;
    for (size_t i = Text.find(What); i != std::string::npos; i = Text.find(What, i + What.size())) ++n;
    return n;
}

struct TChainCase {
    std::uint8_t Vendor;
    const char* Concat;      // the grammar's concatenation-like operator
    const char* Printed;     // how the printer joins its operands
    bool Check;              // the grammar takes CHECK in CREATE TABLE
};

void PrintTo(const TChainCase& c, std::ostream* os) { *os << "vendor " << static_cast<int>(c.Vendor); }

class LongChains : public ::testing::TestWithParam<TChainCase> {};

// One script: a table whose CHECK holds an OR chain (a WHERE where CHECK is
// not in the grammar) and a select of one long concatenation.
TEST_P(LongChains, ParseAnalyseAndPrintWhole) {
    const TChainCase& c = GetParam();
    ASSERT_TRUE(fetest::GrammarAvailable(c.Vendor));
    const std::string ors = Chain(" or a1 = ", kTerms).substr(2);   // " or a1 = a2 ..." without the head
    const std::string cond = "a1 = 0" + ors;
    const std::string concat = Chain(c.Concat, kTerms);
    const std::string first = c.Check ? "create table t (a1 int, b int, check (" + cond + "));\n"
                                      : "select a1 from t where " + cond + ";\n";
    TMarlSqlParser P(c.Vendor);
    P.SetSqlTextString(first + "select " + concat + " from t;\n");
    ASSERT_EQ(P.Parse(), 0) << P.GetErrorMessages().substr(0, 400);
    ASSERT_EQ(P.Statements().Count(), 2);

    TCustomSqlStatement* s0 = P.Statements().GetStatement(0);
    if (c.Check) {
        auto* t = dynamic_cast<TCreateTableSqlStatement*>(s0);
        ASSERT_NE(t, nullptr);
        ASSERT_NE(t->TargetTable, nullptr);
        EXPECT_EQ(t->TargetTable->Columns->Count(), 2);
        EXPECT_NE(t->AsText().find(cond), std::string::npos);
    } else {
        EXPECT_NE(s0->GetWhereText().find(cond), std::string::npos);
    }
    // Every OR starts a line.
    const std::string orLines = s0->GetPrettyText();
    EXPECT_EQ(Count(orLines, "\r\n"), kTerms - 1 + (c.Check ? 3 : 2));
    EXPECT_EQ(Count(orLines, " OR a1 = "), kTerms - 1);

    auto* sel = dynamic_cast<TSelectSqlStatement*>(P.Statements().GetStatement(1));
    ASSERT_NE(sel, nullptr);
    ASSERT_EQ(sel->Fields->Count(), 1);
    EXPECT_NE(sel->AsText().find(concat), std::string::npos);
    // The analysis went down to the first term: it is marked a column.
    const TSourceToken* a1 = nullptr;
    for (TSourceToken* t : P.Tokens().Items())
        if (t->GetText() == "a1" && t->PosInList > 0 && P.Tokens().Items()[t->PosInList - 2]->GetText() == "select")
            a1 = t;
    ASSERT_NE(a1, nullptr);
    EXPECT_EQ(a1->DbObjKind, okField);
    const std::string pretty = sel->GetPrettyText();
    EXPECT_EQ(Count(pretty, c.Printed), kTerms - 1);
    EXPECT_NE(pretty.find("a100000"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(EveryDialect, LongChains,
                         ::testing::Values(TChainCase{1, " || ", "\r\n       ||a", true},
                                           TChainCase{4, " || ", "\r\n       ||a", true},
                                           TChainCase{0, " + ", " + a", true},
                                           TChainCase{2, " + ", " + a", true},
                                           TChainCase{3, " & ", " & a", false}),
                         [](const ::testing::TestParamInfo<TChainCase>& i) {
                             return "Vendor" + std::to_string(i.param.Vendor);
                         });

TEST(LongChainsPlsql, AnAssignmentOfALongConcatenationParsesAndPrints) {
    ASSERT_TRUE(fetest::GrammarAvailable(1));
    const std::string concat = Chain(" || ", kTerms);
    TMarlSqlParser P(1);
    P.SetSqlTextString("begin\n  x := " + concat + ";\nend;\n/\n");
    ASSERT_EQ(P.Parse(), 0) << P.GetErrorMessages().substr(0, 400);
    TCustomSqlStatement* b = P.Statements().GetStatement(0);
    EXPECT_EQ(b->StatementType, sstplsql_block);
    EXPECT_EQ(Count(b->GetPrettyText(), "\r\n       ||a"), kTerms - 1);
}

// Parentheses nest on the parser's stack and in every walk: within the
// bound they print, past it the statement has an error record.
TEST(LongChains, OnlyTrueNestingIsBounded) {
    for (std::uint8_t v : {1, 0, 2, 3}) {
        SCOPED_TRACE(static_cast<int>(v));
        ASSERT_TRUE(fetest::GrammarAvailable(v));
        for (int n : {900, 1100}) {
            TMarlSqlParser P(v);
            P.SetSqlTextString("select a from t where " + std::string(n, '(') + "a = 1" +
                               std::string(n, ')') + ";\n");
            const int r = P.Parse();
            if (n < 1000) {
                ASSERT_EQ(r, 0) << P.GetErrorMessages().substr(0, 400);
                EXPECT_EQ(Count(P.Statements().GetStatement(0)->GetPrettyText(), "("), n);
            } else {
                EXPECT_NE(P.GetErrorMessages().find("yyparse stack overflow"), std::string::npos);
            }
        }
    }
}

}  // namespace
