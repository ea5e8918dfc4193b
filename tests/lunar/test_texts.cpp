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

// For each term, the year whose instant lies nearest to a midnight: a minute
// count that is off by a few minutes, or a time of day rounded instead of
// dropped, moves one of these to the neighbouring day.
INSTANTIATE_TEST_SUITE_P(NearMidnight, SolarTermDates, ::testing::Values(
    TermDay{"minor cold of 2007 at 00h03", 2007, 1, ymd(2007, 1, 6)},
    TermDay{"major cold of 2004 at 00h04", 2004, 2, ymd(2004, 1, 21)},
    TermDay{"start of spring of 1910 at 23h59", 1910, 3, ymd(1910, 2, 4)},
    TermDay{"rain water of 2018 at 23h55", 2018, 4, ymd(2018, 2, 18)},
    TermDay{"awakening of insects of 1977 at 23h57", 1977, 5, ymd(1977, 3, 5)},
    TermDay{"spring equinox of 2080 at 23h56", 2080, 6, ymd(2080, 3, 19)},
    TermDay{"clear and bright of 1910 at 23h59", 1910, 7, ymd(1910, 4, 5)},
    TermDay{"grain rain of 1950 at 00h04", 1950, 8, ymd(1950, 4, 21)},
    TermDay{"start of summer of 2006 at 00h03", 2006, 9, ymd(2006, 5, 6)},
    TermDay{"grain full of 2078 at 23h56", 2078, 10, ymd(2078, 5, 20)},
    TermDay{"grain in ear of 1935 at 00h03", 1935, 11, ymd(1935, 6, 7)},
    TermDay{"summer solstice of 1994 at 00h02", 1994, 12, ymd(1994, 6, 22)},
    TermDay{"minor heat of 2024 at 23h55", 2024, 13, ymd(2024, 7, 6)},
    TermDay{"major heat of 2021 at 23h54", 2021, 14, ymd(2021, 7, 22)},
    TermDay{"start of autumn of 1915 at 23h59", 1915, 15, ymd(1915, 8, 8)},
    TermDay{"end of heat of 2024 at 00h05", 2024, 16, ymd(2024, 8, 23)},
    TermDay{"white dew of 1960 at 00h00", 1960, 17, ymd(1960, 9, 8)},
    TermDay{"autumn equinox of 2041 at 23h55", 2041, 18, ymd(2041, 9, 22)},
    TermDay{"cold dew of 2040 at 23h59", 2040, 19, ymd(2040, 10, 7)},
    TermDay{"frost descent of 1990 at 00h03", 1990, 20, ymd(1990, 10, 24)},
    TermDay{"start of winter of 1957 at 23h59", 1957, 21, ymd(1957, 11, 7)},
    TermDay{"minor snow of 1974 at 23h57", 1974, 22, ymd(1974, 11, 22)},
    TermDay{"major snow of 2012 at 23h58", 2012, 23, ymd(2012, 12, 6)},
    TermDay{"winter solstice of 2075 at 23h57", 2075, 24, ymd(2075, 12, 21)}),
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

struct TermName {
    const char* shows;
    int term;
    Date date;
    const char* name;
};

class TermsOf2013 : public ::testing::TestWithParam<TermName> {};

// Each term of one year by the mean tropical year: a wrong minute count or a
// name out of place moves or renames one of them.
TEST_P(TermsOf2013, fallOnTheirDayUnderTheirName)
{
    const TermName& row = GetParam();
    EXPECT_EQ(SolarTermDate(2013, row.term), row.date);
    EXPECT_EQ(SolarTermOn(row.date), row.name);
    EXPECT_EQ(SolarTermOn(Date{sys_days{row.date} - days{1}}), kNoSolarTerm);
    EXPECT_EQ(SolarTermOn(Date{sys_days{row.date} + days{1}}), kNoSolarTerm);
}

INSTANTIATE_TEST_SUITE_P(Lunar, TermsOf2013, ::testing::Values(
    TermName{"minor cold", 1, ymd(2013, 1, 5), "小寒"},
    TermName{"major cold", 2, ymd(2013, 1, 20), "大寒"},
    TermName{"start of spring", 3, ymd(2013, 2, 3), "立春"},
    TermName{"rain water", 4, ymd(2013, 2, 18), "雨水"},
    TermName{"awakening of insects", 5, ymd(2013, 3, 5), "惊蛰"},
    TermName{"spring equinox", 6, ymd(2013, 3, 20), "春分"},
    TermName{"clear and bright", 7, ymd(2013, 4, 4), "清明"},
    TermName{"grain rain", 8, ymd(2013, 4, 20), "谷雨"},
    TermName{"start of summer", 9, ymd(2013, 5, 5), "立夏"},
    TermName{"grain full", 10, ymd(2013, 5, 21), "小满"},
    TermName{"grain in ear", 11, ymd(2013, 6, 5), "芒种"},
    TermName{"summer solstice", 12, ymd(2013, 6, 21), "夏至"},
    TermName{"minor heat", 13, ymd(2013, 7, 7), "小暑"},
    TermName{"major heat", 14, ymd(2013, 7, 23), "大暑"},
    TermName{"start of autumn", 15, ymd(2013, 8, 7), "立秋"},
    TermName{"end of heat", 16, ymd(2013, 8, 23), "处暑"},
    TermName{"white dew", 17, ymd(2013, 9, 7), "白露"},
    TermName{"autumn equinox", 18, ymd(2013, 9, 23), "秋分"},
    TermName{"cold dew", 19, ymd(2013, 10, 8), "寒露"},
    TermName{"frost descent", 20, ymd(2013, 10, 23), "霜降"},
    TermName{"start of winter", 21, ymd(2013, 11, 7), "立冬"},
    TermName{"minor snow", 22, ymd(2013, 11, 22), "小雪"},
    TermName{"major snow", 23, ymd(2013, 12, 7), "大雪"},
    TermName{"winter solstice", 24, ymd(2013, 12, 21), "冬至"}),
    RowName());

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
    Cell{"outside the table nothing is shown", ymd(2101, 2, 1), {"", false}},
    Cell{"a Gregorian festival inside a leap month", ymd(2020, 6, 1), {"儿童节", true}}),
    RowName());

