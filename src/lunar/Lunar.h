#pragma once
// The Chinese lunar calendar of lunar years 1900–2100: conversion of a Gregorian
// date to its lunar date, the Chinese names, the 24 solar terms, festivals, the
// Western star signs, and the six queries of the date-picker control.
//
// Standard C++ only. Texts are UTF-8. Dates are naive local calendar dates: a
// plain date is a std::chrono::year_month_day (a sys_days converts to it
// implicitly), a date with a time of day is a DateTime (local_days plus the time).
// No time zone is applied anywhere.
//
// Arguments outside the domain are argument errors reported as values, never
// undefined behaviour: a LunarDate with ok() == false, an empty text, a count of
// 0, an invalid year_month_day or an empty optional, as each function says.
// Every table is constant, so nothing needs initialising and every function may
// be called from any thread.

#include "lunar_export.h"

#include <chrono>
#include <optional>
#include <string>

namespace lunar {

using Date = std::chrono::year_month_day;
// A date with a time of day, as the control's Value carries it. Build one as
// `std::chrono::local_days{date} + std::chrono::hours{13}`.
using DateTime = std::chrono::local_time<std::chrono::milliseconds>;

// Lunar years of the year table.
inline constexpr int kFirstLunarYear = 1900;
inline constexpr int kLastLunarYear = 2100;
// The conversion's domain: lunar 1900-01-01 up to the last day of lunar 2100.
inline constexpr Date kFirstConvertible{std::chrono::year{1900}, std::chrono::January, std::chrono::day{31}};
inline constexpr Date kLastConvertible{std::chrono::year{2101}, std::chrono::January, std::chrono::day{28}};
// The range the control's queries answer for; other dates fall back to its Value.
inline constexpr Date kFirstQueryDate{std::chrono::year{1901}, std::chrono::January, std::chrono::day{1}};
inline constexpr Date kLastQueryDate{std::chrono::year{2100}, std::chrono::December, std::chrono::day{31}};

// What SolarTermOn answers for a day without a term: one space.
inline constexpr const char* kNoSolarTerm = " ";

// ---------------------------------------------------------------------------
// Lunar dates

struct LUNAR_EXPORT LunarDate {
    int year = 0;      // [1900, 2100]
    int month = 0;     // [1, 12]; a leap month carries the number of the month it follows
    int day = 0;       // [1, 30]
    bool leap = false; // the date lies in the year's leap month

    // False for the default value and for every failed conversion.
    bool ok() const;
    // The nine-character lunar code: leap flag ("1" or "0"), year as four digits,
    // month and day as two digits each; 2013-02-20 gives "020130111".
    // Empty when !ok().
    std::string code() const;

