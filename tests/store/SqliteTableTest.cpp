#include "store/SqliteTable.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "store/SqlProbe.h"
#include "support/TempDir.h"

using ::testing::Contains;
using ::testing::ElementsAre;
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

// --- Opening, creating, upgrading -------------------------------------------------------------

TEST_F(SqliteTableTest, OpenOrCreateMakesTheTableInADefensiveConnection) {
    ASSERT_TRUE(m_table.OpenOrCreate(kFile));
    EXPECT_EQ(m_table.m_columnCount, 4);
    EXPECT_EQ(m_table.m_recordCount, 0);
    EXPECT_EQ(m_table.m_position, 1);
    int defensive = 0;
    int trustedSchema = 1;
    sqlite3_db_config(m_table.m_db, SQLITE_DBCONFIG_DEFENSIVE, -1, &defensive);
    sqlite3_db_config(m_table.m_db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, -1, &trustedSchema);
    EXPECT_EQ(defensive, 1);
    EXPECT_EQ(trustedSchema, 0);
    EXPECT_EQ(
        Stored("SELECT sql FROM sqlite_master WHERE name = 'Sample'"),
        "CREATE TABLE [Sample] ( [Label] TEXT,[Count] INT,[Amount] DOUBLE,[Blob] LongBinary)");
    EXPECT_EQ(Stored("PRAGMA auto_vacuum"), "1");

    CSampleTable again;
    EXPECT_TRUE(again.OpenOrCreate(kFile));
}

TEST_F(SqliteTableTest, OpenRefusesAMissingFileAndASecondFile) {
    EXPECT_FALSE(m_table.Open("missing.qeldb"));
    EXPECT_FALSE(m_table.m_open);
    EXPECT_EQ(m_table.m_db, nullptr);
    EXPECT_FALSE(std::filesystem::exists("missing.qeldb"));
    EXPECT_STRNE(m_table.GetLastError(), "");

    ASSERT_TRUE(m_table.OpenOrCreate("missing.qeldb"));
    EXPECT_FALSE(m_table.CSqliteTable::Open(kFile));
    EXPECT_STREQ(m_table.m_path.GetText(), "missing.qeldb");
    EXPECT_TRUE(m_table.Close());
    EXPECT_TRUE(m_table.Close());
    EXPECT_STREQ(m_table.m_path.GetText(), "");
}

TEST_F(SqliteTableTest, DefineFieldIgnoresLongNamesAndIndicesOutOfRange) {
    int32_t other = 0;
    m_table.DefineField(4, "Extra", FieldType::Int, &other);
    m_table.DefineField(1, std::string(100, 'n').c_str(), FieldType::Int, &other);
    EXPECT_STREQ(m_table.m_fields[1].name, "Count");
    EXPECT_EQ(m_table.m_fields[1].value, &m_table.m_nCount);
}

TEST_F(SqliteTableTest, UpgradeAddsMissingColumnsWithDefaultsInOldRows) {
    MakeFile("[Label] TEXT, [Blob] LongBinary", {"'old', NULL", "'older', NULL"});
    // The columns of a file opened before must not hide the ones this file lacks.
    ASSERT_TRUE(m_table.OpenOrCreate("full.qeldb"));
    ASSERT_TRUE(m_table.Close());
    ASSERT_TRUE(m_table.CSqliteTable::Open(kFile));
    StatementLog log(m_table.m_db);
    ASSERT_TRUE(m_table.Requery());
    EXPECT_THAT(
        log.m_statements,
        ElementsAre("ALTER TABLE [Sample] ADD COLUMN [Count] Integer",
                    "UPDATE Sample SET [Count] = 0",
                    "ALTER TABLE [Sample] ADD COLUMN [Amount] Double",
                    "UPDATE Sample SET [Amount] = 0.0", "SELECT COUNT (*) FROM [Sample]",
                    "SELECT ROWID FROM [Sample]", "SELECT * FROM [Sample] WHERE ROWID = 1"));
    EXPECT_EQ(m_table.m_columnCount, 2);

    m_table.Close();
    ASSERT_TRUE(m_table.Open(kFile));
    EXPECT_EQ(m_table.m_columnCount, 4);
    ASSERT_TRUE(m_table.MoveNext());
    EXPECT_STREQ(m_table.m_strLabel.GetText(), "older");
    EXPECT_EQ(m_table.m_nCount, 0);
    EXPECT_EQ(m_table.m_dAmount, 0.0);
    EXPECT_EQ(Stored("SELECT typeof([Count]) || typeof([Amount]) FROM Sample WHERE ROWID = 2"),
              "integerreal");
}

