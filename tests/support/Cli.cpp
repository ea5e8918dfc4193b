#include "support/Cli.h"

#include "support/TestPaths.h"

#include "base/Language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

namespace testsupport {

CliRun runCli(const QStringList& args)
{
    return runProgram(cliPath(), args);
}

CliRun runProgram(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    // A sanitised build on a busy machine takes its time over a month of punches.
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
        return {};
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            QString::fromUtf8(p.readAllStandardError())};
}

QStringList builtTranslationFolders()
{
    return tarnby::translationFolders(QFileInfo(cliPath()).absolutePath());
}

TranslatingApplication::TranslatingApplication() : app_(std::make_unique<QCoreApplication>(argc_, argv_)) {}

TranslatingApplication::~TranslatingApplication() = default;

} // namespace testsupport
