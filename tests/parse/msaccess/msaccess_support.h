// Shared by the MS Access grammar and driver tests: a fixture that parses
// one text with TRkParserMsaccessSql.
#pragma once

#include <memory>
#include <string>

#include "parse/msaccess/msaccesstokens.h"
#include "parse/msaccess/rklexmsaccess.h"
#include "parse/msaccess/rkyaccmsaccesssql.h"
#include "parse/mysql/sqltree_check.h"

namespace access_test {

using namespace treetest;

// Owning token list of Text, as the scanner delivers it.
inline std::unique_ptr<TSourceTokenList> Tokenize(const std::string& Text) {
    return sqltest::Tokenize<TRkLexerMsaccess>(Text);
}

using AccessParseFixture = TreeFixture<sqltest::ParseFixture<TRkLexerMsaccess, TRkParserMsaccessSql, 3>>;

}  // namespace access_test
