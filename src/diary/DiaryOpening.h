#pragma once

#include <string>

#include "diary/DiaryBackups.h"
#include "diary/DiaryTable.h"
#include "platform/OleDateTime.h"

// Opening the diary file: checked before anything is written, backed up once a run when sound,
// created and seeded with the profile row when missing.

enum class DiaryOpened {
    Opened,   // the table is open and holds at least the profile row
    Damaged,  // the file failed its check; it was neither opened nor written
    Failed,   // the file could not be opened or created (locked, no permission, disk full...)
};

struct DiaryOpening {
    DiaryOpened state = DiaryOpened::Failed;
    std::string reason;       // SQLite's reason when not opened
    std::string backupError;  // set when the day's backup could not be made; the diary still opens
};

// Checks, backs up (when `backUp` and the file is there and sound) and opens the diary of the
// backups' folder into `table`, seeding a new diary's profile row dated `today`.
DiaryOpening OpenDiary(CDiaryTable& table, const CDiaryBackups& backups, bool backUp,
                       const COleDateTime& today);

// The first row of a new diary: the profile the user completes before adding entries.
bool SeedProfileRow(CDiaryTable& table, const COleDateTime& today);

// True when the loaded row is that first row as seeded, on whatever day, and never saved since.
bool IsUntouchedProfileRow(const CDiaryTable& table);
