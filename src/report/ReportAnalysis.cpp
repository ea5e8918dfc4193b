#include "report/ReportAnalysis.h"

#include "analysis/Analysis.h"
#include "import/FolderImport.h"

#include <QSet>

namespace tarnby::report {

QStringList reportEntries(const QStringList& pickerEntries)
{
    QStringList out;
    QSet<QString> seen;
    for (const QString& entry : pickerEntries) {
        // An export that lists one employee in two runs gives the entry twice.
        if (entry == kPickerPlaceholder || seen.contains(entry))
            continue;
        seen.insert(entry);
        out.append(entry);
    }
    return out;
}

ReportBuild buildReport(const QString& programDir, const PunchTable& punches, const QStringList& pickerEntries,
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

    const QStringList entries = reportEntries(pickerEntries);
    AnalysisRequest one = request.value();
    report.employees.reserve(entries.size());
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (run.cancelled && run.cancelled()) {
            build.status = ReportBuild::Status::Cancelled;
            return build;
        }
        one.pickerText = entries.at(i);
        const Result<AnalysisResult> result = AnalyseTimeMode1(one);
        if (!result) {
            build.error = result.error();
            return build;
        }
        if (result->ran)
            report.employees.append(employeeReport(entries.at(i), result.value(), dates));
        if (run.progress)
            run.progress({int(i + 1), int(entries.size()), entries.at(i)});
    }
    build.status = ReportBuild::Status::Done;
    return build;
}

} // namespace tarnby::report
