#pragma once
// A box whose text is refused takes the focus back. The control the user was
// moving to loses the focus in turn; were it another box holding a refused
// text, the two would pull the focus back and forth for ever, so that
// control's next leave is not a real one and is passed over.

#include <QPointer>
#include <QString>

class QLineEdit;
class QWidget;

namespace tarnby::ui {

class BoxRefusal {
public:
    // Shows the "错误" message and puts the focus back into the box, its text selected.
    void refuse(QWidget* page, QLineEdit* box, const QString& text);
    // True, once, when the box lost the focus only because a refusal took it.
    bool takeInterrupted(const QWidget* box);

private:
    QPointer<QWidget> interrupted_;
};

} // namespace tarnby::ui
