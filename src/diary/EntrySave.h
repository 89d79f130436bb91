#pragma once

#include <cstdint>
#include <string>

#include "diary/BodyMeasures.h"
#include "diary/DiaryTable.h"
#include "platform/OleDateTime.h"

// The rules of saving a diary entry, apart from the panel that gathers it: the checks, the
// fields written, one transaction for the entry and the profile copy.

// What the diary panel holds when the user saves, as the user left it.
struct EntryForm {
    std::string name;      // as typed
    std::string calories;  // as typed
    std::string age;       // as typed
    int32_t activity = 0;  // 0 no exercise ... 4 very hard exercise or sport
    int32_t gender = 0;    // 0 female, 1 male
    bool imperial = false;
    COleDateTime date;  // the day picked; its time of day is dropped
};

// The checks of a save, in the order they run.
enum class EntryCheck { Passed, Name, Calories, Age };

// What the user is told when a check fails: "Check Name Field" and so on.
const char* CheckMessage(EntryCheck check);

// Numbers a diary entry can hold; anything else fails its check.
constexpr int64_t kLowestAge = 1;
constexpr int64_t kHighestAge = 150;
constexpr int64_t kLowestCalories = 0;
constexpr int64_t kHighestCalories = 30000;

// An optional sign and the digits after it; a text that starts otherwise reads as 0.
int64_t LeadingInteger(const std::string& text);

// Moves the form into the fields of the table's pending write, check by check; a failed check
// stops there, leaving the fields set so far and the write pending for the next save. The
// measures take the age, activity and gender, and give weight, height, BMI and calorie need.
EntryCheck TakeEntry(const EntryForm& form, CBodyMeasures& measures, CDiaryTable& table);

// Writes the pending entry, then copies the profile to every row, in one transaction. True with
// the saved row's id; on failure nothing is stored, no write is pending, the table is back on
// the row it was on, and `failure` says why.
bool WriteEntry(CDiaryTable& table, const CBodyMeasures& measures, int32_t& savedRowId,
                std::string& failure);

// The profile row's name, unit system and gender, which every other row carries.
struct DiaryProfile {
    std::string name;
    std::string format;
    int32_t gender = 0;
};

// The profile as the loaded row holds it.
DiaryProfile ProfileOf(const CDiaryTable& table);

// Gives the loaded row's fields the profile; a changed gender also recomputes the row's calorie
// need with `rowMeasures`. True when a field changed. Nothing is written.
bool TakeProfile(CDiaryTable& table, const DiaryProfile& profile, CBodyMeasures& rowMeasures);

// Copies the profile row's name, unit system and gender to every other row; a changed gender
// also recomputes that row's calorie need with `rowMeasures`. Meant to run inside a transaction;
// false when a row could not be read or written.
bool PropagateProfile(CDiaryTable& table, CBodyMeasures rowMeasures);

// SQLite's reason for the table's last failure, or a plain one when it gave none.
std::string FailureReason(const CSqliteTable& table);
