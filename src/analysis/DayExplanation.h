#pragma once
// The words of a day's explanation: which punch each cell shows and why the
// others were passed over, and the helpers the judgement writes its sentences
// with. Nothing here runs unless an explanation was asked for.

#include "analysis/AnalysisTypes.h"
#include "analysis/DayJudge.h"
#include "analysis/PunchScan.h"

namespace tarnby {

struct PreparedShift;

// "08:05".
QString clockText(int minute);
// The result list's header of a slot: "A上班" … "P下班".
QString slotName(Slot slot);
// Half days as the statistics panel counts them: "1天", "0.5天", "0天".
QString halfDaysText(int halves);

// What a judgement changed, counter by counter ("上午漏打 1→0，病假 0天→0.5天");
// empty when nothing did. The administrative mode's shift digits are named
// as the morning's and the afternoon's.
QString countersChange(const DayCounters& before, const DayCounters& after, TimeMode mode);

// The day's records in the order judged, each with the cell that shows it
// (-1 for none) and the reason.
QList<PunchExplanation> explainPunches(const QList<JudgedPunch>& judged, TimeMode mode, const WorkTimes& times);
// The same for a day judged by `shift`.
QList<PunchExplanation> explainPunches(const QList<JudgedPunch>& judged, const PreparedShift& shift);

// The explanation as lines for a tooltip or a panel: the row, its punches, its rules.
QString explanationText(const ResultRow& row, const DayExplanation& explanation);

} // namespace tarnby
