#include "RestDays.h"

#include <algorithm>

namespace tarnby::restdays {

QList<QDate> clickableDays(const SettlementPeriod& period)
{
    QList<QDate> out;
    for (const PeriodDay& day : period.days()) {
        if (day.date.year() <= monthfile::kLastYear)
            out.append(day.date);
    }
    return out;
}

QList<QDate> autoRestDays(const QList<QDate>& clickable, const HolidayCalendar& holidays)
{
    QList<QDate> out;
    for (const QDate& date : clickable) {
        if (const auto entry = holidays.entry(date)) {
            if (!entry->workingDay)
                out.append(date);
        } else if (date.dayOfWeek() >= 6) { // Qt: Saturday 6, Sunday 7
            out.append(date);
        }
    }
    return out;
}

QList<QDate> autoRestDays(const SettlementPeriod& period, const HolidayCalendar& holidays)
{
    return autoRestDays(clickableDays(period), holidays);
}

QList<QDate> markedDays(const SettlementCalendar& calendar)
{
    QList<QDate> out;
    for (const PeriodDay& day : calendar.periodDays()) {
        if (day.rest)
            out.append(day.date);
    }
    return out;
}

void showMarks(SettlementCalendar& calendar, const QList<QDate>& days)
{
    for (int i = 0; i < SettlementCalendar::kCellCount; ++i)
        calendar.clickDay(i, ClickButton::Right); // disabled labels ignore it
    for (const QDate& date : days)
        calendar.markRestDate(date); // a day that cannot be clicked stays unmarked
}

QDate cellDate(const SettlementCalendar& calendar, int index)
{
    if (index < 0 || index >= SettlementCalendar::kCellCount)
        return {};
    return calendar.drawing().cells.at(std::size_t(index)).date;
}

QList<QDate> unite(const QList<QDate>& a, const QList<QDate>& b)
{
    QList<QDate> out = a + b;
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

} // namespace tarnby::restdays
