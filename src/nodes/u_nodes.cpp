// Tokens, token lists and the range-text routines.
#include "nodes/u_nodes.h"

#include <algorithm>
#include <cstdlib>
#include <new>

#include "formatter/rkbasetype.h"
#include "nodes/rkexceptions.h"

namespace {
constexpr const char* kUnit = "nodes/u_nodes";

inline bool IsBlank(const TSourceToken* t) { return t->TokenType == ttBlanks; }
inline bool IsLineBreak(const TSourceToken* t) { return t->TokenType == ttLineBreak; }
inline bool IsComment(const TSourceToken* t) {
    return t->TokenType == ttBlockComment || t->TokenType == ttLineComment;
}
inline bool IsCommentCode(const TSourceToken* t) {
    return t->TokenCode == tcBlockComment || t->TokenCode == tcLineComment;
}
}  // namespace

// ---------------------------------------------------------------------------
// TSourceToken

std::string TSourceToken::GetFormattedText() {
    TSourceTokenList* L = GetOwnerList();
    if (!L) return std::string();
    return TokenSpanText(L, this, GetRangeLength(), 0);
}

std::unique_ptr<TSourceToken> MakeSourceToken(std::string_view AText, uint8_t ATokenType,
                                              uint8_t AGroup, uint8_t ASubKind,
                                              int32_t ALine, int32_t AColumn) {
    auto t = std::make_unique<TSourceToken>();
    t->SetText(AText);
    t->TokenType = ATokenType;
    t->TokenGroup = AGroup;
    t->TokenSubKind = ASubKind;
    t->Line = ALine;
    t->Column = AColumn;
    t->DbObjKind = okUnknown;
    t->TokenCode = 0;
    return t;
}

// ---------------------------------------------------------------------------
// The tokens an owning list frees: those handed over as unique_ptr, and those
// made in place in blocks that double in size up to a fixed block size (a
// short statement's text takes one small block, a script a few hundred
// large ones).  Tokens never move: their addresses are kept everywhere.

class TRkTokenStore {
public:
    TRkTokenStore() = default;
    TRkTokenStore(const TRkTokenStore&) = delete;
    TRkTokenStore& operator=(const TRkTokenStore&) = delete;
    ~TRkTokenStore() { Clear(); }

    void Adopt(std::unique_ptr<TSourceToken> t) { FAdopted.push_back(std::move(t)); }

    TSourceToken* Make() {
        if (FBlocks.empty() || FBlocks.back().Used == FBlocks.back().Capacity) {
            const int32_t cap = FBlocks.empty() ? kFirstBlock : std::min(FBlocks.back().Capacity * 2, kMaxBlock);
            void* raw = ::operator new(static_cast<size_t>(cap) * sizeof(TSourceToken));
            FBlocks.push_back(TBlock{static_cast<TSourceToken*>(raw), 0, cap});
        }
        TBlock& b = FBlocks.back();
        TSourceToken* t = new (b.Tokens + b.Used) TSourceToken();
        ++b.Used;
        return t;
    }

    void DropNewest() {
        if (FBlocks.empty() || FBlocks.back().Used == 0) return;
        TBlock& b = FBlocks.back();
        --b.Used;
        b.Tokens[b.Used].~TSourceToken();
    }

    void Clear() {
        FAdopted.clear();
        for (TBlock& b : FBlocks) {
            for (int32_t i = 0; i < b.Used; ++i) b.Tokens[i].~TSourceToken();
            ::operator delete(b.Tokens);
        }
        FBlocks.clear();
    }

private:
    static constexpr int32_t kFirstBlock = 16;
    static constexpr int32_t kMaxBlock = 1024;
    struct TBlock {
        TSourceToken* Tokens = nullptr;
        int32_t Used = 0;
        int32_t Capacity = 0;
    };
    std::vector<TBlock> FBlocks;
    std::vector<std::unique_ptr<TSourceToken>> FAdopted;
};

// ---------------------------------------------------------------------------
// TSourceTokenList: storage

TSourceTokenList::TSourceTokenList(bool AOwnsObjects) {
    if (AOwnsObjects) FOwned = std::make_unique<TRkTokenStore>();
}

TSourceTokenList::~TSourceTokenList() = default;

void TSourceTokenList::Clear() {
    FItems.clear();
    if (FOwned) FOwned->Clear();
}

