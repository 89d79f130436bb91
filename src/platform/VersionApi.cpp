#include "platform/VersionApi.h"

#include <elf.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/VersionBlock.h"

using namespace version_block;

// The root value is handed out as a VS_FIXEDFILEINFO read in place.
static_assert(std::endian::native == std::endian::little);

namespace {

using Bytes = std::vector<unsigned char>;

WORD ReadWord(const unsigned char* at) {
    return static_cast<WORD>(at[0] | at[1] << 8);
}

// One node of a block, every range checked to lie inside its parent.
struct Node {
    std::size_t end = 0;
    std::size_t keyStart = 0;
    std::size_t keyUnits = 0;  // without the terminating zero
    std::size_t valueStart = 0;
    std::size_t valueSize = 0;  // bytes
    bool text = false;
    std::size_t childrenStart = 0;
};

// Reads the node at `start`, which must lie wholly before `limit`.
bool ReadNode(const unsigned char* block, std::size_t start, std::size_t limit, Node& node) {
    if (start >= limit || limit - start < kNodeHeaderSize) {
        return false;
    }
    const std::size_t length = ReadWord(block + start);
    if (length < kNodeHeaderSize || length > limit - start) {
        return false;
    }
    node.end = start + length;
    node.text = ReadWord(block + start + 4) == kTextValue;
    node.keyStart = start + kNodeHeaderSize;
    std::size_t keyEnd = node.keyStart;
    for (;; keyEnd += 2) {
        if (node.end - keyEnd < 2) {
            return false;
        }
        if (ReadWord(block + keyEnd) == 0) {
            break;
        }
    }
    node.keyUnits = (keyEnd - node.keyStart) / 2;
    const std::size_t valueLength = ReadWord(block + start + 2);
    node.valueSize = node.text ? valueLength * 2 : valueLength;
    node.valueStart = std::min(AlignUp(keyEnd + 2), node.end);
    if (node.end - node.valueStart < node.valueSize) {
        return false;
    }
    node.childrenStart = AlignUp(node.valueStart + node.valueSize);
    return true;
}

bool KeyEquals(const unsigned char* block, const Node& node, std::string_view key) {
    if (node.keyUnits != key.size()) {
        return false;
    }
    const auto lower = [](unsigned unit) { return unit >= 'A' && unit <= 'Z' ? unit + 32 : unit; };
    for (std::size_t i = 0; i < key.size(); ++i) {
        const unsigned unit = ReadWord(block + node.keyStart + 2 * i);
        if (lower(unit) != lower(static_cast<unsigned char>(key[i]))) {
            return false;
        }
    }
    return true;
}

bool FindChild(const unsigned char* block, const Node& parent, std::string_view key, Node& child) {
    for (std::size_t at = parent.childrenStart; at < parent.end; at = AlignUp(child.end)) {
        if (!ReadNode(block, at, parent.end, child)) {
            return false;
        }
        if (KeyEquals(block, child, key)) {
            return true;
        }
    }
    return false;
}

// The node a path like "\StringFileInfo\040904B0\ProductName" names; "\" names the root.
bool FindNode(const unsigned char* block, std::string_view path, Node& node) {
    if (!ReadNode(block, 0, ReadWord(block), node)) {
        return false;
    }
    while (!path.empty()) {
        const std::size_t separator = path.find('\\');
        const std::string_view key = path.substr(0, separator);
        path =
            separator == std::string_view::npos ? std::string_view{} : path.substr(separator + 1);
        if (!key.empty() && !FindChild(block, Node(node), key, node)) {
            return false;
        }
    }
    return true;
}

// "\StringFileInfo\<table>\<name>" and the like, in any letter case: a value that is text.
bool NamesStringTableEntry(std::string_view path) {
    constexpr std::string_view kTable = "stringfileinfo\\";
    path.remove_prefix(std::min(path.find_first_not_of('\\'), path.size()));
    return path.size() > kTable.size() &&
           std::equal(kTable.begin(), kTable.end(), path.begin(), [](char lower, char c) {
               return lower == (c >= 'A' && c <= 'Z' ? c + 32 : c);
           });
}

// The bytes VerQueryValueA needs: the block, then twice its size for 8-bit texts. A text value
// of n units at offset o is written at twice o past the block: at most 3n + 1 bytes, which end
// before the next value's room since every value lies after a header of its own.
std::size_t BufferSize(std::size_t blockLength) {
    return AlignUp(blockLength) + 2 * blockLength;
}

void AppendUtf8(char32_t code, unsigned char*& out) {
    if (code < 0x80) {
        *out++ = static_cast<unsigned char>(code);
    } else if (code < 0x800) {
        *out++ = static_cast<unsigned char>(0xC0 | code >> 6);
        *out++ = static_cast<unsigned char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        *out++ = static_cast<unsigned char>(0xE0 | code >> 12);
        *out++ = static_cast<unsigned char>(0x80 | (code >> 6 & 0x3F));
        *out++ = static_cast<unsigned char>(0x80 | (code & 0x3F));
    } else {
        *out++ = static_cast<unsigned char>(0xF0 | code >> 18);
        *out++ = static_cast<unsigned char>(0x80 | (code >> 12 & 0x3F));
        *out++ = static_cast<unsigned char>(0x80 | (code >> 6 & 0x3F));
        *out++ = static_cast<unsigned char>(0x80 | (code & 0x3F));
    }
}

// Converts `units` UTF-16LE units (up to the first zero) into zero-terminated UTF-8 at `out`
// and returns the bytes written, the zero included.
std::size_t WriteUtf8(const unsigned char* in, std::size_t units, unsigned char* out) {
    unsigned char* const first = out;
    for (std::size_t i = 0; i < units; ++i) {
        const char32_t unit = ReadWord(in + 2 * i);
        if (unit == 0) {
            break;
        }
        const bool high = unit >= 0xD800 && unit < 0xDC00;
        const bool lowFollows = i + 1 < units && ReadWord(in + 2 * i + 2) >= 0xDC00 &&
                                ReadWord(in + 2 * i + 2) < 0xE000;
        if (high && lowFollows) {
            const char32_t low = ReadWord(in + 2 * ++i);
            AppendUtf8(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00), out);
        } else if (unit >= 0xD800 && unit < 0xE000) {
            AppendUtf8(kReplacementCharacter, out);
        } else {
            AppendUtf8(unit, out);
        }
    }
    *out++ = 0;
    return static_cast<std::size_t>(out - first);
}

