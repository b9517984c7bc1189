// The PL/SQL parser's driver: the generated tables, keyword demotion, error
// reports with their expected-token texts, recovery by the error rules, the
// token collection of embedded SQL statements and the limits.
#include <algorithm>
#include <cstring>

#include "test_plsql_support.h"

using namespace plsql_test;

namespace {

// ---- Tables -----------------------------------------------------------------

// The historical tables had two more states, one more default reduction,
// two fewer action pairs and five more goto pairs: two unit rules over a
// nonterminal without rules, and the object-member prefix as such a
// nonterminal.  A nonterminal without rules is not expressible in a grammar
// bison reads too, so the prefix is a terminal no scanner produces and the
// two unit rules, which never reduce, are left out.
TEST(PlsqlTables, AutomatonSizeIsPinned) {
    const TRkYaccTables& t = TRkParserOraclePlsql::Tables();
    int defaults = 0, errorShifts = 0, accepts = 0;
    for (int s = 0; s < t.yynstates; ++s) {
        if (t.yyd[s] != 0) {
            ++defaults;
            EXPECT_GT(t.yyal[s], t.yyah[s]) << "a default-reduction state with actions: " << s;
        }
        for (int i = t.yyal[s]; i <= t.yyah[s]; ++i) {
            errorShifts += t.yya[i].sym == tcError && t.yya[i].act > 0;
            if (t.yya[i].act == 0) {
                ++accepts;
                EXPECT_EQ(t.yya[i].sym, 0);
            }
        }
    }
    // States, action pairs, goto pairs, default reductions, error shifts
    // (inside statement lists and declaration lists only), accepts.
    EXPECT_EQ(oracle_test::Fields(t.yynstates, t.yyna, t.yyng, defaults, errorShifts, accepts),
              "1517 41735 6622 580 63 1");
}

// The rule of an embedded statement must run before a lookahead is read, or
// the statement's first token would be taken from it.  Checked where a
// statement can start (the states that shift the error token) and for
// SELECT everywhere.
TEST(PlsqlTables, EmbeddedStatementKeywordsReduceWithoutLookahead) {
    const TRkYaccTables& t = TRkParserOraclePlsql::Tables();
    auto shifts = [&](int s, int sym) {
        for (int i = t.yyal[s]; i <= t.yyah[s]; ++i)
            if (t.yya[i].sym == sym && t.yya[i].act > 0) return true;
        return false;
    };
    const int keywords[] = {oracletok::RW_SELECT,   oracletok::RW_INSERT, oracletok::RW_UPDATE,
                            oracletok::RW_DELETE,   oracletok::RW_COMMIT, oracletok::RW_ROLLBACK,
                            oracletok::RW_SAVEPOINT, oracletok::RW_SET,   oracletok::RW_LOCK};
    for (int kw : keywords) {
        int seen = 0;
        for (int s = 0; s < t.yynstates; ++s) {
            if (kw != oracletok::RW_SELECT && !shifts(s, tcError)) continue;
            for (int i = t.yyal[s]; i <= t.yyah[s]; ++i)
                if (t.yya[i].sym == kw && t.yya[i].act > 0) {
                    ++seen;
                    EXPECT_NE(t.yyd[t.yya[i].act], 0) << "keyword " << kw << " from state " << s;
                }
        }
        EXPECT_GT(seen, 0) << kw;
    }
}

TEST(PlsqlTables, KeywordTableIsSortedForTheSearch) {
    ASSERT_EQ(TRkParserOraclePlsql::PlsqlKeywordCount(), 206);
    for (int i = 1; i < TRkParserOraclePlsql::PlsqlKeywordCount(); ++i) {
        std::string a = LowerCase(TRkParserOraclePlsql::PlsqlKeywordText(i - 1));
        std::string b = LowerCase(TRkParserOraclePlsql::PlsqlKeywordText(i));
        EXPECT_LT(a, b) << i;
    }
    int code = 0;
    for (const char* w : {"ADD", "zone", "Exception_Init", "BINARY_INTEGER", "ROWID", "TRUE"}) {
        EXPECT_TRUE(TRkParserOraclePlsql::IsPlsqlKeyword(w, code)) << w;
    }
    EXPECT_TRUE(TRkParserOraclePlsql::IsPlsqlKeyword("select", code));
    EXPECT_EQ(code, oracletok::RW_SELECT);
    for (const char* w : {"WHERE", "CAST", "TRIM", "NAME", "VALUE", "", "ZONES", "A", "_"}) {
        EXPECT_FALSE(TRkParserOraclePlsql::IsPlsqlKeyword(w, code)) << w;
    }
}

// ---- Demotion ---------------------------------------------------------------

class PlsqlDriver : public PlsqlParseFixture {};

TEST_F(PlsqlDriver, WordsOutsideThePlsqlKeywordsAreNames) {
    Parse("DECLARE name VARCHAR2(10); value NUMBER; BEGIN name := value; END;");
    EXPECT_EQ(Result, 0);
    EXPECT_TRUE(Errors.empty());
    ASSERT_NE(Parser->RootNode, nullptr);
    for (TSourceToken* t : Tokens->Items())
        if (t->GetText() == "name" || t->GetText() == "value") {
            EXPECT_EQ(t->TokenCode, tcIdent) << t->GetText();
            EXPECT_NE(t->GetOriginalCode(), 0) << t->GetText();
        }
}

TEST_F(PlsqlDriver, ParsingTheSameTokensTwiceGivesTheSameResult) {
    Parse("BEGIN SELECT a INTO b FROM t WHERE c = name; x := name; END;");
    ASSERT_EQ(Result, 0);
    std::vector<int> first;
    for (TSourceToken* t : Tokens->Items()) first.push_back(t->TokenCode);
    ParseTokens();
    EXPECT_EQ(Result, 0);
    EXPECT_TRUE(Errors.empty());
    std::vector<int> second;
    for (TSourceToken* t : Tokens->Items()) second.push_back(t->TokenCode);
    EXPECT_EQ(first, second);
    // One end token, not one per parse.
    EXPECT_EQ(std::count_if(Tokens->Items().begin(), Tokens->Items().end(),
                            [](TSourceToken* t) { return t->TokenCode == 0; }),
              1);
}

// ---- Reports and recovery ---------------------------------------------------

// The parse result and every report, for inputs that end in one way each.
TEST_F(PlsqlDriver, ResultsAndReports) {
    const struct { const char* Text; int Result; const char* Reports; } cases[] = {
        // Only comments and blanks: rejected without a report.
        {"  -- nothing\n /* at all */ \n", 1, ""},
        // A word no unit starts with: the unit keywords are named.
        {"foo bar;", 1, "foo@1:4 CREATE FUNCTION PACKAGE TYPE TRIGGER BEGIN DECLARE PROCEDURE "},
        // CAST is an ordinary name, so its AS is an error.
        {"BEGIN x := CAST(y AS NUMBER); END;", 0, "AS@1:21 ) , "},
        // A block without ";" at its end: reported at the end of the input.
        {"BEGIN x := 1; END", 1, "@-1:-1 Unknown"},
        // A procedure needs no ";" after its END.
        {"CREATE PROCEDURE p IS BEGIN x := 1; END", 0, ""},
    };
    for (const auto& c : cases) {
        Parse(c.Text);
        EXPECT_EQ(Result, c.Result) << c.Text;
        EXPECT_EQ(oracle_test::Reports(Errors), c.Reports) << c.Text;
    }
    EXPECT_NE(dynamic_cast<TRkPlsql_ProcedureDecl*>(Parser->RootNode), nullptr);
}

TEST_F(PlsqlDriver, ExpectedTextNamesAtMostTwentyTokens) {
    Parse("BEGIN x := 1 + ; END;");
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Errors[0].Token, ";");
    const std::string& e = Errors[0].Expected;
    ASSERT_FALSE(e.empty());
    EXPECT_EQ(e.back(), ' ');
    EXPECT_EQ(std::count(e.begin(), e.end(), ' '), 20) << e;
    // Token names come first, in table order (shifts by ascending code),
    // upper-cased.
    EXPECT_EQ(e.rfind("( + - IDENTIFIER CASE ", 0), 0u) << e;
}

