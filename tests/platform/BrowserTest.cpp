#include "platform/Browser.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include <sys/stat.h>

#include "support/TempDir.h"

namespace {

TEST(BrowserTest, AddressReachesTheBrowserAsUtf8AndNoAddressOpensNothing) {
    std::vector<std::string> opened;
    SetBrowserHook([&opened](const std::string& address) {
        opened.push_back(address);
        return true;
    });
    EXPECT_EQ(HlinkSimpleNavigateToString(L"http://www.example.org/help_files/caf\u00e9.html",
                                          nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0),
              S_OK);
    EXPECT_EQ(
        HlinkSimpleNavigateToString(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0),
        E_FAIL);
    SetBrowserHook(nullptr);
    EXPECT_EQ(opened,
              std::vector<std::string>{"http://www.example.org/help_files/caf\xC3\xA9.html"});
}

// Without a hook the address goes to xdg-open, which tells a failure only by its exit status;
// one still running has started a browser that stays in the foreground.
TEST(BrowserTest, XdgOpenFailingOrMissingIsAFailure) {
    const ScopedTempDir dir;
    const std::string path = std::getenv("PATH") != nullptr ? std::getenv("PATH") : "";
    ASSERT_EQ(setenv("PATH", dir.Path().c_str(), 1), 0);
    const struct {
        const char* script;  // nullptr: no xdg-open at all
        HRESULT result;
    } cases[] = {
        {nullptr, E_FAIL},
        {"exit 3", E_FAIL},
        {"echo \"$1\" > opened; exit 0", S_OK},
        {"exec /bin/sleep 3", S_OK},
    };
    for (const auto& c : cases) {
        if (c.script != nullptr) {
            std::ofstream(dir.File("xdg-open")) << "#!/bin/sh\n" << c.script << "\n";
            chmod(dir.File("xdg-open").c_str(), 0700);
        }
        EXPECT_EQ(HlinkSimpleNavigateToString(L"file:///help.html", nullptr, nullptr, nullptr,
                                              nullptr, nullptr, 0, 0),
                  c.result)
            << (c.script != nullptr ? c.script : "no xdg-open");
    }
    setenv("PATH", path.c_str(), 1);
    std::string opened;
    std::getline(std::ifstream(dir.File("opened")), opened);
    EXPECT_EQ(opened, "file:///help.html");
}

}  // namespace
