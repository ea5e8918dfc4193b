#include "analysis/Analysis.h"

#include "analysis/DayExplanation.h"
#include "analysis/DayJudge.h"
#include "analysis/PunchScan.h"
#include "analysis/ResultList.h"
#include "analysis/ShiftPlan.h"
#include "base/EmployeeNumber.h"
#include "import/PunchTable.h"

#include <QCoreApplication>
#include <QHash>
#include <algorithm>
#include <memory>

namespace tarnby {
namespace {

// Each calendar month's duty table is read once per run, and its days are
// matched against the employee once.
class DutyDays {
public:
    DutyDays(const DutyProvider& provider, const QString& employee)
        : provider_(provider), employee_(formatEmployeeNumber(employee))
    {
    }

    Result<bool> isDutyDay(const QDate& date)
    {
        if (!provider_)
            return false;
        const int key = date.year() * 100 + date.month();
        auto it = months_.find(key);
        if (it == months_.end()) {
            Result<DutyTable> table = provider_(date.year(), date.month());
            if (!table)
                return Result<bool>::failure(table.error());
            std::array<bool, DutyRoster::kEntryCount> onDuty{};
            for (std::size_t d = 0; d < onDuty.size(); ++d) {
                const QString& entry = table.value()[d];
                // isOnDuty with the employee's side formatted once
                onDuty[d] = entry != kNobodyOnDuty && sameRegistrationNumber(entry, employee_);
            }
            it = months_.insert(key, onDuty);
        }
        return it.value()[std::size_t(date.day())];
    }

private:
    const DutyProvider& provider_;
    QString employee_; // formatted
    QHash<int, std::array<bool, DutyRoster::kEntryCount>> months_;
};

void addFigures(AnalysisResult& result, const QString& shift, bool rest, const ShiftFigures& f, OvertimeKind paid)
{
    result.figures.append({shift, rest, f.lateMinutes(), f.earlyCount, f.earlyMinutes, f.overtimeMinutes});
    EmployeeFigures& e = result.extra;
    e.earlyCount += f.earlyCount;
    e.earlyMinutes += f.earlyMinutes;
    e.lateMinutes += f.lateMinutes();
    (paid == OvertimeKind::Holiday   ? e.overtimeHoliday
     : paid == OvertimeKind::Restday ? e.overtimeRestday
                                     : e.overtimeWorkday) += f.overtimeMinutes;
}

Result<AnalysisResult> run(const AnalysisRequest& request, TimeMode mode)
{
    AnalysisResult result;
    result.ran = true;
    ResultList list(mode);
    list.ResetResultList();
    const WorkTimes times = workTimesOf(request.timeFields);
    const QString& employee = request.employee.number;

    const ShiftPlan plan(request.days, mode, times, request.shifts.get(), employee);
    // The new rules speak only where the new figures are wanted.
    const bool sayFigures = request.shifts != nullptr;
    for (qsizetype i = 0; i < plan.size(); ++i)
        result.shiftsUsed = result.shiftsUsed || plan.day(i).reason != ShiftReason::TimeMode;

    CollectedDays collected(request.days.size());
    JudgedDays judged(request.days.size());
    JudgedDays* const judging = request.explain ? &judged : nullptr;
    if (request.punches)
        collected = scanPunches(*request.punches, employee, plan, request.punchIndex.get(), judging);

    list.OpenPeriodStatistics();
    const bool anyDay = std::any_of(collected.begin(), collected.end(),
                                    [](const std::optional<DaySlots>& d) { return d.has_value(); });
    if (anyDay) {
        DutyDays duty(request.duty, employee);
        const EmployeeRegistrationDays registrations(request.registrations, employee);
        for (qsizetype i = 0; i < request.days.size(); ++i) {
            const PeriodDay& day = request.days.at(i);
            const DaySlots daySlots = collected.at(i).value_or(DaySlots());
            const Result<bool> dutyDay = duty.isDutyDay(day.date);
            if (!dutyDay)
                return Result<AnalysisResult>::failure(dutyDay.error());

            const PlannedDay& planned = plan.day(i);
            const PreparedShift& shift = *planned.shift;
            DayResult r;
            r.cells = {dayKey(day.date), weekdayName(day.date), daySlots.text(MorningIn), daySlots.text(MorningOut),
                       daySlots.text(AfternoonIn), daySlots.text(AfternoonOut)};
            r.rest = planned.rest;
            r.mode = shift.mode();
            DayExplanation explanation;
            QStringList* const rules = judging ? &explanation.rules : nullptr;
            if (rules && plan.namesShifts())
                rules->append(plan.shiftSentence(i));
            if (rules && dutyDay.value())
                rules->append(QCoreApplication::translate("DayExplanation", "值日表排定当天值日，备注记“值日”"));
            const QString text = registrations.text(r.cells[0], dutyDay.value());
            ShiftFigures figures;
            Judgement judgement = judgeShiftDay(daySlots, dutyDay.value(), shift, figures, rules);
            r.marks = judgement.marks;
            const RegistrationExtras extras{&figures, !shift.shift.builtIn, sayFigures};
            const Applied applied = applyRegistrations(text, r.rest, *r.mode, judgement.counters, rules, &extras);
            if (r.rest)
                applyRestDay(judgement.counters, rules);
            const OvertimeKind paid = planned.holiday ? OvertimeKind::Holiday
                                      : r.rest        ? OvertimeKind::Restday
                                                      : OvertimeKind::Workday;
            figures.overtimeMinutes = overtimeMinutes(daySlots, shift, paid, sayFigures ? rules : nullptr);
            r.counters = judgement.counters;
            r.remarkBase = applied.remarkBase;
            r.penalty = applied.penalty;
            r.earlyCount = figures.earlyCount;
            list.WriteDayRow(r);
            addFigures(result, shift.shift.name, r.rest, figures, paid);
            if (judging) {
                explanation.punches = explainPunches(judged.at(i), shift);
                result.explanations.append(explanation);
            }
        }
        list.ClosePeriodStatistics();
    }
    result.rows = list.rows();
    result.stats = list.captions();
    result.registrations = ShowEmployeeRegistrations(request.registrations, request.employee);
    return result;
}

} // namespace

Result<AnalysisResult> AnalyseTimeMode1(const AnalysisRequest& request)
{
    if (request.employee.isPlaceholder())
        return AnalysisResult{};
    if (request.timeMode == TimeMode::NineToFive)
        return AnalyseTimeMode2(request);
    return run(request, TimeMode::Administrative);
}

Result<AnalysisResult> AnalyseTimeMode2(const AnalysisRequest& request)
{
    if (request.employee.isPlaceholder())
        return AnalysisResult{};
    return run(request, TimeMode::NineToFive);
}

Result<AnalysisRequest> gatherRequest(const QString& programDir, const PunchTable& punches,
                                      const AnalysisSetting& setting)
{
    AnalysisRequest request;
    request.employee = setting.employee;
    request.timeMode = setting.timeMode;
    request.punches = &punches;
    request.punchIndex = std::make_shared<const PunchIndex>(punches);
    request.explain = setting.explain;
    Result<TimeFields> fields = config::LoadWorkTimes(programDir);
    if (!fields)
        return Result<AnalysisRequest>::failure(fields.error());
    request.timeFields = fields.value();
    Result<QList<Registration>> registrations = RegistrationWorkList(programDir, setting.period);
    if (!registrations)
        return Result<AnalysisRequest>::failure(registrations.error());
    request.registrations = registrations.value();
    request.days = setting.period.days(setting.restDays);
    Result<std::shared_ptr<const ShiftSetup>> shifts = loadShiftSetup(programDir, setting.period, setting.figures);
    if (!shifts)
        return Result<AnalysisRequest>::failure(shifts.error());
    request.shifts = shifts.value();
    // Every run of this request sees the rosters as they were when first read.
    auto read = std::make_shared<QHash<int, DutyTable>>();
    request.duty = [programDir, read](int year, int month) -> Result<DutyTable> {
        const int key = year * 100 + month;
        if (const auto it = read->constFind(key); it != read->cend())
            return it.value();
        DutyRoster roster;
        const Outcome loaded = roster.LoadDutyRoster(programDir, MonthKey{year, month});
        if (!loaded.ok())
            return Result<DutyTable>::failure(loaded.text);
        read->insert(key, roster.entries());
        return roster.entries();
    };
    return request;
}

Result<AnalysisResult> AnalyseTimeMode1(const QString& programDir, const PunchTable& punches,
                                        const AnalysisSetting& setting)
{
    if (setting.employee.isPlaceholder())
        return AnalysisResult{};
    Result<AnalysisRequest> request = gatherRequest(programDir, punches, setting);
    if (!request)
        return Result<AnalysisResult>::failure(request.error());
    return AnalyseTimeMode1(request.value());
}

} // namespace tarnby
