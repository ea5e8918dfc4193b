#include "report/ReportAnalysis.h"

#include "analysis/Analysis.h"
#include "analysis/ShiftPlan.h"
#include "base/EmployeeNumber.h"
#include "import/FolderImport.h"
#include "settings/ConfigFile.h"
#include "settings/MonthFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace tarnby::report {

QList<PickerEntry> reportEntries(const QList<PickerEntry>& pickerEntries)
{
    QList<PickerEntry> out;
    QSet<PickerEntry> seen;
    for (const PickerEntry& entry : pickerEntries) {
        // An export that lists one employee in two runs gives the entry twice.
        if (entry.isPlaceholder() || seen.contains(entry))
            continue;
        seen.insert(entry);
        out.append(entry);
    }
    return out;
}

ReportBuild buildReport(const QString& programDir, const PunchTable& punches, const QList<PickerEntry>& pickerEntries,
                        const ReportSetting& setting, const ReportRun& run)
{
    ReportBuild build;
    Report& report = build.report;
    report.setting = setting;
    report.made = run.clock();
    report.version = QStringLiteral(TARNBY_VERSION);

    AnalysisSetting analysis;
    analysis.timeMode = setting.timeMode;
    analysis.period = setting.period;
    analysis.restDays = setting.restDays;
    // The payroll columns need the overtime of public holidays.
    analysis.figures = true;
    // The stored files are read once: nothing changes them during one report.
    Result<AnalysisRequest> request = gatherRequest(programDir, punches, analysis);
    if (!request) {
        build.error = request.error();
        return build;
    }
    QList<QDate> dates;
    const ShiftSetup* shifts = request->shifts.get();
    for (const PeriodDay& day : request->days) {
        dates.append(day.date);
        if (day.rest)
            report.restDates.append(day.date);
        const bool holiday = shifts && shifts->holidays.isHoliday(day.date);
        const bool madeUp = shifts && shifts->holidays.isWorkingDay(day.date);
        report.periodDays.append({day.date, holiday || (day.date.dayOfWeek() > 5 && !madeUp)});
    }
    if (shifts) {
        for (const EmployeeSchedule& e : shifts->schedules.employees)
            if (!e.department.isEmpty() && !report.departments.contains(e.department))
                report.departments.append(e.department);
    }

    const QList<PickerEntry> entries = reportEntries(pickerEntries);
    AnalysisRequest one = request.value();
    report.employees.reserve(entries.size());
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (run.cancelled && run.cancelled()) {
            build.status = ReportBuild::Status::Cancelled;
            return build;
        }
        one.employee = entries.at(i);
        const Result<AnalysisResult> result = AnalyseTimeMode1(one);
        if (!result) {
            build.error = result.error();
            return build;
        }
        if (result->ran) {
            report.employees.append(employeeReport(entries.at(i).text(), result.value(), dates));
            if (shifts) {
                if (const EmployeeSchedule* e = shifts->schedules.employee(entries.at(i).number))
                    report.employees.last().department = e->department;
            }
        }
        if (run.progress)
            run.progress({int(i + 1), int(entries.size()), entries.at(i).text()});
    }
    build.status = ReportBuild::Status::Done;
    return build;
}

QByteArray inputFilesStamp(const QString& programDir, const SettlementPeriod& period)
{
    QStringList files = {config::filePath(programDir), schedules::filePath(programDir), holidays::filePath(programDir)};
    // The months of the period and of the days just before and after it, as
    // the rosters of a night shift reach into them.
    QList<MonthKey> months;
    for (QDate d = period.firstDay().addDays(-1), last = period.lastDay().addDays(1); d <= last; d = d.addDays(1)) {
        const MonthKey month{d.year(), d.month()};
        if (!months.contains(month))
            months.append(month);
    }
    const QDir folder(monthfile::folderPath(programDir));
    for (const MonthKey& month : months) {
        const QString stem = QStringLiteral("%1%2").arg(month.year, 4, 10, QLatin1Char('0')).arg(month.month, 2, 10, QLatin1Char('0'));
        for (const char* suffix : {".ydj", ".zra", ".shift"})
            files.append(folder.filePath(stem + QLatin1String(suffix)));
    }
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const QString& file : files) {
        const QFileInfo info(file);
        const QString line = info.exists() ? QStringLiteral("%1 %2 %3\n")
                                                 .arg(file)
                                                 .arg(info.size())
                                                 .arg(info.lastModified().toMSecsSinceEpoch())
                                           : file + QStringLiteral(" -\n");
        hash.addData(line.toUtf8());
    }
    return hash.result();
}

} // namespace tarnby::report
