// Statement base, error records, simple statements and the statement list.
#include "statementstructure/sqlstatement.h"

#include <utility>

#include "formatter/rkbasetype.h"
#include "frontend/marlsqlparser.h"
#include "nodes/rkexceptions.h"
#include "nodes/u_nodes_generic.h"
#include "parse/mssql/mssqlsqlstatement.h"
#include "parse/parserfactory.h"
#include "parse/rkscriptparsers.h"
#include "parse/rkyacclib.h"
#include "process/gettextvisitor.h"
#include "process/stackguard.h"
#include "statementstructure/sqlstatement_select.h"

// ---------------------------------------------------------------------------
// Statement base

static int TokenCount(const TSourceTokenList* L) { return L ? L->Count() : 0; }

TCustomSqlStatement::TCustomSqlStatement(std::uint8_t Vendor) {
    InstallStatementModelHooks();
    DbVendor = Vendor;
    HasPlsqlParser = Vendor == VendorOracle;
    // The parsers are made on the first parse: most statements made by
    // analyses (sub-queries) are never parsed from tokens.
}

TCustomSqlStatement::~TCustomSqlStatement() {
    // Sub-statements and tables refer to nodes of this statement's parser:
    // free them while the parser still lives.
    SubStatements.clear();
    if (Fields.Existing()) Fields->Clear();
    if (Tables.Existing()) Tables->Clear();
    SourceTokens->Clear();
    if (AuxTokens.Existing()) AuxTokens->Clear();
}

TRkParserFactory& TCustomSqlStatement::GetFactory() {
    if (!Factory) Factory = std::make_unique<TRkParserFactory>(DbVendor);
    return *Factory;
}

// A parse reports its errors to the statement that runs it and, with
// Events (the SQL grammar), hands the statement's token events on.
static void Attach(TCustomSqlStatement* S, TRkCustomParser& P, bool Events) {
    P.SyntaxErrorCallback = [S](std::uint8_t T, const std::string& E, const std::string& Tok, std::int32_t L,
                                std::int32_t C) { return S->ParserError(T, E, Tok, L, C); };
    if (!Events) return;
    P.SetOnParserToken(S->GetOnParserToken());
    P.SetOnParserTokenError(S->GetOnParserTokenError());
    P.SetOnBindVar(S->GetOnBindVar());
    P.SetOnSqlVar(S->GetOnSqlVar());
}

void TCustomSqlStatement::EnsureParser() {
    if (Parser) return;
    Parser = GetFactory().CreateParser();  // raises for a dialect that is not built
    Attach(this, *Parser, true);
}

void TCustomSqlStatement::EnsurePlsqlParser() {
    if (PlsqlParser || !HasPlsqlParser) return;
    PlsqlParser = GetFactory().CreatePlsqlParser();
    if (PlsqlParser) Attach(this, *PlsqlParser, false);
}

// A statement of a script that a front end parses takes the script's parser
// for its first tree, and the tree stays in that parser's nodes until the
// script goes.  Parsed again, the statement uses a parser of its own, which
// frees its previous tree at each parse: the script keeps at most one
// abandoned tree per statement (a parse that gave no tree, repeated while
// the script is being parsed, leaves its nodes there as well).
TRkCustomParser* TCustomSqlStatement::ParserForParse(bool Plsql, bool HadTree) {
    // The script's statements are the front end's and those inside them.
    const TCustomSqlStatement* Top = this;
    while (Top->ParentStatement) Top = Top->ParentStatement;
    const bool Own = Plsql ? PlsqlParser != nullptr : Parser != nullptr;
    if (TRkCustomParser* Lent = Own || HadTree ? nullptr : TRkScriptParsers::Lend(Top->OwnerObject, DbVendor, Plsql)) {
        Attach(this, *Lent, !Plsql);
        return Lent;
    }
    if (Plsql) {
        EnsurePlsqlParser();
        return PlsqlParser.get();
    }
    EnsureParser();
    return Parser.get();
}

bool TCustomSqlStatement::ParserError(std::uint8_t ErrorType, const std::string& ExpectedText,
                                      const std::string& TokenText, std::int32_t Line, std::int32_t Column) {
    AddParserErrorRecord(SyntaxErrors, ErrorType, ExpectedText, TokenText, Line, Column);
    return true;
}

