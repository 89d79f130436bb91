#include "platform/VersionApi.h"

#include <elf.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "platform/VersionBlock.h"
#include "support/TempDir.h"

namespace {

using Bytes = std::vector<unsigned char>;

VersionBlockContents CraftedContents() {
    VersionBlockContents contents;
    contents.fileVersion = {1, 12, 3, 4};
    contents.productVersion = {1, 12, 0, 0};
    contents.strings = {{"ProductName", "Crafted"}, {"LegalCopyright", "© Ünïcode – 日本 😀"}};
    contents.translations = {{0x0407, 0x04E4}, {0x0409, 0x04B0}};
    return contents;
}

// Unrelated bytes of odd length, holding a bare key whose header claims more than the file holds.
Bytes Junk() {
    Bytes decoy = {0xFF, 0xFF, 0x34, 0x00, 0x00, 0x00};
    for (const char* c = version_block::kRootKey; c <= std::end(version_block::kRootKey) - 1; ++c) {
        decoy.insert(decoy.end(), {static_cast<unsigned char>(*c), 0});
    }
    Bytes junk(1001, 0x5A);
    junk.insert(junk.begin() + 100, decoy.begin(), decoy.end());
    return junk;
}

void WriteFile(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

// A module file: junk, the block, junk.
std::string WriteModule(const ScopedTempDir& dir, const Bytes& block) {
    Bytes file = Junk();
    file.insert(file.end(), block.begin(), block.end());
    file.insert(file.end(), 77, 0);
    const std::string path = dir.File("module.bin");
    WriteFile(path, file);
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

const VS_FIXEDFILEINFO* FixedInfo(const Bytes& buffer) {
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(buffer.data(), "\\", &value, &length)) {
        return nullptr;
    }
    EXPECT_EQ(length, sizeof(VS_FIXEDFILEINFO));
    return static_cast<const VS_FIXEDFILEINFO*>(value);
}

// The root value carries the signature and these file and product version words.
void ExpectVersions(const Bytes& buffer, DWORD fileMS, DWORD fileLS, DWORD productMS,
                    DWORD productLS) {
    const VS_FIXEDFILEINFO* info = FixedInfo(buffer);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->dwSignature, VS_FFI_SIGNATURE);
    EXPECT_EQ(info->dwFileVersionMS, fileMS);
    EXPECT_EQ(info->dwFileVersionLS, fileLS);
    EXPECT_EQ(info->dwProductVersionMS, productMS);
    EXPECT_EQ(info->dwProductVersionLS, productLS);
}

std::string QueryText(const Bytes& buffer, const char* path) {
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(buffer.data(), path, &value, &length)) {
        return "<none>";
    }
    const char* text = static_cast<const char*>(value);
    EXPECT_EQ(length, std::strlen(text) + 1) << path;
    return text;
}

std::vector<DWORD> Translations(const Bytes& buffer) {
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(buffer.data(), "\\VarFileInfo\\Translation", &value, &length)) {
        return {};
    }
    std::vector<DWORD> entries(length / 4);
    std::memcpy(entries.data(), value, entries.size() * 4);
    return entries;
}

// A 64-bit ELF file: the decoy block in the open, then `block` as the section named
// `sectionName`, the section names and the section headers.
Bytes ElfFile(const Bytes& decoy, const Bytes& block, const std::string& sectionName) {
    Bytes file(sizeof(Elf64_Ehdr), 0);
    file.insert(file.end(), decoy.begin(), decoy.end());
    const std::size_t blockAt = file.size();
    file.insert(file.end(), block.begin(), block.end());
    const std::size_t namesAt = file.size();
    const std::string names = std::string("\0.shstrtab\0", 11) + sectionName + '\0';
    file.insert(file.end(), names.begin(), names.end());
    Elf64_Shdr sections[3] = {};
    sections[1] = {11, SHT_PROGBITS, SHF_ALLOC, 0, blockAt, block.size(), 0, 0, 1, 0};
    sections[2] = {1, SHT_STRTAB, 0, 0, namesAt, names.size(), 0, 0, 1, 0};
    Elf64_Ehdr header = {};
    std::memcpy(header.e_ident, ELFMAG, SELFMAG);
    header.e_ident[EI_CLASS] = ELFCLASS64;
    header.e_ident[EI_DATA] = ELFDATA2LSB;
    header.e_shoff = file.size();
    header.e_shentsize = sizeof(Elf64_Shdr);
    header.e_shnum = 3;
    header.e_shstrndx = 2;
    std::memcpy(file.data(), &header, sizeof header);
    const auto* headers = reinterpret_cast<const unsigned char*>(sections);
    file.insert(file.end(), headers, headers + sizeof sections);
    return file;
}

class VersionApiTest : public TempDirTest {};

}  // namespace

