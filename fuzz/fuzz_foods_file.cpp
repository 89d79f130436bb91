// Arbitrary bytes as the foods file: opened, walked, searched in every order, added to and edited.

#include <cstddef>
#include <cstdint>

#include "ScratchFile.h"
#include "TableExercise.h"
#include "foods/FoodSearch.h"
#include "foods/FoodTable.h"

namespace {

void SearchInEveryOrder(CFoodTable& table) {
    for (FoodSort sort :
         {FoodSort::None, FoodSort::Calories, FoodSort::Category, FoodSort::Description}) {
        table.m_sort.AssignText(FoodSortText(sort));
        SearchFoods(table, "egg");
        WalkAllRows(table);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = WriteScratchFile("foods.qeldb", data, size);
    CFoodTable table;
    if (table.Open(path.c_str())) {
        SearchInEveryOrder(table);
        table.Close();
    }
    // The search filter stays in force for the panel's fallback open and every later requery.
    ExerciseTable(table, path, [&table] {
        table.m_strType.AssignText("Egg");
        table.m_strDescription.AssignText("Boiled egg white");
        table.m_nCalories = 17;
        table.m_strAmount.AssignText("1 large");
    });
    return 0;
}
