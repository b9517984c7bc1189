// MySQL statements end to end: every significant token of an accepted
// statement is kept somewhere in its tree, so that its text can be rebuilt,
// for hand-written statements and for the statements of the shared MySQL
// corpus scripts; and the trees read by the statement model, whose statement
// objects parse their tokens with the MySQL parser for vendor 2.
#include "parse/mysql/sqltree_check.h"
#include "statementstructure/ddlstatement.h"
#include "statementstructure/schemaobjects.h"
#include "statementstructure/sqlstatement_dml.h"
#include "statementstructure/sqlstatement_select.h"

using namespace treetest;

namespace {

class MySQLRoundTrip : public MySQLParseFixture {};

TEST_F(MySQLRoundTrip, HandWrittenStatements) {
    const char* stmts[] = {
        "select a from t",
        "SELECT DISTINCT a, b x, c AS 'y', t.*, COUNT(*), COUNT(DISTINCT e) FROM s.t t1, `u` "
        "WHERE a = 1 AND b <> 2 OR NOT c IS NULL AND d BETWEEN 1 AND 2 AND e NOT IN (1, 2) AND f LIKE 'x%'",
        "select a from t1 left outer join t2 on x = y join t3 using (k, l) cross join t4 natural join t5",
        "select a from t group by a having count(*) > 1 order by a desc limit 10",
        "insert into t (a, b) values (1, 'x')",
        "update t set a = 1, b = 2 where c = 3",
        "delete from t where a in (select b from u)",
        "create table t (a int(11) unsigned not null auto_increment, b varchar(20) default null, "
        "c decimal(10,2) not null default '0.00', primary key (a), key k (b), "
        "constraint fk foreign key (b) references u (x) on delete cascade) engine=InnoDB default charset=utf8",
        "create unique index ix on t (a, b desc)",
        "create view v as select a from t",
        "drop table if exists a, b",
        "alter table t add c int after b",
    };
    for (const char* s : stmts) EXPECT_EQ(Check(s), "") << s;
}

TEST_F(MySQLRoundTrip, CorpusStatements) { CheckCorpus("mysql"); }


// Parses Text as one statement of class T for vendor 2; it must be accepted.
template <class T>
struct TStatementRun {
    std::unique_ptr<TSourceTokenList> Tokens;
    std::unique_ptr<T> Stmt;

    explicit TStatementRun(const std::string& Text) : Tokens(sqltest::Tokenize<TRkLexerMySQL>(Text)) {
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
    auto* t = run->TargetTable;
    EXPECT_EQ(J(t->Columns->Count(), t->Constraints->Count(), t->GetTableText()), "3 3 `orders`");
}

TEST(MySQLStatements, AlterTableAddOptionsAndIndexStatements) {
    TStatementRun<TAlterTableStatement> alter(
        "ALTER TABLE t ADD c INT, ADD CONSTRAINT fk FOREIGN KEY (a) REFERENCES u (b) ON DELETE CASCADE");
    // The key added by ALTER TABLE reaches the statement's constraints.
    ASSERT_EQ(alter->Constraints->Count(), 1);
    ASSERT_NE(alter->Constraints->GetConstraint(0), nullptr);
    EXPECT_EQ(J(alter->TableName, alter->Options->Count(), alter->Constraints->GetConstraint(0)->ConstraintType), "t 2 5");
    TStatementRun<TCreateIndexSqlStatement> index("CREATE UNIQUE INDEX ix ON t (a, b DESC)");
    EXPECT_EQ(J(index->IndexKind, index->IndexTable->GetTableText()), "1 t");
}

std::string Trimmed(const std::string& S) {
    const auto b = S.find_first_not_of(' '), e = S.find_last_not_of(' ');
    return b == std::string::npos ? std::string() : S.substr(b, e - b + 1);
}

// The keys an ALTER TABLE option adds read as the element list's keys do.
TEST(MySQLStatements, AlterTableKeysHaveTheirText) {
    TStatementRun<TAlterTableStatement> alter(
        "ALTER TABLE t ADD CONSTRAINT pk PRIMARY KEY (a, b), ADD UNIQUE u1 (c), "
        "ADD FOREIGN KEY (d) REFERENCES x (y), ADD (e INT, PRIMARY KEY (e))");
    std::vector<std::string> texts;
    for (int i = 0; i < alter->Constraints->Count(); ++i)
        if (TRkConstraint* c = alter->Constraints->GetConstraint(i)) texts.push_back(Trimmed(c->AsText()));
    EXPECT_EQ(texts, (std::vector<std::string>{"CONSTRAINT pk PRIMARY KEY (a, b)", "UNIQUE u1 (c)",
                                               "FOREIGN KEY (d) REFERENCES x (y)", "PRIMARY KEY (e)"}));
    EXPECT_EQ(alter->Constraints->GetConstraint(0)->GetName(), "pk");
}

// Several tables, or a join, are the targets: joins in TargetJoins, the first
// table the target table, nothing taken for a FROM list.
TEST(MySQLStatements, MultiTableUpdateTargets) {
    TStatementRun<TUpdateSqlStatement> two("UPDATE t, u SET t.a = u.a WHERE t.id = u.id");
    EXPECT_EQ(J(two->TargetJoins->Count(), two->FromJoins->Count(), two->TargetTable->GetTableText()), "2 0 t");
    TStatementRun<TUpdateSqlStatement> join("UPDATE t1 JOIN t2 ON t1.id = t2.id SET t1.a = t2.a");
    ASSERT_NE(join->TargetTable, nullptr);
    EXPECT_EQ(J(join->TargetJoins->Count(), join->Tables->Count(), join->TargetTable->GetTableText()), "1 2 t1");
}

TEST(MySQLStatements, SetOperationTakesItsLimit) {
    TStatementRun<TSelectSqlStatement> q("SELECT a FROM t UNION SELECT b FROM u LIMIT 3");
    EXPECT_NE(q->Limit, nullptr);
    EXPECT_EQ(q->GetLimitText(), "3");
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
