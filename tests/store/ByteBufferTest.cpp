#include "store/ByteBuffer.h"

#include <gtest/gtest.h>

TEST(ByteBufferTest, NewBufferHoldsTheEmptyTextAndClearedOneHoldsNothing) {
    CByteBuffer buffer;
    EXPECT_EQ(buffer.m_size, 1);
    EXPECT_STREQ(buffer.GetText(), "");
    buffer.Clear();
    EXPECT_EQ(buffer.m_size, 0);
    EXPECT_EQ(buffer.GetText(), nullptr);
    EXPECT_FALSE(buffer.Equals(""));
}

TEST(ByteBufferTest, AssignCopiesBytesAndRefusesEmptyInput) {
    CByteBuffer buffer;
    const char bytes[] = {'a', 'b', 'c'};
    buffer.Assign(bytes, 3);
    EXPECT_EQ(buffer.m_size, 3);
    EXPECT_FALSE(buffer.Equals("abc"));  // no terminator: raw bytes are not that text
    buffer.Assign(bytes, 0);
    EXPECT_EQ(buffer.GetText(), nullptr);
    buffer.AssignText("x");
    buffer.AssignText(nullptr);
    EXPECT_EQ(buffer.m_size, 0);
}

TEST(ByteBufferTest, AppendJoinsTextsOnlyWhenATextIsHeld) {
    CByteBuffer buffer;
    buffer.AssignText("SELECT");
    buffer.Append(" *");
    buffer.Append(nullptr);
    EXPECT_STREQ(buffer.GetText(), "SELECT *");
    EXPECT_EQ(buffer.m_size, 9);
    buffer.Append(buffer.GetText());
    EXPECT_TRUE(buffer.Equals("SELECT *SELECT *"));
    buffer.Clear();
    buffer.Append("x");
    EXPECT_EQ(buffer.GetText(), nullptr);
}

TEST(ByteBufferTest, EqualsIsExactAndCaseSensitive) {
    CByteBuffer buffer;
    buffer.AssignText("Name");
    EXPECT_TRUE(buffer.Equals("Name"));
    EXPECT_FALSE(buffer.Equals("name"));
    EXPECT_FALSE(buffer.Equals("Names"));
    EXPECT_FALSE(buffer.Equals(nullptr));
}

TEST(ByteBufferTest, AssigningItsOwnTextKeepsIt) {
    CByteBuffer buffer;
    buffer.AssignText("kept");
    buffer.AssignText(buffer.GetText());
    EXPECT_STREQ(buffer.GetText(), "kept");
}
