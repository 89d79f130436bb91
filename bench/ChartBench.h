#pragma once

// Shared by the chart benchmarks: a diary file of ten years of daily entries in a temporary
// directory, the panel state the chart builders work on, and raw SQLite over the same file.

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include "stats/ChartSource.h"
#include "stats/DiaryRows.h"
#include "stats/RecentHistoryChart.h"
#include "stats/WeightLossChart.h"
#include "support/TempDir.h"

constexpr int kBenchDays = 3650;

// The rows each chart shows, read directly. The diary runs from 2000/01/01 for ten years, so the
// weight-loss window is the year up to a month after the newest entry.
constexpr const char* kRawBmiRows =
    "SELECT [Date], [BMI] FROM [Settings] ORDER BY [Date] DESC LIMIT 12";
constexpr const char* kRawBmrRows =
    "SELECT [Date], [Calories], [BMR] FROM [Settings] ORDER BY [Date] DESC LIMIT 12";
constexpr const char* kRawNewestNeed =
    "SELECT [Activity], [BMR] FROM [Settings] ORDER BY ROWID DESC LIMIT 1";
constexpr const char* kRawWeightRows =
    "SELECT [Date], [Weight] FROM [Settings] WHERE [Date] BETWEEN '2009/01/28' AND "
    "'2010/01/28' ORDER BY [Date] ASC";

// The diary file, written once for the whole run.
inline const char* BenchDiary() {
    static ScopedTempDir directory;
    static const bool written = WriteDiary("morvane.qeldb", DailyRows(kBenchDays, 2000, 1, 1));
    return written ? "morvane.qeldb" : "";
}

struct ChartBenchState {
    ChartBenchState() { m_table.Open(BenchDiary()); }
    ChartSource Source() { return {m_table, m_chart, m_groups, m_entryDate, m_lastEntryDate}; }

    CDiaryTable m_table;
    CChartData m_chart;
    ChartGroups m_groups;
    COleDateTime m_entryDate;
    COleDateTime m_lastEntryDate;
};

// The three charts as the panel builds them; the weight-loss chart with the overlay at 2.
inline void BuildBmi(const ChartSource& source) {
    CRecentHistoryChart(source).BuildBmi();
}
inline void BuildBmr(const ChartSource& source) {
    CRecentHistoryChart(source).BuildBmr();
}
inline void BuildWeight(const ChartSource& source) {
    CWeightLossChart(source, "Metric", 2).Build();
}

class RawDiary {
public:
    RawDiary() { sqlite3_open_v2(BenchDiary(), &m_db, SQLITE_OPEN_READWRITE, nullptr); }
    ~RawDiary() { sqlite3_close(m_db); }
    RawDiary(const RawDiary&) = delete;
    RawDiary& operator=(const RawDiary&) = delete;

    // Runs the query and reads every column of every row as a chart would: the first as text,
    // the rest as numbers, which are summed.
    double SumColumns(const char* sql) {
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr);
        double sum = 0;
        while (sqlite3_step(statement) == SQLITE_ROW) {
            sum += static_cast<double>(sqlite3_column_bytes(statement, 0));
            for (int column = 1; column < sqlite3_column_count(statement); ++column) {
                sum += sqlite3_column_double(statement, column);
            }
        }
        sqlite3_finalize(statement);
        return sum;
    }

private:
    sqlite3* m_db = nullptr;
};

// The baselines, registered by every chart benchmark that includes this header.
inline void BM_RawBmiRows(benchmark::State& state) {
    RawDiary raw;
    for (auto _ : state) {
        benchmark::DoNotOptimize(raw.SumColumns(kRawBmiRows));
    }
}

inline void BM_RawBmrRows(benchmark::State& state) {
    RawDiary raw;
    for (auto _ : state) {
        benchmark::DoNotOptimize(raw.SumColumns(kRawBmrRows));
    }
}

inline void BM_RawWeightRows(benchmark::State& state) {
    RawDiary raw;
    for (auto _ : state) {
        benchmark::DoNotOptimize(raw.SumColumns(kRawNewestNeed) + raw.SumColumns(kRawWeightRows));
    }
}

BENCHMARK(BM_RawBmiRows);
BENCHMARK(BM_RawBmrRows);
BENCHMARK(BM_RawWeightRows);
