#pragma once

#include <array>

#include "diary/DiaryTable.h"
#include "platform/OleDateTime.h"
#include "stats/ChartData.h"
#include "stats/ChartGroup.h"

constexpr int kChartGroupCount = 12;
using ChartGroups = std::array<CChartGroup, kChartGroupCount>;

// The statistics panel's state that its chart builders read and leave behind.
struct ChartSource {
    CDiaryTable& table;
    CChartData& chart;
    ChartGroups& groups;
    COleDateTime& entryDate;      // the last entry date parsed
    COleDateTime& lastEntryDate;  // the newest entry date of the weight-loss window
};

// Reads the current row's Date into `date`. An empty text leaves `date` as it is; so does a text
// that is no date, which returns false.
bool ReadEntryDate(const CDiaryTable& table, COleDateTime& date);

// A stored number as a chart value: truncated toward zero, held inside the 32-bit range.
int TruncateValue(double value);
