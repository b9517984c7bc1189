// The tables act on the codes the scanner returns: every statement word
// starts a statement in the start state, and the scanner words that no rule
// uses are acted on nowhere, so they stay syntax errors.  (That the grammar's
// terminals carry the scanner's codes is checked with the keyword table.)
#include <gtest/gtest.h>

#include <set>

#include "mssql_yacc.h"
#include "parse/rkyacctables.h"

namespace {

// Symbols the action entries of a state (every state when State < 0) act on.
std::set<int> ActionSymbols(int State) {
    const TRkYaccTables& t = mssql::tables;
    int lo = 1, hi = t.yyna;
    if (State >= 0) {
        lo = t.yyal[State];
        hi = t.yyah[State];
    }
    std::set<int> s;
    for (int i = lo; i <= hi; ++i) s.insert(t.yya[i].sym);
    return s;
}

TEST(MssqlGrammarTokens, StatementWordsStartAStatement) {
    const std::set<int> start = ActionSymbols(0);
    for (int code : std::initializer_list<int>{mssql::RW_SELECT, mssql::RW_INSERT, mssql::RW_UPDATE, mssql::RW_DELETE, mssql::RW_CREATE,
                     mssql::RW_ALTER, mssql::RW_DROP, mssql::RW_TRUNCATE, mssql::RW_DECLARE, mssql::RW_SET,
                     mssql::RW_EXEC, mssql::RW_EXECUTE, mssql::RW_IF, mssql::RW_WHILE, mssql::RW_BEGIN,
                     mssql::RW_GO, mssql::RW_USE, mssql::RW_PRINT, mssql::RW_RAISERROR, mssql::RW_FETCH,
                     mssql::RW_OPEN, mssql::RW_CLOSE, mssql::RW_DEALLOCATE, mssql::RW_COMMIT, mssql::RW_ROLLBACK,
                     mssql::RW_SAVE, mssql::RW_RETURN, mssql::RW_BREAK, mssql::RW_CONTINUE, mssql::LABEL, int('(')})
        EXPECT_TRUE(start.count(code)) << code;
    // WITH and a bare name start nothing.
    EXPECT_FALSE(start.count(mssql::RW_WITH));
    EXPECT_FALSE(start.count(mssql::IDENT));
}

TEST(MssqlGrammarTokens, WordsWithoutARule) {
    const std::set<int> all = ActionSymbols(-1);
    for (int code : {mssql::RW_GRANT, mssql::RW_EXPLAIN, mssql::RW_RAISE, mssql::RW_TO, mssql::RW_NVARCHAR2,
                     mssql::SHL, mssql::SHR, mssql::ASSIGN, mssql::OTHER_CHAR})
        EXPECT_FALSE(all.count(code)) << code;
}

}  // namespace
