#pragma once

#include <string>
#include <vector>

#include "platform/Gdi.h"
#include "stats/ChartData.h"

// Measures text in the fonts the chart will be painted with. The painter supplies one over its
// device context; tests supply fixed metrics.
class CChartTextMetrics {
public:
    virtual ~CChartTextMetrics() = default;
    // The description a font of that size (tenths of a point) and face gets on the device.
    virtual LOGFONT PointFont(int pointTenths, const char* face) const = 0;
    // The size of a text in a font; a null font measures in the device's own font.
    virtual CSize TextExtent(const std::string& text, const LOGFONT* font) const = 0;
};

struct ChartText {
    CPoint at;
    std::string text;
};

struct ChartLegendEntry {
    ChartText name;
    CRect swatch;  // framed in black, filled with the series colour 1 pixel inside
};

struct ChartTick {
    CPoint from;
    CPoint to;
    ChartText label;  // an empty text is not drawn
};

struct ChartMarker {
    CPoint centre;
    bool joined = false;  // a line runs into it from `from`, the series' previous marker
    CPoint from;
};

// Where everything of a chart goes in a client area of a given size, computed before anything
// is painted. All coordinates are client pixels.
struct ChartLayout {
    CRect rcClient;
    CRect rcInner;
    CRect rcTitle;  // the title is centred in it
    std::string title;
    LOGFONT titleFont;

    // False when there is nothing to plot (no series, or every value equal): the chart then
    // shows its background and title only.
    bool plotted = false;
    int nOriginX = 0;
    int nOriginY = 0;
    int nPlotWidth = 0;
    int nPlotHeight = 0;
    int nAxisWidth = 0;  // drawn length of the x axis
    std::vector<COLORREF> colours;

    bool hasLegend = false;
    LOGFONT legendFont;
    CRect rcLegend;
    std::vector<ChartLegendEntry> legend;

    LOGFONT yCaptionFont;  // runs upwards
    ChartText yCaption;
    LOGFONT labelFont;  // x caption, tick labels and group labels
    ChartText xCaption;
    std::vector<ChartTick> yTicks;  // the bottom one first
    std::vector<ChartTick> xTicks;
    std::vector<std::vector<ChartMarker>> series;  // per series, left to right
};

// A y-axis label: the value itself, or kilograms shown as stones and pounds ("9.06").
std::string FormatTickLabel(int value, BOOL stones);

ChartLayout ComputeChartLayout(const CChartData& chart, CSize client,
                               const CChartTextMetrics& metrics);
