// The host's table event reaches every statement of a script in every
// dialect while the script parses: SQL Server analyses its statements in
// the script's own parse, the others as each statement parses.
#include <set>

#include "frontend_fixture.h"
#include "statementstructure/schemaobjects.h"

TEST(HostTableEvents, EveryDialectReportsEachStatementsTableDuringTheParse) {
    for (std::uint8_t Vendor : {0, 1, 2, 3, 4}) {
        SCOPED_TRACE(int(Vendor));
        TMarlSqlParser P(Vendor);
        std::set<std::string> Tables;
        std::set<TCustomSqlStatement*> Reporting;
        P.OnStatementTable = [&](TRk_Node*, TCustomSqlStatement* S, TRkTable* T) {
            ASSERT_NE(T, nullptr);
            Tables.insert(T->GetTableNameText());
            Reporting.insert(S);
        };
        P.SetSqlTextString("delete from t;\nselect a from u;\n");
        ASSERT_EQ(P.Parse(), 0) << P.GetErrorMessages();
        ASSERT_EQ(P.Statements().Count(), 2);
        EXPECT_EQ(Tables, (std::set<std::string>{"t", "u"}));
        EXPECT_EQ(Reporting, (std::set<TCustomSqlStatement*>{P.Statements().GetStatement(0),
                                                             P.Statements().GetStatement(1)}));
    }
}
