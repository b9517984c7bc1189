// A comment between any two tokens of a statement survives formatting, as
// a user's stray note would: for statements of the samples and of the shared
// corpus (when present), in every vendor and every CommentStyle, a block
// comment, and a line comment with its line break, are put before sampled
// tokens of the statement (and after its last).  The formatted text holds
// the comment once and every source token once, parses again to one clean
// statement of the same class, and formats again to the same text.
//
// Statements with error records are checked too: they print as written.
// Only statements that print back to themselves without the comment, and
// commented texts that parse as cleanly as the statement did, are checked:
// the rest is the round-trip test's and the parsers' business.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
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

// Statements checked per vendor, spread over the scripts, and comment
// positions per statement: enough to meet every printer, few enough to
// stay within seconds under the sanitizers.
constexpr size_t kStatementsPerVendor = 160;
constexpr size_t kPositionsPerStatement = 5;
// Longer statements (an error that runs to the end of a script) are left
// out: each position parses and prints the whole statement three times.
constexpr size_t kLongestStatement = 4000;

std::vector<fs::path> Scripts(const VendorDir& V) {
    std::vector<fs::path> R;
    std::error_code Ec;
    if (const char* Src = std::getenv("ORRERY_SOURCE_DIR"))
        for (const auto& E : fs::directory_iterator(fs::path(Src) / "samples", Ec))
            if (E.path().filename().string().rfind(std::string(V.Name) + "_", 0) == 0) R.push_back(E.path());
    if (const char* Shared = std::getenv("ORRERY_SHARED_DIR"))
        for (const auto& E : fs::directory_iterator(fs::path(Shared) / "corpus" / V.Name, Ec))
            if (E.is_regular_file()) R.push_back(E.path());
    std::sort(R.begin(), R.end());
    return R;
}

std::string ReadFile(const fs::path& P) {
    std::ifstream In(P, std::ios::binary);
    std::stringstream S;
    S << In.rdbuf();
    return S.str();
}

bool HoldsErrorStatement(TCustomSqlStatement* S) {
    if (S->StatementType == sstErrorStmt) return true;
    for (auto& Sub : S->SubStatements)
        if (HoldsErrorStatement(Sub.get())) return true;
    return false;
}

// The one statement of a text that parses into one, cleanly (Broken false)
// or with error records (Broken true); else nullptr.
TCustomSqlStatement* OnlyStatement(TMarlSqlParser& Q, const std::string& Text, bool Broken) {
    Q.SetSqlTextString(Text);
    const int Errors = Q.Parse();
    if (Q.Statements().Count() != 1) return nullptr;
    TCustomSqlStatement* S = Q.Statements().GetStatement(0);
    if (!S->Parsed && S->GetErrorCount() == 0) S->Parse(false);
    const bool Clean = Errors == 0 && S->Parsed && S->GetErrorCount() == 0 && !HoldsErrorStatement(S);
    return Clean != Broken ? S : nullptr;
}

// What a text scans to: its significant tokens (case aside, strings and
// quoted names as written) and comments (runs of white space as one blank,
// a line comment wrapped by CommentStyle as the line comment).
std::vector<std::string> Words(TCustomMarlSqlParser& Q) {
    std::vector<std::string> W;
    for (TSourceToken* T : Q.Tokens().Items()) {
        const std::string_view Text = T->GetText();
        if (T->TokenType == ttBlockComment || T->TokenType == ttLineComment) {
            std::string C;
            for (char Ch : Text) {
                const bool White = Ch == ' ' || Ch == '\t' || Ch == '\r' || Ch == '\n';
                if (!White || C.empty() || C.back() != ' ') C += White ? ' ' : Ch;
            }
            while (!C.empty() && C.back() == ' ') C.pop_back();
            if (C.starts_with("/* --") && C.ends_with(" */")) C = C.substr(3, C.size() - 6);
            W.push_back(C);
        } else if (T->IsSignificant() && !Text.empty()) {
            const bool AsWritten = T->TokenType == ttString || T->TokenType == ttQuotedName ||
                                   T->TokenType == ttBracketedName;
            W.push_back(AsWritten ? std::string(Text) : LowerCase(Text));
        }
    }
    return W;
}

