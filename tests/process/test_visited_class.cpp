// The walks tell tokens, names and statements apart by VisitedClass, not by
// casts: over every tree the sample scripts (and the corpus, when present)
// give in every dialect, each object met must answer as a cast would.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "frontend/marlsqlparser.h"
#include "nodes/u_nodes_generic.h"
#include "nodes/u_parsenodes.h"
#include "process/rkbasevisitor.h"
#include "statementstructure/sqlstatement.h"
#include "statementstructure/sqlstatement_select.h"

namespace {

TRkVisitedClass ClassByCast(TRkVisitedAbs* Obj) {
    if (dynamic_cast<TSourceToken*>(Obj)) return TRkVisitedClass::Token;
    if (dynamic_cast<TRk_Attr*>(Obj)) return TRkVisitedClass::Attr;
    if (dynamic_cast<TRk_Ident*>(Obj)) return TRkVisitedClass::Ident;
    if (dynamic_cast<TSelectSqlStatement*>(Obj)) return TRkVisitedClass::SelectStatement;
    if (dynamic_cast<TCustomSqlStatement*>(Obj)) return TRkVisitedClass::Statement;
    return TRkVisitedClass::Other;
}

class TCheckingVisitor : public TRkVisitorAbs {
public:
    int Objects = 0;
    int Names = 0;
    int Statements = 0;
    void PreVisit(TRkVisitedAbs* Obj) override { Check(Obj); }
    void Visit(TRkVisitedAbs* Obj) override { Check(Obj); }

private:
    void Check(TRkVisitedAbs* Obj) {
        if (!Obj) return;
        ++Objects;
        const TRkVisitedClass c = Obj->VisitedClass();
        EXPECT_EQ(static_cast<int>(c), static_cast<int>(ClassByCast(Obj))) << Obj->ClassName();
        EXPECT_EQ(AsSqlStatement(Obj), dynamic_cast<TCustomSqlStatement*>(Obj)) << Obj->ClassName();
        Names += c == TRkVisitedClass::Attr || c == TRkVisitedClass::Ident;
        Statements += AsSqlStatement(Obj) != nullptr;
    }
};

void CheckScript(const std::filesystem::path& File, std::uint8_t Vendor, TCheckingVisitor& V) {
    SCOPED_TRACE(File.string());
    TMarlSqlParser P(Vendor);
    P.Sqlfilename = File.string();
    if (P.Parse() < 0) return;
    for (TCustomSqlStatement* S : P.Statements()) {
        S->Accept(&V);
        if (S->RootNode) S->RootNode->Accept(&V);
    }
}

std::filesystem::path EnvDir(const char* Var, const char* Sub) {
    const char* D = std::getenv(Var);
    return D ? std::filesystem::path(D) / Sub : std::filesystem::path();
}

}  // namespace

TEST(VisitedClass, AnswersAsACastWouldOverEveryParsedTree) {
    const struct {
        const char* sample;
        const char* corpus;
        std::uint8_t vendor;
    } dialects[] = {{"mssql_projects.sql", "mssql", 0}, {"oracle_hr.sql", "oracle", 1},
                    {"mysql_shop.sql", "mysql", 2},     {"access_contacts.sql", "msaccess", 3},
                    {"generic_library.sql", "generic", 4}};
    const std::filesystem::path samples = EnvDir("ORRERY_SOURCE_DIR", "samples");
    const std::filesystem::path corpus = EnvDir("ORRERY_SHARED_DIR", "corpus");
    ASSERT_TRUE(std::filesystem::is_directory(samples)) << samples;
    for (const auto& d : dialects) {
        TCheckingVisitor V;
        CheckScript(samples / d.sample, d.vendor, V);
        std::error_code ec;
        if (!corpus.empty() && std::filesystem::is_directory(corpus / d.corpus, ec))
            for (const auto& e : std::filesystem::recursive_directory_iterator(corpus / d.corpus))
                if (e.is_regular_file()) CheckScript(e.path(), d.vendor, V);
        EXPECT_GT(V.Names, 0) << d.sample;
        EXPECT_GT(V.Statements, 0) << d.sample;
    }
}
