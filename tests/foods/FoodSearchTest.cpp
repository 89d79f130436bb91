#include "foods/FoodSearch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foods/FoodRows.h"
#include "foods/FoodTable.h"
#include "support/TempDir.h"

namespace {

class FoodSearchTest : public TempDirTest {};

// A whole word at the start of or inside a description, or a category in full, letter case
// aside; trailing blanks are trimmed, and fewer than three characters (not bytes) search nothing.
TEST_F(FoodSearchTest, FindsAWholeWordOrTheCategory) {
    CFoodTable table;
    ASSERT_TRUE(table.OpenOrCreate(kFoodsFile));
    ASSERT_TRUE(table.AddFoods({
        {"Dairy", "Boiled egg white", 17, "1"}, {"Egg", "Omelette plain", 154, "1"},
        {"Dairy", "Egg fried", 90, "1"},        {"Dairy", "Eggs", 70, "1"},
        {"Eggs", "Scrambled", 91, "1"},         {"Fruit", "Banana", 89, "1"},
        {"Bakery", "Fruit loaf", 260, "1"},     {"Pies", "Shepherd's pie", 250, "1"},
        {"Sweets", "Cr\xC3\xA8me \xC3\xA9t\xC3\xA9 glac\xC3\xA9", 330, "1"},
    }));
    const std::vector<std::string> eggs = {"Boiled egg white", "Omelette plain", "Egg fried"};
    const struct {
        std::string typed;
        bool searched;
        std::vector<std::string> found;
    } cases[] = {
        {"egg", true, eggs},
        {"egg \t ", true, eggs},
        {"eg", false, {}},
        {"\xC3\xA9\xC3\xA9", false, {}},  // two letters in four bytes
        {"\xC3\xA9t\xC3\xA9", true, {"Cr\xC3\xA8me \xC3\xA9t\xC3\xA9 glac\xC3\xA9"}},
        {"fruit", true, {"Banana", "Fruit loaf"}},
        {"shepherd's", true, {"Shepherd's pie"}},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(SearchFoods(table, c.typed), c.searched) << '"' << c.typed << '"';
        if (c.searched) {
            EXPECT_EQ(FoundDescriptions(table), c.found) << '"' << c.typed << '"';
        }
    }
}

}  // namespace
