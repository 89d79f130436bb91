#include "app/HelpPage.h"

#include <filesystem>

namespace {

namespace fs = std::filesystem;

constexpr const char* kPageName = "morvane_help.html";

// Every byte but the unreserved ones and the separators is escaped, so that spaces, '#', '%'
// and non-ASCII names reach the browser as the same path.
std::string FileAddress(const std::string& path) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string address = "file://";
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
            (byte >= '0' && byte <= '9') || c == '/' || c == '-' || c == '.' || c == '_' ||
            c == '~') {
            address += c;
        } else {
            address += '%';
            address += kHex[byte >> 4];
            address += kHex[byte & 0xF];
        }
    }
    return address;
}

}  // namespace

HelpPage LocateHelpPage(const std::string& programPath, const std::string& installedDataDir,
                        const std::string& helpHost) {
    if (!helpHost.empty()) {
        const std::string address = "http://" + helpHost + "/Store/help_files/" + kPageName;
        return {address, address, true};
    }
    const fs::path programDir = fs::path(programPath).parent_path();
    const fs::path candidates[] = {
        programDir / "../share/morvane" / kPageName,
        programDir / "../../share/morvane" / kPageName,
        fs::path(installedDataDir) / kPageName,
    };
    for (const fs::path& candidate : candidates) {
        const std::string path = candidate.lexically_normal().string();
        std::error_code error;
        if (fs::is_regular_file(path, error)) {
            return {FileAddress(path), path, true};
        }
    }
    const std::string path = candidates[2].lexically_normal().string();
    return {FileAddress(path), path, false};
}
