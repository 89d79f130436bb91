#include "platform/OleDateTime.h"

#include <langinfo.h>

#include <cmath>
#include <cstdio>
#include <string_view>

#include "platform/DatePattern.h"

namespace {

constexpr double kSecondsPerDay = 86400.0;
// Day 0 of the OLE count, 30 December 1899, lies this many days before 1 January 1970.
constexpr long kOleDayOfUnixEpoch = 25569;
// Valid values run from 1 January 100 up to the last second of 31 December 9999 (kept half a
// second clear so that rounding to whole seconds never reaches the year 10000).
constexpr DATE kFirstValidDay = -657434.0;
constexpr DATE kEndOfValidDays = 2958466.0 - 0.5 / kSecondsPerDay;
constexpr int kFirstYear = 100;
constexpr int kLastYear = 9999;

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Days since 1 January 1970 in the proleptic Gregorian calendar (H. Hinnant's algorithm).
long DaysFromCivil(int year, int month, int day) {
    const long y = year - (month <= 2 ? 1 : 0);
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yearOfEra = y - era * 400;
    const long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void CivilFromDays(long days, int& year, int& month, int& day) {
    days += 719468;
    const long era = (days >= 0 ? days : days - 146096) / 146097;
    const long dayOfEra = days - era * 146097;
    const long yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long monthIndex = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

bool IsInRange(DATE dt) {
    return dt > kFirstValidDay - 1.0 && dt < kEndOfValidDays;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// A date in the given pattern, then optionally a time of day, then nothing.
bool ReadDateTime(std::string_view text, const char* pattern, DateFields& fields) {
    if (!ReadDateFields(text, pattern, fields)) {
        return false;
    }
    if (!text.empty() && !ReadDateFields(text, " %H:%M:%S", fields) &&
        !ReadDateFields(text, " %H:%M", fields)) {
        return false;
    }
    return text.empty();
}

bool IsFormatFlag(char c) {
    return c == '-' || c == '_' || c == '0' || c == '^' || c == '#' || c == 'E' || c == 'O';
}

// Writes a plain numeric code itself so that its text never depends on the locale.
bool AppendNumber(std::string& text, char code, const std::tm& parts) {
    const char* layout = "%02d";
    int value = 0;
    switch (code) {
        case 'Y':
            layout = "%04d";
            value = parts.tm_year + 1900;
            break;
        case 'y':
            value = (parts.tm_year + 1900) % 100;
            break;
        case 'm':
            value = parts.tm_mon + 1;
            break;
        case 'd':
            value = parts.tm_mday;
            break;
        case 'e':
            layout = "%2d";
            value = parts.tm_mday;
            break;
        case 'j':
            layout = "%03d";
            value = parts.tm_yday + 1;
            break;
        case 'H':
            value = parts.tm_hour;
            break;
        case 'M':
            value = parts.tm_min;
            break;
        case 'S':
            value = parts.tm_sec;
            break;
        default:
            return false;
    }
    char digits[16];
    std::snprintf(digits, sizeof digits, layout, value);
    text += digits;
    return true;
}

// Month and day names and every other code, in the LC_TIME locale.
std::string FormatInLocale(const std::string& code, const std::tm& parts) {
    char buffer[256];
    const std::size_t length = std::strftime(buffer, sizeof buffer, code.c_str(), &parts);
    return std::string(buffer, length);
}

}  // namespace

COleDateTimeSpan::COleDateTimeSpan(long days, int hours, int minutes, int seconds)
    : m_span(static_cast<double>(days) +
             (hours * 3600.0 + minutes * 60.0 + seconds) / kSecondsPerDay) {}

COleDateTime::COleDateTime(DATE date) : m_dt(date), m_status(IsInRange(date) ? valid : invalid) {}

COleDateTime::COleDateTime(int year, int month, int day, int hour, int minute, int second) {
    SetDateTime(year, month, day, hour, minute, second);
}

COleDateTime COleDateTime::GetCurrentTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const int second = local.tm_sec > 59 ? 59 : local.tm_sec;  // a leap second
    return COleDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                        local.tm_min, second);
}

bool COleDateTime::SetDate(int year, int month, int day) {
    return SetDateTime(year, month, day, 0, 0, 0);
}

bool COleDateTime::SetDateTime(int year, int month, int day, int hour, int minute, int second) {
    const bool ok = year >= kFirstYear && year <= kLastYear && month >= 1 && month <= 12 &&
                    day >= 1 && day <= DaysInMonth(year, month) && hour >= 0 && hour < 24 &&
                    minute >= 0 && minute < 60 && second >= 0 && second < 60;
    if (!ok) {
        m_dt = 0.0;
        m_status = invalid;
        return false;
    }
    const double wholeDays =
        static_cast<double>(DaysFromCivil(year, month, day) + kOleDayOfUnixEpoch);
    const double timeOfDay = (hour * 3600.0 + minute * 60.0 + second) / kSecondsPerDay;
    m_dt = wholeDays >= 0 ? wholeDays + timeOfDay : wholeDays - timeOfDay;
    m_status = valid;
    return true;
}

bool COleDateTime::ParseDateTime(const char* text, DWORD flags, LCID /*only the user's locale*/) {
    m_dt = 0.0;
    m_status = invalid;
    if (text == nullptr) {
        return false;
    }
    const std::string_view trimmed = Trimmed(text);
    const char* const patterns[] = {"%Y/%m/%d", "%Y-%m-%d", nl_langinfo(D_FMT)};
    for (const char* pattern : patterns) {
        DateFields fields;
        if (ReadDateTime(trimmed, pattern, fields)) {
            // A time of day that does not exist makes the whole text invalid, dropped or not.
            const bool ok = SetDateTime(fields.year, fields.month, fields.day, fields.hour,
                                        fields.minute, fields.second);
            return ok && ((flags & VAR_DATEVALUEONLY) == 0 ||
                          SetDate(fields.year, fields.month, fields.day));
        }
    }
    return false;
}

bool COleDateTime::GetParts(std::tm& parts) const {
    if (m_status != valid) {
        return false;
    }
    const double whole = std::trunc(m_dt);
    long day = static_cast<long>(whole);
    long seconds = std::lround(std::fabs(m_dt - whole) * kSecondsPerDay);
    if (seconds >= static_cast<long>(kSecondsPerDay)) {
        ++day;
        seconds = 0;
    }
    int year = 0, month = 0, dayOfMonth = 0;
    CivilFromDays(day - kOleDayOfUnixEpoch, year, month, dayOfMonth);
    parts = std::tm{};
    parts.tm_year = year - 1900;
    parts.tm_mon = month - 1;
    parts.tm_mday = dayOfMonth;
    parts.tm_hour = static_cast<int>(seconds / 3600);
    parts.tm_min = static_cast<int>(seconds / 60 % 60);
    parts.tm_sec = static_cast<int>(seconds % 60);
    parts.tm_wday = static_cast<int>(((day + 6) % 7 + 7) % 7);  // day 0 was a Saturday
    parts.tm_yday =
        static_cast<int>(DaysFromCivil(year, month, dayOfMonth) - DaysFromCivil(year, 1, 1));
    parts.tm_isdst = -1;
    return true;
}

int COleDateTime::GetPart(int std::tm::*part, int offset) const {
    std::tm parts;
    return GetParts(parts) ? parts.*part + offset : -1;
}

int COleDateTime::GetYear() const {
    return GetPart(&std::tm::tm_year, 1900);
}
int COleDateTime::GetMonth() const {
    return GetPart(&std::tm::tm_mon, 1);
}
int COleDateTime::GetDay() const {
    return GetPart(&std::tm::tm_mday, 0);
}
int COleDateTime::GetHour() const {
    return GetPart(&std::tm::tm_hour, 0);
}
int COleDateTime::GetMinute() const {
    return GetPart(&std::tm::tm_min, 0);
}
int COleDateTime::GetSecond() const {
    return GetPart(&std::tm::tm_sec, 0);
}
int COleDateTime::GetDayOfWeek() const {
    return GetPart(&std::tm::tm_wday, 1);
}

std::string COleDateTime::Format(const char* format) const {
    std::tm parts;
    if (format == nullptr || !GetParts(parts)) {
        return {};
    }
    std::string text;
    for (const char* c = format; *c != '\0'; ++c) {
        if (*c != '%') {
            text += *c;
            continue;
        }
        const char* const code = c;
        while (IsFormatFlag(c[1])) {
            ++c;
        }
        if (*++c == '\0') {
            break;
        }
        if (c != code + 1 || !AppendNumber(text, *c, parts)) {
            text += FormatInLocale(std::string(code, c + 1), parts);
        }
    }
    return text;
}

double COleDateTime::TimeLine() const {
    const double whole = std::trunc(m_dt);
    return whole + std::fabs(m_dt - whole);
}

COleDateTime COleDateTime::FromTimeLine(double days) {
    const double whole = std::floor(days);
    const double timeOfDay = days - whole;
    return COleDateTime(whole >= 0 ? whole + timeOfDay : whole - timeOfDay);
}

COleDateTime COleDateTime::operator+(const COleDateTimeSpan& span) const {
    COleDateTime sum = FromTimeLine(TimeLine() + span.GetTotalDays());
    if (m_status != valid) {
        sum.m_status = invalid;
    }
    return sum;
}

COleDateTime COleDateTime::operator-(const COleDateTimeSpan& span) const {
    return *this + COleDateTimeSpan(-span.GetTotalDays());
}

COleDateTime& COleDateTime::operator+=(const COleDateTimeSpan& span) {
    return *this = *this + span;
}

COleDateTime& COleDateTime::operator-=(const COleDateTimeSpan& span) {
    return *this = *this - span;
}

COleDateTimeSpan COleDateTime::operator-(const COleDateTime& other) const {
    return COleDateTimeSpan(TimeLine() - other.TimeLine());
}

bool COleDateTime::operator==(const COleDateTime& other) const {
    return m_status == other.m_status && TimeLine() == other.TimeLine();
}

std::partial_ordering COleDateTime::operator<=>(const COleDateTime& other) const {
    return TimeLine() <=> other.TimeLine();
}
