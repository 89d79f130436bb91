#include "foods/FoodsDlg.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "diary/DiaryTable.h"
#include "foods/FoodLog.h"
#include "platform/MessageBox.h"
#include "platform/PopupMenu.h"
#include "platform/TestDriver.h"
#include "res/resource.h"
#include "store/SqlProbe.h"
#include "support/TempDir.h"

using ::testing::ElementsAre;

namespace {

const std::vector<FoodRow> kFoods = {
    {"Dairy", "Boiled egg white", 17, "1 egg"}, {"Egg", "Omelette plain", 154, ""},
    {"Dairy", "Egg fried", 90, "1 egg"},        {"Pies", "Shepherd's pie baked", 112, "100 g"},
    {"Pies", "Pork pie cold", 376, "1 pie"},    {"Pies", "Apple pie homemade", 237, "1 slice"},
};

// The panel with a diary beside the foods file, and message boxes answered Yes and recorded.
class FoodsDlgTest : public TempDirTest {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(CFoodTable::WriteFile(kFoodsFile, kFoods, error)) << error;
        RawConnection(kDiaryFile).Exec("CREATE TABLE [Settings] ([Name] TEXT)");
        SetMessageBoxHook([this](const std::string& text, const std::string&, UINT type) {
            m_messages.push_back(text);
            return type == MB_YESNO ? IDYES : IDOK;
        });
    }
    void TearDown() override {
        SetMessageBoxHook(nullptr);
        SetPopupMenuHook(nullptr);
    }

    void ShowPanel() {
        ASSERT_TRUE(m_panel.Create(IDD_FOODS));
        m_panel.ShowWindow(SW_SHOW);
    }

    void Type(const std::string& text) { TestDriver::Type(&m_panel.SearchBox(), text); }
    void Click(int id) { TestDriver::Click(m_panel.GetDlgItem(id)); }
    std::string Text(int id) { return m_panel.GetDlgItemText(id); }
    void TypeIn(int id, const std::string& text, CWnd* window = nullptr) {
        TestDriver::Type((window != nullptr ? window : &m_panel)->GetDlgItem(id), text);
    }
    bool Enabled(int id) { return m_panel.GetDlgItem(id)->IsWindowEnabled() != FALSE; }
    // Chooses a row the quick way, which also logs it; no test here minds.
    void Choose(int item) { TestDriver::DoubleClick(&m_panel.ResultList(), item); }

    std::vector<std::string> Listed(int subItem = 1) {
        std::vector<std::string> texts;
        for (int item = 0; item < m_panel.ResultList().GetItemCount(); ++item) {
            texts.push_back(m_panel.ResultList().GetItemText(item, subItem));
        }
        return texts;
    }

    CFoodsDlg m_panel;
    std::vector<std::string> m_messages;
};

// The amount takes the width left; an amount still cut off shows whole in its tooltip.
TEST_F(FoodsDlgTest, AmountsTakeTheWidthLeftAndShowWholeWhenCut) {
    std::vector<FoodRow> chicken(30, {"Poultry", "Chicken breast roasted", 231, "1 breast (150 g)"});
    chicken.front().amount = "1 oz";
    std::string error;
    ASSERT_TRUE(CFoodTable::WriteFile(kFoodsFile, chicken, error)) << error;
    ShowPanel();
    Type("egg");
    EXPECT_TRUE(Listed().empty());  // the table written before is gone
    Type("chicken");
    TestDriver::ProcessEvents();
    CListCtrl& list = m_panel.ResultList();
    ASSERT_EQ(list.GetItemCount(), 30);
    EXPECT_FALSE(TestDriver::ShowsHorizontalScrollBar(&list));
    EXPECT_GT(list.GetColumnWidth(3), 40);
    EXPECT_EQ(TestDriver::HoverCell(&list, 1, 3), "1 breast (150 g)");
    EXPECT_EQ(TestDriver::HoverCell(&list, 0, 3), "");
    EXPECT_EQ(TestDriver::HoverCell(&list, 1, 1), "");
}

// Hiding and showing reopen the file with the filter and sort in force; the list stays. Too short
// a text keeps the list, and the order chosen meanwhile applies to the next search.
TEST_F(FoodsDlgTest, FoundRowsAreListedInTheChosenOrderAndKeptOverASwitch) {
    ShowPanel();
    Type("egg");
    m_panel.ShowWindow(SW_HIDE);
    m_panel.ShowWindow(SW_SHOW);
    EXPECT_THAT(Listed(1), ElementsAre("Boiled egg white", "Omelette plain", "Egg fried"));
    const UINT both = LVIS_SELECTED | LVIS_FOCUSED;
    EXPECT_EQ(m_panel.ResultList().GetItemState(0, both), both);
    Click(IDC_SORT_CALORIES);
    EXPECT_THAT(Listed(2), ElementsAre("17", "90", "154"));
    Click(IDC_SORT_DESCRIPTION);
    EXPECT_THAT(Listed(), ElementsAre("Boiled egg white", "Egg fried", "Omelette plain"));
    Click(IDC_SORT_NONE);
    EXPECT_THAT(Listed(2), ElementsAre("17", "154", "90"));
    Type("pi");
    Click(IDC_SORT_CALORIES);
    EXPECT_THAT(Listed(2), ElementsAre("17", "154", "90"));
    Type("pie");
    EXPECT_THAT(Listed(2), ElementsAre("112", "237", "376"));
    Type("eggs");
    EXPECT_TRUE(Listed().empty());
}

