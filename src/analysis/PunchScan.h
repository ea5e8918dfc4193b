#pragma once
// Finding one employee's punches of the period in the punch table and putting
// each into its day's slots.

#include "analysis/DayJudge.h"
#include "base/Punch.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

namespace tarnby {

class PunchTable;
class ShiftPlan;

// Where a record stands in the punch table, with its date and time read once.
struct RecordRef {
    static constexpr qint64 kNoDay = -1; // the date cannot be read
    int segment = 0;
    qsizetype row = 0;
    qint64 julianDay = kNoDay;
    int second = -1; // after midnight; -1 when the time cannot be read
};

// Every number's records in reading order, built once per table in one pass
// over it: analysing every picker entry then touches only each entry's own
// records, whatever order the export lists them in, instead of reading the
// whole table for each entry.
class PunchIndex {
public:
    explicit PunchIndex(const PunchTable& table);
    // The number's records (the scan's rule: case and leading zeros ignored),
    // segment by segment in item order; none for a number without records.
    const QList<RecordRef>& recordsOf(QStringView number) const;
    // The first record of the number in segment 0..2; -1 when the segment
    // holds none.
    qsizetype firstOf(int segment, QStringView number) const;

private:
    QHash<QString, int> byKey_;  // scan key -> bucket
    std::vector<QList<RecordRef>> buckets_;
};

// The slots collected for each day of the period (index = position in `days`);
// nothing for a day without a punch whose date and time can be read.
using CollectedDays = QList<std::optional<DaySlots>>;

// A record of the employee dated on a day of the period, as the scan judged it.
struct JudgedPunch {
    QString timeText;  // as in the punch table
    int minute = -1;   // on the day's timeline; -1: the time cannot be read, and the punch was passed over
    Placement placement;
    int dayOffset = 0; // 1: punched on the calendar day after the working day it belongs to
    QString aside;     // why a punch dated this day belongs to no working day of the period
};
// Per day of the period, its records in the order judged.
using JudgedDays = QList<QList<JudgedPunch>>;

// Takes every record of the employee (sameScanNumber: case and leading zeros
// ignored) whose date lies in the period, from every segment (an empty one ends
// the table), however the export orders them. Each day's punches are placed in
// time order, then reading order, so the earliest and the latest punch of a
// window are the day's own and not the export's first and last. A record whose
// date or time cannot be read is passed over. The index, when given, must have
// been built from this table as it is now. `judged`, when given, receives each
// day's records in the order judged (one list per day of the period).
CollectedDays scanPunches(const PunchTable& table, const QString& employee, const QList<PeriodDay>& days,
                          TimeMode mode, const WorkTimes& times, const PunchIndex* index = nullptr,
                          JudgedDays* judged = nullptr);

// The same by the employee's shifts: each punch goes to the working day whose
// span holds it (a night shift's morning punch to the night before) and takes
// its slot there by that day's shift. A punch in no span, or belonging to a day
// outside the period, is not used; `judged` lists it under its own date.
CollectedDays scanPunches(const PunchTable& table, const QString& employee, const ShiftPlan& plan,
                          const PunchIndex* index = nullptr, JudgedDays* judged = nullptr);

} // namespace tarnby
