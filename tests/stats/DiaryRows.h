#pragma once

#include <string>
#include <vector>

// Diary entries written straight to a diary file, for the chart tests and benchmarks.
struct DiaryRow {
    std::string date;  // as stored: "%Y/%m/%d"
    double weight = 70.0;
    double calories = 2000.0;
    int activity = 0;
    double bmi = 22.0;
    double bmr = 2000.0;
    std::string format = "Metric";
};

// Adds these rows to the diary file, created when missing, in this order, in one transaction.
bool WriteDiary(const char* path, const std::vector<DiaryRow>& rows);

// `count` rows on consecutive days from the given day, row i with weight 60 + i % 30, calories
// 1500 + i, BMI 18.5 + i % 12 and BMR 1600.4 + i.
std::vector<DiaryRow> DailyRows(int count, int year, int month, int day);
