#include "stats/ChartLayout.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

namespace {

// A screen at 96 dots per inch: a character is half its font's height plus one pixel wide; the
// device's own font is 13 pixels high.
class FixedMetrics : public CChartTextMetrics {
public:
    LOGFONT PointFont(int pointTenths, const char* face) const override {
        requested.push_back(pointTenths);
        LOGFONT font;
        font.lfHeight = -(pointTenths * 96 + 360) / 720;
        font.lfFaceName = face;
        return font;
    }
    CSize TextExtent(const std::string& text, const LOGFONT* font) const override {
        const int height = font != nullptr ? std::abs(font->lfHeight) : 13;
        return {static_cast<int>(text.size()) * (height / 2 + 1), height};
    }
    mutable std::vector<int> requested;
};

class ChartLayoutTest : public ::testing::Test {
protected:
    // A fresh chart of one vector of values per series, one group per value, series named S0,
    // S1...; titles and the stones flag stay.
    ChartLayout Layout(const std::vector<std::vector<int>>& series, CSize client = {555, 357}) {
        m_chart.ClearChart();
        m_groups.clear();
        for (size_t g = 0; g < series.front().size(); ++g) {
            m_groups.push_back(std::make_unique<CChartGroup>(std::to_string(g)));
            m_chart.AddGroup(m_groups.back().get());
        }
        for (size_t s = 0; s < series.size(); ++s) {
            const int index = m_chart.AddSeries("S" + std::to_string(s));
            for (size_t g = 0; g < series[s].size(); ++g) {
                m_groups[g]->SetValue(index, static_cast<DWORD>(series[s][g]));
            }
        }
        return ComputeChartLayout(m_chart, client, m_metrics);
    }
    static std::vector<std::string> YLabels(const ChartLayout& layout) {
        std::vector<std::string> labels;
        for (const ChartTick& tick : layout.yTicks) {
            labels.push_back(tick.label.text);
        }
        return labels;
    }

