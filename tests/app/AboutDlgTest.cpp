#include "app/AboutDlg.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

#include "platform/TestDriver.h"
#include "res/resource.h"

namespace {

// Runs the about box modally and lets `user` act once it is shown.
INT_PTR RunAboutBox(std::function<void(CDialog&)> user) {
    TestDriver::WhenModalRuns(std::move(user));
    CAboutDlg about;
    return about.DoModal();
}

TEST(AboutDlgTest, ShowsItsTemplateUnderTheProductName) {
    UINT templateId = 0;
    std::string caption;
    RunAboutBox([&](CDialog& dialog) {
        templateId = dialog.TemplateId();
        caption = dialog.GetWindowText();
        dialog.EndDialog(IDOK);
    });
    EXPECT_EQ(templateId, static_cast<UINT>(IDD_ABOUTBOX));
    EXPECT_EQ(caption, "About Morvane");
}

// Unlike the main window, the about box keeps the usual keys: Enter and Escape close it.
TEST(AboutDlgTest, EnterAndEscapeCloseIt) {
    for (const auto& [key, result] : {std::pair{VK_RETURN, IDOK}, std::pair{VK_ESCAPE, IDCANCEL}}) {
        EXPECT_EQ(RunAboutBox([key](CDialog& dialog) { TestDriver::PressKey(&dialog, key); }),
                  result);
    }
}

}  // namespace
