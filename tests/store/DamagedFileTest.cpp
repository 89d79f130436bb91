// Files the program may find in place of its diary: empty, foreign, damaged, cut short, of
// another layout or journal mode. Whatever the file, nothing crashes or reads out of bounds (the
// suite also runs under AddressSanitizer and UndefinedBehaviorSanitizer); a file that can be read
// gives its rows, and one that cannot is reported by result and keeps all its content. The fuzzers
// feed many more such files, also as the foods file, from their corpora.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "diary/DiaryTable.h"
#include "stats/DiaryRows.h"
#include "store/SqlProbe.h"
#include "support/TempDir.h"

namespace {

constexpr const char* kDiary = "morvane.qeldb";
constexpr int kDiaryDays = 400;

std::string ReadBytes(const char* path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteBytes(const char* path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// A new row is saved, and a fresh opening finds it at the end.
void ExpectANewRowSaved(CDiaryTable& table) {
    ASSERT_TRUE(table.AddNew());
    table.m_strName.AssignText("Saved");
    table.m_dWeight = 81.25;
    table.m_strDate.AssignText("2011/06/30");
    const int32_t before = table.m_recordCount;
    ASSERT_TRUE(table.Update()) << table.GetLastError();
    table.Close();
    CDiaryTable reader;
    ASSERT_TRUE(reader.Open(kDiary));
    EXPECT_EQ(reader.m_recordCount, before + 1);
    reader.MoveLast();
    EXPECT_TRUE(reader.m_strName.Equals("Saved") && reader.m_dWeight == 81.25 &&
                reader.m_strDate.Equals("2011/06/30"));
}

// Opens the file as the diary panel does, with its fallback OpenOrCreate, and gives the number of
// rows a walk finds; -1 when the file cannot be used.
int Probe() {
    const std::string before = ReadBytes(kDiary);
    CDiaryTable table;
    if (!table.Open(kDiary)) {
        EXPECT_FALSE(table.m_open);
        EXPECT_STRNE(table.GetLastError(), "");
        if (!table.OpenOrCreate(kDiary)) {
            EXPECT_TRUE(ReadBytes(kDiary) == before)
                << "a file that cannot be used keeps every byte";
            return -1;
        }
    }
    int rows = 0;
    for (table.MoveFirst(); !table.IsEOF() && rows <= table.m_recordCount; table.MoveNext()) {
        ++rows;
    }
    ExpectANewRowSaved(table);
    return rows;
}

// The eleven columns of the diary in their order, with their declared types.
constexpr const char* kDiaryColumns =
    "[Name] TEXT,[Age] INT,[Gender] INT,[Weight] DOUBLE,[Height] DOUBLE,[Calories] DOUBLE,"
    "[Activity] INT,[Date] TEXT,[Format] TEXT,[BMI] DOUBLE,[BMR] DOUBLE";

void MakeWrongTypes() {
    RawConnection(kDiary).Exec(
        std::string("CREATE TABLE [Settings] (") + kDiaryColumns +
        ");"
        "INSERT INTO Settings VALUES ('Ann', 41, 0, 'heavy', '170', 1800, 2, '2010/03/07', "
        "'Metric', 22.1, 2150.5);"
        "INSERT INTO Settings VALUES (NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, "
        "NULL);"
        "INSERT INTO Settings VALUES ('Big', 9223372036854775807, 1099511627777, 1e308, -1e308, "
        "1e999, -9223372036854775808, '9999/99/99', 'Imperial', 'NaN', 1e-320);"
        "INSERT INTO Settings VALUES (x'416E6E00FF', x'2A', x'', zeroblob(8), x'00', x'3130', 3, "
        "zeroblob(70000), x'496D70657269616C', x'', x'FF')");
}

// Taken for an empty diary, a file whose rows cannot be read would get a new profile row.
void MakeZeroedPage() {
    ASSERT_TRUE(WriteDiary(kDiary, DailyRows(kDiaryDays, 2009, 1, 1)));
    const std::string page = RawConnection(kDiary).Text(
        "SELECT pageno FROM dbstat WHERE name = 'Settings' AND pagetype = 'leaf' LIMIT 1 OFFSET 2");
    ASSERT_NE(page, "<none>");
    std::string bytes = ReadBytes(kDiary);
    const size_t pageSize = 4096;
    bytes.replace((std::stoul(page) - 1) * pageSize, pageSize, pageSize, '\0');
    WriteBytes(kDiary, bytes);
}

// A diary cut short opens only when SQLite can tell every page it needs is there.
void WriteCutDiary(bool toHalf) {
    ASSERT_TRUE(WriteDiary("whole.qeldb", DailyRows(kDiaryDays, 2009, 1, 1)));
    const std::string whole = ReadBytes("whole.qeldb");
    WriteBytes(kDiary, whole.substr(0, toHalf ? whole.size() / 2 : whole.size() - 1));
}

void MakeWal() {
    // The rows are copied while their writer is still open, so they exist only in the WAL.
    RawConnection writer("source.qeldb");
    writer.Exec("PRAGMA journal_mode=WAL; PRAGMA wal_autocheckpoint=0;");
    writer.Exec(std::string("CREATE TABLE [Settings] (") + kDiaryColumns + ")");
    for (const char* date : {"2012/05/05", "2012/05/06", "2012/05/07"}) {
        writer.Exec(std::string("INSERT INTO Settings VALUES ('Di', 44, 0, 61, 160, 1700, 1, '") +
                    date + "', 'Metric', 23.8, 2000)");
    }
    std::filesystem::copy_file("source.qeldb", kDiary);
    std::filesystem::copy_file("source.qeldb-wal", std::string(kDiary) + "-wal");
}

TEST(DamagedFileTest, DiaryFilesGiveWhatCanBeReadAndRefuseTheRest) {
    const struct {
        const char* name;
        std::function<void()> make;  // writes the file in the working directory
        int rows;                    // -1: refused
    } cases[] = {
        {"zero-length file", [] { WriteBytes(kDiary, ""); }, 0},
        {"a text file", [] { WriteBytes(kDiary, "Shopping list\nEggs\nTea\n"); }, -1},
        {"a page of rows zeroed", MakeZeroedPage, -1},
        {"cut to half its length", [] { WriteCutDiary(true); }, -1},
        {"short of its last byte", [] { WriteCutDiary(false); }, kDiaryDays},
        {"wrong column types", MakeWrongTypes, 4},
        {"WAL mode with rows only in the WAL", MakeWal, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedTempDir dir;
        c.make();
        EXPECT_EQ(Probe(), c.rows);
        if (c.rows >= 0) {
            EXPECT_EQ(RawConnection(kDiary).Text("PRAGMA integrity_check"), "ok");
        }
    }
}

}  // namespace
