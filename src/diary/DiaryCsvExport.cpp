#include <filesystem>

#include "diary/DiaryCsv.h"
#include "diary/DiaryCsvFormat.h"
#include "diary/DiaryOpening.h"
#include "diary/EntrySave.h"
#include "store/DatabaseFile.h"
#include "store/TextFile.h"

namespace {

constexpr size_t kUsualRecordSize = 96;

}  // namespace

DiaryCsvReport ExportDiaryCsv(const std::string& diaryPath, const std::string& csvPath) {
    const std::string diaryShown = database_file::FullPath(diaryPath);
    const std::string csvShown = database_file::FullPath(csvPath);
    std::error_code failure;
    if (!std::filesystem::exists(diaryPath, failure)) {
        return {CsvOutcome::FileError, "There is no diary " + diaryShown + " to export"};
    }
    if (std::filesystem::equivalent(diaryPath, csvPath, failure)) {
        return {CsvOutcome::BadInput, csvShown + " is the diary itself: choose another file"};
    }
    CDiaryTable table;
    std::string text;
    AppendDiaryCsvHeader(text);
    const size_t headerSize = text.size();
    size_t entries = 0;
    bool untouched = false;
    table.m_sort.AssignText("ROWID");
    const bool opened = table.Open(diaryPath.c_str());
    // Room for the usual entry, so the text is rarely moved while it grows.
    text.reserve(headerSize + static_cast<size_t>(table.m_recordCount) * kUsualRecordSize);
    const bool read = opened && table.ReadAll([&] {
        untouched = ++entries == 1 && IsUntouchedProfileRow(table);
        AppendEntryRecord(text, table);
    });
    if (!read) {
        return {CsvOutcome::FileError,
                "The diary " + diaryShown + " could not be read: " + FailureReason(table)};
    }
    if (entries == 1 && untouched) {
        text.resize(headerSize);
        entries = 0;
    }
    std::string error;
    if (!text_file::Write(csvPath, text, error)) {
        return {CsvOutcome::FileError, csvShown + " could not be written: " + error};
    }
    return {CsvOutcome::Done, "Exported " + EntriesText(entries) + " to " + csvShown};
}
