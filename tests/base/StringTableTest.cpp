#include "resources/StringTable.h"
#include "base/Utf8.h"

#include <gtest/gtest.h>

namespace {

TEST(StringTableTest, EveryMessageFitsItsLimitAndIsWellFormed)
{
    const int ids[] = {128, 130, 131, 132, 133, 134, 135, 136, 137, 138,
                       139, 140, 141, 142, 143, 144, 150, 151, 152, 153};
    for (int id : ids) {
        std::string_view text = loadString(id);
        ASSERT_FALSE(text.empty()) << id;
        EXPECT_LE(utf8::charCount(text), 127u) << id;
        EXPECT_EQ(text.substr(0, 1), "%") << id;
        EXPECT_NE(text.find('%', 2), std::string_view::npos) << id << " has a title";
    }
    EXPECT_EQ(loadString(129), "");
    EXPECT_EQ(loadString(strings::bmpFormatName), "BMPファイル");
}

TEST(Utf8Test, LimitsNeverSplitACharacter)
{
    EXPECT_EQ(utf8::firstChars("aあb", 2), "aあ");
    EXPECT_EQ(utf8::firstChars("ab", 5), "ab");
    EXPECT_EQ(utf8::charCount("aあ𝄞"), 3u);
    // A stray continuation byte or a cut-off character counts as one character of its own.
    EXPECT_EQ(utf8::charCount("\x80z"), 2u);
    EXPECT_EQ(utf8::firstChars("\xE3\x81", 1), "\xE3\x81");
}

} // namespace