TEST_F(VersionApiTest, TheProgramCarriesItsOwnVersionBlock) {
    char path[260] = {};
    ASSERT_GT(GetModuleFileNameA(nullptr, path, sizeof path), 0U);
    const Bytes buffer = LoadVersionInfo(path);
    ASSERT_FALSE(buffer.empty()) << path;

    ExpectVersions(buffer, 0x00080000, 0x00020001, 0x00080000, 0x00020001);
    EXPECT_EQ(Translations(buffer), std::vector<DWORD>{0x04B00409});

    const struct {
        const char* name;
        const char* value;
    } strings[] = {
        {"CompanyName", "Morvane"},    {"FileDescription", "Morvane diet diary"},
        {"FileVersion", "8.0.2.1"},    {"ProductName", "Morvane"},
        {"ProductVersion", "8.0.2.1"}, {"OriginalFilename", "morvane"},
    };
    for (const auto& s : strings) {
        EXPECT_EQ(QueryText(buffer, ("\\StringFileInfo\\040904B0\\" + std::string(s.name)).c_str()),
                  s.value);
    }
    EXPECT_NE(QueryText(buffer, "\\StringFileInfo\\040904B0\\LegalCopyright"), "<none>");
}

TEST_F(VersionApiTest, ModuleFileNameIsCutToTheBufferAndStaysTerminated) {
    char full[4096] = {};
    const DWORD length = GetModuleFileNameA(nullptr, full, sizeof full);
    ASSERT_GT(length, 5U);
    EXPECT_EQ(std::strlen(full), length);
    EXPECT_NE(std::string(full).find("VersionApiTest"), std::string::npos);

    char cut[5];
    std::memset(cut, 'x', sizeof cut);
    EXPECT_EQ(GetModuleFileNameA(nullptr, cut, sizeof cut), sizeof cut);
    EXPECT_EQ(std::string(cut), std::string(full, 4));
    int other = 0;
    EXPECT_EQ(GetModuleFileNameA(&other, full, sizeof full), 0U);
}

TEST_F(VersionApiTest, FindsACraftedBlockAmongOtherBytes) {
    const Bytes buffer = LoadVersionInfo(WriteModule(m_dir, BuildVersionBlock(CraftedContents())));
    ASSERT_FALSE(buffer.empty());
    ExpectVersions(buffer, 0x0001000C, 0x00030004, 0x0001000C, 0);
    EXPECT_EQ(Translations(buffer), (std::vector<DWORD>{0x04E40407, 0x04B00409}));
    EXPECT_EQ(QueryText(buffer, "\\StringFileInfo\\040904B0\\ProductName"), "Crafted");
    EXPECT_EQ(QueryText(buffer, "\\stringfileinfo\\040904b0\\productname"), "Crafted");
    EXPECT_EQ(QueryText(buffer, "\\StringFileInfo\\040904B0\\LegalCopyright"),
              "© Ünïcode – 日本 😀");
    // Asking twice gives the same text again.
    EXPECT_EQ(QueryText(buffer, "\\StringFileInfo\\040904B0\\ProductName"), "Crafted");
}

// The program's own block is read from its section alone; an ELF file without that section is
// searched by the key like any other file.
TEST_F(VersionApiTest, AnElfFileIsReadFromItsVersionSection) {
    VersionBlockContents decoy = CraftedContents();
    decoy.fileVersion = {9, 9, 9, 9};
    const struct {
        std::string section;
        DWORD fileMS;
    } cases[] = {
        {version_block::kSectionName, 0x0001000C},
        {".rodata", 0x00090009},
    };
    for (const auto& c : cases) {
        const std::string path = m_dir.File("module.elf");
        WriteFile(path, ElfFile(BuildVersionBlock(decoy), BuildVersionBlock(CraftedContents()),
                                c.section));
        const Bytes buffer = LoadVersionInfo(path);
        const VS_FIXEDFILEINFO* info = FixedInfo(buffer);
        ASSERT_NE(info, nullptr) << c.section;
        EXPECT_EQ(info->dwFileVersionMS, c.fileMS) << c.section;
    }
}

TEST_F(VersionApiTest, NamesWithoutAValueAreNotFound) {
    VersionBlockContents contents = CraftedContents();
    contents.translations.clear();
    const Bytes buffer = LoadVersionInfo(WriteModule(m_dir, BuildVersionBlock(contents)));
    ASSERT_NE(FixedInfo(buffer), nullptr);
    EXPECT_TRUE(Translations(buffer).empty());
    void* value = nullptr;
    UINT length = 0;
    for (const char* path :
         {"\\VarFileInfo\\Translation", "\\StringFileInfo", "\\StringFileInfo\\040904B0",
          "\\StringFileInfo\\040704B0\\ProductName", "\\StringFileInfo\\040904B0\\Product",
          "\\StringFileInfo\\040904B0\\ProductNameX"}) {
        EXPECT_FALSE(VerQueryValueA(buffer.data(), path, &value, &length)) << path;
    }
}

