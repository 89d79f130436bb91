#pragma once

#include <cstdint>

#include "store/SqliteTable.h"

// The diary file, opened by bare name from the working directory (the data folder).
constexpr const char* kDiaryFile = "morvane.qeldb";
// Row id 1 is the profile: its name, gender and unit system are copied to every other row.
constexpr int32_t kProfileRowId = 1;

// The diary file's table "Settings": one row per day's entry. Row id 1 is also the user's
// profile. Weight and height are stored in kilograms and centimetres whatever the display unit.
class CDiaryTable : public CSqliteTable {
public:
    CDiaryTable();
    ~CDiaryTable() override = default;

    const char* GetTableName() const override;
    int32_t GetFieldCount() const override;
    // Opens an existing file and requeries; closes it again when either fails.
    bool Open(const char* path) override;

    CByteBuffer m_strName;
    int32_t m_nAge = 0;
    int32_t m_nGender = 0;  // 0 female, 1 male
    double m_dWeight = 0.0;
    double m_dHeight = 0.0;
    double m_dCalories = 0.0;
    int32_t m_nActivity = 0;  // 0 no exercise ... 4 very hard exercise or sport
    CByteBuffer m_strDate;    // "%Y/%m/%d"
    CByteBuffer m_strFormat;  // "Metric" or "Imperial"
    double m_dBMI = 0.0;
    double m_dBMR = 0.0;
};
