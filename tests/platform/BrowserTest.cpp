#include "platform/Browser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class BrowserTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetBrowserHook([this](const std::string& address) {
            m_opened.push_back(address);
            return true;
        });
    }
    void TearDown() override { SetBrowserHook(nullptr); }

    std::vector<std::string> m_opened;
};

TEST_F(BrowserTest, AddressReachesTheBrowserAsUtf8) {
    const wchar_t* address = L"http://www.example.org/Store/help_files/caf\u00e9.html";
    EXPECT_EQ(
        HlinkSimpleNavigateToString(address, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0),
        S_OK);
    EXPECT_EQ(m_opened,
              std::vector<std::string>{"http://www.example.org/Store/help_files/caf\xC3\xA9.html"});
}

TEST_F(BrowserTest, NoAddressOpensNothing) {
    EXPECT_EQ(
        HlinkSimpleNavigateToString(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0),
        E_FAIL);
    EXPECT_TRUE(m_opened.empty());
}

}  // namespace
