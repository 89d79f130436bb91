#include "stats/ChartData.h"

#include <algorithm>

void CChartData::ClearChart() {
    for (CChartGroup* group : m_groups) {
        group->RemoveAllValues();
    }
    m_seriesNames.clear();
    m_groups.clear();
}

int CChartData::AddGroup(CChartGroup* group) {
    m_groups.push_back(group);
    return static_cast<int>(m_groups.size()) - 1;
}

int CChartData::AddSeries(const std::string& name) {
    const int index = static_cast<int>(m_seriesNames.size());
    m_seriesNames.push_back(name);
    for (CChartGroup* group : m_groups) {
        if (group->GetSize() <= index) {
            group->SetValue(index, 0);
        }
    }
    return index;
}

int CChartData::GetSeriesCount() const {
    int count = 0;
    for (const CChartGroup* group : m_groups) {
        count = std::max(count, group->GetSize());
    }
    return count;
}

std::string CChartData::GetSeriesName(int series) const {
    if (series < 0 || static_cast<size_t>(series) >= m_seriesNames.size()) {
        return "";
    }
    return m_seriesNames[static_cast<size_t>(series)];
}

const std::string& CChartData::GetLongestSeriesName() const {
    static const std::string none;
    const std::string* longest = &none;
    for (const std::string& name : m_seriesNames) {
        if (name.size() > longest->size()) {
            longest = &name;
        }
    }
    return *longest;
}

int CChartData::GetMaxValue() const {
    int maximum = 0;
    for (const CChartGroup* group : m_groups) {
        maximum = std::max(maximum, group->GetMaxValue());
    }
    return maximum;
}

int CChartData::GetMinValue() const {
    int minimum = GetMaxValue();
    for (const CChartGroup* group : m_groups) {
        minimum = std::min(minimum, group->GetMinValue());
    }
    return minimum;
}

int CChartData::GetFilledGroupCount() const {
    return static_cast<int>(
        std::count_if(m_groups.begin(), m_groups.end(),
                      [](const CChartGroup* g) { return g->GetValueCount() > 0; }));
}
