// Substitution variables: "&name" occurrences in a SQL*Plus script, valued
// by the host before the text is tokenized.
#include <cstring>

#include "nodes/rkexceptions.h"
#include "statementstructure/sqlstatement.h"

int PosFrom(const std::string& SubStr, const std::string& S, int Offset) {
    if (SubStr.empty() || Offset < 1) return 0;
    std::size_t Start = static_cast<std::size_t>(Offset - 1);
    if (Start + SubStr.size() > S.size()) return 0;
    std::size_t P = S.find(SubStr, Start);
    return P == std::string::npos ? 0 : static_cast<int>(P) + 1;
}

TSubstitutionVar* TSubstitutionVarList::GetItem(int Index) const {
    if (Index < 0 || Index >= Count()) throw ERkListError(Index);
    return FItems[static_cast<std::size_t>(Index)].get();
}

// Characters that continue a variable name.  The digit 0 is not one of
// them: "&t0" names "&t" and the 0 stays in the text.
static bool IsVarNameChar(unsigned char C) {
    return (C >= '1' && C <= '9') || (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z') || C == '_' || C == '#' ||
           C == '$';
}

void TSubStitutionVarProcess::Execute() {
    const std::string Original = Text;
    try {
        // Collect every occurrence with its offset.
        FVars.FItems.clear();
        FOffsets.clear();
        std::size_t P = Text.find('&');
        while (P != std::string::npos) {
            std::size_t Scan = P + 1;
            if (Scan < Text.size() && Text[Scan] == '&') ++Scan;  // "&&name" is one name
            while (Scan < Text.size() && IsVarNameChar(static_cast<unsigned char>(Text[Scan]))) ++Scan;
            auto V = std::make_unique<TSubstitutionVar>();
            V->Name = Text.substr(P, Scan - P);
            FVars.Add(std::move(V));
            FOffsets.push_back(P);
            if (Scan >= Text.size()) break;
            P = Text.find('&', Scan);
        }
        if (FOnSubstitutionVar) FOnSubstitutionVar(FVars);
        // Each occurrence takes its own entry's value.  Rebuilding in one pass
        // keeps a value that itself holds "&x" from being hit again.
        std::string R;
        R.reserve(Text.size());
        std::size_t From = 0;
        for (int i = 0; i < FVars.Count(); ++i) {
            TSubstitutionVar* V = FVars.GetItem(i);
            if (V->Value.empty()) V->Value = " ";
            R.append(Text, From, FOffsets[static_cast<std::size_t>(i)] - From);
            R += V->Value;
            From = FOffsets[static_cast<std::size_t>(i)] + V->Name.size();
        }
        R.append(Text, From, std::string::npos);
        Text = std::move(R);
    } catch (...) {
        // A failing host leaves the text unsubstituted.
        Text = Original;
    }
}
