// Statements of the SQL Server batch model that hold no nested T-SQL
// statements: USE, GO, PRINT, DECLARE, FETCH, WITH ... AS, SET, EXECUTE and
// the statements that are only recognised.
#include <span>
#include <string>

#include "formatter/rkbasetype.h"
#include "nodes/u_nodes_generic.h"
#include "parse/mssql/mssqlsqlstatement.h"
#include "parse/parserfactory.h"
#include "statementstructure/sqlstatement_select.h"

namespace {

bool IsComment(const TSourceToken* T) { return T->TokenType == ttBlockComment || T->TokenType == ttLineComment; }

// Line breaks, blanks and comments.
bool IsLayout(const TSourceToken* T) { return T->TokenType >= ttLineBreak && T->TokenType <= ttLineComment; }

// Texts of the tokens that are not comments, in order.
template <class Range>
std::string TextWithoutComments(const Range& Tokens) {
    std::string S;
    for (TSourceToken* T : Tokens)
        if (!IsComment(T)) S += T->GetText();
    return S;
}

// The script's tokens from own token 1 of N to its last, as written: the
// words of BEGIN TRAN after BEGIN, which the grammar parses instead of
// keeping them raw.
std::span<TSourceToken* const> AfterFirstOwnToken(const TRk_Node* N) {
    const int32_t n = N && N->TokenList ? N->TokenList->Count() : 0;
    if (n < 2) return {};
    const TSourceToken* first = N->TokenList->TokenAt(1);
    const TSourceToken* last = N->TokenList->TokenAt(n - 1);
    if (!first->GetOwnerList() || first->GetOwnerList() != last->GetOwnerList() || first->PosInList > last->PosInList) return {};
    const TSourceTokenSpan items = first->GetOwnerList()->Items();
    return std::span<TSourceToken* const>(items).subspan(static_cast<size_t>(first->PosInList),
                                                         static_cast<size_t>(last->PosInList - first->PosInList + 1));
}

// Trailing blanks and control characters off.
std::string TrimRight(std::string S) {
    while (!S.empty() && static_cast<unsigned char>(S.back()) <= ' ') S.pop_back();
    return S;
}

// Each token up to the first end-of-input token, passing over layout (and
// Skip).
template <class TList>
void AcceptSignificant(const TList& L, TRkVisitorAbs& V, const TSourceToken* Skip = nullptr) {
    for (TSourceToken* T : L.Items()) {
        if (T->TokenCode == 0) break;
        if (IsLayout(T) || T == Skip) continue;
        T->Accept(&V);
    }
}

// A select statement over Root with Owner's token events, analyzed.
std::unique_ptr<TCustomSqlStatement> AnalyzedSelect(std::uint8_t Vendor, TRk_Node* Root,
                                                    const TCustomSqlStatement* Owner, bool SetParsed) {
    std::unique_ptr<TCustomSqlStatement> S = NewSelectSqlStatement(Vendor);
    S->RootNode = Root;
    S->SetOnTableTokenEvent(Owner->GetOnTableTokenEvent());
    S->SetOnFieldTokenEvent(Owner->GetOnFieldTokenEvent());
    const int R = S->AnalyzeParseTree();
    if (SetParsed && R == 0) S->Parsed = true;
    return S;
}

TRk_DummyNode* AsDummy(TRk_Node* N) {
    return N && N->NodeKind == 41 ? static_cast<TRk_DummyNode*>(N) : nullptr;
}

}  // namespace

// ---------------------------------------------------------------------------
// USE

TMssqlUse::TMssqlUse(std::uint8_t Vendor) : TMssqlStatement(Vendor) { StatementType = sstMssqlUse; }

void TMssqlUse::CreatePP() { stmtwalk::UsePrinter(this); }

void TMssqlUse::Reset() {
    TMssqlStatement::Reset();
    DatabaseName = nullptr;
}

int TMssqlUse::AnalyzeParseTree() {
    TMssqlStatement::AnalyzeParseTree();
    auto* R = static_cast<_TMssqlUse*>(RootOfKind(mnkUse));
    if (!R) return -1;
    DatabaseName = R->DatabaseName;
    return 0;
}

void TMssqlUse::DoAccept(TRkVisitorAbs& Visitor) {
    Visitor.PreVisit(this);
    if (TRk_Node* R = RootOfKind(mnkUse)) {
        AcceptOwnTok(R, 0, Visitor);  // USE
        AcceptPart(DatabaseName, Visitor);
    }
    Visitor.PostVisit(this);
}

