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

// The diary panel with some control objects attached, recording every notification it receives.
class ControlsTest : public ::testing::Test {
protected:
    class PanelDialog : public CDialog {
    public:
        PanelDialog() : CDialog(IDD_DIARY) {}
        BOOL OnControlNotify(UINT code, int id) override {
            notifications.push_back({code, id});
            return TRUE;
        }
        std::vector<Notification> notifications;
    };

    void SetUp() override {
        ASSERT_TRUE(m_diary.Create(IDD_DIARY));
        CDataExchange exchange(&m_diary, FALSE);
        DDX_Control(&exchange, IDC_WEIGHT_SLIDER, m_slider);
        DDX_Control(&exchange, IDC_ENTRY_LABEL, m_label);
        m_diary.ShowWindow(SW_SHOW);
    }

    PanelDialog m_diary;
    CSliderCtrl m_slider;
    CEdit m_label;
};

// A click tells only while the button is enabled; typing tells each change, and a field takes
// only what it accepts.
TEST_F(ControlsTest, ClicksAndTypingNotifyTheDialog) {
    TestDriver::Click(m_diary.GetDlgItem(IDC_IMPERIAL));
    m_diary.GetDlgItem(IDC_NEXT)->EnableWindow(FALSE);
    TestDriver::Click(m_diary.GetDlgItem(IDC_NEXT));
    TestDriver::Type(m_diary.GetDlgItem(IDC_NAME), "Ann");
    const std::vector<Notification> expected{{BN_CLICKED, IDC_IMPERIAL}, {EN_CHANGE, IDC_NAME}};
    EXPECT_EQ(m_diary.notifications, expected);

    TestDriver::Type(m_diary.GetDlgItem(IDC_AGE), "4x2");  // digits only
    EXPECT_EQ(m_diary.GetDlgItemText(IDC_AGE), "");
    TestDriver::Type(&m_label, "typed");  // read-only: text only from the program
    EXPECT_EQ(m_label.GetWindowText(), "");
    m_label.SetReadOnly(FALSE);
    TestDriver::Type(&m_label, "typed");
    EXPECT_EQ(m_label.GetWindowText(), "typed");
}

// A move by the mouse or by a key ends with NM_RELEASEDCAPTURE, so that the dialog
// takes what the thumb shows; the program's own moves and keys that move nothing tell nothing.
TEST_F(ControlsTest, SliderMovedByTheUserNotifiesItsDialogButNotWhenTheProgramMovesIt) {
    m_slider.SetRangeMin(112);
    m_slider.SetRangeMax(364);
    m_slider.SetPos(154);
    EXPECT_TRUE(m_diary.notifications.empty());

    TestDriver::DragSlider(&m_slider, 200);
    const std::pair<UINT, int> keys[] = {{VK_PRIOR, 210}, {VK_LEFT, 209}, {VK_END, 364},
                                         {VK_RIGHT, 364}, {VK_HOME, 112}, {VK_DOWN, 112}};
    std::vector<Notification> expected{{NM_RELEASEDCAPTURE, IDC_WEIGHT_SLIDER}};
    int position = 200;
    for (const auto& [key, moved] : keys) {
        TestDriver::PressKey(&m_slider, key);
        EXPECT_EQ(m_slider.GetPos(), moved) << key;
        if (std::exchange(position, moved) != moved) {
            expected.push_back({NM_RELEASEDCAPTURE, IDC_WEIGHT_SLIDER});
        }
        EXPECT_EQ(m_diary.notifications, expected) << key;
    }
    m_slider.SetPos(300);
    EXPECT_EQ(m_diary.notifications, expected);
}

}  // namespace
