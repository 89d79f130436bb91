#include "platform/DatePattern.h"

#include <gtest/gtest.h>

#include <string_view>

TEST(DatePatternTest, ReadsDatesInTheShortDatePatternsOfLocales) {
    const struct {
        const char* pattern;
        const char* text;
        int year, month, day;
    } cases[] = {
        {"%d.%m.%Y", "07.03.2010", 2010, 3, 7},
        {"%d/%m/%Y", "7/3/2010", 2010, 3, 7},
        {"%m/%d/%y", "03/07/10", 2010, 3, 7},
        {"%m/%d/%y", "3/7/2010", 2010, 3, 7},
        {"%d/%m/%y", "01/01/29", 2029, 1, 1},
        {"%d/%m/%y", "01/01/30", 1930, 1, 1},
        {"%D", "03/07/10", 2010, 3, 7},
        {"%F", "2010-03-07", 2010, 3, 7},
        {"%e.%m.%Y", " 7.03.2010", 2010, 3, 7},
        {"%-d.%-m.%Y", "7.3.2010", 2010, 3, 7},
        {"%Y年%m月%d日", "2010年03月07日", 2010, 3, 7},
        {"%d %m %Y", "07   03 2010", 2010, 3, 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.pattern) + " " + c.text);
        std::string_view text = c.text;
        DateFields fields;
        ASSERT_TRUE(ReadDateFields(text, c.pattern, fields));
        EXPECT_EQ(fields.year, c.year);
        EXPECT_EQ(fields.month, c.month);
        EXPECT_EQ(fields.day, c.day);
        EXPECT_TRUE(text.empty());
    }
}

TEST(DatePatternTest, RefusesTextThatDoesNotFollowThePatternAndKeepsIt) {
    const struct {
        const char* pattern;
        const char* text;
    } cases[] = {
        {"%d.%m.%Y", "07/03/2010"}, {"%Y/%m/%d", "10/03/07"}, {"%d.%m.%Y", "07.03."},
        {"%d.%m.%Y", "x7.03.2010"}, {"%Y/%m/%d", ""},         {"%Y/%m/%Q", "2010/03/07"},
        {"%Y/%m/%", "2010/03/"},
    };
    for (const auto& c : cases) {
        std::string_view text = c.text;
        DateFields fields;
        EXPECT_FALSE(ReadDateFields(text, c.pattern, fields)) << c.pattern << " " << c.text;
        EXPECT_EQ(text, c.text);
    }
}
