// MySQL trees read by the statement model: a statement object parses its
// tokens with the MySQL parser and analyzes the tree for vendor 2.
#include "mysql_parse.h"
#include "statementstructure/ddlstatement.h"
#include "statementstructure/schemaobjects.h"
#include "statementstructure/sqlstatement_dml.h"

using namespace mysql_test;

namespace {

// Parses Text as one statement of class T for vendor 2; it must be accepted.
template <class T>
struct TStatementRun {
    std::unique_ptr<TSourceTokenList> Tokens;
    std::unique_ptr<T> Stmt;

    explicit TStatementRun(const std::string& Text) : Tokens(Tokenize(Text)) {
        Stmt = CreateNodeOfClass<T>(static_cast<std::uint8_t>(2));
        Stmt->Parser = std::make_unique<TRkParserMySQLSql>();
        Stmt->Parser->DbVendor = 2;
        Stmt->Parser->SyntaxErrorCallback = [Text](std::uint8_t, const std::string& e, const std::string& tok,
                                                   std::int32_t, std::int32_t) {
            ADD_FAILURE() << Text << ": " << tok << ": " << e;
            return true;
        };
        for (TSourceToken* t : Tokens->Items()) Stmt->SourceTokens->Add(t);
        EXPECT_EQ(Stmt->Parse(false), 0) << Text;
    }
    T* operator->() { return Stmt.get(); }
};

TEST(MySQLStatements, CreateTableGivesItsTableColumnsAndKeys) {
    TStatementRun<TCreateTableSqlStatement> run(
        "CREATE TABLE `orders` (`id` int(11) NOT NULL AUTO_INCREMENT, `user_id` int NOT NULL, "
        "`note` text, PRIMARY KEY (`id`), KEY `ix` (`user_id`), "
        "CONSTRAINT `fk` FOREIGN KEY (`user_id`) REFERENCES `users` (`id`)) ENGINE=InnoDB");
    ASSERT_NE(run->TargetTable, nullptr);
    EXPECT_EQ(run->TargetTable->Columns->Count(), 3);
    EXPECT_EQ(run->TargetTable->Constraints->Count(), 3);
    EXPECT_EQ(run->TargetTable->GetTableText(), "`orders`");
}

TEST(MySQLStatements, AlterTableAddOptionsAndIndexStatements) {
    TStatementRun<TAlterTableStatement> alter(
        "ALTER TABLE t ADD c INT, ADD CONSTRAINT fk FOREIGN KEY (a) REFERENCES u (b) ON DELETE CASCADE");
    EXPECT_EQ(alter->TableName, "t");
    EXPECT_EQ(alter->Options->Count(), 2);
    // The key added by ALTER TABLE reaches the statement's constraints.
    ASSERT_EQ(alter->Constraints->Count(), 1);
    ASSERT_NE(alter->Constraints->GetConstraint(0), nullptr);
    EXPECT_EQ(alter->Constraints->GetConstraint(0)->ConstraintType, 5);

    TStatementRun<TCreateIndexSqlStatement> index("CREATE UNIQUE INDEX ix ON t (a, b DESC)");
    EXPECT_EQ(index->IndexKind, 1);
    EXPECT_EQ(index->IndexTable->GetTableText(), "t");
}

TEST(MySQLStatements, UpdateTargetAndDeleteTarget) {
    TStatementRun<TUpdateSqlStatement> update("UPDATE `t` SET a = 1 WHERE b = 2");
    ASSERT_NE(update->TargetTable, nullptr);
    EXPECT_EQ(update->TargetTable->GetTableText(), "`t`");
    TStatementRun<TDeleteSqlStatement> del("DELETE FROM t WHERE a = 1");
    ASSERT_NE(del->DeleteTable, nullptr);
    EXPECT_EQ(del->DeleteTable->GetTableText(), "t");
}

}  // namespace
