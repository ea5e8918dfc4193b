#include "analysis/ShiftFiguresText.h"

#include <QCoreApplication>

namespace tarnby {

QString hoursText(int minutes)
{
    QString text = QString::number(minutes / 60.0, 'f', 2);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text;
}

QString compactFiguresLine(const EmployeeFigures& f)
{
    return QCoreApplication::translate("ShiftFiguresText", "早退 %1次/%2分钟　迟到 %3分钟　加班 %4小时")
        .arg(f.earlyCount)
        .arg(f.earlyMinutes)
        .arg(f.lateMinutes)
        .arg(hoursText(overtimeTotal(f)));
}

QString overtimeBreakdown(const EmployeeFigures& f)
{
    return QCoreApplication::translate("ShiftFiguresText", "加班：工作日 %1小时，休息日 %2小时，节假日 %3小时（共 %4 分钟）")
        .arg(hoursText(f.overtimeWorkday), hoursText(f.overtimeRestday), hoursText(f.overtimeHoliday))
        .arg(overtimeTotal(f));
}

} // namespace tarnby
