#include "SettlementPeriod.h"

#include "RegistrationBoxRules.h"

namespace tarnby {

int daysInMonth(int year, int month)
{
    switch (month) {
    case 1: case 3: case 5: case 7: case 8: case 10: case 12:
        return 31;
    case 4: case 6: case 9: case 11:
        return 30;
    case 2:
        return isLeapYear(year) ? 29 : 28;
    default:
        return 0;
    }
}

int firstDayOffset(int year, int month)
{
    return QDate(year, month, 1).dayOfWeek() % 7; // Qt counts Monday = 1 ... Sunday = 7
}

MonthKey SettlementPeriod::secondMonth() const
{
    return start.month < 12 ? MonthKey{start.year, start.month + 1} : MonthKey{start.year + 1, 1};
}

QDate SettlementPeriod::firstDay() const
{
    return QDate(start.year, start.month, style == kMonthStartStyle ? 1 : 16);
}

QDate SettlementPeriod::lastDay() const
{
    if (style == kMonthStartStyle)
        return QDate(start.year, start.month, daysInMonth(start.year, start.month));
    const MonthKey next = secondMonth();
    return QDate(next.year, next.month, 15);
}

bool SettlementPeriod::contains(const QDate& date) const
{
    return date.isValid() && date >= firstDay() && date <= lastDay();
}

int SettlementPeriod::restFlagIndex(const QDate& date) const
{
    if (!contains(date))
        return 0;
    return date.month() == start.month && date.year() == start.year ? date.day() : 31 + date.day();
}

QList<PeriodDay> SettlementPeriod::days(const RestDayFlags& flags) const
{
    QList<PeriodDay> out;
    for (QDate d = firstDay(), last = lastDay(); d.isValid() && d <= last; d = d.addDays(1)) {
        const int index = restFlagIndex(d);
        out.append(PeriodDay{d, index, flags.at(std::size_t(index))});
    }
    return out;
}

} // namespace tarnby
