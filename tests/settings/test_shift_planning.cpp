// Planning shifts: the editor's checks as the clerk types, a rotation read
// and laid over the days of a roster, last month carried into this one.

#include "settings/SettlementPeriod.h"
#include "settings/ShiftChecks.h"
#include "settings/ShiftRotation.h"

#include <gtest/gtest.h>
#include <vector>

using namespace tarnby;

namespace {

Shift shift(const char* name, QList<int> times, int dayStart = 0, const char* shortName = "")
{
    Shift s;
    s.name = QString::fromUtf8(name);
    s.shortName = QString::fromUtf8(shortName);
    s.times = std::move(times);
    s.dayStart = dayStart;
    return s;
}

Schedules dayAndNight()
{
    Schedules model;
    model.shifts = {shift("白班", {480, 720, 810, 1050}), shift("夜班", {1200, 480}, 720)};
    return model;
}

// The roster's days of one employee as one text, "-" for a day without entry.
QString days(const ShiftRoster& roster, const char* number, int count)
{
    QString out;
    for (int d = 1; d <= count; ++d) {
        const QString e = roster.entry(QString::fromUtf8(number), d);
        out += e.isEmpty() ? QStringLiteral("-") : e.left(1);
    }
    return out;
}

} // namespace

TEST(ShiftChecks, WhatWouldMakeAShiftUnusableOrAmbiguousIsNamed)
{
    struct Row {
        const char* shows;
        Shift edited; // becomes the third shift, beside 白班 and 夜班
        const char* fault; // empty: none
    };
    const std::vector<Row> rows = {
        {"a night shift whose day starts before it is fine", shift("晚班", {1260, 420}, 780, "晚"), ""},
        {"a night shift without its day start gets the hint", shift("晚班", {1260, 420}, 0, "晚"), "请把“工作日起点”设在上班之前"},
        {"a name already taken", shift("白班", {480, 1020}, 0, "早"), "已有名为“白班”的班次"},
        {"a name the time modes have", shift("模式一", {480, 1020}, 0, "早"), "是时间模式的内置班次"},
        {"a short name another shift shows", shift("白二", {480, 1020}), "简称“白”已是班次“白班”的简称"},
        {"休 as a short name", shift("休息班", {480, 1020}), "简称不能是“休”"},
        {"windows that overlap", shift("两头班", {480, 600, 630, 1020}, 0, "两"), "A下班 时段（10:00–10:30）与 P上班 时段"},
    };
    for (const Row& row : rows) {
        Schedules model = dayAndNight();
        model.shifts.append(row.edited);
        EXPECT_EQ(shiftFaultIn(model, 2).contains(QString::fromUtf8(row.fault)), true)
            << row.shows << ": " << shiftFaultIn(model, 2).toStdString();
        EXPECT_EQ(shiftFaultIn(model, 2).isEmpty(), *row.fault == '\0') << row.shows;
    }
    const Schedules model = dayAndNight();
    EXPECT_EQ(unusedShiftName(model, QStringLiteral("白班")), QStringLiteral("白班2"));
    EXPECT_EQ(freeShortName(model, -1, QStringLiteral("白班2")), QStringLiteral("班"));
    EXPECT_EQ(freeShortName(model, 0, QStringLiteral("白班2")), QStringLiteral("白"));
}

TEST(ShiftRotation, ARotationIsReadFromShortNamesOrWholeNames)
{
    Schedules model = dayAndNight();
    const std::vector<std::pair<const char*, const char*>> steps = {
        {"白白夜夜休休", "白班 白班 夜班 夜班 休 休"},
        {"白班 夜班，休、模式一", "白班 夜班 休 模式一"},
        {"夜班", "夜班"},
        {" 白 夜 ", "白班 夜班"},
    };
    for (const auto& [typed, read] : steps) {
        const Result<QStringList> parsed = parseRotation(QString::fromUtf8(typed), model);
        ASSERT_TRUE(parsed.ok()) << typed << ": " << parsed.error().toStdString();
        EXPECT_EQ(parsed->join(u' '), QString::fromUtf8(read)) << typed;
    }
    model.shifts.append(shift("白二", {480, 1020}));
    const std::vector<std::pair<const char*, const char*>> faults = {
        {"白夜", "“白”是白班、白二共用的简称"},
        {"夜X休", "“X”不是已有班次的名称或简称"},
        {"  ", "请输入轮换的班次"},
    };
    for (const auto& [typed, fault] : faults) {
        const Result<QStringList> parsed = parseRotation(QString::fromUtf8(typed), model);
        ASSERT_FALSE(parsed.ok()) << typed;
        EXPECT_TRUE(parsed.error().contains(QString::fromUtf8(fault))) << parsed.error().toStdString();
    }
}

TEST(ShiftRotation, ARotationFillsItsRangeOnly)
{
    const QStringList steps = {QStringLiteral("白班"), QStringLiteral("白班"), QStringLiteral("夜班"),
                               QStringLiteral("夜班"), kRestEntry, kRestEntry};
    struct Row {
        const char* shows;
        MonthKey month;
        RotationRange range;
        const char* first;  // employee 0001's days 1-10 (day 2 was 夜班 before), then 28-31
        const char* second; // employee 0002's days 1-10
    };
    const std::vector<Row> rows = {
        {"repeats from the first step", {2026, 11}, {{"0001"}, 1, 10, 0, 0}, "白白夜夜休休白白夜夜 ----", "----------"},
        {"starts at the chosen step", {2026, 11}, {{"0001"}, 1, 10, 2, 0}, "夜夜休休白白夜夜休休 ----", "----------"},
        {"leaves the days outside the range, and staggers the next employee", {2026, 11}, {{"0001", "0002"}, 3, 6, 0, 2},
         "-夜白白夜夜---- ----", "--夜夜休休----"},
        {"stops at the month's last day", {2026, 2}, {{"0001"}, 25, 31, 0, 0}, "-夜-------- 夜---", "----------"},
    };
    for (const Row& row : rows) {
        ShiftRoster roster(row.month);
        roster.setEntry(QStringLiteral("0001"), 2, QStringLiteral("夜班"));
        fillRotation(roster, steps, row.range);
        const QString first = days(roster, "0001", 10) + u' ' + days(roster, "0001", 31).mid(27);
        EXPECT_EQ(first, QString::fromUtf8(row.first)) << row.shows;
        EXPECT_EQ(days(roster, "0002", 10), QString::fromUtf8(row.second)) << row.shows;
    }
}

TEST(ShiftRotation, LastMonthIsCopiedDayByDay)
{
    Schedules model = dayAndNight();
    ShiftRoster january(MonthKey{2026, 1});
    for (int d : {1, 29, 31})
        january.setEntry(QStringLiteral("0001"), d, QStringLiteral("夜班"));
    january.setEntry(QStringLiteral("0002"), 2, QStringLiteral("晚班")); // a shift removed since
    january.setEntry(QStringLiteral("0002"), 3, kRestEntry);
    EXPECT_EQ(previousMonth(MonthKey{2026, 2}), (MonthKey{2026, 1}));
    EXPECT_EQ(previousMonth(MonthKey{2026, 1}), (MonthKey{2025, 12}));
    const ShiftRoster february = copiedMonth(january, MonthKey{2026, 2}, model);
    EXPECT_EQ(february.month(), (MonthKey{2026, 2}));
    EXPECT_EQ(days(february, "0001", 31), QStringLiteral("夜------------------------------"));
    EXPECT_EQ(days(february, "0002", 4), QStringLiteral("--休-"));
}
