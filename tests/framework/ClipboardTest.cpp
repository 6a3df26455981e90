#include "framework/Clipboard.h"
#include "framework/DIBImage.h"
#include "framework/MaskImage.h"
#include "tests/framework/EventLoop.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include <gtest/gtest.h>

namespace {

const std::array<uint8_t, 3> marker{'m', 'k', 0};

// A 2 x 1 8-bit DIB: values 1 and 2, entry 1 red, entry 2 blue, the other entries grey.
QByteArray indexedDib()
{
    QByteArray dib(40 + 1024 + 4, '\0');
    auto put32 = [&dib](int at, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            dib[at + i] = char(v >> (8 * i));
    };
    put32(0, 40);
    put32(4, 2);
    put32(8, 1);
    put32(12, 0x00080001);
    for (int i = 0; i < 256; ++i)
        put32(40 + 4 * i, 0x808080);
    put32(44, 0xFF0000);
    put32(48, 0x0000FF);
    dib[1064] = 1;
    dib[1065] = 2;
    return dib;
}

void publish(const QByteArray& dib)
{
    clipboard::publishDib(
        size_t(dib.size()), [&](std::span<uint8_t> out) { std::copy(dib.begin(), dib.end(), out.begin()); }, marker);
}

TEST(ClipboardTest, ACopyOffersTheDibTheMarkerABmpFileAndAPng)
{
    testApplication();
    QByteArray dib = indexedDib();
    publish(dib);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(data);
    EXPECT_EQ(data->formats(),
              (QStringList{"application/x-tilvaner-dib", "application/x-tilvaner-marker", "image/bmp", "image/png"}));
    EXPECT_EQ(data->data("application/x-tilvaner-dib"), dib);
    EXPECT_EQ(data->data("application/x-tilvaner-marker"), QByteArray("mk\0", 3));
    QByteArray bmp = data->data("image/bmp");
    EXPECT_EQ(bmp.mid(14), dib);
    EXPECT_EQ(bmp.left(2), "BM");
    EXPECT_EQ(uint8_t(bmp[10]) | uint8_t(bmp[11]) << 8, 14 + 40 + 1024) << "data offset";
    QImage png = QImage::fromData(data->data("image/png"), "PNG");
    ASSERT_EQ(png.format(), QImage::Format_Indexed8) << "an 8-bit copy is an indexed PNG";
    EXPECT_EQ(png.pixelIndex(0, 0), 1);
    EXPECT_EQ(png.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(png.pixel(1, 0), qRgb(0, 0, 255));
    EXPECT_TRUE(clipboard::holdsImage());

    clipboard::Contents contents = clipboard::take();
    EXPECT_EQ(contents.kind, clipboard::Contents::Kind::dib);
    EXPECT_TRUE(contents.marked);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(contents.bytes.span().data()),
                         qsizetype(contents.bytes.span().size())),
              dib);
}

TEST(ClipboardTest, OtherProgramsBmpFilesComeBeforeTheirOtherPictures)
{
    testApplication();
    auto* data = new QMimeData;
    data->setData("image/bmp", QByteArray("BM12"));
    data->setData("image/png", QByteArray("x"));
    QGuiApplication::clipboard()->setMimeData(data);
    clipboard::Contents contents = clipboard::take();
    EXPECT_EQ(contents.kind, clipboard::Contents::Kind::bmpFile);
    EXPECT_FALSE(contents.marked);
    EXPECT_EQ(contents.bytes.span().size(), 4u);
}

TEST(ClipboardTest, AnIndexedPngKeepsItsTableAndItsAlpha)
{
    testApplication();
    QImage image(2, 1, QImage::Format_Indexed8);
    image.setColorTable({qRgba(10, 20, 30, 255), qRgba(0, 0, 0, 0)});
    image.setPixel(0, 0, 1);
    image.setPixel(1, 0, 0);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    auto* data = new QMimeData;
    data->setData("image/png", png);
    QGuiApplication::clipboard()->setMimeData(data);
    EXPECT_TRUE(clipboard::holdsImage());

    clipboard::Contents contents = clipboard::take();
    ASSERT_EQ(contents.kind, clipboard::Contents::Kind::picture);
    ASSERT_TRUE(contents.picture.image);
    ASSERT_EQ(contents.picture.image->depth(), 8);
    EXPECT_EQ(contents.picture.image->row(0)[0], 1);
    ASSERT_GE(contents.picture.colors.size(), 2u);
    EXPECT_EQ(contents.picture.colors[0], rgb(10, 20, 30));
    EXPECT_EQ(contents.picture.clearValues[1], 1);
    EXPECT_EQ(contents.picture.clearValues[0], 0);
}

TEST(ClipboardTest, ATrueColourPictureMarksItsClearDots)
{
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(1, 2, 3, 127));
    image.setPixel(1, 0, qRgba(4, 5, 6, 128));
    DecodedPicture picture = decodedFrom(image);
    ASSERT_TRUE(picture.image);
    EXPECT_EQ(picture.image->pixelAt({1, 0}), rgb(4, 5, 6));
    ASSERT_TRUE(picture.clearDots);
    EXPECT_TRUE(picture.clearDots->isSet({0, 0}));
    EXPECT_FALSE(picture.clearDots->isSet({1, 0}));
}

TEST(ClipboardTest, AnEmptyClipboardHoldsNoPicture)
{
    testApplication();
    QGuiApplication::clipboard()->setMimeData(new QMimeData);
    EXPECT_FALSE(clipboard::holdsImage());
    EXPECT_EQ(clipboard::take().kind, clipboard::Contents::Kind::none);
}

} // namespace
