#pragma once
// A hand-made report of two employees with every kind of cell the writers
// meet: late and overtime punches, a rest day, fines readable and not, and
// registrations.

#include "report/ReportModel.h"

#include <QDate>

namespace testsupport {

inline tarnby::ResultRow resultRow(const char* date, const char* weekday, const char* in, const char* remark)
{
    tarnby::ResultRow r;
    r.cells = {QString::fromUtf8(date), QString::fromUtf8(weekday), QString::fromUtf8(in), QStringLiteral("12:01"),
               QStringLiteral("13:55"), QStringLiteral("17:05"), QString::fromUtf8(remark)};
    return r;
}

inline tarnby::report::Report sampleReport()
{
    using namespace tarnby;
    using namespace tarnby::report;
    Report report;
    report.setting.period.style = kMonthStartStyle;
    report.setting.period.start = MonthKey{2026, 11};
    report.setting.timeMode = TimeMode::Administrative;
    report.setting.dataFolder = QStringLiteral("/data/kq");
    report.restDates = {QDate(2026, 11, 7)};
    report.made = QDateTime(QDate(2026, 12, 1), QTime(9, 30));
    report.version = QStringLiteral("2.0");
    const QList<QDate> dates = {QDate(2026, 11, 2), QDate(2026, 11, 3), QDate(2026, 11, 7)};

    AnalysisResult first;
    first.ran = true;
    first.rows = {resultRow("11月02日", "周一", "08:35", "*罚款50元"), resultRow("11月03日", "周二", "08:20", ""),
                  resultRow("11月07日", "周六", "08:20", "加班")};
    first.rows[0].colors[ColMorningIn] = kColorLate;
    first.rows[0].colors[ColRemark] = kColorPenalty;
    first.rows[2].colors[ColWeekday] = kColorRestDay;
    first.rows[2].colors[ColAfternoonOut] = kColorOvertime;
    first.stats = {"0", "0", "0", "1", "0", "0", "0.5天", "0天", "0天", "0", "0", "1天", "无"};
    first.registrations = {{"01", "11月02日", "迟到较多", "处罚50元"}, {"02", "11月03日", "看病", "病假0.5天"}};
    first.extra = {1, 12, 35, 90, 45, 0};
    report.employees.append(employeeReport(QStringLiteral("0001 张三"), first, dates));
    report.employees.last().department = QStringLiteral("生产部");
    report.departments = {QStringLiteral("生产部")};
    for (QDate d = report.setting.period.firstDay(); d <= report.setting.period.lastDay(); d = d.addDays(1))
        report.periodDays.append({d, d.dayOfWeek() > 5});

    AnalysisResult second;
    second.ran = true;
    second.rows = {resultRow("11月02日", "周一", "08:20", "*罚款若干元"), resultRow("11月03日", "周二", "08:20", "*罚款一百二十元"),
                   resultRow("11月07日", "周六", "—:—", "")};
    second.rows[0].colors[ColRemark] = kColorPenalty;
    second.rows[1].colors[ColRemark] = kColorPenalty;
    second.rows[2].colors[ColWeekday] = kColorRestDay;
    second.stats = {"0", "0", "0", "0", "0", "0", "0天", "0天", "0天", "0", "0", "0天", "有"};
    report.employees.append(employeeReport(QStringLiteral("0002 李四"), second, dates));
    return report;
}

} // namespace testsupport
