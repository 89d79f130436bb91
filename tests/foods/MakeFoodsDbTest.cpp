// The build step that turns the shipped food list (CSV) into the food table.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "foods/FoodRows.h"
#include "foods/FoodTable.h"
#include "support/TempDir.h"

using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

constexpr const char* kHeader = "Type,Description,Calories,Amount\r\n";

class MakeFoodsDbTest : public TempDirTest {
protected:
    // Runs the generator on `csv`; returns its exit status and keeps what it reported.
    int Make(const std::string& csv) {
        std::ofstream("foods.csv", std::ios::binary) << csv;
        const std::string command =
            std::string(MORVANE_MAKE_FOODS_DB) + " foods.csv " + kFoodsFile + " >out.txt 2>&1";
        const int status = std::system(command.c_str());
        std::ostringstream out;
        out << std::ifstream("out.txt").rdbuf();
        m_output = out.str();
        return status;
    }

    std::string m_output;
};

// A malformed record is reported by its line in the file (a quoted line break counts) and writes
// nothing; quoted fields are read as RFC 4180 has them, and a rerun replaces the table.
TEST_F(MakeFoodsDbTest, MalformedRecordsAreReportedAndQuotedFieldsRead) {
    EXPECT_NE(Make(std::string(kHeader) + "Fruit,Pear,1,\"a\nb\"\nFruit,Apple,5.2,1\n"), 0);
    EXPECT_THAT(m_output, HasSubstr("foods.csv:4: the calories \"5.2\" are not"));
    EXPECT_FALSE(std::filesystem::exists(kFoodsFile));

    const std::string csv = std::string(kHeader) +
                            "Fruit,Banana large,121,1 banana\r\n"
                            "\"Dairy\",\"Cheese \"\"extra\"\" mature\",416,\"100 g, grated\"\n"
                            "Drinks,Tea with milk,13,\"1 cup\r\n(250 ml)\"";
    ASSERT_EQ(Make(csv), 0) << m_output;
    ASSERT_EQ(Make(csv), 0) << m_output;
    CFoodTable table;
    ASSERT_TRUE(table.Open(kFoodsFile));
    EXPECT_THAT(FoundFoods(table),
                ElementsAre(FoodRow{"Fruit", "Banana large", 121, "1 banana"},
                            FoodRow{"Dairy", "Cheese \"extra\" mature", 416, "100 g, grated"},
                            FoodRow{"Drinks", "Tea with milk", 13, "1 cup\r\n(250 ml)"}));
}

}  // namespace
