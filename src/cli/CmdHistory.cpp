// tarnby-cli history [--home DIR] [--file NAME] [--format text|json]: the
// program folder's History/changes.log, oldest first. Only reads: it never
// waits for the window that holds the folder.

#include "Command.h"

#include "base/History.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QCoreApplication>

namespace tarnby::cli {
namespace {

const QString kTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

// NAME as the log writes it ("SrDate/202603.ydj"), or its last part alone.
bool names(const QString& name, const history::Change& change)
{
    QString wanted = name;
    wanted.replace(u'\\', u'/');
    return change.file == wanted || change.file.section(u'/', -1) == wanted;
}

QString textOf(const QList<history::Change>& changes)
{
    QString out;
    for (const history::Change& c : changes) {
        out += QStringList{c.time.toString(kTimeFormat), c.user, c.machine, c.file, QStringLiteral("+%1").arg(c.added),
                           QStringLiteral("-%1").arg(c.removed), c.note}
                   .join(u'\t');
        out += u'\n';
    }
    return out;
}

QString jsonOf(const QList<history::Change>& changes)
{
    QJsonArray array;
    for (const history::Change& c : changes) {
        array.append(QJsonObject{{QStringLiteral("time"), c.time.toString(kTimeFormat)},
                                 {QStringLiteral("user"), c.user},
                                 {QStringLiteral("machine"), c.machine},
                                 {QStringLiteral("file"), c.file},
                                 {QStringLiteral("added"), c.added},
                                 {QStringLiteral("removed"), c.removed},
                                 {QStringLiteral("before"), c.before},
                                 {QStringLiteral("after"), c.after},
                                 {QStringLiteral("note"), c.note}});
    }
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented));
}

int runHistory(const QStringList& arguments, const QString& exeDir)
{
    QStringList args = arguments;
    QString home;
    if (!takeHome(args, exeDir, &home))
        return kExitUsage;
    QString file;
    QString format = QStringLiteral("text");
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        const bool takesValue = arg == QLatin1String("--file") || arg == QLatin1String("--format");
        if (!takesValue) {
            printError(arg.startsWith(QLatin1String("--")) ? QCoreApplication::translate("tarnby-cli", "未知的选项：%1").arg(arg)
                                                           : QCoreApplication::translate("tarnby-cli", "多余的参数：%1").arg(arg));
            return kExitUsage;
        }
        if (i + 1 >= args.size()) {
            printError(QCoreApplication::translate("tarnby-cli", "%1 后面缺少值。").arg(arg));
            return kExitUsage;
        }
        (arg == QLatin1String("--file") ? file : format) = args.at(++i);
    }
    if (format != QLatin1String("text") && format != QLatin1String("json")) {
        printError(QCoreApplication::translate("tarnby-cli", "--format 只能是 text 或 json：%1").arg(format));
        return kExitUsage;
    }

    const Result<history::Log> log = history::readLog(home);
    if (!log) {
        printError(log.error());
        return kExitReadError;
    }
    for (const int line : log->unreadLines)
        printError(QCoreApplication::translate("tarnby-cli", "%1 第%2行不是变更记录，已略过。").arg(history::logPath(home)).arg(line));
    QList<history::Change> changes;
    for (const history::Change& c : log->changes) {
        if (file.isEmpty() || names(file, c))
            changes.append(c);
    }
    printOut(format == QLatin1String("json") ? jsonOf(changes) : textOf(changes));
    return kExitOk;
}

const CommandRegistration registration("history", "history [--home DIR] [--file NAME] [--format text|json]",
                                       runHistory);

} // namespace
} // namespace tarnby::cli
