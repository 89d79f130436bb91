#include "store/SqliteTable.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "store/SqlProbe.h"
#include "support/TempDir.h"

using ::testing::HasSubstr;

namespace {

constexpr const char* kFile = "sample.qeldb";
constexpr const char* kColumns = "[Label] TEXT, [Count] INT, [Amount] DOUBLE, [Blob] LongBinary";
const std::vector<std::string> kThreeRows = {"'a', 1, 0, NULL", "'b', 2, 0, NULL",
                                             "'c', 3, 0, NULL"};

// One column of each type.
class CSampleTable : public CSqliteTable {
public:
    CSampleTable() {
        DefineField(0, "Label", FieldType::Text, &m_strLabel);
        DefineField(1, "Count", FieldType::Int, &m_nCount);
        DefineField(2, "Amount", FieldType::Double, &m_dAmount);
        DefineField(3, "Blob", FieldType::LongBinary, &m_blob);
    }
    const char* GetTableName() const override { return "Sample"; }
    int32_t GetFieldCount() const override { return 4; }
    bool Open(const char* path) override { return OpenAndRequery(path); }
    using CSqliteTable::DefineField;

    bool Add(const char* label, int32_t count, double amount = 0.0) {
        if (!AddNew()) {
            return false;
        }
        m_strLabel.AssignText(label);
        m_nCount = count;
        m_dAmount = amount;
        return Update();
    }

    CByteBuffer m_strLabel;
    int32_t m_nCount = 0;
    double m_dAmount = 0.0;
    CByteBuffer m_blob;
};

class SqliteTableTest : public TempDirTest {
protected:
    static void MakeFile(const std::string& columns, const std::vector<std::string>& rows = {}) {
        RawConnection raw(kFile);
        raw.Exec("CREATE TABLE [Sample] (" + columns + ")");
        for (const std::string& row : rows) {
            raw.Exec("INSERT INTO [Sample] VALUES (" + row + ")");
        }
    }
    static std::string Stored(const std::string& sql) { return RawConnection(kFile).Text(sql); }

