#include "platform/Wnd.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/Controls.h"
#include "platform/Dialog.h"
#include "res/resource.h"

namespace {

// A dialog that records its show notifications with its visible bit at that moment.
class RecordingDialog : public CDialog {
public:
    RecordingDialog(UINT templateId, CWnd* parent) : CDialog(templateId, parent) {}

    void OnShowWindow(BOOL show, UINT status) override {
        events.push_back({show, IsWindowVisible()});
        CDialog::OnShowWindow(show, status);
    }

    std::vector<std::pair<BOOL, BOOL>> events;  // shown, visible before
};

// The hidden main window with a panel, as the program builds them at start-up.
class WndTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_main.Create(IDD_MORVANE_DIALOG));
        m_main.ShowWindow(SW_HIDE);
        ASSERT_TRUE(m_panel.Create(IDD_DIARY, &m_main));
    }

    CDialog m_main{IDD_MORVANE_DIALOG};
    RecordingDialog m_panel{IDD_DIARY, &m_main};
};

// Sent before the bit changes, also while the main window is not shown yet; style and position
// changes show and hide without one.
TEST_F(WndTest, ShowWindowNotifiesExactlyWhenTheVisibleBitChanges) {
    EXPECT_FALSE(m_panel.ShowWindow(SW_HIDE));
    EXPECT_FALSE(m_panel.ShowWindow(SW_SHOW));
    EXPECT_TRUE(m_panel.IsWindowVisible());
    EXPECT_TRUE(m_panel.ShowWindow(SW_SHOW));
    EXPECT_TRUE(m_panel.ShowWindow(SW_HIDE));
    EXPECT_FALSE(m_panel.ShowWindow(SW_HIDE));
    const std::vector<std::pair<BOOL, BOOL>> expected{{TRUE, FALSE}, {FALSE, TRUE}};
    EXPECT_EQ(m_panel.events, expected);

    EXPECT_TRUE(m_panel.ModifyStyle(0, WS_VISIBLE));
    EXPECT_TRUE(m_panel.IsWindowVisible());
    EXPECT_TRUE(m_panel.ModifyStyle(WS_VISIBLE, 0));
    EXPECT_FALSE(m_panel.IsWindowVisible());
    m_panel.SetWindowPos(nullptr, 10, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
    EXPECT_TRUE(m_panel.IsWindowVisible());
    EXPECT_EQ(m_panel.events, expected);
}

TEST_F(WndTest, ControlsAreFoundByIdAndTakeTheirAttachedObject) {
    CWnd* standIn = m_panel.GetDlgItem(IDC_NAME);
    ASSERT_NE(standIn, nullptr);
    EXPECT_EQ(standIn->GetParent(), &m_panel);
    {
        CEdit name;
        CDataExchange exchange(&m_panel, FALSE);
        DDX_Control(&exchange, IDC_NAME, name);
        EXPECT_EQ(m_panel.GetDlgItem(IDC_NAME), &name);
        name.SetWindowText("Ann");
    }
    // The control object is gone; the control is still there.
    EXPECT_EQ(m_panel.GetDlgItem(IDC_NAME), standIn);
    EXPECT_EQ(m_panel.GetDlgItemText(IDC_NAME), "Ann");
}

TEST_F(WndTest, WindowObjectsOutliveTheirWindows) {
    auto host = std::make_unique<CDialog>(IDD_PANEL_HOST, &m_main);
    RecordingDialog panel(IDD_FOODS, host.get());
    CListCtrl list;
    ASSERT_TRUE(host->Create(IDD_PANEL_HOST, &m_main));
    ASSERT_TRUE(panel.Create(IDD_FOODS, host.get()));
    CDataExchange exchange(&panel, FALSE);
    DDX_Control(&exchange, IDC_FOOD_LIST, list);

    host.reset();  // takes the panel's window and its list with it
    EXPECT_EQ(panel.Widget(), nullptr);
    EXPECT_EQ(list.GetItemCount(), 0);
    EXPECT_FALSE(panel.ShowWindow(SW_SHOW));
    EXPECT_TRUE(panel.events.empty());
}

TEST(WndResourcesTest, StringAndIconOfTheProgram) {
    EXPECT_EQ(LoadResourceString(IDS_ABOUTBOX), "&About morvane...");
    EXPECT_NE(LoadResourceIcon(IDR_MAINFRAME), nullptr);
}

}  // namespace
