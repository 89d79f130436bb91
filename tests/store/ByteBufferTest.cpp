#include "store/ByteBuffer.h"

#include <gtest/gtest.h>

// A new buffer holds the empty text; one given nothing holds nothing, the empty binary value.
TEST(ByteBufferTest, HoldsTextsOrBytesAndNothingWhenGivenNothing) {
    CByteBuffer buffer;
    EXPECT_STREQ(buffer.GetText(), "");
    buffer.Assign("abc", 1);
    EXPECT_EQ(buffer.m_size, 1);
    buffer.Assign("abc", 3);
    EXPECT_FALSE(buffer.Equals("abc"));  // no terminator: raw bytes are not that text
    buffer.Assign("abc", 0);
    EXPECT_EQ(buffer.GetText(), nullptr);
    buffer.AssignText("x");
    buffer.AssignText(nullptr);
    EXPECT_EQ(buffer.m_size, 0);
    EXPECT_FALSE(buffer.Equals(""));
}

TEST(ByteBufferTest, AppendAndEqualsWorkOnTheHeldText) {
    CByteBuffer buffer;
    buffer.AssignText("Name");
    EXPECT_FALSE(buffer.Equals("name"));
    buffer.Append(" *");
    buffer.Append(nullptr);
    EXPECT_EQ(buffer.m_size, 7);
    buffer.Append(buffer.GetText());
    buffer.AssignText(buffer.GetText());
    EXPECT_TRUE(buffer.Equals("Name *Name *"));
    buffer.Clear();
    buffer.Append("x");
    EXPECT_EQ(buffer.GetText(), nullptr);
}
