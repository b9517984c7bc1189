// Tokenizing (with the SQL*Plus command lines of Oracle scripts) and the
// splitting of the token list into statement objects.
#include <algorithm>
#include <sstream>
#include <string_view>

#include "formatter/rkbasetype.h"
#include "frontend/leadwords.h"
#include "frontend/marlsqlparser.h"
#include "nodes/rkexceptions.h"
#include "parse/mssql/mssqlsqlstatement.h"
#include "parse/parserfactory.h"
#include "parse/rklexlib.h"
#include "parse/rklexsql.h"
#include "parse/rkscriptparsers.h"
#include "parse/rkyacclib.h"

namespace {

// SQL*Plus command words, upper case, sorted.
constexpr std::string_view SqlplusCmds[] = {
    "@",      "@@",       "A",         "ACC",     "ACCEPT",   "APPEND",    "ATTRIBUTE", "BRE",    "BREAK",
    "BTI",    "BTITLE",   "C",         "CHANGE",  "CL",       "CLEAR",     "COL",       "COLUMN", "COMP",
    "COMPUTE", "CONN",    "CONNECT",   "COPY",    "DEF",      "DEFINE",    "DEL",       "DESC",   "DESCRIBE",
    "DISC",   "DISCONNECT", "ED",      "EDIT",    "EXEC",     "EXECUTE",   "EXIT",      "GET",    "HELP",
    "HO",     "HOST",     "I",         "INPUT",   "L",        "LIST",      "PASSW",     "PASSWORD", "PAU",
    "PAUSE",  "PRI",      "PRINT",     "PROMPT",  "QUIT",     "R",         "REM",       "REMARK", "REPF",
    "REPFOOTER", "REPH",  "REPHEADER", "RUN",     "SAV",      "SAVE",      "SET",       "SHO",    "SHOW",
    "SPO",    "SPOOL",    "STA",       "START",   "STORE",    "TIMI",      "TIMING",    "TTI",    "TTITLE",
    "UNDEF",  "UNDEFINE", "VAR",       "VARIABLE", "WHENEVER",
};
static_assert(std::size(SqlplusCmds) == 77);

// Lower-cased, trimmed token text: how leading keywords are compared.
std::string LeadWord(const TSourceToken* T) { return LowerCase(TrimChar(T->GetText(), ' ')); }

bool IsCommentOrBlankCode(std::int32_t C) {
    return C == tcBlockComment || C == tcLineComment || C == tcBlanks || C == tcLineBreak;
}

// The scanner walks the prepared text in place: Text must outlive the scan.
void AttachInput(TRkCustomLexer& Lexer, std::ostringstream& Out, std::ostringstream& Err,
                 std::string_view Text) {
    Lexer.SetInput(Text);
    Lexer.OutputStream = &Out;
    Lexer.ErrorStream = &Err;
    Lexer.yyclear();
}

// A new token filled by the scanner; code 0 ends the input.
std::unique_ptr<TSourceToken> ScanToken(TRkCustomLexer& Lexer) {
    auto T = MakeSourceToken("", ttUnclassified, 0, 0, -1, -1);
    T->TokenCode = Lexer.NextToken(*T);
    return T;
}

}  // namespace

bool IsSqlplusCmd(std::string_view Word) {
    // Asked at every statement start of an Oracle script.
    static const TRkKeywordIndex Index(SqlplusCmds, std::size(SqlplusCmds));
    return Index.Contains(Word);
}

bool SameWord(std::string_view A, std::string_view B) { return SameText(A, B); }

bool TCustomMarlSqlParser::IsSqlplusCmdStart(std::string_view Word) const {
    return SqlplusMode && IsSqlplusCmd(Word);
}

// ---------------------------------------------------------------------------
// Tokenizing

std::unique_ptr<TSourceToken> TCustomMarlSqlParser::NextToken() {
    auto T = ScanToken(*FLexer);
    if (T->TokenCode == 0) return nullptr;
    NumberToken(T.get());
    return T;
}

void TCustomMarlSqlParser::NumberToken(TSourceToken* T) {
    if (OnTokenlizerToken) OnTokenlizerToken(this, T);
    T->SetOwnerList(FTokens.get());
    FTokens->SetCurPos(FTokens->CurPos + 1);
    T->PosInList = FTokens->CurPos;
}

