#include "app/MorvaneApp.h"

#include <gtest/gtest.h>

#include "platform/Dialog.h"
#include "platform/TestDriver.h"
#include "res/resource.h"
#include "support/TempDir.h"

namespace {

class MorvaneAppTest : public TempDirTest {};

// The program runs the main window modally; only closing it ends the run, and then the program.
TEST_F(MorvaneAppTest, RunsTheMainWindowUntilItIsClosed) {
    CMorvaneApp app;
    CWnd* mainWindow = nullptr;
    UINT templateId = 0;
    bool openAfterEnterAndEscape = false;
    TestDriver::WhenModalRuns([&](CDialog& dialog) {
        mainWindow = app.m_pMainWnd;
        templateId = dialog.TemplateId();
        TestDriver::PressKey(&dialog, VK_RETURN);
        TestDriver::PressKey(&dialog, VK_ESCAPE);
        openAfterEnterAndEscape = dialog.IsWindowVisible() != FALSE;
        TestDriver::ChooseSystemMenu(&dialog, SC_CLOSE);
    });

    EXPECT_EQ(app.InitInstance(), FALSE);
    EXPECT_NE(mainWindow, nullptr);
    EXPECT_EQ(templateId, static_cast<UINT>(IDD_MORVANE_DIALOG));
    EXPECT_TRUE(openAfterEnterAndEscape);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
}

}  // namespace
