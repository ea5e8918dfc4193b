#include "PageTextBox.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QRegularExpressionValidator>
#include <QTimer>

namespace tarnby::ui {

PageTextBox::PageTextBox(QWidget* parent)
    : QLineEdit(parent)
{
}

void PageTextBox::setDigitsOnly(bool digitsOnly)
{
    digitsOnly_ = digitsOnly;
    setValidator(digitsOnly ? new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this)
                            : nullptr);
}

void PageTextBox::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // A click places the cursor after the focus arrives, so the selection
    // has to wait until the click is done.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus())
            selectAll();
    });
}

void PageTextBox::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    switch (event->reason()) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
        return;
    default:
        emit left();
    }
}

void PageTextBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        selectAll();
        emit entered();
        return;
    }
    if (digitsOnly_ && !event->text().isEmpty() && event->key() != Qt::Key_Backspace
        && event->key() != Qt::Key_Delete) {
        const QChar c = event->text().front();
        if (c < u'0' || c > u'9')
            return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace tarnby::ui
