#include "platform/OleDateTime.h"

#include <gtest/gtest.h>
#include <langinfo.h>

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

COleDateTime Parsed(const char* text, DWORD flags = VAR_DATEVALUEONLY) {
    COleDateTime date;
    date.ParseDateTime(text, flags, LANG_USER_DEFAULT);
    return date;
}

// Switches LC_TIME for one test and puts the previous locale back.
class LocaleTest : public ::testing::Test {
protected:
    void SetUp() override { m_previous = std::setlocale(LC_TIME, nullptr); }
    void TearDown() override { std::setlocale(LC_TIME, m_previous.c_str()); }

    // The first of the locales that is installed; the C locale when none is.
    std::string UseFirstInstalled(std::initializer_list<const char*> names) {
        for (const char* name : names) {
            if (std::setlocale(LC_TIME, name) != nullptr) {
                return name;
            }
        }
        return std::setlocale(LC_TIME, "C");
    }

private:
    std::string m_previous;
};

}  // namespace

TEST(OleDateTimeTest, DayCountStartsAtTheEndOf1899) {
    const COleDateTime zero;
    EXPECT_EQ(static_cast<DATE>(zero), 0.0);
    ExpectDate(zero, {1899, 12, 30});
    EXPECT_EQ(zero.GetDayOfWeek(), 7);  // Saturday

    const struct {
        Ymd ymd;
        DATE value;
        int dayOfWeek;
    } cases[] = {
        {{1900, 1, 1}, 2.0, 2},         {{1900, 3, 1}, 61.0, 5},  // 1900 had no 29 February
        {{2010, 3, 7}, 40244.0, 1},     {{2012, 2, 29}, 40968.0, 4},
        {{9999, 12, 31}, 2958465.0, 6}, {{100, 1, 1}, -657434.0, 6},
    };
    for (const auto& c : cases) {
        const COleDateTime date = Date(c.ymd);
        EXPECT_EQ(static_cast<DATE>(date), c.value) << c.ymd.year;
        EXPECT_EQ(date.GetDayOfWeek(), c.dayOfWeek) << c.ymd.year;
        ExpectDate(COleDateTime(c.value), c.ymd);
    }
}

TEST(OleDateTimeTest, BeforeDayZeroTheFractionStillCountsForwards) {
    const COleDateTime morning(-1.25);
    ExpectDate(morning, {1899, 12, 29}, 6);
    EXPECT_EQ(static_cast<DATE>(Date({1899, 12, 29}, 18)), -1.75);
    EXPECT_LT(morning, Date({1899, 12, 29}, 18));
    EXPECT_EQ(static_cast<DATE>(Date({1899, 12, 29}, 12) + COleDateTimeSpan(0, 18, 0, 0)), 0.25);
    EXPECT_DOUBLE_EQ((Date({1899, 12, 30}) - Date({1899, 12, 29}, 18)).GetTotalDays(), 0.25);
}

