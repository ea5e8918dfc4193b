#pragma once
// Where a shift is in use, so that it is not removed from under a week
// pattern or a month of the roster, and so that a renamed shift keeps every
// roster that names it readable: SrDate/*.shift name shifts by their names.

#include "MonthFile.h"
#include "Schedules.h"
#include "base/Outcome.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace tarnby::shiftusage {

// The months that have a roster file in SrDate, in ascending order.
QList<MonthKey> rosterMonths(const QString& programDir);

// The week patterns of `model` that use shift `name`, one place a line
// ("员工 0007 的周排班（周一、周二）").
QStringList weekUses(const Schedules& model, const QString& name);

// The months of the roster that use shift `name` ("排班表 2026年11月（2 人共 9 天）");
// the files are read with `known`. A roster that cannot be read is an error:
// whether it uses the shift cannot be told.
Result<QStringList> rosterUses(const QString& programDir, const Schedules& known, const QString& name);

// Rewrites every roster that names an old name of `renames` (old -> new)
// with its new name, each file checked against `model` and saved atomically.
// Quiet when every file was rewritten (or none named an old name); otherwise
// an error naming each file left as it was.
Outcome renameInRosters(const QString& programDir, const Schedules& model, const QHash<QString, QString>& renames);

} // namespace tarnby::shiftusage
