// tarnby-cli analyse: the folder read, the settlement period and the analysis of
// one picker entry or of all of them, as the result page would show them.

#include "Command.h"
#include "PeriodOptions.h"

#include "analysis/Analysis.h"
#include "analysis/ResultExport.h"
#include "import/FolderImport.h"
#include "import/PunchTable.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QCoreApplication>
#include <optional>

namespace tarnby::cli {
namespace {

const char* const kUsage =
    "analyse [--home DIR] --folder FOLDER --year Y --month M [--style 1|2] [--mode 1|2] "
    "[--rest yyyy-mm-dd[,yyyy-mm-dd...]] [--rest-auto] [--rest-saved] (--employee TEXT | --all) [--format json|csv] [--explain] [--extended]";

struct Options {
    PeriodOptions period;
    std::optional<QString> employee;
    bool all = false;
    bool csv = false;
    bool explain = false;
    bool extended = false;
};

// Fills `o` from the arguments; false after printing what is wrong.
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
        if (name == QLatin1String("--all")) {
            o.all = true;
            continue;
        }
        if (name == QLatin1String("--explain")) {
            o.explain = true;
            continue;
        }
        if (name == QLatin1String("--extended")) {
            o.extended = true;
            continue;
        }
        static const QStringList valued = {"--employee", "--format"};
        if (!valued.contains(name))
            return fail(QCoreApplication::translate("tarnby-cli", "未知的选项：%1").arg(name));
        if (i + 1 >= args.size())
            return fail(QCoreApplication::translate("tarnby-cli", "%1 后面缺少取值。").arg(name));
        const QString value = args.at(++i);
        if (name == QLatin1String("--employee")) {
            o.employee = value;
        } else if (name == QLatin1String("--format")) {
            if (value != QLatin1String("json") && value != QLatin1String("csv"))
                return fail(QCoreApplication::translate("tarnby-cli", "输出格式只能是 json 或 csv：%1").arg(value));
            o.csv = value == QLatin1String("csv");
        }
    }
    if (!periodComplete(o.period))
        return false;
    if (o.explain && o.csv)
        return fail(QCoreApplication::translate("tarnby-cli", "--explain 只能用于 JSON 输出，不能与 --format csv 一起使用。"));
    if (o.employee.has_value() == o.all)
        return fail(QCoreApplication::translate("tarnby-cli", "请用 --employee 指定一名员工，或用 --all 分析全部员工（二者选一）。"));
    return true;
}

int analyse(QStringList args, const QString& exeDir)
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

    QList<PickerEntry> employees;
    if (o.all) {
        const Result<QList<PickerEntry>> picker = FillAnalysisPicker(home, table);
        if (!picker) {
            printError(picker.error());
            return kExitUsage;
        }
        employees = picker.value();
    } else {
        // A bare number is reported under its picker entry, as the window shows it.
        PickerEntry employee = PickerEntry::fromText(*o.employee);
        if (!employee.name) {
            if (const Result<QList<PickerEntry>> picker = FillAnalysisPicker(home, table); picker) {
                for (const PickerEntry& entry : picker.value()) {
                    if (entry.number == employee.number) {
                        employee = entry;
                        break;
                    }
                }
            }
        }
        employees = {employee};
    }

    AnalysisSetting setting;
    setting.timeMode = o.period.mode;
    setting.period = *calendar.period();
    setting.restDays = calendar.restDayFlags();
    setting.explain = o.explain;
    setting.figures = o.extended;
    // The stored files are read once for all employees: nothing changes them
    // between the runs of one command.
    Result<AnalysisRequest> request = gatherRequest(home, table, setting);
    if (!request) {
        printError(request.error());
        return kExitUsage;
    }

    QList<EmployeeAnalysis> analyses;
    for (const PickerEntry& employee : employees) {
        AnalysisRequest one = request.value();
        one.employee = employee;
        Result<AnalysisResult> result = AnalyseTimeMode1(one);
        if (!result) {
            printError(result.error());
            return kExitUsage;
        }
        if (!result->ran) {
            // The picker's placeholder: there is nobody to analyse.
            if (o.all)
                continue;
            printError(QCoreApplication::translate("tarnby-cli", "“%1”不是员工，请指定员工编号。").arg(employee.text()));
            return kExitUsage;
        }
        analyses.append({employee, result.value()});
    }

    if (o.csv)
        printOut(toCsv(analyses, o.extended));
    else if (o.all)
        printOut(toJsonArray(analyses, o.extended));
    else
        printOut(toJson(analyses.first(), o.extended));
    return kExitOk;
}

const CommandRegistration registration("analyse", kUsage, analyse);

} // namespace
} // namespace tarnby::cli
