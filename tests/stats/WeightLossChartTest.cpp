#include "stats/WeightLossChart.h"

#include <gtest/gtest.h>

#include "stats/ChartSourceFixture.h"

namespace {

DiaryRow Row(const std::string& date, double weight, int activity = 0, double bmr = 2400) {
    return {.date = date, .weight = weight, .activity = activity, .bmr = bmr};
}

class WeightLossChartTest : public ChartSourceTest {
protected:
    void Build(const std::vector<DiaryRow>& rows, int overlay = 0) {
        OpenDiary(rows);
        CWeightLossChart(Source(), "Metric", overlay).Build();
    }
};

// Diets 500 kcal apart below the base need, each above 1200 kcal; the most active levels are
// brought back to a sedentary need first. Every diet loses a month's deficit a month while it is
// above 40 kg.
TEST_F(WeightLossChartTest, DietsFollowTheBaseNeedAndTheOverlay) {
    const struct {
        double weight, bmr;
        int activity, overlay;
        const char* label;
        std::vector<std::pair<int, int>> diets;  // kcal a day, whole kilograms after a year
    } cases[] = {
        {80, 2400, 0, 0, "", {{1900, 60}, {1400, 40}}},
        // The first diet's last step starts from 40.27, still above the floor.
        {80, 2400, 0, 2, "incl m.activity", {{1900, 36}, {1400, 39}}},
        // 39.58 is not above 40: no further loss.
        {45, 3000, 0, 0, "", {{2500, 39}, {2000, 37}, {1500, 39}}},
        {80, 2400, 2, 4, "incl ex.activtiy", {{1358, 34}}},  // 2400 / 1.55 * 1.2 is about 1858
        {80, 3800, 4, 1, "incl l.activity", {{1900, 52}, {1400, 36}}},  // 3800 / 1.9 * 1.2
        {80, 1700, 0, 0, "", {}},  // 1200 kcal is not above the smallest diet
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.bmr << " kcal, activity " << c.activity);
        Build({Row("2010/03/03", c.weight, c.activity, c.bmr)}, c.overlay);
        ASSERT_EQ(m_chart.GetSeriesNames().size(), c.diets.size() + 1);
        EXPECT_EQ(Values(0).front(), static_cast<int>(c.weight));
        for (size_t d = 0; d < c.diets.size(); ++d) {
            const auto& [kcal, weight] = c.diets[d];
            EXPECT_EQ(m_chart.GetSeriesName(static_cast<int>(d) + 1),
                      std::to_string(kcal) + " Cals Diet " + c.label);
            EXPECT_EQ(Values(static_cast<int>(d) + 1).back(), weight) << kcal;
        }
    }
}

// A history longer than the year shows the year before a month after the newest entry.
TEST_F(WeightLossChartTest, ALongHistoryShowsTheYearBeforeAMonthAfterTheNewest) {
    Build({Row("2010/03/03", 90), Row("2010/07/20", 88), Row("2010/08/15", 86),
           Row("2011/01/10", 80), Row("2011/06/20", 75)});
    EXPECT_EQ(GroupNames().front() + GroupNames().back(), "AugJul");
    EXPECT_EQ(Values(0), (std::vector<int>{86, 0, 0, 0, 0, 80, 0, 0, 0, 0, 75, 0}));
}

// A shorter history starts the day before the oldest entry, and each month shows its last
// weight, the first month the weight the window starts with. The seeded dash date and dates that
// are no dates are left out. The row added last gives the calorie need, whatever its date:
// activity 2 leaves one diet.
TEST_F(WeightLossChartTest, AShortHistoryShowsTheLastWeightOfEachMonth) {
    Build({Row("2010-03-01", 50), Row("2010/03/01", 80), Row("2010/04/02", 78),
           Row("2010/04/20", 77), Row("2010/12/01", 70), Row("2010/13/45", 60),
           Row("2010/03/25", 79, 2)});
    EXPECT_EQ(m_chart.GetSeriesNames(),
              (std::vector<std::string>{"My Weight Loss", "1358 Cals Diet "}));
    EXPECT_EQ(GroupNames().front() + GroupNames().back(), "MarFeb");
    EXPECT_EQ(Values(0), (std::vector<int>{80, 77, 0, 0, 0, 0, 0, 0, 0, 70, 0, 0}));
    EXPECT_EQ(m_chart.GetChartTitle(), "Weight Loss Chart - Actual & Predicted 2010-2011");
    EXPECT_EQ(m_chart.GetYAxisTitle(), "Weight in Kilos");
}

}  // namespace
