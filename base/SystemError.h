#pragma once

#include <cstdint>

// The error code for a failed file operation that set errno to e: a full disk is a short write (-5);
// everything else becomes the system error number that the messages know, as -30000 - number.
int32_t errorCodeForErrno(int e);
