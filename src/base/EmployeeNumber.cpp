#include "base/EmployeeNumber.h"

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

bool allDigits(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

} // namespace

QString pickerNumber(const QString& pickerText)
{
    const qsizetype space = pickerText.indexOf(u' ');
    return space < 0 ? pickerText : pickerText.left(space);
}

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
    return formatEmployeeNumber(a) == formatEmployeeNumber(b);
}

bool registrationConcerns(const QString& registrationNumber, const QString& employeeNumber)
{
    return registrationNumber == kAllEmployeesNumber || sameRegistrationNumber(registrationNumber, employeeNumber);
}

bool isOnDuty(const QString& dutyEntry, const QString& employeeNumber)
{
    return dutyEntry != kNobodyOnDuty && sameRegistrationNumber(dutyEntry, employeeNumber);
}

bool sameDutyEntry(const QString& dutyEntry, const QString& pickerEntryNumber)
{
    return dutyEntry == pickerEntryNumber;
}

} // namespace tarnby
