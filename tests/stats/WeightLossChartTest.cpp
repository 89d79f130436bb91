#include "stats/WeightLossChart.h"

#include <gtest/gtest.h>

#include "stats/ChartSourceFixture.h"

namespace {

DiaryRow Row(const std::string& date, double weight, int activity = 0, double bmr = 2400) {
    return {.date = date, .weight = weight, .activity = activity, .bmr = bmr};
}

// The actual weights of a chart: group -> whole kilograms, every other group 0.
std::vector<int> Actual(std::initializer_list<std::pair<int, int>> points) {
    std::vector<int> values(kChartGroupCount, 0);
    for (const auto& [group, weight] : points) {
        values[static_cast<size_t>(group)] = weight;
    }
    return values;
}

class WeightLossChartTest : public ChartSourceTest {
protected:
    void Build(const std::vector<DiaryRow>& rows, int overlay = 0,
               const std::string& units = "Metric") {
        OpenDiary(rows);
        CWeightLossChart(Source(), units, overlay).Build();
    }
};

struct Prediction {
    double weight, bmr;
    int activity, overlay;
    std::vector<std::string> names;
    std::vector<std::vector<int>> diets;
};

void PrintTo(const Prediction& prediction, std::ostream* out) {
    *out << prediction.names.back();
}

class WeightLossPredictionTest : public WeightLossChartTest,
                                 public ::testing::WithParamInterface<Prediction> {};

TEST_P(WeightLossPredictionTest, DietsFollowTheBaseNeedAndTheOverlay) {
    const Prediction& c = GetParam();
    Build({Row("2010/03/03", c.weight, c.activity, c.bmr)}, c.overlay);
    EXPECT_EQ(m_chart.GetSeriesNames(), c.names);
    for (size_t d = 0; d < c.diets.size(); ++d) {
        EXPECT_EQ(Values(static_cast<int>(d) + 1), c.diets[d]) << "diet " << d;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Diets, WeightLossPredictionTest,
    ::testing::Values(
        Prediction{80.0,
                   2400,
                   0,
                   0,
                   {"My Weight Loss", "1900 Cals Diet ", "1400 Cals Diet "},
                   {{80, 78, 76, 74, 72, 70, 69, 67, 65, 63, 61, 60},
                    {80, 76, 72, 69, 65, 61, 58, 54, 51, 47, 43, 40}}},
        // The last step starts from 40.27, still above the floor.
        Prediction{
            80.0,
            2400,
            0,
            2,
            {"My Weight Loss", "1900 Cals Diet incl m.activity", "1400 Cals Diet incl m.activity"},
            {{80, 76, 72, 68, 64, 60, 56, 52, 48, 44, 40, 36}}},
        // 39.58 is not above 40: no further loss.
        Prediction{45.0,
                   3000,
                   0,
                   0,
                   {"My Weight Loss", "2500 Cals Diet ", "2000 Cals Diet ", "1500 Cals Diet "},
                   {{45, 43, 41, 39, 39, 39, 39, 39, 39, 39, 39, 39},
                    {45, 41, 37, 37, 37, 37, 37, 37, 37, 37, 37, 37},
                    {45, 39, 39, 39, 39, 39, 39, 39, 39, 39, 39, 39}}},
        // 2400 / 1.55 * 1.2 is about 1858: only the 1358 kcal diet stays above 1200.
        Prediction{80.0, 2400, 2, 4, {"My Weight Loss", "1358 Cals Diet incl ex.activtiy"}, {}},
        // 3800 / 1.9 * 1.2 is 2400: the most active level is brought back to sedentary too.
        Prediction{
            80.0,
            3800,
            4,
            1,
            {"My Weight Loss", "1900 Cals Diet incl l.activity", "1400 Cals Diet incl l.activity"},
            {}},
        Prediction{80.0, 1700, 0, 0, {"My Weight Loss"}, {}}));

TEST_F(WeightLossChartTest, ASingleEntryIsShownUnfilteredInItsMonth) {
    Build({Row("2010/03/03", 80.6)});
    EXPECT_STREQ(m_table.m_filter.GetText(), "");
    EXPECT_EQ(GroupNames(), (std::vector<std::string>{"Mar", "Apr", "May", "Jun", "Jul", "Aug",
                                                      "Sep", "Oct", "Nov", "Dec", "Jan", "Feb"}));
    EXPECT_EQ(Values(0), Actual({{0, 80}}));
    EXPECT_EQ(m_chart.GetChartTitle(), "Weight Loss Chart - Actual & Predicted 2010-2011");
    EXPECT_EQ(m_chart.GetYAxisTitle(), "Weight in Kilos");
    EXPECT_EQ(m_chart.GetXAxisTitle(), "Date");
    EXPECT_FALSE(m_chart.IsStonesScale());
}

TEST_F(WeightLossChartTest, ALongHistoryShowsTheYearBeforeAMonthAfterTheNewest) {
    Build({Row("2010/03/03", 90), Row("2010/07/20", 88), Row("2010/08/15", 86),
           Row("2011/01/10", 80), Row("2011/06/20", 75)});
    EXPECT_STREQ(m_table.m_filter.GetText(), "[Date] BETWEEN '2010/07/21' AND '2011/07/21'");
    EXPECT_EQ(GroupNames().front(), "Aug");
    EXPECT_EQ(Values(0), Actual({{0, 86}, {5, 80}, {10, 75}}));
}

TEST_F(WeightLossChartTest, AShortHistoryShowsTheLastWeightOfEachMonth) {
    // The row added last gives the calorie need, whatever its date: activity 2 leaves one diet.
    Build({Row("2010/03/03", 80), Row("2010/04/02", 78), Row("2010/04/20", 77),
           Row("2010/12/01", 70), Row("2010/03/25", 79, 2)});
    EXPECT_EQ(m_chart.GetSeriesNames(),
              (std::vector<std::string>{"My Weight Loss", "1358 Cals Diet "}));
    EXPECT_STREQ(m_table.m_filter.GetText(), "[Date] BETWEEN '2010/03/02' AND '2011/03/02'");
    EXPECT_EQ(GroupNames().back(), "Feb");
    EXPECT_EQ(Values(0), Actual({{0, 80}, {1, 77}, {9, 70}}));  // March keeps the first weight
    EXPECT_EQ(m_chart.GetChartTitle(), "Weight Loss Chart - Actual & Predicted 2010-2011");
}

TEST_F(WeightLossChartTest, TheSeededDashDateAndDatesThatAreNoDatesAreLeftOut) {
    Build({Row("2010-03-01", 50), Row("2010/03/03", 80), Row("2010/05/01", 78),
           Row("2010/13/45", 60)});
    EXPECT_EQ(GroupNames().front(), "Mar");
    EXPECT_EQ(Values(0), Actual({{0, 80}, {2, 78}}));
}

TEST_F(WeightLossChartTest, ImperialShowsStones) {
    Build({Row("2010/03/03", 80)}, 0, "Imperial");
    EXPECT_EQ(m_chart.GetYAxisTitle(), "Weight in Stones");
    EXPECT_TRUE(m_chart.IsStonesScale());
    EXPECT_EQ(Values(0).front(), 80);
}

TEST_F(WeightLossChartTest, AnEmptyDiaryLeavesTheChartEmpty) {
    m_chart.AddGroup(&m_groups[0]);
    m_chart.AddSeries("Earlier");
    Build({});
    EXPECT_EQ(m_chart.GetSeriesCount(), 0);
    EXPECT_EQ(m_chart.GetChartTitle(), "Weight Loss Chart - Actual & Predicted ");
}

}  // namespace
