#include "platform/SingleInstance.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "platform/TestDriver.h"
#include "support/ChildProcess.h"
#include "support/TempDir.h"

namespace {

using namespace std::chrono_literals;

// A second guard on the folder is refused and brings the holder forward, once.
void ExpectSecondGuardCallsHolderForward(CSingleInstance& holder, const std::string& folder) {
    int activations = 0;
    holder.SetActivation([&activations] { ++activations; });
    CSingleInstance second;
    EXPECT_FALSE(second.Acquire(folder));
    EXPECT_TRUE(WaitFor(
        [&activations] {
            TestDriver::ProcessEvents();
            return activations > 0;
        },
        2s));
    TestDriver::ProcessEvents();
    EXPECT_EQ(activations, 1);
}

class SingleInstanceTest : public TempDirTest {};

// flock() locks belong to an open file description, so two guards in one process exclude each
// other as two programs do.
TEST_F(SingleInstanceTest, OneGuardPerFolderWhicheverPathNamesIt) {
    const std::string other = m_dir.File("other");
    std::filesystem::create_directory(other);
    CSingleInstance first;
    ASSERT_TRUE(first.Acquire("."));
    ExpectSecondGuardCallsHolderForward(first, other + "/..");
    CSingleInstance inOtherFolder;
    EXPECT_TRUE(inOtherFolder.Acquire(other));
}

// The kernel drops the lock of a killed program; its socket stays behind and must not keep the
// next holder from being called forward.
TEST_F(SingleInstanceTest, AProgramKilledWhileHoldingTheFolderDoesNotBlockTheNextOne) {
    ChildProcess program(MORVANE_PROGRAM, m_dir.Path(), {"QT_QPA_PLATFORM=offscreen"});
    // The program locks the folder before it opens its diary.
    ASSERT_TRUE(
        WaitFor([this] { return std::filesystem::exists(m_dir.File("morvane.qeldb")); }, 10s));
    program.Kill();

    CSingleInstance next;
    ASSERT_TRUE(next.Acquire(m_dir.Path()));
    ExpectSecondGuardCallsHolderForward(next, m_dir.Path());
}

}  // namespace
