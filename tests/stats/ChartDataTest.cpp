#include "stats/ChartData.h"

#include <gtest/gtest.h>

// Zeros are no values, and a group without values pulls the minimum to zero.
// Clearing empties the groups, which the next chart fills again, and keeps the texts.
TEST(ChartDataTest, ZerosAreNoValuesAndClearingKeepsOnlyTheTexts) {
    CChartData chart;
    CChartGroup values;
    CChartGroup empty("01/03");
    chart.AddGroup(&values);
    chart.AddGroup(&empty);
    for (const char* name : {"ab", "cde", "fgh", "ij"}) {
        chart.AddSeries(name);
    }
    for (int series : {0, 2, 3}) {
        values.SetValue(series, static_cast<DWORD>(30 - series));
    }
    EXPECT_EQ(values.GetMaxValue(), 30);
    EXPECT_EQ(values.GetMinValue(), 27);
    EXPECT_EQ(values.GetValueCount(), 3);
    EXPECT_EQ(chart.GetMinValue(), 0);
    EXPECT_EQ(chart.GetFilledGroupCount(), 1);
    EXPECT_EQ(chart.GetLongestSeriesName(), "cde");  // the first of the longest
    EXPECT_EQ(chart.GetMaxValue(), 30);

    chart.SetChartTitle("T");
    chart.ClearChart();
    EXPECT_EQ(chart.GetChartTitle(), "T");
    EXPECT_TRUE(chart.GetGroups().empty());
    EXPECT_EQ(values.GetSize(), 0);
    EXPECT_EQ(empty.GetName(), "01/03");
}
