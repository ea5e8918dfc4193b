#include "BoxRefusal.h"

#include "widgets/MessageSeam.h"

#include <QApplication>
#include <QLineEdit>

namespace tarnby::ui {

void BoxRefusal::refuse(QWidget* page, QLineEdit* box, const QString& text)
{
    QWidget* now = QApplication::focusWidget();
    interrupted_ = now != box ? now : nullptr;
    showOutcome(page, Outcome::error(text));
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
}

bool BoxRefusal::takeInterrupted(const QWidget* box)
{
    if (box != interrupted_)
        return false;
    interrupted_ = nullptr;
    return true;
}

} // namespace tarnby::ui
