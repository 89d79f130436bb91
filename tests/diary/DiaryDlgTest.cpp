#include "diary/DiaryDlg.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "diary/DiaryBackups.h"
#include "foods/FoodLog.h"
#include "platform/MessageBox.h"
#include "platform/TestDriver.h"
#include "res/resource.h"
#include "store/SqlProbe.h"
#include "support/TempDir.h"

using ::testing::AllOf;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

// The thousands separator of kcal shown.
const std::string kThin = "\xE2\x80\x89";

constexpr const char* kCompleteFirst = "You must complete your current diary entry, name and age!";
constexpr const char* kConfirmNew = "Are you sure you wish to save this record?";
constexpr const char* kConfirmEdit = "Are you sure you wish to edit this record?";

// The panel with its table in reach, so a test can make the file fail beneath it.
class PanelUnderTest : public CDiaryDlg {
public:
    CDiaryTable& Table() { return m_table; }
};

struct Entry {
    const char* name;
    int age;
    int gender;
    double weight;
    double height;
    int activity;
    const char* format;
};

// A diary file as the program lays it out, one row per entry, row ids from 1 up; every BMI is
// 99.5 so a test can tell whether a save touched it.
void WriteDiary(const std::vector<Entry>& entries) {
    RawConnection raw(kDiaryFile);
    raw.Exec(
        "CREATE TABLE [Settings] ( [Name] TEXT,[Age] INT,[Gender] INT,[Weight] DOUBLE,"
        "[Height] DOUBLE,[Calories] DOUBLE,[Activity] INT,[Date] TEXT,[Format] TEXT,"
        "[BMI] DOUBLE,[BMR] DOUBLE)");
    for (const Entry& e : entries) {
        char* sql = sqlite3_mprintf(
            "INSERT INTO Settings VALUES(%Q,%d,%d,%f,%f,1800,%d,'2010/03/01',%Q,99.5,1600)", e.name,
            e.age, e.gender, e.weight, e.height, e.activity, e.format);
        raw.Exec(sql);
        sqlite3_free(sql);
    }
}

// Every stored row, read past the record store.
std::string DumpDiary() {
    std::string dump;
    RawConnection raw(kDiaryFile);
    sqlite3_exec(
        raw.m_db, "SELECT ROWID, * FROM Settings ORDER BY ROWID",
        [](void* out, int columns, char** values, char**) {
            for (int i = 0; i < columns; ++i) {
                *static_cast<std::string*>(out) +=
                    std::string(values[i] ? values[i] : "<null>") + "|";
            }
            *static_cast<std::string*>(out) += "\n";
            return 0;
        },
        &dump, nullptr);
    return dump;
}

std::string Stored(const std::string& sql) {
    return RawConnection(kDiaryFile).Text(sql);
}

double StoredNumber(const std::string& sql) {
    return std::stod(Stored(sql));
}

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const Entry kProfile = {"Ann", 34, 0, 70.0, 175.0, 3, "Metric"};

class DiaryDlgTest : public TempDirTest {
protected:
    void SetUp() override {
        SetMessageBoxHook([this](const std::string& text, const std::string&, UINT type) {
            m_messages.push_back(text);
            return type == MB_YESNO ? m_answer : IDOK;
        });
    }
    void TearDown() override {
        m_panel.reset();
        SetMessageBoxHook(nullptr);
    }

    void OpenPanel() {
        m_panel = std::make_unique<PanelUnderTest>();
        ASSERT_TRUE(m_panel->Create(IDD_DIARY));
        m_panel->ShowWindow(SW_SHOW);
    }
    void Reshow() {
        m_panel->ShowWindow(SW_HIDE);
        m_panel->ShowWindow(SW_SHOW);
    }
    CWnd* Item(int id) { return m_panel->GetDlgItem(id); }
    CSliderCtrl* Slider(int id) { return dynamic_cast<CSliderCtrl*>(Item(id)); }
    void Click(int id) { TestDriver::Click(Item(id)); }
    void Type(int id, const std::string& text) { TestDriver::Type(Item(id), text); }
    std::string Text(int id) { return m_panel->GetDlgItemText(id); }
    bool Checked(int id) { return m_panel->IsDlgButtonChecked(id) == BST_CHECKED; }
    std::string LastMessage() { return m_messages.empty() ? "" : m_messages.back(); }
    void NewEntry(const std::string& calories) {
        Click(IDC_CREATE_NEW_ENTRY);
        Type(IDC_CALORIES, calories);
        Click(IDC_SAVE);
    }

