#pragma once
// An employee number is whatever text the clock, the roster or the user wrote
// ("15", "0015", "15x"). The system compares numbers in more than one way, on
// purpose: each rule below belongs to one place and gives the results that
// place has always given, so a number that the picker pairs with a roster
// entry is not necessarily one a registration concerns.

#include "base/PickerEntry.h"

#include <QString>
#include <QStringView>

namespace tarnby {

// In a registration: every employee. In the duty table: nobody.
inline const QString kAllEmployeesNumber = QStringLiteral("0000");
inline const QString kNobodyOnDuty = QStringLiteral("0000");

// The picker's padding rule, pairing a record's number with a roster entry:
// both, left-padded with zeros to a common length, are equal once upper-cased
// (15, 015 and 0015 match 0015; 15x matches 15X; "ß" does not match "SS").
// The key is equal for exactly the numbers the rule pairs.
QString pickerKey(QStringView number);
bool samePickerNumber(QStringView a, QStringView b);

// The scan's rule, finding a picker entry's punches in the table: equal once
// case and leading zeros are ignored ("15x" and "0015X"). The key is equal for
// exactly the numbers the rule pairs.
QString scanKey(QStringView number);
bool sameScanNumber(QStringView a, QStringView b);

// An employee number as the pattern "000000000" formats it: a number made of
// digits becomes its value with at least nine digits ("1" -> "000000001"); any
// other text stays as it is.
QString formatEmployeeNumber(const QString& number);

// The registration's rule: equal once formatted, so "1", "01" and "0001" are
// one number while texts with letters must match exactly ("a1" is not "A1").
bool sameRegistrationNumber(const QString& a, const QString& b);
// Whether a registration with `registrationNumber` concerns the employee:
// "0000" concerns everyone.
bool registrationConcerns(const QString& registrationNumber, const QString& employeeNumber);

// The duty table's rule in the analysis: the entry of a day puts the employee
// on duty when it is not "0000" (nobody, even for an employee numbered 0) and
// names the employee by the registration's rule.
bool isOnDuty(const QString& dutyEntry, const QString& employeeNumber);
// The duty page's rule: a day shows a picker entry's colour only when the
// stored entry is that entry's number exactly as the picker spells it.
bool sameDutyEntry(const QString& dutyEntry, const PickerEntry& pickerEntry);

} // namespace tarnby
