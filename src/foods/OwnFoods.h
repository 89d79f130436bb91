#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "foods/FoodSearch.h"
#include "foods/FoodTable.h"

class COwnFoodTable;

// The foods the user adds to the ones shipped, kept in the diary file: the checks of what the
// user types, the writes (each one transaction), and the search that finds them by the same rule
// and in the same orders as the shipped ones.

// A food as the foods panel lists it: shipped, or one of the user's own (with its row id).
struct ListedFood {
    FoodRow food;
    int32_t ownRowId = 0;

    bool IsOwn() const { return ownRowId != 0; }
};

// What the user typed for a food of their own, as typed.
struct OwnFoodForm {
    std::string category;
    std::string description;
    std::string calories;
    std::string amount;
};

// The checks of a food of one's own, in the order they run.
enum class OwnFoodCheck {
    Passed,
    NoCategory,
    NoDescription,
    NoCalories,
    CaloriesNotANumber,
    CaloriesOutOfRange,
    NoAmount,
    DescriptionTaken,
};

constexpr int64_t kFewestFoodCalories = 0;
constexpr int64_t kMostFoodCalories = 10000;

// What the user is told when a check fails.
const char* OwnFoodMessage(OwnFoodCheck check);

// Checks the form against the user's own foods, leaving out the one being changed
// (`changedRowId`, 0 for a new one). A description is taken when one of them has it already,
// letter case and surrounding blanks aside. On Passed, `food` holds what to store.
OwnFoodCheck CheckOwnFood(const OwnFoodForm& form, const std::vector<ListedFood>& own,
                          int32_t changedRowId, FoodRow& food);

// Own foods and shipped foods as one list, each in the order `sort` gives it: own foods first
// among equals, and first of all when there is no sort order.
std::vector<ListedFood> MergedBySort(const std::vector<ListedFood>& own,
                                     const std::vector<ListedFood>& shipped, FoodSort sort);

class COwnFoods {
public:
    // `diaryPath` is the diary file; it is opened afresh by every call.
    explicit COwnFoods(std::string diaryPath);

    // Every own food, in the order they were added.
    bool ReadAll(std::vector<ListedFood>& own);
    // The own foods the typed text finds, in the sort order; none for too short a text.
    bool Search(const std::string& typed, FoodSort sort, std::vector<ListedFood>& found);

    bool Add(const FoodRow& food);
    // Changes or removes one own food; one that is gone already is no failure.
    bool Change(int32_t rowId, const FoodRow& food);
    bool Remove(int32_t rowId);

    // SQLite's reason for the last call that failed.
    const std::string& LastError() const { return m_error; }

private:
    bool ReadFoods(COwnFoodTable& table, std::vector<ListedFood>& foods);
    bool WriteToRow(int32_t rowId, bool remove, const FoodRow& food);

    std::string m_path;
    std::string m_error;
};
