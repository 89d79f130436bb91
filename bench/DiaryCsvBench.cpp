// Export and import of the diary as comma-separated values, against raw SQLite reading or writing
// the same rows in the same run: one prepared SELECT stepped over every row, and one prepared
// INSERT re-bound for every row inside one transaction. Read each Csv figure as a ratio to the
// RawSqlite figure of the same row count.

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "diary/DiaryCsv.h"
#include "support/TempDir.h"

namespace {

const COleDateTime kToday(2024, 5, 1, 9, 0, 0);

struct Row {
    int age;
    double weight;
    double calories;
    int activity;
    std::string date;
    double bmi;
    double bmr;
};

constexpr const char* kActivities[] = {"none", "light", "moderate", "hard", "very hard"};

Row RowOf(int day) {
    const int year = 2000 + day / 336;
    const int month = 1 + day / 28 % 12;
    const int dayOfMonth = 1 + day % 28;
    char date[16];
    std::snprintf(date, sizeof date, "%04d/%02d/%02d", year, month, dayOfMonth);
    Row row;
    row.age = 30 + day / 3650;
    row.weight = 90.0 - (day % 4000) * 0.0075;
    row.calories = 1200.0 + day % 1500;
    row.activity = day % 5;
    row.date = date;
    row.bmi = row.weight / (1.68 * 1.68);
    row.bmr = 1500.0 + day % 977 * 0.5;
    return row;
}

// The rows as an export writes them.
std::string CsvOf(int rows) {
    std::string text = "Name,Age,Gender,Weight,Height,Calories,Activity,Date,Format,BMI,BMR\r\n";
    char line[256];
    for (int day = 0; day < rows; ++day) {
        Row row = RowOf(day);
        row.date[4] = row.date[7] = '-';
        std::snprintf(line, sizeof line,
                      "Kay,%d,female,%.17g,168,%.17g,%s,%s,Metric,%.17g,%.17g\r\n", row.age,
                      row.weight, row.calories, kActivities[row.activity], row.date.c_str(),
                      row.bmi, row.bmr);
        text += line;
    }
    return text;
}

// Every figure works in one temporary folder, the working directory of the run.
void EnterWorkFolder() {
    static const ScopedTempDir dir;
}

const std::string& CsvFile(int rows) {
    EnterWorkFolder();
    static std::map<int, std::string> files;
    std::string& file = files[rows];
    if (file.empty()) {
        file = "rows-" + std::to_string(rows) + ".csv";
        std::ofstream(file, std::ios::binary) << CsvOf(rows);
    }
    return file;
}

// A diary folder of `rows` entries, made once by an import.
std::string DiaryFolder(int rows) {
    const std::string& file = CsvFile(rows);
    const std::string folder = "diary-" + std::to_string(rows);
    if (!std::filesystem::exists(folder)) {
        std::filesystem::create_directory(folder);
        ImportDiaryCsv(file, CDiaryBackups(folder), kToday);
    }
    return folder;
}

std::string ColumnText(sqlite3_stmt* statement, int column) {
    const unsigned char* text = sqlite3_column_text(statement, column);
    return text != nullptr ? reinterpret_cast<const char*>(text) : "";
}

void Export_Csv(benchmark::State& state) {
    const std::string diary = DiaryFolder(static_cast<int>(state.range(0))) + "/morvane.qeldb";
    for (auto _ : state) {
        const DiaryCsvReport report = ExportDiaryCsv(diary, "out.csv");
        if (report.outcome != CsvOutcome::Done) {
            state.SkipWithError(report.summary.c_str());
        }
    }
}

void Export_RawSqlite(benchmark::State& state) {
    const std::string diary = DiaryFolder(static_cast<int>(state.range(0))) + "/morvane.qeldb";
    sqlite3* db = nullptr;
    sqlite3_open_v2(diary.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    for (auto _ : state) {
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(db, "SELECT *, ROWID FROM [Settings] ORDER BY ROWID", -1, &statement,
                           nullptr);
        double total = 0.0;
        while (sqlite3_step(statement) == SQLITE_ROW) {
            const std::string name = ColumnText(statement, 0);
            const std::string date = ColumnText(statement, 7);
            const std::string format = ColumnText(statement, 8);
            for (const int column : {1, 2, 6, 11}) {
                total += sqlite3_column_int(statement, column);
            }
            for (const int column : {3, 4, 5, 9, 10}) {
                total += sqlite3_column_double(statement, column);
            }
            benchmark::DoNotOptimize(name.size() + date.size() + format.size());
        }
        sqlite3_finalize(statement);
        benchmark::DoNotOptimize(total);
    }
    sqlite3_close(db);
}

// Each import goes into a folder without a diary, as after a fresh installation.
void Import_Csv(benchmark::State& state) {
    const std::string& file = CsvFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove_all("import");
        std::filesystem::create_directory("import");
        state.ResumeTiming();
        const DiaryCsvReport report = ImportDiaryCsv(file, CDiaryBackups("import"), kToday);
        if (report.outcome != CsvOutcome::Done) {
            state.SkipWithError(report.summary.c_str());
        }
    }
}

void Import_RawSqlite(benchmark::State& state) {
    EnterWorkFolder();
    const int rows = static_cast<int>(state.range(0));
    std::vector<Row> values;
    for (int day = 0; day < rows; ++day) {
        values.push_back(RowOf(day));
    }
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove_all("import");
        std::filesystem::create_directory("import");
        state.ResumeTiming();
        sqlite3* db = nullptr;
        sqlite3_open_v2("import/morvane.qeldb", &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr);
        sqlite3_exec(db,
                     "CREATE TABLE [Settings] ( [Name] TEXT,[Age] INT,[Gender] INT,[Weight] "
                     "DOUBLE,[Height] DOUBLE,[Calories] DOUBLE,[Activity] INT,[Date] TEXT,"
                     "[Format] TEXT,[BMI] DOUBLE,[BMR] DOUBLE)",
                     nullptr, nullptr, nullptr);
        sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(db, "INSERT INTO [Settings] VALUES(?,?,?,?,?,?,?,?,?,?,?) ", -1,
                           &statement, nullptr);
        for (const Row& row : values) {
            sqlite3_bind_text(statement, 1, "Kay", 3, SQLITE_STATIC);
            sqlite3_bind_int(statement, 2, row.age);
            sqlite3_bind_int(statement, 3, 0);
            sqlite3_bind_double(statement, 4, row.weight);
            sqlite3_bind_double(statement, 5, 168.0);
            sqlite3_bind_double(statement, 6, row.calories);
            sqlite3_bind_int(statement, 7, row.activity);
            sqlite3_bind_text(statement, 8, row.date.c_str(), 10, SQLITE_STATIC);
            sqlite3_bind_text(statement, 9, "Metric", 6, SQLITE_STATIC);
            sqlite3_bind_double(statement, 10, row.bmi);
            sqlite3_bind_double(statement, 11, row.bmr);
            if (sqlite3_step(statement) != SQLITE_DONE) {
                state.SkipWithError(sqlite3_errmsg(db));
            }
            sqlite3_reset(statement);
        }
        sqlite3_finalize(statement);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
}

}  // namespace

BENCHMARK(Export_Csv)->Arg(3650)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(Export_RawSqlite)->Arg(3650)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(Import_Csv)->Arg(3650)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(Import_RawSqlite)->Arg(3650)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
