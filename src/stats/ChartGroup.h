#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/WinTypes.h"

// One x position of a chart: its axis label and one whole-number value per series. A value of 0
// means "no value": it is not plotted and is ignored by the minimum, maximum and count. Values
// are stored as DWORD and read as signed 32-bit numbers, so negative values are legal.
class CChartGroup {
public:
    explicit CChartGroup(std::string name = "") : m_strGroupName(std::move(name)) {}

    void SetName(const std::string& name) { m_strGroupName = name; }
    std::string GetName() const { return m_strGroupName; }

    // Stores the value of a series, growing the array with zeros when needed.
    void SetValue(int series, DWORD value);
    // The value of a series; 0 (no value) for a series the group holds nothing for.
    DWORD GetValue(int series) const;
    // Largest non-zero value; 0 when there is none or all are negative.
    int GetMaxValue() const;
    // Smallest non-zero value; GetMaxValue() (so 0) when there is none.
    int GetMinValue() const;
    int GetValueCount() const;

    // The number of series slots held, zeros included.
    int GetSize() const { return static_cast<int>(m_values.size()); }
    void RemoveAllValues() { m_values.clear(); }

private:
    std::string m_strGroupName;
    std::vector<DWORD> m_values;
};
