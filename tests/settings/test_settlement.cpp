#include "settings/SettlementCalendar.h"

#include <gtest/gtest.h>

using namespace tarnby;

namespace {

// The cells of one grid that are enabled, as their captions.
QStringList enabledDays(const SettlementCalendar::Drawing& d, int firstCell)
{
    QStringList out;
    for (int i = firstCell; i < firstCell + 42; ++i) {
        if (d.cells[std::size_t(i)].enabled)
            out.append(d.cells[std::size_t(i)].caption);
    }
    return out;
}

int cellOf(const SettlementCalendar::Drawing& d, int firstCell, int day)
{
    for (int i = firstCell; i < firstCell + 42; ++i) {
        if (d.cells[std::size_t(i)].caption == QString::number(day))
            return i;
    }
    return -1;
}

QStringList range(int from, int to)
{
    QStringList out;
    for (int d = from; d <= to; ++d)
        out.append(QString::number(d));
    return out;
}

TEST(PeriodPickersTest, YearsAroundTheWorkDateAndTheMonthBefore)
{
    struct Row {
        const char* name;
        QDate workDate;
        QString firstYear;
        QString lastYear;
        QString selectedYear;
        QString selectedMonth;
    };
    const Row rows[] = {
        {"5 March 2013 pre-selects 2013 and February", QDate(2013, 3, 5), "2007", "2019", "2013", "2"},
        {"January selects no month", QDate(2013, 1, 20), "2007", "2019", "2013", ""},
        {"December selects November", QDate(2013, 12, 1), "2007", "2019", "2013", "11"},
        {"1903 starts the years at 1901", QDate(1903, 6, 1), "1901", "1909", "1903", "5"},
        {"2098 ends the years at 2100", QDate(2098, 6, 1), "2092", "2100", "2098", "5"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const PeriodPickers p = FillPeriodPickers(row.workDate);
        EXPECT_EQ(p.years.first(), row.firstYear);
        EXPECT_EQ(p.years.last(), row.lastYear);
        EXPECT_EQ(p.yearText(), row.selectedYear);
        EXPECT_EQ(p.monthText(), row.selectedMonth);
        EXPECT_EQ(p.months, range(1, 12));
    }
}

TEST(SettlementCalendarTest, LabelsCaptionsAndClickableDays)
{
    struct Row {
        const char* name;
        int style;
        QString year;
        QString month;
        QString label;
        QString first;
        QString second;
        QStringList firstEnabled;
        QStringList secondEnabled;
        int firstOffset;
        int secondOffset;
    };
    const Row rows[] = {
        {"mid-month December runs into January of the next year", kMidMonthStyle, "2013", "12",
         QStringLiteral("12月16日 —— 1月15日"), QStringLiteral("2013年12月"), QStringLiteral("2014年1月"), range(16, 31),
         range(1, 15), 0, 3},
        {"month-start style enables the whole first month only", kMonthStartStyle, "2013", "2",
         QStringLiteral("2月1日 —— 2月28日"), QStringLiteral("2013年2月"), QStringLiteral("2013年3月"), range(1, 28), {}, 5,
         5},
        {"February 2012 has 29 days", kMonthStartStyle, "2012", "2", QStringLiteral("2月1日 —— 2月29日"),
         QStringLiteral("2012年2月"), QStringLiteral("2012年3月"), range(1, 29), {}, 3, 4},
        {"February 2000 has 29 days", kMonthStartStyle, "2000", "2", QStringLiteral("2月1日 —— 2月29日"),
         QStringLiteral("2000年2月"), QStringLiteral("2000年3月"), range(1, 29), {}, 2, 3},
        {"February 2100 has 28 days", kMonthStartStyle, "2100", "2", QStringLiteral("2月1日 —— 2月28日"),
         QStringLiteral("2100年2月"), QStringLiteral("2100年3月"), range(1, 28), {}, 1, 1},
        {"mid-month February of a common year", kMidMonthStyle, "2013", "2", QStringLiteral("2月16日 —— 3月15日"),
         QStringLiteral("2013年2月"), QStringLiteral("2013年3月"), range(16, 28), range(1, 15), 5, 5},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SettlementCalendar calendar;
        calendar.setStyle(row.style);
        const auto& d = calendar.DrawSettlementCalendar(monthfile::shownMonth(row.year, row.month));
        EXPECT_EQ(d.periodLabel, row.label);
        EXPECT_EQ(d.firstMonthCaption, row.first);
        EXPECT_EQ(d.secondMonthCaption, row.second);
        EXPECT_EQ(enabledDays(d, 0), row.firstEnabled);
        EXPECT_EQ(enabledDays(d, 42), row.secondEnabled);
        EXPECT_EQ(d.cells[std::size_t(row.firstOffset)].caption, QStringLiteral("1"));
        EXPECT_EQ(d.cells[std::size_t(42 + row.secondOffset)].caption, QStringLiteral("1"));
        EXPECT_TRUE(d.message.isEmpty());
        EXPECT_TRUE(d.flagsCleared);
    }
}

TEST(SettlementCalendarTest, December2100IsTheEndOfTheCalendar)
{
    SettlementCalendar calendar;
    const auto& d = calendar.DrawSettlementCalendar(monthfile::shownMonth("2100", "12"));
    EXPECT_EQ(d.message, kEndOfCalendarMessage);
    EXPECT_EQ(d.firstMonthCaption, QStringLiteral("2100年12月"));
    EXPECT_EQ(d.secondMonthCaption, QStringLiteral("2100年12月"));
    EXPECT_EQ(cellOf(d, 0, 1), 3);
    EXPECT_EQ(cellOf(d, 42, 1), 45);
    EXPECT_EQ(cellOf(d, 42, 31), 45 + 30);
    EXPECT_EQ(enabledDays(d, 0), range(16, 31));
    // those labels repeat December, so they cannot stand for January 2101
    EXPECT_TRUE(enabledDays(d, 42).isEmpty());
    EXPECT_FALSE(calendar.markRestDate(QDate(2101, 1, 5)).ok());
}

TEST(SettlementCalendarTest, ClicksMarkAndUnmarkRestDays)
{
    SettlementCalendar calendar;
    const auto& d = calendar.DrawSettlementCalendar(monthfile::shownMonth("2013", "12"));
    const int dec20 = cellOf(d, 0, 20);
    const int jan3 = cellOf(d, 42, 3);
    EXPECT_EQ(calendar.clickDay(dec20, ClickButton::Left), kRestDayColour);
    EXPECT_EQ(calendar.clickDay(jan3, ClickButton::Left), kRestDayColour);
    EXPECT_TRUE(calendar.isRestDay(20));
    EXPECT_TRUE(calendar.isRestDay(34));
    EXPECT_EQ(calendar.drawing().cells[std::size_t(jan3)].colour, kRestDayColour);

    EXPECT_EQ(calendar.clickDay(dec20, ClickButton::Other), std::nullopt);
    EXPECT_TRUE(calendar.isRestDay(20));
    EXPECT_EQ(calendar.clickDay(dec20, ClickButton::Right), kPlainDayColour);
    EXPECT_FALSE(calendar.isRestDay(20));

    const int dec5 = cellOf(d, 0, 5); // before the 16th: not part of the period
    EXPECT_EQ(calendar.clickDay(dec5, ClickButton::Left), std::nullopt);
    EXPECT_FALSE(calendar.isRestDay(5));
    EXPECT_EQ(calendar.clickDay(-1, ClickButton::Left), std::nullopt);
    EXPECT_EQ(calendar.clickDay(84, ClickButton::Left), std::nullopt);
}

TEST(SettlementCalendarTest, RedrawingClearsEveryMark)
{
    SettlementCalendar calendar;
    calendar.DrawSettlementCalendar(monthfile::shownMonth("2013", "3"));
    ASSERT_TRUE(calendar.markRestDate(QDate(2013, 3, 20)).ok());
    ASSERT_TRUE(calendar.isRestDay(20));
    calendar.setStyle(kMonthStartStyle);
    calendar.DrawSettlementCalendar(monthfile::shownMonth("2013", "3"));
    EXPECT_EQ(calendar.restDayFlags(), RestDayFlags{});
}

TEST(SettlementCalendarTest, WithoutAMonthTheGridsStayEmptyAndMarksAreKept)
{
    SettlementCalendar calendar;
    calendar.DrawSettlementCalendar(monthfile::shownMonth("2013", "3"));
    ASSERT_TRUE(calendar.markRestDate(QDate(2013, 4, 2)).ok());
    const auto& d = calendar.DrawSettlementCalendar(monthfile::shownMonth("2013", ""));
    EXPECT_FALSE(d.flagsCleared);
    EXPECT_TRUE(calendar.isRestDay(33));
    for (const DayCell& cell : d.cells) {
        EXPECT_FALSE(cell.enabled);
        EXPECT_TRUE(cell.caption.isEmpty());
    }
    EXPECT_FALSE(calendar.period().has_value());
    EXPECT_TRUE(calendar.periodDays().isEmpty());
    EXPECT_FALSE(calendar.markRestDate(QDate(2013, 4, 2)).ok());
}

TEST(SettlementCalendarTest, RestDatesTheUserCouldNotClickAreRefused)
{
    struct Row {
        const char* name;
        int style;
        QDate date;
        bool ok;
        int flag;
    };
    const Row rows[] = {
        {"mid-month: the 16th of the first month", kMidMonthStyle, QDate(2013, 2, 16), true, 16},
        {"mid-month: the 15th of the second month", kMidMonthStyle, QDate(2013, 3, 15), true, 46},
        {"mid-month: the 15th of the first month", kMidMonthStyle, QDate(2013, 2, 15), false, 0},
        {"mid-month: the 16th of the second month", kMidMonthStyle, QDate(2013, 3, 16), false, 0},
        {"month-start: the first day", kMonthStartStyle, QDate(2013, 2, 1), true, 1},
        {"month-start: a day of the next month", kMonthStartStyle, QDate(2013, 3, 1), false, 0},
        {"another year", kMonthStartStyle, QDate(2014, 2, 1), false, 0},
        {"an invalid date", kMonthStartStyle, QDate(), false, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SettlementCalendar calendar;
        calendar.setStyle(row.style);
        calendar.DrawSettlementCalendar(monthfile::shownMonth("2013", "2"));
        const Outcome outcome = calendar.markRestDate(row.date);
        EXPECT_EQ(outcome.ok(), row.ok);
        EXPECT_EQ(outcome.title(), row.ok ? kTitleDone : kTitleError);
        RestDayFlags expected{};
        if (row.ok)
            expected[std::size_t(row.flag)] = true;
        EXPECT_EQ(calendar.restDayFlags(), expected);
    }
}

TEST(SettlementPeriodTest, DaysOfThePeriodCarryTheirFlags)
{
    struct Row {
        const char* name;
        SettlementPeriod period;
        int count;
        QDate first;
        QDate last;
    };
    const Row rows[] = {
        {"month-start April has 30 days", {kMonthStartStyle, {2013, 4}}, 30, QDate(2013, 4, 1), QDate(2013, 4, 30)},
        {"month-start February 2012 has 29", {kMonthStartStyle, {2012, 2}}, 29, QDate(2012, 2, 1), QDate(2012, 2, 29)},
        {"mid-month February of a common year has 13 + 15", {kMidMonthStyle, {2013, 2}}, 28, QDate(2013, 2, 16),
         QDate(2013, 3, 15)},
        {"mid-month December crosses the year", {kMidMonthStyle, {2013, 12}}, 31, QDate(2013, 12, 16),
         QDate(2014, 1, 15)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto days = row.period.days();
        ASSERT_EQ(days.size(), row.count);
        EXPECT_EQ(days.first().date, row.first);
        EXPECT_EQ(days.last().date, row.last);
        for (const PeriodDay& day : days)
            EXPECT_EQ(day.restFlagIndex, day.date.month() == row.period.start.month ? day.date.day() : 31 + day.date.day());
    }

    SettlementCalendar calendar;
    calendar.DrawSettlementCalendar(monthfile::shownMonth("2013", "12"));
    ASSERT_TRUE(calendar.markRestDate(QDate(2014, 1, 1)).ok());
    const auto days = calendar.periodDays();
    ASSERT_EQ(days.size(), 31);
    EXPECT_TRUE(days.at(16).rest); // 1 January 2014
    EXPECT_EQ(days.at(16).restFlagIndex, 32);
    EXPECT_FALSE(days.at(15).rest);
}

} // namespace
