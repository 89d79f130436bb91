#include "foods/FoodTable.h"

#include <cstdio>

#include "store/Transaction.h"

namespace {
constexpr int32_t kFoodFieldCount = 4;
}

CFoodTable::CFoodTable() {
    // The index order is the column order of the table and of every INSERT.
    DefineField(0, "Type", FieldType::Text, &m_strType);
    DefineField(1, "Description", FieldType::Text, &m_strDescription);
    DefineField(2, "Calories", FieldType::Int, &m_nCalories);
    DefineField(3, "Amount", FieldType::Text, &m_strAmount);
}

const char* CFoodTable::GetTableName() const {
    return "Food";
}

int32_t CFoodTable::GetFieldCount() const {
    return kFoodFieldCount;
}

bool CFoodTable::Open(const char* path) {
    return OpenAndRequery(path);
}

FoodRow CFoodTable::LoadedFood() const {
    return {TextOf(m_strType), TextOf(m_strDescription), m_nCalories, TextOf(m_strAmount)};
}

void CFoodTable::AssignFood(const FoodRow& row) {
    m_strType.AssignText(row.type.c_str());
    m_strDescription.AssignText(row.description.c_str());
    m_nCalories = row.calories;
    m_strAmount.AssignText(row.amount.c_str());
}

bool CFoodTable::AddFood(const FoodRow& row) {
    if (!AddNew()) {
        return false;
    }
    AssignFood(row);
    return Update();
}

bool CFoodTable::AddFoods(const std::vector<FoodRow>& rows) {
    CTransaction transaction(*this);
    if (!transaction.Begun()) {
        return false;
    }
    for (const FoodRow& row : rows) {
        if (!AddFood(row)) {
            return AbandonAdding(transaction);
        }
    }
    return transaction.Commit() || AbandonAdding(transaction);
}

bool CFoodTable::AbandonAdding(CTransaction& transaction) {
    transaction.RollBack();
    // The rolled-back rows' ids were appended to the list; read it again from the file.
    Requery();
    return false;
}

bool CFoodTable::WriteFile(const char* path, const std::vector<FoodRow>& rows, std::string& error) {
    std::remove(path);
    CFoodTable table;
    if (table.OpenOrCreate(path) && table.AddFoods(rows) && table.Execute("PRAGMA auto_vacuum=0") &&
        table.Execute("VACUUM")) {
        return true;
    }
    error = table.GetLastError();
    return false;
}
