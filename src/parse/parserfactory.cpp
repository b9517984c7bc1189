// Vendor code to dialect: the Oracle scanner and grammar serve Oracle and
// every vendor without a dialect of its own.
#include "parse/parserfactory.h"

#include <string_view>

#include "formatter/rkbasetype.h"
#include "nodes/rkexceptions.h"
#include "parse/oracle/oracletokens.h"
#include "parse/oracle/rklexoracle.h"
#include "parse/oracle/rkyaccoracleplsql.h"
#include "parse/oracle/rkyaccoraclesql.h"
#include "parse/rklexlib.h"
#include "parse/rkyacclib.h"

// Each dialect's parser header is read in a file of its own (the headers of
// two dialects do not go into one translation unit together).
namespace parserfactory_detail {
std::unique_ptr<TRkCustomLexer> CreateMySQLLexer();
std::unique_ptr<TRkCustomParser> CreateMySQLParser();
std::unique_ptr<TRkCustomLexer> CreateMsaccessLexer();
std::unique_ptr<TRkCustomParser> CreateMsaccessParser();
std::unique_ptr<TRkCustomLexer> CreateMssqlLexer();
std::unique_ptr<TRkCustomParser> CreateMssqlParser();
}  // namespace parserfactory_detail

bool TRkParserFactory::DialectAvailable() const { return true; }

std::unique_ptr<TRkCustomLexer> TRkParserFactory::CreateLexer() const {
    if (FVendor == VendorMssql) return parserfactory_detail::CreateMssqlLexer();
    if (FVendor == VendorMySQL) return parserfactory_detail::CreateMySQLLexer();
    if (FVendor == VendorMsaccess) return parserfactory_detail::CreateMsaccessLexer();
    return std::make_unique<TRkLexerOracle>();
}

std::unique_ptr<TRkCustomParser> TRkParserFactory::CreateParser() const {
    if (FVendor == VendorMssql) return parserfactory_detail::CreateMssqlParser();
    if (FVendor == VendorMySQL) return parserfactory_detail::CreateMySQLParser();
    if (FVendor == VendorMsaccess) return parserfactory_detail::CreateMsaccessParser();
    return std::make_unique<TRkParserOracleSql>();
}

std::unique_ptr<TRkCustomParser> TRkParserFactory::CreatePlsqlParser() const {
    // PL/SQL units are Oracle's alone.
    if (FVendor != VendorOracle) return nullptr;
    return std::make_unique<TRkParserOraclePlsql>();
}

bool FindKeyword(std::string_view Text, int& Code) {
    int32_t Found = 0;
    if (!IsOracleKeyword(Text, Found)) return false;
    Code = Found;
    return true;
}
