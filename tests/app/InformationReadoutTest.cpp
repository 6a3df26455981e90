#include "app/InformationReadout.h"

#include <gtest/gtest.h>

#include <limits>
#include <numbers>

namespace {

constexpr double degree = std::numbers::pi / 180;

TEST(InformationReadoutTest, PositionsAreSignedAndSelectionSizesUnsigned)
{
    EXPECT_EQ(readout::position({5, -15}), (ReadoutFields{"5", "-15", "", ""}));
    EXPECT_EQ(readout::selection({-3, 0}, {16, 9}), (ReadoutFields{"-3", "0", "16", "9"}));
}

TEST(InformationReadoutTest, RotationsAreHundredthsOfADegreeWrappedIntoOneTurn)
{
    struct Row {
        double radians;
        int32_t hundredths;
        ReadoutFields fields;
    };
    for (const Row& row : {
             Row{0, 0, {"0", ".00", "", ""}},
             Row{-90 * degree, 27000, {"270", ".00", "", ""}},
             Row{12.345 * degree, 1234, {"12", ".34", "", ""}},
             Row{360 * degree, 0, {"0", ".00", "", ""}},
             Row{-0.004 * degree, 0, {"0", ".00", "", ""}},
             Row{-0.01 * degree - 1e-9, 35999, {"359", ".99", "", ""}},
             Row{725.5 * degree, 550, {"5", ".50", "", ""}},
         }) {
        EXPECT_EQ(readout::hundredthsOfDegree(row.radians), row.hundredths) << row.radians;
        EXPECT_EQ(readout::rotation(row.radians), row.fields) << row.radians;
        EXPECT_GE(readout::hundredthsOfDegree(row.radians), 0);
        EXPECT_LT(readout::hundredthsOfDegree(row.radians), 36000);
    }
    EXPECT_EQ(readout::hundredthsOfDegree(std::numeric_limits<double>::infinity()), 0);
}

TEST(InformationReadoutTest, ScalesArePercentWithTwoDecimalsAndBlankForAnEmptyStart)
{
    struct Row {
        Rect before;
        Rect after;
        ReadoutFields fields;
    };
    for (const Row& row : {
             Row{{0, 0, 100, 100}, {0, 0, 100, 100}, {"100", ".00", "100", ".00"}},
             Row{{0, 0, 3, 7}, {5, 5, 6, 19}, {"33", ".33", "200", ".00"}},
             Row{{0, 0, 0, 8}, {0, 0, 10, 4}, {"", "", "50", ".00"}},
             Row{{0, 0, 4, 0}, {0, 0, 4, 4}, {"100", ".00", "", ""}},
             // 400000 x 10000 does not fit in 32 bits.
             Row{{0, 0, 1, 1}, {0, 0, 400000, 1}, {"40000000", ".00", "100", ".00"}},
         })
        EXPECT_EQ(readout::scale(row.before, row.after), row.fields)
            << row.after.width() << " over " << row.before.width();
}

TEST(InformationReadoutTest, ColoursAreShownAtTheChannelBitsOverTheirLargestValue)
{
    struct Row {
        ColorRef color;
        int bits;
        ReadoutFields fields;
    };
    for (const Row& row : {
             Row{rgb(255, 255, 255), 5, {" 31/31", " 31/31", " 31/31", ""}},
             Row{rgb(255, 128, 0), 8, {"255/255", "128/255", "  0/255", ""}},
             Row{rgb(0x12, 0x34, 0x56), 4, {"  1/15", "  3/15", "  5/15", ""}},
             Row{rgb(0xE0, 0x20, 0xFF), 3, {"  7/7", "  1/7", "  7/7", ""}},
             Row{rgb(0xFC, 0, 4), 6, {" 63/63", "  0/63", "  1/63", ""}},
         })
        EXPECT_EQ(readout::color(row.color, row.bits), row.fields) << std::hex << row.color << " at " << row.bits;
}

} // namespace
