#pragma once
// The calendar's constant tables. Private to the lunar library and its tests.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace lunar::tables {

// One packed entry per lunar year 1900–2100 (index = year − 1900):
//   bits 0–3   leap month number [1, 12], 0 for none
//   bits 4–15  ordinary month lengths, month 1 in bit 15 … month 12 in bit 4; set = 30 days
//   bit 16     leap month length; set = 30 days
// Entries 1933, 1954, 1956, 1978, 1996, 2033, 2083 and 2085 are corrected to the
// calendar as published (two independent astronomical computations agree on them).
inline constexpr std::array<std::uint32_t, 201> kLunarYearInfo = {
    0x04BD8, 0x04AE0, 0x0A570, 0x054D5, 0x0D260, 0x0D950, 0x16554, 0x056A0, 0x09AD0, 0x055D2, // 1900
    0x04AE0, 0x0A5B6, 0x0A4D0, 0x0D250, 0x1D255, 0x0B540, 0x0D6A0, 0x0ADA2, 0x095B0, 0x14977, // 1910
    0x04970, 0x0A4B0, 0x0B4B5, 0x06A50, 0x06D40, 0x1AB54, 0x02B60, 0x09570, 0x052F2, 0x04970, // 1920
    0x06566, 0x0D4A0, 0x0EA50, 0x16A95, 0x05AD0, 0x02B60, 0x186E3, 0x092E0, 0x1C8D7, 0x0C950, // 1930
    0x0D4A0, 0x1D8A6, 0x0B550, 0x056A0, 0x1A5B4, 0x025D0, 0x092D0, 0x0D2B2, 0x0A950, 0x0B557, // 1940
    0x06CA0, 0x0B550, 0x15355, 0x04DA0, 0x0A5B0, 0x14573, 0x052B0, 0x0A9A8, 0x0E950, 0x06AA0, // 1950
    0x0AEA6, 0x0AB50, 0x04B60, 0x0AAE4, 0x0A570, 0x05260, 0x0F263, 0x0D950, 0x05B57, 0x056A0, // 1960
    0x096D0, 0x04DD5, 0x04AD0, 0x0A4D0, 0x0D4D4, 0x0D250, 0x0D558, 0x0B540, 0x0B6A0, 0x195A6, // 1970
    0x095B0, 0x049B0, 0x0A974, 0x0A4B0, 0x0B27A, 0x06A50, 0x06D40, 0x0AF46, 0x0AB60, 0x09570, // 1980
    0x04AF5, 0x04970, 0x064B0, 0x074A3, 0x0EA50, 0x06B58, 0x05AC0, 0x0AB60, 0x096D5, 0x092E0, // 1990
    0x0C960, 0x0D954, 0x0D4A0, 0x0DA50, 0x07552, 0x056A0, 0x0ABB7, 0x025D0, 0x092D0, 0x0CAB5, // 2000
    0x0A950, 0x0B4A0, 0x0BAA4, 0x0AD50, 0x055D9, 0x04BA0, 0x0A5B0, 0x15176, 0x052B0, 0x0A930, // 2010
    0x07954, 0x06AA0, 0x0AD50, 0x05B52, 0x04B60, 0x0A6E6, 0x0A4E0, 0x0D260, 0x0EA65, 0x0D530, // 2020
    0x05AA0, 0x076A3, 0x096D0, 0x04AFB, 0x04AD0, 0x0A4D0, 0x1D0B6, 0x0D250, 0x0D520, 0x0DD45, // 2030
    0x0B5A0, 0x056D0, 0x055B2, 0x049B0, 0x0A577, 0x0A4B0, 0x0AA50, 0x1B255, 0x06D20, 0x0ADA0, // 2040
    0x14B63, 0x09370, 0x049F8, 0x04970, 0x064B0, 0x168A6, 0x0EA50, 0x06B20, 0x1A6C4, 0x0AAE0, // 2050
    0x092E0, 0x0D2E3, 0x0C960, 0x0D557, 0x0D4A0, 0x0DA50, 0x05D55, 0x056A0, 0x0A6D0, 0x055D4, // 2060
    0x052D0, 0x0A9B8, 0x0A950, 0x0B4A0, 0x0B6A6, 0x0AD50, 0x055A0, 0x0ABA4, 0x0A5B0, 0x052B0, // 2070
    0x0B273, 0x06930, 0x07337, 0x06AA0, 0x0AD50, 0x14B55, 0x04B60, 0x0A570, 0x054E4, 0x0D160, // 2080
    0x0E968, 0x0D520, 0x0DAA0, 0x16AA6, 0x056D0, 0x04AE0, 0x0A9D4, 0x0A2D0, 0x0D150, 0x0F252, // 2090
    0x0D520,                                                                                 // 2100
};

