#include "framework/ColorChooser.h"

#include "core/Aspects.h"
#include "framework/ScriptedColorChooser.h"
#include "palette/ColorValue.h"
#include "tests/core/Listener.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(ColorValueTest, ChoosingStoresTheAnswerAndCancelKeepsTheColour)
{
    ColorValue value(rgb(1, 2, 3));
    Listener listener(&value);
    ScriptedColorChooser chooser;
    chooseColorFor(value);
    EXPECT_EQ(chooser.requests(), std::vector<ColorRef>{rgb(1, 2, 3)});
    EXPECT_EQ(value.value(), rgb(1, 2, 3));
    chooser.answerNext(rgb(4, 5, 6));
    chooseColorFor(value);
    EXPECT_EQ(value.value(), rgb(4, 5, 6));
    EXPECT_EQ(listener.count(&aspects::ColorValue::access), 1);
    value.setValue(rgb(4, 5, 6));
    EXPECT_EQ(listener.count(&aspects::ColorValue::access), 1) << "an equal colour sends nothing";
}

} // namespace
