// The parser component: input preparation, the parse of a whole script and
// the error records.  Tokenizing and statement splitting are in
// marlsqlparser_split.cpp.
#include "frontend/marlsqlparser.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "formatter/concretepp.h"
#include "formatter/rkbasetype.h"
#include "nodes/rkexceptions.h"
#include "nodes/rkobjectarena.h"
#include "parse/parserfactory.h"
#include "parse/rklexlib.h"
#include "parse/rkscriptparsers.h"
#include "parse/rkyacclib.h"

namespace {

const char* const CheckSyntaxOnlyLine = "Current status is check syntax only,no formatted sql outputted!";

// Appends the UTF-8 form of a code point.
void AppendUtf8(std::string& Out, std::uint32_t Cp) {
    if (Cp < 0x80) {
        Out += static_cast<char>(Cp);
    } else if (Cp < 0x800) {
        Out += static_cast<char>(0xC0 | (Cp >> 6));
        Out += static_cast<char>(0x80 | (Cp & 0x3F));
    } else if (Cp < 0x10000) {
        Out += static_cast<char>(0xE0 | (Cp >> 12));
        Out += static_cast<char>(0x80 | ((Cp >> 6) & 0x3F));
        Out += static_cast<char>(0x80 | (Cp & 0x3F));
    } else {
        Out += static_cast<char>(0xF0 | (Cp >> 18));
        Out += static_cast<char>(0x80 | ((Cp >> 12) & 0x3F));
        Out += static_cast<char>(0x80 | ((Cp >> 6) & 0x3F));
        Out += static_cast<char>(0x80 | (Cp & 0x3F));
    }
}

// UTF-16 bytes (after the byte-order mark) to UTF-8; an unpaired surrogate
// becomes U+FFFD, an odd last byte is dropped.
std::string Utf16ToUtf8(const std::string& Bytes, std::size_t Start, bool BigEndian) {
    std::string Out;
    Out.reserve(Bytes.size() / 2 + 16);
    auto Unit = [&](std::size_t i) -> std::uint32_t {
        auto B0 = static_cast<unsigned char>(Bytes[i]);
        auto B1 = static_cast<unsigned char>(Bytes[i + 1]);
        return BigEndian ? (B0 << 8 | B1) : (B1 << 8 | B0);
    };
    std::size_t i = Start;
    while (i + 1 < Bytes.size()) {
        std::uint32_t U = Unit(i);
        i += 2;
        if (U >= 0xD800 && U <= 0xDBFF) {
            if (i + 1 < Bytes.size()) {
                std::uint32_t L = Unit(i);
                if (L >= 0xDC00 && L <= 0xDFFF) {
                    i += 2;
                    AppendUtf8(Out, 0x10000 + ((U - 0xD800) << 10) + (L - 0xDC00));
                    continue;
                }
            }
            AppendUtf8(Out, 0xFFFD);
        } else if (U >= 0xDC00 && U <= 0xDFFF) {
            AppendUtf8(Out, 0xFFFD);
        } else {
            AppendUtf8(Out, U);
        }
    }
    return Out;
}

}  // namespace

std::vector<std::string> SplitInputLines(const std::string& Bytes) {
    std::string Converted;
    const std::string* Text = &Bytes;
    std::size_t Start = 0;
    if (Bytes.size() >= 2 && static_cast<unsigned char>(Bytes[0]) == 0xFF &&
        static_cast<unsigned char>(Bytes[1]) == 0xFE) {
        Converted = Utf16ToUtf8(Bytes, 2, false);
        Text = &Converted;
    } else if (Bytes.size() >= 2 && static_cast<unsigned char>(Bytes[0]) == 0xFE &&
               static_cast<unsigned char>(Bytes[1]) == 0xFF) {
        Converted = Utf16ToUtf8(Bytes, 2, true);
        Text = &Converted;
    }
    if (Text->size() >= 3 && static_cast<unsigned char>((*Text)[0]) == 0xEF &&
        static_cast<unsigned char>((*Text)[1]) == 0xBB && static_cast<unsigned char>((*Text)[2]) == 0xBF)
        Start = 3;

    // Lines end at CR LF, LF or a lone CR; a last line without one is kept
    // when it holds anything.  Each line is copied once, in bulk.
    std::vector<std::string> Lines;
    const std::string& S = *Text;
    const char* P = S.data() + Start;
    const char* const E = S.data() + S.size();
    while (P < E) {
        const char* Q = P;
        while (Q < E && *Q != '\r' && *Q != '\n') ++Q;
        std::string& Line = Lines.emplace_back(P, Q);
        // The scanners end their input at a NUL byte; the text goes on.
        if (std::memchr(Line.data(), '\0', Line.size())) std::replace(Line.begin(), Line.end(), '\0', ' ');
        if (Q == E) break;
        P = Q + 1;
        if (*Q == '\r' && P < E && *P == '\n') ++P;
    }
    return Lines;
}

