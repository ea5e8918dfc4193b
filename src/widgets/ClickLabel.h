#pragma once
// A label that answers clicks: the option labels, the day cells of the month
// grids and the small text buttons of the pages. Which mouse button was used
// travels with the signal: a page may give each button a meaning of its own.

#include <QLabel>

namespace tarnby::ui {

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString& text = {}, QWidget* parent = nullptr);

    // Background of the label; the text keeps its own colour.
    void setBackground(const QColor& colour);
    QColor background() const { return background_; }

    // A label that stands for a button: a Tab stop that shows its focus and
    // answers Enter and Space as a left click. A screen reader hears `name`,
    // else the label's text.
    void makeKeyboardButton(const QString& name = {});

signals:
    // A mouse button was pressed over the label.
    void clicked(Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QColor background_;
};

} // namespace tarnby::ui
