#pragma once

#include <iosfwd>
#include <optional>

// The exit statuses of the command-line options.
enum ExitStatus : int {
    kExitSuccess = 0,
    kExitBadInput = 1,
    kExitFileError = 2,  // a file cannot be read or written
};

// Runs the option the program was started with, before any window is made, and returns its exit
// status; nothing when the program should open its window instead (no arguments, or only the
// single-dash options of the window system, such as -platform or -session).
std::optional<int> RunCommandLine(int argc, const char* const* argv, std::ostream& out,
                                  std::ostream& err);
