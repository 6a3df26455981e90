#include "panels/PenPalette.h"
#include "core/Aspects.h"
#include "tests/panels/DocumentFixture.h"

#include <gtest/gtest.h>

namespace {

class PenPaletteTest : public testing::Test, public DocumentFixture {
protected:
    SelectionInterface& value(const InterfaceAspect<SelectionInterface>& aspect)
    {
        return *interfaceFor(&pen, &aspect);
    }

    PenPalette pen;
};

TEST_F(PenPaletteTest, TheSelectionsReadAndChooseTheDrawingOrBackgroundEntry)
{
    struct Row {
        const char* what;
        const InterfaceAspect<SelectionInterface>* aspect;
        int n;
        bool shift;
        int drawing;
        int background;
    };
    // The drawing entry starts as 0x37 and the background entry as 0x05.
    const Row rows[] = {
        {"matrix", &aspects::PenPalette::matrixSelection, 0xC2, false, 0xC2, 0x05},
        {"matrix with Shift", &aspects::PenPalette::matrixSelection, 0xC2, true, 0x37, 0xC2},
        {"matrix beyond the palette", &aspects::PenPalette::matrixSelection, 256, false, 0x37, 0x05},
        {"matrix below it", &aspects::PenPalette::matrixSelection, -1, true, 0x37, 0x05},
        {"row keeps the column", &aspects::PenPalette::paletteSelection, 0xA, false, 0xA7, 0x05},
        {"row ignores Shift", &aspects::PenPalette::paletteSelection, 0xA, true, 0xA7, 0x05},
        {"row beyond the last", &aspects::PenPalette::paletteSelection, 16, false, 0x37, 0x05},
        {"column keeps the row", &aspects::PenPalette::colorSelection, 0xE, false, 0x3E, 0x05},
        {"column with Shift", &aspects::PenPalette::colorSelection, 0xE, true, 0x37, 0x3E},
    };
    for (const Row& row : rows) {
        BitmapDocument& document = makeDocument(false);
        document.setDrawingColor(paletteIndex(0x37));
        document.setBackgroundColor(paletteIndex(0x05));
        pen.setDocument(&document);
        EXPECT_EQ(value(aspects::PenPalette::matrixSelection).selection(), 0x37);
        EXPECT_EQ(value(aspects::PenPalette::paletteSelection).selection(), 0x3);
        EXPECT_EQ(value(aspects::PenPalette::colorSelection).selection(), 0x7);
        value(*row.aspect).select(row.n, row.shift);
        EXPECT_EQ(document.drawingColor(), paletteIndex(uint8_t(row.drawing))) << row.what;
        EXPECT_EQ(document.backgroundColor(), paletteIndex(uint8_t(row.background))) << row.what;
    }
    pen.setDocument(nullptr);
}

TEST_F(PenPaletteTest, WithoutAPaletteEverySelectionIsNoneAndChoicesChangeNothing)
{
    BitmapDocument& fullColor = makeDocument(true);
    ColorRef drawing = fullColor.drawingColor(), background = fullColor.backgroundColor();
    for (BitmapDocument* document : {&fullColor, static_cast<BitmapDocument*>(nullptr)}) {
        pen.setDocument(document);
        for (const auto* aspect : {&aspects::PenPalette::matrixSelection, &aspects::PenPalette::paletteSelection,
                                   &aspects::PenPalette::colorSelection}) {
            EXPECT_EQ(value(*aspect).selection(), -1) << aspect->name();
            value(*aspect).select(3, false);
            value(*aspect).select(4, true);
        }
    }
    EXPECT_EQ(fullColor.drawingColor(), drawing) << "no palette-index colour in a full-colour picture";
    EXPECT_EQ(fullColor.backgroundColor(), background);
}

TEST_F(PenPaletteTest, ItFollowsTheDrawingColourThePaletteAndItsDocument)
{
    BitmapDocument& document = makeDocument(false);
    pen.setDocument(&document);
    Listener panel(&pen);
    document.setDrawingColor(paletteIndex(9));
    EXPECT_EQ(panel.names(), (std::vector<std::string>{"PenPalette::matrixSelection", "PenPalette::paletteSelection",
                                                       "PenPalette::colorSelection"}));
    panel.clear();
    document.palette()->changed();
    EXPECT_EQ(panel.names(), std::vector<std::string>{"BitmapPalette::access"}) << "swatches redraw";
    panel.clear();
    document.fillRect({0, 0, 2, 2}, paletteIndex(1));
    EXPECT_EQ(panel.count(), 0) << "drawing is none of its business";
    pen.setDocument(nullptr);
    EXPECT_EQ(panel.names(), std::vector<std::string>{"update"});
    EXPECT_EQ(document.dependentCount(), 1u) << "it let the document go";
}

} // namespace