// ---------------------------------------------------------------------------
// GO

TMssqlGo::TMssqlGo(std::uint8_t Vendor) : TMssqlStatement(Vendor) { StatementType = sstMssqlGo; }

void TMssqlGo::CreatePP() { stmtwalk::UsePrinter(this); }

void TMssqlGo::Reset() {
    TMssqlStatement::Reset();
    Node = nullptr;
}

int TMssqlGo::AnalyzeParseTree() {
    TMssqlStatement::AnalyzeParseTree();
    auto* R = static_cast<_TMssqlGo*>(RootOfKind(mnkGo));
    if (!R) return -1;
    Count = R->Count;
    Node = R->Node;
    return 0;
}

void TMssqlGo::DoAccept(TRkVisitorAbs& Visitor) {
    Visitor.PreVisit(this);
    if (TRk_Node* R = RootOfKind(mnkGo)) {
        AcceptOwnTok(R, 0, Visitor);  // GO
        AcceptPart(Node, Visitor);
    }
    Visitor.PostVisit(this);
}

// ---------------------------------------------------------------------------
// PRINT

TMssqlPrint::TMssqlPrint(std::uint8_t Vendor) : TMssqlStatement(Vendor) { StatementType = sstMssqlPrint; }

void TMssqlPrint::CreatePP() { stmtwalk::UsePrinter(this); }

void TMssqlPrint::Reset() {
    TMssqlStatement::Reset();
    Operand = nullptr;
}

int TMssqlPrint::AnalyzeParseTree() {
    TMssqlStatement::AnalyzeParseTree();
    auto* R = static_cast<_TMssqlPrint*>(RootOfKind(mnkPrint));
    if (!R) return -1;
    Operand = R->Operand;
    return 0;
}

void TMssqlPrint::DoAccept(TRkVisitorAbs& Visitor) {
    Visitor.PreVisit(this);
    if (TRk_Node* R = RootOfKind(mnkPrint)) {
        AcceptOwnTok(R, 0, Visitor);  // PRINT
        AcceptPart(Operand, Visitor);
    }
    Visitor.PostVisit(this);
}

// ---------------------------------------------------------------------------
// DECLARE

TMssqlDeclare::TMssqlDeclare(std::uint8_t Vendor)
    : TMssqlStatement(Vendor), CursorQuery(NewSelectSqlStatement(Vendor)) {
    StatementType = sstMssqlDeclare;
}

TMssqlDeclare::~TMssqlDeclare() = default;

void TMssqlDeclare::CreatePP() { stmtwalk::UsePrinter(this); }

void TMssqlDeclare::Reset() {
    TMssqlStatement::Reset();
    Vars = nullptr;
    CursorName = nullptr;
    CursorOption = nullptr;
    CursorOptions = nullptr;
    CursorQuery->Reset();
}

int TMssqlDeclare::AnalyzeParseTree() {
    TMssqlStatement::AnalyzeParseTree();
    auto* R = static_cast<_TMssqlDeclare*>(RootOfKind(mnkDeclare));
    if (!R) return -1;
    Kind = R->Kind;
    CursorOptions = R->CursorOptions;
    CursorOption = R->CursorOption;
    if (Kind == 2) {
        CursorName = R->CursorName;
        CursorQuery->RootNode = R->Query;
        CursorQuery->SetOnTableTokenEvent(GetOnTableTokenEvent());
        CursorQuery->SetOnFieldTokenEvent(GetOnFieldTokenEvent());
        if (CursorQuery->AnalyzeParseTree() == 0) CursorQuery->Parsed = true;
    } else if (Kind == 1) {
        Vars = R->Vars;
    }
    return 0;
}

void TMssqlDeclare::DoAccept(TRkVisitorAbs& Visitor) {
    Visitor.PreVisit(this);
    if (TRk_Node* R = RootOfKind(mnkDeclare)) {
        AcceptOwnTok(R, 0, Visitor);  // DECLARE
        if (Kind == 1) {
            AcceptNodeListWithSeparators(Vars, &Visitor);
        } else if (Kind == 2) {
            AcceptPart(CursorName, Visitor);
            AcceptPart(CursorOption, Visitor);
            AcceptOwnTok(R, 1, Visitor);  // CURSOR
            AcceptNodeListSep(CursorOptions, &Visitor, false);
            AcceptOwnTok(R, 2, Visitor);  // FOR
            AcceptPart(CursorQuery.get(), Visitor);
        }
    }
    Visitor.PostVisit(this);
}

