// Tokens, token lists, the node base of the syntax tree and of every
// statement, the generic node list, value records and the list routines.
//
// Ownership: an owning token list owns the tokens added to it as
// unique_ptr; every other reference to a token is non-owning.  A node owns
// its own token array (never the tokens) and its printer.  Child
// nodes are owned by the parser's node pool or by the statement that made
// them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "process/rkbasevisitor.h"

class TSourceTokenList;
class TRkTokenStore;
class TCustomPP;
class TCustomSqlStatement;
class TRkCustomParser;
class TRkNodeArena;

// Raises ERkListError (nodes/rkexceptions.h) for Index.
[[noreturn]] void RkRaiseListError(int32_t Index);
// Room for Bytes in Arena (parse/rknodearena.h).
void* RkArenaAllocate(TRkNodeArena& Arena, std::size_t Bytes);

// ---------------------------------------------------------------------------
// Token codes shared by every scanner and grammar (each dialect numbers its
// other lexical classes and its keywords itself).
inline constexpr int32_t tcEndOfInput = 0;
inline constexpr int32_t tcError = 256;
inline constexpr int32_t tcBlockComment = 257;
inline constexpr int32_t tcLineComment = 258;
inline constexpr int32_t tcBlanks = 259;
inline constexpr int32_t tcLineBreak = 260;
inline constexpr int32_t tcSqlplusCmd = 261;
inline constexpr int32_t tcIdent = 262;

// TSourceToken::TokenType values.
enum TTokenTypeValue : uint8_t {
    ttUnclassified = 1,
    ttLineBreak = 2,
    ttBlanks = 3,
    ttBlockComment = 4,
    ttLineComment = 5,
    ttNumber = 6,
    ttString = 7,
    ttQuotedName = 8,
    ttBracketedName = 9,
    ttIdentifier = 10,
    ttKeyword = 11,
    ttBindVar = 12,        // ':name'
    ttAtVar = 13,          // '@name'
    ttSemicolon = 15,
    ttColon = 16,
    ttComma = 17,
    ttPeriod = 18,
    ttPlus = 22,
    ttMinus = 23,
    ttStar = 24,
    ttSlash = 25,
    ttEqual = 27,
    ttGreater = 29,
    ttLess = 30,
    ttOtherChar = 34,
    ttOperator = 35,
    ttLeftParen = 36,
    ttRightParen = 37,
    ttLeftBracket = 38,
    ttRightBracket = 39,
    ttAt = 40,
    ttCaret = 41,
    ttDollar = 43,
    ttDecodeName = 74,     // DECODE used as a name (MySQL grammar)
    ttCommentWord = 75,    // word re-coded as a comment
    ttNoStatement = 78,    // token that starts no statement
};

// TSourceToken::DbObjKind values (names in DbObjKindNames).
enum TDbObjKindValue : uint8_t {
    okUnknown = 0,
    okTable = 1,
    okField = 2,
    okFunction = 3,
    okTableAlias = 4,
    okFieldAlias = 5,
    okAlias = 6,
};

// Flags of TokenRangeText and TokenSpanText.
inline constexpr int rtDropLineBreaks = 1;
inline constexpr int rtDropComments = 2;
inline constexpr int rtDropBlanks = 4;
inline constexpr int rtOneBlank = 8;
inline constexpr int rtNoTrailing = 32;

// ---------------------------------------------------------------------------
// The text record of an empty text.
inline constexpr unsigned char kRkEmptyTokenText[1] = {0};

// Token blocks of a store are this size and aligned to it, so that a token
// finds the block's head, and through it its store, from its own address.
inline constexpr std::size_t kRkTokenBlockBytes = 32 << 10;
struct TRkTokenBlockHead {
    TRkTokenStore* Store;
    const char* Text;   // the text the store keeps (see TSourceTokenList::KeepText)
};

// The fields a token seldom has, kept out of line (see TSourceToken).
struct TSourceTokenSide {
    TSourceToken* SeparatorToken = nullptr;
    TSourceTokenList* OwnerList = nullptr;
    int32_t SeqNo = -1;
    int32_t OriginalCode = 0;
    int32_t RangeLength = 1;
};

