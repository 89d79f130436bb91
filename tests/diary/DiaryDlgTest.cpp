#include "diary/DiaryDlg.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
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

// A diary file as the program lays it out: `rows` entries of one man, row ids from 1 up; every
// BMI is 99.5 so a test can tell whether a save touched it.
void WriteDiary(int rows) {
    RawConnection raw(kDiaryFile);
    raw.Exec(
        "CREATE TABLE [Settings] ( [Name] TEXT,[Age] INT,[Gender] INT,[Weight] DOUBLE,"
        "[Height] DOUBLE,[Calories] DOUBLE,[Activity] INT,[Date] TEXT,[Format] TEXT,"
        "[BMI] DOUBLE,[BMR] DOUBLE)");
    for (int i = 0; i < rows; ++i) {
        raw.Exec(
            "INSERT INTO Settings VALUES('Bob',34,1,70.0,175.0,1800,3,'2010/03/01','Metric',"
            "99.5,1600)");
    }
}

std::string Stored(const std::string& sql) {
    return RawConnection(kDiaryFile).Text(sql);
}

// Every stored row, read past the record store, one line each.
std::string DumpDiary() {
    return Stored(
        "SELECT group_concat(ROWID||'|'||Name||'|'||Age||'|'||Gender||'|'||Weight||'|'||Height||'|'"
        "||Calories||'|'||Activity||'|'||Date||'|'||Format||'|'||BMI||'|'||BMR, char(10)) "
        "FROM Settings");
}

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

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

    void OpenPanel(std::optional<DiaryCheck> startCheck = std::nullopt) {
        m_panel = std::make_unique<CDiaryDlg>(nullptr, std::move(startCheck));
        ASSERT_TRUE(m_panel->Create(IDD_DIARY));
        m_panel->ShowWindow(SW_SHOW);
    }
    void Reshow() {
        m_panel->ShowWindow(SW_HIDE);
        m_panel->ShowWindow(SW_SHOW);
    }
    CWnd* Item(int id) { return m_panel->GetDlgItem(id); }
    bool Enabled(int id) { return Item(id)->IsWindowEnabled(); }
    void Click(int id) { TestDriver::Click(Item(id)); }
    void Type(int id, const std::string& text) { TestDriver::Type(Item(id), text); }
    std::string Text(int id) { return m_panel->GetDlgItemText(id); }
    bool Checked(int id) { return m_panel->IsDlgButtonChecked(id) == BST_CHECKED; }
    std::string LastMessage() { return m_messages.empty() ? "" : m_messages.back(); }

    std::unique_ptr<CDiaryDlg> m_panel;
    std::vector<std::string> m_messages;
    int m_answer = IDYES;
};

TEST_F(DiaryDlgTest, NewDiaryIsSeededAndTakesEntriesOnlyOnceTheProfileIsComplete) {
    OpenPanel();
    const std::string today = COleDateTime::GetCurrentTime().Format("%Y-%m-%d");
    EXPECT_EQ(DumpDiary(), "1||0|0|50.0|110.0|1500.0|0|" + today + "|Metric|20.0|2200.0");
    EXPECT_EQ(Text(IDC_ENTRY_LABEL), "Record 1");
    EXPECT_TRUE(Enabled(IDC_NAME));
    EXPECT_EQ(Text(IDC_BMI_TEXT) + Text(IDC_NEED_TEXT), "");  // placeholders, not the user's

    Click(IDC_CREATE_NEW_ENTRY);
    EXPECT_EQ(LastMessage(), kCompleteFirst);
    Type(IDC_NAME, "Ann");
    Type(IDC_AGE, "0");
    Click(IDC_SAVE);
    EXPECT_EQ(m_messages.at(1), kConfirmEdit);
    Click(IDC_CREATE_NEW_ENTRY);
    EXPECT_EQ(LastMessage(), kCompleteFirst);

    Type(IDC_AGE, "34");
    Click(IDC_SAVE);
    EXPECT_EQ(Text(IDC_BMI_TEXT), "BMI 41.3, obese");
    EXPECT_EQ(Text(IDC_NEED_TEXT), "Calorie need 1413 kcal a day");
    m_messages.clear();
    Click(IDC_CREATE_NEW_ENTRY);
    EXPECT_TRUE(m_messages.empty());
    EXPECT_EQ(Text(IDC_ENTRY_LABEL) + Text(IDC_CALORIES) + Text(IDC_BMI_TEXT), "");
    EXPECT_FALSE(Enabled(IDC_NAME) || Enabled(IDC_METRIC));
}

