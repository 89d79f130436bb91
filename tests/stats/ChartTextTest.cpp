#include "stats/ChartText.h"

#include <gtest/gtest.h>

// The newest value of a series skips groups without one and reads in the axis units; a series
// without values is left out; a single date is told alone.
TEST(ChartTextTest, NewestValuesSkipGapsAndFollowTheAxisUnits) {
    CChartData chart;
    CChartGroup march("Mar");
    CChartGroup april("Apr");
    chart.AddGroup(&march);
    chart.AddGroup(&april);
    for (const char* name : {"Actual", "Diet 1", "Diet 2"}) {
        chart.AddSeries(name);
    }
    march.SetValue(0, 70);
    april.SetValue(1, 63);
    chart.SetStonesScale(TRUE);
    EXPECT_EQ(DescribeChart(chart), "Actual 11.00, Diet 1 9.12 from Mar to Apr");
    april.SetName("Mar");
    chart.SetStonesScale(FALSE);
    EXPECT_EQ(DescribeChart(chart), "Actual 70, Diet 1 63 on Mar");
}
