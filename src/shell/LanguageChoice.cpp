#include "LanguageChoice.h"

#include <QDir>
#include <QSettings>

namespace tarnby::ui {
namespace {

const QString kKey = QStringLiteral("Window/Language");

QString settingsPath(const QString& programDir)
{
    return QDir(programDir).filePath(QStringLiteral("Tarnby.ini"));
}

} // namespace

QString storedLanguageChoice(const QString& programDir)
{
    return QSettings(settingsPath(programDir), QSettings::IniFormat).value(kKey).toString();
}

bool storeLanguageChoice(const QString& programDir, const QString& code)
{
    QSettings settings(settingsPath(programDir), QSettings::IniFormat);
    if (code.isEmpty())
        settings.remove(kKey);
    else
        settings.setValue(kKey, code);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace tarnby::ui