TCustomMarlSqlParser::TCustomMarlSqlParser(std::uint8_t Vendor)
    : FVendor(Vendor),
      FObjects(TRkObjectArena::Make()),
      FStatements(std::make_unique<TRkStatementList>(Vendor != VendorMssql)),
      FPendingTokens(std::make_unique<TSourceTokenList>(false)),
      FTokens(std::make_unique<TSourceTokenList>(true)) {
    InstallStatementModelHooks();
    InstallPrinterHooks();  // statements get their printers from birth
    VersionMsg = "Marl sql parser ver" + VersionId + " for Oracle,MSSQL,MySQL,Access";
    SqlplusMode = Vendor == VendorOracle;
    SubstitutionMode = Vendor == VendorOracle;
    FFactory = std::make_unique<TRkParserFactory>(Vendor);
    // A missing dialect is reported by Parse: a host may make a component
    // for any vendor.
    try {
        FLexer = FFactory->CreateLexer();
        FLexer->QuestionMarkIdent = QuestionMarkIdent;
    } catch (const std::exception& E) {
        FFactoryError = E.what();
    }
    FParsers = std::make_unique<TRkScriptParsers>(Vendor);
    if (FFactoryError.empty()) FFactoryError = FParsers->Error();
}

TCustomMarlSqlParser::~TCustomMarlSqlParser() {
    // Statements refer to their trees and the trees to the tokens: free
    // them in that order.
    FStatements->Clear();
    FParsers->Release();
    FPendingTokens->Clear();
    FTokens->Clear();
}

TRkCustomParser* TCustomMarlSqlParser::Parser() const { return FParsers->Sql(); }

void TCustomMarlSqlParser::SetSqlTextString(const std::string& S) { SqlText = SplitInputLines(S); }

const std::vector<std::string>& TCustomMarlSqlParser::FormattedSqlText() {
    if (CheckSyntaxOnly) {
        FFormattedSqlText.clear();
        FFormattedSqlText.emplace_back(CheckSyntaxOnlyLine);
    }
    return FFormattedSqlText;
}

void TCustomMarlSqlParser::ClearInput() { FInput.clear(); }

bool TCustomMarlSqlParser::AddSyntaxError(std::uint8_t ErrorType, const std::string& ExpectedText,
                                          const std::string& TokenText, std::int32_t Line, std::int32_t Column) {
    AddParserErrorRecord(FErrors, ErrorType, ExpectedText, TokenText, Line, Column);
    return true;
}

void TCustomMarlSqlParser::CopyStatementErrors(const TCustomSqlStatement& Statement) {
    for (int i = 1; i <= Statement.SyntaxErrors.Count(); ++i) FErrors.AddCopy(Statement.SyntaxErrors.Get(i));
}

std::string TCustomMarlSqlParser::GetErrorMessages() const {
    std::string R;
    for (int i = 1; i <= FErrors.Count(); ++i) {
        const TSyntaxError& E = FErrors.Get(i);
        if (i > 1) R += "\r\n";
        if (E.ErrorType == 4 || E.ErrorType == 6)
            R += "pretty print error(" + E.Message + ")";
        else
            R += E.TokenText + "(" + std::to_string(E.Line) + "," + std::to_string(E.Column) + ")" +
                 " expected token:" + E.Message;
    }
    return R;
}

int TCustomMarlSqlParser::Parse() {
    FErrors.Clear();
    int R = DoParse();
    if (FVendor == VendorMssql) return R;
    if (R < 0) return R;
    TRkObjectArena::TScope Objects(*FObjects);
    // Each statement's first parse takes the script's parser of its grammar.
    TRkScriptParsers::TLend Lend(*FParsers, this);
    for (TCustomSqlStatement* S : *FStatements) {
        int SR = 0;
        try {
            SR = S->Parse(false);
        } catch (const std::exception& E) {
            // Parse guards itself; an analysis that still fails is recorded
            // on the statement so the script goes on.
            S->NewError().Message = E.what();
            SR = -1;
        }
        if (SR != 0 || S->GetErrorCount() >= 1) CopyStatementErrors(*S);
    }
    return FErrors.Count();
}

int TCustomMarlSqlParser::DoParse() {
    FErrors.Clear();
    int P = PrepareInput();
    if (P > 0) return -P;
    // After PrepareInput, which may give the script a new object arena.
    TRkObjectArena::TScope Objects(*FObjects);
    try {
        Tokenize();
    } catch (const std::exception& E) {
        AddMessageError(std::string("Tokenlizer error: ") + E.what());
        return -1;
    }
    try {
        return BuildStatements();
    } catch (const std::exception& E) {
        AddMessageError(std::string("Fatal error(123):") + E.what());
        return -1;
    }
}