TSourceToken* TSourceTokenList::NewStoredToken() {
    RK_ASSERT(FOwned != nullptr, "Token list does not own its tokens", kUnit);
    return FOwned->Make();
}

void TSourceTokenList::DropNewestStoredToken() {
    if (FOwned) FOwned->DropNewest();
}

TSourceToken* TSourceTokenList::GetToken(int32_t i) const {
    if (i < 0 || i >= Count()) throw ERkListError(i);
    return FItems[static_cast<size_t>(i)];
}

int32_t TSourceTokenList::Add(TSourceToken* t) {
    // Most lists are a node's own few tokens: skip the growth steps 1, 2.
    if (FItems.capacity() == 0) FItems.reserve(4);
    FItems.push_back(t);
    return Count() - 1;
}

int32_t TSourceTokenList::Add(std::unique_ptr<TSourceToken> t) {
    RK_ASSERT(FOwned != nullptr, "Token list does not own its tokens", kUnit);
    FItems.push_back(t.get());
    FOwned->Adopt(std::move(t));
    return Count() - 1;
}

void TSourceTokenList::Insert(int32_t i, TSourceToken* t) {
    if (i < 0 || i > Count()) throw ERkListError(i);
    FItems.insert(FItems.begin() + i, t);
}

void TSourceTokenList::Insert(int32_t i, std::unique_ptr<TSourceToken> t) {
    RK_ASSERT(FOwned != nullptr, "Token list does not own its tokens", kUnit);
    if (i < 0 || i > Count()) throw ERkListError(i);
    FItems.insert(FItems.begin() + i, t.get());
    FOwned->Adopt(std::move(t));
}

int32_t TSourceTokenList::IndexOf(const TSourceToken* t) const {
    // The script list is append-only, so a token's own position is the
    // usual answer; check it first.
    if (t && t->PosInList >= 0 && t->PosInList < Count() &&
        FItems[static_cast<size_t>(t->PosInList)] == t)
        return t->PosInList;
    auto it = std::find(FItems.begin(), FItems.end(), t);
    return it == FItems.end() ? -1 : static_cast<int32_t>(it - FItems.begin());
}

TSourceToken* TSourceTokenList::RemoveAt(int32_t i) {
    TSourceToken* t = GetToken(i);
    FItems.erase(FItems.begin() + i);
    // An owned token stays in FOwned, alive until the list goes.
    return t;
}

// ---------------------------------------------------------------------------
// TSourceTokenList: look-around

int32_t TSourceTokenList::LineBreakDistance(int32_t Pos, bool SkipComments) const {
    if (Pos < 0 || Pos >= Count() - 1) return 0;
    for (int32_t j = Pos + 1; j < Count(); ++j) {
        const TSourceToken* t = FItems[static_cast<size_t>(j)];
        if (IsBlank(t) || (SkipComments && IsComment(t))) continue;
        return IsLineBreak(t) ? j - Pos : 0;
    }
    return 0;
}

bool TSourceTokenList::LineBreakFollows(bool SkipComments) const {
    return LineBreakDistance(CurPos, SkipComments) > 0;
}

bool TSourceTokenList::AtLineStart() const {
    if (CurPos < 1 || CurPos > Count() - 1) return false;
    for (int32_t j = CurPos - 1; j >= 0; --j) {
        const TSourceToken* t = FItems[static_cast<size_t>(j)];
        if (IsBlank(t)) continue;
        return IsLineBreak(t);
    }
    return false;
}

bool TSourceTokenList::PrevTokenIsAt(std::string_view Text, int32_t Pos, bool SkipBlanks,
                                     bool SkipComments, bool SkipLineBreaks) const {
    if (Pos < 1) return false;
    int32_t j = std::min(Pos, Count()) - 1;
    for (; j >= 0; --j) {
        const TSourceToken* t = FItems[static_cast<size_t>(j)];
        if ((SkipBlanks && IsBlank(t)) || (SkipLineBreaks && IsLineBreak(t)) ||
            (SkipComments && IsCommentCode(t)))
            continue;
        break;
    }
    if (j < 0) return false;
    const TSourceToken* t = FItems[static_cast<size_t>(j)];
    if (Text == "\n") return IsLineBreak(t);
    return SameText(Text, t->GetText());
}

