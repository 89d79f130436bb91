#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct CommandLineCase {
    std::vector<const char*> arguments;  // after the program's name
    std::optional<int> status;           // none: the window opens
    const char* out;                     // what standard output starts with
    const char* err;                     // what standard error starts with
};

TEST(CommandLineTest, OptionsAnswerWithoutAWindowAndOthersAreRefused) {
    const char* usage = "Usage: morvane [OPTION]\n";
    const CommandLineCase cases[] = {
        {{}, std::nullopt, "", ""},
        {{"-platform", "offscreen"}, std::nullopt, "", ""},
        {{"--version"}, kExitSuccess, "Morvane 8.0.2\n", ""},
        {{"--help"}, kExitSuccess, usage, ""},
        {{"--colour"}, kExitBadInput, "", "morvane: unknown option '--colour'\n"},
        {{"diary.csv"}, kExitBadInput, "", "morvane: unknown option 'diary.csv'\n"},
        {{"--version", "now"}, kExitBadInput, "", "morvane: unexpected argument 'now'\n"},
    };
    for (const CommandLineCase& c : cases) {
        std::vector<const char*> argv{"morvane"};
        argv.insert(argv.end(), c.arguments.begin(), c.arguments.end());
        std::ostringstream out;
        std::ostringstream err;
        const std::string shown = argv.size() > 1 ? argv[1] : "(none)";
        EXPECT_EQ(RunCommandLine(static_cast<int>(argv.size()), argv.data(), out, err), c.status)
            << shown;
        EXPECT_EQ(out.str().rfind(c.out, 0), 0u) << shown << ": " << out.str();
        EXPECT_EQ(err.str().rfind(c.err, 0), 0u) << shown << ": " << err.str();
        EXPECT_EQ(out.str().empty(), c.out[0] == '\0') << shown;
        EXPECT_EQ(err.str().find(usage) != std::string::npos, c.status == kExitBadInput) << shown;
    }
}

}  // namespace
