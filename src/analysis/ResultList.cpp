#include "analysis/ResultList.h"

namespace tarnby {
namespace {

const QString kFullAttendance = QStringLiteral("有");
const QString kNoFullAttendance = QStringLiteral("无");
const QString kDays = QStringLiteral("天");
const QString kFineWord = QStringLiteral("罚款");

// Half days as the caption shows them: 3, 1.5, 0.5.
QString halvesText(int halves)
{
    if (halves % 2 == 0)
        return QString::number(halves / 2);
    return QString::number(halves / 2.0, 'f', 1);
}

void appendWord(QString& remark, const QString& word)
{
    if (!remark.isEmpty())
        remark += u'/';
    remark += word;
}

} // namespace

const std::array<StatisticName, kStatisticsCount>& statisticNames()
{
    static constexpr std::array<StatisticName, kStatisticsCount> names = {{
        {u"值日迟到", u"10分钟内", u"值日迟到10分钟内", false},
        {u"值日迟到", u"30分钟内", u"值日迟到30分钟内", false},
        {u"上班迟到", u"10分钟内", u"上班迟到10分钟内", false},
        {u"上班迟到", u"30分钟内", u"上班迟到30分钟内", false},
        {u"上班迟到", u"60分钟内", u"上班迟到60分钟内", false},
        {u"", u"漏打", u"漏打", false},
        {u"请假", u"病假", u"病假", true},
        {u"请假", u"事假", u"事假", true},
        {u"", u"旷工", u"旷工", true},
        {u"加班", u"一档", u"加班一档", false},
        {u"加班", u"二档", u"加班二档", false},
        {u"", u"休息日", u"休息日", true},
        {u"", u"全勤", u"全勤", false},
    }};
    return names;
}

bool isDayValued(Statistic s)
{
    return statisticNames()[std::size_t(s)].dayValued;
}

StatisticsCaptions initialStatisticsCaptions()
{
    StatisticsCaptions out;
    for (int i = 0; i < StatFullAttendance; ++i)
        out[i] = isDayValued(Statistic(i)) ? QStringLiteral("0") + kDays : QStringLiteral("0");
    out[StatFullAttendance] = kNoFullAttendance;
    return out;
}

const std::array<ResultColumnHeader, kResultColumns>& resultColumnHeaders()
{
    static const std::array<ResultColumnHeader, kResultColumns> headers = {{
        {QStringLiteral("日期"), 65},
        {QStringLiteral("星期"), 45},
        {QStringLiteral("A上班"), 50},
        {QStringLiteral("A下班"), 50},
        {QStringLiteral("P上班"), 50},
        {QStringLiteral("P下班"), 50},
        {QStringLiteral("备注"), 150},
    }};
    return headers;
}

int foldShifts(int value)
{
    return value < 0 ? 0 : value % 10 + value / 10;
}

QString dayRemark(const DayResult& day)
{
    const DayCounters& c = day.counters;
    QString remark = day.remarkBase;
    if (c.dutyLate10 + c.dutyLateOver10 + c.late10 + c.late30 + c.late60 > 0)
        appendWord(remark, QStringLiteral("迟到"));
    if (day.earlyCount > 0)
        appendWord(remark, QStringLiteral("早退"));
    if (c.missed > 0)
        appendWord(remark, QStringLiteral("漏打"));
    if (c.sickHalves > 0)
        appendWord(remark, QStringLiteral("病假"));
    if (c.personalHalves > 0)
        appendWord(remark, QStringLiteral("事假"));
    if (c.absentHalves > 0)
        appendWord(remark, QStringLiteral("旷工"));
    if (c.overtime2 > 0 || c.overtime1 > 0 || c.restHalves > 0)
        appendWord(remark, QStringLiteral("加班"));
    if (!day.penalty.isEmpty())
        remark += (remark.isEmpty() ? QStringLiteral("*") : QStringLiteral("/")) + day.penalty;
    return remark;
}

void ResultList::ResetResultList()
{
    rows_.clear();
}

void ResultList::OpenPeriodStatistics()
{
    values_.fill(0);
    earlyLeaves_ = 0;
    counted_ = false;
    fullAttendance_ = kNoFullAttendance;
}

StatisticsCaptions ResultList::captions() const
{
    StatisticsCaptions out;
    for (int i = 0; i < StatFullAttendance; ++i) {
        const auto s = Statistic(i);
        if (!counted_)
            out[i] = QStringLiteral("0");
        else
            out[i] = isDayValued(s) ? halvesText(values_[i]) + kDays : QString::number(values_[i]);
    }
    out[StatFullAttendance] = fullAttendance_;
    return out;
}

void ResultList::WriteDayRow(const DayResult& day)
{
    ResultRow row;
    row.cells[ColDate] = day.cells[0];
    row.cells[ColWeekday] = day.cells[1];
    for (int slot = 0; slot < 4; ++slot)
        row.cells[ColMorningIn + slot] = day.cells[2 + slot];
    if (day.marks[MorningIn] == Mark::Late)
        row.colors[ColMorningIn] = kColorLate;
    if (day.marks[AfternoonIn] == Mark::Late)
        row.colors[ColAfternoonIn] = kColorLate;
    if (day.marks[AfternoonOut] == Mark::Overtime)
        row.colors[ColAfternoonOut] = kColorOvertime;
    if (day.marks[MorningOut] == Mark::Early)
        row.colors[ColMorningOut] = kColorLate;
    if (day.marks[AfternoonOut] == Mark::Early)
        row.colors[ColAfternoonOut] = kColorLate;

    // The words read the counters as the classification left them; an excuse
    // that drove a count below zero hides the word but not the count.
    const QString remark = dayRemark(day);

    DayCounters c = day.counters;
    if (day.mode.value_or(mode_) == TimeMode::Administrative) {
        c.late10 = foldShifts(c.late10);
        c.late30 = foldShifts(c.late30);
        c.late60 = foldShifts(c.late60);
        c.missed = foldShifts(c.missed);
    }
    const std::array<int, StatFullAttendance> amounts = {
        c.dutyLate10, c.dutyLateOver10, c.late10,        c.late30,    c.late60,    c.missed,
        c.sickHalves, c.personalHalves, c.absentHalves, c.overtime1, c.overtime2, c.restHalves,
    };
    for (int s = 0; s < StatFullAttendance; ++s)
        values_[s] += amounts[s];
    counted_ = true;
    earlyLeaves_ += day.earlyCount;
    const int faults = c.dutyLate10 + c.dutyLateOver10 + c.late10 + c.late30 + c.late60 + c.missed
                       + c.sickHalves + c.personalHalves + c.absentHalves + day.earlyCount;
    if (faults > 0)
        fullAttendance_ = kNoFullAttendance;

    if (!remark.isEmpty()) {
        row.cells[ColRemark] = remark;
        if (remark.startsWith(u'*'))
            row.colors[ColRemark] = kColorRegistered;
        if (remark.contains(kFineWord))
            row.colors[ColRemark] = kColorPenalty;
    }
    if (day.rest)
        row.colors[ColWeekday] = kColorRestDay;
    rows_.append(std::move(row));
}

void ResultList::ClosePeriodStatistics()
{
    // A half day already reads "0.5天", so closing only gives the verdict.
    int faults = earlyLeaves_;
    for (int s = StatDutyLate10; s <= StatAbsent; ++s)
        faults += values_[s];
    fullAttendance_ = faults > 0 ? kNoFullAttendance : kFullAttendance;
}

} // namespace tarnby
