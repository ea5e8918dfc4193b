// tarnby-cli: the analyser's core without a window.

#include "Command.h"

#include "analysis/ResultText.h"
#include "base/Language.h"
#include "base/Platform.h"
#include "base/ProgramFolder.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <map>
#include <string>

namespace tarnby::cli {
namespace {

struct Entry {
    std::string usage;
    CommandFn fn;
};

std::map<std::string, Entry>& registry()
{
    static std::map<std::string, Entry> commands;
    return commands;
}

void printUsage()
{
    QString text = QCoreApplication::translate("tarnby-cli", "用法：\n");
    for (const auto& [name, entry] : registry())
        text += QStringLiteral("  tarnby-cli %1\n").arg(QCoreApplication::translate("tarnby-cli", entry.usage.c_str()));
    std::fputs(text.toUtf8().constData(), stderr);
}

} // namespace

CommandRegistration::CommandRegistration(const char* name, const char* usage, CommandFn fn)
{
    registry()[name] = Entry{usage, std::move(fn)};
}

void printError(const QString& message)
{
    QByteArray bytes = message.toUtf8();
    if (!bytes.endsWith('\n'))
        bytes += '\n';
    std::fputs(bytes.constData(), stderr);
}

void printOut(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

bool takeHome(QStringList& args, const QString& exeDir, QString* home)
{
    QString option;
    const qsizetype at = args.indexOf(QStringLiteral("--home"));
    if (at >= 0) {
        if (at + 1 >= args.size()) {
            printError(QCoreApplication::translate("tarnby-cli", "--home 后面缺少程序文件夹。"));
            return false;
        }
        option = args.at(at + 1);
        args.remove(at, 2);
    }
    const Result<ProgramFolder> folder = resolveProgramFolder(programFolderPlaces(exeDir, option));
    if (!folder) {
        printError(folder.error());
        return false;
    }
    *home = folder->path;
    return true;
}

} // namespace tarnby::cli

int main(int argc, char** argv)
{
    using namespace tarnby::cli;
    tarnby::platform::keepFreedMemory();
    // Taken before the application object exists: a GUI application would take
    // what looks like its own options ("--style") out of the command line.
    QStringList args = commandArguments(argc, argv);
    const std::unique_ptr<QCoreApplication> application = makeApplication(argc, argv);
    tarnby::useLanguage(tarnby::startLanguage(), tarnby::translationFolders(QCoreApplication::applicationDirPath()),
                        tarnby::kAnalysisTextContexts);
    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")) {
        printUsage();
        return args.isEmpty() ? kExitUsage : kExitOk;
    }
    const std::string name = args.takeFirst().toStdString();
    const auto it = registry().find(name);
    if (it == registry().end()) {
        printError(QCoreApplication::translate("tarnby-cli", "未知的命令：%1").arg(QString::fromStdString(name)));
        printUsage();
        return kExitUsage;
    }
    const int status = it->second.fn(args, QCoreApplication::applicationDirPath());
    std::fflush(stdout);
    return status;
}
