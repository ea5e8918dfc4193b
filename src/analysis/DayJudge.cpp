#include "analysis/DayJudge.h"

#include "analysis/DayExplanation.h"
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
    const char* caption; // as the statistics panel names the tier
};
constexpr std::array<LateTier, 3> kLateTiers = {{
    {1, 10, &DayCounters::late10, "10分钟内"},
    {11, 30, &DayCounters::late30, "30分钟内"},
    {31, 60, &DayCounters::late60, "60分钟内"},
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

// Sentences are written only when somebody asks for them.
void say(QStringList* rules, const auto& sentence)
{
    if (rules)
        rules->append(sentence());
}

// Counts the lateness of an on-duty punch in `slot` with `weight` (1 morning,
// 10 afternoon).
bool countLateness(DayCounters& c, Slot slot, int minute, int onDuty, int weight, QStringList* rules)
{
    const int minutesLate = minute - onDuty;
    for (const LateTier& tier : kLateTiers) {
        if (minutesLate >= tier.from && minutesLate <= tier.to) {
            c.*tier.counter += weight;
            say(rules, [&] {
                return QStringLiteral("%1 %2 比上班时间 %3 晚 %4 分钟，记迟到（%5）")
                    .arg(slotName(slot), clockText(minute), clockText(onDuty))
                    .arg(minutesLate)
                    .arg(QString::fromUtf8(tier.caption));
            });
            return true;
        }
    }
    return false;
}

bool countDutyLateness(DayCounters& c, int minute, int onDuty, QStringList* rules)
{
    const int g = minute - (onDuty - kDutyLead);
    if (g < 1)
        return false;
    const bool first = g <= kDutyTierEdge;
    (first ? c.dutyLate10 : c.dutyLateOver10) = 1;
    say(rules, [&] {
        return QStringLiteral("值日：A上班 %1 比值日到岗时间 %2（上班前 %3 分钟）晚 %4 分钟，记值日迟到（%5）")
            .arg(clockText(minute), clockText(onDuty - kDutyLead))
            .arg(kDutyLead)
            .arg(g)
            .arg(first ? QStringLiteral("10分钟内") : QStringLiteral("30分钟内"));
    });
    return true;
}

QString missedSentence(Slot slot)
{
    return QStringLiteral("没有 %1 打卡，记漏打 1 次").arg(slotName(slot));
}

QString overtimeSentence(int minute, int from, const char* tier)
{
    return QStringLiteral("P下班 %1 不早于%2时间 %3，记%2")
        .arg(clockText(minute), QString::fromUtf8(tier), clockText(from));
}

Judgement judgeAdministrative(const DaySlots& s, bool dutyDay, const WorkTimes& t, QStringList* rules)
{
    Judgement j;
    DayCounters& c = j.counters;
    if (s.has(MorningIn)) {
        if (countLateness(c, MorningIn, s.minutes[MorningIn], t.morningIn, 1, rules))
            j.marks[MorningIn] = Mark::Late;
        if (dutyDay && countDutyLateness(c, s.minutes[MorningIn], t.morningIn, rules))
            j.marks[MorningIn] = Mark::Late;
    } else {
        c.missed = 1;
    }
    if (!s.has(MorningOut)) {
        c.missed += 1;
        if (c.missed == 2) {
            c.missed = 0;
            c.absentHalves = 1;
            say(rules, [] { return QStringLiteral("上午 A上班、A下班 都没有打卡，记旷工半天"); });
        } else {
            say(rules, [] { return missedSentence(MorningOut); });
        }
    } else if (!s.has(MorningIn)) {
        say(rules, [] { return missedSentence(MorningIn); });
    }
    if (s.has(AfternoonIn)) {
        if (countLateness(c, AfternoonIn, s.minutes[AfternoonIn], t.afternoonIn, 10, rules))
            j.marks[AfternoonIn] = Mark::Late;
    } else {
        c.missed += 10;
        if (s.has(AfternoonOut))
            say(rules, [] { return missedSentence(AfternoonIn); });
    }
    if (s.has(AfternoonOut)) {
        const int m4 = s.minutes[AfternoonOut];
        if (m4 >= t.overtimeSecond) {
            c.overtime2 = 1;
            say(rules, [&] { return overtimeSentence(m4, t.overtimeSecond, "加班二档"); });
        } else if (m4 >= t.overtimeFirst) {
            c.overtime1 = 1;
            say(rules, [&] { return overtimeSentence(m4, t.overtimeFirst, "加班一档"); });
        }
        if (c.overtime1 || c.overtime2)
            j.marks[AfternoonOut] = Mark::Overtime;
    } else {
        c.missed += 10;
        if (s.has(AfternoonIn))
            say(rules, [] { return missedSentence(AfternoonOut); });
    }
    if (c.missed >= 20) {
        c.missed %= 10;
        c.absentHalves += 1;
        say(rules, [] { return QStringLiteral("下午 P上班、P下班 都没有打卡，记旷工半天"); });
    }
    return j;
}

Judgement judgeNineToFive(const DaySlots& s, bool dutyDay, const WorkTimes& t, QStringList* rules)
{
    Judgement j;
    DayCounters& c = j.counters;
    if (s.has(MorningIn)) {
        if (countLateness(c, MorningIn, s.minutes[MorningIn], t.nineToFiveIn, 1, rules))
            j.marks[MorningIn] = Mark::Late;
        if (dutyDay && countDutyLateness(c, s.minutes[MorningIn], t.nineToFiveIn, rules))
            j.marks[MorningIn] = Mark::Late;
    } else {
        c.missed = 1;
    }
    if (s.has(AfternoonOut)) {
        const int m4 = s.minutes[AfternoonOut];
        if (m4 >= t.nineToFiveOvertime) {
            c.overtime1 = 1;
            j.marks[AfternoonOut] = Mark::Overtime;
            say(rules, [&] {
                return QStringLiteral("P下班 %1 不早于加班时间 %2，记加班一档")
                    .arg(clockText(m4), clockText(t.nineToFiveOvertime));
            });
        }
    } else {
        c.missed += 1;
    }
    if (c.missed >= 2) {
        c.missed = 0;
        c.absentHalves = 2;
        say(rules, [] { return QStringLiteral("A上班、P下班 都没有打卡，记旷工一天"); });
    } else if (c.missed == 1) {
        say(rules, [&] { return missedSentence(s.has(MorningIn) ? AfternoonOut : MorningIn); });
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

// The keyword that decides a pass over `text`: an excuse or a leave, else a
// penalty; empty when none does.
QString decidingKeyword(const QString& text)
{
    for (const QString* k : {&kExcuseMissed, &kExcuseLate, &kSickLeave, &kPersonalLeave, &kExcuseAbsence, &kPenaltyWord}) {
        if (text.contains(*k))
            return *k;
    }
    return {};
}

// "登记「…」按“不计漏打”处理：上午漏打 1→0". The remaining text holds the
// pass's entry first (after the first pass behind a "*"), then the later ones.
QString passSentence(const QString& text, const DayCounters& before, const DayCounters& after,
                     const QString& penalty, TimeMode mode)
{
    const QStringList entries = text.split(kEntryEnd);
    QString entry = entries.first();
    if (entry.startsWith(u'*'))
        entry.remove(0, 1);
    QString sentence = QStringLiteral("登记「%1」").arg(entry);
    const QString keyword = decidingKeyword(text);
    if (keyword.isEmpty())
        return sentence + QStringLiteral("没有可识别的处理方式，计数不变");
    sentence += QStringLiteral("按“%1”处理").arg(keyword);
    if (!entry.contains(keyword)) {
        QString source;
        for (qsizetype k = 1; k < entries.size() && source.isEmpty(); ++k) {
            if (entries.at(k).contains(keyword))
                source = entries.at(k);
        }
        sentence += source.isEmpty() ? QStringLiteral("（本条没有这个词，它出现在其后的登记文字中）")
                                     : QStringLiteral("（本条没有这个词，它出自其后的登记「%1」）").arg(source);
    }
    if (keyword == kPenaltyWord) {
        return sentence + (penalty.isEmpty() ? QStringLiteral("，但“处罚”后没有“…元”的金额，不记罚款")
                                             : QStringLiteral("：备注记%1").arg(penalty));
    }
    const QString change = countersChange(before, after, mode);
    return sentence + u'：' + (change.isEmpty() ? QStringLiteral("计数不变") : change);
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

Judgement judgePunches(const DaySlots& daySlots, bool dutyDay, TimeMode mode, const WorkTimes& times,
                       QStringList* rules)
{
    return mode == TimeMode::NineToFive ? judgeNineToFive(daySlots, dutyDay, times, rules)
                                        : judgeAdministrative(daySlots, dutyDay, times, rules);
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
                           DayCounters& counters, QStringList* rules)
{
    Applied out;
    QString text = registrationText;
    const qsizetype passes = text.count(kEntryEnd);
    for (qsizetype i = 0; i < passes; ++i) {
        const DayCounters before = counters;
        applyPass(text, restDay, mode, counters, out.penalty);
        say(rules, [&] { return passSentence(text, before, counters, out.penalty, mode); });
        text = u'*' + text.mid(text.indexOf(kEntryEnd) + kEntryEnd.size());
    }
    out.remarkBase = text;
    return out;
}

void applyRestDay(DayCounters& c, QStringList* rules)
{
    const int absent = c.absentHalves;
    c.restHalves = 2 - c.absentHalves;
    c.absentHalves = 0;
    say(rules, [&] {
        QString sentence = QStringLiteral("休息日：记休息日加班 %1").arg(halfDaysText(c.restHalves));
        if (absent > 0)
            sentence += QStringLiteral("，旷工 %1 不计").arg(halfDaysText(absent));
        return sentence;
    });
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
