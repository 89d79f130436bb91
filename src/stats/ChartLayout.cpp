#include "stats/ChartLayout.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "stats/SeriesColours.h"

namespace {

constexpr const char* kFace = "Arial";
constexpr int kMargin = 8;        // round the inner rectangle
constexpr int kTitleGap = 16;     // between the title and the plotting area
constexpr int kTickHalf = 2;      // tick marks stick out this far on each side of an axis
constexpr int kLabelGap = 10;     // between a y label and the axis
constexpr int kLabelSpacing = 4;  // at least this much between two group labels
constexpr int kMaxYTicks = 10;
constexpr double kPoundsPerKilo = 2.20462262;

LOGFONT YCaptionFont(int innerWidth) {
    LOGFONT font;
    font.lfHeight = innerWidth / 10 / 5;
    font.lfEscapement = 900;
    font.lfCharSet = ANSI_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = PROOF_QUALITY;
    font.lfPitchAndFamily = VARIABLE_PITCH;
    font.lfFaceName = kFace;
    return font;
}

class LayoutBuilder {
public:
    LayoutBuilder(const CChartData& chart, const CChartTextMetrics& metrics, ChartLayout& layout)
        : m_chart(chart), m_metrics(metrics), m_layout(layout) {}

    void PlaceTitle(int w) {
        m_layout.title = m_chart.GetChartTitle();
        m_layout.titleFont = m_metrics.PointFont(w / 5, kFace);
        const int height = m_metrics.TextExtent(m_layout.title, &m_layout.titleFont).cy;
        m_layout.rcTitle = CRect(kMargin, kMargin, w + kMargin, kMargin + height);
    }

    void PlaceAxes(int w, int h) {
        const CSize range = m_metrics.TextExtent(std::to_string(Range()), nullptr);
        m_layout.nOriginX = range.cx + range.cy + 26;
        m_layout.nOriginY = h - range.cy - kMargin - range.cy - 10;
        m_layout.nPlotHeight = m_layout.nOriginY - m_layout.rcTitle.bottom - kTitleGap;
        m_layout.nPlotWidth = w - kMargin - m_layout.nOriginX;
        m_layout.nAxisWidth = m_layout.nPlotWidth;
    }

    void PlaceLegend(int w, int h, int seriesCount) {
        const std::vector<std::string>& names = m_chart.GetSeriesNames();
        m_layout.hasLegend = !names.empty();
        if (!m_layout.hasLegend) {
            return;
        }
        m_layout.legendFont = m_metrics.PointFont(h / 4, kFace);
        const int lineHeight = std::abs(m_layout.legendFont.lfHeight);
        const int legendHeight = seriesCount * lineHeight + 8;
        const int nameWidth =
            m_metrics.TextExtent(m_chart.GetLongestSeriesName(), &m_layout.legendFont).cx;
        CRect& box = m_layout.rcLegend;
        box.top = h / 2 - legendHeight / 2;
        box.bottom = box.top + legendHeight;
        box.right = w - kMargin;
        box.left = box.right - nameWidth - 50;
        for (int i = 0; i < seriesCount; ++i) {
            const int y = box.top + 4 + i * lineHeight;
            m_layout.legend.push_back(
                {{{box.left + 8, y}, m_chart.GetSeriesName(i)},
                 CRect(box.left + nameWidth + 16, y + 1, box.right - 8, y + lineHeight)});
        }
        m_layout.nAxisWidth = m_layout.nPlotWidth - box.Width() - 16;
    }

    void PlaceCaptions(int w, int h) {
        m_layout.yCaptionFont = YCaptionFont(w);
        const std::string& yTitle = m_chart.GetYAxisTitle();
        const int yHeight = m_metrics.TextExtent(yTitle, &m_layout.yCaptionFont).cy;
        m_layout.yCaption = {{kMargin, (h - yHeight) / 2}, yTitle};

        m_layout.labelFont = m_metrics.PointFont(w / 6, kFace);
        const std::string& xTitle = m_chart.GetXAxisTitle();
        const CSize x = m_metrics.TextExtent(xTitle, &m_layout.labelFont);
        m_layout.xCaption = {
            {m_layout.nOriginX + (m_layout.nPlotWidth - x.cx) / 2, h - kMargin - x.cy}, xTitle};
    }

    void PlaceYTicks() {
        const int64_t range = Range();
        const int64_t ticks = range > kMaxYTicks ? kMaxYTicks : range;
        const int spacing = static_cast<int>(m_layout.nPlotHeight / ticks);
        const int minimum = m_chart.GetMinValue();
        const BOOL stones = m_chart.IsStonesScale();
        const std::string bottom = FormatTickLabel(minimum, stones);
        const CSize size = m_metrics.TextExtent(bottom, &m_layout.labelFont);
        const int labelX = m_layout.nOriginX - size.cx - kLabelGap;
        AddYTick(m_layout.nOriginY, {{labelX, m_layout.nOriginY - size.cy}, bottom});
        for (int k = 0; k < ticks; ++k) {
            const int y = m_layout.nOriginY - spacing * (k + 1);
            const auto value = static_cast<int>(minimum + range * (k + 1) / ticks);
            AddYTick(y, {{labelX, y - size.cy}, FormatTickLabel(value, stones)});
        }
    }

