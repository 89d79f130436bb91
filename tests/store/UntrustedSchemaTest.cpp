// The diary is opened by bare name from the working directory, so the file found there may have
// been planted, and its schema is someone else's. Its triggers and views run inside our connection
// when we read or save; they must not reach beyond the file's own tables: no index of the
// engine's own forged, no virtual table written or read behind the table's back. Every case is one
// the engine would carry out on a connection with its default settings; ours refuses it before
// anything runs, reports it, and leaves every file as it was.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "diary/DiaryTable.h"
#include "store/SqlProbe.h"
#include "support/TempDir.h"

using ::testing::HasSubstr;

namespace {

constexpr const char* kDiary = "morvane.qeldb";

constexpr const char* kSettings =
    "CREATE TABLE [Settings] ( [Name] TEXT,[Age] INT,[Gender] INT,[Weight] DOUBLE,"
    "[Height] DOUBLE,[Calories] DOUBLE,[Activity] INT,[Date] TEXT,[Format] TEXT,[BMI] DOUBLE,"
    "[BMR] DOUBLE);"
    "INSERT INTO Settings VALUES ('Ann',41,0,62.5,168,1800,2,'2010/03/07','Metric',22.1,2150);";

// Where the planted schema acts: on reading the table, on saving a new entry, on saving an edit.
enum class Step { Open, Add, Edit };

std::map<std::string, std::string> FilesIn(const std::string& directory) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(directory)) {
        std::ifstream file(entry.path(), std::ios::binary);
        files[entry.path().filename().string()] = {std::istreambuf_iterator<char>(file),
                                                   std::istreambuf_iterator<char>()};
    }
    return files;
}

void Plant(const std::string& schema) {
    RawConnection planter(kDiary);
    ASSERT_EQ(planter.Exec(kSettings), SQLITE_OK);
    ASSERT_EQ(planter.Exec(schema), SQLITE_OK) << sqlite3_errmsg(planter.m_db);
}

// Opens as the diary panel does and saves as it does; returns the table's reason for the step
// that was refused, or "" when nothing was.
std::string OpenAndSave(Step step) {
    CDiaryTable table;
    if (!table.Open(kDiary)) {
        std::string reason = table.GetLastError();
        table.Close();
        EXPECT_FALSE(table.OpenOrCreate(kDiary)) << "the fallback must not take over the file";
        return reason;
    }
    EXPECT_NE(step, Step::Open);
    EXPECT_TRUE(step == Step::Add ? table.AddNew() : table.Edit());
    table.m_strName.AssignText("Ann");
    table.m_strDate.AssignText("2010/03/08");
    return table.Update() ? "" : table.GetLastError();
}

TEST(UntrustedSchemaTest, APlantedSchemaActsOnlyOnItsOwnTablesAndIsRefused) {
    const std::string fts5 =
        "CREATE VIRTUAL TABLE pages USING fts5(body);"
        "INSERT INTO pages VALUES ('kept as it was');";
    const struct {
        const char* name;
        std::string schema;  // run after the profile row is written
        Step step;
        const char* reason;
    } cases[] = {
        {"a trigger forging the index of an FTS5 table",
         fts5 + "CREATE TRIGGER t AFTER INSERT ON Settings BEGIN "
                "INSERT INTO pages_data VALUES (99, x'FFFFFFFF'); END",
         Step::Add, "table pages_data may not be modified"},
        {"a trigger writing through a virtual table",
         fts5 + "CREATE TRIGGER t AFTER UPDATE ON Settings BEGIN "
                "INSERT INTO pages VALUES (new.Name); END",
         Step::Edit, "unsafe use of virtual table \"pages\""},
        {"a view reading the engine's own state",
         "ALTER TABLE Settings RENAME TO Diary; CREATE VIEW Settings AS SELECT d.* FROM Diary d, "
         "pragma_table_info('Diary') p WHERE p.cid = 0",
         Step::Open, "unsafe use of virtual table \"pragma_table_info\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedTempDir dir;
        Plant(c.schema);
        const auto before = FilesIn(dir.Path());
        EXPECT_THAT(OpenAndSave(c.step), HasSubstr(c.reason));
        EXPECT_TRUE(FilesIn(dir.Path()) == before) << "every file is left as it was";
    }
}

}  // namespace
