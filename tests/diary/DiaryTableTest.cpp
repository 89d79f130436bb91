#include "diary/DiaryTable.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "store/SqlProbe.h"
#include "support/TempDir.h"

namespace {

std::string Stored(const std::string& sql) {
    return RawConnection(kDiaryFile).Text(sql);
}

using DiaryTableTest = TempDirTest;

// Every field reads into its own member and is written back from it.
TEST_F(DiaryTableTest, NewFileGetsTheElevenColumnsAndEntriesRoundTrip) {
    CDiaryTable table;
    ASSERT_TRUE(table.OpenOrCreate(kDiaryFile));
    EXPECT_EQ(Stored("SELECT sql FROM sqlite_master WHERE name = 'Settings'"),
              "CREATE TABLE [Settings] ( [Name] TEXT,[Age] INT,[Gender] INT,[Weight] DOUBLE,"
              "[Height] DOUBLE,[Calories] DOUBLE,[Activity] INT,[Date] TEXT,[Format] TEXT,"
              "[BMI] DOUBLE,[BMR] DOUBLE)");
    RawConnection(kDiaryFile)
        .Exec(
            "INSERT INTO Settings VALUES ('Ann',41,1,62.5,168,1800,2,'2010/03/07','Imperial',"
            "22.1,2150.5)");
    const std::string row =
        "SELECT Name||Age||Gender||Weight||Height||Calories||Activity||Date||"
        "Format||BMI||'|'||BMR FROM Settings";
    const std::string stored = Stored(row);
    ASSERT_TRUE(table.Requery());
    EXPECT_EQ(table.m_dBMI, 22.1);
    EXPECT_EQ(table.m_dBMR, 2150.5);
    ASSERT_TRUE(table.Edit());
    ASSERT_TRUE(table.Update());
    EXPECT_EQ(Stored(row), stored);
}

// The panels fall back to OpenOrCreate whenever Open fails, so a failed Open must leave no
// handle behind, and an Open on an open object closes it (the foods panel reopens that way).
TEST_F(DiaryTableTest, OpenClosesTheFileWhenItCannotBeUsed) {
    CDiaryTable table;
    EXPECT_FALSE(table.Open(kDiaryFile));
    EXPECT_FALSE(std::filesystem::exists(kDiaryFile));

    RawConnection(kDiaryFile).Exec("CREATE TABLE Other (x)");
    EXPECT_FALSE(table.Open(kDiaryFile));
    EXPECT_EQ(table.m_db, nullptr);

    ASSERT_TRUE(table.OpenOrCreate(kDiaryFile));
    EXPECT_FALSE(table.Open(kDiaryFile));
    EXPECT_FALSE(table.m_open);
    EXPECT_TRUE(table.OpenOrCreate(kDiaryFile));
}

TEST_F(DiaryTableTest, OlderDiaryGainsFormatBmiAndBmr) {
    RawConnection(kDiaryFile)
        .Exec(
            "CREATE TABLE [Settings] ([Name] TEXT,[Age] INT,[Gender] INT,[Weight] DOUBLE,"
            "[Height] DOUBLE,[Calories] DOUBLE,[Activity] INT,[Date] TEXT);"
            "INSERT INTO Settings VALUES ('Ann', 41, 0, 62.5, 168.0, 1800, 2, '2010-03-07')");
    CDiaryTable table;
    ASSERT_TRUE(table.Open(kDiaryFile));
    EXPECT_EQ(Stored("SELECT sql FROM sqlite_master WHERE name = 'Settings'"),
              "CREATE TABLE [Settings] ([Name] TEXT,[Age] INT,[Gender] INT,[Weight] DOUBLE,"
              "[Height] DOUBLE,[Calories] DOUBLE,[Activity] INT,[Date] TEXT, [Format] TEXT, "
              "[BMI] Double, [BMR] Double)");
    EXPECT_EQ(Stored("SELECT typeof(Format) || typeof(BMI) || typeof(BMR) FROM Settings"),
              "textrealreal");

    ASSERT_TRUE(table.Edit());
    table.m_dBMI = 22.1;
    ASSERT_TRUE(table.Update());
    EXPECT_EQ(Stored("SELECT Name || Date || BMI FROM Settings"), "Ann2010-03-0722.1");
}

}  // namespace
