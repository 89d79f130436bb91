#pragma once

#include <cstdint>

#include "store/SqliteTable.h"

// The diary file's table "FoodLog": one line per food eaten on a day, with the calories of one
// serving and how many servings. It lives beside the diary's entries so that it is backed up
// with them; a diary made before it existed gets it on the first line logged.
class CFoodLogTable : public CSqliteTable {
public:
    CFoodLogTable();
    ~CFoodLogTable() override = default;

    const char* GetTableName() const override;
    int32_t GetFieldCount() const override;

    // The index that finds a day's lines, made with the table.
    static constexpr const char* kDateIndex =
        "CREATE INDEX IF NOT EXISTS [FoodLogByDate] ON [FoodLog] ([Date])";

    CByteBuffer m_strDate;  // "%Y/%m/%d"
    CByteBuffer m_strCategory;
    CByteBuffer m_strDescription;
    int32_t m_nCalories = 0;  // of one serving
    CByteBuffer m_strAmount;  // what one serving is, free text
    double m_dServings = 0.0;
};
