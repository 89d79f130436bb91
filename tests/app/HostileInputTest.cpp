// Hostile texts and edge dates typed into the real windows: they are stored as typed, shown back
// unchanged, never change the meaning of any SQL, and never bring a panel down.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "diary/DiaryDlg.h"
#include "foods/FoodsDlg.h"
#include "platform/MessageBox.h"
#include "platform/TestDriver.h"
#include "res/resource.h"
#include "stats/StatsDlg.h"
#include "store/SqlProbe.h"
#include "support/TempDir.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

constexpr const char* kDiaryFile = "morvane.qeldb";

struct Hostile {
    const char* label;
    std::string text;
};

// Texts that break naive quoting, LIKE patterns, buffers or text conversion.
const std::vector<Hostile> kHostileTexts = {
    {"Apostrophe", "O'Brien"},
    {"DoubleQuotes", "Ann \"the\" Cook"},
    {"LikeWildcards", "100% a_b"},
    {"StatementEnd", "; DROP TABLE Settings; --"},
    {"ClosingQuote", "x'); DROP TABLE Settings; --"},
    {"Brackets", "[Name]"},
    {"VeryLong", std::string(100000, 'L')},
    {"GreekCyrillicCjk",
     "\xCE\x91\xCE\xBD\xCE\xBD\xCE\xB1 \xD0\x90\xD0\xBD\xD0\xBD\xD0\xB0 "
     "\xE5\xAE\x89\xE5\xA8\x9C"},
    {"Emoji", "Ann \xF0\x9F\x8D\x8E\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x8D\xB3"},
    {"ControlCharacters", "Ann\tB\x01\x1F"},
    {"NotUtf8", "\xff"},
    {"TruncatedUtf8", "Ann \xE5\xAE"},
};

void PrintTo(const Hostile& hostile, std::ostream* out) {
    *out << hostile.label;
}

std::string Stored(const std::string& sql) {
    return RawConnection(kDiaryFile).Text(sql);
}

// The diary panel on a diary whose profile row is complete and which holds one later entry.
class HostileDiaryTest : public TempDirTest {
protected:
    void SetUp() override {
        SetMessageBoxHook([this](const std::string& text, const std::string&, UINT) {
            m_messages.push_back(text);
            return IDYES;
        });
        m_panel = std::make_unique<CDiaryDlg>();
        ASSERT_TRUE(m_panel->Create(IDD_DIARY));
        m_panel->ShowWindow(SW_SHOW);
        Type(IDC_NAME, "Ann");
        Type(IDC_AGE, "30");
        Type(IDC_CALORIES, "2000");
        Click(IDC_SAVE);
        Click(IDC_CREATE_NEW_ENTRY);
        Type(IDC_CALORIES, "1500");
        Click(IDC_SAVE);
        ASSERT_EQ(Stored("SELECT count(*) FROM Settings"), "2");
        m_messages.clear();
    }
    void TearDown() override {
        m_panel.reset();
        SetMessageBoxHook(nullptr);
    }

    void Reshow() {
        m_panel->ShowWindow(SW_HIDE);
        m_panel->ShowWindow(SW_SHOW);
    }
    CWnd* Item(int id) { return m_panel->GetDlgItem(id); }
    void Click(int id) { TestDriver::Click(Item(id)); }
    void Type(int id, const std::string& text) { TestDriver::Type(Item(id), text); }
    std::string Text(int id) { return m_panel->GetDlgItemText(id); }

    // Saves the profile row with this name, age 30 and 2000 calories.
    void SaveProfile(const std::string& name) {
        Click(IDC_FIRST);
        Type(IDC_NAME, name);
        Type(IDC_AGE, "30");
        Type(IDC_CALORIES, "2000");
        Click(IDC_SAVE);
    }

    std::unique_ptr<CDiaryDlg> m_panel;
    std::vector<std::string> m_messages;
};

class HostileNameTest : public HostileDiaryTest, public ::testing::WithParamInterface<Hostile> {};

TEST_P(HostileNameTest, IsStoredAndShownByteForByteInEveryRow) {
    const std::string& name = GetParam().text;
    SaveProfile(name);
    EXPECT_THAT(m_messages, ElementsAre("Are you sure you wish to edit this record?"));

    RawConnection raw(kDiaryFile);
    EXPECT_EQ(raw.Text("SELECT count(*) FROM sqlite_master"), "1");
    EXPECT_EQ(raw.Text("SELECT count(*) FROM Settings"), "2");
    // The profile copy to the later row compares and writes the bytes as they are.
    for (const char* row : {"1", "2"}) {
        const std::string sql = std::string("SELECT Name FROM Settings WHERE ROWID = ") + row;
        const std::string stored = raw.Text(sql);
        EXPECT_EQ(stored.size(), name.size()) << "row " << row;
        EXPECT_TRUE(stored == name) << "row " << row;
    }
    EXPECT_EQ(raw.Text("SELECT typeof(Name) || Age || Calories FROM Settings WHERE ROWID = 1"),
              "text302000.0");

    Reshow();
    EXPECT_EQ(Text(IDC_ENTRY_LABEL), "Record 2");
    EXPECT_TRUE(Text(IDC_NAME) == name);
    Click(IDC_FIRST);
    EXPECT_TRUE(Text(IDC_NAME) == name);
    EXPECT_EQ(Text(IDC_ENTRY_LABEL), "Record 1");
}

