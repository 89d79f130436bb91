#include "diary/DiaryTable.h"

namespace {
constexpr int32_t kDiaryFieldCount = 11;
}

CDiaryTable::CDiaryTable() {
    // The index order is the column order of the table and of every INSERT.
    DefineField(0, "Name", FieldType::Text, &m_strName);
    DefineField(1, "Age", FieldType::Int, &m_nAge);
    DefineField(2, "Gender", FieldType::Int, &m_nGender);
    DefineField(3, "Weight", FieldType::Double, &m_dWeight);
    DefineField(4, "Height", FieldType::Double, &m_dHeight);
    DefineField(5, "Calories", FieldType::Double, &m_dCalories);
    DefineField(6, "Activity", FieldType::Int, &m_nActivity);
    DefineField(7, "Date", FieldType::Text, &m_strDate);
    DefineField(8, "Format", FieldType::Text, &m_strFormat);
    DefineField(9, "BMI", FieldType::Double, &m_dBMI);
    DefineField(10, "BMR", FieldType::Double, &m_dBMR);
}

const char* CDiaryTable::GetTableName() const {
    return "Settings";
}

int32_t CDiaryTable::GetFieldCount() const {
    return kDiaryFieldCount;
}

bool CDiaryTable::Open(const char* path) {
    return OpenAndRequery(path);
}