TSourceToken* TCustomMarlSqlParser::NextStoredToken() {
    TSourceToken* T = FTokens->NewStoredToken();
    T->TokenCode = FLexer->NextToken(*T);
    if (T->TokenCode == 0) {
        FTokens->DropNewestStoredToken();
        return nullptr;
    }
    NumberToken(T);
    FTokens->Add(T);
    return T;
}

void TCustomMarlSqlParser::Tokenize() {
    if (!FLexer) throw ERkError(FFactoryError);
    FPendingTokens->Clear();
    std::ostringstream Out, Err;
    AttachInput(*FLexer, Out, Err, FTokens->KeptText());
    struct Detach {  // the streams die with this frame
        TRkCustomLexer& L;
        ~Detach() {
            L.SetInput({});
            L.OutputStream = nullptr;
            L.ErrorStream = nullptr;
        }
    } D{*FLexer};
    if (FVendor == VendorOracle)
        TokenizeOracle();
    else
        TokenizeDefault();
    // The list is complete: the room its doubling left over goes back.
    FTokens->ShrinkToFit();
    if (OnTokenListEvent) OnTokenListEvent(this, FTokens.get());
}

void TCustomMarlSqlParser::TokenizeDefault() {
    while (NextStoredToken()) {
    }
}

void TCustomMarlSqlParser::TokenizeOracle() {
    bool InCommand = false, AtStatementStart = true, EndedWithSemicolon = false, Continued = false;
    TSourceToken* SlashCandidate = nullptr;
    // The first token of the statement being read, nullptr between
    // statements.  A PL/SQL unit goes on over its ";"s up to a "/" or "."
    // line, and SQL*Plus reads no commands inside it: a line there that
    // starts with a command word is code, whose strings and comments may
    // run on over the line end.
    TSourceToken* StatementStart = nullptr;
    TSourceToken* LoneOnLine = nullptr;   // the line's only word so far
    bool LineHasWords = false;
    auto InUnit = [&] {
        return StatementStart && PlsqlUnitType(StatementStart, StatementStart->PosInList) != sstUnknown;
    };
    FLexer->InSqlPlusCmd = false;
    while (TSourceToken* T = NextStoredToken()) {
        switch (T->TokenCode) {
            case tcBlockComment:
            case tcLineComment:
            case tcBlanks:
                if (InCommand) T->SetSqlplusCmdPart(1);
                break;
            case tcLineBreak:
                if (InCommand) {
                    InCommand = false;
                    AtStatementStart = true;
                    if (Continued) {
                        T->SetSqlplusCmdPart(1);
                        InCommand = true;
                        AtStatementStart = false;
                    }
                }
                if (EndedWithSemicolon) AtStatementStart = true;
                if (SlashCandidate) {
                    SlashCandidate->TokenCode = tcSqlplusCmd;
                    SlashCandidate = nullptr;
                    AtStatementStart = true;
                    StatementStart = nullptr;
                }
                if (LoneOnLine && LoneOnLine->TokenType == ttPeriod && InUnit()) {
                    // A "." line ends the unit, as a "/" line does.
                    StatementStart = nullptr;
                    AtStatementStart = true;
                }
                LoneOnLine = nullptr;
                LineHasWords = false;
                FLexer->InSqlPlusCmd = InCommand;
                break;
            default: {
                Continued = false;
                EndedWithSemicolon = false;
                SlashCandidate = nullptr;
                LoneOnLine = LineHasWords ? nullptr : T;
                LineHasWords = true;
                if (InCommand) {
                    T->SetSqlplusCmdPart(1);
                    if (T->GetText() == "-") Continued = true;
                } else {
                    if (T->TokenType == ttSemicolon) {
                        EndedWithSemicolon = true;
                        if (!InUnit()) StatementStart = nullptr;
                    }
                    if (T->TokenType == ttSlash) {
                        TSourceToken* Before = FTokens->TokenAt(T->PosInList - 1);
                        if (AtStatementStart || (Before && Before->TokenType == ttLineBreak)) SlashCandidate = T;
                    }
                    if (AtStatementStart && IsSqlplusCmdStart(T->GetText()) && !InUnit()) {
                        T->TokenCode = tcSqlplusCmd;
                        InCommand = true;
                        FLexer->InSqlPlusCmd = true;
                    } else if (!StatementStart && T->TokenType != ttSemicolon && T->TokenType != ttSlash) {
                        StatementStart = T;
                    }
                }
                AtStatementStart = false;
                break;
            }
        }
    }
    // A lone "/" on the last line has no line break after it.
    if (SlashCandidate) SlashCandidate->TokenCode = tcSqlplusCmd;
}

