#pragma once
// How a shift looks in the editor's list and the roster's grid: the shifts
// of Schedules.json take the palette's colours in turn, the two time modes
// their own, a rest day grey.

#include "settings/Schedules.h"

#include <QColor>
#include <QString>

namespace tarnby::ui {

inline const QColor kRestCellColour(210, 210, 210);

// The background of a cell holding `entry` (a shift's name or 休); white when empty.
QColor shiftColour(const Schedules& model, const QString& entry);

// The character a grid cell shows: the shift's short name, 一 or 二 for the
// time modes, 休 for a rest day.
QString shiftCellText(const Schedules& model, const QString& entry);

// A shift's working hours: "08:00–12:00、13:30–17:30", "20:00–次日08:00".
QString shiftHoursText(const Shift& shift);

} // namespace tarnby::ui
