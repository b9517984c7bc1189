// Recovery from a broken statement in SQL Server scripts: wherever it stands
// (in a block, an IF, a WHILE, a procedure or function body, before END,
// before GO, nested past the parser's bounds) it loses only itself, its
// batch keeps what recovery keeps, and the batches after it parse as if it
// were not there.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <tuple>
#include <vector>

#include "frontend/marlsqlparser.h"
#include "mssql_corpus.h"
#include "mssql_model_fixture.h"
#include "mssql_parse.h"
#include "statementstructure/ddlstatement.h"
#include "statementstructure/schemaobjects.h"

namespace {

// A script through the front end: statement types, the tables the wizard
// collects and the error records.
struct Parsed {
    TMarlSqlParser P{0};

    explicit Parsed(const std::string& Text) {
        P.SetSqlTextString(Text);
        P.Parse();
    }
    std::vector<int> Types() {
        std::vector<int> R;
        for (TCustomSqlStatement* S : P.Statements()) R.push_back(S->StatementType);
        return R;
    }
    std::vector<std::string> Tables() {
        std::vector<std::string> R;
        for (TCustomSqlStatement* S : P.Statements())
            if (auto* C = dynamic_cast<TCreateTableSqlStatement*>(S))
                if (C->TargetTable) R.push_back(C->TargetTable->GetTableNameText());
        return R;
    }
};

// The statements broken in the shapes below: cut short before END or GO,
// cut short with a comment after it, a stray token.
const char* const kBroken[] = {
    "SELECT a FROM t WHERE",
    "SELECT a FROM t WHERE x =",
    "select a from t where -- x",
    "SELECT a ) FROM t",
};

// Statements of a body, the one at Broken replaced by B.
std::string Body(int Broken, const char* B) {
    std::string s;
    for (int i = 0; i < 3; ++i) s += (i == Broken ? std::string(B) : "SELECT " + std::to_string(i + 1)) + "\n";
    return s;
}

struct Shape {
    const char* Name;
    std::string Head, Tail;   // around the body's lines
    int Type;                 // of the statement they make
};

std::vector<Shape> Shapes() {
    return {
        {"block", "BEGIN\n", "END\n", sstMssqlBlock},
        {"if", "IF 1 = 1 BEGIN\n", "END ELSE SELECT 2\n", sstMssqlIf},
        {"if else", "IF 1 = 1 SELECT 2 ELSE BEGIN\n", "END\n", sstMssqlIf},
        {"while", "WHILE 1 = 1 BEGIN\n", "END\n", sstMssqlIf},
        {"procedure block", "CREATE PROCEDURE p AS BEGIN\n", "END\n", sstMssqlCreateProcedure},
        {"procedure", "CREATE PROCEDURE p AS\n", "", sstMssqlCreateProcedure},
        {"function", "CREATE FUNCTION f() RETURNS INT AS BEGIN\n", "RETURN 1\nEND\n", sstMssqlCreateFunction},
    };
}

// One broken statement at each place of each kind of body: the body's
// statement, the GO and the table after it, and one error record.
TEST(MssqlRecovery, ABrokenStatementAtEachPlaceOfABodyLosesOnlyItself) {
    for (const Shape& sh : Shapes())
        for (const char* b : kBroken)
            for (int at = 0; at < 3; ++at) {
                // A body without BEGIN ends where a ";" would end it: at a
                // stray token, as the grammar has it.
                if (sh.Tail.empty() && std::string(b).find(')') != std::string::npos) continue;
                const std::string text = "CREATE TABLE t1 (a INT)\nGO\n" + sh.Head + Body(at, b) + sh.Tail +
                                         "GO\nCREATE TABLE t2 (b INT)\n";
                SCOPED_TRACE(text);
                Parsed p(text);
                EXPECT_EQ(p.Types(), (std::vector<int>{sstCreateTable, sstMssqlGo, sh.Type, sstMssqlGo, sstCreateTable}));
                EXPECT_EQ(p.Tables(), (std::vector<std::string>{"t1", "t2"}));
                EXPECT_EQ(p.P.ErrorCount(), 1) << p.P.GetErrorMessages();
                // Each token once: the error statement holds neither the
                // header around it nor the END after it.
                for (TCustomSqlStatement* S : p.P.Statements())
                    EXPECT_EQ(mssqltest::Visited(S), mssqltest::Given(S));
            }
}

// The shapes the fault was found with, one line each.
TEST(MssqlRecovery, TheReportedShapesKeepTheTableAfterGo) {
    const std::vector<std::pair<std::string, std::vector<int>>> cases = {
        {"BEGIN\nSELECT 1\nSELECT a FROM t WHERE\nEND\n", {sstMssqlBlock}},
        {"IF 1 = 1 BEGIN\nSELECT 1\nSELECT a FROM t WHERE\nEND ELSE SELECT 2\n", {sstMssqlIf}},
        {"WHILE 1 = 1 BEGIN\nSELECT 1\nSELECT a FROM t WHERE\nEND\n", {sstMssqlIf}},
        {"CREATE PROCEDURE p AS BEGIN\nSELECT 1\nSELECT a FROM t WHERE\nEND\n", {sstMssqlCreateProcedure}},
        {"CREATE PROCEDURE p AS\nSELECT a FROM t WHERE x =\n", {sstMssqlCreateProcedure}},
        {"select a from t where -- x\n", {sstErrorStmt}},
    };
    for (const auto& [head, types] : cases) {
        SCOPED_TRACE(head);
        Parsed p(head + "GO\nCREATE TABLE t2 (b INT)\n");
        std::vector<int> want = types;
        want.insert(want.end(), {sstMssqlGo, sstCreateTable});
        EXPECT_EQ(p.Types(), want);
        EXPECT_EQ(p.Tables(), std::vector<std::string>{"t2"});
        EXPECT_EQ(p.P.ErrorCount(), 1) << p.P.GetErrorMessages();
    }
}

// A GO line ends its batch even where a block or body is left open: the
// open part becomes one error statement (a procedure or WHILE keeps its
// header),
// and an error statement on one line keeps the ELSE after it.
TEST(MssqlRecovery, AGoLineEndsABatchLeftOpen) {
    const std::vector<std::pair<std::string, std::vector<int>>> cases = {
        {"BEGIN\nSELECT 1\n", {sstErrorStmt}},
        {"WHILE 1 = 1 BEGIN\nIF 1 = 1 BEGIN\nSELECT 1\n", {sstMssqlIf}},
        {"CREATE PROCEDURE p AS BEGIN\nSELECT 1\n", {sstMssqlCreateProcedure}},
        {"IF 1 = 1 SELECT a FROM t WHERE ELSE SELECT 2\n", {sstMssqlIf}},
    };
    for (const auto& [head, types] : cases) {
        SCOPED_TRACE(head);
        Parsed p("CREATE TABLE t1 (a INT)\nGO\n" + head + "GO\nCREATE TABLE t2 (b INT)\n");
        std::vector<int> want{sstCreateTable, sstMssqlGo};
        want.insert(want.end(), types.begin(), types.end());
        want.insert(want.end(), {sstMssqlGo, sstCreateTable});
        EXPECT_EQ(p.Types(), want);
        EXPECT_EQ(p.Tables(), (std::vector<std::string>{"t1", "t2"}));
        EXPECT_EQ(p.P.ErrorCount(), 1) << p.P.GetErrorMessages();
        for (TCustomSqlStatement* S : p.P.Statements()) EXPECT_EQ(mssqltest::Visited(S), mssqltest::Given(S));
    }
}

// A broken statement followed by a statement on its next line, in a script
// without GO and in each kind of body: the next statement is parsed (its
// first word is not the error statement's), and one error record.
TEST(MssqlRecovery, AStatementOnTheLineAfterABrokenOneIsKept) {
    const char* const nexts[] = {"create table b (x int)", "  /* b */ CREATE TABLE b (x INT)"};
    std::vector<Shape> shapes = Shapes();
    shapes.push_back({"script", "", "", -1});
    for (const Shape& sh : shapes)
        for (const char* b : kBroken)
            for (const char* next : nexts)
                for (const char* after : {"SELECT 3\n", ""}) {
                    if (sh.Tail.empty() && sh.Type >= 0 && std::string(b).find(')') != std::string::npos) continue;
                    const std::string text = sh.Head + "SELECT 1\n" + b + "\n" + next + "\n" + after + sh.Tail;
                    SCOPED_TRACE(text);
                    Parsed p(text);
                    if (sh.Type >= 0) {
                        EXPECT_EQ(p.Types(), std::vector<int>{sh.Type});
                    } else {
                        // (A stray ")" ends a statement before it.)
                        std::vector<int> want{sstSelect};
                        if (std::string(b).find(')') != std::string::npos) want.push_back(sstSelect);
                        want.insert(want.end(), {sstErrorStmt, sstCreateTable});
                        if (*after) want.push_back(sstSelect);
                        EXPECT_EQ(p.Types(), want);
                        EXPECT_EQ(p.Tables(), std::vector<std::string>{"b"});
                    }
                    EXPECT_EQ(p.P.ErrorCount(), 1) << p.P.GetErrorMessages();
                    for (TCustomSqlStatement* S : p.P.Statements())
                        EXPECT_EQ(mssqltest::Visited(S), mssqltest::Given(S));
                    // Nested or not, the CREATE TABLE is announced whole.
                    MsRun r(text);
                    r.Parse();
                    int tables = 0;
                    for (const MsAnnounced& a : r.announced)
                        if (a.type == sstCreateTable) {
                            ++tables;
                            EXPECT_NE(r.Text(a.start, a.end).find("b (x "), std::string::npos);
                        }
                    EXPECT_EQ(tables, 1);
                }
}

// Lines that each break off a statement, as in a script's closing
// statistics updates: each line is one error statement of its own, not one
// for every two lines.
TEST(MssqlRecovery, EachOfSeveralBrokenLinesIsAStatementOfItsOwn) {
    Parsed p("UPDATE STATISTICS a\nUPDATE STATISTICS b\nUPDATE STATISTICS c\nCREATE TABLE t (x INT)\n");
    EXPECT_EQ(p.Types(), (std::vector<int>{sstErrorStmt, sstErrorStmt, sstErrorStmt, sstCreateTable}));
    EXPECT_EQ(p.Tables(), std::vector<std::string>{"t"});
    // A word that goes on with the statement on its line stays in it.
    Parsed q("SELECT a FROM t WHERE x = CREATE TABLE b (y INT)\nCREATE TABLE c (z INT)\n");
    EXPECT_EQ(q.Types(), (std::vector<int>{sstErrorStmt, sstCreateTable}));
    EXPECT_EQ(q.Tables(), std::vector<std::string>{"c"});
}

// A statement nested past the parser's bounds (the stack, the expression
// depth) loses only itself, also inside a block: one record, and the
// statements and batches after it parse.
TEST(MssqlRecovery, AStatementNestedPastTheBoundsLosesOnlyItself) {
    for (int n : {1100, 5000, 20000})
        for (bool inBlock : {false, true}) {
            const std::string deep = "SELECT " + std::string(n, '(') + "1" + std::string(n, ')') + "\n";
            const std::string batch = inBlock ? "BEGIN\nSELECT 1\n" + deep + "SELECT 2\nEND\n" : deep;
            SCOPED_TRACE(std::to_string(n) + (inBlock ? " in a block" : ""));
            Parsed p("CREATE TABLE t1 (a INT)\nGO\n" + batch + "GO\nCREATE TABLE t2 (b INT)\n");
            EXPECT_EQ(p.Types(), (std::vector<int>{sstCreateTable, sstMssqlGo, inBlock ? sstMssqlBlock : sstErrorStmt,
                                                   sstMssqlGo, sstCreateTable}));
            EXPECT_EQ(p.Tables(), (std::vector<std::string>{"t1", "t2"}));
            ASSERT_EQ(p.P.ErrorCount(), 1);
            EXPECT_NE(p.P.GetErrorMessages().find("yyparse stack overflow"), std::string::npos);
        }
}

// ---- Real scripts broken one statement at a time --------------------------

// What a parse gives, batch by batch: a batch ends with its GO statement.
struct Outcome {
    struct Stmt {
        int batch, type;
        std::string text, table;
        bool operator==(const Stmt&) const = default;
    };
    std::vector<Stmt> stmts;
    std::vector<std::tuple<int, int, std::string>> errors;   // line, column, message

