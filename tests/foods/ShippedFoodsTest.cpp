// The food table the build ships, read through the program's own table and search.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "foods/FoodRows.h"
#include "foods/FoodSearch.h"
#include "foods/FoodTable.h"
#include "support/TempDir.h"

namespace {

std::string FileBytes(const char* path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class ShippedFoodsTest : public TempDirTest {};

// Every row is complete and found by the first word of its description, everyday foods are
// there, and searching, as the panel does on every keystroke, writes nothing to the file.
TEST_F(ShippedFoodsTest, EveryRowIsCompleteAndFoundAndSearchingWritesNothing) {
    // A copy, so the test never touches what the build ships.
    std::filesystem::copy_file(MORVANE_SHIPPED_FOODS, kFoodsFile);
    const std::string before = FileBytes(kFoodsFile);
    CFoodTable table;
    ASSERT_TRUE(table.Open(kFoodsFile));
    const std::vector<FoodRow> foods = FoundFoods(table);
    ASSERT_GE(foods.size(), 600u);
    for (const FoodRow& food : foods) {
        EXPECT_FALSE(food.type.empty() || food.description.empty() || food.amount.empty())
            << food.description;
        // A comma glued to a word hides the word from the whole-word search.
        EXPECT_EQ(food.description.find(','), std::string::npos) << food.description;
        const std::string word = food.description.substr(0, food.description.find(' '));
        if (word.size() >= kMinSearchCharacters) {
            ASSERT_TRUE(SearchFoods(table, word));
            const std::vector<FoodRow> found = FoundFoods(table);
            EXPECT_NE(std::find(found.begin(), found.end(), food), found.end()) << word;
        }
    }
    for (const char* everyday : {"banana", "rice", "chicken", "egg", "cheese", "bread", "apple",
                                 "milk", "beer", "pizza"}) {
        ASSERT_TRUE(SearchFoods(table, everyday));
        EXPECT_GT(table.m_recordCount, 0) << everyday;
    }
    ASSERT_TRUE(table.Close());
    EXPECT_EQ(FileBytes(kFoodsFile), before);
}

}  // namespace
