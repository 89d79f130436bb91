#include "stats/ChartLayout.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

// A screen at 96 dots per inch: a character is half its font's height plus one pixel wide; the
// device's own font is 13 pixels high.
class FixedMetrics : public CChartTextMetrics {
public:
    LOGFONT PointFont(int pointTenths, const char* face) const override {
        LOGFONT font;
        font.lfHeight = -(pointTenths * 96 + 360) / 720;
        font.lfFaceName = face;
        return font;
    }
    CSize TextExtent(const std::string& text, const LOGFONT* font) const override {
        const int height = font != nullptr ? std::abs(font->lfHeight) : 13;
        return {static_cast<int>(text.size()) * (height / 2 + 1), height};
    }
};

class ChartLayoutTest : public ::testing::Test {
protected:
    // A fresh chart of one vector of values per series, one group per value, series named S0,
    // S1...; titles and the stones flag stay.
    ChartLayout Layout(const std::vector<std::vector<int>>& series, CSize client = {555, 357}) {
        m_chart.ClearChart();
        m_groups = std::vector<CChartGroup>(series.front().size());
        for (size_t g = 0; g < m_groups.size(); ++g) {
            m_groups[g].SetName(std::to_string(g));
            m_chart.AddGroup(&m_groups[g]);
        }
        for (size_t s = 0; s < series.size(); ++s) {
            const int index = m_chart.AddSeries("S" + std::to_string(s));
            for (size_t g = 0; g < series[s].size(); ++g) {
                m_groups[g].SetValue(index, static_cast<DWORD>(series[s][g]));
            }
        }
        return ComputeChartLayout(m_chart, client, m_metrics);
    }
    static std::string YLabels(const ChartLayout& layout) {
        std::string labels;
        for (const ChartTick& tick : layout.yTicks) {
            labels += tick.label.text + " ";
        }
        return labels;
    }

    CChartData m_chart;
    std::vector<CChartGroup> m_groups;
    FixedMetrics m_metrics;
};

// 555 x 357 is the panel's chart: W 539, H 341. The range's text, "13", is 14 x 13 pixels in the
// device font; the title is 14 pixels high.
TEST_F(ChartLayoutTest, SizesFollowTheWindowAndTicksDivideTheRangeIntoAtMostTen) {
    ChartLayout layout = Layout({{22, 22}, {31, 30}, {18, 19}});
    EXPECT_EQ(layout.nOriginX, 14 + 13 + 26);
    EXPECT_EQ(layout.nOriginY, 341 - 13 - 8 - 13 - 10);
    EXPECT_EQ(layout.nPlotHeight, layout.nOriginY - 8 - 14 - 16);
    EXPECT_EQ(layout.rcLegend.right, 539 - 8);
    EXPECT_EQ(layout.rcLegend.Width(), 2 * 6 + 50);  // "S0" in 11 pixels
    EXPECT_EQ(layout.nAxisWidth, 539 - 8 - layout.nOriginX - layout.rcLegend.Width() - 16);
    EXPECT_EQ(YLabels(layout), "18 19 20 21 23 24 25 27 28 29 31 ");
    EXPECT_EQ(layout.series[2][0].centre.y, layout.nOriginY);  // the minimum on the axis
    EXPECT_EQ(layout.series[1][0].centre.y, layout.nOriginY - layout.nPlotHeight);
    // Every label starts where the bottom one does: "18" is 14 pixels wide.
    EXPECT_EQ(
        layout.yTicks[7].label.at,
        CPoint(layout.nOriginX - 14 - 10, layout.nOriginY - 7 * (layout.nPlotHeight / 10) - 12));

    m_chart.SetStonesScale(TRUE);
    EXPECT_EQ(YLabels(Layout({{60, 64}})), "9.06 9.08 9.10 9.12 10.01 ");
}

TEST_F(ChartLayoutTest, ZerosAreSkippedAndLinesJoinTheMarkersAroundThem) {
    // Empty groups pull the minimum to 0: the range is 20.
    const ChartLayout layout = Layout({{0, 20, 0, 10, 15}});
    const std::vector<ChartMarker>& markers = layout.series[0];
    ASSERT_EQ(markers.size(), 3u);
    const int slot = layout.nAxisWidth / 5;
    EXPECT_EQ(markers[0].centre,
              CPoint(layout.nOriginX + 2 * slot - slot / 2, layout.nOriginY - layout.nPlotHeight));
    EXPECT_EQ(markers[1].centre, CPoint(layout.nOriginX + 4 * slot - slot / 2,
                                        layout.nOriginY - layout.nPlotHeight * 10 / 20));
    EXPECT_EQ(markers[1].from, markers[0].centre);

    // Groups without a value get no tick; each label stands under its own markers.
    ASSERT_EQ(layout.xTicks.size(), 3u);
    EXPECT_EQ(layout.xTicks[1].label.text, "3");
    EXPECT_EQ(layout.xTicks[1].label.at, CPoint(markers[1].centre.x - 7 / 2, layout.nOriginY + 12));
}

TEST_F(ChartLayoutTest, GroupLabelsTooWideForTheirSlotsAreThinnedOut) {
    const ChartLayout fitting = Layout({std::vector<int>(12, 10), std::vector<int>(12, 21)});
    ASSERT_EQ(fitting.xTicks.size(), 12u);
    EXPECT_EQ(fitting.xTicks[11].label.text, "11");  // 14 pixels in a slot of 33

    for (CChartGroup& group : m_groups) {
        group.SetName("28/03");  // 35 pixels: every second slot is labelled
    }
    // Counted from the newest group, which is always labelled.
    const ChartLayout wide = ComputeChartLayout(m_chart, {555, 357}, m_metrics);
    ASSERT_EQ(wide.xTicks.size(), 12u);
    for (size_t g = 0; g < 12; ++g) {
        EXPECT_EQ(wide.xTicks[g].label.text.empty(), g % 2 == 0) << g;
    }
}

// No series, every value equal or a window smaller than the margins leave background and title.
TEST_F(ChartLayoutTest, NothingToPlotLeavesBackgroundAndTitle) {
    m_chart.SetChartTitle("Weight Loss Chart");
    EXPECT_EQ(Layout({{}}).title, "Weight Loss Chart");
    EXPECT_FALSE(Layout({{}}).plotted);
    EXPECT_FALSE(Layout({{25, 25}}).plotted);
    EXPECT_FALSE(Layout({{1, 2}}, {12, 300}).plotted);
}

}  // namespace
