#include "platform/CacheFile.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

fs::path CacheFolder() {
    const char* cache = std::getenv("XDG_CACHE_HOME");
    if (cache != nullptr && *cache == '/') {
        return cache;
    }
    if (const char* home = std::getenv("HOME")) {
        return fs::path(home) / ".cache";
    }
    std::error_code failure;
    return fs::temp_directory_path(failure);
}

}  // namespace

std::string CacheFilePath(const std::string& name) {
    return (CacheFolder() / "morvane" / name).string();
}

std::string ReadCacheLine(const std::string& path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    return line;
}

void WriteCacheLine(const std::string& path, const std::string& line) {
    std::error_code failure;
    fs::create_directories(fs::path(path).parent_path(), failure);
    const std::string temporary = path + "." + std::to_string(getpid());
    {
        std::ofstream out(temporary, std::ios::trunc);
        out << line << '\n';
        if (!out.flush()) {
            fs::remove(temporary, failure);
            return;
        }
    }
    fs::rename(temporary, path, failure);
    if (failure) {
        fs::remove(temporary, failure);
    }
}
