#include "stats/ChartText.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "stats/ChartSourceFixture.h"
#include "stats/RecentHistoryChart.h"

namespace {

using ChartTextTest = ChartSourceTest;

TEST_F(ChartTextTest, AKnownDiaryIsToldByItsNewestValuesAndItsDates) {
    const struct {
        int entries;
        bool (CRecentHistoryChart::*build)();
        const char* description;
    } charts[] = {
        // Twenty days from 1 March show the last twelve, the newest with BMI 25.5; a single day
        // fills every group and is told by its date alone.
        {20, &CRecentHistoryChart::BuildBmi,
         "My BMI 25, Obese 30, Overweight 25, Normal 19 from 09/03 to 20/03"},
        {1, &CRecentHistoryChart::BuildBmr, "My Cals 1500, My BMR 1600 on 01/03"},
    };
    for (const auto& c : charts) {
        m_table.Close();
        std::remove("morvane.qeldb");
        OpenDiary(DailyRows(c.entries, 2010, 3, 1));
        CRecentHistoryChart chart(Source());
        ASSERT_TRUE((chart.*c.build)());
        EXPECT_EQ(DescribeChart(m_chart), c.description);
    }
}

// The newest value of a series skips groups without one and reads in the axis units; a series
// without values is left out.
TEST(ChartTextTestHandMade, NewestValuesSkipGapsAndFollowTheAxisUnits) {
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
}

}  // namespace
