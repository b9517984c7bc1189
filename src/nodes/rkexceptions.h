// Library failures.  Every exception the parser library raises derives from
// ERkError and carries the system's own message text; assertions throw too,
// they never abort the process.
#pragma once

#include <stdexcept>
#include <string>

class ERkError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "List index out of bounds (%d)"
class ERkListError : public ERkError {
public:
    explicit ERkListError(long index);
};

// "Range check error" and other scanner or parser limits.
class ERkRangeError : public ERkError {
public:
    ERkRangeError() : ERkError("Range check error") {}
    using ERkError::ERkError;
};

// A failed assertion: "%s (%s, line %d)" with the message, unit and line.
class ERkAssertion : public ERkError {
public:
    ERkAssertion(const std::string& message, const char* unit, int line);
};

[[noreturn]] void RkAssertFailed(const char* message, const char* unit, int line);

// unit is the source unit's name as the messages show it, e.g. "nodes/u_nodes".
#define RK_ASSERT(cond, message, unit)                                   \
    do {                                                                \
        if (!(cond)) RkAssertFailed((message), (unit), __LINE__);       \
    } while (0)
