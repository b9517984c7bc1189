// The round trip of a statement's pretty text: it scans to the statement's
// significant tokens and comments (case aside; strings and quoted names byte
// for byte), parses again without error into a statement of the same class,
// and prints again to the same text.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "test_pp_fixture.h"

namespace pptest {

// What the round trip compares of a token: strings, quoted names and
// comments as written (a comment's runs of white space as one blank, since
// its later lines follow the layout), everything else in lower case.
inline std::string Compared(const TSourceToken* T) {
    std::string R;
    if (T->TokenType == ttBlockComment || T->TokenType == ttLineComment) {
        for (char C : T->GetText()) {
            const bool White = C == ' ' || C == '\t' || C == '\r' || C == '\n';
            if (White && !R.empty() && R.back() == ' ') continue;
            R += White ? ' ' : C;
        }
        while (!R.empty() && R.back() == ' ') R.pop_back();
        return R;
    }
    if (T->TokenType == ttString || T->TokenType == ttQuotedName || T->TokenType == ttBracketedName) return std::string(T->GetText());
    return LowerCase(T->GetText());
}

inline bool Kept(const TSourceToken* T) {
    return T && !T->GetText().empty() && T->TokenType != ttBlanks && T->TokenType != ttLineBreak;
}

// The tokens a statement's pretty text has to hold: its source tokens but
// the terminator, and for the script's first statement the comments before
// it.
inline std::vector<std::string> SourceWords(TCustomMarlSqlParser& P, TCustomSqlStatement* S, bool FirstOfScript) {
    std::vector<std::string> W;
    const auto& Items = S->SourceTokens->Items();
    if (FirstOfScript && !Items.empty())
        for (int i = 0; i < Items.front()->PosInList; ++i)
            if (TSourceToken* T = P.Tokens().TokenAt(i); Kept(T)) W.push_back(Compared(T));
    for (TSourceToken* T : Items)
        if (Kept(T) && T != S->TerminatorToken) W.push_back(Compared(T));
    return W;
}

inline std::vector<std::string> ScriptWords(TCustomMarlSqlParser& Q, const std::string& DropLast) {
    std::vector<std::string> W;
    for (TSourceToken* T : Q.Tokens().Items())
        if (Kept(T)) W.push_back(Compared(T));
    if (!DropLast.empty() && !W.empty() && W.back() == DropLast) W.pop_back();
    return W;
}

// A statement that holds one the parser recovered from (SQL Server): it has
// error records of its own in the script, not in the statement.
inline bool HoldsErrorStatement(TCustomSqlStatement* S) {
    if (!S) return false;
    if (S->StatementType == sstErrorStmt) return true;
    for (auto& Sub : S->SubStatements)
        if (HoldsErrorStatement(Sub.get())) return true;
    return false;
}

// The first difference between the source and the printed words, as text.
inline std::string WordDifference(const std::vector<std::string>& A, const std::vector<std::string>& B) {
    size_t i = 0;
    while (i < A.size() && i < B.size() && A[i] == B[i]) ++i;
    auto At = [](const std::vector<std::string>& V, size_t k) {
        return k < V.size() ? "'" + V[k].substr(0, 40) + "'" : std::string("end");
    };
    return "token " + std::to_string(i) + ": source " + At(A, i) + ", printed " + At(B, i);
}

// Why statement S does not survive the round trip; "" when it does.  Out of
// order, the printed tokens need only be the source's as a multiset (a
// layout may move a table constraint after the columns).
inline std::string RoundTripFault(std::uint8_t Vendor, TCustomMarlSqlParser& P, TCustomSqlStatement* S, bool First,
                                  bool InOrder = true) {
    const std::string Pretty = S->GetPrettyText();
    if (Pretty.empty()) return "empty pretty text";
    std::string Terminator = S->TerminatorToken ? std::string(S->TerminatorToken->GetText()) : "";
    TMarlSqlParser Q(Vendor);
    Q.SetSqlTextString(Pretty + Terminator);
    const int Errors = Q.Parse();
    std::vector<std::string> Want = SourceWords(P, S, First);
    std::vector<std::string> Got = ScriptWords(Q, LowerCase(Terminator));
    if (!InOrder) {
        std::sort(Want.begin(), Want.end());
        std::sort(Got.begin(), Got.end());
    }
    if (Want != Got) return "tokens differ at " + WordDifference(Want, Got);
    if (Errors != 0 || Q.Statements().Count() != 1) return "does not parse again: " + Q.GetErrorMessages();
    TCustomSqlStatement* Again = Q.Statements().GetStatement(0);
    if (!Again || std::string(Again->ClassName()) != S->ClassName())
        return std::string("parses again as ") + (Again ? Again->ClassName() : "nothing");
    if (const std::string Second = Again->GetPrettyText(); Second != Pretty) {
        if (std::getenv("ORRERY_ROUNDTRIP_SHOW")) std::cout << "first:\n" << Pretty << "\nsecond:\n" << Second << "\n";
        return "prints differently the second time";
    }
    return "";
}

}  // namespace pptest
