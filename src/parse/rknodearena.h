// Memory for the nodes of one parse.  A statement's tree is dozens of small
// nodes that live and die together with the parse: carving them out of a
// few blocks instead of one allocation each saves most of the allocator's
// work, on the way in and, above all, on the way out.
#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <new>
#include <vector>

#include "nodes/rkblocksource.h"
#include "nodes/u_nodes.h"

class TRkNodeArena {
public:
    TRkNodeArena() = default;
    TRkNodeArena(const TRkNodeArena&) = delete;
    TRkNodeArena& operator=(const TRkNodeArena&) = delete;
    ~TRkNodeArena() { Release(); }

    // The size of the next block, when the arena needs one; a parser sets it
    // from the size of its input so that most trees fit one block.
    void SetBlockHint(std::size_t Bytes) { FHint = std::clamp(Bytes, kMinBlock, kMaxBlock); }

    // Room for an object of Size bytes, aligned for any node.  The object's
    // destructor is the caller's to run; the memory goes with the arena.
    void* Allocate(std::size_t Size) {
        Size = (Size + kAlign - 1) & ~(kAlign - 1);
        if (Size > FLeft) Grow(Size);
        void* p = FNext;
        FNext += Size;
        FLeft -= Size;
        return p;
    }

    // Frees every block.  The objects in them must be destroyed already.
    void Release();

private:
    static constexpr std::size_t kAlign = alignof(std::max_align_t);
    static constexpr std::size_t kMinBlock = 1024;
    static constexpr std::size_t kMaxBlock = 256 * 1024;

    void Grow(std::size_t Size);

    TRkBlockSource FBlocks;
    std::byte* FNext = nullptr;
    std::size_t FLeft = 0;
    std::size_t FHint = kMinBlock;
};

// Frees a pooled node: a node made in the arena (RkMarkArenaNode) is
// destroyed only when it holds something on the heap, its memory goes with
// the arena; a node adopted from elsewhere is deleted.  The node says which
// it is, so a pooled node is one pointer.
struct TRkNodeRelease {
    constexpr TRkNodeRelease() = default;
    // Kept for the pool's callers; the node's own flag decides.
    constexpr explicit TRkNodeRelease(bool) {}
    void operator()(TRk_Node* Node) const {
        if (!Node->InArena())
            delete Node;
        else if (Node->NeedsDestroy())
            Node->~TRk_Node();
    }
};
using TRkPooledNode = std::unique_ptr<TRk_Node, TRkNodeRelease>;
static_assert(sizeof(TRkPooledNode) == sizeof(TRk_Node*));
