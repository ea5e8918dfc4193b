// The date-picker control's lunar queries, with their fallback to its Value.

#include "lunar/Lunar.h"

namespace lunar {
namespace {

using namespace std::chrono;

DateTime DateAnswered(DateTime theDate, DateTime value)
{
    if (theDate < local_days{kFirstQueryDate} || theDate > local_days{kLastQueryDate})
        return value;
    return theDate;
}

LunarDate LunarAnswered(DateTime theDate, DateTime value)
{
    return ToLunarDate(DateAnswered(theDate, value));
}

} // namespace

std::optional<std::string> GetChineseDate(DateTime theDate, DateTime value)
{
    const auto year = GetChineseYear(theDate, value);
    const auto month = GetChineseMonth(theDate, value);
    const auto day = GetChineseDay(theDate, value);
    if (!year || !month || !day)
        return std::nullopt;
    return "农历" + *year + *month + *day;
}

std::optional<std::string> GetChineseYear(DateTime theDate, DateTime value)
{
    const LunarDate lunar = LunarAnswered(theDate, value);
    if (!lunar.ok())
        return std::nullopt;
    std::string text = StemBranchYearName(lunar.year);
    if (lunar.leap)
        text += "(闰)";
    return text;
}

std::optional<std::string> GetChineseMonth(DateTime theDate, DateTime value)
{
    const LunarDate lunar = LunarAnswered(theDate, value);
    if (!lunar.ok())
        return std::nullopt;
    return LunarMonthName(lunar.month);
}

std::optional<std::string> GetChineseDay(DateTime theDate, DateTime value)
{
    const LunarDate lunar = LunarAnswered(theDate, value);
    if (!lunar.ok())
        return std::nullopt;
    return LunarDayName(lunar.day);
}

std::optional<std::string> GetChineseAnimal(DateTime theDate, DateTime value)
{
    const LunarDate lunar = LunarAnswered(theDate, value);
    if (!lunar.ok())
        return std::nullopt;
    return ZodiacAnimalOf(lunar.year);
}

std::optional<std::string> GetConstellation(DateTime theDate, DateTime value)
{
    std::string sign = StarSignOf(DateAnswered(theDate, value));
    if (sign.empty())
        return std::nullopt;
    return sign;
}

} // namespace lunar
