#include "base/ErrorFrame.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <new>
#include <stdexcept>

namespace {
int g_depth = 1;
}

void raiseError(int32_t code)
{
    if (code != errorNone)
        throw RaisedError(code);
    if (std::exception_ptr pending = std::current_exception())
        std::rethrow_exception(pending);
    throw RaisedError(errorQuiet);
}

int32_t currentError()
{
    std::exception_ptr pending = std::current_exception();
    if (!pending)
        return errorNone;
    try {
        std::rethrow_exception(pending);
    } catch (const RaisedError& error) {
        return error.code();
    } catch (...) {
        // bad_alloc, length_error and their kin: the standard library ran out of room.
        return errorOutOfMemory;
    }
}

bool catchError(int32_t code)
{
    int32_t pending = currentError();
    return pending != errorNone && (code == errorNone || pending == code);
}

void fatalError(int32_t code)
{
    std::fprintf(stderr, "tilvaner: fatal error %d\n", int(code));
    std::abort();
}

ErrorContext::ErrorContext()
{
    ++g_depth;
}

ErrorContext::~ErrorContext()
{
    --g_depth;
}

int ErrorContext::depth()
{
    return g_depth;
}
