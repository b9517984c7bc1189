// The node base, the generic list, value records, the node factory and the
// list routines.
#include "formatter/basepp.h"
#include "formatter/rkbasetype.h"
#include "nodes/rkexceptions.h"
#include "nodes/rkobjectarena.h"
#include "nodes/u_nodes.h"
#include "parse/rknodearena.h"
#include "process/gettextvisitor.h"
#include "process/pptextvisitor.h"

// ---------------------------------------------------------------------------
// TRk_Node

const std::string& TRkLazyText::EmptyText() {
    static const std::string Empty;
    return Empty;
}

void RkRaiseListError(int32_t Index) { throw ERkListError(Index); }

void* RkArenaAllocate(TRkNodeArena& Arena, std::size_t Bytes) { return Arena.Allocate(Bytes); }

TRkNodeExtra::TRkNodeExtra() = default;
TRkNodeExtra::~TRkNodeExtra() = default;

TRk_Node::TRk_Node() : FObjectArena(TRkObjectArena::Claims(this)) {}

void* TRk_Node::operator new(std::size_t Size) { return TRkObjectArena::AllocateNode(Size); }

void TRk_Node::operator delete(TRk_Node* Node, std::destroying_delete_t) {
    const uint16_t Arena = Node->FObjectArena;
    Node->~TRk_Node();
    // The memory of a node in an object arena goes with the arena.
    if (Arena) TRkObjectArena::Forget(Arena);
    else ::operator delete(Node);
}

void TRk_Node::operator delete(void* P) noexcept {
    if (!TRkObjectArena::ForgetUnbuilt(P)) ::operator delete(P);
}

TRk_Node::~TRk_Node() = default;

void TRk_Node::AfterConstruction() {}

TCustomPP* TRk_Node::PP() {
    if ((!FExtra || !FExtra->PP) && !(FFlags & kMakingPP)) {
        struct TDone {
            uint8_t& Flags;
            ~TDone() { Flags &= static_cast<uint8_t>(~kMakingPP); }
        } done{FFlags};
        FFlags |= kMakingPP;
        CreatePP();
    }
    return FExtra ? FExtra->PP.get() : nullptr;
}

void TRk_Node::SetPP(std::unique_ptr<TCustomPP> Value) {
    if (Value || FExtra) Extra().PP = std::move(Value);
}

TRkNodeExtra& TRk_Node::Extra() {
    if (!FExtra) FExtra = std::make_unique<TRkNodeExtra>();
    return *FExtra;
}

const std::string& TRk_Node::TextOverride() const {
    static const std::string Empty;
    return FExtra ? FExtra->TextOverride : Empty;
}

void TRk_Node::SetTextOverride(std::string_view Value) {
    if (FExtra || !Value.empty()) Extra().TextOverride.assign(Value);
}

std::string& TRk_Node::PrettyBuffer() { return Extra().PrettyBuffer; }

std::string TRk_Node::AsText() {
    // An object that prints itself must supply its own text; falling back to
    // the text walk here would ask it for its text again.
    if (PrintsItself()) return TextOverride();
    TRkAsTextVisitor v;
    v.Root = this;
    v.Execute();
    return std::move(v.Result);
}

void TRk_Node::SetAsText(const std::string& S) { SetTextOverride(S); }

std::string TRk_Node::GetPrettyText() {
    if (TCustomPP* P = PP()) return P->GetPrettyText();
    return AsText();
}

namespace {
// Mode 1: the first token the node's walk visits; mode 2: the last.
TSourceToken* WalkForToken(TRk_Node* Node, int32_t Mode) {
    TRkGetTokenVisitor v;
    v.Root = Node;
    v.Mode = Mode;
    v.Execute();
    return v.ResultToken;
}
}  // namespace

TSourceToken* TRk_Node::GetEndToken() { return WalkForToken(this, 2); }

TSourceToken* TRk_Node::GetStartToken() { return WalkForToken(this, 1); }

void TRk_Node::AppendPrettyTextTo(TRk_Node* Target) {
    if (!Target) return;
    std::string& Buffer = Target->PrettyBuffer();
    Buffer += IndentAfter(Buffer, PrettyBuffer());
}

