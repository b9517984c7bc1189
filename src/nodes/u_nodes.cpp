// Tokens, token lists and the range-text routines.
#include "nodes/u_nodes.h"

#include <algorithm>
#include <cstdlib>
#include <new>
#include <stdexcept>

#include "formatter/rkbasetype.h"
#include "nodes/rkblocksource.h"
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
// The tokens an owning list frees: those handed over as unique_ptr, and those
// made in place in blocks of fixed size, aligned to that size, so that a
// token finds its store from its own address (the block starts with a
// TRkTokenBlockHead).  The store may keep the script's text, which stored
// tokens view; beside them, append-only character blocks hold the texts
// that are not views and the side records.  Stored tokens own nothing on
// the heap, so the blocks go without a destructor call per token.  Tokens
// never move: their addresses are kept everywhere.

class TRkTokenStore {
public:
    explicit TRkTokenStore(TSourceTokenList* AOwner) : FOwner(AOwner) {}
    TRkTokenStore(const TRkTokenStore&) = delete;
    TRkTokenStore& operator=(const TRkTokenStore&) = delete;
    ~TRkTokenStore() { Clear(); }

    static TRkTokenStore* Of(const TSourceToken* T) {
        const auto base = reinterpret_cast<uintptr_t>(T) & ~(kBlockBytes - 1);
        return reinterpret_cast<const THead*>(base)->Store;
    }
    TSourceTokenList* Owner() const { return FOwner; }

    // Only while the store has no blocks: their heads carry the text.
    void Keep(std::shared_ptr<const std::string> Text) { FKept = std::move(Text); }
    std::string_view Kept() const { return FKept ? std::string_view(*FKept) : std::string_view(); }
    // Where AText starts in the kept text, when it lies wholly inside it and
    // a view can address it.
    bool ViewOf(std::string_view AText, uint32_t& At) const {
        if (!FKept || AText.empty()) return false;
        const auto from = reinterpret_cast<uintptr_t>(FKept->data());
        const auto p = reinterpret_cast<uintptr_t>(AText.data());
        if (p < from || p - from > FKept->size() || AText.size() > FKept->size() - (p - from)) return false;
        if (p - from + AText.size() > UINT32_MAX) return false;
        At = static_cast<uint32_t>(p - from);
        return true;
    }

    void Adopt(std::unique_ptr<TSourceToken> t) { FAdopted.push_back(std::move(t)); }

    TSourceToken* Make() {
        if (FFree == 0) NewTokenBlock();
        TSourceToken* t = new (FNextToken) TSourceToken();
        t->FFlags = TSourceToken::kInStore;
        ++FNextToken;
        --FFree;
        return t;
    }

    void DropNewest() {
        if (!FNextToken || FFree == kPerBlock) return;
        --FNextToken;
        ++FFree;
        FNextToken->~TSourceToken();
    }

    // Bytes for text and side records, 8-aligned.
    unsigned char* Allocate(size_t Bytes) {
        Bytes = (Bytes + 7) & ~size_t{7};
        if (Bytes > kCharBlock / 4) {   // a long text: a block of its own
            FCharBlocks.push_back(std::make_unique<unsigned char[]>(Bytes));
            return FCharBlocks.back().get();
        }
        if (Bytes > static_cast<size_t>(FCharEnd - FCharNext)) {
            FCharNext = static_cast<unsigned char*>(NewBlock());
            FCharEnd = FCharNext + kCharBlock;
        }
        unsigned char* p = FCharNext;
        FCharNext += Bytes;
        return p;
    }

    void Clear() {
        FAdopted.clear();
        FBlocks.Release();
        FSpareNext = FSpareEnd = nullptr;
        FCharBlocks.clear();
        FNextToken = nullptr;
        FFree = 0;
        FCharNext = FCharEnd = nullptr;
        FKept.reset();
    }

private:
    static constexpr size_t kBlockBytes = kRkTokenBlockBytes;
    static constexpr size_t kCharBlock = kBlockBytes;
    using THead = TRkTokenBlockHead;
    static constexpr size_t kFirstToken = (sizeof(THead) + alignof(TSourceToken) - 1) & ~(alignof(TSourceToken) - 1);
    static constexpr int32_t kPerBlock = static_cast<int32_t>((kBlockBytes - kFirstToken) / sizeof(TSourceToken));

    // A token or character block, carved from the large blocks of FBlocks.
    void* NewBlock() {
        if (FSpareNext == FSpareEnd) {
            const TRkBlockSource::TBlock B = FBlocks.Take(kBlockBytes, kBlockBytes, kBlockBytes);
            FSpareNext = static_cast<unsigned char*>(B.Data);
            FSpareEnd = FSpareNext + B.Size;
        }
        void* p = FSpareNext;
        FSpareNext += kBlockBytes;
        return p;
    }

    void NewTokenBlock() {
        void* raw = NewBlock();
        new (raw) THead{this, FKept ? FKept->data() : nullptr};
        FNextToken = reinterpret_cast<TSourceToken*>(static_cast<unsigned char*>(raw) + kFirstToken);
        FFree = kPerBlock;
    }

