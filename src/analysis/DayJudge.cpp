#include "analysis/DayJudge.h"

#include "base/EmployeeNumber.h"

namespace tarnby {
namespace {

// Each entry of a day's registration text ends here.
const QString kEntryEnd = QStringLiteral("##");
const QString kDutyWord = QStringLiteral("值日");

// Keywords of the registration handlings, in the order in which they decide a pass.
const QString kExcuseMissed = QStringLiteral("不计漏打");
const QString kExcuseLate = QStringLiteral("不计迟到");
const QString kSickLeave = QStringLiteral("病假");
const QString kPersonalLeave = QStringLiteral("事假");
const QString kExcuseAbsence = QStringLiteral("不计旷工");
const QString kPenaltyWord = QStringLiteral("处罚");
const QString kFineWord = QStringLiteral("罚款");
const QString kYuan = QStringLiteral("元");
const QString kTwice = QStringLiteral("2次");
const QString kWholeDay = QStringLiteral("1天");
const QStringList kMorningWords = {QStringLiteral("早上"), QStringLiteral("上午"), QStringLiteral("清晨")};
// A penalty is read from this many characters starting at "处罚".
constexpr qsizetype kPenaltySpan = 10;

// The window in which a punch takes its slot, from `before` minutes before to
// `after` minutes after the slot's working time; an open window takes every
// later punch. A punch takes the first window it falls in, in table order.
struct PunchWindow {
    Slot slot;
    int WorkTimes::*time;
    int before;
    int after;
    bool open;        // no end: the day's last punch
};
constexpr std::array<PunchWindow, 4> kAdministrativeWindows = {{
    {MorningIn, &WorkTimes::morningIn, 60, 60, false},
    {MorningOut, &WorkTimes::morningOut, 0, 30, false},
    {AfternoonIn, &WorkTimes::afternoonIn, 30, 60, false},
    {AfternoonOut, &WorkTimes::afternoonOut, 0, 0, true},
}};
constexpr std::array<PunchWindow, 2> kNineToFiveWindows = {{
    {MorningIn, &WorkTimes::nineToFiveIn, 60, 60, false},
    {AfternoonOut, &WorkTimes::nineToFiveOut, 0, 0, true},
}};

// Lateness tiers in whole minutes after the on-duty time.
struct LateTier {
    int from;
    int to;
    int DayCounters::*counter;
};
constexpr std::array<LateTier, 3> kLateTiers = {{
    {1, 10, &DayCounters::late10},
    {11, 30, &DayCounters::late30},
    {31, 60, &DayCounters::late60},
}};

// Duty lateness counts from half an hour before the on-duty time.
constexpr int kDutyLead = 30;
constexpr int kDutyTierEdge = 10;

int fieldValue(const QString& field)
{
    bool ok = false;
    const int value = field.trimmed().toInt(&ok);
    return ok ? value : 0;
}

int minutesOf(const TimeFields& f, int firstField)
{
    return 60 * fieldValue(f[firstField - 1]) + fieldValue(f[firstField]);
}

// An on-duty slot keeps its earliest punch, the open window the latest.
template <std::size_t N>
Placement placeIn(const std::array<PunchWindow, N>& windows, DaySlots& daySlots, int minute, const WorkTimes& times)
{
    for (const PunchWindow& w : windows) {
        const int at = times.*w.time;
        if (minute < at - w.before || (!w.open && minute > at + w.after))
            continue;
        Placement p;
        p.slot = w.slot;
        p.previous = daySlots.minutes[w.slot];
        if (!daySlots.has(w.slot))
            p.kind = Placement::Taken;
        else
            p.kind = w.open ? Placement::Replaced : Placement::Kept;
        if (p.kind != Placement::Kept)
            daySlots.minutes[w.slot] = minute;
        return p;
    }
    return {};
}

template <std::size_t N>
QList<PunchWindowSpan> spansOf(const std::array<PunchWindow, N>& windows, const WorkTimes& times)
{
    QList<PunchWindowSpan> out;
    for (const PunchWindow& w : windows) {
        const int at = times.*w.time;
        out.append({w.slot, at - w.before, at + w.after, w.open});
    }
    return out;
}

// Counts the lateness of an on-duty punch with `weight` (1 morning, 10 afternoon).
bool countLateness(DayCounters& c, int minutesLate, int weight)
{
    for (const LateTier& tier : kLateTiers) {
        if (minutesLate >= tier.from && minutesLate <= tier.to) {
            c.*tier.counter += weight;
            return true;
        }
    }
    return false;
}

bool countDutyLateness(DayCounters& c, int minute, int onDuty)
{
    const int g = minute - (onDuty - kDutyLead);
    if (g >= 1 && g <= kDutyTierEdge) {
        c.dutyLate10 = 1;
        return true;
    }
    if (g > kDutyTierEdge) {
        c.dutyLateOver10 = 1;
        return true;
    }
    return false;
}

Judgement judgeAdministrative(const DaySlots& s, bool dutyDay, const WorkTimes& t)
{
    Judgement j;
    DayCounters& c = j.counters;
    if (s.has(MorningIn)) {
        if (countLateness(c, s.minutes[MorningIn] - t.morningIn, 1))
            j.marks[MorningIn] = Mark::Late;
        if (dutyDay && countDutyLateness(c, s.minutes[MorningIn], t.morningIn))
            j.marks[MorningIn] = Mark::Late;
    } else {
        c.missed = 1;
    }
    if (!s.has(MorningOut)) {
        c.missed += 1;
        if (c.missed == 2) {
            c.missed = 0;
            c.absentHalves = 1;
        }
    }
    if (s.has(AfternoonIn)) {
        if (countLateness(c, s.minutes[AfternoonIn] - t.afternoonIn, 10))
            j.marks[AfternoonIn] = Mark::Late;
    } else {
        c.missed += 10;
    }
    if (s.has(AfternoonOut)) {
        const int m4 = s.minutes[AfternoonOut];
        if (m4 >= t.overtimeSecond)
            c.overtime2 = 1;
        else if (m4 >= t.overtimeFirst)
            c.overtime1 = 1;
        if (c.overtime1 || c.overtime2)
            j.marks[AfternoonOut] = Mark::Overtime;
    } else {
        c.missed += 10;
    }
    if (c.missed >= 20) {
        c.missed %= 10;
        c.absentHalves += 1;
    }
    return j;
}

Judgement judgeNineToFive(const DaySlots& s, bool dutyDay, const WorkTimes& t)
{
    Judgement j;
    DayCounters& c = j.counters;
    if (s.has(MorningIn)) {
        if (countLateness(c, s.minutes[MorningIn] - t.nineToFiveIn, 1))
            j.marks[MorningIn] = Mark::Late;
        if (dutyDay && countDutyLateness(c, s.minutes[MorningIn], t.nineToFiveIn))
            j.marks[MorningIn] = Mark::Late;
    } else {
        c.missed = 1;
    }
    if (s.has(AfternoonOut)) {
        if (s.minutes[AfternoonOut] >= t.nineToFiveOvertime) {
            c.overtime1 = 1;
            j.marks[AfternoonOut] = Mark::Overtime;
        }
    } else {
        c.missed += 1;
    }
    if (c.missed >= 2) {
        c.missed = 0;
        c.absentHalves = 2;
    }
    return j;
}

void clearLateness(DayCounters& c)
{
    c.dutyLate10 = c.dutyLateOver10 = c.late10 = c.late30 = c.late60 = 0;
}

// One missed punch less: the morning's in the units, else the afternoon's.
void excuseOneMissed(DayCounters& c)
{
    c.missed -= c.missed < 10 ? 1 : 10;
}

void excuseLateness(DayCounters& c, const QString& text)
{
    if (text.contains(kTwice)) {
        clearLateness(c);
        return;
    }
    const bool morning = std::any_of(kMorningWords.begin(), kMorningWords.end(),
                                     [&](const QString& w) { return text.contains(w); });
    if (!morning) {
        if (c.late10 >= 10)
            c.late10 -= 10;
        else if (c.late30 >= 10)
            c.late30 -= 10;
        else
            c.late60 -= 10;
        return;
    }
    c.dutyLate10 = 0;
    c.dutyLateOver10 = 0;
    if (c.late10 == 1 || c.late10 == 11)
        c.late10 -= 1;
    else if (c.late30 == 1 || c.late30 == 11)
        c.late30 -= 1;
    else if (--c.late60 < 0)
        c.late60 = 0;
}

void takeLeave(DayCounters& c, int DayCounters::*halves, const QString& text, TimeMode mode)
{
    if (text.contains(kWholeDay)) {
        c.absentHalves = 0;
        c.*halves = 2;
        return;
    }
    c.*halves = 1;
    if (mode == TimeMode::NineToFive) {
        if (c.missed >= 1)
            c.missed -= 1;
    } else if (c.absentHalves >= 1) {
        c.absentHalves -= 1;
    } else if (c.missed > 0) {
        excuseOneMissed(c);
    }
}

// "处罚50元" anywhere in the remaining text gives "罚款50元". A text without
// "处罚" leaves the penalty as an earlier pass set it.
void readPenalty(const QString& text, QString& penalty)
{
    const qsizetype at = text.indexOf(kPenaltyWord);
    if (at < 0)
        return;
    QString span = text.mid(at, kPenaltySpan);
    const qsizetype yuan = span.indexOf(kYuan);
    span = yuan < 0 ? QString() : span.left(yuan + 1);
    penalty = span.replace(kPenaltyWord, kFineWord);
}

void applyPass(const QString& text, bool restDay, TimeMode mode, DayCounters& c, QString& penalty)
{
    const bool nineToFive = mode == TimeMode::NineToFive;
    if (text.contains(kExcuseMissed)) {
        if (nineToFive) {
            c.missed = 0;
        } else if (text.contains(kTwice)) {
            if (restDay && c.missed == 0 && c.absentHalves > 0)
                c.absentHalves -= 1;
            c.missed = 0;
        } else {
            excuseOneMissed(c);
        }
    } else if (text.contains(kExcuseLate)) {
        if (nineToFive)
            clearLateness(c);
        else
            excuseLateness(c, text);
    } else if (text.contains(kSickLeave)) {
        takeLeave(c, &DayCounters::sickHalves, text, mode);
    } else if (text.contains(kPersonalLeave)) {
        takeLeave(c, &DayCounters::personalHalves, text, mode);
    } else if (text.contains(kExcuseAbsence)) {
        if (text.contains(kWholeDay))
            c.absentHalves = 0;
        else if (nineToFive)
            c.absentHalves = 1;
        else if (c.absentHalves > 0)
            c.absentHalves -= 1;
    } else {
        readPenalty(text, penalty);
    }
}

} // namespace

WorkTimes workTimesOf(const TimeFields& f)
{
    WorkTimes t;
    t.morningIn = minutesOf(f, 1);
    t.morningOut = minutesOf(f, 3);
    t.afternoonIn = minutesOf(f, 5);
    t.afternoonOut = minutesOf(f, 7);
    t.overtimeFirst = minutesOf(f, 9);
    t.overtimeSecond = minutesOf(f, 11);
    t.nineToFiveIn = minutesOf(f, 13);
    t.nineToFiveOut = minutesOf(f, 15);
    t.nineToFiveOvertime = minutesOf(f, 17);
    return t;
}

QString DaySlots::text(Slot s) const
{
    if (!has(s))
        return kEmptySlot;
    const int m = minutes[s];
    return QStringLiteral("%1:%2").arg(m / 60, 2, 10, QLatin1Char('0')).arg(m % 60, 2, 10, QLatin1Char('0'));
}

Placement placePunch(DaySlots& daySlots, int minute, TimeMode mode, const WorkTimes& times)
{
    if (mode == TimeMode::NineToFive)
        return placeIn(kNineToFiveWindows, daySlots, minute, times);
    return placeIn(kAdministrativeWindows, daySlots, minute, times);
}

QList<PunchWindowSpan> punchWindows(TimeMode mode, const WorkTimes& times)
{
    if (mode == TimeMode::NineToFive)
        return spansOf(kNineToFiveWindows, times);
    return spansOf(kAdministrativeWindows, times);
}

Judgement judgePunches(const DaySlots& daySlots, bool dutyDay, TimeMode mode, const WorkTimes& times)
{
    return mode == TimeMode::NineToFive ? judgeNineToFive(daySlots, dutyDay, times)
                                        : judgeAdministrative(daySlots, dutyDay, times);
}

EmployeeRegistrationDays::EmployeeRegistrationDays(const QList<Registration>& registrations,
                                                   const QString& employee)
{
    for (const Registration& r : registrations) {
        if (!registrationConcerns(r.number, employee))
            continue;
        QString& entries = entries_[r.date];
        entries = r.reason + r.appliedMethod() + kEntryEnd + entries;
    }
}

QString EmployeeRegistrationDays::text(const QString& key, bool dutyDay) const
{
    const QString entries = entries_.value(key);
    return dutyDay ? entries + kDutyWord : entries;
}

QString registrationText(const QList<Registration>& registrations, const QString& employee,
                         const QString& key, bool dutyDay)
{
    return EmployeeRegistrationDays(registrations, employee).text(key, dutyDay);
}

Applied applyRegistrations(const QString& registrationText, bool restDay, TimeMode mode,
                           DayCounters& counters)
{
    Applied out;
    QString text = registrationText;
    const qsizetype passes = text.count(kEntryEnd);
    for (qsizetype i = 0; i < passes; ++i) {
        applyPass(text, restDay, mode, counters, out.penalty);
        text = u'*' + text.mid(text.indexOf(kEntryEnd) + kEntryEnd.size());
    }
    out.remarkBase = text;
    return out;
}

void applyRestDay(DayCounters& c)
{
    c.restHalves = 2 - c.absentHalves;
    c.absentHalves = 0;
}

QString weekdayName(const QDate& date)
{
    static const QString names = QStringLiteral("日一二三四五六");
    return u'周' + names.at(date.dayOfWeek() % 7);
}

QString dayKey(const QDate& date)
{
    return QStringLiteral("%1月%2日")
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'));
}

} // namespace tarnby