// A script holds a token per ~2 bytes, so a token is 40 bytes and owns
// nothing on the heap when its list's store made it.  A stored token whose
// text lies in the text its store keeps (the script) is a view of it: an
// offset and a length, no copy.  Any other text is a length-prefixed record:
// in the store's character blocks for a stored token, in a static table for
// texts of up to one character, on the heap only for a token made alone.
// The seldom set fields live in a side record placed just before the text
// record, made when one is first set (a viewed text is then copied); a
// stored token whose owner is its store's list needs none for that.
class TSourceToken : public TRkVisitedAbs {
public:
    // Byte fields first, then the integers: they pack into the base's tail.
    uint8_t TokenType = ttUnclassified;
    uint8_t DbObjKind = okUnknown;
    uint8_t TokenStatus = 0;        // 0 normal, 1 removed by a handler, 2 consumed
    uint8_t SkipParserEvent = 0;
    uint8_t TokenGroup = 0;
    uint8_t TokenSubKind = 0;

private:
    uint8_t FFlags = 0;

public:
    int32_t PosInList = -1;         // index in its owning list, -1 in none
    int32_t TokenCode = 0;
    int32_t Line = -1;
    int32_t Column = -1;

    TSourceToken() = default;
    ~TSourceToken() override;

    const char* ClassName() const override { return "TSourceToken"; }
    TSourceToken* AsToken() override { return this; }
    TRkVisitedClass VisitedClass() const override { return TRkVisitedClass::Token; }

    // Exactly as scanned, unless a handler replaced it.
    std::string_view GetText() const {
        if (FFlags & kViewed) {
            const auto* head = reinterpret_cast<const TRkTokenBlockHead*>(
                reinterpret_cast<std::uintptr_t>(this) & ~(kRkTokenBlockBytes - 1));
            return {head->Text + FView.At, FView.Length};
        }
        const unsigned char* p = FText;
        size_t n = *p++;
        if (n == kLongText) {
            uint32_t l;
            std::memcpy(&l, p, sizeof l);
            n = l;
            p += sizeof l;
        }
        return {reinterpret_cast<const char*>(p), n};
    }
    // Copies AText (which may be a view of the current text).
    void SetText(std::string_view AText);

    // Seldom set; read as fields were.
    TSourceTokenList* GetOwnerList() const;   // not owned
    void SetOwnerList(TSourceTokenList* L);
    int32_t GetSeqNo() const { return HasSide() ? Side()->SeqNo : -1; }   // numbered by TRkGetTextVisitor
    void SetSeqNo(int32_t N) {
        if (N != -1 || HasSide()) EnsureSide()->SeqNo = N;
    }
    int32_t GetOriginalCode() const { return HasSide() ? Side()->OriginalCode : 0; }
    void SetOriginalCode(int32_t C) {
        if (C != 0 || HasSide()) EnsureSide()->OriginalCode = C;
    }
    // Significant tokens GetFormattedText prints.
    int32_t GetRangeLength() const { return HasSide() ? Side()->RangeLength : 1; }
    void SetRangeLength(int32_t N) {
        if (N != 1 || HasSide()) EnsureSide()->RangeLength = N;
    }
    // '.' or ',' before it in a name (list).
    TSourceToken* GetSeparatorToken() const { return HasSide() ? Side()->SeparatorToken : nullptr; }
    void SetSeparatorToken(TSourceToken* T) {
        if (T || HasSide()) EnsureSide()->SeparatorToken = T;
    }
    // A flag (0 or 1) of its own: every token of a command line has it set.
    uint8_t GetSqlplusCmdPart() const { return (FFlags & kSqlplusCmdPart) ? 1 : 0; }
    void SetSqlplusCmdPart(uint8_t V) {
        if (V) FFlags |= kSqlplusCmdPart;
        else FFlags &= static_cast<uint8_t>(~kSqlplusCmdPart);
    }

