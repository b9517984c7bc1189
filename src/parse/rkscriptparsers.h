// The parsers of one script: a front end makes one parser per grammar and
// lends it to every statement of the script while it parses them, instead
// of a parser with its own stacks and node memory per statement.  The
// trees stay in the lent parser's node pool, each owned by its statement's
// tree root only in name, until the script goes (Release).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

class TRkCustomParser;

class TRkScriptParsers {
public:
    // Vendor's SQL parser (nullptr with a message in Error when the dialect
    // is missing); the PL/SQL one is made on first lend.
    explicit TRkScriptParsers(std::uint8_t Vendor);
    ~TRkScriptParsers();
    TRkScriptParsers(const TRkScriptParsers&) = delete;
    TRkScriptParsers& operator=(const TRkScriptParsers&) = delete;

    TRkCustomParser* Sql() const { return FSql.get(); }
    const std::string& Error() const { return FError; }

    // The parser a statement of Vendor takes for its first tree while the
    // front end Owner lends its script's parsers (a TLend is alive on this
    // thread): the PL/SQL one when Plsql.  nullptr when none is lent, the
    // owner or vendor differs or the parser is in use.  A statement made
    // elsewhere meanwhile (by a host's event) keeps its tree in a parser of
    // its own: it may outlive the script.
    static TRkCustomParser* Lend(const void* Owner, std::uint8_t Vendor, bool Plsql);

    // Room for the trees of Significant significant tokens (the splitter's
    // count of the script).
    void Reserve(std::size_t Significant);
    // Frees every tree: the statements of the script are gone.
    void Release();

    // Lends the parsers to the statements of Owner while it lives; the lend
    // it hides comes back after.
    class TLend {
    public:
        TLend(TRkScriptParsers& Parsers, const void* Owner);
        ~TLend();
        TLend(const TLend&) = delete;
        TLend& operator=(const TLend&) = delete;

    private:
        TRkScriptParsers* FOuter;
    };

private:
    TRkCustomParser* Plsql();

    std::uint8_t FVendor;
    const void* FOwner = nullptr;   // whose statements take the parsers
    std::unique_ptr<TRkCustomParser> FSql;
    std::unique_ptr<TRkCustomParser> FPlsql;
    bool FPlsqlTried = false;
    std::string FError;
};
