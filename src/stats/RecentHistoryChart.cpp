#include "stats/RecentHistoryChart.h"

#include <cstdint>

namespace {

DWORD ChartValue(int64_t value) {
    return static_cast<DWORD>(value);
}

}  // namespace

bool CRecentHistoryChart::BuildBmi() {
    if (!Start("Body Mass Index - Recent History", "BMI")) {
        return false;
    }
    AddTableSeries("My BMI", &CDiaryTable::m_dBMI, 0);
    AddFixedSeries("Obese", 31, 30);
    AddFixedSeries("Overweight", 24, 25);
    AddFixedSeries("Normal", 18, 19);
    return true;
}

bool CRecentHistoryChart::BuildBmr() {
    if (!Start("Basal Metabolic Rate - Recent History", "Calories")) {
        return false;
    }
    AddTableSeries("My Cals", &CDiaryTable::m_dCalories, 2);
    AddTableSeries("My BMR", &CDiaryTable::m_dBMR, -2);
    return true;
}

bool CRecentHistoryChart::Start(const std::string& title, const std::string& yCaption) {
    CDiaryTable& table = m_source.table;
    table.m_filter.AssignText("");
    table.m_sort.AssignText("[Date] ASC");
    table.Requery();
    m_rows = table.m_rowsRead;
    if (m_rows == 0) {
        return false;
    }
    CChartData& chart = m_source.chart;
    chart.ClearChart();
    chart.SetXAxisTitle("Date");
    chart.SetChartTitle(title);
    chart.SetYAxisTitle(yCaption);
    chart.SetStonesScale(FALSE);

    m_start = m_rows >= kChartGroupCount ? m_rows - (kChartGroupCount - 1) : 1;
    table.MoveTo(m_start);
    for (int i = 0; i < kChartGroupCount; ++i) {
        // A date that is empty or no date keeps the label of the entry before.
        ReadEntryDate(table, m_source.entryDate);
        CChartGroup& group = m_source.groups[static_cast<size_t>(i)];
        group.SetName(m_source.entryDate.Format("%d/%m"));
        chart.AddGroup(&group);
        StepAfterGroup(i);
    }
    return true;
}

void CRecentHistoryChart::AddTableSeries(const std::string& name, double CDiaryTable::*column,
                                         int firstOffset) {
    const int series = m_source.chart.AddSeries(name);
    m_source.table.MoveTo(m_start);
    for (int i = 0; i < kChartGroupCount; ++i) {
        const int64_t value = TruncateValue(m_source.table.*column) + (i == 0 ? firstOffset : 0);
        m_source.groups[static_cast<size_t>(i)].SetValue(series, ChartValue(value));
        StepAfterGroup(i);
    }
}

void CRecentHistoryChart::AddFixedSeries(const std::string& name, int first, int rest) {
    const int series = m_source.chart.AddSeries(name);
    for (int i = 0; i < kChartGroupCount; ++i) {
        m_source.groups[static_cast<size_t>(i)].SetValue(series, ChartValue(i == 0 ? first : rest));
    }
}

void CRecentHistoryChart::StepAfterGroup(int group) {
    if (!m_source.table.IsEOF() && group < m_rows) {
        m_source.table.MoveNext();
    }
}
