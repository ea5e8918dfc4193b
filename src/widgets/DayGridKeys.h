#pragma once
// The keyboard's way into a grid of day labels: one Tab stop laid over the
// cells, which lets the mouse through to them. The arrow keys move among the
// days a user may click (a week up or down), Page Up and Page Down to the same
// place in the neighbouring month, Home and End to the first and last day;
// Enter picks the day, Space marks or unmarks it and Delete unmarks it. For a screen reader the
// grid is a table whose cells are the days, each named by `describe`.

#include <QList>
#include <QWidget>
#include <functional>

namespace tarnby::ui {

class ClickLabel;

class DayGridKeys : public QWidget {
    Q_OBJECT
public:
    // `monthCells` cells make one month's grid, seven to a row.
    DayGridKeys(const QList<ClickLabel*>& cells, int monthCells, QWidget* parent);

    // The day a screen reader hears for a cell: its date, lunar day and state.
    void setDescriber(std::function<QString(int index)> describe);
    QString describe(int index) const;

    const QList<ClickLabel*>& cells() const { return cells_; }
    // The day the keys are on; -1 when no day may be clicked.
    int current() const;
    void setCurrent(int index);

signals:
    void picked(int index);
    void toggled(int index);
    void cleared(int index);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool usable(int index) const;
    // The nearest usable cell from `from` in steps of `step`; `fallback` when none.
    int walk(int from, int step, int fallback) const;

    QList<ClickLabel*> cells_;
    int monthCells_;
    int current_ = -1;
    std::function<QString(int)> describe_;
};

// Makes the accessibility bridge present every DayGridKeys as a table of days;
// each grid does it when made.
void installDayGridAccessibility();

} // namespace tarnby::ui
