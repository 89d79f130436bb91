// The diary is opened by bare name from the working directory, so the file found there may have
// been planted, and its schema is someone else's. Its triggers and views run inside our connection
// when we read or save; they must not reach beyond the file's own tables: no extension loaded, no
// code pointer of the engine replaced, no index of the engine's own forged, no other file written.
// Every case is one the engine would carry out on a connection with its default settings; ours
// refuses it before anything runs, reports it, and leaves every file as it was.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "diary/DiaryTable.h"
#include "store/SqlProbe.h"
#include "support/TempDir.h"

using ::testing::HasSubstr;

namespace {

constexpr const char* kDiary = "morvane.qeldb";
constexpr const char* kFoods = "foods.qeldb";

constexpr const char* kSettings =
    "CREATE TABLE [Settings] ( [Name] TEXT,[Age] INT,[Gender] INT,[Weight] DOUBLE,"
    "[Height] DOUBLE,[Calories] DOUBLE,[Activity] INT,[Date] TEXT,[Format] TEXT,[BMI] DOUBLE,"
    "[BMR] DOUBLE);"
    "INSERT INTO Settings VALUES ('Ann',41,0,62.5,168,1800,2,'2010/03/07','Metric',22.1,2150);";

// Where the planted schema acts: on reading the table, on saving a new entry, on saving an edit.
enum class Step { Open, Add, Edit };

struct PlantedCase {
    const char* name;
    std::string schema;  // run on a default connection after the profile row is written
    Step step;
    const char* reason;     // what the refusal says
    bool runsWithDefaults;  // a connection with SQLite's default settings would carry it out
};

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

// What the step amounts to in SQL, run on a copy of the file by a connection left at SQLite's
// defaults: shows the planted schema would act if nothing stopped it.
bool RunsWithDefaults(Step step) {
    std::filesystem::copy_file(kDiary, "copy.qeldb");
    const char* sql = step == Step::Open  ? "SELECT * FROM Settings"
                      : step == Step::Add ? "INSERT INTO Settings (Name) VALUES ('Eve')"
                                          : "UPDATE Settings SET Format = 'Imperial'";
    const bool ran = RawConnection("copy.qeldb").Exec(sql) == SQLITE_OK;
    std::filesystem::remove("copy.qeldb");
    return ran;
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
    const bool pending = step == Step::Add ? table.AddNew() : table.Edit();
    EXPECT_TRUE(pending);
    table.m_strName.AssignText("Ann");
    table.m_strFormat.AssignText("Imperial");
    table.m_strDate.AssignText("2010/03/08");
    return table.Update() ? "" : table.GetLastError();
}

std::vector<PlantedCase> Cases() {
    const std::string fts4 =
        "CREATE VIRTUAL TABLE notes USING fts4(body);"
        "INSERT INTO notes VALUES ('kept as it was');";
    const std::string fts5 =
        "CREATE VIRTUAL TABLE pages USING fts5(body);"
        "INSERT INTO pages VALUES ('kept as it was');";
    const std::string diaryBehindAView =
        "ALTER TABLE Settings RENAME TO Diary;"
        "CREATE VIEW Settings AS SELECT d.* FROM Diary d, ";
    return {
        {"a trigger loading a library",
         "CREATE TRIGGER t AFTER INSERT ON Settings BEGIN SELECT load_extension('./payload.so');"
         " END",
         Step::Add, "unsafe use of load_extension()", false},
        {"a trigger replacing a tokenizer's code pointer",
         "CREATE TRIGGER t AFTER UPDATE ON Settings BEGIN "
         "SELECT fts3_tokenizer('simple', x'4141414141414141'); END",
         Step::Edit, "unsafe use of fts3_tokenizer()", false},
        {"a trigger forging the index of an FTS4 table",
         fts4 + "CREATE TRIGGER t AFTER UPDATE ON Settings BEGIN "
                "INSERT INTO notes_segdir VALUES (0, 1, 0, 0, '0 0', x'00FFFFFF'); END",
         Step::Edit, "table notes_segdir may not be modified", true},
        {"a trigger forging the index of an FTS5 table",
         fts5 + "CREATE TRIGGER t AFTER INSERT ON Settings BEGIN "
                "INSERT INTO pages_data VALUES (99, x'FFFFFFFF'); END",
         Step::Add, "table pages_data may not be modified", true},
        {"a trigger writing through a virtual table",
         fts4 + "CREATE TRIGGER t AFTER INSERT ON Settings BEGIN "
                "INSERT INTO notes VALUES (new.Name); END",
         Step::Add, "unsafe use of virtual table \"notes\"", true},
        {"a view reading the engine's own state",
         diaryBehindAView + "pragma_table_info('Diary') p WHERE p.cid = 0", Step::Open,
         "unsafe use of virtual table \"pragma_table_info\"", true},
        {"a view reading a tokenizer's code pointer",
         diaryBehindAView + "(SELECT fts3_tokenizer('simple') AS pointer)", Step::Open,
         "unsafe use of fts3_tokenizer()", false},
        // SQLite never lets a trigger name another database; one written into the schema directly
        // makes the schema unreadable.
        {"a trigger writing into the foods file",
         "PRAGMA writable_schema = ON;"
         "INSERT INTO sqlite_master (type, name, tbl_name, rootpage, sql) VALUES ('trigger', 't', "
         "'Settings', 0, 'CREATE TRIGGER t AFTER INSERT ON Settings BEGIN "
         "INSERT INTO foods.Food VALUES (''x'', ''y'', 1, ''z''); END')",
         Step::Open, "malformed database schema", false},
    };
}

TEST(UntrustedSchemaTest, APlantedSchemaActsOnlyOnItsOwnTablesAndIsRefused) {
    for (const PlantedCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        ScopedTempDir dir;
        RawConnection(kFoods).Exec(
            "CREATE TABLE [Food] ( [Type] TEXT,[Description] TEXT,[Calories] INT,[Amount] TEXT)");
        Plant(c.schema);
        EXPECT_EQ(RunsWithDefaults(c.step), c.runsWithDefaults);

        const auto before = FilesIn(dir.Path());
        EXPECT_THAT(OpenAndSave(c.step), HasSubstr(c.reason));
        EXPECT_TRUE(FilesIn(dir.Path()) == before) << "every file is left as it was";
    }
}

// The same file without its planted parts is an ordinary diary: the refusals above come from the
// schema, not from the table.
TEST(UntrustedSchemaTest, AnInnocentTriggerStillRuns) {
    ScopedTempDir dir;
    Plant(
        "CREATE TABLE Log (what TEXT);"
        "CREATE TRIGGER t AFTER INSERT ON Settings BEGIN INSERT INTO Log VALUES (new.Date); END");
    EXPECT_EQ(OpenAndSave(Step::Add), "");
    EXPECT_EQ(RawConnection(kDiary).Text("SELECT what FROM Log"), "2010/03/08");
}

}  // namespace
