// Vendor code to dialect: the Oracle scanner and grammar serve Oracle and
// every vendor without a dialect of its own.
#include "parse/parserfactory.h"

#include <string_view>

#include "formatter/rkbasetype.h"
#include "nodes/rkexceptions.h"
#include "parse/oracle/oracletokens.h"
#include "parse/rklexlib.h"
#include "parse/rkyacclib.h"
#if __has_include("parse/oracle/rklexoracle.h")
#include "parse/oracle/rklexoracle.h"
#define ORRERY_HAS_ORACLE_LEXER 1
#endif
#if __has_include("parse/oracle/rkyaccoraclesql.h")
#include "parse/oracle/rkyaccoraclesql.h"
#define ORRERY_HAS_ORACLE_PARSER 1
#endif

namespace {

struct TKeywordEntry {
    std::string_view Name;
    int Code;
};

#define ORACLE_FACTORY_KEYWORD(word, code) {#word, code},
constexpr TKeywordEntry OracleKeywords[] = {ORACLE_KEYWORD_LIST(ORACLE_FACTORY_KEYWORD)};
#undef ORACLE_FACTORY_KEYWORD
static_assert(std::size(OracleKeywords) == oracletok::KeywordCount);

// The dialects of vendors 0, 2 and 3 are separate subsystems; until they
// are part of the build their vendors get a clear failure.
[[noreturn]] void MissingDialect(std::uint8_t Vendor) {
    throw ERkError(std::string("The ") + DbVendorNames[Vendor] + " dialect is not available in this build");
}

bool OwnDialect(std::uint8_t Vendor) {
    return Vendor == VendorMssql || Vendor == VendorMySQL || Vendor == VendorMsaccess;
}

}  // namespace

bool TRkParserFactory::DialectAvailable() const { return !OwnDialect(FVendor); }

std::unique_ptr<TRkCustomLexer> TRkParserFactory::CreateLexer() const {
    if (OwnDialect(FVendor)) MissingDialect(FVendor);
#ifdef ORRERY_HAS_ORACLE_LEXER
    return std::make_unique<TRkLexerOracle>();
#else
    throw ERkError("The Oracle scanner is not available in this build");
#endif
}

std::unique_ptr<TRkCustomParser> TRkParserFactory::CreateParser() const {
    if (OwnDialect(FVendor)) MissingDialect(FVendor);
#ifdef ORRERY_HAS_ORACLE_PARSER
    return std::make_unique<TRkParserOracleSql>();
#else
    throw ERkError("The Oracle grammar is not available in this build");
#endif
}

std::unique_ptr<TRkCustomParser> TRkParserFactory::CreatePlsqlParser() const {
    // The PL/SQL parser joins here with the PL/SQL dialect (vendor 1 only).
    return nullptr;
}

bool FindKeyword(const std::string& Text, int& Code) {
    for (const TKeywordEntry& K : OracleKeywords)
        if (SameText(Text, K.Name)) {
            Code = K.Code;
            return true;
        }
    return false;
}
