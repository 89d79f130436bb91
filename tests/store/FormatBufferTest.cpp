#include "store/FormatBuffer.h"

#include <gtest/gtest.h>

#include <string>

#include "store/ByteBuffer.h"

// Far beyond any fixed scratch block: the whole text arrives, and the address sanitizer run
// shows that nothing is written past a block.
TEST(FormatBufferTest, FormatsTextsOfAnyLengthLikePrintf) {
    CByteBuffer buffer;
    FormatBuffer(buffer, "%c[%s] = %d", ',', "Age", 42);
    EXPECT_STREQ(buffer.GetText(), ",[Age] = 42");
    const std::string longText(100000, 'x');
    FormatBuffer(buffer, "[%s]", longText.c_str());
    EXPECT_EQ(buffer.m_size, 100003);
    EXPECT_EQ(std::string(buffer.GetText()), "[" + longText + "]");
}