// A broken statement is skipped through its ";" into a dummy statement and
// parsing goes on.
TEST_F(PlsqlDriver, RecoverySkipsIntoDummyStatements) {
    const struct { const char* Text; const char* Reports; const char* Tree; } cases[] = {
        // The state that needs the ";" only shifts it, and ";" is not named.
        // The skip took everything after BEGIN through the ";"; at the end of
        // the tokens a second skip finds nothing more and ends the parse as
        // accepted, without a unit.
        {"BEGIN\n  x := 1\nEND;", "END@3:4", "<no unit> DummyStmt(x := 1 END ;) DummyStmt()"},
        {"BEGIN\n  LOOP\n    x := 1;\n    MERGE INTO t USING s ON (a = b);\n    y := 2;\n  END LOOP;\nEND;", "INTO@4:15",
         " / LoopStmt[AssignStmt DummyStmt(MERGE INTO t USING s ON ( a = b ) ;) AssignStmt]"},
        {"DECLARE\n  x NUMBER;\n  y INDEX BY PLS_INTEGER;\n  z NUMBER;\nBEGIN\n  NULL;\nEND;", "INDEX@3:10",
         "VarDecl(x) DummyStmt(y INDEX BY PLS_INTEGER ;) VarDecl(z) / ProcBasicStmt"},
        // With no complete declaration before it, the skip starts after
        // DECLARE, which stays with its section.
        {"DECLARE\n  y INDEX BY PLS_INTEGER;\n  z NUMBER;\nBEGIN\n  NULL;\nEND;", "INDEX@2:10",
         "DummyStmt(y INDEX BY PLS_INTEGER ;) VarDecl(z) / ProcBasicStmt"},
        // The skip after the first error drops the ")" and reads through ";";
        // the next statement is broken too, after tokens were shifted.
        {"BEGIN x := ); y := ); END;", ")@1:13 )@1:21", " / DummyStmt(x := ) ;) DummyStmt(y := ) ;)"},
        // Here the second broken statement starts right after the skip: nothing
        // was shifted in between, so it is not reported again.
        {"BEGIN x := ); ) y := 1; END;", ")@1:13", " / DummyStmt(x := ) ;) DummyStmt() y := 1 ;)"},
        // The skip ends at the offending ";": the next statement is kept.
        {"BEGIN x := ; y := 1; z := 2; END;", ";@1:13", " / DummyStmt(x := ;) AssignStmt AssignStmt"},
    };
    for (const auto& c : cases) {
        Parse(c.Text);
        EXPECT_EQ(Result, 0) << c.Text;
        std::string reports;
        for (const auto& e : Errors) reports += (reports.empty() ? "" : " ") + e.Token + "@" + std::to_string(e.Line) + ":" + std::to_string(e.Column);
        EXPECT_EQ(reports, c.Reports) << c.Text;
        std::string tree = "<no unit>";
        if (auto* b = dynamic_cast<TRk_Plsql*>(Parser->RootNode)) tree = Stmts(b->DeclSection->Declarations) + " / " + Stmts(b->Statements);
        if (!Parser->RootNode)
            for (TRkPlsql_DummyStmt* d : All<TRkPlsql_DummyStmt>()) tree += " DummyStmt(" + Significant(d->SkippedTokens.get()) + ")";
        EXPECT_EQ(tree, c.Tree) << c.Text;
    }
    Parse(cases[0].Text);
    EXPECT_EQ(Errors.at(0).Expected, "Unknown");
}

