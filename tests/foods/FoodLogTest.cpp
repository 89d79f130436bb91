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
using ::testing::IsEmpty;

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
    EXPECT_THAT(lines, IsEmpty());
    EXPECT_TRUE(m_log.ReadRecent(lines));
    std::vector<ListedFood> own;
    COwnFoods ownFoods(kDiary);
    EXPECT_TRUE(ownFoods.ReadAll(own));
    EXPECT_TRUE(ownFoods.Search("banana", FoodSort::Calories, own));
    EXPECT_EQ(Bytes(kDiary), before);

    ASSERT_TRUE(m_log.Log(kToday, kBanana, 1.0)) << m_log.LastError();
    RawConnection raw(kDiary);
    EXPECT_EQ(raw.Text("SELECT group_concat(name, ',') FROM sqlite_master"),
              "Settings,FoodLog,FoodLogByDate");
    EXPECT_EQ(raw.Text("SELECT Name || Age || Date FROM Settings"), "Ann342024/05/01");
    EXPECT_EQ(raw.Text("SELECT Date || '|' || Category || '|' || Servings FROM FoodLog"),
              "2024/05/02|Fruit|1.0");
}

// A day's total adds the exact calories of part servings before rounding once.
TEST_F(FoodLogTest, DaysKeepTheirLinesInOrderAndTotalsRoundOnce) {
    const FoodRow third{"Sweets", "Mint", 33, "1"};
    ASSERT_TRUE(m_log.Log(kToday, third, 0.5));
    ASSERT_TRUE(m_log.Log(kYesterday, kPorridge, 2.0));
    ASSERT_TRUE(m_log.Log(kToday, kBanana, 1.25));
    ASSERT_TRUE(m_log.Log(kToday, third, 0.5));
    ASSERT_TRUE(m_log.LogQuickEntry(kToday, 250, "  "));

    const std::vector<LoggedFood> today = Day(kToday);
    EXPECT_THAT(Described(today),
                ElementsAre("Mint x0.5", "Banana x1.25", "Mint x0.5", "Quick entry x1"));
    EXPECT_EQ(LineKcal(today[0]), 17);  // 16.5 rounds up
    const DayTotal total = TotalOf(today);
    EXPECT_EQ(total.kcal, 16 + 17 + 119 + 250);  // 16.5 + 118.75 + 16.5 + 250 = 401.75
    EXPECT_EQ(total.lines, 4);
    EXPECT_THAT(Described(Day(kYesterday)), ElementsAre("Porridge oats x2"));
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
    EXPECT_EQ(recent[0].food.calories, 99);
}

TEST_F(FoodLogTest, CopyingADayAndRemovingLines) {
    int32_t copied = -1;
    ASSERT_TRUE(m_log.CopyDay(kYesterday, kToday, copied));
    EXPECT_EQ(copied, 0);
    ASSERT_TRUE(m_log.Log(kYesterday, kPorridge, 1.5));
    ASSERT_TRUE(m_log.LogQuickEntry(kYesterday, 300, " Cake at work "));
    ASSERT_TRUE(m_log.Log(kToday, kBanana, 1.0));
    ASSERT_TRUE(m_log.CopyDay(kYesterday, kToday, copied)) << m_log.LastError();
    EXPECT_EQ(copied, 2);
    std::vector<LoggedFood> today = Day(kToday);
    EXPECT_THAT(Described(today),
                ElementsAre("Banana x1", "Porridge oats x1.5", "Cake at work x1"));
    EXPECT_EQ(today[2].food.type, kQuickEntryCategory);
    EXPECT_EQ(today[1].food, kPorridge);
    EXPECT_EQ(Day(kYesterday).size(), 2u);

    ASSERT_TRUE(m_log.Remove(today[1].rowId));
    ASSERT_TRUE(m_log.Remove(today[1].rowId));  // gone already
    EXPECT_THAT(Described(Day(kToday)), ElementsAre("Banana x1", "Cake at work x1"));
    EXPECT_EQ(Day(kYesterday).size(), 2u);
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
    EXPECT_THAT(Day(kToday), IsEmpty());
    {
        RawConnection other(kDiary);
        ASSERT_EQ(other.Exec("BEGIN EXCLUSIVE"), SQLITE_OK);
        EXPECT_FALSE(m_log.CopyDay(kYesterday, kToday, copied));
        EXPECT_EQ(m_log.LastError(), "database is locked");
        EXPECT_FALSE(m_log.Log(kToday, kBanana, 1.0));
        std::vector<LoggedFood> lines;
        EXPECT_FALSE(m_log.ReadDay(kYesterday, lines));
        EXPECT_EQ(m_log.LastError(), "database is locked");
    }
    EXPECT_THAT(Day(kToday), IsEmpty());

    std::ofstream(kDiary, std::ios::binary | std::ios::trunc) << std::string(4096, 'x');
    std::vector<LoggedFood> lines;
    EXPECT_FALSE(m_log.ReadDay(kToday, lines));
    EXPECT_EQ(m_log.LastError(), "file is not a database");
}

