#include "app/MorvaneApp.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "platform/Dialog.h"
#include "platform/SingleInstance.h"
#include "platform/TestDriver.h"
#include "res/resource.h"
#include "support/ChildProcess.h"
#include "support/TempDir.h"

namespace {

using namespace std::chrono_literals;

class MorvaneAppTest : public TempDirTest {};

// The program runs the main window modally; only closing it ends the run, and then the program.
TEST_F(MorvaneAppTest, RunsTheMainWindowUntilItIsClosed) {
    CMorvaneApp app;
    CWnd* mainWindow = nullptr;
    UINT templateId = 0;
    TestDriver::WhenModalRuns([&](CDialog& dialog) {
        mainWindow = app.m_pMainWnd;
        templateId = dialog.TemplateId();
        TestDriver::ChooseSystemMenu(&dialog, SC_CLOSE);
    });

    EXPECT_EQ(app.InitInstance(), FALSE);
    EXPECT_NE(mainWindow, nullptr);
    EXPECT_EQ(templateId, static_cast<UINT>(IDD_MORVANE_DIALOG));
    EXPECT_EQ(app.m_pMainWnd, nullptr);
}

TEST_F(MorvaneAppTest, ASecondStartOnTheFolderEndsAtOnceWithoutOpeningTheDiary) {
    const std::filesystem::path diary = m_dir.File("morvane.qeldb");
    const std::filesystem::path journal = m_dir.File("morvane.qeldb-journal");
    ChildProcess first(MORVANE_PROGRAM, m_dir.Path(), {"QT_QPA_PLATFORM=offscreen"});
    int settledPolls = 0;
    ASSERT_TRUE(WaitFor(
        [&] {
            const bool written =
                std::filesystem::exists(diary) && !std::filesystem::exists(journal);
            settledPolls = written ? settledPolls + 1 : 0;
            return settledPolls >= 20;
        },
        10s));
    // The first program keeps its diary open; taken out of the folder, it shows whether the
    // second one opened it by name, since any open would create it again.
    std::filesystem::remove(diary);

    ChildProcess second(MORVANE_PROGRAM, m_dir.Path(), {"QT_QPA_PLATFORM=offscreen"});
    EXPECT_EQ(second.Wait(2s), 0);
    EXPECT_FALSE(std::filesystem::exists(diary));
    // The first one has been called forward and runs on.
    EXPECT_EQ(first.Wait(300ms), ChildProcess::kStillRunning);

    // A killed program leaves its lock file and socket behind; a guard that ends normally takes
    // them away.
    first.Kill();
    CSingleInstance().Acquire(m_dir.Path());
}

}  // namespace
