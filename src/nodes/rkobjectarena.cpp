#include "nodes/rkobjectarena.h"

#include <algorithm>
#include <mutex>
#include <new>

thread_local TRkObjectArena* TRkObjectArena::Current = nullptr;
thread_local std::size_t TRkObjectArena::Unclaimed = 0;

namespace {

// A node keeps its arena's slot in two bytes; slot 0 means the heap.  A slot
// is read without the lock: it changes only while no node refers to it.
constexpr std::size_t kSlots = 1 << 16;
TRkObjectArena* Slots[kSlots];
std::mutex SlotLock;
std::vector<std::uint16_t> FreeSlots;
std::size_t NextSlot = 1;

std::uint16_t TakeSlot(TRkObjectArena* Arena) {
    std::lock_guard<std::mutex> Lock(SlotLock);
    std::uint16_t S = 0;
    if (!FreeSlots.empty()) {
        S = FreeSlots.back();
        FreeSlots.pop_back();
    } else if (NextSlot < kSlots) {
        S = static_cast<std::uint16_t>(NextSlot++);
    }
    if (S) Slots[S] = Arena;
    return S;
}

void GiveBackSlot(std::uint16_t S) {
    if (!S) return;
    std::lock_guard<std::mutex> Lock(SlotLock);
    Slots[S] = nullptr;
    FreeSlots.push_back(S);
}

}  // namespace

TRkObjectArena::TRkObjectArena() : FSlot(TakeSlot(this)) {}

TRkObjectArena::~TRkObjectArena() { GiveBackSlot(FSlot); }

void TRkObjectArena::Detach() {
    if (Current == this) Current = nullptr;
    if (FLive == 0) delete this;
    else FDetached = true;
}

bool TRkObjectArena::Reset() {
    if (FLive != 0) return false;
    FBlocks.Release();
    FNext = nullptr;
    FLeft = 0;
    return true;
}

void* TRkObjectArena::AllocateNode(std::size_t Size) {
    if (!Current || !Current->FSlot) return ::operator new(Size);
    ++Unclaimed;
    ++Current->FLive;
    return Current->Allocate(Size);
}

std::uint16_t TRkObjectArena::ClaimSlow(const void* Node) {
    if (!Current || !Current->FBlocks.Holds(Node)) return 0;
    --Unclaimed;
    return Current->FSlot;
}

void TRkObjectArena::Forget(std::uint16_t Slot) {
    TRkObjectArena* A = Slots[Slot];
    if (--A->FLive == 0 && A->FDetached) delete A;
}

bool TRkObjectArena::ForgetUnbuilt(const void* P) {
    if (!Current || !Current->FBlocks.Holds(P)) return false;
    --Current->FLive;
    return true;
}

void* TRkObjectArena::Allocate(std::size_t Size) {
    Size = (Size + kAlign - 1) & ~(kAlign - 1);
    if (Size > FLeft) {
        // The block source doubles what the arena holds, so a script's
        // objects take few blocks.
        const TRkBlockSource::TBlock Block = FBlocks.Take(std::max(Size, kFirstBlock), kAlign);
        FNext = static_cast<std::byte*>(Block.Data);
        FLeft = Block.Size;
    }
    void* P = FNext;
    FNext += Size;
    FLeft -= Size;
    return P;
}
