#include "document/InformationPlug.h"
#include "core/Aspects.h"
#include "document/BitmapDocument.h"
#include "document/BitmapPalette.h"
#include "document/NewParams.h"
#include "tests/core/Listener.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class InformationPlugTest : public testing::Test {
protected:
    void open(bool fullColor)
    {
        document = new BitmapDocument(NewParams::current());
        NewDocumentParams params = NewDocumentParams::fromPreferences(NewParams::current());
        params.fullColor = fullColor;
        params.imageSize = {16, 8};
        document->newContent(params, "/nonexistent/default.rgb", "untitled");
        listener = std::make_unique<Listener>(document);
    }
    InformationPlug& plug() const { return document->information(); }

    BitmapDocument* document = nullptr;
    std::unique_ptr<Listener> listener;
};

TEST_F(InformationPlugTest, TheDocumentAnswersItsPlug)
{
    open(true);
    EXPECT_EQ(interfaceFor(document, &aspects::InformationPlug::access), &plug());
}

TEST_F(InformationPlugTest, DisplayedCoordinatesCountFromTheOffsetEitherWayUp)
{
    open(true);
    struct Row {
        Point offset;
        bool yUp;
        Point dot;
        Point shown;
    };
    for (const Row& row : {
             Row{{0, 0}, false, {15, 5}, {15, 5}},
             Row{{10, 20}, false, {15, 5}, {5, -15}},
             Row{{10, 20}, true, {15, 5}, {5, 15}},
             Row{{0, 0}, true, {3, 4}, {3, -4}},
         }) {
        plug().setOffset(row.offset, row.yUp);
        EXPECT_EQ(plug().displayed(row.dot), row.shown)
            << row.offset.x << "," << row.offset.y << (row.yUp ? " up" : " down");
    }
}

TEST_F(InformationPlugTest, AChangeMarksTheDocumentModifiedAndIsAnnouncedOnce)
{
    open(true);
    document->setModified(false);
    plug().setOffset(plug().offset(), plug().yUp());
    EXPECT_FALSE(document->isModified()) << "the same values change nothing";
    EXPECT_EQ(listener->count(), 0);

    plug().setOffset({10, 20}, true);
    EXPECT_TRUE(document->isModified());
    EXPECT_EQ(listener->names(), std::vector<std::string>{"InformationPlug::access"});
    EXPECT_EQ(plug().offset(), (Point{10, 20}));
    EXPECT_TRUE(plug().yUp());
}

TEST_F(InformationPlugTest, TheOffsetIsHeldBetweenZeroAnd9999)
{
    open(true);
    plug().setOffset({-5, 12000}, false);
    EXPECT_EQ(plug().offset(), (Point{0, 9999}));
}

TEST_F(InformationPlugTest, ChannelBitsFollowThePalettesPrecisionAndAreEightInFullColour)
{
    open(true);
    EXPECT_EQ(plug().channelBits(), 8);
    delete document;
    open(false);
    document->palette()->setPrecision(5);
    EXPECT_EQ(plug().channelBits(), 5);
}

TEST_F(InformationPlugTest, APaletteIndexColourIsShownAsItsEntrysColour)
{
    open(false);
    document->palette()->setColorAt(7, rgb(255, 0, 0));
    EXPECT_EQ(plug().rgbOf(paletteIndex(7)), rgb(255, 0, 0)) << "not the entry number as red";
    EXPECT_EQ(plug().rgbOf(rgb(1, 2, 3)), rgb(1, 2, 3));
}

TEST_F(InformationPlugTest, ADuplicateTakesTheOffsetAndDirection)
{
    open(true);
    plug().setOffset({3, 4}, true);
    auto* copy = new BitmapDocument(NewParams::current());
    Listener keeper(copy);
    copy->duplicate(*document, {0, 0, 4, 4}, "copy");
    EXPECT_EQ(copy->information().offset(), (Point{3, 4}));
    EXPECT_TRUE(copy->information().yUp());
}

} // namespace
