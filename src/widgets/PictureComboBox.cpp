#include "PictureComboBox.h"

#include "DropDownFocus.h"
#include "ImageList.h"

#include <QFocusEvent>
#include <QLabel>

namespace tarnby::ui {

PictureComboBox::PictureComboBox(QWidget* parent)
    : QComboBox(parent)
    , picture_(new QLabel(parent))
{
    Q_ASSERT(parent);
    picture_->setPixmap(listImage(kComboNormal, picture_->devicePixelRatioF()));
    picture_->setAttribute(Qt::WA_TransparentForMouseEvents);
    placePicture();
}

PictureComboBox::~PictureComboBox()
{
    // The parent may have deleted the picture already, when it goes first.
    delete picture_.data();
}

void PictureComboBox::placePicture()
{
    if (!picture_)
        return;
    const QSize size = picture_->pixmap().deviceIndependentSize().toSize();
    const QRect r = geometry();
    picture_->setGeometry(r.right() - size.width(), r.top() + (r.height() - size.height()) / 2, size.width(),
                          size.height());
    picture_->raise();
}

void PictureComboBox::showFocusPicture(const QEvent* event)
{
    if (!picture_)
        return;
    if (const std::optional<bool> focused = dropDownFocusChange(this, event))
        picture_->setPixmap(listImage(*focused ? kComboFocus : kComboNormal, picture_->devicePixelRatioF()));
}

bool PictureComboBox::event(QEvent* event)
{
    // A list hidden or shown on its own takes its picture along.
    if (picture_ && event->type() == QEvent::HideToParent)
        picture_->hide();
    else if (picture_ && event->type() == QEvent::ShowToParent)
        picture_->show();
    return QComboBox::event(event);
}

void PictureComboBox::focusInEvent(QFocusEvent* event)
{
    showFocusPicture(event);
    QComboBox::focusInEvent(event);
}

void PictureComboBox::focusOutEvent(QFocusEvent* event)
{
    showFocusPicture(event);
    QComboBox::focusOutEvent(event);
}

void PictureComboBox::moveEvent(QMoveEvent* event)
{
    QComboBox::moveEvent(event);
    placePicture();
}

void PictureComboBox::resizeEvent(QResizeEvent* event)
{
    QComboBox::resizeEvent(event);
    placePicture();
}

} // namespace tarnby::ui
