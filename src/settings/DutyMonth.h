#pragma once
// The duty side of page 1 as data: the 18 legend colours, the 42-day grid of
// the month on show coloured by who is on duty, and what a click on a day does.

#include "DayCell.h"
#include "DutyRoster.h"
#include "base/Outcome.h"
#include "base/PickerEntry.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace tarnby {

inline constexpr int kLegendCount = 18;
inline constexpr int kDutyGridCells = 42;

// The colours of dcLab(0)..dcLab(17); picker position j shows legend j mod 18.
const std::array<Rgb, kLegendCount>& dutyLegendColours();
// The legend captions "1" ... "18".
QString dutyLegendCaption(int k);
// The colour of picker position j (0-based).
Rgb dutyColourForPosition(int position);

inline const QString kNoDutyEmployeeMessage = QStringLiteral("请先选择值日员工！");

// The picker entry dCmb(1) for a roster employee, shown "NUMBER name(position)".
PickerEntry dutyPickerEntry(const QString& number, const QString& name, int position);

using DutyGrid = std::array<DayCell, kDutyGridCells>;

// Lays out the month on show: days 1.. at their weekday positions, Sunday
// first, enabled; a day whose entry is the number of picker entry j (the last
// match wins) gets legend colour j mod 18, other days grey. Nothing when there
// is no month on show (the grid stays as it is).
std::optional<DutyGrid> DrawDutyMonth(const DutyRoster& roster, std::optional<MonthKey> month,
                                      const QList<PickerEntry>& pickerEntries);

// A click on the day label showing `day`. Left: the selected picker entry goes
// on duty and the label takes its colour; with no entry selected (or one
// without a name) it is an error and nothing changes. Right: nobody on
// duty, grey. Other buttons do nothing (quiet, no colour). The colour returned
// is the label's new background.
Result<std::optional<Rgb>> clickDutyDay(DutyRoster& roster, int day, ClickButton button,
                                        const QList<PickerEntry>& pickerEntries, int selectedIndex);

} // namespace tarnby
