// Arbitrary bytes as a diary file of comma-separated values. A file read without fault holds
// entries that, written out as an export writes them, read back whole and write the same text.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "Require.h"
#include "diary/DiaryCsvFormat.h"

namespace {

std::string Written(const DiaryCsvText& read) {
    CDiaryTable table;
    std::string text;
    AppendDiaryCsvHeader(text);
    for (const DiaryEntry& entry : read.entries) {
        PutEntry(entry, table);
        AppendEntryRecord(text, table);
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const DiaryCsvText read =
        ReadDiaryCsv(std::string_view(reinterpret_cast<const char*>(data), size));
    Require(read.badLines.size() == std::min<size_t>(read.badLineCount, 1000),
            "the first thousand bad lines are listed and all are counted");
    if (!read.refusal.empty()) {
        Require(read.entries.empty() && read.badLineCount == 0, "a refused file gives nothing");
        return 0;
    }
    const std::string written = Written(read);
    const DiaryCsvText again = ReadDiaryCsv(written);
    Require(again.refusal.empty() && again.badLineCount == 0 &&
                again.entries.size() == read.entries.size(),
            "written entries read back whole");
    Require(Written(again) == written, "entries read back write the same text");
    return 0;
}
