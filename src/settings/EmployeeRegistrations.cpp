#include "EmployeeRegistrations.h"

#include "MonthFile.h"
#include "Registration.h"
#include <QCoreApplication>

namespace tarnby {
int registrationDay(const QString& date)
{
    const qsizetype mark = date.indexOf(QStringLiteral("月"));
    return mark < 0 ? 0 : monthfile::boxValue(date.mid(mark + 1));
}

Result<QList<Registration>> RegistrationWorkList(const QString& programDir, const SettlementPeriod& period)
{
    auto first = registrationfile::load(programDir, period.start);
    if (!first)
        return first;
    if (period.style == kMonthStartStyle)
        return first;
    auto second = registrationfile::load(programDir, period.secondMonth());
    if (!second)
        return second;
    QList<Registration> work;
    for (const Registration& r : first.value()) {
        if (registrationDay(r.date) >= 16)
            work.append(r);
    }
    for (const Registration& r : second.value()) {
        if (registrationDay(r.date) <= 15)
            work.append(r);
    }
    return work;
}

const QList<EmployeeRegistrationColumn>& employeeRegistrationColumns()
{
    static const QList<EmployeeRegistrationColumn> columns = {
        {QCoreApplication::translate("EmployeeRegistrations", "序号"), 35},
        {QCoreApplication::translate("EmployeeRegistrations", "日期"), 75},
        {QCoreApplication::translate("EmployeeRegistrations", "登记事由"), 240},
        {QCoreApplication::translate("EmployeeRegistrations", "处理方式"), 110},
    };
    return columns;
}

QList<EmployeeRegistrationRow> ShowEmployeeRegistrations(const QList<Registration>& workList,
                                                         const PickerEntry& employee)
{
    QList<EmployeeRegistrationRow> rows;
    for (const Registration& r : workList) {
        if (!registrationConcerns(r.number, employee.number))
            continue;
        rows.append({QStringLiteral("%1").arg(rows.size() + 1, 2, 10, QLatin1Char('0')), r.date, r.reason,
                     r.appliedMethod()});
    }
    return rows;
}

} // namespace tarnby