TEST_F(PlsqlDriver, ComparisonsChainThroughTheSemicolonShortcut) {
    // "<" does not associate, but the error state reduces on ";" first and
    // then shifts the second "<": the chain is read as (a < b) < c.
    Parse("BEGIN x := a < b < c; END;");
    EXPECT_EQ(Result, 0);
    EXPECT_TRUE(Errors.empty());
    auto* assign = One<TRkPlsql_AssignStmt>();
    EXPECT_EQ(oracle_test::Sx(assign->Value), "(< (< a b) c)");
}

TEST_F(PlsqlDriver, SqlplusCommandTokenInsideABlockIsAnError) {
    Tokens = oracle_test::Tokenize("BEGIN x := 1; y := 2; END;");
    for (TSourceToken* t : Tokens->Items())
        if (t->GetText() == "y") t->TokenCode = tcSqlplusCmd;
    ParseTokens();
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Errors[0].Token, "y");
}

// Nesting past the limits ends with an error record: blocks and brackets
// deep on the stack.  A long left-leaning chain, shallow on the stack, is
// no nesting: it parses.
TEST_F(PlsqlDriver, DeepNestingEndsWithAnErrorRecordNotACrash) {
    std::string blocks, brackets = "BEGIN x := ", chain = "BEGIN x := 1";
    for (int i = 0; i < 6000; ++i) blocks += "BEGIN ";
    blocks += "NULL;";
    for (int i = 0; i < 6000; ++i) blocks += " END;";
    brackets += std::string(20000, '(') + "1" + std::string(20000, ')') + "; END;";
    for (int i = 0; i < 5000; ++i) chain += " + 1";
    chain += "; END;";
    for (const std::string* text : {&blocks, &brackets}) {
        Parse(*text);
        EXPECT_EQ(Result, 1);
        ASSERT_EQ(Errors.size(), 1u);
        EXPECT_EQ(Errors[0].Expected, "yyparse stack overflow");
    }
    Parse(chain);
    EXPECT_EQ(Result, 0);
    EXPECT_TRUE(Errors.empty());
}

