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

class MySQLParseFixture : public RoundTripFixture<sqltest::ParseFixture<TRkLexerMySQL, TRkParserMySQLSql, 2>> {
protected:
    // Parses Text, which must be accepted, and gives its root as T (throws
    // when it is not one).
    template <class T>
    T* Root(const std::string& Text) {
        TRk_Node* n = Parse(Text);
        EXPECT_EQ(Result, 0) << Text;
        EXPECT_TRUE(Errors.empty()) << Text << ": " << (Errors.empty() ? "" : Errors[0].Token + " " + Errors[0].Expected);
        return Is<T>(n);
    }
    // Parses Text, which must be refused with one report, and gives the
    // token the report names.
    std::string Refused(const std::string& Text) {
        Parse(Text);
        EXPECT_EQ(Errors.size(), 1u) << Text;
        return Errors.empty() ? "<accepted>" : Errors[0].Token;
    }
};

}  // namespace mysql_test
