#pragma once

#include <cstdint>

// Every failure travels as one of these codes. Codes of -30000 and below are system errors by number:
// -30000 - e for system error number e.
constexpr int32_t errorNone = 0;
constexpr int32_t errorQuiet = 1;         // cancelled, already reported, or format not recognised
constexpr int32_t errorImageTooLarge = 2; // the open flow reports it
constexpr int32_t errorOutOfMemory = -1;
constexpr int32_t errorReadFailed = -2;
constexpr int32_t errorWriteFailed = -3;
constexpr int32_t errorFileTooShort = -4;
constexpr int32_t errorDiskFull = -5;
constexpr int32_t errorSystemBase = -30000;

constexpr int32_t systemError(int32_t number)
{
    return errorSystemBase - number;
}

// The system error numbers that the messages know.
constexpr int32_t systemFileNotFound = 2;
constexpr int32_t systemPathNotFound = 3;
constexpr int32_t systemTooManyOpenFiles = 4;
constexpr int32_t systemAccessDenied = 5;
constexpr int32_t systemNotEnoughMemory = 8;
constexpr int32_t systemWriteProtected = 19;
constexpr int32_t systemWriteFault = 29;
constexpr int32_t systemReadFault = 30;
constexpr int32_t systemGeneralFailure = 31;
constexpr int32_t systemSharingViolation = 32;
constexpr int32_t systemFileExists = 80;
