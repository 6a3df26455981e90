#include "tests/formats/FormatTest.h"

#include "tests/formats/FileFailures.h"

std::pair<int32_t, std::string> FormatTest::writeOverKeptFileWithoutFiles(const DIBImage& image)
{
    writeFile("kept." + extension, "the user's picture");
    format->file.setFullPath(pathOf("kept." + extension));
    int32_t code = 0;
    try {
        NoMoreFiles refuse;
        format->writeImage(image, palette);
    } catch (...) {
        code = currentError();
    }
    return {code, readFile("kept." + extension)};
}