    std::unique_ptr<PanelUnderTest> m_panel;
    std::vector<std::string> m_messages;
    int m_answer = IDYES;
};

TEST_F(DiaryDlgTest, NewDiaryIsSeededAndTakesEntriesOnlyOnceTheProfileIsComplete) {
    OpenPanel();
    const std::string today = COleDateTime::GetCurrentTime().Format("%Y-%m-%d");
    EXPECT_EQ(DumpDiary(), "1||0|0|50.0|110.0|1500.0|0|" + today + "|Metric|20.0|2200.0|\n");
    EXPECT_EQ(Text(IDC_ENTRY_LABEL), "Record 1");
    EXPECT_TRUE(Item(IDC_NAME)->IsWindowEnabled());
    EXPECT_EQ(Text(IDC_BMI_TEXT) + Text(IDC_NEED_TEXT), "");  // placeholders, not the user's

    Click(IDC_CREATE_NEW_ENTRY);
    EXPECT_EQ(LastMessage(), kCompleteFirst);
    Type(IDC_NAME, "Ann");
    Type(IDC_AGE, "0");
    Click(IDC_SAVE);
    EXPECT_EQ(m_messages.at(1), kConfirmEdit);
    Click(IDC_CREATE_NEW_ENTRY);
    EXPECT_EQ(LastMessage(), kCompleteFirst);
    EXPECT_EQ(Text(IDC_ENTRY_LABEL), "Record 1");

    Type(IDC_AGE, "34");
    Click(IDC_SAVE);
    EXPECT_EQ(Text(IDC_BMI_TEXT), "BMI 41.3, obese");
    EXPECT_EQ(Text(IDC_NEED_TEXT), "Calorie need 1413 kcal a day");
    m_messages.clear();
    Click(IDC_CREATE_NEW_ENTRY);
    EXPECT_TRUE(m_messages.empty());
    EXPECT_EQ(Text(IDC_ENTRY_LABEL), "");
    EXPECT_EQ(Text(IDC_CALORIES), "");
    EXPECT_EQ(Text(IDC_BMI_TEXT), "");
    EXPECT_FALSE(Item(IDC_NAME)->IsWindowEnabled());
    EXPECT_FALSE(Item(IDC_METRIC)->IsWindowEnabled());
}

TEST_F(DiaryDlgTest, SaveAppendsAfterTheLargestRowIdAndReadsTheLeadingIntegerOfCalories) {
    WriteDiary({kProfile, kProfile});
    RawConnection(kDiaryFile).Exec("UPDATE Settings SET ROWID = 7 WHERE ROWID = 2");
    OpenPanel();
    EXPECT_EQ(Text(IDC_ENTRY_LABEL), "Record 7");
    EXPECT_FALSE(Item(IDC_NAME)->IsWindowEnabled());

    const struct {
        const char* typed;
        const char* stored;
    } cases[] = {{"1500 kcal", "1500.0"}, {"lots", "0.0"}, {"  20x", "20.0"}};
    int rowId = 8;
    for (const auto& c : cases) {
        m_messages.clear();
        NewEntry(c.typed);
        EXPECT_EQ(LastMessage(), kConfirmNew);
        EXPECT_EQ(Text(IDC_ENTRY_LABEL), "Record " + std::to_string(rowId));
        EXPECT_EQ(Stored("SELECT Calories FROM Settings WHERE ROWID = " + std::to_string(rowId)),
                  c.stored)
            << c.typed;
        ++rowId;
    }
    // A new entry starts with no exercise, whatever the entry shown had.
    EXPECT_EQ(Stored("SELECT group_concat(Activity) FROM Settings"), "3,3,0,0,0");
}

