#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "foods/FoodLog.h"

// What the food log shows and reads back from what the user types.

// Servings a line may have.
constexpr double kFewestServings = 0.25;
constexpr double kMostServings = 20.0;
// kcal a quick entry may log.
constexpr int64_t kFewestQuickKcal = 1;
constexpr int64_t kMostQuickKcal = 10000;

// Whole kcal with a thin space between groups of three digits: "1 240", "12 345".
std::string GroupedKcal(int64_t kcal);
// "Today: 1 240 kcal in 5 foods"; "Today: nothing logged yet" for an empty day.
std::string TodayTotalText(const DayTotal& total);
// "1 240 kcal in 5 foods"; "Nothing logged on this day" for an empty day.
std::string DayTotalText(const DayTotal& total);
// Servings with at most two decimals and no trailing zeros: "1", "0.5", "1.25".
std::string ServingsText(double servings);
// A text cut to `characters` characters (not bytes) with an ellipsis when it was longer.
std::string Shortened(const std::string& text, size_t characters);

// A number typed with a point or a comma, blanks around it allowed; false unless it is one
// number within the bounds.
bool ParseNumber(const std::string& typed, double lowest, double highest, double& value);
// A whole number, blanks around it allowed; false unless it is within the bounds.
bool ParseWholeNumber(const std::string& typed, int64_t lowest, int64_t highest, int32_t& value);