    // Text with the case options and the comments that trail it; empty for a
    // token in no list.
    std::string GetFormattedText();
    // Name marking: sets DbObjKind to Kind unless the token is already
    // marked or is an '@name' variable; true when it was marked.
    bool MarkDbObjKind(uint8_t Kind) {
        if (DbObjKind != okUnknown || TokenType == ttAtVar) return false;
        DbObjKind = Kind;
        return true;
    }
    // Not a line break, blanks or a comment.
    bool IsSignificant() const {
        return TokenType < ttLineBreak || TokenType > ttLineComment;
    }

protected:
    const char* AssertUnit() const override { return "nodes/u_nodes"; }

private:
    friend class TRkTokenStore;
    // A length byte of kLongText is followed by a 32-bit length.
    static constexpr unsigned kLongText = 255;
    enum : uint8_t {
        kInStore = 1,       // made in a token store's block
        kHasSide = 2,       // a TSourceTokenSide precedes the text record
        kOwnsBlock = 4,     // the text record (and side) is a heap block of its own
        kOwnerIsStore = 8,  // the owner list is the store's list
        kSqlplusCmdPart = 16,
        kViewed = 32,       // FView, not FText: the text is in the store's kept text
    };
    bool HasSide() const { return (FFlags & kHasSide) != 0; }
    TSourceTokenSide* Side() const {
        return reinterpret_cast<TSourceTokenSide*>(const_cast<unsigned char*>(FText) - sizeof(TSourceTokenSide));
    }
    TSourceTokenSide* EnsureSide();
    // Writes the record of AText (after a side record when WithSide) into a
    // block of the store or of its own, and points the token at it.
    void Place(std::string_view AText, bool WithSide);
    void FreeBlock();

    struct TView {
        uint32_t At;       // offset in the kept text
        uint32_t Length;
    };
    union {   // see the class comment
        const unsigned char* FText = kRkEmptyTokenText;
        TView FView;
    };
};

// A new token with these values, code 0 and object kind 0, in no list.
// Its owner is whoever keeps the returned pointer.
std::unique_ptr<TSourceToken> MakeSourceToken(std::string_view AText, uint8_t ATokenType,
                                              uint8_t AGroup, uint8_t ASubKind,
                                              int32_t ALine, int32_t AColumn);

// The tokens of a list, in order: read like the vector they used to be.
using TSourceTokenSpan = std::span<TSourceToken* const>;

// ---------------------------------------------------------------------------
// Ordered token list.  An owning list (AOwnsObjects) owns the tokens given to
// it as unique_ptr; tokens given as raw pointers are only referred to, in
// either kind of list (so a parser's end-of-input token, appended to a list
// by pointer, keeps its one owner).  Add and Insert do not touch the
// token's OwnerList and PosInList.  Indexes are 0-based.
//
// A list that is given a run of an owning list's tokens in their order (a
// statement's tokens in its script's list) reads them where they are: a
// range of that list instead of a copy of each pointer.  Any other change
// makes it a copy first.
class TSourceTokenList : public TRkVisitedAbs {
public:
    int32_t CurPos = -1;

    explicit TSourceTokenList(bool AOwnsObjects = false);
    ~TSourceTokenList() override;

    const char* ClassName() const override { return "TSourceTokenList"; }

    bool OwnsObjects() const { return FOwned != nullptr; }
    void Clear();
    int32_t Count() const { return FWhole ? FRangeCount : static_cast<int32_t>(FItems.size()); }
    // Raises ERkListError for an index outside 0..Count-1.
    TSourceToken* GetToken(int32_t i) const;
    // nullptr for an index outside the list.
    TSourceToken* TokenAt(int32_t i) const { return (i >= 0 && i < Count()) ? Data()[i] : nullptr; }
    TSourceTokenSpan Items() const { return {Data(), static_cast<size_t>(Count())}; }
    // Reads a run of another list's tokens in place (see the class comment).
    bool IsRange() const { return FWhole != nullptr; }

