#include "app/AboutDlg.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "platform/TestDriver.h"
#include "res/resource.h"

namespace {

// Unlike the main window, the about box keeps the usual keys: Enter and Escape close it.
TEST(AboutDlgTest, ShowsItsTemplateUnderTheProductNameAndEnterOrEscapeCloseIt) {
    for (const auto& [key, result] : {std::pair{VK_RETURN, IDOK}, std::pair{VK_ESCAPE, IDCANCEL}}) {
        UINT templateId = 0;
        std::string caption;
        TestDriver::WhenModalRuns([&templateId, &caption, key](CDialog& dialog) {
            templateId = dialog.TemplateId();
            caption = dialog.GetWindowText();
            TestDriver::PressKey(&dialog, key);
        });
        CAboutDlg about;
        EXPECT_EQ(about.DoModal(), result);
        EXPECT_EQ(templateId, static_cast<UINT>(IDD_ABOUTBOX));
        EXPECT_EQ(caption, "About Morvane");
    }
}

}  // namespace
