#include "analysis/PunchScan.h"

#include "analysis/ResultText.h"
#include "analysis/ShiftPlan.h"
#include "base/EmployeeNumber.h"
#include "import/PunchTable.h"

#include <QCoreApplication>
#include <algorithm>
#include <climits>

namespace tarnby {
namespace {

// A record of the period with what orders it within its day.
struct DatedRecord {
    int day;       // position in the period
    int second;    // on the day's timeline; INT_MAX when the time cannot be read: judged last
    qsizetype order; // reading order
    int segment;
    qsizetype row;
    int offset = 0;    // days after the working day it was punched on
    QString aside = {}; // why it is listed under its date without being used
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
    return scanPunches(table, employee, ShiftPlan(days, mode, times, nullptr, employee), index, judged);
}

CollectedDays scanPunches(const PunchTable& table, const QString& employee, const ShiftPlan& plan,
                          const PunchIndex* index, JudgedDays* judged)
{
    const qsizetype n = plan.size();
    CollectedDays collected(n);
    if (judged)
        *judged = JudgedDays(n);
    if (n == 0)
        return collected;

    std::vector<DatedRecord> records;
    qsizetype order = 0;
    auto take = [&](const RecordRef& ref) {
        const qint64 calendar = ref.julianDay - plan.firstJulianDay();
        if (ref.julianDay == RecordRef::kNoDay || calendar < 0 || calendar > n)
            return;
        // Only a punch of a day of the period is listed when it goes unused.
        const bool listed = judged && calendar < n;
        if (ref.second < 0) {
            if (listed)
                records.push_back({int(calendar), INT_MAX, order++, ref.segment, ref.row});
            return;
        }
        const std::optional<Belonging> b = plan.belong(calendar, ref.second / 60);
        if (!b) {
            if (listed)
                records.push_back({int(calendar), ref.second, order++, ref.segment, ref.row, 0,
                                   QCoreApplication::translate("DayExplanation", "不在任何工作日之内：前一工作日到 %1 为止，当天的工作日从 %2 开始，不计")
                                       .arg(clockString(plan.day(calendar - 1).shift->line.spanTo),
                                            clockString(plan.day(calendar).shift->line.spanFrom))});
            return;
        }
        if (b->day < 0 || b->day >= n) {
            if (listed)
                records.push_back({int(calendar), ref.second, order++, ref.segment, ref.row, 0,
                                   QCoreApplication::translate("DayExplanation", "属于结算期外的工作日 %1，不计").arg(shownCell(ColDate, dayKey(plan.day(b->day).date)))});
            return;
        }
        const int offset = int(calendar - b->day);
        records.push_back({int(b->day), ref.second + 86400 * offset, order++, ref.segment, ref.row, offset});
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
        if (minute >= 0 && r.aside.isEmpty()) {
            if (!daySlots)
                daySlots = DaySlots();
            placement = placeInShift(*daySlots, minute, *plan.day(r.day).shift);
        }
        if (judged)
            (*judged)[r.day].append({table.segment(r.segment).at(r.row).timeText, minute, placement, r.offset, r.aside});
    }
    return collected;
}

} // namespace tarnby