TEST_F(DiaryDlgTest, BlankNameLeavesTheEditPendingUntilNavigationCancelsIt) {
    WriteDiary({kProfile, kProfile, kProfile});
    OpenPanel();
    const std::string before = DumpDiary();
    Click(IDC_FIRST);
    Type(IDC_NAME, "   ");
    Click(IDC_SAVE);
    EXPECT_EQ(LastMessage(), "Check Name Field");
    Click(IDC_LAST);
    EXPECT_EQ(Text(IDC_ENTRY_LABEL), "Record 1");
    EXPECT_EQ(Text(IDC_NAME), "Ann");
    EXPECT_EQ(DumpDiary(), before);
}

TEST_F(DiaryDlgTest, NavigationWrapsAroundAndStaysPutInAOneRowDiary) {
    WriteDiary({kProfile});
    OpenPanel();
    Click(IDC_NEXT);
    EXPECT_EQ(Text(IDC_ENTRY_LABEL), "Record 1");
    Click(IDC_PREVIOUS);
    EXPECT_EQ(Text(IDC_ENTRY_LABEL), "Record 1");

    NewEntry("1000");
    NewEntry("2000");
    Click(IDC_NEXT);
    EXPECT_EQ(Text(IDC_ENTRY_LABEL), "Record 1");
    EXPECT_TRUE(Item(IDC_FEMALE)->IsWindowEnabled());
    Click(IDC_PREVIOUS);
    EXPECT_EQ(Text(IDC_ENTRY_LABEL), "Record 3");
    EXPECT_EQ(Text(IDC_CALORIES), "2000");
    EXPECT_FALSE(Item(IDC_FEMALE)->IsWindowEnabled());
    EXPECT_EQ(Text(IDC_HELP_TEXT),
              "You can edit this diary entry by typing in your new values and saving. To add a "
              "new entry, click on the Create New Entry button. To navigate to another using < "
              "or >.");
}

TEST_F(DiaryDlgTest, UnitRadiosReRangeBothSlidersWithoutWriting) {
    WriteDiary({kProfile});
    OpenPanel();
    const std::string before = DumpDiary();
    Click(IDC_IMPERIAL);
    CSliderCtrl* weight = Slider(IDC_WEIGHT_SLIDER);
    CSliderCtrl* height = Slider(IDC_HEIGHT_SLIDER);
    ASSERT_NE(weight, nullptr);
    ASSERT_NE(height, nullptr);
    EXPECT_EQ(weight->GetPos(), 154);
    EXPECT_EQ(weight->GetRangeMin(), 112);
    EXPECT_EQ(weight->GetRangeMax(), 364);
    EXPECT_EQ(weight->GetTicFreq(), 14);
    EXPECT_EQ(height->GetPos(), 69);
    EXPECT_EQ(height->GetRangeMin(), 42);
    EXPECT_EQ(height->GetRangeMax(), 84);
    EXPECT_EQ(Text(IDC_WEIGHT_TEXT), "Weight 11 stones 0 pounds");
    EXPECT_EQ(Text(IDC_HEIGHT_TEXT), "Height 5 feet 9 inches");
    EXPECT_EQ(DumpDiary(), before);
    // Saved on the profile row, the units are the diary's: shown again, it is imperial.
    Click(IDC_SAVE);
    Click(IDC_METRIC);
    Reshow();
    EXPECT_TRUE(Checked(IDC_IMPERIAL));
    EXPECT_FALSE(Checked(IDC_METRIC));
}

