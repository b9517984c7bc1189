// Access statements end to end: every significant token of an accepted
// statement is kept somewhere in its tree, so that its text can be rebuilt;
// for hand-written statements and for the statements of the shared Access
// corpus scripts.
#include "msaccess_support.h"

using namespace access_test;

namespace {

class AccessRoundTrip : public AccessParseFixture {};

TEST_F(AccessRoundTrip, HandWrittenStatements) {
    const char* stmts[] = {
        "select a from t",
        "SELECT DISTINCTROW TOP 5 PERCENT a, b x, c AS 'y', t.*, count(*), sum(DISTINCT e) FROM t, [u v] "
        "WHERE a = 1 AND b <> 2 OR NOT c IS NULL AND d BETWEEN 1 AND 2 AND e NOT IN (1, 2) AND f LIKE 'x%'",
        "SELECT * FROM (a INNER JOIN b ON a.x = b.x) LEFT JOIN c ON b.y = c.y WHERE d = #1/2/2003#",
        "SELECT a FROM t GROUP BY a HAVING count(*) > 1 ORDER BY a DESC, b",
        "SELECT a FROM t UNION ALL SELECT b FROM u",
        "INSERT INTO t (a, b) VALUES (1, 'x')",
        "UPDATE t SET a = 1, b = b + 1 WHERE c = 3",
        "DELETE FROM t WHERE a IN (SELECT b FROM u)",
        "CREATE TABLE [Order Details] ([Order ID] LONG NOT NULL, [Unit Price] CURRENCY, [Notes] MEMO, "
        "[Code] VARCHAR(10), [Qty] NUMERIC(10, 2), CONSTRAINT [PK_OD] PRIMARY KEY ([Order ID]), "
        "CONSTRAINT [FK_O] FOREIGN KEY ([Order ID]) REFERENCES [Orders] ([ID]) ON DELETE SET NULL)",
    };
    for (const char* s : stmts) EXPECT_EQ(Check(s), "") << s;
}

// Most real Access DDL lies outside the grammar (TEXT(n), COUNTER, ...).
TEST_F(AccessRoundTrip, CorpusStatements) { CheckCorpus<TRkLexerMsaccess>("access"); }

}  // namespace
