// Cross-checks picture files against ImageMagick when it is installed: files it writes (and, for
// TIFF, files that libtiff's tiffcp rewrites in big-endian strips) must read to the pixels it
// decodes, and files written here must decode in it to the same pixels. Skips without it.
#include "formats/FormatTable.h"
#include "palette/PaletteModel.h"
#include "pixels/DIBImage.h"

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
    const char* extension;
    bool restrip = false; // rewrite big-endian, three rows per strip
    friend void PrintTo(const Kind& kind, std::ostream* out)
    {
        *out << kind.options << " " << kind.prefix << kind.extension << (kind.restrip ? " restripped" : "");
    }
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
    const Kind& kind = GetParam();
    std::string theirs = folder + "/theirs." + kind.extension, ours = folder + "/ours." + kind.extension;
    // 8-bit depth keeps colour-map values at multiples of 257, whose high byte is the colour exactly.
    std::string make =
        tool + " -size 37x13 gradient:#ff8000-#0040c0 -swirl 90 " + kind.options + " '" + kind.prefix + theirs + "'";
    ASSERT_EQ(std::system(make.c_str()), 0) << make;
    if (kind.restrip) {
        if (!std::filesystem::exists("/usr/bin/tiffcp"))
            GTEST_SKIP() << "libtiff's tools are not installed";
        std::string restrip =
            "/usr/bin/tiffcp -B -r 3 '" + theirs + "' '" + theirs + ".mm' && mv '" + theirs + ".mm' '" + theirs + "'";
        ASSERT_EQ(std::system(restrip.c_str()), 0);
    }

    ImageFormat* format = imageFormats()[size_t(formatIndexForExtension(kind.extension))];
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

INSTANTIATE_TEST_SUITE_P(
    Kinds, ImageMagickCrossCheck,
    testing::Values(Kind{"-monochrome -compress none", "BMP3:", "bmp"},
                    Kind{"-colors 12 -type palette -compress none", "BMP3:", "bmp"},
                    Kind{"-colors 200 -type palette -compress none", "BMP3:", "bmp"},
                    Kind{"-colors 200 -type palette -compress none", "BMP:", "bmp"},
                    Kind{"-type truecolor", "BMP3:", "bmp"}, Kind{"-type truecolor", "BMP:", "bmp"},
                    Kind{"-colors 12 -type palette -depth 4 -compress none", "TIFF:", "tif"},
                    Kind{"-colors 200 -type palette -depth 8 -compress none", "TIFF:", "tif"},
                    Kind{"-type truecolor -depth 8 -compress none", "TIFF:", "tif"},
                    Kind{"-colors 200 -type palette -depth 8 -compress none", "TIFF:", "tif", true},
                    Kind{"-type truecolor -depth 8 -compress none", "TIFF:", "tif", true}));

} // namespace
