#include "formats/TiffFormat.h"
#include "tests/fuzz/FuzzRead.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static std::unique_ptr<ImageFormat> format = makeTiffFormat();
    fuzzRead(*format, data, size);
    return 0;
}
