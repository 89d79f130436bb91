// Hostile texts and the last pickable day typed into the real windows: they are stored as typed,
// shown back unchanged, never change the meaning of any SQL, and never bring a panel down.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "diary/DiaryDlg.h"
#include "foods/FoodsDlg.h"
#include "platform/MessageBox.h"
#include "platform/TestDriver.h"
#include "res/resource.h"
#include "stats/StatsDlg.h"
#include "store/SqlProbe.h"
#include "support/TempDir.h"

namespace {

constexpr const char* kDiaryFile = "morvane.qeldb";

// One text for each kind of harm: breaking out of SQL quoting, outgrowing buffers and the longest
// LIKE pattern, and bytes that are no UTF-8 (a cut sequence, a byte UTF-8 never uses).
const std::string kHostileTexts[] = {
    "x' OR 1=1 OR 'x",
    std::string(100000, 'L'),
    "Ann \xE5\xAE \xff",
};

std::string Stored(const std::string& sql) {
    return RawConnection(kDiaryFile).Text(sql);
}

// The diary panel on a diary whose profile row is complete and which holds one later entry.
class HostileDiaryTest : public TempDirTest {
protected:
    void SetUp() override {
        SetMessageBoxHook([](const std::string&, const std::string&, UINT) { return IDYES; });
        m_panel = std::make_unique<CDiaryDlg>();
        ASSERT_TRUE(m_panel->Create(IDD_DIARY));
        m_panel->ShowWindow(SW_SHOW);
        SaveProfile("Ann");
        Click(IDC_CREATE_NEW_ENTRY);
        Type(IDC_CALORIES, "1500");
        Click(IDC_SAVE);
    }
    void TearDown() override {
        m_panel.reset();
        SetMessageBoxHook(nullptr);
    }

    CWnd* Item(int id) { return m_panel->GetDlgItem(id); }
    void Click(int id) { TestDriver::Click(Item(id)); }
    void Type(int id, const std::string& text) { TestDriver::Type(Item(id), text); }

    // Saves the profile row with this name, age 30 and 2000 calories.
    void SaveProfile(const std::string& name) {
        Click(IDC_FIRST);
        Type(IDC_NAME, name);
        Type(IDC_AGE, "30");
        Type(IDC_CALORIES, "2000");
        Click(IDC_SAVE);
    }

    std::unique_ptr<CDiaryDlg> m_panel;
};

// The profile copy to the later row compares and writes the bytes as they are.
TEST_F(HostileDiaryTest, NamesAreStoredAndShownByteForByteInEveryRow) {
    for (const std::string& name : kHostileTexts) {
        SaveProfile(name);
        EXPECT_EQ(Stored("SELECT typeof(Name) || Age || Calories FROM Settings WHERE ROWID = 1"),
                  "text302000.0");
        for (const char* row : {"1", "2"}) {
            EXPECT_TRUE(Stored(std::string("SELECT Name FROM Settings WHERE ROWID = ") + row) ==
                        name)
                << name.substr(0, 20) << ", row " << row;
        }
        m_panel->ShowWindow(SW_HIDE);
        m_panel->ShowWindow(SW_SHOW);
        EXPECT_TRUE(m_panel->GetDlgItemText(IDC_NAME) == name) << name.substr(0, 20);
    }
}

class StatsUnderTest : public CStatsDlg {
public:
    CChartCtrl& Chart() { return m_chart; }
};

// Shown again, the entry brings its date back to the picker, so saving it keeps it; the weight
// chart's year runs past the calendar's end, and its window stops there.
TEST_F(HostileDiaryTest, TheLastPickableDayIsStoredAsPickedAndCharted) {
    Click(IDC_CREATE_NEW_ENTRY);
    Type(IDC_CALORIES, "1800");
    TestDriver::PickDate(Item(IDC_ENTRY_DATE), 9999, 12, 31);
    Click(IDC_SAVE);
    m_panel->ShowWindow(SW_HIDE);
    m_panel->ShowWindow(SW_SHOW);
    Click(IDC_SAVE);
    EXPECT_EQ(Stored("SELECT Date FROM Settings WHERE ROWID = 3"), "9999/12/31");

    StatsUnderTest stats;
    ASSERT_TRUE(stats.Create(IDD_STATS));
    stats.ShowWindow(SW_SHOW);
    TestDriver::Click(stats.GetDlgItem(IDC_WEIGHT_BUTTON));
    CChartCtrl& chart = stats.Chart();
    EXPECT_EQ(chart.GetChartTitle(), "Weight Loss Chart - Actual & Predicted 9999-10000");
    ASSERT_FALSE(chart.GetGroups().empty());
    EXPECT_EQ(chart.GetGroups().front()->GetName(), "Dec");
    EXPECT_EQ(chart.GetGroups().front()->GetValue(0), 50u);
    TestDriver::GrabPixel(&stats, 1, 1);
}

class HostileSearchTest : public TempDirTest {};

// Whatever was typed before, the next plain search finds its rows.
TEST_F(HostileSearchTest, HostileSearchTextsFindNothingAndLeaveLaterSearchesWorking) {
    std::string error;
    ASSERT_TRUE(CFoodTable::WriteFile(
        kFoodsFile,
        {{"Fruit", "Banana raw medium", 105, "1 banana"}, {"Pies", "Pork pie", 376, "1"}}, error))
        << error;
    CFoodsDlg panel;
    ASSERT_TRUE(panel.Create(IDD_FOODS));
    panel.ShowWindow(SW_SHOW);
    for (const std::string& text : kHostileTexts) {
        TestDriver::Type(&panel.SearchBox(), text);
        EXPECT_TRUE(panel.SearchBox().GetWindowText() == text);
        EXPECT_EQ(panel.ResultList().GetItemCount(), 0) << text.substr(0, 20);
        panel.ShowWindow(SW_HIDE);
        panel.ShowWindow(SW_SHOW);
        TestDriver::Type(&panel.SearchBox(), "banana");
        EXPECT_EQ(panel.ResultList().GetItemCount(), 1);
    }
}

}  // namespace
