// Arbitrary text read as a date in one of several locales, then formatted and moved in time.
// Input: byte 0 picks the locale, byte 1 the parse flags, bytes 2 and 3 a day offset; then the
// date text up to the first line feed and a format text after it.

#include <clocale>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "Require.h"
#include "platform/DatePattern.h"
#include "platform/OleDateTime.h"

namespace {

// Short dates of several shapes: month first, day first, year first, words between the numbers.
constexpr const char* kLocales[] = {"C",           "en_US.UTF-8", "en_GB.UTF-8", "de_DE.UTF-8",
                                    "hu_HU.UTF-8", "ja_JP.UTF-8", "fa_IR.UTF-8", "bg_BG.UTF-8"};
constexpr size_t kHeaderSize = 4;

void UseLocale(uint8_t choice) {
    static size_t current = SIZE_MAX;
    const size_t wanted = choice % std::size(kLocales);
    if (wanted != current) {
        std::setlocale(LC_TIME, kLocales[wanted]);
        current = wanted;
    }
}

// A valid date keeps its promises: fields in range and a day that reads back as itself.
void CheckValidDate(const COleDateTime& date, bool dateOnly) {
    Require(date.GetYear() >= 100 && date.GetYear() <= 9999, "a valid year lies in 100..9999");
    Require(date.GetMonth() >= 1 && date.GetMonth() <= 12, "a valid month lies in 1..12");
    Require(date.GetDayOfWeek() >= 1 && date.GetDayOfWeek() <= 7, "a weekday lies in 1..7");
    if (dateOnly) {
        Require(date.GetHour() == 0 && date.GetMinute() == 0 && date.GetSecond() == 0,
                "a date read without its time has none");
    }
    COleDateTime again;
    Require(again.ParseDateTime(date.Format("%Y/%m/%d").c_str(), VAR_DATEVALUEONLY) &&
                again.GetYear() == date.GetYear() && again.GetMonth() == date.GetMonth() &&
                again.GetDay() == date.GetDay(),
            "a stored date reads back as the same day");
}

void CheckArithmetic(const COleDateTime& date, int16_t days) {
    const COleDateTime moved = date + COleDateTimeSpan(static_cast<double>(days));
    if (moved.GetStatus() != COleDateTime::valid) {
        return;
    }
    CheckValidDate(moved, false);
    Require(std::fabs((moved - date).GetTotalDays() - days) < 1e-6,
            "a moved date lies the span away");
    Require(days > 0   ? moved > date
            : days < 0 ? moved < date
                       : moved == date,
            "moving forward gives a later date");
    Require((moved - COleDateTimeSpan(static_cast<double>(days))).Format("%Y/%m/%d %H:%M:%S") ==
                date.Format("%Y/%m/%d %H:%M:%S"),
            "moving back returns to the same moment");
}

// The date text as a pattern reader sees it, with the format text as the pattern.
void CheckPatternReader(std::string_view text, std::string_view pattern) {
    std::string_view rest = text;
    DateFields fields;
    if (ReadDateFields(rest, pattern, fields)) {
        Require(rest.data() + rest.size() == text.data() + text.size(),
                "what follows a read date is the end of the text");
    } else {
        Require(rest == text, "a failed read leaves the text as it was");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < kHeaderSize) {
        return 0;
    }
    UseLocale(data[0]);
    const DWORD flags = (data[1] & 1) != 0 ? VAR_DATEVALUEONLY : 0;
    int16_t days = 0;
    std::memcpy(&days, data + 2, sizeof days);
    const std::string rest(reinterpret_cast<const char*>(data + kHeaderSize), size - kHeaderSize);
    const size_t split = rest.find('\n');
    const std::string text = rest.substr(0, split);
    const std::string format = split == std::string::npos ? "%c %x %A %B" : rest.substr(split + 1);

    CheckPatternReader(text, format);
    COleDateTime date;
    const bool parsed = date.ParseDateTime(text.c_str(), flags);
    Require(parsed == (date.GetStatus() == COleDateTime::valid), "the result tells the status");
    (void)date.Format(format.c_str());
    if (parsed) {
        CheckValidDate(date, flags != 0);
    }
    CheckArithmetic(date, days);
    return 0;
}
