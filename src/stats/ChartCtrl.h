#pragma once

#include "platform/Controls.h"
#include "stats/ChartData.h"

// The chart window: a static control that draws its chart data as a line chart. Everything is
// drawn while the background is erased, so owners that change the data call Redraw. It handles
// no input.
class CChartCtrl : public CStatic, public CChartData {
public:
    // Asks for a new picture of the data and tells a screen reader what it shows: the title as
    // the chart's name, the series and dates in words as its description.
    void Redraw();
    // Lays the chart out for the window's current size, then paints it.
    BOOL OnEraseBkgnd(CDC* pDC) override;
    // The picture is complete once the background is erased: nothing more to draw.
    void OnPaint() override {}
};
