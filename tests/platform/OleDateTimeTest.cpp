#include "platform/OleDateTime.h"

#include <gtest/gtest.h>

#include <clocale>
#include <ctime>
#include <string>

namespace {

struct Ymd {
    int year, month, day;
};

void ExpectDate(const COleDateTime& date, Ymd ymd, int hour = 0, int minute = 0, int second = 0) {
    ASSERT_EQ(date.GetStatus(), COleDateTime::valid);
    EXPECT_EQ(date.GetYear(), ymd.year);
    EXPECT_EQ(date.GetMonth(), ymd.month);
    EXPECT_EQ(date.GetDay(), ymd.day);
    EXPECT_EQ(date.GetHour(), hour);
    EXPECT_EQ(date.GetMinute(), minute);
    EXPECT_EQ(date.GetSecond(), second);
}

COleDateTime Date(Ymd ymd, int hour = 0, int minute = 0) {
    return COleDateTime(ymd.year, ymd.month, ymd.day, hour, minute, 0);
}

}  // namespace

// Before day 0 the fraction still counts forwards in the day.
TEST(OleDateTimeTest, DayCountStartsAtTheEndOf1899) {
    const struct {
        Ymd ymd;
        DATE value;
        int dayOfWeek;
    } cases[] = {
        {{1899, 12, 30}, 0.0, 7},    {{1900, 3, 1}, 61.0, 5},  // 1900 had no 29 February
        {{2012, 2, 29}, 40968.0, 4}, {{9999, 12, 31}, 2958465.0, 6}, {{100, 1, 1}, -657434.0, 6},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(static_cast<DATE>(Date(c.ymd)), c.value) << c.ymd.year;
        EXPECT_EQ(Date(c.ymd).GetDayOfWeek(), c.dayOfWeek) << c.ymd.year;
        ExpectDate(COleDateTime(c.value), c.ymd);
    }
    ExpectDate(COleDateTime(-1.25), {1899, 12, 29}, 6);
    EXPECT_EQ(static_cast<DATE>(Date({1899, 12, 29}, 18)), -1.75);
    EXPECT_EQ(static_cast<DATE>(Date({1899, 12, 29}, 12) + COleDateTimeSpan(0, 18, 0, 0)), 0.25);
}

TEST(OleDateTimeTest, DaysThatDoNotExistAndYearsOutsideTheRangeAreInvalid) {
    for (const Ymd& ymd : {Ymd{2011, 2, 29}, Ymd{1900, 2, 29}, Ymd{2010, 4, 31}, Ymd{99, 12, 31}}) {
        COleDateTime date;
        EXPECT_FALSE(date.SetDate(ymd.year, ymd.month, ymd.day)) << ymd.year << "/" << ymd.month;
        EXPECT_EQ(date.Format("%Y/%m/%d"), "");
    }
    EXPECT_EQ(COleDateTime(2010, 3, 7, 24, 0, 0).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(COleDateTime(2958466.0).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ((Date({100, 1, 1}) - COleDateTimeSpan(1)).GetStatus(), COleDateTime::invalid);
    ExpectDate(Date({9999, 12, 31}, 23, 59) + COleDateTimeSpan(0, 0, 0, 59), {9999, 12, 31}, 23, 59,
               59);
}

// Both stored forms, with or without a time of day; anything else leaves the object invalid.
TEST(OleDateTimeTest, ReadsTheStoredFormsAndRefusesTextThatIsNoDate) {
    const struct {
        const char* text;
        DWORD flags;
        int hour, minute, second;
    } cases[] = {
        {"2010-03-07", VAR_DATEVALUEONLY, 0, 0, 0},
        {"  2010/3/7 ", VAR_DATEVALUEONLY, 0, 0, 0},
        {"2010/03/07 13:45:10", VAR_DATEVALUEONLY, 0, 0, 0},
        {"2010/03/07 13:45:10", 0, 13, 45, 10},
        {"2010-03-07 8:05", 0, 8, 5, 0},
    };
    for (const auto& c : cases) {
        COleDateTime date;
        EXPECT_TRUE(date.ParseDateTime(c.text, c.flags)) << c.text;
        ExpectDate(date, {2010, 3, 7}, c.hour, c.minute, c.second);
    }
    for (const char* text : {"", "garbage", "2011/02/29", "2010/00/10", "2010/03/07x",
                             "2010/03/07 25:00", "10000/1/1", "2010/03/07 12:00:00:00"}) {
        COleDateTime date(2010, 3, 7, 0, 0, 0);
        EXPECT_FALSE(date.ParseDateTime(text, VAR_DATEVALUEONLY)) << '"' << text << '"';
        EXPECT_EQ(date.GetStatus(), COleDateTime::invalid) << '"' << text << '"';
    }
    EXPECT_FALSE(COleDateTime().ParseDateTime(nullptr));
}

TEST(OleDateTimeTest, FormatsNumbersItselfAndNamesThroughTheLocale) {
    const COleDateTime date(2010, 3, 7, 9, 5, 3);
    EXPECT_EQ(date.Format("%Y/%m/%d %H:%M:%S %j %-d%%"), "2010/03/07 09:05:03 066 7%");
    EXPECT_EQ(Date({100, 1, 1}).Format("%Y"), "0100");
    const std::string previous = std::setlocale(LC_TIME, nullptr);
    std::setlocale(LC_TIME, "C");
    EXPECT_EQ(date.Format("%B %b %A"), "March Mar Sunday");
    std::setlocale(LC_TIME, previous.c_str());
}

TEST(OleDateTimeTest, StepsAndComparesInTimeOrder) {
    COleDateTime date = Date({2012, 2, 28});
    date += COleDateTimeSpan(1, 12, 0, 0);
    ExpectDate(date, {2012, 2, 29}, 12);
    date -= COleDateTimeSpan(2.5);
    ExpectDate(date, {2012, 2, 27});
    EXPECT_DOUBLE_EQ((Date({2013, 1, 1}) - date).GetTotalDays(), 309);
    EXPECT_TRUE(date == Date({2012, 2, 27}) && date >= Date({2012, 2, 27}));
    EXPECT_TRUE(date != Date({2012, 2, 27}, 0, 1) && date < Date({2012, 2, 27}, 0, 1));
    EXPECT_LT(Date({1899, 12, 29}, 23), Date({1899, 12, 30}));
}

TEST(OleDateTimeTest, CurrentTimeIsTheLocalClock) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const COleDateTime clock(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                             local.tm_min, local.tm_sec > 59 ? 59 : local.tm_sec);
    const double seconds = (COleDateTime::GetCurrentTime() - clock).GetTotalDays() * 86400.0;
    EXPECT_GE(seconds, -0.5);
    EXPECT_LT(seconds, 5.0);
}

TEST(OleDateTimeTest, ReadsTheShortDateOfTheUsersLocale) {
    const std::string previous = std::setlocale(LC_TIME, nullptr);
    for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "en_GB.UTF-8", "C"}) {
        if (std::setlocale(LC_TIME, name) != nullptr) {
            break;
        }
    }
    const std::string shortDate = Date({2010, 3, 7}).Format("%x");  // by the locale
    COleDateTime date;
    EXPECT_TRUE(date.ParseDateTime(shortDate.c_str(), VAR_DATEVALUEONLY)) << shortDate;
    std::setlocale(LC_TIME, previous.c_str());
    ExpectDate(date, {2010, 3, 7});
}
