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

#include "roundtrip_check.h"
#include "test_pp_fixture.h"

namespace fs = std::filesystem;

using pptest::HoldsErrorStatement;
using pptest::RoundTripFault;

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
