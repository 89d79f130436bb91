#include "app/HelpPage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "support/TempDir.h"

namespace {

class HelpPageTest : public TempDirTest {};

struct HelpPageCase {
    const char* program;  // paths are relative to a folder of the case's own
    const char* page;     // where the page is, or null
    const char* host;
    const char* place;    // where the user is told it is (a web address when a host is set)
    const char* address;  // after "file://<folder>/" (the whole address when a host is set)
    bool found;
};

TEST_F(HelpPageTest, FindsTheShippedPageOrNamesWhereItBelongs) {
    const HelpPageCase cases[] = {
        {"usr/lib/morvane/morvane", "usr/share/morvane/morvane_help.html", "",
         "usr/share/morvane/morvane_help.html", "usr/share/morvane/morvane_help.html", true},
        {"opt/bin/morvane", "data/morvane_help.html", "", "data/morvane_help.html",
         "data/morvane_help.html", true},
        {"opt/bin/morvane", nullptr, "", "data/morvane_help.html", "data/morvane_help.html", false},
        {"my docs#1\xC3\xA9%/lib/morvane/morvane",
         "my docs#1\xC3\xA9%/share/morvane/morvane_help.html", "",
         "my docs#1\xC3\xA9%/share/morvane/morvane_help.html",
         "my%20docs%231%C3%A9%25/share/morvane/morvane_help.html", true},
        {"usr/lib/morvane/morvane", "usr/share/morvane/morvane_help.html", "help.example",
         "http://help.example/Store/help_files/morvane_help.html",
         "http://help.example/Store/help_files/morvane_help.html", true},
    };
    int index = 0;
    for (const HelpPageCase& c : cases) {
        const std::string folder = m_dir.File("case" + std::to_string(index++)) + "/";
        if (c.page != nullptr) {
            std::filesystem::create_directories(
                std::filesystem::path(folder + c.page).parent_path());
            std::ofstream(folder + c.page) << "<html></html>";
        }
        const HelpPage page = LocateHelpPage(folder + c.program, folder + "data", c.host);
        const bool onHost = c.host[0] != '\0';
        EXPECT_EQ(page.place, onHost ? c.place : folder + c.place) << index;
        EXPECT_EQ(page.address, onHost ? c.address : "file://" + folder + c.address) << index;
        EXPECT_EQ(page.found, c.found) << index;
    }
}

}  // namespace
