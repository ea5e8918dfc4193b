#pragma once
// The shift figures of a period in words, as page 2 and the summary show them.

#include "analysis/AnalysisTypes.h"

#include <QString>

namespace tarnby {

// Minutes as hours without superfluous digits: 390 is "6.5", 405 "6.75", 0 "0".
QString hoursText(int minutes);

// "早退 2次/35分钟　迟到 12分钟　加班 6.5小时".
QString compactFiguresLine(const EmployeeFigures& figures);

// Where the overtime is paid, for a tooltip:
// "加班：工作日 4小时，休息日 2.5小时，节假日 0小时（共 390 分钟）".
QString overtimeBreakdown(const EmployeeFigures& figures);

// All the overtime minutes of the period.
inline int overtimeTotal(const EmployeeFigures& f)
{
    return f.overtimeWorkday + f.overtimeRestday + f.overtimeHoliday;
}

} // namespace tarnby
