#include "FolderTextBox.h"

#include <QFocusEvent>
#include <QMouseEvent>

namespace tarnby::ui {

FolderTextBox::FolderTextBox(QWidget* parent)
    : QLineEdit(parent)
{
}

void FolderTextBox::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    selectAll();
    // A click that brings the focus would place the cursor on its release and
    // undo the selection; the release selects again instead.
    selectOnRelease_ = event->reason() == Qt::MouseFocusReason;
}

void FolderTextBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLineEdit::mouseDoubleClickEvent(event);
    selectAll();
}

void FolderTextBox::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (selectOnRelease_) {
        selectOnRelease_ = false;
        if (!hasSelectedText())
            selectAll();
    }
}

} // namespace tarnby::ui