// Why the formatted text of S, parsed alone from Q, is wrong; "" when it is
// right.  Marker: the inserted comment's word, empty for none.
std::string Fault(std::uint8_t Vendor, TMarlSqlParser& Q, TCustomSqlStatement* S, const std::string& Marker,
                  bool Broken) {
    const std::string Pretty = S->GetPrettyText();
    const std::string Out = Pretty + (S->TerminatorToken ? std::string(S->TerminatorToken->GetText()) : "");
    if (!Marker.empty() && pptest::Occurrences(Out, Marker) != 1)
        return "the comment prints " + std::to_string(pptest::Occurrences(Out, Marker)) + " times";
    TMarlSqlParser Again(Vendor);
    TCustomSqlStatement* A = OnlyStatement(Again, Out, Broken);
    if (Words(Again) != Words(Q)) return "the tokens differ";
    if (!A) return "does not parse again into one statement as clean as before";
    if (std::string(A->ClassName()) != S->ClassName()) return std::string("parses again as ") + A->ClassName();
    if (A->GetPrettyText() != Pretty) {
        if (std::getenv("ORRERY_ROUNDTRIP_SHOW")) std::cout << "second:\n" << A->GetPrettyText() << "\n";
        return "prints differently the second time";
    }
    return "";
}

struct Counts {
    int Statements = 0, Positions = 0, NotAccepted = 0, Failed = 0;
    std::string Examples;
};

// The statement's own text, from its first token through its terminator.
std::string StatementText(TMarlSqlParser& P, TCustomSqlStatement* S) {
    const auto& Items = S->SourceTokens->Items();
    if (Items.empty()) return {};
    int32_t Last = Items.back()->PosInList;
    if (S->TerminatorToken) Last = std::max(Last, S->TerminatorToken->PosInList);
    std::string R;
    for (int32_t i = Items.front()->PosInList; i <= Last; ++i)
        if (TSourceToken* T = P.Tokens().TokenAt(i)) R += T->GetText();
    return R;
}

// Puts each comment kind at sampled positions of the statement Base, which
// prints back to itself, and checks the formatted text under every
// CommentStyle.
struct Base {
    std::string Text, Class;
};

void CheckPositions(std::uint8_t Vendor, const Base& B, bool Broken, Counts& C) {
    TMarlSqlParser Q(Vendor);
    TCustomSqlStatement* S = OnlyStatement(Q, B.Text, Broken);
    if (!S) return;
    // Byte offsets before each significant token but the first, and the end
    // of a statement without a terminator (the comments after a terminator
    // print before it, with the statement).
    std::vector<size_t> At;
    bool Started = false;
    std::string Text;
    for (TSourceToken* T : Q.Tokens().Items()) {
        const bool Word = T->IsSignificant() && !T->GetText().empty();   // not the end of the input
        if (Word && Started) At.push_back(Text.size());
        Started = Started || Word;
        Text += T->GetText();
    }
    // (A SQL Server statement holds the ";" that ends it.)
    if (!S->TerminatorToken && !TrimTrailingSpace(Text).ends_with(";")) At.push_back(Text.size());
    const size_t Step = std::max<size_t>(1, At.size() / kPositionsPerStatement);
    for (size_t k = 0; k < At.size(); k += Step) {
        for (int Kind = 0; Kind < 2; ++Kind) {
            const std::string Marker = "note" + std::to_string(C.Positions);
            const std::string Comment = Kind == 0 ? " /* " + Marker + " */ " : " -- " + Marker + "\r\n";
            const std::string Sql = Text.substr(0, At[k]) + Comment + Text.substr(At[k]);
            ++C.Positions;
            for (std::uint8_t Style : {0, 1, 2}) {
                FmtOpt = TRkFmtOpt();
                FmtOpt.CommentStyle = Style;
                TMarlSqlParser P(Vendor);
                TCustomSqlStatement* Commented = OnlyStatement(P, Sql, Broken);
                if (!Commented || B.Class != Commented->ClassName()) {
                    ++C.NotAccepted;
                    break;
                }
                if (const std::string F = Fault(Vendor, P, Commented, Marker, Broken); !F.empty()) {
                    if (++C.Failed <= 12)
                        C.Examples += "  [CommentStyle " + std::to_string(Style) + "] " + F + ":\n" + Sql + "\n";
                    if (std::getenv("ORRERY_ROUNDTRIP_SHOW")) std::cout << "source:\n" << Sql << "\nprinted:\n" << Commented->GetPrettyText() << "\n";
                    break;
                }
            }
        }
    }
    FmtOpt = TRkFmtOpt();
}

