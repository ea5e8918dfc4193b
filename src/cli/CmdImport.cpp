// tarnby-cli import [--home DIR] FOLDER: the folder read and the employee
// picker, as the window runs them.

#include "Command.h"

#include "import/FolderImport.h"

#include <QDir>
#include <QCoreApplication>

#include <cstdio>

namespace tarnby::cli {
namespace {

int runImport(const QStringList& arguments, const QString& exeDir)
{
    QStringList args = arguments;
    QString home;
    if (!takeHome(args, exeDir, &home))
        return kExitUsage;
    for (const QString& arg : std::as_const(args)) {
        if (arg.startsWith(QLatin1String("--"))) {
            printError(QCoreApplication::translate("tarnby-cli", "未知的选项：%1").arg(arg));
            return kExitUsage;
        }
    }
    if (args.size() != 1) {
        printError(args.isEmpty() ? QCoreApplication::translate("tarnby-cli", "缺少考勤所在目录。")
                                  : QCoreApplication::translate("tarnby-cli", "只能给出一个考勤所在目录。"));
        return kExitUsage;
    }

    PunchTable table;
    const ImportOutcome read = ReadFolderRecords(home, args.first(), table);
    if (read.kind == ImportOutcome::Kind::SetupError) {
        printError(read.text);
        return kExitUsage;
    }

    const QByteArray records = table.printedRecords();
    std::fwrite(records.constData(), 1, std::size_t(records.size()), stdout);

    if (read.kind == ImportOutcome::Kind::ReadError) {
        printError(read.text);
        return kExitReadError;
    }
    if (read.overflow)
        printError(read.text);

    QList<PickerEntry> picker{PickerEntry::placeholder()};
    if (read.fillsPicker()) {
        const auto entries = FillAnalysisPicker(home, table);
        if (!entries) {
            printError(entries.error());
            return kExitUsage;
        }
        picker = *entries;
    }
    printOut(QStringLiteral("--\n") + pickerTexts(picker).join(u'\n') + u'\n');
    return kExitOk;
}

const CommandRegistration registration("import", "import [--home DIR] FOLDER", runImport);

} // namespace
} // namespace tarnby::cli