void TCustomSqlStatement::CopyErrors(const TCustomSqlStatement& Other) {
    const int N = Other.SyntaxErrors.Count();  // Other may be this statement
    for (int i = 1; i <= N; ++i) SyntaxErrors.AddCopy(Other.SyntaxErrors.Get(i));
}

std::string TCustomSqlStatement::ErrorMessages() const {
    std::string R;
    for (int i = 1; i <= SyntaxErrors.Count(); ++i) {
        const TSyntaxError& E = SyntaxErrors.Get(i);
        if (i > 1) R += "\r\n";
        R += E.TokenText + "(" + std::to_string(E.Line) + "," + std::to_string(E.Column) + ")";
        if (E.ErrorType == 4)
            R += " pretty print error(" + E.Message + ")";
        else
            R += " expected token:" + E.Message;
    }
    return R;
}

const TStatementEvents& TCustomSqlStatement::NoEvents() {
    static const TStatementEvents None;
    return None;
}

void TCustomSqlStatement::SetOnParserToken(TOnParserTokenEvent E) {
    WriteEvent(&TEvents::OnParserToken, 1, std::move(E));
    if (Parser) Parser->SetOnParserToken(GetOnParserToken());
}

void TCustomSqlStatement::SetOnParserTokenError(TOnParserTokenErrorEvent E) {
    WriteEvent(&TEvents::OnParserTokenError, 2, std::move(E));
    if (Parser) Parser->SetOnParserTokenError(GetOnParserTokenError());
}

void TCustomSqlStatement::SetOnBindVar(TOnBindVarEvent E) {
    WriteEvent(&TEvents::OnBindVar, 3, std::move(E));
    if (Parser) Parser->SetOnBindVar(GetOnBindVar());
}

void TCustomSqlStatement::SetOnSqlVar(TOnSqlVarEvent E) {
    WriteEvent(&TEvents::OnSqlVar, 8, std::move(E));
    if (Parser) Parser->SetOnSqlVar(GetOnSqlVar());
}

int TCustomSqlStatement::Parse(bool AnalyzeOnly) {
    Parsed = false;
    // A statement whose tree came from its creator (sub-queries, selects the
    // parser wrapped) has nothing to parse: analyze that tree again.
    if (!AnalyzeOnly && RootNode && SourceTokens->Count() == 0 && TokenCount(TextTokens.Existing()) == 0 &&
        TextToParse().empty())
        AnalyzeOnly = true;
    if (!AnalyzeOnly) {
        int r = DoParse();
        if (r != 0 || RootNode == nullptr) return r;
    }
    int r = -1;
    try {
        r = AnalyzeParseTree();
    } catch (const std::exception&) {
        // An analysis that fails leaves the statement unparsed.
        r = -1;
    }
    Parsed = (r == 0);
    return r;
}

// The SQL Server grammar leaves statement elements in its result list: the
// first one's statement node is the root.
static TRk_Node* MssqlRoot(const TRkCustomParser& P) {
    TRk_Node* First = P.ResultList.empty() ? nullptr : P.ResultList.front();
    return First && First->NodeKind == mnkStmt ? static_cast<_TMssqlStmt*>(First)->InnerNode : nullptr;
}

void TCustomSqlStatement::DropEndTokens(TSourceTokenList& L) {
    // A range of the script's list has no end token appended to it (and
    // looking at its last token was a cache miss per statement).
    if (L.IsRange()) return;
    while (L.Count() > 0 && TRkCustomParser::IsEndToken(L.TokenAt(L.Count() - 1))) L.RemoveAt(L.Count() - 1);
}

