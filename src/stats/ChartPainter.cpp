#include "stats/ChartPainter.h"

namespace {

constexpr int kMarkerRadius = 2;

// A drawing object selected into a device context for as long as it lives.
template <class T>
class Selection {
public:
    Selection(CDC* dc, T* object) : m_dc(dc), m_previous(dc->SelectObject(object)) {}
    ~Selection() { m_dc->SelectObject(m_previous); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    CDC* m_dc;
    T* m_previous;
};

// A font made from a description, selected while it lives and deleted after.
class SelectedFont {
public:
    SelectedFont(CDC* dc, const LOGFONT& description) : m_dc(dc) {
        m_font.CreateFontIndirect(&description);
        m_previous = dc->SelectObject(&m_font);
    }
    ~SelectedFont() {
        m_dc->SelectObject(m_previous);
        m_font.DeleteObject();
    }
    SelectedFont(const SelectedFont&) = delete;
    SelectedFont& operator=(const SelectedFont&) = delete;

private:
    CDC* m_dc;
    CFont m_font;
    CFont* m_previous = nullptr;
};

void TextOut(CDC* dc, const ChartText& text) {
    dc->TextOut(text.at.x, text.at.y, text.text);
}

void Line(CDC* dc, CPoint from, CPoint to) {
    dc->MoveTo(from.x, from.y);
    dc->LineTo(to.x, to.y);
}

void PaintTick(CDC* dc, const ChartTick& tick) {
    Line(dc, tick.from, tick.to);
    if (!tick.label.text.empty()) {
        TextOut(dc, tick.label);
    }
}

void PaintLegend(CDC* dc, const ChartLayout& layout) {
    SelectedFont font(dc, layout.legendFont);
    const CRect& box = layout.rcLegend;
    dc->Rectangle(box.left, box.top, box.right, box.bottom);
    for (size_t i = 0; i < layout.legend.size(); ++i) {
        const ChartLegendEntry& entry = layout.legend[i];
        TextOut(dc, entry.name);
        dc->Rectangle(entry.swatch.left, entry.swatch.top, entry.swatch.right, entry.swatch.bottom);
        CRect inside = entry.swatch;
        inside.DeflateRect(1, 1);
        CBrush colour(layout.colours[i]);
        dc->FillRect(&inside, &colour);
    }
}

void PaintAxes(CDC* dc, const ChartLayout& layout) {
    const CPoint origin(layout.nOriginX, layout.nOriginY);
    Line(dc, origin, {layout.nOriginX, layout.nOriginY - layout.nPlotHeight});
    Line(dc, origin, {layout.nOriginX + layout.nAxisWidth, layout.nOriginY});
}

void PaintLabels(CDC* dc, const ChartLayout& layout) {
    {
        SelectedFont upwards(dc, layout.yCaptionFont);
        TextOut(dc, layout.yCaption);
    }
    SelectedFont font(dc, layout.labelFont);
    TextOut(dc, layout.xCaption);
    for (const ChartTick& tick : layout.yTicks) {
        PaintTick(dc, tick);
    }
    for (const ChartTick& tick : layout.xTicks) {
        PaintTick(dc, tick);
    }
}

// The line into a marker is drawn before the marker, so the marker covers its end.
void PaintSeries(CDC* dc, const std::vector<ChartMarker>& markers, COLORREF colour) {
    for (const ChartMarker& marker : markers) {
        if (marker.joined) {
            CPen pen(PS_SOLID, 1, colour);
            Selection<CPen> selected(dc, &pen);
            Line(dc, marker.from, marker.centre);
        }
        CBrush fill(colour);
        Selection<CBrush> selected(dc, &fill);
        const CPoint& c = marker.centre;
        dc->Ellipse(c.x - kMarkerRadius, c.y - kMarkerRadius, c.x + kMarkerRadius,
                    c.y + kMarkerRadius);
    }
}

void PaintChart(CDC* dc, const ChartLayout& layout) {
    dc->SetBkMode(TRANSPARENT);
    CBrush background(GetSysColor(COLOR_BTNFACE));
    dc->FillRect(&layout.rcClient, &background);
    {
        SelectedFont font(dc, layout.titleFont);
        CRect title = layout.rcTitle;
        dc->DrawText(layout.title, &title, DT_SINGLELINE | DT_CENTER | DT_NOPREFIX);
    }
    if (!layout.plotted) {
        return;
    }
    if (layout.hasLegend) {
        PaintLegend(dc, layout);
    }
    dc->SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
    PaintAxes(dc, layout);
    PaintLabels(dc, layout);
    for (size_t p = 0; p < layout.series.size(); ++p) {
        PaintSeries(dc, layout.series[p], layout.colours[p]);
    }
}

}  // namespace

LOGFONT CDcTextMetrics::PointFont(int pointTenths, const char* face) const {
    CFont font;
    font.CreatePointFont(pointTenths, face, m_dc);
    LOGFONT description;
    font.GetLogFont(&description);
    return description;
}

CSize CDcTextMetrics::TextExtent(const std::string& text, const LOGFONT* font) const {
    if (font == nullptr) {
        return m_dc->GetTextExtent(text);
    }
    SelectedFont selected(m_dc, *font);
    return m_dc->GetTextExtent(text);
}

ChartLayout DrawChart(CDC* dc, const CChartData& chart, CSize client) {
    // Until the chart selects fonts of its own, a window's device context holds the desktop's
    // 16-pixel bold system font: the left margin and the rows under the x axis are measured in it.
    LOGFONT system;
    system.lfHeight = 16;
    system.lfWeight = FW_BOLD;
    system.lfFaceName = "Arial";
    SelectedFont font(dc, system);
    const ChartLayout layout = ComputeChartLayout(chart, client, CDcTextMetrics(dc));
    PaintChart(dc, layout);
    return layout;
}
