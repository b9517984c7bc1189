#include "nodes/rkexceptions.h"

#include <cstdio>

namespace {
std::string format_assertion(const std::string& message, const char* unit, int line) {
    return message + " (" + unit + ", line " + std::to_string(line) + ")";
}
}  // namespace

ERkListError::ERkListError(long index)
    : ERkError("List index out of bounds (" + std::to_string(index) + ")") {}

ERkAssertion::ERkAssertion(const std::string& message, const char* unit, int line)
    : ERkError(format_assertion(message, unit, line)) {}

void RkAssertFailed(const char* message, const char* unit, int line) {
    throw ERkAssertion(message, unit, line);
}
