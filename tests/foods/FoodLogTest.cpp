#include "foods/FoodLog.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "foods/FoodLogCsv.h"
#include "foods/FoodLogTexts.h"
#include "foods/OwnFoods.h"
#include "store/SqlProbe.h"
#include "support/TempDir.h"

using ::testing::ElementsAre;

namespace {

constexpr const char* kDiary = "morvane.qeldb";
const COleDateTime kToday(2024, 5, 2, 8, 30, 0);
const COleDateTime kYesterday(2024, 5, 1, 21, 0, 0);

const FoodRow kPorridge{"Cereals", "Porridge oats", 120, "40 g"};
const FoodRow kBanana{"Fruit", "Banana", 95, "1 medium"};

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A line as "description xservings", enough to tell lines apart.
std::vector<std::string> Described(const std::vector<LoggedFood>& lines) {
    std::vector<std::string> texts;
    for (const LoggedFood& line : lines) {
        texts.push_back(line.food.description + " x" + ServingsText(line.servings));
    }
    return texts;
}

class FoodLogTest : public TempDirTest {
protected:
    void SetUp() override {
        RawConnection raw(kDiary);
        raw.Exec("CREATE TABLE [Settings] ([Name] TEXT, [Age] INT, [Date] TEXT)");
        raw.Exec("INSERT INTO Settings VALUES ('Ann', 34, '2024/05/01')");
    }

    std::vector<LoggedFood> Day(const COleDateTime& day) {
        std::vector<LoggedFood> lines;
        EXPECT_TRUE(m_log.ReadDay(day, lines)) << m_log.LastError();
        return lines;
    }

