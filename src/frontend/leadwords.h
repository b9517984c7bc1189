// The words the splitter tells statements by, found from token codes: each
// dialect's scanner gives a keyword its own code, so a statement's leading
// word is known without reading its text.  Words that are no keyword in a
// dialect are still told by their text.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

class TSourceToken;
class TSourceTokenList;

enum TLeadWord : std::uint8_t {
    lwNone,
    lwAlter, lwAnalyze, lwBegin, lwBitmap, lwCommit, lwCreate, lwDeclare, lwDelete, lwDrop, lwForce,
    lwFunction, lwGlobal, lwGrant, lwIndex, lwInsert, lwLocal, lwMerge, lwNoforce, lwOr, lwPackage,
    lwProcedure, lwReplace, lwRevoke, lwRollback, lwSavepoint, lwSelect, lwSession, lwSet, lwTable, lwTemp,
    lwTemporary, lwTrigger, lwTruncate, lwType, lwUnique, lwUpdate, lwView,
    lwCount
};

// The word a text is (any case, blanks around it ignored); lwNone for any
// other text.
TLeadWord LeadWordOfText(std::string_view Text);

class TLeadWords {
public:
    // The table of the vendor's scanner, made once per process.
    static const TLeadWords& Of(std::uint8_t Vendor);

    // The word T is: by its code when that is one of the words' keyword
    // codes, else by its text.
    TLeadWord WordOf(const TSourceToken* T) const;
    // Whether Word is among the MaxCount significant tokens after Pos (a
    // search for TABLE passes over TEMPORARY, TEMP, LOCAL and GLOBAL).
    bool Ahead(const TSourceTokenList& L, int Pos, TLeadWord Word, int MaxCount) const;

private:
    explicit TLeadWords(std::uint8_t Vendor);
    std::vector<TLeadWord> FByCode;  // keyword code -> word
};
