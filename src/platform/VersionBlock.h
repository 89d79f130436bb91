#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "platform/VersionApi.h"

// The VS_VERSIONINFO layout, shared by the writer below and the reader of VersionApi.cpp. Each
// node is wLength, wValueLength, wType (16-bit little-endian words), a zero-terminated UTF-16LE
// key, padding to 32 bits, the value, padding to 32 bits, then its child nodes, each starting
// 32-bit aligned. wLength counts from the node's first byte to the end of its last byte of
// value or child. Offsets and alignment count from the block's first byte.
namespace version_block {
constexpr char kRootKey[] = "VS_VERSION_INFO";
// The ELF section that holds the program's own block, so that the reader finds it from the
// section headers without reading the whole executable.
constexpr char kSectionName[] = ".morvane_version";
constexpr std::size_t kNodeHeaderSize = 6;
constexpr WORD kBinaryValue = 0;  // wValueLength counts bytes
constexpr WORD kTextValue = 1;    // wValueLength counts UTF-16 units, the terminating zero included
// Stands for text that does not decode.
constexpr char32_t kReplacementCharacter = 0xFFFD;

constexpr std::size_t AlignUp(std::size_t offset) {
    return (offset + 3) & ~std::size_t{3};
}
}  // namespace version_block

// What a version block says. Texts are UTF-8.
struct VersionBlockContents {
    std::array<WORD, 4> fileVersion{};
    std::array<WORD, 4> productVersion{};
    DWORD signature = VS_FFI_SIGNATURE;
    // One string table "StringFileInfo\<stringTable>", written when `strings` is not empty.
    std::string stringTable = "040904B0";
    std::vector<std::pair<std::string, std::string>> strings;  // name, value
    // "VarFileInfo\Translation": language id and code page; written when not empty.
    std::vector<std::pair<WORD, WORD>> translations;
};

// A complete VS_VERSIONINFO block; empty when the contents do not fit the 16-bit lengths.
std::vector<unsigned char> BuildVersionBlock(const VersionBlockContents& contents);