    TSourceTokenList* FOwner;
    TRkBlockSource FBlocks;   // token and character blocks
    unsigned char* FSpareNext = nullptr;   // FBlocks' room not yet carved
    unsigned char* FSpareEnd = nullptr;
    TSourceToken* FNextToken = nullptr;
    int32_t FFree = 0;
    std::vector<std::unique_ptr<unsigned char[]>> FCharBlocks;   // long texts
    unsigned char* FCharNext = nullptr;
    unsigned char* FCharEnd = nullptr;
    std::vector<std::unique_ptr<TSourceToken>> FAdopted;
    std::shared_ptr<const std::string> FKept;
};

// ---------------------------------------------------------------------------
// TSourceToken

namespace {
// The text records of the one-character texts.
struct TOneCharTexts {
    unsigned char Records[256][2];
};
constexpr TOneCharTexts MakeOneCharTexts() {
    TOneCharTexts t{};
    for (int c = 0; c < 256; ++c) {
        t.Records[c][0] = 1;
        t.Records[c][1] = static_cast<unsigned char>(c);
    }
    return t;
}
constexpr TOneCharTexts OneCharTexts = MakeOneCharTexts();

// Tokens are made by the hundred thousand per script.
static_assert(sizeof(void*) != 8 || sizeof(TSourceToken) <= 40);
}  // namespace

TSourceToken::~TSourceToken() {
    if (FFlags & kOwnsBlock) FreeBlock();
}

void TSourceToken::FreeBlock() {
    unsigned char* block = const_cast<unsigned char*>(FText) - (HasSide() ? sizeof(TSourceTokenSide) : 0);
    ::operator delete(block);
    FFlags &= static_cast<uint8_t>(~kOwnsBlock);
}

void TSourceToken::Place(std::string_view AText, bool WithSide) {
    const size_t n = AText.size();
    if (!WithSide && n <= 1) {   // no block: a static record
        if (FFlags & kOwnsBlock) FreeBlock();
        FText = n == 0 ? kRkEmptyTokenText : OneCharTexts.Records[static_cast<unsigned char>(AText[0])];
        FFlags &= static_cast<uint8_t>(~(kHasSide | kViewed));
        return;
    }
    uint32_t at = 0;
    if (!WithSide && (FFlags & kInStore) && TRkTokenStore::Of(this)->ViewOf(AText, at)) {
        FView = {at, static_cast<uint32_t>(n)};
        FFlags = static_cast<uint8_t>((FFlags | kViewed) & ~kHasSide);
        return;
    }
    if (n > UINT32_MAX) throw std::length_error("token text too long");
    const size_t head = n < kLongText ? 1 : 1 + sizeof(uint32_t);
    const size_t side = WithSide ? sizeof(TSourceTokenSide) : 0;
    const size_t bytes = side + head + n;
    unsigned char* block = (FFlags & kInStore) ? TRkTokenStore::Of(this)->Allocate(bytes)
                                               : static_cast<unsigned char*>(::operator new(bytes));
    unsigned char* rec = block + side;
    if (WithSide) new (block) TSourceTokenSide(HasSide() ? *Side() : TSourceTokenSide{});
    if (n < kLongText) {
        rec[0] = static_cast<unsigned char>(n);
    } else {
        rec[0] = static_cast<unsigned char>(kLongText);
        const auto l = static_cast<uint32_t>(n);
        std::memcpy(rec + 1, &l, sizeof l);
    }
    if (n) std::memcpy(rec + head, AText.data(), n);   // before the old block goes: AText may be in it
    if (FFlags & kOwnsBlock) FreeBlock();
    FText = rec;
    FFlags &= static_cast<uint8_t>(~kViewed);
    if (WithSide) FFlags |= kHasSide;
    else FFlags &= static_cast<uint8_t>(~kHasSide);
    if (!(FFlags & kInStore)) FFlags |= kOwnsBlock;
}

void TSourceToken::SetText(std::string_view AText) { Place(AText, HasSide()); }

TSourceTokenSide* TSourceToken::EnsureSide() {
    if (!HasSide()) Place(GetText(), true);
    return Side();
}

TSourceTokenList* TSourceToken::GetOwnerList() const {
    if (FFlags & kOwnerIsStore) return TRkTokenStore::Of(this)->Owner();
    return HasSide() ? Side()->OwnerList : nullptr;
}

void TSourceToken::SetOwnerList(TSourceTokenList* L) {
    if ((FFlags & kInStore) && L == TRkTokenStore::Of(this)->Owner()) {
        FFlags |= kOwnerIsStore;
        if (HasSide()) Side()->OwnerList = L;
        return;
    }
    FFlags &= static_cast<uint8_t>(~kOwnerIsStore);
    if (L || HasSide()) EnsureSide()->OwnerList = L;
}

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
// TSourceTokenList: storage

TSourceTokenList::TSourceTokenList(bool AOwnsObjects) {
    if (AOwnsObjects) FOwned = std::make_unique<TRkTokenStore>(this);
}

TSourceTokenList::~TSourceTokenList() = default;

