#include "foods/FoodLogCsv.h"

#include <array>
#include <charconv>
#include <filesystem>
#include <string_view>
#include <vector>

#include "foods/FoodLog.h"
#include "store/CsvText.h"
#include "store/DatabaseFile.h"
#include "store/TextFile.h"

namespace {

constexpr std::string_view kHeader[] = {"Date",   "Category", "Description", "Calories",
                                        "Amount", "Servings", "Kcal"};

// The shortest text that reads back as the same number.
template <class Number>
std::string NumberText(Number value) {
    std::array<char, 32> text{};
    const std::to_chars_result end = std::to_chars(text.data(), text.data() + text.size(), value);
    return {text.data(), end.ptr};
}

// "2026/12/07" as stored, "2026-12-07" as written.
std::string IsoDate(std::string date) {
    for (char& c : date) {
        c = c == '/' ? '-' : c;
    }
    return date;
}

void AppendLine(std::string& out, const LoggedFood& line) {
    const std::string fields[] = {IsoDate(line.date),
                                  line.food.type,
                                  line.food.description,
                                  NumberText(line.food.calories),
                                  line.food.amount,
                                  NumberText(line.servings),
                                  NumberText(LineKcal(line))};
    std::vector<std::string_view> views(std::begin(fields), std::end(fields));
    AppendCsvRecord(out, views);
}

}  // namespace

FoodLogExport ExportFoodLogCsv(const std::string& diaryPath, const std::string& csvPath) {
    FoodLogExport done;
    const std::string diaryShown = database_file::FullPath(diaryPath);
    const std::string csvShown = database_file::FullPath(csvPath);
    std::error_code failure;
    if (!std::filesystem::exists(diaryPath, failure)) {
        done.said = "There is no diary " + diaryShown + " to export the food log of";
        return done;
    }
    if (std::filesystem::equivalent(diaryPath, csvPath, failure)) {
        done.badTarget = true;
        done.said = csvShown + " is the diary itself: choose another file";
        return done;
    }
    CFoodLog log(diaryPath);
    std::vector<LoggedFood> lines;
    if (!log.ReadAll(lines)) {
        done.said = "The food log in " + diaryShown + " could not be read: " + log.LastError();
        return done;
    }
    std::string text;
    AppendCsvRecord(text, kHeader);
    for (const LoggedFood& line : lines) {
        AppendLine(text, line);
    }
    std::string error;
    if (!text_file::Write(csvPath, text, error)) {
        done.said = csvShown + " could not be written: " + error;
        return done;
    }
    done.written = true;
    done.said = "Exported " + std::to_string(lines.size()) +
                (lines.size() == 1 ? " line" : " lines") + " of the food log to " + csvShown;
    return done;
}
