// The 24 solar terms, placed by the mean tropical year from the 小寒 of 1900.

#include "lunar/Lunar.h"
#include "lunar/CalendarDay.h"
#include "lunar/LunarTables.h"

#include <cmath>

namespace lunar {
namespace {

using namespace std::chrono;

// The years whose term dates stay within sys_days and an int64 count of seconds.
constexpr int kFirstTermYear = -32767;
constexpr int kLastTermYear = 32767;

} // namespace

std::string SolarTermName(int term)
{
    if (term < 1 || term > 24)
        return {};
    return std::string(tables::kSolarTermNames[std::size_t(term - 1)]);
}

Date SolarTermDate(int y, int term)
{
    if (term < 1 || term > 24 || y < kFirstTermYear || y > kLastTermYear)
        return {};
    const double s = tables::kTropicalYearSeconds * (y - 1900)
        + tables::kSolarTermMinutes[std::size_t(term - 1)] * 60
        + double(tables::kFirstTermSeconds);
    // Added in two rounded halves, as the calendar always has, so a half second
    // lands where it always landed.
    const double half = s / 2;
    const auto seconds = std::llround(std::nearbyint(half)) + std::llround(std::nearbyint(s - half));
    const Date date{floor<days>(sys_seconds{std::chrono::seconds{seconds}})};
    return date.ok() ? date : Date{};
}

std::string SolarTermOn(Date d)
{
    if (!d.ok())
        return {};
    const int y = int(d.year());
    const int m = int(unsigned(d.month()));
    for (const int term : {2 * m - 1, 2 * m}) {
        if (SolarTermDate(y, term) == d)
            return SolarTermName(term);
    }
    return kNoSolarTerm;
}

std::string SolarTermOn(DateTime t)
{
    const Date d = CalendarDayOf(t);
    if (!d.ok())
        return {};
    if (t != local_days{d})
        return kNoSolarTerm;
    return SolarTermOn(d);
}

} // namespace lunar
