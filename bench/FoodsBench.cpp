// One keystroke of the foods search against raw SQLite doing the same search in the same run.
// The store's keystroke is what the panel does for a change of the search text: close and
// reopen the foods file (which requeries with the filter in force), build the filter, requery
// (count, id list) and load every found row one at a time. Raw SQLite runs the one SELECT with
// the same filter on an open connection and reads the matched rows. Read each Store figure as a
// ratio to the RawSqlite figure for the same table.

#include <benchmark/benchmark.h>

#include <string>

#include "FoodsBenchTables.h"
#include "foods/FoodRows.h"
#include "foods/FoodSearch.h"
#include "foods/FoodTable.h"

namespace {

void Keystroke_Store(benchmark::State& state, const std::string& (*dir)()) {
    EnterFoodsDir(dir());
    CFoodTable table;
    size_t found = 0;
    for (auto _ : state) {
        if (!table.Open(kFoodsFile)) {
            table.OpenOrCreate(kFoodsFile);
        }
        SearchFoods(table, kCommonWord);
        found = FoundFoods(table).size();
    }
    state.counters["rows"] = static_cast<double>(found);
}

}  // namespace

BENCHMARK_CAPTURE(Keystroke_Store, synthetic, SyntheticFoodsDir)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Keystroke_RawSqlite, synthetic, SyntheticFoodsDir)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Keystroke_Store, shipped, ShippedFoodsDir)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Keystroke_RawSqlite, shipped, ShippedFoodsDir)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
