#include "platform/VersionBlock.h"

#include <limits>
#include <string_view>

using namespace version_block;

namespace {

// Decodes one UTF-8 sequence; a malformed one gives the replacement character.
char32_t DecodeUtf8(std::string_view text, std::size_t& at) {
    const unsigned char lead = static_cast<unsigned char>(text[at++]);
    if (lead < 0x80) {
        return lead;
    }
    const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (extra < 0 || lead > 0xF4) {
        return kReplacementCharacter;
    }
    char32_t code = lead & (0x3F >> extra);
    for (int i = 0; i < extra; ++i) {
        if (at >= text.size() || (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80) {
            return kReplacementCharacter;
        }
        code = (code << 6) | (static_cast<unsigned char>(text[at++]) & 0x3F);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return surrogate || code > 0x10FFFF ? kReplacementCharacter : code;
}

std::u16string Utf16FromUtf8(std::string_view text) {
    std::u16string units;
    for (std::size_t at = 0; at < text.size();) {
        const char32_t code = DecodeUtf8(text, at);
        if (code < 0x10000) {
            units.push_back(static_cast<char16_t>(code));
        } else {
            units.push_back(static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10)));
            units.push_back(static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF)));
        }
    }
    return units;
}

// Writes a block node by node; every length is patched in when its node is closed.
class BlockWriter {
public:
    // Starts a node at the next 32-bit boundary and returns where it starts.
    std::size_t Open(std::string_view key, WORD valueLength, WORD type) {
        Pad();
        const std::size_t start = m_bytes.size();
        PutWord(0);
        PutWord(valueLength);
        PutWord(type);
        PutText(Utf16FromUtf8(key));
        Pad();
        return start;
    }

    void Close(std::size_t start) {
        const std::size_t length = m_bytes.size() - start;
        if (length > std::numeric_limits<WORD>::max()) {
            m_overflow = true;
            return;
        }
        m_bytes[start] = static_cast<unsigned char>(length & 0xFF);
        m_bytes[start + 1] = static_cast<unsigned char>(length >> 8);
    }

    void PutWord(WORD word) {
        m_bytes.push_back(static_cast<unsigned char>(word & 0xFF));
        m_bytes.push_back(static_cast<unsigned char>(word >> 8));
    }

    void PutDword(DWORD dword) {
        PutWord(static_cast<WORD>(dword & 0xFFFF));
        PutWord(static_cast<WORD>(dword >> 16));
    }

    // The units of `text` and a terminating zero.
    void PutText(const std::u16string& text) {
        for (char16_t unit : text) {
            PutWord(unit);
        }
        PutWord(0);
    }

    void Pad() { m_bytes.resize(AlignUp(m_bytes.size()), 0); }

    std::vector<unsigned char> Take() {
        if (m_overflow) {
            return {};
        }
        return std::move(m_bytes);
    }

private:
    std::vector<unsigned char> m_bytes;
    bool m_overflow = false;
};

DWORD HighLow(WORD high, WORD low) {
    return static_cast<DWORD>(high) << 16 | low;
}

void PutFixedInfo(BlockWriter& writer, const VersionBlockContents& contents) {
    constexpr DWORD kStructVersion = 0x00010000;
    constexpr DWORD kFlagsMask = 0x3F;
    constexpr DWORD kNoFlags = 0;
    constexpr DWORD kUnknownOs = 0;
    constexpr DWORD kTypeApplication = 1;
    constexpr DWORD kNoSubtype = 0;
    constexpr DWORD kNoDate = 0;
    // In the member order of VS_FIXEDFILEINFO.
    for (DWORD word : {contents.signature, kStructVersion,
                       HighLow(contents.fileVersion[0], contents.fileVersion[1]),
                       HighLow(contents.fileVersion[2], contents.fileVersion[3]),
                       HighLow(contents.productVersion[0], contents.productVersion[1]),
                       HighLow(contents.productVersion[2], contents.productVersion[3]), kFlagsMask,
                       kNoFlags, kUnknownOs, kTypeApplication, kNoSubtype, kNoDate, kNoDate}) {
        writer.PutDword(word);
    }
}

void PutStringFileInfo(BlockWriter& writer, const VersionBlockContents& contents) {
    const std::size_t info = writer.Open("StringFileInfo", 0, kTextValue);
    const std::size_t table = writer.Open(contents.stringTable, 0, kTextValue);
    for (const auto& [name, value] : contents.strings) {
        const std::u16string text = Utf16FromUtf8(value);
        const std::size_t entry = writer.Open(name, static_cast<WORD>(text.size() + 1), kTextValue);
        writer.PutText(text);
        writer.Close(entry);
    }
    writer.Close(table);
    writer.Close(info);
}

void PutVarFileInfo(BlockWriter& writer, const VersionBlockContents& contents) {
    const std::size_t info = writer.Open("VarFileInfo", 0, kTextValue);
    const auto bytes = static_cast<WORD>(contents.translations.size() * sizeof(DWORD));
    const std::size_t var = writer.Open("Translation", bytes, kBinaryValue);
    for (const auto& [language, codePage] : contents.translations) {
        writer.PutWord(language);
        writer.PutWord(codePage);
    }
    writer.Close(var);
    writer.Close(info);
}

}  // namespace

std::vector<unsigned char> BuildVersionBlock(const VersionBlockContents& contents) {
    BlockWriter writer;
    const std::size_t root = writer.Open(kRootKey, sizeof(VS_FIXEDFILEINFO), kBinaryValue);
    PutFixedInfo(writer, contents);
    if (!contents.strings.empty()) {
        PutStringFileInfo(writer, contents);
    }
    if (!contents.translations.empty()) {
        PutVarFileInfo(writer, contents);
    }
    writer.Close(root);
    return writer.Take();
}
