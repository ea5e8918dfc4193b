#pragma once
// Spreadsheet serial dates: a moment stored as a count of days. Every reader
// hands the import its date-times in the 1900 date system, whatever the file
// holds: 1.0 is 1900-01-01 00:00, and serial 60 is the 1900-02-29 that system
// counts although that day never was. Some workbooks are saved in the 1904
// system instead, where 0.0 is 1904-01-01.
//
// The readers and the import meet here: no other place does arithmetic on
// serials or decides whether a year, month and day make a day.

#include <chrono>
#include <optional>
#include <string_view>

namespace tarnby::serial {

inline constexpr int kSecondsPerDay = 86400;

// A value of a workbook saved in the 1904 date system, in the 1900 system:
// 1904-01-01 is day 1462 of the 1900 system.
constexpr double from1904(double serial1904)
{
    return serial1904 + 1462;
}

// A count of days as a text export writes one: digits with at most one
// decimal point between digits ("45231", "45231.5"), read to the nearest
// double; nullopt for any other text (signs, exponents, blanks).
std::optional<double> fromDecimalText(std::u16string_view text);

// The day a year, month and day name in the proleptic Gregorian calendar;
// nullopt when there is no such day (2013-02-29, month 13, day 0).
std::optional<std::chrono::sys_days> civilDay(int year, int month, int day);

// The day of a whole serial. Serials 1 to 60 count from 1899-12-31, so that
// the phantom 1900-02-29 (60) reads as 1900-03-01; 0 and serials from 61 on
// count from 1899-12-30.
std::chrono::sys_days dayOf(long long serialDay);

// The whole serial of a day; days before 1900-03-01 count one less, as the
// 1900 system does. The inverse of dayOf from 1900-01-01 on.
long long serialDayOf(std::chrono::sys_days day);

// A serial taken apart: its day, and its time of day rounded to the nearest
// second (a time that rounds up to midnight is the next day's 00:00:00).
struct Moment {
    std::chrono::sys_days day;
    std::chrono::seconds time; // [0, 86399]
};

// The moment of a serial in the 1900 system; nullopt for a value that is not
// finite, is negative, or rounds past 9999-12-31 23:59:59 (the last moment a
// four-digit year writes).
std::optional<Moment> momentOf(double serial);

// The serial of a day and a time of day in seconds (fractions kept).
double serialOf(std::chrono::sys_days day, double secondsOfDay);

} // namespace tarnby::serial