// ---------------------------------------------------------------------------
// Recognised-only statements

TMssqlDummyStmt::TMssqlDummyStmt(std::uint8_t Vendor) : TMssqlStatement(Vendor) {
    StatementType = sstMssqlDummyStmt;
}

void TMssqlDummyStmt::CreatePP() { stmtwalk::UsePrinter(this); }

void TMssqlDummyStmt::Reset() {
    TranName = nullptr;
    CursorName = nullptr;
    TMssqlStatement::Reset();
}

int TMssqlDummyStmt::AnalyzeParseTree() {
    TMssqlStatement::AnalyzeParseTree();
    if (!RootNode) return -1;
    TRk_Node* R = RootNode;
    // Only a recognised-only element carries the raw statement tokens.
    auto* D = dynamic_cast<_TMssqlDummyStmt*>(R);
    switch (R->NodeKind) {
        case mnkErrorStmt:
            // A statement of the script holds the front end's tokens, and
            // one analyzed again holds those of its first analysis.
            if (D && SourceTokens->Count() == 0)
                for (TSourceToken* T : D->StmtTokens->Items())
                    if (!IsComment(T)) SourceTokens->Add(T);
            break;
        case mnkOpen:
        case mnkClose:
        case mnkDeallocate:
            if (D) {
                CursorName = D->CursorName;
                IsGlobal = D->IsGlobal;
            }
            break;
        case mnkCommit:
        case mnkRollback:
        case mnkSaveTran:
            if (D) {
                FormCode = D->FormCode;
                TranName = D->TranName;
            }
            break;
        case mnkDrop:
        case mnkBeginTran:
        case mnkFirstWordStmt: {
            // "begin " stands for the BEGIN that the grammar keeps apart.
            if (R->NodeKind == mnkBeginTran)
                SetAnalyzedText(TrimRight("begin " + TextWithoutComments(AfterFirstOwnToken(R))));
            else
                SetAnalyzedText(TrimRight(D ? TextWithoutComments(D->StmtTokens->Items()) : std::string()));
            break;
        }
        case mnkLabel:
            SetAnalyzedText(TrimRight(TextWithoutComments(R->TokenList->Items())));
            break;
        default:
            SetAnalyzedText("This sql is not supported in this version");
            break;
    }
    return 0;
}

std::string TMssqlDummyStmt::GetWrittenText() {
    TSourceToken* First = GetStartToken();
    TSourceToken* Last = GetEndToken();
    if (!First || !Last || !First->GetOwnerList() || First->GetOwnerList() != Last->GetOwnerList())
        return TMssqlStatement::GetWrittenText();
    // The comments after the last word, up to the next word of the script,
    // end the text too, as they end a clean statement's; a line comment
    // keeps its line break.  Inside a block no one else prints them.
    const TSourceTokenList* L = First->GetOwnerList();
    int32_t End = Last->PosInList;
    for (int32_t i = End + 1; i < L->Count(); ++i) {
        const TSourceToken* T = L->TokenAt(i);
        if (T->IsSignificant()) break;
        if (T->TokenType == ttBlockComment || T->TokenType == ttLineComment) End = i;
    }
    std::string R;
    for (int32_t i = First->PosInList; i <= Last->PosInList; ++i)
        if (const TSourceToken* T = L->TokenAt(i)) R += T->GetText();
    // A comment on a line of its own starts that line: the layout that
    // places this text indents it, so formatting again gives the same text.
    bool LineStart = false;
    for (int32_t i = Last->PosInList + 1; i <= End; ++i) {
        const TSourceToken* T = L->TokenAt(i);
        if (T->TokenType == ttLineBreak) {
            if (!LineStart) R = TrimTrailingSpace(R) + "\r\n";
            LineStart = true;
        } else if (T->TokenType != ttBlanks || !LineStart) {
            R += T->GetText();
            LineStart = false;
        }
    }
    R = TrimTrailingSpace(R);
    if (L->TokenAt(End)->TokenType == ttLineComment) R += "\r\n";
    return R;
}

