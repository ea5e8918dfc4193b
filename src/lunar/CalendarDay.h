#pragma once
// The calendar day of a date-time, for the library's own use.

#include "lunar/Lunar.h"

namespace lunar {

// The day t falls on; an invalid Date when t lies beyond the years a Date can
// hold, where the day arithmetic would wrap.
inline Date CalendarDayOf(DateTime t)
{
    using namespace std::chrono;
    constexpr Date kFirst{year::min(), January, day{1}};
    constexpr Date kLast{year::max(), December, day{31}};
    if (t < local_days{kFirst} || t >= local_days{kLast} + days{1})
        return {};
    return Date{floor<days>(t)};
}

} // namespace lunar
