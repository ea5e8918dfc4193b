// tarnby-cli report: every employee of the picker analysed once and written as
// the month-end report, .xlsx, .csv or .pdf by the output file's extension.

#include "Command.h"
#include "PdfLoader.h"
#include "PeriodOptions.h"

#include "analysis/ResultText.h"
#include "base/Language.h"
#include "base/Platform.h"
#include "import/FolderImport.h"
#include "import/PunchTable.h"
#include "settings/ConfigFile.h"
#include "report/ReportAnalysis.h"
#include "report/ReportSigners.h"
#include "report/ReportWriters.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tarnby::cli {
namespace {

const char* const kUsage = "report [--home DIR] --folder FOLDER --year Y --month M [--style 1|2] [--mode 1|2] "
                           "[--rest yyyy-mm-dd[,yyyy-mm-dd...]] [--rest-auto] [--rest-saved] "
                           "[--by-department] [--prepared-by NAME] [--checked-by NAME] [--lang zh_CN|zh_TW|en] "
                           "--output FILE(.xlsx|.csv|.pdf)";

struct Options {
    PeriodOptions period;
    QString output;
    bool byDepartment = false;
    QString preparedBy;
    QString checkedBy;
    Language language = Language::SimplifiedChinese;
};

bool parse(const QStringList& args, Options& o)
{
    auto fail = [](const QString& text) {
        printError(text);
        return false;
    };
    for (qsizetype i = 0; i < args.size(); ++i) {
        const Taken taken = takePeriodOption(args, i, o.period);
        if (taken == Taken::Failed)
            return false;
        if (taken == Taken::Yes)
            continue;
        const QString& name = args.at(i);
        if (name == QLatin1String("--by-department")) {
            o.byDepartment = true;
            continue;
        }
        static const QStringList valued = {"--output", "--prepared-by", "--checked-by", "--lang"};
        if (!valued.contains(name))
            return fail(QCoreApplication::translate("tarnby-cli", "未知的选项：%1").arg(name));
        if (i + 1 >= args.size())
            return fail(QCoreApplication::translate("tarnby-cli", "%1 后面缺少取值。").arg(name));
        const QString value = args.at(++i);
        if (name == QLatin1String("--output")) {
            o.output = value;
            continue;
        }
        if (name == QLatin1String("--lang")) {
            static const QStringList codes = {"zh_CN", "zh_TW", "en"};
            if (!codes.contains(value))
                return fail(QCoreApplication::translate("tarnby-cli", "%1 的取值须为 zh_CN、zh_TW 或 en：%2").arg(name, value));
            o.language = *languageFromCode(value);
            continue;
        }
        if (const QString fault = report::signers::nameFault(value); !fault.isEmpty())
            return fail(QCoreApplication::translate("tarnby-cli", "%1 的取值有误：%2").arg(name, fault));
        (name == QLatin1String("--prepared-by") ? o.preparedBy : o.checkedBy) = value.trimmed();
    }
    if (!periodComplete(o.period))
        return false;
    if (o.output.isEmpty())
        return fail(QCoreApplication::translate("tarnby-cli", "请用 --output 指定报表文件（.xlsx、.csv 或 .pdf）。"));
    if (!report::formatOfPath(o.output))
        return fail(QCoreApplication::translate("tarnby-cli", "报表文件名须以 .xlsx、.csv 或 .pdf 结尾：%1").arg(o.output));
    return true;
}

Outcome writeReportFile(const report::Report& made, const QString& path, const QString& exeDir)
{
    return report::writeReportAs(made, path, [&exeDir](const report::Report& report, const QString& file) {
        const LoadedPdf& pdf = loadPdfModule(exeDir);
        return pdf.module ? pdf.module->write(report, file) : Outcome::error(pdf.message());
    });
}

int reportCommand(QStringList args, const QString& exeDir)
{
    QString home;
    if (!takeHome(args, exeDir, &home))
        return kExitUsage;
    Options o;
    if (!parse(args, o))
        return kExitUsage;
    PunchTable table;
    if (const int status = readPeriodFolder(home, o.period.folder, table); status != kExitOk)
        return status;

    SettlementCalendar calendar;
    if (const int status = setUpCalendar(o.period, home, calendar); status != kExitOk)
        return status;
    const Result<QList<PickerEntry>> picker = FillAnalysisPicker(home, table);
    if (!picker) {
        printError(picker.error());
        return kExitUsage;
    }

    report::ReportSetting setting;
    setting.period = *calendar.period();
    setting.timeMode = o.period.mode;
    setting.restDays = calendar.restDayFlags();
    setting.dataFolder = QDir(o.period.folder).absolutePath();
    // The report speaks the language asked for; the messages keep the user's.
    const QStringList translations = translationFolders(exeDir);
    useLanguage(o.language, translations);
    const report::ReportBuild build = report::buildReport(home, table, picker.value(), setting);
    if (!build.ok()) {
        useLanguage(startLanguage(), translations, kAnalysisTextContexts);
        printError(build.error);
        return kExitUsage;
    }
    report::Report made = build.report;
    made.byDepartment = o.byDepartment;
    made.preparedBy = o.preparedBy;
    made.checkedBy = o.checkedBy;
    // libxlsxwriter prints its failures on stderr as well as returning them,
    // and a command's failure is one message, ours. The command runs on one
    // thread here, so nothing else is silenced.
    Outcome written;
    platform::withoutStandardError([&] { written = writeReportFile(made, o.output, exeDir); });
    useLanguage(startLanguage(), translations, kAnalysisTextContexts);
    if (!written.ok()) {
        printError(written.text);
        return kExitUsage;
    }
    return kExitOk;
}

const CommandRegistration registration("report", kUsage, reportCommand);

} // namespace
} // namespace tarnby::cli
