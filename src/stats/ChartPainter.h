#pragma once

#include "platform/Dc.h"
#include "stats/ChartLayout.h"

// Measures text with the fonts of a device context.
class CDcTextMetrics : public CChartTextMetrics {
public:
    explicit CDcTextMetrics(CDC* dc) : m_dc(dc) {}
    LOGFONT PointFont(int pointTenths, const char* face) const override;
    CSize TextExtent(const std::string& text, const LOGFONT* font) const override;

private:
    CDC* m_dc;
};

// Draws the chart into a client area of the given size: lays it out in the device context's
// fonts, then paints the background, title, legend, axes with their captions, ticks and labels,
// and one line with round markers per series. Returns the layout it painted.
ChartLayout DrawChart(CDC* dc, const CChartData& chart, CSize client);