void TokenizeString(std::uint8_t Vendor, const std::string& AText, TSourceTokenList& ATokenList) {
    if (AText.empty()) return;
    try {
        if (!ATokenList.OwnsObjects()) throw ERkError("the token list does not own its tokens");
        std::unique_ptr<TRkCustomLexer> Lexer = TRkParserFactory(Vendor).CreateLexer();
        std::ostringstream Out, Err;
        std::string Text = AText + "\r\n";
        for (char& C : Text)
            if (C == '\0') C = ' ';
        AttachInput(*Lexer, Out, Err, Text);
        for (;;) {
            TSourceToken* T = ATokenList.NewStoredToken();
            T->TokenCode = Lexer->NextToken(*T);
            if (T->TokenCode == 0) {
                ATokenList.DropNewestStoredToken();
                break;
            }
            T->SetOwnerList(&ATokenList);
            T->PosInList = ATokenList.Count();
            ATokenList.Add(T);
        }
        Lexer->SetInput({});
        Lexer->OutputStream = nullptr;
        Lexer->ErrorStream = nullptr;
    } catch (const std::exception& E) {
        throw ERkError(std::string("In ParseStrToTokenList:") + E.what());
    }
}

void TCustomMarlSqlParser::ParseStrToTokenList(void* AOwner, const std::string& AText,
                                               TSourceTokenList& ATokenList) {
    (void)AOwner;  // the list that takes the tokens is their owner
    TokenizeString(FVendor, AText, ATokenList);
}

// ---------------------------------------------------------------------------
// Splitting

TSqlStatementType TCustomMarlSqlParser::PlsqlUnitType(TSourceToken* Token, int Index) const {
    const TLeadWords& Words = TLeadWords::Of(FVendor);
    switch (Token->TokenCode == 263 ? lwBegin : Words.WordOf(Token)) {
        case lwDeclare:
        case lwBegin:
            return sstplsql_block;
        case lwProcedure:
            return sstplsql_createprocedure;
        case lwFunction:
            return sstplsql_createfunction;
        case lwPackage:
            return sstplsql_createpackage;
        case lwCreate: {
            // CREATE [OR REPLACE] TABLE / INDEX / VIEW is never PL/SQL,
            // whatever its names are ("create table type (...)").
            TSourceToken* First = FTokens->SolidTokenAt(Index, 1);
            int Skip = 1;
            while (First && (Words.WordOf(First) == lwOr || Words.WordOf(First) == lwReplace))
                First = FTokens->SolidTokenAt(Index, ++Skip);
            if (First) {
                switch (Words.WordOf(First)) {
                    case lwTable: case lwIndex: case lwView: case lwGlobal: case lwTemporary: case lwTemp:
                    case lwLocal: case lwUnique: case lwBitmap: case lwForce: case lwNoforce:
                        return sstUnknown;
                    default:
                        break;
                }
            }
            auto Ahead = [&](TLeadWord Word) { return Words.Ahead(*FTokens, Index, Word, 3); };
            if (Ahead(lwProcedure)) return sstplsql_createprocedure;
            if (Ahead(lwFunction)) return sstplsql_createfunction;
            if (Ahead(lwTrigger)) return sstplsql_createtrigger;
            if (Ahead(lwType)) return sstplsql_createtype;
            if (Ahead(lwPackage)) return sstplsql_createpackage;
            return sstUnknown;
        }
        default:
            return sstUnknown;
    }
}

std::unique_ptr<TCustomSqlStatement> TCustomMarlSqlParser::NewPlsqlStatement(TSourceToken* Token, int Index) {
    const TSqlStatementType Type = PlsqlUnitType(Token, Index);
    if (Type == sstUnknown) return nullptr;
    if (FVendor != VendorOracle) {
        // Only Oracle scripts end a block with "/" or "."; elsewhere these
        // words start an ordinary statement that ends at ";".
        return CreateNodeOfClass<TUnknownSqlStatement>(FVendor);
    }
    std::unique_ptr<TCustomSqlStatement> S = NewPlsqlBlockStatement(FVendor);
    S->StatementType = Type;
    return S;
}