TEST_F(VersionApiTest, AWrongSignatureIsHandedBackAsItIs) {
    VersionBlockContents contents = CraftedContents();
    contents.signature = 0x12345678;
    const Bytes buffer = LoadVersionInfo(WriteModule(m_dir, BuildVersionBlock(contents)));
    const VS_FIXEDFILEINFO* info = FixedInfo(buffer);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->dwSignature, 0x12345678U);
}

TEST_F(VersionApiTest, FilesWithoutABlockHaveNoVersionInfo) {
    const std::string junk = m_dir.File("junk.bin");
    WriteFile(junk, Junk());
    WriteFile(m_dir.File("empty.bin"), {});
    for (const std::string& path : {junk, m_dir.File("empty.bin"), m_dir.File("missing.bin")}) {
        EXPECT_EQ(GetFileVersionInfoSizeA(path.c_str(), nullptr), 0U) << path;
        unsigned char data[64];
        EXPECT_FALSE(GetFileVersionInfoA(path.c_str(), 0, sizeof data, data)) << path;
    }
    EXPECT_EQ(GetFileVersionInfoSizeA(nullptr, nullptr), 0U);
}

TEST_F(VersionApiTest, ABufferSmallerThanAskedForIsRefused) {
    const std::string path = WriteModule(m_dir, BuildVersionBlock(CraftedContents()));
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), nullptr);
    Bytes buffer(size);
    EXPECT_FALSE(GetFileVersionInfoA(path.c_str(), 0, size - 1, buffer.data()));
    EXPECT_FALSE(GetFileVersionInfoA(path.c_str(), 0, size, nullptr));
}

TEST_F(VersionApiTest, ABlockCutShortByTheEndOfTheFileIsNotFound) {
    const Bytes block = BuildVersionBlock(CraftedContents());
    Bytes file = Junk();
    const std::size_t start = file.size();
    file.insert(file.end(), block.begin(), block.end());
    const std::string path = m_dir.File("cut.bin");
    for (std::size_t end = start; end <= file.size(); ++end) {
        WriteFile(path, Bytes(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(end)));
        EXPECT_EQ(GetFileVersionInfoSizeA(path.c_str(), nullptr) != 0, end == file.size()) << end;
    }
}

// Every 16-bit word of the block in turn takes values that break lengths, types and keys; each
// damaged block is read and queried, and every answer must lie inside the buffer.
TEST_F(VersionApiTest, DamagedBlocksAreReadWithinTheirBounds) {
    const Bytes block = BuildVersionBlock(CraftedContents());
    const std::string path = m_dir.File("damaged.bin");
    const char* const queries[] = {
        "\\", "\\VarFileInfo\\Translation", "\\StringFileInfo\\040904B0\\ProductName",
        "\\StringFileInfo\\040904B0\\LegalCopyright", "\\StringFileInfo"};
    for (std::size_t at = 0; at + 1 < block.size(); at += 2) {
        for (WORD word : {0x0000, 0x0001, 0x0005, 0x0006, 0x0007, 0x00FF, 0x7FFF, 0xFFFF}) {
            Bytes damaged = block;
            damaged[at] = static_cast<unsigned char>(word & 0xFF);
            damaged[at + 1] = static_cast<unsigned char>(word >> 8);
            WriteFile(path, damaged);
            const Bytes buffer = LoadVersionInfo(path);
            for (const char* query : queries) {
                void* value = nullptr;
                UINT length = 0;
                if (buffer.empty() || !VerQueryValueA(buffer.data(), query, &value, &length)) {
                    continue;
                }
                const auto* first = static_cast<const unsigned char*>(value);
                ASSERT_GE(first, buffer.data()) << at << " " << query;
                ASSERT_LE(first + length, buffer.data() + buffer.size()) << at << " " << query;
            }
        }
    }
}

// A string-table entry whose node claims a binary value holds bytes with no terminating zero;
// handing them out as text would let the reader run past the value.
TEST_F(VersionApiTest, AStringEntryMarkedBinaryIsNotHandedOutAsText) {
    Bytes block = BuildVersionBlock(CraftedContents());
    Bytes key;
    for (char c : std::string("ProductName")) {
        key.insert(key.end(), {static_cast<unsigned char>(c), 0});
    }
    const auto keyAt = std::search(block.begin(), block.end(), key.begin(), key.end());
    ASSERT_NE(keyAt, block.end());
    const auto typeWord = keyAt - 2;
    typeWord[0] = 0;
    typeWord[1] = 0;

    const Bytes buffer = LoadVersionInfo(WriteModule(m_dir, block));
    EXPECT_EQ(QueryText(buffer, "\\StringFileInfo\\040904B0\\ProductName"), "<none>");
    EXPECT_EQ(QueryText(buffer, "\\StringFileInfo\\040904B0\\LegalCopyright"),
              "© Ünïcode – 日本 😀");
}