    int32_t Add(TSourceToken* t);
    // Appends tokens First..Last of Whole, as Add would one by one.
    void AddRun(const TSourceTokenList& Whole, int32_t First, int32_t Last);
    // Owning lists only (asserts otherwise).
    int32_t Add(std::unique_ptr<TSourceToken> t);
    // i in 0..Count; raises ERkListError otherwise.
    void Insert(int32_t i, TSourceToken* t);
    void Insert(int32_t i, std::unique_ptr<TSourceToken> t);
    // Owning lists only (asserts otherwise): a new token, as MakeSourceToken
    // makes it with no text, kept in the list's own block store but not yet
    // in the list; Add(TSourceToken*) appends it.  A script makes tokens by
    // the ten thousand: blocks instead of one allocation and one free each.
    TSourceToken* NewStoredToken();
    // Frees the token the last NewStoredToken made, which must not be in the
    // list (a scanner's end-of-input token).
    void DropNewestStoredToken();
    // Owning lists only (asserts otherwise): empties the list as Clear does
    // and keeps Text (the script) until the next Clear, so that the stored
    // tokens scanned from it view their texts there instead of copying them.
    void KeepText(std::shared_ptr<const std::string> Text);
    // The text KeepText gave (empty when none).
    std::string_view KeptText() const;
    // Room for N tokens in all, so that adding them allocates once.
    void Reserve(int32_t N) {
        if (N > 0 && !FWhole) FItems.reserve(static_cast<size_t>(N));
    }
    // Gives back the room the list grew into beyond its count.
    void ShrinkToFit() { FItems.shrink_to_fit(); }
    int32_t IndexOf(const TSourceToken* t) const;
    // Takes the token out without freeing it; an owned token stays alive
    // until the list is destroyed.
    TSourceToken* RemoveAt(int32_t i);

    void SetCurPos(int32_t p) { CurPos = p; }

    // Look-around over list indexes.
    int32_t LineBreakDistance(int32_t Pos, bool SkipComments) const;
    bool LineBreakFollows(bool SkipComments) const;
    bool AtLineStart() const;
    bool PrevTokenIsAt(std::string_view Text, int32_t Pos, bool SkipBlanks, bool SkipComments,
                       bool SkipLineBreaks) const;
    bool PrevTokenIs(std::string_view Text, bool SkipBlanks, bool SkipComments,
                     bool SkipLineBreaks) const;
    int32_t NextSqlplusCmdIndex(int32_t Pos) const;
    bool NextIsSqlplusCmd() const;
    int32_t FindIdentAhead(int32_t Pos, std::string_view Word, int32_t MaxCount) const;
    TSourceToken* SolidTokenAt(int32_t Pos, int32_t N) const;
    TSourceToken* SolidTokenFrom(const TSourceToken* Token, int32_t N) const;

protected:
    const char* AssertUnit() const override { return "nodes/u_nodes"; }

private:
    TSourceToken* const* Data() const { return FWhole ? FWhole->FItems.data() + FRangeFirst : FItems.data(); }
    // Appends T to the range when it is the next token of the same run, or
    // starts one with T in an empty list: false when T cannot be read there.
    bool AddToRange(TSourceToken* T);
    // Turns a range into a list of its own.
    void CopyRange();

    std::vector<TSourceToken*> FItems;   // unused while a range
    // The tokens this list frees; present in owning lists only (every node
    // has a non-owning list, and an empty store there was bytes per node).
    std::unique_ptr<TRkTokenStore> FOwned;
    // A range: FRangeCount tokens of FWhole from FRangeFirst.  FWhole owns
    // its tokens, so they live as long as it does.
    const TSourceTokenList* FWhole = nullptr;
    int32_t FRangeFirst = 0;
    int32_t FRangeCount = 0;
};

// Text of the tokens From..To of List (case options, flags), followed by the
// comments that trail the range unless rtNoTrailing.
std::string TokenRangeText(const TSourceTokenList* List, int32_t From, int32_t To, int Flags = 0);
// The blanks, line breaks and comments after token After of List up to the
// next significant token, as a formatted text carries them: empty without a
// comment; blanks as one blank, line breaks as one CR LF.
std::string TrailingPart(const TSourceTokenList* List, int32_t After);
// N significant tokens from Token (backwards for N < 0) on List.
std::string TokenSpanText(const TSourceTokenList* List, const TSourceToken* Token, int32_t N,
                          int Flags = 0);

// ---------------------------------------------------------------------------
// An object kept inside its holder instead of behind a pointer of its own.
// Nodes and statements are made by the thousand per script, and each
// separately allocated helper object (a node's own token list, a
// statement's variable and token lists) was one more allocation and free.
// Reads like the pointer it replaces; never null.
template <class T>
class TRkEmbedded {
public:
    template <class... Args>
    explicit TRkEmbedded(Args&&... args) : FObj(std::forward<Args>(args)...) {}

    T* operator->() const { return &FObj; }
    T& operator*() const { return FObj; }
    T* get() const { return &FObj; }
    explicit operator bool() const { return true; }
    friend bool operator==(const TRkEmbedded&, std::nullptr_t) { return false; }

private:
    mutable T FObj;
};

