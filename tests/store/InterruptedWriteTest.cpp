// A program killed while it rewrites the whole diary in one transaction: whenever the kill lands,
// the next opening rolls back what was left half-done, so the diary holds either every row
// rewritten or none, and nothing else is lost.

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>
#include <thread>

#include "diary/DiaryTable.h"
#include "stats/DiaryRows.h"
#include "store/SqlProbe.h"
#include "support/TempDir.h"

extern char** environ;

namespace {

constexpr const char* kDiary = "morvane.qeldb";
constexpr int kDays = 3650;
constexpr int kKills = 50;

using Clock = std::chrono::steady_clock;

pid_t StartRewrite(const char* format) {
    const char* const argv[] = {MORVANE_REWRITE_FORMAT, kDiary, format, nullptr};
    pid_t pid = -1;
    EXPECT_EQ(posix_spawn(&pid, MORVANE_REWRITE_FORMAT, nullptr, nullptr,
                          const_cast<char* const*>(argv), environ),
              0);
    return pid;
}

// Opens the diary as the program does, which rolls back a half-done transaction, and tells the
// one Format every row holds; "" when the file does not open whole or the rows disagree.
std::string FormatOfEveryRow() {
    CDiaryTable table;
    if (!table.Open(kDiary) || table.m_recordCount != kDays) {
        return "";
    }
    table.Close();
    RawConnection raw(kDiary);
    if (raw.Text("PRAGMA integrity_check") != "ok" ||
        raw.Text("SELECT COUNT(*) FROM Settings WHERE Calories = 1500 + ROWID - 1") !=
            std::to_string(kDays) ||
        raw.Text("SELECT COUNT(DISTINCT Format) FROM Settings") != "1") {
        return "";
    }
    return raw.Text("SELECT Format FROM Settings LIMIT 1");
}

TEST(InterruptedWriteTest, AKilledRewriteLeavesEveryRowOrNone) {
    ScopedTempDir dir;
    ASSERT_TRUE(WriteDiary(kDiary, DailyRows(kDays, 2000, 1, 1)));
    ASSERT_EQ(FormatOfEveryRow(), "Metric");

    // One run left alone rewrites every row, and shows how long a whole run takes here.
    const Clock::time_point start = Clock::now();
    int status = 0;
    waitpid(StartRewrite("Imperial"), &status, 0);
    const auto wholeRun =
        std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_EQ(FormatOfEveryRow(), "Imperial");

    std::mt19937 random(3650);
    std::uniform_int_distribution<long> delay(0, wholeRun.count());
    std::string held = "Imperial";
    for (int kill = 0; kill < kKills; ++kill) {
        const std::string wanted = held == "Metric" ? "Imperial" : "Metric";
        const pid_t child = StartRewrite(wanted.c_str());
        ASSERT_GT(child, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(child, SIGKILL);
        waitpid(child, &status, 0);
        const std::string found = FormatOfEveryRow();
        ASSERT_TRUE(found == held || found == wanted)
            << "after kill " << kill << " the diary holds " << (found.empty() ? "a mix" : found);
        held = found;
    }
}

}  // namespace
