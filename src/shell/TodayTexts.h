#pragma once
// The texts of the today page that do not need the calendar control: weekday
// names, the Gregorian half of the banner and the month's almanac lines.

#include <QDate>
#include <QString>
#include <array>

namespace tarnby::ui {

// weekday 1..7 with Sunday = 1; style 1 gives "星期…", any other style "周…".
// A weekday outside 1..7 gives the prefix alone.
QString WeekdayName(int weekday, qint16 style);

// Sunday = 1 .. Saturday = 7, the numbering WeekdayName expects.
int sundayFirstWeekday(const QDate& date);

// "2013年2月20日 星期三": the banner before its lunar part.
QString gregorianBanner(const QDate& workDate);

// Adds " [农历" year month day "]" to the Gregorian banner.
QString fullBanner(const QString& gregorian, const QString& lunarYear, const QString& lunarMonth,
                   const QString& lunarDay);

// The three almanac lines for a month 1..12: "十一月山茶花开" and the two
// seasonal phrases. Any other month gives three empty lines.
std::array<QString, 3> almanacLines(int month);

} // namespace tarnby::ui