TEST_F(SqliteTableTest, ExtraColumnTakesNewRowsByNameWithEveryValueBound) {
    MakeFile(std::string(kColumns) + ", [Note] TEXT DEFAULT 'none'");
    ASSERT_TRUE(m_table.Open(kFile));
    EXPECT_EQ(m_table.m_columnCount, 5);
    StatementLog log(m_table.m_db);
    ASSERT_TRUE(m_table.AddNew());
    m_table.m_strLabel.AssignText("say \"hi\"");
    m_table.m_nCount = 3;
    m_table.m_dAmount = 2.5;
    m_table.m_blob.Assign("\x01\x02", 2);
    ASSERT_TRUE(m_table.Update());
    EXPECT_THAT(
        log.m_statements,
        ElementsAre("SAVEPOINT insert_by_name",
                    "INSERT INTO [Sample] ( [Label],[Count]) VALUES ( ?,?)",
                    "UPDATE [Sample] SET [Amount] = ? WHERE ROWID = 1",
                    "UPDATE [Sample] SET [Blob] = ? WHERE ROWID = 1", "RELEASE insert_by_name"));
    EXPECT_EQ(m_table.m_recordCount, 1);
    EXPECT_EQ(m_table.m_position, 1);
    EXPECT_EQ(Stored("SELECT Label || '|' || Count || '|' || Amount || '|' || hex(Blob) || '|' || "
                     "Note FROM Sample"),
              "say \"hi\"|3|2.5|0102|none");
}

// --- Row-id list and navigation ---------------------------------------------------------------

TEST_F(SqliteTableTest, FiveThousandAndOneAddsKeepEveryId) {
    ASSERT_TRUE(m_table.OpenOrCreate(kFile));
    EXPECT_EQ(m_table.m_rowIdCapacity, 5000);
    ASSERT_TRUE(m_table.BeginTransaction());
    for (int32_t i = 1; i <= 5001; ++i) {
        ASSERT_TRUE(m_table.Add("row", i));
    }
    ASSERT_TRUE(m_table.CommitTransaction());
    EXPECT_EQ(m_table.m_rowIdCapacity, 10000);
    EXPECT_EQ(m_table.m_recordCount, 5001);
    for (int32_t position = 1; position <= 5001; ++position) {
        ASSERT_TRUE(m_table.MoveTo(position));
        ASSERT_EQ(m_table.m_currentRowId, position);
        ASSERT_EQ(m_table.m_nCount, position);
    }
}

TEST_F(SqliteTableTest, MovesOnAnEmptySetLoadNothing) {
    ASSERT_TRUE(m_table.OpenOrCreate(kFile));
    EXPECT_TRUE(m_table.IsEOF());
    EXPECT_TRUE(m_table.MoveFirst());
    EXPECT_TRUE(m_table.MoveLast());
    EXPECT_FALSE(m_table.MoveNext());
    EXPECT_FALSE(m_table.MovePrev());
    EXPECT_EQ(m_table.m_position, 1);
    EXPECT_FALSE(m_table.Edit());
}

