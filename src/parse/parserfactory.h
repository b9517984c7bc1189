// Maps a vendor code to the dialect's scanner and parsers.  Dialects plug in
// only here; a vendor whose dialect is not part of this build gets an
// ERkError naming the dialect, which the callers turn into an error record.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "parse/rklexlib.h"
#include "parse/rkyacclib.h"

// Vendor codes.
inline constexpr std::uint8_t VendorMssql = 0;
inline constexpr std::uint8_t VendorOracle = 1;
inline constexpr std::uint8_t VendorMySQL = 2;
inline constexpr std::uint8_t VendorMsaccess = 3;
inline constexpr std::uint8_t VendorGeneric = 4;

// The generic dialect and every vendor without a grammar of its own parse
// with the Oracle scanner and grammar, so their trees are Oracle trees.
inline constexpr bool UsesOracleGrammar(std::uint8_t Vendor) {
    return Vendor == VendorOracle || Vendor >= VendorGeneric;
}

class TRkParserFactory {
public:
    explicit TRkParserFactory(std::uint8_t Vendor) : FVendor(Vendor) {}

    std::uint8_t Vendor() const { return FVendor; }
    // Whether this build holds a dialect for the vendor.
    bool DialectAvailable() const;
    // Vendor 0 the SQL Server scanner, 2 MySQL, 3 MS Access, any other
    // value the Oracle scanner.
    std::unique_ptr<TRkCustomLexer> CreateLexer() const;
    std::unique_ptr<TRkCustomParser> CreateParser() const;
    // The PL/SQL parser: vendor 1 only, nullptr for every other vendor.
    std::unique_ptr<TRkCustomParser> CreatePlsqlParser() const;

private:
    std::uint8_t FVendor = 1;
};

// Looks Text up in the Oracle keyword table (whatever the vendor).
bool FindKeyword(std::string_view Text, int& Code);
