#include "platform/Wnd.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/Controls.h"
#include "platform/Dialog.h"
#include "platform/TestDriver.h"
#include "res/resource.h"

namespace {

struct ShowEvent {
    BOOL show;
    BOOL visibleBefore;
    bool operator==(const ShowEvent&) const = default;
};

// A dialog that records its show notifications with its visible bit at that moment.
class RecordingDialog : public CDialog {
public:
    explicit RecordingDialog(UINT templateId, CWnd* parent = nullptr)
        : CDialog(templateId, parent) {}

    void OnShowWindow(BOOL show, UINT status) override {
        events.push_back({show, IsWindowVisible()});
        CDialog::OnShowWindow(show, status);
    }

    std::vector<ShowEvent> events;
};

// The main window with an empty host, as the program builds them at start-up.
class WndTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_main.Create(IDD_MORVANE_DIALOG));
        m_main.ShowWindow(SW_HIDE);
        ASSERT_TRUE(m_panel.Create(IDD_DIARY, &m_main));
    }

    RecordingDialog m_main{IDD_MORVANE_DIALOG};
    RecordingDialog m_panel{IDD_DIARY, &m_main};
};

TEST_F(WndTest, ShowWindowNotifiesExactlyWhenTheVisibleBitChanges) {
    EXPECT_FALSE(m_panel.IsWindowVisible());
    EXPECT_FALSE(m_panel.ShowWindow(SW_HIDE));
    EXPECT_TRUE(m_panel.events.empty());

    EXPECT_FALSE(m_panel.ShowWindow(SW_SHOW));
    EXPECT_TRUE(m_panel.ShowWindow(SW_SHOW));
    EXPECT_TRUE(m_panel.ShowWindow(SW_HIDE));
    EXPECT_FALSE(m_panel.ShowWindow(SW_HIDE));

    // Sent before the bit changes.
    const std::vector<ShowEvent> expected{{TRUE, FALSE}, {FALSE, TRUE}};
    EXPECT_EQ(m_panel.events, expected);
}

TEST_F(WndTest, AChildShownBeforeItsWindowAppearsCountsAsVisible) {
    ASSERT_FALSE(m_main.IsWindowVisible());
    m_panel.ShowWindow(SW_SHOW);
    EXPECT_TRUE(m_panel.IsWindowVisible());
    EXPECT_EQ(m_panel.events.size(), 1u);
}

TEST_F(WndTest, StyleAndPositionChangesShowWithoutNotification) {
    EXPECT_TRUE(m_panel.ModifyStyle(0, WS_VISIBLE));
    EXPECT_EQ(m_panel.GetStyle() & WS_VISIBLE, WS_VISIBLE);
    EXPECT_TRUE(m_panel.ModifyStyle(WS_VISIBLE, 0));
    EXPECT_FALSE(m_panel.IsWindowVisible());
    m_panel.SetWindowPos(nullptr, 10, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
    EXPECT_TRUE(m_panel.IsWindowVisible());
    EXPECT_TRUE(m_panel.events.empty());
}

TEST_F(WndTest, ControlsAreFoundByIdAndTakeTheirAttachedObject) {
    CWnd* standIn = m_panel.GetDlgItem(IDC_NAME);
    ASSERT_NE(standIn, nullptr);
    EXPECT_EQ(standIn->GetDlgCtrlID(), IDC_NAME);
    EXPECT_EQ(standIn->GetParent(), &m_panel);
    EXPECT_EQ(m_panel.GetDlgItem(9999), nullptr);

    {
        CEdit name;
        CDataExchange exchange(&m_panel, FALSE);
        DDX_Control(&exchange, IDC_NAME, name);
        EXPECT_EQ(m_panel.GetDlgItem(IDC_NAME), &name);
        name.SetWindowText("Ann");
        EXPECT_EQ(m_panel.GetDlgItemText(IDC_NAME), "Ann");
    }
    // The control object is gone; the control is still there.
    EXPECT_EQ(m_panel.GetDlgItem(IDC_NAME), standIn);
    EXPECT_EQ(m_panel.GetDlgItemText(IDC_NAME), "Ann");
}

TEST_F(WndTest, WindowObjectsOutliveTheirWindows) {
    auto host = std::make_unique<RecordingDialog>(IDD_PANEL_HOST, &m_main);
    auto panel = std::make_unique<RecordingDialog>(IDD_FOODS, host.get());
    CListCtrl list;
    ASSERT_TRUE(host->Create(IDD_PANEL_HOST, &m_main));
    ASSERT_TRUE(panel->Create(IDD_FOODS, host.get()));
    CDataExchange exchange(panel.get(), FALSE);
    DDX_Control(&exchange, IDC_FOOD_LIST, list);

    host.reset();  // takes the panel's window and its list with it
    EXPECT_EQ(panel->Widget(), nullptr);
    EXPECT_EQ(list.GetItemCount(), 0);
    EXPECT_FALSE(panel->ShowWindow(SW_SHOW));
    EXPECT_TRUE(panel->events.empty());
}

TEST_F(WndTest, ButtonsCheckAndUncheckById) {
    m_panel.CheckDlgButton(IDC_MALE, BST_CHECKED);
    EXPECT_EQ(m_panel.IsDlgButtonChecked(IDC_MALE), BST_CHECKED);
    m_panel.CheckDlgButton(IDC_MALE, BST_UNCHECKED);
    EXPECT_EQ(m_panel.IsDlgButtonChecked(IDC_MALE), BST_UNCHECKED);
    EXPECT_EQ(m_panel.IsDlgButtonChecked(IDC_FEMALE), BST_UNCHECKED);
}

TEST_F(WndTest, DisablingIsTheWindowsOwnState) {
    CWnd* save = m_panel.GetDlgItem(IDC_SAVE);
    EXPECT_FALSE(save->EnableWindow(FALSE));
    EXPECT_FALSE(save->IsWindowEnabled());
    EXPECT_TRUE(save->EnableWindow(TRUE));
    m_panel.EnableWindow(FALSE);
    EXPECT_TRUE(save->IsWindowEnabled());
}

TEST(WndTestResources, StringAndIconOfTheProgram) {
    EXPECT_EQ(LoadResourceString(IDS_ABOUTBOX), "&About morvane...");
    EXPECT_EQ(LoadResourceString(12345), "");
    EXPECT_NE(LoadResourceIcon(IDR_MAINFRAME), nullptr);
    EXPECT_EQ(LoadResourceIcon(IDD_ABOUTBOX), nullptr);
}

}  // namespace
