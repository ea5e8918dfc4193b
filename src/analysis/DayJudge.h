#pragma once
// The judgement of one day: which slot a punch takes, what the punches count,
// what the day's registrations excuse, and what a rest day turns the day into.

#include "analysis/AnalysisTypes.h"
#include "settings/Registration.h"

#include <QHash>
#include <array>
#include <optional>

namespace tarnby {

// Minutes after midnight; a field that is not a number counts 0.
struct WorkTimes {
    // the administrative mode
    int morningIn = 0;
    int morningOut = 0;
    int afternoonIn = 0;
    int afternoonOut = 0;
    int overtimeFirst = 0;  // an afternoon-out punch from here on is overtime of the first tier
    int overtimeSecond = 0; // ... and from here on of the second
    // the nine-to-five mode
    int nineToFiveIn = 0;
    int nineToFiveOut = 0;
    int nineToFiveOvertime = 0;
};
WorkTimes workTimesOf(const TimeFields& fields);

enum Slot { MorningIn, MorningOut, AfternoonIn, AfternoonOut };

// The four punch slots of a day, each a minute value or empty.
struct DaySlots {
    static constexpr int kEmpty = -1;
    std::array<int, 4> minutes{kEmpty, kEmpty, kEmpty, kEmpty};

    bool has(Slot s) const { return minutes[s] != kEmpty; }
    // "HH:MM", or the placeholder for an empty slot.
    QString text(Slot s) const;
};

// What became of a punch.
struct Placement {
    enum Kind {
        Outside,  // in no window
        Taken,    // filled its window's empty slot
        Kept,     // its window's slot already held a punch, which stays
        Replaced, // took the open slot over the punch it held
    };
    Kind kind = Outside;
    Slot slot = MorningIn;  // the window's slot, unless Outside
    int previous = DaySlots::kEmpty; // Kept, Replaced: the minute the slot held
};

// Puts a punch into the slot of the first window it falls in. A morning or
// afternoon on-duty slot keeps its earliest punch, the off-duty slot of the
// day its latest; a punch whose window's slot is taken goes nowhere else.
Placement placePunch(DaySlots& daySlots, int minute, TimeMode mode, const WorkTimes& times);

// Early: an off-duty punch before the off time, shown like lateness.
enum class Mark { None, Late, Overtime, Early };

// In the administrative mode late10, late30, late60 and missed count the morning
// in the units and the afternoon in the tens until the result list folds them.
struct DayCounters {
    int dutyLate10 = 0;
    int dutyLateOver10 = 0;
    int late10 = 0;
    int late30 = 0;
    int late60 = 0;
    int missed = 0;
    int sickHalves = 0;
    int personalHalves = 0;
    int absentHalves = 0;
    int overtime1 = 0;
    int overtime2 = 0;
    int restHalves = 0;
    bool operator==(const DayCounters&) const = default;
};

// What a day judged by a shift counts in minutes beside the counters. The
// morning's and the afternoon's lateness stay apart, so that a registration
// excusing one half takes that half's minutes.
struct ShiftFigures {
    int lateMorning = 0;
    int lateAfternoon = 0;
    int earlyCount = 0;
    int earlyMinutes = 0;
    int overtimeMinutes = 0;
    int lateMinutes() const { return lateMorning + lateAfternoon; }
    bool operator==(const ShiftFigures&) const = default;
};

struct Judgement {
    DayCounters counters;
    std::array<Mark, 4> marks{Mark::None, Mark::None, Mark::None, Mark::None};
};

// `rules`, when given, receives one sentence per counter the punches set.
Judgement judgePunches(const DaySlots& daySlots, bool dutyDay, TimeMode mode, const WorkTimes& times,
                       QStringList* rules = nullptr);

// One employee's registrations by day, gathered once per run so that each day
// of the period finds its own without reading the whole list again.
class EmployeeRegistrationDays {
public:
    EmployeeRegistrationDays(const QList<Registration>& registrations, const QString& employee);

    // The day's registration text: the reasons and applied methods of its
    // registrations, newest listed first, each closed by "##", then "值日" on a
    // duty day.
    QString text(const QString& dayKey, bool dutyDay) const;

private:
    QHash<QString, QString> entries_; // "mm月dd日" -> the day's text without the duty word
};

// The day's registration text for a single day (EmployeeRegistrationDays::text).
QString registrationText(const QList<Registration>& registrations, const QString& employee,
                         const QString& dayKey, bool dutyDay);

struct Applied {
    QString remarkBase; // "*" when the day had registrations, then "值日" on a duty day
    QString penalty;    // "罚款…元", or empty
};

// What a day judged by a shift adds to the registration passes.
struct RegistrationExtras {
    ShiftFigures* figures = nullptr; // the minutes an excuse takes away
    bool earlyLeaveKeyword = false;  // 不计早退 is tried (a user-defined shift's day)
    bool sayFigures = false;         // the sentences name the minutes that changed
};

// One pass per registration; each pass reads the whole remaining text, so a
// keyword of a later entry (or the duty word) can decide an earlier pass.
// `rules`, when given, receives one sentence per pass: the entry, the keyword
// that decided it (and the entry it was found in) and what changed.
Applied applyRegistrations(const QString& registrationText, bool restDay, TimeMode mode,
                           DayCounters& counters, QStringList* rules = nullptr,
                           const RegistrationExtras* extras = nullptr);

// Work on a rest day is counted as rest-day work instead of as absence.
void applyRestDay(DayCounters& counters, QStringList* rules = nullptr);

// What the classification hands to the result list for one day.
struct DayResult {
    std::array<QString, 6> cells; // "mm月dd日", weekday name, A上班, A下班, P上班, P下班
    std::array<Mark, 4> marks{Mark::None, Mark::None, Mark::None, Mark::None};
    DayCounters counters;
    QString remarkBase;
    QString penalty;
    bool rest = false;
    int earlyCount = 0; // early leaves left after the registrations
    std::optional<TimeMode> mode; // the day's shift's rules; none: the list's mode
};

// "周" and the day's name, Sunday first as the clock's owners read a week.
QString weekdayName(const QDate& date);
// The day's key in registrations and the first cell of its row: "mm月dd日".
QString dayKey(const QDate& date);

} // namespace tarnby
