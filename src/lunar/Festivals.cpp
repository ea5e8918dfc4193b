// Festivals, star signs and the Gregorian facts the month grid asks for.

#include "lunar/Lunar.h"
#include "lunar/CalendarDay.h"
#include "lunar/LunarTables.h"

namespace lunar {
namespace {

using namespace std::chrono;

constexpr int kFirstGregorianYear = -32767;
constexpr int kLastGregorianYear = 32767;

} // namespace

DayText FestivalOrLunarDay(Date d)
{
    const LunarDate lunar = ToLunarDate(d);
    if (!lunar.ok())
        return {};
    // A leap month repeats its twin's numbers, so its days would hold every
    // festival of that month a second time.
    if (!lunar.leap) {
        for (const auto& festival : tables::kLunarFestivals) {
            if (festival.month == lunar.month && festival.day == lunar.day)
                return {std::string(festival.name), true};
        }
    }
    const int month = int(unsigned(d.month()));
    const int day = int(unsigned(d.day()));
    for (const auto& festival : tables::kGregorianFestivals) {
        if (festival.month == month && festival.day == day)
            return {std::string(festival.name), true};
    }
    return {LunarDayName(lunar.day), false};
}

std::string StarSignOf(Date d)
{
    if (!d.ok())
        return {};
    const int key = int(unsigned(d.month())) * 100 + int(unsigned(d.day())); // [101, 1231]
    if (key >= tables::kCapricornFrom || key <= 119)
        return std::string(tables::kCapricorn);
    for (const auto& sign : tables::kStarSigns) {
        if (key >= sign.first && key <= sign.last)
            return std::string(sign.name);
    }
    return {};
}

std::string StarSignOf(DateTime t)
{
    return StarSignOf(CalendarDayOf(t));
}

int DaysInMonth(int y, int month)
{
    if (y < kFirstGregorianYear || y > kLastGregorianYear || month < 1 || month > 12)
        return 0;
    const year_month_day_last last{year{y} / std::chrono::month{unsigned(month)} / std::chrono::last};
    return int(unsigned(last.day()));
}

int WeekdayOf(Date d)
{
    if (!d.ok())
        return -1;
    return int(weekday{sys_days{d}}.c_encoding());
}

} // namespace lunar
