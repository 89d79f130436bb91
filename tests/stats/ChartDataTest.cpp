#include "stats/ChartData.h"

#include <gtest/gtest.h>

namespace {

TEST(ChartDataTest, SeriesCountFollowsTheGroupsNotTheNames) {
    CChartData chart;
    EXPECT_EQ(chart.AddSeries("A"), 0);
    EXPECT_EQ(chart.GetSeriesCount(), 0);  // no groups yet
    EXPECT_EQ(chart.GetMaxValue(), 0);
    EXPECT_EQ(chart.GetMinValue(), 0);

    CChartData three;
    CChartGroup first;
    CChartGroup second;
    three.AddGroup(&first);
    three.AddGroup(&second);
    EXPECT_EQ(three.AddSeries("A"), 0);
    EXPECT_EQ(three.AddSeries("B"), 1);
    EXPECT_EQ(three.AddSeries("C"), 2);
    EXPECT_EQ(first.GetSize(), 3);
    EXPECT_EQ(second.GetSize(), 3);
    EXPECT_EQ(three.GetSeriesCount(), 3);
    EXPECT_EQ(three.GetFilledGroupCount(), 0);
}

TEST(ChartDataTest, AGroupWithoutValuesPullsTheMinimumToZeroAndNegativesBelow) {
    CChartData chart;
    CChartGroup filled;
    CChartGroup empty;
    chart.AddGroup(&filled);
    chart.AddGroup(&empty);
    chart.AddSeries("A");
    filled.SetValue(0, 30);
    EXPECT_EQ(chart.GetMaxValue(), 30);
    EXPECT_EQ(chart.GetMinValue(), 0);
    EXPECT_EQ(chart.GetFilledGroupCount(), 1);
    empty.SetValue(0, static_cast<DWORD>(-2));
    EXPECT_EQ(chart.GetMinValue(), -2);
}

TEST(ChartDataTest, LongestNameIsTheFirstOfTheLongest) {
    CChartData chart;
    chart.AddSeries("ab");
    chart.AddSeries("cde");
    chart.AddSeries("fgh");
    EXPECT_EQ(chart.GetLongestSeriesName(), "cde");
}

TEST(ChartDataTest, ClearChartKeepsTextsAndGroupNames) {
    CChartData chart;
    CChartGroup group("01/03");
    chart.SetChartTitle("T");
    chart.SetYAxisTitle("Y");
    chart.SetStonesScale(TRUE);
    chart.AddGroup(&group);
    chart.AddSeries("A");
    chart.ClearChart();
    EXPECT_EQ(chart.GetChartTitle(), "T");
    EXPECT_EQ(chart.GetYAxisTitle(), "Y");
    EXPECT_TRUE(chart.IsStonesScale());
    EXPECT_TRUE(chart.GetGroups().empty());
    EXPECT_TRUE(chart.GetSeriesNames().empty());
    EXPECT_EQ(group.GetName(), "01/03");
    EXPECT_EQ(group.GetSize(), 0);
}

}  // namespace
