#include "Calculator.h"

#include "MessageSeam.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QCoreApplication>

namespace tarnby::ui {

const QStringList& desktopCalculators()
{
    static const QStringList names = {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
                                      QStringLiteral("galculator"), QStringLiteral("mate-calc"),
                                      QStringLiteral("xcalc")};
    return names;
}

QString findCalculator(const QString& programDir, const std::optional<QStringList>& searchPath)
{
    for (const QString& name : desktopCalculators()) {
        const QString found = searchPath ? QStandardPaths::findExecutable(name, *searchPath)
                                         : QStandardPaths::findExecutable(name);
        if (!found.isEmpty())
            return found;
    }
    const QFileInfo shipped(QDir(programDir).filePath(QStringLiteral("Tools/calc")));
    if (shipped.isFile() && shipped.isExecutable())
        return shipped.absoluteFilePath();
    return {};
}

bool startCalculator(QWidget* parent, const QString& programDir, const std::optional<QStringList>& searchPath)
{
    const QString calculator = findCalculator(programDir, searchPath);
    if (calculator.isEmpty()) {
        showMessage(parent, {kTitleError, QCoreApplication::translate("Calculator", "找不到[计算器]程序！"), MessageIcon::Critical});
        return false;
    }
    if (!QProcess::startDetached(calculator, {})) {
        showMessage(parent, {kTitleError,
                             QCoreApplication::translate("Calculator", "[计算器]程序无法启动：%1").arg(QDir::toNativeSeparators(calculator)),
                             MessageIcon::Critical});
        return false;
    }
    return true;
}

} // namespace tarnby::ui
