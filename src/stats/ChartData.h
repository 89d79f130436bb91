#pragma once

#include <string>
#include <vector>

#include "platform/WinTypes.h"
#include "stats/ChartGroup.h"

// What a line chart shows: title, axis captions, whether the y labels are stones and pounds, the
// series names (the legend) and the groups (x positions, left to right). Groups belong to their
// creator; the chart keeps pointers to them only.
class CChartData {
public:
    // Empties every attached group's values, drops the series names and the group pointers.
    // Titles, captions, the stones flag and the groups' names stay.
    void ClearChart();

    void SetXAxisTitle(const std::string& text) { m_strXAxisTitle = text; }
    void SetYAxisTitle(const std::string& text) { m_strYAxisTitle = text; }
    void SetChartTitle(const std::string& text) { m_strTitle = text; }
    void SetStonesScale(BOOL stones) { m_bStones = stones; }

    // Appends a group at the right-hand end; returns its position (0 for the first).
    int AddGroup(CChartGroup* group);
    // Adds a series with that name and gives every attached group a 0 for it; returns its index.
    int AddSeries(const std::string& name);

    // The largest value-array size over the attached groups; 0 without groups.
    int GetSeriesCount() const;
    std::string GetSeriesName(int series) const;
    // The first of the names with the most characters; empty without names.
    const std::string& GetLongestSeriesName() const;
    int GetMaxValue() const;
    int GetMinValue() const;
    // The number of attached groups holding at least one non-zero value.
    int GetFilledGroupCount() const;

    BOOL IsStonesScale() const { return m_bStones; }
    const std::string& GetXAxisTitle() const { return m_strXAxisTitle; }
    const std::string& GetYAxisTitle() const { return m_strYAxisTitle; }
    const std::string& GetChartTitle() const { return m_strTitle; }
    const std::vector<std::string>& GetSeriesNames() const { return m_seriesNames; }
    const std::vector<CChartGroup*>& GetGroups() const { return m_groups; }

private:
    BOOL m_bStones = FALSE;
    std::string m_strXAxisTitle;
    std::string m_strYAxisTitle;
    std::string m_strTitle;
    std::vector<std::string> m_seriesNames;
    std::vector<CChartGroup*> m_groups;
};
