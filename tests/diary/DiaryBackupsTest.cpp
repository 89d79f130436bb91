#include "diary/DiaryBackups.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "diary/DiaryOpening.h"
#include "store/SqlProbe.h"
#include "support/TempDir.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAreArray;

namespace fs = std::filesystem;

namespace {

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteRows(int count) {
    RawConnection raw(kDiaryFile);
    raw.Exec("CREATE TABLE IF NOT EXISTS Settings (Name TEXT, Age INT)");
    for (int i = 0; i < count; ++i) {
        raw.Exec("INSERT INTO Settings VALUES ('Ann', 34)");
    }
}

std::string Rows(const std::string& path) {
    return RawConnection(path).Text("SELECT count(*) FROM Settings");
}

COleDateTime Day(int year, int month, int day) {
    return COleDateTime(year, month, day, 0, 0, 0);
}

class DiaryBackupsTest : public TempDirTest {
protected:
    CDiaryBackups m_backups;
};

TEST(BackupsToDropTest, KeepsTheNewestSevenAndTheNewestOfEachOfEightWeeks) {
    // A copy every day for 80 days up to 1 March 2026.
    const COleDateTime today = Day(2026, 3, 1);
    std::vector<std::string> days;
    for (int age = 0; age < 80; ++age) {
        days.push_back((today - COleDateTimeSpan(age)).Format("%Y-%m-%d"));
    }
    std::vector<std::string> kept;
    for (int age = 0; age < 7; ++age) {
        kept.push_back(days[static_cast<size_t>(age)]);
    }
    for (int week = 1; week < 8; ++week) {
        kept.push_back(days[static_cast<size_t>(week * 7)]);
    }
    std::vector<std::string> expected;
    for (const std::string& day : days) {
        if (std::find(kept.begin(), kept.end(), day) == kept.end()) {
            expected.push_back(day);
        }
    }
    EXPECT_THAT(BackupsToDrop(days, today), UnorderedElementsAreArray(expected));
    // Sparse copies, each the only one of its week, are all kept; older than 8 weeks are not.
    EXPECT_THAT(BackupsToDrop({"2026-02-28", "2026-02-10", "2026-01-25", "2026-01-12",
                               "2026-01-05", "2025-12-31", "2025-12-30", "2025-12-29",
                               "2025-12-01"},
                              today),
                ElementsAre("2025-12-29", "2025-12-01"));
}

TEST_F(DiaryBackupsTest, DailyCopyReplacesThatDaysCopyAndLeavesNoPartialFile) {
    WriteRows(3);
    std::string error;
    ASSERT_TRUE(m_backups.BackUp(Day(2026, 3, 1), error)) << error;
    WriteRows(2);
    ASSERT_TRUE(m_backups.BackUp(Day(2026, 3, 1), error)) << error;
    ASSERT_TRUE(m_backups.BackUp(Day(2026, 3, 2), error)) << error;
    const std::vector<DiaryBackup> list = m_backups.List();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].day, "2026-03-02");
    EXPECT_EQ(Rows(list[1].path), "5");
    EXPECT_EQ(std::distance(fs::directory_iterator("backups"), fs::directory_iterator()), 2);
}

TEST_F(DiaryBackupsTest, RestoreMovesTheDiaryAsideWithItsJournalAndCopiesTheBackupIn) {
    WriteRows(3);
    std::string error;
    ASSERT_TRUE(m_backups.BackUp(Day(2026, 3, 1), error)) << error;
    WriteRows(4);
    std::ofstream(std::string(kDiaryFile) + "-journal") << "a journal of the old file";
    const std::string diary = Bytes(kDiaryFile);

    std::string aside;
    ASSERT_TRUE(m_backups.Restore(m_backups.List().front(), "damaged",
                                  COleDateTime(2026, 3, 4, 9, 5, 7), aside, error))
        << error;
    EXPECT_EQ(aside, "morvane.qeldb.damaged-20260304-090507");
    EXPECT_EQ(Bytes(aside), diary);
    EXPECT_EQ(Bytes(aside + "-journal"), "a journal of the old file");
    EXPECT_FALSE(fs::exists(std::string(kDiaryFile) + "-journal"));
    EXPECT_EQ(Rows(kDiaryFile), "3");
}

TEST_F(DiaryBackupsTest, OpeningChecksFirstAndBacksUpOnlyASoundDiary) {
    CDiaryTable table;
    // A new diary is made and seeded; there is nothing to back up yet.
    DiaryOpening opening = OpenDiary(table, m_backups, true, Day(2026, 3, 1));
    EXPECT_EQ(opening.state, DiaryOpened::Opened);
    EXPECT_EQ(table.m_recordCount, 1);
    EXPECT_THAT(m_backups.List(), IsEmpty());
    table.Close();

    // A crash mid-write leaves a hot journal: that is recovered, not taken for damage.
    {
        RawConnection writer(kDiaryFile);
        writer.Exec("PRAGMA cache_size = 1");
        writer.Exec("BEGIN");
        writer.Exec("UPDATE Settings SET Name = 'half written'");
        fs::copy_file(std::string(kDiaryFile) + "-journal", "saved-journal");
        writer.Exec("COMMIT");
    }
    fs::copy_file("saved-journal", std::string(kDiaryFile) + "-journal");
    opening = OpenDiary(table, m_backups, true, Day(2026, 3, 1));
    EXPECT_EQ(opening.state, DiaryOpened::Opened) << opening.reason;
    EXPECT_THAT(m_backups.List(), ::testing::SizeIs(1));
    table.Close();

    std::ofstream(kDiaryFile, std::ios::binary) << "SQLite format 3" << std::string(2000, 'x');
    const std::string damaged = Bytes(kDiaryFile);
    opening = OpenDiary(table, m_backups, true, Day(2026, 3, 2));
    EXPECT_EQ(opening.state, DiaryOpened::Damaged);
    EXPECT_FALSE(table.m_open);
    EXPECT_EQ(Bytes(kDiaryFile), damaged);
    EXPECT_THAT(m_backups.List(), ::testing::SizeIs(1));
}

}  // namespace
