#pragma once
// The checks the shift editor runs as the clerk types: besides what makes a
// shift unusable (shiftFault), what makes it ambiguous beside the others,
// a name or a short name already taken, since the roster's cells show the
// short names and the files name shifts by their names.

#include "Schedules.h"

#include <QString>

namespace tarnby {

// Why `name` cannot be the name of shift `index` of `model`; empty when it can.
QString shiftNameFault(const Schedules& model, qsizetype index, const QString& name);

// Why shift `index` of `model` cannot be saved as it stands; empty when it
// can. A window leaving the working day of a shift that crosses midnight
// gets a hint about the day start.
QString shiftFaultIn(const Schedules& model, qsizetype index);

// The first character of `name` that no other shift uses as its short name;
// empty when every one is taken.
QString freeShortName(const Schedules& model, qsizetype index, const QString& name);

// "新班次", or "新班次2", "新班次3" … : the first such name no shift has.
QString unusedShiftName(const Schedules& model, const QString& base);

} // namespace tarnby
