// Recovery from a broken statement in SQL Server scripts: wherever it stands
// (in a block, an IF, a WHILE, a procedure or function body, before END,
// before GO, nested past the parser's bounds) it loses only itself, its
// batch keeps what recovery keeps, and the batches after it parse as if it
// were not there.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frontend/marlsqlparser.h"
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

}  // namespace
