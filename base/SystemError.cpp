#include "base/SystemError.h"

#include "base/ErrorCodes.h"

#include <cerrno>

int32_t errorCodeForErrno(int e)
{
    switch (e) {
    case ENOSPC:
    case EDQUOT: return errorDiskFull;
    case ENOENT: return systemError(systemFileNotFound);
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP: return systemError(systemPathNotFound);
    case EMFILE:
    case ENFILE: return systemError(systemTooManyOpenFiles);
    case EACCES:
    case EPERM:
    case EISDIR: return systemError(systemAccessDenied);
    case ENOMEM: return systemError(systemNotEnoughMemory);
    case EROFS: return systemError(systemWriteProtected);
    case EIO: return systemError(systemReadFault);
    case EBUSY:
    case ETXTBSY: return systemError(systemSharingViolation);
    case EEXIST: return systemError(systemFileExists);
    default: return systemError(systemGeneralFailure);
    }
}
