#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "diary/DiaryTable.h"

// The diary as comma-separated values: a header naming the eleven columns in their order, then
// one record per entry. Gender, activity and unit system are words, dates YYYY-MM-DD, numbers in
// their shortest form that reads back as the same number, with a dot whatever the locale.

// One entry as the diary stores it.
struct DiaryEntry {
    std::string name;
    int32_t age = 0;
    int32_t gender = 0;
    double weight = 0.0;  // kilograms
    double height = 0.0;  // centimetres
    double calories = 0.0;
    int32_t activity = 0;
    std::string date;    // "%Y/%m/%d"
    std::string format;  // "Metric" or "Imperial"
    double bmi = 0.0;
    double bmr = 0.0;
};

void AppendDiaryCsvHeader(std::string& out);
// The loaded row as one record.
void AppendEntryRecord(std::string& out, const CDiaryTable& table);
void PutEntry(const DiaryEntry& entry, CDiaryTable& table);

// A whole text read as entries.
struct DiaryCsvText {
    std::deque<DiaryEntry> entries;  // grows without moving what it holds
    // The records that are no entry the diary can hold, "line 4: why": the first thousand of
    // them, and how many there are.
    std::vector<std::string> badLines;
    size_t badLineCount = 0;
    // Why the text as a whole is no diary (empty, another header); empty when it is one.
    std::string refusal;
};

// Entries are what the diary panel can save: a name, an age of 1 to 150, the weights and heights
// its sliders reach in either unit system, calories 0 to 30000, a real day, known words and
// finite numbers.
DiaryCsvText ReadDiaryCsv(std::string_view text);