    CFoodLog m_log{kDiary};
};

// Looking writes nothing; the first line logged makes the log beside the diary's entries.
TEST_F(FoodLogTest, ReadingNeverMakesTheTablesAndTheFirstWriteLeavesTheEntriesAlone) {
    const std::string before = Bytes(kDiary);
    std::vector<LoggedFood> lines{{1, "x", kBanana, 1.0}};
    EXPECT_TRUE(m_log.ReadDay(kToday, lines));
    EXPECT_TRUE(lines.empty());
    EXPECT_TRUE(m_log.ReadRecent(lines));
    std::vector<ListedFood> own;
    EXPECT_TRUE(COwnFoods(kDiary).Search("banana", FoodSort::Calories, own));
    EXPECT_EQ(Bytes(kDiary), before);

    ASSERT_TRUE(m_log.Log(kToday, kBanana, 1.0)) << m_log.LastError();
    RawConnection raw(kDiary);
    EXPECT_EQ(raw.Text("SELECT Name || Age || Date FROM Settings"), "Ann342024/05/01");
    EXPECT_EQ(raw.Text("SELECT Date || '|' || Category || '|' || Servings FROM FoodLog"),
              "2024/05/02|Fruit|1.0");
}

// A day's total adds the exact calories of part servings before rounding once.
TEST_F(FoodLogTest, DaysKeepTheirLinesInOrderTotalRoundOnceAndCopyAndRemoveLines) {
    const FoodRow mint{"Sweets", "Mint", 33, "1"};
    ASSERT_TRUE(m_log.Log(kToday, mint, 0.5));
    ASSERT_TRUE(m_log.Log(kYesterday, kPorridge, 1.5));
    ASSERT_TRUE(m_log.Log(kToday, kBanana, 1.25));
    ASSERT_TRUE(m_log.Log(kToday, mint, 0.5));
    ASSERT_TRUE(m_log.LogQuickEntry(kYesterday, 300, " Cake at work "));
    ASSERT_TRUE(m_log.LogQuickEntry(kToday, 250, "  "));
    std::vector<LoggedFood> today = Day(kToday);
    EXPECT_THAT(Described(today),
                ElementsAre("Mint x0.5", "Banana x1.25", "Mint x0.5", "Quick entry x1"));
    EXPECT_EQ(LineKcal(today[0]), 17);  // 16.5 rounds up
    const DayTotal total = TotalOf(today);
    EXPECT_EQ(total.kcal, 16 + 17 + 119 + 250);  // 16.5 + 118.75 + 16.5 + 250 = 401.75
    EXPECT_EQ(total.lines, 4);

    int32_t copied = -1;
    ASSERT_TRUE(m_log.CopyDay(kYesterday, kToday, copied)) << m_log.LastError();
    EXPECT_EQ(copied, 2);
    today = Day(kToday);
    ASSERT_EQ(today.size(), 6u);
    EXPECT_EQ(today[4].food, kPorridge);
    EXPECT_EQ(today[5].food.type, kQuickEntryCategory);
    EXPECT_EQ(today[5].food.description, "Cake at work");
    std::vector<std::string> kept = Described(today);
    kept.erase(kept.begin() + 4);
    ASSERT_TRUE(m_log.Remove(today[4].rowId));
    ASSERT_TRUE(m_log.Remove(today[4].rowId));  // gone already
    EXPECT_EQ(Described(Day(kToday)), kept);
    EXPECT_THAT(Described(Day(kYesterday)), ElementsAre("Porridge oats x1.5", "Cake at work x1"));
}

TEST_F(FoodLogTest, RecentHoldsTheLastTenDifferentFoodsAtTheirLastServings) {
    for (int i = 1; i <= 12; ++i) {
        ASSERT_TRUE(m_log.Log(kYesterday, {"Test", "Food " + std::to_string(i), i, ""}, 1.0));
    }
    ASSERT_TRUE(m_log.Log(kToday, {"Test", "Food 4", 4, ""}, 2.5));
    // Same description, other calories: another food.
    ASSERT_TRUE(m_log.Log(kToday, {"Test", "Food 12", 99, ""}, 1.0));
    std::vector<LoggedFood> recent;
    ASSERT_TRUE(m_log.ReadRecent(recent));
    EXPECT_THAT(Described(recent),
                ElementsAre("Food 12 x1", "Food 4 x2.5", "Food 12 x1", "Food 11 x1", "Food 10 x1",
                            "Food 9 x1", "Food 8 x1", "Food 7 x1", "Food 6 x1", "Food 5 x1"));
}

TEST_F(FoodLogTest, FailuresSayWhyAndLeaveTheLogAsItWas) {
    // A log that refuses one of the lines a copy writes: the copy writes none of them.
    RawConnection(kDiary).Exec(
        "CREATE TABLE [FoodLog] ([Date] TEXT,[Category] TEXT,[Description] TEXT,[Calories] INT,"
        "[Amount] TEXT,[Servings] DOUBLE, CHECK (Description <> 'Banana' OR Date < '2024/05/02'))");
    ASSERT_TRUE(m_log.Log(kYesterday, kPorridge, 1.0));
    ASSERT_TRUE(m_log.Log(kYesterday, kBanana, 1.0));
    int32_t copied = -1;
    EXPECT_FALSE(m_log.CopyDay(kYesterday, kToday, copied));
    EXPECT_EQ(m_log.LastError(),
              "CHECK constraint failed: Description <> 'Banana' OR Date < '2024/05/02'");
    EXPECT_EQ(copied, 0);
    EXPECT_FALSE(m_log.Log(kToday, kBanana, 1.0));
    EXPECT_TRUE(Day(kToday).empty());

    std::ofstream(kDiary, std::ios::binary | std::ios::trunc) << std::string(4096, 'x');
    std::vector<LoggedFood> lines;
    EXPECT_FALSE(m_log.ReadDay(kToday, lines));
    EXPECT_EQ(m_log.LastError(), "file is not a database");
}

TEST(FoodLogTextsTest, NumbersShownAndRead) {
    EXPECT_EQ(GroupedKcal(1234567), "1\xE2\x80\x89" "234\xE2\x80\x89" "567");
    EXPECT_EQ(TodayTotalText({95, 1}), "Today: 95 kcal in 1 food");
    EXPECT_EQ(TodayTotalText({}), "Today: nothing logged yet");

    const struct {
        const char* typed;
        bool read;
        double servings;
    } servings[] = {
        {" 0.25 ", true, 0.25}, {"20", true, 20.0},    {"20.5", false, 0},
        {"", false, 0},         {"1.5 cups", false, 0}, {"nan", false, 0},
    };
    for (const auto& c : servings) {
        double read = -7.0;
        EXPECT_EQ(ParseNumber(c.typed, kFewestServings, kMostServings, read), c.read) << c.typed;
        EXPECT_EQ(read, c.read ? c.servings : -7.0) << c.typed;
    }
}

// The export quotes as the diary's does, writes ISO days, and only reads the diary.
TEST_F(FoodLogTest, ExportWritesEveryLineOldestFirstAndLeavesTheDiaryAlone) {
    ASSERT_TRUE(m_log.Log(kYesterday, {"Pies", "Shepherd's pie, \"home\" made", 112, "100 g"}, 1.5));
    ASSERT_TRUE(m_log.Log(kToday, kBanana, 2));
    const std::string diary = Bytes(kDiary);
    const FoodLogExport done = ExportFoodLogCsv(kDiary, "log.csv");
    EXPECT_TRUE(done.written) << done.said;
    EXPECT_EQ(Bytes("log.csv"),
              "Date,Category,Description,Calories,Amount,Servings,Kcal\r\n"
              "2024-05-01,Pies,\"Shepherd's pie, \"\"home\"\" made\",112,100 g,1.5,168\r\n"
              "2024-05-02,Fruit,Banana,95,1 medium,2,190\r\n");
    EXPECT_EQ(Bytes(kDiary), diary);
}

}  // namespace