bool TSourceTokenList::PrevTokenIs(std::string_view Text, bool SkipBlanks, bool SkipComments,
                                   bool SkipLineBreaks) const {
    return PrevTokenIsAt(Text, CurPos, SkipBlanks, SkipComments, SkipLineBreaks);
}

int32_t TSourceTokenList::NextSqlplusCmdIndex(int32_t Pos) const {
    if (Pos < 0 || Pos >= Count() - 1) return 0;
    for (int32_t j = Pos + 1; j < Count(); ++j) {
        const TSourceToken* t = FItems[static_cast<size_t>(j)];
        if (!t->IsSignificant()) continue;
        return t->TokenCode == tcSqlplusCmd ? j : 0;
    }
    return 0;
}

bool TSourceTokenList::NextIsSqlplusCmd() const { return NextSqlplusCmdIndex(CurPos) > 0; }

int32_t TSourceTokenList::FindIdentAhead(int32_t Pos, std::string_view Word,
                                         int32_t MaxCount) const {
    if (Pos < 0 || Pos > Count() - 2) return 0;
    const bool table = SameText(Word, "table");
    int32_t counter = 0;
    for (int32_t j = Pos + 1; j < Count(); ++j) {
        const TSourceToken* t = FItems[static_cast<size_t>(j)];
        if (IsBlank(t) || IsLineBreak(t) || IsCommentCode(t)) continue;
        if (table && (SameText(t->GetText(), "TEMPORARY") || SameText(t->GetText(), "TEMP") ||
                      SameText(t->GetText(), "LOCAL") || SameText(t->GetText(), "GLOBAL")))
            continue;
        if (SameText(t->GetText(), Word)) return j;
        if (++counter == MaxCount) return 0;
    }
    return 0;
}

TSourceToken* TSourceTokenList::SolidTokenAt(int32_t Pos, int32_t N) const {
    if (Pos < 0 || Pos > Count() - 1 || N == 0) return nullptr;
    if (N > 0) {
        if (Pos == Count() - 1) return nullptr;
        int32_t k = 0;
        for (int32_t j = Pos + 1; j < Count(); ++j) {
            TSourceToken* t = FItems[static_cast<size_t>(j)];
            if (t->IsSignificant() && ++k == N) return t;
        }
        return nullptr;
    }
    if (Pos < 1) return nullptr;
    const int64_t want = -static_cast<int64_t>(N);
    int64_t k = 0;
    for (int32_t j = Pos - 1; j >= 0; --j) {
        TSourceToken* t = FItems[static_cast<size_t>(j)];
        if (t->IsSignificant() && ++k == want) return t;
    }
    return nullptr;
}

TSourceToken* TSourceTokenList::SolidTokenFrom(const TSourceToken* Token, int32_t N) const {
    if (!Token || Token->PosInList == -1) return nullptr;
    return SolidTokenAt(Token->PosInList, N);
}

// ---------------------------------------------------------------------------
// Range texts

namespace {

// Column at which T starts on its source line: the text of the tokens before
// it back to the last line break.
size_t StartColumn(const TSourceToken* T) {
    const TSourceTokenList* L = T->GetOwnerList();
    if (!L || T->PosInList < 0) return 0;
    size_t Col = 0;
    for (int32_t j = T->PosInList - 1; j >= 0; --j) {
        const std::string_view Text = L->TokenAt(j)->GetText();
        const size_t Nl = Text.find_last_of('\n');
        if (Nl != std::string_view::npos) return Col + Text.size() - Nl - 1;
        Col += Text.size();
    }
    return Col;
}

// A block comment's text with its later lines moved left by the column the
// comment started at, so that they sit relative to the comment's start.  The
// printers indent every line of a piece to the layout column; without this
// each formatting pass added that column again and the comment drifted
// right.
std::string CommentText(const TSourceToken* T) {
    const std::string_view S = T->GetText();
    if (T->TokenType != ttBlockComment || S.find('\n') == std::string_view::npos) return std::string(S);
    const size_t Col = StartColumn(T);
    std::string R;
    R.reserve(S.size());
    size_t i = 0;
    while (i < S.size()) {
        const size_t Nl = S.find('\n', i);
        const size_t End = Nl == std::string_view::npos ? S.size() : Nl + 1;
        size_t From = i;
        if (i > 0)
            while (From < End && From - i < Col && (S[From] == ' ' || S[From] == '\t')) ++From;
        R.append(S, From, End - From);
        i = End;
    }
    return R;
}

}  // namespace

