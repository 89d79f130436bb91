#include "platform/Browser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

}  // namespace