void TMssqlDummyStmt::DoAccept(TRkVisitorAbs& Visitor) {
    Visitor.PreVisit(this);
    if (TRk_Node* R = RootNode) {
        auto* D = dynamic_cast<_TMssqlDummyStmt*>(R);
        switch (StatementType) {
            case sstErrorStmt:
                // A script-level error statement walks the tokens the front
                // end gave it: its raw tokens can start with the ";" that
                // ended the statement before, which that statement walks.
                if (SourceTokens->Count() > 0) {
                    AcceptSignificant(*SourceTokens, Visitor, TerminatorToken);
                    break;
                }
                [[fallthrough]];
            case sstMssqlDummyStmt:
            case sstDropStmt:
            case sstRaiserrorStmt:
                if (D) AcceptSignificant(*D->StmtTokens, Visitor);
                break;
            case sstMssqlBreak:
            case sstMssqlContinue:
                AcceptOwnTok(R, 0, Visitor);
                break;
            case sstMssqlOpen:
            case sstMssqlClose:
            case sstMssqlDeallocate:
                AcceptOwnTok(R, 0, Visitor);
                if (IsGlobal) AcceptOwnTok(R, 1, Visitor);  // GLOBAL
                AcceptPart(CursorName, Visitor);
                break;
            case sstBeginTranStmt:
                AcceptOwnToks(R, Visitor);
                break;
            case sstMssqlCommit:
            case sstMssqlRollback:
            case sstMssqlSaveTrans:
                AcceptOwnTok(R, 0, Visitor);
                if (FormCode >= MssqlTranFormWork && FormCode <= MssqlTranFormTransaction)
                    AcceptOwnTok(R, 1, Visitor);
                AcceptPart(TranName, Visitor);
                break;
            case sstMssqlLabel:
                AcceptSignificant(*R->TokenList, Visitor);
                break;
            default:
                break;
        }
    }
    Visitor.PostVisit(this);
}

// ---------------------------------------------------------------------------
// FETCH

TMssqlFetch::TMssqlFetch(std::uint8_t Vendor) : TMssqlStatement(Vendor) { StatementType = sstMssqlFetch; }

void TMssqlFetch::CreatePP() { stmtwalk::UsePrinter(this); }

void TMssqlFetch::Reset() {
    TMssqlStatement::Reset();
    Direction = nullptr;
    CursorName = nullptr;
    IsGlobal = 0;
    IntoNode = nullptr;
}

int TMssqlFetch::AnalyzeParseTree() {
    TMssqlStatement::AnalyzeParseTree();
    auto* R = static_cast<_TMssqlFetch*>(RootOfKind(mnkFetch));
    if (!R) return -1;
    Direction = R->Direction;
    CursorName = R->CursorName;
    IsGlobal = R->IsGlobal;
    IntoNode = R->IntoNode;
    return 0;
}

void TMssqlFetch::DoAccept(TRkVisitorAbs& Visitor) {
    Visitor.PreVisit(this);
    if (TRk_Node* R = RootOfKind(mnkFetch)) {
        AcceptOwnTok(R, 0, Visitor);  // FETCH
        if (Direction) AcceptOwnToks(Direction, Visitor);
        if (IsGlobal) AcceptOwnTok(R, 1, Visitor);  // GLOBAL
        AcceptPart(CursorName, Visitor);
        if (IntoNode) {
            AcceptOwnTok(IntoNode, 0, Visitor);  // INTO
            if (TRk_DummyNode* Into = AsDummy(IntoNode)) AcceptNodeListSep(Into->List1, &Visitor, true);
        }
    }
    Visitor.PostVisit(this);
}

// ---------------------------------------------------------------------------
// WITH ... AS

TMssqlWithas::TMssqlWithas(std::uint8_t Vendor) : TMssqlStatement(Vendor) { StatementType = sstMssqlWithas; }

TMssqlWithas::~TMssqlWithas() = default;

void TMssqlWithas::CreatePP() { stmtwalk::UsePrinter(this); }

void TMssqlWithas::Reset() {
    TMssqlStatement::Reset();
    Query.reset();
    CteList = nullptr;
}

int TMssqlWithas::AnalyzeParseTree() {
    TMssqlStatement::AnalyzeParseTree();
    auto* R = static_cast<_TMssqlWithas*>(RootOfKind(mnkWithas));
    if (!R) return -1;
    CteList = R->CteList;
    if (R->Query) Query = AnalyzedSelect(VendorMssql, R->Query, this, true);
    return 0;
}

void TMssqlWithas::DoAccept(TRkVisitorAbs& Visitor) {
    Visitor.PreVisit(this);
    if (TRk_Node* R = RootOfKind(mnkWithas)) {
        AcceptOwnTok(R, 0, Visitor);  // WITH
        AcceptPart(CteList, Visitor);
        AcceptPart(Query.get(), Visitor);
        AcceptOwnTok(R, 1, Visitor);  // AS
    }
    Visitor.PostVisit(this);
}

