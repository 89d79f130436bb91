#include "foods/FoodLogTable.h"

namespace {
constexpr int32_t kFoodLogFieldCount = 6;
}

CFoodLogTable::CFoodLogTable() {
    // The index order is the column order of the table and of every INSERT.
    DefineField(0, "Date", FieldType::Text, &m_strDate);
    DefineField(1, "Category", FieldType::Text, &m_strCategory);
    DefineField(2, "Description", FieldType::Text, &m_strDescription);
    DefineField(3, "Calories", FieldType::Int, &m_nCalories);
    DefineField(4, "Amount", FieldType::Text, &m_strAmount);
    DefineField(5, "Servings", FieldType::Double, &m_dServings);
}

const char* CFoodLogTable::GetTableName() const {
    return "FoodLog";
}

int32_t CFoodLogTable::GetFieldCount() const {
    return kFoodLogFieldCount;
}
