#pragma once

#include <string>

// Where HELP sends the browser, and what the user is told when no browser opens it.
struct HelpPage {
    std::string address;  // ASCII: a file:// address, or the page on the help host
    std::string place;    // the page's full path, or its web address on the help host
    bool found = false;   // false when the shipped page is in none of its places
};

// The page shipped with the program is looked for beside the program as the build lays it out
// (bin/ and share/morvane/) and as an install does (lib/morvane/ and share/morvane/), then in
// `installedDataDir`, which is named even when the page is not there. A non-empty `helpHost`
// (ASCII) wins over all of them.
HelpPage LocateHelpPage(const std::string& programPath, const std::string& installedDataDir,
                        const std::string& helpHost);