INSTANTIATE_TEST_SUITE_P(Texts, HostileNameTest, ::testing::ValuesIn(kHostileTexts),
                         [](const auto& test) { return std::string(test.param.label); });

TEST_F(HostileDiaryTest, LeadingWhiteSpaceOfANameIsDroppedAndTheRestKept) {
    SaveProfile(" \t O'Brien \t ");
    EXPECT_EQ(Stored("SELECT Name FROM Settings WHERE ROWID = 1"), "O'Brien \t ");
}

// Every column but the one typed into (and the calorie need that follows from age).
std::string UntouchedColumns() {
    return Stored(
        "SELECT group_concat(Name || '|' || Gender || '|' || Weight || '|' || Height || '|' || "
        "Activity || '|' || Date || '|' || Format || '|' || BMI, ';') FROM Settings");
}

// Calories store their leading integer; numbers a diary cannot hold are refused and change
// nothing ("" below).
TEST_F(HostileDiaryTest, CaloriesAreStoredAsTheirLeadingInteger) {
    const struct {
        std::string typed;
        const char* value;
    } cases[] = {
        {"letters", "0"},
        {"12.9", "12"},
        {"2000; DROP TABLE Settings; --", "2000"},
        {std::string("\xff") + "12", "0"},  // a byte that is not UTF-8 before the digits
        {" \t 42abc", "42"},
        {"99999999999999999999", ""},
        {"-500", ""},
    };
    Click(IDC_FIRST);
    const std::string untouched = UntouchedColumns();
    std::string stored = Stored("SELECT Calories FROM Settings WHERE ROWID = 1");
    for (const auto& c : cases) {
        Type(IDC_CALORIES, c.typed);
        m_messages.clear();
        Click(IDC_SAVE);
        Click(IDC_FIRST);
        if (*c.value != '\0') {
            stored = std::string(c.value) + ".0";
        } else {
            EXPECT_EQ(m_messages.back(), "Check Calorie Field") << c.typed;
        }
        EXPECT_EQ(Stored("SELECT Calories FROM Settings WHERE ROWID = 1"), stored) << c.typed;
        EXPECT_EQ(UntouchedColumns(), untouched) << c.typed;
        EXPECT_EQ(Stored("SELECT Calories FROM Settings WHERE ROWID = 2"), "1500.0") << c.typed;
    }
}

// The age edit takes digits only: other text is refused as typed, digits are read as a number,
// and an age no one has is refused.
TEST_F(HostileDiaryTest, AgeEditRefusesAnythingButDigitsAndStoresTheirValue) {
    const struct {
        std::string typed;
        const char* shown;
        const char* stored;
    } cases[] = {
        {"45", "45", "45"},     {"letters", "45", "45"},
        {"-5", "45", "45"},     {"31; DROP TABLE Settings; --", "45", "45"},
        {"0042", "0042", "42"}, {"99999999999999999999", "99999999999999999999", "42"},
    };
    Click(IDC_FIRST);
    const std::string untouched = UntouchedColumns();
    for (const auto& c : cases) {
        Type(IDC_AGE, c.typed);
        EXPECT_EQ(Text(IDC_AGE), c.shown) << c.typed;
        Click(IDC_SAVE);
        Click(IDC_FIRST);
        EXPECT_EQ(Stored("SELECT Age FROM Settings WHERE ROWID = 1"), c.stored) << c.typed;
        EXPECT_EQ(UntouchedColumns(), untouched) << c.typed;
        EXPECT_EQ(Stored("SELECT Calories FROM Settings WHERE ROWID = 1"), "2000.0") << c.typed;
    }
}

class StatsUnderTest : public CStatsDlg {
public:
    CChartCtrl& Chart() { return m_chart; }
};

