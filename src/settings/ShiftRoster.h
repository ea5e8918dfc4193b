#pragma once
// The shift roster of one calendar month, SrDate/yyyymm.shift: one line per
// employee, the number, then a field per day of the month (day k is field k),
// all separated by TAB; a field holds a shift's name, 休 for a rest day, or
// nothing. UTF-8, CR LF, written atomically.
//
// A roster is read whole or not at all: a line naming a shift that does not
// exist, a day the month does not have or an employee listed twice makes the
// file an error naming the file and the line, and none of it is used.

#include "MonthFile.h"
#include "Schedules.h"
#include "base/Outcome.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace tarnby {

struct ShiftRosterLine {
    QString number;
    QStringList days; // days[k - 1] is day k; missing or empty: no entry
};

class ShiftRoster {
public:
    static constexpr int kMaxDays = 31;

    ShiftRoster() = default;
    explicit ShiftRoster(MonthKey month) : month_(month) {}

    MonthKey month() const { return month_; }
    const QList<ShiftRosterLine>& lines() const { return lines_; }

    // Day `day`'s field of the employee (numbers compared as registrations
    // compare them); empty when there is none.
    QString entry(const QString& number, int day) const;
    // Sets one field; a new employee gets a line at the end.
    void setEntry(const QString& number, int day, const QString& entry);
    void removeEmployee(const QString& number);

    // The file's lines: trailing empty fields left out.
    QStringList fileLines() const;
    // Reads the file's lines; `known` says which shift names exist.
    static Result<ShiftRoster> parse(const QStringList& lines, MonthKey month, const Schedules& known,
                                     const QString& shownPath);

private:
    void index();

    MonthKey month_;
    QList<ShiftRosterLine> lines_;
    QHash<QString, qsizetype> byNumber_; // formatted number -> line
};

namespace shiftroster {

// programDir/SrDate/yyyymm.shift
QString path(const QString& programDir, MonthKey month);

// Whether the SrDate folder holds any roster at all.
bool anyRoster(const QString& programDir);

// A missing file is a month without entries.
Result<ShiftRoster> load(const QString& programDir, MonthKey month, const Schedules& known);

// Checks every field against `known` and writes the month; a roster without a
// single entry removes the file. On failure the old file stays as it was.
Outcome save(const QString& programDir, const ShiftRoster& roster, const Schedules& known);

} // namespace shiftroster
} // namespace tarnby