void TRk_Node::AppendTokenText(const TSourceToken* Token, std::string& S) const {
    if (!Token || Token->PosInList < 0 || !Token->GetOwnerList() ||
        Token->PosInList > Token->GetOwnerList()->Count() - 1)
        return;
    const auto& items = Token->GetOwnerList()->Items();
    const int32_t pos = Token->PosInList;

    if (Token->GetText() == "%") {
        // «emp.sal %TYPE» prints «emp.sal%TYPE».  When a line comment ends
        // right before, its line break stays, or the rest of the line would
        // be commented out.
        bool afterLineComment = false;
        for (int32_t j = pos - 1; j >= 0; --j) {
            const TSourceToken* t = items[static_cast<size_t>(j)];
            if (t->TokenType == ttBlanks || t->TokenType == ttLineBreak) continue;
            afterLineComment = t->TokenType == ttLineComment;
            break;
        }
        size_t n = S.size();
        while (n > 0) {
            const unsigned char c = static_cast<unsigned char>(S[n - 1]);
            if (c > ' ') break;
            if (afterLineComment && (c == '\n' || c == '\r')) break;
            --n;
        }
        S.resize(n);
    }
    S += Token->GetText();
    for (size_t j = static_cast<size_t>(pos) + 1; j < items.size(); ++j) {
        const TSourceToken* t = items[j];
        if (t->IsSignificant()) break;
        S += t->GetText();
    }
}

// ---------------------------------------------------------------------------
// TRk_List

TRk_List::TRk_List() {
    NodeKind = 63;
    MarkIsList();
}

TRkVisitedAbs* TRk_List::GetItem(int32_t i) const {
    if (i < 0 || i >= Count()) throw ERkListError(i);
    return Items[static_cast<size_t>(i)];
}

std::string TRk_List::AsText() { return TextOverride(); }

// ---------------------------------------------------------------------------
// Values

TRkValue* TRkValueList::Add(std::unique_ptr<TRkValue> Value) {
    FItems.push_back(std::move(Value));
    return FItems.back().get();
}

TRkValue* TRkValueList::GetItem(int32_t i) const {
    if (i < 0 || i >= Count()) throw ERkListError(i);
    return FItems[static_cast<size_t>(i)].get();
}

std::unique_ptr<TRkValue> MakeIntegerValue(int32_t N) {
    auto v = CreateNodeOfClass<TRkValue>();
    v->NodeKind = 55;
    v->SetInt(N);
    return v;
}

// ---------------------------------------------------------------------------
// List routines

TSourceToken* ItemSeparator(TRkVisitedAbs* Item) {
    if (!Item) return nullptr;
    if (TRk_Node* n = Item->AsNode()) return n->SeparatorToken;
    if (TSourceToken* t = Item->AsToken()) return t->GetSeparatorToken();
    return nullptr;
}

namespace {
void WalkItems(const TRk_List* List, TRkVisitorAbs* Visitor, bool WithSeparators) {
    if (!List || List->Items.empty()) return;
    RK_ASSERT(Visitor, "Visitor unassigned", "nodes/u_nodes");
    const auto& items = List->Items;
    for (size_t i = 0; i < items.size(); ++i) {
        if (i > 0 && WithSeparators) AcceptPart(ItemSeparator(items[i]), *Visitor);
        AcceptPart(items[i], *Visitor);
    }
}
}  // namespace

void AcceptNodeList(const TRk_List* List, TRkVisitorAbs* Visitor) {
    WalkItems(List, Visitor, true);
}

void AcceptNodeListComma(const TRk_List* List, TRkVisitorAbs* Visitor) {
    WalkItems(List, Visitor, true);
}

void AcceptNodeListSep(const TRk_List* List, TRkVisitorAbs* Visitor, bool WithSeparators) {
    WalkItems(List, Visitor, WithSeparators);
}

std::string FormattedText(TSourceToken* Token) {
    return Token ? Token->GetFormattedText() : std::string();
}

std::string ItemPrettyText(TRkVisitedAbs* Item) {
    if (!Item) return std::string();
    if (TRk_Node* n = Item->AsNode()) return n->GetPrettyText();
    if (TSourceToken* t = Item->AsToken()) return t->GetFormattedText();
    return std::string();
}

std::string ItemAsText(TRkVisitedAbs* Item) {
    if (!Item) return std::string();
    if (TRk_Node* n = Item->AsNode()) return n->AsText();
    if (TSourceToken* t = Item->AsToken()) return std::string(t->GetText());
    return std::string();
}

std::string NodeListPrettyText(const TRk_List* List) {
    std::string s;
    if (!List) return s;
    const auto& items = List->Items;
    for (size_t i = 0; i < items.size(); ++i) {
        s += ItemPrettyText(items[i]);
        if (i + 1 < items.size()) s += FormattedText(ItemSeparator(items[i + 1]));
    }
    return s;
}

std::string NodeListPrettyText2(const TRk_List* List) { return NodeListPrettyText(List); }

std::string NodeListText(const TRk_List* List) {
    std::string s;
    if (!List) return s;
    const auto& items = List->Items;
    for (size_t i = 0; i < items.size(); ++i) {
        if (i > 0) s.push_back(',');
        s += ItemAsText(items[i]);
    }
    return s;
}
