// Real-world scripts of the shared corpus (skipped when the corpus is not
// beside the repository).  Every statement walks and rebuilds its text
// without a failure, and parsing a DDL statement again gives the same model.
// Per script, the test pins what the diagram is built from: parsed CREATE
// TABLE statements, their columns, primary and foreign keys (column and
// table level), parsed CREATE INDEX statements and keys added by ALTER
// TABLE.  A change in the grammar, the splitter or the analyses shows up here.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "statement_fixture.h"
#include "statementstructure/ddlstatement.h"

namespace {

namespace fs = std::filesystem;

struct Counts {
    int tables = 0, columns = 0, primaryKeys = 0, foreignKeys = 0, indexes = 0, alterKeys = 0;
    int otherFields = 0;   // of indexes and ALTER TABLE: compared after a re-parse, not pinned
    bool operator==(const Counts&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Counts& c) {
    return os << "{" << c.tables << ", " << c.columns << ", " << c.primaryKeys << ", " << c.foreignKeys
              << ", " << c.indexes << ", " << c.alterKeys << "}";
}

void CountKeys(TRkConstraintList* list, Counts& c) {
    for (int i = 0; list && i < list->Count(); ++i) {
        TRkConstraint* k = list->GetConstraint(i);
        if (!k) continue;
        if (k->ConstraintType == 4) ++c.primaryKeys;
        if (k->ConstraintType == 5 || k->ConstraintType == 8) ++c.foreignKeys;
    }
}

// What one DDL statement contributes; the same after a second parse.
Counts CountStatement(TCustomSqlStatement* st) {
    Counts c;
    if (auto* ct = dynamic_cast<TCreateTableSqlStatement*>(st)) {
        ++c.tables;
        TRkTable* t = ct->TargetTable;
        c.columns += t->Columns->Count();
        CountKeys(t->Constraints.get(), c);
        for (int k = 0; k < t->Columns->Count(); ++k)
            if (TRkField* f = t->Columns->GetField(k)) CountKeys(f->Constraints.get(), c);
        EXPECT_GT(t->Columns->Count() + t->Constraints->Count(), 0);
        EXPECT_FALSE(t->GetTableText().empty());
    } else if (auto* i = dynamic_cast<TCreateIndexSqlStatement*>(st)) {
        ++c.indexes;
        c.otherFields += i->Fields->Count();
    } else if (auto* a = dynamic_cast<TAlterTableStatement*>(st)) {
        c.alterKeys += a->Constraints->Count();
        c.otherFields += a->Fields->Count();
        for (int k = 0; k < a->Constraints->Count(); ++k) {
            int type = a->Constraints->GetConstraint(k)->ConstraintType;
            EXPECT_TRUE(type >= 1 && type <= 13) << type;
        }
    }
    return c;
}

Counts CheckScript(const fs::path& file, std::uint8_t vendor) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    TMarlSqlParser p(vendor);
    p.SetSqlTextString(ss.str());
    p.Parse();
    Counts total;
    for (int i = 0; i < p.Statements().Count(); ++i) {
        TCustomSqlStatement* st = p.Statements().GetStatement(i);
        SCOPED_TRACE(file.filename().string() + " statement " + std::to_string(i));
        (void)sstest::Walk(st);
        (void)st->GetText();
        const bool ddl = dynamic_cast<TCreateTableSqlStatement*>(st) || dynamic_cast<TCreateIndexSqlStatement*>(st) ||
                         dynamic_cast<TAlterTableStatement*>(st);
        if (!ddl || !st->Parsed) continue;
        const Counts c = CountStatement(st);
        EXPECT_EQ(st->Parse(false), 0);
        EXPECT_EQ(CountStatement(st), c);
        total.tables += c.tables;
        total.columns += c.columns;
        total.primaryKeys += c.primaryKeys;
        total.foreignKeys += c.foreignKeys;
        total.indexes += c.indexes;
        total.alterKeys += c.alterKeys;
    }
    return total;
}

const std::map<std::string, Counts>& Expected() {
    static const std::map<std::string, Counts> pins = {
#include "test_ddl_corpus_counts.inc"
    };
    return pins;
}

void CheckFolder(const char* folder, std::uint8_t vendor) {
    const char* shared = std::getenv("ORRERY_SHARED_DIR");
    const fs::path dir = fs::path(shared ? shared : "") / "corpus" / folder;
    if (!shared || !fs::is_directory(dir)) GTEST_SKIP() << "no corpus at " << dir;
    const bool list = std::getenv("ORRERY_CORPUS_LIST") != nullptr;
    for (const auto& entry : fs::directory_iterator(dir)) {
        if (!entry.is_regular_file()) continue;
        const std::string key = std::string(folder) + "/" + entry.path().filename().string();
        const Counts got = CheckScript(entry.path(), vendor);
        if (list) std::cout << "{\"" << key << "\", " << got << "},\n";
        auto it = Expected().find(key);
        if (it == Expected().end()) {
            ADD_FAILURE() << key << " has no pinned counts: " << got;
            continue;
        }
        EXPECT_EQ(got, it->second) << key << " (tables, columns, primary keys, foreign keys, indexes, alter keys)";
    }
}

TEST(DdlCorpusCounts, OracleScripts) { CheckFolder("oracle", 1); }
TEST(DdlCorpusCounts, GenericScripts) { CheckFolder("generic", 4); }

}  // namespace
