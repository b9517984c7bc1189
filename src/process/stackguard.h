// Stack guard of the recursive walks (visitor walks, statement texts,
// printers).  The parser bounds the nesting of parentheses and expressions,
// but queries nested in queries multiply the frames per level; instead of a
// depth bound every walk would have to be measured against, each recursion
// point asks whether the current thread's stack still has room, a pointer
// compare once the thread's stack bounds are known.
#pragma once

#include <cstdint>

namespace rkstack {

// Lowest address a walk may reach on this thread; 0 when unknown.
std::uintptr_t Limit();

// True when less than the safety margin is left on this thread's stack: the
// caller stops its walk and gives the rest as written or records an error.
inline bool Exhausted() {
    const std::uintptr_t here = reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0));
    return here < Limit();
}

}  // namespace rkstack