// A missing file is never created; each failure is told once a show.
TEST_F(FoodsDlgTest, MissingOrDamagedFoodsFileIsToldOnceAndNeverCreated) {
    std::filesystem::remove(kFoodsFile);
    ShowPanel();
    Type("egg");
    Type("eggs");
    EXPECT_FALSE(std::filesystem::exists(kFoodsFile));
    std::ofstream(kFoodsFile, std::ios::binary) << std::string(4096, 'x');
    m_panel.ShowWindow(SW_HIDE);
    m_panel.ShowWindow(SW_SHOW);
    Type("pie");
    EXPECT_TRUE(Listed().empty());
    EXPECT_THAT(m_messages, ElementsAre("The food table is missing: " + m_dir.File(kFoodsFile) +
                                          " was not found.",
                                      "The food table could not be read: file is not a database."));
}

TEST_F(FoodsDlgTest, FoodsAreLoggedFromTheListTheRecentMenuAQuickEntryAndYesterday) {
    const COleDateTime now = COleDateTime::GetCurrentTime();
    ASSERT_TRUE(CFoodLog(kDiaryFile).Log(now - COleDateTimeSpan(1.0), kFoods[4], 1.0));
    ShowPanel();
    Type("egg");
    TestDriver::DoubleClick(&m_panel.ResultList(), 1);  // one serving of Omelette plain
    TypeIn(IDC_SERVINGS, "2,5");
    Click(IDC_ADD_TO_TODAY);
    EXPECT_EQ(Text(IDC_TODAY_TOTAL), "Today: 539 kcal in 2 foods");
    TypeIn(IDC_SERVINGS, "0.2");
    Click(IDC_ADD_TO_TODAY);
    EXPECT_THAT(
        m_messages,
        ElementsAre("Type the servings as a number from 0.25 to 20, for example 1 or 0.5."));

    TypeIn(IDC_QUICK_KCAL, "250");
    TypeIn(IDC_QUICK_NOTE, "Cake & tea");
    Click(IDC_QUICK_ADD);
    std::vector<std::string> offered;
    SetPopupMenuHook([&offered](const CMenu& menu) {
        for (const CMenu::Item& item : menu.Items()) {
            offered.push_back(item.text);
        }
        return menu.Items().back().id;
    });
    Click(IDC_RECENT_FOODS);
    EXPECT_THAT(offered, ElementsAre("Cake && tea \xE2\x80\x93 1 \xC3\x97 250 kcal",
                                     "Omelette plain \xE2\x80\x93 2.5 \xC3\x97 154 kcal",
                                     "Pork pie cold \xE2\x80\x93 1 \xC3\x97 376 kcal"));
    EXPECT_EQ(Text(IDC_TODAY_TOTAL), "Today: 1\xE2\x80\x89" "165 kcal in 4 foods");

    Click(IDC_COPY_YESTERDAY);
    EXPECT_EQ(m_messages.back(),
              "Today has foods logged already. Copy yesterday's foods to today as well?");
    EXPECT_EQ(Text(IDC_TODAY_TOTAL), "Today: 1\xE2\x80\x89" "541 kcal in 5 foods");
    EXPECT_EQ(m_messages.size(), 2u);
}

TEST_F(FoodsDlgTest, OwnFoodsAreAddedFoundMarkedChangedAndDeleted) {
    ShowPanel();
    TestDriver::WhenModalRuns([this](CDialog& dialog) {
        TypeIn(IDC_OWN_CATEGORY, "Snacks", &dialog);
        TypeIn(IDC_OWN_DESCRIPTION, "Egg mayo roll", &dialog);
        TypeIn(IDC_OWN_CALORIES, "lots", &dialog);
        TypeIn(IDC_OWN_AMOUNT, "1 roll", &dialog);
        TestDriver::Click(dialog.GetDlgItem(IDC_SAVE_OWN_FOOD));
        EXPECT_TRUE(dialog.IsWindowVisible());
        EXPECT_EQ(m_messages.back(), "The calories must be a whole number, for example 250.");
        TypeIn(IDC_OWN_CALORIES, "310", &dialog);
        TestDriver::Click(dialog.GetDlgItem(IDC_SAVE_OWN_FOOD));
    });
    Click(IDC_ADD_OWN_FOOD);
    Type("egg");
    EXPECT_THAT(Listed(0), ElementsAre(CFoodsDlg::kOwnFoodMarker + std::string("Snacks"), "Dairy",
                                       "Egg", "Dairy"));
    EXPECT_TRUE(Enabled(IDC_EDIT_OWN_FOOD));
    Choose(2);
    EXPECT_FALSE(Enabled(IDC_EDIT_OWN_FOOD));

    Choose(0);
    TestDriver::WhenModalRuns([](CDialog& dialog) {
        EXPECT_EQ(dialog.GetDlgItemText(IDC_OWN_DESCRIPTION), "Egg mayo roll");
        TestDriver::Type(dialog.GetDlgItem(IDC_OWN_CALORIES), "320");
        TestDriver::PressKey(&dialog, VK_RETURN);
    });
    Click(IDC_EDIT_OWN_FOOD);
    EXPECT_EQ(m_panel.ResultList().GetItemText(0, 2), "320");

    TestDriver::WhenModalRuns(
        [](CDialog& dialog) { TestDriver::Click(dialog.GetDlgItem(IDC_DELETE_OWN_FOOD)); });
    Click(IDC_EDIT_OWN_FOOD);
    EXPECT_THAT(Listed(), ElementsAre("Boiled egg white", "Omelette plain", "Egg fried"));
    EXPECT_EQ(
        m_messages.back(),
        "Delete \"Egg mayo roll\" from your own foods? Foods logged already stay in the log.");
}

}  // namespace
