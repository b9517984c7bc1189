// The PL/SQL unit for builds without the PL/SQL dialect.  The definition is
// weak: the PL/SQL statement unit defines the strong one.  (This file sorts
// after the statement units, so the linker finds that definition first.)
#include "statementstructure/sqlstatement.h"

namespace {

// A PL/SQL unit when the PL/SQL dialect is not part of the build: its tokens
// are kept and its parse leaves one record instead of a tree.
class TPlsqlUnavailableStatement : public TUnknownSqlStatement {
public:
    explicit TPlsqlUnavailableStatement(std::uint8_t Vendor) : TUnknownSqlStatement(Vendor) {
        StatementType = sstplsql_block;
    }
    const char* ClassName() const override { return "TPlsqlStatement"; }
    int DoParse() override {
        Reset();
        NewError().Message = "PLSQL is not supported in this module";
        return GetErrorCount();
    }
};

}  // namespace

__attribute__((weak)) std::unique_ptr<TCustomSqlStatement> NewPlsqlBlockStatement(std::uint8_t Vendor) {
    return CreateNodeOfClass<TPlsqlUnavailableStatement>(Vendor);
}
