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
using ::testing::SizeIs;

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

COleDateTime Day(int year, int month, int day) {
    return COleDateTime(year, month, day, 0, 0, 0);
}

class DiaryBackupsTest : public TempDirTest {
protected:
    CDiaryBackups m_backups;
    std::string m_error;
};

TEST(BackupsToDropTest, KeepsTheNewestSevenAndTheNewestOfEachOfEightWeeks) {
    // A copy every day for 80 days up to 1 March 2026.
    const COleDateTime today = Day(2026, 3, 1);
    std::vector<std::string> days, dropped;
    for (int age = 0; age < 80; ++age) {
        days.push_back((today - COleDateTimeSpan(age)).Format("%Y-%m-%d"));
        if (age >= 7 && (age % 7 != 0 || age >= 8 * 7)) {
            dropped.push_back(days.back());
        }
    }
    EXPECT_EQ(BackupsToDrop(days, today), dropped);
    // Sparse copies, each the only one of its week, are all kept; older than 8 weeks are not.
    EXPECT_THAT(BackupsToDrop({"2026-02-28", "2026-02-10", "2026-01-25", "2026-01-12", "2026-01-05",
                               "2025-12-31", "2025-12-30", "2025-12-29", "2025-12-01"},
                              today),
                ElementsAre("2025-12-29", "2025-12-01"));
}

// A day's second copy replaces its first, leaving no partial file; a restore moves the diary
// aside, journal and all, and copies the backup in.
TEST_F(DiaryBackupsTest, DailyCopyReplacesThatDaysCopyAndRestoreBringsItBack) {
    WriteRows(3);
    ASSERT_TRUE(m_backups.BackUp(Day(2026, 3, 1), m_error)) << m_error;
    WriteRows(2);
    ASSERT_TRUE(m_backups.BackUp(Day(2026, 3, 1), m_error)) << m_error;
    ASSERT_TRUE(m_backups.BackUp(Day(2026, 3, 2), m_error)) << m_error;
    const std::vector<DiaryBackup> list = m_backups.List();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].day, "2026-03-02");
    EXPECT_EQ(RawConnection(list[1].path).Text("SELECT count(*) FROM Settings"), "5");
    EXPECT_EQ(std::distance(fs::directory_iterator("backups"), fs::directory_iterator()), 2);

    WriteRows(4);
    std::ofstream(std::string(kDiaryFile) + "-journal") << "a journal of the old file";
    const std::string diary = Bytes(kDiaryFile);
    std::string aside;
    ASSERT_TRUE(
        m_backups.Restore(list[1], "damaged", COleDateTime(2026, 3, 4, 9, 5, 7), aside, m_error))
        << m_error;
    EXPECT_EQ(aside, "morvane.qeldb.damaged-20260304-090507");
    EXPECT_EQ(Bytes(aside), diary);
    EXPECT_EQ(Bytes(aside + "-journal"), "a journal of the old file");
    EXPECT_FALSE(fs::exists(std::string(kDiaryFile) + "-journal"));
    EXPECT_EQ(RawConnection(kDiaryFile).Text("SELECT count(*) FROM Settings"), "5");
}

TEST_F(DiaryBackupsTest, OpeningChecksFirstAndBacksUpOnlyASoundDiary) {
    CDiaryTable table;
    // A new diary is made and seeded; there is nothing to back up yet.
    EXPECT_EQ(OpenDiary(table, m_backups, true, Day(2026, 3, 1)).state, DiaryOpened::Opened);
    EXPECT_EQ(table.m_recordCount, 1);
    EXPECT_THAT(m_backups.List(), SizeIs(0));
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
    DiaryOpening opening = OpenDiary(table, m_backups, true, Day(2026, 3, 1));
    EXPECT_EQ(opening.state, DiaryOpened::Opened) << opening.reason;
    EXPECT_THAT(m_backups.List(), SizeIs(1));
    table.Close();

    std::ofstream(kDiaryFile, std::ios::binary) << "SQLite format 3" << std::string(2000, 'x');
    const std::string damaged = Bytes(kDiaryFile);
    EXPECT_EQ(OpenDiary(table, m_backups, true, Day(2026, 3, 2)).state, DiaryOpened::Damaged);
    EXPECT_FALSE(table.m_open);
    EXPECT_EQ(Bytes(kDiaryFile), damaged);
    EXPECT_THAT(m_backups.List(), SizeIs(1));
}

}  // namespace
