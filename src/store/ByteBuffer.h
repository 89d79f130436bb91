#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

// A heap block and its size: a text with its terminating zero (size = length + 1) or raw bytes.
// A new buffer holds the empty text; a cleared one holds nothing (size 0), which is the empty
// value of a binary field. Content changes only through the operations below.
class CByteBuffer {
public:
    CByteBuffer();
    ~CByteBuffer() = default;
    CByteBuffer(const CByteBuffer&) = delete;
    CByteBuffer& operator=(const CByteBuffer&) = delete;

    void Clear();
    // Copies `size` bytes; a null `data` or a size below 1 leaves the buffer cleared.
    void Assign(const void* data, int32_t size);
    // Copies the text with its terminator; a null text leaves the buffer cleared.
    void AssignText(const char* text);
    // Replaces a held text by its concatenation with `text`.
    void Append(const char* text);
    // True when the buffer holds exactly the text `text` (case-sensitive).
    bool Equals(const char* text) const;
    // The block when it holds at least one byte, otherwise null.
    const char* GetText() const;

    std::unique_ptr<char[]> m_data;
    int32_t m_size = 0;

private:
    // Length of the held text up to its terminator, never reading past the block.
    size_t HeldTextLength() const;
};

// The held text, or the empty text for a cleared buffer: for readers that never want null.
inline const char* TextOf(const CByteBuffer& buffer) {
    return buffer.GetText() != nullptr ? buffer.GetText() : "";
}
