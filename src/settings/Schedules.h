#pragma once
// Shifts, week patterns and departments: Schedules.json in the program folder.
//
// A shift is a working day of one block (on, off) or two (on1, off1, on2,
// off2), with the windows in which each punch counts, grace, early leave and
// overtime measured in minutes. Its times lie on the timeline of the working
// day it starts on: a time earlier than the one before it lies on the next
// calendar day, so a night shift 20:00-08:00 is read as 1200-1920, and the
// working day runs for 24 hours from dayStart. A shift whose windows leave
// that working day or overlap could not tell which punch is which; it is
// refused when it is saved and when the file is read.
//
// The two time modes of Init.ini are the built-in shifts 模式一 and 模式二. Their
// times are taken as the modes have always taken them: never wrapped, never
// checked.
//
// The file is read and written with QJsonDocument. Keys this program does not
// know stay in each object and are written back: a later version's settings
// survive a save by this one.

#include "base/Outcome.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <array>
#include <optional>

namespace tarnby {

inline const QString kSchedulesFileName = QStringLiteral("Schedules.json");
// A rest day in a week pattern or a roster.
inline const QString kRestEntry = QStringLiteral("休");
inline const QString kBuiltInAdministrative = QStringLiteral("模式一");
inline const QString kBuiltInNineToFive = QStringLiteral("模式二");

// "HH:MM" (or "H:MM") as minutes after midnight; nothing for any other text.
std::optional<int> parseClock(const QString& text);
// Minutes after midnight as "HH:MM".
QString clockString(int minute);
// A time of a working day's timeline: "08:00", the next calendar day "次日08:00".
QString timelineClock(int minute);

struct Shift {
    static constexpr int kMaxNameLength = 8;
    static constexpr int kMaxMinutes = 1440; // no parameter reaches past a whole day

    QString name;
    QString shortName;    // as written; empty: the first character of the name
    QList<int> times;     // minutes after midnight: on, off, or on1, off1, on2, off2
    QList<int> overtime;  // the first and second overtime tier
    int dayStart = 0;
    int inBefore = 60;
    int inAfter = 60;
    int secondInBefore = 30;
    int offAfter = 30;
    int grace = 0;
    int earlyLeave = 0;
    int overtimeFrom = 0;
    int overtimeMinimum = 60;
    int overtimeStep = 30;
    bool builtIn = false;
    QJsonObject source; // the object as read, with the keys this program does not know

    // 1: one block (on, off); 2: two blocks.
    int kind() const { return times.size() == 4 ? 2 : 1; }
    // The character a roster grid shows.
    QString shortText() const;
};

// A shift's times on its working day's timeline (minutes from the day's
// midnight). Kind 1 keeps its on time in on1 and its off time in off2.
struct ShiftTimeline {
    int kind = 2;
    int on1 = 0;
    int off1 = 0;
    int on2 = 0;
    int off2 = 0;
    QList<int> overtime;
    int fallBacks = 0;  // how often a time is earlier than the one before it
    int spanFrom = 0;   // the working day: [spanFrom, spanTo)
    int spanTo = 1440;
    // The last off time.
    int lastOff() const { return off2; }
};
ShiftTimeline timelineOf(const Shift& shift);

// Where a punch counts for a slot (0 A上班, 1 A下班, 2 P上班, 3 P下班): from
// `from` to `to` inclusive; the day's last off-duty window is open to the end
// of the working day.
struct ShiftWindow {
    int slot = 0;
    int from = 0;
    int to = 0;
    bool open = false;
};
// The windows in the order a punch tries them.
QList<ShiftWindow> windowsOf(const Shift& shift, const ShiftTimeline& line);

// Why a user-defined shift cannot be used, in words ("A下班 时段 … 与 P上班 时段 …
// 重叠"); empty when it can. The editor asks as the user types.
QString shiftFault(const Shift& shift);

struct EmployeeSchedule {
    QString number;
    std::optional<std::array<QString, 7>> week; // Monday first: a shift's name or 休
    QString department;
    QJsonObject source;

    // The first shift of the week pattern; empty without one.
    QString defaultShift() const;
};

class Schedules {
public:
    static constexpr int kVersion = 1;

    QList<Shift> shifts;
    QList<EmployeeSchedule> employees;
    QJsonObject source; // the file's object as read

    const Shift* shift(const QString& name) const;
    // The employee's entry by the registrations' number rule ("7" is "0007").
    const EmployeeSchedule* employee(const QString& number) const;
    // A user-defined shift or a built-in one.
    bool knowsShift(const QString& name) const;

    // The first fault of the whole model ("第2个班次“夜班”：…"); empty when
    // there is none.
    QString fault() const;

    // The file's contents: the model over the objects as read.
    QByteArray toJson() const;
    // Reads and checks the file's contents; a fault names the file (`shownPath`).
    static Result<Schedules> parse(const QByteArray& bytes, const QString& shownPath);
};

namespace schedules {

// programDir/Schedules.json
QString filePath(const QString& programDir);

// A missing file is an empty model; a malformed one is an error naming the
// file and the fault.
Result<Schedules> load(const QString& programDir);

// Checks the model and writes the file atomically; a model with a fault is
// not written, and on any failure the old file stays as it was.
Outcome save(const QString& programDir, const Schedules& model);

} // namespace schedules
} // namespace tarnby
