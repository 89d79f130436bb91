#include "platform/Dialog.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "platform/DialogFont.h"
#include "platform/TestDriver.h"
#include "res/resource.h"

void PrintTo(const CRect& rect, std::ostream* out) {
    *out << "(" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom
         << ")";
}

namespace {

// A dialog that counts OnOK and OnCancel and records its system commands; with `filterKeys` its
// pre-translation neutralises Enter and Escape as the main window and the panels do.
class KeyDialog : public CDialog {
public:
    KeyDialog(UINT templateId, CWnd* parent, bool filterKeys)
        : CDialog(templateId, parent), m_filterKeys(filterKeys) {}

    BOOL PreTranslateMessage(MSG* msg) override {
        if (m_filterKeys && msg->message == WM_KEYDOWN &&
            (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE)) {
            msg->wParam = 0;
        }
        return CDialog::PreTranslateMessage(msg);
    }
    void OnOK() override {
        ++oks;
        CDialog::OnOK();
    }
    void OnCancel() override {
        ++cancels;
        CDialog::OnCancel();
    }
    void OnSysCommand(UINT id, LPARAM param) override {
        commands.push_back(id);
        CDialog::OnSysCommand(id, param);
    }
    BOOL OnControlNotify(UINT code, int id) override {
        notifications.push_back({code, id});
        return TRUE;
    }