// ---- Embedded SQL -----------------------------------------------------------

TEST_F(PlsqlDriver, EmbeddedSelectTakesEveryTokenThroughItsSemicolon) {
    Parse("BEGIN\n  SELECT a -- the a\n    INTO b FROM t\n   WHERE c IN (SELECT d FROM u WHERE e = (1));\n  x := 1;\nEND;");
    ASSERT_EQ(Result, 0);
    ASSERT_TRUE(Errors.empty());
    auto* sql = One<TRkPlsql_SqlStmt>();
    TCustomSqlStatement* s = MUST(sql->SqlStatement);
    EXPECT_EQ(AllText(s->SourceTokens.get()),
              "SELECT a -- the a\n    INTO b FROM t\n   WHERE c IN (SELECT d FROM u WHERE e = (1));");
    // The grammar never saw the ";": the statement itself has no terminator.
    EXPECT_EQ(oracle_test::Fields(s->ClassName(), s->TrailingToken, s->TerminatorToken, sql->Terminator),
              "TSelectSqlStatement ; <nil> <nil>");
    // Keywords outside the PL/SQL table are keywords again for the SQL grammar.
    for (TSourceToken* t : s->SourceTokens->Items())
        if (t->GetText() == "WHERE") {
            EXPECT_EQ(t->TokenCode, oracletok::RW_WHERE);
        }
    EXPECT_EQ(Stmts(dynamic_cast<TRk_Plsql*>(Parser->RootNode)->Statements), "SqlStmt AssignStmt");
}

