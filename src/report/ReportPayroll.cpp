#include "report/ReportPayroll.h"

#include <QHash>
#include <QCoreApplication>

namespace tarnby::report {
namespace {

const QString kNoDepartment = QStringLiteral("未分部门");

SummaryLine employeeLine(const Report& report, int index, int group)
{
    const EmployeeReport& e = report.employees.at(index);
    SummaryLine line;
    line.employee = index;
    line.department = e.department;
    line.group = group;
    line.fullAttendance = e.fullAttendance ? 1 : 0;
    line.values = e.values;
    line.fineTotal = e.fineTotal;
    line.payroll = payrollFigures(e.extra);
    line.noPunches = e.noPunches;
    return line;
}

void addTo(SummaryLine& sum, const SummaryLine& line)
{
    sum.people += line.people;
    sum.fullAttendance += line.fullAttendance;
    for (size_t s = 0; s < sum.values.size(); ++s)
        sum.values[s] += line.values[s];
    sum.fineTotal += line.fineTotal;
    sum.payroll += line.payroll;
}

SummaryLine emptySum(SummaryLine::Kind kind, const QString& department, int group)
{
    SummaryLine sum;
    sum.kind = kind;
    sum.department = department;
    sum.group = group;
    sum.people = 0;
    return sum;
}

} // namespace

const QStringList& payrollHeaders()
{
    static const QStringList headers = {
        QCoreApplication::translate("ReportPayroll", "部门"),           QCoreApplication::translate("ReportPayroll", "迟到(分钟)"),       QCoreApplication::translate("ReportPayroll", "早退(次)"),
        QCoreApplication::translate("ReportPayroll", "早退(分钟)"),     QCoreApplication::translate("ReportPayroll", "加班平日(小时)"),   QCoreApplication::translate("ReportPayroll", "加班休息日(小时)"),
        QCoreApplication::translate("ReportPayroll", "加班节假日(小时)"),
    };
    return headers;
}

QStringList allSummaryHeaders()
{
    return summaryHeaders() + payrollHeaders();
}

int hourTenths(int minutes)
{
    // Overtime is never negative; a negative count stays as exact as it came.
    return minutes >= 0 ? (minutes * 10 + 30) / 60 : -((-minutes * 10 + 30) / 60);
}

QString hoursText(int tenths)
{
    const QString sign = tenths < 0 ? QStringLiteral("-") : QString();
    const int magnitude = tenths < 0 ? -tenths : tenths;
    return QStringLiteral("%1%2.%3").arg(sign).arg(magnitude / 10).arg(magnitude % 10);
}

PayrollFigures& PayrollFigures::operator+=(const PayrollFigures& other)
{
    lateMinutes += other.lateMinutes;
    earlyCount += other.earlyCount;
    earlyMinutes += other.earlyMinutes;
    for (size_t i = 0; i < overtimeTenths.size(); ++i)
        overtimeTenths[i] += other.overtimeTenths[i];
    return *this;
}

std::array<double, 6> PayrollFigures::values() const
{
    return {double(lateMinutes),          double(earlyCount),           double(earlyMinutes),
            overtimeTenths[0] / 10.0, overtimeTenths[1] / 10.0, overtimeTenths[2] / 10.0};
}

QStringList PayrollFigures::texts() const
{
    return {QString::number(lateMinutes), QString::number(earlyCount),     QString::number(earlyMinutes),
            hoursText(overtimeTenths[0]), hoursText(overtimeTenths[1]), hoursText(overtimeTenths[2])};
}

PayrollFigures payrollFigures(const EmployeeFigures& minutes)
{
    PayrollFigures out;
    out.lateMinutes = minutes.lateMinutes;
    out.earlyCount = minutes.earlyCount;
    out.earlyMinutes = minutes.earlyMinutes;
    out.overtimeTenths = {hourTenths(minutes.overtimeWorkday), hourTenths(minutes.overtimeRestday),
                          hourTenths(minutes.overtimeHoliday)};
    return out;
}

QString SummaryLine::label() const
{
    switch (kind) {
    case Kind::Employee:
        return {};
    case Kind::Subtotal:
        return QCoreApplication::translate("ReportPayroll", "%1 小计（%2人）").arg(department.isEmpty() ? kNoDepartment : department).arg(people);
    case Kind::Total:
        return QCoreApplication::translate("ReportPayroll", "合计（%1人）").arg(people);
    }
    return {};
}

bool groupedByDepartment(const Report& report)
{
    if (!report.byDepartment)
        return false;
    for (const EmployeeReport& e : report.employees)
        if (!e.department.isEmpty())
            return true;
    return false;
}

QList<SummaryLine> summaryLines(const Report& report)
{
    QList<SummaryLine> lines;
    const int employees = int(report.employees.size());
    lines.reserve(employees);
    if (!groupedByDepartment(report)) {
        for (int i = 0; i < employees; ++i)
            lines.append(employeeLine(report, i, 0));
        return lines;
    }

    // Departments as Schedules.json names them first; one only an employee
    // names (never, while both come from the same file) after them.
    QStringList order = report.departments;
    QList<QList<int>> members(order.size());
    QList<int> without;
    QHash<QString, int> index;
    for (int d = 0; d < order.size(); ++d)
        index.insert(order.at(d), d);
    for (int i = 0; i < employees; ++i) {
        const QString& department = report.employees.at(i).department;
        if (department.isEmpty()) {
            without.append(i);
            continue;
        }
        auto it = index.constFind(department);
        if (it == index.cend()) {
            it = index.insert(department, int(order.size()));
            order.append(department);
            members.append(QList<int>());
        }
        members[it.value()].append(i);
    }
    if (!without.isEmpty()) {
        order.append(QString());
        members.append(without);
    }

    SummaryLine total = emptySum(SummaryLine::Kind::Total, QString(), 0);
    int group = 0;
    for (qsizetype d = 0; d < order.size(); ++d) {
        if (members.at(d).isEmpty())
            continue;
        ++group;
        SummaryLine subtotal = emptySum(SummaryLine::Kind::Subtotal, order.at(d), group);
        for (int i : members.at(d)) {
            lines.append(employeeLine(report, i, group));
            addTo(subtotal, lines.last());
        }
        addTo(total, subtotal);
        lines.append(subtotal);
    }
    total.group = group + 1;
    lines.append(total);
    return lines;
}

QStringList summaryTexts(const Report& report, const SummaryLine& line)
{
    QStringList cells;
    cells.reserve(summaryHeaders().size() + kPayrollColumns);
    if (line.isSum()) {
        cells.append(line.label());
        for (double v : line.values)
            cells.append(numberText(v));
        cells.append(QCoreApplication::translate("ReportPayroll", "%1人").arg(line.fullAttendance));
        cells.append(yuanText(line.fineTotal));
        cells.append(line.kind == SummaryLine::Kind::Subtotal ? line.department : QString());
        cells += line.payroll.texts();
        return cells;
    }
    const EmployeeReport& e = report.employees.at(line.employee);
    cells.append(e.employee);
    if (line.noPunches) {
        cells.append(kNoPunchesText);
        for (int s = 1; s < kNumericStatistics; ++s)
            cells.append(QString());
        cells.append(fullAttendanceText(false));
        cells.append(QString());
        cells.append(e.department);
        for (int c = 1; c < kPayrollColumns; ++c)
            cells.append(QString());
        return cells;
    }
    for (double v : e.values)
        cells.append(numberText(v));
    cells.append(fullAttendanceText(e.fullAttendance));
    cells.append(yuanText(e.fineTotal));
    cells.append(e.department);
    cells += line.payroll.texts();
    return cells;
}

} // namespace tarnby::report
