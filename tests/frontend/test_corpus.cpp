// Every script of the shared corpus goes through the front end: no crash,
// and every significant token ends in a statement unless a record says
// why it did not.
#include <set>

#include "corpus_scripts.h"
#include "frontend_fixture.h"

namespace {

using fetest::CorpusDir;

void RunFolder(const std::string& Dialect, std::uint8_t Vendor) {
    std::filesystem::path Dir = CorpusDir() / Dialect;
    std::error_code Ec;
    if (CorpusDir().empty() || !std::filesystem::is_directory(Dir, Ec)) GTEST_SKIP() << "no corpus at " << Dir;
    int Files = 0;
    for (const auto& E : std::filesystem::recursive_directory_iterator(Dir)) {
        if (!E.is_regular_file()) continue;
        ++Files;
        SCOPED_TRACE(E.path().string());
        TMarlSqlParser P(Vendor);
        P.Sqlfilename = E.path().string();
        int R = P.Parse();
        EXPECT_GE(R, -1);
        if (R < 0) continue;
        std::set<const TSourceToken*> InStatements;
        for (TCustomSqlStatement* S : P.Statements())
            for (TSourceToken* T : S->SourceTokens->Items()) InStatements.insert(T);
        int Dropped = 0;
        for (TSourceToken* T : P.Tokens().Items())
            if (T->IsSignificant() && !InStatements.count(T)) ++Dropped;
        bool HasStartError = false;
        for (int i = 1; i <= P.ErrorCount(); ++i) HasStartError |= P.SyntaxErrors().Get(i).ErrorType == 2;
        if (Dropped > 0) {
            EXPECT_TRUE(HasStartError || P.ErrorCount() == 100) << Dropped << " tokens dropped";
        }
    }
    EXPECT_GT(Files, 0);
}

}  // namespace

TEST(Corpus, OracleScriptsGoThroughTheFrontEnd) {
    REQUIRE_SCANNER();
    RunFolder("oracle", 1);
}

TEST(Corpus, GenericScriptsGoThroughTheFrontEnd) {
    REQUIRE_SCANNER();
    RunFolder("generic", 4);
}
