#include "framework/Clipboard.h"
#include "pixels/DIBImage.h"
#include "pixels/IndexedImage.h"
#include "pixels/MaskImage.h"
#include "pixels/PngWriter.h"
#include "tests/framework/EventLoop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::array<uint8_t, 3> marker{'m', 'k', 0};

void put32(std::vector<uint8_t>& bytes, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + size_t(i)] = uint8_t(v >> (8 * i));
}

// A 2 x 1 8-bit DIB: values 1 and 2, entry 1 red, entry 2 blue, the other entries grey.
std::vector<uint8_t> indexedDib()
{
    std::vector<uint8_t> dib(40 + 1024 + 4, 0);
    put32(dib, 0, 40);
    put32(dib, 4, 2);
    put32(dib, 8, 1);
    put32(dib, 12, 0x00080001);
    for (size_t i = 0; i < 256; ++i)
        put32(dib, 40 + 4 * i, 0x808080);
    put32(dib, 44, 0xFF0000);
    put32(dib, 48, 0x0000FF);
    dib[1064] = 1;
    dib[1065] = 2;
    return dib;
}

std::vector<uint8_t> held(const std::string& type)
{
    std::span<const uint8_t> bytes = clipboard::bytesOf(type).span();
    return {bytes.begin(), bytes.end()};
}

void publishCopy(const std::vector<uint8_t>& dib)
{
    clipboard::publishDib(
        dib.size(), [&](std::span<uint8_t> out) { std::copy(dib.begin(), dib.end(), out.begin()); }, marker);
}

TEST(ClipboardTest, ACopyOffersTheDibTheMarkerABmpFileAndAPng)
{
    testApplication();
    std::vector<uint8_t> dib = indexedDib();
    publishCopy(dib);
    EXPECT_EQ(clipboard::types(),
              (std::vector<std::string>{"application/x-tilvaner-dib", "application/x-tilvaner-marker", "image/bmp",
                                        "image/png"}));
    EXPECT_EQ(held("application/x-tilvaner-dib"), dib);
    EXPECT_EQ(held("application/x-tilvaner-marker"), (std::vector<uint8_t>{'m', 'k', 0}));
    std::vector<uint8_t> bmp = held("image/bmp");
    ASSERT_EQ(bmp.size(), 14 + dib.size());
    EXPECT_EQ(std::vector<uint8_t>(bmp.begin() + 14, bmp.end()), dib);
    EXPECT_EQ(std::string(bmp.begin(), bmp.begin() + 2), "BM");
    EXPECT_EQ(bmp[10] | bmp[11] << 8, 14 + 40 + 1024) << "data offset";
    EXPECT_EQ(bmp[2] | bmp[3] << 8 | bmp[4] << 16, int(bmp.size())) << "file size";

    std::vector<uint8_t> png = held("image/png");
    DecodedPicture picture = decodePicture(png);
    ASSERT_TRUE(picture.image);
    ASSERT_EQ(picture.image->depth(), 8) << "an 8-bit copy is an indexed PNG";
    EXPECT_EQ(picture.image->row(0)[0], 1);
    EXPECT_EQ(picture.colors.at(picture.image->row(0)[0]), rgb(255, 0, 0));
    EXPECT_EQ(picture.colors.at(picture.image->row(0)[1]), rgb(0, 0, 255));
    EXPECT_TRUE(clipboard::holdsImage());

    clipboard::Contents contents = clipboard::take();
    EXPECT_EQ(contents.kind, clipboard::Contents::Kind::dib);
    EXPECT_TRUE(contents.marked);
    EXPECT_EQ(std::vector<uint8_t>(contents.bytes.span().begin(), contents.bytes.span().end()), dib);

    // Another program's PNG alone: the picture keeps its table for the matching.
    clipboard::publish({{"image/png", png}});
    EXPECT_TRUE(clipboard::holdsImage());
    contents = clipboard::take();
    ASSERT_EQ(contents.kind, clipboard::Contents::Kind::picture);
    ASSERT_TRUE(contents.picture.image);
    ASSERT_EQ(contents.picture.image->depth(), 8);
    EXPECT_EQ(contents.picture.colors.at(contents.picture.image->row(0)[1]), rgb(0, 0, 255));
}

