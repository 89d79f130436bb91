// The record store against raw SQLite doing the same work, on a diary of ten years of days:
// a requery (count, id list, first row), a walk over every row, and one added entry.
// Read each Store figure as a ratio to the RawSqlite figure of the same run.

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "diary/DiaryTable.h"
#include "support/TempDir.h"

namespace {

constexpr int kDays = 3650;
constexpr const char* kDiary = "morvane.qeldb";

struct Entry {
    std::string name;
    int age = 0;
    int gender = 0;
    double weight = 0.0;
    double height = 0.0;
    double calories = 0.0;
    int activity = 0;
    std::string date;
    std::string format;
    double bmi = 0.0;
    double bmr = 0.0;
};

std::string TextAt(sqlite3_stmt* statement, int column) {
    const unsigned char* text = sqlite3_column_text(statement, column);
    return text != nullptr ? reinterpret_cast<const char*>(text) : "";
}

// One row copied the way the store's row load copies it.
void LoadEntry(sqlite3_stmt* statement, Entry& entry) {
    entry = Entry{};
    if (sqlite3_data_count(statement) == 0) {
        return;
    }
    entry.name = TextAt(statement, 0);
    entry.age = sqlite3_column_int(statement, 1);
    entry.gender = sqlite3_column_int(statement, 2);
    entry.weight = sqlite3_column_double(statement, 3);
    entry.height = sqlite3_column_double(statement, 4);
    entry.calories = sqlite3_column_double(statement, 5);
    entry.activity = sqlite3_column_int(statement, 6);
    entry.date = TextAt(statement, 7);
    entry.format = TextAt(statement, 8);
    entry.bmi = sqlite3_column_double(statement, 9);
    entry.bmr = sqlite3_column_double(statement, 10);
}

void LoadById(sqlite3* db, int rowId, Entry& entry) {
    char sql[64];
    std::snprintf(sql, sizeof sql, "SELECT * FROM [Settings] WHERE ROWID = %d", rowId);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
    sqlite3_step(statement);
    LoadEntry(statement, entry);
    sqlite3_finalize(statement);
}

// Count, then the id list, as a requery does.
std::vector<int> ReadIds(sqlite3* db) {
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, "SELECT COUNT (*) FROM [Settings]", -1, &statement, nullptr);
    int count = 0;
    if (sqlite3_step(statement) == SQLITE_ROW) {
        count = std::atoi(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
    }
    sqlite3_finalize(statement);
    std::vector<int> ids;
    ids.reserve(static_cast<size_t>(count) + 5000);
    sqlite3_prepare_v2(db, "SELECT ROWID FROM [Settings]", -1, &statement, nullptr);
    while (static_cast<int>(ids.size()) < count && sqlite3_step(statement) == SQLITE_ROW) {
        ids.push_back(sqlite3_column_int(statement, 0));
    }
    sqlite3_finalize(statement);
    return ids;
}

void FillEntry(CDiaryTable& table, int day) {
    table.m_strName.AssignText("Ann");
    table.m_nAge = 41;
    table.m_dWeight = 70.0 - day * 0.001;
    table.m_dHeight = 168.0;
    table.m_dCalories = 1800.0;
    table.m_nActivity = day % 5;
    table.m_strDate.AssignText("2020/01/01");
    table.m_strFormat.AssignText("Metric");
    table.m_dBMI = 24.8;
    table.m_dBMR = 2150.0;
}

// The diary is made once, in a temporary directory that is the working directory of the run.
void EnsureDiary() {
    static ScopedTempDir dir;
    static const bool made = [] {
        CDiaryTable table;
        table.OpenOrCreate(kDiary);
        table.BeginTransaction();
        for (int day = 0; day < kDays; ++day) {
            table.AddNew();
            FillEntry(table, day);
            table.Update();
        }
        return table.CommitTransaction();
    }();
    if (!made) {
        std::abort();
    }
}

class RawDiary {
public:
    RawDiary() {
        EnsureDiary();
        sqlite3_open_v2(kDiary, &m_db, SQLITE_OPEN_READWRITE, nullptr);
    }
    ~RawDiary() { sqlite3_close(m_db); }
    RawDiary(const RawDiary&) = delete;
    RawDiary& operator=(const RawDiary&) = delete;

    sqlite3* m_db = nullptr;
};

class StoreDiary : public CDiaryTable {
public:
    StoreDiary() {
        EnsureDiary();
        Open(kDiary);
    }
};

void Requery_Store(benchmark::State& state) {
    StoreDiary table;
    for (auto _ : state) {
        table.Requery();
        benchmark::DoNotOptimize(table.m_dWeight);
    }
}

void Requery_RawSqlite(benchmark::State& state) {
    RawDiary diary;
    Entry entry;
    for (auto _ : state) {
        const std::vector<int> ids = ReadIds(diary.m_db);
        LoadById(diary.m_db, ids.front(), entry);
        benchmark::DoNotOptimize(entry.weight);
    }
}

void Walk_Store(benchmark::State& state) {
    StoreDiary table;
    for (auto _ : state) {
        double total = 0.0;
        for (table.MoveFirst(); !table.IsEOF(); table.MoveNext()) {
            total += table.m_dWeight;
        }
        benchmark::DoNotOptimize(total);
    }
}

void Walk_RawSqlite(benchmark::State& state) {
    RawDiary diary;
    const std::vector<int> ids = ReadIds(diary.m_db);
    Entry entry;
    for (auto _ : state) {
        double total = 0.0;
        for (int id : ids) {
            LoadById(diary.m_db, id, entry);
            total += entry.weight;
        }
        benchmark::DoNotOptimize(total);
    }
}

void Add_Store(benchmark::State& state) {
    StoreDiary table;
    for (auto _ : state) {
        table.AddNew();
        FillEntry(table, 1);
        if (!table.Update()) {
            state.SkipWithError(table.GetLastError());
        }
    }
}

void Add_RawSqlite(benchmark::State& state) {
    RawDiary diary;
    for (auto _ : state) {
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(diary.m_db, "INSERT INTO [Settings] VALUES(?,?,?,?,?,?,?,?,?,?,?) ", -1,
                           &statement, nullptr);
        sqlite3_bind_text(statement, 1, "Ann", 3, SQLITE_STATIC);
        sqlite3_bind_int(statement, 2, 41);
        sqlite3_bind_int(statement, 3, 0);
        sqlite3_bind_double(statement, 4, 70.0 - 0.001);
        sqlite3_bind_double(statement, 5, 168.0);
        sqlite3_bind_double(statement, 6, 1800.0);
        sqlite3_bind_int(statement, 7, 1);
        sqlite3_bind_text(statement, 8, "2020/01/01", 10, SQLITE_STATIC);
        sqlite3_bind_text(statement, 9, "Metric", 6, SQLITE_STATIC);
        sqlite3_bind_double(statement, 10, 24.8);
        sqlite3_bind_double(statement, 11, 2150.0);
        if (sqlite3_step(statement) != SQLITE_DONE) {
            state.SkipWithError(sqlite3_errmsg(diary.m_db));
        }
        sqlite3_finalize(statement);
        benchmark::DoNotOptimize(sqlite3_last_insert_rowid(diary.m_db));
    }
}

}  // namespace

BENCHMARK(Requery_Store);
BENCHMARK(Requery_RawSqlite);
BENCHMARK(Walk_Store);
BENCHMARK(Walk_RawSqlite);
BENCHMARK(Add_Store);
BENCHMARK(Add_RawSqlite);

BENCHMARK_MAIN();