    explicit Outcome(TMarlSqlParser& P) {
        int batch = 0;
        for (TCustomSqlStatement* S : P.Statements()) {
            std::string table;
            if (auto* C = dynamic_cast<TCreateTableSqlStatement*>(S))
                if (C->TargetTable) table = C->TargetTable->GetTableNameText();
            stmts.push_back({batch, S->StatementType, S->GetRawSqlText(), table});
            batch += S->StatementType == sstMssqlGo;
        }
        for (int i = 1; i <= P.ErrorCount(); ++i) {
            const TSyntaxError& e = P.SyntaxErrors().Get(i);
            errors.emplace_back(e.Line, e.Column, e.Message);
        }
    }
    std::vector<Stmt> OutsideBatch(int b) const {
        std::vector<Stmt> r;
        for (const Stmt& s : stmts)
            if (s.batch != b) r.push_back(s);
        return r;
    }
    // The tables of batch B made after statement From, sorted.
    std::vector<std::string> TablesOf(int B, int From) const {
        std::vector<std::string> r;
        for (size_t j = static_cast<size_t>(From + 1); j < stmts.size(); ++j)
            if (stmts[j].batch == B && !stmts[j].table.empty()) r.push_back(stmts[j].table);
        std::sort(r.begin(), r.end());
        return r;
    }
    // Records outside the lines First..Last (-1, the end of the input,
    // counts as inside when EndInside).
    std::vector<std::tuple<int, int, std::string>> ErrorsOutside(int First, int Last, bool EndInside) const {
        std::vector<std::tuple<int, int, std::string>> r;
        for (const auto& e : errors) {
            const int line = std::get<0>(e);
            if (line == -1 ? !EndInside : (line < First || line > Last)) r.push_back(e);
        }
        return r;
    }
};

// The script's tokens with statement S broken: cut short after half of its
// words (its line breaks kept, so later lines keep their numbers), or a
// stray ")" after them.
std::string Broken(TMarlSqlParser& P, TCustomSqlStatement* S, bool Cut) {
    std::vector<int32_t> words;
    for (TSourceToken* T : S->SourceTokens->Items())
        if (T->IsSignificant() && T->TokenCode != 0) words.push_back(T->PosInList);
    const size_t keep = std::max<size_t>(1, words.size() / 2);
    std::string text;
    const TSourceTokenList& tokens = P.Tokens();
    for (int32_t i = 0; i < tokens.Count(); ++i) {
        const TSourceToken* T = tokens.TokenAt(i);
        const bool cut = Cut && i >= words[keep] && i <= words.back() && T->TokenType != ttLineBreak;
        if (!cut) text += T->GetText();
        if (!Cut && i == words[keep - 1]) text += " )";
    }
    return text;
}

// Breaking one statement of a real script at a time loses nothing in the
// other batches: their statements, their tables and their records are as
// in the whole script, and the records the break adds lie in its batch.
// Its own batch keeps the tables made after it.
TEST(MssqlRecovery, BreakingOneStatementOfARealScriptLeavesTheOtherBatchesAsTheyWere) {
    std::vector<std::filesystem::path> scripts = mssqltest::CorpusScripts();
    scripts.push_back(mssqltest::SampleScript());
    int broken = 0, reported = 0;
    for (const std::filesystem::path& file : scripts) {
        TMarlSqlParser whole(0);
        whole.SetSqlTextString(mssqltest::ReadFile(file));
        whole.Parse();
        const Outcome before(whole);
        std::vector<int> candidates;
        for (int i = 0; i < whole.Statements().Count(); ++i) {
            TCustomSqlStatement* S = whole.Statements().GetStatement(i);
            int words = 0;
            for (TSourceToken* T : S->SourceTokens->Items()) words += T->IsSignificant() && T->TokenCode != 0;
            if (S->StatementType != sstMssqlGo && words >= 2) candidates.push_back(i);
        }
        // A few places spread over the script: every parse of a large
        // script costs its whole length.
        const int places = std::clamp(200000 / std::max(1, whole.Tokens().Count()), 2, 8);
        for (int k = 0; k < places && !candidates.empty(); ++k) {
            const int i = candidates[(candidates.size() - 1) * k / std::max(1, places - 1)];
            TCustomSqlStatement* S = whole.Statements().GetStatement(i);
            const int batch = before.stmts[i].batch;
            // The lines of the batch: from its first statement to its GO.
            int first = INT_MAX, last = INT_MAX;
            for (int j = 0; j < whole.Statements().Count(); ++j) {
                if (before.stmts[j].batch != batch) continue;
                TCustomSqlStatement* B = whole.Statements().GetStatement(j);
                if (B->SourceTokens->Count() == 0) continue;
                first = std::min(first, B->SourceTokens->GetToken(0)->Line);
                if (B->StatementType == sstMssqlGo) last = B->SourceTokens->GetToken(0)->Line;
            }
            for (bool cut : {true, false}) {
                SCOPED_TRACE(file.filename().string() + " statement " + std::to_string(i) + (cut ? " cut" : " stray"));
                TMarlSqlParser P(0);
                P.SetSqlTextString(Broken(whole, S, cut));
                P.Parse();
                const Outcome after(P);
                ++broken;
                EXPECT_EQ(after.OutsideBatch(batch), before.OutsideBatch(batch));
                // In its own batch the tables after it are kept too.
                EXPECT_TRUE(std::ranges::includes(after.TablesOf(batch, -1), before.TablesOf(batch, i)));
                // (At the cap the last record is reused: no list to compare.)
                if (std::max(before.errors.size(), after.errors.size()) < TSyntaxErrorArray::Capacity) {
                    EXPECT_EQ(after.ErrorsOutside(first, last, last == INT_MAX),
                              before.ErrorsOutside(first, last, last == INT_MAX));
                }
                reported += after.errors.size() > before.errors.size();
            }
        }
    }
    EXPECT_GT(broken, 0);
    EXPECT_GT(reported, broken / 2);
}

}  // namespace
