#include "diary/DiaryBackups.h"

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <set>

#include "diary/DiaryTable.h"
#include "store/DatabaseFile.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kBackupFolder = "backups";
constexpr const char* kPrefix = "morvane-";
constexpr const char* kSuffix = ".qeldb";
constexpr size_t kDailyKept = 7;
constexpr long kWeeksKept = 8;
constexpr long kDaysPerWeek = 7;
// What SQLite may keep beside a diary; it belongs to that file and moves with it.
constexpr const char* kCompanions[] = {"-journal", "-wal", "-shm"};

// The day of a backup's file name, or "" for a file that is not one.
std::string DayOfName(const std::string& name) {
    const std::string prefix = kPrefix;
    const std::string suffix = kSuffix;
    if (name.size() != prefix.size() + 10 + suffix.size() || name.rfind(prefix, 0) != 0 ||
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0) {
        return "";
    }
    const std::string day = name.substr(prefix.size(), 10);
    COleDateTime parsed;
    return parsed.ParseDateTime(day.c_str(), VAR_DATEVALUEONLY) && parsed.Format("%Y-%m-%d") == day
               ? day
               : "";
}

bool MoveAside(const std::string& from, const std::string& to, std::string& error) {
    std::error_code failure;
    fs::rename(from, to, failure);
    if (failure) {
        error = failure.message();
        return false;
    }
    return true;
}

}  // namespace

std::vector<std::string> BackupsToDrop(const std::vector<std::string>& newestFirst,
                                       const COleDateTime& today) {
    std::set<long> weeksSeen;
    std::vector<std::string> dropped;
    for (size_t i = 0; i < newestFirst.size(); ++i) {
        COleDateTime day;
        if (!day.ParseDateTime(newestFirst[i].c_str(), VAR_DATEVALUEONLY)) {
            continue;
        }
        const long age = (today - day).GetDays();
        // The newest copy of each of the last weeks stays, whatever else is dropped.
        const long week = age >= 0 ? age / kDaysPerWeek : -1;
        const bool newestOfItsWeek = week >= 0 && week < kWeeksKept && weeksSeen.insert(week).second;
        if (i >= kDailyKept && !newestOfItsWeek && age >= 0) {
            dropped.push_back(newestFirst[i]);
        }
    }
    return dropped;
}

CDiaryBackups::CDiaryBackups(std::string folder) : m_folder(std::move(folder)) {}

std::string CDiaryBackups::DiaryPath() const {
    return (fs::path(m_folder) / kDiaryFile).string();
}

std::string CDiaryBackups::BackupFolder() const {
    return (fs::path(m_folder) / kBackupFolder).string();
}

bool CDiaryBackups::BackUp(const COleDateTime& today, std::string& error) const {
    std::error_code failure;
    fs::create_directories(BackupFolder(), failure);
    if (failure) {
        error = failure.message();
        return false;
    }
    const std::string day = today.Format("%Y-%m-%d");
    const fs::path target = fs::path(BackupFolder()) / (kPrefix + day + kSuffix);
    if (!database_file::Copy(DiaryPath(), target.string(), error)) {
        return false;
    }
    std::vector<std::string> days;
    for (const DiaryBackup& backup : List()) {
        days.push_back(backup.day);
    }
    for (const std::string& dropped : BackupsToDrop(days, today)) {
        fs::remove(fs::path(BackupFolder()) / (kPrefix + dropped + kSuffix), failure);
    }
    return true;
}

std::vector<DiaryBackup> CDiaryBackups::List() const {
    std::vector<DiaryBackup> backups;
    std::error_code failure;
    for (const fs::directory_entry& entry : fs::directory_iterator(BackupFolder(), failure)) {
        const std::string day = DayOfName(entry.path().filename().string());
        if (!day.empty() && entry.is_regular_file(failure)) {
            backups.push_back({entry.path().string(), day});
        }
    }
    std::sort(backups.begin(), backups.end(),
              [](const DiaryBackup& a, const DiaryBackup& b) { return a.day > b.day; });
    return backups;
}

bool CDiaryBackups::Restore(const DiaryBackup& backup, const std::string& label,
                            const COleDateTime& now, std::string& aside,
                            std::string& error) const {
    aside.clear();
    std::error_code failure;
    if (fs::exists(DiaryPath(), failure)) {
        aside = std::string(kDiaryFile) + "." + label + "-" + now.Format("%Y%m%d-%H%M%S");
        const fs::path asidePath = fs::path(m_folder) / aside;
        if (fs::exists(asidePath, failure) || !MoveAside(DiaryPath(), asidePath.string(), error)) {
            if (error.empty()) {
                error = asidePath.string() + " is there already";
            }
            aside.clear();
            return false;
        }
        // A journal left beside the old file would be played into the restored one.
        for (const char* companion : kCompanions) {
            const std::string from = DiaryPath() + companion;
            if (fs::exists(from, failure) &&
                !MoveAside(from, asidePath.string() + companion, error)) {
                return false;
            }
        }
    }
    return database_file::Copy(backup.path, DiaryPath(), error);
}
