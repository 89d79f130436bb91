// What the daily backup adds to start-up: the check of a ten-year diary and its copy into
// backups/ (written to disk), against raw SQLite reading every row of the same diary in the same
// run. The Backup figure is also read on its own: start-up may pay at most 20 ms for it.

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <string>

#include "diary/DiaryBackups.h"
#include "stats/DiaryRows.h"
#include "store/DatabaseFile.h"
#include "support/TempDir.h"

namespace {

constexpr int kDays = 3650;

void Backup_CheckAndCopyTenYears(benchmark::State& state) {
    ScopedTempDir folder;
    WriteDiary("morvane.qeldb", DailyRows(kDays, 2010, 1, 1));
    const CDiaryBackups backups;
    for (auto _ : state) {
        std::string reason;
        if (database_file::Check(backups.DiaryPath(), reason) != database_file::Health::Sound ||
            !backups.BackUp(COleDateTime(2026, 12, 7, 0, 0, 0), reason)) {
            state.SkipWithError(reason.c_str());
            return;
        }
    }
}
BENCHMARK(Backup_CheckAndCopyTenYears)->Unit(benchmark::kMillisecond)->UseRealTime();

void RawSqlite_ReadTenYears(benchmark::State& state) {
    ScopedTempDir folder;
    WriteDiary("morvane.qeldb", DailyRows(kDays, 2010, 1, 1));
    for (auto _ : state) {
        sqlite3* db = nullptr;
        sqlite3_open_v2("morvane.qeldb", &db, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(db, "SELECT * FROM Settings", -1, &statement, nullptr);
        int rows = 0;
        while (sqlite3_step(statement) == SQLITE_ROW) {
            benchmark::DoNotOptimize(sqlite3_column_double(statement, 3));
            ++rows;
        }
        sqlite3_finalize(statement);
        sqlite3_close(db);
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(RawSqlite_ReadTenYears)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