std::unique_ptr<TCustomSqlStatement> TCustomMarlSqlParser::NewSqlStatement(TSourceToken* Token, int Index,
                                                                           std::uint8_t Vendor) {
    const TLeadWords& Words = TLeadWords::Of(FVendor);  // the scanner that made the tokens
    auto Ahead = [&](TLeadWord Word, int Max) { return Words.Ahead(*FTokens, Index, Word, Max); };
    auto Unknown = [&](TSqlStatementType Type) {
        auto S = CreateNodeOfClass<TUnknownSqlStatement>(Vendor);
        S->StatementType = Type;
        return std::unique_ptr<TCustomSqlStatement>(std::move(S));
    };
    if (Vendor == VendorMssql)
        if (auto S = NewMssqlStatementForWord(LeadWord(Token), Vendor)) return S;
    switch (Words.WordOf(Token)) {
        case lwSelect:
            return NewSelectSqlStatement(Vendor);
        case lwInsert:
            return NewInsertSqlStatement(Vendor);
        case lwUpdate:
            return NewUpdateSqlStatement(Vendor);
        case lwDelete:
            return NewDeleteSqlStatement(Vendor);
        case lwMerge: {
            auto S = NewMergeSqlStatement(Vendor);
            S->StatementType = sstMerge;
            return S;
        }
        case lwCommit:
            return Unknown(sstCommit);
        case lwRollback:
            return Unknown(sstRollback);
        case lwSavepoint: case lwRevoke: case lwGrant: case lwAnalyze: case lwTruncate:
            return Unknown(sstUnknown);
        case lwCreate:
            if (Ahead(lwTable, 1)) return NewCreateTableSqlStatement(Vendor);
            if (Ahead(lwView, 5)) return NewCreateViewSqlStatement(Vendor);
            if (Ahead(lwIndex, 2)) return NewCreateIndexSqlStatement(Vendor);
            return Unknown(sstUnknown);
        case lwDrop:
            if (Ahead(lwTable, 2)) return NewDropTableSqlStatement(Vendor);
            if (Ahead(lwIndex, 1)) return NewDropIndexSqlStatement(Vendor);
            if (Ahead(lwView, 1)) return NewDropViewSqlStatement(Vendor);
            return Unknown(sstUnknown);
        case lwAlter:
            if (Ahead(lwSession, 1)) return CreateNodeOfClass<TAlterSessionStatement>(Vendor);
            if (Ahead(lwTable, 2)) return NewAlterTableStatement(Vendor);
            return Unknown(sstUnknown);
        case lwSet:
            if (Vendor == VendorMySQL) return Unknown(sstSet);
            return nullptr;
        default:
            return nullptr;
    }
}

void TCustomMarlSqlParser::AddStatement(std::unique_ptr<TCustomSqlStatement> Statement) {
    TCustomSqlStatement* S = Statement.get();
    if (OnGetRawSqlStatement) {
        const auto& Items = S->SourceTokens->Items();
        int First = Items.empty() ? -1 : Items.front()->PosInList;
        int Last = Items.empty() ? -1 : Items.back()->PosInList;
        OnGetRawSqlStatement(this, S->StatementType, First, Last);
    }
    FStatements->Add(std::move(Statement));
    S->SetOwnerObject(this);
    S->ShareEvents(&FStatementEvents);
}

void TCustomMarlSqlParser::TakeStatementEvents() {
    // A statement substitutes only with an event set on it: the script's
    // text was substituted when it was prepared.
    FStatementEvents.OnSubstitutionVar = nullptr;
    FStatementEvents.OnParserToken = OnParserToken;
    FStatementEvents.OnParserTokenError = OnParserTokenError;
    FStatementEvents.OnBindVar = OnBindVar;
    FStatementEvents.OnFieldEvent = OnStatementField;
    FStatementEvents.OnTableEvent = OnStatementTable;
    FStatementEvents.OnFieldTokenEvent = OnFieldTokenEvent;
    FStatementEvents.OnTableTokenEvent = OnTableTokenEvent;
    FStatementEvents.OnSqlVar = OnSqlVar;
}

