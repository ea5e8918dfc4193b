// The conversion: known dates, the time-of-day rounding, the domain, and a sweep
// over every day the control answers for.

#include "TestRows.h"
#include "lunar/Lunar.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

using namespace lunar;
using namespace lunar::testing;
using namespace std::chrono;

namespace {

struct KnownDate {
    const char* shows;
    Date date;
    const char* code;
};

const KnownDate kKnownDates[] = {
    {"first day of the year table", ymd(1900, 1, 31), "019000101"},
    {"eve of the second reference day", ymd(2000, 2, 4), "019991229"},
    {"second reference day counted from the first", ymd(2000, 2, 5), "020000101"},
    {"first day the control answers for", ymd(1901, 1, 1), "019001111"},
    {"last day the control answers for", ymd(2100, 12, 31), "021001201"},
    {"last day of lunar 2100", ymd(2101, 1, 28), "021001229"},
    {"the banner's example", ymd(2013, 2, 20), "020130111"},
    {"leap month 2 opens after month 2", ymd(2023, 3, 22), "120230201"},
    {"29-day leap month ends", ymd(2023, 4, 19), "120230229"},
    {"ordinary month after a leap month", ymd(2023, 4, 20), "020230301"},
    {"leap month 4 opens", ymd(2020, 5, 23), "120200401"},
    {"30-day leap month ends", ymd(2017, 8, 21), "120170630"},
    {"month 7 after a 30-day leap month", ymd(2017, 8, 22), "020170701"},
    {"leap month 11 of 2033 opens", ymd(2033, 12, 22), "120331101"},
    {"new year of 2034 after the leap month 11", ymd(2034, 2, 19), "020340101"},
    {"mended 1933 has a 30-day leap month 5", ymd(1933, 7, 22), "119330530"},
    {"mended 1956 keeps mid-autumn on 19 September", ymd(1956, 9, 19), "019560815"},
    {"mended 1978 keeps mid-autumn on 17 September", ymd(1978, 9, 17), "019780815"},
    {"mended 1996 keeps mid-autumn on 27 September", ymd(1996, 9, 27), "019960815"},
};

class KnownDates : public ::testing::TestWithParam<KnownDate> {};

TEST_P(KnownDates, convertToTheirLunarCode)
{
    EXPECT_EQ(ToLunarCode(GetParam().date), GetParam().code);
    EXPECT_EQ(ToLunarDate(GetParam().date).code(), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(Lunar, KnownDates, ::testing::ValuesIn(kKnownDates), RowName());

struct TimedDate {
    const char* shows;
    DateTime time;
    const char* code; // "" outside the domain
};

const TimedDate kTimedDates[] = {
    {"morning stays on its day", at(ymd(2013, 2, 20), 8), "020130111"},
    {"a millisecond before noon stays", at(ymd(2013, 2, 20), 11, 59, 59'999), "020130111"},
    {"a millisecond after noon counts as the next day", at(ymd(2013, 2, 20), 12, 0, 1), "020130112"},
    {"afternoon counts as the next day", at(ymd(2013, 2, 20), 13), "020130112"},
    {"noon after an odd count rounds up to even", at(ymd(2000, 2, 6), 12), "020000103"},
    {"noon after an even count stays even", at(ymd(2000, 2, 7), 12), "020000103"},
    {"noon on the first branch rounds to even too", at(ymd(1900, 2, 1), 12), "019000103"},
    {"noon of the second reference day counts from it", at(ymd(2000, 2, 5), 12), "020000101"},
    {"afternoon before the second reference day reaches it", at(ymd(2000, 2, 4), 13), "020000101"},
    {"noon before the first day rounds to it", at(ymd(1900, 1, 30), 12), "019000101"},
    {"morning before the first day is outside", at(ymd(1900, 1, 30), 11), ""},
    {"afternoon before the last day reaches it", at(ymd(2101, 1, 27), 13), "021001229"},
    {"afternoon of the last day is outside", at(ymd(2101, 1, 28), 13), ""},
};

class TimedDates : public ::testing::TestWithParam<TimedDate> {};

TEST_P(TimedDates, roundTheDayCountToTheNearestDay)
{
    EXPECT_EQ(ToLunarCode(GetParam().time), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(Lunar, TimedDates, ::testing::ValuesIn(kTimedDates), RowName());

struct OutsideDate {
    const char* shows;
    Date date;
};

const OutsideDate kOutsideDates[] = {
    {"day before the first day", ymd(1900, 1, 30)},
    {"day after the last day", ymd(2101, 1, 29)},
    {"long before the table", ymd(1, 1, 1)},
    {"long after the table", ymd(9999, 12, 31)},
    {"a day February never has", ymd(2013, 2, 30)},
    {"month zero", ymd(2013, 0, 1)},
    {"the empty date", Date{}},
};

class OutsideDates : public ::testing::TestWithParam<OutsideDate> {};

TEST_P(OutsideDates, areArgumentErrors)
{
    const Date d = GetParam().date;
    EXPECT_FALSE(ToLunarDate(d).ok());
    EXPECT_EQ(ToLunarCode(d), "");
    EXPECT_EQ(FestivalOrLunarDay(d), DayText{});
    EXPECT_EQ(LunarDayNameOf(d), "");
}

INSTANTIATE_TEST_SUITE_P(Lunar, OutsideDates, ::testing::ValuesIn(kOutsideDates), RowName());

TEST(LunarConversion, extremeDateTimesAreArgumentErrorsNotOverflows)
{
    EXPECT_FALSE(ToLunarDate(DateTime::max()).ok());
    EXPECT_FALSE(ToLunarDate(DateTime::min()).ok());
}

struct LunarDateValidity {
    const char* shows;
    LunarDate date;
    bool ok;
};

const LunarDateValidity kLunarDateValidity[] = {
    {"an ordinary day", {2013, 1, 11, false}, true},
    {"the last day of a 29-day leap month", {2023, 2, 29, true}, true},
    {"day 30 of a 29-day leap month", {2023, 2, 30, true}, false},
    {"a leap flag on a month without a leap", {2023, 3, 1, true}, false},
    {"day 30 of a 29-day month", {2013, 2, 30, false}, false},
    {"a year after the table", {2101, 1, 1, false}, false},
    {"month 13", {2013, 13, 1, false}, false},
    {"the default value", {}, false},
};

class LunarDates : public ::testing::TestWithParam<LunarDateValidity> {};

TEST_P(LunarDates, areOkOnlyWhenTheTableHasTheDay)
{
    EXPECT_EQ(GetParam().date.ok(), GetParam().ok);
    EXPECT_EQ(GetParam().date.code().empty(), !GetParam().ok);
}

INSTANTIATE_TEST_SUITE_P(Lunar, LunarDates, ::testing::ValuesIn(kLunarDateValidity), RowName());

TEST(LunarTable, lunarYears1900To1999SpanUpToTheSecondReferenceDay)
{
    int total = 0;
    for (int y = 1900; y <= 1999; ++y)
        total += LunarYearDays(y);
    EXPECT_EQ(total, (sys_days{ymd(2000, 2, 5)} - sys_days{ymd(1900, 1, 31)}).count());
}

TEST(LunarTable, lunarYear2100EndsOnTheLastConvertibleDay)
{
    int total = 0;
    for (int y = 1900; y <= 2100; ++y)
        total += LunarYearDays(y);
    EXPECT_EQ(sys_days{kFirstConvertible} + days{total - 1}, sys_days{kLastConvertible});
}

TEST(LunarTable, everyYearHasTheLengthOfALunarYear)
{
    for (int y = kFirstLunarYear; y <= kLastLunarYear; ++y) {
        const int length = LunarYearDays(y);
        int months = LeapMonthDays(y);
        for (int m = 1; m <= 12; ++m)
            months += LunarMonthDays(y, m);
        EXPECT_EQ(length, months) << y;
        if (LeapMonthOf(y) == 0)
            EXPECT_TRUE(length >= 353 && length <= 355) << y;
        else
            EXPECT_TRUE(length >= 383 && length <= 385) << y;
    }
}

// Walks every day 1901–2100 and checks that the lunar dates run on without gaps,
// that each month has the length the table gives and each year the months in the
// order month, leap month of the same number, next month.
TEST(LunarSweep, everyDayFollowsTheDayBefore)
{
    const sys_days first{kFirstQueryDate};
    const sys_days last{kLastQueryDate};
    LunarDate previous = ToLunarDate(Date{first - days{1}});
    ASSERT_TRUE(previous.ok());
    std::map<int, int> newYears; // lunar year → day of year of its first day
    int failures = 0;
    for (sys_days d = first; d <= last && failures < 10; d += days{1}) {
        const LunarDate today = ToLunarDate(Date{d});
        ASSERT_TRUE(today.ok()) << int(Date{d}.year());
        if (today.day != 1) {
            const bool next = today.year == previous.year && today.month == previous.month
                && today.leap == previous.leap && today.day == previous.day + 1;
            failures += !next;
            EXPECT_TRUE(next) << ToLunarCode(Date{d});
            previous = today;
            continue;
        }
        const int length = previous.leap ? LeapMonthDays(previous.year) : LunarMonthDays(previous.year, previous.month);
        EXPECT_EQ(previous.day, length) << "month ending before " << ToLunarCode(Date{d});
        bool follows = false;
        if (!previous.leap && LeapMonthOf(previous.year) == previous.month)
            follows = today.leap && today.year == previous.year && today.month == previous.month;
        else if (previous.month == 12)
            follows = !today.leap && today.year == previous.year + 1 && today.month == 1;
        else
            follows = !today.leap && today.year == previous.year && today.month == previous.month + 1;
        failures += !follows;
        EXPECT_TRUE(follows) << ToLunarCode(Date{d}) << " after " << previous.code();
        if (today.month == 1 && !today.leap) {
            const Date gregorian{d};
            newYears[today.year] = int(unsigned(gregorian.month())) * 100 + int(unsigned(gregorian.day()));
        }
        previous = today;
    }
    ASSERT_EQ(newYears.size(), 200u);
    for (const auto& [lunarYear, monthDay] : newYears)
        EXPECT_TRUE(monthDay >= 121 && monthDay <= 220) << "new year of " << lunarYear << " on " << monthDay;
}

struct BadLength {
    const char* shows;
    int value;
    int expected;
};

const BadLength kLengths[] = {
    {"month 0", LunarMonthDays(2013, 0), 0},
    {"month 13", LunarMonthDays(2013, 13), 0},
    {"a month after the table", LunarMonthDays(2101, 1), 0},
    {"a month before the table reads 1900", LunarMonthDays(1899, 3), LunarMonthDays(1900, 3)},
    {"leap month before the table", LeapMonthOf(1899), 0},
    {"leap month after the table", LeapMonthOf(2101), 0},
    {"leap month length of a year without one", LeapMonthDays(2013), 0},
    {"leap month length of 2017", LeapMonthDays(2017), 30},
    {"year length before the table", LunarYearDays(1899), 0},
    {"year length after the table", LunarYearDays(2101), 0},
};

class Lengths : public ::testing::TestWithParam<BadLength> {};

TEST_P(Lengths, answerZeroForWhatTheTableDoesNotHold)
{
    EXPECT_EQ(GetParam().value, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Lunar, Lengths, ::testing::ValuesIn(kLengths), RowName());

} // namespace
