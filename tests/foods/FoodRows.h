#pragma once

#include <string>
#include <vector>

#include "foods/FoodTable.h"

// The rows of the table's current set in set order, loaded one by one as the panel loads them.
inline std::vector<FoodRow> FoundFoods(CFoodTable& table) {
    std::vector<FoodRow> rows;
    for (table.MoveFirst(); !table.IsEOF(); table.MoveNext()) {
        rows.push_back({table.m_strType.GetText(), table.m_strDescription.GetText(),
                        table.m_nCalories, table.m_strAmount.GetText()});
    }
    return rows;
}

inline std::vector<std::string> FoundDescriptions(CFoodTable& table) {
    std::vector<std::string> descriptions;
    for (const FoodRow& row : FoundFoods(table)) {
        descriptions.push_back(row.description);
    }
    return descriptions;
}
