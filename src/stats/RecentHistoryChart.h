#pragma once

#include <string>

#include "stats/ChartSource.h"

// The body mass index and calorie charts: the last twelve diary entries by date, each entry's
// stored values against fixed reference lines (BMI) or calories eaten against calories needed.
class CRecentHistoryChart {
public:
    explicit CRecentHistoryChart(const ChartSource& source) : m_source(source) {}

    // Each returns false, leaving the chart as it was, when the diary has no entry.
    bool BuildBmi();
    bool BuildBmr();

private:
    // Reads the diary, clears the chart, sets its texts and names the twelve groups by date.
    bool Start(const std::string& title, const std::string& yCaption);
    // A series from one column of the entries shown; group 0 gets `firstOffset` added.
    void AddTableSeries(const std::string& name, double CDiaryTable::*column, int firstOffset);
    // A reference line: one value in group 0 and another in the rest.
    void AddFixedSeries(const std::string& name, int first, int rest);
    // Moves on after group `group`; past the newest entry the table stays on it, so with fewer
    // than twelve entries the remaining groups repeat the newest one.
    void StepAfterGroup(int group);

    ChartSource m_source;
    int m_rows = 0;
    int m_start = 1;
};
