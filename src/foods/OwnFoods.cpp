#include "foods/OwnFoods.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "foods/DiaryAddedTable.h"
#include "foods/FoodLogTexts.h"
#include "foods/OwnFoodTable.h"
#include "store/WhiteSpace.h"

namespace {

bool SameDescription(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

// The order the sort text gives in the file: texts byte by byte, as SQLite compares them.
bool SortsBefore(const ListedFood& a, const ListedFood& b, FoodSort sort) {
    switch (sort) {
        case FoodSort::Calories:
            return a.food.calories < b.food.calories;
        case FoodSort::Category:
            return a.food.type < b.food.type;
        case FoodSort::Description:
            return a.food.description < b.food.description;
        case FoodSort::None:
            break;
    }
    return false;
}

}  // namespace

const char* OwnFoodMessage(OwnFoodCheck check) {
    switch (check) {
        case OwnFoodCheck::NoCategory:
            return "Enter a category for the food, for example Snacks.";
        case OwnFoodCheck::NoDescription:
            return "Enter a description of the food.";
        case OwnFoodCheck::NoCalories:
            return "Enter the calories of the food.";
        case OwnFoodCheck::CaloriesNotANumber:
            return "The calories must be a whole number, for example 250.";
        case OwnFoodCheck::CaloriesOutOfRange:
            return "The calories must be from 0 to 10000.";
        case OwnFoodCheck::NoAmount:
            return "Enter the amount the calories are for, for example 100 g or 1 slice.";
        case OwnFoodCheck::DescriptionTaken:
            return "One of your own foods has this description already.";
        case OwnFoodCheck::Passed:
            break;
    }
    return "";
}

OwnFoodCheck CheckOwnFood(const OwnFoodForm& form, const std::vector<ListedFood>& own,
                          int32_t changedRowId, FoodRow& food) {
    FoodRow checked{WithoutEdgeWhiteSpace(form.category), WithoutEdgeWhiteSpace(form.description),
                    0, WithoutEdgeWhiteSpace(form.amount)};
    const std::string calories = WithoutEdgeWhiteSpace(form.calories);
    if (checked.type.empty()) {
        return OwnFoodCheck::NoCategory;
    }
    if (checked.description.empty()) {
        return OwnFoodCheck::NoDescription;
    }
    if (calories.empty()) {
        return OwnFoodCheck::NoCalories;
    }
    if (!ParseWholeNumber(calories, INT32_MIN, INT32_MAX, checked.calories)) {
        return OwnFoodCheck::CaloriesNotANumber;
    }
    if (checked.calories < kFewestFoodCalories || checked.calories > kMostFoodCalories) {
        return OwnFoodCheck::CaloriesOutOfRange;
    }
    if (checked.amount.empty()) {
        return OwnFoodCheck::NoAmount;
    }
    const bool taken = std::any_of(own.begin(), own.end(), [&](const ListedFood& other) {
        return other.ownRowId != changedRowId &&
               SameDescription(WithoutEdgeWhiteSpace(other.food.description), checked.description);
    });
    if (taken) {
        return OwnFoodCheck::DescriptionTaken;
    }
    food = std::move(checked);
    return OwnFoodCheck::Passed;
}

std::vector<ListedFood> MergedBySort(const std::vector<ListedFood>& own,
                                     const std::vector<ListedFood>& shipped, FoodSort sort) {
    std::vector<ListedFood> merged;
    merged.reserve(own.size() + shipped.size());
    // Equal keys take the first range's element first.
    std::merge(
        own.begin(), own.end(), shipped.begin(), shipped.end(), std::back_inserter(merged),
        [sort](const ListedFood& a, const ListedFood& b) { return SortsBefore(a, b, sort); });
    return merged;
}

COwnFoods::COwnFoods(std::string diaryPath) : m_path(std::move(diaryPath)) {}

bool COwnFoods::ReadFoods(COwnFoodTable& table, std::vector<ListedFood>& foods) {
    foods.clear();
    const auto take = [&] { foods.push_back({table.LoadedFood(), table.m_currentRowId}); };
    if (ReadEveryRecord(table, m_path, take, m_error)) {
        return true;
    }
    foods.clear();
    return false;
}

bool COwnFoods::ReadAll(std::vector<ListedFood>& own) {
    COwnFoodTable table;
    return ReadFoods(table, own);
}

bool COwnFoods::Search(const std::string& typed, FoodSort sort, std::vector<ListedFood>& found) {
    COwnFoodTable table;
    found.clear();
    if (!BuildFoodFilter(typed, table.m_filter)) {
        return true;
    }
    table.m_sort.AssignText(FoodSortText(sort));
    return ReadFoods(table, found);
}

bool COwnFoods::Add(const FoodRow& food) {
    COwnFoodTable table;
    return WriteInOneTransaction(
        table, m_path, nullptr,
        [&] {
            if (!table.AddNew()) {
                return false;
            }
            table.AssignFood(food);
            return table.Update();
        },
        m_error);
}

bool COwnFoods::WriteToRow(int32_t rowId, bool remove, const FoodRow& food) {
    COwnFoodTable table;
    return WriteInOneTransaction(
        table, m_path, nullptr,
        [&] {
            bool found = false;
            if (!LoadRowById(table, rowId, found)) {
                return false;
            }
            if (!found) {
                return true;
            }
            if (remove) {
                return table.Delete();
            }
            if (!table.Edit()) {
                return false;
            }
            table.AssignFood(food);
            return table.Update();
        },
        m_error);
}

bool COwnFoods::Change(int32_t rowId, const FoodRow& food) {
    return WriteToRow(rowId, false, food);
}

bool COwnFoods::Remove(int32_t rowId) {
    return WriteToRow(rowId, true, {});
}
