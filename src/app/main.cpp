#include <iostream>

#include "app/CommandLine.h"
#include "app/MorvaneApp.h"

int main(int argc, char** argv) {
    if (const std::optional<int> status = RunCommandLine(argc, argv, std::cout, std::cerr)) {
        return *status;
    }
    CMorvaneApp app;
    return AfxWinMain(app, argc, argv);
}