// Dates at the ends of the calendar and a leap day are stored as picked and charted.
TEST_F(HostileDiaryTest, EdgeDatesAreStoredAsPickedAndChartedWithoutHarm) {
    const struct {
        int year, month, day;
        const char* stored;
    } dates[] = {
        {1900, 1, 1, "1900/01/01"},
        {2024, 2, 29, "2024/02/29"},
        {9999, 12, 31, "9999/12/31"},
    };
    for (const auto& d : dates) {
        Click(IDC_CREATE_NEW_ENTRY);
        Type(IDC_CALORIES, "1800");
        TestDriver::PickDate(Item(IDC_ENTRY_DATE), d.year, d.month, d.day);
        Click(IDC_SAVE);
        const std::string rowId = Text(IDC_ENTRY_LABEL).substr(std::string("Record ").size());
        EXPECT_EQ(Stored("SELECT Date FROM Settings WHERE ROWID = " + rowId), d.stored);
    }
    EXPECT_EQ(Stored("SELECT count(*) FROM Settings"), "5");
    // Shown again, the last entry brings its date back to the picker; saving it keeps it.
    Reshow();
    Click(IDC_SAVE);
    EXPECT_EQ(Stored("SELECT Date FROM Settings WHERE ROWID = 5"), "9999/12/31");

    StatsUnderTest stats;
    ASSERT_TRUE(stats.Create(IDD_STATS));
    stats.ShowWindow(SW_SHOW);
    CChartCtrl& chart = stats.Chart();
    const std::string today = COleDateTime::GetCurrentTime().Format("%d/%m");
    EXPECT_EQ(chart.GetChartTitle(), "Body Mass Index - Recent History");
    std::vector<std::string> groups;
    for (const CChartGroup* group : chart.GetGroups()) {
        groups.push_back(group->GetName());
    }
    groups.resize(5);
    EXPECT_THAT(groups, ElementsAre("01/01", "29/02", today, today, "31/12"));

    // The weight chart's year runs past the calendar's end; its window stops there.
    TestDriver::Click(stats.GetDlgItem(IDC_WEIGHT_BUTTON));
    EXPECT_EQ(chart.GetChartTitle(), "Weight Loss Chart - Actual & Predicted 9999-10000");
    ASSERT_FALSE(chart.GetGroups().empty());
    EXPECT_EQ(chart.GetGroups().front()->GetName(), "Dec");
    EXPECT_EQ(chart.GetGroups().front()->GetValue(0), 50u);
    TestDriver::GrabPixel(&stats, 1, 1);
    EXPECT_EQ(Stored("SELECT count(*) FROM Settings"), "5");
}

const std::vector<FoodRow> kFoods = {
    {"Fruit", "Banana raw medium", 105, "1 banana"},
    {"Pies", "Shepherd's pie baked", 112, "100 g"},
    {"Meat", "Bangers and mash", 480, "1 plate"},
    {"Pies", "Pork pie cold", 376, "1 pie"},
};

// The foods panel on a small foods file.
class HostileSearchTest : public TempDirTest {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(CFoodTable::WriteFile(kFoodsFile, kFoods, error)) << error;
        ASSERT_TRUE(m_panel.Create(IDD_FOODS));
        m_panel.ShowWindow(SW_SHOW);
    }

    void Type(const std::string& text) { TestDriver::Type(&m_panel.SearchBox(), text); }
    std::vector<std::string> Listed() {
        std::vector<std::string> texts;
        for (int item = 0; item < m_panel.ResultList().GetItemCount(); ++item) {
            texts.push_back(m_panel.ResultList().GetItemText(item, 1));
        }
        return texts;
    }
    std::string FoodRows() { return RawConnection(kFoodsFile).Text("SELECT count(*) FROM Food"); }

    CFoodsDlg m_panel;
};

class HostileSearchTextTest : public HostileSearchTest,
                              public ::testing::WithParamInterface<Hostile> {};

// Whatever was typed before, the next plain search finds its rows.
TEST_P(HostileSearchTextTest, FindsNothingItShouldNotAndLeavesLaterSearchesWorking) {
    Type(GetParam().text);
    EXPECT_TRUE(m_panel.SearchBox().GetWindowText() == GetParam().text);
    EXPECT_THAT(Listed(), IsEmpty());
    EXPECT_EQ(FoodRows(), "4");
    m_panel.ShowWindow(SW_HIDE);
    m_panel.ShowWindow(SW_SHOW);
    Type("banana");
    EXPECT_THAT(Listed(), ElementsAre("Banana raw medium"));
}

INSTANTIATE_TEST_SUITE_P(Texts, HostileSearchTextTest, ::testing::ValuesIn(kHostileTexts),
                         [](const auto& test) { return std::string(test.param.label); });

TEST_F(HostileSearchTest, AnApostropheMatchesItselfAndLaterSearchesStillWork) {
    Type("shepherd's pie");
    EXPECT_THAT(Listed(), ElementsAre("Shepherd's pie baked"));
    Type("banana");
    EXPECT_THAT(Listed(), ElementsAre("Banana raw medium"));
}

TEST_F(HostileSearchTest, TypedWildcardsKeepTheirLikeMeaning) {
    Type("b_nana");
    EXPECT_THAT(Listed(), ElementsAre("Banana raw medium"));
    Type("ban%");
    EXPECT_THAT(Listed(), ElementsAre("Banana raw medium", "Bangers and mash"));
    Type("%%%");
    EXPECT_EQ(Listed().size(), kFoods.size());
}

TEST_F(HostileSearchTest, SqlTypedIntoTheSearchIsOnlyText) {
    for (const char* typed : {"; DROP TABLE Food; --", "x' OR 1=1 OR 'x", "') OR 1=1 --"}) {
        Type(typed);
        EXPECT_THAT(Listed(), IsEmpty()) << typed;
        EXPECT_EQ(FoodRows(), "4") << typed;
    }
    Type("pork");
    EXPECT_THAT(Listed(), ElementsAre("Pork pie cold"));
}

}  // namespace
