#include "formats/ReplacingWrite.h"

#include "formats/ErrorFrame.h"
#include "formats/FilePath.h"
#include "formats/SystemError.h"

#include <cerrno>
#include <cstdio>
#include <string>
#include <unistd.h>

void writeReplacing(const FilePath& target, const std::function<void(FilePath& file)>& write)
{
    static unsigned serial = 0;
    FilePath temporary;
    temporary.setInDirectory("." + std::string(target.name()) + ".tilvaner-" + std::to_string(getpid()) + "-" +
                                 std::to_string(++serial),
                             target.directory());
    try {
        write(temporary);
        temporary.close();
        if (std::rename(temporary.path().c_str(), target.path().c_str()) != 0)
            raiseError(errorCodeForErrno(errno));
    } catch (...) {
        temporary.close();
        std::remove(temporary.path().c_str());
        throw;
    }
}