int TCustomSqlStatement::DoParse() {
    int Result = -1;
    const bool HadTree = RootNode != nullptr;
    Reset();
    try {
        DropEndTokens(*SourceTokens);
        if (SourceTokens->Count() == 0 && !TextToParse().empty()) {
            // Tokens made from the text replace those of an earlier parse.
            TextTokens->Clear();
            std::string Text = TextToParse();
            if (HasPlsqlParser && GetOnSubstitutionVar()) {
                TSubStitutionVarProcess P;
                P.SetOnSubstitutionVar(GetOnSubstitutionVar());
                P.SetText(Text);
                P.Execute();
                Text = P.Text;
            }
            TokenizeString(DbVendor, Text, *TextTokens);
        }
        if (TextTokens.Existing()) DropEndTokens(*TextTokens);
        if (SourceTokens->Count() == 0 && TokenCount(TextTokens.Existing()) == 0) return -1;

        TRkCustomParser& P = *ParserForParse(false, HadTree);
        P.TokenList = SourceTokens->Count() > 0 ? SourceTokens.get() : TextTokens.get();
        P.SetAuxTokenList(AuxTokens.Existing());
        P.TokenPos = 0;
        P.CurStatement = this;
        P.DbVendor = DbVendor;
        P.ErrorMessage.clear();
        RootNode = nullptr;
        if (BindVars.Existing()) BindVars->Clear();
        if (SqlVars.Existing()) SqlVars->Clear();

        TRkCustomParser::TUse InUse(P);
        Result = P.yyparse();
        if (Result == 0 && SyntaxErrors.Count() == 0) {
            if (DbVendor != VendorMssql) {
                RootNode = P.RootNode;
                return Result;
            }
            if (P.ResultList.empty()) throw ERkError("No sql found in mssql parser");
            RootNode = MssqlRoot(P);
            return Result;
        }
        // A driver that gave up without reporting (stack overflow, an action
        // that stopped the parse) still leaves a record.
        if (Result != 0 && SyntaxErrors.Count() == 0 && !P.ErrorMessage.empty()) {
            TSyntaxError& E = NewError();
            E.Message = P.ErrorMessage;
            E.ErrorType = 1;
            if (P.CurToken) {
                E.TokenText = P.CurToken->GetText();
                E.Line = P.CurToken->Line;
                E.Column = P.CurToken->Column;
            }
        }
        // A tree that recovery built is kept: a SQL Server statement that
        // holds a broken one keeps the rest, as it did in its script.
        if (TRk_Node* Recovered = DbVendor == VendorMssql ? MssqlRoot(P) : P.RootNode) {
            RootNode = Recovered;
            Result = 0;
        } else {
            Result = SyntaxErrors.Count();
        }
    } catch (const std::exception& Ex) {
        NewError().Message = Ex.what();
    }
    return Result;
}

void TCustomSqlStatement::Reset() {
    SyntaxErrors.Clear();
    ClearAnalysis();
    if (DbVendor != VendorMssql) RootNode = nullptr;
    WhereNode = nullptr;
}

void TCustomSqlStatement::ClearAnalysis() {
    // TargetTable may point into Tables.
    if (Tables.Existing())
        for (int i = 0; i < Tables->Count(); ++i)
            if (Tables->GetTable(i) == TargetTable) TargetTable = nullptr;
    SubStatements.clear();
    if (Fields.Existing()) Fields->Clear();
    if (Tables.Existing()) Tables->Clear();
    DbObjects.reset();
}

int TCustomSqlStatement::AnalyzeParseTree() {
    // Only the analysis results go: the tree and the records of a parse that
    // recovered from errors stay readable.
    ClearAnalysis();
    return 0;
}

std::string TCustomSqlStatement::GetRawSqlText() {
    std::string R;
    for (TSourceToken* T : SourceTokens->Items())
        if (T->TokenCode != 0) R += T->GetText();
    return R;
}

static bool IsCommentType(std::uint8_t T) { return T == ttBlockComment || T == ttLineComment; }

std::string TCustomSqlStatement::GetTrimmedSqlText() {
    const auto& Items = SourceTokens->Items();
    // Index after which only blanks, line breaks and comments remain.
    int LastSignificant = -1;
    for (int i = 0; i < static_cast<int>(Items.size()); ++i) {
        if (Items[i]->TokenCode == 0) break;
        if (Items[i]->IsSignificant()) LastSignificant = i;
    }
    std::string Result, Pending;
    for (int i = 0; i < static_cast<int>(Items.size()); ++i) {
        TSourceToken* T = Items[i];
        if (T->TokenCode == 0) break;
        if (T->TokenType == ttLineBreak || IsCommentType(T->TokenType)) {
            Pending += T->GetText();
            continue;
        }
        if (T->TokenType == ttSemicolon && i == LastSignificant) {
            Result += Pending;
            return Result;
        }
        Result += Pending;
        Pending.clear();
        Result += T->GetText();
    }
    return Result;
}