static std::string ReadWholeFile(const std::string& Name) {
    std::error_code Ec;
    if (std::filesystem::is_directory(Name, Ec)) throw ERkError("Cannot read file \"" + Name + "\": it is a folder");
    std::ifstream In(Name, std::ios::binary);
    if (!In) throw ERkError("Cannot open file \"" + Name + "\"");
    std::string Bytes((std::istreambuf_iterator<char>(In)), std::istreambuf_iterator<char>());
    if (In.bad()) throw ERkError("Cannot read file \"" + Name + "\"");
    return Bytes;
}

static std::string JoinLines(const std::vector<std::string>& Lines) {
    std::size_t N = 0;
    for (const auto& L : Lines) N += L.size() + 2;
    std::string R;
    R.reserve(N);
    for (const auto& L : Lines) {
        R += L;
        R += "\r\n";
    }
    return R;
}

int TCustomMarlSqlParser::PrepareInput() {
    InputDir.clear();
    InputFileName.clear();
    ClearInput();
    FStatements->Clear();
    FParsers->Release();
    // The last parse's objects are gone, unless a host kept some: those keep
    // the blocks they lie in.
    if (!FObjects->Reset()) FObjects = TRkObjectArena::Make();

    if (!Sqlfilename.empty()) {
        InputDir = std::filesystem::path(Sqlfilename).parent_path().string();
        InputFileName = Sqlfilename;
        std::error_code Ec;
        if (!std::filesystem::exists(Sqlfilename, Ec)) {
            AddMessageError(Sqlfilename + " does not exists!");
            return FErrors.Count();
        }
        try {
            SqlText = SplitInputLines(ReadWholeFile(Sqlfilename));
        } catch (const std::exception& E) {
            AddMessageError(E.what());
            return FErrors.Count();
        }
    }

    if (SubstitutionMode && OnSubstitutionVar) {
        try {
            TSubStitutionVarProcess Process;
            Process.SetOnSubstitutionVar(OnSubstitutionVar);
            Process.SetText(JoinLines(SqlText));
            Process.Execute();
            SqlText = SplitInputLines(Process.Text);
        } catch (const std::exception& E) {
            AddMessageError(std::string("process substitution error: ") + E.what());
            return FErrors.Count();
        }
    }

    if (SqlText.empty()) {
        AddMessageError("No sql statement!");
        return FErrors.Count();
    }

    if (FmtOpt.TrimInputLines)
        for (auto& L : SqlText) L = TrimChar(L, FmtOpt.TrimInputChar);
    if (FmtOpt.JoinInputLines) {
        std::string One;
        for (const auto& L : SqlText) One += L;
        SqlText.assign(1, std::move(One));
    }

    try {
        WriteInput();
    } catch (const std::exception& E) {
        AddMessageError(E.what());
        return FErrors.Count();
    }

    // Statements went first; now the tokens they referred to.
    FTokens->Clear();
    FTokens->SetCurPos(-1);
    FPendingTokens->Clear();
    if (TRkCustomParser* P = FParsers->Sql()) {
        P->TokenList = FTokens.get();
        P->TokenPos = 0;
        P->SetOnParserToken(OnParserToken);
        P->SetOnParserTokenError(OnParserTokenError);
        P->SetOnBindVar(OnBindVar);
        P->SetOnSqlVar(OnSqlVar);
        P->SyntaxErrorCallback = [this](std::uint8_t T, const std::string& E, const std::string& Tok,
                                              std::int32_t L, std::int32_t C) { return AddSyntaxError(T, E, Tok, L, C); };
    }
    return 0;
}

void TCustomMarlSqlParser::WriteInput() {
    FInput = JoinLines(SqlText);
    // A byte-order mark that a host left on its first line is no text.
    if (FInput.size() >= 3 && static_cast<unsigned char>(FInput[0]) == 0xEF &&
        static_cast<unsigned char>(FInput[1]) == 0xBB && static_cast<unsigned char>(FInput[2]) == 0xBF)
        FInput.erase(0, 3);
    char* const E = FInput.data() + FInput.size();
    for (char* C = FInput.data(); (C = static_cast<char*>(std::memchr(C, '\0', static_cast<std::size_t>(E - C))));)
        *C++ = ' ';
}

int TCustomMarlSqlParser::BuildStatements() {
    if (FVendor == VendorMssql) return ParseMssqlScript();
    return SplitStatements();
}
