// main() of the benchmarks of windows: the window framework runs first (offscreen unless told
// otherwise), and the benchmarks run inside it.

#include <benchmark/benchmark.h>

#include <cstdlib>

#include "platform/WinApp.h"

namespace {

class BenchApp : public CWinApp {
public:
    BOOL InitInstance() override {
        benchmark::RunSpecifiedBenchmarks();
        return FALSE;
    }
};

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    benchmark::Initialize(&argc, argv);
    BenchApp app;
    return AfxWinMain(app, argc, argv);
}
