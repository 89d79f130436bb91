#include "stats/ChartGroup.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(ChartGroupTest, ZerosAreNoValuesAndNegativesCount) {
    const struct {
        std::vector<int> values;
        int max, min, count;
    } cases[] = {{{}, 0, 0, 0},
                 {{0, 0}, 0, 0, 0},
                 {{30, 0, 25, 31}, 31, 25, 3},
                 {{-2}, 0, -2, 1},
                 {{5, -3, 0}, 5, -3, 2}};
    for (const auto& c : cases) {
        CChartGroup group;
        for (size_t i = 0; i < c.values.size(); ++i) {
            group.SetValue(static_cast<int>(i), static_cast<DWORD>(c.values[i]));
        }
        const std::string values = ::testing::PrintToString(c.values);
        EXPECT_EQ(group.GetMaxValue(), c.max) << values;
        EXPECT_EQ(group.GetMinValue(), c.min) << values;
        EXPECT_EQ(group.GetValueCount(), c.count) << values;
    }
}

TEST(ChartGroupTest, SetValueGrowsWithZerosAndReadsPastTheEndGiveNoValue) {
    CChartGroup group;
    group.SetValue(3, 7);
    EXPECT_EQ(group.GetSize(), 4);
    EXPECT_EQ(group.GetValue(2), 0u);
    EXPECT_EQ(group.GetValue(3), 7u);
    EXPECT_EQ(group.GetValue(4), 0u);
    EXPECT_EQ(group.GetValueCount(), 1);
}

}  // namespace
