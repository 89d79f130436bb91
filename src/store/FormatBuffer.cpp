#include "store/FormatBuffer.h"

#include <climits>
#include <cstdarg>
#include <cstdio>
#include <memory>

#include "store/ByteBuffer.h"

void FormatBuffer(CByteBuffer& buffer, const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length < 0 || length == INT_MAX) {
        va_end(args);
        buffer.AssignText("");
        return;
    }
    auto text = std::make_unique_for_overwrite<char[]>(static_cast<size_t>(length) + 1);
    std::vsnprintf(text.get(), static_cast<size_t>(length) + 1, format, args);
    va_end(args);
    buffer.Assign(text.get(), length + 1);
}
