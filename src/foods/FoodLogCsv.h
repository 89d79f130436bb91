#pragma once

#include <string>

// The food log as comma-separated values, quoted as the diary's export is: a header, then one
// record per line logged, oldest first, with the day as YYYY-MM-DD and numbers with a dot.
// Columns: Date, Category, Description, Calories (one serving), Amount, Servings, Kcal (the
// line's calories, to the nearest whole one).

struct FoodLogExport {
    bool written = false;
    bool badTarget = false;  // the file named is the diary itself
    std::string said;        // what was done, or why nothing was
};

// Writes the log kept in the diary at `diaryPath` to `csvPath`; the diary is only read. A diary
// without a log writes the header alone.
FoodLogExport ExportFoodLogCsv(const std::string& diaryPath, const std::string& csvPath);
