#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "foods/FoodTable.h"
#include "platform/OleDateTime.h"

class CFoodLogTable;

// The day-by-day log of foods eaten, kept in the diary file: what was logged on a day and its
// total, the foods logged lately, and the writes that log, copy and remove lines. Every write is
// one transaction; a failure leaves the log as it was and says why.

// One line of the log: a food with the calories of one serving, and how many servings.
struct LoggedFood {
    int32_t rowId = 0;
    std::string date;  // "%Y/%m/%d"
    FoodRow food;      // category, description, calories of one serving, amount
    double servings = 1.0;
};

// The calories of a line, to the nearest whole one.
int64_t LineKcal(const LoggedFood& line);

struct DayTotal {
    int64_t kcal = 0;
    int32_t lines = 0;
};

// The sum of the lines' calories before rounding, so that many part servings add up right.
DayTotal TotalOf(const std::vector<LoggedFood>& lines);

// How many different foods the recent list offers, and how far back it looks: the last lines
// logged, so that it costs the same on a log of ten years as on one of ten days.
constexpr size_t kRecentFoods = 10;
constexpr int32_t kRecentLinesSearched = 2000;

// The category that quick entries are logged under.
constexpr const char* kQuickEntryCategory = "Quick entry";

class CFoodLog {
public:
    // `diaryPath` is the diary file; it is opened afresh by every call.
    explicit CFoodLog(std::string diaryPath);

    // The day's lines in the order they were logged; a diary without a log reads as empty.
    bool ReadDay(const COleDateTime& day, std::vector<LoggedFood>& lines);
    // The newest line of each of the last kRecentFoods different foods (same category,
    // description and calories), newest first.
    bool ReadRecent(std::vector<LoggedFood>& recent);
    // Every line, oldest first.
    bool ReadAll(std::vector<LoggedFood>& lines);

    bool Log(const COleDateTime& day, const FoodRow& food, double servings);
    // Logs a number of kcal with a note for a food the table lacks: one serving of that many,
    // described by the note (or as a quick entry when there is none).
    bool LogQuickEntry(const COleDateTime& day, int32_t kcal, const std::string& note);
    // Copies one day's lines to another; `copied` gets how many there were (none is no failure).
    bool CopyDay(const COleDateTime& from, const COleDateTime& to, int32_t& copied);
    // Removes one line; a line that is gone already is no failure.
    bool Remove(int32_t rowId);

    // SQLite's reason for the last call that failed.
    const std::string& LastError() const { return m_error; }

private:
    // Opens the table with its filter and sort and reads every line of the set.
    bool ReadLines(CFoodLogTable& table, std::vector<LoggedFood>& lines);
    // Appends one line to the open table.
    static bool Append(CFoodLogTable& table, const std::string& date, const FoodRow& food,
                       double servings);

    std::string m_path;
    std::string m_error;
};

// The date as the log stores it.
std::string LogDate(const COleDateTime& day);
