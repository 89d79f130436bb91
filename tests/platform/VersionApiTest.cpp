#include "platform/VersionApi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "platform/VersionBlock.h"
#include "support/TempDir.h"

namespace {

using Bytes = std::vector<unsigned char>;

constexpr const char* kProductName = "\\StringFileInfo\\040904B0\\ProductName";
constexpr const char* kCopyright = "\\StringFileInfo\\040904B0\\LegalCopyright";
constexpr const char* kUnicode = "© Ünïcode – 日本 😀";
constexpr std::size_t kJunkSize = 1001;

Bytes CraftedBlock() {
    VersionBlockContents contents;
    contents.fileVersion = {1, 12, 3, 4};
    contents.strings = {{"ProductName", "Crafted"}, {"LegalCopyright", kUnicode}};
    contents.translations = {{0x0407, 0x04E4}, {0x0409, 0x04B0}};
    return BuildVersionBlock(contents);
}

// Unrelated bytes of odd length, holding a bare key whose header claims more than the file holds,
// then the block, then zeros.
Bytes Module(const Bytes& block) {
    Bytes file = {0xFF, 0xFF, 0x34, 0x00, 0x00, 0x00};
    for (const char c : std::string(version_block::kRootKey)) {
        file.insert(file.end(), {static_cast<unsigned char>(c), 0});
    }
    file.resize(kJunkSize, 0x5A);
    file.insert(file.end(), block.begin(), block.end());
    file.insert(file.end(), 77, 0);
    return file;
}

std::string WriteFile(const ScopedTempDir& dir, const Bytes& bytes) {
    const std::string path = dir.File("module.bin");
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return path;
}

// The whole buffer GetFileVersionInfoA fills, sized exactly so that a stray access shows.
Bytes LoadVersionInfo(const std::string& path) {
    DWORD handle = 99;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
    EXPECT_EQ(handle, 0U);
    Bytes buffer(size);
    if (size == 0 || !GetFileVersionInfoA(path.c_str(), handle, size, buffer.data())) {
        return {};
    }
    return buffer;
}

// The value at `path`: a string-table entry as text, whose length counts its terminating zero,
// anything else as bytes; "<none>" when there is none.
std::string Query(const Bytes& buffer, const char* path) {
    void* value = nullptr;
    UINT length = 0;
    if (buffer.empty() || !VerQueryValueA(buffer.data(), path, &value, &length)) {
        return "<none>";
    }
    const auto* first = static_cast<const char*>(value);
    if (std::tolower(path[1]) == 's') {
        EXPECT_EQ(length, std::strlen(first) + 1) << path;
        return first;
    }
    return std::string(first, length);
}

VS_FIXEDFILEINFO FixedInfo(const Bytes& buffer) {
    const std::string value = Query(buffer, "\\");
    VS_FIXEDFILEINFO info{};
    EXPECT_EQ(value.size(), sizeof info);
    std::memcpy(&info, value.data(), std::min(value.size(), sizeof info));
    return info;
}

class VersionApiTest : public TempDirTest {};

}  // namespace

TEST_F(VersionApiTest, FindsACraftedBlockAmongOtherBytes) {
    const Bytes buffer = LoadVersionInfo(WriteFile(m_dir, Module(CraftedBlock())));
    const VS_FIXEDFILEINFO info = FixedInfo(buffer);
    EXPECT_EQ(info.dwSignature, VS_FFI_SIGNATURE);
    EXPECT_EQ(info.dwFileVersionMS, 0x0001000CU);
    EXPECT_EQ(info.dwFileVersionLS, 0x00030004U);
    EXPECT_EQ(Query(buffer, "\\VarFileInfo\\Translation"),
              std::string("\x07\x04\xE4\x04\x09\x04\xB0\x04", 8));
    EXPECT_EQ(Query(buffer, kProductName), "Crafted");
    EXPECT_EQ(Query(buffer, "\\stringfileinfo\\040904b0\\productname"), "Crafted");
    EXPECT_EQ(Query(buffer, kCopyright), kUnicode);
    for (const char* path : {"\\StringFileInfo", "\\StringFileInfo\\040704B0\\ProductName",
                             "\\StringFileInfo\\040904B0\\Product", "\\VarFileInfo\\Translatio"}) {
        EXPECT_EQ(Query(buffer, path), "<none>") << path;
    }
}

// Nothing is found in a file without a block, nor in one cut short anywhere inside its block.
TEST_F(VersionApiTest, FilesWithoutAWholeBlockHaveNoVersionInfo) {
    const Bytes file = Module(CraftedBlock());
    const std::size_t whole = kJunkSize + CraftedBlock().size();
    for (std::size_t end = 0; end <= whole; end += end < kJunkSize ? kJunkSize : 1) {
        const std::string path =
            WriteFile(m_dir, Bytes(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(end)));
        EXPECT_EQ(GetFileVersionInfoSizeA(path.c_str(), nullptr) != 0, end == whole) << end;
    }
    unsigned char data[64];
    EXPECT_FALSE(GetFileVersionInfoA(m_dir.File("missing.bin").c_str(), 0, sizeof data, data));
    EXPECT_EQ(GetFileVersionInfoSizeA(nullptr, nullptr), 0U);
}

// A string-table entry whose node claims a binary value holds bytes with no terminating zero;
// handing them out as text would let the reader run past the value.
TEST_F(VersionApiTest, AStringEntryMarkedBinaryIsNotHandedOutAsText) {
    Bytes block = CraftedBlock();
    const std::string key("P\0r\0o\0d\0u\0c\0t\0N\0a\0m\0e\0", 22);
    const auto keyAt = std::search(block.begin(), block.end(), key.begin(), key.end());
    ASSERT_NE(keyAt, block.end());
    keyAt[-2] = 0;  // the type word before the key
    keyAt[-1] = 0;
    const Bytes buffer = LoadVersionInfo(WriteFile(m_dir, Module(block)));
    EXPECT_EQ(Query(buffer, kProductName), "<none>");
    EXPECT_EQ(Query(buffer, kCopyright), kUnicode);
}

// A name cut to a small buffer stays terminated inside it.
TEST(ModuleFileNameTest, IsCutToTheBufferAndStaysTerminated) {
    char path[4096] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    ASSERT_EQ(std::strlen(path), length);
    EXPECT_NE(std::string(path).find("VersionApiTest"), std::string::npos);
    char cut[5];
    std::memset(cut, 'x', sizeof cut);
    EXPECT_EQ(GetModuleFileNameA(nullptr, cut, sizeof cut), sizeof cut);
    EXPECT_EQ(std::string(cut), std::string(path, 4));
}