// ---------------------------------------------------------------------------
// A text that most nodes never set: a pointer until it is written, instead of
// a whole empty string in every node.  Reads like the string.
class TRkLazyText {
public:
    bool empty() const { return !FText || FText->empty(); }
    std::size_t size() const { return FText ? FText->size() : 0; }
    void clear() {
        if (FText) FText->clear();
    }
    const std::string& str() const { return FText ? *FText : EmptyText(); }
    operator const std::string&() const { return str(); }
    operator std::string_view() const { return str(); }

    TRkLazyText& operator=(std::string_view S) {
        if (FText || !S.empty()) Text().assign(S);
        return *this;
    }
    TRkLazyText& operator=(const TRkLazyText& S) { return *this = std::string_view(S.str()); }
    TRkLazyText& operator+=(std::string_view S) {
        if (!S.empty()) Text().append(S);
        return *this;
    }
    friend bool operator==(const TRkLazyText& A, std::string_view B) { return std::string_view(A.str()) == B; }

private:
    std::string& Text() {
        if (!FText) FText = std::make_unique<std::string>();
        return *FText;
    }
    static const std::string& EmptyText();
    std::unique_ptr<std::string> FText;
};

// ---------------------------------------------------------------------------
// The items of a node's own tokens or of a node list: one pointer to a block
// that starts with the count and the room, nullptr while empty.  A parse
// draws the blocks of its arena nodes from its node arena, where they go
// with the arena; any other growth takes a heap block, which the array
// gives back itself.  Whether the block is on the heap is kept in the
// pointer, so that neither freeing nor asking reads an arena block that may
// be gone already.  Reads like the pointer to a list it replaces.
template <class T>
class TRkItemArray {
public:
    TRkItemArray() = default;
    TRkItemArray(const TRkItemArray&) = delete;
    TRkItemArray& operator=(const TRkItemArray&) = delete;
    ~TRkItemArray() { FreeHeap(); }

    const TRkItemArray* operator->() const { return this; }
    TRkItemArray* operator->() { return this; }
    const TRkItemArray& operator*() const { return *this; }
    TRkItemArray& operator*() { return *this; }
    TRkItemArray* get() { return this; }
    explicit operator bool() const { return true; }

    int32_t Count() const { return FBits ? static_cast<int32_t>(Head()->Count) : 0; }
    std::size_t size() const { return static_cast<std::size_t>(Count()); }
    bool empty() const { return Count() == 0; }
    T* begin() const { return FBits ? Data() : nullptr; }
    T* end() const { return begin() + Count(); }
    T operator[](std::size_t i) const { return Data()[i]; }
    T front() const { return Data()[0]; }
    T back() const { return Data()[Count() - 1]; }
    // nullptr for an index outside the array.
    T TokenAt(int32_t i) const { return (i >= 0 && i < Count()) ? Data()[i] : nullptr; }
    // Raises ERkListError for an index outside 0..Count-1.
    T GetToken(int32_t i) const {
        if (i < 0 || i >= Count()) RkRaiseListError(i);
        return Data()[i];
    }
    const TRkItemArray& Items() const { return *this; }

