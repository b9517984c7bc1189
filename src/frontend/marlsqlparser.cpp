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

// Bytes with the encoding settled: UTF-16 converted into Converted, a UTF-8
// byte-order mark skipped.
std::string_view DecodedText(const std::string& Bytes, std::string& Converted) {
    std::string_view Text = Bytes;
    if (Bytes.size() >= 2 && static_cast<unsigned char>(Bytes[0]) == 0xFF &&
        static_cast<unsigned char>(Bytes[1]) == 0xFE) {
        Converted = Utf16ToUtf8(Bytes, 2, false);
        Text = Converted;
    } else if (Bytes.size() >= 2 && static_cast<unsigned char>(Bytes[0]) == 0xFE &&
               static_cast<unsigned char>(Bytes[1]) == 0xFF) {
        Converted = Utf16ToUtf8(Bytes, 2, true);
        Text = Converted;
    }
    if (Text.starts_with("\xEF\xBB\xBF")) Text.remove_prefix(3);
    return Text;
}

// Calls Line for each line of S: lines end at CR LF, LF or a lone CR; a
// last line without one is kept when it holds anything.
template <class F>
void ForEachLine(std::string_view S, F&& Line) {
    const char* P = S.data();
    const char* const E = S.data() + S.size();
    while (P < E) {
        const char* Q = P;
        while (Q < E && *Q != '\r' && *Q != '\n') ++Q;
        Line(std::string_view(P, static_cast<std::size_t>(Q - P)));
        if (Q == E) break;
        P = Q + 1;
        if (*Q == '\r' && P < E && *P == '\n') ++P;
    }
}

// The scanners end their input at a NUL byte; the text goes on.
void BlankNuls(char* P, char* E) {
    while ((P = static_cast<char*>(std::memchr(P, '\0', static_cast<std::size_t>(E - P))))) *P++ = ' ';
}

// The lines of Bytes, each followed by CR LF, as one text.
std::shared_ptr<const std::string> InputText(const std::string& Bytes) {
    std::string Converted;
    const std::string_view S = DecodedText(Bytes, Converted);
    auto R = std::make_shared<std::string>();
    // Room for a CR LF after every line at most: the text is never copied
    // into a grown buffer, which would hold it twice over for a moment.
    R->reserve(S.size() + static_cast<std::size_t>(std::count(S.begin(), S.end(), '\n')) +
               static_cast<std::size_t>(std::count(S.begin(), S.end(), '\r')) + 2);
    ForEachLine(S, [&](std::string_view L) {
        R->append(L);
        R->append("\r\n");
    });
    BlankNuls(R->data(), R->data() + R->size());
    return R;
}

// Lines (split at CR LF) of a text in which each line is followed by CR LF.
template <class F>
void ForEachHeldLine(std::string_view T, F&& Line) {
    for (std::size_t P = 0; P < T.size();) {
        const std::size_t Q = T.find("\r\n", P);
        if (Q == std::string_view::npos) {
            Line(T.substr(P));
            break;
        }
        Line(T.substr(P, Q - P));
        P = Q + 2;
    }
}

}  // namespace

std::vector<std::string> SplitInputLines(const std::string& Bytes) {
    std::string Converted;
    std::vector<std::string> Lines;
    ForEachLine(DecodedText(Bytes, Converted), [&](std::string_view L) {
        std::string& Line = Lines.emplace_back(L);
        BlankNuls(Line.data(), Line.data() + Line.size());
    });
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

TCustomMarlSqlParser::~TCustomMarlSqlParser() { TCustomMarlSqlParser::ClearInput(); }

TRkCustomParser* TCustomMarlSqlParser::Parser() const { return FParsers->Sql(); }

void TCustomMarlSqlParser::SetSqlTextString(const std::string& S) { FSqlText = InputText(S); }

void TCustomMarlSqlParser::SetSqlText(const std::vector<std::string>& Lines) {
    auto T = std::make_shared<std::string>();
    std::size_t N = 0;
    for (const auto& L : Lines) N += L.size() + 2;
    T->reserve(N);
    for (const auto& L : Lines) {
        T->append(L);
        T->append("\r\n");
    }
    FSqlText = std::move(T);
}

std::vector<std::string> TCustomMarlSqlParser::SqlText() const {
    std::vector<std::string> Lines;
    if (FSqlText) ForEachHeldLine(*FSqlText, [&](std::string_view L) { Lines.emplace_back(L); });
    return Lines;
}

const std::vector<std::string>& TCustomMarlSqlParser::FormattedSqlText() {
    if (CheckSyntaxOnly) {
        FFormattedSqlText.clear();
        FFormattedSqlText.emplace_back(CheckSyntaxOnlyLine);
    }
    return FFormattedSqlText;
}

void TCustomMarlSqlParser::ClearInput() {
    // The statements refer to their trees, the trees to the tokens, and the
    // tokens view the input: they go in that order.
    FStatements->Clear();
    FParsers->Release();
    FPendingTokens->Clear();
    FTokens->Clear();
}

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

int TCustomMarlSqlParser::PrepareInput() {
    InputDir.clear();
    InputFileName.clear();
    ClearInput();
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
            FSqlText = InputText(ReadWholeFile(Sqlfilename));
        } catch (const std::exception& E) {
            AddMessageError(E.what());
            return FErrors.Count();
        }
    }

    if (SubstitutionMode && OnSubstitutionVar) {
        try {
            TSubStitutionVarProcess Process;
            Process.SetOnSubstitutionVar(OnSubstitutionVar);
            Process.SetText(FSqlText ? *FSqlText : std::string());
            Process.Execute();
            FSqlText = InputText(Process.Text);
        } catch (const std::exception& E) {
            AddMessageError(std::string("process substitution error: ") + E.what());
            return FErrors.Count();
        }
    }

    if (!FSqlText || FSqlText->empty()) {
        AddMessageError("No sql statement!");
        return FErrors.Count();
    }

    if (FmtOpt.TrimInputLines || FmtOpt.JoinInputLines) ReshapeLines();

    try {
        WriteInput();
    } catch (const std::exception& E) {
        AddMessageError(E.what());
        return FErrors.Count();
    }

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

void TCustomMarlSqlParser::ReshapeLines() {
    auto T = std::make_shared<std::string>();
    T->reserve(FSqlText->size());
    ForEachHeldLine(*FSqlText, [&](std::string_view L) {
        if (FmtOpt.TrimInputLines) T->append(TrimChar(L, FmtOpt.TrimInputChar));
        else T->append(L);
        if (!FmtOpt.JoinInputLines) T->append("\r\n");
    });
    if (FmtOpt.JoinInputLines) T->append("\r\n");
    FSqlText = std::move(T);
}

void TCustomMarlSqlParser::WriteInput() {
    // The input is the text of SqlText itself, which the tokens then view;
    // only lines a host gave with a byte-order mark or NUL bytes need a
    // cleaned copy.
    const std::string& T = *FSqlText;
    const bool Bom = T.starts_with("\xEF\xBB\xBF");
    if (!Bom && !std::memchr(T.data(), '\0', T.size())) {
        FTokens->KeepText(FSqlText);
        return;
    }
    auto Input = std::make_shared<std::string>(T, Bom ? 3 : 0);
    BlankNuls(Input->data(), Input->data() + Input->size());
    FTokens->KeepText(std::move(Input));
}

int TCustomMarlSqlParser::BuildStatements() {
    if (FVendor == VendorMssql) return ParseMssqlScript();
    return SplitStatements();
}