// A slider moved by keys ends as a mouse release does: its text, what a screen reader reads as
// its value and the saved entry all follow the thumb.
TEST_F(DiaryDlgTest, SliderMovedByKeysStoresWhatItsTextShows) {
    WriteDiary({kProfile});
    OpenPanel();
    const struct {
        bool imperial;
        UINT weightKey, heightKey;
        const char* weightText;
        const char* heightText;
        double kg, cm;
    } moves[] = {
        {false, VK_END, VK_HOME, "Weight 165 kilos", "Height 110 cms", 165, 110},
        {true, VK_HOME, VK_END, "Weight 8 stones 0 pounds", "Height 7 feet 0 inches",
         112 / CBodyMeasures::kPoundsPerKilogram, 84 * CBodyMeasures::kCentimetresPerInch}};
    for (const auto& m : moves) {
        Click(m.imperial ? IDC_IMPERIAL : IDC_METRIC);
        TestDriver::PressKey(Item(IDC_WEIGHT_SLIDER), m.weightKey);
        TestDriver::PressKey(Item(IDC_HEIGHT_SLIDER), m.heightKey);
        EXPECT_EQ(Text(IDC_WEIGHT_TEXT), m.weightText);
        EXPECT_EQ(Text(IDC_HEIGHT_TEXT), m.heightText);
        EXPECT_EQ("Weight " + TestDriver::SpokenOf(Item(IDC_WEIGHT_SLIDER)).value, m.weightText);
        Click(IDC_SAVE);
        EXPECT_NEAR(StoredNumber("SELECT Weight FROM Settings"), m.kg, 1e-9) << m.weightText;
        EXPECT_NEAR(StoredNumber("SELECT Height FROM Settings"), m.cm, 1e-9) << m.heightText;
        EXPECT_NEAR(StoredNumber("SELECT BMI FROM Settings"), m.kg / (m.cm * m.cm / 1e4), 1e-9);
    }
}

// A write left pending by a refused save never takes an entry of the other kind.
TEST_F(DiaryDlgTest, PendingEditThenNewEntryWritesOnlyTheNewRow) {
    WriteDiary({kProfile, kProfile});
    OpenPanel();
    const std::string before = DumpDiary();
    Type(IDC_CALORIES, " ");
    Click(IDC_SAVE);
    EXPECT_EQ(LastMessage(), "Check Calorie Field");
    Click(IDC_CREATE_NEW_ENTRY);
    Type(IDC_CALORIES, "2100");
    TestDriver::PickDate(Item(IDC_ENTRY_DATE), 2010, 3, 7);
    Click(IDC_SAVE);
    EXPECT_EQ(LastMessage(), kConfirmNew);
    EXPECT_EQ(Stored("SELECT Calories || Date FROM Settings WHERE ROWID = 3"), "2100.02010/03/07");
    EXPECT_EQ(DumpDiary().substr(0, before.size()), before);
}

TEST_F(DiaryDlgTest, PendingNewEntryThenEditWritesOnlyTheShownRow) {
    WriteDiary({kProfile, kProfile});
    OpenPanel();
    Click(IDC_CREATE_NEW_ENTRY);
    Click(IDC_SAVE);
    EXPECT_EQ(LastMessage(), "Check Calorie Field");
    Reshow();
    EXPECT_EQ(Text(IDC_ENTRY_LABEL), "Record 2");
    EXPECT_EQ(Text(IDC_CALORIES), "1800");
    Type(IDC_CALORIES, "2100");
    Click(IDC_SAVE);
    EXPECT_EQ(LastMessage(), kConfirmEdit);
    EXPECT_EQ(Stored("SELECT group_concat(Calories, ',') FROM Settings"), "1800.0,2100.0");
}

// How the file refuses a write, and how it is lifted again.
struct Refusal {
    const char* name;
    const char* reason;
    void (*apply)(CDiaryTable& table, RawConnection& other);
    void (*lift)(CDiaryTable& table, RawConnection& other);
};

const Refusal kRefusals[] = {
    {"ReadOnly", "attempt to write a readonly database",
     [](CDiaryTable& t, RawConnection&) { t.Execute("PRAGMA query_only=1"); },
     [](CDiaryTable& t, RawConnection&) { t.Execute("PRAGMA query_only=0"); }},
    {"LockedForWriting", "database is locked",
     [](CDiaryTable&, RawConnection& o) { o.Exec("BEGIN IMMEDIATE"); },
     [](CDiaryTable&, RawConnection& o) { o.Exec("ROLLBACK"); }},
};

