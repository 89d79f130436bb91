#include "store/TextFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

namespace text_file {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::string Reason() {
    return std::strerror(errno);
}

}  // namespace

bool Read(const std::string& path, uint64_t largest, std::string& text, bool& tooLarge,
          std::string& error) {
    tooLarge = false;
    const File file(std::fopen(path.c_str(), "rb"));
    if (file == nullptr) {
        error = Reason();
        return false;
    }
    text.clear();
    std::error_code failure;
    const uintmax_t size = std::filesystem::file_size(path, failure);
    if (!failure && size <= largest) {
        text.reserve(static_cast<size_t>(size));
    }
    char block[1 << 16];
    size_t got = 0;
    while ((got = std::fread(block, 1, sizeof block, file.get())) > 0) {
        if (text.size() + got > largest) {
            tooLarge = true;
            error = "it is larger than " + std::to_string(largest >> 20) + " MiB";
            return false;
        }
        text.append(block, got);
    }
    if (std::ferror(file.get()) != 0) {
        error = Reason();
        return false;
    }
    return true;
}

bool Write(const std::string& path, const std::string& text, std::string& error) {
    std::error_code failure;
    std::filesystem::path target = std::filesystem::weakly_canonical(path, failure);
    if (failure) {
        target = path;
    }
    const std::string temporary = target.string() + ".partial";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) {
        error = Reason();
        return false;
    }
    bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    // Closing flushes what is buffered: a full disk may show only there.
    written = std::fclose(file) == 0 && written;
    if (!written) {
        error = Reason();
    }
    if (written) {
        std::filesystem::rename(temporary, target, failure);
        if (!failure) {
            return true;
        }
        error = failure.message();
    }
    std::remove(temporary.c_str());
    return false;
}

}  // namespace text_file
