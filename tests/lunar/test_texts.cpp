// Names, solar terms, festivals, star signs and the month grid's Gregorian facts.

#include "TestRows.h"
#include "lunar/Lunar.h"

#include <gtest/gtest.h>

using namespace lunar;
using namespace lunar::testing;
using namespace std::chrono;

namespace {

struct Text {
    const char* shows;
    std::string actual;
    const char* expected;
};

class Names : public ::testing::TestWithParam<Text> {};

TEST_P(Names, readAsTheCalendarWritesThem)
{
    EXPECT_EQ(GetParam().actual, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Lunar, Names, ::testing::Values(
    Text{"year of the banner", StemBranchYearName(2013), "癸巳年"},
    Text{"first year of the table", StemBranchYearName(1900), "庚子年"},
    Text{"a jiazi year", StemBranchYearName(1984), "甲子年"},
    Text{"last year of the table", StemBranchYearName(2100), "庚申年"},
    Text{"a year before the stems start counting", StemBranchYearName(1893), "癸巳年"},
    Text{"animal of the banner year", ZodiacAnimalOf(2013), "蛇"},
    Text{"1900 is a rat year", ZodiacAnimalOf(1900), "鼠"},
    Text{"the year before 1900 is a pig year", ZodiacAnimalOf(1899), "猪"},
    Text{"month 1", LunarMonthName(1), "一月"},
    Text{"month 9", LunarMonthName(9), "九月"},
    Text{"month 10", LunarMonthName(10), "十月"},
    Text{"month 11", LunarMonthName(11), "十一月"},
    Text{"month 12", LunarMonthName(12), "十二月"},
    Text{"month 0 is an argument error", LunarMonthName(0), ""},
    Text{"month 13 is an argument error", LunarMonthName(13), ""},
    Text{"day 1", LunarDayName(1), "初一"},
    Text{"day 10", LunarDayName(10), "初十"},
    Text{"day 11", LunarDayName(11), "十一"},
    Text{"day 19", LunarDayName(19), "十九"},
    Text{"day 20", LunarDayName(20), "二十"},
    Text{"day 21", LunarDayName(21), "廿一"},
    Text{"day 29", LunarDayName(29), "廿九"},
    Text{"day 30", LunarDayName(30), "三十"},
    Text{"day 31 reads as 30", LunarDayName(31), "三十"},
    Text{"day 0 is an argument error", LunarDayName(0), ""},
    Text{"a negative day is an argument error", LunarDayName(-3), ""},
    Text{"lunar day of a date", LunarDayNameOf(ymd(2013, 2, 20)), "十一"},
    Text{"term 1", SolarTermName(1), "小寒"},
    Text{"term 24", SolarTermName(24), "冬至"},
    Text{"term 0 is an argument error", SolarTermName(0), ""},
    Text{"term 25 is an argument error", SolarTermName(25), ""}),
    RowName());

struct TermDay {
    const char* shows;
    int year;
    int term;
    Date date; // not ok() for an argument error
};

class SolarTermDates : public ::testing::TestWithParam<TermDay> {};

TEST_P(SolarTermDates, dropTheTimeOfDay)
{
    EXPECT_EQ(SolarTermDate(GetParam().year, GetParam().term), GetParam().date);
}

INSTANTIATE_TEST_SUITE_P(Lunar, SolarTermDates, ::testing::Values(
    TermDay{"term 1 of 1900 is the reference instant", 1900, 1, ymd(1900, 1, 6)},
    TermDay{"term 1 of 2013", 2013, 1, ymd(2013, 1, 5)},
    TermDay{"term 3 of 2013 falls at 22h42 and stays on its day", 2013, 3, ymd(2013, 2, 3)},
    TermDay{"term 24 of 2100 needs more than 32 bits of seconds", 2100, 24, ymd(2100, 12, 22)},
    TermDay{"term 0 is an argument error", 2013, 0, Date{}},
    TermDay{"term 25 is an argument error", 2013, 25, Date{}},
    TermDay{"a year beyond the calendar is an argument error", 40000, 1, Date{}}),
    RowName());

TEST(SolarTerms, eachFallsInItsMonthAndInOrder)
{
    for (int y = 1901; y <= 2100; ++y) {
        for (int term = 1; term <= 24; ++term) {
            const Date d = SolarTermDate(y, term);
            ASSERT_TRUE(d.ok());
            EXPECT_EQ(d.year(), year{y});
            EXPECT_EQ(unsigned(d.month()), unsigned(term + 1) / 2) << y << " term " << term;
            if (term % 2 == 0) {
                const auto gap = sys_days{d} - sys_days{SolarTermDate(y, term - 1)};
                EXPECT_TRUE(gap >= days{13} && gap <= days{17}) << y << " term " << term;
            }
        }
    }
}

TEST(SolarTerms, areFoundOnlyOnTheirDayAtMidnight)
{
    EXPECT_EQ(SolarTermOn(ymd(2013, 2, 3)), "立春");
    EXPECT_EQ(SolarTermOn(ymd(2013, 2, 4)), kNoSolarTerm);
    EXPECT_EQ(SolarTermOn(ymd(2013, 1, 5)), "小寒");
    EXPECT_EQ(SolarTermOn(at(ymd(2013, 2, 3))), "立春");
    EXPECT_EQ(SolarTermOn(at(ymd(2013, 2, 3), 10)), kNoSolarTerm);
    EXPECT_EQ(SolarTermOn(ymd(2013, 2, 29)), "");
    EXPECT_EQ(SolarTermOn(DateTime::max()), "");
}

TEST(SolarTerms, everyMonthHasItsTwoTerms)
{
    for (int y = 1901; y <= 2100; ++y) {
        for (unsigned m = 1; m <= 12; ++m) {
            int found = 0;
            for (unsigned d = 1; d <= unsigned(DaysInMonth(y, int(m))); ++d)
                found += SolarTermOn(ymd(y, m, d)) != kNoSolarTerm;
            EXPECT_EQ(found, 2) << y << "-" << m;
        }
    }
}

struct Cell {
    const char* shows;
    Date date;
    DayText expected;
};

class FestivalCells : public ::testing::TestWithParam<Cell> {};

TEST_P(FestivalCells, showTheFestivalElseTheLunarDay)
{
    EXPECT_EQ(FestivalOrLunarDay(GetParam().date), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Lunar, FestivalCells, ::testing::Values(
    Cell{"lunar new year", ymd(2013, 2, 10), {"春节", true}},
    Cell{"lantern festival", ymd(2013, 2, 24), {"元宵节", true}},
    Cell{"little new year", ymd(2013, 2, 4), {"小年", true}},
    Cell{"national day", ymd(2013, 10, 1), {"国庆节", true}},
    Cell{"an ordinary day shows its lunar day", ymd(2013, 2, 20), {"十一", false}},
    Cell{"a lunar festival wins over a Gregorian one", ymd(2020, 10, 1), {"中秋节", true}},
    Cell{"dragon boat day of the ordinary month 5", ymd(2009, 5, 28), {"端午节", true}},
    Cell{"its twin in leap month 5 is an ordinary day", ymd(2009, 6, 27), {"初五", false}},
    Cell{"new year's eve shows its lunar day", ymd(2013, 2, 9), {"廿九", false}},
    Cell{"outside the table nothing is shown", ymd(2101, 2, 1), {"", false}}),
    RowName());

TEST(FestivalCells, eachLunarFestivalFallsOnceAYear)
{
    for (int y = 1902; y <= 2099; ++y) {
        int dragonBoat = 0;
        for (sys_days d = sys_days{ymd(y, 1, 1)}; d < sys_days{ymd(y + 1, 1, 1)}; d += days{1})
            dragonBoat += FestivalOrLunarDay(Date{d}).text == "端午节";
        EXPECT_EQ(dragonBoat, 1) << y;
    }
}

struct Sign {
    const char* shows;
    Date date;
    const char* sign;
};

class StarSigns : public ::testing::TestWithParam<Sign> {};

TEST_P(StarSigns, changeOnTheirBoundaries)
{
    EXPECT_EQ(StarSignOf(GetParam().date), GetParam().sign);
    EXPECT_EQ(StarSignOf(at(GetParam().date, 23, 59)), GetParam().sign);
}

INSTANTIATE_TEST_SUITE_P(Lunar, StarSigns, ::testing::Values(
    Sign{"capricorn opens 22 December", ymd(2013, 12, 22), "魔羯座"},
    Sign{"capricorn spans new year", ymd(2014, 1, 1), "魔羯座"},
    Sign{"capricorn closes 19 January", ymd(2013, 1, 19), "魔羯座"},
    Sign{"aquarius opens 20 January", ymd(2013, 1, 20), "水瓶座"},
    Sign{"aquarius closes 18 February", ymd(2013, 2, 18), "水瓶座"},
    Sign{"pisces opens 19 February", ymd(2013, 2, 19), "双鱼座"},
    Sign{"pisces holds the leap day", ymd(2012, 2, 29), "双鱼座"},
    Sign{"pisces closes 20 March", ymd(2013, 3, 20), "双鱼座"},
    Sign{"aries opens 21 March", ymd(2013, 3, 21), "白羊座"},
    Sign{"gemini closes 21 June", ymd(2013, 6, 21), "双子座"},
    Sign{"cancer opens 22 June", ymd(2013, 6, 22), "巨蟹座"},
    Sign{"scorpio opens 23 October", ymd(2013, 10, 23), "天蝎座"},
    Sign{"scorpio closes 21 November", ymd(2013, 11, 21), "天蝎座"},
    Sign{"sagittarius closes 21 December", ymd(2013, 12, 21), "射手座"}),
    RowName());

TEST(StarSigns, coverEveryDayAndRejectInvalidDates)
{
    for (sys_days d = sys_days{ymd(2012, 1, 1)}; d < sys_days{ymd(2013, 1, 1)}; d += days{1})
        EXPECT_EQ(StarSignOf(Date{d}).size(), 9u) << int(unsigned(Date{d}.month()));
    EXPECT_EQ(StarSignOf(ymd(2013, 2, 29)), "");
    EXPECT_EQ(StarSignOf(DateTime::max()), "");
    EXPECT_EQ(StarSignOf(DateTime::min()), "");
}

TEST(MonthGrid, knowTheLengthAndFirstWeekdayOfAMonth)
{
    EXPECT_EQ(DaysInMonth(2015, 2), 28);
    EXPECT_EQ(DaysInMonth(2016, 2), 29);
    EXPECT_EQ(DaysInMonth(1900, 2), 28);
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(2015, 8), 31);
    EXPECT_EQ(DaysInMonth(2015, 0), 0);
    EXPECT_EQ(DaysInMonth(2015, 13), 0);
    EXPECT_EQ(DaysInMonth(70000, 1), 0);
    EXPECT_EQ(WeekdayOf(ymd(2015, 2, 1)), 0);
    EXPECT_EQ(WeekdayOf(ymd(2015, 8, 1)), 6);
    EXPECT_EQ(WeekdayOf(ymd(2015, 2, 29)), -1);
}

} // namespace
