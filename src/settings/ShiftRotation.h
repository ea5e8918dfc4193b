#pragma once
// Planning a month of the shift roster by rule instead of cell by cell: a
// rotation such as 白白夜夜休休 laid over a range of days for several
// employees, and last month's roster carried into this one.

#include "Schedules.h"
#include "ShiftRoster.h"
#include "base/Outcome.h"

#include <QString>
#include <QStringList>

namespace tarnby {

// The steps of a rotation as the clerk types it, each a shift's name or 休.
// Written together, each character is a shift's short name or 休
// ("白白夜夜休休"); separated by blanks, commas or 、, each part may also be a
// whole name ("白班 白班 夜班 休"). A short name that two shifts share, or a
// part that names nothing, is refused with the part named.
Result<QStringList> parseRotation(const QString& text, const Schedules& known);

struct RotationRange {
    QStringList numbers; // the employees, in the order the stagger counts them
    int firstDay = 1;    // [1, 31]
    int lastDay = 1;     // past the month's end: up to its last day
    int start = 0;       // the step the first employee takes on firstDay
    int stagger = 0;     // how many steps each next employee is ahead of the one before
};

// Sets every day of the range: employee k on day d takes step
// (start + (d - firstDay) + k * stagger) modulo the rotation's length.
void fillRotation(ShiftRoster& roster, const QStringList& steps, const RotationRange& range);

// The roster of `month` holding what `previous` holds on the same days of the
// month; the days `month` does not have are left out, and so are entries
// naming a shift `known` no longer has.
ShiftRoster copiedMonth(const ShiftRoster& previous, MonthKey month, const Schedules& known);

// The month before `month`.
MonthKey previousMonth(MonthKey month);

} // namespace tarnby
