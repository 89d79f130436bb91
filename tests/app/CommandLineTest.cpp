#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "support/TempDir.h"

namespace {

int RunOption(std::vector<const char*> arguments, std::ostringstream& out,
              std::ostringstream& err) {
    arguments.insert(arguments.begin(), "morvane");
    return RunCommandLine(static_cast<int>(arguments.size()), arguments.data(), out, err).value();
}

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

// Run in order in one data folder: the diary is missing, made by an import, then exported.
TEST(CommandLineTest, DiaryFilesGiveTheirExitStatus) {
    const ScopedTempDir folder;
    const std::string header =
        "Name,Age,Gender,Weight,Height,Calories,Activity,Date,Format,BMI,BMR\n";
    std::ofstream("good.csv") << header
                              << "Ann,34,female,70,166,1800,light,2010-03-07,Metric,25,1700\n";
    std::ofstream("bad.csv") << header
                             << "Ann,0,female,70,166,1800,light,2010-03-07,Metric,25,1700\n";
    const struct {
        const char* option;
        const char* file;
        int status;
        const char* said;  // on standard output after a success, else on standard error
    } cases[] = {
        {"--export-csv", "out.csv", kExitFileError, "morvane: There is no diary /"},
        {"--import-csv", "missing.csv", kExitFileError, "could not be read: No such file"},
        {"--import-csv", "bad.csv", kExitBadInput, "\nline 2: Age is not a whole number"},
        {"--import-csv", "good.csv", kExitSuccess, "Imported 1 entry, skipped 0 already"},
        {"--export-csv", "out.csv", kExitSuccess, "Exported 1 entry to /"},
        {"--export-food-log", "log.csv", kExitSuccess, "Exported 0 lines of the food log to /"},
        {"--export-food-log", "morvane.qeldb", kExitBadInput, "is the diary itself"},
        {"--export-csv", "morvane.qeldb", kExitBadInput, "is the diary itself"},
        {"--export-csv", "no/such/folder.csv", kExitFileError, "could not be written: No such"},
    };
    for (const auto& c : cases) {
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(RunOption({c.option, c.file}, out, err), c.status) << c.option << " " << c.file;
        const std::string said = c.status == kExitSuccess ? out.str() : err.str();
        EXPECT_NE(said.find(c.said), std::string::npos) << said;
        EXPECT_EQ(out.str().empty(), c.status != kExitSuccess) << said;
    }
}

}  // namespace