    CSampleTable m_table;
};

std::string Bytes(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// --- Opening, creating, upgrading -------------------------------------------------------------

// Auto-vacuum is chosen when the file is made; opening and reading it later write nothing. The
// adds outgrow the row-id list's first block.
TEST_F(SqliteTableTest, OpenOrCreateMakesTheTableOnceAndReadingWritesNothing) {
    ASSERT_TRUE(m_table.OpenOrCreate(kFile));
    ASSERT_TRUE(m_table.BeginTransaction());
    for (int32_t i = 1; i <= 5001; ++i) {
        ASSERT_TRUE(m_table.Add("row", i));
    }
    ASSERT_TRUE(m_table.CommitTransaction());
    ASSERT_TRUE(m_table.MoveTo(5001));
    EXPECT_EQ(m_table.m_nCount, 5001);
    m_table.Close();
    EXPECT_EQ(
        Stored("SELECT sql FROM sqlite_master WHERE name = 'Sample'"),
        "CREATE TABLE [Sample] ( [Label] TEXT,[Count] INT,[Amount] DOUBLE,[Blob] LongBinary)");
    EXPECT_EQ(Stored("PRAGMA auto_vacuum"), "1");
    const std::string before = Bytes(kFile);
    for (const bool create : {false, true}) {
        CSampleTable table;
        ASSERT_TRUE(create ? table.OpenOrCreate(kFile) : table.Open(kFile));
        EXPECT_TRUE(table.MoveLast());
        EXPECT_TRUE(table.MovePrev());
    }
    EXPECT_EQ(Bytes(kFile), before);
}

TEST_F(SqliteTableTest, UpgradeAddsMissingColumnsWithDefaultsInOldRows) {
    MakeFile("[Label] TEXT, [Blob] LongBinary", {"'old', NULL", "'older', NULL"});
    // The columns of a file opened before must not hide the ones this file lacks.
    ASSERT_TRUE(m_table.OpenOrCreate("full.qeldb"));
    ASSERT_TRUE(m_table.Close());
    ASSERT_TRUE(m_table.Open(kFile));
    EXPECT_EQ(Stored("SELECT sql FROM sqlite_master WHERE name = 'Sample'"),
              "CREATE TABLE [Sample] ([Label] TEXT, [Blob] LongBinary, [Count] Integer, "
              "[Amount] Double)");
    EXPECT_EQ(Stored("SELECT group_concat(typeof([Count]) || [Count] || typeof([Amount])) "
                     "FROM Sample"),
              "integer0real,integer0real");
    ASSERT_TRUE(m_table.MoveNext());
    EXPECT_STREQ(m_table.m_strLabel.GetText(), "older");
}

// A table with a column of its own takes new rows by name, the double and the bytes by follow-up
// updates: a row is written whole or not at all, and touches no other row.
TEST_F(SqliteTableTest, ExtraColumnTakesNewRowsByNameWholeOrNotAtAll) {
    MakeFile(
        "[Label] TEXT CHECK (Label <> 'bad'), [Count] INT, [Amount] DOUBLE CHECK (Amount < 9), "
        "[Blob] LongBinary, [Note] TEXT DEFAULT 'none'");
    ASSERT_TRUE(m_table.Open(kFile));
    ASSERT_TRUE(m_table.AddNew());
    m_table.m_strLabel.AssignText("say \"hi\"");
    m_table.m_nCount = 3;
    m_table.m_dAmount = 2.5;
    m_table.m_blob.Assign("\x01\x02", 2);
    ASSERT_TRUE(m_table.Update());
    EXPECT_EQ(m_table.m_position, 1);
    EXPECT_FALSE(m_table.Add("bad", 2, 2.0));
    EXPECT_FALSE(m_table.Add("half", 3, 9.0));
    EXPECT_THAT(m_table.GetLastError(), HasSubstr("CHECK constraint failed"));
    EXPECT_EQ(m_table.m_recordCount, 1);
    EXPECT_EQ(Stored("SELECT COUNT(*) || ':' || group_concat(Label || '|' || Count || '|' || "
                     "Amount || '|' || hex(Blob) || '|' || Note) FROM Sample"),
              "1:say \"hi\"|3|2.5|0102|none");
}

// --- Row-id list and navigation ---------------------------------------------------------------

TEST_F(SqliteTableTest, MovesStopAtBothEndsAndFilterAndSortShapeTheList) {
    MakeFile(kColumns, kThreeRows);
    ASSERT_TRUE(m_table.Open(kFile));
    EXPECT_FALSE(m_table.MovePrev());
    EXPECT_STREQ(m_table.m_strLabel.GetText(), "a");
    ASSERT_TRUE(m_table.MoveNext());
    ASSERT_TRUE(m_table.MoveNext());
    EXPECT_FALSE(m_table.IsEOF());
    ASSERT_TRUE(m_table.MoveNext());
    EXPECT_TRUE(m_table.IsEOF());
    EXPECT_FALSE(m_table.Edit()) << "past the end there is no row to edit";
    EXPECT_FALSE(m_table.MoveNext());
    ASSERT_TRUE(m_table.MovePrev());
    EXPECT_STREQ(m_table.m_strLabel.GetText(), "c");
    EXPECT_EQ(m_table.PositionOf(m_table.m_currentRowId), 3);

    m_table.m_filter.AssignText("[Count] > 1");
    m_table.m_sort.AssignText("[Count] DESC");
    ASSERT_TRUE(m_table.Requery());
    EXPECT_EQ(m_table.m_recordCount, 2);
    EXPECT_EQ(m_table.m_nCount, 3);
}

// A NULL shows no value of the row loaded before; a text field holds the empty text.
TEST_F(SqliteTableTest, NullsAndEmptyBlobsLoadAsEmptyValues) {
    MakeFile(kColumns, {"'x', 1, 1.5, X'01'", "NULL, NULL, NULL, NULL", "'y', 2, 2.5, X''"});
    ASSERT_TRUE(m_table.Open(kFile));
    EXPECT_EQ(m_table.m_dAmount, 1.5);
    ASSERT_TRUE(m_table.MoveNext());
    EXPECT_EQ(m_table.m_strLabel.m_size, 1);
    EXPECT_EQ(m_table.m_nCount, 0);
    EXPECT_EQ(m_table.m_dAmount, 0.0);
    EXPECT_EQ(m_table.m_blob.m_size, 0);
    ASSERT_TRUE(m_table.MoveNext());
    EXPECT_EQ(m_table.m_blob.GetText(), nullptr);
}

// --- A file that fails beneath the table ----------------------------------------------------

using Move = bool (CSqliteTable::*)();

TEST_F(SqliteTableTest, UnreadableRowFailsTheMoveAndKeepsTheRowLoaded) {
    MakeFile(kColumns, kThreeRows);
    ASSERT_TRUE(m_table.Open(kFile));
    ASSERT_TRUE(m_table.MoveTo(2));
    RawConnection other(kFile);
    ASSERT_EQ(other.Exec("BEGIN EXCLUSIVE"), SQLITE_OK);
    for (const Move move : {&CSqliteTable::MoveFirst, &CSqliteTable::MoveLast,
                            &CSqliteTable::MoveNext, &CSqliteTable::MovePrev}) {
        EXPECT_FALSE((m_table.*move)());
        EXPECT_TRUE(m_table.ReadFailed());
        EXPECT_EQ(m_table.m_position, 2);
        EXPECT_STREQ(m_table.m_strLabel.GetText(), "b");
    }
    EXPECT_FALSE(m_table.Requery());
    EXPECT_STREQ(m_table.GetLastError(), "database is locked");
    EXPECT_EQ(m_table.m_recordCount, 3);
    EXPECT_EQ(m_table.m_position, 2);
    other.Exec("ROLLBACK");
    EXPECT_TRUE(m_table.MoveNext());
    EXPECT_FALSE(m_table.ReadFailed());
    EXPECT_STREQ(m_table.m_strLabel.GetText(), "c");
}

TEST_F(SqliteTableTest, EndlessQueryIsInterruptedAndReportedAsAFailure) {
    RawConnection(kFile).Exec(
        "CREATE VIEW Sample AS WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n) "
        "SELECT 'a' AS Label, x AS Count, 0.0 AS Amount, NULL AS Blob FROM n WHERE x = 0");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(m_table.Open(kFile));
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_GE(took, std::chrono::seconds(4));
    EXPECT_LT(took, std::chrono::seconds(60));
    EXPECT_STREQ(m_table.GetLastError(), "interrupted");
    EXPECT_FALSE(m_table.m_open);
}

TEST_F(SqliteTableTest, OpenOrCreateThatCannotMakeItsTableLeavesNoConnection) {
    RawConnection other(kFile);
    other.Exec("CREATE TABLE Other (x)");
    ASSERT_EQ(other.Exec("BEGIN EXCLUSIVE"), SQLITE_OK);
    EXPECT_FALSE(m_table.OpenOrCreate(kFile));
    EXPECT_FALSE(m_table.m_open);
    EXPECT_EQ(m_table.m_db, nullptr);
    EXPECT_STREQ(m_table.GetLastError(), "database is locked");
}

// --- Writing ----------------------------------------------------------------------------------

TEST_F(SqliteTableTest, AddAndEditWriteEveryColumnAndRefuseOtherWorkWhilePending) {
    ASSERT_TRUE(m_table.OpenOrCreate(kFile));
    EXPECT_FALSE(m_table.Update()) << "nothing is pending";
    ASSERT_TRUE(m_table.Add("a", 1, 1.5));
    ASSERT_TRUE(m_table.AddNew());
    EXPECT_EQ(m_table.m_nCount, 0) << "a new record starts empty, not with the last row's values";
    EXPECT_FALSE(m_table.Edit());
    m_table.m_nCount = 7;
    ASSERT_TRUE(m_table.Update());
    EXPECT_EQ(m_table.m_position, 2);
    EXPECT_FALSE(m_table.IsEOF());
    ASSERT_TRUE(m_table.Edit());
    EXPECT_FALSE(m_table.Edit());
    EXPECT_FALSE(m_table.AddNew());
    EXPECT_FALSE(m_table.MoveTo(1));
    m_table.m_dAmount = 4.5;
    ASSERT_TRUE(m_table.Update());
    EXPECT_EQ(Stored("SELECT group_concat(typeof(Label) || ':' || Label || ':' || Count || ':' || "
                     "Amount || ':' || typeof(Blob), ';') FROM Sample"),
              "text:a:1:1.5:null;text::7:4.5:null");
}

TEST_F(SqliteTableTest, DeleteTakesTheLoadedRowOutOfTheFileAndTheList) {
    MakeFile(kColumns, kThreeRows);
    ASSERT_TRUE(m_table.Open(kFile));
    EXPECT_EQ(m_table.FindTable(), CSqliteTable::TablePresence::Present);
    ASSERT_TRUE(m_table.MoveTo(2));
    ASSERT_TRUE(m_table.Delete());
    EXPECT_EQ(m_table.m_recordCount, 2);
    EXPECT_EQ(m_table.RowIdAt(2), 3);
    ASSERT_TRUE(m_table.MoveTo(2));
    EXPECT_STREQ(m_table.m_strLabel.GetText(), "c");
    ASSERT_TRUE(m_table.MoveNext());
    EXPECT_FALSE(m_table.Delete());  // past the end
    ASSERT_TRUE(m_table.MoveFirst());
    ASSERT_TRUE(m_table.Edit());
    EXPECT_FALSE(m_table.Delete());  // an edit is pending
    EXPECT_EQ(m_table.m_editRowId, 1);
    m_table.m_editRowId = 0;

    ASSERT_TRUE(m_table.Execute("PRAGMA query_only=1"));
    EXPECT_FALSE(m_table.Delete());
    EXPECT_STREQ(m_table.GetLastError(), "attempt to write a readonly database");
    EXPECT_EQ(m_table.m_recordCount, 2);
    EXPECT_EQ(Stored("SELECT group_concat(Label, '') FROM Sample"), "ac");
}

// Another program's pending write: ours fail at once with the reason, append nothing, end the
// pending state and change no row.
TEST_F(SqliteTableTest, FailedWritesAppendNothingAndEndThePendingState) {
    ASSERT_TRUE(m_table.OpenOrCreate(kFile));
    ASSERT_TRUE(m_table.Add("a", 1));
    RawConnection other(kFile);
    ASSERT_EQ(other.Exec("BEGIN IMMEDIATE"), SQLITE_OK);
    EXPECT_FALSE(m_table.Add("b", 2));
    EXPECT_STREQ(m_table.GetLastError(), "database is locked");
    EXPECT_EQ(m_table.m_recordCount, 1);
    ASSERT_TRUE(m_table.Edit());
    m_table.m_nCount = 9;
    EXPECT_FALSE(m_table.Update());
    EXPECT_TRUE(m_table.MoveTo(1)) << "the failed edit is no longer pending";
    EXPECT_FALSE(m_table.BeginTransaction());
    other.Exec("ROLLBACK");

    ASSERT_TRUE(m_table.BeginTransaction());
    ASSERT_TRUE(m_table.Add("c", 3));
    m_table.RollbackTransaction();
    EXPECT_EQ(Stored("SELECT group_concat(Label || Count) FROM Sample"), "a1");
}

}  // namespace
