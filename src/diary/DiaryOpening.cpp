#include "diary/DiaryOpening.h"

#include <filesystem>

#include "diary/BodyMeasures.h"
#include "diary/EntrySave.h"
#include "store/DatabaseFile.h"

namespace {

// The measures of a new diary's profile row, until the user saves it.
constexpr double kSeedWeightKg = 50.0;
constexpr double kSeedHeightCm = 110.0;
constexpr double kSeedCalories = 1500.0;
constexpr double kSeedBMI = 20.0;
constexpr double kSeedBMR = 2200.0;

}  // namespace

DiaryCheck CheckDiary(const CDiaryBackups& backups, bool backUp, const COleDateTime& today) {
    DiaryCheck check;
    const std::string path = backups.DiaryPath();
    std::error_code failure;
    if (!std::filesystem::exists(path, failure)) {
        return check;
    }
    check.health = database_file::Check(path, check.reason);
    if (check.health == database_file::Health::Sound && backUp) {
        backups.BackUp(today, check.backupError);
    }
    return check;
}

DiaryOpening OpenDiary(CDiaryTable& table, const CDiaryBackups& backups, bool backUp,
                       const COleDateTime& today) {
    return OpenDiary(table, backups, CheckDiary(backups, backUp, today), today);
}

DiaryOpening OpenDiary(CDiaryTable& table, const CDiaryBackups& backups, const DiaryCheck& check,
                       const COleDateTime& today) {
    DiaryOpening opening;
    opening.reason = check.reason;
    opening.backupError = check.backupError;
    switch (check.health) {
        case database_file::Health::Damaged:
            opening.state = DiaryOpened::Damaged;
            return opening;
        case database_file::Health::Unreadable:
            return opening;
        case database_file::Health::Sound:
            break;
    }
    const std::string path = backups.DiaryPath();
    if (!table.Open(path.c_str()) && !table.OpenOrCreate(path.c_str())) {
        opening.reason = FailureReason(table);
        return opening;
    }
    if (table.m_recordCount == 0 && !SeedProfileRow(table, today)) {
        opening.reason = FailureReason(table);
        table.Close();
        return opening;
    }
    opening.reason.clear();
    opening.state = DiaryOpened::Opened;
    return opening;
}

bool SeedProfileRow(CDiaryTable& table, const COleDateTime& today) {
    if (!table.AddNew()) {
        return false;
    }
    table.m_strName.AssignText("");
    table.m_nAge = 0;
    table.m_nGender = 0;
    table.m_dWeight = kSeedWeightKg;
    table.m_dHeight = kSeedHeightCm;
    table.m_dCalories = kSeedCalories;
    table.m_nActivity = 0;
    table.m_strDate.AssignText(today.Format("%Y-%m-%d").c_str());
    table.m_strFormat.AssignText(CBodyMeasures::kMetric);
    table.m_dBMI = kSeedBMI;
    table.m_dBMR = kSeedBMR;
    return table.Update() && table.MoveFirst();
}

bool IsUntouchedProfileRow(const CDiaryTable& table) {
    return table.m_currentRowId == kProfileRowId && table.m_strName.Equals("") &&
           table.m_nAge == 0 && table.m_nGender == 0 && table.m_dWeight == kSeedWeightKg &&
           table.m_dHeight == kSeedHeightCm && table.m_dCalories == kSeedCalories &&
           table.m_nActivity == 0 && table.m_strFormat.Equals(CBodyMeasures::kMetric) &&
           table.m_dBMI == kSeedBMI && table.m_dBMR == kSeedBMR;
}
