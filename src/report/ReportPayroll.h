#pragma once
// What payroll reads in 汇总 after the fifteen columns of the statistics: the
// department, the minutes of lateness and early leave and the overtime in hours
// by the rate it is paid at; and the lines of 汇总 themselves, by department
// with a subtotal each and the total last when the report is grouped.
//
// Every writer and the window take the lines and their texts from here, so a
// subtotal reads the same in each of them and always equals the sum of the
// lines above it as they are shown.

#include "report/ReportModel.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

namespace tarnby::report {

// 部门, 迟到(分钟), 早退(次), 早退(分钟), 加班平日(小时), 加班休息日(小时), 加班节假日(小时).
const QStringList& payrollHeaders();
inline constexpr int kPayrollColumns = 7;
// summaryHeaders() followed by payrollHeaders(): the twenty-two columns of 汇总.
QStringList allSummaryHeaders();

// Said in a row of an employee without a single punch in the period, where
// the figures would stand.
inline const QString kNoPunchesText = QStringLiteral("本期无打卡记录");

// Minutes as tenths of an hour, half a tenth rounded up: 45 minutes are 0.8.
int hourTenths(int minutes);
// Tenths of an hour with their one decimal: "0.8", "2.0".
QString hoursText(int tenths);

// The six numbers after 部门: minutes and counts, overtime in tenths of an hour.
struct PayrollFigures {
    int lateMinutes = 0;
    int earlyCount = 0;
    int earlyMinutes = 0;
    std::array<int, 3> overtimeTenths{}; // working day, rest day, public holiday

    PayrollFigures& operator+=(const PayrollFigures& other);
    // In column order; the overtime as hours.
    std::array<double, 6> values() const;
    // As the files and the window write them.
    QStringList texts() const;
};
// An employee's period: each overtime rate rounded on its own, as it is paid.
PayrollFigures payrollFigures(const EmployeeFigures& minutes);

// A line of 汇总.
struct SummaryLine {
    enum class Kind { Employee, Subtotal, Total };
    Kind kind = Kind::Employee;
    int employee = -1;      // Employee: the index in Report::employees
    QString department;     // Employee, Subtotal: empty for none
    int group = 0;          // the line's department in the order shown; 0 when not grouped
    int people = 1;         // the employees it stands for
    int fullAttendance = 0; // of them, with 全勤 有
    std::array<double, kNumericStatistics> values{};
    Fen fineTotal = 0;
    PayrollFigures payroll;
    bool noPunches = false; // Employee: not a single punch in the period

    bool isSum() const { return kind != Kind::Employee; }
    // The 员工 cell of a sum: "生产部 小计（3人）", "合计（10人）".
    QString label() const;
};

// Whether the lines come by department: asked for, and some employee has one.
bool groupedByDepartment(const Report& report);

// Picker order, one line per employee; grouped, the departments in the order
// Report::departments gives them (employees without one last, as 未分部门),
// each followed by its subtotal, and the total at the end.
QList<SummaryLine> summaryLines(const Report& report);

// The line's twenty-two cells as text (the CSV, the .pdf and the window): an
// employee's numbers as numberText gives them, hours with one decimal, a sum's
// 全勤 as the number of employees with full attendance ("3人"); the row of an
// employee without punches says so where its first figure would stand and
// leaves the other figures empty.
QStringList summaryTexts(const Report& report, const SummaryLine& line);

} // namespace tarnby::report