void PrintTo(const Refusal& refusal, std::ostream* out) {
    *out << refusal.name;
}

class DiaryDlgRefusedWriteTest : public DiaryDlgTest,
                                 public ::testing::WithParamInterface<Refusal> {};

TEST_P(DiaryDlgRefusedWriteTest, SaveSaysWhyKeepsTheTypingAndStoresNothing) {
    const Refusal& refusal = GetParam();
    WriteDiary({kProfile, kProfile});
    OpenPanel();
    const std::string before = DumpDiary();
    Click(IDC_FIRST);
    // Long enough to need new pages of the file.
    const std::string name(6000, 'N');
    Type(IDC_NAME, name);
    Type(IDC_CALORIES, "1234");
    RawConnection other(kDiaryFile);
    refusal.apply(m_panel->Table(), other);
    Click(IDC_SAVE);
    refusal.lift(m_panel->Table(), other);

    EXPECT_EQ(LastMessage(), std::string("The entry was not saved: ") + refusal.reason + ".");
    EXPECT_EQ(DumpDiary(), before);
    EXPECT_EQ(Text(IDC_ENTRY_LABEL), "Record 1");
    EXPECT_EQ(Text(IDC_NAME), name);
    EXPECT_EQ(Text(IDC_CALORIES), "1234");

    // Nothing is left pending: saving again writes the entry and its profile copy.
    Click(IDC_SAVE);
    EXPECT_EQ(LastMessage(), kConfirmEdit);
    EXPECT_EQ(Stored("SELECT count(*) FROM Settings WHERE Name = '" + name + "'"), "2");
    EXPECT_EQ(Stored("SELECT Calories FROM Settings WHERE ROWID = 1"), "1234.0");
}

INSTANTIATE_TEST_SUITE_P(Refusals, DiaryDlgRefusedWriteTest, ::testing::ValuesIn(kRefusals),
                         [](const auto& refusal) { return std::string(refusal.param.name); });

// --- A diary that cannot be read --------------------------------------------------------------

TEST_F(DiaryDlgTest, UnreadRowIsToldAndTheNextSaveChangesOnlyTheShownRow) {
    WriteDiary(std::vector<Entry>(20, {"Bob", 40, 1, 80.0, 180.0, 2, "Metric"}));
    OpenPanel();
    const std::string before = DumpDiary();
    RawConnection other(kDiaryFile);
    ASSERT_EQ(other.Exec("BEGIN EXCLUSIVE"), SQLITE_OK);
    Click(IDC_FIRST);
    EXPECT_EQ(LastMessage(), "The diary could not be read: database is locked.");
    EXPECT_EQ(Text(IDC_ENTRY_LABEL), "Record 20");
    EXPECT_EQ(Text(IDC_NAME), "Bob");
    EXPECT_TRUE(Checked(IDC_MALE));
    other.Exec("ROLLBACK");

    Type(IDC_AGE, "41");
    Type(IDC_CALORIES, "2100");
    Click(IDC_SAVE);
    EXPECT_EQ(LastMessage(), kConfirmEdit);
    const std::string after = DumpDiary();
    const size_t lastRow = before.rfind("20|");
    EXPECT_EQ(after.substr(0, lastRow), before.substr(0, lastRow));
    EXPECT_EQ(Stored("SELECT Name || Age || Gender || Weight || Height || Calories || Activity || "
                     "Date FROM Settings WHERE ROWID = 20"),
              "Bob41180.0180.02100.022010/03/01");
}

