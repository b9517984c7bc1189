#include "process/stackguard.h"

#include <pthread.h>

#include <algorithm>
#include <cstddef>

namespace rkstack {

namespace {

// Room kept free below the guard: what one level of the deepest walk takes
// between two checks, with sanitizer frames and a throw on top.
constexpr std::size_t kMargin = 1024 * 1024;

std::uintptr_t ComputeLimit() {
    pthread_attr_t attr;
    if (pthread_getattr_np(pthread_self(), &attr) != 0) return 0;
    void* base = nullptr;
    std::size_t size = 0;
    const bool known = pthread_attr_getstack(&attr, &base, &size) == 0 && base != nullptr;
    pthread_attr_destroy(&attr);
    if (!known) return 0;
    // Small thread stacks keep three quarters for the walks.
    const std::size_t margin = std::min(kMargin, size / 4);
    return reinterpret_cast<std::uintptr_t>(base) + margin;
}

}  // namespace

std::uintptr_t Limit() {
    thread_local const std::uintptr_t limit = ComputeLimit();
    return limit;
}

}  // namespace rkstack
