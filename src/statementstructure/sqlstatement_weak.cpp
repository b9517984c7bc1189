// Creation of the statement classes of other units, for builds without
// them.  Each definition is weak: the unit that holds the class defines the
// strong one.  (This file sorts after those units, so the linker finds their
// definitions first.)
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

std::unique_ptr<TCustomSqlStatement> Typed(std::uint8_t Vendor, TSqlStatementType Type) {
    auto S = CreateNodeOfClass<TUnknownSqlStatement>(Vendor);
    S->StatementType = Type;
    return S;
}

}  // namespace

#define WEAK __attribute__((weak))

WEAK std::unique_ptr<TCustomSqlStatement> NewSelectSqlStatement(std::uint8_t V) { return Typed(V, sstSelect); }
WEAK std::unique_ptr<TCustomSqlStatement> NewInsertSqlStatement(std::uint8_t V) { return Typed(V, sstInsert); }
WEAK std::unique_ptr<TCustomSqlStatement> NewUpdateSqlStatement(std::uint8_t V) { return Typed(V, sstUpdate); }
WEAK std::unique_ptr<TCustomSqlStatement> NewDeleteSqlStatement(std::uint8_t V) { return Typed(V, sstDelete); }
WEAK std::unique_ptr<TCustomSqlStatement> NewMergeSqlStatement(std::uint8_t V) { return Typed(V, sstMerge); }
WEAK std::unique_ptr<TCustomSqlStatement> NewCreateTableSqlStatement(std::uint8_t V) { return Typed(V, sstCreateTable); }
WEAK std::unique_ptr<TCustomSqlStatement> NewCreateViewSqlStatement(std::uint8_t V) { return Typed(V, sstCreateView); }
WEAK std::unique_ptr<TCustomSqlStatement> NewCreateIndexSqlStatement(std::uint8_t V) { return Typed(V, sstCreateIndex); }
WEAK std::unique_ptr<TCustomSqlStatement> NewDropTableSqlStatement(std::uint8_t V) { return Typed(V, sstDropTable); }
WEAK std::unique_ptr<TCustomSqlStatement> NewDropIndexSqlStatement(std::uint8_t V) { return Typed(V, sstDropIndex); }
WEAK std::unique_ptr<TCustomSqlStatement> NewDropViewSqlStatement(std::uint8_t V) { return Typed(V, sstDropView); }
WEAK std::unique_ptr<TCustomSqlStatement> NewAlterTableStatement(std::uint8_t V) { return Typed(V, sstAlterTable); }
WEAK std::unique_ptr<TCustomSqlStatement> NewPlsqlBlockStatement(std::uint8_t V) {
    return CreateNodeOfClass<TPlsqlUnavailableStatement>(V);
}
