#pragma once
// The registrations of a settlement period (the analysis's work list, cList(3))
// and the analysed employee's rows of the details list cxLV.

#include "Outcome.h"
#include "SettlementPeriod.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace tarnby {

// An employee number as the pattern "000000000" formats it: a number made of
// digits becomes its value with at least nine digits ("1" -> "000000001"); any
// other text stays as it is.
QString formatEmployeeNumber(const QString& number);

// Number-wise equality of two employee numbers: "1", "01" and "0001" are equal,
// "a1" and "A1" are not.
bool employeeNumbersEqual(const QString& a, const QString& b);

// Whether a registration with number `registrationNumber` concerns the employee:
// "0000" concerns everyone.
bool registrationConcerns(const QString& registrationNumber, const QString& employeeNumber);

// The employee number of a picker text: the text before its first space (the
// whole text when it holds none).
QString pickerNumber(const QString& pickerText);

// The day of month of a stored date "mm月dd日" (0 when it holds none).
int registrationDay(const QString& date);

// The registration lines that fall into the period, as stored: style 1 every
// non-empty line of the month's file; style 2 the lines dated the 16th or later
// of the first month's file, then those dated the 15th or earlier of the second
// month's file. Missing files add nothing; a malformed file is an error.
Result<QStringList> RegistrationWorkList(const QString& programDir, const SettlementPeriod& period);

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

// The rows of cxLV for the employee of the picker text dCmb(6), in work-list
// order: fields 1, 3 and 4 of each line (date, reason, method). Lines with
// fewer than five fields are passed over.
QList<EmployeeRegistrationRow> ShowEmployeeRegistrations(const QStringList& workList, const QString& pickerText);

} // namespace tarnby
