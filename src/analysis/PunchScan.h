#pragma once
// Finding one employee's punches of the period in the punch table and putting
// each into its day's slots.

#include "analysis/DayJudge.h"
#include "base/Punch.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>
#include <array>
#include <optional>

namespace tarnby {

class PunchTable;

// Where each number's first record stands in each segment. Until a segment
// reaches the employee's first record the scan does nothing there, so it may
// start at that record; analysing every picker entry then no longer reads the
// table from its beginning for each of them.
class PunchIndex {
public:
    explicit PunchIndex(const PunchTable& table);
    // The first record of the number (ignoring case and leading zeros) in
    // segment 0..2; -1 when the segment holds none.
    qsizetype firstOf(int segment, QStringView number) const;

private:
    std::array<QHash<QString, qsizetype>, 3> first_;
};

// The slots collected for each day of the period (index = position in `days`);
// nothing for a day the scan wrote no line for.
using CollectedDays = QList<std::optional<DaySlots>>;

// Walks segment 0, 1, 2 (an empty one ends the walk). In each segment only the
// employee's first run of consecutive records is taken: the clock exports an
// employee's punches together and in time order, so the scan ends at the first
// record of another employee after that run, or at the employee's first
// record after the period. A record belongs to the employee by the scan's
// rule (sameScanNumber: case and leading zeros ignored). A record whose date or time cannot be read is passed over.
// The index, when given, must have been built from this table as it is now.
CollectedDays scanPunches(const PunchTable& table, const QString& employee, const QList<PeriodDay>& days,
                          TimeMode mode, const WorkTimes& times, const PunchIndex* index = nullptr);

} // namespace tarnby
