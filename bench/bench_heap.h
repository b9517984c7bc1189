// A counting operator new/delete for the benchmarks' peak-heap figures.
// Include from exactly one source file of a benchmark program.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <malloc.h>
#include <new>

namespace benchheap {
inline std::atomic<bool> Counting{false};
inline std::atomic<std::size_t> Live{0}, Peak{0};

inline void Note(std::ptrdiff_t Delta) {
    std::size_t Now = Live.fetch_add(static_cast<std::size_t>(Delta)) + static_cast<std::size_t>(Delta);
    std::size_t P = Peak.load();
    while (Now > P && !Peak.compare_exchange_weak(P, Now)) {
    }
}

// The heap stays with the process between runs: every run sees the steady
// state of a process that parses script after script.
inline const bool HeapKept = [] {
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    return true;
}();
}  // namespace benchheap

// Blocks are counted by their usable size, on the way in and out alike, so
// a block freed after the counting stopped is never subtracted unseen: the
// live count only ever covers blocks made while counting.
void* operator new(std::size_t N) {
    void* P = std::malloc(N ? N : 1);
    if (!P) throw std::bad_alloc();
    if (benchheap::Counting.load(std::memory_order_relaxed))
        benchheap::Note(static_cast<std::ptrdiff_t>(malloc_usable_size(P)));
    return P;
}
// Not inlined: the compiler would see free() on what operator new gave
// and warn of a mismatch, not knowing that this operator new is malloc.
__attribute__((noinline)) void operator delete(void* P) noexcept {
    if (!P) return;
    if (benchheap::Counting.load(std::memory_order_relaxed))
        benchheap::Note(-static_cast<std::ptrdiff_t>(malloc_usable_size(P)));
    std::free(P);
}
void operator delete(void* P, std::size_t) noexcept { operator delete(P); }
// Token stores take blocks aligned to their size.
void* operator new(std::size_t N, std::align_val_t A) {
    void* P = nullptr;
    if (posix_memalign(&P, static_cast<std::size_t>(A), N ? N : 1) != 0) throw std::bad_alloc();
    if (benchheap::Counting.load(std::memory_order_relaxed))
        benchheap::Note(static_cast<std::ptrdiff_t>(malloc_usable_size(P)));
    return P;
}
void operator delete(void* P, std::align_val_t) noexcept { operator delete(P); }
void operator delete(void* P, std::size_t, std::align_val_t) noexcept { operator delete(P); }
