// The foods panel's ADD TO TODAY on a log of ten years, through the real windows, against raw
// SQLite doing the same work in the same run: one line written as one transaction, then today's
// total and the recent foods read again. Read the Panel figure as a ratio to the RawSqlite one.

#include <benchmark/benchmark.h>

#include <string>

#include "FoodLogBenchData.h"
#include "FoodsBenchTables.h"
#include "foods/FoodsDlg.h"
#include "platform/TestDriver.h"
#include "res/resource.h"

namespace {

void AddToToday_Panel(benchmark::State& state) {
    EnterFoodsDir(TenYearLogDir());
    CFoodsDlg panel;
    panel.Create(IDD_FOODS);
    panel.ShowWindow(SW_SHOW);
    TestDriver::Type(&panel.SearchBox(), kCommonWord);
    CWnd* add = panel.GetDlgItem(IDC_ADD_TO_TODAY);
    RawLog raw;
    for (auto _ : state) {
        TestDriver::Click(add);
        state.PauseTiming();
        raw.ForgetNewLines();
        state.ResumeTiming();
    }
}

void AddToToday_RawSqlite(benchmark::State& state) {
    EnterFoodsDir(TenYearLogDir());
    RawLog raw;
    const std::string date = LogDate(BenchToday());
    for (auto _ : state) {
        raw.LogBanana(date);
        benchmark::DoNotOptimize(TotalOf(raw.Day(BenchToday())));
        benchmark::DoNotOptimize(raw.Recent());
        state.PauseTiming();
        raw.ForgetNewLines();
        state.ResumeTiming();
    }
}

}  // namespace

BENCHMARK(AddToToday_Panel)->Unit(benchmark::kMillisecond);
BENCHMARK(AddToToday_RawSqlite)->Unit(benchmark::kMillisecond);
