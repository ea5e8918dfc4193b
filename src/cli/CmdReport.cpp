// tarnby-cli report: every employee of the picker analysed once and written as
// the month-end report, .xlsx, .csv or .pdf by the output file's extension.

#include "Command.h"
#include "PeriodOptions.h"

#include "import/FolderImport.h"
#include "report/ReportAnalysis.h"
#include "report/ReportWriters.h"

#include <QDir>

namespace tarnby::cli {
namespace {

const char* const kUsage = "report [--home DIR] --folder FOLDER --year Y --month M [--style 1|2] [--mode 1|2] "
                           "[--rest yyyy-mm-dd[,yyyy-mm-dd...]] --output FILE(.xlsx|.csv|.pdf)";

bool parse(const QStringList& args, PeriodOptions& period, QString& output)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        const OptionTaken taken = takePeriodOption(args, i, period);
        if (taken == OptionTaken::Failed)
            return false;
        if (taken == OptionTaken::Taken)
            continue;
        const QString& name = args.at(i);
        if (name != QLatin1String("--output")) {
            printError(QStringLiteral("未知的选项：%1").arg(name));
            return false;
        }
        if (i + 1 >= args.size()) {
            printError(QStringLiteral("%1 后面缺少取值。").arg(name));
            return false;
        }
        output = args.at(++i);
    }
    if (!periodOptionsComplete(period))
        return false;
    if (output.isEmpty()) {
        printError(QStringLiteral("请用 --output 指定报表文件（.xlsx、.csv 或 .pdf）。"));
        return false;
    }
    if (!report::formatOfPath(output)) {
        printError(QStringLiteral("报表文件名须以 .xlsx、.csv 或 .pdf 结尾：%1").arg(output));
        return false;
    }
    return true;
}

int reportCommand(QStringList args, const QString& exeDir)
{
    QString home;
    if (!takeHome(args, exeDir, &home))
        return kExitUsage;
    PeriodOptions period;
    QString output;
    if (!parse(args, period, output))
        return kExitUsage;

    PunchTable table;
    SettlementCalendar calendar;
    if (const int status = preparePeriodRun(home, period, table, calendar); status >= 0)
        return status;
    const Result<QStringList> picker = FillAnalysisPicker(home, table);
    if (!picker) {
        printError(picker.error());
        return kExitUsage;
    }

    report::ReportSetting setting;
    setting.period = *calendar.period();
    setting.timeMode = period.mode;
    setting.restDays = calendar.restDayFlags();
    setting.dataFolder = QDir(period.folder).absolutePath();
    const report::ReportBuild build = report::buildReport(home, table, picker.value(), setting);
    if (!build.ok()) {
        printError(build.error);
        return kExitUsage;
    }
    const Outcome written = report::writeReport(build.report, output);
    if (!written.ok()) {
        printError(written.text);
        return kExitUsage;
    }
    return kExitOk;
}

const CommandRegistration registration("report", kUsage, reportCommand);

} // namespace
} // namespace tarnby::cli
