#pragma once
// The calculator shortcut: the desktop's own calculator, else the one shipped
// in the program folder's Tools/.

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace tarnby::ui {

// The calculators tried on the search path, in order.
const QStringList& desktopCalculators();

// The first calculator found: a desktop one on `searchPath` (the PATH when
// none is given), then programDir/Tools/calc. Empty when there is none.
QString findCalculator(const QString& programDir, const std::optional<QStringList>& searchPath = std::nullopt);

// Starts the calculator detached; says "找不到[计算器]程序！" when there is none.
// Returns whether one was started.
bool startCalculator(QWidget* parent, const QString& programDir,
                     const std::optional<QStringList>& searchPath = std::nullopt);

} // namespace tarnby::ui