// A file read by ranges; a range that does not lie wholly inside the file is not read.
class FileReader {
public:
    explicit FileReader(const char* path) : m_file(path, std::ios::binary | std::ios::ate) {
        const std::streamoff size = m_file ? static_cast<std::streamoff>(m_file.tellg()) : 0;
        m_size = size > 0 ? static_cast<std::uint64_t>(size) : 0;
    }

    bool Read(std::uint64_t offset, std::uint64_t size, void* out) {
        if (offset > m_size || size > m_size - offset) {
            return false;
        }
        m_file.seekg(static_cast<std::streamoff>(offset));
        m_file.read(static_cast<char*>(out), static_cast<std::streamsize>(size));
        return static_cast<std::uint64_t>(m_file.gcount()) == size;
    }

    // The first `limit` bytes, or the whole file when it is shorter.
    Bytes ReadHead(std::uint64_t limit) {
        Bytes bytes(std::min(limit, m_size));
        return Read(0, bytes.size(), bytes.data()) ? bytes : Bytes{};
    }

private:
    std::ifstream m_file;
    std::uint64_t m_size = 0;
};

// A version block is at most 64 KiB; a section or a name table far larger is not ours.
constexpr std::uint64_t kMaxSectionSize = 1 << 20;
// How much of a file without the version section is searched for the block's key.
constexpr std::uint64_t kScanLimit = 1 << 20;

bool ReadSectionBytes(FileReader& file, const Elf64_Shdr& section, Bytes& bytes) {
    if (section.sh_type == SHT_NOBITS || section.sh_size > kMaxSectionSize) {
        return false;
    }
    bytes.resize(section.sh_size);
    return file.Read(section.sh_offset, section.sh_size, bytes.data());
}

// The bytes of the named section when the file is a 64-bit little-endian ELF file that has one.
std::optional<Bytes> ReadElfSection(FileReader& file, std::string_view name) {
    Elf64_Ehdr header;
    if (!file.Read(0, sizeof header, &header) ||
        std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 ||
        header.e_ident[EI_CLASS] != ELFCLASS64 || header.e_ident[EI_DATA] != ELFDATA2LSB ||
        header.e_shentsize != sizeof(Elf64_Shdr) || header.e_shstrndx >= header.e_shnum) {
        return std::nullopt;
    }
    std::vector<Elf64_Shdr> sections(header.e_shnum);
    Bytes names;
    if (!file.Read(header.e_shoff, sections.size() * sizeof(Elf64_Shdr), sections.data()) ||
        !ReadSectionBytes(file, sections[header.e_shstrndx], names)) {
        return std::nullopt;
    }
    for (const Elf64_Shdr& section : sections) {
        if (section.sh_name >= names.size()) {
            continue;
        }
        const char* first = reinterpret_cast<const char*>(names.data()) + section.sh_name;
        Bytes bytes;
        if (std::string_view(first, strnlen(first, names.size() - section.sh_name)) == name &&
            ReadSectionBytes(file, section, bytes)) {
            return bytes;
        }
    }
    return std::nullopt;
}

