#include "base/NumberList.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Numbers = std::vector<int32_t>;

TEST(NumberListTest, NumbersAreReadAsFarAsTheyGoAndNeverWrapAround)
{
    struct Row {
        const char* text;
        Numbers numbers;
    };
    for (const Row& row : {
             Row{"", {}},
             Row{"10,-20,1", {10, -20, 1}},
             Row{" 7, +8,\t-9", {7, 8, -9}},
             Row{"1,2,3,4,5", {1, 2, 3, 4}},
             Row{"1 ,2", {1}},
             Row{"1,x,3", {1}},
             Row{"12abc", {12}},
             Row{"+-3", {}},
             Row{"+ 3", {}},
             Row{"2147483647,-2147483648", {2147483647, -2147483647 - 1}},
             Row{"2147483648,1", {}},
             Row{"5,-2147483649", {5}},
             Row{"99999999999,1,1", {}},
             Row{"0004,00000000000000000000000000005", {4, 5}},
         })
        EXPECT_EQ(NumberList::read(row.text, 4), row.numbers) << row.text;
}

TEST(NumberListTest, EachNumberHasItsOwnRadixAndTheListEndsAtItsFirstGap)
{
    NumberList mesh("8,8,fe");
    EXPECT_EQ(mesh.next(), 8);
    EXPECT_EQ(mesh.next(), 8);
    EXPECT_EQ(mesh.next(16), 0xfe);
    EXPECT_EQ(mesh.next(), std::nullopt);

    NumberList broken("1,,3");
    EXPECT_EQ(broken.next(), 1);
    EXPECT_EQ(broken.next(), std::nullopt);
    EXPECT_EQ(broken.next(), std::nullopt) << "nothing after the gap";

    EXPECT_EQ(NumberList("ffffffff").next(16), std::nullopt) << "beyond 32 signed bits";
    EXPECT_EQ(NumberList("7fffffff").next(16), 0x7fffffff);
}

TEST(NumberListTest, AListMadeFromATemporaryStringKeepsItsText)
{
    // Settings values arrive as temporaries; the sanitizers catch a list that only viewed one.
    NumberList numbers(std::string("12,34,5F"));
    EXPECT_EQ(numbers.next(), 12);
    EXPECT_EQ(numbers.next(), 34);
    EXPECT_EQ(numbers.next(16), 0x5F);
}

} // namespace
