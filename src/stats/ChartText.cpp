#include "stats/ChartText.h"

#include "stats/ChartLayout.h"

namespace {

// The value of the rightmost group holding one for the series; 0 when none does.
int NewestValue(const CChartData& chart, int series) {
    const std::vector<CChartGroup*>& groups = chart.GetGroups();
    for (auto group = groups.rbegin(); group != groups.rend(); ++group) {
        if (const int value = static_cast<int>((*group)->GetValue(series)); value != 0) {
            return value;
        }
    }
    return 0;
}

}  // namespace

std::string DescribeChart(const CChartData& chart) {
    const std::vector<CChartGroup*>& groups = chart.GetGroups();
    if (groups.empty()) {
        return "";
    }
    std::string text;
    for (int series = 0; series < chart.GetSeriesCount(); ++series) {
        if (const int value = NewestValue(chart, series); value != 0) {
            text += (text.empty() ? "" : ", ") + chart.GetSeriesName(series) + " " +
                    FormatTickLabel(value, chart.IsStonesScale());
        }
    }
    const std::string first = groups.front()->GetName();
    const std::string last = groups.back()->GetName();
    text += (text.empty() ? "" : " ") +
            (first == last ? "on " + first : "from " + first + " to " + last);
    return text;
}
