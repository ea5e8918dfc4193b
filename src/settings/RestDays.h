#pragma once
// Which days of a settlement period are rest days: the days the calendar lets
// the user mark, the weekends-and-holidays marking, and bringing a list of
// rest days onto the drawn calendar and back. No files here: Holidays.txt and
// the saved marks are read by their own modules and handed in.

#include "Holidays.h"
#include "SettlementCalendar.h"
#include "SettlementPeriod.h"

#include <QDate>
#include <QList>

namespace tarnby::restdays {

// The days of the period whose label the settlement calendar enables, in
// order: every day of the period, except that at the end of the calendar
// (style 2 from December 2100) the days of January 2101 cannot be marked.
QList<QDate> clickableDays(const SettlementPeriod& period);

// Every clickable day that is a Saturday, a Sunday or a holiday of the
// calendar, except the days it lists as working days; in order.
QList<QDate> autoRestDays(const QList<QDate>& clickable, const HolidayCalendar& holidays);
QList<QDate> autoRestDays(const SettlementPeriod& period, const HolidayCalendar& holidays);

// The days marked on the drawn calendar, in order.
QList<QDate> markedDays(const SettlementCalendar& calendar);

// Makes `days` the marks of the drawn calendar: every other clickable day is
// unmarked, as a right click would, and each listed day is marked, as a left
// click would. Days the calendar does not let the user click are left out.
void showMarks(SettlementCalendar& calendar, const QList<QDate>& days);

// The date a drawn day label cLab(index) stands for, enabled or not (for the
// holiday name shown over it); invalid for an empty label or without a period.
QDate cellDate(const SettlementCalendar& calendar, int index);

// The days in both lists or in either, each once and in order.
QList<QDate> unite(const QList<QDate>& a, const QList<QDate>& b);

} // namespace tarnby::restdays