// Days of each lunar year, worked out once from the packed entries.
inline constexpr std::array<int, 201> kLunarYearDays = [] {
    std::array<int, 201> lengths{};
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        const std::uint32_t info = kLunarYearInfo[i];
        int total = 12 * 29;
        for (std::uint32_t mask = 0x8000; mask >= 0x10; mask >>= 1)
            total += (info & mask) != 0;
        if ((info & 0xF) != 0)
            total += (info & 0x10000) != 0 ? 30 : 29;
        lengths[i] = total; // [353, 385]
    }
    return lengths;
}();

// One character each (UTF-8).
inline constexpr std::array<std::string_view, 10> kHeavenlyStems = {
    "甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
inline constexpr std::array<std::string_view, 12> kEarthlyBranches = {
    "子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};
inline constexpr std::array<std::string_view, 12> kZodiacAnimals = {
    "鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"};
inline constexpr std::array<std::string_view, 10> kChineseNumerals = {
    "一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};

inline constexpr std::array<std::string_view, 24> kSolarTermNames = {
    "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
    "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};

// Minutes from the start of the tropical year to each term, 小寒 first.
inline constexpr std::array<double, 24> kSolarTermMinutes = {
    0,      21208,  42467,  63836,  85337,  107014, 128867, 150921, 173149, 195551, 218072, 240693,
    263343, 285989, 308563, 331033, 353350, 375494, 397447, 419210, 440795, 462224, 483532, 504758};
// The mean tropical year in seconds.
inline constexpr double kTropicalYearSeconds = 31556925.9747;
// 1900-01-06 02:05, the instant of 小寒 1900, in seconds from 1970-01-01 00:00.
inline constexpr long long kFirstTermSeconds = -2208549300;

struct Festival {
    int month;
    int day;
    std::string_view name;
};

// Gregorian festivals, in the order they are tried.
inline constexpr std::array<Festival, 17> kGregorianFestivals = {{
    {1, 1, "元旦"},    {2, 14, "情人节"}, {3, 8, "妇女节"},  {3, 12, "植树节"}, {3, 15, "权益日"},
    {4, 1, "愚人节"},  {5, 1, "劳动节"},  {5, 4, "青年节"},  {5, 12, "护士节"}, {6, 1, "儿童节"},
    {7, 1, "建党节"},  {8, 1, "建军节"},  {8, 8, "父亲节"},  {9, 10, "教师节"}, {10, 1, "国庆节"},
    {10, 6, "老人节"}, {12, 25, "圣诞节"},
}};

// Lunar festivals, in the order they are tried; they fall in ordinary months only.
// The new year's eve is not marked: it is day 29 or 30 of month 12, and an
// entry keyed "month 1, day 0" would never match, as no lunar date has day 0.
inline constexpr std::array<Festival, 9> kLunarFestivals = {{
    {1, 1, "春节"},   {1, 15, "元宵节"}, {5, 5, "端午节"}, {7, 7, "七夕节"}, {7, 15, "中元节"},
    {8, 15, "中秋节"}, {9, 9, "重阳节"},  {12, 8, "腊八节"}, {12, 24, "小年"},
}};

struct StarSign {
    int first; // month * 100 + day, inclusive
    int last;  // inclusive
    std::string_view name;
};

// 魔羯座 wraps the year's end and is handled apart.
inline constexpr std::array<StarSign, 11> kStarSigns = {{
    {321, 420, "白羊座"},  {421, 520, "金牛座"},  {521, 621, "双子座"}, {622, 722, "巨蟹座"},
    {723, 822, "狮子座"},  {823, 922, "处女座"},  {923, 1022, "天秤座"}, {1023, 1121, "天蝎座"},
    {1122, 1221, "射手座"}, {120, 218, "水瓶座"}, {219, 320, "双鱼座"},
}};
inline constexpr std::string_view kCapricorn = "魔羯座";
inline constexpr int kCapricornFrom = 1222; // through 0119

} // namespace lunar::tables
