// The control's six queries and their fallback to its Value.

#include "TestRows.h"
#include "lunar/Lunar.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace lunar;
using namespace lunar::testing;

namespace {

const DateTime kBannerValue = at(ymd(2013, 2, 20));

struct Answer {
    const char* shows;
    DateTime asked;
    DateTime value;
    // GetChineseDate, Year, Month, Day, Animal, Constellation; nullptr for the error result
    const char* texts[6];
};

class Queries : public ::testing::TestWithParam<Answer> {};

std::optional<std::string> expected(const char* text)
{
    return text ? std::optional<std::string>(text) : std::nullopt;
}

TEST_P(Queries, answerForTheDateOrTheValue)
{
    const Answer& row = GetParam();
    EXPECT_EQ(GetChineseDate(row.asked, row.value), expected(row.texts[0]));
    EXPECT_EQ(GetChineseYear(row.asked, row.value), expected(row.texts[1]));
    EXPECT_EQ(GetChineseMonth(row.asked, row.value), expected(row.texts[2]));
    EXPECT_EQ(GetChineseDay(row.asked, row.value), expected(row.texts[3]));
    EXPECT_EQ(GetChineseAnimal(row.asked, row.value), expected(row.texts[4]));
    EXPECT_EQ(GetConstellation(row.asked, row.value), expected(row.texts[5]));
}

constexpr Answer kBanner{"", {}, {}, {"农历癸巳年一月十一", "癸巳年", "一月", "十一", "蛇", "双鱼座"}};

Answer banner(const char* shows, DateTime asked)
{
    Answer row = kBanner;
    row.shows = shows;
    row.asked = asked;
    row.value = kBannerValue;
    return row;
}

INSTANTIATE_TEST_SUITE_P(Lunar, Queries, ::testing::Values(
    banner("the banner's example", at(ymd(2013, 2, 20))),
    Answer{"a leap month marks the year", at(ymd(2023, 3, 22)), kBannerValue,
           {"农历癸卯年(闰)二月初一", "癸卯年(闰)", "二月", "初一", "兔", "白羊座"}},
    Answer{"the month after the leap month is unmarked", at(ymd(2023, 4, 20)), kBannerValue,
           {"农历癸卯年三月初一", "癸卯年", "三月", "初一", "兔", "白羊座"}},
    Answer{"first day answered for", at(ymd(1901, 1, 1)), kBannerValue,
           {"农历庚子年十一月十一", "庚子年", "十一月", "十一", "鼠", "魔羯座"}},
    Answer{"midnight of the last day answered for", at(ymd(2100, 12, 31)), kBannerValue,
           {"农历庚申年十二月初一", "庚申年", "十二月", "初一", "猴", "魔羯座"}},
    banner("a date before 1901 falls back to the value", at(ymd(1900, 6, 1))),
    banner("the evening before 1901 falls back", at(ymd(1900, 12, 31), 23, 59)),
    banner("a date after 2100 falls back", at(ymd(2101, 1, 1))),
    banner("any time on the last day already falls back", at(ymd(2100, 12, 31), 0, 0, 1)),
    Answer{"the last day of lunar 2012 is a dragon day", at(ymd(2013, 2, 9)), kBannerValue,
           {"农历壬辰年十二月廿九", "壬辰年", "十二月", "廿九", "龙", "水瓶座"}},
    Answer{"the first day of lunar 2013 is a snake day", at(ymd(2013, 2, 10)), kBannerValue,
           {"农历癸巳年一月初一", "癸巳年", "一月", "初一", "蛇", "水瓶座"}},
    Answer{"a value after noon is the next lunar day", at(ymd(1800, 1, 1)), at(ymd(2013, 2, 9), 13),
           {"农历癸巳年一月初一", "癸巳年", "一月", "初一", "蛇", "水瓶座"}},
    Answer{"an afternoon is the next lunar day but the same star sign", at(ymd(2013, 1, 19), 13), kBannerValue,
           {"农历壬辰年十二月初九", "壬辰年", "十二月", "初九", "龙", "魔羯座"}},
    Answer{"a value outside the range still answers when convertible", at(ymd(1800, 1, 1)), at(ymd(1900, 6, 1)),
           {"农历庚子年五月初五", "庚子年", "五月", "初五", "鼠", "双子座"}},
    Answer{"a value beyond the table gives the error result", at(ymd(1800, 1, 1)), at(ymd(2150, 1, 1)),
           {nullptr, nullptr, nullptr, nullptr, nullptr, "魔羯座"}},
    Answer{"a value beyond every calendar gives only error results", at(ymd(1800, 1, 1)), DateTime::max(),
           {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr}}),
    RowName());

} // namespace