std::string TCustomSqlStatement::GetTextWithoutComments() {
    std::string R;
    for (TSourceToken* T : SourceTokens->Items())
        if (!IsCommentType(T->TokenType)) R += T->GetFormattedText();
    return R;
}

std::string TCustomSqlStatement::GetTextByVisitor() {
    if (!Parsed) return std::string();
    TRkGetTextVisitor V;
    V.Root = this;
    V.Execute();
    return V.Result;
}

std::string TCustomSqlStatement::GetSqlText() { return SqlText.empty() ? GetRawSqlText() : SqlText; }

void TCustomSqlStatement::SetSqlText(const std::string& S) {
    SqlText = S;
    SqlTextFromTree = false;
    Parsed = false;
    SourceTokens->Clear();
    if (TokenCount(TextTokens.Existing()) > 0) {
        // The list owns the tokens that the tree and the model read: they go
        // with them.
        Reset();
        RootNode = nullptr;
        TextTokens->Clear();
    }
}

void TCustomSqlStatement::SetAnalyzedText(const std::string& S) {
    SqlText = S;
    SqlTextFromTree = true;
}

const std::string& TCustomSqlStatement::TextToParse() const {
    static const std::string None;
    return SqlTextFromTree ? None : SqlText.str();
}

std::string TCustomSqlStatement::GetText() {
    // Queries nested past what the stack holds give their text as written.
    if (rkstack::Exhausted()) {
        TRk_Node* n = RootNode ? RootNode : this;
        TSourceToken* first = n->GetStartToken();
        TSourceToken* last = n->GetEndToken();
        if (!first || !last || first->GetOwnerList() != last->GetOwnerList()) return {};
        return TokenRangeText(first->GetOwnerList(), first->PosInList, last->PosInList, rtNoTrailing);
    }
    BuildSqlText();
    return TextCache;
}

std::string TCustomSqlStatement::AsText() { return GetText(); }

namespace {

// The comments before a script's first statement (S starts the script when
// only blanks, line breaks and comments stand before its first token), each
// ending its line; no token of the layout carries them.
std::string LeadingComments(TCustomSqlStatement& S) {
    if (S.SourceTokens->Count() == 0) return {};
    const TSourceToken* First = S.SourceTokens->Items().front();
    const TSourceTokenList* L = First->GetOwnerList();
    if (!L || First->PosInList <= 0) return {};
    for (int32_t i = First->PosInList - 1; i >= 0; --i)
        if (L->Items()[static_cast<size_t>(i)]->IsSignificant()) return {};
    std::string Lead = TrailingPart(L, -1);
    const size_t Start = Lead.find_first_not_of(" \r\n");
    if (Start == std::string::npos) return {};
    return EnsureLineBreak(TrimTrailingBlanks(Lead.substr(Start)));
}

// The comments after the statement's terminator, up to the next statement:
// the printers never print the terminator that would carry them.
std::string TerminatorComments(TCustomSqlStatement& S, const std::string& Text) {
    const TSourceToken* T = S.TerminatorToken;
    if (!T || !T->GetOwnerList()) return {};
    std::string Tail = TrailingPart(T->GetOwnerList(), T->PosInList);
    if (TrailingLineBreakCount(Text) > 0) Tail.erase(0, Tail.find_first_not_of(' '));
    return Tail;
}

}  // namespace

std::string TCustomSqlStatement::GetPrettyText() {
    // A printer parses the statement first; so the records are known here.
    if (PP() && !Parsed && GetErrorCount() == 0) Parse(false);
    TRkLayoutVendorScope Scope(DbVendor);
    std::string Text = GetErrorCount() > 0 || StatementType == sstErrorStmt ? GetWrittenText()
                                                                           : TRk_Node::GetPrettyText();
    if (Text.empty()) return Text;
    Text += TerminatorComments(*this, Text);
    return LeadingComments(*this) + Text;
}

