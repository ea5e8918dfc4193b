#pragma once
// The attendance grid (考勤表): employees down, the days of the period across,
// in each cell the symbols of what happened that day in a fixed order, and the
// number of days carrying each symbol at the row's end. The month on one sheet
// that a manager scans, as the monthly attendance templates lay it out.
//
// The symbols are read from the result row itself, from the words its remark
// carries and the rest-day colour of its weekday: the grid says what the
// result page says, and nothing it does not.

#include "report/ReportModel.h"

#include <QString>
#include <array>
#include <bitset>
#include <optional>

namespace tarnby::report {

// An A4 landscape page holds the grid of this many employees.
inline constexpr int kGridEmployeesPerPage = 40;

// In the order a cell writes them.
enum DaySymbol {
    SymbolNormal,   // √ nothing to say
    SymbolLate,     // 迟
    SymbolEarly,    // 退
    SymbolMissed,   // 漏
    SymbolSick,     // 病
    SymbolPersonal, // 事
    SymbolAbsent,   // 旷
    SymbolRest,     // 休
    SymbolOvertime, // 加
    SymbolDuty,     // 值
    kDaySymbolCount
};

struct DaySymbolName {
    QString symbol;  // "迟"
    QString meaning; // "迟到"
};
const std::array<DaySymbolName, kDaySymbolCount>& daySymbolNames();

using DayMarks = std::bitset<kDaySymbolCount>;

// What a day row of the result list says, as symbols; √ alone when none.
DayMarks dayMarks(const ResultRow& row);
// The symbols in their order: "迟漏", "休加", "√".
QString marksText(const DayMarks& marks);
// Whether the day needs the manager's eye: late, early, missed or absent.
bool isFault(const DayMarks& marks);

// One employee's row of the grid.
struct GridRow {
    QList<std::optional<DayMarks>> days;       // one per day of the period; nothing where no row is
    std::array<int, kDaySymbolCount> counts{}; // days carrying each symbol
};
// The employee's rows under the days they are dated.
GridRow gridRow(const EmployeeReport& employee, const QList<GridDay>& days);

// The legend under the grid: "√ 正常　迟 迟到 …".
QString gridLegend();
// The grid's title: "考勤表  2026年11月01日—2026年11月30日  月初制  时间模式一（行政班制）".
QString gridTitle(const Report& report);
// The signature line: "制表人：张三　　审核人：李四", blanks to sign on when not given.
QString signersText(const Report& report);

// A day's column heads: "16", "一".
QString dayNumberText(const QDate& date);
QString weekdayText(const QDate& date);

} // namespace tarnby::report
