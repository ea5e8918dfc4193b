#pragma once
// Between Qt's dates and the lunar module's: the control's dates are naive, so
// only the calendar day and the time of day cross over, never a time zone.

#include "lunar/Lunar.h"

#include <QDateTime>
#include <QString>

#include <chrono>
#include <optional>
#include <string>

namespace lundar {

// std::chrono's calendar covers years -32767 … 32767; QDate covers more.
inline std::optional<lunar::Date> toLunarDate(QDate d)
{
    if (!d.isValid() || d.year() < -32767 || d.year() > 32767)
        return std::nullopt;
    return lunar::Date{std::chrono::year{d.year()}, std::chrono::month{unsigned(d.month())},
                       std::chrono::day{unsigned(d.day())}};
}

inline std::optional<lunar::DateTime> toLunarTime(const QDateTime& t)
{
    const std::optional<lunar::Date> day = toLunarDate(t.date());
    if (!day)
        return std::nullopt;
    const int ms = t.time().isValid() ? t.time().msecsSinceStartOfDay() : 0;
    return std::chrono::local_days{*day} + std::chrono::milliseconds{ms};
}

inline QString fromUtf8(const std::string& s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// A name the lunar module gives (its year, month and day names, the leap
// marker, zodiac animals, solar terms, festivals) as the loaded translations
// write it; the module's own text where none does.
QString lunarName(const std::string& name);
// The lunar date as the title bar reads it, "农历" and the names of the year,
// month and day, with the leap marker after the year when asked for; empty
// for a date that failed to convert.
QString lunarDateLine(const lunar::LunarDate& date, bool leapMarker);

} // namespace lundar
