#include "parse/rknodearena.h"

#include <algorithm>

void TRkNodeArena::Grow(std::size_t Size) {
    // The first block, sized by the hint, holds most trees.  Later blocks
    // grow with what the arena holds (the block source doubles it): a tree
    // larger than guessed wastes little at the tail, and a huge one still
    // takes few blocks.  A block is never smaller than the object that asked.
    const TRkBlockSource::TBlock Block = FBlocks.Take(std::max(Size, FHint), kAlign);
    FNext = static_cast<std::byte*>(Block.Data);
    FLeft = Block.Size;
}

void TRkNodeArena::Release() {
    FBlocks.Release();
    FNext = nullptr;
    FLeft = 0;
}