std::string TCustomSqlStatement::GetWrittenText() {
    if (SourceTokens->Count() > 0) return GetTrimmedSqlText() + CommentsAfterText(*this);
    return TrimTrailingSpace(SqlText);
}

std::string CommentsAfterText(TCustomSqlStatement& S) {
    const auto& Items = S.SourceTokens->Items();
    size_t End = 0;
    while (End < Items.size() && Items[End]->TokenCode != 0) ++End;
    // The trailing run of line breaks and comments GetTrimmedSqlText holds back.
    size_t From = End;
    while (From > 0 && (Items[From - 1]->TokenType == ttLineBreak || IsCommentType(Items[From - 1]->TokenType)))
        --From;
    size_t LastWord = From;
    while (LastWord > 0 && !Items[LastWord - 1]->IsSignificant()) --LastWord;
    if (LastWord > 0 && Items[LastWord - 1]->TokenType == ttSemicolon) return {};
    size_t LastComment = End;
    while (LastComment > From && !IsCommentType(Items[LastComment - 1]->TokenType)) --LastComment;
    std::string R;
    for (size_t i = From; i < LastComment; ++i) R += Items[i]->GetText();
    if (LastComment > From && Items[LastComment - 1]->TokenType == ttLineComment) R += "\r\n";
    return R;
}

std::string TCustomSqlStatement::GetWhereText() {
    if (!WhereOverride.empty()) return WhereOverride;
    if (!WhereNode) return std::string();
    if (WhereNode->NodeKind == 41) {  // WHERE CURRENT OF holder
        auto* D = static_cast<TRk_DummyNode*>(WhereNode);
        return "current of " + (D->Sub1 ? D->Sub1->AsText() : std::string());
    }
    return WhereNode->AsText();
}

std::string TCustomSqlStatement::GetWherePrettyText() {
    if (!WhereOverride.empty()) return WhereOverride;
    if (!WhereNode) return std::string();
    if (WhereNode->NodeKind == 41) {
        auto* D = static_cast<TRk_DummyNode*>(WhereNode);
        return "current of " + (D->Sub1 ? D->Sub1->GetPrettyText() : std::string());
    }
    return WhereNode->GetPrettyText();
}

void TCustomSqlStatement::DoAccept(TRkVisitorAbs& Visitor) {
    for (TSourceToken* T : SourceTokens->Items()) {
        if (T->TokenCode == 0) break;
        if ((T->TokenType >= ttLineBreak && T->TokenType <= ttLineComment) || T->TokenType == ttSemicolon) continue;
        T->Accept(&Visitor);
    }
    if (TrailingToken) TrailingToken->Accept(&Visitor);
}

// ---------------------------------------------------------------------------
// Simple statements.  Each gets its printer from birth, as every statement
// class with a printer does: the front end makes them, and only a printer
// gives their pretty text.

void TUnknownSqlStatement::CreatePP() { stmtwalk::UsePrinter(this); }
void TSqlplusCmdStatement::CreatePP() { stmtwalk::UsePrinter(this); }
void TAlterSessionStatement::CreatePP() { stmtwalk::UsePrinter(this); }
void TRollbackSqlStatement::CreatePP() { stmtwalk::UsePrinter(this); }
void TSavepointSqlStatement::CreatePP() { stmtwalk::UsePrinter(this); }

// Such a statement is taken as it stands, but a comment, string or name
// left open at the end of the input (the scanner's error token, which takes
// the rest of the script and so ends the statement) is reported as a
// parser would, or the text it took would vanish without a word.
int TCustomSqlStatement::AcceptUnparsed() {
    SyntaxErrors.Clear();
    const TSourceTokenList& L = SourceTokens->Count() > 0 ? *SourceTokens : *TextTokens;
    for (int i = L.Count(); i-- > 0;) {
        const TSourceToken* T = L.TokenAt(i);
        if (TRkCustomParser::IsEndToken(T)) continue;
        if (T->TokenCode == tcError)
            AddParserErrorRecord(SyntaxErrors, 2, "Error when tokenlize", std::string(T->GetText()), T->Line, T->Column);
        break;
    }
    Parsed = SyntaxErrors.Count() == 0;
    return SyntaxErrors.Count();
}

