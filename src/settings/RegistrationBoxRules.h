#pragma once
// What happens when one of the registration boxes dTxt(0)..dTxt(4) loses the
// focus. Pure functions: the window hands over all five texts and the work date
// and copies back what comes out, then shows the message (title "错误") and
// returns the focus to the box when there is one.

#include "base/PickerEntry.h"

#include <QDate>
#include <QString>
#include <array>

namespace tarnby {

// The boxes in dTxt order.
enum class RegistrationBox {
    Month = 0,       // dTxt(0), registration month
    Day = 1,         // dTxt(1), registration day
    Reason = 2,      // dTxt(2), reason text
    Year = 3,        // dTxt(3), year on show
    MonthOnShow = 4, // dTxt(4), month on show
};

using RegistrationBoxTexts = std::array<QString, 5>;

struct BoxCheck {
    RegistrationBoxTexts texts; // all five boxes after the check
    QString message;            // empty when the box was accepted
    bool refocus() const { return !message.isEmpty(); }
};

inline const QString kBadMonthMessage = QStringLiteral("请输入正确的月份！");
inline const QString kBadDayMessage = QStringLiteral("请输入正确的日期！");
inline const QString kNoReasonMessage = QStringLiteral("请输入登记事由！");
inline const QString kBadYearMessage = QStringLiteral("请输入有效的年份(1901-2100)！");

// The leap-year rule of the pages: divisible by 4 and not by 100, or by 400.
bool isLeapYear(int year);

// The message for a field that holds "##" or begins or ends with "#": joined
// with "##" into the stored line it would move the field boundaries.
QString hashInFieldMessage(const QString& what);

// Runs the checks for `box` leaving the focus. A reason holding "##" or a line
// break, or beginning or ending with "#", is refused with a message, since it
// would split the stored line elsewhere on reading.
BoxCheck checkRegistrationBox(RegistrationBox box, const RegistrationBoxTexts& texts, const QDate& workDate);

// The error for the employee picked in dCmb(0), whose number and name become
// fields of the line; empty when both can be stored. An entry without a name
// is left to the list, which reports it itself.
QString pickedEmployeeError(const PickerEntry& employee);

// Enter in the year or month box reloads the month only for a year in
// 1901-2100 and a month in 1-12.
bool confirmsMonth(const QString& yearText, const QString& monthText);

} // namespace tarnby
