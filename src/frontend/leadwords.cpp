// Leading words of statements by token code.
#include "frontend/leadwords.h"

#include <algorithm>
#include <exception>
#include <string>

#include "frontend/marlsqlparser.h"
#include "nodes/u_nodes.h"
#include "parse/parserfactory.h"

namespace {

// Lower case, in the order of TLeadWord (which is ASCII order).
constexpr std::string_view WordTexts[] = {
    "",          "alter",   "analyze",   "begin",   "bitmap",  "commit",   "create",   "declare", "delete",
    "drop",      "force",   "function",  "global",  "grant",   "index",    "insert",   "local",   "merge",
    "noforce",   "or",      "package",   "procedure", "replace", "revoke", "rollback", "savepoint", "select",
    "session",   "set",     "table",     "temp",    "temporary", "trigger", "truncate", "type",    "unique",
    "update",    "view",
};
static_assert(std::size(WordTexts) == lwCount);
static_assert(std::is_sorted(std::begin(WordTexts), std::end(WordTexts)));

constexpr std::size_t LongestWord = 9;  // "procedure", "savepoint", "temporary"

// A code that two words share tells neither: such tokens go by their text.
constexpr TLeadWord lwByText = lwCount;

}  // namespace

TLeadWord LeadWordOfText(std::string_view Text) {
    while (!Text.empty() && Text.front() == ' ') Text.remove_prefix(1);
    while (!Text.empty() && Text.back() == ' ') Text.remove_suffix(1);
    if (Text.empty() || Text.size() > LongestWord) return lwNone;
    char Lower[LongestWord];
    for (std::size_t i = 0; i < Text.size(); ++i) {
        const auto C = static_cast<unsigned char>(Text[i]);
        Lower[i] = static_cast<char>(C >= 'A' && C <= 'Z' ? C + ('a' - 'A') : C);
    }
    const std::string_view Word(Lower, Text.size());
    const auto* It = std::lower_bound(std::begin(WordTexts) + 1, std::end(WordTexts), Word);
    return It != std::end(WordTexts) && *It == Word ? static_cast<TLeadWord>(It - std::begin(WordTexts)) : lwNone;
}

// The vendor's scanner reads every word once, each as a statement's first
// word; the codes it gives the keywords among them make the table.
TLeadWords::TLeadWords(std::uint8_t Vendor) {
    std::string Text;
    for (int W = lwNone + 1; W < lwCount; ++W) Text.append(WordTexts[W]).append(";\r\n");
    TSourceTokenList Tokens(true);
    try {
        TokenizeString(Vendor, Text, Tokens);
    } catch (const std::exception&) {
        return;  // a dialect not in the build: every word by its text
    }
    for (const TSourceToken* T : Tokens.Items()) {
        const TLeadWord W = T->TokenType == ttKeyword && T->TokenCode >= 0 ? LeadWordOfText(T->GetText()) : lwNone;
        if (W == lwNone) continue;
        const auto C = static_cast<std::size_t>(T->TokenCode);
        if (C >= FByCode.size()) FByCode.resize(C + 1, lwNone);
        FByCode[C] = FByCode[C] == lwNone || FByCode[C] == W ? W : lwByText;
    }
}

const TLeadWords& TLeadWords::Of(std::uint8_t Vendor) {
    switch (Vendor) {
        case VendorMssql: {
            static const TLeadWords Words(VendorMssql);
            return Words;
        }
        case VendorMySQL: {
            static const TLeadWords Words(VendorMySQL);
            return Words;
        }
        case VendorMsaccess: {
            static const TLeadWords Words(VendorMsaccess);
            return Words;
        }
        default: {  // every other vendor reads with the Oracle scanner
            static const TLeadWords Words(VendorOracle);
            return Words;
        }
    }
}

TLeadWord TLeadWords::WordOf(const TSourceToken* T) const {
    const auto C = static_cast<std::size_t>(T->TokenCode);
    if (T->TokenCode >= 0 && C < FByCode.size() && FByCode[C] != lwNone && FByCode[C] != lwByText)
        return FByCode[C];
    return LeadWordOfText(T->GetText());
}

bool TLeadWords::Ahead(const TSourceTokenList& L, int Pos, TLeadWord Word, int MaxCount) const {
    if (Pos < 0 || Pos > L.Count() - 2) return false;
    int Counted = 0;
    for (int j = Pos + 1; j < L.Count(); ++j) {
        const TSourceToken* T = L.TokenAt(j);
        if (T->TokenType == ttBlanks || T->TokenType == ttLineBreak || T->TokenCode == tcBlockComment ||
            T->TokenCode == tcLineComment)
            continue;
        const TLeadWord W = WordOf(T);
        if (Word == lwTable && (W == lwTemporary || W == lwTemp || W == lwLocal || W == lwGlobal)) continue;
        if (W == Word) return true;
        if (++Counted == MaxCount) return false;
    }
    return false;
}
