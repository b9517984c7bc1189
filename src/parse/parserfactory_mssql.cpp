// The SQL Server dialect's scanner and parser for the parser factory.
#include "parse/mssql/rklexmssql.h"
#include "parse/mssql/rkyaccmssqlsql.h"
#include "parse/parserfactory.h"

namespace parserfactory_detail {

std::unique_ptr<TRkCustomLexer> CreateMssqlLexer() { return std::make_unique<TRkLexerMssql>(); }
std::unique_ptr<TRkCustomParser> CreateMssqlParser() { return std::make_unique<TRkParserMssqlSql>(); }

}  // namespace parserfactory_detail
