#include "base/EmployeeNumber.h"

#include <algorithm>

namespace tarnby {
namespace {

constexpr int kFormattedDigits = 9;

QStringView withoutLeadingZeros(QStringView number)
{
    qsizetype zeros = 0;
    while (zeros < number.size() && number[zeros] == u'0')
        ++zeros;
    return number.mid(zeros);
}

bool allDigits(QStringView text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

// formatEmployeeNumber's result as zero padding before a part of the number,
// so that two numbers can be compared without building either text: the
// analysis of every employee compares each registration and duty entry anew.
struct FormattedParts {
    qsizetype zeros; // padding zeros in front
    QStringView rest;
};

FormattedParts formattedParts(QStringView number)
{
    if (!allDigits(number))
        return {0, number};
    qsizetype zeros = 0;
    while (zeros + 1 < number.size() && number[zeros] == u'0')
        ++zeros;
    const QStringView rest = number.mid(zeros);
    return {std::max<qsizetype>(0, kFormattedDigits - rest.size()), rest};
}

} // namespace

QString pickerKey(QStringView number)
{
    // Padding with zeros makes two numbers equal exactly when their parts after
    // the zeros have the same length and the same upper-case form. The length
    // counts because upper-casing may lengthen a text ("ß" becomes "SS") while
    // the padding zeros do not change.
    const QStringView rest = withoutLeadingZeros(number);
    return QString::number(rest.size()) + u':' + rest.toString().toUpper();
}

bool samePickerNumber(QStringView a, QStringView b)
{
    return pickerKey(a) == pickerKey(b);
}

QString scanKey(QStringView number)
{
    return withoutLeadingZeros(number).toString().toCaseFolded();
}

bool sameScanNumber(QStringView a, QStringView b)
{
    const QStringView x = withoutLeadingZeros(a);
    const QStringView y = withoutLeadingZeros(b);
    return x.size() == y.size() && x.compare(y, Qt::CaseInsensitive) == 0;
}

QString formatEmployeeNumber(const QString& number)
{
    if (!allDigits(number))
        return number;
    qsizetype zeros = 0;
    while (zeros + 1 < number.size() && number.at(zeros) == u'0')
        ++zeros;
    return number.mid(zeros).rightJustified(kFormattedDigits, u'0');
}

bool sameRegistrationNumber(const QString& a, const QString& b)
{
    const FormattedParts x = formattedParts(a);
    const FormattedParts y = formattedParts(b);
    const qsizetype length = x.zeros + x.rest.size(); // [0, size of the longer number + 9]
    if (length != y.zeros + y.rest.size())
        return false;
    for (qsizetype i = 0; i < length; ++i) {
        const QChar cx = i < x.zeros ? QChar(u'0') : x.rest[i - x.zeros];
        const QChar cy = i < y.zeros ? QChar(u'0') : y.rest[i - y.zeros];
        if (cx != cy)
            return false;
    }
    return true;
}

bool registrationConcerns(const QString& registrationNumber, const QString& employeeNumber)
{
    return registrationNumber == kAllEmployeesNumber || sameRegistrationNumber(registrationNumber, employeeNumber);
}

bool isOnDuty(const QString& dutyEntry, const QString& employeeNumber)
{
    return dutyEntry != kNobodyOnDuty && sameRegistrationNumber(dutyEntry, employeeNumber);
}

bool sameDutyEntry(const QString& dutyEntry, const PickerEntry& pickerEntry)
{
    return dutyEntry == pickerEntry.number;
}

} // namespace tarnby
