#include "analysis/PunchScan.h"

#include "analysis/EmployeeNumber.h"
#include "import/PunchTable.h"

namespace tarnby {
namespace {

constexpr QLatin1StringView kFieldEnd("##");

struct Record {
    QStringView number;
    QStringView date;
    QStringView time;
};

Record split(const QString& text)
{
    const QStringView all(text);
    Record r;
    const qsizetype first = all.indexOf(kFieldEnd);
    if (first < 0) {
        r.number = all;
        return r;
    }
    r.number = all.left(first);
    const QStringView rest = all.mid(first + 2);
    const qsizetype second = rest.indexOf(kFieldEnd);
    r.date = second < 0 ? rest : rest.left(second);
    r.time = second < 0 ? QStringView() : rest.mid(second + 2);
    return r;
}

// Reads up to `maxDigits` digits at `pos`; -1 when there are none.
int readNumber(QStringView s, qsizetype& pos, int maxDigits)
{
    int value = 0;
    int digits = 0;
    while (pos < s.size() && digits < maxDigits && s[pos] >= u'0' && s[pos] <= u'9') {
        value = value * 10 + (s[pos].unicode() - u'0');
        ++pos;
        ++digits;
    }
    return digits == 0 ? -1 : value;
}

bool expect(QStringView s, qsizetype& pos, QChar c)
{
    if (pos < s.size() && s[pos] == c) {
        ++pos;
        return true;
    }
    return false;
}

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
        const QStringList& segment = table.segment(s);
        QHash<QString, qsizetype>& first = first_[std::size_t(s)];
        QStringView previous;
        for (qsizetype i = 0; i < segment.size(); ++i) {
            const QStringView number = split(segment.at(i)).number;
            // the clock's export keeps an employee's records together
            if (i > 0 && number == previous)
                continue;
            previous = number;
            const QString key = keyOf(number);
            if (!first.contains(key))
                first.insert(key, i);
        }
    }
}

QString PunchIndex::keyOf(QStringView number)
{
    return number::significantPart(number).toString().toCaseFolded();
}

qsizetype PunchIndex::firstOf(int segment, QStringView number) const
{
    if (segment < 0 || segment >= int(first_.size()))
        return -1;
    return first_[std::size_t(segment)].value(keyOf(number), -1);
}

QDate recordDate(QStringView text)
{
    qsizetype pos = 0;
    const int year = readNumber(text, pos, 4);
    if (year < 0 || pos >= text.size())
        return {};
    const QChar sep = text[pos];
    if (sep != u'-' && sep != u'/')
        return {};
    ++pos;
    const int month = readNumber(text, pos, 2);
    if (month < 0 || !expect(text, pos, sep))
        return {};
    const int day = readNumber(text, pos, 2);
    if (day < 0 || pos != text.size())
        return {};
    return QDate(year, month, day);
}

int recordMinutes(QStringView text)
{
    qsizetype pos = 0;
    const int hours = readNumber(text, pos, 2);
    if (hours < 0 || hours > 23 || !expect(text, pos, u':'))
        return -1;
    const qsizetype minuteStart = pos;
    const int minutes = readNumber(text, pos, 2);
    if (minutes < 0 || minutes > 59 || pos - minuteStart != 2)
        return -1;
    if (pos < text.size()) {
        // the seconds are dropped, not rounded
        if (!expect(text, pos, u':'))
            return -1;
        const qsizetype secondStart = pos;
        const int seconds = readNumber(text, pos, 2);
        if (seconds < 0 || seconds > 59 || pos - secondStart != 2 || pos != text.size())
            return -1;
    }
    return hours * 60 + minutes;
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
        const QStringList& segment = table.segment(s);
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
            const Record record = split(segment.at(i));
            if (!number::sameIgnoringCaseAndZeros(record.number, employee)) {
                if (pendingIndex >= 0)
                    writePending();
                if (seen)
                    return collected;
                continue;
            }
            seen = true;
            const QDate date = recordDate(record.date);
            const int minute = recordMinutes(record.time);
            if (!date.isValid() || minute < 0)
                continue;
            const int index = period.of(date);
            if (index < 0) {
                if (pendingIndex >= 0) {
                    writePending();
                    return collected;
                }
                continue;
            }
            if (pendingIndex >= 0 && pendingDate != record.date)
                writePending();
            if (record.date != slotsDate) {
                daySlots = DaySlots();
                slotsDate = record.date;
            }
            pendingDate = record.date;
            pendingIndex = index;
            placePunch(daySlots, minute, mode, times);
            if (i == segment.size() - 1)
                writePending();
        }
    }
    return collected;
}

} // namespace tarnby
