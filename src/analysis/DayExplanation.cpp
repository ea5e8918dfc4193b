#include "analysis/DayExplanation.h"

#include "analysis/ShiftJudge.h"

#include <array>
#include <cstdlib>
#include <utility>

namespace tarnby {
namespace {

struct CounterName {
    int DayCounters::*counter;
    const char* name;
    bool halves;  // counted in half days
    bool shifts;  // morning in the units, afternoon in the tens (administrative mode)
};
constexpr std::array<CounterName, 12> kCounterNames = {{
    {&DayCounters::dutyLate10, "值日迟到（10分钟内）", false, false},
    {&DayCounters::dutyLateOver10, "值日迟到（30分钟内）", false, false},
    {&DayCounters::late10, "迟到（10分钟内）", false, true},
    {&DayCounters::late30, "迟到（30分钟内）", false, true},
    {&DayCounters::late60, "迟到（60分钟内）", false, true},
    {&DayCounters::missed, "漏打", false, true},
    {&DayCounters::sickHalves, "病假", true, false},
    {&DayCounters::personalHalves, "事假", true, false},
    {&DayCounters::absentHalves, "旷工", true, false},
    {&DayCounters::overtime1, "加班一档", false, false},
    {&DayCounters::overtime2, "加班二档", false, false},
    {&DayCounters::restHalves, "休息日加班", true, false},
}};

QString windowText(const ShiftWindow& w, const PreparedShift& shift)
{
    if (w.open)
        return QStringLiteral("%1 以后").arg(shift.clock(w.from));
    return QStringLiteral("%1–%2").arg(shift.clock(w.from), shift.clock(w.to));
}

// The window nearest to a punch outside all of them, and how far it lies:
// negative minutes when the punch comes before it.
std::pair<const ShiftWindow*, int> nearestWindow(const QList<ShiftWindow>& windows, int minute)
{
    const ShiftWindow* nearest = nullptr;
    int offset = 0;
    for (const ShiftWindow& w : windows) {
        int off = 0;
        if (minute < w.from)
            off = minute - w.from;
        else if (!w.open && minute > w.to)
            off = minute - w.to;
        if (!nearest || std::abs(off) < std::abs(offset)) {
            nearest = &w;
            offset = off;
        }
    }
    return {nearest, offset};
}

} // namespace

QString clockText(int minute)
{
    return QStringLiteral("%1:%2").arg(minute / 60, 2, 10, QLatin1Char('0')).arg(minute % 60, 2, 10, QLatin1Char('0'));
}

QString slotName(Slot slot)
{
    static const std::array<QString, 4> names = {QStringLiteral("A上班"), QStringLiteral("A下班"),
                                                 QStringLiteral("P上班"), QStringLiteral("P下班")};
    return names[slot];
}

QString halfDaysText(int halves)
{
    if (halves % 2 == 0)
        return QStringLiteral("%1天").arg(halves / 2);
    return QStringLiteral("%1天").arg(halves / 2.0, 0, 'f', 1);
}

QString countersChange(const DayCounters& before, const DayCounters& after, TimeMode mode)
{
    QStringList changes;
    for (const CounterName& c : kCounterNames) {
        const int a = before.*c.counter;
        const int b = after.*c.counter;
        if (a == b)
            continue;
        const QString name = QString::fromUtf8(c.name);
        if (c.halves) {
            changes.append(QStringLiteral("%1 %2→%3").arg(name, halfDaysText(a), halfDaysText(b)));
        } else if (c.shifts && mode == TimeMode::Administrative) {
            if (a % 10 != b % 10)
                changes.append(QStringLiteral("上午%1 %2→%3").arg(name).arg(a % 10).arg(b % 10));
            if (a / 10 != b / 10)
                changes.append(QStringLiteral("下午%1 %2→%3").arg(name).arg(a / 10).arg(b / 10));
        } else {
            changes.append(QStringLiteral("%1 %2→%3").arg(name).arg(a).arg(b));
        }
    }
    return changes.join(u'，');
}

QList<PunchExplanation> explainPunches(const QList<JudgedPunch>& judged, TimeMode mode, const WorkTimes& times)
{
    return explainPunches(judged, PreparedShift(builtInShift(mode, times)));
}

QList<PunchExplanation> explainPunches(const QList<JudgedPunch>& judged, const PreparedShift& shift)
{
    const QList<ShiftWindow>& windows = shift.windows;
    auto windowOf = [&](Slot slot) {
        for (const ShiftWindow& w : windows) {
            if (w.slot == slot)
                return w;
        }
        return windows.first();
    };
    // The punch each slot shows: the last one that went into it.
    std::array<qsizetype, 4> shown{-1, -1, -1, -1};
    for (qsizetype i = 0; i < judged.size(); ++i) {
        const Placement& p = judged.at(i).placement;
        if (judged.at(i).minute >= 0 && (p.kind == Placement::Taken || p.kind == Placement::Replaced))
            shown[p.slot] = i;
    }

    QList<PunchExplanation> out;
    out.reserve(judged.size());
    for (qsizetype i = 0; i < judged.size(); ++i) {
        const JudgedPunch& j = judged.at(i);
        PunchExplanation e;
        e.time = j.timeText;
        if (!j.aside.isEmpty()) {
            e.why = j.aside;
            out.append(e);
            continue;
        }
        if (j.minute < 0) {
            e.why = QStringLiteral("时间无法识别，不计");
            out.append(e);
            continue;
        }
        const Placement& p = j.placement;
        const ShiftWindow w = windowOf(p.slot);
        const QString name = slotName(p.slot);
        const QString shownWindow = windowText(w, shift);
        switch (p.kind) {
        case Placement::Outside: {
            const auto [nearest, offset] = nearestWindow(windows, j.minute);
            e.why = nearest ? QStringLiteral("不在任何打卡时段：比最近的 %1 时段（%2）%3 %4 分钟，不计")
                                  .arg(slotName(Slot(nearest->slot)), windowText(*nearest, shift),
                                       offset < 0 ? QStringLiteral("早") : QStringLiteral("晚"))
                                  .arg(std::abs(offset))
                            : QStringLiteral("不在任何打卡时段，不计");
            break;
        }
        case Placement::Kept:
            e.why = QStringLiteral("%1 时段（%2）内已有%3的 %4，保留最早的一次，本次不计")
                        .arg(name, shownWindow, p.previous < j.minute ? QStringLiteral("更早") : QStringLiteral("同一分钟"),
                             shift.clock(p.previous));
            break;
        case Placement::Taken:
        case Placement::Replaced:
            if (shown[p.slot] == i) {
                e.slot = p.slot;
                const int off = p.slot == MorningOut ? shift.line.off1 : shift.line.off2;
                if ((p.slot == MorningOut || p.slot == AfternoonOut) && j.minute < off)
                    e.why = QStringLiteral("%1 时段（%2）内，早于下班时间 %3，计为 %1（早退）")
                                .arg(name, shownWindow, shift.clock(off));
                else
                    e.why = QStringLiteral("%1 时段（%2）内最%3的一次，计为 %1")
                                .arg(name, shownWindow, w.open ? QStringLiteral("晚") : QStringLiteral("早"));
            } else {
                const JudgedPunch& later = judged.at(shown[p.slot]);
                e.why = QStringLiteral("%1 时段（%2）内，被更晚的 %3 取代（%4）")
                            .arg(name, shownWindow, shift.clock(later.minute),
                                 w.open ? QStringLiteral("保留最晚的一次") : QStringLiteral("下班时间前的打卡让给更晚的一次"));
            }
            break;
        }
        if (j.dayOffset > 0)
            e.why = QStringLiteral("次日的打卡，") + e.why;
        out.append(e);
    }
    return out;
}

QString explanationText(const ResultRow& row, const DayExplanation& explanation)
{
    QStringList lines;
    lines.append(QStringLiteral("%1 %2　A上班 %3　A下班 %4　P上班 %5　P下班 %6")
                     .arg(row.cells[ColDate], row.cells[ColWeekday], row.cells[ColMorningIn], row.cells[ColMorningOut],
                          row.cells[ColAfternoonIn], row.cells[ColAfternoonOut]));
    if (!row.cells[ColRemark].isEmpty())
        lines.append(QStringLiteral("备注：%1").arg(row.cells[ColRemark]));
    lines.append(QString());
    lines.append(explanation.punches.isEmpty() ? QStringLiteral("打卡记录：当天没有打卡记录")
                                               : QStringLiteral("打卡记录（按判定顺序）："));
    for (const PunchExplanation& p : explanation.punches) {
        const QString cell = p.slot >= 0 ? QStringLiteral("→ %1").arg(slotName(Slot(p.slot))) : QStringLiteral("× 不计");
        lines.append(QStringLiteral("  %1  %2　%3").arg(p.time, cell, p.why));
    }
    lines.append(QString());
    lines.append(explanation.rules.isEmpty() ? QStringLiteral("判定：没有需要说明的判定") : QStringLiteral("判定："));
    for (const QString& rule : explanation.rules)
        lines.append(QStringLiteral("  · %1").arg(rule));
    return lines.join(u'\n');
}

} // namespace tarnby
