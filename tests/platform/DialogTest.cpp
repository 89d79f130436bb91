#include "platform/Dialog.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "platform/CacheFile.h"
#include "platform/DialogFontQt.h"
#include "platform/QtText.h"
#include "platform/TestDriver.h"
#include "res/resource.h"
#include "support/TempDir.h"

void PrintTo(const CRect& rect, std::ostream* out) {
    *out << "(" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom
         << ")";
}

namespace {

// The main window and a panel inside it, as the program builds them.
class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_main.Create(IDD_MORVANE_DIALOG));
        ASSERT_TRUE(m_panel.Create(IDD_FOODS, &m_main));
        m_panel.SetWindowPos(nullptr, 108, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
    }

    CDialog m_main{IDD_MORVANE_DIALOG};
    CDialog m_panel{IDD_FOODS, &m_main};
};

TEST_F(DialogTest, TemplatesGiveTheirSizeInDialogUnitsAndChildrenSitInside) {
    CRect rect;
    m_main.GetClientRect(&rect);
    EXPECT_EQ(rect, CRect(0, 0, 696, 496));  // 464 x 305 dialog units at 96 dots per inch
    m_main.GetDlgItem(IDC_PANEL_FRAME)->GetWindowRect(&rect);
    m_main.ScreenToClient(&rect);
    EXPECT_EQ(rect, CRect(108, 80, 684, 484));  // 72, 49, 384 x 249

    CDialog host(IDD_PANEL_HOST, &m_main);
    ASSERT_TRUE(host.Create(IDD_PANEL_HOST, &m_main));
    EXPECT_TRUE(TestDriver::IsSeparateWindow(&m_main));
    EXPECT_FALSE(TestDriver::IsSeparateWindow(&host));
    EXPECT_EQ(host.GetParent(), &m_main);
    EXPECT_FALSE(host.IsWindowVisible());  // its template is not visible
    EXPECT_EQ(host.GetSystemMenu(FALSE), nullptr);
}

// The system menu opens from the window, from any control of a panel inside it, or by a right
// click on the window's own background.
TEST_F(DialogTest, SystemMenuHoldsMinimiseCloseAndWhatIsAppended) {
    CMenu* menu = m_main.GetSystemMenu(FALSE);
    ASSERT_NE(menu, nullptr);
    menu->AppendMenu(MF_SEPARATOR);
    menu->AppendMenu(MF_STRING, IDM_ABOUTBOX, "&About morvane...");
    const std::vector<std::string> entries{"Mi&nimise", "&Close\tAlt+F4", "", "&About morvane..."};
    CWnd* search = m_panel.GetDlgItem(IDC_FOOD_SEARCH);
    TestDriver::PressKey(&m_main, VK_SPACE, true, false);
    EXPECT_EQ(TestDriver::TakeOpenMenu(), entries);
    TestDriver::PressKey(search, VK_APPS, false, false);
    EXPECT_EQ(TestDriver::TakeOpenMenu(), entries);
    TestDriver::PressKey(search, VK_F10, false, true);
    EXPECT_EQ(TestDriver::TakeOpenMenu(), entries);
    TestDriver::RightClick(&m_main, 300, 300);  // on the panel
    EXPECT_TRUE(TestDriver::TakeOpenMenu().empty());
    TestDriver::RightClick(&m_main, 90, 10);
    EXPECT_EQ(TestDriver::TakeOpenMenu(), entries);
}

// A modal dialog has Close as its only system menu entry, and Close ends it.
TEST(DialogModalTest, CloseFromTheSystemMenuEndsAModalDialog) {
    CDialog about(IDD_ABOUTBOX);
    TestDriver::WhenModalRuns([](CDialog& dialog) {
        EXPECT_TRUE(dialog.IsWindowVisible());
        ASSERT_NE(dialog.GetSystemMenu(FALSE), nullptr);
        EXPECT_EQ(dialog.GetSystemMenu(FALSE)->GetMenuItemCount(), 1);
        TestDriver::ChooseSystemMenu(&dialog, SC_CLOSE);
    });
    EXPECT_EQ(about.DoModal(), IDCANCEL);
    EXPECT_EQ(about.Widget(), nullptr);  // the window ends with the modal run
}

TEST(DialogFontTest, EveryCaptionFitsItsRectangleWithTheDialogFont) {
    for (const ClippedCaption& clipped : FindClippedCaptions()) {
        ADD_FAILURE() << "dialog " << clipped.dialogId << " control " << clipped.controlId << " \""
                      << clipped.caption << "\" needs " << clipped.neededWidth << " x "
                      << clipped.neededHeight << " in " << clipped.width << " x " << clipped.height
                      << " with " << DialogFontName();
    }
}

// The choice is remembered. A remembered face with which every caption fits is taken at once, the
// faces before it are tried again afterwards, and the first that fits is remembered.
TEST(DialogFontTest, TheChoiceIsRememberedAndMadeAgainAfterStartUp) {
    const ScopedTempDir dir;
    const std::string memory = "dialog-font";
    const QFont first = ChooseDialogFont(memory, 0);
    const std::string firstName = ReadCacheLine(memory);
    EXPECT_EQ(firstName, FromQString(first.family() + " " + QString::number(first.pointSizeF())));

    WriteCacheLine(memory, "Liberation Sans Narrow 8");
    ASSERT_NE(firstName, "Liberation Sans Narrow 8");
    EXPECT_EQ(ChooseDialogFont(memory, 0).family(), "Liberation Sans Narrow");
    EXPECT_EQ(ReadCacheLine(memory), "Liberation Sans Narrow 8");
    TestDriver::ProcessEvents();
    EXPECT_EQ(ReadCacheLine(memory), firstName);

    WriteCacheLine(memory, "no such face 9");
    EXPECT_EQ(ChooseDialogFont(memory, 0), first);
    EXPECT_EQ(ReadCacheLine(memory), firstName);
}

}  // namespace
