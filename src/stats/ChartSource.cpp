#include "stats/ChartSource.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

bool ReadEntryDate(const CDiaryTable& table, COleDateTime& date) {
    const char* text = table.m_strDate.GetText();
    if (text == nullptr || *text == '\0') {
        return true;
    }
    COleDateTime parsed;
    if (!parsed.ParseDateTime(text, VAR_DATEVALUEONLY, LANG_USER_DEFAULT)) {
        return false;
    }
    date = parsed;
    return true;
}

int TruncateValue(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    constexpr double lowest = std::numeric_limits<int32_t>::min();
    constexpr double highest = std::numeric_limits<int32_t>::max();
    return static_cast<int>(std::clamp(value, lowest, highest));
}