TEST_F(DiaryDlgTest, DiaryThatCannotBeOpenedIsToldAndOpenedWhenShownAgain) {
    WriteDiary({kProfile, kProfile});
    RawConnection other(kDiaryFile);
    ASSERT_EQ(other.Exec("BEGIN EXCLUSIVE"), SQLITE_OK);
    OpenPanel();
    EXPECT_THAT(m_messages, ElementsAre("The diary " + m_dir.File(kDiaryFile) +
                                        " could not be opened: database is locked."));
    EXPECT_FALSE(Item(IDC_SAVE)->IsWindowEnabled());
    EXPECT_FALSE(Item(IDC_CREATE_NEW_ENTRY)->IsWindowEnabled());
    EXPECT_EQ(Text(IDC_HELP_TEXT), "");
    EXPECT_EQ(Text(IDC_ENTRY_LABEL), "");

    other.Exec("ROLLBACK");
    Reshow();
    EXPECT_EQ(m_messages.size(), 1u);
    EXPECT_TRUE(Item(IDC_SAVE)->IsWindowEnabled());
    EXPECT_EQ(Text(IDC_ENTRY_LABEL), "Record 2");
}

// The food log's total shows beside the calories of the date shown; USE and a new entry take it
// into the calories box, and nothing is written until the user saves.
TEST_F(DiaryDlgTest, FoodLogTotalOfTheShownDateCanFillTheCalories) {
    WriteDiary({kProfile, kProfile});
    CFoodLog log(kDiaryFile);
    ASSERT_TRUE(log.Log(COleDateTime(2010, 3, 1, 0, 0, 0), {"Pies", "Pork pie", 376, ""}, 3.5));
    ASSERT_TRUE(log.Log(COleDateTime::GetCurrentTime(), {"Fruit", "Banana", 95, ""}, 2.0));
    OpenPanel();
    const std::string before = DumpDiary();
    EXPECT_TRUE(Item(IDC_USE_LOG_TOTAL)->IsWindowVisible());
    EXPECT_EQ(Text(IDC_LOG_TOTAL), "Log: 1" + kThin + "316");
    Click(IDC_USE_LOG_TOTAL);
    EXPECT_EQ(Text(IDC_CALORIES), "1316");
    TestDriver::PickDate(Item(IDC_ENTRY_DATE), 2010, 3, 2);
    EXPECT_FALSE(Item(IDC_USE_LOG_TOTAL)->IsWindowVisible());
    EXPECT_FALSE(Item(IDC_LOG_TOTAL)->IsWindowVisible());
    EXPECT_EQ(DumpDiary(), before);

    Click(IDC_CREATE_NEW_ENTRY);
    EXPECT_EQ(Text(IDC_CALORIES), "190");
    EXPECT_EQ(Text(IDC_LOG_TOTAL), "Log: 190");
    Click(IDC_SAVE);
    EXPECT_EQ(Stored("SELECT Calories FROM Settings WHERE ROWID = 3"), "190.0");
}

TEST_F(DiaryDlgTest, DamagedDiaryIsNeverWrittenAndCanBeReplacedByItsNewestBackup) {
    WriteDiary({kProfile, kProfile});
    std::string error;
    ASSERT_TRUE(CDiaryBackups().BackUp(COleDateTime(2026, 1, 2, 0, 0, 0), error)) << error;
    {
        // Page 2 holds the rows.
        std::fstream file(kDiaryFile, std::ios::in | std::ios::out | std::ios::binary);
        file.seekp(4096 + 8);
        file << std::string(200, '\xff');
    }
    const std::string damaged = Bytes(kDiaryFile);

    m_answer = IDNO;
    OpenPanel();
    EXPECT_THAT(m_messages, ElementsAre(AllOf(StartsWith("The diary " + m_dir.File(kDiaryFile) +
                                                         " is damaged: "),
                                              HasSubstr("from 2026-01-02?"))));
    EXPECT_FALSE(Item(IDC_SAVE)->IsWindowEnabled());
    EXPECT_EQ(Bytes(kDiaryFile), damaged);

    m_answer = IDYES;
    m_messages.clear();
    Reshow();
    ASSERT_EQ(m_messages.size(), 2u);
    EXPECT_THAT(m_messages[1], StartsWith("The backup of 2026-01-02 was restored. The damaged "
                                          "diary is kept as morvane.qeldb.damaged-"));
    const std::string aside = m_messages[1].substr(m_messages[1].find("morvane.qeldb.damaged-"));
    EXPECT_EQ(Bytes(aside.substr(0, aside.size() - 1)), damaged);
    EXPECT_EQ(Text(IDC_ENTRY_LABEL), "Record 2");
    EXPECT_TRUE(Item(IDC_SAVE)->IsWindowEnabled());
}

