#pragma once
// A text box of pages 1 and 3: it selects its whole text when it gets the
// focus and again on Enter, can be limited to the digits 0-9, and tells the
// page when the user has moved on to another control, which is when the
// page checks what was typed.

#include <QLineEdit>

namespace tarnby::ui {

class PageTextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit PageTextBox(QWidget* parent = nullptr);

    // Only the digits and Backspace get through the keyboard; a validator
    // keeps pasted or dropped text to digits too.
    void setDigitsOnly(bool digitsOnly);
    bool digitsOnly() const { return digitsOnly_; }

signals:
    // The focus moved to another control of the window. Losing it to another
    // window (a message box, a menu) is not leaving the box.
    void left();
    // Enter was pressed in the box.
    void entered();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool digitsOnly_ = false;
};

} // namespace tarnby::ui
