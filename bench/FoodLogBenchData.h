#pragma once

#include <sqlite3.h>

#include <string>
#include <vector>

#include "foods/FoodLog.h"
#include "foods/OwnFoods.h"
#include "platform/OleDateTime.h"

// A diary whose food log holds ten years of lines (20 a day, 73 000 lines, the newest today)
// and 200 foods of the user's own, beside a copy of the shipped foods file; made once a run.

constexpr const char* kBenchDiary = "morvane.qeldb";

// The directory of the files; the benchmarks make it the working directory.
const std::string& TenYearLogDir();
// Today as the log was made for it, and a day in the middle of the ten years.
COleDateTime BenchToday();
COleDateTime BenchDayInTheMiddle();

// Raw SQLite's side: the diary and the foods file on connections kept open.
class RawLog {
public:
    RawLog();
    ~RawLog();
    RawLog(const RawLog&) = delete;
    RawLog& operator=(const RawLog&) = delete;

    // The lines a SELECT of "ROWID, *" from the log gives, with `date` bound to its parameter.
    std::vector<LoggedFood> Lines(const char* sql, const std::string& date = "");
    // The day's lines, in the order logged.
    std::vector<LoggedFood> Day(const COleDateTime& day);
    // The newest line of each of the last ten different foods among the last 2 000 lines.
    std::vector<LoggedFood> Recent();
    // The foods of a table the filter finds, ordered by calories.
    std::vector<ListedFood> Foods(bool own, const char* filter);
    // One line written as one transaction.
    void LogBanana(const std::string& date);
    // Removes the lines added since the log was made, so that every run reads the same log.
    void ForgetNewLines();

private:
    sqlite3* m_diary = nullptr;
    sqlite3* m_foods = nullptr;
};