// Found by its row id, not its place: another program added a row since the panel counted them.
TEST_F(DiaryDlgTest, NewEntryFollowsTheLargestRowIdAndNavigationWrapsAround) {
    WriteDiary(2);
    RawConnection(kDiaryFile).Exec("UPDATE Settings SET ROWID = 7 WHERE ROWID = 2");
    OpenPanel();
    EXPECT_EQ(Text(IDC_ENTRY_LABEL), "Record 7");
    EXPECT_FALSE(Enabled(IDC_NAME));
    RawConnection(kDiaryFile).Exec("INSERT INTO Settings SELECT * FROM Settings WHERE ROWID = 7");
    Click(IDC_CREATE_NEW_ENTRY);
    Type(IDC_CALORIES, "1234");
    Click(IDC_SAVE);
    EXPECT_EQ(LastMessage(), kConfirmNew);
    EXPECT_EQ(Text(IDC_ENTRY_LABEL) + " " + Text(IDC_CALORIES), "Record 9 1234");
    // A new entry starts with no exercise, whatever the entry shown had.
    EXPECT_EQ(Stored("SELECT Calories || Activity FROM Settings WHERE ROWID = 9"), "1234.00");

    Click(IDC_NEXT);
    EXPECT_EQ(Text(IDC_ENTRY_LABEL), "Record 1");
    EXPECT_TRUE(Enabled(IDC_FEMALE));
    Click(IDC_PREVIOUS);
    EXPECT_EQ(Text(IDC_ENTRY_LABEL) + " " + Text(IDC_CALORIES), "Record 9 1234");
    EXPECT_FALSE(Enabled(IDC_FEMALE));
    EXPECT_EQ(Text(IDC_HELP_TEXT),
              "You can edit this diary entry by typing in your new values and saving. To add a "
              "new entry, click on the Create New Entry button. To navigate to another using < "
              "or >.");
}

// The unit radios re-range both sliders; a slider moved by keys ends as a mouse release does: its
// text, what a screen reader reads as its value and the saved entry all follow the thumb.
TEST_F(DiaryDlgTest, SlidersShowAndStoreTheMeasuresInTheUnitsPicked) {
    WriteDiary(1);
    OpenPanel();
    Click(IDC_IMPERIAL);
    auto* weight = dynamic_cast<CSliderCtrl*>(Item(IDC_WEIGHT_SLIDER));
    auto* height = dynamic_cast<CSliderCtrl*>(Item(IDC_HEIGHT_SLIDER));
    ASSERT_TRUE(weight && height);
    EXPECT_THAT((std::vector<int>{weight->GetPos(), weight->GetRangeMin(), weight->GetRangeMax(),
                                  weight->GetTicFreq(), height->GetPos(), height->GetRangeMin(),
                                  height->GetRangeMax()}),
                ElementsAre(154, 112, 364, 14, 69, 42, 84));
    EXPECT_EQ(Text(IDC_WEIGHT_TEXT) + ", " + Text(IDC_HEIGHT_TEXT),
              "Weight 11 stones 0 pounds, Height 5 feet 9 inches");

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
        TestDriver::PressKey(weight, m.weightKey);
        TestDriver::PressKey(height, m.heightKey);
        EXPECT_EQ(Text(IDC_WEIGHT_TEXT), m.weightText);
        EXPECT_EQ(Text(IDC_HEIGHT_TEXT), m.heightText);
        EXPECT_EQ("Weight " + TestDriver::SpokenOf(weight).value, m.weightText);
        Click(IDC_SAVE);
        EXPECT_NEAR(std::stod(Stored("SELECT Weight FROM Settings")), m.kg, 1e-9) << m.weightText;
        EXPECT_NEAR(std::stod(Stored("SELECT Height FROM Settings")), m.cm, 1e-9) << m.heightText;
    }
    // Saved on the profile row, the units are the diary's: shown again, it is imperial.
    Click(IDC_METRIC);
    Reshow();
    EXPECT_TRUE(Checked(IDC_IMPERIAL) && !Checked(IDC_METRIC));
}

