// Large blocks for the memory of one script's tokens or nodes.  A script
// of megabytes fills tens of megabytes with them: taken in blocks that
// double with what the holder has, up to 512 KB, a script's memory comes in
// few blocks and goes back in few frees, and a small script still gets
// small blocks.  Larger blocks save little more and leave more unused room
// at the tail.  (Huge pages were tried, 2 MB blocks aligned and advised: on
// a machine whose memory is mostly page cache each one cost a compaction
// and a 2 MB clear, slower than the small pages it saved, and in a process
// that parses script after script the advised heap kept faulting.)
#pragma once

#include <cstddef>
#include <vector>

class TRkBlockSource {
public:
    // The largest block made unless one object needs more.
    static constexpr std::size_t kLargeBlock = std::size_t{512} << 10;

    TRkBlockSource() = default;
    TRkBlockSource(const TRkBlockSource&) = delete;
    TRkBlockSource& operator=(const TRkBlockSource&) = delete;
    ~TRkBlockSource() { Release(); }

    struct TBlock {
        void* Data;
        std::size_t Size;
    };
    // A new block of at least Bytes, aligned to Align (a power of two);
    // larger when the blocks so far add up to more, up to kLargeBlock.  With
    // Unit, a multiple of Unit (a power of two).
    TBlock Take(std::size_t Bytes, std::size_t Align, std::size_t Unit = 1);
    // Frees every block.
    void Release();
    // Bytes of all blocks.
    std::size_t Total() const { return FTotal; }
    // Whether P lies in one of the blocks, the newest looked at first.
    bool Holds(const void* P) const;

private:
    struct TKept {
        void* Data;
        std::size_t Size;
        std::size_t Align;
    };
    std::vector<TKept> FBlocks;
    std::size_t FTotal = 0;
};
