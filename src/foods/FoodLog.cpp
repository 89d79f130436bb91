#include "foods/FoodLog.h"

#include <cmath>
#include <utility>

#include "foods/DiaryAddedTable.h"
#include "foods/FoodLogTable.h"
#include "store/FormatBuffer.h"
#include "store/WhiteSpace.h"

namespace {

int64_t Rounded(double kcal) {
    return static_cast<int64_t>(std::llround(kcal));
}

double ExactKcal(const LoggedFood& line) {
    return line.food.calories * line.servings;
}

void FilterByDay(CFoodLogTable& table, const std::string& date) {
    // The date comes from our own formatting: digits and slashes only.
    FormatBuffer(table.m_filter, "[Date] = '%s'", date.c_str());
    table.m_sort.AssignText("ROWID ASC");
}

LoggedFood LoadedLine(const CFoodLogTable& table) {
    LoggedFood line;
    line.rowId = table.m_currentRowId;
    line.date = TextOf(table.m_strDate);
    line.food = {TextOf(table.m_strCategory), TextOf(table.m_strDescription), table.m_nCalories,
                 TextOf(table.m_strAmount)};
    line.servings = table.m_dServings;
    return line;
}

}  // namespace

int64_t LineKcal(const LoggedFood& line) {
    return Rounded(ExactKcal(line));
}

DayTotal TotalOf(const std::vector<LoggedFood>& lines) {
    double kcal = 0.0;
    for (const LoggedFood& line : lines) {
        kcal += ExactKcal(line);
    }
    return {Rounded(kcal), static_cast<int32_t>(lines.size())};
}

std::string LogDate(const COleDateTime& day) {
    return day.Format("%Y/%m/%d");
}

CFoodLog::CFoodLog(std::string diaryPath) : m_path(std::move(diaryPath)) {}

bool CFoodLog::ReadLines(CFoodLogTable& table, std::vector<LoggedFood>& lines) {
    lines.clear();
    if (ReadEveryRecord(
            table, m_path, [&] { lines.push_back(LoadedLine(table)); }, m_error)) {
        return true;
    }
    lines.clear();
    return false;
}

bool CFoodLog::ReadDay(const COleDateTime& day, std::vector<LoggedFood>& lines) {
    CFoodLogTable table;
    FilterByDay(table, LogDate(day));
    return ReadLines(table, lines);
}

bool CFoodLog::ReadRecent(std::vector<LoggedFood>& recent) {
    CFoodLogTable table;
    // The newest line of each food among the last lines; the row-id range is read from the
    // table's end, so the cost does not grow with the log.
    FormatBuffer(table.m_filter,
                 "ROWID IN (SELECT MAX(ROWID) FROM [FoodLog] WHERE ROWID > "
                 "(SELECT MAX(ROWID) FROM [FoodLog]) - %d GROUP BY [Category], [Description], "
                 "[Calories] ORDER BY MAX(ROWID) DESC LIMIT %d)",
                 kRecentLinesSearched, static_cast<int>(kRecentFoods));
    table.m_sort.AssignText("ROWID DESC");
    return ReadLines(table, recent);
}

bool CFoodLog::ReadAll(std::vector<LoggedFood>& lines) {
    CFoodLogTable table;
    table.m_sort.AssignText("ROWID ASC");
    return ReadLines(table, lines);
}

bool CFoodLog::Append(CFoodLogTable& table, const std::string& date, const FoodRow& food,
                      double servings) {
    if (!table.AddNew()) {
        return false;
    }
    table.m_strDate.AssignText(date.c_str());
    table.m_strCategory.AssignText(food.type.c_str());
    table.m_strDescription.AssignText(food.description.c_str());
    table.m_nCalories = food.calories;
    table.m_strAmount.AssignText(food.amount.c_str());
    table.m_dServings = servings;
    return table.Update();
}

bool CFoodLog::Log(const COleDateTime& day, const FoodRow& food, double servings) {
    CFoodLogTable table;
    const std::string date = LogDate(day);
    return WriteInOneTransaction(
        table, m_path, CFoodLogTable::kDateIndex,
        [&] { return Append(table, date, food, servings); }, m_error);
}

bool CFoodLog::LogQuickEntry(const COleDateTime& day, int32_t kcal, const std::string& note) {
    const std::string description = WithoutEdgeWhiteSpace(note);
    return Log(
        day,
        {kQuickEntryCategory, description.empty() ? kQuickEntryCategory : description, kcal, ""},
        1.0);
}

bool CFoodLog::CopyDay(const COleDateTime& from, const COleDateTime& to, int32_t& copied) {
    CFoodLogTable table;
    const std::string date = LogDate(to);
    copied = 0;
    std::vector<LoggedFood> lines;
    const bool written = WriteInOneTransaction(
        table, m_path, CFoodLogTable::kDateIndex,
        [&] {
            FilterByDay(table, LogDate(from));
            if (!table.Requery() ||
                !ForEachRecord(table, [&] { lines.push_back(LoadedLine(table)); })) {
                return false;
            }
            for (const LoggedFood& line : lines) {
                if (!Append(table, date, line.food, line.servings)) {
                    return false;
                }
            }
            return true;
        },
        m_error);
    if (written) {
        copied = static_cast<int32_t>(lines.size());
    }
    return written;
}

bool CFoodLog::Remove(int32_t rowId) {
    CFoodLogTable table;
    return WriteInOneTransaction(
        table, m_path, CFoodLogTable::kDateIndex,
        [&] {
            bool found = false;
            return LoadRowById(table, rowId, found) && (!found || table.Delete());
        },
        m_error);
}
