#include "foods/FoodTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foods/FoodRows.h"
#include "store/SqlProbe.h"
#include "support/TempDir.h"

namespace {

class FoodTableTest : public TempDirTest {};

TEST_F(FoodTableTest, MissingFileIsCreatedWithTheFoodTable) {
    CFoodTable table;
    ASSERT_TRUE(table.OpenOrCreate(kFoodsFile));
    EXPECT_EQ(RawConnection(kFoodsFile).Text("SELECT sql FROM sqlite_master WHERE name = 'Food'"),
              "CREATE TABLE [Food] ( [Type] TEXT,[Description] TEXT,[Calories] INT,[Amount] TEXT)");
}

TEST_F(FoodTableTest, RowsAreAddedAllOrNone) {
    RawConnection(kFoodsFile).Exec("CREATE TABLE [Food] ([Type] TEXT,[Description] TEXT,"
                                   "[Calories] INT CHECK ([Calories] < 400),[Amount] TEXT)");
    const std::vector<FoodRow> foods = {{"Fruit", "Banana large", 121, "1 banana"},
                                        {"Dairy", "Cheese \"mature\"", 416, ""}};
    CFoodTable table;
    ASSERT_TRUE(table.Open(kFoodsFile));
    EXPECT_FALSE(table.AddFoods(foods));
    EXPECT_EQ(table.m_recordCount, 0);
    EXPECT_EQ(RawConnection(kFoodsFile).Text("SELECT COUNT(*) FROM [Food]"), "0");

    ASSERT_TRUE(table.AddFoods({foods[0]}));
    EXPECT_EQ(FoundFoods(table), std::vector<FoodRow>{foods[0]});

    RawConnection reader(kFoodsFile);  // its read lock makes the commit fail
    reader.Exec("BEGIN; SELECT * FROM [Food]");
    EXPECT_FALSE(table.AddFoods({foods[0]}));
    EXPECT_EQ(table.m_recordCount, 1);
}

}  // namespace
