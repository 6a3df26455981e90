#pragma once

#include "base/ErrorCodes.h"

#include <cstdint>
#include <utility>

// Failures travel as C++ exceptions carrying an error code. A protected region is a try block: the
// resources it holds are released by destructors as the error passes (innermost first), its catch
// block claims the error with catchError and then absorbs it, or passes it on with raiseError(0) or
// raiseError(another code). Every callback from the platform runs under guardCallback, where an error
// that nobody claimed ends silently.

class RaisedError {
public:
    explicit RaisedError(int32_t code) : m_code(code) {}
    int32_t code() const { return m_code; }

private:
    int32_t m_code;
};

// Raises code; 0 raises again the error being handled (a quiet abort when none is).
[[noreturn]] void raiseError(int32_t code);

// The code of the error being handled by the enclosing catch block, or 0 outside one. Allocation
// failures of the standard library count as -1.
int32_t currentError();

// Inside a catch block: whether the error being handled is code (0 matches any error).
bool catchError(int32_t code);

// Ends the program: a failure that leaves nothing sensible to continue with.
[[noreturn]] void fatalError(int32_t code);

template <class T>
T* checkAllocated(T* pointer)
{
    if (!pointer)
        raiseError(errorOutOfMemory);
    return pointer;
}

// One level of the error stack, opened for the duration of a callback from the platform.
class ErrorContext {
public:
    ErrorContext();
    ~ErrorContext();
    ErrorContext(const ErrorContext&) = delete;
    ErrorContext& operator=(const ErrorContext&) = delete;

    // Levels open now; the first level, outside any callback, counts as 1.
    static int depth();
};

// Runs handler as a callback from the platform: in a level of its own, with every error that escapes
// it swallowed, so that nothing crosses into the platform's code. Answers whether it ended normally.
template <class Handler>
bool guardCallback(Handler&& handler) noexcept
{
    ErrorContext level;
    try {
        std::forward<Handler>(handler)();
        return true;
    } catch (...) {
        return false;
    }
}
