#include "analysis/ShiftPlan.h"

#include "analysis/DayJudge.h"
#include "analysis/ResultText.h"
#include "base/EmployeeNumber.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace tarnby {
namespace {

// Said after the fault of a file that stops the analysis.
QString refused()
{
    return QCoreApplication::translate("ShiftPlan", "\n考勤未分析：请先改正该文件。");
}

int monthKeyOf(const QDate& date)
{
    return date.year() * 100 + date.month();
}

bool inWindow(const ShiftWindow& w, int minute)
{
    return minute >= w.from && minute <= w.to;
}

} // namespace

Result<std::shared_ptr<const ShiftSetup>> loadShiftSetup(const QString& programDir, const SettlementPeriod& period,
                                                        bool figures)
{
    using Loaded = Result<std::shared_ptr<const ShiftSetup>>;
    const bool inUse = QFileInfo::exists(schedules::filePath(programDir)) || shiftroster::anyRoster(programDir);
    if (!inUse && !figures)
        return std::shared_ptr<const ShiftSetup>();

    const HolidayFile holidays = holidays::read(programDir);
    if (holidays.status == HolidayFile::Status::Malformed)
        return Loaded::failure(holidays.message + refused());
    if (!inUse) {
        auto setup = std::make_shared<ShiftSetup>();
        setup->holidays = holidays.calendar;
        return std::shared_ptr<const ShiftSetup>(std::move(setup));
    }
    Result<Schedules> model = schedules::load(programDir);
    if (!model)
        return Loaded::failure(model.error() + refused());
    QList<ShiftRoster> rosters;
    for (QDate d = period.firstDay().addDays(-1), last = period.lastDay().addDays(1); d <= last; d = d.addDays(1)) {
        const MonthKey month{d.year(), d.month()};
        if (!rosters.isEmpty() && rosters.last().month() == month)
            continue;
        Result<ShiftRoster> roster = shiftroster::load(programDir, month, model.value());
        if (!roster)
            return Loaded::failure(roster.error() + refused());
        rosters.append(std::move(roster).value());
    }
    return makeShiftSetup(std::move(model).value(), rosters, holidays.calendar);
}

std::shared_ptr<const ShiftSetup> makeShiftSetup(Schedules schedules, const QList<ShiftRoster>& rosters,
                                                 HolidayCalendar holidays)
{
    auto setup = std::make_shared<ShiftSetup>();
    setup->inUse = true;
    setup->schedules = std::move(schedules);
    setup->holidays = std::move(holidays);
    for (const Shift& s : setup->schedules.shifts) {
        setup->shiftByName.insert(s.name, qsizetype(setup->shifts.size()));
        setup->shifts.emplace_back(s);
    }
    for (qsizetype i = 0; i < setup->schedules.employees.size(); ++i)
        setup->employeeByNumber.insert(formatEmployeeNumber(setup->schedules.employees.at(i).number), i);
    for (const ShiftRoster& roster : rosters)
        setup->rosters.insert(roster.month().year * 100 + roster.month().month, roster);
    return setup;
}

ShiftPlan::ShiftPlan(const QList<PeriodDay>& days, TimeMode mode, const WorkTimes& times, const ShiftSetup* setup,
                     const QString& employee)
    : setup_(setup),
      builtIns_{PreparedShift(builtInShift(TimeMode::Administrative, times)),
                PreparedShift(builtInShift(TimeMode::NineToFive, times))},
      mode_(mode),
      size_(days.size())
{
    const PreparedShift* modeShift = &builtIns_[mode == TimeMode::NineToFive ? 1 : 0];
    default_ = modeShift;
    if (days.isEmpty())
        return;
    firstJulian_ = days.first().date.toJulianDay();
    const bool judgedByShifts = namesShifts();
    const EmployeeSchedule* schedule = nullptr;
    QString number;
    if (judgedByShifts) {
        number = formatEmployeeNumber(employee);
        if (const qsizetype at = setup->employeeByNumber.value(number, -1); at >= 0)
            schedule = &setup->schedules.employees.at(at);
        if (schedule && !schedule->defaultShift().isEmpty())
            default_ = named(schedule->defaultShift());
    }

    days_.reserve(size_ + 2);
    for (qsizetype i = -1; i <= size_; ++i) {
        PlannedDay p;
        p.date = days.first().date.addDays(i);
        p.shift = modeShift;
        p.rest = i >= 0 && i < size_ && days.at(i).rest;
        if (setup)
            p.holiday = setup->holidays.isHoliday(p.date);
        if (judgedByShifts) {
            const auto roster = setup->rosters.constFind(monthKeyOf(p.date));
            const QString entry = roster == setup->rosters.cend() ? QString() : roster->entry(number, p.date.day());
            if (!entry.isEmpty()) {
                p.reason = ShiftReason::Roster;
                p.rest = entry == kRestEntry;
                p.shift = p.rest ? default_ : named(entry);
            } else if (schedule && schedule->week) {
                const QString weekday = (*schedule->week)[std::size_t(p.date.dayOfWeek() - 1)];
                p.shift = default_;
                if (p.holiday) {
                    p.reason = ShiftReason::Holiday;
                    p.rest = true;
                } else if (setup->holidays.isWorkingDay(p.date)) {
                    p.reason = ShiftReason::MakeUpDay;
                    p.rest = false;
                } else {
                    p.reason = ShiftReason::Week;
                    p.rest = weekday == kRestEntry;
                    if (!p.rest)
                        p.shift = named(weekday);
                }
            } else {
                p.shift = default_;
            }
        }
        days_.append(p);
    }
}