int TCustomMarlSqlParser::SplitStatements() {
    FStatements->Clear();
    TakeStatementEvents();
    TSourceTokenList& L = *FTokens;
    const TSourceTokenSpan Items = L.Items();   // the split changes no token's place
    const int N = L.Count();
    // Only an Oracle script has command lines for a statement to end before.
    const bool Commands = FVendor == VendorOracle;

    // The first significant token after index i (N when none), for the
    // "ends before a command line" test: a cursor that only moves forward,
    // so the whole split reads each token about once.
    int NextSignificant = 0;
    auto NextSignificantAfter = [&](int i) {
        if (NextSignificant <= i) NextSignificant = i + 1;
        while (NextSignificant < N && !Items[NextSignificant]->IsSignificant()) ++NextSignificant;
        return NextSignificant;
    };

    enum { stNone, stSqlplus, stSql, stPlsql } State = stNone;
    bool Skipping = false;
    std::unique_ptr<TCustomSqlStatement> Cur;
    TCustomSqlStatement* Prev = nullptr;
    int CurFirst = 0;  // index of the current statement's first token

    // A statement's tokens are the run from its first token to Last, and
    // the blanks and comments that follow: its list reads them in the
    // script's list.
    auto Finish = [&](int Last) {
        Cur->SourceTokens->AddRun(L, CurFirst, Last);
        Prev = Cur.get();
        AddStatement(std::move(Cur));
        State = stNone;
    };
    auto Recode = [&](TSourceToken* T) {
        if (T->TokenCode != tcSqlplusCmd) return;
        int Code = 0;
        T->TokenCode = FindKeyword(T->GetText(), Code) ? Code : tcIdent;
    };

    std::size_t Significant = 0;
    for (int i = 0; i < N; ++i) {
        TSourceToken* T = Items[i];
        L.SetCurPos(i);
        Significant += T->IsSignificant();
        switch (State) {
            case stNone:
                if (Skipping) {
                    if (T->TokenCode == tcLineBreak) Skipping = false;
                    break;
                }
                if (IsCommentOrBlankCode(T->TokenCode)) {
                    if (Prev) Prev->SourceTokens->Add(T);
                    break;
                }
                if (T->TokenCode == tcSqlplusCmd) {
                    Cur = CreateNodeOfClass<TSqlplusCmdStatement>(FVendor);
                    CurFirst = i;
                    State = stSqlplus;
                    break;
                }
                Cur = NewPlsqlStatement(T, i);
                if (Cur) {
                    State = Cur->StatementType >= sstplsql_block && Cur->StatementType <= sstplsql_createtype
                                ? stPlsql
                                : stSql;
                } else {
                    Cur = NewSqlStatement(T, i, FVendor);
                    if (Cur) State = stSql;
                }
                if (Cur) {
                    CurFirst = i;
                    break;
                }
                if (OnTokenlizerTokenError) OnTokenlizerTokenError(this, T);
                {
                    TSyntaxError& E = NewError();
                    E.Message = "Error when tokenlize";
                    E.ErrorType = 2;
                    E.TokenText = T->GetText();
                    E.Line = T->Line;
                    int C = T->Column - static_cast<int>(T->GetText().size());
                    E.Column = C < 0 ? 0 : C;
                }
                T->TokenType = ttNoStatement;
                Skipping = true;
                Prev = nullptr;
                break;
            case stSqlplus:
                if (!T->GetSqlplusCmdPart()) Finish(i);
                break;
            case stSql: {
                if (T->TokenType == ttSemicolon) {
                    Cur->TerminatorToken = T;
                    Finish(i);
                } else if (Commands) {
                    int Nx = NextSignificantAfter(i);
                    if (Nx < N && Items[Nx]->TokenCode == tcSqlplusCmd) Finish(i);
                }
                break;
            }
            case stPlsql: {
                bool Ends = false;
                if (T->TokenType == ttSlash && T->TokenCode == tcSqlplusCmd) {
                    Ends = true;
                } else if (T->TokenType == ttPeriod && L.LineBreakFollows(false) && L.AtLineStart()) {
                    Ends = true;
                }
                if (Ends) {
                    T->TokenStatus = 2;
                    Finish(i - 1);
                    auto Cmd = CreateNodeOfClass<TSqlplusCmdStatement>(FVendor);
                    Cmd->SourceTokens->Add(T);
                    Prev = Cmd.get();
                    AddStatement(std::move(Cmd));
                }
                Recode(T);
                break;
            }
        }
    }
    if (Cur) Finish(N - 1);
    // The statements' trees go to the script's parser: room for them once.
    FParsers->Reserve(Significant);
    return FErrors.Count();
}
