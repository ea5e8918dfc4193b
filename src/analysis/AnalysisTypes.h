#pragma once
// What one analysis run takes and what it gives back. The run itself knows no
// files: whoever asks (the result page, tarnby-cli) gathers the inputs first, so
// every rule of the judgement can be tried on hand-made punch records.

#include "base/Outcome.h"
#include "base/PickerEntry.h"
#include "settings/ConfigFile.h"
#include "settings/DutyRoster.h"
#include "settings/EmployeeRegistrations.h"
#include "settings/Registration.h"
#include "settings/SettlementPeriod.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace tarnby {

class PunchTable;
class PunchIndex;
struct ShiftSetup;

// An empty punch slot as the result list shows it.
inline const QString kEmptySlot = QStringLiteral("—:—");

// The duty table of one calendar month: entry d is the number on duty on day d
// (1..31), kNobodyOnDuty when nobody is; entry 0 is unused.
using DutyTable = std::array<QString, DutyRoster::kEntryCount>;

// Gives the duty table of a calendar month, or the reason it cannot be read.
// A run asks once for each calendar month it touches.
using DutyProvider = std::function<Result<DutyTable>(int year, int month)>;

struct AnalysisRequest {
    PickerEntry employee;        // an entry of the employee picker, or a bare number
    TimeMode timeMode = TimeMode::Administrative;
    const PunchTable* punches = nullptr;
    std::shared_ptr<const PunchIndex> punchIndex; // optional; built from `punches` as they are
    TimeFields timeFields;       // the eighteen fields of the time line
    QList<PeriodDay> days;       // every day of the period, in period order, with its rest flag
    QList<Registration> registrations; // those that fall into the period, in file order
    DutyProvider duty;           // may be empty: nobody is ever on duty
    bool explain = false;        // also say why each row reads as it does
    // Schedules, rosters and holidays; none: every day as the time mode and
    // the rest flags say. Its sentences are explained only when it is given.
    std::shared_ptr<const ShiftSetup> shifts;
};

// A cell's foreground as 0xRRGGBB; none keeps the list's default colour.
using CellColor = std::optional<std::uint32_t>;

inline constexpr std::uint32_t kColorLate = 0xff0000;
inline constexpr std::uint32_t kColorOvertime = 0xc000c0;
inline constexpr std::uint32_t kColorRestDay = 0xff00ff;
inline constexpr std::uint32_t kColorRegistered = 0x0000ff;
inline constexpr std::uint32_t kColorPenalty = 0xff0000;

// The columns of the result list, in order.
enum ResultColumn { ColDate, ColWeekday, ColMorningIn, ColMorningOut, ColAfternoonIn, ColAfternoonOut, ColRemark };
inline constexpr int kResultColumns = 7;

struct ResultRow {
    std::array<QString, kResultColumns> cells;
    std::array<CellColor, kResultColumns> colors;
};

// Why a row reads as it does: each record of the employee dated that day, in
// the order judged, and each judgement that changed the counters or the remark.
struct PunchExplanation {
    QString time;   // the record's time text as in the punch table
    int slot = -1;  // 0..3: the cell (A上班, A下班, P上班, P下班) that shows this punch
    QString why;
    bool operator==(const PunchExplanation&) const = default;
};
struct DayExplanation {
    QList<PunchExplanation> punches;
    QStringList rules;
    bool operator==(const DayExplanation&) const = default;
};

// A row's figures of the shifts (analyse --extended).
struct DayFigures {
    QString shift;    // the shift the day was judged with; a rest day's default shift
    bool rest = false;
    int lateMinutes = 0;
    int earlyCount = 0;
    int earlyMinutes = 0;
    int overtimeMinutes = 0;
    bool operator==(const DayFigures&) const = default;
};

// The period's totals of the figures, overtime by where it is paid (minutes).
struct EmployeeFigures {
    int earlyCount = 0;
    int earlyMinutes = 0;
    int lateMinutes = 0;
    int overtimeWorkday = 0;
    int overtimeRestday = 0;
    int overtimeHoliday = 0;
    bool operator==(const EmployeeFigures&) const = default;
};

// The statistics labels ckLab(0)..ckLab(12).
inline constexpr int kStatisticsCount = 13;
using StatisticsCaptions = std::array<QString, kStatisticsCount>;

struct AnalysisResult {
    // False when the picker held its placeholder: the window keeps what it shows.
    bool ran = false;
    QList<ResultRow> rows;
    StatisticsCaptions stats;
    QList<EmployeeRegistrationRow> registrations; // the details list beside the result list
    QList<DayExplanation> explanations; // one per row, only when the request asked for them
    QList<DayFigures> figures; // one per row
    EmployeeFigures extra;
    // Whether the employee's week pattern or the roster planned a day of the period.
    bool shiftsUsed = false;
};

} // namespace tarnby

// A day row moves in memory as its bytes: growing a month's list then costs
// one copy of the block, not seven strings copied and freed per row.
Q_DECLARE_TYPEINFO(tarnby::ResultRow, Q_RELOCATABLE_TYPE);

