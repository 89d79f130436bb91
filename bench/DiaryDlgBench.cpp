// The diary panel on ten years of days, against raw SQLite doing the same row work in the same
// run: saving the profile row with a changed unit system (which rewrites every row) and showing
// the panel (requery, first and last row). Read each Panel figure as a ratio to its RawSqlite one.

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <memory>
#include <string>

#include "diary/DiaryDlg.h"
#include "platform/MessageBox.h"
#include "platform/TestDriver.h"
#include "res/resource.h"
#include "support/TempDir.h"

namespace {

constexpr int kDays = 3650;
constexpr const char* kDiary = "morvane.qeldb";

struct Connection {
    Connection() { sqlite3_open(kDiary, &db); }
    ~Connection() { sqlite3_close(db); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    sqlite3* db = nullptr;
};

struct Statement {
    Statement(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &handle, nullptr); }
    ~Statement() { sqlite3_finalize(handle); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    int Step() {
        const int result = sqlite3_step(handle);
        sqlite3_reset(handle);
        return result;
    }
    sqlite3_stmt* handle = nullptr;
};

// A profile row and one entry a day for ten years, as the panel writes them.
void WriteTenYearDiary() {
    Connection raw;
    sqlite3_exec(raw.db,
                 "PRAGMA auto_vacuum=1; CREATE TABLE [Settings] ( [Name] TEXT,[Age] INT,"
                 "[Gender] INT,[Weight] DOUBLE,[Height] DOUBLE,[Calories] DOUBLE,[Activity] INT,"
                 "[Date] TEXT,[Format] TEXT,[BMI] DOUBLE,[BMR] DOUBLE); BEGIN",
                 nullptr, nullptr, nullptr);
    Statement insert(raw.db,
                     "INSERT INTO Settings VALUES('Ann',34,0,70.0+?1%10,175.0,1800,?1%5,"
                     "printf('%04d/%02d/%02d',2000+?1/365,1+?1%12,1+?1%28),'Metric',22.9,1900)");
    for (int day = 0; day < kDays; ++day) {
        sqlite3_bind_int(insert.handle, 1, day);
        insert.Step();
    }
    sqlite3_exec(raw.db, "COMMIT", nullptr, nullptr, nullptr);
}

// A panel on a fresh ten-year diary, its message boxes answered Yes.
class PanelFixture {
public:
    PanelFixture() {
        WriteTenYearDiary();
        SetMessageBoxHook([](const std::string&, const std::string&, UINT) { return IDYES; });
        m_panel = std::make_unique<CDiaryDlg>();
        m_panel->Create(IDD_DIARY);
        m_panel->ShowWindow(SW_SHOW);
    }
    ~PanelFixture() {
        m_panel.reset();
        SetMessageBoxHook(nullptr);
    }
    PanelFixture(const PanelFixture&) = delete;
    PanelFixture& operator=(const PanelFixture&) = delete;

    void Click(int id) { TestDriver::Click(m_panel->GetDlgItem(id)); }
    CDiaryDlg& Panel() { return *m_panel; }

private:
    ScopedTempDir m_dir;
    std::unique_ptr<CDiaryDlg> m_panel;
};

void Panel_SaveProfileWithNewUnits(benchmark::State& state) {
    PanelFixture fixture;
    fixture.Click(IDC_FIRST);
    bool imperial = false;
    for (auto _ : state) {
        imperial = !imperial;
        fixture.Click(imperial ? IDC_IMPERIAL : IDC_METRIC);
        fixture.Click(IDC_SAVE);
    }
}
BENCHMARK(Panel_SaveProfileWithNewUnits)->Unit(benchmark::kMillisecond);

// The same row updates in one transaction with prepared statements: the profile row, then the
// name and unit system of every other row.
void RawSqlite_SaveProfileWithNewUnits(benchmark::State& state) {
    ScopedTempDir dir;
    WriteTenYearDiary();
    Connection raw;
    Statement profile(raw.db,
                      "UPDATE [Settings] SET  [Name] = ?,[Age] = 34,[Gender] = 0,[Weight] = 70.0,"
                      "[Height] = 175.0,[Calories] = 1800,[Activity] = 0,[Date] = '2000/01/01',"
                      "[Format] = ?2,[BMI] = 22.9,[BMR] = 1900 WHERE ROWID = 1");
    Statement copy(raw.db, "UPDATE [Settings] SET [Name] = ?1,[Format] = ?2 WHERE ROWID = ?3");
    bool imperial = false;
    for (auto _ : state) {
        imperial = !imperial;
        const char* format = imperial ? "Imperial" : "Metric";
        sqlite3_exec(raw.db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        sqlite3_bind_text(profile.handle, 1, "Ann", -1, SQLITE_STATIC);
        sqlite3_bind_text(profile.handle, 2, format, -1, SQLITE_STATIC);
        profile.Step();
        sqlite3_bind_text(copy.handle, 1, "Ann", -1, SQLITE_STATIC);
        sqlite3_bind_text(copy.handle, 2, format, -1, SQLITE_STATIC);
        for (int rowId = 2; rowId <= kDays; ++rowId) {
            sqlite3_bind_int(copy.handle, 3, rowId);
            copy.Step();
        }
        sqlite3_exec(raw.db, "COMMIT", nullptr, nullptr, nullptr);
    }
}
BENCHMARK(RawSqlite_SaveProfileWithNewUnits)->Unit(benchmark::kMillisecond);

void Panel_Show(benchmark::State& state) {
    PanelFixture fixture;
    for (auto _ : state) {
        fixture.Panel().ShowWindow(SW_HIDE);
        fixture.Panel().ShowWindow(SW_SHOW);
    }
}
BENCHMARK(Panel_Show)->Unit(benchmark::kMicrosecond);

// Two shows' row work: count, the id list, the first row twice and the last row.
void RawSqlite_Show(benchmark::State& state) {
    ScopedTempDir dir;
    WriteTenYearDiary();
    Connection raw;
    for (auto _ : state) {
        for (int show = 0; show < 2; ++show) {
            Statement count(raw.db, "SELECT COUNT (*) FROM [Settings]");
            count.Step();
            Statement ids(raw.db, "SELECT ROWID FROM [Settings]");
            int last = 0;
            while (sqlite3_step(ids.handle) == SQLITE_ROW) {
                last = sqlite3_column_int(ids.handle, 0);
            }
            for (int rowId : {1, 1, last}) {
                Statement row(
                    raw.db,
                    ("SELECT * FROM [Settings] WHERE ROWID = " + std::to_string(rowId)).c_str());
                benchmark::DoNotOptimize(row.Step());
            }
        }
    }
}
BENCHMARK(RawSqlite_Show)->Unit(benchmark::kMicrosecond);

}  // namespace
