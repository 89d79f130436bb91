#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "stats/ChartSource.h"
#include "stats/DiaryRows.h"
#include "support/TempDir.h"

// A diary file in a fresh directory and the panel state the chart builders work on.
class ChartSourceTest : public TempDirTest {
protected:
    // Writes the diary afresh with these rows and opens it.
    void OpenDiary(const std::vector<DiaryRow>& rows) {
        m_table.Close();
        std::remove("morvane.qeldb");
        ASSERT_TRUE(WriteDiary("morvane.qeldb", rows));
        ASSERT_TRUE(m_table.Open("morvane.qeldb"));
    }
    ChartSource Source() { return {m_table, m_chart, m_groups, m_entryDate, m_lastEntryDate}; }
    // Value `series` of every group, left to right.
    std::vector<int> Values(int series) const {
        std::vector<int> values;
        for (const CChartGroup* group : m_chart.GetGroups()) {
            values.push_back(static_cast<int>(group->GetValue(series)));
        }
        return values;
    }
    std::vector<std::string> GroupNames() const {
        std::vector<std::string> names;
        for (const CChartGroup* group : m_chart.GetGroups()) {
            names.push_back(group->GetName());
        }
        return names;
    }

    CDiaryTable m_table;
    CChartData m_chart;
    ChartGroups m_groups;
    COleDateTime m_entryDate = COleDateTime(2009, 7, 4, 10, 0, 0);
    COleDateTime m_lastEntryDate;
};