// Quotes, SQL, very long texts and emoji are data, stored and found byte for byte.
TEST_F(FoodLogTest, HostileTextsAreStoredAndFoundAsTyped) {
    const std::string texts[] = {
        "O'Brien's \"best\" pie",
        "pie'); DROP TABLE FoodLog; --",
        "long " + std::string(10000, 'w'),
        "\xF0\x9F\xA5\xA7\xF0\x9F\xA5\xA7\xF0\x9F\xA5\xA7 tart",
    };
    COwnFoods ownFoods(kDiary);
    for (const std::string& text : texts) {
        ASSERT_TRUE(m_log.Log(kToday, {text, text, 1, text}, 1.0)) << m_log.LastError();
        ASSERT_TRUE(ownFoods.Add({"Mine", text, 1, "1"})) << ownFoods.LastError();
    }
    const std::vector<LoggedFood> today = Day(kToday);
    ASSERT_EQ(today.size(), std::size(texts));
    for (size_t i = 0; i < today.size(); ++i) {
        EXPECT_EQ(today[i].food, (FoodRow{texts[i], texts[i], 1, texts[i]}));
    }
    for (const char* word :
         {"O'Brien's", "pie');", "long", "\xF0\x9F\xA5\xA7\xF0\x9F\xA5\xA7\xF0\x9F\xA5\xA7"}) {
        std::vector<ListedFood> found;
        ASSERT_TRUE(ownFoods.Search(word, FoodSort::None, found)) << word;
        EXPECT_EQ(found.size(), 1u) << word;
    }
}

TEST(FoodLogTextsTest, NumbersShownAndRead) {
    const std::string thin = "\xE2\x80\x89";
    EXPECT_EQ(GroupedKcal(0), "0");
    EXPECT_EQ(GroupedKcal(999), "999");
    EXPECT_EQ(GroupedKcal(1240), "1" + thin + "240");
    EXPECT_EQ(GroupedKcal(1234567), "1" + thin + "234" + thin + "567");
    EXPECT_EQ(TodayTotalText({1240, 5}), "Today: 1" + thin + "240 kcal in 5 foods");
    EXPECT_EQ(TodayTotalText({95, 1}), "Today: 95 kcal in 1 food");
    EXPECT_EQ(TodayTotalText({}), "Today: nothing logged yet");
    EXPECT_EQ(ServingsText(1.0), "1");
    EXPECT_EQ(ServingsText(0.25), "0.25");
    EXPECT_EQ(ServingsText(1.5), "1.5");

    const struct {
        const char* typed;
        bool read;
        double servings;
    } servings[] = {
        {"1", true, 1.0},  {" 0.25 ", true, 0.25}, {"1,5", true, 1.5}, {"20", true, 20.0},
        {"0.2", false, 0}, {"20.5", false, 0},     {"", false, 0},     {"1.5 cups", false, 0},
        {"nan", false, 0}, {"-1", false, 0},
    };
    for (const auto& c : servings) {
        double read = -7.0;
        EXPECT_EQ(ParseNumber(c.typed, kFewestServings, kMostServings, read), c.read) << c.typed;
        EXPECT_EQ(read, c.read ? c.servings : -7.0) << c.typed;
    }
    int32_t kcal = 0;
    EXPECT_TRUE(ParseWholeNumber(" 10000 ", 1, 10000, kcal));
    EXPECT_EQ(kcal, 10000);
    EXPECT_FALSE(ParseWholeNumber("10001", 1, 10000, kcal));
    EXPECT_FALSE(ParseWholeNumber("12.5", 1, 10000, kcal));
    EXPECT_FALSE(ParseWholeNumber("99999999999999999999", 1, 10000, kcal));
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
