// Memory for the statements and schema objects of one script.  A parse
// makes tens of thousands of them (statements, tables, fields and their
// lists), and they mostly go together with the front end: carving them out
// of a few blocks saves a heap free each on the way out, and the glibc
// consolidation that those small frees cause when large blocks go.
//
// While a scope is open, every node made with new (TRk_Node::operator new)
// takes its memory from the scope's arena and keeps the arena's slot; its
// delete then only destroys it.  Nodes made outside a scope (a host's own,
// a statement parsed again later) live on the heap as before.  An object a
// host keeps past its front end (made by a host's event handler during a
// parse) keeps the arena's blocks until the last such object goes.
//
// An arena and the objects made in it are used by one thread at a time, as
// the front end that owns them is.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "nodes/rkblocksource.h"

class TRkObjectArena {
public:
    TRkObjectArena(const TRkObjectArena&) = delete;
    TRkObjectArena& operator=(const TRkObjectArena&) = delete;

    // The owner's handle: letting go detaches the arena, which goes at once
    // when nothing made in it is alive, else with the last such object.
    struct TDetach {
        void operator()(TRkObjectArena* Arena) const { Arena->Detach(); }
    };
    using TOwner = std::unique_ptr<TRkObjectArena, TDetach>;
    static TOwner Make() { return TOwner(new TRkObjectArena); }

    // Makes Arena the one new nodes of this thread come from until the
    // scope closes; scopes nest.
    class TScope {
    public:
        explicit TScope(TRkObjectArena& Arena) : FWas(Current) { Current = &Arena; }
        ~TScope() { Current = FWas; }
        TScope(const TScope&) = delete;
        TScope& operator=(const TScope&) = delete;

    private:
        TRkObjectArena* FWas;
    };

    // Room for a node from the open scope's arena, else from the heap.
    static void* AllocateNode(std::size_t Size);
    // Called by a node's constructor: the slot of the open scope's arena
    // when the node lies in it, else 0 (only when an allocation is still
    // unclaimed is the arena asked).
    static std::uint16_t Claims(const void* Node) { return Unclaimed != 0 ? ClaimSlow(Node) : 0; }
    // A node made in the arena of Slot was destroyed.
    static void Forget(std::uint16_t Slot);
    // A constructor threw: forgets P when the open scope's arena made it;
    // false when P came from the heap.
    static bool ForgetUnbuilt(const void* P);

    // Frees the blocks for the next parse when nothing made here is alive;
    // false (and nothing freed) when something is.
    bool Reset();

private:
    static constexpr std::size_t kAlign = alignof(std::max_align_t);
    static constexpr std::size_t kFirstBlock = 16 * 1024;
    static thread_local TRkObjectArena* Current;
    static thread_local std::size_t Unclaimed;   // allocations whose constructor has not run yet

    TRkObjectArena();
    ~TRkObjectArena();
    void Detach();
    void* Allocate(std::size_t Size);
    static std::uint16_t ClaimSlow(const void* Node);

    TRkBlockSource FBlocks;
    std::byte* FNext = nullptr;
    std::size_t FLeft = 0;
    std::size_t FLive = 0;        // objects made here and not yet destroyed
    std::uint16_t FSlot = 0;      // 0: no slot free, so nodes go to the heap
    bool FDetached = false;
};
