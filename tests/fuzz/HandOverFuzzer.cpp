// Hands any bytes, in pieces as a socket delivers them, to the single instance's message handling:
// a message within the bounds gives at most the names it announces, each whole, and encoding them
// again gives back the message's start.
#include "framework/SingleInstance.h"

#include <cstdlib>
#include <string>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The first byte sets the size of the pieces the rest arrives in.
    if (size == 0)
        return 0;
    size_t piece = size_t(data[0]) * 64 + 1;
    std::string message;
    for (size_t at = 1; at < size; at += piece) {
        message.append(reinterpret_cast<const char*>(data + at), std::min(piece, size - at));
        if (!SingleInstance::withinBounds(message))
            return 0;
    }
    std::vector<std::string> paths = SingleInstance::decode(message);
    check(paths.size() <= SingleInstance::maxNames);
    std::string again = SingleInstance::encode(paths);
    uint32_t count = message.size() >= 4 ? uint32_t(uint8_t(message[0])) | uint32_t(uint8_t(message[1])) << 8 |
                                               uint32_t(uint8_t(message[2])) << 16 | uint32_t(uint8_t(message[3])) << 24
                                         : 0;
    check(paths.size() <= count);
    if (message.size() >= 4 && paths.size() == count)
        check(message.compare(0, again.size(), again) == 0);
    for (const std::string& batch : SingleInstance::encodeInBatches(paths))
        check(SingleInstance::withinBounds(batch));
    return 0;
}
