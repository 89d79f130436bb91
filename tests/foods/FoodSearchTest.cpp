#include "foods/FoodSearch.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "foods/FoodRows.h"
#include "foods/FoodTable.h"
#include "support/TempDir.h"

using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;

namespace {

std::optional<std::string> FilterFor(const std::string& typed) {
    CByteBuffer filter;
    if (!BuildFoodFilter(typed, filter)) {
        return std::nullopt;
    }
    return filter.GetText();
}

std::string FilterOf(const std::string& inside, const std::string& atStart,
                     const std::string& category) {
    return "[Description] LIKE '" + inside + "' OR [Description] LIKE '" + atStart +
           "' OR [Type] LIKE '" + category + "'";
}

TEST(FoodFilterTest, PatternsForTheTypedText) {
    const struct {
        std::string typed;
        std::optional<std::string> filter;
    } cases[] = {
        {"eg", std::nullopt},
        {"eg \t ", std::nullopt},
        {"\xC3\xA9\xC3\xA9", std::nullopt},  // two letters in four bytes
        {"egg", FilterOf("% egg %", "egg %", "egg")},
        {"été", FilterOf("% été %", "été %", "été")},  // three letters in five bytes
        {"egg   ", FilterOf("% egg %", "egg %", "egg")},
        {"  egg", FilterOf("%   egg %", "  egg %", "  egg")},
        {"shepherd's", FilterOf("% shepherd''s %", "shepherd''s %", "shepherd''s")},
        {"5_%", FilterOf("% 5_% %", "5_% %", "5_%")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FilterFor(c.typed), c.filter) << '"' << c.typed << '"';
    }
}

class FoodSearchTest : public TempDirTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_table.OpenOrCreate(kFoodsFile));
        ASSERT_TRUE(m_table.AddFoods({
            {"Dairy", "Boiled egg white", 17, "1 egg"},
            {"Egg", "Omelette plain", 154, "100 g"},
            {"Dairy", "Egg fried", 90, "1 egg"},
            {"Dairy", "Boiled egg", 78, "1 egg"},
            {"Dairy", "Eggs", 70, "1 egg"},
            {"Eggs", "Scrambled", 91, "100 g"},
            {"Fruit", "Banana", 89, "100 g"},
            {"Fruit", "Apple", 52, "100 g"},
            {"Bakery", "Fruit loaf", 260, "100 g"},
        }));
    }

    std::vector<std::string> Search(const std::string& typed) {
        EXPECT_TRUE(SearchFoods(m_table, typed)) << typed;
        return FoundDescriptions(m_table);
    }

    void SortBy(FoodSort sort) { m_table.m_sort.AssignText(FoodSortText(sort)); }

    CFoodTable m_table;
};

TEST_F(FoodSearchTest, FindsAWholeWordOrTheCategory) {
    EXPECT_THAT(Search("egg"),
                UnorderedElementsAre("Boiled egg white", "Omelette plain", "Egg fried"));
    EXPECT_THAT(Search("fruit"), UnorderedElementsAre("Banana", "Apple", "Fruit loaf"));
    // `_` stands for any one character, as the engine's LIKE has it.
    EXPECT_THAT(Search("e_g"),
                UnorderedElementsAre("Boiled egg white", "Omelette plain", "Egg fried"));
}

TEST_F(FoodSearchTest, SortOrdersAscendAndNoneRestoresTheFileOrder) {
    SortBy(FoodSort::Calories);
    EXPECT_THAT(Search("dairy"),
                ElementsAre("Boiled egg white", "Eggs", "Boiled egg", "Egg fried"));
    SortBy(FoodSort::Description);
    EXPECT_THAT(Search("dairy"),
                ElementsAre("Boiled egg", "Boiled egg white", "Egg fried", "Eggs"));
    SortBy(FoodSort::Category);
    Search("egg");
    std::vector<std::string> types;
    for (const FoodRow& row : FoundFoods(m_table)) {
        types.push_back(row.type);
    }
    EXPECT_THAT(types, ElementsAre("Dairy", "Dairy", "Egg"));
    SortBy(FoodSort::None);
    EXPECT_THAT(Search("dairy"),
                ElementsAre("Boiled egg white", "Egg fried", "Boiled egg", "Eggs"));
}

}  // namespace
