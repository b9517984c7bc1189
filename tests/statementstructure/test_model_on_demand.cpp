// Parts of the model that most statements never fill (join lists, merge
// field lists, alter-table option and key lists, a table's column and key
// lists) are made on first use: whole scripts through the front end read an
// empty list where a clause is absent, keep what they read through Reset and
// a second parse, and leave the lists of plain references unmade.
#include <string>

#include "statement_fixture.h"
#include "statementstructure/ddlstatement.h"
#include "statementstructure/sqlstatement_dml.h"

using namespace sstest;

namespace {

const char* const kScript =
    "CREATE TABLE emp (id INT PRIMARY KEY, boss INT NOT NULL, name VARCHAR(20));\n"
    "CREATE INDEX ix_boss ON emp (boss);\n"
    "ALTER TABLE emp ADD CONSTRAINT fk_boss FOREIGN KEY (boss) REFERENCES emp (id);\n"
    "ALTER TABLE emp ADD (note INT);\n"
    "SELECT e.id, b.name FROM emp e JOIN emp b ON e.boss = b.id WHERE e.id > 1;\n"
    "UPDATE emp SET boss = 1 WHERE id = 2;\n"
    "DELETE FROM emp WHERE id = 3;\n"
    "INSERT INTO emp (id, boss) VALUES (4, 1);\n";

std::string Trim(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

// Counts of the lists the wizard and the printers read, in one text.
std::string Lists(Script& s) {
    auto* ix = s.At<TCreateIndexSqlStatement>(1);
    auto* fk = s.At<TAlterTableStatement>(2);
    auto* add = s.At<TAlterTableStatement>(3);
    auto* sel = s.At<TSelectSqlStatement>(4);
    auto* upd = s.At<TUpdateSqlStatement>(5);
    auto* del = s.At<TDeleteSqlStatement>(6);
    if (!ix || !fk || !add || !sel || !upd || !del) return "missing statement";
    auto n = [](auto& L) { return std::to_string(L->Count()) + " "; };
    return n(ix->Fields) + n(fk->Constraints) + n(fk->AddedConstraints) + n(add->Constraints) +
           n(add->AddedConstraints) + n(sel->JoinList) + n(sel->JoinList->GetJoin(0)->Items) + n(upd->FromJoins) +
           n(upd->TargetJoins) + n(del->FromJoins) + Trim(ix->IndexTable->GetTableText());
}

// Tables that only name a table, and fields that are no column definition,
// never made a column or key list.
int MadeListsOfReferences(TCustomSqlStatement* st) {
    int made = 0;
    const bool defines = st->StatementType == sstCreateTable || st->StatementType == sstAlterTable;
    for (int i = 0; st->Tables.Existing() && i < st->Tables->Count(); ++i) {
        TRkTable* t = st->Tables->GetTable(i);
        if (defines && t == st->TargetTable) continue;
        made += (t->Columns.Existing() != nullptr) + (t->FieldRefs.Existing() != nullptr) +
                (t->Constraints.Existing() != nullptr);
    }
    for (int i = 0; st->Fields.Existing() && i < st->Fields->Count(); ++i) {
        TRkField* f = st->Fields->GetField(i);
        if (!f->IsColumnDef) made += f->Constraints.Existing() != nullptr;
    }
    return made;
}

class ModelOnDemand : public ::testing::TestWithParam<int> {};

TEST_P(ModelOnDemand, AbsentClausesReadEmptyListsThroughResetAndReparse) {
    Script s(kScript, static_cast<std::uint8_t>(GetParam()));
    ASSERT_EQ(s.Result, 0);
    ASSERT_EQ(s.P.ErrorCount(), 0);
    const std::string first = Lists(s);
    EXPECT_EQ(first, "1 1 0 0 0 1 1 0 0 0 emp");
    for (int i = 0; i < s.Count(); ++i) EXPECT_EQ(MadeListsOfReferences(s.At(i)), 0) << i;

    for (int i = 0; i < s.Count(); ++i) {
        s.At(i)->Reset();
        ASSERT_EQ(s.At(i)->Parse(), 0) << i;
    }
    EXPECT_EQ(Lists(s), first);
}

INSTANTIATE_TEST_SUITE_P(Vendors, ModelOnDemand, ::testing::Values(VendorOracle, VendorMySQL, VendorGeneric));

TEST(ModelOnDemand, MergeFieldListsEmptyOnResetAndRefillOnParse) {
    Script s("MERGE INTO emp t USING src s ON (t.id = s.id)\n"
             "WHEN MATCHED THEN UPDATE SET t.boss = s.boss\n"
             "WHEN NOT MATCHED THEN INSERT (id, boss) VALUES (s.id, s.boss);\n");
    ASSERT_EQ(s.Result, 0);
    auto* m = s.At<TMergeSqlStatement>(0);
    ASSERT_NE(m, nullptr);
    auto counts = [m] {
        return std::to_string(m->UpdateSetFields->Count()) + " " + std::to_string(m->InsertColumnFields->Count()) +
               " " + std::to_string(m->InsertValueFields->Count());
    };
    EXPECT_EQ(counts(), "1 2 2");
    m->Reset();
    EXPECT_EQ(counts(), "0 0 0");
    ASSERT_EQ(m->Parse(), 0);
    EXPECT_EQ(counts(), "1 2 2");
}

}  // namespace

namespace {

// Kind and name of each database object the statement names, in list order.
std::string Objects(TCustomSqlStatement* st) {
    std::string s;
    for (const auto& o : *st->DbObjects) s += std::to_string(o->Kind) + ":" + o->Name + " ";
    return s;
}

TEST(ModelOnDemand, DatabaseObjectsListedOnceByKindAndClearedByReset) {
    Script s("SELECT e.id, d.name FROM emp e, dept d WHERE e.dept = d.id;\n");
    ASSERT_EQ(s.Result, 0);
    TCustomSqlStatement* st = s.At(0);
    EXPECT_EQ(Objects(st), "");
    st->InspectDBObjects();
    const std::string first = Objects(st);
    EXPECT_EQ(first, "1:emp 1:dept 2:id 2:name 2:dept ");
    st->InspectDBObjects();
    EXPECT_EQ(Objects(st), first);
    st->Reset();
    EXPECT_EQ(Objects(st), "");
}

}  // namespace

namespace {

// A MySQL name list makes a name per dropped table; the tables read them
// after a Reset and a second parse as after the first.
TEST(ModelOnDemand, MysqlDropOfSeveralTablesKeepsItsNamesThroughReparse) {
    Script s("DROP TABLE IF EXISTS a, b;\nDROP TABLE c;\n", VendorMySQL);
    ASSERT_EQ(s.Result, 0);
    auto names = [&s] {
        std::string r;
        for (int i = 0; i < s.Count(); ++i)
            for (int k = 0; k < s.At(i)->Tables->Count(); ++k) r += s.At(i)->Tables->GetTable(k)->GetTableText() + " ";
        return r;
    };
    EXPECT_EQ(names(), "a b c ");
    for (int i = 0; i < s.Count(); ++i) {
        s.At(i)->Reset();
        EXPECT_EQ(s.At(i)->Tables->Count(), 0);
        ASSERT_EQ(s.At(i)->Parse(), 0);
    }
    EXPECT_EQ(names(), "a b c ");
}

}  // namespace
