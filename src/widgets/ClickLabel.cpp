#include "ClickLabel.h"

#include <QMouseEvent>

namespace tarnby::ui {

ClickLabel::ClickLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    setAlignment(Qt::AlignCenter);
}

void ClickLabel::setBackground(const QColor& colour)
{
    background_ = colour;
    setAutoFillBackground(colour.isValid());
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    emit clicked(event->button());
    event->accept();
}

} // namespace tarnby::ui