    // Arena: where a parse keeps its nodes' parts; nullptr for the heap.
    int32_t Add(T Item, TRkNodeArena* Arena = nullptr) {
        if (!FBits || Head()->Count == Head()->Room) Grow(Arena);
        Data()[Head()->Count] = Item;
        return static_cast<int32_t>(Head()->Count++);
    }
    // i in 0..Count; raises ERkListError otherwise.
    void Insert(int32_t i, T Item, TRkNodeArena* Arena = nullptr) {
        if (i < 0 || i > Count()) RkRaiseListError(i);
        Add(Item, Arena);
        T* d = Data();
        for (int32_t j = Count() - 1; j > i; --j) d[j] = d[j - 1];
        d[i] = Item;
    }
    void Erase(int32_t i) {
        if (i < 0 || i >= Count()) RkRaiseListError(i);
        T* d = Data();
        for (int32_t j = i; j + 1 < Count(); ++j) d[j] = d[j + 1];
        --Head()->Count;
    }
    void Clear() {
        if (FBits) Head()->Count = 0;
    }
    bool OnHeap() const { return (FBits & kHeapBit) != 0; }

private:
    struct THead {
        uint32_t Count;
        uint32_t Room;
    };
    static constexpr uintptr_t kHeapBit = 1;
    THead* Head() const { return reinterpret_cast<THead*>(FBits & ~kHeapBit); }
    T* Data() const { return reinterpret_cast<T*>(Head() + 1); }
    void FreeHeap() {
        if (OnHeap()) ::operator delete(Head());
        FBits = 0;
    }
    void Grow(TRkNodeArena* Arena) {
        const uint32_t count = FBits ? Head()->Count : 0;
        const uint32_t room = count < 2 ? 4 : count * 2;
        const std::size_t bytes = sizeof(THead) + room * sizeof(T);
        void* block = Arena ? RkArenaAllocate(*Arena, bytes) : ::operator new(bytes);
        auto* head = static_cast<THead*>(block);
        head->Count = count;
        head->Room = room;
        if (count) std::memcpy(static_cast<void*>(head + 1), Data(), count * sizeof(T));
        FreeHeap();
        FBits = reinterpret_cast<uintptr_t>(head) | (Arena ? 0 : kHeapBit);
    }
    uintptr_t FBits = 0;
};

using TRkNodeTokens = TRkItemArray<TSourceToken*>;

// ---------------------------------------------------------------------------
// The parts of a node that few nodes have, kept out of line and made when
// one is first set.
struct TRkNodeExtra {
    std::unique_ptr<TCustomPP> PP;
    std::string TextOverride;
    std::string PrettyBuffer;
    int32_t BaseIndent = 0;
    int32_t EndPos = -1;

    TRkNodeExtra();
    ~TRkNodeExtra();
};

// ---------------------------------------------------------------------------
// Base of every syntax-tree node and of every statement.
//
// Construction is two-phase: create nodes with CreateNodeOfClass<T>(...),
// which runs AfterConstruction once the object is complete, so overrides of
// the virtual set-up of derived classes run.
//
// A parse makes a script's nodes by the hundred thousand, so the base is
// kept small: the own tokens are one pointer, the rare parts one record.
class TRk_Node : public TRkVisitedAbs {
    uint8_t FFlags = 0;

public:
    uint8_t NodeKind = 0;
    uint8_t DbVendor = 0;
    uint8_t PrettyMode = 0;

private:
    uint16_t FObjectArena = 0;   // slot of the object arena the node lies in; 0: the heap

public:
    TCustomSqlStatement* Statement = nullptr;
    TSourceToken* SeparatorToken = nullptr;
    TRkNodeTokens TokenList;   // own tokens

    TRk_Node();
    ~TRk_Node() override;

    // Nodes made with new while a front end parses its script come from the
    // script's object arena (TRkObjectArena) and are only destroyed by
    // delete; all others come from the heap.  A parse's tree nodes are
    // placed in its node arena.
    static void* operator new(std::size_t Size);
    static void* operator new(std::size_t, void* Where) noexcept { return Where; }
    static void operator delete(TRk_Node* Node, std::destroying_delete_t);
    // Only when a constructor throws.
    static void operator delete(void* P) noexcept;

    const char* ClassName() const override { return "TRk_Node"; }
    TRk_Node* AsNode() override { return this; }

    // Virtual set-up run by the factory after construction.  Classes with
    // more set-up override it and call the inherited one.
    virtual void AfterConstruction();
    // Printable classes: when PP() is empty, SetPP(their printer with this
    // node as owner).  Called by PP() on first use, never directly.
    virtual void CreatePP() {}
    // The printer, made by CreatePP when first asked for: most nodes and
    // statements are never printed, and a printer each was a fifth of all
    // allocations.  nullptr for a class without one.  Inside CreatePP it
    // gives the printer set so far (nullptr), never a recursive call.
    TCustomPP* PP();
    void SetPP(std::unique_ptr<TCustomPP> Value);
    // Plain text: source text of the tokens, with the blanks, line breaks and
    // comments that follow each, or the text override.
    virtual std::string AsText();
    virtual void SetAsText(const std::string& S);
    // The printer's text when there is a printer, else AsText.
    virtual std::string GetPrettyText();
    virtual TSourceToken* GetEndToken();
    virtual TSourceToken* GetStartToken();
    // Target's PrettyBuffer += own PrettyBuffer indented to the column where
    // Target's last line ends.
    virtual void AppendPrettyTextTo(TRk_Node* Target);
    // True for objects that print themselves whole inside a text walk
    // (tables, fields, select statements): their tokens are muted and their
    // AsText is printed instead.
    virtual bool PrintsItself() const { return false; }

