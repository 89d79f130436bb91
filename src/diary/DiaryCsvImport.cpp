#include <optional>
#include <unordered_set>

#include "diary/DiaryCsv.h"
#include "diary/DiaryCsvFormat.h"
#include "diary/DiaryOpening.h"
#include "diary/EntrySave.h"
#include "store/DatabaseFile.h"
#include "store/TextFile.h"
#include "store/Transaction.h"

namespace {

// Far more than a lifetime of daily entries; a larger file is no diary, and reading it whole
// could exhaust the memory.
constexpr uint64_t kLargestFile = uint64_t{32} << 20;

constexpr const char* kNothingWritten = "Nothing was written to the diary.";

struct ImportCounts {
    size_t imported = 0;
    size_t skipped = 0;
};

// The diary as the import finds it, inside its transaction.
struct StoredRows {
    size_t count = 0;
    bool onlyUntouchedProfile = false;
    std::optional<DiaryProfile> profile;
    // Some row does not carry the profile: the import ends with a profile copy as a save does.
    bool outOfStep = false;
    // Every row as its record, as it will be stored once it carries the profile.
    std::unordered_set<std::string> records;
};

std::string RecordOf(const CDiaryTable& table) {
    std::string record;
    AppendEntryRecord(record, table);
    return record;
}

bool ReadStoredRows(CDiaryTable& table, CBodyMeasures& measures, StoredRows& rows) {
    table.m_filter.AssignText("");
    table.m_sort.AssignText("ROWID");
    // The profile row has the lowest row id there is, so it comes first.
    return table.ReadAll([&] {
        ++rows.count;
        if (table.m_currentRowId == kProfileRowId) {
            rows.profile = ProfileOf(table);
            rows.onlyUntouchedProfile = IsUntouchedProfileRow(table);
        } else if (rows.profile) {
            rows.outOfStep = TakeProfile(table, *rows.profile, measures) || rows.outOfStep;
        }
        rows.records.insert(RecordOf(table));
    });
}

// The first entry of a new diary replaces its untouched profile row, since rows are never
// deleted, and becomes the profile of the rest.
bool TakeProfileRow(CDiaryTable& table, const DiaryEntry& entry, StoredRows& rows) {
    if (!table.MoveFirst() || table.m_currentRowId != kProfileRowId || !table.Edit()) {
        return false;
    }
    PutEntry(entry, table);
    if (!table.Update()) {
        return false;
    }
    rows.records.clear();
    rows.profile = ProfileOf(table);
    return true;
}

bool AddEntries(CDiaryTable& table, const std::deque<DiaryEntry>& entries, ImportCounts& counts) {
    CTransaction transaction(table);
    CBodyMeasures measures;
    StoredRows rows;
    if (!transaction.Begun() || !ReadStoredRows(table, measures, rows)) {
        return false;
    }
    size_t next = 0;
    if (rows.count == 1 && rows.onlyUntouchedProfile && !entries.empty()) {
        if (!TakeProfileRow(table, entries.front(), rows)) {
            return false;
        }
        next = counts.imported = 1;
    }
    const bool appended = table.AppendRows([&] {
        while (next < entries.size()) {
            PutEntry(entries[next++], table);
            if (rows.profile) {
                TakeProfile(table, *rows.profile, measures);
            }
            if (rows.records.empty() || !rows.records.contains(RecordOf(table))) {
                ++counts.imported;
                return true;
            }
            ++counts.skipped;
        }
        return false;
    });
    if (!appended) {
        return false;
    }
    if (rows.outOfStep) {
        table.m_sort.AssignText("");
        if (!table.Requery() || !PropagateProfile(table, measures)) {
            return false;
        }
    }
    return transaction.Commit();
}

DiaryCsvReport Refuse(CsvOutcome outcome, const std::string& why) {
    return {outcome, why + ". " + kNothingWritten};
}

}  // namespace

DiaryCsvReport ImportDiaryCsv(const std::string& csvPath, const CDiaryBackups& backups,
                              const COleDateTime& today) {
    const std::string csvShown = database_file::FullPath(csvPath);
    std::string text;
    bool tooLarge = false;
    std::string error;
    if (!text_file::Read(csvPath, kLargestFile, text, tooLarge, error)) {
        return Refuse(tooLarge ? CsvOutcome::BadInput : CsvOutcome::FileError,
                      csvShown + " could not be read: " + error);
    }
    const DiaryCsvText read = ReadDiaryCsv(text);
    if (!read.refusal.empty()) {
        return Refuse(CsvOutcome::BadInput, csvShown + " is no diary file: " + read.refusal);
    }
    if (read.badLineCount > 0) {
        DiaryCsvReport report = Refuse(
            CsvOutcome::BadInput,
            csvShown + " cannot be imported: " + std::to_string(read.badLineCount) +
                " of its lines " + (read.badLineCount == 1 ? "is" : "are") + " no diary entry");
        report.badLines = read.badLines;
        report.badLineCount = read.badLineCount;
        return report;
    }

    const std::string diaryShown = database_file::FullPath(backups.DiaryPath());
    CDiaryTable table;
    const DiaryOpening opening = OpenDiary(table, backups, true, today);
    switch (opening.state) {
        case DiaryOpened::Damaged:
            return Refuse(CsvOutcome::FileError,
                          "The diary " + diaryShown + " is damaged: " + opening.reason);
        case DiaryOpened::Failed:
            return Refuse(CsvOutcome::FileError,
                          "The diary " + diaryShown + " could not be opened: " + opening.reason);
        case DiaryOpened::Opened:
            break;
    }
    // Nothing is written into a diary that has no copy of how it was.
    if (!opening.backupError.empty()) {
        return Refuse(CsvOutcome::FileError, "The diary could not be backed up into " +
                                                 database_file::FullPath(backups.BackupFolder()) +
                                                 ": " + opening.backupError);
    }
    ImportCounts counts;
    if (!AddEntries(table, read.entries, counts)) {
        return Refuse(CsvOutcome::FileError,
                      "The diary " + diaryShown + " could not be written: " + FailureReason(table));
    }
    return {CsvOutcome::Done, "Imported " + EntriesText(counts.imported) + ", skipped " +
                                  std::to_string(counts.skipped) + " already in the diary"};
}
