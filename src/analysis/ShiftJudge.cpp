#include "analysis/ShiftJudge.h"

#include "analysis/DayExplanation.h"

#include <QCoreApplication>
#include <climits>

namespace tarnby {
namespace {

// Lateness tiers in whole minutes after the on-duty time: 1-10, 11-30, 31 and
// more (a time mode's windows end an hour after the on-duty time).
struct LateTier {
    int to;
    int DayCounters::*counter;
    const char* caption; // as the statistics panel names the tier
};
constexpr LateTier kLateTiers[] = {
    {10, &DayCounters::late10, QT_TRANSLATE_NOOP("DayExplanation", "10分钟内")},
    {30, &DayCounters::late30, QT_TRANSLATE_NOOP("DayExplanation", "30分钟内")},
    {INT_MAX, &DayCounters::late60, QT_TRANSLATE_NOOP("DayExplanation", "60分钟内")},
};

// Duty lateness counts from half an hour before the on-duty time.
constexpr int kDutyLead = 30;
constexpr int kDutyTierEdge = 10;

// Sentences are written only when somebody asks for them.
void say(QStringList* rules, const auto& sentence)
{
    if (rules)
        rules->append(sentence());
}

// Counts the lateness of an on-duty punch in `slot` with `weight` (1 morning,
// 10 afternoon) and its minutes in `minutes`; within the grace it is on time.
bool countLateness(DayCounters& c, int& minutes, Slot slot, int minute, int onDuty, int weight,
                   const PreparedShift& p, QStringList* rules)
{
    const int late = minute - onDuty;
    if (late <= 0)
        return false;
    if (late <= p.shift.grace) {
        say(rules, [&] {
            return QCoreApplication::translate("DayExplanation", "%1 %2 比上班时间 %3 晚 %4 分钟，未超过宽限 %5 分钟，不算迟到")
                .arg(slotName(slot), p.clock(minute), p.clock(onDuty))
                .arg(late)
                .arg(p.shift.grace);
        });
        return false;
    }
    for (const LateTier& tier : kLateTiers) {
        if (late > tier.to)
            continue;
        c.*tier.counter += weight;
        minutes += late;
        say(rules, [&] {
            return QCoreApplication::translate("DayExplanation", "%1 %2 比上班时间 %3 晚 %4 分钟，记迟到（%5）")
                .arg(slotName(slot), p.clock(minute), p.clock(onDuty))
                .arg(late)
                .arg(QCoreApplication::translate("DayExplanation", tier.caption));
        });
        break;
    }
    return true;
}

bool countDutyLateness(DayCounters& c, int minute, int onDuty, const PreparedShift& p, QStringList* rules)
{
    const int g = minute - (onDuty - kDutyLead);
    if (g < 1)
        return false;
    const bool first = g <= kDutyTierEdge;
    (first ? c.dutyLate10 : c.dutyLateOver10) = 1;
    say(rules, [&] {
        return QCoreApplication::translate("DayExplanation", "值日：A上班 %1 比值日到岗时间 %2（上班前 %3 分钟）晚 %4 分钟，记值日迟到（%5）")
            .arg(p.clock(minute), p.clock(onDuty - kDutyLead))
            .arg(kDutyLead)
            .arg(g)
            .arg(first ? QCoreApplication::translate("DayExplanation", "10分钟内") : QCoreApplication::translate("DayExplanation", "30分钟内"));
    });
    return true;
}

void countEarlyLeave(Judgement& j, ShiftFigures& f, Slot slot, int minute, int offDuty, const PreparedShift& p,
                     QStringList* rules)
{
    if (minute >= offDuty)
        return;
    f.earlyCount += 1;
    f.earlyMinutes += offDuty - minute;
    j.marks[slot] = Mark::Early;
    say(rules, [&] {
        return QCoreApplication::translate("DayExplanation", "%1 %2 比下班时间 %3 早 %4 分钟，记早退 1 次")
            .arg(slotName(slot), p.clock(minute), p.clock(offDuty))
            .arg(offDuty - minute);
    });
}

QString missedSentence(Slot slot)
{
    return QCoreApplication::translate("DayExplanation", "没有 %1 打卡，记漏打 1 次").arg(slotName(slot));
}

// The overtime tiers of the off-duty punch: the second from the shift's
// second overtime time, else the first from its first.
void countOvertimeTier(Judgement& j, int m4, const PreparedShift& p, QStringList* rules)
{
    DayCounters& c = j.counters;
    const QList<int>& at = p.line.overtime;
    const bool kind2 = p.line.kind == 2;
    if (at.size() >= 2 && m4 >= at.at(1)) {
        c.overtime2 = 1;
        say(rules, [&] {
            return QCoreApplication::translate("DayExplanation", "P下班 %1 不早于加班二档时间 %2，记加班二档").arg(p.clock(m4), p.clock(at.at(1)));
        });
    } else if (!at.isEmpty() && m4 >= at.at(0)) {
        c.overtime1 = 1;
        say(rules, [&] {
            return QCoreApplication::translate("DayExplanation", "P下班 %1 不早于%2时间 %3，记加班一档")
                .arg(p.clock(m4), kind2 ? QCoreApplication::translate("DayExplanation", "加班一档") : QCoreApplication::translate("DayExplanation", "加班"), p.clock(at.at(0)));
        });
    }
    if (c.overtime1 || c.overtime2)
        j.marks[AfternoonOut] = Mark::Overtime;
}

Judgement judgeTwoBlocks(const DaySlots& s, bool dutyDay, const PreparedShift& p, ShiftFigures& f, QStringList* rules)
{
    Judgement j;
    DayCounters& c = j.counters;
    const ShiftTimeline& t = p.line;
    if (s.has(MorningIn)) {
        if (countLateness(c, f.lateMorning, MorningIn, s.minutes[MorningIn], t.on1, 1, p, rules))
            j.marks[MorningIn] = Mark::Late;
        if (dutyDay && countDutyLateness(c, s.minutes[MorningIn], t.on1, p, rules))
            j.marks[MorningIn] = Mark::Late;
    } else {
        c.missed = 1;
    }
    if (!s.has(MorningOut)) {
        c.missed += 1;
        if (c.missed == 2) {
            c.missed = 0;
            c.absentHalves = 1;
            say(rules, [] { return QCoreApplication::translate("DayExplanation", "上午 A上班、A下班 都没有打卡，记旷工半天"); });
        } else {
            say(rules, [] { return missedSentence(MorningOut); });
        }
    } else {
        if (!s.has(MorningIn))
            say(rules, [] { return missedSentence(MorningIn); });
        countEarlyLeave(j, f, MorningOut, s.minutes[MorningOut], t.off1, p, rules);
    }
    if (s.has(AfternoonIn)) {
        if (countLateness(c, f.lateAfternoon, AfternoonIn, s.minutes[AfternoonIn], t.on2, 10, p, rules))
            j.marks[AfternoonIn] = Mark::Late;
    } else {
        c.missed += 10;
        if (s.has(AfternoonOut))
            say(rules, [] { return missedSentence(AfternoonIn); });
    }
    if (s.has(AfternoonOut)) {
        countOvertimeTier(j, s.minutes[AfternoonOut], p, rules);
        countEarlyLeave(j, f, AfternoonOut, s.minutes[AfternoonOut], t.off2, p, rules);
    } else {
        c.missed += 10;
        if (s.has(AfternoonIn))
            say(rules, [] { return missedSentence(AfternoonOut); });
    }
    if (c.missed >= 20) {
        c.missed %= 10;
        c.absentHalves += 1;
        say(rules, [] { return QCoreApplication::translate("DayExplanation", "下午 P上班、P下班 都没有打卡，记旷工半天"); });
    }
    return j;
}

Judgement judgeOneBlock(const DaySlots& s, bool dutyDay, const PreparedShift& p, ShiftFigures& f, QStringList* rules)
{
    Judgement j;
    DayCounters& c = j.counters;
    if (s.has(MorningIn)) {
        if (countLateness(c, f.lateMorning, MorningIn, s.minutes[MorningIn], p.line.on1, 1, p, rules))
            j.marks[MorningIn] = Mark::Late;
        if (dutyDay && countDutyLateness(c, s.minutes[MorningIn], p.line.on1, p, rules))
            j.marks[MorningIn] = Mark::Late;
    } else {
        c.missed = 1;
    }
    if (s.has(AfternoonOut)) {
        countOvertimeTier(j, s.minutes[AfternoonOut], p, rules);
        countEarlyLeave(j, f, AfternoonOut, s.minutes[AfternoonOut], p.line.off2, p, rules);
    } else {
        c.missed += 1;
    }
    if (c.missed >= 2) {
        c.missed = 0;
        c.absentHalves = 2;
        say(rules, [] { return QCoreApplication::translate("DayExplanation", "A上班、P下班 都没有打卡，记旷工一天"); });
    } else if (c.missed == 1) {
        say(rules, [&] { return missedSentence(s.has(MorningIn) ? AfternoonOut : MorningIn); });
    }
    return j;
}

const char* overtimeKindName(OvertimeKind kind)
{
    switch (kind) {
    case OvertimeKind::Workday: return QT_TRANSLATE_NOOP("DayExplanation", "平日加班");
    case OvertimeKind::Restday: return QT_TRANSLATE_NOOP("DayExplanation", "休息日加班");
    case OvertimeKind::Holiday: return QT_TRANSLATE_NOOP("DayExplanation", "节假日加班");
    }
    return "";
}

} // namespace

PreparedShift::PreparedShift(Shift s) : shift(std::move(s)), line(timelineOf(shift)), windows(windowsOf(shift, line))
{
}

QString PreparedShift::clock(int minute) const
{
    return shift.builtIn ? clockText(minute) : timelineClock(minute);
}

QString PreparedShift::hours() const
{
    if (line.kind == 1)
        return QStringLiteral("%1–%2").arg(clock(line.on1), clock(line.off2));
    return QStringLiteral("%1–%2、%3–%4").arg(clock(line.on1), clock(line.off1), clock(line.on2), clock(line.off2));
}

Shift builtInShift(TimeMode mode, const WorkTimes& t)
{
    Shift s;
    s.builtIn = true;
    if (mode == TimeMode::NineToFive) {
        s.name = kBuiltInNineToFive;
        s.times = {t.nineToFiveIn, t.nineToFiveOut};
        s.overtime = {t.nineToFiveOvertime};
    } else {
        s.name = kBuiltInAdministrative;
        s.times = {t.morningIn, t.morningOut, t.afternoonIn, t.afternoonOut};
        s.overtime = {t.overtimeFirst, t.overtimeSecond};
    }
    return s;
}

Placement placeInShift(DaySlots& daySlots, int minute, const PreparedShift& shift)
{
    for (const ShiftWindow& w : shift.windows) {
        // The open window's end is the working day's, which the punch is in.
        if (minute < w.from || (!w.open && minute > w.to))
            continue;
        const auto slot = Slot(w.slot);
        Placement p;
        p.slot = slot;
        p.previous = daySlots.minutes[slot];
        if (!daySlots.has(slot))
            p.kind = Placement::Taken;
        else if (w.open || (slot == MorningOut && p.previous < shift.line.off1))
            p.kind = Placement::Replaced;
        else
            p.kind = Placement::Kept;
        if (p.kind != Placement::Kept)
            daySlots.minutes[slot] = minute;
        return p;
    }
    return {};
}

Judgement judgeShiftDay(const DaySlots& daySlots, bool dutyDay, const PreparedShift& shift, ShiftFigures& figures,
                        QStringList* rules)
{
    return shift.line.kind == 2 ? judgeTwoBlocks(daySlots, dutyDay, shift, figures, rules)
                                : judgeOneBlock(daySlots, dutyDay, shift, figures, rules);
}

int overtimeMinutes(const DaySlots& s, const PreparedShift& p, OvertimeKind kind, QStringList* rules)
{
    const ShiftTimeline& t = p.line;
    int from = 0;
    int to = 0;
    int worked = 0;
    bool lessBreak = false;
    if (kind == OvertimeKind::Workday) {
        if (!s.has(AfternoonOut))
            return 0;
        from = t.lastOff() + p.shift.overtimeFrom;
        to = s.minutes[AfternoonOut];
        worked = to - from;
    } else {
        int first = -1;
        int last = -1;
        for (int slot = MorningIn; slot <= AfternoonOut; ++slot) {
            if (!s.has(Slot(slot)))
                continue;
            if (first < 0)
                first = slot;
            last = slot;
        }
        if (first < 0)
            return 0;
        from = s.minutes[first];
        to = s.minutes[last];
        worked = to - from;
        lessBreak = t.kind == 2 && from <= t.off1 && to >= t.on2;
        if (lessBreak)
            worked -= t.on2 - t.off1;
    }
    if (worked <= 0)
        return 0;
    const int counted = worked < p.shift.overtimeMinimum ? 0 : worked - worked % p.shift.overtimeStep;
    // A few minutes past the off time are no overtime worth a sentence.
    if (counted == 0 && worked < p.shift.overtimeStep)
        return 0;
    say(rules, [&] {
        QString what;
        if (kind == OvertimeKind::Workday)
            what = QCoreApplication::translate("DayExplanation", "P下班 %1 比加班起算时间 %2 晚 %3 分钟").arg(p.clock(to), p.clock(from)).arg(worked);
        else if (lessBreak)
            what = QCoreApplication::translate("DayExplanation", "出勤 %1–%2，扣除 %3–%4 的休息，共 %5 分钟")
                       .arg(p.clock(from), p.clock(to), p.clock(t.off1), p.clock(t.on2))
                       .arg(worked);
        else
            what = QCoreApplication::translate("DayExplanation", "出勤 %1–%2 共 %3 分钟").arg(p.clock(from), p.clock(to)).arg(worked);
        const QString paid = QCoreApplication::translate("DayExplanation", overtimeKindName(kind));
        if (counted == 0)
            return QCoreApplication::translate("DayExplanation", "%1，不足 %2 分钟，不计%3").arg(what).arg(p.shift.overtimeMinimum).arg(paid);
        return QCoreApplication::translate("DayExplanation", "%1，按 %2 分钟取整，记%3 %4 分钟").arg(what).arg(p.shift.overtimeStep).arg(paid).arg(counted);
    });
    return counted;
}

} // namespace tarnby
