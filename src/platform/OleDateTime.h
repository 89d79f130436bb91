#pragma once

#include <compare>
#include <ctime>
#include <string>

#include "platform/WinTypes.h"

// A length of time in days; the fraction is the part of a day.
class COleDateTimeSpan {
public:
    COleDateTimeSpan(double days = 0.0) : m_span(days) {}
    COleDateTimeSpan(long days, int hours, int minutes, int seconds);

    double GetTotalDays() const { return m_span; }
    // Whole days, truncated toward zero.
    long GetDays() const { return static_cast<long>(m_span); }

private:
    double m_span;
};

// A point in time kept as OLE keeps it: days since 30 December 1899 with the time of day as the
// fraction. Before that day the whole part counts backwards while the fraction still counts
// forwards (-1.25 is 29 December 1899, 06:00). Years 100 to 9999 are valid.
class COleDateTime {
public:
    enum DateTimeStatus { valid = 0, invalid = 1 };

    // 30 December 1899, 00:00, valid.
    COleDateTime() = default;
    explicit COleDateTime(DATE date);
    COleDateTime(int year, int month, int day, int hour, int minute, int second);

    static COleDateTime GetCurrentTime();

    DateTimeStatus GetStatus() const { return m_status; }
    explicit operator DATE() const { return m_dt; }

    // Each returns true when the result is a valid date; otherwise the object is invalid.
    bool SetDate(int year, int month, int day);
    bool SetDateTime(int year, int month, int day, int hour, int minute, int second);

    // Reads a date written as "%Y/%m/%d", "%Y-%m-%d" (both with a full year) or in the short
    // date of the C library's LC_TIME locale, which stands for the user's locale, optionally
    // followed by a time of day "H:MM" or "H:MM:SS". VAR_DATEVALUEONLY drops the time of day.
    // Text that is no valid date leaves the object invalid and returns false.
    bool ParseDateTime(const char* text, DWORD flags = 0, LCID lcid = LANG_USER_DEFAULT);

    // strftime-style text. The numeric codes (%Y %y %m %d %e %j %H %M %S) give the same text in
    // every locale; names and other codes follow the LC_TIME locale. Empty for an invalid date.
    std::string Format(const char* format) const;

    // Each gives -1 for an invalid date.
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const;  // 1 = Sunday .. 7 = Saturday

    // Arithmetic and comparison run on the time line, so dates before 1899 order correctly.
    // A result outside years 100..9999, or one taken from an invalid date, is invalid.
    COleDateTime operator+(const COleDateTimeSpan& span) const;
    COleDateTime operator-(const COleDateTimeSpan& span) const;
    COleDateTime& operator+=(const COleDateTimeSpan& span);
    COleDateTime& operator-=(const COleDateTimeSpan& span);
    COleDateTimeSpan operator-(const COleDateTime& other) const;

    bool operator==(const COleDateTime& other) const;
    std::partial_ordering operator<=>(const COleDateTime& other) const;

private:
    // Calendar fields as the C library keeps them; false for an invalid date.
    bool GetParts(std::tm& parts) const;
    int GetPart(int std::tm::*part, int offset) const;
    double TimeLine() const;
    static COleDateTime FromTimeLine(double days);

    DATE m_dt = 0.0;
    DateTimeStatus m_status = valid;
};
