#include "ProgramFolder.h"

#include "base/FileError.h"
#include "base/History.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QCoreApplication>

#ifndef TARNBY_DEFAULTS_FROM_BINDIR
#error "TARNBY_DEFAULTS_FROM_BINDIR must lead from the installed executables to the defaults"
#endif

namespace tarnby {
namespace {

const QString kInit = QStringLiteral("Init.ini");
const QString kHolidays = QStringLiteral("Holidays.txt");
const QString kSrDate = QStringLiteral("SrDate");

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

QString absoluteClean(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

Result<ProgramFolder> namedFolder(const QString& path, ProgramFolderOrigin origin, const QString& namedBy)
{
    // A folder the user names is never created: making one from a typing
    // error would only scatter settings about. --home is taken as it is (a
    // command that needs Init.ini says so itself, and one that needs nothing
    // from the folder runs without it); a TARNBY_HOME that leads nowhere is
    // a set-up error, as the window could not start from it.
    const QString absolute = absoluteClean(path);
    if (origin == ProgramFolderOrigin::Environment && !QFileInfo(absolute).isDir()) {
        return Result<ProgramFolder>::failure(
            QCoreApplication::translate("ProgramFolder", "找不到程序文件夹：%1（由 %2 指定）。").arg(native(absolute), namedBy));
    }
    return ProgramFolder{absolute, origin};
}

// Copies a default file whole or not at all: a half-written Init.ini would
// be worse than none, since the next start would take it as the user's own.
Outcome copyDefault(const QString& source, const QString& target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        return Outcome::error(QCoreApplication::translate("ProgramFolder", "无法读取默认文件 %1：%2。").arg(native(source), fileErrorReason(in.errorString())));
    }
    if (const QString why = history::writeWhole(target, in.readAll()); !why.isEmpty())
        return Outcome::error(QCoreApplication::translate("ProgramFolder", "无法写入 %1：%2。").arg(native(target), why));
    return Outcome::quiet();
}

bool present(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// Makes the user's folder and fills in what it lacks. Only missing pieces are
// added, so the user's own settings and marks survive every start.
Outcome fillUserFolder(const QString& folder, const QString& defaults)
{
    const QString init = QDir(folder).filePath(kInit);
    const QString defaultInit = QDir(defaults).filePath(kInit);
    // Checked before anything is made, so a broken installation leaves no
    // empty folder behind that a later start would take for a finished one.
    if (!present(init) && !QFileInfo(defaultInit).isFile()) {
        return Outcome::error(
            QCoreApplication::translate("ProgramFolder", "找不到默认的配置文件 %1，无法在 %2 中建立程序文件夹。程序可能没有完整安装。")
                .arg(native(defaultInit), native(folder)));
    }
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir()) {
        return Outcome::error(QCoreApplication::translate("ProgramFolder", "无法建立程序文件夹：%1。").arg(native(folder)));
    }
    for (const QString& name : {kInit, kHolidays}) {
        const QString target = QDir(folder).filePath(name);
        const QString source = QDir(defaults).filePath(name);
        if (present(target) || !QFileInfo(source).isFile())
            continue;
        if (const Outcome copied = copyDefault(source, target); !copied.ok())
            return copied;
    }
    const QString marks = QDir(folder).filePath(kSrDate);
    if (!QFileInfo(marks).isDir() && !QDir(folder).mkdir(kSrDate)) {
        return Outcome::error(QCoreApplication::translate("ProgramFolder", "无法在程序文件夹中建立 %1 文件夹：%2。").arg(kSrDate, native(marks)));
    }
    return Outcome::quiet();
}

} // namespace

Result<ProgramFolder> resolveProgramFolder(const ProgramFolderPlaces& places)
{
    if (!places.option.isEmpty())
        return namedFolder(places.option, ProgramFolderOrigin::Option, QStringLiteral("--home"));
    if (!places.environment.isEmpty())
        return namedFolder(places.environment, ProgramFolderOrigin::Environment, QCoreApplication::translate("ProgramFolder", "环境变量 TARNBY_HOME"));

    if (!places.executableDir.isEmpty()) {
        const QString dir = absoluteClean(places.executableDir);
        if (QFileInfo(QDir(dir).filePath(kInit)).isFile() && QFileInfo(dir).isWritable())
            return ProgramFolder{dir, ProgramFolderOrigin::Executable};
    }

    if (places.userDir.isEmpty()) {
        return Result<ProgramFolder>::failure(
            QCoreApplication::translate("ProgramFolder", "找不到用户的数据文件夹，无法建立程序文件夹。请用环境变量 TARNBY_HOME 指定程序文件夹。"));
    }
    const QString user = absoluteClean(places.userDir);
    if (const Outcome filled = fillUserFolder(user, places.defaultsDir); !filled.ok())
        return Result<ProgramFolder>::failure(filled.text);
    return ProgramFolder{user, ProgramFolderOrigin::User};
}

ProgramFolderPlaces programFolderPlaces(const QString& executableDir, const QString& option)
{
    ProgramFolderPlaces places;
    if (!option.isEmpty())
        places.option = QDir(option).absolutePath();
    const QString environment = qEnvironmentVariable("TARNBY_HOME");
    if (!environment.isEmpty())
        places.environment = QDir(environment).absolutePath();
    places.executableDir = executableDir;
    // Not AppDataLocation itself: that follows the application object's
    // names, which the window sets for its own purposes.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!data.isEmpty())
        places.userDir = QDir(data).filePath(QStringLiteral("tarnby"));
    // bin/../share/tarnby: /usr/share/tarnby for the packaged program.
    places.defaultsDir = QDir::cleanPath(QDir(executableDir).filePath(QStringLiteral(TARNBY_DEFAULTS_FROM_BINDIR)));
    return places;
}

QString describeProgramFolder(const ProgramFolder& folder)
{
    QString from;
    switch (folder.origin) {
    case ProgramFolderOrigin::Option: from = QCoreApplication::translate("ProgramFolder", "由 --home 指定"); break;
    case ProgramFolderOrigin::Environment: from = QCoreApplication::translate("ProgramFolder", "由环境变量 TARNBY_HOME 指定"); break;
    case ProgramFolderOrigin::Executable: from = QCoreApplication::translate("ProgramFolder", "程序所在的文件夹"); break;
    case ProgramFolderOrigin::User: from = QCoreApplication::translate("ProgramFolder", "用户的数据文件夹"); break;
    }
    return QCoreApplication::translate("ProgramFolder", "程序文件夹：%1（%2）").arg(native(folder.path), from);
}

} // namespace tarnby
