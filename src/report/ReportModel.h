#pragma once
// The month-end report of every employee: what the analysis gave for each
// picker entry, the statistics as numbers a spreadsheet can sum, and the fines.
// The writers (.xlsx, .csv, .pdf) and the window's summary all read this model,
// so every format shows the same figures as the result page.

#include "analysis/AnalysisTypes.h"
#include "report/Fines.h"
#include "settings/EmployeeRegistrations.h"
#include "settings/SettlementPeriod.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace tarnby::report {

// What a report is made for, as the result page holds it.
struct ReportSetting {
    SettlementPeriod period;
    TimeMode timeMode = TimeMode::Administrative;
    RestDayFlags restDays{}; // the settlement calendar's flags
    QString dataFolder;      // the folder the punches were read from
};

// A penalised day of one employee.
struct FineEntry {
    QString dayText;         // the row's date text, "11月05日"
    QString penalty;         // "罚款50元", as the remark shows it
    std::optional<Fen> fen;  // nothing when the amount cannot be read
};

// The twelve numeric statistics: counts, and days as 0.5 steps.
inline constexpr int kNumericStatistics = 12;

struct EmployeeReport {
    QString employee;                 // the picker entry
    QList<ResultRow> rows;            // the result list as the window shows it
    QList<QDate> rowDates;            // the calendar date of each row
    StatisticsCaptions captions;      // the thirteen captions as shown
    std::array<double, kNumericStatistics> values{}; // the captions as numbers
    bool fullAttendance = false;      // 全勤 有
    QList<EmployeeRegistrationRow> registrations;
    QList<FineEntry> fines;
    Fen fineTotal = 0;                // the readable fines summed
    QString department;               // from Schedules.json; empty without one
    EmployeeFigures extra;            // early leave, lateness and overtime in minutes
    QList<DayFigures> figures;        // one per row
    bool shiftsUsed = false;          // a day was planned by a week pattern or the roster

    // Not a single punch in the period (the run wrote no rows): its zeros
    // would read as a month without a fault, and it is never full attendance.
    bool noPunches = false;

    // Whether statistic `index` (0..11) counts days rather than occurrences.
    static bool isDayValued(int index);
    // Lateness of every tier, on duty and at work.
    double lateness() const;
};

// A penalty whose amount could not be read, for the notes.
struct UnreadableFine {
    QString employee;
    QString dayText;
    QString penalty;
};

// A day of the period as the attendance grid heads its column.
struct GridDay {
    QDate date;
    bool offDay = false; // a weekend or a holiday of Holidays.txt, unless a make-up working day
};

struct Report {
    ReportSetting setting;
    QList<QDate> restDates;           // the period's marked rest days
    QList<GridDay> periodDays;        // every day of the period, in order
    QStringList departments;          // in the order Schedules.json first names them
    QList<EmployeeReport> employees;  // picker order, each entry once
    QDateTime made;                   // when the report was made
    QString version;                  // the program version
    // How the files show it, chosen after the build.
    bool byDepartment = false;        // 汇总 grouped with subtotals, when there are departments
    QString preparedBy;               // 制表人
    QString checkedBy;                // 审核人

    QString periodText() const;       // "2026年11月01日—2026年11月30日"
    QString styleText() const;        // "月初制" or "月中制"
    QString modeText() const;         // "模式一（行政班制）" ...
    QString title() const;            // the 汇总 title naming the three
    QString restDatesText() const;    // "11月07日、11月08日" or "无"
    QList<UnreadableFine> unreadableFines() const;
    Fen fineTotal() const;
};

// The employee's part of a report, built from one analysis result. `dates`
// are the period's days in order; the rows of a run follow them one to one.
EmployeeReport employeeReport(const QString& employee, const AnalysisResult& result, const QList<QDate>& dates);

// The headers of the sheets, in order.
const QStringList& summaryHeaders();      // 员工 ... 罚款(元): fifteen
const QStringList& detailHeaders();       // 员工, 日期, ... 备注
const QStringList& registrationHeaders(); // 员工, 序号, 日期, 登记事由, 处理方式

// A statistic's header with its tier on a second line, so that narrow columns
// take it: "值日迟到" over "10分钟内", "Late" over "≤10 min". Any other
// header as it is.
QString tierOnSecondLine(QString header);

// A number as a spreadsheet cell text: 3, 0.5.
QString numberText(double value);
// 全勤 as the summary shows it.
QString fullAttendanceText(bool full);

// One label and value per line of the 说明 sheet.
QList<std::pair<QString, QString>> reportNotes(const Report& report);

} // namespace tarnby::report
