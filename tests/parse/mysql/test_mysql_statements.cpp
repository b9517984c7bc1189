// MySQL trees read by the statement model: a statement object parses its
// tokens with the MySQL parser and analyzes the tree for vendor 2.
#include "mysql_parse.h"

#include "statementstructure/ddlstatement.h"
#include "statementstructure/schemaobjects.h"
#include "statementstructure/sqlstatement_dml.h"

using namespace mysql_test;

namespace {

// Parses Text as one statement of class T for vendor 2.
template <class T>
struct TStatementRun {
    std::unique_ptr<TSourceTokenList> Tokens;
    std::unique_ptr<T> Stmt;
    std::vector<std::string> Errors;

    explicit TStatementRun(const std::string& Text) {
        Tokens = Tokenize(Text);
        Stmt = CreateNodeOfClass<T>(static_cast<std::uint8_t>(2));
        Stmt->Parser = std::make_unique<TRkParserMySQLSql>();
        Stmt->Parser->DbVendor = 2;
        Stmt->Parser->SyntaxErrorCallback = [this](std::uint8_t, const std::string& e, const std::string& tok,
                                                   std::int32_t, std::int32_t) {
            Errors.push_back(tok + ": " + e);
            return true;
        };
        for (TSourceToken* t : Tokens->Items()) Stmt->SourceTokens->Add(t);
    }
};

TEST(MySQLStatements, CreateTableGivesItsTableColumnsAndKeys) {
    TStatementRun<TCreateTableSqlStatement> run(
        "CREATE TABLE `orders` (`id` int(11) NOT NULL AUTO_INCREMENT, `user_id` int NOT NULL, "
        "`note` text, PRIMARY KEY (`id`), KEY `ix` (`user_id`), "
        "CONSTRAINT `fk` FOREIGN KEY (`user_id`) REFERENCES `users` (`id`)) ENGINE=InnoDB");
    EXPECT_EQ(run.Stmt->Parse(false), 0);
    EXPECT_TRUE(run.Errors.empty()) << (run.Errors.empty() ? "" : run.Errors[0]);
    ASSERT_NE(run.Stmt->TargetTable, nullptr);
    EXPECT_EQ(run.Stmt->TargetTable->Columns->Count(), 3);
    EXPECT_EQ(run.Stmt->TargetTable->Constraints->Count(), 3);
    EXPECT_EQ(run.Stmt->TargetTable->GetTableText(), "`orders`");
}

}  // namespace

namespace {

TEST(MySQLStatements, AlterTableAddOptionsAndIndexStatements) {
    TStatementRun<TAlterTableStatement> alter(
        "ALTER TABLE t ADD c INT, ADD CONSTRAINT fk FOREIGN KEY (a) REFERENCES u (b) ON DELETE CASCADE");
    EXPECT_EQ(alter.Stmt->Parse(false), 0);
    EXPECT_TRUE(alter.Errors.empty());
    EXPECT_EQ(alter.Stmt->TableName, "t");
    EXPECT_EQ(alter.Stmt->Options->Count(), 2);
    // The key added by ALTER TABLE reaches the statement's constraints.
    ASSERT_EQ(alter.Stmt->Constraints->Count(), 1);
    ASSERT_NE(alter.Stmt->Constraints->GetConstraint(0), nullptr);
    EXPECT_EQ(alter.Stmt->Constraints->GetConstraint(0)->ConstraintType, 5);

    TStatementRun<TCreateIndexSqlStatement> index("CREATE UNIQUE INDEX ix ON t (a, b DESC)");
    EXPECT_EQ(index.Stmt->Parse(false), 0);
    EXPECT_TRUE(index.Errors.empty());
    EXPECT_EQ(index.Stmt->IndexKind, 1);
    EXPECT_EQ(index.Stmt->IndexTable->GetTableText(), "t");
}

}  // namespace

namespace {

TEST(MySQLStatements, UpdateTargetAndDeleteTarget) {
    TStatementRun<TUpdateSqlStatement> update("UPDATE `t` SET a = 1 WHERE b = 2");
    EXPECT_EQ(update.Stmt->Parse(false), 0);
    ASSERT_NE(update.Stmt->TargetTable, nullptr);
    EXPECT_EQ(update.Stmt->TargetTable->GetTableText(), "`t`");
    TStatementRun<TDeleteSqlStatement> del("DELETE FROM t WHERE a = 1");
    EXPECT_EQ(del.Stmt->Parse(false), 0);
    ASSERT_NE(del.Stmt->DeleteTable, nullptr);
    EXPECT_EQ(del.Stmt->DeleteTable->GetTableText(), "t");
}

}  // namespace
