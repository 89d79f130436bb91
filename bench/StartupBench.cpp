// Start-up as the user meets it: the real program, started in a data folder holding a ten-year
// diary and the shipped foods file, until its main window is first visible, against a bare Qt
// window started the same way in the same run. Both run as whole processes, on Qt's offscreen
// platform and, when there is an X display (run under xvfb-run), on the display as a user's
// desktop shows them. Read each Program figure as a ratio to the BareQt one of its platform.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "stats/DiaryRows.h"
#include "support/ChildProcess.h"
#include "support/TempDir.h"

namespace {

constexpr int kDays = 3650;

// Starts the executable on the platform in the folder and waits until it has ended.
void RunToFirstWindow(benchmark::State& state, const char* program, const char* platform) {
    if (std::string(platform) == "xcb" && std::getenv("DISPLAY") == nullptr) {
        state.SkipWithError("no X display: run under xvfb-run");
        return;
    }
    ScopedTempDir folder;
    if (!WriteDiary("morvane.qeldb", DailyRows(kDays, 2010, 1, 1)) ||
        !std::filesystem::copy_file(MORVANE_SHIPPED_FOODS, folder.File("foods.qeldb"))) {
        state.SkipWithError("cannot lay out the data folder");
        return;
    }
    // A program just built, and a folder just written, start slower while their pages wait to be
    // written back; an installed program and a diary of yesterday do not.
    sync();
    for (auto _ : state) {
        ChildProcess child(
            program, folder.Path(),
            {std::string("QT_QPA_PLATFORM=") + platform, "MORVANE_EXIT_AFTER_FIRST_SHOW=1"});
        if (child.Wait(std::chrono::seconds(30)) != 0) {
            state.SkipWithError("the program did not end by itself with status 0");
            return;
        }
    }
}

struct Window {
    const char* name;
    const char* program;
};
constexpr Window kWindows[] = {{"Program_StartToFirstWindow", MORVANE_PROGRAM},
                               {"BareQt_StartToFirstWindow", MORVANE_BARE_WINDOW}};

struct Platform {
    const char* name;
    const char* qpa;
};
constexpr Platform kPlatforms[] = {{"offscreen", "offscreen"}, {"display", "xcb"}};

}  // namespace

int main(int argc, char** argv) {
    for (const Platform& platform : kPlatforms) {
        for (const Window& window : kWindows) {
            benchmark::RegisterBenchmark((std::string(window.name) + "/" + platform.name).c_str(),
                                         RunToFirstWindow, window.program, platform.qpa)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime();
        }
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