// A save refused by a check leaves its write pending: navigation or a reshow drops it, and it
// never lands on an entry of the other kind.
TEST_F(DiaryDlgTest, WriteLeftPendingByARefusedCheckNeverLandsOnAnotherRow) {
    WriteDiary(3);
    OpenPanel();
    const std::string before = DumpDiary();
    Click(IDC_FIRST);
    Type(IDC_NAME, "   ");
    Click(IDC_SAVE);
    EXPECT_EQ(LastMessage(), "Check Name Field");
    Click(IDC_LAST);
    EXPECT_EQ(Text(IDC_ENTRY_LABEL) + " " + Text(IDC_NAME), "Record 1 Bob");
    EXPECT_EQ(DumpDiary(), before);

    Type(IDC_CALORIES, " ");
    Click(IDC_SAVE);
    EXPECT_EQ(LastMessage(), "Check Calorie Field");
    Click(IDC_CREATE_NEW_ENTRY);
    Type(IDC_CALORIES, "2100");
    TestDriver::PickDate(Item(IDC_ENTRY_DATE), 2010, 3, 7);
    Click(IDC_SAVE);
    EXPECT_EQ(LastMessage(), kConfirmNew);
    EXPECT_EQ(Stored("SELECT Calories || Date FROM Settings WHERE ROWID = 4"), "2100.02010/03/07");
    EXPECT_EQ(DumpDiary().substr(0, before.size()), before);

    Click(IDC_CREATE_NEW_ENTRY);
    Click(IDC_SAVE);
    EXPECT_EQ(LastMessage(), "Check Calorie Field");
    Reshow();
    EXPECT_EQ(Text(IDC_ENTRY_LABEL) + " " + Text(IDC_CALORIES), "Record 4 2100");
    Type(IDC_CALORIES, "2000");
    Click(IDC_SAVE);
    EXPECT_EQ(LastMessage(), kConfirmEdit);
    EXPECT_EQ(Stored("SELECT group_concat(Calories) FROM Settings"), "1800.0,1800.0,1800.0,2000.0");
}

// Another program holding the file makes the opening, a read and a save fail in turn: each is
// told, nothing is written in its stead, and each works once the file is free again.
TEST_F(DiaryDlgTest, DiaryHeldByAnotherProgramIsToldAndNeverWrittenWithWhatWasNotRead) {
    WriteDiary(20);
    RawConnection other(kDiaryFile);
    ASSERT_EQ(other.Exec("BEGIN EXCLUSIVE"), SQLITE_OK);
    OpenPanel();
    EXPECT_THAT(m_messages, ElementsAre("The diary " + m_dir.File(kDiaryFile) +
                                        " could not be opened: database is locked."));
    EXPECT_FALSE(Enabled(IDC_SAVE) || Enabled(IDC_CREATE_NEW_ENTRY));
    EXPECT_EQ(Text(IDC_HELP_TEXT) + Text(IDC_ENTRY_LABEL), "");
    other.Exec("ROLLBACK");
    Reshow();
    EXPECT_EQ(m_messages.size(), 1u);
    EXPECT_TRUE(Enabled(IDC_SAVE));
    EXPECT_EQ(Text(IDC_ENTRY_LABEL), "Record 20");

    const std::string before = DumpDiary();
    other.Exec("BEGIN EXCLUSIVE");
    Click(IDC_FIRST);
    EXPECT_EQ(LastMessage(), "The diary could not be read: database is locked.");
    EXPECT_EQ(Text(IDC_ENTRY_LABEL) + " " + Text(IDC_NAME), "Record 20 Bob");
    EXPECT_TRUE(Checked(IDC_MALE));
    other.Exec("ROLLBACK");
    Type(IDC_AGE, "41");
    Type(IDC_CALORIES, "2100");
    Click(IDC_SAVE);
    EXPECT_EQ(LastMessage(), kConfirmEdit);
    const size_t lastRow = before.rfind("20|");
    EXPECT_EQ(DumpDiary().substr(0, lastRow), before.substr(0, lastRow));
    EXPECT_EQ(Stored("SELECT Name || Age || Gender || Weight || Height || Calories || Activity || "
                     "Date FROM Settings WHERE ROWID = 20"),
              "Bob41170.0175.02100.032010/03/01");

    const std::string saved = DumpDiary();
    Click(IDC_FIRST);
    const std::string name(6000, 'N');  // long enough to need new pages of the file
    Type(IDC_NAME, name);
    Type(IDC_CALORIES, "1234");
    other.Exec("BEGIN IMMEDIATE");
    Click(IDC_SAVE);
    other.Exec("ROLLBACK");
    EXPECT_EQ(LastMessage(), "The entry was not saved: database is locked.");
    EXPECT_EQ(DumpDiary(), saved);
    EXPECT_EQ(Text(IDC_ENTRY_LABEL) + " " + Text(IDC_CALORIES), "Record 1 1234");
    EXPECT_EQ(Text(IDC_NAME), name);
    // Nothing is left pending: saving again writes the entry and its profile copy.
    Click(IDC_SAVE);
    EXPECT_EQ(LastMessage(), kConfirmEdit);
    EXPECT_EQ(Stored("SELECT count(*) FROM Settings WHERE Name = '" + name + "'"), "20");
    EXPECT_EQ(Stored("SELECT Calories FROM Settings WHERE ROWID = 1"), "1234.0");
    EXPECT_EQ(Text(IDC_ENTRY_LABEL), "Record 1");
}

