#include "ScratchFile.h"

#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

std::string MakeScratchDirectory() {
    std::string pattern = (std::filesystem::temp_directory_path() / "morvane-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        std::perror("morvane fuzz: cannot create a scratch directory");
        std::abort();
    }
    return pattern;
}

const std::string& ScratchDirectory() {
    static const std::string directory = MakeScratchDirectory();
    static const bool removedAtExit = std::atexit([] {
                                          std::error_code ignored;
                                          std::filesystem::remove_all(ScratchDirectory(), ignored);
                                      }) == 0;
    (void)removedAtExit;
    return directory;
}

}  // namespace

std::string ScratchPath(const char* name) {
    return ScratchDirectory() + "/" + name;
}

std::string WriteScratchFile(const char* name, const uint8_t* data, size_t size) {
    const std::string path = ScratchPath(name);
    for (const char* suffix : {"-journal", "-wal", "-shm"}) {
        std::remove((path + suffix).c_str());
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}
