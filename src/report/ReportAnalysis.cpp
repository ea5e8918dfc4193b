#include "report/ReportAnalysis.h"

#include "analysis/Analysis.h"

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
    // The stored files are read once: nothing changes them during one report.
    Result<AnalysisRequest> request = gatherRequest(programDir, punches, analysis);
    if (!request) {
        build.error = request.error();
        return build;
    }
    QList<QDate> dates;
    for (const PeriodDay& day : request->days) {
        dates.append(day.date);
        if (day.rest)
            report.restDates.append(day.date);
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
        if (result->ran)
            report.employees.append(employeeReport(entries.at(i).text(), result.value(), dates));
        if (run.progress)
            run.progress({int(i + 1), int(entries.size()), entries.at(i).text()});
    }
    build.status = ReportBuild::Status::Done;
    return build;
}

} // namespace tarnby::report
