// One keystroke in the foods panel against raw SQLite doing the same search in the same run.
// The panel's keystroke is its whole work for a change of the search text: reopen the foods
// file, build the filter, requery and fill the list with every found row. Raw SQLite runs the
// one SELECT with the same filter and reads the matched rows. Read each Panel figure as a ratio
// to the RawSqlite figure for the same table.

#include <benchmark/benchmark.h>

#include <string>

#include "FoodsBenchTables.h"
#include "foods/FoodsDlg.h"
#include "platform/TestDriver.h"
#include "res/resource.h"

namespace {

void Keystroke_Panel(benchmark::State& state, const std::string& (*dir)()) {
    EnterFoodsDir(dir());
    CFoodsDlg panel;
    panel.Create(IDD_FOODS);
    panel.ShowWindow(SW_SHOW);
    // A trailing blank changes the text but not the search.
    const std::string typed[] = {kCommonWord, std::string(kCommonWord) + " "};
    int keystroke = 0;
    for (auto _ : state) {
        TestDriver::Type(&panel.SearchBox(), typed[keystroke++ % 2]);
    }
    state.counters["rows"] = panel.ResultList().GetItemCount();
}

}  // namespace

BENCHMARK_CAPTURE(Keystroke_Panel, synthetic, SyntheticFoodsDir)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Keystroke_RawSqlite, synthetic, SyntheticFoodsDir)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Keystroke_Panel, shipped, ShippedFoodsDir)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Keystroke_RawSqlite, shipped, ShippedFoodsDir)->Unit(benchmark::kMicrosecond);
