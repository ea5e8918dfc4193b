#include "support/TestPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QtGlobal>

namespace testsupport {

namespace {

QString required(const QString& path, bool present, const char* what)
{
    if (!present)
        qFatal("%s is missing: %s", what, qPrintable(QDir::toNativeSeparators(path)));
    return path;
}

} // namespace

QString distPath(const QString& relative)
{
    const QString path = QDir(QStringLiteral(TARNBY_DIST_DIR)).filePath(relative);
    return required(path, QFileInfo::exists(path), "a file the repository ships in dist/");
}

QString sampleFolder()
{
    const QString path = distPath(QStringLiteral("Source"));
    return required(path, !QDir(path).entryList(QDir::Files).isEmpty(), "the sample month");
}

QString builtProgramDir()
{
    return QStringLiteral(TARNBY_PROGRAM_DIR);
}

QString builtPlugins()
{
    const QString path = QDir(builtProgramDir()).filePath(QStringLiteral("plugins"));
    return required(path, !QDir(path).entryList(QDir::Files).isEmpty(), "the date-picker plugin of the build");
}

QString cliPath()
{
    const QString path = QStringLiteral(TARNBY_CLI);
    return required(path, QFileInfo(path).isExecutable(), "tarnby-cli of the build");
}

QString sharedPath(const QString& relative)
{
    const QString path = QDir::cleanPath(QDir(QStringLiteral(TARNBY_SHARED_DIR)).filePath(relative));
    return QFileInfo::exists(path) ? path : QString();
}

} // namespace testsupport