// The first well-formed version block in the bytes, found by its key; empty when there is none.
Bytes FindVersionBlock(const Bytes& bytes) {
    Bytes key;
    for (const char* c = kRootKey; c <= kRootKey + std::strlen(kRootKey); ++c) {
        key.push_back(static_cast<unsigned char>(*c));
        key.push_back(0);
    }
    const std::boyer_moore_horspool_searcher searcher(key.begin(), key.end());
    for (auto hit = std::search(bytes.begin(), bytes.end(), searcher); hit != bytes.end();
         hit = std::search(hit + 1, bytes.end(), searcher)) {
        const auto keyAt = static_cast<std::size_t>(hit - bytes.begin());
        if (keyAt < kNodeHeaderSize) {
            continue;
        }
        const std::size_t start = keyAt - kNodeHeaderSize;
        const std::size_t length = ReadWord(bytes.data() + start);
        Node root;
        if (ReadNode(bytes.data() + start, 0, std::min(length, bytes.size() - start), root)) {
            return Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(start),
                         bytes.begin() + static_cast<std::ptrdiff_t>(start + length));
        }
    }
    return {};
}

// The program's own block sits in a section of its own, read alone; any other file is searched
// by the key within its first bytes.
Bytes ReadVersionBlock(const char* path) {
    if (path == nullptr) {
        return {};
    }
    FileReader file(path);
    if (std::optional<Bytes> section = ReadElfSection(file, kSectionName)) {
        return FindVersionBlock(*section);
    }
    return FindVersionBlock(file.ReadHead(kScanLimit));
}

}  // namespace

DWORD GetModuleFileNameA(HMODULE module, char* buffer, DWORD size) {
    if (module != nullptr || buffer == nullptr || size == 0) {
        return 0;
    }
    std::error_code error;
    const std::string path = std::filesystem::read_symlink("/proc/self/exe", error).string();
    if (error || path.empty()) {
        return 0;
    }
    const std::size_t copied = std::min<std::size_t>(path.size(), size - 1);
    std::memcpy(buffer, path.data(), copied);
    buffer[copied] = '\0';
    return copied < path.size() ? size : static_cast<DWORD>(copied);
}

DWORD GetFileVersionInfoSizeA(const char* path, DWORD* handle) {
    if (handle != nullptr) {
        *handle = 0;
    }
    const Bytes block = ReadVersionBlock(path);
    return block.empty() ? 0 : static_cast<DWORD>(BufferSize(block.size()));
}

BOOL GetFileVersionInfoA(const char* path, DWORD /*handle: unused*/, DWORD length, void* data) {
    const Bytes block = ReadVersionBlock(path);
    if (block.empty() || data == nullptr || length < BufferSize(block.size())) {
        return FALSE;
    }
    auto* out = static_cast<unsigned char*>(data);
    std::memcpy(out, block.data(), block.size());
    std::memset(out + block.size(), 0, BufferSize(block.size()) - block.size());
    return TRUE;
}

BOOL VerQueryValueA(const void* block, const char* subBlock, void** buffer, UINT* length) {
    if (block == nullptr || subBlock == nullptr || buffer == nullptr || length == nullptr) {
        return FALSE;
    }
    // The buffer is the caller's; its room past the block receives the 8-bit texts.
    auto* bytes = static_cast<unsigned char*>(const_cast<void*>(block));
    const std::string_view path(subBlock);
    Node node;
    if (!FindNode(bytes, path, node) || node.valueSize == 0) {
        return FALSE;
    }
    const bool root = path.find_first_not_of('\\') == std::string_view::npos;
    if (root && (node.text || node.valueSize < sizeof(VS_FIXEDFILEINFO))) {
        return FALSE;
    }
    // Callers read a string-table entry as zero-terminated text; one marked binary is damaged.
    if (!node.text && NamesStringTableEntry(path)) {
        return FALSE;
    }
    if (node.text) {
        unsigned char* out = bytes + AlignUp(ReadWord(bytes)) + 2 * node.valueStart;
        *length = static_cast<UINT>(WriteUtf8(bytes + node.valueStart, node.valueSize / 2, out));
        *buffer = out;
    } else {
        *length = static_cast<UINT>(node.valueSize);
        *buffer = bytes + node.valueStart;
    }
    return TRUE;
}
