// The SQL Server corpus: every character of a script comes back in its
// tokens, one parser run over the whole script never fails, and the front
// end gives the wizard at least the known tables of each script without
// losing tokens.  Skipped when the shared corpus is not there.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "frontend/marlsqlparser.h"
#include "mssql_parse.h"
#include "mssql_scan.h"
#include "statementstructure/ddlstatement.h"
#include "statementstructure/schemaobjects.h"

namespace {

std::string ReadFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(MssqlCorpus, ScannerParserAndFrontEndOverEachScript) {
    const char* shared = std::getenv("ORRERY_SHARED_DIR");
    const std::filesystem::path dir = shared ? std::filesystem::path(shared) / "corpus" / "mssql" : std::filesystem::path();
    std::error_code ec;
    if (dir.empty() || !std::filesystem::is_directory(dir, ec)) GTEST_SKIP() << "no corpus";
    // Tables the wizard gets from each script (2005-era forms and multi-row
    // VALUES stay syntax errors; their lines are skipped).  The wizard's
    // test pins the relationship lines drawn between them.
    const std::map<std::string, int> pinnedTables = {
        {"ajqvue_mssqlTypes.sql", 0},          {"ajqvue_mssql_keyTables.sql", 8},
        {"chinook_Chinook_SqlServer.sql", 11}, {"mssamples_futon_01-schema.sql", 9},
        {"mssamples_instpubs.sql", 11},        {"sqlt_sqlserver_create.sql", 8},
        {"sqlt_sybase_create.sql", 9},
    };
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir)) {
        if (!e.is_regular_file() || e.path().extension() != ".sql") continue;
        ++files;
        const std::string name = e.path().filename().string();
        SCOPED_TRACE(name);
        const std::string text = ReadFile(e.path());
        std::string joined;
        for (const MsTok& t : MsScan(text)) joined += t.text;
        // (The helper leaves out a final line break token "\n".)
        if (joined.size() + 1 == text.size() && text.back() == '\n') joined += '\n';
        EXPECT_EQ(joined, text);

        MsRun r(text);
        EXPECT_EQ(r.Parse(), 0);
        EXPECT_FALSE(r.parser->ResultList.empty());
        // Every report is one record, never a failure pair.
        for (const MsError& err : r.errors) EXPECT_NE(err.message, "abort !!! ");

        TMarlSqlParser P(0);
        P.Sqlfilename = e.path().string();
        EXPECT_GE(P.Parse(), 0) << P.GetErrorMessages();
        std::set<const TSourceToken*> in;
        int tables = 0;
        for (TCustomSqlStatement* S : P.Statements()) {
            for (TSourceToken* T : S->SourceTokens->Items()) in.insert(T);
            if (auto* Ct = dynamic_cast<TCreateTableSqlStatement*>(S))
                if (Ct->TargetTable && !Ct->TargetTable->GetTableNameText().empty()) ++tables;
        }
        auto pin = pinnedTables.find(name);
        if (pin != pinnedTables.end()) {
            EXPECT_EQ(tables, pin->second);
        } else {
            ADD_FAILURE() << name << " has no pinned table count: " << tables;
        }
        // Tokens of a last statement that ran into the end of the input are
        // known to the host only through the announcement.
        int lost = 0;
        for (TSourceToken* T : P.Tokens().Items())
            if (T->IsSignificant() && T->TokenCode != 0 && !in.count(T)) ++lost;
        EXPECT_TRUE(lost == 0 || P.ErrorCount() > 0) << lost << " tokens in no statement";
    }
    EXPECT_GT(files, 0);
}

}  // namespace
