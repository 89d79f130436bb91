// Arbitrary bytes as a program file whose version block is read as the title's version text does.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "Require.h"
#include "ScratchFile.h"
#include "platform/VersionApi.h"

namespace {

// A value handed out lies inside the caller's buffer; reading all of it must be safe.
void CheckValue(const std::vector<unsigned char>& buffer, const void* value, UINT length) {
    const auto* first = static_cast<const unsigned char*>(value);
    Require(first >= buffer.data() && length <= buffer.size() &&
                static_cast<size_t>(first - buffer.data()) <= buffer.size() - length,
            "a value lies inside the buffer");
    volatile unsigned char sum = 0;
    for (UINT i = 0; i < length; ++i) {
        sum = static_cast<unsigned char>(sum + first[i]);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = WriteScratchFile("program", data, size);
    DWORD handle = 1;
    const DWORD needed = GetFileVersionInfoSizeA(path.c_str(), &handle);
    Require(handle == 0, "the handle is always 0");
    if (needed == 0) {
        return 0;
    }
    std::vector<unsigned char> buffer(needed);
    Require(!GetFileVersionInfoA(path.c_str(), 0, needed - 1, buffer.data()),
            "a buffer smaller than the size asked for is refused");
    Require(GetFileVersionInfoA(path.c_str(), 0, needed, buffer.data()),
            "a block that has a size can be read");

    void* value = nullptr;
    UINT length = 0;
    if (VerQueryValueA(buffer.data(), "\\", &value, &length)) {
        Require(length >= sizeof(VS_FIXEDFILEINFO), "the root value holds the fixed info");
        CheckValue(buffer, value, length);
        VS_FIXEDFILEINFO fixed;
        std::memcpy(&fixed, value, sizeof fixed);
    }
    if (VerQueryValueA(buffer.data(), "\\VarFileInfo\\Translation", &value, &length)) {
        CheckValue(buffer, value, length);
    }
    if (VerQueryValueA(buffer.data(), "\\StringFileInfo\\040904B0\\ProductName", &value, &length)) {
        CheckValue(buffer, value, length);
        Require(length >= 1 && static_cast<const char*>(value)[length - 1] == '\0',
                "a text value ends with its zero");
    }
    return 0;
}
