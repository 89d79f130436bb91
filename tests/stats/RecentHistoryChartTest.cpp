#include "stats/RecentHistoryChart.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "stats/ChartSourceFixture.h"

namespace {

using RecentHistoryChartTest = ChartSourceTest;

std::vector<int> FirstAndRest(int first, int rest) {
    std::vector<int> values(kChartGroupCount, rest);
    values[0] = first;
    return values;
}

TEST_F(RecentHistoryChartTest, BmiChartShowsTheLastTwelveEntriesAgainstReferenceLines) {
    OpenDiary(DailyRows(20, 2010, 3, 1));  // 1 to 20 March, BMI 18.5 + i % 12 for row i
    ASSERT_TRUE(CRecentHistoryChart(Source()).BuildBmi());
    EXPECT_EQ(m_chart.GetChartTitle(), "Body Mass Index - Recent History");
    EXPECT_EQ(m_chart.GetXAxisTitle(), "Date");
    EXPECT_EQ(m_chart.GetYAxisTitle(), "BMI");
    EXPECT_EQ(m_chart.GetSeriesNames(),
              (std::vector<std::string>{"My BMI", "Obese", "Overweight", "Normal"}));
    std::vector<std::string> dates;
    std::vector<int> bmi;
    for (int i = 8; i < 20; ++i) {  // entries 9 to 20
        dates.push_back((i < 9 ? "0" : "") + std::to_string(i + 1) + "/03");
        bmi.push_back(18 + i % 12);
    }
    EXPECT_EQ(GroupNames(), dates);
    EXPECT_EQ(Values(0), bmi);
    EXPECT_EQ(Values(1), FirstAndRest(31, 30));
    EXPECT_EQ(Values(2), FirstAndRest(24, 25));
    EXPECT_EQ(Values(3), FirstAndRest(18, 19));
    EXPECT_STREQ(m_table.m_strDate.GetText(), "2010/03/20");  // left on the newest entry
}

TEST_F(RecentHistoryChartTest, TwelveEntriesStartAtTheFirstAndFewerRepeatTheNewest) {
    OpenDiary(DailyRows(12, 2010, 12, 25));
    ASSERT_TRUE(CRecentHistoryChart(Source()).BuildBmi());
    EXPECT_EQ(GroupNames().front(), "25/12");
    EXPECT_EQ(GroupNames().back(), "05/01");

    ASSERT_TRUE(m_table.Close());
    std::remove("morvane.qeldb");
    OpenDiary(DailyRows(3, 2010, 3, 1));
    ASSERT_TRUE(CRecentHistoryChart(Source()).BuildBmi());
    std::vector<std::string> dates(kChartGroupCount, "03/03");
    dates[0] = "01/03";
    dates[1] = "02/03";
    EXPECT_EQ(GroupNames(), dates);
    std::vector<int> bmi(kChartGroupCount, 20);
    bmi[0] = 18;
    bmi[1] = 19;
    EXPECT_EQ(Values(0), bmi);
}

TEST_F(RecentHistoryChartTest, OneEntryGivesItsWholeBmiEverywhere) {
    OpenDiary({{.date = "2010/03/07", .bmi = 22.857}});
    ASSERT_TRUE(CRecentHistoryChart(Source()).BuildBmi());
    EXPECT_EQ(Values(0), std::vector<int>(kChartGroupCount, 22));
    EXPECT_EQ(m_chart.GetMaxValue() - m_chart.GetMinValue(), 13);
}

TEST_F(RecentHistoryChartTest, BmrChartShiftsTheFirstGroupApart) {
    OpenDiary({{.date = "2010/03/07", .calories = 1800, .bmr = 1672.4}});
    ASSERT_TRUE(CRecentHistoryChart(Source()).BuildBmr());
    EXPECT_EQ(m_chart.GetChartTitle(), "Basal Metabolic Rate - Recent History");
    EXPECT_EQ(m_chart.GetYAxisTitle(), "Calories");
    EXPECT_EQ(m_chart.GetSeriesNames(), (std::vector<std::string>{"My Cals", "My BMR"}));
    EXPECT_EQ(Values(0), FirstAndRest(1802, 1800));
    EXPECT_EQ(Values(1), FirstAndRest(1670, 1672));
}

TEST_F(RecentHistoryChartTest, AnEmptyDiaryLeavesTheChartAsItWas) {
    OpenDiary({});
    m_chart.SetChartTitle("Earlier");
    EXPECT_FALSE(CRecentHistoryChart(Source()).BuildBmi());
    EXPECT_FALSE(CRecentHistoryChart(Source()).BuildBmr());
    EXPECT_EQ(m_chart.GetChartTitle(), "Earlier");
}

TEST_F(RecentHistoryChartTest, ADateThatIsEmptyOrNoDateKeepsTheLabelBefore) {
    std::vector<DiaryRow> rows = DailyRows(3, 2010, 3, 1);
    rows[0].date = "";            // sorts first: takes the date parsed before any build
    rows[2].date = "2010/13/45";  // no such month
    OpenDiary(rows);
    ASSERT_TRUE(CRecentHistoryChart(Source()).BuildBmi());
    std::vector<std::string> dates(kChartGroupCount, "02/03");
    dates[0] = "04/07";
    EXPECT_EQ(GroupNames(), dates);
}

}  // namespace