void TSourceTokenList::Clear() {
    FItems.clear();
    FWhole = nullptr;
    FRangeCount = 0;
    if (FOwned) FOwned->Clear();
}

void TSourceTokenList::KeepText(std::shared_ptr<const std::string> Text) {
    RK_ASSERT(FOwned != nullptr, "Token list does not own its tokens", kUnit);
    Clear();
    FOwned->Keep(std::move(Text));
}

std::string_view TSourceTokenList::KeptText() const { return FOwned ? FOwned->Kept() : std::string_view(); }

TSourceToken* TSourceTokenList::NewStoredToken() {
    RK_ASSERT(FOwned != nullptr, "Token list does not own its tokens", kUnit);
    return FOwned->Make();
}

void TSourceTokenList::DropNewestStoredToken() {
    if (FOwned) FOwned->DropNewest();
}

TSourceToken* TSourceTokenList::GetToken(int32_t i) const {
    if (i < 0 || i >= Count()) throw ERkListError(i);
    return Data()[i];
}

bool TSourceTokenList::AddToRange(TSourceToken* T) {
    if (FWhole) {
        if (FWhole->TokenAt(FRangeFirst + FRangeCount) != T) return false;
        ++FRangeCount;
        return true;
    }
    // Only an owning list keeps its tokens alive as long as it lives.
    if (FOwned || !FItems.empty() || !T || T->PosInList < 0) return false;
    const TSourceTokenList* Whole = T->GetOwnerList();
    if (!Whole || Whole == this || !Whole->OwnsObjects() || Whole->TokenAt(T->PosInList) != T) return false;
    FWhole = Whole;
    FRangeFirst = T->PosInList;
    FRangeCount = 1;
    return true;
}

void TSourceTokenList::AddRun(const TSourceTokenList& Whole, int32_t First, int32_t Last) {
    First = std::max(First, 0);
    Last = std::min(Last, Whole.Count() - 1);
    if (First > Last) return;
    const bool Empty = !FWhole && FItems.empty();
    if (Whole.OwnsObjects() && !FOwned && &Whole != this && (Empty || FWhole == &Whole) &&
        (Empty || FRangeFirst + FRangeCount == First)) {
        if (Empty) {
            FWhole = &Whole;
            FRangeFirst = First;
        }
        FRangeCount += Last - First + 1;
        return;
    }
    for (int32_t k = First; k <= Last; ++k) Add(Whole.Data()[k]);
}

void TSourceTokenList::CopyRange() {
    if (!FWhole) return;
    const TSourceTokenSpan Run = Items();
    FItems.reserve(Run.size() + 4);
    FItems.assign(Run.begin(), Run.end());
    FWhole = nullptr;
    FRangeCount = 0;
}

int32_t TSourceTokenList::Add(TSourceToken* t) {
    if (AddToRange(t)) return Count() - 1;
    CopyRange();
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
    CopyRange();
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
    if (t && t->PosInList >= 0 && t->PosInList < Count() && Data()[t->PosInList] == t) return t->PosInList;
    const TSourceTokenSpan Run = Items();
    auto it = std::find(Run.begin(), Run.end(), t);
    return it == Run.end() ? -1 : static_cast<int32_t>(it - Run.begin());
}

TSourceToken* TSourceTokenList::RemoveAt(int32_t i) {
    TSourceToken* t = GetToken(i);
    CopyRange();
    FItems.erase(FItems.begin() + i);
    // An owned token stays in FOwned, alive until the list goes.
    return t;
}

// ---------------------------------------------------------------------------
// TSourceTokenList: look-around

int32_t TSourceTokenList::LineBreakDistance(int32_t Pos, bool SkipComments) const {
    if (Pos < 0 || Pos >= Count() - 1) return 0;
    for (int32_t j = Pos + 1; j < Count(); ++j) {
        const TSourceToken* t = Data()[j];
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
        const TSourceToken* t = Data()[j];
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
        const TSourceToken* t = Data()[j];
        if ((SkipBlanks && IsBlank(t)) || (SkipLineBreaks && IsLineBreak(t)) ||
            (SkipComments && IsCommentCode(t)))
            continue;
        break;
    }
    if (j < 0) return false;
    const TSourceToken* t = Data()[j];
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
        const TSourceToken* t = Data()[j];
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
        const TSourceToken* t = Data()[j];
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
            TSourceToken* t = Data()[j];
            if (t->IsSignificant() && ++k == N) return t;
        }
        return nullptr;
    }
    if (Pos < 1) return nullptr;
    const int64_t want = -static_cast<int64_t>(N);
    int64_t k = 0;
    for (int32_t j = Pos - 1; j >= 0; --j) {
        TSourceToken* t = Data()[j];
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
            // A line comment that holds "*/" or "/*" cannot be wrapped (block
            // comments nest, so a "/*" would leave the wrapper open): it
            // stays as written.
            const std::string_view text = t->GetText();
            if (t->TokenType == ttLineComment && (FmtOpt.CommentStyle == 1 || FmtOpt.CommentStyle == 2) &&
                text.find("*/") == std::string_view::npos && text.find("/*") == std::string_view::npos) {
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
