#pragma once
// The rest days the user marked, kept per calendar month in SrDate/yyyymm.rest:
// one yyyy-mm-dd a line, ascending, UTF-8, CR LF. A settlement period spans one
// or two calendar months and a month belongs to two mid-month periods, so the
// marks are stored by month and a period is read and saved as its part of
// each month: saving one period never touches the marks of the other.
//
// Reading: no file means no marks; blank lines are skipped, a date standing
// twice counts once and the order of the lines does not matter; any other
// line that is not a date of the file's month makes the whole file an error
// and none of its marks is used. Writing: each date once, ascending; a month
// left without marks has its file removed, so that no file and no marks stay
// the same thing. A month whose file is in error is never overwritten: the
// user's text stays until the user has corrected it.

#include "MonthFile.h"
#include "base/Outcome.h"
#include "SettlementPeriod.h"

#include <QDate>
#include <QList>
#include <QString>

namespace tarnby::restmarks {

// programDir/SrDate/yyyymm.rest
QString path(const QString& programDir, MonthKey month);

// The months `days` fall in, each once, in the order the days first reach them:
// the marks are kept month by month.
QList<MonthKey> monthsOf(const QList<QDate>& days);

// The month's saved marks, ascending, each once.
Result<QList<QDate>> readMonth(const QString& programDir, MonthKey month);

// Makes `days` the month's saved marks (dates of other months are left out);
// an empty list removes the file. Atomic: on failure the old file stays.
Outcome writeMonth(const QString& programDir, MonthKey month, const QList<QDate>& days);

// The saved marks of the period's clickable days, ascending.
Result<QList<QDate>> readPeriod(const QString& programDir, const SettlementPeriod& period);

// Makes `marks` the saved marks of the period's clickable days (other dates
// in `marks` are left out); the marks of the same months outside the period
// stay. Only the files whose marks change are written. When a month cannot
// be read or written, nothing is changed: a month already written is put back.
Outcome savePeriod(const QString& programDir, const SettlementPeriod& period, const QList<QDate>& marks);

// One click: marks or unmarks one date in its month's file.
Outcome saveMark(const QString& programDir, const QDate& date, bool rest);

} // namespace tarnby::restmarks
