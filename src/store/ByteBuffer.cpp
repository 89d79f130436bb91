#include "store/ByteBuffer.h"

#include <cstring>

CByteBuffer::CByteBuffer() {
    AssignText("");
}

void CByteBuffer::Clear() {
    m_data.reset();
    m_size = 0;
}

void CByteBuffer::Assign(const void* data, int32_t size) {
    if (data == nullptr || size < 1) {
        Clear();
        return;
    }
    // Copy before freeing, so a buffer may be assigned from its own block.
    auto copy = std::make_unique_for_overwrite<char[]>(static_cast<size_t>(size));
    std::memcpy(copy.get(), data, static_cast<size_t>(size));
    m_data = std::move(copy);
    m_size = size;
}

void CByteBuffer::AssignText(const char* text) {
    if (text == nullptr) {
        Clear();
        return;
    }
    Assign(text, static_cast<int32_t>(std::strlen(text) + 1));
}

void CByteBuffer::Append(const char* text) {
    if (GetText() == nullptr || text == nullptr) {
        return;
    }
    const size_t held = HeldTextLength();
    const size_t added = std::strlen(text);
    auto joined = std::make_unique_for_overwrite<char[]>(held + added + 1);
    std::memcpy(joined.get(), m_data.get(), held);
    std::memcpy(joined.get() + held, text, added + 1);
    m_data = std::move(joined);
    m_size = static_cast<int32_t>(held + added + 1);
}

bool CByteBuffer::Equals(const char* text) const {
    if (GetText() == nullptr || text == nullptr) {
        return false;
    }
    // Compare within the block so raw bytes without a terminator are never read past.
    const size_t length = std::strlen(text);
    return static_cast<size_t>(m_size) == length + 1 &&
           std::memcmp(m_data.get(), text, length + 1) == 0;
}

size_t CByteBuffer::HeldTextLength() const {
    const void* end = std::memchr(m_data.get(), '\0', static_cast<size_t>(m_size));
    return end != nullptr ? static_cast<size_t>(static_cast<const char*>(end) - m_data.get())
                          : static_cast<size_t>(m_size);
}

const char* CByteBuffer::GetText() const {
    return m_size >= 1 ? m_data.get() : nullptr;
}
