#include "stats/DiaryRows.h"

#include "diary/DiaryTable.h"
#include "platform/OleDateTime.h"

bool WriteDiary(const char* path, const std::vector<DiaryRow>& rows) {
    CDiaryTable table;
    if (!table.OpenOrCreate(path) || !table.BeginTransaction()) {
        return false;
    }
    for (const DiaryRow& row : rows) {
        table.AddNew();
        table.m_strName.AssignText("Sam");
        table.m_nAge = 40;
        table.m_nGender = 1;
        table.m_dWeight = row.weight;
        table.m_dHeight = 175.0;
        table.m_dCalories = row.calories;
        table.m_nActivity = row.activity;
        table.m_strDate.AssignText(row.date.c_str());
        table.m_strFormat.AssignText(row.format.c_str());
        table.m_dBMI = row.bmi;
        table.m_dBMR = row.bmr;
        if (!table.Update()) {
            table.RollbackTransaction();
            return false;
        }
    }
    return table.CommitTransaction();
}

std::vector<DiaryRow> DailyRows(int count, int year, int month, int day) {
    std::vector<DiaryRow> rows;
    for (int i = 0; i < count; ++i) {
        DiaryRow row;
        row.date =
            (COleDateTime(year, month, day, 0, 0, 0) + COleDateTimeSpan(i)).Format("%Y/%m/%d");
        row.weight = 60 + i % 30;
        row.calories = 1500 + i;
        row.bmi = 18.5 + i % 12;
        row.bmr = 1600.4 + i;
        rows.push_back(row);
    }
    return rows;
}