TEST_F(SqliteTableTest, MovesOverThreeRecordsAndPastTheEnd) {
    MakeFile(kColumns, kThreeRows);
    ASSERT_TRUE(m_table.Open(kFile));
    EXPECT_EQ(m_table.m_rowsRead, 3);
    EXPECT_FALSE(m_table.MovePrev());
    EXPECT_STREQ(m_table.m_strLabel.GetText(), "a");
    ASSERT_TRUE(m_table.MoveNext());
    ASSERT_TRUE(m_table.MoveNext());
    EXPECT_EQ(m_table.m_position, 3);
    EXPECT_FALSE(m_table.IsEOF());
    ASSERT_TRUE(m_table.MoveNext());
    EXPECT_EQ(m_table.m_position, 4);
    EXPECT_TRUE(m_table.IsEOF());
    EXPECT_STREQ(m_table.m_strLabel.GetText(), "c");
    EXPECT_FALSE(m_table.Edit()) << "past the end there is no row to edit";
    EXPECT_FALSE(m_table.MoveNext());
    ASSERT_TRUE(m_table.MovePrev());
    EXPECT_EQ(m_table.m_currentRowId, 3);
    ASSERT_TRUE(m_table.MoveFirst());
    EXPECT_STREQ(m_table.m_strLabel.GetText(), "a");
}

TEST_F(SqliteTableTest, FilterAndSortShapeTheListButNotTheRowLoad) {
    MakeFile(kColumns, kThreeRows);
    ASSERT_TRUE(m_table.Open(kFile));
    m_table.m_filter.AssignText("[Count] > 1");
    m_table.m_sort.AssignText("[Count] DESC");
    StatementLog log(m_table.m_db);
    ASSERT_TRUE(m_table.Requery());
    EXPECT_THAT(log.m_statements,
                ElementsAre("SELECT COUNT (*) FROM [Sample] WHERE [Count] > 1",
                            "SELECT ROWID FROM [Sample] WHERE [Count] > 1 ORDER BY [Count] DESC",
                            "SELECT * FROM [Sample] WHERE ROWID = 3"));
    EXPECT_EQ(m_table.m_rowsRead, 2);
    ASSERT_TRUE(m_table.MoveNext());
    EXPECT_EQ(m_table.m_nCount, 2);

    m_table.m_filter.AssignText("[Count] > 5");
    ASSERT_TRUE(m_table.Requery());
    EXPECT_EQ(m_table.m_recordCount, 0);
    EXPECT_EQ(m_table.m_currentRowId, 2);
    EXPECT_STREQ(m_table.m_strLabel.GetText(), "b");
}

TEST_F(SqliteTableTest, NullsAndEmptyBlobsLoadAsEmptyValues) {
    MakeFile(kColumns, {"NULL, NULL, NULL, NULL", "'x', 1, 1.5, X''"});
    ASSERT_TRUE(m_table.Open(kFile));
    EXPECT_EQ(m_table.m_strLabel.m_size, 1);
    EXPECT_STREQ(m_table.m_strLabel.GetText(), "");
    EXPECT_EQ(m_table.m_nCount, 0);
    EXPECT_EQ(m_table.m_blob.m_size, 0);
    ASSERT_TRUE(m_table.MoveNext());
    EXPECT_EQ(m_table.m_dAmount, 1.5);
    EXPECT_EQ(m_table.m_blob.GetText(), nullptr);
}

TEST_F(SqliteTableTest, AStepErrorWhileReadingIdsStoresNoId) {
    MakeFile(kColumns, kThreeRows);
    RawConnection(kFile).Exec("UPDATE Sample SET Count = -9223372036854775808 WHERE ROWID = 2");
    m_table.m_sort.AssignText("abs([Count])");
    ASSERT_TRUE(m_table.Open(kFile));
    EXPECT_EQ(m_table.m_recordCount, 3);
    EXPECT_EQ(m_table.m_rowsRead, 0);
    EXPECT_THAT(m_table.GetLastError(), HasSubstr("integer overflow"));
    ASSERT_TRUE(m_table.MoveTo(2));
    EXPECT_EQ(m_table.m_currentRowId, 0);
    EXPECT_STREQ(m_table.m_strLabel.GetText(), "");
    EXPECT_FALSE(m_table.Edit());
}

// --- A file that fails beneath the table ----------------------------------------------------

