// The SQL Server corpus: every character of a script comes back in its
// tokens, one parser run over the whole script never fails, and the front
// end gives the wizard the pinned statements and tables of each script
// without losing tokens.  Skipped when the shared corpus is not there.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <string>

#include "frontend/marlsqlparser.h"
#include "mssql_corpus.h"
#include "mssql_parse.h"
#include "mssql_scan.h"
#include "statementstructure/ddlstatement.h"
#include "statementstructure/schemaobjects.h"

namespace {

using mssqltest::ReadFile;

struct Pinned {
    int statements = 0, tables = 0;
};

// Statements and tables the front end gives for each script (2005-era forms
// and multi-row VALUES stay syntax errors; their lines become error
// statements).  The wizard's test pins the relationship lines drawn between
// the tables.
const std::map<std::string, Pinned>& PinnedCounts() {
    static const std::map<std::string, Pinned> pins = {
        {"ajqvue_mssqlTypes.sql", {8, 0}},
        {"ajqvue_mssql_keyTables.sql", {9, 8}},
        {"chinook_Chinook_SqlServer.sql", {15703, 11}},
        {"mssamples_futon_01-schema.sql", {104, 9}},
        // The GO after a broken last line of a batch is its own statement;
        // each UPDATE STATISTICS line is an error statement of its own.
        {"mssamples_instpubs.sql", {451, 11}},
        {"sqlt_sqlserver_create.sql", {106, 8}},
        {"sqlt_sybase_create.sql", {108, 9}},
        {"mssql_projects.sql", {14, 3}},
    };
    return pins;
}

// The front end over one script: every significant token in a statement
// unless a record says why, and the pinned numbers of statements and tables.
void CheckFrontEnd(const std::filesystem::path& file) {
    TMarlSqlParser P(0);
    P.Sqlfilename = file.string();
    EXPECT_GE(P.Parse(), 0) << P.GetErrorMessages();
    std::set<const TSourceToken*> in;
    int tables = 0;
    for (TCustomSqlStatement* S : P.Statements()) {
        for (TSourceToken* T : S->SourceTokens->Items()) in.insert(T);
        if (auto* Ct = dynamic_cast<TCreateTableSqlStatement*>(S))
            if (Ct->TargetTable && !Ct->TargetTable->GetTableNameText().empty()) ++tables;
    }
    const std::string name = file.filename().string();
    auto pin = PinnedCounts().find(name);
    if (pin != PinnedCounts().end()) {
        EXPECT_EQ(P.Statements().Count(), pin->second.statements);
        EXPECT_EQ(tables, pin->second.tables);
    } else {
        ADD_FAILURE() << name << " has no pinned counts: " << P.Statements().Count() << " statements, " << tables
                      << " tables";
    }
    // Tokens of a last statement that ran into the end of the input are
    // known to the host only through the announcement.
    int lost = 0;
    for (TSourceToken* T : P.Tokens().Items())
        if (T->IsSignificant() && T->TokenCode != 0 && !in.count(T)) ++lost;
    EXPECT_TRUE(lost == 0 || P.ErrorCount() > 0) << lost << " tokens in no statement";
}

TEST(MssqlCorpus, ScannerParserAndFrontEndOverEachScript) {
    const std::vector<std::filesystem::path> scripts = mssqltest::CorpusScripts();
    if (scripts.empty()) GTEST_SKIP() << "no corpus";
    for (const std::filesystem::path& file : scripts) {
        SCOPED_TRACE(file.filename().string());
        const std::string text = ReadFile(file);
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

        CheckFrontEnd(file);
    }
}

TEST(MssqlCorpus, TheSampleScript) { CheckFrontEnd(mssqltest::SampleScript()); }

}  // namespace
