#include "diary/DiaryTable.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "store/SqlProbe.h"
#include "support/TempDir.h"

using ::testing::ElementsAre;

namespace {

constexpr const char* kDiary = "morvane.qeldb";

class DiaryTableTest : public TempDirTest {
protected:
    static std::string Stored(const std::string& sql) { return RawConnection(kDiary).Text(sql); }
};

void FillEntry(CDiaryTable& table) {
    table.m_strName.AssignText("Ann");
    table.m_nAge = 41;
    table.m_nGender = 0;
    table.m_dWeight = 62.5;
    table.m_dHeight = 168.0;
    table.m_dCalories = 1800.0;
    table.m_nActivity = 2;
    table.m_strDate.AssignText("2010/03/07");
    table.m_strFormat.AssignText("Imperial");
    table.m_dBMI = 22.1;
    table.m_dBMR = 2150.5;
}

TEST_F(DiaryTableTest, NewFileGetsTheElevenColumnsInOrder) {
    CDiaryTable table;
    ASSERT_TRUE(table.OpenOrCreate(kDiary));
    EXPECT_EQ(table.GetFieldCount(), 11);
    EXPECT_EQ(table.m_columnCount, 11);
    EXPECT_EQ(Stored("SELECT sql FROM sqlite_master WHERE name = 'Settings'"),
              "CREATE TABLE [Settings] ( [Name] TEXT,[Age] INT,[Gender] INT,[Weight] DOUBLE,"
              "[Height] DOUBLE,[Calories] DOUBLE,[Activity] INT,[Date] TEXT,[Format] TEXT,"
              "[BMI] DOUBLE,[BMR] DOUBLE)");
}

TEST_F(DiaryTableTest, EntryRoundTripsThroughThePositionalInsert) {
    CDiaryTable writer;
    ASSERT_TRUE(writer.OpenOrCreate(kDiary));
    StatementLog log(writer.m_db);
    ASSERT_TRUE(writer.AddNew());
    FillEntry(writer);
    ASSERT_TRUE(writer.Update());
    EXPECT_THAT(log.m_statements,
                ElementsAre("INSERT INTO [Settings] VALUES(?,?,?,?,?,?,?,?,?,?,?) "));

    CDiaryTable reader;
    ASSERT_TRUE(reader.Open(kDiary));
    EXPECT_EQ(reader.m_currentRowId, 1);
    EXPECT_STREQ(reader.m_strName.GetText(), "Ann");
    EXPECT_EQ(reader.m_nAge, 41);
    EXPECT_EQ(reader.m_dWeight, 62.5);
    EXPECT_EQ(reader.m_dHeight, 168.0);
    EXPECT_EQ(reader.m_dCalories, 1800.0);
    EXPECT_EQ(reader.m_nActivity, 2);
    EXPECT_STREQ(reader.m_strDate.GetText(), "2010/03/07");
    EXPECT_STREQ(reader.m_strFormat.GetText(), "Imperial");
    EXPECT_EQ(reader.m_dBMI, 22.1);
    EXPECT_EQ(reader.m_dBMR, 2150.5);
}

// The panels fall back to OpenOrCreate whenever Open fails, so a failed Open must leave no
// handle behind, and an Open on an open object closes it (the foods panel reopens that way).
TEST_F(DiaryTableTest, OpenClosesTheFileWhenItCannotBeUsed) {
    CDiaryTable table;
    EXPECT_FALSE(table.Open(kDiary));
    EXPECT_EQ(table.m_db, nullptr);
    EXPECT_FALSE(std::filesystem::exists(kDiary));

    RawConnection(kDiary).Exec("CREATE TABLE Other (x)");
    EXPECT_FALSE(table.Open(kDiary));
    EXPECT_EQ(table.m_db, nullptr);

    ASSERT_TRUE(table.OpenOrCreate(kDiary));
    EXPECT_FALSE(table.Open(kDiary));
    EXPECT_FALSE(table.m_open);
    EXPECT_TRUE(table.OpenOrCreate(kDiary));
}

TEST_F(DiaryTableTest, OlderDiaryGainsFormatBmiAndBmr) {
    RawConnection(kDiary).Exec(
        "CREATE TABLE [Settings] ([Name] TEXT,[Age] INT,[Gender] INT,[Weight] DOUBLE,"
        "[Height] DOUBLE,[Calories] DOUBLE,[Activity] INT,[Date] TEXT);"
        "INSERT INTO Settings VALUES ('Ann', 41, 0, 62.5, 168.0, 1800, 2, '2010-03-07')");
    CDiaryTable table;
    ASSERT_TRUE(table.CSqliteTable::Open(kDiary));
    {
        StatementLog log(table.m_db);
        ASSERT_TRUE(table.Requery());
        EXPECT_THAT(log.m_statements,
                    testing::IsSupersetOf({"ALTER TABLE [Settings] ADD COLUMN [Format] TEXT",
                                           "UPDATE Settings SET [Format] = \"\"",
                                           "ALTER TABLE [Settings] ADD COLUMN [BMI] Double",
                                           "UPDATE Settings SET [BMI] = 0.0",
                                           "ALTER TABLE [Settings] ADD COLUMN [BMR] Double",
                                           "UPDATE Settings SET [BMR] = 0.0"}));
    }
    EXPECT_EQ(table.m_columnCount, 8);
    table.Close();

    ASSERT_TRUE(table.Open(kDiary));
    EXPECT_EQ(table.m_columnCount, 11);
    EXPECT_STREQ(table.m_strFormat.GetText(), "");
    EXPECT_EQ(table.m_dBMR, 0.0);
    EXPECT_EQ(Stored("SELECT typeof(Format) || typeof(BMI) FROM Settings"), "textreal");

    StatementLog log(table.m_db);
    ASSERT_TRUE(table.Edit());
    table.m_dBMI = 22.1;
    ASSERT_TRUE(table.Update());
    EXPECT_THAT(log.m_statements,
                ElementsAre("UPDATE [Settings] SET  [Name] = ?,[Age] = ?,[Gender] = ?,[Weight] = ?,"
                            "[Height] = ?,[Calories] = ?,[Activity] = ?,[Date] = ?,[Format] = ?,"
                            "[BMI] = ?,[BMR] = ? WHERE ROWID = 1"));
    EXPECT_EQ(Stored("SELECT Name || BMI FROM Settings"), "Ann22.1");
}

}  // namespace
