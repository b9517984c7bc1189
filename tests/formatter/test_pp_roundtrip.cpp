// Formatting keeps the script: for every statement of the samples and of the
// shared corpus (when present) that parses without error, in every vendor,
// the pretty text scans to the same significant tokens and comments (case
// aside; strings and quoted names byte for byte), parses again without error
// into a statement of the same class, and prints again to the same text.
//
// Statements that still differ are listed in roundtrip_known.txt (vendor,
// script, statement index, reason).  A difference that is not listed fails
// the test; a listed statement that now passes is only reported, so that the
// entry can be deleted.  With ORRERY_ROUNDTRIP_SHOW set in the environment
// the test also prints the texts of every difference.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "test_pp_fixture.h"

namespace fs = std::filesystem;

namespace {

struct VendorDir {
    const char* Name;  // folder of the corpus, prefix of the sample's file name
    std::uint8_t Vendor;
};

const VendorDir Vendors[] = {{"mssql", 0}, {"oracle", 1}, {"mysql", 2}, {"access", 3}, {"generic", 4}};

std::string ReadFile(const fs::path& P) {
    std::ifstream In(P, std::ios::binary);
    std::stringstream S;
    S << In.rdbuf();
    return S.str();
}

// Key of a statement in the known-differences list.
std::string Key(const std::string& Vendor, const std::string& Script, int Index) {
    return Vendor + "\t" + Script + "\t" + std::to_string(Index);
}

// The known differences: "vendor<TAB>script<TAB>index<TAB>reason" lines;
// blank lines and lines starting with # are skipped.
std::map<std::string, std::string> KnownDifferences() {
    std::map<std::string, std::string> Known;
    const char* Src = std::getenv("ORRERY_SOURCE_DIR");
    if (!Src) return Known;
    std::istringstream In(ReadFile(fs::path(Src) / "tests" / "formatter" / "roundtrip_known.txt"));
    for (std::string Line; std::getline(In, Line);) {
        if (Line.empty() || Line[0] == '#') continue;
        std::vector<std::string> F;
        std::istringstream Fields(Line);
        for (std::string Field; std::getline(Fields, Field, '\t');) F.push_back(Field);
        if (F.size() >= 3) Known[F[0] + "\t" + F[1] + "\t" + F[2]] = F.size() > 3 ? F[3] : "";
    }
    return Known;
}

// What the round trip compares of a token: strings, quoted names and
// comments as written (a comment's runs of white space as one blank, since
// its later lines follow the layout), everything else in lower case.
std::string Compared(const TSourceToken* T) {
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

bool Kept(const TSourceToken* T) {
    return T && !T->GetText().empty() && T->TokenType != ttBlanks && T->TokenType != ttLineBreak;
}

// The tokens a statement's pretty text has to hold: its source tokens but
// the terminator, and for the script's first statement the comments before
// it.
std::vector<std::string> SourceWords(TCustomMarlSqlParser& P, TCustomSqlStatement* S, bool FirstOfScript) {
    std::vector<std::string> W;
    const auto& Items = S->SourceTokens->Items();
    if (FirstOfScript && !Items.empty())
        for (int i = 0; i < Items.front()->PosInList; ++i)
            if (TSourceToken* T = P.Tokens().TokenAt(i); Kept(T)) W.push_back(Compared(T));
    for (TSourceToken* T : Items)
        if (Kept(T) && T != S->TerminatorToken) W.push_back(Compared(T));
    return W;
}

std::vector<std::string> ScriptWords(TCustomMarlSqlParser& Q, const std::string& DropLast) {
    std::vector<std::string> W;
    for (TSourceToken* T : Q.Tokens().Items())
        if (Kept(T)) W.push_back(Compared(T));
    if (!DropLast.empty() && !W.empty() && W.back() == DropLast) W.pop_back();
    return W;
}

// A statement that holds one the parser recovered from (SQL Server): it has
// error records of its own in the script, not in the statement.
bool HoldsErrorStatement(TCustomSqlStatement* S) {
    if (!S) return false;
    if (S->StatementType == sstErrorStmt) return true;
    for (auto& Sub : S->SubStatements)
        if (HoldsErrorStatement(Sub.get())) return true;
    return false;
}

// The first difference between the source and the printed words, as text.
std::string WordDifference(const std::vector<std::string>& A, const std::vector<std::string>& B) {
    size_t i = 0;
    while (i < A.size() && i < B.size() && A[i] == B[i]) ++i;
    auto At = [](const std::vector<std::string>& V, size_t k) {
        return k < V.size() ? "'" + V[k].substr(0, 40) + "'" : std::string("end");
    };
    return "token " + std::to_string(i) + ": source " + At(A, i) + ", printed " + At(B, i);
}

// Why statement S does not survive the round trip; "" when it does.
std::string RoundTripFault(std::uint8_t Vendor, TCustomMarlSqlParser& P, TCustomSqlStatement* S, bool First) {
    const std::string Pretty = S->GetPrettyText();
    if (Pretty.empty()) return "empty pretty text";
    std::string Terminator = S->TerminatorToken ? std::string(S->TerminatorToken->GetText()) : "";
    TMarlSqlParser Q(Vendor);
    Q.SetSqlTextString(Pretty + Terminator);
    const int Errors = Q.Parse();
    const std::vector<std::string> Want = SourceWords(P, S, First);
    const std::vector<std::string> Got = ScriptWords(Q, LowerCase(Terminator));
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

struct Counts {
    int Statements = 0, Checked = 0, Same = 0, Listed = 0, New = 0, NowPass = 0;
};

class FormatRoundTrip : public pptest::PrinterTest, public ::testing::WithParamInterface<VendorDir> {};

TEST_P(FormatRoundTrip, EveryParsedStatementPrintsBackToItself) {
    const VendorDir V = GetParam();
    REQUIRE_DIALECT(V.Vendor);
    std::vector<std::pair<std::string, fs::path>> Scripts;  // name in the list, path
    if (const char* Src = std::getenv("ORRERY_SOURCE_DIR")) {
        const fs::path Samples = fs::path(Src) / "samples";
        std::error_code Ec;
        for (const auto& E : fs::directory_iterator(Samples, Ec))
            if (E.path().filename().string().rfind(std::string(V.Name) + "_", 0) == 0)
                Scripts.emplace_back("samples/" + E.path().filename().string(), E.path());
    }
    if (const char* Shared = std::getenv("ORRERY_SHARED_DIR")) {
        std::error_code Ec;
        for (const auto& E : fs::directory_iterator(fs::path(Shared) / "corpus" / V.Name, Ec))
            if (E.is_regular_file()) Scripts.emplace_back(E.path().filename().string(), E.path());
    }
    std::sort(Scripts.begin(), Scripts.end());
    ASSERT_FALSE(Scripts.empty()) << "no sample script for " << V.Name;

    const std::map<std::string, std::string> Known = KnownDifferences();
    Counts C;
    std::string NewFaults, NowPassing;
    for (const auto& [Name, Path] : Scripts) {
        TMarlSqlParser P(V.Vendor);
        P.SetSqlTextString(ReadFile(Path));
        P.Parse();
        for (int i = 0; i < P.Statements().Count(); ++i) {
            TCustomSqlStatement* S = P.Statements().GetStatement(i);
            ++C.Statements;
            // The SQL Server front end parses the script as a whole; its
            // statements parse their own tokens on demand.
            if (S && !S->Parsed && V.Vendor == 0) S->Parse(false);
            if (!S || !S->Parsed || S->GetErrorCount() > 0 || HoldsErrorStatement(S)) continue;
            ++C.Checked;
            const std::string Fault = RoundTripFault(V.Vendor, P, S, i == 0);
            if (!Fault.empty() && std::getenv("ORRERY_ROUNDTRIP_SHOW"))
                std::cout << Key(V.Name, Name, i) << "\t" << Fault << "\nprinted:\n" << S->GetPrettyText() << "\n";
            const auto Listed = Known.find(Key(V.Name, Name, i));
            if (Fault.empty()) {
                ++C.Same;
                if (Listed != Known.end()) {
                    ++C.NowPass;
                    NowPassing += "  " + Key(V.Name, Name, i) + "\n";
                }
            } else if (Listed != Known.end()) {
                ++C.Listed;
            } else {
                ++C.New;
                NewFaults += Key(V.Name, Name, i) + "\t" + Fault + "\n";
            }
        }
    }
    std::cout << "[round trip] " << V.Name << ": " << C.Statements << " statements, " << C.Checked
              << " parsed without error, " << C.Same << " print back to themselves, " << C.Listed
              << " listed as known differences, " << C.New << " new differences\n";
    if (!NowPassing.empty())
        std::cout << "[round trip] these listed statements pass now; delete them from roundtrip_known.txt:\n"
                  << NowPassing;
    // One line per new difference, in the list's own format.
    if (!NewFaults.empty()) std::cout << NewFaults;
    EXPECT_EQ(C.New, 0) << "statements that do not print back to themselves, listed above: fix them, or add "
                           "their lines to tests/formatter/roundtrip_known.txt with the reason";
}

INSTANTIATE_TEST_SUITE_P(Vendors, FormatRoundTrip, ::testing::ValuesIn(Vendors),
                         [](const ::testing::TestParamInfo<VendorDir>& I) { return std::string(I.param.Name); });

}  // namespace