// ---------------------------------------------------------------------------
// SET

TMssqlSet::TMssqlSet(std::uint8_t Vendor) : TMssqlStatement(Vendor) { StatementType = sstMssqlSet; }

TMssqlSet::~TMssqlSet() = default;

void TMssqlSet::CreatePP() { stmtwalk::UsePrinter(this); }

void TMssqlSet::Reset() {
    TMssqlStatement::Reset();
    CursorQuery.reset();
}

int TMssqlSet::AnalyzeParseTree() {
    TMssqlStatement::AnalyzeParseTree();
    auto* R = static_cast<_TMssqlSet*>(RootOfKind(mnkSet));
    if (!R) return -1;
    if (R->Query) CursorQuery = AnalyzedSelect(DbVendor, R->Query, this, false);
    return 0;
}

void TMssqlSet::DoAccept(TRkVisitorAbs& Visitor) {
    Visitor.PreVisit(this);
    if (auto* R = static_cast<_TMssqlSet*>(RootOfKind(mnkSet))) {
        if (R->TokenList->Count() == 0) {
            AcceptPart(R->SetToken, Visitor);
            AcceptPart(R->VarToken, Visitor);
            AcceptPart(R->EqualToken, Visitor);
        } else {
            AcceptOwnToks(R, Visitor);  // SET and the raw statement tokens
        }
        AcceptPart(R->Expr, Visitor);
        if (R->Query) {
            AcceptPart(R->CursorToken, Visitor);
            AcceptPart(R->ScrollToken, Visitor);
            AcceptPart(R->CursorKindToken, Visitor);
            AcceptPart(R->ConcurrencyToken, Visitor);
            AcceptPart(R->TypeWarningToken, Visitor);
            AcceptPart(R->ForToken, Visitor);
            AcceptPart(CursorQuery.get(), Visitor);
        }
    }
    Visitor.PostVisit(this);
}

// ---------------------------------------------------------------------------
// EXECUTE

TMssqlExecute::TMssqlExecute(std::uint8_t Vendor) : TMssqlStatement(Vendor) { StatementType = sstMssqlExec; }

void TMssqlExecute::CreatePP() { stmtwalk::UsePrinter(this); }

int TMssqlExecute::AnalyzeParseTree() {
    TMssqlStatement::AnalyzeParseTree();
    return 0;  // the walk reads the root
}

void TMssqlExecute::DoAccept(TRkVisitorAbs& Visitor) {
    Visitor.PreVisit(this);
    if (auto* R = static_cast<_TMssqlExecute*>(RootOfKind(mnkExecute))) {
        AcceptPart(R->ExecToken, Visitor);
        if (R->IsStringExec == 0) {
            if (R->ReturnStatus) {
                R->ReturnStatus->Accept(&Visitor);
                AcceptPart(R->EqualToken, Visitor);
            }
            if (TRk_DummyNode* M = AsDummy(R->ModuleName)) {
                AcceptPart(M->Sub1, Visitor);
                AcceptPart(M->Tok1, Visitor);
            }
            if (R->Params)
                for (std::int32_t i = 0; i < R->Params->Count(); ++i) {
                    TRk_DummyNode* P = AsDummy(R->Params->GetNode(i));
                    if (!P) continue;
                    if (i > 0) AcceptPart(P->SeparatorToken, Visitor);
                    AcceptPart(P->Tok1, Visitor);  // parameter name
                    AcceptPart(P->Tok2, Visitor);  // "="
                    if (P->Sub1) AcceptOwnToks(P->Sub1, Visitor);
                    AcceptPart(P->Tok3, Visitor);  // OUTPUT, OUT or DEFAULT
                }
            if (R->WithToken) {
                R->WithToken->Accept(&Visitor);
                AcceptPart(R->RecompileToken, Visitor);
            }
        } else {
            AcceptOwnTok(R, 0, Visitor);                     // "("
            AcceptNodeListSep(R->Params, &Visitor, true);   // parts, "+" between
            AcceptOwnTok(R, 1, Visitor);                     // ")"
        }
    }
    Visitor.PostVisit(this);
}

// ---------------------------------------------------------------------------

std::unique_ptr<TCustomSqlStatement> NewMssqlStatementForWord(const std::string& LowerWord, std::uint8_t Vendor) {
    if (LowerWord == "use") return CreateNodeOfClass<TMssqlUse>(Vendor);
    if (LowerWord == "go") return CreateNodeOfClass<TMssqlGo>(Vendor);
    return nullptr;
}
