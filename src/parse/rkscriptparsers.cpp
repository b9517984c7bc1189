#include "parse/rkscriptparsers.h"

#include <exception>

#include "parse/parserfactory.h"
#include "parse/rkyacclib.h"

namespace {

// The parsers being lent on this thread; a front end that parses inside
// another one's event lends its own for that time.
thread_local TRkScriptParsers* Lent = nullptr;

}  // namespace

TRkScriptParsers::TRkScriptParsers(std::uint8_t Vendor) : FVendor(Vendor) {
    try {
        FSql = TRkParserFactory(Vendor).CreateParser();
    } catch (const std::exception& E) {
        FError = E.what();
    }
    // The SQL Server grammar reads a whole script in one parse: nothing to
    // keep across parses there.
    if (FSql && Vendor != VendorMssql) FSql->KeepTrees = true;
}

TRkScriptParsers::~TRkScriptParsers() = default;

TRkCustomParser* TRkScriptParsers::Plsql() {
    if (!FPlsqlTried) {
        FPlsqlTried = true;
        FPlsql = TRkParserFactory(FVendor).CreatePlsqlParser();
        // Its statements are few and large: it grows its blocks itself.
        if (FPlsql) FPlsql->KeepTrees = true;
    }
    return FPlsql.get();
}

TRkCustomParser* TRkScriptParsers::Lend(const void* Owner, std::uint8_t Vendor, bool Plsql) {
    if (!Lent || Lent->FOwner != Owner || Lent->FVendor != Vendor || Vendor == VendorMssql) return nullptr;
    TRkCustomParser* P = Plsql ? Lent->Plsql() : Lent->FSql.get();
    return P && !P->InUse ? P : nullptr;
}

void TRkScriptParsers::Reserve(std::size_t Significant) {
    if (FSql && FSql->KeepTrees) FSql->ReserveTrees(Significant);
}

void TRkScriptParsers::Release() {
    if (FSql) FSql->ReleaseTrees();
    if (FPlsql) FPlsql->ReleaseTrees();
}

TRkScriptParsers::TLend::TLend(TRkScriptParsers& Parsers, const void* Owner) : FOuter(Lent) {
    Parsers.FOwner = Owner;
    Lent = &Parsers;
}

TRkScriptParsers::TLend::~TLend() { Lent = FOuter; }
