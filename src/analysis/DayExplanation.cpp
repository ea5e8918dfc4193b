#include "analysis/DayExplanation.h"

#include "analysis/ResultText.h"
#include "analysis/ShiftJudge.h"

#include <QCoreApplication>

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
    {&DayCounters::dutyLate10, QT_TRANSLATE_NOOP("DayExplanation", "值日迟到（10分钟内）"), false, false},
    {&DayCounters::dutyLateOver10, QT_TRANSLATE_NOOP("DayExplanation", "值日迟到（30分钟内）"), false, false},
    {&DayCounters::late10, QT_TRANSLATE_NOOP("DayExplanation", "迟到（10分钟内）"), false, true},
    {&DayCounters::late30, QT_TRANSLATE_NOOP("DayExplanation", "迟到（30分钟内）"), false, true},
    {&DayCounters::late60, QT_TRANSLATE_NOOP("DayExplanation", "迟到（60分钟内）"), false, true},
    {&DayCounters::missed, QT_TRANSLATE_NOOP("DayExplanation", "漏打"), false, true},
    {&DayCounters::sickHalves, QT_TRANSLATE_NOOP("DayExplanation", "病假"), true, false},
    {&DayCounters::personalHalves, QT_TRANSLATE_NOOP("DayExplanation", "事假"), true, false},
    {&DayCounters::absentHalves, QT_TRANSLATE_NOOP("DayExplanation", "旷工"), true, false},
    {&DayCounters::overtime1, QT_TRANSLATE_NOOP("DayExplanation", "加班一档"), false, false},
    {&DayCounters::overtime2, QT_TRANSLATE_NOOP("DayExplanation", "加班二档"), false, false},
    {&DayCounters::restHalves, QT_TRANSLATE_NOOP("DayExplanation", "休息日加班"), true, false},
}};

QString windowText(const ShiftWindow& w, const PreparedShift& shift)
{
    if (w.open)
        return QCoreApplication::translate("DayExplanation", "%1 以后").arg(shift.clock(w.from));
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
    static constexpr std::array<const char*, 4> names = {
        QT_TRANSLATE_NOOP("DayExplanation", "A上班"), QT_TRANSLATE_NOOP("DayExplanation", "A下班"),
        QT_TRANSLATE_NOOP("DayExplanation", "P上班"), QT_TRANSLATE_NOOP("DayExplanation", "P下班")};
    return QCoreApplication::translate("DayExplanation", names[slot]);
}

QString halfDaysText(int halves)
{
    if (halves % 2 == 0)
        return QCoreApplication::translate("DayExplanation", "%1天").arg(halves / 2);
    return QCoreApplication::translate("DayExplanation", "%1天").arg(halves / 2.0, 0, 'f', 1);
}

