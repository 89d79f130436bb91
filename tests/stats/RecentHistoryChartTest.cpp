#include "stats/RecentHistoryChart.h"

#include <gtest/gtest.h>

#include "stats/ChartSourceFixture.h"

namespace {

using RecentHistoryChartTest = ChartSourceTest;

std::vector<int> FirstAndRest(int first, int rest) {
    std::vector<int> values(kChartGroupCount, rest);
    values[0] = first;
    return values;
}

// The table is left on the newest entry, whose unit system the panel takes.
TEST_F(RecentHistoryChartTest, BmiChartShowsTheLastTwelveEntriesAgainstReferenceLines) {
    OpenDiary(DailyRows(20, 2010, 3, 1));  // 1 to 20 March, BMI 18.5 + i % 12 for row i
    ASSERT_TRUE(CRecentHistoryChart(Source()).BuildBmi());
    EXPECT_EQ(m_chart.GetXAxisTitle(), "Date");
    EXPECT_EQ(m_chart.GetYAxisTitle(), "BMI");
    EXPECT_EQ(m_chart.GetSeriesNames(),
              (std::vector<std::string>{"My BMI", "Obese", "Overweight", "Normal"}));
    EXPECT_EQ(GroupNames().front() + " to " + GroupNames().back(), "09/03 to 20/03");
    EXPECT_EQ(Values(0), (std::vector<int>{26, 27, 28, 29, 18, 19, 20, 21, 22, 23, 24, 25}));
    EXPECT_EQ(Values(1), FirstAndRest(31, 30));
    EXPECT_EQ(Values(2), FirstAndRest(24, 25));
    EXPECT_EQ(Values(3), FirstAndRest(18, 19));
    EXPECT_STREQ(m_table.m_strDate.GetText(), "2010/03/20");
}

// A date that is empty or no date keeps the label before it, the first one the date the panel
// parsed last.
TEST_F(RecentHistoryChartTest, BmrChartShiftsTheFirstGroupApartAndDatesThatAreNoDatesKeepTheLabel) {
    OpenDiary({{.date = "", .calories = 1800, .bmr = 1672.4},
               {.date = "2010/03/02", .calories = 1800, .bmr = 1672.4},
               {.date = "2010/13/45", .calories = 1800, .bmr = 1672.4}});
    ASSERT_TRUE(CRecentHistoryChart(Source()).BuildBmr());
    EXPECT_EQ(m_chart.GetYAxisTitle(), "Calories");
    EXPECT_EQ(m_chart.GetSeriesNames(), (std::vector<std::string>{"My Cals", "My BMR"}));
    EXPECT_EQ(Values(0), FirstAndRest(1802, 1800));
    EXPECT_EQ(Values(1), FirstAndRest(1670, 1672));
    std::vector<std::string> dates(kChartGroupCount, "02/03");
    dates[0] = "04/07";
    EXPECT_EQ(GroupNames(), dates);
}

}  // namespace
