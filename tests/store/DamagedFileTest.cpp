// Files the program may find in place of its diary or its foods file: empty, foreign, cut short,
// damaged, of another layout or journal mode, locked. Whatever the file, nothing crashes or reads
// out of bounds (the suite also runs under AddressSanitizer and UndefinedBehaviorSanitizer); a
// file that can be read gives its rows, and one that cannot is reported by result and keeps all
// its content.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <limits>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "diary/DiaryTable.h"
#include "foods/FoodSearch.h"
#include "foods/FoodTable.h"
#include "stats/DiaryRows.h"
#include "store/SqlProbe.h"
#include "support/TempDir.h"

namespace {

constexpr const char* kDiary = "morvane.qeldb";
constexpr const char* kFoods = "foods.qeldb";
constexpr int kDiaryDays = 400;

std::string ReadBytes(const char* path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteBytes(const char* path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::string RandomBytes(size_t size) {
    std::mt19937 random(2010);
    std::string bytes(size, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(random());
    }
    return bytes;
}

// A diary as the program writes it: kDiaryDays entries from 1 January 2009.
std::vector<DiaryRow> DiaryDays() {
    return DailyRows(kDiaryDays, 2009, 1, 1);
}

// The file with one page of `table`'s rows overwritten by zeros; the schema stays readable.
void ZeroALeafPage(const char* path, const char* table) {
    const std::string page =
        RawConnection(path).Text(std::string("SELECT pageno FROM dbstat WHERE name = '") + table +
                                 "' AND pagetype = 'leaf' LIMIT 1 OFFSET 2");
    ASSERT_NE(page, "<none>");
    std::string bytes = ReadBytes(path);
    const size_t pageSize = 4096;
    bytes.replace((std::stoul(page) - 1) * pageSize, pageSize, pageSize, '\0');
    WriteBytes(path, bytes);
}

// Opening a database writes the auto-vacuum setting into its 100-byte header; what follows is
// the content.
std::string PastTheHeader(const std::string& file) {
    return file.size() > 100 ? file.substr(100) : file;
}

// What a panel gets from a file: Open, its fallback OpenOrCreate, a walk over every row, and
// saving a new row that a fresh opening then finds at the end.
struct Outcome {
    bool opens = false;
    bool usable = false;
    int rows = 0;
    bool savable = false;
    friend bool operator==(const Outcome&, const Outcome&) = default;
};

void PrintTo(const Outcome& o, std::ostream* out) {
    *out << "{opens " << o.opens << ", usable " << o.usable << ", rows " << o.rows << ", savable "
         << o.savable << "}";
}

// How a table of one kind is filled with a new row and how that row is recognised.
template <class Table>
struct RowKind {
    void (*fill)(Table&);
    bool (*isFilled)(const Table&);
};

// Weight and BMI are doubles: a table with undeclared columns writes them by separate UPDATEs.
void FillDiaryRow(CDiaryTable& table) {
    table.m_strName.AssignText("Saved");
    table.m_dWeight = 81.25;
    table.m_strDate.AssignText("2011/06/30");
    table.m_dBMI = 25.9;
}

bool IsFilledDiaryRow(const CDiaryTable& table) {
    return table.m_strName.Equals("Saved") && table.m_dWeight == 81.25 && table.m_dBMI == 25.9 &&
           table.m_strDate.Equals("2011/06/30");
}

void FillFoodRow(CFoodTable& table) {
    table.m_strType.AssignText("Egg");
    table.m_strDescription.AssignText("Poached egg on toast");
    table.m_nCalories = 210;
    table.m_strAmount.AssignText("1 slice");
}

bool IsFilledFoodRow(const CFoodTable& table) {
    return table.m_strDescription.Equals("Poached egg on toast") && table.m_nCalories == 210;
}

constexpr RowKind<CDiaryTable> kDiaryRow{FillDiaryRow, IsFilledDiaryRow};
constexpr RowKind<CFoodTable> kFoodRow{FillFoodRow, IsFilledFoodRow};

template <class Table>
int WalkRows(Table& table) {
    int rows = 0;
    for (table.MoveFirst(); !table.IsEOF() && rows <= table.m_recordCount; table.MoveNext()) {
        ++rows;
    }
    return rows;
}

template <class Table>
bool SaveNewRow(Table& table, const RowKind<Table>& kind, const char* path) {
    if (!table.AddNew()) {
        return false;
    }
    kind.fill(table);
    const int32_t before = table.m_recordCount;
    if (!table.Update()) {
        EXPECT_STRNE(table.GetLastError(), "");
        EXPECT_EQ(table.m_recordCount, before);
        return false;
    }
    table.Close();
    Table reader;
    EXPECT_TRUE(reader.Open(path));
    EXPECT_EQ(reader.m_recordCount, before + 1);
    reader.MoveLast();
    EXPECT_TRUE(kind.isFilled(reader));
    return true;
}

template <class Table>
Outcome Probe(const char* path, const RowKind<Table>& kind) {
    const std::string before = ReadBytes(path);
    Outcome outcome;
    Table table;
    outcome.opens = table.Open(path);
    outcome.usable = outcome.opens;
    if (!outcome.opens) {
        EXPECT_FALSE(table.m_open);
        EXPECT_STRNE(table.GetLastError(), "");
        outcome.usable = table.OpenOrCreate(path);
    }
    if (!outcome.usable) {
        table.Close();
        EXPECT_TRUE(PastTheHeader(ReadBytes(path)) == PastTheHeader(before))
            << "a file that cannot be used keeps every page as it was";
        return outcome;
    }
    outcome.rows = WalkRows(table);
    outcome.savable = SaveNewRow(table, kind, path);
    table.Close();
    return outcome;
}

template <class Table>
struct FileCase {
    const char* name;
    std::function<void()> make;  // writes the file in the working directory
    Outcome expected;
    std::function<void()> alsoCheck = nullptr;  // run after the probe, when set
};

template <class Table>
void ExpectCases(const char* path, const RowKind<Table>& kind,
                 const std::vector<FileCase<Table>>& cases) {
    for (const FileCase<Table>& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedTempDir dir;
        c.make();
        EXPECT_EQ(Probe(path, kind), c.expected);
        if (c.alsoCheck) {
            c.alsoCheck();
        }
    }
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

void ExpectIntegrity(const char* path) {
    EXPECT_EQ(RawConnection(path).Text("PRAGMA integrity_check"), "ok");
}

TEST(DamagedFileTest, DiaryFilesGiveWhatCanBeReadAndRefuseTheRest) {
    const std::vector<FileCase<CDiaryTable>> cases = {
        {"zero-length file", [] { WriteBytes(kDiary, ""); }, {false, true, 0, true}},
        {"random bytes", [] { WriteBytes(kDiary, RandomBytes(8192)); }, {}},
        {"random bytes behind the SQLite magic",
         [] { WriteBytes(kDiary, std::string("SQLite format 3", 16) + RandomBytes(8176)); },
         {}},
        {"a text file", [] { WriteBytes(kDiary, "Shopping list\nEggs\nTea\n"); }, {}},
        // Taken for an empty diary, such a file would get a new profile row written into it.
        {"a page of rows zeroed",
         [] {
             WriteDiary(kDiary, DiaryDays());
             ZeroALeafPage(kDiary, "Settings");
         },
         {}},
        {"wrong column types",
         MakeWrongTypes,
         {true, true, 4, true},
         [] { ExpectIntegrity(kDiary); }},
        {"extra columns",
         [] {
             RawConnection(kDiary).Exec(
                 std::string("CREATE TABLE [Settings] (") + kDiaryColumns +
                 ",[Notes] TEXT DEFAULT 'none',[Photo] BLOB);"
                 "INSERT INTO Settings VALUES ('Ann',41,0,62,168,1800,2,'2010/03/07','Metric',22,"
                 "2150,'first',x'FFD8');"
                 "INSERT INTO Settings VALUES ('Ann',41,0,61,168,1700,2,'2010/03/08','Metric',22,"
                 "2150,'second',NULL)");
         },
         {true, true, 2, true},
         [] {
             EXPECT_EQ(RawConnection(kDiary).Text(
                           "SELECT Notes || typeof(Photo) FROM Settings WHERE Name = 'Saved'"),
                       "nonenull");
         }},
        {"missing columns",
         [] {
             RawConnection(kDiary).Exec(
                 "CREATE TABLE [Settings] ([Name] TEXT,[Age] INT,[Gender] INT,[Weight] DOUBLE,"
                 "[Height] DOUBLE,[Calories] DOUBLE,[Activity] INT,[Date] TEXT);"
                 "INSERT INTO Settings VALUES ('Bob',51,1,92.5,178,2600,1,'2009-11-02');"
                 "INSERT INTO Settings VALUES ('Bob',51,1,92.0,178,2400,2,'2009/11/03')");
         },
         {true, true, 2, true}},
        {"WAL mode with rows only in the WAL",
         MakeWal,
         {true, true, 3, true},
         [] { ExpectIntegrity(kDiary); }},
        // A view has no row ids to load by and cannot be written.
        {"Settings is a view",
         [] {
             RawConnection(kDiary).Exec(
                 std::string("CREATE TABLE [Diary] (") + kDiaryColumns +
                 ");"
                 "INSERT INTO Diary VALUES ('Vi',30,0,55,160,1500,0,'2001/01/01','Metric',21,1900);"
                 "CREATE VIEW Settings AS SELECT * FROM Diary");
         },
         {true, true, 1, false}},
    };
    ExpectCases(kDiary, kDiaryRow, cases);
}

TEST(DamagedFileTest, FoodsFilesGiveWhatCanBeReadAndRefuseTheRest) {
    const std::vector<FoodRow> foods(300, FoodRow{"Egg", "Boiled egg white", 17, "1 large"});
    const std::vector<FileCase<CFoodTable>> cases = {
        {"zero-length file", [] { WriteBytes(kFoods, ""); }, {false, true, 0, true}},
        {"random bytes", [] { WriteBytes(kFoods, RandomBytes(4096)); }, {}},
        // The table is added beside the diary's, whose rows stay.
        {"a diary without a Food table",
         [] { WriteDiary(kFoods, DiaryDays()); },
         {false, true, 0, true},
         [] {
             EXPECT_EQ(RawConnection(kFoods).Text("SELECT COUNT(*) FROM Settings"),
                       std::to_string(kDiaryDays));
         }},
        {"a page of rows zeroed",
         [&foods] {
             CFoodTable writer;
             ASSERT_TRUE(writer.OpenOrCreate(kFoods) && writer.AddFoods(foods));
             writer.Close();
             ZeroALeafPage(kFoods, "Food");
         },
         {}},
        {"wrong column types",
         [] {
             RawConnection(kFoods).Exec(
                 "CREATE TABLE [Food] ( [Type] TEXT,[Description] TEXT,[Calories] INT,"
                 "[Amount] TEXT);"
                 "INSERT INTO Food VALUES ('Egg', 'Egg fried', 'lots', 1);"
                 "INSERT INTO Food VALUES (x'00', x'45676720626C6F62', 1e308, zeroblob(9));"
                 "INSERT INTO Food VALUES (NULL, NULL, NULL, NULL)");
         },
         {true, true, 3, true},
         [] {
             CFoodTable table;
             ASSERT_TRUE(table.Open(kFoods));
             ASSERT_TRUE(SearchFoods(table, "egg"));
             EXPECT_EQ(WalkRows(table), 2);  // by Type; a blob never matches
         }},
    };
    ExpectCases(kFoods, kFoodRow, cases);
}

// Values whose storage class differs from the column's load as SQLite converts them; nothing
// is read past a blob, and an edited row is written back whole.
TEST(DamagedFileTest, ValuesOfOtherTypesLoadAsTheirFieldsReadThem) {
    ScopedTempDir dir;
    MakeWrongTypes();
    CDiaryTable table;
    ASSERT_TRUE(table.Open(kDiary));
    ASSERT_EQ(table.m_recordCount, 4);

    EXPECT_EQ(table.m_dWeight, 0.0);  // 'heavy'
    EXPECT_EQ(table.m_dHeight, 170.0);

    table.MoveNext();  // NULL everywhere
    EXPECT_STREQ(table.m_strName.GetText(), "");
    EXPECT_EQ(table.m_nAge, 0);
    EXPECT_EQ(table.m_dBMR, 0.0);

    table.MoveNext();  // out of range for the fields
    EXPECT_EQ(table.m_nAge, -1);
    EXPECT_EQ(table.m_nGender, 1);
    EXPECT_EQ(table.m_dWeight, 1e308);
    EXPECT_EQ(table.m_dCalories, std::numeric_limits<double>::infinity());
    EXPECT_EQ(table.m_nActivity, 0);
    EXPECT_STREQ(table.m_strDate.GetText(), "9999/99/99");
    EXPECT_EQ(table.m_dBMI, 0.0);  // 'NaN'

    table.MoveNext();  // blobs
    EXPECT_STREQ(table.m_strName.GetText(), "Ann");
    EXPECT_EQ(table.m_nAge, 0);
    EXPECT_EQ(table.m_dCalories, 10.0);
    EXPECT_STREQ(table.m_strDate.GetText(), "");
    EXPECT_STREQ(table.m_strFormat.GetText(), "Imperial");

    ASSERT_TRUE(table.Edit());
    table.m_dWeight = 70.0;
    ASSERT_TRUE(table.Update());
    EXPECT_EQ(RawConnection(kDiary).Text("SELECT typeof(Name) || typeof(Date) || Weight FROM "
                                         "Settings WHERE ROWID = 4"),
              "texttext70.0");
}

// A diary cut short opens only when SQLite can tell every page it needs is there; whatever it
// gives is a row as written or, for a row it cannot read, empty values.
TEST(DamagedFileTest, ADiaryCutShortIsRefusedUntouchedOrGivesItsRows) {
    ScopedTempDir dir;
    const std::vector<DiaryRow> days = DiaryDays();
    ASSERT_TRUE(WriteDiary("whole.qeldb", days));
    const std::string whole = ReadBytes("whole.qeldb");
    const struct {
        size_t length;
        int rows;  // -1: refused
    } cuts[] = {{16, -1},
                {99, -1},
                {100, -1},
                {4096, -1},
                {whole.size() / 2, -1},
                {whole.size() - 4096, -1},
                {whole.size() - 1, kDiaryDays}};
    for (const auto& cut : cuts) {
        SCOPED_TRACE(cut.length);
        std::filesystem::remove(kDiary);
        WriteBytes(kDiary, whole.substr(0, cut.length));
        CDiaryTable table;
        const bool usable = table.Open(kDiary) || (table.Close(), table.OpenOrCreate(kDiary));
        EXPECT_EQ(usable ? WalkRows(table) : -1, cut.rows);
        table.Close();
        if (!usable) {
            EXPECT_TRUE(ReadBytes(kDiary) == whole.substr(0, cut.length));
            continue;
        }
        ASSERT_TRUE(table.Open(kDiary));
        for (int i = 0; !table.IsEOF(); table.MoveNext(), ++i) {
            EXPECT_STREQ(table.m_strDate.GetText(), days[i].date.c_str());
            EXPECT_EQ(table.m_dCalories, days[i].calories);
        }
    }
}

// Another program holding the file: an exclusive lock refuses the opening, a pending write of
// its own refuses ours; both are reported, and once it lets go everything is there.
TEST(DamagedFileTest, ADiaryLockedByAnotherProgramIsRefusedAndKept) {
    ScopedTempDir dir;
    ASSERT_TRUE(WriteDiary(kDiary, DiaryDays()));
    RawConnection other(kDiary);

    ASSERT_EQ(other.Exec("BEGIN EXCLUSIVE"), SQLITE_OK);
    CDiaryTable table;
    EXPECT_FALSE(table.Open(kDiary));
    EXPECT_STREQ(table.GetLastError(), "database is locked");
    ASSERT_EQ(other.Exec("COMMIT"), SQLITE_OK);

    ASSERT_EQ(other.Exec("BEGIN IMMEDIATE; DELETE FROM Settings WHERE ROWID = 1"), SQLITE_OK);
    ASSERT_TRUE(table.Open(kDiary));
    EXPECT_EQ(table.m_recordCount, kDiaryDays);
    ASSERT_TRUE(table.AddNew());
    FillDiaryRow(table);
    EXPECT_FALSE(table.Update());
    EXPECT_STREQ(table.GetLastError(), "database is locked");
    EXPECT_EQ(table.m_recordCount, kDiaryDays);
    ASSERT_EQ(other.Exec("ROLLBACK"), SQLITE_OK);

    EXPECT_EQ(RawConnection(kDiary).Text("SELECT COUNT(*) FROM Settings"),
              std::to_string(kDiaryDays));
}

}  // namespace
