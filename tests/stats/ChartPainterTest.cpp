#include "stats/ChartPainter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// The body mass index chart of three entries, the middle one without a value, drawn on an
// image of the panel chart's size with every call recorded.
class ChartPainterTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::vector<std::pair<const char*, std::vector<int>>> series = {
            {"My BMI", {22, 0, 24}},
            {"Obese", {31, 30, 30}},
            {"Overweight", {24, 25, 25}},
            {"Normal", {18, 19, 19}}};
        for (CChartGroup& group : m_groups) {
            m_chart.AddGroup(&group);
            group.SetName("01/03");
        }
        for (const auto& [name, values] : series) {
            const int index = m_chart.AddSeries(name);
            for (size_t g = 0; g < values.size(); ++g) {
                m_groups[g].SetValue(index, static_cast<DWORD>(values[g]));
            }
        }
        m_chart.SetChartTitle("Body Mass Index - Recent History");
        m_chart.SetXAxisTitle("Date");
        m_chart.SetYAxisTitle("BMI");
    }
    ChartLayout Draw() {
        m_dc.StartRecording(&m_calls);
        return DrawChart(&m_dc, m_chart, CSize(555, 357));
    }
    std::vector<DrawCall> CallsOf(DrawCall::Kind kind) const {
        std::vector<DrawCall> calls;
        std::copy_if(m_calls.begin(), m_calls.end(), std::back_inserter(calls),
                     [kind](const DrawCall& call) { return call.kind == kind; });
        return calls;
    }
    // The text call that wrote `text` where the layout put it.
    const DrawCall* TextCall(const ChartText& text) const {
        const auto call = std::find_if(m_calls.begin(), m_calls.end(), [&](const DrawCall& c) {
            return c.kind == DrawCall::Text && c.text == text.text && c.rect.TopLeft() == text.at;
        });
        return call != m_calls.end() ? &*call : nullptr;
    }

    CChartData m_chart;
    CChartGroup m_groups[3];
    CImageDC m_dc{555, 357};
    std::vector<DrawCall> m_calls;
};

TEST_F(ChartPainterTest, PaintsWhatTheLayoutPlaced) {
    const ChartLayout layout = Draw();
    ASSERT_TRUE(layout.plotted);
    ASSERT_GE(m_calls.size(), 2u);
    EXPECT_EQ(m_calls[0].rect, CRect(0, 0, 555, 357));
    EXPECT_EQ(m_calls[0].fill, GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(m_calls[1].text, "Body Mass Index - Recent History");

    const std::vector<DrawCall> boxes = CallsOf(DrawCall::Rectangle);
    ASSERT_EQ(boxes.size(), 5u);  // the legend and four swatches
    EXPECT_EQ(boxes[0].rect, layout.rcLegend);
    EXPECT_EQ(boxes[0].fill, RGB(255, 255, 255));
    EXPECT_EQ(boxes[3].rect, layout.legend[2].swatch);

    std::vector<ChartText> texts{layout.xCaption, layout.yCaption};
    for (const auto& ticks : {layout.yTicks, layout.xTicks}) {
        for (const ChartTick& tick : ticks) {
            texts.push_back(tick.label);
        }
    }
    for (const ChartText& text : texts) {
        const DrawCall* call = TextCall(text);
        ASSERT_NE(call, nullptr) << text.text;
        EXPECT_EQ(call->textColour, GetSysColor(COLOR_WINDOWTEXT)) << text.text;
    }
    EXPECT_EQ(TextCall(layout.yCaption)->font.lfEscapement, 900);
    EXPECT_EQ(TextCall(layout.xTicks[0].label)->font.lfHeight, layout.labelFont.lfHeight);
    const int labelHeight = CDcTextMetrics(&m_dc).TextExtent("01/03", &layout.labelFont).cy;
    EXPECT_GE(layout.xCaption.at.y, layout.xTicks[0].label.at.y + labelHeight);

    // Eleven markers: the middle BMI has none, and its line runs from the first to the third.
    const std::vector<DrawCall> markers = CallsOf(DrawCall::Ellipse);
    ASSERT_EQ(markers.size(), 11u);
    const CPoint first = layout.series[0][0].centre;
    EXPECT_EQ(markers[0].rect, CRect(first.x - 2, first.y - 2, first.x + 2, first.y + 2));
    EXPECT_EQ(markers[0].fill, RGB(255, 0, 0));
    EXPECT_EQ(markers[10].fill, RGB(128, 0, 255));
    const std::vector<DrawCall> lines = CallsOf(DrawCall::Line);
    // The x axis stops short of the legend.
    const CPoint origin(layout.nOriginX, layout.nOriginY);
    const CPoint axisEnd(layout.nOriginX + layout.nAxisWidth, layout.nOriginY);
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const DrawCall& line) {
        return line.from == origin && line.to == axisEnd;
    }));
    const auto bmi = std::find_if(lines.begin(), lines.end(),
                                  [](const DrawCall& line) { return line.pen == RGB(255, 0, 0); });
    ASSERT_NE(bmi, lines.end());
    EXPECT_EQ(bmi->from, first);
    EXPECT_EQ(bmi->to, layout.series[0][1].centre);
    const CPoint obese = layout.series[1][1].centre;
    EXPECT_EQ(m_dc.GetPixel(obese.x, obese.y), RGB(128, 255, 0));
}

TEST_F(ChartPainterTest, AChartWithoutSeriesShowsItsBackgroundAndTitleOnly) {
    m_chart.ClearChart();
    Draw();
    ASSERT_EQ(m_calls.size(), 2u);
    EXPECT_EQ(m_calls[0].kind, DrawCall::FillRect);
    EXPECT_EQ(m_calls[1].text, "Body Mass Index - Recent History");
}

}  // namespace
