#include "stats/ChartGroup.h"

#include <cstdint>

namespace {

int Signed(DWORD value) {
    return static_cast<int32_t>(value);
}

}  // namespace

void CChartGroup::SetValue(int series, DWORD value) {
    if (series < 0) {
        return;
    }
    const auto index = static_cast<size_t>(series);
    if (index >= m_values.size()) {
        m_values.resize(index + 1, 0);
    }
    m_values[index] = value;
}

DWORD CChartGroup::GetValue(int series) const {
    if (series < 0 || static_cast<size_t>(series) >= m_values.size()) {
        return 0;
    }
    return m_values[static_cast<size_t>(series)];
}

int CChartGroup::GetMaxValue() const {
    int maximum = 0;
    for (DWORD stored : m_values) {
        if (stored != 0 && Signed(stored) >= maximum) {
            maximum = Signed(stored);
        }
    }
    return maximum;
}

int CChartGroup::GetMinValue() const {
    int minimum = GetMaxValue();
    for (DWORD stored : m_values) {
        if (stored != 0 && Signed(stored) <= minimum) {
            minimum = Signed(stored);
        }
    }
    return minimum;
}

int CChartGroup::GetValueCount() const {
    int count = 0;
    for (DWORD stored : m_values) {
        if (stored != 0) {
            ++count;
        }
    }
    return count;
}
