#include "platform/DatePattern.h"

#include <gtest/gtest.h>

#include <string_view>

// A case without a year must be refused, leaving the text as it was.
TEST(DatePatternTest, ReadsTheShortDatePatternsOfLocalesAndRefusesOtherText) {
    const struct {
        const char* pattern;
        const char* text;
        int year, month, day;
    } cases[] = {
        {"%d.%m.%Y", "07.03.2010", 2010, 3, 7},   {"%m/%d/%y", "3/7/2010", 2010, 3, 7},
        {"%d/%m/%y", "01/01/29", 2029, 1, 1},     {"%d/%m/%y", "01/01/30", 1930, 1, 1},
        {"%F", "2010-03-07", 2010, 3, 7},         {"%e.%m.%Y", " 7.03.2010", 2010, 3, 7},
        {"%-d.%-m.%Y", "7.3.2010", 2010, 3, 7},   {"%Y年%m月%d日", "2010年03月07日", 2010, 3, 7},
        {"%d %m %Y", "07   03 2010", 2010, 3, 7}, {"%d.%m.%Y", "07/03/2010", 0, 0, 0},
        {"%Y/%m/%d", "10/03/07", 0, 0, 0},        {"%Y/%m/%Q", "2010/03/07", 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.pattern) + " " + c.text);
        std::string_view text = c.text;
        DateFields fields;
        ASSERT_EQ(ReadDateFields(text, c.pattern, fields), c.year != 0);
        if (c.year != 0) {
            EXPECT_EQ(fields.year * 10000 + fields.month * 100 + fields.day,
                      c.year * 10000 + c.month * 100 + c.day);
            EXPECT_TRUE(text.empty());
        } else {
            EXPECT_EQ(text, c.text);
        }
    }
}
