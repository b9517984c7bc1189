// A view's WITH READ ONLY or WITH CHECK OPTION keeps the name of its
// constraint, in every dialect that reads them, and prints it.
#include <string>

#include "frontend/marlsqlparser.h"
#include "statementstructure/ddlstatement.h"

#include <gtest/gtest.h>

TEST(ViewRestrictions, BothFormsKeepTheirConstraintName) {
    const struct {
        const char* Sql;
        int Option;
        const char* Name;
        const char* Printed;
    } Rows[] = {
        {"create view v as select a from t with read only constraint ro", 1, "ro", " with read only constraint ro"},
        {"create view v as select a from t with check option constraint ck", 2, "ck", " with check option constraint ck"},
        {"create view v as select a from t with read only", 1, "", " with read only"},
    };
    for (std::uint8_t Vendor : {1, 4}) {
        for (const auto& R : Rows) {
            SCOPED_TRACE(std::to_string(Vendor) + ": " + R.Sql);
            TMarlSqlParser P(Vendor);
            P.SetSqlTextString(std::string(R.Sql) + ";\n");
            ASSERT_EQ(P.Parse(), 0) << P.GetErrorMessages();
            ASSERT_EQ(P.Statements().Count(), 1);
            auto* V = dynamic_cast<TCreateViewSqlStatement*>(P.Statements().GetStatement(0));
            ASSERT_NE(V, nullptr);
            EXPECT_EQ(V->WithOption, R.Option);
            EXPECT_EQ(V->ConstraintName, R.Name);
            const std::string Text = V->GetText();
            EXPECT_EQ(Text.substr(Text.size() - std::string(R.Printed).size()), R.Printed) << Text;
        }
    }
}
