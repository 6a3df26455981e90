#include "core/Aspects.h"
#include "core/BoundIntValue.h"
#include "core/IntValue.h"
#include "core/PointModel.h"
#include "tests/core/Listener.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(IntValueTest, OnlyARealChangeNotifiesAndItIsAWholeRefresh)
{
    IntValue value(5);
    Listener listener(&value);
    value.setValue(5);
    EXPECT_TRUE(listener.names().empty());
    value.setValue(6);
    EXPECT_EQ(listener.names(), std::vector<std::string>{"update"});

    auto* access = interfaceFor<IntInterface>(&value, &aspects::IntValue::access);
    ASSERT_NE(access, nullptr);
    EXPECT_EQ(access->value(), 6);
    EXPECT_EQ(value.valueFor(&aspects::PointValue::access), nullptr);
}

TEST(PointModelTest, SetPointSendsTheChangedCoordinatesThenTheWhole)
{
    PointModel point;
    Listener listener(&point);
    point.setPoint({0, 0});
    EXPECT_TRUE(listener.names().empty());
    point.setPoint({0, 4});
    EXPECT_EQ(listener.names(), (std::vector<std::string>{"PointModel::yvalue", "PointValue::access"}));
    listener.clear();
    point.setPoint({1, 5});
    EXPECT_EQ(listener.names(),
              (std::vector<std::string>{"PointModel::xvalue", "PointModel::yvalue", "PointValue::access"}));
}

TEST(PointModelTest, CoordinateInterfacesActOnTheirOwnAxis)
{
    PointModel point;
    Listener listener(&point);
    auto* x = interfaceFor<IntInterface>(&point, &aspects::PointModel::xvalue);
    auto* y = interfaceFor<IntInterface>(&point, &aspects::PointModel::yvalue);
    ASSERT_TRUE(x && y);
    y->setValue(7);
    EXPECT_EQ(point.point(), (Point{0, 7}));
    EXPECT_EQ(listener.names(), (std::vector<std::string>{"PointModel::yvalue", "PointValue::access"}));
    listener.clear();
    x->setValue(0);
    EXPECT_TRUE(listener.names().empty());
    x->setValue(-3);
    EXPECT_EQ(x->value(), -3);
    EXPECT_EQ(interfaceFor<PointInterface>(&point, &aspects::PointValue::access)->point(), (Point{-3, 7}));
    auto* indexed = static_cast<IndexedIntInterface*>(y);
    EXPECT_EQ(indexed->valueAt(0), -3);
    indexed->setValueAt(0, 9);
    EXPECT_EQ(point.point(), (Point{9, 7}));
}

TEST(BoundIntValueTest, WritesTheRecordSilentlyAndDiesWithItsLastFollower)
{
    int32_t record = 10;
    auto* bound = new BoundIntValue(&record, {101, 1, 99, 10});
    {
        Listener field(bound);
        auto* access = interfaceFor<IntInterface>(bound, &aspects::IntValue::access);
        access->setValue(42);
        EXPECT_TRUE(field.heard().empty());
        EXPECT_EQ(record, 42);
    } // the field detaches and the bound value deletes itself (the sanitizer build checks the leak)
    EXPECT_EQ(record, 42);
}

struct ParseRow {
    const char* text;
    int radix;
    std::optional<int32_t> expected;
};

class NumericFieldTest : public testing::TestWithParam<ParseRow> {};

TEST_P(NumericFieldTest, AcceptsOnlyDigitsWithinTheBounds)
{
    NumericField field{100, -16, 255, GetParam().radix};
    EXPECT_EQ(field.parse(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Rows, NumericFieldTest,
                         testing::Values(ParseRow{"42", 10, 42}, ParseRow{"-16", 10, -16},
                                         ParseRow{"-17", 10, std::nullopt}, ParseRow{"256", 10, std::nullopt},
                                         ParseRow{"", 10, std::nullopt}, ParseRow{"-", 10, std::nullopt},
                                         ParseRow{"+5", 10, std::nullopt}, ParseRow{"--5", 10, std::nullopt},
                                         ParseRow{"4x", 10, std::nullopt}, ParseRow{" 4", 10, std::nullopt},
                                         ParseRow{"99999999999999", 10, std::nullopt}, ParseRow{"ff", 16, 255},
                                         ParseRow{"FF", 16, 255}, ParseRow{"0x1", 16, std::nullopt},
                                         ParseRow{"ff", 10, std::nullopt}));

} // namespace
