// Real-world scripts of the shared corpus (skipped when the corpus is not
// there): every statement analyzes, walks and rebuilds its text without a
// failure, and parsing a statement again gives the same model.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "frontend/marlsqlparser.h"
#include "statementstructure/ddlstatement.h"

namespace {

namespace fs = std::filesystem;

class CountTokens : public TRkVisitorAbs {
public:
    int Count = 0;
    void Visit(TRkVisitedAbs* Obj) override {
        TRkVisitorAbs::Visit(Obj);
        if (Obj->AsToken()) ++Count;
    }
};

struct Shape {
    int columns = 0, tableConstraints = 0, indexFields = 0, alterConstraints = 0, alterFields = 0;
    bool operator==(const Shape&) const = default;
};

Shape ShapeOf(TCustomSqlStatement* st) {
    Shape s;
    if (auto* c = dynamic_cast<TCreateTableSqlStatement*>(st)) {
        s.columns = c->TargetTable->Columns->Count();
        s.tableConstraints = c->TargetTable->Constraints->Count();
    } else if (auto* i = dynamic_cast<TCreateIndexSqlStatement*>(st)) {
        s.indexFields = i->Fields->Count();
    } else if (auto* a = dynamic_cast<TAlterTableStatement*>(st)) {
        s.alterConstraints = a->Constraints->Count();
        s.alterFields = a->Fields->Count();
    }
    return s;
}

void CheckScript(const fs::path& file, std::uint8_t vendor) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    TMarlSqlParser p(vendor);
    p.SetSqlTextString(ss.str());
    p.Parse();
    int tables = 0;
    for (int i = 0; i < p.Statements().Count(); ++i) {
        TCustomSqlStatement* st = p.Statements().GetStatement(i);
        SCOPED_TRACE(file.filename().string() + " statement " + std::to_string(i));
        CountTokens walk;
        st->Accept(&walk);
        (void)st->GetText();
        auto* ct = dynamic_cast<TCreateTableSqlStatement*>(st);
        if (!ct && !dynamic_cast<TCreateIndexSqlStatement*>(st) && !dynamic_cast<TAlterTableStatement*>(st))
            continue;
        if (!st->Parsed) continue;
        if (ct) {
            ++tables;
            EXPECT_GT(ct->TargetTable->Columns->Count() + ct->TargetTable->Constraints->Count(), 0);
            EXPECT_FALSE(ct->TargetTable->GetTableText().empty());
        }
        if (auto* a = dynamic_cast<TAlterTableStatement*>(st)) {
            for (int k = 0; k < a->Constraints->Count(); ++k) {
                int type = a->Constraints->GetConstraint(k)->ConstraintType;
                EXPECT_TRUE(type >= 1 && type <= 13) << type;
            }
        }
        const Shape before = ShapeOf(st);
        ASSERT_EQ(st->Parse(false), 0);
        EXPECT_TRUE(ShapeOf(st) == before);
    }
    ::testing::Test::RecordProperty(file.filename().string(), tables);
}

void CheckFolder(const char* dialect, std::uint8_t vendor) {
    const char* shared = std::getenv("ORRERY_SHARED_DIR");
    if (!shared) GTEST_SKIP() << "ORRERY_SHARED_DIR not set";
    fs::path dir = fs::path(shared) / "corpus" / dialect;
    if (!fs::is_directory(dir)) GTEST_SKIP() << "no corpus at " << dir;
    for (const auto& entry : fs::directory_iterator(dir)) {
        if (entry.is_regular_file()) CheckScript(entry.path(), vendor);
    }
}

TEST(DdlCorpus, OracleScripts) { CheckFolder("oracle", 1); }
TEST(DdlCorpus, GenericScripts) { CheckFolder("generic", 4); }

}  // namespace