// The food log's total shows beside the calories of the date shown; USE and a new entry take it
// into the calories box, and nothing is written until the user saves.
TEST_F(DiaryDlgTest, FoodLogTotalOfTheShownDateCanFillTheCalories) {
    WriteDiary(2);
    CFoodLog log(kDiaryFile);
    ASSERT_TRUE(log.Log(COleDateTime(2010, 3, 1, 0, 0, 0), {"Pies", "Pork pie", 376, ""}, 3.5));
    ASSERT_TRUE(log.Log(COleDateTime::GetCurrentTime(), {"Fruit", "Banana", 95, ""}, 2.0));
    OpenPanel();
    const std::string before = DumpDiary();
    EXPECT_EQ(Text(IDC_LOG_TOTAL), "Log: 1" + kThin + "316");
    Click(IDC_USE_LOG_TOTAL);
    EXPECT_EQ(Text(IDC_CALORIES), "1316");
    TestDriver::PickDate(Item(IDC_ENTRY_DATE), 2010, 3, 2);
    EXPECT_FALSE(Item(IDC_USE_LOG_TOTAL)->IsWindowVisible() ||
                 Item(IDC_LOG_TOTAL)->IsWindowVisible());
    EXPECT_EQ(DumpDiary(), before);

    Click(IDC_CREATE_NEW_ENTRY);
    EXPECT_EQ(Text(IDC_CALORIES), "190");
    Click(IDC_SAVE);
    EXPECT_EQ(Stored("SELECT Calories FROM Settings WHERE ROWID = 3"), "190.0");
}

TEST_F(DiaryDlgTest, DamagedDiaryIsNeverWrittenAndCanBeReplacedByItsNewestBackup) {
    WriteDiary(2);
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
    EXPECT_THAT(m_messages, ElementsAre(AllOf(
                                StartsWith("The diary " + m_dir.File(kDiaryFile) + " is damaged: "),
                                HasSubstr("from 2026-01-02?"))));
    EXPECT_FALSE(Enabled(IDC_SAVE));
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
    EXPECT_TRUE(Enabled(IDC_SAVE));
}

// The check made at start-up, before the panel was built, decides its first opening only; a later
// opening checks the file afresh.
TEST_F(DiaryDlgTest, TheStartUpCheckDecidesTheFirstOpeningOnly) {
    WriteDiary(2);
    DiaryCheck atStart;
    atStart.health = database_file::Health::Damaged;
    atStart.reason = "damaged at start-up";
    OpenPanel(atStart);
    EXPECT_THAT(m_messages, ElementsAre("The diary " + m_dir.File(kDiaryFile) +
                                        " is damaged: damaged at start-up. There is no backup to "
                                        "restore it from."));
    EXPECT_FALSE(Enabled(IDC_SAVE));

    m_messages.clear();
    Reshow();
    EXPECT_THAT(m_messages, ElementsAre());
    EXPECT_EQ(Text(IDC_ENTRY_LABEL), "Record 2");
    EXPECT_TRUE(Enabled(IDC_SAVE));
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
};

TEST_F(DiaryDlgOrdinaryUserTest, ReadOnlyDiaryInAReadOnlyFolderIsShownAndRefusesSaves) {
    WriteDiary(2);
    for (const std::string& path : {std::string(kDiaryFile), m_dir.Path()}) {
        std::filesystem::permissions(path, std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::remove);
    }
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

}  // namespace