    CChartData m_chart;
    std::vector<std::unique_ptr<CChartGroup>> m_groups;
    FixedMetrics m_metrics;
};

// 555 x 357 is the panel's chart: W 539, H 341.
TEST_F(ChartLayoutTest, SizesFollowTheWindowAndTheRangeText) {
    m_chart.SetChartTitle("Body Mass Index");
    const ChartLayout layout = Layout({{22, 22}, {31, 30}, {24, 25}, {18, 19}});
    EXPECT_EQ(m_metrics.requested, (std::vector<int>{107, 85, 89}));  // title, legend, labels
    EXPECT_EQ(layout.yCaptionFont.lfHeight, 10);
    EXPECT_EQ(layout.yCaptionFont.lfEscapement, 900);
    EXPECT_EQ(layout.rcTitle, CRect(8, 8, 547, 22));  // title 14 pixels high
    EXPECT_EQ(layout.nOriginX, 14 + 13 + 26);         // "13": 14 x 13 in the device font
    EXPECT_EQ(layout.nOriginY, 341 - 13 - 8 - 13 - 10);
    EXPECT_EQ(layout.nPlotHeight, layout.nOriginY - 22 - 16);
    EXPECT_EQ(layout.nPlotWidth, 539 - 8 - layout.nOriginX);

    EXPECT_EQ(layout.rcLegend.right, 539 - 8);
    EXPECT_EQ(layout.rcLegend.top + layout.rcLegend.bottom, 341 - 1);  // centred on H / 2
    EXPECT_EQ(layout.rcLegend.Width(), 2 * 6 + 50);                    // "S0" in 11 pixels
    EXPECT_EQ(layout.nAxisWidth, layout.nPlotWidth - layout.rcLegend.Width() - 16);
    EXPECT_EQ(layout.legend[1].swatch.Width(), 26);
    EXPECT_EQ(layout.colours.size(), 4u);
}

TEST_F(ChartLayoutTest, TicksDivideTheRangeIntoAtMostTen) {
    ChartLayout layout = Layout({{22, 22}, {31, 30}, {18, 19}});
    EXPECT_EQ(YLabels(layout), (std::vector<std::string>{"18", "19", "20", "21", "23", "24", "25",
                                                         "27", "28", "29", "31"}));
    EXPECT_EQ(layout.series[2][0].centre.y, layout.nOriginY);  // the minimum on the axis
    EXPECT_EQ(layout.series[1][0].centre.y, layout.nOriginY - layout.nPlotHeight);
    const int spacing = layout.nPlotHeight / 10;
    EXPECT_EQ(layout.yTicks[3].from, CPoint(layout.nOriginX - 2, layout.nOriginY - 3 * spacing));
    // Every label starts where the bottom one does: "18" is 14 pixels wide.
    EXPECT_EQ(layout.yTicks[7].label.at,
              CPoint(layout.nOriginX - 14 - 10, layout.nOriginY - 7 * spacing - 12));

    m_chart.SetStonesScale(TRUE);
    layout = Layout({{60, 64}});
    EXPECT_EQ(YLabels(layout), (std::vector<std::string>{"9.06", "9.08", "9.10", "9.12", "10.01"}));
    EXPECT_EQ(layout.yTicks[4].from.y, layout.nOriginY - 4 * (layout.nPlotHeight / 4));
}

TEST_F(ChartLayoutTest, StonesLabelsShowStonesAndPounds) {
    const std::pair<int, const char*> labels[] = {{60, "9.06"}, {63, "9.12"}, {70, "11.00"}};
    for (const auto& [kilos, text] : labels) {
        EXPECT_EQ(FormatTickLabel(kilos, TRUE), text);
    }
}

TEST_F(ChartLayoutTest, ZerosAreSkippedAndLinesJoinTheMarkersAroundThem) {
    // Empty groups pull the minimum to 0: the range is 20.
    const ChartLayout layout = Layout({{0, 20, 0, 10, 15}});
    const std::vector<ChartMarker>& markers = layout.series[0];
    ASSERT_EQ(markers.size(), 3u);
    const int slot = layout.nAxisWidth / 5;
    EXPECT_EQ(markers[0].centre,
              CPoint(layout.nOriginX + 2 * slot - slot / 2, layout.nOriginY - layout.nPlotHeight));
    EXPECT_FALSE(markers[0].joined);
    EXPECT_EQ(markers[1].centre, CPoint(layout.nOriginX + 4 * slot - slot / 2,
                                        layout.nOriginY - layout.nPlotHeight * 10 / 20));
    EXPECT_TRUE(markers[1].joined);
    EXPECT_EQ(markers[1].from, markers[0].centre);
    EXPECT_EQ(markers[2].centre.y, layout.nOriginY - layout.nPlotHeight * 15 / 20);

    // Groups without a value get no tick; each label stands under its own markers.
    ASSERT_EQ(layout.xTicks.size(), 3u);
    EXPECT_EQ(layout.xTicks[1].label.text, "3");
    EXPECT_EQ(layout.xTicks[1].from, CPoint(markers[1].centre.x, layout.nOriginY - 2));
    EXPECT_EQ(layout.xTicks[1].label.at, CPoint(markers[1].centre.x - 7 / 2, layout.nOriginY + 12));
}

TEST_F(ChartLayoutTest, GroupLabelsTooWideForTheirSlotsAreThinnedOut) {
    const ChartLayout fitting = Layout({std::vector<int>(12, 10), std::vector<int>(12, 21)});
    ASSERT_EQ(fitting.xTicks.size(), 12u);
    EXPECT_EQ(fitting.xTicks[11].label.text, "11");  // 14 pixels in a slot of 33

    for (const auto& group : m_groups) {
        group->SetName("28/03");  // 35 pixels: every second slot is labelled
    }
    // Counted from the newest group, which is always labelled.
    const ChartLayout wide = ComputeChartLayout(m_chart, {555, 357}, m_metrics);
    ASSERT_EQ(wide.xTicks.size(), 12u);
    for (size_t g = 0; g < 12; ++g) {
        EXPECT_EQ(wide.xTicks[g].label.text.empty(), g % 2 == 0) << g;
    }
}

TEST_F(ChartLayoutTest, NothingToPlotLeavesBackgroundAndTitle) {
    m_chart.SetChartTitle("Weight Loss Chart");
    const ChartLayout none = Layout({{}});
    EXPECT_FALSE(none.plotted);
    EXPECT_EQ(none.title, "Weight Loss Chart");
    EXPECT_EQ(none.rcTitle.right, 547);
    EXPECT_FALSE(Layout({{25, 25}}).plotted);  // range 0
    EXPECT_TRUE(Layout({{1, 2}}).plotted);
    EXPECT_FALSE(Layout({{1, 2}}, {12, 300}).plotted);  // smaller than the margins
}

}  // namespace
