#pragma once

#include <string_view>

// The fields of a date and time as written, before any check that they name a real moment.
struct DateFields {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Reads fields from the start of `text` laid out as a strftime-style pattern such as the
// locale's short date ("%m/%d/%y", "%d.%m.%Y"). Understood: %Y %y %m %d %e %H %M %S %D %F %%,
// with glibc's flags and E/O modifiers ignored; a blank matches any run of blanks; any other
// pattern character must appear as it is. Numbers other than years have one or two digits.
// %Y wants a full year of three or four digits; %y also takes one or two digits, read as a
// year in 1930..2029. On success `text` is left at what follows; on failure it is unchanged.
bool ReadDateFields(std::string_view& text, std::string_view pattern, DateFields& fields);