// Every entry of both festival lists, each on a day that no entry of the other
// list claims, so that a wrong day or name in either list shows here.
INSTANTIATE_TEST_SUITE_P(EveryFestival, FestivalCells, ::testing::Values(
    Cell{"new year s day", ymd(2013, 1, 1), {"元旦", true}},
    Cell{"valentine s day", ymd(2013, 2, 14), {"情人节", true}},
    Cell{"women s day", ymd(2013, 3, 8), {"妇女节", true}},
    Cell{"tree planting day", ymd(2013, 3, 12), {"植树节", true}},
    Cell{"consumer rights day", ymd(2013, 3, 15), {"权益日", true}},
    Cell{"april fools day", ymd(2013, 4, 1), {"愚人节", true}},
    Cell{"labour day", ymd(2013, 5, 1), {"劳动节", true}},
    Cell{"youth day", ymd(2013, 5, 4), {"青年节", true}},
    Cell{"nurses day", ymd(2013, 5, 12), {"护士节", true}},
    Cell{"children s day", ymd(2013, 6, 1), {"儿童节", true}},
    Cell{"party founding day", ymd(2013, 7, 1), {"建党节", true}},
    Cell{"army day", ymd(2013, 8, 1), {"建军节", true}},
    Cell{"father s day", ymd(2013, 8, 8), {"父亲节", true}},
    Cell{"teachers day", ymd(2013, 9, 10), {"教师节", true}},
    Cell{"national day", ymd(2013, 10, 1), {"国庆节", true}},
    Cell{"elders day", ymd(2013, 10, 6), {"老人节", true}},
    Cell{"christmas", ymd(2013, 12, 25), {"圣诞节", true}},
    Cell{"the day after a Gregorian festival is a lunar day again", ymd(2013, 12, 26), {"廿四", false}},
    Cell{"lunar new year", ymd(2013, 2, 10), {"春节", true}},
    Cell{"lantern festival", ymd(2013, 2, 24), {"元宵节", true}},
    Cell{"dragon boat festival", ymd(2013, 6, 12), {"端午节", true}},
    Cell{"double seventh", ymd(2013, 8, 13), {"七夕节", true}},
    Cell{"ghost festival", ymd(2013, 8, 21), {"中元节", true}},
    Cell{"mid autumn", ymd(2013, 9, 19), {"中秋节", true}},
    Cell{"double ninth", ymd(2013, 10, 13), {"重阳节", true}},
    Cell{"laba", ymd(2013, 1, 19), {"腊八节", true}},
    Cell{"little new year", ymd(2013, 2, 4), {"小年", true}},
    Cell{"the day after a lunar festival is a lunar day again", ymd(2013, 2, 5), {"廿五", false}}),
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
    Sign{"sagittarius closes 21 December", ymd(2013, 12, 21), "射手座"},
    Sign{"aries closes 20 April", ymd(2013, 4, 20), "白羊座"},
    Sign{"taurus opens 21 April", ymd(2013, 4, 21), "金牛座"},
    Sign{"taurus closes 20 May", ymd(2013, 5, 20), "金牛座"},
    Sign{"gemini opens 21 May", ymd(2013, 5, 21), "双子座"},
    Sign{"cancer closes 22 July", ymd(2013, 7, 22), "巨蟹座"},
    Sign{"leo opens 23 July", ymd(2013, 7, 23), "狮子座"},
    Sign{"leo closes 22 August", ymd(2013, 8, 22), "狮子座"},
    Sign{"virgo opens 23 August", ymd(2013, 8, 23), "处女座"},
    Sign{"virgo closes 22 September", ymd(2013, 9, 22), "处女座"},
    Sign{"libra opens 23 September", ymd(2013, 9, 23), "天秤座"},
    Sign{"libra closes 22 October", ymd(2013, 10, 22), "天秤座"},
    Sign{"sagittarius opens 22 November", ymd(2013, 11, 22), "射手座"},
    Sign{"capricorn closes the year", ymd(2013, 12, 31), "魔羯座"}),
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