TUnknownSqlStatement::TUnknownSqlStatement(std::uint8_t Vendor) : TCustomSqlStatement(Vendor) {}
void TUnknownSqlStatement::BuildSqlText() { TextCache = GetTrimmedSqlText(); }
int TUnknownSqlStatement::DoParse() { return AcceptUnparsed(); }
int TUnknownSqlStatement::AnalyzeParseTree() { return 0; }

TSqlplusCmdStatement::TSqlplusCmdStatement(std::uint8_t Vendor) : TCustomSqlStatement(Vendor) {
    StatementType = sstSqlplusCmd;
}
void TSqlplusCmdStatement::BuildSqlText() { TextCache = GetSqlText(); }
int TSqlplusCmdStatement::DoParse() { return AcceptUnparsed(); }
int TSqlplusCmdStatement::AnalyzeParseTree() { return 0; }

std::string TSqlplusCmdStatement::GetTrimmedSqlText() {
    const auto& Items = SourceTokens->Items();
    int N = static_cast<int>(Items.size());
    while (N > 0 && TRkCustomParser::IsEndToken(Items[N - 1])) --N;
    if (N == 0) return std::string();
    if (N == 1 && Items[0]->TokenType == ttSlash) return "/";
    std::string R;
    for (int i = 0; i < N - 1; ++i) {
        std::uint8_t T = Items[i]->TokenType;
        if (T == ttLineBreak || IsCommentType(T) || T == 77) continue;
        R += Items[i]->GetText();
    }
    std::uint8_t T = Items[N - 1]->TokenType;
    if (!(T == ttSemicolon || T == ttSlash || IsCommentType(T) || T == 77)) R += Items[N - 1]->GetText();
    return R;
}

TAlterSessionStatement::TAlterSessionStatement(std::uint8_t Vendor) : TCustomSqlStatement(Vendor) {
    StatementType = sstAlterSession;
}
void TAlterSessionStatement::BuildSqlText() {
    TextCache = "Desc sql text in alter session statement not implemented yet!";
}
int TAlterSessionStatement::DoParse() { return AcceptUnparsed(); }

TCommitSqlStatement::TCommitSqlStatement(std::uint8_t Vendor) : TCustomSqlStatement(Vendor) {
    NodeKind = 17;
    StatementType = sstCommit;
}
void TCommitSqlStatement::BuildSqlText() { TextCache = GetTrimmedSqlText(); }
int TCommitSqlStatement::AnalyzeParseTree() { return TCustomSqlStatement::AnalyzeParseTree(); }

TRollbackSqlStatement::TRollbackSqlStatement(std::uint8_t Vendor) : TCustomSqlStatement(Vendor) {
    NodeKind = 157;
    StatementType = sstRollback;
}
void TRollbackSqlStatement::BuildSqlText() { TextCache = GetTrimmedSqlText(); }
int TRollbackSqlStatement::AnalyzeParseTree() { return TCustomSqlStatement::AnalyzeParseTree(); }

TSavepointSqlStatement::TSavepointSqlStatement(std::uint8_t Vendor) : TCustomSqlStatement(Vendor) {
    NodeKind = 167;
    StatementType = sstSavepoint;
}
void TSavepointSqlStatement::BuildSqlText() { TextCache = GetTrimmedSqlText(); }
int TSavepointSqlStatement::AnalyzeParseTree() { return TCustomSqlStatement::AnalyzeParseTree(); }

TSetTranscationSqlStatement::TSetTranscationSqlStatement(std::uint8_t Vendor) : TSavepointSqlStatement(Vendor) {
    NodeKind = 169;
    StatementType = sstSettransaction;
}

TLockTableSqlStatement::TLockTableSqlStatement(std::uint8_t Vendor) : TSavepointSqlStatement(Vendor) {
    NodeKind = 62;
    StatementType = sstLockTable;
}

TOracleCallSqlStatement::TOracleCallSqlStatement(std::uint8_t Vendor) : TSavepointSqlStatement(Vendor) {
    NodeKind = 168;
    StatementType = sstOracleCall;
}
void TOracleCallSqlStatement::BuildSqlText() { TextCache = GetSqlText(); }
