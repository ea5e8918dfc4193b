#pragma once
// Which shift judges each day of an employee's period, whether the day is a
// rest day, and to which working day each punch belongs.
//
// For employee e and day d the first that applies: the month's roster
// (a shift: a working day, 休: a rest day); e's week pattern (a holiday of
// Holidays.txt is a rest day, a make-up working day a working day with e's
// default shift, else the pattern's weekday); otherwise the time mode and the
// period's rest marks, as always. A rest day is judged with e's default shift:
// the first shift of the week pattern, else the time mode's.

#include "analysis/ShiftJudge.h"
#include "settings/Holidays.h"
#include "settings/SettlementPeriod.h"
#include "settings/ShiftRoster.h"

#include <QDate>
#include <QHash>
#include <memory>
#include <optional>
#include <vector>

namespace tarnby {

// What the program folder says about shifts, read once for any number of runs.
struct ShiftSetup {
    bool inUse = false; // Schedules.json or a roster exists: days are judged by them
    Schedules schedules;
    std::vector<PreparedShift> shifts;          // the user-defined ones, in file order
    QHash<QString, qsizetype> shiftByName;
    QHash<QString, qsizetype> employeeByNumber; // formatted number -> schedules.employees
    QHash<int, ShiftRoster> rosters;            // yyyymm -> the months read
    HolidayCalendar holidays;
};

// Reads Schedules.json, the rosters of the months of the period and of the
// days just before and after it, and Holidays.txt (a missing one lists no
// holidays). Nothing when the folder holds neither Schedules.json nor a roster
// and `figures` (the new figures, which count holidays) is not asked for. A
// malformed file is an error naming it: no day is judged by half a schedule.
Result<std::shared_ptr<const ShiftSetup>> loadShiftSetup(const QString& programDir, const SettlementPeriod& period,
                                                        bool figures);

// A setup in use from what has been read already: a checked model, the
// rosters of the months (one each) and the holidays.
std::shared_ptr<const ShiftSetup> makeShiftSetup(Schedules schedules, const QList<ShiftRoster>& rosters,
                                                 HolidayCalendar holidays);

// Why a day is judged with its shift.
enum class ShiftReason { TimeMode, Roster, Week, Holiday, MakeUpDay };

struct PlannedDay {
    QDate date;
    const PreparedShift* shift = nullptr; // the shift the day is judged with; a rest day's default shift
    bool rest = false;
    ShiftReason reason = ShiftReason::TimeMode;
    bool holiday = false; // a holiday of Holidays.txt, for everybody whatever decides the shift
};

// Where a punch belongs: a day of the plan and the punch's minute on that
// day's timeline.
struct Belonging {
    qsizetype day = 0; // -1 the day before the period ... size() the day after it
    int minute = 0;
};

class ShiftPlan {
public:
    // `setup` may be null: every day is judged as the time mode and the rest
    // marks say, exactly as without shifts.
    ShiftPlan(const QList<PeriodDay>& days, TimeMode mode, const WorkTimes& times, const ShiftSetup* setup,
              const QString& employee);
    ShiftPlan(const ShiftPlan&) = delete;
    ShiftPlan& operator=(const ShiftPlan&) = delete;

    // The days of the period.
    qsizetype size() const { return size_; }
    // -1 the day before the period ... size() the day after it.
    const PlannedDay& day(qsizetype i) const { return days_.at(i + 1); }
    qint64 firstJulianDay() const { return firstJulian_; }

    // The working day of a punch dated on plan day `calendar` (0 … size()) at
    // minute `clock` of its clock; nothing when no working day's span holds it.
    std::optional<Belonging> belong(qsizetype calendar, int clock) const;

    // Whether the days are judged by shifts at all; only then do the
    // explanations name the shift of each day.
    bool namesShifts() const { return setup_ && setup_->inUse; }
    // The day's shift and why it applies, as the explanation says it.
    QString shiftSentence(qsizetype i) const;

private:
    const PreparedShift* named(const QString& name) const;

    const ShiftSetup* setup_;
    std::array<PreparedShift, 2> builtIns_; // 模式一, 模式二
    TimeMode mode_;
    qsizetype size_ = 0;
    qint64 firstJulian_ = 0;
    QList<PlannedDay> days_; // the day before the period, its days, the day after it
    const PreparedShift* default_ = nullptr;
};

} // namespace tarnby
