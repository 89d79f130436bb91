#pragma once

#include <string>
#include <utility>
#include <vector>

#include "diary/DiaryBackups.h"
#include "platform/OleDateTime.h"

// Export of the diary to a comma-separated file, and import from one, for the command line and
// the menu alike: each says what it did, or why nothing was done.

enum class CsvOutcome {
    Done,
    BadInput,   // the file is no diary file, or the target is the diary itself
    FileError,  // a file (the diary included) cannot be read or written
};

struct DiaryCsvReport {
    DiaryCsvReport(CsvOutcome how, std::string said) : outcome(how), summary(std::move(said)) {}

    CsvOutcome outcome;
    std::string summary;                // what was done, or why nothing was
    std::vector<std::string> badLines;  // an import's refused lines, "line 4: why"
    size_t badLineCount = 0;            // all of them, also those past the list

    // The summary, then at most `shown` bad lines one to a line, and how many more there are.
    std::string Text(size_t shown) const;
};

// "1 entry", "12 entries".
std::string EntriesText(size_t count);

// Writes every entry of the diary at `diaryPath` to `csvPath`, in row-id order. The diary is only
// read. A diary holding nothing but its untouched first row has no
// entries yet.
DiaryCsvReport ExportDiaryCsv(const std::string& diaryPath, const std::string& csvPath);

// Adds the entries of `csvPath` to the diary of the backups' folder, all in one transaction or
// none, after opening the diary as start-up does (checked, backed up, created and seeded when
// missing). A file with any record that is no entry is refused whole and the diary not opened.
// Into a diary with nothing but its untouched first row, the first entry takes that row; the
// entries then carry the profile's name, gender and unit system, as after a save, and an entry
// equal in every column to one the diary held before is skipped.
DiaryCsvReport ImportDiaryCsv(const std::string& csvPath, const CDiaryBackups& backups,
                              const COleDateTime& today);
