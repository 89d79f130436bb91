#include "platform/DatePattern.h"

namespace {

constexpr int kTwoDigitYearPivot = 30;  // 00..29 are 20xx, 30..99 are 19xx

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsIgnoredFlag(char c) {
    return c == '-' || c == '_' || c == '0' || c == 'E' || c == 'O';
}

void SkipBlanks(std::string_view& text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
}

// Reads 1 to maxDigits decimal digits and tells how many there were.
std::size_t ReadNumber(std::string_view& text, std::size_t maxDigits, int& value) {
    value = 0;
    std::size_t digits = 0;
    while (digits < maxDigits && digits < text.size() && IsDigit(text[digits])) {
        value = value * 10 + (text[digits] - '0');
        ++digits;
    }
    text.remove_prefix(digits);
    return digits;
}

bool ReadSmallNumber(std::string_view& text, int& value) {
    return ReadNumber(text, 2, value) > 0;
}

// A full year has three or four digits; a short one is taken in 1930..2029 when allowed.
bool ReadYear(std::string_view& text, bool shortAllowed, int& year) {
    const std::size_t digits = ReadNumber(text, 4, year);
    if (digits >= 3) {
        return true;
    }
    if (digits == 0 || !shortAllowed) {
        return false;
    }
    year += year < kTwoDigitYearPivot ? 2000 : 1900;
    return true;
}

bool ReadField(std::string_view& text, char code, DateFields& fields) {
    switch (code) {
        case 'Y':
            return ReadYear(text, false, fields.year);
        case 'y':
            return ReadYear(text, true, fields.year);
        case 'm':
            return ReadSmallNumber(text, fields.month);
        case 'e':
            SkipBlanks(text);
            return ReadSmallNumber(text, fields.day);
        case 'd':
            return ReadSmallNumber(text, fields.day);
        case 'H':
            return ReadSmallNumber(text, fields.hour);
        case 'M':
            return ReadSmallNumber(text, fields.minute);
        case 'S':
            return ReadSmallNumber(text, fields.second);
        case 'D':
            return ReadDateFields(text, "%m/%d/%y", fields);
        case 'F':
            return ReadDateFields(text, "%Y-%m-%d", fields);
        case '%':
            if (text.empty() || text.front() != '%') {
                return false;
            }
            text.remove_prefix(1);
            return true;
        default:
            return false;
    }
}

}  // namespace

bool ReadDateFields(std::string_view& text, std::string_view pattern, DateFields& fields) {
    std::string_view rest = text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char p = pattern[i];
        if (p == '%') {
            while (i + 1 < pattern.size() && IsIgnoredFlag(pattern[i + 1])) {
                ++i;
            }
            if (i + 1 >= pattern.size() || !ReadField(rest, pattern[++i], fields)) {
                return false;
            }
        } else if (IsBlank(p)) {
            SkipBlanks(rest);
        } else if (rest.empty() || rest.front() != p) {
            return false;
        } else {
            rest.remove_prefix(1);
        }
    }
    text = rest;
    return true;
}
