#pragma once
// The plain captions of pages 1 and 3: text at a fixed place, bold for headings.

#include <QRect>
#include <QString>

class QLabel;
class QWidget;

namespace tarnby::ui {

QLabel* makeLabel(QWidget* parent, const QString& text, const QRect& where, bool heading = false);

} // namespace tarnby::ui
