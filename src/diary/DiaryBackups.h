#pragma once

#include <string>
#include <vector>

#include "platform/OleDateTime.h"

// The diary's automatic backups, in "backups/" beside it: at most one copy a day, named
// "morvane-YYYY-MM-DD.qeldb". The newest seven copies are kept, and one a week for eight weeks.

struct DiaryBackup {
    std::string path;  // inside the data folder
    std::string day;   // "YYYY-MM-DD"
};

// The days (as in the names, newest first) that are no longer kept on `today`.
std::vector<std::string> BackupsToDrop(const std::vector<std::string>& newestFirst,
                                       const COleDateTime& today);

class CDiaryBackups {
public:
    // `folder` is the data folder that holds the diary.
    explicit CDiaryBackups(std::string folder = ".");

    std::string DiaryPath() const;
    std::string BackupFolder() const;

    // Copies the diary into today's backup, replacing an earlier copy of the same day, then drops
    // the copies no longer kept. The caller has checked the diary first: a damaged one is never
    // copied.
    bool BackUp(const COleDateTime& today, std::string& error) const;
    // The backups there are, newest first.
    std::vector<DiaryBackup> List() const;
    // Moves the diary aside (never deleting it) as "morvane.qeldb.<label>-YYYYMMDD-HHMMSS",
    // together with any journal, then copies the backup in. `aside` gets the name it was moved to
    // (empty when there was no diary).
    bool Restore(const DiaryBackup& backup, const std::string& label, const COleDateTime& now,
                 std::string& aside, std::string& error) const;

private:
    std::string m_folder;
};
