#include "platform/Controls.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/Dialog.h"
#include "platform/TestDriver.h"
#include "res/resource.h"

namespace {

using Notification = std::pair<UINT, int>;

// A panel with its control objects attached, recording every notification it receives.
class PanelDialog : public CDialog {
public:
    explicit PanelDialog(UINT templateId) : CDialog(templateId) {}

    BOOL OnControlNotify(UINT code, int id) override {
        notifications.push_back({code, id});
        return TRUE;
    }

    std::vector<Notification> notifications;
};

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_diary.Create(IDD_DIARY));
        CDataExchange exchange(&m_diary, FALSE);
        DDX_Control(&exchange, IDC_WEIGHT_SLIDER, m_slider);
        DDX_Control(&exchange, IDC_ENTRY_LABEL, m_label);
        DDX_Control(&exchange, IDC_NAME, m_name);
        m_diary.ShowWindow(SW_SHOW);
    }

    PanelDialog m_diary{IDD_DIARY};
    CSliderCtrl m_slider;
    CEdit m_label;
    CEdit m_name;
};

TEST_F(ControlsTest, ClickedButtonsNotifyTheirDialog) {
    TestDriver::Click(m_diary.GetDlgItem(IDC_SAVE));
    TestDriver::Click(m_diary.GetDlgItem(IDC_IMPERIAL));
    m_diary.GetDlgItem(IDC_NEXT)->EnableWindow(FALSE);
    TestDriver::Click(m_diary.GetDlgItem(IDC_NEXT));
    const std::vector<Notification> expected{{BN_CLICKED, IDC_SAVE}, {BN_CLICKED, IDC_IMPERIAL}};
    EXPECT_EQ(m_diary.notifications, expected);
}

TEST_F(ControlsTest, TypingNotifiesEachChange) {
    TestDriver::Type(&m_name, "Ann");
    TestDriver::Type(&m_name, "");
    EXPECT_EQ(m_diary.notifications.size(), 2u);
    EXPECT_EQ(m_diary.notifications.front(), Notification(EN_CHANGE, IDC_NAME));

    m_diary.notifications.clear();
    TestDriver::Type(m_diary.GetDlgItem(IDC_AGE), "4x2");  // digits only
    EXPECT_EQ(m_diary.GetDlgItemText(IDC_AGE), "");
    TestDriver::Type(m_diary.GetDlgItem(IDC_AGE), "42");
    EXPECT_EQ(m_diary.GetDlgItemText(IDC_AGE), "42");
}

TEST_F(ControlsTest, ReadOnlyEditTakesTextOnlyFromTheProgram) {
    TestDriver::Type(&m_label, "typed");
    EXPECT_EQ(m_label.GetWindowText(), "");
    m_label.SetWindowText("Record 3");
    EXPECT_EQ(m_label.GetWindowText(), "Record 3");
    m_label.SetReadOnly(FALSE);
    TestDriver::Type(&m_label, "typed");
    EXPECT_EQ(m_label.GetWindowText(), "typed");
}

// A move by the mouse or by a key ends with NM_RELEASEDCAPTURE, so that the dialog
// takes what the thumb shows; the program's own moves and keys that move nothing tell nothing.
TEST_F(ControlsTest, SliderMovedByTheUserNotifiesItsDialogButNotWhenTheProgramMovesIt) {
    m_slider.SetRangeMin(112);
    m_slider.SetRangeMax(364);
    m_slider.SetTicFreq(14);
    m_slider.SetPos(154);
    EXPECT_EQ(m_slider.GetRangeMin(), 112);
    EXPECT_EQ(m_slider.GetRangeMax(), 364);
    EXPECT_EQ(m_slider.GetTicFreq(), 14);
    EXPECT_EQ(m_slider.GetPos(), 154);
    EXPECT_TRUE(m_diary.notifications.empty());

    TestDriver::DragSlider(&m_slider, 200);
    EXPECT_EQ(m_slider.GetPos(), 200);
    const struct {
        UINT key;
        int position;
    } keys[] = {{VK_RIGHT, 201}, {VK_PRIOR, 211}, {VK_NEXT, 201}, {VK_LEFT, 200},
                {VK_END, 364},   {VK_RIGHT, 364}, {VK_HOME, 112}, {VK_DOWN, 112}};
    std::vector<Notification> expected{{NM_RELEASEDCAPTURE, IDC_WEIGHT_SLIDER}};
    int position = 200;
    for (const auto& k : keys) {
        TestDriver::PressKey(&m_slider, k.key);
        EXPECT_EQ(m_slider.GetPos(), k.position) << k.key;
        if (std::exchange(position, k.position) != k.position) {
            expected.push_back({NM_RELEASEDCAPTURE, IDC_WEIGHT_SLIDER});
        }
        EXPECT_EQ(m_diary.notifications, expected) << k.key;
    }
    m_slider.SetPos(300);
    EXPECT_EQ(m_diary.notifications, expected);
}

TEST_F(ControlsTest, DatePickerExchangesDatesBothWaysKeepingTheTime) {
    COleDateTime date(2023, 3, 14, 15, 9, 26);
    CDataExchange toControls(&m_diary, FALSE);
    DDX_DateTimeCtrl(&toControls, IDC_ENTRY_DATE, date);

    TestDriver::PickDate(m_diary.GetDlgItem(IDC_ENTRY_DATE), 2024, 2, 29);
    CDataExchange fromControls(&m_diary, TRUE);
    DDX_DateTimeCtrl(&fromControls, IDC_ENTRY_DATE, date);
    EXPECT_EQ(date, COleDateTime(2024, 2, 29, 15, 9, 26));

    CDateTimeCtrl picker;
    DDX_Control(&toControls, IDC_ENTRY_DATE, picker);
    EXPECT_FALSE(picker.SetTime(COleDateTime(2024, 2, 30, 0, 0, 0)));  // no such day
    COleDateTime shown;
    ASSERT_TRUE(picker.GetTime(shown));
    EXPECT_EQ(shown, date);
}