std::string Bytes(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST_F(SqliteTableTest, OpeningAndReadingAnAutoVacuumFileLeaveEveryByte) {
    ASSERT_TRUE(m_table.OpenOrCreate(kFile));
    ASSERT_TRUE(m_table.Add("a", 1));
    ASSERT_TRUE(m_table.Add("b", 2));
    m_table.Close();
    const std::string before = Bytes(kFile);
    for (const bool create : {false, true}) {
        CSampleTable table;
        ASSERT_TRUE(create ? table.OpenOrCreate(kFile) : table.Open(kFile));
        EXPECT_TRUE(table.MoveLast());
        EXPECT_TRUE(table.MovePrev());
    }
    EXPECT_EQ(Bytes(kFile), before);
}

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
        EXPECT_EQ(m_table.m_currentRowId, 2);
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
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(
                             std::chrono::steady_clock::now() - start)
                             .count();
    EXPECT_GE(seconds, 4);
    EXPECT_LT(seconds, 60);
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

TEST_F(SqliteTableTest, WritesUseThePositionalInsertAndTheUpdateByRowId) {
    ASSERT_TRUE(m_table.OpenOrCreate(kFile));
    StatementLog log(m_table.m_db);
    ASSERT_TRUE(m_table.AddNew());
    m_table.m_nCount = 7;
    ASSERT_TRUE(m_table.Update());
    EXPECT_EQ(m_table.m_recordCount, 1);
    EXPECT_EQ(m_table.m_position, 1);
    EXPECT_FALSE(m_table.IsEOF());
    ASSERT_TRUE(m_table.MoveFirst());
    ASSERT_TRUE(m_table.Edit());
    m_table.m_dAmount = 4.5;
    ASSERT_TRUE(m_table.Update());
    EXPECT_THAT(log.m_statements,
                ElementsAre("INSERT INTO [Sample] VALUES(?,?,?,?) ",
                            "SELECT * FROM [Sample] WHERE ROWID = 1",
                            "UPDATE [Sample] SET  [Label] = ?,[Count] = ?,[Amount] = ?,[Blob] = ? "
                            "WHERE ROWID = 1"));
    EXPECT_EQ(Stored("SELECT typeof(Label) || ':' || Label || ':' || Count || ':' || Amount || ':' "
                     "|| typeof(Blob) FROM Sample"),
              "text::7:4.5:null");
}

TEST_F(SqliteTableTest, PendingStatesRefuseOtherWritesAndMoves) {
    ASSERT_TRUE(m_table.OpenOrCreate(kFile));
    ASSERT_TRUE(m_table.Add("a", 1));
    EXPECT_FALSE(m_table.Update());
    ASSERT_TRUE(m_table.AddNew());
    EXPECT_EQ(m_table.m_nCount, 0) << "a new record starts empty, not with the last row's values";
    EXPECT_FALSE(m_table.Edit());
    ASSERT_TRUE(m_table.Update());
    ASSERT_TRUE(m_table.Edit());
    EXPECT_FALSE(m_table.Edit());
    EXPECT_FALSE(m_table.AddNew());
    EXPECT_FALSE(m_table.MoveTo(1));
}

TEST_F(SqliteTableTest, TransactionWritesAllRowsOrNone) {
    ASSERT_TRUE(m_table.OpenOrCreate(kFile));
    ASSERT_TRUE(m_table.BeginTransaction());
    ASSERT_TRUE(m_table.Add("a", 1));
    ASSERT_TRUE(m_table.Add("b", 2));
    m_table.RollbackTransaction();
    EXPECT_EQ(Stored("SELECT COUNT(*) FROM Sample"), "0");
    ASSERT_TRUE(m_table.BeginTransaction());
    ASSERT_TRUE(m_table.Add("c", 3));
    ASSERT_TRUE(m_table.CommitTransaction());
    EXPECT_EQ(Stored("SELECT COUNT(*) FROM Sample"), "1");
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

// --- Failed writes: false, a reason, nothing appended, no other row touched -------------------

TEST_F(SqliteTableTest, ReadOnlyConnectionRefusesWrites) {
    MakeFile(kColumns, {"'a', 1, 1.0, NULL"});
    ASSERT_TRUE(m_table.Open(kFile));
    ASSERT_TRUE(m_table.Execute("PRAGMA query_only=1"));
    EXPECT_FALSE(m_table.Add("b", 2));
    EXPECT_STREQ(m_table.GetLastError(), "attempt to write a readonly database");
    EXPECT_EQ(m_table.m_recordCount, 1);
    EXPECT_FALSE(m_table.m_adding);
    ASSERT_TRUE(m_table.Edit());
    m_table.m_nCount = 9;
    EXPECT_FALSE(m_table.Update());
    EXPECT_EQ(m_table.m_editRowId, 0);
    EXPECT_EQ(Stored("SELECT COUNT(*) || ':' || Count FROM Sample"), "1:1");
}

TEST_F(SqliteTableTest, LockedFileFailsAtOnce) {
    ASSERT_TRUE(m_table.OpenOrCreate(kFile));
    RawConnection other(kFile);
    ASSERT_EQ(other.Exec("BEGIN IMMEDIATE"), SQLITE_OK);
    EXPECT_FALSE(m_table.Add("a", 1));
    EXPECT_STREQ(m_table.GetLastError(), "database is locked");
    EXPECT_EQ(m_table.m_recordCount, 0);
    EXPECT_FALSE(m_table.BeginTransaction());
    other.Exec("COMMIT");
    EXPECT_TRUE(m_table.Add("a", 1));
}

TEST_F(SqliteTableTest, ColumnCountMismatchRefusesTheInsert) {
    ASSERT_TRUE(m_table.OpenOrCreate(kFile));
    RawConnection(kFile).Exec("ALTER TABLE Sample ADD COLUMN Late TEXT");
    EXPECT_FALSE(m_table.Add("a", 1));
    EXPECT_THAT(m_table.GetLastError(), HasSubstr("5 columns but 4 values"));
    EXPECT_EQ(m_table.m_recordCount, 0);
}

TEST_F(SqliteTableTest, FailedInsertByNameLeavesTheEarlierRowAlone) {
    MakeFile(
        "[Label] TEXT CHECK (Label <> 'bad'), [Count] INT, [Amount] DOUBLE, [Blob] LongBinary, "
        "[Note] TEXT");
    ASSERT_TRUE(m_table.Open(kFile));
    ASSERT_TRUE(m_table.Add("first", 1, 1.0));
    EXPECT_FALSE(m_table.Add("bad", 2, 9.0));
    EXPECT_THAT(m_table.GetLastError(), HasSubstr("CHECK constraint failed"));
    EXPECT_EQ(m_table.m_recordCount, 1);
    EXPECT_EQ(Stored("SELECT COUNT(*) || ':' || Amount FROM Sample"), "1:1.0");
}

TEST_F(SqliteTableTest, FullDiskRefusesTheWriteAndUndoesAHalfWrittenRow) {
    MakeFile(std::string(kColumns) + ", [Note] TEXT");
    ASSERT_TRUE(m_table.Open(kFile));
    ASSERT_TRUE(m_table.Add("first", 1));
    const std::string pages = Stored("PRAGMA page_count");
    ASSERT_TRUE(m_table.Execute(("PRAGMA max_page_count = " + pages).c_str()));
    const std::string big(64 * 1024, 'z');
    ASSERT_TRUE(m_table.AddNew());
    m_table.m_strLabel.AssignText("second");
    m_table.m_blob.Assign(big.data(), static_cast<int32_t>(big.size()));
    StatementLog log(m_table.m_db);
    EXPECT_FALSE(m_table.Update());
    EXPECT_STREQ(m_table.GetLastError(), "database or disk is full");
    EXPECT_THAT(log.m_statements, Contains("UPDATE [Sample] SET [Blob] = ? WHERE ROWID = 2"));
    EXPECT_THAT(log.m_statements, Contains("ROLLBACK TO insert_by_name"));
    EXPECT_EQ(m_table.m_recordCount, 1);
    EXPECT_EQ(Stored("SELECT COUNT(*) FROM Sample"), "1");
}

}  // namespace