// Each keyword makes its statement class, any SET a set-transaction object;
// a statement without ";" takes the rest of the unit.
TEST_F(PlsqlDriver, EachEmbeddedKeywordMakesItsStatementClass) {
    const struct { const char* Text; const char* Embedded; } cases[] = {
        {"BEGIN INSERT INTO t VALUES (1); END;", "TInsertSqlStatement(INSERT INTO t VALUES ( 1 ) ;)"},
        {"BEGIN UPDATE t SET a = 1; END;", "TUpdateSqlStatement(UPDATE t SET a = 1 ;)"},
        {"BEGIN DELETE FROM t; END;", "TDeleteSqlStatement(DELETE FROM t ;)"},
        {"BEGIN COMMIT; ROLLBACK; END;", "TCommitSqlStatement(COMMIT ;) TRollbackSqlStatement(ROLLBACK ;)"},
        {"BEGIN SAVEPOINT s; END;", "TSavepointSqlStatement(SAVEPOINT s ;)"},
        {"BEGIN SET TRANSACTION READ ONLY; END;", "TSetTranscationSqlStatement(SET TRANSACTION READ ONLY ;)"},
        {"BEGIN SET ROLE ALL; END;", "TSetTranscationSqlStatement(SET ROLE ALL ;)"},
        {"BEGIN LOCK TABLE t IN EXCLUSIVE MODE; END;", "TLockTableSqlStatement(LOCK TABLE t IN EXCLUSIVE MODE ;)"},
        {"BEGIN UPDATE t SET a = 1", "TUpdateSqlStatement(UPDATE t SET a = 1)"},
    };
    for (const auto& c : cases) {
        Parse(c.Text);
        std::string embedded;
        for (TRkPlsql_SqlStmt* st : All<TRkPlsql_SqlStmt>()) {
            TCustomSqlStatement* q = st->SqlStatement;
            embedded += std::string(embedded.empty() ? "" : " ") + q->ClassName() + "(" + Significant(q->SourceTokens.get()) + ")";
            EXPECT_EQ(q->TrailingToken == nullptr, Errors.size() == 1) << c.Text;
        }
        EXPECT_EQ(embedded, c.Embedded) << c.Text;
        EXPECT_EQ(Errors.size(), c.Text[std::strlen(c.Text) - 1] == ';' ? 0u : 1u) << c.Text;
    }
    // Labels stand before SQL statements.
    Parse("BEGIN <<l>> SELECT 1 INTO x FROM dual; END;");
    auto* st = One<TRkPlsql_SqlStmt>();
    EXPECT_EQ(oracle_test::Fields(st->LabelToken, st->Terminator), "l <nil>");
}

TEST_F(PlsqlDriver, EmbeddedStatementsBelongToTheStatementBeingParsed) {
    std::unique_ptr<TUnknownSqlStatement> owner = CreateNodeOfClass<TUnknownSqlStatement>(1);
    Tokens = oracle_test::Tokenize("BEGIN COMMIT; IF EXISTS (SELECT 1 FROM t) THEN DELETE FROM t; END IF; END;");
    Parser = std::make_unique<TRkParserOraclePlsql>();
    Parser->CurStatement = owner.get();
    ParseTokens();
    ASSERT_EQ(Result, 0);
    ASSERT_EQ(owner->SubStatements.size(), 3u);
    EXPECT_EQ(owner->SubStatements[0]->ClassName(), std::string("TCommitSqlStatement"));
    EXPECT_EQ(owner->SubStatements[1]->ClassName(), std::string("TSelectSqlStatement"));
    EXPECT_EQ(owner->SubStatements[2]->ClassName(), std::string("TDeleteSqlStatement"));
    for (const auto& sub : owner->SubStatements) {
        EXPECT_EQ(sub->ParentStatement, owner.get());
        EXPECT_EQ(sub->DbVendor, 1);
    }
    // None of them is also in the node pool.
    EXPECT_TRUE(All<TCustomSqlStatement>().empty());
    // A new parse frees the tree but not the objects the statement owns.
    ParseTokens();
    EXPECT_EQ(Result, 0);
    EXPECT_EQ(owner->SubStatements.size(), 6u);
    Parser.reset();
}

TEST_F(PlsqlDriver, BracketedQueryGivesBackTheClosingBracket) {
    Parse("BEGIN IF EXISTS (SELECT 1 FROM t) THEN x := 1; END IF; END;");
    ASSERT_EQ(Result, 0);
    ASSERT_TRUE(Errors.empty());
    auto* iff = One<TRkPlsql_IfStmt>();
    auto* e = MUST(dynamic_cast<TRkCustomExpression*>(iff->Condition));
    EXPECT_EQ(e->ExprType, Expr_Exists);
    auto* q = MUST(dynamic_cast<TCustomSqlStatement*>(e->RightOperand));
    EXPECT_EQ(Significant(q->SourceTokens.get()), "( SELECT 1 FROM t )");
    EXPECT_EQ(q->TrailingToken, nullptr);
}

}  // namespace
