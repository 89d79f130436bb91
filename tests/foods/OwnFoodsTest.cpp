#include "foods/OwnFoods.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foods/FoodRows.h"
#include "store/SqlProbe.h"
#include "support/TempDir.h"

using ::testing::ElementsAre;

namespace {

constexpr const char* kDiary = "morvane.qeldb";

const std::vector<FoodRow> kShipped = {{"Pies", "Pork pie cold", 376, "1 pie"},
                                        {"Pastry", "Apple pie homemade", 237, "1 slice"},
                                        {"Dairy", "Custard pie baked", 210, "100 g"}};

class OwnFoodsTest : public TempDirTest {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(CFoodTable::WriteFile(kFoodsFile, kShipped, error)) << error;
        RawConnection(kDiary).Exec("CREATE TABLE [Settings] ([Name] TEXT)");
        for (const FoodRow& food : {FoodRow{"Home", "Rhubarb pie Gran's", 237, "1 slice"},
                                    FoodRow{"Bakes", "Cheese pie large", 300, "1 pie"},
                                    FoodRow{"pie", "Mince tart", 250, "1"}}) {
            ASSERT_TRUE(m_own.Add(food)) << m_own.LastError();
        }
    }

    // What the foods panel lists for the typed text in the sort order.
    std::vector<std::string> Search(const std::string& typed, FoodSort sort) {
        CFoodTable shipped;
        shipped.m_sort.AssignText(FoodSortText(sort));
        std::vector<ListedFood> shippedFound;
        if (shipped.Open(kFoodsFile) && SearchFoods(shipped, typed)) {
            for (const FoodRow& row : FoundFoods(shipped)) {
                shippedFound.push_back({row, 0});
            }
        }
        std::vector<ListedFood> own;
        EXPECT_TRUE(m_own.Search(typed, sort, own)) << m_own.LastError();
        std::vector<std::string> texts;
        for (const ListedFood& listed : MergedBySort(own, shippedFound, sort)) {
            texts.push_back((listed.IsOwn() ? "*" : "") + listed.food.description);
        }
        return texts;
    }

    COwnFoods m_own{kDiary};
};

TEST(OwnFoodCheckTest, ChecksRunInOrder) {
    const std::vector<ListedFood> own = {{{"Bakes", "Cheese pie", 300, "1 pie"}, 7}};
    const struct {
        OwnFoodForm form;
        int32_t changed;
        OwnFoodCheck check;
    } cases[] = {
        {{" ", "", "", ""}, 0, OwnFoodCheck::NoCategory},
        {{"Bakes", " \t", "x", ""}, 0, OwnFoodCheck::NoDescription},
        {{"Bakes", "Tart", " ", ""}, 0, OwnFoodCheck::NoCalories},
        {{"Bakes", "Tart", "250 kcal", ""}, 0, OwnFoodCheck::CaloriesNotANumber},
        {{"Bakes", "Tart", "99999999999", "1"}, 0, OwnFoodCheck::CaloriesNotANumber},
        {{"Bakes", "Tart", "10001", "1"}, 0, OwnFoodCheck::CaloriesOutOfRange},
        {{"Bakes", "Tart", "-1", "1"}, 0, OwnFoodCheck::CaloriesOutOfRange},
        {{"Bakes", "Tart", "0", " "}, 0, OwnFoodCheck::NoAmount},
        {{"Bakes", " cheese PIE ", "10", "1"}, 0, OwnFoodCheck::DescriptionTaken},
        {{"Bakes", " cheese PIE ", "10", "1"}, 7, OwnFoodCheck::Passed},
        {{"Bakes", "Cheese pies", "10000", "1"}, 0, OwnFoodCheck::Passed},
    };
    FoodRow food;
    for (const auto& c : cases) {
        EXPECT_EQ(CheckOwnFood(c.form, own, c.changed, food), c.check)
            << c.form.description << "|" << c.form.calories;
    }
    ASSERT_EQ(CheckOwnFood({" Bakes ", " Tart ", " 250 ", " 1 slice "}, own, 0, food),
              OwnFoodCheck::Passed);
    EXPECT_EQ(food, (FoodRow{"Bakes", "Tart", 250, "1 slice"}));
}

// Own foods are found by the same whole-word rule and slot into each order of the shipped ones;
// among equals, and with no order at all, they come first.
TEST_F(OwnFoodsTest, SearchFindsOwnFoodsByTheSameRuleInEveryOrder) {
    EXPECT_THAT(Search("pie", FoodSort::None),
                ElementsAre("*Rhubarb pie Gran's", "*Cheese pie large", "*Mince tart",
                            "Pork pie cold", "Apple pie homemade", "Custard pie baked"));
    EXPECT_THAT(Search("pie", FoodSort::Calories),
                ElementsAre("Custard pie baked", "*Rhubarb pie Gran's", "Apple pie homemade",
                            "*Mince tart", "*Cheese pie large", "Pork pie cold"));
    EXPECT_THAT(Search("pie", FoodSort::Category),
                ElementsAre("*Cheese pie large", "Custard pie baked", "*Rhubarb pie Gran's",
                            "Apple pie homemade", "Pork pie cold", "*Mince tart"));
    EXPECT_THAT(Search("pie", FoodSort::Description),
                ElementsAre("Apple pie homemade", "*Cheese pie large", "Custard pie baked",
                            "*Mince tart", "Pork pie cold", "*Rhubarb pie Gran's"));
    EXPECT_THAT(Search("gran's", FoodSort::None), ElementsAre());
}

}  // namespace
