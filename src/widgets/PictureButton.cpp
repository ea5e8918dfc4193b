#include "PictureButton.h"

#include "ImageList.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace tarnby::ui {

PictureButton::PictureButton(Kind kind, QWidget* parent)
    : QWidget(parent)
    , kind_(kind)
    , image_(kind == Kind::Tab ? kTabNormal : kButtonNormal)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover);
    // A disabled tab (the page on show) drops out of the Tab chain by itself.
    setFocusPolicy(Qt::StrongFocus);
    resize(kind == Kind::Tab ? kTabSize : kButtonSize);
}

int PictureButton::normalImage() const { return kind_ == Kind::Tab ? kTabNormal : kButtonNormal; }
int PictureButton::hoverImage() const { return kind_ == Kind::Tab ? kTabHover : kButtonHover; }

void PictureButton::setImage(int number)
{
    if (image_ == number)
        return;
    image_ = number;
    update();
}

void PictureButton::setCaption(const QString& caption)
{
    caption_ = caption;
    // A screen reader names the button by what it says.
    setAccessibleName(caption);
    update();
}

bool PictureButton::inside(const QPoint& p) const
{
    // The edges count as inside, as a picture box's own coordinates do.
    return p.x() >= 0 && p.y() >= 0 && p.x() <= width() && p.y() <= height();
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QPixmap picture = listImage(image_, devicePixelRatioF());
    p.drawPixmap(QRect(QPoint(0, 0), size()), picture);
    if (!caption_.isEmpty()) {
        p.setPen(isEnabled() || image_ == kTabSelected ? QColor(20, 40, 70) : QColor(130, 130, 130));
        p.drawText(rect(), Qt::AlignCenter, caption_);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        frame.rect = rect().adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &p, this);
    }
}

void PictureButton::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (event->isAutoRepeat())
            return;
        event->accept();
        emit released();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void PictureButton::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void PictureButton::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

void PictureButton::mouseMoveEvent(QMouseEvent* event)
{
    // While the left button is held Qt keeps sending moves here, so leaving
    // through a window edge is seen too.
    if (!inside(event->position().toPoint())) {
        setImage(normalImage());
        return;
    }
    // Any move over the button shows it under the pointer, a held button
    // included: the pressed picture lasts until the pointer moves.
    setImage(hoverImage());
}

void PictureButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (kind_ == Kind::Action)
        setImage(kButtonPressed);
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (kind_ == Kind::Action) {
        setImage(kButtonNormal);
        if (inside(event->position().toPoint()))
            emit released();
        return;
    }
    if (inside(event->position().toPoint()))
        emit released();
}

void PictureButton::enterEvent(QEnterEvent*)
{
    if (isEnabled())
        setImage(hoverImage());
}

void PictureButton::leaveEvent(QEvent*)
{
    if (image_ != kTabSelected)
        setImage(normalImage());
}

void PictureButton::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
}

} // namespace tarnby::ui
