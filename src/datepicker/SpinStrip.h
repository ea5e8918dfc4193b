#pragma once
// One of the two spin strips of the title bar: a 64 × 20 surface with a back
// and a forward button around a number label, and a drop-down button. The
// strip only draws and reports presses; the control decides what a press does.

#include <QLabel>
#include <QWidget>

#include <cstdint>

namespace lundar {

// A label that reports a click (press and release on it), so that clicking the
// year or month number can drop its list down.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

class SpinStrip : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Year, Month };
    enum class Button { None, Back, Forward, DropDown };

    SpinStrip(Kind kind, const QFont& textFont, const QFont& digitFont, QWidget* parent = nullptr);

    Kind kind() const { return m_kind; }

    // The button under a point in strip coordinates (the open intervals of the
    // hit areas: 2 < y < 19 and 1 < x < 13, 38 < x < 50, 50 < x < 62).
    static Button buttonAt(QPointF pos);
    // Button rectangles in strip coordinates, right and bottom exclusive.
    static QRect buttonRect(Button button);

    // The number the strip's label shows (a year or a month).
    int number() const { return m_number; }
    void setNumber(int number);

    void setBackColor(std::uint32_t color);

    // All three buttons raised.
    void drawFaces();
    // One button sunken; the others stay as they are.
    void drawPressed(Button button);
    Button pressedButton() const { return m_pressed; }

signals:
    // A back or forward button went down.
    void spinPressed(lundar::SpinStrip::Button button);
    // The mouse came up anywhere after a press on the strip.
    void released();
    // The drop-down button or one of the labels asks for the list.
    void dropDownRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Kind m_kind;
    int m_number = 0;
    std::uint32_t m_backColor = 0xC0C0C0;
    Button m_pressed = Button::None;
    ClickLabel* m_numberLabel = nullptr;
    ClickLabel* m_unitLabel = nullptr; // "月" on the month strip
};

} // namespace lundar
