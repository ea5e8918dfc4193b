#pragma once
// The registrations of a settlement period (the analysis's work list, cList(3))
// and the analysed employee's rows of the details list cxLV.

#include "Registration.h"
#include "base/Outcome.h"
#include "base/PickerEntry.h"
#include "SettlementPeriod.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace tarnby {

// The day of month of a stored date "mm月dd日" (0 when it holds none).
int registrationDay(const QString& date);

// The registrations that fall into the period, in file order: style 1 every
// registration of the month's file; style 2 those dated the 16th or later of
// the first month's file, then those dated the 15th or earlier of the second
// month's file. Missing files add nothing; a malformed file is an error.
Result<QList<Registration>> RegistrationWorkList(const QString& programDir, const SettlementPeriod& period);

struct EmployeeRegistrationRow {
    QString serial; // "01", "02", ...
    QString date;
    QString reason;
    QString method;
    QStringList cells() const { return {serial, date, reason, method}; }
    friend bool operator==(const EmployeeRegistrationRow&, const EmployeeRegistrationRow&) = default;
};

struct EmployeeRegistrationColumn {
    QString caption;
    int width;
};

// "序号" (35), "日期" (75), "登记事由" (240), "处理方式" (110).
const QList<EmployeeRegistrationColumn>& employeeRegistrationColumns();

// The rows of cxLV for the employee picked in dCmb(6), in work-list order:
// date, reason and the method the analysis applies.
QList<EmployeeRegistrationRow> ShowEmployeeRegistrations(const QList<Registration>& workList,
                                                         const PickerEntry& employee);

} // namespace tarnby
