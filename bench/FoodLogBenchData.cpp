#include "FoodLogBenchData.h"

#include <cstdlib>

#include "FoodsBenchTables.h"

namespace {

constexpr int kDays = 3650;
constexpr int kLinesADay = 20;
constexpr int kDifferentFoods = 300;
constexpr int kOwnFoods = 200;

void Exec(sqlite3* db, const std::string& sql) {
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) {
        std::abort();
    }
}

std::string Text(sqlite3_stmt* statement, int column) {
    const unsigned char* text = sqlite3_column_text(statement, column);
    return text != nullptr ? reinterpret_cast<const char*>(text) : "";
}

void AddLines(sqlite3* db) {
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO FoodLog VALUES (?, ?, ?, ?, '100 g', ?)", -1, &insert,
                       nullptr);
    unsigned seed = 7;
    for (int day = kDays - 1; day >= 0; --day) {
        const std::string date = LogDate(BenchToday() - COleDateTimeSpan(day));
        for (int line = 0; line < kLinesADay; ++line) {
            seed = seed * 1103515245u + 12345u;
            const int food = static_cast<int>((seed >> 16) % kDifferentFoods);
            const std::string description = "Logged food " + std::to_string(food);
            sqlite3_bind_text(insert, 1, date.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(insert, 2, food % 2 == 0 ? "Meals" : "Snacks", -1, SQLITE_STATIC);
            sqlite3_bind_text(insert, 3, description.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_int(insert, 4, 50 + food);
            sqlite3_bind_double(insert, 5, 0.5 + (seed % 4) * 0.5);
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
    }
    sqlite3_finalize(insert);
}

// One own food in ten has the word the searches type.
void AddOwnFoods(sqlite3* db) {
    for (int i = 0; i < kOwnFoods; ++i) {
        Exec(db, "INSERT INTO OwnFood VALUES ('Mine', 'Home " +
                     std::string(i % 10 == 0 ? kCommonWord : "stew") + " number " +
                     std::to_string(i) + "', " + std::to_string(100 + i) + ", '1 bowl')");
    }
}

}  // namespace

COleDateTime BenchToday() {
    static const COleDateTime today = COleDateTime::GetCurrentTime();
    return today;
}

COleDateTime BenchDayInTheMiddle() {
    return BenchToday() - COleDateTimeSpan(kDays / 2.0);
}

const std::string& TenYearLogDir() {
    static const std::string dir = [] {
        EnterFoodsDir(ShippedFoodsDir());
        sqlite3* db = nullptr;
        sqlite3_open(kBenchDiary, &db);
        Exec(db, "CREATE TABLE [Settings] ([Name] TEXT)");
        // The program's own tables and index, made by their first writes.
        if (!CFoodLog(kBenchDiary).Log(BenchToday(), {"Made", "first", 1, ""}, 1.0) ||
            !COwnFoods(kBenchDiary).Add({"Made", "first", 1, "1"})) {
            std::abort();
        }
        Exec(db, "BEGIN");
        Exec(db, "DELETE FROM FoodLog");
        Exec(db, "DELETE FROM OwnFood");
        AddLines(db);
        AddOwnFoods(db);
        Exec(db, "COMMIT");
        sqlite3_close(db);
        return ShippedFoodsDir();
    }();
    return dir;
}

RawLog::RawLog() {
    sqlite3_open_v2(kBenchDiary, &m_diary, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_open_v2(kFoodsFile, &m_foods, SQLITE_OPEN_READWRITE, nullptr);
}

RawLog::~RawLog() {
    sqlite3_close(m_diary);
    sqlite3_close(m_foods);
}

std::vector<LoggedFood> RawLog::Lines(const char* sql, const std::string& date) {
    std::vector<LoggedFood> lines;
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(m_diary, sql, -1, &statement, nullptr);
    if (!date.empty()) {
        sqlite3_bind_text(statement, 1, date.c_str(), -1, SQLITE_TRANSIENT);
    }
    while (sqlite3_step(statement) == SQLITE_ROW) {
        lines.push_back({sqlite3_column_int(statement, 0),
                         Text(statement, 1),
                         {Text(statement, 2), Text(statement, 3), sqlite3_column_int(statement, 4),
                          Text(statement, 5)},
                         sqlite3_column_double(statement, 6)});
    }
    sqlite3_finalize(statement);
    return lines;
}

std::vector<LoggedFood> RawLog::Day(const COleDateTime& day) {
    return Lines("SELECT ROWID, * FROM FoodLog WHERE Date = ? ORDER BY ROWID", LogDate(day));
}

std::vector<LoggedFood> RawLog::Recent() {
    return Lines(
        "SELECT ROWID, * FROM FoodLog WHERE ROWID IN (SELECT MAX(ROWID) FROM FoodLog WHERE "
        "ROWID > (SELECT MAX(ROWID) FROM FoodLog) - 2000 GROUP BY Category, Description, "
        "Calories ORDER BY MAX(ROWID) DESC LIMIT 10) ORDER BY ROWID DESC");
}

std::vector<ListedFood> RawLog::Foods(bool own, const char* filter) {
    const std::string sql = std::string("SELECT ROWID, * FROM [") + (own ? "OwnFood" : "Food") +
                            "] WHERE " + filter + " ORDER BY [Calories] ASC";
    std::vector<ListedFood> foods;
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(own ? m_diary : m_foods, sql.c_str(), -1, &statement, nullptr);
    while (sqlite3_step(statement) == SQLITE_ROW) {
        foods.push_back({{Text(statement, 1), Text(statement, 2), sqlite3_column_int(statement, 3),
                          Text(statement, 4)},
                         own ? sqlite3_column_int(statement, 0) : 0});
    }
    sqlite3_finalize(statement);
    return foods;
}

void RawLog::LogBanana(const std::string& date) {
    Exec(m_diary, "BEGIN IMMEDIATE");
    Exec(m_diary, "INSERT INTO FoodLog VALUES ('" + date + "', 'Fruit', 'Banana', 95, '1', 1.0)");
    Exec(m_diary, "COMMIT");
}

void RawLog::ForgetNewLines() {
    Exec(m_diary, "DELETE FROM FoodLog WHERE ROWID > " + std::to_string(kDays * kLinesADay));
}