    // Appends Token's text and the blanks, line breaks and comments that
    // follow it in its owning list.
    void AppendTokenText(const TSourceToken* Token, std::string& S) const;

    // Own token i, or nullptr when there is none.
    TSourceToken* OwnToken(int32_t i) const { return TokenList.TokenAt(i); }
    // Own token i; raises ERkListError when there is none (ends a walk).
    TSourceToken* GetOwnToken(int32_t i) const { return TokenList.GetToken(i); }
    // Appends an own token; a parse passes its arena, where this node's
    // parts go when the node was made there.
    void AppendOwnToken(TSourceToken* Token, TRkNodeArena* Arena) {
        TokenList.Add(Token, ArenaOf(Arena));
    }

    // The text that replaces the node's own ("" when none).
    const std::string& TextOverride() const;
    void SetTextOverride(std::string_view Value);
    // The printers' working text.
    std::string& PrettyBuffer();
    int32_t BaseIndent() const { return FExtra ? FExtra->BaseIndent : 0; }
    int32_t EndPos() const { return FExtra ? FExtra->EndPos : -1; }

    void SetStatement(TCustomSqlStatement* Value) { Statement = Value; }
    void SetEndPos(int32_t Value) { Extra().EndPos = Value; }
    void SetDbVendor(uint8_t Value) { DbVendor = Value; }
    void SetBaseIndent(int32_t Value) { Extra().BaseIndent = Value; }

    // Made by a parse in its node arena; OwnsNothing: its class keeps no
    // heap object of its own (see RkNodeOwnsNothing).
    void MarkInArena(bool OwnsNothing) {
        FFlags |= kInArena;
        if (OwnsNothing) FFlags |= kOwnsNothing;
    }
    bool InArena() const { return (FFlags & kInArena) != 0; }
    // A TRk_List (or a class derived from it).
    bool IsList() const { return (FFlags & kIsList) != 0; }
    // Whether releasing this arena node must run its destructor: a node
    // that holds nothing on the heap just goes with the arena's blocks.
    bool NeedsDestroy() const;

protected:
    const char* AssertUnit() const override { return "nodes/u_nodes"; }
    // A class that gives an arena node a heap object calls this.
    void MarkOwnsHeap() { FFlags &= static_cast<uint8_t>(~kOwnsNothing); }
    // Set by TRk_List: its items are checked by NeedsDestroy too.
    void MarkIsList() { FFlags |= kIsList; }
    // Arena when this node was made there, else nullptr (the heap).
    TRkNodeArena* ArenaOf(TRkNodeArena* Arena) const { return (FFlags & kInArena) ? Arena : nullptr; }

private:
    static constexpr uint8_t kMakingPP = 1;     // CreatePP is running
    static constexpr uint8_t kInArena = 2;
    static constexpr uint8_t kOwnsNothing = 4;
    static constexpr uint8_t kIsList = 8;
    TRkNodeExtra& Extra();
    std::unique_ptr<TRkNodeExtra> FExtra;
};

// A script makes hundreds of thousands of nodes: every byte of the base
// counts several times the script's size.
static_assert(sizeof(TRk_Node) <= 48, "the node base grew");

// Node classes whose objects hold no heap object of their own (their
// strings, vectors and owned parts), so that a parse's arena may drop them
// without running their destructors.  False unless a class says so beside
// its declaration; a class that may still take a heap object later calls
// MarkOwnsHeap when it does.  Exact classes only: a derived class says so
// itself.
template <class T>
inline constexpr bool RkNodeOwnsNothing = false;

// What a parse calls on each node it makes in its arena.
template <class T>
void RkMarkArenaNode(T* Node) {
    Node->MarkInArena(RkNodeOwnsNothing<T>);
}

// Creates a node (or statement) and runs its virtual set-up.
template <class T, class... Args>
std::unique_ptr<T> CreateNodeOfClass(Args&&... args) {
    auto node = std::make_unique<T>(std::forward<Args>(args)...);
    node->AfterConstruction();
    return node;
}

