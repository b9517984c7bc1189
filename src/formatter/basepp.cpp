#include "formatter/basepp.h"

#include "formatter/rkbasetype.h"
#include "nodes/u_nodes.h"
#include "process/stackguard.h"
#include "statementstructure/sqlstatement.h"

TRkStatementPPFactory RkStatementPPFactory = nullptr;

TCustomPP::TCustomPP(TRkVisitedAbs* AOwner) : Owner(AOwner) {}

std::string TCustomPP::GetPrettyText() {
    return "Abstract class of Pretty printer can not return pretty text";
}

TRk_Node* TCustomPP::OwnerNode() const { return Owner ? Owner->AsNode() : nullptr; }

std::string TDummyPP::GetPrettyText() {
    TRk_Node* node = OwnerNode();
    // A statement's text as written leaves out the comments that end it.
    if (auto* s = dynamic_cast<TCustomSqlStatement*>(node)) return s->AsText() + CommentsAfterText(*s);
    if (node) return node->AsText();
    return std::string("Pretty printer owner class is wrong: ") +
           (Owner ? Owner->ClassName() : "nil");
}

TFmtOptPP::TFmtOptPP(TRkVisitedAbs* AOwner) : TCustomPP(AOwner) {
    SeparatorStyle = FmtOpt.SeparatorStyle;
    AndOrPlacement = FmtOpt.AndOrPlacement;
    ExprListOneLine = FmtOpt.ExprListOneLine;
    SaveOptions();
}

void TFmtOptPP::SaveOptions() {
    BackupSeparatorStyle = SeparatorStyle;
    BackupAndOrPlacement = AndOrPlacement;
    BackupExprListOneLine = ExprListOneLine;
}

void TFmtOptPP::RestoreOptions() {
    SeparatorStyle = BackupSeparatorStyle;
    AndOrPlacement = BackupAndOrPlacement;
    ExprListOneLine = BackupExprListOneLine;
}

namespace pp {

std::string Fmt(TSourceToken* T) { return T ? T->GetFormattedText() : std::string(); }

std::string Span(TSourceToken* T, int32_t Count) {
    if (!T) return {};
    const int32_t saved = T->GetRangeLength();
    T->SetRangeLength(Count < 1 ? 1 : Count);
    // A comment inside the span ends a line: the next line's source
    // indentation goes, as in every plain piece the layout places.
    std::string s = UnindentText(T->GetFormattedText());
    T->SetRangeLength(saved);
    return s;
}

int32_t TokCount(const TRk_Node* N) { return N && N->TokenList ? N->TokenList->Count() : 0; }

std::string Tok(const TRk_Node* N, int32_t I) {
    return N && N->TokenList ? Fmt(N->TokenList->TokenAt(I)) : std::string();
}

namespace {
constexpr uint8_t kFuncCallKind = 50;
constexpr uint8_t kSelectStatementKind = 179;
thread_local int32_t NestedQueries = 0;   // queries and calls being laid out
}  // namespace

std::string WrittenText(TSourceToken* First, TSourceToken* Last) {
    if (!First || !Last || !First->GetOwnerList() || First->GetOwnerList() != Last->GetOwnerList()) return {};
    return TrimTrailingBlanks(TokenRangeText(First->GetOwnerList(), First->PosInList, Last->PosInList, rtNoTrailing));
}

std::string Pretty(TRk_Node* N) {
    if (!N) return {};
    // A statement made where no printer was chosen for it (a query inside an
    // expression) gets the printer of its class now.
    if (!N->PP() && RkStatementPPFactory && dynamic_cast<TCustomSqlStatement*>(N))
        N->SetPP(RkStatementPPFactory(N));
    if (N->NodeKind != kSelectStatementKind && N->NodeKind != kFuncCallKind) return N->GetPrettyText();
    if (NestedQueries >= MaxNestedQueries) return WrittenText(N->GetStartToken(), N->GetEndToken());
    ++NestedQueries;
    struct TLeave {
        ~TLeave() { --NestedQueries; }
    } leave;
    return N->GetPrettyText();
}
std::string Plain(TRk_Node* N) { return N ? UnindentText(N->AsText()) : std::string(); }

std::string Blanks(int32_t N) { return N > 0 ? std::string(static_cast<size_t>(N), ' ') : std::string(); }

std::string At(const std::string& R, const std::string& T) {
    return IndentAfter(R, T);
}

bool Present(const std::string& S) { return !S.empty() && S != " "; }

std::string WrongOwner(const char* Expected, const TRkVisitedAbs* Owner) {
    return std::string("Owner class should be ") + Expected + ", error classtype:" +
           (Owner ? Owner->ClassName() : "nil");
}

std::string ClauseLine(const std::string& R, int32_t B, int32_t W, const std::string& K,
                       bool LeftJustify, const std::string& Body, int32_t Indent) {
    return EnsureLineBreak(R) + Blanks(B) + PadKeyword(W, K, LeftJustify) + " " +
           IndentText(Body, Indent);
}

std::string Toks(const TRk_Node* N, int32_t From, int32_t To, std::string_view Sep) {
    std::string s;
    for (int32_t i = From; i < To; ++i) {
        if (i > From) s += Sep;
        s += Tok(N, i);
    }
    return s;
}

void TLineText::Append(std::string_view S) {
    const size_t p = S.find_last_of("\r\n");
    if (p != std::string_view::npos) FLineStart = FText.size() + p + 1;
    FText.append(S);
}

void TLineText::AppendAt(std::string_view T) { Append(IndentText(T, Column())); }

void TLineText::EnsureLineBreak() {
    EnsureLineBreakInPlace(FText);
    FLineStart = FText.size();   // the text ends in CR or LF now
}

bool EnsureParsed(TCustomSqlStatement* S) {
    if (!S) return false;
    if (!S->Parsed) S->Parse(false);
    return S->Parsed;
}

std::string AcceptedWithoutTree(TCustomSqlStatement* S) {
    if (!S || S->GetErrorCount() > 0) return {};
    return S->GetTrimmedSqlText() + CommentsAfterText(*S);
}

std::string CommentsAfterWords(TCustomSqlStatement* S) {
    std::string R;
    for (TSourceToken* t : S->SourceTokens->Items()) {
        if (t->TokenCode == 0) break;
        if (t->IsSignificant() && t != S->TerminatorToken && t->GetOwnerList())
            R += TrailingPart(t->GetOwnerList(), t->PosInList);
    }
    return R;
}

}  // namespace pp
