// Cross-checks BMP files against ImageMagick when it is installed: files it writes must read to the
// pixels it decodes, and files written here must decode in it to the same pixels. Skips without it.
#include "formats/BmpFormat.h"
#include "framework/DIBImage.h"
#include "palette/PaletteModel.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

std::string magick()
{
    for (const char* candidate : {"/usr/bin/convert-im6.q16", "/usr/bin/magick"})
        if (std::filesystem::exists(candidate))
            return candidate;
    return "";
}

// The picture as ImageMagick decodes it: red, green, blue bytes, top row first.
std::string decodedByMagick(const std::string& tool, const std::string& path)
{
    std::string command = tool + " '" + path + "' -depth 8 rgb:-";
    std::string bytes;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[65536];
        size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
            bytes.append(buffer, n);
        pclose(pipe);
    }
    return bytes;
}

std::string decodedHere(const DIBImage& image, const PaletteModel& palette)
{
    std::string bytes;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            ColorRef c = image.pixelAt({x, y});
            if (isPaletteIndex(c))
                c = palette.colorAt(int(c & 0xFF));
            bytes += char(redOf(c));
            bytes += char(greenOf(c));
            bytes += char(blueOf(c));
        }
    return bytes;
}

struct Kind {
    const char* options;
    const char* prefix; // BMP3: writes the 40-byte info header, BMP: a longer one
    friend void PrintTo(const Kind& kind, std::ostream* out) { *out << kind.options << " " << kind.prefix; }
};

class ImageMagickCrossCheck : public testing::TestWithParam<Kind> {
protected:
    void SetUp() override
    {
        tool = magick();
        if (tool.empty())
            GTEST_SKIP() << "ImageMagick is not installed";
        folder = testing::TempDir() + "tilvaner-im-" + std::to_string(getpid());
        std::filesystem::create_directories(folder);
    }
    void TearDown() override
    {
        if (!folder.empty())
            std::filesystem::remove_all(folder);
    }
    std::string tool, folder;
};

TEST_P(ImageMagickCrossCheck, BothProgramsSeeTheSamePixels)
{
    std::string theirs = folder + "/theirs.bmp", ours = folder + "/ours.bmp";
    std::string make = tool + " -size 37x13 gradient:#ff8000-#0040c0 -swirl 90 " + GetParam().options + " '" +
                       GetParam().prefix + theirs + "'";
    ASSERT_EQ(std::system(make.c_str()), 0) << make;

    auto format = makeBmpFormat();
    PaletteModel palette;
    format->file.setFullPath(theirs);
    std::shared_ptr<DIBImage> image = format->readImage(palette);
    std::string expected = decodedByMagick(tool, theirs);
    ASSERT_EQ(expected.size(), size_t(37 * 13 * 3));
    EXPECT_EQ(decodedHere(*image, palette), expected) << "reading";

    format->file.setFullPath(ours);
    format->writeImage(*image, palette);
    EXPECT_EQ(decodedByMagick(tool, ours), expected) << "writing what was read";
}

INSTANTIATE_TEST_SUITE_P(Kinds, ImageMagickCrossCheck,
                         testing::Values(Kind{"-monochrome -compress none", "BMP3:"},
                                         Kind{"-colors 12 -type palette -compress none", "BMP3:"},
                                         Kind{"-colors 200 -type palette -compress none", "BMP3:"},
                                         Kind{"-colors 200 -type palette -compress none", "BMP:"},
                                         Kind{"-type truecolor", "BMP3:"}, Kind{"-type truecolor", "BMP:"}));

} // namespace
