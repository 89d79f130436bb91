#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "store/SqliteTable.h"

class CTransaction;

// The foods file, opened by bare name from the working directory.
constexpr const char* kFoodsFile = "foods.qeldb";

// One food as the shipped table's source lists it.
struct FoodRow {
    std::string type;
    std::string description;
    int32_t calories = 0;
    std::string amount;

    friend bool operator==(const FoodRow&, const FoodRow&) = default;
};

// The foods file's table "Food": a category, a description and the calories of an amount.
// The program only reads it; the build writes it once from the shipped list.
class CFoodTable : public CSqliteTable {
public:
    CFoodTable();
    ~CFoodTable() override = default;

    const char* GetTableName() const override;
    int32_t GetFieldCount() const override;
    // Opens an existing file and requeries; closes it again when either fails.
    bool Open(const char* path) override;

    // Appends the rows in one transaction: all of them or none.
    bool AddFoods(const std::vector<FoodRow>& rows);

    // The loaded row; and the field variables set from a row, for a pending write.
    FoodRow LoadedFood() const;
    void AssignFood(const FoodRow& row);

    CByteBuffer m_strType;
    CByteBuffer m_strDescription;
    int32_t m_nCalories = 0;
    CByteBuffer m_strAmount;  // the quantity the calories refer to, free text

    // Writes a new foods file holding the rows, replacing any file at `path`. It goes without
    // auto-vacuum: every opening asks for auto-vacuum, and in a file that has it the request is a
    // write, while the program only reads this file. False, with SQLite's reason in `error`, when
    // it cannot be written.
    static bool WriteFile(const char* path, const std::vector<FoodRow>& rows, std::string& error);

private:
    bool AddFood(const FoodRow& row);
    // Rolls back the rows added so far; returns false.
    bool AbandonAdding(CTransaction& transaction);
};
