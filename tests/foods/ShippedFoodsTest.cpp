// The food table the build ships, read through the program's own table and search.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
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

class ShippedFoodsTest : public TempDirTest {
protected:
    void SetUp() override {
        // A copy, so the tests never touch what the build ships.
        std::filesystem::copy_file(MORVANE_SHIPPED_FOODS, kFoodsFile);
        ASSERT_TRUE(m_table.Open(kFoodsFile));
        m_foods = FoundFoods(m_table);
        m_ids.assign(m_table.m_rowIds.get(), m_table.m_rowIds.get() + m_table.m_rowsRead);
    }

    // Whether the last search found the row with that id.
    bool Found(int32_t rowId) const {
        const int32_t* begin = m_table.m_rowIds.get();
        return std::find(begin, begin + m_table.m_rowsRead, rowId) != begin + m_table.m_rowsRead;
    }

    CFoodTable m_table;
    std::vector<FoodRow> m_foods;  // every row in file order
    std::vector<int32_t> m_ids;    // their row ids
};

TEST_F(ShippedFoodsTest, EveryRowIsComplete) {
    ASSERT_GE(m_foods.size(), 600u);
    std::set<std::string> categories;
    for (const FoodRow& food : m_foods) {
        categories.insert(food.type);
        EXPECT_FALSE(food.type.empty()) << food.description;
        EXPECT_FALSE(food.description.empty()) << food.type;
        EXPECT_FALSE(food.amount.empty()) << food.description;
        // A comma glued to a word hides the word from the whole-word search.
        EXPECT_EQ(food.description.find(','), std::string::npos) << food.description;
    }
    EXPECT_GE(categories.size(), 15u);
}

TEST_F(ShippedFoodsTest, TheFirstWordOfEveryDescriptionFindsItsRow) {
    for (size_t i = 0; i < m_foods.size(); ++i) {
        const std::string& description = m_foods[i].description;
        const std::string word = description.substr(0, description.find(' '));
        if (word.size() >= kMinSearchCharacters) {
            ASSERT_TRUE(SearchFoods(m_table, word));
            EXPECT_TRUE(Found(m_ids[i])) << description;
        }
    }
}

TEST_F(ShippedFoodsTest, EverydayFoodsAreFound) {
    for (const char* food : {"banana", "rice", "chicken", "egg", "cheese", "bread", "apple", "milk",
                             "beer", "pizza"}) {
        ASSERT_TRUE(SearchFoods(m_table, food));
        EXPECT_GT(m_table.m_recordCount, 0) << food;
    }
}

// The panel reopens the file on every keystroke; the program only ever reads it.
TEST_F(ShippedFoodsTest, ReopeningAndSearchingWriteNothing) {
    const std::string before = FileBytes(kFoodsFile);
    for (const char* food : {"banana", "rice"}) {
        ASSERT_FALSE(m_table.Open(kFoodsFile));
        ASSERT_TRUE(m_table.OpenOrCreate(kFoodsFile));
        ASSERT_TRUE(SearchFoods(m_table, food));
    }
    ASSERT_TRUE(m_table.Close());
    EXPECT_EQ(FileBytes(kFoodsFile), before);
}

}  // namespace
