#include "nodes/rkblocksource.h"

#include <algorithm>
#include <new>

TRkBlockSource::TBlock TRkBlockSource::Take(std::size_t Bytes, std::size_t Align, std::size_t Unit) {
    // Each block is as large as all before it together (doubling what the
    // holder has), so that n bytes take log n blocks up to the large size
    // and one per large block after.
    std::size_t Size = std::max(Bytes, std::min(FTotal, kLargeBlock));
    Size = (Size + Unit - 1) & ~(Unit - 1);
    // The blocks come from operator new, so that heap counts see them.
    void* P = ::operator new(Size, std::align_val_t{Align});
    try {
        FBlocks.push_back({P, Size, Align});
    } catch (...) {
        ::operator delete(P, std::align_val_t{Align});
        throw;
    }
    FTotal += Size;
    return {P, Size};
}

void TRkBlockSource::Release() {
    for (const TKept& B : FBlocks) ::operator delete(B.Data, std::align_val_t{B.Align});
    FBlocks.clear();
    FTotal = 0;
}

bool TRkBlockSource::Holds(const void* P) const {
    const auto* B = static_cast<const std::byte*>(P);
    for (auto It = FBlocks.rbegin(); It != FBlocks.rend(); ++It) {
        const auto* Data = static_cast<const std::byte*>(It->Data);
        if (B >= Data && B < Data + It->Size) return true;
    }
    return false;
}
