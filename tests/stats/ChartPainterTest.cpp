#include "stats/ChartPainter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

// The body mass index chart of three entries, the middle one without a value, drawn on an image
// of the panel chart's size with every call recorded: everything where the layout put it.
TEST(ChartPainterTest, PaintsWhatTheLayoutPlaced) {
    CChartData chart;
    CChartGroup groups[3];
    for (CChartGroup& group : groups) {
        chart.AddGroup(&group);
    }
    const std::vector<int> series[] = {{22, 0, 24}, {31, 30, 30}, {24, 25, 25}, {18, 19, 19}};
    for (const char* name : {"My BMI", "Obese", "Overweight", "Normal"}) {
        const int index = chart.AddSeries(name);
        for (size_t g = 0; g < 3; ++g) {
            groups[g].SetValue(index, static_cast<DWORD>(series[index][g]));
        }
    }
    chart.SetChartTitle("Body Mass Index - Recent History");
    chart.SetXAxisTitle("Date");
    chart.SetYAxisTitle("BMI");
    CImageDC dc(555, 357);
    std::vector<DrawCall> calls;
    dc.StartRecording(&calls);
    const ChartLayout layout = DrawChart(&dc, chart, CSize(555, 357));
    ASSERT_TRUE(layout.plotted);
    const auto drew = [&calls](auto match) {
        return std::count_if(calls.begin(), calls.end(), match);
    };

    EXPECT_EQ(calls.at(0).fill, GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(calls.at(1).text, "Body Mass Index - Recent History");
    EXPECT_GT(calls.at(1).rect.left, layout.rcTitle.left);  // centred
    // The legend and its four swatches.
    EXPECT_EQ(drew([](const DrawCall& c) { return c.kind == DrawCall::Rectangle; }), 5);
    EXPECT_EQ(drew([&](const DrawCall& c) { return c.rect == layout.rcLegend; }), 1);
    EXPECT_EQ(drew([&](const DrawCall& c) {
                  return c.text == "BMI" && c.rect.TopLeft() == layout.yCaption.at &&
                         c.font.lfEscapement == 900 &&
                         c.textColour == GetSysColor(COLOR_WINDOWTEXT);
              }),
              1);
    const int labelHeight = CDcTextMetrics(&dc).TextExtent("0", &layout.labelFont).cy;
    EXPECT_GE(layout.xCaption.at.y, layout.xTicks[0].label.at.y + labelHeight);

    // Eleven markers: the middle BMI has none, and its line runs from the first to the third.
    std::vector<DrawCall> markers;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(markers),
                 [](const DrawCall& c) { return c.kind == DrawCall::Ellipse; });
    ASSERT_EQ(markers.size(), 11u);
    EXPECT_EQ(markers[0].fill, RGB(255, 0, 0));
    EXPECT_EQ(markers[10].fill, RGB(128, 0, 255));
    const auto line = [&](CPoint from, CPoint to, COLORREF pen) {
        return drew([&](const DrawCall& c) {
            return c.kind == DrawCall::Line && c.from == from && c.to == to && c.pen == pen;
        });
    };
    EXPECT_EQ(line(layout.series[0][0].centre, layout.series[0][1].centre, RGB(255, 0, 0)), 1);
    // The x axis stops short of the legend.
    EXPECT_EQ(line({layout.nOriginX, layout.nOriginY},
                   {layout.nOriginX + layout.nAxisWidth, layout.nOriginY}, RGB(0, 0, 0)),
              1);
}
