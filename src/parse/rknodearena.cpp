#include "parse/rknodearena.h"

#include <algorithm>

void TRkNodeArena::Grow(std::size_t Size) {
    // The first block, sized by the hint, holds most trees.  Later blocks
    // are half of what the arena holds so far: a tree larger than guessed
    // wastes little at the tail, and a huge one still takes few blocks.  A
    // block is never smaller than the object that asked.
    const std::size_t Block = std::max(Size, FHint);
    FTotal += Block;
    FBlocks.push_back(std::make_unique_for_overwrite<std::byte[]>(Block));
    FNext = FBlocks.back().get();
    FLeft = Block;
    FHint = std::clamp(FTotal / 2, kMinBlock, kMaxBlock);
}

void TRkNodeArena::Release() {
    FBlocks.clear();
    FNext = nullptr;
    FLeft = 0;
    FTotal = 0;
}
