#include "analysis/PunchScan.h"

#include "base/EmployeeNumber.h"
#include "import/PunchTable.h"

namespace tarnby {
namespace {

// Where in the period a date lies; -1 outside it. The period's days follow
// each other, so the offset from the first day finds it.
class PeriodIndex {
public:
    explicit PeriodIndex(const QList<PeriodDay>& days) : days_(days)
    {
        if (!days.isEmpty())
            first_ = days.first().date.toJulianDay();
    }
    int of(const QDate& date) const
    {
        if (days_.isEmpty() || !date.isValid())
            return -1;
        const qint64 offset = date.toJulianDay() - first_;
        if (offset >= 0 && offset < days_.size() && days_.at(offset).date == date)
            return int(offset);
        for (int i = 0; i < days_.size(); ++i) {
            if (days_.at(i).date == date)
                return i;
        }
        return -1;
    }

private:
    const QList<PeriodDay>& days_;
    qint64 first_ = 0;
};

} // namespace

PunchIndex::PunchIndex(const PunchTable& table)
{
    static_assert(PunchTable::kSegmentCount == 3);
    for (int s = 0; s < PunchTable::kSegmentCount; ++s) {
        const PunchTable::Segment& segment = table.segment(s);
        QHash<QString, qsizetype>& first = first_[std::size_t(s)];
        QStringView previous;
        for (qsizetype i = 0; i < segment.size(); ++i) {
            const QStringView number = segment.at(i).number;
            // the clock's export keeps an employee's records together
            if (i > 0 && number == previous)
                continue;
            previous = number;
            const QString key = scanKey(number);
            if (!first.contains(key))
                first.insert(key, i);
        }
    }
}

qsizetype PunchIndex::firstOf(int segment, QStringView number) const
{
    if (segment < 0 || segment >= int(first_.size()))
        return -1;
    return first_[std::size_t(segment)].value(scanKey(number), -1);
}

CollectedDays scanPunches(const PunchTable& table, const QString& employee, const QList<PeriodDay>& days,
                          TimeMode mode, const WorkTimes& times, const PunchIndex* index)
{
    CollectedDays collected(days.size());
    const PeriodIndex period(days);

    // The slots survive a segment boundary: a day whose punches straddle it is
    // written again, whole, from the next segment.
    DaySlots daySlots;
    QStringView slotsDate;
    int pendingIndex = -1;
    QStringView pendingDate;
    auto writePending = [&] { collected[pendingIndex] = daySlots; };

    for (int s = 0; s < PunchTable::kSegmentCount; ++s) {
        const PunchTable::Segment& segment = table.segment(s);
        if (segment.isEmpty())
            break;
        pendingDate = {};
        pendingIndex = -1;
        bool seen = false;
        qsizetype start = 0;
        if (index) {
            start = index->firstOf(s, employee);
            if (start < 0)
                continue;
        }
        for (qsizetype i = start; i < segment.size(); ++i) {
            const Punch& punch = segment.at(i);
            if (!sameScanNumber(punch.number, employee)) {
                if (pendingIndex >= 0)
                    writePending();
                if (seen)
                    return collected;
                continue;
            }
            seen = true;
            const QDate date = punch.date();
            const int minute = punch.minuteOfDay();
            if (!date.isValid() || minute < 0)
                continue;
            const int dayIndex = period.of(date);
            if (dayIndex < 0) {
                if (pendingIndex >= 0) {
                    writePending();
                    return collected;
                }
                continue;
            }
            if (pendingIndex >= 0 && pendingDate != punch.dateText)
                writePending();
            if (punch.dateText != slotsDate) {
                daySlots = DaySlots();
                slotsDate = punch.dateText;
            }
            pendingDate = punch.dateText;
            pendingIndex = dayIndex;
            placePunch(daySlots, minute, mode, times);
            if (i == segment.size() - 1)
                writePending();
        }
    }
    return collected;
}

} // namespace tarnby