TEST(ControlsTestList, ReportColumnsRowsAndSelection) {
    CDialog foods(IDD_FOODS);
    ASSERT_TRUE(foods.Create(IDD_FOODS));
    CListCtrl list;
    CDataExchange exchange(&foods, FALSE);
    DDX_Control(&exchange, IDC_FOOD_LIST, list);

    EXPECT_EQ(list.InsertColumn(0, "Catergory", LVCFMT_LEFT, 120), 0);
    EXPECT_EQ(list.InsertColumn(1, "Calories", LVCFMT_CENTER, 70), 1);
    EXPECT_EQ(list.GetColumnCount(), 2);
    EXPECT_EQ(list.GetColumnHeading(0), "Catergory");
    EXPECT_EQ(list.GetColumnWidth(0), 120);
    EXPECT_EQ(list.GetColumnFormat(1), LVCFMT_CENTER);

    EXPECT_EQ(list.InsertItem(0, "Fruit"), 0);
    EXPECT_EQ(list.InsertItem(5, "Bread"), 1);  // past the end: appended
    EXPECT_TRUE(list.SetItemText(1, 1, "240"));
    EXPECT_FALSE(list.SetItemText(1, 2, "no such column"));
    EXPECT_FALSE(list.SetItemText(2, 0, "no such row"));
    EXPECT_EQ(list.InsertItem(0, "Dairy"), 0);
    ASSERT_EQ(list.GetItemCount(), 3);
    EXPECT_EQ(list.GetItemText(2, 0), "Bread");
    EXPECT_EQ(list.GetItemText(2, 1), "240");

    EXPECT_EQ(list.GetItemState(0, LVIS_SELECTED | LVIS_FOCUSED), 0u);
    EXPECT_TRUE(list.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED));
    EXPECT_EQ(list.GetItemState(0, LVIS_SELECTED | LVIS_FOCUSED), LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_EQ(list.GetItemState(1, LVIS_SELECTED), 0u);

    EXPECT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(list.GetItemCount(), 0);
    EXPECT_EQ(list.GetItemText(0, 0), "");
}

TEST(ControlsTestList, FillsTensOfThousandsOfRows) {
    CDialog foods(IDD_FOODS);
    ASSERT_TRUE(foods.Create(IDD_FOODS));
    foods.ShowWindow(SW_SHOW);
    CListCtrl list;
    CDataExchange exchange(&foods, FALSE);
    DDX_Control(&exchange, IDC_FOOD_LIST, list);
    for (int column = 0; column < 4; ++column) {
        list.InsertColumn(column, "Column", LVCFMT_LEFT, 70);
    }
    constexpr int kRows = 50000;
    for (int row = 0; row < kRows; ++row) {
        const int item = list.InsertItem(row, "Type");
        list.SetItemText(item, 1, "Food " + std::to_string(row));
        list.SetItemText(item, 2, "100");
        list.SetItemText(item, 3, "1 cup");
        if (row == kRows / 2) {
            TestDriver::ProcessEvents();  // half of them already shown
        }
    }
    list.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    TestDriver::ProcessEvents();
    EXPECT_EQ(list.GetItemCount(), kRows);
    EXPECT_EQ(list.GetItemText(kRows - 1, 1), "Food 49999");
    EXPECT_EQ(list.GetItemText(kRows / 2 + 1, 1), "Food 25001");
}

TEST(ControlsTestBitmapButton, ShowsPressedThenFocusThenNormalFace) {
    CDialog main(IDD_MORVANE_DIALOG);
    ASSERT_TRUE(main.Create(IDD_MORVANE_DIALOG));
    CBitmapButton diary;
    CBitmapButton stats;
    CDataExchange exchange(&main, FALSE);
    DDX_Control(&exchange, IDC_DIARY, diary);
    DDX_Control(&exchange, IDC_STATS, stats);
    EXPECT_EQ(diary.CurrentFaceId(), 0u);
    ASSERT_TRUE(diary.LoadBitmaps(IDB_DIARY_NORMAL, IDB_DIARY_PRESSED, IDB_DIARY_FOCUS));
    ASSERT_TRUE(stats.LoadBitmaps(IDB_STATS_NORMAL, IDB_STATS_PRESSED, IDB_STATS_FOCUS));
    EXPECT_EQ(diary.CurrentFaceId(), static_cast<UINT>(IDB_DIARY_NORMAL));

    TestDriver::Press(&diary);
    EXPECT_EQ(diary.CurrentFaceId(), static_cast<UINT>(IDB_DIARY_PRESSED));
    TestDriver::Release(&diary);
    EXPECT_EQ(diary.CurrentFaceId(), static_cast<UINT>(IDB_DIARY_FOCUS));
    TestDriver::Click(&stats);
    EXPECT_EQ(diary.CurrentFaceId(), static_cast<UINT>(IDB_DIARY_NORMAL));
    EXPECT_EQ(stats.CurrentFaceId(), static_cast<UINT>(IDB_STATS_FOCUS));

    EXPECT_FALSE(diary.LoadBitmaps(IDB_DIARY_NORMAL, 9999));  // a face that is not there
}

}  // namespace