const PreparedShift* ShiftPlan::named(const QString& name) const
{
    if (name == kBuiltInAdministrative)
        return &builtIns_[0];
    if (name == kBuiltInNineToFive)
        return &builtIns_[1];
    // A schedule that names a shift it does not hold is refused when it is read.
    return &setup_->shifts.at(std::size_t(setup_->shiftByName.value(name)));
}

std::optional<Belonging> ShiftPlan::belong(qsizetype calendar, int clock) const
{
    const PlannedDay& today = day(calendar);
    const PlannedDay& before = day(calendar - 1);
    const bool inToday = clock >= today.shift->line.spanFrom;
    const bool inBefore = clock + 1440 < before.shift->line.spanTo;
    if (inToday && inBefore) {
        // Two working days hold the punch: a later day's on-duty punch first,
        // then any punch the earlier day has a window for.
        if (!today.rest && inWindow(today.shift->windows.first(), clock))
            return Belonging{calendar, clock};
        for (const ShiftWindow& w : before.shift->windows) {
            if (inWindow(w, clock + 1440))
                return Belonging{calendar - 1, clock + 1440};
        }
        return Belonging{calendar, clock};
    }
    if (inToday)
        return Belonging{calendar, clock};
    if (inBefore)
        return Belonging{calendar - 1, clock + 1440};
    return std::nullopt;
}

QString ShiftPlan::shiftSentence(qsizetype i) const
{
    const PlannedDay& p = day(i);
    const QString shift = QStringLiteral("“%1”（%2）").arg(p.shift->shift.name, p.shift->hours());
    const QString judged = QCoreApplication::translate("DayExplanation", "，按默认班次%1判定").arg(shift);
    const QString roster = QStringLiteral("%1%2.shift")
                               .arg(p.date.year(), 4, 10, QLatin1Char('0'))
                               .arg(p.date.month(), 2, 10, QLatin1Char('0'));
    QString sentence;
    switch (p.reason) {
    case ShiftReason::Roster:
        sentence = p.rest ? QCoreApplication::translate("DayExplanation", "休息日：排班表 %1 排定休息").arg(roster) + judged
                          : QCoreApplication::translate("DayExplanation", "班次：%1，由排班表 %2 排定").arg(shift, roster);
        break;
    case ShiftReason::Week:
        sentence = p.rest ? QCoreApplication::translate("DayExplanation", "休息日：周排班%1休息").arg(shownCell(ColWeekday, weekdayName(p.date))) + judged
                          : QCoreApplication::translate("DayExplanation", "班次：%1，按周排班（%2）").arg(shift, shownCell(ColWeekday, weekdayName(p.date)));
        break;
    case ShiftReason::Holiday:
        sentence = QCoreApplication::translate("DayExplanation", "休息日：节假日按周排班休息") + judged;
        break;
    case ShiftReason::MakeUpDay:
        sentence = QCoreApplication::translate("DayExplanation", "班次：%1，调休上班日，按周排班的默认班次上班").arg(shift);
        break;
    case ShiftReason::TimeMode:
        sentence = QCoreApplication::translate("DayExplanation", "班次：%1，没有排班，按时间模式%2")
                       .arg(shift, mode_ == TimeMode::NineToFive ? QCoreApplication::translate("DayExplanation", "二") : QCoreApplication::translate("DayExplanation", "一"));
        if (p.rest)
            sentence += QCoreApplication::translate("DayExplanation", "；结算日历标记为休息日");
        break;
    }
    if (p.holiday)
        sentence += QCoreApplication::translate("DayExplanation", "；当天是节假日（%1），出勤计为节假日加班").arg(setup_->holidays.holidayName(p.date));
    return sentence;
}

} // namespace tarnby
