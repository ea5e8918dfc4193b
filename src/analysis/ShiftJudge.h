#pragma once
// Judging a day by its shift: which slot a punch takes, lateness with grace,
// early leave, the overtime tiers and the overtime minutes. The two time modes
// are shifts too (模式一, 模式二, every parameter at its default), and judged
// here they give what the modes have always given.

#include "analysis/DayJudge.h"
#include "settings/Schedules.h"

namespace tarnby {

// A shift with its timeline and windows worked out once, for every day it judges.
struct PreparedShift {
    Shift shift;
    ShiftTimeline line;
    QList<ShiftWindow> windows; // in the order a punch tries them

    PreparedShift() = default;
    explicit PreparedShift(Shift s);

    // Kind 2 follows the administrative mode's registration and counting
    // rules, kind 1 the nine-to-five mode's.
    TimeMode mode() const { return line.kind == 2 ? TimeMode::Administrative : TimeMode::NineToFive; }
    // A time of the timeline as the sentences write it: a time mode's as it
    // always has, a user shift's past midnight as "次日08:00".
    QString clock(int minute) const;
    // The working hours, "08:00–12:00、13:30–17:30" or "20:00–次日08:00".
    QString hours() const;
};

// The time mode as its built-in shift, from Init.ini's working times.
Shift builtInShift(TimeMode mode, const WorkTimes& times);

// Puts a punch (a minute of the day's timeline) into the slot of the first
// window it falls in: an on-duty slot keeps its earliest punch, A下班 its first
// punch at or after off1 (without one, the latest early one), P下班 its latest.
Placement placeInShift(DaySlots& daySlots, int minute, const PreparedShift& shift);

// The day's counters and marks; lateness and early-leave minutes go to
// `figures`. `rules`, when given, receives one sentence per judgement.
Judgement judgeShiftDay(const DaySlots& daySlots, bool dutyDay, const PreparedShift& shift, ShiftFigures& figures,
                        QStringList* rules = nullptr);

// Where a day's overtime minutes are paid.
enum class OvertimeKind { Workday, Restday, Holiday };

// The day's overtime minutes: on a working day from the last off time (plus
// overtimeFrom) to P下班; on a rest day or a holiday the time from the first
// present slot to the last, less the break when both halves were worked.
// Below overtimeMinimum it is 0, else rounded down to overtimeStep.
int overtimeMinutes(const DaySlots& daySlots, const PreparedShift& shift, OvertimeKind kind,
                    QStringList* rules = nullptr);

} // namespace tarnby