    friend bool operator==(const LunarDate&, const LunarDate&) = default;
};

// The lunar date of a Gregorian date; !ok() for an invalid date or one outside
// kFirstConvertible … kLastConvertible.
LUNAR_EXPORT LunarDate ToLunarDate(Date d);
// The same for a date with a time of day. The day count from the reference new
// year rounds to the nearest day, halves to even: a time after noon counts as
// the following day, and exactly 12:00 goes to the even count.
LUNAR_EXPORT LunarDate ToLunarDate(DateTime t);

// ToLunarDate(…).code(): the lunar code, or an empty text outside the domain.
LUNAR_EXPORT std::string ToLunarCode(Date d);
LUNAR_EXPORT std::string ToLunarCode(DateTime t);

// ---------------------------------------------------------------------------
// Lengths, from the year table. Each answers 0 for an argument it cannot answer.

// 29 or 30 for month [1, 12] of the year; a year before 1900 reads as 1900.
// 0 for a month outside [1, 12] or a year after 2100.
LUNAR_EXPORT int LunarMonthDays(int year, int month);
// The number [1, 12] of the year's leap month; 0 when it has none and for a
// year outside 1900–2100.
LUNAR_EXPORT int LeapMonthOf(int year);
// 29 or 30; 0 when the year has no leap month or lies outside 1900–2100.
LUNAR_EXPORT int LeapMonthDays(int year);
// Twelve ordinary months plus the leap month: 353–385 days; 0 outside 1900–2100.
LUNAR_EXPORT int LunarYearDays(int year);

// ---------------------------------------------------------------------------
// Names

// Stem and branch and "年": 2013 gives "癸巳年". Defined for every year.
LUNAR_EXPORT std::string StemBranchYearName(int year);
// "鼠" … "猪", 1900 being a rat year: 2013 gives "蛇". Defined for every year.
LUNAR_EXPORT std::string ZodiacAnimalOf(int year);
// "一月" … "十二月"; empty for a month outside [1, 12].
LUNAR_EXPORT std::string LunarMonthName(int month);
// "初一" … "初十", "十一" … "十九", "二十", "廿一" … "廿九", "三十" (also for 31
// and more); empty for a day of 0 or less.
LUNAR_EXPORT std::string LunarDayName(int day);
// LunarDayName of the date's lunar day; empty outside the conversion's domain.
LUNAR_EXPORT std::string LunarDayNameOf(Date d);

// ---------------------------------------------------------------------------
// Solar terms. Term n [1, 24] runs 小寒, 大寒, 立春 … 冬至; terms 2m−1 and 2m fall
// in Gregorian month m.

// "小寒" … "冬至"; empty for a number outside [1, 24].
LUNAR_EXPORT std::string SolarTermName(int term);
// The calendar day of term n of Gregorian year y, from the mean tropical year
// (the time of day is dropped, not rounded). An invalid Date (ok() == false) for
// a term outside [1, 24] or a year outside the calendar's range.
LUNAR_EXPORT Date SolarTermDate(int year, int term);
// The name of the term that falls on d, else kNoSolarTerm; empty for an invalid date.
LUNAR_EXPORT std::string SolarTermOn(Date d);
// As above; a time of day other than midnight never matches, so the answer is
// kNoSolarTerm even on the term's day.
LUNAR_EXPORT std::string SolarTermOn(DateTime t);

// ---------------------------------------------------------------------------
// Festivals and star signs

struct DayText {
    std::string text;      // festival name or lunar day name; empty on an argument error
    bool festival = false; // the text names a festival

    friend bool operator==(const DayText&, const DayText&) = default;
};

// What a month-grid cell shows under the day number: a lunar festival of an
// ordinary (not leap) lunar month, else a Gregorian festival, else the lunar day
// name. Empty text for a date outside the conversion's domain.
LUNAR_EXPORT DayText FestivalOrLunarDay(Date d);

// The three-character Western star sign, e.g. "魔羯座" for 22 December; empty for
// an invalid date.
LUNAR_EXPORT std::string StarSignOf(Date d);
// The sign of the calendar day of t (the time of day is ignored).
LUNAR_EXPORT std::string StarSignOf(DateTime t);

// ---------------------------------------------------------------------------
// Gregorian helpers of the month grid

// Days of Gregorian month [1, 12] of the year: 28–31; 0 for an invalid month or year.
LUNAR_EXPORT int DaysInMonth(int year, int month);
// Weekday of the date, 0 = Sunday … 6 = Saturday; -1 for an invalid date.
LUNAR_EXPORT int WeekdayOf(Date d);

// ---------------------------------------------------------------------------
// The date-picker control's six queries. Each takes the date asked about and the
// control's Value: a date earlier than 1901-01-01 00:00 or later than
// 2100-12-31 00:00 (any time of day on 2100-12-31 is already later) is replaced
// by the Value. The empty optional is the error result, given when the date
// answered for (that is, the Value) lies outside the conversion's domain.

// "农历" + year + month + day: 2013-02-20 gives "农历癸巳年一月十一",
// 2023-03-22 gives "农历癸卯年(闰)二月初一".
LUNAR_EXPORT std::optional<std::string> GetChineseDate(DateTime theDate, DateTime value);
// StemBranchYearName of the lunar year, followed by "(闰)" in a leap month.
LUNAR_EXPORT std::optional<std::string> GetChineseYear(DateTime theDate, DateTime value);
// LunarMonthName of the lunar month (no leap marker).
LUNAR_EXPORT std::optional<std::string> GetChineseMonth(DateTime theDate, DateTime value);
// LunarDayName of the lunar day.
LUNAR_EXPORT std::optional<std::string> GetChineseDay(DateTime theDate, DateTime value);
// ZodiacAnimalOf the lunar year.
LUNAR_EXPORT std::optional<std::string> GetChineseAnimal(DateTime theDate, DateTime value);
// StarSignOf the calendar day (it needs no lunar date, so only an unrepresentable
// calendar day fails).
LUNAR_EXPORT std::optional<std::string> GetConstellation(DateTime theDate, DateTime value);

} // namespace lunar