TEST(OleDateTimeTest, RejectsDaysThatDoNotExistAndYearsOutsideTheRange) {
    const Ymd invalid[] = {{2010, 2, 30}, {2011, 2, 29}, {1900, 2, 29}, {2010, 4, 31},
                           {2010, 13, 1}, {2010, 0, 10}, {99, 12, 31},  {10000, 1, 1}};
    for (const Ymd& ymd : invalid) {
        COleDateTime date;
        EXPECT_FALSE(date.SetDate(ymd.year, ymd.month, ymd.day)) << ymd.year << "/" << ymd.month;
        EXPECT_EQ(date.GetStatus(), COleDateTime::invalid);
        EXPECT_EQ(date.GetYear(), -1);
        EXPECT_EQ(date.Format("%Y/%m/%d"), "");
    }
    EXPECT_EQ(COleDateTime(2010, 3, 7, 24, 0, 0).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(COleDateTime(2958466.0).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(COleDateTime(-657435.0).GetStatus(), COleDateTime::invalid);
}

TEST(OleDateTimeTest, ReadsBothStoredFormsAsDatesOnly) {
    const struct {
        const char* text;
        Ymd ymd;
    } cases[] = {
        {"2010/03/07", {2010, 3, 7}},   {"2010-03-07", {2010, 3, 7}},
        {"  2010/3/7 ", {2010, 3, 7}},  {"2010/03/07 13:45:10", {2010, 3, 7}},
        {"2012/02/29", {2012, 2, 29}},  {"1900/01/01", {1900, 1, 1}},
        {"9999-12-31", {9999, 12, 31}}, {"0100/01/01", {100, 1, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        COleDateTime date;
        EXPECT_TRUE(date.ParseDateTime(c.text, VAR_DATEVALUEONLY));
        ExpectDate(date, c.ymd);
    }
}

TEST(OleDateTimeTest, KeepsTheTimeOfDayWithoutTheDateOnlyFlag) {
    ExpectDate(Parsed("2010/03/07 13:45:10", 0), {2010, 3, 7}, 13, 45, 10);
    ExpectDate(Parsed("2010-03-07 8:05", 0), {2010, 3, 7}, 8, 5, 0);
}

TEST(OleDateTimeTest, RefusesTextThatIsNoDateAndLeavesTheObjectInvalid) {
    const char* const garbage[] = {
        "",
        "   ",
        "garbage",
        "2010/02/30",
        "2011/02/29",
        "2010/13/01",
        "2010/00/10",
        "2010/03/07x",
        "2010/03/07 25:00",
        "2010/03/07 12:60",
        "10000/1/1",
        "0099/12/31",
        "2010/03/07 12:00:00:00",
    };
    for (const char* text : garbage) {
        COleDateTime date(2010, 3, 7, 0, 0, 0);
        EXPECT_FALSE(date.ParseDateTime(text, VAR_DATEVALUEONLY)) << '"' << text << '"';
        EXPECT_EQ(date.GetStatus(), COleDateTime::invalid) << '"' << text << '"';
    }
    COleDateTime date;
    EXPECT_FALSE(date.ParseDateTime(nullptr));
    EXPECT_EQ(date.GetStatus(), COleDateTime::invalid);
}

TEST(OleDateTimeTest, FormatsNumbersItselfAndNamesThroughTheLocale) {
    const COleDateTime date(2010, 3, 7, 9, 5, 3);
    EXPECT_EQ(date.Format("%Y/%m/%d"), "2010/03/07");
    EXPECT_EQ(date.Format("%Y-%m-%d"), "2010-03-07");
    EXPECT_EQ(date.Format("%d/%m"), "07/03");
    EXPECT_EQ(date.Format("%H:%M:%S %j %y %e%%"), "09:05:03 066 10  7%");
    EXPECT_EQ(date.Format("%-d.%-m."), "7.3.");
    EXPECT_EQ(Date({100, 1, 1}).Format("%Y"), "0100");
    const std::string previous = std::setlocale(LC_TIME, nullptr);
    std::setlocale(LC_TIME, "C");
    EXPECT_EQ(date.Format("%B %b %A"), "March Mar Sunday");
    std::setlocale(LC_TIME, previous.c_str());
}

TEST(OleDateTimeTest, StepsByDaysAcrossMonthsYearsAndLeapDays) {
    const struct {
        Ymd from;
        double days;
        Ymd to;
    } cases[] = {
        {{2010, 2, 28}, 1, {2010, 3, 1}},   {{2012, 2, 28}, 1, {2012, 2, 29}},
        {{2012, 2, 29}, 1, {2012, 3, 1}},   {{2010, 12, 31}, 1, {2011, 1, 1}},
        {{2011, 1, 1}, -1, {2010, 12, 31}}, {{2012, 3, 1}, -1, {2012, 2, 29}},
        {{2011, 6, 20}, 31, {2011, 7, 21}}, {{2011, 7, 21}, -365, {2010, 7, 21}},
        {{2010, 3, 2}, 365, {2011, 3, 2}},  {{1900, 1, 1}, -3, {1899, 12, 29}},
        {{1900, 2, 28}, 1, {1900, 3, 1}},   {{2000, 2, 28}, 1, {2000, 2, 29}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.from.year << "/" << c.from.month << "/" << c.from.day << " + " << c.days);
        ExpectDate(Date(c.from) + COleDateTimeSpan(c.days), c.to);
        ExpectDate(Date(c.to) - COleDateTimeSpan(c.days), c.from);
        EXPECT_DOUBLE_EQ((Date(c.to) - Date(c.from)).GetTotalDays(), c.days);
    }
    COleDateTime date = Date({2010, 3, 7});
    date += COleDateTimeSpan(1, 12, 0, 0);
    ExpectDate(date, {2010, 3, 8}, 12);
    date -= COleDateTimeSpan(2.5);
    ExpectDate(date, {2010, 3, 6});
    EXPECT_EQ((Date({2013, 1, 1}) - Date({2012, 1, 1})).GetDays(), 366);
}

TEST(OleDateTimeTest, ArithmeticPastTheEdgesGivesInvalidDates) {
    EXPECT_EQ((Date({9999, 12, 31}) + COleDateTimeSpan(1)).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ((Date({100, 1, 1}) - COleDateTimeSpan(1)).GetStatus(), COleDateTime::invalid);
    ExpectDate(Date({9999, 12, 31}, 23, 59) + COleDateTimeSpan(0, 0, 0, 59), {9999, 12, 31}, 23, 59,
               59);
    COleDateTime invalid;
    invalid.SetDate(2010, 2, 30);
    EXPECT_EQ((invalid + COleDateTimeSpan(1)).GetStatus(), COleDateTime::invalid);
}

TEST(OleDateTimeTest, ComparesInTimeOrder) {
    const COleDateTime earlier = Date({2010, 3, 7});
    const COleDateTime later = Date({2010, 3, 7}, 0, 1);
    EXPECT_TRUE(earlier < later && earlier <= later && later > earlier && later >= earlier);
    EXPECT_TRUE(earlier != later && !(earlier == later));
    EXPECT_TRUE(earlier == Parsed("2010/03/07") && earlier <= Parsed("2010-03-07"));
    EXPECT_FALSE(earlier < earlier || earlier > earlier);
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

TEST_F(LocaleTest, ReadsTheShortDateOfTheUsersLocale) {
    const std::string locale =
        UseFirstInstalled({"de_DE.UTF-8", "fr_FR.UTF-8", "en_GB.UTF-8", "C.UTF-8"});
    SCOPED_TRACE(locale + " short date " + nl_langinfo(D_FMT));
    std::tm march7{};
    march7.tm_year = 110;
    march7.tm_mon = 2;
    march7.tm_mday = 7;
    char shortDate[64];
    ASSERT_GT(std::strftime(shortDate, sizeof shortDate, nl_langinfo(D_FMT), &march7), 0U);

    COleDateTime date;
    ASSERT_TRUE(date.ParseDateTime(shortDate, VAR_DATEVALUEONLY, LANG_USER_DEFAULT)) << shortDate;
    ExpectDate(date, {2010, 3, 7});
    EXPECT_EQ(date.Format("%Y/%m/%d"), "2010/03/07");
    ExpectDate(Parsed("2010/03/07"), {2010, 3, 7});
}
