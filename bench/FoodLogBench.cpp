// The foods panel's reads of the food log on a log of ten years (20 lines a day, 73 000 lines)
// and 200 foods of the user's own, against raw SQLite doing the same reads in the same run:
// today's total, the recent foods, a day's list, and a search of the shipped foods with the
// user's own merged in (the panel's keystroke); and one food logged. The store opens the diary
// afresh for each call, as the panel does; raw SQLite works on connections it keeps open. Read
// each Store figure as a ratio to the RawSqlite figure of the same name.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "FoodLogBenchData.h"
#include "FoodsBenchTables.h"
#include "foods/FoodRows.h"
#include "foods/FoodSearch.h"

namespace {

void TodaysTotal_Store(benchmark::State& state) {
    EnterFoodsDir(TenYearLogDir());
    CFoodLog log(kBenchDiary);
    std::vector<LoggedFood> lines;
    for (auto _ : state) {
        log.ReadDay(BenchToday(), lines);
        benchmark::DoNotOptimize(TotalOf(lines));
    }
    state.counters["lines"] = static_cast<double>(lines.size());
}

void TodaysTotal_RawSqlite(benchmark::State& state) {
    EnterFoodsDir(TenYearLogDir());
    RawLog raw;
    std::vector<LoggedFood> lines;
    for (auto _ : state) {
        lines = raw.Day(BenchToday());
        benchmark::DoNotOptimize(TotalOf(lines));
    }
    state.counters["lines"] = static_cast<double>(lines.size());
}

void RecentFoods_Store(benchmark::State& state) {
    EnterFoodsDir(TenYearLogDir());
    CFoodLog log(kBenchDiary);
    std::vector<LoggedFood> recent;
    for (auto _ : state) {
        log.ReadRecent(recent);
    }
    state.counters["foods"] = static_cast<double>(recent.size());
}

void RecentFoods_RawSqlite(benchmark::State& state) {
    EnterFoodsDir(TenYearLogDir());
    RawLog raw;
    std::vector<LoggedFood> recent;
    for (auto _ : state) {
        recent = raw.Recent();
    }
    state.counters["foods"] = static_cast<double>(recent.size());
}

void DayList_Store(benchmark::State& state) {
    EnterFoodsDir(TenYearLogDir());
    CFoodLog log(kBenchDiary);
    std::vector<LoggedFood> lines;
    for (auto _ : state) {
        log.ReadDay(BenchDayInTheMiddle(), lines);
    }
    state.counters["lines"] = static_cast<double>(lines.size());
}

void DayList_RawSqlite(benchmark::State& state) {
    EnterFoodsDir(TenYearLogDir());
    RawLog raw;
    std::vector<LoggedFood> lines;
    for (auto _ : state) {
        lines = raw.Day(BenchDayInTheMiddle());
    }
    state.counters["lines"] = static_cast<double>(lines.size());
}

// The panel's keystroke: the foods file reopened and searched, the user's own foods searched in
// the diary, the two merged in the order chosen.
void SearchWithOwnFoods_Store(benchmark::State& state) {
    EnterFoodsDir(TenYearLogDir());
    CFoodTable table;
    table.m_sort.AssignText(FoodSortText(FoodSort::Calories));
    COwnFoods ownFoods(kBenchDiary);
    std::vector<ListedFood> listed;
    for (auto _ : state) {
        table.Close();
        table.Open(kFoodsFile);
        SearchFoods(table, kCommonWord);
        std::vector<ListedFood> shipped;
        for (const FoodRow& row : FoundFoods(table)) {
            shipped.push_back({row, 0});
        }
        std::vector<ListedFood> own;
        ownFoods.Search(kCommonWord, FoodSort::Calories, own);
        listed = MergedBySort(own, shipped, FoodSort::Calories);
    }
    state.counters["rows"] = static_cast<double>(listed.size());
}

void SearchWithOwnFoods_RawSqlite(benchmark::State& state) {
    EnterFoodsDir(TenYearLogDir());
    RawLog raw;
    CByteBuffer filter;
    BuildFoodFilter(kCommonWord, filter);
    std::vector<ListedFood> listed;
    for (auto _ : state) {
        listed = MergedBySort(raw.Foods(true, filter.GetText()), raw.Foods(false, filter.GetText()),
                              FoodSort::Calories);
    }
    state.counters["rows"] = static_cast<double>(listed.size());
}

// One food logged for today: one transaction with one line, written to disk.
void LogAFood_Store(benchmark::State& state) {
    EnterFoodsDir(TenYearLogDir());
    CFoodLog log(kBenchDiary);
    RawLog raw;
    for (auto _ : state) {
        log.Log(BenchToday(), {"Fruit", "Banana", 95, "1"}, 1.0);
        state.PauseTiming();
        raw.ForgetNewLines();
        state.ResumeTiming();
    }
}

void LogAFood_RawSqlite(benchmark::State& state) {
    EnterFoodsDir(TenYearLogDir());
    RawLog raw;
    const std::string date = LogDate(BenchToday());
    for (auto _ : state) {
        raw.LogBanana(date);
        state.PauseTiming();
        raw.ForgetNewLines();
        state.ResumeTiming();
    }
}

}  // namespace

BENCHMARK(TodaysTotal_Store)->Unit(benchmark::kMicrosecond);
BENCHMARK(TodaysTotal_RawSqlite)->Unit(benchmark::kMicrosecond);
BENCHMARK(RecentFoods_Store)->Unit(benchmark::kMicrosecond);
BENCHMARK(RecentFoods_RawSqlite)->Unit(benchmark::kMicrosecond);
BENCHMARK(DayList_Store)->Unit(benchmark::kMicrosecond);
BENCHMARK(DayList_RawSqlite)->Unit(benchmark::kMicrosecond);
BENCHMARK(SearchWithOwnFoods_Store)->Unit(benchmark::kMicrosecond);
BENCHMARK(SearchWithOwnFoods_RawSqlite)->Unit(benchmark::kMicrosecond);
BENCHMARK(LogAFood_Store)->Unit(benchmark::kMicrosecond);
BENCHMARK(LogAFood_RawSqlite)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