std::string TokenRangeText(const TSourceTokenList* List, int32_t From, int32_t To, int Flags) {
    std::string text;
    if (!List) return text;
    const int32_t count = List->Count();
    if (From < 0 || To < 0 || From > count - 1 || To > count - 1 || From > To) return text;
    const auto& items = List->Items();

    std::string piece;
    for (int32_t i = From; i <= To; ++i) {
        const TSourceToken* t = items[static_cast<size_t>(i)];
        piece = t->GetText();
        switch (t->TokenType) {
        case ttKeyword:
            if (FmtOpt.KeywordCase != 3) piece = ChangeCase(t->GetText(), FmtOpt.KeywordCase);
            break;
        case ttIdentifier:
            if (FmtOpt.IdentifierCase != 3) piece = ChangeCase(t->GetText(), FmtOpt.IdentifierCase);
            break;
        case ttBlanks:
            if (Flags & rtDropBlanks)
                piece.clear();
            else if (Flags & rtOneBlank)
                piece.assign(1, RkSeparatorChar);
            break;
        case ttLineBreak: {
            const bool afterComment = i > From && IsComment(items[static_cast<size_t>(i - 1)]);
            if ((Flags & rtDropLineBreaks) && ((Flags & rtDropComments) || !afterComment))
                piece.clear();
            break;
        }
        case ttBlockComment:
        case ttLineComment:
            if (Flags & rtDropComments) piece.clear();
            else piece = CommentText(t);
            break;
        default:
            break;
        }
        // A function name takes the function-name case from its own text.
        // Strings, quoted and bracketed names keep their case: it is part of
        // the name.
        if (t->DbObjKind == okFunction && FmtOpt.FunctionNameCase != 3 &&
            t->TokenType != ttString && t->TokenType != ttQuotedName &&
            t->TokenType != ttBracketedName)
            piece = ChangeCase(t->GetText(), FmtOpt.FunctionNameCase);
        text += piece;
    }

    if (Flags & rtNoTrailing) return text;
    return text + TrailingPart(List, To);
}

std::string TrailingPart(const TSourceTokenList* List, int32_t After) {
    std::string tail, pending;
    const int32_t count = List ? List->Count() : 0;
    for (int32_t j = After + 1; j < count; ++j) {
        const TSourceToken* t = List->Items()[static_cast<size_t>(j)];
        if (IsBlank(t)) {
            if (TrailingLineBreakCount(pending) == 0) pending.assign(1, RkSeparatorChar);
        } else if (IsLineBreak(t)) {
            if (TrailingLineBreakCount(pending) == 0) pending += "\r\n";
        } else if (IsComment(t)) {
            tail += pending;
            // A line comment that holds "*/" cannot be wrapped: it stays as written.
            if (t->TokenType == ttLineComment && (FmtOpt.CommentStyle == 1 || FmtOpt.CommentStyle == 2) &&
                t->GetText().find("*/") == std::string::npos) {
                tail += "/* ";
                tail += t->GetText();
                tail += " */";
            } else {
                tail += CommentText(t);
            }
            pending.clear();
        } else {
            break;
        }
    }
    if (!tail.empty()) tail += pending;
    return tail;
}

std::string TokenSpanText(const TSourceTokenList* List, const TSourceToken* Token, int32_t N,
                          int Flags) {
    if (!List || !Token) return std::string();
    const int32_t p = Token->PosInList;
    if (p == -1 || N == 0) return std::string();
    const int32_t count = List->Count();
    const auto& items = List->Items();
    if (N > 0) {
        int64_t k = 1;
        int32_t j = p + 1;
        for (; k < N && j < count; ++j)
            if (items[static_cast<size_t>(j)]->IsSignificant()) ++k;
        if (k < N) return std::string();
        return TokenRangeText(List, p, j - 1, Flags);
    }
    const int64_t want = -static_cast<int64_t>(N);
    int64_t k = 1;
    int32_t j = p - 1;
    for (; k < want && j >= 0; --j)
        if (j < count && items[static_cast<size_t>(j)]->IsSignificant()) ++k;
    if (k < want) return std::string();
    return TokenRangeText(List, j + 1, p, Flags);
}
