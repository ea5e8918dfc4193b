#include "RegistrationBoxRules.h"

#include "MonthFile.h"
#include "Registration.h"
#include "SettingsBoxRules.h"
#include <QCoreApplication>

namespace tarnby {
namespace {

using monthfile::boxValue;

QString& text(RegistrationBoxTexts& texts, RegistrationBox box)
{
    return texts[std::size_t(box)];
}

QString fieldError(const QString& what, const QString& field)
{
    if (settingsbox::hashBreaksField(field))
        return hashInFieldMessage(what);
    return storableFieldError(what, field);
}

} // namespace

QString hashInFieldMessage(const QString& what)
{
    return what + QCoreApplication::translate("RegistrationBoxRules", "中不能含有“##”，也不能以“#”开头或结尾，“##”是登记文件的分隔符！");
}

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

BoxCheck checkRegistrationBox(RegistrationBox box, const RegistrationBoxTexts& texts, const QDate& workDate)
{
    BoxCheck check{texts, {}};
    QString& own = text(check.texts, box);

    switch (box) {
    case RegistrationBox::Month:
    case RegistrationBox::MonthOnShow:
        if (boxValue(own) > 12)
            check.message = kBadMonthMessage;
        else if (boxValue(own) == 0)
            own = QStringLiteral("01");
        break;
    case RegistrationBox::Day: {
        if (boxValue(own) > 31) {
            check.message = kBadDayMessage;
            break;
        }
        if (boxValue(own) == 0)
            own = QStringLiteral("01");
        const int month = boxValue(text(check.texts, RegistrationBox::Month));
        if ((month == 4 || month == 6 || month == 9 || month == 11) && boxValue(own) > 30)
            own = QStringLiteral("30");
        // the registration carries no year of its own, so February follows the work date
        if (month == 2 && boxValue(own) > 28)
            own = isLeapYear(workDate.year()) ? QStringLiteral("29") : QStringLiteral("28");
        break;
    }
    case RegistrationBox::Reason:
        if (own.isEmpty())
            check.message = kNoReasonMessage;
        else
            check.message = fieldError(QCoreApplication::translate("RegistrationBoxRules", "登记事由"), own);
        break;
    case RegistrationBox::Year: {
        const int year = boxValue(own);
        if (year < monthfile::kFirstYear || year > monthfile::kLastYear) {
            check.message = kBadYearMessage;
            own = QString::number(workDate.year());
        }
        break;
    }
    }

    if (text(check.texts, RegistrationBox::Month).isEmpty())
        text(check.texts, RegistrationBox::Month) = QString::number(workDate.month());
    if (text(check.texts, RegistrationBox::Day).isEmpty())
        text(check.texts, RegistrationBox::Day) = QString::number(workDate.day());
    if (text(check.texts, RegistrationBox::MonthOnShow).isEmpty())
        text(check.texts, RegistrationBox::MonthOnShow) = QString::number(workDate.month());

    if (box != RegistrationBox::Reason && own.size() < 2)
        own.prepend(u'0');
    return check;
}

QString pickedEmployeeError(const PickerEntry& employee)
{
    if (!employee.name)
        return {};
    if (const QString error = fieldError(QCoreApplication::translate("RegistrationBoxRules", "员工编号"), employee.number); !error.isEmpty())
        return error;
    return fieldError(QCoreApplication::translate("RegistrationBoxRules", "员工姓名"), *employee.name);
}

bool confirmsMonth(const QString& yearText, const QString& monthText)
{
    return monthfile::fromBoxes(yearText, monthText).ok();
}

} // namespace tarnby
