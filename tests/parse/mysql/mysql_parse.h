// Parses MySQL text with the MySQL scanner and parser, as a statement does.
#pragma once

#include <memory>
#include <string>

#include "parse/mysql/rklexmysql.h"
#include "parse/mysql/rkyaccmysqlsql.h"
#include "parse/mysql/sqltree_check.h"

namespace mysql_test {

using namespace treetest;

// Owning token list of Text, as the scanner delivers it.
inline std::unique_ptr<TSourceTokenList> Tokenize(const std::string& Text) {
    return sqltest::Tokenize<TRkLexerMySQL>(Text);
}

using MySQLParseFixture = TreeFixture<sqltest::ParseFixture<TRkLexerMySQL, TRkParserMySQLSql, 2>>;

}  // namespace mysql_test