TEST_F(DiaryDlgTest, SavedEntryIsFoundByItsRowIdAfterAnotherProgramAddedOne) {
    WriteDiary({kProfile, kProfile});
    OpenPanel();
    RawConnection(kDiaryFile).Exec("INSERT INTO Settings SELECT * FROM Settings WHERE ROWID = 2");
    NewEntry("1234");
    EXPECT_EQ(Text(IDC_ENTRY_LABEL), "Record 4");
    EXPECT_EQ(Text(IDC_CALORIES), "1234");
}

// --- As an ordinary user: file modes bind ------------------------------------------------------

class DiaryDlgOrdinaryUserTest : public DiaryDlgTest {
protected:
    void SetUp() override {
        if (geteuid() == 0) {
            GTEST_SKIP() << "runs as root, where file modes do not bind; CTest runs these tests "
                            "again as the user nobody (DiaryDlgTest.AsAnOrdinaryUser)";
        }
        DiaryDlgTest::SetUp();
    }
    void TearDown() override {
        std::filesystem::permissions(m_dir.Path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add);
        DiaryDlgTest::TearDown();
    }
    void ReadOnly(const std::string& path) {
        std::filesystem::permissions(path, std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::remove);
    }
};

TEST_F(DiaryDlgOrdinaryUserTest, ReadOnlyFolderWithoutADiaryIsToldAndRetried) {
    ReadOnly(m_dir.Path());
    OpenPanel();
    EXPECT_THAT(m_messages, ElementsAre("The diary " + m_dir.File(kDiaryFile) +
                                        " could not be opened: unable to open database file."));
    EXPECT_FALSE(Item(IDC_SAVE)->IsWindowEnabled());
    EXPECT_FALSE(std::filesystem::exists(kDiaryFile));

    std::filesystem::permissions(m_dir.Path(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    Reshow();
    EXPECT_EQ(Text(IDC_ENTRY_LABEL), "Record 1");
    EXPECT_TRUE(Item(IDC_SAVE)->IsWindowEnabled());
}

TEST_F(DiaryDlgOrdinaryUserTest, ReadOnlyDiaryInAReadOnlyFolderIsShownAndRefusesSaves) {
    WriteDiary({kProfile, kProfile});
    ReadOnly(kDiaryFile);
    ReadOnly(m_dir.Path());
    const std::string before = DumpDiary();
    OpenPanel();
    EXPECT_THAT(m_messages, ElementsAre(StartsWith("The diary could not be backed up into " +
                                                   m_dir.File("backups") + ": ")));
    EXPECT_EQ(Text(IDC_ENTRY_LABEL), "Record 2");
    Type(IDC_CALORIES, "1234");
    Click(IDC_SAVE);
    EXPECT_EQ(LastMessage(), "The entry was not saved: attempt to write a readonly database.");
    EXPECT_EQ(DumpDiary(), before);
}

TEST_F(DiaryDlgOrdinaryUserTest, FullDiskRefusesTheSaveAndKeepsEveryRow) {
    WriteDiary({kProfile, kProfile});
    OpenPanel();
    const std::string before = DumpDiary();
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit full{static_cast<rlim_t>(std::filesystem::file_size(kDiaryFile)), limit.rlim_max};
    signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &full);
    Click(IDC_FIRST);
    Type(IDC_NAME, std::string(100000, 'N'));
    Click(IDC_SAVE);
    setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_THAT(LastMessage(), StartsWith("The entry was not saved: "));
    EXPECT_EQ(DumpDiary(), before);
    Click(IDC_SAVE);
    EXPECT_EQ(Stored("SELECT length(Name) FROM Settings WHERE ROWID = 2"), "100000");
}

}  // namespace