// Above the 128 MB that Qt's readers allocate by default: the PNG is made from the copy's own rows,
// top row first, and reads back whole.
TEST(ClipboardTest, ABigCopyOffersAWholePng)
{
    testApplication();
    constexpr uint32_t side = 6000;
    constexpr size_t rowLength = 3 * side;
    std::vector<uint8_t> dib(40 + rowLength * side, 0x40);
    put32(dib, 0, 40);
    put32(dib, 4, side);
    put32(dib, 8, side);
    put32(dib, 12, 0x00180001);
    put32(dib, 16, 0);
    const std::array<uint8_t, 3> red{0, 0, 255};
    std::copy(red.begin(), red.end(), dib.end() - rowLength); // the top row comes last
    publishCopy(dib);
    std::vector<uint8_t> png = held("image/png");
    dib = {};
    DecodedPicture picture = decodePicture(png);
    ASSERT_TRUE(picture.image);
    EXPECT_EQ(picture.image->extent(), (Point{side, side}));
    EXPECT_EQ(picture.image->pixelAt({0, 0}), rgb(255, 0, 0));
    EXPECT_EQ(picture.image->pixelAt({0, side - 1}), rgb(0x40, 0x40, 0x40));
}

// Sides are checked before the pixels are read; bytes that are no picture are unreadable.
TEST(ClipboardTest, PicturesBeyondTheLargestSideOrUnreadableAreRefused)
{
    testApplication();
    // A 10001 x 1 picture, then the same bytes cut short, then text.
    std::vector<uint8_t> row(3 * 10001 + 3, 0);
    std::vector<uint8_t> wide = encodePng({row.data(), 0, {10001, 1}, 24, {}});
    ASSERT_FALSE(wide.empty());
    EXPECT_EQ(decodePicture(wide).refused, DecodedPicture::Refusal::tooLarge);
    std::vector<uint8_t> small = encodePng({row.data(), 0, {10000, 1}, 24, {}});
    EXPECT_EQ(decodePicture(small).refused, DecodedPicture::Refusal::none);
    small.resize(small.size() / 2);
    EXPECT_EQ(decodePicture(small).refused, DecodedPicture::Refusal::unreadable);
    const std::string text = "not a picture";
    EXPECT_EQ(decodePicture(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size())).refused,
              DecodedPicture::Refusal::unreadable);
}

TEST(ClipboardTest, OtherProgramsBmpFilesComeBeforeTheirOtherPictures)
{
    testApplication();
    clipboard::publish({{"image/png", {'x'}}, {"image/bmp", {'B', 'M', '1', '2'}}});
    clipboard::Contents contents = clipboard::take();
    EXPECT_EQ(contents.kind, clipboard::Contents::Kind::bmpFile);
    EXPECT_FALSE(contents.marked);
    EXPECT_EQ(contents.bytes.span().size(), 4u);
}

TEST(ClipboardTest, AnEmptyClipboardHoldsNoPicture)
{
    testApplication();
    clipboard::publish({{"text/plain", {'a'}}});
    EXPECT_FALSE(clipboard::holdsImage());
    EXPECT_EQ(clipboard::take().kind, clipboard::Contents::Kind::none);
}

TEST(ClipboardTest, DeepDibsWithAlphaMarkTheirClearDots)
{
    // A 2 x 1 32-bit DIB with a version 5 header and an alpha mask: alpha 127, then 128.
    std::vector<uint8_t> dib(124 + 8, 0);
    put32(dib, 0, 124);
    put32(dib, 4, 2);
    put32(dib, 8, 1);
    put32(dib, 12, 0x00200001);
    put32(dib, 16, 3);
    put32(dib, 40, 0x00FF0000);
    put32(dib, 44, 0x0000FF00);
    put32(dib, 48, 0x000000FF);
    put32(dib, 52, 0xFF000000);
    put32(dib, 124, 0x7F010203);
    put32(dib, 128, 0x80040506);
    DecodedPicture picture = decodePackedDib(dib, 124);
    ASSERT_TRUE(picture.image);
    ASSERT_EQ(picture.image->depth(), 24);
    EXPECT_EQ(picture.image->pixelAt({1, 0}), rgb(4, 5, 6));
    ASSERT_TRUE(picture.clearDots);
    EXPECT_TRUE(picture.clearDots->isSet({0, 0}));
    EXPECT_FALSE(picture.clearDots->isSet({1, 0}));
}

} // namespace
