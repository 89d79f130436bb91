#pragma once

#include <string>

#include "diary/DiaryBackups.h"
#include "diary/DiaryTable.h"
#include "platform/OleDateTime.h"
#include "store/DatabaseFile.h"

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

// What the check of the diary file found, before anything was written to it.
struct DiaryCheck {
    database_file::Health health = database_file::Health::Sound;  // Sound when there is no file
    std::string reason;                                           // when not sound
    std::string backupError;  // set when the day's backup could not be made
};

// Checks the diary of the backups' folder, when there is one, and backs it up when sound and
// `backUp` is set.
DiaryCheck CheckDiary(const CDiaryBackups& backups, bool backUp, const COleDateTime& today);

// Opens the diary that `check` found sound (or missing) into `table`, creating a missing one
// and seeding a new diary's profile row dated `today`. A damaged or unreadable diary is left
// as it is.
DiaryOpening OpenDiary(CDiaryTable& table, const CDiaryBackups& backups, const DiaryCheck& check,
                       const COleDateTime& today);
// Checks, backs up when `backUp`, and opens, as the two above.
DiaryOpening OpenDiary(CDiaryTable& table, const CDiaryBackups& backups, bool backUp,
                       const COleDateTime& today);

// The first row of a new diary: the profile the user completes before adding entries.
bool SeedProfileRow(CDiaryTable& table, const COleDateTime& today);

// True when the loaded row is that first row as seeded, on whatever day, and never saved since.
bool IsUntouchedProfileRow(const CDiaryTable& table);
