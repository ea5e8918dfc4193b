#pragma once
// The settlement period: style 1 is the calendar month M, style 2 runs from the
// 16th of M to the 15th of the month after. The period's days carry the index
// of their rest-day flag: d in the first calendar month, 31 + d in the second.

#include "MonthFile.h"

#include <QDate>
#include <QList>
#include <array>

namespace tarnby {

inline constexpr int kMonthStartStyle = 1; // 月初制
inline constexpr int kMidMonthStyle = 2;   // 月中制

// Index 0 is never set; d for day d of the first month, 31 + d for the second.
using RestDayFlags = std::array<bool, 63>;

// The days of a month by the pages' rule (February by the leap-year rule).
int daysInMonth(int year, int month);

// Weekday of the first of the month, Sunday = 0 ... Saturday = 6: the grid
// position of day 1.
int firstDayOffset(int year, int month);

struct PeriodDay {
    QDate date;
    int restFlagIndex = 0; // [1, 62]
    bool rest = false;
};

struct SettlementPeriod {
    int style = kMidMonthStyle;
    MonthKey start; // year Y and month M

    // The calendar month after the start month (January of Y + 1 after December).
    MonthKey secondMonth() const;
    QDate firstDay() const;
    QDate lastDay() const;
    bool contains(const QDate& date) const;
    // The flag index of a date of the period; 0 when the date lies outside it.
    int restFlagIndex(const QDate& date) const;
    // Every day of the period in order, with its rest flag taken from `flags`.
    QList<PeriodDay> days(const RestDayFlags& flags = {}) const;
};

} // namespace tarnby