// ---------------------------------------------------------------------------
// Generic non-owning list of nodes (or, for name lists, tokens).  Visited as
// one object: the node that holds the list walks the items with the list
// routines below.
class TRk_List : public TRk_Node {
public:
    TRkItemArray<TRkVisitedAbs*> Items;

    TRk_List();
    const char* ClassName() const override { return "TRk_List"; }

    // A parse passes its arena (see TRk_Node::AppendOwnToken).
    void Add(TRkVisitedAbs* Item, TRkNodeArena* Arena = nullptr) { Items.Add(Item, ArenaOf(Arena)); }
    void Clear() { Items.Clear(); }
    int32_t Count() const { return static_cast<int32_t>(Items.size()); }
    // Raises ERkListError for a bad index.
    TRkVisitedAbs* GetItem(int32_t i) const;
    // The item as a node (nullptr for a token item); raises for a bad index.
    TRk_Node* GetNode(int32_t i) const { return GetItem(i)->AsNode(); }
    // The text override; a list has no text of its own.
    std::string AsText() override;
};
template <>
inline constexpr bool RkNodeOwnsNothing<TRk_List> = true;

inline bool TRk_Node::NeedsDestroy() const {
    if (!(FFlags & kOwnsNothing) || FExtra || TokenList.OnHeap()) return true;
    return (FFlags & kIsList) && static_cast<const TRk_List*>(this)->Items.OnHeap();
}

// Value record: two strings and a payload (an integer, or an object such as
// a variable's token).  NodeKind 55 when made by MakeIntegerValue.
class TRkValue : public TRk_Node {
public:
    std::string Str1;
    std::string Str2;
    int32_t Payload = 0;
    TRkVisitedAbs* PayloadObject = nullptr;

    const char* ClassName() const override { return "TRkValue"; }
    std::string AsText() override { return Str2; }
    void SetStr1(const std::string& Value) { Str1 = Value; }
    void SetStr2(const std::string& Value) { Str2 = Value; }
    void SetInt(int32_t Value) { Payload = Value; }
    void SetObject(TRkVisitedAbs* Value) { PayloadObject = Value; }
};

// Owning list of value records.
class TRkValueList : public TRkVisitedAbs {
public:
    const char* ClassName() const override { return "TRkValueList"; }
    TRkValue* Add(std::unique_ptr<TRkValue> Value);
    void Clear() { FItems.clear(); }
    int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
    // Raises ERkListError for a bad index.
    TRkValue* GetItem(int32_t i) const;

protected:
    const char* AssertUnit() const override { return "nodes/u_nodes"; }

private:
    std::vector<std::unique_ptr<TRkValue>> FItems;
};

// A new TRkValue, NodeKind 55, payload N.
std::unique_ptr<TRkValue> MakeIntegerValue(int32_t N);

// ---------------------------------------------------------------------------
// List routines.  A nullptr list does nothing and gives the empty text.

// The separator before an item: the node field for nodes, the token field
// for tokens.
TSourceToken* ItemSeparator(TRkVisitedAbs* Item);
// Each item's Accept; between two items the following item's separator.
void AcceptNodeList(const TRk_List* List, TRkVisitorAbs* Visitor);
void AcceptNodeListComma(const TRk_List* List, TRkVisitorAbs* Visitor);
// A list of tokens: each token; between two, with WithSeparators, the
// following token's own SeparatorToken.
void AcceptNodeListSep(const TRk_List* List, TRkVisitorAbs* Visitor, bool WithSeparators);
// Items' pretty texts joined by their formatted separator tokens.
std::string NodeListPrettyText(const TRk_List* List);
std::string NodeListPrettyText2(const TRk_List* List);
// Items' AsText joined by ",".
std::string NodeListText(const TRk_List* List);

// The pretty or plain text of an item that may be a node or a token.
std::string ItemPrettyText(TRkVisitedAbs* Item);
std::string ItemAsText(TRkVisitedAbs* Item);
// Formatted text of an optional token ("" for nullptr).
std::string FormattedText(TSourceToken* Token);
// Text of an optional token ("" for nullptr).
inline std::string_view TextOf(const TSourceToken* Token) {
    return Token ? Token->GetText() : std::string_view();
}