    // A group without a value gets no tick and no label; each label sits under its own
    // group's markers. When the widest label does not fit its slot, only every second (third...)
    // slot is labelled, so labels never run into each other; every tick stays. The count starts
    // from the newest group with a value, the one a user looks for first, so it is labelled.
    void PlaceXTicks() {
        const std::vector<CChartGroup*>& groups = m_chart.GetGroups();
        const auto stride = static_cast<size_t>(LabelStride());
        size_t newest = 0;
        for (size_t s = 0; s < groups.size(); ++s) {
            if (groups[s]->GetValueCount() != 0) {
                newest = s;
            }
        }
        for (size_t s = 0; s < groups.size(); ++s) {
            if (groups[s]->GetValueCount() == 0) {
                continue;
            }
            const int x = SlotCentre(s);
            ChartTick tick{
                {x, m_layout.nOriginY - kTickHalf}, {x, m_layout.nOriginY + kTickHalf}, {}};
            if (newest >= s && (newest - s) % stride == 0) {
                const std::string name = groups[s]->GetName();
                const CSize size = m_metrics.TextExtent(name, &m_layout.labelFont);
                tick.label = {{x - size.cx / 2, m_layout.nOriginY + size.cy}, name};
            }
            m_layout.xTicks.push_back(tick);
        }
    }

    void PlaceMarkers(int seriesCount) {
        const std::vector<CChartGroup*>& groups = m_chart.GetGroups();
        const int64_t range = Range();
        const int minimum = m_chart.GetMinValue();
        for (int p = 0; p < seriesCount; ++p) {
            std::vector<ChartMarker>& markers = m_layout.series.emplace_back();
            for (size_t s = 0; s < groups.size(); ++s) {
                const auto value = static_cast<int32_t>(groups[s]->GetValue(p));
                if (value == 0) {
                    continue;
                }
                const auto rise = (int64_t{value} - minimum) * m_layout.nPlotHeight / range;
                ChartMarker marker;
                marker.centre = {SlotCentre(s), m_layout.nOriginY - static_cast<int>(rise)};
                if (!markers.empty()) {
                    marker.joined = true;
                    marker.from = markers.back().centre;
                }
                markers.push_back(marker);
            }
        }
    }

    int64_t Range() const { return int64_t{m_chart.GetMaxValue()} - m_chart.GetMinValue(); }

private:
    void AddYTick(int y, ChartText label) {
        m_layout.yTicks.push_back(
            {{m_layout.nOriginX - kTickHalf, y}, {m_layout.nOriginX + kTickHalf, y}, label});
    }

    int SlotWidth() const {
        return m_layout.nAxisWidth / static_cast<int>(m_chart.GetGroups().size());
    }

    int SlotCentre(size_t slot) const {
        const int width = SlotWidth();
        return m_layout.nOriginX + (static_cast<int>(slot) + 1) * width - width / 2;
    }

    // How many slots one group label needs, with some room between neighbouring labels.
    int LabelStride() const {
        int widest = 0;
        for (const CChartGroup* group : m_chart.GetGroups()) {
            if (group->GetValueCount() > 0) {
                widest = std::max(widest,
                                  m_metrics.TextExtent(group->GetName(), &m_layout.labelFont).cx);
            }
        }
        const int slot = SlotWidth();
        const int needed = widest + kLabelSpacing;
        return slot <= 0 ? 1 : std::max(1, (needed + slot - 1) / slot);
    }

    const CChartData& m_chart;
    const CChartTextMetrics& m_metrics;
    ChartLayout& m_layout;
};

}  // namespace

std::string FormatTickLabel(int value, BOOL stones) {
    if (!stones) {
        return std::to_string(value);
    }
    const double pounds = value * kPoundsPerKilo;
    const long long wholeStones = static_cast<long long>(pounds) / 14;
    const long long remainder = static_cast<long long>(pounds - wholeStones * 14.0);
    char text[64];
    std::snprintf(text, sizeof text, "%0.0f.%s%0.0f", static_cast<double>(wholeStones),
                  remainder < 10 ? "0" : "", static_cast<double>(remainder));
    return text;
}

ChartLayout ComputeChartLayout(const CChartData& chart, CSize client,
                               const CChartTextMetrics& metrics) {
    ChartLayout layout;
    layout.rcClient = CRect(0, 0, client.cx, client.cy);
    layout.rcInner = CRect(kMargin, kMargin, client.cx - kMargin, client.cy - kMargin);
    const int w = layout.rcInner.Width();
    const int h = layout.rcInner.Height();
    if (w <= 0 || h <= 0) {
        return layout;
    }
    LayoutBuilder builder(chart, metrics, layout);
    builder.PlaceTitle(w);
    const int seriesCount = chart.GetSeriesCount();
    if (seriesCount < 1 || builder.Range() <= 0) {
        return layout;
    }
    layout.plotted = true;
    layout.colours = SeriesColours(seriesCount);
    builder.PlaceAxes(w, h);
    builder.PlaceLegend(w, h, seriesCount);
    builder.PlaceCaptions(w, h);
    builder.PlaceYTicks();
    builder.PlaceXTicks();
    builder.PlaceMarkers(seriesCount);
    return layout;
}
