#include "analysis/PunchScan.h"

#include "base/EmployeeNumber.h"
#include "import/PunchTable.h"

#include <algorithm>
#include <climits>

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
    int of(qint64 julianDay) const
    {
        if (days_.isEmpty() || julianDay == RecordRef::kNoDay)
            return -1;
        const qint64 offset = julianDay - first_;
        if (offset >= 0 && offset < days_.size() && days_.at(offset).date.toJulianDay() == julianDay)
            return int(offset);
        for (int i = 0; i < days_.size(); ++i) {
            if (days_.at(i).date.toJulianDay() == julianDay)
                return i;
        }
        return -1;
    }

private:
    const QList<PeriodDay>& days_;
    qint64 first_ = 0;
};

// A record of the period with what orders it within its day.
struct DatedRecord {
    int day;       // position in the period
    int second;    // INT_MAX when the time cannot be read: judged last
    qsizetype order; // reading order
    int segment;
    qsizetype row;
};

// Segments fill one after the other, so the first empty one ends the table.
template <class Visit>
void forEachRecord(const PunchTable& table, Visit visit)
{
    for (int s = 0; s < PunchTable::kSegmentCount; ++s) {
        const PunchTable::Segment& segment = table.segment(s);
        if (segment.isEmpty())
            return;
        for (qsizetype i = 0; i < segment.size(); ++i)
            visit(s, i, segment.at(i));
    }
}

RecordRef refOf(int segment, qsizetype row, const Punch& punch)
{
    const QDate date = punch.date();
    return {segment, row, date.isValid() ? date.toJulianDay() : RecordRef::kNoDay, recordSeconds(punch.timeText)};
}

} // namespace

PunchIndex::PunchIndex(const PunchTable& table)
{
    // An export names few employees many times: the scan key is worked out
    // once for each spelling of a number.
    QHash<QString, int> bySpelling;
    forEachRecord(table, [&](int segment, qsizetype row, const Punch& punch) {
        auto spelled = bySpelling.constFind(punch.number);
        if (spelled == bySpelling.cend()) {
            const QString key = scanKey(punch.number);
            auto known = byKey_.constFind(key);
            int bucket;
            if (known == byKey_.cend()) {
                bucket = int(buckets_.size());
                buckets_.emplace_back();
                byKey_.insert(key, bucket);
            } else {
                bucket = known.value();
            }
            spelled = bySpelling.insert(punch.number, bucket);
        }
        buckets_[std::size_t(spelled.value())].append(refOf(segment, row, punch));
    });
}

const QList<RecordRef>& PunchIndex::recordsOf(QStringView number) const
{
    static const QList<RecordRef> none;
    const auto it = byKey_.constFind(scanKey(number));
    return it == byKey_.cend() ? none : buckets_[std::size_t(it.value())];
}

qsizetype PunchIndex::firstOf(int segment, QStringView number) const
{
    for (const RecordRef& ref : recordsOf(number)) {
        if (ref.segment == segment)
            return ref.row;
    }
    return -1;
}

CollectedDays scanPunches(const PunchTable& table, const QString& employee, const QList<PeriodDay>& days,
                          TimeMode mode, const WorkTimes& times, const PunchIndex* index, JudgedDays* judged)
{
    CollectedDays collected(days.size());
    if (judged)
        *judged = JudgedDays(days.size());
    const PeriodIndex period(days);

    std::vector<DatedRecord> records;
    qsizetype order = 0;
    auto take = [&](const RecordRef& ref) {
        const int day = period.of(ref.julianDay);
        if (day < 0 || (ref.second < 0 && !judged))
            return;
        records.push_back({day, ref.second < 0 ? INT_MAX : ref.second, order++, ref.segment, ref.row});
    };
    if (index) {
        for (const RecordRef& ref : index->recordsOf(employee))
            take(ref);
    } else {
        forEachRecord(table, [&](int segment, qsizetype row, const Punch& punch) {
            if (sameScanNumber(punch.number, employee))
                take(refOf(segment, row, punch));
        });
    }
    // An export the clock wrote is in this order already; any other is
    // brought into it, day by day, keeping the reading order where times tie.
    const auto earlier = [](const DatedRecord& a, const DatedRecord& b) {
        if (a.day != b.day)
            return a.day < b.day;
        if (a.second != b.second)
            return a.second < b.second;
        return a.order < b.order;
    };
    if (!std::is_sorted(records.begin(), records.end(), earlier))
        std::sort(records.begin(), records.end(), earlier);

    for (const DatedRecord& r : records) {
        std::optional<DaySlots>& daySlots = collected[r.day];
        const int minute = r.second == INT_MAX ? -1 : r.second / 60;
        Placement placement;
        if (minute >= 0) {
            if (!daySlots)
                daySlots = DaySlots();
            placement = placePunch(*daySlots, minute, mode, times);
        }
        if (judged)
            (*judged)[r.day].append({table.segment(r.segment).at(r.row).timeText, minute, placement});
    }
    return collected;
}

} // namespace tarnby
