#include "dialogs/AnchorCells.h"
#include "dialogs/CanvasSizeDialog.h"
#include "dialogs/EdgeDialog.h"
#include "dialogs/RotateDialog.h"
#include "dialogs/ScaleDialog.h"
#include "framework/ScriptedDialogs.h"
#include "framework/SyntheticInput.h"
#include "resources/DialogTemplates.h"
#include "tests/framework/DialogControls.h"
#include "tests/framework/EventLoop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr double radiansPerDegree = 0.017453292519943295;

// Types each text in turn and presses OK after each; the dialog ends at the first it accepts.
ScriptedDialogs::Step typeEach(std::vector<std::pair<int, std::string>> entries, int radio = 0)
{
    return [entries, radio](ModalDialog& d) {
        if (radio)
            control(d, radio).click();
        for (const auto& [id, text] : entries) {
            control(d, id).setText(text);
            d.press(okButtonId);
            if (!d.isOpen())
                return;
        }
    };
}

TEST(TransformDialogsTest, TheAngleIsADecimalOfSixDigitsTruncatedAndTheSizeStaysWithinTheLimits)
{
    testApplication();
    ScriptedDialogs script;
    struct Row {
        std::vector<std::pair<int, std::string>> typed;
        int radio;
        std::optional<double> angle;
    };
    const Row rows[] = {
        {{{101, "abc"}, {101, "1234567"}, {101, "1e3"}, {101, "45.9"}}, 0, 45 * radiansPerDegree},
        {{{101, "30"}}, 103, 330 * radiansPerDegree},
        {{{101, "-12.5"}}, 102, -12 * radiansPerDegree},
        {{{101, "+999999"}}, 0, 999999 * radiansPerDegree},
        {{{101, ""}, {101, "."}}, 0, std::nullopt},
    };
    for (const Row& row : rows) {
        script.answerNext(typeEach(row.typed, row.radio));
        std::optional<double> angle = runRotateDialog();
        ASSERT_EQ(angle.has_value(), row.angle.has_value()) << row.typed.back().second;
        if (angle) {
            EXPECT_DOUBLE_EQ(*angle, *row.angle) << row.typed.back().second;
        }
    }
    script.answerNext([](ModalDialog& d) {
        EXPECT_EQ(d.caption(), "回転");
        EXPECT_EQ(control(d, 101).text(), "+999999") << "the last angle confirmed";
    });
    runRotateDialog();

    script.answerNext([](ModalDialog& d) {
        EXPECT_EQ(d.caption(), "拡大縮小");
        EXPECT_EQ(control(d, 101).text(), "7");
        EXPECT_EQ(control(d, 102).text(), "5");
        typeEach({{101, "0"}, {101, "10001"}, {101, "10000"}})(d);
    });
    EXPECT_EQ(runScaleDialog({7, 5}), (Point{10000, 5}));
    script.answerNext([](ModalDialog&) {});
    EXPECT_EQ(runScaleDialog({7, 5}), std::nullopt);
}

TEST(TransformDialogsTest, TheEdgeWidthIsOneToSixtyFourWithItsCornerChoice)
{
    testApplication();
    ScriptedDialogs script;
    script.answerNext([](ModalDialog& d) {
        EXPECT_EQ(d.caption(), "ふちどり");
        EXPECT_EQ(control(d, 100).text(), "3");
        EXPECT_TRUE(control(d, 102).isChecked()) << "without corners, as the picture had it";
        typeEach({{100, "0"}, {100, "65"}, {100, "64"}}, 101)(d);
    });
    std::optional<EdgeSettings> edge = runEdgeDialog({3, true});
    ASSERT_TRUE(edge);
    EXPECT_EQ(edge->width, 64);
    EXPECT_FALSE(edge->withoutCorners);
    script.answerNext([](ModalDialog& d) { typeEach({{100, "1"}}, 102)(d); });
    edge = runEdgeDialog({5, false});
    ASSERT_TRUE(edge);
    EXPECT_EQ(edge->width, 1);
    EXPECT_TRUE(edge->withoutCorners);
    script.answerNext([](ModalDialog& d) { control(d, 100).setText("7"); });
    EXPECT_FALSE(runEdgeDialog({5, false}).has_value()) << "cancelled";
}

TEST(TransformDialogsTest, TheCanvasSizeStaysWithinTheLimitsAndAClickChoosesTheAnchor)
{
    testApplication();
    ScriptedDialogs script;
    script.answerNext([](ModalDialog& d) {
        EXPECT_EQ(d.caption(), "画像サイズ");
        EXPECT_EQ(control(d, 101).text(), "10");
        EXPECT_EQ(control(d, 102).text(), "8");
        AnchorCells& bank = static_cast<AnchorCells&>(*control(d, 103).component());
        EXPECT_EQ(bank.selected(), 4) << "the centre";
        Rect cell = bank.geometry().cellRect(6);
        syntheticInput::pressMouse(bank, {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2},
                                   syntheticInput::Button::left);
        EXPECT_EQ(bank.selected(), 6);
        typeEach({{102, "0"}, {102, "10001"}, {102, "13"}})(d);
    });
    std::optional<CanvasChoice> canvas = runCanvasSizeDialog({10, 8});
    ASSERT_TRUE(canvas);
    EXPECT_EQ(canvas->size, (Point{10, 13}));
    EXPECT_EQ(canvas->anchor, 6);
    script.answerNext([](ModalDialog&) {});
    EXPECT_FALSE(runCanvasSizeDialog({10, 8}).has_value()) << "cancelled";
}

} // namespace