QString countersChange(const DayCounters& before, const DayCounters& after, TimeMode mode)
{
    QStringList changes;
    for (const CounterName& c : kCounterNames) {
        const int a = before.*c.counter;
        const int b = after.*c.counter;
        if (a == b)
            continue;
        const QString name = QCoreApplication::translate("DayExplanation", c.name);
        if (c.halves) {
            changes.append(QStringLiteral("%1 %2→%3").arg(name, halfDaysText(a), halfDaysText(b)));
        } else if (c.shifts && mode == TimeMode::Administrative) {
            if (a % 10 != b % 10)
                changes.append(QCoreApplication::translate("DayExplanation", "上午%1 %2→%3").arg(name).arg(a % 10).arg(b % 10));
            if (a / 10 != b / 10)
                changes.append(QCoreApplication::translate("DayExplanation", "下午%1 %2→%3").arg(name).arg(a / 10).arg(b / 10));
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
            e.why = QCoreApplication::translate("DayExplanation", "时间无法识别，不计");
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
            if (!nearest)
                e.why = QCoreApplication::translate("DayExplanation", "不在任何打卡时段，不计");
            else
                e.why = (offset < 0 ? QCoreApplication::translate("DayExplanation", "不在任何打卡时段：比最近的 %1 时段（%2）早 %3 分钟，不计")
                                    : QCoreApplication::translate("DayExplanation", "不在任何打卡时段：比最近的 %1 时段（%2）晚 %3 分钟，不计"))
                            .arg(slotName(Slot(nearest->slot)), windowText(*nearest, shift))
                            .arg(std::abs(offset));
            break;
        }
        case Placement::Kept:
            e.why = (p.previous < j.minute
                         ? QCoreApplication::translate("DayExplanation", "%1 时段（%2）内已有更早的 %3，保留最早的一次，本次不计")
                         : QCoreApplication::translate("DayExplanation", "%1 时段（%2）内已有同一分钟的 %3，保留最早的一次，本次不计"))
                        .arg(name, shownWindow, shift.clock(p.previous));
            break;
        case Placement::Taken:
        case Placement::Replaced:
            if (shown[p.slot] == i) {
                e.slot = p.slot;
                const int off = p.slot == MorningOut ? shift.line.off1 : shift.line.off2;
                if ((p.slot == MorningOut || p.slot == AfternoonOut) && j.minute < off)
                    e.why = QCoreApplication::translate("DayExplanation", "%1 时段（%2）内，早于下班时间 %3，计为 %1（早退）")
                                .arg(name, shownWindow, shift.clock(off));
                else
                    e.why = (w.open ? QCoreApplication::translate("DayExplanation", "%1 时段（%2）内最晚的一次，计为 %1")
                                    : QCoreApplication::translate("DayExplanation", "%1 时段（%2）内最早的一次，计为 %1"))
                                .arg(name, shownWindow);
            } else {
                const JudgedPunch& later = judged.at(shown[p.slot]);
                e.why = QCoreApplication::translate("DayExplanation", "%1 时段（%2）内，被更晚的 %3 取代（%4）")
                            .arg(name, shownWindow, shift.clock(later.minute),
                                 w.open ? QCoreApplication::translate("DayExplanation", "保留最晚的一次") : QCoreApplication::translate("DayExplanation", "下班时间前的打卡让给更晚的一次"));
            }
            break;
        }
        if (j.dayOffset > 0)
            e.why = QCoreApplication::translate("DayExplanation", "次日的打卡，") + e.why;
        out.append(e);
    }
    return out;
}

QString explanationText(const ResultRow& row, const DayExplanation& explanation)
{
    QStringList lines;
    lines.append(QCoreApplication::translate("DayExplanation", "%1 %2　A上班 %3　A下班 %4　P上班 %5　P下班 %6")
                     .arg(shownCell(ColDate, row.cells[ColDate]), shownCell(ColWeekday, row.cells[ColWeekday]), row.cells[ColMorningIn], row.cells[ColMorningOut],
                          row.cells[ColAfternoonIn], row.cells[ColAfternoonOut]));
    if (!row.cells[ColRemark].isEmpty())
        lines.append(QCoreApplication::translate("DayExplanation", "备注：%1").arg(shownCell(ColRemark, row.cells[ColRemark])));
    lines.append(QString());
    lines.append(explanation.punches.isEmpty() ? QCoreApplication::translate("DayExplanation", "打卡记录：当天没有打卡记录")
                                               : QCoreApplication::translate("DayExplanation", "打卡记录（按判定顺序）："));
    for (const PunchExplanation& p : explanation.punches) {
        const QString cell = p.slot >= 0 ? QStringLiteral("→ %1").arg(slotName(Slot(p.slot))) : QCoreApplication::translate("DayExplanation", "× 不计");
        lines.append(QStringLiteral("  %1  %2　%3").arg(p.time, cell, p.why));
    }
    lines.append(QString());
    lines.append(explanation.rules.isEmpty() ? QCoreApplication::translate("DayExplanation", "判定：没有需要说明的判定") : QCoreApplication::translate("DayExplanation", "判定："));
    for (const QString& rule : explanation.rules)
        lines.append(QStringLiteral("  · %1").arg(rule));
    return lines.join(u'\n');
}

} // namespace tarnby