    int oks = 0;
    int cancels = 0;
    std::vector<UINT> commands;
    std::vector<std::pair<UINT, int>> notifications;

private:
    bool m_filterKeys;
};

TEST(DialogTest, MainTemplateGivesAboutSevenHundredByFiveHundredPixels) {
    CDialog main(IDD_MORVANE_DIALOG);
    ASSERT_TRUE(main.Create(IDD_MORVANE_DIALOG));
    CRect client;
    main.GetClientRect(&client);
    EXPECT_EQ(client, CRect(0, 0, 696, 496));  // 464 x 305 dialog units at 96 dots per inch

    CRect frame;
    main.GetDlgItem(IDC_PANEL_FRAME)->GetWindowRect(&frame);
    main.ScreenToClient(&frame);
    EXPECT_EQ(frame, CRect(108, 80, 684, 484));  // 72, 49, 384 x 249
}

TEST(DialogTest, ChildDialogSitsInsideItsParent) {
    CDialog main(IDD_MORVANE_DIALOG);
    CDialog host(IDD_PANEL_HOST, &main);
    ASSERT_TRUE(main.Create(IDD_MORVANE_DIALOG));
    ASSERT_TRUE(host.Create(IDD_PANEL_HOST, &main));

    EXPECT_TRUE(TestDriver::IsSeparateWindow(&main));
    EXPECT_FALSE(TestDriver::IsSeparateWindow(&host));
    EXPECT_EQ(host.GetParent(), &main);
    EXPECT_FALSE(host.IsWindowVisible());  // its template is not visible
    CRect rect;
    host.GetWindowRect(&rect);
    main.ScreenToClient(&rect);
    EXPECT_EQ(rect, CRect(0, 0, 576, 405));
}

TEST(DialogTest, FilteredEnterAndEscapeDoNothingWhileOtherKeysPass) {
    KeyDialog main(IDD_MORVANE_DIALOG, nullptr, true);
    KeyDialog panel(IDD_FOODS, &main, true);
    ASSERT_TRUE(main.Create(IDD_MORVANE_DIALOG));
    ASSERT_TRUE(panel.Create(IDD_FOODS, &main));
    panel.ShowWindow(SW_SHOW);
    CWnd* search = panel.GetDlgItem(IDC_FOOD_SEARCH);

    for (UINT key : {VK_RETURN, VK_ESCAPE}) {
        TestDriver::PressKey(search, key);
        TestDriver::PressKey(&main, key);
    }
    EXPECT_EQ(main.oks + main.cancels + panel.oks + panel.cancels, 0);
    EXPECT_TRUE(main.IsWindowVisible());

    TestDriver::PressKey(search, 'A');
    EXPECT_EQ(search->GetWindowText(), "a");
    const std::vector<std::pair<UINT, int>> changed{{EN_CHANGE, IDC_FOOD_SEARCH}};
    EXPECT_EQ(panel.notifications, changed);
}

TEST(DialogTest, UnfilteredModalDialogEndsWithEnterOrEscape) {
    for (const auto& [key, result] : {std::pair{VK_ESCAPE, IDCANCEL}, {VK_RETURN, IDOK}}) {
        KeyDialog about(IDD_ABOUTBOX, nullptr, false);
        TestDriver::WhenModalRuns([key = key](CDialog& dialog) {
            EXPECT_TRUE(dialog.IsWindowVisible());
            TestDriver::PressKey(&dialog, key);
        });
        EXPECT_EQ(about.DoModal(), result);
        EXPECT_EQ(about.Widget(), nullptr);  // the window ends with the modal run
    }
}

TEST(DialogTest, RadioGroupsAreIndependent) {
    CDialog diary(IDD_DIARY);
    ASSERT_TRUE(diary.Create(IDD_DIARY));
    diary.CheckDlgButton(IDC_MALE, BST_CHECKED);
    diary.CheckDlgButton(IDC_NO_EXERCISE, BST_CHECKED);
    diary.CheckDlgButton(IDC_METRIC, BST_CHECKED);

    TestDriver::Click(diary.GetDlgItem(IDC_FEMALE));
    EXPECT_EQ(diary.IsDlgButtonChecked(IDC_MALE), BST_UNCHECKED);
    EXPECT_EQ(diary.IsDlgButtonChecked(IDC_FEMALE), BST_CHECKED);
    EXPECT_EQ(diary.IsDlgButtonChecked(IDC_NO_EXERCISE), BST_CHECKED);
    EXPECT_EQ(diary.IsDlgButtonChecked(IDC_METRIC), BST_CHECKED);

    diary.CheckDlgButton(IDC_HARD_EXERCISE, BST_CHECKED);
    EXPECT_EQ(diary.IsDlgButtonChecked(IDC_NO_EXERCISE), BST_UNCHECKED);
    EXPECT_EQ(diary.IsDlgButtonChecked(IDC_FEMALE), BST_CHECKED);
}

TEST(DialogTest, FoodSortButtonsFormOneGroup) {
    CDialog foods(IDD_FOODS);
    ASSERT_TRUE(foods.Create(IDD_FOODS));
    foods.CheckDlgButton(IDC_SORT_NONE, BST_CHECKED);
    TestDriver::Click(foods.GetDlgItem(IDC_SORT_DESCRIPTION));
    EXPECT_EQ(foods.IsDlgButtonChecked(IDC_SORT_NONE), BST_UNCHECKED);
    EXPECT_EQ(foods.IsDlgButtonChecked(IDC_SORT_DESCRIPTION), BST_CHECKED);
}

TEST(DialogTest, EveryCaptionFitsItsRectangleWithTheDialogFont) {
    for (const ClippedCaption& clipped : FindClippedCaptions()) {
        ADD_FAILURE() << "dialog " << clipped.dialogId << " control " << clipped.controlId << " \""
                      << clipped.caption << "\" needs " << clipped.neededWidth << " x "
                      << clipped.neededHeight << " in " << clipped.width << " x " << clipped.height
                      << " with " << DialogFontName();
    }
}

TEST(DialogTest, SystemMenuHoldsMinimiseCloseAndWhatIsAppended) {
    KeyDialog main(IDD_MORVANE_DIALOG, nullptr, true);
    ASSERT_TRUE(main.Create(IDD_MORVANE_DIALOG));
    CMenu* menu = main.GetSystemMenu(FALSE);
    ASSERT_NE(menu, nullptr);
    menu->AppendMenu(MF_SEPARATOR);
    menu->AppendMenu(MF_STRING, IDM_ABOUTBOX, "&About morvane...");
    ASSERT_EQ(menu->GetMenuItemCount(), 4);
    EXPECT_EQ(menu->GetMenuItemID(0), SC_MINIMIZE);
    EXPECT_EQ(menu->GetMenuItemID(1), SC_CLOSE);
    EXPECT_EQ(menu->GetMenuItemID(2), 0u);
    EXPECT_EQ(menu->GetMenuString(3), "&About morvane...");

    // From the window itself, and from any control of a panel inside it.
    KeyDialog panel(IDD_FOODS, &main, true);
    ASSERT_TRUE(panel.Create(IDD_FOODS, &main));
    panel.ShowWindow(SW_SHOW);
    CWnd* search = panel.GetDlgItem(IDC_FOOD_SEARCH);
    const struct {
        CWnd* from;
        UINT key;
        bool alt, shift;
    } openers[] = {{&main, VK_SPACE, true, false},
                   {search, VK_APPS, false, false},
                   {search, VK_F10, false, true}};
    for (const auto& opener : openers) {
        TestDriver::PressKey(opener.from, opener.key, opener.alt, opener.shift);
        const std::vector<std::string> shown = TestDriver::TakeOpenMenu();
        ASSERT_EQ(shown.size(), 4u) << opener.key;
        EXPECT_EQ(shown[3], "&About morvane...");
    }

    TestDriver::ChooseSystemMenu(&main, IDM_ABOUTBOX);
    EXPECT_EQ(main.commands, std::vector<UINT>{IDM_ABOUTBOX});

    CDialog host(IDD_PANEL_HOST, &main);
    ASSERT_TRUE(host.Create(IDD_PANEL_HOST, &main));
    EXPECT_EQ(host.GetSystemMenu(FALSE), nullptr);
}

TEST(DialogTest, RightClickOnTheMainWindowsBackgroundOpensTheSystemMenu) {
    CDialog main(IDD_MORVANE_DIALOG);
    CDialog host(IDD_PANEL_HOST, &main);
    ASSERT_TRUE(main.Create(IDD_MORVANE_DIALOG));
    ASSERT_TRUE(host.Create(IDD_PANEL_HOST, &main));
    host.SetWindowPos(nullptr, 108, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);

    TestDriver::RightClick(&main, 300, 300);  // on the host, a child dialog
    EXPECT_TRUE(TestDriver::TakeOpenMenu().empty());
    TestDriver::RightClick(&main, 90, 10);
    const std::vector<std::string> entries{"Mi&nimise", "&Close\tAlt+F4"};
    EXPECT_EQ(TestDriver::TakeOpenMenu(), entries);
}

TEST(DialogTest, SystemMenuCloseEndsTheDialog) {
    KeyDialog main(IDD_MORVANE_DIALOG, nullptr, true);
    TestDriver::WhenModalRuns(
        [](CDialog& dialog) { TestDriver::ChooseSystemMenu(&dialog, SC_CLOSE); });
    EXPECT_EQ(main.DoModal(), IDCANCEL);
    EXPECT_EQ(main.cancels, 1);
}

TEST(DialogTest, ModalDialogWithoutSystemMenuEntryForMinimise) {
    CDialog about(IDD_ABOUTBOX);
    TestDriver::WhenModalRuns([](CDialog& dialog) {
        CMenu* menu = dialog.GetSystemMenu(FALSE);
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->GetMenuItemCount(), 1);
        EXPECT_EQ(dialog.GetWindowText(), "About Morvane");
        dialog.EndDialog(IDOK);
    });
    EXPECT_EQ(about.DoModal(), IDOK);
}

}  // namespace