// The statements of the vendor's scripts that print back to themselves,
// clean ones or (Broken) ones with error records, as texts of their own.
std::vector<Base> Bases(const VendorDir& V, bool Broken) {
    std::vector<Base> R;
    for (const fs::path& Path : Scripts(V)) {
        TMarlSqlParser P(V.Vendor);
        P.SetSqlTextString(ReadFile(Path));
        P.Parse();
        for (int i = 0; i < P.Statements().Count(); ++i) {
            TCustomSqlStatement* S = P.Statements().GetStatement(i);
            if (!S->Parsed && S->GetErrorCount() == 0) S->Parse(false);
            const bool Clean = S->Parsed && S->GetErrorCount() == 0 && !HoldsErrorStatement(S);
            if (Clean == Broken) continue;
            const std::string Text = StatementText(P, S);
            if (Text.size() > kLongestStatement) continue;
            TMarlSqlParser Q(V.Vendor);
            TCustomSqlStatement* Alone = OnlyStatement(Q, Text, Broken);
            if (Alone && std::string(Alone->ClassName()) == S->ClassName() && Fault(V.Vendor, Q, Alone, "", Broken).empty())
                R.push_back({Text, S->ClassName()});
        }
    }
    return R;
}

void Check(const VendorDir& V, bool Broken) {
    ASSERT_FALSE(Scripts(V).empty()) << "no sample script for " << V.Name;
    const std::vector<Base> All = Bases(V, Broken);
    Counts C;
    const size_t Step = std::max<size_t>(1, All.size() / kStatementsPerVendor);
    for (size_t i = 0; i < All.size(); i += Step, ++C.Statements) CheckPositions(V.Vendor, All[i], Broken, C);
    std::cout << "[comment anywhere] " << V.Name << (Broken ? ", with error records: " : ": ") << C.Statements
              << " statements, " << C.Positions << " positions x 3 comment styles, " << C.NotAccepted
              << " commented texts parse otherwise, " << C.Failed << " failed\n";
    EXPECT_EQ(C.Failed, 0) << "first failures:\n" << C.Examples;
}

class CommentAnywhere : public pptest::PrinterTest, public ::testing::WithParamInterface<VendorDir> {};

TEST_P(CommentAnywhere, PrintsOnceAndFormatsToItself) {
    REQUIRE_DIALECT(GetParam().Vendor);
    Check(GetParam(), false);
}

// A statement with error records prints as written, the comment with it.
TEST_P(CommentAnywhere, PrintsOnceInAStatementWithErrorRecords) {
    REQUIRE_DIALECT(GetParam().Vendor);
    Check(GetParam(), true);
}

INSTANTIATE_TEST_SUITE_P(Vendors, CommentAnywhere, ::testing::ValuesIn(Vendors),
                         [](const ::testing::TestParamInfo<VendorDir>& I) { return std::string(I.param.Name); });

}  // namespace
