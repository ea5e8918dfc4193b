// Lunar dates by counting days from a lunar new year's day through the year table.

#include "lunar/Lunar.h"
#include "lunar/LunarTables.h"

#include <cstdio>

namespace lunar {
namespace {

using namespace std::chrono;

// The two reference points, each a lunar new year's day (month 1, day 1).
constexpr Date kSecondReference{year{2000}, February, day{5}};
constexpr int kSecondReferenceYear = 2000;

// Far enough outside the domain that no later arithmetic can overflow.
constexpr Date kSaneFirst{year{1800}, January, day{1}};
constexpr Date kSaneLast{year{2200}, January, day{1}};

std::uint32_t YearInfo(int y) // y in [1900, 2100]
{
    return tables::kLunarYearInfo[std::size_t(y - kFirstLunarYear)];
}

// Whole days from `from` to t, rounded to the nearest day, halves to even.
long long RoundedDaysSince(local_days from, DateTime t)
{
    constexpr long long kDayMs = 86'400'000;
    const long long ms = (t - from).count();
    long long whole = ms / kDayMs;
    long long rest = ms % kDayMs;
    if (rest < 0) {
        rest += kDayMs;
        --whole;
    }
    // rest in [0, kDayMs)
    if (rest > kDayMs / 2 || (rest == kDayMs / 2 && whole % 2 != 0))
        ++whole;
    return whole;
}

// offset: days since lunar new year of startYear; the caller keeps it within the
// table, so the year loop never runs past lastYear.
LunarDate WalkYearTable(long long offset, int startYear, int lastYear)
{
    int y = startYear;
    long long t = 0;
    while (y <= lastYear) {
        if (offset < 0)
            break;
        t = LunarYearDays(y);
        offset -= t;
        ++y;
    }
    if (offset < 0) {
        offset += t;
        --y;
    }
    // offset in [0, 384]: days since the new year of lunar year y

    const int leap = LeapMonthOf(y);
    bool isLeap = false;
    int i = 1;
    while (i <= 12 && offset > 0) {
        if (leap > 0 && i == leap + 1 && !isLeap) {
            --i;
            isLeap = true;
            t = LeapMonthDays(y);
        } else {
            t = LunarMonthDays(y, i);
        }
        if (isLeap && i == leap + 1)
            isLeap = false;
        offset -= t;
        ++i;
    }
    // offset 0 right after the leap month's ordinary twin: the day opens the leap
    // month; right after the leap month itself: it opens the next ordinary month.
    if (offset == 0 && leap > 0 && i == leap + 1) {
        if (isLeap) {
            isLeap = false;
        } else {
            isLeap = true;
            --i;
        }
    }
    if (offset < 0) {
        offset += t;
        --i;
    }
    return LunarDate{y, i, int(offset) + 1, isLeap};
}

std::string Concat(std::string_view a, std::string_view b, std::string_view c = {})
{
    std::string text;
    text.reserve(a.size() + b.size() + c.size());
    text.append(a).append(b).append(c);
    return text;
}

int PositiveMod(int a, int n)
{
    const int r = a % n;
    return r < 0 ? r + n : r;
}

} // namespace

bool LunarDate::ok() const
{
    if (year < kFirstLunarYear || year > kLastLunarYear || month < 1 || month > 12 || day < 1)
        return false;
    if (leap)
        return LeapMonthOf(year) == month && day <= LeapMonthDays(year);
    return day <= LunarMonthDays(year, month);
}

std::string LunarDate::code() const
{
    if (!ok())
        return {};
    char text[16];
    std::snprintf(text, sizeof text, "%d%04d%02d%02d", leap ? 1 : 0, year, month, day);
    return text;
}

LunarDate ToLunarDate(DateTime t)
{
    if (t < local_days{kSaneFirst} || t > local_days{kSaneLast})
        return {};
    const local_days first{kFirstConvertible};
    const local_days second{kSecondReference};
    const bool fromFirst = t <= second;
    const local_days from = fromFirst ? first : second;
    const long long offset = RoundedDaysSince(from, t);
    if (offset < 0 || from + days{offset} > local_days{kLastConvertible})
        return {};
    return fromFirst ? WalkYearTable(offset, kFirstLunarYear, kSecondReferenceYear)
                     : WalkYearTable(offset, kSecondReferenceYear, kLastLunarYear);
}

LunarDate ToLunarDate(Date d)
{
    if (!d.ok())
        return {};
    return ToLunarDate(DateTime{local_days{d}});
}

std::string ToLunarCode(Date d)
{
    return ToLunarDate(d).code();
}

std::string ToLunarCode(DateTime t)
{
    return ToLunarDate(t).code();
}

int LunarMonthDays(int year, int month)
{
    if (month < 1 || month > 12 || year > kLastLunarYear)
        return 0;
    if (year < kFirstLunarYear)
        year = kFirstLunarYear;
    return (YearInfo(year) & (0x10000u >> month)) != 0 ? 30 : 29;
}

int LeapMonthOf(int year)
{
    if (year < kFirstLunarYear || year > kLastLunarYear)
        return 0;
    return int(YearInfo(year) & 0xF);
}

int LeapMonthDays(int year)
{
    if (LeapMonthOf(year) == 0)
        return 0;
    return (YearInfo(year) & 0x10000u) != 0 ? 30 : 29;
}

int LunarYearDays(int year)
{
    if (year < kFirstLunarYear || year > kLastLunarYear)
        return 0;
    return tables::kLunarYearDays[std::size_t(year - kFirstLunarYear)];
}

std::string StemBranchYearName(int year)
{
    // 1894 was a 甲 year and 1888 a 子 year
    return Concat(tables::kHeavenlyStems[std::size_t(PositiveMod(year - 1894, 10))],
                  tables::kEarthlyBranches[std::size_t(PositiveMod(year - 1888, 12))], "年");
}

std::string ZodiacAnimalOf(int year)
{
    return std::string(tables::kZodiacAnimals[std::size_t(PositiveMod(year - 1900, 12))]);
}

std::string LunarMonthName(int month)
{
    const auto& numeral = tables::kChineseNumerals;
    if (month < 1 || month > 12)
        return {};
    if (month <= 10)
        return Concat(numeral[std::size_t(month - 1)], "月");
    return Concat("十", numeral[std::size_t(month % 10 - 1)], "月");
}

std::string LunarDayName(int day)
{
    const auto& numeral = tables::kChineseNumerals;
    if (day < 1)
        return {};
    if (day <= 10)
        return Concat("初", numeral[std::size_t(day - 1)]);
    if (day < 20)
        return Concat("十", numeral[std::size_t(day % 10 - 1)]);
    if (day == 20)
        return "二十";
    if (day < 30)
        return Concat("廿", numeral[std::size_t(day % 10 - 1)]);
    return "三十";
}

std::string LunarDayNameOf(Date d)
{
    const LunarDate lunar = ToLunarDate(d);
    return lunar.ok() ? LunarDayName(lunar.day) : std::string();
}

} // namespace lunar
