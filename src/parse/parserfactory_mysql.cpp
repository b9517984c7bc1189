// The MySQL dialect's scanner and parser for the parser factory.
#include "parse/mysql/rklexmysql.h"
#include "parse/mysql/rkyaccmysqlsql.h"
#include "parse/parserfactory.h"

namespace parserfactory_detail {

std::unique_ptr<TRkCustomLexer> CreateMySQLLexer() { return std::make_unique<TRkLexerMySQL>(); }
std::unique_ptr<TRkCustomParser> CreateMySQLParser() { return std::make_unique<TRkParserMySQLSql>(); }

}  // namespace parserfactory_detail
